#pragma once

#include "data/import/german_pivot.h"
#include "data/import/spanish_core.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

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
};

struct SettledRows
{
    int keptWhole = 0;  // splits taken back: Apertium knows the item as one word
    int dropped = 0;    // unsure glued items left out
};

// Settles the glued items of `rows` once Apertium's `words` (lowercased) are
// known: a split item Apertium knows as one word gets its spelling back
// ("favourable", not "favour able"); an unsure one Apertium does not know
// is left out, and so is a row left with nothing. One line per change goes
// to `details`, naming `dictionary`.
SettledRows settleGlued(SenseRows &rows, const GluedItems &glued, const QSet<QString> &words,
                        const QString &dictionary, QStringList &details);

// Leaves out of `rows` the (headword, translation) pairs of `unconfirmed`
// that `confirmed` (lowercased pairs of other sources) lacks, and the rows
// left with nothing. Returns how many translations were left out; one line
// each goes to `details`.
int dropUnconfirmed(SenseRows &rows, const QSet<std::pair<QString, QString>> &unconfirmed,
                    const QSet<std::pair<QString, QString>> &confirmed, QStringList &details);

// Checks `rows` through German: a translation is doubtful when the Spanish
// word has German words (spa-deu) that trans-de-en translates, none of them
// leads to the English word, and Apertium (`apertium`: lowercased
// English-Spanish pairs) does not pair the two either ("olla": "box";
// "antebrazo": "lower-arm"). Only pairs of single words are doubted, and
// only in a row that keeps an item the pivot links. A doubtful pair both
// FreeDict dictionaries give (`bothFreedict`) goes after the rest, in its
// order; one only one of them gives is left out. `englishHeadwords` tells
// which side of the rows is English. Returns how many translations were
// left out; one line each goes to `details`.
int vetThroughGerman(SenseRows &rows, bool englishHeadwords, const GermanPivot &pivot,
                     const QSet<std::pair<QString, QString>> &apertium,
                     const QSet<std::pair<QString, QString>> &bothFreedict, QStringList &details);

} // namespace vorbix::import
