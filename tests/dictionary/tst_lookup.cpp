#include "test_support.h"

#include "data/store_paths.h"
#include "dictionary/start_screen.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

using namespace vorbix;
using namespace vorbix::testing;

namespace {

QStringList column(const std::array<QLineEdit *, 7> &boxes)
{
    QStringList texts;
    for (QLineEdit *box : boxes)
        texts.append(box->text());
    return texts;
}

} // namespace

class TestLookup : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestWorld> world;
    StartScreen *start = nullptr;

    StartForm &ui() { return start->ui(); }
    void type(const QString &text) { ui().Text0->setText(text); }
    QString row1() { return ui().sourceWord[0]->text(); }

private Q_SLOTS:
    void init();
    void cleanup();

    void emptyTextShowsTheFirstSevenEntries();
    void typedBeginningFindsTheFirstEntry();
    void oneLetterWithoutMatchShowsTheFirstEntry();
    void fallbackUsesTheLongestMatchingBeginning_data();
    void fallbackUsesTheLongestMatchingBeginning();
    void textsLongerThanTwentyAreNotSearched();
    void lastEntriesLeaveTheRowsBelowEmpty();
    void capitalsOnlyInTheFirstRowAndNullsAsEmptyBoxes();
    void quotesAreOrdinaryCharacters();
    void settingsRecordIsWrittenOnlyForAnotherPair();
    void cleanEmptiesTheBoxAndLooksUpAgain();
    void rowOneFollowsTheEmphasisOption();
    void failureKeepsWhatWasWritten();
};

void TestLookup::init()
{
    world = std::make_unique<TestWorld>(sampleTables());
    start = static_cast<StartScreen *>(&world->navigator.screen(ScreenId::Start));
}

void TestLookup::cleanup()
{
    world.reset();
}

void TestLookup::emptyTextShowsTheFirstSevenEntries()
{
    type(QStringLiteral("x"));
    type(QString());
    QCOMPARE(column(ui().sourceWord),
             QStringList({"a", "about", "above", "bad", "bed", "big", "book"}));
    QCOMPARE(column(ui().targetWord)[1], QStringLiteral("acerca"));
    QCOMPARE(ui().Text23->text(), QStringLiteral("1"));
    QCOMPARE(ui().Text22->text(), QStringLiteral("20"));
    QCOMPARE(ui().VScroll1->maximum(), 20);
    QCOMPARE(start->nrmax(), 20);
}

void TestLookup::typedBeginningFindsTheFirstEntry()
{
    type(QStringLiteral("hou"));
    QCOMPARE(row1(), QStringLiteral("house"));
    QCOMPARE(ui().targetWord[0]->text(), QStringLiteral("casa"));
    QCOMPARE(ui().Text23->text(), QStringLiteral("14"));
    QCOMPARE(column(ui().sourceWord).mid(1),
             QStringList({"in", "ink", "inside", "kind", "king", "kitchen"}));
    // Case does not matter.
    type(QStringLiteral("HOUSE"));
    QCOMPARE(row1(), QStringLiteral("house"));
}

void TestLookup::oneLetterWithoutMatchShowsTheFirstEntry()
{
    type(QStringLiteral("z"));
    QCOMPARE(row1(), QStringLiteral("a"));
    QCOMPARE(ui().Text23->text(), QStringLiteral("1"));
}

void TestLookup::fallbackUsesTheLongestMatchingBeginning_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("five letters, three match") << "kinxy" << "kind";
    QTest::newRow("four match") << "housz" << "house";
    QTest::newRow("two match") << "bx" << "bad";
    QTest::newRow("nothing matches at any length") << "zzz" << "a";
    QTest::newRow("trailing blank: falls back to two") << "ins " << "in";
    QTest::newRow("inner blank takes part") << "in k" << "in";
    QTest::newRow("leading blank never matches") << " on" << "a";
    QTest::newRow("twenty characters, nineteen tried first") << "kitchenaaaaaaaaaaaaa" << "kitchen";
}

void TestLookup::fallbackUsesTheLongestMatchingBeginning()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    type(typed);
    QCOMPARE(row1(), shown);
}

void TestLookup::textsLongerThanTwentyAreNotSearched()
{
    type(QStringLiteral("kitchenaaaaaaaaaaaaaa")); // 21 characters
    QCOMPARE(row1(), QStringLiteral("a"));
    type(QString(300, QLatin1Char('k')));
    QCOMPARE(row1(), QStringLiteral("a"));
    QCOMPARE(ui().Text23->text(), QStringLiteral("1"));
}

