// The start button of "Learn words" and "Write words": starts, pauses and
// continues an exercise.
#include "learning/exercise_screen.h"

#include "data/settings_record.h"
#include "data/word_count.h"
#include "platform/random_source.h"
#include "platform/text_services.h"
#include "platform/ticker.h"
#include "shell/display_case.h"
#include "shell/forms/colours.h"
#include "shell/forms/common_controls.h"
#include "shell/forms/exercise_controls.h"
#include "shell/services.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include <stdexcept>

namespace vorbix {

namespace {

// The letter range the letter filter left in its boxes; they only ever hold
// whole numbers that it wrote.
qint16 boundFrom(const QLineEdit *box, const QLocale &locale)
{
    const std::optional<qint16> value = text::toInt16(box->text(), locale);
    if (!value)
        throw std::invalid_argument("The letter range is not a number: \"" + box->text().toStdString() + "\".");
    return *value;
}

} // namespace

void ExerciseScreen::onCmdcontClicked()
{
    ExerciseControls &ex = exercise();
    QLineEdit *answer = answerBox();

    paintCmdcont(QStringLiteral("Continue"), colours::kGreen);
    if (QLineEdit *cover = answerCover())
        cover->show();

    // A timed exercise that runs is paused; the words shown stay.
    if (exerciseFlag() == 2 && ex.Check2->isChecked()) {
        paintCmdcont(QStringLiteral("Continue"), colours::kGreen);
        m_timer->stop();
        setExerciseFlag(1);
        return;
    }

    if (answer)
        answer->setEnabled(true);
    if (!ex.Text10->text().isEmpty()) {
        m_state.nrprim = boundFrom(ex.Text11, m_services.locale);
        m_state.nrultim = boundFrom(ex.Text12, m_services.locale);
    }
    m_services.random.reseedFromClock();
    if (answer)
        answer->clear();

    if (!ex.Check2->isChecked() || exerciseFlag() == 1) {
        m_timer->stop();
        if (ex.Option13->isChecked()) {
            const int pair = selectedPair();
            if (!letterChosen() && pair >= 0)
                m_state.nrmax = qint16(wordCount(cursors().datini(), cursors().words(pair)));
            presentNextWord(NextWordRequest::Variant::Start);
        }
        setExerciseFlag(2);
    }

    if (ex.Check2->isChecked()) {
        paintCmdcont(QStringLiteral("STOP"), colours::kStopRed);
        ex.Text6->setText(ex.Text2->text());
        if (setsIntervalOnTimedStart())
            m_timer->setInterval(1000);
        m_timer->start();
    }

    // The words arrive in the case the options ask for; "abc" keeps the
    // capitals of German nouns while the settings record names a German pair.
    applyArrivingCase(wordBoxes(), controls().Option2->isChecked(), controls().Option1->isChecked(),
                      cursors().datini().read().current);

    if (answer)
        answer->setFocus();
}

} // namespace vorbix
