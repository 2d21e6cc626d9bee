#pragma once

#include "platform/speech.h"

namespace vorbix {

struct Services;

// Reads the words on show aloud for the speech keys of every screen. When
// there is no sound output, or no voice for a language, the keys do nothing,
// and the user is told why once per run, not at every press.
class WordSpeaker
{
public:
    explicit WordSpeaker(Services &services);

    // Says `text` in `language`, slowly for a learner when asked; an empty
    // text says nothing.
    void say(const QString &text, SpokenLanguage language, bool slowly);

private:
    // Tells the user why the keys say nothing, once per run for each reason.
    void hintOnce(bool &shown, const QString &text);

    Services &m_services;
    bool m_audioHintShown = false;
    bool m_voiceHintShown = false;
};

} // namespace vorbix
