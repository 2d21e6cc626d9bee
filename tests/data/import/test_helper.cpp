// Child processes for the importer's tests, which kill them, run them as
// another user or let them leave a file behind:
//   hot-journal FILE TABLE    changes every row of TABLE and dies before
//                             committing, leaving a hot journal
//   write-settings ROOT N     N settings writes as the screens make them
//   probe-store ROOT          what the program's store makes of ROOT

#include "data/cursor.h"
#include "data/language_pairs.h"
#include "data/record_error.h"
#include "data/settings_record.h"
#include "data/store_paths.h"
#include "data/word_count.h"
#include "data/word_store.h"
#include "data/schema.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <cstdio>
#include <unistd.h>

using namespace vorbix;

namespace {

void say(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

int leaveHotJournal(const QString &path, const QString &table)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(path);
    if (!db.open())
        return 2;
    QSqlQuery query(db);
    // The rows are moved, then many more are added: with a cache of two
    // pages SQLite writes the changed pages to the file (after saving the
    // old ones in the journal) long before the commit that never comes.
    const QStringList statements{
        QStringLiteral("PRAGMA cache_size = 2"), QStringLiteral("BEGIN"),
        QStringLiteral("UPDATE [%1] SET rowid = rowid + 1000000").arg(table),
        QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000) "
                       "INSERT INTO [%1] (rowid) SELECT i + 2000000 FROM n")
            .arg(table)};
    for (const QString &statement : statements) {
        if (!query.exec(statement))
            return 3;
    }
    ::_exit(0);
}

// The screens' edit of a settings record: a pair's count from its last
// record, written with the pair's code.
int writeSettings(const QString &root, int writes)
{
    WordStore store(root);
    const QString words = store.filePath(files::kMain);
    SettingsRecord records[] = {SettingsRecord(words), SettingsRecord(store.filePath(files::kTestSettings))};
    for (int i = 0; i < writes; ++i) {
        Cursor cursor(store, words, kLanguagePairs[i % kPairCount]);
        try {
            storeCount(records[i % 2], cursor, countFromLastRecord(cursor));
        } catch (const RecordError &error) {
            say(error.message());
            return 1;
        }
    }
    return 0;
}

int probeStore(const QString &root)
{
    WordStore store(root);
    for (const QString &line : store.unusableFiles())
        say(QStringLiteral("unusable: ") + line);
    const QString words = store.filePath(files::kMain);
    Cursor cursor(store, words, kLanguagePairs[0]);
    try {
        const int count = countFromLastRecord(cursor);
        cursor.moveFirst();
        say(QStringLiteral("enspa: %1 words, the first \"%2\"").arg(count).arg(cursor.source().value_or(QString())));
    } catch (const RecordError &error) {
        say(QStringLiteral("enspa: ") + error.message());
    }
    try {
        SettingsRecord settings(words);
        settings.write(QStringLiteral("enspa"), 1);
        say(QStringLiteral("settings: saved"));
    } catch (const RecordError &error) {
        say(QStringLiteral("settings: ") + error.message());
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args.at(1) == QLatin1String("hot-journal"))
        return leaveHotJournal(args.at(2), args.at(3));
    if (args.size() == 4 && args.at(1) == QLatin1String("write-settings"))
        return writeSettings(args.at(2), args.at(3).toInt());
    if (args.size() == 3 && args.at(1) == QLatin1String("probe-store"))
        return probeStore(args.at(2));
    std::fprintf(stderr, "usage: see the comment at the top of test_helper.cpp\n");
    return 2;
}
