// vorbix-export --progress: the answer history as CSV, one row per answer,
// read from progress.db without changing or creating it.
#include "test_support.h"

#include "data/record_error.h"
#include "progress/progress_export.h"
#include "progress/progress_log.h"
#include "progress/progress_store.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace vorbix;
using namespace vorbix::testing;

namespace {

QStringList linesOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
}

QString exportTool()
{
    const QString path = qEnvironmentVariable("VORBIX_EXPORT");
    if (path.isEmpty())
        qFatal("VORBIX_EXPORT is not set: run the test through ctest");
    return path;
}

} // namespace

class TestProgressExport : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    FixedClock clock;
    RecordingMessages messages;
    QString csv() const { return dir.filePath(QStringLiteral("answers.csv")); }

private Q_SLOTS:
    void init()
    {
        QFile::remove(ProgressStore::pathIn(dir.path()));
        QFile::remove(csv());
    }

    void oneRowPerAnswerOldestFirst();
    void nothingKeptYetIsAnError();
    void anExistingFileIsReplacedOnlyWhenAsked();
    void theToolTakesOnlyACsvName();
};

void TestProgressExport::oneRowPerAnswerOldestFirst()
{
    {
        ProgressLog log(dir.path(), clock, messages);
        const QDateTime asked = clock.at;
        clock.advanceSeconds(4);
        log.answerGraded({{0, 8, QStringLiteral("car"), QStringLiteral("coche, carro"), asked}, Grading::Verify,
                          QStringLiteral(" say \"coche\""), 10, true});
        log.answerGraded({{5, 3, QStringLiteral("Haus"), QStringLiteral("house"), asked}, Grading::Closed, QString(),
                          1, false});
        log.answerGraded({{0, 9, QStringLiteral("line\nbreak"), QStringLiteral("x"), asked}, Grading::Late,
                          QStringLiteral("x"), 7, true});
        log.wordShown({0, 1, QStringLiteral("a"), QStringLiteral("un"), asked}); // shown, not answered
    }
    QCOMPARE(exportProgressCsv(dir.path(), csv(), false), 3);
    const QString at = clock.at.toOffsetFromUtc(clock.at.offsetFromUtc()).toString(Qt::ISODate);
    QCOMPARE(linesOf(csv()),
             (QStringList{"answered_at,pair,grading,index,word,right_answer,given,score,seconds,first",
                          at + ",eng-spa,verify,8,car,\"coche, carro\",\" say \"\"coche\"\"\",10,4.0,1",
                          at + ",ger-eng,closed,3,Haus,house,,1,4.0,0",
                          at + ",eng-spa,late,9,line break,x,x,7,4.0,1", ""}));
    QVERIFY(at.contains(QLatin1Char('+')) || at.contains(QLatin1Char('-')) || at.endsWith(QLatin1Char('Z')));
}

void TestProgressExport::nothingKeptYetIsAnError()
{
    QVERIFY_THROWS_EXCEPTION(RecordError, exportProgressCsv(dir.path(), csv(), false));
    QVERIFY(!QFileInfo::exists(csv()));
    QVERIFY(!QFileInfo::exists(ProgressStore::pathIn(dir.path()))); // not created by looking
}

void TestProgressExport::anExistingFileIsReplacedOnlyWhenAsked()
{
    {
        ProgressLog log(dir.path(), clock, messages);
        log.answerGraded({{0, 8, QStringLiteral("car"), QStringLiteral("coche"), clock.at}, Grading::Verify,
                          QStringLiteral("coche"), 10, true});
    }
    QFile old(csv());
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("mine\n");
    old.close();
    QVERIFY_THROWS_EXCEPTION(RecordError, exportProgressCsv(dir.path(), csv(), false));
    QCOMPARE(linesOf(csv()), (QStringList{"mine", ""}));
    QCOMPARE(exportProgressCsv(dir.path(), csv(), true), 1);
    QCOMPARE(linesOf(csv()).size(), 3);
}

void TestProgressExport::theToolTakesOnlyACsvName()
{
    {
        ProgressLog log(dir.path(), clock, messages);
        log.answerGraded({{1, 2, QStringLiteral("perro"), QStringLiteral("dog"), clock.at}, Grading::Right,
                          QStringLiteral("dog"), 10, true});
    }
    const auto run = [this](const QStringList &args) {
        QProcess tool;
        tool.start(exportTool(), args + QStringList{QStringLiteral("--data-root"), dir.path()});
        tool.waitForFinished(30000);
        return qMakePair(tool.exitCode(), QString::fromLocal8Bit(tool.readAllStandardOutput()
                                                                 + tool.readAllStandardError()));
    };
    QCOMPARE(run({QStringLiteral("--progress"), csv()}), qMakePair(0, csv() + QStringLiteral(": 1 answer\n")));
    QCOMPARE(linesOf(csv()).value(1).section(QLatin1Char(','), 1), QStringLiteral("spa-eng,right,2,perro,dog,dog,10,0.0,1"));
    QCOMPARE(run({QStringLiteral("--progress"), csv()}).first, 1); // exists: --replace is needed
    QCOMPARE(run({QStringLiteral("--progress"), dir.filePath(QStringLiteral("a.kvtml"))}).first, 2);
    QCOMPARE(run({QStringLiteral("--progress"), csv(), QStringLiteral("eng-spa")}).first, 2);
}

QTEST_GUILESS_MAIN(TestProgressExport)
#include "tst_progress_export.moc"
