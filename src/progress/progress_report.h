#pragma once

#include <QDate>
#include <QString>
#include <QVector>

#include <array>

namespace vorbix {

class SqliteConnection;

// One pair's progress as the Progress window shows it. Only first gradings
// count: a word graded twice while on show counts once.
struct ProgressReport
{
    static constexpr int kDays = 30;    // days of the chart, today included
    static constexpr int kTrouble = 20; // words of the list of hardest words

    struct Day
    {
        QDate date;
        int answers = 0;
        double averageScore = 0.0; // 0 on a day without answers
    };

    struct Word
    {
        int index = 0;
        QString word;
        QString rightAnswer;
        int box = 0;       // the Leitner box (due words)
        QDate lastAnswer;  // (due words)
        int timesBelowSix = 0; // (hardest words)
    };

    int pair = 0;
    QDate today;
    std::array<Day, kDays> days{}; // oldest first, the last one today
    int wordsSeen = 0;             // shown by "Learn words" or asked in a test
    int answers = 0;
    double averageScore = 0.0;     // 0 without answers
    std::array<int, 5> wordsPerBox{};
    QVector<Word> due;     // lowest box first, then the longest waiting
    QVector<Word> trouble; // most often answered below 6 first

    // A report with nothing recorded yet.
    static ProgressReport empty(int pair, QDate today);
};

// Reads a pair's report from an open progress file; throws RecordError.
ProgressReport readProgressReport(SqliteConnection &db, int pair, QDate today);

} // namespace vorbix
