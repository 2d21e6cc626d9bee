#pragma once

#include <QString>

#include <functional>

namespace vorbix {
class SqliteConnection;
}

namespace vorbix::import {

enum class BuildStart {
    Empty,         // a new database with the seven tables, word tables empty
    CopyOfTarget,  // a copy of the existing target, to change some tables
};

// The file a database is built in before it replaces `target`.
QString partialPathFor(const QString &target);

// Builds `target` in a file beside it and renames that file over the target
// only once `fill` has returned: if `fill` throws, or the process dies, the
// target stays as it was (or absent) and the partial file is removed (on the
// next build at the latest). The parent folder is created when missing.
// Throws RecordError, or whatever `fill` throws.
void buildDatabaseFile(const QString &target, BuildStart start,
                       const std::function<void(SqliteConnection &)> &fill);

} // namespace vorbix::import
