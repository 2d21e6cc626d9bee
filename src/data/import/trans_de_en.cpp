#include "data/import/trans_de_en.h"

#include "data/import/dictd_entry.h"
#include "data/import/input_file.h"
#include "data/import/markup_cleaning.h"
#include "data/record_error.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace vorbix::import {

namespace {

// Fields a learner meets only in special texts, and figurative use. An entry
// tagged with one of them is a special sense unless it also carries the
// field of a general word ("sterben [biol.] [med.]" is the everyday word,
// and so is "Joch [agr.] [übtr.]").
const QSet<QString> &specialFields()
{
    static const QSet<QString> tags{
        QStringLiteral("techn."), QStringLiteral("med."), QStringLiteral("chem."), QStringLiteral("comp."),
        QStringLiteral("fin."), QStringLiteral("econ."), QStringLiteral("adm."), QStringLiteral("jur."),
        QStringLiteral("electr."), QStringLiteral("mil."), QStringLiteral("constr."), QStringLiteral("min."),
        QStringLiteral("auto"), QStringLiteral("phys."), QStringLiteral("geol."),
        QStringLiteral("math."), QStringLiteral("envir."), QStringLiteral("mach."), QStringLiteral("aviat."),
        QStringLiteral("telco."), QStringLiteral("psych."), QStringLiteral("biochem."), QStringLiteral("pharm."),
        QStringLiteral("transp."), QStringLiteral("phil."), QStringLiteral("print"), QStringLiteral("print."),
        QStringLiteral("arch."), QStringLiteral("statist."), QStringLiteral("photo."), QStringLiteral("photo"),
        QStringLiteral("stud."), QStringLiteral("myc."), QStringLiteral("sci."), QStringLiteral("astrol."),
        QStringLiteral("hist."), QStringLiteral("übtr."), QStringLiteral("fig.")};
    return tags;
}

// The fields general words are tagged with: animals, plants, the body, the
// weather, food, clothing, farming, places, language, music, belief.
const QSet<QString> &generalFields()
{
    static const QSet<QString> tags{
        QStringLiteral("zool."), QStringLiteral("ornith."), QStringLiteral("bot."), QStringLiteral("anat."),
        QStringLiteral("biol."), QStringLiteral("naut."), QStringLiteral("ling."), QStringLiteral("meteo."),
        QStringLiteral("geogr."), QStringLiteral("astron."), QStringLiteral("cook."), QStringLiteral("textil."),
        QStringLiteral("relig."), QStringLiteral("soc."), QStringLiteral("pol."), QStringLiteral("mus."),
        QStringLiteral("art"), QStringLiteral("sport"), QStringLiteral("school"), QStringLiteral("agr.")};
    return tags;
}

// Registers other than plain speech, regions other than the standard
// languages ("Dt.", "Br.", "Am." are not among them), proverbs and trade
// marks: special whatever else the entry is tagged with.
const QSet<QString> &specialRegisters()
{
    static const QSet<QString> tags{
        QStringLiteral("ugs."), QStringLiteral("coll."), QStringLiteral("geh."), QStringLiteral("formal"),
        QStringLiteral("pej."), QStringLiteral("slang"),
        QStringLiteral("poet."), QStringLiteral("lit."), QStringLiteral("literary"), QStringLiteral("rare"),
        QStringLiteral("selten"), QStringLiteral("humor."), QStringLiteral("dated"), QStringLiteral("becoming dated"),
        QStringLiteral("veraltet"), QStringLiteral("veraltend"), QStringLiteral("obs."), QStringLiteral("alt"),
        QStringLiteral("archaic"), QStringLiteral("altertümlich"), QStringLiteral("altertümelnd"),
        QStringLiteral("vulg."), QStringLiteral("euphem."), QStringLiteral("iron."), QStringLiteral("Kindersprache"),
        QStringLiteral("children’s speech"), QStringLiteral("Jugendsprache"), QStringLiteral("Jägersprache"),
        QStringLiteral("hunters’ parlance"), QStringLiteral("former name"), QStringLiteral("frühere Bezeichnung"),
        QStringLiteral("Sprw."), QStringLiteral("prov."), QStringLiteral("tm"),
        QStringLiteral("regional"), QStringLiteral("Ös."), QStringLiteral("Schw."), QStringLiteral("Bayr."),
        QStringLiteral("Norddt."), QStringLiteral("Süddt."), QStringLiteral("Mitteldt."), QStringLiteral("BW"),
        QStringLiteral("Westdt."), QStringLiteral("Ostdt."), QStringLiteral("Mittelwestdt."),
        QStringLiteral("Nordostdt."), QStringLiteral("Nordwestdt."), QStringLiteral("Südwestdt."),
        QStringLiteral("Mittelostdt."), QStringLiteral("Ostmitteldt."), QStringLiteral("Südtirol"),
        QStringLiteral("Tirol"), QStringLiteral("Sachsen"), QStringLiteral("Berlin"), QStringLiteral("Lux."),
        QStringLiteral("Lie."), QStringLiteral("Ostös."), QStringLiteral("Westös."), QStringLiteral("Franken"),
        QStringLiteral("Wien"), QStringLiteral("Baden"), QStringLiteral("Pfalz"), QStringLiteral("Sc."),
        QStringLiteral("Ir."), QStringLiteral("Northern English"), QStringLiteral("South Africa"),
        QStringLiteral("India")};
    return tags;
}

bool isSpellingVariantTag(QStringView tag)
{
    return tag == u"Br." || tag == u"Am.";
}

// Valency markers, alone or joined by slashes ("sb./sth.").
bool isValencyMarker(QStringView token)
{
    static const QSet<QString> markers{
        QStringLiteral("etw."), QStringLiteral("jdn."), QStringLiteral("jdm."), QStringLiteral("jds."),
        QStringLiteral("jd."),  QStringLiteral("jmd."), QStringLiteral("jmdn."), QStringLiteral("jmdm."),
        QStringLiteral("sb."),  QStringLiteral("sth."), QStringLiteral("sbd."), QStringLiteral("smb."),
        QStringLiteral("smth."), QStringLiteral("sb.'s"), QStringLiteral("sb.’s"), QStringLiteral("sth.'s"),
        QStringLiteral("sth.’s")};
    for (const QStringView part : token.split(u'/')) {
        if (!markers.contains(part.toString()))
            return false;
    }
    return true;
}

// Splits at `separator` where it is not inside (), [] or {}: "to take sth.
// {took; taken}; to grab" has two synonyms.
QVector<QStringView> splitTopLevel(QStringView text, QStringView separator)
{
    QVector<QStringView> parts;
    int depth = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'(' || c == u'[' || c == u'{') {
            ++depth;
        } else if (c == u')' || c == u']' || c == u'}') {
            depth = std::max(0, depth - 1);
        } else if (depth == 0 && text.mid(i).startsWith(separator)) {
            parts.append(text.mid(start, i - start));
            i += separator.size() - 1;
            start = i + 1;
        }
    }
    parts.append(text.mid(start));
    return parts;
}

