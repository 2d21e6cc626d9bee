#include "test_support.h"

#include "data/store_paths.h"
#include "grid_test/grid_screen.h"
#include "shell/forms/colours.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace vorbix;
using namespace vorbix::testing;

using Numbers = QList<int>;

// The grid test on its screen: the question button, the choices and the
// answer time, with scripted draws and a hand-stepped Timer3.
class TestGridScreen : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestWorld> world;
    GridScreen &grid() { return static_cast<GridScreen &>(world->navigator.screen(ScreenId::TestG)); }
    GridForm &ui() { return grid().ui(); }

    // Scripts one question: the asked entry and four others by Index, then
    // which prepared text each slot draws (0 is the right translation).
    void script(const Numbers &entries, const Numbers &slots = {0, 1, 2, 3, 4}, int count = 20)
    {
        for (int n : entries)
            world->random.draws << 1.0f - (n + 0.5f) / float(count);
        for (int e : slots)
            world->random.draws << 1.0f - (e + 0.5f) / 5.0f;
    }
    void ask(const Numbers &entries = {14, 4, 9, 10, 19}, const Numbers &slots = {0, 1, 2, 3, 4}, int count = 20)
    {
        script(entries, slots, count);
        ui().Cmdcont->click();
    }
    void tick(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            world->tickers.of(ui().Timer3).fire();
    }
    QStringList slotTexts()
    {
        QStringList texts;
        for (int k = 0; k < 5; ++k)
            texts << ui().Text2[k]->text();
        return texts;
    }
    // 'g' light green, 'r' light red, 'w' white: Text1, then the five slots.
    QString colourCodes()
    {
        QString codes;
        for (int k = -1; k < 5; ++k) {
            const QColor c = colours::background(k < 0 ? ui().Text1 : ui().Text2[k]);
            codes += c == colours::kRightGreen ? u'g'
                     : c == colours::kWrongRed ? u'r'
                     : c == colours::kWhite    ? u'w'
                                               : u'?';
        }
        return codes;
    }
    void leaveAndReturn()
    {
        ui().cmdDict->click();
        world->navigator.screen(ScreenId::Start).controls().cmdTestG->click();
    }

private Q_SLOTS:
    void init()
    {
        // Five words each for spa-eng, eng-ger and ger-eng; sample words elsewhere.
        Tables tables = sampleTables();
        tables[QStringLiteral("spaen")] = rows({"Casa=House", "Gato=Cat", "Mesa=Table", "Perro=Dog", "Sol=Sun"});
        tables[QStringLiteral("enger")] =
            rows({"cat=Katze", "dog=Hund", "evening=Abend", "house=Haus", "train=Zug"});
        tables[QStringLiteral("geren")] =
            rows({"Abend=evening", "Haus=house", "Hund=dog", "Katze=cat", "Zug=train"});
        world = std::make_unique<TestWorld>(tables);
    }
    void cleanup() { world.reset(); }

    void questionShowsTheWordAndFiveChoices_data();
    void questionShowsTheWordAndFiveChoices();
    void arrivingWordsTakeTheCaseOption_data();
    void arrivingWordsTakeTheCaseOption();
    void choiceIsScoredByTimeLeft_data();
    void choiceIsScoredByTimeLeft();
    void unansweredQuestionClosesAtTheEndOfOvertime();
    void averageFollowsEveryQuestion_data();
    void averageFollowsEveryQuestion();
    void averageAfterLeavingStartsFromOne();
    void rightTextInTwoSlotsIsRightInBoth();
    void choiceBeforeTheFirstQuestionIsIgnored();
    void cachedCountSkipsTheLastRecordAndTheSettingsWrite_data();
    void cachedCountSkipsTheLastRecordAndTheSettingsWrite();
    void failingQuestionStopsTheTimeAndTheChoices_data();
    void failingQuestionStopsTheTimeAndTheChoices();
};

