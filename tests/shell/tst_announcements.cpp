// What a screen reader is told when a handler shows a result away from the
// focus (the entry the dictionary finds, the word an exercise presents, the
// scores and the right answer), and that the grid's right and wrong choices
// are told, not only coloured.
//
// A screen reader speaks a notification when it shows (Qt's AT-SPI bridge
// reports the showing of every widget); the test reads the role and the
// text of each widget that shows through Qt's accessibility interfaces.
#include "test_support.h"

#include "dictionary/start_screen.h"
#include "grid_test/grid_screen.h"
#include "learning/learn_screen.h"
#include "writing_test/write_screen.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace vorbix;
using namespace vorbix::testing;

namespace {

// What a screen reader speaks: each notification that shows, and which
// control takes the focus.
class Listener final : public QObject
{
public:
    QStringList spoken;
    QStringList focused;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!watched->isWidgetType())
            return false;
        if (event->type() == QEvent::Show) {
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(watched);
            if (iface && iface->role() == QAccessible::Notification && !iface->state().invisible)
                spoken.append(iface->text(QAccessible::Name));
        } else if (event->type() == QEvent::FocusIn) {
            focused.append(watched->objectName());
        }
        return false;
    }
};

} // namespace

class TestAnnouncements : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestWorld> world;
    Listener listener;
    QStringList &spoken = listener.spoken;
    QStringList &focused = listener.focused;
    template<typename S>
    S &open(ScreenId id)
    {
        Screen &screen = world->navigator.screen(id);
        screen.show();
        screen.activateWindow();
        if (!QTest::qWaitForWindowActive(&screen))
            qFatal("the window did not become active");
        spoken.clear();
        focused.clear();
        return static_cast<S &>(screen);
    }
    QString lastSpoken() const { return listener.spoken.isEmpty() ? QString() : listener.spoken.last(); }
    // The announcement waiting for the screen to settle is made.
    void settle(Screen &screen)
    {
        if (auto *timer = screen.findChild<QTimer *>(QStringLiteral("announceTimer")))
            world->tickers.of(timer).fire();
    }
    // What a screen reader has been told once the screen has settled.
    const QStringList &heard(Screen &screen)
    {
        settle(screen);
        return spoken;
    }
    QString lastHeard(Screen &screen)
    {
        settle(screen);
        return lastSpoken();
    }
    static QString describe(QWidget *w)
    {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
    }

private Q_SLOTS:
    void initTestCase() { qApp->installEventFilter(&listener); }
    void init()
    {
        world = std::make_unique<TestWorld>(sampleTables());
        spoken.clear();
        focused.clear();
    }
    void cleanup() { world.reset(); }

    void dictionaryTellsTheEntryFoundWhenItChanges();
    void exercisesTellTheWordPresented();
    void writingTestTellsTheScoresAndOnlyAnUncoveredAnswer();
    void gridTellsTheWordAskedAndRightOrWrong();
};

void TestAnnouncements::dictionaryTellsTheEntryFoundWhenItChanges()
{
    auto &start = static_cast<StartScreen &>(world->navigator.screen(ScreenId::Start));
    start.ui().Text0->setText(QStringLiteral("ca")); // the window is hidden: nothing is said
    QCOMPARE(heard(start), QStringList());

    open<StartScreen>(ScreenId::Start);
    QLineEdit *lookUp = start.ui().Text0;
    lookUp->clear();
    lookUp->setFocus();
    // Told once the keys stop, and only the last entry found.
    QTest::keyClicks(lookUp, QStringLiteral("hou"));
    QCOMPARE(spoken, QStringList());
    QCOMPARE(heard(start), QStringList({"house: casa"}));
    // A key that finds the same entry tells nothing new.
    QTest::keyClick(lookUp, Qt::Key_S);
    QCOMPARE(heard(start).size(), 1);
    // Browsing tells the entry it moves to.
    QTest::keyClick(lookUp, Qt::Key_Down);
    QCOMPARE(heard(start), QStringList({"house: casa", "in: en"}));

    // Left and shown again, the window does not repeat what it said.
    start.hide();
    start.show();
    QCOMPARE(heard(start), QStringList({"house: casa", "in: en"}));
}

