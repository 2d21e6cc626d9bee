#pragma once

#include "data/import/word_order.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

namespace vorbix::import {

// How often each (lowercased) word occurs in a dictionary's example
// sentences; the measure of how common a word is.
using WordFrequencies = QHash<QString, int>;

// Adds the words of `text` to `frequencies`.
void countWords(const QString &text, WordFrequencies &frequencies);

// How common a word or phrase is: the frequency of its rarest word.
int commonness(const QString &phrase, const WordFrequencies &frequencies);

// What the two German dictionaries contribute to the core vocabulary.
struct GermanSources
{
    QHash<QString, QStringList> englishToGerman;  // eng-deu, by English headword
    QHash<QString, QStringList> germanToEnglish;  // deu-eng, by German headword
    WordFrequencies englishFrequencies;
    WordFrequencies germanFrequencies;
    // Translations that the dictionaries give only with a domain or register
    // tag ("Klemme [techn.]"): special senses, ranked after general ones.
    QSet<QString> taggedOnly;
    // The lists are in rank order already (trans-de-en keeps an entry's main
    // sense first): selectGermanCore keeps that order instead of ranking by
    // tags and frequencies.
    bool ranked = false;
    // germanToEnglish holds the German words' own English senses, core words
    // or not: a German row offers them beside the core words it was kept for.
    bool ownSenses = false;
    // With own senses: "German\nEnglish" for the main English word of a
    // German word's plain main entry ("Matrize {f} [techn.] | Matrizen {pl}
    // :: die; anvil" for "Matrize"), the word's own first sense.
    QSet<QString> mainEntrySenses;
    // With own senses: "German\nEnglish" for an English word that every line
    // giving it for the German word tags as colloquial, slang or vulgar
    // where the German word carries no register tag ("außerdem; weiterhin;
    // überdies {conj} :: plus {conj} [coll.]" for "überdies"): a side sense
    // that a row does not move to its first place.
    QSet<QString> sideSenses;
    // With own senses: "German\nEnglish" for the first English word of a
    // line that the German word heads and that gives its forms or examples,
    // plain and untagged on both sides ("Gradmesser {m}; Zeichen {n}; ... |
    // Gradmesser {pl}; ... :: measure; ..."). A phrase of a line that lists
    // the German word only as a later synonym ("Nagelprobe {f}; ...;
    // Gradmesser {m} :: acid test") does not take the row's first place from
    // such a word.
    QSet<QString> headedSenses;
    // With own senses: "German\nEnglish" for the English words of the lines
    // the German word heads.
    QSet<QString> headedLineWords;
    // With own senses: "German\nEnglish" for an English word that some line
    // gives first for the German word with no note or tag on either side:
    // a sense of its own, not a narrowed use ("Gashohlraum {m}; ...; Galle
    // {f} (Gussfehler in der Gießerei) [techn.] :: blowhole; ..." gives
    // "blowhole" only narrowed).
    QSet<QString> plainFirstSenses;
    // With own senses: "German\nEnglish" for an English word that only
    // repeats another of the German word's senses with a preposition after
    // it ("recover from" beside "recover" for "sich erholen"), is misspelt
    // ("be delighed with") or is a past participle beside its verb ("obtained"
    // beside "obtain" for "sich geben lassen"), with the word a German row
    // offers as an own sense in its place ("recover"), or none.
    QHash<QString, QString> spoiltSenses;
    // With own senses: "German\nEnglish" where the German word heads a line
    // that gives the English word, both in general use and the English word
    // narrowed by no note ("Richtungsfahrbahn {f} [auto] | ... :: carriageway
    // [Br.]; lane [Br.]"): the German word's own entry. A German word that
    // every English row leaves out past its six places still gets a row of
    // its own for such an English word. So does a word that a rule moved out
    // of an English row's places to give another sense one (see
    // giveOneSensesLastPlaceToOtherNounEntry in trans_de_en.cpp).
    QSet<QString> ownLineHeads;
    // With own senses: German words that a line pairs only with English
    // words of the other sex ("Japaner {m}" beside "Japanerin {f} :: Japanese
    // man; Japanese woman", where only "Japanese woman" is a core word): no
    // English row takes them, and each keeps a row of its own senses.
    QSet<QString> ownSenseRows;
    // Lower-cased spellings that name a noun and a verb differing only by
    // case ("Husten {m}" and "husten"): two words, each with its own row.
    QSet<QString> nounAndVerbSpellings;
};

struct GermanCore
{
    QVector<ImportRow> englishGerman;
    QVector<ImportRow> germanEnglish;
    int cappedEnglishGerman = 0;  // rows left out by the table limit
    int cappedGermanEnglish = 0;
};

inline constexpr int kMaxGermanTranslations = 6;

// Selects the core vocabulary. An English word of `coreEnglish` gets those
// German translations of eng-deu that deu-eng translates back to it; a German
// word kept in such a row gets the English core words it was kept for.
// Translations are ranked general senses first, then by how common they are
// (ties keep the dictionary's order), unless the sources are ranked already,
// at most six a row; German words of four
// or more words and bare abbreviations ("Str.", "LKW") are left out; German
// words that differ only by case share one row under the spelling most rows
// chose; rows without a confirmed translation are left out; when a side has
// more than `maxRows` words the most common ones are kept. With sources that
// give the German words' own senses, a German row adds those that are no
// core words, in rank order, in the places its core words leave.
GermanCore selectGermanCore(const QStringList &coreEnglish, const GermanSources &sources, int maxRows);

// Keeps the `maxRows` rows whose source is most common (ties: code point
// order of the source), and returns how many were left out.
int capRows(QVector<ImportRow> &rows, int maxRows, const WordFrequencies &frequencies);

// Streams the two German .dict.dz files and collects what selectGermanCore
// needs: the entries of the English core words, the entries of the German
// words they translate to, and the word frequencies of every example.
GermanSources readGermanSources(const QString &engDeuIndex, const QString &engDeuDict,
                                const QString &deuEngIndex, const QString &deuEngDict,
                                const QSet<QString> &coreEnglish,
                                const std::function<void(const QString &)> &progress);

} // namespace vorbix::import
