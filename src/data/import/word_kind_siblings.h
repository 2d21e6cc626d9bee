#pragma once

#include "data/import/apertium_lexicon.h"
#include "data/import/dictd_entry.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <utility>

namespace vorbix::import {

// The two kinds of word a dictionary's row confuses when it gives a word's
// noun for its adjective or the other way round ("majestic: majesté" beside
// "majestueux"; "geographic: geografía" beside "geográfico").
enum class WordKind { Other, Noun, Adjective };

// The partner of another kind than `item` that shares its stem, which makes
// it an item of the other kind; empty when there is none.
QString siblingOfOtherKind(const QString &item, const QStringList &partners,
                           const std::function<WordKind(const QString &)> &kindOf);

// The items of a row that are of the other kind than the headword: an item
// that is a noun (or an adjective) by `kindOf`, that `partners` (the words
// another source pairs with the headword) does not hold, and that shares its
// stem (looksLikeOtherWord) with a partner that is an adjective (or a noun).
// The other source gave the headword the partner, of the same stem, and not
// this word: the row holds the partner's sibling of the other part of
// speech, which a learner would be taught as the translation. `mayDrop`
// (headword, item, the item's kind) keeps an item where the headword is of
// both kinds; it is asked last. Returns the items in their order.
QStringList itemsOfOtherKind(const QString &headword, const QStringList &items, const QStringList &partners,
                             const std::function<WordKind(const QString &)> &kindOf,
                             const std::function<bool(const QString &, const QString &, WordKind)> &mayDrop = {});

// The kind fra-eng's header tags give each French headword ("<adj>",
// "<n, fem>", "<n>"): a headword with entries of both kinds, or of another
// kind as well ("<v>"), is left out.
QHash<QString, WordKind> frenchWordKinds(const QStringList &headers);

// Mends eng-fra's rows that give a French item of the other kind than the
// English headword (itemsOfOtherKind), the partners being the French words
// whose own fra-eng row gives the headword: the partner of the item's stem
// takes its place, or, where the row holds it already, the item goes.
// "majestic: imposant, majesté" becomes "imposant, majestueux", as "majesté"
// is "majesty" and fra-eng gives "majestueux <adj>: majestic"; "exile: 1.
// banni, bannir, exiler 2. bannissement" loses "banni" ("exiled"), as
// fra-eng gives "bannissement <n, masc>: exile". A noun gives way in the
// row of an English word only where `mayBeNoun` says the English word is
// never a noun ("daring" keeps "audace"). Returns how many items changed.
int dropFrenchItemsOfOtherKind(QVector<DictdEntry> &engFra, const QVector<DictdEntry> &fraEng,
                               const QHash<QString, WordKind> &frenchKinds,
                               const std::function<bool(const QString &)> &mayBeNoun, QStringList &details);

// Leaves out of the Spanish tables' rows the items of the other kind than
// the headword (itemsOfOtherKind), the kinds and the partners being those of
// Apertium's lexicons (`englishSpanish`, `spanishEnglish`), and only the
// row's own items partners: "geographic: geográfico, geografía" loses
// "geografía" (Apertium: "geographic<adj>" -> "geográfico<adj>",
// "geography<n>" -> "geografía<n>"), and "geografía: geography, geographic"
// loses "geographic". Apertium must know the headword and the dropped item
// each as one kind. A noun leaves an English word's row only where
// `mayBeNoun` says the English word is never a noun ("depository" keeps
// "depósito"); an English adjective leaves a Spanish row only where it says
// the adjective is never a noun too ("borracho" keeps "drunk"); an English
// noun never leaves a Spanish row, as Apertium's Spanish adjectives are
// often nouns as well. `englishHeadwords` tells the direction of `rows`.
// Returns how many items went.
int dropSpanishItemsOfOtherKind(QVector<std::pair<QString, QStringList>> &rows, bool englishHeadwords,
                                const QVector<LexiconEntry> &englishSpanish,
                                const QVector<LexiconEntry> &spanishEnglish,
                                const std::function<bool(const QString &)> &mayBeNoun, QStringList &details);

} // namespace vorbix::import
