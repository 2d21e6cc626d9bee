#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

struct stat;

namespace vorbix::import {

// Writes an export to `path` so that no other file can be harmed and the
// file is never half-written: the content goes to a new file beside it,
// which is synced and then renamed to `path`, so `path` holds either what
// it held before or the whole export.
//
// `path` itself is looked at, not what it leads to: when anything is there
// (a file, a link, even one that leads nowhere) it is replaced only with
// `replace`, and then only when it is a regular file that is none of
// `protectedFiles` (the word databases, matched by identity, so a hard link
// counts too) and no SQLite database. A symbolic link is never written
// through or replaced: the message names the file it leads to, which the
// user may give instead. Throws RecordError naming the file and the reason;
// nothing has been written then.
void writeExportFile(const QString &path, const QByteArray &content, bool replace, const QStringList &protectedFiles);

// The same rules for `path` without writing, so that a refusal comes before
// the work of an export: throws RecordError as writeExportFile would; true
// when something is there (to be replaced), its description in `existing`.
bool checkExportTarget(const QString &path, bool replace, const QStringList &protectedFiles,
                       struct stat *existing = nullptr);

} // namespace vorbix::import
