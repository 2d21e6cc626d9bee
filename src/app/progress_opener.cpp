#include "app/progress_opener.h"

#include "progress/window/progress_window.h"
#include "shell/services.h"

#include <QPointer>

#include <memory>

namespace vorbix {

namespace {

struct OpenProgress
{
    // A window of its own, not a child of a screen: a child would share
    // its screen's keys (Alt+D there is "Dictionary"), and a modal dialog
    // without a parent is kept above every window of the program anyway.
    std::unique_ptr<ProgressWindow> window;
    QPointer<Screen> from; // the screen the window was opened over
};

} // namespace

Navigator::ProgressOpener makeProgressOpener(Services &services, Navigator &navigator)
{
    auto state = std::make_shared<OpenProgress>();
    return [state, &services, &navigator](Screen &from) {
        if (!state->window) {
            state->window = std::make_unique<ProgressWindow>(services.progress, services.store, services.locale,
                                                             services.tickers);
            state->window->setWindowModality(Qt::ApplicationModal);
            // The state outlives the window.
            OpenProgress *open = state.get();
            // Closed by any means (Close, Esc, "Practise due words", the
            // title bar): the screen beneath goes on. A practice on another
            // screen then leaves it as a navigation button would.
            QObject::connect(state->window.get(), &QDialog::finished, &navigator, [open] {
                if (open->from)
                    open->from->releaseWhenUncovered();
            });
            QObject::connect(state->window.get(), &ProgressWindow::practiseRequested, &navigator,
                             [open, &navigator](int pair, PracticeScreen where, const QList<int> &indexes) {
                                 if (!open->from)
                                     return;
                                 navigator.startPractice(*open->from,
                                                         where == PracticeScreen::GridTest ? ScreenId::TestG
                                                                                           : ScreenId::Test,
                                                         pair, indexes);
                             });
        }
        ProgressWindow &window = *state->window;
        if (window.isVisible()) {
            window.raise();
            return;
        }
        state->from = &from;
        // Nothing on the screen may run on unseen behind the window: a
        // timed word would time out while the learner reads the chart.
        from.holdWhileCovered();
        window.showPair(qMax(0, from.selectedPair()));
        // Centred over the screen it was opened from.
        QRect frame = window.frameGeometry();
        frame.moveCenter(from.frameGeometry().center());
        window.move(frame.topLeft());
        window.show();
        window.raise();
        window.activateWindow();
    };
}

} // namespace vorbix
