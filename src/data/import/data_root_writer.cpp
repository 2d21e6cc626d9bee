#include "data/import/data_root_writer.h"

#include "data/import/import_lock.h"
#include "data/record_error.h"
#include "data/sqlite_connection.h"
#include "data/store_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace vorbix::import {

namespace {

// An import waits this long for a lock held by the running program.
constexpr int kBusyTimeoutMs = 10000;

// One of the three files as the import's connection sees it.
struct Target
{
    QString path;
    QString counts;          // the file whose tables its settings record counts
    QString database;        // name on the connection: "main", "f1", "f2"
    QString staging;         // the temporary database holding its new tables
    bool exists = false;
    bool create = false;     // built in the partial file, moved into place after the commit
    const FileChange *change = nullptr;

    bool replaces(int pair) const { return create || (change && change->tables[pair]); }
};

void removeLeftovers(const QString &partial)
{
    // A stopped import's partial file and its journal. Super-journals
    // ("-mj...") are never removed here: SQLite needs them to roll the other
    // files back, and deletes them itself.
    QFile::remove(partial);
    QFile::remove(partial + QLatin1String("-journal"));
}

// Attaches a file, or with an empty `file` a temporary database that SQLite
// deletes when the connection closes.
void attach(SqliteConnection &db, const QString &file, const char *mode, const QString &database)
{
    QSqlQuery query(db.database());
    query.prepare(QStringLiteral("ATTACH DATABASE ? AS %1").arg(sqlName(qPrintable(database))));
    query.addBindValue(file.isEmpty() ? QStringLiteral("") : sqliteUri(file, mode));
    if (!query.exec()) {
        throw RecordError(unreadableFileMessage(
            file, QStringLiteral("%1 cannot be opened: %2").arg(file, reasonOf(query.lastError()))));
    }
}

void requireWritable(const Target &target)
{
    if (target.exists && !isWritableFile(target.path)) {
        throw RecordError(QStringLiteral("%1 is read-only (or its folder is); nothing was written.").arg(target.path));
    }
}

// Rows of a table, or nothing when it cannot be counted (missing, damaged).
std::optional<qint64> rowCount(SqliteConnection &db, const QString &database, const char *table)
{
    QSqlQuery query(db.database());
    if (!query.exec(QStringLiteral("SELECT count(*) FROM %1").arg(sqlTable(database, table))) || !query.next())
        return std::nullopt;
    return query.value(0).toLongLong();
}

bool isCount(qint64 value)
{
    return value >= 1 && value <= schema::kMaxRows;
}

// The count a settings record may hold for a pair of the counted file once
// the import is done: the Index of the last record of the table it will
// have, when that is a usable count.
std::optional<int> countAfterImport(SqliteConnection &db, const Target &counted, int pair)
{
    if (counted.replaces(pair)) {
        const QVector<WordRow> *rows = counted.change ? counted.change->tables[pair] : nullptr;
        if (!rows || rows->isEmpty() || !isCount(rows->last().index))
            return std::nullopt;
        return rows->last().index;
    }
    QSqlQuery query(db.database());
    if (!query.exec(QStringLiteral("SELECT %2 FROM %1 ORDER BY rowid DESC LIMIT 1")
                        .arg(sqlTable(counted.database, kLanguagePairs[pair].tableCode), sqlName(schema::kIndexField)))
        || !query.next()) {
        return std::nullopt;
    }
    bool ok = false;
    const qint64 count = query.value(0).toLongLong(&ok);
    if (!ok || !isCount(count))
        return std::nullopt;
    return int(count);
}

void checkBeforeWriting(SqliteConnection &db, const Target &target, const WriteOptions &options)
{
    QStringList problems;
    for (int i = 0; i < kPairCount; ++i) {
        if (!target.replaces(i))
            problems += wordTableProblems(db, kLanguagePairs[i], target.database);
    }
    if (!target.change || !target.change->settings)
        problems += settingsTableProblems(db, target.database);
    if (!problems.isEmpty()) {
        problems.append(QStringLiteral("nothing was written (move the file away to have it built anew)"));
        requireLayout(target.path, problems);
    }
    if (!target.change || options.allowEmpty)
        return;
    for (int i = 0; i < kPairCount; ++i) {
        const QVector<WordRow> *rows = target.change->tables[i];
        if (!rows || !rows->isEmpty())
            continue;
        const qint64 existing = rowCount(db, target.database, kLanguagePairs[i].tableCode).value_or(0);
        if (existing > 0) {
            throw RecordError(QStringLiteral("%1: the new table %2 is empty and would replace its %3 words; "
                                             "nothing was written (--allow-empty empties it on purpose).")
                                  .arg(target.path, QLatin1String(kLanguagePairs[i].tableCode))
                                  .arg(existing));
        }
    }
}

// Replaces the pair's table with the staged one, or an empty one.
void replaceTable(SqliteConnection &db, const Target &target, const LanguagePair &pair, bool staged)
{
    db.exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(sqlTable(target.database, pair.tableCode)));
    createWordTable(db, pair, target.database);
    if (!staged)
        return;
    const QString columns = QStringLiteral("%1, %2, %3")
                                .arg(sqlName(schema::kIndexField), sqlName(pair.sourceField), sqlName(pair.targetField));
    db.exec(QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM %3 ORDER BY rowid")
                .arg(sqlTable(target.database, pair.tableCode), columns, sqlTable(target.staging, pair.tableCode)));
}

