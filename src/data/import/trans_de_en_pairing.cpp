// Passes over the whole of trans-de-en that count how its lines pair words
// and render compounds, with the rules that use those counts; the reading of
// words outside brackets, particle verbs, and the rules that give a row's
// last place to another word.

#include "data/import/trans_de_en_internal.h"

#include "data/import/dictd_entry.h"

#include <cctype>
#include <future>

namespace vorbix::import {

namespace detail {

// Whether an English synonym is the verb before it with an adverb particle
// and nothing more ("to fill; to fill up | filling; filling up | ..."): the
// dictionary gives the two together where they share the line's sense, so
// the particle verb is the line's main word as much as the plain verb is,
// as a spelling variant is ("colour [Br.]; color [Am.]"). Read as a later
// synonym, the line that names the particle verb's main sense ("etw.
// auffüllen; anfüllen; ausfüllen {vt} | ... :: to fill; to fill up; ...")
// came after every bare line that gives it first ("zuschütten {vt} | ... ::
// to fill up | ..."). Only the second synonym counts, right after the plain
// verb; a verb with an object or a note ("to fill sth. up") is left alone.
bool isParticleVerbOf(QStringView raw, QStringView verb)
{
    static const QStringList particles{QStringLiteral("up"),   QStringLiteral("down"), QStringLiteral("out"),
                                       QStringLiteral("off"),  QStringLiteral("in"),   QStringLiteral("on"),
                                       QStringLiteral("over"), QStringLiteral("away"), QStringLiteral("back")};
    const QStringView particleVerb = raw.trimmed();
    const QStringView plainVerb = verb.trimmed();
    if (!plainVerb.startsWith(u"to ") || plainVerb.size() < 4 || plainVerb.mid(3).contains(u' '))
        return false;
    if (!particleVerb.startsWith(plainVerb) || particleVerb.size() <= plainVerb.size() + 1
        || particleVerb.at(plainVerb.size()) != u' ')
        return false;
    return particles.contains(particleVerb.mid(plainVerb.size() + 1).toString());
}

// Whether the English synonyms of a line up to the one at `k` are a plain
// verb and then only that verb with adverb particles ("to wear {wore; worn};
// to wear away; to wear down; to wear out <> sth."): the dictionary lists a
// verb's particle verbs after it where they share the line's sense, so each
// is the line's main word as much as the plain verb is. A line of particle
// verbs alone is left alone: there they often name senses of their own
// ("auslaufen :: to run out; to run away"). Read as later synonyms, the
// line that names the main sense of "wear out" ("etw. abnutzen;
// verschleißen") came after every bare line that gives it first
// ("ausglühen", "austreten"). The object marker ("<> sth.") and the past
// forms are left out by cleaning; a synonym with a note or a tag, or any
// other word, ends the list.
bool sharesPlaceAmongOneVerbsParticleVerbs(const QVector<QStringView> &english,
                                           const QVector<TransSynonym> &synonyms, qsizetype k)
{
    if (k < 1 || k >= english.size() || k >= synonyms.size())
        return false;
    QString verb;
    for (qsizetype i = 0; i <= k; ++i) {
        const TransSynonym &synonym = synonyms.at(i);
        const QStringView raw = english.at(i).trimmed();
        if (!raw.startsWith(u"to ") || raw.contains(u'(') || raw.contains(u'[') || synonym.noted
            || synonym.fringe || synonym.sense != Sense::General || synonym.text.isEmpty())
            return false;
        const qsizetype space = synonym.text.indexOf(u' ');
        const QString base = space < 0 ? synonym.text : synonym.text.left(space);
        if (i == 0) {
            if (space >= 0)
                return false;
            verb = base;
        } else if (space < 0 || base != verb
                   || !isParticleVerbOf(QStringLiteral("to ") + synonym.text, QStringLiteral("to ") + verb)) {
            return false;
        }
    }
    return true;
}

namespace {

// The sections of one side of a line as bytes, split at the " | " that
// stand outside brackets (a note may hold one).
QVector<QByteArrayView> sectionsOfSide(QByteArrayView side)
{
    QVector<QByteArrayView> sections;
    int depth = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i < side.size(); ++i) {
        const char c = side.at(i);
        if (c == '(' || c == '[' || c == '{')
            ++depth;
        else if ((c == ')' || c == ']' || c == '}') && depth > 0)
            --depth;
        else if (depth == 0 && c == '|' && i > 0 && side.at(i - 1) == ' ' && i + 1 < side.size()
                 && side.at(i + 1) == ' ') {
            sections.append(side.sliced(start, i - 1 - start));
            start = i + 2;
        }
    }
    sections.append(side.sliced(std::min(start, side.size())));
    return sections;
}

// How many bytes the letter at `at` of UTF-8 text takes, or 0 where no
// letter starts there: the English sides are ASCII but for the odd borrowed
// word ("café") and typographic marks ("referee’s" is "referee" and "s").
// An ASCII letter is told by its code alone, as every locale classes them.
qsizetype utf8LetterLength(QByteArrayView text, qsizetype at)
{
    const auto byte = static_cast<unsigned char>(text.at(at));
    if (byte < 0x80)
        return static_cast<unsigned char>((byte | 0x20) - 'a') < 26 ? 1 : 0;
    const qsizetype length = byte >= 0xf0 ? 4 : byte >= 0xe0 ? 3 : byte >= 0xc0 ? 2 : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    const QString decoded = QString::fromUtf8(text.sliced(at, length));
    return !decoded.isEmpty() && decoded.at(0).isLetter() ? length : 0;
}

// Calls `onWord` with each word of an English section outside brackets,
// letters joined by hyphens ("e-mail" is one word), its ASCII capitals in
// lower case, as bytes in `word` (a buffer the caller keeps, so that the
// words of the whole file take no allocation each).
template<typename OnWord>
void forEachEnglishWordOutsideBrackets(QByteArrayView section, QByteArray &word, OnWord onWord)
{
    int depth = 0;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= section.size(); ++i) {
        const char c = i < section.size() ? section.at(i) : ' ';
        if (c == '(' || c == '[' || c == '{')
            ++depth;
        else if ((c == ')' || c == ']' || c == '}') && depth > 0)
            --depth;
        const qsizetype letter = depth == 0 && i < section.size() ? utf8LetterLength(section, i) : 0;
        const bool hyphen = depth == 0 && c == '-' && start >= 0 && i + 1 < section.size()
                            && utf8LetterLength(section, i + 1) > 0;
        if (letter > 0 || hyphen) {
            if (start < 0)
                start = i;
            i += std::max<qsizetype>(letter, 1) - 1;
        } else if (start >= 0) {
            word.resize(i - start);
            char *out = word.data();
            for (qsizetype k = start; k < i; ++k) {
                const char b = section.at(k);
                *out++ = b >= 'A' && b <= 'Z' ? static_cast<char>(b + ('a' - 'A')) : b;
            }
            onWord(std::as_const(word));
            start = -1;
        }
    }
}

} // namespace

