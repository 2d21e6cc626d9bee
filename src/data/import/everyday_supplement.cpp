#include "data/import/everyday_supplement.h"

#include "data/import/word_order.h"
#include "data/language_pairs.h"

#include <QFile>
#include <QHash>

#include <algorithm>

namespace vorbix::import {

QVector<SupplementEntry> parseSupplement(const QString &text)
{
    QVector<SupplementEntry> entries;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() != 4)
            continue;
        QVector<QStringList> lists;
        for (int i = 1; i < 4; ++i) {
            QStringList words;
            for (const QString &word : fields.at(i).split(QLatin1Char('|'))) {
                if (!word.trimmed().isEmpty())
                    words.append(word.trimmed());
            }
            lists.append(words);
        }
        const QString english = fields.at(0).trimmed();
        if (english.isEmpty() || lists.at(0).isEmpty() || lists.at(1).isEmpty() || lists.at(2).isEmpty())
            continue;
        entries.append({english, lists.at(0), lists.at(1), lists.at(2)});
    }
    return entries;
}

const QVector<SupplementEntry> &everydaySupplement()
{
    static const QVector<SupplementEntry> entries = [] {
        QFile file(QStringLiteral(":/everyday_supplement.tsv"));
        return file.open(QIODevice::ReadOnly) ? parseSupplement(QString::fromUtf8(file.readAll()))
                                              : QVector<SupplementEntry>{};
    }();
    return entries;
}

namespace {

const QStringList &foreignWords(const SupplementEntry &entry, const char *field)
{
    const QString code = QString::fromLatin1(field);
    if (code == QLatin1String("spa"))
        return entry.spanish;
    if (code == QLatin1String("fra"))
        return entry.french;
    return entry.german;
}

// Adds `wanted` (the main one first) to the row of `headword`, or a row for
// it: at `place` in the row (0: first), or last when the row is shorter.
// True when the table changed.
bool supplementRow(QVector<ImportRow> &rows, QHash<QString, qsizetype> &rowOf, const QString &headword,
                   const QStringList &wanted, qsizetype place)
{
    const auto found = rowOf.constFind(headword);
    if (found == rowOf.cend()) {
        rowOf.insert(headword, rows.size());
        rows.append({headword, wanted.join(QLatin1String(", "))});
        return true;
    }
    ImportRow &row = rows[*found];
    QStringList items = row.target.value_or(QString()).split(QLatin1String(", "), Qt::SkipEmptyParts);
    for (const QString &word : wanted) {
        if (items.contains(word))
            return false;
    }
    place = std::min(place, items.size());
    items.insert(place, wanted.first());
    QString joined = items.join(QLatin1String(", "));
    // The field holds 255 characters: the rarest (last) items give way.
    while (joined.size() > 255 && items.size() > place + 1) {
        items.removeLast();
        joined = items.join(QLatin1String(", "));
    }
    row.target = joined;
    return true;
}

} // namespace

int addEverydaySupplement(QVector<WordRow> &table, int pairIndex, const QVector<SupplementEntry> &supplement)
{
    const LanguagePair &pair = kLanguagePairs[pairIndex];
    const bool forward = QLatin1String(pair.sourceField) == QLatin1String("en");
    QVector<ImportRow> rows;
    rows.reserve(table.size() + supplement.size());
    QHash<QString, qsizetype> rowOf;
    for (const WordRow &row : std::as_const(table)) {
        const QString source = row.source.value_or(QString());
        if (!rowOf.contains(source))
            rowOf.insert(source, rows.size());
        rows.append({source, row.target});
    }
    int changed = 0;
    for (const SupplementEntry &entry : supplement) {
        const QStringList &foreign = foreignWords(entry, forward ? pair.targetField : pair.sourceField);
        // The supplement's first word is the English word's main translation,
        // but the English word need not be the foreign word's main sense
        // ("tirar" is "throw" before "pull"): in the reverse tables it comes
        // second.
        if (forward) {
            changed += supplementRow(rows, rowOf, entry.english, foreign, 0) ? 1 : 0;
        } else {
            changed += supplementRow(rows, rowOf, foreign.first(), {entry.english}, 1) ? 1 : 0;
        }
    }
    if (changed > 0)
        table = orderRows(std::move(rows), localeForField(pair.sourceField));
    return changed;
}

} // namespace vorbix::import
