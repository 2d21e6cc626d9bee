// A copy of the program without a person: it opens the four screens on a
// data root and clicks, types and ticks at random, so that the tests can
// kill it in the middle of a settings write, or run two copies at once.
//   vorbix_screen_driver ROOT STEPS SEED
// Prints every message the program would show, a line "stepping" once the
// screens are open and the random steps begin, and at the end one line
//   done STEPS steps, MESSAGES messages, slowest step MS ms
#include "test_support.h"

#include "app/screen_factory.h"
#include "dictionary/start_screen.h"
#include "grid_test/grid_screen.h"
#include "learning/learn_screen.h"
#include "writing_test/write_screen.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>

#include <cstdio>

using namespace vorbix;
using namespace vorbix::testing;

namespace {

class PrintingMessages final : public MessageSink
{
public:
    void show(const Message &message) override
    {
        ++count;
        std::printf("message: %s\n", qPrintable(QString(message.text).replace(QLatin1Char('\n'), QLatin1Char(' '))));
        std::fflush(stdout);
    }
    int count = 0;
};

class SeededRandom final : public RandomSource
{
public:
    explicit SeededRandom(quint32 seed)
        : m_generator(seed)
    {
    }
    float next() override { return float(m_generator.generateDouble()); }
    void reseedFromClock() override {}

private:
    QRandomGenerator m_generator;
};

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: vorbix_screen_driver ROOT STEPS SEED\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const int steps = QByteArray(argv[2]).toInt();
    QRandomGenerator choose(QByteArray(argv[3]).toUInt());

    WordStore store(root);
    PrintingMessages messages;
    SeededRandom random(QByteArray(argv[3]).toUInt() + 1);
    ManualTickers tickers;
    CountingPointer pointer;
    RecordingSpeech speech;
    SystemClock clock;
    ProgressLog progress(root, clock, messages);
    Services services{store, messages, random, tickers, pointer, pointLocale(), speech, clock, progress};
    Navigator navigator(services, makeScreen);

    auto &start = static_cast<StartScreen &>(navigator.screen(ScreenId::Start));
    auto &learn = static_cast<LearnScreen &>(navigator.screen(ScreenId::Invatare));
    auto &write = static_cast<WriteScreen &>(navigator.screen(ScreenId::Test));
    auto &grid = static_cast<GridScreen &>(navigator.screen(ScreenId::TestG));
    learn.ui().Text2->setText(QStringLiteral("1"));
    write.ui().Text2->setText(QStringLiteral("2"));
    learn.ui().Check2->setChecked(true);
    write.ui().Check2->setChecked(true);

    // Start-up is over: a test that kills the copy knows from here on it
    // kills it in its steps, however long a loaded machine took to get here.
    std::printf("stepping\n");
    std::fflush(stdout);
    qint64 slowest = 0;
    for (int step = 0; step < steps; ++step) {
        QElapsedTimer timer;
        timer.start();
        const int pair = int(choose.bounded(kPairCount));
        switch (choose.bounded(12)) {
        case 0: start.ui().pairOptions[pair]->click(); break;
        case 1: start.ui().Text0->setText(QStringLiteral("abcdefghijklmnop").left(int(choose.bounded(1, 6)))); break;
        case 2: learn.ui().pairOptions[pair]->click(); break;
        case 3: learn.ui().Cmdcont->click(); break;
        case 4: tickers.of(learn.ui().Timer1).fire(); break;
        case 5: write.ui().pairOptions[pair]->click(); break;
        case 6: write.ui().Cmdcont->click(); break;
        case 7: write.ui().Cmdok->click(); break;
        case 8: tickers.of(write.ui().Timer2).fire(); break;
        case 9: grid.ui().pairOptions[pair]->click(); break;
        case 10: grid.ui().Cmdcont->click(); break;
        case 11: grid.ui().Option14[int(choose.bounded(5))]->click(); break;
        }
        slowest = qMax(slowest, timer.elapsed());
    }
    std::printf("done %d steps, %d messages, slowest step %lld ms\n", steps, messages.count, slowest);
    return 0;
}
