#include "data/import/settings_reconcile.h"

#include "data/language_pairs.h"
#include "data/record_error.h"
#include "data/schema.h"
#include "data/sqlite_connection.h"
#include "data/store_paths.h"

#include <QFileInfo>
#include <QSqlQuery>
#include <QVariant>

#include <optional>

namespace vorbix::import {

namespace {

// The count of the pair's table in `path` (the Index of its last record), or
// nothing when the file, the table or its rows are missing.
std::optional<int> tableCount(const QString &path, const LanguagePair &pair)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    SqliteConnection db(path, SqliteConnection::Mode::ReadOnly);
    if (!db.database().tables().contains(QLatin1String(pair.tableCode)))
        return std::nullopt;
    QSqlQuery query(db.database());
    query.prepare(QStringLiteral("SELECT \"Index\" FROM \"%1\" ORDER BY rowid DESC LIMIT 1")
                      .arg(QLatin1String(pair.tableCode)));
    execOrThrow(query, path);
    if (!query.next() || query.isNull(0))
        return std::nullopt;
    return query.value(0).toInt();
}

} // namespace

QStringList reconcileSettings(const QString &dataRoot)
{
    const QString main = mapDrivePath(QLatin1String(files::kMain), dataRoot);
    const struct {
        QString settings;
        QString counted;
    } bindings[] = {
        {main, main},
        {mapDrivePath(QLatin1String(files::kLearningFrench), dataRoot),
         mapDrivePath(QLatin1String(files::kLearningFrench), dataRoot)},
        {mapDrivePath(QLatin1String(files::kTestSettings), dataRoot), main},
    };

    QStringList changes;
    for (const auto &binding : bindings) {
        if (!QFileInfo(binding.settings).isFile())
            continue;
        QString current;
        int count = 0;
        bool hasRecord = false;
        {
            SqliteConnection db(binding.settings, SqliteConnection::Mode::ReadOnly);
            if (!db.database().tables().contains(QLatin1String(schema::kSettingsTable)))
                throw RecordError(QStringLiteral("%1 has no settings table ini").arg(binding.settings));
            QSqlQuery query(db.database());
            query.prepare(QStringLiteral("SELECT curent, nrcur FROM ini ORDER BY rowid LIMIT 1"));
            execOrThrow(query, binding.settings);
            if (query.next()) {
                hasRecord = true;
                current = query.value(0).toString();
                count = query.value(1).toInt();
            }
        }

        QString newCurrent;
        int newCount = 0;
        if (const auto pair = pairIndexForCode(current)) {
            if (const auto counted = tableCount(binding.counted, kLanguagePairs[*pair])) {
                newCurrent = current;
                newCount = *counted;
            }
        }
        if (hasRecord && newCurrent == current && newCount == count)
            continue;

        SqliteConnection db(binding.settings, SqliteConnection::Mode::ReadWrite);
        QSqlQuery update(db.database());
        if (hasRecord) {
            update.prepare(QStringLiteral("UPDATE ini SET curent = ?, nrcur = ? "
                                          "WHERE rowid = (SELECT rowid FROM ini ORDER BY rowid LIMIT 1)"));
        } else {
            update.prepare(QStringLiteral("INSERT INTO ini (curent, nrcur) VALUES (?, ?)"));
        }
        update.addBindValue(newCurrent);
        update.addBindValue(newCount);
        execOrThrow(update, binding.settings);
        changes.append(hasRecord ? QStringLiteral("%1: settings record \"%2\", %3 -> \"%4\", %5")
                                       .arg(binding.settings, current)
                                       .arg(count)
                                       .arg(newCurrent)
                                       .arg(newCount)
                                 : QStringLiteral("%1: settings record added (\"\", 0)").arg(binding.settings));
    }
    return changes;
}

} // namespace vorbix::import
