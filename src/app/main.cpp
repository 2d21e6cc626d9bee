#include "data/word_store.h"
#include "data/store_paths.h"
#include "platform/message_sink.h"
#include "platform/random_source.h"
#include "shell/navigator.h"
#include "shell/services.h"
#include "shell/startup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vorbix"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vorbix"));
    QApplication::setApplicationVersion(QStringLiteral(VORBIX_VERSION));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

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
    parser.process(app);

    const QString dataRoot = parser.isSet(dataRootOption)
                                 ? QDir(parser.value(dataRootOption)).absolutePath()
                                 : vorbix::defaultDataRoot();

    vorbix::WordStore store(dataRoot);
    vorbix::DialogMessageSink messages;
    vorbix::SystemRandomSource random;
    vorbix::Services services{store, messages, random};
    vorbix::Navigator navigator(services);
    QObject::connect(&navigator, &vorbix::Navigator::exitRequested, &app, &QApplication::quit,
                     Qt::QueuedConnection);

    vorbix::startProgram(navigator, store, messages);
    return app.exec();
}
