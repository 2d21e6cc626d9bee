#include "data/settings_record.h"

#include "data/record_error.h"
#include "data/sqlite_connection.h"

#include <QScopeGuard>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace vorbix {

SettingsRecord::SettingsRecord(QString filePath)
    : m_filePath(std::move(filePath))
{
}

SettingsRecord::~SettingsRecord() = default;

SqliteConnection &SettingsRecord::connection()
{
    if (!m_connection)
        m_connection = std::make_unique<SqliteConnection>(m_filePath, SqliteConnection::Mode::ReadWrite);
    return *m_connection;
}

QSqlQuery &SettingsRecord::readQuery()
{
    if (!m_readQuery) {
        auto query = std::make_unique<QSqlQuery>(connection().database());
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
    // SQLite opens a write-protected file for reading only; say so rather
    // than "attempt to write a readonly database".
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