void writeTables(SqliteConnection &db, const Target &target)
{
    bool replacesAny = false;
    for (int i = 0; i < kPairCount; ++i)
        replacesAny = replacesAny || target.replaces(i);
    const bool newSettings = target.create || (target.change && target.change->settings);
    if (!replacesAny && !newSettings)
        return;
    requireWritable(target);
    for (int i = 0; i < kPairCount; ++i) {
        if (target.replaces(i))
            replaceTable(db, target, kLanguagePairs[i], target.change && target.change->tables[i]);
    }
    if (newSettings) {
        const auto settings = target.change && target.change->settings ? *target.change->settings
                                                                        : std::pair<QString, int>{};
        db.exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(sqlTable(target.database, schema::kSettingsTable)));
        createSettingsTable(db, settings.first, settings.second, target.database);
    }
}

// Brings the target's settings record in line with the table it counts;
// returns a line when it changed.
std::optional<QString> reconcileSettings(SqliteConnection &db, const Target &target, const QVector<Target> &targets)
{
    const QString table = sqlTable(target.database, schema::kSettingsTable);
    QSqlQuery query(db.database());
    if (!query.exec(QStringLiteral("SELECT curent, nrcur FROM %1 ORDER BY rowid LIMIT 1").arg(table)))
        throw RecordError(QStringLiteral("%1: %2").arg(target.path, reasonOf(query.lastError())));
    const bool hasRecord = query.next();
    const QString current = hasRecord ? query.value(0).toString() : QString();
    const int count = hasRecord ? query.value(1).toInt() : 0;
    query.finish();

    QString newCurrent;
    int newCount = 0;
    const auto counted = std::find_if(targets.begin(), targets.end(), [&](const Target &t) { return t.path == target.counts; });
    // A file created by this import appears only after the existing files
    // have changed: a record in one of them must not count it. A created
    // file appears after the file it counts.
    const bool countable = counted != targets.end() && (!counted->create || target.create);
    if (const auto pair = pairIndexForCode(current); pair && countable) {
        if (const auto last = countAfterImport(db, *counted, *pair)) {
            newCurrent = current;
            newCount = *last;
        }
    }
    if (hasRecord && newCurrent == current && newCount == count)
        return std::nullopt;

    requireWritable(target);
    QSqlQuery update(db.database());
    update.prepare(hasRecord ? QStringLiteral("UPDATE %1 SET curent = ?, nrcur = ? "
                                              "WHERE rowid = (SELECT rowid FROM %1 ORDER BY rowid LIMIT 1)")
                                   .arg(table)
                             : QStringLiteral("INSERT INTO %1 (curent, nrcur) VALUES (?, ?)").arg(table));
    update.addBindValue(newCurrent);
    update.addBindValue(newCount);
    execOrThrow(update, target.path);
    if (!hasRecord)
        return QStringLiteral("%1: settings record added (\"\", 0)").arg(target.path);
    return QStringLiteral("%1: settings record \"%2\", %3 -> \"%4\", %5")
        .arg(target.path, current)
        .arg(count)
        .arg(newCurrent)
        .arg(newCount);
}

