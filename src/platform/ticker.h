#pragma once

#include <functional>
#include <memory>

class QTimer;

namespace vorbix {

// A timer that ticks once per interval while it runs. The program backs it
// with the screen's QTimer; tests step it by hand, so that no test ever
// waits for real time to pass.
class Ticker
{
public:
    virtual ~Ticker() = default;

    // Starting a ticker that already runs changes nothing: it keeps its phase.
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
    // Setting the interval a ticker already has changes nothing; another
    // interval takes effect from now on.
    virtual void setInterval(int milliseconds) = 0;
    virtual int interval() const = 0;

    // What runs on every tick.
    void setTickHandler(std::function<void()> handler) { m_handler = std::move(handler); }

protected:
    void tick()
    {
        if (m_handler)
            m_handler();
    }

private:
    std::function<void()> m_handler;
};

// Makes the ticker that drives a screen's designed timer.
class TickerFactory
{
public:
    virtual ~TickerFactory() = default;
    virtual std::unique_ptr<Ticker> make(QTimer *designTimer) = 0;
};

// The program's tickers: the designed QTimer itself (a precise one-second
// timer, a child of its window).
class TimerTickerFactory final : public TickerFactory
{
public:
    std::unique_ptr<Ticker> make(QTimer *designTimer) override;
};

} // namespace vorbix
