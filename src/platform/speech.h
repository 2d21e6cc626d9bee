#pragma once

#include <QString>

#include <memory>

namespace vorbix {

enum class SpokenLanguage { English, Spanish, French, German };

// The language's name in the hint about a missing voice ("Spanish").
QString languageName(SpokenLanguage language);
// The language of a word field of the pair table ("en", "spa", "fra", "ger").
SpokenLanguage languageOfField(const char *field);

// Reads a word aloud in its own language. The program backs it with the
// desktop's speech service; tests record what would have been said.
class Speech
{
public:
    virtual ~Speech() = default;
    // Whether there is a sound output to speak through; asking starts
    // nothing.
    virtual bool hasAudioOutput() = 0;
    // Whether a voice for the language can be had; the first call may start
    // the speech engine.
    virtual bool available(SpokenLanguage language) = 0;
    // Stops what is being said and says the text; `rate` from -1 (slow) to 1.
    virtual void speak(const QString &text, SpokenLanguage language, double rate) = 0;
    virtual void stop() = 0;
};

// The speech service through Qt's text-to-speech with speech-dispatcher
// (espeak-ng voices). The engine starts on first use, never at start-up.
std::unique_ptr<Speech> makeDesktopSpeech();

} // namespace vorbix