void TestGridScreen::questionShowsTheWordAndFiveChoices_data()
{
    QTest::addColumn<int>("pair");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<int>("rasppoz");
    // Slots draw the prepared texts 3, 0, 4, 1, 2.
    QTest::newRow("eng-spa") << 0 << 20 << "house" << QStringList{"perro", "casa", "rey", "malo", "gato"} << 1;
    QTest::newRow("ger-eng") << 5 << 5 << "Hund" << QStringList{"evening", "dog", "train", "cat", "house"} << 1;
}

void TestGridScreen::questionShowsTheWordAndFiveChoices()
{
    QFETCH(int, pair);
    QFETCH(int, count);
    QFETCH(QString, asked);
    QFETCH(QStringList, choices);
    QFETCH(int, rasppoz);
    ui().pairOptions[pair]->click();
    const Numbers entries = pair == 0 ? Numbers{14, 4, 9, 10, 19} : Numbers{3, 4, 2, 1, 5};
    ask(entries, {3, 0, 4, 1, 2}, count);

    QCOMPARE(ui().Text1->text(), asked);
    QCOMPARE(slotTexts(), choices);
    QCOMPARE(int(grid().rasppoz()), rasppoz);
    QCOMPARE(ui().Cmdcont->text(), QStringLiteral("Continue"));
    QCOMPARE(ui().Text3->text(), QStringLiteral("1"));
    QCOMPARE(ui().Text9->text(), QStringLiteral("5"));
    QVERIFY(grid().timer().isActive());
    QVERIFY(ui().Frame1->isEnabled());
    QCOMPARE(colourCodes(), QStringLiteral("wwwwww"));
    QCOMPARE(world->random.reseeds, 2);
    QCOMPARE(world->pointer.shown, 1);
    QCOMPARE(world->pointer.depth, 0);

    // An unanswered question is simply replaced and still counts.
    ask(entries, {0, 1, 2, 3, 4}, count);
    QCOMPARE(ui().Text3->text(), QStringLiteral("2"));
    QCOMPARE(ui().Text2[0]->text(), choices[rasppoz]);
}

void TestGridScreen::arrivingWordsTakeTheCaseOption_data()
{
    QTest::addColumn<int>("pair");
    QTest::addColumn<bool>("capitals");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("right");
    QTest::newRow("spa-eng abc") << 1 << false << "casa" << "house";
    QTest::newRow("spa-eng ABC") << 1 << true << "CASA" << "HOUSE";
    QTest::newRow("eng-ger abc keeps the capitals") << 4 << false << "cat" << "Katze";
    QTest::newRow("eng-ger ABC") << 4 << true << "CAT" << "KATZE";
    QTest::newRow("ger-eng abc keeps the capitals") << 5 << false << "Abend" << "evening";
}

void TestGridScreen::arrivingWordsTakeTheCaseOption()
{
    QFETCH(int, pair);
    QFETCH(bool, capitals);
    QFETCH(QString, asked);
    QFETCH(QString, right);
    ui().pairOptions[pair]->click();
    (capitals ? ui().Option2 : ui().Option1)->click();
    ask({1, 2, 3, 4, 5}, {0, 1, 2, 3, 4}, 5);
    QCOMPARE(ui().Text1->text(), asked);
    QCOMPARE(ui().Text2[0]->text(), right);
}

void TestGridScreen::choiceIsScoredByTimeLeft_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("score");
    QTest::addColumn<QString>("colours");
    // The right translation is in slot 0.
    QTest::newRow("right at 3") << 2 << 0 << "3" << "10" << "ggrrrr";
    QTest::newRow("right at 0") << 5 << 0 << "0" << "10" << "ggrrrr";
    QTest::newRow("right at -2") << 7 << 0 << "-2" << "8" << "ggrrrr";
    QTest::newRow("right at -4") << 9 << 0 << "-4" << "6" << "ggrrrr";
    QTest::newRow("wrong") << 1 << 3 << "4" << "1" << "ggrrrr";
}

