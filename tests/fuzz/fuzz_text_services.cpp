// The text services on any text, with a decimal point and a decimal comma.
#include "fuzz_check.h"
#include "platform/text_services.h"

#include <QLocale>
#include <QString>

#include <cmath>
#include <cstdint>

using namespace vorbix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    static const QLocale locales[] = {QLocale(QLocale::English, QLocale::UnitedStates),
                                      QLocale(QLocale::German, QLocale::Germany)};

    const double value = text::numericValue(text);
    FUZZ_CHECK(!std::isnan(value));
    for (const QLocale &locale : locales) {
        const std::optional<double> read = text::localeValue(text, locale);
        FUZZ_CHECK(text::isNumeric(text, locale) == read.has_value());
        if (read)
            FUZZ_CHECK(std::isfinite(*read));
        if (const std::optional<qint16> whole = text::toInt16(text, locale))
            FUZZ_CHECK(read && std::fabs(*read - *whole) <= 0.5);
        for (const double number : {value, read.value_or(0.0)}) {
            FUZZ_CHECK(!text::generalNumber(number, locale).isEmpty());
            FUZZ_CHECK(!text::generalNumber(float(number), locale).isEmpty());
            const QString two = text::twoDecimals(number, locale);
            // "#,###,##0.00": two digits after the regional separator.
            if (std::isfinite(number))
                FUZZ_CHECK(two.size() >= 4 && two.at(two.size() - 3) == locale.decimalPoint().at(0)
                           && two.at(two.size() - 1).isDigit() && two.at(two.size() - 2).isDigit());
            (void)text::twoDecimals(float(number), locale);
            (void)text::roundToTwoDecimals(number);
        }
    }
    // Case mapping keeps every text's length.
    FUZZ_CHECK(text::upperCase(text).size() == text.size());
    FUZZ_CHECK(text::lowerCase(text).size() == text.size());
    const QStringView trimmed = text::trimBlanks(text);
    FUZZ_CHECK(!trimmed.startsWith(QLatin1Char(' ')) && !trimmed.endsWith(QLatin1Char(' ')));
    return 0;
}
