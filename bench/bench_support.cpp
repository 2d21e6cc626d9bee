#include "bench_support.h"

#include "test_support.h"

#include "app/screen_factory.h"
#include "data/store_paths.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMap>
#include <QSet>
#include <QStringList>

#include <cstdio>
#include <random>

#include <sys/resource.h>

namespace vorbix::bench {

QVector<WordRow> generatedTable(int size, unsigned seed)
{
    std::mt19937 engine(seed);
    auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine); };
    auto word = [&](int shortest, int longest) {
        QString w;
        for (int i = shortest + below(longest - shortest + 1); i > 0; --i)
            w.append(QChar(u'a' + below(25)));
        return w;
    };

    QSet<QString> seen;
    QStringList words;
    while (words.size() < size) {
        const QString w = word(4, 12);
        if (!seen.contains(w)) {
            seen.insert(w);
            words.append(w);
        }
    }
    words.sort();

    QVector<WordRow> rows;
    rows.reserve(size);
    for (int i = 0; i < size; ++i) {
        QStringList translation;
        for (int k = 1 + below(3) * below(3); k > 0; --k) // mostly one or two words
            translation.append(word(3, 10));
        rows.append({i + 1, words[i], translation.join(QStringLiteral(", "))});
    }
    return rows;
}

void writeDataRoot(const QString &root, int size)
{
    testing::Tables tables;
    unsigned seed = 1;
    for (const LanguagePair &pair : kLanguagePairs)
        tables.insert(QLatin1String(pair.tableCode), generatedTable(size, seed++));
    for (const char *file : {files::kMain, files::kLearningFrench})
        testing::writeDatabase(root, file, tables);
    testing::writeDatabase(root, files::kTestSettings, {});
}

BenchWorld::BenchWorld(int size)
    : words(generatedTable(size, 1))
    , store(dir.path())
    , progress(dir.path(), clock, messages)
    , services{store, messages, random, tickers, pointer, QLocale(), speech, clock, progress}
    , navigator(services, makeScreen)
{
    testing::writeDatabase(dir.path(), files::kMain, {{QLatin1String(kLanguagePairs[0].tableCode), words}});
    testing::writeDatabase(dir.path(), files::kLearningFrench, {});
    testing::writeDatabase(dir.path(), files::kTestSettings, {});
}

BenchWorld::~BenchWorld() = default;

QString BenchWorld::mainFile() const
{
    return store.filePath(files::kMain);
}

QString BenchWorld::testSettingsFile() const
{
    return store.filePath(files::kTestSettings);
}

namespace {

// The console output as usual, and the real time of every run kept by name
// for the side-by-side table.
class RatioReporter final : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.error_occurred)
                continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (median || single)
                m_times[QString::fromStdString(run.run_name.str())] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e6;
        }
    }

    void printRatios() const
    {
        bool header = false;
        for (auto it = m_times.constBegin(); it != m_times.constEnd(); ++it) {
            if (!it.key().endsWith(QLatin1String("/scan")))
                continue;
            const QString base = it.key().chopped(5);
            const auto indexed = m_times.constFind(base + QLatin1String("/indexed"));
            if (indexed == m_times.constEnd())
                continue;
            if (!header) {
                std::printf("\n%-40s %12s %12s %8s\n", "scan vs indexed (real time, us)", "scan", "indexed", "ratio");
                header = true;
            }
            std::printf("%-40s %12.2f %12.2f %7.1fx\n", qPrintable(base), it.value(), indexed.value(),
                        it.value() / indexed.value());
        }
    }

private:
    QMap<QString, double> m_times; // microseconds
};

} // namespace

int runBenchmarks(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}

long peakRssKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace vorbix::bench
