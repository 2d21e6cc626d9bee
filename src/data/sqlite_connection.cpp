#include "data/sqlite_connection.h"

#include "data/record_error.h"

#include <QAtomicInteger>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <sqlite3.h>

namespace vorbix {

namespace {

QAtomicInteger<quint64> g_connectionSerial;

// A data file may come from anywhere (a download, a copy from another
// machine), and SQLite would run what its schema holds: a trigger fires on
// the program's own settings write (and could empty a word table), a view
// in the place of a table runs any query each time it is read. Neither
// belongs in a word database, so both are switched off for every
// connection, and so is everything else a schema could make SQLite run or
// any statement could do to corrupt a file. Returns false when SQLite does
// not take a setting.
bool harden(const QSqlDatabase &db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return false;
    sqlite3 *connection = *static_cast<sqlite3 *const *>(handle.constData());
    if (!connection)
        return false;
    const std::pair<int, int> settings[] = {{SQLITE_DBCONFIG_ENABLE_TRIGGER, 0},
                                            {SQLITE_DBCONFIG_ENABLE_VIEW, 0},
                                            {SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0},
                                            {SQLITE_DBCONFIG_DEFENSIVE, 1}};
    for (const auto &[setting, value] : settings) {
        int now = -1;
        if (sqlite3_db_config(connection, setting, value, &now) != SQLITE_OK || now != value)
            return false;
    }
    return true;
}

} // namespace

SqliteConnection::SqliteConnection(const QString &path, Mode mode, int busyTimeoutMs)
    : m_path(path)
    , m_name(QStringLiteral("vorbix-%1").arg(g_connectionSerial.fetchAndAddRelaxed(1)))
{
    if (mode != Mode::Create) {
        if (const auto problem = fileProblem(path))
            throw RecordError(*problem);
    }

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    // A URI with an explicit mode keeps SQLite from creating a file that is
    // missing, and opens a read-only one without a write lock.
    const char *uriMode = mode == Mode::ReadOnly ? "ro" : mode == Mode::ReadWrite ? "rw" : "rwc";
    db.setDatabaseName(sqliteUri(path, uriMode));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    if (!db.open()) {
        const QString reason = reasonOf(db.lastError());
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
        throw RecordError(unreadableFileMessage(path, QStringLiteral("The database file %1 cannot be opened: %2")
                                                          .arg(path, reason)));
    }
    if (!harden(db)) {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
        throw RecordError(QStringLiteral("The database file %1 cannot be opened safely: this SQLite cannot switch "
                                         "off triggers and views.")
                              .arg(path));
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
        throw RecordError(QStringLiteral("%1: %2").arg(m_path, reasonOf(query.lastError())));
}

QVariant SqliteConnection::scalar(const QString &sql)
{
    QSqlQuery query(database());
    if (!query.exec(sql) || !query.next())
        throw RecordError(QStringLiteral("%1: %2").arg(m_path, reasonOf(query.lastError())));
    return query.value(0);
}

QString reasonOf(const QSqlError &error)
{
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

void execOrThrow(QSqlQuery &query, const QString &what)
{
    if (!query.exec())
        throw RecordError(QStringLiteral("%1: %2").arg(what, reasonOf(query.lastError())));
}

QString sqliteUri(const QString &path, const char *mode)
{
    QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    url.setScheme(QStringLiteral("file"));
    return url.toString() + QLatin1String("?mode=") + QLatin1String(mode);
}

std::optional<QString> fileProblem(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink() && !info.exists())
        return QStringLiteral("%1 is a symbolic link that leads nowhere (a loop or a missing target).").arg(path);
    if (!info.exists())
        return QStringLiteral("%1 is missing.").arg(path);
    if (info.isDir())
        return QStringLiteral("%1 is a folder, not a database file.").arg(path);
    if (!info.isFile())
        return QStringLiteral("%1 is not a regular file.").arg(path);
    return std::nullopt;
}

bool hasHotJournal(const QString &path)
{
    // SQLite zeroes or deletes the header when a change is committed or
    // rolled back; a journal that still starts with it is hot.
    static constexpr char kJournalMagic[] = {'\xd9', '\xd5', '\x05', '\xf9', '\x20', '\xa1', '\x63', '\xd7'};
    QFile journal(path + QLatin1String("-journal"));
    if (!journal.open(QIODevice::ReadOnly))
        return false;
    return journal.read(sizeof kJournalMagic) == QByteArray(kJournalMagic, sizeof kJournalMagic);
}

bool isWritableFile(const QString &path)
{
    // Rolling a change back rewrites the file and deletes the journal beside it.
    const QFileInfo info(path);
    return info.isWritable() && QFileInfo(info.absolutePath()).isWritable();
}

QString unreadableFileMessage(const QString &path, const QString &reason)
{
    if (!hasHotJournal(path) || isWritableFile(path))
        return reason;
    return QStringLiteral("%1 holds an unfinished change (%1-journal, left by a program that was stopped while "
                          "writing) that cannot be rolled back, because the file or its folder is read-only. "
                          "Make both writable and start again; do not delete or move the journal.")
        .arg(path);
}

} // namespace vorbix
