// Imports, settings writes and exports killed at random moments: after every
// kill the program starts, each file passes SQLite's integrity check and
// holds either its old or its new content (the files an import changes all
// old or all new), every settings record agrees with the table it counts,
// an export over an earlier one leaves that file whole (the old one or the
// new one, never a mixture or nothing) and no data file changed, and the
// same job run again succeeds.
//
// VORBIX_CRASH_KILLS sets the number of kills (20 by default; the campaign
// runs 200 or more) and VORBIX_CRASH_SEED the random seed.

#include "data/store_paths.h"
#include "data/sqlite_connection.h"
#include "data/word_store.h"
#include "import_fixtures.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace vorbix;
using namespace vorbix::testing;

namespace {

enum class Job { Freedict, FreedictWithoutEnglish, ListA, ListB, Settings, Export };

const char *jobName(Job job)
{
    switch (job) {
    case Job::Freedict: return "freedict --replace";
    case Job::FreedictWithoutEnglish: return "freedict --replace, English/engmi.db missing";
    case Job::ListA: return "tsv --replace (list A)";
    case Job::ListB: return "tsv --replace (list B)";
    case Job::Settings: return "settings writes";
    case Job::Export: return "export --replace over an earlier export";
    }
    return "";
}

// The three files; nothing for a file that does not exist.
using State = std::array<std::optional<FileContent>, 3>;
constexpr int kEnglish = 0;
constexpr int kSettingsFile = 2;

// Which file's tables each settings record counts.
constexpr int kCounted[3] = {kEnglish, 1, kEnglish};

std::optional<int> lastIndex(const QVector<WordRow> &table)
{
    if (table.isEmpty())
        return std::nullopt;
    return table.last().index;
}

// The rule every settings record must satisfy: empty, or a pair whose
// counted table has that many words. (A record whose counted file is missing
// has nothing to agree with; the import that creates the file empties it.)
bool agrees(const State &state, int file)
{
    const FileContent &content = *state[file];
    const auto &counted = state[kCounted[file]];
    if (content.current.isEmpty())
        return content.count == 0;
    const auto pair = pairIndexForCode(content.current);
    return !counted || (pair && lastIndex(counted->tables[*pair]) == content.count);
}

class Campaign
{
public:
    Campaign(const QString &workspace)
        : m_root(QDir(workspace).filePath(QStringLiteral("root")))
        , m_dictd(QDir(workspace).filePath(QStringLiteral("dictd")))
        , m_listA(QDir(workspace).filePath(QStringLiteral("a.tsv")))
        , m_listB(QDir(workspace).filePath(QStringLiteral("b.tsv")))
        , m_export(QDir(workspace).filePath(QStringLiteral("exports/words.csv")))
    {
        QDir().mkpath(QFileInfo(m_export).path());
        QDir().mkpath(m_dictd);
        writeFreedictDirectory(m_dictd, 1500);
        writeList(m_listA, 3000, "a");
        writeList(m_listB, 1200, "b");
        for (const char *drivePath : {files::kMain, files::kLearningFrench, files::kTestSettings})
            m_files.append(mapDrivePath(QLatin1String(drivePath), m_root));
    }

    QString root() const { return m_root; }
    QString exportFile() const { return m_export; }
    const QStringList &files() const { return m_files; }

    QStringList arguments(Job job) const
    {
        switch (job) {
        case Job::Freedict:
        case Job::FreedictWithoutEnglish:
            // The made-up dictionaries only, also where trans-de-en is installed.
            return {QStringLiteral("freedict"), m_dictd, QStringLiteral("--replace"), QStringLiteral("--data-root"),
                    m_root, QStringLiteral("--trans-de-en"), m_dictd + QStringLiteral("/no-trans-de-en")};
        case Job::ListA:
        case Job::ListB:
            return {QStringLiteral("tsv"), QStringLiteral("eng-spa"), job == Job::ListA ? m_listA : m_listB,
                    QStringLiteral("--replace"), QStringLiteral("--data-root"), m_root};
        case Job::Settings:
            return {QStringLiteral("write-settings"), m_root, QStringLiteral("60")};
        case Job::Export:
            return exportArguments(m_export);
        }
        return {};
    }

    QStringList exportArguments(const QString &file) const
    {
        return {QStringLiteral("eng-spa"), file, QStringLiteral("--replace"), QStringLiteral("--data-root"), m_root};
    }

    QString program(Job job) const
    {
        if (job == Job::Export)
            return qEnvironmentVariable("VORBIX_EXPORT");
        return job == Job::Settings ? testHelper() : importTool();
    }

    State state() const
    {
        State state;
        for (int i = 0; i < 3; ++i)
            state[i] = readContent(m_files[i]);
        return state;
    }

