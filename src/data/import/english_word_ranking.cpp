// The rules that order the English words of a German word (the rows of the
// German-English table).

#include "data/import/trans_de_en_internal.h"

#include <limits>

namespace vorbix::import {

namespace detail {

namespace {

// Whether another English word's own entry that gives the German word is a
// line the German word heads ("Festland {n} [geogr.] | ... :: mainland |
// ..."). For a word that is no noun, adjective or verb (an adverb, a
// pronoun), a bare line it heads is its own line too ("irgendetwas;
// irgendwas {adv} :: something"), and an own entry that lists it only as a
// later synonym ("etwas; irgendetwas; jedes; ... {pron} | ... :: anything |
// ...") names its first word's sense: that does not mark the bare line's word
// as another word's (see markOtherSenses). Judged against the rows it
// changed, the same for nouns, adjectives and verbs put as many side senses
// first as it moved back ("ätzend": arch, "Stoff": stuff).
bool ownEntryHeadedByGerman(const QVector<const Candidate *> &list, const QHash<QString, int> &ownLines)
{
    return std::any_of(list.cbegin(), list.cend(), [&ownLines](const Candidate *candidate) {
        return candidate->germanFirst && !candidate->fringe
               && ownLines.value(candidate->english, -1) == candidate->line;
    });
}

} // namespace

// Marks the English words of one German word that are first another German
// word's translation. An English word's own entry (`ownLines`) is the first
// line that gives it first and has more than one section: as for
// markMainEntry, the dictionary puts a word's main sense there. A candidate
// is marked when its word's own entry does not list the German word and
// every line that gives the pair is bare, one section and nothing else, as a
// side use is ("Festland {n} :: continent" beside "Kontinent {m}; Erdteil {m}
// [geogr.] | Kontinente {pl}; Erdteile {pl} | ... :: continent | continents |
// ..."), and only where another English word's own entry does list the
// German word ("Festland {n} [geogr.] | das griechische Festland ::
// mainland | ..."): the learner meets first a word whose own sense this is.
// Where no word of the list has the German word in its own entry, the list
// has no better word to offer and nothing is marked. The German words of an
// English word are not marked so: judged against the rows it changed, the
// same rule there put as many side uses first as it moved back.
void markOtherSenses(const QVector<const Candidate *> &list, const QHash<QString, int> &ownLines)
{
    QSet<QString> given;  // words with a line of more than one section or their own entry
    bool mutual = false;  // a word's own entry gives the German word
    for (const Candidate *candidate : list) {
        const bool own = ownLines.value(candidate->english, -1) == candidate->line;
        mutual = mutual || (own && !candidate->fringe);
        if (candidate->sections > 1 || own)
            given.insert(candidate->english);
    }
    const bool headedMutual = ownEntryHeadedByGerman(list, ownLines);
    for (const Candidate *candidate : list)
        candidate->otherSense = mutual && ownLines.contains(candidate->english) && !given.contains(candidate->english)
                                && (headedMutual || !candidate->germanFirst || candidate->noun
                                    || candidate->wordClass.adjective || candidate->englishVerb);
}

// Puts the word of a line the German word heads with no tag or note first
// where the ranking chose the word of a line that a note before the German
// word narrows ("(geistige) Anziehungskraft {f}; Chemie {f} [ugs.] :: chemistry"
// before "Anziehungskraft {f}; Attraktivität {f} (zwischen jdm./von etw.) |
// körperliche Anziehungskraft/Attraktivität | ... :: attraction;
// attractiveness | ..."): the note names one use of the word, and the plain
// line, with at least as many sections, its general sense. The subtitle
// list misses many such words, and then how often the dictionary mentions
// a word ranks them, which favours words that name a field. Judged against
// the rows it changed, the same for a note after the word put as many side
// uses first as it moved back ("drain" for "Ablauf", "noddle" for "Birne").
void putPlainHeadBeforeNotedHead(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first || !list.first()->germanFirst || !list.first()->germanObjectNoted
        || list.first()->englishNoted || list.first()->mainEntry || list.first()->clearMainEntry)
        return;
    const Candidate *top = list.first();
    const auto plain = std::find_if(list.begin() + 1, list.end(), [top](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->noun == top->noun
               && candidate->sections >= top->sections && !candidate->noted && !candidate->englishNoted
               && !candidate->wordClass.notedAfterClass && !isSpecial(*candidate) && !candidate->fringe
               && !candidate->otherSense && !candidate->englishRegister && !candidate->englishDated
               && !candidate->lineTagged && !candidate->fieldTagged && !candidate->groupTagged;
    });
    moveToFront(list, plain);
}

namespace {

// Whether a line's further German sections name the German word again
// (its plurals, compounds or examples: "Flanke {f} | Flanken {pl}"). A line
// whose second section is another word, with the English word given again
// ("Ausländer {m} | Fremder {m} :: outlander [mainly Am.] | outlander
// [mainly Am.]"), pairs two words with one translation each: its sections
// are not the German word's forms, and the line is as bare as a line of one
// section; a look-alike there ("outlander") may be a mere likeness. Judged
// against the rows it changed, asking every line for the word again as often
// held back a true entry whose plural the stem misses ("Podium | Podien"),
// so a noun's plural, or a line of another word class, passes.
bool furtherSectionsNameGermanWord(const Candidate &candidate)
{
    return !candidate.noun || candidate.pluralForms || candidate.germanNamedAgain;
}

} // namespace

// Puts the English cognate of a German word first where a plain line gives
// it as its first word and the ranking chose another word ("Flanke {f} |
// Flanken {pl} :: flank | flanks" before "Flanke {f} (Fußball) [sport] ::
// wing (football)"): where the dictionary offers the word the German one
// shares its root with, untagged and un-narrowed, that is the word's main
// sense, and the subtitle list, which misses many such words, ranks them
// behind any listed word of a side use. A noun's line whose further sections
// give neither its plural nor the word again is no such entry
// (furtherSectionsNameGermanWord).
void putCognateFirst(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || list.first()->mainEntry || list.first()->clearMainEntry
        || isCognate(list.first()->german, list.first()->english))
        return;
    const auto cognate = std::find_if(list.begin(), list.end(), [](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->sections > 1 && !candidate->noted
               && furtherSectionsNameGermanWord(*candidate) && !candidate->otherSense
               && !candidate->fringe && !isSpecial(*candidate) && !candidate->englishRegister
               && isCognate(candidate->german, candidate->english);
    });
    moveToFront(list, cognate);
}

// Puts the English cognate of a German word first where a bare line the
// German word heads gives it as its first word and the ranking chose the
// word of another bare line it heads ("intellektuell; geistig {adj} ::
// intellectual" before "intellektuell {adj} :: high-minded"): of two lines
// alike in weight, the one whose word shares the German word's root names
// its main sense. putCognateFirst asks the cognate's line for forms or
// examples.
void putBareLinesCognateFirst(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first || !list.first()->germanFirst || list.first()->sections != 1
        || list.first()->mainEntry || list.first()->clearMainEntry
        || isCognate(list.first()->german, list.first()->english))
        return;
    const auto cognate = std::find_if(list.begin(), list.end(), [](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->sections == 1 && !candidate->noted
               && !candidate->otherSense && !candidate->fringe && !isSpecial(*candidate)
               && !candidate->englishRegister && isCognate(candidate->german, candidate->english);
    });
    moveToFront(list, cognate);
}

// Puts the English cognate of a German word first where a line gives it as
// its first word with the German word as a later synonym, and the ranking
// chose a word that is itself a later synonym's or narrowed by a note
// ("Fassungsvermögen {n}; Kapazität {f}; ... :: capacity; ..." before
// "Fachgröße {f}; Kapazität {f}; Autorität {f}; ... :: authority"): of two
// lines that share the German word with other words, the one whose English
// word shares its root names its main sense. Judged against the rows it
// changed, about three in four came out better, one in twelve worse
// ("technics" for "Technik").
void putLaterSynonymsCognateFirst(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || list.first()->mainEntry || list.first()->clearMainEntry
        || (list.first()->germanFirst && !list.first()->noted) || isCognate(list.first()->german, list.first()->english))
        return;
    const auto cognate = std::find_if(list.begin(), list.end(), [](const Candidate *candidate) {
        return candidate->first && !candidate->germanFirst && !candidate->noted && !candidate->otherSense
               && !candidate->fringe && !isSpecial(*candidate) && !candidate->englishRegister
               && isCognate(candidate->german, candidate->english);
    });
    moveToFront(list, cognate);
}

// Puts the German word's look-alike first where a fuller entry that lists
// the word as a later synonym gives it as its first word, and the ranking
// chose the plain word of a shorter line that lists the German word later
// too ("Abordnung {f}; Delegation {f} {+Gen./bei} [adm.] | Abordnungen {pl};
// Delegationen {pl} | Handelsdelegation {f} | ... :: delegation (from/to) |
// ..." before "Mission {f}; Abordnung {f}; Delegation {f} | Missionen {pl};
// ... :: mission | missions"): the shorter line names its first word's
// sense, while the entry with the plurals and examples names the sense the
// German word shares its root with, whatever field its tag names. The entry
// has at least three sections, more than the chosen line, and gives the
// plurals. Judged against the rows it changed, a fuller line without
// plurals, or a chosen word narrowed by a note, as often put a look-alike's
// side sense first ("lust" for "Lust", "pelt" for "Pelz").
void putLaterSynonymsFullEntryCognateFirst(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first || list.first()->germanFirst || list.first()->noted
        || list.first()->mainEntry || list.first()->clearMainEntry
        || isCognate(list.first()->german, list.first()->english))
        return;
    const Candidate *top = list.first();
    const auto cognate = std::find_if(list.begin(), list.end(), [top](const Candidate *candidate) {
        return candidate->first && !candidate->germanFirst && candidate->pluralForms
               && candidate->sections >= std::max(3, top->sections + 1) && !candidate->otherSense
               && !candidate->fringe && candidate->germanSense != Sense::SpecialRegister
               && !candidate->englishRegister && isCognate(candidate->german, candidate->english);
    });
    moveToFront(list, cognate);
}

// Puts the English word spelt as the German noun first where a full entry
// with its plurals, at least five sections and three times as many as the
// chosen word's line, gives it first and the ranking chose another word
// ("Werkzeughammer {m}; Hammer {m} [techn.] |
// Werkzeughämmer {pl}; Hämmer {pl} | Abrichthammer {m}; ... :: hammer (tool)
// | hammers | ..." before "Hammer {m} | Hämmer {pl} :: sledge | sledges"):
// the entry with the compounds and examples names the thing the two
// languages share a word for, whatever its field tag or note. Judged
// against the rows it changed, all three ("Hammer", "Material",
// "Emission") came out better.
void putSameWordOfFullEntryFirst(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first || list.first()->clearMainEntry
        || isCognate(list.first()->german, list.first()->english))
        return;
    const Candidate *top = list.first();
    const auto same = std::find_if(list.begin() + 1, list.end(), [top](const Candidate *candidate) {
        return candidate->first && candidate->noun && candidate->pluralForms
               && candidate->sections >= std::max(5, 3 * top->sections)
               && candidate->english.compare(candidate->german, Qt::CaseInsensitive) == 0 && !candidate->otherSense
               && !candidate->fringe && candidate->germanSense != Sense::SpecialRegister
               && !candidate->englishRegister && !candidate->englishDated;
    });
    moveToFront(list, same);
}

