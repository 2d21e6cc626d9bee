// The pieces of a timer step that both exercise screens run.
#include "learning/exercise_screen.h"

#include "data/word_count.h"
#include "platform/random_source.h"
#include "platform/text_services.h"
#include "platform/ticker.h"
#include "shell/forms/colours.h"
#include "shell/forms/common_controls.h"
#include "shell/forms/exercise_controls.h"
#include "shell/services.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include <cmath>
#include <stdexcept>

namespace vorbix {

void ExerciseScreen::countDown()
{
    QLineEdit *timeLeft = exercise().Text6;
    const double v = text::numericValue(timeLeft->text());
    if (v > 0) {
        const double next = (v * 1000 - 1000) / 1000;
        // A set time such as 1e308 overflows here; the step cannot go on.
        if (!std::isfinite(next))
            throw std::overflow_error("The time left cannot be counted down from \""
                                      + timeLeft->text().toStdString() + "\".");
        timeLeft->setText(text::generalNumber(next, m_services.locale));
    }
}

void ExerciseScreen::advanceWhenTimeIsUp()
{
    ExerciseControls &ex = exercise();
    if (!ex.Option13->isChecked())
        return;
    const int pair = selectedPair();
    if (pair >= 0)
        m_state.nrmax = qint16(wordCount(cursors().datini(), cursors().words(pair)));
    m_services.random.reseedFromClock();
    if (text::numericValue(ex.Text6->text()) != 0)
        return;
    ex.Text6->setText(ex.Text2->text());
    if (ex.Check2->isChecked()) {
        m_timer->start(); // stays running: a running ticker keeps its phase
        ex.Text6->setText(ex.Text2->text());
        if (text::numericValue(ex.Text6->text()) != 0)
            presentNextWord(NextWordRequest::Variant::Tick);
    }
}

void ExerciseScreen::upperCaseWordsShown()
{
    if (!controls().Option2->isChecked())
        return;
    for (QLineEdit *box : wordBoxes()) {
        const QString upper = text::upperCase(box->text());
        // An unchanged text is left alone, so that the caret and the
        // selection of a box the user is typing in stay where they are.
        if (upper != box->text())
            box->setText(upper);
    }
}

void ExerciseScreen::showPaused()
{
    m_timer->stop();
    setExerciseFlag(1);
    paintCmdcont(QStringLiteral("Continue"), colours::kGreen);
}

} // namespace vorbix
