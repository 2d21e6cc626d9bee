#include "data/import/import_jobs.h"

#include "data/record_error.h"

#include <QFileInfo>

namespace vorbix::import {

namespace {

QString keptMessage(const QString &path)
{
    return QStringLiteral("%1 exists and is kept as it is (--replace rebuilds it)").arg(path);
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

// The settings file is created with empty word tables when it is missing.
FileChange settingsFileWhenMissing(const DataFiles &files)
{
    FileChange change;
    change.path = files.testSettings;
    change.createWhenMissing = true;
    return change;
}

QString createdOr(const WriteResult &result, const QString &path, const QString &otherwise)
{
    return result.created.contains(path) ? QStringLiteral("created") : otherwise;
}

} // namespace

ImportOutcome installAllTables(const DataFiles &files, const std::array<QVector<WordRow>, kPairCount> &tables,
                               bool replace, const WriteOptions &options)
{
    for (int i = 0; i < kPairCount; ++i)
        checkRowCount(kLanguagePairs[i], tables[i]);

    ImportOutcome outcome;
    QVector<FileChange> changes;
    for (const QString &path : {files.main, files.learningFrench}) {
        FileChange change;
        change.path = path;
        change.createWhenMissing = true;
        change.whenExists = replace ? FileChange::WhenExists::Replace : FileChange::WhenExists::Keep;
        for (int i = 0; i < kPairCount; ++i)
            change.tables[i] = &tables[i];
        changes.append(change);
    }
    changes.append(settingsFileWhenMissing(files));

    const WriteResult result = writeDataFiles(files, changes, options);
    for (const FileChange &change : std::as_const(changes)) {
        if (result.kept.contains(change.path)) {
            outcome.kept.append(keptMessage(change.path));
        } else if (change.path != files.testSettings) {
            outcome.written.append(QStringLiteral("%1: %2 with the six tables")
                                       .arg(change.path, createdOr(result, change.path, QStringLiteral("rebuilt"))));
        }
    }
    if (result.created.contains(files.testSettings))
        outcome.written.append(QStringLiteral("%1: created with empty word tables").arg(files.testSettings));
    outcome.settings = result.settings;
    return outcome;
}

ImportOutcome completeSettings(const DataFiles &files, const WriteOptions &options)
{
    const WriteResult result = writeDataFiles(files, {settingsFileWhenMissing(files)}, options);
    ImportOutcome outcome;
    for (const QString &path : {files.main, files.learningFrench}) {
        if (QFileInfo::exists(path))
            outcome.kept.append(keptMessage(path));
    }
    if (result.created.contains(files.testSettings))
        outcome.written.append(QStringLiteral("%1: created with empty word tables").arg(files.testSettings));
    outcome.settings = result.settings;
    return outcome;
}

ImportOutcome installOneTable(const DataFiles &files, const LanguagePair &pair, const QVector<WordRow> &rows,
                              bool replace, const WriteOptions &options)
{
    checkRowCount(pair, rows);
    const QStringList targets{files.main, files.learningFrench};
    const int pairIndex = *pairIndexForCode(QLatin1String(pair.tableCode));
    QVector<FileChange> changes;
    for (const QString &path : targets) {
        FileChange change;
        change.path = path;
        change.createWhenMissing = true;
        change.whenExists = replace ? FileChange::WhenExists::Replace : FileChange::WhenExists::Refuse;
        change.tables[pairIndex] = &rows;
        changes.append(change);
    }
    changes.append(settingsFileWhenMissing(files));

    const WriteResult result = writeDataFiles(files, changes, options);
    ImportOutcome outcome;
    for (const QString &path : targets) {
        outcome.written.append(QStringLiteral("%1: table %2 %3 with %4 rows")
                                   .arg(path, QLatin1String(pair.tableCode),
                                        result.created.contains(path) ? QStringLiteral("written")
                                                                      : QStringLiteral("replaced"))
                                   .arg(rows.size()));
    }
    if (result.created.contains(files.testSettings))
        outcome.written.append(QStringLiteral("%1: created with empty word tables").arg(files.testSettings));
    outcome.settings = result.settings;
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
                                 bool replace, const WriteOptions &options)
{
    QVector<AccessDatabase> read;
    for (const auto &source : sources)
        read.append(readAccessFile(source.first));

    QVector<FileChange> changes;
    for (qsizetype s = 0; s < sources.size(); ++s) {
        const AccessDatabase &database = read.at(s);
        FileChange change;
        change.path = sources.at(s).second;
        change.createWhenMissing = true;
        change.whenExists = replace ? FileChange::WhenExists::Replace : FileChange::WhenExists::Refuse;
        for (int i = 0; i < kPairCount; ++i)
            change.tables[i] = &database.tables[i];
        change.settings = std::pair{database.current, database.count};
        changes.append(change);
    }
    const WriteResult result = writeDataFiles(files, changes, options);

    ImportOutcome outcome;
    for (qsizetype s = 0; s < sources.size(); ++s) {
        QStringList counts;
        for (int i = 0; i < kPairCount; ++i)
            counts.append(QStringLiteral("%1 %2").arg(QLatin1String(kLanguagePairs[i].tableCode)).arg(read.at(s).tables[i].size()));
        outcome.written.append(QStringLiteral("%1: from %2 (%3)").arg(sources.at(s).second, sources.at(s).first,
                                                                         counts.join(QLatin1String(", "))));
    }
    outcome.settings = result.settings;
    return outcome;
}

} // namespace vorbix::import
