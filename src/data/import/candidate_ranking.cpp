#include "data/import/trans_de_en_internal.h"

#include "data/import/edit_distance.h"

namespace vorbix::import {

namespace detail {

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

namespace {

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

} // namespace

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
void rank(QVector<const Candidate *> &list, CandidateCommonness commonness, Side side,
          QHash<QString, int> &phraseRanks)
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

} // namespace detail

} // namespace vorbix::import
