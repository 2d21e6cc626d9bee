#pragma once

#include "data/import/dictd_entry.h"
#include "data/import/word_frequency.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <optional>

namespace vorbix::import {

// Lowercased words of `phrase` (runs of letters).
QStringList wordsOf(const QString &phrase);

// What BlankRepairer makes of a translation.
struct BlankRepair
{
    enum Kind {
        Whole,   // a word or phrase as it should be, or one nothing can be made of
        Split,   // glued words, with their blanks put back in `text`
        Unsure,  // glued words that cut into words in no single plausible way
    } kind = Whole;
    QString text;
    // For an Unsure item: its likeliest split, which no phrase of the sources
    // attests; a larger source may attest it later.
    QString unattested;
    // The item's other sound splits, less likely, for a single glued word;
    // for a Whole word only the dictionaries use, its cuts into words of
    // the word list that no phrase of the sources read so far attests.
    QStringList otherCuts;
};

// Puts back the blanks that the small Spanish dictionaries lost inside
// translations ("esforzarsepor", "gafasoscuras", "atthesametime").
// A word is glued when it is not itself a known word and it can be cut,
// entirely, into known words. The plausible cuts are those with the fewest
// pieces or one more, the likeliest being the one of the fewest and commonest
// words. A glued word is split into a cut the sources hold as a phrase
// (setAttestedPhrases), or else only when the likeliest cut is made of common
// words (setCommonWords) and clearly likelier than any other;
// otherwise it is Unsure, as a wrong split ("ha cepo co" for "hacepoco") is
// worse than none.
class BlankRepairer
{
public:
    // `vocabulary`: lowercased words the language is known to have.
    // `oneLetterWords`: the single letters that are words ("a", "y", "o").
    // `enclitics`: pronouns written onto an infinitive ("calmarse"); such a
    // form counts as a known word and the pronoun is never cut off the end
    // of an item ("calmar se").
    BlankRepairer(QSet<QString> vocabulary, QSet<QString> oneLetterWords, QSet<QString> enclitics = {});

    // Words that are never split although the vocabulary lacks them: a word
    // list of lemmas lacks plurals and verb forms ("todos") that the
    // dictionaries themselves use as whole words. They also count as pieces,
    // never common ones, so that they show a cut the vocabulary misses.
    void keepWhole(QSet<QString> words) { m_wholeWords = std::move(words); }

    // A one-letter word that stands only before words beginning with one of
    // `starts`: Spanish "u" before "o" and "ho", "e" before "i" and "hi".
    void onlyBefore(const QString &word, QStringList starts) { m_onlyBefore.insert(word, std::move(starts)); }

    // Endings that make words of known words ("able", "ness"): such a word
    // is whole, not glued.
    void keepWithSuffixes(QStringList suffixes) { m_suffixes = std::move(suffixes); }

    // Words `word` is never followed by in a cut: Spanish "al" and "del"
    // hold the article, so "al la derecha" is no cut of "alladerecha".
    void neverBefore(const QString &word, QStringList next) { m_neverBefore.insert(word, std::move(next)); }

    // The words a split may be made of, with their ranks (1 = commonest):
    // those `rankOf` ranks (0: not common), their plurals, and those of the
    // vocabulary (not enclitic forms) of at least `longWord` letters, which
    // a glued phrase seldom holds by chance ("consideración"), as the
    // rarest. Without it every known word may be a piece. Words `rankOf`
    // ranks count as known.
    void setCommonWords(std::function<int(const QString &)> rankOf, int longWord)
    {
        m_rankOf = std::move(rankOf);
        m_longWord = longWord;
    }

    // Phrases the sources hold with their blanks (lowercased words joined by
    // single blanks, as wordsOf gives them). A cut that is one of them is the
    // split, however rare its words ("aceite de oliva", "frying pan"): the
    // dictionaries write it so. A cut no source holds is split only when
    // the likeliest cut is sure and each of its words ranks within
    // `unattestedTop` (0: never); a word of the frequency list cuts into
    // common words by chance ("bars tool", "ace to us").
    // Two words side by side in such a phrase attest each other too: a cut
    // whose neighbouring pieces all stand so in the sources is a split
    // ("at home" from "feel at home").
    void setAttestedPhrases(const QSet<QString> &phrases, int unattestedTop)
    {
        m_attested = phrases;
        for (const QString &phrase : phrases) {
            const QStringList words = phrase.split(QLatin1Char(' '));
            for (qsizetype i = 1; i < words.size(); ++i)
                m_attestedPairs.insert(words.at(i - 1) + QLatin1Char(' ') + words.at(i));
        }
        m_unattestedTop = unattestedTop;
        m_attestation = true;
    }

    // How many pieces of a cut may be rare words, each of at least
    // `shortest` letters, for the item still to be taken for glued rather
    // than for a rare word (1 of any length unless set).
    void rarePiecesOfGlue(int pieces, int shortest = 0)
    {
        m_rarePiecesOfGlue = pieces;
        m_shortestRarePiece = shortest;
    }

    // What the item is: whole, split with its blanks back, or glued beyond a
    // sure repair. Each blank-separated word of a phrase is looked at
    // ("porla izquierda"). Words written together with capitals
    // ("CruzRoja") are cut at the capitals first; a capitalised word
    // without a sure cut is a name and stays whole.
    BlankRepair mend(const QString &item) const;

