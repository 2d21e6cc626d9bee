#pragma once

#include <QString>

namespace vorbix::import {

// Dictionary markup that must not reach a learner: domain and part-of-speech
// tags ("[techn.]", "<masc>"), valency markers ("etw.", "jdn.", "sb.",
// "sth."), parentheses emptied by those, slash alternatives ("tiefste/r/s",
// "ab und zu/an"), fragments ("il y a ...") and stray brackets.

// The translation item without its markup: tags and markers removed, an
// abbreviation glued to a tag cut off ("Straße <fem>Str." -> "Straße"),
// suffix alternatives dropped and word alternatives resolved to the first
// ("zu/an" -> "zu"). Empty when nothing a learner can use remains:
// pronunciations ("/mˈəʊ/"), fragments, affixes ("-al").
QString withoutMarkup(const QString &item);

// The headword without its markup ("take sth." -> "take", "etw. nehmen" ->
// "nehmen"). Empty for headwords that are no word to learn: fragments
// ("... ago"), affixes ("-able"), alternatives of whole words ("and/or").
QString headwordWithoutMarkup(const QString &headword);

} // namespace vorbix::import
