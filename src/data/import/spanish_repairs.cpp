#include "data/import/spanish_repairs.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vorbix::import {

namespace {

// The most pieces a glued word is cut into.
constexpr int kMaxPieces = 5;

} // namespace

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
    if (m_vocabulary.contains(word) || (m_rankOf && commonRank(word) > 0))
        return true;
    for (const QString &pronoun : m_enclitics) {
        if (word.size() > pronoun.size() + 2 && word.endsWith(pronoun)) {
            const QString stem = word.left(word.size() - pronoun.size());
            if (stem.size() > 3 && stem.endsWith(QLatin1Char('r')) && QStringLiteral("aeií").contains(stem.at(stem.size() - 2))
                && m_vocabulary.contains(stem))
                return true;
        }
    }
    return false;
}

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

// Whether a one-word entry's IPA is that of a phrase beginning with the
// word (`phraseByPronunciation`: "ward /wɔːdɔf/" is eng-fra's "ward off")
// that the reverse dictionary gives for one of the entry's translations,
// glued or written apart ("repeler: protect from, wardoff"). Such an IPA
// may be no longer than the word has letters, and the word may lack an
// IPA of its own to compare it with, but two dictionaries agree the entry
// is the phrase's.
bool spellsAPhraseTheReverseGives(const DictdEntry &entry, const QHash<QString, QString> &phraseByPronunciation,
                                  const QHash<QString, QStringList> &reverse)
{
    const QString phrase = phraseByPronunciation.value(entry.pronunciation);
    if (!phrase.startsWith(entry.headword + QLatin1Char(' '), Qt::CaseInsensitive))
        return false;
    const QString glued = QString(phrase).remove(QLatin1Char(' ')).toLower();
    for (const QString &translation : entry.translations) {
        for (const QString &english : reverse.value(translation)) {
            if (QString(english).remove(QLatin1Char(' ')).toLower() == glued)
                return true;
        }
    }
    return false;
}

// Whether a one-word entry is a phrase cut after its first word whose only
// translation, a phrase itself, the reverse dictionary gives for the whole
// English phrase ("whipped /wiptkriːm/: nata batida", and spa-eng's "nata
// batida: whipped cream"). English spelling has silent letters, so the IPA
// of such a phrase need not be much longer than the word ("wiptkriːm" has
// eight sounds for seven letters); a one-word entry whose single
// translation is several words that the reverse gives back as a phrase
// opening with the entry's word is the phrase's, where its IPA has more
// sounds than the word has letters.
bool translatesAPhraseTheReverseSpellsOut(const DictdEntry &entry, const QHash<QString, QStringList> &reverse)
{
    if (entry.translations.size() != 1 || !entry.translations.first().contains(QLatin1Char(' '))
        || soundCount(entry.pronunciation) <= entry.headword.size())
        return false;
    const QString start = entry.headword + QLatin1Char(' ');
    const QStringList english = reverse.value(entry.translations.first());
    return std::any_of(english.cbegin(), english.cend(),
                       [&start](const QString &item) { return item.startsWith(start, Qt::CaseInsensitive); });
}

} // namespace

bool isLongerThanTheWord(const QString &headword, const QString &pronunciation, int extraSounds)
{
    // An English word's IPA has about as many sounds as the word has letters;
    // "be /bədrift/" and "all /lðtaim/" are the IPA of longer phrases.
    const qsizetype sounds = soundCount(pronunciation);
    return sounds >= 0 && sounds >= headword.size() + extraSounds;
}

