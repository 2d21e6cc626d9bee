// A progress file that cannot be opened or written: a folder, a link to
// nowhere, bytes that are not a database, a damaged or foreign database, a
// newer layout, a lock held by another program, no room to grow, and (as
// a user whom permissions stop) a read-only file or data root. Each is said
// once, the file is left as it was, and every screen goes on exactly as
// without a progress file.
#include "test_support.h"

#include "data/sqlite_connection.h"
#include "grid_test/grid_screen.h"
#include "learning/learn_screen.h"
#include "progress/progress_store.h"
#include "writing_test/write_screen.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <csignal>
#include <functional>

#include <sys/resource.h>
#include <unistd.h>

using namespace vorbix;
using namespace vorbix::testing;

namespace {

// Makes the harm before the program starts; returns what runs once the
// screens have kept a first round of answers (for harm that comes later).
using Harm = std::function<std::function<void()>(const QString &path)>;
const auto nothingLater = [] { return std::function<void()>(); };

QByteArray fingerprint(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QFileInfo(path).isDir() ? "folder" : "missing";
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// A real progress file with a few answers, closed (its WAL folded in).
void makeProgressFile(const QString &path)
{
    FixedClock clock;
    ProgressStore store(path);
    for (int i = 1; i <= 40; ++i)
        store.addAnswer({{0, i, QStringLiteral("word %1").arg(i), QStringLiteral("r"), clock.at},
                         Grading::Verify,
                         QStringLiteral("typed"),
                         5,
                         true},
                        clock.at);
}

void sql(const QString &path, const QString &statement)
{
    SqliteConnection db(path, SqliteConnection::Mode::ReadWrite);
    db.exec(statement);
}

// Verify on "Write words", a right choice in the grid and a word shown by
// "Learn words", with the screens' own figures checked each time.
void answerOnEveryScreen(TestWorld &world)
{
    auto &write = static_cast<WriteScreen &>(world.navigator.screen(ScreenId::Test));
    auto &grid = static_cast<GridScreen &>(world.navigator.screen(ScreenId::TestG));
    auto &learn = static_cast<LearnScreen &>(world.navigator.screen(ScreenId::Invatare));
    world.random.draws = {0.3f};
    write.ui().Cmdcont->click();
    write.ui().Text5->setText(QStringLiteral("casa"));
    write.ui().Cmdok->click();
    QCOMPARE(write.ui().Text7->text(), QStringLiteral("10"));
    world.random.draws = {0.5f, 0.1f, 0.2f, 0.3f, 0.4f, 0.9f, 0.7f, 0.5f, 0.3f, 0.1f};
    grid.ui().Cmdcont->click();
    grid.ui().Option14[0]->click();
    QCOMPARE(grid.ui().Text7->text(), QStringLiteral("10"));
    QVERIFY(!grid.timer().isActive());
    world.random.draws = {0.5f};
    learn.ui().Cmdcont->click();
    QCOMPARE(learn.ui().Text3->text(), QStringLiteral("dog"));
}

} // namespace

Q_DECLARE_METATYPE(Harm)

class TestProgressFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void brokenFilesAreSaidOnceAndTheScreensGoOn_data();
    void brokenFilesAreSaidOnceAndTheScreensGoOn();
    void readOnlyPlaces_data();
    void readOnlyPlaces();
};

void TestProgressFiles::brokenFilesAreSaidOnceAndTheScreensGoOn_data()
{
    QTest::addColumn<Harm>("harm");
    QTest::addColumn<QString>("said");  // part of the message; empty: nothing to say
    QTest::addColumn<bool>("untouched"); // the file stays exactly as it was

    QTest::newRow("a folder in its place") << Harm([](const QString &path) {
        QDir().mkpath(path);
        return nothingLater();
    }) << "is a folder" << true;
    QTest::newRow("a link that leads nowhere") << Harm([](const QString &path) {
        QFile::link(path + QStringLiteral(".gone"), path);
        return nothingLater();
    }) << "leads nowhere" << true;
    QTest::newRow("a link to itself") << Harm([](const QString &path) {
        QFile::link(path, path);
        return nothingLater();
    }) << "leads nowhere" << true;
    QTest::newRow("text, not a database") << Harm([](const QString &path) {
        write(path, QByteArray("answers,scores\n").repeated(400));
        return nothingLater();
    }) << "not a database" << true;
    QTest::newRow("cut off after 1000 bytes") << Harm([](const QString &path) {
        makeProgressFile(path);
        QFile file(path);
        file.resize(1000);
        return nothingLater();
    }) << "progress.db" << true;
    QTest::newRow("damaged pages") << Harm([](const QString &path) {
        makeProgressFile(path);
        QFile file(path);
        if (file.open(QIODevice::ReadWrite)) {
            file.seek(4096);
            file.write(QByteArray(file.size() - 4096, '\x5a'));
        }
        return nothingLater();
    }) << "malformed" << true;
    QTest::newRow("another program's database") << Harm([](const QString &path) {
        SqliteConnection db(path, SqliteConnection::Mode::Create);
        db.exec(QStringLiteral("CREATE TABLE notes (id INTEGER PRIMARY KEY, text TEXT)"));
        db.exec(QStringLiteral("INSERT INTO notes (text) VALUES ('mine')"));
        return nothingLater();
    }) << "not a Vorbix progress file" << true;
    QTest::newRow("a newer Vorbix's layout") << Harm([](const QString &path) {
        makeProgressFile(path);
        sql(path, QStringLiteral("PRAGMA user_version = 7"));
        return nothingLater();
    }) << "another version of Vorbix" << true;
    QTest::newRow("locked by another program") << Harm([](const QString &path) {
        makeProgressFile(path);
        auto *db = new QSqlDatabase(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("locker")));
        db->setDatabaseName(path);
        db->open();
        QSqlQuery(*db).exec(QStringLiteral("BEGIN EXCLUSIVE"));
        return std::function<void()>([db] {
            // Released only after the screens have tried and given up.
            db->close();
            delete db;
            QSqlDatabase::removeDatabase(QStringLiteral("locker"));
        });
    }) << "locked" << true;
    QTest::newRow("no room to grow") << Harm([](const QString &) {
        // After the first round: a file size limit that the next frame of
        // the write-ahead log passes, as a full disk would stop it.
        return std::function<void()>([] {
            ::signal(SIGXFSZ, SIG_IGN);
            rlimit limit{4096, RLIM_INFINITY};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        });
    }) << "progress.db" << false;
    QTest::newRow("an empty file is a new one") << Harm([](const QString &path) {
        write(path, {});
        return nothingLater();
    }) << QString() << false;
}

