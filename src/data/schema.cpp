#include "data/schema.h"

#include "data/record_error.h"
#include "data/sqlite_connection.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>

namespace vorbix {

namespace {

QString quoted(const char *identifier)
{
    return QLatin1Char('"') + QLatin1String(identifier) + QLatin1Char('"');
}

QVariant nullable(const std::optional<QString> &text)
{
    return text ? QVariant(*text) : QVariant(QMetaType(QMetaType::QString));
}

} // namespace

void createDatabaseSchema(SqliteConnection &db, const QString &current, int count)
{
    for (const LanguagePair &pair : kLanguagePairs) {
        db.exec(QStringLiteral("CREATE TABLE %1 (\"Index\" INTEGER, %2 TEXT, %3 TEXT)")
                    .arg(quoted(pair.tableCode), quoted(pair.sourceField), quoted(pair.targetField)));
    }
    db.exec(QStringLiteral("CREATE TABLE ini (curent TEXT, nrcur INTEGER)"));
    QSqlQuery insert(db.database());
    insert.prepare(QStringLiteral("INSERT INTO ini (curent, nrcur) VALUES (?, ?)"));
    insert.addBindValue(current.isNull() ? QStringLiteral("") : current); // an empty code, never NULL
    insert.addBindValue(count);
    execOrThrow(insert, db.path());
}

void writeWordTable(SqliteConnection &db, const LanguagePair &pair, const QVector<WordRow> &rows)
{
    QSqlDatabase database = db.database();
    if (!database.transaction())
        throw RecordError(QStringLiteral("%1: cannot begin a transaction").arg(db.path()));
    try {
        db.exec(QStringLiteral("DELETE FROM %1").arg(quoted(pair.tableCode)));
        QSqlQuery insert(database);
        insert.prepare(QStringLiteral("INSERT INTO %1 (\"Index\", %2, %3) VALUES (?, ?, ?)")
                           .arg(quoted(pair.tableCode), quoted(pair.sourceField), quoted(pair.targetField)));
        for (const WordRow &row : rows) {
            insert.addBindValue(row.index);
            insert.addBindValue(nullable(row.source));
            insert.addBindValue(nullable(row.target));
            execOrThrow(insert, db.path());
        }
        if (!database.commit())
            throw RecordError(QStringLiteral("%1: cannot save table %2").arg(db.path(), QLatin1String(pair.tableCode)));
    } catch (...) {
        database.rollback();
        throw;
    }
}

QVector<WordRow> readWordTable(SqliteConnection &db, const LanguagePair &pair)
{
    QSqlQuery query(db.database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT \"Index\", %2, %3 FROM %1 ORDER BY rowid")
                      .arg(quoted(pair.tableCode), quoted(pair.sourceField), quoted(pair.targetField)));
    execOrThrow(query, QStringLiteral("%1, table %2").arg(db.path(), QLatin1String(pair.tableCode)));
    QVector<WordRow> rows;
    while (query.next()) {
        WordRow row;
        bool ok = false;
        row.index = query.value(0).toInt(&ok);
        if (!ok)
            throw RecordError(QStringLiteral("%1, table %2: a record has no valid Index")
                                  .arg(db.path(), QLatin1String(pair.tableCode)));
        if (!query.isNull(1))
            row.source = query.value(1).toString();
        if (!query.isNull(2))
            row.target = query.value(2).toString();
        rows.append(std::move(row));
    }
    return rows;
}

bool hasCompleteSchema(SqliteConnection &db)
{
    const QStringList tables = db.database().tables();
    if (!tables.contains(QLatin1String(schema::kSettingsTable)))
        return false;
    for (const LanguagePair &pair : kLanguagePairs) {
        if (!tables.contains(QLatin1String(pair.tableCode)))
            return false;
    }
    return true;
}

} // namespace vorbix
