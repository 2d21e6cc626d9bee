// Files in and out that must never hurt the user's data: hostile KVTML and
// flash-card files given to vorbix-import, hostile targets given to
// vorbix-export. Every row runs the real tool on a data root of three good
// files; a refused input or target must leave each of them with the same
// bytes (and passing SQLite's integrity check) and say what is wrong, and
// where.

#include "data/import/data_root_writer.h"
#include "data/sqlite_connection.h"
#include "data/store_paths.h"
#include "import_fixtures.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace vorbix;
using namespace vorbix::testing;

namespace {

QStringList dataFiles(const QString &root)
{
    QStringList paths;
    for (const char *drivePath : {files::kMain, files::kLearningFrench, files::kTestSettings})
        paths.append(mapDrivePath(QLatin1String(drivePath), root));
    return paths;
}

QString englishFile(const QString &root)
{
    return dataFiles(root).at(0);
}

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
    return path;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// The data root the rows start from: three good files, each settings record
// naming a pair with its right count.
struct Root
{
    Root()
    {
        const Tables tables = sampleTables();
        writeDatabase(path(), files::kMain, tables, QStringLiteral("enspa"), 20);
        writeDatabase(path(), files::kLearningFrench, tables, QStringLiteral("fraen"), 20);
        writeDatabase(path(), files::kTestSettings, {}, QStringLiteral("enspa"), 20);
        for (const QString &file : dataFiles(path()))
            hashes.append(fileHash(file));
        QDir().mkpath(inputs());
    }

    QString path() const { return dir.filePath(QStringLiteral("root")); }
    QString inputs() const { return dir.filePath(QStringLiteral("inputs")); }
    QString input(const char *name) const { return QDir(inputs()).filePath(QLatin1String(name)); }

    // Every data file has its bytes of before and is sound.
    void verifyUnchanged() const
    {
        for (int i = 0; i < 3; ++i) {
            const QString file = dataFiles(path()).at(i);
            QVERIFY2(fileHash(file) == hashes.at(i), qPrintable(file + QStringLiteral(" changed")));
            SqliteConnection db(file, SqliteConnection::Mode::ReadOnly);
            QCOMPARE(db.scalar(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
        }
        QCOMPARE(leftovers(path()), QStringList());
    }

    QTemporaryDir dir;
    QList<QByteArray> hashes;
};

// The arguments that import `content`, written to a file in `root`, into
// eng-ger as a list ("tsv") or as flash cards.
QStringList engGerImport(const Root &root, const QString &kind, const QByteArray &content)
{
    const bool list = kind == QLatin1String("tsv");
    const QString file = writeFile(root.input(list ? "f.tsv" : "f.txt"), content);
    return list ? QStringList{kind, QStringLiteral("eng-ger"), file} : QStringList{kind, file, QStringLiteral("eng-ger")};
}

void checkOutput(const ProcessResult &result, int exitCode, const QStringList &expected)
{
    QVERIFY2(result.exitCode == exitCode, qPrintable(QStringLiteral("exit %1:\n%2").arg(result.exitCode).arg(result.output)));
    for (const QString &fragment : expected)
        QVERIFY2(result.output.contains(fragment), qPrintable(QStringLiteral("\"%1\" not in:\n%2").arg(fragment, result.output)));
}

QStringList wordsOf(const QString &root, int pair)
{
    SqliteConnection db(englishFile(root), SqliteConnection::Mode::ReadOnly);
    QStringList words;
    for (const WordRow &row : readWordTable(db, kLanguagePairs[pair]))
        words.append(row.source.value_or(QString()) + QLatin1Char('=') + row.target.value_or(QString()));
    return words;
}

// KVTML 2 with English and German identifiers around `entries`.
QByteArray kvtml(const QByteArray &entries, const QByteArray &identifiers = {}, const QByteArray &prologue = {})
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + prologue + "<kvtml version=\"2.0\">\n<identifiers>\n"
           + (identifiers.isEmpty() ? QByteArray("<identifier id=\"0\"><name>English</name><locale>en</locale></identifier>\n"
                                                 "<identifier id=\"1\"><name>German</name><locale>de</locale></identifier>\n")
                                    : identifiers)
           + "</identifiers>\n<entries>\n" + entries + "</entries>\n</kvtml>\n";
}

QByteArray entry(const QByteArray &word, const QByteArray &translation)
{
    return "<entry><translation id=\"0\"><text>" + word + "</text></translation><translation id=\"1\"><text>"
           + translation + "</text></translation></entry>\n";
}

QByteArray nested(int depth)
{
    return QByteArray("<b>").repeated(depth) + "x" + QByteArray("</b>").repeated(depth);
}

// A file larger than the readers take, without writing its bytes.
QString sparseFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.resize((qint64(64) << 20) + 1))
        qFatal("cannot make %s", qPrintable(path));
    return path;
}

