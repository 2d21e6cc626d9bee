#include "learning/set_time.h"

#include "platform/text_services.h"

namespace vorbix {

SetTimeCheck checkSetTime(QStringView text, const QLocale &locale)
{
    using Outcome = SetTimeCheck::Outcome;
    if (text.isEmpty() || text::numericValue(text) <= 0 || !text::isNumeric(text, locale))
        return {Outcome::Rejected, {}};
    const std::optional<qint16> seconds = text::toInt16(text, locale);
    if (!seconds)
        return {Outcome::TooLarge, {}};
    return {Outcome::Accepted, QString::number(*seconds)};
}

} // namespace vorbix
