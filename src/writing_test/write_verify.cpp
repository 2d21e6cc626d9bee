// "Verify" and the grading at the end of a timed word on "Write words".
#include "writing_test/write_screen.h"

#include "platform/message_sink.h"
#include "platform/text_services.h"
#include "progress/progress_log.h"
#include "shell/forms/colours.h"
#include "shell/services.h"
#include "writing_test/answer_scoring.h"

#include <QLineEdit>
#include <QPushButton>

#include <stdexcept>

namespace vorbix {

void WriteScreen::onCmdokClicked()
{
    m_ui.Text9->hide(); // uncovers the right answer
    m_ui.Text5->setEnabled(true);
    paintCmdcont(QStringLiteral("Continue"), colours::kGreen);
    scoreTypedAnswer();
    recordScore();
    keepAnswer(Grading::Verify);
    announce(spokenScores());
}

void WriteScreen::notare()
{
    const QString right = m_ui.Text4->text();
    const QString answer = m_ui.Text5->text();
    if (normalisedAnswer(right) != normalisedAnswer(answer)) {
        // One warning per refused character, the last one first; the
        // answer is graded all the same.
        for (qsizetype i = 0, n = refusedCharacters(answer).size(); i < n; ++i)
            m_services.messages.show({QStringLiteral("Only letters !"), QStringLiteral("Atention"),
                                      MessageIcon::Exclamation});
    }
    scoreTypedAnswer();
    recordScore();
    keepAnswer(Grading::TimeOut);
    announce(spokenScores());
}

QString WriteScreen::spokenScores()
{
    QString text = QStringLiteral("Score %1, total scores %2.").arg(m_ui.Text7->text(), m_ui.Text1->text());
    const QString right = translationShown(); // nothing while it is covered
    if (!right.isEmpty())
        text += QStringLiteral(" Right answer: %1.").arg(right);
    return text;
}

void WriteScreen::scoreTypedAnswer()
{
    const float score = scoreAnswer(m_ui.Text4->text(), m_ui.Text5->text());
    m_ui.Text7->setText(text::generalNumber(score, m_services.locale));
}

void WriteScreen::recordScore()
{
    // The score counts as it is shown, read back with the regional settings.
    const std::optional<double> shown = text::localeValue(m_ui.Text7->text(), m_services.locale);
    if (!shown)
        throw std::invalid_argument("The current score \"" + m_ui.Text7->text().toStdString()
                                    + "\" is not a number.");
    m_scores.add(*shown);
    m_ui.Text1->setText(text::twoDecimals(m_scores.medie, m_services.locale));
}

void WriteScreen::wordPresented(const WordOnShow &word)
{
    m_onShow = word;
    m_graded = false;
}

bool WriteScreen::awaitsAnswer() const
{
    return m_onShow.isValid() && !m_graded;
}

void WriteScreen::leaveOutOfAnswerTime(qint64 milliseconds)
{
    if (m_onShow.isValid())
        m_onShow.shownAt = m_onShow.shownAt.addMSecs(milliseconds);
}

void WriteScreen::keepAnswer(Grading grading)
{
    // Verify pressed before any word was shown grades no word.
    if (!m_onShow.isValid())
        return;
    const double score = text::localeValue(m_ui.Text7->text(), m_services.locale).value_or(1.0);
    m_services.progress.answerGraded({m_onShow, grading, m_ui.Text5->text(), score, !m_graded});
    if (!m_graded)
        wordGraded(m_onShow.pair, m_onShow.index);
    m_graded = true;
}

} // namespace vorbix
