#include "progress/leitner.h"

#include <algorithm>

namespace vorbix::leitner {

int intervalDays(int box)
{
    return 1 << (std::clamp(box, kFirstBox, kLastBox) - 1);
}

Move moveFor(Grading grading, double score)
{
    switch (grading) {
    case Grading::Verify:
    case Grading::TimeOut:
        if (score >= 9.0)
            return Move::Up;
        return score < 6.0 ? Move::BackToFirst : Move::Stay;
    case Grading::Right: return Move::Up;
    case Grading::Late:
    case Grading::Wrong:
    case Grading::Closed: break;
    }
    return Move::BackToFirst;
}

int nextBox(int box, Move move)
{
    const int from = std::clamp(box, kFirstBox, kLastBox);
    switch (move) {
    case Move::Up: return std::min(from + 1, kLastBox);
    case Move::Stay: return from;
    case Move::BackToFirst: break;
    }
    return kFirstBox;
}

QDate dueDate(int box, QDate lastAnswer)
{
    return lastAnswer.addDays(intervalDays(box));
}

bool isDue(int box, QDate lastAnswer, QDate today)
{
    if (!lastAnswer.isValid() || lastAnswer > today)
        return true;
    return today >= dueDate(box, lastAnswer);
}

} // namespace vorbix::leitner
