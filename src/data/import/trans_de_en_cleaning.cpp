// Cleaning one synonym of a trans-de-en line of its markup, and reading a
// line into its first section's synonyms (parseTransEntry).

#include "data/import/trans_de_en_internal.h"

#include "data/import/markup_cleaning.h"

#include <QRegularExpression>

namespace vorbix::import {

namespace detail {

namespace {

// Whether the token after `slash` begins the phrase kept so far again: a
// second phrase, not a one-word alternative.
bool startsPhraseAgain(const QList<QStringView> &tokens, qsizetype slash, const QStringList &kept)
{
    return kept.size() > 1 && slash + 1 < tokens.size()
           && tokens.at(slash + 1).compare(kept.first(), Qt::CaseInsensitive) == 0;
}

// Whether the words after a free-standing slash (" / ") begin a
// phrase of their own rather than one word to put in place of the word
// before the slash. Read as a one-word alternative, the slash drops the
// word after it and keeps the rest, which glues the two phrases into one
// ("inflammation of a joint / of joints" gave "inflammation of a joint
// joints", "to caress sb. / a body part" gave "caress body part"). It is a
// phrase when more words follow the word after the slash and that word
// either repeats a word of the phrase before the slash (the second phrase
// restates the first from there: "of", "punch", "sb.") or is an article
// after a word that is none ("sb. / a body part", "jdn. / einen Körperteil
// streicheln"). A one-word alternative with a shared rest ("to be / feel
// attracted") is left to the usual reading.
bool opensPhraseAfterSlash(const QList<QStringView> &tokens, qsizetype slash, bool english)
{
    static const QStringList englishArticles{QStringLiteral("a"), QStringLiteral("an"), QStringLiteral("the")};
    static const QStringList germanArticles{
        QStringLiteral("der"),   QStringLiteral("die"),   QStringLiteral("das"),  QStringLiteral("den"),
        QStringLiteral("dem"),   QStringLiteral("des"),   QStringLiteral("ein"),  QStringLiteral("eine"),
        QStringLiteral("einen"), QStringLiteral("einem"), QStringLiteral("einer"), QStringLiteral("eines")};
    const QStringList &articles = english ? englishArticles : germanArticles;
    if (slash <= 0 || slash + 2 >= tokens.size())
        return false;
    const QStringView next = tokens.at(slash + 1);
    const auto isArticle = [&articles](QStringView word) {
        return std::any_of(articles.cbegin(), articles.cend(),
                           [word](const QString &article) { return word.compare(article, Qt::CaseInsensitive) == 0; });
    };
    if (isArticle(next) && !isArticle(tokens.at(slash - 1)))
        return true;
    return std::any_of(tokens.cbegin(), tokens.cbegin() + slash,
                       [next](QStringView word) { return word.compare(next, Qt::CaseInsensitive) == 0; });
}

// Whether an English token joins a word and an article by a slash
// ("satellite/a", "fire/the", "togetherness/kinship/a"): the article opens
// another phrase after the slash. Articles joined ("a/the") alternate the
// article alone.
bool opensPhraseAlternative(QStringView token)
{
    static const QStringList articles{QStringLiteral("a"), QStringLiteral("an"), QStringLiteral("the")};
    const qsizetype slash = token.indexOf(u'/');
    if (slash <= 0 || slash == token.size() - 1)
        return false;
    const QList<QStringView> parts = token.split(u'/');
    const auto isArticle = [](QStringView word) {
        return std::any_of(articles.cbegin(), articles.cend(),
                           [word](const QString &article) { return word.compare(article, Qt::CaseInsensitive) == 0; });
    };
    return !isArticle(parts.first()) && std::any_of(parts.cbegin() + 1, parts.cend(), isArticle);
}

// Whether an English token is a word with slash alternatives that ends in
// a further slash with more words after it ("to become/get tangled
// up/entangled/ snarled up/ensnared"): the blank after the last slash starts
// an alternative phrase, which may be longer than a word, so where the first
// phrase's words end cannot be told past the slash. The first phrase ends
// there ("become tangled up"); cutting each slash's word alone glued the
// alternatives into "become tangled up snarled up". A word with only the
// closing slash is left alone: it is a spelling before its tag's other
// country's ("centre [Br.]/ center [Am.] of ...") or an object marker
// ("sth./ doing sth.").
bool endsInLooseAlternatives(QStringView token, bool wordsFollow)
{
    return wordsFollow && token.size() > 2 && token.endsWith(u'/') && token.count(u'/') > 1
           && token.indexOf(u'/') > 0;
}

// Whether a token's last slash alternative makes a two-word preposition
// with the word after it ("from/out of": "out of"), so that word belongs to
// the alternative: read with the first alternative, it gave "arise from of".
bool endsInTwoWordPreposition(QStringView token, QStringView next)
{
    static const QSet<QString> prepositions{QStringLiteral("out of"), QStringLiteral("away from"),
                                            QStringLiteral("up to"), QStringLiteral("on to"),
                                            QStringLiteral("off of"), QStringLiteral("out from")};
    const qsizetype slash = token.lastIndexOf(u'/');
    if (slash <= 0 || slash == token.size() - 1)
        return false;
    return prepositions.contains(token.mid(slash + 1).toString() + u' ' + next.toString());
}

// Whether an English word opens a noun phrase, so that a "to" before it is
// a preposition.
bool startsNounPhrase(const QString &word)
{
    static const QSet<QString> determiners{
        QStringLiteral("no"),    QStringLiteral("the"),   QStringLiteral("a"),     QStringLiteral("an"),
        QStringLiteral("this"),  QStringLiteral("that"),  QStringLiteral("these"), QStringLiteral("those"),
        QStringLiteral("my"),    QStringLiteral("your"),  QStringLiteral("his"),   QStringLiteral("her"),
        QStringLiteral("its"),   QStringLiteral("our"),   QStringLiteral("their"), QStringLiteral("one's"),
        QStringLiteral("some"),  QStringLiteral("every"), QStringLiteral("each"),  QStringLiteral("all")};
    return determiners.contains(word.toLower());
}

// Whether the words after an object marker inside an English phrase
// belong to the object rather than the verb: a possessive marker ("sb.'s
// face"), a form of "be" ("sth. be known"), or the verb after "let", "see"
// or "watch" ("let sb. go first", "watch sth. happen"), unless a particle
// follows ("let sb. in"). After "make" an adjective stays on the verb
// ("make sth. ready").
bool objectCarriesRest(QStringView marker, QStringView before, QStringView after)
{
    if (marker.endsWith(u"'s") || marker.endsWith(u"’s"))
        return true;
    if (after == u"be" || after == u"being" || after == u"been")
        return true;
    static const QSet<QString> causatives{QStringLiteral("let"), QStringLiteral("have"),
                                          QStringLiteral("help"), QStringLiteral("see"), QStringLiteral("hear"),
                                          QStringLiteral("watch")};
    static const QSet<QString> particles{
        QStringLiteral("in"),    QStringLiteral("on"),    QStringLiteral("at"),      QStringLiteral("into"),
        QStringLiteral("out"),   QStringLiteral("off"),   QStringLiteral("up"),      QStringLiteral("down"),
        QStringLiteral("back"),  QStringLiteral("away"),  QStringLiteral("over"),    QStringLiteral("through"),
        QStringLiteral("for"),   QStringLiteral("from"),  QStringLiteral("with"),    QStringLiteral("by"),
        QStringLiteral("about"), QStringLiteral("around"), QStringLiteral("along"),  QStringLiteral("together"),
        QStringLiteral("under"), QStringLiteral("as"),    QStringLiteral("to"),      QStringLiteral("a"),
        QStringLiteral("an"),    QStringLiteral("the"),   QStringLiteral("of")};
    return causatives.contains(before.toString()) && !particles.contains(after.toString());
}

// A German phrase whose preposition's object stands in brackets before a
// lower-case word: "mit (Zahlen, Fakten) herumjonglieren", "zu (einer
// Gruppe) gehören". Without the brackets it would read "mit herumjonglieren".
// A bracket that only qualifies ("mit (voller) Absicht", "in (moralisch)
// fragwürdiger Weise") holds no object: it starts with a lower-case word
// other than an article.
bool holdsPrepositionsObject(QStringView raw)
{
    static const QRegularExpression pattern(QStringLiteral(
        "^(?:mit|an|auf|für|über|von|zu|in|aus|bei|nach|um|gegen|vor|unter|zwischen|durch|ohne) "
        "\\((?:\\p{Lu}|(?:ein|eine|einen|einem|einer|der|die|das|den|dem|des) )[^)]*\\) \\p{Ll}"));
    return pattern.match(raw).hasMatch();
}

// Whether a German item is an adjective written with its endings that a cut
// at the endings would spoil: a superlative ("notwendigste/r/s",
// "größte/r/s"), a form of another adjective whose "-e" alone reads as a bare
// inflected form, or a phrase whose article is written for both genders
// ("ein/e einzige/r/s"), which cut reads "ein einzige", the two words not
// agreeing. Such items are left out. An adjective used only before a noun
// keeps its form with "-e" ("obere/r/s", "andere/r/s", "erste/r/s").
bool spoiltByCutEndings(QStringView raw)
{
    if (!raw.contains(u"/r/s"))
        return false;
    static const QRegularExpression pattern(QStringLiteral(
        "(?<!\\p{L})\\p{L}{3,}(?:st|ßt)e/r/s(?!\\p{L})|^ein(?:/e|/eine|\\(e\\)) "));
    return pattern.match(raw).hasMatch();
}

// Whether an English item gives the words that fill a slot of an English
// construction rather than translations: alternatives joined by a spaced
// slash, with a note that names what must follow them ("not / hardly (+
// comparative adjective)" for "denkbar (+ {adj})": "could not/hardly be
// easier"). Neither word renders the German word on its own, and the cut at
// the slash would teach "denkbar" as "not"; such items are left out.
bool fillsSlotOfConstruction(QStringView raw)
{
    static const QRegularExpression pattern(QStringLiteral("^[^()]*\\S / \\S[^()]*\\(\\+"));
    return pattern.match(raw).hasMatch();
}

// Whether a slash joins parts of one word rather than alternatives: a
// shortened compound ("Ein-/Ausgabe"), a tail both sides share
// ("input/output-bound", "E/A-gebunden") or an abbreviation of capitals
// ("I/O"). Cut at the slash as an alternative would be, such a word reads
// "Ein- Ausgabe" or "input"; it cannot be kept whole in a row.
bool joinsWordPartsBySlash(const QString &text)
{
    static const QRegularExpression parts(QStringLiteral(
        "\\p{L}-/\\p{L}|\\p{L}/[\\p{L}/]+-\\p{L}|(?<!\\p{L})\\p{Lu}/\\p{Lu}(?!\\p{L})"));
    return text.contains(u'/') && parts.match(text).hasMatch();
}

// The length of the definite article that a German synonym starts with
// ("die " of "die Polizei {f}"), where it only names the noun after it: one
// capitalised word, with no gender or a gender the article agrees with, and
// no note. Kept are:
// - the article before an adjective, whose ending needs it ("die engsten
//   Angehörigen");
// - that of a plural ("die Bedürftigen {pl}");
// - that of an adjective used as a noun, which ends in "-e" or "-en" and is
//   no feminine noun ("das Neue {n} :: the new", "die Reichen :: the rich"):
//   without its article it reads as a bare inflected form, and the English
//   word alone is the adjective;
// - that of a word narrowed by a note ("das Wort (Rederecht ...) :: the
//   floor"), a use the article phrase has and the noun alone has not.
qsizetype nounArticleLength(QStringView raw)
{
    static const QList<std::pair<QStringView, QStringView>> articles{
        {u"der ", u"{m}"}, {u"die ", u"{f}"}, {u"das ", u"{n}"}};
    raw = raw.trimmed();
    for (const auto &[article, gender] : articles) {
        if (!raw.startsWith(article))
            continue;
        const QStringView rest = raw.mid(article.size());
        const bool gendered = rest.contains(u"{m}") || rest.contains(u"{f}") || rest.contains(u"{n}")
                              || rest.contains(u"{pl}");
        if (gendered && !rest.contains(gender))
            return 0;
        const QString noun = cleanTransSynonym(rest, false, nullptr, false);
        if (noun.isEmpty() || noun.contains(u' ') || !noun.front().isUpper())
            return 0;
        if ((noun.endsWith(u'e') || noun.endsWith(u"en")) && !rest.contains(u"{f}"))
            return 0;
        return carriesNarrowingNote(rest) ? 0 : article.size();
    }
    return 0;
}

} // namespace

// A line whose first sections both start with the definite article ("die
// Polizei {f} | ... :: the police; the Old Bill [Br.] | ...") names a thing
// by its noun the way one speaks of it: without the articles its first
// section reads "Polizei :: police; Old Bill". The articles go from the
// first sections' synonyms that name a noun alone; a German synonym whose
// article stays (nounArticleLength) is left out of the line, whose English
// words are now read without theirs ("der Rest; das Übrige (von etw.) ::
// the rest" is "Rest :: rest"). An English synonym narrowed by a note keeps
// its article ("the street(s) [Am.]" of "der Einzelhandel" names no
// street), and so do a name ("the Netherlands", which the English word
// list gives with it) and the phrases of later sections ("to call the
// police"). A line is left alone where its German side starts with no
// article before a noun, where its English side starts without "the" ("das
// heißt :: that is" names no noun), or where an English phrase with the
// article takes an object ("die Macht {f} :: the power of sth."), a
// construction the noun alone does not make.
QString withoutSharedArticles(const QString &line)
{
    const auto startsWithArticle = [](QStringView raw) {
        return raw.startsWith(u"der ") || raw.startsWith(u"die ") || raw.startsWith(u"das ");
    };
    const qsizetype separator = line.indexOf(u" :: ");
    if (separator < 0 || !startsWithArticle(line))
        return line;
    const QStringView germanSection = firstSection(QStringView(line).left(separator));
    const QVector<QStringView> german = splitTopLevel(germanSection, u"; ");
    const QVector<QStringView> english = englishSynonymsOf(firstSection(QStringView(line).mid(separator + 4)));
    const auto plainWithArticle = [](QStringView raw) {
        raw = raw.trimmed();
        return raw.startsWith(u"the ") && raw.size() > 4 && !carriesNarrowingNote(raw);
    };
    // "the power of sth.", not "the rest (of sth.)", whose object may be left out.
    const auto takesObject = [](QStringView raw) {
        const QStringView outside = raw.left(raw.indexOf(u'('));
        return raw.trimmed().startsWith(u"the ") && (outside.contains(u"sth.") || outside.contains(u"sb."));
    };
    if (english.isEmpty() || !plainWithArticle(english.first()) || !english.first().trimmed().at(4).isLower()
        || nounArticleLength(german.first()) == 0 || std::any_of(english.cbegin(), english.cend(), takesObject))
        return line;
    QStringList nouns;
    for (const QStringView raw : german) {
        const QStringView word = raw.trimmed();
        if (const qsizetype length = nounArticleLength(word); length > 0)
            nouns.append(word.mid(length).toString());
        else if (!startsWithArticle(word))
            nouns.append(word.toString());
    }
    QString result = nouns.join(u"; ");
    qsizetype from = germanSection.size();  // the German side starts the line
    for (const QStringView raw : english) {
        if (!plainWithArticle(raw))
            continue;
        const qsizetype at = raw.trimmed().data() - line.data();
        result.append(QStringView(line).mid(from, at - from));
        from = at + 4;
    }
    result.append(QStringView(line).mid(from));
    return result;
}

namespace {

// A German verb given with its direct object before the object of a
// preposition ("(sich) etw. mit jdm. teilen", "jdn. gegen etw. impfen") is
// read as the verb alone ("sich etw. teilen", "teilen") where the line's
// English words take no preposition either ("to share sth. (with sb.)" is
// "share"): the verb takes its object directly, and the preposition only adds
// a second one the English verb leaves aside. Read "teilen mit", like a verb
// whose only object takes the preposition ("zu etw. raten" is "raten zu"), it
// stood behind every other word of the English word's row and fell out of
// it. Where an English word keeps its preposition ("to set sb. apart from
// sth.", "to take sth. for sth.", "to discourage sb. from doing sth."), the
// German one does too: "halten für" is no "halten".
QString withVerbBeforeSecondObject(const QString &line)
{
    const qsizetype separator = line.indexOf(u" :: ");
    if (separator < 0 || !line.contains(u". "))
        return line;
    static const QRegularExpression pattern(QStringLiteral(
        "^((?:\\(sich\\) |sich )?(?:etw|jdn|jdm)\\.(?:/(?:etw|jdn|jdm)\\.)? )"
        "(?:mit|an|auf|für|über|von|zu|in|aus|bei|nach|um|unter|gegen|vor|zwischen|durch) "
        "(?:etw|jdn|jdm)\\.(?:/(?:etw|jdn|jdm)\\.)? (?=\\p{Ll}+(?: [{\\[(]|$))"));
    const QStringView germanSection = firstSection(QStringView(line).left(separator));
    const QVector<QStringView> german = splitTopLevel(germanSection, u"; ");
    if (std::none_of(german.cbegin(), german.cend(),
                     [](QStringView raw) { return pattern.match(raw.trimmed()).hasMatch(); }))
        return line;
    static const QSet<QString> englishPrepositions{
        QStringLiteral("with"), QStringLiteral("from"), QStringLiteral("to"),   QStringLiteral("into"),
        QStringLiteral("of"),   QStringLiteral("on"),   QStringLiteral("onto"), QStringLiteral("upon"),
        QStringLiteral("for"),  QStringLiteral("in"),   QStringLiteral("at"),   QStringLiteral("against"),
        QStringLiteral("about"), QStringLiteral("by"),  QStringLiteral("through"), QStringLiteral("over"),
        QStringLiteral("under"), QStringLiteral("as"),  QStringLiteral("towards"), QStringLiteral("toward")};
    const QVector<QStringView> english = englishSynonymsOf(firstSection(QStringView(line).mid(separator + 4)));
    bool anyVerb = false;
    for (const QStringView raw : english) {
        const QString word = cleanTransSynonym(raw, true);
        if (word.isEmpty())
            continue;
        const QStringList words = word.split(u' ');
        if (std::any_of(words.cbegin() + 1, words.cend(),
                        [](const QString &w) { return englishPrepositions.contains(w); }))
            return line;
        anyVerb = true;
    }
    if (!anyVerb)
        return line;
    QStringList read;
    for (const QStringView raw : german) {
        QString synonym = raw.toString();
        const QRegularExpressionMatch match = pattern.match(synonym.trimmed());
        if (match.hasMatch()) {
            qsizetype lead = 0;  // the blank after the previous synonym's "; "
            while (lead < synonym.size() && synonym.at(lead).isSpace())
                ++lead;
            synonym.remove(lead + match.capturedLength(1), match.capturedLength() - match.capturedLength(1));
        }
        read.append(synonym);
    }
    return read.join(u"; ") + line.mid(germanSection.size());
}

// A line whose English verb takes an infinitive as its object ("etw. wagen;
// sich trauen, etw. zu tun :: to dare to do sth."; "to want to do sth.")
// names the verb alone: "dare", as "to advise sb. to do sth." names
// "advise". Read on, the English item was "dare to do", which no row of
// "dare" takes. The line is read with "to do" left out of its first English
// section. A phrase with "be" keeps it ("to be about to do sth.": its
// adjective needs the infinitive), and so does a line whose German words
// stand for the infinitive's "do" ("etw. tun wollen :: to want to do sth.",
// "gern tun"): the German item would be the placeholder with its verb.
QString withInfinitiveObjectLeftOut(const QString &line)
{
    const qsizetype separator = line.indexOf(u" :: ");
    if (separator < 0 || !line.contains(u" to do sth."))
        return line;
    static const QRegularExpression standsForDo(QStringLiteral("(?<!\\bzu )\\btun\\b"));
    if (firstSection(QStringView(line).left(separator)).toString().contains(standsForDo))
        return line;
    static const QRegularExpression infinitive(
        QStringLiteral("(?<=^|; )(to (?!be )\\p{Ll}+) to do (?=sth\\.)"));
    const QStringView englishSection = firstSection(QStringView(line).mid(separator + 4));
    QString english = englishSection.toString();
    english.replace(infinitive, QStringLiteral("\\1 "));
    if (english.size() == englishSection.size())
        return line;
    return line.left(separator + 4) + english + line.mid(separator + 4 + englishSection.size());
}

// Whether the note that ends the last English synonym of a line's first
// section is the whole section's: the German group carries a note after its
// word class (notedAfterWordClass), and no earlier English synonym has a
// note of its own ("etw. aufbessern; ...; aufmöbeln [ugs.] {vt} (mangelhafte
// Sache) :: to fix up <> sth.; to do up <> sth. (a defective thing)"). The
// English side mirrors the German one: the note narrows every synonym alike,
// so it does not make the last one a narrower sense than the first.
bool endsInSectionsSharedNote(const QVector<QStringView> &english, qsizetype k, QStringView germanSide)
{
    if (english.size() < 2 || k != english.size() - 1 || !notedAfterWordClass(firstSection(germanSide)))
        return false;
    const QStringView raw = english.at(k).trimmed();
    return raw.endsWith(u')') && raw.count(u'(') == 1
           && std::none_of(english.cbegin(), english.cend() - 1, [](QStringView earlier) { return earlier.contains(u'('); });
}

} // namespace

// The later English synonym at `k` of a line (englishSynonyms, read from
// the raw synonyms `english`), as a later sense of the German word that
// heads it. A note the whole section shares (endsInSectionsSharedNote) does
// not count as the synonym's own: "aufbessern" lost "do up" of its own line
// to it, as a use narrowed below the line's first word.
TransSynonym laterSenseOfLine(const QVector<TransSynonym> &englishSynonyms, const QVector<QStringView> &english,
                              qsizetype k, QStringView germanSide)
{
    TransSynonym later = englishSynonyms.at(k);
    if (later.noted && endsInSectionsSharedNote(english, k, germanSide))
        later.noted = false;
    return later;
}

// A line read with the verbs it names alone (withVerbBeforeSecondObject,
// withInfinitiveObjectLeftOut).
QString withVerbsAlone(const QString &line)
{
    return withInfinitiveObjectLeftOut(withVerbBeforeSecondObject(line));
}

namespace {

// Drops what the source's slips leave on an English item's words: a doubled
// infinitive marker ("to to prance around"), whose first "to" alone would
// be read as the verb's, and a stray full stop ("to combine sth. with.
// sth.", "to back down (on sth)."). A stop stays on an abbreviation: one
// with a capital ("Mr.") or with a stop inside ("e.g."), or a short
// lowercase one ("approx.") that names no word of the kind.
void dropSourceSlips(QStringList &kept)
{
    while (kept.size() > 2 && kept.at(0) == QLatin1String("to") && kept.at(1) == QLatin1String("to"))
        kept.removeFirst();
    kept.removeAll(QStringLiteral("."));
    if (kept.isEmpty())
        return;
    static const QSet<QString> abbreviations{
        QStringLiteral("approx"), QStringLiteral("esp"), QStringLiteral("incl"), QStringLiteral("etc"),
        QStringLiteral("cf"),     QStringLiteral("ca"),  QStringLiteral("vs"),   QStringLiteral("no"),
        QStringLiteral("sq"),     QStringLiteral("ft"),  QStringLiteral("lb"),   QStringLiteral("oz"),
        QStringLiteral("pl"),     QStringLiteral("sg"),  QStringLiteral("st")};
    QString &last = kept.last();
    if (last.size() > 2 && last.endsWith(u'.') && !isValencyMarker(last)) {
        const QString word = last.chopped(1);
        bool lowercase = true;
        for (const QChar c : word)
            lowercase = lowercase && c.isLower();
        if (lowercase && !abbreviations.contains(word))
            last = word;
    }
}

// Where a British or American word is followed by the other country's
// word, each tagged, and the rest of the phrase is shared ("hard-disc [Br.]
// / hard disk [Am.] platter", "to have [Br.] / take [Am.] a swim"): the end
// of the second word's tag, from the end of the first tag; or -1. Read as
// an alternative of one word the slash kept the second word's tail and
// glued it on ("hard-disc disk platter"); the first country's phrase is
// whole without it ("hard-disc platter").
qsizetype otherCountrysWordEnd(QStringView raw, qsizetype tagEnd)
{
    static const auto isRegionTag = [](QStringView tag) { return tag == u"Br." || tag == u"Am."; };
    const qsizetype tagStart = raw.lastIndexOf(u'[', tagEnd);
    if (tagStart < 0 || !isRegionTag(raw.mid(tagStart + 1, tagEnd - tagStart - 1).trimmed())
        || !raw.mid(tagEnd + 1).startsWith(u" / "))
        return -1;
    const qsizetype wordStart = tagEnd + 4;
    const qsizetype nextTag = raw.indexOf(u'[', wordStart);
    if (nextTag < 0)
        return -1;
    const qsizetype nextTagEnd = raw.indexOf(u']', nextTag);
    const QStringView word = raw.mid(wordStart, nextTag - wordStart).trimmed();
    if (nextTagEnd < 0 || word.isEmpty() || !isRegionTag(raw.mid(nextTag + 1, nextTagEnd - nextTag - 1).trimmed()))
        return -1;
    const bool plainWords = std::all_of(word.cbegin(), word.cend(), [](QChar c) {
        return c.isLetter() || c == u' ' || c == u'-' || c == u'\'';
    });
    return plainWords ? nextTagEnd : -1;
}

} // namespace

} // namespace detail

using namespace detail;

QString cleanTransSynonym(QStringView raw, bool english, QStringList *tags, bool keepTo)
{
    if (!english && (holdsPrepositionsObject(raw) || spoiltByCutEndings(raw)))
        return {};
    if (english && fillsSlotOfConstruction(raw))
        return {};
    // Brackets first: tags are kept aside, {…} and (…) dropped with what
    // they hold.
    QString text;
    text.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        if (c == u'[') {
            const qsizetype end = raw.indexOf(u']', i);
            if (end < 0)
                break;
            if (tags)
                tags->append(raw.mid(i + 1, end - i - 1).trimmed().toString());
            // "colour [Br.]/color [Am.]": the tag's blank goes with it.
            while (text.endsWith(u' '))
                text.chop(1);
            i = end;
            // The other country's word after it goes with its tag.
            if (const qsizetype otherEnd = otherCountrysWordEnd(raw, end); otherEnd > 0) {
                if (tags)
                    tags->append(raw.mid(raw.lastIndexOf(u'[', otherEnd) + 1, 3).toString());
                i = otherEnd;
            }
        } else if (c == u'{' || c == u'(') {
            const QChar close = c == u'{' ? u'}' : u')';
            int depth = 0;
            qsizetype j = i;
            for (; j < raw.size(); ++j) {
                if (raw.at(j) == c)
                    ++depth;
                else if (raw.at(j) == close && --depth == 0)
                    break;
            }
            i = j;  // an unclosed bracket drops the rest
            text.append(u' ');
        } else if (c != u')' && c != u']' && c != u'}') {
            text.append(c);
        }
    }
    // Then word by word: markers, "<>", abbreviations and alternatives.
    QStringList kept;
    QString trailingPreposition;  // of a reflexive verb's object, put after the verb
    bool prepositionAfterVerb = false;  // the verb has no "sich" before it
    qsizetype lastKeptAt = -1;  // the token kept last
    const QList<QStringView> tokens = QStringView(text).split(u' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const QStringView token = tokens.at(i);
        if (token.size() > 1 && token.startsWith(u'/')) {
            // "/Mo/", "/z. B./": an abbreviation up to the closing slash.
            while (i < tokens.size() && !tokens.at(i).endsWith(u'/'))
                ++i;
            continue;
        }
        if (token == u"/") {
            // "bringen / karren": the word after the slash is an alternative
            // of the one before.
            if (!startsPhraseAgain(tokens, i, kept)) {
                // "inflammation of a joint / of joints": a phrase follows
                // the slash, so the first phrase ends there. A German phrase
                // ends in its verb, after the slash: it is left out.
                if (opensPhraseAfterSlash(tokens, i, english)) {
                    if (!english)
                        return {};
                    break;
                }
                ++i;
                continue;
            }
            // "ohne weiteres / ohne Weiteres": the phrase again, as long as
            // it. "to be / to feel nauseous", "to look forward / to be looking
            // forward to sth." share a rest whose start cannot be told: left
            // out rather than glued into nonsense.
            if (tokens.size() - (i + 1) == kept.size())
                break;
            return {};
        }
        // "to be able to look forward to sth./ to expect sth.": a slash
        // after a marker, then another phrase.
        if (token.size() > 1 && token.endsWith(u'/') && startsPhraseAgain(tokens, i, kept))
            return {};
        if (token.startsWith(u'~'))
            continue;  // "bad ~worse", "Dockarbeiter ~Stauer": a form or a word to compare
        if (token.size() > 2 && token.startsWith(u'#') && token.endsWith(u'#'))
            continue;  // "to make sth. {made; made} #BE_make#": an editor's mark
        if (token == u"etc." || token == u"usw.")
            return {};  // "to check with sb. what/whether etc.": an open list, no word to learn
        if (isValencyMarker(token)) {
            // "etw. nehmen", "sich etw. merken" and "jdm. etw. geben" lose
            // their markers whole; "über etw. verfügen" would lose its sense.
            // "sich an etw. erinnern" is "sich erinnern an", as dictionaries
            // give a reflexive verb with the preposition of its object:
            // without it "sich um etw. handeln" would be "sich handeln", and
            // "sich gegen jdn. stellen" "sich stellen", another verb.
            if (!english && kept.size() == 2 && kept.first() == QLatin1String("sich") && i + 1 < tokens.size()
                && kept.last().at(0).isLower()) {
                trailingPreposition = kept.takeLast();
                continue;
            }
            // "zu etw. raten", "von etw. profitieren": a verb that takes its
            // object with a preposition is given as dictionaries give it,
            // "raten zu", "profitieren von"; read whole it would be left out.
            // "gegen etw. sein" is a stance, not "sein" with an object.
            if (!english && kept.size() == 1 && i + 2 == tokens.size() && isGermanPreposition(kept.first())
                && tokens.at(i + 1).front().isLower() && !isValencyMarker(tokens.at(i + 1))
                && tokens.at(i + 1) != u"sein") {
                trailingPreposition = kept.takeLast();
                prepositionAfterVerb = true;
                continue;
            }
            const bool inside = !kept.isEmpty() && kept.last() != QLatin1String("sich") && i + 1 < tokens.size();
            // "to advise sb. to do sth.": the object's infinitive is the
            // verb's pattern, not its words; read on it would be "advise to do".
            if (inside && english && tokens.size() - i <= 4 && tokens.at(i + 1) == u"to" && i + 2 < tokens.size()
                && tokens.at(i + 2) == u"do" && (i + 3 == tokens.size() || isValencyMarker(tokens.at(i + 3)))) {
                // "to gesture for sb. to do sth.": "for" with the object and
                // its infinitive is one clause, "gesture for" no phrase.
                if (kept.last() == QLatin1String("for") || kept.last().startsWith(QLatin1String("for/")))
                    return {};
                break;
            }
            if (inside && !english)
                return {};
            // An English marker may go from the middle of a phrase when
            // what follows still reads on the verb ("to take sth. into
            // account", "to put sth. off"). It may not when the rest says
            // what the object does or owns: "to let sth. be known" is no
            // "let be known", "to slap sb.'s face" no "slap face".
            if (inside && english && objectCarriesRest(token, kept.last(), tokens.at(i + 1)))
                return {};
            continue;
        }
        if (token == u"<>")
            continue;
        if (english && opensPhraseAlternative(token)) {
            // "to launch a satellite/a rocket": the alternative is a phrase
            // of its own that runs on, and cutting the slash's word alone
            // would glue the two ("launch a satellite rocket"). The first
            // phrase ends at the slash.
            kept.append(token.left(token.indexOf(u'/')).toString());
            break;
        }
        if (english && endsInLooseAlternatives(token, i + 1 < tokens.size())) {
            // "to become/get tangled up/entangled/ snarled up/ensnared": the
            // first phrase ends at the slash (endsInLooseAlternatives).
            kept.append(token.left(token.indexOf(u'/')).toString());
            break;
        }
        if (english && i + 1 < tokens.size() && endsInTwoWordPreposition(token, tokens.at(i + 1))) {
            // "to arise from/out of sth.": "from", not "from of".
            kept.append(token.left(token.indexOf(u'/')).toString());
            ++i;
            lastKeptAt = i;
            continue;
        }
        // The word after an object or alternative left out may be the one
        // before it again: "to sell sth. at auction / by auction" is "sell at
        // auction", "to let in <> sb. in/into sth." "let in", not "let in in".
        if (!kept.isEmpty() && i > lastKeptAt + 1 && kept.last() == token.left(token.indexOf(u'/')))
            continue;
        kept.append(token.toString());
        lastKeptAt = i;
    }
    if (english)
        dropSourceSlips(kept);
    // The "to" of a verb goes ("to take"), that of a phrase stays: "to no
    // avail" and "to the point" are no verbs.
    // "to no longer apply" is a verb again.
    if (english && !keepTo && kept.size() > 1 && kept.first() == QLatin1String("to")
        && (!startsNounPhrase(kept.at(1)) || (kept.size() > 2 && kept.at(2) == QLatin1String("longer"))))
        kept.removeFirst();
    if (!trailingPreposition.isEmpty() && (kept.size() > 1 || (prepositionAfterVerb && kept.size() == 1)))
        kept.append(trailingPreposition);
    QString cleaned = kept.join(u' ');
    if (joinsWordPartsBySlash(cleaned))
        return {};
    if (mayHoldMarkup(cleaned))
        cleaned = withoutMarkup(cleaned);
    // "Hauptstadt: Winnipeg" is a label and "dafürhalten, dass" a phrase;
    // rows join their translations with ", ", where either would read as two.
    if (cleaned.contains(u',') || cleaned.contains(u':'))
        return {};
    // Words are split at blanks only: a tab or a carriage return around
    // them ("to stop\r" of a CRLF file) is no part of the word.
    return cleaned.trimmed();
}

TransEntry parseTransEntry(QStringView line)
{
    TransEntry entry;
    // A file with CRLF line ends: the carriage return is no part of the
    // last English word.
    if (line.endsWith(u'\r'))
        line.chop(1);
    if (line.startsWith(u'#'))
        return entry;
    const QString read = withoutSharedArticles(withVerbsAlone(line.toString()));
    const qsizetype separator = read.indexOf(u" :: ");
    if (separator < 0)
        return entry;
    const QStringView germanSide = QStringView(read).left(separator);
    entry.german = synonymsOf(germanSide, false);
    entry.english = synonymsOf(QStringView(read).mid(separator + 4), true, namesNoVerb(germanSide));
    return entry;
}

} // namespace vorbix::import