void TestGridScreen::choiceIsScoredByTimeLeft()
{
    QFETCH(int, ticks);
    QFETCH(int, slot);
    QFETCH(QString, left);
    QFETCH(QString, score);
    QFETCH(QString, colours);
    ask();
    tick(ticks);
    ui().Option14[slot]->click();
    QCOMPARE(ui().Text9->text(), left);
    QCOMPARE(ui().Text7->text(), score);
    QCOMPARE(colourCodes(), colours);
    QVERIFY(!grid().timer().isActive());
    QVERIFY(ui().Frame1->isEnabled()); // another choice may still be clicked

    // The next question clears the choice, the colours and the score.
    ask();
    for (QRadioButton *option : ui().Option14)
        QVERIFY(!option->isChecked());
    QCOMPARE(colourCodes(), QStringLiteral("wwwwww"));
    QCOMPARE(ui().Text7->text(), QStringLiteral("1"));
}

void TestGridScreen::unansweredQuestionClosesAtTheEndOfOvertime()
{
    ask({14, 4, 9, 10, 19}, {2, 0, 1, 3, 4});
    QStringList shown;
    for (int i = 0; i < 10; ++i) {
        tick();
        shown << ui().Text9->text();
    }
    QCOMPARE(shown, QStringList({"4", "3", "2", "1", "0", "-1", "-2", "-3", "-4", "-5"}));
    QVERIFY(!ui().Frame1->isEnabled());
    QVERIFY(!grid().timer().isActive());
    QCOMPARE(colourCodes(), QStringLiteral("grgrrr"));
    QCOMPARE(ui().Text7->text(), QStringLiteral("1"));
    QCOMPARE(ui().Text8->text(), QStringLiteral("1.00"));
    QCOMPARE(grid().medie(), 1.0f);
    ask();
    QVERIFY(ui().Frame1->isEnabled());
}

void TestGridScreen::averageFollowsEveryQuestion_data()
{
    // One word per question: 'r' right choice, 'w' wrong choice (slot 3),
    // 't' one tick, '-' no answer before the next question.
    QTest::addColumn<QString>("questions");
    QTest::addColumn<bool>("decimalComma");
    QTest::addColumn<QString>("average");
    QTest::newRow("10, 1, 8") << "r w tttttttr" << false << "6.33";
    QTest::newRow("10, 1, 8 with a decimal comma") << "r w tttttttr" << true << "6,33";
    QTest::newRow("10, a skip, 1") << "r - w" << false << "7.00";
    QTest::newRow("a skip, then 10") << "- r" << false << "5.00";
    QTest::newRow("10, then wrong, then right") << "r wr" << false << "7.75";
    QTest::newRow("10, then the same wrong twice") << "r ww" << false << "3.25";
    QTest::newRow("10, then closed unanswered") << "r tttttttttt" << false << "5.50";
}

void TestGridScreen::averageFollowsEveryQuestion()
{
    QFETCH(QString, questions);
    QFETCH(bool, decimalComma);
    QFETCH(QString, average);
    if (decimalComma)
        world->services.locale = commaLocale();
    for (const QString &question : questions.split(u' ')) {
        ask();
        for (QChar action : question) {
            if (action == u't')
                tick();
            else if (action != u'-')
                ui().Option14[action == u'r' ? 0 : 3]->click();
        }
    }
    QCOMPARE(ui().Text8->text(), average);
    QCOMPARE(ui().Text3->text(), QString::number(questions.split(u' ').size()));
}

void TestGridScreen::averageAfterLeavingStartsFromOne()
{
    ask();
    ui().Option14[0]->click();
    leaveAndReturn();
    // The old question is still on show with its choices enabled, but no
    // attempt is counted: it is judged without touching the average.
    ui().Option14[3]->click();
    QCOMPARE(ui().Text7->text(), QStringLiteral("1"));
    QCOMPARE(ui().Text8->text(), QString());
    QCOMPARE(grid().medie(), 1.0f);

    ask();
    ask();
    ui().Option14[0]->click();
    QCOMPARE(ui().Text8->text(), QStringLiteral("5.50"));
}

