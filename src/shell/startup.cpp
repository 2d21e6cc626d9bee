#include "shell/startup.h"

#include "data/store_paths.h"
#include "data/word_store.h"
#include "platform/message_sink.h"
#include "shell/navigator.h"

#include <QEvent>
#include <QFileInfo>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <iterator>

namespace vorbix {

namespace {

constexpr const char *kBoundFiles[] = {files::kMain, files::kLearningFrench, files::kTestSettings};

// Runs an action once, as soon as the window's first paint is done.
class AfterFirstPaint final : public QObject
{
public:
    AfterFirstPaint(QWidget *window, std::function<void()> action)
        : QObject(window)
        , m_action(std::move(action))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so that the paint completes and reaches the screen first.
            QTimer::singleShot(0, this, [this] {
                const std::function<void()> action = std::move(m_action);
                deleteLater();
                action();
            });
        }
        return false;
    }

private:
    std::function<void()> m_action;
};

// Tells the user once about the files that cannot be used; whether all can.
bool reportUnusableFiles(WordStore &store, MessageSink &messages)
{
    const QStringList problems = store.unusableFiles();
    if (problems.isEmpty())
        return true;
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
    return false;
}

} // namespace

void startProgram(Navigator &navigator, WordStore &store, MessageSink &messages,
                  std::function<void(bool filesUsable)> started)
{
    new AfterFirstPaint(&navigator.screen(ScreenId::Start),
                        [&store, &messages, started = std::move(started)] {
                            const bool usable = reportUnusableFiles(store, messages);
                            if (started)
                                started(usable);
                        });
    navigator.start();
}

} // namespace vorbix
