#include "data/import/german_pivot.h"

#include "data/import/dictd_entry.h"
#include "data/import/dictd_index.h"
#include "data/import/dictzip_stream.h"
#include "data/record_error.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_set>
#include <utility>

namespace vorbix::import {

namespace {

// A trans-de-en synonym without its notes and abbreviations: "Hut {m} mit
// Band" -> "Hut mit Band", "(racing) driver" -> "driver", "modern /mod./"
// -> "modern".
QString withoutNotes(QByteArrayView raw)
{
    QByteArray kept;
    int depth = 0;
    bool inAbbreviation = false;
    char previous = ' ';
    for (const char c : raw) {
        const char before = std::exchange(previous, c);
        if (c == '{' || c == '[' || c == '(' || c == '<')
            ++depth;
        else if (c == '}' || c == ']' || c == ')' || c == '>')
            depth = std::max(0, depth - 1);
        // An abbreviation opens after a blank ("modern /mod./"); a slash
        // between words gives alternatives ("to inform sb. of/about sth.").
        else if (depth == 0 && c == '/' && (inAbbreviation || before == ' '))
            inAbbreviation = !inAbbreviation;
        else if (depth == 0 && !inAbbreviation)
            kept.append(c);
    }
    return QString::fromUtf8(kept).simplified();
}

QList<QByteArrayView> split(QByteArrayView text, QByteArrayView separator)
{
    QList<QByteArrayView> parts;
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(separator); at >= 0; at = text.indexOf(separator, from)) {
        parts.append(text.sliced(from, at - from));
        from = at + separator.size();
    }
    parts.append(text.sliced(from));
    return parts;
}

// The number of parts `separator` divides `text` into, as split() would
// give them, without building the list: the pivot's scan divides every line
// of trans-de-en.
qsizetype partCount(QByteArrayView text, QByteArrayView separator)
{
    qsizetype parts = 1;
    for (qsizetype at = text.indexOf(separator); at >= 0; at = text.indexOf(separator, at + separator.size()))
        ++parts;
    return parts;
}

// The part of `text` that starts at `from`, up to the next `separator`;
// moves `from` past that separator. Taken partCount() times, it gives the
// parts of split() in turn.
QByteArrayView nextPart(QByteArrayView text, QByteArrayView separator, qsizetype &from)
{
    const qsizetype at = text.indexOf(separator, from);
    const QByteArrayView part = at < 0 ? text.sliced(from) : text.sliced(from, at - from);
    from = at < 0 ? text.size() : at + separator.size();
    return part;
}

// The German words a pivot asks trans-de-en about, in UTF-8, looked up by
// byte view: the scan tests the first word of every German synonym of the
// file, and a copy of each only to test it costs more than the test.
class WantedGermanWords
{
public:
    explicit WantedGermanWords(const QHash<QString, QStringList> &foreignGerman)
    {
        for (const QStringList &german : foreignGerman) {
            for (const QString &word : german)
                m_bytes.append(word.toUtf8());
        }
        m_views.reserve(size_t(m_bytes.size()));
        for (const QByteArray &word : std::as_const(m_bytes))
            m_views.emplace(word.constData(), size_t(word.size()));
    }

