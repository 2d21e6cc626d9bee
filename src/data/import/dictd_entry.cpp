#include "data/import/dictd_entry.h"

#include "data/import/markup_cleaning.h"

#include <QRegularExpression>

namespace vorbix::import {

namespace {

bool isOpening(QChar c)
{
    return c == QLatin1Char('(') || c == QLatin1Char('[') || c == QLatin1Char('{') || c == QLatin1Char('<');
}

bool isClosing(QChar c)
{
    return c == QLatin1Char(')') || c == QLatin1Char(']') || c == QLatin1Char('}') || c == QLatin1Char('>');
}

// "1. a, b" -> "a, b"; a number alone ("2." before a sense given only by
// examples) leaves nothing.
QString withoutSenseNumber(const QString &line)
{
    static const QRegularExpression number(QStringLiteral("^\\s*\\d+\\.(\\s+|$)"));
    QString result = line;
    result.remove(number);
    return result;
}

bool hasGluedAcronym(const QString &item)
{
    // A sentence with its acronym glued on ("Still in the dark.SITD",
    // "Major General Maj.Gen."): neither part is a clean translation.
    static const QRegularExpression acronym(QStringLiteral("\\p{Ll}\\.\\p{Lu}[\\p{L}.]*$"));
    return acronym.match(item).hasMatch();
}

ExampleSentence parseExample(const QString &line)
{
    // "source sentence"  - translation
    ExampleSentence example;
    const QString trimmed = line.trimmed();
    const qsizetype close = trimmed.indexOf(QLatin1Char('"'), 1);
    if (!trimmed.startsWith(QLatin1Char('"')) || close < 0)
        return example;
    example.source = trimmed.mid(1, close - 1);
    const qsizetype dash = trimmed.indexOf(QLatin1String(" - "), close);
    if (dash >= 0)
        example.target = trimmed.mid(dash + 3).trimmed();
    return example;
}

} // namespace

QString normaliseCharacters(QString text)
{
    for (QChar &c : text) {
        switch (c.unicode()) {
        case 0x2010:
        case 0x2011:
            c = QLatin1Char('-');
            break;
        case 0x00A0:
            c = QLatin1Char(' ');
            break;
        case 0x0085:
            c = QChar(0x2026);
            break;
        case 0x0096:
            c = QChar(0x2013);
            break;
        default:
            break;
        }
    }
    return text;
}

QString headwordOfHeader(const QString &header)
{
    QString line = normaliseCharacters(header).trimmed();
    qsizetype end = line.indexOf(QLatin1String(" /"));
    const qsizetype tag = line.indexOf(QLatin1String(" <"));
    if (end < 0 || (tag >= 0 && tag < end))
        end = tag;
    if (end >= 0)
        line.truncate(end);
    return line.simplified();
}

QString headerOfEntry(const QString &text)
{
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        const QString line = text.mid(start, end - start);
        if (!line.trimmed().isEmpty())
            return line;
        start = end + 1;
    }
    return {};
}

QVector<ExampleSentence> examplesOfEntry(const QString &text)
{
    QVector<ExampleSentence> examples;
    qsizetype at = 0;
    while ((at = text.indexOf(QLatin1Char('"'), at)) >= 0) {
        // Only a quote that opens an indented line starts an example.
        qsizetype lineStart = at;
        while (lineStart > 0 && text.at(lineStart - 1) == QLatin1Char(' '))
            --lineStart;
        qsizetype lineEnd = text.indexOf(QLatin1Char('\n'), at);
        if (lineEnd < 0)
            lineEnd = text.size();
        if (lineStart > 0 && text.at(lineStart - 1) == QLatin1Char('\n'))
            examples.append(parseExample(normaliseCharacters(text.mid(at, lineEnd - at))));
        at = lineEnd;
    }
    return examples;
}

QStringList splitTranslationLine(const QString &line)
{
    QStringList items;
    int depth = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (isOpening(c))
            ++depth;
        else if (isClosing(c) && depth > 0)
            --depth;
        else if (depth == 0 && c == QLatin1Char(',') && i + 1 < line.size() && line.at(i + 1) == QLatin1Char(' ')) {
            items.append(line.mid(start, i - start));
            start = i + 2;
        }
    }
    items.append(line.mid(start));
    return items;
}

QString cleanTranslationItem(const QString &item)
{
    if (hasGluedAcronym(item))
        return {};
    return withoutMarkup(item);
}

void appendUnique(QStringList &list, const QStringList &more)
{
    for (const QString &item : more) {
        if (!list.contains(item))
            list.append(item);
    }
}

QStringList translationsOfLine(const QString &line)
{
    QStringList result;
    for (const QString &raw : splitTranslationLine(normaliseCharacters(line))) {
        const QString item = cleanTranslationItem(raw);
        if (!item.isEmpty() && !result.contains(item))
            result.append(item);
    }
    return result;
}

DictdEntry parseDictdEntry(const QString &text, EntryStyle style)
{
    DictdEntry entry;
    const QStringList lines = text.split(QLatin1Char('\n'));
    qsizetype first = 0;
    while (first < lines.size() && lines.at(first).trimmed().isEmpty())
        ++first;
    if (first >= lines.size())
        return entry;
    entry.headword = headwordWithoutMarkup(headwordOfHeader(lines.at(first)));
    const qsizetype slash = lines.at(first).indexOf(QLatin1String(" /"));
    if (slash >= 0) {
        const qsizetype close = lines.at(first).indexOf(QLatin1Char('/'), slash + 2);
        if (close > slash)
            entry.pronunciation = lines.at(first).mid(slash + 2, close - slash - 2);
    }
    static const QRegularExpression verbTag(QStringLiteral(" <v[a-z]*>\\s*$"));
    entry.verb = verbTag.match(lines.at(first)).hasMatch();

    bool inTranslations = true;
    QList<QStringList> senses;  // the items of each numbered sense line
    for (qsizetype i = first + 1; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1Char('"'))) {
            entry.examples.append(parseExample(normaliseCharacters(trimmed)));
            continue;
        }
        if (style == EntryStyle::SingleSense) {
            if (i == first + 1)
                appendUnique(entry.translations, translationsOfLine(trimmed));
            continue;
        }
        if (trimmed.isEmpty())
            inTranslations = false;
        if (!inTranslations || line.startsWith(QLatin1Char(' ')) || line.startsWith(QLatin1Char('\t')))
            continue;
        const QString items = withoutSenseNumber(line);
        if (items != line)
            senses.append(translationsOfLine(items));
        appendUnique(entry.translations, translationsOfLine(items));
    }
    if (senses.size() > 1)
        entry.firstSense = senses.constFirst();
    if (senses.size() > 2)
        entry.lastSense = senses.constLast();
    return entry;
}

} // namespace vorbix::import
