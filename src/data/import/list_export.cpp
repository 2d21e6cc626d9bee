#include "data/import/list_export.h"

#include "data/import/data_root_writer.h"
#include "data/import/export_file.h"
#include "data/import/language_names.h"
#include "data/import/word_list_reader.h"
#include "data/record_error.h"
#include "data/sqlite_connection.h"

#include <QFileInfo>
#include <QXmlStreamWriter>

namespace vorbix::import {

namespace {

// The text a field can carry: line breaks, tabs and other control
// characters (which XML 1.0 cannot hold and which would break a CSV line)
// become blanks.
QString fieldText(const QString &text, ExportReport &report)
{
    QString clean = text;
    bool changed = false;
    for (QChar &c : clean) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.unicode() == 0xFFFE || c.unicode() == 0xFFFF) {
            c = QLatin1Char(' ');
            changed = true;
        }
    }
    if (changed)
        ++report.textsChanged;
    return clean;
}

bool hasWord(const WordRow &row, ExportReport &report)
{
    if (row.source && !row.source->trimmed().isEmpty())
        return true;
    ++report.withoutWord;
    return false;
}

QString csvField(const QString &field)
{
    const QString text = csvCellText(field);
    // Quoted when it holds a comma or a quote, has blanks at its ends, or
    // begins with "#" (a line starting with it would be read as a comment)
    // or with U+FEFF (at the start of the file, a reader takes it for the
    // byte order mark).
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.startsWith(QLatin1Char('#'))
        && !text.startsWith(QChar(0xFEFF)) && text.trimmed() == text)
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

void writeIdentifier(QXmlStreamWriter &xml, int id, const char *field)
{
    xml.writeStartElement(QStringLiteral("identifier"));
    xml.writeAttribute(QStringLiteral("id"), QString::number(id));
    xml.writeTextElement(QStringLiteral("name"), englishLanguageName(field));
    xml.writeTextElement(QStringLiteral("locale"), localeCodeOf(field));
    xml.writeEndElement();
}

void writeTranslation(QXmlStreamWriter &xml, int id, const QString &text)
{
    xml.writeStartElement(QStringLiteral("translation"));
    xml.writeAttribute(QStringLiteral("id"), QString::number(id));
    xml.writeTextElement(QStringLiteral("text"), text);
    xml.writeEndElement();
}

} // namespace

std::optional<ExportFormat> exportFormatForPath(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("kvtml"))
        return ExportFormat::Kvtml;
    if (suffix == QLatin1String("csv"))
        return ExportFormat::Csv;
    return std::nullopt;
}

QByteArray kvtmlDocument(const LanguagePair &pair, const QVector<WordRow> &rows, ExportReport &report)
{
    QByteArray document;
    QXmlStreamWriter xml(&document);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">"));
    xml.writeStartElement(QStringLiteral("kvtml"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0"));
    xml.writeStartElement(QStringLiteral("information"));
    xml.writeTextElement(QStringLiteral("generator"), QStringLiteral("vorbix-export " VORBIX_VERSION));
    xml.writeTextElement(QStringLiteral("title"), QStringLiteral("Vorbix %1").arg(QLatin1String(pair.caption)));
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("identifiers"));
    writeIdentifier(xml, 0, pair.sourceField);
    writeIdentifier(xml, 1, pair.targetField);
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("entries"));
    int id = 0;
    for (const WordRow &row : rows) {
        if (!hasWord(row, report))
            continue;
        xml.writeStartElement(QStringLiteral("entry"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(id++));
        writeTranslation(xml, 0, fieldText(*row.source, report));
        if (row.target && !row.target->isEmpty())
            writeTranslation(xml, 1, fieldText(*row.target, report));
        xml.writeEndElement();
        ++report.written;
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return document;
}

QByteArray csvDocument(const QVector<WordRow> &rows, ExportReport &report)
{
    QString text;
    for (const WordRow &row : rows) {
        if (!hasWord(row, report))
            continue;
        text += csvField(fieldText(*row.source, report)) + QLatin1Char(',')
                + csvField(fieldText(row.target.value_or(QString()), report)) + QLatin1Char('\n');
        ++report.written;
    }
    return text.toUtf8();
}

ExportReport exportTable(const QString &dataRoot, const LanguagePair &pair, const QString &path, ExportFormat format,
                         bool replace)
{
    const DataFiles files(dataRoot);
    if (!QFileInfo(files.main).isFile())
        throw RecordError(QStringLiteral("%1 does not exist; vorbix-import builds it").arg(files.main));
    QStringList dataFiles;
    for (const QString &file : {files.main, files.learningFrench, files.testSettings}) {
        for (const char *suffix : {"", "-journal", "-wal", "-shm"})
            dataFiles.append(file + QLatin1String(suffix));
    }
    dataFiles.append(importLockPath(dataRoot));
    // Refused before the table is read; checked again as the file is written.
    checkExportTarget(path, replace, dataFiles);
    QVector<WordRow> rows;
    {
        SqliteConnection db(files.main, SqliteConnection::Mode::ReadOnly);
        rows = readWordTable(db, pair);
    }
    ExportReport report;
    const QByteArray content =
        format == ExportFormat::Kvtml ? kvtmlDocument(pair, rows, report) : csvDocument(rows, report);
    writeExportFile(path, content, replace, dataFiles);
    return report;
}

} // namespace vorbix::import