// Puts the word of a German word's plain line first where the ranking chose
// a word that a later line narrows by a note ("Läufer {m} (Schachfigur) |
// Läufer {pl} :: bishop (chessman) | bishops"). The plain line comes earlier
// in the file, heads with the German word, has no tag or note on either
// side, and gives forms or examples, at least as many sections as the chosen
// line ("Läufer {m} [sport] | Läufer {pl} :: runner | runners"); its word is
// a single word that the dictionary's lines mention at least as often as
// the chosen one. The dictionary lists a word's general sense before its
// uses, and the subtitle list, which misses "runner", would rank any listed
// word of a narrowed use before it. Judged against the rows they changed,
// a later plain line, a phrase or a rarer word as often put a side use first
// ("reconvert" for "umstellen", "pasty" for "blass").
// The same holds where the ranking chose the word of a line that gives the
// German noun only as a later synonym, whatever the note: the noun's own line
// names its general sense ("Blase {f} [anat.] | Blasen {pl} :: bladder |
// bladders" before "Gaseinschluss {m}; Gasblase {f}; Blase {f}; ... :: gas
// pocket; ..."), and there the dictionary's mentions, which count a
// technical phrase's common words, do not tell the rarer word.
// A chosen word that is the German word's own look-alike on a line it
// stands later on (counterpartPlace) keeps its place unless the headed
// line's word is at least as common: "Platte :: plate" stays before the
// serving "dish" of "Platte {f}; Teller {n}; Schale {f} [cook.] :: dish".
template<typename Commonness>
void putPlainHeadedLineFirst(QVector<const Candidate *> &list, Commonness commonness)
{
    if (list.isEmpty() || list.first()->mainEntry || list.first()->clearMainEntry)
        return;
    const Candidate *top = list.first();
    if (!top->noted && (top->germanFirst || !top->noun))
        return;
    const auto plain = std::find_if(list.begin(), list.end(), [top, &commonness](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && !candidate->noted && !candidate->otherSense
               && !candidate->fringe && !isSpecial(*candidate) && !candidate->englishRegister
               && !candidate->english.contains(u' ') && candidate->sections >= std::max(2, top->sections)
               && candidate->line < top->line
               && (!(top->noted || top->counterpart) || commonness(*candidate) >= commonness(*top));
    });
    moveToFront(list, plain);
}
template void putPlainHeadedLineFirst<CandidateCommonness>(QVector<const Candidate *> &list,
                                                           CandidateCommonness commonness);

namespace {

// Whether an English phrase is a kind of `word`: its last word, or the word
// before "of" ("mountain saddle", "stand of vegetation"). A phrase opened by
// a preposition is a use of the word, not a kind ("by chance").
bool narrowsWord(const QString &phrase, const QString &word)
{
    if (!phrase.contains(u' ') || word.contains(u' '))
        return false;
    const QStringList words = phrase.split(u' ');
    static const QSet<QString> prepositions{QStringLiteral("at"), QStringLiteral("by"), QStringLiteral("for"),
                                            QStringLiteral("from"), QStringLiteral("in"), QStringLiteral("on"),
                                            QStringLiteral("to"), QStringLiteral("with")};
    if (prepositions.contains(words.first().toLower()))
        return false;
    const qsizetype of = words.indexOf(QLatin1String("of"));
    const QString &head = of > 0 ? words.at(of - 1) : words.last();
    return head.compare(word, Qt::CaseInsensitive) == 0;
}

} // namespace

// Puts a plain English word before a phrase that names a kind of it where
// the ranking chose the phrase ("hotel reception" and "reception" for
// "Rezeption", "food menu" and "menu" for "Speisekarte"): where a line gives
// the plain word for the German word too, with no tag or note, the German
// word means it in general. Judged against the rows it changed, about one in four loses a
// precise name ("wild boar" for "Wildschwein").
void putPlainWordBeforeItsKind(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->english.contains(u' '))
        return;
    const Candidate *top = list.first();
    const auto plain = std::find_if(list.begin(), list.end(), [top](const Candidate *candidate) {
        return candidate->first && !candidate->noted && !candidate->otherSense && !candidate->fringe
               && !isSpecial(*candidate) && !candidate->englishRegister && narrowsWord(top->english, candidate->english);
    });
    moveToFront(list, plain);
}

// Puts the word of an adjective's own entry first where the ranking chose
// the word of a line that gives the German adjective only as a later
// synonym ("stürmisch {adj} | stürmischer | am stürmischsten :: stormy |
// ..." before "wild; ausgelassen; stürmisch; ungebärdig {adj} | ... ::
// wild | ..."): the later synonym shares one sense of the line's first word,
// which its own entry, with its comparative and superlative, need not name.
// An English word that no other line of the dictionary uses is a rare one
// ("distrustful" for "misstrauisch", "smeary" for "schmierig") and stays
// where the ranking put it. Judged against the rows it changed, about three
// in five came out better and one in six worse ("hardy" for "kühn").
template<typename Commonness>
void putOwnAdjectiveEntryFirst(QVector<const Candidate *> &list, Commonness commonness)
{
    if (list.isEmpty() || list.first()->noun || list.first()->germanFirst || list.first()->clearMainEntry)
        return;
    const auto own = std::find_if(list.begin(), list.end(), [&commonness](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->comparison
               && commonness(*candidate) > 1 && !candidate->noted
               && !candidate->otherSense && !candidate->fringe && !isSpecial(*candidate)
               && !candidate->englishRegister && !candidate->english.contains(u' ');
    });
    moveToFront(list, own);
}
template void putOwnAdjectiveEntryFirst<CandidateCommonness>(QVector<const Candidate *> &list,
                                                             CandidateCommonness commonness);

// Puts the word of a line that a German adjective heads first where the
// ranking chose the word of a line that gives the adjective only as a later
// synonym and no line compares it (see putOwnAdjectiveEntryFirst): the
// later synonym shares one sense of the line's first word ("unvorteilhaft;
// nicht sehr kleidsam {adj} [textil.] | Dieses Kleid steht ihr nicht. ::
// unbecoming | ..." before "unbequem; ungemütlich; unpraktisch;
// unvorteilhaft {adj} | ... :: uncomfortable | ..."). The headed line gives
// examples, at least as many sections as the chosen one, and at least as
// many lines give its word first; the chosen line compares none of its
// adjectives, which would make it a full entry of its own. Judged against
// the rows it changed, about half came out better and one in five worse
// ("stodgy" for "verstaubt").
template<typename Commonness>
void putHeadedAdjectiveLineFirst(QVector<const Candidate *> &list, Commonness commonness)
{
    if (list.isEmpty() || list.first()->noun || list.first()->germanFirst || list.first()->clearMainEntry
        || list.first()->mainEntry || list.first()->comparison || !list.first()->wordClass.adjective)
        return;
    const Candidate *top = list.first();
    const auto own = std::find_if(list.begin(), list.end(), [top, &commonness](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->wordClass.adjective
               && candidate->sections >= std::max(2, top->sections) && candidate->support >= top->support
               && commonness(*candidate) > 1
               && !candidate->noted && !candidate->otherSense && !candidate->fringe && !isSpecial(*candidate)
               && !candidate->englishRegister && !candidate->english.contains(u' ');
    });
    moveToFront(list, own);
}
template void putHeadedAdjectiveLineFirst<CandidateCommonness>(QVector<const Candidate *> &list,
                                                               CandidateCommonness commonness);

namespace {

// Puts the word of a German verb's own line first where the ranking chose
// the word of a line that gives the verb only as a later synonym ("tarnen
// {vt} | tarnend | getarnt | ... :: to camouflage; ..." before "abdecken;
// verbergen; maskieren; tarnen {vt} | ... :: to mask | ..."): as for
// adjectives (putOwnAdjectiveEntryFirst), the later synonym shares one sense
// of the line's first verb. The own line gives the verb's forms, at least as
// many sections as the chosen line, and a single word. Judged against the
// rows it changed, about three in five came out better and one in ten worse.
// Where the chosen word is a phrase ("to go one better", "to add up"), an
// English word that no other line of the dictionary uses ("to overruff",
// "to totalize") is the rarer of the two and does not displace it.
// Whether a verb's own line is a full entry of a field's word: its German
// words tagged with a field (not a register), the English word untagged,
// and its forms given in full, present and past tense, more sections than
// the chosen line ("etw. unterstreichen {vt} [print] | unterstreichend |
// unterstrichen | unterstreicht | unterstrich :: to underline sth.; ..."
// before "to point up" of "etw. hervorheben; unterstreichen; ... {vt} | ...").
// The field names where the sense comes from, not a side use.
constexpr int kConjugatedSections = 5;

bool conjugatedInField(const Candidate &candidate, const Candidate &top)
{
    return candidate.germanSense == Sense::SpecialField && !candidate.englishSpecial
           && candidate.sections >= kConjugatedSections && candidate.sections > top.sections;
}

} // namespace

template<typename Commonness>
void putOwnVerbEntryFirst(QVector<const Candidate *> &list, Commonness commonness)
{
    if (list.isEmpty() || list.first()->noun || list.first()->germanFirst || list.first()->clearMainEntry
        || !list.first()->englishVerb)
        return;
    const Candidate *top = list.first();
    const auto own = std::find_if(list.begin(), list.end(), [top, &commonness](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->englishVerb && !candidate->noted
               && !candidate->otherSense && !candidate->fringe
               && (!isSpecial(*candidate) || conjugatedInField(*candidate, *top))
               && !candidate->englishRegister && !candidate->english.contains(u' ')
               && candidate->sections >= std::max(2, top->sections)
               && (!top->english.contains(u' ') || commonness(*candidate) > 1);
    });
    moveToFront(list, own);
}
template void putOwnVerbEntryFirst<CandidateCommonness>(QVector<const Candidate *> &list,
                                                        CandidateCommonness commonness);

