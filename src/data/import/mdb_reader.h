#pragma once

#include "data/language_pairs.h"
#include "data/schema.h"

#include <QString>
#include <QVector>

#include <array>

namespace vorbix::import {

// The seven tables of an Access 2000 file of the original layout.
struct AccessDatabase
{
    std::array<QVector<WordRow>, kPairCount> tables;  // in kLanguagePairs order, by Index
    QString current;  // the settings record
    int count = 0;
};

// Reads an Access file with mdbtools. Each word table's rows come back in
// Index order and must number 1..N without gaps or repeats. Throws
// RecordError for a file libmdb cannot read, a missing table or field, a
// table of more than 32 767 rows, Index numbers that do not run 1..N, and a
// file cut short (not whole pages, or fewer rows than a table lists).
AccessDatabase readAccessFile(const QString &path);

} // namespace vorbix::import
