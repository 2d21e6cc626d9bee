#include "app/screen_factory.h"

#include "dictionary/start_screen.h"
#include "grid_test/grid_screen.h"
#include "learning/learn_screen.h"
#include "writing_test/write_screen.h"

#include <stdexcept>

namespace vorbix {

std::unique_ptr<Screen> makeScreen(ScreenId id, Services &services, Navigator &navigator)
{
    switch (id) {
    case ScreenId::Start: return std::make_unique<StartScreen>(services, navigator);
    case ScreenId::Invatare: return std::make_unique<LearnScreen>(services, navigator);
    case ScreenId::Test: return std::make_unique<WriteScreen>(services, navigator);
    case ScreenId::TestG: return std::make_unique<GridScreen>(services, navigator);
    }
    throw std::out_of_range("Vorbix has no such screen.");
}

} // namespace vorbix
