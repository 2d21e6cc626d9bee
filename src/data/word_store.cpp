#include "data/word_store.h"

#include "data/language_pairs.h"
#include "data/record_error.h"
#include "data/schema.h"
#include "data/sqlite_connection.h"
#include "data/store_paths.h"
#include "data/word_table.h"

#include <QFileInfo>

namespace vorbix {

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
    const QString key = filePath + QLatin1Char('|') + QLatin1String(pair.tableCode);
    if (auto found = m_tables.constFind(key); found != m_tables.constEnd())
        return found.value();

    SqliteConnection db(filePath, SqliteConnection::Mode::ReadOnly);
    auto table = std::make_shared<const WordTable>(readWordTable(db, pair));
    m_tables.insert(key, table);
    return table;
}

QStringList WordStore::unusableFiles() const
{
    QStringList problems;
    for (const char *drivePath : {files::kMain, files::kLearningFrench, files::kTestSettings}) {
        const QString path = filePath(drivePath);
        if (!QFileInfo(path).isFile()) {
            problems.append(QStringLiteral("%1 is missing.").arg(path));
            continue;
        }
        try {
            SqliteConnection db(path, SqliteConnection::Mode::ReadOnly);
            if (!hasCompleteSchema(db))
                problems.append(QStringLiteral("%1 is not a Vorbix word database.").arg(path));
        } catch (const RecordError &) {
            problems.append(QStringLiteral("%1 cannot be read.").arg(path));
        }
    }
    return problems;
}

} // namespace vorbix
