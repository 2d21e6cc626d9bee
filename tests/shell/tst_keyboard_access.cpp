// Everything can be done without a mouse, and a screen reader can name every
// control: the tab order, the keys of the buttons and the accessible names.
#include "test_support.h"

#include "dictionary/start_screen.h"
#include "grid_test/grid_screen.h"
#include "learning/learn_screen.h"
#include "writing_test/write_screen.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace vorbix;
using namespace vorbix::testing;

Q_DECLARE_METATYPE(ScreenId)

class TestKeyboardAccess : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestWorld> world;
    // What a screen reader reads as the control's name.
    static QString readName(QWidget *w)
    {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).trimmed();
    }
    Screen &open(ScreenId id)
    {
        Screen &screen = world->navigator.screen(id);
        screen.show();
        screen.activateWindow();
        if (!QTest::qWaitForWindowActive(&screen))
            qFatal("the window did not become active");
        return screen;
    }
    template<typename T = QWidget>
    static T *child(Screen &screen, const char *name)
    {
        T *found = screen.findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

private Q_SLOTS:
    void init() { world = std::make_unique<TestWorld>(sampleTables()); }
    void cleanup() { world.reset(); }

    void tabFollowsTheReadingOrder_data();
    void tabFollowsTheReadingOrder();
    void everyControlHasAnAccessibleName_data();
    void everyControlHasAnAccessibleName();
    void buttonsAnswerTheirKeys();
    void enterInTheAnswerBoxVerifies();
    void arrowsMoveBetweenChoicesAndSpaceChooses();
    void screenReaderFollowsTheScreens();
    void startButtonIsDescribedAsItReads();
    void coveredAnswerCannotBeReachedOrRead();
};

void TestKeyboardAccess::tabFollowsTheReadingOrder_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QStringList>("order");
    const QStringList navigation{"cmdDict", "cmdInvat", "cmdTest", "cmdTestG", "iesi"};
    const QStringList options{"Option3", "Option1", "Option2", "Check1"};
    const QStringList settings{"Option13", "Text2", "Text6", "Option9", "Combo1"};
    QTest::newRow("Dictionary") << ScreenId::Start
                                << QStringList{"Text0", "cmdclr"} + options + QStringList{"VScroll1"} + navigation;
    QTest::newRow("Learn words") << ScreenId::Invatare
                                 << options + settings + QStringList{"Text3", "Text4", "Cmdcont", "Check2"}
                                        + navigation;
    QTest::newRow("Write words")
        << ScreenId::Test
        // The right answer is left out: covered when the screen opens, Tab
        // passes it by (coveredAnswerCannotBeReachedOrRead).
        << options + settings + QStringList{"Text3", "Text5", "Cmdcont", "Cmdok", "Check2", "Text7", "Text1"}
               + navigation;
    QTest::newRow("Grid test") << ScreenId::TestG
                               << options
                                      + QStringList{"Option13", "Text2_5", "Text9", "Text1", "Text2_0", "Text2_4",
                                                    "Cmdcont", "Text3", "Text7", "Text8"}
                                      + navigation;
}

void TestKeyboardAccess::tabFollowsTheReadingOrder()
{
    QFETCH(ScreenId, id);
    QFETCH(QStringList, order);
    Screen &screen = open(id);
    // Walk the chain the Tab key walks and keep the controls named above.
    QStringList seen;
    QWidget *w = screen.focusWidget() ? screen.focusWidget() : &screen;
    QWidget *start = child(screen, order.first().toLatin1().constData());
    start->setFocus(Qt::TabFocusReason);
    w = start;
    for (int steps = 0; steps < 200; ++steps) {
        if ((w->focusPolicy() & Qt::TabFocus) && order.contains(w->objectName()) && !seen.contains(w->objectName()))
            seen.append(w->objectName());
        w = w->nextInFocusChain();
        if (w == start)
            break;
    }
    QCOMPARE(seen, order);
    if (id == ScreenId::Start)
        QCOMPARE(QApplication::focusWidget(), child(screen, "Text0"));
}

