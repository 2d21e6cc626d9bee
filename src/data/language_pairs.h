#pragma once

#include <QString>

#include <array>
#include <optional>

namespace vorbix {

// One of the six directions the program trains. Everything that varies with
// the pair is in this one table; no code repeats a block per pair.
struct LanguagePair
{
    int option;                  // object name suffix: Option3 .. Option8
    const char *tableCode;       // word table, and the value `curent` stores
    const char *sourceField;     // field of the word in the first language
    const char *targetField;     // field of its translation
    const char *sourceCaption;   // Label6 over the word column
    const char *targetCaption;   // Label7 over the translation column
    const char *caption;         // option caption on the dictionary and grid test
    const char *exerciseCaption; // option caption on the learning and writing screens
    bool german;                 // German pairs keep the letter case of nouns
};

inline constexpr int kPairCount = 6;

// Pairs in the order the option buttons Option3 .. Option8 are examined.
extern const std::array<LanguagePair, kPairCount> kLanguagePairs;

// The position in kLanguagePairs of the pair whose table code is `code`.
std::optional<int> pairIndexForCode(const QString &code);

QString optionName(const LanguagePair &pair);

} // namespace vorbix
