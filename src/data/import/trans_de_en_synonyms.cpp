// Describing the synonyms of a trans-de-en line: the sense of their tags,
// their notes, prepositions and regional words.

#include "data/import/trans_de_en_internal.h"

#include <QRegularExpression>

namespace vorbix::import {

using namespace detail;

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

namespace detail {

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

namespace {

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

} // namespace

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

namespace {

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

} // namespace

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

namespace {

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

} // namespace

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

namespace {

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

} // namespace

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
bool carriesNarrowingNote(QStringView raw, bool english)
{
    return holdsNoteThatNarrows(raw, [&](QStringView note) { return english || !namesNounsPrepositions(raw, note); });
}

TransSynonym describeSynonym(QStringView raw, bool english, bool keepTo, bool standard)
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

namespace {

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
    // The shape needs a slash between prepositions, and cutting brackets
    // brings none: most items have none and skip the regular expressions.
    if (!raw.contains(u'/'))
        return {};
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

} // namespace

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

// Whether the English verb of a line, given with a person as its object and
// a choice of prepositions for a further one, is cut for a later German
// synonym that takes no such object ("jdn. zu etw. vorladen; bestellen;
// einberufen; einbestellen [adm.] {vt} :: to call sb. to/for sth." for
// "bestellen"). The head's own preposition keeps the item on its verb
// (headTakesPrepositionalObject: "call to" renders "vorladen zu"), but a
// German word with no preposition of its own has nothing the English one
// renders: cut of its markers the item reads "call to", which names
// calling out to someone, and the verb alone names calling rather than
// summoning. Such a later synonym gets no item from the line.
bool leavesHeadsPrepositionToBareSynonym(QStringView englishRaw, QStringView germanRaw, QStringView germanSide,
                                         qsizetype germanPosition)
{
    if (germanPosition == 0 || verbOfPersonWithPrepositionChoice(englishRaw).isEmpty()
        || !headTakesPrepositionalObject(germanSide))
        return false;
    const QList<QStringView> tokens = germanRaw.split(u' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i + 1 < tokens.size(); ++i) {
        if (isGermanPreposition(tokens.at(i).toString()) && isValencyMarker(tokens.at(i + 1)))
            return false;
    }
    return true;
}

// Whether `english`, read from the first section of `line`, is an item
// leavesHeadsPrepositionToBareSynonym leaves out for the German synonym at
// `germanPosition`: the same test for a German word's own senses, which
// take the line's words by their cleaned text.
bool lineLeavesHeadsPrepositionToBareSynonym(QStringView line, const QString &english, int germanPosition)
{
    if (germanPosition <= 0 || !english.contains(u' '))
        return false;
    const qsizetype separator = line.indexOf(u" :: ");
    if (separator < 0)
        return false;
    const QStringView germanSide = line.left(separator);
    const QVector<QStringView> germanRaws = splitTopLevel(firstSection(germanSide), u"; ");
    for (const QStringView raw : englishSynonymsOf(firstSection(line.mid(separator + 4)))) {
        if (leavesHeadsPrepositionToBareSynonym(raw, germanRaws.value(germanPosition), germanSide, germanPosition)
            && describeEnglishSynonym(raw, germanSide).text == english)
            return true;
    }
    return false;
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

namespace {

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

} // namespace

// The synonyms of the first section of one side of a line; German
// explanations after the main word are none.
QVector<TransSynonym> synonymsOf(QStringView side, bool english, bool keepTo)
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


namespace {

// The words by which an English phrase names a female or a male person or
// animal ("little girl", "Dutch woman", "male nurse"), compounds that end in
// "woman" or "girl" besides ("policewoman", "schoolgirl"). A "midwife" may be
// a man ("Entbindungspfleger {m}"): compounds of "wife" name no sex. Nor do
// "queen" and "king", which name a gay man ("Warmer {m} :: queen") or a
// chess piece as often as a sovereign.
const QSet<QString> &femaleWords()
{
    static const QSet<QString> words{
        QStringLiteral("girl"), QStringLiteral("girls"), QStringLiteral("woman"), QStringLiteral("women"),
        QStringLiteral("lady"), QStringLiteral("ladies"), QStringLiteral("mother"),
        QStringLiteral("daughter"), QStringLiteral("sister"), QStringLiteral("wife"),
        QStringLiteral("female"), QStringLiteral("aunt"), QStringLiteral("niece"),
        QStringLiteral("grandmother"), QStringLiteral("granddaughter"), QStringLiteral("bride"),
        QStringLiteral("widow"), QStringLiteral("girlfriend"),
        QStringLiteral("stepmother"), QStringLiteral("stepdaughter")};
    return words;
}

const QSet<QString> &maleWords()
{
    static const QSet<QString> words{
        QStringLiteral("boy"), QStringLiteral("boys"), QStringLiteral("man"), QStringLiteral("men"),
        QStringLiteral("gentleman"), QStringLiteral("gentlemen"), QStringLiteral("father"),
        QStringLiteral("son"), QStringLiteral("brother"), QStringLiteral("husband"), QStringLiteral("male"),
        QStringLiteral("uncle"), QStringLiteral("nephew"), QStringLiteral("grandfather"),
        QStringLiteral("grandson"), QStringLiteral("bridegroom"), QStringLiteral("widower"),
        QStringLiteral("boyfriend"), QStringLiteral("stepfather"),
        QStringLiteral("stepson")};
    return words;
}

// Whether `word` is the feminine form of `other` by an English ending:
// "actress" of "actor", "waitress" of "waiter", "hostess" of "host",
// "princess" of "prince", "goddess" of "god", "heroine" of "hero".
bool isFeminineFormOf(const QString &word, const QString &other)
{
    if (other.size() < 3 || word.size() <= other.size())
        return false;
    if (word == other + QStringLiteral("ess") || word == other + QStringLiteral("ine") || word == other + other.back() + QStringLiteral("ess"))
        return true;
    if (other.endsWith(u'e') && word == other + QStringLiteral("ss"))
        return true;
    return (other.endsWith(QStringLiteral("or")) || other.endsWith(QStringLiteral("er"))) && word == other.chopped(2) + QStringLiteral("ress");
}

// The gender tag of a German noun as written on its line: 'm' for "{m}",
// 'f' for "{f}", nothing for a neuter, a plural, a noun of both genders
// ("{m,f}") or a word of another class.
char genderTagOf(QStringView raw)
{
    if (raw.contains(u"{m}"))
        return 'm';
    if (raw.contains(u"{f}"))
        return 'f';
    return 0;
}

} // namespace

// Whether an English word names a female or a male: by one of its words
// ("little girl", "Afghan woman", "boy child"), or as the feminine form of
// another English word of its line ("actress" beside "actor"). A word that
// names both or neither ("actor", "little one") names no sex.
EnglishSex sexNamedBy(const QString &english, const QVector<TransSynonym> &lineWords)
{
    bool female = false;
    bool male = false;
    for (const QStringView token : QStringView(english).split(u' ', Qt::SkipEmptyParts)) {
        const QString word = token.toString().toLower();
        female = female || femaleWords().contains(word) || word.endsWith(QStringLiteral("woman"))
                 || word.endsWith(QStringLiteral("women")) || word.endsWith(QStringLiteral("girl"));
        male = male || maleWords().contains(word);
    }
    if (!female && !male && !english.contains(u' ')) {
        female = std::any_of(lineWords.cbegin(), lineWords.cend(), [&english](const TransSynonym &other) {
            return isFeminineFormOf(english, other.text);
        });
    }
    if (female == male)
        return EnglishSex::None;
    return female ? EnglishSex::Female : EnglishSex::Male;
}

// Whether the German noun at `position` is of the other sex than an English
// word that names `sex`, on a line whose first section gives masculine and
// feminine nouns side by side ("kleiner Wicht {m}; Kleiner {m}; Kleine {f}
// :: little boy; boy child; little girl; ..."): there the line's gender
// tags tell which noun is the girl's and which the boy's. On a line of one
// gender the tag is the noun's grammar, not its sex ("Backfisch {m} ::
// teenage girl"), and neuter nouns name either; both are left alone.
bool nounOfOtherSexOnMixedLine(const QVector<QStringView> &germanRaws, qsizetype position, EnglishSex sex)
{
    if (sex == EnglishSex::None || position < 0 || position >= germanRaws.size())
        return false;
    const char own = genderTagOf(germanRaws.at(position));
    const char other = sex == EnglishSex::Female ? 'm' : 'f';
    if (own != other)
        return false;
    return std::any_of(germanRaws.cbegin(), germanRaws.cend(),
                       [other](QStringView raw) { const char g = genderTagOf(raw); return g != 0 && g != other; });
}


// Drops the pairs of a noun with an English word of the other sex
// (Candidate::otherSex), and gives the German words of those pairs: where
// no English row keeps such a word, it keeps a row of its own senses
// ("Japaner {m}", which a line gives beside "Japanerin {f}" for "Japanese
// man; Japanese woman", is a word a learner meets, though "Japanese woman"
// no longer takes it).
QSet<QString> dropNounsOfOtherSex(QVector<Candidate> &candidates)
{
    QSet<QString> dropped;
    for (const Candidate &candidate : std::as_const(candidates)) {
        if (candidate.otherSex)
            dropped.insert(candidate.german);
    }
    candidates.removeIf([](const Candidate &candidate) { return candidate.otherSex; });
    return dropped;
}

// The place of the English word of a German noun's own sex, where the
// line's main English word names the other one (nounOfOtherSexOnMixedLine):
// "Kleine {f}" of "kleiner Wicht {m}; Kleiner {m}; Kleine {f} :: little boy;
// boy child; little girl; girl child; little one" is the little girl, not
// the little boy that heads the line. -1 where the main word fits.
qsizetype ownSexPlace(const QVector<TransSynonym> &english, QStringView germanSide, qsizetype position,
                      qsizetype headPlace)
{
    if (headPlace < 0 || headPlace >= english.size())
        return -1;
    const QVector<QStringView> germanRaws = splitTopLevel(firstSection(germanSide), u"; ");
    const EnglishSex headSex = sexNamedBy(english.at(headPlace).text, english);
    if (!nounOfOtherSexOnMixedLine(germanRaws, position, headSex))
        return -1;
    const EnglishSex own = headSex == EnglishSex::Female ? EnglishSex::Male : EnglishSex::Female;
    for (qsizetype k = 0; k < english.size(); ++k) {
        const TransSynonym &synonym = english.at(k);
        if (!synonym.text.isEmpty() && synonym.sense == Sense::General && !synonym.fringe && !synonym.colloquial
            && sexNamedBy(synonym.text, english) == own)
            return k;
    }
    return -1;
}

} // namespace detail

} // namespace vorbix::import
