#include "data/import/spanish_core.h"

#include "data/import/accents.h"
#include "data/import/edit_distance.h"
#include "data/import/word_frequency.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <array>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <vector>

namespace vorbix::import {

namespace {

// Which sources give an (English, Spanish) pair.
enum Source : int {
    ApertiumForward = 1,   // Apertium eng-spa
    ApertiumBackward = 2,  // Apertium spa-eng
    FreedictForward = 4,   // FreeDict eng-spa
    FreedictBackward = 8,  // FreeDict spa-eng
};

using Pair = std::pair<QString, QString>;  // English, Spanish

// The parts of speech Apertium eng-spa gives an English word in a pair.
enum PairPart : int {
    NounPair = 1,
    VerbPair = 2,
};

int sourceCount(int sources)
{
    int count = 0;
    for (int bit = 1; bit <= FreedictBackward; bit <<= 1)
        count += (sources & bit) ? 1 : 0;
    return count;
}

// Ranking key: the number of sources, then the number of Apertium's among
// them (FreeDict's rows are the more often damaged).
int rank(int sources)
{
    return 4 * sourceCount(sources) + sourceCount(sources & (ApertiumForward | ApertiumBackward));
}

// The sources of `item` among a row's `candidates` (word and sources), or
// none.
int sourcesIn(const QVector<std::pair<QString, int>> &candidates, const QString &item)
{
    for (const auto &[candidate, sources] : candidates) {
        if (candidate == item)
            return sources;
    }
    return 0;
}

// The words of a man an English word of a woman may be built from
// ("saleswoman" -> "salesman", "actress" -> "actor", "waitress" -> "waiter",
// "hostess" -> "host"); none for other words.
QStringList mensWordsOf(const QString &english)
{
    if (english.endsWith(QLatin1String("woman")))
        return {english.chopped(5) + QLatin1String("man")};
    if (english.size() < 6 || !english.endsWith(QLatin1String("ess")))
        return {};
    QStringList men{english.chopped(3), english.chopped(3) + QLatin1String("or")};
    if (english.endsWith(QLatin1String("ress")))
        men.append(english.chopped(4) + QLatin1String("er"));
    return men;
}

void appendNew(QStringList &list, const QString &item)
{
    if (!list.contains(item))
        list.append(item);
}

class Evidence
{
public:
    Evidence(const SenseRows &englishSpanish, const SenseRows &spanishEnglish,
             const QVector<LexiconEntry> &lexiconEnglishSpanish, const QVector<LexiconEntry> &lexiconSpanishEnglish,
             const QSet<QString> &spanishWords)
        : m_spanishWords(spanishWords)
    {
        for (const auto &[english, spanish] : englishSpanish) {
            m_freedictEnglish.insert(english);
            m_freedictHeadwords.insert(english);
            for (const QString &item : spanish)
                m_sources[{english, item}] |= FreedictForward;
            if (!spanish.isEmpty())
                m_firstSpanish[english].insert(spanish.first());
        }
        for (const auto &[spanish, english] : spanishEnglish) {
            for (const QString &item : english) {
                m_freedictEnglish.insert(item);
                m_sources[{item, spanish}] |= FreedictBackward;
            }
            if (!english.isEmpty())
                m_firstEnglish[spanish].insert(english.first());
        }
        const QSet<QString> masculine = masculineNouns(lexiconEnglishSpanish, lexiconSpanishEnglish);
        m_nounsOfEitherGender = nounsOfEitherGender(lexiconSpanishEnglish);
        for (const LexiconEntry &entry : lexiconEnglishSpanish) {
            if (entry.targetTags.value(0) == QLatin1String("n")) {
                m_nounPairs[{entry.source, entry.target}] |= genderBits(entry.targetTags, ApertiumForward);
                if (entry.targetTags.contains(QLatin1String("GD")))
                    m_eitherGender.insert({entry.source, entry.target});
            }
        }
        for (const LexiconEntry &entry : lexiconSpanishEnglish) {
            if (entry.sourceTags.value(0) == QLatin1String("n"))
                m_nounPairs[{entry.target, entry.source}] |= genderBits(entry.sourceTags, ApertiumBackward);
        }
        const QSet<QString> singular = singularNouns(lexiconEnglishSpanish);
        const QSet<QString> onlyMasculine = onlyMasculineNouns(lexiconSpanishEnglish);
        QSet<QString> translated;
        for (const LexiconEntry &entry : lexiconEnglishSpanish) {
            // Whether the sources agree on the first translation counts
            // Apertium's first entry, a plural-only one included.
            if (!m_apertiumFirstSpanish.contains(entry.source))
                m_apertiumFirstSpanish.insert(entry.source, entry.target);
            if (pluralOnly(entry.source, entry.sourceTags, singular))
                continue;
            const QString spanish = pluralSense(
                entry.sourceTags, entry.targetTags,
                spanishWord(entry.source, entry.target, entry.targetTags, masculine, ApertiumBackward));
            if (spanish.isEmpty()) {
                // A feminine tag on a noun spa-eng knows only as masculine
                // ("scrap" -> "trozo<n><f>", beside "trozo<n><m>" ->
                // "piece") names no woman's form: Apertium's translator has
                // none to give. The lemma is a translation of the word, kept
                // aside, as a slipped entry is no sure sign of the
                // translator's choice.
                if (entry.targetTags.value(0) == QLatin1String("n") && onlyMasculine.contains(entry.target))
                    appendNew(m_slippedGender[entry.source], entry.target);
                continue;
            }
            const QString english = englishWord(entry.source, entry.sourceTags, spanish);
            m_sources[{english, spanish}] |= ApertiumForward;
            const QString &englishPart = entry.sourceTags.value(0);
            if (englishPart == QLatin1String("n"))
                m_partsOfSpeech[{english, spanish}] |= NounPair;
            else if (englishPart.startsWith(QLatin1String("vb")))
                m_partsOfSpeech[{english, spanish}] |= VerbPair;
            if (!m_forward.contains(english))
                m_firstSpanish[english].insert(spanish);
            // The first translation of a word in one part of speech
            // ("about<pr>" -> "sobre", "about<adv>" -> "aproximadamente").
            const QString partOfSpeech = english + QLatin1Char('<') + entry.sourceTags.value(0);
            if (!translated.contains(partOfSpeech)) {
                translated.insert(partOfSpeech);
                appendNew(m_mainFor[spanish], english);
            }
            appendNew(m_forward[english], spanish);
            m_spanish.insert(spanish);
        }
        const QSet<QString> forwardSpanish = m_spanish;
        for (const LexiconEntry &entry : lexiconSpanishEnglish) {
            const QString spanish =
                spanishWord(entry.target, entry.source, entry.sourceTags, masculine, ApertiumForward);
            if (spanish.isEmpty())
                continue;
            const QString english = englishWord(entry.target, entry.targetTags, spanish);
            if (isNeighboursEntry(spanish, m_forward.value(english), forwardSpanish))
                continue;
            m_sources[{english, spanish}] |= ApertiumBackward;
            if (!m_apertiumFirstEnglish.contains(spanish)) {
                m_apertiumFirstEnglish.insert(spanish, english);
                m_firstEnglish[spanish].insert(english);
            }
            appendNew(m_backward[english], spanish);
            appendNew(m_englishOf[spanish], english);
            appendNew(m_backwardParts[{english, spanish}], entry.sourceTags.value(0));
            if (entry.targetTags.contains(QLatin1String("pl")))
                m_pluralEnglish.insert(spanish);
            m_spanish.insert(spanish);
        }
        for (const QString &spanish : std::as_const(m_spanish)) {
            const QString folded = withoutAccents(spanish);
            if (folded != spanish)
                m_accented.insert(folded, spanish);
        }
        // FreeDict's pairs count for Apertium's spelling of a word FreeDict
        // writes with wrong accents ("buho" is "búho", "gámba" is "gamba").
        QVector<std::pair<Pair, int>> respelt;
        for (auto it = m_sources.cbegin(); it != m_sources.cend(); ++it) {
            const int freedict = it.value() & (FreedictForward | FreedictBackward);
            const QString accented = freedict ? accentedSpelling(it.key().second) : QString();
            if (!accented.isEmpty())
                respelt.append({{it.key().first, accented}, freedict});
        }
        for (const auto &[pair, freedict] : std::as_const(respelt))
            m_sources[pair] |= freedict;
    }

    // The spelling Apertium knows an English word by, or an empty string.
    // Apertium writes British English: "colour", "realise", "analyse".
    QString apertiumSpelling(const QString &english) const
    {
        if (knows(english))
            return english;
        static const std::array<std::pair<const char *, const char *>, 4> endings{
            {{"or", "our"}, {"ize", "ise"}, {"yze", "yse"}, {"izing", "ising"}}};
        for (const auto &[american, british] : endings) {
            const QLatin1String ending(american);
            if (english.size() > ending.size() + 2 && english.endsWith(ending)) {
                const QString other = english.chopped(ending.size()) + QLatin1String(british);
                if (knows(other))
                    return other;
            }
        }
        // British English keeps one "l" before "-ment" where Apertium may
        // write the American two ("instalment": "installment").
        if (const qsizetype at = english.indexOf(QLatin1String("lment")); at > 0 && english.at(at - 1) != QLatin1Char('l')) {
            const QString other = english.left(at) + QLatin1Char('l') + english.mid(at);
            if (knows(other))
                return other;
        }
        return {};
    }

    int sources(const QString &english, const QString &spelling, const QString &spanish) const
    {
        const int freedict = m_sources.value({english, spanish}) & (FreedictForward | FreedictBackward);
        const int apertium = m_sources.value({spelling, spanish}) & (ApertiumForward | ApertiumBackward);
        return freedict | apertium;
    }

    // Apertium's spelling of a Spanish word it lacks but knows with other
    // accents ("dificil", "prémio"), or an empty string.
    QString accentedSpelling(const QString &spanish) const
    {
        if (m_spanish.contains(spanish))
            return {};
        const QString folded = withoutAccents(spanish);
        const QString accented = folded != spanish && m_spanish.contains(folded) ? folded : m_accented.value(folded);
        // Where the Spanish word list holds FreeDict's spelling but not
        // Apertium's, the two are different words: the relative "donde"
        // beside the interrogative "dónde", which the list lacks. Where it
        // holds both, FreeDict's is still a typo ("perdida" for "pérdida").
        if (!accented.isEmpty() && m_spanishWords.contains(spanish) && !m_spanishWords.contains(accented))
            return {};
        return accented;
    }

    // Whether a Spanish word's first sense, in FreeDict spa-eng or in
    // Apertium spa-eng, is `english` (in FreeDict's or Apertium's spelling).
    bool meansFirst(const QString &spanish, const QString &english, const QString &spelling) const
    {
        const QSet<QString> first = m_firstEnglish.value(spanish);
        return first.contains(english) || first.contains(spelling);
    }

    // Whether an English word's first sense, in FreeDict eng-spa or in
    // Apertium eng-spa, is `spanish`.
    bool isFirstSenseOf(const QString &english, const QString &spelling, const QString &spanish) const
    {
        return m_firstSpanish.value(english).contains(spanish) || m_firstSpanish.value(spelling).contains(spanish);
    }

    // Whether both of Apertium's lexicons pair the words (Apertium's spelling).
    bool bothWays(const QString &spelling, const QString &spanish) const
    {
        const int apertium = ApertiumForward | ApertiumBackward;
        return (m_sources.value({spelling, spanish}) & apertium) == apertium;
    }

    // Whether Apertium pairs an English word (its spelling) in both
    // directions with a Spanish word other than `spanish` ("rank" with
    // "rango", beside "fila").
    bool bothWaysWithAnother(const QString &spelling, const QString &spanish) const
    {
        const QStringList others = m_backward.value(spelling);
        return std::any_of(others.begin(), others.end(),
                           [&](const QString &other) { return other != spanish && bothWays(spelling, other); });
    }

    // Whether Apertium has a Spanish word, in either direction.
    bool knowsSpanish(const QString &spanish) const { return m_spanish.contains(spanish); }

    // Whether FreeDict spa-eng pairs the words.
    bool freedictBackward(const QString &english, const QString &spanish) const
    {
        return m_sources.value({english, spanish}) & FreedictBackward;
    }

    // How Apertium eng-spa pairs an English word (its spelling) with a
    // Spanish one: NounPair, VerbPair, both or neither.
    int partsOfSpeech(const QString &spelling, const QString &spanish) const
    {
        return m_partsOfSpeech.value({spelling, spanish});
    }

    // In how many parts of speech of the Spanish word Apertium spa-eng
    // translates it by the English one ("auxiliar<adj>" and "auxiliar<n>"
    // -> "auxiliary": 2).
    int backwardParts(const QString &english, const QString &spanish) const
    {
        return int(m_backwardParts.value({english, spanish}).size());
    }

    // Whether Apertium spa-eng pairs the Spanish word, as a noun or a verb,
    // with the English one in the part of speech (NounPair or VerbPair) that
    // Apertium eng-spa pairs `other` with it.
    bool sharesBackwardPart(const QString &english, const QString &other, const QString &spanish) const
    {
        const int forward = m_partsOfSpeech.value({other, spanish});
        for (const QString &part : m_backwardParts.value({english, spanish})) {
            if (((forward & NounPair) && part == QLatin1String("n"))
                || ((forward & VerbPair) && part.startsWith(QLatin1String("vb"))))
                return true;
        }
        return false;
    }

    // Whether Apertium eng-spa pairs an English word (its spelling) with a
    // Spanish noun lemma of either gender ("pigeon<n>" -> "palomo<n><GD>").
    bool eitherGender(const QString &spelling, const QString &spanish) const
    {
        return m_eitherGender.contains({spelling, spanish});
    }

    // Whether either FreeDict dictionary pairs the words.
    bool freedictPairs(const QString &english, const QString &spanish) const
    {
        return m_sources.value({english, spanish}) & (FreedictForward | FreedictBackward);
    }

    // Whether Apertium eng-spa gives an English word of a woman (its
    // spelling) a masculine noun only, the one it gives the man's word
    // ("saleswoman<n>" and "salesman<n>" -> "agente vendedor<n><m>"): it
    // names the man, and its translator has no woman's word to give.
    bool givesTheMansNoun(const QString &spelling, const QString &spanish) const
    {
        const int genders = m_nounPairs.value({spelling, spanish});
        if (!(genders & ApertiumForward) || (genders & (ApertiumForward << kOtherGender)))
            return false;
        const QStringList men = mensWordsOf(spelling);
        return std::any_of(men.begin(), men.end(), [&](const QString &man) {
            return m_nounPairs.value({man, spanish}) & ApertiumForward;
        });
    }

    // The Spanish word Apertium eng-spa gives first for an English word.
    QString apertiumFirstSpanish(const QString &spelling) const { return m_apertiumFirstSpanish.value(spelling); }