void TestKeyboardAccess::everyControlHasAnAccessibleName_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QStringList>("expected"); // "objectName=accessible name"
    QTest::newRow("Dictionary") << ScreenId::Start
                                << QStringList{"Text0=Translate this word", "cmdclr=Clean", "Text9=Word, row 2",
                                               "Option4=spa-eng", "Check1=a/A, bold words", "Option2=ABC, capital letters",
                                               "iesi=Exit"};
    QTest::newRow("Learn words") << ScreenId::Invatare
                                 << QStringList{"Text2=Set time", "Text6=Time left", "Cmdcont=START",
                                                "Combo1=Letter", "Option11=Beginner", "Text4=Translation"};
    QTest::newRow("Write words") << ScreenId::Test
                                 << QStringList{"Text5=Your answer", "Cmdok=Verify", "Text7=Current scores",
                                                "Text1=Total scores", "Check2=Timer"};
    QTest::newRow("Grid test") << ScreenId::TestG
                               << QStringList{"Option14_2=Choice 3", "Text2_2=Choice 3", "Text2_5=Time",
                                              "Text8=Total scores", "Text3=Attempts", "Text1=Word asked"};
}

void TestKeyboardAccess::everyControlHasAnAccessibleName()
{
    QFETCH(ScreenId, id);
    QFETCH(QStringList, expected);
    Screen &screen = world->navigator.screen(id);
    for (QWidget *w : screen.findChildren<QWidget *>()) {
        const bool control = qobject_cast<QAbstractButton *>(w) || qobject_cast<QComboBox *>(w)
                             || qobject_cast<QScrollBar *>(w) || qobject_cast<QLineEdit *>(w);
        if (!control || w->isHidden() || w->focusPolicy() == Qt::NoFocus)
            continue; // hidden carriers and the cover over the right answer
        if (qobject_cast<QLineEdit *>(w) && w->parentWidget() && qobject_cast<QComboBox *>(w->parentWidget()))
            continue;
        QVERIFY2(!readName(w).isEmpty(), qPrintable(w->objectName()));
    }
    for (const QString &pair : expected) {
        const QStringList parts = pair.split(QLatin1Char('='));
        QCOMPARE(readName(child(screen, parts[0].toLatin1().constData())), parts[1]);
    }
}

void TestKeyboardAccess::screenReaderFollowsTheScreens()
{
    // Each window is reported as a window, named by its title.
    for (ScreenId id : {ScreenId::Start, ScreenId::Invatare, ScreenId::Test, ScreenId::TestG}) {
        Screen &screen = world->navigator.screen(id);
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&screen);
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), screen.windowTitle());
    }

    // The display options' frame has no caption on the main window.
    auto &start = static_cast<StartScreen &>(world->navigator.screen(ScreenId::Start));
    QCOMPARE(start.ui().fontsFrame->title(), QString());
    QCOMPARE(readName(start.ui().fontsFrame), QStringLiteral("Fonts"));
    QCOMPARE(readName(start.ui().titleFrame), QStringLiteral("Title"));

    // The start button is read as it reads.
    auto &learn = static_cast<LearnScreen &>(world->navigator.screen(ScreenId::Invatare));
    QCOMPARE(readName(learn.ui().Cmdcont), QStringLiteral("START"));
    world->random.draws = {0.5f};
    learn.ui().Cmdcont->click();
    QCOMPARE(readName(learn.ui().Cmdcont), QStringLiteral("Continue"));
    learn.ui().Check2->click();
    QCOMPARE(readName(learn.ui().Cmdcont), QStringLiteral("START"));
    learn.ui().Cmdcont->click(); // the word on show counts as running: a pause first
    world->random.draws = {0.5f};
    learn.ui().Cmdcont->click();
    QCOMPARE(readName(learn.ui().Cmdcont), QStringLiteral("STOP"));

    // The grid's choices are read as the translations beside them.
    auto &grid = static_cast<GridScreen &>(world->navigator.screen(ScreenId::TestG));
    QCOMPARE(readName(grid.ui().Option14[3]), QStringLiteral("Choice 4"));
    world->random.draws = {0.5f, 0.1f, 0.2f, 0.3f, 0.4f, 0.9f, 0.7f, 0.5f, 0.3f, 0.1f};
    grid.ui().Cmdcont->click();
    for (int k = 0; k < 5; ++k) {
        QVERIFY(!grid.ui().Text2[k]->text().isEmpty());
        QCOMPARE(readName(grid.ui().Option14[k]), grid.ui().Text2[k]->text());
    }
    QCOMPARE(readName(grid.ui().Frame1), QStringLiteral("Choices"));
}