QStringView firstSection(QStringView side)
{
    const qsizetype bar = side.indexOf(u" | ");
    return bar < 0 ? side : side.left(bar);
}

// Whether the markup cleaning of withoutMarkup could change the text.
bool mayHoldMarkup(QStringView text)
{
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '/': case '.': case '<': case '>': case '(': case ')': case '[': case ']': case ',': case ';':
        case 0x2026:
            return true;
        default:
            break;
        }
    }
    return text.startsWith(u'-') || text.endsWith(u'-');
}

// How many lines mention each word, counting a line once per word and
// leaving out what stands in (), [] and {}: the notes of thousands of lines
// name "(zoologische Familie)", which makes no "Familie" more common than
// "Haus". Keys are lowercased like wordsOf's.
class LineCounter
{
public:
    void countLine(QStringView text, int line)
    {
        m_lower = text.toString().toLower();
        qsizetype start = -1;
        int depth = 0;
        for (qsizetype i = 0; i <= m_lower.size(); ++i) {
            if (i < m_lower.size()) {
                const QChar c = m_lower.at(i);
                if (c == u'(' || c == u'[' || c == u'{')
                    ++depth;
                else if ((c == u')' || c == u']' || c == u'}') && depth > 0)
                    --depth;
            }
            const bool letter = i < m_lower.size() && depth == 0 && m_lower.at(i).isLetter();
            if (letter && start < 0) {
                start = i;
            } else if (!letter && start >= 0) {
                // A key on the line's own characters, copied only when new.
                const QString word = QString::fromRawData(m_lower.constData() + start, i - start);
                auto found = m_counts.find(word);
                if (found == m_counts.end()) {
                    m_counts.insert(QString(word.constData(), word.size()), {1, line});
                } else if (found->lastLine != line) {
                    ++found->lines;
                    found->lastLine = line;
                }
                start = -1;
            }
        }
    }

