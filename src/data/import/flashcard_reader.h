#pragma once

#include "data/import/word_list_reader.h"
#include "data/language_pairs.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <utility>

namespace vorbix::import {

// The fields of a note that hold the word and its translation, from 1.
using FieldChoice = std::pair<int, int>;

// Reads the plain-text export of flash-card programs: one note per record,
// fields separated by tabs or by the separator of a "#separator:" header
// (tab, comma, semicolon, space, pipe, colon or the character itself),
// fields in double quotes may hold separators, doubled quotes and line
// breaks. Header lines: "#html:true" makes fields HTML (reduced by
// htmlToText), "#columns:" names the fields, "#guid/notetype/deck/tags
// column:N" mark fields that are not text. The word and translation are
// `fields` when given, else the fields that "#columns:" names after the
// pair's languages, else the first two text fields. Other lines starting
// with "#" and blank ones are skipped. Lines with invalid UTF-8 or a NUL
// byte and notes without the chosen fields are refused with their line.
WordList parseFlashcards(const QByteArray &content, const LanguagePair &pair, std::optional<FieldChoice> fields);
WordList readFlashcards(const QString &path, const LanguagePair &pair, std::optional<FieldChoice> fields);

// The text of an HTML field: tags removed, <br>, <div>, <p> and <li>
// boundaries turned into ", ", character references decoded, [sound:...]
// references dropped, blanks simplified.
QString htmlToText(const QString &html);

} // namespace vorbix::import