int BlankRepairer::commonRank(const QString &word) const
{
    if (!m_rankOf)
        return 1;
    if (const int rank = m_rankOf(word); rank > 0)
        return rank;
    // A plural of a common word ("socorros", "tardes") is as common: the
    // list of subtitles' words is short of plurals.
    // "-es" follows a consonant only: "horaes" is no plural of "hora".
    for (const int ending : {1, 2}) {
        const QString stem = word.chopped(ending);
        if (word.size() > ending + 3 && word.endsWith(ending == 1 ? QLatin1String("s") : QLatin1String("es"))
            && (ending == 1 || !QStringLiteral("aeiouáéíóú").contains(stem.back()))) {
            if (const int rank = m_rankOf(stem); rank > 0)
                return rank;
        }
    }
    if (m_longWord > 0 && word.size() >= m_longWord && m_vocabulary.contains(word))
        return kRareRank - 1;
    return 0;
}

BlankRepair BlankRepairer::mend(const QString &item) const
{
    if (!item.contains(QLatin1Char(' ')))
        return mendWord(item);
    const QStringList words = item.split(QLatin1Char(' '));
    BlankRepair result;
    QStringList mended;
    bool unsure = false;
    for (qsizetype w = 0; w < words.size(); ++w) {
        const QString &word = words.at(w);
        BlankRepair part = mendWord(word);
        // A glued word is judged alone, yet the sources may write the whole
        // phrase with its blanks: "de segundamano" is spa-eng's "de segunda
        // mano", though no source writes "segunda mano" by itself.
        if (m_attestation && part.kind != BlankRepair::Split) {
            QStringList cuts = part.otherCuts;
            if (!part.unattested.isEmpty())
                cuts.prepend(part.unattested);
            for (const QString &cut : std::as_const(cuts)) {
                QStringList phrase = words;
                phrase[w] = cut;
                if (m_attested.contains(wordsOf(phrase.join(QLatin1Char(' '))).join(QLatin1Char(' ')))) {
                    part = {BlankRepair::Split, cut, {}, {}};
                    break;
                }
            }
        }
        if (part.kind == BlankRepair::Unsure && part.unattested.isEmpty())
            return part;
        unsure = unsure || part.kind == BlankRepair::Unsure;
        if (part.kind == BlankRepair::Split)
            result.kind = BlankRepair::Split;
        mended.append(part.kind == BlankRepair::Split ? part.text
                      : part.kind == BlankRepair::Unsure ? part.unattested : word);
    }
    if (unsure)
        return {BlankRepair::Unsure, {}, mended.join(QLatin1Char(' ')), {}};
    if (result.kind == BlankRepair::Split)
        result.text = mended.join(QLatin1Char(' '));
    return result;
}

