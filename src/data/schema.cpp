#include "data/schema.h"

#include "data/record_error.h"
#include "data/sqlite_connection.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace vorbix {

namespace {

QVariant nullable(const std::optional<QString> &text)
{
    return text ? QVariant(*text) : QVariant(QMetaType(QMetaType::QString));
}

// The file behind an attached database's name ("main" when empty).
QString databaseFile(SqliteConnection &db, const QString &database)
{
    if (database.isEmpty())
        return db.path();
    QSqlQuery query(db.database());
    query.prepare(QStringLiteral("SELECT file FROM pragma_database_list WHERE name = ?"));
    query.addBindValue(database);
    return query.exec() && query.next() ? query.value(0).toString() : database;
}

enum class Affinity { Integer, Text };

struct Column
{
    const char *name;
    Affinity affinity;
};

// SQLite's rules for the affinity of a declared column type.
bool hasAffinity(const QString &declaredType, Affinity affinity)
{
    const QString type = declaredType.toUpper();
    if (type.contains(QLatin1String("INT")))
        return affinity == Affinity::Integer;
    const bool text = type.contains(QLatin1String("CHAR")) || type.contains(QLatin1String("CLOB"))
                      || type.contains(QLatin1String("TEXT"));
    return text && affinity == Affinity::Text;
}

QStringList tableProblems(SqliteConnection &db, const QString &database, const char *table,
                          std::initializer_list<Column> columns)
{
    const QString path = databaseFile(db, database);
    const auto unreadable = [&path](const QSqlQuery &failed) {
        return RecordError(unreadableFileMessage(
            path, QStringLiteral("%1 cannot be read: %2").arg(path, reasonOf(failed.lastError()))));
    };
    // A view in a table's place would run a query of the file's making on
    // every read; connections refuse views (SqliteConnection), and the
    // layout check names it. (Preparing is where SQLite first reads the
    // file: a file that is no database fails here, and says so.)
    QSqlQuery kind(db.database());
    if (!kind.prepare(QStringLiteral("SELECT type FROM %1 WHERE name = ? COLLATE NOCASE AND type = 'view'")
                          .arg(sqlTable(database.isEmpty() ? QStringLiteral("main") : database, "sqlite_master"))))
        throw unreadable(kind);
    kind.addBindValue(QLatin1String(table));
    if (!kind.exec())
        throw unreadable(kind);
    if (kind.next())
        return {QStringLiteral("%1 is a view, not a table").arg(QLatin1String(table))};
    kind.finish();
    QSqlQuery query(db.database());
    query.prepare(QStringLiteral("SELECT name, type FROM pragma_table_info(?, ?)"));
    query.addBindValue(QLatin1String(table));
    query.addBindValue(database.isEmpty() ? QStringLiteral("main") : database);
    if (!query.exec())
        throw unreadable(query);
    QHash<QString, QString> declared; // column name in lower case -> declared type
    while (query.next())
        declared.insert(query.value(0).toString().toLower(), query.value(1).toString());
    if (declared.isEmpty())
        return {QStringLiteral("table %1 is missing").arg(QLatin1String(table))};
    QStringList problems;
    for (const Column &column : columns) {
        const auto found = declared.constFind(QString::fromLatin1(column.name).toLower());
        if (found == declared.constEnd()) {
            problems.append(QStringLiteral("table %1 has no column %2").arg(QLatin1String(table), QLatin1String(column.name)));
        } else if (!hasAffinity(found.value(), column.affinity)) {
            problems.append(QStringLiteral("column %1.%2 is declared \"%3\", not as %4")
                                .arg(QLatin1String(table), QLatin1String(column.name), found.value(),
                                     column.affinity == Affinity::Integer ? QStringLiteral("INTEGER")
                                                                          : QStringLiteral("TEXT")));
        }
    }
    return problems;
}

} // namespace

QString sqlName(const char *name)
{
    return QLatin1Char('[') + QString::fromUtf8(name) + QLatin1Char(']');
}

QString sqlTable(const QString &database, const char *table)
{
    if (database.isEmpty())
        return sqlName(table);
    return sqlName(qPrintable(database)) + QLatin1Char('.') + sqlName(table);
}

void createWordTable(SqliteConnection &db, const LanguagePair &pair, const QString &database)
{
    db.exec(QStringLiteral("CREATE TABLE %1 (%2 INTEGER, %3 TEXT, %4 TEXT)")
                .arg(sqlTable(database, pair.tableCode), sqlName(schema::kIndexField), sqlName(pair.sourceField),
                     sqlName(pair.targetField)));
}

void createSettingsTable(SqliteConnection &db, const QString &current, int count, const QString &database)
{
    db.exec(QStringLiteral("CREATE TABLE %1 (%2 TEXT, %3 INTEGER)")
                .arg(sqlTable(database, schema::kSettingsTable), sqlName(schema::kCurrentField),
                     sqlName(schema::kCountField)));
    QSqlQuery insert(db.database());
    insert.prepare(QStringLiteral("INSERT INTO %1 VALUES (?, ?)").arg(sqlTable(database, schema::kSettingsTable)));
    insert.addBindValue(current.isNull() ? QStringLiteral("") : current); // an empty code, never NULL
    insert.addBindValue(count);
    execOrThrow(insert, db.path());
}

void createDatabaseSchema(SqliteConnection &db, const QString &current, int count)
{
    for (const LanguagePair &pair : kLanguagePairs)
        createWordTable(db, pair);
    createSettingsTable(db, current, count);
}

