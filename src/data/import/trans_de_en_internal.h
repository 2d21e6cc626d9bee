#pragma once

// What the files that read trans-de-en share: the candidate record a line
// gives for a pair of words, the marks set on it, and the helpers and
// ranking rules one file defines and another calls. Internal to the
// importer: only the reader's own files (trans_de_en*.cpp and the ranking
// files named in docs/ARCHITECTURE.md) include it, and it is not installed.
// The public entry points are in trans_de_en.h.

#include "data/import/trans_de_en.h"

#include "data/import/english_word_uses.h"
#include "data/import/word_frequency.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

#include <algorithm>
#include <cstddef>
#include <functional>
#include <utility>

namespace vorbix::import::detail {

// How many lines mention each word, counting a line once per word and
// leaving out what stands in (), [] and {}: the notes of thousands of lines
// name "(zoologische Familie)", which makes no "Familie" more common than
// "Haus". Keys are lowercased like wordsOf's.
class LineCounter
{
public:
    void countLine(QStringView text)
    {
        lowerInto(text, m_lower);
        m_words.clear();
        qsizetype start = -1;
        int depth = 0;
        for (qsizetype i = 0; i <= m_lower.size(); ++i) {
            if (i < m_lower.size()) {
                const QChar c = m_lower.at(i);
                if (c == u'(' || c == u'[' || c == u'{')
                    ++depth;
                else if ((c == u')' || c == u']' || c == u'}') && depth > 0)
                    --depth;
            }
            const bool letter = i < m_lower.size() && depth == 0 && m_lower.at(i).isLetter();
            if (letter && start < 0) {
                start = i;
            } else if (!letter && start >= 0) {
                addWord(QStringView(m_lower).mid(start, i - start));
                start = -1;
            }
        }
        for (const QStringView word : std::as_const(m_words)) {
            // A key on the line's own characters, copied only when new.
            const QString key = QString::fromRawData(word.data(), word.size());
            const auto found = m_counts.find(key);
            if (found == m_counts.end())
                m_counts.insert(word.toString(), 1);
            else
                ++*found;
        }
    }

    WordFrequencies take() { return std::move(m_counts); }

private:
    // `text` in lower case in `lower`, whose buffer is kept from line to
    // line: a line's copy then takes no allocation once the buffer is as
    // long as the longest line. Most English sides are ASCII, lowered here
    // code by code; a side with any other character is lowered by
    // QString::toLower, whose full case mapping may change its length.
    static void lowerInto(QStringView text, QString &lower)
    {
        lower.resize(text.size());
        char16_t *out = reinterpret_cast<char16_t *>(lower.data());
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text.at(i).unicode();
            if (c >= 0x80) {
                lower.resize(0);
                lower.append(text);
                lower = std::move(lower).toLower();
                return;
            }
            out[i] = c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
        }
    }

    // A word counts once per line however often the line repeats it
    // ("Haus {n} | Häuser {pl}; im Haus"): each distinct word of a line is
    // looked up once. Most lines have a few dozen words, which a look along
    // those already met settles faster than sorting.
    void addWord(QStringView word)
    {
        if (std::find(m_words.cbegin(), m_words.cend(), word) == m_words.cend())
            m_words.append(word);
    }

    WordFrequencies m_counts;
    QString m_lower;
    QVector<QStringView> m_words;
};

// A German main entry met for an English core word.
// Whether the first section of a line's German side tags a word as an
// adjective ("{adj}") or as an adverb ("{adv}").
struct WordClassTags
{
    bool adjective = false;
    bool adverb = false;
    // A note follows the class at the end of the section and narrows every
    // word of it (notedAfterWordClass).
    bool notedAfterClass = false;
    // The section tags its verbs as intransitive only ("brennen; aufflammen
    // {vi}"), or as transitive ("anzünden; entfachen {vt}").
    bool intransitiveOnly = false;
    bool transitive = false;
};