// The words of a section outside brackets, letters joined by hyphens
// ("E-Mail" is one word), in their own case, as views of `section`: the
// notes and tags of a line ("(Parlament)", "[sport]") name no word the line
// translates.
QVector<QStringView> wordsOutsideBrackets(QStringView section)
{
    QVector<QStringView> words;
    int depth = 0;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= section.size(); ++i) {
        const QChar c = i < section.size() ? section.at(i) : QChar(u' ');
        if (c == u'(' || c == u'[' || c == u'{')
            ++depth;
        else if ((c == u')' || c == u']' || c == u'}') && depth > 0)
            --depth;
        const bool inWord = depth == 0
                            && (c.isLetter()
                                || (c == u'-' && start >= 0 && i + 1 < section.size() && section.at(i + 1).isLetter()));
        if (inWord && start < 0) {
            start = i;
        } else if (!inWord && start >= 0) {
            words.append(section.mid(start, i - start));
            start = -1;
        }
    }
    return words;
}

namespace {

// Whether `words` hold `phrase` (words one blank apart) word for word. A
// capitalised German word must match in its case ("Werden" the noun is not
// "werden" the verb); one in lower case matches a capitalised spelling too,
// as at the start of an example sentence ("Kaum ...").
bool holdsPhrase(const QVector<QStringView> &words, const QStringList &phrase)
{
    // Words of other lengths differ in any case (the comparison folds the
    // case of each UTF-16 unit alone), and most differ by length: the
    // length is looked at first.
    const auto same = [](QStringView word, const QString &part) {
        if (word.size() != part.size())
            return false;
        return part.front().isUpper() ? word == part : word.compare(part, Qt::CaseInsensitive) == 0;
    };
    for (qsizetype i = 0; i + phrase.size() <= words.size(); ++i) {
        qsizetype k = 0;
        while (k < phrase.size() && same(words.at(i + k), phrase.at(k)))
            ++k;
        if (k == phrase.size())
            return true;
    }
    return false;
}

// The pairs linesPairingWords counts, numbered: each English word has a
// number, its German words their places in its list, and a line's look-ups
// hash nothing but the English words it names.
struct NumberedPairs
{
    QHash<QByteArray, int> numberOfEnglish;  // the English word as UTF-8
    QVector<QString> english;
    QVector<QStringList> german;             // the German words of each English word
    QVector<QVector<QStringList>> phrases;   // each German word's words, split at blanks
};

NumberedPairs numberedPairs(const QHash<QString, QStringList> &wanted)
{
    NumberedPairs pairs;
    for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) {
        pairs.numberOfEnglish.insert(it.key().toUtf8(), static_cast<int>(pairs.english.size()));
        pairs.english.append(it.key());
        pairs.german.append(it.value());
        QVector<QStringList> &split = pairs.phrases.emplace_back();
        for (const QString &german : it.value())
            split.append(german.split(u' ', Qt::SkipEmptyParts));
    }
    return pairs;
}

