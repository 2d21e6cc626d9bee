#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <optional>

namespace vorbix::import {

// One line of a dictd .index file: the (normalised) key and where the entry
// lies in the uncompressed .dict text.
struct DictdIndexEntry
{
    QByteArray key;
    qint64 offset = 0;
    qint64 length = 0;
};

// Decodes a number written in dictd's base64 digits (A-Z a-z 0-9 + /, most
// significant digit first). Empty text, a foreign character or a value that
// overflows yields nothing.
std::optional<qint64> decodeDictdNumber(QByteArrayView digits);

// Parses the text of an index file. The 00database* entries (the
// dictionary's own description) are left out. Throws RecordError naming the
// file and line of a line that is not "key TAB offset TAB length", or whose
// entry lies beyond 4 GiB or is longer than 1 MiB.
QVector<DictdIndexEntry> parseDictdIndex(const QByteArray &text, const QString &fileName);

// Reads and parses an index file; throws RecordError when it cannot be read
// or lists no entries.
QVector<DictdIndexEntry> readDictdIndex(const QString &path);

} // namespace vorbix::import