// Puts the word of a German adjective's own line first where the ranking
// chose the word of a line that gives it as an adverb only ("schroff {adv}
// | ... :: shortly; sharply" before "schroff {adj} | schroffer | am
// schroffsten :: rugged | ..."): German adjectives serve as adverbs
// unchanged, so the adverb's line names a use of the adjective, and its
// English "-ly" adverb reads as a word of its own ("shortly" as "soon").
// The adjective's line must give forms or examples and a single word: bare
// lines and phrases, judged against the rows they changed, as often put a
// side use first ("on the nail" for "sofort"). A line whose German words
// share a field tag names a field's use ("tatsächlich; effektiv {adj} [fin.]
// [jur.] :: effective"), not the adjective's main sense.
void putAdjectiveBeforeAdverb(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->wordClass.adverb || list.first()->wordClass.adjective
        || !list.first()->english.endsWith(QLatin1String("ly")))
        return;
    const auto adjective = std::find_if(list.begin(), list.end(), [](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->wordClass.adjective && candidate->sections > 1
               && !candidate->english.contains(u' ') && !candidate->noted
               && !candidate->otherSense && !candidate->fringe && !isSpecial(*candidate)
               && !candidate->englishRegister && !candidate->groupTagged;
    });
    moveToFront(list, adjective);
}

// Puts the word of an adjective line first where the ranking chose an "-ly"
// adverb of a line that lists the German word as a later synonym too and
// gives it as an adverb only ("feige; feig; kleinmütig ... {adv} ::
// faint-heartedly; ..." before "feige; feig; kleinmütig ... {adj} | ... ::
// cowardly; faint-hearted; ..."): the adverb line repeats the adjective's
// entry for its use as an adverb, so for a word that heads neither line the
// adjective's word still names it. putAdjectiveBeforeAdverb asks for a line
// the German word heads, and leaves these rows to an English adverb.
void putLaterSynonymsAdjectiveBeforeAdverb(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->wordClass.adverb || list.first()->wordClass.adjective
        || list.first()->germanFirst || !list.first()->english.endsWith(QLatin1String("ly")))
        return;
    const Candidate *top = list.first();
    const auto adjective = std::find_if(list.begin(), list.end(), [top](const Candidate *candidate) {
        return candidate->first && !candidate->germanFirst && candidate->wordClass.adjective
               && candidate->line + 1 == top->line && candidate->sections > 1
               && !candidate->english.contains(u' ') && !candidate->noted
               && !candidate->otherSense && !candidate->fringe && !isSpecial(*candidate)
               && !candidate->englishRegister && !candidate->groupTagged;
    });
    moveToFront(list, adjective);
}

namespace {

// A word met on fewer lines of the dictionary is its rarity, not a sense.
constexpr int kMinHeadedWordLines = 3;

// Puts first the first word of a line the German word heads, with forms or
// examples, where the ranking chose the word of a bare line listing the German
// word as a later synonym. The word must be a single, plain word the
// dictionary mentions often enough, not an adverb's over an adjective's, and
// pass `admits`, the bar each rule below sets for the line.
template<typename Commonness, typename Admits>
void putOwnLineBeforeBareSynonymLine(QVector<const Candidate *> &list, Commonness commonness, Admits admits)
{
    if (list.isEmpty() || list.first()->germanFirst || list.first()->sections > 1 || list.first()->clearMainEntry)
        return;
    const Candidate *top = list.first();
    const auto own = std::find_if(list.begin() + 1, list.end(), [top, &commonness, &admits](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->sections > 1 && admits(*candidate)
               && commonness(*candidate) >= kMinHeadedWordLines && candidate->english != top->english
               && !candidate->english.contains(u' ') && (!candidate->wordClass.adverb || top->wordClass.adverb)
               && !candidate->noted && !candidate->otherSense && !candidate->fringe
               && !candidate->englishRegister && !candidate->englishColloquial;
    });
    moveToFront(list, own);
}

} // namespace

// Puts the word of a line headed by the German word first where the ranking
// chose the word of a bare line that lists the German word only as a later
// synonym ("Rettung {f}; Ausweg {m}; Zuflucht {f} :: resort" for
// "Zuflucht"): such a line shares one sense of its first word, while the
// German word's own line, with its forms or examples, names its own
// ("Zuflucht {f}; Asylschutz {m}; ... | Kirchenasyl {n} | ... :: refuge;
// sanctuary | ..."). The own line gives its word first, plain and untagged,
// and a single word that at least kMinHeadedWordLines lines of the
// dictionary mention: a word met once or twice ("pantagruelian" for
// "gigantisch", "covey" for "Schar") is the dictionary's rarity, not the
// German word's sense. An adverb's line does not displace an adjective's
// word ("überaus"). Judged against the rows it changed, about three in five
// came out better ("Mischung :: mixture" before "compound", "Tugend ::
// virtue" before "goodness") and one in six worse.
template<typename Commonness>
void putHeadedLineBeforeBareSynonymLine(QVector<const Candidate *> &list, Commonness commonness)
{
    putOwnLineBeforeBareSynonymLine(list, commonness, [](const Candidate &candidate) {
        return !isSpecial(candidate) && !candidate.groupTagged && !candidate.lineTagged;
    });
}
template void putHeadedLineBeforeBareSynonymLine<CandidateCommonness>(QVector<const Candidate *> &list,
                                                                      CandidateCommonness commonness);

namespace {

// Puts the word of a full entry that the German word heads first where the
// ranking chose the word of a bare line that lists the German word only as
// a later synonym, even where the entry carries a field tag ("dienstlich
// {adj} [adm.] | dienstliche Angelegenheit; Dienstsache | ... :: official;
// business | ..." before "amtlich; dienstlich {adj} :: functional"): with
// its examples the entry names the word's own sense, and its tag the field
// that sense belongs to, while the bare line shares one sense of its first
// word. The entry has at least kMinFullEntrySections sections and its word
// meets the same bar as in putHeadedLineBeforeBareSynonymLine. Judged against
// the rows it changed, five in seven came out better ("Ehrgeiz :: ambition"
// before "ambitiousness") and one worse ("monotonic" for "monoton").
constexpr int kMinFullEntrySections = 3;

} // namespace

// Puts the first word of a line before another region's slang word that
// the ranking chose from the same line ("Klo {n} [ugs.] :: loo [Br.]
// [coll.]; ...; can [Am.] [slang]" gives "loo" first, not "can"): the
// dictionary gives its main word first, and a short slang word that the
// subtitle list ranks high names the thing only in one region's slang.
void putLineFirstWordBeforeRegionalSlang(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->regionalSlang)
        return;
    const Candidate *top = list.first();
    const auto head = std::find_if(list.begin(), list.end(), [top](const Candidate *candidate) {
        return candidate->line == top->line && candidate->first && !candidate->regionalSlang;
    });
    moveToFront(list, head);
}

template<typename Commonness>
void putTaggedFullEntryBeforeBareSynonymLine(QVector<const Candidate *> &list, Commonness commonness)
{
    putOwnLineBeforeBareSynonymLine(list, commonness, [](const Candidate &candidate) {
        return candidate.sections >= kMinFullEntrySections;
    });
}
template void putTaggedFullEntryBeforeBareSynonymLine<CandidateCommonness>(QVector<const Candidate *> &list,
                                                                           CandidateCommonness commonness);

// Puts the word of a noun's own plain line first where the ranking chose the
// word of a line that lists the noun only as a later synonym, whichever of
// the two lines comes first in the file (putPlainHeadedLineFirst asks for the
// earlier one). The dictionary sorts its lines by their first word, so the
// place of a line headed by another noun says nothing about the noun's
// senses: "Analytiker {m}; Organisator {m}; ... :: analyst" stands before
// "Organisator {m}; Veranstalter {m} | ... :: organizer; organiser | ...",
// which names the noun's own sense. The own line meets the same bar as in
// putPlainHeadedLineFirst: a single, plain, untagged word with forms or
// examples and at least as many sections as the chosen line. It must also be
// at least as common as the chosen word, whatever the chosen line's notes:
// judged against the rows it changed, a rarer own word as often put a side
// sense first ("taskmaster" for "Dienstherr", "lintel" for "Sturz") as it
// mended one. A word met on fewer than kMinHeadedWordLines lines is the
// dictionary's rarity ("Verirrung {f} | Verirrungen {pl} :: aberrances |
// aberrations", a plural in the singular's place).
template<typename Commonness>
void putPlainHeadedLineBeforeLaterSynonymLine(QVector<const Candidate *> &list, Commonness commonness)
{
    if (list.isEmpty() || list.first()->mainEntry || list.first()->clearMainEntry)
        return;
    const Candidate *top = list.first();
    if (top->germanFirst || !top->noun)
        return;
    const auto plain = std::find_if(list.begin(), list.end(), [top, &commonness](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && !candidate->noted && !candidate->otherSense
               && !candidate->fringe && !isSpecial(*candidate) && !candidate->englishRegister
               && !candidate->english.contains(u' ') && candidate->sections >= std::max(2, top->sections)
               && commonness(*candidate) >= std::max(kMinHeadedWordLines, commonness(*top));
    });
    moveToFront(list, plain);
}
template void putPlainHeadedLineBeforeLaterSynonymLine<CandidateCommonness>(QVector<const Candidate *> &list,
                                                                            CandidateCommonness commonness);

// Puts the single words that a German word's clear main entry gives after
// its first English word right after it where that first word is a phrase
// ("etw. verbessern; besser machen {vt} | ... :: to make sth. better; to
// better sth.; to improve sth.; ..."): they name the same main sense in a
// word, and as later synonyms they would otherwise follow the first words of
// every other line, whose side senses ("to pull up", "to hone") fill the row
// before them.
void putMainEntryWordsAfterItsPhrase(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first || !list.first()->clearMainEntry
        || !list.first()->english.contains(u' '))
        return;
    const int line = list.first()->line;
    std::stable_partition(list.begin() + 1, list.end(), [line](const Candidate *candidate) {
        return !candidate->first && candidate->line == line && !candidate->english.contains(u' ')
               && !candidate->noted && !candidate->fringe && !isSpecial(*candidate)
               && !candidate->englishRegister && !candidate->englishDated;
    });
}

// Puts an English word before a phrase naming a kind of it where the phrase
// comes from a line that lists the German word only as a later synonym
// ("lyrischer Dichter {m}; ...; Poet {m} :: lyric poet; ..." for "Poet"):
// the phrase translates the line's first word, and the German word shares
// its sense only in part, so the plain word of another line names it
// better, even where that line explains the German word by a note or tags
// its field ("Dichter {m}; Dichterin {f}; Poet {m} (Verfasser sprachlicher
// Kunstwerke) [lit.] | ... :: poet; ..."). The plain word carries no note
// or register of its own on the English side.
void putPlainWordBeforeLaterSynonymsKind(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || list.first()->germanFirst || !list.first()->english.contains(u' '))
        return;
    const Candidate *top = list.first();
    const auto plain = std::find_if(list.begin() + 1, list.end(), [top](const Candidate *candidate) {
        return candidate->first && !candidate->englishNoted && !candidate->otherSense && !candidate->fringe
               && !candidate->englishRegister && !candidate->englishColloquial
               && narrowsWord(top->english, candidate->english);
    });
    moveToFront(list, plain);
}