// The numbers of the wanted English words each section of an English side
// names outside brackets, as (section, English word), each pair once, in
// the order of the sections.
void wantedWordsOfSections(const QVector<QByteArrayView> &sections, const QHash<QByteArray, int> &numberOfEnglish,
                           QByteArray &word, QVector<std::pair<qsizetype, int>> &named)
{
    named.clear();
    for (qsizetype s = 0; s < sections.size(); ++s) {
        const qsizetype sectionStart = named.size();
        forEachEnglishWordOutsideBrackets(sections.at(s), word, [&](const QByteArray &english) {
            const auto number = numberOfEnglish.constFind(english);
            if (number == numberOfEnglish.cend())
                return;
            const std::pair<qsizetype, int> pair{s, *number};
            if (std::find(named.cbegin() + sectionStart, named.cend(), pair) == named.cend())
                named.append(pair);
        });
    }
}

// For each wanted English word (by its number) and each of its German words
// (by place), how many lines of `text` pair them (see linesPairingWords).
QVector<QVector<int>> pairedLineCounts(const QByteArray &text, const NumberedPairs &pairs)
{
    // The lines that pair each English word with each of its German words,
    // and the last line counted (a line counts once however many of its
    // sections pair the two).
    struct Tally
    {
        int lines = 0;
        int lastLine = -1;
    };
    QVector<QVector<Tally>> tallies(pairs.english.size());
    for (qsizetype e = 0; e < pairs.english.size(); ++e)
        tallies[e].resize(pairs.german.at(e).size());
    QByteArray word;
    QVector<std::pair<qsizetype, int>> named;
    int line = 0;
    forEachRawTransEntry(text, [&](QByteArrayView raw, qsizetype separator) {
        ++line;
        const QVector<QByteArrayView> englishSections = sectionsOfSide(raw.sliced(separator + 4));
        wantedWordsOfSections(englishSections, pairs.numberOfEnglish, word, named);
        if (named.isEmpty())
            return;
        const QVector<QByteArrayView> germanSections = sectionsOfSide(raw.first(separator));
        qsizetype decodedSection = -1;
        QString german;
        QVector<QStringView> germanWords;
        for (const auto &[s, e] : std::as_const(named)) {
            if (s >= germanSections.size())
                break;
            if (s != decodedSection) {
                german = normaliseCharacters(QString::fromUtf8(germanSections.at(s)));
                germanWords = wordsOutsideBrackets(german);
                decodedSection = s;
            }
            const QVector<QStringList> &phrases = pairs.phrases.at(e);
            QVector<Tally> &tally = tallies[e];
            for (qsizetype g = 0; g < phrases.size(); ++g) {
                if (phrases.at(g).isEmpty() || tally.at(g).lastLine == line || !holdsPhrase(germanWords, phrases.at(g)))
                    continue;
                tally[g].lastLine = line;
                ++tally[g].lines;
            }
        }
    });
    QVector<QVector<int>> counts(tallies.size());
    for (qsizetype e = 0; e < tallies.size(); ++e) {
        for (const Tally &tally : std::as_const(tallies.at(e)))
            counts[e].append(tally.lines);
    }
    return counts;
}

