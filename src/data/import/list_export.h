#pragma once

#include "data/language_pairs.h"
#include "data/schema.h"

#include <QByteArray>
#include <QString>
#include <QVector>

namespace vorbix::import {

enum class ExportFormat {
    Kvtml,  // KVTML 2, as the KDE vocabulary programs read it
    Csv,    // word,translations with quotes where needed, as `vorbix-import csv` reads it
};

// KVTML for ".kvtml" names, CSV for ".csv"; nothing for others.
std::optional<ExportFormat> exportFormatForPath(const QString &path);

// What an export wrote and what it had to change.
struct ExportReport
{
    int written = 0;       // rows written
    int withoutWord = 0;   // rows with no word, left out (no format can read them back)
    int textsChanged = 0;  // texts whose line breaks or control characters became blanks
};

// The documents of a pair's table. A NULL translation is written as none (no
// <translation> of the target language; an empty CSV field).
QByteArray kvtmlDocument(const LanguagePair &pair, const QVector<WordRow> &rows, ExportReport &report);
QByteArray csvDocument(const QVector<WordRow> &rows, ExportReport &report);

// Writes the pair's table of the word file under the data root to `path`,
// replacing a file there only with `replace`, and never a link, a word
// database or anything but a regular file (writeExportFile). The file is
// written in full beside its place and then moved there, so a failed or
// stopped export leaves any earlier one as it was. Throws RecordError
// naming the file and the problem.
ExportReport exportTable(const QString &dataRoot, const LanguagePair &pair, const QString &path, ExportFormat format,
                         bool replace);

} // namespace vorbix::import
