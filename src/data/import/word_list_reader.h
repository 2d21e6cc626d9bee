#pragma once

#include "data/import/word_order.h"

#include <QByteArray>
#include <QString>
#include <QVector>

namespace vorbix::import {

enum class ListFormat {
    Tsv,  // word TAB translations
    Csv,  // word,translations with "double quotes" around fields holding commas
};

// ".csv" files are CSV, everything else tab-separated.
ListFormat listFormatForPath(const QString &path);

struct RefusedLine
{
    int line = 0;
    QString reason;
};

// A user's word list: one word and its translations per line (the
// translations in one field, "a, b, c"). Blank lines and lines starting with
// "#" are skipped. An empty translation is stored as a missing one (NULL).
struct WordList
{
    QVector<ImportRow> rows;
    QVector<RefusedLine> refused;  // wrong column count, invalid UTF-8, empty word
};

WordList parseWordList(const QByteArray &content, ListFormat format);

// Reads the file; throws RecordError when it cannot be read.
WordList readWordList(const QString &path);

} // namespace vorbix::import
