// Passes over the whole of trans-de-en: spelling pairs, word counts, the
// senses of plural, participle and phrase sections, and the English items
// of a German word.

#include "data/import/trans_de_en_internal.h"

#include "data/import/dictd_entry.h"
#include "data/import/edit_distance.h"

#include <QRegularExpression>

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

namespace vorbix::import {

namespace detail {

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

} // namespace

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

namespace {

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

} // namespace

LineFields lineFieldsOf(QStringView germanSide, QStringView englishSide)
{
    const QStringView words = firstSection(germanSide);
    const bool narrow = namesFieldAmong(words, specialFields());
    return {narrow, narrow || namesFieldAmong(words, generalFields()),
            judgesWholeSection(words, firstSection(englishSide))};
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

} // namespace detail

using namespace detail;

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

namespace detail {

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

} // namespace

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

namespace {

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

} // namespace

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

namespace {

// The last word of a German verb as its line gives it, before its tags
// ("jdn. zu etw. herausfordern {vt}" gives "herausfordern"): the verb whose
// present participle the forms section gives at the same place.
QStringView lastWordOfVerb(QStringView verb)
{
    const qsizetype tag = verb.indexOf(u'{');
    verb = (tag < 0 ? verb : verb.left(tag)).trimmed();
    return verb.mid(verb.lastIndexOf(u' ') + 1);
}

} // namespace

// The English adjectives in "-ing" that the lines of transitive verbs give
// the German present participle of a verb, for participles that the
// dictionary never gives as an adjective of their own, only in an adverb's
// line ("aufsässig; herausfordernd {adv} :: defiantly {adv}"). Such a row
// holds the adverb alone, while the verb's lines give the sense the
// participle has as an adjective ("jdn. zu etw. herausfordern {vt} |
// herausfordernd | ... :: to challenge sb. to sth. | challenging | ...").
// A transitive verb's participle often means something else as an adjective
// ("anziehend" is attractive, not "putting on"), so only English forms the
// dictionary itself gives as adjectives count ("challenging" on
// "anspruchsvoll; ... {adj} :: challenging; ..."), and only for participles
// without an adjective line, whose rows would otherwise lack the adjective.
//
// The pass over the text needs no German rows (transitiveParticipleForms):
// it is made on a thread of its own while the rows are ranked, and only the
// rows' look-up waits for them.
TransitiveParticipleForms transitiveParticipleForms(const QByteArray &text)
{
    TransitiveParticipleForms scan;
    QSet<QString> &englishAdjectives = scan.englishAdjectives;
    QSet<QString> &germanAdjectives = scan.germanAdjectives;
    QHash<QString, QStringList> &verbForms = scan.verbForms;
    forEachRawTransEntry(text, [&](QByteArrayView raw, qsizetype separator) {
        const QByteArrayView german = raw.first(separator);
        qsizetype bar = german.indexOf(" | ");
        const QByteArrayView firstGerman = german.first(bar < 0 ? german.size() : bar);
        const bool adjectiveLine = firstGerman.indexOf("{adj}") >= 0;
        const bool transitiveLine = bar >= 0 && firstGerman.indexOf("{vt}") >= 0 && firstGerman.indexOf("{vi}") < 0
                                    && german.sliced(bar).indexOf("nd") >= 0;
        if (!adjectiveLine && !transitiveLine)
            return;
        const QString line = normaliseCharacters(QString::fromUtf8(raw));
        const qsizetype at = line.indexOf(u" :: ");
        const QVector<QStringView> germanSections = splitTopLevel(QStringView(line).left(at), u" | ");
        const QVector<QStringView> englishSections = splitTopLevel(QStringView(line).mid(at + 4), u" | ");
        if (adjectiveLine) {
            for (const QStringView word : splitTopLevel(germanSections.at(0), u"; "))
                germanAdjectives.insert(describeSynonym(word, false).text);
            for (const QStringView word : englishSynonymsOf(englishSections.at(0)))
                englishAdjectives.insert(describeSynonym(word, true).text);
            return;
        }
        if (germanSections.size() < 2 || englishSections.size() < 2
            || namesFieldAmong(germanSections.at(0), specialFields()))
            return;
        QStringList forms;
        for (const QStringView word : englishSynonymsOf(englishSections.at(1))) {
            const TransSynonym english = describeSynonym(word, true);
            if (english.text.size() > 4 && english.text.endsWith(QLatin1String("ing")) && !english.text.contains(u' ')
                && english.sense == Sense::General && !english.fringe && !english.colloquial && !english.noted)
                forms.append(english.text);
        }
        if (forms.isEmpty())
            return;
        const QVector<QStringView> verbs = splitTopLevel(germanSections.at(0), u"; ");
        const QVector<QStringView> participles = splitTopLevel(germanSections.at(1), u"; ");
        for (qsizetype g = 0; g < verbs.size() && g < participles.size(); ++g) {
            const QString participle = participles.at(g).trimmed().toString();
            if (participle.contains(u' ') || participle != lastWordOfVerb(verbs.at(g)).toString() + u'd')
                continue;
            QStringList &known = verbForms[participle];
            for (const QString &form : forms) {
                if (!known.contains(form))
                    known.append(form);
            }
        }
    });
    return scan;
}

QHash<QString, QStringList> adjectivesOfTransitiveParticiples(const TransitiveParticipleForms &scan,
                                                             const QHash<QString, QStringList> &germanToEnglish)
{
    QHash<QString, QStringList> found;
    for (auto it = scan.verbForms.cbegin(); it != scan.verbForms.cend(); ++it) {
        if (scan.germanAdjectives.contains(it.key()) || !germanToEnglish.contains(it.key()))
            continue;
        const QStringList row = germanToEnglish.value(it.key());
        QStringList adjectives;
        for (const QString &form : it.value()) {
            if (scan.englishAdjectives.contains(form) && !row.contains(form, Qt::CaseInsensitive))
                adjectives.append(form);
        }
        if (!adjectives.isEmpty())
            found.insert(it.key(), adjectives);
    }
    return found;
}

// Puts the adjectives of adjectivesOfTransitiveParticiples before the row
// of a participle that has no adjective line: the German participle serves
// as adjective and adverb alike, and its adjective sense leads as it does
// for other adjectives, the adverb's words after it.
void addAdjectivesOfTransitiveParticiples(GermanSources &sources, const TransitiveParticipleForms &scan)
{
    const QHash<QString, QStringList> adjectives = adjectivesOfTransitiveParticiples(scan, sources.germanToEnglish);
    for (auto it = adjectives.cbegin(); it != adjectives.cend(); ++it) {
        QStringList &row = sources.germanToEnglish[it.key()];
        row = (it.value() + row).mid(0, kMaxGermanTranslations);
    }
}

namespace {

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

} // namespace

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
QString wordOfOtherLines(const QString &german, qsizetype synonymsOnLine)
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

namespace {

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

} // namespace

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

namespace {

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

} // namespace

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

namespace {

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

} // namespace

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

// In a German word's list, the verbs met through their object phrases (and
// those met through a shared object, verbOfSharedObjectPhrase) come after
// its other senses and fill only the places those leave: the German
// word's own lines tell its main sense. "gratulieren {vi} (zu) :: to
// congratulate (on)" is the word's entry; "jdn. zu etw. gratulieren :: to
// compliment sb. on sth." names one use of it.
void putObjectPhraseVerbsLast(QVector<const Candidate *> &list)
{
    std::stable_partition(list.begin(), list.end(), [](const Candidate *c) { return !c->objectPhrase && !c->sharedObject; });
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

namespace {

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

} // namespace

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

// The verb of an English synonym given with an indefinite object noun and
// nothing else ("to demolish a building") where the line's German head
// names an object the same way before its one verb ("ein Gebäude
// abreißen"): the object narrows the whole line on both sides, and the
// dictionary gives some verbs' everyday sense only this way. The verb alone
// is then the German verb alone. Whether the two nouns name one thing is
// left to the other lines (dropSharedObjectVerbsOfUnpairedNounsOrFullRows):
// "einen Kern bohren :: to cut a core" pairs them, "eine Dusche nehmen ::
// to take a shower" too, which the rows' other lines then keep out. Empty
// for any other shape.
SharedObjectPhrase verbOfSharedObjectPhrase(QStringView raw, const QString &read, QStringView germanSide)
{
    if (read.count(u' ') != 2 || !(read.contains(u" a ") || read.contains(u" an ")))
        return {};
    const QStringList words = read.split(u' ');
    if (words.size() != 3 || (words.at(1) != u"a" && words.at(1) != u"an"))
        return {};
    const QVector<QStringView> english = wordsOutsideBrackets(raw);
    if (english.size() != 4 || english.at(0) != u"to" || english.at(1) != words.at(0) || english.at(2) != words.at(1)
        || english.at(3) != words.at(2))
        return {};
    const QVector<QStringView> german = wordsOutsideBrackets(splitTopLevel(firstSection(germanSide), u"; ").value(0));
    static const QStringList articles{QStringLiteral("ein"), QStringLiteral("eine"), QStringLiteral("einen")};
    if (german.size() != 3 || !articles.contains(german.at(0)) || !german.at(1).front().isUpper()
        || !german.at(2).front().isLower())
        return {};
    return {words.at(0), german.at(2).toString(), german.at(1).toString() + u'\n' + words.at(2)};
}

// Keeps the verbs met through a shared object (verbOfSharedObjectPhrase)
// only where another line pairs the two nouns ("Gebäude {n} ... ::
// building"), and only for a verb whose other lines give it fewer German
// words than a row's places: a verb with its own full row has its senses
// there, and a line with an object names only one use of it ("ein Tier
// reißen :: to kill an animal").
void dropSharedObjectVerbsOfUnpairedNounsOrFullRows(QVector<Candidate> &candidates)
{
    QSet<QString> pairs;
    QHash<QString, QSet<QString>> otherWords;
    for (const Candidate &candidate : std::as_const(candidates)) {
        if (candidate.sharedObject)
            continue;
        pairs.insert(candidate.german + u'\n' + candidate.english);
        otherWords[candidate.english].insert(candidate.german.toLower());
    }
    candidates.removeIf([&](const Candidate &candidate) {
        return candidate.sharedObject
               && (!pairs.contains(candidate.objectPair) || otherWords.value(candidate.english).size() >= kMaxRowSenses);
    });
}

namespace {

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

} // namespace

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

} // namespace detail

QHash<QString, QString> closedUpTwinsInTrans(const QByteArray &text, const QStringList &words,
                                             const QSet<QString> &wordList)
{
    // The hyphenated words that have a twin worth asking about: a word of
    // letters joined by hyphens ("tooth-brush"), whose closed-up form the
    // word list knows and the list does not, and that is no word of its own.
    static const QRegularExpression hyphenated(QStringLiteral("^\\p{Ll}+(-\\p{Ll}+)+$"));
    const QSet<QString> given(words.cbegin(), words.cend());
    QHash<QString, QString> twinOf;
    for (const QString &word : words) {
        if (!hyphenated.match(word).hasMatch() || wordList.contains(word))
            continue;
        const QString closed = QString(word).remove(u'-');
        if (wordList.contains(closed) && !given.contains(closed))
            twinOf.insert(word, closed);
    }
    QHash<QString, QString> twins;
    if (twinOf.isEmpty())
        return twins;
    forEachEnglishSide(text, [&](std::string_view side) {
        // The first section: the line's English words, before their forms
        // and examples. Only a section with a hyphen may hold a wanted word.
        const size_t bar = side.find(" | ");
        const std::string_view section = side.substr(0, bar);
        if (section.find('-') == std::string_view::npos && section.find("\xe2\x80\x90") == std::string_view::npos)
            return;
        const QString line =
            normaliseCharacters(QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())));
        QSet<QString> synonyms;
        for (const QStringView synonym : QStringView(line).split(u';'))
            synonyms.insert(synonym.trimmed().toString());
        for (const QString &synonym : std::as_const(synonyms)) {
            const auto twin = twinOf.constFind(synonym);
            if (twin != twinOf.cend() && synonyms.contains(*twin))
                twins.insert(twin.key(), *twin);
        }
    });
    return twins;
}

GermanSources germanSourcesFromTrans(const QByteArray &text, const QStringList &coreEnglish)
{
    return germanSourcesFromTrans(text, coreEnglish, countTransWords(text));
}

} // namespace vorbix::import
