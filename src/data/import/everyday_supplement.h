#pragma once

#include "data/schema.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace vorbix::import {

// Everyday words the dictionaries lack or give only other senses of ("hot"
// is in neither French dictionary; trans-de-en names "pen" only as the fourth
// synonym of "Kugelschreiber"). Hand-made, each line checked against
// standard dictionaries (data/everyday_supplement.tsv, built in).
struct SupplementEntry
{
    QString english;
    QStringList spanish;  // the main translation first
    QStringList french;
    QStringList german;
};

// Reads "English<TAB>Spanish<TAB>French<TAB>German" lines; alternatives in
// a field are separated by "|", the main one first; "#" starts a comment.
// Lines with a missing or empty field are skipped.
QVector<SupplementEntry> parseSupplement(const QString &text);

// The built-in supplement.
const QVector<SupplementEntry> &everydaySupplement();

// Completes the table of language pair `pairIndex` (kLanguagePairs order):
// a headword's row that holds none of its supplement translations gets the
// main one first, and a headword with no row gets a row of its
// translations. In the reverse tables the English word is added second to
// the row of the main foreign word, or makes its row. Rows that already hold a translation
// are left as they are. Returns how many rows were changed or added; the
// table is numbered again when any was.
int addEverydaySupplement(QVector<WordRow> &table, int pairIndex, const QVector<SupplementEntry> &supplement);

} // namespace vorbix::import
