// Timer1 on "Learn words": the words advance by themselves every
// "Set time :" seconds while "Time left :" counts down.
#include "learning/learn_screen.h"

#include "shell/handler_boundary.h"

namespace vorbix {

void LearnScreen::onTimerTick()
{
    // A step that fails stops the timer and leaves the exercise paused, so
    // the user is told once, not once a second.
    runGuarded(
        m_services,
        [this] {
            countDown();
            advanceWhenTimeIsUp();
            upperCaseWordsShown();
        },
        m_timer.get(), [this] { showPaused(); });
}

} // namespace vorbix
