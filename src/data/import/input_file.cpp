#include "data/import/input_file.h"

#include "data/record_error.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace vorbix::import {

namespace {

RecordError tooLarge(const QString &path, qint64 maxBytes)
{
    return RecordError(QStringLiteral("%1 is larger than %2 MiB, far more than any word list or dictionary "
                                      "Vorbix reads; nothing written.")
                           .arg(path)
                           .arg(maxBytes >> 20));
}

// The first `size` bytes of a regular file, read straight into one buffer of
// that size: reading a large file (trans-de-en, 25 MB) in pieces appended to
// a growing array copies it twice more and faults in the pages of every
// piece. A file that turns out shorter gives what it has; whatever it grew
// by since its size was taken is read on by the caller.
QByteArray readStatedSize(QFile &file, qint64 size, const QString &path)
{
    QByteArray content(size, Qt::Uninitialized);
    qint64 filled = 0;
    while (filled < size) {
        const qint64 got = file.read(content.data() + filled, size - filled);
        if (got < 0)
            throw RecordError(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
        if (got == 0)
            break;
        filled += got;
    }
    content.truncate(filled);
    return content;
}

} // namespace

QByteArray readInputFile(const QString &path, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (info.isDir())
        throw RecordError(QStringLiteral("%1 is a folder, not a file.").arg(path));
    // A regular file says its size; a device or a pipe says 0 and is read in
    // pieces below, never beyond the limit.
    if (info.isFile() && info.size() > maxBytes)
        throw tooLarge(path, maxBytes);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw RecordError(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    constexpr qint64 kPiece = qint64(1) << 20;
    QByteArray content = info.isFile() ? readStatedSize(file, info.size(), path) : QByteArray();
    for (;;) {
        const qint64 room = maxBytes + 1 - content.size();
        const QByteArray piece = file.read(std::min(kPiece, room));
        if (piece.isEmpty()) {
            if (file.error() != QFileDevice::NoError)
                throw RecordError(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
            return content;
        }
        content += piece;
        if (content.size() > maxBytes)
            throw tooLarge(path, maxBytes);
    }
}

TextPlace placeOf(QByteArrayView text, qsizetype offset)
{
    const QByteArrayView before = text.first(offset);
    const qsizetype lineStart = before.lastIndexOf('\n') + 1;
    TextPlace place;
    place.line = 1 + std::count(before.begin(), before.end(), '\n');
    place.column = 1 + QString::fromUtf8(before.sliced(lineStart)).size();
    return place;
}

std::optional<qsizetype> firstNonText(QByteArrayView text)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(text.data());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size;) {
        const unsigned char lead = bytes[i];
        if (lead == 0)
            return i;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        // The lead byte gives the length and the range of the second byte
        // that keeps the form shortest and the code point a scalar value.
        int length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return i;
        }
        if (i + length > size || bytes[i + 1] < low || bytes[i + 1] > high)
            return i;
        for (int k = 2; k < length; ++k) {
            if (bytes[i + k] < 0x80 || bytes[i + k] > 0xBF)
                return i;
        }
        i += length;
    }
    return std::nullopt;
}

} // namespace vorbix::import
