// The places of words on a trans-de-en line: its main English word, a
// German word's counterpart, the words its examples show, its compounds.

#include "data/import/trans_de_en_internal.h"

#include "data/import/edit_distance.h"

#include <optional>

namespace vorbix::import {

namespace detail {

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

namespace {

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

} // namespace

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

// Whether a line has further German sections and none of them names any of
// the first section's words by its stem ("vernünftig; einleuchtend; logisch
// {adj} | innere Gewissheit; vollste Überzeugung | mit an Sicherheit
// grenzender Wahrscheinlichkeit; ... :: moral | moral certainty | ..."):
// the sections are phrases of their own, and the line's English word holds
// in them, not as a plain word of the line's German words.
bool furtherSectionsNameNoLineWord(QStringView germanSide, const QVector<TransSynonym> &synonyms)
{
    const QVector<QStringView> sections = splitTopLevel(germanSide, u" | ");
    if (sections.size() < 3)
        return false;
    QString further;
    for (qsizetype k = 1; k < sections.size(); ++k)
        further += sections.at(k).toString().toLower() + u'\n';
    return std::none_of(synonyms.cbegin(), synonyms.cend(), [&](const TransSynonym &synonym) {
        return further.contains(germanStemOf(synonym.text));
    });
}

namespace {

// Whether a German section is a sentence: an example of use, not a form or
// a phrase ("Das Bier ist leider ausgelaufen.").
bool isExampleSentence(QStringView section)
{
    const QStringView text = section.trimmed();
    return text.contains(u' ') && (text.endsWith(u'.') || text.endsWith(u'!') || text.endsWith(u'?'));
}

} // namespace

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

// The phrases among `core` that a later section of a line pairs with the
// line's own German word: the German section of the same place names the
// head word alone among its synonyms ("rechts {adv} | auf der rechten
// Seite; rechts | ... :: right | on the right; to the right | ..." gives
// "to the right"). A head word narrowed by a note in that section names a
// narrower use ("(geschlachtetes Tier) aufhauen :: to cut up") and gives
// none. The dictionary gives a common word's set phrases in its
// own entry, and a line of their own may only name a narrower use
// ("rechtsherum {adv} :: to the right"), so the head word is the phrase's
// plain translation. Only lines whose two sides have as many sections are
// read, where the sections stand for one another.
QStringList phrasesPairedWithHeadInLaterSections(QStringView germanSide, QStringView englishSide,
                                                 const QSet<QString> &core)
{
    QStringList phrases;
    if (!englishSide.contains(u" | "))
        return phrases;
    const QVector<QStringView> germanSections = splitTopLevel(germanSide, u" | ");
    const QVector<QStringView> englishSections = splitTopLevel(englishSide, u" | ");
    if (germanSections.size() != englishSections.size() || germanSections.size() < 2)
        return phrases;
    // A section's English phrases are looked for before its German
    // synonyms: few sections give a core phrase, and the German words of
    // the others, the line's head among them, need not be read at all.
    std::optional<QString> head;  // read with the first section that gives a phrase
    for (qsizetype s = 1; s < englishSections.size(); ++s) {
        QStringList found;
        for (const QStringView raw : splitTopLevel(englishSections.at(s), u"; ")) {
            const TransSynonym english = describeEnglishSynonym(raw, germanSections.at(s));
            if (english.text.contains(u' ') && core.contains(english.text) && english.sense == Sense::General
                && !english.fringe && !english.noted)
                found.append(english.text);
        }
        if (found.isEmpty())
            continue;
        if (!head) {
            const QVector<TransSynonym> heads = synonymsOf(germanSections.first(), false);
            if (heads.isEmpty())
                return phrases;
            head = heads.first().text;
        }
        const QVector<TransSynonym> german = synonymsOf(germanSections.at(s), false);
        if (std::none_of(german.cbegin(), german.cend(),
                         [&head](const TransSynonym &g) { return g.text == *head && !g.noted; }))
            continue;
        for (const QString &phrase : std::as_const(found)) {
            if (!phrases.contains(phrase))
                phrases.append(phrase);
        }
    }
    return phrases;
}

} // namespace detail

} // namespace vorbix::import
