#pragma once

#include "data/import/word_list_reader.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace vorbix::import {

// A KVTML 2 file (the vocabulary files of the KDE trainers) read for one of
// the pairs.
struct KvtmlList
{
    int pair = 0;  // in kLanguagePairs
    WordList list;
};

// Reads the entries of a KVTML 2 document: each <entry> gives the text of
// one identifier's <translation> as the word and another's as its
// translation (see EntryCollector for merging and refusals, which carry the
// entry's line and column). The identifiers are recognised by their <locale>
// or <name> (languageOfName). Without `pair` the file's two identifiers, in
// their order, must name one of the pairs; with it, the identifiers of the
// pair's two languages are taken, or a file's only two identifiers in their
// order when neither names a language. Everything else (lessons, word types,
// grades, comments, pronunciations, images, sounds, a third language) is
// left aside and named once in the notes.
//
// Throws RecordError naming `name` with line and column when the XML is not
// well-formed or not KVTML 2, and naming the identifiers found when they do
// not give a pair.
KvtmlList parseKvtml(const QByteArray &content, const QString &name, std::optional<int> pair);
KvtmlList readKvtml(const QString &path, std::optional<int> pair);

} // namespace vorbix::import
