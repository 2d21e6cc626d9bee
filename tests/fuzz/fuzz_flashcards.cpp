// The flash-card reader on any bytes, with the fields chosen by the first
// byte (given, or from the headers), and the HTML reduction on any text:
// rows a table can hold, refused lines in order and in the file, no crash
// and no more than linear time.
#include "data/import/flashcard_reader.h"
#include "data/record_error.h"
#include "fuzz_check.h"

#include <cstdint>

using namespace vorbix::import;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    std::optional<FieldChoice> fields;
    if (data[0] & 0x80)
        fields = FieldChoice{1 + (data[0] & 3), 1 + ((data[0] >> 2) & 3)};
    const QByteArray content(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const qsizetype lines = content.count('\n') + 1;
    try {
        const WordList list = parseFlashcards(content, vorbix::kLanguagePairs[data[0] % vorbix::kPairCount], fields);
        for (const ImportRow &row : list.rows) {
            FUZZ_CHECK(!row.source.isEmpty() && row.source.size() <= 255 && row.source == row.source.simplified());
            FUZZ_CHECK(!row.target || (!row.target->isEmpty() && row.target->size() <= 255));
        }
        int previous = 0;
        for (const RefusedLine &line : list.refused) {
            FUZZ_CHECK(line.line >= 1 && line.line <= lines && line.line >= previous);
            previous = line.line;
        }
    } catch (const vorbix::RecordError &) {
        // An unknown #separator: refused as a whole.
    }

    const QString text = htmlToText(QString::fromUtf8(content));
    FUZZ_CHECK(text == text.simplified());
    FUZZ_CHECK(!text.contains(QLatin1Char('\x01')));
    FUZZ_CHECK(!text.startsWith(QLatin1Char(',')) && !text.endsWith(QLatin1Char(',')));
    return 0;
}
