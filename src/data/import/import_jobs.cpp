#include "data/import/import_jobs.h"

#include "data/import/database_builder.h"
#include "data/import/settings_reconcile.h"
#include "data/record_error.h"
#include "data/sqlite_connection.h"
#include "data/store_paths.h"

#include <QFileInfo>
#include <QSqlQuery>

namespace vorbix::import {

namespace {

bool exists(const QString &path)
{
    return QFileInfo::exists(path);
}

QString refusal(const QString &path)
{
    return QStringLiteral("%1 exists; give --replace to overwrite it").arg(path);
}

void requireCompleteSchema(SqliteConnection &db)
{
    if (!hasCompleteSchema(db)) {
        throw RecordError(QStringLiteral("%1 is not a word database of this program (tables missing); "
                                         "move it away to build a new one")
                              .arg(db.path()));
    }
}

// Builds (or rebuilds, keeping the settings record) a word file holding the
// given tables; tables not given keep their rows.
void writeTables(const QString &path, const QVector<std::pair<const LanguagePair *, const QVector<WordRow> *>> &tables)
{
    buildDatabaseFile(path, exists(path) ? BuildStart::CopyOfTarget : BuildStart::Empty, [&tables](SqliteConnection &db) {
        requireCompleteSchema(db);
        for (const auto &[pair, rows] : tables)
            writeWordTable(db, *pair, *rows);
    });
}

void createSettingsFileIfMissing(const DataFiles &files, ImportOutcome &outcome)
{
    if (exists(files.testSettings))
        return;
    buildDatabaseFile(files.testSettings, BuildStart::Empty, [](SqliteConnection &) {});
    outcome.written.append(QStringLiteral("%1: created with empty word tables").arg(files.testSettings));
}

void checkRowCount(const LanguagePair &pair, const QVector<WordRow> &rows)
{
    if (rows.size() > schema::kMaxRows) {
        throw RecordError(QStringLiteral("The table %1 would get %2 rows; a table holds at most %3.")
                              .arg(QLatin1String(pair.tableCode))
                              .arg(rows.size())
                              .arg(schema::kMaxRows));
    }
}

} // namespace

DataFiles::DataFiles(const QString &dataRoot)
    : root(dataRoot)
    , main(mapDrivePath(QLatin1String(files::kMain), dataRoot))
    , learningFrench(mapDrivePath(QLatin1String(files::kLearningFrench), dataRoot))
    , testSettings(mapDrivePath(QLatin1String(files::kTestSettings), dataRoot))
{
}

ImportOutcome installAllTables(const DataFiles &files, const std::array<QVector<WordRow>, kPairCount> &tables,
                               bool replace)
{
    for (int i = 0; i < kPairCount; ++i)
        checkRowCount(kLanguagePairs[i], tables[i]);
    QVector<std::pair<const LanguagePair *, const QVector<WordRow> *>> all;
    for (int i = 0; i < kPairCount; ++i)
        all.append({&kLanguagePairs[i], &tables[i]});

    ImportOutcome outcome;
    for (const QString &path : {files.main, files.learningFrench}) {
        if (exists(path) && !replace) {
            outcome.kept.append(refusal(path));
            continue;
        }
        const bool existed = exists(path);
        writeTables(path, all);
        outcome.written.append(QStringLiteral("%1: %2 with the six tables").arg(path, existed ? QStringLiteral("rebuilt")
                                                                                               : QStringLiteral("created")));
    }
    createSettingsFileIfMissing(files, outcome);
    outcome.settings = reconcileSettings(files.root);
    return outcome;
}

ImportOutcome installOneTable(const DataFiles &files, const LanguagePair &pair, const QVector<WordRow> &rows,
                              bool replace)
{
    checkRowCount(pair, rows);
    const QStringList targets{files.main, files.learningFrench};
    if (!replace) {
        QStringList refused;
        for (const QString &path : targets) {
            if (exists(path))
                refused.append(refusal(path));
        }
        if (!refused.isEmpty())
            throw RecordError(refused.join(QLatin1Char('\n')));
    }
    ImportOutcome outcome;
    for (const QString &path : targets) {
        const bool existed = exists(path);
        writeTables(path, {{&pair, &rows}});
        outcome.written.append(QStringLiteral("%1: table %2 %3 with %4 rows")
                                   .arg(path, QLatin1String(pair.tableCode),
                                        existed ? QStringLiteral("replaced") : QStringLiteral("written"))
                                   .arg(rows.size()));
    }
    createSettingsFileIfMissing(files, outcome);
    outcome.settings = reconcileSettings(files.root);
    return outcome;
}

std::optional<QString> accessTargetPath(const DataFiles &files, const QString &target)
{
    QString name = target;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (name.endsWith(QLatin1String(".mdb"), Qt::CaseInsensitive) || name.endsWith(QLatin1String(".db"), Qt::CaseInsensitive))
        name.truncate(name.lastIndexOf(QLatin1Char('.')));
    if (name.compare(QLatin1String("English/engmi"), Qt::CaseInsensitive) == 0)
        return files.main;
    if (name.compare(QLatin1String("Convdiv/engmi"), Qt::CaseInsensitive) == 0)
        return files.learningFrench;
    if (name.compare(QLatin1String("Engleza/eng"), Qt::CaseInsensitive) == 0)
        return files.testSettings;
    return std::nullopt;
}

ImportOutcome installAccessFiles(const DataFiles &files, const QVector<std::pair<QString, QString>> &sources,
                                 bool replace)
{
    if (!replace) {
        QStringList refused;
        for (const auto &source : sources) {
            if (exists(source.second))
                refused.append(refusal(source.second));
        }
        if (!refused.isEmpty())
            throw RecordError(refused.join(QLatin1Char('\n')));
    }
    QVector<AccessDatabase> read;
    for (const auto &source : sources)
        read.append(readAccessFile(source.first));

    ImportOutcome outcome;
    for (qsizetype s = 0; s < sources.size(); ++s) {
        const AccessDatabase &database = read.at(s);
        buildDatabaseFile(sources.at(s).second, BuildStart::Empty, [&database](SqliteConnection &db) {
            for (int i = 0; i < kPairCount; ++i)
                writeWordTable(db, kLanguagePairs[i], database.tables[i]);
            QSqlQuery update(db.database());
            update.prepare(QStringLiteral("UPDATE ini SET curent = ?, nrcur = ?"));
            update.addBindValue(database.current);
            update.addBindValue(database.count);
            execOrThrow(update, db.path());
        });
        QStringList counts;
        for (int i = 0; i < kPairCount; ++i)
            counts.append(QStringLiteral("%1 %2").arg(QLatin1String(kLanguagePairs[i].tableCode)).arg(database.tables[i].size()));
        outcome.written.append(QStringLiteral("%1: from %2 (%3)").arg(sources.at(s).second, sources.at(s).first,
                                                                         counts.join(QLatin1String(", "))));
    }
    outcome.settings = reconcileSettings(files.root);
    return outcome;
}

} // namespace vorbix::import
