#include "data/sqlite_connection.h"

#include "data/record_error.h"

#include <QAtomicInteger>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

namespace vorbix {

namespace {
QAtomicInteger<quint64> g_connectionSerial;
}

SqliteConnection::SqliteConnection(const QString &path, Mode mode)
    : m_path(path)
    , m_name(QStringLiteral("vorbix-%1").arg(g_connectionSerial.fetchAndAddRelaxed(1)))
{
    if (mode != Mode::Create && !QFileInfo(path).isFile())
        throw RecordError(QStringLiteral("The database file %1 does not exist.").arg(path));

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    // A URI with an explicit mode keeps SQLite from creating a file that is
    // missing, and opens a read-only one without a write lock.
    const char *uriMode = mode == Mode::ReadOnly ? "ro" : mode == Mode::ReadWrite ? "rw" : "rwc";
    QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    url.setScheme(QStringLiteral("file"));
    db.setDatabaseName(url.toString() + QLatin1String("?mode=") + QLatin1String(uriMode));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db.open()) {
        const QString reason = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
        throw RecordError(QStringLiteral("The database file %1 cannot be opened: %2").arg(path, reason));
    }
}

SqliteConnection::~SqliteConnection()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

QSqlDatabase SqliteConnection::database() const
{
    return QSqlDatabase::database(m_name, false);
}

void SqliteConnection::exec(const QString &sql)
{
    QSqlQuery query(database());
    if (!query.exec(sql))
        throw RecordError(QStringLiteral("%1: %2").arg(m_path, query.lastError().text()));
}

void execOrThrow(QSqlQuery &query, const QString &what)
{
    if (!query.exec())
        throw RecordError(QStringLiteral("%1: %2").arg(what, query.lastError().text()));
}

} // namespace vorbix
