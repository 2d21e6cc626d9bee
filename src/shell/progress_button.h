#pragma once

class QPushButton;
class QWidget;

namespace vorbix {

enum class ScreenId;

// The button that opens the Progress window (Ctrl+P). The four windows were
// designed without it, so it is not part of their layouts: it is placed in
// room that no designed control uses, and every designed control keeps its
// place and size. It reads "Progress" beside a small chart; on the main
// window, whose only free room is the head of the row-number column, it
// shows the chart alone.
QPushButton *makeProgressButton(QWidget *window, ScreenId id);

// Puts the button in its place; the window's layout must be in force.
void placeProgressButton(QPushButton *button, ScreenId id);

} // namespace vorbix
