// What an import may and may not do to the files under the data root: word
// lists with bad lines, existing files without --replace, builds that fail
// half-way, and settings records left with a stale count.

#include "data/import/data_root_writer.h"
#include "data/import/import_jobs.h"
#include "data/import/word_list_reader.h"
#include "data/record_error.h"
#include "data/schema.h"
#include "data/sqlite_connection.h"
#include "import_fixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace vorbix;
using namespace vorbix::import;
using vorbix::testing::fileHash;

namespace {

std::pair<QString, int> settingsOf(const QString &path)
{
    SqliteConnection db(path, SqliteConnection::Mode::ReadOnly);
    QSqlQuery query(db.database());
    query.exec(QStringLiteral("SELECT curent, nrcur FROM ini ORDER BY rowid LIMIT 1"));
    if (!query.next())
        return {};
    return {query.value(0).toString(), query.value(1).toInt()};
}

void setSettings(const QString &path, const QString &current, int count)
{
    SqliteConnection db(path, SqliteConnection::Mode::ReadWrite);
    QSqlQuery query(db.database());
    query.prepare(QStringLiteral("UPDATE ini SET curent = ?, nrcur = ?"));
    query.addBindValue(current);
    query.addBindValue(count);
    execOrThrow(query, path);
}

QVector<WordRow> numbered(const QStringList &words)
{
    QVector<WordRow> rows;
    for (const QString &word : words)
        rows.append({static_cast<int>(rows.size() + 1), word, word.toUpper()});
    return rows;
}

const LanguagePair &enspa = kLanguagePairs[0];

} // namespace