// A transaction over several files is committed with a super-journal
// ("NAME-mjXXXXXXXXX", beside the connection's main database) that lists
// their journals. SQLite deletes it, but a crash just after it was written
// leaves it behind, referred to by no journal. Once the files have been
// opened (rolling back what was unfinished), one whose journals are all
// gone is such litter. Only names SQLite gives a data file's super-journal
// are looked at: a file of the user's that happens to hold "-mj" is not.
void removeOrphanedSuperJournals(const QStringList &folders)
{
    static const QRegularExpression kSuperJournal(QStringLiteral("^(engmi|eng)\\.db(\\.partial)?-mj[0-9A-F]{9}$"));
    for (const QString &folder : folders) {
        const QDir dir(folder);
        for (const QString &name : dir.entryList({QStringLiteral("*-mj*")}, QDir::Files)) {
            if (!kSuperJournal.match(name).hasMatch())
                continue;
            QFile superJournal(dir.filePath(name));
            if (!superJournal.open(QIODevice::ReadOnly))
                continue;
            // Journal names of three files: a few hundred bytes.
            const QList<QByteArray> journals = superJournal.read(1 << 16).split('\0');
            superJournal.close();
            const bool referred = std::any_of(journals.begin(), journals.end(), [](const QByteArray &journal) {
                return !journal.isEmpty() && QFileInfo::exists(QFile::decodeName(journal));
            });
            if (!referred)
                superJournal.remove();
        }
    }
}

void syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Moves a finished partial file to its place, which must be free: a file
// that appeared there meanwhile is never overwritten.
void moveIntoPlace(const QString &partial, const QString &target)
{
    // A journal beside a database that does not exist belongs to no content
    // that is kept; left there, SQLite would play it back onto the new file.
    for (const char *suffix : {"-journal", "-wal", "-shm"})
        QFile::remove(target + QLatin1String(suffix));
    const QByteArray from = QFile::encodeName(partial);
    const QByteArray to = QFile::encodeName(target);
    int rc = ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE);
    if (rc != 0 && (errno == EINVAL || errno == ENOSYS)) {
        // A file system without RENAME_NOREPLACE: a hard link fails as well
        // when the name is taken.
        rc = ::link(from.constData(), to.constData());
        if (rc == 0)
            ::unlink(from.constData());
    }
    if (rc != 0) {
        throw RecordError(QStringLiteral("Cannot move %1 to %2: %3")
                              .arg(partial, target, QString::fromLocal8Bit(std::strerror(errno))));
    }
    syncFolder(QFileInfo(target).absolutePath());
}

} // namespace

DataFiles::DataFiles(const QString &dataRoot)
    : root(dataRoot)
    , main(mapDrivePath(QLatin1String(files::kMain), dataRoot))
    , learningFrench(mapDrivePath(QLatin1String(files::kLearningFrench), dataRoot))
    , testSettings(mapDrivePath(QLatin1String(files::kTestSettings), dataRoot))
{
}

QString partialPathFor(const QString &target)
{
    return target + QLatin1String(".partial");
}

QString importLockPath(const QString &dataRoot)
{
    return QDir(dataRoot).filePath(QStringLiteral(".vorbix-import.lock"));
}

