#pragma once

#include <QColor>

class QWidget;

namespace vorbix::colours {

inline const QColor kGreen{0, 192, 0};          // a button that starts or continues
inline const QColor kStopRed{255, 128, 128};    // the same button while it reads "STOP"
inline const QColor kRightGreen{192, 255, 192}; // the right choice in the grid test
inline const QColor kWrongRed{255, 192, 192};   // a wrong choice in the grid test
inline const QColor kWhite{255, 255, 255};

// Gives `w` the background `c`, exactly: a button's Button colour, a box's
// Base colour (the program's style draws both flat in it), any other
// widget's (a label's) filled background.
void setBackground(QWidget *w, const QColor &c);

// A window's colour, and the white boxes and black text that all its
// controls share unless they are given a colour of their own.
void setUpWindowPalette(QWidget *window, const QColor &c);

// The colour last given by setBackground, or the widget's palette background
// if it never had one.
QColor background(const QWidget *w);

} // namespace vorbix::colours
