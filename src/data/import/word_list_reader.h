#pragma once

#include "data/import/word_order.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace vorbix::import {

enum class ListFormat {
    Tsv,  // word TAB translations
    Csv,  // word,translations with "double quotes" around fields holding commas
};

// ".csv" files are CSV, everything else tab-separated.
ListFormat listFormatForPath(const QString &path);

// A text as a CSV cell holds it, safe from spreadsheets: one that a
// spreadsheet would take for a formula (beginning with "=", "+", "-", "@", a
// tab or a CR, after any apostrophes) gets an apostrophe in front.
// csvCellValue takes it off again, so that csvCellValue(csvCellText(t)) == t
// for every text.
QString csvCellText(const QString &text);
QString csvCellValue(const QString &cell);

struct RefusedLine
{
    int line = 0;
    QString reason;
    int column = 0;  // in XML sources; 0 when only the line is known
};

// The refused lines a word list names one by one; more are counted.
inline constexpr qsizetype kListedRefusals = 1000;

// A user's word list: one word and its translations per line (the
// translations in one field, "a, b, c"). Blank lines and lines starting with
// "#" are skipped. An empty translation is stored as a missing one (NULL).
struct WordList
{
    // At most one more than a table holds (schema::kMaxRows); wordCount
    // counts them all.
    QVector<ImportRow> rows;
    qint64 wordCount = 0;
    // Wrong column count, invalid UTF-8, NUL bytes, a carriage return inside
    // the line (a file with CR-only line ends), an empty word: the first
    // kListedRefusals of them (a crafted file may refuse millions of lines),
    // in line order; refusedCount counts them all.
    QVector<RefusedLine> refused;
    qint64 refusedCount = 0;
    void refuse(const RefusedLine &line);
    // What the source held that the table does not keep, said once each
    // (KVTML lessons, flash-card tags ...).
    QStringList notes;
};

// Reads CSV cells with csvCellValue (what vorbix-export wrote comes back
// exactly).
WordList parseWordList(const QByteArray &content, ListFormat format);

// Reads the file; throws RecordError, naming it, when it cannot be read or
// holds more words than a table can.
WordList readWordList(const QString &path, ListFormat format);

} // namespace vorbix::import
