#pragma once

#include "learning/exercise_screen.h"
#include "shell/forms/write_form.h"
#include "writing_test/score_record.h"

namespace vorbix {

// "Write words": a word is shown, the user types its translation and the
// answer is scored from 1 to 10.
class WriteScreen final : public ExerciseScreen
{
    Q_OBJECT

public:
    WriteScreen(Services &services, Navigator &navigator);
    ~WriteScreen() override;

    CommonControls &controls() override { return m_ui; }
    WriteForm &ui() { return m_ui; }

    void resetOnLeave() override;
    bool awaitsAnswer() const override;

    float medie() const { return m_scores.medie; }
    qint16 nrnote() const { return m_scores.nrnote; }
    float totalnote() const { return m_scores.totalnote; }

protected:
    ExerciseControls &exercise() override { return m_ui; }
    QList<QLineEdit *> wordBoxes() override;
    QLineEdit *answerBox() override;
    QLineEdit *answerCover() override;
    void onCheck2Toggled(bool checked) override;
    void onTimerTick() override;
    void wordPresented(const WordOnShow &word) override;
    void leaveOutOfAnswerTime(qint64 milliseconds) override;

private:
    // "Verify" (write_verify.cpp).
    void onCmdokClicked();
    // Grading when the time for a word runs out (write_verify.cpp): warns
    // about characters that are not letters, then scores and records.
    void notare();
    // Scores the typed answer against the right one into Text7.
    void scoreTypedAnswer();
    // Counts the score shown in Text7 into the average in Text1.
    void recordScore();
    // The scores, and the right answer once it is uncovered, as a screen
    // reader is told them after a grading.
    QString spokenScores();
    // Keeps the graded answer in the learner's progress (write_verify.cpp).
    void keepAnswer(Grading grading);

    WriteForm m_ui;
    ScoreRecord m_scores;
    WordOnShow m_onShow; // the word whose answer is graded
    bool m_graded = false; // whether it was graded already
};

} // namespace vorbix
