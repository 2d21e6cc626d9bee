// The dictionary's cost per keystroke and per scroll on a table of the
// largest size a word table can have (32767 entries), measured through the
// main window's own handlers.
#include "app/screen_factory.h"
#include "data/language_pairs.h"
#include "data/schema.h"
#include "data/sqlite_connection.h"
#include "data/store_paths.h"
#include "data/word_store.h"
#include "dictionary/start_screen.h"
#include "platform/message_sink.h"
#include "platform/mouse_pointer.h"
#include "platform/random_source.h"
#include "platform/speech.h"
#include "platform/ticker.h"
#include "shell/navigator.h"
#include "shell/services.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>
#include <QDir>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>

using namespace vorbix;

namespace {

class SilentMessages final : public MessageSink
{
public:
    void show(const Message &) override {}
};

// 32767 distinct lower-case words of 4 to 9 letters in sorted order, with
// the letters a..y so that "z" begins no word.
QVector<WordRow> largeTable()
{
    QVector<WordRow> rows;
    std::mt19937 engine(7);
    std::uniform_int_distribution<int> letter(0, 24), length(4, 9);
    QStringList words;
    while (words.size() < schema::kMaxRows) {
        QString word;
        for (int i = length(engine); i > 0; --i)
            word.append(QChar(u'a' + letter(engine)));
        words.append(word);
        if (words.size() == schema::kMaxRows) {
            words.sort();
            words.removeDuplicates();
        }
    }
    for (int i = 0; i < words.size(); ++i)
        rows.append({i + 1, words[i], words[i].toUpper()});
    return rows;
}

struct Fixture
{
    QTemporaryDir dir;
    WordStore store{dir.path()};
    SilentMessages messages;
    SystemRandomSource random;
    TimerTickerFactory tickers;
    ApplicationMousePointer pointer;
    const std::unique_ptr<Speech> speech = makeDesktopSpeech(); // never started: no key is pressed
    Services services{store, messages, random, tickers, pointer, QLocale(), *speech};
    Navigator navigator{services, makeScreen};
    StartScreen *start = nullptr;
    QString middleWord;

    Fixture()
    {
        const QVector<WordRow> table = largeTable();
        middleWord = *table[table.size() / 2].source;
        const QString path = mapDrivePath(QLatin1String(files::kMain), dir.path());
        QDir().mkpath(QFileInfo(path).path());
        {
            SqliteConnection db(path, SqliteConnection::Mode::Create);
            createDatabaseSchema(db);
            writeWordTable(db, kLanguagePairs[0], table);
        }
        start = static_cast<StartScreen *>(&navigator.screen(ScreenId::Start));
        start->ui().Text0->setText(QStringLiteral("a")); // loads the table, caches the count
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
    // Twenty characters, none found at any length: twenty full scans.
    typeAlternately(state, QString(20, QLatin1Char('z')), QStringLiteral("zyxwvutsrqponmlkjihg"));
}

void BM_BrowseToTheMiddle(benchmark::State &state)
{
    StartScreen *start = fixture().start;
    start->ui().Text0->setText(QStringLiteral("b"));
    QScrollBar *bar = start->ui().VScroll1;
    bar->setValue(bar->value() == 2 ? 3 : 2); // synchronise
    const int middle = schema::kMaxRows / 2;
    bool flip = false;
    for (auto _ : state) {
        bar->setValue(flip ? middle : middle + 1);
        flip = !flip;
    }
}

} // namespace

BENCHMARK(BM_LookupTypicalKeystroke)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LookupFirstEntries)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LookupWorstCaseNoMatchAtAnyLength)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BrowseToTheMiddle)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
