#pragma once

#include "shell/forms/common_controls.h"
#include "shell/forms/exercise_controls.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QWidget;

namespace vorbix {

// The controls of the writing test "Write words": the asked word, the
// user's answer, the covered right answer and the scores.
struct WriteForm : CommonControls, ExerciseControls
{
    // Text3 (the asked word), Text4 (the right answer) and Cmdcont
    // (" START ") as ExerciseControls names them.
    QLineEdit *Text5 = nullptr; // the user's answer, editable
    QLabel *Label8 = nullptr;   // "RIGHT ANSWER    ------>"
    // A blank white box in the same place as Text4 and above it: the right
    // answer can be read only while Text9 is hidden.
    QLineEdit *Text9 = nullptr;

    QPushButton *Cmdok = nullptr;   // "Verify"

    QLabel *Label5 = nullptr;   // "Current scores"
    QLineEdit *Text7 = nullptr; // score of the last answer, "1", read-only
    QLabel *Label1 = nullptr;   // "Total scores"
    QLineEdit *Text1 = nullptr; // running average, read-only

    QTimer *Timer2 = nullptr; // 1000 ms, stopped

    void setupUi(QWidget *window);
};

} // namespace vorbix
