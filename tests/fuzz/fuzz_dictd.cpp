// The dictd readers: an index file and an entry (chosen by the first byte).
#include "data/import/dictd_entry.h"
#include "data/import/dictd_index.h"
#include "data/record_error.h"
#include "fuzz_check.h"

#include <cstdint>

using namespace vorbix::import;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    switch (data[0] % 3) {
    case 0:
        try {
            for (const DictdIndexEntry &entry : parseDictdIndex(bytes, QStringLiteral("fuzz.index"))) {
                FUZZ_CHECK(entry.offset >= 0);
                FUZZ_CHECK(entry.length >= 0);
            }
        } catch (const vorbix::RecordError &) {
        }
        break;
    case 1:
    case 2: {
        const EntryStyle style = data[0] % 3 == 1 ? EntryStyle::SenseList : EntryStyle::SingleSense;
        const DictdEntry entry = parseDictdEntry(QString::fromUtf8(bytes), style);
        for (const QString &translation : entry.translations)
            FUZZ_CHECK(!translation.isEmpty());
        break;
    }
    }
    return 0;
}
