// Importing Access 2000 files of the original layout with mdbtools.

#include "data/import/import_jobs.h"
#include "data/import/mdb_reader.h"
#include "data/record_error.h"
#include "data/sqlite_connection.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vorbix;
using namespace vorbix::import;

namespace {

QString fixture(const char *name)
{
    return qEnvironmentVariable("VORBIX_FIXTURES") + QStringLiteral("/access2000/") + QLatin1String(name);
}

} // namespace

class TestAccessImport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (!QFile::exists(fixture("engmi.mdb")))
            QFAIL("VORBIX_FIXTURES does not lead to access2000/engmi.mdb");
    }

    void readsTheFixtureIntoTheStore()
    {
        QTemporaryDir root;
        const DataFiles files(root.path());
        installAccessFiles(files, {{fixture("engmi.mdb"), files.main}}, false);

        SqliteConnection db(files.main, SqliteConnection::Mode::ReadOnly);
        const int expected[kPairCount] = {58, 58, 58, 54, 54, 58};
        for (int i = 0; i < kPairCount; ++i) {
            const QVector<WordRow> rows = readWordTable(db, kLanguagePairs[i]);
            QCOMPARE(rows.size(), expected[i]);
            for (qsizetype r = 0; r < rows.size(); ++r)
                QCOMPARE(rows.at(r).index, r + 1);
        }
        const QVector<WordRow> enspa = readWordTable(db, kLanguagePairs[0]);
        QCOMPARE(enspa.at(26).source, std::optional<QString>(QStringLiteral("glass")));
        QCOMPARE(enspa.at(26).target, std::nullopt);
        QCOMPARE(enspa.at(9).target, std::optional<QString>(QStringLiteral("coche, carro, automóvil")));
        const QVector<WordRow> fraen = readWordTable(db, kLanguagePairs[3]);
        QCOMPARE(fraen.at(6).source, std::optional<QString>(QStringLiteral("aujourd'hui")));
        QCOMPARE(fraen.at(6).target, std::optional<QString>(QStringLiteral("today")));
        const QVector<WordRow> geren = readWordTable(db, kLanguagePairs[5]);
        QCOMPARE(geren.at(1).source, std::optional<QString>(QStringLiteral("ähnlich")));
        QCOMPARE(geren.at(23).source, std::optional<QString>(QStringLiteral("Fuß")));
        QCOMPARE(geren.at(47).source, std::optional<QString>(QStringLiteral("Straße")));
        QCOMPARE(geren.at(41).source, std::optional<QString>(QStringLiteral("Öl")));
    }

    void importsAnOldDriveCopy()
    {
        QTemporaryDir drive;
        QTemporaryDir root;
        QVERIFY(QDir(drive.path()).mkpath(QStringLiteral("English")));
        QVERIFY(QDir(drive.path()).mkpath(QStringLiteral("Engleza")));
        QVERIFY(QFile::copy(fixture("engmi.mdb"), drive.filePath(QStringLiteral("English/engmi.mdb"))));
        QVERIFY(QFile::copy(fixture("eng.mdb"), drive.filePath(QStringLiteral("Engleza/eng.mdb"))));
        const DataFiles files(root.path());
        const ImportOutcome outcome =
            installAccessFiles(files, {{drive.filePath(QStringLiteral("English/engmi.mdb")), files.main},
                                       {drive.filePath(QStringLiteral("Engleza/eng.mdb")), files.testSettings}},
                               false);
        QCOMPARE(outcome.written.size(), 2);
        // eng.mdb says "fraen", 0; its screens count English/engmi's fraen.
        QCOMPARE(outcome.settings.size(), 1);
        SqliteConnection db(files.testSettings, SqliteConnection::Mode::ReadOnly);
        QCOMPARE(readWordTable(db, kLanguagePairs[0]).size(), 0);
    }

    void refusesUnreadableFilesAndWritesNothing()
    {
        QTemporaryDir dir;
        QFile original(fixture("engmi.mdb"));
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray whole = original.readAll();
        const QString truncated = dir.filePath(QStringLiteral("truncated.mdb"));
        const QString garbage = dir.filePath(QStringLiteral("garbage.mdb"));
        for (const auto &[path, content] : {std::pair{truncated, whole.left(98304)},
                                            std::pair{garbage, QByteArray(8192, 'x')}}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        const DataFiles files(dir.filePath(QStringLiteral("root")));
        for (const QString &path : {truncated, garbage, dir.filePath(QStringLiteral("missing.mdb"))}) {
            try {
                installAccessFiles(files, {{path, files.main}}, false);
                QFAIL(qPrintable(QStringLiteral("%1 was accepted").arg(path)));
            } catch (const RecordError &error) {
                QVERIFY2(error.message().contains(path), qPrintable(error.message()));
            }
            QVERIFY(!QFile::exists(files.main));
        }
    }

    void mapsImportTargets()
    {
        const DataFiles files(QStringLiteral("/r"));
        QCOMPARE(accessTargetPath(files, QStringLiteral("English/engmi")), std::optional<QString>(files.main));
        QCOMPARE(accessTargetPath(files, QStringLiteral("Convdiv\\engmi.mdb")), std::optional<QString>(files.learningFrench));
        QCOMPARE(accessTargetPath(files, QStringLiteral("Engleza/eng")), std::optional<QString>(files.testSettings));
        QCOMPARE(accessTargetPath(files, QStringLiteral("Other/x")), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestAccessImport)
#include "tst_access_import.moc"
