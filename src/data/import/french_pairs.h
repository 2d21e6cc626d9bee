#pragma once

#include "data/import/dictd_entry.h"

#include <QSet>
#include <QString>
#include <QVector>

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

// Completes a dictionary with the one of the opposite direction. The two
// small French dictionaries were written apart: eng-fra has no "eat", no
// "be", no "noise", while fra-eng has "manger: eat", "être: be",
// "bruit: noise, sound". For each headword of `forward`, its translations
// are ordered:
//   1. its own translations that `reverse` translates back to it,
//   2. words whose first translation in `reverse` is the headword,
//   3. its other own translations,
//   4. words that `reverse` translates to the headword further down.
// Its own translations are all kept; those of 2. and 4. only while the row
// holds fewer than kMaxReverseFill items.
// A word of `reverse` whose first translation has no row in `forward` gets
// a new row (a phrase of up to three words). Entries of one headword are
// merged into one. Returns how many translations were added.
int addReverseTranslations(QVector<DictdEntry> &forward, const QVector<DictdEntry> &reverse);

inline constexpr int kMaxReverseFill = 6;

} // namespace vorbix::import