    bool contains(QByteArrayView word) const
    {
        return m_views.count(std::string_view(word.data(), size_t(word.size()))) > 0;
    }

private:
    QList<QByteArray> m_bytes;
    std::unordered_set<std::string_view> m_views;  // views of m_bytes
};

// A trans-de-en synonym without the notes written before its word:
// "(Haar) flechten {vt}" -> "flechten {vt}", "(sich) etw. überlegen" ->
// "etw. überlegen".
QByteArrayView withoutLeadingNotes(QByteArrayView synonym)
{
    while (synonym.startsWith('(')) {
        const qsizetype close = synonym.indexOf(')');
        if (close < 0)
            break;
        synonym = synonym.sliced(close + 1).trimmed();
    }
    return synonym;
}

// The markers trans-de-en writes for a verb's objects.
constexpr std::array<const char *, 4> kObjectMarkers{"jdn.", "jdm.", "jds.", "etw."};

// Whether a trans-de-en synonym names the objects of its verb ("jdn.
// informieren", "etw. mit jdm. besprechen") or is reflexive ("sich
// erkundigen"); fra-deu gives the bare verb.
bool hasObject(QByteArrayView synonym)
{
    return synonym.startsWith("sich ") || std::any_of(kObjectMarkers.begin(), kObjectMarkers.end(), [&](const char *marker) {
               return synonym.contains(marker);
           });
}

// The verb of such a synonym without its objects, their prepositions and
// notes: "jdn. (über etw.) informieren" -> "informieren", "etw. mit jdm.
// besprechen" -> "besprechen"; empty unless one word is left.
QByteArray verbWithoutObjects(QByteArrayView synonym)
{
    const auto isMarker = [](QByteArrayView word) {
        return std::any_of(kObjectMarkers.begin(), kObjectMarkers.end(),
                           [word](const char *marker) { return word == marker; });
    };
    // An object may be given as alternatives: "jdn./etw. entmachten".
    const auto isObject = [&isMarker](QByteArrayView word) {
        if (word == "sich")
            return true;
        const QList<QByteArrayView> markers = split(word, "/");
        return std::all_of(markers.begin(), markers.end(), isMarker);
    };
    const QByteArray text = withoutNotes(synonym).toUtf8();
    const QList<QByteArrayView> words = split(QByteArrayView(text), " ");
    QByteArray verb;
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (words.at(i).isEmpty() || isObject(words.at(i)))
            continue;
        // "mit jdm.", "über etw.": a preposition and its object.
        if (i + 1 < words.size() && isObject(words.at(i + 1)) && words.at(i + 1) != "sich")
            continue;
        if (!verb.isEmpty())
            return {};
        verb = words.at(i).toByteArray();
    }
    return verb;
}

// How a French or Spanish word is looked up: lower case, with the
// typographic apostrophe fra-deu writes ("aujourd’hui") as the straight one
// the small dictionaries write ("aujourd'hui").
QString foreignKey(const QString &foreign)
{
    return foreign.toLower().replace(QChar(0x2019), QLatin1Char('\''));
}

// A word as the dictionary's index writes it: its keys drop hyphens and
// apostrophes ("rondpoint" for "rond-point", "aujourdhui").
QString foreignIndexKey(const QString &foreign)
{
    return foreignKey(foreign).remove(QLatin1Char('-')).remove(QLatin1Char('\''));
}

} // namespace

QString englishPivotKey(const QString &english)
{
    const QStringList words =
        english.toLower().replace(QLatin1Char('-'), QLatin1Char(' ')).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const auto isOnePlaceholder = [](const QString &word) {
        return word == QLatin1String("sb.") || word == QLatin1String("sth.") || word == QLatin1String("sb")
               || word == QLatin1String("sth") || word == QLatin1String("sb's") || word == QLatin1String("sb.'s");
    };
    // An object may be given as alternatives: "to disempower sb./sth.".
    const auto isPlaceholder = [&isOnePlaceholder](const QString &word) {
        const QStringList parts = word.split(QLatin1Char('/'));
        return std::all_of(parts.begin(), parts.end(), isOnePlaceholder);
    };
    // After the verb's object, a word before another placeholder is that
    // object's preposition: "to discuss sth. with sb." is "discuss", "to
    // inform sb. of/about sth." is "inform"; one before the first object
    // belongs to the verb ("to look after sb." is "look after").
    QStringList kept;
    bool afterObject = false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (isPlaceholder(words.at(i))) {
            afterObject = true;
            continue;
        }
        if (afterObject && i + 1 < words.size() && isPlaceholder(words.at(i + 1)))
            continue;
        kept.append(words.at(i));
    }
    if (kept.size() > 1 && kept.first() == QLatin1String("to"))
        kept.removeFirst();
    return kept.join(QLatin1Char(' '));
}

