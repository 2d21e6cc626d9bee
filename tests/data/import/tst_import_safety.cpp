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
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

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
