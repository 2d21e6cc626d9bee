#pragma once

#include "shell/navigator.h"

namespace vorbix {

// The four screens by id: the one place that knows every screen class. The
// program and the tests build their navigator with it.
std::unique_ptr<Screen> makeScreen(ScreenId id, Services &services, Navigator &navigator);

} // namespace vorbix
