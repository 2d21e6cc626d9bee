#include "progress/progress_store.h"

#include "data/language_pairs.h"
#include "data/record_error.h"
#include "data/sqlite_connection.h"
#include "progress/leitner.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace vorbix {

namespace {

// A write that waits for another copy of the program holds up a screen's
// handler; a short wait is enough, since each write takes microseconds.
constexpr int kBusyTimeoutMs = 500;

const char *const kSchema[] = {
    "CREATE TABLE answers ("
    " id INTEGER PRIMARY KEY,"
    " answered_at INTEGER NOT NULL," // milliseconds since 1970 (UTC)
    " day TEXT NOT NULL,"            // the local date, yyyy-mm-dd
    " pair TEXT NOT NULL,"           // table code
    " grading TEXT NOT NULL,"        // verify, time-out, right, late, wrong, closed
    " word_index INTEGER NOT NULL,"
    " word TEXT NOT NULL,"
    " right_answer TEXT NOT NULL,"
    " given TEXT NOT NULL,"
    " score REAL NOT NULL,"
    " seconds REAL NOT NULL,"
    " first INTEGER NOT NULL)", // 1: the first grading of the word on show
    // Covers the chart's days: its rows need not be read.
    "CREATE INDEX answers_by_pair_day ON answers (pair, day, first, score)",
    "CREATE TABLE shown ("
    " id INTEGER PRIMARY KEY,"
    " shown_at INTEGER NOT NULL,"
    " day TEXT NOT NULL,"
    " pair TEXT NOT NULL,"
    " word_index INTEGER NOT NULL,"
    " word TEXT NOT NULL,"
    " translation TEXT NOT NULL)",
    // Every word shown or asked, once: the count of words seen.
    "CREATE TABLE seen ("
    " pair TEXT NOT NULL,"
    " word TEXT NOT NULL,"
    " PRIMARY KEY (pair, word)) WITHOUT ROWID",
    // One row per word answered: its Leitner box and the tallies of its
    // first gradings, kept with each answer, so that the Progress window
    // reads a year of answers through a few thousand rows.
    "CREATE TABLE boxes ("
    " pair TEXT NOT NULL,"
    " word_index INTEGER NOT NULL,"
    " word TEXT NOT NULL,"
    " right_answer TEXT NOT NULL," // as last answered
    " box INTEGER NOT NULL,"
    " last_day TEXT NOT NULL,"
    " answers INTEGER NOT NULL,"
    " score_sum REAL NOT NULL,"
    " below_six INTEGER NOT NULL,"     // first gradings scored below 6
    " last_below_six INTEGER NOT NULL," // the id of the latest of them, or 0
    " PRIMARY KEY (pair, word_index, word))",
};

// A missing word or answer is kept as an empty text, never as NULL.
QString textOf(const QString &text)
{
    return text.isNull() ? QString(QLatin1String("")) : text;
}

QString dayOf(const QDateTime &at)
{
    return at.date().toString(Qt::ISODate);
}

// BEGIN IMMEDIATE takes the write lock at once (waiting the busy timeout for
// another copy of the program); what is not committed is rolled back.
class WriteTransaction
{
public:
    explicit WriteTransaction(SqliteConnection &db)
        : m_db(db)
    {
        m_db.exec(QStringLiteral("BEGIN IMMEDIATE"));
    }
    ~WriteTransaction()
    {
        if (!m_committed)
            QSqlQuery(m_db.database()).exec(QStringLiteral("ROLLBACK"));
    }
    void commit()
    {
        m_db.exec(QStringLiteral("COMMIT"));
        m_committed = true;
    }

private:
    SqliteConnection &m_db;
    bool m_committed = false;
};

} // namespace

QString ProgressStore::pathIn(const QString &dataRoot)
{
    return QDir(dataRoot).filePath(QStringLiteral("progress.db"));
}

