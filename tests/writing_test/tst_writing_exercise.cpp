// "Write words" driven as a user would: the start button, typing, "Verify",
// "Timer" and Timer2's ticks, with scripted draws.
#include "test_support.h"

#include "data/store_paths.h"
#include "shell/forms/colours.h"
#include "writing_test/write_screen.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace vorbix;
using namespace vorbix::testing;

class TestWritingExercise : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestWorld> world;
    WriteScreen &write() { return static_cast<WriteScreen &>(world->navigator.screen(ScreenId::Test)); }
    WriteForm &ui() { return write().ui(); }
    ManualTicker &timer2() { return world->tickers.of(ui().Timer2); }
    void press() { ui().Cmdcont->click(); }
    void verify() { ui().Cmdok->click(); }
    void tick() { timer2().fire(); }
    // The word "house" (Index 14) with its right answer "casa".
    void presentHouse(bool timed = false, const char *seconds = "5")
    {
        ui().Text2->setText(QLatin1String(seconds));
        ui().Check2->setChecked(timed);
        world->random.draws = {0.3f}; // Int(0.7 * 20) = 14
        press();
        QCOMPARE(ui().Text3->text().toLower(), QStringLiteral("house"));
    }
    QStringList messageTexts()
    {
        QStringList texts;
        for (const Message &m : world->messages.shown)
            texts.append(m.text);
        return texts;
    }

private Q_SLOTS:
    void init() { world = std::make_unique<TestWorld>(sampleTables()); }
    void cleanup() { world.reset(); }

    void pressPreparesTheAnswerBox();
    void verifyUncoversScoresAndAverages();
    void verifyWithADecimalComma();
    void timedWordWithNoAnswerIsGradedWhenTheTimeRunsOut();
    void verifiedWordIsGradedAgainWhenItsTimeRunsOut();
    void verifyThenContinuePausesThenPresents();
    void timerCheckedAfterManualWordsGradesAtTheFirstTick();
    void timerCheckedOnAnIdleScreenPresentsWordsWithoutGrading();
    void gradingWarnsOncePerCharacterThatIsNotALetter();
    void capitalsOnTicksKeepTheCaret();
    void germanAnswerWithSharpSScoresTen();
    void leavingResetsTheScores();
};

void TestWritingExercise::pressPreparesTheAnswerBox()
{
    QCOMPARE(ui().Text5->maxLength(), 255);
    ui().Text5->setEnabled(false);
    write().show();
    presentHouse();
    QVERIFY(ui().Text9->isVisible()); // the right answer is covered
    QVERIFY(ui().Text5->isEnabled());
    QCOMPARE(ui().Text5->text(), QString());
    QVERIFY(QTest::qWaitForWindowActive(&write()));
    QVERIFY(ui().Text5->hasFocus());
    QCOMPARE(ui().Text4->text(), QStringLiteral("casa"));
}

void TestWritingExercise::verifyUncoversScoresAndAverages()
{
    write().show();
    presentHouse();
    ui().Text5->setText(QStringLiteral("casa"));
    verify();
    QVERIFY(!ui().Text9->isVisible());
    QCOMPARE(ui().Text7->text(), QStringLiteral("10"));
    QCOMPARE(ui().Text1->text(), QStringLiteral("10.00"));
    QCOMPARE(ui().Cmdcont->text(), QStringLiteral("Continue"));
    QCOMPARE(colours::background(ui().Cmdcont), colours::kGreen);

    ui().Text4->setText(QStringLiteral("house, home"));
    ui().Text5->setText(QStringLiteral("hose"));
    verify();
    QCOMPARE(ui().Text7->text(), QStringLiteral("5.5"));
    QCOMPARE(ui().Text1->text(), QStringLiteral("7.75"));
    ui().Text5->setText(QStringLiteral("c"));
    verify(); // pressing Verify again grades again
    QCOMPARE(ui().Text7->text(), QStringLiteral("1"));
    QCOMPARE(ui().Text1->text(), QStringLiteral("5.50"));
    QCOMPARE(write().nrnote(), 3);
    QVERIFY(world->messages.shown.isEmpty()); // Verify never warns
}

