#pragma once

#include <QString>
#include <QStringList>

namespace vorbix {

// Where a sound output shows itself to a program that plays through
// speech-dispatcher: a PulseAudio server (PipeWire's included) or an ALSA
// playback device. The defaults are the system's; tests point them at a
// folder of their own.
struct AudioPlaces
{
    QString pulseServer;                // $PULSE_SERVER: a server named outright
    QString runtimeDir;                 // $XDG_RUNTIME_DIR, holding pulse/native
    QStringList systemPulseSockets{QStringLiteral("/run/pulse/native"), QStringLiteral("/var/run/pulse/native")};
    QString soundDevices{QStringLiteral("/dev/snd")}; // pcmC<card>D<device>p: a playback device

    // The places of this session, from its environment.
    static AudioPlaces ofThisSession();
};

// Whether any sound output is there to play speech through. Without one,
// speech-dispatcher accepts the words and says nothing ("Opening audio
// failed"), and is left unable to serve its next client.
bool hasAudioOutput(const AudioPlaces &places);

} // namespace vorbix
