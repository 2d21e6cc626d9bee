#include "grid_test/grid_question.h"
#include "grid_test/grid_scoring.h"
#include "grid_test/grid_screen.h"

#include "platform/text_services.h"
#include "platform/ticker.h"
#include "progress/progress_log.h"
#include "shell/forms/colours.h"
#include "shell/services.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

namespace vorbix {

void GridScreen::onChoiceClicked()
{
    // Before the first question there is nothing to judge.
    if (!m_questionAsked)
        return;
    m_timer->stop();
    const std::array<bool, 5> right = rightSlotsOnShow();
    int chosen = -1;
    for (int k = 0; k < 5; ++k) {
        if (m_ui.Option14[k]->isChecked()) {
            const float score = choiceScore(right[k], shownNumber(m_ui.Text9));
            m_ui.Text7->setText(text::generalNumber(score, m_services.locale));
            chosen = k;
        }
    }
    colourChoices(right);
    addToAverage();
    const bool chosenRight = chosen >= 0 && right[chosen];
    if (chosen >= 0) {
        const Grading grading = !right[chosen] ? Grading::Wrong
                                : shownNumber(m_ui.Text9) < 0 ? Grading::Late
                                                              : Grading::Right;
        keepAnswer(grading, m_ui.Text2[chosen]->text());
    }
    announce(spokenResult(chosenRight ? QStringLiteral("Right.") : QStringLiteral("Wrong."), right));
}

void GridScreen::onTimer3Tick()
{
    const double left = shownNumber(m_ui.Text9);
    if (left > kOvertimeEnd)
        m_ui.Text9->setText(text::generalNumber(countdownStep(left), m_services.locale));
    if (shownNumber(m_ui.Text9) != kOvertimeEnd)
        return;
    // The overtime is over: the question closes with the score on show.
    m_ui.Frame1->setEnabled(false);
    const std::array<bool, 5> right = rightSlotsOnShow();
    colourChoices(right);
    addToAverage();
    m_timer->stop();
    keepAnswer(Grading::Closed, QString());
    announce(spokenResult(QStringLiteral("Time is up."), right));
}

QString GridScreen::spokenResult(const QString &outcome, const std::array<bool, 5> &right) const
{
    QString text = outcome;
    int firstRight = -1;
    bool chosenIsRight = false;
    for (int k = 0; k < 5; ++k) {
        if (!right[k])
            continue;
        if (firstRight < 0)
            firstRight = k;
        chosenIsRight = chosenIsRight || m_ui.Option14[k]->isChecked();
    }
    if (!chosenIsRight && firstRight >= 0)
        text += QStringLiteral(" Right answer: %1.").arg(m_ui.Text2[firstRight]->text());
    return text + QStringLiteral(" Score %1, total scores %2.").arg(m_ui.Text7->text(), m_ui.Text8->text());
}

std::array<bool, 5> GridScreen::rightSlotsOnShow() const
{
    std::array<QString, 5> shown;
    for (int k = 0; k < 5; ++k)
        shown[k] = m_ui.Text2[k]->text();
    return rightSlots(shown, m_rasppoz);
}

void GridScreen::colourChoices(const std::array<bool, 5> &right)
{
    for (int k = 0; k < 5; ++k) {
        colours::setBackground(m_ui.Text2[k], right[k] ? colours::kRightGreen : colours::kWrongRed);
        if (right[k])
            colours::setBackground(m_ui.Text1, colours::kRightGreen);
    }
    markChoices(&right);
}

void GridScreen::markChoices(const std::array<bool, 5> *right)
{
    for (int k = 0; k < 5; ++k) {
        QString verdict;
        if (right)
            verdict = (*right)[k] ? QStringLiteral("right answer") : QStringLiteral("wrong answer");
        // Only a change is sent: every change is an event the screen reader
        // has to work through.
        for (QWidget *choice : {static_cast<QWidget *>(m_ui.Option14[k]), static_cast<QWidget *>(m_ui.Text2[k])}) {
            if (choice->accessibleDescription() != verdict)
                choice->setAccessibleDescription(verdict);
        }
    }
}

void GridScreen::addToAverage()
{
    // With no attempt counted (the screen was left since this question was
    // put) there is no average to add to.
    if (m_nrnote == 0)
        return;
    m_medie = runningAverage(m_medie, shownNumber(m_ui.Text7), m_nrnote);
    m_ui.Text8->setText(text::twoDecimals(m_medie, m_services.locale));
}

void GridScreen::leaveOutOfAnswerTime(qint64 milliseconds)
{
    if (m_asked.isValid())
        m_asked.shownAt = m_asked.shownAt.addMSecs(milliseconds);
}

void GridScreen::keepAnswer(Grading grading, const QString &given)
{
    // A question put without "Advanced" asked no word.
    if (!m_asked.isValid())
        return;
    m_services.progress.answerGraded({m_asked, grading, given, shownNumber(m_ui.Text7), !m_judged});
    if (!m_judged)
        wordGraded(m_asked.pair, m_asked.index);
    m_judged = true;
}

double GridScreen::shownNumber(const QLineEdit *box) const
{
    // The boxes read are read-only and written only by this screen, always
    // with a number in the same regional settings.
    return text::localeValue(box->text(), m_services.locale).value_or(0.0);
}

} // namespace vorbix