void writeWordTable(SqliteConnection &db, const LanguagePair &pair, const QVector<WordRow> &rows,
                    const QString &database)
{
    QSqlDatabase connection = db.database();
    if (!connection.transaction())
        throw RecordError(QStringLiteral("%1: cannot begin a transaction").arg(db.path()));
    try {
        db.exec(QStringLiteral("DELETE FROM %1").arg(sqlTable(database, pair.tableCode)));
        QSqlQuery insert(connection);
        insert.prepare(QStringLiteral("INSERT INTO %1 (%2, %3, %4) VALUES (?, ?, ?)")
                           .arg(sqlTable(database, pair.tableCode), sqlName(schema::kIndexField),
                                sqlName(pair.sourceField), sqlName(pair.targetField)));
        for (const WordRow &row : rows) {
            insert.addBindValue(row.index);
            insert.addBindValue(nullable(row.source));
            insert.addBindValue(nullable(row.target));
            execOrThrow(insert, db.path());
        }
        if (!connection.commit())
            throw RecordError(QStringLiteral("%1: cannot save table %2").arg(db.path(), QLatin1String(pair.tableCode)));
    } catch (...) {
        connection.rollback();
        throw;
    }
}

QVector<WordRow> readWordTable(SqliteConnection &db, const LanguagePair &pair)
{
    QVector<WordRow> rows;
    readWordTable(db, pair, [&rows](const WordRow &row) { rows.append(row); });
    return rows;
}

void readWordTable(SqliteConnection &db, const LanguagePair &pair, const std::function<void(const WordRow &)> &each)
{
    requireLayout(db.path(), wordTableProblems(db, pair));
    // One read transaction: the Index check and the rows see the same data.
    QSqlDatabase database = db.database();
    if (!database.transaction())
        throw RecordError(unreadableFileMessage(db.path(), QStringLiteral("%1 cannot be read.").arg(db.path())));
    try {
        if (const auto bad = badIndexProblem(db, pair))
            throw RecordError(*bad);
        QSqlQuery query(database);
        query.setForwardOnly(true);
        query.prepare(QStringLiteral("SELECT %2, %3, %4 FROM %1 ORDER BY rowid")
                          .arg(sqlName(pair.tableCode), sqlName(schema::kIndexField), sqlName(pair.sourceField),
                               sqlName(pair.targetField)));
        execOrThrow(query, QStringLiteral("%1, table %2").arg(db.path(), QLatin1String(pair.tableCode)));
        // Every Index in range says nothing of the number of rows: a file
        // of millions of them would be read whole before anything else.
        qint64 read = 0;
        while (query.next()) {
            if (++read > schema::kMaxRows) {
                throw RecordError(QStringLiteral("%1, table %2: more than %3 records; a table holds at most %3.")
                                      .arg(db.path(), QLatin1String(pair.tableCode))
                                      .arg(schema::kMaxRows));
            }
            WordRow row;
            row.index = query.value(0).toInt();
            if (!query.isNull(1))
                row.source = query.value(1).toString();
            if (!query.isNull(2))
                row.target = query.value(2).toString();
            each(row);
        }
    } catch (...) {
        database.rollback();
        throw;
    }
    database.commit();
}

QStringList wordTableProblems(SqliteConnection &db, const LanguagePair &pair, const QString &database)
{
    return tableProblems(db, database, pair.tableCode,
                         {{schema::kIndexField, Affinity::Integer},
                          {pair.sourceField, Affinity::Text},
                          {pair.targetField, Affinity::Text}});
}

QStringList settingsTableProblems(SqliteConnection &db, const QString &database)
{
    return tableProblems(db, database, schema::kSettingsTable,
                         {{schema::kCurrentField, Affinity::Text}, {schema::kCountField, Affinity::Integer}});
}

QStringList schemaProblems(SqliteConnection &db, const QString &database)
{
    QStringList problems;
    for (const LanguagePair &pair : kLanguagePairs)
        problems += wordTableProblems(db, pair, database);
    problems += settingsTableProblems(db, database);
    return problems;
}

void requireLayout(const QString &path, const QStringList &problems)
{
    if (!problems.isEmpty()) {
        throw RecordError(QStringLiteral("%1 is not a word database of this program: %2.")
                              .arg(path, problems.join(QLatin1String("; "))));
    }
}

std::optional<QString> badIndexProblem(SqliteConnection &db, const LanguagePair &pair, const QString &database)
{
    QSqlQuery query(db.database());
    query.prepare(QStringLiteral("SELECT %2 FROM %1 WHERE typeof(%2) <> 'integer' OR %2 NOT BETWEEN 1 AND %3 "
                                 "ORDER BY rowid LIMIT 1")
                      .arg(sqlTable(database, pair.tableCode), sqlName(schema::kIndexField))
                      .arg(schema::kMaxRows));
    const QString path = databaseFile(db, database);
    execOrThrow(query, QStringLiteral("%1, table %2").arg(path, QLatin1String(pair.tableCode)));
    if (!query.next())
        return std::nullopt;
    const QString value = query.isNull(0) ? QStringLiteral("no Index")
                                          : QStringLiteral("the Index \"%1\"").arg(query.value(0).toString());
    return QStringLiteral("%1, table %2: a record has %3; an Index must be a whole number from 1 to %4.")
        .arg(path, QLatin1String(pair.tableCode), value)
        .arg(schema::kMaxRows);
}

} // namespace vorbix