ProgressStore::ProgressStore(const QString &path)
    : m_path(path)
{
    // A folder, a link that leads nowhere or a device where the file should
    // be is refused before SQLite is asked to open it.
    if (QFileInfo(path).exists() || QFileInfo(path).isSymLink()) {
        if (const auto problem = fileProblem(path))
            throw RecordError(QStringLiteral("%1").arg(*problem));
    }
    m_db = std::make_unique<SqliteConnection>(path, SqliteConnection::Mode::Create, kBusyTimeoutMs);
    openOrCreateSchema();
}

ProgressStore::~ProgressStore()
{
    // Statements go before their connection.
    m_insertShown.reset();
    m_insertAnswer.reset();
    m_readBox.reset();
    m_writeBox.reset();
    m_insertSeen.reset();
}

void ProgressStore::openOrCreateSchema()
{
    // The first read of the file: a file that is not a database fails here.
    struct Header
    {
        int applicationId, version, objects;
        bool isEmpty() const { return applicationId == 0 && version == 0 && objects == 0; }
    };
    // One statement, so one snapshot of the file: read one by one, the
    // three could straddle another copy's creation of the file and show an
    // application id of 0 beside its tables ("not a Vorbix progress file").
    const auto readHeader = [this] {
        QSqlQuery query(m_db->database());
        if (!query.exec(QStringLiteral("SELECT (SELECT application_id FROM pragma_application_id),"
                                       " (SELECT user_version FROM pragma_user_version),"
                                       " (SELECT count(*) FROM sqlite_master)"))
            || !query.next())
            throw RecordError(QStringLiteral("%1: %2").arg(m_path, reasonOf(query.lastError())));
        return Header{query.value(0).toInt(), query.value(1).toInt(), query.value(2).toInt()};
    };
    Header header = readHeader();
    if (header.isEmpty()) {
        // A new file (or an empty one). WAL is a lasting property of the
        // file. Two copies of the program starting at once both get here:
        // the write lock decides which one creates the tables.
        m_db->exec(QStringLiteral("PRAGMA journal_mode = WAL"));
        WriteTransaction transaction(*m_db);
        header = readHeader();
        if (header.isEmpty()) {
            for (const char *statement : kSchema)
                m_db->exec(QLatin1String(statement));
            m_db->exec(QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId));
            m_db->exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
            header = {kApplicationId, kSchemaVersion, 1};
        }
        transaction.commit();
    }
    if (header.applicationId != kApplicationId)
        throw RecordError(QStringLiteral("%1 is not a Vorbix progress file; it is left as it is.").arg(m_path));
    if (header.version > kSchemaVersion || header.version < 1) {
        throw RecordError(QStringLiteral("%1 was written by another version of Vorbix (layout %2; this one "
                                         "knows %3); it is left as it is.")
                              .arg(m_path)
                              .arg(header.version)
                              .arg(kSchemaVersion));
    }
    // Per connection: commits are not synced to the disk one by one.
    m_db->exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
}

QSqlQuery &ProgressStore::prepared(std::unique_ptr<QSqlQuery> &slot, const char *sql)
{
    if (!slot) {
        auto query = std::make_unique<QSqlQuery>(m_db->database());
        query->setForwardOnly(true);
        if (!query->prepare(QLatin1String(sql)))
            fail(QStringLiteral("cannot be written"), *query);
        slot = std::move(query);
    }
    return *slot;
}

void ProgressStore::fail(const QString &what, const QSqlQuery &query) const
{
    throw RecordError(QStringLiteral("%1 %2: %3").arg(m_path, what, reasonOf(query.lastError())));
}

void ProgressStore::markSeen(const QString &pair, const QString &word)
{
    QSqlQuery &seen = prepared(m_insertSeen, "INSERT OR IGNORE INTO seen (pair, word) VALUES (?, ?)");
    seen.addBindValue(pair);
    seen.addBindValue(textOf(word));
    if (!seen.exec())
        fail(QStringLiteral("cannot be written"), seen);
}

