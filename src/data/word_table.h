#pragma once

#include "data/criteria.h"
#include "data/schema.h"

#include <QString>
#include <QVector>

#include <memory>
#include <optional>
#include <vector>

namespace vorbix {

// The rows of one word table, read once from its file and shared read-only by
// every cursor bound to it.
//
// The texts are kept in three contiguous buffers (source words, their
// case-folded copies, translations) with one offset per row, not as a string
// object per field: six full tables would otherwise spend more on string
// headers and heap blocks than on the words themselves.
//
// A prefix criterion is answered by an index built on the first such search
// (see findFirst); the plain scan in stored order stays available as the
// reference the index is checked against.
class WordTable
{
public:
    explicit WordTable(const QVector<WordRow> &rows);
    ~WordTable();

    WordTable(const WordTable &) = delete;
    WordTable &operator=(const WordTable &) = delete;

    int size() const { return int(m_index.size()); }
    bool isEmpty() const { return m_index.empty(); }

    int index(int row) const { return m_index[size_t(row)]; }
    // A missing (NULL) word or translation is nullopt.
    std::optional<QString> source(int row) const;
    std::optional<QString> target(int row) const;

    // The first / last row in stored order that satisfies the criterion, or
    // -1. A prefix criterion takes O(log N) through the index; the index of
    // the table is built by the first prefix search and then kept.
    int findFirst(const Criterion &criterion) const;
    int findLast(const Criterion &criterion) const;

    // The same answers by a plain scan of every row in stored order.
    int scanFirst(const Criterion &criterion) const;
    int scanLast(const Criterion &criterion) const;

private:
    class PrefixIndex;

    // A field of one row inside one of the text buffers; a NULL field has a
    // negative length.
    struct Span
    {
        qint32 offset = 0;
        qint32 length = -1;
    };

    static std::optional<QString> textOf(const QString &buffer, Span span);
    QStringView foldedSource(int row) const;
    bool prefixMatches(int row, const PrefixEquals &criterion, QStringView foldedText) const;
    int find(const Criterion &criterion, bool last) const;
    int findIndex(qint64 number, bool last) const;
    int scan(const Criterion &criterion, bool last) const;
    const PrefixIndex &prefixIndex() const;

    std::vector<qint32> m_index;
    std::vector<Span> m_source; // into m_sourceText and, at the same offsets, m_foldedText
    std::vector<Span> m_target; // into m_targetText
    QString m_sourceText;
    QString m_foldedText; // per-character case folding: the same length as the source
    QString m_targetText;

    // Built on first use and never changed afterwards. The program is
    // single-threaded; a table shared across threads would need a lock here.
    mutable std::unique_ptr<const PrefixIndex> m_prefixIndex;
};

// Case folding that keeps every UTF-16 unit in place, so that the first n
// characters of a folded text are the folded first n characters.
QString foldCase(QStringView text);

} // namespace vorbix
