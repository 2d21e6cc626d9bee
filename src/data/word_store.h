#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>

namespace vorbix {

class SqliteConnection;
class WordTable;
struct LanguagePair;

// The word databases under one data root. A word table is read from its file
// the first time a cursor needs it and then shared read-only by every cursor
// bound to it; a file that cannot be read is tried again on the next use, so
// that creating it while the program runs is enough.
//
// Files are opened read-write where they are writable, so that a change left
// unfinished by a stopped program (a hot journal) is rolled back before
// anything is read; a write-protected file is only read.
class WordStore
{
public:
    explicit WordStore(QString dataRoot);
    ~WordStore();

    const QString &dataRoot() const { return m_dataRoot; }

    // The SQLite file behind a drive path such as "C:\English\engmi.mdb".
    QString filePath(const char *drivePath) const;

    // Throws RecordError, naming the file and the problem, when the file or
    // the table cannot be read, the table lacks a column the program reads,
    // or a record's Index is not a whole number from 1 to 32767.
    std::shared_ptr<const WordTable> table(const QString &filePath, const LanguagePair &pair);

    // The same, read again when the file's tables were replaced (by
    // vorbix-import) since it was loaded.
    std::shared_ptr<const WordTable> freshTable(const QString &filePath, const LanguagePair &pair);

    // One line per database file that a screen is bound to and that cannot
    // be used: missing, not a file, unreadable or not of the program's
    // layout; empty when all are usable. (A table holding an Index out of
    // range is refused when it is first read.)
    QStringList unusableFiles() const;

private:
    struct Loaded
    {
        std::shared_ptr<const WordTable> table;
        qint64 schemaVersion = 0; // changes whenever an import replaces a table
    };
    std::shared_ptr<const WordTable> load(SqliteConnection &db, const LanguagePair &pair);

    QString m_dataRoot;
    QHash<QString, Loaded> m_tables;
};

} // namespace vorbix