// Whether an English item explains a German word rather than translating
// it: a sentence of more than eight words ("Auftrieb :: ceremonial driving
// up of cattle from the valley to the mountain pastures in spring"). The
// longest English idioms are eight words ("be like a red rag to a bull"),
// and an explanation is nothing a learner could type as the answer.
bool isExplanation(const QString &english)
{
    return english.count(u' ') >= 8;
}

// Puts the word of a plain line a German noun heads first where the ranking
// chose the word of another noun's full entry, one with forms or examples,
// that lists the noun as a later synonym narrowed by its own note
// ("Sprechakt {m}; ...; Parole {f} (Saussure) [ling.] | ... :: speech act;
// ..." for "Parole"): that line names the sense of its first word, which the
// noun shares in the noted use only, while the untagged line it heads
// ("Parole {f}; Kennwort {n} | ... :: password; watchword | ...") gives its
// everyday sense. A note on the English word narrows the English side alone
// and does not count. Judged against the rows it changed, taking any noted
// or tagged line, or an adjective's or a verb's, put as many side words
// first as it mended ("consciously" for "bewusst", "rampant" for "üppig").
void putOwnPlainLineBeforeNotedLaterSynonym(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first)
        return;
    const Candidate *top = list.first();
    if (top->germanFirst || top->mainEntry || top->clearMainEntry)
        return;
    if (!top->noted || top->englishNoted || !top->noun || top->sections < 3)
        return;
    const auto plain = std::find_if(list.begin(), list.end(), [](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->sections >= 2 && !candidate->noted
               && !candidate->englishNoted && !candidate->otherSense && !candidate->fringe && !isSpecial(*candidate)
               && !candidate->lineTagged && !candidate->fieldTagged && !candidate->groupTagged
               && !candidate->englishRegister && !candidate->englishDated;
    });
    moveToFront(list, plain);
}

// Puts the first word of a plain line the German word heads first where the
// ranking chose one country's English word from another line it heads whose
// note after the word class narrows all of that line's words to one use
// ("jdn. einwickeln; jdn. einseifen; ... {vt} (wortgewandt von etwas
// überzeugen) :: to snow sb. [Am.]" before "jdn. einwickeln; einpacken;
// einmummeln {vt} | ... :: to wrap up <> sb. | ..."): the subtitle list ranks
// the short regional word high whatever its sense. The plain line has at
// least as many sections as the noted one, no note or tag on either side.
// Judged against the rows they changed, noted lines with words of all
// English put as many side senses first as they moved back: such a note as
// often describes the word's main sense ("eilen", "verdienen").
void putOwnLineBeforeRegionalWordOfNotedUse(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first || !list.first()->germanFirst || !list.first()->englishVariant
        || !list.first()->wordClass.notedAfterClass || list.first()->clearMainEntry)
        return;
    const Candidate *top = list.first();
    const auto plain = std::find_if(list.begin() + 1, list.end(), [top](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->sections >= std::max(2, top->sections)
               && !candidate->noted && !candidate->englishNoted && !candidate->wordClass.notedAfterClass
               && !isSpecial(*candidate)
               && !candidate->fringe && !candidate->otherSense && !candidate->englishRegister
               && !candidate->englishColloquial && !candidate->lineTagged && !candidate->groupTagged;
    });
    moveToFront(list, plain);
}

// Puts the word of a line that lists the German word as a later synonym
// narrowed by a note behind the words of its plain lines, where only the
// subtitle list put it first: it knows the narrowed line's English word and
// none of the plain ones ("gammeln; ...; bummeln {vi} (seine Zeit planlos
// verbringen) :: to fool around" before "bummeln; faulenzen {vi} | ... ::
// to slack" and "schlendern; bummeln; ... {vi} | ... :: to stroll"; "...;
// Rotte {f} (Arbeitskolonne im Straßen- und Gleisbau) :: works gang; ..."
// before "Bande {f}; Rotte {f}; ... :: rout; gang; mob"). The ranking
// holds a note and a later place back by the word's place on the list, and
// an unlisted word has none to compare with, so a side use of the line's
// first word came first. The narrowed word is a phrase (the list ranks a
// phrase by its rarest word, "works" or "fool") and its English side carries
// no note of its own, which would name what the phrase applies to ("to switch
// on sth. (switch, light)"). A plain line gives the English word first, a
// single word, with no note or tag on either side, for a word of the same
// kind, and its further sections give the German word's forms or examples:
// a bare line, or one whose further sections are another word's, as often
// named a rarer side use ("implode" for "einfallen"). It gives the German
// word no later than the narrowed line does: a line that gives it later
// still shares only one sense of its head ("schrumpfen; ...; einfallen;
// schwinden :: to shrink" is no better than "think of"). The narrowed word
// goes behind the last plain one, the others keeping their order. Judged
// against the rows it changed, most came out better ("bremsen": brake
// before hold back).
void putPlainLinesBeforeListedNotedLaterSynonym(QVector<const Candidate *> &list)
{
    constexpr int kUnlisted = std::numeric_limits<int>::max();
    if (list.isEmpty())
        return;
    const Candidate *top = list.first();
    if (!top->first || top->germanFirst || !top->noted || top->subtitle == kUnlisted || top->mainEntry
        || top->clearMainEntry || top->englishNoted || !top->english.contains(u' '))
        return;
    const auto plain = [top](const Candidate *candidate) {
        return candidate->first && candidate->subtitle == kUnlisted && kindOf(*candidate) == kindOf(*top)
               && candidate->germanPlace <= top->germanPlace && candidate->sections >= 2
               && candidate->germanNamedAgain && !candidate->english.contains(u' ')
               && !candidate->noted && !candidate->englishNoted && !candidate->wordClass.notedAfterClass
               && !isSpecial(*candidate) && !candidate->fringe && !candidate->otherSense
               && !candidate->englishRegister && !candidate->englishColloquial && !candidate->lineTagged
               && !candidate->groupTagged && !candidate->laterSense;
    };
    const auto last = std::find_if(list.rbegin(), std::prev(list.rend()), plain);
    if (last == std::prev(list.rend()))
        return;
    const auto behind = last.base();
    std::rotate(list.begin(), list.begin() + 1, behind);
}

namespace {

// Puts first the word of a line with forms and examples that gives it first
// for the German word, where the ranking chose the word of a plain bare line,
// one section and nothing else, that lists the German word as a later
// synonym, and the subtitle list has neither word: the tie then falls to how
// often the dictionaries mention each word, and a bare line's word may be met
// mostly in another sense ("empfangsbereit; empfänglich {adj} :: recipient",
// a noun first, before "anfällig; empfänglich; empfindlich {adj} (gegenüber
// etw.) | ... | Kinder sind für Schmeicheleien sehr empfänglich. ::
// susceptible; ... | ..."). The long line is where the dictionary gives the
// German word's use at length: at least six sections, more than an
// adjective's comparison or a verb's forms. Its word is a single plain word
// for a word of the same kind, and the other word is at most three times as
// common. Judged against the rows it changed, any line with forms put a rarer
// word first as often as a better one ("kolossal": monumental, "Einigkeit":
// consensus), and so did a bare line with a note ("umgeben": cloak).
constexpr int kRarerFullLineWord = 3;

constexpr int kFullLineSections = 6;

} // namespace

template<typename Commonness>
void putFullLineBeforeBareLaterSynonymLine(QVector<const Candidate *> &list, Commonness commonness)
{
    constexpr int kUnlisted = std::numeric_limits<int>::max();
    if (list.isEmpty())
        return;
    const Candidate *top = list.first();
    if (!top->first || top->germanFirst || top->sections != 1 || top->subtitle != kUnlisted || top->mainEntry
        || top->clearMainEntry || top->noted || top->lineTagged || isSpecial(*top))
        return;
    const auto full = std::find_if(list.begin() + 1, list.end(), [top, &commonness](const Candidate *candidate) {
        return candidate->first && candidate->sections >= kFullLineSections && candidate->subtitle == kUnlisted
               && candidate->noun == top->noun && candidate->englishVerb == top->englishVerb
               && candidate->wordClass.adjective == top->wordClass.adjective
               && candidate->wordClass.adverb == top->wordClass.adverb
               && kRarerFullLineWord * commonness(*candidate) >= commonness(*top)
               && !candidate->english.contains(u' ') && !candidate->noted && !candidate->englishNoted
               && !isSpecial(*candidate) && !candidate->lineTagged && !candidate->fringe
               && !candidate->englishRegister && !candidate->englishVariant && !candidate->otherSense;
    });
    moveToFront(list, full);
}
template void putFullLineBeforeBareLaterSynonymLine<CandidateCommonness>(QVector<const Candidate *> &list,
                                                                         CandidateCommonness commonness);

namespace {

// Puts the first word of a line the German word heads first where the
// ranking chose a word of another line that lists the German word later and
// gives that word as one country's English only, narrowed by a note
// ("etw. (mit Muskelkraft an einen Ort) stemmen; bugsieren; ... [humor.]
// {vt} | ... :: to muscle sth. [Am.] (move to a place) | ..." for
// "bugsieren"): the subtitle list ranks the short word high in its common
// sense, which the German word does not share, while its own line names its
// sense ("bugsieren {vt} [ugs.] | ... :: to shift | ..."). Where the line
// also gives the other country's word ("(india) rubber [Br.]; eraser
// [Am.]"), both are the thing's plain names and stay. Judged against the
// rows they changed, taking regional words without the note or without that
// condition put as many side words first as it mended ("etcher" for
// "Radierer", "leave of absence" for "Urlaub").
void putOwnLineBeforeOneCountrysNotedWord(QVector<const Candidate *> &list)
{
    const Candidate *top = list.first();
    if (!top->first || top->germanFirst || !top->englishVariant || !top->englishNoted || top->mainEntry
        || top->clearMainEntry)
        return;
    if (std::any_of(list.begin() + 1, list.end(), [top](const Candidate *candidate) {
            return candidate->line == top->line && candidate->englishVariant;
        }))
        return;
    const auto own = std::find_if(list.begin() + 1, list.end(), [](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && !candidate->noted && !candidate->englishNoted
               && !candidate->englishVariant && !candidate->otherSense && !candidate->fringe
               && !candidate->englishRegister;
    });
    moveToFront(list, own);
}

// Puts the first word of a noun's full entry first where the ranking chose
// the word of a field-tagged line that lists the noun later: where the
// noun's own note narrows it on that line ("Spielverlängerung {f};
// Verlängerung {f} (Mannschaftssport) [sport] | ... :: extra time [Br.];
// ..." for "Verlängerung"), or where the full entry is at least twice as
// long and has kMinLongEntrySections sections ("Flut {f}; ...; Hochwasser
// {n}; ... [geogr.] [phys.] | ... :: flow; flood; ..." before "Hochwasser
// {n}; Überschwemmungen {pl}; ... | ... :: flood water; flood; ..."). The
// field line names the use of its first word in that field, the full entry
// the noun's own sense. The entry gives its word without a note, tag or
// register, and has at least kMinFullEntrySections sections and as many as
// the field line. Judged against the rows they changed, any field line
// before any full entry put as many side words first as it mended
// ("hirer" for "Vermieter", "dish" for "Platte").
constexpr int kMinLongEntrySections = 6;

void putFullEntryBeforeFieldUseOfLaterSynonym(QVector<const Candidate *> &list)
{
    const Candidate *top = list.first();
    if (!top->first || top->germanFirst || !top->fieldTagged || !top->noun || top->mainEntry
        || top->clearMainEntry)
        return;
    const bool germanNoted = top->noted && !top->englishNoted;
    const auto own = std::find_if(list.begin() + 1, list.end(), [top, germanNoted](const Candidate *candidate) {
        if (!candidate->first || !candidate->germanFirst || candidate->noted || candidate->englishNoted
            || candidate->otherSense || candidate->fringe || isSpecial(*candidate) || candidate->englishRegister
            || candidate->englishVariant || candidate->sections < std::max(kMinFullEntrySections, top->sections))
            return false;
        return germanNoted || candidate->sections >= std::max(kMinLongEntrySections, 2 * top->sections);
    });
    moveToFront(list, own);
}

} // namespace

