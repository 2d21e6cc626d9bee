// What the marks of a candidate (one German and one English word a line
// pairs) say, and the shape of the candidate's line.

#include "data/import/trans_de_en_internal.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace vorbix::import {

namespace detail {

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

namespace {

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

} // namespace

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

} // namespace detail

} // namespace vorbix::import
