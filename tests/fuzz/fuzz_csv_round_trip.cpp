// A table written as CSV by the export and read back by the importer's CSV
// reader is the same table, whatever its texts (spreadsheet formulas,
// quotes, commas, leading "#" or apostrophes). Input: rows separated by
// "\n", word and translation by "\t"; the texts are made what a table holds
// (no control characters, blanks simplified), as every import leaves them.
#include "data/import/list_export.h"
#include "data/import/word_list_reader.h"
#include "fuzz_check.h"

#include <QStringList>

#include <cstdint>

using namespace vorbix;
using namespace vorbix::import;

namespace {

QString asStored(QString text)
{
    for (QChar &c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.unicode() == 0xFFFE || c.unicode() == 0xFFFF)
            c = QLatin1Char(' ');
    }
    return text.simplified();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString input = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    QVector<WordRow> rows;
    for (const QString &line : input.split(QLatin1Char('\n'))) {
        const QString word = asStored(line.section(QLatin1Char('\t'), 0, 0));
        const QString translation = asStored(line.section(QLatin1Char('\t'), 1));
        FUZZ_CHECK(csvCellValue(csvCellText(word)) == word);
        if (word.isEmpty())
            continue;
        rows.append({int(rows.size()) + 1, word, translation.isEmpty() ? std::nullopt : std::optional(translation)});
    }
    ExportReport report;
    const QByteArray document = csvDocument(rows, report);
    FUZZ_CHECK(report.written == rows.size());
    const WordList read = parseWordList(document, ListFormat::Csv);
    FUZZ_CHECK(read.refused.isEmpty());
    FUZZ_CHECK(read.rows.size() == rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        FUZZ_CHECK(read.rows.at(i).source == *rows.at(i).source);
        FUZZ_CHECK(read.rows.at(i).target == rows.at(i).target);
    }
    return 0;
}
