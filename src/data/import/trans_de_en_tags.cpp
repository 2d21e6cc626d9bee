// The tags, fields and registers of trans-de-en, and the splitting of a
// line's side into sections and synonyms.

#include "data/import/trans_de_en_internal.h"

#include <QRegularExpression>

namespace vorbix::import {

namespace detail {

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

namespace {

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

} // namespace

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

namespace {

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

} // namespace

// Splits at `separator` where it is not inside (), [] or {} or an
// abbreviation: "to take sth. {took; taken}; to grab" has two synonyms,
// "bank account /acct; a/c/" one. `separator` is not empty.
QVector<QStringView> splitTopLevel(QStringView text, QStringView separator)
{
    Q_ASSERT(!separator.isEmpty());
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
        } else if (depth == 0 && c == separator.front() && text.sliced(i).startsWith(separator)) {
            // The first character is compared alone before the whole
            // separator: most characters open none, and the split runs on
            // every section of every line.
            parts.append(text.mid(start, i - start));
            i += separator.size() - 1;
            start = i + 1;
        }
    }
    parts.append(text.mid(start));
    return parts;
}

namespace {

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

} // namespace

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

} // namespace detail

} // namespace vorbix::import
