#include "data/import/export_file.h"

#include "data/record_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorbix::import {

namespace {

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The one of `protectedFiles` that `path` is (followed through links, and
// by identity, so that a hard link counts); empty when none.
QString protectedFileOf(const QString &path, const QStringList &protectedFiles)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    for (const QString &guarded : protectedFiles) {
        struct stat other {};
        if (::stat(QFile::encodeName(guarded).constData(), &other) == 0 && sameFile(info, other))
            return guarded;
    }
    return {};
}

bool isSqliteDatabase(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(16) == QByteArray("SQLite format 3", 16);
}

// Why the existing `path` (described by `info`, of the name itself) must not
// be replaced; empty when it may.
QString refusal(const QString &path, const struct stat &info, const QStringList &protectedFiles)
{
    if (S_ISLNK(info.st_mode)) {
        const QString target = QFileInfo(path).canonicalFilePath();
        if (target.isEmpty())
            return QStringLiteral("%1 is a symbolic link that leads nowhere; nothing written. Remove the link or choose another "
                                  "file name.").arg(path);
        if (const QString database = protectedFileOf(target, protectedFiles); !database.isEmpty())
            return QStringLiteral("%1 is a symbolic link to the word database %2; nothing written. "
                                  "Choose another file name.").arg(path, database);
        return QStringLiteral("%1 is a symbolic link to %2; nothing written (an export never writes through a "
                              "link: give %2 itself to replace that file).")
            .arg(path, target);
    }
    if (S_ISDIR(info.st_mode))
        return QStringLiteral("%1 is a folder; nothing written. Choose a file name in it.").arg(path);
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("%1 is not a regular file; nothing written. Choose another file name.").arg(path);
    if (const QString database = protectedFileOf(path, protectedFiles); !database.isEmpty())
        return QStringLiteral("%1 is the word database %2; nothing written. Choose another file name.").arg(path, database);
    if (isSqliteDatabase(path))
        return QStringLiteral("%1 is an SQLite database, not an exported list; nothing written. "
                              "Choose another file name.").arg(path);
    return {};
}

void syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// A new file in `folder` named after `name`, open for writing; its path in
// `path`.
int createTemporary(const QString &folder, const QString &name, const struct stat *replaced, QString &path)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = QDir(folder).filePath(QStringLiteral(".%1.%2.part")
                                         .arg(name)
                                         .arg(QRandomGenerator::global()->generate() & 0xFFFFFF, 6, 16, QLatin1Char('0')));
        const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                              0666);
        if (fd >= 0) {
            // A replaced file keeps who may read it.
            if (replaced)
                ::fchmod(fd, replaced->st_mode & 0777);
            return fd;
        }
        if (errno != EEXIST)
            throw RecordError(QStringLiteral("Cannot write in %1: %2").arg(folder, systemError(errno)));
    }
    throw RecordError(QStringLiteral("Cannot write in %1: no free name for a new file").arg(folder));
}

void writeAll(int fd, const QByteArray &content, const QString &path)
{
    qsizetype written = 0;
    while (written < content.size()) {
        const ssize_t n = ::write(fd, content.constData() + written, size_t(content.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw RecordError(QStringLiteral("Cannot write %1: %2").arg(path, systemError(errno)));
        written += n;
    }
    if (::fsync(fd) != 0)
        throw RecordError(QStringLiteral("Cannot write %1: %2").arg(path, systemError(errno)));
}

// Moves the finished file to `target`: over what is there with `replace`
// (what was checked), else only while the name is free: a file that
// appeared meanwhile is never overwritten. rename() replaces the name
// itself, never what a link there leads to.
void moveTo(const QString &from, const QString &target, bool replace)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray destination = QFile::encodeName(target);
    int rc = 0;
    if (replace) {
        rc = ::rename(source.constData(), destination.constData());
    } else {
        rc = ::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, destination.constData(), RENAME_NOREPLACE);
        if (rc != 0 && (errno == EINVAL || errno == ENOSYS)) {
            rc = ::link(source.constData(), destination.constData());
            if (rc == 0)
                ::unlink(source.constData());
        }
    }
    if (rc != 0) {
        if (errno == EEXIST)
            throw RecordError(QStringLiteral("%1 appeared while the export was written; nothing written.").arg(target));
        throw RecordError(QStringLiteral("Cannot write %1: %2").arg(target, systemError(errno)));
    }
}

} // namespace

bool checkExportTarget(const QString &path, bool replace, const QStringList &protectedFiles, struct stat *existing)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir())
        throw RecordError(QStringLiteral("Cannot write %1: the folder %2 does not exist").arg(path, folder));
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    // What may never be replaced is said first: --replace would not help.
    if (const QString reason = refusal(path, info, protectedFiles); !reason.isEmpty())
        throw RecordError(reason);
    if (!replace)
        throw RecordError(QStringLiteral("%1 exists; give --replace to overwrite it").arg(path));
    if (existing)
        *existing = info;
    return true;
}

void writeExportFile(const QString &path, const QByteArray &content, bool replace, const QStringList &protectedFiles)
{
    const QFileInfo where(path);
    const QString folder = where.absolutePath();
    struct stat existing {};
    const bool exists = checkExportTarget(path, replace, protectedFiles, &existing);

    QString temporary;
    int fd = createTemporary(folder, where.fileName(), exists ? &existing : nullptr, temporary);
    try {
        writeAll(fd, content, temporary);
        const int closed = ::close(fd);
        fd = -1;
        if (closed != 0)
            throw RecordError(QStringLiteral("Cannot write %1: %2").arg(temporary, systemError(errno)));
        moveTo(temporary, QDir(folder).filePath(where.fileName()), exists);
    } catch (...) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(QFile::encodeName(temporary).constData());
        throw;
    }
    syncFolder(folder);
}

} // namespace vorbix::import
