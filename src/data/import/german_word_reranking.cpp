// The rules run on the German words of an English word after rank, with the
// own entries and English word uses of the whole file.

#include "data/import/trans_de_en_internal.h"

namespace vorbix::import {

namespace detail {

namespace {

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

} // namespace

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

namespace {

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

} // namespace

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

namespace {

// Whether German phrase `shorter`, of two words or more, stands whole, word
// for word, inside the longer phrase `longer` ("gut laufen" in "normal gut
// laufen"). Unlike holdsPhrase below it compares spellings exactly.
bool holdsShorterPhrase(const QString &longer, const QString &shorter)
{
    return shorter.contains(u' ') && longer.size() > shorter.size()
           && (u' ' + longer + u' ').contains(u' ' + shorter + u' ');
}

} // namespace

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

namespace {

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

} // namespace

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
    const KeptPlaces places = keptPlaces(list);
    const auto end = places.end;
    const QSet<QString> &words = places.words;
    const QSet<int> &headLines = places.headLines;
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

// Puts first the verb of the English verb's main entry (markEnglishMainEntry)
// where the ranking chose a verb of a line whose German verbs share one
// special field's tag ("etw. verlegen; überführen; migrieren {vt} (auf/in
// etw.) [comp.] | ... :: to migrate sth. (to sth.) | ..."): the common
// German word of a trade's use led the row ("verlegen" for "migrate", whose
// everyday senses are "lay" and "mislay"), while the main entry, longer by
// its examples and in general use, names the English verb's own sense
// ("abwandern {vi} (aus/von, nach) [econ.] [soc.] | ... :: to migrate; ...").
// The main entry's line carries a general field's tag, so its sense is a
// broad one. Judged against the rows it changed, a main entry with no tag at
// all as often named a side sense ("einsparen" before "sparen" for "save",
// "sich auszahlen" before "abzahlen" for "pay off") as it mended the row.
void putGeneralVerbEntryBeforeFieldGroupsVerb(QVector<const Candidate *> &list)
{
    if (list.isEmpty())
        return;
    const Candidate *top = list.first();
    if (!top->first || !top->englishVerb || !top->groupTagged || top->englishMainEntry)
        return;
    const auto main = std::find_if(list.begin(), list.end(), [](const Candidate *c) {
        return c->englishMainEntry && c->englishVerb && c->germanFirst && c->fieldTagged && !c->groupTagged
               && !isSpecial(*c)
               && !c->fringe && !c->englishRegister && !c->englishNoted;
    });
    moveToFront(list, main);
}

namespace {

// Whether a line gives the English word only for one narrow use: a German
// noun, alone on its side, for the English word alone with a note after it
// that names the thing or trade the word is used of, on a line of one
// section ("Kopf {m} (Extruder) :: mouth (extruder)", "Abfragequote {f}
// (Datenbank) [comp.] :: recall (database)"). Such a line says nothing more
// of the word: no plural, compound or example. A note before the word gives
// an optional word ("(agonizing) ordeal"), and a line of several German
// words, or of adjectives, names a sense of its own ("Diskretion {f};
// Verschwiegenheit {f}; Feingefühl {n} (einer Person) :: discretion (of a
// person)", "erhaben; edel {adj} (Stil usw.) :: lofty (style etc.)").
bool givesOnlyNotedUse(const Candidate &candidate)
{
    return candidate.englishNoted && candidate.englishNoteAfterWord && candidate.englishAlone
           && candidate.sections == 1 && candidate.noun && candidate.germanAlone;
}

// Whether a line gives the English word plainly, for its German word's own
// sense: no note, register, age, region or spelling mark on the English
// word, no note or special tag on the German one, and no obsolete or
// regional German word.
bool givesWordPlainly(const Candidate &candidate)
{
    return !candidate.englishNoted && !candidate.noted && !candidate.fringe && !candidate.englishRegister
           && !candidate.englishDated && !candidate.englishVariant && !candidate.bySpelling
           && !candidate.capitalised && !isSpecial(candidate);
}

// Noted uses among a row's kept places that fill it (putNotedUsesAfterPlainLines).
constexpr int kNotedUsesFillingRow = 3;

} // namespace

// Puts the German nouns of narrow noted uses (givesOnlyNotedUse) behind the
// last word a line gives the English word for plainly (givesWordPlainly),
// where they crowd the row or lead it. The bare noted lines give the word
// alone and so rank as lines that give it first: the trades' parts filled
// the row ("mouth": "Kopf", "Ventileingang", "Hobelmaul", "Ventilmund") and
// left out the plain sense of a longer line that gives the English word
// after a synonym ("Gewässermündung {f}; Mündung {f} [geogr.] | ... ::
// stream mouth; channel mouth; mouth; ..."). They move where three or more
// of them stand in the row's kept places, or where one tagged with a special
// field stands second, right behind the row's first word ("Abfragequote"
// for "recall"). A German word that another line of the list gives without
// such a note keeps its place: the noted line is one use of a word the row
// has anyway. Judged against the rows it changed, moving every such use put
// side senses before main ones as often as it mended a row ("Zinn" for
// "tin", "Pfeffer" for "pepper"), and so did moving notes of one use that
// are sense glosses. The noted uses keep their order among themselves.
void putNotedUsesAfterPlainLines(QVector<const Candidate *> &list)
{
    const auto lastPlain = std::find_if(list.crbegin(), list.crend(),
                                        [](const Candidate *c) { return givesWordPlainly(*c); });
    if (lastPlain == list.crend())
        return;
    const qsizetype end = list.crend() - lastPlain;  // one past the last plain word
    QSet<QString> otherwiseGiven;
    for (const Candidate *c : std::as_const(list)) {
        if (!givesOnlyNotedUse(*c))
            otherwiseGiven.insert(c->german.toLower());
    }
    const auto narrowUse = [&otherwiseGiven](const Candidate *c) {
        return givesOnlyNotedUse(*c) && !otherwiseGiven.contains(c->german.toLower());
    };
    // The row's kept places, one German word each, and how many of them
    // only narrow noted uses fill.
    const KeptPlaces kept = keptPlaces(list);
    const auto notedKept = std::count_if(kept.firstAt.cbegin(), kept.firstAt.cend(),
                                         [&](qsizetype i) { return narrowUse(list.at(i)); });
    const bool crowded = notedKept >= kNotedUsesFillingRow;
    const QString secondWord = kept.firstAt.size() > 1 ? list.at(kept.firstAt.at(1))->german.toLower() : QString();
    const auto moves = [&](const Candidate *c) {
        return narrowUse(c)
               && (crowded || ((isSpecial(*c) || c->lineTagged) && c->german.toLower() == secondWord));
    };
    QVector<const Candidate *> noted;
    QVector<const Candidate *> reordered;
    reordered.reserve(list.size());
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (i < end && moves(list.at(i)))
            noted.append(list.at(i));
        else
            reordered.append(list.at(i));
        if (i == end - 1)
            reordered.append(noted);
    }
    list = std::move(reordered);
}

// The German words that head a line of more than one section anywhere in
// the file, whatever English word it gives ("Heldentat {f} | Heldentaten
// {pl} :: heroic deed; ..."): such a word has an entry of its own, and a
// bare line of it is one more use of a word the dictionary treats fully.
QSet<QString> germanHeadsOfFullLines(const QByteArray &text)
{
    QSet<QString> heads;
    qsizetype start = 0;
    while (start < text.size()) {
        const QByteArrayView raw = takeRawTransLine(text, start);
        const qsizetype separator = raw.indexOf(" :: ");
        if (separator < 0 || raw.startsWith('#'))
            continue;
        const QByteArrayView german = raw.first(separator);
        if (!german.contains(" | "))
            continue;
        qsizetype end = german.size();
        for (const QByteArrayView stop : {QByteArrayView(" {"), QByteArrayView(";"), QByteArrayView(" ("),
                                          QByteArrayView(" ["), QByteArrayView(" |")}) {
            const qsizetype at = german.indexOf(stop);
            if (at >= 0 && at < end)
                end = at;
        }
        heads.insert(QString::fromUtf8(german.first(end)));
    }
    return heads;
}

namespace {

// Whether a candidate is the word of a bare noun line, one German noun for
// the English word alone and nothing more ("Sturzbad {n} :: shower",
// "Gewandtheit {f} :: address"), whose German word the subtitle list
// misses, and that heads no fuller line of its own, for this English word
// or another (`ownEntries`, `fullLineHeads`): such a line gives a rare word
// or a dated sense, and it ranks as a line that gives the English word first
// only because it gives nothing else.
bool isRareBareNounLine(const Candidate &candidate, const WordRanks &ranks,
                        const QHash<QString, const Candidate *> &ownEntries, const QSet<QString> &fullLineHeads)
{
    return !ownEntries.contains(candidate.german) && !fullLineHeads.contains(candidate.german) && candidate.first && candidate.noun && candidate.sections == 1 && candidate.germanAlone
           && candidate.englishAlone && !candidate.englishMainEntry && !candidate.german.contains(u' ')
           && ranks.rank(candidate.german) == 0;
}

// Whether a candidate is a word on the subtitle list from a full entry, a
// line of three sections or more with the German word's forms, compounds or
// examples, that gives the English word plainly after a synonym ("Rede {f};
// Ansprache {f} | Reden {pl}; ... | ... :: speech; address | ...").
bool isCommonWordOfFullEntry(const Candidate &candidate, const WordRanks &ranks)
{
    return !candidate.first && candidate.sections >= 3 && candidate.germanNamedAgain && givesWordPlainly(candidate)
           && !candidate.lineTagged && !candidate.compoundOnly && ranks.rank(candidate.german) > 0;
}

} // namespace

// Gives the place of a rare bare noun line's word among the row's kept
// places (isRareBareNounLine) to the best ranked common word of a full entry
// past them that gives the English word after a synonym
// (isCommonWordOfFullEntry), and puts the bare word right behind the kept
// places. The bare line ranks as one that gives the English word first, so
// it went before every full entry that names the word second, and kept out
// the everyday senses those entries give ("duschen" and "Rede" for "shower"
// and "address" behind "Sturzbad" and "Gewandtheit"). Where no such word
// stands past the kept places, the row keeps its order. Judged against the
// rows it changed, a bare word with a full entry of its own elsewhere gave
// its place to a side sense ("Abenteuer" for "Heldentat" as "exploit"), so
// such words stay; the line tag of another word of the replacing line's group
// ("brausen {vi} [veraltet]" beside "duschen") does not hold it back.
void giveRareBareNounsPlaceToCommonFullEntryWord(QVector<const Candidate *> &list,
                                                 const QHash<QString, const Candidate *> &ownEntries,
                                                 const QSet<QString> &fullLineHeads)
{
    const WordRanks &ranks = WordRanks::forLanguage(QStringLiteral("de"));
    for (;;) {
        const KeptPlaces places = keptPlaces(list);
        const QSet<QString> &kept = places.words;
        const QVector<qsizetype> &keptAt = places.firstAt;
        const qsizetype end = places.end - list.begin();
        if (end == list.size())
            return;
        // A word that another line of the list gives as well keeps its place.
        const auto bare = std::find_if(keptAt.cbegin(), keptAt.cend(), [&](qsizetype i) {
            const QString word = list.at(i)->german.toLower();
            return isRareBareNounLine(*list.at(i), ranks, ownEntries, fullLineHeads)
                   && std::count_if(list.cbegin(), list.cend(), [&word](const Candidate *c) {
                          return c->german.toLower() == word;
                      }) == 1;
        });
        if (bare == keptAt.cend())
            return;
        qsizetype common = -1;
        for (qsizetype j = end; j < list.size() && common < 0; ++j) {
            if (isCommonWordOfFullEntry(*list.at(j), ranks) && !kept.contains(list.at(j)->german.toLower()))
                common = j;
        }
        if (common < 0)
            return;
        const qsizetype at = *bare;
        const Candidate *bareWord = list.at(at);
        list[at] = list.at(common);
        list.remove(common);
        // Behind the kept places, before the words that followed them.
        list.insert(end, bareWord);
    }
}

// Gives the last of a row's kept places, where the subtitle list misses its
// word, to the German head of a full entry past them that the list knows
// and that gives the English word plainly after a synonym
// (isCommonWordOfFullEntry). Lines that give the English word first, side
// senses and rare words among them, went before every entry that names it
// second, so the row's last place held a word the list does not know:
// "establish" kept "herstellen" and left out "gründen" of "etw. gründen;
// begründen; stiften; einrichten {vt} | ... :: to found; to form; to
// establish; to set up sth. | ...", and "fix" kept "fixieren" before
// "reparieren". Judged against the rows it changed, about half came out
// better ("trotzdem" for "nevertheless", "bauen" for "construct") and one
// in seven worse ("berühren" in place of "Kurbel" for "handle").
// The head must be a single word on its own entry's line, with no note in
// its first section: a noted section names one use ("Vorsicht {f};
// Zurückhaltung {f} (bei etw. / mit etw.) (bez. Informationen über sich
// selbst) | ... :: caution; cautiousness; reserve; ..." is no everyday
// word for "reserve"). The word that gives way goes right behind the kept
// places and keeps its German row; it is returned (an empty string where
// nothing moved).
QString giveUnlistedLastPlaceToListedEntryHead(QVector<const Candidate *> &list)
{
    const WordRanks &ranks = WordRanks::forLanguage(QStringLiteral("de"));
    const KeptPlaces places = keptPlaces(list);
    const QSet<QString> &kept = places.words;
    const QVector<qsizetype> &keptAt = places.firstAt;
    const qsizetype end = places.end - list.begin();
    if (end == list.size() || ranks.rank(list.at(keptAt.last())->german) > 0)
        return {};
    for (qsizetype j = end; j < list.size(); ++j) {
        const Candidate *candidate = list.at(j);
        if (candidate->germanFirst && !candidate->german.contains(u' ') && !candidate->sectionNoted
            && isCommonWordOfFullEntry(*candidate, ranks) && !kept.contains(candidate->german.toLower())) {
            const QString displaced = list.at(keptAt.last())->german;
            std::rotate(list.begin() + keptAt.last(), list.begin() + j, list.begin() + j + 1);
            return displaced;
        }
    }
    return {};
}

namespace {

// Whether a candidate heads a full entry, with the German word's forms or
// examples, whose English word is a later synonym tagged only as going out
// of use ("Kerl {m}; Typ {m}; ... | ... :: guy; chap [Br.] [becoming
// dated]; fellow ..."), and whose German word is on the subtitle list: the
// entry names the everyday sense, and the English word is still that
// sense's word while it ages.
bool isCommonHeadOfDatedUse(const Candidate &candidate, const WordRanks &ranks)
{
    return candidate.germanFirst && !candidate.first && candidate.englishDated && !candidate.englishColloquial
           && !candidate.noted && !candidate.englishNoted && !candidate.fringe && !candidate.lineTagged
           && !candidate.groupTagged && candidate.germanSense == Sense::General && candidate.sections > 1
           && !candidate.german.contains(u' ') && ranks.rank(candidate.german) > 0;
}

// Whether a candidate is a later German synonym of its line that the
// subtitle list misses ("Heini", "Fuzzi" after "Mensch"): a rare word for
// the line's sense.
bool isUnrankedLaterSynonym(const Candidate &candidate, const WordRanks &ranks)
{
    return !candidate.germanFirst && !candidate.german.contains(u' ') && ranks.rank(candidate.german) == 0;
}

} // namespace

// Puts the common head of a full entry that gives the English word as a
// dated later synonym (isCommonHeadOfDatedUse) before the first rare later
// synonym of another line (isUnrankedLaterSynonym). The dated tag ranks the
// entry among the special senses, behind every line that gives the word
// first, so rare words of those lines ("Heini", "Fuzzi" on "Mensch {m};
// Heini {m}; Fuzzi {m}; ... :: chap [Br.]; ...") and side senses kept the
// everyday word ("Kerl" for "chap") out of the row. A word the list already
// holds higher up stays where it is.
void putCommonHeadOfDatedUseBeforeRareSynonyms(QVector<const Candidate *> &list)
{
    const WordRanks &ranks = WordRanks::forLanguage(QStringLiteral("de"));
    for (qsizetype i = 1; i < list.size(); ++i) {
        const Candidate *head = list.at(i);
        if (!isCommonHeadOfDatedUse(*head, ranks))
            continue;
        const auto before = list.cbegin() + i;
        if (std::any_of(list.cbegin(), before, [head](const Candidate *c) { return c->german == head->german; }))
            continue;
        const auto rare = std::find_if(list.cbegin(), before, [&](const Candidate *c) {
            return c->line != head->line && isUnrankedLaterSynonym(*c, ranks);
        });
        if (rare == before)
            continue;
        const qsizetype at = rare - list.cbegin();
        list.remove(i);
        list.insert(at, head);
        return;
    }
}

// Puts the set phrases that a later section of a German word's entry gives
// (Candidate::headsSetPhrase) behind the lines of several sections that give
// the phrase in their own first section, and before the bare one-section
// lines. A full line of the phrase is its own entry and comes first ("a lot
// of": "viel", "eine Menge", not "einiges" from "einiges {n} | einiges
// {Quantifikator} :: ... | several; a lot of"); a bare line may name only a
// narrower use, where the head word's entry gives the plain sense
// ("rechtsherum {adv} :: to the right", the way round, behind "rechts" of
// "rechts {adv} | auf der rechten Seite; rechts :: right | on the right; to
// the right").
void putHeadsSetPhrasesAfterFullLines(QVector<const Candidate *> &list)
{
    QVector<const Candidate *> phrases;
    for (const Candidate *candidate : std::as_const(list)) {
        if (candidate->headsSetPhrase)
            phrases.append(candidate);
    }
    if (phrases.isEmpty())
        return;
    list.removeIf([](const Candidate *candidate) { return candidate->headsSetPhrase; });
    qsizetype at = 0;
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list.at(i)->sections > 1)
            at = i + 1;
    }
    for (const Candidate *phrase : std::as_const(phrases))
        list.insert(at++, phrase);
}

} // namespace detail

} // namespace vorbix::import
