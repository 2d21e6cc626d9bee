#include "test_support.h"

#include "data/store_paths.h"
#include "dictionary/start_screen.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

using namespace vorbix;
using namespace vorbix::testing;

// Browsing with the scroll bar beside the dictionary grid, on a table of
// 20 entries "w01".."w20" (and 7 entries for the odd-count case).
class TestBrowse : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestWorld> world;
    StartScreen *start = nullptr;
    StartForm &ui() { return start->ui(); }
    QString row(int r) { return ui().sourceWord[r]->text(); }
    void scrollTo(int v) { ui().VScroll1->setValue(v); }

    static QStringList numbered(int n, int firstIndex = 1)
    {
        QStringList items;
        for (int i = 0; i < n; ++i)
            items.append(QStringLiteral("w%1=t%1").arg(i + firstIndex, 2, 10, QLatin1Char('0')));
        return items;
    }
    void open(const QVector<WordRow> &table)
    {
        Tables tables = sampleTables();
        tables[QStringLiteral("enspa")] = table;
        world = std::make_unique<TestWorld>(tables);
        start = static_cast<StartScreen *>(&world->navigator.screen(ScreenId::Start));
    }

private Q_SLOTS:
    void init() { open(rows(numbered(20))); }
    void cleanup() { world.reset(); }

    void scrollingBeforeAnyLookUpChangesNothing();
    void firstMoveAfterALookUpOnlyReturnsToTheFoundEntry();
    void bothEndsReachTheEntryAtThePosition_data();
    void bothEndsReachTheEntryAtThePosition();
    void lastPositionLeavesTheRowsBelowEmpty();
    void capitalsOnlyInTheFirstRow();
    void pairSelectionResetsLookUpAndScrollBar();
    void pairSelectionWithEmptyBoxKeepsTheRows();
    void pairSelectionNeverLeavesAnotherPairsWords_data();
    void pairSelectionNeverLeavesAnotherPairsWords();
    void tablesNumberedFromElsewhereWalkByIndex();
    void lookUpThatLowersTheMaximumLeavesBrowsingToTheUser();
    void keysBrowseFromTheEntryShown_data();
    void keysBrowseFromTheEntryShown();
};

void TestBrowse::scrollingBeforeAnyLookUpChangesNothing()
{
    ui().VScroll1->setMaximum(20);
    scrollTo(5);
    scrollTo(6);
    QCOMPARE(row(0), QString());
    QVERIFY(!start->sincronizat());
}

void TestBrowse::firstMoveAfterALookUpOnlyReturnsToTheFoundEntry()
{
    ui().Text0->setText(QStringLiteral("w12"));
    QCOMPARE(row(0), QStringLiteral("w12"));
    QCOMPARE(ui().VScroll1->value(), 1);

    scrollTo(2); // brought back to the found entry
    QCOMPARE(ui().VScroll1->value(), 12);
    QCOMPARE(row(0), QStringLiteral("w12"));
    QVERIFY(start->sincronizat());

    scrollTo(13); // now it moves on
    QCOMPARE(row(0), QStringLiteral("w13"));
    QCOMPARE(row(6), QStringLiteral("w19"));
    QCOMPARE(ui().Text23->text(), QStringLiteral("12")); // browsing never writes it

    ui().Text0->setText(QStringLiteral("w0")); // a new look-up starts over
    QVERIFY(!start->sincronizat());
    scrollTo(14);
    QCOMPARE(ui().VScroll1->value(), 1);
    QCOMPARE(row(0), QStringLiteral("w01"));
}

void TestBrowse::bothEndsReachTheEntryAtThePosition_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("position");
    QTest::newRow("first") << 20 << 1;
    QTest::newRow("just below half") << 20 << 10;
    QTest::newRow("just above half") << 20 << 11;
    QTest::newRow("odd count, below 3.5") << 7 << 3;
    QTest::newRow("odd count, above 3.5") << 7 << 4;
}

void TestBrowse::bothEndsReachTheEntryAtThePosition()
{
    QFETCH(int, count);
    QFETCH(int, position);
    open(rows(numbered(count)));
    ui().Text0->setText(QStringLiteral("w"));
    scrollTo(2); // synchronise
    scrollTo(position);
    QCOMPARE(row(0), QStringLiteral("w%1").arg(position, 2, 10, QLatin1Char('0')));
    if (position < count)
        QCOMPARE(row(1), QStringLiteral("w%1").arg(position + 1, 2, 10, QLatin1Char('0')));
}