struct Candidate
{
    QString german;
    QString english;      // the core word's spelling
    bool first;           // the English word is the line's first synonym
    Sense germanSense;    // what the German synonym's tags say
    bool englishSpecial;  // the English synonym has a special tag
    bool germanFirst;     // the German word is the line's first synonym
    bool noun;            // the German word is tagged as a noun
    bool fringe;          // obsolete or regional, on either side
    bool noted;           // narrowed by a note, on either side
    int line;             // line number
    int order;            // file order
    // A German noun on the English word's own entry: the line's first
    // English section holds the word alone and its second German section
    // gives the plurals ("Hai {m}; Haifisch {m} | Haie {pl}; Haifische {pl}
    // :: shark | sharks"). A line that shares its sense with other English
    // words names a use of the word ("Schlitzohr {n}; Gauner {m} :: shark;
    // rip-off artist; con-man").
    bool ownEntry = false;
    // The line's second German section gives plurals ("Verwarnung {f} |
    // Verwarnungen {pl} :: warning | warnings"): the noun's forms.
    bool pluralForms = false;
    // How many sections the German side of the line has: its words, then
    // their forms, compounds and examples.
    int sections = 1;
    // The German side's second and third sections are the word's
    // comparative and superlative ("zynisch; bissig {adj} | zynischer | am
    // zynischsten | ..."): the line is the adjective's own entry.
    bool comparison = false;
    // The English word is given as a verb ("to fry"); for a German word's
    // own senses, the line's first English word.
    bool englishVerb = false;
    // The English word is tagged with a register ("to screw sb. [coll.]"),
    // and it is colloquial, slang or vulgar.
    bool englishRegister = false;
    bool englishColloquial = false;
    // The German word is tagged colloquial, slang or vulgar ("haarig [ugs.]").
    bool germanColloquial = false;
    // The English word is tagged historical or dated, the German one not.
    bool englishDated = false;
    // The German word is a later synonym that the line's first word
    // compounds, and the line's first English phrase narrows a later
    // synonym ("Reitsattel {m}; Sattel {m} :: riding saddle; saddle"); with
    // plainWord, the English word is that later synonym.
    bool compounded = false;
    bool plainWord = false;
    // The German word is compounded by the later synonyms before it, not by
    // the head (compoundedByEarlierSynonyms).
    bool namedByItsKinds = false;
    // The German word is a later synonym with its own English word on the
    // line (counterpartPlace); with counterpart, the English word is that
    // word.
    bool counterpartLine = false;
    bool counterpart = false;
    // The German word is a later synonym that the line's head compounds the
    // way the line's first English word compounds the English word, at the
    // same end ("Kieferknochen {m}; Kiefer {m} :: jawbone; jaw" for
    // "Kiefer" and "jaw"; compoundsAlikeOnBothSides).
    bool partOfHeadLikeEnglish = false;
    // The line's example sections, after its plurals, name another of its
    // German words and never this one (examplesShowOnlyOtherWord), or name
    // this one (exampleSectionsAfterPlurals holds its stem).
    bool examplesOfOtherWord = false;
    bool examplesOfWord = false;
    // The line's further German sections name none of its first section's
    // words: they are phrases of their own (furtherSectionsNameNoLineWord).
    bool phrasesOfNoLineWord = false;
    // The English word is a set phrase of the German head word that a later
    // section of the line gives (phrasesPairedWithHeadInLaterSections): a
    // translation of the phrase, not a sense of the German word.
    bool headsSetPhrase = false;
    // The German word is a noun whose line gives, in the English word's
    // plural place, a phrase with the word before a noun ("Germane {m} |
    // Germanen {pl} :: Germanic | the Germanic people";
    // pluralPlaceNamesAdjective): the English word is an adjective used of
    // the people or things the German noun names.
    bool englishPluralByAdjective = false;
    // The German word is a plural of its own ("Rettiche {pl}").
    bool plural = false;
    // The German word is a name's local form, spelt alike on both sides of
    // a line that also gives the German name ("Athínai" for "Athens" on
    // "Athínai; Athen [geogr.] :: Athínai; Athens").
    bool localName = false;
    // The line gives the English word in its British spelling only.
    bool bySpelling = false;
    // The line gives the English word only capitalised, as a name or a
    // title ("Private [Br.]" for "private"; Match::byCase).
    bool capitalised = false;
    // The German word is a numeral: the line's first section is tagged
    // "{num}", which the dictionary puts after the last of its forms
    // ("dritte; dritter; drittes; 3. {num}"), and the word is no noun.
    bool numeral = false;
    // The German words of the line share a field or register tag that
    // narrows their sense (TransSynonym::groupTagged).
    bool groupTagged = false;
    // The English word is tagged as one country's spelling ("to ensure; to
    // insure [Am.]"), perhaps of another word.
    bool englishVariant = false;
    // The word classes the line's first German section tags ("schroff
    // {adv} | ...").
    WordClassTags wordClass{};
    // The English word carries a note that narrows it to one use ("port
    // (software)", "bruise (on fruit)").
    bool englishNoted = false;
    // The English word is given as a verb with its irregular past forms in
    // braces ("to feed {fed; fed}"), as the dictionary does on a verb's own
    // entry.
    bool englishPastForms = false;
    // Set by markEnglishMainEntry for the list of an English word.
    mutable bool englishMainEntry = false;
    // Set by weigh() for the list of a common German word: the line is the
    // word's main entry, and plainly so (see markMainEntry).
    mutable bool mainEntry = false;
    mutable bool clearMainEntry = false;
    // Set by weigh() for the list being ranked: how many lines give the pair
    // as a main entry (the ranked side in any case), and subtitleRank.
    mutable int support = 0;
    mutable int subtitle = 0;
    // Set by markOtherSenses for the list being ranked: the ranked word's
    // own entry names another sense, only bare lines give the pair, and
    // another word's own entry gives the word the list is for.
    mutable bool otherSense = false;
    // A German word of the line's first section carries a special field's
    // tag ("Extension {f}; Begriffsumfang {m} [phil.]"): the line names a use
    // in that field, whichever of its words the tag follows.
    bool lineTagged = false;
    // The line judges all the words of its first German section at once by
    // a register's tag, scornful or humorous say (judgesWholeSection).
    bool wholeLineJudged = false;
    // The line's first German section carries the tag of any field, general
    // or special ("etw. verlangen; regieren {vt} [ling.]").
    bool fieldTagged = false;
    // The German word is a verb with its object's preposition put after it
    // ("raten zu"; TransSynonym::prepositionAfterVerb).
    bool prepositionAfterVerb = false;
    // The English word is the verb of a phrase with two objects ("to
    // vaccinate sb. against sth."; verbOfObjectPhrase).
    bool objectPhrase = false;
    // The English word is the verb of a phrase with an object noun that the
    // line's German head names too ("to demolish a building" beside "ein
    // Gebäude abreißen"; verbOfSharedObjectPhrase), and `objectPair` is the
    // German and the English noun, one line apart ("Gebäude\nbuilding").
    bool sharedObject = false;
    QString objectPair = {};
    // The English word shares its line's first place only as another
    // region's colloquial or slang word ("can [Am.] [slang]" after "loo
    // [Br.] [coll.]").
    bool regionalSlang = false;
    // The German word's note stands before it and names what it is done to
    // ("(eine Maschine) warten {vt}"; TransSynonym::objectNoted).
    bool germanObjectNoted = false;
    // The place of the English word among its line's English synonyms (0 for
    // the first).
    int englishPlace = 0;
    // The place of the German word among its line's German synonyms (0 for
    // the first, the line's head).
    int germanPlace = 0;
    // The English word is one a line the German word heads gives after its
    // main one (addLaterSensesOfHeadedLine).
    bool laterSense = false;
    // The line's first English section gives the English word alone, its
    // spelling variants aside ("beibehalten; erhalten; unterhalten {vt} |
    // ... :: to maintain | ...").
    bool englishAlone = false;
    // The line's further English sections name the English word again, in
    // its forms, compounds or examples ("to cast {cast; cast} | casting |
    // cast"); where they do not, they are another word's ("cast; plaster |
    // thick plaster | thin plaster | ...").
    bool namedAgain = true;
    // The line's further German sections name the German word again, in its
    // forms, compounds or examples; where they do not, they are another
    // word's of the line ("Zucken {n}; Zusammenzucken {n} (vor Schmerz) |
    // ohne eine Miene zu verziehen :: wince | without a wince").
    bool germanNamedAgain = true;
    // The German word is tagged as a neuter noun ("Bellen {n}").
    bool neuter = false;
    // The line's first German section holds a note that narrows a sense,
    // after any of its words (holdsNarrowingNote).
    bool sectionNoted = false;
    // The line's first German section holds the German word alone, with no
    // synonym beside it ("jdn./etw. zurückwerfen {vt} | ...").
    bool germanAlone = false;
    // The line's further German sections give the German word's own
    // comparative and superlative, wherever it stands among the line's
    // synonyms ("geeignet; passend; ... {adj} | besser geeignet; passender |
    // am besten geeignet; am passendsten | ..."; comparesGermanWord).
    bool comparesWord = false;
    // The English word carries a word-class tag of its own ("periodisch {adj}
    // :: circular {adj}"; tagsOwnWordClass).
    bool englishClassTagged = false;
    // The line's German sections after the first are example sentences only
    // (givesOnlyExampleSentences).
    bool examplesOnly = false;
    // The English word is a particle verb that shares its line's first place
    // with the plain verb before it (sharesPlaceAmongOneVerbsParticleVerbs):
    // the line is the German word's main entry for it, but for the German
    // word's own row the plain verb stays the line's first English word
    // ("abnutzen": "wear" before "wear away").
    bool particleVerbOfPlainVerb = false;
    // The line's first English section holds a note that narrows a sense,
    // after any of its words, other than one naming prepositions only
    // ("tongue (of a floor board)", not "to increase (to; by)";
    // holdsEnglishNarrowingNote).
    bool englishSectionNoted = false;
    // The English word renders a German phrase that a line gives as one of
    // its later sections (phraseSectionSenses).
    bool phraseSection = false;
    // The German word carries the note that it is used only in compounds
    // ("Schluss {m} (in Zusammensetzungen)"; usedOnlyInCompounds).
    bool compoundOnly = false;
    // A key of the line's first German section as written, its words with
    // their tags and notes: lines that split the senses of one set of German
    // words share it (putPlainLineBeforeNotedLineOfSameWords).
    std::size_t germanSectionKey = 0;
    // A note that narrows a sense follows a word of the line's first English
    // section ("slow match (wick)"), not only one that opens a synonym with
    // an optional word ("(little) angel"; holdsEnglishNoteAfterWord).
    bool englishNoteAfterWord = false;
    // A later German synonym that the line's example sentences show in use,
    // where they never show the line's first word (examplesShowOnlyLaterSynonym).
    bool shownByExamples = false;
    // The line's German side gives example sentences (isExampleSentence).
    bool exampleSentences = false;
    // The line's first German or English section marks a figurative use
    // ("Tauziehen {f} (um etw.) [übtr.] :: tussle (for sth.) [fig.]";
    // marksFigurativeUse).
    bool figurative = false;
    // The German word is a masculine noun and the English word names a
    // female, or the other way round, on a line that gives nouns of both
    // genders (nounOfOtherSexOnMixedLine): the pair is no translation.
    bool otherSex = false;
};

