// The dictionary's cost per keystroke and per scroll on a table of the
// largest size a word table can have (32767 entries), measured through the
// main window's own handlers; and the searches of one keystroke on the table
// itself, by the prefix index and by a plain scan, side by side.
#include "bench_support.h"

#include "data/language_pairs.h"
#include "data/word_table.h"
#include "dictionary/start_screen.h"

#include <benchmark/benchmark.h>

#include <QLineEdit>
#include <QScrollBar>

using namespace vorbix;

namespace {

struct Fixture
{
    bench::BenchWorld world{schema::kMaxRows};
    StartScreen *start = nullptr;
    std::shared_ptr<const WordTable> table;
    QString middleWord;

    Fixture()
    {
        middleWord = *world.words[world.words.size() / 2].source;
        start = static_cast<StartScreen *>(&world.navigator.screen(ScreenId::Start));
        start->ui().Text0->setText(QStringLiteral("a")); // loads the table, builds its index, caches the count
        table = world.store.table(world.mainFile(), kLanguagePairs[0]);
    }
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

// Alternates between two texts so that every iteration is a real change.
void typeAlternately(benchmark::State &state, const QString &first, const QString &second)
{
    QLineEdit *box = fixture().start->ui().Text0;
    bool flip = false;
    for (auto _ : state) {
        box->setText(flip ? first : second);
        flip = !flip;
    }
}

QString worstText()
{
    return QString(20, QLatin1Char('z')); // twenty characters, none found at any length
}

void BM_LookupTypicalKeystroke(benchmark::State &state)
{
    const QString word = fixture().middleWord;
    typeAlternately(state, word.left(3), word.left(4));
}

void BM_LookupFirstEntries(benchmark::State &state)
{
    typeAlternately(state, QStringLiteral("aa"), QStringLiteral("aaa"));
}

void BM_LookupWorstCaseNoMatchAtAnyLength(benchmark::State &state)
{
    typeAlternately(state, worstText(), QStringLiteral("zyxwvutsrqponmlkjihg"));
}

// The searches the look-up makes for one typed text: the whole text, then
// the nearest-prefix fallback from one character shorter down to one, until
// one finds an entry.
enum class Method { Scan, Indexed };

int keystrokeSearches(const WordTable &table, const QString &typed, Method method)
{
    auto find = [&](int length) {
        const PrefixEquals criterion{length, typed.left(length)};
        return method == Method::Scan ? table.scanFirst(criterion) : table.findFirst(criterion);
    };
    const int length = int(typed.size());
    int row = find(length);
    for (int k = length - 1; k >= 1 && row < 0; --k)
        row = find(k);
    return row;
}

void BM_KeystrokeWorstCase(benchmark::State &state, Method method)
{
    const WordTable &table = *fixture().table;
    const QString typed = worstText();
    for (auto _ : state)
        benchmark::DoNotOptimize(keystrokeSearches(table, typed, method));
}

void BM_KeystrokeTypical(benchmark::State &state, Method method)
{
    const WordTable &table = *fixture().table;
    const QString typed = fixture().middleWord.left(4);
    for (auto _ : state)
        benchmark::DoNotOptimize(keystrokeSearches(table, typed, method));
}

// What the first prefix search of a table costs once: a table built from
// its rows and its index built by one search.
void BM_TableAndIndexBuild(benchmark::State &state)
{
    const QVector<WordRow> &rows = fixture().world.words;
    for (auto _ : state) {
        const WordTable table(rows);
        benchmark::DoNotOptimize(table.findFirst(PrefixEquals{1, QStringLiteral("a")}));
    }
}

// Moves the scroll bar back and forth between two neighbouring positions.
void browseBetween(benchmark::State &state, int position)
{
    StartScreen *start = fixture().start;
    start->ui().Text0->setText(QStringLiteral("b"));
    QScrollBar *bar = start->ui().VScroll1;
    bar->setValue(bar->value() == 2 ? 3 : 2); // the first move only synchronises
    bool flip = false;
    for (auto _ : state) {
        bar->setValue(flip ? position : position - 1);
        flip = !flip;
    }
}

void BM_BrowseToTheMiddle(benchmark::State &state)
{
    browseBetween(state, schema::kMaxRows / 2);
}

void BM_BrowseToTheEnd(benchmark::State &state)
{
    browseBetween(state, schema::kMaxRows);
}

} // namespace

BENCHMARK(BM_LookupTypicalKeystroke)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LookupFirstEntries)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LookupWorstCaseNoMatchAtAnyLength)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_KeystrokeWorstCase, scan, Method::Scan)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_KeystrokeWorstCase, indexed, Method::Indexed)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_KeystrokeTypical, scan, Method::Scan)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_KeystrokeTypical, indexed, Method::Indexed)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TableAndIndexBuild)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BrowseToTheMiddle)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BrowseToTheEnd)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    return bench::runBenchmarks(argc, argv);
}
