#pragma once

#include <QString>
#include <QStringList>

namespace vorbix {

// The word databases installed with the program: <prefix>/share/vorbix/words
// beside the program's own prefix first, then the system's data folders.
QStringList bundledDataFolders();

// Copies each of the three database files that is missing under `dataRoot`
// from the first folder in `bundles` that has it, so that a fresh install
// starts with words. A file that exists is never touched, and a copy lands
// under its name only complete (a partial copy is removed). Returns the
// files copied, relative to the data root.
QStringList seedMissingDatabases(const QString &dataRoot, const QStringList &bundles);

} // namespace vorbix
