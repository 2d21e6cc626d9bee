#pragma once

#include "progress/answer.h"

#include <QString>

#include <memory>

class QSqlQuery;

namespace vorbix {

class SqliteConnection;

// The learner's progress file, `progress.db` in the data root: every graded
// answer, every word the learning screen showed, and for each word answered
// its Leitner box with the tallies of its answers. It is a file of its own;
// the word databases never get any of it.
//
// The file is in WAL mode with synchronous=NORMAL: a commit costs no disk
// sync, so recording an answer stays far below a millisecond. A crash or a
// killed program loses nothing that was committed and never damages the
// file; a power cut may lose the last answers, never the file.
//
// Every failure throws RecordError naming the file and the problem.
class ProgressStore
{
public:
    // The version of the layout this program writes (PRAGMA user_version).
    static constexpr int kSchemaVersion = 1;
    // Marks the file as Vorbix's own (PRAGMA application_id, "VBXP").
    static constexpr int kApplicationId = 0x56425850;

    // <data root>/progress.db
    static QString pathIn(const QString &dataRoot);

    // Opens the file, creating it with its tables when it is missing or
    // empty. Refuses a file that another program made, or a newer Vorbix
    // whose layout this one does not know, rather than writing into it.
    explicit ProgressStore(const QString &path);
    ~ProgressStore();

    ProgressStore(const ProgressStore &) = delete;
    ProgressStore &operator=(const ProgressStore &) = delete;

    const QString &path() const { return m_path; }
    SqliteConnection &connection() { return *m_db; }

    // A word "Learn words" showed, at `at`.
    void addShown(const WordOnShow &word, const QDateTime &at);
    // A graded answer, at `at`, and for a first grading the word's new box
    // and tallies, in one transaction: the history and the boxes never
    // disagree.
    void addAnswer(const GradedAnswer &answer, const QDateTime &at);

private:
    void openOrCreateSchema();
    QSqlQuery &prepared(std::unique_ptr<QSqlQuery> &slot, const char *sql);
    // The word counts as seen in its pair.
    void markSeen(const QString &pair, const QString &word);
    [[noreturn]] void fail(const QString &what, const QSqlQuery &query) const;

    QString m_path;
    std::unique_ptr<SqliteConnection> m_db;
    // Prepared once: parsing a statement would cost more than running it.
    std::unique_ptr<QSqlQuery> m_insertShown, m_insertAnswer, m_readBox, m_writeBox, m_insertSeen;
};

} // namespace vorbix
