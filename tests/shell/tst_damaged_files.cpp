// The exercise screens on broken and hostile database files: the program
// starts, stays usable, names the file in a message, never floods the user
// with messages and never changes a file it was not asked to change.
#include "test_support.h"

#include "data/sqlite_connection.h"
#include "data/store_paths.h"
#include "dictionary/start_screen.h"
#include "grid_test/grid_screen.h"
#include "learning/learn_screen.h"
#include "shell/startup.h"
#include "writing_test/write_screen.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <functional>

#include <unistd.h>

using namespace vorbix;
using namespace vorbix::testing;

namespace {

using Damage = std::function<void(const QString &root)>;

QString pathOf(const QString &root, const char *drivePath)
{
    return mapDrivePath(QLatin1String(drivePath), root);
}

void sql(const QString &path, const QString &statements)
{
    SqliteConnection db(path, SqliteConnection::Mode::ReadWrite);
    for (const QString &statement : statements.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        db.exec(statement.trimmed());
}

void overwrite(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray fingerprint(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "missing";
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// Every screen, every kind of action, each a few times (8 actions a round,
// 3 rounds), then "Learn words" run by the clock (3 more).
constexpr int kActions = 3 * 8 + 3;
void useEveryScreen(TestWorld &world)
{
    auto &start = static_cast<StartScreen &>(world.navigator.screen(ScreenId::Start));
    auto &learn = static_cast<LearnScreen &>(world.navigator.screen(ScreenId::Invatare));
    auto &write = static_cast<WriteScreen &>(world.navigator.screen(ScreenId::Test));
    auto &grid = static_cast<GridScreen &>(world.navigator.screen(ScreenId::TestG));
    for (int round = 0; round < 3; ++round) {
        start.ui().pairOptions[round + 1]->click();
        start.ui().Text0->setText(QStringLiteral("ho"));
        learn.ui().pairOptions[round]->click();
        learn.ui().Cmdcont->click();
        write.ui().Cmdcont->click();
        write.ui().Cmdok->click();
        grid.ui().Cmdcont->click();
        grid.ui().Option14[round]->click();
    }
    learn.ui().Check2->setChecked(true);
    learn.ui().Cmdcont->click(); // pauses the words shown
    learn.ui().Cmdcont->click(); // and runs them by the clock
}

// Five ticks of "Learn words"; returns the messages they brought.
qsizetype tickLearnWords(TestWorld &world)
{
    const qsizetype before = world.messages.shown.size();
    auto &learn = static_cast<LearnScreen &>(world.navigator.screen(ScreenId::Invatare));
    for (int i = 0; i < 5; ++i)
        world.tickers.of(learn.ui().Timer1).fire();
    return world.messages.shown.size() - before;
}

} // namespace

Q_DECLARE_METATYPE(Damage)

class TestDamagedFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exerciseScreensSurvive_data();
    void exerciseScreensSurvive();
    void aDatabaseLockedLongerThanTheBusyTimeout();
    void readOnlyFiles_data();
    void readOnlyFiles();
    void anEmptiedTableIsToldOnce();
    void aFileMovedAwayIsNamedAsSuchAndOneBroughtBackIsUsed();
};

void TestDamagedFiles::exerciseScreensSurvive_data()
{
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<QString>("named");      // the file a message must name; empty: no message at all
    QTest::addColumn<QString>("untouched");  // a damaged file that must keep its bytes
    const char *main = files::kMain;

    for (const char *file : {files::kMain, files::kLearningFrench, files::kTestSettings}) {
        const QString name = QString::fromLatin1(file).section(QLatin1Char('\\'), 1).replace(QLatin1Char('\\'), QLatin1Char('/'))
                                 .replace(QStringLiteral(".mdb"), QStringLiteral(".db"));
        QTest::addRow("%s missing", qPrintable(name))
            << Damage([file](const QString &root) { QFile::remove(pathOf(root, file)); }) << name << QString();
    }
    QTest::newRow("empty file") << Damage([main](const QString &root) { overwrite(pathOf(root, main), {}); })
                                << "English/engmi.db" << "English/engmi.db";
    QTest::newRow("random bytes") << Damage([main](const QString &root) {
        QByteArray noise;
        for (int i = 0; i < 8192; ++i)
            noise.append(char((i * 7919) % 251));
        overwrite(pathOf(root, main), noise);
    }) << "English/engmi.db" << "English/engmi.db";
    QTest::newRow("truncated database") << Damage([main](const QString &root) {
        QFile file(pathOf(root, main));
        QVERIFY(file.resize(file.size() / 2));
    }) << "English/engmi.db" << "English/engmi.db";
    QTest::newRow("word table missing") << Damage([main](const QString &root) {
        sql(pathOf(root, main), QStringLiteral("DROP TABLE enspa"));
    }) << "English/engmi.db" << QString(); // its settings record is still written for the other pairs
    QTest::newRow("no settings record") << Damage([](const QString &root) {
        sql(pathOf(root, files::kTestSettings), QStringLiteral("DELETE FROM ini"));
    }) << "Engleza/eng.db" << "Engleza/eng.db";
    QTest::newRow("two settings records") << Damage([main](const QString &root) {
        sql(pathOf(root, main), QStringLiteral("INSERT INTO ini (curent, nrcur) VALUES ('geren', 3)"));
    }) << QString() << QString();
    QTest::newRow("count out of range") << Damage([main](const QString &root) {
        sql(pathOf(root, main), QStringLiteral("UPDATE ini SET curent = 'enspa', nrcur = 40000"));
    }) << QString() << QString();
    QTest::newRow("Index with gaps") << Damage([main](const QString &root) {
        sql(pathOf(root, main), QStringLiteral("UPDATE enspa SET [Index] = [Index] * 3"));
    }) << QString() << QString();
    QTest::newRow("missing words") << Damage([main](const QString &root) {
        sql(pathOf(root, main), QStringLiteral("UPDATE enspa SET en = NULL WHERE [Index] % 2 = 0; "
                                               "UPDATE enspa SET spa = NULL WHERE [Index] % 3 = 0"));
    }) << QString() << QString();
    QTest::newRow("a word of 10 000 characters") << Damage([main](const QString &root) {
        sql(pathOf(root, main), QStringLiteral("UPDATE enspa SET en = printf('%.10000c', 'x'), "
                                               "spa = printf('%.10000c', 'y') WHERE [Index] <= 20"));
    }) << QString() << QString();
}

void TestDamagedFiles::exerciseScreensSurvive()
{
    QFETCH(Damage, damage);
    QFETCH(QString, named);
    QFETCH(QString, untouched);
    TestWorld world(sampleTables());
    damage(world.root());
    const QString untouchedPath = untouched.isEmpty() ? QString() : world.root() + QLatin1Char('/') + untouched;
    const QByteArray before = untouched.isEmpty() ? QByteArray() : fingerprint(untouchedPath);
    for (int i = 0; i < 400; ++i)
        world.random.draws.append(float((i * 37) % 100) / 100.0f);

    startAndWait(world);
    useEveryScreen(world);
    const qsizetype fromTicks = tickLearnWords(world);
    auto &learn = static_cast<LearnScreen &>(world.navigator.screen(ScreenId::Invatare));

    if (named.isEmpty()) {
        QVERIFY2(world.messages.shown.isEmpty(), qPrintable(world.messages.shown.value(0).text));
    } else {
        QVERIFY(!world.messages.shown.isEmpty());
        QVERIFY2(world.messages.shown[0].text.contains(named), qPrintable(world.messages.shown[0].text));
        // One message per action at the most, never one per tick.
        QVERIFY2(world.messages.shown.size() <= 1 + kActions, qPrintable(QString::number(world.messages.shown.size())));
    }
    QVERIFY(!world.pointer.isBusy());
    // A failing tick stops its timer and says so once; the ticks after it bring nothing.
    QVERIFY(fromTicks <= 1);
    QVERIFY(fromTicks == 0 || !world.tickers.of(learn.ui().Timer1).isActive());
    if (!untouched.isEmpty())
        QCOMPARE(fingerprint(untouchedPath), before);
}

void TestDamagedFiles::aDatabaseLockedLongerThanTheBusyTimeout()
{
    TestWorld world(sampleTables());
    world.random.draws = {0.5f, 0.5f};
    startAndWait(world);
    auto &learn = static_cast<LearnScreen &>(world.navigator.screen(ScreenId::Invatare));
    {
        // Another program holds the file locked.
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("locker"));
        other.setDatabaseName(pathOf(world.root(), files::kMain));
        QVERIFY(other.open());
        QSqlQuery lock(other);
        QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        learn.ui().Cmdcont->click(); // the count must be read and saved: it waits, then gives up
        QVERIFY(lock.exec(QStringLiteral("ROLLBACK")));
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("locker"));
    QCOMPARE(world.messages.shown.size(), 1);
    QVERIFY(world.messages.shown[0].text.contains(QStringLiteral("English/engmi.db")));
    learn.ui().Cmdcont->click(); // usable again once the lock is gone
    QCOMPARE(world.messages.shown.size(), 1);
    QVERIFY(!learn.ui().Text3->text().isEmpty());
}

void TestDamagedFiles::readOnlyFiles_data()
{
    QTest::addColumn<bool>("folders"); // the files' folders read-only rather than the files
    QTest::newRow("read-only files") << false;
    QTest::newRow("read-only folders") << true;
}

void TestDamagedFiles::readOnlyFiles()
{
    if (::geteuid() == 0) {
        // File permissions do not stop root: the case runs again in a child,
        // as a user they do stop, and builds its own files there.
        const QString failure = failureAsUnprivilegedUser("readOnlyFiles");
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        return;
    }
    QFETCH(bool, folders);
    TestWorld world(sampleTables());
    for (int i = 0; i < 400; ++i)
        world.random.draws.append(float((i * 37) % 100) / 100.0f);
    QStringList paths, names;
    QList<QByteArray> before;
    for (const char *file : {files::kMain, files::kLearningFrench, files::kTestSettings}) {
        paths.append(pathOf(world.root(), file));
        names.append(QFileInfo(paths.last()).dir().dirName() + QLatin1Char('/') + QFileInfo(paths.last()).fileName());
        before.append(fingerprint(paths.last()));
    }
    const auto readOnly = QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup | QFile::ReadOther;
    const auto traverse = QFile::ExeOwner | QFile::ExeUser | QFile::ExeGroup | QFile::ExeOther;
    for (const QString &path : std::as_const(paths))
        QVERIFY(folders ? QFile::setPermissions(QFileInfo(path).absolutePath(), readOnly | traverse)
                        : QFile::setPermissions(path, readOnly));
    // Writable again when the case ends, so that the folder can be removed.
    const auto restore = qScopeGuard([&] {
        for (const QString &path : std::as_const(paths)) {
            QFile::setPermissions(QFileInfo(path).absolutePath(), readOnly | traverse | QFile::WriteOwner);
            QFile::setPermissions(path, readOnly | QFile::WriteOwner);
        }
    });

    startAndWait(world);
    useEveryScreen(world);
    tickLearnWords(world);
    auto &start = static_cast<StartScreen &>(world.navigator.screen(ScreenId::Start));
    auto &learn = static_cast<LearnScreen &>(world.navigator.screen(ScreenId::Invatare));

    // The words are read and shown all the same; every file whose settings
    // record could not be saved is named once, never once per action or tick.
    QVERIFY(!world.messages.shown.isEmpty());
    QStringList named;
    for (const auto &message : std::as_const(world.messages.shown)) {
        QVERIFY2(message.text.contains(QStringLiteral("cannot be saved")), qPrintable(message.text));
        const auto file = std::find_if(names.cbegin(), names.cend(), [&](const QString &n) { return message.text.contains(n); });
        QVERIFY2(file != names.cend(), qPrintable(message.text));
        QVERIFY2(!named.contains(*file), qPrintable(*file + QStringLiteral(" named twice")));
        named.append(*file);
    }
    QVERIFY(named.contains(names[0]));
    QVERIFY(!start.ui().targetWord[0]->text().isEmpty());
    QVERIFY(!learn.ui().Text3->text().isEmpty());
    QVERIFY(!world.pointer.isBusy());
    QVERIFY(world.tickers.of(learn.ui().Timer1).isActive());
    for (int i = 0; i < paths.size(); ++i)
        QCOMPARE(fingerprint(paths[i]), before[i]);
}

// A table emptied on purpose (vorbix-import --allow-empty) is a state, not
// an accident: said once, in the user's words, and not as a missing record
// with advice to build the files anew.
void TestDamagedFiles::anEmptiedTableIsToldOnce()
{
    Tables tables = sampleTables();
    tables[QStringLiteral("enspa")].clear();
    TestWorld world(tables);
    for (int i = 0; i < 400; ++i)
        world.random.draws.append(float((i * 37) % 100) / 100.0f);
    startProgram(world.navigator, world.store, world.messages);
    for (int round = 0; round < 3; ++round)
        useEveryScreen(world);
    auto &learn = static_cast<LearnScreen &>(world.navigator.screen(ScreenId::Invatare));
    auto &grid = static_cast<GridScreen &>(world.navigator.screen(ScreenId::TestG));
    for (int i = 0; i < 5; ++i) {
        learn.ui().pairOptions[0]->click();
        grid.ui().pairOptions[0]->click();
        grid.ui().Cmdcont->click();
    }
    QCOMPARE(world.messages.shown.size(), 1);
    const QString text = world.messages.shown[0].text;
    QVERIFY2(text.contains(QStringLiteral("The eng-spa table in")) && text.contains(QStringLiteral("English/engmi.db holds no words")),
             qPrintable(text));
    QVERIFY2(!text.contains(QStringLiteral("no current record")) && !text.contains(QStringLiteral("freedict")), qPrintable(text));
    QVERIFY(!world.pointer.isBusy());
}

// A file renamed away while the program runs is named as moved, not as
// read-only; a file put back in its place is where the count goes again.
// (Engleza/eng.db holds only the tests' settings record: their words still
// come from English/engmi.db.)
void TestDamagedFiles::aFileMovedAwayIsNamedAsSuchAndOneBroughtBackIsUsed()
{
    TestWorld world(sampleTables());
    startProgram(world.navigator, world.store, world.messages);
    world.navigator.screen(ScreenId::Start).findChild<QPushButton *>(QStringLiteral("cmdTestG"))->click();
    auto &grid = static_cast<GridScreen &>(world.navigator.screen(ScreenId::TestG));
    grid.ui().pairOptions[1]->click();
    QCOMPARE(readSettings(world.root(), files::kTestSettings), qMakePair(QStringLiteral("spaen"), qint64(20)));

    const QString settings = pathOf(world.root(), files::kTestSettings);
    QVERIFY(QFile::rename(settings, settings + QStringLiteral(".moved")));
    grid.ui().pairOptions[2]->click();
    QVERIFY(grid.ui().pairOptions[2]->isChecked());  // the words still show
    QCOMPARE(world.messages.shown.size(), 1);
    const QString text = world.messages.shown[0].text;
    QVERIFY2(text.contains(QStringLiteral("Engleza/eng.db cannot be saved: the file was moved or deleted")), qPrintable(text));
    QVERIFY2(!text.contains(QStringLiteral("readonly")) && !text.contains(QStringLiteral("read-only")), qPrintable(text));

    // A copy put back is a file of its own: the record is saved there.
    QVERIFY(QFile::copy(settings + QStringLiteral(".moved"), settings));
    grid.ui().pairOptions[4]->click();
    QCOMPARE(readSettings(world.root(), files::kTestSettings), qMakePair(QStringLiteral("enger"), qint64(20)));
    QCOMPARE(world.messages.shown.size(), 1);
}

QTEST_MAIN(TestDamagedFiles)
#include "tst_damaged_files.moc"
