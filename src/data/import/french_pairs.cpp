#include "data/import/french_pairs.h"

#include "data/import/accents.h"
#include "data/import/edit_distance.h"
#include "data/import/german_pivot.h"
#include "data/import/spanish_repairs.h"
#include "data/import/word_frequency.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>

namespace vorbix::import {

bool isGazetteerPlace(const QString &english, const QString &french)
{
    static const QRegularExpression feature(QStringLiteral(
        "\\b(River|Lakes?|Creek|Brook|Bay|Islands?|Falls|Rapids|Narrows|Channel|Strait|Cape|Peninsula|Mount"
        "|Mountains|Hill|Territory|District)\\b"));
    static const QRegularExpression frenchFeature(
        QStringLiteral("^(rivière|fleuve|lacs?|ruisseau|baie|[iî]les?|chenal|rapides|détroit|monts?|cap"
                       "|péninsule|colline|passe|défilé|district|territoire|chutes|chaîne)\\b"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return english.size() > 0 && english.at(0).isUpper() && feature.match(english).hasMatch()
           && frenchFeature.match(french).hasMatch();
}

int dropGazetteerPlaces(QVector<DictdEntry> &engFra, QVector<DictdEntry> &fraEng,
                        const QSet<QString> &listedElsewhere)
{
    const auto isPlace = [&listedElsewhere](const QString &english, const QStringList &french) {
        return !listedElsewhere.contains(english)
               && std::any_of(french.begin(), french.end(),
                              [&english](const QString &item) { return isGazetteerPlace(english, item); });
    };
    const qsizetype before = engFra.size() + fraEng.size();
    engFra.removeIf([&isPlace](const DictdEntry &entry) { return isPlace(entry.headword, entry.translations); });
    fraEng.removeIf([&isPlace](const DictdEntry &entry) {
        return std::any_of(entry.translations.begin(), entry.translations.end(), [&](const QString &english) {
            return isPlace(english, {entry.headword});
        });
    });
    return int(before - engFra.size() - fraEng.size());
}

int dropEnglishItems(QVector<DictdEntry> &engFra, const std::function<bool(const QString &)> &isListedFrench,
                     const std::function<bool(const QString &)> &isEnglishWord,
                     const std::function<bool(const QString &)> &isFrenchWord)
{
    int dropped = 0;
    for (DictdEntry &entry : engFra) {
        for (qsizetype i = entry.translations.size() - 1; i > 0; --i) {
            const QString &item = entry.translations.at(i);
            if (item.isEmpty() || !item.at(0).isLower() || item.contains(QLatin1Char(' ')))
                continue;
            if (!isListedFrench(item) && isEnglishWord(item) && !isFrenchWord(item)) {
                entry.translations.removeAt(i);
                ++dropped;
            }
        }
    }
    return dropped;
}

int dropRunTogetherPairs(QVector<DictdEntry> &rows)
{
    int dropped = 0;
    for (DictdEntry &entry : rows) {
        const QStringList items = entry.translations;
        for (const QString &item : items) {
            const QStringList words = item.split(QLatin1Char(' '));
            if (words.size() == 2 && words.at(0) != words.at(1) && items.contains(words.at(0))
                && items.contains(words.at(1))) {
                entry.translations.removeAll(item);
                ++dropped;
            }
        }
    }
    return dropped;
}

// eng-fra now and then writes an item and a synonym of the headword as one
// item without the comma ("shore: bord, côte, côte rivage"). The second word
// alone is linked to the headword through German ("rivage": "Ufer",
// "shore"); the phrase is not, as no dictionary has it as a word.
int dropItemsGlossedWithASynonym(QVector<DictdEntry> &rows,
                                 const std::function<int(const QString &, const QString &)> &links)
{
    if (!links)
        return 0;
    int dropped = 0;
    for (DictdEntry &entry : rows) {
        const QStringList items = entry.translations;
        for (const QString &item : items) {
            const QStringList words = item.split(QLatin1Char(' '));
            if (words.size() != 2 || words.at(0) == words.at(1) || !items.contains(words.at(0))
                || items.contains(words.at(1)) || words.at(1).isEmpty() || !words.at(1).at(0).isLower())
                continue;
            if (links(words.at(1), entry.headword) > 0 && links(item, entry.headword) == 0) {
                entry.translations.removeAll(item);
                ++dropped;
            }
        }
    }
    return dropped;
}

namespace {

// Whether a French and an English word are spelt nearly alike once accents
// are set aside ("instrument", "féroce" and "ferocious" are not): such a
// pair shares its sense far more often than the pivot's silence says.
bool spellAlike(const QString &french, const QString &english)
{
    const QString a = withoutAccents(french.toLower());
    const QString b = englishPivotKey(english);
    qsizetype common = 0;
    while (common < a.size() && common < b.size() && a.at(common) == b.at(common))
        ++common;
    if (common >= 5 || (common >= 4 && common == std::min(a.size(), b.size())))
        return true;
    const qsizetype shorter = std::min(a.size(), b.size());
    return editDistance(a, b) <= (shorter >= 6 ? 2 : 1);
}

// Whether a row's item is one the pivot can judge: a single lower-case word
// on both sides that the German dictionaries know.
bool germanCanJudge(const QString &french, const QString &english,
                    const std::function<bool(const QString &)> &knowsFrench,
                    const std::function<bool(const QString &)> &knowsEnglish)
{
    for (const QString *word : {&french, &english}) {
        if (word->isEmpty() || word->contains(QLatin1Char(' ')) || word->contains(QLatin1Char('\''))
            || !word->at(0).isLower())
            return false;
    }
    return knowsFrench(french) && knowsEnglish(english) && !spellAlike(french, english);
}

// Whether the German dictionaries cover a row's headword well enough for
// their silence about one of its items to count: four German words join it
// to one item of its row, so fra-deu and trans-de-en give its main sense in
// many wordings. Where the strongest link is thinner, the German side lists
// only part of the word's senses, and the items it does not reach are as
// often right senses it lacks ("fonds: fund", "renvoyer: fire", "alarm:
// réveil") as strays of a neighbouring entry.
bool pivotCoversHeadwordWell(int strongestLink)
{
    return strongestLink >= 4;
}

} // namespace

int dropItemsGermanTellsAgainst(QVector<DictdEntry> &rows, bool englishHeadwords,
                                const std::function<int(const QString &, const QString &)> &links,
                                const std::function<bool(const QString &)> &knowsFrench,
                                const std::function<bool(const QString &)> &knowsEnglish,
                                const std::function<bool(const QString &, const QString &)> &nearInSense,
                                QStringList &details)
{
    if (!links)
        return 0;
    int dropped = 0;
    for (DictdEntry &entry : rows) {
        QStringList against;
        QStringList linked;
        int strongestLink = 0;
        for (const QString &item : std::as_const(entry.translations)) {
            const QString &french = englishHeadwords ? item : entry.headword;
            const QString &english = englishHeadwords ? entry.headword : item;
            const int germanWords = links(french, english);
            strongestLink = std::max(strongestLink, germanWords);
            if (germanWords > 0)
                linked.append(item);
            else if (germanCanJudge(french, english, knowsFrench, knowsEnglish))
                against.append(item);
        }
        if (linked.size() < 2 || !pivotCoversHeadwordWell(strongestLink) || against.isEmpty())
            continue;
        // The items the pivot does not tell against: linked ones, and those
        // it cannot judge (cognates, phrases).
        QStringList sound = entry.translations;
        for (const QString &item : std::as_const(against))
            sound.removeAll(item);
        for (const QString &item : std::as_const(against)) {
            if (nearInSense && std::any_of(sound.begin(), sound.end(), [&](const QString &other) {
                    return nearInSense(item, other);
                }))
                continue;
            entry.translations.removeAll(item);
            details.append(QStringLiteral("%1: \"%2\" left out of \"%3\", no German word of fra-deu leads to it")
                               .arg(QLatin1String(englishHeadwords ? "eng-fra" : "fra-eng"), item, entry.headword));
            ++dropped;
        }
    }
    return dropped;
}

namespace {

// A word of the reverse dictionary and where the headword stands among its
// translations.
struct ReverseWord
{
    QString word;
    bool first = false;
    int position = 0;  // the first place of the headword among the word's translations
    bool firstSense = false;  // the headword is in the word's first numbered sense, or it has one sense
    bool firstOfSorted = false;  // first only in alphabetical lists beside a commoner word (see sideOfSortedList)
    bool alone = false;  // one of the word's entries gives the headword as its only translation
    bool narrowed = false;  // the word's rows give the headword only with a note narrowing it ("pier (of wall)")
};

// A candidate translation of a row and what ranks it.
struct Candidate
{
    QString word;
    bool own = false;  // from the row's own dictionary, not filled in
    bool confirmed = false;  // the other direction translates it back to the headword
    double cost = 0;  // the lower, the likelier the main translation
    bool linked = false;  // a third pair of dictionaries links it to the headword
    int placeBack = 0;  // where the other direction's row of it lists the headword
    bool firstSenseBack = false;  // the other direction gives the headword in the word's first sense
    bool firstOfSortedBack = false;  // the other direction gives the headword first by its letters only
    bool aloneBack = false;  // an entry of the word in the other direction gives the headword alone
    bool narrowedBack = false;  // the other direction gives the headword only narrowed by a note
};

// Whether a word filled in from the other direction has an entry there that
// gives the headword as its only translation ("mariée <n>: bride"): that
// entry means the headword and nothing else, so the headword is its main
// sense as much as where its row starts with it. The other direction's
// rows merge a word's entries, and an entry of another part of speech may
// lead the merged row ("mariée <adj>: married"), so the ranked row alone
// misses it. Only a filled-in word: the other direction gives many a
// narrow word of the row's own one translation ("écrou: nut" beside
// "noix"), and the row's own order and links weigh its words already.
bool meansHeadwordAlone(const Candidate &candidate)
{
    return !candidate.own && candidate.aloneBack;
}

// How many times more often a larger dictionary must use a word than the
// row's leader, and how often at least, for the word to take its place
// (see putMoreUsedOfTiedUnlistedWordsFirst): a handful of uses against one
// or two is chance ("croak" 4, "caw" 1).
constexpr int kClearlyMoreUsed = 4;
constexpr int kFewestTellingUses = 10;

// The dictionaries list the words of a sense alphabetically, so where two
// linked words tie on every count of the ranking (the frequency list knows
// neither, both are confirmed alike and stand at the same place in the
// other direction), the leader is first by its letters alone:
// "accroissement: 1. accretion, growth" gave "accretion". A larger
// dictionary's use of each word (`usesElsewhere`, how often trans-de-en's
// English sides write it) then tells the everyday word from the technical
// one: the word used clearly more often goes first. Only words a third pair
// of dictionaries links to the headword, so that both are known to carry
// its sense and the count is not that of another sense ("peg" beside
// "dram" for "apéritif"); only single words beyond the frequency list; only
// the first place.
void putMoreUsedOfTiedUnlistedWordsFirst(QVector<Candidate> &candidates, const WordRanks &ranks,
                                         const std::function<int(const QString &)> &usesElsewhere)
{
    if (!usesElsewhere || candidates.size() < 2)
        return;
    const Candidate &leading = candidates.constFirst();
    const auto unlistedWord = [&ranks](const Candidate &c) {
        return !c.word.contains(QLatin1Char(' ')) && ranks.phraseRank(c.word) == 0;
    };
    if (!leading.linked || !unlistedWord(leading))
        return;
    const int leaderUses = usesElsewhere(leading.word);
    qsizetype best = 0;
    int bestUses = leaderUses;
    for (qsizetype i = 1; i < candidates.size(); ++i) {
        const Candidate &c = candidates.at(i);
        if (c.linked != leading.linked || c.confirmed != leading.confirmed || std::abs(c.cost - leading.cost) > 1e-9)
            break;
        const int uses = usesElsewhere(c.word);
        if (unlistedWord(c) && c.own == leading.own && c.placeBack == leading.placeBack && uses > bestUses) {
            best = i;
            bestUses = uses;
        }
    }
    if (best > 0 && bestUses >= kFewestTellingUses && bestUses >= kClearlyMoreUsed * std::max(leaderUses, 1))
        candidates.move(best, 0);
}

// Whether a dictionary entry gives `word` in its first sense; an entry
// without numbered senses has one sense. The first sense holds the items
// as the dictionary wrote them, before their brackets were taken off
// ("présent: 1. (the) present").
bool inFirstSense(const DictdEntry &entry, const QString &word)
{
    if (entry.firstSense.isEmpty())
        return entry.translations.contains(word);
    static const QRegularExpression bracketed(QStringLiteral("\\([^)]*\\)"));
    return std::any_of(entry.firstSense.begin(), entry.firstSense.end(), [&word](const QString &item) {
        return item == word || QString(item).remove(bracketed).simplified() == word;
    });
}

// How much commoner by the frequency list a word of the one-word first
// sense must be to go before a linked word of a later sense (see
// addReverseTranslations): some seven times commoner.
constexpr double kClearlyCommoner = 2.0;

// How much likelier than its rank says a look-alike of the headword is
// the main translation (see addReverseTranslations).
constexpr double kLookAlikeBonus = 2.0;

// How much rarer than the row's likeliest translation a word its own
// dictionary gives first as its own twin may be and still come first (see
// addReverseTranslations): less than one place further down a list.
constexpr double kTwinMargin = 1.0;

// How much likelier a word is the main translation when the other
// direction's row of it starts with the headword (see
// addReverseTranslations): as much as one place further up a list.
constexpr double kMainSenseBonus = 1.2;

// How much a place further down the other direction's row of a word makes
// it less likely the main translation, up to kMaxPlaces places.
constexpr double kPlaceWeight = 1.2;
constexpr int kMaxPlaces = 6;

// How much likelier a linked word is the main translation for each German
// word past the first that links it (see addReverseTranslations), up to
// kMostLinks words: as much as one place further up a list. fra-deu gives
// the German words of the main sense several synonyms, a side sense one
// ("facture: Rechnung, Faktura, Warenrechnung" all reach "invoice",
// "account" only through "Rechnung").
constexpr double kLinkBonus = 1.2;
constexpr int kMostLinks = 3;

// How unlikely a translation is the main one: the log of its rank among
// the commonest words, so that rank 10 against 100 weighs as 100 against
// 1000, plus a little over one for each place further down the other
// direction's list (a word some three times rarer): "by" takes "par",
// whose list starts with "by", before "de", commoner but with "by" fifth.
// As the translation of a word, a phrase weighs as all its words together,
// and a little more: common words make rare phrases, so "donner" is "give"
// before "go out" and "toujours" comes before "en tous temps". A phrase is
// the likely translation of a phrase: there it weighs as its rarest word
// and a little more ("pay attention to": "faire attention à" before
// "surveiller"). A hyphenated word weighs as its rarer part ("dark-room"
// as "room"); one no word list has (`unlistedCompound`) weighs as the
// phrase of its parts and a little more: as a phrase, it is rarer than
// a word of the lists.
// The verb of a French reflexive verb ("se marier": "marier", "s'habiller":
// "habiller"), or an empty string for any other item.
QString verbOfReflexive(const QString &item)
{
    QString verb;
    if (item.startsWith(QLatin1String("se ")))
        verb = item.mid(3);
    else if (item.startsWith(QLatin1String("s'")) || item.startsWith(QStringLiteral("s\u2019")))
        verb = item.mid(2);
    if (verb.isEmpty() || verb.contains(QLatin1Char(' ')) || !verb.at(0).isLower())
        return {};
    return verb;
}

double costOf(const QString &word, int placeBack, bool phraseHeadword, const WordRanks &ranks,
              bool unlistedCompound = false)
{
    // A reflexive verb is a verb, not a two-word phrase: the word lists rank
    // "marier", and "se" would make "se marier" look rarer than "épouser".
    const QString reflexiveVerb = verbOfReflexive(word);
    if (!reflexiveVerb.isEmpty())
        return costOf(reflexiveVerb, placeBack, phraseHeadword, ranks, false);

    constexpr double kUnlistedRank = 50000;  // rarer than any listed word
    constexpr double kPhraseWeight = 1.5;
    const QStringList words =
        (unlistedCompound ? QString(word).replace(QLatin1Char('-'), QLatin1Char(' ')) : word)
            .split(QLatin1Char(' '), Qt::SkipEmptyParts);
    // A phrase that opens with "and", "or" or "nor" ("or not" for "hein")
    // is the tail of a sentence, not a word's translation: its conjunction
    // weighs as an unlisted word, or its commonness would rank it first.
    static const QStringList kConjunctions = {QStringLiteral("and"), QStringLiteral("or"), QStringLiteral("nor")};
    const bool tail = words.size() > 1 && kConjunctions.contains(words.constFirst());
    double cost = 0;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const int rank = tail && i == 0 ? 0 : ranks.phraseRank(words.at(i));
        const double wordCost = std::log(rank > 0 ? double(rank) : kUnlistedRank);
        cost = phraseHeadword ? std::max(cost, wordCost) : cost + wordCost;
    }
    if (words.isEmpty())
        cost = std::log(kUnlistedRank);
    if (words.size() > 1)
        cost += kPhraseWeight;
    if (unlistedCompound)
        cost += kPhraseWeight;
    return cost + kPlaceWeight * std::min(placeBack, kMaxPlaces);
}

QString foldedLower(const QString &text)
{
    return withoutAccents(text).toLower();
}

// Whether two different words (folded to lower case without accents) are
// spelt alike: one letter changed, added or dropped in three or fewer
// ("continuer", "continue"; "fonction", "function"; "décorer",
// "decorate"). Words of fewer than four letters and phrases never are.
bool looksAlike(const QString &a, const QString &b)
{
    if (a == b || a.size() < 4 || b.size() < 4 || a.contains(QLatin1Char(' ')) || b.contains(QLatin1Char(' ')))
        return false;
    const qsizetype most = std::max(a.size(), b.size()) / 3;
    if (std::abs(a.size() - b.size()) > most)
        return false;
    return editDistance(a, b) <= most;
}

// Whether two single words (folded to lower case without accents) share
// their stem: the same, or their first four letters or more alike, at
// least half the shorter one ("agiter", "agitate"; "propriété",
// "property"; "abandon", "abandonment"), not "avocat" and "advocate".
bool sharesStem(const QString &a, const QString &b)
{
    if (a.contains(QLatin1Char(' ')) || b.contains(QLatin1Char(' ')))
        return false;
    qsizetype common = 0;
    while (common < a.size() && common < b.size() && a.at(common) == b.at(common))
        ++common;
    return a == b || (common >= 4 && common * 2 >= std::min(a.size(), b.size()));
}

// Whether `english` is the regular English form of the French word `french`
// (both folded to lower case without accents): the same stem with the
// suffixes the two languages pair ("abortif", "abortive"; "absurdite",
// "absurdity"; "cupidite", "cupidity"; "hideux", "hideous").
bool isRegularCognate(const QString &french, const QString &english)
{
    static const std::pair<QLatin1StringView, QLatin1StringView> suffixes[] = {
        {QLatin1StringView("if"), QLatin1StringView("ive")},   {QLatin1StringView("ique"), QLatin1StringView("ic")},
        {QLatin1StringView("eux"), QLatin1StringView("ous")},  {QLatin1StringView("te"), QLatin1StringView("ty")},
        {QLatin1StringView("iste"), QLatin1StringView("ist")}, {QLatin1StringView("eux"), QLatin1StringView("eous")},
    };
    for (const auto &[fr, en] : suffixes) {
        const qsizetype stem = french.size() - fr.size();
        if (stem >= 3 && french.endsWith(fr) && english.size() == stem + en.size() && english.endsWith(en)
            && QStringView(french).first(stem) == QStringView(english).first(stem))
            return true;
    }
    return false;
}

// Whether an entry's first item is first only by its letters: its first
// sense (its one list where it numbers none) holds several items in
// alphabetical order, as most lists of the small dictionaries do, and a
// commoner word than the first (`ranks`, of the items' language) beside
// it: "haut: 1. summit, surface, top", where "top" is the everyday word of
// that sense and "summit" first as the alphabet has it.
bool sideOfSortedList(const DictdEntry &entry, const WordRanks *ranks)
{
    static const QRegularExpression bracketed(QStringLiteral("\\([^)]*\\)"));
    const QStringList &items = entry.firstSense.isEmpty() ? entry.translations : entry.firstSense;
    if (!ranks || items.size() < 2)
        return false;
    QStringList words;
    for (const QString &item : items)
        words.append(QString(item).remove(bracketed).simplified());
    QString previous;
    for (const QString &word : std::as_const(words)) {
        const QString folded = foldedLower(word);
        if (folded < previous)
            return false;
        previous = folded;
    }
    const int firstRank = ranks->phraseRank(words.constFirst());
    return std::any_of(words.begin() + 1, words.end(), [&](const QString &word) {
        const int rank = ranks->phraseRank(word);
        return rank > 0 && (firstRank == 0 || rank < firstRank);
    });
}

// Of words no frequency list knows, the headword's twin that the row's own
// dictionary gives alone as its numbered first sense comes first, before a
// word of a later sense: "buffet: 1. buffet 2. larder, pantry,
// store-cupboard". Nothing then says the later word is commoner; its lead
// comes from side signals only, such as eng-fra's alphabetical "buffet: bar,
// buffet" placing the twin second and "larder: buffet" giving the later word
// the main-sense bonus. A later word the frequency list knows keeps its lead
// ("mouton: 1. mutton 2. sheep"), as does one a third pair links where the
// twin is unlinked.
void putLoneFirstSenseTwinBeforeRareWords(QVector<Candidate> &candidates, const DictdEntry &entry,
                                          const WordRanks &ranks)
{
    if (candidates.isEmpty() || entry.firstSense.size() != 1 || entry.headword.contains(QLatin1Char(' ')))
        return;
    const QString headword = foldedLower(entry.headword);
    const Candidate &leading = candidates.constFirst();
    if (foldedLower(leading.word) == headword || inFirstSense(entry, leading.word)
        || ranks.phraseRank(leading.word) > 0)
        return;
    const auto twin = std::find_if(candidates.begin(), candidates.end(), [&](const Candidate &c) {
        return c.own && c.confirmed && foldedLower(c.word) == headword && c.word.at(0).isLower()
               && inFirstSense(entry, c.word) && ranks.phraseRank(c.word) <= 0 && (c.linked || !leading.linked);
    });
    if (twin != candidates.end())
        candidates.move(twin - candidates.begin(), 0);
}

// fra-eng numbers a word's senses main sense first. Past the row's first
// word, a word of the first sense that shares the first word's stem (its
// noun or verb: "measure", "measurement") goes before a word of a later
// sense, where no frequency list knows either, both are the row's own and
// confirmed, and a third pair links both or neither: nothing then says the
// later word is commoner, and its place comes from eng-fra's lists alone
// ("mesure: 1. measure, measurement 2. musical time, tact", where eng-fra's
// alphabetical "tact: mesure, tact" puts "mesure" first and "measurement:
// 1. dimension, taille 2. mesure" third). Not past a later word that looks
// like the headword, which its look vouches for. The first word is left to
// the rules above.
void putLeadersKinBeforeEquallyRareLaterSenses(QVector<Candidate> &candidates, const DictdEntry &entry,
                                               const WordRanks &ranks)
{
    if (entry.firstSense.isEmpty() || candidates.size() < 3)
        return;
    const QString headword = foldedLower(entry.headword);
    const QString leader = foldedLower(candidates.constFirst().word);
    const auto equallyRare = [&ranks](const Candidate &a, const Candidate &b) {
        return a.own && b.own && a.confirmed && b.confirmed && a.linked == b.linked && ranks.phraseRank(a.word) <= 0
               && ranks.phraseRank(b.word) <= 0;
    };
    for (qsizetype i = 1; i < candidates.size(); ++i) {
        const QString later = foldedLower(candidates.at(i).word);
        if (inFirstSense(entry, candidates.at(i).word) || later == headword || looksAlike(later, headword)
            || sharesStem(later, headword))
            continue;
        for (qsizetype j = i + 1; j < candidates.size(); ++j) {
            const Candidate &kin = candidates.at(j);
            if (inFirstSense(entry, kin.word) && sharesStem(foldedLower(kin.word), leader)
                && equallyRare(candidates.at(i), kin)) {
                candidates.move(j, i);
                break;
            }
        }
    }
}

// A look-alike is no translation where the two dictionaries pair it with
// another word: fra-eng gives "agenda: diary, appointment book" and
// "ordre du jour: agenda, order of the day", and eng-fra "agenda:
// 1. agenda 2. ordre du jour". The headword's twin that only the other
// direction gives (`leading`, filled in), whose row there lists a word
// whose own row here starts with the twin, is that word's translation, a
// false friend of the headword: it goes after the row's own items, and the
// first of them leads ("agenda: diary, appointment book, agenda").
void putOwnFirstBeforeFalseFriend(QVector<Candidate> &candidates, const DictdEntry &entry,
                                  const QHash<QString, QStringList> &ownFirstOf,
                                  const QHash<QString, QStringList> &reverseItems)
{
    if (candidates.size() < 2 || entry.translations.isEmpty() || candidates.constFirst().own)
        return;
    const QString twin = candidates.constFirst().word;
    if (foldedLower(twin) != foldedLower(entry.headword))
        return;
    const QStringList pairedWords = reverseItems.value(twin);
    const QStringList others = ownFirstOf.value(twin);
    const bool falseFriend = std::any_of(others.begin(), others.end(), [&](const QString &other) {
        return other != entry.headword && pairedWords.contains(other);
    });
    if (!falseFriend)
        return;
    const auto lastOwn = std::find_if(candidates.rbegin(), candidates.rend(), [](const Candidate &c) { return c.own; });
    if (lastOwn == candidates.rend())
        return;
    candidates.move(0, candidates.size() - 1 - (lastOwn - candidates.rbegin()));
    const auto own = std::find_if(candidates.begin(), candidates.end(), [&entry](const Candidate &c) {
        return c.own && c.word == entry.translations.constFirst();
    });
    if (own != candidates.end())
        candidates.move(own - candidates.begin(), 0);
}

// A word built on another word of the row, that word and a suffix
// ("bandeau" on "bande", "maisonnette" on "maison"), is a narrower word: a
// diminutive or a thing named after the other. Where such a word leads
// though no frequency list knows it, and the row gives its base word, which
// a list knows, as well linked and confirmed, the base comes first: the
// derivative leads only by where the other direction's rows list the
// headword ("tape: bande, bandeau", where fra-eng's "bande" names "tape" in
// its third sense and "bandeau: binding, strip, tape" in its only one). Not
// past a leader that is the headword's twin or look-alike.
void putListedBaseBeforeItsDerivative(QVector<Candidate> &candidates, const QString &headword,
                                      const WordRanks &ranks)
{
    constexpr qsizetype kMinBase = 4;  // shorter "bases" are mostly chance ("bal" in "balai")
    if (candidates.size() < 2 || headword.contains(QLatin1Char(' ')))
        return;
    const Candidate &leading = candidates.constFirst();
    const QString leader = foldedLower(leading.word);
    const QString folded = foldedLower(headword);
    if (leading.word.contains(QLatin1Char(' ')) || !leading.word.at(0).isLower() || ranks.phraseRank(leading.word) > 0
        || leader == folded || looksAlike(leader, folded))
        return;
    const auto base = std::find_if(candidates.begin() + 1, candidates.end(), [&](const Candidate &c) {
        return c.own && (c.confirmed || !leading.confirmed) && (c.linked || !leading.linked)
               && c.word.size() >= kMinBase && leading.word.size() > c.word.size() && !c.word.contains(QLatin1Char(' '))
               && leading.word.startsWith(c.word) && ranks.phraseRank(c.word) > 0;
    });
    if (base != candidates.end())
        candidates.move(base - candidates.begin(), 0);
}

// Where an item stands in its entry: how many items go before it, not
// counting the same word written with a hyphen or apart ("poêle:
// frying-pan, frying pan" gives "frying pan" first). The dictionaries list
// some words both ways, and the second way is no further down the list.
int placeAmongItems(const QStringList &items, qsizetype index)
{
    const auto spelling = [](const QString &item) {
        return item.toLower().replace(QLatin1Char('-'), QLatin1Char(' '));
    };
    const QString word = spelling(items.at(index));
    int place = 0;
    for (qsizetype i = 0; i < index; ++i) {
        if (spelling(items.at(i)) != word)
            ++place;
    }
    return place;
}

// fra-eng numbers a word's senses main sense first. A leader of a later
// sense that neither shares nor resembles the headword and leads only
// because the other direction confirms it gives way to the first sense
// where a word of that sense the frequency list knows is as well linked
// and at least as likely by its rank, places and links: eng-fra then
// merely gives that word another translation ("placard: 1. cupboard,
// closet, wardrobe 2. notice, placard, poster", where eng-fra has
// "closet: armoire" and so confirms only the notice sense). The row's own
// words of the first sense go first, in their ranked order. Not past a
// leader whose own row, ranked, starts with the headword.
void putLikelyFirstSenseBeforeLaterLeader(QVector<Candidate> &candidates, const DictdEntry &entry,
                                          const WordRanks &ranks,
                                          const std::function<bool(const QString &, const QString &)> &givesFirst)
{
    if (entry.firstSense.isEmpty() || candidates.size() < 2)
        return;
    const QString headword = foldedLower(entry.headword);
    const Candidate &leading = candidates.constFirst();
    const QString leader = foldedLower(leading.word);
    if (inFirstSense(entry, leading.word) || leader == headword || looksAlike(leader, headword)
        || sharesStem(leader, headword) || (givesFirst && givesFirst(leading.word, entry.headword)))
        return;
    const bool likelier = std::any_of(candidates.begin() + 1, candidates.end(), [&](const Candidate &c) {
        return c.own && c.linked == leading.linked && !c.confirmed && leading.confirmed && inFirstSense(entry, c.word)
               && ranks.phraseRank(c.word) > 0 && c.cost <= leading.cost;
    });
    if (!likelier)
        return;
    std::stable_partition(candidates.begin(), candidates.end(),
                          [&entry](const Candidate &c) { return c.own && inFirstSense(entry, c.word); });
}

// fra-eng numbers a word's senses main sense first, and the last of three
// or more is the farthest side sense. Where no third pair of dictionaries
// links any word of the row, nothing but the frequency list and eng-fra's
// places rank it, and a common word of that last sense may lead by its
// commonness in its own main sense: "gronder: 1. admonish, scold
// 2. menace, threaten 3. howl, roar 4. blame, rebuke, reproach, reprove"
// gave "blame" first and left "scold" past the kept places. The row's own
// single words of the first sense that eng-fra gives the headword for in
// their own first senses ("scold: 1. admonester, exhorter, gronder ...")
// then go first, in their ranked order: the two dictionaries agree on that
// sense. A phrase of the first sense ("dominant: 1. most important") is
// often a paraphrase and does not lead. Not past a leader that is,
// resembles or shares the headword, or whose own row, ranked, starts with
// the headword.
void putAgreedFirstSenseBeforeUnlinkedLaterLeader(
    QVector<Candidate> &candidates, const DictdEntry &entry,
    const std::function<bool(const QString &, const QString &)> &givesFirst)
{
    if (entry.firstSense.isEmpty() || entry.lastSense.isEmpty() || candidates.size() < 2
        || std::any_of(candidates.begin(), candidates.end(), [](const Candidate &c) { return c.linked; }))
        return;
    const QString headword = foldedLower(entry.headword);
    const Candidate &leading = candidates.constFirst();
    const QString leader = foldedLower(leading.word);
    if (!leading.own || !entry.lastSense.contains(leading.word) || inFirstSense(entry, leading.word) || leader == headword || looksAlike(leader, headword)
        || sharesStem(leader, headword) || (givesFirst && givesFirst(leading.word, entry.headword)))
        return;
    const auto agreed = [&entry](const Candidate &c) {
        return c.own && c.confirmed && c.firstSenseBack && inFirstSense(entry, c.word)
               && !c.word.contains(QLatin1Char(' '));
    };
    if (std::any_of(candidates.begin(), candidates.end(), agreed))
        std::stable_partition(candidates.begin(), candidates.end(), agreed);
}

// fra-eng numbers a word's senses main sense first. Where its first sense
// is one word ("épine: 1. thorn 2. spine"), and eng-fra's row of that word
// starts with the headword ("thorn: épine"), the two dictionaries agree on
// the main sense. A look-alike of the headword from a later sense, whose
// own eng-fra row lists another word before the headword ("spine:
// 1. colonne vertébrale, épine"), then leads by the look-alike bonus alone
// where no frequency list knows either word and a third pair links the
// agreed word as often (`links`): both dictionaries place the look-alike
// as a side sense, and the agreed word goes first. Where the look-alike is
// commoner or better linked ("stupide: 1. idiotic 2. ... stupid",
// "inspirer: 1. inhale 2. inspire"), that tells it is the everyday word,
// and it keeps its lead; so does the headword's twin.
void putAgreedLoneFirstSenseBeforeLookAlikeOfLaterSense(
    QVector<Candidate> &candidates, const DictdEntry &entry, const WordRanks &ranks,
    const std::function<int(const QString &, const QString &)> &links)
{
    if (entry.firstSense.size() != 1 || candidates.size() < 2 || entry.headword.contains(QLatin1Char(' ')))
        return;
    const QString headword = foldedLower(entry.headword);
    const Candidate &leading = candidates.constFirst();
    const QString leader = foldedLower(leading.word);
    if (inFirstSense(entry, leading.word) || leading.placeBack == 0 || leader == headword
        || !looksAlike(leader, headword) || ranks.phraseRank(leading.word) > 0)
        return;
    const int leaderLinks = links ? links(entry.headword, leading.word) : 0;
    const auto agreed = std::find_if(candidates.begin() + 1, candidates.end(), [&](const Candidate &c) {
        return c.own && c.confirmed && c.placeBack == 0 && c.firstSenseBack && inFirstSense(entry, c.word)
               && ranks.phraseRank(c.word) <= 0 && (links ? links(entry.headword, c.word) : 0) >= leaderLinks;
    });
    if (agreed != candidates.end())
        candidates.move(agreed - candidates.begin(), 0);
}

// eng-fra's rows list the words of a sense alphabetically, and the other
// direction lists the headword alphabetically too, often far down a row of
// several senses ("inciter: 1. encourage, impel, instigate, spur on,
// stimulate, urge 2. incite, rouse"). Among words no frequency list knows,
// a leader that neither is, resembles nor shares the headword owes its lead
// to those places alone; the headword's look-alike, as well linked and
// confirmed, is its cognate and comes first ("incite: inciter" before
// "agiter"). A leader the frequency list knows keeps its place.
void putRareLookAlikeBeforeEquallyRareLeader(QVector<Candidate> &candidates, const QString &headword,
                                             const WordRanks &ranks)
{
    if (candidates.size() < 2 || headword.contains(QLatin1Char(' ')))
        return;
    const QString folded = foldedLower(headword);
    const Candidate &leading = candidates.constFirst();
    const QString leader = foldedLower(leading.word);
    if (ranks.phraseRank(leading.word) > 0 || leader == folded || looksAlike(leader, folded)
        || sharesStem(leader, folded))
        return;
    // A row that gives the headword itself (a loan: "abrogation") has its
    // twin; a look-alike beside it is another word ("abolition").
    if (std::any_of(candidates.begin(), candidates.end(),
                    [&folded](const Candidate &c) { return foldedLower(c.word) == folded; }))
        return;
    const auto lookAlike = std::find_if(candidates.begin() + 1, candidates.end(), [&](const Candidate &c) {
        return c.own && (c.confirmed || !leading.confirmed) && (c.linked || !leading.linked)
               && ranks.phraseRank(c.word) <= 0 && c.word.at(0).isLower()
               && looksAlike(foldedLower(c.word), folded);
    });
    if (lookAlike != candidates.end())
        candidates.move(lookAlike - candidates.begin(), 0);
}

// fra-eng lists some French words with their English twin first
// ("congestion: congestion, rush"; "suite: 1. suite, train ... 5. adherents,
// ..., supporters"): the twin is the word's main sense, and the headword is
// one of its side senses. Where such a word leads a row of eng-fra's
// numbered senses from a later sense ("rush: 1. se dépêcher 2. afflux, afflux
// de sang, congestion"), it leads by its rank or its place in that list, not
// as the headword's main translation; the row's own word of its first sense
// that fra-eng gives the headword in its first sense, as well linked, comes
// first ("se dépêcher: go fast, hurry, rush"). Not past a leader that is,
// resembles or shares the headword. A twin further down the leader's row
// says less: fra-eng lists most words alphabetically, and a twin past other
// words is often one word among equals ("place: 1. location, place, spot").
void putOwnFirstSenseBeforeLeaderMeaningItsTwin(QVector<Candidate> &candidates, const DictdEntry &entry,
                                                const QHash<QString, QStringList> &reverseItems)
{
    if (entry.firstSense.isEmpty() || candidates.size() < 2 || entry.headword.contains(QLatin1Char(' ')))
        return;
    const QString headword = foldedLower(entry.headword);
    const Candidate &leading = candidates.constFirst();
    const QString leader = foldedLower(leading.word);
    if (inFirstSense(entry, leading.word) || leader == headword || looksAlike(leader, headword)
        || sharesStem(leader, headword))
        return;
    const QStringList leadersRow = reverseItems.value(leading.word);
    if (leadersRow.isEmpty() || foldedLower(leadersRow.constFirst()) != leader)
        return;
    const auto own = std::find_if(candidates.begin() + 1, candidates.end(), [&](const Candidate &c) {
        return c.own && c.confirmed && c.firstSenseBack && inFirstSense(entry, c.word) && (c.linked || !leading.linked);
    });
    if (own != candidates.end())
        candidates.move(own - candidates.begin(), 0);
}

// Whether `later` is `earlier` written another way: with a hyphen, apart or
// in one ("money box", "money-box"; "some one", "someone"), or in its
// British spelling ("glamor", "glamour"; "rumor", "rumour").
bool isOtherSpellingOf(const QString &later, const QString &earlier)
{
    const auto joined = [](const QString &item) {
        return item.toLower().remove(QLatin1Char('-')).remove(QLatin1Char(' '));
    };
    const QString a = joined(later);
    const QString b = joined(earlier);
    if (a == b)
        return later != earlier;
    return !later.contains(QLatin1Char(' ')) && !earlier.contains(QLatin1Char(' '))
           && (britishSpellings(b).contains(a) || britishSpellings(a).contains(b));
}

// Whether `phrase` is `word` and an adverb particle after it ("spur on",
// "fire off", "take in"): a phrasal verb of the word, most often one of
// its senses.
bool isWordWithParticle(const QString &phrase, const QString &word)
{
    static const QStringList kParticles = {
        QStringLiteral("up"),   QStringLiteral("down"),  QStringLiteral("in"),    QStringLiteral("out"),
        QStringLiteral("on"),   QStringLiteral("off"),   QStringLiteral("away"),  QStringLiteral("back"),
        QStringLiteral("over"), QStringLiteral("about"), QStringLiteral("around"), QStringLiteral("round"),
        QStringLiteral("along"), QStringLiteral("by"),   QStringLiteral("through"), QStringLiteral("forth")};
    return phrase.size() > word.size() + 1 && phrase.startsWith(word) && phrase.at(word.size()) == QLatin1Char(' ')
           && kParticles.contains(phrase.mid(word.size() + 1));
}

// Whether one of two items is the other and an adverb particle after it
// ("spur", "spur on").
bool isPhrasalPair(const QString &a, const QString &b)
{
    return isWordWithParticle(a, b) || isWordWithParticle(b, a);
}

// The candidate of a row's item, or `candidates.end()`.
QVector<Candidate>::const_iterator candidateOf(const QVector<Candidate> &candidates, const QString &item)
{
    return std::find_if(candidates.begin(), candidates.end(), [&item](const Candidate &c) { return c.word == item; });
}

// Whether a candidate is a word of the row's main sense both dictionaries
// agree on: the row's own dictionary gives it in its first sense, and the
// other direction's row of it gives the headword first, in its first sense
// ("urge: 1. inciter, pousser à" for "inciter").
bool isAgreedMainSense(const Candidate &candidate, const DictdEntry &entry)
{
    return candidate.own && candidate.confirmed && candidate.placeBack == 0 && candidate.firstSenseBack
           && inFirstSense(entry, candidate.word);
}

// Lets the first item past a row's `most` kept places that `waits` (given
// its index) accepts take the kept place at `place`: the items kept stay in
// their ranked order, the one let in comes last of them and the one it
// replaces goes just past them. Returns false, changing nothing, when no
// item waits.
template<typename Waits>
bool letWaitingItemTakePlace(QStringList &items, qsizetype place, int most, const Waits &waits)
{
    qsizetype waiting = most;
    while (waiting < items.size() && !waits(waiting))
        ++waiting;
    if (waiting == items.size())
        return false;
    const QString word = items.takeAt(waiting);
    items.move(place, most - 1);
    items.insert(most - 1, word);
    return true;
}

// A row keeps its first `most` items only (see keepLeadingTranslations);
// where it holds more, the places go to different words. An item that
// repeats a word ranked above it in another spelling ("money box,
// money-box"; "glamor, glamour") goes past the last place. So does the
// lower of a word and its phrasal verb ("spur on" and "spur") where a word
// of the main sense waits past the last place, which then takes its
// place: one the row's own dictionary gives in its first sense and the
// other direction's row of it gives the headword first in its first sense
// ("inciter: 1. encourage, impel, instigate, spur on, stimulate, urge"
// beside "urge: 1. inciter, pousser à", ranked "impel, spur on, incite,
// instigate, spur, encourage"). A waiting word of a side sense is no
// better than the phrasal verb. The words kept stay in their ranked
// order; the word let in comes last.
void keepDistinctWordsInFirstPlaces(QStringList &items, const DictdEntry &entry, const QVector<Candidate> &candidates,
                                    int most)
{
    if (items.size() <= most)
        return;
    const auto repeatsEarlier = [&items](qsizetype index, const auto &repeats) {
        for (qsizetype i = 0; i < index; ++i) {
            if (repeats(items.at(index), items.at(i)))
                return true;
        }
        return false;
    };
    QStringList distinct;
    QStringList spellings;
    for (qsizetype i = 0; i < items.size(); ++i)
        (repeatsEarlier(i, isOtherSpellingOf) ? spellings : distinct).append(items.at(i));
    items = distinct + spellings;
    if (items.size() <= most)
        return;
    const auto mainSense = [&](qsizetype index) {
        const auto found = candidateOf(candidates, items.at(index));
        return found != candidates.end() && isAgreedMainSense(*found, entry) && !repeatsEarlier(index, isPhrasalPair)
               && !repeatsEarlier(index, isOtherSpellingOf);
    };
    for (qsizetype place = most - 1; place > 0; --place) {
        if (repeatsEarlier(place, isPhrasalPair) && !letWaitingItemTakePlace(items, place, most, mainSense))
            return;
    }
}

// A word filled in from the other direction whose own row there gives the
// headword neither first nor in its first sense is a side sense of that
// word ("still: 1. immobile, tranquille 2. ... rassurer"); in a row longer
// than its `most` kept places it gives its place to a word of the row's
// own first sense waiting past them: "rassurer: reassure, assure, appease,
// calm, quieten, soothe" ranked "reassure, appease, still, soothe, quiet,
// calm" left "quieten" and "assure" out. Not a filled-in word whose own
// row, ranked, starts with the headword (`givesFirst`), nor the leader. The
// words kept stay in their ranked order; the words let in come last.
void keepFirstSenseWordsBeforeFilledInSideSenses(
    QStringList &items, const DictdEntry &entry, const QVector<Candidate> &candidates,
    const std::function<bool(const QString &, const QString &)> &givesFirst, int most)
{
    const auto ownFirstSense = [&](qsizetype index) {
        return entry.translations.contains(items.at(index)) && inFirstSense(entry, items.at(index));
    };
    for (qsizetype place = std::min<qsizetype>(most, items.size()) - 1; place > 0 && items.size() > most; --place) {
        const auto filled = candidateOf(candidates, items.at(place));
        if (filled == candidates.end() || filled->own || filled->firstSenseBack || filled->placeBack == 0
            || (givesFirst && givesFirst(filled->word, entry.headword)))
            continue;
        if (!letWaitingItemTakePlace(items, place, most, ownFirstSense))
            return;
    }
}

// The place weight stops at kMaxPlaces: a word whose own row in the other
// direction lists the headword further down, and not in its first sense,
// weighs as one listed at the last place counted, and a common word keeps
// a place by its commonness alone ("on: 1. en avant ... 7. contre, sur"
// for "contre"). Where it is unlinked, in a later sense of the row and
// unlike the headword, it gives its kept place, in a row longer than its
// `most` kept places, to a waiting word of the row's own first sense that
// the other direction gives the headword first in its first sense ("in
// exchange for: contre, en face de"). The words kept stay in their ranked
// order; the word let in comes last.
void keepMainSenseBeforeFarListedSideSense(QStringList &items, const DictdEntry &entry,
                                           const QVector<Candidate> &candidates, int most)
{
    const auto mainSense = [&](qsizetype index) {
        const auto main = candidateOf(candidates, items.at(index));
        return main != candidates.end() && isAgreedMainSense(*main, entry);
    };
    const QString headword = foldedLower(entry.headword);
    for (qsizetype place = std::min<qsizetype>(most, items.size()) - 1; place > 0 && items.size() > most; --place) {
        const auto side = candidateOf(candidates, items.at(place));
        if (side == candidates.end() || side->linked || side->firstSenseBack || side->placeBack <= kMaxPlaces
            || inFirstSense(entry, side->word) || looksAlike(foldedLower(side->word), headword)
            || sharesStem(foldedLower(side->word), headword))
            continue;
        if (!letWaitingItemTakePlace(items, place, most, mainSense))
            return;
    }
}

// A common word the row's own dictionary lists beside the headword's
// synonyms, that no third pair of dictionaries links to the headword, may
// owe its commonness to a sense of its own elsewhere: eng-fra's "alien:
// 1. abject, abominable, hideux, horrible, odieux 2. étranger" copies the
// list of "hideous" into its first sense, while fra-deu and trans-de-en
// link "alien" to "étranger" alone. Such a word, whose eng-fra row gives the
// headword in its first sense and another French word in a later sense that
// the links tie to it, gives its kept place, in a row longer than its
// `most` kept places, to a waiting word of the row's own that is as little
// linked, whose eng-fra row's first sense is the same copied list of three
// words or more, and that has no such sense elsewhere ("gruesome" for
// "hideux"): the list vouches for both alike, and only the waiting word
// has no other use to thank for its rank. A lone mirrored word ("decrease:
// 1. abaissement") is no copied list. The words kept stay in their ranked
// order; the word let in comes last.
void keepWordsOfTheSenseBeforeWordsLinkedElsewhere(
    QStringList &items, const DictdEntry &entry, const QVector<Candidate> &candidates,
    const QHash<QString, QVector<const DictdEntry *>> &reverseRows,
    const std::function<int(const QString &, const QString &)> &links, int most)
{
    constexpr qsizetype kMinCopiedList = 3;  // a lone mirrored word ("decrease: 1. abaissement") is no list
    if (!links || items.size() <= most)
        return;
    const auto unlinkedOwn = [&](const QString &item) {
        const auto found = candidateOf(candidates, item);
        return found != candidates.end() && found->own && found->confirmed && !found->linked;
    };
    // The first sense of the item's eng-fra row that gives the headword.
    const auto firstSenseWithHeadword = [&](const QString &item) {
        for (const DictdEntry *row : reverseRows.value(item)) {
            if (!row->firstSense.isEmpty() && row->firstSense.contains(entry.headword))
                return row->firstSense;
        }
        return QStringList();
    };
    const auto linkedElsewhere = [&](const QString &item) {
        for (const DictdEntry *row : reverseRows.value(item)) {
            if (row->firstSense.isEmpty() || !row->firstSense.contains(entry.headword))
                continue;
            for (const QString &french : row->translations) {
                if (french != entry.headword && !row->firstSense.contains(french) && links(french, item) > 0)
                    return true;
            }
        }
        return false;
    };
    for (qsizetype place = most - 1; place > 0 && items.size() > most; --place) {
        if (!unlinkedOwn(items.at(place)) || !linkedElsewhere(items.at(place)))
            continue;
        const QStringList list = firstSenseWithHeadword(items.at(place));
        if (list.size() < kMinCopiedList)
            continue;
        if (!letWaitingItemTakePlace(items, place, most, [&](qsizetype index) {
                return unlinkedOwn(items.at(index)) && firstSenseWithHeadword(items.at(index)) == list
                       && !linkedElsewhere(items.at(index));
            }))
            return;
    }
}

// The other direction narrows a word with a note in brackets where it is
// the translation of one use of it only: fra-eng's "pile: 1. pile, stack
// 2. battery (...) 3. pier (of wall or structure)" and "frêne: ash (tree)".
// Such a word that is a side sense by its place as well, in a later sense
// of the other direction's row ("pile") or of the row's own dictionary
// ("ash: 1. cendre 2. frêne"), does not lead over the row's own word of its
// first sense that the other direction pairs plainly with the headword in
// its first sense ("débarcadère: landing-stage, pier, wharf", "cendre: ash,
// cinder"): its links and commonness come from its other uses. A narrowed
// word only filled in from the other direction gives way, too, to the row's
// own word whose row there starts with the headword plainly ("darne:
// (fish) steak" after "bifteck: steak, beefsteak"). Where the row's own
// words are further down those rows, the narrowed word keeps its lead:
// eng-fra's "sink: forer, rencontrer, toucher" are no likelier than fra-eng's
// "évier: (kitchen) sink".
void putPlainFirstSenseBeforeNarrowedSideSense(QVector<Candidate> &candidates, const DictdEntry &entry)
{
    if (candidates.size() < 2 || !candidates.constFirst().narrowedBack)
        return;
    const Candidate &leading = candidates.constFirst();
    const bool sideSense = !leading.firstSenseBack
                           || (leading.own && !entry.firstSense.isEmpty() && !inFirstSense(entry, leading.word));
    const auto plain = std::find_if(candidates.begin() + 1, candidates.end(), [&](const Candidate &c) {
        return c.own && c.confirmed && !c.narrowedBack && c.firstSenseBack && inFirstSense(entry, c.word)
               && (sideSense || (!leading.own && c.placeBack == 0));
    });
    if (plain != candidates.end())
        candidates.move(plain - candidates.begin(), 0);
}

// The dictionaries copy a sense's list of words from row to row: eng-fra
// gives "dessein, intention, propos" for "intention", "meaning" and "plan",
// and fra-eng "intention, meaning, plan" for "intention", "propos" and
// "dessein". Within such a list the commonest word leads by its commonness
// alone ("plan" for "intention"). Where the row's own dictionary gives the
// headword's twin first (same letters, accents aside) and the other
// direction translates that twin back to the headword, a leader whose own
// row in the other direction holds a twin of its own, another word ("plan:
// ... 2. plan, projet"), and does not start with the headword, is chiefly
// the translation of that twin: the headword's twin goes first. Both
// confirmations are needed: a twin the other direction does not give back
// may be a false friend, and a leader whose row starts with the headword
// ("office: 1. bureau ...") is its main translation.
void putOwnFirstTwinBeforeLeaderWithTwinOfItsOwn(
    QVector<Candidate> &candidates, const DictdEntry &entry, const QHash<QString, QStringList> &reverseItems,
    const std::function<bool(const QString &, const QString &)> &givesFirst)
{
    if (candidates.size() < 2 || entry.translations.isEmpty())
        return;
    const QString headword = foldedLower(entry.headword);
    const QString ownFirst = entry.translations.constFirst();
    const Candidate &leading = candidates.constFirst();
    const QString leader = foldedLower(leading.word);
    if (leading.word == ownFirst || leader == headword || foldedLower(ownFirst) != headword
        || !ownFirst.at(0).isLower() || (givesFirst && givesFirst(leading.word, entry.headword)))
        return;
    const QStringList leadersRow = reverseItems.value(leading.word);
    if (leadersRow.isEmpty() || leadersRow.constFirst() == entry.headword
        || !std::any_of(leadersRow.begin(), leadersRow.end(), [&](const QString &item) {
               return item != entry.headword && foldedLower(item) == leader;
           }))
        return;
    const auto twin = std::find_if(candidates.begin(), candidates.end(),
                                   [&ownFirst](const Candidate &c) { return c.word == ownFirst; });
    if (twin != candidates.end() && twin->own && twin->confirmed)
        candidates.move(twin - candidates.begin(), 0);
}

// fra-eng now and then gives a word's main sense as a lone phrase of a
// plain word and the word that narrows it ("chatte: 1. female cat 2. cunt,
// pussy"): no English word names it alone, and eng-fra, which lists words,
// has no row of the phrase to confirm it. A third pair of dictionaries
// that links the phrase's last word, its head noun, to the headword
// (fra-deu's "Katze", trans-de-en's "cat") vouches for that first sense;
// the phrase then goes before a leader of a later sense, whose lead comes
// from the links and commonness of its side sense. Not past a leader that
// is, resembles or shares the headword.
void putLinkedPhraseOfFirstSenseBeforeLaterLeader(
    QVector<Candidate> &candidates, const DictdEntry &entry,
    const std::function<int(const QString &, const QString &)> &links)
{
    if (!links || entry.firstSense.size() != 1 || candidates.size() < 2)
        return;
    const QString phrase = entry.firstSense.constFirst();
    const QStringList words = phrase.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() != 2 || !phrase.at(0).isLower())
        return;
    const QString headword = foldedLower(entry.headword);
    const Candidate &leading = candidates.constFirst();
    const QString leader = foldedLower(leading.word);
    if (leading.word == phrase || leader == headword || looksAlike(leader, headword) || sharesStem(leader, headword))
        return;
    // Where the row gives the head noun by itself ("col: 1. mountain pass
    // ... 3. collar" beside "pass"), a word names that sense alone and the
    // phrase is only a narrower form of it.
    if (std::any_of(candidates.begin(), candidates.end(),
                    [&words](const Candidate &c) { return c.word == words.constLast(); }))
        return;
    const auto found = std::find_if(candidates.begin() + 1, candidates.end(),
                                    [&phrase](const Candidate &c) { return c.own && c.word == phrase; });
    if (found != candidates.end() && links(entry.headword, words.constLast()) > 0)
        candidates.move(found - candidates.begin(), 0);
}

// The words a French word is built on by a suffix ("ivresse" on
// "ivre", "attaquant" on "attaquer", "lentement" on "lente" and "lent",
// "pareillement" on "pareil"): the headword less the suffix, with the
// endings an adjective or verb takes before it put back or taken off.
QStringList baseWordsOf(const QString &headword)
{
    static const QStringList kSuffixes = {
        QStringLiteral("esse"), QStringLiteral("ment"), QStringLiteral("eur"), QStringLiteral("euse"),
        QStringLiteral("ant"),  QStringLiteral("ance"), QStringLiteral("ence"), QStringLiteral("ité"),
        QStringLiteral("eté"),  QStringLiteral("ure"),  QStringLiteral("age"),  QStringLiteral("ion"),
        QStringLiteral("isme"), QStringLiteral("iste"), QStringLiteral("erie")};
    constexpr qsizetype kMinStem = 3;
    QStringList bases;
    for (const QString &suffix : kSuffixes) {
        if (!headword.endsWith(suffix) || headword.size() - suffix.size() < kMinStem)
            continue;
        const QString stem = headword.chopped(suffix.size());
        bases << stem << stem + QLatin1Char('e') << stem + QLatin1String("er") << stem + QLatin1String("ir");
        if (stem.endsWith(QLatin1Char('e')))
            bases << stem.chopped(1);
        if (stem.endsWith(QLatin1String("lle")) || stem.endsWith(QLatin1String("nne")) || stem.endsWith(QLatin1String("tte"))
            || stem.endsWith(QLatin1String("sse")))
            bases << stem.chopped(2);
    }
    return bases;
}

// A French word built on another by a suffix ("ivresse" on "ivre",
// "attaquant" on "attaquer", see baseWordsOf) is most often translated by
// the English word built the same way on its base's translation: "ivre:
// drunk" makes "drunkenness" the likely word for "ivresse" beside
// "inebriety", "attaque: attack" makes "attacker" that of "attaquant". Where
// no frequency list knows the leader, a word of the row's own first sense
// that no list knows either, as well linked and confirmed, and that grows
// out of a word of its base's first sense of four letters or more
// ("drunkenness" out of "drunk") goes first: the base's row tells what
// neither the frequency list nor the links can. Not past a leader that
// grows out of such a word too.
void putDerivativeOfBaseTranslationFirst(QVector<Candidate> &candidates, const DictdEntry &entry,
                                         const QHash<QString, QStringList> &firstSenseOf, const WordRanks &ranks)
{
    constexpr qsizetype kMinBase = 4;
    if (candidates.size() < 2 || entry.headword.contains(QLatin1Char(' ')) || !entry.headword.at(0).isLower())
        return;
    const Candidate &leading = candidates.constFirst();
    if (ranks.phraseRank(leading.word) > 0)
        return;
    QStringList baseWords;
    for (const QString &base : baseWordsOf(entry.headword)) {
        if (base != entry.headword)
            baseWords += firstSenseOf.value(base);
    }
    const auto grows = [&baseWords](const QString &word) {
        return std::any_of(baseWords.begin(), baseWords.end(), [&word](const QString &base) {
            return base.size() >= kMinBase && !base.contains(QLatin1Char(' ')) && word.size() > base.size()
                   && word.startsWith(base);
        });
    };
    if (baseWords.isEmpty() || grows(leading.word))
        return;
    const auto derivative = std::find_if(candidates.begin() + 1, candidates.end(), [&](const Candidate &c) {
        return c.own && (c.confirmed || !leading.confirmed) && (c.linked || !leading.linked)
               && inFirstSense(entry, c.word) && ranks.phraseRank(c.word) <= 0 && !c.word.contains(QLatin1Char(' '))
               && grows(c.word);
    });
    if (derivative != candidates.end())
        candidates.move(derivative - candidates.begin(), 0);
}

// What `reverse` translates to each word, first translations marked; a
// word that is the first translation anywhere counts as such. `order`
// receives the keys as first met.
QHash<QString, QVector<ReverseWord>> wordsTranslatingTo(const QVector<DictdEntry> &reverse, QStringList &order,
                                                      const WordRanks *ranks = nullptr)
{
    QHash<QString, QVector<ReverseWord>> backTo;
    for (const DictdEntry &entry : reverse) {
        const bool sorted = sideOfSortedList(entry, ranks);
        for (qsizetype i = 0; i < entry.translations.size(); ++i) {
            QVector<ReverseWord> &words = backTo[entry.translations.at(i)];
            const auto found = std::find_if(words.begin(), words.end(),
                                            [&entry](const ReverseWord &w) { return w.word == entry.headword; });
            if (words.isEmpty())
                order.append(entry.translations.at(i));
            const bool firstSense = inFirstSense(entry, entry.translations.at(i));
            const bool narrowed = entry.narrowed.contains(entry.translations.at(i));
            if (found == words.end()) {
                words.append({entry.headword, i == 0, placeAmongItems(entry.translations, i), firstSense,
                              i == 0 && sorted, entry.translations.size() == 1, narrowed});
            } else {
                found->firstSense = found->firstSense || firstSense;
                found->alone = found->alone || entry.translations.size() == 1;
                found->narrowed = found->narrowed && narrowed;
                if (i == 0) {
                    found->firstOfSorted = (found->first ? found->firstOfSorted : true) && sorted;
                    found->first = true;
                    found->position = 0;
                }
            }
        }
    }
    return backTo;
}

// The words that get a row of their own: a first translation somewhere in
// the reverse dictionary, without a row, of up to three words.
template<typename Rows>
QStringList newRowsOf(const QHash<QString, QVector<ReverseWord>> &backTo, const QStringList &backOrder,
                      const Rows &rows)
{
    QStringList added;
    QSet<QString> seen;
    for (const QString &headword : backOrder) {
        const QVector<ReverseWord> &words = backTo[headword];
        const bool firstSomewhere =
            std::any_of(words.begin(), words.end(), [](const ReverseWord &w) { return w.first; });
        if (firstSomewhere && !rows.contains(headword) && !seen.contains(headword)
            && headword.count(QLatin1Char(' ')) < 3) {
            seen.insert(headword);
            added.append(headword);
        }
    }
    return added;
}

} // namespace

QStringList headwordsWithReverseFill(const QVector<DictdEntry> &forward, const QVector<DictdEntry> &reverse)
{
    QStringList headwords;
    QSet<QString> rows;
    for (const DictdEntry &entry : forward) {
        if (!rows.contains(entry.headword)) {
            rows.insert(entry.headword);
            headwords.append(entry.headword);
        }
    }
    QStringList backOrder;
    const QHash<QString, QVector<ReverseWord>> backTo = wordsTranslatingTo(reverse, backOrder);
    return headwords + newRowsOf(backTo, backOrder, rows);
}

// How a larger dictionary must write a word for its rank to count as its
// noun's (see putVerbBeforeNounLeaderOfVerbRow): as a verb once at most, and
// otherwise at least four times as often. "pet" is written some forty-five
// times, once as a verb; "water" and "use", written as verbs many times,
// are verbs as much as nouns.
constexpr int kMostVerbUsesOfNoun = 1;
constexpr int kChieflyNoun = 4;

int putVerbBeforeNounLeaderOfVerbRow(QVector<DictdEntry> &rows, const WordRanks &ranks,
                                     const std::function<QStringList(const QString &)> &ownFirstSense,
                                     const std::function<int(const QString &)> &verbUses,
                                     const std::function<int(const QString &)> &otherUses)
{
    // Whether `english` translates, in its first sense, the French noun the
    // verb is made of ("fleur: bloom, flower" for "fleurir", "balafre:
    // 1. scar" for "balafrer"): the English word is then that noun's verb as
    // French has it, its rank no noun's alone.
    const auto namesNounOfVerb = [&ownFirstSense](const QString &verb, const QString &english) {
        static const QStringList kEndings = {QStringLiteral("er"), QStringLiteral("ir"), QStringLiteral("re")};
        for (const QString &ending : kEndings) {
            if (!verb.endsWith(ending) || verb.contains(QLatin1Char(' ')))
                continue;
            const QString stem = verb.chopped(ending.size());
            if (ownFirstSense(stem).contains(english) || ownFirstSense(stem + QLatin1Char('e')).contains(english))
                return true;
        }
        return false;
    };
    int changed = 0;
    for (DictdEntry &entry : rows) {
        if (!entry.verb || entry.translations.size() < 2)
            continue;
        const QString leader = entry.translations.constFirst();
        const QStringList sense = ownFirstSense(entry.headword);
        if (leader.contains(QLatin1Char(' ')) || !sense.contains(leader) || ranks.rank(leader.toLower()) <= 0
            || verbUses(leader) > kMostVerbUsesOfNoun
            || otherUses(leader) < kChieflyNoun * std::max(1, verbUses(leader)))
            continue;
        const QString headword = foldedLower(entry.headword);
        const QString folded = foldedLower(leader);
        if (looksAlike(folded, headword) || sharesStem(folded, headword) || namesNounOfVerb(entry.headword, leader))
            continue;
        // The sense's words written as verbs and not chiefly otherwise go
        // before the leader, in their order.
        QStringList verbs;
        for (qsizetype i = 1; i < entry.translations.size(); ++i) {
            const QString &word = entry.translations.at(i);
            if (!word.contains(QLatin1Char(' ')) && sense.contains(word) && verbUses(word) > 0
                && otherUses(word) < kChieflyNoun * verbUses(word))
                verbs.append(word);
        }
        if (verbs.isEmpty())
            continue;
        entry.translations.removeIf([&verbs](const QString &item) { return verbs.contains(item); });
        entry.translations = verbs + entry.translations;
        ++changed;
    }
    return changed;
}

int keepLeadingTranslations(QVector<DictdEntry> &rows, int most)
{
    int cut = 0;
    for (DictdEntry &row : rows) {
        if (row.translations.size() > most) {
            cut += int(row.translations.size()) - most;
            row.translations.resize(most);
        }
    }
    return cut;
}

bool looksLikeOtherWord(const QString &item, const QString &headword)
{
    const QString a = foldedLower(item);
    const QString b = foldedLower(headword);
    if (a == b)
        return false;
    qsizetype common = 0;
    while (common < a.size() && common < b.size() && a.at(common) == b.at(common))
        ++common;
    return common >= kLookAlikePrefix && common * 4 >= std::min(a.size(), b.size()) * 3;
}

QString hyphenatedForm(const QString &item)
{
    const QStringList words = item.split(QLatin1Char(' '));
    if (words.size() != 2 || words.at(0).isEmpty() || words.at(1).isEmpty())
        return {};
    return words.at(0) + QLatin1Char('-') + words.at(1);
}

QSet<QString> wordsWrittenApartAfterOthers(const QStringList &headwords)
{
    QHash<QString, int> counts;
    for (const QString &headword : headwords) {
        const QStringList words = headword.toLower().split(QLatin1Char(' '));
        if (words.size() == 2 && !words.at(0).isEmpty() && !words.at(1).isEmpty())
            ++counts[words.at(1)];
    }
    QSet<QString> apart;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() >= kMinOpenCompounds)
            apart.insert(it.key());
    }
    return apart;
}

