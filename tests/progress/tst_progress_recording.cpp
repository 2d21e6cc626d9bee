// What the screens keep of the learner's work: every graded answer of the
// writing and grid tests and every word "Learn words" shows, with the word
// as stored, the time from a clock the test sets, and the screens' own
// figures exactly as they were.
#include "test_support.h"

#include "data/sqlite_connection.h"
#include "grid_test/grid_screen.h"
#include "learning/learn_screen.h"
#include "progress/progress_store.h"
#include "writing_test/write_screen.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

using namespace vorbix;
using namespace vorbix::testing;

class TestProgressRecording : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestWorld> world;

    // The answers kept, one line each: grading, Index, word, right answer,
    // given, score, seconds, first.
    QStringList answers(const char *extra = "")
    {
        SqliteConnection db(ProgressStore::pathIn(world->root()), SqliteConnection::Mode::ReadOnly);
        QSqlQuery query(db.database());
        query.exec(QStringLiteral("SELECT grading, word_index, word, right_answer, given, score, seconds, first%1 "
                                  "FROM answers ORDER BY id")
                       .arg(QLatin1String(extra)));
        QStringList lines;
        while (query.next()) {
            QStringList fields;
            for (int i = 0; i < query.record().count(); ++i)
                fields.append(query.value(i).toString());
            lines.append(fields.join(QLatin1Char('|')));
        }
        return lines;
    }
    // Grid draws: the asked word Index 10 ("dog", "perro") and four others,
    // then slots 0..4 in order, so that slot 0 holds the right translation.
    void askDog(GridScreen &grid)
    {
        world->random.draws = {0.5f, 0.1f, 0.2f, 0.3f, 0.4f, 0.9f, 0.7f, 0.5f, 0.3f, 0.1f};
        grid.ui().Cmdcont->click();
        QCOMPARE(grid.ui().Text1->text(), QStringLiteral("dog"));
    }

private Q_SLOTS:
    void init() { world = std::make_unique<TestWorld>(sampleTables()); }
    void cleanup()
    {
        QVERIFY2(world->messages.shown.isEmpty() || world->messages.shown[0].title == QStringLiteral("Atention"),
                 qPrintable(world->messages.shown.value(0).text));
        world.reset();
    }

    void writingTestKeepsVerifyAndTimeOut();
    void verifyBeforeAnyWordKeepsNothing();
    void gridTestKeepsEveryJudgedQuestion();
    void learnWordsKeepsEveryWordShown();
};

void TestProgressRecording::writingTestKeepsVerifyAndTimeOut()
{
    auto &write = world->screen<WriteScreen>(ScreenId::Test);
    WriteForm &ui = write.ui();
    ui.Text2->setText(QStringLiteral("5"));
    ui.Check2->setChecked(true);
    ui.Option2->click(); // "ABC": shown in capitals, kept as stored
    world->random.draws = {0.3f}; // Int(0.7 * 20) = 14: "house", "casa"
    ui.Cmdcont->click();
    QCOMPARE(ui.Text3->text(), QStringLiteral("HOUSE"));
    world->clock.advanceSeconds(3);
    ui.Text5->setText(QStringLiteral("cas"));
    ui.Cmdok->click();
    for (int i = 0; i < 2; ++i) {
        world->clock.advanceSeconds(1);
        world->tickers.of(ui.Timer2).fire(); // 5 -> 4 -> 3; the word stays on show
    }
    ui.Text5->setText(QStringLiteral("ca$a"));
    for (int i = 0; i < 3; ++i)
        world->tickers.of(ui.Timer2).fire(); // the time runs out: graded again
    // The screen's figures are the writing test's own.
    QCOMPARE(ui.Text7->text(), QStringLiteral("5.5")); // "ca" of "casa": 1 + 9 * 2 / 4
    QCOMPARE(ui.Text1->text(), QStringLiteral("6.63"));
    QCOMPARE(write.nrnote(), 2);
    // The answer as the box held it ("ABC" puts it in capitals on every tick).
    QCOMPARE(answers(), (QStringList{"verify|14|house|casa|cas|7.75|3|1", "time-out|14|house|casa|CA$A|5.5|5|0"}));

    // The next word is a first grading again; leaving the screen keeps what was kept.
    world->random.draws = {0.5f}; // 10: "dog"
    ui.Cmdcont->click();
    ui.Cmdcont->click();
    ui.Text5->setText(QStringLiteral("perro"));
    ui.Cmdok->click();
    ui.cmdDict->click();
    QCOMPARE(answers().size(), 3);
    QCOMPARE(answers().last(), QStringLiteral("verify|10|dog|perro|perro|10|0|1"));
    QCOMPARE(world->progress.report(0).wordsPerBox, (std::array<int, 5>{1, 1, 0, 0, 0}));
}

