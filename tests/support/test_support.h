#pragma once

#include "data/language_pairs.h"
#include "data/schema.h"
#include "data/word_store.h"
#include "platform/clock.h"
#include "platform/message_sink.h"
#include "platform/mouse_pointer.h"
#include "platform/random_source.h"
#include "platform/speech.h"
#include "platform/ticker.h"
#include "progress/progress_log.h"
#include "shell/navigator.h"
#include "shell/services.h"

#include <QHash>
#include <QList>
#include <QLocale>
#include <QMap>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

class QTimer;

namespace vorbix::testing {

// Records the messages instead of showing them. whileShown, when set, runs
// as the message is recorded: what the user does while a box is open.
class RecordingMessages final : public MessageSink
{
public:
    void show(const Message &message) override
    {
        shown.append(message);
        if (whileShown)
            whileShown(message);
    }
    QList<Message> shown;
    std::function<void(const Message &)> whileShown;
};

// Hands out scripted draws; reseeds are counted.
class ScriptedRandom final : public RandomSource
{
public:
    float next() override;
    void reseedFromClock() override { ++reseeds; }
    QList<float> draws;
    int reseeds = 0;
};

// A ticker that ticks only when a test says so.
class ManualTicker final : public Ticker
{
public:
    void start() override { m_active = true; ++starts; }
    void stop() override { m_active = false; }
    bool isActive() const override { return m_active; }
    void setInterval(int milliseconds) override { m_interval = milliseconds; }
    int interval() const override { return m_interval; }

    // One tick, as the running timer would deliver it; a stopped ticker
    // delivers nothing.
    void fire()
    {
        if (m_active)
            tick();
    }

    int starts = 0;

private:
    bool m_active = false;
    int m_interval = 1000;
};

// Hands out manual tickers and finds them again by the designed timer.
class ManualTickers final : public TickerFactory
{
public:
    std::unique_ptr<Ticker> make(QTimer *designTimer) override;
    // The ticker behind a designed timer (Timer1, Timer2, Timer3).
    ManualTicker &of(QTimer *designTimer);

private:
    QHash<QTimer *, ManualTicker *> m_made;
};

// Counts the busy pointer instead of changing the cursor.
class CountingPointer final : public MousePointer
{
public:
    void showBusy() override { ++depth; ++shown; }
    void restore() override { depth = qMax(0, depth - 1); }
    void restoreAll() override { depth = 0; }
    bool isBusy() const override { return depth > 0; }
    int depth = 0;
    int shown = 0;
};

// Records what would have been said; languages, or the sound output, can be
// made unavailable.
class RecordingSpeech final : public Speech
{
public:
    struct Said
    {
        QString text;
        SpokenLanguage language;
        double rate;
    };
    bool hasAudioOutput() override { return audioOutput; }
    bool available(SpokenLanguage language) override { return !missing.contains(language); }
    void speak(const QString &text, SpokenLanguage language, double rate) override
    {
        said.append({text, language, rate});
    }
    void stop() override { ++stops; }
    QList<Said> said;
    QList<SpokenLanguage> missing;
    bool audioOutput = true;
    int stops = 0;
};

// A clock that stands still until the test moves it: 10 March 2025, 9:00
// local time, at the start.
class FixedClock final : public Clock
{
public:
    QDateTime now() const override { return at; }
    void advanceSeconds(qint64 seconds) { at = at.addSecs(seconds); }
    void advanceDays(qint64 days) { at = at.addDays(days); }
    QDateTime at{QDate(2025, 3, 10), QTime(9, 0)};
};

// The regional settings the tests pin: a decimal point and a comma between
// thousands.
QLocale pointLocale();
// A decimal comma and a point between thousands.
QLocale commaLocale();

// Rows numbered 1..N from "word=translation" items; "word=" with nothing
// after the sign stores a NULL translation.
QVector<WordRow> rows(const QStringList &items);

// The six tables of one database file, by table code; tables not named are
// left empty.
using Tables = QMap<QString, QVector<WordRow>>;

// Writes a complete database file for a drive path under `root`.
void writeDatabase(const QString &root, const char *drivePath, const Tables &tables,
                   const QString &current = {}, int count = 0);

// Reads the settings record of a drive path under `root`.
QPair<QString, qint64> readSettings(const QString &root, const char *drivePath);
void writeSettings(const QString &root, const char *drivePath, const QString &current, int count);

// A temporary data root holding the three database files, all with the same
// word tables, and the program's services with recorders.
class TestWorld
{
public:
    explicit TestWorld(const Tables &tables);
    ~TestWorld();

    QString root() const { return m_dir.path(); }
    // A screen as its own class (it is made on first use).
    template<typename S = Screen>
    S &screen(ScreenId id)
    {
        return static_cast<S &>(navigator.screen(id));
    }
    QTemporaryDir m_dir;
    WordStore store;
    RecordingMessages messages;
    ScriptedRandom random;
    ManualTickers tickers;
    CountingPointer pointer;
    RecordingSpeech speech;
    FixedClock clock;
    ProgressLog progress;
    Services services;
    Navigator navigator;
};

// A small realistic table for every pair: the same entries in each.
Tables sampleTables();

// Starts the program as main() does and returns once start-up is complete:
// the main window painted, then the database files checked.
void startAndWait(TestWorld &world);

// The program that drives the screens in a child process for the kill
// campaigns (VORBIX_SCREEN_DRIVER, set by ctest).
QString screenDriver();

// Runs the current row of test function `function` again in a child, as
// the user nobody: file permissions do not stop root, so a case about
// them runs there. Empty when the child passed, else its output.
QString failureAsUnprivilegedUser(const char *function);

} // namespace vorbix::testing