    // The English word Apertium spa-eng gives first for a Spanish word.
    QString apertiumFirstEnglish(const QString &spanish) const { return m_apertiumFirstEnglish.value(spanish); }

    QStringList forward(const QString &spelling) const { return m_forward.value(spelling); }

    // The Spanish nouns of Apertium eng-spa entries for an English word
    // (its spelling) left out for a slipped feminine tag.
    QStringList slippedGender(const QString &spelling) const { return m_slippedGender.value(spelling); }

    // The English words (Apertium's spelling) whose first translation in
    // some part of speech is `spanish` in Apertium eng-spa.
    QStringList mainFor(const QString &spanish) const { return m_mainFor.value(spanish); }

    // The English words of a Spanish word in Apertium spa-eng.
    QStringList englishOf(const QString &spanish) const { return m_englishOf.value(spanish); }
    QStringList backward(const QString &spelling) const { return m_backward.value(spelling); }

    // Apertium spa-eng's only English word for a Spanish word, or an empty
    // string. A lemma its translator writes in the plural ("gente" ->
    // "person<n><pl>": "people") is not the word it gives.
    QString apertiumOnlyEnglish(const QString &spanish) const
    {
        const QStringList english = m_englishOf.value(spanish);
        return english.size() == 1 && !m_pluralEnglish.contains(spanish) ? english.first() : QString();
    }

private:
    // A noun entry's gender as bits: `lexicon` for a masculine noun
    // ("<n><m>"), `lexicon` shifted by kOtherGender for any other tag
    // ("<n><f>", "<n><GD>").
    static constexpr int kOtherGender = 4;
    static int genderBits(const QStringList &tags, int lexicon)
    {
        const bool masculine = tags.contains(QLatin1String("m")) && !tags.contains(QLatin1String("f"));
        return masculine ? lexicon : lexicon << kOtherGender;
    }

    // English nouns with an entry not limited to their plural.
    static QSet<QString> singularNouns(const QVector<LexiconEntry> &englishSpanish)
    {
        QSet<QString> nouns;
        for (const LexiconEntry &entry : englishSpanish) {
            if (entry.sourceTags.value(0) == QLatin1String("n") && !entry.sourceTags.contains(QLatin1String("pl")))
                nouns.insert(entry.source);
        }
        return nouns;
    }

    // Whether an Apertium spa-eng entry is filed under a neighbouring
    // spelling of its Spanish word: "anal<adj>" -> "annual", where eng-spa
    // translates "annual" by "anual" and "anal" by "anal". The Spanish word
    // (`spanish`) is none of eng-spa's translations of the English one
    // (`forward`), one of them differs from it by a single letter inside
    // the word (the first and last letters and the accents alike: "plan" and
    // "plano", "solo" and "sólo" are words of their own), and eng-spa gives
    // the Spanish word for another English word (`forwardSpanish`): it is a
    // word of its own, and the entry pairs it with its neighbour's sense.
    static bool isNeighboursEntry(const QString &spanish, const QStringList &forward,
                                  const QSet<QString> &forwardSpanish)
    {
        if (forward.isEmpty() || forward.contains(spanish) || !forwardSpanish.contains(spanish) || spanish.size() < 3)
            return false;
        return std::any_of(forward.begin(), forward.end(), [&](const QString &other) {
            return other.size() >= 3 && other.front() == spanish.front() && other.back() == spanish.back()
                   && withoutAccents(other) != withoutAccents(spanish) && editDistance(other, spanish) == 1;
        });
    }

    // Whether an eng-spa entry translates only the plural of an English
    // noun that has entries for its singular ("royalty<n><pl>" ->
    // "derecho<n><m><pl>": royalties are "derechos", royalty is "realeza";
    // "arm<n><pl>" -> "arma"): its word is no translation of the headword.
    // A noun Apertium lists only in the plural ("police") keeps its entries.
    static bool pluralOnly(const QString &english, const QStringList &tags, const QSet<QString> &singular)
    {
        return tags.value(0) == QLatin1String("n") && tags.contains(QLatin1String("pl")) && singular.contains(english);
    }

    // The Spanish word of an eng-spa entry that translates a singular
    // English noun by the plural of a Spanish one ("jealousy<n><sg>" ->
    // "celo<n><m><pl>"): the sense lives in the plural only ("celos";
    // "celo" alone is zeal), so the word is that plural. It is formed only
    // where it surely is a lemma ending in an unstressed vowel plus "s";
    // otherwise ("imagen" -> "imágenes") the entry is left out (empty). A
    // lemma already in the plural ("vacaciones") and an English noun of
    // either number ("<ND>": "time" -> "tiempo") keep their word.
    static QString pluralSense(const QStringList &englishTags, const QStringList &spanishTags, const QString &lemma)
    {
        if (lemma.isEmpty() || spanishTags.value(0) != QLatin1String("n") || !spanishTags.contains(QLatin1String("pl"))
            || englishTags.contains(QLatin1String("pl")) || englishTags.contains(QLatin1String("ND"))
            || lemma.endsWith(QLatin1Char('s')))
            return lemma;
        if (lemma.contains(QLatin1Char(' ')))
            return {};
        static const QString vowels = QStringLiteral("aeo");
        if (vowels.contains(lemma.back()))
            return lemma + QLatin1Char('s');
        return {};
    }

    // Spanish nouns that Apertium lists as masculine or of either gender
    // ("abuelo<n><m>", "amigo<n><GD>").
    static QSet<QString> masculineNouns(const QVector<LexiconEntry> &englishSpanish,
                                        const QVector<LexiconEntry> &spanishEnglish)
    {
        QSet<QString> nouns;
        auto add = [&nouns](const QString &lemma, const QStringList &tags) {
            if (tags.value(0) == QLatin1String("n")
                && (tags.contains(QLatin1String("m")) || tags.contains(QLatin1String("GD"))))
                nouns.insert(lemma);
        };
        for (const LexiconEntry &entry : englishSpanish)
            add(entry.target, entry.targetTags);
        for (const LexiconEntry &entry : spanishEnglish)
            add(entry.source, entry.sourceTags);
        return nouns;
    }

    // The Spanish word of an entry. Apertium gives a feminine noun formed
    // from a masculine one as that lemma with a feminine tag
    // ("grandmother" -> "abuelo<n><f>"): the word is the feminine form
    // ("abuela") when FreeDict pairs it with the English word, otherwise the
    // entry is left out (empty), as the tag is also found on entries whose
    // noun keeps its form ("position" -> "puesto<n><f>"). Such an entry
    // keeps its lemma when Apertium's other lexicon (`otherLexicon`) pairs
    // that lemma, only as a masculine noun, with the English word ("law" ->
    // "derecho<n><f>" beside "derecho<n><m>" -> "law"): the tag is the slip.
    // A feminine formed from the lemma is tagged so in both ("queen" ->
    // "rey<n><f>", "rey<n><f>" -> "queen").
    // A lemma in "-a" is a feminine form already ("left" -> "izquierda<n><f>").
    QString spanishWord(const QString &english, const QString &lemma, const QStringList &tags,
                        const QSet<QString> &masculine, int otherLexicon) const
    {
        if (tags.value(0) != QLatin1String("n") || !tags.contains(QLatin1String("f")) || !masculine.contains(lemma)
            || lemma.endsWith(QLatin1Char('a')))
            return lemma;
        QString feminine;
        if (lemma.endsWith(QLatin1Char('o')))
            feminine = lemma.chopped(1) + QLatin1Char('a');
        else if (lemma.endsWith(QLatin1String("or")))
            feminine = lemma + QLatin1Char('a');
        if (!feminine.isEmpty() && (m_sources.value({english, feminine}) & (FreedictForward | FreedictBackward)))
            return feminine;
        if (const int genders = m_nounPairs.value({english, lemma});
            (genders & otherLexicon) && !(genders & (otherLexicon << kOtherGender)))
            return lemma;
        return m_nounsOfEitherGender.contains(lemma) ? lemma : QString();
    }

    // Spanish nouns that Apertium spa-eng lists as masculine and never as
    // feminine ("trozo<n><m>" alone; not "chico", which has "chico<n><f>"
    // -> "girl").
    static QSet<QString> onlyMasculineNouns(const QVector<LexiconEntry> &spanishEnglish)
    {
        QSet<QString> masculine;
        QSet<QString> feminine;
        for (const LexiconEntry &entry : spanishEnglish) {
            const QStringList &tags = entry.sourceTags;
            if (tags.value(0) != QLatin1String("n"))
                continue;
            if (tags.contains(QLatin1String("f")))
                feminine.insert(entry.source);
            else if (tags.contains(QLatin1String("m")))
                masculine.insert(entry.source);
        }
        return masculine - feminine;
    }

    // Spanish nouns that Apertium spa-eng translates by the same English
    // word as a masculine and as a feminine noun ("orden<n><m>" and
    // "orden<n><f>" -> "order"; "capital"): the feminine tag marks the noun
    // of either gender, not a woman's form of it, which would be translated
    // apart ("rey<n><f>" -> "queen", "abuelo<n><f>" -> "grandmother"). An
    // eng-spa entry tagging such a noun feminine ("command" ->
    // "orden<n><f>") means the lemma itself.
    static QSet<QString> nounsOfEitherGender(const QVector<LexiconEntry> &spanishEnglish)
    {
        QHash<QString, QSet<QString>> masculine;
        QHash<QString, QSet<QString>> feminine;
        for (const LexiconEntry &entry : spanishEnglish) {
            const QStringList &tags = entry.sourceTags;
            if (tags.value(0) != QLatin1String("n"))
                continue;
            if (tags.contains(QLatin1String("m")) && !tags.contains(QLatin1String("f")))
                masculine[entry.source].insert(entry.target);
            else if (tags.contains(QLatin1String("f")) && !tags.contains(QLatin1String("m")))
                feminine[entry.source].insert(entry.target);
        }
        QSet<QString> nouns;
        for (auto it = feminine.cbegin(); it != feminine.cend(); ++it) {
            if (masculine.value(it.key()).intersects(it.value()))
                nouns.insert(it.key());
        }
        return nouns;
    }

    // The English word of an entry. Apertium writes adjectives of
    // nationality in lower case ("polish<adj>" -> "polaco"): the word is
    // the capitalised one when FreeDict pairs that with the Spanish word, so
    // that "polish" (to make shine) does not get "polaco", and when FreeDict
    // eng-spa has the word as a headword written only capitalised
    // ("jewish<adj>" -> "judío": the row "Jewish", and never "jewish"). A
    // name FreeDict has no row for ("barcelona<adj>" -> "azulgrana") gains
    // none.
    QString englishWord(const QString &lemma, const QStringList &tags, const QString &spanish) const
    {
        if (tags.value(0) != QLatin1String("adj") || lemma.isEmpty() || !lemma.front().isLower())
            return lemma;
        const QString capitalised = lemma.front().toUpper() + lemma.mid(1);
        if (m_sources.value({capitalised, spanish}) & (FreedictForward | FreedictBackward))
            return capitalised;
        if (m_freedictHeadwords.contains(capitalised) && !m_freedictEnglish.contains(lemma))
            return capitalised;
        return lemma;
    }

    bool knows(const QString &english) const { return m_forward.contains(english) || m_backward.contains(english); }

    QSet<QString> m_freedictEnglish;  // the English words of both FreeDict dictionaries
    QSet<QString> m_freedictHeadwords;  // FreeDict eng-spa's headwords
    QSet<Pair> m_eitherGender;  // Apertium eng-spa's noun pairs whose Spanish lemma is of either gender ("<GD>")
    QSet<QString> m_nounsOfEitherGender;  // Spanish nouns translated alike as masculine and feminine, nounsOfEitherGender()
    QHash<Pair, int> m_nounPairs;  // Apertium's (English, Spanish noun) pairs: lexicon and gender, genderBits()
    QHash<Pair, QStringList> m_backwardParts;  // Apertium spa-eng's parts of speech of the Spanish word in a pair
    QHash<Pair, int> m_partsOfSpeech;  // Apertium eng-spa's (English, Spanish) pairs: NounPair | VerbPair
    QHash<Pair, int> m_sources;  // keyed by Apertium's spelling for its bits, FreeDict's for its own
    QHash<QString, QStringList> m_forward;   // English -> Spanish, Apertium eng-spa
    QHash<QString, QStringList> m_slippedGender;  // English -> Spanish, eng-spa entries with a slipped feminine tag
    QHash<QString, QStringList> m_backward;  // English -> Spanish, Apertium spa-eng
    QHash<QString, QStringList> m_englishOf;  // Spanish -> English, Apertium spa-eng
    QSet<QString> m_pluralEnglish;  // Spanish words Apertium spa-eng gives as an English plural
    QHash<QString, QStringList> m_mainFor;   // Spanish -> English words it is the first translation of
    QSet<QString> m_spanish;                 // every Spanish lemma of Apertium
    QHash<QString, QString> m_accented;      // without accents -> Apertium's spelling
    QSet<QString> m_spanishWords;            // the Spanish word list, where installed
    QHash<QString, QSet<QString>> m_firstEnglish;  // Spanish -> its first English sense in each spa-eng source
    QHash<QString, QSet<QString>> m_firstSpanish;  // English -> its first Spanish sense in each eng-spa source
    QHash<QString, QString> m_apertiumFirstEnglish;
    QHash<QString, QString> m_apertiumFirstSpanish;  // English -> the first Spanish of Apertium eng-spa  // Spanish -> the first English of Apertium spa-eng
};

// The parts of speech Apertium gives each English and each Spanish lemma,
// in either lexicon ("advocate": a verb; "abogado": a noun).
class ApertiumParts
{
public:
    ApertiumParts(const QVector<LexiconEntry> &englishSpanish, const QVector<LexiconEntry> &spanishEnglish)
    {
        for (const LexiconEntry &entry : englishSpanish) {
            m_english[entry.source] |= part(entry.sourceTags);
            m_spanish[entry.target] |= part(entry.targetTags);
        }
        for (const LexiconEntry &entry : spanishEnglish) {
            m_spanish[entry.source] |= part(entry.sourceTags);
            m_english[entry.target] |= part(entry.targetTags);
        }
    }

    // Whether Apertium knows a Spanish word only as a noun and never gives
    // the English one (Apertium's spelling) as a noun: a translation of a
    // use of the word Apertium leaves out ("advocate" is only a verb to it,
    // "abogado" only a noun). Function words, whose parts of speech the
    // lexicons name unevenly ("everybody<prn>", "cada<det>"), are not
    // judged so.
    bool isNounItLacks(const QString &spelling, const QString &spanish) const
    {
        const auto spanishParts = m_spanish.constFind(spanish);
        const auto englishParts = m_english.constFind(spelling);
        return spanishParts != m_spanish.cend() && englishParts != m_english.cend() && *spanishParts == Noun
               && !(*englishParts & Noun);
    }

