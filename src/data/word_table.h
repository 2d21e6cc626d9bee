#pragma once

#include "data/criteria.h"
#include "data/schema.h"

#include <QString>
#include <QVector>

#include <optional>

namespace vorbix {

// The rows of one word table, read once from its file and shared read-only by
// every cursor bound to it. Searching is a scan in stored order (the first or
// last match wins), over case-folded copies of the source words prepared when
// the table is loaded, so that a keystroke costs no allocation per row.
class WordTable
{
public:
    explicit WordTable(QVector<WordRow> rows);

    int size() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }

    int index(int row) const { return m_rows[row].index; }
    const std::optional<QString> &source(int row) const { return m_rows[row].source; }
    const std::optional<QString> &target(int row) const { return m_rows[row].target; }

    // The first / last row that satisfies the criterion, or -1.
    int findFirst(const Criterion &criterion) const;
    int findLast(const Criterion &criterion) const;

private:
    struct PreparedPrefix;
    bool matches(int row, const PreparedPrefix &prefix) const;
    int findIndex(qint64 number, bool last) const;
    int findPrefix(const PrefixEquals &criterion, bool last) const;

    QVector<WordRow> m_rows;
    QVector<QString> m_foldedSource; // per-character case folding: same length as the source
    QVector<int> m_leadingBlanks;    // blanks before the first other character
    QVector<bool> m_hasSource;
};

// Case folding that keeps every UTF-16 unit in place, so that the first n
// characters of a folded text are the folded first n characters.
QString foldCase(QStringView text);

} // namespace vorbix