// Lets a line the German word heads take the first place from another
// line's side use of one of its later synonyms
// (putOwnLineBeforeOneCountrysNotedWord,
// putFullEntryBeforeFieldUseOfLaterSynonym).
void putOwnLineBeforeLaterSynonymsSideUse(QVector<const Candidate *> &list)
{
    if (list.isEmpty())
        return;
    putOwnLineBeforeOneCountrysNotedWord(list);
    putFullEntryBeforeFieldUseOfLaterSynonym(list);
}

// Puts the word of a headed adjective line with forms or examples before a
// bare line the German adjective heads alone when that bare line gives only
// an English present participle ("bleibend; weilend {adj} :: staying"
// behind "bleibend; dauerhaft; permanent; ständig; dauernd {adj} | ... ::
// permanent | ..."): the English "-ing" form renders the German participle
// as the verb's form ("bleiben": "stay"), which the verb's own row gives,
// while the fuller line names the adjective's sense.
void putHeadedAdjectiveEntryBeforeBareParticiple(QVector<const Candidate *> &list)
{
    if (list.size() < 2)
        return;
    const Candidate *top = list.first();
    if (!top->germanFirst || top->sections > 1 || top->mainEntry || top->clearMainEntry
        || !top->german.endsWith(QLatin1String("end")) || top->english.contains(u' ')
        || top->english.size() < 6 || !top->english.endsWith(QLatin1String("ing")))
        return;
    const auto entry = std::find_if(list.begin() + 1, list.end(), [](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->wordClass.adjective
               && candidate->sections > 2 && !candidate->noted && !candidate->otherSense && !candidate->fringe
               && !isSpecial(*candidate) && !candidate->englishRegister && !candidate->english.contains(u' ');
    });
    moveToFront(list, entry);
}

// Puts the senses of an intransitive verb line the German word heads alone
// behind the word's plain adjective senses, where the word also heads a
// bare adjective line of its own that comes before the verb's line
// ("durchwachsen {adj} (Speck) :: streaky (bacon)" before "durchwachsen
// {vi} | durchwachsend | durchgewachsen :: to grow through | ..."): the
// spelling is the adjective's first, and the verb, which a learner meets
// rarely, came first only because its line gives forms. The senses moved
// before it are of adjective lines the word heads that name no special
// field and no region's word; adjective lines that list the word later keep
// their places behind the verb.
void putAdjectiveSensesBeforeIntransitiveVerbLine(QVector<const Candidate *> &list)
{
    if (list.size() < 2)
        return;
    const Candidate *top = list.first();
    if (!top->germanFirst || !top->germanAlone || !top->englishVerb || !top->wordClass.intransitiveOnly
        || top->wordClass.adjective)
        return;
    const bool ownAdjectiveLine = std::any_of(list.cbegin() + 1, list.cend(), [top](const Candidate *candidate) {
        return candidate->line < top->line && candidate->first && candidate->germanFirst && candidate->germanAlone
               && candidate->sections == 1 && candidate->wordClass.adjective && !candidate->fringe
               && !isSpecial(*candidate) && !candidate->englishRegister && !candidate->english.contains(u' ');
    });
    if (!ownAdjectiveLine)
        return;
    // The verb lines the word heads at the top, the intransitive one and
    // any other ("etw. durchwachsen {vt} [bot.] :: to grow through sth.").
    const auto verbEnd = std::find_if(list.begin(), list.end(), [](const Candidate *candidate) {
        return !candidate->germanFirst || !candidate->englishVerb || candidate->wordClass.adjective;
    });
    const auto adjectiveSense = [](const Candidate *candidate) {
        return candidate->germanFirst && candidate->wordClass.adjective && !candidate->fringe
               && !isSpecial(*candidate) && !candidate->englishRegister && !candidate->englishVariant;
    };
    // The verb's senses go behind the last adjective line the word heads;
    // the adjective senses keep their order, as do the others.
    const auto lastAdjective = std::find_if(list.rbegin(), std::make_reverse_iterator(verbEnd), adjectiveSense);
    if (lastAdjective == std::make_reverse_iterator(verbEnd))
        return;
    std::rotate(list.begin(), verbEnd, lastAdjective.base());
}

// Puts an explanation the German word's bare adjective line gives in place
// of a word ("durchwachsen {adj} (Schinken) :: with fat running through")
// behind the other senses, where another bare adjective line the word heads
// alone gives one English word for a use of the same kind, narrowed by a
// note as well ("durchwachsen {adj} (Speck) :: streaky (bacon)"), and puts
// that word in the explanation's place where it stood behind it: the row
// has a word for that sense, and a phrase of three or more words tells what
// the word means rather than how to say it.
void putAdjectiveExplanationBehindNotedWordOfSameKind(QVector<const Candidate *> &list)
{
    const auto bareNotedAdjective = [](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->germanAlone && candidate->sections == 1
               && candidate->wordClass.adjective && candidate->noted && !candidate->fringe && !isSpecial(*candidate);
    };
    for (qsizetype i = 0; i + 1 < list.size(); ++i) {
        const Candidate *explanation = list.at(i);
        if (!bareNotedAdjective(explanation) || explanation->english.count(u' ') < 2)
            continue;
        const auto word = std::find_if(list.begin(), list.end(), [&](const Candidate *candidate) {
            return candidate != explanation && bareNotedAdjective(candidate) && !candidate->english.contains(u' ');
        });
        if (word == list.end())
            continue;
        // The word takes the explanation's place where it stood behind it.
        if (word - list.begin() > i)
            std::rotate(list.begin() + i, word, word + 1);
        std::rotate(list.begin() + i + (word - list.begin() > i ? 1 : 0),
                    list.begin() + i + (word - list.begin() > i ? 2 : 1), list.end());
        return;
    }
}

// Puts the first word of a full adjective entry the German word heads, one
// that gives several English words for it and forms or examples, before the
// word of a bare line that gives the adjective a single English word
// ("ausschweifend; zügellos; ... {adj} [soc.] | ... :: dissolute;
// dissipated; profligate; fast | ..." before "ausschweifend {adj} ::
// voluptuous"). Only where the subtitle list knows neither word, so that
// the ranking fell back on how common the English words are in general:
// the full entry, with its several English words, names the main sense.
void putFullAdjectiveEntryBeforeBareOneWordLine(QVector<const Candidate *> &list)
{
    if (list.size() < 2)
        return;
    const Candidate *top = list.first();
    const auto wordsOfLine = [&list](const Candidate *of) {
        return std::count_if(list.cbegin(), list.cend(), [of](const Candidate *c) { return c->line == of->line; });
    };
    if (!top->germanFirst || top->sections > 1 || !top->wordClass.adjective || top->mainEntry || top->clearMainEntry
        || top->subtitle != std::numeric_limits<int>::max() || wordsOfLine(top) > 1)
        return;
    const auto entry = std::find_if(list.begin() + 1, list.end(), [&wordsOfLine](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->wordClass.adjective
               && candidate->sections > 2 && candidate->subtitle == std::numeric_limits<int>::max()
               && !candidate->noted && !candidate->otherSense && !candidate->fringe && !isSpecial(*candidate)
               && !candidate->englishRegister && !candidate->englishVariant
               && !candidate->english.contains(u' ') && wordsOfLine(candidate) > 2;
    });
    moveToFront(list, entry);
}

// Puts first the English word of another line the German word heads, where
// the top word's line shows a later synonym in its examples and never the
// German word (Candidate::examplesOfOtherWord), and the other line's
// examples use the German word itself (Candidate::examplesOfWord):
// "Sinnbild {n}; Bild {n}; Zeichen {n}; Emblem {n} | ... | Die Schilder
// tragen das Bild einer leuchtenden Sonne. :: device (of sth.)" is the sense
// of "Bild" in heraldry, while "Sinnbild {n}; Symbol {n} | ... | ein Sinnbild
// des Friedens | ... :: symbol; metaphor" shows "Sinnbild" in its own use.
// Both lines give the word first, as the same kind of word; the chosen one
// is untagged, unnoted and has at least as many sections.
void putLineExemplifyingWordBeforeOtherWordsLine(QVector<const Candidate *> &list)
{
    if (list.size() < 2)
        return;
    const Candidate *top = list.first();
    if (!top->first || !top->germanFirst || !top->examplesOfOtherWord)
        return;
    const auto own = std::find_if(list.begin() + 1, list.end(), [top](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->line != top->line
               && candidate->examplesOfWord && kindOf(*candidate) == kindOf(*top) && !candidate->noted
               && !isSpecial(*candidate) && !candidate->fringe && !candidate->englishRegister
               && !candidate->englishColloquial && candidate->sections >= top->sections;
    });
    moveToFront(list, own);
}

// Puts a bare line's plain English noun first for a German noun, where the
// ranking chose the "-ing" form of another bare line, level with it on
// every key but how common the words are ("Bevormundung {f} :: paternalism;
// dictation; tutelage" before "Bevormundung {f} :: infantilizing"): the
// "-ing" form is counted on every line that gives its verb's forms ("to
// infantilize sb. | infantilizing | ..."), so its count says how often the
// verb is given, not the noun. Neither line has a note, field, register or
// region, and both give the English word first.
void putPlainNounBeforeGerundOfBareLine(QVector<const Candidate *> &list)
{
    if (list.size() < 2)
        return;
    const Candidate *top = list.first();
    const auto bare = [](const Candidate *c) {
        return c->noun && c->first && c->germanFirst && c->sections == 1 && !c->noted && !isSpecial(*c)
               && !c->fringe && !c->englishRegister && !c->englishColloquial && !c->laterSense
               && !c->english.contains(u' ');
    };
    if (!bare(top) || !top->english.endsWith(QLatin1String("ing")))
        return;
    const auto noun = std::find_if(list.begin() + 1, list.end(), [&](const Candidate *c) {
        return bare(c) && c->line != top->line && c->subtitle == top->subtitle
               && !c->english.endsWith(QLatin1String("ing"));
    });
    moveToFront(list, noun);
}

