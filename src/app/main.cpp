#include "app/application_setup.h"
#include "app/progress_opener.h"
#include "app/screen_factory.h"
#include "data/bundled_data.h"
#include "data/word_store.h"
#include "data/store_paths.h"
#include "platform/clock.h"
#include "platform/message_sink.h"
#include "platform/mouse_pointer.h"
#include "platform/random_source.h"
#include "platform/speech.h"
#include "platform/ticker.h"
#include "progress/progress_log.h"
#include "shell/navigator.h"
#include "shell/services.h"
#include "shell/startup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

#include <functional>
#include <memory>

namespace {

// --help and --version only print: they must work without a display, so
// they get a console application object and the windows never start.
std::unique_ptr<QCoreApplication> makeApplication(int &argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-h" || arg == "--help" || arg == "--help-all" || arg == "-?" || arg == "-v"
            || arg == "--version")
            return std::make_unique<QCoreApplication>(argc, argv);
    }
    return std::make_unique<QApplication>(argc, argv);
}

} // namespace

int main(int argc, char *argv[])
{
    const std::unique_ptr<QCoreApplication> application = makeApplication(argc, argv);
    QCoreApplication &app = *application;
    vorbix::setUpApplicationIdentity(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Vorbix, a vocabulary trainer for English, Spanish, French and German.\n\n"
        "Keys: Alt+D, Alt+L, Alt+W, Alt+G switch to Dictionary, Learn words, Write words, Grid test;\n"
        "Alt+X exits; Alt+S is START/STOP/Continue; Alt+V or Enter in the answer box verifies;\n"
        "Alt+C cleans the look-up box; Up, Down, Page Up and Page Down there browse the dictionary;\n"
        "Up, Down and Space choose in the grid test.\n"
        "F5 reads the word shown aloud, Shift+F5 its translation; with Ctrl, slowly.\n"
        "Ctrl+P opens the Progress window."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataRootOption(
        QStringLiteral("data-root"),
        QStringLiteral("Read the word databases from <dir> (default: %1).").arg(vorbix::defaultDataRoot()),
        QStringLiteral("dir"));
    parser.addOption(dataRootOption);
    const QCommandLineOption quitAfterShowOption(
        QStringLiteral("quit-after-show"),
        QStringLiteral("Diagnostic: quit as soon as the main window has been shown and the word databases "
                       "checked (to time start-up)."));
    parser.addOption(quitAfterShowOption);
    parser.process(app);

    vorbix::setUpApplicationLook();

    const QString dataRoot = parser.isSet(dataRootOption)
                                 ? QDir(parser.value(dataRootOption)).absolutePath()
                                 : vorbix::defaultDataRoot();

    // A fresh install starts with the word data installed with the program.
    vorbix::seedMissingDatabases(dataRoot, vorbix::bundledDataFolders());
    vorbix::WordStore store(dataRoot);
    // A run that nobody watches (--quit-after-show, as CI and the start-up
    // benchmark use it) cannot wait for an OK: its messages go to standard
    // error, and one at start-up ends it with status 1.
    const bool quitAfterShow = parser.isSet(quitAfterShowOption);
    vorbix::DialogMessageSink dialogs;
    vorbix::StandardErrorMessageSink console;
    vorbix::MessageSink &messages = quitAfterShow ? static_cast<vorbix::MessageSink &>(console) : dialogs;
    vorbix::SystemRandomSource random;
    vorbix::TimerTickerFactory tickers;
    vorbix::ApplicationMousePointer pointer;
    const std::unique_ptr<vorbix::Speech> speech = vorbix::makeDesktopSpeech();
    vorbix::SystemClock clock;
    // The learner's answers go to progress.db in the data root, opened on
    // the first answer.
    vorbix::ProgressLog progress(dataRoot, clock, messages);
    vorbix::Services services{store, messages, random, tickers, pointer, QLocale(), *speech, clock, progress};
    vorbix::Navigator navigator(services, vorbix::makeScreen);
    navigator.setProgressOpener(vorbix::makeProgressOpener(services, navigator));
    QObject::connect(&navigator, &vorbix::Navigator::exitRequested, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);

    // Diagnostic: quit once the main window is on screen and the files have
    // been checked, the whole of start-up; with status 1 when one is unusable
    // or anything else was reported on the way.
    std::function<void(bool)> started;
    if (quitAfterShow)
        started = [&console](bool filesUsable) {
            QCoreApplication::exit(filesUsable && console.count() == 0 ? 0 : 1);
        };
    vorbix::startProgram(navigator, store, messages, std::move(started));
    return app.exec();
}
