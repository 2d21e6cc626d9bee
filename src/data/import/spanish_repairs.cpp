#include "data/import/spanish_repairs.h"

#include <algorithm>

namespace vorbix::import {

QStringList wordsOf(const QString &phrase)
{
    QStringList words;
    QString current;
    for (const QChar c : phrase) {
        if (c.isLetter()) {
            current.append(c.toLower());
        } else if (!current.isEmpty()) {
            words.append(current);
            current.clear();
        }
    }
    if (!current.isEmpty())
        words.append(current);
    return words;
}

BlankRepairer::BlankRepairer(QSet<QString> vocabulary, QSet<QString> oneLetterWords, QSet<QString> enclitics)
    : m_vocabulary(std::move(vocabulary))
    , m_oneLetterWords(std::move(oneLetterWords))
    , m_enclitics(std::move(enclitics))
{
}

bool BlankRepairer::isKnown(const QString &word) const
{
    if (word.size() == 1)
        return m_oneLetterWords.contains(word);
    if (m_enclitics.contains(word))
        return false;
    if (m_vocabulary.contains(word))
        return true;
    for (const QString &pronoun : m_enclitics) {
        if (word.size() > pronoun.size() + 2 && word.endsWith(pronoun)) {
            const QString stem = word.left(word.size() - pronoun.size());
            if (stem.endsWith(QLatin1Char('r')) && m_vocabulary.contains(stem))
                return true;
        }
    }
    return false;
}

namespace {

std::optional<QString> splitAtCapitals(const QString &item)
{
    QString result;
    for (qsizetype i = 0; i < item.size(); ++i) {
        if (i > 1 && item.at(i).isUpper() && item.at(i - 1).isLower() && i + 1 < item.size() && item.at(i + 1).isLower())
            result.append(QLatin1Char(' '));
        result.append(item.at(i));
    }
    return result.size() == item.size() ? std::nullopt : std::optional<QString>(result);
}

} // namespace

namespace {

// The sounds of an IPA transcription: its symbols without length and stress
// marks, or -1 for a transcription of several words.
qsizetype soundCount(const QString &pronunciation)
{
    qsizetype sounds = 0;
    for (const QChar c : pronunciation) {
        if (c == QLatin1Char(' '))
            return -1;
        if (c != QChar(0x02D0) && c != QChar(0x02C8) && c != QChar(0x02CC))  // ː ˈ ˌ
            ++sounds;
    }
    return sounds;
}

} // namespace

bool isLongerThanTheWord(const QString &headword, const QString &pronunciation, int extraSounds)
{
    // An English word's IPA has about as many sounds as the word has letters;
    // "be /bədrift/" and "all /lðtaim/" are the IPA of longer phrases.
    const qsizetype sounds = soundCount(pronunciation);
    return sounds >= 0 && sounds >= headword.size() + extraSounds;
}

std::optional<QString> BlankRepairer::repair(const QString &item) const
{
    // Spanish opening marks ("¿cómoestáusted?") and question or exclamation
    // marks at the end ("howdoyoudo?") stay put around the repaired words.
    if (item.startsWith(QChar(0x00BF)) || item.startsWith(QChar(0x00A1))) {
        const auto inner = repair(item.mid(1));
        return inner ? std::optional<QString>(item.front() + *inner) : std::nullopt;
    }
    if (item.endsWith(QLatin1Char('?')) || item.endsWith(QLatin1Char('!'))) {
        const auto inner = repair(item.chopped(1));
        return inner ? std::optional<QString>(*inner + item.back()) : std::nullopt;
    }
    constexpr int kMaxPieces = 5;
    if (item.size() < 5 || !std::all_of(item.begin(), item.end(), [](QChar c) { return c.isLetter(); }))
        return std::nullopt;
    const QString lower = item.toLower();
    if (lower.size() != item.size() || isKnown(lower) || m_wholeWords.contains(lower))
        return std::nullopt;

    const qsizetype n = lower.size();
    // best[i]: the cost of the best cut of lower[i..n): fewest pieces, then
    // fewest one-letter pieces ("de la cama" before "del a cama"); cut[i]
    // is where its first piece ends.
    constexpr int kPiece = 16;
    QVector<int> best(n + 1, (kMaxPieces + 1) * kPiece);
    QVector<qsizetype> cut(n + 1, -1);
    best[n] = 0;
    for (qsizetype i = n - 1; i >= 0; --i) {
        // Longest piece first, so that on equal costs the longest first
        // piece wins.
        for (qsizetype j = n; j > i; --j) {
            const int cost = best[j] + kPiece + (j - i == 1 ? 1 : 0);
            if (j - i == n || cost >= best[i])
                continue;
            const QString piece = lower.mid(i, j - i);
            if (const auto starts = m_onlyBefore.constFind(piece); starts != m_onlyBefore.constEnd()
                && std::none_of(starts->begin(), starts->end(),
                                [&](const QString &start) { return QStringView(lower).mid(j).startsWith(start); })) {
                continue;
            }
            if (isKnown(piece)) {
                best[i] = cost;
                cut[i] = j;
            }
        }
    }
    if (best[0] / kPiece > kMaxPieces)
        return splitAtCapitals(item);
    QStringList pieces;
    for (qsizetype i = 0; i < n; i = cut[i])
        pieces.append(item.mid(i, cut[i] - i));
    return pieces.join(QLatin1Char(' '));
}

QVector<DictdEntry> repairCutHeadwords(QVector<DictdEntry> entries,
                                       const QHash<QString, QString> &ownPronunciation,
                                       const QHash<QString, QString> &phraseByPronunciation,
                                       const QHash<QString, QStringList> &reverse,
                                       HeadwordRepairs &report)
{
    // A word given three or more pronunciations is the first word of as many
    // phrases ("be /bbɔːn/", "be /brɔŋ/" for "be born", "be wrong"), whatever
    // another dictionary holds.
    QHash<QString, QSet<QString>> pronunciations;
    for (const DictdEntry &entry : std::as_const(entries)) {
        if (!entry.pronunciation.isEmpty())
            pronunciations[entry.headword.toLower()].insert(entry.pronunciation);
    }
    QVector<DictdEntry> kept;
    kept.reserve(entries.size());
    for (DictdEntry &entry : entries) {
        const QString word = entry.headword.toLower();
        const QString own = ownPronunciation.value(word);
        // Two sounds more than the word has letters mark a phrase when the
        // word's own IPA is clearly shorter or the word has many IPAs;
        // three mark one anyway.
        const bool shorterOwn = !own.isEmpty() && soundCount(own) >= 0
                                && soundCount(entry.pronunciation) >= soundCount(own) + 2;
        const bool cut = !entry.headword.contains(QLatin1Char(' '))
                         && ((!own.isEmpty() && entry.pronunciation.size() > own.size()
                              && entry.pronunciation.startsWith(own))
                             || isLongerThanTheWord(entry.headword, entry.pronunciation)
                             || ((shorterOwn || pronunciations.value(word).size() >= 3)
                                 && isLongerThanTheWord(entry.headword, entry.pronunciation, 2)));
        if (!cut) {
            kept.append(std::move(entry));
            continue;
        }
        if (!report.cutWords.contains(entry.headword))
            report.cutWords.append(entry.headword);
        const QString start = entry.headword + QLatin1Char(' ');
        QString phrase = phraseByPronunciation.value(entry.pronunciation);
        for (qsizetype t = 0; t < entry.translations.size() && !phrase.startsWith(start, Qt::CaseInsensitive); ++t) {
            for (const QString &english : reverse.value(entry.translations.at(t))) {
                if (english.startsWith(start, Qt::CaseInsensitive)) {
                    phrase = english;
                    break;
                }
            }
        }
        if (phrase.startsWith(start, Qt::CaseInsensitive)) {
            report.details.append(QStringLiteral("headword \"%1\" /%2/ -> \"%3\"")
                                      .arg(entry.headword, entry.pronunciation, phrase));
            ++report.repaired;
            entry.headword = phrase;
            kept.append(std::move(entry));
        } else {
            report.details.append(QStringLiteral("dropped \"%1\" /%2/ -> %3")
                                      .arg(entry.headword, entry.pronunciation, entry.translations.join(QLatin1String(", "))));
            ++report.dropped;
        }
    }
    return kept;
}

} // namespace vorbix::import
