#include "data/screen_bindings.h"

#include "data/store_paths.h"
#include "data/word_store.h"

#include <stdexcept>
#include <string>

namespace vorbix {

namespace bindings {
using namespace files;
const ScreenBinding kStart{kMain, {kMain, kMain, kMain, kMain, kMain, kMain}};
// The learning screen reads its fre-eng words from a file of their own.
const ScreenBinding kInvatare{kMain, {kMain, kMain, kMain, kLearningFrench, kMain, kMain}};
// The two tests keep their settings record in a second file.
const ScreenBinding kTest{kTestSettings, {kMain, kMain, kMain, kMain, kMain, kMain}};
const ScreenBinding kTestG{kTestSettings, {kMain, kMain, kMain, kMain, kMain, kMain}};
} // namespace bindings

ScreenCursors::ScreenCursors(WordStore &store, const ScreenBinding &binding)
    : m_settings(store.filePath(binding.settingsFile))
{
    for (int i = 0; i < kPairCount; ++i)
        m_words[i] = std::make_unique<Cursor>(store, store.filePath(binding.wordFiles[i]), kLanguagePairs[i]);
}

Cursor &ScreenCursors::words(int pairIndex)
{
    if (pairIndex < 0 || pairIndex >= kPairCount)
        throw std::out_of_range("There is no language pair number " + std::to_string(pairIndex) + ".");
    return *m_words[std::size_t(pairIndex)];
}

} // namespace vorbix
