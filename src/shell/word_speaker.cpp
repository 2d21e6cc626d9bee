#include "shell/word_speaker.h"

#include "platform/message_sink.h"
#include "shell/services.h"

namespace vorbix {

namespace {
constexpr double kNormalRate = 0.0;
constexpr double kSlowRate = -0.4;
} // namespace

WordSpeaker::WordSpeaker(Services &services)
    : m_services(services)
{
}

void WordSpeaker::say(const QString &text, SpokenLanguage language, bool slowly)
{
    const QString word = text.trimmed();
    if (word.isEmpty())
        return;
    // Without a sound output the speech engine is not even started: it
    // would take the words and say nothing.
    if (!m_services.speech.hasAudioOutput()) {
        hintOnce(m_audioHintShown, QStringLiteral("No audio output is available, so Vorbix cannot read words aloud. Start the "
                                "sound server (PulseAudio or PipeWire) or connect a sound device, then press "
                                "F5 again."));
        return;
    }
    if (!m_services.speech.available(language)) {
        hintOnce(m_voiceHintShown, QStringLiteral("No voice is installed for %1. Install espeak-ng and speech-dispatcher to hear "
                                "words.")
                     .arg(languageName(language)));
        return;
    }
    m_services.speech.speak(word, language, slowly ? kSlowRate : kNormalRate);
}

void WordSpeaker::hintOnce(bool &shown, const QString &text)
{
    if (shown)
        return;
    shown = true;
    m_services.messages.show({text, kApplicationTitle, MessageIcon::Information});
}

} // namespace vorbix