BlankRepair BlankRepairer::mendWord(const QString &word) const
{
    // Spanish opening marks ("¿cómoestáusted?") and question or exclamation
    // marks at the end ("howdoyoudo?") stay put around the repaired words.
    auto around = [](BlankRepair inner, const QString &before, const QString &after) {
        if (inner.kind == BlankRepair::Split)
            inner.text = before + inner.text + after;
        if (!inner.unattested.isEmpty())
            inner.unattested = before + inner.unattested + after;
        for (QString &cut : inner.otherCuts)
            cut = before + cut + after;
        return inner;
    };
    if (word.startsWith(QChar(0x00BF)) || word.startsWith(QChar(0x00A1)))
        return around(mendWord(word.mid(1)), word.left(1), {});
    if (word.endsWith(QLatin1Char('?')) || word.endsWith(QLatin1Char('!')))
        return around(mendWord(word.chopped(1)), {}, word.right(1));
    // A word with an apostrophe or a hyphen inside ("NewYear'sDay",
    // "one-waytraffic") is mended run of letters by run; a possessive "'s"
    // with letters after it ends its word, and the rest starts the next, as
    // does a capital after a plural's apostrophe ("AllSouls'Day").
    if (word.size() > 2 && (word.contains(QLatin1Char('\'')) || word.contains(QLatin1Char('-')))
        && std::all_of(word.begin(), word.end(),
                       [](QChar c) { return c.isLetter() || c == QLatin1Char('\'') || c == QLatin1Char('-'); })) {
        QString text;
        bool split = false;
        bool unsure = false;
        for (qsizetype i = 0; i < word.size();) {
            if (!word.at(i).isLetter()) {
                text.append(word.at(i));
                if (word.at(i) == QLatin1Char('\'') && i + 2 < word.size() && word.at(i + 1) == QLatin1Char('s')
                    && word.at(i + 2).isLetter()) {
                    text.append(QLatin1String("s "));
                    split = true;
                    i += 2;
                } else if (word.at(i) == QLatin1Char('\'') && i > 0 && word.at(i - 1) == QLatin1Char('s')
                           && i + 1 < word.size() && word.at(i + 1).isUpper()) {
                    text.append(QLatin1Char(' '));
                    split = true;
                    ++i;
                } else {
                    ++i;
                }
                continue;
            }
            qsizetype end = i;
            while (end < word.size() && word.at(end).isLetter())
                ++end;
            const QString letters = word.mid(i, end - i);
            const BlankRepair part = mendWord(letters);
            if (part.kind == BlankRepair::Unsure && part.unattested.isEmpty())
                return part;
            unsure = unsure || part.kind == BlankRepair::Unsure;
            split = split || part.kind == BlankRepair::Split;
            text.append(part.kind == BlankRepair::Split ? part.text
                        : part.kind == BlankRepair::Unsure ? part.unattested : letters);
            i = end;
        }
        if (unsure)
            return {BlankRepair::Unsure, {}, text, {}};
        return split ? BlankRepair{BlankRepair::Split, text, {}, {}} : BlankRepair{};
    }
    if (!std::all_of(word.begin(), word.end(), [](QChar c) { return c.isLetter(); }))
        return {};
    // A capital inside a word ("CruzRoja", "puestodePrimerosAuxilios") is
    // where a blank was; each part is then looked at alone.
    QStringList parts;
    qsizetype start = 0;
    for (qsizetype i = 1; i < word.size(); ++i) {
        if (i > 1 && word.at(i).isUpper() && word.at(i - 1).isLower() && i + 1 < word.size()
            && word.at(i + 1).isLower()) {
            parts.append(word.mid(start, i - start));
            start = i;
        }
    }
    parts.append(word.mid(start));
    // A word of one part keeps all the repairer found (a whole word's cuts).
    if (parts.size() == 1)
        return mendLetters(word, true, false);
    QStringList mended;
    bool split = parts.size() > 1;
    bool unsure = false;
    for (qsizetype p = 0; p < parts.size(); ++p) {
        const BlankRepair inner = mendLetters(parts.at(p), p + 1 == parts.size(), p > 0);
        if (inner.kind == BlankRepair::Unsure && (inner.unattested.isEmpty() || parts.size() == 1))
            return inner;
        unsure = unsure || inner.kind == BlankRepair::Unsure;
        split = split || inner.kind == BlankRepair::Split;
        mended.append(inner.kind == BlankRepair::Split ? inner.text
                      : inner.kind == BlankRepair::Unsure ? inner.unattested : parts.at(p));
    }
    if (unsure)
        return {BlankRepair::Unsure, {}, mended.join(QLatin1Char(' ')), {}};
    return split ? BlankRepair{BlankRepair::Split, mended.join(QLatin1Char(' ')), {}, {}} : BlankRepair{};
}

