#include "data/import/dictzip_stream.h"

#include "data/record_error.h"

#include <QFile>

#include <zlib.h>

#include <algorithm>
#include <memory>

namespace vorbix::import {

namespace {

// A gzip stream inflated on demand into a sliding window.
class GzipWindow
{
public:
    explicit GzipWindow(const QString &path)
        : m_file(path)
    {
        if (!m_file.open(QIODevice::ReadOnly))
            throw RecordError(QStringLiteral("Cannot read %1: %2").arg(path, m_file.errorString()));
        // 16 + MAX_WBITS: expect a gzip header; the dictzip extra field is
        // just skipped.
        if (inflateInit2(&m_zs, 16 + MAX_WBITS) != Z_OK)
            throw RecordError(QStringLiteral("%1: cannot start decompression").arg(path));
    }
    ~GzipWindow() { inflateEnd(&m_zs); }
    GzipWindow(const GzipWindow &) = delete;
    GzipWindow &operator=(const GzipWindow &) = delete;

    // The bytes [offset, offset + length) of the uncompressed text.
    QByteArray slice(qint64 offset, qint64 length)
    {
        if (offset < m_windowStart)
            throw RecordError(QStringLiteral("%1: entries out of order").arg(m_file.fileName()));
        // Forget what lies before this entry; later entries start no earlier.
        const qint64 drop = std::min<qint64>(offset - m_windowStart, m_window.size());
        if (drop > (1 << 20) || drop == m_window.size()) {
            m_window.remove(0, drop);
            m_windowStart += drop;
        }
        while (m_windowStart + m_window.size() < offset + length) {
            if (!inflateMore())
                throw RecordError(QStringLiteral("%1: the text ends before an entry of the index does")
                                      .arg(m_file.fileName()));
        }
        return m_window.mid(offset - m_windowStart, length);
    }

private:
    bool inflateMore()
    {
        if (m_finished)
            return false;
        if (m_zs.avail_in == 0) {
            m_input.resize(1 << 16);
            const qint64 got = m_file.read(m_input.data(), m_input.size());
            if (got <= 0)
                return false;
            m_zs.next_in = reinterpret_cast<Bytef *>(m_input.data());
            m_zs.avail_in = static_cast<uInt>(got);
        }
        char out[1 << 16];
        m_zs.next_out = reinterpret_cast<Bytef *>(out);
        m_zs.avail_out = sizeof out;
        const int rc = inflate(&m_zs, Z_NO_FLUSH);
        if (rc != Z_OK && rc != Z_STREAM_END && rc != Z_BUF_ERROR)
            throw RecordError(QStringLiteral("%1: not a readable gzip file").arg(m_file.fileName()));
        m_window.append(out, static_cast<qsizetype>(sizeof out - m_zs.avail_out));
        if (rc == Z_STREAM_END)
            m_finished = true;
        return true;
    }

    QFile m_file;
    z_stream m_zs{};
    QByteArray m_input;
    QByteArray m_window;
    qint64 m_windowStart = 0;
    bool m_finished = false;
};

} // namespace

void forEachDictdEntry(const QString &dictPath,
                       QVector<DictdIndexEntry> entries,
                       const std::function<void(const DictdIndexEntry &, const QByteArray &)> &visit)
{
    std::stable_sort(entries.begin(), entries.end(), [](const DictdIndexEntry &a, const DictdIndexEntry &b) {
        return a.offset != b.offset ? a.offset < b.offset : a.length < b.length;
    });
    GzipWindow window(dictPath);
    const DictdIndexEntry *previous = nullptr;
    for (const DictdIndexEntry &entry : entries) {
        if (previous && previous->offset == entry.offset && previous->length == entry.length)
            continue;
        previous = &entry;
        visit(entry, window.slice(entry.offset, entry.length));
    }
}

} // namespace vorbix::import