    WordFrequencies frequencies() const
    {
        WordFrequencies result;
        result.reserve(m_counts.size());
        for (auto it = m_counts.cbegin(); it != m_counts.cend(); ++it)
            result.insert(it.key(), it->lines);
        return result;
    }

private:
    struct Count
    {
        int lines = 0;
        int lastLine = -1;
    };
    QHash<QString, Count> m_counts;
    QString m_lower;
};

// A German main entry met for an English core word.
struct Candidate
{
    QString german;
    QString english;      // the core word's spelling
    bool first;           // the English word is the line's first synonym
    Sense germanSense;    // what the German synonym's tags say
    bool englishSpecial;  // the English synonym has a special tag
    int order;            // file order
};

bool isSpecial(const Candidate &candidate)
{
    return candidate.englishSpecial || candidate.germanSense != Sense::General;
}

// Orders candidates first synonyms first, then general before special, then
// by `commonness`, most common first, then file order.
template<typename Commonness>
void rank(QVector<const Candidate *> &list, Commonness commonness)
{
    std::sort(list.begin(), list.end(), [&commonness](const Candidate *a, const Candidate *b) {
        if (a->first != b->first)
            return a->first;
        if (isSpecial(*a) != isSpecial(*b))
            return !isSpecial(*a);
        const int ca = commonness(*a);
        const int cb = commonness(*b);
        if (ca != cb)
            return ca > cb;
        return a->order < b->order;
    });
}

} // namespace

Sense senseOfTags(const QStringList &tags)
{
    bool specialField = false;
    bool generalField = false;
    for (const QString &tag : tags) {
        if (specialRegisters().contains(tag))
            return Sense::SpecialRegister;
        specialField = specialField || specialFields().contains(tag);
        generalField = generalField || generalFields().contains(tag);
    }
    return specialField && !generalField ? Sense::SpecialField : Sense::General;
}

namespace {

TransSynonym describeSynonym(QStringView raw, bool english)
{
    QStringList tags;
    TransSynonym synonym{cleanTransSynonym(raw, english, &tags)};
    synonym.sense = senseOfTags(tags);
    synonym.plural = raw.contains(u"{pl}");
    synonym.spellingVariant = std::any_of(tags.cbegin(), tags.cend(), [](const QString &tag) {
        return isSpellingVariantTag(tag);
    });
    return synonym;
}

// The synonyms of the first section of one side of a line.
QVector<TransSynonym> synonymsOf(QStringView side, bool english)
{
    QVector<TransSynonym> synonyms;
    for (const QStringView raw : splitTopLevel(firstSection(side), u"; ")) {
        TransSynonym synonym = describeSynonym(raw, english);
        if (!synonym.text.isEmpty())
            synonyms.append(std::move(synonym));
    }
    // "Klasse {f}; Klassen {pl}": the plural of a word beside it is no
    // synonym of its own; entries of plurals only ("Einnahmen {pl}")
    // keep them.
    if (std::any_of(synonyms.cbegin(), synonyms.cend(), [](const TransSynonym &s) { return !s.plural; })) {
        synonyms.removeIf([](const TransSynonym &s) { return s.plural; });
    }
    return synonyms;
}

} // namespace

