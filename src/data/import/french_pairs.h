#pragma once

#include "data/import/dictd_entry.h"

#include <QSet>
#include <QString>
#include <QVector>

#include <functional>

namespace vorbix::import {

// Whether a row is a gazetteer entry: an English place name built on a
// geographic feature ("Again River", "Lake Huron", "Baffin Island") whose
// French translation starts with the French feature ("rivière Again",
// "lac Huron", "Ile de Baffin"). eng-fra and fra-eng hold about 130 such
// Canadian rows that are of no use to a learner.
bool isGazetteerPlace(const QString &english, const QString &french);

// Leaves out the gazetteer rows of eng-fra and fra-eng, except those whose
// English name `listedElsewhere` holds (a name other dictionaries list too,
// such as "Canary Islands"). Returns how many entries were left out.
int dropGazetteerPlaces(QVector<DictdEntry> &engFra, QVector<DictdEntry> &fraEng,
                        const QSet<QString> &listedElsewhere);

// Leaves out the English words eng-fra gives among a row's French items
// ("battery: batterie, accumulateur, pile, accu, accumulator"; "risk: ...,
// peril" for "péril"; "summit: ..., summon"; the headword itself,
// "ornament: ..., ornement, ornament"): a lower-case single word past the
// first item that the French word list lacks (`isListedFrench`), that
// `isEnglishWord` knows and that `isFrenchWord` (fra-deu) does not. The first
// item of a row is kept, as is the only one: there a loan ("amok", "zip",
// "ado") is likelier than an English word. Returns how many items went.
int dropEnglishItems(QVector<DictdEntry> &engFra, const std::function<bool(const QString &)> &isListedFrench,
                     const std::function<bool(const QString &)> &isEnglishWord,
                     const std::function<bool(const QString &)> &isFrenchWord);

// Cuts each row to its first `most` translations, once they are ranked. The
// small French dictionaries list every sense of a word on one line ("si: 1.
// accordingly, so, then, therefore ... 6. if, either, whether"), and the
// fill from the other direction adds more; past the first six a row holds
// mostly side senses and wrong ones ("si: ..., then, either, therefore"),
// which a learner would be taught and which the writing test would accept.
// The German and Spanish tables are held to as few. Returns how many items
// went.
int keepLeadingTranslations(QVector<DictdEntry> &rows, int most);

class WordRanks;

// In the rows of French verbs (DictdEntry::verb), a leader the frequency
// list knows (`ranks`) that a larger dictionary writes chiefly as a noun
// (`verbUses` and `otherUses`) gives way to a word of the row's own first
// sense (its one sense where it numbers none, `ownFirstSense`) that it
// writes as a verb at least as often as otherwise: the leader's rank is its
// noun's ("choyer: coddle, pamper, pet", where "pet" is the animal first).
// Returns how many rows changed.
int putVerbBeforeNounLeaderOfVerbRow(QVector<DictdEntry> &rows, const WordRanks &ranks,
                                     const std::function<QStringList(const QString &)> &ownFirstSense,
                                     const std::function<int(const QString &)> &verbUses,
                                     const std::function<int(const QString &)> &otherUses);

inline constexpr int kMaxFrenchTranslations = 6;

// Leaves out the items of the English rows that run two items of their own
// row together without the comma between them ("doctor: 1. docteur
// 2. médecin, docteur médecin"; "physician: docteur, médecin, docteur
// médecin"; fra-eng has "docteur médecin: doctor, physician" too, so the
// rows are completed first): a phrase of two words the row gives each on
// its own is that pair again, not a word a learner should be taught. A
// phrase one of whose words the row does not give stays ("amber: ambre,
// ambre gris"). Returns how many items went.
int dropRunTogetherPairs(QVector<DictdEntry> &rows);

// Leaves out the items of the English rows that are another item of the row
// followed by a word that itself translates the headword ("army: armée,
// armée militaire"; "shore: bord, côte, côte rivage"): `links` (French,
// English) links that word to the headword through a third pair of
// dictionaries, and not the phrase. Such an item is a gloss or two items
// run together, not a French word. Returns how many items went.
int dropItemsGlossedWithASynonym(QVector<DictdEntry> &rows,
                                 const std::function<int(const QString &, const QString &)> &links);

// Leaves out of each row the items that a third pair of dictionaries can
// judge and tells against, where it confirms others of the row. eng-fra and
// fra-eng copy Ergane's alphabetical lists, in which a word's senses run
// into its neighbours' ("agent: ..., instrument, outil, produit,
// ustensile"; "tour: ..., line, rank, row"; "mauvais: ..., rotten, ugly").
// An item goes when `links` (French, English) finds no German word joining
// it to the headword although it does so for at least two other items of
// the row, when four German words join the headword to one item of its row
// (the German side covers the headword's senses broadly), and when the
// German side knows both words well enough to judge (`knowsFrench`,
// `knowsEnglish`). An item that shares a German word with an
// item of its row the pivot does not tell against (`nearInSense`, two items
// of the row) is a near synonym the German side words differently, and
// stays ("abhorrence: abomination, horreur", both "Gräuel"). Phrases,
// capitalised words and cognates (the French item and the English word
// spelt nearly alike) stay: the German dictionaries list few phrases, and a
// cognate's sense is rarely wrong. Each item left out is noted in
// `details`. Returns how many items went.
int dropItemsGermanTellsAgainst(QVector<DictdEntry> &rows, bool englishHeadwords,
                                const std::function<int(const QString &, const QString &)> &links,
                                const std::function<bool(const QString &)> &knowsFrench,
                                const std::function<bool(const QString &)> &knowsEnglish,
                                const std::function<bool(const QString &, const QString &)> &nearInSense,
                                QStringList &details);

class WordRanks;

// Completes a dictionary with the one of the opposite direction. The two
// small French dictionaries were written apart: eng-fra has no "eat", no
// "be", no "noise", while fra-eng has "manger: eat", "être: be",
// "bruit: noise, sound". Each headword of `forward` takes the words that
// `reverse` translates to it, and its translations are ranked:
//   1. those that `links` counts at least one link for (headword, word;
//      see GermanPivot) before the rest;
//   2. within each, those that translate back to the headword ("main:
//      hand" for "hand") before the rest;
//   3. within each, the commoner (by `targetRanks`) before the rarer, a
//      phrase (its words' ranks together), a word with the headword far
//      down its own list or a hyphenated word no list has
//      (`isListedTargetWord`; "washing-bear") counting as rarer, and a word
//      whose row in the other table starts with the headword (`givesFirst`:
//      "reine" for "queen") as commoner, as does a filled-in word one of
//      whose entries there gives the headword alone ("mariée <n>: bride"
//      beside "mariée <adj>: married"), and so a word `links` counts more
//      links for ("invoice" for "facture", through "Rechnung", "Faktura"
//      and "Warenrechnung");
//   4. among equals, the dictionaries' order, its own words first;
// but a word the row's own dictionary translates first by itself
// ("congestion: congestion, rush"; a lower-case word `isListedTargetWord`
// knows) comes first unless another is clearly commoner.
// Its own translations are all kept; the filled-in ones only while they
// and its own confirmed ones number fewer than kMaxReverseFill (but the
// first of a row, a word whose own row in `reverse` starts with the
// headword, always: "casser" for "break"), and none that only looks like
// the headword and is a word of the headword's language itself
// (`isHeadwordLanguage`; "actinium" is French too, not "actinie") unless
// `links` links it to the headword ("arrive" for "arriver").
// Where a verb leads (`partOfSpeech` gives 'v' for a verb, 'n' for a noun),
// the row's own noun whose row in `reverse` starts with the headword and that
// is the commonest word of the row comes first: "water" is "eau" before
// "abreuver".
// Where `firstSenseFirst` is set and the entry numbers its senses, a linked
// word of its first sense that shares its stem with the headword ("agiter:
// 1. agitate ... 2. swing") comes first when a word of a later sense leads
// and does not share it, unless that word's own row in `reverse` starts
// with the headword (`givesFirst`): fra-eng gives the main sense first,
// where `links` often links a commoner word of a side sense as well
// ("swing" through "schwingen").
// Where `firstSenseFirst` is set, a look-alike of the headword that both
// dictionaries pair with it, the other first and in its first sense, and
// that is a ranked word and the likeliest of the row, comes first though no
// German word links it ("appreciate" for "apprécier"). A twin with other
// accents that the row's own dictionary gives first keeps its place as the
// headword itself does ("suprême: supreme"). A phrase opening with "and",
// "or" or "nor" ("or not" for "hein") weighs as if that word were unlisted.
// Where `headwordRanks` (the ranks of the headwords' language) is given and
// `givesFirst` knows the other table ranked, a linked item of a later sense
// that leads, whose own row in `reverse` lists the headword first only by
// its letters beside a commoner word ("haut: 1. summit, surface, top"),
// gives way to a linked item of the first sense that looks like the
// headword ("sommet" for "summit") or, where `firstSenseFirst` is set, that
// gives the headword first too and is about as common ("battle" for
// "bataille").
// Where `firstSenseFirst` is set, a word of a later sense that leads and
// neither shares nor resembles the headword gives way to the headword's
// twin or look-alike, as well linked, that the entry's first sense lists
// beside other words ("compassion: 1. compassion, pity 2. ... mercy"), or,
// unless the leader's own row in `reverse` starts with the headword, to a
// word of the first sense sharing its stem ("extrêmement: 1. extremely
// 2. most").
// The row's own first word, a look-alike of the headword that `reverse`
// does not translate back, comes first past an unlinked leader that is no
// look-alike where its cost is lower ("calamus: calame"), unless
// `isListedTargetWord` knows the headword itself ("hangar: hanger").
// Where `firstSenseFirst` is not set, the row's own first item, a
// look-alike of the headword that `reverse` gives it back in the first
// sense, comes first past a leader that neither resembles nor shares the
// headword ("affected: 1. affecté 2. artificiel", "effect: 1. effet,
// impression"), unless it is first only by its letters (see
// sideOfSortedList) or is a verb (`partOfSpeech`) and the leader a noun.
// Where `firstSenseFirst` is set, the row's own first item, linked and first
// only by its letters (see sideOfSortedList), whose own row in `reverse`
// gives the headword only in a later sense, gives way to a likelier word of
// the row's first sense whose row gives it in its first sense ("kiosque:
// barn, shed, stand": "stand"), unless its own row starts with the headword.
// A word built on another word of the row with a suffix ("bandeau" on
// "bande") that leads though `targetRanks` does not know it gives way to
// that base word, ranked and as well linked and confirmed, unless it is the
// headword's twin or look-alike ("tape: bande, bandeau").
// Where `firstSenseFirst` is not set, a leader no frequency list knows that
// neither is, resembles nor shares the headword gives way to the row's own
// look-alike of the headword that no list knows either, as well linked and
// confirmed ("incite: inciter" before "agiter"), unless the row gives the
// headword itself.
// Where `firstSenseFirst` is not set, a leader of a later numbered sense
// whose own row in `reverse` starts with its own twin ("congestion:
// congestion, rush") gives way to the row's own first-sense word that
// `reverse` gives the headword in its first sense, as well linked ("rush:
// se dépêcher" before "congestion").
// The headword's twin that only `reverse` gives, where `forward` starts
// another word's row with it and `reverse` pairs it with that word too, is a
// false friend ("agenda", which fra-eng gives "ordre du jour"): it goes
// after the row's own words.
// Where `firstSenseFirst` is set and a row holds more than
// kMaxFrenchTranslations items, the places kept go to different words: a
// second spelling of a word ranked above ("money box", "money-box") goes
// past them, as does the lower of a word and its phrasal verb ("spur",
// "spur on") where a word both dictionaries give in their first senses,
// the other first, waits past them, and a word filled in from `reverse`
// whose row there gives the headword neither first nor in its first sense
// where a word of the row's own first sense waits past them, as does an
// unlinked word of a later sense, unlike the headword, whose row there lists
// the headword past kMaxPlaces and not in its first sense, where a word the
// two dictionaries give in their first senses, the other first, waits.
// A word `reverse` gives the headword for only with a note in brackets that
// narrows it (DictdEntry::narrowed: "pile: 3. pier (of wall or
// structure)") and that is a side sense by its place as well does not lead
// over the row's own first-sense word that `reverse` pairs plainly with the
// headword in its first sense ("pier: débarcadère, pile"); a narrowed word
// only filled in gives way, too, to the row's own word whose row in
// `reverse` starts with the headword ("steak: bifteck, darne").
// The row's own first item, the headword's twin that `reverse` translates
// back, goes before a leader whose own row in `reverse` holds a twin of its
// own and does not start with the headword ("intention: intention, plan").
// Where `firstSenseFirst` is set, a look-alike of the headword from a later
// sense that leads, whose own row in `reverse` lists another word before the
// headword, gives way to the one word of the numbered first sense whose own
// row starts with the headword ("épine: 1. thorn 2. spine"), where no
// frequency list knows either and `links` links that word as often.
// Where `firstSenseFirst` is set and no third pair links any word of a row
// numbering three senses or more, a leader of its last sense gives way to
// the row's own single words of the first sense that `reverse` gives the
// headword for in their first senses ("gronder: 1. admonish, scold ...
// 4. blame, ...": "admonish, scold" before "blame").
// Where two linked single words no frequency list knows tie on every count
// of the ranking and the first leads by its letters alone, the one
// `usesElsewhere` (how often a larger dictionary writes it) counts clearly
// more often, and often enough to tell, goes first
// ("accroissement: 1. accretion, growth": "growth").
// A word of `reverse` whose first translation has no row in `forward` gets
// a new row (a phrase of up to three words). Entries of one headword are
// merged into one. Returns how many translations were added.
int addReverseTranslations(QVector<DictdEntry> &forward, const QVector<DictdEntry> &reverse,
                           const WordRanks &targetRanks,
                           const std::function<bool(const QString &)> &isHeadwordLanguage = {},
                           const std::function<int(const QString &, const QString &)> &links = {},
                           const std::function<bool(const QString &)> &isListedTargetWord = {},
                           const std::function<bool(const QString &, const QString &)> &givesFirst = {},
                           const std::function<QChar(const QString &)> &partOfSpeech = {},
                           bool firstSenseFirst = false, const WordRanks *headwordRanks = nullptr,
                           const std::function<int(const QString &)> &usesElsewhere = {});

// The French two-word items of the pairs ("quelques uns") that are one
// hyphenated word written apart: `isWrittenForm` (another dictionary) knows
// the hyphenated form and not the open one, or `isListedWord` (a word list,
// which holds no phrases) knows the hyphenated form and its last word is not
// one of `writtenApartAfter`, the words French writes apart after another
// (see wordsWrittenApartAfterOthers: "bande vidéo" beside "jeu vidéo").
// Both the fra-eng headwords and the eng-fra translations take the
// hyphenated form; returns how many items changed.
int joinOpenCompounds(QVector<DictdEntry> &engFra, QVector<DictdEntry> &fraEng,
                      const std::function<bool(const QString &)> &isWrittenForm,
                      const std::function<bool(const QString &)> &isListedWord = {},
                      const QSet<QString> &writtenApartAfter = {});
// The last words of at least kMinOpenCompounds two-word `headwords` (the
// keys of fra-deu's index, which writes a hyphenated word without its
// hyphen): "vidéo" for "jeu vidéo" and "conférence vidéo". A word list
// that holds "bande-vidéo" does not make a compound of such a word a
// hyphenated one.
QSet<QString> wordsWrittenApartAfterOthers(const QStringList &headwords);
inline constexpr int kMinOpenCompounds = 2;

// The hyphenated form of an open two-word item ("quelques-uns" for
// "quelques uns"); empty for anything else.
QString hyphenatedForm(const QString &item);

// The headwords addReverseTranslations gives `forward`, in the same order,
// without ranking any row.
QStringList headwordsWithReverseFill(const QVector<DictdEntry> &forward, const QVector<DictdEntry> &reverse);

// Whether `item` is another word that only looks like `headword`: not the
// same (accents and case aside) but starting with the same
// kLookAlikePrefix letters or more, which make at least three quarters of
// the shorter word ("actinium" and "actinie").
bool looksLikeOtherWord(const QString &item, const QString &headword);

inline constexpr int kLookAlikePrefix = 5;
inline constexpr int kMaxReverseFill = 6;

} // namespace vorbix::import
