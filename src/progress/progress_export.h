#pragma once

#include <QString>

namespace vorbix {

// Writes the answer history of the progress file in `dataRoot` to a CSV file
// at `path`, one row per answer, oldest first, under a header row:
// answered_at (local time with its offset), pair, grading, index, word,
// right_answer, given, score, seconds, first. An existing file is replaced
// only with `replace`; the file is written in full beside its place and then
// moved there. No answer of the progress file is changed, and a missing one
// is not created. Returns the rows written; throws RecordError naming the
// file and the problem.
int exportProgressCsv(const QString &dataRoot, const QString &path, bool replace);

} // namespace vorbix
