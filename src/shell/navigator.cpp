#include "shell/navigator.h"

#include "platform/message_sink.h"
#include "shell/services.h"

#include <stdexcept>
#include <string>

namespace vorbix {

namespace {

std::size_t slotOf(ScreenId id)
{
    const auto slot = static_cast<std::size_t>(id);
    if (slot >= 4)
        throw std::out_of_range("Vorbix has no screen number " + std::to_string(slot) + ".");
    return slot;
}

} // namespace

Navigator::Navigator(Services &services, ScreenFactory factory)
    : m_services(services)
    , m_factory(std::move(factory))
    , m_speaker(services)
{
}

Navigator::~Navigator() = default;

Screen *Navigator::existing(ScreenId id) const
{
    const auto slot = static_cast<std::size_t>(id);
    return slot < m_screens.size() ? m_screens[slot].get() : nullptr;
}

Screen &Navigator::screen(ScreenId id)
{
    std::unique_ptr<Screen> &slot = m_screens[slotOf(id)];
    if (!slot)
        slot = m_factory(id, m_services, *this);
    return *slot;
}

void Navigator::settingsNotSaved(const QString &filePath, const QString &reason)
{
    if (m_unsavedSettingsFiles.contains(filePath))
        return;
    m_unsavedSettingsFiles.append(filePath);
    m_services.messages.show({QStringLiteral("%1\n\nVorbix goes on: the words are shown all the same, but the last "
                                             "pair used will not be remembered.")
                                  .arg(reason),
                              kApplicationTitle, MessageIcon::Exclamation});
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
    from.endPractice();
    to.show();
    from.hide();
}

void Navigator::showProgress(Screen &from)
{
    if (m_openProgress && !m_exited)
        m_openProgress(from);
}

void Navigator::startPractice(Screen &from, ScreenId target, int pair, const QList<int> &indexes)
{
    Screen &to = screen(target);
    if (&to != &from)
        switchTo(from, target);
    // A pair that cannot be selected (its table unreadable) leaves the
    // screen on another pair, whose draws the practice does not touch.
    to.carryPairOver(pair);
    to.startPractice(pair, indexes);
    // The focus goes straight to START, not to the first of the screen's
    // controls nor back to where it was: on a screen arrived at (it is
    // reset), and on the screen the window was opened from when it is idle.
    // A word there that waits for its answer keeps the focus where it was,
    // in a half-typed answer.
    if (&to != &from || !to.awaitsAnswer()) {
        if (QWidget *start = to.startButton())
            start->setFocus(Qt::OtherFocusReason);
    }
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
