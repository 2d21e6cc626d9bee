#include "data/settings_record.h"

#include "data/record_error.h"
#include "data/sqlite_connection.h"

#include <QFile>
#include <QScopeGuard>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <sys/stat.h>

namespace vorbix {

namespace {

// The device and inode of the file at `path` (through links); nothing when
// there is none.
std::optional<std::pair<quint64, quint64>> identityOf(const QString &path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return std::pair<quint64, quint64>(info.st_dev, info.st_ino);
}

} // namespace

SettingsRecord::SettingsRecord(QString filePath)
    : m_filePath(std::move(filePath))
{
}

SettingsRecord::~SettingsRecord() = default;

SqliteConnection &SettingsRecord::connection()
{
    // A file put in the place of the one open (a copy restored, a file the
    // import built after this one was deleted) is the record from now on.
    const auto identity = identityOf(m_filePath);
    if (m_connection && identity && *identity != m_opened) {
        m_readQuery.reset();
        m_connection.reset();
    }
    if (!m_connection) {
        m_connection = std::make_unique<SqliteConnection>(m_filePath, SqliteConnection::Mode::ReadWrite);
        m_opened = identityOf(m_filePath).value_or(std::pair<quint64, quint64>{});
    }
    return *m_connection;
}

QSqlQuery &SettingsRecord::readQuery()
{
    SqliteConnection &db = connection();  // first: it drops the query when the file was replaced
    if (!m_readQuery) {
        auto query = std::make_unique<QSqlQuery>(db.database());
        query->setForwardOnly(true);
        if (!query->prepare(QStringLiteral("SELECT curent, nrcur FROM ini ORDER BY rowid LIMIT 1")))
            throw RecordError(unreadableFileMessage(
                m_filePath, QStringLiteral("The settings record in %1 cannot be read: %2")
                                .arg(m_filePath, reasonOf(query->lastError()))));
        m_readQuery = std::move(query);
    }
    return *m_readQuery;
}

SettingsRecord::Values SettingsRecord::read()
{
    QSqlQuery &query = readQuery();
    if (!query.exec()) {
        throw RecordError(unreadableFileMessage(
            m_filePath, QStringLiteral("The settings record in %1 cannot be read: %2")
                            .arg(m_filePath, reasonOf(query.lastError()))));
    }
    // A statement left on its row keeps the file locked for reading, which
    // would make a write from another connection fail.
    const auto release = qScopeGuard([&query] { query.finish(); });
    if (!query.next())
        throw RecordError(QStringLiteral("%1: the settings record is missing.").arg(m_filePath));
    Values values;
    values.current = query.value(0).toString();
    bool ok = false;
    const qint64 count = query.value(1).toLongLong(&ok);
    if (ok && !query.isNull(1))
        values.count = count;
    return values;
}

void SettingsRecord::write(const QString &current, int count)
{
    try {
        writeOrThrow(current, count);
    } catch (const RecordError &error) {
        if (!m_saveFailure)
            throw;
        m_saveFailure(error);
    }
}

void SettingsRecord::writeOrThrow(const QString &current, int count)
{
    const auto notSaved = [this](const QString &reason) {
        return RecordError(QStringLiteral("The settings record in %1 cannot be saved: %2").arg(m_filePath, reason));
    };
    // SQLite opens a write-protected file for reading only, and refuses to
    // write to a file that was moved away; both would say "attempt to write
    // a readonly database". Say what happened instead.
    if (!identityOf(m_filePath)) {
        throw notSaved(QStringLiteral("the file was moved or deleted while Vorbix was running. Put it back (or "
                                      "build it anew with vorbix-import freedict) and the word count is saved "
                                      "again."));
    }
    if (!isWritableFile(m_filePath))
        throw notSaved(QStringLiteral("the file or its folder is read-only."));
    QSqlDatabase db = connection().database();
    // An immediate transaction takes the write lock at once (waiting up to the
    // busy timeout for another copy of the program), so that two copies
    // writing at the same time queue up instead of one failing.
    QSqlQuery begin(db);
    if (!begin.exec(QStringLiteral("BEGIN IMMEDIATE")))
        throw notSaved(reasonOf(begin.lastError()));
    QSqlQuery update(db);
    update.prepare(QStringLiteral(
        "UPDATE ini SET curent = ?, nrcur = ? WHERE rowid = (SELECT rowid FROM ini ORDER BY rowid LIMIT 1)"));
    update.addBindValue(current);
    update.addBindValue(count);
    QString problem;
    if (!update.exec())
        problem = reasonOf(update.lastError());
    else if (update.numRowsAffected() != 1)
        problem = QStringLiteral("the record is missing.");
    else if (QSqlQuery commit(db); !commit.exec(QStringLiteral("COMMIT")))
        problem = reasonOf(commit.lastError());
    if (!problem.isEmpty()) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        throw notSaved(problem);
    }
}

} // namespace vorbix
