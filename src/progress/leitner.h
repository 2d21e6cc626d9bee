#pragma once

#include "progress/answer.h"

#include <QDate>

namespace vorbix::leitner {

// Five boxes per word and pair. A word answered well moves up one box and
// comes back after a longer interval; a word answered badly goes back to
// the first box. A word never answered counts as standing in the first box.
inline constexpr int kFirstBox = 1;
inline constexpr int kLastBox = 5;

// What one answer does to its word's box.
enum class Move { Up, Stay, BackToFirst };

// Days a word waits in its box before it is due: 1, 2, 4, 8 and 16. A box
// outside 1..5 (a damaged record) counts as the nearest one.
int intervalDays(int box);

// What a first grading does. Writing test: a score of 9 or more moves up,
// below 6 goes back, between them stays. Grid test: only a right choice
// within the time moves up; a wrong or late choice, or none before the time
// limit, goes back.
Move moveFor(Grading grading, double score);

// The box after an answer: up one (at most the last), the same, or the first.
int nextBox(int box, Move move);

// The first day a word answered on `lastAnswer` from `box` is due again.
QDate dueDate(int box, QDate lastAnswer);
// Due when its interval has passed since its last answer, counted in
// calendar days: a word answered wrongly in the evening is due the next
// morning, not 24 hours later. A last answer dated after `today` (a clock
// set back) makes the word due, so that it is never hidden for long.
bool isDue(int box, QDate lastAnswer, QDate today);

} // namespace vorbix::leitner
