#include "shell/announcer.h"

#include "platform/ticker.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>

namespace vorbix {

namespace {

QAccessibleInterface *announcerAccessibility(const QString &className, QObject *object)
{
    if (className == QLatin1String("vorbix::Announcer") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget *window, TickerFactory &tickers)
    : QWidget(window)
{
    static const bool accessibilityInstalled = [] {
        QAccessible::installFactory(announcerAccessibility);
        return true;
    }();
    Q_UNUSED(accessibilityInstalled);
    setObjectName(QStringLiteral("announcer"));
    // One pixel in the corner that paints nothing and lets clicks through:
    // a notification is spoken when it shows, so it must be shown.
    setGeometry(0, 0, 1, 1);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();

    auto *settleTimer = new QTimer(this);
    settleTimer->setObjectName(QStringLiteral("announceTimer"));
    m_settle = tickers.make(settleTimer);
    m_settle->setInterval(kSettleMs);
    m_settle->setTickHandler([this] { showPending(); });
}

Announcer::~Announcer() = default;

void Announcer::say(const QString &text)
{
    m_pending = text;
    m_settle->stop(); // a running ticker would keep its phase
    m_settle->start();
}

void Announcer::showPending()
{
    m_settle->stop();
    // Hidden first, so that every text is a new showing, and named before it
    // shows, so that the name is there when the screen reader asks for it.
    // A hidden window says nothing, now or when it is shown later.
    hide();
    if (m_pending.trimmed().isEmpty() || !window()->isVisible())
        return;
    setAccessibleName(m_pending);
    show();
}

void Announcer::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // Hidden with its window (or hiding itself): it stays hidden when the
    // window is shown again, which would otherwise show it, and a screen
    // reader would repeat the last announcement. What waited is dropped.
    m_settle->stop();
    if (!isHidden())
        hide();
}

} // namespace vorbix
