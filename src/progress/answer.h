#pragma once

#include <QDateTime>
#include <QString>

namespace vorbix {

// A word put before the learner: which pair, the entry's Index and its
// texts as stored (before "ABC" or "abc" changed them on the screen), and
// when it was shown.
struct WordOnShow
{
    int pair = -1; // position in the pair table; -1: no word on show
    int index = 0;
    QString word;
    QString translation;
    QDateTime shownAt;

    bool isValid() const { return pair >= 0; }
};

// How an answer came to be graded.
enum class Grading {
    Verify,    // "Write words": the learner pressed "Verify"
    TimeOut,   // "Write words": the time for the word ran out
    Right,     // "Grid test": the right choice, within the time
    Late,      // "Grid test": the right choice, in the overtime
    Wrong,     // "Grid test": a wrong choice
    Closed,    // "Grid test": no choice until the time limit
};

// One graded answer, as the screen that graded it reports it.
struct GradedAnswer
{
    WordOnShow word;
    Grading grading = Grading::Verify;
    QString given; // the typed answer, or the text of the choice
    double score = 1.0;
    // The first grading of this word on show. Later ones (Verify pressed
    // twice, the time-out after a Verify, a second choice in the grid) are
    // kept in the history but neither move the word's box nor count twice
    // in the statistics.
    bool first = true;
};

// The name of a grading in the progress file and its export.
const char *gradingName(Grading grading);

} // namespace vorbix
