#include "test_support.h"

#include "data/cursor.h"
#include "data/store_paths.h"
#include "grid_test/grid_question.h"
#include "grid_test/grid_scoring.h"

#include <QTest>

using namespace vorbix;
using namespace vorbix::testing;

using Texts = QList<QString>;
using Numbers = QList<int>;

// r that draws n from Int((1 - r) * m), in the middle of its interval.
static float drawing(int n, int m)
{
    return 1.0f - (n + 0.5f) / float(m);
}

// The draw of a question, the placement of its choices and the scoring,
// each with scripted draws or plain values.
class TestGridRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void drawReadsTheDrawnEntries_data();
    void drawReadsTheDrawnEntries();
    void placementIsAPermutationNamingTheRightSlot_data();
    void placementIsAPermutationNamingTheRightSlot();
    void everySlotWithTheRightTextIsRight();
    void scoreDependsOnRightnessAndTimeLeft();
    void countdownStopsAtTheEndOfOvertime();
    void attemptCountStopsAtItsLargestValue();
};

void TestGridRules::drawReadsTheDrawnEntries_data()
{
    QTest::addColumn<Numbers>("indexes");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<Texts>("variante");
    // 0 finds nothing: the texts come from where the cursor stands (first
    // record when opened, else the last one found). Repeats are kept.
    QTest::newRow("first draw finds nothing") << Numbers{0, 4, 4, 1, 5} << "one"
                                              << Texts{"uno", "cuatro", "cuatro", "uno", "cinco", ""};
    QTest::newRow("missing words read empty") << Numbers{3, 0, 2, 5, 3} << ""
                                              << Texts{"tres", "tres", "", "cinco", "tres", ""};
}

void TestGridRules::drawReadsTheDrawnEntries()
{
    QFETCH(Numbers, indexes);
    QFETCH(QString, asked);
    QFETCH(Texts, variante);
    Tables tables;
    tables[QStringLiteral("enspa")] = rows({"one=uno", "two=", "three=tres", "four=cuatro", "five=cinco"});
    tables[QStringLiteral("enspa")][2].source.reset();
    TestWorld world(tables);
    Cursor words(world.store, mapDrivePath(QLatin1String(files::kMain), world.root()), kLanguagePairs[0]);
    for (int n : indexes)
        world.random.draws << drawing(n, 5);

    const GridDraw draw = drawQuestion(words, world.random, 5);
    QCOMPARE(draw.asked, asked);
    QCOMPARE(Texts(draw.variante.begin(), draw.variante.end()), variante);
    QVERIFY(world.random.draws.isEmpty());
}

void TestGridRules::placementIsAPermutationNamingTheRightSlot_data()
{
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<Numbers>("pozitii");
    QTest::addColumn<int>("rasppoz");
    auto slots = [](const Numbers &entries) {
        QList<float> r;
        for (int e : entries)
            r << drawing(e, 5);
        return r;
    };
    QTest::newRow("in order") << slots({0, 1, 2, 3, 4}) << Numbers{0, 1, 2, 3, 4} << 0;
    QTest::newRow("reversed") << slots({4, 3, 2, 1, 0}) << Numbers{4, 3, 2, 1, 0} << 4;
    QTest::newRow("taken entries drawn again") << slots({2, 2, 0, 2, 0, 4, 3, 1}) << Numbers{2, 0, 4, 3, 1} << 1;
    // r = 0 draws 5, which names no prepared text: drawn again like a taken one.
    QTest::newRow("a draw of 5 drawn again") << (QList<float>{0.0f} + slots({3, 1}) + QList<float>{0.0f}
                                                 + slots({0, 4, 2}))
                                             << Numbers{3, 1, 0, 4, 2} << 2;
    QTest::newRow("right text last, after a 5") << (slots({1, 2, 3, 4}) + QList<float>{0.0f} + slots({0}))
                                                << Numbers{1, 2, 3, 4, 0} << 4;
}

void TestGridRules::placementIsAPermutationNamingTheRightSlot()
{
    QFETCH(QList<float>, draws);
    QFETCH(Numbers, pozitii);
    QFETCH(int, rasppoz);
    ScriptedRandom random;
    random.draws = draws;
    const GridPlacement placement = placeChoices(random);
    QCOMPARE(Numbers(placement.pozitii.begin(), placement.pozitii.end()), pozitii);
    QCOMPARE(int(placement.rasppoz), rasppoz);
    QVERIFY(random.draws.isEmpty()); // every scripted draw used, none more
}

void TestGridRules::everySlotWithTheRightTextIsRight()
{
    const std::array<QString, 5> twice{"cama", "un", "cama", "perro", "Cama"};
    QCOMPARE(rightSlots(twice, 2), (std::array<bool, 5>{true, false, true, false, false}));
    const std::array<QString, 5> once{"a", "b", "c", "d", "e"};
    QCOMPARE(rightSlots(once, 4), (std::array<bool, 5>{false, false, false, false, true}));
}

void TestGridRules::scoreDependsOnRightnessAndTimeLeft()
{
    const struct { bool right; double left; float score; } cases[] = {
        {true, 5, 10}, {true, 3, 10}, {true, 0, 10}, {true, -1, 9}, {true, -2, 8}, {true, -4, 6},
        {false, 5, 1}, {false, -4, 1},
    };
    for (const auto &c : cases)
        QCOMPARE(choiceScore(c.right, c.left), c.score);
}

void TestGridRules::countdownStopsAtTheEndOfOvertime()
{
    const struct { double before, after; } cases[] = {{5, 4}, {1, 0}, {0, -1}, {-4, -5}, {-5, -5}, {-6, -6}};
    for (const auto &c : cases)
        QCOMPARE(countdownStep(c.before), c.after);
}

void TestGridRules::attemptCountStopsAtItsLargestValue()
{
    QCOMPARE(nextAttempt(0), qint16(1));
    QCOMPARE(nextAttempt(32766), qint16(32767));
    QCOMPARE(nextAttempt(32767), qint16(32767));
}

QTEST_MAIN(TestGridRules)
#include "tst_grid_rules.moc"
