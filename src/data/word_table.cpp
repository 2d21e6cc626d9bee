#include "data/word_table.h"

#include <ranges>

namespace vorbix {

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

template<typename Rows>
int WordTable::findPrefix(const PrefixEquals &criterion, Rows rows) const
{
    if (criterion.length <= 0)
        return -1;
    const PreparedPrefix prefix{criterion.length, foldCase(criterion.text)};
    for (int row : rows) {
        if (matches(row, prefix))
            return row;
    }
    return -1;
}

int WordTable::findIndex(qint64 number, bool last) const
{
    // Well-formed tables number their rows 1..N, so the row is usually at
    // number - 1; otherwise fall back to a scan in stored order.
    const qint64 guess = number - 1;
    const bool unique = guess >= 0 && guess < size() && m_rows[int(guess)].index == number;
    if (unique && !last)
        return int(guess);
    const int n = size();
    for (int i = 0; i < n; ++i) {
        const int row = last ? n - 1 - i : i;
        if (m_rows[row].index == number)
            return row;
    }
    return -1;
}

int WordTable::findFirst(const Criterion &criterion) const
{
    if (const auto *prefix = std::get_if<PrefixEquals>(&criterion))
        return findPrefix(*prefix, std::views::iota(0, size()));
    return findIndex(std::get<IndexEquals>(criterion).number, false);
}

int WordTable::findLast(const Criterion &criterion) const
{
    if (const auto *prefix = std::get_if<PrefixEquals>(&criterion))
        return findPrefix(*prefix, std::views::iota(0, size()) | std::views::reverse);
    return findIndex(std::get<IndexEquals>(criterion).number, true);
}

} // namespace vorbix
