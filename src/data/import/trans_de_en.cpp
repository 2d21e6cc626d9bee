#include "data/import/trans_de_en.h"

#include "data/import/dictd_entry.h"
#include "data/import/input_file.h"
#include "data/import/trans_de_en_internal.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdint>
#include <future>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vorbix::import {

namespace detail {

namespace {

// Gives an English adverb's place to its own adjective where the German
// word's list holds both and the adjective stands behind it ("ausschweifend":
// "dissipatedly" of the adverb line before "dissipated", a later word of the
// adjective's full entry): a German adjective serves as its adverb unchanged,
// so the adjective names the word and the adverb only one use of it. Without
// the swap the row kept the adverbs and lost their adjectives to the cap.
template<typename Commonness>
void putAdjectivesInTheirAdverbsPlace(QVector<const Candidate *> &list, Commonness commonness)
{
    for (qsizetype i = 1; i < list.size(); ++i) {
        const Candidate *adverb = list.at(i);
        if (!adverb->wordClass.adverb || adverb->wordClass.adjective)
            continue;
        const QStringList adjectives = adjectivesOfAdverb(adverb->english);
        if (adjectives.isEmpty() || std::any_of(list.cbegin(), list.cbegin() + i, [&adjectives](const Candidate *c) {
                return adjectives.contains(c->english);
            }))
            continue;
        for (qsizetype j = i + 1; j < list.size(); ++j) {
            const Candidate *adjective = list.at(j);
            if (adjective->laterSense && !adverb->laterSense && adjective->wordClass.adjective
                && adjectives.contains(adjective->english) && !adjective->noted
                && !adjective->fringe && !isSpecial(*adjective) && !adjective->englishRegister
                && commonness(*adjective) >= commonness(*adverb)) {
                std::swap(list[i], list[j]);
                break;
            }
        }
    }
}


// Where each German word stands in the first section of a line.
struct GermanOnLine
{
    qsizetype start;
    qsizetype end;
    int line;
    int position;
    Sense sense;
    bool noun;
    bool fringe;
    bool noted;
    bool dated = false;
    // The German word's own English word, where it is a later synonym
    // with one further on the line (counterpartPlace), or a noun of the
    // other sex than the line's main English word (ownSexPlace).
    TransSynonym counterpart{};
    // The line's main English word names the other sex (ownSexPlace): it is
    // no sense of this German word.
    bool headOfOtherSex = false;
};

// A line of the text by its bytes, and its number.
struct LineSpan
{
    qsizetype start;
    qsizetype end;
    int line;
};

// What germanSourcesFromTrans gathers from the lines, each line on its own.
struct LineState
{
    QVector<Candidate> candidates;
    QHash<QString, QVector<GermanOnLine>> linesOfGerman;
    // The lines without a core word, whose German side is cleaned only when
    // it may hold one of the German words met (their own senses are wanted).
    QVector<LineSpan> otherLines;
    // The first English synonym of each line whose German words are kept
    // track of: the line's main sense.
    QHash<int, TransSynonym> mainSenseOfLine;
    // The English words a line gives after its main one, for the lines a
    // kept German word heads (see addLaterSensesOfHeadedLine).
    QHash<int, QVector<TransSynonym>> laterSensesOfLine;

    // Adds the state of the lines that follow these. Lists go on after
    // their own items, so each stays in file order; the lines' numbers are
    // their own, so no line's senses meet another's.
    void join(LineState &&later)
    {
        candidates.append(std::move(later.candidates));
        for (auto it = later.linesOfGerman.begin(); it != later.linesOfGerman.end(); ++it)
            linesOfGerman[it.key()].append(std::move(it.value()));
        otherLines.append(std::move(later.otherLines));
        mainSenseOfLine.insert(later.mainSenseOfLine);
        laterSensesOfLine.insert(later.laterSensesOfLine);
    }
};

// Runs `work(i)` for every piece i below `pieces` on `threads` threads (the
// calling one among them), each taking the next piece not yet run: where
// some pieces cost more than others, no thread idles while another still
// has several to do. Each piece writes only its own state, which the caller
// joins in piece order once all have run.
template<typename Work>
void runPiecesOnThreads(qsizetype pieces, int threads, const Work &work)
{
    std::atomic<qsizetype> next{0};
    const auto runPieces = [&] {
        for (qsizetype i = next++; i < pieces; i = next++)
            work(i);
    };
    std::vector<std::future<void>> helpers;
    for (int t = 1; t < std::min<qsizetype>(threads, pieces); ++t)
        helpers.push_back(std::async(std::launch::async, runPieces));
    runPieces();
    for (std::future<void> &helper : helpers)
        helper.get();
}

// Reads `text` with `readLines(from, to, linesBefore, state)` in `chunks`
// pieces of about equal size, cut at line ends, on `threads` threads that
// each take the next piece not yet read. Reading a line looks at no other
// line, and the line loop is most of the German reader's time, so it need
// not hold one core while the other idles. The lines that cost the most
// (those with core words) are not spread evenly over the file: many small
// pieces keep the threads busy to the end. Each piece numbers its lines on
// from the lines before it, and the pieces are joined in file order: the
// result is the one of a single pass over the whole text.
template<typename ReadLines>
LineState readLinesInChunks(const QByteArray &text, int chunks, int threads, const ReadLines &readLines)
{
    struct Piece
    {
        qsizetype from;
        qsizetype to;
        int linesBefore;
    };
    QVector<Piece> pieces;
    qsizetype from = 0;
    int linesBefore = 0;
    for (int i = 1; i <= std::max(1, chunks) && from < text.size(); ++i) {
        qsizetype to = text.size();
        if (i < chunks) {
            const qsizetype newline = text.indexOf('\n', std::max(from, text.size() * i / chunks));
            to = newline < 0 ? text.size() : newline + 1;
        }
        pieces.append({from, to, linesBefore});
        linesBefore += static_cast<int>(std::count(text.cbegin() + from, text.cbegin() + to, '\n'));
        from = to;
    }
    if (pieces.isEmpty())
        return {};
    std::vector<LineState> states(pieces.size());
    runPiecesOnThreads(pieces.size(), threads, [&](qsizetype i) {
        readLines(pieces.at(i).from, pieces.at(i).to, pieces.at(i).linesBefore, states[i]);
    });
    LineState state = std::move(states.front());
    for (std::size_t i = 1; i < states.size(); ++i)
        state.join(std::move(states[i]));
    return state;
}

// What ranking the German words' senses adds to GermanSources, for the
// words of one piece (see germanSourcesFromTrans): each word's row and the
// marks on its senses, all keyed by the German word itself.
void joinGermanRows(GermanSources &into, GermanSources &&piece)
{
    into.germanToEnglish.insert(piece.germanToEnglish);
    into.mainEntrySenses.unite(piece.mainEntrySenses);
    into.sideSenses.unite(piece.sideSenses);
    into.headedSenses.unite(piece.headedSenses);
    into.headedLineWords.unite(piece.headedLineWords);
    into.plainFirstSenses.unite(piece.plainFirstSenses);
    into.spoiltSenses.insert(piece.spoiltSenses);
}

} // namespace

} // namespace detail

using namespace detail;

