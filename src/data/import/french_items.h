#pragma once

#include "data/import/dictd_entry.h"

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

#include <string_view>
#include <unordered_set>

namespace vorbix::import {

class WordRanks;

// A set of lower-case words held as the UTF-8 text of a word list, one
// word a line: a list of 300 000 words loads in a fraction of the time a
// set of strings takes.
class WordList
{
public:
    WordList() = default;
    WordList(WordList &&) = default;
    WordList &operator=(WordList &&) = default;
    WordList(const WordList &) = delete;
    WordList &operator=(const WordList &) = delete;

    // The lower-case words of the file at `path` (words with capitals, names
    // mostly, are left out); empty when it cannot be read.
    static WordList fromFile(const QString &path);
    static WordList fromWords(const QSet<QString> &words);

    bool isEmpty() const { return m_words.empty(); }
    bool contains(const QString &word) const;

private:
    void index();

    QByteArray m_text;
    std::unordered_set<std::string_view> m_words;
};

// The item with a stress mark between two letters read as the apostrophe
// it stands for ("sˈinsurger" -> "s'insurger").
QString withStressMarkAsApostrophe(const QString &item);

// The item without a note in brackets that only qualifies it ("(male)
// nurse" -> "nurse", "line (of verse)" -> "line"). Empty when brackets
// stand inside a word ("(bul)rush"), do not pair up, or leave nothing.
QString withoutBracketNote(const QString &item);

// The words of one language a French pair may hold, against which the
// items of eng-fra and fra-eng are checked. The two small dictionaries hold
// misspellings ("raisonable", "olda", "mix amoung") and words run together
// ("faireavorter", "çava").
class ItemSpelling
{
public:
    // `known`: the words of a full word list (or, without one, the
    // language's headwords); `ranks`: the language's commonest words, known
    // too, and the words a misspelling is recognised against; `phrases`:
    // phrases of the language, into which a glued item may be cut.
    ItemSpelling(WordList known, const WordRanks &ranks, QSet<QString> phrases);

    // Words known besides those of the list.
    void alsoKnow(QSet<QString> words);
    // Spellings the word list holds in another form: a word is known when
    // replacing each `from` by its `to` gives a known word ("œillet" as
    // "oeillet", the British "organisation" as "organization").
    void addVariant(const QString &from, const QString &to);
    // Words run together are looked for only where the language writes its
    // phrases apart (French), not where it glues compounds (English).
    void findGluedWords(bool on);
    // Common words of another language a misspelling may be near: the
    // small dictionaries hold English words misspelt on the French side
    // ("olda" beside "old").
    void alsoNear(const WordRanks &other);

    // The item as a learner may see it: unchanged, cut into the phrase it
    // runs together ("çava" -> "ça va" when "ça va" is a known phrase), or
    // empty when it holds a misspelt word (an unknown word one letter from
    // a common one) or runs words together in a way no known phrase
    // confirms. `why`, when given, receives the reason for a change.
    QString vetted(const QString &item, QString *why = nullptr) const;

    // Whether the lower-case `word` is a listed, common or otherwise known
    // word, in any of its spellings.
    bool knows(const QString &word) const;

    // Whether the lower-case `word` is in the word list or among the
    // commonest words, in any of its spellings: unlike knows(), the
    // dictionaries' own words do not count.
    bool lists(const QString &word) const;

    // The listed word that the unlisted lower-case `word` is without its
    // accents ("tolérance" for "tolerance"); empty for any other word.
    QString accentedListedForm(const QString &word) const;

    // The common word (of this language, else of the other) one letter away
    // from the unknown word `word`, or for a long word a listed one; an
    // empty string when there is none. Lower-case compare; words under four
    // letters are never taken for misspellings.
    QString commonWordNear(const QString &word) const;

    // The lower-case words of `texts` (names aside) that vetted() would take
    // for misspelt were they not known otherwise, lower-cased.
    QSet<QString> doubtfulWords(const QStringList &texts) const;

    // The phrases of two common words, each of two letters or more, that the
    // lower-case `word` runs together when no word list has it: "icecream"
    // gives "ice cream".
    QStringList commonWordSplits(const QString &word) const;

private:
    bool isCommon(const QString &word) const;
    // The known phrase of two words that `word` runs together, the empty
    // string when it runs two known words together without one, or a null
    // string when it does not look glued. The first word must be common,
    // the second common or a listed word of four letters or more: lists
    // hold many short fragments ("ien", "ave").
    QString gluedPhrase(const QString &word) const;

    WordList m_known;
    QSet<QString> m_alsoKnown;
    // The commonest word of this language, else of the other, one letter
    // from `lower`; else, for a long word, a listed one; else empty.
    QString nearestCommonOrListed(const QString &lower) const;

    const WordRanks &m_ranks;
    QSet<QString> m_phrases;
    QVector<QPair<QString, QString>> m_variants;
    bool m_findsGlued = false;
    // The words already judged: the two dictionaries repeat each other.
    mutable QHash<QString, QString> m_nearCache;
    const WordRanks *m_otherRanks = nullptr;
};

// Applies withoutBracketNote and then the spelling checks of their
// language to the headwords and translations of a dictionary; entries left
// without headword go. An entry left without translations stays, empty: the
// other dictionary may still fill it ("rustle: sussurer" beside "bruire:
// murmur, rustle"), and the rows still empty after that go. Appends a line per change to
// `details` ("eng-fra: \"olda\" left out"). Returns how many items were left
// out or changed.
int vetFrenchPairEntries(QVector<DictdEntry> &entries, const ItemSpelling &headwords,
                         const ItemSpelling &translations, const QString &dictionary, QStringList &details);

// Writes apart the English words eng-fra and fra-eng run together
// ("icecream", "alarmclock") where trans-de-en, a far larger dictionary,
// writes them apart far more often: the phrase of commonWordSplits at least
// kMinAttested times and more than four times as often as the word (which
// a glued spelling in use, "rearguard", is not), the only
// such phrase of the word. English glues many compounds ("pillowslip",
// "speedwell"), so no word is left out for want of that. Writes as one word,
// too, a hyphenated word of two ("video-tape", "tooth-brush", an older
// spelling) that trans-de-en writes in one at least kMinAttested times and
// more often than in two, hyphenated or apart ("videotape" five times,
// "video tape" and "video-tape" three), and that `english` knows in one; a
// word written in two more often stays ("make-up", "grown-up"). Writes in
// full, too, a word of four letters or more that neither the word list nor
// the frequency list nor trans-de-en has, where the word with its last
// letter doubled is listed and trans-de-en writes it at least kMinAttested
// times ("cypres" -> "cypress"). Mends the
// headwords of `engFra` and the translations of `fraEng`, appends a line
// per word to `details` and returns how many items changed.
int mendGluedEnglish(QVector<DictdEntry> &engFra, QVector<DictdEntry> &fraEng, const ItemSpelling &english,
                     const QByteArray &transText, QStringList &details);

// Drops the infinitive marker from the English items of fra-eng's verbs
// ("énerver: irritate, to get on one's nerves"), which give their other
// items bare. An item whose "to" opens a phrase of another kind stays ("to
// the", "to some extent"). Returns how many items changed.
int dropInfinitiveMarkers(QVector<DictdEntry> &fraEng);

inline constexpr int kMinAttested = 2;
} // namespace vorbix::import
