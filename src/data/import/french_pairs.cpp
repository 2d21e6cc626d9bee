#include "data/import/french_pairs.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace vorbix::import {

bool isGazetteerPlace(const QString &english, const QString &french)
{
    static const QRegularExpression feature(QStringLiteral(
        "\\b(River|Lakes?|Creek|Brook|Bay|Islands?|Falls|Rapids|Narrows|Channel|Strait|Cape|Peninsula|Mount"
        "|Mountains|Hill|Territory|District)\\b"));
    static const QRegularExpression frenchFeature(
        QStringLiteral("^(rivière|fleuve|lacs?|ruisseau|baie|[iî]les?|chenal|rapides|détroit|monts?|cap"
                       "|péninsule|colline|passe|défilé|district|territoire|chutes|chaîne)\\b"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return english.size() > 0 && english.at(0).isUpper() && feature.match(english).hasMatch()
           && frenchFeature.match(french).hasMatch();
}

int dropGazetteerPlaces(QVector<DictdEntry> &engFra, QVector<DictdEntry> &fraEng,
                        const QSet<QString> &listedElsewhere)
{
    const auto isPlace = [&listedElsewhere](const QString &english, const QStringList &french) {
        return !listedElsewhere.contains(english)
               && std::any_of(french.begin(), french.end(),
                              [&english](const QString &item) { return isGazetteerPlace(english, item); });
    };
    const qsizetype before = engFra.size() + fraEng.size();
    engFra.removeIf([&isPlace](const DictdEntry &entry) { return isPlace(entry.headword, entry.translations); });
    fraEng.removeIf([&isPlace](const DictdEntry &entry) {
        return std::any_of(entry.translations.begin(), entry.translations.end(), [&](const QString &english) {
            return isPlace(english, {entry.headword});
        });
    });
    return int(before - engFra.size() - fraEng.size());
}

namespace {

// A word of the reverse dictionary and where the headword stands among its
// translations.
struct ReverseWord
{
    QString word;
    bool first = false;
};

} // namespace

int addReverseTranslations(QVector<DictdEntry> &forward, const QVector<DictdEntry> &reverse)
{
    // What the reverse dictionary translates to each word, first translations
    // marked; a word that is the first translation anywhere counts as such.
    QHash<QString, QVector<ReverseWord>> backTo;
    QStringList backOrder;  // the keys of backTo as first met
    for (const DictdEntry &entry : reverse) {
        for (qsizetype i = 0; i < entry.translations.size(); ++i) {
            QVector<ReverseWord> &words = backTo[entry.translations.at(i)];
            const auto found = std::find_if(words.begin(), words.end(),
                                            [&entry](const ReverseWord &w) { return w.word == entry.headword; });
            if (words.isEmpty())
                backOrder.append(entry.translations.at(i));
            if (found == words.end()) {
                words.append({entry.headword, i == 0});
            } else if (i == 0) {
                found->first = true;
            }
        }
    }

    // Merge the forward entries of one headword, keeping the first one's place.
    QVector<DictdEntry> merged;
    QHash<QString, qsizetype> position;
    for (DictdEntry &entry : forward) {
        const auto found = position.constFind(entry.headword);
        if (found == position.constEnd()) {
            position.insert(entry.headword, merged.size());
            merged.append(std::move(entry));
        } else {
            appendUnique(merged[*found].translations, entry.translations);
            merged[*found].examples += entry.examples;
        }
    }
    for (const QString &headword : std::as_const(backOrder)) {
        const QVector<ReverseWord> &words = backTo[headword];
        const bool firstSomewhere =
            std::any_of(words.begin(), words.end(), [](const ReverseWord &w) { return w.first; });
        if (firstSomewhere && !position.contains(headword) && headword.count(QLatin1Char(' ')) < 3) {
            position.insert(headword, merged.size());
            DictdEntry entry;
            entry.headword = headword;
            merged.append(entry);
        }
    }

    int added = 0;
    for (DictdEntry &entry : merged) {
        const QVector<ReverseWord> back = backTo.value(entry.headword);
        const auto confirms = [&back](const QString &word) {
            return std::any_of(back.begin(), back.end(), [&word](const ReverseWord &w) { return w.word == word; });
        };
        QStringList ordered;
        for (const QString &own : std::as_const(entry.translations)) {
            if (confirms(own))
                ordered.append(own);
        }
        for (const ReverseWord &word : back) {
            if (ordered.size() >= kMaxReverseFill)
                break;
            if (word.first && !ordered.contains(word.word)) {
                ordered.append(word.word);
                ++added;
            }
        }
        appendUnique(ordered, entry.translations);
        for (const ReverseWord &word : back) {
            if (ordered.size() >= kMaxReverseFill)
                break;
            if (!ordered.contains(word.word)) {
                ordered.append(word.word);
                ++added;
            }
        }
        entry.translations = ordered;
    }
    forward = std::move(merged);
    return added;
}

} // namespace vorbix::import