GermanSources germanSourcesFromTrans(const QByteArray &text, const QStringList &coreEnglish, TransWordCounts counts,
                                     const QSet<QString> &englishWordList, int lineChunks)
{
    const QSet<QString> core(coreEnglish.cbegin(), coreEnglish.cend());
    QHash<QString, QStringList> coreByLower;
    for (const QString &word : coreEnglish)
        coreByLower[word.toLower()].append(word);
    // How the dictionary uses each core word and the senses of the plural
    // sections need nothing but the text and the core words: they are read
    // on a thread of their own while the lines are read below.
    std::future<CoreWordScans> coreWordScans = std::async(
        std::launch::async, [&text, &core, words = QSet<QString>(coreByLower.keyBegin(), coreByLower.keyEnd())] {
            return scanForCoreWords(text, core, words);
        });
    // So is what the lines tell of transitive verbs' participles; only the
    // look-up of the ranked rows at the end waits for it.
    std::future<TransitiveParticipleForms> participleForms =
        std::async(std::launch::async, [&text] { return transitiveParticipleForms(text); });

    const QHash<QString, QString> americanSpelling = spellingPairsOf(text);
    constexpr int kOrdersPerLine = 1 << 10;
    // Reads the lines from byte `from` up to `to`, the lines before them
    // numbering `linesBefore` (see readLinesInChunks).
    const auto readLines = [&](qsizetype from, qsizetype to, int linesBefore, LineState &state) {
        QVector<Candidate> &candidates = state.candidates;
        QHash<QString, QVector<GermanOnLine>> &linesOfGerman = state.linesOfGerman;
        QVector<LineSpan> &otherLines = state.otherLines;
        QHash<int, TransSynonym> &mainSenseOfLine = state.mainSenseOfLine;
        QHash<int, QVector<TransSynonym>> &laterSensesOfLine = state.laterSensesOfLine;
        int order = 0;
        int lineNumber = linesBefore;
        qsizetype start = from;
        while (start < to) {
            const qsizetype lineStart = start;
            const QString line = withoutSharedArticles(withVerbsAlone(takeTransLine(text, start)));
            const qsizetype lineEnd = std::min(start - 1, text.size());
            ++lineNumber;
            order = 0;
            if (line.startsWith(u'#'))
                continue;
            const qsizetype separator = line.indexOf(u" :: ");
            if (separator < 0)
                continue;
            const QStringView germanSide = QStringView(line).left(separator);
            const QStringView englishSide = QStringView(line).mid(separator + 4);

            // The core words among the English synonyms of the entry. Only lines
            // that have one are cleaned on their German side.
            struct Match
            {
                QString english;
                bool first;
                bool special;
                bool fringe;
                bool noted;
                bool byCase = false;  // a capitalised synonym taken for a lower-case word
                int preposition = -1;  // the verb with the preposition of this place in the notes
                bool verb = false;     // given as a verb ("to fry")
                bool bySpelling = false;  // the British spelling of an American core word
                bool register_ = false;   // tagged with a register ("to screw sb. [coll.]")
                bool colloquial = false;  // and colloquial, slang or vulgar
                bool dated = false;       // tagged historical or dated
                bool variant = false;     // tagged as a British or American spelling
                qsizetype place = 0;      // the place of the synonym on the line
                bool pastForms = false;   // a verb with its past forms ("to feed {fed; fed}")
                bool regionalSlang = false;  // first only as another region's slang (slangOfOtherRegion)
                bool objectPhrase = false;   // the verb of "to vaccinate sb. against sth." (verbOfObjectPhrase)
                bool classTagged = false;    // tagged with its word class ("circular {adj}"; tagsOwnWordClass)
                bool particleVerb = false;   // first among its plain verb's particle verbs (sharesPlaceAmongOneVerbsParticleVerbs)
                SharedObjectPhrase shared{};  // the verb of "to demolish a building" (verbOfSharedObjectPhrase)
                bool headOnly = false;       // a later section's phrase of the head word (phrasesPairedWithHeadInLaterSections)
            };
            QVector<Match> matches;
            bool onlyVariantsBefore = true;
            const QVector<QStringView> english = englishSynonymsForGerman(englishSide, germanSide);
            QVector<TransSynonym> englishSynonyms;
            englishSynonyms.reserve(english.size());
            for (const QStringView raw : english)
                englishSynonyms.append(describeEnglishSynonym(raw, germanSide));
            const qsizetype headPlace = mainEnglishPlace(englishSynonyms, germanSide);
            const TransSynonym head = englishSynonyms.value(headPlace);
            onlyVariantsBefore = countryWordsShareFirstPlace(english);
            int englishWords = 0;  // spelling variants of one word count once
            for (qsizetype k = 0; k < english.size(); ++k) {
                const TransSynonym &synonym = englishSynonyms.at(k);
                // A particle verb further along its plain verb's list ("to wear;
                // to wear away; to wear down; to wear out <> sth.").
                const bool particleVerb = headPlace == 0 && k > 0
                                          && !(k == 1 && isParticleVerbOf(english.at(1), english.at(0)))
                                          && sharesPlaceAmongOneVerbsParticleVerbs(english, englishSynonyms, k);
                // "colour [Br.]; color [Am.]": both spellings are the first.
                const bool first = headPlace == 0 ? k == 0 || (synonym.spellingVariant && onlyVariantsBefore)
                                                        || (k == 1 && isParticleVerbOf(english.at(1), english.at(0)))
                                                        || particleVerb
                                                  : k == headPlace;
                onlyVariantsBefore = onlyVariantsBefore && synonym.spellingVariant;
                if (synonym.text.isEmpty())
                    continue;
                if (!synonym.spellingVariant || k == 0)
                    ++englishWords;
                const qsizetype matchesBefore = matches.size();
                // "warten {vi} (auf; bis) :: to wait (for; until)": "warten auf"
                // is "wait for".
                if (first && !synonym.text.contains(u' ') && english.at(k).contains(u'(')) {
                    const QStringList prepositions = prepositionsOf(english.at(k));
                    for (qsizetype p = 0; p < prepositions.size(); ++p) {
                        const QString phrase = synonym.text + u' ' + prepositions.at(p);
                        if (core.contains(phrase)) {
                            matches.append({phrase, first, synonym.sense != Sense::General, synonym.fringe, false,
                                            false, static_cast<int>(p)});
                        }
                    }
                }
                if (core.contains(synonym.text)) {
                    matches.append({synonym.text, first, synonym.sense != Sense::General, synonym.fringe,
                                    synonym.noted});
                } else {
                    // "Earth" at the head of "Erde :: Earth" is "earth". A
                    // capitalised word further on names something else ("Crane"
                    // the constellation, "Trot" the Trotskyist), and "pan" is no
                    // "Pan": a capitalised core word matches only itself. Nor is
                    // a place a common word ("Green {m} (Fluss) [geogr.] :: Green
                    // (river)").
                    for (const QString &spelling : coreByLower.value(synonym.text.toLower())) {
                        if (first && spelling == spelling.toLower() && !germanSide.contains(u"[geogr.]"))
                            matches.append({spelling, first, synonym.sense != Sense::General, synonym.fringe,
                                            synonym.noted, true});
                    }
                }
                if (const QString verb = verbOfObjectPhrase(english.at(k), synonym.text); core.contains(verb)) {
                    matches.append({verb, first, synonym.sense != Sense::General, synonym.fringe, synonym.noted});
                    matches.last().objectPhrase = true;
                }
                if (SharedObjectPhrase shared = verbOfSharedObjectPhrase(english.at(k), synonym.text, germanSide);
                    core.contains(shared.verb) && synonym.sense == Sense::General && !synonym.fringe && !synonym.dated) {
                    matches.append({shared.verb, first, synonym.sense != Sense::General, synonym.fringe, synonym.noted});
                    matches.last().shared = std::move(shared);
                }
                // "vapour" at the head of a line is the core word "vapor", where
                // no other synonym of the line gives that spelling (kept only
                // where no line gives "vapor" first, see below).
                if (const auto variant = americanSpelling.constFind(synonym.text);
                    variant != americanSpelling.cend() && core.contains(*variant)
                    && std::none_of(englishSynonyms.cbegin(), englishSynonyms.cend(),
                                    [&](const TransSynonym &s) { return s.text == *variant; })) {
                    matches.append({*variant, first, synonym.sense != Sense::General, synonym.fringe, synonym.noted});
                    matches.last().bySpelling = true;
                }
                for (qsizetype m = matchesBefore; m < matches.size(); ++m) {
                    matches[m].verb = english.at(k).trimmed().startsWith(u"to ");
                    matches[m].register_ = synonym.sense == Sense::SpecialRegister;
                    matches[m].colloquial = synonym.colloquial;
                    matches[m].dated = synonym.dated;
                    // "to pulverize / pulverise [Br.] sth.": the tag is the
                    // alternative's, not the word's.
                    matches[m].variant = synonym.spellingVariant && !english.at(k).contains(u" / ");
                    matches[m].place = k;
                    matches[m].classTagged = tagsOwnWordClass(english.at(k));
                    matches[m].particleVerb = particleVerb;
                    matches[m].regionalSlang = k > 0 && first && slangOfOtherRegion(synonym, englishSynonyms.first());
                    if (matches[m].verb) {
                        const qsizetype open = english.at(k).indexOf(u'{');
                        const qsizetype close = english.at(k).indexOf(u'}', open + 1);
                        matches[m].pastForms =
                            open >= 0 && close > open && english.at(k).mid(open, close - open).contains(u"; ");
                    }
                }
            }
            // A set phrase of the line's head word in a later section, given
            // for the head alone and after the words of the line's first
            // section.
            for (const QString &phrase : phrasesPairedWithHeadInLaterSections(germanSide, englishSide, core)) {
                if (std::any_of(matches.cbegin(), matches.cend(), [&phrase](const Match &m) { return m.english == phrase; }))
                    continue;
                matches.append({phrase, false, false, false, false});
                matches.last().headOnly = true;
            }
            // A line met only through verbs' object phrases (verbOfObjectPhrase)
            // gives those verbs its words; for its German words' own senses it is
            // read as any other line, whether or not the verbs keep it.
            const bool objectPhrasesOnly =
                std::all_of(matches.cbegin(), matches.cend(), [](const Match &match) {
                    return match.objectPhrase || !match.shared.verb.isEmpty();
                });
            if (objectPhrasesOnly)
                otherLines.append({lineStart, lineEnd, lineNumber});
            if (matches.isEmpty())
                continue;
            const qsizetype germanBar = germanSide.indexOf(u" | ");
            const QStringView forms = germanBar < 0 ? QStringView() : firstSection(germanSide.mid(germanBar + 3));
            const bool ownEntry = englishWords == 1 && forms.contains(u"{pl}") && englishSide.contains(u" | ");
            const qsizetype englishBar = englishSide.indexOf(u" | ");
            const QString laterEnglish =
                englishBar < 0 ? QString() : englishSide.mid(englishBar + 3).toString().toLower();
            const qsizetype firstCandidate = candidates.size();
            const QVector<TransSynonym> germanSynonyms = synonymsOf(germanSide, false);
            if (!objectPhrasesOnly) {
                mainSenseOfLine.insert(lineNumber, head);
                for (qsizetype i = 0; i < englishSynonyms.size(); ++i) {
                    if (i != headPlace)
                        laterSensesOfLine[lineNumber].append(laterSenseOfLine(englishSynonyms, english, i, germanSide));
                }
                for (const TransSynonym &german : germanSynonyms) {
                    const qsizetype sexPlace = ownSexPlace(englishSynonyms, germanSide, german.position, headPlace);
                    const qsizetype own = sexPlace >= 0
                                              ? sexPlace
                                              : counterpartPlace(englishSynonyms, german, headPlace, englishWordList);
                    linesOfGerman[german.text].append({lineStart, lineEnd, lineNumber, german.position, german.sense,
                                                       german.noun, german.fringe, german.noted, german.dated,
                                                       own < 0 ? TransSynonym{} : englishSynonyms.at(own),
                                                       sexPlace >= 0});
                }
            }
            // Common nouns carry their gender; a line whose German words carry
            // none names a place or a person ("Seoul :: Soul; Seoul"), and one
            // whose words are plurals only a people ("Afar {pl}; Adal {pl};
            // Danakil {pl} [soc.] :: Afar"): neither translates a common word.
            const bool commonNoun = std::any_of(germanSynonyms.cbegin(), germanSynonyms.cend(),
                                                [](const TransSynonym &s) { return s.noun && !s.plural; });
            // "Reitsattel {m}; Sattel {m} :: riding saddle; saddle": the German
            // word that the first one compounds gives the plain English word
            // that the first phrase narrows, its own sense, first.
            const qsizetype plainPlace = headPlace == 0 ? plainWordPlace(englishSynonyms) : 0;
            const auto spelledOnBothSides = [&](const QString &word) {
                return std::any_of(englishSynonyms.cbegin(), englishSynonyms.cend(),
                                   [&](const TransSynonym &s) { return s.text == word; });
            };
            const bool hasOwnGermanName =
                std::any_of(germanSynonyms.cbegin(), germanSynonyms.cend(),
                            [&](const TransSynonym &s) { return !spelledOnBothSides(s.text); });
            const QVector<QStringView> germanRaws = splitTopLevel(firstSection(germanSide), u"; ");
            const QString germanExamples = exampleSectionsAfterPlurals(germanSide);
            for (qsizetype g = 0; g < germanSynonyms.size(); ++g) {
                const TransSynonym &german = germanSynonyms.at(g);
                const QString &head = germanSynonyms.first().text;
                const bool namedByItsKinds = plainPlace > 0 && !german.text.contains(u' ')
                                             && compoundedByEarlierSynonyms(germanSynonyms, g)
                                             && onlyFieldTagged(germanRaws.value(german.position));
                const bool compounded = plainPlace > 0 && g > 0 && !german.text.contains(u' ')
                                        && (endsInWord(head, german.text) || namedByItsKinds);
                const qsizetype ownPlace = counterpartPlace(englishSynonyms, german, headPlace, englishWordList);
                // "Athínai; Athen [geogr.] :: Athínai; Athens": where a line
                // gives a name with its local form spelt alike on both sides, the
                // German name of the line's other names is "Athen"; the local
                // form comes after it. A name that only the local form
                // translates ("Mallorca :: Mallorca; Majorca") is not touched,
                // nor are common words ("robust; stabil :: robust; sturdy").
                const auto namesOtherSynonym = [&](const QString &english) {
                    return german.text != english && !english.isEmpty() && english.front().isUpper()
                           && spelledOnBothSides(german.text) && hasOwnGermanName;
                };
                for (const Match &match : std::as_const(matches)) {
                    if (match.byCase && !commonNoun)
                        continue;
                    if (match.headOnly && g != 0)
                        continue;
                    if (match.preposition >= 0) {
                        if (german.position != 0)
                            continue;
                        const QStringList prepositions =
                            prepositionsOf(splitTopLevel(firstSection(germanSide), u"; ").first());
                        if (match.preposition >= prepositions.size()
                            || !isGermanPreposition(prepositions.at(match.preposition)))
                            continue;
                        candidates.append({german.text + u' ' + prepositions.at(match.preposition), match.english,
                                           match.first, german.sense, match.special, true, german.noun, german.fringe,
                                           false, lineNumber, lineNumber * kOrdersPerLine + order++});
                        candidates.last().englishVerb = true;
                        continue;
                    }
                    // Through a shared object (verbOfSharedObjectPhrase) the
                    // German head gives its verb without the object, the line's
                    // other words only where they are single verbs, and none of a
                    // special sense.
                    const bool sharedObject = !match.shared.verb.isEmpty();
                    if (sharedObject && ((german.position != 0 && german.text.contains(u' ')) || german.sense != Sense::General))
                        continue;
                    if (needsDroppedPrepositionForNotedSynonym(english.at(match.place), germanRaws.value(german.position),
                                                               germanRaws.value(0), german.position))
                        continue;
                    if (leavesHeadsPrepositionToBareSynonym(english.at(match.place), germanRaws.value(german.position),
                                                            germanSide, german.position))
                        continue;
                    candidates.append({sharedObject && german.position == 0 ? match.shared.germanVerb : german.text,
                                       match.english, match.first, german.sense, match.special, german.position == 0,
                                       german.noun, german.fringe || match.fringe, german.noted || match.noted,
                                       lineNumber, lineNumber * kOrdersPerLine + order++});
                    candidates.last().englishVerb = match.verb;
                    candidates.last().germanPlace = german.position;
                    candidates.last().englishRegister = match.register_;
                    candidates.last().englishColloquial = match.colloquial;
                    candidates.last().germanColloquial = german.colloquial;
                    candidates.last().englishDated = match.dated && !german.dated;
                    candidates.last().compounded = compounded;
                    candidates.last().plainWord = match.place == plainPlace;
                    candidates.last().namedByItsKinds = namedByItsKinds;
                    candidates.last().counterpartLine = ownPlace >= 0;
                    candidates.last().counterpart = match.place == ownPlace;
                    candidates.last().partOfHeadLikeEnglish =
                        g > 0 && headPlace == 0 && match.place > 0
                        && compoundsAlikeOnBothSides(head, german.text, englishSynonyms.first().text,
                                                     englishSynonyms.at(match.place).text);
                    candidates.last().plural = german.plural;
                    candidates.last().bySpelling = match.bySpelling;
                    // A common noun the dictionary merely capitalises has its
                    // plural capitalised too ("Albino | Albinos").
                    candidates.last().capitalised =
                        match.byCase
                        && !(englishBar >= 0
                             && englishSide.mid(englishBar).contains(englishSynonyms.at(match.place).text + u's'));
                    candidates.last().groupTagged = german.groupTagged;
                    candidates.last().englishVariant = match.variant;
                    candidates.last().englishNoted = match.noted;
                    candidates.last().englishPastForms = match.pastForms;
                    candidates.last().englishClassTagged = match.classTagged;
                    candidates.last().particleVerbOfPlainVerb = match.particleVerb;
                    candidates.last().localName = namesOtherSynonym(match.english);
                    candidates.last().prepositionAfterVerb = german.prepositionAfterVerb;
                    if (match.objectPhrase)
                        readAsVerbOfObjectPhrase(candidates.last(), englishSynonyms.at(match.place).text);
                    candidates.last().sharedObject = sharedObject;
                    candidates.last().objectPair = match.shared.objectPair;
                    candidates.last().regionalSlang = match.regionalSlang;
                    candidates.last().germanObjectNoted = german.objectNoted;
                    candidates.last().englishPlace = static_cast<int>(match.place);
                    candidates.last().namedAgain = namesWordAgain(laterEnglish, match.english, englishBar < 0);
                    candidates.last().germanNamedAgain = namesGermanWordAgain(germanSide, german.text);
                    candidates.last().examplesOfOtherWord =
                        examplesShowOnlyOtherWord(germanExamples, german.text, germanSynonyms);
                    candidates.last().phrasesOfNoLineWord = furtherSectionsNameNoLineWord(germanSide, germanSynonyms);
                    candidates.last().englishPluralByAdjective =
                        german.noun
                        && pluralPlaceNamesAdjective(germanSide, laterEnglish, englishSynonyms, match.place);
                    candidates.last().examplesOfWord =
                        !germanExamples.isEmpty() && germanExamples.contains(germanStemOf(german.text));
                    candidates.last().comparesWord = comparesGermanWord(germanSide, german.text);
                    candidates.last().germanAlone = holdsGermanWordAlone(germanSide);
                    candidates.last().compoundOnly = usedOnlyInCompounds(germanRaws.value(german.position));
                    candidates.last().shownByExamples = examplesShowOnlyLaterSynonym(germanSide, german.position);
                    candidates.last().exampleSentences = givesExampleSentences(germanSide);
                    candidates.last().headsSetPhrase = match.headOnly;
                    candidates.last().neuter =
                        german.noun && firstSection(germanSide).contains(german.text + QStringLiteral(" {n}"));
                    // "Kleiner {m}" is no "little girl" where the line gives "Kleine {f}".
                    candidates.last().otherSex =
                        german.noun
                        && nounOfOtherSexOnMixedLine(germanRaws, german.position,
                                                     sexNamedBy(englishSynonyms.at(match.place).text, englishSynonyms));
                }
            }
            const int sections = static_cast<int>(germanSide.count(u" | ")) + 1;
            // A numeral's line names the number alone, perhaps with its digits
            // ("zweite; zweiter; zweites; zweit…; 2. {num} :: second; 2nd"); one
            // with other English words names a kind of amount ("mehrerlei [ugs.];
            // vielerlei {num} :: various; all kinds of; all sorts of").
            const bool numeralLine = firstSection(germanSide).contains(u"{num}")
                                     && std::all_of(englishSynonyms.cbegin()
                                                        + std::min<qsizetype>(1, englishSynonyms.size()),
                                                    englishSynonyms.cend(), [](const TransSynonym &synonym) {
                                                        return std::any_of(synonym.text.cbegin(), synonym.text.cend(),
                                                                           [](QChar c) { return c.isDigit(); });
                                                    });
            const bool comparison = sections > 2 && givesComparison(germanSide);
            const WordClassTags wordClass = wordClassTagsOf(germanSide);
            const LineFields fields = lineFieldsOf(germanSide, englishSide);
            const bool pluralForms = givesPluralForms(germanSide);
            const bool sectionNoted = holdsNarrowingNote(firstSection(germanSide));
            const bool englishSectionNoted = holdsEnglishNarrowingNote(firstSection(englishSide));
            const bool englishNoteAfterWord = holdsEnglishNoteAfterWord(firstSection(englishSide));
            const bool figurative = marksFigurativeUse(firstSection(germanSide), firstSection(englishSide));
            const bool examplesOnly = givesOnlyExampleSentences(germanSide);
            const std::size_t germanSectionKey = germanSectionKeyOf(germanSide);
            for (qsizetype c = firstCandidate; c < candidates.size(); ++c) {
                candidates[c].germanSectionKey = germanSectionKey;
                candidates[c].sectionNoted = sectionNoted;
                candidates[c].englishSectionNoted = englishSectionNoted;
                candidates[c].englishNoteAfterWord = englishNoteAfterWord;
                candidates[c].figurative = figurative;
                candidates[c].lineTagged = fields.narrow;
                candidates[c].fieldTagged = fields.any;
                candidates[c].wholeLineJudged = fields.judged;
                candidates[c].wordClass = wordClass;
                candidates[c].ownEntry = ownEntry && candidates[c].noun;
                candidates[c].pluralForms = pluralForms;
                candidates[c].numeral = numeralLine && !candidates[c].noun;
                candidates[c].sections = sections;
                candidates[c].comparison = comparison;
                candidates[c].englishAlone = englishWords == 1;
                candidates[c].examplesOnly = examplesOnly;
            }
        }
    };
    LineState lines = readLinesInChunks(text, lineChunks, kTransLineThreads, readLines);
    QVector<Candidate> &candidates = lines.candidates;
    QHash<QString, QVector<GermanOnLine>> &linesOfGerman = lines.linesOfGerman;
    const QVector<LineSpan> &otherLines = lines.otherLines;
    QHash<int, TransSynonym> &mainSenseOfLine = lines.mainSenseOfLine;
    QHash<int, QVector<TransSynonym>> &laterSensesOfLine = lines.laterSensesOfLine;

    // The lines of a British spelling count for an American word that no
    // line gives first ("vapor", given first nowhere, has "Dampf {m}; Nebel
    // {m} ... :: vapour ..."). Where one does, the American word has its own
    // main entries, and the British lines bring only further senses to rank
    // against them ("hegen; haben :: to harbour sth." for "harbor").
    {
        QSet<QString> givenFirst;
        for (const Candidate &candidate : std::as_const(candidates)) {
            if (candidate.first && !candidate.bySpelling)
                givenFirst.insert(candidate.english);
        }
        candidates.removeIf([&givenFirst](const Candidate &candidate) {
            return candidate.bySpelling && givenFirst.contains(candidate.english);
        });
    }
    dropObjectPhraseVerbsGivenPlainly(candidates);
    dropSharedObjectVerbsOfUnpairedNounsOrFullRows(candidates);
    const QSet<QString> nounsOfOtherSex = dropNounsOfOtherSex(candidates);

    GermanSources sources;
    sources.ownSenseRows = nounsOfOtherSex;
    sources.ranked = true;
    sources.ownSenses = true;
    sources.germanFrequencies = std::move(counts.german);
    sources.englishFrequencies = std::move(counts.english);
    QHash<QString, int> germanCommonness;
    QHash<QString, int> germanPhraseRanks;
    QHash<QString, int> englishCommonness;
    QHash<QString, QVector<const Candidate *>> byEnglish;
    QHash<QString, QVector<const Candidate *>> byGerman;
    for (const Candidate &candidate : std::as_const(candidates)) {
        if (!germanCommonness.contains(candidate.german))
            germanCommonness.insert(candidate.german, commonness(candidate.german, sources.germanFrequencies));
        if (!englishCommonness.contains(candidate.english))
            englishCommonness.insert(candidate.english, commonness(candidate.english, sources.englishFrequencies));
        if (!plainWordOfKinds(candidate))
            byEnglish[candidate.english].append(&candidate);
    }
    // A plain word the line names after its kinds on both sides ("Schuppen"
    // for "shed" on "...; Geräteschuppen {m}; Gartenschuppen {m}; Schuppen
    // {m}; ... :: utility shed; garden shed; shed") is the English word's own
    // sense, as a line that gives it first: the English list takes a copy
    // that says so.
    QVector<Candidate> plainWordsOfKinds;
    plainWordsOfKinds.reserve(std::count_if(candidates.cbegin(), candidates.cend(), plainWordOfKinds));
    for (const Candidate &candidate : std::as_const(candidates)) {
        if (plainWordOfKinds(candidate)) {
            plainWordsOfKinds.append(candidate);
            plainWordsOfKinds.last().first = true;
            byEnglish[candidate.english].append(&plainWordsOfKinds.last());
        }
    }
    // For a later German synonym that the line's first word compounds, the
    // plain English word is the line's first (see Candidate::compounded):
    // the German word's list takes copies that say so. The English word's
    // list keeps the line's own order.
    QVector<Candidate> compoundSenses;
    // So for a later German synonym with its own English word on the line
    // (Candidate::counterpart).
    const auto ownFirst = [](const Candidate &c) {
        return c.counterpartLine ? c.counterpart
               : c.compounded    ? c.plainWord
                                 : c.first && !c.particleVerbOfPlainVerb;
    };
    compoundSenses.reserve(std::count_if(candidates.cbegin(), candidates.cend(), [&ownFirst](const Candidate &c) {
        return ownFirst(c) != c.first;
    }));
    for (const Candidate &candidate : std::as_const(candidates)) {
        // A set phrase of the German word is none of its senses: the
        // phrase follows them in its row (see the end).
        if (candidate.headsSetPhrase)
            continue;
        if (ownFirst(candidate) != candidate.first) {
            compoundSenses.append(candidate);
            compoundSenses.last().first = ownFirst(candidate);
            byGerman[candidate.german].append(&compoundSenses.last());
        } else {
            byGerman[candidate.german].append(&candidate);
        }
    }
    // The own entry of each English core word, its main sense: the first
    // line that gives it first and has more than one section (see
    // markOtherSenses).
    // The words whose own entry is a German noun's line keep a set of their
    // own (see putOwnLineBeforeFieldGroupsWordOfNoun).
    QHash<QString, int> ownLineOfEnglish;
    QSet<QString> nounEntryWords;
    for (const Candidate &candidate : std::as_const(candidates)) {
        if (candidate.first && candidate.sections > 1 && !ownLineOfEnglish.contains(candidate.english)) {
            ownLineOfEnglish.insert(candidate.english, candidate.line);
            if (candidate.noun)
                nounEntryWords.insert(candidate.english);
        }
    }
    // The own entry of each German word, its main sense: the first line that
    // heads with it and has more than one section (see putMutualOwnEntryFirst).
    QHash<QString, const Candidate *> ownEntryOfGerman;
    for (const Candidate &candidate : std::as_const(candidates)) {
        if (candidate.germanFirst && candidate.sections > 1 && !candidate.headsSetPhrase
            && !ownEntryOfGerman.contains(candidate.german))
            ownEntryOfGerman.insert(candidate.german, &candidate);
    }
    // How the dictionary uses each core word, as a verb or otherwise (see
    // putNounMainEntryBeforeSideVerb), and the plural sections' senses.
    const CoreWordScans scans = coreWordScans.get();
    const QHash<QString, EnglishWordUses> &englishUses = scans.englishUses;
    const QHash<QString, QStringList> &pluralSenses = scans.pluralSenses;
    // How many lines pair each single English word with each of its German
    // words (see putWidelyPairedWordFirst).
    QHash<QString, QStringList> pairsWanted;
    for (auto it = byEnglish.cbegin(); it != byEnglish.cend(); ++it) {
        if (it.key().contains(u' '))
            continue;
        QStringList &germans = pairsWanted[it.key().toLower()];
        for (const Candidate *candidate : it.value()) {
            if (!germans.contains(candidate->german))
                germans.append(candidate->german);
        }
    }
    // The German nouns heading lines for each single English word, where two
    // or more do (see putNounRenderingWordInCompoundsFirst).
    QHash<QString, QStringList> nounsWanted;
    for (auto it = byEnglish.cbegin(); it != byEnglish.cend(); ++it) {
        if (it.key().contains(u' '))
            continue;
        QStringList nouns;
        for (const Candidate *candidate : it.value()) {
            const QString noun = candidate->german.toLower();
            if (candidate->noun && candidate->germanFirst && !noun.contains(u' ') && !nouns.contains(noun))
                nouns.append(noun);
        }
        if (nouns.size() > 1)
            nounsWanted.insert(it.key().toLower(), nouns);
    }
    // The compounds' lines and the renderings in compounds are counted on
    // threads of their own while the pairs' lines are: three passes over the
    // whole file, each independent of the others.
    QHash<QString, QVector<CompoundPairing>> compoundPairings = compoundedPlainNouns(byEnglish);
    std::future<void> compoundsCounted =
        std::async(std::launch::async, [&text, &compoundPairings] { countCompoundPairings(text, compoundPairings); });
    std::future<QHash<QString, QHash<QString, int>>> renderingsCounted =
        std::async(std::launch::async, [&text, &nounsWanted] { return compoundRenderings(text, nounsWanted); });
    const QHash<QString, QHash<QString, int>> pairings = linesPairingWords(text, pairsWanted);
    compoundsCounted.get();
    const QHash<QString, QHash<QString, int>> renderings = renderingsCounted.get();
    // The German words with an entry of their own anywhere in the file (see
    // giveRareBareNounsPlaceToCommonFullEntryWord).
    const QSet<QString> fullLineHeads = germanHeadsOfFullLines(text);
    for (auto it = byEnglish.begin(); it != byEnglish.end(); ++it) {
        QVector<const Candidate *> &list = it.value();
        // Obsolete and regional words only where nothing else translates the
        // word ("wesen" is no translation of "be", "Trauminet" none of
        // "coward").
        if (std::any_of(list.cbegin(), list.cend(), [](const Candidate *c) { return !c->fringe; }))
            list.removeIf([](const Candidate *c) { return c->fringe; });
        rank(list, [&germanCommonness](const Candidate &c) { return germanCommonness.value(c.german); },
             Side::German, germanPhraseRanks);
        putCompoundOnlyWordsLast(list);
        putMainEntryBeforeTiedShortLineOfOtherKind(list, ownEntryOfGerman);
        putUntaggedLineBeforeTiedFieldLine(list);
        putFullNounEntryBeforeBareLooseLine(list, ownEntryOfGerman);
        putMutualOwnEntryFirst(list, ownEntryOfGerman);
        putOwnExampleEntryBeforeBareSideLine(list, ownEntryOfGerman);
        putOwnAdjectiveEntryBeforeSideOne(list, ownEntryOfGerman);
        putOwnEntryFirstWhereNoneGivesFirst(list, ownEntryOfGerman);
        putNounMainEntryBeforeSideVerb(list, englishUses.value(it.key().toLower()));
        putVerbBeforeSideNoun(list, englishUses.value(it.key().toLower()));
        putUntaggedLineBeforeFieldTaggedOwnNoun(list, englishUses.value(it.key().toLower()));
        putLaterSynonymOfLinesCompoundsBeforeBareLine(list);
        putCompoundEntrysPlainNounInRow(list, englishUses.value(it.key().toLower()));
        giveShortenedPhraseOfSameLineOnePlace(list);
        // A name's local form follows its German name; it stays in the row
        // (and so keeps the German row of the local form).
        std::stable_partition(list.begin(), list.end(), [](const Candidate *c) { return !c->localName; });
        // An adjective whose German word in "-isch" shares its stem names
        // the adjective's literal sense ("Byzantine": byzantinisch, not the
        // figurative undurchschaubar). Where a line has it as its first
        // German word for the English word given first, untagged by a
        // special field, narrowed by no note and in general use, it comes
        // before the other adjectives; a noun the ranking put first stays.
        if (!list.isEmpty() && !list.first()->noun && !list.first()->german.front().isUpper()) {
            const auto lookAlike = std::find_if(list.begin() + 1, list.end(), [&](const Candidate *c) {
                return c->first && c->germanFirst && c->germanSense == Sense::General && !c->englishSpecial
                       && !c->noted && !c->fringe && isIschLookAlike(it.key(), c->german);
            });
            moveToFront(list, lookAlike);
        }
        putNounBeforeVerbOfItsPluralsSpelling(list);
        putPrepositionVerbsLast(list);
        putWidelyPairedWordFirst(list, pairings.value(it.key().toLower()), sources.germanFrequencies);
        putPlainNounOfCompoundingHeadFirst(list, compoundPairings.value(it.key().toLower()));
        putPlainPartBeforeLineHeadsCompound(list);
        putAdjectiveBeforeNounOfAdjectivalPlural(list);
        putMainEntryBeforeWordGivenBack(list);
        putNounRenderingWordInCompoundsFirst(list, renderings.value(it.key().toLower()));
        putAgreedTransitiveVerbBeforeIntransitiveLine(list);
        putGeneralVerbEntryBeforeFieldGroupsVerb(list);
        putNotedUsesAfterPlainLines(list);
        giveRareBareNounsPlaceToCommonFullEntryWord(list, ownEntryOfGerman, fullLineHeads);
        const QString unlisted = giveUnlistedLastPlaceToListedEntryHead(list);
        putCommonHeadOfDatedUseBeforeRareSynonyms(list);
        putHeadsSetPhrasesAfterFullLines(list);
        const QString sideUse = keepMutualMainEntryInRow(list, ownEntryOfGerman);
        // One spelling of words that differ only by case, in the place of the
        // better ranked. The spelling is the lower-case word when it is no
        // noun and as much a main entry as the other: "drei {num}" beside
        // "Drei {f}", "heute {adv}" beside "Heute {n}" name the word, the
        // capitalised noun only its use as a noun.
        QStringList german;
        QVector<const Candidate *> keptCandidates;  // the best ranked of each spelling kept
        QHash<QString, qsizetype> placeOf;
        for (const Candidate *candidate : std::as_const(list)) {
            QString lower = candidate->german.toLower();
            auto place = placeOf.constFind(lower);
            // A noun and a verb of one spelling each keep their own place;
            // the second of them is kept under a key of its own.
            if (place != placeOf.cend() && nounAndVerbOfOneSpelling(*keptCandidates.at(*place), *candidate)) {
                sources.nounAndVerbSpellings.insert(lower);
                lower.append(u'\n');
                place = placeOf.constFind(lower);
            }
            if (place == placeOf.cend()) {
                placeOf.insert(lower, german.size());
                german.append(candidate->german);
                keptCandidates.append(candidate);
                continue;
            }
            const Candidate *kept = keptCandidates.at(*place);
            if (kept->german != candidate->german && kept->german.at(0).isUpper()
                && candidate->german.at(0).isLower() && !candidate->noun && candidate->first == kept->first
                && isSpecial(*candidate) == isSpecial(*kept)) {
                german[*place] = candidate->german;
                keptCandidates[*place] = candidate;
            }
        }
        // A word that gives its place to another sense keeps its German row,
        // as a word past the places that heads its own line does.
        QString displaced = giveNotedNounsLastPlaceToAdjectiveOfSeveralLines(german, keptCandidates, list);
        if (displaced.isEmpty())
            displaced = giveOneSensesLastPlaceToOtherNounEntry(german, keptCandidates);
        if (!displaced.isEmpty())
            sources.ownLineHeads.insert(displaced + u'\n' + it.key());
        if (!sideUse.isEmpty())
            sources.ownLineHeads.insert(sideUse + u'\n' + it.key());
        if (!unlisted.isEmpty())
            sources.ownLineHeads.insert(unlisted + u'\n' + it.key());
        // The plural sense of an English plural after its own lines' words
        // ("rules": "Reglement", then "Regeln").
        for (const QString &plural : pluralSenses.value(it.key())) {
            if (!placeOf.contains(plural.toLower()))
                german.append(plural);
        }
        sources.englishToGerman.insert(it.key(), german);
    }
    // The main sense of every line of a German word, whether or not the
    // English word is a core word ("schlank :: slim; slender" gives "slim"):
    // the English side of a German row is the German word's own senses.
    // The German words a row may keep: the six first of each English word's
    // list (selectGermanCore keeps six; a word after them, kept where it
    // leaves out a phrase, has the senses of the lines read already). The
    // other lines of those of one word are cleaned when one of them stands in
    // their first German section; phrases keep the senses of the lines read
    // already.
    constexpr int kKeptAtMost = 6;
    QSet<std::pair<QString, int>> readAsReflexiveVerbsOwn;  // see putReflexiveVerbsOtherLinesLate
    QSet<QString> kept;
    for (const QStringList &german : std::as_const(sources.englishToGerman)) {
        for (qsizetype i = 0; i < german.size() && i < kKeptAtMost; ++i)
            kept.insert(german.at(i));
    }
    // A word further down a list that heads its own line for the English
    // word keeps a row of its own (GermanSources::ownLineHeads): its lines
    // give its senses as for the six first.
    for (const Candidate &candidate : std::as_const(candidates)) {
        if (headsOwnPlainLine(candidate) && !candidate.headsSetPhrase)
            sources.ownLineHeads.insert(candidate.german + u'\n' + candidate.english);
    }
    for (auto it = sources.englishToGerman.cbegin(); it != sources.englishToGerman.cend(); ++it) {
        for (qsizetype i = kKeptAtMost; i < it->size(); ++i) {
            if (sources.ownLineHeads.contains(it->at(i) + u'\n' + it.key()))
                kept.insert(it->at(i));
        }
    }
    // A noun no English row takes for the other sex's word keeps its own
    // senses (dropNounsOfOtherSex).
    kept.unite(nounsOfOtherSex);
    {
        QSet<QByteArray> words;
        for (const QString &german : std::as_const(kept)) {
            if (const QString word = wordOfOtherLines(german); !word.isEmpty())
                words.insert(word.toLower().toUtf8());
        }
        // Each line is read on its own, and what it gives is keyed by its
        // number: the lines are cut in pieces that kTransLineThreads threads
        // take in turn (runPiecesOnThreads), each filling a state of its own.
        // The states are joined in file order, so each German word's lines
        // stay in file order after those read above (see LineState::join).
        struct OtherLinesPiece
        {
            LineState lines;
            QSet<std::pair<QString, int>> readAsReflexiveVerbsOwn;
        };
        const auto readOtherLines = [&](qsizetype from, qsizetype to, OtherLinesPiece &piece) {
            QByteArray token;
            for (const LineSpan &span : otherLines.sliced(from, to - from)) {
                // Bytes, not characters: most lines are left after this look.
                const QByteArrayView raw(text.constData() + span.start, span.end - span.start);
                qsizetype sectionEnd = raw.indexOf(" :: ");
                if (const qsizetype bar = raw.first(sectionEnd).indexOf(" | "); bar >= 0)
                    sectionEnd = bar;
                bool mayHold = false;
                int depth = 0;
                token.resize(0);
                for (qsizetype i = 0; i <= sectionEnd && !mayHold; ++i) {
                    const char c = i < sectionEnd ? raw.at(i) : ' ';
                    if (c == '(' || c == '[' || c == '{')
                        ++depth;
                    else if ((c == ')' || c == ']' || c == '}') && depth > 0)
                        --depth;
                    const auto byte = static_cast<unsigned char>(c);
                    if (depth == 0 && (std::isalpha(byte) || byte >= 0x80)) {
                        // Lower case: ASCII, and the capitals of Latin-1 ("Ü").
                        const bool latinCapital = byte >= 0x80 && byte <= 0x9e && byte != 0x97 && !token.isEmpty()
                                                  && static_cast<unsigned char>(token.back()) == 0xc3;
                        token.append(latinCapital ? static_cast<char>(byte + 0x20)
                                                  : static_cast<char>(std::tolower(byte)));
                    } else if (!token.isEmpty()) {
                        mayHold = words.contains(token);
                        token.resize(0);
                    }
                }
                if (!mayHold)
                    continue;
                const QString line =
                    withoutSharedArticles(withVerbsAlone(normaliseCharacters(QString::fromUtf8(raw))));
                const qsizetype separator = line.indexOf(u" :: ");
                const QStringView germanSide = QStringView(line).left(separator);
                QVector<TransSynonym> englishSynonyms;
                QVector<QStringView> englishRaws;
                qsizetype headPlace = 0;
                bool found = false;
                const QVector<TransSynonym> germanSynonyms =
                    withKeptReflexiveVerbs(synonymsOf(germanSide, false), kept);
                for (const TransSynonym &german : germanSynonyms) {
                    if (kept.contains(german.text)
                        && (!wordOfOtherLines(german.text, germanSynonyms.size()).isEmpty()
                            || headsOwnLineAsReflexiveVerb(german, germanSynonyms.size()))
                        && givesOwnSensesOfOtherLine(german.text, germanSide)) {
                        if (!found) {
                            englishRaws = englishSynonymsForGerman(QStringView(line).mid(separator + 4), germanSide);
                            for (const QStringView raw : std::as_const(englishRaws))
                                englishSynonyms.append(describeEnglishSynonym(raw, germanSide));
                            headPlace = mainEnglishPlace(englishSynonyms, germanSide);
                        }
                        found = true;
                        if (german.text.contains(u' '))
                            piece.readAsReflexiveVerbsOwn.insert({german.text, span.line});
                        const qsizetype sexPlace = ownSexPlace(englishSynonyms, germanSide, german.position, headPlace);
                        const qsizetype own =
                            sexPlace >= 0 ? sexPlace : counterpartPlace(englishSynonyms, german, headPlace, englishWordList);
                        piece.lines.linesOfGerman[german.text].append(
                            {span.start, span.end, span.line, german.position, german.sense, german.noun,
                             german.fringe, german.noted, german.dated,
                             own < 0 ? TransSynonym{} : englishSynonyms.at(own), sexPlace >= 0});
                    }
                }
                if (found) {
                    piece.lines.mainSenseOfLine.insert(span.line, englishSynonyms.value(headPlace));
                    QVector<TransSynonym> later;
                    for (qsizetype i = 0; i < englishSynonyms.size(); ++i) {
                        if (i != headPlace)
                            later.append(laterSenseOfLine(englishSynonyms, englishRaws, i, germanSide));
                    }
                    if (!later.isEmpty())
                        piece.lines.laterSensesOfLine.insert(span.line, later);
                }
            }
        };
        const qsizetype otherPieces = std::max(1, lineChunks);
        std::vector<OtherLinesPiece> otherStates(otherPieces);
        runPiecesOnThreads(otherPieces, kTransLineThreads, [&](qsizetype i) {
            readOtherLines(otherLines.size() * i / otherPieces, otherLines.size() * (i + 1) / otherPieces,
                           otherStates[i]);
        });
        for (OtherLinesPiece &piece : otherStates) {
            lines.join(std::move(piece.lines));
            readAsReflexiveVerbsOwn.unite(piece.readAsReflexiveVerbsOwn);
        }
    }

    QVector<Candidate> mainSenses;
    // A line's facts that a German word's own sense takes from it.
    const auto describeLine = [&text](Candidate &candidate, const GermanOnLine &on) {
        const QByteArrayView raw = QByteArrayView(text).sliced(on.start, on.end - on.start);
        candidate.sections = sectionsOfLine(raw);
        candidate.germanPlace = on.position;
        const qsizetype separator = raw.indexOf(" :: ");
        candidate.comparison =
            separator >= 0 && candidate.sections > 2 && givesComparison(QString::fromUtf8(raw.first(separator)));
        candidate.englishVerb = separator >= 0 && raw.sliced(separator + 4).startsWith("to ");
        if (separator >= 0) {
            const QString germanSide = QString::fromUtf8(raw.first(separator));
            candidate.wordClass = wordClassTagsOf(germanSide);
            candidate.pluralForms = givesPluralForms(germanSide);
            // As for the core words read above ("Verwarnung {f}; gelbe
            // Karte {f}; Gelb {n} [ugs.] [sport] :: booking; ...").
            const LineFields fields = lineFieldsOf(germanSide);
            candidate.lineTagged = fields.narrow;
            candidate.sectionNoted = holdsNarrowingNote(firstSection(germanSide));
            candidate.englishSectionNoted =
                holdsEnglishNarrowingNote(firstSection(QString::fromUtf8(raw.sliced(separator + 4))));
            candidate.englishNoteAfterWord =
                holdsEnglishNoteAfterWord(firstSection(QString::fromUtf8(raw.sliced(separator + 4))));
            candidate.figurative =
                marksFigurativeUse(firstSection(germanSide), firstSection(QString::fromUtf8(raw.sliced(separator + 4))));
            candidate.fieldTagged = fields.any;
            candidate.germanNamedAgain = namesGermanWordAgain(germanSide, candidate.german);
            candidate.comparesWord = comparesGermanWord(germanSide, candidate.german);
            candidate.germanAlone = holdsGermanWordAlone(germanSide);
            candidate.shownByExamples = examplesShowOnlyLaterSynonym(germanSide, on.position);
            candidate.exampleSentences = givesExampleSentences(germanSide);
            candidate.germanSectionKey = germanSectionKeyOf(
                withoutSharedArticles(withVerbsAlone(normaliseCharacters(QString::fromUtf8(raw.first(separator))))));
            // A German word given as a plural ("Glücksbringer {pl}").
            const QVector<QStringView> heads = splitTopLevel(firstSection(germanSide), u"; ");
            if (on.position >= 0 && on.position < heads.size() && heads.at(on.position).contains(u"{pl}"))
                candidate.plural = true;
        }
    };
    // The English words a line the German word heads gives after its main
    // one are its senses too ("mauern {vt} | ... :: to build; to lay bricks |
    // ...", "Fahrverhalten {n} :: behaviour (road); handling; ride
    // comfort"): they go after every other sense of the row, so they fill
    // the places it has left and push out none. Spellings of another
    // country, plurals, words narrowed by a note or tagged with a field or
    // register, colloquial, dated, obsolete or regional words stay out.
    const auto addLaterSensesOfHeadedLine = [&](const QString &german, const GermanOnLine &on,
                                                const TransSynonym &head, QVector<Candidate> &mainSenses) {
        for (const TransSynonym &later : laterSensesOfLine.value(on.line)) {
            if (later.text.isEmpty() || later.text == head.text || later.spellingVariant || later.plural
                || later.fringe || later.regional || later.dated || later.colloquial || later.noted
                || later.sense != Sense::General || coreByLower.contains(later.text.toLower()))
                continue;
            mainSenses.append({german, later.text, false, on.sense, false, true, on.noun, on.fringe, on.noted,
                               on.line, on.line * kOrdersPerLine + kOrdersPerLine - 4});
            describeLine(mainSenses.last(), on);
            mainSenses.last().laterSense = true;
        }
    };
    // Each kept word's senses come from its own lines alone, and they follow
    // one another in the list word by word: the words are cut in pieces that
    // kTransLineThreads threads take in turn (runPiecesOnThreads), since
    // describing the lines is much of the German reader's time. Each piece
    // fills a list of its own; the lists are joined in piece order, which
    // is the order of one pass over the words.
    // An own sense is described by its line as any candidate is, and carries
    // its English word's tags as a core word's candidate does: register,
    // colloquial, dated and one country's spelling (englishVariant).
    const auto describeOwnSense = [&](Candidate &sense, const GermanOnLine &on, const TransSynonym &word) {
        describeLine(sense, on);
        sense.englishRegister = word.sense == Sense::SpecialRegister;
        sense.englishColloquial = word.colloquial;
        sense.englishDated = word.dated && !on.dated;
        sense.englishVariant = word.spellingVariant;
    };
    const QStringList keptWords(kept.cbegin(), kept.cend());
    const auto addSensesOfKeptWords = [&](qsizetype from, qsizetype to, QVector<Candidate> &mainSenses) {
        for (const QString &german : keptWords.sliced(from, to - from)) {
            for (const GermanOnLine &on : linesOfGerman.value(german)) {
                const auto found = mainSenseOfLine.constFind(on.line);
                if (found == mainSenseOfLine.cend())
                    continue;
                const TransSynonym &english = *found;
                // A later synonym's own English word on the line (counterpartPlace)
                // is its first; the line's main word is its first word's.
                const bool ownWordFurther = !on.counterpart.text.isEmpty() && on.counterpart.text != english.text;
                if (ownWordFurther && !coreByLower.contains(on.counterpart.text.toLower())) {
                    const TransSynonym &own = on.counterpart;
                    mainSenses.append({german, own.text, true, on.sense, own.sense != Sense::General, false, on.noun,
                                       on.fringe || own.fringe, on.noted || own.noted, on.line,
                                       on.line * kOrdersPerLine + kOrdersPerLine - 3});
                    describeOwnSense(mainSenses.last(), on, own);
                }
                // A core word at the head of a line was met as a candidate already.
                // A later synonym without the head's preposition takes no item
                // that renders it (leavesHeadsPrepositionToBareSynonym).
                if (!english.text.isEmpty() && !coreByLower.contains(english.text.toLower()) && !on.headOfOtherSex
                    && !(on.position > 0 && english.text.contains(u' ')
                         && lineLeavesHeadsPrepositionToBareSynonym(
                             normaliseCharacters(QString::fromUtf8(QByteArrayView(text).sliced(on.start, on.end - on.start))),
                             english.text, on.position))) {
                    mainSenses.append({german, english.text, !ownWordFurther, on.sense, english.sense != Sense::General,
                                       on.position == 0, on.noun, on.fringe || english.fringe,
                                       on.noted || english.noted, on.line,
                                       on.line * kOrdersPerLine + kOrdersPerLine - 2});
                    describeOwnSense(mainSenses.last(), on, english);
                }
                if (on.position == 0 && !ownWordFurther)
                    addLaterSensesOfHeadedLine(german, on, english, mainSenses);
                // The line's English word spelt like the German one ("Notebook;
                // Laptop :: notebook computer; ...; notebook; laptop") is that
                // word's own counterpart wherever the line puts it, so the row
                // keeps it. It ranks as a later synonym: where the line puts it
                // behind other words, those are what the line offers first
                // ("Hüfte; Coxa [anat.] :: hip; ...; coxa").
                const TransSynonym same =
                    sameWordOnLine(QByteArrayView(text).sliced(on.start, on.end - on.start), german);
                if (same.text.isEmpty() || same.text == english.text || same.text == on.counterpart.text
                    || coreByLower.contains(same.text.toLower()))
                    continue;
                mainSenses.append({german, same.text, false, on.sense, same.sense != Sense::General, on.position == 0,
                                   on.noun, on.fringe || same.fringe, on.noted || same.noted, on.line,
                                   on.line * kOrdersPerLine + kOrdersPerLine - 1});
                describeOwnSense(mainSenses.last(), on, same);
            }
        }
    };
    const qsizetype keptPieces = std::max(1, lineChunks);
    std::vector<QVector<Candidate>> keptSenses(keptPieces);
    runPiecesOnThreads(keptPieces, kTransLineThreads, [&](qsizetype i) {
        addSensesOfKeptWords(keptWords.size() * i / keptPieces, keptWords.size() * (i + 1) / keptPieces,
                             keptSenses[i]);
    });
    for (QVector<Candidate> &piece : keptSenses)
        mainSenses.append(std::move(piece));
    // A kept German comparative is the comparative of the one adjective
    // whose line gives it ("stark {adj} (mächtig) | stärker | am stärksten
    // :: strong (powerful) | stronger | strongest"): the line's English
    // comparative is its own sense, which no line gives first ("stärker"
    // had only "superior" of "überlegen; übermächtig; stärker {adj}").
    {
        int comparisonLine = 0;
        qsizetype lineStart = 0;
        while (lineStart < text.size()) {
            ++comparisonLine;
            const QByteArrayView raw = takeRawTransLine(text, lineStart);
            const qsizetype separator = raw.indexOf(" :: ");
            if (separator < 0 || !raw.first(separator).contains("{adj}") || !raw.first(separator).contains(" | am "))
                continue;
            const QString line = normaliseCharacters(QString::fromUtf8(raw));
            const qsizetype at = line.indexOf(u" :: ");
            const QStringView germanSide = QStringView(line).left(at);
            if (!givesComparison(germanSide))
                continue;
            const QVector<QStringView> germanSections = splitTopLevel(germanSide, u" | ");
            // One adjective, untagged, and a comparative of its own spelling
            // ("luftig {adj} | luftig | am luftigsten" is a slip). Of a line
            // of several adjectives, the first one's comparative, where the
            // line gives them one English word ("klein; gering; unbedeutend
            // {adj} | kleiner; geringer; unbedeutender | ... :: small |
            // smaller | smallest"): the line names the first word's sense.
            // A comparative that heads lines of its own is a word in its own
            // right there ("weiter {adv} :: further", "ferner {adv} ::
            // furthermore"), and those lines tell its main sense.
            const QString comparative = germanSections.at(1).trimmed().split(u"; ").first().toString();
            const bool severalAdjectives = germanSections.first().contains(u"; ");
            if (!kept.contains(comparative) || germanSections.first().contains(u'[')
                || germanSections.first().startsWith(comparative + u' ')
                || germanSections.first().startsWith(comparative + u';'))
                continue;
            const auto headsOwnLine = [&] {
                const QVector<GermanOnLine> on = linesOfGerman.value(comparative);
                return std::any_of(on.cbegin(), on.cend(), [](const GermanOnLine &l) { return l.position == 0; });
            };
            if (severalAdjectives
                && (englishSynonymsOf(firstSection(QStringView(line).mid(at + 4))).size() != 1 || headsOwnLine()))
                continue;
            const QVector<QStringView> englishSections = splitTopLevel(QStringView(line).mid(at + 4), u" | ");
            if (englishSections.size() < 2)
                continue;
            const QVector<QStringView> englishComparatives = englishSynonymsOf(englishSections.at(1));
            if (englishComparatives.isEmpty())
                continue;
            const TransSynonym english = describeSynonym(englishComparatives.first(), true);
            if (english.text.isEmpty() || english.sense != Sense::General || english.fringe)
                continue;
            mainSenses.append({comparative, english.text, true, Sense::General, false, true, false, false, false,
                               comparisonLine, comparisonLine * kOrdersPerLine + kOrdersPerLine - 3});
            mainSenses.last().sections = static_cast<int>(germanSections.size());
            mainSenses.last().comparison = true;
            mainSenses.last().wordClass.adjective = true;
        }
    }
    // A kept phrase's renderings in other lines' later sections fill the
    // places its other senses leave (phraseSectionSenses).
    {
        const QHash<QString, QVector<PhraseSectionSense>> phraseSenses = phraseSectionSenses(text, kept);
        for (auto it = phraseSenses.cbegin(); it != phraseSenses.cend(); ++it) {
            for (const PhraseSectionSense &sense : it.value()) {
                mainSenses.append({it.key(), sense.english.text, false, Sense::General, false, false, false, false,
                                   false, sense.line, sense.line * kOrdersPerLine + kOrdersPerLine - 4});
                mainSenses.last().laterSense = true;
                mainSenses.last().phraseSection = true;
            }
        }
    }
    putReflexiveVerbsOtherLinesLate(mainSenses, readAsReflexiveVerbsOwn);
    for (const Candidate &candidate : std::as_const(mainSenses)) {
        if (!englishCommonness.contains(candidate.english))
            englishCommonness.insert(candidate.english, commonness(candidate.english, sources.englishFrequencies));
        byGerman[candidate.german].append(&candidate);
    }
    const QHash<QString, QSet<QString>> verbsOfNouns = englishVerbsOfNamedVerbs(byGerman);
    // French words of set phrases among the English items, and how the
    // dictionary uses them; the singulars it gives beside a paired plural.
    QSet<QString> foreignWords;
    for (const Candidate &candidate : std::as_const(mainSenses)) {
        if (isFrenchWordOfSetPhrases(candidate.english, englishWordList))
            foreignWords.insert(candidate.english);
    }
    const QHash<QString, std::pair<int, int>> foreignWordUses = englishItemUses(text, foreignWords);
    const QSet<QString> pairSingulars = singularsBesidePairedPlurals(text);
    // Each German word's senses are ranked and marked from its own list
    // alone, and what that writes is keyed by the word: the words are cut in
    // pieces that kTransLineThreads threads take in turn (runPiecesOnThreads),
    // since this is much of the German reader's time after its lines are
    // read. Each piece fills a GermanSources of its own, with its own cache
    // of phrase ranks; those are joined once all pieces are ranked, which
    // gives what one pass over the words gives.
    QVector<QHash<QString, QVector<const Candidate *>>::iterator> germanWords;
    germanWords.reserve(byGerman.size());
    for (auto it = byGerman.begin(); it != byGerman.end(); ++it)
        germanWords.append(it);
    const auto rankGermanWords = [&](qsizetype from, qsizetype to, GermanSources &rows) {
        QHash<QString, int> englishPhraseRanks;
        for (qsizetype word = from; word < to; ++word) {
            const auto it = germanWords.at(word);
            QVector<const Candidate *> &list = it.value();
            if (std::any_of(list.cbegin(), list.cend(), [](const Candidate *c) { return !c->fringe; }))
                list.removeIf([](const Candidate *c) { return c->fringe; });
            markOtherSenses(list, ownLineOfEnglish);
            rank(it.value(), [&englishCommonness](const Candidate &c) { return englishCommonness.value(c.english); },
                 Side::English, englishPhraseRanks);
            putOwnLineBeforeFieldGroupsWordOfNoun(list, nounEntryWords);
            putVerbsWordFirstForItsNoun(list, verbsOfNouns.value(it.key().toLower()));
            // Those later words only fill the places the other senses leave.
            std::stable_partition(it.value().begin(), it.value().end(),
                                  [](const Candidate *c) { return !c->laterSense; });
            putObjectPhraseVerbsLast(it.value());
            putPhraseSectionSenseBeforeSideUses(it.value());
            putRepeatingAdverbsAfterOtherSenses(it.value());
            putAdjectivesInTheirAdverbsPlace(
                it.value(), [&englishCommonness](const Candidate &c) { return englishCommonness.value(c.english); });
            putLineExemplifyingWordBeforeOtherWordsLine(it.value());
            putExemplifiedLaterSynonymBeforeBareLaterSynonymLines(it.value());
            putPlainNounBeforeGerundOfBareLine(it.value());
            QStringList english;
            // A side sense: the English word is given only as colloquial, slang
            // or vulgar, for a German word of plain speech (see
            // GermanSources::sideSenses).
            const auto sideSense = [](const Candidate *c) {
                return c->englishColloquial && c->germanSense != Sense::SpecialRegister;
            };
            QSet<QString> plainSenses;
            for (const Candidate *candidate : std::as_const(it.value())) {
                if (!sideSense(candidate))
                    plainSenses.insert(candidate->english);
            }
            for (const Candidate *candidate : std::as_const(it.value())) {
                if (isExplanation(candidate->english))
                    continue;
                if (!english.contains(candidate->english))
                    english.append(candidate->english);
                if (candidate->clearMainEntry && candidate->first)
                    rows.mainEntrySenses.insert(it.key() + u'\n' + candidate->english);
                if (!plainSenses.contains(candidate->english))
                    rows.sideSenses.insert(it.key() + u'\n' + candidate->english);
                if (candidate->first && candidate->germanFirst && candidate->sections > 1 && !candidate->noted
                    && !candidate->fringe && !isSpecial(*candidate) && !candidate->englishRegister
                    && !candidate->englishColloquial)
                    rows.headedSenses.insert(it.key() + u'\n' + candidate->english);
                if (candidate->germanFirst)
                    rows.headedLineWords.insert(it.key() + u'\n' + candidate->english);
                if (candidate->first && !candidate->noted && !candidate->fringe && !isSpecial(*candidate)
                    && !candidate->englishRegister && !candidate->englishColloquial)
                    rows.plainFirstSenses.insert(it.key() + u'\n' + candidate->english);
            }
            markRepeatedOrSpoiltEnglishItems(english, it.key(), englishWordList, rows);
            markForeignWordsAndPairedSingulars(english, it.key(), englishWordList, foreignWordUses, pairSingulars,
                                               rows);
            rows.germanToEnglish.insert(it.key(), english);
        }
    };
    const qsizetype germanPieces = std::max(1, lineChunks);
    std::vector<GermanSources> germanRows(germanPieces);
    runPiecesOnThreads(germanPieces, kTransLineThreads, [&](qsizetype i) {
        rankGermanWords(germanWords.size() * i / germanPieces, germanWords.size() * (i + 1) / germanPieces,
                        germanRows[i]);
    });
    for (GermanSources &piece : germanRows)
        joinGermanRows(sources, std::move(piece));
    // A plural read from a plural section has the English plural as its own
    // sense, unless the German word heads lines of its own. The English
    // words come in the order of the core words, the same on every run.
    for (const QString &english : coreEnglish) {
        for (const QString &german : pluralSenses.value(english)) {
            if (!byGerman.contains(german) && !sources.germanToEnglish.value(german).contains(english))
                sources.germanToEnglish[german].append(english);
        }
    }
    // A set phrase a later section gives for a German word's entry
    // (Candidate::headsSetPhrase) follows the word's own senses, where the
    // word has lines of its own: the phrase's row keeps the word, and the
    // word's row names the phrase only where its senses leave room.
    for (const Candidate &candidate : std::as_const(candidates)) {
        if (candidate.headsSetPhrase && byGerman.contains(candidate.german)
            && !sources.germanToEnglish.value(candidate.german).contains(candidate.english))
            sources.germanToEnglish[candidate.german].append(candidate.english);
    }
    addPresentParticipleSenses(sources, text);
    addAdjectivesOfTransitiveParticiples(sources, participleForms.get());
    return sources;
}

