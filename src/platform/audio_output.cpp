#include "platform/audio_output.h"

#include <QDir>
#include <QFileInfo>

namespace vorbix {

AudioPlaces AudioPlaces::ofThisSession()
{
    AudioPlaces places;
    places.pulseServer = qEnvironmentVariable("PULSE_SERVER");
    places.runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return places;
}

bool hasAudioOutput(const AudioPlaces &places)
{
    if (!places.pulseServer.isEmpty())
        return true;
    if (!places.runtimeDir.isEmpty() && QFileInfo::exists(places.runtimeDir + QStringLiteral("/pulse/native")))
        return true;
    for (const QString &socket : places.systemPulseSockets) {
        if (QFileInfo::exists(socket))
            return true;
    }
    // ALSA names a playback device pcmC0D0p, a capture device pcmC0D0c.
    const QStringList playback =
        QDir(places.soundDevices).entryList({QStringLiteral("pcmC*D*p")}, QDir::System | QDir::Files);
    return !playback.isEmpty();
}

} // namespace vorbix
