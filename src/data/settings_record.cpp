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
            throw RecordError(QStringLiteral("%1: %2").arg(m_filePath, query->lastError().text()));
        m_readQuery = std::move(query);
    }
    return *m_readQuery;
}

SettingsRecord::Values SettingsRecord::read()
{
    QSqlQuery &query = readQuery();
    execOrThrow(query, m_filePath);
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
    QSqlDatabase db = connection().database();
    if (!db.transaction())
        throw RecordError(QStringLiteral("%1: the settings record cannot be edited.").arg(m_filePath));
    QSqlQuery update(db);
    update.prepare(QStringLiteral(
        "UPDATE ini SET curent = ?, nrcur = ? WHERE rowid = (SELECT rowid FROM ini ORDER BY rowid LIMIT 1)"));
    update.addBindValue(current);
    update.addBindValue(count);
    if (!update.exec() || update.numRowsAffected() != 1 || !db.commit()) {
        db.rollback();
        throw RecordError(QStringLiteral("%1: the settings record cannot be saved.").arg(m_filePath));
    }
}

} // namespace vorbix
