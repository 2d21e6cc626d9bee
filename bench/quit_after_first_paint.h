#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

namespace vorbix {

// Ends the application's event loop once `window` has been painted for the
// first time, so that the time from launch to exit of a reference program is
// the time it takes to get its window on screen. Vorbix itself
// ("--quit-after-show") quits at the same point and, after it, the check of
// its database files; the references have nothing to check.
class QuitAfterFirstPaint final : public QObject
{
public:
    explicit QuitAfterFirstPaint(QWidget *window)
        : QObject(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so that this paint completes and reaches the screen.
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return false;
    }
};

} // namespace vorbix
