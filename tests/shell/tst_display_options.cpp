#include "test_support.h"

#include "dictionary/start_screen.h"
#include "grid_test/grid_screen.h"
#include "learning/learn_screen.h"
#include "shell/display_case.h"
#include "writing_test/write_screen.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace vorbix;
using namespace vorbix::testing;

class TestDisplayOptions : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestWorld> world;
    Screen &screen(ScreenId id) { return world->navigator.screen(id); }

private Q_SLOTS:
    void init() { world = std::make_unique<TestWorld>(sampleTables()); }
    void cleanup() { world.reset(); }

    void emphasisSetsBoldAndSizeOfTheWordBoxesOnly_data();
    void emphasisSetsBoldAndSizeOfTheWordBoxesOnly();
    void caseOptionsConvertTheWordsOnShow();
    void arrivingWordsKeepGermanCapitalsWithSmallLetters();
};

void TestDisplayOptions::emphasisSetsBoldAndSizeOfTheWordBoxesOnly_data()
{
    QTest::addColumn<int>("screenId");
    QTest::addColumn<QStringList>("wordBoxes");
    QTest::addColumn<QString>("otherBox");
    QTest::addColumn<double>("plainSize");
    QTest::newRow("Start") << int(ScreenId::Start) << QStringList{"Text8", "Text15"} << "Text9" << 10.0;
    QTest::newRow("Invatare") << int(ScreenId::Invatare) << QStringList{"Text3", "Text4"} << "Text6" << 8.0;
    QTest::newRow("Test") << int(ScreenId::Test) << QStringList{"Text3", "Text4", "Text5"} << "Text7" << 8.0;
    QTest::newRow("TestG") << int(ScreenId::TestG)
                           << QStringList{"Text1", "Text2_0", "Text2_1", "Text2_2", "Text2_3", "Text2_4"}
                           << "Text2_5" << 8.0;
}

void TestDisplayOptions::emphasisSetsBoldAndSizeOfTheWordBoxesOnly()
{
    QFETCH(int, screenId);
    QFETCH(QStringList, wordBoxes);
    QFETCH(QString, otherBox);
    QFETCH(double, plainSize);
    Screen &s = screen(ScreenId(screenId));
    QLineEdit *other = s.findChild<QLineEdit *>(otherBox);
    QVERIFY(other);
    const QFont otherFont = other->font();
    for (const QString &name : wordBoxes)
        QCOMPARE(s.findChild<QLineEdit *>(name)->font().pointSizeF(), 9.75);

    s.controls().Check1->setChecked(true);
    for (const QString &name : wordBoxes) {
        QLineEdit *box = s.findChild<QLineEdit *>(name);
        QVERIFY2(box->font().bold(), qPrintable(name));
        QCOMPARE(box->font().pointSizeF(), 10.0);
    }
    s.controls().Check1->setChecked(false);
    for (const QString &name : wordBoxes) {
        QLineEdit *box = s.findChild<QLineEdit *>(name);
        QVERIFY(!box->font().bold());
        QCOMPARE(box->font().pointSizeF(), plainSize);
    }
    QCOMPARE(other->font(), otherFont);
}

void TestDisplayOptions::caseOptionsConvertTheWordsOnShow()
{
    auto &write = static_cast<WriteScreen &>(screen(ScreenId::Test));
    write.ui().Text3->setText(QStringLiteral("Haus"));
    write.ui().Text4->setText(QStringLiteral("house, Home"));
    write.ui().Text5->setText(QStringLiteral("hoUse"));
    write.ui().Option2->click();
    QCOMPARE(write.ui().Text3->text(), QStringLiteral("HAUS"));
    QCOMPARE(write.ui().Text4->text(), QStringLiteral("HOUSE, HOME"));
    QCOMPARE(write.ui().Text5->text(), QStringLiteral("HOUSE"));
    write.ui().Option1->click();
    QCOMPARE(write.ui().Text3->text(), QStringLiteral("haus"));
    QCOMPARE(write.ui().Text5->text(), QStringLiteral("house"));

    auto &grid = static_cast<GridScreen &>(screen(ScreenId::TestG));
    grid.ui().Text2[1]->setText(QStringLiteral("Katze"));
    grid.ui().Option2->click();
    QCOMPARE(grid.ui().Text2[1]->text(), QStringLiteral("KATZE"));
    QCOMPARE(grid.ui().Text2[5]->text(), QStringLiteral("5"));
    QCOMPARE(grid.ui().Text1->text(), QString()); // empty stays empty

    // The main window waits for its next look-up.
    auto &start = static_cast<StartScreen &>(screen(ScreenId::Start));
    start.ui().Text0->setText(QStringLiteral("cat"));
    start.ui().Option2->click();
    QCOMPARE(start.ui().sourceWord[0]->text(), QStringLiteral("cat"));
    start.ui().Text0->setText(QStringLiteral("ca"));
    QCOMPARE(start.ui().sourceWord[0]->text(), QStringLiteral("CAR"));
}

void TestDisplayOptions::arrivingWordsKeepGermanCapitalsWithSmallLetters()
{
    QLineEdit word, translation;
    word.setText(QStringLiteral("die Katze"));
    translation.setText(QStringLiteral("The Cat"));
    applyArrivingCase({&word, &translation}, false, true, QStringLiteral("geren"));
    QCOMPARE(word.text(), QStringLiteral("die Katze"));
    applyArrivingCase({&word, &translation}, false, true, QStringLiteral("enspa"));
    QCOMPARE(translation.text(), QStringLiteral("the cat"));
    applyArrivingCase({&word}, true, false, QStringLiteral("enger"));
    QCOMPARE(word.text(), QStringLiteral("DIE KATZE"));
}

QTEST_MAIN(TestDisplayOptions)
#include "tst_display_options.moc"