void TestKeyboardAccess::startButtonIsDescribedAsItReads()
{
    // The tooltip, which a screen reader reads as the description, names the
    // caption on show and the key, whichever handler changed the caption.
    const auto describe = [](QPushButton *button) {
        return QAccessible::queryAccessibleInterface(button)->text(QAccessible::Description);
    };
    auto &learn = static_cast<LearnScreen &>(world->navigator.screen(ScreenId::Invatare));
    QPushButton *start = learn.ui().Cmdcont;
    QCOMPARE(describe(start), QStringLiteral("START (Alt+S)"));
    world->random.draws = {0.5f};
    start->click();
    QCOMPARE(describe(start), QStringLiteral("Continue (Alt+S)"));
    learn.ui().Check2->click();
    QCOMPARE(describe(start), QStringLiteral("START (Alt+S)"));
    start->click(); // a pause first
    world->random.draws = {0.5f};
    start->click();
    QCOMPARE(describe(start), QStringLiteral("STOP (Alt+S)"));
    QCOMPARE(start->toolTip(), describe(start));

    auto &write = static_cast<WriteScreen &>(world->navigator.screen(ScreenId::Test));
    world->random.draws = {0.5f};
    write.ui().Cmdcont->click();
    QCOMPARE(describe(write.ui().Cmdcont), QStringLiteral("Continue (Alt+S)"));
    write.ui().Cmdok->click();
    QCOMPARE(describe(write.ui().Cmdok), QStringLiteral("Verify (Alt+V)"));

    auto &grid = static_cast<GridScreen &>(world->navigator.screen(ScreenId::TestG));
    world->random.draws = {0.5f, 0.1f, 0.2f, 0.3f, 0.4f, 0.9f, 0.7f, 0.5f, 0.3f, 0.1f};
    grid.ui().Cmdcont->click();
    QCOMPARE(describe(grid.ui().Cmdcont), QStringLiteral("Continue (Alt+S)"));
}

void TestKeyboardAccess::coveredAnswerCannotBeReachedOrRead()
{
    auto &write = static_cast<WriteScreen &>(open(ScreenId::Test));
    QLineEdit *right = write.ui().Text4;
    QAccessibleInterface *answer = QAccessible::queryAccessibleInterface(right);
    // The value, and the text a reader walks through.
    const auto readable = [&] {
        return answer->text(QAccessible::Value) + answer->textInterface()->text(0, int(right->text().size()));
    };

    world->random.draws = {0.5f, 0.5f};
    write.ui().Cmdcont->click(); // "dog", covered
    QCOMPARE(right->text(), QStringLiteral("perro"));
    QCOMPARE(readable(), QString());
    QVERIFY(!answer->state().focusable);
    QVERIFY(answer->state().invisible); // never presented, not even as a password box
    QVERIFY(write.ui().Text5->hasFocus());
    QTest::keyClick(write.ui().Text5, Qt::Key_Tab); // passes the covered answer by
    QVERIFY(write.ui().Cmdcont->hasFocus());

    write.ui().Cmdok->click(); // uncovered
    QVERIFY(!answer->state().invisible);
    QVERIFY(!answer->state().passwordEdit);
    QCOMPARE(answer->text(QAccessible::Value), QStringLiteral("perro"));
    QCOMPARE(answer->textInterface()->text(0, 5), QStringLiteral("perro"));
    QVERIFY(answer->state().focusable);
    write.ui().Text5->setFocus(Qt::TabFocusReason);
    QTest::keyClick(write.ui().Text5, Qt::Key_Tab);
    QVERIFY(right->hasFocus());

    // A pause of a timed word covers the answer again while it has the
    // focus: the focus goes to the user's answer, not into the blank.
    write.ui().Check2->click();
    write.ui().Cmdcont->click(); // a pause: the word on show counts as running
    world->random.draws = {0.25f};
    write.ui().Cmdcont->click(); // a timed word
    write.ui().Cmdok->click();
    right->setFocus(Qt::TabFocusReason);
    write.ui().Cmdcont->click(); // with "Timer" and a word on show: a pause
    QCOMPARE(write.ui().Cmdcont->text(), QStringLiteral("Continue"));
    QVERIFY(!write.ui().Text9->isHidden());
    QVERIFY(write.ui().Text5->hasFocus());
    QCOMPARE(readable(), QString());
}

