#pragma once

#include "shell/forms/common_controls.h"
#include "shell/forms/exercise_controls.h"

class QLineEdit;
class QPushButton;
class QTimer;
class QWidget;

namespace vorbix {

// The controls of the learning screen "Learn words": a word and its
// translation, shown on each press of the start button or by the timer.
struct LearnForm : CommonControls, ExerciseControls
{
    QLineEdit *Text3 = nullptr;      // the word, read-only
    QLineEdit *Text4 = nullptr;      // its translation, read-only
    QPushButton *Cmdcont = nullptr;  // "  START ", green
    QTimer *Timer1 = nullptr;        // 1000 ms, stopped

    void setupUi(QWidget *window);
};

} // namespace vorbix
