// "Learn words" driven as a user would: the start button, "Timer", "Set
// time :" and the timer's ticks, with scripted draws and a hand-stepped
// Timer1.
#include "test_support.h"

#include "data/sqlite_connection.h"
#include "data/store_paths.h"
#include "learning/learn_screen.h"
#include "shell/forms/colours.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace vorbix;
using namespace vorbix::testing;

class TestLearningExercise : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestWorld> world;
    LearnScreen &learn() { return static_cast<LearnScreen &>(world->navigator.screen(ScreenId::Invatare)); }
    LearnForm &ui() { return learn().ui(); }
    ManualTicker &timer1() { return world->tickers.of(ui().Timer1); }
    void press() { ui().Cmdcont->click(); }
    void tick() { timer1().fire(); }
    QStringList shown() { return {ui().Text3->text(), ui().Text4->text()}; }
    void chooseLetter(const QString &letter)
    {
        ui().Combo1->setCurrentIndex(ui().Combo1->findText(letter));
        Q_EMIT ui().Combo1->activated(ui().Combo1->currentIndex());
    }
    void expectButton(const QString &caption, const QColor &colour)
    {
        QCOMPARE(ui().Cmdcont->text(), caption);
        QCOMPARE(colours::background(ui().Cmdcont), colour);
    }

    // The sample table with some capitals, and a German table of its own.
    static Tables tables()
    {
        Tables t = sampleTables();
        QVector<WordRow> english = t[QStringLiteral("enspa")];
        english[3].source = QStringLiteral("Bad"); // Index 4
        english[3].target = QStringLiteral("Malo");
        english[4].source = QStringLiteral("Bed"); // Index 5
        english[4].target = QStringLiteral("Cama");
        for (const char *code : {"enspa", "spaen", "enfra", "fraen"})
            t[QLatin1String(code)] = english;
        t[QStringLiteral("enger")] = rows({"Monday=Montag", "street=Straße", "train=Zug"});
        t[QStringLiteral("geren")] = rows({"Montag=Monday", "Straße=street", "Zug=train"});
        return t;
    }

private Q_SLOTS:
    void init() { world = std::make_unique<TestWorld>(tables()); }
    void cleanup() { world.reset(); }

    void manualPressesShowNewWords();
    void levelOtherThanAdvancedShowsNoWord();
    void timedStartPausesAndContinues();
    void setTimeThreeCountsDownAndPresentsTheNextWord();
    void setTimeOneShowsANewWordEveryTick();
    void timerUncheckedWhileRunningKeepsCyclingWithoutWords();
    void negativeSetTimeStopsTheCountdown();
    void emptyOrZeroSetTimePresentsNoWordOnATick_data();
    void emptyOrZeroSetTimePresentsNoWordOnATick();
    void setTimeBoxChecksWhatIsTyped();
    void setTimeBoxWithADecimalComma();
    void pairChangeDuringARunMovesTheNextTickToTheNewPair();
    void capitalsOnTicksAndSmallLettersOnlyOnStart();
    void letterChosenDuringATimedRunDrawsFromItsRange();
    void firstInOrderPressDependsOnWhereTheCursorStands();
    void caseOnStartReadsTheSettingsRecordAsItIsNow();
    void failingTickPausesAndTellsOnce();
    void setTimeThatOverflowsTheCountdownFailsTheTick();
    void leavingStopsTheExercise();
};

void TestLearningExercise::manualPressesShowNewWords()
{
    world->random.draws = {0.5f, 0.45f};
    press(); // Int(0.5 * 20) = 10
    QCOMPARE(shown(), QStringList({"dog", "perro"}));
    expectButton(QStringLiteral("Continue"), colours::kGreen);
    QCOMPARE(ui().Text8->text(), QStringLiteral("2"));
    QVERIFY(!timer1().isActive());
    press(); // 11: "glass" has no translation
    QCOMPARE(shown(), QStringList({"glass", ""}));
    QCOMPARE(world->random.reseeds, 2);
    QVERIFY(world->messages.shown.isEmpty());
}

void TestLearningExercise::levelOtherThanAdvancedShowsNoWord()
{
    ui().Option12->setChecked(true); // as if "Medium" could be chosen
    press();
    QCOMPARE(shown(), QStringList({"", ""}));
    QCOMPARE(ui().Cmdcont->text(), QStringLiteral("Continue"));
    QCOMPARE(ui().Text8->text(), QStringLiteral("2"));
}

