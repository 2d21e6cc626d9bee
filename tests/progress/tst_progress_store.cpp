// The progress file: what an answer keeps, how the boxes move, and the
// figures the Progress window reads back, with a clock the test sets.
#include "test_support.h"

#include "data/sqlite_connection.h"
#include "data/word_table.h"
#include "progress/practice.h"
#include "progress/progress_log.h"
#include "progress/progress_store.h"

#include <QFileInfo>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

using namespace vorbix;
using namespace vorbix::testing;

namespace {

constexpr int kEngSpa = 0, kSpaEng = 1;

WordOnShow shown(int pair, int index, const QString &word, const QString &translation, const QDateTime &at)
{
    return {pair, index, word, translation, at};
}

QVariantList row(SqliteConnection &db, const QString &sql)
{
    QSqlQuery query(db.database());
    if (!query.exec(sql) || !query.next())
        return {};
    QVariantList values;
    for (int i = 0; i < query.record().count(); ++i)
        values.append(query.value(i));
    return values;
}

} // namespace

class TestProgressStore : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    FixedClock clock;
    RecordingMessages messages;
    std::unique_ptr<ProgressLog> log;

    void answer(int index, const QString &word, Grading grading, double score, bool first = true, int pair = kEngSpa,
                const QString &right = QStringLiteral("r"))
    {
        log->answerGraded({shown(pair, index, word, right, clock.at), grading, QStringLiteral("typed"), score, first});
    }

private Q_SLOTS:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        clock.at = QDateTime(QDate(2025, 3, 10), QTime(9, 0));
        messages.shown.clear();
        log = std::make_unique<ProgressLog>(dir->path(), clock, messages);
    }
    void cleanup()
    {
        QVERIFY2(messages.shown.isEmpty(), qPrintable(messages.shown.value(0).text));
        log.reset();
        dir.reset();
    }

    void anAnswerKeepsWhatTheLearnerDid();
    void theFileIsVersionedAndInWalMode();
    void readingCreatesNoFile();
    void firstGradingsMoveTheBoxLaterOnesDoNot();
    void boxesFollowTheAnswersOverDays();
    void reportCountsTheLastThirtyDays();
    void reportTotalsAndSeenWords();
    void dueWordsLowestBoxFirst();
    void hardestWordsAreTheMostOftenBelowSix();
    void twoCopiesWritingAtOnceLoseNothing();
    void practiceKeepsTheDueWordsTheTableStillHolds();
};

void TestProgressStore::anAnswerKeepsWhatTheLearnerDid()
{
    const QDateTime asked = clock.at;
    clock.advanceSeconds(7);
    log->answerGraded({shown(kSpaEng, 42, QStringLiteral("casa"), QStringLiteral("house, home"), asked),
                       Grading::TimeOut, QStringLiteral("hose"), 5.5, true});
    // A word with no translation (NULL in its table) is kept with an empty one.
    log->wordShown(shown(kEngSpa, 11, QStringLiteral("glass"), QString(), clock.at));
    log.reset();

    SqliteConnection db(ProgressStore::pathIn(dir->path()), SqliteConnection::Mode::ReadOnly);
    const QVariantList a = row(db, QStringLiteral("SELECT answered_at, day, pair, grading, word_index, word, "
                                                  "right_answer, given, score, seconds, first FROM answers"));
    QCOMPARE(a, (QVariantList{clock.at.toMSecsSinceEpoch(), QStringLiteral("2025-03-10"), QStringLiteral("spaen"),
                              QStringLiteral("time-out"), 42, QStringLiteral("casa"), QStringLiteral("house, home"),
                              QStringLiteral("hose"), 5.5, 7.0, 1}));
    QCOMPARE(row(db, QStringLiteral("SELECT pair, word_index, word, translation FROM shown")),
             (QVariantList{QStringLiteral("enspa"), 11, QStringLiteral("glass"), QString()}));
    QCOMPARE(row(db, QStringLiteral("SELECT box, last_day FROM boxes")), (QVariantList{1, QStringLiteral("2025-03-10")}));
}

