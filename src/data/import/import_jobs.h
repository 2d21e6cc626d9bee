#pragma once

#include "data/import/mdb_reader.h"
#include "data/language_pairs.h"
#include "data/schema.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <array>

namespace vorbix::import {

// What an import did, one line per file, for the tool's output.
struct ImportOutcome
{
    QStringList written;   // files built or rebuilt
    QStringList kept;      // files left as they were, and why
    QStringList settings;  // settings records brought up to date
};

// The database files an import may write: English/engmi, Convdiv/engmi and
// Engleza/eng under the data root.
struct DataFiles
{
    explicit DataFiles(const QString &dataRoot);
    QString root;
    QString main;            // English/engmi.db: the six word tables every screen reads
    QString learningFrench;  // Convdiv/engmi.db: the same tables (the learning screen's fre-eng)
    QString testSettings;    // Engleza/eng.db: the settings of the two tests, word tables empty
};

// Sets up the word data from complete tables (the FreeDict import): the two
// word files that are missing are built, existing ones are rebuilt only with
// `replace` (otherwise kept and reported), the settings file is created with
// empty word tables when it is missing. Settings records are reconciled.
ImportOutcome installAllTables(const DataFiles &files, const std::array<QVector<WordRow>, kPairCount> &tables,
                               bool replace);

// Puts one pair's table into both word files (a user's word list). When a
// word file exists and `replace` is not given, nothing at all is written and
// RecordError says so; other tables of an existing file are kept.
ImportOutcome installOneTable(const DataFiles &files, const LanguagePair &pair, const QVector<WordRow> &rows,
                              bool replace);

// Which data file an Access import targets: "English/engmi", "Convdiv/engmi"
// or "Engleza/eng". Nothing for any other text.
std::optional<QString> accessTargetPath(const DataFiles &files, const QString &target);

// Replaces the target file with the content of Access files. Each pair is
// (Access file, target file). The Access files are all read before anything
// is written; an existing target without `replace` refuses the whole import.
ImportOutcome installAccessFiles(const DataFiles &files, const QVector<std::pair<QString, QString>> &sources,
                                 bool replace);

} // namespace vorbix::import
