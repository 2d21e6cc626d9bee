#include "progress/progress_log.h"

#include "data/record_error.h"
#include "platform/clock.h"
#include "platform/message_sink.h"
#include "progress/progress_store.h"

#include <QFileInfo>

namespace vorbix {

ProgressLog::ProgressLog(QString dataRoot, Clock &clock, MessageSink &messages)
    : m_path(ProgressStore::pathIn(dataRoot))
    , m_clock(clock)
    , m_messages(messages)
{
}

ProgressLog::~ProgressLog() = default;

ProgressStore *ProgressLog::storeForWriting()
{
    if (!m_problem.isEmpty())
        return nullptr;
    if (!m_store)
        m_store = std::make_unique<ProgressStore>(m_path);
    return m_store.get();
}

void ProgressLog::wordShown(const WordOnShow &word)
{
    if (!word.isValid())
        return;
    try {
        if (ProgressStore *store = storeForWriting())
            store->addShown(word, m_clock.now());
    } catch (const RecordError &error) {
        giveUp(error);
    }
}

void ProgressLog::answerGraded(const GradedAnswer &answer)
{
    if (!answer.word.isValid())
        return;
    try {
        if (ProgressStore *store = storeForWriting())
            store->addAnswer(answer, m_clock.now());
    } catch (const RecordError &error) {
        giveUp(error);
    }
}

ProgressReport ProgressLog::report(int pair)
{
    const QDate today = m_clock.now().date();
    if (!m_store) {
        // Reading creates nothing: without a file there is no progress yet.
        const QFileInfo file(m_path);
        if (!file.exists() && !file.isSymLink())
            return ProgressReport::empty(pair, today);
        if (!m_problem.isEmpty()) {
            // The file that could not be written may still be read (a full
            // disk, a read-only file); a damaged one throws here.
            ProgressStore reader(m_path);
            return readProgressReport(reader.connection(), pair, today);
        }
        try {
            m_store = std::make_unique<ProgressStore>(m_path);
        } catch (const RecordError &error) {
            // The window that asked says why; recording stops quietly.
            m_problem = error.message();
            throw;
        }
    }
    return readProgressReport(m_store->connection(), pair, today);
}

void ProgressLog::giveUp(const RecordError &error)
{
    // Said once: the handler that hit the problem goes on, and so do the
    // screens, without a word more about it.
    m_store.reset();
    m_problem = error.message();
    m_messages.show({QStringLiteral("Vorbix cannot keep your progress.\n\n%1\n\nThe exercises go on as before, but "
                                    "the answers given until Vorbix is started again are not kept.")
                         .arg(m_problem),
                     kApplicationTitle, MessageIcon::Exclamation});
}

} // namespace vorbix
