#pragma once

#include "shell/screen.h"

class QPushButton;
class QTimer;

namespace vorbix {

class Cursor;
struct ExerciseControls;

// What "Learn words" and "Write words" share: the letter filter and the
// level, the pair selection that recomputes them, and leaving the screen.
class ExerciseScreen : public Screen
{
    Q_OBJECT

public:
    ~ExerciseScreen() override;

    qint16 nrmax() const { return m_nrmax; }
    qint16 nrprim() const { return m_nrprim; }
    qint16 nrultim() const { return m_nrultim; }

    void resetOnLeave() override;
    void stopTimers() override;

protected:
    ExerciseScreen(ScreenId id, Services &services, Navigator &navigator, const ScreenBinding &binding);

    // Wires the exercise controls; called once the form is set up.
    void connectExerciseControls(ExerciseControls &exercise, QPushButton *cmdcont, QTimer *timer);

    void onPairOptionClicked(int pair) override;
    // "Timer" switched on or off (exercise_check2.cpp differs per screen).
    virtual void onCheck2Toggled(bool checked) = 0;

    // Letter chosen in Combo1.
    void onCombo1Activated();
    // Level "Advanced" selected.
    void onOption13Clicked();

    // A single letter is chosen in Combo1 (not "A-Z", not nothing).
    bool letterChosen() const;

    ExerciseControls *m_exercise = nullptr;
    QPushButton *m_cmdcont = nullptr;
    QTimer *m_timer = nullptr;

    qint16 m_nrmax = 0;
    qint16 m_nrprim = 0;
    qint16 m_nrultim = 0;

private:
    struct LetterRange
    {
        qint16 first = 0;
        qint16 last = 0;
    };
    // The first and last Index of the words of `words` that begin with
    // `letter`; both are the first record's Index when none does.
    static LetterRange letterRange(Cursor &words, const QString &letter);
};

} // namespace vorbix