// Puts the English word of a line whose example sentences show the German
// word, a later synonym there, and never the line's first word
// (Candidate::shownByExamples) before the words of lines that list the
// German word as a later synonym without such an example: "lecken; undicht
// sein; auslaufen; durchsickern {vi} | ... | Das Bier ist leider
// ausgelaufen. :: to leak" names a sense of "auslaufen" that "ablaufen;
// auslaufen {vi} | ... :: to run down", a line of forms and no example
// sentence, does not show. The row's first word and the lines the German
// word heads keep their places. The word moved is the line's first, plain
// (no note, field, register or region on either side) and of the same kind.
void putExemplifiedLaterSynonymBeforeBareLaterSynonymLines(QVector<const Candidate *> &list)
{
    const auto plain = [](const Candidate *c) {
        return c->first && !c->noted && !isSpecial(*c) && !c->fringe && !c->englishRegister && !c->englishColloquial
               && !c->laterSense;
    };
    if (list.size() < 3)
        return;
    const auto shown = std::find_if(list.begin() + 2, list.end(), [&](const Candidate *c) {
        return c->shownByExamples && !c->germanFirst && plain(c);
    });
    if (shown == list.end())
        return;
    const auto bare = std::find_if(list.begin() + 1, shown, [&](const Candidate *c) {
        return c->first && !c->germanFirst && !c->exampleSentences && c->line != (*shown)->line
               && kindOf(*c) == kindOf(**shown) && c->english.contains(u' ') && !(*shown)->english.contains(u' ');
    });
    if (bare != shown)
        std::rotate(bare, shown, shown + 1);
}

// The English verbs each German verb's lines give it, for the verbs that a
// noun of the same spelling names ("zucken" of "Zucken"; see
// putVerbsWordFirstForItsNoun).
QHash<QString, QSet<QString>> englishVerbsOfNamedVerbs(const QHash<QString, QVector<const Candidate *>> &byGerman)
{
    QHash<QString, QSet<QString>> verbs;
    for (auto it = byGerman.cbegin(); it != byGerman.cend(); ++it) {
        const QString &noun = it.key();
        if (noun.size() < 4 || !noun.front().isUpper() || !noun.endsWith(u'n') || noun.contains(u' '))
            continue;
        const QString verb = noun.toLower();
        for (const Candidate *candidate : byGerman.value(verb)) {
            if (candidate->englishVerb && candidate->first && candidate->germanFirst && !candidate->noted
                && !candidate->fringe && !isSpecial(*candidate))
                verbs[verb].insert(candidate->english);
        }
    }
    return verbs;
}

// Puts first the English word that also translates the verb a German noun
// is spelt from ("Zucken {n}; Zuckung {f} :: twitch" beside "zucken {vi} |
// ... :: to twitch | ..."), where the ranking chose one the verb's lines do
// not give ("Zucken {n}; Zusammenzucken {n} (vor Schmerz) | ... :: wince |
// ..."): the noun names the verb's action, and the word both share names it
// plainly, while the others name a narrower kind of it. The shared word
// must head a line the noun heads, as a noun with no note, tag or register.
void putVerbsWordFirstForItsNoun(QVector<const Candidate *> &list, const QSet<QString> &verbsWords)
{
    if (list.size() < 2 || verbsWords.isEmpty() || !list.first()->noun || verbsWords.contains(list.first()->english))
        return;
    const Candidate *top = list.first();
    if ((top->mainEntry || top->clearMainEntry) && top->germanNamedAgain)
        return;
    const auto shared = std::find_if(list.begin() + 1, list.end(), [&verbsWords](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->noun && !candidate->noted
               && !candidate->englishNoted && !isSpecial(*candidate) && !candidate->englishRegister
               && !candidate->fringe && !candidate->laterSense && verbsWords.contains(candidate->english);
    });
    moveToFront(list, shared);
}

// Puts the first word of a plain line the German word heads first where the
// ranking chose the word of a line that lists it only as a later synonym and
// that a special field's tag narrows ("Melder {m}; Anzeiger {m}; Detektor {m}
// [techn.] | ... :: detector | ..." before "Anzeiger {m}; Anzeigenblatt {n}
// | ... :: gazette | gazettes"), and the subtitle list knows neither word.
// The tagged line shares one technical use of its first word, while the
// German word's own plain line names its general sense. Without the subtitle
// list the ranking falls to how many lines of the dictionaries mention each
// word, which counts a technical word's many compounds ("motion detector",
// "fire detector"), and there the later place of the German word weighs
// nothing. The own line gives its word first, with the German word's forms
// or examples, no note anywhere in its first German section (a note on a
// synonym beside it often narrows the line: "Schornstein {m}; Schlot {m}
// (Dampfschiff; Dampfeisenbahn) :: funnel"), no tag or note on either side,
// for a word of the same kind, and the word is met on at least
// kMinHeadedWordLines lines (a word met once or twice is the dictionary's
// rarity: "licensure" for "Zulassung"). Judged against the rows it changed,
// most came out better ("vereinen": unite before aggregate, "Voraussage":
// prediction before forecast); looser versions that took lines tagged with a
// general field, or untagged ones, or listed words, put rarer words first
// about as often as they mended one ("Untersuchung": inquest, "verkündigen":
// promulgate).
template<typename Commonness>
void putOwnPlainLineBeforeFieldLineOfLaterSynonym(QVector<const Candidate *> &list, Commonness commonness)
{
    constexpr int kUnlisted = std::numeric_limits<int>::max();
    if (list.isEmpty())
        return;
    const Candidate *top = list.first();
    if (!top->first || top->germanFirst || top->mainEntry || top->clearMainEntry || top->subtitle != kUnlisted
        || !(top->lineTagged || isSpecial(*top) || top->groupTagged))
        return;
    const auto own = std::find_if(list.begin() + 1, list.end(), [top, &commonness](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && !candidate->laterSense
               && kindOf(*candidate) == kindOf(*top) && candidate->sections >= 2 && candidate->germanNamedAgain
               && candidate->subtitle == kUnlisted && commonness(*candidate) >= kMinHeadedWordLines
               && !candidate->sectionNoted && !candidate->noted && !candidate->englishNoted
               && !candidate->wordClass.notedAfterClass && !candidate->englishVariant && !candidate->fieldTagged
               && carriesNoMark(*candidate);
    });
    moveToFront(list, own);
}
template void putOwnPlainLineBeforeFieldLineOfLaterSynonym<CandidateCommonness>(QVector<const Candidate *> &list,
                                                                                CandidateCommonness commonness);

// Puts the first word of an adjective's line that gives the German word
// its own comparative and superlative (comparesGermanWord) first where the
// ranking chose the word of an adverb's line that lists the German word
// only as a later synonym ("richtig; ordentlich; passend; in passender
// Weise {adv} | ... :: properly [Br.]; right [Am.] | ..." before "geeignet;
// passend; tauglich; ... {adj} (für) | besser geeignet; passender | am
// besten geeignet; am passendsten | ... :: suitable (for) | ..."). The
// adverb's line names one use of its first word, which the later synonym
// shares, and says nothing more of the German word; the line that gives the
// word's forms is its entry as an adjective, whichever synonym heads it.
// Notes do not count against that line: the forms outweigh them.
void putComparingLineBeforeAdverbLineOfLaterSynonym(QVector<const Candidate *> &list)
{
    if (list.isEmpty())
        return;
    const Candidate *top = list.first();
    if (!top->first || top->germanFirst || !top->wordClass.adverb || top->wordClass.adjective || top->mainEntry
        || top->clearMainEntry || top->comparesWord)
        return;
    const auto compared = std::find_if(list.begin() + 1, list.end(), [](const Candidate *candidate) {
        return candidate->first && candidate->comparesWord && candidate->wordClass.adjective
               && carriesNoMark(*candidate);
    });
    moveToFront(list, compared);
}

// Puts the first word of a verb's own full entry, a line whose first German
// section holds the verb alone and that conjugates it in full, first where
// the ranking chose the word of a shorter line the verb heads among
// synonyms ("jdn./etw. zurückwerfen {vt} | zurückwerfend | zurückgeworfen |
// wirft zurück | warf zurück :: to throw/set sb./sth. back | ..." before
// "zurückwerfen; verzögern; aufhalten {vt} | ... :: to put back | ...";
// "jdn. behandeln {vt} | ... :: to treat sb. | ..." before "etw. behandeln;
// etw. umfassen {vt} (Sache) | ... :: to cover sth. (include) | ..."). The
// synonyms narrow the verb to the one sense they share with it, while the
// line that gives the verb alone with all its forms names its own. The full
// entry carries no note, tag or register on either side.
void putVerbsAloneEntryBeforeSynonymLine(QVector<const Candidate *> &list)
{
    if (list.isEmpty())
        return;
    const Candidate *top = list.first();
    if (!top->first || !top->germanFirst || top->germanAlone || !top->englishVerb || top->clearMainEntry
        || top->sections >= kConjugatedSections)
        return;
    constexpr int kUnlisted = std::numeric_limits<int>::max();
    QSet<int> fullEntries;
    for (const Candidate *candidate : std::as_const(list)) {
        if (candidate->germanFirst && candidate->germanAlone && candidate->englishVerb
            && candidate->sections >= kConjugatedSections)
            fullEntries.insert(candidate->line);
    }
    if (fullEntries.size() != 1)
        return;
    const auto alone = std::find_if(list.begin() + 1, list.end(), [](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->germanAlone && candidate->englishVerb
               && candidate->subtitle != kUnlisted
               && candidate->sections >= kConjugatedSections && !candidate->noted
               && !candidate->englishNoted && !candidate->sectionNoted && !candidate->wordClass.notedAfterClass
               && !candidate->fieldTagged && carriesNoMark(*candidate);
    });
    moveToFront(list, alone);
}

