#pragma once

#include "data/import/data_root_writer.h"
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

// Every job writes through writeDataFiles: all of it or, on any error
// (RecordError), nothing; settings records are reconciled in the same step.
// Which files exist, and so what `replace` decides, is settled while the
// import lock is held.

// Sets up the word data from complete tables (the FreeDict import): the two
// word files that are missing are built, existing ones are rebuilt only with
// `replace` (otherwise kept and reported), the settings file is created with
// empty word tables when it is missing.
ImportOutcome installAllTables(const DataFiles &files, const std::array<QVector<WordRow>, kPairCount> &tables,
                               bool replace, const WriteOptions &options = {});

// Creates the settings file when it is missing and brings the settings
// records in line, building no word file (the FreeDict import when both
// word files exist and --replace is not given).
ImportOutcome completeSettings(const DataFiles &files, const WriteOptions &options = {});

// Puts one pair's table into both word files (a user's word list). When a
// word file exists and `replace` is not given, nothing at all is written and
// RecordError says so; other tables of an existing file are kept.
ImportOutcome installOneTable(const DataFiles &files, const LanguagePair &pair, const QVector<WordRow> &rows,
                              bool replace, const WriteOptions &options = {});

// Which data file an Access import targets: "English/engmi", "Convdiv/engmi"
// or "Engleza/eng". Nothing for any other text.
std::optional<QString> accessTargetPath(const DataFiles &files, const QString &target);

// Replaces the target files' tables and settings record with the content of
// Access files. Each pair is (Access file, target file). The Access files
// are all read before anything is written; an existing target without
// `replace` refuses the whole import.
ImportOutcome installAccessFiles(const DataFiles &files, const QVector<std::pair<QString, QString>> &sources,
                                 bool replace, const WriteOptions &options = {});

} // namespace vorbix::import
