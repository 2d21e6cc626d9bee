#pragma once

#include <QWidget>

#include <memory>

namespace vorbix {

class Ticker;
class TickerFactory;

// Tells a screen reader what a handler has just put on screen away from the
// focus: the entry a look-up found, the word an exercise presents, a score
// and the right answer. A screen reader speaks what happens to the control
// that has the focus, and these results appear in other boxes.
//
// It is an invisible notification of its window, which assistive technology
// speaks each time it is shown, whatever has the focus. (Qt 6.4 reports a
// changed name or description over AT-SPI without its new text, and Orca
// then says nothing; announcements of their own come with Qt 6.8.)
class Announcer final : public QWidget
{
    Q_OBJECT

public:
    Announcer(QWidget *window, TickerFactory &tickers);
    ~Announcer() override;

    // Has `text` spoken once the screen has settled: kSettleMs after the
    // last of a run of calls, and only the last text, also a text equal to
    // the one before. A handler redraws many boxes at once (every key typed
    // into the dictionary redraws 14), and a screen reader flooded with
    // their changes, or with a focus change, drops what comes with them.
    // A blank text, or any text while the window is hidden, says nothing.
    void say(const QString &text);
    static constexpr int kSettleMs = 500;

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void showPending();

    QString m_pending;
    std::unique_ptr<Ticker> m_settle;
};

} // namespace vorbix
