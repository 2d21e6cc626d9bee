#pragma once

#include <QtGlobal>

namespace vorbix {

// The scores of the answers graded since the writing test was opened or
// last left: their count, their sum and their average, in single precision.
struct ScoreRecord
{
    qint16 nrnote = 0;
    float totalnote = 0.0f;
    float medie = 0.0f;

    // Counts one more score. The count stops at 32767; from there on each
    // new score replaces an average one, so the average stays the average
    // of the scores it stands for and nothing overflows.
    void add(double score);

    // Leaving the screen: no scores, and an average of 1.
    void resetOnLeave();
};

} // namespace vorbix