int joinOpenCompounds(QVector<DictdEntry> &engFra, QVector<DictdEntry> &fraEng,
                      const std::function<bool(const QString &)> &isWrittenForm,
                      const std::function<bool(const QString &)> &isListedWord,
                      const QSet<QString> &writtenApartAfter)
{
    // The small pairs write a few hyphenated words apart; a word another
    // dictionary has only hyphenated is taught as it is written. A word
    // list holds spelling variants too ("bande-vidéo"): its hyphenated word
    // counts only where French does not write the last word apart after
    // others, as fra-deu does "jeu vidéo" and "conférence vidéo".
    const auto joined = [&](const QString &item) {
        const QString hyphenated = hyphenatedForm(item);
        if (hyphenated.isEmpty() || isWrittenForm(item))
            return QString();
        const bool listed = isListedWord && isListedWord(hyphenated)
                            && !writtenApartAfter.contains(item.section(QLatin1Char(' '), 1).toLower());
        return isWrittenForm(hyphenated) || listed ? hyphenated : QString();
    };
    int changed = 0;
    for (DictdEntry &entry : fraEng) {
        if (const QString hyphenated = joined(entry.headword); !hyphenated.isEmpty()) {
            entry.headword = hyphenated;
            ++changed;
        }
    }
    for (DictdEntry &entry : engFra) {
        QStringList items;
        for (const QString &item : std::as_const(entry.translations)) {
            const QString hyphenated = joined(item);
            changed += hyphenated.isEmpty() ? 0 : 1;
            items.append(hyphenated.isEmpty() ? item : hyphenated);
        }
        entry.translations.clear();
        appendUnique(entry.translations, items);
    }
    return changed;
}