    // Whether Apertium knows a Spanish word only as an adjective
    // ("urgente<adj>").
    bool isAdjectiveOnly(const QString &spanish) const
    {
        const auto spanishParts = m_spanish.constFind(spanish);
        return spanishParts != m_spanish.cend() && *spanishParts == Adjective;
    }

    // Whether Apertium knows an English word only as a noun ("pressing<n>").
    bool isNounOnly(const QString &english) const { return m_english.value(english) == Noun; }

    // Whether Apertium knows an English word as a verb ("press<vblex>").
    bool isVerb(const QString &english) const { return m_english.value(english) & Verb; }

    // Whether Apertium knows a Spanish word only as a pronoun or a
    // determiner ("muchos<prn>").
    bool isPronounOnly(const QString &spanish) const
    {
        const auto spanishParts = m_spanish.constFind(spanish);
        return spanishParts != m_spanish.cend() && !(*spanishParts & ~(Pronoun | Determiner));
    }

private:
    // The parts of speech the questions above tell apart, one flag each;
    // every other part (adverbs, prepositions, ...) is one flag, so that a word
    // costs the lexicon's maps a byte, not a set.
    enum Part : quint8 { Noun = 1, Pronoun = 2, Determiner = 4, OtherPart = 8, Adjective = 16, Verb = 32 };

    // A part of speech as its first tag.
    static quint8 part(const QStringList &tags)
    {
        const QString &first = tags.value(0);
        if (first == QLatin1String("n"))
            return Noun;
        if (first == QLatin1String("prn"))
            return Pronoun;
        if (first == QLatin1String("det"))
            return Determiner;
        if (first == QLatin1String("adj"))
            return Adjective;
        if (first.startsWith(QLatin1String("vb")))
            return Verb;
        return OtherPart;
    }

    QHash<QString, quint8> m_english;
    QHash<QString, quint8> m_spanish;
};

// Ranks candidates (in tie order) by their number of sources, most first,
// and keeps the first kMaxSpanishTranslations. Where there are more,
// those `confirmed` (by the German pivot: how many German words link them)
// are chosen as if one more source gave them ("entrada": "ticket", through
// "Eintrittskarte", before FreeDict's "portal"), but keep their place by
// their own sources. Between words chosen alike, more German words win
// ("derecho": "straight" before "direct").
QStringList ranked(const QVector<std::pair<QString, int>> &candidates,
                   const std::function<int(const QString &)> &confirmed = {})
{
    QVector<std::pair<QString, int>> sorted = candidates;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const auto &a, const auto &b) { return rank(a.second) > rank(b.second); });
    if (confirmed && sorted.size() > kMaxSpanishTranslations) {
        const auto score = [&](const std::pair<QString, int> &c) {
            return rank(c.second) + (confirmed(c.first) > 0 ? 4 : 0);
        };
        QVector<std::pair<QString, int>> chosen = sorted;
        std::stable_sort(chosen.begin(), chosen.end(), [&](const auto &a, const auto &b) {
            const int scoreA = score(a), scoreB = score(b);
            return scoreA != scoreB ? scoreA > scoreB : confirmed(a.first) > confirmed(b.first);
        });
        chosen.resize(kMaxSpanishTranslations);
        sorted.erase(std::remove_if(sorted.begin(), sorted.end(),
                                    [&](const auto &c) { return !chosen.contains(c); }),
                     sorted.end());
    }
    QStringList kept;
    for (qsizetype i = 0; i < sorted.size() && kept.size() < kMaxSpanishTranslations; ++i)
        kept.append(sorted.at(i).first);
    return kept;
}

// Moves a much commoner translation to the front of `kept` when the sources
// do not decide the first: they do when FreeDict's first translation
// (`freedictFirst`) is Apertium's first as well (`apertiumFirst`). The
// commoner one (`rankOf`: "frío" before "resfriado" for "cold") must rank as
// high by its sources as the first, and its own first sense must be the
// row's word (`meansTheWord`), so that "gordo" (fat) does not go before
// "grasiento" for "greasy".
QStringList withMainFirst(QStringList kept, const QVector<std::pair<QString, int>> &candidates,
                          const QString &freedictFirst, const QString &apertiumFirst,
                          const std::function<bool(const QString &)> &meansTheWord,
                          const std::function<int(const QString &)> &rankOf)
{
    if (kept.size() < 2 || (!freedictFirst.isEmpty() && freedictFirst == apertiumFirst && kept.first() == freedictFirst))
        return kept;
    constexpr int kMuchCommoner = 4;
    auto sourcesOf = [&](const QString &item) { return rank(sourcesIn(candidates, item)); };
    const int firstRank = rankOf(kept.first());
    const int firstSources = sourcesOf(kept.first());
    QString main;
    int mainRank = 0;
    for (qsizetype i = 1; i < kept.size(); ++i) {
        const int rank = rankOf(kept.at(i));
        if (rank > 0 && (firstRank == 0 || rank * kMuchCommoner <= firstRank) && (mainRank == 0 || rank < mainRank)
            && sourcesOf(kept.at(i)) >= firstSources && meansTheWord(kept.at(i))) {
            main = kept.at(i);
            mainRank = rank;
        }
    }
    if (!main.isEmpty()) {
        kept.removeOne(main);
        kept.prepend(main);
    }
    return kept;
}

// Puts first the commonest of the items after the first, up to `end`, that
// `qualifies` and is much commoner (`rankOf`) than the first item; without
// one, the items stay as they are.
QStringList withMuchCommonerFirst(QStringList items, qsizetype end, const std::function<int(const QString &)> &rankOf,
                                  const std::function<bool(const QString &)> &qualifies)
{
    constexpr int kMuchCommoner = 4;
    const int firstRank = rankOf(items.first());
    QString main;
    int mainRank = 0;
    for (qsizetype i = 1; i < end; ++i) {
        const QString &item = items.at(i);
        if (!qualifies(item))
            continue;
        const int rank = rankOf(item);
        if (rank > 0 && (firstRank == 0 || rank * kMuchCommoner <= firstRank) && (mainRank == 0 || rank < mainRank)) {
            main = item;
            mainRank = rank;
        }
    }
    if (!main.isEmpty()) {
        items.removeOne(main);
        items.prepend(main);
    }
    return items;
}

// FreeDict's first sense is often a rare one ("perform: 1. aparecer 2.
// entrar, montar"), and the pairs both FreeDict dictionaries share outrank
// a pair of Apertium's alone. When Apertium eng-spa has a single translation
// for the word (`apertiumOnly`: "actuar"), that its translator uses always,
// and FreeDict's first translation (`freedictFirst`) is no pair of
// Apertium's at all, Apertium's translation goes first, taking the last
// place of a full row when it had none. (Where Apertium has several, its
// first is only the first of one part of speech: "food" -> "alimentario".)
// The Spanish rows call it the same way with Apertium spa-eng's only word
// and the row's first as ranked.
QStringList withApertiumFirst(QStringList kept, const QVector<std::pair<QString, int>> &candidates,
                              const QString &freedictFirst, const QString &apertiumOnly)
{
    if (freedictFirst.isEmpty() || apertiumOnly.isEmpty() || kept.isEmpty() || kept.first() == apertiumOnly)
        return kept;
    auto sourcesOf = [&](const QString &item) { return sourcesIn(candidates, item); };
    const int apertium = ApertiumForward | ApertiumBackward;
    if ((sourcesOf(freedictFirst) & apertium) || !(sourcesOf(apertiumOnly) & apertium))
        return kept;
    if (!kept.removeOne(apertiumOnly) && kept.size() >= kMaxSpanishTranslations)
        kept.removeLast();
    kept.prepend(apertiumOnly);
    return kept;
}

// Apertium spa-eng's only English word for a Spanish word (`apertiumOnly`),
// which Apertium eng-spa pairs back with it, is the word its translator
// always gives: both lexicons name the two as each other's ("fila" ->
// "row", "row" -> "fila"). Where the ranking puts another word first (the
// pairs both FreeDict dictionaries share outrank Apertium's) that Apertium
// spa-eng does not give for the Spanish word, and that Apertium pairs both
// ways with a Spanish word of its own (`hasOwnWord`: "rank" with "rango"), that first is a side sense of the
// Spanish word ("fila: grade, rank, rate"): the only word goes before it. A
// first without a Spanish word of its own in Apertium ("suitcase" for
// "maleta", beside Apertium's "case") keeps its place.
QStringList withMutualOnlyWordFirst(QStringList kept, const QVector<std::pair<QString, int>> &candidates,
                                    const QString &apertiumOnly,
                                    const std::function<bool(const QString &)> &hasOwnWord)
{
    if (apertiumOnly.isEmpty() || kept.size() < 2 || kept.first() == apertiumOnly || !kept.contains(apertiumOnly))
        return kept;
    const int apertium = ApertiumForward | ApertiumBackward;
    if ((sourcesIn(candidates, apertiumOnly) & apertium) != apertium
        || (sourcesIn(candidates, kept.first()) & ApertiumBackward) || !hasOwnWord(kept.first()))
        return kept;
    kept.removeOne(apertiumOnly);
    kept.prepend(apertiumOnly);
    return kept;
}

// Moves the row's first item behind the last of the items Apertium eng-spa
// gives (`apertium`, found in `candidates` as its forward pairs); a row
// without such an item is left as it is.
QStringList withFirstBehindApertiumsItems(QStringList kept, const QVector<std::pair<QString, int>> &candidates,
                                          const QStringList &apertium)
{
    qsizetype last = 0;
    for (qsizetype i = 1; i < kept.size(); ++i) {
        if (apertium.contains(kept.at(i)) && (sourcesIn(candidates, kept.at(i)) & ApertiumForward))
            last = i;
    }
    if (last > 0)
        kept.move(0, last);
    return kept;
}

// Where Apertium eng-spa has several translations of a word, one to a
// part of speech ("ban<n>" -> "prohibición", "ban<vblex>" -> "prohibir"),
// withApertiumFirst leaves the row alone, and a pair both FreeDict
// dictionaries give outranks each of them. When that pair is FreeDict
// eng-spa's only translation of the word (`freedict`) and a word Apertium
// knows only in other senses (`knownToApertium`: "anatema" -> "anathema"),
// it is a side sense ("ban: anatema"): it goes after the items Apertium
// eng-spa gives (`apertium`). Where FreeDict gives several, the first is
// as often the main one ("cheer: animar, incitar").
QStringList withApertiumBeforeSideSense(QStringList kept, const QVector<std::pair<QString, int>> &candidates,
                                        const QStringList &freedict, const QStringList &apertium,
                                        const std::function<bool(const QString &)> &knownToApertium)
{
    if (kept.size() < 2 || apertium.size() < 2 || freedict.size() != 1 || kept.first() != freedict.first()
        || !knownToApertium(kept.first()) || (sourcesIn(candidates, kept.first()) & (ApertiumForward | ApertiumBackward)))
        return kept;
    return withFirstBehindApertiumsItems(std::move(kept), candidates, apertium);
}

// FreeDict eng-spa's only translation of a word may be a narrower word
// whose own sense is another ("seizure: apoplejía", where spa-eng has
// "apoplejía: fit, apoplectic fit, seizure, stroke"), and the pair both
// FreeDict dictionaries give outranks each of Apertium eng-spa's several
// translations (`apertium`: "confiscación", "incautación"). Where Apertium
// lacks that word in any sense (`knownToApertium`; withApertiumBeforeSideSense
// weighs the words it knows) and FreeDict spa-eng's row of it names the
// English word only after another (`placeBack`, its place there), it goes
// after the items Apertium eng-spa gives: a third dictionary confirms the
// translator's words, and the word's own row calls it something else first.
QStringList withApertiumBeforeNarrowSoleWord(QStringList kept, const QVector<std::pair<QString, int>> &candidates,
                                             const QStringList &freedict, const QStringList &apertium,
                                             const std::function<bool(const QString &)> &knownToApertium,
                                             const std::function<qsizetype(const QString &)> &placeBack)
{
    if (kept.size() < 2 || apertium.size() < 2 || freedict.size() != 1 || kept.first() != freedict.first()
        || knownToApertium(kept.first()) || placeBack(kept.first()) <= 0)
        return kept;
    return withFirstBehindApertiumsItems(std::move(kept), candidates, apertium);
}

// Apertium eng-spa's entries with a slipped gender tag ("seizure<n>" ->
// "ataque<n><f>", a masculine noun) only fill a row that has room, after
// its ranked items. Where such a noun is Apertium eng-spa's first entry for
// the word (`apertiumFirst`), a word of the frequency list (`rankOf`, 0 for
// a word it lacks), and the row's first is a word the list lacks that no
// source but Apertium eng-spa gives (`candidates`: "confiscación"), it goes
// first: the translator's first word is the common one, and only its tag
// slipped. A first that another dictionary confirms ("core": "núcleo",
// both Apertium lexicons) keeps its place.
QStringList withCommonSlippedNounFirst(QStringList kept, const QVector<std::pair<QString, int>> &candidates,
                                       const QStringList &slipped, const QString &apertiumFirst,
                                       const std::function<int(const QString &)> &rankOf)
{
    const qsizetype at = kept.indexOf(apertiumFirst);
    if (at <= 0 || !slipped.contains(apertiumFirst) || rankOf(apertiumFirst) == 0 || rankOf(kept.first()) > 0
        || sourcesIn(candidates, kept.first()) != ApertiumForward)
        return kept;
    kept.move(at, 0);
    return kept;
}

// Apertium gives a noun of either gender by its masculine lemma
// ("pigeon<n>" -> "palomo<n><GD>"), which names the male ("palomo") where
// the feminine form is the common word ("paloma"). Where FreeDict pairs the
// English word with the feminine form in "-a" but not with the lemma in
// "-o" (`freedictPairs`; "cat: gato" keeps "gato" before "gata"), the two
// change places in the row (`eitherGender`: Apertium's lemma of either
// gender).
QStringList withFeminineFormOfEitherGender(QStringList kept,
                                           const std::function<bool(const QString &)> &eitherGender,
                                           const std::function<bool(const QString &)> &freedictPairs)
{
    for (qsizetype i = 0; i < kept.size(); ++i) {
        const QString &lemma = kept.at(i);
        if (!lemma.endsWith(QLatin1Char('o')) || lemma.contains(QLatin1Char(' ')) || !eitherGender(lemma)
            || freedictPairs(lemma))
            continue;
        const qsizetype feminine = kept.indexOf(lemma.chopped(1) + QLatin1Char('a'), i + 1);
        if (feminine > 0 && freedictPairs(kept.at(feminine)))
            kept.swapItemsAt(i, feminine);
    }
    return kept;
}