namespace detail {

namespace {

// FNV-1a over a word's bytes, and the key of two words side by side.
constexpr std::uint64_t kFnvBasis = 14695981039346656037ULL;

constexpr std::uint64_t kFnvPrime = 1099511628211ULL;

std::uint64_t pairKey(std::uint64_t first, std::uint64_t second)
{
    return (first * kFnvPrime) ^ (second + 0x9e3779b97f4a7c15ULL + (first << 6) + (first >> 2));
}

// Texts as UTF-8, looked up by views of a line's bytes, so that a scan of
// the whole file makes no string for what it does not want.
class Utf8Lookup
{
public:
    explicit Utf8Lookup(const QSet<QString> &texts)
    {
        m_storage.reserve(texts.size());
        for (const QString &text : texts)
            m_storage.push_back(text.toUtf8().toStdString());
        auto it = texts.cbegin();
        for (const std::string &text : m_storage)
            m_wanted.emplace(text, *it++);
    }
    Utf8Lookup(const Utf8Lookup &) = delete;
    Utf8Lookup &operator=(const Utf8Lookup &) = delete;

    const std::vector<std::string> &texts() const { return m_storage; }

    // The text spelt `bytes`, or null.
    const QString *find(std::string_view bytes) const
    {
        const auto match = m_wanted.find(bytes);
        return match == m_wanted.end() ? nullptr : &match->second;
    }

private:
    std::vector<std::string> m_storage;  // the views of m_wanted point here
    std::unordered_map<std::string_view, QString> m_wanted;
};

} // namespace

} // namespace detail

