// The Leitner schedule: boxes, moves and due days, as tables.
#include "progress/leitner.h"

#include <QTest>

using namespace vorbix;
using namespace vorbix::leitner;

Q_DECLARE_METATYPE(vorbix::Grading)
Q_DECLARE_METATYPE(vorbix::leitner::Move)

class TestLeitner : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void intervalsDoubleFromOneDay();
    void movesFollowTheGrading_data();
    void movesFollowTheGrading();
    void boxesMoveUpOneAndBackToTheFirst_data();
    void boxesMoveUpOneAndBackToTheFirst();
    void dueWhenTheIntervalHasPassed_data();
    void dueWhenTheIntervalHasPassed();
};

void TestLeitner::intervalsDoubleFromOneDay()
{
    const QList<int> expected{1, 1, 2, 4, 8, 16, 16}; // boxes 0..6: outside 1..5 the nearest box
    for (int box = 0; box <= 6; ++box)
        QCOMPARE(intervalDays(box), expected[box]);
}

void TestLeitner::movesFollowTheGrading_data()
{
    QTest::addColumn<Grading>("grading");
    QTest::addColumn<double>("score");
    QTest::addColumn<Move>("move");
    QTest::newRow("writing 10") << Grading::Verify << 10.0 << Move::Up;
    QTest::newRow("writing 9") << Grading::Verify << 9.0 << Move::Up;
    QTest::newRow("writing 8.99") << Grading::Verify << 8.99 << Move::Stay;
    QTest::newRow("writing 6") << Grading::TimeOut << 6.0 << Move::Stay;
    QTest::newRow("writing 5.99") << Grading::TimeOut << 5.99 << Move::BackToFirst;
    QTest::newRow("writing 1") << Grading::Verify << 1.0 << Move::BackToFirst;
    QTest::newRow("grid right in time") << Grading::Right << 10.0 << Move::Up;
    QTest::newRow("grid right in the overtime") << Grading::Late << 9.0 << Move::BackToFirst;
    QTest::newRow("grid wrong") << Grading::Wrong << 1.0 << Move::BackToFirst;
    QTest::newRow("grid closed at the limit") << Grading::Closed << 1.0 << Move::BackToFirst;
}

void TestLeitner::movesFollowTheGrading()
{
    QFETCH(Grading, grading);
    QFETCH(double, score);
    QFETCH(Move, move);
    QCOMPARE(moveFor(grading, score), move);
}

void TestLeitner::boxesMoveUpOneAndBackToTheFirst_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<Move>("move");
    QTest::addColumn<int>("next");
    QTest::newRow("1 up") << 1 << Move::Up << 2;
    QTest::newRow("4 up") << 4 << Move::Up << 5;
    QTest::newRow("5 up stays in the last") << 5 << Move::Up << 5;
    QTest::newRow("3 stays") << 3 << Move::Stay << 3;
    QTest::newRow("5 back") << 5 << Move::BackToFirst << 1;
    QTest::newRow("1 back") << 1 << Move::BackToFirst << 1;
    QTest::newRow("damaged 0 up") << 0 << Move::Up << 2;
    QTest::newRow("damaged 9 stays in the last") << 9 << Move::Stay << 5;
}

void TestLeitner::boxesMoveUpOneAndBackToTheFirst()
{
    QFETCH(int, box);
    QFETCH(Move, move);
    QFETCH(int, next);
    QCOMPARE(nextBox(box, move), next);
}

void TestLeitner::dueWhenTheIntervalHasPassed_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QDate>("last");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<bool>("due");
    const QDate march10(2025, 3, 10);
    QTest::newRow("box 1, answered today") << 1 << march10 << march10 << false;
    QTest::newRow("box 1, answered yesterday") << 1 << march10 << march10.addDays(1) << true;
    QTest::newRow("box 2, one day on") << 2 << march10 << march10.addDays(1) << false;
    QTest::newRow("box 2, two days on") << 2 << march10 << march10.addDays(2) << true;
    QTest::newRow("box 5, 15 days on") << 5 << march10 << march10.addDays(15) << false;
    QTest::newRow("box 5, 16 days on") << 5 << march10 << march10.addDays(16) << true;
    QTest::newRow("box 5, a year on") << 5 << march10 << march10.addYears(1) << true;
    QTest::newRow("over the end of February") << 3 << QDate(2024, 2, 27) << QDate(2024, 3, 2) << true;
    QTest::newRow("answered 'tomorrow' (clock set back)") << 4 << march10.addDays(1) << march10 << true;
    QTest::newRow("no date (damaged record)") << 3 << QDate() << march10 << true;
}

void TestLeitner::dueWhenTheIntervalHasPassed()
{
    QFETCH(int, box);
    QFETCH(QDate, last);
    QFETCH(QDate, today);
    QFETCH(bool, due);
    QCOMPARE(isDue(box, last, today), due);
}

QTEST_APPLESS_MAIN(TestLeitner)
#include "tst_leitner.moc"
