#pragma once

#include <QStringView>

namespace vorbix::import {

// The number of letters to add, drop or change to turn `a` into `b`
// (Levenshtein's distance), counted on UTF-16 code units.
qsizetype editDistance(QStringView a, QStringView b);

} // namespace vorbix::import