void GermanPivot::addForeignGerman(const QString &foreign, const QStringList &german)
{
    // fra-deu numbers some words after their sense ("Tag 2.").
    static const QRegularExpression senseNumber(QStringLiteral("\\s+\\d+\\.$"));
    QStringList &words = m_foreignGerman[foreignKey(foreign)];
    for (const QString &item : german) {
        const QString word = QString(item).remove(senseNumber);
        if (!word.isEmpty() && !words.contains(word))
            words.append(word);
    }
}

void GermanPivot::addGermanEnglish(const QString &german, const QStringList &english)
{
    QSet<QString> &keys = m_germanEnglish[german];
    for (const QString &word : english) {
        const QString key = englishPivotKey(word);
        if (!key.isEmpty())
            keys.insert(key);
    }
}

QStringList GermanPivot::germanOf(const QString &foreign) const
{
    const QString word = foreignKey(foreign);
    auto german = m_foreignGerman.constFind(word);
    // The dictionaries have no entry for most plurals: "cheveux" is
    // "cheveu" in fra-deu, "gatos" "gato" in spa-deu.
    if (german == m_foreignGerman.constEnd() && word.size() > 3
        && (word.endsWith(QLatin1Char('s')) || word.endsWith(QLatin1Char('x'))))
        german = m_foreignGerman.constFind(word.chopped(1));
    return german == m_foreignGerman.constEnd() ? QStringList() : *german;
}

int GermanPivot::links(const QString &foreign, const QString &english) const
{
    const QStringList german = germanOf(foreign);
    if (german.isEmpty())
        return 0;
    const QString key = englishPivotKey(english);
    if (key.isEmpty())
        return 0;
    int count = 0;
    for (const QString &word : german) {
        const auto found = m_germanEnglish.constFind(word);
        if (found != m_germanEnglish.constEnd() && found->contains(key))
            ++count;
    }
    return count;
}

bool GermanPivot::shareGerman(const QString &foreignA, const QString &foreignB) const
{
    const QStringList a = germanOf(foreignA);
    const QStringList b = germanOf(foreignB);
    return std::any_of(a.begin(), a.end(), [&b](const QString &word) { return b.contains(word); });
}

void GermanPivot::indexGermanByEnglish()
{
    m_englishGerman.clear();
    for (auto it = m_germanEnglish.cbegin(); it != m_germanEnglish.cend(); ++it) {
        for (const QString &key : it.value())
            m_englishGerman[key].insert(it.key());
    }
}

bool GermanPivot::englishShareGerman(const QString &englishA, const QString &englishB) const
{
    const auto a = m_englishGerman.constFind(englishPivotKey(englishA));
    const auto b = m_englishGerman.constFind(englishPivotKey(englishB));
    return a != m_englishGerman.constEnd() && b != m_englishGerman.constEnd() && a->intersects(*b);
}

int GermanPivot::knownGerman(const QString &foreign) const
{
    const QStringList german = germanOf(foreign);
    return int(std::count_if(german.begin(), german.end(), [this](const QString &word) {
        const auto found = m_germanEnglish.constFind(word);
        return found != m_germanEnglish.constEnd() && !found->isEmpty();
    }));
}

int GermanPivot::germanOfEnglish(const QString &english) const
{
    return int(m_englishGerman.value(englishPivotKey(english)).size());
}

bool GermanPivot::knows(const QString &foreign) const
{
    const QStringList german = germanOf(foreign);
    return std::any_of(german.begin(), german.end(), [this](const QString &word) {
        const auto found = m_germanEnglish.constFind(word);
        return found != m_germanEnglish.constEnd() && !found->isEmpty();
    });
}

