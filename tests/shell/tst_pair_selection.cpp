#include "test_support.h"

#include "data/store_paths.h"
#include "dictionary/start_screen.h"
#include "grid_test/grid_screen.h"
#include "learning/learn_screen.h"
#include "writing_test/write_screen.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace vorbix;
using namespace vorbix::testing;

// Pair selection, letter filter and level on the learning and test screens.
class TestPairSelection : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestWorld> world;
    LearnScreen &learn() { return static_cast<LearnScreen &>(world->navigator.screen(ScreenId::Invatare)); }
    WriteScreen &write() { return static_cast<WriteScreen &>(world->navigator.screen(ScreenId::Test)); }
    GridScreen &grid() { return static_cast<GridScreen &>(world->navigator.screen(ScreenId::TestG)); }

    static void chooseLetter(QComboBox *combo, const QString &letter)
    {
        combo->setCurrentIndex(combo->findText(letter));
        Q_EMIT combo->activated(combo->currentIndex());
    }
    static QStringList range(const ExerciseControls &ex)
    {
        return {ex.Text10->text(), ex.Text11->text(), ex.Text12->text()};
    }

private Q_SLOTS:
    void init()
    {
        Tables tables = sampleTables();
        tables[QStringLiteral("geren")] = rows({"Abend=evening", "Kind=child", "kalt=cold", "Katze=cat", "Zug=train"});
        world = std::make_unique<TestWorld>(tables);
    }
    void cleanup() { world.reset(); }

    void captionsCountAndSettingsFollowThePair();
    void letterChosenComputesTheRange();
    void pairChangeRecomputesTheRangeAndReselectsAdvanced();
    void letterWithoutWordsGivesTheFirstIndexTwice();
    void noLetterLeavesTheRangeAlone();
    void unreadableTableLeavesTheScreenAsItWas();
    void learningReadsFrenchFromItsOwnFile();
    void gridPairChangeReselectsAdvanced();
    void mainWindowPairChangeGivesTheLookUpBoxTheFocus();
};

void TestPairSelection::captionsCountAndSettingsFollowThePair()
{
    write().ui().pairOptions[1]->click(); // spa-eng, captioned "spa-en" here
    QCOMPARE(write().ui().pairOptions[1]->text(), QStringLiteral("spa-en"));
    QCOMPARE(write().ui().Label6->text(), QStringLiteral("SPANISH"));
    QCOMPARE(write().ui().Label7->text(), QStringLiteral("ENGLISH"));
    QCOMPARE(write().nrmax(), 20);
    // The test screens keep their settings record in a file of their own.
    QCOMPARE(readSettings(world->root(), files::kTestSettings), qMakePair(QStringLiteral("spaen"), qint64(20)));
    QCOMPARE(readSettings(world->root(), files::kMain).first, QString());

    grid().ui().pairOptions[5]->click();
    QCOMPARE(grid().ui().Label6->text(), QStringLiteral("GERMAN"));
    QCOMPARE(readSettings(world->root(), files::kTestSettings), qMakePair(QStringLiteral("geren"), qint64(5)));

    learn().ui().pairOptions[5]->click();
    QCOMPARE(readSettings(world->root(), files::kMain), qMakePair(QStringLiteral("geren"), qint64(5)));
}

void TestPairSelection::letterChosenComputesTheRange()
{
    LearnForm &ui = learn().ui();
    chooseLetter(ui.Combo1, QStringLiteral("B"));
    QCOMPARE(range(ui), QStringList({"enspa", "4", "7"}));

    // "A-Z" finds nothing: both bounds are the first record's Index, the
    // pair stays named.
    chooseLetter(ui.Combo1, QStringLiteral("A-Z"));
    QCOMPARE(range(ui), QStringList({"enspa", "1", "1"}));
    QCOMPARE(ui.Combo1->findText(QStringLiteral("W")), -1);
    QCOMPARE(ui.Combo1->count(), 26);

    // Clicking "Advanced" again with a letter recomputes the same range.
    chooseLetter(ui.Combo1, QStringLiteral("K"));
    ui.Text11->clear();
    ui.Option13->click();
    QCOMPARE(range(ui), QStringList({"enspa", "18", "20"}));
    QCOMPARE(learn().nrprim(), 18);
    QCOMPARE(learn().nrultim(), 20);
}

