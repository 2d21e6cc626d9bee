#include "learning/letter_range.h"

#include "data/cursor.h"

namespace vorbix {

LetterRange findLetterRange(Cursor &words, const QString &letter)
{
    const PrefixEquals startsWithLetter{1, letter};
    LetterRange range;
    words.moveFirst();
    words.findFirst(startsWithLetter);
    range.first = qint16(words.index());
    words.findLast(startsWithLetter);
    range.last = qint16(words.index());
    return range;
}

} // namespace vorbix