    // What an import makes of `old`. The new tables come from a finished
    // run of the same job, recorded the first time it finishes.
    State expected(const State &old, Job job) const
    {
        State next = old;
        for (int file : {0, 1}) {
            if (!next[file])
                next[file] = FileContent{};
            for (int pair = 0; pair < kPairCount; ++pair) {
                if (job == Job::Freedict || job == Job::FreedictWithoutEnglish || pair == 0)
                    next[file]->tables[pair] = m_newTables.value(job).at(pair);
            }
        }
        if (!next[kSettingsFile])
            next[kSettingsFile] = FileContent{};
        for (int file = 0; file < 3; ++file) {
            FileContent &content = *next[file];
            const int counted = kCounted[file];
            // A record in a file that existed does not count a file this
            // import creates.
            const bool countable = old[counted] || !old[file];
            const auto pair = pairIndexForCode(content.current);
            const auto count = pair && countable ? lastIndex(next[counted]->tables[*pair]) : std::nullopt;
            content.current = count ? content.current : QString();
            content.count = count.value_or(0);
        }
        return next;
    }

    void recordNewTables(Job job)
    {
        if (job == Job::Settings || job == Job::Export || m_newTables.contains(job))
            return;
        m_newTables.insert(job, readContent(m_files[kEnglish])->tables);
    }

private:
    static void writeList(const QString &path, int words, const char *ending)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(path));
        for (int i = 0; i < words; ++i)
            file.write("w" + QByteArray::number(i * 7919 % 100000) + ending + "\tt" + QByteArray::number(i) + "\n");
    }

    QString m_root;
    QString m_dictd;
    QString m_listA;
    QString m_listB;
    QString m_export;
    QStringList m_files;
    QHash<Job, std::array<QVector<WordRow>, kPairCount>> m_newTables;
};

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// A child that runs to its end; returns how long it took.
qint64 runToEnd(const Campaign &campaign, Job job)
{
    QElapsedTimer timer;
    timer.start();
    const ProcessResult result = run(campaign.program(job), campaign.arguments(job));
    if (result.exitCode != 0)
        qFatal("%s failed: %s", jobName(job), qPrintable(result.output));
    return timer.elapsed();
}

} // namespace