// Which side of a candidate a ranking orders: the German words of an English
// word, or the English words of a German word.
enum class Side { German, English };

// The field tags of a line's first German section, which name the line's
// use wherever they stand in it: whether one names a narrow field
// ("[ling.]"), and whether any field is named, general words' ("[anat.]")
// included; and whether a register's tag judges the whole section
// (judgesWholeSection).
struct LineFields
{
    bool narrow = false;
    bool any = false;
    bool judged = false;
};

struct PhraseSectionSense
{
    int line;
    TransSynonym english;
};

// A line's head noun and a later noun of the line that the head compounds,
// both given the one English word ("Hubkolben {m}; Kolben {m} [techn.] ::
// piston"), and how many lines of the dictionary render that English word
// by a German word holding each: `headLines` by one holding the head,
// `plainLines` by one holding the plain noun outside the head ("Kolbenring
// {m} :: piston ring", "Hohlkolben {m} :: tubular piston").
struct CompoundPairing
{
    QString head;   // lower case
    QString plain;  // lower case
    int headLines = 0;
    int plainLines = 0;
};

// What the German pairs read of the whole text for the core words alone:
// how the dictionary uses each (englishWordUsesInTrans) and the plural
// sections' senses (pluralSectionSenses).
struct CoreWordScans
{
    QHash<QString, EnglishWordUses> englishUses;
    QHash<QString, QStringList> pluralSenses;
};

