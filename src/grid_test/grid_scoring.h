#pragma once

#include <QtGlobal>

namespace vorbix {

// The time left runs from 5 down through 0 into five seconds of overtime;
// at this value the question closes.
inline constexpr double kOvertimeEnd = -5.0;

// The score of a choice with `timeLeft` seconds shown: a right choice
// scores 10, one point less per second of overtime; a wrong one scores 1.
float choiceScore(bool right, double timeLeft);

// The time left after one tick: one second less, computed in milliseconds
// as the countdown always was; it stays put once the overtime has ended.
double countdownStep(double timeLeft);

// The running average after a question scored `score`, the `attempts`-th
// one: (score + (attempts - 1) * medie) / attempts, computed in double and
// kept in single precision. A skipped question weighs as the average it
// found. `attempts` must be at least 1.
float runningAverage(float medie, double score, int attempts);

// The attempt count after one more question. It stops at the largest
// 16-bit count instead of wrapping to a negative one; from there on each
// new score moves the average by 1/32767 of its distance.
qint16 nextAttempt(qint16 nrnote);

} // namespace vorbix