void ProgressStore::addShown(const WordOnShow &word, const QDateTime &at)
{
    const QString pair = QLatin1String(kLanguagePairs[word.pair].tableCode);
    WriteTransaction transaction(*m_db);
    QSqlQuery &insert = prepared(m_insertShown, "INSERT INTO shown (shown_at, day, pair, word_index, word, "
                                                "translation) VALUES (?, ?, ?, ?, ?, ?)");
    insert.addBindValue(at.toMSecsSinceEpoch());
    insert.addBindValue(dayOf(at));
    insert.addBindValue(pair);
    insert.addBindValue(word.index);
    insert.addBindValue(textOf(word.word));
    insert.addBindValue(textOf(word.translation));
    if (!insert.exec())
        fail(QStringLiteral("cannot be written"), insert);
    markSeen(pair, word.word);
    transaction.commit();
}

void ProgressStore::addAnswer(const GradedAnswer &answer, const QDateTime &at)
{
    const WordOnShow &word = answer.word;
    const QString pair = QLatin1String(kLanguagePairs[word.pair].tableCode);
    const double seconds = word.shownAt.isValid() ? qMax<qint64>(0, word.shownAt.msecsTo(at)) / 1000.0 : 0.0;

    WriteTransaction transaction(*m_db);
    QSqlQuery &insert = prepared(m_insertAnswer,
                                 "INSERT INTO answers (answered_at, day, pair, grading, word_index, word, "
                                 "right_answer, given, score, seconds, first) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    insert.addBindValue(at.toMSecsSinceEpoch());
    insert.addBindValue(dayOf(at));
    insert.addBindValue(pair);
    insert.addBindValue(QLatin1String(gradingName(answer.grading)));
    insert.addBindValue(word.index);
    insert.addBindValue(textOf(word.word));
    insert.addBindValue(textOf(word.translation));
    insert.addBindValue(textOf(answer.given));
    insert.addBindValue(answer.score);
    insert.addBindValue(seconds);
    insert.addBindValue(answer.first ? 1 : 0);
    if (!insert.exec())
        fail(QStringLiteral("cannot be written"), insert);
    const qint64 id = insert.lastInsertId().toLongLong();
    markSeen(pair, word.word);

    if (answer.first) {
        QSqlQuery &read = prepared(m_readBox, "SELECT box FROM boxes WHERE pair = ? AND word_index = ? AND word = ?");
        read.addBindValue(pair);
        read.addBindValue(word.index);
        read.addBindValue(textOf(word.word));
        if (!read.exec())
            fail(QStringLiteral("cannot be read"), read);
        const int box = read.next() ? read.value(0).toInt() : leitner::kFirstBox;
        read.finish();

        const leitner::Move move = leitner::moveFor(answer.grading, answer.score);
        const bool belowSix = answer.score < 6.0;
        QSqlQuery &write = prepared(
            m_writeBox,
            "INSERT INTO boxes (pair, word_index, word, right_answer, box, last_day, answers, score_sum, below_six, "
            "last_below_six) VALUES (?, ?, ?, ?, ?, ?, 1, ?, ?, ?) ON CONFLICT (pair, word_index, word) DO UPDATE SET "
            "right_answer = excluded.right_answer, box = excluded.box, last_day = excluded.last_day, "
            "answers = answers + 1, score_sum = score_sum + excluded.score_sum, "
            "below_six = below_six + excluded.below_six, "
            "last_below_six = max(last_below_six, excluded.last_below_six)");
        write.addBindValue(pair);
        write.addBindValue(word.index);
        write.addBindValue(textOf(word.word));
        write.addBindValue(textOf(word.translation));
        write.addBindValue(leitner::nextBox(box, move));
        write.addBindValue(dayOf(at));
        write.addBindValue(answer.score);
        write.addBindValue(belowSix ? 1 : 0);
        write.addBindValue(belowSix ? id : 0);
        if (!write.exec())
            fail(QStringLiteral("cannot be written"), write);
    }
    transaction.commit();
}

} // namespace vorbix