// FreeDict sorts each sense's translations alphabetically, so within one
// sense its order tells nothing of the commoner word ("fabricar: 2.
// achieve, act, do, make, perform" puts "do" before "make"). After the
// row's first, items standing next to each other with the same sources
// (`candidates`) and from one alphabetical run of FreeDict's row
// (`freedict`) are ordered by how many German words link them (`links`:
// "make" through four, "do" through one); ties keep their order. The
// first numbered sense (`firstSense`) ends a run too, where the next
// sense's words happen to follow alphabetically ("cambiar: 1. alter,
// change 2. interchange, swap"), if the row's first item is of it: the
// sources then confirm that sense as the main one, and its words go first.
// A first sense the row's first is not of is often a side one ("prestar:
// 1. borrow 2. lend, loan"), and its place tells nothing.
QStringList withLinkedWithinASense(QStringList kept, const QVector<std::pair<QString, int>> &candidates,
                                   const QStringList &freedict, QStringList firstSense,
                                   const std::function<int(const QString &)> &links)
{
    if (kept.isEmpty() || !firstSense.contains(kept.first()))
        firstSense.clear();
    QHash<QString, int> sense;
    for (qsizetype i = 0, run = 0; i < freedict.size(); ++i) {
        if (i > 0
            && (withoutAccents(freedict.at(i - 1)).compare(withoutAccents(freedict.at(i)), Qt::CaseInsensitive) >= 0
                || (firstSense.contains(freedict.at(i - 1)) && !firstSense.contains(freedict.at(i)))))
            ++run;
        sense.insert(freedict.at(i), int(run));
    }
    const auto together = [&](const QString &a, const QString &b) {
        return sense.contains(a) && sense.value(a) == sense.value(b, -1)
               && sourcesIn(candidates, a) == sourcesIn(candidates, b);
    };
    for (qsizetype start = 1; start < kept.size();) {
        qsizetype end = start + 1;
        while (end < kept.size() && together(kept.at(start), kept.at(end)))
            ++end;
        std::stable_sort(kept.begin() + start, kept.begin() + end,
                         [&](const QString &a, const QString &b) { return links(a) > links(b); });
        start = end;
    }
    return kept;
}

// A Spanish row's candidates come in the order of the English rows that
// kept the word, so between equally ranked items that order, not the
// sources', decides the first ("mediar": "take part", kept by the English
// row, before "mediate"). When the first is no word the German pivot
// (`linked`) leads to, a later item it does lead to, ranking as high by its
// sources, that Apertium spa-eng (`apertium`: its English words in order)
// lists before the first, goes first: two sources agree on it. So does a
// linked item given by exactly the same sources as the first, FreeDict
// spa-eng among them: then only FreeDict's order of senses put the first
// before it ("arena: 1. arena 2. sand", where "Sand" links "sand").
QStringList withLinkedFirst(QStringList kept, const QVector<std::pair<QString, int>> &candidates,
                            const QStringList &apertium, const std::function<bool(const QString &)> &linked)
{
    if (kept.size() < 2 || linked(kept.first()))
        return kept;
    auto rankOf = [&](const QString &item) { return rank(sourcesIn(candidates, item)); };
    const int firstSources = sourcesIn(candidates, kept.first());
    const qsizetype firstPlace = apertium.indexOf(kept.first());
    for (qsizetype i = 1; i < kept.size(); ++i) {
        const QString item = kept.at(i);
        const qsizetype place = apertium.indexOf(item);
        const bool apertiumFirst = place >= 0 && (firstPlace < 0 || place < firstPlace);
        const bool onlyFreedictOrder =
            (firstSources & FreedictBackward) && sourcesIn(candidates, item) == firstSources;
        if ((apertiumFirst || onlyFreedictOrder) && rankOf(item) >= rankOf(kept.first()) && linked(item)) {
            kept.removeAt(i);
            kept.prepend(item);
            break;
        }
    }
    return kept;
}

// Where the German pivot knows a Spanish word through two German words
// that both lead to one English word of FreeDict spa-eng's first sense
// (`firstSense`), and to none of the row's first, a single word, that word
// goes first if it is the commoner English word (`rankOf`, 0 when
// unlisted): "acontecer" is "geschehen, passieren", both "happen", so
// "happen" goes before "become", which all four dictionaries pair with it
// by a shared slip.
QStringList withTwiceLinkedFirst(QStringList kept, const QStringList &firstSense,
                                 const std::function<int(const QString &)> &links,
                                 const std::function<int(const QString &)> &rankOf)
{
    if (kept.size() < 2 || kept.first().contains(QLatin1Char(' ')) || links(kept.first()) > 0)
        return kept;
    const int firstRank = rankOf(kept.first());
    for (qsizetype i = 1; i < kept.size(); ++i) {
        const int rank = rankOf(kept.at(i));
        if (firstSense.contains(kept.at(i)) && links(kept.at(i)) >= 2 && rank > 0
            && (firstRank == 0 || rank < firstRank)) {
            kept.move(i, 0);
            break;
        }
    }
    return kept;
}

// Whether `english` is the plural of the first FreeDict translation of the
// singular of a Spanish plural (`rows`: FreeDict spa-eng's rows by
// headword): "birds" for "aves", whose singular "ave" is "bird". It is
// the plural's literal sense, which the German pivot misses where its own
// dictionary gives the plural only a narrower word ("aves: Geflügel",
// poultry).
bool isPluralOfSingularsWord(const QString &english, const QString &spanish,
                             const QHash<QString, QStringList> &rows)
{
    if (english.isEmpty() || spanish.contains(QLatin1Char(' ')) || !spanish.endsWith(QLatin1Char('s')))
        return false;
    for (const QString &singular : {spanish.chopped(1), spanish.endsWith(QLatin1String("es")) ? spanish.chopped(2) : QString()}) {
        const QString word = rows.value(singular).value(0);
        if (!singular.isEmpty() && !word.isEmpty() && english == word + QLatin1Char('s'))
            return true;
    }
    return false;
}

// Whether a Spanish word and an English word translate each other as
// single words (`translates`: FreeDict spa-eng's or Apertium spa-eng's pair)
// or as the plurals of such a pair ("veces" and "times", from "vez: time";
// a Spanish "-ces" is the plural of a "-z").
bool isWordForWord(const QString &spanish, const QString &english,
                   const std::function<bool(const QString &, const QString &)> &translates)
{
    if (translates(spanish, english))
        return true;
    if (!spanish.endsWith(QLatin1Char('s')) || !english.endsWith(QLatin1Char('s')))
        return false;
    QStringList singulars{spanish.chopped(1)};
    if (spanish.endsWith(QLatin1String("ces")))
        singulars.append(spanish.chopped(3) + QLatin1Char('z'));
    else if (spanish.endsWith(QLatin1String("es")))
        singulars.append(spanish.chopped(2));
    return std::any_of(singulars.begin(), singulars.end(),
                       [&](const QString &singular) { return translates(singular, english.chopped(1)); });
}

// FreeDict spa-eng gives a Spanish phrase its literal English phrase first
// ("tres veces: three times, thrice"), and the learner's phrase is best
// matched by it; but a rarer single word the English rows share with
// Apertium ("thrice", four sources) outranks a phrase only FreeDict gives.
// Where FreeDict's first item (`freedictFirst`) renders the phrase word for
// word, each English word translating the Spanish word in its place
// (`translates`), it goes first. A first item that is not such a rendering
// ("raya: ray") is often a rare sense, and keeps its rank.
QStringList withLiteralPhraseFirst(QStringList kept, const QString &spanish, const QString &freedictFirst,
                                   const std::function<bool(const QString &, const QString &)> &translates)
{
    if (!spanish.contains(QLatin1Char(' ')) || freedictFirst.isEmpty() || kept.value(0) == freedictFirst
        || !kept.contains(freedictFirst))
        return kept;
    const QStringList spanishWords = spanish.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QStringList englishWords = freedictFirst.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (spanishWords.size() != englishWords.size())
        return kept;
    for (qsizetype i = 0; i < spanishWords.size(); ++i) {
        if (!isWordForWord(spanishWords.at(i), englishWords.at(i), translates))
            return kept;
    }
    kept.move(kept.indexOf(freedictFirst), 0);
    return kept;
}

// Apertium's first translation of an English word is sometimes a side
// sense ("careless" -> "inadvertido", mostly "unnoticed") that outranks
// FreeDict's word by Apertium's two lexicons alone, where Apertium lacks
// FreeDict's word altogether ("descuidado") and so never weighed it. When
// FreeDict eng-spa gives the word a single translation (`freedict`), FreeDict
// spa-eng pairs it with the word too, Apertium knows it in no sense
// (`knownToApertium`), the first of `kept` is no pair of FreeDict's, and
// the German pivot (`links`) links FreeDict's translation with the word but
// not the first ("descuidado" through "nachlässig"), FreeDict's goes first.
QStringList withSoleFreedictFirst(QStringList kept, const QVector<std::pair<QString, int>> &candidates,
                                  const QStringList &freedict,
                                  const std::function<bool(const QString &)> &knownToApertium,
                                  const std::function<int(const QString &)> &links)
{
    if (kept.size() < 2 || freedict.size() != 1 || kept.first() == freedict.first()
        || !kept.contains(freedict.first()) || knownToApertium(freedict.first()))
        return kept;
    const QString &sole = freedict.first();
    auto sourcesOf = [&](const QString &item) { return sourcesIn(candidates, item); };
    const int both = FreedictForward | FreedictBackward;
    if ((sourcesOf(kept.first()) & both) || (sourcesOf(sole) & both) != both)
        return kept;
    if (links(sole) == 0 || links(kept.first()) > 0)
        return kept;
    kept.removeOne(sole);
    kept.prepend(sole);
    return kept;
}

// A row FreeDict eng-spa does not give is Apertium's alone, and the order of
// its parts of speech is that of the compiled lexicon, which puts a word's
// verb before its noun whatever the word mostly is ("bead": "gotear", to
// form drops, before "cuenta"). Where the first item is a pair of the verb
// alone (`partsOfSpeech`: NounPair, VerbPair) and the English sides of
// trans-de-en (`uses`) use the word three times more often otherwise than as
// a verb, a noun of the row goes first: the commonest one by the frequency
// list (`rankOf`, 0 for a word it lacks), else the first ("launch":
// "lanzamiento", not the rarer "lancha" ranked before it).
QStringList withNounBeforeSideVerb(QStringList kept, const EnglishWordUses &uses,
                                   const std::function<int(const QString &)> &partsOfSpeech,
                                   const std::function<int(const QString &)> &rankOf)
{
    if (kept.size() < 2 || partsOfSpeech(kept.first()) != VerbPair || uses.other < 3 * std::max(1, uses.verb))
        return kept;
    auto noun = kept.end();
    int nounRank = 0;
    for (auto it = kept.begin() + 1; it != kept.end(); ++it) {
        if (!(partsOfSpeech(*it) & NounPair))
            continue;
        const int rank = rankOf(*it);
        if (noun == kept.end() || (rank > 0 && (nounRank == 0 || rank < nounRank))) {
            noun = it;
            nounRank = rank;
        }
    }
    if (noun != kept.end())
        std::rotate(kept.begin(), noun, noun + 1);
    return kept;
}

// Whether `english` is the "-ing" form of a verb `isVerb` knows: "pressing"
// of "press", "coming" of "come", "getting" of "get".
bool isIngFormOfAVerb(const QString &english, const std::function<bool(const QString &)> &isVerb)
{
    if (english.size() < 6 || !english.endsWith(QLatin1String("ing")) || english.contains(QLatin1Char(' ')))
        return false;
    const QString stem = english.chopped(3);
    if (isVerb(stem) || isVerb(stem + QLatin1Char('e')))
        return true;
    return stem.size() > 2 && stem.back() == stem.at(stem.size() - 2) && isVerb(stem.chopped(1));
}

// Apertium gives many "-ing" forms of verbs only as the noun of the action
// ("pressing<n>" -> "prensado", the pressing of grapes), and its two
// lexicons sharing that pair rank it before FreeDict's sense, though the
// word is as often the adjective ("a pressing matter"). Where a row led by
// such a noun of Apertium's alone (no FreeDict dictionary pairs it) holds a
// word both FreeDict dictionaries pair with the English word and Apertium
// knows only as an adjective (`adjectiveOnly`: "urgente"), the adjective
// goes first: the dictionaries agree on a use Apertium never weighed.
QStringList withAdjectiveBeforeVerbalNoun(QStringList kept, const QVector<std::pair<QString, int>> &candidates,
                                          const std::function<bool(const QString &)> &adjectiveOnly)
{
    const int freedict = FreedictForward | FreedictBackward;
    if (kept.size() < 2 || (sourcesIn(candidates, kept.first()) & freedict))
        return kept;
    for (qsizetype i = 1; i < kept.size(); ++i) {
        if ((sourcesIn(candidates, kept.at(i)) & freedict) == freedict && adjectiveOnly(kept.at(i))) {
            kept.move(i, 0);
            break;
        }
    }
    return kept;
}

// Apertium eng-spa's first translation of a word is its translator's
// main sense, but as the pair of that lexicon alone it ranks below
// FreeDict's pairs, and withApertiumFirstAtTheCap brings it back only at
// the place of a cut word ("benefit": "provecho, beneficiar, beneficio").
// Where that first translation is a noun's pair (`isNounPair`) of a word
// trans-de-en uses mostly as a noun (`mostlyNoun`), the row's first is no
// pair of Apertium eng-spa's, and the frequency list (`rankOf`) has
// Apertium's word much commoner than the first, it goes first ("plan":
// "plan" before "plano"). The caller passes no first translation where it
// is the man's noun of a woman's word ("saleswoman": "agente vendedor").
QStringList withApertiumsMainNounFirst(QStringList kept, const QVector<std::pair<QString, int>> &candidates,
                                       const QString &apertiumFirst, bool mostlyNoun,
                                       const std::function<bool(const QString &)> &isNounPair,
                                       const std::function<int(const QString &)> &rankOf)
{
    constexpr int kMuchCommoner = 4;
    const qsizetype at = kept.indexOf(apertiumFirst);
    if (!mostlyNoun || at <= 0 || (sourcesIn(candidates, kept.first()) & ApertiumForward) || !isNounPair(apertiumFirst))
        return kept;
    const int rank = rankOf(apertiumFirst);
    const int firstRank = rankOf(kept.first());
    if (rank == 0 || (firstRank > 0 && rank * kMuchCommoner > firstRank))
        return kept;
    kept.move(at, 0);
    return kept;
}