// `text` cut in two at the line break nearest its middle, neither half
// copied: each line of the text is a line of one half, whole.
std::pair<QByteArray, QByteArray> halvesAtLineBreak(const QByteArray &text)
{
    qsizetype cut = text.indexOf('\n', text.size() / 2);
    cut = cut < 0 ? text.size() : cut + 1;
    return {QByteArray::fromRawData(text.constData(), cut),
            QByteArray::fromRawData(text.constData() + cut, text.size() - cut)};
}

} // namespace

// For each English word of `wanted` (lower case, a single word), how many
// lines of trans-de-en pair it with each of its German words: the lines
// where some section names the English word on its English side and the
// German word on its German side, outside notes. A line's sections match
// between its sides (the entry, its forms, its compounds and examples), so
// the count takes in every example that renders the one word by the other
// ("Der Schiedsrichter zeigte auf den Elfmeterpunkt. :: The referee pointed
// to the penalty spot."), which the lines of the first sections alone miss.
// The English sides are read as bytes; a German section is decoded only
// where its English section names a wanted word. Each line counts on its
// own, so the two halves of the file are counted at once, the second on a
// thread of its own, and their counts added: this scan is one of the
// longest steps of the German tables.
QHash<QString, QHash<QString, int>> linesPairingWords(const QByteArray &text,
                                                      const QHash<QString, QStringList> &wanted)
{
    const NumberedPairs pairs = numberedPairs(wanted);
    const std::pair<QByteArray, QByteArray> halves = halvesAtLineBreak(text);
    std::future<QVector<QVector<int>>> secondCounts =
        std::async(std::launch::async, [&halves, &pairs] { return pairedLineCounts(halves.second, pairs); });
    const QVector<QVector<int>> lines = pairedLineCounts(halves.first, pairs);
    const QVector<QVector<int>> moreLines = secondCounts.get();
    QHash<QString, QHash<QString, int>> counts;
    for (qsizetype e = 0; e < pairs.english.size(); ++e) {
        for (qsizetype g = 0; g < lines.at(e).size(); ++g) {
            const int total = lines.at(e).at(g) + moreLines.at(e).at(g);
            if (total > 0)
                counts[pairs.english.at(e)][pairs.german.at(e).at(g)] = total;
        }
    }
    return counts;
}

// Puts first the German word that far more lines pair with the English word
// than pair the word the ranking chose: where only the line that gave the
// first word pairs the two, while one other single word is paired by at
// least five lines and five times as many, the dictionary renders the
// English word by that one throughout its entries and examples ("urgency":
// "Dringlichkeit", paired by five lines, not "Eindringlichkeit", the head of
// its one line; "referee": "Schiedsrichter", not "Referent"). A word the file
// uses everywhere pairs with any English word by chance ("die" for "who"):
// the pairs must make at least one in fifty of the lines that name the
// German word. A register's word (colloquial, elevated) does not take the
// place of a plain one.
void putWidelyPairedWordFirst(QVector<const Candidate *> &list, const QHash<QString, int> &pairs,
                              const WordFrequencies &germanLines)
{
    if (list.size() < 2)
        return;
    const Candidate *top = list.first();
    const int topPairs = std::max(1, pairs.value(top->german));
    if (topPairs > 1)
        return;
    auto best = list.end();
    int bestPairs = 0;
    for (auto it = list.begin() + 1; it != list.end(); ++it) {
        const Candidate *candidate = *it;
        const int count = pairs.value(candidate->german);
        if (count <= bestPairs || candidate->german.contains(u' ') || candidate->german == top->german
            || (candidate->germanSense == Sense::SpecialRegister && top->germanSense != Sense::SpecialRegister))
            continue;
        best = it;
        bestPairs = count;
    }
    if (best == list.end() || bestPairs < 5 || bestPairs < 5 * topPairs
        || 50 * bestPairs < germanLines.value((*best)->german.toLower()))
        return;
    moveToFront(list, best);
}

