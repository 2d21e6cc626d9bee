// F5 reads the word on show aloud in its own language, Shift+F5 its
// translation, slowly with Ctrl; the keys change nothing on the screen.
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
#include <QTest>

using namespace vorbix;
using namespace vorbix::testing;

Q_DECLARE_METATYPE(SpokenLanguage)

class TestSpeechKeys : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestWorld> world;
    template<typename S>
    S &open(ScreenId id)
    {
        auto &screen = static_cast<S &>(world->navigator.screen(id));
        screen.show();
        screen.activateWindow();
        if (!QTest::qWaitForWindowActive(&screen))
            qFatal("the window did not become active");
        return screen;
    }
    static void press(QWidget &window, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(&window, Qt::Key_F5, modifiers);
    }
    QString lastSaid() const { return world->speech.said.isEmpty() ? QString() : world->speech.said.last().text; }

    static Tables tables()
    {
        Tables t;
        t[QStringLiteral("enspa")] = rows({"house=casa", "dog=perro"});
        t[QStringLiteral("spaen")] = rows({"casa=house", "perro=dog"});
        t[QStringLiteral("enfra")] = rows({"house=maison", "dog=chien"});
        t[QStringLiteral("fraen")] = rows({"maison=house", "chien=dog"});
        t[QStringLiteral("enger")] = rows({"house=Haus", "dog=Hund"});
        t[QStringLiteral("geren")] = rows({"Haus=house", "Hund=dog"});
        return t;
    }

private Q_SLOTS:
    void init() { world = std::make_unique<TestWorld>(tables()); }
    void cleanup() { world.reset(); }

    void wordAndTranslationInTheirLanguages_data();
    void wordAndTranslationInTheirLanguages();
    void everyScreenReadsWhatItShows();
    void theWordOfATimedTickIsRead();
    void keysChangeNothing();
    void missingVoiceGivesOneHint();
    void noAudioOutputIsToldOnce();
};

void TestSpeechKeys::wordAndTranslationInTheirLanguages_data()
{
    QTest::addColumn<int>("pair");
    QTest::addColumn<QString>("word");
    QTest::addColumn<SpokenLanguage>("wordLanguage");
    QTest::addColumn<QString>("translation");
    QTest::addColumn<SpokenLanguage>("translationLanguage");
    using L = SpokenLanguage;
    QTest::newRow("eng-spa") << 0 << "dog" << L::English << "perro" << L::Spanish;
    QTest::newRow("spa-eng") << 1 << "perro" << L::Spanish << "dog" << L::English;
    QTest::newRow("eng-fre") << 2 << "dog" << L::English << "chien" << L::French;
    QTest::newRow("fre-eng") << 3 << "chien" << L::French << "dog" << L::English;
    QTest::newRow("eng-ger") << 4 << "dog" << L::English << "Hund" << L::German;
    QTest::newRow("ger-eng") << 5 << "Hund" << L::German << "dog" << L::English;
}

void TestSpeechKeys::wordAndTranslationInTheirLanguages()
{
    QFETCH(int, pair);
    QFETCH(QString, word);
    QFETCH(SpokenLanguage, wordLanguage);
    QFETCH(QString, translation);
    QFETCH(SpokenLanguage, translationLanguage);
    auto &learn = open<LearnScreen>(ScreenId::Invatare);
    learn.ui().pairOptions[pair]->click();
    learn.ui().Option10->setChecked(true); // in order: from the last word to the first, then "dog"
    learn.ui().Cmdcont->click();
    learn.ui().Cmdcont->click();
    QCOMPARE(learn.ui().Text3->text(), word);

    press(learn);
    press(learn, Qt::ShiftModifier);
    press(learn, Qt::ControlModifier);
    press(learn, Qt::ControlModifier | Qt::ShiftModifier);
    const QList<RecordingSpeech::Said> &said = world->speech.said;
    QCOMPARE(said.size(), 4);
    const std::tuple<QString, SpokenLanguage, double> expected[] = {
        {word, wordLanguage, 0.0}, {translation, translationLanguage, 0.0},
        {word, wordLanguage, -0.4}, {translation, translationLanguage, -0.4}};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(said[i].text, std::get<0>(expected[i]));
        QCOMPARE(said[i].language, std::get<1>(expected[i]));
        QCOMPARE(said[i].rate, std::get<2>(expected[i]));
    }
}

