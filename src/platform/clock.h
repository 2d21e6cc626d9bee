#pragma once

#include <QDateTime>

namespace vorbix {

// The wall clock, for what is dated: the answers kept in the progress file
// and the days on which words fall due. The program reads the system's
// clock; tests set the time by hand, so that a day passes without waiting.
class Clock
{
public:
    virtual ~Clock() = default;
    // The current local date and time.
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override;
};

} // namespace vorbix
