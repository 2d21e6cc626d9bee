#pragma once

#include "data/import/dictd_index.h"
#include "data/import/word_order.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

namespace vorbix::import {

// deu-eng's index with each key in lower case. It needs no German rows, so
// the import reads it on a thread of its own while the rows are chosen.
// `readable` is false when the index cannot be read or lists no entries.
struct FirstEntryIndex
{
    QVector<DictdIndexEntry> entries;
    QStringList lowerKeys;
    bool readable = false;
};
FirstEntryIndex readFirstEntryIndex(const QString &indexPath);

// The English words of each wanted German headword's first entry in FreeDict
// deu-eng (the first in file order), when that entry carries no field or
// register tag: only its untagged single words and short phrases, cleaned of
// markup ("blockfrei" -> "neutral", "non-aligned"). With `englishWords`
// (lower case; empty when the word list is not installed), a word without a
// hyphen must be one of them.
QHash<QString, QStringList> firstEntryWords(const FirstEntryIndex &index, const QString &dictPath,
                                            const QSet<QString> &wanted, const QSet<QString> &englishWords);

// The words of one deu-eng entry's text that firstEntryWords keeps; empty
// when the entry's sense line starts with a tag.
QStringList firstEntryWordsOfText(const QString &text, const QSet<QString> &englishWords);

// Fills the free places of the German rows (up to `maxItems` items) with
// the words of the German word's first deu-eng entry that the row lacks.
// The row's own items and their order stay. Returns how many rows gained a
// word.
int addFirstEntryWords(QVector<ImportRow> &rows, const QHash<QString, QStringList> &firstWords, int maxItems);

// Reads deu-eng for the German rows' headwords and fills their free places
// (see addFirstEntryWords). A deu-eng that cannot be read leaves the rows
// as they are: it only adds to them.
void addDeuEngFirstEntries(QVector<ImportRow> &rows, const QString &indexPath, const QString &dictPath,
                           const QSet<QString> &englishWords);

// addDeuEngFirstEntries with the index already read.
void addDeuEngFirstEntries(QVector<ImportRow> &rows, const FirstEntryIndex &index, const QString &dictPath,
                           const QSet<QString> &englishWords);

} // namespace vorbix::import
