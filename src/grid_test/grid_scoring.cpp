#include "grid_test/grid_scoring.h"

#include <limits>

namespace vorbix {

float choiceScore(bool right, double timeLeft)
{
    if (!right)
        return 1.0f;
    return timeLeft < 0.0 ? float(timeLeft + 10.0) : 10.0f;
}

double countdownStep(double timeLeft)
{
    if (timeLeft > kOvertimeEnd)
        return (timeLeft * 1000.0 - 1000.0) / 1000.0;
    return timeLeft;
}

float runningAverage(float medie, double score, int attempts)
{
    Q_ASSERT(attempts >= 1);
    return float((score + (attempts - 1) * double(medie)) / attempts);
}

qint16 nextAttempt(qint16 nrnote)
{
    if (nrnote == std::numeric_limits<qint16>::max())
        return nrnote;
    return qint16(nrnote + 1);
}

} // namespace vorbix
