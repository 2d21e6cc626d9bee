// The rules rank runs on the German words of an English word (the rows of
// the English-German table).

#include "data/import/trans_de_en_internal.h"

namespace vorbix::import {

namespace detail {

namespace {

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

} // namespace

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

namespace {

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

} // namespace

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

namespace {

// Puts the head of a full entry first that gives the English word right
// after phrases that narrow it ("Meerenge {f}; Meeresstraße {f}; ... | die
// Meerenge zwischen ... | ... :: sea strait; sea straits; strait; straits |
// ..."), where the ranking chose a word of a bare line that gives it first
// with nothing more ("schmal; eng {adj} :: strait"). The entry gives the
// word as its own, only named more precisely first; its forms and examples
// make it the word's main sense, and a bare line of one section names a
// side use or an old one.
constexpr int kNarrowedEntrySections = 3;

} // namespace

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
template void putCommonHeadBeforeRareFieldTerm<CandidateCommonness>(QVector<const Candidate *> &list,
                                                                    CandidateCommonness commonness);

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

// The row's kept places: the first six words of the ranked list, told
// apart by case. Returns where they end, their words in lower case, and the
// lines whose head they hold.
KeptPlaces keptPlaces(QVector<const Candidate *> &list)
{
    constexpr int kKeptPlaces = 6;
    KeptPlaces kept{list.begin(), {}, {}, {}};
    for (; kept.end != list.end(); ++kept.end) {
        const QString word = (*kept.end)->german.toLower();
        if (!kept.words.contains(word)) {
            if (kept.words.size() == kKeptPlaces)
                break;
            kept.words.insert(word);
            kept.firstAt.append(kept.end - list.begin());
        }
        if ((*kept.end)->germanFirst)
            kept.headLines.insert((*kept.end)->line);
    }
    return kept;
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
void keepPlainHeadInRow(QVector<const Candidate *> &list)
{
    const KeptPlaces places = keptPlaces(list);
    const auto end = places.end;
    const QSet<QString> &words = places.words;
    const QSet<int> &headLines = places.headLines;
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

namespace {

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

} // namespace

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

namespace {

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

} // namespace

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

namespace {

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

} // namespace

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

namespace {

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

} // namespace

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

namespace {

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

} // namespace

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
template void putLookAlikeOfOwnLineFirst<CandidateCommonness>(QVector<const Candidate *> &list,
                                                              CandidateCommonness commonness);

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

} // namespace detail

} // namespace vorbix::import
