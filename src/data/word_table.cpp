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

// Code units compared with the blank before every other unit (the others keep
// their order). In this order, cutting a text short or removing its trailing
// blanks never puts it after a text it came before, which is what lets one
// sorted order serve every prefix length.
quint32 blankFirst(char16_t unit)
{
    if (unit == kBlank)
        return 0;
    return unit < kBlank ? quint32(unit) + 1 : quint32(unit);
}

int compareBlankFirst(QStringView a, QStringView b)
{
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const quint32 x = blankFirst(a[i].unicode());
        const quint32 y = blankFirst(b[i].unicode());
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

} // namespace

QString foldCase(QStringView text)
{
    QString folded(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        folded[i] = QChar(QChar::toCaseFolded(text[i].unicode()));
    return folded;
}

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

    int find(const WordTable &table, const PrefixEquals &criterion, QStringView foldedText, bool last) const;

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
        if (table.m_source[size_t(row)].length < 0)
            continue; // a missing word never matches
        blanks[size_t(row)] = leadingBlanks(table.foldedSource(row));
        m_order.push_back(row);
    }
    std::sort(m_order.begin(), m_order.end(), [&](qint32 a, qint32 b) {
        if (blanks[size_t(a)] != blanks[size_t(b)])
            return blanks[size_t(a)] < blanks[size_t(b)];
        const int order = compareBlankFirst(table.foldedSource(a).sliced(blanks[size_t(a)]),
                                            table.foldedSource(b).sliced(blanks[size_t(b)]));
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

int WordTable::PrefixIndex::find(const WordTable &table, const PrefixEquals &criterion, QStringView foldedText,
                                 bool last) const
{
    int best = -1;
    for (const Run &run : m_runs) {
        auto key = [&](qint32 row) { return trimmedLeft(table.foldedSource(row), run.blanks, criterion.length); };
        const auto first = m_order.begin() + run.begin;
        const auto end = m_order.begin() + run.end;
        const auto low = std::lower_bound(first, end, foldedText, [&](qint32 row, QStringView text) {
            return compareBlankFirst(key(row), text) < 0;
        });
        const auto high = std::upper_bound(low, end, foldedText, [&](QStringView text, qint32 row) {
            return compareBlankFirst(text, key(row)) < 0;
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
        targetLength += row.target ? row.target->size() : 0;
    }
    m_index.reserve(size_t(rows.size()));
    m_source.reserve(size_t(rows.size()));
    m_target.reserve(size_t(rows.size()));
    m_sourceText.reserve(sourceLength);
    m_foldedText.reserve(sourceLength);
    m_targetText.reserve(targetLength);

    auto append = [](QString &buffer, const std::optional<QString> &text) {
        Span span{qint32(buffer.size()), -1};
        if (text) {
            buffer.append(*text);
            span.length = qint32(text->size());
        }
        return span;
    };
    for (const WordRow &row : rows) {
        m_index.push_back(row.index);
        m_source.push_back(append(m_sourceText, row.source));
        m_target.push_back(append(m_targetText, row.target));
        if (row.source)
            m_foldedText.append(foldCase(*row.source));
    }
}

WordTable::~WordTable() = default;

std::optional<QString> WordTable::textOf(const QString &buffer, Span span)
{
    if (span.length < 0)
        return std::nullopt;
    return buffer.mid(span.offset, span.length);
}

std::optional<QString> WordTable::source(int row) const
{
    return textOf(m_sourceText, m_source[size_t(row)]);
}

std::optional<QString> WordTable::target(int row) const
{
    return textOf(m_targetText, m_target[size_t(row)]);
}

QStringView WordTable::foldedSource(int row) const
{
    const Span span = m_source[size_t(row)];
    return QStringView(m_foldedText).sliced(span.offset, std::max(0, span.length));
}

bool WordTable::prefixMatches(int row, const PrefixEquals &criterion, QStringView foldedText) const
{
    if (m_source[size_t(row)].length < 0)
        return false; // a missing word compares as unknown, never equal
    const QStringView word = foldedSource(row);
    return trimmedLeft(word, leadingBlanks(word), criterion.length) == foldedText;
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
        const QString folded = foldCase(prefix->text);
        return firstOf([&](int row) { return prefixMatches(row, *prefix, folded); });
    }
    const qint64 number = std::get<IndexEquals>(criterion).number;
    return firstOf([&](int row) { return index(row) == number; });
}

int WordTable::find(const Criterion &criterion, bool last) const
{
    if (const auto *prefix = std::get_if<PrefixEquals>(&criterion)) {
        if (prefix->length <= 0 || isEmpty())
            return -1;
        return prefixIndex().find(*this, *prefix, foldCase(prefix->text), last);
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
