#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

namespace vorbix {

// A start-up diagnostic: ends the application's event loop once `window` has
// been painted for the first time, so that the time from launch to exit is
// the time it takes to get the window on screen. Header-only, so that the
// bare comparison program in bench/ uses exactly the same criterion without
// linking the program's library.
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
