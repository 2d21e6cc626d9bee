#include "progress/practice.h"

#include "data/criteria.h"
#include "data/word_table.h"

#include <algorithm>

namespace vorbix {

QList<int> practiceIndexes(const QVector<ProgressReport::Word> &due, const WordTable &table)
{
    QList<int> indexes;
    for (const ProgressReport::Word &word : due) {
        const int row = table.findFirst(IndexEquals{word.index});
        if (row >= 0 && table.source(row) == word.word)
            indexes.append(word.index);
    }
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    return indexes;
}

} // namespace vorbix