void TestPairSelection::pairChangeRecomputesTheRangeAndReselectsAdvanced()
{
    WriteForm &ui = write().ui();
    chooseLetter(ui.Combo1, QStringLiteral("K"));
    ui.Option13->setChecked(false);
    ui.Option12->setChecked(true); // as if another level were possible
    ui.pairOptions[5]->click();    // ger-eng: "Kind", "kalt", "Katze" are 2..4
    QVERIFY(ui.Option13->isChecked());
    QCOMPARE(range(ui), QStringList({"geren", "2", "4"}));
    QCOMPARE(write().nrprim(), 2);
    QCOMPARE(write().nrultim(), 4);
}

void TestPairSelection::letterWithoutWordsGivesTheFirstIndexTwice()
{
    LearnForm &ui = learn().ui();
    chooseLetter(ui.Combo1, QStringLiteral("Q"));
    QCOMPARE(range(ui), QStringList({"enspa", "1", "1"}));
}

void TestPairSelection::noLetterLeavesTheRangeAlone()
{
    LearnForm &ui = learn().ui();
    ui.Text10->setText(QStringLiteral("x"));
    ui.pairOptions[2]->click();
    QCOMPARE(range(ui), QStringList({"x", "", ""}));
    QVERIFY(ui.Option13->isChecked());
    QCOMPARE(ui.Label7->text(), QStringLiteral("FRENCH"));
}

void TestPairSelection::unreadableTableLeavesTheScreenAsItWas()
{
    Tables tables = sampleTables();
    tables[QStringLiteral("enger")] = {};
    world = std::make_unique<TestWorld>(tables);
    LearnForm &ui = learn().ui();
    chooseLetter(ui.Combo1, QStringLiteral("B"));
    ui.pairOptions[4]->click(); // eng-ger has no words
    QVERIFY(ui.pairOptions[0]->isChecked());
    QCOMPARE(ui.Label7->text(), QStringLiteral("SPANISH"));
    QCOMPARE(range(ui), QStringList({"enspa", "4", "7"}));
    QCOMPARE(learn().nrprim(), 4); // as the letter "B" left it
    QCOMPARE(world->messages.shown.size(), 1);
    QCOMPARE(world->messages.shown[0].title, QStringLiteral("Vorbix"));
    QCOMPARE(readSettings(world->root(), files::kMain).first, QString());
}

void TestPairSelection::learningReadsFrenchFromItsOwnFile()
{
    // The learning screen's fre-eng cursor is bound to Convdiv/engmi; the
    // other screens read fre-eng from English/engmi.
    Tables convdiv = sampleTables();
    convdiv[QStringLiteral("fraen")] = rows({"chat=cat", "chien=dog", "maison=house"});
    writeDatabase(world->root(), files::kLearningFrench, convdiv);

    learn().ui().pairOptions[3]->click();
    QCOMPARE(learn().nrmax(), 3);
    QCOMPARE(readSettings(world->root(), files::kMain), qMakePair(QStringLiteral("fraen"), qint64(3)));
    write().ui().pairOptions[3]->click();
    QCOMPARE(write().nrmax(), 20);
}

void TestPairSelection::gridPairChangeReselectsAdvanced()
{
    GridForm &ui = grid().ui();
    ui.Option12->setChecked(true); // as if another level were possible
    QVERIFY(!ui.Option13->isChecked());
    ui.pairOptions[2]->click();
    QVERIFY(ui.Option13->isChecked());
    QCOMPARE(ui.Label7->text(), QStringLiteral("FRENCH"));
}

void TestPairSelection::mainWindowPairChangeGivesTheLookUpBoxTheFocus()
{
    Screen &start = world->navigator.screen(ScreenId::Start);
    start.show();
    QVERIFY(QTest::qWaitForWindowActive(&start));
    auto *lookUp = start.findChild<QLineEdit *>(QStringLiteral("Text0"));
    auto *option = start.findChild<QRadioButton *>(QStringLiteral("Option6"));
    option->setFocus();
    QVERIFY(!lookUp->hasFocus());
    option->click();
    QVERIFY(lookUp->hasFocus());
}

QTEST_MAIN(TestPairSelection)
#include "tst_pair_selection.moc"