void TestKeyboardAccess::buttonsAnswerTheirKeys()
{
    Screen &start = open(ScreenId::Start);
    child<QLineEdit>(start, "Text0")->setText(QStringLiteral("ca"));
    QTest::keyClick(&start, Qt::Key_C, Qt::AltModifier); // "Clean"
    QCOMPARE(child<QLineEdit>(start, "Text0")->text(), QString());
    QCOMPARE(child<QPushButton>(start, "cmdclr")->text(), QStringLiteral("Clean")); // caption unchanged
    QTest::keyClick(&start, Qt::Key_L, Qt::AltModifier);
    Screen &learn = world->navigator.screen(ScreenId::Invatare);
    QVERIFY(learn.isVisible());
    QVERIFY(!start.isVisible());

    QVERIFY(QTest::qWaitForWindowActive(&learn));
    world->random.draws = {0.5f};
    QTest::keyClick(&learn, Qt::Key_S, Qt::AltModifier); // START
    QCOMPARE(child<QLineEdit>(learn, "Text3")->text(), QStringLiteral("dog"));
    QTest::keyClick(&learn, Qt::Key_G, Qt::AltModifier);
    Screen &grid = world->navigator.screen(ScreenId::TestG);
    QVERIFY(grid.isVisible());

    // The rest of the README's key table: Alt+W, Alt+V, Alt+D, Alt+X.
    QVERIFY(QTest::qWaitForWindowActive(&grid));
    QTest::keyClick(&grid, Qt::Key_W, Qt::AltModifier);
    auto &write = static_cast<WriteScreen &>(world->navigator.screen(ScreenId::Test));
    QVERIFY(write.isVisible());
    QVERIFY(QTest::qWaitForWindowActive(&write));
    QTest::keyClick(&write, Qt::Key_V, Qt::AltModifier);
    QCOMPARE(write.nrnote(), 1);
    QTest::keyClick(&write, Qt::Key_D, Qt::AltModifier);
    QVERIFY(start.isVisible());
    QVERIFY(QTest::qWaitForWindowActive(&start));
    QSignalSpy exits(&world->navigator, &Navigator::exitRequested);
    QTest::keyClick(&start, Qt::Key_X, Qt::AltModifier);
    QCOMPARE(exits.size(), 1);
    QVERIFY(world->messages.shown.isEmpty());
}

void TestKeyboardAccess::enterInTheAnswerBoxVerifies()
{
    auto &write = static_cast<WriteScreen &>(open(ScreenId::Test));
    write.ui().Text4->setText(QStringLiteral("casa"));
    write.ui().Text5->setFocus();
    write.ui().Text5->clear();
    QTest::keyClicks(write.ui().Text5, QStringLiteral("cas"));
    QTest::keyClick(write.ui().Text5, Qt::Key_Return);
    QCOMPARE(write.ui().Text7->text(), QStringLiteral("7.75"));
    QCOMPARE(write.nrnote(), 1);
    QVERIFY(write.ui().Text9->isHidden()); // the right answer is uncovered
}

void TestKeyboardAccess::arrowsMoveBetweenChoicesAndSpaceChooses()
{
    auto &grid = static_cast<GridScreen &>(open(ScreenId::TestG));
    world->random.draws = {0.5f, 0.1f, 0.2f, 0.3f, 0.4f, // the entries
                           0.9f, 0.7f, 0.5f, 0.3f, 0.1f}; // slots 0..4 in order
    grid.ui().pairOptions[0]->setFocus(); // where the focus is when the screen opens
    QTest::keyClick(&grid, Qt::Key_S, Qt::AltModifier); // the first question
    QRadioButton *first = grid.ui().Option14[0];
    QVERIFY(first->hasFocus());
    QTest::keyClick(first, Qt::Key_Down);
    QVERIFY(grid.ui().Option14[1]->hasFocus());
    QTest::keyClick(grid.ui().Option14[1], Qt::Key_Down);
    QVERIFY(grid.ui().Option14[2]->hasFocus());
    QTest::keyClick(grid.ui().Option14[2], Qt::Key_Up);
    QVERIFY(grid.ui().Option14[1]->hasFocus());
    for (QRadioButton *option : grid.ui().Option14)
        QVERIFY(!option->isChecked()); // moving chooses nothing
    QCOMPARE(grid.ui().Text7->text(), QStringLiteral("1"));

    QTest::keyClick(grid.ui().Option14[1], Qt::Key_Space);
    QVERIFY(grid.ui().Option14[1]->isChecked());
    QVERIFY(!grid.timer().isActive()); // judged
    QVERIFY(!grid.ui().Text8->text().isEmpty());
    QVERIFY(grid.ui().pairOptions[0]->isChecked()); // the pair stayed

    // The next question, asked with the mouse, also hands the keys to the choices.
    world->random.draws = {0.5f, 0.1f, 0.2f, 0.3f, 0.4f, 0.9f, 0.7f, 0.5f, 0.3f, 0.1f};
    QTest::mouseClick(grid.ui().Cmdcont, Qt::LeftButton);
    QVERIFY(first->hasFocus());
    QTest::keyClick(first, Qt::Key_Up);
    QVERIFY(grid.ui().Option14[4]->hasFocus());
}

QTEST_MAIN(TestKeyboardAccess)
#include "tst_keyboard_access.moc"
