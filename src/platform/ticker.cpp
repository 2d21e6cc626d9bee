#include "platform/ticker.h"

#include <QTimer>

namespace vorbix {

namespace {

class TimerTicker final : public Ticker
{
public:
    explicit TimerTicker(QTimer *timer)
        : m_timer(timer)
    {
        m_timer->setTimerType(Qt::PreciseTimer);
        m_connection = QObject::connect(m_timer, &QTimer::timeout, m_timer, [this] { tick(); });
    }

    ~TimerTicker() override { QObject::disconnect(m_connection); }

    // QTimer::start() restarts a running timer, which would make every
    // redundant start push the next tick a little further away.
    void start() override
    {
        if (!m_timer->isActive())
            m_timer->start();
    }

    void stop() override { m_timer->stop(); }
    bool isActive() const override { return m_timer->isActive(); }

    void setInterval(int milliseconds) override
    {
        if (m_timer->interval() != milliseconds)
            m_timer->setInterval(milliseconds);
    }

    int interval() const override { return m_timer->interval(); }

private:
    QTimer *m_timer;
    QMetaObject::Connection m_connection;
};

} // namespace

std::unique_ptr<Ticker> TimerTickerFactory::make(QTimer *designTimer)
{
    return std::make_unique<TimerTicker>(designTimer);
}

} // namespace vorbix