// Puts the first word of an adjective's line with examples first where the
// ranking chose the word of a bare line the adjective also heads beside a
// synonym ("meisterhaft; Meister… {adj} | ein meisterhafter Erzähler; ... ::
// masterful; master | a masterful storyteller; ..." before "meisterhaft;
// bravourös {adj} <bravurös> :: bravura"). The bare line names the one
// sense the two German words share, while the line whose further sections
// use the adjective in examples states what the word itself means. Only a
// bare line whose English word the subtitle list misses gives way: a word
// of everyday speech there ("blank; leer {adj} :: blank", "still {adj}; ...
// :: still") is the adjective's plain sense, whatever examples another line
// gives. The example line carries no note, tag or register on either side.
void putHeadedExampleLineBeforeBareSynonymPair(QVector<const Candidate *> &list)
{
    if (list.isEmpty())
        return;
    const Candidate *top = list.first();
    if (!top->first || !top->germanFirst || top->germanAlone || top->sections != 1 || !top->wordClass.adjective
        || top->mainEntry || top->clearMainEntry || top->subtitle != std::numeric_limits<int>::max())
        return;
    const auto examples = std::find_if(list.begin() + 1, list.end(), [](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->wordClass.adjective
               && candidate->sections > 1 && !candidate->comparison && candidate->germanNamedAgain
               && !candidate->noted && !candidate->englishNoted && !candidate->sectionNoted
               && !candidate->wordClass.notedAfterClass && !isSpecial(*candidate) && !candidate->fringe
               && !candidate->otherSense && !candidate->englishRegister && !candidate->englishColloquial
               && !candidate->englishDated && !candidate->lineTagged && !candidate->fieldTagged
               && !candidate->groupTagged;
    });
    moveToFront(list, examples);
}

// Puts the word of a plain line the German word heads before the word of a
// later line it heads that notes on both sides narrow to one use ("eintönig;
// monoton {adj} | ... :: monotonous | ..." before "eintönig; einförmig;
// monoton (Klang) {adj} | ... :: monotonic; monotone; monotonous (of a
// sound) | ..."). A note on the German side alone often tells one of a
// word's main senses from another, but where the English side narrows the
// same line again, the line names a narrow use, whose word the subtitle
// list or the dictionary's counts may still rank high. The dictionary puts
// the general sense among a word's own lines first: the plain line comes
// earlier in the file, gives its word first, a single word of the same kind
// and word class, and has at least as many sections as the narrowed line,
// with no note, tag, register or mark on either side. Judged against the
// rows it changed, lines that merely list the German word ("Schreibstift
// {m}; ...; Feder {f} :: pen") or that carry a field's tag as often named a
// side use as the main one ("spot" for "Punkt", "pistil" for "Stempel").
void putPlainLineBeforeUseNarrowedOnBothSides(QVector<const Candidate *> &list)
{
    if (list.isEmpty())
        return;
    const Candidate *top = list.first();
    if (!top->first || !top->germanFirst || !top->sectionNoted || !top->englishSectionNoted || top->mainEntry
        || top->clearMainEntry)
        return;
    const auto plain = std::find_if(list.begin() + 1, list.end(), [top](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->line < top->line
               && kindOf(*candidate) == kindOf(*top) && candidate->wordClass.adjective == top->wordClass.adjective
               && candidate->wordClass.adverb == top->wordClass.adverb
               && candidate->sections >= std::max(2, top->sections) && !candidate->english.contains(u' ')
               && !candidate->noted && !candidate->englishNoted && !candidate->sectionNoted
               && !candidate->englishSectionNoted && !candidate->wordClass.notedAfterClass
               && carriesNoMark(*candidate) && !candidate->fieldTagged && !candidate->englishRegister
               && !candidate->englishColloquial && !candidate->laterSense;
    });
    moveToFront(list, plain);
}

// Puts the first English word of a plain line the German word heads before
// that of another line with the same German words, as written, whose first
// English section a note narrows ("Zündschnur {f}; Lunte {f} :: fuse; fuze
// [Am.]" before "Zündschnur {f}; Lunte {f} | Zündschnüre {pl}; Lunten {pl}
// :: slow match (wick) | slow matches"). The dictionary splits the senses
// of one set of words over such lines, and the note marks the narrower
// sense; the noted line may still rank first for giving the plurals, which
// makes it the word's clear main entry, or for a phrase of common words.
// The plain line comes earlier in the file, where the dictionary puts a
// word's general sense, and gives its word first with no note, tag or mark
// on either side. Judged against the rows it changed, a plain line after
// the noted one as often named a side sense ("Geburt {f} | ... :: birth
// (general); ..." before "Geburt {f} | Geburten {pl} :: nativity"), and a
// note that opens a synonym with an optional word ("(little) angel")
// narrows nothing.
void putPlainLineBeforeNotedLineOfSameWords(QVector<const Candidate *> &list)
{
    if (list.size() < 2)
        return;
    const Candidate *top = list.first();
    if (!top->first || !top->germanFirst || !top->englishNoteAfterWord)
        return;
    const auto plain = std::find_if(list.begin() + 1, list.end(), [top](const Candidate *candidate) {
        return candidate->line < top->line && candidate->first && candidate->germanFirst
               && top->germanSectionKey != 0 && candidate->germanSectionKey == top->germanSectionKey
               && !candidate->noted && !candidate->englishNoted && !candidate->sectionNoted && !candidate->englishSectionNoted
               && carriesNoMark(*candidate) && !candidate->englishRegister && !candidate->englishColloquial
               && !candidate->laterSense;
    });
    moveToFront(list, plain);
}

// Puts the first English word of a line that gives the German word as a
// singular noun before the word of a line that gives it as a plural ("{pl}")
// narrowed by a note ("Talisman {m}; Glücksbringer {m} :: talisman; ..."
// before "Glückssymbole {pl}; Glücksbringer {pl} (zu Neujahr) :: good luck
// symbols (at New Year)"): a noun whose plural is spelt like its singular
// is listed under both, and the noted plural names one use of the plural,
// which is no main sense of the word. The singular line gives its word first
// with no note, tag or mark.
void putSingularNounBeforeNotedPluralUse(QVector<const Candidate *> &list)
{
    if (list.size() < 2)
        return;
    const Candidate *top = list.first();
    if (!top->first || !top->noun || !top->plural || !top->noted)
        return;
    const auto singular = std::find_if(list.begin() + 1, list.end(), [top](const Candidate *candidate) {
        return candidate->line != top->line && candidate->first && candidate->noun && !candidate->plural
               && !candidate->noted && carriesNoMark(*candidate) && !candidate->englishRegister
               && !candidate->englishColloquial && !candidate->laterSense;
    });
    moveToFront(list, singular);
}

// A German verb's row leads with the fullest line it heads with its forms
// ("zunehmen; steigen; ansteigen; ... {vi} (auf; um) | zunehmend; ... |
// zugenommen; ... :: to increase (to; by) | ..."), not with a line it heads
// whose further sections are an example sentence only ("zunehmen; stärker
// werden {vi}; sich steigern {vr} | Sei vorsichtig, der Wind weht jetzt
// stärker. :: to pick up | ..."): that line shows the verb in one use, the
// wind picking up. The entry takes the lead only where other lines give
// its English word too, and where it names no field, register or narrowed
// English word.
void putHeadedVerbFormsBeforeExampleLine(QVector<const Candidate *> &list)
{
    if (list.size() < 2)
        return;
    const Candidate *top = list.first();
    if (!top->first || !top->germanFirst || !top->examplesOnly || !top->englishVerb)
        return;
    auto entry = list.end();
    for (auto it = list.begin() + 1; it != list.end(); ++it) {
        const Candidate *c = *it;
        if (c->first && c->germanFirst && !c->examplesOnly && c->englishVerb && c->sections >= 3 && !c->laterSense
            && c->support >= 2 && !isSpecial(*c) && !c->fringe && !c->lineTagged && !c->fieldTagged
            && !c->englishSectionNoted && !c->englishColloquial && !c->englishRegister && !c->englishDated
            && (entry == list.end() || c->sections > (*entry)->sections))
            entry = it;
    }
    moveToFront(list, entry);
}

// Puts the first English word of a plain line the German word heads before
// that of a line it heads that marks a figurative use ("Tauziehen {n};
// Seilziehen {n} [sport] :: tug of war; tug-of-war" before "Tauziehen {f}
// (um etw.) [übtr.] | ein Tauziehen um die Macht in der Firma :: tussle (for
// sth.) [fig.] | ..."). A figurative sense is carried over from the literal
// one, which is the word's main sense, even where the figurative line wins
// the ranking by giving an example. The plain line comes earlier in the
// file, where the dictionary puts a word's main sense, gives a word of the
// same kind first, with no note, special tag or mark on either side, met on
// as many lines at least as the figurative word. Judged against the rows it
// changed, a plain line after the figurative one often named a side sense
// ("Auslöser {m}; Beweggrund {m} :: driver" after "Auslöser {m} [übtr.] (für
// etw.) | ... :: trigger (for sth.) [fig.] | ..."), and a rarer word a
// looser one ("forceful" for "kraftvoll", against "powerful [fig.]").
template<typename Commonness>
void putLiteralLineBeforeFigurativeUse(QVector<const Candidate *> &list, Commonness commonness)
{
    if (list.size() < 2)
        return;
    const Candidate *top = list.first();
    if (!top->first || !top->germanFirst || !top->figurative)
        return;
    const auto literal = std::find_if(list.begin() + 1, list.end(), [top, &commonness](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && !candidate->figurative && !candidate->laterSense
               && candidate->line < top->line && commonness(*candidate) >= commonness(*top)
               && kindOf(*candidate) == kindOf(*top) && carriesNoMark(*candidate) && !candidate->noted
               && !candidate->englishNoted && !candidate->sectionNoted && !candidate->englishSectionNoted
               && !candidate->englishRegister && !candidate->englishColloquial;
    });
    moveToFront(list, literal);
}
template void putLiteralLineBeforeFigurativeUse<CandidateCommonness>(QVector<const Candidate *> &list,
                                                                     CandidateCommonness commonness);

// Puts the first English words of the plain noun entries that list the
// German word before that of a line narrowing it to one use by notes on
// both sides, where the note or a special field's tag falls on the German
// word's own group ("Feder {n} (bei einem Bodenbrett) | Federn {pl} ::
// tongue (of a floor board) | tongues" behind "Schreibstift {m}; ...;
// Feder {f} | ... :: pen | ..." and "Vogelfeder {f}; Feder {f} [ornith.] |
// ... :: bird feather; ...; feather | ..."). Such a line names a trade's or
// a field's use of the word; the entries that give the word with its
// plurals and no note, tag or mark name its everyday senses, wherever the
// word stands among their synonyms.
void putPlainEntriesBeforeUseNarrowedOnBothSides(QVector<const Candidate *> &list)
{
    if (list.size() < 2)
        return;
    const Candidate *top = list.first();
    if (!top->first || !top->noun || !top->sectionNoted || !top->englishSectionNoted
        || !(top->noted || top->lineTagged) || top->mainEntry || top->clearMainEntry || top->sections > 2)
        return;
    const auto plainEntry = [](const Candidate *candidate) {
        return candidate->first && candidate->noun && candidate->pluralForms && !candidate->laterSense
               && carriesNoMark(*candidate) && !candidate->noted && !candidate->englishNoted
               && !candidate->sectionNoted && !candidate->englishSectionNoted && !candidate->englishRegister
               && !candidate->englishColloquial && !candidate->plural;
    };
    // A fuller entry than the narrowed line, or any plain entry where the
    // narrowed line is a special field's own, names one use and is the
    // German word's entry for it on no other line; a phrase of the narrowed
    // line's word ("street seller" for "seller") narrows it further.
    const bool fieldUse = top->lineTagged && top->support <= 1;
    std::stable_partition(list.begin(), list.end(), [&](const Candidate *candidate) {
        return plainEntry(candidate) && (fieldUse || (candidate->sections >= 3 && candidate->sections > top->sections))
               && !candidate->english.contains(top->english);
    });
}