void TestSpeechKeys::everyScreenReadsWhatItShows()
{
    auto &start = open<StartScreen>(ScreenId::Start);
    start.ui().pairOptions[5]->click(); // ger-eng
    start.ui().Text0->setText(QStringLiteral("hu"));
    press(start);
    QCOMPARE(lastSaid(), QStringLiteral("Hund")); // the entry found, not the typed text
    press(start, Qt::ShiftModifier);
    QCOMPARE(lastSaid(), QStringLiteral("dog"));
    QCOMPARE(world->speech.said.last().language, SpokenLanguage::English);

    start.ui().cmdTest->click(); // carries ger-eng over
    auto &write = open<WriteScreen>(ScreenId::Test);
    world->random.draws = {0.5f}; // Int(0.5 * 2) = 1: "Haus"
    write.ui().Cmdcont->click();
    write.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&write));
    const qsizetype before = world->speech.said.size();
    press(write, Qt::ShiftModifier); // the right answer is covered: nothing is read
    QCOMPARE(world->speech.said.size(), before);
    write.ui().Cmdok->click();
    press(write, Qt::ShiftModifier);
    QCOMPARE(lastSaid(), QStringLiteral("house"));

    auto &grid = open<GridScreen>(ScreenId::TestG);
    world->random.draws = {0.5f, 0.9f, 0.5f, 0.9f, 0.5f, 0.9f, 0.7f, 0.5f, 0.3f, 0.1f};
    grid.ui().Cmdcont->click();
    press(grid);
    QCOMPARE(lastSaid(), grid.ui().Text1->text());
    grid.ui().Option14[3]->setFocus();
    press(grid, Qt::ShiftModifier);
    QCOMPARE(lastSaid(), grid.ui().Text2[3]->text());
    QVERIFY(grid.ui().Option14[3]->hasFocus());
    QVERIFY(!grid.ui().Option14[3]->isChecked()); // reading a choice does not choose it
}

void TestSpeechKeys::theWordOfATimedTickIsRead()
{
    auto &learn = open<LearnScreen>(ScreenId::Invatare);
    learn.ui().Text2->setText(QStringLiteral("1"));
    learn.ui().Check2->setChecked(true);
    learn.ui().Option10->setChecked(true);
    learn.ui().Cmdcont->click(); // "house"
    world->tickers.of(learn.ui().Timer1).fire(); // "dog"
    press(learn);
    QCOMPARE(lastSaid(), QStringLiteral("dog"));
}

void TestSpeechKeys::keysChangeNothing()
{
    auto &write = open<WriteScreen>(ScreenId::Test);
    write.ui().Check2->setChecked(true);
    world->random.draws = {0.5f};
    write.ui().Cmdcont->click();
    write.ui().Text5->setText(QStringLiteral("per"));
    write.ui().Text5->setFocus();
    const auto snapshot = [&] {
        QStringList state;
        for (QLineEdit *box : write.findChildren<QLineEdit *>())
            state << box->objectName() + QLatin1Char('=') + box->text() + (box->isHidden() ? "/hidden" : "");
        state << write.ui().Cmdcont->text() << QString::number(world->tickers.of(write.ui().Timer2).isActive());
        const auto settings = readSettings(world->root(), files::kTestSettings);
        state << settings.first << QString::number(settings.second) << QString::number(write.nrnote());
        return state;
    };
    const QStringList before = snapshot();
    const Qt::KeyboardModifiers all[] = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier,
                                         Qt::ControlModifier | Qt::ShiftModifier};
    for (Qt::KeyboardModifiers modifiers : all)
        press(write, modifiers);
    QCOMPARE(snapshot(), before);
    QVERIFY(write.ui().Text5->hasFocus());
    QCOMPARE(world->speech.said.size(), 2); // the covered answer is not read
}

void TestSpeechKeys::missingVoiceGivesOneHint()
{
    world->speech.missing = {SpokenLanguage::Spanish};
    auto &learn = open<LearnScreen>(ScreenId::Invatare);
    world->random.draws = {0.5f};
    learn.ui().Cmdcont->click(); // eng-spa, Int(0.5 * 2) = 1: "house", "casa"
    press(learn, Qt::ShiftModifier);
    press(learn, Qt::ShiftModifier);
    press(learn, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(world->messages.shown.size(), 1);
    QCOMPARE(world->messages.shown[0].title, QStringLiteral("Vorbix"));
    QCOMPARE(world->messages.shown[0].text,
             QStringLiteral("No voice is installed for Spanish. Install espeak-ng and speech-dispatcher to hear words."));
    QVERIFY(world->speech.said.isEmpty());
    press(learn); // English has a voice
    QCOMPARE(lastSaid(), QStringLiteral("house"));
    QCOMPARE(world->messages.shown.size(), 1);
}

void TestSpeechKeys::noAudioOutputIsToldOnce()
{
    world->speech.audioOutput = false;
    world->speech.missing = {SpokenLanguage::Spanish};
    auto &start = open<StartScreen>(ScreenId::Start);
    start.ui().Text0->setText(QStringLiteral("house"));
    press(start);
    press(start, Qt::ShiftModifier);
    press(start, Qt::ControlModifier);
    QVERIFY(world->speech.said.isEmpty());
    QCOMPARE(world->messages.shown.size(), 1); // the missing voice is not the point
    QVERIFY(world->messages.shown[0].text.startsWith(QStringLiteral("No audio output is available")));

    auto &grid = open<GridScreen>(ScreenId::TestG); // once per run, not per screen
    press(grid);
    QCOMPARE(world->messages.shown.size(), 1);

    world->speech.audioOutput = true; // a sound server has been started
    press(open<StartScreen>(ScreenId::Start));
    QCOMPARE(lastSaid(), QStringLiteral("house"));
}

QTEST_MAIN(TestSpeechKeys)
#include "tst_speech_keys.moc"
