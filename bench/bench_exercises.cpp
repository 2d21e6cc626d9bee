// The timed steps of the exercise screens and the settings record they read
// on every step, on a table of the largest size (32767 entries): a tick of
// "Learn words" (Timer1), a question of "Grid test" (Cmdcont), and one read
// and one write of the settings record.
#include "bench_support.h"

#include "data/settings_record.h"
#include "grid_test/grid_screen.h"
#include "learning/learn_screen.h"

#include <benchmark/benchmark.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

using namespace vorbix;

namespace {

bench::BenchWorld &world()
{
    static bench::BenchWorld w(schema::kMaxRows);
    return w;
}

void BM_LearningTick(benchmark::State &state)
{
    auto &learn = static_cast<LearnScreen &>(world().navigator.screen(ScreenId::Invatare));
    LearnForm &ui = learn.ui();
    // "Set time :" 1 with "Timer" checked: every tick counts down to zero
    // and shows the next word, the heaviest step there is.
    ui.Text2->setText(QStringLiteral("1"));
    ui.Check2->setChecked(true);
    ui.Cmdcont->click();
    testing::ManualTicker &timer1 = world().tickers.of(ui.Timer1);
    if (!timer1.isActive()) {
        state.SkipWithError("the timed exercise did not start");
        return;
    }
    for (auto _ : state)
        timer1.fire();
    ui.Cmdcont->click(); // pause
    if (!world().messages.shown.isEmpty())
        state.SkipWithError("a tick failed");
}

void BM_GridQuestion(benchmark::State &state)
{
    auto &grid = static_cast<GridScreen &>(world().navigator.screen(ScreenId::TestG));
    for (auto _ : state)
        grid.ui().Cmdcont->click();
    grid.timer().stop();
    if (!world().messages.shown.isEmpty())
        state.SkipWithError("a question failed");
}

void BM_SettingsRead(benchmark::State &state)
{
    SettingsRecord record(world().testSettingsFile());
    for (auto _ : state)
        benchmark::DoNotOptimize(record.read());
}

void BM_SettingsWrite(benchmark::State &state)
{
    SettingsRecord record(world().testSettingsFile());
    int count = 0;
    for (auto _ : state)
        record.write(QStringLiteral("enspa"), 1 + (++count & 1)); // a real change every time
}

} // namespace

BENCHMARK(BM_LearningTick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GridQuestion)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SettingsRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SettingsWrite)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    return bench::runBenchmarks(argc, argv);
}
