#include "data/import/markup_cleaning.h"

#include <QRegularExpression>

#include <algorithm>

namespace vorbix::import {

namespace {

enum class Alternatives { FirstWord, Refuse };

// Whether `text` holds none of the characters that tags, markers, endings,
// alternatives and brackets are made of. Cleaning such text only tidies its
// blanks and ends; most headwords and items are such text, and the check
// spares them the expressions below.
bool holdsNoMarkup(const QString &text)
{
    return std::none_of(text.cbegin(), text.cend(), [](QChar c) {
        switch (c.unicode()) {
        case u'<': case u'>': case u'[': case u']': case u'(': case u')': case u'/': case u'.': case 0x2026:
            return true;
        default:
            return false;
        }
    });
}

// The text with its blanks simplified and trailing commas and semicolons
// gone; empty for an affix ("-heit", "ver-").
QString tidied(QString text)
{
    text = text.simplified();
    while (!text.isEmpty() && (text.endsWith(QLatin1Char(',')) || text.endsWith(QLatin1Char(';'))))
        text = text.chopped(1).trimmed();
    if (text.startsWith(QLatin1Char('-')) || text.endsWith(QLatin1Char('-')))
        return {};
    return text;
}

// Removes tags, markers and stray brackets; returns an empty string for a
// fragment, an affix or (with Refuse) alternatives of whole words.
QString clean(const QString &input, Alternatives alternatives)
{
    // Text glued to a tag's end is an abbreviation: "Montag <masc>Mo".
    static const QRegularExpression gluedAfterTag(QStringLiteral("(<[^>]*>)[^\\s\\[<,(].*$"));
    static const QRegularExpression tags(QStringLiteral("\\[[^\\]]*\\]|<[^>]*>"));
    static const QRegularExpression markers(
        QStringLiteral("(?<![\\p{L}])(etw|jdn|jdm|jds|jd|jmd|jmdn|jmdm|sb|sth|sbd|smb|smth)\\.('s)?"));
    // "sb./sth." leaves a slash between blanks once the markers are gone.
    static const QRegularExpression looseSlash(QStringLiteral("(?<!\\p{L})/|/(?!\\p{L})"));
    // Inflection endings: "tiefste/r/s", "ein/e", "Lehrer/in".
    static const QRegularExpression endings(QStringLiteral("(?<=\\p{L})(/(r|s|e|n|m|en|er|es|em|in|innen))+(?!\\p{L})"));
    static const QRegularExpression wordAlternatives(QStringLiteral("(?<=\\p{L})(/[\\p{L}'-]+)+"));
    static const QRegularExpression emptyParentheses(QStringLiteral("\\(\\s*[,;:+]?\\s*\\)"));

    if (holdsNoMarkup(input))
        return tidied(input);
    QString text = input;
    text.replace(gluedAfterTag, QStringLiteral("\\1"));
    text.remove(tags);
    if (text.trimmed().startsWith(QLatin1Char('/')))
        return {};  // a pronunciation
    if (text.contains(QLatin1String("...")) || text.contains(QChar(0x2026)))
        return {};
    text.replace(markers, QStringLiteral(" "));
    text.replace(looseSlash, QStringLiteral(" "));
    text.remove(endings);
    if (text.contains(wordAlternatives)) {
        if (alternatives == Alternatives::Refuse)
            return {};
        text.remove(wordAlternatives);
    }
    text.remove(emptyParentheses);
    for (const QChar bracket : {u'[', u']', u'<', u'>'})
        text.remove(bracket);
    if (text.count(QLatin1Char('(')) != text.count(QLatin1Char(')'))) {
        text.remove(QLatin1Char('('));
        text.remove(QLatin1Char(')'));
    }
    return tidied(text);
}

} // namespace

QString withoutMarkup(const QString &item)
{
    return clean(item, Alternatives::FirstWord);
}

QString headwordWithoutMarkup(const QString &headword)
{
    return clean(headword, Alternatives::Refuse);
}

} // namespace vorbix::import
