#include "data/import/german_first_entry.h"

#include "data/import/dictd_entry.h"
#include "data/import/dictd_index.h"
#include "data/import/dictzip_stream.h"
#include "data/import/german_core.h"
#include "data/import/markup_cleaning.h"
#include "data/record_error.h"

#include <QRegularExpression>

#include <algorithm>

namespace vorbix::import {

namespace {

// Longer items are explanations rather than words a learner is asked for.
constexpr int kMaxWordsPerItem = 4;

// Whether a cleaned item is a plain word or short phrase: letters, with
// hyphens, apostrophes and single blanks between words only (no
// abbreviation or pronunciation left over, as "station Sta.", "left l.", no
// ellipsis, slash, bracket, digit or stray punctuation), and at most
// kMaxWordsPerItem words.
bool isPlainItem(const QString &item, const QSet<QString> &englishWords)
{
    if (item.isEmpty() || item.size() > 40)
        return false;
    static const QRegularExpression plain(QStringLiteral("^[\\p{L}'’-]+( [\\p{L}'’-]+)*$"));
    if (!plain.match(item).hasMatch())
        return false;
    const QStringList words = item.split(u' ', Qt::SkipEmptyParts);
    if (words.size() > kMaxWordsPerItem || words.join(u' ') != item)
        return false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString &word = words.at(i);
        // A short all-capital word after the first is an abbreviation ("employee EE").
        if (i > 0 && word.size() <= 4 && word == word.toUpper())
            return false;
        // An object the phrase only names as an example explains the verb
        // ("prepone an event", "broach a liquid").
        if (i > 0 && (word == u"a" || word == u"an"))
            return false;
        // A word without a hyphen must be an English word: that leaves out
        // glued abbreviations ("missed in actionMIA") and misspellings.
        if (!englishWords.isEmpty() && !word.contains(u'-') && !englishWords.contains(word.toLower()))
            return false;
    }
    return true;
}

bool containsIgnoringCase(const QStringList &list, const QString &word)
{
    return std::any_of(list.cbegin(), list.cend(),
                       [&](const QString &item) { return item.compare(word, Qt::CaseInsensitive) == 0; });
}

// An item tagged a verb ("to to prance around <v>") without its infinitive
// marker, which deu-eng writes now and then, doubled by a slip at times;
// the row gives its other verbs bare ("caper", "frolic").
QString withoutInfinitiveMarker(const QString &item, const QString &raw)
{
    static const QRegularExpression verbTag(QStringLiteral("<v[^>]*>\\s*$"));
    if (!item.startsWith(QLatin1String("to ")) || !verbTag.match(raw).hasMatch())
        return item;
    QString bare = item;
    while (bare.startsWith(QLatin1String("to ")))
        bare = bare.mid(3);
    return bare;
}

// Whether an item of a German present participle's entry ("mangelnd",
// "vorliegend") is the "-ing" form of "to be" with its complement ("being
// lacking", "being available"): deu-eng gives the participle the forms of
// its verb's line ("mangeln :: to be lacking | being lacking"), and the
// phrase names the verb's action, no word a learner gives for the
// adjective. A noun keeps such an item: "Zusammensein" is "being together".
bool isParticiplesGerundOfBe(const QString &headword, const QString &item)
{
    return item.startsWith(QLatin1String("being ")) && item.size() > 6 && !headword.isEmpty()
           && headword.front().isLower() && headword.endsWith(QLatin1String("nd"));
}

} // namespace

QStringList firstEntryWordsOfText(const QString &text, const QSet<QString> &englishWords)
{
    const QStringList lines = text.trimmed().split(u'\n');
    if (lines.size() < 2)
        return {};
    const QString senseLine = normaliseCharacters(lines.at(1)).trimmed();
    // A tag before the first word covers the whole entry ("[übtr.] turnaround").
    if (senseLine.isEmpty() || senseLine.startsWith(u'['))
        return {};
    const QString headword = headwordWithoutMarkup(headwordOfHeader(lines.first().trimmed()));
    QStringList words;
    for (const QString &raw : splitTranslationLine(senseLine)) {
        // A tagged item, or one that names its object in brackets or gives
        // alternatives with a slash, is no plain word ("engage/mesh gear wheels").
        if (raw.contains(u'[') || raw.contains(u'(') || raw.contains(u'/'))
            continue;
        const QString item = withoutInfinitiveMarker(cleanTranslationItem(raw).trimmed(), raw);
        if (isPlainItem(item, englishWords) && !isParticiplesGerundOfBe(headword, item) && !containsIgnoringCase(words, item))
            words.append(item);
    }
    return words;
}

FirstEntryIndex readFirstEntryIndex(const QString &indexPath)
{
    FirstEntryIndex index;
    try {
        index.entries = readDictdIndex(indexPath);
    } catch (const RecordError &) {
        return index;
    }
    index.lowerKeys.reserve(index.entries.size());
    for (const DictdIndexEntry &entry : std::as_const(index.entries))
        index.lowerKeys.append(QString::fromUtf8(entry.key).toLower());
    index.readable = true;
    return index;
}

