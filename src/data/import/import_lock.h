#pragma once

#include <QString>

#include <functional>

namespace vorbix::import {

// The lock that lets one import at a time write under a data root: an
// advisory lock (flock) on the lock file, which the system releases when
// the holder ends in any way, so a lock is never stale. The file's content
// (the holder's process id) only serves the message; an empty or garbled
// file, or one left by an import that was killed, holds nothing. A link in
// the file's place, symbolic or hard, is removed: the file it leads to is
// never followed nor written. Qt's QLockFile
// takes the same lock on its file, so an import of an older Vorbix is
// waited for as well.
class ImportLock
{
public:
    // Waits up to `waitMs` for the lock; throws RecordError naming the
    // holder's process when it is still held then, or the lock file when it
    // cannot be made. `waiting` is called once, with the holder's process
    // id (0 when unknown), when the lock is found held and the wait begins.
    ImportLock(const QString &path, int waitMs, const std::function<void(qint64)> &waiting = {});
    ~ImportLock();

    ImportLock(const ImportLock &) = delete;
    ImportLock &operator=(const ImportLock &) = delete;

private:
    QString m_path;
    int m_fd = -1;
};

} // namespace vorbix::import
