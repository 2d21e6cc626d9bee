#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>

namespace vorbix::import {

// How the English sides of trans-de-en use a word: as a verb ("to ransom
// sb.") or otherwise, mostly as a noun or a noun's modifier ("ransom", "a
// king's ransom", "ransom handover").
struct EnglishWordUses
{
    int verb = 0;
    int other = 0;
};

// The uses of each of `words` (lowercased single words) on the English sides
// of `text` (the trans-de-en file), in every section: a synonym opened by
// "to" uses its second word as a verb, and its other words, and those of
// synonyms without "to", otherwise, unless they follow "to", a modal, "not"
// or a personal pronoun ("I didn't hear"). Tags, notes, valency markers
// ("sb.", "sth.") and the separable-verb mark do not count; example
// sentences (ending in ".", "?" or "!") and synonyms of more than four words
// are passed over, as they use any word in any way. Words never met are left
// out.
QHash<QString, EnglishWordUses> englishWordUsesInTrans(const QByteArray &text, const QSet<QString> &words);

} // namespace vorbix::import
