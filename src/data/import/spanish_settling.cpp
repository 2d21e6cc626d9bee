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

} // namespace vorbix::import
