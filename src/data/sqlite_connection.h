#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariant>

#include <optional>

class QSqlError;
class QSqlQuery;

namespace vorbix {

// One named Qt SQL connection to one SQLite file, removed when this object
// goes. Opening never creates a missing file unless asked to: a database that
// is not there is a failure, not a new empty file.
class SqliteConnection
{
public:
    // ReadWrite opens a write-protected file for reading only (SQLite's own
    // fallback), so the word store can use it for every file: a writable file
    // then gets an unfinished change (a hot journal) rolled back on first use.
    enum class Mode { ReadWrite, ReadOnly, Create };

    // How long a statement waits for another connection's lock by default.
    static constexpr int kDefaultBusyTimeoutMs = 2000;

    // Throws RecordError when the file is missing or not a regular file (for
    // ReadWrite/ReadOnly) or cannot be opened.
    SqliteConnection(const QString &path, Mode mode, int busyTimeoutMs = kDefaultBusyTimeoutMs);
    ~SqliteConnection();

    SqliteConnection(const SqliteConnection &) = delete;
    SqliteConnection &operator=(const SqliteConnection &) = delete;

    QSqlDatabase database() const;
    const QString &path() const { return m_path; }

    // Runs a statement that returns no rows; throws RecordError on failure.
    void exec(const QString &sql);

    // The value of the first column of the first row of `sql`; throws
    // RecordError when it fails or returns no row.
    QVariant scalar(const QString &sql);

private:
    QString m_path;
    QString m_name;
};

// SQLite's own words for an error ("file is not a database"), without the
// driver's addition ("Unable to fetch row").
QString reasonOf(const QSqlError &error);

// Executes a prepared query; throws RecordError naming `what` on failure.
void execOrThrow(QSqlQuery &query, const QString &what);

// A URI that opens `path` with SQLite's `mode` parameter ("ro", "rw", "rwc"),
// for QSQLITE_OPEN_URI connections and ATTACH.
QString sqliteUri(const QString &path, const char *mode);

// Why a database file cannot be where it should be, or nothing when `path`
// names a regular file (or a link to one): "is missing", "is a folder", "is a
// symbolic link that leads nowhere", ...
std::optional<QString> fileProblem(const QString &path);

// True when `path` has a rollback journal that holds an unfinished change: a
// "-journal" file that starts with SQLite's journal header. Such a change is
// rolled back by the next read-write open; a read-only open cannot read the
// file until then.
bool hasHotJournal(const QString &path);

// True when the file and its folder can be written, as rolling back or
// committing a change needs.
bool isWritableFile(const QString &path);

// The message for a database file that cannot be read: a hot journal that
// could not be rolled back is named as such, anything else as `reason`.
QString unreadableFileMessage(const QString &path, const QString &reason);

} // namespace vorbix
