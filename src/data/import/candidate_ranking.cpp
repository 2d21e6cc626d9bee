// The ranking of a row's candidates (rank, and weigh, which marks their main
// entries and subtitle places) and the helpers the rules of both sides share.

#include "data/import/trans_de_en_internal.h"

#include "data/import/edit_distance.h"

#include <limits>

namespace vorbix::import {

namespace detail {

namespace {

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

} // namespace

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

namespace {

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

} // namespace

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
// a note (putOwnPlainLineBeforeNotedLaterSynonym); the word of the German
// word's own plain main entry goes before a side use's word that leads the
// list, and a plain line's word it heads before that of another word's
// line of phrases (putOwnPlainLineBeforeSideUse); a noun's plain line with
// its plural goes before a main entry that a note narrows to one country's
// word (putPlainPluralLineBeforeNotedMainEntry).
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
        putAdjectiveSensesBeforeIntransitiveVerbLine(list);
        putAdjectiveExplanationBehindNotedWordOfSameKind(list);
        putOwnPlainLineBeforeSideUse(list);
        putPlainPluralLineBeforeNotedMainEntry(list);
        putLaterSynonymsPhraseLineWordsLast(list);
    }
}

} // namespace detail

} // namespace vorbix::import