// Apertium eng-spa's translations of a word in one part of speech reach the
// importer in the order of the compiled lexicon, which is not its
// translator's order of senses ("referee<n>": "colegiado", a sports
// reporters' word, before "árbitro"), and two pairs both Apertium lexicons
// share rank alike. Where the row's first item is such a pair of Apertium's
// alone (no FreeDict dictionary gives it) that the German pivot (`links`)
// does not link with the English word, a later item of exactly the same
// sources in the same part of speech (`partsOfSpeech`) that the pivot does
// link goes first: a third dictionary confirms it ("árbitro" through
// "Schiedsrichter"). It does not pass over a first that the frequency list
// (`rankOf`, 0 for a word it lacks) has as the commoner word: "sail":
// "vela" stays before "aspa", the sail of a windmill.
QStringList withLinkedFirstAmongApertiumsOwn(QStringList kept, const QVector<std::pair<QString, int>> &candidates,
                                             const std::function<int(const QString &)> &partsOfSpeech,
                                             const std::function<int(const QString &)> &links,
                                             const std::function<int(const QString &)> &rankOf)
{
    if (kept.size() < 2)
        return kept;
    const int firstSources = sourcesIn(candidates, kept.first());
    if ((firstSources & (FreedictForward | FreedictBackward)) || !(firstSources & ApertiumForward)
        || links(kept.first()) > 0)
        return kept;
    const int firstParts = partsOfSpeech(kept.first());
    const int firstRank = rankOf(kept.first());
    const auto noRarer = [&](const QString &item) {
        const int rank = rankOf(item);
        return firstRank == 0 || (rank > 0 && rank <= firstRank);
    };
    for (qsizetype i = 1; i < kept.size(); ++i) {
        if (sourcesIn(candidates, kept.at(i)) == firstSources && partsOfSpeech(kept.at(i)) == firstParts
            && links(kept.at(i)) > 0 && noRarer(kept.at(i))) {
            kept.move(i, 0);
            break;
        }
    }
    return kept;
}

// Apertium eng-spa lists a word's noun before its adjective whatever the
// word mostly is, so between pairs its lexicons share alike the noun leads
// ("bold<n>" -> "negrita", the typeface, before "bold<adj>" ->
// "intrépido"). Where the row's first item is a noun's pair of Apertium's
// alone (`partsOfSpeech`: NounPair; no FreeDict dictionary gives it) and
// trans-de-en never gives the English word for a German noun (`nounUses`
// 0, the word met there otherwise), the first later item of exactly the
// same sources that is neither a noun's nor a verb's pair (an adjective's)
// goes first: it translates the word's usual use.
QStringList withAdjectiveBeforeUnusedNoun(QStringList kept, const QVector<std::pair<QString, int>> &candidates,
                                          int nounUses, const std::function<int(const QString &)> &partsOfSpeech)
{
    if (kept.size() < 2 || nounUses != 0 || partsOfSpeech(kept.first()) != NounPair)
        return kept;
    const int firstSources = sourcesIn(candidates, kept.first());
    if ((firstSources & (FreedictForward | FreedictBackward)) || !(firstSources & ApertiumForward))
        return kept;
    for (qsizetype i = 1; i < kept.size(); ++i) {
        if (sourcesIn(candidates, kept.at(i)) == firstSources && partsOfSpeech(kept.at(i)) == 0) {
            kept.move(i, 0);
            break;
        }
    }
    return kept;
}

// A translation only FreeDict eng-spa gives is left out of a row Apertium
// translates, as many of its items are damaged. Where Apertium eng-spa
// has no entry for the English word at all, the row has only Apertium
// spa-eng's reversed pairs of Spanish phrases ("por el estilo<adv>" ->
// "like that<adv>"). FreeDict's item stays there when Apertium spa-eng's
// own English for it shares a word with the headword (`apertiumsEnglish`:
// "así" -> "like this", beside "like that"): Apertium reads the Spanish
// word in the headword's sense, so the item is no damaged one. An item
// Apertium reads otherwise ("taking: adquisición", Apertium's
// "acquisition", of FreeDict's cut "taking over") stays out.
bool keepsFreedictItemBesideReversedOnly(const QString &headword, const QStringList &apertiumForward,
                                         const QStringList &apertiumsEnglish)
{
    if (!apertiumForward.isEmpty())
        return false;
    const QStringList words = headword.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return std::any_of(apertiumsEnglish.begin(), apertiumsEnglish.end(), [&](const QString &english) {
        const QStringList others = english.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        return std::any_of(others.begin(), others.end(), [&](const QString &word) { return words.contains(word); });
    });
}

// In a row Apertium eng-spa has no entry for, FreeDict eng-spa's items
// translate the English word itself, while Apertium's are its translations
// of Spanish phrases read backwards: the direct ones go first ("like
// that": "así" before "por el estilo").
QStringList withDirectFreedictFirst(QStringList kept, const QVector<std::pair<QString, int>> &candidates,
                                    const QStringList &apertiumForward)
{
    if (!apertiumForward.isEmpty())
        return kept;
    std::stable_partition(kept.begin(), kept.end(),
                          [&](const QString &item) { return sourcesIn(candidates, item) & FreedictForward; });
    return kept;
}

// Apertium maps quantifying pronouns loosely: "several<prn>" -> "muchos",
// which is "many<prn>" both ways. Where all four sources agree on one of a
// row's `candidates` ("several": "varios"), a pair Apertium eng-spa alone
// gives that `borrowed` judges another word's (a pronoun or determiner
// Apertium pairs both ways with another English word) is dropped.
void dropBorrowedPairs(QVector<std::pair<QString, int>> &candidates,
                       const std::function<bool(const QString &)> &borrowed)
{
    const int all = ApertiumForward | ApertiumBackward | FreedictForward | FreedictBackward;
    if (std::none_of(candidates.begin(), candidates.end(), [&](const auto &c) { return c.second == all; }))
        return;
    candidates.erase(std::remove_if(candidates.begin(), candidates.end(),
                                    [&](const auto &c) { return c.second == ApertiumForward && borrowed(c.first); }),
                     candidates.end());
}

// Apertium eng-spa lists a word's verb before its other parts of speech, so
// between translations its sources rank alike that order alone puts the verb
// first ("thin": "adelgazar" before "delgado", both paired both ways). Where
// the first item is a pair of the verb alone (`partsOfSpeech`) and
// trans-de-en's English sides (`uses`) use the word three times more often
// otherwise than as a verb, the first later item of Apertium eng-spa that
// ranks as high by its sources and is neither a verb's nor a noun's pair (an
// adjective's: "delgado") goes first. A noun is not moved so: trans-de-en's
// English sides use many verbs as nouns' modifiers ("stop sign").
QStringList withMainUseFirstAmongEquals(QStringList kept, const QVector<std::pair<QString, int>> &candidates,
                                        const EnglishWordUses &uses,
                                        const std::function<int(const QString &)> &partsOfSpeech)
{
    if (kept.size() < 2 || partsOfSpeech(kept.first()) != VerbPair || uses.other < 3 * std::max(1, uses.verb))
        return kept;
    const int firstRank = rank(sourcesIn(candidates, kept.first()));
    for (auto it = kept.begin() + 1; it != kept.end(); ++it) {
        const int sources = sourcesIn(candidates, *it);
        if (rank(sources) == firstRank && (sources & ApertiumForward) && partsOfSpeech(*it) == 0) {
            std::rotate(kept.begin(), it, it + 1);
            break;
        }
    }
    return kept;
}

// Apertium eng-spa gives one translation first in each part of speech of an
// English word, and a pair it shares with spa-eng outranks one of eng-spa
// alone: "beyond<pr>" -> "allende" (both ways) leads, "beyond<adv>" -> "más
// allá" (spa-eng reads it as "further") falls to the cap. Where the row's
// first item is such a rare pair of Apertium's alone (no FreeDict
// dictionary pairs it, the frequency list lacks it: `rankOf` 0) and
// Apertium's first translation of another part of speech of the word is one
// of the kCommonWords commonest Spanish words, that one leads, taken back
// from the candidates if the cap cut it: "beyond": "más allá, allende".
// A candidate `usedSo` rejects (a noun's pair where trans-de-en never uses
// the English word as a noun) does not lead: "coming" is a verb's form and
// an adjective, and its noun "mayoría" is of "coming of age".
QStringList withCommonPartOfSpeechFirst(QStringList kept, const QVector<std::pair<QString, int>> &candidates,
                                        const std::function<bool(const QString &)> &firstOfAPartOfSpeech,
                                        const std::function<int(const QString &)> &rankOf,
                                        const std::function<bool(const QString &)> &usedSo)
{
    constexpr int kCommonWords = 1000;
    if (kept.isEmpty())
        return kept;
    const int firstSources = sourcesIn(candidates, kept.first());
    if ((firstSources & (FreedictForward | FreedictBackward)) || !(firstSources & ApertiumForward)
        || rankOf(kept.first()) > 0)
        return kept;
    QString common;
    int commonRank = 0;
    for (const auto &[item, sources] : candidates) {
        const int rank = rankOf(item);
        if (item != kept.first() && (sources & ApertiumForward) && rank > 0 && rank <= kCommonWords
            && (commonRank == 0 || rank < commonRank) && firstOfAPartOfSpeech(item) && usedSo(item)) {
            common = item;
            commonRank = rank;
        }
    }
    if (common.isEmpty())
        return kept;
    kept.removeOne(common);
    kept.prepend(common);
    if (kept.size() > kMaxSpanishTranslations)
        kept.removeLast();
    return kept;
}

// A Spanish row FreeDict spa-eng does not give lists its English words in
// the order of the English rows that kept it, which tells nothing of the
// main sense ("auxiliar": "stewardess", from the row of that word, before
// "auxiliary"). Of the words as well sourced as the first
// (`candidates`), one Apertium spa-eng gives in more of the Spanish word's
// parts of speech (`backwardParts`: "auxiliar<adj>" and "auxiliar<n>" ->
// "auxiliary", only "auxiliar<n>" -> "stewardess") goes first: it is the
// word's general translation, the other a use of one part of speech.
QStringList withWidestFirst(QStringList kept, const QVector<std::pair<QString, int>> &candidates,
                            const std::function<int(const QString &)> &backwardParts)
{
    if (kept.size() < 2)
        return kept;
    const int sources = sourcesIn(candidates, kept.first());
    auto widest = kept.begin();
    int parts = backwardParts(kept.first());
    for (auto it = kept.begin() + 1; it != kept.end(); ++it) {
        if (sourcesIn(candidates, *it) != sources)
            continue;
        if (const int own = backwardParts(*it); own > parts) {
            widest = it;
            parts = own;
        }
    }
    std::rotate(kept.begin(), widest, widest + 1);
    return kept;
}

bool isCognate(const QString &spanish, const QString &english);

// Apertium eng-spa gives some English nouns an adjective entry for their
// use before another noun ("news<adj>" -> "noticioso<adj>", of "news
// programme"), beside the noun's ("news<n>" -> "noticia"). Where FreeDict's
// first translation is the plural of a noun item that leads it (`isNoun`:
// "noticias", of "noticia"), FreeDict reads the word as that noun: an item
// between them that Apertium knows only as an adjective (`isAdjective`)
// goes behind the plural ("news": "noticia, noticias, noticioso").
QStringList withNounsPluralBeforeAttributiveAdjective(QStringList kept, const QString &freedictFirst,
                                                      const std::function<bool(const QString &)> &isNoun,
                                                      const std::function<bool(const QString &)> &isAdjective)
{
    const qsizetype plural = kept.indexOf(freedictFirst);
    if (plural < 2)
        return kept;
    qsizetype noun = -1;
    for (qsizetype i = 0; i < plural; ++i) {
        const QString &item = kept.at(i);
        if (isNoun(item) && (freedictFirst == item + QLatin1Char('s') || freedictFirst == item + QLatin1String("es")))
            noun = i;
    }
    if (noun < 0)
        return kept;
    QStringList adjectives;
    for (qsizetype i = plural - 1; i > noun; --i) {
        if (isAdjective(kept.at(i)) && !isNoun(kept.at(i)))
            adjectives.prepend(kept.takeAt(i));
    }
    if (adjectives.isEmpty())
        return kept;
    const qsizetype at = kept.indexOf(freedictFirst) + 1;
    for (qsizetype i = 0; i < adjectives.size(); ++i)
        kept.insert(at + i, adjectives.at(i));
    return kept;
}

// FreeDict eng-spa's first numbered sense of an English word (`firstSense`,
// "blank: 1. blanco 2. formulario, hoja") is the word's main sense, but an
// item only that dictionary gives is left out of a row Apertium mends, as
// many such items are the senses of a phrase cut to its first word ("go: 1.
// bajar", of "go down"). A phrase's senses translate the whole phrase and
// seldom share the start of its first word; an item of the first sense that
// does (isCognate: "blanco" for "blank"), and that Apertium knows as a word
// (`known`), is the headword's own sense. The start is four letters: a
// shorter headword begins too many words ("act": "acta", "actor",
// "actual"). Where no item of that sense is among the row's `candidates`,
// it is returned; otherwise an empty string.
QString firstSenseCognate(const QString &english, const QStringList &firstSense,
                          const QVector<std::pair<QString, int>> &candidates,
                          const std::function<bool(const QString &)> &known)
{
    if (english.size() < 4
        || std::any_of(firstSense.begin(), firstSense.end(),
                    [&](const QString &item) { return sourcesIn(candidates, item) != 0; }))
        return {};
    for (const QString &item : firstSense) {
        if (!item.contains(QLatin1Char(' ')) && isCognate(item, english) && known(item))
            return item;
    }
    return {};
}

// The first sense's cognate (firstSenseCognate) leads the row, which keeps
// kMaxSpanishTranslations: FreeDict put that sense first, and the other
// sources give the word's other senses ("blank": "blanco" before Apertium's
// noun "espacio").
QStringList withFirstSenseCognateFirst(QStringList kept, const QString &cognate)
{
    if (cognate.isEmpty())
        return kept;
    kept.removeAll(cognate);
    kept.prepend(cognate);
    while (kept.size() > kMaxSpanishTranslations)
        kept.removeLast();
    return kept;
}

// The cap of a Spanish row can cut the English cognate whose own row the
// Spanish word leads, as Apertium eng-spa's translation of it
// ("magnificent<adj>" -> "magnífico"), while it keeps pairs of FreeDict's
// alone whose English rows do not hold the Spanish word at all ("magnífico:
// lovely", where "lovely" keeps "precioso, hermoso, ..."): one source
// against two, though the cognate is the word's main sense. Such a cut
// word (`leadsItsRow`) takes the place of the last kept item that no
// Apertium lexicon gives and whose English row lacks the Spanish word
// (`inItsRow`).
QStringList withCognateLeadAtTheCap(QStringList kept, const QVector<std::pair<QString, int>> &candidates,
                                    const QString &spanish, const std::function<bool(const QString &)> &leadsItsRow,
                                    const std::function<bool(const QString &)> &inItsRow)
{
    if (kept.size() < kMaxSpanishTranslations)
        return kept;
    const int apertium = ApertiumForward | ApertiumBackward;
    for (const auto &[english, sources] : candidates) {
        if (kept.contains(english) || !(sources & ApertiumForward) || !isCognate(spanish, english)
            || !leadsItsRow(english))
            continue;
        for (qsizetype i = kept.size() - 1; i > 0; --i) {
            if (!(sourcesIn(candidates, kept.at(i)) & apertium) && !inItsRow(kept.at(i))) {
                kept[i] = english;
                return kept;
            }
        }
        return kept;
    }
    return kept;
}