int addReverseTranslations(QVector<DictdEntry> &forward, const QVector<DictdEntry> &reverse,
                           const WordRanks &targetRanks,
                           const std::function<bool(const QString &)> &isHeadwordLanguage,
                           const std::function<int(const QString &, const QString &)> &links,
                           const std::function<bool(const QString &)> &isListedTargetWord,
                           const std::function<bool(const QString &, const QString &)> &givesFirst,
                           const std::function<QChar(const QString &)> &partOfSpeech, bool firstSenseFirst,
                           const WordRanks *headwordRanks, const std::function<int(const QString &)> &usesElsewhere)
{
    // A hyphenated word the word list lacks, written so and in one
    // ("washing-bear", a word-for-word rendering of a German compound), is
    // not a word people use; names are never in the list and do not count.
    const auto unlistedCompound = [&isListedTargetWord](const QString &word) {
        if (!isListedTargetWord || !word.contains(QLatin1Char('-')) || word.contains(QLatin1Char(' '))
            || word.at(0).isUpper())
            return false;
        const QString lower = word.toLower();
        return !isListedTargetWord(lower) && !isListedTargetWord(QString(lower).remove(QLatin1Char('-')));
    };
    QStringList backOrder;  // the keys of backTo as first met
    const QHash<QString, QVector<ReverseWord>> backTo = wordsTranslatingTo(reverse, backOrder, headwordRanks);

    // Merge the forward entries of one headword, keeping the first one's place.
    QVector<DictdEntry> merged;
    QHash<QString, qsizetype> position;
    for (DictdEntry &entry : forward) {
        const auto found = position.constFind(entry.headword);
        if (found == position.constEnd()) {
            position.insert(entry.headword, merged.size());
            merged.append(std::move(entry));
        } else {
            appendUnique(merged[*found].translations, entry.translations);
            merged[*found].examples += entry.examples;
        }
    }
    // The words each item is the own first translation of, and the items of
    // each row of the other direction (see putOwnFirstBeforeFalseFriend).
    QHash<QString, QStringList> ownFirstOf;
    for (const DictdEntry &entry : std::as_const(merged)) {
        if (!entry.translations.isEmpty())
            ownFirstOf[entry.translations.constFirst()].append(entry.headword);
    }
    // The words of each row's own first sense (see
    // putDerivativeOfBaseTranslationFirst).
    QHash<QString, QStringList> firstSenseOf;
    for (const DictdEntry &entry : std::as_const(merged))
        firstSenseOf.insert(entry.headword, entry.firstSense.isEmpty() ? entry.translations : entry.firstSense);
    QHash<QString, QStringList> reverseItems;
    for (const DictdEntry &entry : reverse)
        reverseItems[entry.headword] += entry.translations;
    QHash<QString, QVector<const DictdEntry *>> reverseRows;
    for (const DictdEntry &entry : reverse)
        reverseRows[entry.headword].append(&entry);
    for (const QString &headword : newRowsOf(backTo, backOrder, position)) {
        position.insert(headword, merged.size());
        DictdEntry entry;
        entry.headword = headword;
        merged.append(entry);
    }

    int added = 0;
    for (DictdEntry &entry : merged) {
        const QVector<ReverseWord> back = backTo.value(entry.headword);
        const bool phraseHeadword = entry.headword.contains(QLatin1Char(' '));
        QVector<Candidate> candidates;
        for (const QString &own : std::as_const(entry.translations)) {
            const auto found = std::find_if(back.begin(), back.end(),
                                            [&own](const ReverseWord &w) { return w.word == own; });
            const bool confirmed = found != back.end();
            const int placeBack = confirmed ? found->position : 0;
            candidates.append({own, true, confirmed,
                               costOf(own, placeBack, phraseHeadword, targetRanks, unlistedCompound(own)), false,
                               placeBack, confirmed && found->firstSense, confirmed && found->firstOfSorted,
                               confirmed && found->alone, confirmed && found->narrowed});
        }
        for (const ReverseWord &word : back) {
            if (entry.translations.contains(word.word))
                continue;
            // The reverse dictionary gives now and then a word that only
            // looks like the headword as its translation ("actinium:
            // actinie"); one that is a word of the headword's language
            // itself has a translation of its own and is left out, unless a
            // third pair of dictionaries links it to the headword: "arrive"
            // is French too ("il arrive"), yet the translation of "arriver".
            if (looksLikeOtherWord(word.word, entry.headword) && isHeadwordLanguage
                && isHeadwordLanguage(word.word) && !(links && links(entry.headword, word.word) > 0))
                continue;
            candidates.append({word.word, false, true,
                               costOf(word.word, word.position, phraseHeadword, targetRanks, unlistedCompound(word.word)),
                               false, word.position, word.firstSense, word.firstOfSorted, word.alone, word.narrowed});
        }
        // A word whose own row in the other direction starts with the
        // headword has it for its main sense ("reine" for "queen", "medicine"
        // for "médicament"); one whose row starts with another word, only
        // for a side sense ("dame", "drug"). That weighs as much as one place
        // in the other direction's list. So does an entry of the word that
        // gives the headword alone (see meansHeadwordAlone).
        if (givesFirst) {
            for (Candidate &candidate : candidates) {
                if (givesFirst(candidate.word, entry.headword) || meansHeadwordAlone(candidate))
                    candidate.cost -= kMainSenseBonus;
            }
        }
        // Translations that a third pair of dictionaries links to the
        // headword first, then those the other direction confirms, each
        // part the likeliest main translation first, the dictionaries' order
        // among equals. The small French dictionaries mirror each other's
        // wrong senses ("brun: black, brown" and "black: brun, noir"), so
        // confirmation alone often ranks them first; fra-deu and
        // trans-de-en were made apart from them and link "brun" to "brown"
        // only.
        if (links && !phraseHeadword) {
            for (Candidate &candidate : candidates) {
                const int count = links(entry.headword, candidate.word);
                candidate.linked = count > 0;
                if (count > 1)
                    candidate.cost -= kLinkBonus * (std::min(count, kMostLinks) - 1);
            }
        }
        // A word that looks like the headword ("accepter: accept",
        // "fonction: function") is the likelier main translation, by about
        // a word some seven times commoner: the small dictionaries list the
        // commonest words of a sense first less often than the word itself
        // ("accepter: take", "continuer: last"). So is the headword with
        // other accents ("consequence: conséquence", "émotion: emotion"),
        // where one of the two dictionaries gives it or the headword in the
        // word's first sense: an accented twin only in a later sense of both
        // is a side sense ("piece: 1. contingent, partie ... 2. fragment,
        // morceau, pièce" and "pièce: 1. document 2. piece"; "morceau" is the
        // everyday word) or a near
        // false friend ("misérable" for "miserable").
        // Not where the headword is also an item as it stands: a loan
        // ("abolition", "bonbon") is no less likely than a look-alike
        // ("abrogation", "bon-bon").
        if (!phraseHeadword) {
            const QString headword = foldedLower(entry.headword);
            const QString lowerHeadword = entry.headword.toLower();
            const bool loan = std::any_of(candidates.begin(), candidates.end(), [&lowerHeadword](const Candidate &c) {
                return c.word.toLower() == lowerHeadword;
            });
            for (Candidate &candidate : candidates) {
                const QString folded = foldedLower(candidate.word);
                const bool accentTwin = folded == headword;
                if (loan || !(looksAlike(folded, headword) || accentTwin))
                    continue;
                if (accentTwin && !candidate.firstSenseBack
                    && !(candidate.own && inFirstSense(entry, candidate.word)))
                    continue;
                candidate.cost -= kLookAlikeBonus;
                // A linked look-alike whose own row, ranked, starts with the
                // headword is its twin wherever its dictionary listed the
                // headword: fra-eng gives "abandonner: 1. cede, give in, ...
                // 2. abandon", seven places down, and "quitter: abandon"
                // first; the place counts for no more than one.
                if (candidate.linked && givesFirst && givesFirst(candidate.word, entry.headword))
                    candidate.cost -= std::max(0.0, kPlaceWeight * std::min(candidate.placeBack, kMaxPlaces) - kMainSenseBonus);
            }
        }
        std::stable_sort(candidates.begin(), candidates.end(), [](const Candidate &a, const Candidate &b) {
            if (a.linked != b.linked)
                return a.linked;
            if (a.confirmed != b.confirmed)
                return a.confirmed;
            return a.cost < b.cost;
        });
        putMoreUsedOfTiedUnlistedWordsFirst(candidates, targetRanks, usesElsewhere);

        // A word filled in from the other direction whose own row gives the
        // headword only in a later sense is a side sense there ("buy:
        // 1. acheter, acquérir 2. achat"); it does not lead over a word the
        // row's own dictionary gives and whose row in the other direction
        // gives the headword in its first sense ("achat: acquisition,
        // purchase" beside "purchase: 1. achat, emplette"), where a third
        // pair of dictionaries links both. Without the links the filled-in
        // word keeps its lead: the row's own word is then often a narrow one
        // ("shame: pouah", where fra-eng's "dommage: 2. pity, shame" is the
        // everyday word). Not past a leader whose own row, ranked, starts
        // with the headword.
        if (!candidates.isEmpty()) {
            const Candidate &leading = candidates.constFirst();
            if (!leading.own && leading.linked && !leading.firstSenseBack
                && !(givesFirst && givesFirst(leading.word, entry.headword))) {
                const auto own = std::find_if(candidates.begin(), candidates.end(), [](const Candidate &c) {
                    return c.own && c.confirmed && c.linked && c.firstSenseBack;
                });
                if (own != candidates.end())
                    candidates.move(own - candidates.begin(), 0);
            }
        }
        // The dictionaries number a word's senses main sense first, and
        // list the words of each sense in alphabetical order. A linked item
        // of a later sense that leads, and whose own row in the other
        // direction gives the headword first only by its letters beside a
        // commoner word (see sideOfSortedList), owes its lead to its
        // commonness in another sense ("haut" is "high"; "blow" is "coup"
        // and "souffler"). A linked item of the first sense comes first
        // instead where the look vouches for it ("summit: 1. bout, cime,
        // pointe, sommet 2. comble, faîte, haut": "sommet"), or, where
        // `firstSenseFirst` trusts fra-eng's sense order, where its own row
        // gives the headword first too and it is about as common
        // ("bataille: 1. action, battle, scuffle, struggle 2. blow":
        // "battle"). Not past a leader whose own row, ranked, starts with the
        // headword. eng-fra's sense order alone is no guide: "time: 1. fois
        // ... 3. durée, temps".
        if (headwordRanks && givesFirst && !phraseHeadword && !entry.firstSense.isEmpty() && !candidates.isEmpty()) {
            const QString headword = foldedLower(entry.headword);
            const Candidate &leading = candidates.constFirst();
            if (leading.own && leading.linked && leading.firstOfSortedBack && !inFirstSense(entry, leading.word)
                && !givesFirst(leading.word, entry.headword)) {
                const auto first = std::find_if(candidates.begin(), candidates.end(), [&](const Candidate &c) {
                    if (!c.own || !c.confirmed || !c.linked || !inFirstSense(entry, c.word))
                        return false;
                    const QString folded = foldedLower(c.word);
                    return looksAlike(folded, headword) || sharesStem(folded, headword)
                           || (firstSenseFirst && c.placeBack == 0 && c.firstSenseBack
                               && c.cost <= leading.cost + kTwinMargin);
                });
                if (first != candidates.end())
                    candidates.move(first - candidates.begin(), 0);
            }
        }
        // fra-eng numbers a word's senses main sense first, and the German
        // links now and then favour a side sense: "agiter: 1. agitate,
        // stir up 2. swing", yet fra-deu's "schwingen" links "swing". Where a
        // word of a later sense leads that does not share the headword's
        // stem, a linked word of the first sense that does comes first; the
        // stem and the link together vouch for it. Not past a word whose own
        // row in the other table starts with the headword ("coat: manteau"
        // keeps "coat" before "mantle"). Only a word the two agree on: the
        // first sense alone is often narrow or wrong ("sursauter:
        // 1. start" is right, "Russe: 1. Russian woman" is not the main
        // word), and the links are what rank it right there.
        if (firstSenseFirst && !phraseHeadword && !entry.firstSense.isEmpty() && !candidates.isEmpty()) {
            const QString headword = foldedLower(entry.headword);
            const Candidate &leading = candidates.constFirst();
            if (!entry.firstSense.contains(leading.word) && !sharesStem(foldedLower(leading.word), headword)
                && !(givesFirst && givesFirst(leading.word, entry.headword))) {
                const auto stem = std::find_if(candidates.begin(), candidates.end(), [&](const Candidate &c) {
                    return c.linked && entry.firstSense.contains(c.word) && sharesStem(foldedLower(c.word), headword);
                });
                if (stem != candidates.end())
                    candidates.move(stem - candidates.begin(), 0);
            }
        }
        // A word of a later sense that leads, and that neither shares nor
        // resembles the headword, gives way to the twin or look-alike of the
        // headword that fra-eng's numbered first sense lists beside other
        // words ("compassion: 1. compassion, pity 2. charity, mercifulness,
        // mercy"), where that is as well linked: the twin is often rarer by
        // the frequency list than the everyday word of a side sense, and an
        // English row giving the headword alone ("mercy: compassion") earns
        // the side sense the main-sense bonus. A first sense of the twin
        // alone is often its narrow learned sense ("mouton: 1. mutton
        // 2. sheep", "sentiment: 1. sentiment 2. feeling") and does not
        // count. A word of the first sense that only shares the stem goes
        // first too ("extrêmement: 1. extremely 2. most"), unless the
        // leader's own English row starts with the headword ("coat" keeps
        // its lead over "mantle" in "manteau: 1. cloak, mantle 2. coat").
        // An unlinked word of the first sense goes before a linked leader
        // only where it shares the stem, the other direction gives the
        // headword in its first sense and it is at least as likely by its
        // rank and places ("proprement: 1. decently, properly ... 4. just,
        // exactly, okay, right", where fra-deu's "gerade" links "exactly"
        // alone): the links then only tell that the side sense is real.
        if (firstSenseFirst && !phraseHeadword && !entry.firstSense.isEmpty() && !candidates.isEmpty()) {
            const QString headword = foldedLower(entry.headword);
            const Candidate &leading = candidates.constFirst();
            const QString leader = foldedLower(leading.word);
            if (leader != headword && !sharesStem(leader, headword) && !looksAlike(leader, headword)
                && !inFirstSense(entry, leading.word)) {
                const bool leaderGivesFirst = givesFirst && givesFirst(leading.word, entry.headword);
                const auto cognate = std::find_if(candidates.begin(), candidates.end(), [&](const Candidate &c) {
                    if (!c.own || !c.confirmed || !inFirstSense(entry, c.word))
                        return false;
                    const QString folded = foldedLower(c.word);
                    if (leading.linked && !c.linked
                        && !(sharesStem(folded, headword) && c.firstSenseBack && c.cost <= leading.cost))
                        return false;
                    if (folded == headword || looksAlike(folded, headword))
                        return entry.firstSense.size() > 1;
                    return !leaderGivesFirst && sharesStem(folded, headword);
                });
                if (cognate != candidates.end())
                    candidates.move(cognate - candidates.begin(), 0);
            }
        }
        // The other direction now and then lacks the row's own first word
        // where that is the headword's look-alike: eng-fra gives "calamus:
        // calame, jonc odorant, lis des marais" and fra-eng "calame: reed
        // pen", so the confirmed phrases ranked before "calame". Where the
        // links do not tell the two apart (a third pair links both or
        // neither: "enigma: énigme, puzzle", where fra-eng has no "énigme"
        // and "Rätsel" links both) and the leader does not resemble the
        // headword, that first word comes first when it is likelier by its
        // rank and the look. Not where the headword is itself a word of the row's
        // language the row does not give: fra-eng's "hangar: hanger" is a
        // misspelling of English "hangar", not its twin.
        if (!phraseHeadword && !candidates.isEmpty() && !entry.translations.isEmpty()
            && !(isListedTargetWord && isListedTargetWord(entry.headword.toLower()))) {
            const QString headword = foldedLower(entry.headword);
            const Candidate &leading = candidates.constFirst();
            const QString leader = foldedLower(leading.word);
            if (leader != headword && !looksAlike(leader, headword) && !sharesStem(leader, headword)) {
                const auto first = std::find_if(candidates.begin(), candidates.end(), [&](const Candidate &c) {
                    const QString folded = foldedLower(c.word);
                    return c.own && !c.confirmed && c.linked == leading.linked
                           && c.word == entry.translations.constFirst()
                           && (folded == headword || looksAlike(folded, headword)) && c.cost < leading.cost;
                });
                if (first != candidates.end())
                    candidates.move(first - candidates.begin(), 0);
            }
        }
        // eng-fra gives a word's look-alike first now and then, where fra-deu
        // links another word of the row: "affected: 1. affecté 2. artificiel"
        // and "effect: 1. effet, impression", where three German words link
        // "impression" and one "effet". Where fra-eng confirms that first
        // item in the first sense of its own row, it goes before a leader
        // that neither resembles nor shares the headword; the links only
        // tell that the other word's sense is real. Not an item first only
        // by its letters beside a commoner one (see sideOfSortedList:
        // "recover: 1. recouvrer, récupérer"), nor a verb past a noun
        // ("honor: 1. honorer 2. honneur"). Only where `firstSenseFirst`
        // leaves the order to the links and the look (eng-fra's rows, and
        // fra-eng's in the first pass).
        if (!firstSenseFirst && !phraseHeadword && !entry.firstSense.isEmpty() && !candidates.isEmpty()
            && !entry.translations.isEmpty()) {
            const QString headword = foldedLower(entry.headword);
            const Candidate &leading = candidates.constFirst();
            const QString leader = foldedLower(leading.word);
            if (leader != headword && !looksAlike(leader, headword) && !sharesStem(leader, headword)
                && !sideOfSortedList(entry, &targetRanks)) {
                const auto first = std::find_if(candidates.begin(), candidates.end(), [&](const Candidate &c) {
                    const QString folded = foldedLower(c.word);
                    return c.own && c.confirmed && c.firstSenseBack && c.word == entry.translations.constFirst()
                           && inFirstSense(entry, c.word) && (folded == headword || looksAlike(folded, headword))
                           && !(partOfSpeech && partOfSpeech(leading.word) == QLatin1Char('n')
                                && partOfSpeech(c.word) == QLatin1Char('v'));
                });
                if (first != candidates.end())
                    candidates.move(first - candidates.begin(), 0);
            }
        }
        // fra-eng lists the words of a sense in alphabetical order, and now
        // and then a word whose own eng-fra row gives the headword only in a
        // later sense stands first there by its letters: "kiosque: barn,
        // shed, stand" beside "barn: 1. baraque 2. échoppe, kiosque, stand".
        // Where a German link alone ranks that first item first, a likelier
        // word of the row's own first sense whose eng-fra row gives the
        // headword in its first sense goes before it ("stand: 1. échoppe,
        // kiosque, stand"). Not past a leader whose own row, ranked, starts
        // with the headword.
        if (firstSenseFirst && !phraseHeadword && !candidates.isEmpty() && !entry.translations.isEmpty()
            && sideOfSortedList(entry, &targetRanks)) {
            const Candidate &leading = candidates.constFirst();
            if (leading.own && leading.linked && !leading.firstSenseBack
                && leading.word == entry.translations.constFirst()
                && !(givesFirst && givesFirst(leading.word, entry.headword))) {
                const auto sense = std::find_if(candidates.begin(), candidates.end(), [&](const Candidate &c) {
                    return c.own && c.confirmed && c.firstSenseBack && inFirstSense(entry, c.word)
                           && c.cost < leading.cost;
                });
                if (sense != candidates.end())
                    candidates.move(sense - candidates.begin(), 0);
            }
        }
        // A word of the row's own first sense that shares the headword's stem
        // goes before a leader that shares no stem, even unlinked, where no
        // frequency list knows the leader and it is no likelier by its
        // places: fra-deu's links then only pick one of equally rare words
        // ("obtus: dull, obtuse", where "dull" gives "obtus" in its third
        // sense). A listed leader keeps its place ("avidité": "greediness").
        if (firstSenseFirst && !phraseHeadword && !candidates.isEmpty()) {
            const QString headword = foldedLower(entry.headword);
            const Candidate &leading = candidates.constFirst();
            const QString leader = foldedLower(leading.word);
            if (targetRanks.phraseRank(leading.word) <= 0 && !sharesStem(leader, headword)
                && !looksAlike(leader, headword) && !(givesFirst && givesFirst(leading.word, entry.headword))) {
                const auto stem = std::find_if(candidates.begin(), candidates.end(), [&](const Candidate &c) {
                    return c.own && c.confirmed && c.firstSenseBack && inFirstSense(entry, c.word)
                           && sharesStem(foldedLower(c.word), headword) && c.cost <= leading.cost;
                });
                if (stem != candidates.end())
                    candidates.move(stem - candidates.begin(), 0);
            }
        }
        // Where `firstSenseFirst` is set, a look-alike of the headword that
        // both dictionaries pair with it, the other first and in the word's
        // first sense, and that is the likeliest word of the row by its rank
        // and places (a word of the frequency list: a rare one, "avidity",
        // leads by its bonuses alone) comes first even where fra-deu links
        // other words only: "apprécier: 1. esteem
        // 2. appraise, estimate, rate 3. appreciate, like" beside
        // "appreciate: 1. apprécier", where the German links reach "estimate"
        // and "like" and miss "appreciate".
        if (firstSenseFirst && !phraseHeadword && !candidates.isEmpty()) {
            const QString headword = foldedLower(entry.headword);
            const auto cheapest = std::min_element(candidates.begin(), candidates.end(),
                                                   [](const Candidate &a, const Candidate &b) { return a.cost < b.cost; });
            const QString folded = foldedLower(cheapest->word);
            if (cheapest != candidates.begin() && cheapest->own && cheapest->confirmed && cheapest->firstSenseBack
                && cheapest->placeBack == 0 && targetRanks.phraseRank(cheapest->word) > 0
                && (folded == headword || looksAlike(folded, headword)))
                candidates.move(cheapest - candidates.begin(), 0);
        }
        // The headword's regular English form ("abortif: abortive", "-if"
        // as "-ive", "-té" as "-ty") that fra-eng's first sense lists among
        // other words, and eng-fra translates back to it, is the main
        // translation: fra-deu's German cognate ("abortiv") is often missing
        // from trans-de-en, so the links pick an everyday word of the list
        // ("vain") instead. Not past a leader that resembles or shares the
        // headword, or whose own row, ranked, starts with the headword.
        if (firstSenseFirst && !phraseHeadword && !candidates.isEmpty()) {
            const QString headword = foldedLower(entry.headword);
            const Candidate &leading = candidates.constFirst();
            const QString leader = foldedLower(leading.word);
            const QStringList &sense = entry.firstSense.isEmpty() ? entry.translations : entry.firstSense;
            if (sense.size() > 1 && leader != headword && !looksAlike(leader, headword) && !sharesStem(leader, headword)
                && !(givesFirst && givesFirst(leading.word, entry.headword))) {
                const auto cognate = std::find_if(candidates.begin(), candidates.end(), [&](const Candidate &c) {
                    return c.own && c.confirmed && inFirstSense(entry, c.word)
                           && isRegularCognate(headword, foldedLower(c.word));
                });
                if (cognate != candidates.end())
                    candidates.move(cognate - candidates.begin(), 0);
            }
        }
        // A numbered first sense of one word that both dictionaries give in
        // their first senses ("désolé: 1. sad 2. dreary, gaunt" and "sad:
        // 1. affligé, désolé, peiné, triste") goes before a linked leader of
        // a later sense that is clearly rarer by the frequency list, which
        // knows the word: the links only tell that the side sense is real.
        // Even past a leader whose own row starts with the headword, since
        // fra-eng gives it the headword in a later sense only ("dreary:
        // 1. désert, désolé"). Not past a leader that resembles or shares the
        // headword ("immense: 1. enormous 2. huge, immense").
        if (firstSenseFirst && !phraseHeadword && entry.firstSense.size() == 1 && !candidates.isEmpty()) {
            const QString headword = foldedLower(entry.headword);
            const Candidate &leading = candidates.constFirst();
            const QString leader = foldedLower(leading.word);
            if (leading.linked && !inFirstSense(entry, leading.word) && leader != headword
                && !looksAlike(leader, headword) && !sharesStem(leader, headword)) {
                const auto sense = std::find_if(candidates.begin(), candidates.end(), [&](const Candidate &c) {
                    return c.own && c.confirmed && c.firstSenseBack && inFirstSense(entry, c.word)
                           && targetRanks.phraseRank(c.word) > 0 && c.cost + kClearlyCommoner <= leading.cost;
                });
                if (sense != candidates.end())
                    candidates.move(sense - candidates.begin(), 0);
            }
        }
        // A compound of a word of the row ("coffee-house" and "coffee" for
        // "café", "look at" and "look" for "regarder") is a narrower sense
        // of it and goes after it, unless only the compound is linked or
        // confirmed: fra-deu's German compounds ("Kaffeehaus") link the
        // compound more often than its word. A reflexive verb is a verb of
        // its own (see verbOfReflexive), not a compound of its verb. In the
        // row of a phrase only a hyphenated compound, itself one word
        // ("flat-iron" after "iron" for "fer à repasser", as fra-eng has
        // them): a phrase is the likely translation of a phrase.
        for (qsizetype i = 0; i < candidates.size(); ++i) {
            const Candidate &compound = candidates.at(i);
            if (!verbOfReflexive(compound.word).isEmpty()
                || (phraseHeadword && compound.word.contains(QLatin1Char(' '))))
                continue;
            const QStringList parts = QString(compound.word)
                                          .replace(QLatin1Char('-'), QLatin1Char(' '))
                                          .split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (parts.size() < 2)
                continue;
            for (qsizetype j = i + 1; j < candidates.size(); ++j) {
                const Candidate &part = candidates.at(j);
                if (parts.contains(part.word) && (part.linked || !compound.linked)
                    && (part.confirmed || !compound.confirmed)) {
                    candidates.move(j, i);
                    break;
                }
            }
        }
        // Of a verb and its reflexive ("réfugier", "se réfugier"), one the
        // row's own dictionary gives goes before one only filled in: the
        // other direction gives the bare verb for the reflexive's sense now
        // and then ("réfugier: take refuge"), where eng-fra has "take
        // refuge: se réfugier" alone.
        for (qsizetype i = 0; i < candidates.size(); ++i) {
            if (candidates.at(i).own)
                continue;
            const QString reflexiveVerb = verbOfReflexive(candidates.at(i).word);
            for (qsizetype j = i + 1; j < candidates.size(); ++j) {
                const Candidate &later = candidates.at(j);
                if (later.own
                    && (later.word == reflexiveVerb
                        || (reflexiveVerb.isEmpty() && verbOfReflexive(later.word) == candidates.at(i).word))) {
                    candidates.move(j, i);
                    break;
                }
            }
        }
        // A word the row's own dictionary translates first by itself
        // ("congestion: congestion, rush") keeps that place over a word
        // barely commoner ("rush", whose own row ends with "congestion"):
        // the twin the dictionary names first is the word's main sense. Not a
        // name ("Bretagne: Bretagne, Brittany") nor a twin the word list of
        // its language lacks (a misspelt "ornament" for "ornement"), and not
        // where another word is clearly commoner. A leader whose own row in
        // the other direction gives the headword only in a later sense is
        // commoner by that other sense ("rubber: 1. caoutchouc 2. condom,
        // préservatif"), and its commonness does not count against a twin
        // whose own row starts with the headword ("condom: condom,
        // préservatif"), where the links do not favour the leader.
        // A twin with other accents counts too ("suprême: supreme").
        const QString ownFirst = entry.translations.value(0);
        if (!phraseHeadword && !ownFirst.isEmpty() && foldedLower(ownFirst) == foldedLower(entry.headword)
            && ownFirst.at(0).isLower() && isListedTargetWord && isListedTargetWord(ownFirst)) {
            const auto twin = std::find_if(candidates.begin(), candidates.end(),
                                           [&ownFirst](const Candidate &c) { return c.word == ownFirst; });
            const Candidate &leading = candidates.constFirst();
            const bool leaderCommonerElsewhere = twin != candidates.end() && twin->confirmed
                                                 && twin->placeBack == 0 && twin->firstSenseBack
                                                 && leading.confirmed && !leading.firstSenseBack
                                                 && !twin->linked && !leading.linked;
            if (twin != candidates.end() && (twin->cost <= leading.cost + kTwinMargin || leaderCommonerElsewhere))
                candidates.move(twin - candidates.begin(), 0);
        }
        // Among words equally likely by their rank, places and links, the
        // headword's twin goes first wherever the row's own dictionary lists
        // it: the dictionaries list the words of a sense alphabetically
        // ("flatter: aduler, amadouer, flatter"), and the twin both
        // dictionaries pair with the headword in its first sense is the main
        // translation ("flatter: flatter").
        if (!phraseHeadword && !candidates.isEmpty() && isListedTargetWord) {
            const QString headword = foldedLower(entry.headword);
            const Candidate &leading = candidates.constFirst();
            const auto twin = std::find_if(candidates.begin(), candidates.end(), [&](const Candidate &c) {
                return c.own && c.confirmed && c.firstSenseBack && c.word.at(0).isLower()
                       && foldedLower(c.word) == headword && isListedTargetWord(c.word) && c.cost <= leading.cost
                       && (c.linked || !leading.linked);
            });
            if (twin != candidates.end())
                candidates.move(twin - candidates.begin(), 0);
        }
        putLoneFirstSenseTwinBeforeRareWords(candidates, entry, targetRanks);
        putListedBaseBeforeItsDerivative(candidates, entry.headword, targetRanks);
        if (firstSenseFirst && !phraseHeadword)
            putLeadersKinBeforeEquallyRareLaterSenses(candidates, entry, targetRanks);
        if (firstSenseFirst && !phraseHeadword)
            putLikelyFirstSenseBeforeLaterLeader(candidates, entry, targetRanks, givesFirst);
        if (firstSenseFirst && !phraseHeadword)
            putAgreedFirstSenseBeforeUnlinkedLaterLeader(candidates, entry, givesFirst);
        if (firstSenseFirst && !phraseHeadword)
            putAgreedLoneFirstSenseBeforeLookAlikeOfLaterSense(candidates, entry, targetRanks, links);
        putOwnFirstBeforeFalseFriend(candidates, entry, ownFirstOf, reverseItems);
        if (!firstSenseFirst)
            putRareLookAlikeBeforeEquallyRareLeader(candidates, entry.headword, targetRanks);
        if (!firstSenseFirst)
            putOwnFirstSenseBeforeLeaderMeaningItsTwin(candidates, entry, reverseItems);
        // A word that is a noun and a verb ("water": "eau", "abreuver") is
        // taught by its noun: where a verb leads, the row's own noun that
        // translates back to the headword first ("eau: water") and is
        // commoner than every other word comes first. fra-deu lacks some of
        // the commonest nouns ("eau"), so their links cannot rank them.
        if (partOfSpeech && givesFirst && !phraseHeadword && !candidates.isEmpty()
            && partOfSpeech(candidates.constFirst().word) == QLatin1Char('v')) {
            const auto cheapest = std::min_element(candidates.begin(), candidates.end(),
                                                   [](const Candidate &a, const Candidate &b) { return a.cost < b.cost; });
            if (cheapest != candidates.begin() && cheapest->own && cheapest->confirmed
                && partOfSpeech(cheapest->word) == QLatin1Char('n') && givesFirst(cheapest->word, entry.headword))
                candidates.move(cheapest - candidates.begin(), 0);
        }
        // An English phrase whose own items are verbs, none a noun, is a
        // verb ("turn over: renverser"): a noun filled in from the other
        // direction does not lead its row. fra-eng now and then writes a
        // compound noun apart ("opération de caisse: turn over" for
        // "turnover"), and a phrase ranks by its rarest word, so the noun
        // would lead on its commoner words alone. The row's own verb goes
        // first; the noun stays behind it.
        if (partOfSpeech && phraseHeadword && !candidates.isEmpty() && !candidates.constFirst().own
            && partOfSpeech(candidates.constFirst().word) == QLatin1Char('n')) {
            const bool ownNoun = std::any_of(candidates.begin(), candidates.end(), [&](const Candidate &c) {
                return c.own && partOfSpeech(c.word) == QLatin1Char('n');
            });
            const auto verb = std::find_if(candidates.begin(), candidates.end(), [&](const Candidate &c) {
                return c.own && partOfSpeech(c.word) == QLatin1Char('v');
            });
            if (!ownNoun && verb != candidates.end())
                candidates.move(verb - candidates.begin(), 0);
        }
        putPlainFirstSenseBeforeNarrowedSideSense(candidates, entry);
        if (firstSenseFirst && !phraseHeadword) {
            putLinkedPhraseOfFirstSenseBeforeLaterLeader(candidates, entry, links);
            putDerivativeOfBaseTranslationFirst(candidates, entry, firstSenseOf, targetRanks);
        }
        if (!phraseHeadword)
            putOwnFirstTwinBeforeLeaderWithTwinOfItsOwn(candidates, entry, reverseItems, givesFirst);

        // Its own translations are all kept, filled-in ones up to the cap. Of
        // a French word spelt with and without its ligature ("œuf", "oeuf"),
        // only the ligature stays.
        QStringList ordered;
        // The cap counts the filled-in words and the row's own confirmed ones.
        // A filled-in word that ranks first and whose own row starts with the
        // headword is the main translation and stays beyond it: eng-fra's
        // "break" gives six words of its own, none "casser", whose row in
        // fra-eng starts with "break".
        const auto givesHeadwordFirst = [&back](const QString &word) {
            return std::any_of(back.begin(), back.end(),
                               [&word](const ReverseWord &w) { return w.word == word && w.first; });
        };
        qsizetype room = kMaxReverseFill
                         - std::count_if(candidates.begin(), candidates.end(),
                                         [](const Candidate &c) { return c.own && c.confirmed; });
        for (const Candidate &candidate : std::as_const(candidates)) {
            if (candidate.word.contains(QLatin1String("oe"))
                && std::any_of(candidates.begin(), candidates.end(), [&candidate](const Candidate &other) {
                       return other.word == QString(candidate.word).replace(QLatin1String("oe"), QStringLiteral("œ"));
                   }))
                continue;
            if (candidate.own) {
                ordered.append(candidate.word);
            } else if (room > 0 || (ordered.isEmpty() && givesHeadwordFirst(candidate.word))) {
                ordered.append(candidate.word);
                --room;
                ++added;
            }
        }
        // The row is cut to its first places later; fra-eng's rows, whose
        // first sense the ranking trusts, give those places to different
        // words.
        if (firstSenseFirst) {
            keepDistinctWordsInFirstPlaces(ordered, entry, candidates, kMaxFrenchTranslations);
            keepFirstSenseWordsBeforeFilledInSideSenses(ordered, entry, candidates, givesFirst,
                                                        kMaxFrenchTranslations);
            keepMainSenseBeforeFarListedSideSense(ordered, entry, candidates, kMaxFrenchTranslations);
            keepWordsOfTheSenseBeforeWordsLinkedElsewhere(ordered, entry, candidates, reverseRows, links,
                                                          kMaxFrenchTranslations);
        }
        entry.translations = ordered;
    }
    merged.removeIf([](const DictdEntry &entry) { return entry.translations.isEmpty(); });
    forward = std::move(merged);
    return added;
}

} // namespace vorbix::import