BlankRepair BlankRepairer::mendLetters(const QString &item, bool lastPart, bool afterCapital) const
{
    // A capitalised word is a name ("Costa", "Candlemas") unless it surely
    // cuts into words ("Spanishwoman"): it never loses a letter or, at the
    // end of the item, two to a piece of their own ("Cost a", "Argentine an").
    const bool name = item.front().isUpper();
    const QString lower = item.toLower();
    if (item.size() < 5 || lower.size() != item.size())
        return {};
    // A word the dictionaries use but the word list lacks is mostly a form
    // the list leaves out ("todos"), yet sometimes a phrase they also write
    // with its blank ("porciento" beside "por ciento"): it is split only into
    // such a phrase of listed words.
    const bool attestedOnly = !m_wholeWords.isEmpty() && !m_vocabulary.contains(lower)
                              && (m_wholeWords.contains(lower) || isKnown(lower));
    if (!attestedOnly && (isKnown(lower) || m_wholeWords.contains(lower)))
        return {};
    // A known word with a suffix is a word the list does not hold
    // ("recommendable", "skillfulness", "signalman").
    for (const QString &suffix : m_suffixes) {
        if (lower.size() > suffix.size() + 2 && lower.endsWith(suffix) && isKnown(lower.chopped(suffix.size())))
            return {};
    }

    // known[i][j]: lower[i..j) may be a piece; the dictionaries' own words
    // count, so that they show a cut the word list alone would miss ("por
    // separado" beside "por se parado").
    const qsizetype n = lower.size();
    QVector<QVector<bool>> known(n, QVector<bool>(n + 1, false));
    for (qsizetype i = 0; i < n; ++i) {
        for (qsizetype j = i + 1; j <= n; ++j) {
            if (j - i == n)
                continue;
            const QString piece = lower.mid(i, j - i);
            if (const auto starts = m_onlyBefore.constFind(piece); starts != m_onlyBefore.constEnd()
                && std::none_of(starts->begin(), starts->end(),
                                [&](const QString &start) { return QStringView(lower).mid(j).startsWith(start); })) {
                continue;
            }
            if (name && (j - i == 1 || (lastPart && j == n && j - i < 3)))
                continue;
            known[i][j] = isKnown(piece) || (piece.size() > 1 && m_wholeWords.contains(piece));
        }
    }
    // fewest[i]: the fewest pieces lower[i..n) cuts into.
    constexpr int kNone = kMaxPieces + 1;
    QVector<int> fewest(n + 1, kNone);
    fewest[n] = 0;
    for (qsizetype i = n - 1; i >= 0; --i) {
        for (qsizetype j = i + 1; j <= n; ++j) {
            if (known[i][j])
                fewest[i] = std::min(fewest[i], fewest[j] + 1);
        }
    }
    if (fewest[0] > kMaxPieces)
        return {};

    // Every cut with the fewest pieces or one more, scored by how rare its
    // words are (the sum of the logarithms of their ranks; a word that is
    // not common counts as rarer than any that is) and how many there are.
    // One more piece may win when its words are much commoner: "dar a la
    // bomba", not "dar ala bomba".
    struct Cut
    {
        QVector<qsizetype> ends;
        double score = 0;
        bool common = true;
        // Every piece a known word (a word only the dictionaries have counts
        // from four letters), and no word before one it never precedes: a
        // source's own misspelt phrase ("al la derecha", "chocar kun")
        // attests nothing.
        bool sound = true;
        int rare = 0;       // pieces that are not common
        int shortRare = 0;  // those shorter than m_shortestRarePiece
    };
    constexpr double kPiecePenalty = 2.0;
    constexpr int kMaxCuts = 64;
    const int mostPieces = fewest[0] + 1;
    QVector<Cut> cuts;
    Cut current;
    QString previous;
    std::function<void(qsizetype)> walk = [&](qsizetype i) {
        if (i == n) {
            if (cuts.size() < kMaxCuts)
                cuts.append(current);
            return;
        }
        for (qsizetype j = n; j > i && cuts.size() < kMaxCuts; --j) {
            if (!known[i][j] || current.ends.size() + 1 + fewest[j] > mostPieces)
                continue;
            const QString piece = lower.mid(i, j - i);
            // A pronoun written onto an infinitive is not cut off ("calmar se").
            if (j == n && m_enclitics.contains(piece) && previous.endsWith(QLatin1Char('r')))
                continue;
            const int rank = commonRank(piece);
            const Cut saved = current;
            const QString savedPrevious = previous;
            current.ends.append(j);
            current.score += std::log(rank > 0 ? rank : kRareRank) + kPiecePenalty;
            const bool mayFollow = !m_neverBefore.value(previous).contains(piece);
            current.common = current.common && rank > 0 && mayFollow;
            current.sound = current.sound && mayFollow
                            && (isKnown(piece) || (piece.size() > 3 && m_wholeWords.contains(piece)));
            current.rare += rank > 0 ? 0 : 1;
            current.shortRare += rank > 0 || piece.size() >= m_shortestRarePiece ? 0 : 1;
            previous = piece;
            walk(j);
            current = saved;
            previous = savedPrevious;
        }
    };
    walk(0);
    std::stable_sort(cuts.begin(), cuts.end(), [](const Cut &a, const Cut &b) { return a.score < b.score; });
    // The likeliest cut must be made of common words that may stand side by
    // side, and clearly likelier than the next ("puesto que", not "pues
    // toque"; "de la cama", not "del a cama").
    constexpr double kMargin = 1.5;
    // A cut into more pieces wins only over cuts of common words, never to
    // shun a rarer word: "alcohol de quemar" is not "alcohol de que mar".
    const bool shunsRareWord = std::any_of(cuts.begin(), cuts.end(), [&](const Cut &cut) {
        return !cut.common && cut.ends.size() < cuts.front().ends.size();
    });
    auto piecesOf = [&item](const Cut &cut) {
        QStringList pieces;
        qsizetype start = 0;
        for (const qsizetype end : cut.ends) {
            pieces.append(item.mid(start, end - start));
            start = end;
        }
        return pieces;
    };
    if (attestedOnly) {
        if (!m_attestation || cuts.size() >= kMaxCuts)
            return {};
        BlankRepair whole;
        for (const Cut &cut : std::as_const(cuts)) {
            const QStringList pieces = piecesOf(cut);
            const bool listed = std::all_of(pieces.begin(), pieces.end(), [this](const QString &piece) {
                const QString word = piece.toLower();
                return word.size() == 1 ? m_oneLetterWords.contains(word) : m_vocabulary.contains(word);
            });
            if (!listed || !cut.sound)
                continue;
            if (m_attested.contains(pieces.join(QLatin1Char(' ')).toLower()))
                return {BlankRepair::Split, pieces.join(QLatin1Char(' ')), {}, {}};
            whole.otherCuts.append(pieces.join(QLatin1Char(' ')));
        }
        // The word stays whole; its cuts into listed words go with it, for
        // a larger source to attest later.
        return whole;
    }
    // A cut the sources hold as a phrase is the split; of several, the
    // likeliest.
    if (m_attestation) {
        for (const Cut &cut : std::as_const(cuts)) {
            const QStringList pieces = piecesOf(cut);
            if (cut.sound && m_attested.contains(pieces.join(QLatin1Char(' ')).toLower()))
                return {BlankRepair::Split, pieces.join(QLatin1Char(' ')), {}, {}};
        }
        for (const Cut &cut : std::as_const(cuts)) {
            const QStringList pieces = piecesOf(cut);
            bool attested = cut.sound;
            for (qsizetype i = 1; i < pieces.size() && attested; ++i)
                attested = m_attestedPairs.contains((pieces.at(i - 1) + QLatin1Char(' ') + pieces.at(i)).toLower());
            if (attested)
                return {BlankRepair::Split, pieces.join(QLatin1Char(' ')), {}, {}};
        }
    }
    // Otherwise the likeliest cut splits only when every word of it is
    // common enough.
    const bool commonEnough = !m_attestation || (!cuts.isEmpty() && [&] {
        const QStringList pieces = piecesOf(cuts.front());
        return std::all_of(pieces.begin(), pieces.end(), [this](const QString &piece) {
            const int rank = commonRank(piece.toLower());
            return rank > 0 && rank <= m_unattestedTop;
        });
    }());
    if (cuts.isEmpty() || !cuts.front().common || cuts.size() >= kMaxCuts || shunsRareWord || !commonEnough
        || (cuts.size() > 1 && cuts.at(1).score < cuts.front().score + kMargin)) {
        // A word is glued when it cuts into common words but for a few
        // (rarePiecesOfGlue: "aceitedeoliva"); a rare word ("acclivity")
        // cuts into rare, short bits of words. A name without a sure cut is
        // a name.
        // A capitalised part after a capital inside the word is glued too
        // ("intheCubanway"): that word is no name of its own.
        const bool glued = std::any_of(cuts.begin(), cuts.end(), [this](const Cut &cut) {
            return cut.rare <= m_rarePiecesOfGlue && cut.shortRare == 0;
        });
        if (!glued || (name && !afterCapital))
            return {};
        BlankRepair unsure{BlankRepair::Unsure, {}, {}, {}};
        if (m_attestation && cuts.size() < kMaxCuts) {
            for (const Cut &cut : std::as_const(cuts)) {
                if (!cut.sound)
                    continue;
                const QString text = piecesOf(cut).join(QLatin1Char(' '));
                if (unsure.unattested.isEmpty())
                    unsure.unattested = text;
                else
                    unsure.otherCuts.append(text);
            }
        }
        return unsure;
    }
    return {BlankRepair::Split, piecesOf(cuts.front()).join(QLatin1Char(' ')), {}, {}};
}

