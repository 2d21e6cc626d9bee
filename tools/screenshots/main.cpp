// Renders the windows with real words into PNG files, offscreen: the
// dictionary mid-typing, a running timed exercise, a graded answer, an
// answered grid question and the Progress window over a month of generated
// answers (kept in a temporary folder, never in the data root's own
// progress file). The pictures of the README and the metainfo come from
// here:
//   vorbix-screenshots --out docs/screenshots
//   QT_SCALE_FACTOR=2 vorbix-screenshots --out /tmp/hidpi
// With --accessibility each picture gets a NAME.a11y.txt beside it: the
// window's accessibility tree as a screen reader meets it (role, name,
// description, value, states) and the order in which Tab visits it.
#include "app/application_setup.h"
#include "app/screen_factory.h"
#include "data/bundled_data.h"
#include "data/record_error.h"
#include "data/store_paths.h"
#include "data/word_store.h"
#include "data/word_table.h"
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
#include "progress/progress_store.h"
#include "progress/window/progress_window.h"
#include "shell/services.h"
#include "writing_test/write_screen.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QMetaEnum>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QDir>
#include <QHash>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
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

// The same dates on every run: an evening at the end of March.
class FixedClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime(QDate(2025, 3, 28), QTime(18, 30)); }
};

// Four weeks of evenings with "Write words" and the grid test on eng-spa:
// 60 words, a few rest days, answers that get better as the days go by.
void writeSampleHistory(ProgressStore &store, const WordTable &words, const QDateTime &now)
{
    std::mt19937 engine(20250328);
    auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine); };
    QVector<int> chosen;
    for (int tries = 0; chosen.size() < 60 && tries < 10000; ++tries) {
        const int row = below(words.size());
        const QString word = words.source(row).value_or(QString());
        const QString right = words.target(row).value_or(QString());
        if (word.size() >= 3 && word.size() <= 12 && !right.isEmpty() && right.size() <= 24 && !chosen.contains(row))
            chosen.append(row);
    }
    if (chosen.isEmpty())
        return;
    for (int day = -29; day <= 0; ++day) {
        if (day % 7 == -2 || below(6) == 0)
            continue; // a day off
        const double skill = 0.4 + 0.5 * (day + 29) / 29.0;
        QDateTime at(now.date().addDays(day), QTime(17, 0));
        for (int n = 8 + below(18); n > 0; --n) {
            const int row = chosen[below(int(chosen.size()))];
            const bool right = std::uniform_real_distribution<double>(0, 1)(engine) < skill;
            const bool grid = below(2) == 0;
            const double score = grid ? (right ? (below(4) == 0 ? 8.0 : 10.0) : 1.0)
                                      : (right ? 9.0 + below(2) : 1.0 + below(70) / 10.0);
            const Grading grading = grid ? (!right ? Grading::Wrong : score < 10 ? Grading::Late : Grading::Right)
                                         : Grading::Verify;
            const WordOnShow word{0, words.index(row), *words.source(row), *words.target(row), at};
            at = at.addSecs(20 + below(40));
            store.addAnswer({word, grading, QString(), score, true}, at);
        }
    }
}

class NoPointer final : public MousePointer
{
public:
    void showBusy() override {}
    void restore() override {}
    void restoreAll() override {}
    bool isBusy() const override { return false; }
};

void writeAccessibleTree(QAccessibleInterface *node, int depth, QTextStream &out)
{
    if (!node || !node->isValid())
        return;
    const QAccessible::State state = node->state();
    if (state.invisible)
        return;
    static const QMetaEnum roles = QMetaEnum::fromType<QAccessible::Role>();
    QStringList states;
    if (state.focusable)
        states << QStringLiteral("focusable");
    if (state.focused)
        states << QStringLiteral("focused");
    if (state.disabled)
        states << QStringLiteral("disabled");
    if (state.checked)
        states << QStringLiteral("checked");
    if (state.readOnly)
        states << QStringLiteral("read-only");
    out << QString(depth * 2, QLatin1Char(' ')) << roles.valueToKey(node->role()) << " \""
        << node->text(QAccessible::Name) << '"';
    for (const auto &[what, text] : {std::pair{"description", QAccessible::Description},
                                     std::pair{"value", QAccessible::Value}}) {
        const QString said = node->text(text);
        if (!said.isEmpty())
            out << ' ' << what << " \"" << said << '"';
    }
    if (!states.isEmpty())
        out << " [" << states.join(QStringLiteral(", ")) << ']';
    out << '\n';
    // A table's cells: its header and first rows are enough to judge it.
    const bool table = node->role() == QAccessible::Table;
    for (int i = 0, n = node->childCount(); i < n && (!table || i < 12); ++i)
        writeAccessibleTree(node->child(i), depth + 1, out);
}

