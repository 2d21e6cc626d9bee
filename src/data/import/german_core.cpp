#include "data/import/german_core.h"

#include "data/import/dictd_entry.h"
#include "data/import/dictzip_stream.h"
#include "data/import/spanish_repairs.h"

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

// Orders translations by commonness, most common first, keeping the given
// order among equals, and keeps the first `limit`.
QStringList rankTranslations(QStringList words, const WordFrequencies &frequencies, int limit)
{
    QVector<std::pair<int, QString>> scored;
    for (QString &word : words)
        scored.append({commonness(word, frequencies), std::move(word)});
    std::stable_sort(scored.begin(), scored.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    QStringList ranked;
    for (qsizetype i = 0; i < scored.size() && i < limit; ++i)
        ranked.append(scored.at(i).second);
    return ranked;
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
    QHash<QString, QStringList> confirmedEnglish;  // German word -> English core words
    QStringList germanOrder;
    for (const QString &english : coreEnglish) {
        QStringList confirmed;
        for (const QString &german : sources.englishToGerman.value(english)) {
            if (containsIgnoringCase(sources.germanToEnglish.value(german), english))
                confirmed.append(german);
        }
        if (confirmed.isEmpty())
            continue;
        confirmed = rankTranslations(confirmed, sources.germanFrequencies, kMaxGermanTranslations);
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
    for (const QString &german : std::as_const(germanOrder)) {
        // Keep deu-eng's own order among equally common words.
        QStringList english;
        for (const QString &word : sources.germanToEnglish.value(german)) {
            for (const QString &core : confirmedEnglish.value(german)) {
                if (core.compare(word, Qt::CaseInsensitive) == 0 && !english.contains(core))
                    english.append(core);
            }
        }
        english = rankTranslations(english, sources.englishFrequencies, kMaxGermanTranslations);
        core.germanEnglish.append({german, english.join(QLatin1String(", "))});
    }
    core.cappedEnglishGerman = capRows(core.englishGerman, maxRows, sources.englishFrequencies);
    core.cappedGermanEnglish = capRows(core.germanEnglish, maxRows, sources.germanFrequencies);
    return core;
}

namespace {

// Reads one German dictionary: merges the senses of the wanted headwords and
// counts the words of every example sentence.
void readGermanDictionary(const QString &indexPath, const QString &dictPath,
                          const std::function<bool(const QString &)> &wanted,
                          QHash<QString, QStringList> &translations,
                          WordFrequencies &sourceFrequencies, WordFrequencies &targetFrequencies)
{
    forEachDictdEntry(dictPath, readDictdIndex(indexPath), [&](const DictdIndexEntry &, const QByteArray &bytes) {
        const QString text = QString::fromUtf8(bytes);
        for (const ExampleSentence &example : examplesOfEntry(text)) {
            countWords(example.source, sourceFrequencies);
            countWords(example.target, targetFrequencies);
        }
        if (!wanted(headwordOfHeader(headerOfEntry(text))))
            return;
        const DictdEntry entry = parseDictdEntry(text, EntryStyle::SingleSense);
        appendUnique(translations[entry.headword], entry.translations);
    });
}

} // namespace

GermanSources readGermanSources(const QString &engDeuIndex, const QString &engDeuDict,
                                const QString &deuEngIndex, const QString &deuEngDict,
                                const QSet<QString> &coreEnglish,
                                const std::function<void(const QString &)> &progress)
{
    GermanSources sources;
    progress(QStringLiteral("reading eng-deu"));
    readGermanDictionary(engDeuIndex, engDeuDict,
                         [&coreEnglish](const QString &headword) { return coreEnglish.contains(headword); },
                         sources.englishToGerman, sources.englishFrequencies, sources.germanFrequencies);
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
