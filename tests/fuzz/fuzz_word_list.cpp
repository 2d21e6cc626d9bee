// A user's word list, as TSV or CSV (chosen by the first byte).
#include "data/import/word_list_reader.h"
#include "data/record_error.h"
#include "fuzz_check.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto format = (data[0] & 1) ? vorbix::import::ListFormat::Csv : vorbix::import::ListFormat::Tsv;
    const QByteArray content(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    try {
        const vorbix::import::WordList list = vorbix::import::parseWordList(content, format);
        for (const auto &row : list.rows)
            FUZZ_CHECK(!row.source.isEmpty());
    } catch (const vorbix::RecordError &) {
        // A refused list is an answer too.
    }
    return 0;
}
