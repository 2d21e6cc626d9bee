#pragma once

#include "data/import/dictd_entry.h"
#include "data/import/german_pivot.h"
#include "data/import/spanish_core.h"

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

namespace vorbix::import {

// The glued translations the blank repair met: those split (split text ->
// the item as it was) and those without a sure split.
struct GluedItems
{
    QHash<QString, QString> splits;
    QSet<QString> unsure;
    // Unsure items with their sound splits, likeliest first, which no
    // phrase of the sources read so far attests.
    QHash<QString, QStringList> unattested;
    // Words the word list lacks, kept whole, with their cuts into listed
    // words: Apertium's phrase among them shows a lost blank ("porciento").
    QHash<QString, QStringList> wholeCuts;
};

struct SettledRows
{
    int keptWhole = 0;  // splits taken back: Apertium knows the item as one word
    int dropped = 0;    // unsure glued items left out
    int split = 0;      // whole items split into a phrase of Apertium
};

// Settles the glued items of `rows` once Apertium's `words` (lowercased) are
// known: a split item Apertium knows as one word gets its spelling back
// ("favourable", not "favour able"); an unsure one Apertium does not know
// is left out, and so is a row left with nothing; a word the word list
// lacks that cuts into one of Apertium's phrases is that phrase
// ("porciento" -> "por ciento"). One line per change goes
// to `details`, naming `dictionary`.
SettledRows settleGlued(SenseRows &rows, const GluedItems &glued, const QSet<QString> &words,
                        const QString &dictionary, QStringList &details);

// Takes out of `glued` (spa-eng's English items without a sure split) the
// items that are words of their own, so that they stay as written: eng-spa
// (`englishSpanish`) has the item as a headword it translates by the
// Spanish headword of the spa-eng entry (`spanishEnglish`) that holds it,
// and `writtenWhole` (the English words trans-de-en writes as one word, of
// those asked) holds it ("retaguardia: 1. rear, rearguard" beside eng-spa's
// "rearguard: retaguardia" and trans-de-en's "Nachhut {f} :: rearguard").
// The word list lacks such compounds, and a phrase of trans-de-en would cut
// them ("rear-guard battle"). Either sign alone is not enough: eng-spa has
// glued headwords of its own ("alarmbell"), and trans-de-en writes some
// phrases run together beside their usual form ("bottleopener").
// Returns the items kept whole.
QStringList keepWordsPairedBackWhole(GluedItems &glued, const QVector<DictdEntry> &spanishEnglish,
                                     const QVector<DictdEntry> &englishSpanish,
                                     const std::function<QSet<QString>(const QSet<QString> &)> &writtenWhole);

// Writes apart the one-word items of `englishSpanish` (eng-spa's rows) that
// run together a Spanish phrase of `spanishEnglish` (spa-eng's rows) whose
// row names the English headword, where Apertium knows the phrase
// (`apertiumSpanish`, lowercased lemmas): "what for: porqué" beside spa-eng's
// "por qué: what for, why" and Apertium's "por qué<adv>". The glued form is
// often a word too ("porqué", the reason), which the blank repairs keep
// whole. A row that holds the phrase already loses the glued item ("above
// all: sobre todo, sobretodo"). Phrases Apertium lacks are old split
// spellings as often ("campo santo", "media noche") and are not followed.
// Returns how many items were written apart; one line each goes to
// `details`.
int splitPhrasesPairedBack(SenseRows &englishSpanish, const SenseRows &spanishEnglish,
                           const QSet<QString> &apertiumSpanish, QStringList &details);

// Leaves out of `rows` the (headword, translation) pairs of `unconfirmed`
// that `confirmed` (lowercased pairs of other sources) lacks, and the rows
// left with nothing. Returns how many translations were left out; one line
// each goes to `details`.
int dropUnconfirmed(SenseRows &rows, const QSet<std::pair<QString, QString>> &unconfirmed,
                    const QSet<std::pair<QString, QString>> &confirmed, QStringList &details);

// Whether `word` (one lowercased word) reads as a misspelling of a Spanish
// word: the full word list `spelling` lacks it and every lemma it could be a
// form of (plural, participle, gerund, reflexive infinitive), `known` (words
// Apertium or the frequency list hold) lacks it too, and one letter put
// right, other than an accent, gives a word of `spelling` that `known` holds
// ("brusko" -> "brusco", "consequir" -> "conseguir"), as does one letter
// added, taken out or swapped with its neighbour anywhere but at the end
// ("tremblar" -> "temblar", "cigarillo" -> "cigarrillo") unless the list
// holds the word with an accent put right ("petroleo"). Words under four
// letters or holding anything but letters are never judged. A `wholeItem`
// whose last vowel differs ("dependienta", "deudo") is taken for the other
// gender of the listed noun, a form the word list often lacks.
bool isMisspeltSpanish(const QString &word, const QSet<QString> &spelling,
                       const std::function<bool(const QString &)> &known, bool wholeItem);

// Leaves out of `rows` the Spanish items (or, with `englishHeadwords`
// false, the rows whose Spanish headword) holding a lowercase word
// isMisspeltSpanish() judges misspelt; proper names (capitalised words) are
// left alone. Rows left with nothing go too. Returns how many items and
// rows were left out; one line each goes to `details`.
int dropMisspeltSpanish(SenseRows &rows, bool englishHeadwords, const QSet<QString> &spelling,
                        const std::function<bool(const QString &)> &known, QStringList &details);

// Leaves out of Apertium's lexicons (`englishSpanish`: Spanish targets;
// `spanishEnglish`: Spanish sources) the entries whose Spanish phrase puts a
// singular determiner before a noun of the other gender ("this evening" ->
// "esta anochecer"), the nouns' genders being those the lexicons' own noun
// entries give ("anochecer" <n, m>). A noun listed with both genders, or as
// common to both, or also as an adjective, is never judged, nor "el" or "un" before a feminine noun
// starting with "a" or "ha" ("el agua"). Returns how many entries were left
// out; one line each goes to `details`.
int dropDisagreeingPhrases(QVector<LexiconEntry> &englishSpanish, QVector<LexiconEntry> &spanishEnglish,
                           QStringList &details);

// Apertium files a possessive determiner under its stressed lemma
// ("their<det><pos>" -> "suyo<det><pos>", "mío<det>" -> "my<det>") and
// writes the short form only when it generates text: before a noun "their"
// is "su", and "suyo" alone is "theirs". Where FreeDict (`englishSpanish`,
// `spanishEnglish`: its merged rows) pairs the entry's English word with a
// shorter word the lemma begins with, accents aside ("their: su", "mi:
// my"), that word is the determiner's own form, and the entry's Spanish
// word becomes it. A lemma written alike before a noun ("nuestro") finds
// no such word and stays. Returns how many entries changed; one line each
// goes to `details`.
int spellPossessivesBeforeNouns(QVector<LexiconEntry> &englishSpanish, QVector<LexiconEntry> &spanishEnglish,
                                const SenseRows &freedictEnglishSpanish, const SenseRows &freedictSpanishEnglish,
                                QStringList &details);

// The single English words of `rows` that `wordList` lacks and that stand
// on the English side of at least three lines of `trans` (trans-de-en's
// text): rare real words ("aerobatic"), not slips. trans-de-en has slips of
// its own ("strecher"), but seldom the same one on three lines.
QSet<QString> englishWordsOftenInTrans(const SenseRows &rows, const QSet<QString> &wordList, const QByteArray &trans);

// The items of `rows` that only eng-fra's headwords (`headwords`) hold as
// words: `wordList` and the frequency list (`ranked`) lack them and
// trans-de-en's English side (`trans`) never has them. eng-fra's headwords
// hold slips of their own ("cypres" beside "cypress"). Without `trans` or
// `wordList` nothing is doubted.
QSet<QString> englishHeadwordsTransLacks(const SenseRows &rows, const QSet<QString> &headwords,
                                         const QSet<QString> &wordList,
                                         const std::function<bool(const QString &)> &ranked, const QByteArray &trans);

// Leaves out the eng-spa rows whose headword holds a word neither the word
// list (`spelling`) nor `known` has, where another headword of as many
// words gives all of the row's translations: the row is a misspelt copy
// ("femal labourer: obrera" beside "female laborer: obrera"). Returns how
// many rows were left out.
int dropMisspeltHeadwordRows(SenseRows &rows, const QSet<QString> &spelling,
                             const std::function<bool(const QString &)> &known, QStringList &details);

// Leaves out the rows whose headword is a listed headword with one word
// slipped: a word the word list (`spelling`) lacks and `known` (the
// frequency list, Apertium) does not hold either, one letter added, taken
// out, changed or swapped from a word either holds at its place, where that
// row gives all of the row's translations ("attachement: afectuosidad"
// beside "attachment"; spa-eng's "salsa de malzanas" beside "salsa de
// manzanas"). eng-fra and trans-de-en share eng-spa's slips, so they do not
// vouch for a word here. A name with a capital is looked up in lower case,
// as the list holds it ("Sardina" beside "Sardinia"). `dictionary` names
// the rows' dictionary in `details`. Returns how many rows were left out.
int dropSlipsOfListedHeadwords(SenseRows &rows, const QSet<QString> &spelling,
                               const std::function<bool(const QString &)> &known, const QString &dictionary,
                               QStringList &details);

// Leaves out of spa-eng's `rows` the English items of one lowercase word
// that the word list (`spelling`, lowercased) lacks and `known` (the other
// sources: Apertium, FreeDict's English headwords, trans-de-en, the
// frequency list) does not hold either: a phrase FreeDict glued together
// too short or too odd to be cut again ("al día: aday"). A lowercase phrase
// holding such a word is a misspelling and is left out too ("obrera: femal
// labourer"). Where no word list is installed nothing is left out. A row
// left without items is left out.
// Returns how many were left out; one line
// each goes to `details`.
int dropUnknownEnglishWords(SenseRows &rows, const QSet<QString> &spelling,
                            const std::function<bool(const QString &)> &known, QStringList &details);

// Leaves out of `rows` the translations misspelling another translation of
// the same row: a single word the word list of their language (`spelling`,
// lowercased) lacks, one letter added, taken out, changed or swapped with
// its neighbour away from its end from a word of the row the list holds
// ("bizcocho: cookie, biscuit, bicuit"; "torment: turmento, tormento"),
// and `known` (the words other sources or the frequency list hold) lacks.
// With `spanishItems`, a word one of whose possible lemmas the list holds
// is sound (the Spanish list has lemmas only). Rows keep at least the word
// they are a misspelling of. Returns how many were left out; one line each
// goes to `details`, naming `dictionary`.
int dropMisspeltSiblings(SenseRows &rows, const QSet<QString> &spelling, bool spanishItems,
                         const std::function<bool(const QString &)> &known, const QString &dictionary,
                         QStringList &details);

// Puts right the English words of `rows` (headwords with `englishHeadwords`,
// else translations) that lack a doubled consonant: a word of four letters
// or more that `spelling` (the English word list) lacks and nothing else
// `known`s, where doubling one consonant other than the last gives a word
// the list holds ("accomodate" -> "accommodate", "occurence" ->
// "occurrence"). The last letter is left alone: "emmet" is no "emmett".
// A respelt translation the row holds already goes; a respelt headword's
// translations join the row of the right spelling when there is one.
// Returns how many words were respelt; one line each goes to `details`.
int restoreDoubledConsonants(SenseRows &rows, bool englishHeadwords, const QSet<QString> &spelling,
                             const std::function<bool(const QString &)> &known, QStringList &details);

// Checks `rows` through German: a translation is doubtful when the Spanish
// word has German words (spa-deu) that trans-de-en translates, none of them
// leads to the English word, and Apertium (`apertium`: lowercased
// English-Spanish pairs) does not pair the two, nor their singulars
// ("aves": "birds" is its "ave": "bird"), either ("olla": "box";
// "antebrazo": "lower-arm"). Only pairs of single words are doubted, and
// only in a row that keeps an item the pivot links. A doubtful pair both
// FreeDict dictionaries give (`bothFreedict`) goes after the rest, in its
// order; one only one of them gives is left out. `englishHeadwords` tells
// which side of the rows is English. Returns how many translations were
// left out; one line each goes to `details`.
int vetThroughGerman(SenseRows &rows, bool englishHeadwords, const GermanPivot &pivot,
                     const QSet<std::pair<QString, QString>> &apertium,
                     const QSet<std::pair<QString, QString>> &bothFreedict, QStringList &details);

// spa-eng cut a few phrases after the contraction "al" or "del"
// ("corresponder al: answer to, correspond to"), and eng-spa has them as
// items: the article belonged to the noun that was cut away, so the phrase
// is the rest with the bare preposition ("corresponder a"). Mends the
// Spanish side of `rows` (the items with `englishHeadwords`, else the
// headwords; a mended headword joins the row it then shares, taking the
// items it lacks). Returns how many were mended; one line each goes to
// `details`.
int mendCutArticles(SenseRows &rows, bool englishHeadwords, QStringList &details);

// Writes without its accent a Spanish headword of `rows` (Spanish-English)
// holding one acute accent that neither the word list `spelling` nor
// `known` holds, where one of them holds the word without it ("incluído"
// -> "incluido", "tápa" -> "tapa"): FreeDict put the accent on a vowel
// that never takes it. A headword whose plain form has a row of its own is
// left alone, as the two rows may be different words ("carné", "carne").
// The English-Spanish rows (`englishSpanish`) write their items so too,
// a FreeDict slip the other direction shares ("including: incluído").
// Returns how many headwords were written anew; one line each goes to
// `details`.
int respellWrongAccents(SenseRows &rows, SenseRows &englishSpanish, const QSet<QString> &spelling,
                        const std::function<bool(const QString &)> &known, QStringList &details);
// Writes with its accent a plain Spanish word of `rows` (Spanish-English
// headwords) and of `englishSpanish` (whole items) that neither the word
// list `spelling` nor `known` holds, where the word list holds it with one
// acute accent in exactly one way ("humedo" -> "húmedo"): FreeDict left the
// accent out. A word the list holds with the accent on either of two
// vowels ("termino": "término", "terminó") is left alone. A headword whose
// accented form has a row of its own gives that row the items it lacks,
// while it has room. Returns how many words were written anew; one line
// each goes to `details`, and each plain word with its accented spelling
// to `restored` when given.
int restoreMissingAccents(SenseRows &rows, SenseRows &englishSpanish, const QSet<QString> &spelling,
                          const std::function<bool(const QString &)> &known, QStringList &details,
                          QHash<QString, QString> *restored = nullptr);

// Leaves out of Spanish-English `rows` those whose headword of two words
// glues into one of its own translations that has a row of its own ("pic
// nic: picnic" beside "picnic: picnic"): a loanword written apart.
// Returns how many were left out; one line each goes to `details`.
int dropWordsWrittenApart(SenseRows &rows, QStringList &details);

// Puts an English compound written open or with a hyphen ("olive oil",
// "olive-oil") before the "X of Ys" phrase it says the same as ("oil of
// olives") in the items of Spanish-English `rows`: spa-eng gives the
// roundabout phrase first in a few rows, and the compound is the form in
// use. A closed compound ("viewpoint" beside "point of view") is no such
// pair and stays where it is. Returns how many items were moved; one line
// each goes to `details`.
int putCompoundsBeforeOfPhrases(SenseRows &rows, QStringList &details);

// Cuts a "de" glued to the word before it out of the phrase headwords of
// Spanish-English `rows` ("libritode memoria" -> "librito de memoria"):
// spa-eng lost the blank there, and the phrase reads as a word nobody
// knows. Only a word that neither the word list `spelling` (lowercased) nor
// `known` (the other sources and the frequency list) holds is cut, and not
// the phrase's last word. A headword that then matches another row's joins
// it, adding the items it lacks while it has room. Where no word list is
// installed nothing is cut. Returns how many headwords were cut; one line
// each goes to `details`.
int splitGluedDeInHeadwords(SenseRows &rows, const QSet<QString> &spelling,
                            const std::function<bool(const QString &)> &known, QStringList &details);

} // namespace vorbix::import