bool isVariantOfAnother(const QString &glued, const QStringList &items)
{
    const QString word = glued.toLower();
    return std::any_of(items.begin(), items.end(), [&word](const QString &item) {
        const QString other = item.toLower();
        if (other == word || other.size() != word.size())
            return false;
        int differences = 0;
        for (qsizetype i = 0; i < word.size(); ++i)
            differences += word.at(i) != other.at(i) ? 1 : 0;
        return differences <= 2;
    });
}

namespace {

// The rank a piece counts with: a word of one or two letters only when it is
// one of `shortWords`, the words of the language that short (subtitles hold
// stray "to" and "re" in Spanish, names in English).
std::function<int(const QString &)> rankOfPieces(const WordRanks &ranks, QSet<QString> shortWords)
{
    return [&ranks, shortWords = std::move(shortWords)](const QString &word) {
        if (word.size() > 2)
            return ranks.rank(word);
        return shortWords.contains(word) ? std::max(1, ranks.rank(word)) : 0;
    };
}

// The same for Spanish, where an English word of the subtitles ("all") that
// English ranks higher and the word list lacks is no piece.
std::function<int(const QString &)> rankOfSpanishPieces(const WordRanks &ranks, QSet<QString> shortWords,
                                                        QSet<QString> wordList)
{
    return [rankOf = rankOfPieces(ranks, std::move(shortWords)), wordList = std::move(wordList)](const QString &word) {
        const int rank = rankOf(word);
        const int english = WordRanks::forLanguage(QStringLiteral("en")).rank(word);
        return word.size() > 2 && english > 0 && english < rank && !wordList.contains(word) ? 0 : rank;
    };
}

QSet<QString> setOf(std::initializer_list<const char *> words)
{
    QSet<QString> set;
    for (const char *word : words)
        set.insert(QString::fromUtf8(word));
    return set;
}

// Pieces of this many letters of the word list count as common.
constexpr int kLongWord = 7;

} // namespace

