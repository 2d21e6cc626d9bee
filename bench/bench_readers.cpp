// The readers of a user's files on 1 MB of the worst input each kind has
// met: every reader must take linear time (the goal: 1 MB in well under a
// second). The inputs are those that were quadratic or worse: one word with
// tens of thousands of translations, unclosed tags and brackets repeated,
// quotes that never close, elements nested without end, and the largest
// file refused before it is read.
#include "data/import/flashcard_reader.h"
#include "data/import/input_file.h"
#include "data/import/kvtml_reader.h"
#include "data/import/word_list_reader.h"
#include "data/record_error.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

using namespace vorbix;
using namespace vorbix::import;

namespace {

constexpr qsizetype kSize = 1 << 20;

// `unit` repeated to 1 MB, between `head` and `tail`.
QByteArray filled(const QByteArray &head, const QByteArray &unit, const QByteArray &tail = {})
{
    return head + unit.repeated((kSize - head.size() - tail.size()) / unit.size()) + tail;
}

QByteArray numbered(const char *format, int count)
{
    QByteArray text;
    for (int i = 0; text.size() < kSize && i < count; ++i)
        text += QByteArray(format).replace("%d", QByteArray::number(i));
    return text;
}

const QByteArray kKvtmlHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\">\n<identifiers>\n"
                              "<identifier id=\"0\"><name>English</name><locale>en</locale></identifier>\n"
                              "<identifier id=\"1\"><name>German</name><locale>de</locale></identifier>\n"
                              "</identifiers>\n<entries>\n";
const QByteArray kKvtmlTail = "</entries>\n</kvtml>\n";

QByteArray kvtmlInput(int kind)
{
    switch (kind) {
    case 0:  // one word with tens of thousands of translations
        return kKvtmlHead
               + numbered("<entry><translation id=\"0\"><text>run</text></translation><translation id=\"1\">"
                          "<text>t%d</text></translation></entry>\n", 1 << 30)
               + kKvtmlTail;
    case 1:  // as many distinct words as fit
        return kKvtmlHead
               + numbered("<entry><translation id=\"0\"><text>w%d</text></translation><translation id=\"1\">"
                          "<text>t</text></translation></entry>\n", 1 << 30)
               + kKvtmlTail;
    default:  // elements nested without end (refused at depth 64)
        return filled(kKvtmlHead + "<entry><translation id=\"0\"><text>", "<b>");
    }
}

void BM_Kvtml(benchmark::State &state)
{
    const QByteArray input = kvtmlInput(int(state.range(0)));
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(parseKvtml(input, QStringLiteral("bench.kvtml"), std::nullopt));
        } catch (const RecordError &) {
        }
    }
    state.SetBytesProcessed(state.iterations() * input.size());
}

QByteArray flashcardInput(int kind)
{
    switch (kind) {
    case 0:  // one word with tens of thousands of translations
        return numbered("run\tt%d\n", 1 << 30);
    case 1:  // a field of unclosed <style> tags
        return filled("#html:true\nw\t", "<style>", "\n");
    case 2:  // a field of "<" and "[sound:" that never close, and boundaries
        return filled("#html:true\nw\t", "<br<b[sound:x ", "\n");
    default:  // every line opens a quote that no line closes
        return filled({}, "\"a\tb\n");
    }
}

void BM_Flashcards(benchmark::State &state)
{
    const QByteArray input = flashcardInput(int(state.range(0)));
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(parseFlashcards(input, kLanguagePairs[4], std::nullopt));
        } catch (const RecordError &) {
        }
    }
    state.SetBytesProcessed(state.iterations() * input.size());
}

// A CSV word list of one line of 1 MB, quotes doubled throughout.
void BM_CsvWordList(benchmark::State &state)
{
    const QByteArray input = filled("w,\"", "\"\"x", "\"\n");
    for (auto _ : state)
        benchmark::DoNotOptimize(parseWordList(input, ListFormat::Csv));
    state.SetBytesProcessed(state.iterations() * input.size());
}

// A file beyond the limit is refused from its size, without being read.
void BM_RefusedLargeFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge.kvtml"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.resize((qint64(64) << 20) + 1)) {
        state.SkipWithError("cannot make the file");
        return;
    }
    file.close();
    for (auto _ : state) {
        try {
            readKvtml(path, std::nullopt);
            state.SkipWithError("the file was read");
        } catch (const RecordError &) {
        }
    }
}

// A file the size of trans-de-en (25 MB) read whole, as the importer reads it.
void BM_LargeInputFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("de-en"));
    QFile file(path);
    const QByteArray line = "Haus {n} | Häuser {pl} :: house | houses\n";
    if (!file.open(QIODevice::WriteOnly) || file.write(line.repeated((qint64(25) << 20) / line.size())) < 0) {
        state.SkipWithError("cannot make the file");
        return;
    }
    file.close();
    for (auto _ : state)
        benchmark::DoNotOptimize(readInputFile(path));
    state.SetBytesProcessed(state.iterations() * file.size());
}

} // namespace

BENCHMARK(BM_Kvtml)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Flashcards)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CsvWordList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefusedLargeFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LargeInputFile)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
