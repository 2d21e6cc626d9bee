// The next-word choice over a real cursor, with scripted draws.
#include "test_support.h"

#include "data/cursor.h"
#include "data/store_paths.h"
#include "learning/next_word.h"

#include <QTest>

using namespace vorbix;
using namespace vorbix::testing;

namespace {

// "w001".."wNNN"; words 35..60 begin with "b" so that a letter range exists.
QVector<WordRow> numberedTable(int n)
{
    QStringList items;
    for (int i = 1; i <= n; ++i) {
        const QString word = (i >= 35 && i <= 60 ? QStringLiteral("b%1") : QStringLiteral("w%1"))
                                 .arg(i, 3, 10, QLatin1Char('0'));
        items.append(word + QLatin1Char('=') + QStringLiteral("t%1").arg(i));
    }
    return rows(items);
}

} // namespace

class TestNextWord : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestWorld> world;
    std::unique_ptr<Cursor> words;

    void open(int n)
    {
        Tables tables;
        tables[QStringLiteral("enspa")] = numberedTable(n);
        world = std::make_unique<TestWorld>(tables);
        words = std::make_unique<Cursor>(world->store, world->store.filePath(files::kMain), kLanguagePairs[0]);
    }
    void moveTo(int index)
    {
        words->findFirst(IndexEquals{index});
        QVERIFY(!words->noMatch());
    }
    int choose(NextWordRequest request)
    {
        chooseNextWord(*words, request, world->random);
        return words->index();
    }
    static NextWordRequest inOrder(NextWordRequest::Variant variant, qint16 nrmax, QString letter = {},
                                   qint16 first = 0, qint16 last = 0)
    {
        return {variant, NextWordRequest::Order::InOrder, std::move(letter), nrmax, first, last};
    }
    static NextWordRequest randomly(qint16 nrmax, QString letter = {}, qint16 first = 0, qint16 last = 0)
    {
        return {NextWordRequest::Variant::Start, NextWordRequest::Order::Randomly, std::move(letter), nrmax,
                first, last};
    }

private Q_SLOTS:
    void cleanup()
    {
        words.reset();
        world.reset();
    }

    void randomDrawsOverTheWholeTable_data();
    void randomDrawsOverTheWholeTable();
    void randomDrawsOverTheLetterRange();
    void inOrderWalksAndWraps_data();
    void inOrderWalksAndWraps();
    void inOrderNeverStepsPastTheLastRecord();
    void bothBoundsTooFarApartFail();
};

void TestNextWord::randomDrawsOverTheWholeTable_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("shown");
    // Int((1 - r) * 500): a draw of 0 finds nothing and the first word shows.
    QTest::newRow("r = 0.999") << 0.999f << 1;
    QTest::newRow("r = 0.5") << 0.5f << 250;
    QTest::newRow("r = 0.0015") << 0.0015f << 499;
    QTest::newRow("r = 0 reaches the last word") << 0.0f << 500;
}

void TestNextWord::randomDrawsOverTheWholeTable()
{
    QFETCH(float, r);
    QFETCH(int, shown);
    open(500);
    moveTo(321);
    world->random.draws = {r};
    QCOMPARE(choose(randomly(500)), shown);
    QVERIFY(world->random.draws.isEmpty());
}

void TestNextWord::randomDrawsOverTheLetterRange()
{
    open(100);
    world->random.draws = {0.999f, 0.5f, 0.0f};
    QCOMPARE(choose(randomly(100, QStringLiteral("B"), 35, 60)), 35); // 35 + Int(0.001 * 25)
    QCOMPARE(choose(randomly(100, QStringLiteral("B"), 35, 60)), 47); // 35 + Int(0.5 * 25)
    QCOMPARE(choose(randomly(100, QStringLiteral("B"), 35, 60)), 60); // only when r is 0

    // A letter with one word shows it every time.
    world->random.draws = {0.9f, 0.1f, 0.5f};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(choose(randomly(100, QStringLiteral("B"), 12, 12)), 12);
}

void TestNextWord::inOrderWalksAndWraps_data()
{
    using Variant = NextWordRequest::Variant;
    QTest::addColumn<int>("from");
    QTest::addColumn<Variant>("variant");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<int>("shown");
    QTest::newRow("whole table steps") << 7 << Variant::Start << "" << 8;
    QTest::newRow("whole table wraps") << 100 << Variant::Tick << "" << 1;
    QTest::newRow("start pulls into the range") << 3 << Variant::Start << "B" << 36;
    QTest::newRow("tick walks towards the range") << 3 << Variant::Tick << "B" << 4;
    QTest::newRow("inside the range") << 40 << Variant::Tick << "B" << 41;
    QTest::newRow("last of the range wraps") << 60 << Variant::Tick << "B" << 35;
    QTest::newRow("behind the range wraps") << 80 << Variant::Start << "B" << 35;
}

void TestNextWord::inOrderWalksAndWraps()
{
    QFETCH(int, from);
    QFETCH(NextWordRequest::Variant, variant);
    QFETCH(QString, letter);
    QFETCH(int, shown);
    open(100);
    moveTo(from);
    QCOMPARE(choose(inOrder(variant, 100, letter, 35, 60)), shown);
    QVERIFY(world->random.draws.isEmpty()); // no draw in order
}

void TestNextWord::inOrderNeverStepsPastTheLastRecord()
{
    // A count of 20 cached over a table of 10 rows.
    open(10);
    moveTo(9);
    QCOMPARE(choose(inOrder(NextWordRequest::Variant::Tick, 20)), 10);
    QCOMPARE(choose(inOrder(NextWordRequest::Variant::Tick, 20)), 1);
    // The same at the end of a letter range that the table no longer holds.
    open(40);
    moveTo(40);
    QCOMPARE(choose(inOrder(NextWordRequest::Variant::Start, 40, QStringLiteral("B"), 35, 60)), 35);
}

void TestNextWord::bothBoundsTooFarApartFail()
{
    open(10);
    world->random.draws = {0.5f};
    QVERIFY_THROWS_EXCEPTION(std::overflow_error, choose(randomly(10, QStringLiteral("B"), -30000, 30000)));
}

QTEST_MAIN(TestNextWord)
#include "tst_next_word.moc"
