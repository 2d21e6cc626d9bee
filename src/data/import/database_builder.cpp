#include "data/import/database_builder.h"

#include "data/record_error.h"
#include "data/schema.h"
#include "data/sqlite_connection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vorbix::import {

namespace {

void removePartial(const QString &partial)
{
    for (const char *suffix : {"", "-journal", "-wal", "-shm"})
        QFile::remove(partial + QLatin1String(suffix));
}

} // namespace

QString partialPathFor(const QString &target)
{
    return target + QLatin1String(".partial");
}

void buildDatabaseFile(const QString &target, BuildStart start,
                       const std::function<void(SqliteConnection &)> &fill)
{
    const QFileInfo info(target);
    if (!QDir().mkpath(info.absolutePath()))
        throw RecordError(QStringLiteral("Cannot create the folder %1").arg(info.absolutePath()));
    const QString partial = partialPathFor(target);
    removePartial(partial);
    try {
        if (start == BuildStart::CopyOfTarget) {
            if (!QFile::copy(target, partial))
                throw RecordError(QStringLiteral("Cannot copy %1 to %2").arg(target, partial));
            QFile::setPermissions(partial, QFile::permissions(partial) | QFileDevice::WriteOwner);
        }
        {
            SqliteConnection db(partial, start == BuildStart::Empty ? SqliteConnection::Mode::Create
                                                                   : SqliteConnection::Mode::ReadWrite);
            if (start == BuildStart::Empty)
                createDatabaseSchema(db);
            fill(db);
        }
        // rename() replaces the target in one step: readers see the old file
        // or the new one, never a mixture.
        if (std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(target).constData()) != 0) {
            throw RecordError(QStringLiteral("Cannot rename %1 to %2: %3")
                                  .arg(partial, target, QString::fromLocal8Bit(std::strerror(errno))));
        }
    } catch (...) {
        removePartial(partial);
        throw;
    }
}

} // namespace vorbix::import
