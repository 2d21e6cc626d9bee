#include "test_support.h"

#include "app/progress_opener.h"
#include "app/screen_factory.h"
#include "data/settings_record.h"
#include "data/sqlite_connection.h"
#include "data/store_paths.h"
#include "shell/startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

namespace vorbix::testing {

float ScriptedRandom::next()
{
    if (draws.isEmpty()) {
        qFatal("ScriptedRandom: no draw left");
    }
    return draws.takeFirst();
}

std::unique_ptr<Ticker> ManualTickers::make(QTimer *designTimer)
{
    auto ticker = std::make_unique<ManualTicker>();
    m_made.insert(designTimer, ticker.get());
    return ticker;
}

ManualTicker &ManualTickers::of(QTimer *designTimer)
{
    ManualTicker *ticker = m_made.value(designTimer);
    if (!ticker)
        qFatal("ManualTickers: no ticker was made for this timer");
    return *ticker;
}

QLocale pointLocale()
{
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

QLocale commaLocale()
{
    return QLocale(QLocale::German, QLocale::Germany);
}

QVector<WordRow> rows(const QStringList &items)
{
    QVector<WordRow> result;
    int index = 0;
    for (const QString &item : items) {
        const qsizetype sign = item.indexOf(QLatin1Char('='));
        WordRow row;
        row.index = ++index;
        row.source = item.left(sign);
        const QString target = item.mid(sign + 1);
        if (!target.isEmpty())
            row.target = target;
        result.append(row);
    }
    return result;
}

void writeDatabase(const QString &root, const char *drivePath, const Tables &tables, const QString &current,
                   int count)
{
    const QString path = mapDrivePath(QLatin1String(drivePath), root);
    QDir().mkpath(QFileInfo(path).path());
    QFile::remove(path);
    SqliteConnection db(path, SqliteConnection::Mode::Create);
    db.exec(QStringLiteral("PRAGMA synchronous = OFF")); // test data need not survive a power cut
    createDatabaseSchema(db, current, count);
    for (const LanguagePair &pair : kLanguagePairs) {
        const auto found = tables.constFind(QLatin1String(pair.tableCode));
        if (found != tables.constEnd())
            writeWordTable(db, pair, found.value());
    }
}

QPair<QString, qint64> readSettings(const QString &root, const char *drivePath)
{
    SettingsRecord record(mapDrivePath(QLatin1String(drivePath), root));
    const SettingsRecord::Values values = record.read();
    return {values.current, values.count.value_or(-1)};
}

void writeSettings(const QString &root, const char *drivePath, const QString &current, int count)
{
    SettingsRecord record(mapDrivePath(QLatin1String(drivePath), root));
    record.write(current, count);
}

TestWorld::TestWorld(const Tables &tables)
    : store(m_dir.path())
    , progress(m_dir.path(), clock, messages)
    , services{store, messages, random, tickers, pointer, pointLocale(), speech, clock, progress}
    , navigator(services, makeScreen)
{
    navigator.setProgressOpener(makeProgressOpener(services, navigator));
    for (const char *file : {files::kMain, files::kLearningFrench, files::kTestSettings})
        writeDatabase(m_dir.path(), file, tables);
}

TestWorld::~TestWorld() = default;

Tables sampleTables()
{
    const QStringList english = {
        QStringLiteral("a=un"),          QStringLiteral("about=acerca"),  QStringLiteral("above=encima"),
        QStringLiteral("bad=malo"),      QStringLiteral("bed=cama"),      QStringLiteral("big=grande"),
        QStringLiteral("book=libro"),    QStringLiteral("car=coche, carro"), QStringLiteral("cat=gato"),
        QStringLiteral("dog=perro"),     QStringLiteral("glass="),        QStringLiteral("home=hogar"),
        QStringLiteral("horse=caballo"), QStringLiteral("house=casa"),    QStringLiteral("in=en"),
        QStringLiteral("ink=tinta"),     QStringLiteral("inside=dentro"), QStringLiteral("kind=amable"),
        QStringLiteral("king=rey"),      QStringLiteral("kitchen=cocina"),
    };
    Tables tables;
    for (const LanguagePair &pair : kLanguagePairs)
        tables.insert(QLatin1String(pair.tableCode), rows(english));
    return tables;
}

void startAndWait(TestWorld &world)
{
    bool started = false;
    startProgram(world.navigator, world.store, world.messages, [&started](bool) { started = true; });
    if (!QTest::qWaitFor([&started] { return started; }))
        qFatal("start-up did not complete: the main window was never painted");
}

QString screenDriver()
{
    const QString path = qEnvironmentVariable("VORBIX_SCREEN_DRIVER");
    if (path.isEmpty())
        qFatal("VORBIX_SCREEN_DRIVER is not set: run the test through ctest");
    return path;
}

QString failureAsUnprivilegedUser(const char *function)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QStringLiteral("setpriv"),
                {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups"),
                 QCoreApplication::applicationFilePath(),
                 QStringLiteral("%1:%2").arg(QLatin1String(function), QLatin1String(QTest::currentDataTag()))});
    if (!child.waitForFinished(120000))
        return QStringLiteral("the case did not finish in two minutes as an unprivileged user");
    const QString output = QString::fromLocal8Bit(child.readAll());
    const bool passed = child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0
                        && output.contains(QStringLiteral("::%1(").arg(QLatin1String(function)))
                        && output.contains(QStringLiteral("PASS   : "));
    return passed ? QString() : output;
}

} // namespace vorbix::testing