void TestLearningExercise::timedStartPausesAndContinues()
{
    ui().Check2->setChecked(true);
    expectButton(QStringLiteral("START"), colours::kGreen);
    world->random.draws = {0.5f, 0.25f};
    press();
    QCOMPARE(shown(), QStringList({"dog", "perro"}));
    expectButton(QStringLiteral("STOP"), colours::kStopRed);
    QCOMPARE(ui().Text6->text(), QStringLiteral("10"));
    QVERIFY(timer1().isActive());
    tick();
    QCOMPARE(ui().Text6->text(), QStringLiteral("9"));

    press(); // pause: the word stays
    expectButton(QStringLiteral("Continue"), colours::kGreen);
    QVERIFY(!timer1().isActive());
    QCOMPARE(ui().Text8->text(), QStringLiteral("1"));
    QCOMPARE(shown(), QStringList({"dog", "perro"}));

    press(); // continue: a new word with the full time
    QCOMPARE(shown(), QStringList({"in", "en"}));
    QCOMPARE(ui().Text6->text(), QStringLiteral("10"));
    expectButton(QStringLiteral("STOP"), colours::kStopRed);
    QVERIFY(timer1().isActive());
}

void TestLearningExercise::setTimeThreeCountsDownAndPresentsTheNextWord()
{
    ui().Text2->setText(QStringLiteral("3"));
    ui().Check2->setChecked(true);
    world->random.draws = {0.5f, 0.25f};
    press();
    QStringList seen{ui().Text6->text()};
    for (int i = 0; i < 3; ++i) {
        tick();
        seen.append(ui().Text6->text());
        if (i < 2)
            QCOMPARE(shown(), QStringList({"dog", "perro"}));
    }
    QCOMPARE(seen, QStringList({"3", "2", "1", "3"}));
    QCOMPARE(shown(), QStringList({"in", "en"}));
}

void TestLearningExercise::setTimeOneShowsANewWordEveryTick()
{
    ui().Text2->setText(QStringLiteral("1"));
    ui().Check2->setChecked(true);
    ui().Option10->setChecked(true); // in order: no draws
    press(); // the count is taken from the last record, so the walk wraps to word 1
    QCOMPARE(ui().Text3->text(), QStringLiteral("a"));
    for (const char *word : {"about", "above", "Bad"}) {
        tick();
        QCOMPARE(ui().Text6->text(), QStringLiteral("1"));
        QCOMPARE(ui().Text3->text(), QLatin1String(word));
    }
}

void TestLearningExercise::timerUncheckedWhileRunningKeepsCyclingWithoutWords()
{
    ui().Text2->setText(QStringLiteral("2"));
    ui().Check2->setChecked(true);
    world->random.draws = {0.5f};
    press();
    ui().Check2->setChecked(false);
    QStringList seen;
    for (int i = 0; i < 4; ++i) {
        tick(); // a draw here would find the script empty and abort
        seen.append(ui().Text6->text());
    }
    QCOMPARE(seen, QStringList({"1", "2", "1", "2"}));
    QCOMPARE(shown(), QStringList({"dog", "perro"}));
    QVERIFY(timer1().isActive());
}

void TestLearningExercise::negativeSetTimeStopsTheCountdown()
{
    ui().Text2->setText(QStringLiteral("-2"));
    QCOMPARE(world->messages.shown.size(), 1);
    ui().Check2->setChecked(true);
    world->random.draws = {0.5f};
    press();
    for (int i = 0; i < 3; ++i) {
        tick();
        QCOMPARE(ui().Text6->text(), QStringLiteral("-2"));
    }
    QCOMPARE(shown(), QStringList({"dog", "perro"}));
}

void TestLearningExercise::emptyOrZeroSetTimePresentsNoWordOnATick_data()
{
    QTest::addColumn<QString>("setTime");
    QTest::newRow("empty") << "";
    QTest::newRow("zero") << "0";
    QTest::newRow("not a number") << "abc";
}

void TestLearningExercise::emptyOrZeroSetTimePresentsNoWordOnATick()
{
    QFETCH(QString, setTime);
    ui().Text2->setText(setTime); // refused, and kept as typed
    QCOMPARE(world->messages.shown.size(), 1);
    ui().Check2->setChecked(true);
    world->random.draws = {0.5f, 0.25f};
    press();
    QCOMPARE(shown(), QStringList({"dog", "perro"}));
    for (int i = 0; i < 3; ++i) {
        tick(); // the time is used up at once, and restarts from nothing
        QCOMPARE(ui().Text6->text(), setTime);
        QCOMPARE(shown(), QStringList({"dog", "perro"}));
    }
    QCOMPARE(world->random.draws.size(), 1); // no word was drawn
    QVERIFY(timer1().isActive());
}

