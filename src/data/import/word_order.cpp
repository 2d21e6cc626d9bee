#include "data/import/word_order.h"

#include <QCollator>

#include <algorithm>
#include <cstring>

namespace vorbix::import {

QLocale localeForField(const char *field)
{
    if (std::strcmp(field, "spa") == 0)
        return QLocale(QLocale::Spanish, QLocale::Spain);
    if (std::strcmp(field, "fra") == 0)
        return QLocale(QLocale::French, QLocale::France);
    if (std::strcmp(field, "ger") == 0)
        return QLocale(QLocale::German, QLocale::Germany);
    return QLocale(QLocale::English, QLocale::UnitedKingdom);
}

QString baseInitial(const QString &word)
{
    if (word.isEmpty())
        return {};
    const char32_t first = word.at(0).isHighSurrogate() && word.size() > 1
                               ? QChar::surrogateToUcs4(word.at(0), word.at(1))
                               : word.at(0).unicode();
    // Letters that Unicode does not decompose but readers file under a base
    // letter.
    switch (first) {
    case U'æ': case U'Æ': return QStringLiteral("a");
    case U'œ': case U'Œ': case U'ø': case U'Ø': return QStringLiteral("o");
    case U'ß': return QStringLiteral("s");
    case U'ł': case U'Ł': return QStringLiteral("l");
    default: break;
    }
    const QString decomposed = QString::fromUcs4(&first, 1).normalized(QString::NormalizationForm_KD);
    return decomposed.isEmpty() ? QString() : decomposed.left(1).toCaseFolded();
}

QVector<WordRow> orderRows(QVector<ImportRow> rows, const QLocale &locale)
{
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseSensitive);
    struct Keyed
    {
        QCollatorSortKey group;
        QCollatorSortKey word;
        qsizetype position;
    };
    QVector<Keyed> keyed;
    keyed.reserve(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i)
        keyed.append({collator.sortKey(baseInitial(rows.at(i).source)), collator.sortKey(rows.at(i).source), i});

    std::sort(keyed.begin(), keyed.end(), [&rows](const Keyed &a, const Keyed &b) {
        if (const int c = a.group.compare(b.group))
            return c < 0;
        if (const int c = a.word.compare(b.word))
            return c < 0;
        const ImportRow &ra = rows.at(a.position);
        const ImportRow &rb = rows.at(b.position);
        if (const int c = QString::compare(ra.source, rb.source))
            return c < 0;
        const QString ta = ra.target.value_or(QString());
        const QString tb = rb.target.value_or(QString());
        if (const int c = QString::compare(ta, tb))
            return c < 0;
        return a.position < b.position;
    });

    QVector<WordRow> ordered;
    ordered.reserve(rows.size());
    int index = 0;
    for (const Keyed &k : keyed) {
        ImportRow &row = rows[k.position];
        ordered.append({++index, std::move(row.source), std::move(row.target)});
    }
    return ordered;
}

} // namespace vorbix::import