    // The item with its blanks put back, or nothing when it is left as is.
    std::optional<QString> repair(const QString &item) const
    {
        const BlankRepair result = mend(item);
        return result.kind == BlankRepair::Split ? std::optional<QString>(result.text) : std::nullopt;
    }

private:
    bool isKnown(const QString &word) const;
    // The rank a piece counts with, 0 when it is not common.
    int commonRank(const QString &word) const;
    static constexpr int kRareRank = 100'000;
    BlankRepair mendWord(const QString &word) const;
    BlankRepair mendLetters(const QString &word, bool lastPart, bool afterCapital) const;

    QSet<QString> m_vocabulary;
    QSet<QString> m_oneLetterWords;
    QSet<QString> m_enclitics;
    QSet<QString> m_wholeWords;
    QHash<QString, QStringList> m_onlyBefore;
    QHash<QString, QStringList> m_neverBefore;
    QStringList m_suffixes;
    std::function<int(const QString &)> m_rankOf;
    int m_longWord = 0;
    int m_rarePiecesOfGlue = 1;
    int m_shortestRarePiece = 0;
    QSet<QString> m_attested;
    QSet<QString> m_attestedPairs;
    int m_unattestedTop = 0;
    bool m_attestation = false;
};

// Whether `glued` (a glued translation) is a misspelling of another item of
// its row rather than a phrase: as long, with at most two letters changed
// ("diezyocho" beside "dieciocho").
bool isVariantOfAnother(const QString &glued, const QStringList &items);

// The repairer of Spanish translations: `wordList` (lemmas), with the
// dictionaries' own words (`dictionaryWords`), which are never split, and
// the common words of `ranks`, which must outlive the repairer.
BlankRepairer spanishBlankRepairer(QSet<QString> wordList, QSet<QString> dictionaryWords, const WordRanks &ranks);

// The repairer of English translations, the same way.
BlankRepairer englishBlankRepairer(QSet<QString> wordList, const WordRanks &ranks);

// The British spellings of an American word ("liter" -> "litre", "color" ->
// "colour", "offense" -> "offence"): the word list is American, the
// dictionaries write British.
QStringList britishSpellings(const QString &word);

// What became of the eng-spa entries whose multi-word headword was cut to its
// first word ("get /getmæriːd/" for "get married").
struct HeadwordRepairs
{
    int repaired = 0;
    int dropped = 0;
    QStringList details;
    QStringList cutWords;  // the headwords found cut, each once: still words of the dictionary
};

// Whether `pronunciation` has at least `extraSounds` more sounds than the
// one-word `headword` has letters: the IPA of a phrase the headword was cut
// from. False for the IPA of several words.
bool isLongerThanTheWord(const QString &headword, const QString &pronunciation, int extraSounds = 3);

// Detects the cut headwords by their pronunciation: an entry whose IPA is
// the word's own IPA with more sounds after it; one much longer than the
// word (isLongerThanTheWord), which needs no other dictionary to hold the
// word; or one two sounds longer than the word when the word's own IPA has
// at least two sounds fewer or `entries` give the word three or more IPAs
// (the first word of as many phrases); or one whose IPA is a phrase's that
// begins with the word and that the reverse dictionary gives for one of its
// translations ("ward /wɔːdɔf/: repeler" beside "repeler: wardoff").
// `ownPronunciation` gives the IPA of single words (from a dictionary that
// has them whole), and `phraseByPronunciation` the whole phrase for a
// phrase's IPA. A cut entry
// gets the phrase back when its IPA names a phrase that begins with the
// headword, or else when the reverse dictionary (`reverse`: translation ->
// its English words) translates one of its translations by such a phrase;
// otherwise it is dropped.
QVector<DictdEntry> repairCutHeadwords(QVector<DictdEntry> entries,
                                       const QHash<QString, QString> &ownPronunciation,
                                       const QHash<QString, QString> &phraseByPronunciation,
                                       const QHash<QString, QStringList> &reverse,
                                       HeadwordRepairs &report);

// Writes apart the one-word items of `spaEng` that are an eng-spa phrase
// paired with the same Spanish word, run together ("huir: flee, runaway"
// beside eng-spa's "run away: huir"): glued words that happen to be English
// words too, which the blank repairs keep whole. An entry that holds the
// phrase as well keeps its item ("alguien: some one, someone"). Returns how
// many items were written apart; each is told in `details`.
int splitPairedPhrases(QVector<DictdEntry> &spaEng, const QVector<DictdEntry> &engSpa, QStringList &details);

// Writes apart the lowercase one-word headwords of `engSpa` that no English
// word list holds (`wordList`) and that run together one of `phrases`
// (lowercased words joined by single blanks, as the sources write them):
// "busstop" becomes "bus stop", whose entry it joins. One no phrase
// accounts for is cut where its IPA is the IPA of two common words
// (`ownPronunciation`, `rankOf` > 0) of three letters or more: "alarmbell
// /əlɑːmbel/" is "alarm /əlɑːm/" and "bell /bel/". Without a word list
// nothing is changed. Returns how many headwords were written apart.
int splitGluedHeadwords(QVector<DictdEntry> &engSpa, const QSet<QString> &phrases, const QSet<QString> &wordList,
                        const QHash<QString, QString> &ownPronunciation,
                        const std::function<int(const QString &)> &rankOf, QStringList &details);

// The English words the Spanish pairs are built for: `coreEnglish` and
// then each headword of `engSpa` it lacks, in eng-spa's order. The
// headwords splitGluedHeadwords wrote apart ("battlefront" -> "battle
// front") are taken after the core words; as words of the Spanish pairs
// they are weighed against Apertium like every other headword, so that
// Apertium's translation of the phrase ("frente de batalla") is not left
// out for the glued entry's sense ("frontón").
QStringList withWrittenApartHeadwords(QStringList coreEnglish, const QVector<DictdEntry> &engSpa);

} // namespace vorbix::import
