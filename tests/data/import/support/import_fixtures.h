#pragma once

#include "data/import/dictd_index.h"
#include "data/schema.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <optional>

// What the importer's tests build and run: dictd files, child processes of
// vorbix-import and of the test helper, and the content of data files.
namespace vorbix::testing {

// dictd's base64 digits of a number.
QByteArray encodeDictdNumber(qint64 value);

// The data as one gzip stream (a dictzip file without its chunk table, which
// the reader does not need).
QByteArray gzip(const QByteArray &data);

// Writes a .index and .dict.dz pair holding `entries` (with a 00database
// entry in front, as the real files have) and returns the index entries.
QVector<import::DictdIndexEntry> writeDictionary(const QString &base, const QList<QByteArray> &entries);

// Writes the six FreeDict dictionaries of a small made-up vocabulary of
// `words` English words into `directory`, each translated both ways.
void writeFreedictDirectory(const QString &directory, int words);

// A finished child process: its exit code (-1 when it crashed) and what it
// wrote to stdout and stderr.
struct ProcessResult
{
    int exitCode = -1;
    QString output;
};

// The programs the build made for these tests (from VORBIX_IMPORT and
// VORBIX_TEST_HELPER).
QString importTool();
QString testHelper();

// Runs a program to its end. With `readOnly` it runs as a user who may read
// but not write the data files (root switches to "nobody" with setpriv).
ProcessResult run(const QString &program, const QStringList &arguments, bool readOnly = false);

// vorbix-import with `arguments` and --data-root `root`.
ProcessResult runImport(const QString &root, const QStringList &arguments, bool readOnly = false);

// Leaves an unfinished change on a database file, as a program killed in the
// middle of a write does: a child process rewrites every row of `table` with
// a tiny page cache, so that changed pages reach the file, and dies before
// committing. The file then has a hot journal.
void leaveHotJournal(const QString &path, const char *table);

// The bytes of a file hashed; empty when it cannot be read.
QByteArray fileHash(const QString &path);

// The seven tables of a data file, read through SQLite.
struct FileContent
{
    std::array<QVector<WordRow>, kPairCount> tables;
    QString current;
    qint64 count = 0;
    bool operator==(const FileContent &other) const = default;
};

// Reads a data file; nothing when it does not exist.
std::optional<FileContent> readContent(const QString &path);

// The journals, super-journals and partial files under a data root.
QStringList leftovers(const QString &root);

// Makes data files read-only for the read-only user of run(), in folders
// that user may write (and pass through); undone when it goes.
class ReadOnlyFiles
{
public:
    explicit ReadOnlyFiles(const QStringList &paths);
    ~ReadOnlyFiles();
    ReadOnlyFiles(const ReadOnlyFiles &) = delete;
    ReadOnlyFiles &operator=(const ReadOnlyFiles &) = delete;

private:
    QStringList m_paths;
};

} // namespace vorbix::testing