void TestBrowse::lastPositionLeavesTheRowsBelowEmpty()
{
    ui().Text0->setText(QStringLiteral("w"));
    scrollTo(2);
    scrollTo(20);
    QCOMPARE(row(0), QStringLiteral("w20"));
    for (int r = 1; r < 7; ++r) {
        QCOMPARE(row(r), QString());
        QCOMPARE(ui().targetWord[r]->text(), QString());
    }
}

void TestBrowse::capitalsOnlyInTheFirstRow()
{
    ui().Text0->setText(QStringLiteral("w"));
    ui().Option2->click();
    scrollTo(2);
    scrollTo(4);
    QCOMPARE(row(0), QStringLiteral("W04"));
    QCOMPARE(ui().targetWord[0]->text(), QStringLiteral("T04"));
    QCOMPARE(row(1), QStringLiteral("w05"));
}

void TestBrowse::pairSelectionResetsLookUpAndScrollBar()
{
    ui().Text0->setText(QStringLiteral("w15"));
    scrollTo(3);
    scrollTo(16);
    ui().pairOptions[3]->click(); // fre-eng, the sample table of 20 words
    QCOMPARE(ui().Text0->text(), QString());
    QCOMPARE(ui().Label6->text(), QStringLiteral("FRENCH"));
    QCOMPARE(ui().Label7->text(), QStringLiteral("ENGLISH"));
    QCOMPARE(ui().VScroll1->value(), 1);
    QCOMPARE(ui().VScroll1->maximum(), 20);
    QCOMPARE(ui().Text22->text(), QStringLiteral("20"));
    QCOMPARE(ui().Text23->text(), QStringLiteral("1"));
    QVERIFY(!start->sincronizat());
    QCOMPARE(readSettings(world->root(), files::kMain), qMakePair(QStringLiteral("fraen"), qint64(20)));
    QCOMPARE(row(0), QStringLiteral("a")); // the look-up of the emptied box
}

void TestBrowse::pairSelectionWithEmptyBoxKeepsTheRows()
{
    // Box empty, scroll bar at 1: neither the look-up nor browsing runs, so
    // the grid keeps its empty design-time rows.
    ui().pairOptions[1]->click();
    QCOMPARE(ui().Label6->text(), QStringLiteral("SPANISH"));
    QCOMPARE(row(0), QString());
    QCOMPARE(ui().Text23->text(), QStringLiteral("1"));
    // Now browsing works from the first entry.
    scrollTo(3);
    QCOMPARE(ui().VScroll1->value(), 1);
    QCOMPARE(row(0), QStringLiteral("a"));
    scrollTo(3);
    QCOMPARE(row(0), QStringLiteral("above"));
}

void TestBrowse::pairSelectionNeverLeavesAnotherPairsWords_data()
{
    // How the look-up box came to be empty while the rows show eng-spa's
    // entries "w01".."w07".
    QTest::addColumn<QString>("how");
    QTest::newRow("emptied with Clean") << "clean";
    QTest::newRow("emptied by a pair change") << "pair";
    QTest::newRow("browsed back to the first entry") << "browse";
}

void TestBrowse::pairSelectionNeverLeavesAnotherPairsWords()
{
    QFETCH(QString, how);
    ui().Text0->setText(QStringLiteral("w05"));
    if (how == QLatin1String("clean")) {
        ui().cmdclr->click();
    } else if (how == QLatin1String("pair")) {
        ui().pairOptions[1]->click(); // spa-eng, then back to eng-spa
        ui().pairOptions[0]->click();
    } else {
        ui().Text0->clear();
        scrollTo(3); // brings the bar to the entry shown, then moves on
        scrollTo(3);
        scrollTo(1);
    }
    QCOMPARE(ui().Text0->text(), QString());
    QCOMPARE(row(0), QStringLiteral("w01"));

    ui().pairOptions[2]->click(); // eng-fre: the sample table "a", "about", ...
    QCOMPARE(ui().Label7->text(), QStringLiteral("FRENCH"));
    QCOMPARE(row(0), QStringLiteral("a"));
    QCOMPARE(ui().targetWord[0]->text(), QStringLiteral("un"));
    QCOMPARE(row(6), QStringLiteral("book"));
    QCOMPARE(ui().Text23->text(), QStringLiteral("1"));
    QVERIFY(!start->sincronizat());
    QCOMPARE(readSettings(world->root(), files::kMain), qMakePair(QStringLiteral("enfra"), qint64(20)));
}

