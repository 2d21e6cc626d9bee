#include "app/application_setup.h"
#include "app/screen_factory.h"
#include "app/show_probe.h"
#include "data/word_store.h"
#include "data/store_paths.h"
#include "platform/message_sink.h"
#include "platform/mouse_pointer.h"
#include "platform/random_source.h"
#include "platform/ticker.h"
#include "shell/navigator.h"
#include "shell/services.h"
#include "shell/startup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

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
    parser.setApplicationDescription(
        QStringLiteral("Vorbix, a vocabulary trainer for English, Spanish, French and German."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataRootOption(
        QStringLiteral("data-root"),
        QStringLiteral("Read the word databases from <dir> (default: %1).").arg(vorbix::defaultDataRoot()),
        QStringLiteral("dir"));
    parser.addOption(dataRootOption);
    const QCommandLineOption quitAfterShowOption(
        QStringLiteral("quit-after-show"),
        QStringLiteral("Diagnostic: quit as soon as the main window has been shown (to time start-up)."));
    parser.addOption(quitAfterShowOption);
    parser.process(app);

    vorbix::setUpApplicationLook();

    const QString dataRoot = parser.isSet(dataRootOption)
                                 ? QDir(parser.value(dataRootOption)).absolutePath()
                                 : vorbix::defaultDataRoot();

    vorbix::WordStore store(dataRoot);
    vorbix::DialogMessageSink messages;
    vorbix::SystemRandomSource random;
    vorbix::TimerTickerFactory tickers;
    vorbix::ApplicationMousePointer pointer;
    vorbix::Services services{store, messages, random, tickers, pointer, QLocale()};
    vorbix::Navigator navigator(services, vorbix::makeScreen);
    QObject::connect(&navigator, &vorbix::Navigator::exitRequested, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);

    if (parser.isSet(quitAfterShowOption))
        new vorbix::QuitAfterFirstPaint(&navigator.screen(vorbix::ScreenId::Start)); // owned by the window
    vorbix::startProgram(navigator, store, messages);
    return app.exec();
}
