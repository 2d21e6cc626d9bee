#pragma once

#include <QSqlDatabase>
#include <QString>

class QSqlQuery;

namespace vorbix {

// One named Qt SQL connection to one SQLite file, removed when this object
// goes. Opening never creates a missing file unless asked to: a database that
// is not there is a failure, not a new empty file.
class SqliteConnection
{
public:
    enum class Mode { ReadWrite, ReadOnly, Create };

    // Throws RecordError when the file is missing (for ReadWrite/ReadOnly) or
    // cannot be opened.
    SqliteConnection(const QString &path, Mode mode);
    ~SqliteConnection();

    SqliteConnection(const SqliteConnection &) = delete;
    SqliteConnection &operator=(const SqliteConnection &) = delete;

    QSqlDatabase database() const;
    const QString &path() const { return m_path; }

    // Runs a statement that returns no rows; throws RecordError on failure.
    void exec(const QString &sql);

private:
    QString m_path;
    QString m_name;
};

// Executes a prepared query; throws RecordError naming `what` on failure.
void execOrThrow(QSqlQuery &query, const QString &what);

} // namespace vorbix
