#include "test_support.h"

#include "data/cursor.h"
#include "data/record_error.h"
#include "data/settings_record.h"
#include "data/sqlite_connection.h"
#include "data/store_paths.h"
#include "data/word_count.h"
#include "data/word_store.h"

#include <QFileInfo>
#include <QTest>

using namespace vorbix;
using namespace vorbix::testing;

class TestWordStore : public QObject
{
    Q_OBJECT

private:
    const LanguagePair &enspa = kLanguagePairs[0];
    const LanguagePair &fraen = kLanguagePairs[3];

private Q_SLOTS:
    void drivePathsMapUnderTheDataRoot();
    void wordCountUsesTheCacheOnlyForItsOwnPair();
    void untrustworthyCachedCountIsRecounted();
    void settingsSurviveReopeningTheFile();
    void findFirstAndLastKeepTheCursorOnNoMatch();
    void prefixMatchingIgnoresCaseButNotAccents();
    void quotesAndWildcardsAreOrdinaryCharacters();
    void indexSearchWorksWhenNumberingDoesNotStartAtOne();
    void steppingOffEitherEndFailsOnTheNextRead();
    void emptyTableAndMissingFileFail();
    void replacedTableIsReadAgainWhenItsPairIsCounted();
};

void TestWordStore::drivePathsMapUnderTheDataRoot()
{
    QCOMPARE(mapDrivePath(QStringLiteral("C:\\English\\engmi.mdb"), QStringLiteral("/d")),
             QStringLiteral("/d/English/engmi.db"));
    QCOMPARE(mapDrivePath(QStringLiteral("C:\\Engleza\\eng.mdb"), QStringLiteral("/d/")),
             QStringLiteral("/d/Engleza/eng.db"));
}

void TestWordStore::wordCountUsesTheCacheOnlyForItsOwnPair()
{
    QTemporaryDir dir;
    writeDatabase(dir.path(), files::kMain, {{QStringLiteral("enspa"), rows({"a=1", "b=2", "c=3"})}},
                  QStringLiteral("enspa"), 2);
    WordStore store(dir.path());
    const QString path = store.filePath(files::kMain);
    SettingsRecord settings(path);
    Cursor words(store, path, enspa);

    // The cached count is believed as it stands, and the cursor does not move.
    QCOMPARE(wordCount(settings, words), 2);
    QCOMPARE(words.index(), 1);
    QCOMPARE(readSettings(dir.path(), files::kMain), qMakePair(QStringLiteral("enspa"), qint64(2)));

    // Another pair is counted from its last record and both fields are rewritten.
    writeSettings(dir.path(), files::kMain, QStringLiteral("geren"), 58);
    QCOMPARE(wordCount(settings, words), 3);
    QCOMPARE(words.index(), 3);
    QCOMPARE(readSettings(dir.path(), files::kMain), qMakePair(QStringLiteral("enspa"), qint64(3)));
}

void TestWordStore::untrustworthyCachedCountIsRecounted()
{
    QTemporaryDir dir;
    writeDatabase(dir.path(), files::kMain, {{QStringLiteral("enspa"), rows({"a=1", "b=2"})}},
                  QStringLiteral("enspa"), 0);
    WordStore store(dir.path());
    SettingsRecord settings(store.filePath(files::kMain));
    Cursor words(store, store.filePath(files::kMain), enspa);
    QCOMPARE(wordCount(settings, words), 2);
    QCOMPARE(readSettings(dir.path(), files::kMain).second, qint64(2));
}

void TestWordStore::settingsSurviveReopeningTheFile()
{
    QTemporaryDir dir;
    writeDatabase(dir.path(), files::kMain, {});
    {
        SettingsRecord settings(mapDrivePath(QLatin1String(files::kMain), dir.path()));
        settings.write(QStringLiteral("fraen"), 54);
    }
    SettingsRecord reopened(mapDrivePath(QLatin1String(files::kMain), dir.path()));
    const SettingsRecord::Values values = reopened.read();
    QCOMPARE(values.current, QStringLiteral("fraen"));
    QCOMPARE(values.count, std::optional<qint64>(54));
}

