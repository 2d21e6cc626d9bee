// Renders the four windows with real words into PNG files, offscreen: the
// dictionary mid-typing, a running timed exercise, a graded answer and an
// answered grid question. The pictures of the README and the metainfo come
// from here:
//   vorbix-screenshots --out docs/screenshots
//   QT_SCALE_FACTOR=2 vorbix-screenshots --out /tmp/hidpi
#include "app/application_setup.h"
#include "app/screen_factory.h"
#include "data/bundled_data.h"
#include "data/store_paths.h"
#include "data/word_store.h"
#include "dictionary/start_screen.h"
#include "grid_test/grid_screen.h"
#include "learning/learn_screen.h"
#include "platform/clock.h"
#include "platform/message_sink.h"
#include "platform/mouse_pointer.h"
#include "platform/random_source.h"
#include "platform/speech.h"
#include "platform/ticker.h"
#include "progress/progress_log.h"
#include "shell/services.h"
#include "writing_test/write_screen.h"

#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QDir>
#include <QHash>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextStream>

#include <random>

using namespace vorbix;

namespace {

// The same pictures on every run: a fixed seed that reseeding keeps.
class FixedRandom final : public RandomSource
{
public:
    float next() override { return std::uniform_real_distribution<float>(0.0f, 1.0f)(m_engine); }
    void reseedFromClock() override {}

private:
    std::mt19937 m_engine{20261208};
};

class QuietMessages final : public MessageSink
{
public:
    void show(const Message &message) override
    {
        QTextStream(stderr) << "message: " << message.text << '\n';
    }
};

// Timers that tick when the tool says so, so that a countdown stands where
// the picture wants it.
class SteppedTicker final : public Ticker
{
public:
    void start() override { m_active = true; }
    void stop() override { m_active = false; }
    bool isActive() const override { return m_active; }
    void setInterval(int milliseconds) override { m_interval = milliseconds; }
    int interval() const override { return m_interval; }
    void step()
    {
        if (m_active)
            tick();
    }

private:
    bool m_active = false;
    int m_interval = 1000;
};

class SteppedTickers final : public TickerFactory
{
public:
    std::unique_ptr<Ticker> make(QTimer *designTimer) override
    {
        auto ticker = std::make_unique<SteppedTicker>();
        m_made.insert(designTimer, ticker.get());
        return ticker;
    }
    void step(QTimer *designTimer, int times)
    {
        for (int i = 0; i < times; ++i)
            m_made.value(designTimer)->step();
    }

private:
    QHash<QTimer *, SteppedTicker *> m_made;
};

class NoPointer final : public MousePointer
{
public:
    void showBusy() override {}
    void restore() override {}
    void restoreAll() override {}
    bool isBusy() const override { return false; }
};

bool save(QWidget &window, const QString &folder, const char *name)
{
    window.show();
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(QLatin1String(name));
    const bool saved = window.grab().save(path);
    QTextStream(saved ? stdout : stderr) << (saved ? "wrote " : "could not write ") << path << '\n';
    window.hide();
    return saved;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpApplicationIdentity(app);
    setUpApplicationLook();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders the windows of Vorbix into PNG files."));
    parser.addHelpOption();
    const QCommandLineOption dataRootOption(QStringLiteral("data-root"), QStringLiteral("Word databases in <dir>."),
                                            QStringLiteral("dir"), defaultDataRoot());
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("Write the pictures into <dir>."),
                                       QStringLiteral("dir"), QStringLiteral("docs/screenshots"));
    parser.addOption(dataRootOption);
    parser.addOption(outOption);
    parser.process(app);

    const QString out = parser.value(outOption);
    QDir().mkpath(out);
    const QString dataRoot = QDir(parser.value(dataRootOption)).absolutePath();
    seedMissingDatabases(dataRoot, bundledDataFolders());

    WordStore store(dataRoot);
    QuietMessages messages;
    FixedRandom random;
    SteppedTickers tickers;
    NoPointer pointer;
    const std::unique_ptr<Speech> speech = makeDesktopSpeech(); // never started: no key is pressed
    SystemClock clock;
    ProgressLog progress(dataRoot, clock, messages);
    Services services{store, messages, random, tickers, pointer, QLocale(QLocale::English, QLocale::UnitedStates),
                      *speech, clock, progress};
    Navigator navigator(services, makeScreen);
    bool ok = true;

    auto &start = static_cast<StartScreen &>(navigator.screen(ScreenId::Start));
    start.ui().Text0->setText(QStringLiteral("hou"));
    ok &= save(start, out, "dictionary.png");

    auto &learn = static_cast<LearnScreen &>(navigator.screen(ScreenId::Invatare));
    learn.ui().pairOptions[2]->click(); // eng-fre
    learn.ui().Check2->setChecked(true);
    learn.ui().Cmdcont->click();
    tickers.step(learn.ui().Timer1, 3);
    ok &= save(learn, out, "learn-words.png");

    auto &write = static_cast<WriteScreen &>(navigator.screen(ScreenId::Test));
    write.ui().pairOptions[1]->click(); // spa-eng
    write.ui().Cmdcont->click();
    write.ui().Text5->setText(write.ui().Text4->text().left(3) + QStringLiteral("e"));
    write.ui().Cmdok->click();
    ok &= save(write, out, "write-words.png");

    auto &grid = static_cast<GridScreen &>(navigator.screen(ScreenId::TestG));
    grid.ui().pairOptions[4]->click(); // eng-ger
    grid.ui().Cmdcont->click();
    tickers.step(grid.ui().Timer3, 2);
    grid.ui().Option14[grid.rasppoz()]->click();
    ok &= save(grid, out, "grid-test.png");

    return ok ? 0 : 1;
}