// The head nouns of lines that compound a later noun of theirs, for each
// single English word the line gives alone (see CompoundPairing), keyed
// by the English word in lower case.
QHash<QString, QVector<CompoundPairing>> compoundedPlainNouns(
    const QHash<QString, QVector<const Candidate *>> &byEnglish)
{
    QHash<QString, QVector<CompoundPairing>> pairs;
    for (auto it = byEnglish.cbegin(); it != byEnglish.cend(); ++it) {
        if (it.key().contains(u' '))
            continue;
        for (const Candidate *head : it.value()) {
            if (!head->first || !head->germanFirst || !head->noun || !head->englishAlone)
                continue;
            for (const Candidate *plain : it.value()) {
                if (plain->line != head->line || plain->germanFirst || !plain->noun || plain->german.size() < 4
                    || !endsInWord(head->german, plain->german))
                    continue;
                QVector<CompoundPairing> &known = pairs[it.key().toLower()];
                const CompoundPairing pair{head->german.toLower(), plain->german.toLower()};
                if (std::none_of(known.cbegin(), known.cend(), [&pair](const CompoundPairing &k) {
                        return k.head == pair.head && k.plain == pair.plain;
                    }))
                    known.append(pair);
            }
        }
    }
    return pairs;
}

namespace {

// The UTF-8 bytes of each key of `hash`, mapped to the key.
template<typename Hash>
QHash<QByteArray, QString> utf8Keys(const Hash &hash)
{
    QHash<QByteArray, QString> keys;
    for (auto it = hash.cbegin(); it != hash.cend(); ++it)
        keys.insert(it.key().toUtf8(), it.key());
    return keys;
}

// Walks the English side of a line: calls `onWord` with each run of ASCII
// letters outside brackets, braces and parentheses, in lower case, and then
// `onMark` with the character that ended it and the bracket depth there
// (for any character that is no such letter). The side ends as if with a
// ";". `token` is the caller's buffer, so that a pass over the whole file
// allocates it once.
template<typename OnWord, typename OnMark>
void forEachEnglishWordOutsideBrackets(QByteArrayView englishSide, QByteArray &token, OnWord onWord, OnMark onMark)
{
    int depth = 0;
    token.resize(0);
    for (qsizetype i = 0; i <= englishSide.size(); ++i) {
        const char c = i < englishSide.size() ? englishSide.at(i) : ';';
        if (c == '(' || c == '[' || c == '{')
            ++depth;
        else if ((c == ')' || c == ']' || c == '}') && depth > 0)
            --depth;
        const auto byte = static_cast<unsigned char>(c);
        if (depth == 0 && std::isalpha(byte)) {
            token.append(static_cast<char>(std::tolower(byte)));
            continue;
        }
        if (!token.isEmpty()) {
            onWord(token);
            token.resize(0);
        }
        onMark(c, depth);
    }
}

} // namespace

