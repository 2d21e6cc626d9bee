#pragma once

#include "platform/speech.h"

namespace vorbix {

struct Services;

// Reads the words on show aloud for the speech keys of every screen. When
// no voice can be had for a language the keys do nothing, and the user is
// told how to get voices once per run, not at every press.
class WordSpeaker
{
public:
    explicit WordSpeaker(Services &services);

    // Says `text` in `language`, slowly for a learner when asked; an empty
    // text says nothing.
    void say(const QString &text, SpokenLanguage language, bool slowly);

private:
    Services &m_services;
    bool m_hintShown = false;
};

} // namespace vorbix