// A Spanish row's candidates come first from the English rows that kept
// the word, so a pair only Apertium eng-spa gives ("brief<n>" ->
// "escrito") can lead a row whose own lexicon, Apertium spa-eng, gives
// another word of that part of speech alone ("escrito<n>" -> "writing"):
// the two rank alike. The row's own direct entry, a single word, goes
// first then (`sameDirectPart`: Apertium spa-eng gives it in the part of
// speech Apertium eng-spa gives the first, whose own first sense the
// Spanish word is not). A phrase ("bolsa": "stock exchange") is a narrower
// use than the word it would displace ("bag").
QStringList withDirectBeforeReversed(QStringList kept, const QVector<std::pair<QString, int>> &candidates,
                                     const std::function<bool(const QString &, const QString &)> &sameDirectPart)
{
    if (kept.size() < 2 || sourcesIn(candidates, kept.first()) != ApertiumForward)
        return kept;
    for (qsizetype i = 1; i < kept.size(); ++i) {
        if (sourcesIn(candidates, kept.at(i)) == ApertiumBackward && !kept.at(i).contains(QLatin1Char(' '))
            && sameDirectPart(kept.at(i), kept.first())) {
            kept.move(i, 0);
            break;
        }
    }
    return kept;
}

// The cap of a row cuts candidates that both FreeDict dictionaries alone
// give, like the last ones kept, so that FreeDict's order of senses alone
// decides which stay ("rob: 1. despojar, privar 2. hurtar, robar" loses
// "robar"). Where none of the kept ones is in the frequency lists
// (`rankOf`), a cut one that is, whose own spa-eng row names the row's word
// first and that the German pivot links with it (`confirmed`: "robar"
// through "rauben"), takes the place of the last of them: the common word
// before the rare ones.
QStringList withCommonWordAtTheCap(QStringList kept, const QVector<std::pair<QString, int>> &candidates,
                                   const std::function<int(const QString &)> &rankOf,
                                   const std::function<bool(const QString &)> &confirmed)
{
    if (kept.size() < kMaxSpanishTranslations || candidates.size() <= kept.size())
        return kept;
    const int freedict = FreedictForward | FreedictBackward;
    for (const QString &item : std::as_const(kept)) {
        if (sourcesIn(candidates, item) == freedict && rankOf(item) > 0)
            return kept;
    }
    for (const auto &[item, sources] : candidates) {
        if (kept.contains(item) || sources != freedict || rankOf(item) == 0 || !confirmed(item))
            continue;
        for (qsizetype i = kept.size() - 1; i >= 0 && sourcesIn(candidates, kept.at(i)) == freedict; --i) {
            if (rankOf(kept.at(i)) == 0) {
                kept[i] = item;
                break;
            }
        }
    }
    return kept;
}

// Whether a translation given in `parts` (NounPair, VerbPair) is of the
// English word's main use by trans-de-en's English sides (`uses`): a noun's
// of a word used as a verb no more often than otherwise, a verb's of a word
// used so at least as often. A translation of another part of speech
// (adjective, adverb) or of both is not decided by them.
bool isMainUse(int parts, const EnglishWordUses &uses)
{
    if (parts == NounPair)
        return uses.other >= uses.verb;
    if (parts == VerbPair)
        return uses.verb >= uses.other;
    return true;
}

// Apertium eng-spa's first translation of a word is its translator's main
// sense in one part of speech, but as a pair of that lexicon alone it ranks
// below the pairs both FreeDict dictionaries share, and a full row can cut
// it ("command": "orden" lost to "capitanear"). A cut first translation of
// Apertium's (`apertiumFirst`) that `common` accepts (a word of the
// frequency list, of the English word's main use) takes the place of the
// last kept item no Apertium lexicon pairs with the word that is
// `replaceable` (the frequency list lacks it and the German pivot does not
// link it with the word). Without such an item it takes the place of the
// last kept one Apertium eng-spa gives after it in the same part of speech
// that the frequency list lacks (`laterOfItsPart`: "benefit<n>" ->
// "beneficio", then "prestación"), which Apertium spa-eng's pair ranked higher:
// the translator's own order and the commoner word agree.
QStringList withApertiumFirstAtTheCap(QStringList kept, const QVector<std::pair<QString, int>> &candidates,
                                      const QString &apertiumFirst,
                                      const std::function<bool(const QString &)> &replaceable,
                                      const std::function<bool(const QString &)> &common,
                                      const std::function<bool(const QString &)> &laterOfItsPart = {})
{
    if (kept.size() < kMaxSpanishTranslations || apertiumFirst.isEmpty() || kept.contains(apertiumFirst)
        || !(sourcesIn(candidates, apertiumFirst) & ApertiumForward) || !common(apertiumFirst))
        return kept;
    const int apertium = ApertiumForward | ApertiumBackward;
    for (qsizetype i = kept.size() - 1; i >= 0; --i) {
        if (!(sourcesIn(candidates, kept.at(i)) & apertium) && replaceable(kept.at(i))) {
            kept[i] = apertiumFirst;
            return kept;
        }
    }
    for (qsizetype i = kept.size() - 1; laterOfItsPart && i >= 0; --i) {
        if (laterOfItsPart(kept.at(i))) {
            kept[i] = apertiumFirst;
            break;
        }
    }
    return kept;
}

// The infinitive of a reflexive one ("levantarse" -> "levantar"), which
// the frequency list holds where it lacks the reflexive form; other words
// as they are.
QString reflexiveBase(const QString &spanish)
{
    if (spanish.size() > 5 && !spanish.contains(QLatin1Char(' ')) && spanish.endsWith(QLatin1String("se"))) {
        const QString infinitive = spanish.chopped(2);
        if (infinitive.endsWith(QLatin1String("ar")) || infinitive.endsWith(QLatin1String("er"))
            || infinitive.endsWith(QLatin1String("ir")) || infinitive.endsWith(QLatin1String("ír")))
            return infinitive;
    }
    return spanish;
}

// withApertiumFirstAtTheCap brings back only Apertium eng-spa's first
// translation, but its later ones are its translator's other main senses
// ("picture<n>" -> "cuadro", "fotografía"), and a full row of pairs both
// FreeDict dictionaries share can cut them for the rare words of one
// FreeDict sense ("picture: 1. grabado, imagen, reproducción, retrato").
// Each cut translation of Apertium eng-spa that `common` accepts (a word of
// the frequency list, of the English word's main use), the commonest
// (`rankOf`) first, takes the place of the last kept item that is
// `replaceable` (the frequency list lacks it and the German pivot does not
// link it with the word) and that no Apertium lexicon pairs with the word.
// The common word of the translator goes before a rare one of FreeDict's.
QStringList withApertiumsCommonWordsAtTheCap(QStringList kept, const QVector<std::pair<QString, int>> &candidates,
                                             const std::function<bool(const QString &)> &replaceable,
                                             const std::function<bool(const QString &)> &common,
                                             const std::function<int(const QString &)> &rankOf)
{
    if (kept.size() < kMaxSpanishTranslations)
        return kept;
    QVector<std::pair<int, QString>> cut;
    for (const auto &[item, sources] : candidates) {
        if ((sources & ApertiumForward) && !kept.contains(item) && common(item))
            cut.append({rankOf(item), item});
    }
    std::stable_sort(cut.begin(), cut.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    const int apertium = ApertiumForward | ApertiumBackward;
    for (const auto &[itemRank, item] : std::as_const(cut)) {
        for (qsizetype i = kept.size() - 1; i >= 0; --i) {
            if (!(sourcesIn(candidates, kept.at(i)) & apertium) && replaceable(kept.at(i))) {
                kept[i] = item;
                break;
            }
        }
    }
    return kept;
}

// A full row of FreeDict's pairs can cut every translation Apertium eng-spa
// gives the word, though its translator always uses one of them ("meet":
// FreeDict's "quedar, hallar, encontrar, ir a buscar a" cut "conocer").
// Then the commonest of them (`rankOf`, the frequency list) takes the place
// of the rarest kept item, the last of those the list lacks, when that is
// rarer still.
QStringList withApertiumWordAtTheCap(QStringList kept, const QVector<std::pair<QString, int>> &candidates,
                                     const std::function<int(const QString &)> &rankOf)
{
    if (kept.size() < kMaxSpanishTranslations
        || std::any_of(kept.cbegin(), kept.cend(),
                       [&](const QString &item) { return sourcesIn(candidates, item) & ApertiumForward; }))
        return kept;
    QString common;
    int commonRank = 0;
    for (const auto &[item, sources] : candidates) {
        const int rank = rankOf(item);
        if ((sources & ApertiumForward) && rank > 0 && (commonRank == 0 || rank < commonRank)) {
            common = item;
            commonRank = rank;
        }
    }
    if (common.isEmpty())
        return kept;
    qsizetype rarest = -1;
    int rarestRank = commonRank;
    for (qsizetype i = 0; i < kept.size(); ++i) {
        const int rank = rankOf(kept.at(i));
        if (rank == 0 || (rarestRank > 0 && rank > rarestRank)) {
            rarest = i;
            rarestRank = rank;
        }
    }
    if (rarest >= 0)
        kept[rarest] = common;
    return kept;
}

// Whether an English phrase is a word and one adverb particle ("throw
// out", "wake up"): a phrasal verb, a narrower use of its plain word. A
// compound whose head comes last ("oil tanker", "port wine") is not.
bool isPhrasalExtension(const QString &phrase, const QString &word)
{
    static const QSet<QString> particles{
        QStringLiteral("about"), QStringLiteral("across"), QStringLiteral("along"), QStringLiteral("around"),
        QStringLiteral("away"),  QStringLiteral("back"),   QStringLiteral("down"),  QStringLiteral("in"),
        QStringLiteral("of"),    QStringLiteral("off"),    QStringLiteral("on"),    QStringLiteral("out"),
        QStringLiteral("over"),  QStringLiteral("through"), QStringLiteral("up"),   QStringLiteral("with")};
    return !word.contains(QLatin1Char(' ')) && phrase.size() > word.size() + 1 && phrase.startsWith(word)
        && phrase.at(word.size()) == QLatin1Char(' ') && particles.contains(phrase.mid(word.size() + 1));
}

// Apertium counts a phrasal verb ("tirar" -> "throw out") as one more pair
// of the word it extends, so where its other lexicon pairs the phrase too,
// the phrase outranks the plain word that lexicon gives first ("throw").
// The plain word is the general sense and the phrase a narrower use of it:
// a word of the row that shares an Apertium lexicon with its phrasal verb
// (`candidates`: word and sources) takes the phrase's place, and the phrase
// follows it.
QStringList withWordBeforeItsPhrase(QStringList kept, const QVector<std::pair<QString, int>> &candidates)
{
    const int apertium = ApertiumForward | ApertiumBackward;
    for (qsizetype i = 0; i < kept.size(); ++i) {
        const QString phrase = kept.at(i);
        const int phraseSources = sourcesIn(candidates, phrase) & apertium;
        if (!phraseSources)
            continue;
        for (qsizetype j = i + 1; j < kept.size(); ++j) {
            const QString &word = kept.at(j);
            if (isPhrasalExtension(phrase, word) && (sourcesIn(candidates, word) & phraseSources)) {
                kept.move(j, i);
                break;
            }
        }
    }
    return kept;
}

// The row of a headword Apertium does not know keeps FreeDict's order, whose
// first translation may be a rare sense ("acquaintance: 1. notoriedad 2.
// conocido"). When Apertium knows that first translation
// (`knownToApertium`), and so only in other senses ("notoriedad" ->
// "notoriety"), a later single word Apertium does not know, that the other
// FreeDict dictionary pairs with the headword (`pairedBack`) and that is
// much commoner (`rankOf`) goes first.
QStringList withUncontradictedFirst(QStringList items, const std::function<bool(const QString &)> &knownToApertium,
                                    const std::function<bool(const QString &)> &pairedBack,
                                    const std::function<int(const QString &)> &rankOf)
{
    if (items.size() < 2 || !knownToApertium(items.first()))
        return items;
    const qsizetype end = items.size();
    return withMuchCommonerFirst(std::move(items), end, rankOf, [&](const QString &item) {
        return !item.contains(QLatin1Char(' ')) && !knownToApertium(item) && pairedBack(item);
    });
}

// The number of items at the start of a row in alphabetical order: where
// FreeDict sorts each sense's translations so, its first sense ends no
// earlier ("1. saldar 2. matar" ends after "saldar").
qsizetype alphabeticalRun(const QStringList &items)
{
    qsizetype run = items.isEmpty() ? 0 : 1;
    while (run < items.size()
           && withoutAccents(items.at(run - 1)).compare(withoutAccents(items.at(run)), Qt::CaseInsensitive) < 0)
        ++run;
    return run;
}

// The other way round: FreeDict eng-spa sorts each sense's translations
// alphabetically ("timber: leño, madera"), so a first translation Apertium
// does not know (`knownToApertium`: "leño") is no evidence of the main one. A
// later single word of the same alphabetical run that Apertium knows, that
// the other FreeDict dictionary pairs with the headword (`pairedBack`:
// "madera: timber, wood") and that is much commoner (`rankOf`) goes first.
QStringList withKnownFirst(QStringList items, const std::function<bool(const QString &)> &knownToApertium,
                           const std::function<bool(const QString &)> &pairedBack,
                           const std::function<int(const QString &)> &rankOf)
{
    if (items.size() < 2 || knownToApertium(items.first()))
        return items;
    const qsizetype run = alphabeticalRun(items);
    return withMuchCommonerFirst(std::move(items), run, rankOf, [&](const QString &item) {
        return !item.contains(QLatin1Char(' ')) && knownToApertium(item) && pairedBack(item);
    });
}

// FreeDict eng-spa gives the translations of a sense in alphabetical order,
// so the first of that run is no evidence of the main one. The other
// FreeDict dictionary names the headword sooner among the senses of a main
// translation than among those of a side one ("mostrar: indicate, point
// out, show" against "designar: 1. indicate, suggest 2. point out, show"):
// of the first alphabetical run, the single word whose own row
// (`placeBack`: the headword's place in it, -1 without) names the headword
// soonest, and sooner than the first item's row does, goes first. A first
// item that shares its start with the headword is its cognate ("censure":
// "censurar") and stays. Where the rows name the headword equally soon
// ("áspid: adder, viper", "víbora: adder, viper"), a word Apertium knows
// (`knownToApertium`: "víbora") goes before a first one it lacks, a rarer
// word as a rule ("áspid").
bool isVowel(QChar c)
{
    return QStringLiteral("aeiouy").contains(c.toLower());
}

// Whether a Spanish word shares its start with an English one ("censurar":
// "censure"), Spanish putting "e" before an "s" and a consonant
// ("escrupuloso": "scrupulous").
bool isCognate(const QString &spanish, const QString &english)
{
    const QString start = withoutAccents(english).left(4);
    const QString word = withoutAccents(spanish);
    if (word.startsWith(start, Qt::CaseInsensitive))
        return true;
    return start.size() > 1 && start.startsWith(QLatin1Char('s'), Qt::CaseInsensitive) && !isVowel(start.at(1))
        && word.startsWith(QLatin1Char('e'), Qt::CaseInsensitive) && word.mid(1).startsWith(start, Qt::CaseInsensitive);
}

QStringList withSoonestNamedFirst(QStringList items, const QString &headword,
                                  const std::function<qsizetype(const QString &)> &placeBack,
                                  const std::function<bool(const QString &)> &knownToApertium)
{
    const qsizetype run = alphabeticalRun(items);
    if (run < 2 || isCognate(items.first(), headword))
        return items;
    const auto place = [&](const QString &item) {
        const qsizetype at = placeBack(item);
        return at < 0 ? std::numeric_limits<qsizetype>::max() : at;
    };
    qsizetype best = 0;
    for (qsizetype i = 1; i < run; ++i) {
        const QString &item = items.at(i);
        if (!item.contains(QLatin1Char(' ')) && place(item) < place(items.at(best)))
            best = i;
    }
    if (best == 0 && place(items.first()) != std::numeric_limits<qsizetype>::max()
        && !items.first().contains(QLatin1Char(' ')) && !knownToApertium(items.first())) {
        for (qsizetype i = 1; i < run && best == 0; ++i) {
            const QString &item = items.at(i);
            if (!item.contains(QLatin1Char(' ')) && place(item) == place(items.first()) && knownToApertium(item))
                best = i;
        }
    }
    // FreeDict's first sense is sometimes a side one ("barn: 1. barraca,
    // cobertizo 2. granero"): where no word of it has the headword first in
    // its own row, a later single word whose row does goes first.
    if (best == 0 && place(items.first()) > 0) {
        bool runNamesFirst = false;
        for (qsizetype i = 0; i < run; ++i)
            runNamesFirst = runNamesFirst || place(items.at(i)) == 0;
        for (qsizetype i = run; i < items.size() && !runNamesFirst && best == 0; ++i) {
            if (!items.at(i).contains(QLatin1Char(' ')) && place(items.at(i)) == 0)
                best = i;
        }
    }
    if (best > 0)
        items.move(best, 0);
    return items;
}

// The word an English word of Apertium's both-way pairs adds to a Spanish
// row holding `items`, or an empty string when the row has it already.
// Apertium writes adjectives of nationality in lower case: beside a
// capitalised item ("Slovak") such a word takes its capital ("slovakian" ->
// "Slovakian"), and it is no new word beside an item it only writes in
// other case ("south african" beside "South African").
QString wordJoining(const QString &english, const QStringList &items)
{
    const bool capitalised =
        std::any_of(items.cbegin(), items.cend(), [](const QString &item) { return !item.isEmpty() && item.front().isUpper(); });
    const QString word =
        capitalised && !english.isEmpty() && english.front().isLower() ? english.front().toUpper() + english.mid(1) : english;
    return items.contains(word, Qt::CaseInsensitive) ? QString() : word;
}

int leftOut(const QStringList &before, const QStringList &after)
{
    return int(std::count_if(before.begin(), before.end(), [&after](const QString &item) { return !after.contains(item); }));
}

} // namespace