struct HostileInput
{
    const char *name;
    QString (*prepare)(const Root &root);  // the file given to the tool
    QStringList expected;                  // in the tool's output
};

const HostileInput kHostileKvtml[] = {
    {"two identifiers with one id",
     [](const Root &r) {
         return writeFile(r.input("f.kvtml"),
                          kvtml(entry("house", "Haus"),
                                "<identifier id=\"0\"><name>English</name><locale>en</locale></identifier>\n"
                                "<identifier id=\"0\"><name>German</name><locale>de</locale></identifier>\n"));
     },
     {"f.kvtml:5:", "a second <identifier> with id \"0\" (the first is on line 4)", "nothing written"}},
    {"identifiers without an id",
     [](const Root &r) {
         return writeFile(r.input("f.kvtml"), kvtml(entry("house", "Haus"),
                                                    "<identifier><name>English</name></identifier>\n"
                                                    "<identifier><name>German</name></identifier>\n"));
     },
     {"f.kvtml:4:", "an <identifier> without an id"}},
    {"two translations with one id in an entry",
     [](const Root &r) {
         return writeFile(r.input("f.kvtml"),
                          kvtml(entry("cat", "Katze")
                                + "<entry><translation id=\"0\"><text>house</text></translation>\n"
                                  "<translation id=\"0\"><text>Haus</text></translation></entry>\n"));
     },
     {"f.kvtml:10:20: a second <translation> with id \"0\" in one entry", "1 line refused"}},
    {"a translation without an id",
     [](const Root &r) {
         return writeFile(r.input("f.kvtml"), kvtml("<entry><translation><text>house</text></translation></entry>\n"));
     },
     {"f.kvtml:8:", "a <translation> without an id"}},
    {"100 000 elements nested in a text",
     [](const Root &r) { return writeFile(r.input("f.kvtml"), kvtml(entry(nested(100000), "Haus"))); },
     {"f.kvtml:8:", "nested more than 64 deep"}},
    {"70 000 elements nested in a name",
     [](const Root &r) {
         return writeFile(r.input("f.kvtml"),
                          kvtml(entry("a", "b"), "<identifier id=\"0\"><name>" + nested(70000) + "</name></identifier>\n"));
     },
     {"f.kvtml:4:", "nested more than 64 deep"}},
    {"invalid UTF-8 on line 10",
     [](const Root &r) { return writeFile(r.input("f.kvtml"), kvtml(entry("a", "b") + entry("c", "d") + entry("bad \xff", "e"))); },
     {"f.kvtml:10:38: invalid UTF-8"}},
    {"a NUL byte",
     [](const Root &r) { return writeFile(r.input("f.kvtml"), kvtml(entry("a", QByteArray("b\0c", 3)))); },
     {"f.kvtml:8:83: a NUL byte"}},
    {"an element after </kvtml>",
     [](const Root &r) { return writeFile(r.input("f.kvtml"), kvtml(entry("a", "b")) + "<kvtml version=\"2.0\"/>\n"); },
     {"f.kvtml:11:", "Extra content at end of document"}},
    {"an external entity",
     [](const Root &r) {
         return writeFile(r.input("f.kvtml"), kvtml(entry("house", "&xxe;"), {},
                                                    "<!DOCTYPE kvtml [<!ENTITY xxe SYSTEM \"file:///etc/passwd\">]>\n"));
     },
     {"f.kvtml:2:", "declares entities or a document type of its own"}},
    {"entities that expand a billion times",
     [](const Root &r) {
         QByteArray dtd = "<!DOCTYPE kvtml [<!ENTITY l0 \"lol\">";
         for (int i = 1; i < 10; ++i)
             dtd += "<!ENTITY l" + QByteArray::number(i) + " \"" + QByteArray("&l" + QByteArray::number(i - 1) + ";").repeated(10) + "\">";
         return writeFile(r.input("f.kvtml"), kvtml(entry("house", "&l9;"), {}, dtd + "]>\n"));
     },
     {"declares entities"}},
    {"an entity nobody declared",
     [](const Root &r) { return writeFile(r.input("f.kvtml"), kvtml(entry("house", "&nbsp;"))); },
     {"f.kvtml:8:91: Entity 'nbsp' not declared"}},
    {"an entity left to the KDE document type",
     [](const Root &r) {
         return writeFile(r.input("f.kvtml"),
                          kvtml(entry("house", "&nbsp;"), {},
                                "<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">\n"));
     },
     {"f.kvtml:9:", "the entity &nbsp; is declared nowhere in the file"}},
    {"larger than 64 MiB", [](const Root &r) { return sparseFile(r.input("f.kvtml")); }, {"larger than 64 MiB"}},
    {"a device that never ends", [](const Root &) { return QStringLiteral("/dev/zero"); }, {"/dev/zero is larger than 64 MiB"}},
};

const HostileInput kHostileFlashcards[] = {
    {"CR-only line ends",
     [](const Root &r) { return writeFile(r.input("f.txt"), "house\tHaus\rcat\tKatze\rdog\tHund\r"); },
     {"f.txt:1: a carriage return (CR) inside the line", "nothing written"}},
    {"a quote left open",
     [](const Root &r) { return writeFile(r.input("f.txt"), "house\tHaus\n\"cat\tKatze\ndog\tHund\nfish\tFisch\n"); },
     {"f.txt:2: a quote is not closed", "1 line refused"}},
    {"a NUL byte and invalid UTF-8",
     [](const Root &r) { return writeFile(r.input("f.txt"), QByteArray("house\tHaus\nc\0t\tKatze\nd\xffg\tHund\n", 29)); },
     {"f.txt:2: a NUL byte", "f.txt:3: invalid UTF-8", "2 lines refused"}},
    {"an unknown separator",
     [](const Root &r) { return writeFile(r.input("f.txt"), "#separator:wave\nhouse~Haus\n"); },
     {"unknown separator \"wave\""}},
    {"more notes than a table holds",
     [](const Root &r) {
         QByteArray deck;
         for (int i = 0; i < 40000; ++i)
             deck += "w" + QByteArray::number(i) + "\tx\n";
         return writeFile(r.input("f.txt"), deck);
     },
     {"f.txt: more than 32767 words; a table holds at most 32767"}},
    {"a million lines refused",
     [](const Root &r) { return writeFile(r.input("f.txt"), QByteArray("x\n").repeated(1000000)); },
     {"f.txt:1000: 1 fields", "f.txt: every line with words was refused (1000000 lines, the first 1000 listed above)"}},
    {"larger than 64 MiB", [](const Root &r) { return sparseFile(r.input("f.txt")); }, {"larger than 64 MiB"}},
    {"a device that never ends", [](const Root &) { return QStringLiteral("/dev/zero"); }, {"/dev/zero is larger than 64 MiB"}},
};

// A target given to vorbix-export. `check` looks at what is outside the
// data root (a file a link leads to must keep its bytes, nothing may appear
// where a dangling link leads).
struct HostileTarget
{
    const char *name;
    QString (*prepare)(const Root &root);
    bool replace;
    QStringList expected;
    void (*check)(const Root &root) = nullptr;
};

const HostileTarget kHostileTargets[] = {
    {"a link to the word database",
     [](const Root &r) {
         QFile::link(englishFile(r.path()), r.input("db.csv"));
         return r.input("db.csv");
     },
     true, {"db.csv is a symbolic link to the word database", "nothing written"}},
    {"a link to the word database without --replace",
     [](const Root &r) {
         QFile::link(englishFile(r.path()), r.input("db.csv"));
         return r.input("db.csv");
     },
     false, {"db.csv is a symbolic link to the word database", "Choose another file name"}},
    {"a link to another file",
     [](const Root &r) {
         writeFile(r.input("notes.txt"), "mine\n");
         QFile::link(r.input("notes.txt"), r.input("link.csv"));
         return r.input("link.csv");
     },
     true, {"link.csv is a symbolic link to", "notes.txt itself"},
     [](const Root &r) {
         QCOMPARE(readFile(r.input("notes.txt")), QByteArray("mine\n"));
         QVERIFY(QFileInfo(r.input("link.csv")).isSymLink());
     }},
    {"a dangling link without --replace",
     [](const Root &r) {
         QFile::link(r.input("nowhere.csv"), r.input("dangling.csv"));
         return r.input("dangling.csv");
     },
     false, {"dangling.csv is a symbolic link that leads nowhere", "Remove the link"},
     [](const Root &r) { QVERIFY(!QFileInfo::exists(r.input("nowhere.csv"))); }},
    {"a dangling link with --replace",
     [](const Root &r) {
         QFile::link(r.input("nowhere.csv"), r.input("dangling.csv"));
         return r.input("dangling.csv");
     },
     true, {"dangling.csv is a symbolic link that leads nowhere"},
     [](const Root &r) { QVERIFY(!QFileInfo::exists(r.input("nowhere.csv"))); }},
    {"a hard link to the word database",
     [](const Root &r) {
         if (::link(QFile::encodeName(englishFile(r.path())).constData(), QFile::encodeName(r.input("hard.kvtml")).constData()) != 0)
             qFatal("cannot make a hard link");
         return r.input("hard.kvtml");
     },
     true, {"hard.kvtml is the word database"}},
    {"a folder",
     [](const Root &r) {
         QDir().mkpath(r.input("folder.csv"));
         return r.input("folder.csv");
     },
     true, {"folder.csv is a folder"}},
    {"a named pipe",
     [](const Root &r) {
         ::mkfifo(QFile::encodeName(r.input("pipe.csv")).constData(), 0600);
         return r.input("pipe.csv");
     },
     true, {"pipe.csv is not a regular file"}},
    {"a copy of a word database",
     [](const Root &r) {
         QFile::copy(englishFile(r.path()), r.input("backup.csv"));
         return r.input("backup.csv");
     },
     true, {"backup.csv is an SQLite database"},
     [](const Root &r) { QCOMPARE(fileHash(r.input("backup.csv")), r.hashes.at(0)); }},
    {"a folder that does not exist",
     [](const Root &r) { return r.input("no/such/folder/words.csv"); },
     true, {"the folder", "does not exist"}},
    {"an existing export without --replace",
     [](const Root &r) { return writeFile(r.input("words.csv"), "mine\n"); },
     false, {"words.csv exists; give --replace"},
     [](const Root &r) { QCOMPARE(readFile(r.input("words.csv")), QByteArray("mine\n")); }},
};

template<typename Row, size_t N>
void addRows(const Row (&rows)[N])
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(N); ++i)
        QTest::newRow(rows[i].name) << i;
}

} // namespace

class TestHostileFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hostileKvtmlChangesNothing_data() { addRows(kHostileKvtml); }
    void hostileKvtmlChangesNothing()
    {
        QFETCH(int, row);
        const Root root;
        const QString file = kHostileKvtml[row].prepare(root);
        const ProcessResult result = runImport(root.path(), {QStringLiteral("kvtml"), file, QStringLiteral("--replace")});
        checkOutput(result, 1, kHostileKvtml[row].expected);
        root.verifyUnchanged();
    }

    void hostileFlashcardsChangeNothing_data() { addRows(kHostileFlashcards); }
    void hostileFlashcardsChangeNothing()
    {
        QFETCH(int, row);
        const Root root;
        const QString file = kHostileFlashcards[row].prepare(root);
        const ProcessResult result =
            runImport(root.path(), {QStringLiteral("flashcards"), file, QStringLiteral("eng-ger"), QStringLiteral("--replace")});
        checkOutput(result, 1, kHostileFlashcards[row].expected);
        root.verifyUnchanged();
    }

    // With --skip-bad a stray quote costs its own line only, and CR-only
    // lines are listed rather than run into one note.
    void skippedLinesCostOnlyThemselves_data()
    {
        QTest::addColumn<QByteArray>("deck");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("listed");
        QTest::newRow("a quote left open")
            << QByteArray("house\tHaus\n\"cat\tKatze\ndog\tHund\nfish\tFisch\n")
            << QStringList{"dog=Hund", "fish=Fisch", "house=Haus"} << "f.txt:2: a quote is not closed";
        QTest::newRow("a closed quote over two lines, then one left open")
            << QByteArray("\"two\nlines\"\tzwei\n\"open\tx\nhouse\tHaus\n")
            << QStringList{"house=Haus", "two lines=zwei"} << "f.txt:3: a quote is not closed";
        QTest::newRow("CR-only lines among LF ones")
            << QByteArray("house\tHaus\ncat\tKatze\rdog\tHund\nfish\tFisch\n")
            << QStringList{"fish=Fisch", "house=Haus"} << "f.txt:2: a carriage return";
    }

    void skippedLinesCostOnlyThemselves()
    {
        QFETCH(QByteArray, deck);
        QFETCH(QStringList, words);
        QFETCH(QString, listed);
        const Root root;
        const QString file = writeFile(root.input("f.txt"), deck);
        const ProcessResult result = runImport(root.path(), {QStringLiteral("flashcards"), file, QStringLiteral("eng-ger"),
                                                             QStringLiteral("--replace"), QStringLiteral("--skip-bad")});
        checkOutput(result, 0, {listed, QStringLiteral("skipped 1 line (")});
        QCOMPARE(wordsOf(root.path(), 4), words);
    }

    // A file whose every line is refused holds words the reader could not
    // take: even --skip-bad with --allow-empty must not empty the table.
    void everyLineRefusedNeverEmptiesTheTable_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("flash cards with CR-only line ends") << "flashcards" << QByteArray("house\tHaus\rcat\tKatze\r");
        QTest::newRow("a list of one-field lines") << "tsv" << QByteArray("house\ncat\n");
    }

    void everyLineRefusedNeverEmptiesTheTable()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, content);
        const Root root;
        const QStringList args = engGerImport(root, kind, content);
        const ProcessResult result = runImport(
            root.path(), args + QStringList{QStringLiteral("--replace"), QStringLiteral("--skip-bad"), QStringLiteral("--allow-empty")});
        checkOutput(result, 1, {QStringLiteral("every line with words was refused"), QStringLiteral("nothing written")});
        QVERIFY2(!result.output.contains(QStringLiteral("--allow-empty")), qPrintable(result.output));
        root.verifyUnchanged();
    }

    // Words stored without a translation are counted, so the user knows.
    void wordsWithoutATranslationAreCounted_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("said");
        QTest::newRow("a list") << "tsv" << QByteArray("house\t\ncat\tKatze\n") << "1 word without a translation";
        QTest::newRow("flash cards") << "flashcards" << QByteArray("house\t \ncat\t\ndog\tHund\n")
                                     << "2 words without a translation";
    }

    void wordsWithoutATranslationAreCounted()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, content);
        QFETCH(QString, said);
        const Root root;
        const QStringList args = engGerImport(root, kind, content);
        checkOutput(runImport(root.path(), args + QStringList{QStringLiteral("--replace")}), 0,
                    {said + QStringLiteral("; stored without one")});
    }

    void hostileExportTargetsChangeNothing_data() { addRows(kHostileTargets); }
    void hostileExportTargetsChangeNothing()
    {
        QFETCH(int, row);
        const HostileTarget &target = kHostileTargets[row];
        const Root root;
        const QString file = target.prepare(root);
        QStringList arguments{QStringLiteral("eng-ger"), file, QStringLiteral("--data-root"), root.path()};
        if (target.replace)
            arguments.append(QStringLiteral("--replace"));
        const ProcessResult result = run(qEnvironmentVariable("VORBIX_EXPORT"), arguments);
        checkOutput(result, 1, target.expected);
        root.verifyUnchanged();
        if (target.check)
            target.check(root);
        // Nothing is left beside the target.
        QCOMPARE(QDir(root.inputs()).entryList({QStringLiteral(".*.part")}, QDir::Files | QDir::Hidden), QStringList());
    }

    // The file a link leads to is replaced when the user names it: the link
    // stays, and leads to the export. A file replaced keeps its permissions.
    void exportReplacesTheFileALinkLeadsToWhenNamed()
    {
        const Root root;
        const QString real = writeFile(root.input("real.csv"), "old\n");
        QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        QFile::link(real, root.input("link.csv"));
        const ProcessResult result = run(qEnvironmentVariable("VORBIX_EXPORT"),
                                         {QStringLiteral("eng-ger"), real, QStringLiteral("--replace"),
                                          QStringLiteral("--data-root"), root.path()});
        checkOutput(result, 0, {QStringLiteral("20 rows of eng-ger")});
        QVERIFY(readFile(real).startsWith("a,"));
        QVERIFY(QFileInfo(root.input("link.csv")).isSymLink());
        QCOMPARE(readFile(root.input("link.csv")), readFile(real));
        QCOMPARE(QFile::permissions(real) & ~(QFile::ReadUser | QFile::WriteUser),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        root.verifyUnchanged();
    }
};

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "tst_hostile_files.moc"