BlankRepairer spanishBlankRepairer(QSet<QString> wordList, QSet<QString> dictionaryWords, const WordRanks &ranks)
{
    const QSet<QString> lemmas = wordList;
    BlankRepairer repairer(std::move(wordList), setOf({"a", "y", "o", "e", "u"}),
                           setOf({"se", "me", "te", "nos", "os", "lo", "la", "le", "los", "las", "les"}));
    // The Spanish word list, the dictionaries' words and Apertium's know the
    // words of the translations well: what else cuts into words is glued
    // ("tijeraparasetos", "natabatida").
    repairer.rarePiecesOfGlue(kMaxPieces);
    repairer.keepWhole(std::move(dictionaryWords));
    repairer.onlyBefore(QStringLiteral("u"), {QStringLiteral("o"), QStringLiteral("ho")});
    repairer.onlyBefore(QStringLiteral("e"), {QStringLiteral("i"), QStringLiteral("hi")});
    for (const QString &contraction : {QStringLiteral("al"), QStringLiteral("del")}) {
        repairer.neverBefore(contraction, {QStringLiteral("el"), QStringLiteral("la"), QStringLiteral("los"),
                                           QStringLiteral("las")});
    }
    // Sixteen to nineteen and twenty-one to twenty-nine are one word
    // ("diecisiete"); "diez y siete" is an old spelling no learner needs.
    repairer.neverBefore(QStringLiteral("diez"), {QStringLiteral("y")});
    repairer.neverBefore(QStringLiteral("veinte"), {QStringLiteral("y")});
    repairer.setCommonWords(rankOfSpanishPieces(ranks, setOf({"a",  "y",  "o",  "e",  "u",  "de", "la", "el", "en", "se",
                                                       "lo", "le", "me", "te", "mi", "tu", "su", "al", "no", "ya",
                                                       "un", "es", "ha", "he", "ni", "si", "sí", "yo", "va", "os",
                                                       "mí", "tú", "él", "ti", "da", "ir", "ve", "di", "fe"}),
                                                lemmas),
                            kLongWord);
    return repairer;
}

