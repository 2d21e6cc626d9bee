// "Set time :": the seconds per word, checked on every change.
#include "learning/exercise_screen.h"

#include "learning/set_time.h"
#include "platform/message_sink.h"
#include "shell/forms/exercise_controls.h"
#include "shell/services.h"

#include <QLineEdit>

namespace vorbix {

void ExerciseScreen::onText2Changed()
{
    QLineEdit *setTime = exercise().Text2;
    const SetTimeCheck check = checkSetTime(setTime->text(), m_services.locale);
    switch (check.outcome) {
    case SetTimeCheck::Outcome::Rejected:
        m_services.messages.show({QStringLiteral("Introduceti un numar pozitiv !"), QStringLiteral("Atentie"),
                                  MessageIcon::Exclamation});
        break;
    case SetTimeCheck::Outcome::Accepted:
        // Rewriting runs this handler once more; the whole number it writes
        // is accepted unchanged, and an unchanged text changes nothing.
        setTime->setText(check.rewritten);
        break;
    case SetTimeCheck::Outcome::TooLarge:
        break; // beyond 16 bits: ends silently, the text stays as typed
    }
}

} // namespace vorbix
