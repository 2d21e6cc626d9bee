#include "shell/handler_boundary.h"

#include "data/record_error.h"
#include "platform/message_sink.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTimer>

#include <exception>

namespace vorbix {

void runTrapped(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const RecordError &) {
        // Trapped: the handler ends here, silently.
    }
}

bool runGuarded(MessageSink &messages, const std::function<void()> &handler, QTimer *timer,
                const std::function<void()> &rollback)
{
    QString problem;
    try {
        handler();
        return true;
    } catch (const RecordError &error) {
        problem = error.message();
    } catch (const std::exception &error) {
        problem = QString::fromLocal8Bit(error.what());
    }
    if (timer)
        timer->stop();
    if (rollback)
        rollback();
    // Whatever pointer the failed handler set is taken back before the user
    // is told, so that the message box is not shown under an hourglass.
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
    messages.show({QStringLiteral("Vorbix could not complete this action.\n\n%1\n\n"
                                  "If the word databases are missing, create them with "
                                  "\"vorbix-import freedict\".")
                       .arg(problem),
                   kApplicationTitle, MessageIcon::Critical});
    return false;
}

BusyPointer::BusyPointer()
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

BusyPointer::~BusyPointer()
{
    if (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

} // namespace vorbix
