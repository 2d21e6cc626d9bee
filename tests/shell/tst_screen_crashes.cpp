// The screens' settings writes under stress: the program killed at random
// moments while pair changes, ticks, "Verify" and grid choices write the
// settings record, and two copies of the program writing at the same time.
// VORBIX_CRASH_KILLS sets the number of kills (20 by default); the campaign
// of the release notes is VORBIX_CRASH_KILLS=200.
#include "test_support.h"

#include "data/sqlite_connection.h"
#include "data/store_paths.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTest>

#include <csignal>
#include <sys/types.h>

using namespace vorbix;
using namespace vorbix::testing;

namespace {

// The main file holds 20 words per pair, the learning screen's own file 12
// fre-eng words: the learning screen stores fraen with 12.
Tables learningFrench()
{
    Tables tables = sampleTables();
    tables[QStringLiteral("fraen")] = tables[QStringLiteral("fraen")].mid(0, 12);
    return tables;
}

QString integrity(const QString &path)
{
    SqliteConnection db(path, SqliteConnection::Mode::ReadWrite);
    QSqlQuery query(db.database());
    query.exec(QStringLiteral("PRAGMA integrity_check"));
    return query.next() ? query.value(0).toString() : QStringLiteral("no answer");
}

} // namespace

class TestScreenCrashes : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestWorld> world;

    // A value some screen writes: nothing yet, or a pair with the count of
    // its table in the file it was counted from.
    bool isWrittenValue(const QPair<QString, qint64> &record, bool mainFile) const
    {
        if (record.first.isEmpty())
            return true;
        if (!pairIndexForCode(record.first))
            return false;
        return record.second == 20 || (mainFile && record.first == QLatin1String("fraen") && record.second == 12);
    }

    void checkFiles(const QString &context)
    {
        for (const char *file : {files::kMain, files::kLearningFrench, files::kTestSettings}) {
            const QString path = mapDrivePath(QLatin1String(file), world->root());
            QCOMPARE(integrity(path), QStringLiteral("ok"));
        }
        const auto main = readSettings(world->root(), files::kMain);
        const auto tests = readSettings(world->root(), files::kTestSettings);
        QVERIFY2(isWrittenValue(main, true), qPrintable(context + QStringLiteral(": English/engmi.db holds %1 %2")
                                                                       .arg(main.first).arg(main.second)));
        QVERIFY2(isWrittenValue(tests, false), qPrintable(context + QStringLiteral(": Engleza/eng.db holds %1 %2")
                                                                        .arg(tests.first).arg(tests.second)));
    }

private Q_SLOTS:
    void init()
    {
        world = std::make_unique<TestWorld>(sampleTables());
        writeDatabase(world->root(), files::kLearningFrench, learningFrench());
    }
    void cleanup() { world.reset(); }

    void killedWhileTheScreensWriteLeavesAWrittenRecord();
    void twoCopiesWritingAtOnceLoseNothing();
};

void TestScreenCrashes::killedWhileTheScreensWriteLeavesAWrittenRecord()
{
    const int kills = qEnvironmentVariableIsSet("VORBIX_CRASH_KILLS") ? qEnvironmentVariableIntValue("VORBIX_CRASH_KILLS")
                                                                      : 20;
    QRandomGenerator random(qEnvironmentVariableIntValue("VORBIX_CRASH_SEED") + 1);
    int done = 0;
    for (int attempt = 0; done < kills && attempt < 4 * kills; ++attempt) {
        QProcess child;
        child.start(screenDriver(), {world->root(), QStringLiteral("100000"), QString::number(attempt)});
        QVERIFY(child.waitForStarted());
        // Past start-up (the first screens opening) and into the writes.
        QTest::qWait(int(random.bounded(60, 400)));
        if (child.state() != QProcess::Running)
            continue;
        ::kill(pid_t(child.processId()), SIGKILL);
        child.waitForFinished();
        ++done;
        checkFiles(QStringLiteral("kill %1").arg(done));
    }
    QCOMPARE(done, kills);
    // The program starts on the files the kills left.
    QProcess after;
    after.start(screenDriver(), {world->root(), QStringLiteral("200"), QStringLiteral("7")});
    QVERIFY(after.waitForFinished(60000));
    const QString output = QString::fromLocal8Bit(after.readAllStandardOutput());
    QVERIFY2(output.contains(QStringLiteral("done 200 steps, 0 messages")), qPrintable(output));
    qInfo("%d kills while the screens wrote: 0 damaged files, 0 records other than a written value", done);
}

void TestScreenCrashes::twoCopiesWritingAtOnceLoseNothing()
{
    QProcess first, second;
    for (QProcess *copy : {&first, &second})
        copy->start(screenDriver(), {world->root(), QStringLiteral("1000"), copy == &first ? QStringLiteral("1") : QStringLiteral("2")});
    for (QProcess *copy : {&first, &second}) {
        QVERIFY(copy->waitForFinished(240000));
        const QString output = QString::fromLocal8Bit(copy->readAllStandardOutput());
        // A write lost to the other copy's lock would show as a message.
        QVERIFY2(output.contains(QStringLiteral("done 1000 steps, 0 messages")), qPrintable(output));
        const qsizetype at = output.indexOf(QStringLiteral("slowest step "));
        const int slowest = output.mid(at + 13).section(QLatin1Char(' '), 0, 0).toInt();
        QVERIFY2(slowest < 2000, qPrintable(output)); // no step waited out the busy timeout
        qInfo("%s", qPrintable(output.trimmed().section(QLatin1Char('\n'), -1)));
    }
    checkFiles(QStringLiteral("two copies"));
}

QTEST_MAIN(TestScreenCrashes)
#include "tst_screen_crashes.moc"
