// The progress file under kills: a copy of the program that grades answers
// and shows words at random is killed at random moments; every time, the
// file must be whole, and every answer and its word's box must have been
// kept together or not at all. VORBIX_CRASH_KILLS sets the number of kills
// (20 by default; the campaign of the release notes is 200).
#include "test_support.h"

#include "data/sqlite_connection.h"
#include "progress/progress_store.h"

#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTest>

#include <csignal>
#include <sys/types.h>

using namespace vorbix;
using namespace vorbix::testing;

namespace {

struct Checked
{
    QString integrity;
    int answers = 0;
    int boxesWithoutAnswer = 0; // a box whose tally disagrees with the history
    int answersWithoutBox = 0;  // a first grading whose word has no box
};

Checked check(const QString &path)
{
    Checked checked;
    SqliteConnection db(path, SqliteConnection::Mode::ReadWrite);
    checked.integrity = db.scalar(QStringLiteral("PRAGMA integrity_check")).toString();
    checked.answers = db.scalar(QStringLiteral("SELECT count(*) FROM answers")).toInt();
    // A box whose tally of first gradings is not the number of its word's
    // first gradings in the history (none, for a box written alone).
    checked.boxesWithoutAnswer =
        db.scalar(QStringLiteral("SELECT count(*) FROM boxes b WHERE b.answers != (SELECT count(*) FROM answers a "
                                 "WHERE a.first = 1 AND a.pair = b.pair AND a.word_index = b.word_index AND "
                                 "a.word = b.word)"))
            .toInt();
    checked.answersWithoutBox =
        db.scalar(QStringLiteral("SELECT count(*) FROM answers a WHERE a.first = 1 AND NOT EXISTS (SELECT 1 FROM "
                                 "boxes b WHERE a.pair = b.pair AND a.word_index = b.word_index AND a.word = b.word)"))
            .toInt();
    return checked;
}

} // namespace

class TestProgressCrashes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void killedWhileAnswersAreGradedLeavesAWholeFile();
};

void TestProgressCrashes::killedWhileAnswersAreGradedLeavesAWholeFile()
{
    TestWorld world(sampleTables());
    const QString path = ProgressStore::pathIn(world.root());
    const int kills = qEnvironmentVariableIsSet("VORBIX_CRASH_KILLS") ? qEnvironmentVariableIntValue("VORBIX_CRASH_KILLS")
                                                                      : 20;
    QRandomGenerator random(qEnvironmentVariableIntValue("VORBIX_CRASH_SEED") + 25);
    int done = 0, damaged = 0, whileGrowing = 0, answersBefore = 0;
    for (int attempt = 0; done < kills && attempt < 4 * kills; ++attempt) {
        QProcess child;
        child.start(screenDriver(), {world.root(), QStringLiteral("1000000"), QString::number(attempt)});
        QVERIFY(child.waitForStarted());
        // Into the answers: past start-up, whatever time a loaded machine
        // takes for it, then a random moment of the steps.
        child.waitForReadyRead(30000);
        QTest::qWait(int(random.bounded(0, 450)));
        if (child.state() != QProcess::Running)
            continue;
        ::kill(pid_t(child.processId()), SIGKILL);
        child.waitForFinished();
        ++done;
        if (!QFileInfo::exists(path))
            continue; // killed before its first answer
        const Checked checked = check(path);
        if (checked.integrity != QLatin1String("ok") || checked.boxesWithoutAnswer || checked.answersWithoutBox) {
            ++damaged;
            qWarning("kill %d: %s, %d boxes that disagree with the history, %d answers without a box", done,
                     qPrintable(checked.integrity), checked.boxesWithoutAnswer, checked.answersWithoutBox);
        }
        whileGrowing += checked.answers > answersBefore ? 1 : 0;
        answersBefore = checked.answers;
    }
    QCOMPARE(done, kills);
    QCOMPARE(damaged, 0);
    QVERIFY2(whileGrowing >= kills / 2, "most kills should come while answers are being kept");
    // The program starts on the file the kills left and keeps answering.
    QProcess after;
    after.start(screenDriver(), {world.root(), QStringLiteral("300"), QStringLiteral("7")});
    QVERIFY(after.waitForFinished(60000));
    const QString output = QString::fromLocal8Bit(after.readAllStandardOutput());
    QVERIFY2(output.contains(QStringLiteral("done 300 steps, 0 messages")), qPrintable(output));
    QVERIFY(check(path).answers > answersBefore);
    qInfo("%d kills while answers were graded (%d after new answers): 0 damaged progress files, %d answers kept",
          done, whileGrowing, check(path).answers);
}

QTEST_MAIN(TestProgressCrashes)
#include "tst_progress_crashes.moc"
