// "vorbix --quit-after-show" is run by CI and the start-up benchmark, with
// nobody to press OK: a problem found at start-up goes to standard error and
// the program ends with status 1, instead of waiting on a message box.
#include "data/store_paths.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace vorbix;
using namespace vorbix::testing;

class TestNonInteractiveStart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startUpProblemsEndTheRun_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");  // on standard error; empty: nothing
        QTest::newRow("sound files") << "" << 0 << "";
        QTest::newRow("a word file of random bytes") << "noise" << 1
                                                     << "English/engmi.db cannot be read: file is not a database";
        QTest::newRow("a folder in the place of the settings file") << "folder" << 1
                                                                    << "Engleza/eng.db is a folder";
    }

    void startUpProblemsEndTheRun()
    {
        QFETCH(QString, damage);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        QTemporaryDir root;
        for (const char *file : {files::kMain, files::kLearningFrench, files::kTestSettings})
            writeDatabase(root.path(), file, sampleTables());
        if (damage == QLatin1String("noise")) {
            QFile file(mapDrivePath(QLatin1String(files::kMain), root.path()));
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(QByteArray(8192, '\x5a'));
        } else if (damage == QLatin1String("folder")) {
            const QString settings = mapDrivePath(QLatin1String(files::kTestSettings), root.path());
            QVERIFY(QFile::remove(settings));
            QVERIFY(QDir().mkpath(settings));
        }
        QProcess vorbix;
        vorbix.start(qEnvironmentVariable("VORBIX_PROGRAM"),
                     {QStringLiteral("--quit-after-show"), QStringLiteral("--data-root"), root.path()});
        QVERIFY(vorbix.waitForStarted());
        const bool ended = vorbix.waitForFinished(60000);
        if (!ended)
            vorbix.kill();
        QVERIFY2(ended, "the run waited for a minute");
        QCOMPARE(vorbix.exitStatus(), QProcess::NormalExit);
        QCOMPARE(vorbix.exitCode(), exitCode);
        const QString errors = QString::fromLocal8Bit(vorbix.readAllStandardError());
        if (said.isEmpty())
            QVERIFY2(!errors.contains(QStringLiteral("Vorbix:")), qPrintable(errors));
        else
            QVERIFY2(errors.contains(QStringLiteral("Vorbix: Vorbix cannot use its word databases")) && errors.contains(said),
                     qPrintable(errors));
    }
};

QTEST_GUILESS_MAIN(TestNonInteractiveStart)
#include "tst_non_interactive_start.moc"
