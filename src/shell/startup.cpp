#include "shell/startup.h"

#include "data/store_paths.h"
#include "data/word_store.h"
#include "platform/message_sink.h"
#include "shell/navigator.h"

#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <iterator>

namespace vorbix {

namespace {
constexpr const char *kBoundFiles[] = {files::kMain, files::kLearningFrench, files::kTestSettings};
} // namespace

void startProgram(Navigator &navigator, WordStore &store, MessageSink &messages)
{
    navigator.start();
    const QStringList problems = store.unusableFiles();
    if (problems.isEmpty())
        return;
    QString text = QStringLiteral("Vorbix cannot use its word databases:\n\n%1").arg(problems.join(QLatin1Char('\n')));
    // How to create a missing file; the other problems say themselves what to do.
    const bool missing = std::any_of(std::begin(kBoundFiles), std::end(kBoundFiles), [&](const char *drivePath) {
        return !QFileInfo::exists(store.filePath(drivePath));
    });
    if (missing) {
        text += QStringLiteral("\n\nCreate the missing files with \"vorbix-import freedict --data-root %1\" "
                               "(or run scripts/run.sh, which does it for you).")
                    .arg(store.dataRoot());
    }
    messages.show({text, kApplicationTitle, MessageIcon::Exclamation});
}

} // namespace vorbix