void TestWritingExercise::verifyWithADecimalComma()
{
    world->services.locale = commaLocale();
    ui().Text4->setText(QStringLiteral("house, home"));
    ui().Text5->setText(QStringLiteral("hose"));
    verify();
    QCOMPARE(ui().Text7->text(), QStringLiteral("5,5"));
    QCOMPARE(ui().Text1->text(), QStringLiteral("5,50"));
    ui().Text5->setText(QStringLiteral("home"));
    verify(); // "5,5" was read back as 5.5: (5.5 + 10) / 2
    QCOMPARE(ui().Text1->text(), QStringLiteral("7,75"));
}

void TestWritingExercise::timedWordWithNoAnswerIsGradedWhenTheTimeRunsOut()
{
    presentHouse(true);
    QCOMPARE(ui().Cmdcont->text(), QStringLiteral("STOP"));
    for (int i = 0; i < 4; ++i)
        tick();
    QCOMPARE(ui().Text6->text(), QStringLiteral("1"));
    QCOMPARE(write().nrnote(), 0);
    tick();
    QCOMPARE(ui().Text6->text(), QStringLiteral("0")); // the time-up leaves 0
    QVERIFY(!timer2().isActive());
    QCOMPARE(ui().Text8->text(), QStringLiteral("1"));
    QCOMPARE(ui().Cmdcont->text(), QStringLiteral("Continue"));
    QCOMPARE(colours::background(ui().Cmdcont), colours::kGreen);
    QCOMPARE(ui().Text7->text(), QStringLiteral("1"));
    QCOMPARE(ui().Text1->text(), QStringLiteral("1.00"));
    QVERIFY(ui().Text9->isVisibleTo(&write())); // grading does not uncover
    QVERIFY(world->messages.shown.isEmpty());
}

void TestWritingExercise::verifiedWordIsGradedAgainWhenItsTimeRunsOut()
{
    presentHouse(true);
    tick();
    tick();
    ui().Text5->setText(QStringLiteral("cas"));
    verify(); // 1 + 9 x 3 / 4
    QCOMPARE(ui().Text7->text(), QStringLiteral("7.75"));
    QVERIFY(timer2().isActive()); // Verify does not stop the time
    for (int i = 0; i < 3; ++i)
        tick();
    QVERIFY(!timer2().isActive());
    QCOMPARE(write().nrnote(), 2);
    QCOMPARE(ui().Text1->text(), QStringLiteral("7.75"));
}

void TestWritingExercise::verifyThenContinuePausesThenPresents()
{
    presentHouse(true);
    ui().Text5->setText(QStringLiteral("casa"));
    verify();
    world->random.draws = {0.5f};
    press(); // the flag still says the word runs: this press pauses
    QVERIFY(!timer2().isActive());
    QVERIFY(ui().Text9->isVisibleTo(&write()));
    QCOMPARE(ui().Text5->text(), QStringLiteral("casa"));
    QCOMPARE(write().nrnote(), 1);
    press(); // and this one presents the next word
    QCOMPARE(ui().Text3->text(), QStringLiteral("dog"));
    QCOMPARE(ui().Text5->text(), QString());
    QCOMPARE(ui().Text6->text(), QStringLiteral("5"));
    QVERIFY(timer2().isActive());
}

void TestWritingExercise::timerCheckedAfterManualWordsGradesAtTheFirstTick()
{
    presentHouse(false);
    ui().Text5->setText(QStringLiteral("ca"));
    ui().Check2->setChecked(true); // starts Timer2 at once
    QVERIFY(timer2().isActive());
    tick(); // flag "2", "Time left" 0: the shown answer is graded
    QVERIFY(!timer2().isActive());
    QCOMPARE(ui().Text7->text(), QStringLiteral("5.5"));
    QCOMPARE(write().nrnote(), 1);
    QCOMPARE(ui().Text8->text(), QStringLiteral("1"));
}

