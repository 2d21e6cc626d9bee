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
    QPointer<Screen> practisedOn; // the screen "Practise due words" showed
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
                // The screen practised on takes the keys from the window.
                if (open->practisedOn)
                    open->practisedOn->activateWindow();
                open->practisedOn = nullptr;
            });
            // Sent while the window is still open, which closes next.
            QObject::connect(state->window.get(), &ProgressWindow::practiseRequested, &navigator,
                             [open, &navigator](int pair, PracticeScreen where, const QList<int> &indexes) {
                                 if (!open->from)
                                     return;
                                 // Released before it is left, as the window's close would:
                                 // leaving then resets it as a navigation button does.
                                 open->from->releaseWhenUncovered();
                                 const ScreenId target = where == PracticeScreen::GridTest ? ScreenId::TestG
                                                                                           : ScreenId::Test;
                                 navigator.startPractice(*open->from, target, pair, indexes);
                                 open->practisedOn = &navigator.screen(target);
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
