#pragma once

#include <QString>

namespace vorbix {

// How close a typed answer comes to the right one, from 1 to 10, in single
// precision and rounded to two decimals.
//
// Both texts are lower-cased and stripped of blanks at their ends; equal
// texts score 10. Otherwise every alternative the right answer lists
// ("house, home": up to four are tried from the start) is searched for the
// longest beginning of the answer, from two letters up, and scores
// 1 + 9 x (beginning) / (alternative), or 1 + 9 x (alternative) / (answer)
// when the answer is the longer; the best alternative counts. Texts of any
// length are scored with the same arithmetic.
float scoreAnswer(QStringView rightAnswer, QStringView answer);

// The characters of an answer that are not letters a to z, a blank or a
// hyphen (after lower-casing), from the last to the first: one warning is
// due for each. An answer equal to the right one is never checked.
QStringList refusedCharacters(QStringView answer);

// The comparison form of a text: lower case, no blanks at either end.
QString normalisedAnswer(QStringView text);

} // namespace vorbix
