#include "platform/text_services.h"

#include <QLocale>

#include <cmath>
#include <cstdio>

namespace vorbix::text {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// "1.5e-07" as the general format writes it: "1.5E-07", with the regional
// decimal separator.
QString withRegionalSeparators(const char *plain, const QLocale &locale)
{
    QString text = QString::fromLatin1(plain);
    text.replace(QLatin1Char('e'), QLatin1Char('E'));
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    return text;
}

QString generalForm(double value, int significantDigits, const QLocale &locale)
{
    if (value == 0.0)
        value = 0.0; // no "-0"
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*g", significantDigits, value);
    return withRegionalSeparators(buffer, locale);
}

// The value rounded to two decimals, halves away from zero, after it has
// been written with `significantDigits` significant digits: the sign and
// the digits before and after the point ("3.025" -> "3", "03").
struct TwoDecimalDigits
{
    bool negative = false;
    QString integer;  // at least one digit
    QString fraction; // exactly two digits
};

TwoDecimalDigits roundDecimalForm(double value, int significantDigits)
{
    TwoDecimalDigits result;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", significantDigits - 1, value);
    // d.dddde[+-]x
    QByteArray text(buffer);
    if (text.startsWith('-')) {
        result.negative = true;
        text.remove(0, 1);
    }
    const qsizetype e = text.indexOf('e');
    QByteArray digits = text.left(e);
    digits.replace(".", "");
    const int exponent = text.mid(e + 1).toInt();

    // Place the point: digits[0] stands for 10^exponent.
    QByteArray integer, fraction;
    if (exponent >= 0) {
        while (digits.size() < exponent + 1)
            digits.append('0');
        integer = digits.left(exponent + 1);
        fraction = digits.mid(exponent + 1);
    } else {
        integer = "0";
        fraction = QByteArray(-exponent - 1, '0') + digits;
    }
    while (fraction.size() < 3)
        fraction.append('0');

    const bool roundUp = fraction[2] >= '5';
    QByteArray kept = integer + fraction.left(2);
    if (roundUp) {
        qsizetype i = kept.size() - 1;
        while (i >= 0 && kept[i] == '9') {
            kept[i] = '0';
            --i;
        }
        if (i < 0)
            kept.prepend('1');
        else
            kept[i] = char(kept[i] + 1);
    }
    result.integer = QString::fromLatin1(kept.left(kept.size() - 2));
    result.fraction = QString::fromLatin1(kept.right(2));
    // Strip leading zeros of the integer part but keep one.
    while (result.integer.size() > 1 && result.integer.startsWith(QLatin1Char('0')))
        result.integer.remove(0, 1);
    if (result.integer == QLatin1String("0") && result.fraction == QLatin1String("00"))
        result.negative = false;
    return result;
}

QString formatTwoDecimals(double value, int significantDigits, const QLocale &locale)
{
    if (!std::isfinite(value))
        return generalForm(value, significantDigits, locale);
    const TwoDecimalDigits digits = roundDecimalForm(value, significantDigits);
    QString grouped;
    const qsizetype n = digits.integer.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            grouped += locale.groupSeparator();
        grouped += digits.integer[i];
    }
    return (digits.negative ? QStringLiteral("-") : QString()) + grouped + locale.decimalPoint()
           + digits.fraction;
}

} // namespace

double numericValue(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    qsizetype digits = 0;
    while (i < text.size() && isAsciiDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < text.size() && isAsciiDigit(text[i])) {
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
        while (j < text.size() && isAsciiDigit(text[j]))
            ++j;
        if (j > expStart)
            i = j;
    }
    return text.mid(start, i - start).toString().toDouble();
}

std::optional<double> localeValue(QStringView text, const QLocale &locale)
{
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    // Qt reads "nan" and "inf"; the numeric test knows only numbers.
    for (QChar c : trimmed) {
        if (c.isLetter() && c != QLatin1Char('e') && c != QLatin1Char('E'))
            return std::nullopt;
    }
    bool ok = false;
    const double value = locale.toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool isNumeric(QStringView text, const QLocale &locale)
{
    return localeValue(text, locale).has_value();
}

std::optional<qint16> toInt16(QStringView text, const QLocale &locale)
{
    const std::optional<double> value = localeValue(text, locale);
    if (!value)
        return std::nullopt;
    const double rounded = std::nearbyint(*value); // the default rounding mode ties to even
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

QString generalNumber(double value, const QLocale &locale)
{
    return generalForm(value, 15, locale);
}

QString generalNumber(float value, const QLocale &locale)
{
    return generalForm(double(value), 7, locale);
}

QString twoDecimals(double value, const QLocale &locale)
{
    return formatTwoDecimals(value, 15, locale);
}

QString twoDecimals(float value, const QLocale &locale)
{
    return formatTwoDecimals(double(value), 7, locale);
}

double roundToTwoDecimals(double value)
{
    if (!std::isfinite(value))
        return value;
    const TwoDecimalDigits digits = roundDecimalForm(value, 15);
    const double magnitude =
        (digits.integer + QLatin1Char('.') + digits.fraction).toDouble();
    return digits.negative ? -magnitude : magnitude;
}

namespace {

template<typename Map>
QString mapEachCharacter(QStringView text, Map map)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            const char32_t mapped = map(QChar::surrogateToUcs4(c, text[i + 1]));
            // A character outside the basic plane maps within its plane.
            if (QChar::requiresSurrogates(mapped)) {
                result += QChar(QChar::highSurrogate(mapped));
                result += QChar(QChar::lowSurrogate(mapped));
            } else {
                result += text[i];
                result += text[i + 1];
            }
            ++i;
        } else {
            result += QChar(char16_t(map(c.unicode())));
        }
    }
    return result;
}

// Qt leaves a character alone when its full case mapping has more than one
// character. These few still have a one-character (simple) mapping.
char32_t simpleUpperOfSpecial(char32_t c)
{
    if ((c >= 0x1F80 && c <= 0x1F87) || (c >= 0x1F90 && c <= 0x1F97) || (c >= 0x1FA0 && c <= 0x1FA7))
        return c + 8; // Greek with ypogegrammeni: its prosgegrammeni capital
    switch (c) {
    case 0x1FB3: return 0x1FBC;
    case 0x1FC3: return 0x1FCC;
    case 0x1FF3: return 0x1FFC;
    default: return c;
    }
}

char32_t simpleLowerOfSpecial(char32_t c)
{
    return c == 0x0130 ? U'i' : c; // capital I with dot above
}

char32_t keepPlane(char32_t original, char32_t mapped)
{
    return QChar::requiresSurrogates(mapped) == QChar::requiresSurrogates(original) ? mapped : original;
}

} // namespace

QString upperCase(QStringView text)
{
    return mapEachCharacter(text, [](char32_t c) -> char32_t {
        const char32_t mapped = QChar::toUpper(c);
        return keepPlane(c, mapped == c ? simpleUpperOfSpecial(c) : mapped);
    });
}

QString lowerCase(QStringView text)
{
    return mapEachCharacter(text, [](char32_t c) -> char32_t {
        const char32_t mapped = QChar::toLower(c);
        return keepPlane(c, mapped == c ? simpleLowerOfSpecial(c) : mapped);
    });
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
