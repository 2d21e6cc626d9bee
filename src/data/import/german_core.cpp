#include "data/import/german_core.h"

#include "data/import/dictd_entry.h"
#include "data/import/dictzip_stream.h"
#include "data/import/markup_cleaning.h"
#include "data/import/spanish_repairs.h"

#include <QRegularExpression>

#include <algorithm>
#include <limits>

namespace vorbix::import {

void countWords(const QString &text, WordFrequencies &frequencies)
{
    for (const QString &word : wordsOf(text))
        ++frequencies[word];
}

int commonness(const QString &phrase, const WordFrequencies &frequencies)
{
    const QStringList words = wordsOf(phrase);
    if (words.isEmpty())
        return 0;
    int rarest = std::numeric_limits<int>::max();
    for (const QString &word : words)
        rarest = std::min(rarest, frequencies.value(word));
    return rarest;
}

namespace {

// Orders translations general senses first, then by commonness, most common
// first, keeping the given order among equals, and keeps the first `limit`.
QStringList rankTranslations(QStringList words, const WordFrequencies &frequencies, const QSet<QString> &tagged,
                             int limit)
{
    QVector<std::pair<int, QString>> scored;
    for (QString &word : words)
        scored.append({commonness(word, frequencies), std::move(word)});
    std::stable_sort(scored.begin(), scored.end(), [&tagged](const auto &a, const auto &b) {
        const bool aTagged = tagged.contains(a.second);
        if (aTagged != tagged.contains(b.second))
            return !aTagged;
        return a.first > b.first;
    });
    QStringList ranked;
    for (qsizetype i = 0; i < scored.size() && i < limit; ++i)
        ranked.append(scored.at(i).second);
    return ranked;
}

// A German word a learner's table leaves out: a phrase of four or more words,
// or an abbreviation ("Str.", "LKW", "Mo").
bool isLeftOut(const QString &german)
{
    static const QRegularExpression abbreviation(QStringLiteral("^(\\p{L}{1,4}\\.)+$|^[\\p{Lu}\\d]{2,}$"));
    return german.count(QLatin1Char(' ')) >= 3 || abbreviation.match(german).hasMatch();
}

bool containsIgnoringCase(const QStringList &list, const QString &word)
{
    return std::any_of(list.begin(), list.end(),
                       [&word](const QString &item) { return item.compare(word, Qt::CaseInsensitive) == 0; });
}

} // namespace

int capRows(QVector<ImportRow> &rows, int maxRows, const WordFrequencies &frequencies)
{
    if (rows.size() <= maxRows)
        return 0;
    QVector<std::pair<int, qsizetype>> scored;
    scored.reserve(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i)
        scored.append({commonness(rows.at(i).source, frequencies), i});
    std::sort(scored.begin(), scored.end(), [&rows](const auto &a, const auto &b) {
        if (a.first != b.first)
            return a.first > b.first;
        if (const int c = QString::compare(rows.at(a.second).source, rows.at(b.second).source))
            return c < 0;
        return a.second < b.second;
    });
    QVector<ImportRow> kept;
    kept.reserve(maxRows);
    for (int i = 0; i < maxRows; ++i)
        kept.append(std::move(rows[scored.at(i).second]));
    const int dropped = static_cast<int>(rows.size() - maxRows);
    rows = std::move(kept);
    return dropped;
}

GermanCore selectGermanCore(const QStringList &coreEnglish, const GermanSources &sources, int maxRows)
{
    GermanCore core;
    QSet<QString> coreLower;
    if (sources.ownSenses) {
        for (const QString &word : coreEnglish)
            coreLower.insert(word.toLower());
    }
    QHash<QString, QStringList> confirmedEnglish;  // German word -> English core words
    QStringList germanOrder;
    // German words past a row's six places that head their own line for its
    // English word (GermanSources::ownLineHeads), with those English words.
    QHash<QString, QStringList> ownLineEnglish;
    QStringList ownLineOrder;
    for (const QString &english : coreEnglish) {
        QStringList confirmed;
        for (const QString &german : sources.englishToGerman.value(english)) {
            if (!isLeftOut(german) && containsIgnoringCase(sources.germanToEnglish.value(german), english))
                confirmed.append(german);
        }
        if (confirmed.isEmpty())
            continue;
        for (qsizetype i = kMaxGermanTranslations; i < confirmed.size(); ++i) {
            const QString &german = confirmed.at(i);
            if (!sources.ownLineHeads.contains(german + u'\n' + english))
                continue;
            QStringList &back = ownLineEnglish[german];
            if (back.isEmpty())
                ownLineOrder.append(german);
            back.append(english);
        }
        confirmed = sources.ranked ? confirmed.mid(0, kMaxGermanTranslations)
                                   : rankTranslations(confirmed, sources.germanFrequencies, sources.taggedOnly,
                                                      kMaxGermanTranslations);
        // Only the German words a row keeps enter the German side, so that
        // rare words outranked everywhere do not.
        for (const QString &german : std::as_const(confirmed)) {
            QStringList &back = confirmedEnglish[german];
            if (back.isEmpty())
                germanOrder.append(german);
            if (!back.contains(english))
                back.append(english);
        }
        core.englishGerman.append({english, confirmed.join(QLatin1String(", "))});
    }
    // A German word that heads its own line for an English word, left out
    // of every English row by the six places a row keeps, still has a row
    // of its own, kept for those English words ("Richtungsfahrbahn ::
    // lane", where the row of "lane" is full with commoner words): the
    // places of the English rows rank the English word's translations, not
    // whether the German word is worth learning. A word whose other
    // spelling by case has a row is left to that row.
    QSet<QString> rowsByLower;
    for (const QString &german : std::as_const(germanOrder))
        rowsByLower.insert(german.toLower());
    for (const QString &german : std::as_const(ownLineOrder)) {
        if (confirmedEnglish.contains(german) || rowsByLower.contains(german.toLower()))
            continue;
        confirmedEnglish.insert(german, ownLineEnglish.value(german));
        germanOrder.append(german);
    }
    // A word a line pairs only with English words of the other sex keeps a
    // row of its own senses (GermanSources::ownSenseRows).
    QSet<QString> ownSensesOnly;
    QStringList ownSenseRows(sources.ownSenseRows.cbegin(), sources.ownSenseRows.cend());
    ownSenseRows.sort();
    for (const QString &german : std::as_const(ownSenseRows)) {
        if (!sources.ownSenses || confirmedEnglish.contains(german) || sources.germanToEnglish.value(german).isEmpty())
            continue;
        confirmedEnglish.insert(german, {});
        germanOrder.append(german);
        ownSensesOnly.insert(german);
    }
    // Spellings that differ only by case ("abbrechen", "Abbrechen") share one
    // row when they share a translation: the spelling kept by most English
    // rows, on a tie the first met. Different words that differ only by case
    // keep their own rows ("gen": towards, "Gen": gene), and so do a noun and
    // a verb that a source tells apart ("Husten", "husten").
    const auto shareTranslation = [&confirmedEnglish, &sources](const QString &a, const QString &b) {
        if (sources.nounAndVerbSpellings.contains(a.toLower()))
            return false;
        const QStringList other = confirmedEnglish.value(b);
        const QStringList own = confirmedEnglish.value(a);
        return std::any_of(own.begin(), own.end(),
                           [&other](const QString &word) { return containsIgnoringCase(other, word); });
    };
    QHash<QString, QVector<QStringList>> spellings;  // lowercased -> groups of spellings, the kept one first
    QHash<QString, QStringList> groupOf;  // spelling -> its group, once all are met
    for (const QString &german : std::as_const(germanOrder)) {
        QVector<QStringList> &groups = spellings[german.toLower()];
        const auto group = std::find_if(groups.begin(), groups.end(), [&](const QStringList &variants) {
            return std::any_of(variants.begin(), variants.end(),
                               [&](const QString &variant) { return shareTranslation(german, variant); });
        });
        if (group == groups.end())
            groups.append({german});
        else if (confirmedEnglish.value(german).size() > confirmedEnglish.value(group->first()).size())
            group->prepend(german);
        else
            group->append(german);
    }
    for (const QVector<QStringList> &groups : std::as_const(spellings)) {
        for (const QStringList &variants : groups) {
            for (const QString &variant : variants)
                groupOf.insert(variant, variants);
        }
    }
    for (const QString &german : std::as_const(germanOrder)) {
        const QStringList variants = groupOf.value(german);
        if (variants.first() != german)
            continue;
        // Keep the source's order: deu-eng's among equally common words, or
        // the rank order of ranked sources.
        // The German word's own senses fill the places its core words leave,
        // in rank order among them: a core word the row was kept for is never
        // pushed out by them.
        int coreWords = 0;
        for (const QString &variant : variants)
            coreWords += static_cast<int>(confirmedEnglish.value(variant).size());
        int ownPlaces = std::max(0, kMaxGermanTranslations - coreWords);
        QStringList confirmedHere;
        for (const QString &variant : variants)
            confirmedHere.append(confirmedEnglish.value(variant));
        QStringList english;
        // A core word whose own row is full without this German word is
        // still one of its senses ("Provision :: commission", "Reverenz ::
        // respect"): the cap of the other table does not take it from this
        // row. It takes its place among the own senses, but not the row's
        // first place from a word the row was kept for or a non-core sense.
        QSet<QString> unconfirmedCore;
        for (const QString &variant : variants) {
            for (const QString &word : sources.germanToEnglish.value(variant)) {
                for (const QString &core : confirmedEnglish.value(variant)) {
                    if (core.compare(word, Qt::CaseInsensitive) == 0 && !english.contains(core))
                        english.append(core);
                }
                const QString own = sources.spoiltSenses.value(variant + u'\n' + word, word);
                if (sources.ownSenses && ownPlaces > 0 && !own.isEmpty() && !containsIgnoringCase(confirmedHere, own)
                    && !containsIgnoringCase(confirmedHere, word) && !containsIgnoringCase(english, own)) {
                    if (coreLower.contains(own.toLower()))
                        unconfirmedCore.insert(own);
                    english.append(own);
                    --ownPlaces;
                }
            }
        }
        // Unless it is the main word of the German word's own main entry
        // ("Matrize :: die" before "die-plate" of a narrower line).
        const auto mainEntrySense = [&](const QString &word) {
            return std::any_of(variants.begin(), variants.end(), [&](const QString &variant) {
                return sources.mainEntrySenses.contains(variant + u'\n' + word);
            });
        };
        // The word taking its place is no side sense: that would put a
        // colloquial or borrowed sense first where the row's own words lead.
        const auto sideSense = [&](const QString &word) {
            return std::any_of(variants.begin(), variants.end(), [&](const QString &variant) {
                return sources.sideSenses.contains(variant + u'\n' + word);
            });
        };
        // Nor the word of a line the German word heads, plain and with its
        // forms or examples, to a phrase of a line that lists the German word
        // only as a later synonym ("Gradmesser :: measure" before "acid
        // test" of "Nagelprobe {f}; ...; Gradmesser {m} :: acid test"): the
        // phrase names one use of the line's first word. Judged against the
        // rows it changed, a single word the row was kept for as often named
        // the main sense as the headed line's word did, and keeps the place.
        const auto headedSense = [&](const QString &word) {
            return std::any_of(variants.begin(), variants.end(), [&](const QString &variant) {
                return sources.headedSenses.contains(variant + u'\n' + word);
            });
        };
        // Nor, unless the row was kept for it, a narrowed or tagged use to a
        // word some line gives first for the German word, plain on both
        // sides ("Galle :: gall" keeps its place from "blowhole" of "...;
        // Galle {f} (Gussfehler in der Gießerei) [techn.] :: blowhole; ..."):
        // the row's first word would name a special use rather than the word.
        const auto plainFirstSense = [&](const QString &word) {
            return std::any_of(variants.begin(), variants.end(), [&](const QString &variant) {
                return sources.plainFirstSenses.contains(variant + u'\n' + word);
            });
        };
        if (!english.isEmpty() && unconfirmedCore.contains(english.first()) && !mainEntrySense(english.first())) {
            auto first = std::find_if(english.cbegin(), english.cend(), [&](const QString &word) {
                return !unconfirmedCore.contains(word) && !sideSense(word);
            });
            if (first != english.cend() && plainFirstSense(english.first()) && !plainFirstSense(*first)
                && !containsIgnoringCase(confirmedHere, *first))
                first = english.cend();
            const auto onHeadedLine = [&](const QString &word) {
                return std::any_of(variants.begin(), variants.end(), [&](const QString &variant) {
                    return sources.headedLineWords.contains(variant + u'\n' + word);
                });
            };
            // Nor the word of a line the German word heads with its forms or
            // examples to an own sense of a bare line it heads ("gepflegt ::
            // trim" of "gepflegt; ordentlich; proper {adj} | gepflegter; ...
            // :: trim | ..." keeps its place from "sophisticated" of
            // "gepflegt; elegant; schick; raffiniert {adj} :: sophisticated"):
            // of two entries of the word, the one with its forms is its own
            // main entry, the bare one a side sense. A word of a line headed
            // by another word is left to the rule below.
            if (first != english.cend() && headedSense(english.first()) && !headedSense(*first)
                && onHeadedLine(*first) && !containsIgnoringCase(confirmedHere, *first))
                first = english.cend();
            if (first != english.cend()
                && !(headedSense(english.first()) && !english.first().contains(u' ') && first->contains(u' ')
                     && !onHeadedLine(*first)))
                english.move(first - english.cbegin(), 0);
        }
        if (english.isEmpty() && ownSensesOnly.contains(german))
            continue;
        english = sources.ranked ? english.mid(0, kMaxGermanTranslations)
                                 : rankTranslations(english, sources.englishFrequencies, {}, kMaxGermanTranslations);
        core.germanEnglish.append({german, english.join(QLatin1String(", "))});
    }
    core.cappedEnglishGerman = capRows(core.englishGerman, maxRows, sources.englishFrequencies);
    core.cappedGermanEnglish = capRows(core.germanEnglish, maxRows, sources.germanFrequencies);
    return core;
}

namespace {

// Whether an item carries a tag of a special field or register ("Klemme
// [techn.]", "Bock [ugs.]"). Tags that only name what a general word is
// about ("Hund [zool.]", "Herz [anat.]") do not count.
bool hasSpecialTag(const QString &item)
{
    static const QRegularExpression special(QStringLiteral(
        "\\[(techn|fin|econ|chem|comp|adm|min|jur|electr|constr|mil|auto|geol|textil|hist|agr|phys|math|envir|naut"
        "|ling|telco|aviat|mach|psych|transp|biochem|pharm|print|arch|phil|meteo|statist|med|ugs|coll|Ös|Schw|Dt"
        "|Norddt|Bayr|Süddt|Mitteldt|regional|veraltet|alt|obs|selten|slang|pej|humor|poet|lit|übtr|fig|geh|formal"
        "|vulg)\\.?\\]"));
    return special.match(item).hasMatch();
}

// Reads one German dictionary: merges the senses of the wanted headwords and
// counts the words of every example sentence. With `tagged`, collects the
// translations given with a domain or register tag, and in `untagged` those
// given without one.
void readGermanDictionary(const QString &indexPath, const QString &dictPath,
                          const std::function<bool(const QString &)> &wanted,
                          QHash<QString, QStringList> &translations,
                          WordFrequencies &sourceFrequencies, WordFrequencies &targetFrequencies,
                          QSet<QString> *tagged = nullptr, QSet<QString> *untagged = nullptr)
{
    forEachDictdEntry(dictPath, readDictdIndex(indexPath), [&](const DictdIndexEntry &, const QByteArray &bytes) {
        const QString text = QString::fromUtf8(bytes);
        for (const ExampleSentence &example : examplesOfEntry(text)) {
            countWords(example.source, sourceFrequencies);
            countWords(example.target, targetFrequencies);
        }
        if (!wanted(headwordWithoutMarkup(headwordOfHeader(headerOfEntry(text)))))
            return;
        const DictdEntry entry = parseDictdEntry(text, EntryStyle::SingleSense);
        appendUnique(translations[entry.headword], entry.translations);
        if (!tagged)
            return;
        const QStringList lines = text.trimmed().split(QLatin1Char('\n'));
        if (lines.size() < 2)
            return;
        for (const QString &raw : splitTranslationLine(normaliseCharacters(lines.at(1)))) {
            const QString item = cleanTranslationItem(raw);
            if (!item.isEmpty())
                (hasSpecialTag(raw) ? tagged : untagged)->insert(item);
        }
    });
}

} // namespace

GermanSources readGermanSources(const QString &engDeuIndex, const QString &engDeuDict,
                                const QString &deuEngIndex, const QString &deuEngDict,
                                const QSet<QString> &coreEnglish,
                                const std::function<void(const QString &)> &progress)
{
    GermanSources sources;
    QSet<QString> tagged;
    QSet<QString> untagged;
    progress(QStringLiteral("reading eng-deu"));
    readGermanDictionary(engDeuIndex, engDeuDict,
                         [&coreEnglish](const QString &headword) { return coreEnglish.contains(headword); },
                         sources.englishToGerman, sources.englishFrequencies, sources.germanFrequencies, &tagged,
                         &untagged);
    sources.taggedOnly = tagged - untagged;
    QSet<QString> german;
    for (const QStringList &words : std::as_const(sources.englishToGerman)) {
        for (const QString &word : words)
            german.insert(word);
    }
    progress(QStringLiteral("reading deu-eng"));
    readGermanDictionary(deuEngIndex, deuEngDict,
                         [&german](const QString &headword) { return german.contains(headword); },
                         sources.germanToEnglish, sources.germanFrequencies, sources.englishFrequencies);
    return sources;
}

} // namespace vorbix::import