// Counts, for each pair of `pairs`, the lines that name its English word on
// their English side and a German word holding its head, or its plain noun
// outside the head, on their German side, notes left out on both sides. A
// line counts once for each.
void countCompoundPairings(const QByteArray &text, QHash<QString, QVector<CompoundPairing>> &pairs)
{
    if (pairs.isEmpty())
        return;
    const QHash<QByteArray, QString> englishKeys = utf8Keys(pairs);
    QByteArray token;
    QStringList named;
    forEachRawTransEntry(text, [&](QByteArrayView raw, qsizetype separator) {
        named.clear();
        forEachEnglishWordOutsideBrackets(
            raw.sliced(separator + 4), token,
            [&](const QByteArray &word) {
                const auto key = englishKeys.constFind(word);
                if (key != englishKeys.cend() && !named.contains(*key))
                    named.append(*key);
            },
            [](char, int) {});
        if (named.isEmpty())
            return;
        const QString german = normaliseCharacters(QString::fromUtf8(raw.first(separator))).toLower();
        const QVector<QStringView> germanWords = wordsOutsideBrackets(german);
        for (const QString &english : std::as_const(named)) {
            for (CompoundPairing &pair : pairs[english]) {
                bool head = false;
                bool plain = false;
                for (const QStringView word : germanWords) {
                    const bool holdsHead = word.contains(pair.head);
                    head = head || holdsHead;
                    plain = plain || (!holdsHead && word.contains(pair.plain));
                }
                pair.headLines += head ? 1 : 0;
                pair.plainLines += plain ? 1 : 0;
            }
        }
    });
}

namespace {

// Puts first the later noun of the top word's line that the top word
// compounds, where the line gives both the one English word alone and the
// dictionary renders that word by the plain noun throughout its compounds
// ("Hubkolben {m}; Kolben {m} [techn.] :: piston" beside "Kolbenring {m} ::
// piston ring", "Kolbenstange {f} :: piston rod" and forty more): a German
// compound names a kind of its last part, and the English word is the
// plain thing. The plain noun must stand in at least three lines for the
// English word outside the head, and in four times as many as the head.
// Judged against the rows it changed, the compound alone was as often the
// word the English one means ("Oberschenkel" for "thigh", "Eidechse" for
// "lizard", "Schraubenschlüssel" for "spanner"), and the head's own lines
// and compounds tell it: they render the English word about as often. The
// field tag the dictionary writes after a line's last word is the whole
// line's and does not count against the plain noun; one narrowed by a
// note, colloquial, obsolete or regional, or a plural stays. So does a
// plain noun outside the six words a row keeps (kRowWords): moved up, it
// pushed out of the row the last word, which some German words needed for
// a row of their own ("überfordern" for "floor").
constexpr qsizetype kRowWords = 6;

} // namespace

void putPlainNounOfCompoundingHeadFirst(QVector<const Candidate *> &list, const QVector<CompoundPairing> &pairs)
{
    if (list.size() < 2 || pairs.isEmpty())
        return;
    const Candidate *top = list.first();
    if (!top->first || !top->germanFirst || !top->noun || !top->englishAlone || top->noted || top->englishNoted)
        return;
    const QString head = top->german.toLower();
    const auto kept = list.begin() + std::min<qsizetype>(list.size(), kRowWords);
    const auto plain = std::find_if(list.begin() + 1, kept, [&](const Candidate *candidate) {
        const bool fieldOfLine = candidate->germanSense == Sense::SpecialField && top->lineTagged;
        if (candidate->line != top->line || !candidate->first || candidate->germanFirst || !candidate->noun
            || candidate->plural || candidate->noted || candidate->fringe || candidate->germanColloquial
            || (candidate->germanSense != Sense::General && !fieldOfLine)
            || !endsInWord(top->german, candidate->german))
            return false;
        const QString word = candidate->german.toLower();
        return std::any_of(pairs.cbegin(), pairs.cend(), [&](const CompoundPairing &pair) {
            return pair.head == head && pair.plain == word && pair.plainLines >= 3
                   && pair.plainLines >= 4 * std::max(1, pair.headLines);
        });
    });
    if (plain != kept)
        moveToFront(list, plain);
}

