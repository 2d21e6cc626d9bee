#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>

namespace vorbix {

class WordTable;
struct LanguagePair;

// The word databases under one data root. A word table is read from its file
// the first time a cursor needs it and then shared read-only by every cursor
// bound to it; a file that cannot be read is tried again on the next use, so
// that creating it while the program runs is enough.
class WordStore
{
public:
    explicit WordStore(QString dataRoot);
    ~WordStore();

    const QString &dataRoot() const { return m_dataRoot; }

    // The SQLite file behind a drive path such as "C:\English\engmi.mdb".
    QString filePath(const char *drivePath) const;

    // Throws RecordError when the file or the table cannot be read.
    std::shared_ptr<const WordTable> table(const QString &filePath, const LanguagePair &pair);

    // One line per database file that a screen is bound to and that is
    // missing or lacks a table; empty when all are usable.
    QStringList unusableFiles() const;

private:
    QString m_dataRoot;
    QHash<QString, std::shared_ptr<const WordTable>> m_tables;
};

} // namespace vorbix
