#pragma once

#include <QString>

#include <optional>

namespace vorbix::text {

// The leading decimal number of a text, 0 if it has none: "12abc" is 12,
// "abc" and "" are 0. Leading blanks are skipped; the point is the decimal
// separator whatever the regional settings.
double numericValue(QStringView text);

// The text as a 16-bit integer, rounded to the nearest integer with ties to
// the even one, read with the regional settings; nullopt when it is not a
// number or lies outside -32768..32767.
std::optional<qint16> toInt16(QStringView text);

// Removes blanks (U+0020 only) at both ends.
QStringView trimBlanks(QStringView text);

} // namespace vorbix::text
