#include "data/import/word_list_reader.h"

#include "data/import/input_file.h"
#include "data/record_error.h"

#include <QStringDecoder>

#include <optional>

namespace vorbix::import {

namespace {

// Splits one CSV line; nothing when a quote is left open.
std::optional<QStringList> splitCsv(const QString &line)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"')) {
                    field.append(c);
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field.append(c);
            }
        } else if (c == QLatin1Char('"') && field.trimmed().isEmpty()) {
            field.clear();
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            fields.append(field);
            field.clear();
        } else {
            field.append(c);
        }
    }
    if (quoted)
        return std::nullopt;
    fields.append(field);
    return fields;
}

} // namespace

QString csvCellText(const QString &text)
{
    // A cell that begins with "=", "+", "-" or "@" (or a tab or CR) is a
    // formula to a spreadsheet, which may run it; a leading apostrophe makes
    // it text, and the spreadsheet does not show it. So that the way back is
    // exact, an apostrophe is also added where the text already begins with
    // apostrophes before such a character ("'=x" -> "''=x").
    qsizetype first = 0;
    while (first < text.size() && text.at(first) == QLatin1Char('\''))
        ++first;
    if (first == text.size())
        return text;
    const QChar c = text.at(first);
    const bool formula = c == QLatin1Char('=') || c == QLatin1Char('+') || c == QLatin1Char('-') || c == QLatin1Char('@')
                         || c == QLatin1Char('\t') || c == QLatin1Char('\r');
    return formula ? QLatin1Char('\'') + text : text;
}

QString csvCellValue(const QString &cell)
{
    if (cell.startsWith(QLatin1Char('\'')) && csvCellText(cell.mid(1)) != cell.mid(1))
        return cell.mid(1);
    return cell;
}

void WordList::refuse(const RefusedLine &line)
{
    ++refusedCount;
    if (refused.size() < kListedRefusals)
        refused.append(line);
}

ListFormat listFormatForPath(const QString &path)
{
    return path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) ? ListFormat::Csv : ListFormat::Tsv;
}

WordList parseWordList(const QByteArray &content, ListFormat format)
{
    WordList list;
    qsizetype start = 0;
    int lineNumber = 0;
    if (content.startsWith("\xEF\xBB\xBF"))
        start = 3;
    while (start < content.size()) {
        qsizetype end = content.indexOf('\n', start);
        if (end < 0)
            end = content.size();
        QByteArrayView bytes(content.constData() + start, end - start);
        start = end + 1;
        ++lineNumber;
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        if (bytes.contains('\r')) {
            list.refuse({lineNumber, QStringLiteral("a carriage return (CR) inside the line: line ends of "
                                                             "this kind are not recognised; save the list with LF "
                                                             "or CR LF line ends")});
            continue;
        }
        if (bytes.contains('\0')) {
            list.refuse({lineNumber, QStringLiteral("a NUL byte (the file may not be text, or not UTF-8)")});
            continue;
        }

        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString line = decoder.decode(bytes);
        if (decoder.hasError()) {
            list.refuse({lineNumber, QStringLiteral("invalid UTF-8")});
            continue;
        }
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;

        QStringList fields;
        if (format == ListFormat::Csv) {
            const auto split = splitCsv(line);
            if (!split) {
                list.refuse({lineNumber, QStringLiteral("a quote is not closed")});
                continue;
            }
            fields = *split;
            for (QString &field : fields)
                field = csvCellValue(field);
        } else {
            fields = line.split(QLatin1Char('\t'));
        }
        if (fields.size() != 2) {
            list.refuse({lineNumber, QStringLiteral("%1 columns, expected 2 (word and translations)")
                                                 .arg(fields.size())});
            continue;
        }
        const QString word = fields.at(0).simplified();
        const QString translation = fields.at(1).simplified();
        if (word.isEmpty()) {
            list.refuse({lineNumber, QStringLiteral("empty word")});
            continue;
        }
        // Rows beyond what a table holds are counted, not kept: the list is
        // refused anyway, and a file of millions of lines stays small.
        if (++list.wordCount <= schema::kMaxRows + 1)
            list.rows.append({word, translation.isEmpty() ? std::nullopt : std::optional<QString>(translation)});
    }
    return list;
}

WordList readWordList(const QString &path, ListFormat format)
{
    WordList list = parseWordList(readInputFile(path), format);
    if (list.wordCount > schema::kMaxRows) {
        throw RecordError(QStringLiteral("%1 holds %2 words; a table holds at most %3.")
                              .arg(path)
                              .arg(list.wordCount)
                              .arg(schema::kMaxRows));
    }
    return list;
}

} // namespace vorbix::import