class TestImportSafety : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reportsBadListLinesWithNumbers()
    {
        const QByteArray tsv = "# my words\nhouse\tcasa, hogar\n\ncat\n\xC3\x28\tx\n\tnada\ndog\tperro\textra\nglass\t\n";
        const WordList list = parseWordList(tsv, ListFormat::Tsv);
        QCOMPARE(list.rows.size(), 2);
        QCOMPARE(list.rows.at(0).target, std::optional<QString>(QStringLiteral("casa, hogar")));
        QCOMPARE(list.rows.at(1).source, QStringLiteral("glass"));
        QCOMPARE(list.rows.at(1).target, std::nullopt);  // stored as a NULL, like Access does
        QCOMPARE(list.refused.size(), 4);
        QCOMPARE(list.refused.at(0).line, 4);
        QVERIFY(list.refused.at(0).reason.contains(QLatin1String("1 columns")));
        QCOMPARE(list.refused.at(1).line, 5);
        QCOMPARE(list.refused.at(1).reason, QStringLiteral("invalid UTF-8"));
        QCOMPARE(list.refused.at(2).line, 6);
        QCOMPARE(list.refused.at(2).reason, QStringLiteral("empty word"));
        QCOMPARE(list.refused.at(3).line, 7);

        const WordList csv = parseWordList("word,translation\n\"to be, or not\",\"ser, \"\"estar\"\"\"\nopen,\"x\n",
                                           ListFormat::Csv);
        QCOMPARE(csv.rows.size(), 2);
        QCOMPARE(csv.rows.at(1).source, QStringLiteral("to be, or not"));
        QCOMPARE(csv.rows.at(1).target, std::optional<QString>(QStringLiteral("ser, \"estar\"")));
        QCOMPARE(csv.refused.size(), 1);
        QCOMPARE(csv.refused.at(0).line, 3);
    }

    void leavesExistingFilesAloneWithoutReplace()
    {
        QTemporaryDir root;
        const DataFiles files(root.path());
        std::array<QVector<WordRow>, kPairCount> tables;
        tables[0] = numbered({QStringLiteral("a"), QStringLiteral("b")});
        installAllTables(files, tables, false);
        const QByteArray before = fileHash(files.main);
        QVERIFY(!before.isEmpty());

        tables[0] = numbered({QStringLiteral("c")});
        const ImportOutcome outcome = installAllTables(files, tables, false);
        QCOMPARE(outcome.written.size(), 0);
        QCOMPARE(outcome.kept.size(), 2);
        QCOMPARE(fileHash(files.main), before);
        QVERIFY_THROWS_EXCEPTION(RecordError, installOneTable(files, enspa, numbered({QStringLiteral("d")}), false));
        QCOMPARE(fileHash(files.main), before);

        // With --replace the table is replaced and the other tables kept.
        tables[2] = numbered({QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")});
        installAllTables(files, tables, true);
        installOneTable(files, enspa, numbered({QStringLiteral("d"), QStringLiteral("e")}), true);
        SqliteConnection db(files.learningFrench, SqliteConnection::Mode::ReadOnly);
        QCOMPARE(readWordTable(db, enspa).size(), 2);
        QCOMPARE(readWordTable(db, kLanguagePairs[2]).size(), 3);
    }

    void interruptedBuildLeavesNoHalfWrittenFile()
    {
        // An import refused after its new tables were staged writes nothing:
        // a missing file is not created, an existing one keeps its bytes,
        // and no partial file or journal is left beside them.
        QTemporaryDir root;
        const DataFiles files(root.path());
        const QString english = root.filePath(QStringLiteral("English"));
        QVERIFY(QDir().mkpath(QFileInfo(files.testSettings).path()));
        {
            QFile foreign(files.testSettings);
            QVERIFY(foreign.open(QIODevice::WriteOnly));
            foreign.write(QByteArray(4096, 'x'));
        }
        QVERIFY_THROWS_EXCEPTION(RecordError, installOneTable(files, enspa, numbered({QStringLiteral("half")}), true));
        QVERIFY(!QFile::exists(files.main));
        QCOMPARE(QDir(english).entryList(QDir::Files), QStringList());

        QVERIFY(QFile::remove(files.testSettings));
        installOneTable(files, enspa, numbered({QStringLiteral("whole")}), true);
        const QByteArray before = fileHash(files.main);
        QVERIFY_THROWS_EXCEPTION(RecordError, installOneTable(files, enspa, {}, true));
        QCOMPARE(fileHash(files.main), before);
        QCOMPARE(QDir(english).entryList(QDir::Files), QStringList{QStringLiteral("engmi.db")});

        // A partial file left by a process that died is cleared by the next import.
        QFile stale(partialPathFor(files.main));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("garbage");
        stale.close();
        installOneTable(files, enspa, numbered({QStringLiteral("again")}), true);
        QVERIFY(!QFile::exists(partialPathFor(files.main)));
    }

    void secondImportIsRefusedWhileOneRuns()
    {
        QTemporaryDir root;
        const DataFiles files(root.path());
        QLockFile running(importLockPath(root.path()));
        QVERIFY(running.tryLock(0));
        WriteOptions options;
        options.lockWaitMs = 0;
        try {
            installOneTable(files, enspa, numbered({QStringLiteral("a")}), true, options);
            QFAIL("an import ran beside another");
        } catch (const RecordError &error) {
            QVERIFY2(error.message().contains(QLatin1String("Another import")), qPrintable(error.message()));
        }
        QVERIFY(!QFile::exists(files.main));
        running.unlock();
        installOneTable(files, enspa, numbered({QStringLiteral("a")}), true, options);
        QVERIFY(QFile::exists(files.main));
    }

    // A lock file that no live process holds blocks nothing, whatever it
    // holds or is; a file that a link leads to is never touched.
    void lockFilesThatHoldNothingAreTakenOver_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"empty", "garbage", "a process that ended", "link to a file", "link to nowhere",
                                 "hard link to a file"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }

    void lockFilesThatHoldNothingAreTakenOver()
    {
        QFETCH(QString, kind);
        QTemporaryDir root;
        const DataFiles files(root.path());
        const QString lock = importLockPath(root.path());
        const QString victim = root.filePath(QStringLiteral("notes.txt"));
        {
            QFile file(victim);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("mine\n");
        }
        if (kind.startsWith(QLatin1String("link"))) {
            QVERIFY(QFile::link(kind.endsWith(QLatin1String("file")) ? victim : root.filePath(QStringLiteral("nowhere")), lock));
        } else if (kind.startsWith(QLatin1String("hard"))) {
            QCOMPARE(::link(QFile::encodeName(victim).constData(), QFile::encodeName(lock).constData()), 0);
        } else {
            QFile file(lock);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(kind == QLatin1String("garbage") ? QByteArray("\xff\xfe not a process\n")
                       : kind == QLatin1String("empty") ? QByteArray()
                                                         : QByteArray("999999\nvorbix-import\nelsewhere\n"));
        }
        WriteOptions options;
        options.lockWaitMs = 0;
        installOneTable(files, enspa, numbered({QStringLiteral("a")}), true, options);
        QVERIFY(QFile::exists(files.main));
        QVERIFY(!QFileInfo(lock).exists() && !QFileInfo(lock).isSymLink());
        QFile file(victim);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("mine\n"));
        QVERIFY(!QFile::exists(root.filePath(QStringLiteral("nowhere"))));
    }

    void aFolderInThePlaceOfTheLockIsRefused()
    {
        QTemporaryDir root;
        QVERIFY(QDir().mkpath(importLockPath(root.path())));
        WriteOptions options;
        options.lockWaitMs = 0;
        try {
            installOneTable(DataFiles(root.path()), enspa, numbered({QStringLiteral("a")}), true, options);
            QFAIL("an import ran without its lock");
        } catch (const RecordError &error) {
            QVERIFY2(error.message().contains(QLatin1String("lock file")), qPrintable(error.message()));
        }
        QVERIFY(!QFile::exists(DataFiles(root.path()).main));
    }

    // Whether a file exists is decided under the lock: an import without
    // --replace that waited for another one finds the files it created,
    // and leaves them alone.
    void existingFilesAreDecidedWhileHoldingTheLock()
    {
        QTemporaryDir dir;
        const QString root = dir.filePath(QStringLiteral("root"));
        QVERIFY(QDir().mkpath(root));
        const QString list = dir.filePath(QStringLiteral("mine.tsv"));
        {
            QFile file(list);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("house\tcasa\n");
        }
        QLockFile other(importLockPath(root));
        QVERIFY(other.tryLock(0));
        QProcess waiting;
        waiting.setProcessChannelMode(QProcess::MergedChannels);
        waiting.start(testing::importTool(), {QStringLiteral("tsv"), QStringLiteral("enspa"), list,
                                              QStringLiteral("--data-root"), root});
        QVERIFY(waiting.waitForStarted());
        QVERIFY(!waiting.waitForFinished(1500));  // waits for the lock
        // ... and says so at once, naming the holder.
        const QByteArray told = waiting.readAll();
        QVERIFY2(told.contains("Waiting for another import (process " + QByteArray::number(QCoreApplication::applicationPid())
                               + ") to finish (up to 30 s)"),
                 told.constData());

        // The other import builds the files meanwhile, then lets go.
        const DataFiles files(root);
        std::array<QVector<WordRow>, kPairCount> tables;
        tables[0] = numbered({QStringLiteral("a"), QStringLiteral("b")});
        for (const QString &path : {files.main, files.learningFrench, files.testSettings}) {
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            SqliteConnection db(path, SqliteConnection::Mode::Create);
            createDatabaseSchema(db);
            writeWordTable(db, enspa, tables[0]);
        }
        const QByteArray before = fileHash(files.main);
        other.unlock();

        QVERIFY(waiting.waitForFinished(60000));
        const QByteArray output = waiting.readAll();
        QVERIFY2(waiting.exitCode() == 1, output.constData());
        QVERIFY2(output.contains("engmi.db exists; give --replace"), output.constData());
        QCOMPARE(fileHash(files.main), before);
    }

    // An import waits for the write lock the program holds while it saves a
    // settings record, as long as the busy timeout allows, instead of
    // failing the moment its transaction would start writing.
    void importWaitsForTheProgramsSettingsWrite()
    {
        QTemporaryDir root;
        const DataFiles files(root.path());
        installOneTable(files, enspa, numbered({QStringLiteral("a"), QStringLiteral("b")}), true);
        const QString list = root.filePath(QStringLiteral("mine.tsv"));
        {
            QFile file(list);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("house\tcasa\ncat\tgato\ndog\tperro\n");
        }
        SqliteConnection program(files.main, SqliteConnection::Mode::ReadWrite);
        program.exec(QStringLiteral("BEGIN IMMEDIATE"));
        program.exec(QStringLiteral("UPDATE ini SET nrcur = nrcur"));
        QProcess import;
        import.setProcessChannelMode(QProcess::MergedChannels);
        import.start(testing::importTool(), {QStringLiteral("tsv"), QStringLiteral("enspa"), list, QStringLiteral("--replace"),
                                             QStringLiteral("--data-root"), root.path()});
        QVERIFY(import.waitForStarted());
        QVERIFY2(!import.waitForFinished(1500), import.readAll().constData());  // it waits
        program.exec(QStringLiteral("COMMIT"));
        QVERIFY(import.waitForFinished(60000));
        QVERIFY2(import.exitCode() == 0, import.readAll().constData());
        SqliteConnection db(files.main, SqliteConnection::Mode::ReadOnly);
        QCOMPARE(readWordTable(db, enspa).size(), 3);
    }

    void refusesWhatTheTablesCannotHold()
    {
        QTemporaryDir root;
        const DataFiles files(root.path());
        QVector<WordRow> tooMany(schema::kMaxRows + 1, WordRow{1, QStringLiteral("w"), std::nullopt});
        QVERIFY_THROWS_EXCEPTION(RecordError, installOneTable(files, enspa, tooMany, true));
        QVERIFY(!QFile::exists(files.main));
    }

    void bringsSettingsRecordsInLineWithTheirTables()
    {
        QTemporaryDir root;
        const DataFiles files(root.path());
        std::array<QVector<WordRow>, kPairCount> tables;
        tables[0] = numbered({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        tables[3] = numbered({QStringLiteral("x")});
        installAllTables(files, tables, false);

        setSettings(files.main, QStringLiteral("enspa"), 58);          // stale count
        setSettings(files.learningFrench, QStringLiteral("enger"), 7);  // pair with an empty table
        setSettings(files.testSettings, QStringLiteral("fraen"), 0);    // counts English/engmi
        const ImportOutcome outcome = installAllTables(files, tables, false);
        QCOMPARE(outcome.settings.size(), 3);
        QCOMPARE(settingsOf(files.main), std::make_pair(QStringLiteral("enspa"), 3));
        QCOMPARE(settingsOf(files.learningFrench), std::make_pair(QString(), 0));
        QCOMPARE(settingsOf(files.testSettings), std::make_pair(QStringLiteral("fraen"), 1));

        // Records already right are not touched, nor reported.
        QCOMPARE(installAllTables(files, tables, false).settings, QStringList());
    }
};

QTEST_GUILESS_MAIN(TestImportSafety)
#include "tst_import_safety.moc"
