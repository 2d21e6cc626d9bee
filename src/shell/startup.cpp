#include "shell/startup.h"

#include "data/word_store.h"
#include "platform/message_sink.h"
#include "shell/navigator.h"

#include <QStringList>

namespace vorbix {

void startProgram(Navigator &navigator, WordStore &store, MessageSink &messages)
{
    navigator.start();
    const QStringList problems = store.unusableFiles();
    if (problems.isEmpty())
        return;
    messages.show({QStringLiteral("Vorbix cannot use its word databases:\n\n%1\n\n"
                                  "Create them with \"vorbix-import freedict --data-root %2\" "
                                  "(or run scripts/run.sh, which does it for you).")
                       .arg(problems.join(QLatin1Char('\n')), store.dataRoot()),
                   kApplicationTitle, MessageIcon::Exclamation});
}

} // namespace vorbix
