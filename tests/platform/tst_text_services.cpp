// The text services that turn the boxes' texts into numbers and back, with
// the regional settings pinned.
#include "platform/text_services.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <limits>

using namespace vorbix;

namespace {
QLocale point() { return QLocale(QLocale::English, QLocale::UnitedStates); }
QLocale comma() { return QLocale(QLocale::German, QLocale::Germany); }
} // namespace

class TestTextServices : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void numericValueReadsTheLeadingNumber_data();
    void numericValueReadsTheLeadingNumber();
    void integerConversionRoundsTiesToEven_data();
    void integerConversionRoundsTiesToEven();
    void numericTestFollowsTheRegion();
    void generalNumberFormat_data();
    void generalNumberFormat();
    void twoDecimalFormat_data();
    void twoDecimalFormat();
    void roundingToTwoDecimalsMatchesTheFormat();
    void trimBlanksOnlyRemovesBlanks();
    void caseMapsOneCharacterAtATime();
};

void TestTextServices::numericValueReadsTheLeadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("trailing letters") << "12abc" << 12.0;
    QTest::newRow("blanks before") << "  7" << 7.0;
    QTest::newRow("decimal point") << "0.5" << 0.5;
    QTest::newRow("comma is not a separator") << "0,5" << 0.0;
    QTest::newRow("comma ends the number") << "2,5" << 2.0;
    QTest::newRow("negative") << "-3" << -3.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("negative exponent") << "2.5E-1" << 0.25;
    QTest::newRow("exponent without digits") << "4e" << 4.0;
    QTest::newRow("huge") << "1e308" << 1e308;
    QTest::newRow("not a number") << "NaN" << 0.0;
    QTest::newRow("non-ASCII digits") << QStringLiteral("\u0663") << 0.0;
}

void TestTextServices::numericValueReadsTheLeadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(text::numericValue(text), value);
}

void TestTextServices::integerConversionRoundsTiesToEven_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("decimalComma");
    QTest::addColumn<int>("expected"); // -99999: no value
    QTest::newRow("0.5") << "0.5" << false << 0;
    QTest::newRow("1.5") << "1.5" << false << 2;
    QTest::newRow("2.5") << "2.5" << false << 2;
    QTest::newRow("3.5") << "3.5" << false << 4;
    QTest::newRow("-2.5") << "-2.5" << false << -2;
    QTest::newRow("2.6") << "2.6" << false << 3;
    QTest::newRow("blanks") << " 10 " << false << 10;
    QTest::newRow("exponent") << "1e3" << false << 1000;
    QTest::newRow("largest") << "32767" << false << 32767;
    QTest::newRow("too large") << "40000" << false << -99999;
    QTest::newRow("rounds past the range") << "32767.5" << false << -99999;
    QTest::newRow("overflowing") << "1e308" << false << -99999;
    QTest::newRow("not a number") << "abc" << false << -99999;
    QTest::newRow("nan") << "NaN" << false << -99999;
    QTest::newRow("empty") << "" << false << -99999;
    QTest::newRow("comma 2,5") << "2,5" << true << 2;
    QTest::newRow("comma 3,5") << "3,5" << true << 4;
    QTest::newRow("comma 0,5") << "0,5" << true << 0;
}

void TestTextServices::integerConversionRoundsTiesToEven()
{
    QFETCH(QString, text);
    QFETCH(bool, decimalComma);
    QFETCH(int, expected);
    const std::optional<qint16> value = text::toInt16(text, decimalComma ? comma() : point());
    if (expected == -99999) {
        QVERIFY(!value);
    } else {
        QVERIFY(value);
        QCOMPARE(int(*value), expected);
    }
}

void TestTextServices::numericTestFollowsTheRegion()
{
    QVERIFY(text::isNumeric(u"2.5", point()));
    QVERIFY(text::isNumeric(u" 12 ", point()));
    QVERIFY(text::isNumeric(u"1,000", point()));
    QVERIFY(text::isNumeric(u"2,5", comma()));
    QVERIFY(!text::isNumeric(u"2,5x", comma()));
    QVERIFY(!text::isNumeric(u"", point()));
    QVERIFY(!text::isNumeric(u"12abc", point()));
    QVERIFY(!text::isNumeric(u"inf", point()));
    QVERIFY(!text::isNumeric(u"1e999", point()));
    QCOMPARE(*text::localeValue(u"5,5", comma()), 5.5);
}

