#pragma once

#include "shell/forms/level_controls.h"

#include <QList>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace vorbix {

// What the learning screen and the writing test share besides the common
// controls: level, the time per word, the word order and letter filter, the
// "Timer" switch and the hidden boxes that carry the exercise state.
struct ExerciseControls : LevelControls
{
    QGroupBox *timeFrame = nullptr; // "Time"
    QLabel *Label2 = nullptr;       // "Set time :"
    QLineEdit *Text2 = nullptr;     // seconds per word, "10", editable
    QLabel *Label4 = nullptr;       // "Time left :"
    QLineEdit *Text6 = nullptr;     // countdown, "0", Arial 17.25 bold

    QGroupBox *modeFrame = nullptr;   // "Mode"
    QRadioButton *Option9 = nullptr;  // "Randomly", checked
    QRadioButton *Option10 = nullptr; // "In order"
    QComboBox *Combo1 = nullptr;      // "A-Z", "A" .. "Z" without "W"; nothing selected

    QCheckBox *Check2 = nullptr; // "Timer", unchecked

    // Each screen creates and places these three itself.
    QLineEdit *Text3 = nullptr;     // the word shown, read-only
    QLineEdit *Text4 = nullptr;     // its translation (the right answer), read-only
    QPushButton *Cmdcont = nullptr; // starts, pauses and continues; green

    QLineEdit *Text8 = nullptr;  // exercise flag, "1"
    QLineEdit *Text10 = nullptr; // table code of the letter range
    QLineEdit *Text11 = nullptr; // first Index of the letter range
    QLineEdit *Text12 = nullptr; // last Index of the letter range

protected:
    // The frames "Level", "Time" and "Mode" in reading order.
    QList<QWidget *> settingsInReadingOrder() const;

    // A new row with the frames "Level", "Time" and "Mode".
    QBoxLayout *settingsRow() const;

    // The two screens' window, top to bottom: the pair and display options,
    // the settings row, the words, the exercise buttons and the navigation
    // row, with the spare height spread between the middle rows.
    void layOutExerciseWindow(QWidget *window, QLayout *options, QLayout *words, QLayout *exercise,
                              QLayout *navigation) const;

    // The two screens differ only in the blanks before the time captions.
    void setupExerciseControls(QWidget *window, const char *setTimeCaption,
                               const char *timeLeftCaption);
};

} // namespace vorbix
