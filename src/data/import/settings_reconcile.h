#pragma once

#include <QString>
#include <QStringList>

namespace vorbix::import {

// Makes every settings record under the data root agree with the table it
// counts: the record of English/engmi and Convdiv/engmi counts their own
// tables, that of Engleza/eng the tables of English/engmi (which its screens
// read). When `curent` names a pair whose table is there and has rows,
// `nrcur` becomes that table's count; otherwise `curent` is emptied (and
// `nrcur` set to 0) so that the next use counts again. Files that are missing
// are left alone. Returns one line per change made.
QStringList reconcileSettings(const QString &dataRoot);

} // namespace vorbix::import