void TestWordStore::findFirstAndLastKeepTheCursorOnNoMatch()
{
    QTemporaryDir dir;
    writeDatabase(dir.path(), files::kMain,
                  {{QStringLiteral("enspa"), rows({"apple=x", "bad=x", "bed=x", "big=x", "cat=x"})}});
    WordStore store(dir.path());
    Cursor words(store, store.filePath(files::kMain), enspa);

    words.findFirst(PrefixEquals{1, QStringLiteral("b")});
    QVERIFY(!words.noMatch());
    QCOMPARE(words.index(), 2);
    words.findLast(PrefixEquals{1, QStringLiteral("b")});
    QCOMPARE(words.index(), 4);

    words.findFirst(PrefixEquals{1, QStringLiteral("z")});
    QVERIFY(words.noMatch());
    QCOMPARE(words.index(), 4); // stays where it was
    words.findLast(PrefixEquals{2, QStringLiteral("zz")});
    QVERIFY(words.noMatch());
    QCOMPARE(words.index(), 4);

    // A search that finds resets the flag.
    words.findFirst(IndexEquals{5});
    QVERIFY(!words.noMatch());
    QCOMPARE(*words.source(), QStringLiteral("cat"));
    words.findFirst(IndexEquals{0});
    QVERIFY(words.noMatch());
    QCOMPARE(words.index(), 5);
}

void TestWordStore::prefixMatchingIgnoresCaseButNotAccents()
{
    QTemporaryDir dir;
    writeDatabase(dir.path(), files::kMain,
                  {{QStringLiteral("fraen"), rows({"  avec=with", "élève=pupil", "Ecole=school", "Être=to be"})}});
    WordStore store(dir.path());
    Cursor words(store, store.filePath(files::kMain), fraen);

    const struct
    {
        int length;
        const char *text;
        int expected; // 0: no match
    } cases[] = {
        {3, "ÉLÈ", 2},  // capitals fold onto small accented letters
        {1, "e", 3},    // accents are exact: "é" is not "e"
        {2, "êt", 4},
        {6, "avec", 1},   // the first six characters, blanks trimmed away...
        {4, "avec", 0},   // ...so four of them hold only "  av"
        {6, "  avec", 0}, // a text with leading blanks never matches
        {4, "ave ", 0},
        {30, "école", 0}, // the whole word must be equal when n exceeds it
        {30, "Ecole", 3},
    };
    for (const auto &c : cases) {
        words.moveFirst();
        words.findFirst(PrefixEquals{c.length, QString::fromUtf8(c.text)});
        QVERIFY2(words.noMatch() == (c.expected == 0), c.text);
        if (c.expected)
            QCOMPARE(words.index(), c.expected);
    }
}

void TestWordStore::quotesAndWildcardsAreOrdinaryCharacters()
{
    QTemporaryDir dir;
    writeDatabase(dir.path(), files::kMain,
                  {{QStringLiteral("fraen"), rows({"abc=x", "aujourd'hui=today", "a%b=y", "a_c=z"})}});
    WordStore store(dir.path());
    Cursor words(store, store.filePath(files::kMain), fraen);
    words.findFirst(PrefixEquals{11, QStringLiteral("Aujourd'hui")});
    QCOMPARE(words.index(), 2);
    words.findFirst(PrefixEquals{3, QStringLiteral("a%b")});
    QCOMPARE(words.index(), 3);
    words.findFirst(PrefixEquals{3, QStringLiteral("a_c")});
    QCOMPARE(words.index(), 4);
    words.findFirst(PrefixEquals{2, QStringLiteral("'")});
    QVERIFY(words.noMatch());
}

void TestWordStore::indexSearchWorksWhenNumberingDoesNotStartAtOne()
{
    QTemporaryDir dir;
    QVector<WordRow> shifted = rows({"a=1", "b=2", "c=3"});
    for (WordRow &row : shifted)
        row.index += 9;
    writeDatabase(dir.path(), files::kMain, {{QStringLiteral("enspa"), shifted}});
    WordStore store(dir.path());
    Cursor words(store, store.filePath(files::kMain), enspa);
    words.findFirst(IndexEquals{11});
    QCOMPARE(*words.source(), QStringLiteral("b"));
    words.findFirst(IndexEquals{1});
    QVERIFY(words.noMatch());
    QCOMPARE(countFromLastRecord(words), 12);
}

