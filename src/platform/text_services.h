#pragma once

#include <QString>

#include <optional>

class QLocale;

namespace vorbix::text {

// The leading decimal number of a text, 0 if it has none: "12abc" is 12,
// "abc" and "" are 0, "1e3" is 1000. Leading blanks are skipped; the point
// is the decimal separator whatever the regional settings.
double numericValue(QStringView text);

// Whether the text reads as a number with the regional settings (blanks
// around it allowed, an exponent allowed, the group separator tolerated).
bool isNumeric(QStringView text, const QLocale &locale);

// The number a text reads as with the regional settings, or nullopt.
std::optional<double> localeValue(QStringView text, const QLocale &locale);

// The text as a 16-bit integer, rounded to the nearest integer with ties to
// the even one, read with the regional settings; nullopt when it is not a
// number or lies outside -32768..32767.
std::optional<qint16> toInt16(QStringView text, const QLocale &locale);

// A double in the general number format: the shortest decimal form with at
// most 15 significant digits, no trailing zeros, an exponent ("1E+308")
// where the plain form would need one, and the regional decimal separator.
QString generalNumber(double value, const QLocale &locale);
// The same for a single-precision value, with at most 7 significant digits.
QString generalNumber(float value, const QLocale &locale);

// The format "#,###,##0.00": the value's decimal form at its own precision
// (15 significant digits for a double, 7 for a single) rounded to two
// decimals, halves away from zero, with the regional separators.
QString twoDecimals(double value, const QLocale &locale);
QString twoDecimals(float value, const QLocale &locale);

// Rounds to two decimals the way the format above does (halves away from
// zero, on the 15-digit decimal form).
double roundToTwoDecimals(double value);

// Upper and lower case, one character at a time: every character maps to
// exactly one character, so a text never changes its length ("ß" stays "ß",
// "İ" lowers to "i").
QString upperCase(QStringView text);
QString lowerCase(QStringView text);

// Removes blanks (U+0020 only) at both ends.
QStringView trimBlanks(QStringView text);

} // namespace vorbix::text
