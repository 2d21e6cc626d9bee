#include "platform/clock.h"

namespace vorbix {

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

} // namespace vorbix
