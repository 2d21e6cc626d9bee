#pragma once

#include "shell/forms/common_controls.h"
#include "shell/forms/level_controls.h"

#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class QWidget;

namespace vorbix {

// The controls of the grid test "Grid test": a word with five translations
// to choose from, the answer time and a summary of the scores.
struct GridForm : CommonControls, LevelControls
{
    QGroupBox *timeFrame = nullptr; // "Time"
    QLabel *Label3 = nullptr;       // "Time :" beside Text2[5]
    QLabel *Label4 = nullptr;       // "Time left :"
    QLineEdit *Text9 = nullptr;     // countdown, "0", read-only, Arial 17.25 bold

    QLineEdit *Text1 = nullptr; // the asked word, level with Text2[2]; read-only
    // Text2_0 .. Text2_4: the five choices, read-only; Text2_5: the time per
    // question, "5", read-only.
    std::array<QLineEdit *, 6> Text2{};

    QGroupBox *Frame1 = nullptr;             // captionless; Option14[k] beside Text2[k]
    std::array<QRadioButton *, 5> Option14{}; // none checked at first
    QButtonGroup *choiceGroup = nullptr;     // the five options, ids 0 .. 4, exclusive

    QGroupBox *summaryFrame = nullptr; // "Summary"; Arial 12 italic, the boxes read-only
    QLabel *Label2 = nullptr;          // "Attempts :"
    QLineEdit *Text3 = nullptr;        // number of questions asked
    QLabel *Label5 = nullptr;          // "Current score :"
    QLineEdit *Text7 = nullptr;        // score of the current question, "1"
    QLabel *Labe1 = nullptr;           // "Total scores:", bold italic
    QLineEdit *Text8 = nullptr;        // running average, bold italic

    QPushButton *Cmdcont = nullptr; // " START ", green
    QTimer *Timer3 = nullptr;       // 1000 ms, stopped

    void setupUi(QWidget *window);

    // Unchecks all five choices. An exclusive group cannot do that by
    // setChecked(false), so exclusivity is lifted meanwhile. Emits nothing:
    // clearing a choice is not a choice.
    void clearChoices();
};

} // namespace vorbix