// What the lines of the whole text tell of German present participles of
// transitive verbs (adjectivesOfTransitiveParticiples): the adjectives
// either side gives, and each participle's English "-ing" forms of its
// verbs' lines.
struct TransitiveParticipleForms
{
    QSet<QString> englishAdjectives;
    QSet<QString> germanAdjectives;
    QHash<QString, QStringList> verbForms;
};

// The sections a long entry has at least (keepLongPlainEntryInRow), and a
// plain head's line (keepPlainHeadInRow); the rules run after the ranking
// weigh own entries by them too.
constexpr int kLongEntrySections = 8;
constexpr int kPlainHeadSections = 3;

// How common a candidate's word is, for ranking candidates alike in all
// else (rank): from how many lines of the file mention its German or its
// English word. A std::function, so that the rules of each side, which
// take it, can stay in their own files.
using CandidateCommonness = std::function<int(const Candidate &)>;

// The rules below that take a commonness are templates like the rest of
// their kind; the file of each instantiates it for CandidateCommonness, the
// one type rank passes.

// Tags, fields and registers; splitting a side into sections and synonyms
// (trans_de_en_tags.cpp).
const QSet<QString> &specialFields();
const QSet<QString> &generalFields();
const QSet<QString> &regionalTags();
const QSet<QString> &obsoleteTags();
const QSet<QString> &colloquialTags();
const QSet<QString> &datedTags();
const QSet<QString> &specialRegisters();
const QSet<QString> &judgingRegisters();
bool isFringeTag(const QString &tag);
bool isIschLookAlike(QStringView english, QStringView german);
bool isSpellingVariantTag(QStringView tag);
bool tagsOwnWordClass(QStringView rawEnglish);
bool isValencyMarker(QStringView token);
QVector<QStringView> splitTopLevel(QStringView text, QStringView separator);
QVector<QStringView> englishSynonymsOf(QStringView section);
QStringView firstSection(QStringView side);
bool taggedAbusive(QStringView raw);
QVector<QStringView> englishSynonymsForGerman(QStringView englishSide, QStringView germanSide);
bool mayHoldMarkup(QStringView text);

// What the marks of a candidate say, and the shape of its line
// (trans_de_en_candidate.cpp).
bool marksFigurativeUse(QStringView germanSection, QStringView englishSection);
bool usedOnlyInCompounds(QStringView raw);
bool isSpecial(const Candidate &candidate);
bool endsInWord(const QString &compound, const QString &word);
bool headsOwnPlainLine(const Candidate &candidate);
bool nounAndVerbOfOneSpelling(const Candidate &a, const Candidate &b);
bool ranksAsSpecial(const Candidate &candidate);
bool carriesNoMark(const Candidate &candidate);
int subtitleRank(const Candidate &candidate, Side side, int phraseRank, int listSize);
bool givesOnlyExampleSentences(QStringView germanSide);
bool givesPluralForms(QStringView germanSide);
bool notedAfterWordClass(QStringView section);
WordClassTags wordClassTagsOf(QStringView germanSide);
int sectionsOfLine(QByteArrayView line);
bool givesComparison(QStringView germanSide);
bool holdsGermanWordAlone(QStringView germanSide);
bool comparesGermanWord(QStringView germanSide, const QString &german);

// The ranking of a row's candidates and the helpers both sides' rules share
// (candidate_ranking.cpp).
bool namesWordAgain(QStringView laterSections, const QString &word, bool oneSection);
bool namesGermanWordAgain(QStringView germanSide, const QString &german);
int kindOf(const Candidate &candidate);
bool namesFieldAmong(QStringView section, const QSet<QString> &fields);
bool isCognate(const QString &german, const QString &english);
void rank(QVector<const Candidate *> &list, CandidateCommonness commonness, Side side,
          QHash<QString, int> &phraseRanks);

// Rules that order the German words of an English word
// (german_word_ranking.cpp).
void putEnglishMainEntryFirst(QVector<const Candidate *> &list);
void putIrregularVerbEntryBeforeBareNoun(QVector<const Candidate *> &list);
void putIrregularVerbEntryBeforeNounOfOtherWordsLine(QVector<const Candidate *> &list);
void putEntryOfNarrowedWordBeforeBareLine(QVector<const Candidate *> &list);
void putOwnVerbLinesBeforeNotedGroupsLaterSynonym(QVector<const Candidate *> &list);
void putPlainWordBeforeNotedOne(QVector<const Candidate *> &list);
void putPlainVerbBeforeObjectNarrowedOne(QVector<const Candidate *> &list);
void putPlainOwnEntryBeforeNarrowedUses(QVector<const Candidate *> &list);
void putPlainEntryBeforeSpecialFirstOnes(QVector<const Candidate *> &list);
void putOwnEntryBeforeNarrowedOne(QVector<const Candidate *> &list);
void putWordOfSeveralLinesBeforeNotedOne(QVector<const Candidate *> &list);
void putUntaggedEntryBeforeTaggedLines(QVector<const Candidate *> &list);
template<typename Commonness>
void putCommonHeadBeforeRareFieldTerm(QVector<const Candidate *> &list, Commonness commonness);
void putUntaggedVerbLineBeforeFieldTaggedOnes(QVector<const Candidate *> &list);
void keepLongPlainEntryInRow(QVector<const Candidate *> &list);
void putMainEntryHeadBeforeLaterSynonym(QVector<const Candidate *> &list);
void keepCommonVerbOfLaterSynonymsEntryInRow(QVector<const Candidate *> &list);
void putMainEntryHeadBeforeNearTie(QVector<const Candidate *> &list);
void keepPlainHeadInRow(QVector<const Candidate *> &list);