void GermanPivot::addTransDeEn(QByteArrayView trans)
{
    // German words as trans-de-en writes them, to test a synonym before it
    // is decoded: most lines hold none of them.
    const WantedGermanWords wanted(m_foreignGerman);
    qsizetype from = 0;
    while (from < trans.size()) {
        qsizetype end = trans.indexOf('\n', from);
        if (end < 0)
            end = trans.size();
        const QByteArrayView line = trans.sliced(from, end - from);
        from = end + 1;
        if (line.startsWith('#'))
            continue;
        const qsizetype sides = line.indexOf(" :: ");
        if (sides < 0)
            continue;
        const QByteArrayView germanSide = line.first(sides);
        const QByteArrayView englishSide = line.sliced(sides + 4);
        const qsizetype sections = partCount(germanSide, " | ");
        if (sections != partCount(englishSide, " | "))
            continue;
        qsizetype germanAt = 0;
        qsizetype englishAt = 0;
        for (qsizetype i = 0; i < sections; ++i) {
            const QByteArrayView german = nextPart(germanSide, " | ", germanAt);
            const QByteArrayView english = nextPart(englishSide, " | ", englishAt);
            const qsizetype synonyms = partCount(german, "; ");
            qsizetype synonymAt = 0;
            for (qsizetype k = 0; k < synonyms; ++k) {
                const QByteArrayView written = nextPart(german, "; ", synonymAt);
                // Only a synonym that is one word with its notes ("Hut {m}",
                // "modern /mod./", "(Haar) flechten {vt}", not "Hut {m} mit
                // Band"); its first word after a leading note is tested
                // before it is decoded.
                const QByteArrayView synonym = withoutLeadingNotes(written);
                const qsizetype blank = synonym.indexOf(' ');
                const QByteArrayView first = blank < 0 ? synonym : synonym.first(blank);
                QByteArray word;
                if (hasObject(synonym)) {
                    word = verbWithoutObjects(synonym);
                    if (!wanted.contains(word))
                        continue;
                } else if (!wanted.contains(first) || withoutNotes(synonym) != QString::fromUtf8(first)) {
                    continue;
                } else {
                    word = first.toByteArray();
                }
                QStringList items;
                for (const QByteArrayView item : split(english, "; ")) {
                    const QString clean = withoutNotes(item);
                    if (!clean.isEmpty())
                        items.append(clean);
                }
                addGermanEnglish(QString::fromUtf8(word), items);
            }
        }
    }
}

GermanPivot GermanPivot::read(const QString &directory, const QString &dictionary, const QByteArray &trans,
                              const QSet<QString> &foreign)
{
    const QDir dir(directory);
    const QString index = dir.filePath(QStringLiteral("freedict-%1.index").arg(dictionary));
    const QString dict = dir.filePath(QStringLiteral("freedict-%1.dict.dz").arg(dictionary));
    GermanPivot pivot;
    if (trans.isEmpty() || !QFileInfo(index).isFile() || !QFileInfo(dict).isFile())
        return pivot;
    // The dictionary only ranks what the small pairs give: one that cannot
    // be read leaves the rows unlinked, and the import goes on.
    QSet<QString> keys;
    QSet<QString> indexKeys;
    for (const QString &word : foreign) {
        keys.insert(foreignKey(word));
        indexKeys.insert(foreignIndexKey(word));
    }
    try {
        QVector<DictdIndexEntry> entries = readDictdIndex(index);
        entries.removeIf([&indexKeys](const DictdIndexEntry &entry) {
            return !indexKeys.contains(foreignIndexKey(QString::fromUtf8(entry.key)));
        });
        forEachDictdEntry(dict, entries, [&pivot, &keys](const DictdIndexEntry &, const QByteArray &bytes) {
            const DictdEntry entry = parseDictdEntry(QString::fromUtf8(bytes), EntryStyle::SenseList);
            if (keys.contains(foreignKey(entry.headword))) {
                pivot.addForeignGerman(entry.headword, entry.translations);
                return;
            }
            // spa-deu heads an adjective or a noun with its forms: "cierto,
            // cierta", "mozo, | moza".
            static const QRegularExpression formSeparator(QStringLiteral("\\s*[,|]\\s*"));
            for (const QString &form : entry.headword.split(formSeparator, Qt::SkipEmptyParts)) {
                if (keys.contains(foreignKey(form)))
                    pivot.addForeignGerman(form, entry.translations);
            }
        });
    } catch (const RecordError &error) {
        GermanPivot unread;
        unread.m_problem = error.message();
        return unread;
    }
    pivot.addTransDeEn(trans);
    return pivot;
}

} // namespace vorbix::import
