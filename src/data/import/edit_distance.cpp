#include "data/import/edit_distance.h"

#include <QVector>

#include <algorithm>

namespace vorbix::import {

qsizetype editDistance(QStringView a, QStringView b)
{
    // Row by row, keeping only the last two rows.
    QVector<qsizetype> previous(b.size() + 1);
    QVector<qsizetype> current(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        previous[j] = j;
    for (qsizetype i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (qsizetype j = 1; j <= b.size(); ++j) {
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1,
                                   previous[j - 1] + (a.at(i - 1) == b.at(j - 1) ? 0 : 1)});
        }
        std::swap(previous, current);
    }
    return previous[b.size()];
}

} // namespace vorbix::import
