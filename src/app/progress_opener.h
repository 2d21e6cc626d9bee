#pragma once

#include "shell/navigator.h"

namespace vorbix {

// What the Progress button and Ctrl+P open: the Progress window, built on
// first use, shown over the screen that asked with that screen's pair, modal
// for the whole program while it is open; the screen beneath is held still
// until it closes (Screen::holdWhileCovered). "Practise due words" in it
// starts a practice on "Write words" or "Grid test". The program and the
// tests hand it to their navigator.
Navigator::ProgressOpener makeProgressOpener(Services &services, Navigator &navigator);

} // namespace vorbix
