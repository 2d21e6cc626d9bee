#include "data/word_table.h"

namespace vorbix {

namespace {

// The first row (or the last, with `last`) of 0..n-1 that satisfies `test`,
// or -1.
template<typename Test>
int scanRows(int n, bool last, Test test)
{
    for (int i = 0; i < n; ++i) {
        const int row = last ? n - 1 - i : i;
        if (test(row))
            return row;
    }
    return -1;
}

} // namespace

QString foldCase(QStringView text)
{
    QString folded(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        folded[i] = QChar(QChar::toCaseFolded(text[i].unicode()));
    return folded;
}

struct WordTable::PreparedPrefix
{
    int length;
    QString folded;
};

WordTable::WordTable(QVector<WordRow> rows)
    : m_rows(std::move(rows))
{
    const qsizetype n = m_rows.size();
    m_foldedSource.reserve(n);
    m_leadingBlanks.reserve(n);
    m_hasSource.reserve(n);
    for (const WordRow &row : m_rows) {
        const QString text = row.source.value_or(QString());
        int blanks = 0;
        while (blanks < text.size() && text[blanks] == QLatin1Char(' '))
            ++blanks;
        m_foldedSource.append(foldCase(text));
        m_leadingBlanks.append(blanks);
        m_hasSource.append(row.source.has_value());
    }
}

bool WordTable::matches(int row, const PreparedPrefix &prefix) const
{
    if (!m_hasSource[row])
        return false; // a missing word compares as unknown, never equal
    const QString &word = m_foldedSource[row];
    const int begin = m_leadingBlanks[row];
    int end = std::min<int>(prefix.length, int(word.size()));
    while (end > begin && word[end - 1] == QLatin1Char(' '))
        --end;
    const int length = std::max(0, end - begin);
    if (length != prefix.folded.size())
        return false;
    return QStringView(word).mid(begin, length) == prefix.folded;
}

int WordTable::findPrefix(const PrefixEquals &criterion, bool last) const
{
    if (criterion.length <= 0)
        return -1;
    const PreparedPrefix prefix{criterion.length, foldCase(criterion.text)};
    return scanRows(size(), last, [&](int row) { return matches(row, prefix); });
}

int WordTable::findIndex(qint64 number, bool last) const
{
    // Well-formed tables number their rows 1..N, so the row is usually at
    // number - 1; otherwise fall back to a scan in stored order.
    const bool numbered = number >= 1 && number <= size() && m_rows[int(number - 1)].index == number;
    if (numbered && !last)
        return int(number - 1);
    return scanRows(size(), last, [&](int row) { return m_rows[row].index == number; });
}

int WordTable::findFirst(const Criterion &criterion) const
{
    if (const auto *prefix = std::get_if<PrefixEquals>(&criterion))
        return findPrefix(*prefix, false);
    return findIndex(std::get<IndexEquals>(criterion).number, false);
}

int WordTable::findLast(const Criterion &criterion) const
{
    if (const auto *prefix = std::get_if<PrefixEquals>(&criterion))
        return findPrefix(*prefix, true);
    return findIndex(std::get<IndexEquals>(criterion).number, true);
}

} // namespace vorbix