QHash<QString, QStringList> firstEntryWords(const FirstEntryIndex &index, const QString &dictPath,
                                            const QSet<QString> &wanted, const QSet<QString> &englishWords)
{
    // The index keys are lower case; the entry's own headword tells
    // "Einnehmen" from "einnehmen".
    QSet<QString> keys;
    for (const QString &word : wanted)
        keys.insert(word.toLower());
    QVector<DictdIndexEntry> entries;
    for (qsizetype i = 0; i < index.entries.size(); ++i) {
        if (keys.contains(index.lowerKeys.at(i)))
            entries.append(index.entries.at(i));
    }
    QHash<QString, QStringList> result;
    QSet<QString> seen;
    forEachDictdEntry(dictPath, entries, [&](const DictdIndexEntry &, const QByteArray &bytes) {
        const QString text = QString::fromUtf8(bytes);
        const QString headword = headwordWithoutMarkup(headwordOfHeader(headerOfEntry(text)));
        if (!wanted.contains(headword) || seen.contains(headword))
            return;
        seen.insert(headword);
        const QStringList words = firstEntryWordsOfText(text, englishWords);
        if (!words.isEmpty())
            result.insert(headword, words);
    });
    return result;
}

int addFirstEntryWords(QVector<ImportRow> &rows, const QHash<QString, QStringList> &firstWords, int maxItems)
{
    int changed = 0;
    for (ImportRow &row : rows) {
        if (!row.target)
            continue;
        const auto found = firstWords.constFind(row.source);
        if (found == firstWords.cend())
            continue;
        QStringList items = row.target->split(QLatin1String(", "), Qt::SkipEmptyParts);
        const qsizetype before = items.size();
        for (const QString &word : *found) {
            if (items.size() >= maxItems)
                break;
            // A plural of an item already there adds nothing ("budgetary years").
            const bool plural = std::any_of(items.cbegin(), items.cend(), [&](const QString &item) {
                return word.compare(item + u's', Qt::CaseInsensitive) == 0
                    || word.compare(item + QLatin1String("es"), Qt::CaseInsensitive) == 0;
            });
            if (!plural && !containsIgnoringCase(items, word))
                items.append(word);
        }
        if (items.size() != before) {
            *row.target = items.join(QLatin1String(", "));
            ++changed;
        }
    }
    return changed;
}

namespace {

// Whether an English item is a regular past participle of another item
// ("obtained" beside "obtain").
bool isParticipleOfItem(const QString &item, const QStringList &items)
{
    if (!item.endsWith(u"ed") || item.contains(u' '))
        return false;
    for (const QString &verb : items) {
        if (verb == item || verb.contains(u' ') || verb.size() < 3)
            continue;
        if (item == verb + QLatin1String("ed") || item == verb + u'd'
            || (verb.endsWith(u'y') && item == verb.chopped(1) + QLatin1String("ied"))
            || item == verb + verb.back() + QLatin1String("ed"))
            return true;
    }
    return false;
}

// In the row of a German verb phrase in lower case ("sich geben lassen",
// "ergehen lassen"), an English past participle beside its own verb is left
// out: the phrase's participle is spelt like it, so a participle
// ("obtained") reached the row beside the verb ("obtain"), from
// trans-de-en's participle column or deu-eng's first entry. A German word
// alone may be its own participle too ("verlassen", "erfahren"), whose
// English participles are adjectives of their own ("abandoned",
// "experienced"), and keeps them; so do phrases with a noun.
void dropParticiplesBesideTheirVerbs(QVector<ImportRow> &rows)
{
    for (ImportRow &row : rows) {
        const QString &german = row.source;
        const bool verbPhrase = german.contains(u' ') && german.at(0).isLower() && german.endsWith(u'n')
                                && !std::any_of(german.cbegin(), german.cend(), [](QChar c) { return c.isUpper(); });
        if (!verbPhrase || !row.target)
            continue;
        QStringList english = row.target->split(QLatin1String(", "));
        const QStringList all = english;
        if (english.removeIf([&all](const QString &item) { return isParticipleOfItem(item, all); }) > 0)
            row.target = english.join(QLatin1String(", "));
    }
}

} // namespace

void addDeuEngFirstEntries(QVector<ImportRow> &rows, const QString &indexPath, const QString &dictPath,
                           const QSet<QString> &englishWords)
{
    addDeuEngFirstEntries(rows, readFirstEntryIndex(indexPath), dictPath, englishWords);
}

void addDeuEngFirstEntries(QVector<ImportRow> &rows, const FirstEntryIndex &index, const QString &dictPath,
                           const QSet<QString> &englishWords)
{
    QSet<QString> wanted;
    for (const ImportRow &row : std::as_const(rows))
        wanted.insert(row.source);
    try {
        if (index.readable)
            addFirstEntryWords(rows, firstEntryWords(index, dictPath, wanted, englishWords), kMaxGermanTranslations);
    } catch (const RecordError &) {
    }
    dropParticiplesBesideTheirVerbs(rows);
}

} // namespace vorbix::import