void TestBrowse::tablesNumberedFromElsewhereWalkByIndex()
{
    // Numbered 5..24: walking from the front steps (v - 5) records, from the
    // back (24 - v), so both reach the entry whose Index is v.
    QVector<WordRow> table = rows(numbered(20, 5));
    for (WordRow &r : table)
        r.index += 4;
    open(table);
    ui().Text0->setText(QStringLiteral("w"));
    QCOMPARE(ui().Text22->text(), QStringLiteral("24"));
    scrollTo(2);
    QCOMPARE(ui().VScroll1->value(), 5);
    scrollTo(8); // below half of 24: from the front
    QCOMPARE(row(0), QStringLiteral("w08"));
    scrollTo(20); // above half: from the back
    QCOMPARE(row(0), QStringLiteral("w20"));
}

void TestBrowse::lookUpThatLowersTheMaximumLeavesBrowsingToTheUser()
{
    // fre-eng holds 20 entries in the main file and 10 in the learning
    // screen's own file, whose count the learning screen stores.
    Tables main = sampleTables();
    main[QStringLiteral("fraen")] = rows(numbered(20));
    world = std::make_unique<TestWorld>(main);
    Tables convdiv = main;
    convdiv[QStringLiteral("fraen")] = rows(numbered(10));
    writeDatabase(world->root(), files::kLearningFrench, convdiv);
    start = static_cast<StartScreen *>(&world->navigator.screen(ScreenId::Start));
    start->show();

    ui().pairOptions[3]->click();
    ui().Text0->setText(QStringLiteral("w05"));
    scrollTo(17);
    scrollTo(18);
    QCOMPARE(row(0), QStringLiteral("w18"));
    ui().cmdInvat->click(); // stores fraen with the count 10
    world->navigator.screen(ScreenId::Invatare).findChild<QPushButton *>(QStringLiteral("cmdDict"))->click();

    ui().Text0->setText(QStringLiteral("w07"));
    QCOMPARE(row(0), QStringLiteral("w07"));
    QCOMPARE(ui().VScroll1->maximum(), 10);
    QVERIFY(!start->sincronizat());
    // The first scroll only brings the thumb to the entry found.
    scrollTo(ui().VScroll1->value() - 1);
    QCOMPARE(ui().VScroll1->value(), 7);
    QCOMPARE(row(0), QStringLiteral("w07"));
    scrollTo(8);
    QCOMPARE(row(0), QStringLiteral("w08"));
}

void TestBrowse::keysBrowseFromTheEntryShown_data()
{
    QTest::addColumn<bool>("onScrollBar"); // else in the look-up box
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QStringList>("firstRows"); // row 1 after each key
    const QList<int> keys{Qt::Key_Down, Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Up, Qt::Key_PageUp, Qt::Key_PageUp};
    const QStringList rows{"w13", "w14", "w21", "w20", "w13", "w06"};
    QTest::newRow("look-up box") << false << keys << rows;
    QTest::newRow("scroll bar, reached by Tab") << true << keys << rows;
    QTest::newRow("scroll bar, Home and End") << true << QList<int>{Qt::Key_End, Qt::Key_Home}
                                              << QStringList{"w30", "w01"};
}

void TestBrowse::keysBrowseFromTheEntryShown()
{
    QFETCH(bool, onScrollBar);
    QFETCH(QList<int>, keys);
    QFETCH(QStringList, firstRows);
    open(rows(numbered(30)));
    start->show();
    QVERIFY(QTest::qWaitForWindowActive(start));
    QTest::keyClicks(ui().Text0, QStringLiteral("w12"));
    QCOMPARE(row(0), QStringLiteral("w12"));
    QWidget *target = ui().Text0;
    if (onScrollBar) {
        target = ui().VScroll1;
        QVERIFY(target->focusPolicy() & Qt::TabFocus);
        target->setFocus(Qt::TabFocusReason);
    }
    QStringList seen;
    for (int key : keys) {
        QTest::keyClick(target, Qt::Key(key));
        seen.append(row(0));
    }
    QCOMPARE(seen, firstRows);
    QCOMPARE(ui().Text0->text(), QStringLiteral("w12")); // the typed word stays
    QCOMPARE(ui().VScroll1->value(), ui().sourceWord[0]->text().mid(1).toInt());
}

QTEST_MAIN(TestBrowse)
#include "tst_browse.moc"
