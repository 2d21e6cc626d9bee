// The dictd readers: an index file, an entry, and the words a deu-eng entry
// gives German rows (chosen by the first byte).
#include "data/import/dictd_entry.h"
#include "data/import/dictd_index.h"
#include "data/import/german_first_entry.h"
#include "data/record_error.h"
#include "fuzz_check.h"

#include <cstdint>

using namespace vorbix::import;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    switch (data[0] % 4) {
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
        const EntryStyle style = data[0] % 4 == 1 ? EntryStyle::SenseList : EntryStyle::SingleSense;
        const DictdEntry entry = parseDictdEntry(QString::fromUtf8(bytes), style);
        for (const QString &translation : entry.translations)
            FUZZ_CHECK(!translation.isEmpty());
        break;
    }
    case 3: {
        // Only short plain items, never a fragment of markup.
        const QSet<QString> englishWords{QStringLiteral("neutral"), QStringLiteral("non-aligned")};
        for (const QSet<QString> &words : {QSet<QString>(), englishWords}) {
            for (const QString &item : firstEntryWordsOfText(QString::fromUtf8(bytes), words)) {
                FUZZ_CHECK(!item.isEmpty() && item.size() <= 40);
                FUZZ_CHECK(item.count(u' ') < 4);
                FUZZ_CHECK(!item.contains(u'/') && !item.contains(u'[') && !item.contains(u'(') && !item.contains(u','));
            }
        }
        break;
    }
    }
    return 0;
}
