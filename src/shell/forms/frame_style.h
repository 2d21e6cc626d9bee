#pragma once

class QStyle;

namespace vorbix {

// Fusion, except that a frame (group box) is drawn as a plain outline, and
// that a caption-less option and a scroll bar show the focus as a ring.
// Fusion fills a frame with a translucent panel, which tints the window's
// colour inside it (RGB(0,190,190) instead of RGB(0,192,192) on the main
// window); the screens' frames must show exactly their window's colour.
QStyle *makeFrameStyle();

} // namespace vorbix
