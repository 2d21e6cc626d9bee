// How a handler's failure reaches the user: trapped handlers end silently;
// every other one ends at the event boundary, tells the user once and leaves
// no busy pointer and no running timer behind.
#include "test_support.h"

#include "data/record_error.h"
#include "shell/handler_boundary.h"

#include <QTest>

using namespace vorbix;
using namespace vorbix::testing;

class TestHandlerBoundary : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { world = std::make_unique<TestWorld>(sampleTables()); }
    void cleanup() { world.reset(); }

    void trappedFailureEndsSilentlyKeepingWhatWasDone();
    void guardedFailureStopsTheTimerRestoresThePointerAndTellsOnce();
    void guardedSuccessChangesNothing();

private:
    std::unique_ptr<TestWorld> world;
};

void TestHandlerBoundary::trappedFailureEndsSilentlyKeepingWhatWasDone()
{
    int steps = 0;
    runTrapped([&] {
        ++steps;
        throw RecordError(QStringLiteral("no current record"));
    });
    QCOMPARE(steps, 1);
    QVERIFY(world->messages.shown.isEmpty());
}

void TestHandlerBoundary::guardedFailureStopsTheTimerRestoresThePointerAndTellsOnce()
{
    ManualTicker timer;
    timer.start();
    bool rolledBack = false;
    const bool done = runGuarded(
        world->services,
        [&] {
            BusyPointer busy(world->pointer);
            world->pointer.showBusy(); // a second pointer the failure leaves set
            throw RecordError(QStringLiteral("Table enspa in engmi.db: there is no current record."));
        },
        &timer, [&] { rolledBack = true; });
    QVERIFY(!done);
    QVERIFY(!timer.isActive());
    QVERIFY(rolledBack);
    QVERIFY(!world->pointer.isBusy());
    QCOMPARE(world->messages.shown.size(), 1);
    QVERIFY(world->messages.shown[0].text.contains(QStringLiteral("no current record")));
    QCOMPARE(world->messages.shown[0].title, QStringLiteral("Vorbix"));

    // Any other failure is reported the same way.
    QVERIFY(!runGuarded(world->services, [] { throw std::out_of_range("bad id"); }));
    QCOMPARE(world->messages.shown.size(), 2);
}

void TestHandlerBoundary::guardedSuccessChangesNothing()
{
    ManualTicker timer;
    timer.start();
    bool rolledBack = false;
    QVERIFY(runGuarded(world->services, [] {}, &timer, [&] { rolledBack = true; }));
    QVERIFY(timer.isActive());
    QVERIFY(!rolledBack);
    QVERIFY(world->messages.shown.isEmpty());
}

QTEST_MAIN(TestHandlerBoundary)
#include "tst_handler_boundary.moc"
