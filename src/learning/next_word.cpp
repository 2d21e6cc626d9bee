#include "learning/next_word.h"

#include "data/cursor.h"
#include "platform/random_source.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace vorbix {

namespace {

qint16 checkedInt16(int value)
{
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw std::overflow_error("The letter range is too wide to draw a word from.");
    return qint16(value);
}

// One step forward, or back to the start when the step would leave the
// range or the table.
template<typename Wrap>
void stepOrWrap(Cursor &words, int last, Wrap wrap)
{
    if (words.index() < last && !words.isOnLastRecord())
        words.moveNext();
    else
        wrap();
}

void choosePracticeWord(Cursor &words, const NextWordRequest &request, RandomSource &random)
{
    const QList<int> &due = *request.practice;
    if (request.order == NextWordRequest::Order::Randomly) {
        const int k = drawFromSet(random.next(), due);
        words.moveFirst();
        words.findFirst(IndexEquals{k});
        return;
    }
    const auto next = std::upper_bound(due.begin(), due.end(), words.index());
    words.findFirst(IndexEquals{next == due.end() ? due.front() : *next});
}

} // namespace

int drawFromSet(float r, const QList<int> &set)
{
    const int k = drawBelow(r, int(set.size()));
    return set.at(qBound(0, k, int(set.size()) - 1));
}

void chooseNextWord(Cursor &words, const NextWordRequest &request, RandomSource &random)
{
    using Order = NextWordRequest::Order;
    if (request.practice && !request.practice->isEmpty()) {
        choosePracticeWord(words, request, random);
        return;
    }
    const bool wholeTable = request.letter.isEmpty();

    if (wholeTable) {
        if (request.order == Order::Randomly) {
            const int k = drawBelow(random.next(), request.nrmax);
            words.moveFirst();
            words.findFirst(IndexEquals{k});
        } else {
            stepOrWrap(words, request.nrmax, [&] { words.moveFirst(); });
        }
        return;
    }

    const PrefixEquals startsWithLetter{1, request.letter};
    if (request.order == Order::Randomly) {
        words.moveFirst();
        const float r = random.next();
        const qint16 d = checkedInt16(int(request.nrultim) - int(request.nrprim));
        const qint16 k = checkedInt16(drawBelow(r, d) + request.nrprim);
        words.findFirst(IndexEquals{k});
        return;
    }
    if (request.variant == NextWordRequest::Variant::Start && words.index() < request.nrprim)
        words.findFirst(startsWithLetter);
    stepOrWrap(words, request.nrultim, [&] { words.findFirst(startsWithLetter); });
}

} // namespace vorbix