BlankRepairer englishBlankRepairer(QSet<QString> wordList, const WordRanks &ranks)
{
    BlankRepairer repairer(std::move(wordList), setOf({"a"}));
    // English glue holds up to two rare words of three letters or more
    // ("navalcadet"); a rare word cuts into shorter bits ("em met").
    repairer.rarePiecesOfGlue(2, 3);
    repairer.keepWithSuffixes({QStringLiteral("able"), QStringLiteral("ible"), QStringLiteral("ness"),
                               QStringLiteral("fulness"), QStringLiteral("ment"), QStringLiteral("man"),
                               QStringLiteral("men"), QStringLiteral("ian"), QStringLiteral("ism"),
                               QStringLiteral("ship"), QStringLiteral("less")});
    repairer.setCommonWords(rankOfPieces(ranks, setOf({"a",  "i",  "of", "to", "in", "on", "at", "by", "up",
                                                       "as", "is", "it", "be", "do", "go", "no", "so", "we",
                                                       "he", "me", "my", "or", "an", "if", "us", "am"})),
                            kLongWord);
    return repairer;
}

QStringList britishSpellings(const QString &word)
{
    static const std::array<std::pair<QLatin1String, QLatin1String>, 5> endings{{
        {QLatin1String("er"), QLatin1String("re")},
        {QLatin1String("ense"), QLatin1String("ence")},
        {QLatin1String("og"), QLatin1String("ogue")},
        {QLatin1String("ize"), QLatin1String("ise")},
        {QLatin1String("yze"), QLatin1String("yse")},
    }};
    QStringList spellings;
    for (const auto &[american, british] : endings) {
        if (word.size() > american.size() + 2 && word.endsWith(american))
            spellings.append(word.chopped(american.size()) + british);
    }
    // "color" -> "colour", "favorable" -> "favourable", "harbors" -> "harbours".
    const qsizetype at = word.lastIndexOf(QLatin1String("or"));
    static const QStringList afterOr{QString(), QStringLiteral("s"), QStringLiteral("ed"), QStringLiteral("ing"),
                                     QStringLiteral("able"), QStringLiteral("ful"), QStringLiteral("ite"),
                                     QStringLiteral("ites"), QStringLiteral("hood"), QStringLiteral("less")};
    if (at > 1 && afterOr.contains(word.mid(at + 2)))
        spellings.append(word.left(at) + QLatin1String("our") + word.mid(at + 2));
    return spellings;
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
                                 && isLongerThanTheWord(entry.headword, entry.pronunciation, 2))
                             || spellsAPhraseTheReverseGives(entry, phraseByPronunciation, reverse)
                             || translatesAPhraseTheReverseSpellsOut(entry, reverse));
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

