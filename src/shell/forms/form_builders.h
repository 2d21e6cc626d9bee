#pragma once

#include <QtGlobal>

class QColor;
class QFont;
class QLabel;
class QLineEdit;
class QObject;
class QPushButton;
class QRadioButton;
class QTimer;
class QVBoxLayout;
class QWidget;

// Small constructors shared by the four forms. Every control gets its object
// name here, so the screens can find it under the name the handlers use.
// Names and captions are plain ASCII.
namespace vorbix::forms {

QFont arial(qreal points, bool bold = false, bool italic = false);
QFont timesNewRoman(qreal points, bool bold = false);

QLabel *makeLabel(QWidget *parent, const char *name, const char *caption);
// A single-line box, white like every box of its window (setUpWindow).
QLineEdit *makeLineEdit(QWidget *parent, const char *name, const char *text = "");
// A box the program fills and the user only reads; it always shows the
// beginning of its text (read_only_box.h).
QLineEdit *makeReadOnlyBox(QWidget *parent, const char *name, const char *text = "");
// A box that only carries a value between handlers: never shown.
QLineEdit *makeHiddenCarrier(QWidget *parent, const char *name, const char *text = "");
QRadioButton *makeRadio(QWidget *parent, const char *name, const char *caption);
QPushButton *makeButton(QWidget *parent, const char *name, const char *caption, const QColor &colour);
// A one-second precise timer, stopped.
QTimer *makeSecondTimer(QObject *parent, const char *name);

// Title, fixed client size, background colour, the white boxes and the
// font of every control that does not name its own.
void setUpWindow(QWidget *window, const char *title, int width, int height, const QColor &colour);

// The window's top-to-bottom layout, with the margins every form uses.
QVBoxLayout *windowColumn(QWidget *window);

} // namespace vorbix::forms
