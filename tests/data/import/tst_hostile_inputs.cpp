// Damaged stores and hostile inputs, as a careless copy, a stopped program or
// a crafted file leaves them: an import must refuse them and change nothing,
// or repair what SQLite can repair; the program's store must name the file
// and the problem instead of showing wrong words or a blank screen.

#include "data/import/data_root_writer.h"
#include "data/sqlite_connection.h"
#include "data/store_paths.h"
#include "import_fixtures.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace vorbix;
using namespace vorbix::testing;

namespace {

QString pathOf(const QString &root, const char *drivePath)
{
    return mapDrivePath(QLatin1String(drivePath), root);
}

QString englishFile(const QString &root)
{
    return pathOf(root, files::kMain);
}

QString convdivFile(const QString &root)
{
    return pathOf(root, files::kLearningFrench);
}

QString settingsFile(const QString &root)
{
    return pathOf(root, files::kTestSettings);
}

QStringList dataFiles(const QString &root)
{
    return {englishFile(root), convdivFile(root), settingsFile(root)};
}

void sql(const QString &path, const QString &statements)
{
    SqliteConnection db(path, SqliteConnection::Mode::ReadWrite);
    for (const QString &statement : statements.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        db.exec(statement);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
}

QString writeList(const QString &inputs, const QByteArray &content)
{
    const QString path = QDir(inputs).filePath(QStringLiteral("list.tsv"));
    writeFile(path, content);
    return path;
}

// A FreeDict folder whose files `damage` then spoils.
QString freedictFolder(const QString &inputs)
{
    const QString folder = QDir(inputs).filePath(QStringLiteral("dictd"));
    QDir().mkpath(folder);
    writeFreedictDirectory(folder, 40);
    return folder;
}

QString accessFixture(const char *name)
{
    return qEnvironmentVariable("VORBIX_FIXTURES") + QStringLiteral("/access2000/") + QLatin1String(name);
}

QString cutAccessFile(const QString &inputs, qint64 size)
{
    QFile original(accessFixture("engmi.mdb"));
    if (!original.open(QIODevice::ReadOnly))
        qFatal("the Access fixture is missing");
    const QString path = QDir(inputs).filePath(QStringLiteral("cut.mdb"));
    writeFile(path, original.read(size));
    return path;
}

QStringList tsvImport(const QString &list)
{
    return {QStringLiteral("tsv"), QStringLiteral("eng-spa"), list, QStringLiteral("--replace")};
}

const QByteArray kGoodList = "house\tcasa\ncat\tgato\ndog\tperro\n";

// A data root as an import leaves it: the three files with 20 words a pair,
// each settings record naming a pair with its right count.
void writeGoodRoot(const QString &root)
{
    const Tables tables = sampleTables();
    writeDatabase(root, files::kMain, tables, QStringLiteral("enspa"), 20);
    writeDatabase(root, files::kLearningFrench, tables, QStringLiteral("fraen"), 20);
    writeDatabase(root, files::kTestSettings, {}, QStringLiteral("enspa"), 20);
}

// An import that must be refused, leaving every file as it was.
struct Refusal
{
    const char *name;
    // Spoils the root or writes the inputs; returns the tool's arguments.
    QStringList (*prepare)(const QString &root, const QString &inputs);
    QStringList expected; // in the tool's output
    bool readOnly = false;
};

const Refusal kRefusals[] = {
    {"settings file emptied to zero bytes",
     [](const QString &root, const QString &inputs) {
         writeFile(settingsFile(root), {});
         return tsvImport(writeList(inputs, kGoodList));
     },
     {"Engleza/eng.db is not a word database", "table enspa is missing", "nothing was written"}},
    {"settings file of random bytes",
     [](const QString &root, const QString &inputs) {
         QByteArray noise(8192, '\0');
         QRandomGenerator generator(8);
         for (char &c : noise)
             c = char(generator.bounded(256));
         writeFile(settingsFile(root), noise);
         return tsvImport(writeList(inputs, kGoodList));
     },
     {"Engleza/eng.db cannot be opened: file is not a database"}},
    {"word file that lacks a table",
     [](const QString &root, const QString &inputs) {
         sql(convdivFile(root), QStringLiteral("DROP TABLE fraen"));
         return tsvImport(writeList(inputs, kGoodList));
     },
     {"Convdiv/engmi.db is not a word database", "table fraen is missing"}},
    {"kept table with a renamed column",
     [](const QString &root, const QString &inputs) {
         sql(englishFile(root), QStringLiteral("ALTER TABLE spaen RENAME COLUMN spa TO espanol"));
         return tsvImport(writeList(inputs, kGoodList));
     },
     {"English/engmi.db is not a word database", "table spaen has no column spa"}},
    {"read-only word files",
     [](const QString &, const QString &inputs) { return tsvImport(writeList(inputs, kGoodList)); },
     {"English/engmi.db is read-only", "nothing was written"},
     true},
    {"empty word list",
     [](const QString &, const QString &inputs) { return tsvImport(writeList(inputs, {})); },
     {"list.tsv holds no words", "--allow-empty"}},
    {"word list of comments only",
     [](const QString &, const QString &inputs) { return tsvImport(writeList(inputs, "# my words\n\n# none yet\n")); },
     {"list.tsv holds no words"}},
    {"zero-byte German dictionaries",
     [](const QString &, const QString &inputs) {
         const QString folder = freedictFolder(inputs);
         for (const char *name : {"freedict-eng-deu.index", "freedict-eng-deu.dict.dz", "freedict-deu-eng.index",
                                  "freedict-deu-eng.dict.dz"})
             writeFile(QDir(folder).filePath(QLatin1String(name)), {});
         return QStringList{QStringLiteral("freedict"), folder, QStringLiteral("--replace"),
                            QStringLiteral("--trans-de-en"), QDir(inputs).filePath(QStringLiteral("not-installed"))};
     },
     {"freedict-eng-deu.index lists no entries"}},
    {"trans-de-en list without entries",
     [](const QString &, const QString &inputs) {
         const QString list = QDir(inputs).filePath(QStringLiteral("de-en"));
         writeFile(list, "# Version :: devel\nno entry here\n\xff\xfe :: \n");
         return QStringList{QStringLiteral("freedict"), freedictFolder(inputs), QStringLiteral("--replace"),
                            QStringLiteral("--trans-de-en"), list};
     },
     {"de-en yields no eng-ger words", "reinstall trans-de-en"}},
    {"dictd index whose offset overflows",
     [](const QString &, const QString &inputs) {
         const QString folder = freedictFolder(inputs);
         const QString index = QDir(folder).filePath(QStringLiteral("freedict-eng-spa.index"));
         QFile file(index);
         file.open(QIODevice::ReadOnly);
         QList<QByteArray> lines = file.readAll().split('\n');
         file.close();
         QList<QByteArray> fields = lines[1].split('\t');
         fields[1] = "H//////////";
         lines[1] = fields.join('\t');
         writeFile(index, lines.join('\n'));
         return QStringList{QStringLiteral("freedict"), folder, QStringLiteral("--replace")};
     },
     {"freedict-eng-spa.index, line 2", "lies beyond"}},
    {"Access file missing its last pages",
     [](const QString &, const QString &inputs) {
         return QStringList{QStringLiteral("mdb"), cutAccessFile(inputs, 200704), QStringLiteral("English/engmi"),
                            QStringLiteral("--replace")};
     },
     {"cut.mdb, table ini: 0 of the 1 records", "damaged or incomplete"}},
    {"Access file cut inside a page",
     [](const QString &, const QString &inputs) {
         return QStringList{QStringLiteral("mdb"), cutAccessFile(inputs, 212992 - 100), QStringLiteral("English/engmi"),
                            QStringLiteral("--replace")};
     },
     {"cut.mdb is not a whole number of 4096-byte pages"}},
    {"NUL byte in a word list",
     [](const QString &, const QString &inputs) {
         return tsvImport(writeList(inputs, QByteArray("house\tcasa\nca\0t\tgato\n", 21)));
     },
     {"list.tsv:2: a NUL byte", "nothing written"}},
    {"word list with CR-only line ends",
     [](const QString &, const QString &inputs) { return tsvImport(writeList(inputs, "house\tcasa\rcat\tgato\r")); },
     {"list.tsv:1: a carriage return", "line ends"}},
    {"word list longer than a table",
     [](const QString &, const QString &inputs) {
         QByteArray list;
         for (int i = 0; i < 40000; ++i)
             list += "w" + QByteArray::number(i) + "\tx\n";
         return tsvImport(writeList(inputs, list));
     },
     {"list.tsv holds 40000 words", "32767"}},
    {"folder in the place of the settings file",
     [](const QString &root, const QString &inputs) {
         QFile::remove(settingsFile(root));
         QDir().mkpath(settingsFile(root));
         return tsvImport(writeList(inputs, kGoodList));
     },
     {"Engleza/eng.db is a folder"}},
    {"symbolic link loop in the place of a word file",
     [](const QString &root, const QString &inputs) {
         QFile::remove(convdivFile(root));
         QFile::link(convdivFile(root), convdivFile(root));
         return tsvImport(writeList(inputs, kGoodList));
     },
     {"Convdiv/engmi.db is a symbolic link that leads nowhere"}},
    {"view in the place of a kept table",
     [](const QString &root, const QString &inputs) {
         sql(englishFile(root), QStringLiteral("ALTER TABLE geren RENAME TO old; CREATE VIEW geren AS SELECT * FROM old"));
         return tsvImport(writeList(inputs, kGoodList));
     },
     {"English/engmi.db is not a word database", "geren is a view, not a table"}},
};

// A view whose rows never end, with the columns of a word table.
const char *const kEndlessView =
    "ALTER TABLE enspa RENAME TO old; "
    "CREATE VIEW enspa AS SELECT t.[Index], t.en, t.spa FROM old t, "
    "(WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) SELECT i FROM n)";

// What the program's store must make of a damaged root (the test helper's
// probe-store: start-up check, eng-spa table, a settings write).
struct StoreCase
{
    const char *name;
    void (*damage)(const QString &root);
    QStringList expected;  // in the probe's output
    QStringList forbidden;
    bool readOnly = false;
};

const StoreCase kStoreCases[] = {
    {"hot journal left by a stopped write",
     [](const QString &root) { leaveHotJournal(englishFile(root), "enspa"); },
     {"enspa: 20 words, the first \"a\"", "settings: saved"},
     {"unusable:"}},
    {"hot journal that a read-only file keeps",
     [](const QString &root) { leaveHotJournal(englishFile(root), "enspa"); },
     {"English/engmi.db holds an unfinished change", "cannot be rolled back"},
     {"not a word database"},
     true},
    {"read-only files",
     [](const QString &) {},
     {"enspa: 20 words", "settings: The settings record in", "cannot be saved: the file or its folder is read-only"},
     {"unusable:"},
     true},
    {"renamed column",
     [](const QString &root) { sql(englishFile(root), QStringLiteral("ALTER TABLE enspa RENAME COLUMN en TO english")); },
     {"unusable: ", "English/engmi.db is not a word database of this program: table enspa has no column en",
      "enspa: ", "has no column en"},
     {"the first \"en\""}},
    {"Index column of another type",
     [](const QString &root) {
         sql(englishFile(root), QStringLiteral("ALTER TABLE enspa RENAME TO old; "
                                               "CREATE TABLE enspa ([Index] BLOB, en TEXT, spa TEXT); "
                                               "INSERT INTO enspa SELECT * FROM old; DROP TABLE old"));
     },
     {"column enspa.Index is declared \"BLOB\", not as INTEGER"},
     {"words"}},
    {"Index of INT_MIN",
     [](const QString &root) { sql(englishFile(root), QStringLiteral("UPDATE enspa SET [Index] = -2147483648 WHERE rowid = 5")); },
     // Refused when the table is read, naming the file and the record.
     {"enspa: ", "table enspa: a record has the Index \"-2147483648\""},
     {"words"}},
    {"Index beyond 16 bits",
     [](const QString &root) { sql(englishFile(root), QStringLiteral("UPDATE enspa SET [Index] = 40000 WHERE rowid = 20")); },
     {"a record has the Index \"40000\"; an Index must be a whole number from 1 to 32767"},
     {"words"}},
    {"Index that is text",
     [](const QString &root) { sql(englishFile(root), QStringLiteral("UPDATE enspa SET [Index] = 'x5' WHERE rowid = 5")); },
     {"a record has the Index \"x5\""},
     {"words"}},
    {"folder in the place of a word file",
     [](const QString &root) {
         QFile::remove(englishFile(root));
         QDir().mkpath(englishFile(root));
     },
     {"unusable: ", "English/engmi.db is a folder, not a database file"},
     {"is missing"}},
    {"symbolic link loop in the place of a word file",
     [](const QString &root) {
         QFile::remove(convdivFile(root));
         QFile::link(convdivFile(root), convdivFile(root));
     },
     {"unusable: ", "Convdiv/engmi.db is a symbolic link that leads nowhere"},
     {"is missing"}},
    {"table of more records than a table holds, each Index in range",
     [](const QString &root) {
         for (int i = 0; i < 11; ++i)
             sql(englishFile(root), QStringLiteral("INSERT INTO enspa SELECT * FROM enspa"));
     },
     {"enspa: ", "table enspa: more than 32767 records"},
     {"words"}},
    {"view that never ends in the place of a word table",
     [](const QString &root) { sql(englishFile(root), QLatin1String(kEndlessView)); },
     {"unusable: ", "English/engmi.db is not a word database of this program: enspa is a view, not a table",
      "settings: saved"},
     {"words"}},
};

void checkOutput(const QString &output, const QStringList &expected, const QStringList &forbidden)
{
    for (const QString &fragment : expected)
        QVERIFY2(output.contains(fragment), qPrintable(QStringLiteral("\"%1\" not in:\n%2").arg(fragment, output)));
    for (const QString &fragment : forbidden)
        QVERIFY2(!output.contains(fragment), qPrintable(QStringLiteral("\"%1\" in:\n%2").arg(fragment, output)));
}

// One data row per case, named after it.
template<typename Case, size_t N>
void addCaseRows(const Case (&cases)[N])
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(N); ++i)
        QTest::newRow(cases[i].name) << i;
}