// For each single English word of `wanted` (lower case) and each of its
// German nouns (lower case), how many lines render a phrase the English
// word heads by a compound the noun heads: the lines whose English side
// gives a phrase of several words that ends in the English word and whose
// German side holds a compound ending in the noun, both outside notes
// ("Herzchirurg {m} [med.] :: heart surgeon; cardiac surgeon" for "surgeon"
// and "chirurg"). The noun alone does not count: a word of
// another sense spelt alike ("leichter", lighter in weight, beside the
// boat "Leichter") would. A line counts once for each pair.
QHash<QString, QHash<QString, int>> compoundRenderings(const QByteArray &text, const QHash<QString, QStringList> &wanted)
{
    QHash<QString, QHash<QString, int>> counts;
    if (wanted.isEmpty())
        return counts;
    const QHash<QByteArray, QString> englishKeys = utf8Keys(wanted);
    QByteArray token;
    QByteArray last;  // the last word of the phrase read
    int words = 0;    // the words of the phrase read
    QStringList named;
    forEachRawTransEntry(text, [&](QByteArrayView raw, qsizetype separator) {
        named.clear();
        last.resize(0);
        words = 0;
        forEachEnglishWordOutsideBrackets(
            raw.sliced(separator + 4), token,
            [&](const QByteArray &word) {
                last = word;
                ++words;
            },
            [&](char c, int depth) {
                // A phrase ends at a synonym's or a section's end: its last
                // word heads it where words stand before it ("heart surgeon").
                if (depth == 0 && (c == ';' || c == '|')) {
                    const auto key = words > 1 ? englishKeys.constFind(last) : englishKeys.cend();
                    if (key != englishKeys.cend() && !named.contains(*key))
                        named.append(*key);
                    last.resize(0);
                    words = 0;
                }
            });
        if (named.isEmpty())
            return;
        const QString german = normaliseCharacters(QString::fromUtf8(raw.first(separator))).toLower();
        const QVector<QStringView> germanWords = wordsOutsideBrackets(german);
        for (const QString &english : std::as_const(named)) {
            for (const QString &noun : wanted.value(english)) {
                if (std::any_of(germanWords.cbegin(), germanWords.cend(),
                                [&noun](QStringView word) {
                                    return word.size() > noun.size() + 2 && word.endsWith(noun);
                                }))
                    ++counts[english][noun];
            }
        }
    });
    return counts;
}

// Puts first a noun heading a line for the English word by which the
// dictionary renders that word throughout its compounds, where the ranking
// chose a noun heading another line that hardly any line uses so: "Chirurg
// {m}; Chirurgin {f} [med.] | ... :: medical surgeon; surgeon | ..." with
// "Herzchirurg :: heart surgeon", "Unfallchirurg :: trauma surgeon" and ten
// more, before "Operateur {m}; Operateurin {f} [med.] | ... :: surgeon;
// operating surgeon | ...", named by its own line only. The noun the
// compounds are built on is the standard word; the other, a side synonym.
// The noun must give the English word first or right after a phrase that
// narrows it, with no note, register or region, and be no more special than
// the top; it must render the word in at least five lines and five times as
// many as the top, which at most two lines may use.
void putNounRenderingWordInCompoundsFirst(QVector<const Candidate *> &list, const QHash<QString, int> &renderings)
{
    if (list.size() < 2)
        return;
    const Candidate *top = list.first();
    if (!top->noun || !top->germanFirst || !top->first)
        return;
    const int topCount = std::max(1, renderings.value(top->german.toLower()));
    if (topCount > 2)
        return;
    const auto noun = std::find_if(list.begin() + 1, list.end(), [&](const Candidate *c) {
        const int count = renderings.value(c->german.toLower());
        return c->noun && c->germanFirst && (c->first || c->plainWord) && !c->german.contains(u' ')
               && c->german.compare(top->german, Qt::CaseInsensitive) != 0 && !c->noted && !c->englishNoted
               && !c->fringe && !c->englishRegister && !c->germanColloquial && (!isSpecial(*c) || isSpecial(*top))
               && count >= 5 && count >= 5 * topCount;
    });
    moveToFront(list, noun);
}

namespace {

// Moves the row's word at `from`, past its places, into its last place;
// the word there comes right behind the places. Returns that word.
QString giveLastPlaceTo(QStringList &german, QVector<const Candidate *> &kept, qsizetype from)
{
    const qsizetype last = kMaxGermanTranslations - 1;
    const QString displaced = german.at(last);
    german.move(from, last);
    kept.move(from, last);
    return displaced;
}

} // namespace

