// The answer scoring, the letter check and the running average, without
// widgets.
#include "writing_test/answer_scoring.h"
#include "writing_test/score_record.h"

#include <QStringList>
#include <QTest>

using namespace vorbix;

class TestAnswerScoring : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scores_data();
    void scores();
    void letterCheck_data();
    void letterCheck();
    void averageOfTheRecordedScores();
    void countStopsAtItsLimitAndTheAverageStaysTrue();
};

void TestAnswerScoring::scores_data()
{
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<float>("score");
    QTest::newRow("case and outer blanks do not count") << "Casa" << "  casa  " << 10.0f;
    QTest::newRow("second alternative exactly") << "house, home" << "home" << 10.0f;
    QTest::newRow("best of two alternatives") << "house, home" << "hose" << 5.5f;
    QTest::newRow("answer longer than the word") << "cat" << "cats" << 7.75f;
    QTest::newRow("one letter") << "cat" << "c" << 1.0f;
    QTest::newRow("two letters") << "cat" << "ca" << 7.0f;
    QTest::newRow("the character after a comma is dropped") << "big,large" << "large" << 8.2f;
    QTest::newRow("a comma only in first place separates nothing") << ",casa" << "casa" << 7.75f;
    // A third pass, over "ba", would score 10 if the first comma counted.
    QTest::newRow("a comma in first place is not counted") << ",,bba" << "ba" << 7.0f;
    // Pass 2 over "house" leaves 4.6 behind; the first pass's 10 stands.
    QTest::newRow("the highest pass stands, not the last") << "home, house" << "home" << 10.0f;
    // "xxab " is stripped to "xxab" before the next beginning is sought:
    // "ab " does not occur in it, so "ab" (5.5) stands, not "ab " (7.75).
    QTest::newRow("the alternative is kept stripped") << "xxab , y" << "ab c" << 5.5f;
    QTest::newRow("empty answer") << "casa" << "" << 1.0f;
    QTest::newRow("both empty") << "" << "" << 10.0f;
    QTest::newRow("before any word") << "" << "Write your answer here ->" << 1.0f;
    QTest::newRow("inner blanks count") << "ice cream" << "ice  cream" << 9.1f;
    QTest::newRow("accents count") << "café" << "cafe" << 7.75f;
    QTest::newRow("accented answer matches") << "Café" << "CAFÉ" << 10.0f;
    // Five and more alternatives: the later ones are reached by the cuts
    // inside a pass, the last of eight only from the fourth start.
    QTest::newRow("fifth alternative") << "one, two, three, four, five" << "five" << 10.0f;
    QTest::newRow("sixth alternative, two letters") << "one, two, three, four, five, ox" << "ox" << 10.0f;
    QTest::newRow("eighth alternative") << "one, two, three, four, five, six, seven, ox" << "ox" << 3.0f;
    QTest::newRow("half rounds away from zero") << "one, two, three, four, five, six, seven, eight, ox"
                                                << "ox" << 2.13f; // 1 + 18 / 16 from "seven, eight, ox"
    // A comma as the last character leaves nothing to cut to: the
    // alternatives already tried stand.
    QTest::newRow("trailing comma") << "casa," << "sa" << 5.5f;
    QTest::newRow("double comma") << "a,,b" << "bb" << 1.0f;
}

void TestAnswerScoring::scores()
{
    QFETCH(QString, right);
    QFETCH(QString, answer);
    QFETCH(float, score);
    QCOMPARE(scoreAnswer(right, answer), score);
}

void TestAnswerScoring::letterCheck_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("refused");
    QTest::newRow("apostrophe") << "l'eau" << QStringList{"'"};
    QTest::newRow("digits, last first") << "123" << QStringList{"3", "2", "1"};
    QTest::newRow("hyphen") << "ice-cream" << QStringList{};
    QTest::newRow("blank") << "ice cream" << QStringList{};
    QTest::newRow("accented letter") << "café" << QStringList{"é"};
    QTest::newRow("capitals are lowered first") << "CASA" << QStringList{};
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("comma") << "a,b" << QStringList{","};
    QTest::newRow("emoji is one character") << QStringLiteral("a\U0001F600") << QStringList{QStringLiteral("\U0001F600")};
}

void TestAnswerScoring::letterCheck()
{
    QFETCH(QString, answer);
    QFETCH(QStringList, refused);
    QCOMPARE(refusedCharacters(answer), refused);
}

void TestAnswerScoring::averageOfTheRecordedScores()
{
    ScoreRecord record;
    record.add(10);
    record.add(5.5);
    QCOMPARE(record.nrnote, qint16(2));
    QCOMPARE(record.medie, 7.75f);
    record.add(1);
    QCOMPARE(record.medie, 5.5f);
    QCOMPARE(record.totalnote, 16.5f);

    record.resetOnLeave();
    QCOMPARE(record.nrnote, qint16(0));
    QCOMPARE(record.totalnote, 0.0f);
    QCOMPARE(record.medie, 1.0f);
    record.add(4);
    QCOMPARE(record.medie, 4.0f);
}

void TestAnswerScoring::countStopsAtItsLimitAndTheAverageStaysTrue()
{
    ScoreRecord record;
    record.nrnote = 32766;
    record.totalnote = 32766.0f * 5;
    record.medie = 5.0f;
    record.add(5);
    QCOMPARE(record.nrnote, qint16(32767));
    QCOMPARE(record.medie, 5.0f);
    record.add(5);
    record.add(5);
    QCOMPARE(record.nrnote, qint16(32767));
    QCOMPARE(record.medie, 5.0f);
    record.add(10); // one high score among 32767 moves the average a little
    QVERIFY(record.medie > 5.0f && record.medie < 5.001f);
}

QTEST_APPLESS_MAIN(TestAnswerScoring)
#include "tst_answer_scoring.moc"
