#pragma once

#include <QString>

namespace vorbix {

class Cursor;

// The run of Index values whose source words begin with one letter.
struct LetterRange
{
    qint16 first = 0;
    qint16 last = 0;
};

// The first and last Index of the words of `words` that begin with `letter`
// (ignoring case): the cursor goes to the first record, then to the first
// and the last match. When no word begins with the letter both finds leave
// the cursor on the first record, so both bounds are its Index.
LetterRange findLetterRange(Cursor &words, const QString &letter);

} // namespace vorbix
