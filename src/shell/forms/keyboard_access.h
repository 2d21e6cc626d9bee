#pragma once

#include <QList>

class QKeySequence;
class QPushButton;
class QWidget;

// What makes a window usable without a mouse and with a screen reader.
namespace vorbix::forms {

// A key that clicks the button while its window is active. The caption stays
// exactly as designed; the tooltip names the key.
void addShortcut(QPushButton *button, const QKeySequence &keys);

// Tab visits the widgets in this order (the order a reader meets them).
void setReadingOrder(const QList<QWidget *> &widgets);

// Names every control of the window that has no accessible name yet: a
// button, option or check box by its caption, a text box by the label that
// is its buddy. Controls without either are named by their form.
void nameForAccessibility(QWidget *window);

} // namespace vorbix::forms
