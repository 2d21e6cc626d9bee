#pragma once

#include <QList>
#include <QString>

#include <array>

namespace vorbix {

class Cursor;
class RandomSource;

// The texts of one question, as drawn from the pair's word table.
struct GridDraw
{
    QString asked; // the source word of the asked entry
    int askedIndex = 0; // its Index
    // `variante`: 0 is the asked entry's translation, 1 to 4 those of four
    // other drawn entries; 5 is never filled, so every element a slot may
    // name exists.
    std::array<QString, 6> variante;
};

// Draws the asked entry and four others, each independently by Index
// Int((1 - r) * count), so an entry may come twice or as its own
// distractor. A number no Index carries (0 among them) finds nothing and
// the texts come from the record the cursor stands on. Missing words read
// as empty texts. While the learner practises the due words, the asked entry
// is drawn into `practice` (their Index, ascending) by the same rule; the
// four others still come from the whole table.
GridDraw drawQuestion(Cursor &words, RandomSource &random, int count, const QList<int> *practice = nullptr);

// Which entry of `variante` each of the five slots shows, and the slot of
// the right translation.
struct GridPlacement
{
    std::array<int, 5> pozitii{};
    quint8 rasppoz = 0;
};

// A random order of the five prepared texts: each slot draws Int((1 - r) * 5)
// until it gets an entry no earlier slot took. A draw of 5 (r exactly 0)
// names no prepared text and is drawn again like a taken one, so every
// question shows the right translation and `rasppoz` always names its slot.
GridPlacement placeChoices(RandomSource &random);

// The slots whose text is the right translation: the slot `rasppoz` and any
// other slot that shows the same text (a repeated draw, or another entry
// with the same translation). Choosing any of them is choosing right.
std::array<bool, 5> rightSlots(const std::array<QString, 5> &shown, int rasppoz);

} // namespace vorbix
