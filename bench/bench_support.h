#pragma once

#include "data/schema.h"
#include "data/word_store.h"
#include "platform/message_sink.h"
#include "platform/mouse_pointer.h"
#include "platform/random_source.h"
#include "shell/navigator.h"
#include "shell/services.h"
#include "test_support.h"

#include <QString>
#include <QTemporaryDir>
#include <QVector>

#include <memory>

namespace vorbix::bench {

// A word table of `size` entries (at most the largest a table can hold) in
// dictionary order: distinct lower-case source words of 4 to 12 letters
// a..y (so that "z" begins no word) and translations of one to six words,
// about as long as those of the FreeDict tables. The same seed gives the
// same table.
QVector<WordRow> generatedTable(int size, unsigned seed);

// A data root as the program expects it: English/engmi.db and
// Convdiv/engmi.db with six generated tables of `size` entries each, and
// Engleza/eng.db with the settings record and empty word tables.
void writeDataRoot(const QString &root, int size);

// The program's screens over a temporary data root whose eng-spa table has
// `size` generated entries (the other tables are empty): real random
// numbers and regional settings, hand-stepped timers, messages counted
// instead of shown.
class BenchWorld
{
public:
    explicit BenchWorld(int size);
    ~BenchWorld();

    QString mainFile() const;
    QString testSettingsFile() const;

    QTemporaryDir dir;
    QVector<WordRow> words; // the eng-spa table as written
    WordStore store;
    testing::RecordingMessages messages;
    SystemRandomSource random;
    testing::ManualTickers tickers;
    ApplicationMousePointer pointer;
    testing::RecordingSpeech speech;
    SystemClock clock;
    ProgressLog progress;
    Services services;
    Navigator navigator;
};

// Runs the registered benchmarks under an offscreen QApplication; after the
// run, every pair of benchmarks named "NAME/scan" and "NAME/indexed" is
// printed side by side with the ratio of their (median) real times.
int runBenchmarks(int argc, char **argv);

// The peak resident set size of this process so far, in kilobytes.
long peakRssKilobytes();

} // namespace vorbix::bench