QString integrity(const QString &path)
{
    SqliteConnection db(path, SqliteConnection::Mode::ReadWrite);
    return db.scalar(QStringLiteral("PRAGMA integrity_check")).toString();
}

} // namespace

class TestHostileInputs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refusedImportChangesNothing_data() { addCaseRows(kRefusals); }
    void refusedImportChangesNothing()
    {
        QFETCH(int, row);
        const Refusal &c = kRefusals[row];
        QTemporaryDir dir;
        const QString root = dir.path();
        const QString inputs = dir.filePath(QStringLiteral("inputs"));
        QDir().mkpath(inputs);
        writeGoodRoot(root);
        const QStringList arguments = c.prepare(root, inputs);
        QList<QByteArray> before;
        for (const QString &path : dataFiles(root))
            before.append(fileHash(path));

        ProcessResult result;
        {
            const auto readOnly = c.readOnly ? std::make_unique<ReadOnlyFiles>(dataFiles(root)) : nullptr;
            result = runImport(root, arguments, c.readOnly);
        }
        QVERIFY2(result.exitCode == 1, qPrintable(result.output));
        checkOutput(result.output, c.expected, {QStringLiteral(".partial")});
        for (int i = 0; i < 3; ++i)
            QVERIFY2(fileHash(dataFiles(root).at(i)) == before.at(i), qPrintable(dataFiles(root).at(i)));
        QCOMPARE(leftovers(root), QStringList());
    }

    void storeNamesTheFileAndTheProblem_data() { addCaseRows(kStoreCases); }
    void storeNamesTheFileAndTheProblem()
    {
        QFETCH(int, row);
        const StoreCase &c = kStoreCases[row];
        QTemporaryDir dir;
        writeGoodRoot(dir.path());
        c.damage(dir.path());
        const auto readOnly = c.readOnly ? std::make_unique<ReadOnlyFiles>(dataFiles(dir.path())) : nullptr;
        const ProcessResult result = run(testHelper(), {QStringLiteral("probe-store"), dir.path()}, c.readOnly);
        QVERIFY2(result.exitCode == 0, qPrintable(result.output));
        checkOutput(result.output, c.expected, c.forbidden);
    }

    // A hot journal on the files an import replaces is rolled back first,
    // through SQLite: the import leaves sound files holding the new table
    // beside the rolled-back old ones.
    void importRollsBackHotJournalsFirst()
    {
        QTemporaryDir dir;
        const QString root = dir.path();
        writeGoodRoot(root);
        leaveHotJournal(englishFile(root), "spaen");
        leaveHotJournal(settingsFile(root), "ini");
        const QString list = writeList(root, kGoodList);
        const ProcessResult result = runImport(root, tsvImport(list));
        QVERIFY2(result.exitCode == 0, qPrintable(result.output));
        for (const QString &path : dataFiles(root))
            QCOMPARE(integrity(path), QStringLiteral("ok"));
        const FileContent english = *readContent(englishFile(root));
        QCOMPARE(english.tables[0].size(), 3);
        QCOMPARE(english.tables[1], sampleTables().value(QStringLiteral("spaen")));
        QCOMPARE(std::pair(english.current, english.count), std::pair(QStringLiteral("enspa"), qint64(3)));
        const FileContent settings = *readContent(settingsFile(root));
        QCOMPARE(std::pair(settings.current, settings.count), std::pair(QStringLiteral("enspa"), qint64(3)));
        QCOMPARE(leftovers(root), QStringList());
    }

    // Triggers a file brings along never run: not on the program's settings
    // writes, not on an import's (which rewrites the record and the tables).
    void triggersInADataFileNeverRun()
    {
        QTemporaryDir dir;
        const QString root = dir.path();
        writeGoodRoot(root);
        const auto statement = [](const QString &path, const char *sql) {
            SqliteConnection(path, SqliteConnection::Mode::ReadWrite).exec(QLatin1String(sql));
        };
        // The import brings this stale record in line, an update of `ini`.
        statement(englishFile(root), "UPDATE ini SET curent = 'enger', nrcur = 99");
        statement(englishFile(root), "CREATE TRIGGER on_import AFTER UPDATE ON ini BEGIN DELETE FROM enspa; END");
        statement(settingsFile(root), "CREATE TRIGGER spoil BEFORE UPDATE ON ini BEGIN SELECT RAISE(ABORT, 'spoilt'); END");
        const ProcessResult import = runImport(root, {QStringLiteral("tsv"), QStringLiteral("eng-ger"),
                                                      writeList(root, kGoodList), QStringLiteral("--replace")});
        QVERIFY2(import.exitCode == 0, qPrintable(import.output));
        FileContent english = *readContent(englishFile(root));
        QCOMPARE(std::pair(english.current, english.count), std::pair(QStringLiteral("enger"), qint64(3)));
        QCOMPARE(english.tables[0], sampleTables().value(QStringLiteral("enspa")));

        statement(englishFile(root), "CREATE TRIGGER on_settings AFTER UPDATE ON ini BEGIN DELETE FROM spaen; END");
        const ProcessResult writes = run(testHelper(), {QStringLiteral("write-settings"), root, QStringLiteral("12")});
        QVERIFY2(writes.exitCode == 0, qPrintable(writes.output));
        english = *readContent(englishFile(root));
        QCOMPARE(english.tables[1], sampleTables().value(QStringLiteral("spaen")));
        QCOMPARE(english.tables[4].size(), 3);
        for (const QString &path : dataFiles(root))
            QCOMPARE(integrity(path), QStringLiteral("ok"));
    }

    // The import clears away a super-journal a crash left behind, and
    // nothing else: a file of the user's that merely holds "-mj" stays.
    void filesBesideTheDataFilesAreLeftAlone()
    {
        QTemporaryDir dir;
        const QString root = dir.path();
        writeGoodRoot(root);
        const QString folder = QFileInfo(englishFile(root)).path();
        const QString mine = QDir(folder).filePath(QStringLiteral("my-mj-notes.txt"));
        const QString litter = QDir(folder).filePath(QStringLiteral("engmi.db-mj1A2B3C9D4"));
        writeFile(mine, "words to learn\n");
        writeFile(litter, QByteArray("/nowhere/engmi.db-journal\0", 26));
        const ProcessResult result = runImport(root, tsvImport(writeList(root, kGoodList)));
        QVERIFY2(result.exitCode == 0, qPrintable(result.output));
        QVERIFY(QFile::exists(mine));
        QVERIFY(!QFile::exists(litter));
    }

    void allowEmptyEmptiesATableOnPurpose()
    {
        QTemporaryDir dir;
        const QString root = dir.path();
        writeGoodRoot(root);
        const ProcessResult result =
            runImport(root, tsvImport(writeList(root, "# emptied on purpose\n")) << QStringLiteral("--allow-empty"));
        QVERIFY2(result.exitCode == 0, qPrintable(result.output));
        for (const QString &path : {englishFile(root), convdivFile(root)})
            QVERIFY(readContent(path)->tables[0].isEmpty());
        // The records that counted eng-spa count again.
        QCOMPARE(readContent(englishFile(root))->current, QString());
        QCOMPARE(readContent(settingsFile(root))->current, QString());
        QCOMPARE(readContent(convdivFile(root))->current, QStringLiteral("fraen"));
    }
};

QTEST_GUILESS_MAIN(TestHostileInputs)
#include "tst_hostile_inputs.moc"
