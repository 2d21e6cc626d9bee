// The memory of the program with every table in use: opens the four screens
// through their navigation buttons and selects each of the six pairs on
// each, as a user would, then prints the peak resident set size.
//
//   vorbix-memory-walk --data-root DIR
#include "bench_support.h"

#include "app/application_setup.h"
#include "app/screen_factory.h"
#include "dictionary/start_screen.h"
#include "platform/speech.h"
#include "platform/ticker.h"
#include "shell/forms/common_controls.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cstdio>

using namespace vorbix;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    setUpApplicationIdentity(app);
    setUpApplicationLook();
    const QStringList args = app.arguments();
    if (args.size() != 3 || args[1] != QLatin1String("--data-root")) {
        std::fprintf(stderr, "usage: vorbix-memory-walk --data-root DIR\n");
        return 2;
    }

    WordStore store(QDir(args[2]).absolutePath());
    testing::RecordingMessages messages;
    SystemRandomSource random;
    TimerTickerFactory tickers;
    ApplicationMousePointer pointer;
    const std::unique_ptr<Speech> speech = makeDesktopSpeech(); // never started: no key is pressed
    SystemClock clock;
    ProgressLog progress(store.dataRoot(), clock, messages);
    Services services{store, messages, random, tickers, pointer, QLocale(), *speech, clock, progress};
    Navigator navigator(services, makeScreen);

    navigator.start();
    QCoreApplication::processEvents();
    std::printf("main window shown: peak RSS %ld kB\n", bench::peakRssKilobytes());

    const ScreenId order[] = {ScreenId::Start, ScreenId::Invatare, ScreenId::Test, ScreenId::TestG};
    Screen *current = &navigator.screen(ScreenId::Start);
    for (ScreenId id : order) {
        CommonControls &from = current->controls();
        QPushButton *button = id == ScreenId::Start      ? from.cmdDict
                              : id == ScreenId::Invatare ? from.cmdInvat
                              : id == ScreenId::Test     ? from.cmdTest
                                                         : from.cmdTestG;
        if (current->id() != id)
            button->click();
        current = &navigator.screen(id);
        for (int pair : {1, 2, 3, 4, 5, 0})
            current->controls().pairOptions[size_t(pair)]->click();
        QCoreApplication::processEvents();
        std::printf("screen %d, six pairs selected: peak RSS %ld kB\n", int(id), bench::peakRssKilobytes());
    }

    // Beyond the walk: a look-up on every pair of the main window builds
    // the prefix index of each of the six tables.
    current->controls().cmdDict->click();
    auto &start = static_cast<StartScreen &>(navigator.screen(ScreenId::Start));
    for (int pair = 0; pair < kPairCount; ++pair) {
        start.controls().pairOptions[size_t(pair)]->click();
        start.ui().Text0->setText(QStringLiteral("zzzzzzzzzzzzzzzzzzzz"));
    }
    std::printf("a look-up in each pair on the main window: peak RSS %ld kB\n", bench::peakRssKilobytes());

    for (const Message &message : messages.shown)
        std::printf("message: %s\n", qPrintable(message.text));
    return messages.shown.isEmpty() ? 0 : 1;
}
