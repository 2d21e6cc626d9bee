#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace vorbix::import {

// The largest input file read: far beyond any real vocabulary (a table
// holds 32 767 rows of at most 255 characters a field, about 17 MB as text)
// and beyond Debian's largest source (trans-de-en, 26 MB), small enough to
// hold in memory.
inline constexpr qint64 kMaxInputBytes = qint64(64) << 20;

// The content of a file the user names as input (a word list, a KVTML or
// flash-card file, a dictd index, the trans-de-en list). Throws RecordError naming
// the file when it cannot be read, is a folder, or holds more than
// `maxBytes`: the size is checked before the content is read whole, and a
// device or pipe that never ends (/dev/zero) is read only that far.
QByteArray readInputFile(const QString &path, qint64 maxBytes = kMaxInputBytes);

// Where a byte of a text file is: line and column from 1, the column in
// characters (UTF-16 code units, as Qt counts them).
struct TextPlace
{
    qint64 line = 1;
    qint64 column = 1;
};
TextPlace placeOf(QByteArrayView text, qsizetype offset);

// The offset of the first byte that is not part of well-formed UTF-8
// (overlong forms, surrogates and code points beyond U+10FFFF included), or
// of the first NUL byte; nothing when there is none.
std::optional<qsizetype> firstNonText(QByteArrayView text);

} // namespace vorbix::import
