#pragma once

#include <QString>

namespace vorbix {

// Where the word databases live. The program was designed around fixed drive
// paths such as "C:\English\engmi.mdb"; each maps to an SQLite file under the
// data root: <root>/English/engmi.db.
QString defaultDataRoot();

// Maps a drive path "C:\Dir\name.mdb" to "<root>/Dir/name.db".
QString mapDrivePath(const QString &drivePath, const QString &dataRoot);

// The three database files the screens are bound to.
namespace files {
inline constexpr const char *kMain = "C:\\English\\engmi.mdb";
inline constexpr const char *kLearningFrench = "C:\\Convdiv\\engmi.mdb";
inline constexpr const char *kTestSettings = "C:\\Engleza\\eng.mdb";
} // namespace files

} // namespace vorbix
