// Whatever a user pastes or clicks, in whatever order: nothing crashes,
// nothing hangs, every message comes once, and the settings record stays a
// valid one.
#include "test_support.h"

#include "data/store_paths.h"
#include "dictionary/start_screen.h"
#include "grid_test/grid_screen.h"
#include "learning/learn_screen.h"
#include "writing_test/write_screen.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace vorbix;
using namespace vorbix::testing;

namespace {

// Texts users paste: quotes, percent signs, control characters, right-to-left
// text, emoji, combining accents, and a whole novel.
QStringList hostileTexts()
{
    return {QStringLiteral("'"),
            QStringLiteral("aujourd'hui"),
            QStringLiteral("\"%s%n%%\""),
            QStringLiteral("a\tb\r\nc\x01\x7f"),
            QStringLiteral("\u05e9\u05dc\u05d5\u05dd \u0645\u0631\u062d\u0628\u0627"),
            QStringLiteral("\U0001F600\U0001F44D\U0001F3FD"),
            QStringLiteral("e\u0301e\u0300\u0327"),
            QString(QChar(0xD800)) + QStringLiteral("x"), // a lone surrogate
            QString(100000, QLatin1Char('x')),
            QString(100000, QLatin1Char('9'))};
}

// Brings up a message box on one of the screens.
using RaiseMessage = std::function<void(Navigator &, ManualTickers &)>;

} // namespace

Q_DECLARE_METATYPE(RaiseMessage)
Q_DECLARE_METATYPE(ScreenId)

class TestHostileInput : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestWorld> world;
    void expectValidSettings()
    {
        for (const char *file : {files::kMain, files::kTestSettings}) {
            const auto [code, count] = readSettings(world->root(), file);
            QVERIFY2(code.isEmpty() || pairIndexForCode(code).has_value(), qPrintable(code));
            QVERIFY(code.isEmpty() || (count >= 1 && count <= 32767));
        }
    }
    // Draws for as many words and questions as a test may ask for.
    void plentyOfDraws()
    {
        world->random.draws.clear();
        for (int i = 0; i < 2000; ++i)
            world->random.draws.append(float((i * 37) % 100) / 100.0f);
    }

private Q_SLOTS:
    void init()
    {
        world = std::make_unique<TestWorld>(sampleTables());
        plentyOfDraws();
    }
    void cleanup() { world.reset(); }

    void pastesIntoTheLookUpBox();
    void pastesIntoTheAnswerBox();
    void pastesIntoTheSetTimeBox();
    void oddSetTimesInATimedExercise_data();
    void oddSetTimesInATimedExercise();
    void answersAndChoicesBeforeAnyWord();
    void pairChangesInTheMiddleOfEveryTimedExercise();
    void exitWithAMessageBoxOpen_data();
    void exitWithAMessageBoxOpen();
};

void TestHostileInput::pastesIntoTheLookUpBox()
{
    auto &start = world->screen<StartScreen>(ScreenId::Start);
    for (const QString &text : hostileTexts()) {
        start.ui().Text0->setText(text);
        QVERIFY(start.ui().sourceWord[0]->text().size() <= 255);
    }
    start.ui().Text0->setText(QStringLiteral("aujourd'hui"));
    QVERIFY(world->messages.shown.isEmpty());
    expectValidSettings();
}

void TestHostileInput::pastesIntoTheAnswerBox()
{
    auto &write = world->screen<WriteScreen>(ScreenId::Test);
    write.ui().Cmdcont->click();
    for (const QString &text : hostileTexts()) {
        write.ui().Text5->setText(text);
        QVERIFY(write.ui().Text5->text().size() <= 255);
        write.ui().Cmdok->click();
        const float score = write.ui().Text7->text().toFloat();
        QVERIFY(score >= 1.0f && score <= 10.0f);
    }
    // Graded on time-out: one warning per refused character, at most 255.
    write.ui().Check2->setChecked(true);
    write.ui().Text5->setText(QString(100000, QLatin1Char('7')));
    world->tickers.of(write.ui().Timer2).fire();
    QVERIFY(world->messages.shown.size() <= 255);
    QVERIFY(!world->messages.shown.isEmpty());
    expectValidSettings();
}

