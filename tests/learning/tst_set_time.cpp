// "Set time :" accepts a positive number of seconds and rounds it to a whole
// one with the regional settings.
#include "learning/set_time.h"

#include <QLocale>
#include <QTest>

using namespace vorbix;
using Outcome = SetTimeCheck::Outcome;

class TestSetTime : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void check_data();
    void check();
};

void TestSetTime::check_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("decimalComma");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("rewritten");
    QTest::newRow("10") << "10" << false << Outcome::Accepted << "10";
    QTest::newRow("0.5 rounds to 0") << "0.5" << false << Outcome::Accepted << "0";
    QTest::newRow("0 is rejected") << "0" << false << Outcome::Rejected << "";
    QTest::newRow("2.5 ties to even") << "2.5" << false << Outcome::Accepted << "2";
    QTest::newRow("3.5 ties to even") << "3.5" << false << Outcome::Accepted << "4";
    QTest::newRow("empty") << "" << false << Outcome::Rejected << "";
    QTest::newRow("negative") << "-3" << false << Outcome::Rejected << "";
    QTest::newRow("letters") << "abc" << false << Outcome::Rejected << "";
    QTest::newRow("number then letters") << "12abc" << false << Outcome::Rejected << "";
    QTest::newRow("40000 beyond 16 bits") << "40000" << false << Outcome::TooLarge << "";
    QTest::newRow("1e308") << "1e308" << false << Outcome::TooLarge << "";
    QTest::newRow("NaN") << "NaN" << false << Outcome::Rejected << "";
    QTest::newRow("blanks around") << " 7 " << false << Outcome::Accepted << "7";
    // With a decimal comma the numeric value still stops at the comma.
    QTest::newRow("comma 0,5") << "0,5" << true << Outcome::Rejected << "";
    QTest::newRow("comma 2,5") << "2,5" << true << Outcome::Accepted << "2";
    QTest::newRow("comma 3,5") << "3,5" << true << Outcome::Accepted << "4";
}

void TestSetTime::check()
{
    QFETCH(QString, text);
    QFETCH(bool, decimalComma);
    QFETCH(Outcome, outcome);
    QFETCH(QString, rewritten);
    const QLocale locale = decimalComma ? QLocale(QLocale::German, QLocale::Germany)
                                        : QLocale(QLocale::English, QLocale::UnitedStates);
    const SetTimeCheck check = checkSetTime(text, locale);
    QCOMPARE(check.outcome, outcome);
    QCOMPARE(check.rewritten, rewritten);
}

QTEST_APPLESS_MAIN(TestSetTime)
#include "tst_set_time.moc"
