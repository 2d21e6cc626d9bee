#pragma once

#include "progress/answer.h"
#include "shell/forms/grid_form.h"
#include "shell/screen.h"

#include <array>
#include <memory>

namespace vorbix {

class Ticker;

// "Grid test": a word with five translations to choose from, scored by the
// time the answer takes.
class GridScreen final : public Screen
{
    Q_OBJECT

public:
    GridScreen(Services &services, Navigator &navigator);
    ~GridScreen() override;

    CommonControls &controls() override { return m_ui; }
    GridForm &ui() { return m_ui; }

    void resetOnLeave() override;
    // A question runs until it is answered or closes: its timer runs.
    bool awaitsAnswer() const override;
    void stopTimers() override;
    QWidget *startButton() override;

    // Timer3: the answer time.
    Ticker &timer() { return *m_timer; }

    float medie() const { return m_medie; }
    qint16 nrnote() const { return m_nrnote; }
    // The slot of the right translation of the question on show.
    quint8 rasppoz() const { return m_rasppoz; }

protected:
    void onPairOptionClicked(int pair) override;
    QList<QLineEdit *> wordBoxes() override;
    QString wordShown() override;
    // The choice whose option or box has the focus.
    QString translationShown() override;
    Ticker *screenTimer() override { return m_timer.get(); }
    void leaveOutOfAnswerTime(qint64 milliseconds) override;

private:
    // Cmdcont: puts the next question (grid_screen_question.cpp).
    void onCmdcontClicked();
    void askQuestion();

    // Option14 and Timer3: judge a choice, count the time down and close an
    // unanswered question (grid_screen_answer.cpp).
    void onChoiceClicked();
    void onTimer3Tick();
    std::array<bool, 5> rightSlotsOnShow() const;
    void colourChoices(const std::array<bool, 5> &right);
    // What the colours show, told to a screen reader as the description of
    // each choice ("right answer", "wrong answer"); none while `right` is null.
    void markChoices(const std::array<bool, 5> *right);
    // "Right.", "Wrong." or "Time is up.", the right answer when the chosen
    // choice is not it, and the scores, as a screen reader is told them.
    QString spokenResult(const QString &outcome, const std::array<bool, 5> &right) const;
    void addToAverage();
    double shownNumber(const QLineEdit *box) const;
    // Keeps the judged question in the learner's progress.
    void keepAnswer(Grading grading, const QString &given);

    GridForm m_ui;
    std::unique_ptr<Ticker> m_timer;
    float m_medie = 0.0f;
    qint16 m_nrnote = 0;
    quint8 m_rasppoz = 0;
    bool m_questionAsked = false; // whether any question was put since the screen was created
    WordOnShow m_asked;           // the word of the question on show; none without "Advanced"
    bool m_judged = false;        // whether that question was judged already
};

} // namespace vorbix