QHash<QString, int> englishPhraseCountsInTrans(const QByteArray &text, const QSet<QString> &phrases)
{
    QHash<QString, int> found;
    if (phrases.isEmpty())
        return found;
    // The phrases, looked up by views of each line's words. A bit table of
    // their first two words' keys lets the scan pass over the file's
    // millions of words with a bit test each.
    const Utf8Lookup wanted(phrases);
    constexpr std::uint64_t kBits = 1u << 20;
    std::vector<bool> starts2(kBits, false);
    qsizetype mostWords = 0;
    for (const std::string &phrase : wanted.texts()) {
        std::vector<std::uint64_t> hashes{kFnvBasis};
        for (const char c : phrase) {
            if (c == ' ')
                hashes.push_back(kFnvBasis);
            else
                hashes.back() = (hashes.back() ^ static_cast<unsigned char>(c)) * kFnvPrime;
        }
        if (hashes.size() > 1)
            starts2[pairKey(hashes[0], hashes[1]) % kBits] = true;
        mostWords = std::max<qsizetype>(mostWords, qsizetype(hashes.size()));
    }
    std::string words;
    std::vector<size_t> starts;
    std::vector<std::uint64_t> hashes;
    forEachEnglishSide(text, [&](std::string_view side) {
        // The English side as its lowercased words, one blank apart.
        words.clear();
        starts.clear();
        hashes.clear();
        bool inWord = false;
        for (const char c : side) {
            const auto byte = static_cast<unsigned char>(c);
            const bool upper = byte >= 'A' && byte <= 'Z';
            if (upper || (byte >= 'a' && byte <= 'z') || byte >= 0x80) {
                if (!inWord) {
                    if (!words.empty())
                        words.push_back(' ');
                    starts.push_back(words.size());
                    hashes.push_back(kFnvBasis);
                    inWord = true;
                }
                const auto lower = static_cast<unsigned char>(upper ? byte + ('a' - 'A') : byte);
                words.push_back(static_cast<char>(lower));
                hashes.back() = (hashes.back() ^ lower) * kFnvPrime;
            } else {
                inWord = false;
            }
        }
        const std::string_view view(words);
        auto endOf = [&](size_t word) { return word < starts.size() ? starts[word] - 1 : words.size(); };
        for (size_t first = 0; first + 1 < starts.size(); ++first) {
            if (!starts2[pairKey(hashes[first], hashes[first + 1]) % kBits])
                continue;
            for (size_t last = first + 1; last < starts.size() && qsizetype(last - first) < mostWords; ++last) {
                if (const QString *match = wanted.find(view.substr(starts[first], endOf(last + 1) - starts[first])))
                    ++found[*match];
            }
        }
    });
    return found;
}

