#pragma once

#include <QList>

class QKeySequence;
class QPushButton;
class QString;
class QWidget;

// What makes a window usable without a mouse and with a screen reader.
namespace vorbix::forms {

// A key that clicks the button while its window is active. The caption stays
// exactly as designed; the tooltip, which a screen reader reads as the
// button's description, names the caption and the key.
void addShortcut(QPushButton *button, const QKeySequence &keys);

// Changes a button's caption, and the tooltip that names it with its key, so
// that neither names a caption the button no longer shows.
void setCaption(QPushButton *button, const QString &caption);

// Tab visits the widgets in this order (the order a reader meets them).
void setReadingOrder(const QList<QWidget *> &widgets);

// Names every text box of the window that has no accessible name yet by the
// label that is its buddy. Buttons, options and check boxes are read by
// their captions, which may change; controls without either are named by
// their form.
void nameForAccessibility(QWidget *window);

} // namespace vorbix::forms
