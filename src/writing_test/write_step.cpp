// Timer2 on "Write words": the time for a word counts down; when it runs out
// during a timed exercise the word is graded and the exercise pauses.
#include "writing_test/write_screen.h"

#include "platform/text_services.h"
#include "platform/ticker.h"
#include "shell/forms/colours.h"
#include "shell/handler_boundary.h"

#include <QCheckBox>
#include <QLineEdit>

namespace vorbix {

void WriteScreen::onTimerTick()
{
    runGuarded(
        m_services,
        [this] {
            countDown();
            m_timer->setInterval(1000);
            const bool timeUp = text::numericValue(m_ui.Text6->text()) == 0;
            if (timeUp && exerciseFlag() == 2 && m_ui.Check2->isChecked()) {
                showPaused();
                notare();
                return;
            }
            advanceWhenTimeIsUp();
            upperCaseWordsShown();
        },
        m_timer.get(), [this] { showPaused(); });
}

} // namespace vorbix
