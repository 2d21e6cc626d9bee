#include "writing_test/answer_scoring.h"

#include "platform/text_services.h"

#include <QStringList>

#include <optional>

namespace vorbix {

namespace {

// Positions are counted from 1 and 0 means "not there", as the scoring
// rule describes them.
qsizetype position(QStringView haystack, QStringView needle)
{
    return haystack.indexOf(needle) + 1;
}

// Drops the first alternative, its comma and the one character after the
// comma (the blank of ", "). nullopt when nothing would remain to keep: a
// comma as the last character.
std::optional<QString> dropFirstAlternative(const QString &text)
{
    const qsizetype k = position(text, u",");
    const qsizetype keep = text.size() - k - 1;
    if (keep < 0)
        return std::nullopt;
    return text.right(keep);
}

// One cut of a candidate down to the alternative that holds the match.
std::optional<QString> cutToMatch(const QString &text, QStringView prefix)
{
    const qsizetype k = position(text, u",");
    if (k == 0)
        return text;
    const qsizetype q = position(text, prefix);
    if (q < k)
        return text.left(k - 1);
    return dropFirstAlternative(text);
}

// One pass over a candidate, updating the working score. A cut that would
// keep a negative number of characters makes the pass count as no match.
void scorePass(QString candidate, const QString &answer, float &s)
{
    const float before = s;
    const qsizetype n = answer.size();
    for (qsizetype i = 2; i <= n; ++i) {
        const QStringView prefix = QStringView(answer).left(i);
        if (position(candidate, prefix) == 0)
            continue;
        for (int cut = 0; cut < 3; ++cut) {
            const std::optional<QString> next = cutToMatch(candidate, prefix);
            if (!next) {
                s = before;
                return;
            }
            candidate = *next;
        }
        // The stripped alternative is what the longer beginnings are
        // searched in: a blank it ended with cannot extend a match.
        candidate = text::trimBlanks(candidate).toString();
        const qsizetype length = candidate.size();
        if (length == 0)
            continue;
        const double raw = (length < n || length < i) ? 1 + 9.0 * double(length) / double(n)
                                                      : 1 + 9.0 * double(i) / double(length);
        s = float(text::roundToTwoDecimals(raw));
    }
}

} // namespace

QString normalisedAnswer(QStringView text)
{
    return text::trimBlanks(text::lowerCase(text)).toString();
}

float scoreAnswer(QStringView rightAnswer, QStringView answer)
{
    const QString r = normalisedAnswer(rightAnswer);
    const QString a = normalisedAnswer(answer);
    if (r == a)
        return 10.0f;

    // Commas from the second character on: a leading comma is no separator.
    const qsizetype commas = r.mid(1).count(QLatin1Char(','));

    float s = 1.0f;
    scorePass(r, a, s);
    float shown = s;
    std::optional<QString> rest = r;
    for (qsizetype cuts = 1; cuts <= 3 && cuts <= commas; ++cuts) {
        rest = rest ? dropFirstAlternative(*rest) : std::nullopt;
        if (!rest)
            break; // nothing is left to try
        scorePass(*rest, a, s);
        if (s > shown)
            shown = s;
    }
    return shown;
}

QStringList refusedCharacters(QStringView answer)
{
    const QString a = normalisedAnswer(answer);
    QStringList refused;
    const QList<uint> characters = a.toUcs4();
    for (qsizetype i = characters.size() - 1; i >= 0; --i) {
        const uint c = characters[i];
        const bool accepted = (c >= 'a' && c <= 'z') || c == ' ' || c == '-';
        if (!accepted) {
            const char32_t character = c;
            refused.append(QString::fromUcs4(&character, 1));
        }
    }
    return refused;
}

} // namespace vorbix
