#include "writing_test/score_record.h"

#include <limits>

namespace vorbix {

void ScoreRecord::add(double score)
{
    if (nrnote == std::numeric_limits<qint16>::max())
        totalnote = float(double(medie) * (nrnote - 1));
    else
        ++nrnote;
    totalnote = float(double(totalnote) + score);
    medie = float(double(totalnote) / nrnote);
}

void ScoreRecord::resetOnLeave()
{
    medie = 1.0f;
    nrnote = 0;
    totalnote = 0.0f;
}

} // namespace vorbix