void TestHostileInput::pastesIntoTheSetTimeBox()
{
    auto &learn = world->screen<LearnScreen>(ScreenId::Invatare);
    for (const QString &text : hostileTexts()) {
        const qsizetype before = world->messages.shown.size();
        learn.ui().Text2->setText(text);
        QVERIFY(world->messages.shown.size() - before <= 1); // never a cascade of messages
    }
    // Too large: kept as typed (as far as the box takes it), silently.
    QCOMPARE(learn.ui().Text2->text(), QString(learn.ui().Text2->maxLength(), QLatin1Char('9')));
}

void TestHostileInput::oddSetTimesInATimedExercise_data()
{
    QTest::addColumn<QString>("setTime");
    for (const char *text : {"0", "-5", "40000", "1e308", "NaN", "abc", ""})
        QTest::newRow(text) << QString::fromLatin1(text);
}

void TestHostileInput::oddSetTimesInATimedExercise()
{
    QFETCH(QString, setTime);
    auto &learn = world->screen<LearnScreen>(ScreenId::Invatare);
    auto &write = world->screen<WriteScreen>(ScreenId::Test);
    struct Exercise
    {
        ExerciseControls &controls;
        QTimer *timer;
    };
    const Exercise exercises[] = {{learn.ui(), learn.ui().Timer1}, {write.ui(), write.ui().Timer2}};
    for (const Exercise &exercise : exercises) {
        exercise.controls.Text2->setText(setTime);
        exercise.controls.Check2->setChecked(true);
        exercise.controls.Cmdcont->click();
        for (int i = 0; i < 12; ++i)
            world->tickers.of(exercise.timer).fire(); // a stopped timer delivers nothing
    }
    // At most one message per refused text and per failed step.
    QVERIFY(world->messages.shown.size() <= 6);
    expectValidSettings();
}

void TestHostileInput::answersAndChoicesBeforeAnyWord()
{
    auto &write = world->screen<WriteScreen>(ScreenId::Test);
    write.ui().Cmdok->click(); // the design-time text against an empty answer
    QCOMPARE(write.ui().Text7->text(), QStringLiteral("1"));
    auto &grid = world->screen<GridScreen>(ScreenId::TestG);
    for (QRadioButton *choice : grid.ui().Option14)
        choice->click();
    QCOMPARE(grid.ui().Text8->text(), QString());
    QCOMPARE(grid.nrnote(), 0);
    QVERIFY(world->messages.shown.isEmpty());
}

void TestHostileInput::pairChangesInTheMiddleOfEveryTimedExercise()
{
    auto &learn = world->screen<LearnScreen>(ScreenId::Invatare);
    auto &write = world->screen<WriteScreen>(ScreenId::Test);
    auto &grid = world->screen<GridScreen>(ScreenId::TestG);
    learn.ui().Text2->setText(QStringLiteral("1"));
    write.ui().Text2->setText(QStringLiteral("2"));
    learn.ui().Check2->setChecked(true);
    write.ui().Check2->setChecked(true);
    learn.ui().Cmdcont->click();
    write.ui().Cmdcont->click();
    grid.ui().Cmdcont->click();
    for (int round = 0; round < 12; ++round) {
        const int pair = round % kPairCount;
        learn.ui().pairOptions[pair]->click();
        world->tickers.of(learn.ui().Timer1).fire();
        write.ui().pairOptions[(pair + 1) % kPairCount]->click();
        world->tickers.of(write.ui().Timer2).fire();
        grid.ui().pairOptions[(pair + 2) % kPairCount]->click();
        world->tickers.of(grid.ui().Timer3).fire();
        if (round % 4 == 3) {
            write.ui().Cmdcont->click();
            grid.ui().Cmdcont->click();
        }
    }
    QVERIFY(world->messages.shown.isEmpty());
    expectValidSettings();
    QVERIFY(!learn.ui().Text3->text().isEmpty());
}