void TestWritingExercise::timerCheckedOnAnIdleScreenPresentsWordsWithoutGrading()
{
    ui().Text2->setText(QStringLiteral("2"));
    ui().Check2->setChecked(true);
    world->random.draws = {0.5f, 0.3f};
    tick(); // "Time left" 0: restart the count and present a word
    QCOMPARE(ui().Text6->text(), QStringLiteral("2"));
    QCOMPARE(ui().Text3->text(), QStringLiteral("dog"));
    tick();
    QCOMPARE(ui().Text6->text(), QStringLiteral("1"));
    tick();
    QCOMPARE(ui().Text3->text(), QStringLiteral("house"));
    QCOMPARE(ui().Text4->text(), QStringLiteral("casa")); // from the same record
    QCOMPARE(write().nrnote(), 0);
    QCOMPARE(ui().Text5->text(), QStringLiteral("Write your answer here ->"));
}

void TestWritingExercise::gradingWarnsOncePerCharacterThatIsNotALetter()
{
    presentHouse(true, "1");
    ui().Text5->setText(QStringLiteral("c4s'"));
    tick();
    QCOMPARE(messageTexts(), QStringList({"Only letters !", "Only letters !"}));
    for (const Message &m : world->messages.shown) {
        QCOMPARE(m.title, QStringLiteral("Atention"));
        QCOMPARE(m.icon, MessageIcon::Exclamation);
    }
    QCOMPARE(write().nrnote(), 1); // graded all the same

    // An exactly right answer is never checked.
    world->messages.shown.clear();
    ui().Text4->setText(QStringLiteral("l'eau"));
    ui().Text5->setText(QStringLiteral("L'eau"));
    world->random.draws = {0.3f};
    press();
    ui().Text4->setText(QStringLiteral("l'eau"));
    ui().Text5->setText(QStringLiteral("L'eau"));
    tick();
    QVERIFY(world->messages.shown.isEmpty());
    QCOMPARE(ui().Text7->text(), QStringLiteral("10"));
}

void TestWritingExercise::capitalsOnTicksKeepTheCaret()
{
    ui().Option2->click(); // "ABC"
    presentHouse(true, "10");
    QCOMPARE(ui().Text3->text(), QStringLiteral("HOUSE"));
    QTest::keyClicks(ui().Text5, QStringLiteral("CA"));
    ui().Text5->setCursorPosition(1); // the user moves back to fix a letter
    tick();
    QCOMPARE(ui().Text5->cursorPosition(), 1);
    ui().Text5->insert(QStringLiteral("x"));
    tick(); // "CxA" becomes "CXA"
    QCOMPARE(ui().Text5->text(), QStringLiteral("CXA"));
}

void TestWritingExercise::germanAnswerWithSharpSScoresTen()
{
    Tables tables = sampleTables();
    tables[QStringLiteral("enger")] = rows({"street=Straße", "train=Zug"});
    world = std::make_unique<TestWorld>(tables);
    ui().pairOptions[4]->click();
    ui().Option2->click(); // "ABC" keeps "ß": "STRAßE"
    world->random.draws = {0.5f}; // Int(0.5 * 2) = 1
    press();
    QCOMPARE(ui().Text4->text(), QStringLiteral("STRAßE"));
    ui().Text5->setText(QStringLiteral("straße"));
    verify();
    QCOMPARE(ui().Text7->text(), QStringLiteral("10"));

    ui().Check2->setChecked(true); // the first tick grades the word as it stands
    tick();
    QCOMPARE(ui().Text7->text(), QStringLiteral("10"));
    QVERIFY(world->messages.shown.isEmpty());
}

void TestWritingExercise::leavingResetsTheScores()
{
    presentHouse();
    ui().Text5->setText(QStringLiteral("ca"));
    verify();
    QCOMPARE(write().totalnote(), 5.5f);
    ui().cmdTestG->click();
    QCOMPARE(write().totalnote(), 0.0f);
    QCOMPARE(write().nrnote(), 0);
    QCOMPARE(write().medie(), 1.0f);
    QCOMPARE(ui().Text7->text(), QStringLiteral("1"));
    QCOMPARE(ui().Text1->text(), QString());
    world->navigator.screen(ScreenId::TestG).findChild<QPushButton *>(QStringLiteral("cmdTest"))->click();
    ui().Text4->setText(QStringLiteral("casa"));
    ui().Text5->setText(QStringLiteral("c"));
    verify(); // the average starts again from this score
    QCOMPARE(ui().Text1->text(), QStringLiteral("1.00"));
}

QTEST_MAIN(TestWritingExercise)
#include "tst_writing_exercise.moc"