QString cleanTransSynonym(QStringView raw, bool english, QStringList *tags)
{
    // Brackets first: tags are kept aside, {…} and (…) dropped with what
    // they hold.
    QString text;
    text.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        if (c == u'[') {
            const qsizetype end = raw.indexOf(u']', i);
            if (end < 0)
                break;
            if (tags)
                tags->append(raw.mid(i + 1, end - i - 1).trimmed().toString());
            // "colour [Br.]/color [Am.]": the tag's blank goes with it.
            while (text.endsWith(u' '))
                text.chop(1);
            i = end;
        } else if (c == u'{' || c == u'(') {
            const QChar close = c == u'{' ? u'}' : u')';
            int depth = 0;
            qsizetype j = i;
            for (; j < raw.size(); ++j) {
                if (raw.at(j) == c)
                    ++depth;
                else if (raw.at(j) == close && --depth == 0)
                    break;
            }
            i = j;  // an unclosed bracket drops the rest
            text.append(u' ');
        } else if (c != u')' && c != u']' && c != u'}') {
            text.append(c);
        }
    }
    // Then word by word: markers, "<>", abbreviations and alternatives.
    QStringList kept;
    const QList<QStringView> tokens = QStringView(text).split(u' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const QStringView token = tokens.at(i);
        if (token.size() > 1 && token.startsWith(u'/')) {
            // "/Mo/", "/z. B./": an abbreviation up to the closing slash.
            while (i < tokens.size() && !tokens.at(i).endsWith(u'/'))
                ++i;
            continue;
        }
        if (token == u"/") {
            ++i;  // "bringen / karren": the alternative after the slash
            continue;
        }
        if (isValencyMarker(token)) {
            // "etw. nehmen", "sich etw. merken" and "jdm. etw. geben" lose
            // their markers whole; "über etw. verfügen" would lose its sense.
            const bool inside = !kept.isEmpty() && kept.last() != QLatin1String("sich") && i + 1 < tokens.size();
            if (inside && !english)
                return {};
            continue;
        }
        if (token == u"<>")
            continue;
        kept.append(token.toString());
    }
    if (english && kept.size() > 1 && kept.first() == QLatin1String("to"))
        kept.removeFirst();
    QString cleaned = kept.join(u' ');
    if (mayHoldMarkup(cleaned))
        cleaned = withoutMarkup(cleaned);
    // "Hauptstadt: Winnipeg" is a label and "dafürhalten, dass" a phrase;
    // rows join their translations with ", ", where either would read as two.
    if (cleaned.contains(u',') || cleaned.contains(u':'))
        return {};
    return cleaned;
}

TransEntry parseTransEntry(QStringView line)
{
    TransEntry entry;
    if (line.startsWith(u'#'))
        return entry;
    const qsizetype separator = line.indexOf(u" :: ");
    if (separator < 0)
        return entry;
    entry.german = synonymsOf(line.left(separator), false);
    entry.english = synonymsOf(line.mid(separator + 4), true);
    return entry;
}

