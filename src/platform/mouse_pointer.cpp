#include "platform/mouse_pointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace vorbix {

void ApplicationMousePointer::showBusy()
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void ApplicationMousePointer::restore()
{
    if (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

void ApplicationMousePointer::restoreAll()
{
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

bool ApplicationMousePointer::isBusy() const
{
    return QGuiApplication::overrideCursor() != nullptr;
}

} // namespace vorbix
