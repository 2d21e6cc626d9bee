// The hand-made supplement of everyday words: read from its own format, and
// added only where a table lacks the word, never over what a row holds.

#include "data/import/everyday_supplement.h"
#include "data/language_pairs.h"

#include <QTest>

using namespace vorbix;
using namespace vorbix::import;

namespace {

QVector<WordRow> table(const QVector<std::pair<QString, QString>> &rows)
{
    QVector<WordRow> result;
    for (const auto &[source, target] : rows)
        result.append({static_cast<int>(result.size()) + 1, source, target});
    return result;
}

QString targetOf(const QVector<WordRow> &rows, const QString &source)
{
    for (const WordRow &row : rows) {
        if (row.source == source)
            return row.target.value_or(QString());
    }
    return QStringLiteral("<no row>");
}

const QString kSupplement = QStringLiteral("# comment\tcon\ttabs\tx\n"
                                           "hot\tcaliente\tchaud\theiß\n"
                                           "pen\tbolígrafo|pluma\tstylo|plume\tKugelschreiber|Stift\n"
                                           "broken\tline\n"
                                           "empty\t\tvide\tleer\n");

} // namespace

class TestEverydaySupplement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsLinesWithAllFourLanguages()
    {
        const QVector<SupplementEntry> entries = parseSupplement(kSupplement);
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries.at(1).english, QStringLiteral("pen"));
        QCOMPARE(entries.at(1).spanish, (QStringList{QStringLiteral("bolígrafo"), QStringLiteral("pluma")}));
        QCOMPARE(entries.at(1).german.first(), QStringLiteral("Kugelschreiber"));
        QVERIFY(!everydaySupplement().isEmpty());
    }

    void completesOnlyWhatATableLacks_data()
    {
        QTest::addColumn<int>("pair");
        QTest::addColumn<QString>("headword");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("changed");
        // enfra: no "hot" row at all; "pen" with "plume", an accepted one, stays.
        QTest::newRow("English row added") << 2 << "hot" << "<no row>" << "chaud" << 2;
        QTest::newRow("accepted translation kept") << 2 << "pen" << "plume, enclos" << "plume, enclos" << 1;
        // enger: a row with only other senses gets the main word first.
        QTest::newRow("main word first") << 4 << "pen" << "Pferch, Koppel" << "Kugelschreiber, Pferch, Koppel" << 2;
        // fraen: the English word goes second in the French word's row.
        QTest::newRow("reverse row completed") << 3 << "chaud" << "warm, heated" << "warm, hot, heated" << 2;
        QTest::newRow("reverse row kept") << 3 << "stylo" << "pen" << "pen" << 1;
        // spaen: a word without a row gets one.
        QTest::newRow("reverse row added") << 1 << "bolígrafo" << "<no row>" << "pen" << 2;
    }

    void completesOnlyWhatATableLacks()
    {
        QFETCH(int, pair);
        QFETCH(QString, headword);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(int, changed);
        QVector<std::pair<QString, QString>> rows{{QStringLiteral("apple"), QStringLiteral("x")}};
        if (before != QLatin1String("<no row>"))
            rows.append({headword, before});
        QVector<WordRow> words = table(rows);
        QCOMPARE(addEverydaySupplement(words, pair, parseSupplement(kSupplement)), changed);
        QCOMPARE(targetOf(words, headword), after);
        // The table stays numbered 1..N.
        for (qsizetype i = 0; i < words.size(); ++i)
            QCOMPARE(words.at(i).index, static_cast<int>(i) + 1);
    }

    void aFullRowGivesWayAtTheFieldSize()
    {
        const QString full = QString(QStringLiteral("word, ")).repeated(42) + QStringLiteral("last");
        QVector<WordRow> words = table({{QStringLiteral("hot"), full}});
        QCOMPARE(addEverydaySupplement(words, 2, parseSupplement(kSupplement)), 2);
        const QString target = targetOf(words, QStringLiteral("hot"));
        QVERIFY(target.startsWith(QStringLiteral("chaud, word")));
        QVERIFY(target.size() <= 255);
        QVERIFY(!target.endsWith(QStringLiteral("last")));
    }
};

QTEST_GUILESS_MAIN(TestEverydaySupplement)
#include "tst_everyday_supplement.moc"