int splitPairedPhrases(QVector<DictdEntry> &spaEng, const QVector<DictdEntry> &engSpa, QStringList &details)
{
    // (phrase without its blanks, Spanish word), lowercased -> the phrase.
    QHash<std::pair<QString, QString>, QString> phrases;
    for (const DictdEntry &entry : engSpa) {
        if (!entry.headword.contains(QLatin1Char(' ')))
            continue;
        const QString glued = QString(entry.headword).remove(QLatin1Char(' ')).toLower();
        for (const QString &item : entry.translations)
            phrases.insert({glued, item.toLower()}, entry.headword);
    }
    int split = 0;
    for (DictdEntry &entry : spaEng) {
        const QString spanish = entry.headword.toLower();
        for (QString &item : entry.translations) {
            if (item.contains(QLatin1Char(' ')))
                continue;
            const QString phrase = phrases.value({item.toLower(), spanish});
            if (phrase.isEmpty() || entry.translations.contains(phrase, Qt::CaseInsensitive))
                continue;
            details.append(QStringLiteral("spa-eng: %1: \"%2\" -> \"%3\", eng-spa's phrase")
                               .arg(entry.headword, item, phrase));
            item = phrase;
            ++split;
        }
    }
    return split;
}

int splitGluedHeadwords(QVector<DictdEntry> &engSpa, const QSet<QString> &phrases, const QSet<QString> &wordList,
                        const QHash<QString, QString> &ownPronunciation,
                        const std::function<int(const QString &)> &rankOf, QStringList &details)
{
    constexpr qsizetype kShortestPiece = 3;
    const auto withoutStress = [](QString ipa) {
        return ipa.remove(QChar(0x02C8)).remove(QChar(0x02CC));  // ˈ ˌ
    };
    // The two common words whose IPA, one after the other, is the entry's.
    const auto cutBySound = [&](const DictdEntry &entry) {
        const QString sounds = withoutStress(entry.pronunciation);
        const QString &word = entry.headword;
        for (qsizetype at = kShortestPiece; !sounds.isEmpty() && at <= word.size() - kShortestPiece; ++at) {
            const QString left = word.left(at);
            const QString right = word.mid(at);
            const QString leftSounds = withoutStress(ownPronunciation.value(left));
            const QString rightSounds = withoutStress(ownPronunciation.value(right));
            if (!leftSounds.isEmpty() && !rightSounds.isEmpty() && leftSounds + rightSounds == sounds
                && rankOf(left) > 0 && rankOf(right) > 0)
                return left + QLatin1Char(' ') + right;
        }
        return QString();
    };
    if (wordList.isEmpty())
        return 0;
    QHash<QString, QString> phraseByGlue;
    for (const QString &phrase : phrases)
        phraseByGlue.insert(QString(phrase).remove(QLatin1Char(' ')), phrase);
    int split = 0;
    for (DictdEntry &entry : engSpa) {
        const QString &word = entry.headword;
        if (word.contains(QLatin1Char(' ')) || word != word.toLower() || wordList.contains(word))
            continue;
        QString phrase = phraseByGlue.value(word);
        if (phrase.isEmpty())
            phrase = cutBySound(entry);
        if (phrase.isEmpty())
            continue;
        details.append(QStringLiteral("eng-spa: headword \"%1\" -> \"%2\"").arg(word, phrase));
        entry.headword = phrase;
        ++split;
    }
    return split;
}

QStringList withWrittenApartHeadwords(QStringList coreEnglish, const QVector<DictdEntry> &engSpa)
{
    QSet<QString> known(coreEnglish.cbegin(), coreEnglish.cend());
    for (const DictdEntry &entry : engSpa) {
        if (!known.contains(entry.headword)) {
            known.insert(entry.headword);
            coreEnglish.append(entry.headword);
        }
    }
    return coreEnglish;
}

} // namespace vorbix::import
