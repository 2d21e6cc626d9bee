#pragma once

#include <QString>

class QLocale;

namespace vorbix {

// What the "Set time :" box does with a new text.
struct SetTimeCheck
{
    enum class Outcome {
        Rejected,  // not a positive number: the user is told, the text stays
        Accepted,  // rewritten as a whole number of seconds
        TooLarge,  // beyond 32767: nothing happens, the text stays
    };
    Outcome outcome = Outcome::Rejected;
    QString rewritten; // for Accepted: the whole number, ties rounded to even
};

// Rejects a text whose numeric value is 0 or less, an empty text, or one
// that is not a number with the regional settings; otherwise rounds it to
// the nearest whole number (ties to even) read with those settings.
SetTimeCheck checkSetTime(QStringView text, const QLocale &locale);

} // namespace vorbix
