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
    if (!m_services.speech.available(language)) {
        if (!m_hintShown) {
            m_hintShown = true;
            m_services.messages.show({QStringLiteral("No voice is installed for %1. Install espeak-ng and "
                                                     "speech-dispatcher to hear words.")
                                          .arg(languageName(language)),
                                      kApplicationTitle, MessageIcon::Information});
        }
        return;
    }
    m_services.speech.speak(word, language, slowly ? kSlowRate : kNormalRate);
}

} // namespace vorbix