void TestProgressFiles::brokenFilesAreSaidOnceAndTheScreensGoOn()
{
    QFETCH(Harm, harm);
    QFETCH(QString, said);
    QFETCH(bool, untouched);
    TestWorld world(sampleTables());
    const QString path = ProgressStore::pathIn(world.root());
    const std::function<void()> later = harm(path);
    const QByteArray before = fingerprint(path);
    const auto lift = [] {
        rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY};
        ::setrlimit(RLIMIT_FSIZE, &unlimited);
    };
    const auto liftAtTheEnd = qScopeGuard(lift);

    answerOnEveryScreen(world);
    if (later) {
        later();
        answerOnEveryScreen(world);
    }
    lift(); // the limit goes before anything else is written
    answerOnEveryScreen(world); // and nothing more is said

    if (said.isEmpty()) {
        QVERIFY2(world.messages.shown.isEmpty(), qPrintable(world.messages.shown.value(0).text));
        QCOMPARE(world.progress.report(0).answers, 4); // two rounds of a Verify and a choice
        return;
    }
    QCOMPARE(world.messages.shown.size(), 1);
    const Message &message = world.messages.shown[0];
    QVERIFY2(message.text.contains(QStringLiteral("cannot keep your progress")), qPrintable(message.text));
    QVERIFY2(message.text.contains(said), qPrintable(message.text));
    QCOMPARE(message.icon, MessageIcon::Exclamation);
    QVERIFY(!world.progress.problem().isEmpty()); // the Progress window says why
    if (untouched)
        QCOMPARE(fingerprint(path), before);
    else
        QCOMPARE(SqliteConnection(path, SqliteConnection::Mode::ReadWrite)
                     .scalar(QStringLiteral("PRAGMA integrity_check"))
                     .toString(),
                 QStringLiteral("ok"));
}

void TestProgressFiles::readOnlyPlaces_data()
{
    QTest::addColumn<bool>("folder"); // the data root read-only, with no progress file yet
    QTest::newRow("a read-only progress file") << false;
    QTest::newRow("a read-only data root") << true;
}

void TestProgressFiles::readOnlyPlaces()
{
    if (::geteuid() == 0) {
        // Permissions do not stop root: the case runs again in a child, as
        // a user they do stop.
        const QString failure = failureAsUnprivilegedUser("readOnlyPlaces");
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        return;
    }
    QFETCH(bool, folder);
    TestWorld world(sampleTables());
    const QString path = ProgressStore::pathIn(world.root());
    const auto readOnly = QFile::ReadOwner | QFile::ReadUser | QFile::ExeOwner | QFile::ExeUser;
    if (!folder)
        makeProgressFile(path);
    const QByteArray before = fingerprint(path);
    QVERIFY(QFile::setPermissions(folder ? world.root() : path, folder ? readOnly : QFile::ReadOwner | QFile::ReadUser));
    const auto restore = qScopeGuard([&] {
        QFile::setPermissions(world.root(), readOnly | QFile::WriteOwner);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    });
    answerOnEveryScreen(world);
    answerOnEveryScreen(world);
    QCOMPARE(world.messages.shown.size(), 1);
    QVERIFY2(world.messages.shown[0].text.contains(QStringLiteral("progress.db")),
             qPrintable(world.messages.shown[0].text));
    QCOMPARE(fingerprint(path), before);
    if (!folder)
        QCOMPARE(world.progress.report(0).answers, 40); // what was kept can still be read
}

QTEST_MAIN(TestProgressFiles)
#include "tst_progress_files.moc"