void TestLearningExercise::setTimeBoxChecksWhatIsTyped()
{
    QLineEdit *setTime = ui().Text2;
    setTime->setText(QStringLiteral("0.5")); // accepted as 0, which is then refused
    QCOMPARE(setTime->text(), QStringLiteral("0"));
    QCOMPARE(world->messages.shown.size(), 1);
    const Message message = world->messages.shown[0];
    QCOMPARE(message.text, QStringLiteral("Introduceti un numar pozitiv !"));
    QCOMPARE(message.title, QStringLiteral("Atentie"));
    QCOMPARE(message.icon, MessageIcon::Exclamation);

    setTime->setText(QStringLiteral("2.5"));
    QCOMPARE(setTime->text(), QStringLiteral("2"));
    setTime->setText(QStringLiteral("3.5"));
    QCOMPARE(setTime->text(), QStringLiteral("4"));
    QCOMPARE(world->messages.shown.size(), 1);

    setTime->clear(); // clearing to type a new value: one message
    QCOMPARE(world->messages.shown.size(), 2);
    setTime->setText(QStringLiteral("40000")); // beyond 16 bits: silent
    QCOMPARE(setTime->text(), QStringLiteral("40000"));
    QCOMPARE(world->messages.shown.size(), 2);
}

void TestLearningExercise::setTimeBoxWithADecimalComma()
{
    world->services.locale = commaLocale();
    QLineEdit *setTime = ui().Text2;
    setTime->setText(QStringLiteral("0,5")); // its numeric value is 0
    QCOMPARE(setTime->text(), QStringLiteral("0,5"));
    QCOMPARE(world->messages.shown.size(), 1);
    setTime->setText(QStringLiteral("2,5"));
    QCOMPARE(setTime->text(), QStringLiteral("2"));
    setTime->setText(QStringLiteral("3,5"));
    QCOMPARE(setTime->text(), QStringLiteral("4"));
    QCOMPARE(world->messages.shown.size(), 1);
}

void TestLearningExercise::pairChangeDuringARunMovesTheNextTickToTheNewPair()
{
    ui().Text2->setText(QStringLiteral("1"));
    ui().Check2->setChecked(true);
    world->random.draws = {0.5f, 0.5f};
    press();
    ui().pairOptions[5]->click(); // ger-eng: three words
    tick();                       // Int(0.5 * 3) = 1
    QCOMPARE(shown(), QStringList({"Montag", "Monday"}));
    QCOMPARE(learn().nrmax(), 3);
    QCOMPARE(readSettings(world->root(), files::kMain), qMakePair(QStringLiteral("geren"), qint64(3)));
}

void TestLearningExercise::capitalsOnTicksAndSmallLettersOnlyOnStart()
{
    ui().Option10->setChecked(true); // in order
    ui().Text2->setText(QStringLiteral("1"));
    ui().Check2->setChecked(true);
    ui().Option2->click(); // "ABC"
    press();
    QCOMPARE(shown(), QStringList({"A", "UN"}));
    tick();
    QCOMPARE(shown(), QStringList({"ABOUT", "ACERCA"}));

    ui().Option1->click(); // "abc": converts what is shown
    QCOMPARE(shown(), QStringList({"about", "acerca"}));
    tick();
    tick(); // the tick does not lower: "Bad" as stored
    QCOMPARE(shown(), QStringList({"Bad", "Malo"}));
    press(); // pause
    press(); // continue lowers "Bed"
    QCOMPARE(shown(), QStringList({"bed", "cama"}));

    // German pairs keep their capitals under "abc"; "ABC" maps one
    // character at a time, so "ß" stays.
    press();
    ui().pairOptions[4]->click(); // eng-ger
    press();
    QCOMPARE(shown(), QStringList({"Monday", "Montag"}));
    ui().Option2->click();
    tick();
    QCOMPARE(shown(), QStringList({"STREET", "STRAßE"}));
}

