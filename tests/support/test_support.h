#pragma once

#include "data/language_pairs.h"
#include "data/schema.h"
#include "data/word_store.h"
#include "platform/message_sink.h"
#include "platform/random_source.h"
#include "shell/navigator.h"
#include "shell/services.h"

#include <QList>
#include <QMap>
#include <QStringList>
#include <QTemporaryDir>

namespace vorbix::testing {

// Records the messages instead of showing them.
class RecordingMessages final : public MessageSink
{
public:
    void show(const Message &message) override { shown.append(message); }
    QList<Message> shown;
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
    QTemporaryDir m_dir;
    WordStore store;
    RecordingMessages messages;
    ScriptedRandom random;
    Services services;
    Navigator navigator;
};

// A small realistic table for every pair: the same entries in each.
Tables sampleTables();

} // namespace vorbix::testing
