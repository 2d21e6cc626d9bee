#pragma once

class QStyle;

namespace vorbix {

// The program's look: Fusion, with
// - frames (group boxes) drawn as a plain outline: Fusion fills a frame with
//   a translucent panel, which tints the window's colour inside it
//   (RGB(0,190,190) instead of RGB(0,192,192) on the main window), and the
//   screens' frames must show exactly their window's colour;
// - text boxes and push buttons flat in their palette's colour with a thin
//   border (Fusion paints a button's colour as a gradient), thicker while
//   they have the focus;
// - options, check boxes, the combo box and the scroll bar showing the focus
//   as a dark ring (Fusion shows none on some, a faint tint on the others).
// The colours come from the palettes (colours.h), so that no control needs
// a style sheet of its own.
QStyle *makeFrameStyle();

} // namespace vorbix
