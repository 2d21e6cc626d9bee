#pragma once

#include "data/criteria.h"
#include "data/schema.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <memory>
#include <optional>
#include <vector>

namespace vorbix {

// The rows of one word table, read once from its file and shared read-only by
// every cursor bound to it.
//
// The texts are kept in two contiguous buffers (source words, translations)
// with one offset per row, not as a string object per field: seven full
// tables would otherwise spend more on string headers and heap blocks than
// on the words themselves. Letter case is folded as words are compared.
//
// A prefix criterion is answered by an index built on the first such search
// (see findFirst); the plain scan in stored order stays available as the
// reference the index is checked against.
class WordTable
{
public:
    explicit WordTable(const QVector<WordRow> &rows);
    ~WordTable();

    // Builds a table row by row, as the rows are read, so that no second
    // copy of a whole table exists while it is loaded.
    class Builder
    {
    public:
        Builder();
        ~Builder();
        void add(const WordRow &row);
        std::shared_ptr<const WordTable> finish();

    private:
        std::unique_ptr<WordTable> m_table;
        bool m_numbered = true;
    };

    WordTable(const WordTable &) = delete;
    WordTable &operator=(const WordTable &) = delete;

    int size() const { return m_size; }
    bool isEmpty() const { return m_size == 0; }

    int index(int row) const { return m_index.empty() ? row + 1 : m_index[size_t(row)]; }
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

    WordTable() = default;
    void append(const WordRow &row, bool &numbered);
    void close(bool numbered);

    QStringView sourceView(int row) const; // empty for a missing word
    bool prefixMatches(int row, const PrefixEquals &criterion) const;
    int find(const Criterion &criterion, bool last) const;
    int findIndex(qint64 number, bool last) const;
    int scan(const Criterion &criterion, bool last) const;
    const PrefixIndex &prefixIndex() const;

    int m_size = 0;
    std::vector<qint32> m_index; // empty when the rows are numbered 1..N, as well-formed tables are
    // Row r's word is m_sourceText[m_sourceBegin[r], m_sourceBegin[r + 1]);
    // likewise its translation.
    std::vector<qint32> m_sourceBegin;
    std::vector<qint32> m_targetBegin;
    std::vector<bool> m_sourceMissing;
    std::vector<bool> m_targetMissing;
    QString m_sourceText;    // UTF-16, searched as it is
    QByteArray m_targetText; // UTF-8: only ever read whole, and mostly ASCII

    // Built on first use and never changed afterwards. The program is
    // single-threaded; a table shared across threads would need a lock here.
    mutable std::unique_ptr<const PrefixIndex> m_prefixIndex;
};

} // namespace vorbix
