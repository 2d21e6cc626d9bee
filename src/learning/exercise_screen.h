#pragma once

#include "learning/next_word.h"
#include "progress/answer.h"
#include "shell/screen.h"

#include <memory>

class QColor;
class QTimer;

namespace vorbix {

class Cursor;
struct ExerciseControls;
class Ticker;

// What an exercise keeps outside its controls: the word count of the pair in
// use and the letter range the words are drawn from. The exercise flag and
// the time left stay in their boxes (Text8, Text6), where the user and the
// other handlers read them as text.
struct ExerciseState
{
    qint16 nrmax = 0;   // word count of the current pair
    qint16 nrprim = 0;  // first Index of the letter range
    qint16 nrultim = 0; // last Index of the letter range
};

// What "Learn words" and "Write words" share: the letter filter and the
// level, the pair selection that recomputes them, the exercise's timer and
// leaving the screen. Each screen reaches its controls through its form.
class ExerciseScreen : public Screen
{
    Q_OBJECT

public:
    ~ExerciseScreen() override;

    const ExerciseState &state() const { return m_state; }
    qint16 nrmax() const { return m_state.nrmax; }
    qint16 nrprim() const { return m_state.nrprim; }
    qint16 nrultim() const { return m_state.nrultim; }

    // Timer1 on "Learn words", Timer2 on "Write words".
    Ticker &timer() { return *m_timer; }

    void resetOnLeave() override;
    void stopTimers() override;
    QWidget *startButton() override;

protected:
    ExerciseScreen(ScreenId id, Services &services, Navigator &navigator, const ScreenBinding &binding);

    // The exercise controls of the screen's form.
    virtual ExerciseControls &exercise() = 0;

    // Wires the exercise controls and makes the ticker behind the form's
    // timer; called once the form is set up.
    void connectExerciseControls(QTimer *designTimer);

    // Where "Write words" differs from "Learn words": its answer box
    // (Text5) and the cover over the right answer (Text9); the learning
    // screen has neither.
    virtual QLineEdit *answerBox() { return nullptr; }
    virtual QLineEdit *answerCover() { return nullptr; }
    Ticker *screenTimer() override { return m_timer.get(); }

    // Whether a timed start sets the timer's interval (the learning screen
    // does; the writing test sets it when "Timer" is checked and every tick).
    virtual bool setsIntervalOnTimedStart() const { return false; }

    void onPairOptionClicked(int pair) override;
    QString wordShown() override;
    QString translationShown() override;
    // "Timer" switched on or off; the two screens differ.
    virtual void onCheck2Toggled(bool checked) = 0;
    // One tick of the exercise's timer; the two screens differ.
    virtual void onTimerTick() = 0;
    // A word was put on show, as stored: the learning screen keeps it in
    // the learner's progress, the writing test waits for its answer.
    virtual void wordPresented(const WordOnShow &word) = 0;

    // Letter chosen in Combo1 (exercise_screen.cpp).
    void onCombo1Activated();
    // Level "Advanced" selected (exercise_screen.cpp).
    void onOption13Clicked();
    // Start, pause and continue (exercise_start.cpp).
    void onCmdcontClicked();
    // "Set time :" changed (exercise_set_time.cpp).
    void onText2Changed();

    // The pieces of a timer step (exercise_step.cpp). Countdown: "Time left"
    // one second less while it is above 0.
    void countDown();
    // While "Advanced" is selected: refresh the count, and when the time is
    // used up restart it and, with "Timer" checked, present the next word.
    void advanceWhenTimeIsUp();
    // "ABC" puts every word that a step presented into capitals.
    void upperCaseWordsShown();
    // After a failed step: the exercise is paused, ready to be continued.
    void showPaused();

    // A single letter is chosen in Combo1 (not "A-Z", not nothing).
    bool letterChosen();
    // The exercise flag in Text8: 1 no timed exercise runs, 2 one runs.
    double exerciseFlag();
    void setExerciseFlag(int flag);
    void paintCmdcont(const QString &caption, const QColor &colour);

    // The next word of the selected pair into Text3 and Text4.
    void presentNextWord(NextWordRequest::Variant variant);

    ExerciseState m_state;
    std::unique_ptr<Ticker> m_timer;
};

} // namespace vorbix
