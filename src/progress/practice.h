#pragma once

#include "progress/progress_report.h"

#include <QList>

namespace vorbix {

class WordTable;

// The Index of every due word that the word table still holds under the
// same word, in ascending order without repeats: a word table imported
// anew since the answers were given may have other words at those places,
// and those are left out rather than practised by mistake.
QList<int> practiceIndexes(const QVector<ProgressReport::Word> &due, const WordTable &table);

} // namespace vorbix