SpanishCore mergeSpanishLexicon(const QStringList &coreEnglish, const SenseRows &englishSpanish,
                                const SenseRows &spanishEnglish, const QVector<LexiconEntry> &lexiconEnglishSpanish,
                                const QVector<LexiconEntry> &lexiconSpanishEnglish,
                                const std::function<int(const QString &, const QString &)> &germanLinks,
                                const QHash<QString, EnglishWordUses> &englishUses,
                                const QHash<QString, QStringList> &spanishFirstSenses,
                                const QHash<QString, int> &englishNounUses, const QSet<QString> &spanishWords,
                                const QHash<QString, QStringList> &englishFirstSenses)
{
    const Evidence evidence(englishSpanish, spanishEnglish, lexiconEnglishSpanish, lexiconSpanishEnglish, spanishWords);
    const ApertiumParts parts(lexiconEnglishSpanish, lexiconSpanishEnglish);
    const WordRanks &spanishRanks = WordRanks::forLanguage(QStringLiteral("es"));
    const WordRanks &englishRanks = WordRanks::forLanguage(QStringLiteral("en"));
    SpanishCore core;

    const QSet<QString> coreSet(coreEnglish.cbegin(), coreEnglish.cend());
    QHash<QString, QStringList> spanishRowsByWord;
    for (const auto &[spanish, english] : spanishEnglish) {
        if (!spanishRowsByWord.contains(spanish))
            spanishRowsByWord.insert(spanish, english);
    }
    QHash<QString, qsizetype> englishRow;
    for (const auto &[english, spanish] : englishSpanish) {
        englishRow.insert(english, core.englishSpanish.size());
        core.englishSpanish.append({english, spanish});
    }
    // Spanish word -> the English core words whose changed rows kept it.
    QHash<QString, QStringList> gained;
    QStringList gainedOrder;
    for (const QString &english : coreEnglish) {
        const QString spelling = evidence.apertiumSpelling(english);
        if (spelling.isEmpty()) {
            const qsizetype row = englishRow.value(english, -1);
            if (row < 0)
                continue;
            QStringList &items = core.englishSpanish[row].second;
            const auto known = [&](const QString &spanish) { return evidence.knowsSpanish(spanish); };
            const auto pairedBack = [&](const QString &spanish) { return evidence.freedictBackward(english, spanish); };
            const auto rankOf = [&spanishRanks](const QString &spanish) { return spanishRanks.rank(spanish); };
            const auto placeBack = [&](const QString &spanish) {
                return spanishRowsByWord.value(spanish).indexOf(english);
            };
            // A row the frequency rules reordered has its first on better
            // evidence than the places.
            QStringList reordered =
                withKnownFirst(withUncontradictedFirst(items, known, pairedBack, rankOf), known, pairedBack, rankOf);
            if (reordered == items)
                reordered = withSoonestNamedFirst(items, english, placeBack, known);
            if (reordered != items) {
                items = reordered;
                ++core.rowsMended;
            }
            continue;
        }
        const qsizetype row = englishRow.value(english, -1);
        const QStringList freedict = row >= 0 ? core.englishSpanish.at(row).second : QStringList();
        QStringList order = evidence.forward(spelling);
        for (const QString &item : freedict)
            appendNew(order, item);
        for (const QString &item : evidence.backward(spelling))
            appendNew(order, item);
        QVector<std::pair<QString, int>> candidates;
        for (const QString &spanish : std::as_const(order)) {
            // A spelling with wrong accents is a typo of the dictionary:
            // beside the right one it is left out ("difícil, dificil"),
            // alone it becomes the right one ("gámba" -> "gamba").
            const QString accented = evidence.accentedSpelling(spanish);
            if (!accented.isEmpty() && order.contains(accented))
                continue;
            const QString item = accented.isEmpty() ? spanish : accented;
            const int sources = evidence.sources(english, spelling, item);
            if ((sources != FreedictForward || parts.isNounItLacks(spelling, item)
                 || keepsFreedictItemBesideReversedOnly(english, evidence.forward(spelling), evidence.englishOf(item)))
                && std::none_of(candidates.begin(), candidates.end(), [&](const auto &c) { return c.first == item; }))
                candidates.append({item, sources});
        }
        dropBorrowedPairs(candidates, [&](const QString &spanish) {
            const QStringList english = evidence.englishOf(spanish);
            return parts.isPronounOnly(spanish) && std::any_of(english.begin(), english.end(), [&](const QString &other) {
                       return other != spelling && evidence.bothWays(other, spanish);
                   });
        });
        QString freedictFirst;
        for (const QString &item : freedict) {
            const QString accented = evidence.accentedSpelling(item);
            const QString spelt = accented.isEmpty() ? item : accented;
            if (std::any_of(candidates.begin(), candidates.end(), [&](const auto &c) { return c.first == spelt; })) {
                freedictFirst = spelt;
                break;
            }
        }
        const QString apertiumFirst = evidence.apertiumFirstSpanish(spelling);
        QStringList kept = withMainFirst(
            withApertiumFirst(withCommonWordAtTheCap(
                                  ranked(candidates), candidates,
                                  [&spanishRanks](const QString &spanish) { return spanishRanks.phraseRank(spanish); },
                                  [&](const QString &spanish) {
                                      return spanishRowsByWord.value(spanish).value(0) == english
                                          && germanLinks && germanLinks(spanish, english) > 0;
                                  }),
                              candidates, freedictFirst,
                              evidence.forward(spelling).size() == 1
                                      && !evidence.givesTheMansNoun(spelling, apertiumFirst)
                                  ? apertiumFirst
                                  : QString()),
            candidates, freedictFirst,
            apertiumFirst,
            [&](const QString &spanish) { return evidence.meansFirst(spanish, english, spelling); },
            [&spanishRanks](const QString &spanish) { return spanishRanks.phraseRank(spanish); });
        if (kept.isEmpty())
            continue;
        kept = withDirectFreedictFirst(kept, candidates, evidence.forward(spelling));
        kept = withNounsPluralBeforeAttributiveAdjective(
            kept, freedictFirst,
            [&](const QString &spanish) { return evidence.partsOfSpeech(spelling, spanish) & NounPair; },
            [&](const QString &spanish) { return parts.isAdjectiveOnly(spanish); });
        kept = withApertiumBeforeSideSense(kept, candidates, freedict, evidence.forward(spelling),
                                           [&](const QString &spanish) { return evidence.knowsSpanish(spanish); });
        kept = withApertiumBeforeNarrowSoleWord(
            kept, candidates, freedict, evidence.forward(spelling),
            [&](const QString &spanish) { return evidence.knowsSpanish(spanish); },
            [&](const QString &spanish) { return spanishRowsByWord.value(spanish).indexOf(english); });
        kept = withFeminineFormOfEitherGender(
            kept, [&](const QString &spanish) { return evidence.eitherGender(spelling, spanish); },
            [&](const QString &spanish) { return evidence.freedictPairs(english, spanish); });
        kept = withApertiumFirstAtTheCap(
            kept, candidates, apertiumFirst,
            [&](const QString &spanish) {
                return spanishRanks.phraseRank(spanish) == 0 && !(germanLinks && germanLinks(spanish, english) > 0);
            },
            [&](const QString &spanish) {
                return spanishRanks.phraseRank(spanish) > 0
                       && isMainUse(evidence.partsOfSpeech(spelling, spanish), englishUses.value(english.toLower()));
            },
            [&](const QString &spanish) {
                const QStringList apertium = evidence.forward(spelling);
                const int part = evidence.partsOfSpeech(spelling, apertiumFirst);
                return part != 0 && spanishRanks.phraseRank(spanish) == 0
                       && evidence.partsOfSpeech(spelling, spanish) == part
                       && apertium.indexOf(spanish) > apertium.indexOf(apertiumFirst)
                       && apertium.indexOf(apertiumFirst) >= 0;
            });
        kept = withApertiumWordAtTheCap(kept, candidates, [&spanishRanks](const QString &spanish) {
            return spanishRanks.phraseRank(spanish);
        });
        kept = withApertiumsCommonWordsAtTheCap(
            kept, candidates,
            [&](const QString &spanish) {
                return spanishRanks.phraseRank(reflexiveBase(spanish)) == 0
                       && !(germanLinks && germanLinks(spanish, english) > 0);
            },
            [&](const QString &spanish) {
                const int part = evidence.partsOfSpeech(spelling, spanish);
                return spanishRanks.phraseRank(spanish) > 0 && isMainUse(part, englishUses.value(english.toLower()))
                       && (part != NounPair || englishNounUses.value(english.toLower(), 1) > 0);
            },
            [&spanishRanks](const QString &spanish) { return spanishRanks.phraseRank(spanish); });
        kept = withSoleFreedictFirst(
            kept, candidates, freedict, [&](const QString &spanish) { return evidence.knowsSpanish(spanish); },
            [&](const QString &spanish) { return germanLinks ? germanLinks(spanish, english) : 0; });
        if (freedict.isEmpty()) {
            kept = withNounBeforeSideVerb(
                kept, englishUses.value(english.toLower()),
                [&](const QString &spanish) { return evidence.partsOfSpeech(spelling, spanish); },
                [&spanishRanks](const QString &spanish) { return spanishRanks.phraseRank(spanish); });
        }
        kept = withMainUseFirstAmongEquals(kept, candidates, englishUses.value(english.toLower()),
                                           [&](const QString &spanish) { return evidence.partsOfSpeech(spelling, spanish); });
        // Without FreeDict's row, withNounBeforeSideVerb has weighed a verb
        // first against the nouns by the word's English uses.
        if (!freedict.isEmpty() || evidence.partsOfSpeech(spelling, kept.first()) != VerbPair) {
            const auto nounUses = englishNounUses.constFind(english.toLower());
            kept = withCommonPartOfSpeechFirst(
                kept, candidates, [&](const QString &spanish) { return evidence.mainFor(spanish).contains(spelling); },
                [&spanishRanks](const QString &spanish) { return spanishRanks.phraseRank(spanish); },
                [&](const QString &spanish) {
                    return nounUses == englishNounUses.constEnd() || *nounUses > 0
                           || evidence.partsOfSpeech(spelling, spanish) != NounPair;
                });
        }
        {
            const EnglishWordUses uses = englishUses.value(english.toLower());
            kept = withApertiumsMainNounFirst(
                kept, candidates,
                evidence.givesTheMansNoun(spelling, apertiumFirst) ? QString() : apertiumFirst,
                uses.other >= 3 * std::max(1, uses.verb),
                [&](const QString &spanish) { return evidence.partsOfSpeech(spelling, spanish) == NounPair; },
                [&spanishRanks](const QString &spanish) { return spanishRanks.phraseRank(spanish); });
        }
        if (parts.isNounOnly(spelling)
            && isIngFormOfAVerb(spelling, [&](const QString &word) { return parts.isVerb(word); })) {
            kept = withAdjectiveBeforeVerbalNoun(kept, candidates,
                                                 [&](const QString &spanish) { return parts.isAdjectiveOnly(spanish); });
        }
        kept = withLinkedFirstAmongApertiumsOwn(
            kept, candidates, [&](const QString &spanish) { return evidence.partsOfSpeech(spelling, spanish); },
            [&](const QString &spanish) { return germanLinks ? germanLinks(spanish, english) : 0; },
            [&spanishRanks](const QString &spanish) { return spanishRanks.phraseRank(spanish); });
        if (const auto nounUses = englishNounUses.constFind(english.toLower()); nounUses != englishNounUses.constEnd()) {
            kept = withAdjectiveBeforeUnusedNoun(kept, candidates, *nounUses, [&](const QString &spanish) {
                return evidence.partsOfSpeech(spelling, spanish);
            });
        }
        // The nouns of Apertium's entries with a slipped gender tag fill a
        // row that has room ("scrap": "chatarra, desperdicios" gains
        // "trozo"); they take no place from the ranked items.
        for (const QString &spanish : evidence.slippedGender(spelling)) {
            if (kept.size() < kMaxSpanishTranslations)
                appendNew(kept, spanish);
        }
        kept = withCommonSlippedNounFirst(kept, candidates, evidence.slippedGender(spelling), apertiumFirst,
                                          [&spanishRanks](const QString &spanish) { return spanishRanks.phraseRank(spanish); });
        kept = withFirstSenseCognateFirst(
            kept, firstSenseCognate(english, englishFirstSenses.value(english), candidates,
                                    [&](const QString &spanish) { return evidence.knowsSpanish(spanish); }));
        for (const QString &spanish : kept) {
            QStringList &words = gained[spanish];
            if (words.isEmpty())
                gainedOrder.append(spanish);
            appendNew(words, english);
        }
        if (row < 0) {
            englishRow.insert(english, core.englishSpanish.size());
            core.englishSpanish.append({english, kept});
            ++core.rowsAdded;
        } else if (kept != freedict) {
            core.itemsDropped += leftOut(freedict, kept);
            core.englishSpanish[row].second = kept;
            ++core.rowsMended;
        }
    }

    QHash<QString, qsizetype> spanishRow;
    for (const auto &[spanish, english] : spanishEnglish) {
        spanishRow.insert(spanish, core.spanishEnglish.size());
        core.spanishEnglish.append({spanish, english});
    }
    for (const QString &spanish : std::as_const(gainedOrder)) {
        const qsizetype row = spanishRow.value(spanish, -1);
        const QStringList freedict = row >= 0 ? core.spanishEnglish.at(row).second : QStringList();
        const QStringList &words = gained[spanish];
        QVector<std::pair<QString, int>> candidates;
        QStringList seen;
        for (const QString &english : freedict) {
            const int sources = evidence.sources(english, evidence.apertiumSpelling(english), spanish);
            if (words.contains(english) || sources != FreedictBackward) {
                candidates.append({english, sources});
                seen.append(english);
            }
        }
        for (const QString &english : words) {
            if (!seen.contains(english)) {
                candidates.append({english, evidence.sources(english, evidence.apertiumSpelling(english), spanish)});
                seen.append(english);
            }
        }
        // Apertium's own pairs of the word count even when the English row
        // had no room left for it: an English word it is the first
        // translation of in a part of speech ("about<pr>" -> "sobre", beside
        // "about<adv>" -> "aproximadamente"), and its translations in
        // spa-eng ("colegio" -> "school"). Only the learner's English words
        // are taken, save one Apertium pairs with the word in both
        // directions ("convento" is "convent" both ways, where FreeDict has
        // only "monastery") and one the German pivot links with it
        // ("navaja": "penknife" through "Taschenmesser").
        const auto linked = [&](const QString &english) { return germanLinks && germanLinks(spanish, english) > 0; };
        for (const QStringList &apertium : {evidence.mainFor(spanish), evidence.englishOf(spanish)}) {
            for (const QString &english : apertium) {
                if (seen.contains(english))
                    continue;
                if (coreSet.contains(english)) {
                    candidates.append({english, evidence.sources(english, english, spanish)});
                    seen.append(english);
                } else if (evidence.bothWays(english, spanish) || linked(english)) {
                    if (const QString word = wordJoining(english, seen); !word.isEmpty()) {
                        candidates.append({word, evidence.sources(english, english, spanish)});
                        seen.append(word);
                    }
                }
            }
        }
        QString freedictFirst;
        for (const QString &english : freedict) {
            if (seen.contains(english)) {
                freedictFirst = english;
                break;
            }
        }
        const auto englishItems = [&](const QString &english) {
            const qsizetype englishAt = englishRow.value(english, -1);
            return englishAt >= 0 ? core.englishSpanish.at(englishAt).second : QStringList();
        };
        const QStringList byRank = withCognateLeadAtTheCap(
            ranked(candidates, [&](const QString &english) { return germanLinks ? germanLinks(spanish, english) : 0; }),
            candidates, spanish, [&](const QString &english) { return englishItems(english).value(0) == spanish; },
            [&](const QString &english) { return englishItems(english).contains(spanish); });
        // An adverb in "-mente" is most nearly its English adverb in "-ly":
        // led by one, it is not given to a commoner word of another build
        // ("extremamente": "extremely" before "most").
        const bool adverbFirst = spanish.size() > 7 && spanish.endsWith(QLatin1String("mente"))
                                 && byRank.value(0).endsWith(QLatin1String("ly"));
        const QStringList ordered = withMainFirst(
            byRank, candidates, freedictFirst, evidence.apertiumFirstEnglish(spanish),
            [&](const QString &english) {
                if (adverbFirst && !english.endsWith(QLatin1String("ly")))
                    return false;
                return evidence.isFirstSenseOf(english, evidence.apertiumSpelling(english), spanish);
            },
            [&englishRanks](const QString &english) { return englishRanks.phraseRank(english); });
        // Apertium spa-eng's only word goes before a first it does not pair
        // with the word at all ("colegio: college" is "school").
        QStringList kept = withMutualOnlyWordFirst(
            withApertiumFirst(ordered, candidates, ordered.value(0), evidence.apertiumOnlyEnglish(spanish)),
            candidates, evidence.apertiumOnlyEnglish(spanish), [&](const QString &english) {
                return evidence.bothWaysWithAnother(evidence.apertiumSpelling(english), spanish);
            });
        if (!isPluralOfSingularsWord(kept.value(0), spanish, spanishRowsByWord))
            kept = withLinkedFirst(kept, candidates, evidence.englishOf(spanish), linked);
        // A Spanish phrase ("fuera de") is matched by an English one ("out of").
        if (!spanish.contains(QLatin1Char(' ')))
            kept = withWordBeforeItsPhrase(kept, candidates);
        kept = withDirectBeforeReversed(kept, candidates, [&](const QString &direct, const QString &first) {
            const QString spelling = evidence.apertiumSpelling(first);
            return !evidence.isFirstSenseOf(first, spelling, spanish)
                   && evidence.sharesBackwardPart(direct, spelling, spanish);
        });
        kept = withLinkedWithinASense(kept, candidates, freedict, spanishFirstSenses.value(spanish),
                                      [&](const QString &english) {
            return germanLinks ? germanLinks(spanish, english) : 0;
        });
        kept = withTwiceLinkedFirst(
            kept, spanishFirstSenses.value(spanish, freedict),
            [&](const QString &english) { return germanLinks ? germanLinks(spanish, english) : 0; },
            [&englishRanks](const QString &english) { return englishRanks.phraseRank(english); });
        kept = withLiteralPhraseFirst(kept, spanish, freedict.value(0), [&](const QString &word, const QString &english) {
            return spanishRowsByWord.value(word).contains(english) || evidence.englishOf(word).contains(english);
        });
        if (freedict.isEmpty()) {
            kept = withWidestFirst(kept, candidates, [&](const QString &english) {
                return evidence.backwardParts(evidence.apertiumSpelling(english), spanish);
            });
        }
        if (row < 0) {
            spanishRow.insert(spanish, core.spanishEnglish.size());
            core.spanishEnglish.append({spanish, kept});
            ++core.rowsAdded;
        } else if (kept != freedict) {
            core.itemsDropped += leftOut(freedict, kept);
            core.spanishEnglish[row].second = kept;
            ++core.rowsMended;
        }
    }
    // The rows no English row changed keep FreeDict's words, but a word
    // Apertium pairs with the Spanish word in both directions joins them
    // and ranks by its sources ("óptico: optician" lacks "optical").
    // Apertium spa-eng's only translation of the word, a learner's word,
    // joins as well, and goes first when the row's first is no pair of
    // Apertium's at all ("tardar: be kept in, be detained" lacks "take"):
    // FreeDict's two dictionaries share many such odd senses. Where the row
    // has more words than it keeps, the German pivot chooses among those
    // alike, as in the rows above: FreeDict's alphabetical order alone would
    // keep "bridle, check" and cut "restrain" from "reprimir".
    for (auto &[spanish, items] : core.spanishEnglish) {
        if (gained.contains(spanish) || items.isEmpty())
            continue;
        QVector<std::pair<QString, int>> candidates;
        QStringList seen = items;
        for (const QString &english : std::as_const(items))
            candidates.append({english, evidence.sources(english, evidence.apertiumSpelling(english), spanish)});
        const qsizetype before = candidates.size();
        const QString apertiumOnly = evidence.apertiumOnlyEnglish(spanish);
        for (const QString &english : evidence.englishOf(spanish)) {
            if (!evidence.bothWays(english, spanish) && !(english == apertiumOnly && coreSet.contains(english)))
                continue;
            if (const QString word = wordJoining(english, seen); !word.isEmpty()) {
                candidates.append({word, evidence.sources(english, english, spanish)});
                seen.append(word);
            }
        }
        if (candidates.size() == before) {
            const QStringList moved = withMutualOnlyWordFirst(
                withApertiumFirst(items, candidates, items.first(), apertiumOnly), candidates, apertiumOnly,
                [&, &spanishWord = spanish](const QString &english) {
                    return evidence.bothWaysWithAnother(evidence.apertiumSpelling(english), spanishWord);
                });
            if (moved != items) {
                items = moved;
                ++core.rowsMended;
            }
            continue;
        }
        // A structured binding is named into the lambda through its own
        // capture: clang (the fuzz build) rejects capturing it by default.
        const QStringList ordered = ranked(candidates, [&, &spanishWord = spanish](const QString &english) {
            return germanLinks ? germanLinks(spanishWord, english) : 0;
        });
        const QStringList kept = withMutualOnlyWordFirst(
            withApertiumFirst(ordered, candidates, ordered.first(), apertiumOnly), candidates, apertiumOnly,
            [&, &spanishWord = spanish](const QString &english) {
                return evidence.bothWaysWithAnother(evidence.apertiumSpelling(english), spanishWord);
            });
        core.itemsDropped += leftOut(items, kept);
        items = kept;
        ++core.rowsMended;
    }
    // A FreeDict Spanish headword with wrong accents ("dificil", "prémio")
    // whose right spelling has a row sharing a translation is a typo of the
    // dictionary: the row with the right spelling stays.
    SenseRows spelled;
    for (const auto &row : std::as_const(core.spanishEnglish)) {
        const QString accented = evidence.accentedSpelling(row.first);
        const qsizetype other = accented.isEmpty() ? -1 : spanishRow.value(accented, -1);
        if (other >= 0 && std::any_of(row.second.begin(), row.second.end(), [&](const QString &english) {
                return core.spanishEnglish.at(other).second.contains(english);
            })) {
            ++core.misspeltRowsDropped;
            continue;
        }
        spelled.append(row);
    }
    core.spanishEnglish = std::move(spelled);
    return core;
}

