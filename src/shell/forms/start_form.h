#pragma once

#include "shell/forms/common_controls.h"

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QWidget;

namespace vorbix {

// The controls of the main window "Dictionary": the look-up box and a grid
// of seven rows (number, word, translation) browsed by a scroll bar.
struct StartForm : CommonControls
{
    QGroupBox *titleFrame = nullptr;
    QLabel *Label2 = nullptr;   // title banner
    QLabel *Label3 = nullptr;   // "Translate this word :"
    QLineEdit *Text0 = nullptr; // the typed word; first in the tab order, has the focus
    QPushButton *cmdclr = nullptr; // "Clean"

    // The grid boxes are read-only and left out of the tab order.
    std::array<QLineEdit *, 7> rowNumber{};  // Text1 .. Text7, "1" .. "7"
    std::array<QLineEdit *, 7> sourceWord{}; // Text8 .. Text14
    std::array<QLineEdit *, 7> targetWord{}; // Text15 .. Text21
    QScrollBar *VScroll1 = nullptr;          // range 1 .. 1, value 1

    QLineEdit *Text22 = nullptr; // hidden: the pair's word count
    QLineEdit *Text23 = nullptr; // hidden: Index of the entry in row 1, "Text23"

    void setupUi(QWidget *window);
};

} // namespace vorbix
