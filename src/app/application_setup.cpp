#include "app/application_setup.h"

#include "shell/forms/frame_style.h"

#include <QApplication>

namespace vorbix {

void setUpApplicationIdentity(QCoreApplication &)
{
    QCoreApplication::setApplicationName(QStringLiteral("vorbix"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VORBIX_VERSION));
}

void setUpApplicationLook()
{
    QApplication::setStyle(makeFrameStyle());
}

} // namespace vorbix