WriteResult writeDataFiles(const DataFiles &files, const QVector<FileChange> &changes, const WriteOptions &options)
{
    if (!QDir().mkpath(files.root))
        throw RecordError(QStringLiteral("Cannot create the folder %1").arg(files.root));
    const ImportLock lock(importLockPath(files.root), options.lockWaitMs, options.waitingForLock);

    // In the order files are moved into place: a file before the record in
    // another file that counts it.
    const std::pair<QString, QString> bindings[] = {
        {files.main, files.main}, {files.learningFrench, files.learningFrench}, {files.testSettings, files.main}};
    QVector<Target> targets;
    WriteResult result;
    QStringList refused;
    for (const auto &[path, counts] : bindings) {
        removeLeftovers(partialPathFor(path));
        Target target;
        target.path = path;
        target.counts = counts;
        if (const auto problem = fileProblem(path)) {
            const QFileInfo info(path);
            if (info.exists() || info.isSymLink())
                throw RecordError(*problem + QStringLiteral(" Nothing was written."));
        } else {
            target.exists = true;
        }
        for (const FileChange &change : changes) {
            if (change.path == path)
                target.change = &change;
        }
        // Whether a file exists is decided here, under the lock: a file
        // that another import created a moment ago counts.
        if (target.exists && target.change && target.change->whenExists == FileChange::WhenExists::Keep) {
            target.change = nullptr;
            result.kept.append(path);
        } else if (target.exists && target.change && target.change->whenExists == FileChange::WhenExists::Refuse) {
            refused.append(QStringLiteral("%1 exists; give --replace to overwrite it").arg(path));
        }
        target.create = !target.exists && target.change && target.change->createWhenMissing;
        if (target.exists || target.create)
            targets.append(target);
    }
    if (!refused.isEmpty())
        throw RecordError(refused.join(QLatin1Char('\n')));
    if (targets.isEmpty())
        return result;

    try {
        std::unique_ptr<SqliteConnection> db;
        for (qsizetype i = 0; i < targets.size(); ++i) {
            Target &target = targets[i];
            const QString file = target.create ? partialPathFor(target.path) : target.path;
            if (target.create && !QDir().mkpath(QFileInfo(file).absolutePath()))
                throw RecordError(QStringLiteral("Cannot create the folder %1").arg(QFileInfo(file).absolutePath()));
            // The first file is the connection's main database: SQLite puts
            // the super-journal of a transaction over several files beside it.
            if (i == 0) {
                db = std::make_unique<SqliteConnection>(file, target.create ? SqliteConnection::Mode::Create
                                                                            : SqliteConnection::Mode::ReadWrite,
                                                        kBusyTimeoutMs);
                target.database = QStringLiteral("main");
            } else {
                target.database = QStringLiteral("f%1").arg(i);
                attach(*db, file, target.create ? "rwc" : "rw", target.database);
            }
        }
        // Atomic commit across files needs rollback journals.
        for (const Target &target : std::as_const(targets)) {
            const QString mode = db->scalar(QStringLiteral("PRAGMA %1.journal_mode").arg(sqlName(qPrintable(target.database))))
                                     .toString();
            if (mode.compare(QLatin1String("wal"), Qt::CaseInsensitive) == 0)
                db->exec(QStringLiteral("PRAGMA %1.journal_mode = DELETE").arg(sqlName(qPrintable(target.database))));
        }

        // The new tables of each change are staged in a temporary database
        // of their own (once, when files get the same tables).
        // A change kept out (the file exists) stages nothing.
        const auto used = [&targets](const FileChange &change) {
            return std::any_of(targets.cbegin(), targets.cend(), [&](const Target &t) { return t.change == &change; });
        };
        for (qsizetype k = 0; k < changes.size(); ++k) {
            if (!used(changes[k]))
                continue;
            const auto same = std::find_if(changes.begin(), changes.begin() + k, [&](const FileChange &c) {
                return used(c) && c.tables == changes[k].tables;
            });
            const QString staging = QStringLiteral("s%1").arg(same - changes.begin());
            if (same == changes.begin() + k) {
                attach(*db, QString(), "", staging);
                for (int i = 0; i < kPairCount; ++i) {
                    if (const QVector<WordRow> *rows = changes[k].tables[i]) {
                        createWordTable(*db, kLanguagePairs[i], staging);
                        writeWordTable(*db, kLanguagePairs[i], *rows, staging);
                    }
                }
            }
            for (Target &target : targets) {
                if (target.change == &changes[k])
                    target.staging = staging;
            }
        }

        // Changes held in memory until the commit leave readers (the
        // program) unblocked meanwhile.
        db->exec(QStringLiteral("PRAGMA cache_spill = OFF"));
        // An immediate transaction takes the write locks of every file at
        // its start, waiting up to the busy timeout for the program's
        // settings writes. (A deferred one reads first, and SQLite refuses
        // its later upgrade to writing at once, without waiting, whenever
        // the program holds a write lock at that moment.)
        const auto inTransaction = [&db](const std::function<void()> &work) {
            db->exec(QStringLiteral("BEGIN IMMEDIATE"));
            try {
                work();
                db->exec(QStringLiteral("COMMIT"));
            } catch (...) {
                QSqlQuery(db->database()).exec(QStringLiteral("ROLLBACK"));
                throw;
            }
        };
        // A file to be created is private until it is moved into place: each
        // is built in a transaction of its own, so that the one over the
        // existing files involves nothing else.
        for (const Target &target : std::as_const(targets)) {
            if (target.create) {
                inTransaction([&] {
                    writeTables(*db, target);
                    if (const auto line = reconcileSettings(*db, target, targets))
                        result.settings.append(*line);
                });
            }
        }
        inTransaction([&] {
            for (const Target &target : std::as_const(targets)) {
                if (target.exists)
                    checkBeforeWriting(*db, target, options);
            }
            for (const Target &target : std::as_const(targets)) {
                if (target.exists)
                    writeTables(*db, target);
            }
            for (const Target &target : std::as_const(targets)) {
                if (const auto line = target.exists ? reconcileSettings(*db, target, targets) : std::nullopt)
                    result.settings.append(*line);
            }
        });
    } catch (...) {
        // The connection is closed by now; a file that was to be created
        // stays missing.
        for (const Target &target : std::as_const(targets)) {
            if (target.create)
                removeLeftovers(partialPathFor(target.path));
        }
        throw;
    }
    QStringList folders;
    for (const Target &target : std::as_const(targets)) {
        if (target.create) {
            moveIntoPlace(partialPathFor(target.path), target.path);
            result.created.append(target.path);
        }
        folders.append(QFileInfo(target.path).absolutePath());
    }
    removeOrphanedSuperJournals(folders);
    return result;
}

} // namespace vorbix::import
