#include "data/import/trans_de_en.h"

#include "data/import/dictd_entry.h"
#include "data/import/edit_distance.h"
#include "data/import/english_word_uses.h"
#include "data/import/input_file.h"
#include "data/import/markup_cleaning.h"
#include "data/import/spanish_repairs.h"
#include "data/import/word_frequency.h"
#include "data/record_error.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <future>
#include <limits>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace vorbix::import {

namespace {

// Moves the item `item` points at to the front of `list`, the others keeping
// their order; nothing moves where no item was found (`item` is the end).
template <typename List, typename Iterator>
void moveToFront(List &list, Iterator item)
{
    if (item != list.end())
        std::rotate(list.begin(), item, item + 1);
}

bool isGermanPreposition(const QString &word);
QVector<QStringView> wordsOutsideBrackets(QStringView section);

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

// Regions other than the standard languages ("Dt.", "Br.", "Am." are not
// among them).
const QSet<QString> &regionalTags()
{
    static const QSet<QString> tags{
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

// Tags of words out of use.
const QSet<QString> &obsoleteTags()
{
    static const QSet<QString> tags{QStringLiteral("obs."), QStringLiteral("veraltet"), QStringLiteral("alt"),
                                    QStringLiteral("archaic"), QStringLiteral("altertümlich")};
    return tags;
}

// Tags of colloquial, slang and vulgar words.
const QSet<QString> &colloquialTags()
{
    static const QSet<QString> tags{QStringLiteral("ugs."), QStringLiteral("coll."), QStringLiteral("slang"),
                                    QStringLiteral("vulg.")};
    return tags;
}

// Tags of words going out of use.
const QSet<QString> &datedTags()
{
    static const QSet<QString> tags{QStringLiteral("dated"), QStringLiteral("becoming dated"),
                                    QStringLiteral("veraltend")};
    return tags;
}

// Registers other than plain speech, regions (regionalTags), proverbs and
// trade marks: special whatever else the entry is tagged with.
const QSet<QString> &specialRegisters()
{
    static const QSet<QString> tags = QSet<QString>{
        QStringLiteral("geh."), QStringLiteral("formal"), QStringLiteral("pej."),
        QStringLiteral("poet."), QStringLiteral("lit."), QStringLiteral("literary"), QStringLiteral("rare"),
        QStringLiteral("selten"), QStringLiteral("humor."), QStringLiteral("altertümelnd"),
        QStringLiteral("euphem."), QStringLiteral("iron."), QStringLiteral("Kindersprache"),
        QStringLiteral("children’s speech"), QStringLiteral("Jugendsprache"), QStringLiteral("Jägersprache"),
        QStringLiteral("hunters’ parlance"), QStringLiteral("former name"), QStringLiteral("frühere Bezeichnung"),
        QStringLiteral("Sprw."), QStringLiteral("prov."), QStringLiteral("tm")}
        .unite(colloquialTags())
        .unite(datedTags())
        .unite(obsoleteTags())
        .unite(regionalTags());
    return tags;
}

// Registers that judge a word rather than place it: scornful, humorous,
// ironic, euphemistic, elevated, literary or rare use ("gewohnheitsmäßig;
// schematisch {adj}; Standard…; Routine… [pej.] :: routine"). Colloquial,
// dated, obsolete and regional words are weighed by rules of their own.
const QSet<QString> &judgingRegisters()
{
    static const QSet<QString> tags = QSet<QString>(specialRegisters())
                                          .subtract(colloquialTags())
                                          .subtract(datedTags())
                                          .subtract(obsoleteTags())
                                          .subtract(regionalTags());
    return tags;
}

// Tags of words out of use, and of words used only in some regions: such a
// word is left out where a general word translates the same English word.
bool isFringeTag(const QString &tag)
{
    return obsoleteTags().contains(tag) || regionalTags().contains(tag);
}

// A word folded for comparing German and English spellings of one
// borrowed stem: lower case, without umlauts, "k" and "z" as "c", "ph" as
// "f", "th" as "t" and "y" as "i" ("byzantin", "Byzantine" -> "bicantin").
QString foldedStem(QStringView word)
{
    QString folded = word.toString().toLower();
    folded.replace(u'ä', u'a').replace(u'ö', u'o').replace(u'ü', u'u');
    folded.replace(u'k', u'c').replace(u'z', u'c').replace(u'y', u'i');
    folded.replace(QLatin1String("ph"), QLatin1String("f")).replace(QLatin1String("th"), QLatin1String("t"));
    return folded;
}

// Whether `german` is the German adjective in "-isch" formed from the
// stem of the English adjective `english`: "byzantinisch" for "Byzantine",
// "alkoholisch" for "alcoholic", "identisch" for "identical", "moralisch"
// for "moral".
bool isIschLookAlike(QStringView english, QStringView german)
{
    if (!german.endsWith(u"isch") || german.contains(u' ') || german.isEmpty() || german.front().isUpper()
        || english.contains(u' '))
        return false;
    const QString stem = foldedStem(german.chopped(4));
    const QString word = foldedStem(english);
    for (const QStringView suffix : {u"ical", u"ic", u"ian", u"an", u"ine", u"e", u""}) {
        if (!word.endsWith(suffix))
            continue;
        const QString base = word.chopped(suffix.size());
        if (base.size() < 3)
            continue;
        for (const QStringView ending : {u"", u"in", u"an", u"i"}) {
            if (stem == base + ending.toString())
                return true;
        }
    }
    return false;
}

bool isSpellingVariantTag(QStringView tag)
{
    return tag == u"Br." || tag == u"Am.";
}

// Whether an English synonym carries a word-class tag of its own ("circular
// {adj}", "well {adv}"). The dictionary tags word classes on the German side;
// the English side tags them almost only on the bare one-to-one pairs added
// in bulk after its main list ("periodisch {adj} :: circular {adj}"), lines
// that give no forms, examples or further synonyms of the word.
bool tagsOwnWordClass(QStringView rawEnglish)
{
    static const QRegularExpression tag(QStringLiteral("\\{(?:adj|adv|prp|conj|num|pron)\\}"));
    return rawEnglish.contains(u'{') && tag.match(rawEnglish).hasMatch();
}

// Valency markers, alone or joined by slashes ("sb./sth.").
bool isValencyMarker(QStringView token)
{
    static const QSet<QString> markers{
        QStringLiteral("etw."), QStringLiteral("jdn."), QStringLiteral("jdm."), QStringLiteral("jds."),
        QStringLiteral("jd."),  QStringLiteral("jmd."), QStringLiteral("jmdn."), QStringLiteral("jmdm."),
        QStringLiteral("sb."),  QStringLiteral("sth."), QStringLiteral("sbd."), QStringLiteral("smb."),
        QStringLiteral("smth."), QStringLiteral("sb.'s"), QStringLiteral("sb.’s"), QStringLiteral("sth.'s"),
        QStringLiteral("sth.’s"), QStringLiteral("jd.'s"), QStringLiteral("jd.’s")};
    // Every marker has a full stop; most tokens have none and are settled
    // without a look-up. Behind a slash the source sometimes drops the last
    // marker's stop ("to challenge sth./sb"); such a part counts where the
    // first part is a marker with its stop.
    // "to give therapy to st.": a shortened "sth.". "St." with a capital is
    // the saint's title and no marker.
    if (token == u"st.")
        return true;
    if (!token.contains(u'.'))
        return false;
    const QList<QStringView> parts = token.split(u'/');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QStringView part = parts.at(i);
        if (markers.contains(QString::fromRawData(part.data(), part.size())))
            continue;
        if (i > 0 && (part == u"sb" || part == u"sth"))
            continue;
        return false;
    }
    return true;
}

// Where the abbreviation that opens at `from` ("bank account /acct; a/c/")
// closes: at a slash that ends a word. -1 where `from` opens none (the slash
// of "bringen / karren" stands alone, that of "of/about" is between words,
// that of "Prozent {n} / % /; Hundertstel" closes) or where none closes it.
qsizetype abbreviationEnd(QStringView text, qsizetype from)
{
    if (from == 0 || text.at(from - 1) != u' ' || from + 1 == text.size()
        || QStringView(u" /;,|").contains(text.at(from + 1)))
        return -1;
    // An abbreviation is short ("/Jun.; jun.; Jnr; Jr/"); bounding the
    // search keeps a line of many unclosed slashes linear.
    constexpr qsizetype kLongest = 32;
    for (qsizetype i = from + 1; i < std::min(text.size(), from + kLongest); ++i) {
        if (text.at(i) == u'|')
            return -1;
        if (text.at(i) == u'/' && text.at(i - 1) != u' '
            && (i + 1 == text.size() || QStringView(u" ;,|)").contains(text.at(i + 1))))
            return i;
    }
    return -1;
}

// Splits at `separator` where it is not inside (), [] or {} or an
// abbreviation: "to take sth. {took; taken}; to grab" has two synonyms,
// "bank account /acct; a/c/" one.
QVector<QStringView> splitTopLevel(QStringView text, QStringView separator)
{
    QVector<QStringView> parts;
    int depth = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'/' && depth == 0) {
            if (const qsizetype end = abbreviationEnd(text, i); end > 0)
                i = end;
        } else if (c == u'(' || c == u'[' || c == u'{') {
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

// Where a slash joins one word's British and American spellings, each
// tagged ("titbit [Br.] / tidbit [Am.] (small piece)"): the place of its
// " / ", or -1. Read as one synonym the slash would leave the second word
// out, and the American word would have no row from the line.
qsizetype regionalSpellingsSlash(QStringView raw)
{
    static const QRegularExpression pattern(
        QStringLiteral("^[\\p{L}'-]+ \\[(?:Br|Am)\\.\\]( / )[\\p{L}'-]+ \\[(?:Br|Am)\\.\\](?: \\(|$)"));
    if (!raw.contains(u" / "))
        return -1;
    const QRegularExpressionMatch match = pattern.match(raw);
    return match.hasMatch() ? match.capturedStart(1) : -1;
}

// The synonyms of the first section of an English side. A few lines join
// two verbs by a comma where they mean a semicolon ("to forgive sb.
// {forgave; forgiven}, to pardon sb. for sth. [formal]"); read whole, the
// comma would leave both out.
QVector<QStringView> englishSynonymsOf(QStringView section)
{
    QVector<QStringView> synonyms;
    for (const QStringView raw : splitTopLevel(section, u"; ")) {
        if (raw.startsWith(u"to "))
            synonyms.append(splitTopLevel(raw, u", to "));
        else if (const qsizetype slash = regionalSpellingsSlash(raw); slash > 0)
            synonyms.append({raw.left(slash), raw.mid(slash + 3)});
        else
            synonyms.append(raw);
    }
    return synonyms;
}

QStringView firstSection(QStringView side)
{
    const qsizetype bar = side.indexOf(u" | ");
    return bar < 0 ? side : side.left(bar);
}

// Whether an item is tagged abusive: pejorative or vulgar ("sheeny [pej.]",
// "fuck-up [vulg.]"). A word only "often [pej.]" is a plain word with a
// shade ("ilk (often [pej.])").
bool taggedAbusive(QStringView raw)
{
    for (const QStringView tag : {QStringView(u"[pej.]"), QStringView(u"[vulg.]")}) {
        const qsizetype at = raw.indexOf(tag);
        if (at >= 0 && !raw.left(at).endsWith(u"often ") && !raw.left(at).endsWith(u"sometimes "))
            return true;
    }
    return false;
}

// The English synonyms of a line's first section that may translate its
// German words. A German side with no tag of a low register names a thing
// in neutral words, and a learner must not be taught an abusive word for
// it: the English items tagged pejorative or vulgar are left out ("vaterlandslos
// {adj} :: without a native land; stateless; unpatriotic [pej.]" keeps the
// first two). A line of one neutral word that gives only single words, the
// last of them tagged and none before it, lists that word's abusive names:
// the dictionary tags the group once, after its last word, and all of them
// are left out ("Jude {m} :: kike; hymie; sheeny [pej.]").
QVector<QStringView> englishSynonymsForGerman(QStringView englishSide, QStringView germanSide)
{
    QVector<QStringView> english = englishSynonymsOf(firstSection(englishSide));
    const QStringView german = firstSection(germanSide);
    // "pej.]" also finds "[oft pej.]".
    static const QStringList lowRegisters{QStringLiteral("pej.]"), QStringLiteral("[vulg.]"),
                                          QStringLiteral("[ugs.]"), QStringLiteral("[slang]"),
                                          QStringLiteral("[derb]")};
    if (std::any_of(lowRegisters.cbegin(), lowRegisters.cend(),
                    [german](const QString &tag) { return german.contains(tag); })
        || std::none_of(english.cbegin(), english.cend(), [](QStringView raw) { return taggedAbusive(raw); }))
        return english;
    const bool oneWord = !german.contains(u"; ") && !german.contains(u'[');
    const bool namesOnly = std::all_of(english.cbegin(), english.cend(), [](QStringView raw) {
        const QStringView word = raw.left(raw.indexOf(u" [")).trimmed();
        return !word.isEmpty() && !word.contains(u' ') && !word.contains(u'(');
    });
    const bool groupTagged = oneWord && namesOnly && taggedAbusive(english.last())
                             && std::none_of(english.cbegin(), english.cend() - 1,
                                             [](QStringView raw) { return raw.contains(u'['); });
    if (groupTagged)
        return {};
    english.removeIf([](QStringView raw) { return taggedAbusive(raw); });
    return english;
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
    void countLine(QStringView text)
    {
        lowerInto(text, m_lower);
        m_words.clear();
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
                addWord(QStringView(m_lower).mid(start, i - start));
                start = -1;
            }
        }
        for (const QStringView word : std::as_const(m_words)) {
            // A key on the line's own characters, copied only when new.
            const QString key = QString::fromRawData(word.data(), word.size());
            const auto found = m_counts.find(key);
            if (found == m_counts.end())
                m_counts.insert(word.toString(), 1);
            else
                ++*found;
        }
    }

    WordFrequencies take() { return std::move(m_counts); }

private:
    // `text` in lower case in `lower`, whose buffer is kept from line to
    // line: a line's copy then takes no allocation once the buffer is as
    // long as the longest line. Most English sides are ASCII, lowered here
    // code by code; a side with any other character is lowered by
    // QString::toLower, whose full case mapping may change its length.
    static void lowerInto(QStringView text, QString &lower)
    {
        lower.resize(text.size());
        char16_t *out = reinterpret_cast<char16_t *>(lower.data());
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text.at(i).unicode();
            if (c >= 0x80) {
                lower.resize(0);
                lower.append(text);
                lower = std::move(lower).toLower();
                return;
            }
            out[i] = c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
        }
    }

    // A word counts once per line however often the line repeats it
    // ("Haus {n} | Häuser {pl}; im Haus"): each distinct word of a line is
    // looked up once. Most lines have a few dozen words, which a look along
    // those already met settles faster than sorting.
    void addWord(QStringView word)
    {
        if (std::find(m_words.cbegin(), m_words.cend(), word) == m_words.cend())
            m_words.append(word);
    }

    WordFrequencies m_counts;
    QString m_lower;
    QVector<QStringView> m_words;
};

// A German main entry met for an English core word.
// Whether the first section of a line's German side tags a word as an
// adjective ("{adj}") or as an adverb ("{adv}").
struct WordClassTags
{
    bool adjective = false;
    bool adverb = false;
    // A note follows the class at the end of the section and narrows every
    // word of it (notedAfterWordClass).
    bool notedAfterClass = false;
    // The section tags its verbs as intransitive only ("brennen; aufflammen
    // {vi}"), or as transitive ("anzünden; entfachen {vt}").
    bool intransitiveOnly = false;
    bool transitive = false;
};

struct Candidate
{
    QString german;
    QString english;      // the core word's spelling
    bool first;           // the English word is the line's first synonym
    Sense germanSense;    // what the German synonym's tags say
    bool englishSpecial;  // the English synonym has a special tag
    bool germanFirst;     // the German word is the line's first synonym
    bool noun;            // the German word is tagged as a noun
    bool fringe;          // obsolete or regional, on either side
    bool noted;           // narrowed by a note, on either side
    int line;             // line number
    int order;            // file order
    // A German noun on the English word's own entry: the line's first
    // English section holds the word alone and its second German section
    // gives the plurals ("Hai {m}; Haifisch {m} | Haie {pl}; Haifische {pl}
    // :: shark | sharks"). A line that shares its sense with other English
    // words names a use of the word ("Schlitzohr {n}; Gauner {m} :: shark;
    // rip-off artist; con-man").
    bool ownEntry = false;
    // The line's second German section gives plurals ("Verwarnung {f} |
    // Verwarnungen {pl} :: warning | warnings"): the noun's forms.
    bool pluralForms = false;
    // How many sections the German side of the line has: its words, then
    // their forms, compounds and examples.
    int sections = 1;
    // The German side's second and third sections are the word's
    // comparative and superlative ("zynisch; bissig {adj} | zynischer | am
    // zynischsten | ..."): the line is the adjective's own entry.
    bool comparison = false;
    // The English word is given as a verb ("to fry"); for a German word's
    // own senses, the line's first English word.
    bool englishVerb = false;
    // The English word is tagged with a register ("to screw sb. [coll.]"),
    // and it is colloquial, slang or vulgar.
    bool englishRegister = false;
    bool englishColloquial = false;
    // The German word is tagged colloquial, slang or vulgar ("haarig [ugs.]").
    bool germanColloquial = false;
    // The English word is tagged historical or dated, the German one not.
    bool englishDated = false;
    // The German word is a later synonym that the line's first word
    // compounds, and the line's first English phrase narrows a later
    // synonym ("Reitsattel {m}; Sattel {m} :: riding saddle; saddle"); with
    // plainWord, the English word is that later synonym.
    bool compounded = false;
    bool plainWord = false;
    // The German word is compounded by the later synonyms before it, not by
    // the head (compoundedByEarlierSynonyms).
    bool namedByItsKinds = false;
    // The German word is a later synonym with its own English word on the
    // line (counterpartPlace); with counterpart, the English word is that
    // word.
    bool counterpartLine = false;
    bool counterpart = false;
    // The German word is a later synonym that the line's head compounds the
    // way the line's first English word compounds the English word, at the
    // same end ("Kieferknochen {m}; Kiefer {m} :: jawbone; jaw" for
    // "Kiefer" and "jaw"; compoundsAlikeOnBothSides).
    bool partOfHeadLikeEnglish = false;
    // The line's example sections, after its plurals, name another of its
    // German words and never this one (examplesShowOnlyOtherWord), or name
    // this one (exampleSectionsAfterPlurals holds its stem).
    bool examplesOfOtherWord = false;
    bool examplesOfWord = false;
    // The German word is a noun whose line gives, in the English word's
    // plural place, a phrase with the word before a noun ("Germane {m} |
    // Germanen {pl} :: Germanic | the Germanic people";
    // pluralPlaceNamesAdjective): the English word is an adjective used of
    // the people or things the German noun names.
    bool englishPluralByAdjective = false;
    // The German word is a plural of its own ("Rettiche {pl}").
    bool plural = false;
    // The German word is a name's local form, spelt alike on both sides of
    // a line that also gives the German name ("Athínai" for "Athens" on
    // "Athínai; Athen [geogr.] :: Athínai; Athens").
    bool localName = false;
    // The line gives the English word in its British spelling only.
    bool bySpelling = false;
    // The line gives the English word only capitalised, as a name or a
    // title ("Private [Br.]" for "private"; Match::byCase).
    bool capitalised = false;
    // The German word is a numeral: the line's first section is tagged
    // "{num}", which the dictionary puts after the last of its forms
    // ("dritte; dritter; drittes; 3. {num}"), and the word is no noun.
    bool numeral = false;
    // The German words of the line share a field or register tag that
    // narrows their sense (TransSynonym::groupTagged).
    bool groupTagged = false;
    // The English word is tagged as one country's spelling ("to ensure; to
    // insure [Am.]"), perhaps of another word.
    bool englishVariant = false;
    // The word classes the line's first German section tags ("schroff
    // {adv} | ...").
    WordClassTags wordClass{};
    // The English word carries a note that narrows it to one use ("port
    // (software)", "bruise (on fruit)").
    bool englishNoted = false;
    // The English word is given as a verb with its irregular past forms in
    // braces ("to feed {fed; fed}"), as the dictionary does on a verb's own
    // entry.
    bool englishPastForms = false;
    // Set by markEnglishMainEntry for the list of an English word.
    mutable bool englishMainEntry = false;
    // Set by weigh() for the list of a common German word: the line is the
    // word's main entry, and plainly so (see markMainEntry).
    mutable bool mainEntry = false;
    mutable bool clearMainEntry = false;
    // Set by weigh() for the list being ranked: how many lines give the pair
    // as a main entry (the ranked side in any case), and subtitleRank.
    mutable int support = 0;
    mutable int subtitle = 0;
    // Set by markOtherSenses for the list being ranked: the ranked word's
    // own entry names another sense, only bare lines give the pair, and
    // another word's own entry gives the word the list is for.
    mutable bool otherSense = false;
    // A German word of the line's first section carries a special field's
    // tag ("Extension {f}; Begriffsumfang {m} [phil.]"): the line names a use
    // in that field, whichever of its words the tag follows.
    bool lineTagged = false;
    // The line judges all the words of its first German section at once by
    // a register's tag, scornful or humorous say (judgesWholeSection).
    bool wholeLineJudged = false;
    // The line's first German section carries the tag of any field, general
    // or special ("etw. verlangen; regieren {vt} [ling.]").
    bool fieldTagged = false;
    // The German word is a verb with its object's preposition put after it
    // ("raten zu"; TransSynonym::prepositionAfterVerb).
    bool prepositionAfterVerb = false;
    // The English word is the verb of a phrase with two objects ("to
    // vaccinate sb. against sth."; verbOfObjectPhrase).
    bool objectPhrase = false;
    // The English word shares its line's first place only as another
    // region's colloquial or slang word ("can [Am.] [slang]" after "loo
    // [Br.] [coll.]").
    bool regionalSlang = false;
    // The German word's note stands before it and names what it is done to
    // ("(eine Maschine) warten {vt}"; TransSynonym::objectNoted).
    bool germanObjectNoted = false;
    // The place of the English word among its line's English synonyms (0 for
    // the first).
    int englishPlace = 0;
    // The place of the German word among its line's German synonyms (0 for
    // the first, the line's head).
    int germanPlace = 0;
    // The English word is one a line the German word heads gives after its
    // main one (addLaterSensesOfHeadedLine).
    bool laterSense = false;
    // The line's first English section gives the English word alone, its
    // spelling variants aside ("beibehalten; erhalten; unterhalten {vt} |
    // ... :: to maintain | ...").
    bool englishAlone = false;
    // The line's further English sections name the English word again, in
    // its forms, compounds or examples ("to cast {cast; cast} | casting |
    // cast"); where they do not, they are another word's ("cast; plaster |
    // thick plaster | thin plaster | ...").
    bool namedAgain = true;
    // The line's further German sections name the German word again, in its
    // forms, compounds or examples; where they do not, they are another
    // word's of the line ("Zucken {n}; Zusammenzucken {n} (vor Schmerz) |
    // ohne eine Miene zu verziehen :: wince | without a wince").
    bool germanNamedAgain = true;
    // The German word is tagged as a neuter noun ("Bellen {n}").
    bool neuter = false;
    // The line's first German section holds a note that narrows a sense,
    // after any of its words (holdsNarrowingNote).
    bool sectionNoted = false;
    // The line's first German section holds the German word alone, with no
    // synonym beside it ("jdn./etw. zurückwerfen {vt} | ...").
    bool germanAlone = false;
    // The line's further German sections give the German word's own
    // comparative and superlative, wherever it stands among the line's
    // synonyms ("geeignet; passend; ... {adj} | besser geeignet; passender |
    // am besten geeignet; am passendsten | ..."; comparesGermanWord).
    bool comparesWord = false;
    // The English word carries a word-class tag of its own ("periodisch {adj}
    // :: circular {adj}"; tagsOwnWordClass).
    bool englishClassTagged = false;
    // The line's German sections after the first are example sentences only
    // (givesOnlyExampleSentences).
    bool examplesOnly = false;
    // The English word is a particle verb that shares its line's first place
    // with the plain verb before it (sharesPlaceAmongOneVerbsParticleVerbs):
    // the line is the German word's main entry for it, but for the German
    // word's own row the plain verb stays the line's first English word
    // ("abnutzen": "wear" before "wear away").
    bool particleVerbOfPlainVerb = false;
    // The line's first English section holds a note that narrows a sense,
    // after any of its words, other than one naming prepositions only
    // ("tongue (of a floor board)", not "to increase (to; by)";
    // holdsEnglishNarrowingNote).
    bool englishSectionNoted = false;
    // The English word renders a German phrase that a line gives as one of
    // its later sections (phraseSectionSenses).
    bool phraseSection = false;
    // The German word carries the note that it is used only in compounds
    // ("Schluss {m} (in Zusammensetzungen)"; usedOnlyInCompounds).
    bool compoundOnly = false;
    // A key of the line's first German section as written, its words with
    // their tags and notes: lines that split the senses of one set of German
    // words share it (putPlainLineBeforeNotedLineOfSameWords).
    std::size_t germanSectionKey = 0;
    // A note that narrows a sense follows a word of the line's first English
    // section ("slow match (wick)"), not only one that opens a synonym with
    // an optional word ("(little) angel"; holdsEnglishNoteAfterWord).
    bool englishNoteAfterWord = false;
    // A later German synonym that the line's example sentences show in use,
    // where they never show the line's first word (examplesShowOnlyLaterSynonym).
    bool shownByExamples = false;
    // The line's German side gives example sentences (isExampleSentence).
    bool exampleSentences = false;
    // The line's first German or English section marks a figurative use
    // ("Tauziehen {f} (um etw.) [übtr.] :: tussle (for sth.) [fig.]";
    // marksFigurativeUse).
    bool figurative = false;
};

// Whether the first sections of a line mark the line as a figurative use:
// the German section holds one word tagged "[übtr.]", or the line's first
// English word is tagged "[fig.]" ("Tauziehen {f} (um etw.) [übtr.] ::
// tussle (for sth.) [fig.]"). A tag in a group of synonyms may be any one
// word's ("Bereich {m}; Gebiet {n}; Sparte {f} [übtr.]"), one on a later
// English word is that word's ("perspective; vista [fig.]"), and "(auch
// [übtr.])" or "(also [fig.])" says the word is used so besides its
// literal sense.
bool marksFigurativeUse(QStringView germanSection, QStringView englishSection)
{
    const auto figurativeTag = [](QStringView text) {
        for (const QStringView tag : {u"[übtr.]", u"[fig.]"}) {
            const qsizetype at = text.indexOf(tag);
            if (at >= 0 && !text.left(at).trimmed().endsWith(u"auch") && !text.left(at).trimmed().endsWith(u"also"))
                return true;
        }
        return false;
    };
    const QVector<QStringView> english = englishSynonymsOf(englishSection);
    return (!english.isEmpty() && figurativeTag(english.first()))
           || (!germanSection.contains(u"; ") && figurativeTag(germanSection));
}

// Whether a raw German synonym carries the note that the word is used only
// as a part of compounds: "Schluss {m} (in Zusammensetzungen)" on the line of
// "wrap" (the end of filming) stands for "Drehschluss", and "Karte {f} (in
// Zusammensetzungen)" on that of "chart" for "Fieberkarte"; alone, neither
// word means the English one. A word only "mostly" so used ("(meist in
// Zusammensetzungen)") is a word of its own too.
bool usedOnlyInCompounds(QStringView raw)
{
    return raw.contains(u"(in Zusammensetzungen") || raw.contains(u"(nur in Zusammensetzungen");
}

bool isSpecial(const Candidate &candidate)
{
    return candidate.englishSpecial || candidate.germanSense != Sense::General;
}

// Whether a German noun ends in a shorter one as its last part
// ("Reitsattel" in "Sattel"): one word, at least three letters longer.
bool endsInWord(const QString &compound, const QString &word)
{
    return compound.size() > word.size() + 2 && !compound.contains(u' ')
           && compound.endsWith(word, Qt::CaseInsensitive);
}

// Whether the candidate's line is the German word's own entry for the
// English word: the German word heads the line as a single word in general
// use (no register, regional, obsolete or vulgar tag), and the line gives the
// English word, anywhere among its synonyms, with no register, age or note
// of its own ("Richtungsfahrbahn {f} [auto] | ... :: carriageway [Br.];
// lane [Br.]" for "Richtungsfahrbahn" and "lane"). A field tag does not
// count against it: the line still names the German word's own sense. An
// English word narrowed by a note ("Ventilkehle {f} :: throat (valve)")
// names a use in some trade, and judged against the rows it added, such
// lines mostly gave words a learner has no use for.
bool headsOwnPlainLine(const Candidate &candidate)
{
    return candidate.germanFirst && !candidate.german.contains(u' ') && !candidate.fringe
           && candidate.germanSense != Sense::SpecialRegister && !candidate.germanColloquial
           && !candidate.englishRegister && !candidate.englishColloquial && !candidate.englishDated
           && !candidate.englishNoted && !candidate.bySpelling && !candidate.capitalised;
}

// Whether two words that differ only by case are a noun and a verb, which
// are two words ("Husten {m} :: cough" and "husten {vi} :: to cough"): the
// capitalised one is a noun the line gives an English noun, the lower-case
// one no noun and given an English verb. A neuter noun is the verb's own
// infinitive used as a noun ("Bellen {n}" of "bellen", "Lächeln {n}" of
// "lächeln"): one word, which keeps one place as before.
bool nounAndVerbOfOneSpelling(const Candidate &a, const Candidate &b)
{
    const Candidate &noun = a.german.front().isUpper() ? a : b;
    const Candidate &verb = &noun == &a ? b : a;
    return noun.german != verb.german && noun.german.front().isUpper() && verb.german.front().isLower()
           && noun.noun && !noun.neuter && !noun.englishVerb && !verb.noun && verb.englishVerb;
}

// Whether a ranking puts a candidate among the special senses: a German
// word's main English word counts as general whatever the tags of its line
// (see rank).
bool ranksAsSpecial(const Candidate &candidate)
{
    return isSpecial(candidate) && !candidate.clearMainEntry && !(candidate.mainEntry && candidate.first);
}

// Whether a candidate's line names the word's plain sense: no special
// sense, line or group tag, fringe or later-sense mark, and no register,
// colloquial or dated mark on the English word. The rules that move a line
// to the front of a word's list take only such a line.
bool carriesNoMark(const Candidate &candidate)
{
    return !isSpecial(candidate) && !candidate.fringe && !candidate.otherSense && !candidate.englishRegister
           && !candidate.englishColloquial && !candidate.englishDated && !candidate.lineTagged
           && !candidate.groupTagged;
}

// Which side of a candidate a ranking orders: the German words of an English
// word, or the English words of a German word.
enum class Side { German, English };

// Whether a German phrase ends in the copula "sein" that renders the "be"
// an English phrase starts with ("anwesend sein" for "be present").
bool rendersEnglishCopula(const QString &german, const QString &english)
{
    return english.startsWith(u"be ") && german.endsWith(u" sein");
}

// How many words a German phrase counts for its rank: the preposition of a
// reflexive verb's object, put after the verb, belongs to the verb and is no
// word of its own ("sich kümmern um" counts as "sich kümmern"). Counted as
// three words, the verb of an English word's main entry fell behind a later
// synonym of another line ("take care of": "übernehmen" before "sich
// kümmern um"). "sich" still counts: judged against the rows it changed,
// counting a reflexive verb as one word put side senses first ("blush":
// "sich schämen" before "erröten"). The preposition counts as part of the
// verb only where the English word ends in a preposition too, an object
// the German one takes by its own ("take care of"); for a plain English
// verb or one with an adverb particle ("sign", "give up") the German
// preposition narrows the verb to a side sense ("sich melden für" is not
// "sign", "sich trennen von" not the main sense of "give up"). So, too, the
// copula of a German phrase for an English one with "be": "anwesend sein"
// renders "be present" word for word, its "sein" the English "be", and
// counted as a word of its own it put the English phrase's plain rendering
// behind single verbs of narrower lines ("vorliegen", "sich aufhalten").
int germanWordsOf(const QString &text, const QString &english)
{
    static const QStringList objectPrepositions{
        QStringLiteral("of"),   QStringLiteral("to"),    QStringLiteral("for"),  QStringLiteral("with"),
        QStringLiteral("about"), QStringLiteral("on"),   QStringLiteral("at"),   QStringLiteral("from"),
        QStringLiteral("in"),   QStringLiteral("into"),  QStringLiteral("after"), QStringLiteral("upon"),
        QStringLiteral("against")};
    int words = static_cast<int>(text.count(u' ')) + 1;
    if (words > 2 && text.startsWith(u"sich ") && isGermanPreposition(text.mid(text.lastIndexOf(u' ') + 1))
        && english.contains(u' ') && objectPrepositions.contains(english.mid(english.lastIndexOf(u' ') + 1)))
        --words;
    if (words > 1 && rendersEnglishCopula(text, english))
        --words;
    return words;
}

// How far down the subtitle list of its language a candidate stands, for
// ranking equally good candidates: a phrase counts its rarest word once per
// word ("zum Stehen bringen" is no commoner than "aufhören" for having common
// words), a later synonym of its line and a sense narrowed by a note twice
// (the line's first German word is its main word), a noun on the English
// word's own entry half ("Hai" before "Schlitzohr" for "shark"), and the more
// lines give the pair as a main entry, the closer to the top ("anhalten",
// given by three lines, comes before "Halt", given by one). An unlisted word
// stands four times the list's length down, weighed the same way: the list
// holds only a few thousand words, and among those it misses ("Hai",
// "Gauner") the line's own evidence, not file order, tells the main word.
int subtitleRank(const Candidate &candidate, Side side, int phraseRank, int listSize)
{
    if (phraseRank == 0) {
        if (side == Side::English)
            return std::numeric_limits<int>::max();
        phraseRank = 4 * std::max(1, listSize);
    }
    const QString &text = side == Side::German ? candidate.german : candidate.english;
    const int words = side == Side::German ? germanWordsOf(text, candidate.english) : static_cast<int>(text.count(u' ')) + 1;
    const int own = side == Side::German && candidate.ownEntry ? 2 : 1;
    // German places count by their square root: the subtitle list ranks the
    // words of film dialogue high ("erklären", "Gauner"), and a line's own
    // evidence should outweigh a gap in it ("aussprechen", given first by two
    // lines, before "erklären", third on one, for "pronounce").
    const int place =
        side == Side::German ? static_cast<int>(std::lround(100 * std::sqrt(phraseRank))) : phraseRank;
    return place * words * (candidate.germanFirst ? 1 : 2) * (candidate.noted ? 2 : 1)
           / std::max(1, candidate.support * candidate.support * own);
}

// Whether every section after the first of a line's German side is a
// sentence, an example of use or a quotation ("Bemerken {n}; Wahrnehmen {n}
// | Das Ohrenimplantat ermöglicht es ihr, ... wahrzunehmen. | ... (Goethe)"):
// the line gives its words no forms or compounds, only sentences that use
// some of them. A quotation's source may follow its last full stop in
// brackets.
bool givesOnlyExampleSentences(QStringView germanSide)
{
    const QVector<QStringView> sections = splitTopLevel(germanSide, u" | ");
    if (sections.size() < 2)
        return false;
    return std::all_of(sections.cbegin() + 1, sections.cend(), [](QStringView section) {
        QStringView text = section.trimmed();
        if (text.endsWith(u')')) {
            const qsizetype open = text.lastIndexOf(u" (");
            if (open > 0)
                text = text.first(open).trimmed();
        }
        return text.endsWith(u'.') || text.endsWith(u'!') || text.endsWith(u'?');
    });
}

// Whether the second section of a line's German side gives plurals.
bool givesPluralForms(QStringView germanSide)
{
    const qsizetype bar = germanSide.indexOf(u" | ");
    return bar >= 0 && firstSection(germanSide.mid(bar + 3)).contains(u"{pl}");
}

bool narrowsSense(QStringView note);
bool holdsNarrowingNote(QStringView section);

// Whether a German section ends in its word class followed by a note: the
// dictionary writes the class once, after the last synonym, and a note after
// it narrows every synonym, as a tag there does (sharedSenseOf). "jdn.
// einwickeln; jdn. einseifen; ... {vt} (wortgewandt von etwas überzeugen) ::
// to snow sb." is the persuading sense of all its verbs, not of the last one
// only, which is all TransSynonym::noted marks. A note of objects
// ("(jdm./etw.)") does not narrow (narrowsSense).
bool notedAfterWordClass(QStringView section)
{
    static const QRegularExpression wordClass(QStringLiteral("\\{(?:adj|adv|vt|vi|vr|v|num|conj|prp)[;}]"));
    const QString text = section.toString();
    qsizetype classEnd = -1;
    for (auto match = wordClass.globalMatch(text); match.hasNext();)
        classEnd = match.next().capturedEnd();
    if (classEnd < 0)
        return false;
    const qsizetype open = text.indexOf(u'(', classEnd);
    const qsizetype close = open < 0 ? -1 : text.indexOf(u')', open);
    const QStringView note = close > open ? QStringView(text).mid(open + 1, close - open - 1) : QStringView();
    return !note.isEmpty() && narrowsSense(note);
}

WordClassTags wordClassTagsOf(QStringView germanSide)
{
    const QStringView section = firstSection(germanSide);
    const bool transitive = section.contains(u"{vt") || section.contains(u"; vt}");
    return {section.contains(u"{adj}") || section.contains(u"{adj.}"), section.contains(u"{adv}"),
            notedAfterWordClass(section), section.contains(u"{vi}") && !transitive, transitive};
}

// How many sections the German side of a line has.
int sectionsOfLine(QByteArrayView line)
{
    const qsizetype separator = line.indexOf(" :: ");
    return static_cast<int>(line.first(separator < 0 ? line.size() : separator).count(" | ")) + 1;
}

// Whether the second and third sections of a line's German side are a
// comparative and a superlative: one word, then "am" and one word, or as
// many of each as the line has synonyms ("fidel; lustig {adj} | fideler;
// lustiger | am fidelsten; am lustigsten").
bool givesComparison(QStringView germanSide)
{
    const QVector<QStringView> sections = splitTopLevel(germanSide, u" | ");
    if (sections.size() < 3)
        return false;
    const QList<QStringView> comparatives = sections.at(1).trimmed().split(u"; ");
    const QList<QStringView> superlatives = sections.at(2).trimmed().split(u"; ");
    if (comparatives.size() != superlatives.size())
        return false;
    for (qsizetype i = 0; i < comparatives.size(); ++i) {
        const QStringView superlative = superlatives.at(i);
        if (comparatives.at(i).isEmpty() || comparatives.at(i).contains(u' ') || !superlative.startsWith(u"am ")
            || superlative.size() < 4 || superlative.mid(3).contains(u' '))
            return false;
    }
    return true;
}

// Whether the first section of a line's German side holds one word only,
// no synonyms beside it.
bool holdsGermanWordAlone(QStringView germanSide)
{
    return splitTopLevel(firstSection(germanSide), u"; ").size() == 1;
}

// Whether the sections after the first of a line's German side give the
// adjective `german` its own comparative and superlative ("passender" and
// "am passendsten" for "passend" in "geeignet; passend; ... {adj} (für) |
// besser geeignet; passender | am besten geeignet; am passendsten | ...").
// givesComparison asks the same of every synonym of the line at once; a line
// of several adjectives often compares some of them in two words ("besser
// geeignet"), and the one it compares in its own forms is still among the
// words the line is the entry of.
bool comparesGermanWord(QStringView germanSide, const QString &german)
{
    if (german.isEmpty() || german.contains(u' ') || !german.front().isLower())
        return false;
    const QVector<QStringView> sections = splitTopLevel(germanSide, u" | ");
    if (sections.size() < 3)
        return false;
    const auto holdsItem = [](QStringView section, const QString &item) {
        for (const QStringView part : splitTopLevel(section, u"; ")) {
            if (part.trimmed() == item)
                return true;
        }
        return false;
    };
    const QString comparative = german + QStringLiteral("er");
    const QString superlative = QStringLiteral("am ") + german + QStringLiteral("sten");
    const QString longSuperlative = QStringLiteral("am ") + german + QStringLiteral("esten");
    return holdsItem(sections.at(1), comparative)
           && (holdsItem(sections.at(2), superlative) || holdsItem(sections.at(2), longSuperlative));
}

// Marks the main entry of a common German word among the lines of its list:
// the first line in the file that gives the word first and has more than
// one section (its forms, compounds or examples). The dictionary puts a
// word's main sense there ("Abend {m} | Abende {pl} | Montagabend {m} | ...
// :: evening | ..." before "Abend {m} (als Freizeit ...) :: night"). Its
// main English word ranks ahead of commoner words of other senses, four
// times closer to the top of the subtitle list ("believe" before "think"
// for "glauben"), eight times where it is a single word that no note
// narrows. Where the word heads more than one line and no line of
// its list is longer than the main entry, the entry is plainly the word's
// own and its main English word comes first whatever its tags ("Wand {f}
// [constr.] | Wände {pl} | ... :: indoor wall; wall" before "Wand {f} ::
// septum").
// A word outside the list (not `common`) gets no weight for its main entry,
// but a clear one still comes first where it is a noun's or a verb's, whose
// further sections give the word's forms ("Trab {m} | gleichmäßiger Trab |
// im Trab :: trot | ..." before "Trab {m}; Trott {m} | ... :: jog",
// "Programmzweig {m} [comp.] | Programmzweige {pl} :: program branch | ..."
// before "Programmzweig {m} :: leg"): the subtitle list misses most of their
// English words too, which then fall back on how many lines mention them.
// An adjective's line counts where its next sections are its comparative
// and superlative ("zynisch; bissig {adj} | zynischer | am zynischsten |
// ... :: cynical | ..." before "verbittert; zynisch {adj} :: jaundiced"),
// the adjective's forms. Judged against the rows it changed, the clear main
// entries of other adjectives and adverbs, whose further sections are
// examples, as often named a side use ("schottisch {adj} [ling.] | ein
// schottischer Akzent :: Scots").
void markMainEntry(const QVector<const Candidate *> &list, bool common)
{
    QSet<int> headedLines;
    int longest = 0;
    for (const Candidate *candidate : list) {
        if (candidate->germanFirst)
            headedLines.insert(candidate->line);
        longest = std::max(longest, candidate->sections);
    }
    const Candidate *main = nullptr;
    for (const Candidate *candidate : list) {
        if (candidate->germanFirst && candidate->first && candidate->sections > 1
            && (!main || candidate->line < main->line))
            main = candidate;
    }
    if (!main)
        return;
    // The further sections of an adjective's or adverb's line are examples,
    // not forms, unless they compare it.
    const bool withForms = main->noun || main->englishVerb || main->comparison;
    // Nor is an entry clear whose English word is tagged with a register
    // its German word is not ("jdn. reinlegen; jdn. linken [ugs.] {vt} | ...
    // :: to screw sb. [coll.] | ..."): the line gives a colloquial word for
    // a word of plain speech, which the row should not offer first.
    const bool clear = headedLines.size() > 1 && main->sections == longest && (common || withForms)
                       && !(main->englishRegister && main->germanSense != Sense::SpecialRegister);
    for (const Candidate *candidate : list) {
        if (candidate->line == main->line && candidate->germanFirst) {
            candidate->mainEntry = common;
            candidate->clearMainEntry = clear;
        }
    }
}

// Moves a noun's main entry (markMainEntry) off a field-tagged line that
// gives no plural of the noun, to a later line the noun heads, with no tag
// or note, that gives its plural ("Verwarnung {f}; gelbe Karte {f}; Gelb {n}
// [ugs.] [sport] | gelb-rote Karte (Fussball) | ... :: booking; yellow card
// | ..." gives way to "Verwarnung {f} | Verwarnungen {pl} :: warning |
// warnings"): the tagged line names the noun's use in that field, and its
// further sections are that use's compounds and examples, while the plain
// line gives the noun's own forms. A tagged line that gives the plural
// ("Knospe {f} [bot.] | Knospen {pl} :: bud | buds") is the noun's own
// entry and keeps the mark. The plain line's first English word must be a
// single word that the subtitle list ranks no lower than the tagged line's
// (a phrase counting its rarest word once per word): judged against the rows
// it changed, a plain line with a rarer word as often gives a learned or
// narrow synonym ("Ehe {f}; Ehestand {m} | Ehen {pl} :: wedlock | ..." after
// "Ehe {f} [soc.] | ... :: marriage | ...").
void moveMainEntryOffFieldLineToPluralLine(const QVector<const Candidate *> &list, const WordRanks &ranks)
{
    const auto marked = std::find_if(list.cbegin(), list.cend(), [](const Candidate *c) {
        return (c->mainEntry || c->clearMainEntry) && c->first;
    });
    if (marked == list.cend())
        return;
    const Candidate *main = *marked;
    if (!main->noun || !main->fieldTagged || main->pluralForms)
        return;
    const int mainRank = ranks.phraseRank(main->english);
    const int mainWords = static_cast<int>(main->english.count(u' ')) + 1;
    const auto plain = std::find_if(list.cbegin(), list.cend(), [&](const Candidate *c) {
        if (c->line <= main->line || !c->germanFirst || !c->first || !c->noun || !c->pluralForms || c->fieldTagged
            || c->lineTagged || c->groupTagged || isSpecial(*c) || c->noted || c->englishNoted || c->fringe
            || c->englishRegister || c->englishDated || c->english.contains(u' '))
            return false;
        const int rank = ranks.rank(c->english);
        return rank > 0 && (mainRank == 0 || rank <= mainRank * mainWords);
    });
    if (plain == list.cend())
        return;
    const int to = (*plain)->line;
    const bool mainEntry = main->mainEntry;
    const bool clear = main->clearMainEntry;
    for (const Candidate *candidate : list) {
        const bool moved = candidate->line == to && candidate->germanFirst;
        if (candidate->line == main->line || moved) {
            candidate->mainEntry = moved && mainEntry;
            candidate->clearMainEntry = moved && clear;
        }
    }
}

// Whether the sections after the first of a line's English side, in lower
// case (`laterSections`), hold a word that starts with `word`, the English
// word or its forms ("casts", "casting", "cities" for "city"), spelt out as
// a word of its own: a part of a compound ("rough-cast") is not the word. A
// line of one section names nothing more and passes.
bool namesWordAgain(QStringView laterSections, const QString &word, bool oneSection)
{
    if (oneSection)
        return true;
    QString stem = word.left(word.indexOf(u' ')).toLower();
    if (stem.size() > 3 && (stem.endsWith(u'y') || stem.endsWith(u'e')))
        stem.chop(1);
    for (qsizetype at = 0; (at = laterSections.indexOf(stem, at)) >= 0; at += stem.size()) {
        if (at == 0 || !(laterSections.at(at - 1).isLetter() || laterSections.at(at - 1) == u'-'))
            return true;
    }
    return false;
}

// Whether the sections after the first of a line's German side name
// `german` again: its stem, the word less a last "-en" or "-e", stands in
// them ("Surren {n} ... | das Surren des Projektors"). A line of one section
// passes.
bool namesGermanWordAgain(QStringView germanSide, const QString &german)
{
    const qsizetype bar = germanSide.indexOf(u" | ");
    if (bar < 0)
        return true;
    const QString lower = german.toLower();
    const QString stem = lower.left(std::max<qsizetype>(4, lower.size() - (lower.endsWith(u"en") ? 2 : 1)));
    return germanSide.mid(bar + 3).toString().toLower().contains(stem);
}

// What an English word is given as on a line: a German noun, a verb or
// anything else (an adjective, an adverb).
int kindOf(const Candidate &candidate)
{
    return candidate.noun ? 0 : candidate.englishVerb ? 1 : 2;
}

// Marks the main entry of an English word among the lines of its list that
// give it as one kind of word: the line that gives the word first and has
// the most sections, at least three and two more than any other such line.
// The dictionary gives a word's main sense its forms, compounds and
// examples ("Fahrzeug {n} [transp.] | Fahrzeuge {pl} | Altfahrzeuge {pl} |
// ... :: vehicle | ..." beside "Vehikel {n}; Mittel {n} | Vehikel {pl};
// Mittel {pl} :: vehicle | vehicles"); a lead of one section is often only
// a compound more of a side sense ("Tupfen {m}; Tupfer {m} | ... | kleiner
// Tupfen {m} :: dot; spot | ..." beside "Punkt {m} ... | Punkte {pl} ::
// dot | dots"). Kinds are told apart because a verb's line holds its forms
// and a noun's only its plural. A plural of its own ("Rettiche {pl}
// (Raphanus) (botanische Gattung)") names a group, not the word.
void markEnglishMainEntry(const QVector<const Candidate *> &list)
{
    for (int kind = 0; kind < 3; ++kind) {
        const Candidate *main = nullptr;
        int runnerUp = 0;  // the most sections of another line giving the word first
        for (const Candidate *candidate : list) {
            if (!candidate->first || kindOf(*candidate) != kind || (main && candidate->line == main->line))
                continue;
            if (!main || candidate->sections > main->sections) {
                if (main)
                    runnerUp = std::max(runnerUp, main->sections);
                main = candidate;
            } else {
                runnerUp = std::max(runnerUp, candidate->sections);
            }
        }
        if (!main || main->sections < std::max(3, runnerUp + 2))
            continue;
        for (const Candidate *candidate : list) {
            if (candidate->line == main->line && candidate->first && !candidate->plural
                && kindOf(*candidate) == kind)
                candidate->englishMainEntry = true;
        }
    }
}

// Whether the main entry of an English word is an adverb's line that a note
// narrows to one use, where the ranking chose a word with no note or special
// tag ("eigentlich {adv} (Frage nach Grundsätzlichem) | ... :: by the way;
// ..." beside "übrigens; nebenbei bemerkt {adv} | ... :: by the way"): the
// examples make the line long, but they show that use, and the plain word
// names the English one. Judged against the rows it changed, the same guard
// for adjectives, nouns and verbs kept more side senses first than it moved
// back: their notes mostly name what the word applies to or takes ("krank
// {adj} (Person)", "kompatibel {adj} (mit)").
bool isNarrowedBelowPlainTop(const Candidate &main, const Candidate &top)
{
    return main.noted && main.wordClass.adverb && !main.wordClass.adjective && !top.noted && !top.englishNoted
           && !isSpecial(top);
}

bool isCognate(const QString &german, const QString &english);

// Whether the main entry of an English word is a line whose German words
// carry a special field's tag (Candidate::lineTagged), where the ranking
// chose the English word's look-alike, a noun that heads a line with its
// plural and no tag or note on either side, and that two lines give first
// ("Zinsschein {m}; Kupon {m} [fin.] | Zinsscheine {pl}; ... :: coupon |
// ..." beside "Coupon {m}; Kupon {m} | Coupons {pl}; Kupons {pl} ::
// coupon; voucher | ..."): the tagged line is long with that field's
// compounds, and the plain line names the word's everyday sense. Judged
// against the rows it changed, a plain top that is no look-alike as often
// named a side sense ("Wandschirm" before "Bildschirm" for "screen").
bool isFieldUseBelowPlainTop(const Candidate &main, const Candidate &top)
{
    return main.lineTagged && top.noun && top.pluralForms && top.support >= 2 && top.germanFirst
           && !top.fieldTagged && !top.groupTagged && !isSpecial(top) && !top.noted && !top.englishNoted
           && !top.englishRegister && !top.fringe && isCognate(top.german, top.english);
}

// Puts the best ranked word of an English word's main entry
// (markEnglishMainEntry) at the top where the ranking chose a word of the
// same kind that no line gives the English word first with more than its
// plural or one more section: a side sense of a common word ("Mittel" for
// "vehicle", "Fahrt" for "speed", "Wettbewerb" for "bee"). A top word with
// its own full line for the English word stays: there the longest line is
// as often a special sense heavy with compounds ("Stiftung" for
// "foundation", "Festigkeit" for "resistance"). The ranking has chosen what
// kind of word comes first, the main entry which sense of it; the other
// words keep their places, so the row keeps its other senses.
void putEnglishMainEntryFirst(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first || list.first()->englishMainEntry)
        return;
    const Candidate *top = list.first();
    const int kind = kindOf(*top);
    const auto main = std::find_if(list.begin(), list.end(), [kind](const Candidate *candidate) {
        return candidate->englishMainEntry && kindOf(*candidate) == kind;
    });
    if (main == list.end() || isNarrowedBelowPlainTop(**main, *top) || isFieldUseBelowPlainTop(**main, *top))
        return;
    const QString topWord = top->german.toLower();
    for (const Candidate *candidate : std::as_const(list)) {
        if (candidate->first && candidate->sections > 2 && candidate->german.toLower() == topWord)
            return;
    }
    std::rotate(list.begin(), main, main + 1);
}

// Puts the German verb of an irregular English verb's own entry first where
// the ranking chose a noun that no line gives the English word first with
// more than its plural: the dictionary gives the past forms ("to feed {fed;
// fed}") on the verb's main entry, and a bare noun line ("Beschickung {f} ::
// feed") names a side sense, however many lines repeat it. The verb heads
// its line, which gives the English word first, untagged, with no note on
// the verb and no obsolete word, nor a field tag on its group
// ("etw. zuführen; ... {vt} [techn.] :: to feed sth. {fed; fed}"); the line
// gives at least the verb's participles and two of its conjugated forms:
// a shorter line names a side sense ("jdn. necken {vt} | neckend | geneckt ::
// to sting {stung; stung} | ..."). The best ranked such verb comes first.
constexpr int kOwnVerbEntrySections = 5;
void putIrregularVerbEntryBeforeBareNoun(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first || !list.first()->noun)
        return;
    const QString topWord = list.first()->german.toLower();
    for (const Candidate *candidate : std::as_const(list)) {
        if (candidate->first && candidate->sections > 2 && candidate->german.toLower() == topWord)
            return;
    }
    const auto verb = std::find_if(list.begin(), list.end(), [](const Candidate *candidate) {
        return candidate->first && candidate->englishPastForms && candidate->germanFirst && !candidate->noun
               && candidate->sections >= kOwnVerbEntrySections && !candidate->noted && !isSpecial(*candidate)
               && !candidate->groupTagged && !candidate->lineTagged && !candidate->fringe
               && !candidate->englishRegister;
    });
    moveToFront(list, verb);
}

// Puts the German verb of an irregular English verb's own entry first where
// the ranking chose a noun whose lines give the English word first with
// nothing more of it: at most its plural, or further sections that are
// another word's compounds and examples ("Verputz {m}; Putz {m} [constr.] |
// Dickschichtputz {m} | ... :: cast; plaster | thick plaster | ..."), which
// tell nothing of the English word. The verb's line gives the English word
// first with its past forms ("gießen {vt} (Metall) | gießend | gegossen |
// gießt | goss :: to cast {cast; cast} | casting | cast | casts | cast"),
// the dictionary's own entry of the verb, so a German note that names what
// the verb is done to does not hold it back.
void putIrregularVerbEntryBeforeNounOfOtherWordsLine(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first || !list.first()->noun)
        return;
    const QString topWord = list.first()->german.toLower();
    for (const Candidate *candidate : std::as_const(list)) {
        if (candidate->first && candidate->sections > 2 && candidate->namedAgain
            && candidate->german.toLower() == topWord)
            return;
    }
    const auto verb = std::find_if(list.begin(), list.end(), [](const Candidate *candidate) {
        return candidate->first && candidate->englishPastForms && candidate->germanFirst && !candidate->noun
               && candidate->sections >= kOwnVerbEntrySections && !candidate->englishNoted && !isSpecial(*candidate)
               && !candidate->groupTagged && !candidate->lineTagged && !candidate->fringe
               && !candidate->englishRegister;
    });
    moveToFront(list, verb);
}

// Puts the head of a full entry first that gives the English word right
// after phrases that narrow it ("Meerenge {f}; Meeresstraße {f}; ... | die
// Meerenge zwischen ... | ... :: sea strait; sea straits; strait; straits |
// ..."), where the ranking chose a word of a bare line that gives it first
// with nothing more ("schmal; eng {adj} :: strait"). The entry gives the
// word as its own, only named more precisely first; its forms and examples
// make it the word's main sense, and a bare line of one section names a
// side use or an old one.
constexpr int kNarrowedEntrySections = 3;
void putEntryOfNarrowedWordBeforeBareLine(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first || list.first()->sections > 1 || kindOf(*list.first()) != 2)
        return;
    const auto entry = std::find_if(list.begin(), list.end(), [](const Candidate *candidate) {
        return !candidate->first && candidate->plainWord && candidate->noun && candidate->germanFirst
               && candidate->sections >= kNarrowedEntrySections && !candidate->noted && !candidate->englishNoted
               && !isSpecial(*candidate) && !candidate->fringe && !candidate->englishRegister
               && !candidate->lineTagged;
    });
    moveToFront(list, entry);
}

// Puts the verbs heading lines of their own that give the English verb first
// before a later synonym of a line whose first verb a note in front narrows
// ("(Gedanken, Gefühle) hegen; haben; empfinden {vt} | ... :: to entertain
// (thoughts, feelings) | ..."). The note names what the whole group is done
// to, and a later synonym there is one word of that use; the subtitle list
// ranks it by its everyday sense ("haben", to have) and puts it before the
// verbs that head the English verb's own lines ("bewirten {vt} | ... :: to
// entertain | ...", "(Gäste) unterhalten {vt} | ... :: to entertain | ...").
// A head may carry a note in front of its own, as the group's first verb
// does; one narrowed otherwise, tagged or marked as a register or region
// does not count. Such a synonym ranked first goes behind the first two
// heads, which lead the row.
void putOwnVerbLinesBeforeNotedGroupsLaterSynonym(QVector<const Candidate *> &list)
{
    const auto isNotedGroupsLaterSynonym = [&list](const Candidate *candidate) {
        if (!candidate->first || candidate->germanFirst || !candidate->noted || kindOf(*candidate) != 1)
            return false;
        return std::any_of(list.cbegin(), list.cend(), [candidate](const Candidate *other) {
            return other->line == candidate->line && other->germanFirst && other->germanObjectNoted;
        });
    };
    if (list.isEmpty() || !isNotedGroupsLaterSynonym(list.first()))
        return;
    const Candidate *synonym = list.first();
    for (qsizetype place = 0; place < std::min<qsizetype>(2, list.size()) && list.at(place) == synonym; ++place) {
        const auto head = std::find_if(list.begin() + place + 1, list.end(), [synonym](const Candidate *candidate) {
            return candidate->first && candidate->germanFirst && candidate->line != synonym->line
                   && kindOf(*candidate) == 1 && (!candidate->noted || candidate->germanObjectNoted)
                   && !candidate->englishNoted && !isSpecial(*candidate) && !candidate->groupTagged
                   && !candidate->lineTagged && !candidate->fringe && !candidate->englishRegister
                   && !candidate->englishVariant && candidate->englishAlone;
        });
        if (head == list.end())
            break;
        std::rotate(list.begin() + place, head, head + 1);
    }
}

// Whether another English word's own entry that gives the German word is a
// line the German word heads ("Festland {n} [geogr.] | ... :: mainland |
// ..."). For a word that is no noun, adjective or verb (an adverb, a
// pronoun), a bare line it heads is its own line too ("irgendetwas;
// irgendwas {adv} :: something"), and an own entry that lists it only as a
// later synonym ("etwas; irgendetwas; jedes; ... {pron} | ... :: anything |
// ...") names its first word's sense: that does not mark the bare line's word
// as another word's (see markOtherSenses). Judged against the rows it
// changed, the same for nouns, adjectives and verbs put as many side senses
// first as it moved back ("ätzend": arch, "Stoff": stuff).
bool ownEntryHeadedByGerman(const QVector<const Candidate *> &list, const QHash<QString, int> &ownLines)
{
    return std::any_of(list.cbegin(), list.cend(), [&ownLines](const Candidate *candidate) {
        return candidate->germanFirst && !candidate->fringe
               && ownLines.value(candidate->english, -1) == candidate->line;
    });
}

// Marks the English words of one German word that are first another German
// word's translation. An English word's own entry (`ownLines`) is the first
// line that gives it first and has more than one section: as for
// markMainEntry, the dictionary puts a word's main sense there. A candidate
// is marked when its word's own entry does not list the German word and
// every line that gives the pair is bare, one section and nothing else, as a
// side use is ("Festland {n} :: continent" beside "Kontinent {m}; Erdteil {m}
// [geogr.] | Kontinente {pl}; Erdteile {pl} | ... :: continent | continents |
// ..."), and only where another English word's own entry does list the
// German word ("Festland {n} [geogr.] | das griechische Festland ::
// mainland | ..."): the learner meets first a word whose own sense this is.
// Where no word of the list has the German word in its own entry, the list
// has no better word to offer and nothing is marked. The German words of an
// English word are not marked so: judged against the rows it changed, the
// same rule there put as many side uses first as it moved back.
void markOtherSenses(const QVector<const Candidate *> &list, const QHash<QString, int> &ownLines)
{
    QSet<QString> given;  // words with a line of more than one section or their own entry
    bool mutual = false;  // a word's own entry gives the German word
    for (const Candidate *candidate : list) {
        const bool own = ownLines.value(candidate->english, -1) == candidate->line;
        mutual = mutual || (own && !candidate->fringe);
        if (candidate->sections > 1 || own)
            given.insert(candidate->english);
    }
    const bool headedMutual = ownEntryHeadedByGerman(list, ownLines);
    for (const Candidate *candidate : list)
        candidate->otherSense = mutual && ownLines.contains(candidate->english) && !given.contains(candidate->english)
                                && (headedMutual || !candidate->germanFirst || candidate->noun
                                    || candidate->wordClass.adjective || candidate->englishVerb);
}

// Sets the support and subtitleRank of the candidates of one English word
// (side German) or one German word (side English). `phraseRanks` caches the
// subtitle rank of each text.
void weigh(const QVector<const Candidate *> &list, Side side, QHash<QString, int> &phraseRanks)
{
    const WordRanks &ranks = WordRanks::forLanguage(side == Side::German ? QStringLiteral("de")
                                                                         : QStringLiteral("en"));
    struct Lines
    {
        int count = 0;
        int last = -1;
    };
    QHash<QString, Lines> mainLines;  // the ranked side in lower case -> lines
    QStringList lower;
    lower.reserve(list.size());
    for (const Candidate *candidate : list) {
        lower.append((side == Side::German ? candidate->german : candidate->english).toLower());
        if (candidate->first && !isSpecial(*candidate)) {
            // A list holds a line's candidates next to each other.
            Lines &lines = mainLines[lower.last()];
            if (lines.last != candidate->line) {
                ++lines.count;
                lines.last = candidate->line;
            }
        }
    }
    if (side == Side::English && !list.isEmpty())
        markMainEntry(list, WordRanks::forLanguage(QStringLiteral("de")).rank(list.first()->german) > 0);
    if (side == Side::English)
        moveMainEntryOffFieldLineToPluralLine(list, ranks);
    if (side == Side::German)
        markEnglishMainEntry(list);
    for (qsizetype i = 0; i < list.size(); ++i) {
        const Candidate *candidate = list.at(i);
        const QString &text = side == Side::German ? candidate->german : candidate->english;
        candidate->support = mainLines.value(lower.at(i)).count;
        auto rank = phraseRanks.find(text);
        if (rank == phraseRanks.end())
            rank = phraseRanks.insert(text, ranks.phraseRank(text));
        // A common German noun's main entry that gives one English word with
        // its plural ("Blatt {n}; Laubblatt {n} [bot.] | Blätter {pl}; ...
        // :: leaf | leaves | ...") names the noun's own sense. Where the
        // subtitle list misses that word it stands four times the list's
        // length down, as an unlisted German word does, rather than at the
        // bottom behind any listed word of a side use ("Blatt {n} (gezogene
        // Spielkarten) :: hand (of cards)").
        const bool unlistedOwnNoun = side == Side::English && *rank == 0 && candidate->mainEntry
                                     && candidate->first && candidate->ownEntry;
        candidate->subtitle = subtitleRank(*candidate, side, unlistedOwnNoun ? 4 * std::max(1, ranks.size()) : *rank,
                                           ranks.size());
        // A single word that no note narrows is the German word's plain
        // translation and outweighs a commoner word of another line further
        // ("täglich /tgl./ /tägl./; Tages… {adj} | ... :: daily | ..." before
        // "täglich; am Tag {adv} | ... :: every day; ..."); a phrase or a
        // narrowed sense may be the entry's particular use ("weshalb {conj}
        // :: which is why").
        if (candidate->mainEntry && candidate->first && candidate->subtitle < std::numeric_limits<int>::max())
            candidate->subtitle /= candidate->english.contains(u' ') || candidate->noted ? 4 : 8;
    }
}

// Puts a plain German word that heads its line but gives the English word
// later on it first where the ranking chose a word narrowed by a note, and
// the plain word is more than four times closer to the top of the subtitle
// list than the narrowed one (whose note already doubles its place): a line
// that names a use of a word ("prompt {adv} (wie erwartet/befürchtet) :: of
// course; naturally") should not hide the plain word of another that gives
// the English word second ("natürlich; selbstverständlich {adv} :: naturally;
// of course"). Judged against the rows it changed, a smaller lead put as
// many rare uses first as it moved back.
void putPlainWordBeforeNotedOne(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first || !list.first()->noted || !list.first()->germanFirst)
        return;
    const Candidate *top = list.first();
    const auto plain = std::find_if(list.begin(), list.end(), [top](const Candidate *candidate) {
        return !candidate->first && candidate->germanFirst && !candidate->noted && !isSpecial(*candidate)
               && 4LL * candidate->subtitle < top->subtitle;
    });
    moveToFront(list, plain);
}

// Puts the best ranked verb of a plain line that gives the English verb
// first where the ranking chose a verb whose note, before it, names the one
// thing it is done to ("(eine Maschine) warten {vt} | wartend | gewartet ::
// to maintain; to service (a machine) | ..." before "beibehalten; erhalten;
// unterhalten {vt} | ... :: to maintain | ..."): the subtitle list ranks the
// verb by its everyday sense ("warten", to wait), not by that use. The plain
// line gives the English word first as a verb, heads with the chosen verb,
// has no note or tag on either side nor a field tag on the line, and has more
// sections than the narrowed one (the verb's forms). A top verb that another
// line gives with no note keeps its place. Judged against the rows it
// changed, a later synonym or a field-tagged line put side senses first
// ("feuern [sport]" for "smash", "zum Einsatz kommen" for "attend").
void putPlainVerbBeforeObjectNarrowedOne(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first || !list.first()->germanObjectNoted || kindOf(*list.first()) != 1)
        return;
    const Candidate *top = list.first();
    const bool topPlainElsewhere = std::any_of(list.begin(), list.end(), [top](const Candidate *candidate) {
        return candidate->german == top->german && candidate->line != top->line && !candidate->noted;
    });
    if (topPlainElsewhere)
        return;
    const auto isPlain = [top](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && kindOf(*candidate) == 1 && !candidate->noted
               && !candidate->englishNoted && !isSpecial(*candidate) && !candidate->groupTagged
               && !candidate->lineTagged && !candidate->fieldTagged && !candidate->fringe
               && !candidate->englishRegister && !candidate->englishVariant && candidate->sections > top->sections;
    };
    // A plain line that gives the English verb alone names its sense in
    // general; one that shares it with another verb names the sense they
    // share ("jdn. versorgen {vt} | ... :: to maintain; to support sb. |
    // ..."), and comes first only where no line gives the verb alone.
    auto plain = std::find_if(list.begin(), list.end(),
                              [&isPlain](const Candidate *candidate) { return isPlain(candidate) && candidate->englishAlone; });
    if (plain == list.end())
        plain = std::find_if(list.begin(), list.end(), isPlain);
    moveToFront(list, plain);
}

// Puts a noun's plain own entry ("Königin {f} | Königinnen {pl} :: queen |
// queens") first where the ranking chose a noun that only lines narrowed by
// an English note give first ("Dame {f} (Schachfigur) | Damen {pl} :: queen
// (chessman) | queens", "Dame {f} (Spielkarte ...) | ... :: queen (playing
// card) | ..."). Those lines name the word's uses, one each, and their
// number should not outweigh the entry that names it plainly: the plain
// entry comes first where it is closer to the top of the subtitle list than
// the narrowed word would be without its lines' support (weigh() divides by
// its square).
void putPlainOwnEntryBeforeNarrowedUses(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first || !list.first()->englishNoted || list.first()->support < 2)
        return;
    const Candidate *top = list.first();
    const bool plainElsewhere = std::any_of(list.begin(), list.end(), [top](const Candidate *candidate) {
        return candidate->german == top->german && candidate->first && !candidate->englishNoted;
    });
    if (plainElsewhere)
        return;
    const auto plain = std::find_if(list.begin(), list.end(), [top](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->ownEntry
               && kindOf(*candidate) == kindOf(*top) && !candidate->noted && !candidate->englishNoted
               && !isSpecial(*candidate) && !candidate->fringe && !candidate->groupTagged
               && !candidate->englishRegister && !candidate->englishVariant
               && static_cast<long long>(candidate->subtitle)
                      < static_cast<long long>(top->subtitle) * top->support * top->support;
    });
    moveToFront(list, plain);
}

// Puts the German word heading the English word's plain entry first where
// every line that gives the English word first tags it with a special field
// or register ("to corpse [Br.] [coll.] (theatre, film, radio)"), or tags
// the whole German group with one ("weisungsfrei; weisungsungebunden {adj}
// [adm.] :: autonomous; ..."): the English word there is a narrow use of
// itself.
// The plain entry is the best ranked line that gives the word later, with no
// tag or note on its German words, which heads a line with its forms or
// examples, more of them than the line ranked first ("Leiche {f}; Leichnam
// {m} [poet.] [relig.] | Leichen {pl}; ... :: dead body; body; corpse; ...").
// A line that gives the word only as one country's spelling of another word
// is no plain entry ("to ensure; to insure [Am.]" beside "versichern {vt}
// [fin.] :: to insure"), and a top word that another line gives untagged is
// a general word and stays ("fördern"). Judged against the rows they
// changed, English notes ("raspberry (fruit)") and the tag of one German
// synonym ("Mitglied {n} (einer Institution) [adm.]") mark the main entry as
// often as a side use, and do not count here.
void putPlainEntryBeforeSpecialFirstOnes(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first)
        return;
    for (const Candidate *candidate : std::as_const(list)) {
        if (candidate->first && !candidate->englishSpecial && !candidate->groupTagged)
            return;
    }
    const Candidate *top = list.first();
    const auto plain = std::find_if(list.begin(), list.end(), [top](const Candidate *candidate) {
        return !candidate->first && candidate->germanFirst && !isSpecial(*candidate) && !candidate->groupTagged
               && !candidate->englishVariant && !candidate->noted
               && candidate->sections > std::max(1, top->sections);
    });
    // A top word that another line gives untagged is a general word itself.
    const bool topPlainElsewhere = std::any_of(list.begin(), list.end(), [top](const Candidate *candidate) {
        return candidate->german == top->german && candidate->line != top->line && !isSpecial(*candidate)
               && !candidate->groupTagged;
    });
    if (plain != list.end() && !topPlainElsewhere)
        std::rotate(list.begin(), plain, plain + 1);
}

// Puts the German word of the English word's own entry first where the
// ranking chose a word of a line whose English word a note narrows to one use
// ("Anschluss {m}; Port {m} (...) [comp.] | Anschlüsse {pl}; Ports {pl} ::
// port (software) | ports"). The own entry gives the English word first as
// the same kind of word, with no note or tag of a special field or register,
// and has at least three sections and half as many again as the narrowed
// line, two more at least: the word's forms and compounds ("Hafenanlage {f};
// Hafen {m} [naut.] | Hafenanlagen {pl}; Häfen {pl} | Anlegehafen {m} ... |
// Tiefwasserhafen {m} :: port | ports | ..."). A narrowed line about as long
// is a full entry of its own ("etw. wollen {vt} (Person) | wollend | ...
// :: to want sth. (of a person) | ..."), and a top word that another line gives
// with no note on the English word is a general word itself. The best ranked
// word of such own entries comes first; the others keep their places.
void putOwnEntryBeforeNarrowedOne(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first || !list.first()->englishNoted)
        return;
    const Candidate *top = list.first();
    const auto own = std::find_if(list.begin(), list.end(), [top](const Candidate *candidate) {
        return candidate->first && kindOf(*candidate) == kindOf(*top) && !candidate->englishNoted && !candidate->noted
               && !isSpecial(*candidate) && !candidate->groupTagged && !candidate->fringe
               && !candidate->englishRegister && !candidate->englishVariant
               && candidate->sections >= std::max(3, top->sections + 2)
               && 2 * candidate->sections >= 3 * top->sections;
    });
    // A top word that another line gives with no such note is a general
    // word itself.
    const bool topPlainElsewhere = std::any_of(list.begin(), list.end(), [top](const Candidate *candidate) {
        return candidate->german == top->german && candidate->line != top->line && !candidate->englishNoted;
    });
    if (own != list.end() && !topPlainElsewhere)
        std::rotate(list.begin(), own, own + 1);
}

// Puts first the German word that more than one line gives for the English
// word where the ranking chose a word that a single line gives, narrowed by a
// note, and that is either missing from the subtitle list or tagged with a
// special field ("Noppe {f} (an der Sohle) | Noppen {pl} :: pimple |
// pimples", "Stelle {f} (in einer Zahl) [math.] | ... :: digit | ..."): a
// rare or special word's narrowed use is one sense, and a word the
// dictionary gives for the English word again and again names it in general
// ("Pickel" on "Pickel {m} (...) [techn.] :: pimple (...)" and "Pustel {f};
// Pickel {m} [Dt.]; ... :: pustule; pimple; ..."). The chosen word is of the
// same kind (see kindOf), given first by one of its lines and with no note
// by another. A common, untagged word's narrowed line names its main sense
// as often as not ("Fehler" for "mistake") and keeps its place, and so does
// a noun whose own entry, with its plurals, is the English word's main entry
// ("Mitglied {n} (einer Institution) [adm.] | Mitglieder {pl} | ... ::
// member | members | ..." before "Glied"); judged
// against the rows it changed, the rule without that guard, or across kinds
// of words, put about as many side senses first ("Verschluss" for "lock",
// "aufschäumen" for "froth") as it moved back.
void putWordOfSeveralLinesBeforeNotedOne(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first || !list.first()->noted)
        return;
    QHash<QString, QSet<int>> lines;
    QSet<QString> givenFirst;
    QSet<QString> givenPlain;
    for (const Candidate *candidate : std::as_const(list)) {
        const QString word = candidate->german.toLower();
        lines[word].insert(candidate->line);
        if (candidate->first)
            givenFirst.insert(word);
        if (!candidate->noted)
            givenPlain.insert(word);
    }
    const Candidate *top = list.first();
    if (lines.value(top->german.toLower()).size() > 1 || (top->englishMainEntry && top->ownEntry)
        || (!isSpecial(*top) && WordRanks::forLanguage(QStringLiteral("de")).phraseRank(top->german) > 0))
        return;
    const auto several = std::find_if(list.begin(), list.end(), [&](const Candidate *candidate) {
        const QString word = candidate->german.toLower();
        return !candidate->fringe && kindOf(*candidate) == kindOf(*top) && givenFirst.contains(word)
               && givenPlain.contains(word) && lines.value(word).size() > 1;
    });
    moveToFront(list, several);
}

// Whether a section carries the tag of one of `fields` anywhere
// ("Selbstbehalt {m}; ...; Franchise {f} [Schw.] (im Schadensfall) [adm.]"),
// whatever region or register tags stand beside it.
bool namesFieldAmong(QStringView section, const QSet<QString> &fields)
{
    for (qsizetype open = section.indexOf(u'['); open >= 0; open = section.indexOf(u'[', open + 1)) {
        const qsizetype close = section.indexOf(u']', open);
        if (close < 0)
            break;
        if (fields.contains(section.mid(open + 1, close - open - 1).toString()))
            return true;
    }
    return false;
}

// Puts the German noun of an English word's plain entry first where the
// ranking chose a noun that the subtitle list misses and every line that
// gives it first for the English word names a special field on its German
// side ("Extension {f}; Begriffsumfang {m} [phil.]" and "Extension {f};
// Ausdehnung {f} [med.] | ..." for "extension"): the dictionary writes a
// noun line's field after its last word, but the field is that of the whole
// line, and a rare word given only in fields is a term of them. The plain
// entry gives the English word first and is headed by a single noun, on a
// line with no field tag, no note on either side and at least as many
// sections as the top word's line, two at least ("Erweiterung {f};
// Ausdehnung {f} | Erweiterungen {pl}; ... | ... :: extension | ...").
// Judged against the rows it changed, a listed top word, an adjective's or
// a verb's, or a phrase put first as often made the row worse as better
// ("gültig", "lebhaft", "Verwandtschaft durch Heirat").
void putUntaggedEntryBeforeTaggedLines(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first)
        return;
    const Candidate *top = list.first();
    if (!top->noun || WordRanks::forLanguage(QStringLiteral("de")).phraseRank(top->german) > 0)
        return;
    const QString topWord = top->german.toLower();
    for (const Candidate *candidate : std::as_const(list)) {
        if (candidate->first && !candidate->lineTagged && candidate->german.toLower() == topWord)
            return;
    }
    const auto plain = std::find_if(list.begin(), list.end(), [top](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && !candidate->lineTagged && !candidate->noted
               && !candidate->englishNoted && !isSpecial(*candidate) && !candidate->groupTagged
               && !candidate->fringe && !candidate->englishRegister && !candidate->englishVariant
               && candidate->noun && !candidate->german.contains(u' ')
               && candidate->sections >= std::max(2, top->sections);
    });
    moveToFront(list, plain);
}

// Puts first the German noun heading another line where the ranking chose a
// field's rare term: a noun the subtitle list misses, given first only by
// lines tagged with a special field, on a bare line of its words and their
// plurals, and used at most twice in the whole dictionary ("Fiale {f};
// Pinakel {n} (...) [arch.] | Fialen {pl}; Pinakel {pl} :: pinnacle |
// pinnacles"). Its plurals halve its place at the bottom of the subtitle
// list, so it won over the general word of a shorter line ("Gipfel {m};
// Höhepunkt {m}; ... [übtr.] :: pinnacle") that the subtitle list misses as
// well; the dictionary's own count, 18 uses against 1, tells the commoner
// word. The chosen word heads its line, gives the English word first, has
// no note, register, fringe or special tag of its own, is missing from the
// subtitle list too and is used at least three times as often. Judged
// against the rows it changed, a term of a one-section line took no such
// halving and may be the word's plain sense ("Phlegma" for "phlegm", not
// "Rückstand"), and a term heading a longer entry, with
// compounds or examples, is the dictionary's real entry for the English
// word ("Mole {f} [constr.] [naut.] | Molen {pl} | Flussmole {f} | ..." for
// "mole", "Währung" for "currency"), and a commoner word moved before it put
// side senses first ("Maulwurf" aside, "Umlauf", "Ausfall", "Lasche").
template<typename Commonness>
void putCommonHeadBeforeRareFieldTerm(QVector<const Candidate *> &list, Commonness commonness)
{
    if (list.isEmpty() || !list.first()->first)
        return;
    const Candidate *top = list.first();
    const WordRanks &ranks = WordRanks::forLanguage(QStringLiteral("de"));
    const int topUses = commonness(*top);
    if (!top->noun || !top->ownEntry || !top->lineTagged || top->sections > 2 || topUses > 2
        || ranks.phraseRank(top->german) > 0)
        return;
    const QString topWord = top->german.toLower();
    for (const Candidate *candidate : std::as_const(list)) {
        if (candidate->first && !candidate->lineTagged && candidate->german.toLower() == topWord)
            return;
    }
    const auto common = std::find_if(list.begin(), list.end(), [&](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->line != top->line && candidate->noun
               && !candidate->noted && !candidate->englishNoted && !isSpecial(*candidate) && !candidate->groupTagged
               && !candidate->fringe && !candidate->englishRegister && !candidate->englishVariant
               && !candidate->german.contains(u' ') && commonness(*candidate) >= 3 * std::max(1, topUses)
               && ranks.phraseRank(candidate->german) == 0;
    });
    moveToFront(list, common);
}

// Puts the German verb of an untagged line first where every line that gives
// the English verb first tags its German words with a field, general or
// special ("etw. verlangen; regieren {vt} [ling.] | ... :: to govern sth.",
// "etw. regeln {vt} [jur.] | ... :: to govern sth."), and one of those
// tagged lines lists the same German verb: there the tag names the field's
// use of a verb whose general sense the untagged line gives ("regieren; herrschen
// {vi} (über) | regierend | regiert | ... :: to reign (over); to govern |
// ..."), where the English word stands later. That line heads with the verb,
// gives its forms and has no note or tag on it; the best ranked such verb
// comes first, the others keep their places. Judged against the rows it
// changed, a field tag alone does not mark a side sense ("etw. sagen; etw.
// äußern {vt} [ling.] | ..." is the main entry of "say", "etw. (vor
// Zerstörung ...) retten {vt} [naut.]" of "salvage"): without the shared
// verb, the untagged line put more side senses first ("behaupten" for "say")
// than it mended.
void putUntaggedVerbLineBeforeFieldTaggedOnes(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first || !list.first()->englishVerb)
        return;
    QSet<QString> taggedWords;  // the verbs of the tagged lines
    for (const Candidate *candidate : std::as_const(list)) {
        if (candidate->first && candidate->englishVerb && !candidate->fieldTagged && !candidate->groupTagged)
            return;
        if (candidate->first && candidate->englishVerb)
            taggedWords.insert(candidate->german.toLower());
    }
    const auto plain = std::find_if(list.begin(), list.end(), [&taggedWords](const Candidate *candidate) {
        return candidate->englishVerb && candidate->germanFirst && !candidate->fieldTagged && !candidate->groupTagged
               && taggedWords.contains(candidate->german.toLower())
               && !candidate->noted && !candidate->englishNoted && !isSpecial(*candidate) && !candidate->fringe
               && !candidate->englishRegister && !candidate->englishVariant
               && candidate->sections >= kOwnVerbEntrySections;
    });
    moveToFront(list, plain);
}

// Keeps in the row the German noun heading a long plain entry that gives the
// English word after a synonym, where no line that gives the word first is
// more than a bare line with a few forms: the dictionary files the word's
// main sense under the German word with its compounds and examples
// ("Sehkraft {f}; Sehvermögen {n}; ... | Raumsehvermögen {n} | ... ::
// eyesight; sight; vision | ..."), and without this the first-given side
// senses filled the row and left it out ("Weitblick {m} | ... :: vision |
// ...", "Vision {f}; Vorstellung {f}; Sicht {f} (von etw.) [übtr.] | ... ::
// vision (of sth.) [fig.] | ..."). The long entry has at least
// kLongEntrySections sections and three times as many as the longest
// first-given noun line, and no tag, note or fringe word on its head. It
// goes before the first word of the row's kept places that a tag or note
// narrows, but not before the row's first word; where the kept places hold
// none, the row stays as ranked (the ranking put plain first-given words
// there). Judged against the rows it changed, putting it first led with a
// special use as often as with the main sense ("track": "Eisenbahngleis").
constexpr int kLongEntrySections = 8;
void keepLongPlainEntryInRow(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first || !list.first()->noun)
        return;
    int longestFirst = 1;
    for (const Candidate *candidate : std::as_const(list)) {
        if (candidate->first && candidate->noun)
            longestFirst = std::max(longestFirst, candidate->sections);
    }
    const auto entry = std::find_if(list.begin(), list.end(), [longestFirst](const Candidate *candidate) {
        return !candidate->first && candidate->noun && candidate->germanFirst && !candidate->fieldTagged
               && !candidate->groupTagged && !candidate->noted && !candidate->englishNoted && !isSpecial(*candidate)
               && !candidate->fringe && !candidate->englishRegister && !candidate->englishVariant
               && candidate->sections >= std::max(kLongEntrySections, 3 * longestFirst);
    });
    if (entry == list.end())
        return;
    // The row's kept places: the first kKeptPlaces words, told apart by case.
    constexpr int kKeptPlaces = 6;
    QSet<QString> words;
    auto narrowed = list.end();
    for (auto it = list.begin(); it != entry; ++it) {
        const Candidate *candidate = *it;
        const QString word = candidate->german.toLower();
        if (!words.contains(word)) {
            if (words.size() == kKeptPlaces)
                break;
            words.insert(word);
        }
        if (word == (*entry)->german.toLower())
            return;
        if (narrowed == list.end()
            && (isSpecial(*candidate) || candidate->lineTagged || candidate->groupTagged || candidate->noted
                || candidate->englishNoted || candidate->englishRegister))
            narrowed = it;
    }
    if (words.size() < kKeptPlaces || narrowed == list.end())
        return;
    // The row's first word stays: the ranking chose it over the others.
    if (narrowed == list.begin())
        ++narrowed;
    std::rotate(narrowed, entry, entry + 1);
}

// Puts the German word heading the English word's main entry
// (markEnglishMainEntry) before a later synonym of that line the ranking put
// first for being commoner: the line is filed under its first word, the
// later ones name a sense it shares ("Konzept {n}; Konzeption {f}; Plan {m};
// Entwurf {m} | ... :: concept | ...": "Konzept" before "Plan"). A later
// synonym that heads a line of its own for the English word stays, and so
// does one the head compounds, the plainer word ("Badestrand {m}; Strand
// {m}": "Strand"), or a single word whose head is a phrase ("wieder" before
// "noch einmal"). The head is of the same kind, with no note or tag.
void putMainEntryHeadBeforeLaterSynonym(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first || !list.first()->englishMainEntry || list.first()->germanFirst)
        return;
    const Candidate *top = list.first();
    const QString topWord = top->german.toLower();
    for (const Candidate *candidate : std::as_const(list)) {
        if (candidate->first && candidate->germanFirst && candidate->german.toLower() == topWord)
            return;
    }
    const auto head = std::find_if(list.begin(), list.end(), [top](const Candidate *candidate) {
        return candidate->line == top->line && candidate->first && candidate->germanFirst
               && kindOf(*candidate) == kindOf(*top) && !candidate->noted && !isSpecial(*candidate)
               && !candidate->fringe && !candidate->german.contains(top->german, Qt::CaseInsensitive)
               && (top->german.contains(u' ') || !candidate->german.contains(u' '));
    });
    moveToFront(list, head);
}

// Keeps in the row, second, the German verb heading an irregular verb's
// full entry that gives the English verb as a later synonym with its own
// past forms ("etw. (an einen Ort) werfen; schleudern; schmeißen [ugs.] {vt}
// | werfend; ... | ... :: to throw {threw; thrown}; to toss; to cast {cast;
// cast}; ... | throwing; tossing; casting | ..."): the dictionary files the
// shared sense under the first English verb but conjugates each of its
// verbs, so the line is an entry of the later verb too. Only lines that give
// the word first reach the row's kept places otherwise, and there a word's
// rarer uses crowd out the common verb ("cast": "Verputz, Abguss,
// Anwerfen, urformen, Gewölle" but no "werfen"). The verb stands closer to
// the top of the subtitle list than the row's first word, heads a line of at
// least kLongEntrySections sections, and has no tag, English note or fringe
// mark; a German note names what the verb is done to and does not narrow
// the English verb.
void keepCommonVerbOfLaterSynonymsEntryInRow(QVector<const Candidate *> &list)
{
    if (list.size() < 2)
        return;
    const Candidate *top = list.first();
    const auto verb = std::find_if(list.begin() + 1, list.end(), [top](const Candidate *candidate) {
        return !candidate->first && candidate->englishPastForms && candidate->germanFirst && kindOf(*candidate) == 1
               && candidate->sections >= kLongEntrySections && candidate->subtitle < top->subtitle
               && !candidate->englishNoted && !isSpecial(*candidate) && !candidate->groupTagged
               && !candidate->lineTagged && !candidate->fieldTagged && !candidate->fringe && !candidate->englishRegister
               && !candidate->englishVariant;
    });
    if (verb == list.end())
        return;
    // Nothing to do where the row's kept places hold the verb already.
    constexpr int kKeptPlaces = 6;
    QSet<QString> words;
    for (auto it = list.begin(); it != verb; ++it) {
        const QString word = (*it)->german.toLower();
        if (word == (*verb)->german.toLower())
            return;
        words.insert(word);
        if (words.size() == kKeptPlaces)
            break;
    }
    if (words.size() < kKeptPlaces)
        return;
    std::rotate(list.begin() + 1, verb, verb + 1);
}

// Whether a candidate is the word of a bare line, one German noun for one
// English word and nothing more, whose German word heads an entry of its
// own (`ownEntries`) that does not give the English word ("Diener {m} ::
// slave" beside "Diener {m}; ... | ... :: servant | ..."): the line gives a
// loose use of a word whose main sense lies elsewhere, and the subtitle list
// ranks the word by that main sense.
bool isLooseUseOfWordWithOwnEntry(const QVector<const Candidate *> &list, const Candidate &candidate,
                                  const QHash<QString, const Candidate *> &ownEntries)
{
    if (!candidate.first || !candidate.noun || candidate.sections != 1 || !candidate.germanAlone
        || !candidate.englishAlone || candidate.englishMainEntry)
        return false;
    const Candidate *own = ownEntries.value(candidate.german, nullptr);
    if (!own || own->line == candidate.line)
        return false;
    return std::none_of(list.cbegin(), list.cend(), [&](const Candidate *other) {
        return other->german == candidate.german && other->line == own->line;
    });
}

// Puts the head of the English word's main entry (markEnglishMainEntry)
// first where the ranking chose a later synonym of a line that is no main
// entry, by a hair: the two stand within a twentieth of each other on the
// subtitle list ("knirschen; kratzen; quietschen {vi} | ... :: to grate |
// ..." before "Rost {m}; Gitter {n} | Roste {pl}; Gitter {pl} | ... ::
// grate; grating | ..."), and there the dictionary's own evidence, a line
// filed under the word with its forms and examples, tells the main sense
// better than a gap in the list. The head has no note, tag or fringe word
// on either side.
void putMainEntryHeadBeforeNearTie(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first || list.first()->germanFirst || list.first()->englishMainEntry)
        return;
    const Candidate *top = list.first();
    const auto head = std::find_if(list.begin(), list.end(), [top](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->englishMainEntry && !candidate->noted
               && !candidate->englishNoted && !isSpecial(*candidate) && !candidate->lineTagged
               && !candidate->groupTagged && !candidate->fringe && !candidate->englishRegister
               && 20LL * candidate->subtitle <= 21LL * top->subtitle;
    });
    moveToFront(list, head);
}

// Keeps in the row the head of a plain entry that gives the English word
// first, with its forms and examples, where the row's kept places hold a
// later synonym, narrowed by a German note, of a line whose head the row has
// already: the dictionary gives each sense of a word a line of its own, and
// such a synonym repeats a sense the row names while another sense is left
// out ("Spiel {n}; Wettkampf {m}; Kampf {m} (Einzelsportart); ... [sport] |
// ... :: match | ..." left no place for "Streichholz {n}; Zündholz {n}; ...
// | Streichhölzer {pl}; ... | ... :: match; matchstick | ..."). The plain
// entry heads its line with a single word that has no note or tag on either
// side, on a line with no field tag and at least kPlainHeadSections
// sections. It takes the place of the last such synonym whose line is no
// longer than its own; the other words keep their places. Judged against
// the rows it changed, a synonym that only shares its line's field tag
// ("Faden" on "Zwirnsfaden {m}; Faden {m}; Zwirn {m} [textil.]"), or one of
// a longer line ("Chance {f} (auf ein Ereignis)" on the main entry of
// "chance"), names a main sense as often as not and keeps its place.
constexpr int kPlainHeadSections = 3;
void keepPlainHeadInRow(QVector<const Candidate *> &list)
{
    constexpr int kKeptPlaces = 6;
    QSet<QString> words;
    QSet<int> headLines;  // the lines whose head the kept places hold
    auto end = list.begin();
    for (; end != list.end(); ++end) {
        const QString word = (*end)->german.toLower();
        if (!words.contains(word)) {
            if (words.size() == kKeptPlaces)
                break;
            words.insert(word);
        }
        if ((*end)->germanFirst)
            headLines.insert((*end)->line);
    }
    if (end == list.end())
        return;
    const auto entry = std::find_if(end, list.end(), [&words](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && !words.contains(candidate->german.toLower())
               && !candidate->noted && !candidate->englishNoted && !isSpecial(*candidate)
               && !candidate->lineTagged && !candidate->fieldTagged && !candidate->groupTagged
               && !candidate->fringe && !candidate->englishRegister && !candidate->englishVariant
               && !candidate->german.contains(u' ') && candidate->sections >= kPlainHeadSections;
    });
    if (entry == list.end())
        return;
    // The last such synonym gives up its place, the ranking put the others
    // before it; a word the row keeps from an earlier line keeps it.
    QSet<QString> seen;
    auto narrowed = end;
    for (auto it = list.begin(); it != end; ++it) {
        const Candidate *candidate = *it;
        const QString word = candidate->german.toLower();
        if (seen.contains(word))
            continue;
        seen.insert(word);
        if (it != list.begin() && !candidate->germanFirst && headLines.contains(candidate->line)
            && candidate->noted && !candidate->englishNoted && candidate->sections <= (*entry)->sections)
            narrowed = it;
    }
    if (narrowed != end)
        std::iter_swap(narrowed, entry);
}

// Puts the head of the English noun's own entry first where the ranking
// chose a noun that heads only a narrow field's lines for it: a line that
// gives the English word alone, with its plural ("Ärmel {m} | Ärmel {pl} |
// mit Ärmeln | ... :: sleeve | sleeves | ..."), names the word's main
// sense, while the field's line ("Hülse {f}; Büchse {f} [techn.] | ... ::
// sleeve; bushing | ...") names a use in that field, however common the
// word is elsewhere. So too where the top word heads a short line with no
// narrow field's tag (at most kShortLineSections sections) that is no own
// entry, and leads the own entry's head by less than a tenth on the
// subtitle list ("Tempo {n}; Zahn {m} [ugs.] | ... :: clip; lick [Br.]
// [coll.] | ..." before "Klammer {f}; Bügel {m} | Klammern {pl}; ... ::
// clip | clips"). The own entry's
// head is a single word with no note, tag or fringe word on either side, on
// a line with no field tag; for a field's top word it stands at most twice
// as far down the subtitle list, on a line at least as long. A top word on
// the English word's main entry (markEnglishMainEntry) stays. Judged
// against the rows it changed, a top word that heads a line of a general
// field ("Visum", "Fahrzeug"), a later synonym ("Zoo") or a longer line
// ("Geständnis {n} | ein Geständnis ablegen | ...", "Werkstatt") names the
// main sense as often as the own entry.
constexpr int kShortLineSections = 3;
void putPlainOwnNounEntryFirst(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first || !list.first()->noun || !list.first()->germanFirst
        || list.first()->englishMainEntry
        || (!list.first()->lineTagged && (list.first()->ownEntry || list.first()->sections > kShortLineSections)))
        return;
    const Candidate *top = list.first();
    const auto isPlainOwnHead = [](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->noun && candidate->ownEntry
               && !candidate->noted && !candidate->englishNoted && !isSpecial(*candidate)
               && !candidate->lineTagged && !candidate->fieldTagged && !candidate->groupTagged
               && !candidate->fringe && !candidate->englishRegister && !candidate->englishVariant
               && !candidate->german.contains(u' ');
    };
    const QString topWord = top->german.toLower();
    for (const Candidate *candidate : std::as_const(list)) {
        if (top->lineTagged && candidate->first && candidate->germanFirst && !candidate->lineTagged
            && !candidate->fieldTagged && !isSpecial(*candidate) && candidate->german.toLower() == topWord)
            return;
    }
    const auto own = std::find_if(list.begin(), list.end(), [&](const Candidate *candidate) {
        return isPlainOwnHead(candidate)
               && (top->lineTagged ? candidate->subtitle <= 2LL * top->subtitle
                                   : 10LL * candidate->subtitle <= 11LL * top->subtitle)
               && candidate->sections >= (top->lineTagged ? top->sections : 2);
    });
    moveToFront(list, own);
}

// Puts the best ranked word of a plain line first where the ranking chose a
// word of a bare line (its synonyms only) that gives one of its German words
// as colloquial, slang or vulgar, and another line, at least as long, gives
// that same word for the English word untagged ("riskant; gefährlich; haarig
// [ugs.] {adj} :: hairy" beside "behaart; haarig {adj} :: hairy; ..."): the
// tagged line names the colloquial use of the word whose plain sense the
// other line gives. The plain line gives the English word first, with no
// tag, note or fringe word on the chosen word. Judged against the rows it
// changed, a top line with forms or examples is the word's main entry even
// with a colloquial synonym ("Versager [ugs.]" for "failure"), and a raised
// register ("ehemals [geh.]" for "formerly") marks no such use.
void putPlainLineBeforeColloquialUse(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first || list.first()->sections > 1)
        return;
    const Candidate *top = list.first();
    QSet<QString> colloquialWords;
    for (const Candidate *candidate : std::as_const(list)) {
        if (candidate->line == top->line && candidate->germanColloquial && !candidate->fringe)
            colloquialWords.insert(candidate->german.toLower());
    }
    if (colloquialWords.isEmpty())
        return;
    QSet<int> plainLines;
    for (const Candidate *candidate : std::as_const(list)) {
        if (candidate->line != top->line && candidate->first && !isSpecial(*candidate) && !candidate->noted
            && candidate->sections >= top->sections && colloquialWords.contains(candidate->german.toLower()))
            plainLines.insert(candidate->line);
    }
    const auto plain = std::find_if(list.begin(), list.end(), [&plainLines](const Candidate *candidate) {
        return plainLines.contains(candidate->line) && candidate->first && !isSpecial(*candidate)
               && !candidate->noted && !candidate->fringe && !candidate->englishRegister;
    });
    moveToFront(list, plain);
}

// Puts the first plain word of a line that gives the English word as it is
// spelt before a top word whose line gives it only capitalised ("Soldat {m}
// [Dt.] [Schw.]; ... [mil.] :: Private [Br.]; Private E-1 /PVT/ [Am.]"
// before "privat; persönlich; nicht öffentlich {adj} :: private"): the
// capital names a title, a name or a thing of that name, which the line's
// own words translate; the lower-case word is the English word a learner
// looks up. The capitalised line stays first where a line in the word's own
// spelling gives its German word too, or where only lines of a field give
// that spelling ("Erde {f} [astron.] :: Earth" before "erden [electr.]").
void putOwnSpellingBeforeCapitalisedUse(QVector<const Candidate *> &list)
{
    if (list.size() < 2 || !list.first()->capitalised)
        return;
    const QString &german = list.first()->german;
    if (std::any_of(list.cbegin() + 1, list.cend(), [&german](const Candidate *candidate) {
            return !candidate->capitalised && candidate->german == german;
        }))
        return;
    const auto plain = std::find_if(list.begin() + 1, list.end(), [](const Candidate *candidate) {
        return candidate->first && !candidate->capitalised && !isSpecial(*candidate) && !candidate->noted
               && !candidate->fringe && !candidate->englishRegister && !candidate->lineTagged;
    });
    moveToFront(list, plain);
}

// Puts a later German noun that its line's head compounds, given for the
// English word that the line gives second ("Türklingel {f}; Klingel {f}; ...
// :: doorbell; bell"), before the words the list has after its top word
// only for notes narrowing them ("Schallstück {m} (Blasinstrument) [mus.] ::
// bell (wind instrument)"): the head names a kind of the plain word, and the
// plain word the English word's own sense. A line a field's tag narrows names
// that field's use of the plain word ("Lochdorn {m}; Dorn {m} [techn.] ::
// piercer; drift"), which keeps its place.
void putCompoundedPlainNounBeforeNotedUses(QVector<const Candidate *> &list)
{
    if (list.size() < 3)
        return;
    const auto headOf = [&list](const Candidate *candidate) -> const Candidate * {
        const auto head = std::find_if(list.cbegin(), list.cend(), [candidate](const Candidate *c) {
            return c->line == candidate->line && c->germanFirst;
        });
        return head == list.cend() ? nullptr : *head;
    };
    const auto plain = std::find_if(list.begin() + 1, list.end(), [&headOf](const Candidate *candidate) {
        if (candidate->first || candidate->germanFirst || !candidate->noun || candidate->noted || candidate->fringe
            || isSpecial(*candidate) || candidate->lineTagged || candidate->englishPlace != 1
            || candidate->german.contains(u' '))
            return false;
        const Candidate *head = headOf(candidate);
        return head && endsInWord(head->german, candidate->german);
    });
    if (plain == list.end())
        return;
    const auto noted = std::find_if(list.begin() + 1, plain, [](const Candidate *candidate) {
        return candidate->noted || candidate->englishNoted;
    });
    if (noted == plain)
        return;
    std::rotate(noted, plain, plain + 1);
}

// Puts the verbs given with their object's preposition ("raten zu" from "zu
// etw. raten") after the other words of an English word, and leaves them out
// where the list holds the verb alone ("antworten" beside "antworten auf").
// They fill the places a row has left: ranked among the others they pushed
// out words that only that row gives its German table, so that the German
// words lost their rows ("Aufschlag", "betasten"), and some came first with a
// side use of the English word ("karambolieren mit" for "cannon").
void putPrepositionVerbsLast(QVector<const Candidate *> &list)
{
    QSet<QString> words;
    for (const Candidate *candidate : std::as_const(list)) {
        if (!candidate->prepositionAfterVerb)
            words.insert(candidate->german);
    }
    list.removeIf([&words](const Candidate *candidate) {
        return candidate->prepositionAfterVerb
               && words.contains(candidate->german.left(candidate->german.lastIndexOf(u' ')));
    });
    std::stable_partition(list.begin(), list.end(),
                          [](const Candidate *candidate) { return !candidate->prepositionAfterVerb; });
}

// Puts a commoner word of a field-tagged line first where the ranking chose
// the first word of a line whose field tag follows a later synonym
// ("Türschweller {m}; Schweller {m} [auto] :: sill" before "Schwelle {f}
// [constr.] | Schwellen {pl} | ... :: sill | ..."): the tag names the field
// of the whole line, so the top word is as special as the tagged ones and
// only stood first because its own word carries no tag. The chosen word is
// given first by its line as the same kind of word, heads it, has no note,
// register or fringe tag on either side, stands closer to the top of the
// subtitle list and heads a longer line. Judged against the rows it changed,
// without the longer line it put bare lines of other fields first ("Stock
// [geol.]" for "sill", "Nutzen" for "multiple").
void putCommonerFieldWordBeforeLineTaggedOne(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first || !list.first()->lineTagged || isSpecial(*list.first()))
        return;
    const Candidate *top = list.first();
    // Only a word among the places the row keeps: one from further down
    // would push the row's last word out, and with it perhaps the only row
    // that gives that German word its own row ("anstrengen" from "tax").
    QSet<QString> before;
    const auto common = std::find_if(list.begin(), list.end(), [top, &before](const Candidate *candidate) {
        before.insert(candidate->german.toLower());
        if (before.size() > kMaxGermanTranslations)
            return true;
        return candidate->first && candidate->germanFirst && candidate->line != top->line
               && kindOf(*candidate) == kindOf(*top) && candidate->germanSense != Sense::SpecialRegister
               && !candidate->englishSpecial && !candidate->noted && !candidate->englishNoted
               && !candidate->fringe && !candidate->groupTagged && candidate->subtitle < top->subtitle
               && candidate->sections > top->sections
               && (candidate->lineTagged || candidate->germanSense == Sense::SpecialField);
    });
    if (common != list.end() && before.size() <= kMaxGermanTranslations)
        std::rotate(list.begin(), common, common + 1);
}

// Whether the German word or phrase `word` holds the word `part`, of three
// letters at least, in any case ("Anzeichen" holds "Zeichen", "flach
// hinlegen" holds "legen").
bool compoundsWord(const QString &word, const QString &part)
{
    if (part.size() < 3 || word.size() <= part.size())
        return false;
    return word.contains(part, Qt::CaseInsensitive);
}

// Whether a line's further German sections are example sentences that
// name another word of the line, not the candidate's ("Bemerken {n};
// Wahrnehmen {n}; Gewahrwerden {n} [poet.] (von etw.) | Das Ohrenimplantat
// ermöglicht es ihr, Umgebungsgeräusche wahrzunehmen. | ... (Goethe) ::
// awareness (of sth.) | ..."): the sentences show the other words in use
// and give the candidate no forms, compounds or examples, so its line is no
// fuller an entry for it than a line of its words alone. Sentences that
// name the candidate again ("trotzdem {adv} | Ich mach’s/tu’s trotzdem! | ...")
// are its own examples.
bool examplesAreOtherWords(const Candidate &candidate)
{
    return candidate.examplesOnly && !candidate.germanNamedAgain;
}

// Puts first the German word whose own entry gives the English word where
// the ranking chose a word of a short line (its synonyms and at most one
// section more) whose own entry names another sense. A German word's own
// entry (`ownEntries`) is the first line it heads with more than one section:
// the dictionary puts a word's main sense there. The top word's own entry
// does not give the English word ("Ziel {n} [mil.] | Ziele {pl} | ... ::
// target | ..." beside "Ziel {n} | Sie war ein leichtes Ziel. :: mark | She
// was an easy mark."), and the chosen word heads its own entry, which gives
// the English word first as the same kind of word, with no note or tag of a
// special field or register, and with at least three sections ("Marke {f};
// Markierung {f}; ... | Marken {pl}; ... | ... :: mark | marks | ..."). The
// best ranked such word comes first; the others keep their places. Judged
// against the rows it changed, the same move from a top line with forms or
// examples of its own put as many side senses first as it moved back. A
// word that holds the top word keeps behind it, and a top word whose own
// entry gives it as another kind of word (see kindOf) keeps its place. A
// line whose sections after the first are only other words' example
// sentences (examplesAreOtherWords) does not count as the chosen word's own
// entry: it put "Bemerken" before "Bewusstsein" for "awareness".
void putMutualOwnEntryFirst(QVector<const Candidate *> &list, const QHash<QString, const Candidate *> &ownEntries)
{
    if (list.isEmpty() || !list.first()->first || list.first()->sections > 2)
        return;
    const Candidate *top = list.first();
    const Candidate *topOwn = ownEntries.value(top->german, nullptr);
    if (!topOwn || topOwn->line == top->line)
        return;
    // An own entry of another kind of word is a homograph's ("sein {vi}"
    // beside "sein; seine {pron} :: his") and tells nothing of this one.
    if (kindOf(*topOwn) != kindOf(*top))
        return;
    // The top word's own entry gives the English word after all.
    for (const Candidate *candidate : std::as_const(list)) {
        if (candidate->german == top->german && candidate->line == topOwn->line)
            return;
    }
    const auto own = std::find_if(list.begin(), list.end(), [&](const Candidate *candidate) {
        const Candidate *ownEntry = ownEntries.value(candidate->german, nullptr);
        return candidate->first && candidate->germanFirst && ownEntry && ownEntry->line == candidate->line
               && kindOf(*candidate) == kindOf(*top) && !candidate->noted && !isSpecial(*candidate)
               && !candidate->groupTagged && !candidate->fringe && !candidate->englishRegister
               && !candidate->englishVariant && candidate->sections >= 3
               && !examplesAreOtherWords(*candidate);
    });
    // A word that holds the top word ("Anzeichen" beside "Zeichen" for
    // "sign", "Standpunkt" beside "Stand" for "stand", "flach hinlegen"
    // beside "legen" for "lay") names a narrower kind of it.
    if (own != list.end() && !compoundsWord((*own)->german, top->german))
        std::rotate(list.begin(), own, own + 1);
}

// Puts first the German noun whose own entry gives the English word with an
// example or compound of it where the ranking chose a noun of a bare line
// (its words and plurals) whose own entry, a fuller line, names another
// sense ("Sorge {f}; Schmerz {m}; Klage {f}; Jammer {m} | Sorgen {pl} ::
// sorrow | sorrows" beside "Sorge {f}; Besorgnis {n} [psych.] | ... ::
// worry; ..."). putMutualOwnEntryFirst asks three sections of the chosen
// line; here two do where the second is no plural but an example or
// compound ("Trauer {f}; Traurigkeit {f} | ein Gefühl von Traurigkeit ::
// sorrow | a feeling of sorrow"), and the chosen word is on the subtitle
// list and heads an untagged line with no note or register. Judged against
// the rows it changed, an unlisted word or one of a line with plurals only
// put as many side senses first as main ones ("Biest" for "beast",
// "Lesestift" for "wand").
void putOwnExampleEntryBeforeBareSideLine(QVector<const Candidate *> &list,
                                          const QHash<QString, const Candidate *> &ownEntries)
{
    if (list.isEmpty() || !list.first()->first || !list.first()->noun || list.first()->sections > 2)
        return;
    const Candidate *top = list.first();
    const Candidate *topOwn = ownEntries.value(top->german, nullptr);
    if (!topOwn || topOwn->line == top->line || !topOwn->noun || topOwn->sections <= top->sections)
        return;
    // The top word's own entry gives the English word after all.
    for (const Candidate *candidate : std::as_const(list)) {
        if (candidate->german == top->german && candidate->line == topOwn->line)
            return;
    }
    const WordRanks &ranks = WordRanks::forLanguage(QStringLiteral("de"));
    const auto own = std::find_if(list.begin(), list.end(), [&](const Candidate *candidate) {
        const Candidate *ownEntry = ownEntries.value(candidate->german, nullptr);
        return candidate->first && candidate->germanFirst && ownEntry && ownEntry->line == candidate->line
               && candidate->noun && candidate->sections >= 2 && !candidate->pluralForms && !candidate->noted
               && !candidate->englishNoted && !isSpecial(*candidate) && !candidate->lineTagged
               && !candidate->fieldTagged && !candidate->groupTagged && !candidate->fringe
               && !candidate->englishRegister && !candidate->englishVariant
               && ranks.phraseRank(candidate->german) > 0;
    });
    if (own != list.end() && !compoundsWord((*own)->german, top->german))
        std::rotate(list.begin(), own, own + 1);
}

// Puts the best ranked numeral first where a line gives the English word
// first as a numeral and the ranking chose another word
// ("vierte; vierter; viertes {num}; Viertel {n} :: fourth" before "Quarte {f}
// [mus.] | Quarten {pl} | reine Quarte :: fourth | fourths | perfect
// fourth"): the number is the word's plain sense, the noun a use of it,
// and the numeral's one-section line loses to the noun's forms in the
// ranking.
void putNumeralFirst(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || list.first()->numeral)
        return;
    const auto numeral = std::find_if(list.begin(), list.end(), [](const Candidate *candidate) {
        return candidate->first && candidate->numeral && !isSpecial(*candidate);
    });
    moveToFront(list, numeral);
}

// Puts first the German word whose own entry gives the English word where
// no line gives it first and the ranking chose a side sense of another word:
// a word whose own entry, the first line it heads with more than one section
// (`ownEntries`), names another sense. The chosen word is commoner than the
// top word (its place on the subtitle list is better) and heads its own
// entry, which gives the English word as the same kind of word, with at
// least three sections and no note, field or register; the English word may
// be tagged dated there but not colloquial. The ranking put it behind the
// side sense only for that tag: for "fellow", "Kerl {m}; Typ {m}; Bursche {m}
// [veraltend] | ein lieber Kerl | ... :: guy; chap [Br.] [becoming dated];
// fellow [Br.] [becoming dated]; ..." comes before the "chap [Br.]; bod [Br.];
// fellow [Br.] [slightly dated]" line of "Mensch", whose own entry is "human
// being". Without the commoner word, the move also put rarer words' own
// entries first ("bewirken" before "erreichen" for "accomplish", "gegen"
// before "nach" for "toward"). A word that holds the top word keeps behind
// it.
void putOwnEntryFirstWhereNoneGivesFirst(QVector<const Candidate *> &list,
                                         const QHash<QString, const Candidate *> &ownEntries)
{
    if (list.isEmpty() || std::any_of(list.cbegin(), list.cend(), [](const Candidate *c) { return c->first; }))
        return;
    const Candidate *top = list.first();
    const Candidate *topOwn = ownEntries.value(top->german, nullptr);
    if (!topOwn || topOwn->line == top->line || kindOf(*topOwn) != kindOf(*top))
        return;
    const auto own = std::find_if(list.begin() + 1, list.end(), [&](const Candidate *candidate) {
        const Candidate *ownEntry = ownEntries.value(candidate->german, nullptr);
        return candidate->germanFirst && ownEntry && ownEntry->line == candidate->line
               && kindOf(*candidate) == kindOf(*top) && candidate->germanSense == Sense::General
               && (!candidate->englishSpecial || (candidate->englishDated && !candidate->englishColloquial))
               && !candidate->noted && !candidate->englishNoted && !candidate->groupTagged && !candidate->fringe
               && candidate->sections >= 3 && candidate->subtitle < top->subtitle;
    });
    if (own != list.end() && !compoundsWord((*own)->german, top->german))
        std::rotate(list.begin(), own, own + 1);
}

// Puts the German noun of the English word's main entry as a noun first
// where the ranking chose a verb for a word that the dictionary uses far
// more often otherwise than as a verb ("Hafen {m} | Häfen {pl} | ... ::
// harbour | harbours | ..." before "hegen; haben :: to harbour sth." for
// "harbour", "Fußboden" before "besiegen" for "floor"): the noun is what
// the word means first, the verb a use of it. `uses` tells how the English
// sides use the word (englishWordUsesInTrans): three times more often
// otherwise than as a verb, ten times where the word has a main entry as a
// verb too ("Pumpe" before "pumpen" for "pump"). The noun's line is the
// word's main entry among the lines giving it as a noun (see
// markEnglishMainEntry), with no note, tag or obsolete word. Judged against
// the rows it changed, a smaller lead over a verb's main entry ("reisen" for
// "travel", "brauchen" for "need") as often put a side sense first as it
// moved one back, and so did a lead below three times over other verbs
// ("start", "decline"). A note on the German noun alone does not hold back
// the noun's own entry, the English word alone with its plural ("Gelee {n}
// (süßer Aufstrich aus eingedicktem Fruchtsaft) [cook.] | Gelees {pl} | ...
// :: jelly | jellies | ..." before "gelieren" for "jelly"): the note says
// what the German word is, and the English word stands plain. On a line that
// gives the English word beside others the note names a use ("Abgang {m}
// (Nachgeschmack beim Wein) | ... :: finish; final note (wine) | ..." is no
// main sense of "finish"). Where no noun has such a line, an adjective heading
// a plain line with its forms or examples comes first ("steil {adj} | steiler
// | am steilsten :: steep | ..." before "einweichen; baden {vt} | ... :: to
// steep | ...", "eng" before "einengen" for "narrow").
void putNounMainEntryBeforeSideVerb(QVector<const Candidate *> &list, const EnglishWordUses &uses)
{
    if (list.isEmpty() || !list.first()->first || !list.first()->englishVerb || list.first()->noun)
        return;
    const bool verbMainEntry = std::any_of(list.cbegin(), list.cend(), [](const Candidate *candidate) {
        return candidate->englishVerb && candidate->englishMainEntry;
    });
    if (uses.other < (verbMainEntry ? 10 : 3) * std::max(1, uses.verb))
        return;
    const auto noun = std::find_if(list.begin(), list.end(), [](const Candidate *candidate) {
        return candidate->first && candidate->noun && candidate->englishMainEntry
               && (!candidate->noted || (candidate->ownEntry && !candidate->englishNoted)) && !isSpecial(*candidate)
               && !candidate->fringe;
    });
    if (noun != list.end()) {
        std::rotate(list.begin(), noun, noun + 1);
        return;
    }
    const auto adjective = std::find_if(list.begin(), list.end(), [](const Candidate *candidate) {
        return candidate->first && !candidate->noun && !candidate->englishVerb && candidate->wordClass.adjective
               && candidate->germanFirst && candidate->sections > 1 && !candidate->noted && !isSpecial(*candidate)
               && !candidate->fringe;
    });
    moveToFront(list, adjective);
}

// Puts first the head of an adjective's own entry that gives the English
// word first, where the top word's line is an adjective entry that is not
// its own: the top word's own entry, an earlier one with its comparison,
// names another sense ("klein; gering; unbedeutend {adj} | kleiner; ... ::
// small ..."), so its later entry for the word ("klein; gering {adj} | ...
// :: low | lower | lowest") is a side sense, while "niedrig; flach; ...
// {adj} | niedriger; ... :: low | lower | lowest" is the main entry of
// "niedrig".
void putOwnAdjectiveEntryBeforeSideOne(QVector<const Candidate *> &list,
                                       const QHash<QString, const Candidate *> &ownEntries)
{
    if (list.isEmpty() || !list.first()->first || !list.first()->germanFirst || !list.first()->comparison)
        return;
    const Candidate *top = list.first();
    const Candidate *topOwn = ownEntries.value(top->german, nullptr);
    if (!topOwn || topOwn->line == top->line || !topOwn->comparison)
        return;
    for (const Candidate *candidate : std::as_const(list)) {
        if (candidate->german == top->german && candidate->line == topOwn->line)
            return;
    }
    const auto own = std::find_if(list.begin() + 1, list.end(), [&](const Candidate *candidate) {
        const Candidate *ownEntry = ownEntries.value(candidate->german, nullptr);
        return candidate->first && candidate->germanFirst && candidate->comparison && ownEntry
               && ownEntry->line == candidate->line && !candidate->noted && !isSpecial(*candidate)
               && !candidate->groupTagged && !candidate->fringe && !candidate->englishRegister;
    });
    moveToFront(list, own);
}

// Puts the German verb that ranks best among the lines giving the English word
// first as a verb ("etw. automatisieren {vt} [techn.] | ... :: to automate
// sth. | ...") first where the ranking chose a noun for a word that the
// dictionary uses far more often as a verb ("Automat {m} | Automaten {pl} ::
// automate | automats", an old word for "automaton"): the verb is what the
// word means first, and a field tag on its line names where it is used, not
// a side sense. As for putNounMainEntryBeforeSideVerb, three times more
// often; the verb is a single word, reflexive or not, has no note and is
// neither a fringe word nor tagged with a register: a phrase names a use
// ("Lava ausstoßen" for "belch"). A noun that is a verb's infinitive ("Quaken
// {n}" beside "quaken") is the verb already.
void putVerbBeforeSideNoun(QVector<const Candidate *> &list, const EnglishWordUses &uses)
{
    if (list.isEmpty() || list.first()->englishVerb || !list.first()->noun)
        return;
    if (uses.verb < 3 * std::max(1, uses.other))
        return;
    const QString top = list.first()->german.toLower();
    const auto isVerb = [](const Candidate *candidate) {
        return candidate->first && candidate->englishVerb && !candidate->noun;
    };
    if (std::any_of(list.cbegin(), list.cend(),
                    [&](const Candidate *candidate) { return isVerb(candidate) && candidate->german == top; }))
        return;
    const auto verb = std::find_if(list.begin(), list.end(), [&isVerb](const Candidate *candidate) {
        const QString &german = candidate->german;
        const bool word = !german.contains(u' ')
                          || (german.startsWith(u"sich ") && german.count(u' ') == 1);
        return isVerb(candidate) && word && !candidate->noted && !candidate->fringe
               && candidate->germanSense != Sense::SpecialRegister && !candidate->englishRegister;
    });
    moveToFront(list, verb);
}

// Puts a noun's own entry back before a verb spelt like the noun's plural
// ("Trompete {f} [mus.] | Trompeten {pl} :: trumpet; trump | trumpets"
// beside "trompeten {vi} [mus.] | ... :: to trumpet; to play the trumpet"),
// where the two stood level but for how common the words are: the lines
// are counted by lower-case word, so the verb's count takes in every line
// of the noun's plural ("mit Pauken und Trompeten"), and the verb won on
// the noun's own uses. The noun heads a line with its plurals that gives
// the English word first, and ranks level with the verb by subtitle place
// and by field or register.
void putNounBeforeVerbOfItsPluralsSpelling(QVector<const Candidate *> &list)
{
    if (list.size() < 2 || list.first()->noun || !list.first()->englishVerb)
        return;
    const Candidate *top = list.first();
    moveToFront(list, std::find_if(list.begin() + 1, list.end(), [top](const Candidate *c) {
                    return c->first && c->germanFirst && c->noun && c->pluralForms && !c->noted && !c->fringe
                           && c->subtitle == top->subtitle && isSpecial(*c) == isSpecial(*top)
                           && (c->german + u'n').toLower() == top->german;
                }));
}

// Whether German phrase `shorter`, of two words or more, stands whole, word
// for word, inside the longer phrase `longer` ("gut laufen" in "normal gut
// laufen"). Unlike holdsPhrase below it compares spellings exactly.
bool holdsShorterPhrase(const QString &longer, const QString &shorter)
{
    return shorter.contains(u' ') && longer.size() > shorter.size()
           && (u' ' + longer + u' ').contains(u' ' + shorter + u' ');
}

// Gives one place to a later German synonym and the earlier ranked phrase of
// its own line that holds it word for word ("normal gut laufen; gut laufen
// {vi} :: to tick"): the line gives one rendering twice, once shortened, and
// as two words of a row it took a place that another line's word needs
// ("Zecke {f} ... [zool.] :: tick" was left out of "tick"). The shorter
// phrase, the plain rendering, keeps the better place ("die ganze Zeit"
// of "die ganze Zeit über; die ganze Zeit {adv}"). Words of other
// lines stay, as they are renderings of their own ("im Zickzack laufen"
// beside "im Zickzack").
void giveShortenedPhraseOfSameLineOnePlace(QVector<const Candidate *> &list)
{
    for (qsizetype i = list.size() - 1; i > 0; --i) {
        const Candidate *candidate = list.at(i);
        if (candidate->germanFirst)
            continue;
        const auto held = std::find_if(list.begin(), list.begin() + i, [candidate](const Candidate *earlier) {
            return earlier->line == candidate->line && holdsShorterPhrase(earlier->german, candidate->german);
        });
        if (held == list.begin() + i)
            continue;
        *held = candidate;
        list.remove(i);
    }
}

// Brings into a row the plain noun of a full noun entry whose head is a
// compound of it, given for the plain English word after the compound's own
// ("Schmelzsicherung {f}; Sicherung {f}; Sicherungselement {n} [electr.] |
// Schmelzsicherungen {pl}; ... | ... | eine Sicherung durchhauen :: safety
// fuse; fuse | safety fuses; fuses | ... | to blow a fuse"), where the row's
// six places hold no noun from such an entry and the dictionary uses the
// English word at least as often as a noun as a verb. The line pairs its
// words place by place, the compound with the phrase and the plain noun with
// the plain word, and its plurals, compounds and examples make it the noun's
// main entry; given second on it, the noun lost its place to verbs of short
// lines ("verschmelzen", "sichern", "sich verbinden" for "fuse"), so that the
// row had no word for the thing at all. It goes before the first noun of the
// six, or sixth where there is none: a row that already leads with its
// verbs keeps them. Only the second German word for the second English one
// counts, untagged, with no note and in general use: a later compound
// ("Elementarteilchenbeschleuniger {m}; Teilchenbeschleuniger {m};
// Beschleuniger {m}") is no plain word, and a noted one ("Lokomotivheizer
// {m}; Heizer {m} (Dampflokomotive)") names a use.
void putCompoundEntrysPlainNounInRow(QVector<const Candidate *> &list, const EnglishWordUses &uses)
{
    if (uses.other < std::max(1, uses.verb))
        return;
    const auto fullNounEntry = [](const Candidate *candidate) {
        return candidate->noun && candidate->pluralForms && candidate->sections > 2;
    };
    QSet<QString> seen;
    qsizetype sixth = -1;
    qsizetype firstNoun = -1;
    for (qsizetype i = 0; i < list.size() && seen.size() < kMaxGermanTranslations; ++i) {
        const Candidate *candidate = list.at(i);
        if (seen.contains(candidate->german.toLower()))
            continue;
        seen.insert(candidate->german.toLower());
        if (candidate->noun && (candidate->sections > 1 || (candidate->first && fullNounEntry(candidate))))
            return;
        if (candidate->noun && firstNoun < 0)
            firstNoun = i;
        sixth = i;
    }
    if (seen.size() < kMaxGermanTranslations)
        return;
    const auto plain = std::find_if(list.begin() + sixth + 1, list.end(), [&](const Candidate *candidate) {
        return candidate->compounded && candidate->plainWord && !candidate->first && candidate->germanPlace == 1
               && candidate->englishPlace == 1 && fullNounEntry(candidate) && candidate->namedAgain
               && candidate->germanNamedAgain && !candidate->noted && !candidate->englishNoted
               && !candidate->fringe && !isSpecial(*candidate) && !candidate->englishRegister
               && !seen.contains(candidate->german.toLower());
    });
    if (plain == list.end())
        return;
    const qsizetype to = firstNoun >= 0 ? firstNoun : sixth;
    std::rotate(list.begin() + to, plain, plain + 1);
}

// Whether an English word names a woman: "female singer", "Englishwoman",
// "Japanese woman", "actress", "lioness". A noun in "-ness" names a quality
// or a person of either sex ("witness": "Zeuge {m}; Zeugin {f}").
bool namesWoman(const QString &english)
{
    const QString lower = english.toLower();
    const QStringList words = lower.split(u' ');
    const bool ness = lower.endsWith(QLatin1String("ness")) && !lower.endsWith(QLatin1String("oness"));
    return words.contains(QLatin1String("female")) || lower.endsWith(QLatin1String("woman"))
           || lower.endsWith(QLatin1String("women")) || (lower.endsWith(QLatin1String("ess")) && !ness);
}

// Whether `feminine` is the feminine form of the German noun `masculine`:
// "-in" after the masculine, which drops a final "e" and may take an umlaut
// on its last vowel ("Sänger" -> "Sängerin", "Franzose" -> "Französin",
// "Arzt" -> "Ärztin", "Koch" -> "Köchin").
bool isFeminineOf(const QString &masculine, const QString &feminine)
{
    if (!feminine.endsWith(QLatin1String("in")))
        return false;
    const QString base = feminine.chopped(2);
    const QString stem = masculine.endsWith(u'e') ? masculine.chopped(1) : masculine;
    if (base == stem)
        return true;
    if (base.size() != stem.size())
        return false;
    static const QString plain = QStringLiteral("aouAOU");
    static const QString umlauts = QStringLiteral("äöüÄÖÜ");
    for (qsizetype i = stem.size() - 1; i >= 0; --i) {
        const qsizetype vowel = plain.indexOf(stem.at(i));
        if (vowel < 0 && stem.at(i) != u'e' && stem.at(i) != u'i')
            continue;
        // The umlaut falls on the last full vowel; "au" takes it on the "a".
        if (vowel < 0)
            return false;
        QString umlauted = stem;
        umlauted[i] = umlauts.at(vowel);
        return base == umlauted;
    }
    return false;
}

// Puts the head of an English word's main entry of one kind first where the
// ranking chose a word of another kind that has no main entry and whose
// lines giving the word first are all much shorter: a noun's entry of many
// compounds and examples names the word's main sense ("Preis {m} (für etw.)
// [econ.] | Preise {pl} | ... :: price (for sth.) | prices | ...", 45
// sections) before a verb of a short line ("mit einem Preis versehen;
// auspreisen {vt} | ... :: to price | pricing | priced"). The entry has at
// least 13 sections and three times the longest such line, and no note:
// with 10, entries of a side sense's forms led ("vervollständigen" for
// "complete", "zerkratzen" for "scratch").
constexpr int kDominantEntrySections = 13;
void putDominantOtherKindEntryFirst(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first)
        return;
    const Candidate *top = list.first();
    const int kind = kindOf(*top);
    // A top word whose kind has a main entry of its own keeps its place: the
    // ranking weighs the two entries ("Pumpe" and "pumpen").
    int longestOfTopKind = 0;
    for (const Candidate *candidate : std::as_const(list)) {
        if (candidate->englishMainEntry && kindOf(*candidate) == kind)
            return;
        if (candidate->first && kindOf(*candidate) == kind)
            longestOfTopKind = std::max(longestOfTopKind, candidate->sections);
    }
    const auto main = std::find_if(list.begin(), list.end(), [kind, longestOfTopKind](const Candidate *candidate) {
        return candidate->englishMainEntry && candidate->germanFirst && kindOf(*candidate) != kind
               && candidate->sections >= kDominantEntrySections && candidate->sections >= 3 * longestOfTopKind
               && !candidate->noted && !candidate->fringe;
    });
    moveToFront(list, main);
}

// Puts first the head of a noun's plain full entry where the ranking chose
// a verb whose lines giving the English word first are all short, the verb
// and at most its participles (kShortLineSections): such lines name a sense
// without a single example, and the ranking chose among them by how common
// the German verb is in all its senses ("einnehmen; beeinflussen {vt} |
// einnehmend; beeinflussend | eingenommen; beeinflusst :: to prejudice |
// ..."), while the noun's entry gives the English word first with its
// plural, compounds and examples ("Vorurteil {n}; Voreingenommenheit {f};
// Befangenheit {f} | Vorurteile {pl} | ... :: prejudice; biased opinion |
// prejudices | ..."), the word's main sense. The entry is the longest of the
// noun lines giving the word first, longer than any other, with at least
// kOwnVerbEntrySections sections and three times the longest verb line;
// neither side carries a note, tag, register or fringe word. Judged against
// the rows it changed, the same move for a verb's full entry over short
// noun lines, or between adjectives and other words, put as many side
// senses first as it mended ("martern" for "martyr", "hinunterschlucken"
// for "swallow", "freilegen" for "bare").
void putNounsFullEntryBeforeShortVerbLines(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first || kindOf(*list.first()) != 1)
        return;
    int longestVerbLine = 0;
    int longestNounLine = 0;
    int nounLinesOfThatLength = 0;
    QSet<int> seen;
    for (const Candidate *candidate : std::as_const(list)) {
        if (!candidate->first || seen.contains(candidate->line))
            continue;
        seen.insert(candidate->line);
        const int kind = kindOf(*candidate);
        if (kind == 1) {
            longestVerbLine = std::max(longestVerbLine, candidate->sections);
        } else if (kind == 0 && candidate->sections > longestNounLine) {
            longestNounLine = candidate->sections;
            nounLinesOfThatLength = 1;
        } else if (kind == 0 && candidate->sections == longestNounLine) {
            ++nounLinesOfThatLength;
        }
    }
    if (longestVerbLine > kShortLineSections || nounLinesOfThatLength != 1)
        return;
    const auto entry = std::find_if(list.begin(), list.end(), [&](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && kindOf(*candidate) == 0
               && candidate->sections == longestNounLine && candidate->sections >= kOwnVerbEntrySections
               && candidate->sections >= 3 * longestVerbLine && !candidate->noted && !candidate->englishNoted
               && !isSpecial(*candidate) && !candidate->lineTagged && !candidate->fieldTagged
               && !candidate->groupTagged && !candidate->fringe && !candidate->englishRegister
               && !candidate->englishVariant;
    });
    moveToFront(list, entry);
}

// Puts last the German words of lines that give the English word only far
// down a long list of English synonyms (13th or later), behind those of
// lines that give it sooner, tagged or not: the 17th English word of
// "Dummkopf {m}; ...; Esel {m} :: fool; jerk; airhead; ...; boob [Am.]; poop
// [Am.]; ..." is a loose name for a fool, while "Kacke {f} [slang]; Scheiße
// {f} [vulg.] :: crap [slang]; ...; poop [Am.] [slang]; ..." names what
// "poop" means. Judged against the rows it changed, from the 9th place on it
// also moved the plain senses of a few words back ("brilliant" of
// "großartig; ...").
constexpr int kLateEnglishPlace = 12;

void putWordsGivenLateOnLongLinesLast(QVector<const Candidate *> &list)
{
    std::stable_partition(list.begin(), list.end(), [](const Candidate *candidate) {
        return candidate->first || candidate->englishPlace < kLateEnglishPlace;
    });
}

// Keeps the head of a line among the German words of an English word where
// the row shows two or more of that line's later synonyms but not its head
// ("niedrig; flach; gering; tief; leise (Stimme) {adj} | ... :: low | ..."
// gave "low" the row "klein, flach, schwach, tief, gering, ..." without
// "niedrig"): the dictionary lists the words of one sense with the main one
// first, and a head that the subtitle list misses ranks four times its length
// down, behind its own later synonyms where other lines support them. The
// head is a single adjective on its own entry, a line that gives the English
// word alone and first with the comparative and superlative of each German
// word (givesComparison), with no note, narrow field's tag, register or regional
// tag; it goes just before the first of its later synonyms in the row, though
// not before the row's first word. Judged against the rows it changed, the
// same rule for any line of three sections or more put rarer verbs and nouns
// in place of common ones as often as it mended a row ("erproben" for
// "testen", "abwerfen" for "fallen lassen").
void keepLineHeadBeforeItsSynonyms(QVector<const Candidate *> &list)
{
    // Where each word (in lower case) first stands in the list.
    QHash<QString, qsizetype> placeOf;
    qsizetype rowWords = 0;
    qsizetype rowEnd = 0;  // the list place of the row's last word
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString lower = list.at(i)->german.toLower();
        if (placeOf.contains(lower))
            continue;
        placeOf.insert(lower, i);
        if (rowWords < kMaxGermanTranslations) {
            ++rowWords;
            rowEnd = i;
        }
    }
    if (rowWords < kMaxGermanTranslations)
        return;
    const WordRanks &ranks = WordRanks::forLanguage(QStringLiteral("de"));
    for (qsizetype h = 0; h < list.size(); ++h) {
        const Candidate *head = list.at(h);
        if (!head->first || !head->germanFirst || !head->englishAlone || !head->comparison
            || head->german.contains(u' ') || head->noted || isSpecial(*head) || head->fringe
            || head->germanColloquial || head->englishRegister || placeOf.value(head->german.toLower()) <= rowEnd
            || ranks.rank(head->german) != 0)
            continue;
        int shown = 0;
        qsizetype before = list.size();
        for (const Candidate *later : std::as_const(list)) {
            if (later->line != head->line || !later->first || later->germanFirst || later->noted
                || isSpecial(*later))
                continue;
            const qsizetype place = placeOf.value(later->german.toLower());
            if (place <= rowEnd) {
                ++shown;
                before = std::min(before, place);
            }
        }
        if (shown >= 2) {
            before = std::max<qsizetype>(before, 1);
            std::rotate(list.begin() + before, list.begin() + h, list.begin() + h + 1);
            return;
        }
    }
}

// Puts the feminine form of a German noun before its masculine one where the
// English word names a woman and one line gives both forms ("Sänger {m};
// Sängerin {f} | ... :: singer; female singer | ..."): the dictionary lists
// the masculine first on the line, and the ranking, which does not pair the
// two sides' synonyms, keeps that order for the woman's word too.
void putFeminineFormsFirst(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !namesWoman(list.first()->english))
        return;
    for (qsizetype i = 0; i < list.size(); ++i) {
        const Candidate *masculine = list.at(i);
        if (!masculine->noun)
            continue;
        for (qsizetype j = i + 1; j < list.size(); ++j) {
            const Candidate *candidate = list.at(j);
            if (candidate->noun && candidate->line == masculine->line
                && isFeminineOf(masculine->german, candidate->german)) {
                std::rotate(list.begin() + i, list.begin() + j, list.begin() + j + 1);
                break;
            }
        }
    }
}

// The German word in the letters its English cognate would mostly use:
// lowercase, umlauts and "ß" spelt out, "k" and "z" as "c" ("zynisch" ->
// "cynisch", "Flanke" -> "flance").
QString cognateLetters(const QString &word)
{
    QString out;
    out.reserve(word.size() + 2);
    for (const QChar c : word.toLower()) {
        switch (c.unicode()) {
        case u'\u00e4': out += u'a'; break;
        case u'\u00f6': out += u'o'; break;
        case u'\u00fc': out += u'u'; break;
        case u'\u00df': out += QLatin1String("ss"); break;
        case u'k': case u'z': out += u'c'; break;
        default: out += c;
        }
    }
    return out;
}

// Whether a single English word is the German word's cognate: written the
// same but for about one letter in four ("Flanke" and "flank", "Kommission"
// and "commission"), both of at least four letters.
bool isCognate(const QString &german, const QString &english)
{
    if (german.size() < 4 || english.size() < 4 || german.contains(u' ') || english.contains(u' '))
        return false;
    const QString a = cognateLetters(german);
    const QString b = cognateLetters(english);
    return editDistance(a, b) <= std::max<qsizetype>(1, std::min(a.size(), b.size()) / 4);
}

// Puts the word of a line the German word heads with no tag or note first
// where the ranking chose the word of a line that a note before the German
// word narrows ("(geistige) Anziehungskraft {f}; Chemie {f} [ugs.] :: chemistry"
// before "Anziehungskraft {f}; Attraktivität {f} (zwischen jdm./von etw.) |
// körperliche Anziehungskraft/Attraktivität | ... :: attraction;
// attractiveness | ..."): the note names one use of the word, and the plain
// line, with at least as many sections, its general sense. The subtitle
// list misses many such words, and then how often the dictionary mentions
// a word ranks them, which favours words that name a field. Judged against
// the rows it changed, the same for a note after the word put as many side
// uses first as it moved back ("drain" for "Ablauf", "noddle" for "Birne").
void putPlainHeadBeforeNotedHead(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first || !list.first()->germanFirst || !list.first()->germanObjectNoted
        || list.first()->englishNoted || list.first()->mainEntry || list.first()->clearMainEntry)
        return;
    const Candidate *top = list.first();
    const auto plain = std::find_if(list.begin() + 1, list.end(), [top](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->noun == top->noun
               && candidate->sections >= top->sections && !candidate->noted && !candidate->englishNoted
               && !candidate->wordClass.notedAfterClass && !isSpecial(*candidate) && !candidate->fringe
               && !candidate->otherSense && !candidate->englishRegister && !candidate->englishDated
               && !candidate->lineTagged && !candidate->fieldTagged && !candidate->groupTagged;
    });
    moveToFront(list, plain);
}

// Puts the English cognate of a German word first where a plain line gives
// it as its first word and the ranking chose another word ("Flanke {f} |
// Flanken {pl} :: flank | flanks" before "Flanke {f} (Fußball) [sport] ::
// wing (football)"): where the dictionary offers the word the German one
// shares its root with, untagged and un-narrowed, that is the word's main
// sense, and the subtitle list, which misses many such words, ranks them
// behind any listed word of a side use.
void putCognateFirst(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || list.first()->mainEntry || list.first()->clearMainEntry
        || isCognate(list.first()->german, list.first()->english))
        return;
    const auto cognate = std::find_if(list.begin(), list.end(), [](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->sections > 1 && !candidate->noted
               && !candidate->otherSense
               && !candidate->fringe && !isSpecial(*candidate) && !candidate->englishRegister
               && isCognate(candidate->german, candidate->english);
    });
    moveToFront(list, cognate);
}

// Puts the English cognate of a German word first where a bare line the
// German word heads gives it as its first word and the ranking chose the
// word of another bare line it heads ("intellektuell; geistig {adj} ::
// intellectual" before "intellektuell {adj} :: high-minded"): of two lines
// alike in weight, the one whose word shares the German word's root names
// its main sense. putCognateFirst asks the cognate's line for forms or
// examples.
void putBareLinesCognateFirst(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first || !list.first()->germanFirst || list.first()->sections != 1
        || list.first()->mainEntry || list.first()->clearMainEntry
        || isCognate(list.first()->german, list.first()->english))
        return;
    const auto cognate = std::find_if(list.begin(), list.end(), [](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->sections == 1 && !candidate->noted
               && !candidate->otherSense && !candidate->fringe && !isSpecial(*candidate)
               && !candidate->englishRegister && isCognate(candidate->german, candidate->english);
    });
    moveToFront(list, cognate);
}

// Puts the English cognate of a German word first where a line gives it as
// its first word with the German word as a later synonym, and the ranking
// chose a word that is itself a later synonym's or narrowed by a note
// ("Fassungsvermögen {n}; Kapazität {f}; ... :: capacity; ..." before
// "Fachgröße {f}; Kapazität {f}; Autorität {f}; ... :: authority"): of two
// lines that share the German word with other words, the one whose English
// word shares its root names its main sense. Judged against the rows it
// changed, about three in four came out better, one in twelve worse
// ("technics" for "Technik").
void putLaterSynonymsCognateFirst(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || list.first()->mainEntry || list.first()->clearMainEntry
        || (list.first()->germanFirst && !list.first()->noted) || isCognate(list.first()->german, list.first()->english))
        return;
    const auto cognate = std::find_if(list.begin(), list.end(), [](const Candidate *candidate) {
        return candidate->first && !candidate->germanFirst && !candidate->noted && !candidate->otherSense
               && !candidate->fringe && !isSpecial(*candidate) && !candidate->englishRegister
               && isCognate(candidate->german, candidate->english);
    });
    moveToFront(list, cognate);
}

// Puts the German word's look-alike first where a fuller entry that lists
// the word as a later synonym gives it as its first word, and the ranking
// chose the plain word of a shorter line that lists the German word later
// too ("Abordnung {f}; Delegation {f} {+Gen./bei} [adm.] | Abordnungen {pl};
// Delegationen {pl} | Handelsdelegation {f} | ... :: delegation (from/to) |
// ..." before "Mission {f}; Abordnung {f}; Delegation {f} | Missionen {pl};
// ... :: mission | missions"): the shorter line names its first word's
// sense, while the entry with the plurals and examples names the sense the
// German word shares its root with, whatever field its tag names. The entry
// has at least three sections, more than the chosen line, and gives the
// plurals. Judged against the rows it changed, a fuller line without
// plurals, or a chosen word narrowed by a note, as often put a look-alike's
// side sense first ("lust" for "Lust", "pelt" for "Pelz").
void putLaterSynonymsFullEntryCognateFirst(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first || list.first()->germanFirst || list.first()->noted
        || list.first()->mainEntry || list.first()->clearMainEntry
        || isCognate(list.first()->german, list.first()->english))
        return;
    const Candidate *top = list.first();
    const auto cognate = std::find_if(list.begin(), list.end(), [top](const Candidate *candidate) {
        return candidate->first && !candidate->germanFirst && candidate->pluralForms
               && candidate->sections >= std::max(3, top->sections + 1) && !candidate->otherSense
               && !candidate->fringe && candidate->germanSense != Sense::SpecialRegister
               && !candidate->englishRegister && isCognate(candidate->german, candidate->english);
    });
    moveToFront(list, cognate);
}

// Puts the English word spelt as the German noun first where a full entry
// with its plurals, at least five sections and three times as many as the
// chosen word's line, gives it first and the ranking chose another word
// ("Werkzeughammer {m}; Hammer {m} [techn.] |
// Werkzeughämmer {pl}; Hämmer {pl} | Abrichthammer {m}; ... :: hammer (tool)
// | hammers | ..." before "Hammer {m} | Hämmer {pl} :: sledge | sledges"):
// the entry with the compounds and examples names the thing the two
// languages share a word for, whatever its field tag or note. Judged
// against the rows it changed, all three ("Hammer", "Material",
// "Emission") came out better.
void putSameWordOfFullEntryFirst(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first || list.first()->clearMainEntry
        || isCognate(list.first()->german, list.first()->english))
        return;
    const Candidate *top = list.first();
    const auto same = std::find_if(list.begin() + 1, list.end(), [top](const Candidate *candidate) {
        return candidate->first && candidate->noun && candidate->pluralForms
               && candidate->sections >= std::max(5, 3 * top->sections)
               && candidate->english.compare(candidate->german, Qt::CaseInsensitive) == 0 && !candidate->otherSense
               && !candidate->fringe && candidate->germanSense != Sense::SpecialRegister
               && !candidate->englishRegister && !candidate->englishDated;
    });
    moveToFront(list, same);
}

// Puts the word of a German word's plain line first where the ranking chose
// a word that a later line narrows by a note ("Läufer {m} (Schachfigur) |
// Läufer {pl} :: bishop (chessman) | bishops"). The plain line comes earlier
// in the file, heads with the German word, has no tag or note on either
// side, and gives forms or examples, at least as many sections as the chosen
// line ("Läufer {m} [sport] | Läufer {pl} :: runner | runners"); its word is
// a single word that the dictionary's lines mention at least as often as
// the chosen one. The dictionary lists a word's general sense before its
// uses, and the subtitle list, which misses "runner", would rank any listed
// word of a narrowed use before it. Judged against the rows they changed,
// a later plain line, a phrase or a rarer word as often put a side use first
// ("reconvert" for "umstellen", "pasty" for "blass").
// The same holds where the ranking chose the word of a line that gives the
// German noun only as a later synonym, whatever the note: the noun's own line
// names its general sense ("Blase {f} [anat.] | Blasen {pl} :: bladder |
// bladders" before "Gaseinschluss {m}; Gasblase {f}; Blase {f}; ... :: gas
// pocket; ..."), and there the dictionary's mentions, which count a
// technical phrase's common words, do not tell the rarer word.
// A chosen word that is the German word's own look-alike on a line it
// stands later on (counterpartPlace) keeps its place unless the headed
// line's word is at least as common: "Platte :: plate" stays before the
// serving "dish" of "Platte {f}; Teller {n}; Schale {f} [cook.] :: dish".
template<typename Commonness>
void putPlainHeadedLineFirst(QVector<const Candidate *> &list, Commonness commonness)
{
    if (list.isEmpty() || list.first()->mainEntry || list.first()->clearMainEntry)
        return;
    const Candidate *top = list.first();
    if (!top->noted && (top->germanFirst || !top->noun))
        return;
    const auto plain = std::find_if(list.begin(), list.end(), [top, &commonness](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && !candidate->noted && !candidate->otherSense
               && !candidate->fringe && !isSpecial(*candidate) && !candidate->englishRegister
               && !candidate->english.contains(u' ') && candidate->sections >= std::max(2, top->sections)
               && candidate->line < top->line
               && (!(top->noted || top->counterpart) || commonness(*candidate) >= commonness(*top));
    });
    moveToFront(list, plain);
}

// Whether an English phrase is a kind of `word`: its last word, or the word
// before "of" ("mountain saddle", "stand of vegetation"). A phrase opened by
// a preposition is a use of the word, not a kind ("by chance").
bool narrowsWord(const QString &phrase, const QString &word)
{
    if (!phrase.contains(u' ') || word.contains(u' '))
        return false;
    const QStringList words = phrase.split(u' ');
    static const QSet<QString> prepositions{QStringLiteral("at"), QStringLiteral("by"), QStringLiteral("for"),
                                            QStringLiteral("from"), QStringLiteral("in"), QStringLiteral("on"),
                                            QStringLiteral("to"), QStringLiteral("with")};
    if (prepositions.contains(words.first().toLower()))
        return false;
    const qsizetype of = words.indexOf(QLatin1String("of"));
    const QString &head = of > 0 ? words.at(of - 1) : words.last();
    return head.compare(word, Qt::CaseInsensitive) == 0;
}

// Puts a plain English word before a phrase that names a kind of it where
// the ranking chose the phrase ("hotel reception" and "reception" for
// "Rezeption", "food menu" and "menu" for "Speisekarte"): where a line gives
// the plain word for the German word too, with no tag or note, the German
// word means it in general. Judged against the rows it changed, about one in four loses a
// precise name ("wild boar" for "Wildschwein").
void putPlainWordBeforeItsKind(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->english.contains(u' '))
        return;
    const Candidate *top = list.first();
    const auto plain = std::find_if(list.begin(), list.end(), [top](const Candidate *candidate) {
        return candidate->first && !candidate->noted && !candidate->otherSense && !candidate->fringe
               && !isSpecial(*candidate) && !candidate->englishRegister && narrowsWord(top->english, candidate->english);
    });
    moveToFront(list, plain);
}

// Puts the word of an adjective's own entry first where the ranking chose
// the word of a line that gives the German adjective only as a later
// synonym ("stürmisch {adj} | stürmischer | am stürmischsten :: stormy |
// ..." before "wild; ausgelassen; stürmisch; ungebärdig {adj} | ... ::
// wild | ..."): the later synonym shares one sense of the line's first word,
// which its own entry, with its comparative and superlative, need not name.
// An English word that no other line of the dictionary uses is a rare one
// ("distrustful" for "misstrauisch", "smeary" for "schmierig") and stays
// where the ranking put it. Judged against the rows it changed, about three
// in five came out better and one in six worse ("hardy" for "kühn").
template<typename Commonness>
void putOwnAdjectiveEntryFirst(QVector<const Candidate *> &list, Commonness commonness)
{
    if (list.isEmpty() || list.first()->noun || list.first()->germanFirst || list.first()->clearMainEntry)
        return;
    const auto own = std::find_if(list.begin(), list.end(), [&commonness](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->comparison
               && commonness(*candidate) > 1 && !candidate->noted
               && !candidate->otherSense && !candidate->fringe && !isSpecial(*candidate)
               && !candidate->englishRegister && !candidate->english.contains(u' ');
    });
    moveToFront(list, own);
}

// Puts the word of a line that a German adjective heads first where the
// ranking chose the word of a line that gives the adjective only as a later
// synonym and no line compares it (see putOwnAdjectiveEntryFirst): the
// later synonym shares one sense of the line's first word ("unvorteilhaft;
// nicht sehr kleidsam {adj} [textil.] | Dieses Kleid steht ihr nicht. ::
// unbecoming | ..." before "unbequem; ungemütlich; unpraktisch;
// unvorteilhaft {adj} | ... :: uncomfortable | ..."). The headed line gives
// examples, at least as many sections as the chosen one, and at least as
// many lines give its word first; the chosen line compares none of its
// adjectives, which would make it a full entry of its own. Judged against
// the rows it changed, about half came out better and one in five worse
// ("stodgy" for "verstaubt").
template<typename Commonness>
void putHeadedAdjectiveLineFirst(QVector<const Candidate *> &list, Commonness commonness)
{
    if (list.isEmpty() || list.first()->noun || list.first()->germanFirst || list.first()->clearMainEntry
        || list.first()->mainEntry || list.first()->comparison || !list.first()->wordClass.adjective)
        return;
    const Candidate *top = list.first();
    const auto own = std::find_if(list.begin(), list.end(), [top, &commonness](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->wordClass.adjective
               && candidate->sections >= std::max(2, top->sections) && candidate->support >= top->support
               && commonness(*candidate) > 1
               && !candidate->noted && !candidate->otherSense && !candidate->fringe && !isSpecial(*candidate)
               && !candidate->englishRegister && !candidate->english.contains(u' ');
    });
    moveToFront(list, own);
}

// Puts the word of a German verb's own line first where the ranking chose
// the word of a line that gives the verb only as a later synonym ("tarnen
// {vt} | tarnend | getarnt | ... :: to camouflage; ..." before "abdecken;
// verbergen; maskieren; tarnen {vt} | ... :: to mask | ..."): as for
// adjectives (putOwnAdjectiveEntryFirst), the later synonym shares one sense
// of the line's first verb. The own line gives the verb's forms, at least as
// many sections as the chosen line, and a single word. Judged against the
// rows it changed, about three in five came out better and one in ten worse.
// Where the chosen word is a phrase ("to go one better", "to add up"), an
// English word that no other line of the dictionary uses ("to overruff",
// "to totalize") is the rarer of the two and does not displace it.
// Whether a verb's own line is a full entry of a field's word: its German
// words tagged with a field (not a register), the English word untagged,
// and its forms given in full, present and past tense, more sections than
// the chosen line ("etw. unterstreichen {vt} [print] | unterstreichend |
// unterstrichen | unterstreicht | unterstrich :: to underline sth.; ..."
// before "to point up" of "etw. hervorheben; unterstreichen; ... {vt} | ...").
// The field names where the sense comes from, not a side use.
constexpr int kConjugatedSections = 5;

bool conjugatedInField(const Candidate &candidate, const Candidate &top)
{
    return candidate.germanSense == Sense::SpecialField && !candidate.englishSpecial
           && candidate.sections >= kConjugatedSections && candidate.sections > top.sections;
}

template<typename Commonness>
void putOwnVerbEntryFirst(QVector<const Candidate *> &list, Commonness commonness)
{
    if (list.isEmpty() || list.first()->noun || list.first()->germanFirst || list.first()->clearMainEntry
        || !list.first()->englishVerb)
        return;
    const Candidate *top = list.first();
    const auto own = std::find_if(list.begin(), list.end(), [top, &commonness](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->englishVerb && !candidate->noted
               && !candidate->otherSense && !candidate->fringe
               && (!isSpecial(*candidate) || conjugatedInField(*candidate, *top))
               && !candidate->englishRegister && !candidate->english.contains(u' ')
               && candidate->sections >= std::max(2, top->sections)
               && (!top->english.contains(u' ') || commonness(*candidate) > 1);
    });
    moveToFront(list, own);
}

// Puts the word of a German adjective's own line first where the ranking
// chose the word of a line that gives it as an adverb only ("schroff {adv}
// | ... :: shortly; sharply" before "schroff {adj} | schroffer | am
// schroffsten :: rugged | ..."): German adjectives serve as adverbs
// unchanged, so the adverb's line names a use of the adjective, and its
// English "-ly" adverb reads as a word of its own ("shortly" as "soon").
// The adjective's line must give forms or examples and a single word: bare
// lines and phrases, judged against the rows they changed, as often put a
// side use first ("on the nail" for "sofort"). A line whose German words
// share a field tag names a field's use ("tatsächlich; effektiv {adj} [fin.]
// [jur.] :: effective"), not the adjective's main sense.
void putAdjectiveBeforeAdverb(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->wordClass.adverb || list.first()->wordClass.adjective
        || !list.first()->english.endsWith(QLatin1String("ly")))
        return;
    const auto adjective = std::find_if(list.begin(), list.end(), [](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->wordClass.adjective && candidate->sections > 1
               && !candidate->english.contains(u' ') && !candidate->noted
               && !candidate->otherSense && !candidate->fringe && !isSpecial(*candidate)
               && !candidate->englishRegister && !candidate->groupTagged;
    });
    moveToFront(list, adjective);
}

// Puts the word of an adjective line first where the ranking chose an "-ly"
// adverb of a line that lists the German word as a later synonym too and
// gives it as an adverb only ("feige; feig; kleinmütig ... {adv} ::
// faint-heartedly; ..." before "feige; feig; kleinmütig ... {adj} | ... ::
// cowardly; faint-hearted; ..."): the adverb line repeats the adjective's
// entry for its use as an adverb, so for a word that heads neither line the
// adjective's word still names it. putAdjectiveBeforeAdverb asks for a line
// the German word heads, and leaves these rows to an English adverb.
void putLaterSynonymsAdjectiveBeforeAdverb(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->wordClass.adverb || list.first()->wordClass.adjective
        || list.first()->germanFirst || !list.first()->english.endsWith(QLatin1String("ly")))
        return;
    const Candidate *top = list.first();
    const auto adjective = std::find_if(list.begin(), list.end(), [top](const Candidate *candidate) {
        return candidate->first && !candidate->germanFirst && candidate->wordClass.adjective
               && candidate->line + 1 == top->line && candidate->sections > 1
               && !candidate->english.contains(u' ') && !candidate->noted
               && !candidate->otherSense && !candidate->fringe && !isSpecial(*candidate)
               && !candidate->englishRegister && !candidate->groupTagged;
    });
    moveToFront(list, adjective);
}

// A word met on fewer lines of the dictionary is its rarity, not a sense.
constexpr int kMinHeadedWordLines = 3;

// Puts first the first word of a line the German word heads, with forms or
// examples, where the ranking chose the word of a bare line listing the German
// word as a later synonym. The word must be a single, plain word the
// dictionary mentions often enough, not an adverb's over an adjective's, and
// pass `admits`, the bar each rule below sets for the line.
template<typename Commonness, typename Admits>
void putOwnLineBeforeBareSynonymLine(QVector<const Candidate *> &list, Commonness commonness, Admits admits)
{
    if (list.isEmpty() || list.first()->germanFirst || list.first()->sections > 1 || list.first()->clearMainEntry)
        return;
    const Candidate *top = list.first();
    const auto own = std::find_if(list.begin() + 1, list.end(), [top, &commonness, &admits](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->sections > 1 && admits(*candidate)
               && commonness(*candidate) >= kMinHeadedWordLines && candidate->english != top->english
               && !candidate->english.contains(u' ') && (!candidate->wordClass.adverb || top->wordClass.adverb)
               && !candidate->noted && !candidate->otherSense && !candidate->fringe
               && !candidate->englishRegister && !candidate->englishColloquial;
    });
    moveToFront(list, own);
}

// Puts the word of a line headed by the German word first where the ranking
// chose the word of a bare line that lists the German word only as a later
// synonym ("Rettung {f}; Ausweg {m}; Zuflucht {f} :: resort" for
// "Zuflucht"): such a line shares one sense of its first word, while the
// German word's own line, with its forms or examples, names its own
// ("Zuflucht {f}; Asylschutz {m}; ... | Kirchenasyl {n} | ... :: refuge;
// sanctuary | ..."). The own line gives its word first, plain and untagged,
// and a single word that at least kMinHeadedWordLines lines of the
// dictionary mention: a word met once or twice ("pantagruelian" for
// "gigantisch", "covey" for "Schar") is the dictionary's rarity, not the
// German word's sense. An adverb's line does not displace an adjective's
// word ("überaus"). Judged against the rows it changed, about three in five
// came out better ("Mischung :: mixture" before "compound", "Tugend ::
// virtue" before "goodness") and one in six worse.
template<typename Commonness>
void putHeadedLineBeforeBareSynonymLine(QVector<const Candidate *> &list, Commonness commonness)
{
    putOwnLineBeforeBareSynonymLine(list, commonness, [](const Candidate &candidate) {
        return !isSpecial(candidate) && !candidate.groupTagged && !candidate.lineTagged;
    });
}

// Puts the word of a full entry that the German word heads first where the
// ranking chose the word of a bare line that lists the German word only as
// a later synonym, even where the entry carries a field tag ("dienstlich
// {adj} [adm.] | dienstliche Angelegenheit; Dienstsache | ... :: official;
// business | ..." before "amtlich; dienstlich {adj} :: functional"): with
// its examples the entry names the word's own sense, and its tag the field
// that sense belongs to, while the bare line shares one sense of its first
// word. The entry has at least kMinFullEntrySections sections and its word
// meets the same bar as in putHeadedLineBeforeBareSynonymLine. Judged against
// the rows it changed, five in seven came out better ("Ehrgeiz :: ambition"
// before "ambitiousness") and one worse ("monotonic" for "monoton").
constexpr int kMinFullEntrySections = 3;

// Puts the first word of a line before another region's slang word that
// the ranking chose from the same line ("Klo {n} [ugs.] :: loo [Br.]
// [coll.]; ...; can [Am.] [slang]" gives "loo" first, not "can"): the
// dictionary gives its main word first, and a short slang word that the
// subtitle list ranks high names the thing only in one region's slang.
void putLineFirstWordBeforeRegionalSlang(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->regionalSlang)
        return;
    const Candidate *top = list.first();
    const auto head = std::find_if(list.begin(), list.end(), [top](const Candidate *candidate) {
        return candidate->line == top->line && candidate->first && !candidate->regionalSlang;
    });
    moveToFront(list, head);
}

template<typename Commonness>
void putTaggedFullEntryBeforeBareSynonymLine(QVector<const Candidate *> &list, Commonness commonness)
{
    putOwnLineBeforeBareSynonymLine(list, commonness, [](const Candidate &candidate) {
        return candidate.sections >= kMinFullEntrySections;
    });
}

// Puts the word of a noun's own plain line first where the ranking chose the
// word of a line that lists the noun only as a later synonym, whichever of
// the two lines comes first in the file (putPlainHeadedLineFirst asks for the
// earlier one). The dictionary sorts its lines by their first word, so the
// place of a line headed by another noun says nothing about the noun's
// senses: "Analytiker {m}; Organisator {m}; ... :: analyst" stands before
// "Organisator {m}; Veranstalter {m} | ... :: organizer; organiser | ...",
// which names the noun's own sense. The own line meets the same bar as in
// putPlainHeadedLineFirst: a single, plain, untagged word with forms or
// examples and at least as many sections as the chosen line. It must also be
// at least as common as the chosen word, whatever the chosen line's notes:
// judged against the rows it changed, a rarer own word as often put a side
// sense first ("taskmaster" for "Dienstherr", "lintel" for "Sturz") as it
// mended one. A word met on fewer than kMinHeadedWordLines lines is the
// dictionary's rarity ("Verirrung {f} | Verirrungen {pl} :: aberrances |
// aberrations", a plural in the singular's place).
template<typename Commonness>
void putPlainHeadedLineBeforeLaterSynonymLine(QVector<const Candidate *> &list, Commonness commonness)
{
    if (list.isEmpty() || list.first()->mainEntry || list.first()->clearMainEntry)
        return;
    const Candidate *top = list.first();
    if (top->germanFirst || !top->noun)
        return;
    const auto plain = std::find_if(list.begin(), list.end(), [top, &commonness](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && !candidate->noted && !candidate->otherSense
               && !candidate->fringe && !isSpecial(*candidate) && !candidate->englishRegister
               && !candidate->english.contains(u' ') && candidate->sections >= std::max(2, top->sections)
               && commonness(*candidate) >= std::max(kMinHeadedWordLines, commonness(*top));
    });
    moveToFront(list, plain);
}

// Puts the single words that a German word's clear main entry gives after
// its first English word right after it where that first word is a phrase
// ("etw. verbessern; besser machen {vt} | ... :: to make sth. better; to
// better sth.; to improve sth.; ..."): they name the same main sense in a
// word, and as later synonyms they would otherwise follow the first words of
// every other line, whose side senses ("to pull up", "to hone") fill the row
// before them.
void putMainEntryWordsAfterItsPhrase(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first || !list.first()->clearMainEntry
        || !list.first()->english.contains(u' '))
        return;
    const int line = list.first()->line;
    std::stable_partition(list.begin() + 1, list.end(), [line](const Candidate *candidate) {
        return !candidate->first && candidate->line == line && !candidate->english.contains(u' ')
               && !candidate->noted && !candidate->fringe && !isSpecial(*candidate)
               && !candidate->englishRegister && !candidate->englishDated;
    });
}

// Puts an English word before a phrase naming a kind of it where the phrase
// comes from a line that lists the German word only as a later synonym
// ("lyrischer Dichter {m}; ...; Poet {m} :: lyric poet; ..." for "Poet"):
// the phrase translates the line's first word, and the German word shares
// its sense only in part, so the plain word of another line names it
// better, even where that line explains the German word by a note or tags
// its field ("Dichter {m}; Dichterin {f}; Poet {m} (Verfasser sprachlicher
// Kunstwerke) [lit.] | ... :: poet; ..."). The plain word carries no note
// or register of its own on the English side.
void putPlainWordBeforeLaterSynonymsKind(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || list.first()->germanFirst || !list.first()->english.contains(u' '))
        return;
    const Candidate *top = list.first();
    const auto plain = std::find_if(list.begin() + 1, list.end(), [top](const Candidate *candidate) {
        return candidate->first && !candidate->englishNoted && !candidate->otherSense && !candidate->fringe
               && !candidate->englishRegister && !candidate->englishColloquial
               && narrowsWord(top->english, candidate->english);
    });
    moveToFront(list, plain);
}

// Whether an English item explains a German word rather than translating
// it: a sentence of more than eight words ("Auftrieb :: ceremonial driving
// up of cattle from the valley to the mountain pastures in spring"). The
// longest English idioms are eight words ("be like a red rag to a bull"),
// and an explanation is nothing a learner could type as the answer.
bool isExplanation(const QString &english)
{
    return english.count(u' ') >= 8;
}

// Puts the word of a plain line a German noun heads first where the ranking
// chose the word of another noun's full entry, one with forms or examples,
// that lists the noun as a later synonym narrowed by its own note
// ("Sprechakt {m}; ...; Parole {f} (Saussure) [ling.] | ... :: speech act;
// ..." for "Parole"): that line names the sense of its first word, which the
// noun shares in the noted use only, while the untagged line it heads
// ("Parole {f}; Kennwort {n} | ... :: password; watchword | ...") gives its
// everyday sense. A note on the English word narrows the English side alone
// and does not count. Judged against the rows it changed, taking any noted
// or tagged line, or an adjective's or a verb's, put as many side words
// first as it mended ("consciously" for "bewusst", "rampant" for "üppig").
void putOwnPlainLineBeforeNotedLaterSynonym(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first)
        return;
    const Candidate *top = list.first();
    if (top->germanFirst || top->mainEntry || top->clearMainEntry)
        return;
    if (!top->noted || top->englishNoted || !top->noun || top->sections < 3)
        return;
    const auto plain = std::find_if(list.begin(), list.end(), [](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->sections >= 2 && !candidate->noted
               && !candidate->englishNoted && !candidate->otherSense && !candidate->fringe && !isSpecial(*candidate)
               && !candidate->lineTagged && !candidate->fieldTagged && !candidate->groupTagged
               && !candidate->englishRegister && !candidate->englishDated;
    });
    moveToFront(list, plain);
}

// Puts the first word of a plain line the German word heads first where the
// ranking chose one country's English word from another line it heads whose
// note after the word class narrows all of that line's words to one use
// ("jdn. einwickeln; jdn. einseifen; ... {vt} (wortgewandt von etwas
// überzeugen) :: to snow sb. [Am.]" before "jdn. einwickeln; einpacken;
// einmummeln {vt} | ... :: to wrap up <> sb. | ..."): the subtitle list ranks
// the short regional word high whatever its sense. The plain line has at
// least as many sections as the noted one, no note or tag on either side.
// Judged against the rows they changed, noted lines with words of all
// English put as many side senses first as they moved back: such a note as
// often describes the word's main sense ("eilen", "verdienen").
void putOwnLineBeforeRegionalWordOfNotedUse(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first || !list.first()->germanFirst || !list.first()->englishVariant
        || !list.first()->wordClass.notedAfterClass || list.first()->clearMainEntry)
        return;
    const Candidate *top = list.first();
    const auto plain = std::find_if(list.begin() + 1, list.end(), [top](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->sections >= std::max(2, top->sections)
               && !candidate->noted && !candidate->englishNoted && !candidate->wordClass.notedAfterClass
               && !isSpecial(*candidate)
               && !candidate->fringe && !candidate->otherSense && !candidate->englishRegister
               && !candidate->englishColloquial && !candidate->lineTagged && !candidate->groupTagged;
    });
    moveToFront(list, plain);
}

// Puts the word of a line that lists the German word as a later synonym
// narrowed by a note behind the words of its plain lines, where only the
// subtitle list put it first: it knows the narrowed line's English word and
// none of the plain ones ("gammeln; ...; bummeln {vi} (seine Zeit planlos
// verbringen) :: to fool around" before "bummeln; faulenzen {vi} | ... ::
// to slack" and "schlendern; bummeln; ... {vi} | ... :: to stroll"; "...;
// Rotte {f} (Arbeitskolonne im Straßen- und Gleisbau) :: works gang; ..."
// before "Bande {f}; Rotte {f}; ... :: rout; gang; mob"). The ranking
// holds a note and a later place back by the word's place on the list, and
// an unlisted word has none to compare with, so a side use of the line's
// first word came first. The narrowed word is a phrase (the list ranks a
// phrase by its rarest word, "works" or "fool") and its English side carries
// no note of its own, which would name what the phrase applies to ("to switch
// on sth. (switch, light)"). A plain line gives the English word first, a
// single word, with no note or tag on either side, for a word of the same
// kind, and its further sections give the German word's forms or examples:
// a bare line, or one whose further sections are another word's, as often
// named a rarer side use ("implode" for "einfallen"). It gives the German
// word no later than the narrowed line does: a line that gives it later
// still shares only one sense of its head ("schrumpfen; ...; einfallen;
// schwinden :: to shrink" is no better than "think of"). The narrowed word
// goes behind the last plain one, the others keeping their order. Judged
// against the rows it changed, most came out better ("bremsen": brake
// before hold back).
void putPlainLinesBeforeListedNotedLaterSynonym(QVector<const Candidate *> &list)
{
    constexpr int kUnlisted = std::numeric_limits<int>::max();
    if (list.isEmpty())
        return;
    const Candidate *top = list.first();
    if (!top->first || top->germanFirst || !top->noted || top->subtitle == kUnlisted || top->mainEntry
        || top->clearMainEntry || top->englishNoted || !top->english.contains(u' '))
        return;
    const auto plain = [top](const Candidate *candidate) {
        return candidate->first && candidate->subtitle == kUnlisted && kindOf(*candidate) == kindOf(*top)
               && candidate->germanPlace <= top->germanPlace && candidate->sections >= 2
               && candidate->germanNamedAgain && !candidate->english.contains(u' ')
               && !candidate->noted && !candidate->englishNoted && !candidate->wordClass.notedAfterClass
               && !isSpecial(*candidate) && !candidate->fringe && !candidate->otherSense
               && !candidate->englishRegister && !candidate->englishColloquial && !candidate->lineTagged
               && !candidate->groupTagged && !candidate->laterSense;
    };
    const auto last = std::find_if(list.rbegin(), std::prev(list.rend()), plain);
    if (last == std::prev(list.rend()))
        return;
    const auto behind = last.base();
    std::rotate(list.begin(), list.begin() + 1, behind);
}

// Puts first the word of a line with forms and examples that gives it first
// for the German word, where the ranking chose the word of a plain bare line,
// one section and nothing else, that lists the German word as a later
// synonym, and the subtitle list has neither word: the tie then falls to how
// often the dictionaries mention each word, and a bare line's word may be met
// mostly in another sense ("empfangsbereit; empfänglich {adj} :: recipient",
// a noun first, before "anfällig; empfänglich; empfindlich {adj} (gegenüber
// etw.) | ... | Kinder sind für Schmeicheleien sehr empfänglich. ::
// susceptible; ... | ..."). The long line is where the dictionary gives the
// German word's use at length: at least six sections, more than an
// adjective's comparison or a verb's forms. Its word is a single plain word
// for a word of the same kind, and the other word is at most three times as
// common. Judged against the rows it changed, any line with forms put a rarer
// word first as often as a better one ("kolossal": monumental, "Einigkeit":
// consensus), and so did a bare line with a note ("umgeben": cloak).
constexpr int kRarerFullLineWord = 3;
constexpr int kFullLineSections = 6;
template<typename Commonness>
void putFullLineBeforeBareLaterSynonymLine(QVector<const Candidate *> &list, Commonness commonness)
{
    constexpr int kUnlisted = std::numeric_limits<int>::max();
    if (list.isEmpty())
        return;
    const Candidate *top = list.first();
    if (!top->first || top->germanFirst || top->sections != 1 || top->subtitle != kUnlisted || top->mainEntry
        || top->clearMainEntry || top->noted || top->lineTagged || isSpecial(*top))
        return;
    const auto full = std::find_if(list.begin() + 1, list.end(), [top, &commonness](const Candidate *candidate) {
        return candidate->first && candidate->sections >= kFullLineSections && candidate->subtitle == kUnlisted
               && candidate->noun == top->noun && candidate->englishVerb == top->englishVerb
               && candidate->wordClass.adjective == top->wordClass.adjective
               && candidate->wordClass.adverb == top->wordClass.adverb
               && kRarerFullLineWord * commonness(*candidate) >= commonness(*top)
               && !candidate->english.contains(u' ') && !candidate->noted && !candidate->englishNoted
               && !isSpecial(*candidate) && !candidate->lineTagged && !candidate->fringe
               && !candidate->englishRegister && !candidate->englishVariant && !candidate->otherSense;
    });
    moveToFront(list, full);
}

// Orders candidates first synonyms first, then those not marked by
// markOtherSenses, then a German word's clear main entry, then
// general before special, then, for the English words of a German word,
// those not tagged historical or dated on the English side only first, then
// by the place of `side` in its subtitle
// list, then by `commonness`, most common first, then file order. The main
// English word of a German word's main entry counts as general whatever the
// tags of its line: the tag names the field of the word's main sense, not a
// side use ("Marine {f} [mil.] | Hochseemarine {f} | ... :: navy | ..."
// before "Handelsmarine {f}; Marine {f} :: merchant navy"). The German words
// of an English word then may take a new first word: the English word's
// main entry (putEnglishMainEntryFirst) or a plain word before one narrowed
// by a note (putPlainWordBeforeNotedOne), or a plain line's word before a
// bare line's that gives one of its words colloquially
// (putPlainLineBeforeColloquialUse); the word for a woman takes the
// feminine form of a noun before the masculine (putFeminineFormsFirst); a
// number's numeral comes first (putNumeralFirst). The English words of a
// German word may take the word of an earlier plain line before one narrowed
// by a note (putPlainHeadedLineFirst), an adjective's own entry before a
// line that gives it as a later synonym (putOwnAdjectiveEntryFirst), or a
// line it heads (putHeadedAdjectiveLineFirst), and so a verb's
// (putOwnVerbEntryFirst), an
// adjective's line before its adverb's (putAdjectiveBeforeAdverb), then the
// German word's cognate (putCognateFirst, putLaterSynonymsCognateFirst);
// a main entry's single words follow its phrase
// (putMainEntryWordsAfterItsPhrase); last, the word of a line the German
// word heads goes before that of a bare line listing it as a later synonym
// (putHeadedLineBeforeBareSynonymLine), and so the word of a full entry
// whatever its field tag (putTaggedFullEntryBeforeBareSynonymLine), and a
// noun's own plain line before another noun's full entry that narrows it by
// a note (putOwnPlainLineBeforeNotedLaterSynonym).

// Puts the first word of a line the German word heads first where the
// ranking chose a word of another line that lists the German word later and
// gives that word as one country's English only, narrowed by a note
// ("etw. (mit Muskelkraft an einen Ort) stemmen; bugsieren; ... [humor.]
// {vt} | ... :: to muscle sth. [Am.] (move to a place) | ..." for
// "bugsieren"): the subtitle list ranks the short word high in its common
// sense, which the German word does not share, while its own line names its
// sense ("bugsieren {vt} [ugs.] | ... :: to shift | ..."). Where the line
// also gives the other country's word ("(india) rubber [Br.]; eraser
// [Am.]"), both are the thing's plain names and stay. Judged against the
// rows they changed, taking regional words without the note or without that
// condition put as many side words first as it mended ("etcher" for
// "Radierer", "leave of absence" for "Urlaub").
void putOwnLineBeforeOneCountrysNotedWord(QVector<const Candidate *> &list)
{
    const Candidate *top = list.first();
    if (!top->first || top->germanFirst || !top->englishVariant || !top->englishNoted || top->mainEntry
        || top->clearMainEntry)
        return;
    if (std::any_of(list.begin() + 1, list.end(), [top](const Candidate *candidate) {
            return candidate->line == top->line && candidate->englishVariant;
        }))
        return;
    const auto own = std::find_if(list.begin() + 1, list.end(), [](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && !candidate->noted && !candidate->englishNoted
               && !candidate->englishVariant && !candidate->otherSense && !candidate->fringe
               && !candidate->englishRegister;
    });
    moveToFront(list, own);
}

// Puts the first word of a noun's full entry first where the ranking chose
// the word of a field-tagged line that lists the noun later: where the
// noun's own note narrows it on that line ("Spielverlängerung {f};
// Verlängerung {f} (Mannschaftssport) [sport] | ... :: extra time [Br.];
// ..." for "Verlängerung"), or where the full entry is at least twice as
// long and has kMinLongEntrySections sections ("Flut {f}; ...; Hochwasser
// {n}; ... [geogr.] [phys.] | ... :: flow; flood; ..." before "Hochwasser
// {n}; Überschwemmungen {pl}; ... | ... :: flood water; flood; ..."). The
// field line names the use of its first word in that field, the full entry
// the noun's own sense. The entry gives its word without a note, tag or
// register, and has at least kMinFullEntrySections sections and as many as
// the field line. Judged against the rows they changed, any field line
// before any full entry put as many side words first as it mended
// ("hirer" for "Vermieter", "dish" for "Platte").
constexpr int kMinLongEntrySections = 6;

void putFullEntryBeforeFieldUseOfLaterSynonym(QVector<const Candidate *> &list)
{
    const Candidate *top = list.first();
    if (!top->first || top->germanFirst || !top->fieldTagged || !top->noun || top->mainEntry
        || top->clearMainEntry)
        return;
    const bool germanNoted = top->noted && !top->englishNoted;
    const auto own = std::find_if(list.begin() + 1, list.end(), [top, germanNoted](const Candidate *candidate) {
        if (!candidate->first || !candidate->germanFirst || candidate->noted || candidate->englishNoted
            || candidate->otherSense || candidate->fringe || isSpecial(*candidate) || candidate->englishRegister
            || candidate->englishVariant || candidate->sections < std::max(kMinFullEntrySections, top->sections))
            return false;
        return germanNoted || candidate->sections >= std::max(kMinLongEntrySections, 2 * top->sections);
    });
    moveToFront(list, own);
}

// Lets a line the German word heads take the first place from another
// line's side use of one of its later synonyms
// (putOwnLineBeforeOneCountrysNotedWord,
// putFullEntryBeforeFieldUseOfLaterSynonym).
void putOwnLineBeforeLaterSynonymsSideUse(QVector<const Candidate *> &list)
{
    if (list.isEmpty())
        return;
    putOwnLineBeforeOneCountrysNotedWord(list);
    putFullEntryBeforeFieldUseOfLaterSynonym(list);
}

// Puts the word of a headed adjective line with forms or examples before a
// bare line the German adjective heads alone when that bare line gives only
// an English present participle ("bleibend; weilend {adj} :: staying"
// behind "bleibend; dauerhaft; permanent; ständig; dauernd {adj} | ... ::
// permanent | ..."): the English "-ing" form renders the German participle
// as the verb's form ("bleiben": "stay"), which the verb's own row gives,
// while the fuller line names the adjective's sense.
void putHeadedAdjectiveEntryBeforeBareParticiple(QVector<const Candidate *> &list)
{
    if (list.size() < 2)
        return;
    const Candidate *top = list.first();
    if (!top->germanFirst || top->sections > 1 || top->mainEntry || top->clearMainEntry
        || !top->german.endsWith(QLatin1String("end")) || top->english.contains(u' ')
        || top->english.size() < 6 || !top->english.endsWith(QLatin1String("ing")))
        return;
    const auto entry = std::find_if(list.begin() + 1, list.end(), [](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->wordClass.adjective
               && candidate->sections > 2 && !candidate->noted && !candidate->otherSense && !candidate->fringe
               && !isSpecial(*candidate) && !candidate->englishRegister && !candidate->english.contains(u' ');
    });
    moveToFront(list, entry);
}

// Puts the first word of a full adjective entry the German word heads, one
// that gives several English words for it and forms or examples, before the
// word of a bare line that gives the adjective a single English word
// ("ausschweifend; zügellos; ... {adj} [soc.] | ... :: dissolute;
// dissipated; profligate; fast | ..." before "ausschweifend {adj} ::
// voluptuous"). Only where the subtitle list knows neither word, so that
// the ranking fell back on how common the English words are in general:
// the full entry, with its several English words, names the main sense.
void putFullAdjectiveEntryBeforeBareOneWordLine(QVector<const Candidate *> &list)
{
    if (list.size() < 2)
        return;
    const Candidate *top = list.first();
    const auto wordsOfLine = [&list](const Candidate *of) {
        return std::count_if(list.cbegin(), list.cend(), [of](const Candidate *c) { return c->line == of->line; });
    };
    if (!top->germanFirst || top->sections > 1 || !top->wordClass.adjective || top->mainEntry || top->clearMainEntry
        || top->subtitle != std::numeric_limits<int>::max() || wordsOfLine(top) > 1)
        return;
    const auto entry = std::find_if(list.begin() + 1, list.end(), [&wordsOfLine](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->wordClass.adjective
               && candidate->sections > 2 && candidate->subtitle == std::numeric_limits<int>::max()
               && !candidate->noted && !candidate->otherSense && !candidate->fringe && !isSpecial(*candidate)
               && !candidate->englishRegister && !candidate->englishVariant
               && !candidate->english.contains(u' ') && wordsOfLine(candidate) > 2;
    });
    moveToFront(list, entry);
}

// Puts the lines that give an English singular only German plurals after
// the German singular nouns other lines give for it ("archäologische Funde
// {pl}; Ausgrabungen {pl} :: archaeology" after "Altertumskunde {f};
// Archäologie {f} | ... :: archaeology; ..."): the plurals name the things
// the word is about or a mass use, the singular noun the word itself. Only
// behind a plain singular noun that gives the English word first on a line
// with at least as many sections, so words whose German is a plural alone
// keep it ("Daten {pl} | analoge Daten | ... :: data | ..." before
// "Datenmaterial {n} :: data; ..."), and only for English words that do
// not end in "s" like a plural ("holidays").
void putSingularNounLineBeforePluralOnlyLine(QVector<const Candidate *> &list)
{
    if (list.size() < 2 || list.first()->english.endsWith(u's'))
        return;
    QHash<int, bool> pluralOnly;
    for (const Candidate *candidate : std::as_const(list)) {
        const bool plural = candidate->noun && candidate->plural;
        const auto known = pluralOnly.constFind(candidate->line);
        pluralOnly.insert(candidate->line, known == pluralOnly.cend() ? plural : (*known && plural));
    }
    const auto singular = [](const Candidate *candidate) {
        return candidate->first && candidate->noun && !candidate->plural && !candidate->noted && !candidate->fringe
               && !candidate->otherSense && !isSpecial(*candidate) && !candidate->englishRegister;
    };
    // From the back, so that the plurals of one line keep their order.
    for (qsizetype i = list.size() - 2; i >= 0; --i) {
        const Candidate *candidate = list.at(i);
        if (!pluralOnly.value(candidate->line))
            continue;
        for (qsizetype j = list.size() - 1; j > i; --j) {
            if (singular(list.at(j)) && list.at(j)->sections >= candidate->sections) {
                std::rotate(list.begin() + i, list.begin() + i + 1, list.begin() + j + 1);
                break;
            }
        }
    }
}

// Whether a German noun is the English word's look-alike: the same letters
// but for its capital, its umlauts written out and an ending of at most two
// letters on either side ("Diabetes" and "diabetes", "Archäologie" and
// "archaeology"), with at least five letters shared.
bool isInternationalWord(const QString &german, const QString &english)
{
    if (german.contains(u' ') || english.contains(u' ') || !german.at(0).isUpper())
        return false;
    QString folded;
    for (const QChar c : german.toLower()) {
        switch (c.unicode()) {
        case u'\u00e4': folded += QLatin1String("ae"); break;
        case u'\u00f6': folded += QLatin1String("oe"); break;
        case u'\u00fc': folded += QLatin1String("ue"); break;
        case u'\u00df': folded += QLatin1String("ss"); break;
        default: folded += c;
        }
    }
    const QString lower = english.toLower();
    qsizetype shared = 0;
    while (shared < folded.size() && shared < lower.size() && folded.at(shared) == lower.at(shared))
        ++shared;
    return shared >= 5 && folded.size() - shared <= 2 && lower.size() - shared <= 2;
}

// Puts the English word's look-alike first where the top word's own line
// gives it as a later synonym and gives no other English word ("Harnruhr
// {f}; Harnfluss {m}; Durchfluss {m}; Diabetes {m} [med.] :: diabetes"):
// the word the two languages share is today's common one where the
// subtitle list misses the line's head and knows the look-alike, or the
// dictionary uses the look-alike at least three times as often; the words
// the line gives before it are older or more learned ones.
template<typename Commonness>
void putLookAlikeOfOwnLineFirst(QVector<const Candidate *> &list, Commonness commonness)
{
    if (list.size() < 2 || !list.first()->englishAlone
        || isInternationalWord(list.first()->german, list.first()->english))
        return;
    const WordRanks &ranks = WordRanks::forLanguage(QStringLiteral("de"));
    const Candidate *top = list.first();
    if (ranks.rank(top->german) > 0)
        return;
    const int topCommonness = std::max(1, static_cast<int>(commonness(*top)));
    const auto lookAlike = std::find_if(list.begin() + 1, list.end(), [&](const Candidate *candidate) {
        return candidate->line == top->line && candidate->noun && !candidate->noted && !candidate->fringe
               && candidate->germanSense != Sense::SpecialRegister
               && (ranks.rank(candidate->german) > 0 || commonness(*candidate) >= 3 * topCommonness)
               && isInternationalWord(candidate->german, candidate->english);
    });
    moveToFront(list, lookAlike);
}

// Puts a later German synonym first where the top word heads the same line,
// untagged, and is a compound that begins with it, while a field's tag
// follows the plain word ("Klammerzeichen {n}; Klammer {f} [print] | ... ::
// bracket | ..."). The tag tells which of the plain word's senses the line
// means ("Klammer" is also a clip, a staple or a clamp); the compound needs
// none, and the line gives both for one sense, which the plain word names
// in everyday speech. Counted as a field's word, the plain one fell out of
// the row. Judged against the rows it changed, the same move for an
// untagged plain word as often undid a compound the English word asks for
// ("Dunkel" before "Dunkelheit" for "darkness", "Pelz" for "fur coat"). A
// word that a note narrows, a colloquial, obsolete or regional one, or
// another kind of word stays where the ranking put it.
void putPlainWordBeforeItsCompoundOnOneLine(QVector<const Candidate *> &list)
{
    if (list.size() < 2 || !list.first()->first || !list.first()->germanFirst)
        return;
    const Candidate *top = list.first();
    const auto plain = std::find_if(list.begin() + 1, list.end(), [top](const Candidate *candidate) {
        return candidate->line == top->line && candidate->first && !candidate->germanFirst
               && candidate->noun == top->noun && !candidate->plural && !candidate->noted && !candidate->fringe
               && candidate->germanSense == Sense::SpecialField && top->germanSense == Sense::General
               && !candidate->german.contains(u' ')
               && candidate->german.size() >= 4 && top->german.size() >= candidate->german.size() + 3
               && top->german.startsWith(candidate->german, Qt::CaseInsensitive);
    });
    moveToFront(list, plain);
}

// Puts a German word just before its line's head where the head compounds
// it as the line's first English word compounds the English word
// (Candidate::partOfHeadLikeEnglish): for "jaw", "Kiefer" of "Kieferknochen
// {m}; Kiefer {m} [anat.] :: jawbone; jaw" goes before "Kieferknochen",
// which is the German for "jawbone". The line gives the two pairs in the
// same order on both sides. Where a note, a register, a region or age tags
// the shorter German word, or the English one, it stays where it was.
void putPlainPartBeforeLineHeadsCompound(QVector<const Candidate *> &list)
{
    for (qsizetype i = 1; i < list.size(); ++i) {
        const Candidate *part = list.at(i);
        if (!part->partOfHeadLikeEnglish || part->noted || part->fringe || part->germanColloquial
            || part->englishRegister || part->englishColloquial || part->englishDated || part->plural)
            continue;
        for (qsizetype j = 0; j < i; ++j) {
            const Candidate *head = list.at(j);
            if (head->line == part->line && head->germanFirst && head->english == part->english) {
                list.remove(i);
                list.insert(j, part);
                break;
            }
        }
    }
}

// Puts first the English word of another line the German word heads, where
// the top word's line shows a later synonym in its examples and never the
// German word (Candidate::examplesOfOtherWord), and the other line's
// examples use the German word itself (Candidate::examplesOfWord):
// "Sinnbild {n}; Bild {n}; Zeichen {n}; Emblem {n} | ... | Die Schilder
// tragen das Bild einer leuchtenden Sonne. :: device (of sth.)" is the sense
// of "Bild" in heraldry, while "Sinnbild {n}; Symbol {n} | ... | ein Sinnbild
// des Friedens | ... :: symbol; metaphor" shows "Sinnbild" in its own use.
// Both lines give the word first, as the same kind of word; the chosen one
// is untagged, unnoted and has at least as many sections.
void putLineExemplifyingWordBeforeOtherWordsLine(QVector<const Candidate *> &list)
{
    if (list.size() < 2)
        return;
    const Candidate *top = list.first();
    if (!top->first || !top->germanFirst || !top->examplesOfOtherWord)
        return;
    const auto own = std::find_if(list.begin() + 1, list.end(), [top](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->line != top->line
               && candidate->examplesOfWord && kindOf(*candidate) == kindOf(*top) && !candidate->noted
               && !isSpecial(*candidate) && !candidate->fringe && !candidate->englishRegister
               && !candidate->englishColloquial && candidate->sections >= top->sections;
    });
    moveToFront(list, own);
}

// Puts a bare line's plain English noun first for a German noun, where the
// ranking chose the "-ing" form of another bare line, level with it on
// every key but how common the words are ("Bevormundung {f} :: paternalism;
// dictation; tutelage" before "Bevormundung {f} :: infantilizing"): the
// "-ing" form is counted on every line that gives its verb's forms ("to
// infantilize sb. | infantilizing | ..."), so its count says how often the
// verb is given, not the noun. Neither line has a note, field, register or
// region, and both give the English word first.
void putPlainNounBeforeGerundOfBareLine(QVector<const Candidate *> &list)
{
    if (list.size() < 2)
        return;
    const Candidate *top = list.first();
    const auto bare = [](const Candidate *c) {
        return c->noun && c->first && c->germanFirst && c->sections == 1 && !c->noted && !isSpecial(*c)
               && !c->fringe && !c->englishRegister && !c->englishColloquial && !c->laterSense
               && !c->english.contains(u' ');
    };
    if (!bare(top) || !top->english.endsWith(QLatin1String("ing")))
        return;
    const auto noun = std::find_if(list.begin() + 1, list.end(), [&](const Candidate *c) {
        return bare(c) && c->line != top->line && c->subtitle == top->subtitle
               && !c->english.endsWith(QLatin1String("ing"));
    });
    moveToFront(list, noun);
}

// Puts the English word of a line whose example sentences show the German
// word, a later synonym there, and never the line's first word
// (Candidate::shownByExamples) before the words of lines that list the
// German word as a later synonym without such an example: "lecken; undicht
// sein; auslaufen; durchsickern {vi} | ... | Das Bier ist leider
// ausgelaufen. :: to leak" names a sense of "auslaufen" that "ablaufen;
// auslaufen {vi} | ... :: to run down", a line of forms and no example
// sentence, does not show. The row's first word and the lines the German
// word heads keep their places. The word moved is the line's first, plain
// (no note, field, register or region on either side) and of the same kind.
void putExemplifiedLaterSynonymBeforeBareLaterSynonymLines(QVector<const Candidate *> &list)
{
    const auto plain = [](const Candidate *c) {
        return c->first && !c->noted && !isSpecial(*c) && !c->fringe && !c->englishRegister && !c->englishColloquial
               && !c->laterSense;
    };
    if (list.size() < 3)
        return;
    const auto shown = std::find_if(list.begin() + 2, list.end(), [&](const Candidate *c) {
        return c->shownByExamples && !c->germanFirst && plain(c);
    });
    if (shown == list.end())
        return;
    const auto bare = std::find_if(list.begin() + 1, shown, [&](const Candidate *c) {
        return c->first && !c->germanFirst && !c->exampleSentences && c->line != (*shown)->line
               && kindOf(*c) == kindOf(**shown) && c->english.contains(u' ') && !(*shown)->english.contains(u' ');
    });
    if (bare != shown)
        std::rotate(bare, shown, shown + 1);
}

// Whether the candidate's German word has its own entry on another line
// (`ownEntries`: the first line it heads with more than one section), and
// that entry does not give the English word: the word's main sense lies
// elsewhere, in a full entry with its forms or examples (at least
// kPlainHeadSections sections), and the line names a side use of it
// ("drücken {vt} | ... :: to press | ..." is the entry of "drücken", not
// "drücken {vt} | drückend | gedrückt :: to strike | striking | stricken").
bool isSideUseOfWordWithOwnEntry(const QVector<const Candidate *> &list, const Candidate &candidate,
                                 const QHash<QString, const Candidate *> &ownEntries)
{
    const Candidate *own = ownEntries.value(candidate.german, nullptr);
    if (!own || own->line == candidate.line || own->sections < kPlainHeadSections)
        return false;
    return std::none_of(list.cbegin(), list.cend(), [&](const Candidate *other) {
        return other->german == candidate.german && other->line == own->line;
    });
}

// Whether a candidate is the English word's main entry of its kind
// (markEnglishMainEntry) headed by a German word whose own entry that line
// is too, with at least kLongEntrySections sections: the dictionary files
// the sense under both words with their forms and examples ("Streik {m};
// Ausstand {m}; ... | Streiks {pl}; ... | ... :: strike; stoppage of work
// (labour law) | strikes; ... | ...", "jdn./etw. bemerken; wahrnehmen; ...
// {vt} | ... :: to notice sb./sth. | ..."). The head is a single word with
// no note, tag, register or fringe mark on either side, on a line with no
// field tag.
bool headsMutualMainEntry(const Candidate &candidate, const QHash<QString, const Candidate *> &ownEntries)
{
    const Candidate *own = ownEntries.value(candidate.german, nullptr);
    return candidate.first && candidate.germanFirst && candidate.englishMainEntry && own
           && own->line == candidate.line && candidate.sections >= kLongEntrySections
           && !candidate.german.contains(u' ') && !candidate.noted && !candidate.englishNoted
           && !isSpecial(candidate) && !candidate.lineTagged && !candidate.fieldTagged && !candidate.groupTagged
           && !candidate.fringe && !candidate.englishRegister && !candidate.englishColloquial
           && !candidate.englishVariant && !candidate.plural;
}

// Keeps in the row the head of the English word's main entry of a kind
// (headsMutualMainEntry) that the ranking left past the row's six places,
// in the place of a side use of another word (isSideUseOfWordWithOwnEntry):
// the subtitle list ranks such a word by its main sense, which lifts its
// side use above the entry the dictionary files the English word under
// ("drücken" before "Streik" for "strike", "denken an" before "bemerken"
// for "notice"). The side use that gives way is a later synonym of a line
// whose head the row keeps, which repeats that head's sense ("achten auf;
// denken an {vi} | ... :: to notice | ..."), or else the word of a bare
// line: the German word alone, for the English word alone, with its forms
// and no example ("drücken {vt} | drückend | gedrückt :: to strike |
// striking | stricken"). The row's first word stays. Returns the word that
// gave way, which keeps its German row (an empty string where nothing
// moved). Judged against the rows it changed, an entry of fewer sections,
// or a side use whose own entry has fewer than three sections, as often
// pushed out a main word ("weisen" in place of "Spitze" for "point",
// "schnäbeln" in place of "Abrechnung" for "bill") as it let one in.
QString keepMutualMainEntryInRow(QVector<const Candidate *> &list, const QHash<QString, const Candidate *> &ownEntries)
{
    constexpr int kKeptPlaces = 6;
    QSet<QString> words;
    QSet<int> headLines;  // the lines whose head the kept places hold
    auto end = list.begin();
    for (; end != list.end(); ++end) {
        const QString word = (*end)->german.toLower();
        if (!words.contains(word)) {
            if (words.size() == kKeptPlaces)
                break;
            words.insert(word);
        }
        if ((*end)->germanFirst)
            headLines.insert((*end)->line);
    }
    if (end == list.end())
        return {};
    const auto entry = std::find_if(end, list.end(), [&](const Candidate *candidate) {
        return !words.contains(candidate->german.toLower()) && headsMutualMainEntry(*candidate, ownEntries);
    });
    if (entry == list.end())
        return {};
    // The word that gives way: each word is judged by its best ranked line.
    QSet<QString> seen;
    auto sideUse = end;
    for (auto it = list.begin(); it != end; ++it) {
        const Candidate *candidate = *it;
        const QString word = candidate->german.toLower();
        if (seen.contains(word))
            continue;
        seen.insert(word);
        if (it == list.begin() || !isSideUseOfWordWithOwnEntry(list, *candidate, ownEntries))
            continue;
        const bool repeatsHead = !candidate->germanFirst && headLines.contains(candidate->line);
        const bool bareLine = candidate->germanAlone && candidate->englishAlone && candidate->sections <= 3
                              && !candidate->examplesOnly;
        if (repeatsHead) {
            sideUse = it;
            break;
        }
        if (bareLine && sideUse == end)
            sideUse = it;
    }
    if (sideUse == end)
        return {};
    // The entry takes the side use's place; the side use's lines come right
    // behind the row's places.
    const QString displaced = (*sideUse)->german;
    const Candidate *kept = *entry;
    QVector<const Candidate *> reordered;
    QVector<const Candidate *> moved;
    reordered.reserve(list.size());
    for (auto it = list.begin(); it != end; ++it) {
        if (it == sideUse)
            reordered.append(kept);
        if ((*it)->german.toLower() == displaced.toLower())
            moved.append(*it);
        else
            reordered.append(*it);
    }
    reordered.append(moved);
    for (auto it = end; it != list.end(); ++it) {
        if (*it != kept)
            reordered.append(*it);
    }
    list = std::move(reordered);
    return displaced;
}

// Puts first the German adjective of a line that gives the English word
// first, where the top word is a noun whose line gives the English word in
// its plural place only before another noun (Candidate::
// englishPluralByAdjective: "Germane {m} | Germanen {pl} :: Germanic | the
// Germanic people"): the English word is an adjective, and "germanisch
// {adj} [ling.] [soc.] [hist.] | ... :: Germanic | ..." renders it. The
// adjective heads its line as one word, with no note, register or region.
void putAdjectiveBeforeNounOfAdjectivalPlural(QVector<const Candidate *> &list)
{
    if (list.size() < 2 || !list.first()->englishPluralByAdjective)
        return;
    const auto adjective = std::find_if(list.begin() + 1, list.end(), [](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && kindOf(*candidate) == 2 && !candidate->noted
               && !candidate->fringe && !candidate->englishRegister && !candidate->englishColloquial
               && !candidate->germanColloquial && !candidate->german.contains(u' ');
    });
    moveToFront(list, adjective);
}

// Puts a plain noun first where the ranking put several of its own
// compounds before it ("Arbeitseifer", "Pflichteifer" and "Feuereifer"
// before "Eifer" for "zeal"): each word ranked above it is a compound ending
// in it, which its first part narrows to one kind ("Eifer {m} :: fervour; fervor; zeal;
// zealousness" beside "Pflichteifer {m} :: zeal"). A line that heads with
// the plain word, untagged, unnoted and in general use, gives the English
// word its plain sense, however far along the line the English word stands.
// Judged against the rows it changed, one compound alone above the plain
// word is as often the word the English one means ("Kleinkind" before
// "Kind" for "infant", "Vorrecht" before "Recht" for "privilege"): it stays.
void putPlainNounBeforeItsCompounds(QVector<const Candidate *> &list)
{
    if (list.size() < 3 || !list.first()->noun || list.first()->german.contains(u' '))
        return;
    const auto compoundOf = [](const QString &compound, const QString &plain) {
        return plain.size() >= 4 && endsInWord(compound, plain) && compound.front().isUpper();
    };
    for (auto plain = list.begin() + 1; plain != list.end(); ++plain) {
        const Candidate *candidate = *plain;
        if (!candidate->noun || !candidate->germanFirst || candidate->noted || candidate->fringe
            || isSpecial(*candidate) || candidate->lineTagged || candidate->englishRegister
            || candidate->germanColloquial || candidate->german.contains(u' '))
            continue;
        if (plain - list.begin() >= 2
            && std::all_of(list.begin(), plain,
                           [&](const Candidate *above) { return compoundOf(above->german, candidate->german); })) {
            moveToFront(list, plain);
            return;
        }
    }
}

// The English verbs each German verb's lines give it, for the verbs that a
// noun of the same spelling names ("zucken" of "Zucken"; see
// putVerbsWordFirstForItsNoun).
QHash<QString, QSet<QString>> englishVerbsOfNamedVerbs(const QHash<QString, QVector<const Candidate *>> &byGerman)
{
    QHash<QString, QSet<QString>> verbs;
    for (auto it = byGerman.cbegin(); it != byGerman.cend(); ++it) {
        const QString &noun = it.key();
        if (noun.size() < 4 || !noun.front().isUpper() || !noun.endsWith(u'n') || noun.contains(u' '))
            continue;
        const QString verb = noun.toLower();
        for (const Candidate *candidate : byGerman.value(verb)) {
            if (candidate->englishVerb && candidate->first && candidate->germanFirst && !candidate->noted
                && !candidate->fringe && !isSpecial(*candidate))
                verbs[verb].insert(candidate->english);
        }
    }
    return verbs;
}

// Puts first the English word that also translates the verb a German noun
// is spelt from ("Zucken {n}; Zuckung {f} :: twitch" beside "zucken {vi} |
// ... :: to twitch | ..."), where the ranking chose one the verb's lines do
// not give ("Zucken {n}; Zusammenzucken {n} (vor Schmerz) | ... :: wince |
// ..."): the noun names the verb's action, and the word both share names it
// plainly, while the others name a narrower kind of it. The shared word
// must head a line the noun heads, as a noun with no note, tag or register.
void putVerbsWordFirstForItsNoun(QVector<const Candidate *> &list, const QSet<QString> &verbsWords)
{
    if (list.size() < 2 || verbsWords.isEmpty() || !list.first()->noun || verbsWords.contains(list.first()->english))
        return;
    const Candidate *top = list.first();
    if ((top->mainEntry || top->clearMainEntry) && top->germanNamedAgain)
        return;
    const auto shared = std::find_if(list.begin() + 1, list.end(), [&verbsWords](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->noun && !candidate->noted
               && !candidate->englishNoted && !isSpecial(*candidate) && !candidate->englishRegister
               && !candidate->fringe && !candidate->laterSense && verbsWords.contains(candidate->english);
    });
    moveToFront(list, shared);
}

// Puts first the head of a plain line where the ranking chose a word that
// every line giving the English word first judges as a whole
// (judgesWholeSection): "gewohnheitsmäßig" is "routine" only scornfully,
// while "Routine {f} | Routine in etw. haben :: routine; practice;
// experience" gives the word's plain sense. Such a word may be high on the
// subtitle list, and two judged lines double its weight. The plain line
// gives the English word first, is headed by the word, has further sections
// (forms or examples) and no note, special field, register or region on
// either side. Of two such heads the simple word comes before its compound
// ("Routine" before "Routineablauf", whose plurals halve its place).
void putPlainHeadBeforeJudgedWord(QVector<const Candidate *> &list)
{
    if (list.isEmpty() || !list.first()->first)
        return;
    const QString topWord = list.first()->german.toLower();
    for (const Candidate *candidate : std::as_const(list)) {
        if (candidate->first && candidate->german.toLower() == topWord && !candidate->wholeLineJudged)
            return;
    }
    const auto plainHead = [](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->sections >= 2 && !candidate->wholeLineJudged
               && !candidate->noted && !candidate->englishNoted && !isSpecial(*candidate) && !candidate->lineTagged
               && !candidate->groupTagged && !candidate->fringe && !candidate->englishRegister
               && !candidate->englishVariant && !candidate->germanColloquial;
    };
    auto plain = std::find_if(list.begin(), list.end(), plainHead);
    if (plain == list.end())
        return;
    const auto simple = std::find_if(plain + 1, list.end(), [&](const Candidate *candidate) {
        return plainHead(candidate) && compoundsWord((*plain)->german, candidate->german);
    });
    moveToFront(list, simple != list.end() ? simple : plain);
}

// Puts the first word of a plain line the German word heads first where the
// ranking chose the word of a line that lists it only as a later synonym and
// that a special field's tag narrows ("Melder {m}; Anzeiger {m}; Detektor {m}
// [techn.] | ... :: detector | ..." before "Anzeiger {m}; Anzeigenblatt {n}
// | ... :: gazette | gazettes"), and the subtitle list knows neither word.
// The tagged line shares one technical use of its first word, while the
// German word's own plain line names its general sense. Without the subtitle
// list the ranking falls to how many lines of the dictionaries mention each
// word, which counts a technical word's many compounds ("motion detector",
// "fire detector"), and there the later place of the German word weighs
// nothing. The own line gives its word first, with the German word's forms
// or examples, no note anywhere in its first German section (a note on a
// synonym beside it often narrows the line: "Schornstein {m}; Schlot {m}
// (Dampfschiff; Dampfeisenbahn) :: funnel"), no tag or note on either side,
// for a word of the same kind, and the word is met on at least
// kMinHeadedWordLines lines (a word met once or twice is the dictionary's
// rarity: "licensure" for "Zulassung"). Judged against the rows it changed,
// most came out better ("vereinen": unite before aggregate, "Voraussage":
// prediction before forecast); looser versions that took lines tagged with a
// general field, or untagged ones, or listed words, put rarer words first
// about as often as they mended one ("Untersuchung": inquest, "verkündigen":
// promulgate).
template<typename Commonness>
void putOwnPlainLineBeforeFieldLineOfLaterSynonym(QVector<const Candidate *> &list, Commonness commonness)
{
    constexpr int kUnlisted = std::numeric_limits<int>::max();
    if (list.isEmpty())
        return;
    const Candidate *top = list.first();
    if (!top->first || top->germanFirst || top->mainEntry || top->clearMainEntry || top->subtitle != kUnlisted
        || !(top->lineTagged || isSpecial(*top) || top->groupTagged))
        return;
    const auto own = std::find_if(list.begin() + 1, list.end(), [top, &commonness](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && !candidate->laterSense
               && kindOf(*candidate) == kindOf(*top) && candidate->sections >= 2 && candidate->germanNamedAgain
               && candidate->subtitle == kUnlisted && commonness(*candidate) >= kMinHeadedWordLines
               && !candidate->sectionNoted && !candidate->noted && !candidate->englishNoted
               && !candidate->wordClass.notedAfterClass && !candidate->englishVariant && !candidate->fieldTagged
               && carriesNoMark(*candidate);
    });
    moveToFront(list, own);
}

// Puts the first word of an adjective's line that gives the German word
// its own comparative and superlative (comparesGermanWord) first where the
// ranking chose the word of an adverb's line that lists the German word
// only as a later synonym ("richtig; ordentlich; passend; in passender
// Weise {adv} | ... :: properly [Br.]; right [Am.] | ..." before "geeignet;
// passend; tauglich; ... {adj} (für) | besser geeignet; passender | am
// besten geeignet; am passendsten | ... :: suitable (for) | ..."). The
// adverb's line names one use of its first word, which the later synonym
// shares, and says nothing more of the German word; the line that gives the
// word's forms is its entry as an adjective, whichever synonym heads it.
// Notes do not count against that line: the forms outweigh them.
void putComparingLineBeforeAdverbLineOfLaterSynonym(QVector<const Candidate *> &list)
{
    if (list.isEmpty())
        return;
    const Candidate *top = list.first();
    if (!top->first || top->germanFirst || !top->wordClass.adverb || top->wordClass.adjective || top->mainEntry
        || top->clearMainEntry || top->comparesWord)
        return;
    const auto compared = std::find_if(list.begin() + 1, list.end(), [](const Candidate *candidate) {
        return candidate->first && candidate->comparesWord && candidate->wordClass.adjective
               && carriesNoMark(*candidate);
    });
    moveToFront(list, compared);
}

// Puts the first word of a verb's own full entry, a line whose first German
// section holds the verb alone and that conjugates it in full, first where
// the ranking chose the word of a shorter line the verb heads among
// synonyms ("jdn./etw. zurückwerfen {vt} | zurückwerfend | zurückgeworfen |
// wirft zurück | warf zurück :: to throw/set sb./sth. back | ..." before
// "zurückwerfen; verzögern; aufhalten {vt} | ... :: to put back | ...";
// "jdn. behandeln {vt} | ... :: to treat sb. | ..." before "etw. behandeln;
// etw. umfassen {vt} (Sache) | ... :: to cover sth. (include) | ..."). The
// synonyms narrow the verb to the one sense they share with it, while the
// line that gives the verb alone with all its forms names its own. The full
// entry carries no note, tag or register on either side.
void putVerbsAloneEntryBeforeSynonymLine(QVector<const Candidate *> &list)
{
    if (list.isEmpty())
        return;
    const Candidate *top = list.first();
    if (!top->first || !top->germanFirst || top->germanAlone || !top->englishVerb || top->clearMainEntry
        || top->sections >= kConjugatedSections)
        return;
    constexpr int kUnlisted = std::numeric_limits<int>::max();
    QSet<int> fullEntries;
    for (const Candidate *candidate : std::as_const(list)) {
        if (candidate->germanFirst && candidate->germanAlone && candidate->englishVerb
            && candidate->sections >= kConjugatedSections)
            fullEntries.insert(candidate->line);
    }
    if (fullEntries.size() != 1)
        return;
    const auto alone = std::find_if(list.begin() + 1, list.end(), [](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->germanAlone && candidate->englishVerb
               && candidate->subtitle != kUnlisted
               && candidate->sections >= kConjugatedSections && !candidate->noted
               && !candidate->englishNoted && !candidate->sectionNoted && !candidate->wordClass.notedAfterClass
               && !candidate->fieldTagged && carriesNoMark(*candidate);
    });
    moveToFront(list, alone);
}

// Where the German word an English word's list puts first comes from a bare
// pair the dictionary added after its main list: one section, the word
// class tagged on the English side ("periodisch {adj} :: circular {adj}").
// Where a plain line of the main list gives the English word first too,
// headed by a German word of the same kind (both nouns or neither) without
// note, tag or register ("kreisförmig; kreisrund {adj} :: circular"), that
// line's head comes first: the main list states a word's senses in its own
// entries, the added pairs name side uses. A tagged line with examples
// ("andere/r/s {adj} | ... :: another {adj} | ...") is an entry of the main
// list and stays. Only the top moves; the rest keeps its order.
void putPlainLineBeforeClassTaggedAddition(QVector<const Candidate *> &list)
{
    if (list.size() < 2 || !list.front()->englishClassTagged || list.front()->sections != 1)
        return;
    const bool noun = list.front()->noun;
    moveToFront(list, std::find_if(list.begin() + 1, list.end(), [noun](const Candidate *c) {
                    return c->first && c->germanFirst && c->noun == noun && !c->englishClassTagged
                           && !ranksAsSpecial(*c)
                           && !c->noted && !c->englishNoted && !c->fringe && !c->otherSense && !c->germanColloquial
                           && !c->englishRegister && !c->plural && !c->lineTagged && !c->groupTagged
                           && !c->sectionNoted;
                }));
}

// Puts the first word of an adjective's line with examples first where the
// ranking chose the word of a bare line the adjective also heads beside a
// synonym ("meisterhaft; Meister… {adj} | ein meisterhafter Erzähler; ... ::
// masterful; master | a masterful storyteller; ..." before "meisterhaft;
// bravourös {adj} <bravurös> :: bravura"). The bare line names the one
// sense the two German words share, while the line whose further sections
// use the adjective in examples states what the word itself means. Only a
// bare line whose English word the subtitle list misses gives way: a word
// of everyday speech there ("blank; leer {adj} :: blank", "still {adj}; ...
// :: still") is the adjective's plain sense, whatever examples another line
// gives. The example line carries no note, tag or register on either side.
void putHeadedExampleLineBeforeBareSynonymPair(QVector<const Candidate *> &list)
{
    if (list.isEmpty())
        return;
    const Candidate *top = list.first();
    if (!top->first || !top->germanFirst || top->germanAlone || top->sections != 1 || !top->wordClass.adjective
        || top->mainEntry || top->clearMainEntry || top->subtitle != std::numeric_limits<int>::max())
        return;
    const auto examples = std::find_if(list.begin() + 1, list.end(), [](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->wordClass.adjective
               && candidate->sections > 1 && !candidate->comparison && candidate->germanNamedAgain
               && !candidate->noted && !candidate->englishNoted && !candidate->sectionNoted
               && !candidate->wordClass.notedAfterClass && !isSpecial(*candidate) && !candidate->fringe
               && !candidate->otherSense && !candidate->englishRegister && !candidate->englishColloquial
               && !candidate->englishDated && !candidate->lineTagged && !candidate->fieldTagged
               && !candidate->groupTagged;
    });
    moveToFront(list, examples);
}

// Puts the head of an untagged line that gives the English word first and
// alone, with its examples or forms, before a noun the ranking chose only
// for heading the English word's own entry in some field ("Hackpflug {m}
// [agr.] | Hackpflüge {pl} :: scuffle | scuffles" before "Zusammenstoß {m};
// tätliche Auseinandersetzung {f}; ... | Es kam zu Zusammenstößen ... ::
// scuffle | Scuffles broke out ..."). A noun's own entry, the English word
// alone with its plural, halves its place on the subtitle list, which is
// right for an animal or a plant its field names ("Hai {m} [zool.]"); but an
// untagged line that gives the English word just as alone, only with
// examples rather than a plural, is no less the word's entry, and beside it
// the tag marks the noun as that field's use. The untagged head is no own
// entry itself (between two own entries the tag alone tells nothing), stands
// no further down the subtitle list than the noun would without its own
// entry, has as many sections at least and carries no note, tag or mark on
// either side. A verb's line counts only where it is the English word's main
// entry as a verb and the dictionary uses the word as a verb at least as
// often as otherwise (`uses`): "jdn./etw. isolieren; ... {vt} | isolierend;
// ... :: to isolate sb./sth. | ..." before "Isolat {n} [biol.] | Isolate
// {pl} | ... :: isolate | ...". Judged against the rows it changed, a verb
// of a word used mostly as a noun put verbs before animals ("jubeln" before
// "Krähe" for "crow"), and an untagged own entry beside the tagged one as
// often named a side sense ("Deckmantel" before "Umhang" for "cloak").
void putUntaggedLineBeforeFieldTaggedOwnNoun(QVector<const Candidate *> &list, const EnglishWordUses &uses)
{
    if (list.size() < 2)
        return;
    const Candidate *top = list.first();
    if (!top->first || !top->germanFirst || !top->noun || !top->ownEntry || !top->fieldTagged)
        return;
    const bool verbUse = uses.verb >= std::max(1, uses.other);
    const auto plain = std::find_if(list.begin() + 1, list.end(), [top, verbUse](const Candidate *candidate) {
        const bool kind = candidate->noun || (candidate->englishVerb && candidate->englishMainEntry && verbUse);
        return kind && candidate->first && candidate->germanFirst && candidate->englishAlone
               && !candidate->ownEntry && carriesNoMark(*candidate) && !candidate->fieldTagged
               && !candidate->noted && !candidate->englishNoted && !candidate->sectionNoted
               && !candidate->englishVariant && !candidate->germanColloquial
               && candidate->sections >= top->sections && candidate->subtitle <= 2LL * top->subtitle;
    });
    moveToFront(list, plain);
}

// Puts the word of a plain line the German word heads before the word of a
// later line it heads that notes on both sides narrow to one use ("eintönig;
// monoton {adj} | ... :: monotonous | ..." before "eintönig; einförmig;
// monoton (Klang) {adj} | ... :: monotonic; monotone; monotonous (of a
// sound) | ..."). A note on the German side alone often tells one of a
// word's main senses from another, but where the English side narrows the
// same line again, the line names a narrow use, whose word the subtitle
// list or the dictionary's counts may still rank high. The dictionary puts
// the general sense among a word's own lines first: the plain line comes
// earlier in the file, gives its word first, a single word of the same kind
// and word class, and has at least as many sections as the narrowed line,
// with no note, tag, register or mark on either side. Judged against the
// rows it changed, lines that merely list the German word ("Schreibstift
// {m}; ...; Feder {f} :: pen") or that carry a field's tag as often named a
// side use as the main one ("spot" for "Punkt", "pistil" for "Stempel").
void putPlainLineBeforeUseNarrowedOnBothSides(QVector<const Candidate *> &list)
{
    if (list.isEmpty())
        return;
    const Candidate *top = list.first();
    if (!top->first || !top->germanFirst || !top->sectionNoted || !top->englishSectionNoted || top->mainEntry
        || top->clearMainEntry)
        return;
    const auto plain = std::find_if(list.begin() + 1, list.end(), [top](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->line < top->line
               && kindOf(*candidate) == kindOf(*top) && candidate->wordClass.adjective == top->wordClass.adjective
               && candidate->wordClass.adverb == top->wordClass.adverb
               && candidate->sections >= std::max(2, top->sections) && !candidate->english.contains(u' ')
               && !candidate->noted && !candidate->englishNoted && !candidate->sectionNoted
               && !candidate->englishSectionNoted && !candidate->wordClass.notedAfterClass
               && carriesNoMark(*candidate) && !candidate->fieldTagged && !candidate->englishRegister
               && !candidate->englishColloquial && !candidate->laterSense;
    });
    moveToFront(list, plain);
}

// Puts a later German synonym first whose line's further sections give its
// compounds and examples, and none of the head's, where the ranking chose a
// word of a bare line that gives the English word first and nothing more
// ("Geheimkode {m}; geheime Kennung {f}; geheime Kennzahl {f}; Chiffre {f}
// | Blockchiffre {f} | Stromchiffre {f} | ... :: secret code; secret
// identifier; cipher | block cipher | stream cipher | ..." before "Ziffer
// {f}; Zahl {f} :: cipher; cypher"). The dictionary files the shared sense
// under the line's first words, but the sections it adds name the later
// synonym and the English word again: the line is that pair's own entry,
// and the bare line a side use. The synonym is a single noun with no note,
// tag or mark on either side, on a line of at least three sections whose
// further English sections name the English word again. Judged against the
// rows it changed, a verb or an adjective so placed named a side sense as
// often ("widerstehen" for "stand", "üppig" for "copious").
void putLaterSynonymOfLinesCompoundsBeforeBareLine(QVector<const Candidate *> &list)
{
    if (list.size() < 2)
        return;
    const Candidate *top = list.first();
    if (!top->first || top->sections != 1)
        return;
    const auto named = std::find_if(list.begin() + 1, list.end(), [&list](const Candidate *candidate) {
        if (!candidate->noun || candidate->first || candidate->germanFirst || !candidate->germanNamedAgain
            || !candidate->namedAgain || candidate->sections < 3 || !carriesNoMark(*candidate) || candidate->noted
            || candidate->englishNoted || candidate->fieldTagged || candidate->sectionNoted
            || candidate->englishVariant || candidate->german.contains(u' '))
            return false;
        return std::any_of(list.cbegin(), list.cend(), [candidate](const Candidate *head) {
            return head->line == candidate->line && head->germanFirst && !head->germanNamedAgain;
        });
    });
    moveToFront(list, named);
}

// Puts the German words that are used only in compounds
// (Candidate::compoundOnly) behind the others of an English word: the
// learner is not to be taught "Schluss" for "wrap". Where nothing else
// translates the word, the word stays, last among few.
void putCompoundOnlyWordsLast(QVector<const Candidate *> &list)
{
    std::stable_partition(list.begin(), list.end(), [](const Candidate *c) { return !c->compoundOnly; });
}

// Puts the head of the English word's main entry (markEnglishMainEntry)
// first where the ranking chose, on a tie of subtitle places, the loose use
// of a word with its own entry elsewhere (isLooseUseOfWordWithOwnEntry) of
// another kind, whose lines that give the English word first are all short,
// two sections at most ("Umbruch {m} :: wrap", Umbruch's own entry being
// "upheaval", beside "etw. einpacken; verpacken; ... {vt} | einpackend; ...
// | ... :: to wrap; to wrap up <> sth. | ..."). With the subtitle list
// silent on both words, the tie fell to how many lines mention the word and
// to file order; the entry that gives the English word its forms and
// compounds names its main sense. A line of the top's kind that a note
// narrows on the English side names one use ("wrap (end of a session of
// filming or recording)") and does not count as that kind's entry. Judged
// against the rows it changed, the same move over a top of a bare line of
// its own ("Tombola {f} :: raffle", "Märtyrer {m} :: martyr") or of a line
// tagged with a special field put as many side senses first as it mended.
void putMainEntryBeforeTiedShortLineOfOtherKind(QVector<const Candidate *> &list,
                                                 const QHash<QString, const Candidate *> &ownEntries)
{
    if (list.size() < 2 || !list.first()->first || list.first()->englishMainEntry)
        return;
    const Candidate *top = list.first();
    if (!isLooseUseOfWordWithOwnEntry(list, *top, ownEntries))
        return;
    const int kind = kindOf(*top);
    for (const Candidate *candidate : std::as_const(list)) {
        if (candidate->first && kindOf(*candidate) == kind && !candidate->englishNoted && !candidate->compoundOnly
            && (candidate->englishMainEntry || candidate->sections > 2))
            return;
    }
    const auto main = std::find_if(list.begin() + 1, list.end(), [top, kind](const Candidate *candidate) {
        return candidate->englishMainEntry && candidate->first && candidate->germanFirst
               && kindOf(*candidate) != kind && candidate->subtitle == top->subtitle && !candidate->noted
               && !candidate->englishNoted && !isSpecial(*candidate) && !candidate->groupTagged
               && !candidate->fringe && !candidate->englishRegister && !candidate->compoundOnly;
    });
    moveToFront(list, main);
}

// Puts first, where the ranking chose a word of a line tagged with a special
// field (Candidate::lineTagged) on a tie of subtitle places, the head of the
// longest line of the same kind that ties with it, gives the English word in
// the same place and carries no such tag ("Futterbacke {f}; Backe {f}
// [mach.] | ... :: chuck jaw; jaw | ..." gives way to "Kieferknochen {m};
// Kiefer {m}; ... [anat.] | ... :: jawbone; jaw | ..."): with the subtitle
// list silent on both, the tie fell to file order, and the trade's word is a
// side sense of the everyday one.
void putUntaggedLineBeforeTiedFieldLine(QVector<const Candidate *> &list)
{
    if (list.size() < 2 || !list.first()->lineTagged || list.first()->first || list.first()->englishMainEntry)
        return;
    const Candidate *top = list.first();
    auto best = list.end();
    for (auto it = list.begin() + 1; it != list.end(); ++it) {
        const Candidate *candidate = *it;
        if (candidate->subtitle != top->subtitle || candidate->first != top->first
            || kindOf(*candidate) != kindOf(*top) || !candidate->germanFirst || candidate->lineTagged
            || candidate->groupTagged || candidate->noted || candidate->englishNoted || isSpecial(*candidate)
            || candidate->fringe || candidate->englishRegister || candidate->compoundOnly
            || candidate->sections < top->sections)
            continue;
        if (best == list.end() || candidate->sections > (*best)->sections)
            best = it;
    }
    moveToFront(list, best);
}

// Puts a noun's full entry first that gives the English word first, its
// plurals after it, where the ranking chose the word of a bare line, one
// German word for one English word and nothing more, whose German word
// heads an entry of its own for another English word ("Diener {m} ::
// slave" beside "Diener {m}; ... | ... :: servant | ..." and "Sklave {m};
// Sklavin {f} [soc.] | Sklaven {pl}; ... :: slave; helot [formal] | ..."):
// the bare line gives a loose use of a word whose main sense lies
// elsewhere, which the subtitle list ranks by that main sense. The entry's
// head carries no note, special tag or mark.
void putFullNounEntryBeforeBareLooseLine(QVector<const Candidate *> &list,
                                         const QHash<QString, const Candidate *> &ownEntries)
{
    if (list.size() < 2 || !isLooseUseOfWordWithOwnEntry(list, *list.first(), ownEntries))
        return;
    const auto entry = std::find_if(list.begin() + 1, list.end(), [](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && candidate->noun && candidate->pluralForms
               && candidate->englishPlace == 0 && !candidate->noted && !candidate->englishNoted
               && !isSpecial(*candidate) && !candidate->lineTagged && !candidate->groupTagged
               && !candidate->fringe && !candidate->englishRegister && !candidate->compoundOnly;
    });
    moveToFront(list, entry);
}

// Puts the first English word of a plain line the German word heads before
// that of another line with the same German words, as written, whose first
// English section a note narrows ("Zündschnur {f}; Lunte {f} :: fuse; fuze
// [Am.]" before "Zündschnur {f}; Lunte {f} | Zündschnüre {pl}; Lunten {pl}
// :: slow match (wick) | slow matches"). The dictionary splits the senses
// of one set of words over such lines, and the note marks the narrower
// sense; the noted line may still rank first for giving the plurals, which
// makes it the word's clear main entry, or for a phrase of common words.
// The plain line comes earlier in the file, where the dictionary puts a
// word's general sense, and gives its word first with no note, tag or mark
// on either side. Judged against the rows it changed, a plain line after
// the noted one as often named a side sense ("Geburt {f} | ... :: birth
// (general); ..." before "Geburt {f} | Geburten {pl} :: nativity"), and a
// note that opens a synonym with an optional word ("(little) angel")
// narrows nothing.
void putPlainLineBeforeNotedLineOfSameWords(QVector<const Candidate *> &list)
{
    if (list.size() < 2)
        return;
    const Candidate *top = list.first();
    if (!top->first || !top->germanFirst || !top->englishNoteAfterWord)
        return;
    const auto plain = std::find_if(list.begin() + 1, list.end(), [top](const Candidate *candidate) {
        return candidate->line < top->line && candidate->first && candidate->germanFirst
               && top->germanSectionKey != 0 && candidate->germanSectionKey == top->germanSectionKey
               && !candidate->noted && !candidate->englishNoted && !candidate->sectionNoted && !candidate->englishSectionNoted
               && carriesNoMark(*candidate) && !candidate->englishRegister && !candidate->englishColloquial
               && !candidate->laterSense;
    });
    moveToFront(list, plain);
}

// Puts the first English word of a line that gives the German word as a
// singular noun before the word of a line that gives it as a plural ("{pl}")
// narrowed by a note ("Talisman {m}; Glücksbringer {m} :: talisman; ..."
// before "Glückssymbole {pl}; Glücksbringer {pl} (zu Neujahr) :: good luck
// symbols (at New Year)"): a noun whose plural is spelt like its singular
// is listed under both, and the noted plural names one use of the plural,
// which is no main sense of the word. The singular line gives its word first
// with no note, tag or mark.
void putSingularNounBeforeNotedPluralUse(QVector<const Candidate *> &list)
{
    if (list.size() < 2)
        return;
    const Candidate *top = list.first();
    if (!top->first || !top->noun || !top->plural || !top->noted)
        return;
    const auto singular = std::find_if(list.begin() + 1, list.end(), [top](const Candidate *candidate) {
        return candidate->line != top->line && candidate->first && candidate->noun && !candidate->plural
               && !candidate->noted && carriesNoMark(*candidate) && !candidate->englishRegister
               && !candidate->englishColloquial && !candidate->laterSense;
    });
    moveToFront(list, singular);
}

// A German verb's row leads with the fullest line it heads with its forms
// ("zunehmen; steigen; ansteigen; ... {vi} (auf; um) | zunehmend; ... |
// zugenommen; ... :: to increase (to; by) | ..."), not with a line it heads
// whose further sections are an example sentence only ("zunehmen; stärker
// werden {vi}; sich steigern {vr} | Sei vorsichtig, der Wind weht jetzt
// stärker. :: to pick up | ..."): that line shows the verb in one use, the
// wind picking up. The entry takes the lead only where other lines give
// its English word too, and where it names no field, register or narrowed
// English word.
void putHeadedVerbFormsBeforeExampleLine(QVector<const Candidate *> &list)
{
    if (list.size() < 2)
        return;
    const Candidate *top = list.first();
    if (!top->first || !top->germanFirst || !top->examplesOnly || !top->englishVerb)
        return;
    auto entry = list.end();
    for (auto it = list.begin() + 1; it != list.end(); ++it) {
        const Candidate *c = *it;
        if (c->first && c->germanFirst && !c->examplesOnly && c->englishVerb && c->sections >= 3 && !c->laterSense
            && c->support >= 2 && !isSpecial(*c) && !c->fringe && !c->lineTagged && !c->fieldTagged
            && !c->englishSectionNoted && !c->englishColloquial && !c->englishRegister && !c->englishDated
            && (entry == list.end() || c->sections > (*entry)->sections))
            entry = it;
    }
    moveToFront(list, entry);
}

// Puts the English word's main entry (markEnglishMainEntry) first where the
// ranking chose the English word itself, given back as a German word of
// another kind on a bare line that explains it by a German synonym ("amber;
// bernsteinfarben {adj} :: amber; amber-coloured" before "Bernstein {m}
// [min.] | Bernsteine {pl} | wolkiger Bernstein :: amber; succinite | ...").
// The bare line names a loan's narrow use, a colour say, which shows the
// learner the English word back; the main entry, with its forms and
// compounds, names the word's everyday sense, though a field tag ranked it
// behind.
void putMainEntryBeforeWordGivenBack(QVector<const Candidate *> &list)
{
    if (list.isEmpty())
        return;
    const Candidate *top = list.first();
    if (!top->first || !top->germanFirst || top->noun || top->sections > 1
        || top->german.compare(top->english, Qt::CaseInsensitive) != 0)
        return;
    const bool explained = std::any_of(list.cbegin(), list.cend(), [top](const Candidate *c) {
        return c->line == top->line && !c->germanFirst;
    });
    if (!explained)
        return;
    const auto main = std::find_if(list.begin(), list.end(), [top](const Candidate *c) {
        return c->englishMainEntry && c->germanFirst && kindOf(*c) != kindOf(*top) && !c->fringe
               && c->german.compare(top->german, Qt::CaseInsensitive) != 0;
    });
    moveToFront(list, main);
}

// Puts first a transitive verb that two or more lines give the English verb
// first, where the ranking chose a verb that only one line gives it, a
// short line that tags its verbs intransitive only ("brennen; aufflammen
// {vi} | brennend; aufflammend | gebrannt; aufgeflammt :: to kindle | ...",
// beside "anzünden; entfachen; anfachen; zünden {vt} | ... :: to kindle; to
// enkindle | ..." and "wecken; entfachen {vt} :: to kindle"): the
// intransitive line names what the thing does once the English verb has
// been done to it, a loose use, and the lines agree on the transitive one.
void putAgreedTransitiveVerbBeforeIntransitiveLine(QVector<const Candidate *> &list)
{
    if (list.isEmpty())
        return;
    const Candidate *top = list.first();
    if (!top->first || !top->englishVerb || !top->wordClass.intransitiveOnly || top->support > 1 || top->sections > 3)
        return;
    const auto verb = std::find_if(list.begin(), list.end(), [top](const Candidate *c) {
        return c->first && c->englishVerb && c->wordClass.transitive && c->support >= 2 && c->support > top->support
               && !isSpecial(*c) && !c->noted && !c->englishNoted && !c->fringe && !c->englishRegister
               && !c->lineTagged && !c->groupTagged;
    });
    moveToFront(list, verb);
}

// Puts the first English word of a plain line the German word heads before
// that of a line it heads that marks a figurative use ("Tauziehen {n};
// Seilziehen {n} [sport] :: tug of war; tug-of-war" before "Tauziehen {f}
// (um etw.) [übtr.] | ein Tauziehen um die Macht in der Firma :: tussle (for
// sth.) [fig.] | ..."). A figurative sense is carried over from the literal
// one, which is the word's main sense, even where the figurative line wins
// the ranking by giving an example. The plain line comes earlier in the
// file, where the dictionary puts a word's main sense, gives a word of the
// same kind first, with no note, special tag or mark on either side, met on
// as many lines at least as the figurative word. Judged against the rows it
// changed, a plain line after the figurative one often named a side sense
// ("Auslöser {m}; Beweggrund {m} :: driver" after "Auslöser {m} [übtr.] (für
// etw.) | ... :: trigger (for sth.) [fig.] | ..."), and a rarer word a
// looser one ("forceful" for "kraftvoll", against "powerful [fig.]").
template<typename Commonness>
void putLiteralLineBeforeFigurativeUse(QVector<const Candidate *> &list, Commonness commonness)
{
    if (list.size() < 2)
        return;
    const Candidate *top = list.first();
    if (!top->first || !top->germanFirst || !top->figurative)
        return;
    const auto literal = std::find_if(list.begin() + 1, list.end(), [top, &commonness](const Candidate *candidate) {
        return candidate->first && candidate->germanFirst && !candidate->figurative && !candidate->laterSense
               && candidate->line < top->line && commonness(*candidate) >= commonness(*top)
               && kindOf(*candidate) == kindOf(*top) && carriesNoMark(*candidate) && !candidate->noted
               && !candidate->englishNoted && !candidate->sectionNoted && !candidate->englishSectionNoted
               && !candidate->englishRegister && !candidate->englishColloquial;
    });
    moveToFront(list, literal);
}

// Puts the first English words of the plain noun entries that list the
// German word before that of a line narrowing it to one use by notes on
// both sides, where the note or a special field's tag falls on the German
// word's own group ("Feder {n} (bei einem Bodenbrett) | Federn {pl} ::
// tongue (of a floor board) | tongues" behind "Schreibstift {m}; ...;
// Feder {f} | ... :: pen | ..." and "Vogelfeder {f}; Feder {f} [ornith.] |
// ... :: bird feather; ...; feather | ..."). Such a line names a trade's or
// a field's use of the word; the entries that give the word with its
// plurals and no note, tag or mark name its everyday senses, wherever the
// word stands among their synonyms.
void putPlainEntriesBeforeUseNarrowedOnBothSides(QVector<const Candidate *> &list)
{
    if (list.size() < 2)
        return;
    const Candidate *top = list.first();
    if (!top->first || !top->noun || !top->sectionNoted || !top->englishSectionNoted
        || !(top->noted || top->lineTagged) || top->mainEntry || top->clearMainEntry || top->sections > 2)
        return;
    const auto plainEntry = [](const Candidate *candidate) {
        return candidate->first && candidate->noun && candidate->pluralForms && !candidate->laterSense
               && carriesNoMark(*candidate) && !candidate->noted && !candidate->englishNoted
               && !candidate->sectionNoted && !candidate->englishSectionNoted && !candidate->englishRegister
               && !candidate->englishColloquial && !candidate->plural;
    };
    // A fuller entry than the narrowed line, or any plain entry where the
    // narrowed line is a special field's own, names one use and is the
    // German word's entry for it on no other line; a phrase of the narrowed
    // line's word ("street seller" for "seller") narrows it further.
    const bool fieldUse = top->lineTagged && top->support <= 1;
    std::stable_partition(list.begin(), list.end(), [&](const Candidate *candidate) {
        return plainEntry(candidate) && (fieldUse || (candidate->sections >= 3 && candidate->sections > top->sections))
               && !candidate->english.contains(top->english);
    });
}

template<typename Commonness>
void rank(QVector<const Candidate *> &list, Commonness commonness, Side side, QHash<QString, int> &phraseRanks)
{
    weigh(list, side, phraseRanks);
    std::sort(list.begin(), list.end(), [&commonness, side](const Candidate *a, const Candidate *b) {
        if (a->first != b->first)
            return a->first;
        if (a->otherSense != b->otherSense)
            return !a->otherSense;
        if (a->clearMainEntry != b->clearMainEntry)
            return a->clearMainEntry;
        const bool specialA = ranksAsSpecial(*a);
        const bool specialB = ranksAsSpecial(*b);
        if (specialA != specialB)
            return !specialA;
        // A German word's English word that only the English side tags as
        // historical or dated names a sense the German word does not have
        // today ("leichtes Mädchen :: flapper [hist.]").
        if (side == Side::English && a->englishDated != b->englishDated)
            return !a->englishDated;
        const int ra = a->subtitle;
        const int rb = b->subtitle;
        if (ra != rb)
            return ra < rb;
        const int ca = commonness(*a);
        const int cb = commonness(*b);
        if (ca != cb)
            return ca > cb;
        return a->order < b->order;
    });
   
    if (side == Side::German) {
        putEnglishMainEntryFirst(list);
        putIrregularVerbEntryBeforeBareNoun(list);
        putIrregularVerbEntryBeforeNounOfOtherWordsLine(list);
        putPlainWordBeforeNotedOne(list);
        putPlainVerbBeforeObjectNarrowedOne(list);
        putPlainEntryBeforeSpecialFirstOnes(list);
        putOwnEntryBeforeNarrowedOne(list);
        putUntaggedEntryBeforeTaggedLines(list);
        putWordOfSeveralLinesBeforeNotedOne(list);
        putPlainLineBeforeColloquialUse(list);
        putOwnSpellingBeforeCapitalisedUse(list);
        putCompoundedPlainNounBeforeNotedUses(list);
        putCommonerFieldWordBeforeLineTaggedOne(list);
        putCommonHeadBeforeRareFieldTerm(list, commonness);
        putUntaggedVerbLineBeforeFieldTaggedOnes(list);
        keepLongPlainEntryInRow(list);
        putMainEntryHeadBeforeLaterSynonym(list);
        putPlainOwnNounEntryFirst(list);
        putMainEntryHeadBeforeNearTie(list);
        keepPlainHeadInRow(list);
        putDominantOtherKindEntryFirst(list);
        putNounsFullEntryBeforeShortVerbLines(list);
        keepLineHeadBeforeItsSynonyms(list);
        putWordsGivenLateOnLongLinesLast(list);
        putFeminineFormsFirst(list);
        putNumeralFirst(list);
        putOwnVerbLinesBeforeNotedGroupsLaterSynonym(list);
        keepCommonVerbOfLaterSynonymsEntryInRow(list);
        putPlainOwnEntryBeforeNarrowedUses(list);
        putEntryOfNarrowedWordBeforeBareLine(list);
        putSingularNounLineBeforePluralOnlyLine(list);
        putLookAlikeOfOwnLineFirst(list, commonness);
        putPlainWordBeforeItsCompoundOnOneLine(list);
        putPlainHeadBeforeJudgedWord(list);
        putPlainNounBeforeItsCompounds(list);
        putPlainLineBeforeClassTaggedAddition(list);
    } else {
        putPlainLinesBeforeListedNotedLaterSynonym(list);
        putFullLineBeforeBareLaterSynonymLine(list, commonness);
        putLineFirstWordBeforeRegionalSlang(list);
        putPlainHeadedLineFirst(list, commonness);
        putPlainHeadedLineBeforeLaterSynonymLine(list, commonness);
        putOwnAdjectiveEntryFirst(list, commonness);
        putHeadedAdjectiveLineFirst(list, commonness);
        putOwnVerbEntryFirst(list, commonness);
        putAdjectiveBeforeAdverb(list);
        putLaterSynonymsAdjectiveBeforeAdverb(list);
        putCognateFirst(list);
        putBareLinesCognateFirst(list);
        putLaterSynonymsCognateFirst(list);
        putLaterSynonymsFullEntryCognateFirst(list);
        putPlainWordBeforeItsKind(list);
        putMainEntryWordsAfterItsPhrase(list);
        putHeadedLineBeforeBareSynonymLine(list, commonness);
        putTaggedFullEntryBeforeBareSynonymLine(list, commonness);
        putPlainHeadBeforeNotedHead(list);
        putSameWordOfFullEntryFirst(list);
        putPlainWordBeforeLaterSynonymsKind(list);
        putOwnPlainLineBeforeNotedLaterSynonym(list);
        putOwnLineBeforeRegionalWordOfNotedUse(list);
        putOwnLineBeforeLaterSynonymsSideUse(list);
        putHeadedAdjectiveEntryBeforeBareParticiple(list);
        putFullAdjectiveEntryBeforeBareOneWordLine(list);
        putOwnPlainLineBeforeFieldLineOfLaterSynonym(list, commonness);
        putComparingLineBeforeAdverbLineOfLaterSynonym(list);
        putVerbsAloneEntryBeforeSynonymLine(list);
        putHeadedExampleLineBeforeBareSynonymPair(list);
        putPlainLineBeforeUseNarrowedOnBothSides(list);
        putPlainLineBeforeNotedLineOfSameWords(list);
        putSingularNounBeforeNotedPluralUse(list);
        putHeadedVerbFormsBeforeExampleLine(list);
        putLiteralLineBeforeFigurativeUse(list, commonness);
        putPlainEntriesBeforeUseNarrowedOnBothSides(list);
    }
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

// Whether the text holds a gender tag: "{m}", "{f}", "{n}", "{m,f}".
bool hasGender(QStringView raw)
{
    for (qsizetype open = raw.indexOf(u'{'); open >= 0; open = raw.indexOf(u'{', open + 1)) {
        qsizetype i = open + 1;
        for (;;) {
            if (i >= raw.size() || (raw.at(i) != u'm' && raw.at(i) != u'f' && raw.at(i) != u'n'))
                break;
            ++i;
            if (i < raw.size() && raw.at(i) == u'}')
                return true;
            if (i >= raw.size() || raw.at(i) != u',')
                break;
            ++i;
        }
    }
    return false;
}

// Whether a German word is a noun named with its owner and no gender ("jds.
// Lösungsansatz (für etw.)", "jds. Rezept"): a capitalised word after "jds.",
// followed by notes or tags only.
bool isOwnedNoun(QStringView raw)
{
    raw = raw.trimmed();
    if (!raw.startsWith(u"jds. ") || raw.size() < 6 || !raw.at(5).isUpper())
        return false;
    const QStringView rest = raw.mid(5);
    const qsizetype blank = rest.indexOf(u' ');
    if (blank < 0)
        return true;
    const QStringView after = rest.mid(blank + 1);
    return (after.startsWith(u'(') || after.startsWith(u'[')) && !after.contains(u"{v");
}

bool isGermanPreposition(const QString &word)
{
    static const QSet<QString> prepositions{
        QStringLiteral("an"), QStringLiteral("auf"), QStringLiteral("aus"), QStringLiteral("bei"),
        QStringLiteral("bis"), QStringLiteral("durch"), QStringLiteral("für"), QStringLiteral("gegen"),
        QStringLiteral("in"), QStringLiteral("mit"), QStringLiteral("nach"), QStringLiteral("über"),
        QStringLiteral("um"), QStringLiteral("unter"), QStringLiteral("von"), QStringLiteral("vor"),
        QStringLiteral("zu"), QStringLiteral("zwischen"), QStringLiteral("hinter"), QStringLiteral("neben")};
    return prepositions.contains(word);
}

// The prepositions a verb's note names: "warten {vi} (auf; bis)" gives
// "auf", "bis"; "to wait (for; until)" gives "for", "until". Empty when the
// first note holds anything else.
QStringList prepositionsOf(QStringView raw)
{
    const qsizetype open = raw.indexOf(u'(');
    const qsizetype close = raw.indexOf(u')', open + 1);
    if (open < 0 || close < 0)
        return {};
    QStringList prepositions;
    for (const QStringView item : raw.mid(open + 1, close - open - 1).split(u"; ")) {
        if (item.isEmpty() || item.size() > 8
            || !std::all_of(item.begin(), item.end(), [](QChar c) { return c.isLower(); }))
            return {};
        prepositions.append(item.toString());
    }
    return prepositions;
}

// Whether `plural` is the plural of `word`: both share a stem that leaves at
// most two letters of the shorter one, umlauts read as their vowels
// ("Klassen", "Klasse"; "Häuser", "Haus"; "Museen", "Museum"). "Gedärme" is
// no plural of "Enteron".
bool isPluralOf(const QString &plural, const QString &word)
{
    const auto folded = [](const QString &text) {
        QString out = text.toLower();
        out.replace(u'ä', u'a').replace(u'ö', u'o').replace(u'ü', u'u');
        return out;
    };
    const QString a = folded(plural);
    const QString b = folded(word);
    qsizetype common = 0;
    while (common < a.size() && common < b.size() && a.at(common) == b.at(common))
        ++common;
    return common >= 3 && common >= std::min(a.size(), b.size()) - 2;
}

// Whether the first section of a German side is tagged as words of another
// class than verbs ("bisher {adv}", "Datum {n}") and not as a verb: its English
// side's "to" then starts a phrase ("to date"). Untagged sides are mostly
// verb phrases ("die Grenze ziehen bei etw. :: to draw the line at sth.").
bool tagsNoVerb(QStringView germanSide)
{
    static const QRegularExpression verb(QStringLiteral("\\{v[tir]?[;}]"));
    // A gender or plural tag counts after a capitalised word only: a few
    // verb lines carry one by mistake ("Streifen ziehen {f} :: to stripe",
    // "sich für etw. starkmachen {pl} :: to barrack for sth.").
    static const QRegularExpression other(QStringLiteral(
        "\\{(?:adj|adv|prp|conj|num|art|pron|ppron|interj)[;}]|(?:^|[\\s;])\\p{Lu}[^\\s;{]*\\s\\{(?:pl|[mfn](?:,[mfn])*)\\}"));
    const QStringView section = firstSection(germanSide);
    if (!section.contains(u'{'))
        return false;
    const QString text = section.toString();
    return !verb.match(text).hasMatch() && other.match(text).hasMatch();
}

// tagsNoVerb, asked once for each English synonym of a line and so many
// times in a row about the same German side: the last side's answer is
// kept (one for each thread) and given again while the side is the same.
bool namesNoVerb(QStringView germanSide)
{
    thread_local QString lastSide;
    thread_local bool lastAnswer = false;
    if (lastSide.isNull() || germanSide != lastSide) {
        lastAnswer = tagsNoVerb(germanSide);
        lastSide = germanSide.toString();
    }
    return lastAnswer;
}

// Whether the tags name a region and nothing puts the word out of use: the
// word is one region's name for the thing ("Kübel {m} [Bayr.] [Ös.]").
bool namesRegionOnly(const QStringList &tags, QStringView raw)
{
    return !raw.contains(u"(ungebräuchlich)") && !raw.contains(u"(veraltet)")
           && std::any_of(tags.cbegin(), tags.cend(), [](const QString &tag) { return regionalTags().contains(tag); })
           && std::none_of(tags.cbegin(), tags.cend(), [](const QString &tag) { return obsoleteTags().contains(tag); });
}

// Leaves out the region tags of a word that is standard German after all:
// one tagged as Germany's word is that, whichever other regions share it
// ("Sessel {m} [Dt.] [Schw.]", "Straßenbahn {f} [Dt.] [Ös.]"), and so is
// the word a line of regional words only puts first (`standard`).
void dropRegionsOfStandardWord(QStringList &tags, bool standard)
{
    if (standard || tags.contains(QStringLiteral("Dt.")))
        tags.removeIf([](const QString &tag) { return regionalTags().contains(tag); });
}

// Whether a note in brackets narrows a word to some of its senses. A note of
// the word's objects says only how it is used ("(auf etw.)", "(to sb./sth.)",
// "(+Gen.)"), and one of tags only adds a use ("(auch [übtr.])", "(a.
// [übtr.])"). Any other note narrows, abbreviations and all: "archäologisches
// Erbe {n} (einer Region usw.)" names one use of "archaeology", as "(Kind;
// Tier)" does.
bool narrowsSense(QStringView note)
{
    if (!note.contains(u'.'))
        return true;
    QString text = note.toString();
    static const QRegularExpression tags(QStringLiteral("\\[[^\\]]*\\]"));
    text.remove(tags);
    // "(a. [übtr.])" is "also figurative".
    if (!text.contains(u'.') || text.trimmed() == u"a.")
        return false;
    static const QRegularExpression blank(QStringLiteral("[\\s,;]+"));
    for (const QString &token : text.split(blank, Qt::SkipEmptyParts)) {
        if (isValencyMarker(token) || token.endsWith(u"Gen.") || token.endsWith(u"Dat.") || token.endsWith(u"Akk."))
            return false;
    }
    return true;
}

// Whether the note of a German noun names only the prepositions that take
// its object, one or several ("Abneigung {f}; Antipathie {f} (gegen)",
// "Zuneigung {f} (zu; für)", "(an/auf)"): like a note of objects it says how
// the noun is used and names no sense of it. A verb's preposition often is
// the sense ("hadern {vi} (mit; über)" is a side use of "quarrel"), and so is
// an English word's ("descent (on; upon)" is a raid, not the way down): both
// keep narrowing.
bool namesNounsPrepositions(QStringView raw, QStringView note)
{
    if (!hasGender(raw))
        return false;
    static const QRegularExpression separators(QStringLiteral("\\s*[/;,]\\s*|\\s+"));
    const QStringList words = note.toString().trimmed().split(separators, Qt::SkipEmptyParts);
    return !words.isEmpty()
           && std::all_of(words.cbegin(), words.cend(), [](const QString &word) { return isGermanPreposition(word); });
}

// Whether a note in brackets in `text` narrows a sense (narrowsSense) and
// `counts` lets that note count.
template<typename Counts>
bool holdsNoteThatNarrows(QStringView text, Counts counts)
{
    for (qsizetype open = text.indexOf(u'('); open >= 0; open = text.indexOf(u'(', open + 1)) {
        const qsizetype close = text.indexOf(u')', open);
        if (close < 0)
            return false;
        if (close == open + 1)
            continue;
        const QStringView note = text.mid(open + 1, close - open - 1);
        if (narrowsSense(note) && counts(note))
            return true;
    }
    return false;
}

// Whether a section holds a note that narrows a sense anywhere among its
// words ("Schornstein {m}; Schlot {m} (Dampfschiff; Dampfeisenbahn)"); notes
// of objects ("(von etw.)") do not count (narrowsSense).
bool holdsNarrowingNote(QStringView section)
{
    return holdsNoteThatNarrows(section, [](QStringView) { return true; });
}

// Whether an English section holds a note that narrows a sense
// (narrowsSense) other than one naming only the prepositions that take the
// word's object ("to increase (to; by)"), which says how the word is used.
bool holdsEnglishNarrowingNote(QStringView section)
{
    static const QSet<QString> prepositions{
        QStringLiteral("to"),   QStringLiteral("by"),      QStringLiteral("of"),    QStringLiteral("for"),
        QStringLiteral("with"), QStringLiteral("about"),   QStringLiteral("on"),    QStringLiteral("upon"),
        QStringLiteral("at"),   QStringLiteral("from"),    QStringLiteral("in"),    QStringLiteral("into"),
        QStringLiteral("over"), QStringLiteral("against"), QStringLiteral("after"), QStringLiteral("towards"),
        QStringLiteral("toward"), QStringLiteral("between"), QStringLiteral("among"), QStringLiteral("through")};
    return holdsNoteThatNarrows(section, [](QStringView note) {
        static const QRegularExpression separators(QStringLiteral("\\s*[/;,]\\s*|\\s+"));
        const QStringList words = note.toString().trimmed().split(separators, Qt::SkipEmptyParts);
        return !std::all_of(words.cbegin(), words.cend(),
                            [](const QString &word) { return prepositions.contains(word); });
    });
}

// Whether a note that narrows a sense (holdsEnglishNarrowingNote) follows a
// word of an English section. A note that opens a synonym gives an optional
// word of it ("(little) angel", "(hidden) danger", "(lucky) charm") and
// names no narrower sense, so those notes are left out first.
bool holdsEnglishNoteAfterWord(QStringView section)
{
    QString rest;
    for (QStringView synonym : splitTopLevel(section, u"; ")) {
        synonym = synonym.trimmed();
        while (synonym.startsWith(u'(')) {
            const qsizetype close = synonym.indexOf(u')');
            if (close < 0)
                break;
            synonym = synonym.mid(close + 1).trimmed();
        }
        rest += synonym;
        rest += QLatin1String("; ");
    }
    return holdsEnglishNarrowingNote(rest);
}

// Whether a synonym as written carries a note in brackets that narrows it
// (narrowsSense): "Dame {f} (Schachfigur)", not "(von etw.)", nor a German
// noun's prepositions (namesNounsPrepositions).
bool carriesNarrowingNote(QStringView raw, bool english = false)
{
    return holdsNoteThatNarrows(raw, [&](QStringView note) { return english || !namesNounsPrepositions(raw, note); });
}

TransSynonym describeSynonym(QStringView raw, bool english, bool keepTo = false, bool standard = false)
{
    QStringList tags;
    TransSynonym synonym{cleanTransSynonym(raw, english, &tags, keepTo)};
    if (!english)
        dropRegionsOfStandardWord(tags, standard);
    synonym.regional = namesRegionOnly(tags, raw);
    synonym.sense = senseOfTags(tags);
    synonym.plural = raw.contains(u"{pl}");
    synonym.noun = synonym.plural || hasGender(raw) || (!english && isOwnedNoun(raw));
    synonym.noted = carriesNarrowingNote(raw, english);
    synonym.objectNoted = synonym.noted && raw.trimmed().startsWith(u'(');
    if (const qsizetype blank = synonym.text.indexOf(u' ');
        !english && blank > 0 && synonym.text.indexOf(u' ', blank + 1) < 0) {
        // "mit etw. schmücken", "jdn./etw. mit etw. schmücken" read "schmücken mit".
        const QString verb = synonym.text.left(blank);
        const QString preposition = synonym.text.mid(blank + 1);
        const qsizetype before = raw.indexOf(preposition + u' ');
        synonym.prepositionAfterVerb =
            isGermanPreposition(preposition) && before >= 0 && before < raw.indexOf(u' ' + verb);
    }
    synonym.fringe = raw.contains(u"(ungebräuchlich)") || raw.contains(u"(veraltet)")
                     || std::any_of(tags.cbegin(), tags.cend(), [](const QString &tag) { return isFringeTag(tag); });
    synonym.spellingVariant = std::any_of(tags.cbegin(), tags.cend(), [](const QString &tag) {
        return isSpellingVariantTag(tag);
    });
    synonym.colloquial = std::any_of(tags.cbegin(), tags.cend(), [](const QString &tag) {
        return colloquialTags().contains(tag);
    });
    synonym.dated = std::any_of(tags.cbegin(), tags.cend(), [](const QString &tag) {
        return tag == u"hist." || datedTags().contains(tag);
    });
    return synonym;
}

// Whether a German side names adjectives or nouns only: a tag of an
// adjective or a gender, and none of a verb, adverb, preposition or other
// word class ("für jdn./etw. passierbar; durchgängig {adj}", "Auswahl {f}").
bool namesAdjectivesOrNouns(QStringView germanSide)
{
    static const QRegularExpression otherClass(QStringLiteral("\\{(?:adv|prp|conj|num|art|pron|ppron|interj)[;}]"));
    return namesNoVerb(germanSide) && !otherClass.match(firstSection(germanSide)).hasMatch();
}

// Whether an English adjective or noun is given with the preposition of its
// object ("passable to sb./sth.", "selection of sth."), on a line whose German
// side names adjectives or nouns. Cutting the object marker alone leaves the
// preposition dangling ("passable to", "selection of"): a phrase the learner
// would have to complete, and no word of the German side, which gives its
// words bare ("durchgängig", "Auswahl"). Such items are left out; cut to the
// bare word they would link the German words to English words the line does
// not give them plainly ("durchgängig" as the first German word for
// "passable"). Only a single lower-case word before the preposition counts:
// a phrase ("in the run-up to sth.") or a capitalised opener ("Speaking of
// sb./sth.") stands as a whole, and so do the English sides of verbs,
// adverbs and prepositions, where the preposition belongs to the word ("to
// refer to sth.", "apart from sb./sth.").
bool leavesPrepositionDangling(QStringView raw, const QString &cleaned, QStringView germanSide)
{
    static const QRegularExpression brackets(QStringLiteral("\\([^()]*\\)|\\[[^\\]]*\\]|\\{[^}]*\\}"));
    static const QRegularExpression shape(QStringLiteral(
        "^(\\p{Ll}[\\p{L}'’-]*) (?:to|of|for|with|from|at|on|in|into|onto|about|against|by|over|towards?|upon) (\\S+)$"));
    if (!cleaned.contains(u' ') || !namesAdjectivesOrNouns(germanSide))
        return false;
    const QString words = raw.toString().remove(brackets).simplified();
    const QRegularExpressionMatch match = shape.match(words);
    return match.hasMatch() && isValencyMarker(match.capturedView(2)) && cleaned.startsWith(match.captured(1) + u' ');
}

// Whether an English noun phrase of several words ends in the preposition
// of an object the source gives as a marker ("the bread and butter of
// sb./sth.", "the essence of sth.", "a modicum of sth."), on a line whose
// German side names adjectives or nouns. As with a single word
// (leavesPrepositionDangling), cutting the marker leaves a phrase to be
// completed ("the bread and butter of"), no translation of the line's bare
// German nouns ("Fixpunkt {m} (bei etw.)"): the item is left out. A phrase
// opened by a preposition or "to" ("in the run-up to sth.", "to the
// detriment of sb.") is an adverbial or a verb and stands as a whole, as
// does a capitalised opener ("Speaking of sb./sth.").
bool phraseLeavesPrepositionDangling(QStringView raw, const QString &cleaned, QStringView germanSide)
{
    static const QRegularExpression brackets(QStringLiteral("\\([^()]*\\)|\\[[^\\]]*\\]|\\{[^}]*\\}"));
    static const QRegularExpression shape(QStringLiteral(
        "^(\\p{Ll}[\\p{L}'’-]*)(?: [\\p{Ll}'’-]+)+ (to|of|for|with|from|at|on|in|into|onto|about|against|by|over|"
        "towards?|upon) (\\S+)$"));
    if (cleaned.count(u' ') < 2 || !namesAdjectivesOrNouns(germanSide))
        return false;
    const QString words = raw.toString().remove(brackets).simplified();
    const QRegularExpressionMatch match = shape.match(words);
    if (!match.hasMatch() || !isValencyMarker(match.capturedView(3)))
        return false;
    const QString opener = match.captured(1);
    static const QSet<QString> adverbialOpeners{QStringLiteral("to"), QStringLiteral("in"), QStringLiteral("on"),
                                                QStringLiteral("at"), QStringLiteral("by"), QStringLiteral("for"),
                                                QStringLiteral("of"), QStringLiteral("with"), QStringLiteral("from"),
                                                QStringLiteral("under"), QStringLiteral("into"), QStringLiteral("out"),
                                                QStringLiteral("without"), QStringLiteral("within")};
    return !adverbialOpeners.contains(opener) && cleaned.endsWith(u' ' + match.captured(2));
}

// The verb of an English verb given with a person as its object and a
// choice of prepositions for a further one ("to inform sb. of/about sth.",
// "to warn sb. of/against sth."); empty for other text. Cut of its markers
// the phrase reads "inform of/about", which no learner says: the
// prepositions only introduce an optional complement, and the choice shows
// that neither is part of the verb. The verb alone is the item.
QString verbOfPersonWithPrepositionChoice(QStringView raw)
{
    static const QRegularExpression brackets(QStringLiteral("\\([^()]*\\)|\\[[^\\]]*\\]|\\{[^}]*\\}"));
    static const QRegularExpression shape(QStringLiteral(
        "^to (\\p{Ll}[\\p{L}-]*) sb\\. ((?:to|of|for|with|from|at|on|in|into|onto|about|against|by|over|"
        "towards?|upon|off)(?:/(?:to|of|for|with|from|at|on|in|into|onto|about|against|by|over|towards?|upon|off))+) "
        "(\\S+)$"));
    const QRegularExpressionMatch match = shape.match(raw.toString().remove(brackets).simplified());
    if (!match.hasMatch() || !isValencyMarker(match.capturedView(3)))
        return {};
    return match.captured(1);
}

// Whether the first German word of a line takes an object with a
// preposition ("jdn. zu etw. vorladen; bestellen; ... :: to call sb. to/for
// sth."): the English preposition then renders the German one and belongs
// to the verb's sense, summoning rather than calling.
bool headTakesPrepositionalObject(QStringView germanSide)
{
    const QVector<QStringView> synonyms = splitTopLevel(firstSection(germanSide), u"; ");
    if (synonyms.isEmpty())
        return false;
    const QList<QStringView> tokens = synonyms.first().split(u' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i + 1 < tokens.size(); ++i) {
        if (isGermanPreposition(tokens.at(i).toString()) && isValencyMarker(tokens.at(i + 1)))
            return true;
    }
    return false;
}

// The English synonym `raw` of a line whose German side is `germanSide`.
// Whether a German synonym as written carries a note of its own, right
// after it, that names what the word is said of ("auslaufen (Schiff)",
// "abfliegen (Flugzeug) {vi} (nach)"). A note before the word names its
// object ("(Geld) abzweigen"), one after the word class is the whole
// group's ("verwenden; bereitstellen; bewilligen {vt} (Geld)"), and one of
// prepositions only says how the object is joined ("schauen (auf)").
bool notedBySubject(QStringView raw)
{
    if (raw.trimmed().startsWith(u'('))
        return false;
    const qsizetype tag = raw.indexOf(u'{');
    return holdsNoteThatNarrows(tag < 0 ? raw : raw.left(tag), [](QStringView note) {
        static const QRegularExpression separators(QStringLiteral("\\s*[/;,]\\s*|\\s+"));
        const QStringList words = note.toString().trimmed().split(separators, Qt::SkipEmptyParts);
        return note.front().isUpper()
               && !std::all_of(words.cbegin(), words.cend(), [](const QString &word) { return isGermanPreposition(word); });
    });
}

// Whether the line's English word, read without the prepositions its note
// names, is no rendering of a later German synonym that a note of its own
// narrows to one thing that does it: "abfahren; abgehen (Zug); auslaufen
// (Schiff); abfliegen (Flugzeug) {vi} (nach) :: to start (for)" says that a
// ship "starts for" a port. Cleaning drops "(for)", and "start" alone is
// "beginnen", which "auslaufen" never means; the head, noted by no such
// word, keeps it. An English note that narrows a sense otherwise ("to spew
// (from) (gas)") leaves the word as it is read elsewhere.
bool needsDroppedPrepositionForNotedSynonym(QStringView englishRaw, QStringView germanRaw, QStringView headRaw,
                                            qsizetype germanPosition)
{
    return germanPosition > 0 && notedBySubject(germanRaw) && !notedBySubject(headRaw)
           && carriesNarrowingNote(englishRaw, true) && !holdsEnglishNarrowingNote(englishRaw);
}

TransSynonym describeEnglishSynonym(QStringView raw, QStringView germanSide)
{
    TransSynonym synonym = describeSynonym(raw, true, namesNoVerb(germanSide));
    if (const QString verb = verbOfPersonWithPrepositionChoice(raw);
        !verb.isEmpty() && !synonym.text.isEmpty() && !headTakesPrepositionalObject(germanSide))
        synonym.text = verb;
    if (leavesPrepositionDangling(raw, synonym.text, germanSide)
        || phraseLeavesPrepositionDangling(raw, synonym.text, germanSide))
        synonym.text.clear();
    return synonym;
}

// An explanation after a line's main word: a noun phrase of three or more
// words ("Studenten; Angehörige eines Colleges :: gown").
bool isGloss(const QString &german)
{
    if (german.count(u' ') < 2)
        return false;
    const QString last = german.section(u' ', -1);
    return german.at(0).isUpper() && !last.isEmpty() && last.at(0).isUpper();
}

// The sense the tags after a German group's word class give the whole group:
// the dictionary writes the class once, after the last synonym, and a field
// or register tag after it belongs to all of them ("weisungsfrei;
// weisungsungebunden {adj} [adm.]"). A tag before the class names the last
// synonym alone ("gestört [ugs.] {adj}"), and nouns carry no shared class,
// each its own gender ("Bauwerk {n}; Bau {m}; Baute {f} [Schw.] [adm.]").
Sense sharedSenseOf(QStringView last)
{
    static const QStringList classes{QStringLiteral("{adj}"), QStringLiteral("{adv}"), QStringLiteral("{vt}"),
                                     QStringLiteral("{vi}"),  QStringLiteral("{vr}"),  QStringLiteral("{v}"),
                                     QStringLiteral("{num}"), QStringLiteral("{conj}"), QStringLiteral("{prp}")};
    qsizetype classEnd = -1;
    for (const QString &wordClass : classes) {
        const qsizetype at = last.indexOf(wordClass);
        if (at >= 0)
            classEnd = std::max(classEnd, at + wordClass.size());
    }
    if (classEnd < 0)
        return Sense::General;
    const qsizetype firstTag = last.indexOf(u'[');
    if (firstTag < classEnd)
        return Sense::General;
    QStringList tags;
    for (qsizetype open = firstTag; open >= 0; open = last.indexOf(u'[', open + 1)) {
        const qsizetype close = last.indexOf(u']', open);
        if (close < 0)
            break;
        tags.append(last.mid(open + 1, close - open - 1).toString());
    }
    return senseOfTags(tags);
}

// A line whose German words all belong to regions names one thing by each
// region's word ("Eimer {m} [Norddt.] [Westdt.]; Kübel {m} [Mitteldt.]
// [Bayr.] [Ös.] [Schw.] :: bucket"): none is more regional than the rest,
// and the one the line puts first stands for the standard word, unless
// another register narrows it too. A single
// regional word, or one beside a general word, stays regional.
void standardiseFirstRegionalWord(QVector<TransSynonym> &synonyms, const QVector<QStringView> &raws, Sense shared)
{
    if (synonyms.size() < 2 || synonyms.first().position != 0
        || !std::all_of(synonyms.cbegin(), synonyms.cend(), [](const TransSynonym &s) { return s.regional; }))
        return;
    TransSynonym standard = describeSynonym(raws.first(), false, false, true);
    // A colloquial word stays regional: "Goschenhobel {m} [ugs.] [Süddt.]
    // [Ös.]" is no standard word for a mouth organ.
    if (standard.sense == Sense::SpecialRegister)
        return;
    standard.groupTagged = shared != Sense::General;
    synonyms.first() = std::move(standard);
}

// A word a line gives more than once, each time for some regions only, and
// whose regions together reach from Germany's north to its south, is the
// standard word: the tags only say which gender or number each region uses
// ("Weihnachten {n} [Norddt.] [Mitteldt.]; Weihnachten {pl} [Süddt.] [Ös.]
// [Schw.] :: Christmas"). A word given twice within the south ("Heuet {f}
// [BW]; Heuet {m} [Schw.]") stays regional.
void standardiseWordGivenPerRegion(QVector<TransSynonym> &synonyms, const QVector<QStringView> &raws)
{
    static const QSet<QString> north{QStringLiteral("Norddt."),      QStringLiteral("Mitteldt."),
                                     QStringLiteral("Westdt."),      QStringLiteral("Ostdt."),
                                     QStringLiteral("Mittelwestdt."), QStringLiteral("Nordostdt."),
                                     QStringLiteral("Nordwestdt."),  QStringLiteral("Mittelostdt."),
                                     QStringLiteral("Ostmitteldt."), QStringLiteral("Berlin"),
                                     QStringLiteral("Sachsen")};
    static const QSet<QString> south{QStringLiteral("Süddt."),     QStringLiteral("Bayr."),  QStringLiteral("Ös."),
                                     QStringLiteral("Schw."),      QStringLiteral("BW"),     QStringLiteral("Südwestdt."),
                                     QStringLiteral("Ostös."),     QStringLiteral("Westös."), QStringLiteral("Franken"),
                                     QStringLiteral("Wien"),       QStringLiteral("Baden"),  QStringLiteral("Pfalz")};
    static const QRegularExpression tag(QStringLiteral("\\[([^\\]]*)\\]"));
    // Decided for every word before any changes, as each mention is tested.
    QVector<bool> standard(synonyms.size(), false);
    for (qsizetype i = 0; i < synonyms.size(); ++i) {
        bool allRegional = true;
        bool inNorth = false;
        bool inSouth = false;
        int mentions = 0;
        for (const TransSynonym &other : synonyms) {
            if (other.text != synonyms.at(i).text)
                continue;
            allRegional = allRegional && other.regional;
            ++mentions;
            const QString raw = raws.at(other.position).toString();
            for (auto match = tag.globalMatch(raw); match.hasNext();) {
                const QString name = match.next().captured(1);
                inNorth = inNorth || north.contains(name);
                inSouth = inSouth || south.contains(name);
            }
        }
        standard[i] = allRegional && mentions > 1 && inNorth && inSouth;
    }
    for (qsizetype i = 0; i < synonyms.size(); ++i) {
        if (!standard.at(i))
            continue;
        TransSynonym word = describeSynonym(raws.at(synonyms.at(i).position), false, false, true);
        word.groupTagged = synonyms.at(i).groupTagged;
        word.position = synonyms.at(i).position;
        synonyms[i] = std::move(word);
    }
}

// The synonyms of the first section of one side of a line; German
// explanations after the main word are none.
QVector<TransSynonym> synonymsOf(QStringView side, bool english, bool keepTo = false)
{
    QVector<TransSynonym> synonyms;
    int position = 0;
    const QStringView section = firstSection(side);
    const QVector<QStringView> raws = english ? englishSynonymsOf(section) : splitTopLevel(section, u"; ");
    const Sense shared = english || raws.isEmpty() ? Sense::General : sharedSenseOf(raws.last());
    for (const QStringView raw : raws) {
        TransSynonym synonym = describeSynonym(raw, english, keepTo);
        synonym.groupTagged = shared != Sense::General;
        synonym.position = position++;
        if (!synonym.text.isEmpty() && (english || synonym.position == 0 || !isGloss(synonym.text)))
            synonyms.append(std::move(synonym));
    }
    if (!english)
        standardiseFirstRegionalWord(synonyms, raws, shared);
    if (!english)
        standardiseWordGivenPerRegion(synonyms, raws);
    // "Klasse {f}; Klassen {pl}": the plural of a word beside it is no
    // synonym of its own. On a line led by a plural, a plural of another
    // word is ("Eingeweide {pl}; Gedärme {pl}; Viszera {pl}; Enteron {n} ::
    // intestines"), and entries of plurals only ("Einnahmen {pl}") keep theirs.
    // A plural after a singular head is a collective's kind ("Publikum {n};
    // Zuschauer {pl}; Zuhörer {pl} :: audience"), and goes as well.
    const bool pluralHead = !synonyms.isEmpty() && synonyms.first().plural;
    synonyms.removeIf([&synonyms, pluralHead](const TransSynonym &plural) {
        return plural.plural
               && (!pluralHead || std::any_of(synonyms.cbegin(), synonyms.cend(), [&plural](const TransSynonym &s) {
                       return !s.plural && isPluralOf(plural.text, s.text);
                   }));
    });
    return synonyms;
}

} // namespace

namespace {

// The place of the later synonym that the first synonym of a line's first
// section narrows ("riding saddle; saddle" gives 1), or 0.
qsizetype plainWordPlace(const QVector<TransSynonym> &english)
{
    if (english.size() < 2)
        return 0;
    const QString &phrase = english.first().text;
    if (!phrase.contains(u' '))
        return 0;
    for (qsizetype k = 1; k < english.size(); ++k) {
        const QString &word = english.at(k).text;
        if (!word.isEmpty() && phrase.size() > word.size() && phrase.endsWith(word)
            && phrase.at(phrase.size() - word.size() - 1) == u' ')
            return k;
    }
    return 0;
}

// Whether the German synonyms between the line's head and the one at
// `place`, at least two, are all compounds ending in it ("Gerätehaus {n};
// Geräteschuppen {m}; Gartenschuppen {m}; Schuppen {m}; ... :: utility shed;
// garden shed; shed"): the line names the plain thing after its kinds, as
// its English side does, and the plain German word matches the plain
// English word as a later synonym the head compounds would
// (Candidate::compounded). One compound before it is too little to say so.
bool compoundedByEarlierSynonyms(const QVector<TransSynonym> &german, qsizetype place)
{
    if (place < 3)
        return false;
    const QString &word = german.at(place).text;
    for (qsizetype k = 1; k < place; ++k) {
        if (!endsInWord(german.at(k).text, word))
            return false;
    }
    return true;
}

// What is left of `whole` when `part` is taken off its front (or its end),
// without a joining hyphen; empty when `whole` does not start (or end) so.
QString restOfCompound(const QString &whole, const QString &part, bool front)
{
    if (whole.size() <= part.size()
        || !(front ? whole.startsWith(part, Qt::CaseInsensitive) : whole.endsWith(part, Qt::CaseInsensitive)))
        return {};
    QString rest = front ? whole.mid(part.size()) : whole.left(whole.size() - part.size());
    if (rest.startsWith(u'-'))
        rest.remove(0, 1);
    if (rest.endsWith(u'-'))
        rest.chop(1);
    return rest;
}

// Whether a German first part is a listed word, as written or without the
// joining letters a compound adds to it ("Sonnen" of "Sonnenbräune",
// "Schiffs" of "Schiffswerft").
bool isGermanCompoundPart(const QString &part, const WordRanks &ranks)
{
    if (ranks.rank(part) > 0)
        return true;
    for (const QString &joint : {QStringLiteral("s"), QStringLiteral("es"), QStringLiteral("n"), QStringLiteral("en")}) {
        if (part.size() > joint.size() + 2 && part.endsWith(joint) && ranks.rank(part.chopped(joint.size())) > 0)
            return true;
    }
    return false;
}

// Whether a line's German head is a compound of a later German synonym in
// the way its first English word is one of a later English word: both
// begin (or both end) with the shorter word, and what is left on each side
// is a word of its own ("Kieferknochen {m}; Kiefer {m} :: jawbone; jaw",
// "Sonnenbräune {f}; Bräune {f} :: suntan; tan", "Türklingel {f}; Klingel
// {f} :: doorbell; bell"). The line then pairs its words in order: the
// shorter German word is the shorter English word's own, the compound the
// compound's. A shortening is no compound ("Lokomotive; Lok ::
// locomotive; loco": "omotive" is no word), nor a pair joined at opposite
// ends ("Werkstück; Stück :: workpiece; work").
bool compoundsAlikeOnBothSides(const QString &germanHead, const QString &germanPart, const QString &englishHead,
                               const QString &englishPart)
{
    for (const QString *word : {&germanHead, &germanPart, &englishHead, &englishPart}) {
        if (word->size() < 3 || word->contains(u' '))
            return false;
    }
    const WordRanks &german = WordRanks::forLanguage(QStringLiteral("de"));
    const WordRanks &english = WordRanks::forLanguage(QStringLiteral("en"));
    for (const bool front : {true, false}) {
        const QString germanRest = restOfCompound(germanHead, germanPart, front);
        const QString englishRest = restOfCompound(englishHead, englishPart, front);
        if (germanRest.size() >= 3 && englishRest.size() >= 3 && english.rank(englishRest) > 0
            && (front ? german.rank(germanRest) > 0 : isGermanCompoundPart(germanRest, german)))
            return true;
    }
    return false;
}

// The example sections of a line's German side, in lower case: those after
// a second section that gives plurals ("Sinnbild {n}; Symbol {n} |
// Sinnbilder {pl}; Symbole {pl} | ein Sinnbild des Friedens | ..."); empty
// where the line gives no plurals or nothing after them.
QString exampleSectionsAfterPlurals(QStringView germanSide)
{
    const QVector<QStringView> sections = splitTopLevel(germanSide, u" | ");
    if (sections.size() < 3 || !sections.at(1).contains(u"{pl}"))
        return {};
    QString examples;
    for (qsizetype k = 2; k < sections.size(); ++k)
        examples += sections.at(k).toString().toLower() + u'\n';
    return examples;
}

// The stem by which a line's sections name a German word again: the word
// in lower case less a last "-en" or "-e", at least four letters (see
// namesGermanWordAgain).
QString germanStemOf(const QString &german)
{
    const QString lower = german.toLower();
    return lower.left(std::max<qsizetype>(4, lower.size() - (lower.endsWith(u"en") ? 2 : 1)));
}

// Whether a line's examples never name `german` but name another of the
// line's one-word German synonyms ("Sinnbild {n}; Bild {n}; Zeichen {n};
// Emblem {n} | Sinnbilder {pl}; ... | Die Schilder tragen das Bild einer
// leuchtenden Sonne. :: device (of sth.) | ..."): they show the other word
// in use, and the line's sense is that word's rather than this one's.
bool examplesShowOnlyOtherWord(const QString &examples, const QString &german, const QVector<TransSynonym> &synonyms)
{
    if (examples.isEmpty() || german.contains(u' ') || examples.contains(germanStemOf(german)))
        return false;
    return std::any_of(synonyms.cbegin(), synonyms.cend(), [&](const TransSynonym &other) {
        return other.text != german && !other.text.contains(u' ') && examples.contains(germanStemOf(other.text));
    });
}

// Whether a German section is a sentence: an example of use, not a form or
// a phrase ("Das Bier ist leider ausgelaufen.").
bool isExampleSentence(QStringView section)
{
    const QStringView text = section.trimmed();
    return text.contains(u' ') && (text.endsWith(u'.') || text.endsWith(u'!') || text.endsWith(u'?'));
}

// Whether a line's German side gives an example sentence after its first
// section.
bool givesExampleSentences(QStringView germanSide)
{
    const QVector<QStringView> sections = splitTopLevel(germanSide, u" | ");
    return std::any_of(sections.cbegin() + 1, sections.cend(), isExampleSentence);
}

// Whether the example sentences of a line's German side use the later
// synonym at `position` of its first section, by the word itself or one of
// the one-word forms its line gives in that place, and never the line's first
// word by any of its own ("lecken; undicht sein; auslaufen; durchsickern {vi}
// | leckend; ...; auslaufend; ... | geleckt; ...; ausgelaufen; ... | ... |
// Das Bier ist leider ausgelaufen. :: to leak"): the editor chose that word
// to show the line's sense, which is then as much its own as the first
// word's. Forms are the sections that list as many items as the first.
bool examplesShowOnlyLaterSynonym(QStringView germanSide, qsizetype position)
{
    if (position <= 0)
        return false;
    const QVector<QStringView> sections = splitTopLevel(germanSide, u" | ");
    if (sections.size() < 3)
        return false;
    const QVector<QStringView> heads = splitTopLevel(sections.first(), u"; ");
    if (position >= heads.size())
        return false;
    // The one-word forms of the first word and of the later synonym, the
    // words themselves among them, in lower case.
    QSet<QString> firstForms;
    QSet<QString> laterForms;
    const auto addForm = [](QSet<QString> &forms, QStringView item) {
        const QVector<QStringView> words = wordsOutsideBrackets(item);
        if (words.size() == 1)
            forms.insert(words.first().toString().toLower());
    };
    // The word of an item of the first section, without its markers and
    // the preposition of its object ("auf etw. hinweisen" is "hinweisen");
    // none for a phrase.
    const auto addWordForms = [](QStringView item, QSet<QString> &forms) {
        static const QSet<QString> markers{QStringLiteral("etw"), QStringLiteral("jdn"), QStringLiteral("jdm"),
                                           QStringLiteral("jds"), QStringLiteral("jd"), QStringLiteral("sich")};
        QStringList plain;
        for (const QStringView word : wordsOutsideBrackets(item)) {
            const QString text = word.toString();
            if (!markers.contains(text) && !isGermanPreposition(text))
                plain.append(text);
        }
        if (plain.size() == 1)
            forms.insert(plain.first().toLower());
    };
    addWordForms(heads.first(), firstForms);
    addWordForms(heads.at(position), laterForms);
    QVector<QStringView> examples;
    for (qsizetype k = 1; k < sections.size(); ++k) {
        if (isExampleSentence(sections.at(k))) {
            examples.append(sections.at(k));
            continue;
        }
        const QVector<QStringView> items = splitTopLevel(sections.at(k), u"; ");
        if (items.size() != heads.size())
            continue;
        addForm(firstForms, items.first());
        addForm(laterForms, items.at(position));
    }
    if (examples.isEmpty() || laterForms.isEmpty() || firstForms.isEmpty())
        return false;
    bool showsLater = false;
    for (const QStringView example : std::as_const(examples)) {
        for (const QStringView word : wordsOutsideBrackets(example)) {
            const QString lower = word.toString().toLower();
            if (firstForms.contains(lower) && !laterForms.contains(lower))
                return false;
            showsLater = showsLater || (laterForms.contains(lower) && !firstForms.contains(lower));
        }
    }
    return showsLater;
}

// Whether the plural section of a noun's line (`laterEnglish`, the English
// sections after the first, in lower case) gives, in the place of the
// English word at `place`, a phrase in which the word stands before another
// word, not a plural ("Germane {m}; Teutone {m} | Germanen {pl}; Teutonen
// {pl} :: Germanic; Teuton | the Germanic people; Teutons"): English has no
// noun "a Germanic", and the word is an adjective used of those people.
bool pluralPlaceNamesAdjective(QStringView germanSide, const QString &laterEnglish,
                               const QVector<TransSynonym> &english, qsizetype place)
{
    const qsizetype bar = germanSide.indexOf(u" | ");
    if (bar < 0 || !firstSection(germanSide.mid(bar + 3)).contains(u"{pl}") || laterEnglish.isEmpty())
        return false;
    const QVector<QStringView> plurals = splitTopLevel(firstSection(laterEnglish), u"; ");
    if (plurals.size() != english.size() || place >= english.size())
        return false;
    const QString word = english.at(place).text.toLower();
    if (word.contains(u' '))
        return false;
    const QStringList words = plurals.at(place).toString().split(u' ', Qt::SkipEmptyParts);
    const qsizetype at = words.indexOf(word);
    return at >= 0 && at + 1 < words.size() && words.at(at + 1).front().isLetter();
}

// Whether a German synonym as written carries no note and no tag but a
// field's ("Beet {n} [agr.]", the group's field): a region, register or
// remark ("Theke {f} [Dt.]", "Straße {f} [in Zusammensetzungen]") narrows it.
bool onlyFieldTagged(QStringView raw)
{
    if (raw.isEmpty() || raw.contains(u'('))
        return false;
    for (qsizetype open = raw.indexOf(u'['); open >= 0; open = raw.indexOf(u'[', open + 1)) {
        const qsizetype close = raw.indexOf(u']', open);
        if (close < 0)
            return false;
        const QString tag = raw.mid(open + 1, close - open - 1).toString();
        if (!specialFields().contains(tag) && !generalFields().contains(tag))
            return false;
    }
    return true;
}

// Whether a candidate pairs the plain words a line gives after their kinds
// on both sides (Candidate::namedByItsKinds with Candidate::plainWord).
bool plainWordOfKinds(const Candidate &candidate)
{
    return candidate.namedByItsKinds && candidate.plainWord && !candidate.first;
}

// The place of a line's main English word among the synonyms of its first
// section: the first, unless the line is a common German noun's and the
// first narrows a later one to a kind or a piece of it ("Wand {f} [constr.]
// | Wände {pl} | ... :: indoor wall; wall | ...", "Hut {m} :: stiff hat;
// hat", "Felsen {m} :: piece of rock; rock"): the plain word is the noun's
// main word. On the line of a rare noun the phrase is its precise sense
// ("Betrachtungsparallaxe {f} :: observation parallax; parallax").
qsizetype mainEnglishPlace(const QVector<TransSynonym> &english, QStringView germanSide)
{
    const qsizetype place = plainWordPlace(english);
    if (place == 0)
        return 0;
    const QVector<TransSynonym> german = synonymsOf(germanSide, false);
    if (german.isEmpty() || !german.first().noun
        || WordRanks::forLanguage(QStringLiteral("de")).rank(german.first().text) == 0)
        return 0;
    return place;
}

// The place of a later German synonym's own English word among the
// synonyms of its line's first English section, or -1: its English
// look-alike further on the line ("bakterienhemmend; bakteriostatisch;
// keimhemmend; antibiotisch; antibakteriell {adj} [med.] :: bacteriostatic;
// antibiotic; antibacterial"). The dictionary gives the line's first German
// word's main sense first; a later synonym that has its own cognate on the
// line means that word; one spelt alike keeps its place, as a learned
// name after the everyday word ("Hüfte {f}; Coxa {f} [anat.] :: hip;
// haunch; coxa"). A tagged look-alike is a register's or an old
// spelling's ("Art und Weise; Art; Weise :: way; ...; wise [archaic]"), not
// the German word's own. Judged against the rows it changed, pairing the
// synonyms of both sides by their places, even where a note narrows both,
// put as many side senses first as main ones ("Verehrer {m}; Bewunderer {m}
// (einer Person / Sache) :: admirer; devotee (of a person or thing)").
// Where an English word list is given, the look-alike must be in it: one
// missing from it is a learned or foreign form ("Geschwür; Ulkus :: ulcer;
// ulcus", "Thai; Thailänder :: Thai; Thailander"), not the word a learner
// wants first. Nor does a look-alike count that only respells an earlier
// English word of the line: the earlier spelling is the main one, and it
// is the German word's own where it is not the line's first ("Zunft; Gilde
// :: guild; gild" keeps "guild").
qsizetype counterpartPlace(const QVector<TransSynonym> &english, const TransSynonym &german, qsizetype headPlace,
                           const QSet<QString> &englishWords)
{
    if (german.position == 0 || english.size() < 2 || headPlace != 0 || german.text.contains(u' ')
        || isCognate(german.text, english.first().text))
        return -1;
    for (qsizetype k = 1; k < english.size(); ++k) {
        const TransSynonym &synonym = english.at(k);
        if (isCognate(german.text, synonym.text)) {
            const bool plain = synonym.text.compare(german.text, Qt::CaseInsensitive) != 0
                               && synonym.sense == Sense::General && !synonym.fringe && !synonym.colloquial
                               && !synonym.dated;
            const bool listed = englishWords.isEmpty() || englishWords.contains(synonym.text)
                                || englishWords.contains(synonym.text.toLower());
            if (!plain || !listed)
                return -1;
            const auto respelt = std::find_if(english.cbegin(), english.cbegin() + k, [&](const TransSynonym &earlier) {
                return !earlier.text.contains(u' ') && editDistance(earlier.text.toLower(), synonym.text.toLower()) <= 1;
            });
            if (respelt == english.cbegin() + k)
                return k;
            const qsizetype earlier = respelt - english.cbegin();
            return earlier > 0 && respelt->sense == Sense::General && !respelt->fringe && !respelt->colloquial
                           && !respelt->dated
                       ? earlier
                       : -1;
        }
    }
    return -1;
}

// Whether the token after `slash` begins the phrase kept so far again: a
// second phrase, not a one-word alternative.
bool startsPhraseAgain(const QList<QStringView> &tokens, qsizetype slash, const QStringList &kept)
{
    return kept.size() > 1 && slash + 1 < tokens.size()
           && tokens.at(slash + 1).compare(kept.first(), Qt::CaseInsensitive) == 0;
}

// Whether the words after a free-standing slash (" / ") begin a
// phrase of their own rather than one word to put in place of the word
// before the slash. Read as a one-word alternative, the slash drops the
// word after it and keeps the rest, which glues the two phrases into one
// ("inflammation of a joint / of joints" gave "inflammation of a joint
// joints", "to caress sb. / a body part" gave "caress body part"). It is a
// phrase when more words follow the word after the slash and that word
// either repeats a word of the phrase before the slash (the second phrase
// restates the first from there: "of", "punch", "sb.") or is an article
// after a word that is none ("sb. / a body part", "jdn. / einen Körperteil
// streicheln"). A one-word alternative with a shared rest ("to be / feel
// attracted") is left to the usual reading.
bool opensPhraseAfterSlash(const QList<QStringView> &tokens, qsizetype slash, bool english)
{
    static const QStringList englishArticles{QStringLiteral("a"), QStringLiteral("an"), QStringLiteral("the")};
    static const QStringList germanArticles{
        QStringLiteral("der"),   QStringLiteral("die"),   QStringLiteral("das"),  QStringLiteral("den"),
        QStringLiteral("dem"),   QStringLiteral("des"),   QStringLiteral("ein"),  QStringLiteral("eine"),
        QStringLiteral("einen"), QStringLiteral("einem"), QStringLiteral("einer"), QStringLiteral("eines")};
    const QStringList &articles = english ? englishArticles : germanArticles;
    if (slash <= 0 || slash + 2 >= tokens.size())
        return false;
    const QStringView next = tokens.at(slash + 1);
    const auto isArticle = [&articles](QStringView word) {
        return std::any_of(articles.cbegin(), articles.cend(),
                           [word](const QString &article) { return word.compare(article, Qt::CaseInsensitive) == 0; });
    };
    if (isArticle(next) && !isArticle(tokens.at(slash - 1)))
        return true;
    return std::any_of(tokens.cbegin(), tokens.cbegin() + slash,
                       [next](QStringView word) { return word.compare(next, Qt::CaseInsensitive) == 0; });
}

// Whether an English token joins a word and an article by a slash
// ("satellite/a", "fire/the", "togetherness/kinship/a"): the article opens
// another phrase after the slash. Articles joined ("a/the") alternate the
// article alone.
bool opensPhraseAlternative(QStringView token)
{
    static const QStringList articles{QStringLiteral("a"), QStringLiteral("an"), QStringLiteral("the")};
    const qsizetype slash = token.indexOf(u'/');
    if (slash <= 0 || slash == token.size() - 1)
        return false;
    const QList<QStringView> parts = token.split(u'/');
    const auto isArticle = [](QStringView word) {
        return std::any_of(articles.cbegin(), articles.cend(),
                           [word](const QString &article) { return word.compare(article, Qt::CaseInsensitive) == 0; });
    };
    return !isArticle(parts.first()) && std::any_of(parts.cbegin() + 1, parts.cend(), isArticle);
}

// Whether an English token is a word with slash alternatives that ends in
// a further slash with more words after it ("to become/get tangled
// up/entangled/ snarled up/ensnared"): the blank after the last slash starts
// an alternative phrase, which may be longer than a word, so where the first
// phrase's words end cannot be told past the slash. The first phrase ends
// there ("become tangled up"); cutting each slash's word alone glued the
// alternatives into "become tangled up snarled up". A word with only the
// closing slash is left alone: it is a spelling before its tag's other
// country's ("centre [Br.]/ center [Am.] of ...") or an object marker
// ("sth./ doing sth.").
bool endsInLooseAlternatives(QStringView token, bool wordsFollow)
{
    return wordsFollow && token.size() > 2 && token.endsWith(u'/') && token.count(u'/') > 1
           && token.indexOf(u'/') > 0;
}

// Whether a token's last slash alternative makes a two-word preposition
// with the word after it ("from/out of": "out of"), so that word belongs to
// the alternative: read with the first alternative, it gave "arise from of".
bool endsInTwoWordPreposition(QStringView token, QStringView next)
{
    static const QSet<QString> prepositions{QStringLiteral("out of"), QStringLiteral("away from"),
                                            QStringLiteral("up to"), QStringLiteral("on to"),
                                            QStringLiteral("off of"), QStringLiteral("out from")};
    const qsizetype slash = token.lastIndexOf(u'/');
    if (slash <= 0 || slash == token.size() - 1)
        return false;
    return prepositions.contains(token.mid(slash + 1).toString() + u' ' + next.toString());
}

// Whether an English word opens a noun phrase, so that a "to" before it is
// a preposition.
bool startsNounPhrase(const QString &word)
{
    static const QSet<QString> determiners{
        QStringLiteral("no"),    QStringLiteral("the"),   QStringLiteral("a"),     QStringLiteral("an"),
        QStringLiteral("this"),  QStringLiteral("that"),  QStringLiteral("these"), QStringLiteral("those"),
        QStringLiteral("my"),    QStringLiteral("your"),  QStringLiteral("his"),   QStringLiteral("her"),
        QStringLiteral("its"),   QStringLiteral("our"),   QStringLiteral("their"), QStringLiteral("one's"),
        QStringLiteral("some"),  QStringLiteral("every"), QStringLiteral("each"),  QStringLiteral("all")};
    return determiners.contains(word.toLower());
}

// Whether the words after an object marker inside an English phrase
// belong to the object rather than the verb: a possessive marker ("sb.'s
// face"), a form of "be" ("sth. be known"), or the verb after "let", "see"
// or "watch" ("let sb. go first", "watch sth. happen"), unless a particle
// follows ("let sb. in"). After "make" an adjective stays on the verb
// ("make sth. ready").
bool objectCarriesRest(QStringView marker, QStringView before, QStringView after)
{
    if (marker.endsWith(u"'s") || marker.endsWith(u"’s"))
        return true;
    if (after == u"be" || after == u"being" || after == u"been")
        return true;
    static const QSet<QString> causatives{QStringLiteral("let"), QStringLiteral("have"),
                                          QStringLiteral("help"), QStringLiteral("see"), QStringLiteral("hear"),
                                          QStringLiteral("watch")};
    static const QSet<QString> particles{
        QStringLiteral("in"),    QStringLiteral("on"),    QStringLiteral("at"),      QStringLiteral("into"),
        QStringLiteral("out"),   QStringLiteral("off"),   QStringLiteral("up"),      QStringLiteral("down"),
        QStringLiteral("back"),  QStringLiteral("away"),  QStringLiteral("over"),    QStringLiteral("through"),
        QStringLiteral("for"),   QStringLiteral("from"),  QStringLiteral("with"),    QStringLiteral("by"),
        QStringLiteral("about"), QStringLiteral("around"), QStringLiteral("along"),  QStringLiteral("together"),
        QStringLiteral("under"), QStringLiteral("as"),    QStringLiteral("to"),      QStringLiteral("a"),
        QStringLiteral("an"),    QStringLiteral("the"),   QStringLiteral("of")};
    return causatives.contains(before.toString()) && !particles.contains(after.toString());
}

} // namespace

namespace {

// A German phrase whose preposition's object stands in brackets before a
// lower-case word: "mit (Zahlen, Fakten) herumjonglieren", "zu (einer
// Gruppe) gehören". Without the brackets it would read "mit herumjonglieren".
// A bracket that only qualifies ("mit (voller) Absicht", "in (moralisch)
// fragwürdiger Weise") holds no object: it starts with a lower-case word
// other than an article.
bool holdsPrepositionsObject(QStringView raw)
{
    static const QRegularExpression pattern(QStringLiteral(
        "^(?:mit|an|auf|für|über|von|zu|in|aus|bei|nach|um|gegen|vor|unter|zwischen|durch|ohne) "
        "\\((?:\\p{Lu}|(?:ein|eine|einen|einem|einer|der|die|das|den|dem|des) )[^)]*\\) \\p{Ll}"));
    return pattern.match(raw).hasMatch();
}

// Whether a German item is an adjective written with its endings that a cut
// at the endings would spoil: a superlative ("notwendigste/r/s",
// "größte/r/s"), a form of another adjective whose "-e" alone reads as a bare
// inflected form, or a phrase whose article is written for both genders
// ("ein/e einzige/r/s"), which cut reads "ein einzige", the two words not
// agreeing. Such items are left out. An adjective used only before a noun
// keeps its form with "-e" ("obere/r/s", "andere/r/s", "erste/r/s").
bool spoiltByCutEndings(QStringView raw)
{
    if (!raw.contains(u"/r/s"))
        return false;
    static const QRegularExpression pattern(QStringLiteral(
        "(?<!\\p{L})\\p{L}{3,}(?:st|ßt)e/r/s(?!\\p{L})|^ein(?:/e|/eine|\\(e\\)) "));
    return pattern.match(raw).hasMatch();
}

// Whether an English item gives the words that fill a slot of an English
// construction rather than translations: alternatives joined by a spaced
// slash, with a note that names what must follow them ("not / hardly (+
// comparative adjective)" for "denkbar (+ {adj})": "could not/hardly be
// easier"). Neither word renders the German word on its own, and the cut at
// the slash would teach "denkbar" as "not"; such items are left out.
bool fillsSlotOfConstruction(QStringView raw)
{
    static const QRegularExpression pattern(QStringLiteral("^[^()]*\\S / \\S[^()]*\\(\\+"));
    return pattern.match(raw).hasMatch();
}

// Whether a slash joins parts of one word rather than alternatives: a
// shortened compound ("Ein-/Ausgabe"), a tail both sides share
// ("input/output-bound", "E/A-gebunden") or an abbreviation of capitals
// ("I/O"). Cut at the slash as an alternative would be, such a word reads
// "Ein- Ausgabe" or "input"; it cannot be kept whole in a row.
bool joinsWordPartsBySlash(const QString &text)
{
    static const QRegularExpression parts(QStringLiteral(
        "\\p{L}-/\\p{L}|\\p{L}/[\\p{L}/]+-\\p{L}|(?<!\\p{L})\\p{Lu}/\\p{Lu}(?!\\p{L})"));
    return text.contains(u'/') && parts.match(text).hasMatch();
}

// The length of the definite article that a German synonym starts with
// ("die " of "die Polizei {f}"), where it only names the noun after it: one
// capitalised word, with no gender or a gender the article agrees with, and
// no note. Kept are:
// - the article before an adjective, whose ending needs it ("die engsten
//   Angehörigen");
// - that of a plural ("die Bedürftigen {pl}");
// - that of an adjective used as a noun, which ends in "-e" or "-en" and is
//   no feminine noun ("das Neue {n} :: the new", "die Reichen :: the rich"):
//   without its article it reads as a bare inflected form, and the English
//   word alone is the adjective;
// - that of a word narrowed by a note ("das Wort (Rederecht ...) :: the
//   floor"), a use the article phrase has and the noun alone has not.
qsizetype nounArticleLength(QStringView raw)
{
    static const QList<std::pair<QStringView, QStringView>> articles{
        {u"der ", u"{m}"}, {u"die ", u"{f}"}, {u"das ", u"{n}"}};
    raw = raw.trimmed();
    for (const auto &[article, gender] : articles) {
        if (!raw.startsWith(article))
            continue;
        const QStringView rest = raw.mid(article.size());
        const bool gendered = rest.contains(u"{m}") || rest.contains(u"{f}") || rest.contains(u"{n}")
                              || rest.contains(u"{pl}");
        if (gendered && !rest.contains(gender))
            return 0;
        const QString noun = cleanTransSynonym(rest, false, nullptr, false);
        if (noun.isEmpty() || noun.contains(u' ') || !noun.front().isUpper())
            return 0;
        if ((noun.endsWith(u'e') || noun.endsWith(u"en")) && !rest.contains(u"{f}"))
            return 0;
        return carriesNarrowingNote(rest) ? 0 : article.size();
    }
    return 0;
}

// A line whose first sections both start with the definite article ("die
// Polizei {f} | ... :: the police; the Old Bill [Br.] | ...") names a thing
// by its noun the way one speaks of it: without the articles its first
// section reads "Polizei :: police; Old Bill". The articles go from the
// first sections' synonyms that name a noun alone; a German synonym whose
// article stays (nounArticleLength) is left out of the line, whose English
// words are now read without theirs ("der Rest; das Übrige (von etw.) ::
// the rest" is "Rest :: rest"). An English synonym narrowed by a note keeps
// its article ("the street(s) [Am.]" of "der Einzelhandel" names no
// street), and so do a name ("the Netherlands", which the English word
// list gives with it) and the phrases of later sections ("to call the
// police"). A line is left alone where its German side starts with no
// article before a noun, where its English side starts without "the" ("das
// heißt :: that is" names no noun), or where an English phrase with the
// article takes an object ("die Macht {f} :: the power of sth."), a
// construction the noun alone does not make.
QString withoutSharedArticles(const QString &line)
{
    const auto startsWithArticle = [](QStringView raw) {
        return raw.startsWith(u"der ") || raw.startsWith(u"die ") || raw.startsWith(u"das ");
    };
    const qsizetype separator = line.indexOf(u" :: ");
    if (separator < 0 || !startsWithArticle(line))
        return line;
    const QStringView germanSection = firstSection(QStringView(line).left(separator));
    const QVector<QStringView> german = splitTopLevel(germanSection, u"; ");
    const QVector<QStringView> english = englishSynonymsOf(firstSection(QStringView(line).mid(separator + 4)));
    const auto plainWithArticle = [](QStringView raw) {
        raw = raw.trimmed();
        return raw.startsWith(u"the ") && raw.size() > 4 && !carriesNarrowingNote(raw);
    };
    // "the power of sth.", not "the rest (of sth.)", whose object may be left out.
    const auto takesObject = [](QStringView raw) {
        const QStringView outside = raw.left(raw.indexOf(u'('));
        return raw.trimmed().startsWith(u"the ") && (outside.contains(u"sth.") || outside.contains(u"sb."));
    };
    if (english.isEmpty() || !plainWithArticle(english.first()) || !english.first().trimmed().at(4).isLower()
        || nounArticleLength(german.first()) == 0 || std::any_of(english.cbegin(), english.cend(), takesObject))
        return line;
    QStringList nouns;
    for (const QStringView raw : german) {
        const QStringView word = raw.trimmed();
        if (const qsizetype length = nounArticleLength(word); length > 0)
            nouns.append(word.mid(length).toString());
        else if (!startsWithArticle(word))
            nouns.append(word.toString());
    }
    QString result = nouns.join(u"; ");
    qsizetype from = germanSection.size();  // the German side starts the line
    for (const QStringView raw : english) {
        if (!plainWithArticle(raw))
            continue;
        const qsizetype at = raw.trimmed().data() - line.data();
        result.append(QStringView(line).mid(from, at - from));
        from = at + 4;
    }
    result.append(QStringView(line).mid(from));
    return result;
}

// A German verb given with its direct object before the object of a
// preposition ("(sich) etw. mit jdm. teilen", "jdn. gegen etw. impfen") is
// read as the verb alone ("sich etw. teilen", "teilen") where the line's
// English words take no preposition either ("to share sth. (with sb.)" is
// "share"): the verb takes its object directly, and the preposition only adds
// a second one the English verb leaves aside. Read "teilen mit", like a verb
// whose only object takes the preposition ("zu etw. raten" is "raten zu"), it
// stood behind every other word of the English word's row and fell out of
// it. Where an English word keeps its preposition ("to set sb. apart from
// sth.", "to take sth. for sth.", "to discourage sb. from doing sth."), the
// German one does too: "halten für" is no "halten".
QString withVerbBeforeSecondObject(const QString &line)
{
    const qsizetype separator = line.indexOf(u" :: ");
    if (separator < 0 || !line.contains(u". "))
        return line;
    static const QRegularExpression pattern(QStringLiteral(
        "^((?:\\(sich\\) |sich )?(?:etw|jdn|jdm)\\.(?:/(?:etw|jdn|jdm)\\.)? )"
        "(?:mit|an|auf|für|über|von|zu|in|aus|bei|nach|um|unter|gegen|vor|zwischen|durch) "
        "(?:etw|jdn|jdm)\\.(?:/(?:etw|jdn|jdm)\\.)? (?=\\p{Ll}+(?: [{\\[(]|$))"));
    const QStringView germanSection = firstSection(QStringView(line).left(separator));
    const QVector<QStringView> german = splitTopLevel(germanSection, u"; ");
    if (std::none_of(german.cbegin(), german.cend(),
                     [](QStringView raw) { return pattern.match(raw.trimmed()).hasMatch(); }))
        return line;
    static const QSet<QString> englishPrepositions{
        QStringLiteral("with"), QStringLiteral("from"), QStringLiteral("to"),   QStringLiteral("into"),
        QStringLiteral("of"),   QStringLiteral("on"),   QStringLiteral("onto"), QStringLiteral("upon"),
        QStringLiteral("for"),  QStringLiteral("in"),   QStringLiteral("at"),   QStringLiteral("against"),
        QStringLiteral("about"), QStringLiteral("by"),  QStringLiteral("through"), QStringLiteral("over"),
        QStringLiteral("under"), QStringLiteral("as"),  QStringLiteral("towards"), QStringLiteral("toward")};
    const QVector<QStringView> english = englishSynonymsOf(firstSection(QStringView(line).mid(separator + 4)));
    bool anyVerb = false;
    for (const QStringView raw : english) {
        const QString word = cleanTransSynonym(raw, true);
        if (word.isEmpty())
            continue;
        const QStringList words = word.split(u' ');
        if (std::any_of(words.cbegin() + 1, words.cend(),
                        [](const QString &w) { return englishPrepositions.contains(w); }))
            return line;
        anyVerb = true;
    }
    if (!anyVerb)
        return line;
    QStringList read;
    for (const QStringView raw : german) {
        QString synonym = raw.toString();
        const QRegularExpressionMatch match = pattern.match(synonym.trimmed());
        if (match.hasMatch()) {
            qsizetype lead = 0;  // the blank after the previous synonym's "; "
            while (lead < synonym.size() && synonym.at(lead).isSpace())
                ++lead;
            synonym.remove(lead + match.capturedLength(1), match.capturedLength() - match.capturedLength(1));
        }
        read.append(synonym);
    }
    return read.join(u"; ") + line.mid(germanSection.size());
}

// A line whose English verb takes an infinitive as its object ("etw. wagen;
// sich trauen, etw. zu tun :: to dare to do sth."; "to want to do sth.")
// names the verb alone: "dare", as "to advise sb. to do sth." names
// "advise". Read on, the English item was "dare to do", which no row of
// "dare" takes. The line is read with "to do" left out of its first English
// section. A phrase with "be" keeps it ("to be about to do sth.": its
// adjective needs the infinitive), and so does a line whose German words
// stand for the infinitive's "do" ("etw. tun wollen :: to want to do sth.",
// "gern tun"): the German item would be the placeholder with its verb.
QString withInfinitiveObjectLeftOut(const QString &line)
{
    const qsizetype separator = line.indexOf(u" :: ");
    if (separator < 0 || !line.contains(u" to do sth."))
        return line;
    static const QRegularExpression standsForDo(QStringLiteral("(?<!\\bzu )\\btun\\b"));
    if (firstSection(QStringView(line).left(separator)).toString().contains(standsForDo))
        return line;
    static const QRegularExpression infinitive(
        QStringLiteral("(?<=^|; )(to (?!be )\\p{Ll}+) to do (?=sth\\.)"));
    const QStringView englishSection = firstSection(QStringView(line).mid(separator + 4));
    QString english = englishSection.toString();
    english.replace(infinitive, QStringLiteral("\\1 "));
    if (english.size() == englishSection.size())
        return line;
    return line.left(separator + 4) + english + line.mid(separator + 4 + englishSection.size());
}

// Whether the note that ends the last English synonym of a line's first
// section is the whole section's: the German group carries a note after its
// word class (notedAfterWordClass), and no earlier English synonym has a
// note of its own ("etw. aufbessern; ...; aufmöbeln [ugs.] {vt} (mangelhafte
// Sache) :: to fix up <> sth.; to do up <> sth. (a defective thing)"). The
// English side mirrors the German one: the note narrows every synonym alike,
// so it does not make the last one a narrower sense than the first.
bool endsInSectionsSharedNote(const QVector<QStringView> &english, qsizetype k, QStringView germanSide)
{
    if (english.size() < 2 || k != english.size() - 1 || !notedAfterWordClass(firstSection(germanSide)))
        return false;
    const QStringView raw = english.at(k).trimmed();
    return raw.endsWith(u')') && raw.count(u'(') == 1
           && std::none_of(english.cbegin(), english.cend() - 1, [](QStringView earlier) { return earlier.contains(u'('); });
}

// The later English synonym at `k` of a line (englishSynonyms, read from
// the raw synonyms `english`), as a later sense of the German word that
// heads it. A note the whole section shares (endsInSectionsSharedNote) does
// not count as the synonym's own: "aufbessern" lost "do up" of its own line
// to it, as a use narrowed below the line's first word.
TransSynonym laterSenseOfLine(const QVector<TransSynonym> &englishSynonyms, const QVector<QStringView> &english,
                              qsizetype k, QStringView germanSide)
{
    TransSynonym later = englishSynonyms.at(k);
    if (later.noted && endsInSectionsSharedNote(english, k, germanSide))
        later.noted = false;
    return later;
}

// A line read with the verbs it names alone (withVerbBeforeSecondObject,
// withInfinitiveObjectLeftOut).
QString withVerbsAlone(const QString &line)
{
    return withInfinitiveObjectLeftOut(withVerbBeforeSecondObject(line));
}

// Drops what the source's slips leave on an English item's words: a doubled
// infinitive marker ("to to prance around"), whose first "to" alone would
// be read as the verb's, and a stray full stop ("to combine sth. with.
// sth.", "to back down (on sth)."). A stop stays on an abbreviation: one
// with a capital ("Mr.") or with a stop inside ("e.g."), or a short
// lowercase one ("approx.") that names no word of the kind.
void dropSourceSlips(QStringList &kept)
{
    while (kept.size() > 2 && kept.at(0) == QLatin1String("to") && kept.at(1) == QLatin1String("to"))
        kept.removeFirst();
    kept.removeAll(QStringLiteral("."));
    if (kept.isEmpty())
        return;
    static const QSet<QString> abbreviations{
        QStringLiteral("approx"), QStringLiteral("esp"), QStringLiteral("incl"), QStringLiteral("etc"),
        QStringLiteral("cf"),     QStringLiteral("ca"),  QStringLiteral("vs"),   QStringLiteral("no"),
        QStringLiteral("sq"),     QStringLiteral("ft"),  QStringLiteral("lb"),   QStringLiteral("oz"),
        QStringLiteral("pl"),     QStringLiteral("sg"),  QStringLiteral("st")};
    QString &last = kept.last();
    if (last.size() > 2 && last.endsWith(u'.') && !isValencyMarker(last)) {
        const QString word = last.chopped(1);
        bool lowercase = true;
        for (const QChar c : word)
            lowercase = lowercase && c.isLower();
        if (lowercase && !abbreviations.contains(word))
            last = word;
    }
}

// Where a British or American word is followed by the other country's
// word, each tagged, and the rest of the phrase is shared ("hard-disc [Br.]
// / hard disk [Am.] platter", "to have [Br.] / take [Am.] a swim"): the end
// of the second word's tag, from the end of the first tag; or -1. Read as
// an alternative of one word the slash kept the second word's tail and
// glued it on ("hard-disc disk platter"); the first country's phrase is
// whole without it ("hard-disc platter").
qsizetype otherCountrysWordEnd(QStringView raw, qsizetype tagEnd)
{
    static const auto isRegionTag = [](QStringView tag) { return tag == u"Br." || tag == u"Am."; };
    const qsizetype tagStart = raw.lastIndexOf(u'[', tagEnd);
    if (tagStart < 0 || !isRegionTag(raw.mid(tagStart + 1, tagEnd - tagStart - 1).trimmed())
        || !raw.mid(tagEnd + 1).startsWith(u" / "))
        return -1;
    const qsizetype wordStart = tagEnd + 4;
    const qsizetype nextTag = raw.indexOf(u'[', wordStart);
    if (nextTag < 0)
        return -1;
    const qsizetype nextTagEnd = raw.indexOf(u']', nextTag);
    const QStringView word = raw.mid(wordStart, nextTag - wordStart).trimmed();
    if (nextTagEnd < 0 || word.isEmpty() || !isRegionTag(raw.mid(nextTag + 1, nextTagEnd - nextTag - 1).trimmed()))
        return -1;
    const bool plainWords = std::all_of(word.cbegin(), word.cend(), [](QChar c) {
        return c.isLetter() || c == u' ' || c == u'-' || c == u'\'';
    });
    return plainWords ? nextTagEnd : -1;
}

} // namespace

QString cleanTransSynonym(QStringView raw, bool english, QStringList *tags, bool keepTo)
{
    if (!english && (holdsPrepositionsObject(raw) || spoiltByCutEndings(raw)))
        return {};
    if (english && fillsSlotOfConstruction(raw))
        return {};
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
            // The other country's word after it goes with its tag.
            if (const qsizetype otherEnd = otherCountrysWordEnd(raw, end); otherEnd > 0) {
                if (tags)
                    tags->append(raw.mid(raw.lastIndexOf(u'[', otherEnd) + 1, 3).toString());
                i = otherEnd;
            }
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
    QString trailingPreposition;  // of a reflexive verb's object, put after the verb
    bool prepositionAfterVerb = false;  // the verb has no "sich" before it
    qsizetype lastKeptAt = -1;  // the token kept last
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
            // "bringen / karren": the word after the slash is an alternative
            // of the one before.
            if (!startsPhraseAgain(tokens, i, kept)) {
                // "inflammation of a joint / of joints": a phrase follows
                // the slash, so the first phrase ends there. A German phrase
                // ends in its verb, after the slash: it is left out.
                if (opensPhraseAfterSlash(tokens, i, english)) {
                    if (!english)
                        return {};
                    break;
                }
                ++i;
                continue;
            }
            // "ohne weiteres / ohne Weiteres": the phrase again, as long as
            // it. "to be / to feel nauseous", "to look forward / to be looking
            // forward to sth." share a rest whose start cannot be told: left
            // out rather than glued into nonsense.
            if (tokens.size() - (i + 1) == kept.size())
                break;
            return {};
        }
        // "to be able to look forward to sth./ to expect sth.": a slash
        // after a marker, then another phrase.
        if (token.size() > 1 && token.endsWith(u'/') && startsPhraseAgain(tokens, i, kept))
            return {};
        if (token.startsWith(u'~'))
            continue;  // "bad ~worse", "Dockarbeiter ~Stauer": a form or a word to compare
        if (token.size() > 2 && token.startsWith(u'#') && token.endsWith(u'#'))
            continue;  // "to make sth. {made; made} #BE_make#": an editor's mark
        if (token == u"etc." || token == u"usw.")
            return {};  // "to check with sb. what/whether etc.": an open list, no word to learn
        if (isValencyMarker(token)) {
            // "etw. nehmen", "sich etw. merken" and "jdm. etw. geben" lose
            // their markers whole; "über etw. verfügen" would lose its sense.
            // "sich an etw. erinnern" is "sich erinnern an", as dictionaries
            // give a reflexive verb with the preposition of its object:
            // without it "sich um etw. handeln" would be "sich handeln", and
            // "sich gegen jdn. stellen" "sich stellen", another verb.
            if (!english && kept.size() == 2 && kept.first() == QLatin1String("sich") && i + 1 < tokens.size()
                && kept.last().at(0).isLower()) {
                trailingPreposition = kept.takeLast();
                continue;
            }
            // "zu etw. raten", "von etw. profitieren": a verb that takes its
            // object with a preposition is given as dictionaries give it,
            // "raten zu", "profitieren von"; read whole it would be left out.
            // "gegen etw. sein" is a stance, not "sein" with an object.
            if (!english && kept.size() == 1 && i + 2 == tokens.size() && isGermanPreposition(kept.first())
                && tokens.at(i + 1).front().isLower() && !isValencyMarker(tokens.at(i + 1))
                && tokens.at(i + 1) != u"sein") {
                trailingPreposition = kept.takeLast();
                prepositionAfterVerb = true;
                continue;
            }
            const bool inside = !kept.isEmpty() && kept.last() != QLatin1String("sich") && i + 1 < tokens.size();
            // "to advise sb. to do sth.": the object's infinitive is the
            // verb's pattern, not its words; read on it would be "advise to do".
            if (inside && english && tokens.size() - i <= 4 && tokens.at(i + 1) == u"to" && i + 2 < tokens.size()
                && tokens.at(i + 2) == u"do" && (i + 3 == tokens.size() || isValencyMarker(tokens.at(i + 3)))) {
                // "to gesture for sb. to do sth.": "for" with the object and
                // its infinitive is one clause, "gesture for" no phrase.
                if (kept.last() == QLatin1String("for") || kept.last().startsWith(QLatin1String("for/")))
                    return {};
                break;
            }
            if (inside && !english)
                return {};
            // An English marker may go from the middle of a phrase when
            // what follows still reads on the verb ("to take sth. into
            // account", "to put sth. off"). It may not when the rest says
            // what the object does or owns: "to let sth. be known" is no
            // "let be known", "to slap sb.'s face" no "slap face".
            if (inside && english && objectCarriesRest(token, kept.last(), tokens.at(i + 1)))
                return {};
            continue;
        }
        if (token == u"<>")
            continue;
        if (english && opensPhraseAlternative(token)) {
            // "to launch a satellite/a rocket": the alternative is a phrase
            // of its own that runs on, and cutting the slash's word alone
            // would glue the two ("launch a satellite rocket"). The first
            // phrase ends at the slash.
            kept.append(token.left(token.indexOf(u'/')).toString());
            break;
        }
        if (english && endsInLooseAlternatives(token, i + 1 < tokens.size())) {
            // "to become/get tangled up/entangled/ snarled up/ensnared": the
            // first phrase ends at the slash (endsInLooseAlternatives).
            kept.append(token.left(token.indexOf(u'/')).toString());
            break;
        }
        if (english && i + 1 < tokens.size() && endsInTwoWordPreposition(token, tokens.at(i + 1))) {
            // "to arise from/out of sth.": "from", not "from of".
            kept.append(token.left(token.indexOf(u'/')).toString());
            ++i;
            lastKeptAt = i;
            continue;
        }
        // The word after an object or alternative left out may be the one
        // before it again: "to sell sth. at auction / by auction" is "sell at
        // auction", "to let in <> sb. in/into sth." "let in", not "let in in".
        if (!kept.isEmpty() && i > lastKeptAt + 1 && kept.last() == token.left(token.indexOf(u'/')))
            continue;
        kept.append(token.toString());
        lastKeptAt = i;
    }
    if (english)
        dropSourceSlips(kept);
    // The "to" of a verb goes ("to take"), that of a phrase stays: "to no
    // avail" and "to the point" are no verbs.
    // "to no longer apply" is a verb again.
    if (english && !keepTo && kept.size() > 1 && kept.first() == QLatin1String("to")
        && (!startsNounPhrase(kept.at(1)) || (kept.size() > 2 && kept.at(2) == QLatin1String("longer"))))
        kept.removeFirst();
    if (!trailingPreposition.isEmpty() && (kept.size() > 1 || (prepositionAfterVerb && kept.size() == 1)))
        kept.append(trailingPreposition);
    QString cleaned = kept.join(u' ');
    if (joinsWordPartsBySlash(cleaned))
        return {};
    if (mayHoldMarkup(cleaned))
        cleaned = withoutMarkup(cleaned);
    // "Hauptstadt: Winnipeg" is a label and "dafürhalten, dass" a phrase;
    // rows join their translations with ", ", where either would read as two.
    if (cleaned.contains(u',') || cleaned.contains(u':'))
        return {};
    // Words are split at blanks only: a tab or a carriage return around
    // them ("to stop\r" of a CRLF file) is no part of the word.
    return cleaned.trimmed();
}

TransEntry parseTransEntry(QStringView line)
{
    TransEntry entry;
    // A file with CRLF line ends: the carriage return is no part of the
    // last English word.
    if (line.endsWith(u'\r'))
        line.chop(1);
    if (line.startsWith(u'#'))
        return entry;
    const QString read = withoutSharedArticles(withVerbsAlone(line.toString()));
    const qsizetype separator = read.indexOf(u" :: ");
    if (separator < 0)
        return entry;
    const QStringView germanSide = QStringView(read).left(separator);
    entry.german = synonymsOf(germanSide, false);
    entry.english = synonymsOf(QStringView(read).mid(separator + 4), true, namesNoVerb(germanSide));
    return entry;
}

namespace {

// Whether two words differ only as the spellings of one word do ("vapour",
// "vapor"; "metre", "meter"; "disc", "disk"): the same start, at most one
// letter longer and at most two letters added, dropped or changed.
// "upmarket [Br.]; upscale [Am.]", "packet [Br.]; pack [Am.]" and "brace
// [Br.]; braces [Am.]" name other words or forms.
bool isSpellingOf(const QString &a, const QString &b)
{
    constexpr qsizetype kMostEdits = 2;
    if (a == b || std::abs(a.size() - b.size()) > 1 || a.size() < 4 || b.size() < 4
        || QStringView(a).left(3) != QStringView(b).left(3) || a + u's' == b || b + u's' == a)
        return false;
    return editDistance(a, b) <= kMostEdits;
}

// The English synonym of a line's first section that is spelt like the
// German word `german` but for case ("Laptop" and "laptop"); empty where
// there is none. The bytes are looked at first:
// most lines do not hold the word at all.
TransSynonym sameWordOnLine(QByteArrayView raw, const QString &german)
{
    const qsizetype separator = raw.indexOf(" :: ");
    if (separator < 0 || german.contains(u' '))
        return {};
    const QByteArray lower = german.toLower().toUtf8();
    if (!raw.sliced(separator + 4).toByteArray().toLower().contains(lower))
        return {};
    const QString line = normaliseCharacters(QString::fromUtf8(raw));
    const qsizetype sides = line.indexOf(u" :: ");
    const QVector<QStringView> english = englishSynonymsOf(firstSection(QStringView(line).mid(sides + 4)));
    for (qsizetype k = 0; k < english.size(); ++k) {
        TransSynonym synonym = describeEnglishSynonym(english.at(k), QStringView(line).left(sides));
        if (synonym.text.compare(german, Qt::CaseInsensitive) == 0)
            return synonym;
    }
    return {};
}

// Calls `onSide` with the English side of each entry of trans-de-en's text
// (what follows its "::"), as bytes; comment lines and lines without a
// separator are passed over. A scan of the whole file for words or phrases
// reads it this way, without a QString per line.
template<typename OnSide>
void forEachEnglishSide(const QByteArray &text, OnSide onSide)
{
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
        onSide(line.substr(separator + 2));
    }
}

// The American spellings of the British ones the list pairs with them
// ("vapour [Br.]; vapor [Am.]"). A line given under the British spelling
// only ("Dampf {m}; Nebel {m} ... :: vapour ... | ...") is as much the
// American word's. The other way round it is not: "story [Am.]" is the
// American "storey", but a line giving "story" alone tells a story.
QHash<QString, QString> spellingPairsOf(const QByteArray &text)
{
    QHash<QString, QString> pairs;
    forEachEnglishSide(text, [&pairs](std::string_view raw) {
        if (raw.find("[Am.]") == std::string_view::npos)
            return;
        const QString side = normaliseCharacters(QString::fromUtf8(raw.data(), qsizetype(raw.size())).trimmed());
        for (const QStringView section : splitTopLevel(side, u" | ")) {
            const QVector<QStringView> synonyms = splitTopLevel(section, u"; ");
            for (qsizetype k = 0; k + 1 < synonyms.size(); ++k) {
                if (!synonyms.at(k).trimmed().endsWith(u"[Br.]") || !synonyms.at(k + 1).trimmed().endsWith(u"[Am.]"))
                    continue;
                const QString british = cleanTransSynonym(synonyms.at(k), true).toLower();
                const QString american = cleanTransSynonym(synonyms.at(k + 1), true).toLower();
                if (isSpellingOf(british, american))
                    pairs.insert(british, american);
            }
        }
    });
    return pairs;
}

// The bytes of trans-de-en's line that starts at `start`, without its line
// end; `start` moves on to the next line. A CRLF line end leaves its
// carriage return out of the last word.
QByteArrayView takeRawTransLine(const QByteArray &text, qsizetype &start)
{
    qsizetype end = text.indexOf('\n', start);
    if (end < 0)
        end = text.size();
    const qsizetype contentEnd = end > start && text.at(end - 1) == '\r' ? end - 1 : end;
    const QByteArrayView line(text.constData() + start, contentEnd - start);
    start = end + 1;
    return line;
}

// Whether a line judges all the words of its first German section at once:
// the section ends in a judging register's tag and the line's first English
// section carries one too ("gewohnheitsmäßig; schematisch {adj}; Standard…;
// Routine… [pej.] :: routine; ordinary [pej.]"). The dictionary writes such
// a tag after the last word, so the other words' own tags miss it. A tag on
// the German side only is most often its last word's own ("Säugling {m};
// ...; Kindlein {n} [poet.] | ... :: baby | ...").
bool judgesWholeSection(QStringView section, QStringView englishSection)
{
    const QStringView trimmed = section.trimmed();
    if (!trimmed.endsWith(u']') || !namesFieldAmong(englishSection, judgingRegisters()))
        return false;
    const qsizetype open = trimmed.lastIndexOf(u'[');
    return open >= 0 && judgingRegisters().contains(trimmed.sliced(open + 1, trimmed.size() - open - 2).toString());
}

// The field tags of a line's first German section, which name the line's
// use wherever they stand in it: whether one names a narrow field
// ("[ling.]"), and whether any field is named, general words' ("[anat.]")
// included; and whether a register's tag judges the whole section
// (judgesWholeSection).
struct LineFields
{
    bool narrow = false;
    bool any = false;
    bool judged = false;
};

LineFields lineFieldsOf(QStringView germanSide, QStringView englishSide = {})
{
    const QStringView words = firstSection(germanSide);
    const bool narrow = namesFieldAmong(words, specialFields());
    return {narrow, narrow || namesFieldAmong(words, generalFields()),
            judgesWholeSection(words, firstSection(englishSide))};
}

// Calls `visit` with each entry line of the file, a German side and an
// English side joined by " :: ", and where that separator stands; comment
// lines and lines without it are skipped.
template<typename Visit>
void forEachRawTransEntry(const QByteArray &text, Visit visit)
{
    qsizetype start = 0;
    while (start < text.size()) {
        const QByteArrayView raw = takeRawTransLine(text, start);
        const qsizetype separator = raw.indexOf(" :: ");
        if (separator >= 0 && !raw.startsWith("#"))
            visit(raw, separator);
    }
}

// The same line decoded, with its characters normalised.
QString takeTransLine(const QByteArray &text, qsizetype &start)
{
    return normaliseCharacters(QString::fromUtf8(takeRawTransLine(text, start)));
}

// The key of a line's first German section as written (Candidate::
// germanSectionKey), from the German side as the scan for core words reads
// it (takeTransLine, withVerbsAlone, withoutSharedArticles), so that the
// candidates read from one line either way share it; never 0, which marks
// a candidate read without its line.
std::size_t germanSectionKeyOf(QStringView germanSide)
{
    return std::max<std::size_t>(1, qHash(firstSection(germanSide).trimmed()));
}

} // namespace

TransWordCounts countTransWords(const QByteArray &text)
{
    LineCounter germanLines;
    LineCounter englishLines;
    qsizetype start = 0;
    while (start < text.size()) {
        const QString line = takeTransLine(text, start);
        if (line.startsWith(u'#'))
            continue;
        const qsizetype separator = line.indexOf(u" :: ");
        if (separator < 0)
            continue;
        germanLines.countLine(QStringView(line).left(separator));
        englishLines.countLine(QStringView(line).mid(separator + 4));
    }
    return {germanLines.take(), englishLines.take()};
}

namespace {

// Whether the English `plural` is the regular plural of `word` ("rules",
// "rule"; "boxes", "box"; "stories", "story").
bool isEnglishPluralOf(const QString &plural, const QString &word)
{
    if (word.isEmpty() || plural.size() <= word.size())
        return false;
    if (plural == word + u's' || plural == word + QStringLiteral("es"))
        return true;
    return word.endsWith(u'y') && plural == word.chopped(1) + QStringLiteral("ies");
}

// The German plurals of the noun lines whose plural section gives an English
// core word in the plural, where the first section gives its singular first
// ("Regel {f}; Spielregel {f} | Regeln {pl}; Spielregeln {pl} :: rule | rules"
// gives "rules" "Regeln" and "Spielregeln"). Lines that give the plural in
// their first section are read as any other; these add the plural sense of a
// noun whose singular lines do not name it.
QHash<QString, QStringList> pluralSectionSenses(const QByteArray &text, const QSet<QString> &core)
{
    // The plurals of each line, with the line's number of sections: a word's
    // own entry, with its forms and examples, has more than a narrow use's
    // line ("Regel ... | Regeln {pl}; Spielregeln {pl} | Lernregel ..." before
    // "Maßtabelle {f} | Maßtabellen {pl} :: rule | rules").
    struct Plurals
    {
        qsizetype sections;
        QStringList words;
    };
    QHash<QString, QVector<Plurals>> found;
    forEachRawTransEntry(text, [&](QByteArrayView raw, qsizetype separator) {
        const qsizetype bar = raw.first(separator).indexOf(" | ");
        if (bar < 0 || raw.sliced(bar, separator - bar).indexOf("{pl}") < 0)
            return;
        const QString line = normaliseCharacters(QString::fromUtf8(raw));
        const qsizetype at = line.indexOf(u" :: ");
        const QList<QStringView> germanSections = QStringView(line).left(at).split(u" | ");
        const QList<QStringView> englishSections = QStringView(line).mid(at + 4).split(u" | ");
        // A line of a narrow field names the plural of that field only
        // ("Maßtabelle {f}; Maßtafel {f} [constr.] | Maßtabellen {pl}; ...").
        if (germanSections.size() < 2 || englishSections.size() < 2 || !hasGender(germanSections.at(0))
            || namesFieldAmong(germanSections.at(0), specialFields()))
            return;
        const QVector<QStringView> singulars = englishSynonymsOf(englishSections.at(0));
        const QVector<QStringView> plurals = englishSynonymsOf(englishSections.at(1));
        if (singulars.isEmpty() || plurals.isEmpty())
            return;
        const TransSynonym singular = describeSynonym(singulars.first(), true);
        const TransSynonym plural = describeSynonym(plurals.first(), true);
        if (plural.sense != Sense::General || plural.fringe || singular.noted || !core.contains(plural.text)
            || !isEnglishPluralOf(plural.text, singular.text))
            return;
        // Each plural stands where its singular does; one whose singular is
        // tagged or narrowed ("Schmiermaxe {m} [slang] | Schmiermaxen {pl}")
        // names that use only.
        const QVector<QStringView> germanSingulars = splitTopLevel(germanSections.at(0), u"; ");
        const QVector<QStringView> germanPlurals = splitTopLevel(germanSections.at(1), u"; ");
        Plurals entry{germanSections.size(), {}};
        for (qsizetype g = 0; g < germanPlurals.size() && g < germanSingulars.size(); ++g) {
            const QStringView word = germanPlurals.at(g);
            if (!word.contains(u"{pl}") || taggedAbusive(word) || taggedAbusive(germanSingulars.at(g)))
                continue;
            const TransSynonym german = describeSynonym(word, false);
            const TransSynonym own = describeSynonym(germanSingulars.at(g), false);
            // A feminine form beside its masculine ("Anhänger {m}; Anhängerin
            // {f} | Anhänger {pl}; Anhängerinnen {pl}") goes with it.
            const bool feminine =
                g > 0 && isFeminineOf(describeSynonym(germanSingulars.at(g - 1), false).text, own.text);
            if (german.sense == Sense::General && !german.fringe && !german.text.isEmpty()
                && own.sense == Sense::General && !own.fringe && !own.noted && !feminine)
                entry.words.append(german.text);
        }
        if (!entry.words.isEmpty())
            found[plural.text].append(entry);
    });
    QHash<QString, QStringList> senses;
    for (auto it = found.begin(); it != found.end(); ++it) {
        std::stable_sort(it->begin(), it->end(),
                         [](const Plurals &a, const Plurals &b) { return a.sections > b.sections; });
        QStringList &words = senses[it.key()];
        for (const Plurals &line : std::as_const(*it)) {
            for (const QString &word : line.words) {
                if (!words.contains(word))
                    words.append(word);
            }
        }
    }
    return senses;
}

// The English present participles a verb line gives its German present
// participle ("blühen {vi} | blühend | geblüht :: to bloom; to flower |
// blooming; flowering | ..." gives "blühend" "blooming" and "flowering"). A
// participle's adjective lines often name only a figurative or narrow use
// ("blühend; rosig {adj} :: florid"), and its main sense, the verb's, stands
// in the verb's lines alone. Only the line of the verb's main sense, the
// first word of the verb's own row, gives it: the verb's other lines name
// uses the adjective rarely has ("ablösen {vt} :: to spell"). Only
// intransitive verbs' lines count: a transitive verb's participle is mostly
// an adjective of another sense ("anziehend" is attractive, not "putting
// on"). Lines of a special field and tagged, colloquial, dated or regional
// participles stay out. Of the participles that have a row, it also tells which stand on a
// line of their own kind that names no special field, plain on both sides.
struct PresentParticiples
{
    QHash<QString, QStringList> senses;
    QSet<QString> plainLines;
};

PresentParticiples presentParticipleSenses(const QByteArray &text, const QHash<QString, QStringList> &germanToEnglish)
{
    PresentParticiples found;
    forEachRawTransEntry(text, [&](QByteArrayView raw, qsizetype separator) {
        qsizetype bar = raw.first(separator).indexOf(" | ");
        if (raw.first(bar < 0 ? separator : bar).indexOf("nd") >= 0 && raw.first(separator).indexOf("{v") < 0) {
            // An adjective or adverb line that may hold a participle.
            const QString line = normaliseCharacters(QString::fromUtf8(raw));
            const qsizetype at = line.indexOf(u" :: ");
            const QStringView words = firstSection(QStringView(line).left(at));
            const QVector<QStringView> english = englishSynonymsOf(firstSection(QStringView(line).mid(at + 4)));
            if (namesFieldAmong(words, specialFields()) || english.isEmpty())
                return;
            const TransSynonym head = describeSynonym(english.first(), true);
            if (head.sense != Sense::General || head.fringe || head.colloquial || head.noted)
                return;
            for (const QStringView word : splitTopLevel(words, u"; ")) {
                const TransSynonym german = describeSynonym(word, false);
                if (german.text.endsWith(QLatin1String("nd")) && german.sense == Sense::General && !german.fringe
                    && !german.noted && germanToEnglish.contains(german.text))
                    found.plainLines.insert(german.text);
            }
            return;
        }
        if (bar < 0 || raw.first(bar).indexOf("{v") < 0 || raw.sliced(bar, separator - bar).indexOf("nd") < 0)
            return;
        const QString line = normaliseCharacters(QString::fromUtf8(raw));
        const qsizetype at = line.indexOf(u" :: ");
        const QVector<QStringView> germanSections = splitTopLevel(QStringView(line).left(at), u" | ");
        const QVector<QStringView> englishSections = splitTopLevel(QStringView(line).mid(at + 4), u" | ");
        if (germanSections.size() < 2 || englishSections.size() < 2
            || namesFieldAmong(germanSections.at(0), specialFields()))
            return;
        const QStringView verbSection = germanSections.at(0);
        if (!verbSection.contains(u"{vi}") || verbSection.contains(u"{vt}"))
            return;
        QStringList infinitives;
        QVector<bool> sideVerbs;  // a tagged verb's participle at its place names the same use
        for (const QStringView word : englishSynonymsOf(englishSections.at(0))) {
            const TransSynonym verb = describeSynonym(word, true);
            sideVerbs.append(verb.sense != Sense::General || verb.colloquial || verb.fringe || verb.regional);
            if (word.trimmed().startsWith(u"to "))
                infinitives.append(verb.text);
        }
        // A participle glued to the next one by a missing separator
        // ("messing about to goof around") is left out.
        QStringList participles;
        const QVector<QStringView> englishParticiples = englishSynonymsOf(englishSections.at(1));
        for (qsizetype k = 0; k < englishParticiples.size(); ++k) {
            if (sideVerbs.value(k))
                continue;
            const TransSynonym english = describeSynonym(englishParticiples.at(k), true);
            const QString firstWord = english.text.section(u' ', 0, 0);
            if (firstWord.size() > 4 && firstWord.endsWith(QLatin1String("ing")) && english.sense == Sense::General
                && !english.fringe && !english.colloquial && !english.dated && !english.regional
                && !english.spellingVariant && !english.text.contains(QLatin1String(" to "))
                && !participles.contains(english.text))
                participles.append(english.text);
        }
        if (infinitives.isEmpty() || participles.isEmpty())
            return;
        const QVector<QStringView> verbs = splitTopLevel(verbSection, u"; ");
        const QVector<QStringView> germanParticiples = splitTopLevel(germanSections.at(1), u"; ");
        for (qsizetype g = 0; g < verbs.size() && g < germanParticiples.size(); ++g) {
            const TransSynonym participle = describeSynonym(germanParticiples.at(g), false);
            const TransSynonym verb = describeSynonym(verbs.at(g), false);
            // The participle of the plain verb itself: a verb with an object
            // or a preposition ("mit etw. spielen :: to finger sth.") names
            // one use of it.
            if (participle.text != verb.text + u'd' || verb.text.contains(u' ') || participle.sense != Sense::General || participle.fringe || verb.sense != Sense::General
                || verb.fringe || found.senses.contains(participle.text))
                continue;
            const QStringList row = germanToEnglish.value(verb.text);
            if (!row.isEmpty() && infinitives.contains(row.first()))
                found.senses.insert(participle.text, participles);
        }
    });
    return found;
}

// A German present participle's row takes its verb's participles (see
// presentParticipleSenses). They lead where no plain line of the
// participle's own kind speaks for it, only lines of a special field
// ("ablösend; ...; ablativ {adj} [med.] :: ablative") or lines it stands on
// with a note; otherwise they fill the places the row leaves free, after the
// participle's own adjective senses ("blühend :: thriving, florid" before
// "blooming"), and push none of them out.
void addPresentParticipleSenses(GermanSources &sources, const QByteArray &text)
{
    const PresentParticiples participles = presentParticipleSenses(text, sources.germanToEnglish);
    for (auto it = participles.senses.cbegin(); it != participles.senses.cend(); ++it) {
        const auto row = sources.germanToEnglish.find(it.key());
        if (row == sources.germanToEnglish.end())
            continue;
        if (!participles.plainLines.contains(it.key())) {
            QStringList rest = *row;
            for (const QString &english : it.value())
                rest.removeIf([&](const QString &word) { return word.compare(english, Qt::CaseInsensitive) == 0; });
            *row = it.value() + rest;
            continue;
        }
        for (const QString &english : it.value()) {
            if (row->size() < kMaxGermanTranslations - 1 && !row->contains(english, Qt::CaseInsensitive))
                row->append(english);
        }
    }
}

// The verb of a German verb with a word before it that qualifies it ("näher
// bestimmen", "genau festlegen", "rot werden"): two words in lower case,
// the second an infinitive, the first none ("fallen lassen", "kommen lassen"
// join two verbs into an idiom of their own). Empty for other phrases.
QString verbOfQualifiedVerb(const QString &german)
{
    const qsizetype blank = german.indexOf(u' ');
    if (blank < 1 || german.count(u' ') != 1 || german.startsWith(u"sich ") || !german.at(0).isLower()
        || !german.at(blank + 1).isLower())
        return {};
    const QString verb = german.mid(blank + 1);
    if (german.left(blank).endsWith(u"en") || !verb.endsWith(u"en"))
        return {};
    return verb;
}

// The word by which the lines of a kept German word are looked for among
// the lines without a core word: a word alone, or the verb of a reflexive one
// ("sich krümmen", whose own line "sich krümmen {vr} | ... :: to double up;
// to double over | ..." gives no core word). A reflexive verb is a word as
// much as a verb alone; its senses are read from the lines it names alone
// (`synonymsOnLine`, the German synonyms of such a line, is one): read from
// every line that lists it, it took the side uses of its synonyms' lines
// too. A qualified verb (verbOfQualifiedVerb) is looked for by its verb:
// its lines give its own senses as a verb's do ("etw. genau angeben; genau
// festlegen; näher bestimmen (Person); ... {vt} | ... :: to specify sth. |
// ..." is the everyday sense of "näher bestimmen", whose only line with a
// core word is a grammar term's). Other phrases keep the senses of the
// lines read already. Empty for those, and for a reflexive verb beside other
// words on the line.
QString wordOfOtherLines(const QString &german, qsizetype synonymsOnLine = 1)
{
    if (!german.contains(u' '))
        return german;
    if (german.startsWith(u"sich ") && german.count(u' ') == 1 && german.size() > 5 && german.at(5).isLower()
        && synonymsOnLine == 1)
        return german.mid(5);
    return verbOfQualifiedVerb(german);
}

// Whether a line without a core word gives senses of a kept German word
// found on it by wordOfOtherLines: always for a word alone or a reflexive
// verb; for a qualified verb only on a line tagged a verb ("{vt}", "{vi}"),
// where its two words are read as one verb and not as an adverb or
// adjective phrase that ends like an infinitive ("nach hinten", "ganz
// offen").
bool givesOwnSensesOfOtherLine(const QString &german, QStringView germanSide)
{
    if (verbOfQualifiedVerb(german).isEmpty())
        return true;
    return germanSide.contains(u"{vt}") || germanSide.contains(u"{vi}");
}

// A line without a core word that a kept reflexive verb heads with the
// preposition of its object, beside other verbs ("sich an etw. beteiligen;
// an etw. (aktiv) teilnehmen; bei etw. mitmachen {vi} :: to take part in
// sth.; to (actively) participate in sth.; to join in sth.", read "sich
// beteiligen an"), is that verb's own entry: its first German word is read
// as the verb, so the line counts among the verb's own lines
// (headsOwnLineAsReflexiveVerb). The other synonyms stay as they are. Left
// unread, "sich beteiligen" kept only "contribute" and a financial use.
void readHeadAsKeptReflexiveVerb(QVector<TransSynonym> &synonyms, const QString &verb)
{
    if (synonyms.size() > 1 && synonyms.first().position == 0)
        synonyms.first().text = verb;
}

// Whether a kept German word is a reflexive verb ("sich beteiligen") that
// heads a line beside other German synonyms: the line is the verb's own
// entry and gives its senses as a line that names it alone does
// (wordOfOtherLines). A reflexive verb further on such a line stays out of
// it: there the line tells its first word's senses, and read from every
// line that listed it, the verb took the side uses of its synonyms' lines.
bool headsOwnLineAsReflexiveVerb(const TransSynonym &german, qsizetype synonymsOnLine)
{
    return synonymsOnLine > 1 && german.position == 0 && !wordOfOtherLines(german.text).isEmpty()
           && german.text.startsWith(u"sich ");
}

// The German synonyms of a line without a core word, where they all name one
// kept reflexive verb with the preposition of its object ("sich für jdn.
// schämen; sich für/wegen etw. schämen {vr} :: to be/feel ashamed of
// sb./sth.", read "sich schämen für"): that verb, once, so the line counts
// among its own (wordOfOtherLines). The verb's row had only the senses of
// lines that give it bare ("sich schämen": "blush, redden"). Other lines'
// synonyms are returned as they are.
QVector<TransSynonym> withKeptReflexiveVerbs(QVector<TransSynonym> synonyms, const QSet<QString> &kept)
{
    const auto verbOf = [](const QString &text) {
        const QStringList words = text.split(u' ');
        return words.size() == 3 && words.first() == QLatin1String("sich")
                       && isGermanPreposition(words.last().section(u'/', 0, 0))
                   ? words.first() + u' ' + words.at(1)
                   : QString();
    };
    if (synonyms.isEmpty())
        return synonyms;
    const QString verb = verbOf(synonyms.first().text);
    if (verb.isEmpty() || !kept.contains(verb))
        return synonyms;
    for (const TransSynonym &synonym : std::as_const(synonyms)) {
        if (verbOf(synonym.text) != verb) {
            readHeadAsKeptReflexiveVerb(synonyms, verb);
            return synonyms;
        }
    }
    synonyms.resize(1);
    synonyms.first().text = verb;
    return synonyms;
}

// The senses a reflexive verb takes from the lines of its own without a core
// word (wordOfOtherLines) go after the row's other senses, so they fill the
// places it has left and push out none ("sich krümmen": "writhe, crinkle,
// double up, double over"). Such a line is as often a slang or side use
// ("sich übergeben {vr} :: to feed fish; ... [slang]", "sich verziehen
// {vr} :: to hive off") as the main entry, and ranked among the senses read
// before it put as many worse words first as better ones.
void putReflexiveVerbsOtherLinesLate(QVector<Candidate> &senses, const QSet<std::pair<QString, int>> &ownLines)
{
    for (Candidate &candidate : senses) {
        if (ownLines.contains({candidate.german, candidate.line}))
            candidate.laterSense = true;
    }
}

// A line's rendering of a German phrase it gives as one of its later
// sections, with an English section of its own for each ("Lachkrampf {m};
// Lachanfall {m} | Lachkrämpfe {pl}; Lachanfälle {pl} | einen Lachkrampf
// bekommen :: laughing fit; ... | laughing fits; ... | to have a laughing
// fit"): the English section of the same place translates the phrase
// itself. A phrase is read only from the lines that give a core word
// (wordOfOtherLines), so without these "einen Lachkrampf bekommen" had only
// the theatre slang "to corpse" of a line that names it beside "lachen
// müssen". The second and third sections of a verb's line are its
// participles, which for a phrase with "lassen" are spelt like the phrase
// ("etw. verschwinden lassen {vt} | ... | verschwinden lassen :: ... |
// disappeared"): they are left out. So are English words of a special
// field or register, and those out of use or of one region only.
// The words of a German text outside (), [] and {}.
QStringList wordsOutsideNotes(QStringView text)
{
    QStringList words;
    QString word;
    int depth = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const QChar c = i < text.size() ? text.at(i) : QChar(u' ');
        if (c == u'(' || c == u'[' || c == u'{')
            ++depth;
        else if ((c == u')' || c == u']' || c == u'}') && depth > 0)
            --depth;
        if (depth == 0 && c.isLetter()) {
            word.append(c);
        } else if (!word.isEmpty()) {
            words.append(word);
            word.clear();
        }
    }
    return words;
}

// Whether a phrase of a line's later section uses one of the words of the
// line's first section, as an example of its use does ("einen Lachkrampf
// bekommen" on the line of "Lachkrampf {m}"), but is not one of them: a
// section that repeats a first word gives its form, the adverb of "im
// Wasser lebend" on "wasserbewohnend; im Wasser lebend; ... {adj} [biol.] |
// im Wasser lebend :: aquatic | aquatically". A phrase that uses none of
// them is translated there only as it goes with them ("vor allem" as "more
// pertinently" on the line of "treffend {adv}"). A shared noun counts
// however short ("den Mut verlieren" on "Mut {m}"); of the other words the
// reflexive pronoun and short ones, articles and prepositions, do not.
bool sharesWordWithFirstSection(QStringView firstSection, const QString &phrase)
{
    for (const QStringView synonym : splitTopLevel(firstSection, u"; ")) {
        if (wordsOutsideNotes(synonym).join(u' ') == phrase)
            return false;
    }
    const QStringList firstWords = wordsOutsideNotes(firstSection);
    const QStringList phraseWords = wordsOutsideNotes(phrase);
    return std::any_of(phraseWords.cbegin(), phraseWords.cend(), [&firstWords](const QString &word) {
        return (word.size() > 3 || word.front().isUpper()) && word != u"sich"
               && firstWords.contains(word, Qt::CaseInsensitive);
    });
}

struct PhraseSectionSense
{
    int line;
    TransSynonym english;
};

QHash<QString, QVector<PhraseSectionSense>> phraseSectionSenses(const QByteArray &text, const QSet<QString> &kept)
{
    QSet<QByteArray> phrases;
    for (const QString &german : kept) {
        if (german.contains(u' '))
            phrases.insert(german.toUtf8());
    }
    QHash<QString, QVector<PhraseSectionSense>> senses;
    int lineNumber = 0;
    qsizetype start = 0;
    while (start < text.size()) {
        ++lineNumber;
        const QByteArrayView raw = takeRawTransLine(text, start);
        const qsizetype separator = raw.indexOf(" :: ");
        if (separator < 0 || raw.startsWith('#'))
            continue;
        const QByteArrayView germanSide = raw.first(separator);
        qsizetype bar = germanSide.indexOf(" | ");
        if (bar < 0)
            continue;
        const bool verbLine = germanSide.first(bar).contains("{v");
        int section = 1;
        for (qsizetype from = bar + 3; from <= germanSide.size(); ++section) {
            qsizetype end = germanSide.sliced(from).indexOf(" | ");
            end = end < 0 ? germanSide.size() : from + end;
            const QByteArrayView german = germanSide.sliced(from, end - from).trimmed();
            from = end + 3;
            if ((verbLine && section <= 2) || !phrases.contains(german.toByteArray()))
                continue;
            const QString line = normaliseCharacters(QString::fromUtf8(raw));
            const qsizetype at = line.indexOf(u" :: ");
            const QVector<QStringView> germanSections = splitTopLevel(QStringView(line).left(at), u" | ");
            const QVector<QStringView> englishSections = splitTopLevel(QStringView(line).mid(at + 4), u" | ");
            if (germanSections.size() != englishSections.size() || section >= englishSections.size())
                continue;
            if (!sharesWordWithFirstSection(germanSections.first(), QString::fromUtf8(german)))
                continue;
            const QVector<QStringView> english = englishSynonymsOf(englishSections.at(section));
            if (english.isEmpty() || english.first().contains(u'/'))
                continue;
            const TransSynonym synonym = describeSynonym(english.first(), true);
            if (synonym.text.isEmpty() || synonym.sense != Sense::General || synonym.fringe || synonym.regional
                || synonym.colloquial || synonym.dated)
                continue;
            QVector<PhraseSectionSense> &ofPhrase = senses[QString::fromUtf8(german)];
            if (ofPhrase.isEmpty() || ofPhrase.last().line != lineNumber)
                ofPhrase.append({lineNumber, synonym});
        }
    }
    return senses;
}

// Puts a phrase's rendering read from another line's later section
// (phraseSectionSenses) first where every other sense of the German phrase
// is colloquial or slang English for plain German: the plain rendering names
// the phrase, the slang word one way to say it ("einen Lachkrampf bekommen":
// "have a laughing fit" before "corpse [Br.] [coll.]").
void putPhraseSectionSenseBeforeSideUses(QVector<const Candidate *> &list)
{
    const auto sectionSense = std::find_if(list.begin(), list.end(), [](const Candidate *c) {
        return c->phraseSection;
    });
    if (sectionSense == list.end())
        return;
    const bool othersAreSideUses = std::all_of(list.cbegin(), list.cend(), [](const Candidate *c) {
        return c->phraseSection || (c->englishColloquial && c->germanSense != Sense::SpecialRegister);
    });
    if (othersAreSideUses)
        moveToFront(list, sectionSense);
}

// Whether a later regionally tagged English synonym is another region's
// colloquial or slang word rather than the first word's other spelling
// ("loo [Br.] [coll.]; ...; can [Am.] [slang]" for "Klo"): the dictionary
// gives the word it means first and its other regions' slang after it, so
// the slang word does not share the first place the way "color [Am.]"
// shares it with "colour [Br.]".
bool slangOfOtherRegion(const TransSynonym &synonym, const TransSynonym &first)
{
    return synonym.colloquial && !isSpellingOf(synonym.text.toLower(), first.text.toLower());
}

// Whether the English words of a line's first section tagged British or
// American may share its first place: they do where the section pairs the
// two countries' words ("colour [Br.]; color [Am.]", "lift [Br.]; elevator
// [Am.]"). Where every tagged word is one country's ("chap [Br.]; bod [Br.];
// fellow [Br.]"), the tags say where the words are used, not that they name
// one word: the first leads, as on an untagged line.
bool countryWordsShareFirstPlace(const QVector<QStringView> &english)
{
    const auto tagged = [&english](QStringView tag) {
        return std::any_of(english.cbegin(), english.cend(), [tag](QStringView raw) { return raw.contains(tag); });
    };
    return tagged(u"[Br.]") && tagged(u"[Am.]");
}

// The verb of an English synonym given with its object and then a
// preposition with its own object ("to vaccinate sb. against sth.", "to
// exempt sb. from sth."), which the reader keeps as "vaccinate against".
// The preposition belongs to the second object, not to the verb: the phrase
// is the verb's own entry, and the dictionary gives many verbs of two
// objects only this way. Empty for any other shape, a reflexive verb's among
// them ("to immerse oneself in sth." is no "immerse").
QString verbOfObjectPhrase(QStringView raw, const QString &read)
{
    const qsizetype blank = read.indexOf(u' ');
    if (blank <= 0 || read.indexOf(u' ', blank + 1) >= 0)
        return {};
    QString outside;
    int depth = 0;
    for (const QChar c : raw) {
        if (c == u'(' || c == u'[' || c == u'{')
            ++depth;
        else if ((c == u')' || c == u']' || c == u'}') && depth > 0)
            --depth;
        else if (depth == 0)
            outside.append(c);
    }
    const QStringList tokens = outside.split(u' ', Qt::SkipEmptyParts);
    const auto object = [](const QString &token) {
        return isValencyMarker(token) && !token.contains(u'\'') && !token.contains(u'’');
    };
    if (tokens.size() != 5 || tokens.at(0) != u"to" || tokens.at(1) != QStringView(read).left(blank)
        || !object(tokens.at(2)) || tokens.at(3) != QStringView(read).mid(blank + 1) || !object(tokens.at(4)))
        return {};
    return read.left(blank);
}

// Whether a German preposition renders an English one before a verb's
// second object: "jdn. gegen etw. impfen" is "to vaccinate sb. against
// sth.", "jdn. von etw. befreien" "to rid sb. of sth.". Where it does not,
// the German preposition makes a verb of its own with the verb ("jdn. um
// etw. bringen", to bilk sb. of sth., is no "bringen"), and so does "durch"
// of a separable verb split ("etw. durch etw. peitschen" is
// "durchpeitschen", to railroad sth. through sth.).
bool rendersPreposition(const QString &german, QStringView english)
{
    static const QHash<QString, QStringList> renderings{
        {QStringLiteral("against"), {QStringLiteral("gegen"), QStringLiteral("vor")}},
        {QStringLiteral("from"), {QStringLiteral("von"), QStringLiteral("vor"), QStringLiteral("aus")}},
        {QStringLiteral("of"), {QStringLiteral("von")}},
        {QStringLiteral("with"), {QStringLiteral("mit")}},
        {QStringLiteral("to"), {QStringLiteral("an"), QStringLiteral("zu"), QStringLiteral("auf")}},
        {QStringLiteral("for"), {QStringLiteral("für"), QStringLiteral("zu")}},
        {QStringLiteral("in"), {QStringLiteral("in"), QStringLiteral("bei"), QStringLiteral("an")}},
        {QStringLiteral("into"), {QStringLiteral("in"), QStringLiteral("zu")}},
        {QStringLiteral("on"), {QStringLiteral("auf"), QStringLiteral("an"), QStringLiteral("über"), QStringLiteral("zu")}},
        {QStringLiteral("onto"), {QStringLiteral("auf"), QStringLiteral("an")}},
        {QStringLiteral("upon"), {QStringLiteral("auf"), QStringLiteral("an")}},
        {QStringLiteral("about"), {QStringLiteral("über"), QStringLiteral("von")}},
        {QStringLiteral("at"), {QStringLiteral("auf"), QStringLiteral("an"), QStringLiteral("nach")}},
        {QStringLiteral("over"), {QStringLiteral("über")}}};
    return renderings.value(english.toString()).contains(german);
}

// The German words of a line met through a verb's object phrase
// (verbOfObjectPhrase, whose English reading is `read`) are that verb's. A
// German verb read with its object's preposition after it ("impfen gegen"
// of "jdn. gegen etw. impfen") is read without it, as the English verb is
// ("to vaccinate sb. against sth." is "vaccinate"), where the two
// prepositions render each other: both belong to the second object.
void readAsVerbOfObjectPhrase(Candidate &candidate, const QString &read)
{
    candidate.objectPhrase = true;
    const qsizetype blank = candidate.german.lastIndexOf(u' ');
    if (candidate.prepositionAfterVerb
        && rendersPreposition(candidate.german.mid(blank + 1), QStringView(read).mid(read.indexOf(u' ') + 1))) {
        candidate.german.truncate(blank);
        candidate.prepositionAfterVerb = false;
    }
}

// In a German word's list, the verbs met through their object phrases come
// after its other senses and fill only the places those leave: the German
// word's own lines tell its main sense. "gratulieren {vi} (zu) :: to
// congratulate (on)" is the word's entry; "jdn. zu etw. gratulieren :: to
// compliment sb. on sth." names one use of it.
void putObjectPhraseVerbsLast(QVector<const Candidate *> &list)
{
    std::stable_partition(list.begin(), list.end(), [](const Candidate *c) { return !c->objectPhrase; });
}

// The English adjective an "-ly" adverb is made from ("dissipatedly":
// "dissipated", "happily": "happy", "possibly": "possible").
QStringList adjectivesOfAdverb(const QString &adverb)
{
    if (adverb.size() < 5 || !adverb.endsWith(QLatin1String("ly")) || adverb.contains(u' '))
        return {};
    const QString stem = adverb.chopped(2);
    QStringList adjectives{stem};
    if (stem.endsWith(u'i'))
        adjectives.append(stem.chopped(1) + u'y');
    if (stem.endsWith(u'b'))
        adjectives.append(stem + QLatin1String("le"));
    if (stem.endsWith(QLatin1String("al")))
        adjectives.append(stem.chopped(2));
    return adjectives;
}

// Gives an English adverb's place to its own adjective where the German
// word's list holds both and the adjective stands behind it ("ausschweifend":
// "dissipatedly" of the adverb line before "dissipated", a later word of the
// adjective's full entry): a German adjective serves as its adverb unchanged,
// so the adjective names the word and the adverb only one use of it. Without
// the swap the row kept the adverbs and lost their adjectives to the cap.
template<typename Commonness>
void putAdjectivesInTheirAdverbsPlace(QVector<const Candidate *> &list, Commonness commonness)
{
    for (qsizetype i = 1; i < list.size(); ++i) {
        const Candidate *adverb = list.at(i);
        if (!adverb->wordClass.adverb || adverb->wordClass.adjective)
            continue;
        const QStringList adjectives = adjectivesOfAdverb(adverb->english);
        if (adjectives.isEmpty() || std::any_of(list.cbegin(), list.cbegin() + i, [&adjectives](const Candidate *c) {
                return adjectives.contains(c->english);
            }))
            continue;
        for (qsizetype j = i + 1; j < list.size(); ++j) {
            const Candidate *adjective = list.at(j);
            if (adjective->laterSense && !adverb->laterSense && adjective->wordClass.adjective
                && adjectives.contains(adjective->english) && !adjective->noted
                && !adjective->fringe && !isSpecial(*adjective) && !adjective->englishRegister
                && commonness(*adjective) >= commonness(*adverb)) {
                std::swap(list[i], list[j]);
                break;
            }
        }
    }
}

// Puts behind the German word's other senses, before the words its headed
// lines give after their main one, the "-ly" adverb of a bare line that
// gives the word alone as an adverb ("gesprächig {adv} :: talkatively")
// where an earlier sense is the adverb's own adjective ("talkative"): a
// German adjective serves as its adverb unchanged, so the adverb repeats the
// adjective's sense. Only where the row holds all the word's senses
// (kMaxRowSenses): pushed past the six places, the adverb gave its place to
// rare words of the word's last lines ("interessant": "sapid" for
// "interestingly"), and the row lost an everyday use ("korrekt":
// "correctly").
constexpr qsizetype kMaxRowSenses = 6;

void putRepeatingAdverbsAfterOtherSenses(QVector<const Candidate *> &list)
{
    QSet<QString> senses;
    for (const Candidate *c : std::as_const(list))
        senses.insert(c->english);
    if (senses.size() > kMaxRowSenses)
        return;
    const auto repeats = [&list](const Candidate *c) {
        if (!c->wordClass.adverb || c->wordClass.adjective || c->sections > 1 || !c->germanAlone || c->laterSense)
            return false;
        const QStringList adjectives = adjectivesOfAdverb(c->english);
        const auto place = std::find(list.cbegin(), list.cend(), c);
        return !adjectives.isEmpty() && std::any_of(list.cbegin(), place, [&adjectives](const Candidate *other) {
            return adjectives.contains(other->english);
        });
    };
    QVector<const Candidate *> adverbs;
    for (const Candidate *c : std::as_const(list)) {
        if (repeats(c))
            adverbs.append(c);
    }
    if (adverbs.isEmpty())
        return;
    list.removeIf([&adverbs](const Candidate *c) { return adverbs.contains(c); });
    const auto later = std::find_if(list.begin(), list.end(), [](const Candidate *c) { return c->laterSense; });
    const qsizetype at = later - list.begin();
    for (qsizetype i = 0; i < adverbs.size(); ++i)
        list.insert(at + i, adverbs.at(i));
}

// A verb met through its object phrases only where no line gives it
// plainly: "to protect" of "sichern; absichern {vt} :: to protect" is the
// verb itself, and its object phrases' words ("schützen vor") only uses of
// it with a preposition.
void dropObjectPhraseVerbsGivenPlainly(QVector<Candidate> &candidates)
{
    QSet<QString> givenPlainly;
    for (const Candidate &candidate : std::as_const(candidates)) {
        if (candidate.englishVerb && !candidate.objectPhrase)
            givenPlainly.insert(candidate.english);
    }
    candidates.removeIf([&givenPlainly](const Candidate &candidate) {
        return candidate.objectPhrase && givenPlainly.contains(candidate.english);
    });
}

// Whether a word of an English item is a slip of the pen: a word the word
// list lacks that is a common word (one of the frequency list) with one
// inner letter left out ("delighed" for "delighted"). Rare words the word
// list lacks are often another rare word with a letter left out ("sinless",
// "skinless"), and short words one of a common word ("lave", "leave"): both
// are left alone.
bool isMisspeltEnglishWord(const QString &word, const QSet<QString> &wordList)
{
    const QString lower = word.toLower();
    if (lower.size() < 6 || wordList.isEmpty() || wordList.contains(lower))
        return false;
    const WordRanks &ranks = WordRanks::forLanguage(QStringLiteral("en"));
    for (qsizetype at = 1; at < lower.size(); ++at) {
        for (char16_t letter = u'a'; letter <= u'z'; ++letter) {
            QString filled = lower;
            filled.insert(at, QChar(letter));
            if (ranks.rank(filled) > 0 && wordList.contains(filled))
                return true;
        }
    }
    return false;
}

// Whether an English item is a verb with an adverb particle and then a
// bare preposition ("stand out by", "trip up on"), read from a line that
// gave the preposition's object ("to stand out by sth."). In the row of a
// reflexive German verb that names no preposition ("sich auszeichnen"), the
// preposition is left hanging: "stand out" is the sense. Other prepositions
// after a particle make verbs of their own ("put up with", "face up to").
bool isParticleVerbBeforeObjectsPreposition(const QString &item)
{
    static const QSet<QString> particles{QStringLiteral("up"), QStringLiteral("out"), QStringLiteral("down"),
                                         QStringLiteral("off")};
    const QStringList words = item.split(u' ');
    return words.size() == 3 && particles.contains(words.at(1))
           && (words.at(2) == QLatin1String("by") || words.at(2) == QLatin1String("on"));
}

// The English items of a German word's senses that only repeat another item
// or are spoilt, as "German\nEnglish" in `sources.spoiltSenses` with the item the German
// row offers in their place, if any (GermanSources::spoiltSenses); none
// where they are all the word has:
// - an item that is another item with a preposition after it, the
//   preposition of an object the German row does not name ("recover from"
//   beside "recover" for "sich erholen"), which gives its place to that
//   item (bestellen: "order" where "order from" stood); adverb particles such as "in" or
//   "over" make verbs of their own ("fill in" beside "fill") and stay;
// - in the row of a reflexive verb without a preposition, a particle verb
//   with a hanging preposition (isParticleVerbBeforeObjectsPreposition),
//   which gives its place to the particle verb ("stand out");
// - an item with a misspelt word (isMisspeltEnglishWord: "be delighed
//   with").
void markRepeatedOrSpoiltEnglishItems(const QStringList &items, const QString &german, const QSet<QString> &wordList,
                                      GermanSources &sources)
{
    static const QSet<QString> objectPrepositions{
        QStringLiteral("of"),   QStringLiteral("for"),     QStringLiteral("from"),    QStringLiteral("with"),
        QStringLiteral("at"),   QStringLiteral("to"),      QStringLiteral("into"),    QStringLiteral("onto"),
        QStringLiteral("upon"), QStringLiteral("against"), QStringLiteral("towards"), QStringLiteral("toward")};
    if (items.size() < 2)
        return;
    const auto germanHasPreposition = [](const QString &phrase) {
        const QStringList words = phrase.split(u' ');
        return std::any_of(words.cbegin(), words.cend(), [](const QString &w) { return isGermanPreposition(w); });
    };
    const QStringList &all = items;
    const bool reflexive = german.startsWith(u"sich ")
                           && !std::any_of(german.cbegin(), german.cend(), [](QChar c) { return c.isUpper(); })
                           && !germanHasPreposition(german);
    // The item that takes a spoilt item's place: the word without the
    // preposition, or none.
    QString bare;
    const auto spoiltItem = [&](const QString &item) {
        bare.clear();
        const qsizetype blank = item.lastIndexOf(u' ');
        if (blank > 0 && objectPrepositions.contains(item.mid(blank + 1)) && all.contains(item.left(blank))) {
            bare = item.left(blank);
            return true;
        }
        if (reflexive && blank > 0 && isParticleVerbBeforeObjectsPreposition(item)) {
            bare = item.left(blank);
            return true;
        }
        static const QRegularExpression letters(QStringLiteral("[a-zA-Z]+"));
        for (auto match = letters.globalMatch(item); match.hasNext();) {
            if (isMisspeltEnglishWord(match.next().captured(), wordList))
                return true;
        }
        return false;
    };
    QHash<QString, QString> marked;
    for (const QString &item : items) {
        if (spoiltItem(item))
            marked.insert(item, bare);
    }
    if (marked.size() == items.size())
        return;
    // The word in a spoilt item's place keeps what the item's lines told of
    // it: "order" leads "bestellen" as "order from" did.
    QSet<QString> *const kinds[] = {&sources.mainEntrySenses, &sources.headedSenses, &sources.headedLineWords,
                                    &sources.plainFirstSenses};
    for (auto it = marked.cbegin(); it != marked.cend(); ++it) {
        sources.spoiltSenses.insert(german + u'\n' + it.key(), it.value());
        for (QSet<QString> *kind : kinds) {
            if (!it.value().isEmpty() && kind->contains(german + u'\n' + it.key()))
                kind->insert(german + u'\n' + it.value());
        }
    }
}

// Whether an English item is a short word of French that English uses only
// inside set phrases: one word of at most four letters, lower case, that
// neither the English word list nor the English frequency list holds but the
// French frequency list does ("eau" of "eau-de-cologne", "hors" of "hors
// d'oeuvre", "vis" of "vis-à-vis"). Such a word given alone ("Wasser {n} ::
// eau") is no English answer for a learner. Longer French loans stand alone in
// English ("piste", "souffle", "esprit") and are left alone, as are words the
// English lists know. Without a word list nothing is judged.
bool isFrenchWordOfSetPhrases(const QString &item, const QSet<QString> &wordList)
{
    if (wordList.isEmpty() || item.size() > 4 || item.size() < 2)
        return false;
    if (!std::all_of(item.cbegin(), item.cend(), [](QChar c) { return c >= u'a' && c <= u'z'; }))
        return false;
    return !wordList.contains(item) && WordRanks::forLanguage(QStringLiteral("en")).rank(item) == 0
           && WordRanks::forLanguage(QStringLiteral("fr")).rank(item) > 0;
}

// How often the dictionary gives each of `words` as an English item of its
// own and how often inside a longer item ("eau" alone on "Wasser {n} ::
// eau", inside "eau-de-cologne" on another line): {alone, inside}.
QHash<QString, std::pair<int, int>> englishItemUses(const QByteArray &text, const QSet<QString> &words)
{
    QHash<QString, std::pair<int, int>> uses;
    if (words.isEmpty())
        return uses;
    std::vector<std::string> wanted;
    for (const QString &word : words)
        wanted.push_back(word.toStdString());
    forEachEnglishSide(text, [&](std::string_view raw) {
        if (std::none_of(wanted.cbegin(), wanted.cend(),
                         [raw](const std::string &word) { return raw.find(word) != std::string_view::npos; }))
            return;
        const QString side = QString::fromUtf8(raw.data(), static_cast<qsizetype>(raw.size()));
        for (const QStringView section : splitTopLevel(side, u" | ")) {
            for (const QStringView synonym : splitTopLevel(section, u";")) {
                const QString item = describeSynonym(synonym, true).text.toLower();
                if (words.contains(item)) {
                    ++uses[item].first;
                    continue;
                }
                static const QRegularExpression parts(QStringLiteral("[ \\-]"));
                const QStringList split = item.split(parts, Qt::SkipEmptyParts);
                for (const QString &part : QSet<QString>(split.cbegin(), split.cend())) {
                    if (split.size() > 1 && words.contains(part))
                        ++uses[part].second;
                }
            }
        }
    });
    return uses;
}

// The singulars a line gives beside their plural as a pair ("bellow; pair
// of bellows" on "Blasebalg {m}; Faltenbalg {m} | ... :: bellow; pair of
// bellows; bag bellow | bellows; ..."): the thing is named by a plural only,
// and the singular beside it is another word ("to bellow", to roar). Read
// from the first section of each line's English side. A singular with a tag
// of its own is a use of its own ("balance; pair of scales; scales; scale
// [Am.]": the American "scale") and stays.
QSet<QString> singularsBesidePairedPlurals(const QByteArray &text)
{
    // As "German\nsingular", for the German words heading the line.
    QSet<QString> singulars;
    for (qsizetype at = text.indexOf(":: "); at >= 0;) {
        const qsizetype pair = text.indexOf("pair of ", at);
        if (pair < 0)
            break;
        const qsizetype start = text.lastIndexOf('\n', pair) + 1;
        qsizetype end = text.indexOf('\n', pair);
        if (end < 0)
            end = text.size();
        at = end;
        const QString line = QString::fromUtf8(text.mid(start, end - start));
        const qsizetype separator = line.indexOf(QLatin1String(" :: "));
        if (separator < 0 || line.startsWith(u'#'))
            continue;
        // The items, and those given bare, with no tag or note of their own.
        QStringList items;
        QStringList bare;
        for (const QStringView synonym : englishSynonymsOf(firstSection(QStringView(line).mid(separator + 4)))) {
            items.append(describeSynonym(synonym, true).text);
            if (synonym.trimmed() == items.last())
                bare.append(items.last());
        }
        for (const QString &item : std::as_const(items)) {
            if (!item.startsWith(u"pair of ") || !item.endsWith(u's') || item.count(u' ') != 2)
                continue;
            const QString singular = item.mid(8).chopped(1);
            if (!bare.contains(singular))
                continue;
            for (const QStringView german : splitTopLevel(firstSection(QStringView(line).left(separator)), u";"))
                singulars.insert(describeSynonym(german, false).text + u'\n' + singular);
        }
    }
    return singulars;
}

// Marks the English items of a German word that are no English answer, in
// `sources.spoiltSenses` as markRepeatedOrSpoiltEnglishItems does:
// - a French word English uses only inside set phrases, that the dictionary
//   gives alone no more often than inside longer items
//   (isFrenchWordOfSetPhrases, `uses`): "eau" beside "water";
// - the singular of a plural a line of the German word names as a pair
//   (`pairSingulars`, "German\nsingular"): "bellow" gives its place to
//   "bellows" for "Faltenbalg", not for "brüllen" (to bellow).
// The row keeps at least one item: nothing is marked where every item would be.
void markForeignWordsAndPairedSingulars(const QStringList &items, const QString &german, const QSet<QString> &wordList,
                                        const QHash<QString, std::pair<int, int>> &uses,
                                        const QSet<QString> &pairSingulars, GermanSources &sources)
{
    QHash<QString, QString> marked;
    for (const QString &item : items) {
        if (isFrenchWordOfSetPhrases(item, wordList)) {
            const std::pair<int, int> use = uses.value(item);
            if (use.second >= use.first)
                marked.insert(item, QString());
        } else if (pairSingulars.contains(german + u'\n' + item)) {
            marked.insert(item, item + u's');
        }
    }
    if (marked.isEmpty())
        return;
    const qsizetype alreadySpoilt = std::count_if(items.cbegin(), items.cend(), [&](const QString &item) {
        return !marked.contains(item) && sources.spoiltSenses.contains(german + u'\n' + item);
    });
    if (marked.size() + alreadySpoilt >= items.size())
        return;
    for (auto it = marked.cbegin(); it != marked.cend(); ++it)
        sources.spoiltSenses.insert(german + u'\n' + it.key(), it.value());
}

} // namespace

GermanSources germanSourcesFromTrans(const QByteArray &text, const QStringList &coreEnglish)
{
    return germanSourcesFromTrans(text, coreEnglish, countTransWords(text));
}

// Whether an English synonym is the verb before it with an adverb particle
// and nothing more ("to fill; to fill up | filling; filling up | ..."): the
// dictionary gives the two together where they share the line's sense, so
// the particle verb is the line's main word as much as the plain verb is,
// as a spelling variant is ("colour [Br.]; color [Am.]"). Read as a later
// synonym, the line that names the particle verb's main sense ("etw.
// auffüllen; anfüllen; ausfüllen {vt} | ... :: to fill; to fill up; ...")
// came after every bare line that gives it first ("zuschütten {vt} | ... ::
// to fill up | ..."). Only the second synonym counts, right after the plain
// verb; a verb with an object or a note ("to fill sth. up") is left alone.
bool isParticleVerbOf(QStringView raw, QStringView verb)
{
    static const QStringList particles{QStringLiteral("up"),   QStringLiteral("down"), QStringLiteral("out"),
                                       QStringLiteral("off"),  QStringLiteral("in"),   QStringLiteral("on"),
                                       QStringLiteral("over"), QStringLiteral("away"), QStringLiteral("back")};
    const QStringView particleVerb = raw.trimmed();
    const QStringView plainVerb = verb.trimmed();
    if (!plainVerb.startsWith(u"to ") || plainVerb.size() < 4 || plainVerb.mid(3).contains(u' '))
        return false;
    if (!particleVerb.startsWith(plainVerb) || particleVerb.size() <= plainVerb.size() + 1
        || particleVerb.at(plainVerb.size()) != u' ')
        return false;
    return particles.contains(particleVerb.mid(plainVerb.size() + 1).toString());
}

namespace {

// Whether the English synonyms of a line up to the one at `k` are a plain
// verb and then only that verb with adverb particles ("to wear {wore; worn};
// to wear away; to wear down; to wear out <> sth."): the dictionary lists a
// verb's particle verbs after it where they share the line's sense, so each
// is the line's main word as much as the plain verb is. A line of particle
// verbs alone is left alone: there they often name senses of their own
// ("auslaufen :: to run out; to run away"). Read as later synonyms, the
// line that names the main sense of "wear out" ("etw. abnutzen;
// verschleißen") came after every bare line that gives it first
// ("ausglühen", "austreten"). The object marker ("<> sth.") and the past
// forms are left out by cleaning; a synonym with a note or a tag, or any
// other word, ends the list.
bool sharesPlaceAmongOneVerbsParticleVerbs(const QVector<QStringView> &english,
                                           const QVector<TransSynonym> &synonyms, qsizetype k)
{
    if (k < 1 || k >= english.size() || k >= synonyms.size())
        return false;
    QString verb;
    for (qsizetype i = 0; i <= k; ++i) {
        const TransSynonym &synonym = synonyms.at(i);
        const QStringView raw = english.at(i).trimmed();
        if (!raw.startsWith(u"to ") || raw.contains(u'(') || raw.contains(u'[') || synonym.noted
            || synonym.fringe || synonym.sense != Sense::General || synonym.text.isEmpty())
            return false;
        const qsizetype space = synonym.text.indexOf(u' ');
        const QString base = space < 0 ? synonym.text : synonym.text.left(space);
        if (i == 0) {
            if (space >= 0)
                return false;
            verb = base;
        } else if (space < 0 || base != verb
                   || !isParticleVerbOf(QStringLiteral("to ") + synonym.text, QStringLiteral("to ") + verb)) {
            return false;
        }
    }
    return true;
}

} // namespace

namespace {

// The sections of one side of a line as bytes, split at the " | " that
// stand outside brackets (a note may hold one).
QVector<QByteArrayView> sectionsOfSide(QByteArrayView side)
{
    QVector<QByteArrayView> sections;
    int depth = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i < side.size(); ++i) {
        const char c = side.at(i);
        if (c == '(' || c == '[' || c == '{')
            ++depth;
        else if ((c == ')' || c == ']' || c == '}') && depth > 0)
            --depth;
        else if (depth == 0 && c == '|' && i > 0 && side.at(i - 1) == ' ' && i + 1 < side.size()
                 && side.at(i + 1) == ' ') {
            sections.append(side.sliced(start, i - 1 - start));
            start = i + 2;
        }
    }
    sections.append(side.sliced(std::min(start, side.size())));
    return sections;
}

// How many bytes the letter at `at` of UTF-8 text takes, or 0 where no
// letter starts there: the English sides are ASCII but for the odd borrowed
// word ("café") and typographic marks ("referee’s" is "referee" and "s").
// An ASCII letter is told by its code alone, as every locale classes them.
qsizetype utf8LetterLength(QByteArrayView text, qsizetype at)
{
    const auto byte = static_cast<unsigned char>(text.at(at));
    if (byte < 0x80)
        return static_cast<unsigned char>((byte | 0x20) - 'a') < 26 ? 1 : 0;
    const qsizetype length = byte >= 0xf0 ? 4 : byte >= 0xe0 ? 3 : byte >= 0xc0 ? 2 : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    const QString decoded = QString::fromUtf8(text.sliced(at, length));
    return !decoded.isEmpty() && decoded.at(0).isLetter() ? length : 0;
}

// Calls `onWord` with each word of an English section outside brackets,
// letters joined by hyphens ("e-mail" is one word), its ASCII capitals in
// lower case, as bytes in `word` (a buffer the caller keeps, so that the
// words of the whole file take no allocation each).
template<typename OnWord>
void forEachEnglishWordOutsideBrackets(QByteArrayView section, QByteArray &word, OnWord onWord)
{
    int depth = 0;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= section.size(); ++i) {
        const char c = i < section.size() ? section.at(i) : ' ';
        if (c == '(' || c == '[' || c == '{')
            ++depth;
        else if ((c == ')' || c == ']' || c == '}') && depth > 0)
            --depth;
        const qsizetype letter = depth == 0 && i < section.size() ? utf8LetterLength(section, i) : 0;
        const bool hyphen = depth == 0 && c == '-' && start >= 0 && i + 1 < section.size()
                            && utf8LetterLength(section, i + 1) > 0;
        if (letter > 0 || hyphen) {
            if (start < 0)
                start = i;
            i += std::max<qsizetype>(letter, 1) - 1;
        } else if (start >= 0) {
            word.resize(i - start);
            char *out = word.data();
            for (qsizetype k = start; k < i; ++k) {
                const char b = section.at(k);
                *out++ = b >= 'A' && b <= 'Z' ? static_cast<char>(b + ('a' - 'A')) : b;
            }
            onWord(std::as_const(word));
            start = -1;
        }
    }
}

// The words of a section outside brackets, letters joined by hyphens
// ("E-Mail" is one word), in their own case, as views of `section`: the
// notes and tags of a line ("(Parlament)", "[sport]") name no word the line
// translates.
QVector<QStringView> wordsOutsideBrackets(QStringView section)
{
    QVector<QStringView> words;
    int depth = 0;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= section.size(); ++i) {
        const QChar c = i < section.size() ? section.at(i) : QChar(u' ');
        if (c == u'(' || c == u'[' || c == u'{')
            ++depth;
        else if ((c == u')' || c == u']' || c == u'}') && depth > 0)
            --depth;
        const bool inWord = depth == 0
                            && (c.isLetter()
                                || (c == u'-' && start >= 0 && i + 1 < section.size() && section.at(i + 1).isLetter()));
        if (inWord && start < 0) {
            start = i;
        } else if (!inWord && start >= 0) {
            words.append(section.mid(start, i - start));
            start = -1;
        }
    }
    return words;
}

// Whether `words` hold `phrase` (words one blank apart) word for word. A
// capitalised German word must match in its case ("Werden" the noun is not
// "werden" the verb); one in lower case matches a capitalised spelling too,
// as at the start of an example sentence ("Kaum ...").
bool holdsPhrase(const QVector<QStringView> &words, const QStringList &phrase)
{
    // Words of other lengths differ in any case (the comparison folds the
    // case of each UTF-16 unit alone), and most differ by length: the
    // length is looked at first.
    const auto same = [](QStringView word, const QString &part) {
        if (word.size() != part.size())
            return false;
        return part.front().isUpper() ? word == part : word.compare(part, Qt::CaseInsensitive) == 0;
    };
    for (qsizetype i = 0; i + phrase.size() <= words.size(); ++i) {
        qsizetype k = 0;
        while (k < phrase.size() && same(words.at(i + k), phrase.at(k)))
            ++k;
        if (k == phrase.size())
            return true;
    }
    return false;
}

// The pairs linesPairingWords counts, numbered: each English word has a
// number, its German words their places in its list, and a line's look-ups
// hash nothing but the English words it names.
struct NumberedPairs
{
    QHash<QByteArray, int> numberOfEnglish;  // the English word as UTF-8
    QVector<QString> english;
    QVector<QStringList> german;             // the German words of each English word
    QVector<QVector<QStringList>> phrases;   // each German word's words, split at blanks
};

NumberedPairs numberedPairs(const QHash<QString, QStringList> &wanted)
{
    NumberedPairs pairs;
    for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) {
        pairs.numberOfEnglish.insert(it.key().toUtf8(), static_cast<int>(pairs.english.size()));
        pairs.english.append(it.key());
        pairs.german.append(it.value());
        QVector<QStringList> &split = pairs.phrases.emplace_back();
        for (const QString &german : it.value())
            split.append(german.split(u' ', Qt::SkipEmptyParts));
    }
    return pairs;
}

// The numbers of the wanted English words each section of an English side
// names outside brackets, as (section, English word), each pair once, in
// the order of the sections.
void wantedWordsOfSections(const QVector<QByteArrayView> &sections, const QHash<QByteArray, int> &numberOfEnglish,
                           QByteArray &word, QVector<std::pair<qsizetype, int>> &named)
{
    named.clear();
    for (qsizetype s = 0; s < sections.size(); ++s) {
        const qsizetype sectionStart = named.size();
        forEachEnglishWordOutsideBrackets(sections.at(s), word, [&](const QByteArray &english) {
            const auto number = numberOfEnglish.constFind(english);
            if (number == numberOfEnglish.cend())
                return;
            const std::pair<qsizetype, int> pair{s, *number};
            if (std::find(named.cbegin() + sectionStart, named.cend(), pair) == named.cend())
                named.append(pair);
        });
    }
}

// For each wanted English word (by its number) and each of its German words
// (by place), how many lines of `text` pair them (see linesPairingWords).
QVector<QVector<int>> pairedLineCounts(const QByteArray &text, const NumberedPairs &pairs)
{
    // The lines that pair each English word with each of its German words,
    // and the last line counted (a line counts once however many of its
    // sections pair the two).
    struct Tally
    {
        int lines = 0;
        int lastLine = -1;
    };
    QVector<QVector<Tally>> tallies(pairs.english.size());
    for (qsizetype e = 0; e < pairs.english.size(); ++e)
        tallies[e].resize(pairs.german.at(e).size());
    QByteArray word;
    QVector<std::pair<qsizetype, int>> named;
    int line = 0;
    forEachRawTransEntry(text, [&](QByteArrayView raw, qsizetype separator) {
        ++line;
        const QVector<QByteArrayView> englishSections = sectionsOfSide(raw.sliced(separator + 4));
        wantedWordsOfSections(englishSections, pairs.numberOfEnglish, word, named);
        if (named.isEmpty())
            return;
        const QVector<QByteArrayView> germanSections = sectionsOfSide(raw.first(separator));
        qsizetype decodedSection = -1;
        QString german;
        QVector<QStringView> germanWords;
        for (const auto &[s, e] : std::as_const(named)) {
            if (s >= germanSections.size())
                break;
            if (s != decodedSection) {
                german = normaliseCharacters(QString::fromUtf8(germanSections.at(s)));
                germanWords = wordsOutsideBrackets(german);
                decodedSection = s;
            }
            const QVector<QStringList> &phrases = pairs.phrases.at(e);
            QVector<Tally> &tally = tallies[e];
            for (qsizetype g = 0; g < phrases.size(); ++g) {
                if (phrases.at(g).isEmpty() || tally.at(g).lastLine == line || !holdsPhrase(germanWords, phrases.at(g)))
                    continue;
                tally[g].lastLine = line;
                ++tally[g].lines;
            }
        }
    });
    QVector<QVector<int>> counts(tallies.size());
    for (qsizetype e = 0; e < tallies.size(); ++e) {
        for (const Tally &tally : std::as_const(tallies.at(e)))
            counts[e].append(tally.lines);
    }
    return counts;
}

// `text` cut in two at the line break nearest its middle, neither half
// copied: each line of the text is a line of one half, whole.
std::pair<QByteArray, QByteArray> halvesAtLineBreak(const QByteArray &text)
{
    qsizetype cut = text.indexOf('\n', text.size() / 2);
    cut = cut < 0 ? text.size() : cut + 1;
    return {QByteArray::fromRawData(text.constData(), cut),
            QByteArray::fromRawData(text.constData() + cut, text.size() - cut)};
}

// For each English word of `wanted` (lower case, a single word), how many
// lines of trans-de-en pair it with each of its German words: the lines
// where some section names the English word on its English side and the
// German word on its German side, outside notes. A line's sections match
// between its sides (the entry, its forms, its compounds and examples), so
// the count takes in every example that renders the one word by the other
// ("Der Schiedsrichter zeigte auf den Elfmeterpunkt. :: The referee pointed
// to the penalty spot."), which the lines of the first sections alone miss.
// The English sides are read as bytes; a German section is decoded only
// where its English section names a wanted word. Each line counts on its
// own, so the two halves of the file are counted at once, the second on a
// thread of its own, and their counts added: this scan is one of the
// longest steps of the German tables.
QHash<QString, QHash<QString, int>> linesPairingWords(const QByteArray &text,
                                                      const QHash<QString, QStringList> &wanted)
{
    const NumberedPairs pairs = numberedPairs(wanted);
    const std::pair<QByteArray, QByteArray> halves = halvesAtLineBreak(text);
    std::future<QVector<QVector<int>>> secondCounts =
        std::async(std::launch::async, [&halves, &pairs] { return pairedLineCounts(halves.second, pairs); });
    const QVector<QVector<int>> lines = pairedLineCounts(halves.first, pairs);
    const QVector<QVector<int>> moreLines = secondCounts.get();
    QHash<QString, QHash<QString, int>> counts;
    for (qsizetype e = 0; e < pairs.english.size(); ++e) {
        for (qsizetype g = 0; g < lines.at(e).size(); ++g) {
            const int total = lines.at(e).at(g) + moreLines.at(e).at(g);
            if (total > 0)
                counts[pairs.english.at(e)][pairs.german.at(e).at(g)] = total;
        }
    }
    return counts;
}

// Puts first the German word that far more lines pair with the English word
// than pair the word the ranking chose: where only the line that gave the
// first word pairs the two, while one other single word is paired by at
// least five lines and five times as many, the dictionary renders the
// English word by that one throughout its entries and examples ("urgency":
// "Dringlichkeit", paired by five lines, not "Eindringlichkeit", the head of
// its one line; "referee": "Schiedsrichter", not "Referent"). A word the file
// uses everywhere pairs with any English word by chance ("die" for "who"):
// the pairs must make at least one in fifty of the lines that name the
// German word. A register's word (colloquial, elevated) does not take the
// place of a plain one.
void putWidelyPairedWordFirst(QVector<const Candidate *> &list, const QHash<QString, int> &pairs,
                              const WordFrequencies &germanLines)
{
    if (list.size() < 2)
        return;
    const Candidate *top = list.first();
    const int topPairs = std::max(1, pairs.value(top->german));
    if (topPairs > 1)
        return;
    auto best = list.end();
    int bestPairs = 0;
    for (auto it = list.begin() + 1; it != list.end(); ++it) {
        const Candidate *candidate = *it;
        const int count = pairs.value(candidate->german);
        if (count <= bestPairs || candidate->german.contains(u' ') || candidate->german == top->german
            || (candidate->germanSense == Sense::SpecialRegister && top->germanSense != Sense::SpecialRegister))
            continue;
        best = it;
        bestPairs = count;
    }
    if (best == list.end() || bestPairs < 5 || bestPairs < 5 * topPairs
        || 50 * bestPairs < germanLines.value((*best)->german.toLower()))
        return;
    moveToFront(list, best);
}

// A line's head noun and a later noun of the line that the head compounds,
// both given the one English word ("Hubkolben {m}; Kolben {m} [techn.] ::
// piston"), and how many lines of the dictionary render that English word
// by a German word holding each: `headLines` by one holding the head,
// `plainLines` by one holding the plain noun outside the head ("Kolbenring
// {m} :: piston ring", "Hohlkolben {m} :: tubular piston").
struct CompoundPairing
{
    QString head;   // lower case
    QString plain;  // lower case
    int headLines = 0;
    int plainLines = 0;
};

// The head nouns of lines that compound a later noun of theirs, for each
// single English word the line gives alone (see CompoundPairing), keyed
// by the English word in lower case.
QHash<QString, QVector<CompoundPairing>> compoundedPlainNouns(
    const QHash<QString, QVector<const Candidate *>> &byEnglish)
{
    QHash<QString, QVector<CompoundPairing>> pairs;
    for (auto it = byEnglish.cbegin(); it != byEnglish.cend(); ++it) {
        if (it.key().contains(u' '))
            continue;
        for (const Candidate *head : it.value()) {
            if (!head->first || !head->germanFirst || !head->noun || !head->englishAlone)
                continue;
            for (const Candidate *plain : it.value()) {
                if (plain->line != head->line || plain->germanFirst || !plain->noun || plain->german.size() < 4
                    || !endsInWord(head->german, plain->german))
                    continue;
                QVector<CompoundPairing> &known = pairs[it.key().toLower()];
                const CompoundPairing pair{head->german.toLower(), plain->german.toLower()};
                if (std::none_of(known.cbegin(), known.cend(), [&pair](const CompoundPairing &k) {
                        return k.head == pair.head && k.plain == pair.plain;
                    }))
                    known.append(pair);
            }
        }
    }
    return pairs;
}

// Counts, for each pair of `pairs`, the lines that name its English word on
// their English side and a German word holding its head, or its plain noun
// outside the head, on their German side, notes left out on both sides. A
// line counts once for each.
void countCompoundPairings(const QByteArray &text, QHash<QString, QVector<CompoundPairing>> &pairs)
{
    if (pairs.isEmpty())
        return;
    QHash<QByteArray, QString> englishKeys;
    for (auto it = pairs.cbegin(); it != pairs.cend(); ++it)
        englishKeys.insert(it.key().toUtf8(), it.key());
    QByteArray token;
    QStringList named;
    forEachRawTransEntry(text, [&](QByteArrayView raw, qsizetype separator) {
        const QByteArrayView englishSide = raw.sliced(separator + 4);
        named.clear();
        int depth = 0;
        token.resize(0);
        for (qsizetype i = 0; i <= englishSide.size(); ++i) {
            const char c = i < englishSide.size() ? englishSide.at(i) : ' ';
            if (c == '(' || c == '[' || c == '{')
                ++depth;
            else if ((c == ')' || c == ']' || c == '}') && depth > 0)
                --depth;
            const auto byte = static_cast<unsigned char>(c);
            if (depth == 0 && std::isalpha(byte)) {
                token.append(static_cast<char>(std::tolower(byte)));
            } else if (!token.isEmpty()) {
                const auto key = englishKeys.constFind(token);
                if (key != englishKeys.cend() && !named.contains(*key))
                    named.append(*key);
                token.resize(0);
            }
        }
        if (named.isEmpty())
            return;
        const QString german = normaliseCharacters(QString::fromUtf8(raw.first(separator))).toLower();
        const QVector<QStringView> germanWords = wordsOutsideBrackets(german);
        for (const QString &english : std::as_const(named)) {
            for (CompoundPairing &pair : pairs[english]) {
                bool head = false;
                bool plain = false;
                for (const QStringView word : germanWords) {
                    const bool holdsHead = word.contains(pair.head);
                    head = head || holdsHead;
                    plain = plain || (!holdsHead && word.contains(pair.plain));
                }
                pair.headLines += head ? 1 : 0;
                pair.plainLines += plain ? 1 : 0;
            }
        }
    });
}

// Puts first the later noun of the top word's line that the top word
// compounds, where the line gives both the one English word alone and the
// dictionary renders that word by the plain noun throughout its compounds
// ("Hubkolben {m}; Kolben {m} [techn.] :: piston" beside "Kolbenring {m} ::
// piston ring", "Kolbenstange {f} :: piston rod" and forty more): a German
// compound names a kind of its last part, and the English word is the
// plain thing. The plain noun must stand in at least three lines for the
// English word outside the head, and in four times as many as the head.
// Judged against the rows it changed, the compound alone was as often the
// word the English one means ("Oberschenkel" for "thigh", "Eidechse" for
// "lizard", "Schraubenschlüssel" for "spanner"), and the head's own lines
// and compounds tell it: they render the English word about as often. The
// field tag the dictionary writes after a line's last word is the whole
// line's and does not count against the plain noun; one narrowed by a
// note, colloquial, obsolete or regional, or a plural stays. So does a
// plain noun outside the six words a row keeps (kRowWords): moved up, it
// pushed out of the row the last word, which some German words needed for
// a row of their own ("überfordern" for "floor").
constexpr qsizetype kRowWords = 6;
void putPlainNounOfCompoundingHeadFirst(QVector<const Candidate *> &list, const QVector<CompoundPairing> &pairs)
{
    if (list.size() < 2 || pairs.isEmpty())
        return;
    const Candidate *top = list.first();
    if (!top->first || !top->germanFirst || !top->noun || !top->englishAlone || top->noted || top->englishNoted)
        return;
    const QString head = top->german.toLower();
    const auto kept = list.begin() + std::min<qsizetype>(list.size(), kRowWords);
    const auto plain = std::find_if(list.begin() + 1, kept, [&](const Candidate *candidate) {
        const bool fieldOfLine = candidate->germanSense == Sense::SpecialField && top->lineTagged;
        if (candidate->line != top->line || !candidate->first || candidate->germanFirst || !candidate->noun
            || candidate->plural || candidate->noted || candidate->fringe || candidate->germanColloquial
            || (candidate->germanSense != Sense::General && !fieldOfLine)
            || !endsInWord(top->german, candidate->german))
            return false;
        const QString word = candidate->german.toLower();
        return std::any_of(pairs.cbegin(), pairs.cend(), [&](const CompoundPairing &pair) {
            return pair.head == head && pair.plain == word && pair.plainLines >= 3
                   && pair.plainLines >= 4 * std::max(1, pair.headLines);
        });
    });
    if (plain != kept)
        moveToFront(list, plain);
}

// For each single English word of `wanted` (lower case) and each of its
// German nouns (lower case), how many lines render a phrase the English
// word heads by a compound the noun heads: the lines whose English side
// gives a phrase of several words that ends in the English word and whose
// German side holds a compound ending in the noun, both outside notes
// ("Herzchirurg {m} [med.] :: heart surgeon; cardiac surgeon" for "surgeon"
// and "chirurg"). The noun alone does not count: a word of
// another sense spelt alike ("leichter", lighter in weight, beside the
// boat "Leichter") would. A line counts once for each pair.
QHash<QString, QHash<QString, int>> compoundRenderings(const QByteArray &text, const QHash<QString, QStringList> &wanted)
{
    QHash<QString, QHash<QString, int>> counts;
    if (wanted.isEmpty())
        return counts;
    QHash<QByteArray, QString> englishKeys;
    for (auto it = wanted.cbegin(); it != wanted.cend(); ++it)
        englishKeys.insert(it.key().toUtf8(), it.key());
    QByteArray token;
    QByteArray last;  // the last word of the phrase read
    int words = 0;    // the words of the phrase read
    QStringList named;
    forEachRawTransEntry(text, [&](QByteArrayView raw, qsizetype separator) {
        const QByteArrayView englishSide = raw.sliced(separator + 4);
        named.clear();
        int depth = 0;
        token.resize(0);
        last.resize(0);
        words = 0;
        for (qsizetype i = 0; i <= englishSide.size(); ++i) {
            const char c = i < englishSide.size() ? englishSide.at(i) : ';';
            if (c == '(' || c == '[' || c == '{')
                ++depth;
            else if ((c == ')' || c == ']' || c == '}') && depth > 0)
                --depth;
            const auto byte = static_cast<unsigned char>(c);
            if (depth == 0 && std::isalpha(byte)) {
                token.append(static_cast<char>(std::tolower(byte)));
                continue;
            }
            if (!token.isEmpty()) {
                last = token;
                ++words;
                token.resize(0);
            }
            // A phrase ends at a synonym's or a section's end: its last word
            // heads it where words stand before it ("heart surgeon").
            if (depth == 0 && (c == ';' || c == '|')) {
                const auto key = words > 1 ? englishKeys.constFind(last) : englishKeys.cend();
                if (key != englishKeys.cend() && !named.contains(*key))
                    named.append(*key);
                last.resize(0);
                words = 0;
            }
        }
        if (named.isEmpty())
            return;
        const QString german = normaliseCharacters(QString::fromUtf8(raw.first(separator))).toLower();
        const QVector<QStringView> germanWords = wordsOutsideBrackets(german);
        for (const QString &english : std::as_const(named)) {
            for (const QString &noun : wanted.value(english)) {
                if (std::any_of(germanWords.cbegin(), germanWords.cend(),
                                [&noun](QStringView word) {
                                    return word.size() > noun.size() + 2 && word.endsWith(noun);
                                }))
                    ++counts[english][noun];
            }
        }
    });
    return counts;
}

// Puts first a noun heading a line for the English word by which the
// dictionary renders that word throughout its compounds, where the ranking
// chose a noun heading another line that hardly any line uses so: "Chirurg
// {m}; Chirurgin {f} [med.] | ... :: medical surgeon; surgeon | ..." with
// "Herzchirurg :: heart surgeon", "Unfallchirurg :: trauma surgeon" and ten
// more, before "Operateur {m}; Operateurin {f} [med.] | ... :: surgeon;
// operating surgeon | ...", named by its own line only. The noun the
// compounds are built on is the standard word; the other, a side synonym.
// The noun must give the English word first or right after a phrase that
// narrows it, with no note, register or region, and be no more special than
// the top; it must render the word in at least five lines and five times as
// many as the top, which at most two lines may use.
void putNounRenderingWordInCompoundsFirst(QVector<const Candidate *> &list, const QHash<QString, int> &renderings)
{
    if (list.size() < 2)
        return;
    const Candidate *top = list.first();
    if (!top->noun || !top->germanFirst || !top->first)
        return;
    const int topCount = std::max(1, renderings.value(top->german.toLower()));
    if (topCount > 2)
        return;
    const auto noun = std::find_if(list.begin() + 1, list.end(), [&](const Candidate *c) {
        const int count = renderings.value(c->german.toLower());
        return c->noun && c->germanFirst && (c->first || c->plainWord) && !c->german.contains(u' ')
               && c->german.compare(top->german, Qt::CaseInsensitive) != 0 && !c->noted && !c->englishNoted
               && !c->fringe && !c->englishRegister && !c->germanColloquial && (!isSpecial(*c) || isSpecial(*top))
               && count >= 5 && count >= 5 * topCount;
    });
    moveToFront(list, noun);
}

// Moves the row's word at `from`, past its places, into its last place;
// the word there comes right behind the places. Returns that word.
QString giveLastPlaceTo(QStringList &german, QVector<const Candidate *> &kept, qsizetype from)
{
    const qsizetype last = kMaxGermanTranslations - 1;
    const QString displaced = german.at(last);
    german.move(from, last);
    kept.move(from, last);
    return displaced;
}

// Gives the last of a row's places to another sense of the English word
// where all the places go to the nouns of at most two bare lines (one
// section each: no plural, compound or example), the words of one sense and
// mostly its gender and spelling variants ("Ankleider {m}; Ankleiderin {f};
// Garderobier {m}; Garderobiere {f} :: dresser" and "Gardrobier {m};
// Gardrobiere {f} :: dresser; costumer"). The place goes to the first noun
// further down that heads a full entry of its own, its plural given, with no
// note, field or register tag or fringe mark ("Kommode {f} | Kommoden {pl}
// :: chest of drawers; dresser [Am.]; ..."): a learner is better served by
// a second sense than by a sixth variant of one. The word that gives way
// comes right behind the row's places; it is returned, so that it keeps its
// own German row (an empty string where nothing moved). `german` and `kept`
// are the row's words and their candidates, one for one.
QString giveOneSensesLastPlaceToOtherNounEntry(QStringList &german, QVector<const Candidate *> &kept)
{
    constexpr qsizetype places = kMaxGermanTranslations;
    if (german.size() <= places || kept.size() != german.size())
        return {};
    QSet<int> lines;
    for (qsizetype i = 0; i < places; ++i) {
        const Candidate *candidate = kept.at(i);
        if (!candidate->noun || candidate->sections != 1)
            return {};
        lines.insert(candidate->line);
    }
    if (lines.size() > 2)
        return {};
    for (qsizetype i = places; i < kept.size(); ++i) {
        const Candidate *candidate = kept.at(i);
        if (candidate->noun && candidate->germanFirst && candidate->pluralForms && !candidate->plural
            && !candidate->noted && !candidate->fringe && !isSpecial(*candidate)) {
            return giveLastPlaceTo(german, kept, i);
        }
    }
    return {};
}

// Gives the last of a row's places, held by a noun a note narrows to one
// use ("Übersiedlung {f}; ... (Wechsel des Wohnsitzes) :: move [Br.]; ...;
// moving [Am.]"), to an adjective further down that two or more lines give
// the English word ("rührend {adj} :: touching; moving" and "ergreifend
// {adj}; rührend {adj} :: touching {adj}; moving {adj}"): lines that agree
// on an adjective name the English word's use as one, which a row filled
// with nouns of its uses as a noun leaves out, while the note marks a side
// use. The adjective heads a line, and no note, tag or fringe mark narrows
// it on any of its lines. Judged against the rows it changed, the same for
// any word further down in place of any noted word as often pushed out a
// main word ("zähflüssig" in place of "gleichbleibend" for "consistent") as
// it let one in. `list` is the ranked list the row was made of. The word
// that gives way comes right behind the row's places and is returned, as
// by giveOneSensesLastPlaceToOtherNounEntry.
QString giveNotedNounsLastPlaceToAdjectiveOfSeveralLines(QStringList &german, QVector<const Candidate *> &kept,
                                               const QVector<const Candidate *> &list)
{
    constexpr qsizetype places = kMaxGermanTranslations;
    if (german.size() <= places || kept.size() != german.size() || !kept.at(places - 1)->noted
        || !kept.at(places - 1)->noun)
        return {};
    for (qsizetype i = places; i < kept.size(); ++i) {
        const Candidate *candidate = kept.at(i);
        if (!candidate->germanFirst || candidate->noun || candidate->englishVerb || !candidate->wordClass.adjective)
            continue;
        QSet<int> lines;
        bool plain = true;
        for (const Candidate *other : list) {
            if (other->german != candidate->german)
                continue;
            lines.insert(other->line);
            plain = plain && !other->noted && !other->fringe && !isSpecial(*other) && !other->englishRegister
                    && !other->germanColloquial && !other->englishDated;
        }
        if (plain && lines.size() >= 2) {
            return giveLastPlaceTo(german, kept, i);
        }
    }
    return {};
}

// What the German pairs read of the whole text for the core words alone:
// how the dictionary uses each (englishWordUsesInTrans) and the plural
// sections' senses (pluralSectionSenses).
struct CoreWordScans
{
    QHash<QString, EnglishWordUses> englishUses;
    QHash<QString, QStringList> pluralSenses;
};

CoreWordScans scanForCoreWords(const QByteArray &text, const QSet<QString> &core, const QSet<QString> &lowerCore)
{
    return {englishWordUsesInTrans(text, lowerCore), pluralSectionSenses(text, core)};
}

} // namespace

GermanSources germanSourcesFromTrans(const QByteArray &text, const QStringList &coreEnglish, TransWordCounts counts,
                                     const QSet<QString> &englishWordList)
{
    const QSet<QString> core(coreEnglish.cbegin(), coreEnglish.cend());
    QHash<QString, QStringList> coreByLower;
    for (const QString &word : coreEnglish)
        coreByLower[word.toLower()].append(word);
    // How the dictionary uses each core word and the senses of the plural
    // sections need nothing but the text and the core words: they are read
    // on a thread of their own while the lines are read below.
    std::future<CoreWordScans> coreWordScans = std::async(
        std::launch::async, [&text, &core, words = QSet<QString>(coreByLower.keyBegin(), coreByLower.keyEnd())] {
            return scanForCoreWords(text, core, words);
        });

    const QHash<QString, QString> americanSpelling = spellingPairsOf(text);
    QVector<Candidate> candidates;
    // Where each German word stands in the first section of a line.
    struct GermanOnLine
    {
        qsizetype start;
        qsizetype end;
        int line;
        int position;
        Sense sense;
        bool noun;
        bool fringe;
        bool noted;
        bool dated = false;
        // The German word's own English word, where it is a later synonym
        // with one further on the line (counterpartPlace).
        TransSynonym counterpart{};
    };
    QHash<QString, QVector<GermanOnLine>> linesOfGerman;
    // The lines without a core word, whose German side is cleaned only when
    // it may hold one of the German words met (their own senses are wanted).
    struct LineSpan
    {
        qsizetype start;
        qsizetype end;
        int line;
    };
    QVector<LineSpan> otherLines;
    // The first English synonym of each line whose German words are kept
    // track of: the line's main sense.
    QHash<int, TransSynonym> mainSenseOfLine;
    // The English words a line gives after its main one, for the lines a
    // kept German word heads (see addLaterSensesOfHeadedLine below).
    QHash<int, QVector<TransSynonym>> laterSensesOfLine;
    constexpr int kOrdersPerLine = 1 << 10;
    int order = 0;
    int lineNumber = 0;
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype lineStart = start;
        const QString line = withoutSharedArticles(withVerbsAlone(takeTransLine(text, start)));
        const qsizetype lineEnd = std::min(start - 1, text.size());
        ++lineNumber;
        order = 0;
        if (line.startsWith(u'#'))
            continue;
        const qsizetype separator = line.indexOf(u" :: ");
        if (separator < 0)
            continue;
        const QStringView germanSide = QStringView(line).left(separator);
        const QStringView englishSide = QStringView(line).mid(separator + 4);

        // The core words among the English synonyms of the entry. Only lines
        // that have one are cleaned on their German side.
        struct Match
        {
            QString english;
            bool first;
            bool special;
            bool fringe;
            bool noted;
            bool byCase = false;  // a capitalised synonym taken for a lower-case word
            int preposition = -1;  // the verb with the preposition of this place in the notes
            bool verb = false;     // given as a verb ("to fry")
            bool bySpelling = false;  // the British spelling of an American core word
            bool register_ = false;   // tagged with a register ("to screw sb. [coll.]")
            bool colloquial = false;  // and colloquial, slang or vulgar
            bool dated = false;       // tagged historical or dated
            bool variant = false;     // tagged as a British or American spelling
            qsizetype place = 0;      // the place of the synonym on the line
            bool pastForms = false;   // a verb with its past forms ("to feed {fed; fed}")
            bool regionalSlang = false;  // first only as another region's slang (slangOfOtherRegion)
            bool objectPhrase = false;   // the verb of "to vaccinate sb. against sth." (verbOfObjectPhrase)
            bool classTagged = false;    // tagged with its word class ("circular {adj}"; tagsOwnWordClass)
            bool particleVerb = false;   // first among its plain verb's particle verbs (sharesPlaceAmongOneVerbsParticleVerbs)
        };
        QVector<Match> matches;
        bool onlyVariantsBefore = true;
        const QVector<QStringView> english = englishSynonymsForGerman(englishSide, germanSide);
        QVector<TransSynonym> englishSynonyms;
        englishSynonyms.reserve(english.size());
        for (const QStringView raw : english)
            englishSynonyms.append(describeEnglishSynonym(raw, germanSide));
        const qsizetype headPlace = mainEnglishPlace(englishSynonyms, germanSide);
        const TransSynonym head = englishSynonyms.value(headPlace);
        onlyVariantsBefore = countryWordsShareFirstPlace(english);
        int englishWords = 0;  // spelling variants of one word count once
        for (qsizetype k = 0; k < english.size(); ++k) {
            const TransSynonym &synonym = englishSynonyms.at(k);
            // A particle verb further along its plain verb's list ("to wear;
            // to wear away; to wear down; to wear out <> sth.").
            const bool particleVerb = headPlace == 0 && k > 0
                                      && !(k == 1 && isParticleVerbOf(english.at(1), english.at(0)))
                                      && sharesPlaceAmongOneVerbsParticleVerbs(english, englishSynonyms, k);
            // "colour [Br.]; color [Am.]": both spellings are the first.
            const bool first = headPlace == 0 ? k == 0 || (synonym.spellingVariant && onlyVariantsBefore)
                                                    || (k == 1 && isParticleVerbOf(english.at(1), english.at(0)))
                                                    || particleVerb
                                              : k == headPlace;
            onlyVariantsBefore = onlyVariantsBefore && synonym.spellingVariant;
            if (synonym.text.isEmpty())
                continue;
            if (!synonym.spellingVariant || k == 0)
                ++englishWords;
            const qsizetype matchesBefore = matches.size();
            // "warten {vi} (auf; bis) :: to wait (for; until)": "warten auf"
            // is "wait for".
            if (first && !synonym.text.contains(u' ') && english.at(k).contains(u'(')) {
                const QStringList prepositions = prepositionsOf(english.at(k));
                for (qsizetype p = 0; p < prepositions.size(); ++p) {
                    const QString phrase = synonym.text + u' ' + prepositions.at(p);
                    if (core.contains(phrase)) {
                        matches.append({phrase, first, synonym.sense != Sense::General, synonym.fringe, false,
                                        false, static_cast<int>(p)});
                    }
                }
            }
            if (core.contains(synonym.text)) {
                matches.append({synonym.text, first, synonym.sense != Sense::General, synonym.fringe,
                                synonym.noted});
            } else {
                // "Earth" at the head of "Erde :: Earth" is "earth". A
                // capitalised word further on names something else ("Crane"
                // the constellation, "Trot" the Trotskyist), and "pan" is no
                // "Pan": a capitalised core word matches only itself. Nor is
                // a place a common word ("Green {m} (Fluss) [geogr.] :: Green
                // (river)").
                for (const QString &spelling : coreByLower.value(synonym.text.toLower())) {
                    if (first && spelling == spelling.toLower() && !germanSide.contains(u"[geogr.]"))
                        matches.append({spelling, first, synonym.sense != Sense::General, synonym.fringe,
                                        synonym.noted, true});
                }
            }
            if (const QString verb = verbOfObjectPhrase(english.at(k), synonym.text); core.contains(verb)) {
                matches.append({verb, first, synonym.sense != Sense::General, synonym.fringe, synonym.noted});
                matches.last().objectPhrase = true;
            }
            // "vapour" at the head of a line is the core word "vapor", where
            // no other synonym of the line gives that spelling (kept only
            // where no line gives "vapor" first, see below).
            if (const auto variant = americanSpelling.constFind(synonym.text);
                variant != americanSpelling.cend() && core.contains(*variant)
                && std::none_of(englishSynonyms.cbegin(), englishSynonyms.cend(),
                                [&](const TransSynonym &s) { return s.text == *variant; })) {
                matches.append({*variant, first, synonym.sense != Sense::General, synonym.fringe, synonym.noted});
                matches.last().bySpelling = true;
            }
            for (qsizetype m = matchesBefore; m < matches.size(); ++m) {
                matches[m].verb = english.at(k).trimmed().startsWith(u"to ");
                matches[m].register_ = synonym.sense == Sense::SpecialRegister;
                matches[m].colloquial = synonym.colloquial;
                matches[m].dated = synonym.dated;
                // "to pulverize / pulverise [Br.] sth.": the tag is the
                // alternative's, not the word's.
                matches[m].variant = synonym.spellingVariant && !english.at(k).contains(u" / ");
                matches[m].place = k;
                matches[m].classTagged = tagsOwnWordClass(english.at(k));
                matches[m].particleVerb = particleVerb;
                matches[m].regionalSlang = k > 0 && first && slangOfOtherRegion(synonym, englishSynonyms.first());
                if (matches[m].verb) {
                    const qsizetype open = english.at(k).indexOf(u'{');
                    const qsizetype close = english.at(k).indexOf(u'}', open + 1);
                    matches[m].pastForms =
                        open >= 0 && close > open && english.at(k).mid(open, close - open).contains(u"; ");
                }
            }
        }
        // A line met only through verbs' object phrases (verbOfObjectPhrase)
        // gives those verbs its words; for its German words' own senses it is
        // read as any other line, whether or not the verbs keep it.
        const bool objectPhrasesOnly =
            std::all_of(matches.cbegin(), matches.cend(), [](const Match &match) { return match.objectPhrase; });
        if (objectPhrasesOnly)
            otherLines.append({lineStart, lineEnd, lineNumber});
        if (matches.isEmpty())
            continue;
        const qsizetype germanBar = germanSide.indexOf(u" | ");
        const QStringView forms = germanBar < 0 ? QStringView() : firstSection(germanSide.mid(germanBar + 3));
        const bool ownEntry = englishWords == 1 && forms.contains(u"{pl}") && englishSide.contains(u" | ");
        const qsizetype englishBar = englishSide.indexOf(u" | ");
        const QString laterEnglish = englishBar < 0 ? QString() : englishSide.mid(englishBar + 3).toString().toLower();
        const qsizetype firstCandidate = candidates.size();
        const QVector<TransSynonym> germanSynonyms = synonymsOf(germanSide, false);
        if (!objectPhrasesOnly) {
            mainSenseOfLine.insert(lineNumber, head);
            for (qsizetype i = 0; i < englishSynonyms.size(); ++i) {
                if (i != headPlace)
                    laterSensesOfLine[lineNumber].append(laterSenseOfLine(englishSynonyms, english, i, germanSide));
            }
            for (const TransSynonym &german : germanSynonyms) {
                const qsizetype own = counterpartPlace(englishSynonyms, german, headPlace, englishWordList);
                linesOfGerman[german.text].append({lineStart, lineEnd, lineNumber, german.position, german.sense,
                                                   german.noun, german.fringe, german.noted, german.dated,
                                                   own < 0 ? TransSynonym{} : englishSynonyms.at(own)});
            }
        }
        // Common nouns carry their gender; a line whose German words carry
        // none names a place or a person ("Seoul :: Soul; Seoul"), and one
        // whose words are plurals only a people ("Afar {pl}; Adal {pl};
        // Danakil {pl} [soc.] :: Afar"): neither translates a common word.
        const bool commonNoun = std::any_of(germanSynonyms.cbegin(), germanSynonyms.cend(),
                                            [](const TransSynonym &s) { return s.noun && !s.plural; });
        // "Reitsattel {m}; Sattel {m} :: riding saddle; saddle": the German
        // word that the first one compounds gives the plain English word
        // that the first phrase narrows, its own sense, first.
        const qsizetype plainPlace = headPlace == 0 ? plainWordPlace(englishSynonyms) : 0;
        const auto spelledOnBothSides = [&](const QString &word) {
            return std::any_of(englishSynonyms.cbegin(), englishSynonyms.cend(),
                               [&](const TransSynonym &s) { return s.text == word; });
        };
        const bool hasOwnGermanName =
            std::any_of(germanSynonyms.cbegin(), germanSynonyms.cend(),
                        [&](const TransSynonym &s) { return !spelledOnBothSides(s.text); });
        const QVector<QStringView> germanRaws = splitTopLevel(firstSection(germanSide), u"; ");
        const QString germanExamples = exampleSectionsAfterPlurals(germanSide);
        for (qsizetype g = 0; g < germanSynonyms.size(); ++g) {
            const TransSynonym &german = germanSynonyms.at(g);
            const QString &head = germanSynonyms.first().text;
            const bool namedByItsKinds = plainPlace > 0 && !german.text.contains(u' ')
                                         && compoundedByEarlierSynonyms(germanSynonyms, g)
                                         && onlyFieldTagged(germanRaws.value(german.position));
            const bool compounded = plainPlace > 0 && g > 0 && !german.text.contains(u' ')
                                    && (endsInWord(head, german.text) || namedByItsKinds);
            const qsizetype ownPlace = counterpartPlace(englishSynonyms, german, headPlace, englishWordList);
            // "Athínai; Athen [geogr.] :: Athínai; Athens": where a line
            // gives a name with its local form spelt alike on both sides, the
            // German name of the line's other names is "Athen"; the local
            // form comes after it. A name that only the local form
            // translates ("Mallorca :: Mallorca; Majorca") is not touched,
            // nor are common words ("robust; stabil :: robust; sturdy").
            const auto namesOtherSynonym = [&](const QString &english) {
                return german.text != english && !english.isEmpty() && english.front().isUpper()
                       && spelledOnBothSides(german.text) && hasOwnGermanName;
            };
            for (const Match &match : std::as_const(matches)) {
                if (match.byCase && !commonNoun)
                    continue;
                if (match.preposition >= 0) {
                    if (german.position != 0)
                        continue;
                    const QStringList prepositions =
                        prepositionsOf(splitTopLevel(firstSection(germanSide), u"; ").first());
                    if (match.preposition >= prepositions.size()
                        || !isGermanPreposition(prepositions.at(match.preposition)))
                        continue;
                    candidates.append({german.text + u' ' + prepositions.at(match.preposition), match.english,
                                       match.first, german.sense, match.special, true, german.noun, german.fringe,
                                       false, lineNumber, lineNumber * kOrdersPerLine + order++});
                    candidates.last().englishVerb = true;
                    continue;
                }
                if (needsDroppedPrepositionForNotedSynonym(english.at(match.place), germanRaws.value(german.position),
                                                           germanRaws.value(0), german.position))
                    continue;
                candidates.append({german.text, match.english, match.first, german.sense, match.special,
                                   german.position == 0,
                                   german.noun, german.fringe || match.fringe, german.noted || match.noted,
                                   lineNumber, lineNumber * kOrdersPerLine + order++});
                candidates.last().englishVerb = match.verb;
                candidates.last().germanPlace = german.position;
                candidates.last().englishRegister = match.register_;
                candidates.last().englishColloquial = match.colloquial;
                candidates.last().germanColloquial = german.colloquial;
                candidates.last().englishDated = match.dated && !german.dated;
                candidates.last().compounded = compounded;
                candidates.last().plainWord = match.place == plainPlace;
                candidates.last().namedByItsKinds = namedByItsKinds;
                candidates.last().counterpartLine = ownPlace >= 0;
                candidates.last().counterpart = match.place == ownPlace;
                candidates.last().partOfHeadLikeEnglish =
                    g > 0 && headPlace == 0 && match.place > 0
                    && compoundsAlikeOnBothSides(head, german.text, englishSynonyms.first().text,
                                                 englishSynonyms.at(match.place).text);
                candidates.last().plural = german.plural;
                candidates.last().bySpelling = match.bySpelling;
                // A common noun the dictionary merely capitalises has its
                // plural capitalised too ("Albino | Albinos").
                candidates.last().capitalised =
                    match.byCase
                    && !(englishBar >= 0
                         && englishSide.mid(englishBar).contains(englishSynonyms.at(match.place).text + u's'));
                candidates.last().groupTagged = german.groupTagged;
                candidates.last().englishVariant = match.variant;
                candidates.last().englishNoted = match.noted;
                candidates.last().englishPastForms = match.pastForms;
                candidates.last().englishClassTagged = match.classTagged;
                candidates.last().particleVerbOfPlainVerb = match.particleVerb;
                candidates.last().localName = namesOtherSynonym(match.english);
                candidates.last().prepositionAfterVerb = german.prepositionAfterVerb;
                if (match.objectPhrase)
                    readAsVerbOfObjectPhrase(candidates.last(), englishSynonyms.at(match.place).text);
                candidates.last().regionalSlang = match.regionalSlang;
                candidates.last().germanObjectNoted = german.objectNoted;
                candidates.last().englishPlace = static_cast<int>(match.place);
                candidates.last().namedAgain = namesWordAgain(laterEnglish, match.english, englishBar < 0);
                candidates.last().germanNamedAgain = namesGermanWordAgain(germanSide, german.text);
                candidates.last().examplesOfOtherWord =
                    examplesShowOnlyOtherWord(germanExamples, german.text, germanSynonyms);
                candidates.last().englishPluralByAdjective =
                    german.noun && pluralPlaceNamesAdjective(germanSide, laterEnglish, englishSynonyms, match.place);
                candidates.last().examplesOfWord =
                    !germanExamples.isEmpty() && germanExamples.contains(germanStemOf(german.text));
                candidates.last().comparesWord = comparesGermanWord(germanSide, german.text);
                candidates.last().germanAlone = holdsGermanWordAlone(germanSide);
                candidates.last().compoundOnly = usedOnlyInCompounds(germanRaws.value(german.position));
                candidates.last().shownByExamples = examplesShowOnlyLaterSynonym(germanSide, german.position);
                candidates.last().exampleSentences = givesExampleSentences(germanSide);
                candidates.last().neuter =
                    german.noun && firstSection(germanSide).contains(german.text + QStringLiteral(" {n}"));
            }
        }
        const int sections = static_cast<int>(germanSide.count(u" | ")) + 1;
        // A numeral's line names the number alone, perhaps with its digits
        // ("zweite; zweiter; zweites; zweit…; 2. {num} :: second; 2nd"); one
        // with other English words names a kind of amount ("mehrerlei [ugs.];
        // vielerlei {num} :: various; all kinds of; all sorts of").
        const bool numeralLine = firstSection(germanSide).contains(u"{num}")
                                 && std::all_of(englishSynonyms.cbegin() + std::min<qsizetype>(1, englishSynonyms.size()),
                                                englishSynonyms.cend(), [](const TransSynonym &synonym) {
                                                    return std::any_of(synonym.text.cbegin(), synonym.text.cend(),
                                                                       [](QChar c) { return c.isDigit(); });
                                                });
        const bool comparison = sections > 2 && givesComparison(germanSide);
        const WordClassTags wordClass = wordClassTagsOf(germanSide);
        const LineFields fields = lineFieldsOf(germanSide, englishSide);
        const bool pluralForms = givesPluralForms(germanSide);
        const bool sectionNoted = holdsNarrowingNote(firstSection(germanSide));
        const bool englishSectionNoted = holdsEnglishNarrowingNote(firstSection(englishSide));
        const bool englishNoteAfterWord = holdsEnglishNoteAfterWord(firstSection(englishSide));
        const bool figurative = marksFigurativeUse(firstSection(germanSide), firstSection(englishSide));
        const bool examplesOnly = givesOnlyExampleSentences(germanSide);
        const std::size_t germanSectionKey = germanSectionKeyOf(germanSide);
        for (qsizetype c = firstCandidate; c < candidates.size(); ++c) {
            candidates[c].germanSectionKey = germanSectionKey;
            candidates[c].sectionNoted = sectionNoted;
            candidates[c].englishSectionNoted = englishSectionNoted;
            candidates[c].englishNoteAfterWord = englishNoteAfterWord;
            candidates[c].figurative = figurative;
            candidates[c].lineTagged = fields.narrow;
            candidates[c].fieldTagged = fields.any;
            candidates[c].wholeLineJudged = fields.judged;
            candidates[c].wordClass = wordClass;
            candidates[c].ownEntry = ownEntry && candidates[c].noun;
            candidates[c].pluralForms = pluralForms;
            candidates[c].numeral = numeralLine && !candidates[c].noun;
            candidates[c].sections = sections;
            candidates[c].comparison = comparison;
            candidates[c].englishAlone = englishWords == 1;
            candidates[c].examplesOnly = examplesOnly;
        }
    }

    // The lines of a British spelling count for an American word that no
    // line gives first ("vapor", given first nowhere, has "Dampf {m}; Nebel
    // {m} ... :: vapour ..."). Where one does, the American word has its own
    // main entries, and the British lines bring only further senses to rank
    // against them ("hegen; haben :: to harbour sth." for "harbor").
    {
        QSet<QString> givenFirst;
        for (const Candidate &candidate : std::as_const(candidates)) {
            if (candidate.first && !candidate.bySpelling)
                givenFirst.insert(candidate.english);
        }
        candidates.removeIf([&givenFirst](const Candidate &candidate) {
            return candidate.bySpelling && givenFirst.contains(candidate.english);
        });
    }
    dropObjectPhraseVerbsGivenPlainly(candidates);

    GermanSources sources;
    sources.ranked = true;
    sources.ownSenses = true;
    sources.germanFrequencies = std::move(counts.german);
    sources.englishFrequencies = std::move(counts.english);
    QHash<QString, int> germanCommonness;
    QHash<QString, int> germanPhraseRanks;
    QHash<QString, int> englishPhraseRanks;
    QHash<QString, int> englishCommonness;
    QHash<QString, QVector<const Candidate *>> byEnglish;
    QHash<QString, QVector<const Candidate *>> byGerman;
    for (const Candidate &candidate : std::as_const(candidates)) {
        if (!germanCommonness.contains(candidate.german))
            germanCommonness.insert(candidate.german, commonness(candidate.german, sources.germanFrequencies));
        if (!englishCommonness.contains(candidate.english))
            englishCommonness.insert(candidate.english, commonness(candidate.english, sources.englishFrequencies));
        if (!plainWordOfKinds(candidate))
            byEnglish[candidate.english].append(&candidate);
    }
    // A plain word the line names after its kinds on both sides ("Schuppen"
    // for "shed" on "...; Geräteschuppen {m}; Gartenschuppen {m}; Schuppen
    // {m}; ... :: utility shed; garden shed; shed") is the English word's own
    // sense, as a line that gives it first: the English list takes a copy
    // that says so.
    QVector<Candidate> plainWordsOfKinds;
    plainWordsOfKinds.reserve(std::count_if(candidates.cbegin(), candidates.cend(), plainWordOfKinds));
    for (const Candidate &candidate : std::as_const(candidates)) {
        if (plainWordOfKinds(candidate)) {
            plainWordsOfKinds.append(candidate);
            plainWordsOfKinds.last().first = true;
            byEnglish[candidate.english].append(&plainWordsOfKinds.last());
        }
    }
    // For a later German synonym that the line's first word compounds, the
    // plain English word is the line's first (see Candidate::compounded):
    // the German word's list takes copies that say so. The English word's
    // list keeps the line's own order.
    QVector<Candidate> compoundSenses;
    // So for a later German synonym with its own English word on the line
    // (Candidate::counterpart).
    const auto ownFirst = [](const Candidate &c) {
        return c.counterpartLine ? c.counterpart
               : c.compounded    ? c.plainWord
                                 : c.first && !c.particleVerbOfPlainVerb;
    };
    compoundSenses.reserve(std::count_if(candidates.cbegin(), candidates.cend(), [&ownFirst](const Candidate &c) {
        return ownFirst(c) != c.first;
    }));
    for (const Candidate &candidate : std::as_const(candidates)) {
        if (ownFirst(candidate) != candidate.first) {
            compoundSenses.append(candidate);
            compoundSenses.last().first = ownFirst(candidate);
            byGerman[candidate.german].append(&compoundSenses.last());
        } else {
            byGerman[candidate.german].append(&candidate);
        }
    }
    // The own entry of each English core word, its main sense: the first
    // line that gives it first and has more than one section (see
    // markOtherSenses).
    QHash<QString, int> ownLineOfEnglish;
    for (const Candidate &candidate : std::as_const(candidates)) {
        if (candidate.first && candidate.sections > 1 && !ownLineOfEnglish.contains(candidate.english))
            ownLineOfEnglish.insert(candidate.english, candidate.line);
    }
    // The own entry of each German word, its main sense: the first line that
    // heads with it and has more than one section (see putMutualOwnEntryFirst).
    QHash<QString, const Candidate *> ownEntryOfGerman;
    for (const Candidate &candidate : std::as_const(candidates)) {
        if (candidate.germanFirst && candidate.sections > 1 && !ownEntryOfGerman.contains(candidate.german))
            ownEntryOfGerman.insert(candidate.german, &candidate);
    }
    // How the dictionary uses each core word, as a verb or otherwise (see
    // putNounMainEntryBeforeSideVerb), and the plural sections' senses.
    const CoreWordScans scans = coreWordScans.get();
    const QHash<QString, EnglishWordUses> &englishUses = scans.englishUses;
    const QHash<QString, QStringList> &pluralSenses = scans.pluralSenses;
    // How many lines pair each single English word with each of its German
    // words (see putWidelyPairedWordFirst).
    QHash<QString, QStringList> pairsWanted;
    for (auto it = byEnglish.cbegin(); it != byEnglish.cend(); ++it) {
        if (it.key().contains(u' '))
            continue;
        QStringList &germans = pairsWanted[it.key().toLower()];
        for (const Candidate *candidate : it.value()) {
            if (!germans.contains(candidate->german))
                germans.append(candidate->german);
        }
    }
    // The compounds' lines are counted on a thread of their own while the
    // pairs' lines are.
    QHash<QString, QVector<CompoundPairing>> compoundPairings = compoundedPlainNouns(byEnglish);
    std::future<void> compoundsCounted =
        std::async(std::launch::async, [&text, &compoundPairings] { countCompoundPairings(text, compoundPairings); });
    const QHash<QString, QHash<QString, int>> pairings = linesPairingWords(text, pairsWanted);
    compoundsCounted.get();
    // The German nouns heading lines for each single English word, where two
    // or more do (see putNounRenderingWordInCompoundsFirst).
    QHash<QString, QStringList> nounsWanted;
    for (auto it = byEnglish.cbegin(); it != byEnglish.cend(); ++it) {
        if (it.key().contains(u' '))
            continue;
        QStringList nouns;
        for (const Candidate *candidate : it.value()) {
            const QString noun = candidate->german.toLower();
            if (candidate->noun && candidate->germanFirst && !noun.contains(u' ') && !nouns.contains(noun))
                nouns.append(noun);
        }
        if (nouns.size() > 1)
            nounsWanted.insert(it.key().toLower(), nouns);
    }
    const QHash<QString, QHash<QString, int>> renderings = compoundRenderings(text, nounsWanted);
    for (auto it = byEnglish.begin(); it != byEnglish.end(); ++it) {
        QVector<const Candidate *> &list = it.value();
        // Obsolete and regional words only where nothing else translates the
        // word ("wesen" is no translation of "be", "Trauminet" none of
        // "coward").
        if (std::any_of(list.cbegin(), list.cend(), [](const Candidate *c) { return !c->fringe; }))
            list.removeIf([](const Candidate *c) { return c->fringe; });
        rank(list, [&germanCommonness](const Candidate &c) { return germanCommonness.value(c.german); },
             Side::German, germanPhraseRanks);
        putCompoundOnlyWordsLast(list);
        putMainEntryBeforeTiedShortLineOfOtherKind(list, ownEntryOfGerman);
        putUntaggedLineBeforeTiedFieldLine(list);
        putFullNounEntryBeforeBareLooseLine(list, ownEntryOfGerman);
        putMutualOwnEntryFirst(list, ownEntryOfGerman);
        putOwnExampleEntryBeforeBareSideLine(list, ownEntryOfGerman);
        putOwnAdjectiveEntryBeforeSideOne(list, ownEntryOfGerman);
        putOwnEntryFirstWhereNoneGivesFirst(list, ownEntryOfGerman);
        putNounMainEntryBeforeSideVerb(list, englishUses.value(it.key().toLower()));
        putVerbBeforeSideNoun(list, englishUses.value(it.key().toLower()));
        putUntaggedLineBeforeFieldTaggedOwnNoun(list, englishUses.value(it.key().toLower()));
        putLaterSynonymOfLinesCompoundsBeforeBareLine(list);
        putCompoundEntrysPlainNounInRow(list, englishUses.value(it.key().toLower()));
        giveShortenedPhraseOfSameLineOnePlace(list);
        // A name's local form follows its German name; it stays in the row
        // (and so keeps the German row of the local form).
        std::stable_partition(list.begin(), list.end(), [](const Candidate *c) { return !c->localName; });
        // An adjective whose German word in "-isch" shares its stem names
        // the adjective's literal sense ("Byzantine": byzantinisch, not the
        // figurative undurchschaubar). Where a line has it as its first
        // German word for the English word given first, untagged by a
        // special field, narrowed by no note and in general use, it comes
        // before the other adjectives; a noun the ranking put first stays.
        if (!list.isEmpty() && !list.first()->noun && !list.first()->german.front().isUpper()) {
            const auto lookAlike = std::find_if(list.begin() + 1, list.end(), [&](const Candidate *c) {
                return c->first && c->germanFirst && c->germanSense == Sense::General && !c->englishSpecial
                       && !c->noted && !c->fringe && isIschLookAlike(it.key(), c->german);
            });
            moveToFront(list, lookAlike);
        }
        putNounBeforeVerbOfItsPluralsSpelling(list);
        putPrepositionVerbsLast(list);
        putWidelyPairedWordFirst(list, pairings.value(it.key().toLower()), sources.germanFrequencies);
        putPlainNounOfCompoundingHeadFirst(list, compoundPairings.value(it.key().toLower()));
        putPlainPartBeforeLineHeadsCompound(list);
        putAdjectiveBeforeNounOfAdjectivalPlural(list);
        putMainEntryBeforeWordGivenBack(list);
        putNounRenderingWordInCompoundsFirst(list, renderings.value(it.key().toLower()));
        putAgreedTransitiveVerbBeforeIntransitiveLine(list);
        const QString sideUse = keepMutualMainEntryInRow(list, ownEntryOfGerman);
        // One spelling of words that differ only by case, in the place of the
        // better ranked. The spelling is the lower-case word when it is no
        // noun and as much a main entry as the other: "drei {num}" beside
        // "Drei {f}", "heute {adv}" beside "Heute {n}" name the word, the
        // capitalised noun only its use as a noun.
        QStringList german;
        QVector<const Candidate *> keptCandidates;  // the best ranked of each spelling kept
        QHash<QString, qsizetype> placeOf;
        for (const Candidate *candidate : std::as_const(list)) {
            QString lower = candidate->german.toLower();
            auto place = placeOf.constFind(lower);
            // A noun and a verb of one spelling each keep their own place;
            // the second of them is kept under a key of its own.
            if (place != placeOf.cend() && nounAndVerbOfOneSpelling(*keptCandidates.at(*place), *candidate)) {
                sources.nounAndVerbSpellings.insert(lower);
                lower.append(u'\n');
                place = placeOf.constFind(lower);
            }
            if (place == placeOf.cend()) {
                placeOf.insert(lower, german.size());
                german.append(candidate->german);
                keptCandidates.append(candidate);
                continue;
            }
            const Candidate *kept = keptCandidates.at(*place);
            if (kept->german != candidate->german && kept->german.at(0).isUpper()
                && candidate->german.at(0).isLower() && !candidate->noun && candidate->first == kept->first
                && isSpecial(*candidate) == isSpecial(*kept)) {
                german[*place] = candidate->german;
                keptCandidates[*place] = candidate;
            }
        }
        // A word that gives its place to another sense keeps its German row,
        // as a word past the places that heads its own line does.
        QString displaced = giveNotedNounsLastPlaceToAdjectiveOfSeveralLines(german, keptCandidates, list);
        if (displaced.isEmpty())
            displaced = giveOneSensesLastPlaceToOtherNounEntry(german, keptCandidates);
        if (!displaced.isEmpty())
            sources.ownLineHeads.insert(displaced + u'\n' + it.key());
        if (!sideUse.isEmpty())
            sources.ownLineHeads.insert(sideUse + u'\n' + it.key());
        // The plural sense of an English plural after its own lines' words
        // ("rules": "Reglement", then "Regeln").
        for (const QString &plural : pluralSenses.value(it.key())) {
            if (!placeOf.contains(plural.toLower()))
                german.append(plural);
        }
        sources.englishToGerman.insert(it.key(), german);
    }
    // The main sense of every line of a German word, whether or not the
    // English word is a core word ("schlank :: slim; slender" gives "slim"):
    // the English side of a German row is the German word's own senses.
    // The German words a row may keep: the six first of each English word's
    // list (selectGermanCore keeps six; a word after them, kept where it
    // leaves out a phrase, has the senses of the lines read already). The
    // other lines of those of one word are cleaned when one of them stands in
    // their first German section; phrases keep the senses of the lines read
    // already.
    constexpr int kKeptAtMost = 6;
    QSet<std::pair<QString, int>> readAsReflexiveVerbsOwn;  // see putReflexiveVerbsOtherLinesLate
    QSet<QString> kept;
    for (const QStringList &german : std::as_const(sources.englishToGerman)) {
        for (qsizetype i = 0; i < german.size() && i < kKeptAtMost; ++i)
            kept.insert(german.at(i));
    }
    // A word further down a list that heads its own line for the English
    // word keeps a row of its own (GermanSources::ownLineHeads): its lines
    // give its senses as for the six first.
    for (const Candidate &candidate : std::as_const(candidates)) {
        if (headsOwnPlainLine(candidate))
            sources.ownLineHeads.insert(candidate.german + u'\n' + candidate.english);
    }
    for (auto it = sources.englishToGerman.cbegin(); it != sources.englishToGerman.cend(); ++it) {
        for (qsizetype i = kKeptAtMost; i < it->size(); ++i) {
            if (sources.ownLineHeads.contains(it->at(i) + u'\n' + it.key()))
                kept.insert(it->at(i));
        }
    }
    {
        QSet<QByteArray> words;
        for (const QString &german : std::as_const(kept)) {
            if (const QString word = wordOfOtherLines(german); !word.isEmpty())
                words.insert(word.toLower().toUtf8());
        }
        QByteArray token;
        for (const LineSpan &span : std::as_const(otherLines)) {
            // Bytes, not characters: most lines are left after this look.
            const QByteArrayView raw(text.constData() + span.start, span.end - span.start);
            qsizetype sectionEnd = raw.indexOf(" :: ");
            if (const qsizetype bar = raw.first(sectionEnd).indexOf(" | "); bar >= 0)
                sectionEnd = bar;
            bool mayHold = false;
            int depth = 0;
            token.resize(0);
            for (qsizetype i = 0; i <= sectionEnd && !mayHold; ++i) {
                const char c = i < sectionEnd ? raw.at(i) : ' ';
                if (c == '(' || c == '[' || c == '{')
                    ++depth;
                else if ((c == ')' || c == ']' || c == '}') && depth > 0)
                    --depth;
                const auto byte = static_cast<unsigned char>(c);
                if (depth == 0 && (std::isalpha(byte) || byte >= 0x80)) {
                    // Lower case: ASCII, and the capitals of Latin-1 ("Ü").
                    const bool latinCapital = byte >= 0x80 && byte <= 0x9e && byte != 0x97 && !token.isEmpty()
                                              && static_cast<unsigned char>(token.back()) == 0xc3;
                    token.append(latinCapital ? static_cast<char>(byte + 0x20)
                                              : static_cast<char>(std::tolower(byte)));
                } else if (!token.isEmpty()) {
                    mayHold = words.contains(token);
                    token.resize(0);
                }
            }
            if (!mayHold)
                continue;
            const QString line =
                withoutSharedArticles(withVerbsAlone(normaliseCharacters(QString::fromUtf8(raw))));
            const qsizetype separator = line.indexOf(u" :: ");
            const QStringView germanSide = QStringView(line).left(separator);
            QVector<TransSynonym> englishSynonyms;
            QVector<QStringView> englishRaws;
            qsizetype headPlace = 0;
            bool found = false;
            const QVector<TransSynonym> germanSynonyms = withKeptReflexiveVerbs(synonymsOf(germanSide, false), kept);
            for (const TransSynonym &german : germanSynonyms) {
                if (kept.contains(german.text)
                    && (!wordOfOtherLines(german.text, germanSynonyms.size()).isEmpty()
                        || headsOwnLineAsReflexiveVerb(german, germanSynonyms.size()))
                    && givesOwnSensesOfOtherLine(german.text, germanSide)) {
                    if (!found) {
                        englishRaws = englishSynonymsForGerman(QStringView(line).mid(separator + 4), germanSide);
                        for (const QStringView raw : std::as_const(englishRaws))
                            englishSynonyms.append(describeEnglishSynonym(raw, germanSide));
                        headPlace = mainEnglishPlace(englishSynonyms, germanSide);
                    }
                    found = true;
                    if (german.text.contains(u' '))
                        readAsReflexiveVerbsOwn.insert({german.text, span.line});
                    const qsizetype own = counterpartPlace(englishSynonyms, german, headPlace, englishWordList);
                    linesOfGerman[german.text].append({span.start, span.end, span.line, german.position, german.sense, german.noun,
                                   german.fringe, german.noted, german.dated,
                                   own < 0 ? TransSynonym{} : englishSynonyms.at(own)});
                }
            }
            if (found) {
                mainSenseOfLine.insert(span.line, englishSynonyms.value(headPlace));
                QVector<TransSynonym> later;
                for (qsizetype i = 0; i < englishSynonyms.size(); ++i) {
                    if (i != headPlace)
                        later.append(laterSenseOfLine(englishSynonyms, englishRaws, i, germanSide));
                }
                if (!later.isEmpty())
                    laterSensesOfLine.insert(span.line, later);
            }
        }
    }

    QVector<Candidate> mainSenses;
    // A line's facts that a German word's own sense takes from it.
    const auto describeLine = [&text](Candidate &candidate, const GermanOnLine &on) {
        const QByteArrayView raw = QByteArrayView(text).sliced(on.start, on.end - on.start);
        candidate.sections = sectionsOfLine(raw);
        candidate.germanPlace = on.position;
        const qsizetype separator = raw.indexOf(" :: ");
        candidate.comparison =
            separator >= 0 && candidate.sections > 2 && givesComparison(QString::fromUtf8(raw.first(separator)));
        candidate.englishVerb = separator >= 0 && raw.sliced(separator + 4).startsWith("to ");
        if (separator >= 0) {
            const QString germanSide = QString::fromUtf8(raw.first(separator));
            candidate.wordClass = wordClassTagsOf(germanSide);
            candidate.pluralForms = givesPluralForms(germanSide);
            // As for the core words read above ("Verwarnung {f}; gelbe
            // Karte {f}; Gelb {n} [ugs.] [sport] :: booking; ...").
            const LineFields fields = lineFieldsOf(germanSide);
            candidate.lineTagged = fields.narrow;
            candidate.sectionNoted = holdsNarrowingNote(firstSection(germanSide));
            candidate.englishSectionNoted =
                holdsEnglishNarrowingNote(firstSection(QString::fromUtf8(raw.sliced(separator + 4))));
            candidate.englishNoteAfterWord =
                holdsEnglishNoteAfterWord(firstSection(QString::fromUtf8(raw.sliced(separator + 4))));
            candidate.figurative =
                marksFigurativeUse(firstSection(germanSide), firstSection(QString::fromUtf8(raw.sliced(separator + 4))));
            candidate.fieldTagged = fields.any;
            candidate.germanNamedAgain = namesGermanWordAgain(germanSide, candidate.german);
            candidate.comparesWord = comparesGermanWord(germanSide, candidate.german);
            candidate.germanAlone = holdsGermanWordAlone(germanSide);
            candidate.shownByExamples = examplesShowOnlyLaterSynonym(germanSide, on.position);
            candidate.exampleSentences = givesExampleSentences(germanSide);
            candidate.germanSectionKey = germanSectionKeyOf(
                withoutSharedArticles(withVerbsAlone(normaliseCharacters(QString::fromUtf8(raw.first(separator))))));
            // A German word given as a plural ("Glücksbringer {pl}").
            const QVector<QStringView> heads = splitTopLevel(firstSection(germanSide), u"; ");
            if (on.position >= 0 && on.position < heads.size() && heads.at(on.position).contains(u"{pl}"))
                candidate.plural = true;
        }
    };
    // The English words a line the German word heads gives after its main
    // one are its senses too ("mauern {vt} | ... :: to build; to lay bricks |
    // ...", "Fahrverhalten {n} :: behaviour (road); handling; ride
    // comfort"): they go after every other sense of the row, so they fill
    // the places it has left and push out none. Spellings of another
    // country, plurals, words narrowed by a note or tagged with a field or
    // register, colloquial, dated, obsolete or regional words stay out.
    const auto addLaterSensesOfHeadedLine = [&](const QString &german, const GermanOnLine &on,
                                                const TransSynonym &head) {
        for (const TransSynonym &later : laterSensesOfLine.value(on.line)) {
            if (later.text.isEmpty() || later.text == head.text || later.spellingVariant || later.plural
                || later.fringe || later.regional || later.dated || later.colloquial || later.noted
                || later.sense != Sense::General || coreByLower.contains(later.text.toLower()))
                continue;
            mainSenses.append({german, later.text, false, on.sense, false, true, on.noun, on.fringe, on.noted,
                               on.line, on.line * kOrdersPerLine + kOrdersPerLine - 4});
            describeLine(mainSenses.last(), on);
            mainSenses.last().laterSense = true;
        }
    };
    for (const QString &german : std::as_const(kept)) {
        for (const GermanOnLine &on : linesOfGerman.value(german)) {
            const auto found = mainSenseOfLine.constFind(on.line);
            if (found == mainSenseOfLine.cend())
                continue;
            const TransSynonym &english = *found;
            // A later synonym's own English word on the line (counterpartPlace)
            // is its first; the line's main word is its first word's.
            const bool ownWordFurther = !on.counterpart.text.isEmpty() && on.counterpart.text != english.text;
            if (ownWordFurther && !coreByLower.contains(on.counterpart.text.toLower())) {
                const TransSynonym &own = on.counterpart;
                mainSenses.append({german, own.text, true, on.sense, own.sense != Sense::General, false, on.noun,
                                   on.fringe || own.fringe, on.noted || own.noted, on.line,
                                   on.line * kOrdersPerLine + kOrdersPerLine - 3});
                describeLine(mainSenses.last(), on);
                mainSenses.last().englishRegister = own.sense == Sense::SpecialRegister;
                mainSenses.last().englishColloquial = own.colloquial;
                mainSenses.last().englishDated = own.dated && !on.dated;
            }
            // A core word at the head of a line was met as a candidate already.
            if (!english.text.isEmpty() && !coreByLower.contains(english.text.toLower())) {
                mainSenses.append({german, english.text, !ownWordFurther, on.sense, english.sense != Sense::General,
                                   on.position == 0, on.noun, on.fringe || english.fringe,
                                   on.noted || english.noted, on.line,
                                   on.line * kOrdersPerLine + kOrdersPerLine - 2});
                describeLine(mainSenses.last(), on);
                mainSenses.last().englishRegister = english.sense == Sense::SpecialRegister;
                mainSenses.last().englishColloquial = english.colloquial;
                mainSenses.last().englishDated = english.dated && !on.dated;
            }
            if (on.position == 0 && !ownWordFurther)
                addLaterSensesOfHeadedLine(german, on, english);
            // The line's English word spelt like the German one ("Notebook;
            // Laptop :: notebook computer; ...; notebook; laptop") is that
            // word's own counterpart wherever the line puts it, so the row
            // keeps it. It ranks as a later synonym: where the line puts it
            // behind other words, those are what the line offers first
            // ("Hüfte; Coxa [anat.] :: hip; ...; coxa").
            const TransSynonym same =
                sameWordOnLine(QByteArrayView(text).sliced(on.start, on.end - on.start), german);
            if (same.text.isEmpty() || same.text == english.text || same.text == on.counterpart.text
                || coreByLower.contains(same.text.toLower()))
                continue;
            mainSenses.append({german, same.text, false, on.sense, same.sense != Sense::General, on.position == 0,
                               on.noun, on.fringe || same.fringe, on.noted || same.noted, on.line,
                               on.line * kOrdersPerLine + kOrdersPerLine - 1});
            describeLine(mainSenses.last(), on);
            mainSenses.last().englishRegister = same.sense == Sense::SpecialRegister;
            mainSenses.last().englishColloquial = same.colloquial;
            mainSenses.last().englishDated = same.dated && !on.dated;
        }
    }
    // A kept German comparative is the comparative of the one adjective
    // whose line gives it ("stark {adj} (mächtig) | stärker | am stärksten
    // :: strong (powerful) | stronger | strongest"): the line's English
    // comparative is its own sense, which no line gives first ("stärker"
    // had only "superior" of "überlegen; übermächtig; stärker {adj}").
    {
        int comparisonLine = 0;
        qsizetype lineStart = 0;
        while (lineStart < text.size()) {
            ++comparisonLine;
            const QByteArrayView raw = takeRawTransLine(text, lineStart);
            const qsizetype separator = raw.indexOf(" :: ");
            if (separator < 0 || !raw.first(separator).contains("{adj}") || !raw.first(separator).contains(" | am "))
                continue;
            const QString line = normaliseCharacters(QString::fromUtf8(raw));
            const qsizetype at = line.indexOf(u" :: ");
            const QStringView germanSide = QStringView(line).left(at);
            if (!givesComparison(germanSide))
                continue;
            const QVector<QStringView> germanSections = splitTopLevel(germanSide, u" | ");
            // One adjective, untagged, and a comparative of its own spelling
            // ("luftig {adj} | luftig | am luftigsten" is a slip). Of a line
            // of several adjectives, the first one's comparative, where the
            // line gives them one English word ("klein; gering; unbedeutend
            // {adj} | kleiner; geringer; unbedeutender | ... :: small |
            // smaller | smallest"): the line names the first word's sense.
            // A comparative that heads lines of its own is a word in its own
            // right there ("weiter {adv} :: further", "ferner {adv} ::
            // furthermore"), and those lines tell its main sense.
            const QString comparative = germanSections.at(1).trimmed().split(u"; ").first().toString();
            const bool severalAdjectives = germanSections.first().contains(u"; ");
            if (!kept.contains(comparative) || germanSections.first().contains(u'[')
                || germanSections.first().startsWith(comparative + u' ')
                || germanSections.first().startsWith(comparative + u';'))
                continue;
            const auto headsOwnLine = [&] {
                const QVector<GermanOnLine> on = linesOfGerman.value(comparative);
                return std::any_of(on.cbegin(), on.cend(), [](const GermanOnLine &l) { return l.position == 0; });
            };
            if (severalAdjectives
                && (englishSynonymsOf(firstSection(QStringView(line).mid(at + 4))).size() != 1 || headsOwnLine()))
                continue;
            const QVector<QStringView> englishSections = splitTopLevel(QStringView(line).mid(at + 4), u" | ");
            if (englishSections.size() < 2)
                continue;
            const QVector<QStringView> englishComparatives = englishSynonymsOf(englishSections.at(1));
            if (englishComparatives.isEmpty())
                continue;
            const TransSynonym english = describeSynonym(englishComparatives.first(), true);
            if (english.text.isEmpty() || english.sense != Sense::General || english.fringe)
                continue;
            mainSenses.append({comparative, english.text, true, Sense::General, false, true, false, false, false,
                               comparisonLine, comparisonLine * kOrdersPerLine + kOrdersPerLine - 3});
            mainSenses.last().sections = static_cast<int>(germanSections.size());
            mainSenses.last().comparison = true;
            mainSenses.last().wordClass.adjective = true;
        }
    }
    // A kept phrase's renderings in other lines' later sections fill the
    // places its other senses leave (phraseSectionSenses).
    {
        const QHash<QString, QVector<PhraseSectionSense>> phraseSenses = phraseSectionSenses(text, kept);
        for (auto it = phraseSenses.cbegin(); it != phraseSenses.cend(); ++it) {
            for (const PhraseSectionSense &sense : it.value()) {
                mainSenses.append({it.key(), sense.english.text, false, Sense::General, false, false, false, false,
                                   false, sense.line, sense.line * kOrdersPerLine + kOrdersPerLine - 4});
                mainSenses.last().laterSense = true;
                mainSenses.last().phraseSection = true;
            }
        }
    }
    putReflexiveVerbsOtherLinesLate(mainSenses, readAsReflexiveVerbsOwn);
    for (const Candidate &candidate : std::as_const(mainSenses)) {
        if (!englishCommonness.contains(candidate.english))
            englishCommonness.insert(candidate.english, commonness(candidate.english, sources.englishFrequencies));
        byGerman[candidate.german].append(&candidate);
    }
    const QHash<QString, QSet<QString>> verbsOfNouns = englishVerbsOfNamedVerbs(byGerman);
    // French words of set phrases among the English items, and how the
    // dictionary uses them; the singulars it gives beside a paired plural.
    QSet<QString> foreignWords;
    for (const Candidate &candidate : std::as_const(mainSenses)) {
        if (isFrenchWordOfSetPhrases(candidate.english, englishWordList))
            foreignWords.insert(candidate.english);
    }
    const QHash<QString, std::pair<int, int>> foreignWordUses = englishItemUses(text, foreignWords);
    const QSet<QString> pairSingulars = singularsBesidePairedPlurals(text);
    for (auto it = byGerman.begin(); it != byGerman.end(); ++it) {
        QVector<const Candidate *> &list = it.value();
        if (std::any_of(list.cbegin(), list.cend(), [](const Candidate *c) { return !c->fringe; }))
            list.removeIf([](const Candidate *c) { return c->fringe; });
        markOtherSenses(list, ownLineOfEnglish);
        rank(it.value(), [&englishCommonness](const Candidate &c) { return englishCommonness.value(c.english); },
             Side::English, englishPhraseRanks);
        putVerbsWordFirstForItsNoun(list, verbsOfNouns.value(it.key().toLower()));
        // Those later words only fill the places the other senses leave.
        std::stable_partition(it.value().begin(), it.value().end(), [](const Candidate *c) { return !c->laterSense; });
        putObjectPhraseVerbsLast(it.value());
        putPhraseSectionSenseBeforeSideUses(it.value());
        putRepeatingAdverbsAfterOtherSenses(it.value());
        putAdjectivesInTheirAdverbsPlace(it.value(), [&englishCommonness](const Candidate &c) { return englishCommonness.value(c.english); });
        putLineExemplifyingWordBeforeOtherWordsLine(it.value());
        putExemplifiedLaterSynonymBeforeBareLaterSynonymLines(it.value());
        putPlainNounBeforeGerundOfBareLine(it.value());
        QStringList english;
        // A side sense: the English word is given only as colloquial, slang
        // or vulgar, for a German word of plain speech (see
        // GermanSources::sideSenses).
        const auto sideSense = [](const Candidate *c) {
            return c->englishColloquial && c->germanSense != Sense::SpecialRegister;
        };
        QSet<QString> plainSenses;
        for (const Candidate *candidate : std::as_const(it.value())) {
            if (!sideSense(candidate))
                plainSenses.insert(candidate->english);
        }
        for (const Candidate *candidate : std::as_const(it.value())) {
            if (isExplanation(candidate->english))
                continue;
            if (!english.contains(candidate->english))
                english.append(candidate->english);
            if (candidate->clearMainEntry && candidate->first)
                sources.mainEntrySenses.insert(it.key() + u'\n' + candidate->english);
            if (!plainSenses.contains(candidate->english))
                sources.sideSenses.insert(it.key() + u'\n' + candidate->english);
            if (candidate->first && candidate->germanFirst && candidate->sections > 1 && !candidate->noted
                && !candidate->fringe && !isSpecial(*candidate) && !candidate->englishRegister
                && !candidate->englishColloquial)
                sources.headedSenses.insert(it.key() + u'\n' + candidate->english);
            if (candidate->germanFirst)
                sources.headedLineWords.insert(it.key() + u'\n' + candidate->english);
            if (candidate->first && !candidate->noted && !candidate->fringe && !isSpecial(*candidate)
                && !candidate->englishRegister && !candidate->englishColloquial)
                sources.plainFirstSenses.insert(it.key() + u'\n' + candidate->english);
        }
        markRepeatedOrSpoiltEnglishItems(english, it.key(), englishWordList, sources);
        markForeignWordsAndPairedSingulars(english, it.key(), englishWordList, foreignWordUses, pairSingulars,
                                           sources);
        sources.germanToEnglish.insert(it.key(), english);
    }
    // A plural read from a plural section has the English plural as its own
    // sense, unless the German word heads lines of its own. The English
    // words come in the order of the core words, the same on every run.
    for (const QString &english : coreEnglish) {
        for (const QString &german : pluralSenses.value(english)) {
            if (!byGerman.contains(german) && !sources.germanToEnglish.value(german).contains(english))
                sources.germanToEnglish[german].append(english);
        }
    }
    addPresentParticipleSenses(sources, text);
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

// Texts as UTF-8, looked up by views of a line's bytes, so that a scan of
// the whole file makes no string for what it does not want.
class Utf8Lookup
{
public:
    explicit Utf8Lookup(const QSet<QString> &texts)
    {
        m_storage.reserve(texts.size());
        for (const QString &text : texts)
            m_storage.push_back(text.toUtf8().toStdString());
        auto it = texts.cbegin();
        for (const std::string &text : m_storage)
            m_wanted.emplace(text, *it++);
    }
    Utf8Lookup(const Utf8Lookup &) = delete;
    Utf8Lookup &operator=(const Utf8Lookup &) = delete;

    const std::vector<std::string> &texts() const { return m_storage; }

    // The text spelt `bytes`, or null.
    const QString *find(std::string_view bytes) const
    {
        const auto match = m_wanted.find(bytes);
        return match == m_wanted.end() ? nullptr : &match->second;
    }

private:
    std::vector<std::string> m_storage;  // the views of m_wanted point here
    std::unordered_map<std::string_view, QString> m_wanted;
};

} // namespace

QHash<QString, int> englishPhraseCountsInTrans(const QByteArray &text, const QSet<QString> &phrases)
{
    QHash<QString, int> found;
    if (phrases.isEmpty())
        return found;
    // The phrases, looked up by views of each line's words. A bit table of
    // their first two words' keys lets the scan pass over the file's
    // millions of words with a bit test each.
    const Utf8Lookup wanted(phrases);
    constexpr std::uint64_t kBits = 1u << 20;
    std::vector<bool> starts2(kBits, false);
    qsizetype mostWords = 0;
    for (const std::string &phrase : wanted.texts()) {
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
    forEachEnglishSide(text, [&](std::string_view side) {
        // The English side as its lowercased words, one blank apart.
        words.clear();
        starts.clear();
        hashes.clear();
        bool inWord = false;
        for (const char c : side) {
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
                if (const QString *match = wanted.find(view.substr(starts[first], endOf(last + 1) - starts[first])))
                    ++found[*match];
            }
        }
    });
    return found;
}

QHash<QString, int> englishWordCountsInTrans(const QByteArray &text, const QSet<QString> &words)
{
    QHash<QString, int> found;
    if (words.isEmpty())
        return found;
    const Utf8Lookup wanted(words);
    std::string lower;
    forEachEnglishSide(text, [&](std::string_view side) {
        lower.clear();
        // One character past the side, so that its last word ends too.
        for (size_t i = 0; i <= side.size(); ++i) {
            const auto byte = i < side.size() ? static_cast<unsigned char>(side[i]) : 0;
            const bool upper = byte >= 'A' && byte <= 'Z';
            if (upper || (byte >= 'a' && byte <= 'z') || byte >= 0x80) {
                lower.push_back(static_cast<char>(upper ? byte + ('a' - 'A') : byte));
            } else if (!lower.empty()) {
                if (const QString *match = wanted.find(lower))
                    ++found[*match];
                lower.clear();
            }
        }
    });
    return found;
}

QSet<QString> englishPhrasesInTrans(const QByteArray &text, const QSet<QString> &phrases)
{
    const QHash<QString, int> counts = englishPhraseCountsInTrans(text, phrases);
    return QSet<QString>(counts.keyBegin(), counts.keyEnd());
}

QSet<QString> englishWordsInTrans(const QByteArray &text, const QSet<QString> &words)
{
    const QHash<QString, int> counts = englishWordCountsInTrans(text, words);
    return QSet<QString>(counts.keyBegin(), counts.keyEnd());
}

GermanSources readTransDeEn(const QString &path, const QStringList &coreEnglish)
{
    return germanSourcesFromTrans(readInputFile(path), coreEnglish);
}

} // namespace vorbix::import