class TestCrashConsistency : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void killedWritesLeaveOldOrNewFiles()
    {
        const int kills = qEnvironmentVariableIsSet("VORBIX_CRASH_KILLS") ? qEnvironmentVariableIntValue("VORBIX_CRASH_KILLS") : 20;
        const quint32 seed = qEnvironmentVariableIsSet("VORBIX_CRASH_SEED") ? quint32(qEnvironmentVariableIntValue("VORBIX_CRASH_SEED"))
                                                                           : QRandomGenerator::global()->generate();
        qInfo("seed %u (VORBIX_CRASH_SEED repeats this run)", seed);
        QRandomGenerator random(seed);
        QTemporaryDir workspace;
        Campaign campaign(workspace.path());

        // A finished run of each job gives its duration, over which the
        // kills are spread, and its new tables.
        const Job jobs[] = {Job::Freedict, Job::FreedictWithoutEnglish, Job::ListA, Job::ListB, Job::Settings, Job::Export};
        QHash<Job, qint64> duration;
        for (const Job job : jobs) {
            if (job == Job::FreedictWithoutEnglish)
                QFile::remove(campaign.files()[kEnglish]);
            duration.insert(job, runToEnd(campaign, job));
            campaign.recordNewTables(job);
        }

        int done = 0;
        int exportsWhole = 0; // kills of an export that left the new file in place
        int caughtWriting = 0; // the killed child left a journal, super-journal or partial file of its own
        int planted = 0;
        QHash<Job, int> perJob;
        for (int attempt = 0; done < kills && attempt < 4 * kills; ++attempt) {
            const Job job = jobs[random.bounded(int(std::size(jobs)))];
            if (job == Job::FreedictWithoutEnglish)
                QFile::remove(campaign.files()[kEnglish]);
            const State old = campaign.state();
            // A hot journal on a random file before every third job, as a
            // killed program leaves it.
            QString plantedJournal;
            if (random.bounded(3) == 0) {
                const int file = random.bounded(3);
                if (old[file]) {
                    leaveHotJournal(campaign.files()[file], file == kSettingsFile ? "ini" : "enspa");
                    plantedJournal = campaign.files()[file] + QStringLiteral("-journal");
                }
            }

            // An earlier export, of other content, that the export replaces.
            const QByteArray oldExport = "an earlier export " + QByteArray::number(attempt) + "\n";
            if (job == Job::Export)
                writeBytes(campaign.exportFile(), oldExport);

            QProcess child;
            child.start(campaign.program(job), campaign.arguments(job));
            QVERIFY(child.waitForStarted());
            if (child.waitForFinished(random.bounded(int(duration.value(job)) + 1)))
                continue; // finished before its moment came: not a kill
            ::kill(pid_t(child.processId()), SIGKILL);
            child.waitForFinished();
            ++done;
            ++perJob[job];
            planted += plantedJournal.isEmpty() ? 0 : 1;
            const QStringList left = leftovers(campaign.root());
            caughtWriting += left.size() > left.count(plantedJournal) ? 1 : 0;
            const QString context = QStringLiteral("kill %1 during %2, left %3")
                                        .arg(done)
                                        .arg(QLatin1String(jobName(job)), left.join(QLatin1Char(' ')));

            // The program starts: every file that exists is usable (a file
            // that was missing before may still be).
            const QStringList problems = WordStore(campaign.root()).unusableFiles();
            for (const QString &problem : problems) {
                QVERIFY2(!old[kEnglish] && problem == QStringLiteral("%1 is missing.").arg(campaign.files()[kEnglish]),
                         qPrintable(context + QStringLiteral(": ") + problem));
            }
            for (const QString &path : campaign.files()) {
                if (QFile::exists(path)) {
                    SqliteConnection db(path, SqliteConnection::Mode::ReadWrite);
                    QVERIFY2(db.scalar(QStringLiteral("PRAGMA integrity_check")).toString() == QLatin1String("ok"),
                             qPrintable(context + QStringLiteral(": ") + path));
                }
            }

            const State now = campaign.state();
            if (job == Job::Export) {
                // Whole, old or new; the data files untouched.
                const QString complete = QFileInfo(campaign.exportFile()).path() + QStringLiteral("/complete.csv");
                QFile::remove(complete);
                const ProcessResult full = run(campaign.program(job), campaign.exportArguments(complete));
                QVERIFY2(full.exitCode == 0, qPrintable(full.output));
                const QByteArray left = readBytes(campaign.exportFile());
                QVERIFY2(left == oldExport || left == readBytes(complete),
                         qPrintable(context + QStringLiteral(": the export holds %1 bytes, neither old nor new").arg(left.size())));
                exportsWhole += left == oldExport ? 0 : 1;
                QVERIFY2(now == old, qPrintable(context + QStringLiteral(": an export changed a data file")));
            } else if (job == Job::Settings) {
                for (int file = 0; file < 3; ++file)
                    QVERIFY2(now[file]->tables == old[file]->tables, qPrintable(context));
            } else {
                // The files that existed change together; a file created by
                // the import appears only after they changed.
                const State next = campaign.expected(old, job);
                bool allOld = true;
                bool allNew = true;
                for (int file = 0; file < 3; ++file) {
                    if (old[file]) {
                        allOld = allOld && now[file] == old[file];
                        allNew = allNew && now[file] == next[file];
                    }
                }
                QVERIFY2(allOld || allNew, qPrintable(context + QStringLiteral(": a mixed state")));
                for (int file = 0; file < 3; ++file) {
                    if (!old[file])
                        QVERIFY2(!now[file] || (allNew && now[file] == next[file]), qPrintable(context));
                }
            }
            for (int file = 0; file < 3; ++file)
                QVERIFY2(!now[file] || agrees(now, file), qPrintable(context + QStringLiteral(": stale settings")));

            // The same job, run again, succeeds, and the program starts.
            runToEnd(campaign, job == Job::FreedictWithoutEnglish ? Job::Freedict : job);
            QCOMPARE(WordStore(campaign.root()).unusableFiles(), QStringList());
            const State after = campaign.state();
            for (int file = 0; file < 3; ++file)
                QVERIFY2(agrees(after, file), qPrintable(context + QStringLiteral(": stale settings after the next run")));
            QVERIFY2(leftovers(campaign.root()).isEmpty(), qPrintable(leftovers(campaign.root()).join(QLatin1Char(' '))));
        }
        QCOMPARE(done, kills);
        qInfo("%d kills (%s), %d with a hot journal planted before; %d caught the child writing (it left a "
              "journal or partial file of its own); "
              "0 corrupt, 0 mixed, 0 stale settings, 0 exports half-written (%d left the new one, %d the old; "
              "%d unfinished export files left beside it)",
              done,
              qPrintable(QStringLiteral("freedict %1, freedict creating English %2, tsv %3, settings %4, export %5")
                             .arg(perJob.value(Job::Freedict))
                             .arg(perJob.value(Job::FreedictWithoutEnglish))
                             .arg(perJob.value(Job::ListA) + perJob.value(Job::ListB))
                             .arg(perJob.value(Job::Settings))
                             .arg(perJob.value(Job::Export))),
              planted, caughtWriting, exportsWhole, perJob.value(Job::Export) - exportsWhole,
              int(QDir(QFileInfo(campaign.exportFile()).path())
                      .entryList({QStringLiteral(".*.part")}, QDir::Files | QDir::Hidden).size()));
    }
};

QTEST_GUILESS_MAIN(TestCrashConsistency)
#include "tst_crash_consistency.moc"
