#include "data/import/word_kind_siblings.h"

#include "data/import/french_pairs.h"

namespace vorbix::import {

QString siblingOfOtherKind(const QString &item, const QStringList &partners,
                           const std::function<WordKind(const QString &)> &kindOf)
{
    if (partners.contains(item))
        return {};
    const WordKind kind = kindOf(item);
    if (kind == WordKind::Other)
        return {};
    const WordKind other = kind == WordKind::Noun ? WordKind::Adjective : WordKind::Noun;
    for (const QString &partner : partners) {
        if (kindOf(partner) == other && looksLikeOtherWord(item, partner))
            return partner;
    }
    return {};
}

QStringList itemsOfOtherKind(const QString &headword, const QStringList &items, const QStringList &partners,
                             const std::function<WordKind(const QString &)> &kindOf,
                             const std::function<bool(const QString &, const QString &, WordKind)> &mayDrop)
{
    QStringList wrong;
    for (const QString &item : items) {
        if (!siblingOfOtherKind(item, partners, kindOf).isEmpty()
            && (!mayDrop || mayDrop(headword, item, kindOf(item))))
            wrong.append(item);
    }
    return wrong;
}

QHash<QString, WordKind> frenchWordKinds(const QStringList &headers)
{
    QHash<QString, WordKind> kinds;
    QSet<QString> mixed;
    for (const QString &header : headers) {
        const qsizetype tag = header.indexOf(QLatin1String(" <"));
        if (tag < 0)
            continue;
        const QString headword = headwordOfHeader(header);
        const QString rest = header.mid(tag + 2);
        WordKind kind = WordKind::Other;
        if (rest.startsWith(QLatin1String("adj>")))
            kind = WordKind::Adjective;
        else if (rest.startsWith(QLatin1String("n>")) || rest.startsWith(QLatin1String("n,")))
            kind = WordKind::Noun;
        const auto known = kinds.constFind(headword);
        if (kind == WordKind::Other || (known != kinds.constEnd() && *known != kind))
            mixed.insert(headword);
        else
            kinds.insert(headword, kind);
    }
    for (const QString &headword : std::as_const(mixed))
        kinds.remove(headword);
    return kinds;
}

int dropFrenchItemsOfOtherKind(QVector<DictdEntry> &engFra, const QVector<DictdEntry> &fraEng,
                               const QHash<QString, WordKind> &frenchKinds,
                               const std::function<bool(const QString &)> &mayBeNoun, QStringList &details)
{
    // The French words whose own fra-eng row gives each English word.
    QHash<QString, QStringList> partners;
    for (const DictdEntry &entry : fraEng) {
        for (const QString &english : entry.translations) {
            QStringList &words = partners[english];
            if (!words.contains(entry.headword))
                words.append(entry.headword);
        }
    }
    const auto kindOf = [&frenchKinds](const QString &word) { return frenchKinds.value(word, WordKind::Other); };
    // A noun is wrong in the row of an English adjective only; an English
    // word that may be a noun as well keeps it ("daring": "audace").
    const auto mayDrop = [&mayBeNoun](const QString &english, const QString &, WordKind kind) {
        return kind != WordKind::Noun || !mayBeNoun || !mayBeNoun(english.toLower());
    };
    int dropped = 0;
    for (DictdEntry &entry : engFra) {
        const QStringList wrong =
            itemsOfOtherKind(entry.headword, entry.translations, partners.value(entry.headword), kindOf, mayDrop);
        for (const QString &item : wrong) {
            // eng-fra meant the word of that stem: the sibling fra-eng pairs
            // with the headword takes the item's place, unless the row
            // holds it already.
            const QString sibling = siblingOfOtherKind(item, partners.value(entry.headword), kindOf);
            const bool held = entry.translations.contains(sibling);
            for (QStringList *list : {&entry.translations, &entry.firstSense, &entry.lastSense}) {
                const qsizetype at = list->indexOf(item);
                if (at < 0)
                    continue;
                if (held)
                    list->removeAt(at);
                else
                    list->replace(at, sibling);
            }
            details.append(QStringLiteral("eng-fra: \"%1\" of \"%2\" gives way to \"%3\", its sibling of the other part of speech")
                               .arg(item, entry.headword, sibling));
            ++dropped;
        }
    }
    return dropped;
}

namespace {

// The kind Apertium's tags give each lemma of one language, lowercased; a
// lemma of both kinds, or of another as well, is Other.
class LexiconKinds
{
public:
    void add(const QString &lemma, const QStringList &tags)
    {
        const QString tag = tags.isEmpty() ? QString() : tags.constFirst();
        const WordKind kind = tag == QLatin1String("n")     ? WordKind::Noun
                              : tag == QLatin1String("adj") ? WordKind::Adjective
                                                            : WordKind::Other;
        const QString word = lemma.toLower();
        const auto known = m_kinds.constFind(word);
        m_kinds.insert(word, known == m_kinds.constEnd() || *known == kind ? kind : WordKind::Other);
    }
    WordKind of(const QString &word) const { return m_kinds.value(word.toLower(), WordKind::Other); }

private:
    QHash<QString, WordKind> m_kinds;
};

} // namespace

int dropSpanishItemsOfOtherKind(QVector<std::pair<QString, QStringList>> &rows, bool englishHeadwords,
                                const QVector<LexiconEntry> &englishSpanish,
                                const QVector<LexiconEntry> &spanishEnglish,
                                const std::function<bool(const QString &)> &mayBeNoun, QStringList &details)
{
    LexiconKinds englishKinds;
    LexiconKinds spanishKinds;
    // Each headword's words in either lexicon, lowercased.
    QHash<QString, QSet<QString>> paired;
    const auto pair = [&](const QString &english, const QString &spanish) {
        if (englishHeadwords)
            paired[english.toLower()].insert(spanish.toLower());
        else
            paired[spanish.toLower()].insert(english.toLower());
    };
    for (const LexiconEntry &entry : englishSpanish) {
        englishKinds.add(entry.source, entry.sourceTags);
        spanishKinds.add(entry.target, entry.targetTags);
        pair(entry.source, entry.target);
    }
    for (const LexiconEntry &entry : spanishEnglish) {
        spanishKinds.add(entry.source, entry.sourceTags);
        englishKinds.add(entry.target, entry.targetTags);
        pair(entry.target, entry.source);
    }
    const LexiconKinds &headwordKinds = englishHeadwords ? englishKinds : spanishKinds;
    const LexiconKinds &itemKinds = englishHeadwords ? spanishKinds : englishKinds;
    const auto kindOf = [&itemKinds](const QString &word) { return itemKinds.of(word); };
    const auto mayDrop = [&](const QString &headword, const QString &item, WordKind kind) {
        // The headword is of the partner's kind, the item's other one.
        if (headwordKinds.of(headword) == WordKind::Other || headwordKinds.of(headword) == kind)
            return false;
        // Apertium's Spanish adjectives are often nouns as well ("común"
        // beside "commonplace<n>"): a Spanish row loses adjectives only.
        if (!englishHeadwords && kind != WordKind::Adjective)
            return false;
        if (!mayBeNoun)
            return true;
        return englishHeadwords ? kind != WordKind::Noun || !mayBeNoun(headword.toLower())
                                : !mayBeNoun(item.toLower());
    };
    int dropped = 0;
    for (auto &[headword, items] : rows) {
        if (items.size() < 2)
            continue;
        const QSet<QString> words = paired.value(headword.toLower());
        QStringList partners;
        for (const QString &item : std::as_const(items)) {
            if (words.contains(item.toLower()))
                partners.append(item);
        }
        const QStringList wrong = itemsOfOtherKind(headword, items, partners, kindOf, mayDrop);
        for (const QString &item : wrong) {
            items.removeAll(item);
            details.append(QStringLiteral("%1: \"%2\" left out of \"%3\", a word of the other part of speech")
                               .arg(englishHeadwords ? QLatin1String("eng-spa") : QLatin1String("spa-eng"), item,
                                    headword));
            ++dropped;
        }
    }
    return dropped;
}

} // namespace vorbix::import