// The first six words of a ranked list of German words, told apart by case
// (keepPlainHeadInRow, keepMutualMainEntryInRow).
struct KeptPlaces
{
    QVector<const Candidate *>::iterator end;
    QSet<QString> words;  // in lower case
    QSet<int> headLines;  // the lines whose head the kept places hold
    // Where each kept word's first candidate stands, in the row's order.
    QVector<qsizetype> firstAt;
};
KeptPlaces keptPlaces(QVector<const Candidate *> &list);
void putPlainOwnNounEntryFirst(QVector<const Candidate *> &list);
void putPlainLineBeforeColloquialUse(QVector<const Candidate *> &list);
void putOwnSpellingBeforeCapitalisedUse(QVector<const Candidate *> &list);
void putCompoundedPlainNounBeforeNotedUses(QVector<const Candidate *> &list);
void putCommonerFieldWordBeforeLineTaggedOne(QVector<const Candidate *> &list);
bool compoundsWord(const QString &word, const QString &part);
void putNumeralFirst(QVector<const Candidate *> &list);
bool isFeminineOf(const QString &masculine, const QString &feminine);
void putDominantOtherKindEntryFirst(QVector<const Candidate *> &list);
void putNounsFullEntryBeforeShortVerbLines(QVector<const Candidate *> &list);
void putWordsGivenLateOnLongLinesLast(QVector<const Candidate *> &list);
void keepLineHeadBeforeItsSynonyms(QVector<const Candidate *> &list);
void putFeminineFormsFirst(QVector<const Candidate *> &list);
void putSingularNounLineBeforePluralOnlyLine(QVector<const Candidate *> &list);
template<typename Commonness>
void putLookAlikeOfOwnLineFirst(QVector<const Candidate *> &list, Commonness commonness);
void putPlainWordBeforeItsCompoundOnOneLine(QVector<const Candidate *> &list);
void putPlainNounBeforeItsCompounds(QVector<const Candidate *> &list);
void putPlainHeadBeforeJudgedWord(QVector<const Candidate *> &list);
void putPlainLineBeforeClassTaggedAddition(QVector<const Candidate *> &list);

// Rules run on the German words of an English word after the ranking
// (german_word_reranking.cpp).
void putPrepositionVerbsLast(QVector<const Candidate *> &list);
void putMutualOwnEntryFirst(QVector<const Candidate *> &list, const QHash<QString, const Candidate *> &ownEntries);
void putOwnExampleEntryBeforeBareSideLine(QVector<const Candidate *> &list,
                                          const QHash<QString, const Candidate *> &ownEntries);
void putOwnEntryFirstWhereNoneGivesFirst(QVector<const Candidate *> &list,
                                         const QHash<QString, const Candidate *> &ownEntries);
void putNounMainEntryBeforeSideVerb(QVector<const Candidate *> &list, const EnglishWordUses &uses);
void putOwnAdjectiveEntryBeforeSideOne(QVector<const Candidate *> &list,
                                       const QHash<QString, const Candidate *> &ownEntries);
void putVerbBeforeSideNoun(QVector<const Candidate *> &list, const EnglishWordUses &uses);
void putNounBeforeVerbOfItsPluralsSpelling(QVector<const Candidate *> &list);
void giveShortenedPhraseOfSameLineOnePlace(QVector<const Candidate *> &list);
void putCompoundEntrysPlainNounInRow(QVector<const Candidate *> &list, const EnglishWordUses &uses);
void putPlainPartBeforeLineHeadsCompound(QVector<const Candidate *> &list);
QString keepMutualMainEntryInRow(QVector<const Candidate *> &list, const QHash<QString, const Candidate *> &ownEntries);
void putAdjectiveBeforeNounOfAdjectivalPlural(QVector<const Candidate *> &list);
void putUntaggedLineBeforeFieldTaggedOwnNoun(QVector<const Candidate *> &list, const EnglishWordUses &uses);
void putLaterSynonymOfLinesCompoundsBeforeBareLine(QVector<const Candidate *> &list);
void putCompoundOnlyWordsLast(QVector<const Candidate *> &list);
void putMainEntryBeforeTiedShortLineOfOtherKind(QVector<const Candidate *> &list,
                                                 const QHash<QString, const Candidate *> &ownEntries);
void putUntaggedLineBeforeTiedFieldLine(QVector<const Candidate *> &list);
void putFullNounEntryBeforeBareLooseLine(QVector<const Candidate *> &list,
                                         const QHash<QString, const Candidate *> &ownEntries);
void putMainEntryBeforeWordGivenBack(QVector<const Candidate *> &list);
void putAgreedTransitiveVerbBeforeIntransitiveLine(QVector<const Candidate *> &list);
void putGeneralVerbEntryBeforeFieldGroupsVerb(QVector<const Candidate *> &list);
void putNotedUsesAfterPlainLines(QVector<const Candidate *> &list);
void putCommonHeadOfDatedUseBeforeRareSynonyms(QVector<const Candidate *> &list);
void putHeadsSetPhrasesAfterFullLines(QVector<const Candidate *> &list);
QSet<QString> germanHeadsOfFullLines(const QByteArray &text);
void giveRareBareNounsPlaceToCommonFullEntryWord(QVector<const Candidate *> &list,
                                                 const QHash<QString, const Candidate *> &ownEntries,
                                                 const QSet<QString> &fullLineHeads);
