#include "data/word_store.h"

#include "data/language_pairs.h"
#include "data/record_error.h"
#include "data/schema.h"
#include "data/sqlite_connection.h"
#include "data/store_paths.h"
#include "data/word_table.h"

namespace vorbix {

namespace {

QString tableKey(const QString &filePath, const LanguagePair &pair)
{
    return filePath + QLatin1Char('|') + QLatin1String(pair.tableCode);
}

qint64 schemaVersion(SqliteConnection &db)
{
    return db.scalar(QStringLiteral("PRAGMA schema_version")).toLongLong();
}

} // namespace

WordStore::WordStore(QString dataRoot)
    : m_dataRoot(std::move(dataRoot))
{
}

WordStore::~WordStore() = default;

QString WordStore::filePath(const char *drivePath) const
{
    return mapDrivePath(QLatin1String(drivePath), m_dataRoot);
}

std::shared_ptr<const WordTable> WordStore::table(const QString &filePath, const LanguagePair &pair)
{
    if (auto found = m_tables.constFind(tableKey(filePath, pair)); found != m_tables.constEnd())
        return found->table;
    SqliteConnection db(filePath, SqliteConnection::Mode::ReadWrite);
    return load(db, pair);
}

std::shared_ptr<const WordTable> WordStore::freshTable(const QString &filePath, const LanguagePair &pair)
{
    SqliteConnection db(filePath, SqliteConnection::Mode::ReadWrite);
    const auto found = m_tables.constFind(tableKey(filePath, pair));
    if (found != m_tables.constEnd() && schemaVersion(db) == found->schemaVersion)
        return found->table;
    return load(db, pair);
}

std::shared_ptr<const WordTable> WordStore::load(SqliteConnection &db, const LanguagePair &pair)
{
    // The version is read first: a table replaced in between is read again
    // on the next refresh rather than missed.
    Loaded loaded;
    loaded.schemaVersion = schemaVersion(db);
    WordTable::Builder builder;
    readWordTable(db, pair, [&builder](const WordRow &row) { builder.add(row); });
    loaded.table = builder.finish();
    m_tables.insert(tableKey(db.path(), pair), loaded);
    return loaded.table;
}

QStringList WordStore::unusableFiles() const
{
    QStringList problems;
    // Only the files and their layout: checking every Index of every table
    // would read all twelve tables before the first window could be used.
    // A table with a bad Index is refused, naming its file, when it is read.
    for (const char *drivePath : {files::kMain, files::kLearningFrench, files::kTestSettings}) {
        const QString path = filePath(drivePath);
        try {
            SqliteConnection db(path, SqliteConnection::Mode::ReadWrite);
            requireLayout(path, schemaProblems(db));
        } catch (const RecordError &error) {
            problems.append(error.message());
        }
    }
    return problems;
}

} // namespace vorbix
