#pragma once

#include "shell/forms/grid_form.h"
#include "shell/screen.h"

#include <memory>

namespace vorbix {

class Ticker;

// "Grid test": a word with five translations to choose from, scored by the
// time the answer takes.
class GridScreen final : public Screen
{
    Q_OBJECT

public:
    GridScreen(Services &services, Navigator &navigator);
    ~GridScreen() override;

    CommonControls &controls() override { return m_ui; }
    GridForm &ui() { return m_ui; }

    void resetOnLeave() override;
    void stopTimers() override;

    // Timer3: the answer time.
    Ticker &timer() { return *m_timer; }

    float medie() const { return m_medie; }
    qint16 nrnote() const { return m_nrnote; }

protected:
    void onPairOptionClicked(int pair) override;
    QList<QLineEdit *> wordBoxes() override;

private:
    GridForm m_ui;
    std::unique_ptr<Ticker> m_timer;
    float m_medie = 0.0f;
    qint16 m_nrnote = 0;
};

} // namespace vorbix