QString giveUnlistedLastPlaceToListedEntryHead(QVector<const Candidate *> &list);

// Rules that order the English words of a German word
// (english_word_ranking.cpp).
void markOtherSenses(const QVector<const Candidate *> &list, const QHash<QString, int> &ownLines);
void putPlainHeadBeforeNotedHead(QVector<const Candidate *> &list);
void putCognateFirst(QVector<const Candidate *> &list);
void putBareLinesCognateFirst(QVector<const Candidate *> &list);
void putLaterSynonymsCognateFirst(QVector<const Candidate *> &list);
void putLaterSynonymsFullEntryCognateFirst(QVector<const Candidate *> &list);
void putSameWordOfFullEntryFirst(QVector<const Candidate *> &list);
template<typename Commonness>
void putPlainHeadedLineFirst(QVector<const Candidate *> &list, Commonness commonness);
void putPlainWordBeforeItsKind(QVector<const Candidate *> &list);
template<typename Commonness>
void putOwnAdjectiveEntryFirst(QVector<const Candidate *> &list, Commonness commonness);
template<typename Commonness>
void putHeadedAdjectiveLineFirst(QVector<const Candidate *> &list, Commonness commonness);
template<typename Commonness>
void putOwnVerbEntryFirst(QVector<const Candidate *> &list, Commonness commonness);
void putAdjectiveBeforeAdverb(QVector<const Candidate *> &list);
void putLaterSynonymsAdjectiveBeforeAdverb(QVector<const Candidate *> &list);
template<typename Commonness>
void putHeadedLineBeforeBareSynonymLine(QVector<const Candidate *> &list, Commonness commonness);
void putLineFirstWordBeforeRegionalSlang(QVector<const Candidate *> &list);
template<typename Commonness>
void putTaggedFullEntryBeforeBareSynonymLine(QVector<const Candidate *> &list, Commonness commonness);
template<typename Commonness>
void putPlainHeadedLineBeforeLaterSynonymLine(QVector<const Candidate *> &list, Commonness commonness);
void putMainEntryWordsAfterItsPhrase(QVector<const Candidate *> &list);
void putPlainWordBeforeLaterSynonymsKind(QVector<const Candidate *> &list);
bool isExplanation(const QString &english);
void putOwnPlainLineBeforeNotedLaterSynonym(QVector<const Candidate *> &list);
void putOwnLineBeforeRegionalWordOfNotedUse(QVector<const Candidate *> &list);
void putPlainLinesBeforeListedNotedLaterSynonym(QVector<const Candidate *> &list);
template<typename Commonness>
void putFullLineBeforeBareLaterSynonymLine(QVector<const Candidate *> &list, Commonness commonness);
void putOwnLineBeforeLaterSynonymsSideUse(QVector<const Candidate *> &list);
void putHeadedAdjectiveEntryBeforeBareParticiple(QVector<const Candidate *> &list);
void putFullAdjectiveEntryBeforeBareOneWordLine(QVector<const Candidate *> &list);
void putAdjectiveSensesBeforeIntransitiveVerbLine(QVector<const Candidate *> &list);
void putAdjectiveExplanationBehindNotedWordOfSameKind(QVector<const Candidate *> &list);
void putLineExemplifyingWordBeforeOtherWordsLine(QVector<const Candidate *> &list);
void putPlainNounBeforeGerundOfBareLine(QVector<const Candidate *> &list);
void putExemplifiedLaterSynonymBeforeBareLaterSynonymLines(QVector<const Candidate *> &list);
QHash<QString, QSet<QString>> englishVerbsOfNamedVerbs(const QHash<QString, QVector<const Candidate *>> &byGerman);
void putVerbsWordFirstForItsNoun(QVector<const Candidate *> &list, const QSet<QString> &verbsWords);
template<typename Commonness>
void putOwnPlainLineBeforeFieldLineOfLaterSynonym(QVector<const Candidate *> &list, Commonness commonness);
void putComparingLineBeforeAdverbLineOfLaterSynonym(QVector<const Candidate *> &list);
void putVerbsAloneEntryBeforeSynonymLine(QVector<const Candidate *> &list);
void putHeadedExampleLineBeforeBareSynonymPair(QVector<const Candidate *> &list);
void putPlainLineBeforeUseNarrowedOnBothSides(QVector<const Candidate *> &list);
void putPlainLineBeforeNotedLineOfSameWords(QVector<const Candidate *> &list);
void putSingularNounBeforeNotedPluralUse(QVector<const Candidate *> &list);
void putHeadedVerbFormsBeforeExampleLine(QVector<const Candidate *> &list);
template<typename Commonness>
void putLiteralLineBeforeFigurativeUse(QVector<const Candidate *> &list, Commonness commonness);
void putPlainEntriesBeforeUseNarrowedOnBothSides(QVector<const Candidate *> &list);
void putOwnPlainLineBeforeSideUse(QVector<const Candidate *> &list);
void putPlainPluralLineBeforeNotedMainEntry(QVector<const Candidate *> &list);
void putLaterSynonymsPhraseLineWordsLast(QVector<const Candidate *> &list);
void putOwnLineBeforeFieldGroupsWordOfNoun(QVector<const Candidate *> &list, const QSet<QString> &nounEntryWords);