void TestProgressStore::theFileIsVersionedAndInWalMode()
{
    answer(1, QStringLiteral("a"), Grading::Verify, 10);
    log.reset();
    SqliteConnection db(ProgressStore::pathIn(dir->path()), SqliteConnection::Mode::ReadWrite);
    QCOMPARE(db.scalar(QStringLiteral("PRAGMA user_version")).toInt(), ProgressStore::kSchemaVersion);
    QCOMPARE(db.scalar(QStringLiteral("PRAGMA application_id")).toInt(), ProgressStore::kApplicationId);
    QCOMPARE(db.scalar(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
    QCOMPARE(db.scalar(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
}

void TestProgressStore::readingCreatesNoFile()
{
    const ProgressReport report = log->report(kEngSpa);
    QCOMPARE(report.answers, 0);
    QCOMPARE(report.days.back().date, QDate(2025, 3, 10));
    QCOMPARE(report.days.front().date, QDate(2025, 2, 9));
    QVERIFY(!QFileInfo::exists(ProgressStore::pathIn(dir->path())));
    log->wordShown({}); // nothing on show: nothing kept, no file
    QVERIFY(!QFileInfo::exists(ProgressStore::pathIn(dir->path())));
}

void TestProgressStore::firstGradingsMoveTheBoxLaterOnesDoNot()
{
    answer(5, QStringLiteral("dog"), Grading::Verify, 10);                // box 2
    answer(5, QStringLiteral("dog"), Grading::TimeOut, 1, /*first*/ false); // the time-out after Verify
    answer(5, QStringLiteral("dog"), Grading::Verify, 1, false);         // Verify pressed again
    const ProgressReport report = log->report(kEngSpa);
    QCOMPARE(report.wordsPerBox, (std::array<int, 5>{0, 1, 0, 0, 0}));
    QCOMPARE(report.answers, 1);          // the statistics count the word once
    QCOMPARE(report.averageScore, 10.0);
    QVERIFY(report.trouble.isEmpty());    // repeats below 6 do not make a word hard
}

void TestProgressStore::boxesFollowTheAnswersOverDays()
{
    // One word answered over the days: up, up, stays, back, up.
    struct Step
    {
        int day;
        Grading grading;
        double score;
        int box;
    };
    const Step steps[] = {{0, Grading::Right, 10, 2}, {2, Grading::Verify, 9.5, 3}, {6, Grading::Verify, 7, 3},
                          {10, Grading::Late, 8, 1}, {11, Grading::Verify, 10, 2}};
    const QDateTime start = clock.at;
    for (const Step &step : steps) {
        clock.at = start.addDays(step.day);
        answer(3, QStringLiteral("cat"), step.grading, step.score);
        const ProgressReport report = log->report(kEngSpa);
        std::array<int, 5> boxes{};
        boxes[size_t(step.box - 1)] = 1;
        QCOMPARE(report.wordsPerBox, boxes);
        QVERIFY(report.due.isEmpty()); // just answered: not due today
    }
    // Box 2 after day 11: due on day 13, not on day 12.
    clock.at = start.addDays(12);
    QVERIFY(log->report(kEngSpa).due.isEmpty());
    clock.at = start.addDays(13);
    const ProgressReport due = log->report(kEngSpa);
    QCOMPARE(due.due.size(), 1);
    QCOMPARE(due.due[0].box, 2);
    QCOMPARE(due.due[0].lastAnswer, start.date().addDays(11));
    QVERIFY(log->report(kSpaEng).due.isEmpty()); // per pair
}

void TestProgressStore::reportCountsTheLastThirtyDays()
{
    const QDateTime today = clock.at;
    const struct
    {
        int daysAgo;
        double score;
    } answers[] = {{30, 10}, {29, 4}, {29, 6}, {1, 10}, {0, 7}, {0, 8}, {-1, 10}};
    int index = 0;
    for (const auto &a : answers) {
        clock.at = today.addDays(-a.daysAgo);
        ++index;
        answer(index, QStringLiteral("w%1").arg(index), Grading::Verify, a.score);
    }
    clock.at = today;
    const ProgressReport report = log->report(kEngSpa);
    QCOMPARE(report.days.front().date, today.date().addDays(-29));
    QCOMPARE(report.days.front().answers, 2); // 30 days ago is out, 29 days ago in
    QCOMPARE(report.days.front().averageScore, 5.0);
    QCOMPARE(report.days[28].answers, 1);
    QCOMPARE(report.days.back().answers, 2); // "tomorrow" (a clock set back) is not today
    QCOMPARE(report.days.back().averageScore, 7.5);
    int inChart = 0;
    for (const auto &day : report.days)
        inChart += day.answers;
    QCOMPARE(inChart, 5);
    QCOMPARE(report.answers, 7); // the totals count every day
}

void TestProgressStore::reportTotalsAndSeenWords()
{
    log->wordShown(shown(kEngSpa, 1, QStringLiteral("a"), QStringLiteral("un"), clock.at));
    log->wordShown(shown(kEngSpa, 1, QStringLiteral("a"), QStringLiteral("un"), clock.at));
    log->wordShown(shown(kEngSpa, 2, QStringLiteral("b"), QStringLiteral("x"), clock.at));
    log->wordShown(shown(kSpaEng, 9, QStringLiteral("z"), QStringLiteral("x"), clock.at));
    answer(2, QStringLiteral("b"), Grading::Verify, 4);
    answer(3, QStringLiteral("c"), Grading::Wrong, 1);
    answer(4, QStringLiteral("d"), Grading::Right, 10);
    const ProgressReport report = log->report(kEngSpa);
    QCOMPARE(report.wordsSeen, 4); // a, b, c, d: shown or asked, each once
    QCOMPARE(report.answers, 3);
    QCOMPARE(report.averageScore, 5.0);
    QCOMPARE(report.wordsPerBox, (std::array<int, 5>{2, 1, 0, 0, 0}));
    QCOMPARE(log->report(kSpaEng).wordsSeen, 1);
}

void TestProgressStore::dueWordsLowestBoxFirst()
{
    const QDateTime start = clock.at;
    answer(1, QStringLiteral("one"), Grading::Right, 10);       // day 0: box 2
    clock.at = start.addDays(1);
    answer(2, QStringLiteral("two"), Grading::Wrong, 1);        // day 1: box 1
    answer(3, QStringLiteral("three"), Grading::Right, 10);     // day 1: box 2
    clock.at = start.addDays(5);
    const ProgressReport report = log->report(kEngSpa);
    QStringList order;
    for (const auto &word : report.due)
        order.append(word.word);
    QCOMPARE(order, (QStringList{"two", "one", "three"})); // box 1, then box 2 by its last answer
    QCOMPARE(report.due[0].rightAnswer, QStringLiteral("r"));
}

void TestProgressStore::hardestWordsAreTheMostOftenBelowSix()
{
    // 25 words; word k is answered below 6 k times (and once well, which
    // does not count); the list keeps the 20 most often wrong, and of words
    // as often wrong the one wrong most lately first.
    for (int k = 1; k <= 25; ++k) {
        for (int i = 0; i < k; ++i)
            answer(k, QStringLiteral("w%1").arg(k), Grading::Verify, 3, true, kEngSpa,
                   QStringLiteral("right %1.%2").arg(k).arg(i));
        answer(k, QStringLiteral("w%1").arg(k), Grading::Verify, 9);
    }
    answer(26, QStringLiteral("w26"), Grading::Verify, 6); // 6 is not below 6
    const ProgressReport report = log->report(kEngSpa);
    QCOMPARE(report.trouble.size(), ProgressReport::kTrouble);
    QCOMPARE(report.trouble.front().word, QStringLiteral("w25"));
    QCOMPARE(report.trouble.front().timesBelowSix, 25);
    QCOMPARE(report.trouble.front().rightAnswer, QStringLiteral("r")); // as last answered
    QCOMPARE(report.trouble.back().word, QStringLiteral("w6"));
    answer(5, QStringLiteral("w5"), Grading::Verify, 2); // now as often wrong as w6, and later
    QCOMPARE(log->report(kEngSpa).trouble.back().word, QStringLiteral("w5"));
}

void TestProgressStore::twoCopiesWritingAtOnceLoseNothing()
{
    // Two copies of the program on one data root, their answers interleaved.
    ProgressLog other(dir->path(), clock, messages);
    for (int i = 0; i < 50; ++i) {
        answer(i + 1, QStringLiteral("w%1").arg(i), Grading::Verify, 10);
        other.answerGraded({shown(kEngSpa, i + 100, QStringLiteral("v%1").arg(i), QStringLiteral("r"), clock.at),
                            Grading::Wrong, QStringLiteral("x"), 1, true});
    }
    QCOMPARE(log->report(kEngSpa).answers, 100);
    QCOMPARE(other.report(kEngSpa).wordsPerBox, (std::array<int, 5>{50, 50, 0, 0, 0}));
}

void TestProgressStore::practiceKeepsTheDueWordsTheTableStillHolds()
{
    const WordTable table(rows({"a=un", "bad=malo", "cat=gato", "dog=perro"}));
    const auto word = [](int index, const char *text) {
        ProgressReport::Word w;
        w.index = index;
        w.word = QLatin1String(text);
        return w;
    };
    // Due in box order; "bed" was at 2 before the table was imported anew,
    // and 9 is beyond its end.
    const QVector<ProgressReport::Word> due{word(4, "dog"), word(2, "bed"), word(1, "a"), word(9, "zoo"),
                                            word(4, "dog")};
    QCOMPARE(practiceIndexes(due, table), (QList<int>{1, 4}));
    QVERIFY(practiceIndexes({}, table).isEmpty());
}

QTEST_GUILESS_MAIN(TestProgressStore)
#include "tst_progress_store.moc"
