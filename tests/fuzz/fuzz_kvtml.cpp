// The KVTML reader on any bytes, with the pair taken from the file or given
// (chosen by the first byte): it must refuse with a message or return rows a
// table can hold, and never crash, recurse or take more than linear time.
#include "data/import/kvtml_reader.h"
#include "data/record_error.h"
#include "fuzz_check.h"

#include <cstdint>

using namespace vorbix::import;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::optional<int> pair = data[0] % 7 == 6 ? std::nullopt : std::optional<int>(data[0] % 7);
    const QByteArray content(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    try {
        const KvtmlList read = parseKvtml(content, QStringLiteral("fuzz.kvtml"), pair);
        FUZZ_CHECK(read.pair >= 0 && read.pair < vorbix::kPairCount);
        FUZZ_CHECK(!pair || read.pair == *pair);
        for (const ImportRow &row : read.list.rows) {
            FUZZ_CHECK(!row.source.isEmpty() && row.source.size() <= 255 && row.source == row.source.simplified());
            FUZZ_CHECK(!row.target || (!row.target->isEmpty() && row.target->size() <= 255));
        }
        for (const RefusedLine &line : read.list.refused)
            FUZZ_CHECK(line.line >= 1 && !line.reason.isEmpty());
    } catch (const vorbix::RecordError &error) {
        FUZZ_CHECK(error.message().startsWith(QLatin1String("fuzz.kvtml")));
    }
    return 0;
}