// Describing the synonyms of a line: senses, notes, prepositions
// (trans_de_en_synonyms.cpp).
bool hasGender(QStringView raw);
// Whether an English word names a female or a male (sexNamedBy), and
// whether a German noun is of the other sex on a line that gives both
// (nounOfOtherSexOnMixedLine).
enum class EnglishSex { None, Female, Male };
EnglishSex sexNamedBy(const QString &english, const QVector<TransSynonym> &lineWords);
bool nounOfOtherSexOnMixedLine(const QVector<QStringView> &germanRaws, qsizetype position, EnglishSex sex);
QSet<QString> dropNounsOfOtherSex(QVector<Candidate> &candidates);
qsizetype ownSexPlace(const QVector<TransSynonym> &english, QStringView germanSide, qsizetype position,
                      qsizetype headPlace);
bool isGermanPreposition(const QString &word);
QStringList prepositionsOf(QStringView raw);
bool namesNoVerb(QStringView germanSide);
bool narrowsSense(QStringView note);
bool holdsNarrowingNote(QStringView section);
bool holdsEnglishNarrowingNote(QStringView section);
bool holdsEnglishNoteAfterWord(QStringView section);
bool carriesNarrowingNote(QStringView raw, bool english = false);
TransSynonym describeSynonym(QStringView raw, bool english, bool keepTo = false, bool standard = false);
bool needsDroppedPrepositionForNotedSynonym(QStringView englishRaw, QStringView germanRaw, QStringView headRaw,
                                            qsizetype germanPosition);
bool leavesHeadsPrepositionToBareSynonym(QStringView englishRaw, QStringView germanRaw, QStringView germanSide,
                                         qsizetype germanPosition);
bool lineLeavesHeadsPrepositionToBareSynonym(QStringView line, const QString &english, int germanPosition);
TransSynonym describeEnglishSynonym(QStringView raw, QStringView germanSide);
QVector<TransSynonym> synonymsOf(QStringView side, bool english, bool keepTo = false);

// Places of words on a line: main word, counterpart, examples, compounds
// (trans_de_en_line_places.cpp).
qsizetype plainWordPlace(const QVector<TransSynonym> &english);
bool compoundedByEarlierSynonyms(const QVector<TransSynonym> &german, qsizetype place);
bool compoundsAlikeOnBothSides(const QString &germanHead, const QString &germanPart, const QString &englishHead,
                               const QString &englishPart);
QString exampleSectionsAfterPlurals(QStringView germanSide);
QString germanStemOf(const QString &german);
bool furtherSectionsNameNoLineWord(QStringView germanSide, const QVector<TransSynonym> &synonyms);
bool examplesShowOnlyOtherWord(const QString &examples, const QString &german, const QVector<TransSynonym> &synonyms);
QStringList phrasesPairedWithHeadInLaterSections(QStringView germanSide, QStringView englishSide,
                                                 const QSet<QString> &core);
bool givesExampleSentences(QStringView germanSide);
bool examplesShowOnlyLaterSynonym(QStringView germanSide, qsizetype position);
bool pluralPlaceNamesAdjective(QStringView germanSide, const QString &laterEnglish,
                               const QVector<TransSynonym> &english, qsizetype place);
bool onlyFieldTagged(QStringView raw);
bool plainWordOfKinds(const Candidate &candidate);
qsizetype mainEnglishPlace(const QVector<TransSynonym> &english, QStringView germanSide);
qsizetype counterpartPlace(const QVector<TransSynonym> &english, const TransSynonym &german, qsizetype headPlace,
                           const QSet<QString> &englishWords);

// Cleaning one synonym of its markup (trans_de_en_cleaning.cpp).
QString withoutSharedArticles(const QString &line);
TransSynonym laterSenseOfLine(const QVector<TransSynonym> &englishSynonyms, const QVector<QStringView> &english,
                              qsizetype k, QStringView germanSide);
QString withVerbsAlone(const QString &line);

// Passes over the whole file: spellings, counts, plural, participle and
// phrase senses, English items (trans_de_en_scans.cpp).
TransSynonym sameWordOnLine(QByteArrayView raw, const QString &german);
QHash<QString, QString> spellingPairsOf(const QByteArray &text);
QByteArrayView takeRawTransLine(const QByteArray &text, qsizetype &start);
LineFields lineFieldsOf(QStringView germanSide, QStringView englishSide = {});
QString takeTransLine(const QByteArray &text, qsizetype &start);
std::size_t germanSectionKeyOf(QStringView germanSide);
QHash<QString, QStringList> pluralSectionSenses(const QByteArray &text, const QSet<QString> &core);
void addPresentParticipleSenses(GermanSources &sources, const QByteArray &text);
TransitiveParticipleForms transitiveParticipleForms(const QByteArray &text);
void addAdjectivesOfTransitiveParticiples(GermanSources &sources, const TransitiveParticipleForms &scan);
QString wordOfOtherLines(const QString &german, qsizetype synonymsOnLine = 1);
bool givesOwnSensesOfOtherLine(const QString &german, QStringView germanSide);
bool headsOwnLineAsReflexiveVerb(const TransSynonym &german, qsizetype synonymsOnLine);
QVector<TransSynonym> withKeptReflexiveVerbs(QVector<TransSynonym> synonyms, const QSet<QString> &kept);
void putReflexiveVerbsOtherLinesLate(QVector<Candidate> &senses, const QSet<std::pair<QString, int>> &ownLines);
QHash<QString, QVector<PhraseSectionSense>> phraseSectionSenses(const QByteArray &text, const QSet<QString> &kept);
void putPhraseSectionSenseBeforeSideUses(QVector<const Candidate *> &list);
bool slangOfOtherRegion(const TransSynonym &synonym, const TransSynonym &first);
bool countryWordsShareFirstPlace(const QVector<QStringView> &english);
QString verbOfObjectPhrase(QStringView raw, const QString &read);
void readAsVerbOfObjectPhrase(Candidate &candidate, const QString &read);
struct SharedObjectPhrase
{
    QString verb;        // the English verb ("demolish")
    QString germanVerb;  // the German head's verb ("abreißen")
    QString objectPair;  // the German and the English noun ("Gebäude\nbuilding")
};
SharedObjectPhrase verbOfSharedObjectPhrase(QStringView raw, const QString &read, QStringView germanSide);
void dropSharedObjectVerbsOfUnpairedNounsOrFullRows(QVector<Candidate> &candidates);
void putObjectPhraseVerbsLast(QVector<const Candidate *> &list);
QStringList adjectivesOfAdverb(const QString &adverb);
void putRepeatingAdverbsAfterOtherSenses(QVector<const Candidate *> &list);
void dropObjectPhraseVerbsGivenPlainly(QVector<Candidate> &candidates);
void markRepeatedOrSpoiltEnglishItems(const QStringList &items, const QString &german, const QSet<QString> &wordList,
                                      GermanSources &sources);