QHash<QString, int> englishNounUsesInTrans(const QByteArray &text, const QSet<QString> &words)
{
    QHash<QString, int> uses;
    if (words.isEmpty())
        return uses;
    // Byte strings: the scan passes over every line of the file.
    std::unordered_map<std::string, int> counts;  // -1 while never met
    for (const QString &word : words)
        counts.emplace(word.toUtf8().toStdString(), -1);
    // The parts of a text between separators, counted and taken in turn
    // without copies: the scan passes over some 200 000 lines three times
    // an import.
    const auto partCount = [](std::string_view text, std::string_view separator) {
        std::size_t parts = 1;
        for (std::size_t at = 0; (at = text.find(separator, at)) != std::string_view::npos; at += separator.size())
            ++parts;
        return parts;
    };
    const auto nextPart = [](std::string_view text, std::string_view separator, std::size_t &start) {
        const std::size_t end = text.find(separator, start);
        const std::string_view part = text.substr(start, end == std::string_view::npos ? end : end - start);
        start = end == std::string_view::npos ? text.size() : end + separator.size();
        return part;
    };
    // A synonym without its notes ("(of) ", "[Br.]", "{came; come}") and
    // abbreviation ("arrival /arr./"), lowercased, written into `word`.
    const auto bareInto = [](std::string_view synonym, std::string &word) {
        word.clear();
        int depth = 0;
        for (const char c : synonym) {
            if (c == '(' || c == '[' || c == '{')
                ++depth;
            else if ((c == ')' || c == ']' || c == '}') && depth > 0)
                --depth;
            else if (depth == 0 && c == '/')
                break;
            else if (depth == 0)
                word.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
        }
        const std::size_t first = word.find_first_not_of(' ');
        if (first == std::string::npos) {
            word.clear();
            return;
        }
        word.resize(word.find_last_not_of(' ') + 1);
        word.erase(0, first);
    };
    // A German side with a noun's gender or plural tag.
    const auto namesNoun = [](std::string_view side) {
        return side.find("{m}") != std::string_view::npos || side.find("{f}") != std::string_view::npos
               || side.find("{n}") != std::string_view::npos || side.find("{pl}") != std::string_view::npos;
    };
    constexpr std::string_view kSection = " | ";
    constexpr std::string_view kSynonym = "; ";
    std::string word;
    const std::string_view all(text.constData(), static_cast<std::size_t>(text.size()));
    std::size_t lineStart = 0;
    while (lineStart < all.size()) {
        std::size_t lineEnd = all.find('\n', lineStart);
        if (lineEnd == std::string_view::npos)
            lineEnd = all.size();
        const std::string_view line = all.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        const std::size_t separator = line.find(" :: ");
        if (line.empty() || line.front() == '#' || separator == std::string_view::npos)
            continue;
        const std::string_view germanSide = line.substr(0, separator);
        const std::string_view englishSide = line.substr(separator + 4);
        const std::size_t sections = partCount(germanSide, kSection);
        if (sections != partCount(englishSide, kSection))
            continue;
        std::size_t germanAt = 0;
        std::size_t englishAt = 0;
        for (std::size_t i = 0; i < sections; ++i) {
            const std::string_view side = nextPart(germanSide, kSection, germanAt);
            const std::string_view english = nextPart(englishSide, kSection, englishAt);
            // Whether the German side names a noun is asked only once a
            // synonym is one of the words: most sections hold none.
            std::optional<bool> noun;
            const std::size_t synonyms = partCount(english, kSynonym);
            std::size_t synonymAt = 0;
            for (std::size_t k = 0; k < synonyms; ++k) {
                bareInto(nextPart(english, kSynonym, synonymAt), word);
                const auto found = counts.find(word);
                if (found == counts.end())
                    continue;
                if (!noun)
                    noun = namesNoun(side);
                found->second = std::max(found->second, 0) + (*noun ? 1 : 0);
            }
        }
    }
    for (const auto &[word, count] : counts) {
        if (count >= 0)
            uses.insert(QString::fromStdString(word), count);
    }
    return uses;
}

} // namespace vorbix::import
