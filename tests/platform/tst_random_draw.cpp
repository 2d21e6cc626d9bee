// The draw Int((1 - r) * m) is defined in single precision; a double product
// gives another whole number near every integer boundary.
#include "platform/random_source.h"

#include <QTest>

#include <cmath>

using namespace vorbix;

class TestRandomDraw : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void singlePrecisionBoundaries_data();
    void singlePrecisionBoundaries();
    void rangeOfTheDraw();
    void reseedsNeverReplayASequence();
};

void TestRandomDraw::singlePrecisionBoundaries_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("expected");
    // Pairs where the product in double lands just below the whole number
    // that the single-precision product reaches.
    QTest::newRow("0.030000031 x 100") << 0.030000031f << 100 << 97;
    QTest::newRow("0.545454562 x 22") << 0x1.1745d2p-1f << 22 << 10;
    QTest::newRow("0.554455459 x 202") << 0x1.1be196p-1f << 202 << 90;
    QTest::newRow("0.141680419 x 607") << 0x1.222958p-3f << 607 << 521;
    QTest::newRow("0.660712123 x 16402") << 0x1.5248dcp-1f << 16402 << 5565;
}

void TestRandomDraw::singlePrecisionBoundaries()
{
    QFETCH(float, r);
    QFETCH(int, m);
    QFETCH(int, expected);
    QCOMPARE(drawBelow(r, m), expected);
    // The pair really is a boundary: the double product falls short.
    QCOMPARE(int(std::floor(double(1.0f - r) * m)), expected - 1);
}

void TestRandomDraw::rangeOfTheDraw()
{
    QCOMPARE(drawBelow(0.0f, 500), 500);       // m itself only when r is 0
    QCOMPARE(drawBelow(0.999f, 500), 0);       // a draw of 0 finds no record
    QCOMPARE(drawBelow(0.5f, 5), 2);
    QCOMPARE(drawBelow(0.99999994f, 32767), 0); // the largest r below 1
    QCOMPARE(drawBelow(0.25f, 0), 0);
}

void TestRandomDraw::reseedsNeverReplayASequence()
{
    SystemRandomSource random;
    QList<QList<float>> sequences;
    for (int i = 0; i < 20; ++i) {
        random.reseedFromClock(); // many reseeds within one tick of the clock
        QList<float> draws;
        for (int k = 0; k < 4; ++k) {
            const float r = random.next();
            QVERIFY(r >= 0.0f && r < 1.0f);
            draws.append(r);
        }
        QVERIFY2(!sequences.contains(draws), "a reseed replayed an earlier sequence");
        sequences.append(draws);
    }
}

QTEST_APPLESS_MAIN(TestRandomDraw)
#include "tst_random_draw.moc"