GermanSources germanSourcesFromTrans(const QByteArray &text, const QStringList &coreEnglish)
{
    const QSet<QString> core(coreEnglish.cbegin(), coreEnglish.cend());
    QHash<QString, QStringList> coreByLower;
    for (const QString &word : coreEnglish)
        coreByLower[word.toLower()].append(word);

    QVector<Candidate> candidates;
    LineCounter germanLines;
    LineCounter englishLines;
    int order = 0;
    int lineNumber = 0;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        const QString line = normaliseCharacters(QString::fromUtf8(text.constData() + start, end - start));
        start = end + 1;
        ++lineNumber;
        if (line.startsWith(u'#'))
            continue;
        const qsizetype separator = line.indexOf(u" :: ");
        if (separator < 0)
            continue;
        const QStringView germanSide = QStringView(line).left(separator);
        const QStringView englishSide = QStringView(line).mid(separator + 4);
        germanLines.countLine(germanSide, lineNumber);
        englishLines.countLine(englishSide, lineNumber);

        // The core words among the English synonyms of the entry. Only lines
        // that have one are cleaned on their German side.
        struct Match
        {
            QString english;
            bool first;
            bool special;
        };
        QVector<Match> matches;
        bool onlyVariantsBefore = true;
        const QVector<QStringView> english = splitTopLevel(firstSection(englishSide), u"; ");
        for (qsizetype k = 0; k < english.size(); ++k) {
            const TransSynonym synonym = describeSynonym(english.at(k), true);
            // "colour [Br.]; color [Am.]": both spellings are the first.
            const bool first = k == 0 || (synonym.spellingVariant && onlyVariantsBefore);
            onlyVariantsBefore = onlyVariantsBefore && synonym.spellingVariant;
            if (synonym.text.isEmpty())
                continue;
            if (core.contains(synonym.text)) {
                matches.append({synonym.text, first, synonym.sense != Sense::General});
            } else {
                // "Earth" at the head of "Erde :: Earth" is "earth". A
                // capitalised word further on names something else ("Crane"
                // the constellation, "Trot" the Trotskyist), and "pan" is no
                // "Pan": a capitalised core word matches only itself.
                for (const QString &spelling : coreByLower.value(synonym.text.toLower())) {
                    if (first && spelling == spelling.toLower())
                        matches.append({spelling, first, synonym.sense != Sense::General});
                }
            }
        }
        if (matches.isEmpty())
            continue;
        for (const TransSynonym &german : synonymsOf(germanSide, false)) {
            for (const Match &match : std::as_const(matches))
                candidates.append({german.text, match.english, match.first, german.sense, match.special, order++});
        }
    }

    GermanSources sources;
    sources.ranked = true;
    sources.germanFrequencies = germanLines.frequencies();
    sources.englishFrequencies = englishLines.frequencies();
    QHash<QString, int> germanCommonness;
    QHash<QString, int> englishCommonness;
    QHash<QString, QVector<const Candidate *>> byEnglish;
    QHash<QString, QVector<const Candidate *>> byGerman;
    for (const Candidate &candidate : std::as_const(candidates)) {
        if (!germanCommonness.contains(candidate.german))
            germanCommonness.insert(candidate.german, commonness(candidate.german, sources.germanFrequencies));
        if (!englishCommonness.contains(candidate.english))
            englishCommonness.insert(candidate.english, commonness(candidate.english, sources.englishFrequencies));
        byEnglish[candidate.english].append(&candidate);
        byGerman[candidate.german].append(&candidate);
    }
    for (auto it = byEnglish.begin(); it != byEnglish.end(); ++it) {
        rank(it.value(), [&germanCommonness](const Candidate &c) { return germanCommonness.value(c.german); });
        // One spelling of words that differ only by case, the better ranked.
        QStringList german;
        QSet<QString> lowered;
        for (const Candidate *candidate : std::as_const(it.value())) {
            const QString lower = candidate->german.toLower();
            if (!lowered.contains(lower)) {
                lowered.insert(lower);
                german.append(candidate->german);
            }
        }
        sources.englishToGerman.insert(it.key(), german);
    }
    for (auto it = byGerman.begin(); it != byGerman.end(); ++it) {
        rank(it.value(), [&englishCommonness](const Candidate &c) { return englishCommonness.value(c.english); });
        QStringList english;
        for (const Candidate *candidate : std::as_const(it.value())) {
            if (!english.contains(candidate->english))
                english.append(candidate->english);
        }
        sources.germanToEnglish.insert(it.key(), english);
    }
    return sources;
}

