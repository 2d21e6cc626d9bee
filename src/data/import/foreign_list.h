#pragma once

#include "data/import/word_list_reader.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QVector>

namespace vorbix::import {

// One word and its translation as another trainer's file holds it (a KVTML
// entry, a flash-card note), with where it starts in the file.
struct ForeignEntry
{
    QString word;
    QString translation;
    int line = 0;
    int column = 0;  // 0 when the source is not XML
};

// Turns the entries of a file into a word list as they are read: texts are
// simplified (blanks), entries with neither word nor translation are passed
// over, one with a translation but no word or with a text longer than a
// field holds (255 characters) is refused with its place. Entries with the
// same word become one row whose translations are joined with ", " in file
// order, repeated ones dropped; when they do not fit into 255 characters the
// last ones are left out and a note names the word. An empty translation is
// stored as missing (NULL).
//
// What it keeps stays small whatever the file holds: a row's translations
// are joined as they come (those that do not fit are only noted), and a
// file of more words than a table holds is refused at the first word too
// many (RecordError), not after all of them were gathered.
class EntryCollector
{
public:
    void add(const ForeignEntry &entry);
    void refuse(const RefusedLine &line) { m_list.refuse(line); }
    WordList finish();

private:
    struct Row
    {
        QString joined;
        QSet<QString> kept;
        bool shortened = false;
    };
    WordList m_list;
    QVector<Row> m_rows;  // beside m_list.rows
    QHash<QString, qsizetype> m_rowOfWord;
};

} // namespace vorbix::import
