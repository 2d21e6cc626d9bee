#include "app/application_setup.h"

#include "shell/forms/frame_style.h"

#include <QApplication>

namespace vorbix {

void setUpApplicationIdentity(QCoreApplication &)
{
    QCoreApplication::setApplicationName(QStringLiteral("vorbix"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VORBIX_VERSION));
    // The desktop entry the windows belong to (Wayland's app id).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vorbix.Vorbix"));
}

void setUpApplicationLook()
{
    QApplication::setStyle(makeFrameStyle());
}

} // namespace vorbix
