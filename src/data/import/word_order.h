#pragma once

#include "data/language_pairs.h"
#include "data/schema.h"

#include <QLocale>
#include <QString>
#include <QVector>

#include <optional>

namespace vorbix::import {

// A word and its translation before it gets its place in the table.
struct ImportRow
{
    QString source;
    std::optional<QString> target;
};

// The language of a field code ("en", "spa", "fra", "ger").
QLocale localeForField(const char *field);

// The letter a word is filed under: its first character without accent and
// in lower case ("É" -> "e", "ä" -> "a", "œ" -> "o").
QString baseInitial(const QString &word);

// Sorts the rows into dictionary order for the source language and numbers
// them 1..N. Each base initial forms one contiguous block; inside it the
// language's collation decides (words differing only in case: lower case
// first, "march" before "March"); words the collation holds equal are ordered
// by their code points, then by translation, so the order never depends on
// the input order.
QVector<WordRow> orderRows(QVector<ImportRow> rows, const QLocale &locale);

} // namespace vorbix::import
