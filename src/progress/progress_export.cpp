#include "progress/progress_export.h"

#include "data/language_pairs.h"
#include "data/record_error.h"
#include "data/sqlite_connection.h"
#include "progress/progress_store.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace vorbix {

namespace {

// A field as CSV carries it: control characters (a line break typed into
// nothing, but a damaged file may hold one) become blanks, and a field with a
// comma, a quote or blanks at its ends is quoted.
QString csvField(QString text)
{
    for (QChar &c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char(' ');
    }
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && text.trimmed() == text)
        return text;
    text.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString localTime(qint64 msecs)
{
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(msecs);
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate);
}

QString pairCaption(const QString &code)
{
    const std::optional<int> pair = pairIndexForCode(code);
    return pair ? QLatin1String(kLanguagePairs[*pair].caption) : code;
}

} // namespace

int exportProgressCsv(const QString &dataRoot, const QString &path, bool replace)
{
    const QString progressPath = ProgressStore::pathIn(dataRoot);
    if (!QFileInfo::exists(progressPath))
        throw RecordError(QStringLiteral("%1 does not exist: no progress has been kept yet").arg(progressPath));
    if (QFileInfo::exists(path) && !replace)
        throw RecordError(QStringLiteral("%1 exists; give --replace to overwrite it").arg(path));

    ProgressStore store(progressPath);
    QSqlQuery query(store.connection().database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT answered_at, pair, grading, word_index, word, right_answer, given, "
                                   "score, seconds, first FROM answers ORDER BY id")))
        throw RecordError(
            QStringLiteral("%1 cannot be read: %2").arg(progressPath, reasonOf(query.lastError())));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw RecordError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    file.write("answered_at,pair,grading,index,word,right_answer,given,score,seconds,first\n");
    int rows = 0;
    while (query.next()) {
        const QStringList fields{
            localTime(query.value(0).toLongLong()),
            csvField(pairCaption(query.value(1).toString())),
            csvField(query.value(2).toString()),
            QString::number(query.value(3).toLongLong()),
            csvField(query.value(4).toString()),
            csvField(query.value(5).toString()),
            csvField(query.value(6).toString()),
            QString::number(query.value(7).toDouble(), 'g', 6),
            QString::number(query.value(8).toDouble(), 'f', 1),
            QString::number(query.value(9).toInt()),
        };
        file.write((fields.join(QLatin1Char(',')) + QLatin1Char('\n')).toUtf8());
        ++rows;
    }
    if (query.lastError().isValid())
        throw RecordError(QStringLiteral("%1 cannot be read: %2").arg(progressPath, reasonOf(query.lastError())));
    if (!file.commit())
        throw RecordError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    return rows;
}

} // namespace vorbix
