#include "data/import/language_names.h"

#include "data/import/accents.h"

#include <QRegularExpression>

#include <cstring>
#include <initializer_list>

namespace vorbix::import {

namespace {

struct Language
{
    const char *field;
    const char *english;
    const char *locale;
    // Its own name without accents, and the ISO 639 codes besides `locale`.
    std::initializer_list<const char *> otherNames;
};

const Language kLanguages[] = {
    {"en", "English", "en", {"eng"}},
    {"spa", "Spanish", "es", {"espanol", "castellano", "spa"}},
    {"fra", "French", "fr", {"francais", "fra", "fre"}},
    {"ger", "German", "de", {"deutsch", "deu", "ger"}},
};

// Lower case without accents: "Español" -> "espanol".
QString folded(const QString &text)
{
    return withoutAccents(text).trimmed().toCaseFolded();
}

const Language *languageOfField(const char *field)
{
    for (const Language &language : kLanguages) {
        if (std::strcmp(language.field, field) == 0)
            return &language;
    }
    return nullptr;
}

} // namespace

std::optional<int> pairIndexForName(const QString &name)
{
    if (const auto index = pairIndexForCode(name))
        return index;
    for (int i = 0; i < kPairCount; ++i) {
        if (name == QLatin1String(kLanguagePairs[i].caption) || name == QLatin1String(kLanguagePairs[i].exerciseCaption))
            return i;
    }
    return std::nullopt;
}

std::optional<QString> languageOfName(const QString &name)
{
    QString key = folded(name);
    // A locale code names its language before "_" or "-": "es_ES", "fr-CA".
    const qsizetype cut = key.indexOf(QRegularExpression(QStringLiteral("[_\\-@.]")));
    const QString code = cut > 0 ? key.left(cut) : key;
    for (const Language &language : kLanguages) {
        if (key == folded(QLatin1String(language.english)) || code == QLatin1String(language.locale))
            return QLatin1String(language.field);
        for (const char *other : language.otherNames) {
            if (key == QLatin1String(other) || code == QLatin1String(other))
                return QLatin1String(language.field);
        }
    }
    return std::nullopt;
}

QString englishLanguageName(const char *field)
{
    const Language *language = languageOfField(field);
    return language ? QLatin1String(language->english) : QString();
}

QString localeCodeOf(const char *field)
{
    const Language *language = languageOfField(field);
    return language ? QLatin1String(language->locale) : QString();
}

} // namespace vorbix::import