void TestGridScreen::rightTextInTwoSlotsIsRightInBoth()
{
    ask({5, 5, 11, 12, 11}, {1, 0, 2, 3, 4}); // "cama" twice; "glass" has no translation
    QCOMPARE(slotTexts(), QStringList({"cama", "cama", "", "hogar", ""}));
    QCOMPARE(int(grid().rasppoz()), 1);
    ui().Option14[0]->click();
    QCOMPARE(ui().Text7->text(), QStringLiteral("10"));
    QCOMPARE(colourCodes(), QStringLiteral("gggrrr"));

    // A missing translation shows empty, and is right where it is the answer.
    ask({11, 1, 2, 3, 4}, {2, 1, 0, 3, 4});
    QCOMPARE(ui().Text1->text(), QStringLiteral("glass"));
    QCOMPARE(ui().Text2[2]->text(), QString());
    ui().Option14[2]->click();
    QCOMPARE(ui().Text7->text(), QStringLiteral("10"));
}

void TestGridScreen::choiceBeforeTheFirstQuestionIsIgnored()
{
    const QString colours = colourCodes();
    ui().Option14[2]->click();
    QCOMPARE(ui().Text7->text(), QStringLiteral("1"));
    QCOMPARE(ui().Text8->text(), QString());
    QCOMPARE(colourCodes(), colours);
    QCOMPARE(grid().medie(), 0.0f);
}

void TestGridScreen::cachedCountSkipsTheLastRecordAndTheSettingsWrite_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<qint64>("countAfter");
    // Every draw finds nothing (r = 0.99 draws 0 from 3 and from 20), so
    // the words come from where the cursor stands.
    QTest::newRow("settings name the pair") << "enspa" << "a" << qint64(3);
    QTest::newRow("settings name another pair") << "spaen" << "kitchen" << qint64(20);
}

void TestGridScreen::cachedCountSkipsTheLastRecordAndTheSettingsWrite()
{
    QFETCH(QString, stored);
    QFETCH(QString, asked);
    QFETCH(qint64, countAfter);
    writeSettings(world->root(), files::kTestSettings, stored, 3);
    world->random.draws = {0.99f, 0.99f, 0.99f, 0.99f, 0.99f};
    script({}, {0, 1, 2, 3, 4});
    ui().Cmdcont->click();
    QCOMPARE(ui().Text1->text(), asked);
    QCOMPARE(readSettings(world->root(), files::kTestSettings), qMakePair(QStringLiteral("enspa"), countAfter));
}

void TestGridScreen::failingQuestionStopsTheTimeAndTheChoices_data()
{
    QTest::addColumn<QString>("stored");
    // Counting fails on the empty table; with the count cached, the draw
    // fails after the attempt was counted.
    QTest::newRow("count fails") << "";
    QTest::newRow("draw fails") << "enspa";
}

void TestGridScreen::failingQuestionStopsTheTimeAndTheChoices()
{
    QFETCH(QString, stored);
    Tables tables = sampleTables();
    tables[QStringLiteral("enspa")] = {};
    world = std::make_unique<TestWorld>(tables);
    writeSettings(world->root(), files::kTestSettings, stored, 20);
    script({1, 2, 3, 4, 5});
    ui().Cmdcont->click();

    QCOMPARE(world->messages.shown.size(), 1);
    QVERIFY(!grid().timer().isActive());
    QVERIFY(!ui().Frame1->isEnabled());
    QCOMPARE(world->pointer.depth, 0);
    QCOMPARE(grid().nrnote(), qint16(0));
    QCOMPARE(ui().Text3->text(), QString());
    tick(10);
    QCOMPARE(ui().Text9->text(), QStringLiteral("5"));
    QCOMPARE(world->messages.shown.size(), 1);
}

QTEST_MAIN(TestGridScreen)
#include "tst_grid_screen.moc"
