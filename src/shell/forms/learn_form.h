#pragma once

#include "shell/forms/common_controls.h"
#include "shell/forms/exercise_controls.h"

class QTimer;
class QWidget;

namespace vorbix {

// The controls of the learning screen "Learn words": a word and its
// translation, shown on each press of the start button or by the timer.
struct LearnForm : CommonControls, ExerciseControls
{
    // Text3, Text4 and Cmdcont ("  START ") as ExerciseControls names them.
    QTimer *Timer1 = nullptr; // 1000 ms, stopped

    void setupUi(QWidget *window);
};

} // namespace vorbix
