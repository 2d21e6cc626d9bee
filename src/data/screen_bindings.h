#pragma once

#include "data/cursor.h"
#include "data/language_pairs.h"
#include "data/settings_record.h"

#include <array>
#include <memory>

namespace vorbix {

class WordStore;

// Which database file each of a screen's seven cursors is bound to: the
// settings record `datini` and the six word tables, in pair order.
struct ScreenBinding
{
    const char *settingsFile;
    std::array<const char *, kPairCount> wordFiles;
};

namespace bindings {
extern const ScreenBinding kStart;
extern const ScreenBinding kInvatare;
extern const ScreenBinding kTest;
extern const ScreenBinding kTestG;
} // namespace bindings

// The seven cursors of one screen, opened when the screen is created.
class ScreenCursors
{
public:
    ScreenCursors(WordStore &store, const ScreenBinding &binding);

    SettingsRecord &datini() { return m_settings; }
    // Throws std::out_of_range for an index outside the six pairs.
    Cursor &words(int pairIndex);

private:
    SettingsRecord m_settings;
    std::array<std::unique_ptr<Cursor>, kPairCount> m_words;
};

} // namespace vorbix
