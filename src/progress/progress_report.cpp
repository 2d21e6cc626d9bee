#include "progress/progress_report.h"

#include "data/language_pairs.h"
#include "data/record_error.h"
#include "data/sqlite_connection.h"
#include "progress/leitner.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

namespace vorbix {

namespace {

QSqlQuery run(SqliteConnection &db, const char *sql, const QVariantList &values)
{
    QSqlQuery query(db.database());
    query.setForwardOnly(true);
    if (!query.prepare(QLatin1String(sql)))
        throw RecordError(QStringLiteral("%1 cannot be read: %2").arg(db.path(), reasonOf(query.lastError())));
    for (const QVariant &value : values)
        query.addBindValue(value);
    execOrThrow(query, QStringLiteral("%1 cannot be read").arg(db.path()));
    return query;
}

QDate dateOf(const QVariant &value)
{
    return QDate::fromString(value.toString(), Qt::ISODate);
}

} // namespace

ProgressReport ProgressReport::empty(int pair, QDate today)
{
    ProgressReport report;
    report.pair = pair;
    report.today = today;
    for (int i = 0; i < kDays; ++i)
        report.days[size_t(i)].date = today.addDays(i - (kDays - 1));
    return report;
}

ProgressReport readProgressReport(SqliteConnection &db, int pair, QDate today)
{
    ProgressReport report = ProgressReport::empty(pair, today);
    const QString code = QLatin1String(kLanguagePairs[pair].tableCode);
    const QDate firstDay = report.days.front().date;

    QSqlQuery days = run(db,
                         "SELECT day, count(*), avg(score) FROM answers WHERE pair = ? AND first = 1 AND day >= ? "
                         "AND day <= ? GROUP BY day",
                         {code, firstDay.toString(Qt::ISODate), today.toString(Qt::ISODate)});
    while (days.next()) {
        const qint64 offset = firstDay.daysTo(dateOf(days.value(0)));
        if (offset < 0 || offset >= ProgressReport::kDays)
            continue;
        ProgressReport::Day &day = report.days[size_t(offset)];
        day.answers = days.value(1).toInt();
        day.averageScore = days.value(2).toDouble();
    }

    QSqlQuery seen = run(db, "SELECT count(*) FROM seen WHERE pair = ?", {code});
    if (seen.next())
        report.wordsSeen = seen.value(0).toInt();

    double scoreSum = 0.0;
    QSqlQuery boxes = run(db,
                          "SELECT word_index, word, right_answer, box, last_day, answers, score_sum FROM boxes "
                          "WHERE pair = ?",
                          {code});
    while (boxes.next()) {
        ProgressReport::Word word;
        word.index = boxes.value(0).toInt();
        word.word = boxes.value(1).toString();
        word.rightAnswer = boxes.value(2).toString();
        word.box = std::clamp(boxes.value(3).toInt(), leitner::kFirstBox, leitner::kLastBox);
        word.lastAnswer = dateOf(boxes.value(4));
        report.answers += boxes.value(5).toInt();
        scoreSum += boxes.value(6).toDouble();
        ++report.wordsPerBox[size_t(word.box - 1)];
        if (leitner::isDue(word.box, word.lastAnswer, today))
            report.due.append(std::move(word));
    }
    report.averageScore = report.answers > 0 ? scoreSum / report.answers : 0.0;
    std::sort(report.due.begin(), report.due.end(), [](const ProgressReport::Word &a, const ProgressReport::Word &b) {
        if (a.box != b.box)
            return a.box < b.box;
        if (a.lastAnswer != b.lastAnswer)
            return a.lastAnswer < b.lastAnswer;
        return a.index < b.index;
    });

    // Ties go to the word answered below 6 most lately.
    QSqlQuery trouble = run(db,
                            "SELECT word_index, word, right_answer, below_six FROM boxes WHERE pair = ? AND "
                            "below_six > 0 ORDER BY below_six DESC, last_below_six DESC LIMIT ?",
                            {code, ProgressReport::kTrouble});
    while (trouble.next()) {
        ProgressReport::Word word;
        word.index = trouble.value(0).toInt();
        word.word = trouble.value(1).toString();
        word.rightAnswer = trouble.value(2).toString();
        word.timesBelowSix = trouble.value(3).toInt();
        report.trouble.append(std::move(word));
    }
    return report;
}

} // namespace vorbix
