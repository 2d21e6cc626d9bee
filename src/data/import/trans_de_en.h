#pragma once

#include "data/import/german_core.h"

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

#include <functional>

namespace vorbix::import {

// Debian's trans-de-en: the German-English word list of the ding dictionary
// (the list the FreeDict German dictionaries were made from). One entry a
// line, "German :: English"; each side has sections separated by " | " that
// match between the sides (the first is the entry itself, later ones its
// inflected forms, compounds and examples), and synonyms within a section
// separated by "; ". Unlike the dictd files it keeps an entry's main sense
// first.

// The Debian package and the file it installs.
inline constexpr char kTransDeEnPackage[] = "trans-de-en";
inline constexpr char kTransDeEnPath[] = "/usr/share/trans/de-en";

// What the tags of a synonym (without their brackets) say of its sense.
enum class Sense {
    // Untagged, or tagged with the field of general words ("zool.",
    // "naut.", "cook.") or a standard variety ("Dt.", "Br.", "Am.").
    General,
    // A special field or figurative use ("Klemme [techn.]"), unless it also
    // carries a general word's field ("sterben [biol.] [med.]").
    SpecialField,
    // A register other than plain speech or a regional word ("[ugs.]",
    // "[Ös.]", "[slang]"), whatever else it is tagged with.
    SpecialRegister,
};

Sense senseOfTags(const QStringList &tags);

// A synonym of an entry's first section, without its markup.
struct TransSynonym
{
    QString text;
    Sense sense = Sense::General;
    // Tagged as a British or American spelling: "colour [Br.]; color [Am.]"
    // names one word twice, so neither is a second sense.
    bool spellingVariant = false;
    // Tagged "{pl}": a plural beside its singular ("Klasse {f}; Klassen
    // {pl}") is left out.
    bool plural = false;
    // Tagged with a gender or "{pl}": a German noun. Adjectives, numerals,
    // adverbs and verbs carry other tags or none.
    bool noun = false;
    // Tagged obsolete ("[veraltet]", "[obs.]", "[alt]", "(ungebräuchlich)")
    // or only with regions ("[Ös.]", "[Schw.]", "[regional]"): a word a
    // learner needs only where nothing general translates the same word.
    bool fringe = false;
    // Tagged with regions and not out of use ("Kübel {m} [Bayr.] [Ös.]"),
    // unlike a word tagged as Germany's ("Sessel {m} [Dt.] [Schw.]").
    bool regional = false;
    // The place of the synonym in its section, counting those left out.
    int position = 0;
    // Carries a note in parentheses that names no object ("schlagen {vi}
    // (gegen)", "sagen {vi} (Sache)", "Erbe {n} (einer Region usw.)"): a
    // sense narrowed to some use.
    bool noted = false;
    // The note stands before the word and names what it is done to ("(eine
    // Maschine) warten {vt}"): the word in that use only.
    bool objectNoted = false;
    // The German group's shared tags, after its word class, name a field or
    // register that narrows the sense ("weisungsfrei; weisungsungebunden
    // {adj} [adm.]").
    bool groupTagged = false;
    // Tagged as colloquial, slang or vulgar ("plus {conj} [coll.]").
    bool colloquial = false;
    // Tagged as historical or dated ("flapper [hist.]").
    bool dated = false;
    // A German verb whose object's preposition was put after it ("raten zu"
    // from "zu etw. raten").
    bool prepositionAfterVerb = false;
};

struct TransEntry
{
    QVector<TransSynonym> german;
    QVector<TransSynonym> english;
};

// The synonyms of the first section of a line, in file order, those with
// nothing left after cleaning and plurals beside other words left out.
// Nothing for comments and lines without " :: ".
TransEntry parseTransEntry(QStringView line);

// One synonym without its markup: "{m}", "{vt}", "{took; taken}", tags,
// notes in parentheses, abbreviations between slashes ("/Mo/"), valency
// markers ("etw.", "jdn.", "sb./sth."), the separable-verb mark "<>", a word
// alternative after " / " and, in English, the "to" of verbs. Adds the tags
// met to `tags`. Empty for fragments ("Farb…"), affixes, German phrases
// that a marker inside them would leave broken ("über etw. verfügen" is no
// "über verfügen"), and text holding a comma or colon ("Hauptstadt:
// Winnipeg"), which would read as two translations in a row.
// `keepTo` keeps an English "to" that would go as a verb's: on a line whose
// German word is no verb, "to date" is a set phrase, not the verb "date".
QString cleanTransSynonym(QStringView raw, bool english, QStringList *tags = nullptr, bool keepTo = false);

// What selectGermanCore needs, from the text of trans-de-en: for each word of
// `coreEnglish` the German main entries of the lines whose first section
// lists it among its English synonyms, ranked (the word as the line's first
// English synonym first, then general entries before special ones, then by
// the German subtitle list, helped by each further line giving the word first
// and by a noun on the word's own entry, and held back for phrases, later
// synonyms of a line and senses narrowed by a note, words missing from the
// list weighed by the same evidence, then the German words mentioned by more
// lines outside notes, then
// file order); obsolete and regional words only where nothing general
// translates the word, and one spelling of words that differ only by case
// (the lower-case adjective, numeral, adverb or verb over its noun); for each
// such German word the English core words and, for the words first in those
// lists, the main senses (first English synonyms) of all their lines, ranked
// the same way by the English subtitle list; and how many lines mention each
// word. A line's first English
// synonym matches a core word in lower case that differs from it only by case
// ("Earth" for "earth"), unless that spelling is a core word too or the line's
// German words carry no gender (a place: "Seoul :: Soul"); no other case-only
// match counts ("Crane" the constellation is no "crane", "pan" no "Pan").
GermanSources germanSourcesFromTrans(const QByteArray &text, const QStringList &coreEnglish);

// How many lines of trans-de-en mention each word, per side (see
// germanSourcesFromTrans). The count needs no core words, so the import
// starts it as soon as the file is read, long before the core words are
// known.
struct TransWordCounts
{
    WordFrequencies german;
    WordFrequencies english;
};
TransWordCounts countTransWords(const QByteArray &text);

// germanSourcesFromTrans with the counts of countTransWords(text) given,
// and the English word list (american-english with its British spellings)
// where the import has one: a later German synonym's English look-alike
// counts as its own word only where the list knows it. Empty, any
// look-alike counts. The lines are read, and the German words' senses
// ranked, in `lineChunks` pieces each on kTransLineThreads threads; any
// count gives the same result.
inline constexpr int kTransLineChunks = 16;
inline constexpr int kTransLineThreads = 2;
GermanSources germanSourcesFromTrans(const QByteArray &text, const QStringList &coreEnglish, TransWordCounts counts,
                                     const QSet<QString> &englishWords = {}, int lineChunks = kTransLineChunks);

// The closed-up spelling of each hyphenated word of `words` that a line of
// `text` (the trans-de-en file) gives beside it as a synonym of its own,
// untagged ("tooth-brush; toothbrush"), where `wordList` (the English word
// list) knows the closed-up spelling and not the hyphenated one: the
// hyphenated spelling is the older one, and a learner looks the word up in
// the spelling the list and the dictionary's own lines use. A word whose
// closed-up spelling is itself one of `words` keeps its own entry.
QHash<QString, QString> closedUpTwinsInTrans(const QByteArray &text, const QStringList &words,
                                             const QSet<QString> &wordList);

// Reads the file at `path` with germanSourcesFromTrans. Throws RecordError
// when it cannot be read.
GermanSources readTransDeEn(const QString &path, const QStringList &coreEnglish);

// Those of `phrases` (lowercased English words joined by single blanks)
// that stand, word for word, on the English side of a line of `text` (the
// trans-de-en file).
QSet<QString> englishPhrasesInTrans(const QByteArray &text, const QSet<QString> &phrases);

// Those of `words` (lowercased English words) that stand on the English
// side of a line of `text` (the trans-de-en file).
QSet<QString> englishWordsInTrans(const QByteArray &text, const QSet<QString> &words);

// How often each of `phrases` (as for englishPhrasesInTrans) and each of
// `words` (as for englishWordsInTrans) stands on the English sides of
// `text`; those that never do are left out.
QHash<QString, int> englishPhraseCountsInTrans(const QByteArray &text, const QSet<QString> &phrases);
QHash<QString, int> englishWordCountsInTrans(const QByteArray &text, const QSet<QString> &words);

} // namespace vorbix::import
