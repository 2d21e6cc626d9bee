#include "data/language_pairs.h"

namespace vorbix {

const std::array<LanguagePair, kPairCount> kLanguagePairs = {{
    {3, "enspa", "en", "spa", "ENGLISH", "SPANISH", "eng-spa", "eng-spa", false},
    {4, "spaen", "spa", "en", "SPANISH", "ENGLISH", "spa-eng", "spa-en", false},
    {5, "enfra", "en", "fra", "ENGLISH", "FRENCH", "eng-fre", "eng-fre", false},
    {6, "fraen", "fra", "en", "FRENCH", "ENGLISH", "fre-eng", "fre-eng", false},
    {7, "enger", "en", "ger", "ENGLISH", "GERMAN", "eng-ger", "eng-ger", true},
    {8, "geren", "ger", "en", "GERMAN", "ENGLISH", "ger-eng", "ger-eng", true},
}};

std::optional<int> pairIndexForCode(const QString &code)
{
    for (int i = 0; i < kPairCount; ++i) {
        if (code == QLatin1String(kLanguagePairs[i].tableCode))
            return i;
    }
    return std::nullopt;
}

QString optionName(const LanguagePair &pair)
{
    return QStringLiteral("Option%1").arg(pair.option);
}

} // namespace vorbix