namespace {

// FNV-1a over a word's bytes, and the key of two words side by side.
constexpr std::uint64_t kFnvBasis = 14695981039346656037ULL;
constexpr std::uint64_t kFnvPrime = 1099511628211ULL;

std::uint64_t pairKey(std::uint64_t first, std::uint64_t second)
{
    return (first * kFnvPrime) ^ (second + 0x9e3779b97f4a7c15ULL + (first << 6) + (first >> 2));
}

} // namespace

QSet<QString> englishPhrasesInTrans(const QByteArray &text, const QSet<QString> &phrases)
{
    QSet<QString> found;
    if (phrases.isEmpty())
        return found;
    // The phrases as UTF-8, looked up by views of each line's words. A bit
    // table of their first two words' keys lets the scan pass over the
    // file's millions of words with a bit test each.
    std::vector<std::string> storage;
    storage.reserve(phrases.size());
    for (const QString &phrase : phrases)
        storage.push_back(phrase.toUtf8().toStdString());
    std::unordered_map<std::string_view, QString> wanted;
    constexpr std::uint64_t kBits = 1u << 20;
    std::vector<bool> starts2(kBits, false);
    qsizetype mostWords = 0;
    auto it = phrases.cbegin();
    for (const std::string &phrase : storage) {
        wanted.emplace(phrase, *it++);
        std::vector<std::uint64_t> hashes{kFnvBasis};
        for (const char c : phrase) {
            if (c == ' ')
                hashes.push_back(kFnvBasis);
            else
                hashes.back() = (hashes.back() ^ static_cast<unsigned char>(c)) * kFnvPrime;
        }
        if (hashes.size() > 1)
            starts2[pairKey(hashes[0], hashes[1]) % kBits] = true;
        mostWords = std::max<qsizetype>(mostWords, qsizetype(hashes.size()));
    }
    std::string words;
    std::vector<size_t> starts;
    std::vector<std::uint64_t> hashes;
    const char *data = text.constData();
    const qsizetype size = text.size();
    qsizetype lineStart = 0;
    while (lineStart < size) {
        const char *newline = static_cast<const char *>(std::memchr(data + lineStart, '\n', size - lineStart));
        const qsizetype lineEnd = newline ? newline - data : size;
        const std::string_view line(data + lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        const size_t separator = line.find("::");
        if (line.empty() || line.front() == '#' || separator == std::string_view::npos)
            continue;
        // The English side as its lowercased words, one blank apart.
        words.clear();
        starts.clear();
        hashes.clear();
        bool inWord = false;
        for (const char c : line.substr(separator + 2)) {
            const auto byte = static_cast<unsigned char>(c);
            const bool upper = byte >= 'A' && byte <= 'Z';
            if (upper || (byte >= 'a' && byte <= 'z') || byte >= 0x80) {
                if (!inWord) {
                    if (!words.empty())
                        words.push_back(' ');
                    starts.push_back(words.size());
                    hashes.push_back(kFnvBasis);
                    inWord = true;
                }
                const auto lower = static_cast<unsigned char>(upper ? byte + ('a' - 'A') : byte);
                words.push_back(static_cast<char>(lower));
                hashes.back() = (hashes.back() ^ lower) * kFnvPrime;
            } else {
                inWord = false;
            }
        }
        const std::string_view view(words);
        auto endOf = [&](size_t word) { return word < starts.size() ? starts[word] - 1 : words.size(); };
        for (size_t first = 0; first + 1 < starts.size(); ++first) {
            if (!starts2[pairKey(hashes[first], hashes[first + 1]) % kBits])
                continue;
            for (size_t last = first + 1; last < starts.size() && qsizetype(last - first) < mostWords; ++last) {
                const auto match = wanted.find(view.substr(starts[first], endOf(last + 1) - starts[first]));
                if (match != wanted.end())
                    found.insert(match->second);
            }
        }
    }
    return found;
}

GermanSources readTransDeEn(const QString &path, const QStringList &coreEnglish)
{
    return germanSourcesFromTrans(readInputFile(path), coreEnglish);
}

} // namespace vorbix::import
