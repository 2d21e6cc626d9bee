#include "data/import/flashcard_reader.h"

#include "data/import/foreign_list.h"
#include "data/import/language_names.h"
#include "data/record_error.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>

namespace vorbix::import {

namespace {

struct Record
{
    int line = 0;
    QStringList fields;
};

QChar separatorOf(const QString &value)
{
    static const std::pair<const char *, char> kNames[] = {
        {"tab", '\t'}, {"comma", ','}, {"semicolon", ';'}, {"space", ' '}, {"pipe", '|'}, {"colon", ':'}};
    for (const auto &[name, character] : kNames) {
        if (value.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return QLatin1Char(character);
    }
    return value.size() == 1 ? value.at(0) : QChar();
}

// The file as text, one entry per line; lines that are not text are refused
// and left empty, so that the line numbers of the others stay right.
QStringList decodeLines(const QByteArray &content, QVector<RefusedLine> &refused)
{
    QStringList lines;
    const QByteArrayView text = content.startsWith("\xEF\xBB\xBF") ? QByteArrayView(content).sliced(3) : QByteArrayView(content);
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        QByteArrayView bytes = text.sliced(start, end - start);
        start = end + 1;
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString line = decoder.decode(bytes);
        if (bytes.contains('\0') || decoder.hasError()) {
            refused.append({static_cast<int>(lines.size() + 1),
                            bytes.contains('\0') ? QStringLiteral("a NUL byte (the file may not be text)")
                                                 : QStringLiteral("invalid UTF-8")});
            line.clear();
        }
        lines.append(line);
    }
    return lines;
}

// Splits the records starting at `first`: a quoted field may run over
// several lines. A quote left open is refused.
QVector<Record> splitRecords(const QStringList &lines, qsizetype first, QChar separator,
                             QVector<RefusedLine> &refused)
{
    QVector<Record> records;
    for (qsizetype i = first; i < lines.size(); ++i) {
        if (lines.at(i).trimmed().isEmpty() || lines.at(i).startsWith(QLatin1Char('#')))
            continue;
        Record record;
        record.line = static_cast<int>(i + 1);
        QString field;
        bool quoted = false;
        QString line = lines.at(i);
        for (qsizetype c = 0;; ++c) {
            if (c == line.size()) {
                if (quoted && i + 1 < lines.size()) {
                    field.append(QLatin1Char('\n'));
                    line = lines.at(++i);
                    c = -1;
                    continue;
                }
                break;
            }
            const QChar ch = line.at(c);
            if (quoted) {
                if (ch == QLatin1Char('"') && c + 1 < line.size() && line.at(c + 1) == QLatin1Char('"')) {
                    field.append(ch);
                    ++c;
                } else if (ch == QLatin1Char('"')) {
                    quoted = false;
                } else {
                    field.append(ch);
                }
            } else if (ch == QLatin1Char('"') && field.isEmpty()) {
                quoted = true;
            } else if (ch == separator) {
                record.fields.append(field);
                field.clear();
            } else {
                field.append(ch);
            }
        }
        if (quoted) {
            refused.append({record.line, QStringLiteral("a quote is not closed")});
            continue;
        }
        record.fields.append(field);
        records.append(record);
    }
    return records;
}

} // namespace

QString htmlToText(const QString &html)
{
    static const QRegularExpression kSound(QStringLiteral("\\[sound:[^\\]]*\\]"));
    static const QRegularExpression kHidden(QStringLiteral("<(style|script)\\b[^>]*>.*?</\\1\\s*>"),
                                            QRegularExpression::CaseInsensitiveOption
                                                | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression kBoundary(QStringLiteral("<\\s*/?\\s*(br|div|p|li)\\b[^>]*>"),
                                              QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression kTag(QStringLiteral("<[^>]*>"));
    static const QRegularExpression kEntity(QStringLiteral("&(#[0-9]{1,7}|#[xX][0-9a-fA-F]{1,6}|[a-zA-Z]{2,8});"));
    static const QRegularExpression kCommas(QStringLiteral("\\s*\x01[\\s\x01]*"));

    QString text = html;
    text.remove(kSound).remove(kHidden);
    // Boundaries are marked first and turned into ", " after the entities,
    // so that a decoded character cannot be mistaken for one.
    text.remove(QLatin1Char('\x01'));
    text.replace(kBoundary, QStringLiteral("\x01"));
    text.remove(kTag);
    static const std::pair<const char *, char16_t> kNamed[] = {
        {"amp", u'&'}, {"lt", u'<'}, {"gt", u'>'}, {"quot", u'"'}, {"apos", u'\''}, {"nbsp", u' '}};
    QString decoded;
    qsizetype last = 0;
    for (auto it = kEntity.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        decoded.append(QStringView(text).mid(last, match.capturedStart() - last));
        last = match.capturedEnd();
        const QString name = match.captured(1);
        char32_t code = 0;
        if (name.startsWith(QLatin1String("#x"), Qt::CaseInsensitive))
            code = name.mid(2).toUInt(nullptr, 16);
        else if (name.startsWith(QLatin1Char('#')))
            code = name.mid(1).toUInt();
        for (const auto &[entity, character] : kNamed) {
            if (name == QLatin1String(entity))
                code = character;
        }
        if (code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF) && code != 1)
            decoded.append(QString::fromUcs4(&code, 1));
        else
            decoded.append(match.captured(0));  // unknown: kept as written
    }
    decoded.append(QStringView(text).mid(last));
    decoded.replace(kCommas, QStringLiteral(", "));
    decoded = decoded.simplified();
    while (decoded.startsWith(QLatin1Char(',')))
        decoded = decoded.mid(1).trimmed();
    while (decoded.endsWith(QLatin1Char(',')))
        decoded = decoded.chopped(1).trimmed();
    return decoded;
}

WordList parseFlashcards(const QByteArray &content, const LanguagePair &pair, std::optional<FieldChoice> fields)
{
    QVector<RefusedLine> refused;
    const QStringList lines = decodeLines(content, refused);

    QChar separator = QLatin1Char('\t');
    bool html = false;
    QStringList columns;
    QVector<int> nonText;  // fields from 1: guid, note type, deck, tags
    QStringList notes;
    qsizetype first = 0;
    static const QRegularExpression kHeader(QStringLiteral("^#([a-z ]+):(.*)$"));
    for (; first < lines.size(); ++first) {
        const QRegularExpressionMatch header = kHeader.match(lines.at(first));
        if (!header.hasMatch())
            break;
        const QString key = header.captured(1);
        const QString value = header.captured(2).trimmed();
        if (key == QLatin1String("separator")) {
            separator = separatorOf(value);
            if (separator.isNull())
                throw RecordError(QStringLiteral("line %1: unknown separator \"%2\"").arg(first + 1).arg(value));
        } else if (key == QLatin1String("html")) {
            html = value.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
        } else if (key == QLatin1String("columns")) {
            columns = value.split(separator);
        } else if (key.endsWith(QLatin1String(" column"))) {
            nonText.append(value.toInt());
            notes.append(QStringLiteral("%1 (field %2)").arg(key.chopped(7), value));
        } else {
            notes.append(QStringLiteral("header #%1").arg(key));
        }
    }

    if (!fields) {
        std::optional<int> word;
        std::optional<int> translation;
        for (qsizetype c = 0; c < columns.size(); ++c) {
            const auto language = languageOfName(columns.at(c));
            if (!word && language == QLatin1String(pair.sourceField))
                word = static_cast<int>(c + 1);
            else if (!translation && language == QLatin1String(pair.targetField))
                translation = static_cast<int>(c + 1);
        }
        if (word && translation) {
            fields = FieldChoice{*word, *translation};
        } else {
            QVector<int> text;
            for (int f = 1; text.size() < 2; ++f) {
                if (!nonText.contains(f))
                    text.append(f);
            }
            fields = FieldChoice{text.at(0), text.at(1)};
        }
    }

    QVector<ForeignEntry> entries;
    bool moreFields = false;
    for (const Record &record : splitRecords(lines, first, separator, refused)) {
        const int needed = std::max(fields->first, fields->second);
        if (record.fields.size() < needed) {
            refused.append({record.line, QStringLiteral("%1 fields; the word and translation are fields %2 and %3")
                                             .arg(record.fields.size())
                                             .arg(fields->first)
                                             .arg(fields->second)});
            continue;
        }
        moreFields = moreFields || record.fields.size() > 2;
        QString word = record.fields.at(fields->first - 1);
        QString translation = record.fields.at(fields->second - 1);
        if (html) {
            word = htmlToText(word);
            translation = htmlToText(translation);
        }
        entries.append({word, translation, record.line, 0});
    }
    WordList list = collectEntries(entries);
    list.refused.append(refused);
    std::sort(list.refused.begin(), list.refused.end(),
              [](const RefusedLine &a, const RefusedLine &b) { return a.line < b.line; });
    if (moreFields)
        notes.append(QStringLiteral("fields other than %1 and %2").arg(fields->first).arg(fields->second));
    if (!notes.isEmpty())
        list.notes.append(QStringLiteral("not kept: %1").arg(notes.join(QLatin1String(", "))));
    return list;
}

WordList readFlashcards(const QString &path, const LanguagePair &pair, std::optional<FieldChoice> fields)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw RecordError(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    try {
        return parseFlashcards(file.readAll(), pair, fields);
    } catch (const RecordError &error) {
        throw RecordError(QStringLiteral("%1: %2").arg(path, error.message()));
    }
}

} // namespace vorbix::import
