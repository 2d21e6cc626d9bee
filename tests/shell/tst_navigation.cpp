#include "test_support.h"

#include "dictionary/start_screen.h"
#include "grid_test/grid_screen.h"
#include "learning/learn_screen.h"
#include "data/sqlite_connection.h"
#include "data/store_paths.h"
#include "shell/startup.h"
#include "writing_test/write_screen.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "platform/ticker.h"

#include <optional>

using namespace vorbix;
using namespace vorbix::testing;

namespace {

// Counts the paints a window receives.
class PaintCounter final : public QObject
{
public:
    explicit PaintCounter(QWidget &window) { window.installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

} // namespace

class TestNavigation : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestWorld> world;
    StartScreen &start() { return static_cast<StartScreen &>(world->navigator.screen(ScreenId::Start)); }
    LearnScreen &learn() { return static_cast<LearnScreen &>(world->navigator.screen(ScreenId::Invatare)); }
    WriteScreen &write() { return static_cast<WriteScreen &>(world->navigator.screen(ScreenId::Test)); }
    GridScreen &grid() { return static_cast<GridScreen &>(world->navigator.screen(ScreenId::TestG)); }

private Q_SLOTS:
    void init();
    void cleanup();

    void startupShowsOnlyTheMainWindow();
    void pairIsCarriedOverAndTheMainWindowKeepsItsTexts();
    void leavingTheTestsResetsTheirScores();
    void ownButtonSaysHereAndChangesNothing();
    void exitAndTitleBarCloseEndTheProgram();
    void missingDatabaseIsReportedOnceAtStartup();
    void idsOutsideTheScreensAndPairsAreRefused();
    void damagedDatabaseIsNamedWithoutTheCreateAdvice();
    void settingsThatCannotBeSavedAreReportedOnceAndTheWordsStillShow();
};

void TestNavigation::init()
{
    world = std::make_unique<TestWorld>(sampleTables());
}

void TestNavigation::cleanup()
{
    world.reset();
}

void TestNavigation::startupShowsOnlyTheMainWindow()
{
    startAndWait(*world);
    QVERIFY(start().isVisible());
    QCOMPARE(start().objectName(), QStringLiteral("Start"));
    QVERIFY(world->navigator.existing(ScreenId::Invatare) == nullptr);
    QVERIFY(world->navigator.existing(ScreenId::TestG) == nullptr);
    QVERIFY(world->messages.shown.isEmpty());
    QCOMPARE(start().ui().Text23->text(), QStringLiteral("Text23"));
}

void TestNavigation::pairIsCarriedOverAndTheMainWindowKeepsItsTexts()
{
    startAndWait(*world);
    start().ui().pairOptions[3]->click(); // fre-eng
    start().ui().Text0->setText(QStringLiteral("ki"));
    start().ui().cmdInvat->click();

    QVERIFY(learn().isVisible());
    QVERIFY(!start().isVisible());
    QVERIFY(learn().ui().pairOptions[3]->isChecked());
    QCOMPARE(learn().ui().Label6->text(), QStringLiteral("FRENCH"));
    QCOMPARE(learn().nrmax(), 20);
    QCOMPARE(readSettings(world->root(), files::kMain), qMakePair(QStringLiteral("fraen"), qint64(20)));

    // Back on the main window with the same pair: nothing runs again, the
    // typed word and its rows are still there.
    learn().ui().cmdDict->click();
    QVERIFY(start().isVisible());
    QVERIFY(!learn().isVisible());
    QCOMPARE(start().ui().Text0->text(), QStringLiteral("ki"));
    QCOMPARE(start().ui().sourceWord[0]->text(), QStringLiteral("kind"));

    // A new pair on the learning screen is carried to the main window,
    // whose pair selection empties the look-up.
    start().ui().cmdInvat->click();
    learn().ui().pairOptions[4]->click(); // eng-ger
    learn().ui().cmdTestG->click();
    QVERIFY(grid().ui().pairOptions[4]->isChecked());
    QCOMPARE(grid().ui().Label7->text(), QStringLiteral("GERMAN"));
    QCOMPARE(readSettings(world->root(), files::kTestSettings), qMakePair(QStringLiteral("enger"), qint64(20)));
    grid().ui().cmdDict->click();
    QVERIFY(start().ui().pairOptions[4]->isChecked());
    QCOMPARE(start().ui().Text0->text(), QString());
    QCOMPARE(start().ui().Label7->text(), QStringLiteral("GERMAN"));
}

void TestNavigation::leavingTheTestsResetsTheirScores()
{
    startAndWait(*world);
    start().ui().cmdTest->click();
    write().ui().Check2->setChecked(true); // starts the countdown at once
    QVERIFY(write().timer().isActive());
    write().ui().Text7->setText(QStringLiteral("7.5"));
    write().ui().Text1->setText(QStringLiteral("7.50"));

    write().ui().cmdTestG->click();
    QVERIFY(!write().ui().Check2->isChecked());
    QVERIFY(!write().timer().isActive());
    QCOMPARE(write().ui().Cmdcont->text(), QStringLiteral("Continue"));
    QCOMPARE(write().ui().Text7->text(), QStringLiteral("1"));
    QCOMPARE(write().ui().Text1->text(), QString());
    QCOMPARE(write().medie(), 1.0f);

    grid().timer().start();
    grid().ui().Text3->setText(QStringLiteral("4"));
    grid().ui().Text7->setText(QStringLiteral("8"));
    grid().ui().Text8->setText(QStringLiteral("6.33"));
    grid().ui().cmdInvat->click();
    QVERIFY(!grid().timer().isActive());
    QCOMPARE(grid().ui().Text3->text(), QString());
    QCOMPARE(grid().ui().Text7->text(), QStringLiteral("1"));
    QCOMPARE(grid().ui().Text8->text(), QString());
    QCOMPARE(grid().medie(), 1.0f);

    learn().ui().Check2->setChecked(true);
    QCOMPARE(learn().ui().Cmdcont->text(), QStringLiteral("START"));
    learn().timer().start();
    learn().ui().cmdDict->click();
    QVERIFY(!learn().ui().Check2->isChecked());
    QVERIFY(!learn().timer().isActive());
    QCOMPARE(learn().ui().Cmdcont->text(), QStringLiteral("Continue"));
}

void TestNavigation::ownButtonSaysHereAndChangesNothing()
{
    startAndWait(*world);
    start().ui().cmdDict->click();
    QCOMPARE(world->messages.shown.size(), 1);
    QCOMPARE(world->messages.shown[0].text, QStringLiteral("Here !"));
    QCOMPARE(world->messages.shown[0].title, QStringLiteral("Vorbix"));
    QVERIFY(start().isVisible());
    QCOMPARE(start().ui().Text23->text(), QStringLiteral("Text23"));

    start().ui().cmdTestG->click();
    grid().ui().cmdTestG->click();
    QCOMPARE(world->messages.shown.size(), 2);
    QVERIFY(grid().isVisible());
}

void TestNavigation::exitAndTitleBarCloseEndTheProgram()
{
    startAndWait(*world);
    QSignalSpy exits(&world->navigator, &Navigator::exitRequested);
    start().ui().cmdTestG->click();
    grid().timer().start();
    grid().ui().iesi->click();
    QCOMPARE(exits.size(), 1);
    QVERIFY(!grid().isVisible());
    QVERIFY(!grid().timer().isActive());
    QVERIFY(world->messages.shown.isEmpty());

    auto other = std::make_unique<TestWorld>(sampleTables());
    QSignalSpy closed(&other->navigator, &Navigator::exitRequested);
    startAndWait(*other);
    other->navigator.screen(ScreenId::Start).close();
    QCOMPARE(closed.size(), 1);
}

void TestNavigation::missingDatabaseIsReportedOnceAtStartup()
{
    QFile::remove(mapDrivePath(QLatin1String(files::kTestSettings), world->root()));
    // The window is on screen before the files are checked: the message
    // comes over it, not before it.
    PaintCounter paints(start());
    int paintsBeforeTheMessage = -1;
    world->messages.whileShown = [&](const Message &) {
        if (paintsBeforeTheMessage < 0)
            paintsBeforeTheMessage = paints.count;
    };
    std::optional<bool> filesUsable; // what --quit-after-show ends with
    startProgram(world->navigator, world->store, world->messages, [&](bool usable) { filesUsable = usable; });
    QVERIFY(world->messages.shown.isEmpty());
    QTRY_VERIFY(filesUsable.has_value());
    QCOMPARE(*filesUsable, false);
    QCOMPARE(world->messages.shown.size(), 1);
    QVERIFY(paintsBeforeTheMessage > 0);
    world->messages.whileShown = nullptr;
    QCOMPARE(world->messages.shown.size(), 1);
    QCOMPARE(world->messages.shown[0].title, QStringLiteral("Vorbix"));
    QVERIFY(world->messages.shown[0].text.contains(QStringLiteral("Engleza/eng.db")));
    QVERIFY(world->messages.shown[0].text.contains(QStringLiteral("vorbix-import")));
    // The program goes on: the dictionary works, and the grid test takes the
    // pair over; its settings record cannot be saved, which it says once.
    start().ui().Text0->setText(QStringLiteral("ca"));
    QCOMPARE(start().ui().sourceWord[0]->text(), QStringLiteral("car"));
    start().ui().pairOptions[1]->click();
    start().ui().cmdTestG->click();
    QVERIFY(grid().isVisible());
    QCOMPARE(world->messages.shown.size(), 2);
    QVERIFY(world->messages.shown[1].text.contains(QStringLiteral("Engleza/eng.db")));
    QVERIFY(grid().ui().pairOptions[1]->isChecked());
    QCOMPARE(grid().ui().Label6->text(), QStringLiteral("SPANISH"));
    grid().ui().pairOptions[2]->click();
    QCOMPARE(world->messages.shown.size(), 2);
}

void TestNavigation::settingsThatCannotBeSavedAreReportedOnceAndTheWordsStillShow()
{
    // Every update of the record fails, as on a write-protected file: the
    // table accepts no count but 0.
    {
        SqliteConnection db(mapDrivePath(QLatin1String(files::kMain), world->root()),
                            SqliteConnection::Mode::ReadWrite);
        for (const char *statement : {"DROP TABLE ini", "CREATE TABLE ini (curent TEXT, nrcur INTEGER CHECK (nrcur = 0))",
                                      "INSERT INTO ini VALUES ('', 0)"})
            db.exec(QLatin1String(statement));
    }
    startAndWait(*world);
    start().ui().Text0->setText(QStringLiteral("ca"));
    QCOMPARE(start().ui().sourceWord[0]->text(), QStringLiteral("car")); // the look-up still works
    QCOMPARE(start().ui().targetWord[0]->text(), QStringLiteral("coche, carro"));
    start().ui().Text0->setText(QStringLiteral("do"));
    start().ui().pairOptions[2]->click();
    QCOMPARE(start().ui().Label7->text(), QStringLiteral("FRENCH"));
    start().ui().cmdInvat->click(); // the learning screen keeps its settings in the same file
    QVERIFY(learn().ui().pairOptions[2]->isChecked());
    QCOMPARE(learn().nrmax(), 20);
    QCOMPARE(world->messages.shown.size(), 1);
    QVERIFY(world->messages.shown[0].text.contains(QStringLiteral("English/engmi.db")));
    QVERIFY(world->messages.shown[0].text.contains(QStringLiteral("cannot be saved")));
}

void TestNavigation::idsOutsideTheScreensAndPairsAreRefused()
{
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, world->navigator.screen(ScreenId(4)));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, world->navigator.screen(ScreenId(-1)));
    QVERIFY(world->navigator.existing(ScreenId(7)) == nullptr);
    ScreenCursors &cursors = start().cursors();
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, cursors.words(6));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, cursors.words(-1));
    QCOMPARE(cursors.words(5).pair().tableCode, "geren");
}

void TestNavigation::damagedDatabaseIsNamedWithoutTheCreateAdvice()
{
    QFile file(mapDrivePath(QLatin1String(files::kTestSettings), world->root()));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("this is not a database, but it is there");
    file.close();
    startAndWait(*world);
    QCOMPARE(world->messages.shown.size(), 1);
    QVERIFY(world->messages.shown[0].text.contains(QStringLiteral("Engleza/eng.db")));
    QVERIFY(!world->messages.shown[0].text.contains(QStringLiteral("vorbix-import freedict")));
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