// Gives the last of a row's places to another sense of the English word
// where all the places go to the nouns of at most two bare lines (one
// section each: no plural, compound or example), the words of one sense and
// mostly its gender and spelling variants ("Ankleider {m}; Ankleiderin {f};
// Garderobier {m}; Garderobiere {f} :: dresser" and "Gardrobier {m};
// Gardrobiere {f} :: dresser; costumer"). The place goes to the first noun
// further down that heads a full entry of its own, its plural given, with no
// note, field or register tag or fringe mark ("Kommode {f} | Kommoden {pl}
// :: chest of drawers; dresser [Am.]; ..."): a learner is better served by
// a second sense than by a sixth variant of one. The word that gives way
// comes right behind the row's places; it is returned, so that it keeps its
// own German row (an empty string where nothing moved). `german` and `kept`
// are the row's words and their candidates, one for one.
QString giveOneSensesLastPlaceToOtherNounEntry(QStringList &german, QVector<const Candidate *> &kept)
{
    constexpr qsizetype places = kMaxGermanTranslations;
    if (german.size() <= places || kept.size() != german.size())
        return {};
    QSet<int> lines;
    for (qsizetype i = 0; i < places; ++i) {
        const Candidate *candidate = kept.at(i);
        if (!candidate->noun || candidate->sections != 1)
            return {};
        lines.insert(candidate->line);
    }
    if (lines.size() > 2)
        return {};
    for (qsizetype i = places; i < kept.size(); ++i) {
        const Candidate *candidate = kept.at(i);
        if (candidate->noun && candidate->germanFirst && candidate->pluralForms && !candidate->plural
            && !candidate->noted && !candidate->fringe && !isSpecial(*candidate)) {
            return giveLastPlaceTo(german, kept, i);
        }
    }
    return {};
}

// Gives the last of a row's places, held by a noun a note narrows to one
// use ("Übersiedlung {f}; ... (Wechsel des Wohnsitzes) :: move [Br.]; ...;
// moving [Am.]"), to an adjective further down that two or more lines give
// the English word ("rührend {adj} :: touching; moving" and "ergreifend
// {adj}; rührend {adj} :: touching {adj}; moving {adj}"): lines that agree
// on an adjective name the English word's use as one, which a row filled
// with nouns of its uses as a noun leaves out, while the note marks a side
// use. The adjective heads a line, and no note, tag or fringe mark narrows
// it on any of its lines. Judged against the rows it changed, the same for
// any word further down in place of any noted word as often pushed out a
// main word ("zähflüssig" in place of "gleichbleibend" for "consistent") as
// it let one in. `list` is the ranked list the row was made of. The word
// that gives way comes right behind the row's places and is returned, as
// by giveOneSensesLastPlaceToOtherNounEntry.
QString giveNotedNounsLastPlaceToAdjectiveOfSeveralLines(QStringList &german, QVector<const Candidate *> &kept,
                                               const QVector<const Candidate *> &list)
{
    constexpr qsizetype places = kMaxGermanTranslations;
    if (german.size() <= places || kept.size() != german.size() || !kept.at(places - 1)->noted
        || !kept.at(places - 1)->noun)
        return {};
    for (qsizetype i = places; i < kept.size(); ++i) {
        const Candidate *candidate = kept.at(i);
        if (!candidate->germanFirst || candidate->noun || candidate->englishVerb || !candidate->wordClass.adjective)
            continue;
        QSet<int> lines;
        bool plain = true;
        for (const Candidate *other : list) {
            if (other->german != candidate->german)
                continue;
            lines.insert(other->line);
            plain = plain && !other->noted && !other->fringe && !isSpecial(*other) && !other->englishRegister
                    && !other->germanColloquial && !other->englishDated;
        }
        if (plain && lines.size() >= 2) {
            return giveLastPlaceTo(german, kept, i);
        }
    }
    return {};
}

CoreWordScans scanForCoreWords(const QByteArray &text, const QSet<QString> &core, const QSet<QString> &lowerCore)
{
    return {englishWordUsesInTrans(text, lowerCore), pluralSectionSenses(text, core)};
}

} // namespace detail

} // namespace vorbix::import
