// A translation longer than its box shows its beginning on every screen,
// also when the program writes the text the box already holds: the first
// item of a translation is its main sense.
#include "test_support.h"

#include "dictionary/start_screen.h"
#include "grid_test/grid_screen.h"
#include "learning/learn_screen.h"
#include "writing_test/write_screen.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace vorbix;
using namespace vorbix::testing;

Q_DECLARE_METATYPE(ScreenId)

namespace {

const QString kLong = QStringLiteral("información, explicación, noticia, considerar, cuenta, relato, informe, razón");

// Every word of every table has the same long translation, so that each
// new word leaves the translation boxes' text as it was.
Tables sameLongTranslation()
{
    QStringList items;
    for (int i = 1; i <= 20; ++i)
        items.append(QStringLiteral("word%1=%2").arg(i, 2, 10, QLatin1Char('0')).arg(kLong));
    Tables tables;
    for (const LanguagePair &pair : kLanguagePairs)
        tables.insert(QLatin1String(pair.tableCode), rows(items));
    return tables;
}

} // namespace

class TestLongTexts : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestWorld> world;

    // Puts words on the screen twice, the way its user would.
    void showWordsTwice(ScreenId id)
    {
        Screen &screen = world->navigator.screen(id);
        switch (id) {
        case ScreenId::Start: {
            QLineEdit *typed = static_cast<StartScreen &>(screen).ui().Text0;
            typed->setText(QStringLiteral("word0"));
            typed->setText(QStringLiteral("word01"));
            break;
        }
        case ScreenId::Invatare:
            world->random.draws = {0.5f, 0.25f};
            static_cast<LearnScreen &>(screen).ui().Cmdcont->click();
            static_cast<LearnScreen &>(screen).ui().Cmdcont->click();
            break;
        case ScreenId::Test: {
            WriteForm &ui = static_cast<WriteScreen &>(screen).ui();
            world->random.draws = {0.5f, 0.25f};
            for (int i = 0; i < 2; ++i) {
                ui.Cmdcont->click();
                ui.Text5->setText(QStringLiteral("noticia"));
                ui.Cmdok->click();
            }
            break;
        }
        case ScreenId::TestG:
            for (int i = 0; i < 2; ++i) {
                world->random.draws = {0.5f, 0.1f, 0.2f, 0.3f, 0.4f, 0.9f, 0.7f, 0.5f, 0.3f, 0.1f};
                static_cast<GridScreen &>(screen).ui().Cmdcont->click();
            }
            break;
        }
    }

private Q_SLOTS:
    void init() { world = std::make_unique<TestWorld>(sameLongTranslation()); }
    void cleanup() { world.reset(); }

    void everyFilledBoxShowsItsBeginning_data();
    void everyFilledBoxShowsItsBeginning();
    void theUsersOwnMoveStaysUntilTheNextWord();
};

void TestLongTexts::everyFilledBoxShowsItsBeginning_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QStringList>("translationBoxes");
    QTest::newRow("Dictionary") << ScreenId::Start << QStringList{"Text15", "Text16", "Text21"};
    QTest::newRow("Learn words") << ScreenId::Invatare << QStringList{"Text4"};
    QTest::newRow("Write words, after Verify") << ScreenId::Test << QStringList{"Text4"};
    QTest::newRow("Grid test") << ScreenId::TestG << QStringList{"Text2_0", "Text2_2", "Text2_4"};
}

void TestLongTexts::everyFilledBoxShowsItsBeginning()
{
    QFETCH(ScreenId, id);
    QFETCH(QStringList, translationBoxes);
    Screen &screen = world->navigator.screen(id);
    screen.show();
    showWordsTwice(id);
    QVERIFY(world->messages.shown.isEmpty());
    for (const QString &name : translationBoxes)
        QCOMPARE(screen.findChild<QLineEdit *>(name)->text(), kLong);
    for (QLineEdit *box : screen.findChildren<QLineEdit *>()) {
        if (!box->isReadOnly())
            continue; // the user's own boxes keep the caret where the user left it
        QVERIFY2(box->cursorPosition() == 0 && !box->hasSelectedText(), qPrintable(box->objectName()));
    }
}

void TestLongTexts::theUsersOwnMoveStaysUntilTheNextWord()
{
    auto &learn = static_cast<LearnScreen &>(world->navigator.screen(ScreenId::Invatare));
    learn.show();
    QVERIFY(QTest::qWaitForWindowActive(&learn));
    world->random.draws = {0.5f, 0.25f};
    learn.ui().Cmdcont->click();
    QLineEdit *translation = learn.ui().Text4;
    translation->setFocus(Qt::TabFocusReason);
    QCOMPARE(translation->cursorPosition(), 0); // entering by Tab shows the beginning too
    QTest::keyClick(translation, Qt::Key_End);
    QCOMPARE(translation->cursorPosition(), kLong.size()); // the user reads on to the end
    learn.ui().Option2->click(); // "ABC" writes the words anew, in capitals
    QCOMPARE(translation->text(), kLong.toUpper());
    QCOMPARE(translation->cursorPosition(), 0);
}

QTEST_MAIN(TestLongTexts)
#include "tst_long_texts.moc"