void TestTextServices::generalNumberFormat_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("single");
    QTest::addColumn<bool>("decimalComma");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 9.0 << false << false << "9";
    QTest::newRow("zero") << 0.0 << false << false << "0";
    QTest::newRow("negative zero") << -0.0 << false << false << "0";
    QTest::newRow("countdown") << (10.0 * 1000 - 1000) / 1000 << false << false << "9";
    QTest::newRow("fraction") << 4.6 << false << false << "4.6";
    QTest::newRow("negative") << -1.0 << false << false << "-1";
    QTest::newRow("fifteen digits") << 0.1 + 0.2 << false << false << "0.3";
    QTest::newRow("huge") << 1e308 << false << false << "1E+308";
    QTest::newRow("single 7.75") << 7.75 << true << false << "7.75";
    QTest::newRow("single 4.6") << double(4.6f) << true << false << "4.6";
    QTest::newRow("single 5.5 comma") << 5.5 << true << true << "5,5";
}

void TestTextServices::generalNumberFormat()
{
    QFETCH(double, value);
    QFETCH(bool, single);
    QFETCH(bool, decimalComma);
    QFETCH(QString, text);
    const QLocale locale = decimalComma ? comma() : point();
    QCOMPARE(single ? text::generalNumber(float(value), locale) : text::generalNumber(value, locale), text);
}

void TestTextServices::twoDecimalFormat_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("single");
    QTest::addColumn<bool>("decimalComma");
    QTest::addColumn<QString>("text");
    QTest::newRow("5.5") << 5.5 << false << false << "5.50";
    QTest::newRow("10") << 10.0 << false << false << "10.00";
    QTest::newRow("7.75") << 7.75 << true << false << "7.75";
    QTest::newRow("6.333") << 19.0 / 3 << true << false << "6.33";
    // A double just below 3.025 has the 15-digit form 3.02500000000000.
    QTest::newRow("1 + 9 x 9 / 40") << 1 + 9.0 * 9 / 40 << false << false << "3.03";
    // The single nearest 4.535 is 4.53499985; its 7-digit form is 4.535000.
    QTest::newRow("single 4.535") << double(4.535f) << true << false << "4.54";
    QTest::newRow("half away from zero") << -2.345 << false << false << "-2.35";
    QTest::newRow("grouping") << 1234567.891 << false << false << "1,234,567.89";
    QTest::newRow("carry") << 999.995 << false << false << "1,000.00";
    QTest::newRow("small") << 0.004 << false << false << "0.00";
    QTest::newRow("comma") << 5.5 << true << true << "5,50";
    QTest::newRow("comma grouping") << 12345.5 << false << true << "12.345,50";
}

void TestTextServices::twoDecimalFormat()
{
    QFETCH(double, value);
    QFETCH(bool, single);
    QFETCH(bool, decimalComma);
    QFETCH(QString, text);
    const QLocale locale = decimalComma ? comma() : point();
    QCOMPARE(single ? text::twoDecimals(float(value), locale) : text::twoDecimals(value, locale), text);
}

void TestTextServices::roundingToTwoDecimalsMatchesTheFormat()
{
    QCOMPARE(text::roundToTwoDecimals(1 + 9.0 * 9 / 40), 3.03);
    QCOMPARE(text::roundToTwoDecimals(1 + 9.0 * 2 / 5), 4.6);
    QCOMPARE(text::roundToTwoDecimals(1 + 9.0 * 3 / 4), 7.75);
    QCOMPARE(text::roundToTwoDecimals(1 + 9.0 * 2 / 3), 7.0);
    QCOMPARE(text::roundToTwoDecimals(1 + 9.0 / 7), 2.29);
    QVERIFY(std::isinf(text::roundToTwoDecimals(std::numeric_limits<double>::infinity())));
}

void TestTextServices::trimBlanksOnlyRemovesBlanks()
{
    QCOMPARE(text::trimBlanks(u"  casa "), u"casa");
    QCOMPARE(text::trimBlanks(u"\tcasa"), u"\tcasa");
    QCOMPARE(text::trimBlanks(u"   "), u"");
}

void TestTextServices::caseMapsOneCharacterAtATime()
{
    QCOMPARE(text::upperCase(u"Straße"), QStringLiteral("STRAßE"));
    QCOMPARE(text::lowerCase(u"STRAßE"), QStringLiteral("straße"));
    QCOMPARE(text::lowerCase(u"\u0130stanbul"), QStringLiteral("istanbul"));
    QCOMPARE(text::upperCase(u"café, l'eau"), QStringLiteral("CAFÉ, L'EAU"));
    QCOMPARE(text::upperCase(u"\U0001D400x"), QStringLiteral("\U0001D400X")); // outside the basic plane
    QCOMPARE(text::upperCase(u"\U00010428"), QStringLiteral("\U00010400"));   // Deseret keeps its plane
    QCOMPARE(text::upperCase(u"\u1F80\u1FB3"), QStringLiteral("\u1F88\u1FBC"));
    QCOMPARE(text::upperCase(u""), QString());
}

QTEST_APPLESS_MAIN(TestTextServices)
#include "tst_text_services.moc"
