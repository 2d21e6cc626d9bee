#pragma once

#include "progress/answer.h"
#include "progress/progress_report.h"

#include <QString>

#include <memory>

namespace vorbix {

class Clock;
class MessageSink;
class ProgressStore;
class RecordError;

// What the screens tell about the learner's work, kept in the progress file
// of the data root. Recording never stops a screen: the file is opened on
// the first word to keep, and when it cannot be opened or written (read-only,
// damaged, a folder in its place, a full disk) the learner is told once and
// nothing more is recorded until the program starts again; the exercises go
// on exactly as before.
class ProgressLog
{
public:
    ProgressLog(QString dataRoot, Clock &clock, MessageSink &messages);
    ~ProgressLog();

    ProgressLog(const ProgressLog &) = delete;
    ProgressLog &operator=(const ProgressLog &) = delete;

    const QString &filePath() const { return m_path; }
    Clock &clock() const { return m_clock; }

    // A word "Learn words" showed.
    void wordShown(const WordOnShow &word);
    // An answer a test graded; a word that is not valid (nothing was on
    // show) is not recorded.
    void answerGraded(const GradedAnswer &answer);

    // The figures of one pair as of the clock's today. A missing file is no
    // progress yet (and is not created for it); a file that cannot be read
    // throws RecordError.
    ProgressReport report(int pair);

    // Why this session's answers are not being kept; empty while they are.
    const QString &problem() const { return m_problem; }

private:
    ProgressStore *storeForWriting();
    void giveUp(const RecordError &error);

    QString m_path;
    Clock &m_clock;
    MessageSink &m_messages;
    std::unique_ptr<ProgressStore> m_store;
    QString m_problem;
};

} // namespace vorbix
