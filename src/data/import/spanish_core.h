#pragma once

#include "data/import/apertium_lexicon.h"
#include "data/import/english_word_uses.h"

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <utility>

namespace vorbix::import {

// Headwords with their translations, in first-seen order.
using SenseRows = QVector<std::pair<QString, QStringList>>;

inline constexpr int kMaxSpanishTranslations = 4;

struct SpanishCore
{
    SenseRows englishSpanish;
    SenseRows spanishEnglish;
    int rowsAdded = 0;     // rows FreeDict lacks
    int rowsMended = 0;    // FreeDict rows whose translations changed
    int itemsDropped = 0;  // FreeDict translations nothing else confirms, left out of mended rows
    int misspeltRowsDropped = 0;  // Spanish headwords with wrong accents beside the right spelling
};

// Fills and mends the FreeDict Spanish rows with Apertium's bilingual
// lexicon (`englishSpanish`: entries of eng-spa, `spanishEnglish`: entries of
// spa-eng, learner's words only).
//
// An English core word that Apertium translates, in either direction, gets
// as translations the Spanish words of a pair that some source other than
// FreeDict's eng-spa gives: Apertium eng-spa, Apertium spa-eng or FreeDict
// spa-eng. A translation only FreeDict's eng-spa gives is left out of such a
// row; many of them are damaged ("porla izquierda", or the senses of a phrase
// cut to its first word). Translations are ranked by how many of the four
// sources give the pair, ties in the order Apertium eng-spa, FreeDict
// eng-spa, Apertium spa-eng, and a row keeps kMaxSpanishTranslations; of
// the pairs only both FreeDict dictionaries give, a common word the German
// pivot confirms is not cut for a rare one ("rob": "robar", not "hurtar").
// Where the sources do not agree on the first translation, one that ranks as
// high by its sources, is much commoner (the frequency lists) and has the
// row's word as its own first sense goes first ("cold": "frío" before
// "resfriado"); this holds for the Spanish rows too.
// An Apertium eng-spa entry for only the plural of a noun that has entries
// for its singular ("royalty<n><pl>" -> "derecho") is no translation of the
// headword. A FreeDict word Apertium knows only with other accents ("gámba",
// "buho") counts, and is written, as Apertium's spelling ("gamba", "búho").
// Words Apertium does not know keep their FreeDict row, save that a first
// translation Apertium knows, and so not as the word, gives way to a much
// commoner later single word that Apertium lacks and FreeDict spa-eng pairs
// with the word ("acquaintance": "conocido" before "notoriedad"); short of
// that, of FreeDict's first alphabetical run the word whose spa-eng row
// names the headword soonest goes first, unless the first is the
// headword's cognate ("point out": "mostrar: indicate, point out, show"
// before "designar: 1. indicate, suggest 2. point out, show"). A word
// Apertium lacks in an American spelling ("color") is looked up in the
// British one ("colour").
//
// A Spanish word gets the English core words whose rows kept it, together
// with those of its FreeDict spa-eng translations that another source
// confirms and Apertium's own pairs of it among the English core words (its
// spa-eng translations, and the words whose first eng-spa translation in a
// part of speech it is: "about<pr>" -> "sobre"), ranked and capped the same
// way; a Spanish word no changed row keeps keeps its FreeDict row. Apertium
// spa-eng's only English word for a Spanish word (not a plural: "gente" ->
// "person<n><pl>") goes first where the row's first is no pair of
// Apertium's at all ("tardar": "take" before "be kept in"), or where
// Apertium eng-spa pairs it back and the first is a word Apertium pairs both
// ways with another Spanish word of its own ("fila": "row" before "rank",
// whose word is "rango"). Where such a
// row has more words than it keeps, those `germanLinks` (how many German
// words link the Spanish and the English word: GermanPivot::links) confirms
// are kept first, each in its place by its sources ("entrada": "ticket"
// through "Eintrittskarte" before FreeDict's "portal"); an English word
// Apertium gives first for the Spanish one joins such a row when it is no
// learner's word but the pivot links the two ("navaja": "penknife").
// A row FreeDict eng-spa lacks, whose first is a verb's pair where
// `englishUses` (englishWordUsesInTrans) shows the word used mostly
// otherwise, leads with its first noun ("bead": "cuenta" before "gotear").
// In the row of a one-word Spanish word a word goes before its phrasal verb
// where both come from one Apertium lexicon ("tirar": "throw" before "throw
// out", which both lexicons pair). A row led by a word only Apertium eng-spa
// pairs with it goes to a single word Apertium spa-eng alone gives in that
// part of speech ("escrito": "writing" before "brief"). `spanishFirstSenses`
// holds the items of FreeDict spa-eng's first numbered sense of a headword
// that has several ("aves: 1. birds 2. fowl, poultry"), to tell its senses
// apart where their words happen to follow in alphabetical order.
// `englishNounUses` (englishNounUsesInTrans) tells the English words
// trans-de-en never gives for a German noun: Apertium's noun translation of
// such a word ("coming<n>" -> "mayoría", of "coming of age") does not take
// the lead from its translation of the word's usual part of speech.
// Between pairs of Apertium's alone that its lexicons give alike, one the
// German pivot links goes first ("referee": "árbitro" before "colegiado"),
// unless the frequency list has the first as the commoner word; an
// adjective goes before the noun of a word trans-de-en never gives for a
// German noun ("bold": "intrépido" before "negrita"). An Apertium spa-eng
// entry filed under a spelling one letter from eng-spa's translation of its
// English word, a word eng-spa gives for another one, is left out ("anal"
// -> "annual", for "anual").
// An "-ing" form of a verb Apertium knows only as a noun ("pressing<n>" ->
// "prensado") is led by a word both FreeDict dictionaries pair with it that
// Apertium knows only as an adjective ("urgente").
// `spanishWords` (the Spanish word list, where installed) tells an
// unaccented word of its own from a typo of Apertium's accented one.
// `englishFirstSenses` holds the items of FreeDict eng-spa's first numbered
// sense of a headword that has several: an item of it only FreeDict gives
// that begins like the headword ("blank: 1. blanco") still leads the row
// where none of that sense's items is otherwise kept.
SpanishCore mergeSpanishLexicon(const QStringList &coreEnglish, const SenseRows &englishSpanish,
                                const SenseRows &spanishEnglish, const QVector<LexiconEntry> &lexiconEnglishSpanish,
                                const QVector<LexiconEntry> &lexiconSpanishEnglish,
                                const std::function<int(const QString &, const QString &)> &germanLinks = {},
                                const QHash<QString, EnglishWordUses> &englishUses = {},
                                const QHash<QString, QStringList> &spanishFirstSenses = {},
                                const QHash<QString, int> &englishNounUses = {},
                                const QSet<QString> &spanishWords = {},
                                const QHash<QString, QStringList> &englishFirstSenses = {});

// How often each of `words` (lowercased English words) is a whole synonym
// on the English side of a section of `text` (the trans-de-en file) whose
// German side is a noun (tagged {m}, {f}, {n} or {pl}): "Ankunft {f} ::
// arrival". Words met only otherwise count 0; words never met as a synonym
// are left out.
QHash<QString, int> englishNounUsesInTrans(const QByteArray &text, const QSet<QString> &words);

} // namespace vorbix::import
