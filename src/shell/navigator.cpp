#include "shell/navigator.h"

#include "dictionary/start_screen.h"
#include "grid_test/grid_screen.h"
#include "learning/learn_screen.h"
#include "shell/services.h"
#include "writing_test/write_screen.h"

#include <QCoreApplication>

namespace vorbix {

Navigator::Navigator(Services &services)
    : m_services(services)
{
}

Navigator::~Navigator() = default;

Screen *Navigator::existing(ScreenId id) const
{
    return m_screens[size_t(id)].get();
}

Screen &Navigator::screen(ScreenId id)
{
    std::unique_ptr<Screen> &slot = m_screens[size_t(id)];
    if (!slot) {
        switch (id) {
        case ScreenId::Start: slot = std::make_unique<StartScreen>(m_services, *this); break;
        case ScreenId::Invatare: slot = std::make_unique<LearnScreen>(m_services, *this); break;
        case ScreenId::Test: slot = std::make_unique<WriteScreen>(m_services, *this); break;
        case ScreenId::TestG: slot = std::make_unique<GridScreen>(m_services, *this); break;
        }
    }
    return *slot;
}

void Navigator::start()
{
    screen(ScreenId::Start).show();
}

void Navigator::switchTo(Screen &from, ScreenId target)
{
    Screen &to = screen(target);
    to.carryPairOver(from.selectedPair());
    from.resetOnLeave();
    to.show();
    from.hide();
}

void Navigator::exit()
{
    if (m_exited)
        return;
    m_exited = true;
    for (const auto &screen : m_screens) {
        if (screen) {
            screen->stopTimers();
            screen->hide();
        }
    }
    Q_EMIT exitRequested();
}

} // namespace vorbix
