#pragma once

class QWidget;

namespace vorbix::bench {

// The second reference for start-up time: a window with as many controls of
// each kind as the main window "Dictionary", with the same fonts and a
// similar layout, built with plain Qt widgets in the Fusion style: no data,
// no handlers, no colours, no style of the program's own. What the main
// window costs beyond it is the program's own work.
void buildControlsWindow(QWidget *window);

} // namespace vorbix::bench
