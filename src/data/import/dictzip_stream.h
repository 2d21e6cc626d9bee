#pragma once

#include "data/import/dictd_index.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <functional>

namespace vorbix::import {

// Hands every entry of a dictd .dict.dz file to `visit`, in offset order,
// with its text. The file is inflated as one gzip stream and only the window
// between the current entry and the inflated end is held, so a 100 MB
// dictionary never sits in memory whole. Entries listed twice (same offset
// and length) are visited once. Throws RecordError when the file cannot be
// read, is not gzip, or ends before an entry does.
void forEachDictdEntry(const QString &dictPath,
                       QVector<DictdIndexEntry> entries,
                       const std::function<void(const DictdIndexEntry &, const QByteArray &)> &visit);

} // namespace vorbix::import
