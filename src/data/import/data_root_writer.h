#pragma once

#include "data/language_pairs.h"
#include "data/schema.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <functional>
#include <optional>

namespace vorbix::import {

// The database files an import may write: English/engmi, Convdiv/engmi and
// Engleza/eng under the data root.
struct DataFiles
{
    explicit DataFiles(const QString &dataRoot);
    QString root;
    QString main;            // English/engmi.db: the six word tables every screen reads
    QString learningFrench;  // Convdiv/engmi.db: the same tables (the learning screen's fre-eng)
    QString testSettings;    // Engleza/eng.db: the settings of the two tests, word tables empty
};

// What an import does to one of the three files.
struct FileChange
{
    QString path;
    bool createWhenMissing = false;
    // What becomes of the change when the file exists: it is made, the file
    // is kept as it is, or the whole import is refused. Decided while the
    // import lock is held, so that a file another import has just created
    // counts as existing.
    enum class WhenExists { Replace, Keep, Refuse };
    WhenExists whenExists = WhenExists::Replace;
    // The tables replaced, in kLanguagePairs order; nullptr keeps a table (a
    // file that is created gets it empty).
    std::array<const QVector<WordRow> *, kPairCount> tables{};
    // A settings record stored in place of the file's own (an Access file's),
    // before the records are reconciled.
    std::optional<std::pair<QString, int>> settings;
};

struct WriteOptions
{
    // An empty new table may replace one that has rows.
    bool allowEmpty = false;
    // How long to wait for another import on the same data root.
    int lockWaitMs = 30000;
    // Told, once, with the other import's process id (0 when unknown) when
    // the wait for it begins, so that a wait is never silent.
    std::function<void(qint64)> waitingForLock;
};

struct WriteResult
{
    QStringList created;   // files that did not exist before
    QStringList kept;      // existing files whose change was WhenExists::Keep
    QStringList settings;  // one line per settings record changed
};

// Applies `changes` to the files under the data root and makes every settings
// record agree with the table it counts (that of Engleza/eng counts the
// tables of English/engmi): the count is refreshed when the stored pair's
// table has rows, otherwise the record is emptied ("", 0) so that the program
// counts again.
//
// Everything goes through SQLite: the new tables are staged in temporary
// databases, the existing files are attached to one connection and changed
// in one transaction, which SQLite commits atomically across all of them. A
// crash at any moment leaves each of them wholly old or wholly new. A file
// that is missing is built in the same transaction beside its place
// (partialPathFor) and moved there after the commit, never over an existing
// file; a record that counts such a file in another file is emptied, so that
// no record ever holds a count its tables do not have.
//
// Before anything is written the files are checked: each must be a database
// of the program's layout (except for the tables being replaced), writable
// where it changes, and an empty new table must not replace one with rows
// unless `allowEmpty`. A hot journal left by a stopped program is rolled back
// first. Only one import at a time writes under a data root: another waits
// up to options.lockWaitMs, then is refused. Throws RecordError naming the
// file and the problem; nothing has been written then.
WriteResult writeDataFiles(const DataFiles &files, const QVector<FileChange> &changes, const WriteOptions &options);

// The file a missing database is built in before it is moved into place.
QString partialPathFor(const QString &target);

// The lock file an import holds under its data root.
QString importLockPath(const QString &dataRoot);

} // namespace vorbix::import