namespace {

// Whether a line the German word heads is its own plain line: untagged,
// unnarrowed and unmarked on both sides, with forms or examples after its
// words, and no group tag that would make the line a field's use of all its
// words. A field tag that follows another of its German synonyms ("geringwertig
// {adj}; von geringem Wert [fin.]") names that synonym's use, not the
// German word's.
bool isOwnPlainLine(const Candidate &candidate)
{
    return candidate.first && candidate.germanFirst && candidate.sections > 1
           && candidate.germanSense == Sense::General && !candidate.englishSpecial && !candidate.groupTagged
           && !candidate.germanColloquial && !candidate.wholeLineJudged && !candidate.noted
           && !candidate.englishNoted && !candidate.englishRegister && !candidate.englishColloquial
           && !candidate.englishDated && !candidate.englishVariant && !candidate.fringe && !candidate.otherSense
           && !candidate.laterSense;
}

// Whether a line names a side use of the German word beside its own main
// entry `own`, and is no fuller than it: its German words carry a field or
// register tag, or its English word one of register or region. For an
// adjective whose own entry compares it, a later, shorter line it heads
// names a side use too ("unangenehm; ...; garstig {adj} | ... :: nasty |
// ..." after "unangenehm; unerfreulich; unliebsam {adj} | unangenehmer |
// ... :: unpleasant; ..."). A tagged line that gives forms too and has
// more sections than the own entry ("Knopf {m} [textil.] | Knöpfe {pl} |
// Hohlknopf {m} | ... :: button | ..." beside "Knopf {m} | Knöpfe {pl} |
// ... :: knob | ...") is the word's full entry in that field, no side use.
bool namesSideUseBeside(const Candidate &candidate, const Candidate &own)
{
    const bool fullerEntry = candidate.sections > own.sections
                             && (candidate.pluralForms || candidate.comparison || candidate.englishVerb);
    if (candidate.mainEntry || candidate.clearMainEntry || fullerEntry)
        return false;
    const bool tagged = candidate.fieldTagged || candidate.lineTagged || candidate.groupTagged
                        || isSpecial(candidate) || candidate.germanColloquial || candidate.wholeLineJudged
                        || candidate.englishRegister || candidate.englishColloquial || candidate.englishVariant;
    const bool laterShorterAdjectiveLine = own.comparison && candidate.germanFirst && candidate.line > own.line
                                           && candidate.sections < own.sections;
    return tagged || laterShorterAdjectiveLine;
}

// Whether a line gives the German word as a later synonym and its further
// German sections are phrases that name none of the line's words, while its
// English ones name the English word again in phrases ("vernünftig;
// einleuchtend; logisch {adj} | innere Gewissheit; vollste Überzeugung |
// ... :: moral | moral certainty | ..."): the English word holds there in
// the phrases, or as the head's sense, not as the later synonym's own word.
bool namesLaterSynonymsPhraseLine(const Candidate &candidate)
{
    return candidate.first && !candidate.germanFirst && candidate.phrasesOfNoLineWord && candidate.namedAgain
           && !candidate.pluralForms && !candidate.comparison && !candidate.mainEntry && !candidate.clearMainEntry;
}

} // namespace

// Puts the word of the German word's own main entry (markMainEntry) first
// where the ranking chose a side use's word (namesSideUseBeside) and that
// entry is plain (isOwnPlainLine) and gives the word's forms: a noun's
// plurals, an adjective's comparison or a verb's tenses. A tagged field's or
// register's line ("Griff {m}; Anmutung {f} [textil.] | ... :: feel | ..."
// before "Griff {m}; Halt {m}; Haltegriff {m} | Griffe {pl}; ... :: grip |
// grips"), or a colloquial or figurative one ("jdn. besiegen; jdn. in die
// Tasche stecken [übtr.] [ugs.] {vt} :: to see off <> sb." before
// "besiegen; bezwingen {vt} | besiegend; ... :: to defeat | ..."), names a
// sense a learner takes the wrong way out of its field; the subtitle list,
// which misses many plain words and counts a phrase by its commonest
// words, would otherwise lead the row with it. Only a side use in the first
// place gives way: judged against the rows it changed, moving the entry
// before a side use further down as often put a rare word ("environ",
// "lotion") before a common one. A first word taken from a line of phrases
// that gives the German word as a later synonym
// (namesLaterSynonymsPhraseLine) gives way alike to the word of an earlier
// plain line the German word heads, main entry or not.
void putOwnPlainLineBeforeSideUse(QVector<const Candidate *> &list)
{
    if (list.size() < 2 || list.first()->clearMainEntry || list.first()->mainEntry)
        return;
    if (namesLaterSynonymsPhraseLine(*list.first())) {
        // A plain line the German word heads earlier in the file names its
        // own sense better than another word's line of phrases; judged on
        // the rows it moved, a later one as often named a rarer use.
        const int phraseLine = list.first()->line;
        const auto headed = std::find_if(list.begin(), list.end(), [phraseLine](const Candidate *candidate) {
            return isOwnPlainLine(*candidate) && candidate->line < phraseLine;
        });
        if (headed != list.end() && (*headed)->english != list.first()->english) {
            moveToFront(list, headed);
            return;
        }
    }
    const auto own = std::find_if(list.begin(), list.end(), [](const Candidate *candidate) {
        return candidate->mainEntry && isOwnPlainLine(*candidate)
               && (candidate->pluralForms || candidate->comparison
                   || (candidate->englishVerb && candidate->sections >= 3));
    });
    if (own == list.end())
        return;
    if ((*own)->english != list.first()->english && namesSideUseBeside(*list.first(), **own))
        moveToFront(list, own);
}

// Puts the words of lines of phrases that give the German word as a later
// synonym (namesLaterSynonymsPhraseLine) behind its other words, where a
// line the German word heads gives a word of its own ("einleuchtend;
// plausibel; glaubhaft {adj} | ... :: plausible | ..." before "vernünftig;
// einleuchtend; logisch {adj} | innere Gewissheit; ... :: moral | moral
// certainty | ..."): such a word holds in the line's phrases, or as the
// head's sense, and the German word's own lines name what it means alone.
// The head of the phrase line keeps the word where the ranking put it.
// Only adjectives' lines: judged against the rows it changed, the same for
// verbs and nouns as often put back a plain sense ("meet" for
// "zusammentreffen", "mumble" for "brummeln") as a side one.
void putLaterSynonymsPhraseLineWordsLast(QVector<const Candidate *> &list)
{
    const bool headsOwnLine = std::any_of(list.cbegin(), list.cend(), [](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && !candidate->laterSense;
    });
    if (!headsOwnLine)
        return;
    std::stable_partition(list.begin(), list.end(), [](const Candidate *candidate) {
        return !(candidate->wordClass.adjective && !candidate->noun && namesLaterSynonymsPhraseLine(*candidate));
    });
}

// Puts the word of another line the German word heads first where the
// ranking chose the word of a line that tags all its German words with a
// field, and that word's own entry names a noun ("geringwertig;
// minderwertig {adj} [chem.] [techn.] | ein geringwertiges Metall | ... ::
// base | a base metal | ..." before "geringwertig {adj}; von geringem Wert
// [fin.] | ... :: low-value; of little value | ..."; "base" heads
// "Ausgangspunkt {m} ... :: base | ..."): out of the field a learner takes
// the word in its everyday sense, as the noun, which the German word does
// not mean. The other line gives its word first, untagged as a group, with
// no note or register, as an adjective with forms or examples; the word's
// main entry (markMainEntry) keeps its place whatever its tags. Judged
// against the rows it changed, the same for verbs put a side sense first
// as often ("count among" for "zählen", "ooze" for "schwitzen"), and so did
// a bare line of one section ("oblique" for "abhängig", "nett" for
// "netto").
void putOwnLineBeforeFieldGroupsWordOfNoun(QVector<const Candidate *> &list, const QSet<QString> &nounEntryWords)
{
    if (list.size() < 2)
        return;
    const Candidate *top = list.first();
    if (!top->first || !top->germanFirst || !top->groupTagged || !top->fieldTagged || top->noun
        || top->englishVerb || !top->wordClass.adjective || top->mainEntry || top->clearMainEntry
        || !nounEntryWords.contains(top->english))
        return;
    // Of several such lines, the fullest names the word's sense best.
    auto own = list.end();
    for (auto it = list.begin() + 1; it != list.end(); ++it) {
        const Candidate *c = *it;
        if (c->first && c->germanFirst && !c->groupTagged && !c->noun && !c->englishVerb && c->wordClass.adjective
            && c->sections > 1 && c->english != top->english && !c->noted && !c->englishNoted && !isSpecial(*c)
            && !c->fringe && !c->englishRegister && !c->englishColloquial && !c->laterSense && !c->otherSense
            && (own == list.end() || c->sections > (*own)->sections))
            own = it;
    }
    moveToFront(list, own);
}

// Puts the word of a plain line the German noun heads with its plural first
// where the ranking chose the word of its main entry (markMainEntry), whose
// words a note narrows and whose English word is one country's ("(gummierter)
// Regenmantel {m} | Regenmäntel {pl} | ... :: mackintosh [Br.]; slicker
// [Am.] | ..." before "Regenmantel {m} | Regenmäntel {pl} :: raincoat |
// raincoats"): both lines give the noun's own forms, the note names one kind
// or use of the thing, and the tag one country's word for it, so the plain
// line, with no tag or note on either side (isOwnPlainLine) and no field
// tag, gives the general word. Judged against the rows it changed, the same
// without the country's tag, or with a field-tagged plain line, as often put
// a side sense first ("suite" for "Folge", "migration" for "Wanderung").
void putPlainPluralLineBeforeNotedMainEntry(QVector<const Candidate *> &list)
{
    if (list.size() < 2)
        return;
    const Candidate *top = list.first();
    if (!(top->mainEntry || top->clearMainEntry) || !top->first || !top->germanFirst || !top->noun
        || !top->noted || !top->englishVariant || !top->pluralForms)
        return;
    const auto plain = std::find_if(list.begin() + 1, list.end(), [top](const Candidate *candidate) {
        return candidate->noun && candidate->pluralForms && candidate->english != top->english
               && !candidate->fieldTagged && !candidate->lineTagged && isOwnPlainLine(*candidate);
    });
    moveToFront(list, plain);
}

} // namespace detail

} // namespace vorbix::import
