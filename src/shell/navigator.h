#pragma once

#include "shell/screen.h"
#include "shell/word_speaker.h"

#include <QObject>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

namespace vorbix {

class Navigator;
struct Services;

// Builds a screen with its design-time state. The composition root (src/app)
// supplies it, so that the shell never depends on the screens built on it.
using ScreenFactory = std::function<std::unique_ptr<Screen>(ScreenId, Services &, Navigator &)>;

// Creates the four screens on first use, switches between them and ends the
// program. Exactly one screen is visible at a time.
class Navigator final : public QObject
{
    Q_OBJECT

public:
    Navigator(Services &services, ScreenFactory factory);
    ~Navigator() override;

    // The screen, created with its design-time state the first time it is
    // asked for. An id outside the four screens throws std::out_of_range.
    Screen &screen(ScreenId id);
    // The screen if it exists already; nullptr for an id outside the four.
    Screen *existing(ScreenId id) const;

    // Start-up: the main window is created and shown.
    void start();

    // A navigation button on `from`: carry the pair over, reset `from`,
    // show the target, hide `from`.
    void switchTo(Screen &from, ScreenId target);

    // "Exit": every screen stops and disappears and the program ends.
    void exit();
    bool hasExited() const { return m_exited; }

    // A settings record could not be saved: the user is told once per file,
    // and the screens go on (the record only caches a word count).
    void settingsNotSaved(const QString &filePath, const QString &reason);

    // The Progress window, opened over a screen by its Progress button or
    // Ctrl+P. The composition root supplies what opens it, so that the
    // shell does not depend on the window; without it the keys do nothing.
    using ProgressOpener = std::function<void(Screen &from)>;
    void setProgressOpener(ProgressOpener opener) { m_openProgress = std::move(opener); }
    void showProgress(Screen &from);

    // "Practise due words" from the Progress window opened over `from`: the
    // target screen is shown as a navigation button would show it, with the
    // pair selected, and its draws keep to `indexes` until it is left or
    // every word of them is answered. The focus goes to START unless a word
    // on `from` itself waits for its answer.
    void startPractice(Screen &from, ScreenId target, int pair, const QList<int> &indexes);

    // Reads words aloud for every screen's speech keys.
    WordSpeaker &speaker() { return m_speaker; }

Q_SIGNALS:
    void exitRequested();

private:
    Services &m_services;
    ScreenFactory m_factory;
    WordSpeaker m_speaker;
    std::array<std::unique_ptr<Screen>, 4> m_screens;
    bool m_exited = false;
    QStringList m_unsavedSettingsFiles;
    ProgressOpener m_openProgress;
};

} // namespace vorbix
