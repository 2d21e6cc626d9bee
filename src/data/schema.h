#pragma once

#include "data/language_pairs.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

#include <optional>

namespace vorbix {

class SqliteConnection;

// The layout of every word database file: six word tables, each with the
// fields "Index" (1..N in stored order), the source word and its translation,
// stored in dictionary order (rowid order), and the settings table `ini` with
// one record (`curent`, `nrcur`).
namespace schema {
inline constexpr const char *kSettingsTable = "ini";
inline constexpr const char *kCurrentField = "curent";
inline constexpr const char *kCountField = "nrcur";
inline constexpr const char *kIndexField = "Index";
// The screens hold an Index and a word count in 16 bits.
inline constexpr int kMaxRows = 32767;
} // namespace schema

// One stored row of a word table. A missing word or translation is a NULL.
struct WordRow
{
    int index = 0;
    std::optional<QString> source;
    std::optional<QString> target;
    bool operator==(const WordRow &) const = default;
};

// A name as SQL text: "[Index]". SQLite reads a bracketed name as an
// identifier only; a double-quoted one that names no column would be read as
// a text literal.
QString sqlName(const char *name);

// A table of an attached database ("[d1].[enspa]"), or of the main one when
// `database` is empty.
QString sqlTable(const QString &database, const char *table);

// Creates the pair's word table, empty.
void createWordTable(SqliteConnection &db, const LanguagePair &pair, const QString &database = {});

// Creates the settings table with its one record.
void createSettingsTable(SqliteConnection &db, const QString &current, int count, const QString &database = {});

// Creates the seven tables (word tables empty) and the one settings record.
void createDatabaseSchema(SqliteConnection &db, const QString &current = {}, int count = 0);

// Replaces the rows of the pair's table with `rows`, in the order given.
void writeWordTable(SqliteConnection &db, const LanguagePair &pair, const QVector<WordRow> &rows,
                    const QString &database = {});

// Reads the rows of the pair's table in stored order. Throws RecordError,
// naming the file and what is wrong, when the table does not have the
// layout above or a record's Index is not a whole number from 1 to 32767.
QVector<WordRow> readWordTable(SqliteConnection &db, const LanguagePair &pair);
// The same, handing each row to `each` as it is read instead of keeping them.
void readWordTable(SqliteConnection &db, const LanguagePair &pair, const std::function<void(const WordRow &)> &each);

// What is wrong with the layout of the pair's table, of the settings table,
// or of the whole file (one line each: a table or column that is missing, a
// column of the wrong type); empty when it matches. Only the tables and
// columns the program reads are checked; others are left alone. Throw
// RecordError when the file cannot be read at all.
QStringList wordTableProblems(SqliteConnection &db, const LanguagePair &pair, const QString &database = {});
QStringList settingsTableProblems(SqliteConnection &db, const QString &database = {});
QStringList schemaProblems(SqliteConnection &db, const QString &database = {});

// Throws RecordError naming the file and the problems, when there are any.
void requireLayout(const QString &path, const QStringList &problems);

// The first record of a word table whose Index is not a whole number from 1
// to 32767, described; nothing when every record's Index is in range.
std::optional<QString> badIndexProblem(SqliteConnection &db, const LanguagePair &pair, const QString &database = {});

} // namespace vorbix
