#pragma once

#include <QList>
#include <QString>

namespace vorbix {

class Cursor;
class RandomSource;

// Where the next word of an exercise comes from.
struct NextWordRequest
{
    enum class Variant { Start, Tick }; // a press of the start button, or a timer step
    enum class Order { Randomly, InOrder };

    Variant variant = Variant::Start;
    Order order = Order::Randomly;
    QString letter;      // the chosen letter; empty for the whole table ("A-Z" or nothing)
    qint16 nrmax = 0;    // the pair's word count
    qint16 nrprim = 0;   // the letter range
    qint16 nrultim = 0;
    // While the learner practises the due words of the pair: their Index in
    // ascending order, which every choice keeps to. Null (or empty) without
    // a practice: the choice is the screens' own.
    const QList<int> *practice = nullptr;
};

// The draw of a practice: Int((1 - r) * count) into the due words, the rule
// of every other draw of the screens. r = 0, which would point one past the
// last due word, takes the last one.
int drawFromSet(float r, const QList<int> &set);

// Moves the pair's cursor to the next word of the exercise; the caller shows
// the cursor's current record. The caller has checked that the level is
// "Advanced" and a pair is selected.
//
// Randomly: Int((1 - r) * m) over the whole table (m = nrmax) or the letter
// range (nrprim + Int((1 - r) * (nrultim - nrprim))); a number no record
// carries (0) finds nothing and the cursor stays on the first record.
// In order: the record after the current one, wrapping to the first record
// of the table or of the range after the last one, also when the table ends
// before the count says. Only the start variant pulls a cursor standing
// before the letter range into it; the tick variant walks towards it.
//
// With a practice, "Randomly" draws into the due words and "In order" takes
// the next due word after the current record, wrapping to the first; the
// letter filter then has no part in the choice.
//
// Throws std::overflow_error when the range bounds are too far apart for
// 16-bit arithmetic, and RecordError when a cursor operation fails.
void chooseNextWord(Cursor &words, const NextWordRequest &request, RandomSource &random);

} // namespace vorbix
