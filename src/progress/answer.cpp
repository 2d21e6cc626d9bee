#include "progress/answer.h"

namespace vorbix {

const char *gradingName(Grading grading)
{
    switch (grading) {
    case Grading::Verify: return "verify";
    case Grading::TimeOut: return "time-out";
    case Grading::Right: return "right";
    case Grading::Late: return "late";
    case Grading::Wrong: return "wrong";
    case Grading::Closed: return "closed";
    }
    return "verify";
}

} // namespace vorbix