QHash<QString, int> englishWordCountsInTrans(const QByteArray &text, const QSet<QString> &words)
{
    QHash<QString, int> found;
    if (words.isEmpty())
        return found;
    const Utf8Lookup wanted(words);
    std::string lower;
    forEachEnglishSide(text, [&](std::string_view side) {
        lower.clear();
        // One character past the side, so that its last word ends too.
        for (size_t i = 0; i <= side.size(); ++i) {
            const auto byte = i < side.size() ? static_cast<unsigned char>(side[i]) : 0;
            const bool upper = byte >= 'A' && byte <= 'Z';
            if (upper || (byte >= 'a' && byte <= 'z') || byte >= 0x80) {
                lower.push_back(static_cast<char>(upper ? byte + ('a' - 'A') : byte));
            } else if (!lower.empty()) {
                if (const QString *match = wanted.find(lower))
                    ++found[*match];
                lower.clear();
            }
        }
    });
    return found;
}

QSet<QString> englishPhrasesInTrans(const QByteArray &text, const QSet<QString> &phrases)
{
    const QHash<QString, int> counts = englishPhraseCountsInTrans(text, phrases);
    return QSet<QString>(counts.keyBegin(), counts.keyEnd());
}

QSet<QString> englishWordsInTrans(const QByteArray &text, const QSet<QString> &words)
{
    const QHash<QString, int> counts = englishWordCountsInTrans(text, words);
    return QSet<QString>(counts.keyBegin(), counts.keyEnd());
}

GermanSources readTransDeEn(const QString &path, const QStringList &coreEnglish)
{
    return germanSourcesFromTrans(readInputFile(path), coreEnglish);
}

} // namespace vorbix::import
