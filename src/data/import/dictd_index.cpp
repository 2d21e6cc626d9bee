#include "data/import/dictd_index.h"

#include "data/import/input_file.h"
#include "data/record_error.h"

#include <limits>

namespace vorbix::import {

namespace {

// A dictzip file holds at most 65 535 chunks of 64 KiB, and no entry of the
// FreeDict dictionaries is longer than a few KiB: numbers beyond these are
// damage, not data.
constexpr qint64 kMaxTextSize = qint64(1) << 32;
constexpr qint64 kMaxEntryLength = qint64(1) << 20;

int digitValue(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

} // namespace

std::optional<qint64> decodeDictdNumber(QByteArrayView digits)
{
    if (digits.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    for (char c : digits) {
        const int digit = digitValue(c);
        if (digit < 0 || value > (std::numeric_limits<qint64>::max() - digit) / 64)
            return std::nullopt;
        value = value * 64 + digit;
    }
    return value;
}

QVector<DictdIndexEntry> parseDictdIndex(const QByteArray &text, const QString &fileName)
{
    QVector<DictdIndexEntry> entries;
    qsizetype lineStart = 0;
    int lineNumber = 0;
    while (lineStart < text.size()) {
        qsizetype lineEnd = text.indexOf('\n', lineStart);
        if (lineEnd < 0)
            lineEnd = text.size();
        ++lineNumber;
        QByteArrayView line(text.constData() + lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;

        const qsizetype tab1 = line.indexOf('\t');
        const qsizetype tab2 = tab1 < 0 ? -1 : line.indexOf('\t', tab1 + 1);
        std::optional<qint64> offset;
        std::optional<qint64> length;
        if (tab2 > 0 && line.indexOf('\t', tab2 + 1) < 0) {
            offset = decodeDictdNumber(line.sliced(tab1 + 1, tab2 - tab1 - 1));
            length = decodeDictdNumber(line.sliced(tab2 + 1));
        }
        if (!offset || !length) {
            throw RecordError(QStringLiteral("%1, line %2: not an index line (key, offset, length)")
                                  .arg(fileName)
                                  .arg(lineNumber));
        }
        if (*length > kMaxEntryLength || *offset > kMaxTextSize - *length) {
            throw RecordError(QStringLiteral("%1, line %2: an entry at offset %3 with length %4 lies beyond "
                                             "what a dictionary text holds")
                                  .arg(fileName)
                                  .arg(lineNumber)
                                  .arg(*offset)
                                  .arg(*length));
        }
        const QByteArrayView key = line.first(tab1);
        if (key.startsWith("00database") || key.startsWith("00-database"))
            continue;
        entries.append({key.toByteArray(), *offset, *length});
    }
    return entries;
}

QVector<DictdIndexEntry> readDictdIndex(const QString &path)
{
    QVector<DictdIndexEntry> entries = parseDictdIndex(readInputFile(path), path);
    // An empty index (a zero-byte file, say) would silently yield an empty
    // word table.
    if (entries.isEmpty())
        throw RecordError(QStringLiteral("%1 lists no entries; the dictionary is damaged or incomplete.").arg(path));
    return entries;
}

} // namespace vorbix::import
