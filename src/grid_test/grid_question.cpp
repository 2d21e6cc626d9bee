#include "grid_test/grid_question.h"

#include "data/criteria.h"
#include "data/cursor.h"
#include "learning/next_word.h"
#include "platform/random_source.h"

#include <algorithm>

namespace vorbix {

namespace {

// Moves to the entry with a drawn Index; with no such entry the cursor stays.
void findDrawn(Cursor &words, RandomSource &random, int count)
{
    words.findFirst(IndexEquals{drawBelow(random.next(), count)});
}

} // namespace

GridDraw drawQuestion(Cursor &words, RandomSource &random, int count, const QList<int> *practice)
{
    GridDraw draw;
    if (practice && !practice->isEmpty())
        words.findFirst(IndexEquals{drawFromSet(random.next(), *practice)});
    else
        findDrawn(words, random, count);
    draw.asked = words.source().value_or(QString());
    draw.askedIndex = words.index();
    draw.variante[0] = words.target().value_or(QString());
    for (int j = 1; j <= 4; ++j) {
        findDrawn(words, random, count);
        draw.variante[j] = words.target().value_or(QString());
    }
    return draw;
}

GridPlacement placeChoices(RandomSource &random)
{
    GridPlacement placement;
    for (int k = 0; k < 5; ++k) {
        const auto taken = placement.pozitii.begin() + k;
        int entry;
        do {
            entry = drawBelow(random.next(), 5);
        } while (entry >= 5 || std::find(placement.pozitii.begin(), taken, entry) != taken);
        placement.pozitii[k] = entry;
        if (entry == 0)
            placement.rasppoz = quint8(k);
    }
    return placement;
}

std::array<bool, 5> rightSlots(const std::array<QString, 5> &shown, int rasppoz)
{
    std::array<bool, 5> right{};
    for (int k = 0; k < 5; ++k)
        right[k] = shown[k] == shown[rasppoz];
    return right;
}

} // namespace vorbix
