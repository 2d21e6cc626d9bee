// What keeping the learner's progress costs: the handlers that grade an
// answer ("Verify", a grid choice) with the answer recorded and without,
// the record alone, on a table of the largest size (32767 entries); and
// opening the
// Progress window over a year of daily use, a generated history of 50 000
// answers of one pair (VORBIX_BENCH_ANSWERS sets another number).
#include "bench_support.h"

#include "grid_test/grid_screen.h"
#include "progress/progress_log.h"
#include "progress/progress_store.h"
#include "progress/window/progress_window.h"
#include "writing_test/write_screen.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <random>

using namespace vorbix;

namespace {

bench::BenchWorld &world()
{
    static bench::BenchWorld w(schema::kMaxRows);
    return w;
}

// The same screens with a progress file that cannot be used (a folder in its
// place): after the first answer, which says so, nothing is recorded, so the
// handlers cost what they cost without keeping answers.
bench::BenchWorld &worldNotKeeping()
{
    static bench::BenchWorld *w = [] {
        auto *made = new bench::BenchWorld(schema::kMaxRows);
        QDir().mkpath(ProgressStore::pathIn(made->dir.path()));
        made->progress.answerGraded({{0, 1, QStringLiteral("a"), QStringLiteral("b"), {}}, Grading::Verify, {}, 1, true});
        made->messages.shown.clear();
        return made;
    }();
    return *w;
}

// A year of answers: about 137 a day over 365 days, 4000 words of the
// eng-spa table, scores from 1 to 10, each answer a first grading, written
// through the store as the screens write them.
struct History
{
    QTemporaryDir dir;
    SystemClock clock;
    testing::RecordingMessages messages;
    std::unique_ptr<ProgressLog> log;
    int answers = 0;

    History()
    {
        answers = qEnvironmentVariableIsSet("VORBIX_BENCH_ANSWERS") ? qEnvironmentVariableIntValue("VORBIX_BENCH_ANSWERS")
                                                                    : 50000;
        const QVector<WordRow> &words = world().words;
        std::mt19937 engine(2025);
        auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine); };
        QVector<int> chosen;
        for (int i = 0; i < 4000; ++i)
            chosen.append(below(int(words.size())));
        {
            ProgressStore store(ProgressStore::pathIn(dir.path()));
            const QDateTime start = clock.now().addDays(-365);
            for (int i = 0; i < answers; ++i) {
                const WordRow &row = words[chosen[below(int(chosen.size()))]];
                const QDateTime at = start.addSecs(qint64(i) * 365 * 86400 / answers);
                const bool grid = below(2) == 0;
                const double score = grid ? (below(3) == 0 ? 1.0 : 10.0) : 1 + below(91) / 10.0;
                const Grading grading = grid ? (score == 10.0 ? Grading::Right : Grading::Wrong) : Grading::Verify;
                store.addAnswer({{0, row.index, *row.source, row.target.value_or(QString()), at.addSecs(-6)},
                                 grading, QStringLiteral("typed"), score, true},
                                at);
            }
        }
        log = std::make_unique<ProgressLog>(dir.path(), clock, messages);
    }
};

History &history()
{
    static History h;
    return h;
}

void gridChoices(benchmark::State &state, bench::BenchWorld &world)
{
    auto &grid = static_cast<GridScreen &>(world.navigator.screen(ScreenId::TestG));
    int k = 0;
    for (auto _ : state) {
        state.PauseTiming();
        grid.ui().Cmdcont->click(); // a new question: its first choice is a first grading
        state.ResumeTiming();
        grid.ui().Option14[k++ % 5]->click();
    }
    if (!world.messages.shown.isEmpty())
        state.SkipWithError("a choice failed");
}

void BM_GridChoiceKeepingTheAnswer(benchmark::State &state)
{
    gridChoices(state, world());
}

void BM_GridChoiceNotKeeping(benchmark::State &state)
{
    gridChoices(state, worldNotKeeping());
}

void verifies(benchmark::State &state, bench::BenchWorld &world)
{
    auto &write = static_cast<WriteScreen &>(world.navigator.screen(ScreenId::Test));
    for (auto _ : state) {
        state.PauseTiming();
        write.ui().Cmdcont->click(); // a new word: its Verify is a first grading
        write.ui().Text5->setText(write.ui().Text4->text().left(3));
        state.ResumeTiming();
        write.ui().Cmdok->click(); // scored, averaged and kept
    }
    if (!world.messages.shown.isEmpty())
        state.SkipWithError("Verify failed");
}

void BM_VerifyKeepingTheAnswer(benchmark::State &state)
{
    verifies(state, world());
}

void BM_VerifyNotKeeping(benchmark::State &state)
{
    verifies(state, worldNotKeeping());
}

void BM_AnswerKept(benchmark::State &state)
{
    // The record alone: the insert and the word's box, one transaction.
    const QVector<WordRow> &words = world().words;
    int i = 0;
    for (auto _ : state) {
        const WordRow &row = words[(i++ * 7919) % words.size()];
        world().progress.answerGraded({{0, row.index, *row.source, row.target.value_or(QString()),
                                        world().clock.now()},
                                       Grading::Verify, QStringLiteral("typed"), 5.5, true});
    }
    if (!world().messages.shown.isEmpty())
        state.SkipWithError("an answer was not kept");
}

void BM_ProgressReport(benchmark::State &state)
{
    History &h = history();
    for (auto _ : state)
        benchmark::DoNotOptimize(h.log->report(0));
    state.counters["answers"] = h.answers;
}

// The window built, filled and shown until it has painted, as the first
// Ctrl+P of a run opens it.
void BM_ProgressWindowFirstOpen(benchmark::State &state)
{
    History &h = history();
    for (auto _ : state) {
        ProgressWindow window(*h.log, world().store, QLocale(), world().tickers);
        window.showPair(0);
        window.show();
        QApplication::processEvents();
        state.PauseTiming();
        window.hide();
        state.ResumeTiming();
    }
    state.counters["answers"] = h.answers;
}

// The same window opened again, as every later Ctrl+P opens it.
void BM_ProgressWindowOpenAgain(benchmark::State &state)
{
    History &h = history();
    ProgressWindow window(*h.log, world().store, QLocale(), world().tickers);
    for (auto _ : state) {
        window.showPair(0);
        window.show();
        QApplication::processEvents();
        state.PauseTiming();
        window.hide();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["answers"] = h.answers;
}

} // namespace

BENCHMARK(BM_VerifyKeepingTheAnswer)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VerifyNotKeeping)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GridChoiceKeepingTheAnswer)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GridChoiceNotKeeping)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AnswerKept)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProgressReport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProgressWindowFirstOpen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProgressWindowOpenAgain)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return bench::runBenchmarks(argc, argv);
}
