#include "platform/text_services.h"

#include <QLocale>

#include <cmath>

namespace vorbix::text {

double numericValue(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    qsizetype digits = 0;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < text.size() && text[i].unicode() < 128 && text[i].isDigit()) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    // An exponent counts only when digits follow it.
    if (i < text.size() && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < text.size() && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
            ++j;
        const qsizetype expStart = j;
        while (j < text.size() && text[j].unicode() < 128 && text[j].isDigit())
            ++j;
        if (j > expStart)
            i = j;
    }
    return text.mid(start, i - start).toString().toDouble();
}

std::optional<qint16> toInt16(QStringView text)
{
    bool ok = false;
    const double value = QLocale().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value); // the default rounding mode ties to even
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

QStringView trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == QLatin1Char(' '))
        ++begin;
    while (end > begin && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

} // namespace vorbix::text
