// The prefix index of a word table against the plain scan and against a
// straightforward reading of the rule (cut to n characters, remove the
// blanks at both ends, compare ignoring case): random tables and random
// criteria, every result and every "no match" compared.
#include "data/word_table.h"

#include <QTest>

#include <random>

using namespace vorbix;

namespace {

// The rule written out plainly, independent of the table's own folding.
int naiveFind(const QVector<WordRow> &rows, const PrefixEquals &criterion, bool last)
{
    if (criterion.length <= 0)
        return -1;
    const int n = int(rows.size());
    for (int i = 0; i < n; ++i) {
        const int row = last ? n - 1 - i : i;
        if (!rows[row].source)
            continue;
        QString cut = rows[row].source->left(criterion.length);
        while (cut.startsWith(QLatin1Char(' ')))
            cut.remove(0, 1);
        while (cut.endsWith(QLatin1Char(' ')))
            cut.chop(1);
        if (cut.compare(criterion.text, Qt::CaseInsensitive) == 0)
            return row;
    }
    return -1;
}

// Words built from a small alphabet so that prefixes collide often: capitals
// and small letters, accented letters, an apostrophe, blanks (at the ends and
// inside), a tab (which sorts before the blank), the sharp s and the Kelvin
// sign (which folds onto "k").
class RandomTables
{
public:
    explicit RandomTables(quint32 seed)
        : m_engine(seed)
    {
    }

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_engine); }
    bool chance(int percent) { return below(100) < percent; }

    QString word(int maxLength)
    {
        static const QString alphabet = QStringLiteral("aAbBkK\u212Aé\u00C9e' \t-ß");
        QString w = QStringLiteral(""); // an empty word, not a missing one
        for (int i = below(maxLength + 1); i > 0; --i)
            w.append(alphabet[below(int(alphabet.size()))]);
        if (chance(15))
            w.prepend(QString(1 + below(3), QLatin1Char(' ')));
        if (chance(15))
            w.append(QString(1 + below(3), QLatin1Char(' ')));
        return w;
    }

    QVector<WordRow> table(int size, int maxLength, bool sorted)
    {
        std::vector<std::optional<QString>> words;
        for (int i = 0; i < size; ++i) {
            if (!words.empty() && chance(20))
                words.push_back(words[size_t(below(int(words.size())))]); // a duplicate
            else if (chance(5))
                words.push_back(std::nullopt);
            else
                words.push_back(word(maxLength));
        }
        if (sorted) {
            std::stable_sort(words.begin(), words.end(), [](const auto &a, const auto &b) {
                return a && b ? a->compare(*b, Qt::CaseInsensitive) < 0 : !a && b;
            });
        }
        QVector<WordRow> rows;
        for (int i = 0; i < size; ++i)
            rows.append({i + 1, words[size_t(i)], QStringLiteral("t%1").arg(i)});
        return rows;
    }

    // Texts as the look-up and the letter filter make them, and some that
    // no word can match.
    PrefixEquals criterion(const QVector<WordRow> &rows)
    {
        PrefixEquals c;
        c.length = below(26);
        if (rows.isEmpty() || chance(15)) {
            c.text = word(6);
            return c;
        }
        const std::optional<QString> &source = rows[below(int(rows.size()))].source;
        QString text = source.value_or(QString()).left(below(c.length + 2));
        if (chance(50))
            text = text.trimmed();
        if (chance(30))
            text = chance(50) ? text.toUpper() : text.toLower();
        if (chance(10))
            text.append(QLatin1Char(' '));
        if (chance(10))
            text.prepend(QLatin1Char(' '));
        if (chance(70) && c.length > 0)
            c.length = int(text.trimmed().size()) + below(3); // the look-up's length, give or take
        c.text = text;
        return c;
    }

private:
    std::mt19937 m_engine;
};

QString describe(const QVector<WordRow> &rows, const PrefixEquals &c)
{
    if (rows.size() > 50)
        return QStringLiteral("n=%1 text=\"%2\", %3 rows").arg(c.length).arg(c.text).arg(rows.size());
    QStringList words;
    for (const WordRow &row : rows)
        words.append(row.source ? QLatin1Char('"') + *row.source + QLatin1Char('"') : QStringLiteral("NULL"));
    return QStringLiteral("n=%1 text=\"%2\" table=[%3]").arg(c.length).arg(c.text, words.join(QLatin1Char(',')));
}

} // namespace

