#include "data/import/spanish_settling.h"

namespace vorbix::import {

SettledRows settleGlued(SenseRows &rows, const GluedItems &glued, const QSet<QString> &words,
                        const QString &dictionary, QStringList &details)
{
    SettledRows settled;
    SenseRows kept;
    kept.reserve(rows.size());
    for (auto &[headword, items] : rows) {
        QStringList left;
        for (const QString &item : std::as_const(items)) {
            const QString original = glued.splits.value(item);
            if (!original.isEmpty() && words.contains(original.toLower())) {
                details.append(QStringLiteral("%1: \"%2\" kept whole, a word of Apertium").arg(dictionary, original));
                ++settled.keptWhole;
                if (!left.contains(original))
                    left.append(original);
            } else if (glued.unsure.contains(item) && !words.contains(item.toLower())) {
                details.append(QStringLiteral("%1: \"%2\" left out of \"%3\", glued beyond a sure split")
                                   .arg(dictionary, item, headword));
                ++settled.dropped;
            } else if (!left.contains(item)) {
                left.append(item);
            }
        }
        if (!left.isEmpty())
            kept.append({headword, left});
    }
    rows = std::move(kept);
    return settled;
}

int dropUnconfirmed(SenseRows &rows, const QSet<std::pair<QString, QString>> &unconfirmed,
                    const QSet<std::pair<QString, QString>> &confirmed, QStringList &details)
{
    int dropped = 0;
    SenseRows kept;
    kept.reserve(rows.size());
    for (auto &[headword, items] : rows) {
        QStringList left;
        for (const QString &item : std::as_const(items)) {
            if (unconfirmed.contains({headword, item}) && !confirmed.contains({headword.toLower(), item.toLower()})) {
                details.append(QStringLiteral("eng-spa: \"%1\" left out of \"%2\", the sense of a cut compound")
                                   .arg(item, headword));
                ++dropped;
            } else {
                left.append(item);
            }
        }
        if (!left.isEmpty())
            kept.append({headword, left});
    }
    rows = std::move(kept);
    return dropped;
}

int vetThroughGerman(SenseRows &rows, bool englishHeadwords, const GermanPivot &pivot,
                     const QSet<std::pair<QString, QString>> &apertium,
                     const QSet<std::pair<QString, QString>> &bothFreedict, QStringList &details)
{
    int dropped = 0;
    for (auto &[headword, items] : rows) {
        QStringList kept;
        QStringList doubtful;
        bool confirmed = false;
        for (const QString &item : std::as_const(items)) {
            const QString &english = englishHeadwords ? headword : item;
            const QString &spanish = englishHeadwords ? item : headword;
            const int links = pivot.links(spanish, english);
            confirmed = confirmed || links > 0;
            // trans-de-en lists few phrases as such: only a pair of single
            // words is doubted ("echar a perder", "at last" are kept).
            if (links == 0 && !english.contains(QLatin1Char(' ')) && !spanish.contains(QLatin1Char(' '))
                && pivot.knows(spanish) && !apertium.contains({english.toLower(), spanish.toLower()}))
                doubtful.append(item);
            else
                kept.append(item);
        }
        if (doubtful.isEmpty() || !confirmed)
            continue;
        for (const QString &item : std::as_const(doubtful)) {
            const QString &english = englishHeadwords ? headword : item;
            const QString &spanish = englishHeadwords ? item : headword;
            if (bothFreedict.contains({english.toLower(), spanish.toLower()})) {
                kept.append(item);
                continue;
            }
            details.append(QStringLiteral("%1: \"%2\" left out of \"%3\", no German word of spa-deu leads to it")
                               .arg(QLatin1String(englishHeadwords ? "eng-spa" : "spa-eng"), item, headword));
            ++dropped;
        }
        items = std::move(kept);
    }
    return dropped;
}

} // namespace vorbix::import
