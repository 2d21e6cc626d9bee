#include "data/word_table.h"

#include <algorithm>
#include <climits>

namespace vorbix {

namespace {

constexpr char16_t kBlank = u' ';

int leadingBlanks(QStringView word)
{
    int blanks = 0;
    while (blanks < word.size() && word[blanks] == kBlank)
        ++blanks;
    return blanks;
}

// The first n characters of a word, with the blanks at both ends removed;
// `blanks` is the number of blanks the whole word starts with.
QStringView trimmedLeft(QStringView word, int blanks, int n)
{
    int end = int(std::min<qsizetype>(n, word.size()));
    while (end > blanks && word[end - 1] == kBlank)
        --end;
    return end > blanks ? word.sliced(blanks, end - blanks) : QStringView();
}

// Code units compared case-folded, with the blank before every other unit
// (the others keep their order). In this order, cutting a text short or
// removing its trailing blanks never puts it after a text it came before,
// which is what lets one sorted order serve every prefix length. No unit
// but the blank folds to a blank.
quint32 blankFirst(QChar unit)
{
    const char16_t folded = QChar::toCaseFolded(unit.unicode());
    if (folded == kBlank)
        return 0;
    return folded < kBlank ? quint32(folded) + 1 : quint32(folded);
}

// Compares two texts as their case-folded copies would compare.
int compareBlankFirst(QStringView a, QStringView b)
{
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const quint32 x = blankFirst(a[i]);
        const quint32 y = blankFirst(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

} // namespace

// The rows that have a source word, sorted by their number of leading blanks
// and then by the rest of the folded word (blank first). Within one run of
// equal leading blanks, trimmedLeft(word, blanks, n) is then in sorted order
// for every n, so the rows that match a criterion form one contiguous range
// per run, found by binary search. The first and last stored row of a range
// come from a range-minimum and a range-maximum tree over the row numbers.
class WordTable::PrefixIndex
{
public:
    explicit PrefixIndex(const WordTable &table);

    int find(const WordTable &table, const PrefixEquals &criterion, bool last) const;

private:
    struct Run
    {
        int blanks;
        int begin;
        int end;
    };

    int bestInRange(int begin, int end, bool last) const;

    std::vector<qint32> m_order;
    std::vector<Run> m_runs;
    // Inner nodes 1..m-1 of two implicit binary trees whose leaves m..2m-1
    // are m_order: the smallest and the largest row number below each node.
    std::vector<qint32> m_firstRow;
    std::vector<qint32> m_lastRow;
};

WordTable::PrefixIndex::PrefixIndex(const WordTable &table)
{
    std::vector<qint32> blanks(size_t(table.size()), 0);
    for (int row = 0; row < table.size(); ++row) {
        if (table.m_sourceMissing[size_t(row)])
            continue; // a missing word never matches
        blanks[size_t(row)] = leadingBlanks(table.sourceView(row));
        m_order.push_back(row);
    }
    std::sort(m_order.begin(), m_order.end(), [&](qint32 a, qint32 b) {
        if (blanks[size_t(a)] != blanks[size_t(b)])
            return blanks[size_t(a)] < blanks[size_t(b)];
        const int order = compareBlankFirst(table.sourceView(a).sliced(blanks[size_t(a)]),
                                            table.sourceView(b).sliced(blanks[size_t(b)]));
        return order != 0 ? order < 0 : a < b;
    });

    const int m = int(m_order.size());
    for (int i = 0; i < m; ++i) {
        const int b = blanks[size_t(m_order[size_t(i)])];
        if (m_runs.empty() || m_runs.back().blanks != b)
            m_runs.push_back({b, i, i});
        m_runs.back().end = i + 1;
    }

    m_firstRow.assign(size_t(m), 0);
    m_lastRow.assign(size_t(m), 0);
    auto node = [&](const std::vector<qint32> &tree, int j) { return j >= m ? m_order[size_t(j - m)] : tree[size_t(j)]; };
    for (int j = m - 1; j >= 1; --j) {
        m_firstRow[size_t(j)] = std::min(node(m_firstRow, 2 * j), node(m_firstRow, 2 * j + 1));
        m_lastRow[size_t(j)] = std::max(node(m_lastRow, 2 * j), node(m_lastRow, 2 * j + 1));
    }
}

int WordTable::PrefixIndex::bestInRange(int begin, int end, bool last) const
{
    const int m = int(m_order.size());
    const std::vector<qint32> &tree = last ? m_lastRow : m_firstRow;
    int best = last ? -1 : INT_MAX;
    auto take = [&](int j) {
        const int row = j >= m ? m_order[size_t(j - m)] : tree[size_t(j)];
        best = last ? std::max(best, row) : std::min(best, row);
    };
    for (int l = begin + m, r = end + m; l < r; l >>= 1, r >>= 1) {
        if (l & 1)
            take(l++);
        if (r & 1)
            take(--r);
    }
    return best;
}

int WordTable::PrefixIndex::find(const WordTable &table, const PrefixEquals &criterion, bool last) const
{
    const QStringView text = criterion.text;
    int best = -1;
    for (const Run &run : m_runs) {
        auto key = [&](qint32 row) { return trimmedLeft(table.sourceView(row), run.blanks, criterion.length); };
        const auto first = m_order.begin() + run.begin;
        const auto end = m_order.begin() + run.end;
        const auto low = std::lower_bound(first, end, text, [&](qint32 row, QStringView t) {
            return compareBlankFirst(key(row), t) < 0;
        });
        const auto high = std::upper_bound(low, end, text, [&](QStringView t, qint32 row) {
            return compareBlankFirst(t, key(row)) < 0;
        });
        if (low == high)
            continue;
        const int row = bestInRange(int(low - m_order.begin()), int(high - m_order.begin()), last);
        best = best < 0 ? row : (last ? std::max(best, row) : std::min(best, row));
    }
    return best;
}

WordTable::WordTable(const QVector<WordRow> &rows)
{
    qsizetype sourceLength = 0;
    qsizetype targetLength = 0;
    for (const WordRow &row : rows) {
        sourceLength += row.source ? row.source->size() : 0;
        targetLength += row.target ? row.target->size() : 0; // UTF-8 may need more; the buffer then grows
    }
    m_sourceBegin.reserve(size_t(rows.size()) + 1);
    m_targetBegin.reserve(size_t(rows.size()) + 1);
    m_sourceText.reserve(sourceLength);
    m_targetText.reserve(targetLength);
    bool numbered = true;
    for (const WordRow &row : rows)
        append(row, numbered);
    close(numbered);
}

void WordTable::append(const WordRow &row, bool &numbered)
{
    if (numbered && row.index != m_size + 1) {
        // The first row out of the 1..N numbering: from here on every Index
        // is kept.
        numbered = false;
        m_index.reserve(size_t(m_size) + 1);
        for (int i = 1; i <= m_size; ++i)
            m_index.push_back(i);
    }
    if (!numbered)
        m_index.push_back(row.index);
    m_sourceBegin.push_back(qint32(m_sourceText.size()));
    m_sourceMissing.push_back(!row.source);
    if (row.source)
        m_sourceText.append(*row.source);
    m_targetBegin.push_back(qint32(m_targetText.size()));
    m_targetMissing.push_back(!row.target);
    if (row.target)
        m_targetText.append(row.target->toUtf8());
    ++m_size;
}

void WordTable::close(bool numbered)
{
    if (numbered)
        std::vector<qint32>().swap(m_index);
    m_sourceBegin.push_back(qint32(m_sourceText.size()));
    m_targetBegin.push_back(qint32(m_targetText.size()));
    m_sourceBegin.shrink_to_fit();
    m_targetBegin.shrink_to_fit();
    m_index.shrink_to_fit();
    m_sourceText.squeeze();
    m_targetText.squeeze();
}

WordTable::Builder::Builder()
    : m_table(new WordTable)
{
}

WordTable::Builder::~Builder() = default;

void WordTable::Builder::add(const WordRow &row)
{
    m_table->append(row, m_numbered);
}

std::shared_ptr<const WordTable> WordTable::Builder::finish()
{
    m_table->close(m_numbered);
    return std::shared_ptr<const WordTable>(m_table.release());
}

WordTable::~WordTable() = default;

QStringView WordTable::sourceView(int row) const
{
    const qint32 begin = m_sourceBegin[size_t(row)];
    return QStringView(m_sourceText).sliced(begin, m_sourceBegin[size_t(row) + 1] - begin);
}

std::optional<QString> WordTable::source(int row) const
{
    if (m_sourceMissing[size_t(row)])
        return std::nullopt;
    return sourceView(row).toString();
}

std::optional<QString> WordTable::target(int row) const
{
    if (m_targetMissing[size_t(row)])
        return std::nullopt;
    const qint32 begin = m_targetBegin[size_t(row)];
    return QString::fromUtf8(m_targetText.constData() + begin, m_targetBegin[size_t(row) + 1] - begin);
}

bool WordTable::prefixMatches(int row, const PrefixEquals &criterion) const
{
    if (m_sourceMissing[size_t(row)])
        return false; // a missing word compares as unknown, never equal
    const QStringView word = sourceView(row);
    return compareBlankFirst(trimmedLeft(word, leadingBlanks(word), criterion.length), criterion.text) == 0;
}

const WordTable::PrefixIndex &WordTable::prefixIndex() const
{
    if (!m_prefixIndex)
        m_prefixIndex = std::make_unique<const PrefixIndex>(*this);
    return *m_prefixIndex;
}

int WordTable::findIndex(qint64 number, bool last) const
{
    // Well-formed tables number their rows 1..N, so the row is usually at
    // number - 1; otherwise fall back to a scan in stored order.
    const qint64 guess = number - 1;
    const bool unique = guess >= 0 && guess < size() && index(int(guess)) == number;
    if (unique && !last)
        return int(guess);
    return scan(IndexEquals{number}, last);
}

int WordTable::scan(const Criterion &criterion, bool last) const
{
    const int n = size();
    auto firstOf = [&](auto test) {
        for (int i = 0; i < n; ++i) {
            const int row = last ? n - 1 - i : i;
            if (test(row))
                return row;
        }
        return -1;
    };
    if (const auto *prefix = std::get_if<PrefixEquals>(&criterion)) {
        if (prefix->length <= 0)
            return -1;
        return firstOf([&](int row) { return prefixMatches(row, *prefix); });
    }
    const qint64 number = std::get<IndexEquals>(criterion).number;
    return firstOf([&](int row) { return index(row) == number; });
}

int WordTable::find(const Criterion &criterion, bool last) const
{
    if (const auto *prefix = std::get_if<PrefixEquals>(&criterion)) {
        if (prefix->length <= 0 || isEmpty())
            return -1;
        return prefixIndex().find(*this, *prefix, last);
    }
    return findIndex(std::get<IndexEquals>(criterion).number, last);
}

int WordTable::findFirst(const Criterion &criterion) const
{
    return find(criterion, false);
}

int WordTable::findLast(const Criterion &criterion) const
{
    return find(criterion, true);
}

int WordTable::scanFirst(const Criterion &criterion) const
{
    return scan(criterion, false);
}

int WordTable::scanLast(const Criterion &criterion) const
{
    return scan(criterion, true);
}

} // namespace vorbix
