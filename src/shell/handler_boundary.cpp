#include "shell/handler_boundary.h"

#include "data/record_error.h"
#include "platform/message_sink.h"
#include "platform/mouse_pointer.h"
#include "platform/ticker.h"
#include "shell/services.h"

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

bool runGuarded(Services &services, const std::function<void()> &handler, Ticker *timer,
                const std::function<void()> &rollback)
{
    QString problem;
    QString lastingKey;
    try {
        handler();
        return true;
    } catch (const RecordError &error) {
        problem = error.message();
        lastingKey = error.lastingKey();
    } catch (const std::exception &error) {
        problem = QString::fromLocal8Bit(error.what());
    }
    if (timer)
        timer->stop();
    if (rollback)
        rollback();
    // Whatever pointer the failed handler set is taken back before the user
    // is told, so that the message box is not shown under an hourglass.
    services.pointer.restoreAll();
    if (!lastingKey.isEmpty()) {
        // A lasting state says itself what to do; told once, every later
        // action that meets it ends quietly.
        services.messages.showOnce(lastingKey, {problem, kApplicationTitle, MessageIcon::Exclamation});
        return false;
    }
    services.messages.show({QStringLiteral("Vorbix could not complete this action.\n\n%1\n\n"
                                           "If the word databases are missing, create them with "
                                           "\"vorbix-import freedict\".")
                                .arg(problem),
                            kApplicationTitle, MessageIcon::Critical});
    return false;
}

} // namespace vorbix