void TestLearningExercise::letterChosenDuringATimedRunDrawsFromItsRange()
{
    ui().Text2->setText(QStringLiteral("1"));
    ui().Check2->setChecked(true);
    world->random.draws = {0.5f, 0.5f, 0.0f};
    press();
    chooseLetter(QStringLiteral("B")); // 4..7
    tick();                            // 4 + Int(0.5 * 3) = 5
    QCOMPARE(shown(), QStringList({"Bed", "Cama"}));
    tick(); // r = 0 reaches the range's last word
    QCOMPARE(shown(), QStringList({"book", "libro"}));
}

void TestLearningExercise::firstInOrderPressDependsOnWhereTheCursorStands()
{
    // Reached without a pair change, the settings record naming the pair:
    // the cursor stands on word 1, so word 2 comes first.
    writeSettings(world->root(), files::kMain, QStringLiteral("enspa"), 20);
    ui().Option10->setChecked(true);
    press();
    QCOMPARE(ui().Text3->text(), QStringLiteral("about"));

    // After a pair change the cursor stands on the last word: word 1.
    ui().pairOptions[2]->click();
    press();
    QCOMPARE(ui().Text3->text(), QStringLiteral("a"));

    // Right after a letter: the range's first word, then its second.
    chooseLetter(QStringLiteral("K")); // 18..20
    press();
    QCOMPARE(ui().Text3->text(), QStringLiteral("kind"));
    press();
    QCOMPARE(ui().Text3->text(), QStringLiteral("king"));
}

void TestLearningExercise::caseOnStartReadsTheSettingsRecordAsItIsNow()
{
    ui().Option10->setChecked(true);
    chooseLetter(QStringLiteral("B")); // 4..7; a letter press does not count again
    writeSettings(world->root(), files::kMain, QStringLiteral("enger"), 3);
    press();
    QCOMPARE(ui().Text3->text(), QStringLiteral("Bad")); // the record names a German pair
    writeSettings(world->root(), files::kMain, QStringLiteral("enspa"), 20);
    press(); // "bed", lowered now
    press();
    QCOMPARE(ui().Text3->text(), QStringLiteral("big"));
}

void TestLearningExercise::failingTickPausesAndTellsOnce()
{
    ui().Text2->setText(QStringLiteral("1"));
    ui().Check2->setChecked(true);
    world->random.draws = {0.5f};
    press();
    {
        // The settings record disappears behind the program's back.
        SqliteConnection db(mapDrivePath(QLatin1String(files::kMain), world->root()),
                            SqliteConnection::Mode::ReadWrite);
        db.exec(QStringLiteral("DELETE FROM ini"));
    }
    tick();
    QCOMPARE(world->messages.shown.size(), 1);
    QVERIFY(!timer1().isActive());
    QCOMPARE(ui().Text8->text(), QStringLiteral("1"));
    expectButton(QStringLiteral("Continue"), colours::kGreen);
    QVERIFY(!world->pointer.isBusy());
    tick(); // a stopped timer delivers nothing more
    QCOMPARE(world->messages.shown.size(), 1);
}

void TestLearningExercise::setTimeThatOverflowsTheCountdownFailsTheTick()
{
    ui().Text2->setText(QStringLiteral("1e308")); // beyond 16 bits: kept silently
    QVERIFY(world->messages.shown.isEmpty());
    ui().Check2->setChecked(true);
    world->random.draws = {0.5f};
    press();
    QCOMPARE(ui().Text6->text(), QStringLiteral("1e308"));
    tick();
    QCOMPARE(world->messages.shown.size(), 1);
    QVERIFY(!timer1().isActive());
    QCOMPARE(ui().Text8->text(), QStringLiteral("1"));
}

void TestLearningExercise::leavingStopsTheExercise()
{
    ui().Check2->setChecked(true);
    world->random.draws = {0.5f, 0.25f};
    press();
    QCOMPARE(ui().Text8->text(), QStringLiteral("2"));
    ui().cmdDict->click();
    QVERIFY(!timer1().isActive());
    QCOMPARE(ui().Text8->text(), QStringLiteral("1"));
    world->navigator.screen(ScreenId::Start).findChild<QPushButton *>(QStringLiteral("cmdInvat"))->click();
    ui().Check2->setChecked(true);
    press(); // starts a new word rather than pausing
    QCOMPARE(shown(), QStringList({"in", "en"}));
    QVERIFY(timer1().isActive());
}

QTEST_MAIN(TestLearningExercise)
#include "tst_learning_exercise.moc"