void writeAccessibility(QWidget &window, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    QTextStream out(&file);
    writeAccessibleTree(QAccessible::queryAccessibleInterface(&window), 0, out);
    out << "\nTab order:";
    QWidget *first = window.focusWidget() ? window.focusWidget() : &window;
    QWidget *w = first;
    for (int steps = 0; steps < 500; ++steps) {
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
            out << "\n  " << w->metaObject()->className() << " \""
                << QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name) << "\" (" << w->objectName()
                << ')';
        w = w->nextInFocusChain();
        if (w == first)
            break;
    }
    out << '\n';
}

bool save(QWidget &window, const QString &folder, const char *name, bool accessibility)
{
    window.show();
    window.activateWindow();
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(QLatin1String(name));
    const bool saved = window.grab().save(path);
    QTextStream(saved ? stdout : stderr) << (saved ? "wrote " : "could not write ") << path << '\n';
    if (accessibility)
        writeAccessibility(window, path.chopped(4) + QStringLiteral(".a11y.txt"));
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
    const QCommandLineOption accessibilityOption(
        QStringLiteral("accessibility"), QStringLiteral("Write each window's accessibility tree beside its picture."));
    parser.addOption(dataRootOption);
    parser.addOption(outOption);
    parser.addOption(accessibilityOption);
    parser.process(app);
    const bool accessibility = parser.isSet(accessibilityOption);

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
    FixedClock clock;
    QTemporaryDir progressFolder;
    ProgressLog progress(progressFolder.path(), clock, messages);
    Services services{store, messages, random, tickers, pointer, QLocale(QLocale::English, QLocale::UnitedStates),
                      *speech, clock, progress};
    Navigator navigator(services, makeScreen);
    bool ok = true;

    auto &start = static_cast<StartScreen &>(navigator.screen(ScreenId::Start));
    start.ui().Text0->setText(QStringLiteral("hou"));
    ok &= save(start, out, "dictionary.png", accessibility);

    auto &learn = static_cast<LearnScreen &>(navigator.screen(ScreenId::Invatare));
    learn.ui().pairOptions[2]->click(); // eng-fre
    learn.ui().Check2->setChecked(true);
    learn.ui().Cmdcont->click();
    tickers.step(learn.ui().Timer1, 3);
    ok &= save(learn, out, "learn-words.png", accessibility);

    auto &write = static_cast<WriteScreen &>(navigator.screen(ScreenId::Test));
    write.ui().pairOptions[1]->click(); // spa-eng
    write.ui().Cmdcont->click();
    write.ui().Text5->setText(write.ui().Text4->text().left(3) + QStringLiteral("e"));
    write.ui().Cmdok->click();
    ok &= save(write, out, "write-words.png", accessibility);

    auto &grid = static_cast<GridScreen &>(navigator.screen(ScreenId::TestG));
    grid.ui().pairOptions[4]->click(); // eng-ger
    grid.ui().Cmdcont->click();
    tickers.step(grid.ui().Timer3, 2);
    grid.ui().Option14[grid.rasppoz()]->click();
    ok &= save(grid, out, "grid-test.png", accessibility);

    try {
        ProgressStore history(ProgressStore::pathIn(progressFolder.path()));
        writeSampleHistory(history, *store.table(store.filePath(files::kMain), kLanguagePairs[0]), clock.now());
    } catch (const RecordError &error) {
        QTextStream(stderr) << "no sample history: " << error.message() << '\n';
        ok = false;
    }
    ProgressWindow window(progress, store, services.locale, tickers);
    window.showPair(0); // eng-spa
    ok &= save(window, out, "progress.png", accessibility);

    return ok ? 0 : 1;
}