void TestLookup::lastEntriesLeaveTheRowsBelowEmpty()
{
    type(QStringLiteral("kind"));
    QCOMPARE(column(ui().sourceWord), QStringList({"kind", "king", "kitchen", "", "", "", ""}));
    QCOMPARE(column(ui().targetWord), QStringList({"amable", "rey", "cocina", "", "", "", ""}));
}

void TestLookup::capitalsOnlyInTheFirstRowAndNullsAsEmptyBoxes()
{
    ui().Option2->click(); // "ABC": no effect until the next look-up
    QCOMPARE(row1(), QString());
    type(QStringLiteral("do"));
    QCOMPARE(row1(), QStringLiteral("DOG"));
    QCOMPARE(ui().targetWord[0]->text(), QStringLiteral("PERRO"));
    // "glass" has no translation: an empty box, and the rows below still fill.
    QCOMPARE(ui().sourceWord[1]->text(), QStringLiteral("glass"));
    QCOMPARE(ui().targetWord[1]->text(), QString());
    QCOMPARE(ui().sourceWord[2]->text(), QStringLiteral("home"));
}

void TestLookup::quotesAreOrdinaryCharacters()
{
    Tables tables = sampleTables();
    tables[QStringLiteral("fraen")] = rows({"aller=to go", "aujourd'hui=today", "avec=with"});
    world = std::make_unique<TestWorld>(tables);
    start = static_cast<StartScreen *>(&world->navigator.screen(ScreenId::Start));
    ui().pairOptions[3]->click();
    type(QStringLiteral("aujourd'hui"));
    QCOMPARE(row1(), QStringLiteral("aujourd'hui"));
    type(QStringLiteral("au'"));
    QCOMPARE(row1(), QStringLiteral("aujourd'hui")); // falls back to "au"
}

void TestLookup::settingsRecordIsWrittenOnlyForAnotherPair()
{
    writeSettings(world->root(), files::kMain, QStringLiteral("enspa"), 7);
    type(QStringLiteral("b"));
    // The cached count is used: the rows stop after the seventh entry.
    QCOMPARE(ui().Text22->text(), QStringLiteral("7"));
    QCOMPARE(readSettings(world->root(), files::kMain), qMakePair(QStringLiteral("enspa"), qint64(7)));

    // Another screen stored another pair: the next look-up counts and writes.
    writeSettings(world->root(), files::kMain, QStringLiteral("geren"), 3);
    type(QStringLiteral("bo"));
    QCOMPARE(ui().Text22->text(), QStringLiteral("20"));
    QCOMPARE(readSettings(world->root(), files::kMain), qMakePair(QStringLiteral("enspa"), qint64(20)));
}

void TestLookup::cleanEmptiesTheBoxAndLooksUpAgain()
{
    type(QStringLiteral("king"));
    QCOMPARE(row1(), QStringLiteral("king"));
    ui().cmdclr->click();
    QCOMPARE(ui().Text0->text(), QString());
    QCOMPARE(row1(), QStringLiteral("a"));
}

void TestLookup::rowOneFollowsTheEmphasisOption()
{
    ui().Check1->setChecked(true);
    type(QStringLiteral("b"));
    QVERIFY(ui().sourceWord[0]->font().bold());
    QCOMPARE(ui().targetWord[0]->font().pointSizeF(), 10.0);
    QVERIFY(!ui().sourceWord[1]->font().bold());
    ui().Check1->setChecked(false);
    QVERIFY(!ui().sourceWord[0]->font().bold());
    QCOMPARE(ui().sourceWord[0]->font().pointSizeF(), 10.0);
}

void TestLookup::failureKeepsWhatWasWritten()
{
    type(QStringLiteral("b"));
    // The settings record names the pair with a count, but its table is gone:
    // the handler stops silently at the first read, after writing the count.
    Tables tables = sampleTables();
    tables[QStringLiteral("enspa")] = {};
    writeDatabase(world->root(), files::kMain, tables, QStringLiteral("enspa"), 5);
    world = std::make_unique<TestWorld>(tables);
    start = static_cast<StartScreen *>(&world->navigator.screen(ScreenId::Start));
    writeSettings(world->root(), files::kMain, QStringLiteral("enspa"), 5);
    type(QStringLiteral("b"));
    QCOMPARE(ui().Text22->text(), QStringLiteral("5"));
    QCOMPARE(ui().Text23->text(), QStringLiteral("Text23"));
    QCOMPARE(row1(), QString());
    QVERIFY(world->messages.shown.isEmpty());
}

QTEST_MAIN(TestLookup)
#include "tst_lookup.moc"
