// Whether speech has a sound output to go to, found from the places a
// PulseAudio (or PipeWire) server and ALSA's playback devices show up.
#include "platform/audio_output.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vorbix;

class TestAudioOutput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void foundWhereItShowsItself_data();
    void foundWhereItShowsItself();
};

void TestAudioOutput::foundWhereItShowsItself_data()
{
    QTest::addColumn<QString>("pulseServer");
    QTest::addColumn<QStringList>("files"); // made under the test's folder
    QTest::addColumn<bool>("found");
    QTest::newRow("nothing: a container or a server without sound") << "" << QStringList{} << false;
    QTest::newRow("the session's sound server") << "" << QStringList{"run/pulse/native"} << true;
    QTest::newRow("a system-wide sound server") << "" << QStringList{"system/pulse/native"} << true;
    QTest::newRow("a server named outright") << "tcp:localhost" << QStringList{} << true;
    QTest::newRow("an ALSA playback device") << "" << QStringList{"snd/pcmC0D0p", "snd/controlC0"} << true;
    QTest::newRow("only a microphone") << "" << QStringList{"snd/pcmC0D0c", "snd/controlC0", "snd/timer"} << false;
    QTest::newRow("a session folder without a server") << "" << QStringList{"run/dbus/socket"} << false;
}

void TestAudioOutput::foundWhereItShowsItself()
{
    QFETCH(QString, pulseServer);
    QFETCH(QStringList, files);
    QFETCH(bool, found);
    QTemporaryDir dir;
    for (const QString &file : files) {
        const QString path = dir.filePath(file);
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    AudioPlaces places;
    places.pulseServer = pulseServer;
    places.runtimeDir = dir.filePath(QStringLiteral("run"));
    places.systemPulseSockets = {dir.filePath(QStringLiteral("system/pulse/native"))};
    places.soundDevices = dir.filePath(QStringLiteral("snd"));
    QCOMPARE(hasAudioOutput(places), found);
}

QTEST_APPLESS_MAIN(TestAudioOutput)
#include "tst_audio_output.moc"
