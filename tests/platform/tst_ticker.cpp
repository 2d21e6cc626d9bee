// The program's ticker is the window's designed QTimer: precise, and left
// alone by a redundant start or an unchanged interval, so it never drifts.
#include "platform/ticker.h"

#include <QCoreApplication>
#include <QTest>
#include <QTimer>

using namespace vorbix;

class TestTicker : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void redundantStartsAndIntervalsChangeNothing();
    void ticksReachTheHandler();
};

void TestTicker::redundantStartsAndIntervalsChangeNothing()
{
    QTimer timer;
    timer.setInterval(1000);
    TimerTickerFactory factory;
    const std::unique_ptr<Ticker> ticker = factory.make(&timer);
    QCOMPARE(timer.timerType(), Qt::PreciseTimer);

    ticker->start();
    QVERIFY(ticker->isActive());
    const int id = timer.timerId(); // a restart would register a new timer
    ticker->start();
    ticker->setInterval(1000);
    QCOMPARE(timer.timerId(), id);
    QCOMPARE(ticker->interval(), 1000);

    ticker->setInterval(500); // another interval does take effect
    QCOMPARE(ticker->interval(), 500);
    ticker->stop();
    QVERIFY(!ticker->isActive());
    QVERIFY(!timer.isActive());
}

void TestTicker::ticksReachTheHandler()
{
    QTimer timer;
    timer.setInterval(1);
    TimerTickerFactory factory;
    const std::unique_ptr<Ticker> ticker = factory.make(&timer);
    int ticks = 0;
    ticker->setTickHandler([&] { ++ticks; });
    QMetaObject::invokeMethod(&timer, "timeout"); // as the event loop would
    QCOMPARE(ticks, 1);
}

QTEST_GUILESS_MAIN(TestTicker)
#include "tst_ticker.moc"