void TestHostileInput::exitWithAMessageBoxOpen_data()
{
    QTest::addColumn<ScreenId>("on");
    QTest::addColumn<RaiseMessage>("raise");
    QTest::newRow("Here !") << ScreenId::Invatare << RaiseMessage([](Navigator &navigator, ManualTickers &) {
        auto &learn = static_cast<LearnScreen &>(navigator.screen(ScreenId::Invatare));
        learn.ui().cmdInvat->click();
    });
    QTest::newRow("Only letters ! on a timed answer") << ScreenId::Test << RaiseMessage([](Navigator &navigator, ManualTickers &tickers) {
        auto &write = static_cast<WriteScreen &>(navigator.screen(ScreenId::Test));
        write.ui().Text2->setText(QStringLiteral("1"));
        write.ui().Check2->setChecked(true);
        write.ui().Cmdcont->click();
        write.ui().Text5->setText(QStringLiteral("12345"));
        for (int second = 0; second < 3; ++second)
            tickers.of(write.ui().Timer2).fire(); // graded on time-out, then the next word comes
    });
    QTest::newRow("a refused set time while the words run") << ScreenId::Invatare << RaiseMessage([](Navigator &navigator, ManualTickers &) {
        auto &learn = static_cast<LearnScreen &>(navigator.screen(ScreenId::Invatare));
        learn.ui().Check2->setChecked(true);
        learn.ui().Cmdcont->click();
        learn.ui().Text2->setText(QStringLiteral("-3"));
    });
    QTest::newRow("a START that fails") << ScreenId::Test << RaiseMessage([](Navigator &navigator, ManualTickers &) {
        auto &write = static_cast<WriteScreen &>(navigator.screen(ScreenId::Test));
        write.ui().Check2->setChecked(true);
        write.ui().Cmdcont->click();
        write.ui().Cmdcont->click(); // paused
        write.ui().Text10->setText(QStringLiteral("enspa"));
        write.ui().Text11->setText(QStringLiteral("not a number"));
        write.ui().Cmdcont->click(); // the letter range cannot be read
    });
}

void TestHostileInput::exitWithAMessageBoxOpen()
{
    QFETCH(ScreenId, on);
    QFETCH(RaiseMessage, raise);
    QSignalSpy exits(&world->navigator, &Navigator::exitRequested);
    int boxes = 0;
    // "Exit" while the first box is open: the handler that raised it then
    // runs to its end, and nothing may start again after the program left.
    world->messages.whileShown = [&](const Message &) {
        if (boxes++ == 0)
            world->navigator.screen(on).controls().iesi->click();
    };
    raise(world->navigator, world->tickers);
    QVERIFY(boxes > 0);
    QCOMPARE(exits.size(), 1);
    auto &learn = world->screen<LearnScreen>(ScreenId::Invatare);
    auto &write = world->screen<WriteScreen>(ScreenId::Test);
    auto &grid = world->screen<GridScreen>(ScreenId::TestG);
    for (QTimer *timer : {learn.ui().Timer1, write.ui().Timer2, grid.ui().Timer3})
        QVERIFY2(!world->tickers.of(timer).isActive(), qPrintable(timer->objectName()));
    for (ScreenId id : {ScreenId::Start, ScreenId::Invatare, ScreenId::Test, ScreenId::TestG})
        QVERIFY(!world->navigator.screen(id).isVisible());
    QVERIFY(!world->pointer.isBusy());
    expectValidSettings();
}

QTEST_MAIN(TestHostileInput)
#include "tst_hostile_input.moc"
