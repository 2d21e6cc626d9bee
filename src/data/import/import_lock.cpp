#include "data/import/import_lock.h"

#include "data/record_error.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorbix::import {

namespace {

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The process id a holder wrote into the file, for the message; 0 when it
// holds none.
qint64 holderOf(int fd)
{
    char text[32] = {};
    const ssize_t n = ::pread(fd, text, sizeof text - 1, 0);
    return n > 0 ? QByteArray(text, int(n)).split('\n').value(0).trimmed().toLongLong() : 0;
}

} // namespace

ImportLock::ImportLock(const QString &path, int waitMs, const std::function<void(qint64)> &waiting)
    : m_path(path)
{
    const QByteArray name = QFile::encodeName(path);
    const QDeadlineTimer deadline(waitMs);
    qint64 holder = 0;
    bool told = false;
    for (int pause = 20;; pause = std::min(pause * 2, 250)) {
        int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
        // A lock file this user may not write (left by another user) still
        // takes the lock; only the process id is not written into it.
        if (fd < 0 && errno == EACCES) {
            fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
            if (fd < 0 && errno == ENOENT)
                errno = EACCES;  // the folder is read-only: say that
        }
        if (fd < 0 && errno == ELOOP) {
            // A symbolic link (even one that leads to a file elsewhere) is
            // no lock: it is removed, the file it leads to left alone.
            if (::unlink(name.constData()) != 0 && errno != ENOENT)
                throw RecordError(QStringLiteral("Cannot remove the link %1 in the place of the lock file: %2; "
                                                 "nothing was written.")
                                      .arg(path, systemError(errno)));
            continue;
        }
        if (fd < 0) {
            throw RecordError(QStringLiteral("Cannot create the lock file %1 (%2); nothing was written.")
                                  .arg(path, systemError(errno)));
        }
        struct stat opened {};
        if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
            ::close(fd);
            throw RecordError(QStringLiteral("%1 is not a regular file; it cannot serve as the lock file. Remove it; "
                                             "nothing was written.")
                                  .arg(path));
        }
        if (opened.st_nlink > 1) {
            // A hard link to some other file: writing the process id would
            // overwrite that file. The name is removed, the file kept.
            ::close(fd);
            if (::unlink(name.constData()) != 0 && errno != ENOENT)
                throw RecordError(QStringLiteral("Cannot remove the link %1 in the place of the lock file: %2; "
                                                 "nothing was written.")
                                      .arg(path, systemError(errno)));
            continue;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            // The holder before may have removed the file as it let go (as
            // QLockFile does), or another import made a new one meanwhile:
            // only the lock on the file that is in place counts.
            struct stat current {};
            if (::lstat(name.constData(), &current) == 0 && current.st_dev == opened.st_dev
                && current.st_ino == opened.st_ino) {
                const QByteArray pid = QByteArray::number(QCoreApplication::applicationPid()) + '\n';
                if (::ftruncate(fd, 0) == 0 && ::pwrite(fd, pid.constData(), size_t(pid.size()), 0) == pid.size())
                    ::fsync(fd);
                m_fd = fd;
                return;
            }
            ::close(fd);
            continue;
        }
        const int error = errno;
        if (error != EWOULDBLOCK) {
            ::close(fd);
            throw RecordError(QStringLiteral("Cannot lock %1 (%2); nothing was written.").arg(path, systemError(error)));
        }
        holder = holderOf(fd);
        ::close(fd);
        if (!told && waiting) {
            told = true;
            waiting(holder);
        }
        if (deadline.hasExpired())
            break;
        QThread::msleep(std::min<qint64>(pause, std::max<qint64>(1, deadline.remainingTime())));
    }
    const QString process = holder > 0 ? QStringLiteral(" (process %1)").arg(holder) : QString();
    throw RecordError(QStringLiteral("Another import%1 is changing the files under this data root (lock file %2); "
                                     "nothing was written. Try again when it has finished.")
                          .arg(process, path));
}

ImportLock::~ImportLock()
{
    // The file is removed while the lock is still held; an import that
    // opened it meanwhile finds it gone once it gets the lock and opens the
    // file anew.
    ::unlink(QFile::encodeName(m_path).constData());
    ::close(m_fd);
}

} // namespace vorbix::import