void TestAnnouncements::exercisesTellTheWordPresented()
{
    auto &learn = open<LearnScreen>(ScreenId::Invatare);
    world->random.draws = {0.5f};
    learn.ui().Cmdcont->click();
    QCOMPARE(heard(learn), QStringList({"dog: perro"}));

    // Words the timer presents are told as well.
    learn.ui().Text2->setText(QStringLiteral("1"));
    learn.ui().Check2->click();
    learn.ui().Cmdcont->click(); // a pause first
    world->random.draws = {0.5f};
    learn.ui().Cmdcont->click();
    QCOMPARE(lastHeard(learn), QStringLiteral("dog: perro"));
    world->random.draws = {0.25f};
    world->tickers.of(learn.ui().Timer1).fire();
    QCOMPARE(lastHeard(learn), QStringLiteral("in: en"));
    QCOMPARE(spoken.size(), 3);

    // The right answer of "Write words" is covered when a word is presented.
    auto &write = open<WriteScreen>(ScreenId::Test);
    world->random.draws = {0.5f};
    write.ui().Cmdcont->click();
    QCOMPARE(heard(write), QStringList({"dog"}));
}

void TestAnnouncements::writingTestTellsTheScoresAndOnlyAnUncoveredAnswer()
{
    auto &write = open<WriteScreen>(ScreenId::Test);
    world->random.draws = {0.5f};
    write.ui().Cmdcont->click(); // "dog"
    QTest::keyClicks(write.ui().Text5, QStringLiteral("perro"));
    write.ui().Cmdok->click();
    // What settles replaces what waited: the word, then at once its score.
    QCOMPARE(heard(write), QStringList({"Score 10, total scores 10.00. Right answer: perro."}));

    // Graded when the time runs out, the answer stays covered: it is not told.
    write.ui().Text2->setText(QStringLiteral("1"));
    write.ui().Check2->click(); // counts down at once
    write.ui().Cmdcont->click(); // a pause first
    world->random.draws = {0.5f};
    write.ui().Cmdcont->click();
    QTest::keyClicks(write.ui().Text5, QStringLiteral("gato"));
    world->tickers.of(write.ui().Timer2).fire();
    QCOMPARE(lastHeard(write), QStringLiteral("Score 1, total scores 5.50."));
    QVERIFY(!write.ui().Text9->isHidden());
}

void TestAnnouncements::gridTellsTheWordAskedAndRightOrWrong()
{
    auto &grid = open<GridScreen>(ScreenId::TestG);
    const auto ask = [&] {
        world->random.draws = {0.5f, 0.1f, 0.2f, 0.3f, 0.4f, // the entries
                               0.9f, 0.7f, 0.5f, 0.3f, 0.1f}; // slots 0..4 in order
        grid.ui().Cmdcont->click();
    };
    ask();
    const QString right = grid.ui().Text2[grid.rasppoz()]->text();
    const int wrong = grid.rasppoz() == 0 ? 1 : 0;
    QCOMPARE(heard(grid), QStringList({grid.ui().Text1->text()}));
    QCOMPARE(focused, QStringList({"Option14_0"}));
    for (int k = 0; k < 5; ++k)
        QCOMPARE(describe(grid.ui().Option14[k]), QString());

    grid.ui().Option14[wrong]->click();
    QCOMPARE(lastHeard(grid), QStringLiteral("Wrong. Right answer: %1. Score 1, total scores 1.00.").arg(right));
    // The colours are told too, on the choices and on their boxes.
    for (int k = 0; k < 5; ++k) {
        const QString verdict = k == grid.rasppoz() ? QStringLiteral("right answer") : QStringLiteral("wrong answer");
        QCOMPARE(describe(grid.ui().Option14[k]), verdict);
        QCOMPARE(describe(grid.ui().Text2[k]), verdict);
    }

    // The next question clears them, and hands the focus to the first
    // choice afresh even when it had it, so that the choice is read.
    grid.ui().Option14[0]->setFocus();
    focused.clear();
    ask();
    QCOMPARE(focused, QStringList({"Option14_0"}));
    QCOMPARE(describe(grid.ui().Option14[grid.rasppoz()]), QString());
    grid.ui().Option14[grid.rasppoz()]->click();
    QCOMPARE(lastHeard(grid), QStringLiteral("Right. Score 10, total scores 5.50."));

    ask();
    for (int i = 0; i < 10; ++i)
        world->tickers.of(grid.ui().Timer3).fire();
    QCOMPARE(lastHeard(grid), QStringLiteral("Time is up. Right answer: %1. Score 1, total scores 4.00.").arg(right));
}

QTEST_MAIN(TestAnnouncements)
#include "tst_announcements.moc"
