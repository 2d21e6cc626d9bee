#pragma once

#include "data/language_pairs.h"

#include <QString>
#include <QVector>

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
inline constexpr int kMaxRows = 32767;
} // namespace schema

// One stored row of a word table. A missing word or translation is a NULL.
struct WordRow
{
    int index = 0;
    std::optional<QString> source;
    std::optional<QString> target;
};

// Creates the seven tables (word tables empty) and the one settings record.
void createDatabaseSchema(SqliteConnection &db, const QString &current = {}, int count = 0);

// Replaces the rows of the pair's table with `rows`, in the order given.
void writeWordTable(SqliteConnection &db, const LanguagePair &pair, const QVector<WordRow> &rows);

// Reads the rows of the pair's table in stored order.
QVector<WordRow> readWordTable(SqliteConnection &db, const LanguagePair &pair);

// True when every one of the seven tables is present.
bool hasCompleteSchema(SqliteConnection &db);

} // namespace vorbix
