#pragma once

#include "shell/screen.h"

#include <memory>

class QTimer;

namespace vorbix {

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

protected:
    ExerciseScreen(ScreenId id, Services &services, Navigator &navigator, const ScreenBinding &binding);

    // The exercise controls of the screen's form.
    virtual ExerciseControls &exercise() = 0;

    // Wires the exercise controls and makes the ticker behind the form's
    // timer; called once the form is set up.
    void connectExerciseControls(QTimer *designTimer);

    void onPairOptionClicked(int pair) override;
    // "Timer" switched on or off; the two screens differ.
    virtual void onCheck2Toggled(bool checked) = 0;

    // Letter chosen in Combo1.
    void onCombo1Activated();
    // Level "Advanced" selected.
    void onOption13Clicked();

    // A single letter is chosen in Combo1 (not "A-Z", not nothing).
    bool letterChosen();

    ExerciseState m_state;
    std::unique_ptr<Ticker> m_timer;
};

} // namespace vorbix