class TestWordTableIndex : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void indexAgreesWithTheScanAndTheRule_data();
    void indexAgreesWithTheScanAndTheRule();
    void tablesWithoutMatchableWords();
};

void TestWordTableIndex::indexAgreesWithTheScanAndTheRule_data()
{
    QTest::addColumn<int>("tables");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<bool>("sorted");
    QTest::newRow("tiny tables, short words") << 400 << 6 << 3 << false;
    QTest::newRow("small tables in stored order") << 300 << 40 << 8 << false;
    QTest::newRow("small sorted tables") << 300 << 40 << 8 << true;
    QTest::newRow("long words past the longest look-up") << 100 << 60 << 30 << false;
    QTest::newRow("one large sorted table") << 1 << 5000 << 12 << true;
}

void TestWordTableIndex::indexAgreesWithTheScanAndTheRule()
{
    QFETCH(int, tables);
    QFETCH(int, size);
    QFETCH(int, maxLength);
    QFETCH(bool, sorted);
    RandomTables random(quint32(tables * 7919 + size));
    const int criteriaPerTable = std::max(200, 20000 / tables);
    int matches = 0;
    int misses = 0;
    for (int t = 0; t < tables; ++t) {
        const QVector<WordRow> rows = random.table(random.below(size + 1), maxLength, sorted);
        const WordTable table(rows);
        for (int k = 0; k < criteriaPerTable; ++k) {
            const PrefixEquals c = random.criterion(rows);
            for (const bool last : {false, true}) {
                const int expected = naiveFind(rows, c, last);
                const int scanned = last ? table.scanLast(c) : table.scanFirst(c);
                const int indexed = last ? table.findLast(c) : table.findFirst(c);
                if (scanned != expected || indexed != expected) {
                    QFAIL(qPrintable(QStringLiteral("%1: rule %2, scan %3, index %4 (%5)")
                                         .arg(last ? QStringLiteral("last") : QStringLiteral("first"))
                                         .arg(expected)
                                         .arg(scanned)
                                         .arg(indexed)
                                         .arg(describe(rows, c))));
                }
                ++(expected < 0 ? misses : matches);
            }
        }
    }
    // Both outcomes must have been exercised, or the comparison proves little.
    QVERIFY2(matches > criteriaPerTable / 2 && misses > criteriaPerTable / 2,
             qPrintable(QStringLiteral("%1 matches, %2 misses").arg(matches).arg(misses)));
}

void TestWordTableIndex::tablesWithoutMatchableWords()
{
    const WordTable empty(QVector<WordRow>{});
    QCOMPARE(empty.findFirst(PrefixEquals{1, QStringLiteral("a")}), -1);
    QCOMPARE(empty.findLast(PrefixEquals{1, QStringLiteral("a")}), -1);

    // Missing words never match, not even an empty text; blank and empty
    // words match an empty text at any length.
    const WordTable table(QVector<WordRow>{{1, std::nullopt, QStringLiteral("x")},
                                           {2, QStringLiteral("   "), QStringLiteral("y")},
                                           {3, QString(), QStringLiteral("z")},
                                           {4, std::nullopt, std::nullopt}});
    QCOMPARE(table.findFirst(PrefixEquals{2, QString()}), 1);
    QCOMPARE(table.findLast(PrefixEquals{20, QString()}), 2);
    QCOMPARE(table.findFirst(PrefixEquals{2, QStringLiteral(" ")}), -1);
    QCOMPARE(table.findFirst(PrefixEquals{0, QString()}), -1); // no length, no search
    QCOMPARE(*table.source(1), QStringLiteral("   "));
    QVERIFY(table.source(2)->isEmpty());
    QVERIFY(!table.source(3));
    QVERIFY(!table.target(3));
    QCOMPARE(*table.target(2), QStringLiteral("z"));
}

QTEST_GUILESS_MAIN(TestWordTableIndex)
#include "tst_word_table_index.moc"