bool isFrenchWordOfSetPhrases(const QString &item, const QSet<QString> &wordList);
QHash<QString, std::pair<int, int>> englishItemUses(const QByteArray &text, const QSet<QString> &words);
QSet<QString> singularsBesidePairedPlurals(const QByteArray &text);
void markForeignWordsAndPairedSingulars(const QStringList &items, const QString &german, const QSet<QString> &wordList,
                                        const QHash<QString, std::pair<int, int>> &uses,
                                        const QSet<QString> &pairSingulars, GermanSources &sources);

// Passes that count how lines pair words and render compounds
// (trans_de_en_pairing.cpp).
bool isParticleVerbOf(QStringView raw, QStringView verb);
bool sharesPlaceAmongOneVerbsParticleVerbs(const QVector<QStringView> &english,
                                           const QVector<TransSynonym> &synonyms, qsizetype k);
QVector<QStringView> wordsOutsideBrackets(QStringView section);
QHash<QString, QHash<QString, int>> linesPairingWords(const QByteArray &text,
                                                      const QHash<QString, QStringList> &wanted);
void putWidelyPairedWordFirst(QVector<const Candidate *> &list, const QHash<QString, int> &pairs,
                              const WordFrequencies &germanLines);
QHash<QString, QVector<CompoundPairing>> compoundedPlainNouns(
    const QHash<QString, QVector<const Candidate *>> &byEnglish);
void countCompoundPairings(const QByteArray &text, QHash<QString, QVector<CompoundPairing>> &pairs);
void putPlainNounOfCompoundingHeadFirst(QVector<const Candidate *> &list, const QVector<CompoundPairing> &pairs);
QHash<QString, QHash<QString, int>> compoundRenderings(const QByteArray &text, const QHash<QString, QStringList> &wanted);
void putNounRenderingWordInCompoundsFirst(QVector<const Candidate *> &list, const QHash<QString, int> &renderings);
QString giveOneSensesLastPlaceToOtherNounEntry(QStringList &german, QVector<const Candidate *> &kept);
QString giveNotedNounsLastPlaceToAdjectiveOfSeveralLines(QStringList &german, QVector<const Candidate *> &kept,
                                               const QVector<const Candidate *> &list);
CoreWordScans scanForCoreWords(const QByteArray &text, const QSet<QString> &core, const QSet<QString> &lowerCore);

// Moves the item `item` points at to the front of `list`, the others keeping
// their order; nothing moves where no item was found (`item` is the end).
template <typename List, typename Iterator>
void moveToFront(List &list, Iterator item)
{
    if (item != list.end())
        std::rotate(list.begin(), item, item + 1);
}

// Calls `onSide` with the English side of each entry of trans-de-en's text
// (what follows its "::"), as bytes; comment lines and lines without a
// separator are passed over. A scan of the whole file for words or phrases
// reads it this way, without a QString per line.
template<typename OnSide>
void forEachEnglishSide(const QByteArray &text, OnSide onSide)
{
    const char *data = text.constData();
    const qsizetype size = text.size();
    qsizetype lineStart = 0;
    while (lineStart < size) {
        const char *newline = static_cast<const char *>(std::memchr(data + lineStart, '\n', size - lineStart));
        const qsizetype lineEnd = newline ? newline - data : size;
        const std::string_view line(data + lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        const size_t separator = line.find("::");
        if (line.empty() || line.front() == '#' || separator == std::string_view::npos)
            continue;
        onSide(line.substr(separator + 2));
    }
}

// Calls `visit` with each entry line of the file, a German side and an
// English side joined by " :: ", and where that separator stands; comment
// lines and lines without it are skipped.
template<typename Visit>
void forEachRawTransEntry(const QByteArray &text, Visit visit)
{
    qsizetype start = 0;
    while (start < text.size()) {
        const QByteArrayView raw = takeRawTransLine(text, start);
        const qsizetype separator = raw.indexOf(" :: ");
        if (separator >= 0 && !raw.startsWith("#"))
            visit(raw, separator);
    }
}

} // namespace vorbix::import::detail
