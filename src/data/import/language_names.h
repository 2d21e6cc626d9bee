#pragma once

#include "data/language_pairs.h"

#include <QString>

#include <optional>

namespace vorbix::import {

// The pair a user names on the command line: a table code ("enspa") or a
// caption ("eng-spa", "spa-en").
std::optional<int> pairIndexForName(const QString &name);

// The language field code ("en", "spa", "fra", "ger") of a language named in
// a vocabulary file: its English name ("German"), its own name ("Deutsch",
// "Español", case and accents aside) or a locale code ("de", "es_ES",
// "fr-CA", "eng"). Nothing for any other text.
std::optional<QString> languageOfName(const QString &name);

// The English name ("German") and the locale code ("de") of a field code.
QString englishLanguageName(const char *field);
QString localeCodeOf(const char *field);

} // namespace vorbix::import