void TestProgressRecording::verifyBeforeAnyWordKeepsNothing()
{
    auto &write = world->screen<WriteScreen>(ScreenId::Test);
    write.ui().Cmdok->click();
    QCOMPARE(write.ui().Text7->text(), QStringLiteral("1"));
    QCOMPARE(write.nrnote(), 1); // the screen grades it, as it always did
    QVERIFY(!QFileInfo::exists(ProgressStore::pathIn(world->root())));
}

void TestProgressRecording::gridTestKeepsEveryJudgedQuestion()
{
    auto &grid = world->screen<GridScreen>(ScreenId::TestG);
    GridForm &ui = grid.ui();
    ManualTicker &timer3 = world->tickers.of(ui.Timer3);

    askDog(grid);
    world->clock.advanceSeconds(2);
    timer3.fire();
    timer3.fire();
    ui.Option14[0]->click(); // right, with 3 seconds left
    ui.Option14[3]->click(); // clicked again in the same question: judged again
    askDog(grid);
    for (int i = 0; i < 7; ++i)
        timer3.fire(); // -2
    ui.Option14[0]->click(); // right in the overtime: 8
    askDog(grid);
    ui.Option14[2]->click(); // wrong
    askDog(grid);
    world->clock.advanceSeconds(10);
    for (int i = 0; i < 10; ++i)
        timer3.fire(); // closed at -5
    askDog(grid); // put and left unanswered: nothing to keep
    QCOMPARE(ui.Text8->text(), QStringLiteral("2.75")); // the screen's own average
    // Slots 0..4 show perro, amable, tinta, casa, hogar.
    QCOMPARE(answers(), (QStringList{"right|10|dog|perro|perro|10|2|1", "wrong|10|dog|perro|casa|1|2|0",
                                     "late|10|dog|perro|perro|8|0|1", "wrong|10|dog|perro|tinta|1|0|1",
                                     "closed|10|dog|perro||1|10|1"}));
}

void TestProgressRecording::learnWordsKeepsEveryWordShown()
{
    auto &learn = world->screen<LearnScreen>(ScreenId::Invatare);
    LearnForm &ui = learn.ui();
    ui.Text2->setText(QStringLiteral("1"));
    ui.Check2->setChecked(true);
    ui.Option10->click(); // in order: the word-count rule leaves the cursor on the last record
    ui.Cmdcont->click();
    world->clock.advanceDays(1);
    world->tickers.of(ui.Timer1).fire();
    world->tickers.of(ui.Timer1).fire();
    SqliteConnection db(ProgressStore::pathIn(world->root()), SqliteConnection::Mode::ReadOnly);
    QSqlQuery query(db.database());
    query.exec(QStringLiteral("SELECT day, pair, word_index, word, translation FROM shown ORDER BY id"));
    QStringList shown;
    while (query.next())
        shown.append(QStringList{query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                                 query.value(3).toString(), query.value(4).toString()}
                         .join(QLatin1Char('|')));
    QCOMPARE(shown, (QStringList{"2025-03-10|enspa|1|a|un", "2025-03-11|enspa|2|about|acerca",
                                 "2025-03-11|enspa|3|above|encima"}));
    QCOMPARE(world->progress.report(0).wordsSeen, 3);
    QCOMPARE(world->progress.report(0).answers, 0); // shown is not answered
}

QTEST_MAIN(TestProgressRecording)
#include "tst_progress_recording.moc"