void TestWordStore::steppingOffEitherEndFailsOnTheNextRead()
{
    QTemporaryDir dir;
    writeDatabase(dir.path(), files::kMain, {{QStringLiteral("enspa"), rows({"a=1", "b=2", "c=3"})}});
    WordStore store(dir.path());
    Cursor words(store, store.filePath(files::kMain), enspa);

    words.moveFirst();
    words.moveNext(2);
    QCOMPARE(words.index(), 3);
    words.moveNext(1); // past the last record: no current record
    QVERIFY_THROWS_EXCEPTION(RecordError, words.index());
    QVERIFY_THROWS_EXCEPTION(RecordError, words.moveNext());

    words.moveFirst();
    QVERIFY_THROWS_EXCEPTION(RecordError, words.moveNext(4));
    words.moveLast();
    words.movePrevious(2);
    QCOMPARE(words.index(), 1);
    words.movePrevious(0);
    QCOMPARE(words.index(), 1);
    words.movePrevious();
    QVERIFY_THROWS_EXCEPTION(RecordError, words.source());
}

void TestWordStore::emptyTableAndMissingFileFail()
{
    QTemporaryDir dir;
    writeDatabase(dir.path(), files::kMain, {});
    WordStore store(dir.path());
    Cursor empty(store, store.filePath(files::kMain), enspa);
    QVERIFY_THROWS_EXCEPTION(RecordError, empty.moveFirst());
    QVERIFY_THROWS_EXCEPTION(RecordError, empty.moveLast());
    QVERIFY_THROWS_EXCEPTION(RecordError, empty.index());
    empty.findFirst(PrefixEquals{1, QStringLiteral("a")});
    QVERIFY(empty.noMatch());

    const QString missing = store.filePath(files::kTestSettings);
    Cursor nowhere(store, missing, enspa);
    QVERIFY_THROWS_EXCEPTION(RecordError, nowhere.moveFirst());
    SettingsRecord settings(missing);
    QVERIFY_THROWS_EXCEPTION(RecordError, settings.read());
    QVERIFY_THROWS_EXCEPTION(RecordError, settings.write(QStringLiteral("enspa"), 1));
    QVERIFY(!QFileInfo::exists(missing)); // opening never creates the file
    QCOMPARE(store.unusableFiles().size(), 2); // the Convdiv and Engleza files
}

void TestWordStore::replacedTableIsReadAgainWhenItsPairIsCounted()
{
    QTemporaryDir dir;
    writeDatabase(dir.path(), files::kMain, {{QStringLiteral("enspa"), rows({"a=1", "b=2", "c=3"})}});
    WordStore store(dir.path());
    const QString path = store.filePath(files::kMain);
    Cursor words(store, path, enspa);
    QCOMPARE(countFromLastRecord(words), 3);
    const auto loaded = store.table(path, enspa);
    QCOMPARE(store.freshTable(path, enspa), loaded); // an unchanged file is not read again
    writeSettings(dir.path(), files::kMain, QStringLiteral("enspa"), 3);
    QCOMPARE(store.freshTable(path, enspa), loaded); // nor after a settings write

    // vorbix-import replaces a table by dropping and creating it.
    {
        SqliteConnection db(path, SqliteConnection::Mode::ReadWrite);
        db.exec(QStringLiteral("DROP TABLE enspa"));
        createWordTable(db, enspa);
        writeWordTable(db, enspa, rows({"v=1", "w=2", "x=3", "y=4", "z=5"}));
    }
    words.moveFirst();
    QCOMPARE(*words.source(), QStringLiteral("a")); // kept until the pair is counted again
    QCOMPARE(countFromLastRecord(words), 5);
    words.moveFirst();
    QCOMPARE(*words.source(), QStringLiteral("v"));
}

QTEST_GUILESS_MAIN(TestWordStore)
#include "tst_word_store.moc"
