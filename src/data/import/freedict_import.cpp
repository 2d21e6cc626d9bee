#include "data/import/freedict_import.h"

#include "data/import/apertium_lexicon.h"
#include "data/import/article_items.h"
#include "data/import/dictd_entry.h"
#include "data/import/dictd_index.h"
#include "data/import/english_word_uses.h"
#include "data/import/dictzip_stream.h"
#include "data/import/everyday_supplement.h"
#include "data/import/french_items.h"
#include "data/import/french_pairs.h"
#include "data/import/german_pivot.h"
#include "data/import/input_file.h"
#include "data/import/german_core.h"
#include "data/import/german_first_entry.h"
#include "data/import/spanish_core.h"
#include "data/import/spanish_repairs.h"
#include "data/import/spanish_settling.h"
#include "data/import/trans_de_en.h"
#include "data/import/word_frequency.h"
#include "data/import/word_kind_siblings.h"
#include "data/import/word_order.h"
#include "data/record_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <cstring>
#include <future>
#include <memory>

namespace vorbix::import {

namespace {

struct DictFiles
{
    QString index;
    QString dict;
};

DictFiles filesOf(const QString &directory, const QString &dictionary)
{
    const QDir dir(directory);
    DictFiles files{dir.filePath(QStringLiteral("freedict-%1.index").arg(dictionary)),
                    dir.filePath(QStringLiteral("freedict-%1.dict.dz").arg(dictionary))};
    for (const QString &path : {files.index, files.dict}) {
        if (!QFileInfo(path).isFile()) {
            throw RecordError(QStringLiteral("%1 is missing; install the package %2")
                                  .arg(path, freedictPackage(dictionary)));
        }
    }
    return files;
}

// The entries of a small dictionary in file order, senses not yet merged.
QVector<DictdEntry> readSmallDictionary(const QString &directory, const QString &dictionary)
{
    const DictFiles files = filesOf(directory, dictionary);
    QVector<DictdEntry> entries;
    forEachDictdEntry(files.dict, readDictdIndex(files.index), [&entries](const DictdIndexEntry &, const QByteArray &bytes) {
        DictdEntry entry = parseDictdEntry(QString::fromUtf8(bytes), EntryStyle::SenseList);
        if (!entry.headword.isEmpty() && !entry.translations.isEmpty())
            entries.append(std::move(entry));
    });
    return entries;
}

// The header line of each entry of a dictionary ("majesté /maʒɛste/ <n, fem>").
QStringList entryHeaders(const QString &directory, const QString &dictionary)
{
    const DictFiles files = filesOf(directory, dictionary);
    QStringList headers;
    forEachDictdEntry(files.dict, readDictdIndex(files.index), [&headers](const DictdIndexEntry &, const QByteArray &bytes) {
        headers.append(headerOfEntry(QString::fromUtf8(bytes)));
    });
    return headers;
}

// The part of speech fra-eng's headers (entryHeaders) give each French
// headword: 'n' for a noun, 'v' for a verb, '?' for a headword with entries
// of both; other words are left out.
QHash<QString, QChar> frenchPartsOfSpeech(const QStringList &headers)
{
    QHash<QString, QChar> parts;
    for (const QString &header : headers) {
        const qsizetype tag = header.indexOf(QLatin1String(" <"));
        if (tag < 0)
            continue;
        // "<n, fem>", "<n>"; "<v>", "<vt>", "<vi>"; not "<num>".
        const QString rest = header.mid(tag + 2);
        QChar part;
        if (rest.startsWith(QLatin1String("n>")) || rest.startsWith(QLatin1String("n,")))
            part = QLatin1Char('n');
        else if (rest.startsWith(QLatin1String("v>")) || rest.startsWith(QLatin1String("vt>"))
                 || rest.startsWith(QLatin1String("vi>")))
            part = QLatin1Char('v');
        else
            continue;
        QChar &known = parts[headwordOfHeader(header)];
        known = known.isNull() || known == part ? part : QLatin1Char('?');
    }
    return parts;
}

// Merges the senses of each headword, in first-seen order.
SenseRows mergeSenses(const QVector<DictdEntry> &entries)
{
    SenseRows merged;
    QHash<QString, qsizetype> position;
    for (const DictdEntry &entry : entries) {
        const auto found = position.constFind(entry.headword);
        if (found == position.constEnd()) {
            position.insert(entry.headword, merged.size());
            merged.append({entry.headword, entry.translations});
        } else {
            appendUnique(merged[*found].second, entry.translations);
        }
    }
    return merged;
}

QVector<ImportRow> rowsOf(const SenseRows &senses, FreedictReport &report)
{
    QVector<ImportRow> rows;
    for (const auto &[headword, translations] : senses) {
        bool shortened = false;
        rows.append({headword, joinTranslations(translations, shortened)});
        if (shortened)
            ++report.translationsShortened;
    }
    return rows;
}

void addWords(QSet<QString> &vocabulary, const QString &phrase)
{
    for (const QString &word : wordsOf(phrase))
        vocabulary.insert(word);
}

// The lowercased words of a Debian word list (wspanish, wamerican), or none
// when it is not installed. Possessives ("dog's") are left out.
QSet<QString> readWordList(const QString &path)
{
    QSet<QString> words;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return words;
    // One conversion of the whole file: line by line takes most of a second
    // for a list of 300 000 words.
    const QString text = QString::fromUtf8(file.readAll()).toLower();
    for (const QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        const QStringView word = line.trimmed();
        if (!word.isEmpty() && !word.contains(QLatin1Char('\'')))
            words.insert(word.toString());
    }
    return words;
}

// The Debian word lists the repairs of lost blanks judge by, as readWordList
// gives them.
struct BlankRepairLists
{
    QSet<QString> spanish;
    QSet<QString> english;
};

// Reads the word lists of BlankRepairLists. They depend on nothing the import
// computes, so they are read on a thread of their own from its start.
BlankRepairLists readBlankRepairLists()
{
    return {readWordList(QStringLiteral("/usr/share/dict/spanish")),
            readWordList(QStringLiteral("/usr/share/dict/american-english"))};
}

// A glued Spanish translation no source holds as a phrase is split only into
// words among the 2 000 commonest; English ones are split only into a phrase
// a source holds: English words of the frequency list cut into other such
// words too often ("bars tool", "ace to us", "in away").
constexpr int kSpanishUnattestedTop = 2000;
constexpr int kEnglishUnattestedTop = 0;

// Puts the lost blanks back into translations. A glued item that is another
// item of its entry misspelt ("diezyocho" beside "dieciocho") is left out; a
// glued one without a sure split is kept for now: settleGlued() decides on
// it once Apertium's words are known.
void repairBlanks(QVector<DictdEntry> &entries, const BlankRepairer &repairer, FreedictReport &report,
                  const QString &dictionary, GluedItems &glued)
{
    for (DictdEntry &entry : entries) {
        QStringList repaired;
        for (const QString &item : std::as_const(entry.translations)) {
            const BlankRepair mended = repairer.mend(item);
            if (mended.kind != BlankRepair::Whole && isVariantOfAnother(item, entry.translations)) {
                report.details.append(QStringLiteral("%1: \"%2\" left out, a misspelling of another translation")
                                          .arg(dictionary, item));
                ++report.gluedDropped;
            } else if (mended.kind == BlankRepair::Split) {
                report.details.append(QStringLiteral("%1: \"%2\" -> \"%3\"").arg(dictionary, item, mended.text));
                ++report.blanksRepaired;
                glued.splits.insert(mended.text, item);
                appendUnique(repaired, {mended.text});
            } else {
                if (mended.kind == BlankRepair::Unsure)
                    glued.unsure.insert(item);
                if (!mended.unattested.isEmpty())
                    glued.unattested.insert(item, QStringList{mended.unattested} + mended.otherCuts);
                else if (mended.kind == BlankRepair::Whole && !mended.otherCuts.isEmpty())
                    glued.wholeCuts.insert(item, mended.otherCuts);
                appendUnique(repaired, {item});
            }
        }
        entry.translations = repaired;
    }
}

// The words of a language in the French pairs: the lower-cased words of
// `phrases` into `words`, the phrases of several words into `multiWord`.
void collectWords(const QStringList &phrases, QSet<QString> &words, QSet<QString> &multiWord)
{
    for (const QString &phrase : phrases) {
        const QString lower = phrase.toLower();
        if (lower.contains(QLatin1Char(' ')))
            multiWord.insert(lower);
        for (const QString &word : lower.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            words.insert(word);
    }
}

// Mends or leaves out the bracketed, misspelt and run-together items of
// eng-fra and fra-eng. A misspelling is an unknown word one letter from a
// common one; which words are known is best told by a full word list
// (wfrench, wamerican). Without one, every word either dictionary holds
// counts as known, so that no right word goes for want of the list.
// The installed English and French word lists the French items are vetted
// against (see vetFrenchItems).
struct FrenchVettingLists
{
    WordList english;
    WordList french;
};

// Reads the word lists of FrenchVettingLists. They depend on nothing the
// import computes, so they are read on a thread of their own from its start
// while the dictionaries are read.
FrenchVettingLists readFrenchVettingLists()
{
    return {WordList::fromFile(QStringLiteral("/usr/share/dict/american-english")),
            WordList::fromFile(QStringLiteral("/usr/share/dict/french"))};
}

int vetFrenchItems(QVector<DictdEntry> &engFra, QVector<DictdEntry> &fraEng, QStringList &details,
                   std::unique_ptr<ItemSpelling> &englishSpelling, std::unique_ptr<ItemSpelling> &frenchSpelling,
                   const QByteArray &transText, FrenchVettingLists lists)
{
    QSet<QString> englishWords;
    QSet<QString> frenchWords;
    QSet<QString> englishPhrases;
    QSet<QString> frenchPhrases;
    QSet<QString> englishHeadwords;
    for (const DictdEntry &entry : std::as_const(engFra)) {
        collectWords({entry.headword}, englishHeadwords, englishPhrases);
        collectWords(entry.translations, frenchWords, frenchPhrases);
    }
    for (const DictdEntry &entry : std::as_const(fraEng)) {
        collectWords({entry.headword}, frenchWords, frenchPhrases);
        collectWords(entry.translations, englishWords, englishPhrases);
    }
    WordList englishList = std::move(lists.english);
    if (englishList.isEmpty())
        englishList = WordList::fromWords(englishWords);
    WordList frenchList = std::move(lists.french);
    if (frenchList.isEmpty())
        frenchList = WordList::fromWords(frenchWords);

    const WordRanks &englishRanks = WordRanks::forLanguage(QStringLiteral("en"));
    const WordRanks &frenchRanks = WordRanks::forLanguage(QStringLiteral("fr"));
    englishSpelling = std::make_unique<ItemSpelling>(std::move(englishList), englishRanks, std::move(englishPhrases));
    ItemSpelling &english = *englishSpelling;
    // British spellings an American list holds in its own form.
    for (const auto &[from, to] : {std::pair{"isation", "ization"}, std::pair{"ise", "ize"}, std::pair{"yse", "yze"},
                                   std::pair{"our", "or"}, std::pair{"tre", "ter"}, std::pair{"ll", "l"}})
        english.addVariant(QLatin1String(from), QLatin1String(to));
    // eng-fra's headwords are known English words: they hold the British
    // spellings and rare words an American list lacks ("mouldy", "bairn").
    // But they hold misspellings too ("independant", "auxilary"): a
    // headword word one letter from a common or listed word counts only
    // when trans-de-en, a far larger dictionary, has it on its English side.
    if (!transText.isEmpty()) {
        QStringList headwords;
        for (const DictdEntry &entry : std::as_const(engFra))
            headwords.append(entry.headword);
        const QSet<QString> doubtful = english.doubtfulWords(headwords);
        englishHeadwords -= doubtful - englishWordsInTrans(transText, doubtful);
    }
    english.alsoKnow(std::move(englishHeadwords));
    details.append(QStringLiteral("fra-eng: %1 infinitive markers dropped").arg(dropInfinitiveMarkers(fraEng)));
    const int mended = mendGluedEnglish(engFra, fraEng, english, transText, details);
    frenchSpelling = std::make_unique<ItemSpelling>(std::move(frenchList), frenchRanks, std::move(frenchPhrases));
    ItemSpelling &french = *frenchSpelling;
    french.addVariant(QStringLiteral("œ"), QStringLiteral("oe"));
    french.addVariant(QStringLiteral("æ"), QStringLiteral("ae"));
    french.findGluedWords(true);
    french.alsoNear(englishRanks);
    return mended + vetFrenchPairEntries(engFra, english, french, QStringLiteral("eng-fra"), details)
           + vetFrenchPairEntries(fraEng, french, english, QStringLiteral("fra-eng"), details);
}

// Splits the unsure glued items of `entries` into the likeliest of their
// sound splits that `attested` holds (as lowercased words joined by single
// blanks): "barstool" into "bar stool", although "bars tool" is likelier.
void splitAttested(QVector<DictdEntry> &entries, GluedItems &glued, const QSet<QString> &attested,
                   FreedictReport &report)
{
    // The likeliest split of each item that `attested` holds.
    QHash<QString, QString> splits;
    for (auto it = glued.unattested.cbegin(); it != glued.unattested.cend(); ++it) {
        for (const QString &split : it.value()) {
            if (attested.contains(wordsOf(split).join(QLatin1Char(' ')))) {
                splits.insert(it.key(), split);
                glued.unsure.remove(it.key());
                break;
            }
        }
    }
    for (DictdEntry &entry : entries) {
        QStringList items;
        for (const QString &item : std::as_const(entry.translations)) {
            const QString split = splits.value(item);
            if (split.isEmpty()) {
                appendUnique(items, {item});
                continue;
            }
            report.details.append(QStringLiteral("spa-eng: \"%1\" -> \"%2\", a phrase of trans-de-en").arg(item, split));
            ++report.blanksRepaired;
            glued.splits.insert(split, item);
            appendUnique(items, {split});
        }
        entry.translations = items;
    }
}

// The German pairs' two tables, ordered, and how many rows their limit left
// out.
struct GermanTables
{
    QVector<WordRow> englishGerman;
    QVector<WordRow> germanEnglish;
    int capped = 0;
};

// The keys of a FreeDict dictionary's index; none when it is missing or
// cannot be read (the pivot then reports why).
QStringList indexHeadwords(const QString &directory, const QString &dictionary)
{
    const QString path = QDir(directory).filePath(QStringLiteral("freedict-%1.index").arg(dictionary));
    QStringList keys;
    if (!QFileInfo(path).isFile())
        return keys;
    try {
        for (const DictdIndexEntry &entry : readDictdIndex(path))
            keys.append(QString::fromUtf8(entry.key));
    } catch (const RecordError &) {
        keys.clear();
    }
    return keys;
}

} // namespace

QString freedictPackage(const QString &dictionary)
{
    return QStringLiteral("dict-freedict-") + dictionary;
}

QString joinTranslations(const QStringList &translations, bool &shortened)
{
    QString text;
    for (const QString &item : translations) {
        const qsizetype added = (text.isEmpty() ? 0 : 2) + item.size();
        if (text.size() + added > kMaxTranslationLength) {
            shortened = true;
            continue;
        }
        if (!text.isEmpty())
            text += QLatin1String(", ");
        text += item;
    }
    return text;
}

FreedictTables importFreedict(const QString &directory, const QString &transDeEn,
                              const std::function<void(const QString &)> &progress)
{
    // trans-de-en, where installed, is the better German source: it keeps
    // each entry's main sense first, where the dictd files made from it list
    // the senses alphabetically.
    const bool fromTrans = QFileInfo(transDeEn).isFile();
    // Check every file needed first, so that a missing package is reported
    // before minutes of work.
    for (const char *name : {"eng-spa", "spa-eng", "eng-fra", "fra-eng"})
        filesOf(directory, QLatin1String(name));
    if (!fromTrans) {
        for (const char *name : {"eng-deu", "deu-eng"})
            filesOf(directory, QLatin1String(name));
    }

    // Apertium's bilingual lexicons mend the Spanish tables. Debian installs
    // them beside the dictd folder (/usr/share/apertium). lt-print needs a
    // few seconds per lexicon; it runs while the dictionaries are read.
    const QString apertium =
        QDir::cleanPath(QDir(directory).absoluteFilePath(QStringLiteral("../apertium/apertium-eng-spa"))) + u'/';
    LexiconPrinter englishSpanishLexicon(apertium + QLatin1String("eng-spa.autobil.bin"),
                                         QStringLiteral("apertium-eng-spa"));
    LexiconPrinter spanishEnglishLexicon(apertium + QLatin1String("spa-eng.autobil.bin"),
                                         QStringLiteral("apertium-eng-spa"));

    FreedictTables result;
    FreedictReport &report = result.report;
    std::future<FrenchVettingLists> frenchVettingLists = std::async(std::launch::async, readFrenchVettingLists);
    std::future<BlankRepairLists> blankRepairLists = std::async(std::launch::async, readBlankRepairLists);

    progress(QStringLiteral("reading the Spanish and French dictionaries"));
    // trans-de-en is read once: the German pairs come from it, its English
    // phrases attest splits of the Spanish pairs, and its German words link
    // the French pairs' words.
    QByteArray transText;
    // The German pairs weigh words by how many lines of trans-de-en mention
    // them. That count needs the text alone; it runs on a thread of its own
    // while the French and Spanish pairs are read, which leaves the German
    // thread below less to do once the core words are known.
    std::future<TransWordCounts> transWordCounts;
    if (fromTrans) {
        transText = readInputFile(transDeEn);
        transWordCounts = std::async(std::launch::async, [transText] { return countTransWords(transText); });
    }
    QVector<DictdEntry> engSpa = readSmallDictionary(directory, QStringLiteral("eng-spa"));
    QVector<DictdEntry> spaEng = readSmallDictionary(directory, QStringLiteral("spa-eng"));
    QVector<DictdEntry> engFra = readSmallDictionary(directory, QStringLiteral("eng-fra"));
    QVector<DictdEntry> fraEng = readSmallDictionary(directory, QStringLiteral("fra-eng"));
    // fra-eng's headers tell the French words' parts of speech and kinds.
    const QStringList fraEngHeaders = entryHeaders(directory, QStringLiteral("fra-eng"));
    const QHash<QString, QChar> frenchParts = frenchPartsOfSpeech(fraEngHeaders);
    // The French words' links to English through German are read beside the
    // work on the French items, on a thread of their own.
    QSet<QString> frenchWords;
    for (const DictdEntry &entry : std::as_const(fraEng))
        frenchWords.insert(entry.headword.toLower());
    for (const DictdEntry &entry : std::as_const(engFra)) {
        for (const QString &item : entry.translations)
            frenchWords.insert(item.toLower());
    }
    // An open two-word item may be a hyphenated word written apart: fra-deu
    // is asked about its hyphenated form too.
    for (const QString &word : QStringList(frenchWords.cbegin(), frenchWords.cend())) {
        if (const QString hyphenated = hyphenatedForm(word); !hyphenated.isEmpty())
            frenchWords.insert(hyphenated);
    }
    // So is the second word of a two-word item: an item that is another item
    // and a synonym of the headword is a gloss (see
    // dropItemsGlossedWithASynonym).
    for (const QString &word : QStringList(frenchWords.cbegin(), frenchWords.cend())) {
        if (const QStringList words = word.split(QLatin1Char(' ')); words.size() == 2)
            frenchWords.insert(words.at(1));
    }
    // So are the Spanish words' links, for the words of FreeDict's Spanish
    // pairs: the items spa-deu can tell against are theirs (Apertium's
    // own pairs are never doubted).
    QSet<QString> spanishWords;
    for (const DictdEntry &entry : std::as_const(spaEng))
        spanishWords.insert(entry.headword.toLower());
    for (const DictdEntry &entry : std::as_const(engSpa)) {
        for (const QString &item : entry.translations)
            spanishWords.insert(item.toLower());
    }
    std::future<GermanPivot> spanishPivot =
        std::async(std::launch::async, [directory, transText, words = std::move(spanishWords)] {
            return GermanPivot::read(directory, QStringLiteral("spa-deu"), transText, words);
        });
    std::future<GermanPivot> frenchPivot =
        std::async(std::launch::async, [directory, transText, words = std::move(frenchWords)] {
            GermanPivot pivot = GermanPivot::read(directory, QStringLiteral("fra-deu"), transText, words);
            pivot.indexGermanByEnglish();
            return pivot;
        });
    // The words fra-deu writes apart after others ("jeu vidéo"), read beside
    // the work on the French items too.
    std::future<QSet<QString>> frenchOpenAfter = std::async(std::launch::async, [directory] {
        return wordsWrittenApartAfterOthers(indexHeadwords(directory, QStringLiteral("fra-deu")));
    });

    // The French pairs: no Canadian gazetteer, and each dictionary completed
    // with what the other translates back (eng-fra lacks "eat", fra-eng has
    // "manger: eat"). A place name the Spanish dictionaries list is kept.
    QSet<QString> spanishPairsEnglish;
    for (const DictdEntry &entry : std::as_const(engSpa))
        spanishPairsEnglish.insert(entry.headword);
    for (const DictdEntry &entry : std::as_const(spaEng)) {
        for (const QString &item : entry.translations)
            spanishPairsEnglish.insert(item);
    }
    report.frenchPlacesDropped = dropGazetteerPlaces(engFra, fraEng, spanishPairsEnglish);
    // The other pairs take English words and pronunciations from the French
    // dictionaries as read: what the French tables leave out or mend below
    // is no concern of theirs.
    const QVector<DictdEntry> engFraAsRead = engFra;
    const QVector<DictdEntry> fraEngAsRead = fraEng;
    const QStringList engFraHeadwords = headwordsWithReverseFill(engFra, fraEng);
    std::unique_ptr<ItemSpelling> englishSpelling;
    std::unique_ptr<ItemSpelling> frenchSpelling;
    report.frenchItemsMended = vetFrenchItems(engFra, fraEng, report.details, englishSpelling, frenchSpelling, transText,
                                               frenchVettingLists.get());
    {
        const GermanPivot pivot = frenchPivot.get();
        if (!pivot.problem().isEmpty()) {
            report.frenchLinkProblem = pivot.problem();
        } else if (pivot.isEmpty()) {
            report.frenchLinkProblem =
                QStringLiteral("%1 is not installed")
                    .arg(fromTrans ? freedictPackage(QStringLiteral("fra-deu")) : QLatin1String(kTransDeEnPackage));
        }
        // The written form: a word fra-deu translates, or a word of the French
        // word list (which holds no phrases) whose last word fra-deu does not
        // write apart after others; an open form is written apart where
        // fra-deu translates it.
        report.frenchItemsMended += joinOpenCompounds(
            engFra, fraEng, [&](const QString &word) { return pivot.knows(word); },
            [&](const QString &word) { return frenchSpelling->lists(word.toLower()); },
            frenchOpenAfter.get());
        // A French noun given for an adjective (or an adjective for a noun)
        // that fra-eng does not pair with the English word gives way to its
        // sibling fra-eng pairs with it, before the rows are completed, so
        // that neither table takes the wrong pair.
        {
            QSet<QString> englishWords;
            for (const DictdEntry &entry : std::as_const(engFra))
                englishWords.insert(entry.headword.toLower());
            const QHash<QString, int> nounUses = englishNounUsesInTrans(transText, englishWords);
            report.frenchItemsMended += dropFrenchItemsOfOtherKind(
                engFra, fraEng, frenchWordKinds(fraEngHeaders),
                [&nounUses](const QString &english) { return nounUses.value(english, 1) > 0; }, report.details);
        }
        const QVector<DictdEntry> engFraAlone = engFra;
        const QVector<DictdEntry> fraEngAlone = fraEng;
        // How often trans-de-en's English sides use each single English word
        // of fra-eng's rows and of eng-fra's headwords: it tells a common word
        // from a rare one beyond the frequency list (see
        // addReverseTranslations).
        QSet<QString> fraEngWords;
        for (const DictdEntry &entry : fraEngAlone) {
            for (const QString &item : entry.translations) {
                if (!item.contains(QLatin1Char(' ')))
                    fraEngWords.insert(item.toLower());
            }
        }
        for (const DictdEntry &entry : engFraAlone) {
            if (!entry.headword.contains(QLatin1Char(' ')))
                fraEngWords.insert(entry.headword.toLower());
        }
        // The second ranking pass is the first to need them: they are counted
        // on a thread of their own while the first pass runs.
        std::shared_future<QHash<QString, EnglishWordUses>> englishUsesCounted =
            std::async(std::launch::async, [transText, &fraEngWords] {
                return englishWordUsesInTrans(transText, fraEngWords);
            }).share();
        // The first item of each row of a table ranked without it.
        const auto firstItems = [](const QVector<DictdEntry> &rows) {
            QHash<QString, QString> first;
            for (const DictdEntry &entry : rows) {
                if (!entry.translations.isEmpty())
                    first.insert(entry.headword, entry.translations.constFirst());
            }
            return first;
        };
        QHash<QString, QString> englishFirst;
        QHash<QString, QString> frenchFirst;
        // Each table is ranked twice: the second time each word knows what
        // the other table's row of it starts with (its main sense).
        for (int pass = 0; pass < 2; ++pass) {
            engFra = engFraAlone;
            fraEng = fraEngAlone;
            report.frenchTranslationsAdded = addReverseTranslations(
                engFra, fraEngAlone, WordRanks::forLanguage(QStringLiteral("fr")),
                [&](const QString &word) { return englishSpelling->knows(word.toLower()); },
                [&pivot](const QString &english, const QString &french) { return pivot.links(french, english); },
                [&](const QString &word) { return frenchSpelling->lists(word); },
                [&](const QString &french, const QString &english) {
                    return pass > 0 && frenchFirst.value(french) == english;
                },
                [&frenchParts](const QString &french) { return frenchParts.value(french); }, false,
                pass > 0 ? &WordRanks::forLanguage(QStringLiteral("en")) : nullptr);
            // fra-eng's numbered first sense may lead only in the second
            // pass, once a word whose English row starts with the headword
            // is known and kept first ("coat" for "manteau"); the first pass
            // leaves the French rows' first items, which rank the English
            // table, as the links give them.
            // The uses break ties in the final ranking only: the first
            // pass's first items stand for each French word's main sense
            // when the English table is ranked, and that table's own ties
            // stay with the dictionaries' order.
            std::function<int(const QString &)> usesInFinalPass;
            if (pass > 0) {
                usesInFinalPass = [&englishUses = englishUsesCounted.get()](const QString &english) {
                    const EnglishWordUses uses = englishUses.value(english.toLower());
                    return uses.verb + uses.other;
                };
            }
            report.frenchTranslationsAdded += addReverseTranslations(
                fraEng, engFraAlone, WordRanks::forLanguage(QStringLiteral("en")),
                [&](const QString &word) { return frenchSpelling->knows(word.toLower()); },
                [&pivot](const QString &french, const QString &english) { return pivot.links(french, english); },
                [&](const QString &word) { return englishSpelling->lists(word); },
                [&](const QString &english, const QString &french) {
                    return pass > 0 && englishFirst.value(english) == french;
                },
                {}, pass > 0, pass > 0 ? &WordRanks::forLanguage(QStringLiteral("fr")) : nullptr,
                usesInFinalPass);
            if (pass == 0) {
                englishFirst = firstItems(engFra);
                frenchFirst = firstItems(fraEng);
            }
        }
        // Both dictionaries give the run-together pairs, so they go once the
        // English rows are completed.
        report.frenchItemsMended += dropRunTogetherPairs(engFra);
        report.frenchItemsMended += dropItemsGlossedWithASynonym(
            engFra, [&pivot](const QString &french, const QString &english) { return pivot.links(french, english); });
        report.frenchItemsMended += dropEnglishItems(
            engFra, [&](const QString &word) { return frenchSpelling->lists(word); },
            [&](const QString &word) { return englishSpelling->knows(word); },
            [&pivot](const QString &word) { return pivot.knows(word); });
        // A French verb's row does not start with a noun by the noun's rank.
        {
            const QHash<QString, EnglishWordUses> &englishUses = englishUsesCounted.get();
            QHash<QString, QStringList> ownFirstSenses;
            for (const DictdEntry &entry : fraEngAlone) {
                if (!ownFirstSenses.contains(entry.headword))
                    ownFirstSenses.insert(entry.headword,
                                          entry.firstSense.isEmpty() ? entry.translations : entry.firstSense);
            }
            putVerbBeforeNounLeaderOfVerbRow(
                fraEng, WordRanks::forLanguage(QStringLiteral("en")),
                [&ownFirstSenses](const QString &french) { return ownFirstSenses.value(french); },
                [&englishUses](const QString &english) { return englishUses.value(english.toLower()).verb; },
                [&englishUses](const QString &english) { return englishUses.value(english.toLower()).other; });
        }
        // Items the German dictionaries tell against go before the rows are
        // cut, so that the right words further down take their places. Only
        // fra-eng's rows are judged: there the French headword's one fra-deu
        // entry is tested against trans-de-en's English, and how well that
        // entry covers the word is known from the row itself. In eng-fra's
        // rows each French item has an entry of its own, often listing a
        // few of its senses only ("char" without Panzer, "parcourir"
        // without zurücklegen), and right items were left out about as
        // often as wrong ones ("tank: char", "cover: parcourir", "state:
        // affirmer").
        {
            const auto links = [&pivot](const QString &french, const QString &english) {
                return pivot.links(french, english);
            };
            // Silence is evidence only where both sides are well covered: a
            // French word with three German words trans-de-en translates, an
            // English word three of the German words of French ones
            // translate to (the French rows' English items are often near
            // synonyms the German side words apart: "garçon: lad"). Thinner
            // coverage misses right pairs as often as it finds wrong ones
            // ("kermesse: fair", "armoire: wardrobe").
            const auto knowsFrench = [&pivot](const QString &word) { return pivot.knownGerman(word) >= 3; };
            const auto knowsEnglishWell = [&pivot](const QString &english) {
                return pivot.germanOfEnglish(english) >= 3;
            };
            report.frenchContradictedDropped = dropItemsGermanTellsAgainst(
                fraEng, false, links, knowsFrench, knowsEnglishWell,
                [&pivot](const QString &a, const QString &b) { return pivot.englishShareGerman(a, b); },
                report.details);
        }
        report.frenchItemsMended += keepLeadingTranslations(engFra, kMaxFrenchTranslations);
        report.frenchItemsMended += keepLeadingTranslations(fraEng, kMaxFrenchTranslations);
    }

    // eng-spa cut many phrases to their first word. eng-fra has the same
    // words with pronunciations in the same notation, whole: a word's own
    // IPA, and a phrase for each phrase IPA.
    QHash<QString, QString> ownPronunciation;
    QHash<QString, QString> phraseByPronunciation;
    QSet<QString> engFraSeen;  // eng-fra's first entry of a headword counts
    for (const QVector<DictdEntry> *list : std::array<const QVector<DictdEntry> *, 2>{&engFraAsRead, &engSpa}) {
        for (const DictdEntry &entry : *list) {
            if (list == &engFraAsRead) {
                if (engFraSeen.contains(entry.headword))
                    continue;
                engFraSeen.insert(entry.headword);
            }
            if (entry.pronunciation.isEmpty())
                continue;
            if (entry.headword.contains(QLatin1Char(' ')))
                phraseByPronunciation.insert(entry.pronunciation, entry.headword);
            else if (list == &engFraAsRead && !ownPronunciation.contains(entry.headword.toLower()))
                ownPronunciation.insert(entry.headword.toLower(), entry.pronunciation);
        }
    }
    // A word eng-fra lacks: its shortest IPA among several eng-spa entries.
    QHash<QString, QSet<QString>> spanishPronunciations;
    for (const DictdEntry &entry : std::as_const(engSpa)) {
        if (!entry.pronunciation.isEmpty() && !entry.headword.contains(QLatin1Char(' ')))
            spanishPronunciations[entry.headword.toLower()].insert(entry.pronunciation);
    }
    for (auto it = spanishPronunciations.cbegin(); it != spanishPronunciations.cend(); ++it) {
        if (ownPronunciation.contains(it.key()) || it.value().size() < 2)
            continue;
        QStringList sorted(it.value().cbegin(), it.value().cend());
        std::sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
            return a.size() != b.size() ? a.size() < b.size() : a < b;
        });
        ownPronunciation.insert(it.key(), sorted.first());
    }
    // Blanks lost inside translations: Spanish ones in eng-spa, English ones
    // in spa-eng. The words a language is known to have come from headwords
    // and from phrases that kept their blanks.
    QSet<QString> spanish;
    QSet<QString> english;
    for (const DictdEntry &entry : std::as_const(spaEng)) {
        addWords(spanish, entry.headword);
        for (const QString &item : entry.translations) {
            if (item.contains(QLatin1Char(' ')))
                addWords(english, item);
        }
    }
    for (const DictdEntry &entry : std::as_const(engSpa)) {
        addWords(english, entry.headword);
        for (const QString &item : entry.translations) {
            if (item.contains(QLatin1Char(' ')))
                addWords(spanish, item);
        }
    }
    for (const QString &headword : engFraHeadwords)
        addWords(english, headword);
    for (const DictdEntry &entry : fraEngAsRead) {
        for (const QString &item : entry.translations)
            addWords(english, item);
    }
    // A full word list, where installed, is the better judge: the sources'
    // headwords include glued phrases ("initialvelocity") and lack common
    // words, so a split into them can be wrong ("cuba no" for "cubano").
    // The Spanish dictionaries' own words are still never split: the word
    // list has lemmas only, so it lacks forms such as "todos".
    BlankRepairLists installedLists = blankRepairLists.get();
    QSet<QString> spanishWhole;
    QSet<QString> spanishSpelling;
    if (QSet<QString> list = std::move(installedLists.spanish); !list.isEmpty()) {
        spanishWhole = std::move(spanish);
        spanishSpelling = list;
        spanish = std::move(list);
    }
    QSet<QString> englishWordList;
    if (QSet<QString> list = std::move(installedLists.english); !list.isEmpty()) {
        english = list;
        for (const QString &word : std::as_const(list)) {
            for (const QString &british : britishSpellings(word))
                english.insert(british);
        }
        englishWordList = english;
    }
    // The phrases the sources write with their blanks attest a split into
    // them, whatever their words' ranks.
    QSet<QString> spanishPhrases;
    QSet<QString> englishPhrases;
    auto addPhrase = [](QSet<QString> &phrases, const QString &phrase) {
        if (phrase.contains(QLatin1Char(' ')))
            phrases.insert(wordsOf(phrase).join(QLatin1Char(' ')));
    };
    for (const QVector<DictdEntry> *list : {&engSpa, &spaEng, &engFra, &fraEng}) {
        const bool englishHeadwords = list == &engSpa || list == &engFra;
        for (const DictdEntry &entry : *list) {
            if (list != &fraEng)
                addPhrase(englishHeadwords ? englishPhrases : spanishPhrases, entry.headword);
            if (list != &engFra) {
                for (const QString &item : entry.translations)
                    addPhrase(list == &engSpa ? spanishPhrases : englishPhrases, item);
            }
        }
    }
    BlankRepairer spanishRepairer = spanishBlankRepairer(std::move(spanish), std::move(spanishWhole),
                                                         WordRanks::forLanguage(QStringLiteral("es")));
    spanishRepairer.setAttestedPhrases(spanishPhrases, kSpanishUnattestedTop);
    BlankRepairer englishRepairer = englishBlankRepairer(std::move(english),
                                                         WordRanks::forLanguage(QStringLiteral("en")));
    englishRepairer.setAttestedPhrases(englishPhrases, kEnglishUnattestedTop);
    GluedItems gluedSpanish;
    GluedItems gluedEnglish;
    repairBlanks(engSpa, spanishRepairer, report, QStringLiteral("eng-spa"), gluedSpanish);
    // eng-spa holds a second word list, its entries in another notation of
    // IPA (with stress marks), in which compounds were cut at a hyphen or an
    // accented letter: "she /ʃˈiː/: osa, loba" (she-bear), "sleeping
    // /slˈiːpɪŋ/: cama" (sleeping-car), "caf /kˈaf/: café". Their
    // translations stay only where another source pairs them with the word.
    QSet<std::pair<QString, QString>> unconfirmedPairs;
    for (const DictdEntry &entry : std::as_const(engSpa)) {
        if (entry.pronunciation.contains(QChar(0x02C8)) && !entry.headword.contains(QLatin1Char(' '))) {
            for (const QString &item : entry.translations)
                unconfirmedPairs.insert({entry.headword, item});
        }
    }
    repairBlanks(spaEng, englishRepairer, report, QStringLiteral("spa-eng"), gluedEnglish);
    // trans-de-en's English phrases attest the English splits that FreeDict's
    // do not ("credit card", "at home").
    if (fromTrans) {
        // Words of their own the word list lacks stay whole ("rearguard").
        const QStringList whole = keepWordsPairedBackWhole(
            gluedEnglish, spaEng, engSpa, [&](const QSet<QString> &words) { return englishWordsInTrans(transText, words); });
        for (const QString &item : whole)
            report.details.append(
                QStringLiteral("spa-eng: \"%1\" kept whole, eng-spa's headword and a word of trans-de-en").arg(item));
        QSet<QString> wanted;
        for (const QStringList &splits : std::as_const(gluedEnglish.unattested)) {
            for (const QString &split : splits)
                wanted.insert(wordsOf(split).join(QLatin1Char(' ')));
        }
        splitAttested(spaEng, gluedEnglish, englishPhrasesInTrans(transText, wanted), report);
    }

    HeadwordRepairs headwords;
    QHash<QString, QStringList> spanishToEnglish;
    for (const DictdEntry &entry : std::as_const(spaEng))
        appendUnique(spanishToEnglish[entry.headword], entry.translations);
    engSpa = repairCutHeadwords(std::move(engSpa), ownPronunciation, phraseByPronunciation, spanishToEnglish,
                                headwords);
    report.headwordsRepaired = headwords.repaired;
    report.headwordsDropped = headwords.dropped;
    report.details += headwords.details;
    // With the phrases back, spa-eng's items that run one of them together
    // confirm eng-spa's pair ("huir: runaway" for "run away: huir").
    report.blanksRepaired += splitPairedPhrases(spaEng, engSpa, report.details);


    // The German core vocabulary: the English words of the Spanish and French
    // pairs, in the order the first one was met.
    QStringList coreEnglish;
    QSet<QString> coreSet;
    for (const DictdEntry &entry : std::as_const(engSpa)) {
        if (!coreSet.contains(entry.headword)) {
            coreSet.insert(entry.headword);
            coreEnglish.append(entry.headword);
        }
    }
    for (const QString &headword : engFraHeadwords) {
        if (!coreSet.contains(headword)) {
            coreSet.insert(headword);
            coreEnglish.append(headword);
        }
    }
    // eng-spa's headwords whose entries all belonged to cut phrases ("be")
    // are still its words.
    for (const QString &word : std::as_const(headwords.cutWords)) {
        if (!coreSet.contains(word)) {
            coreSet.insert(word);
            coreEnglish.append(word);
        }
    }
    // The German pairs are the longest step. From trans-de-en they are built
    // on a thread of their own while the French and Spanish tables are
    // finished here; the thread touches nothing but its own copy of the text
    // and of the core words.
    // With deu-eng's index given (read on a thread of its own), its first
    // entries fill the German rows' free places.
    auto germanTables = [](GermanSources sources, const QStringList &core,
                           std::future<FirstEntryIndex> deuEngIndex = {}, const QString &deuEngDict = {},
                           const QSet<QString> &englishWords = {}) {
        GermanCore selected = selectGermanCore(core, sources, schema::kMaxRows);
        if (deuEngIndex.valid())
            addDeuEngFirstEntries(selected.germanEnglish, deuEngIndex.get(), deuEngDict, englishWords);
        GermanTables tables;
        tables.capped = selected.cappedEnglishGerman + selected.cappedGermanEnglish;
        tables.englishGerman =
            orderRows(std::move(selected.englishGerman), localeForField(kLanguagePairs[4].sourceField));
        tables.germanEnglish =
            orderRows(std::move(selected.germanEnglish), localeForField(kLanguagePairs[5].sourceField));
        return tables;
    };
    std::future<GermanTables> german;
    // The Spanish tables still ask trans-de-en which English words it knows;
    // the copy shares the text, it does not duplicate it.
    const QByteArray transForSpanish = transText;
    if (fromTrans) {
        report.germanSource = QStringLiteral("%1 (%2)").arg(transDeEn, QLatin1String(kTransDeEnPackage));
        progress(QStringLiteral("reading %1").arg(transDeEn));
        // deu-eng, where installed, fills the free places of the German rows
        // with the words of each German word's first entry.
        const QDir dictdDir(directory);
        const QString deuEngIndex = dictdDir.filePath(QStringLiteral("freedict-deu-eng.index"));
        const QString deuEngDict = dictdDir.filePath(QStringLiteral("freedict-deu-eng.dict.dz"));
        const bool withDeuEng = QFileInfo(deuEngIndex).isFile() && QFileInfo(deuEngDict).isFile();
        german = std::async(std::launch::async, [text = std::move(transText), core = coreEnglish, germanTables,
                                                 counts = std::move(transWordCounts), englishWordList, withDeuEng,
                                                 deuEngIndex, deuEngDict]() mutable {
            // deu-eng's index needs no German rows: it is read while they
            // are chosen.
            std::future<FirstEntryIndex> index;
            if (withDeuEng)
                index = std::async(std::launch::async, [deuEngIndex] { return readFirstEntryIndex(deuEngIndex); });
            // An older hyphenated spelling gives way to the closed-up one the
            // dictionary gives beside it ("tooth-brush; toothbrush").
            const QHash<QString, QString> twins = closedUpTwinsInTrans(text, core, englishWordList);
            for (QString &word : core)
                word = twins.value(word, word);
            GermanSources sources = germanSourcesFromTrans(text, core, counts.get(), englishWordList);
            return germanTables(std::move(sources), core, std::move(index), deuEngDict, englishWordList);
        });
    } else {
        report.germanSource =
            QStringLiteral("FreeDict eng-deu and deu-eng (%1 is not installed)").arg(QLatin1String(kTransDeEnPackage));
        progress(QStringLiteral("%1 is not installed (%2 is missing): the German pairs come from the FreeDict "
                                "dictionaries")
                     .arg(QLatin1String(kTransDeEnPackage), transDeEn));
        const DictFiles engDeu = filesOf(directory, QStringLiteral("eng-deu"));
        const DictFiles deuEng = filesOf(directory, QStringLiteral("deu-eng"));
        std::promise<GermanTables> done;
        done.set_value(germanTables(
            readGermanSources(engDeu.index, engDeu.dict, deuEng.index, deuEng.dict, coreSet, progress), coreEnglish));
        german = done.get_future();
    }

    // The Spanish tables are built last, when lt-print has had its time.
    const std::array<const QVector<DictdEntry> *, 2> french{&engFra, &fraEng};
    for (int i = 2; i < 4; ++i) {
        const LanguagePair &pair = kLanguagePairs[i];
        result.tables[i] = orderRows(rowsOf(mergeSenses(*french[i - 2]), report), localeForField(pair.sourceField));
        progress(QStringLiteral("%1: %2 words").arg(QLatin1String(pair.caption)).arg(result.tables[i].size()));
    }

    progress(QStringLiteral("reading Apertium's English-Spanish lexicons"));
    // Glued headwords ("busstop") join their phrase's row; done after the
    // core words were taken, which the German pairs share.
    {
        const WordRanks &englishRanks = WordRanks::forLanguage(QStringLiteral("en"));
        report.blanksRepaired +=
            splitGluedHeadwords(engSpa, englishPhrases, englishWordList, ownPronunciation,
                                [&](const QString &word) { return englishRanks.rank(word); }, report.details);
    }
    std::array<SenseRows, 2> spanishRows{mergeSenses(engSpa), mergeSenses(spaEng)};
    // spa-eng's first numbered sense of each headword, from its first entry.
    QHash<QString, QStringList> spanishFirstSenses;
    for (const DictdEntry &entry : std::as_const(spaEng)) {
        if (!spanishFirstSenses.contains(entry.headword))
            spanishFirstSenses.insert(entry.headword, entry.firstSense);
    }
    // eng-spa's, likewise.
    QHash<QString, QStringList> englishFirstSenses;
    for (const DictdEntry &entry : std::as_const(engSpa)) {
        if (!englishFirstSenses.contains(entry.headword))
            englishFirstSenses.insert(entry.headword, entry.firstSense);
    }
    constexpr int kLexiconTimeoutMs = 60'000;
    QString englishSpanishProblem;
    QString spanishEnglishProblem;
    QVector<LexiconEntry> englishSpanishEntries =
        englishSpanishLexicon.entries(kLexiconTimeoutMs, englishSpanishProblem);
    QVector<LexiconEntry> spanishEnglishEntries =
        spanishEnglishLexicon.entries(kLexiconTimeoutMs, spanishEnglishProblem);
    // Apertium's few phrases whose article or demonstrative disagrees with
    // the noun ("esta anochecer") are left out: FreeDict has them right.
    dropDisagreeingPhrases(englishSpanishEntries, spanishEnglishEntries, report.details);
    // Its possessive determiners are written as they stand before a noun
    // ("their": "su", not "suyo", which is "theirs").
    spellPossessivesBeforeNouns(englishSpanishEntries, spanishEnglishEntries, spanishRows[0], spanishRows[1],
                                report.details);
    // Apertium's (English, Spanish) pairs, lowercased, of both lexicons.
    QSet<std::pair<QString, QString>> apertiumPairs;
    for (const QVector<LexiconEntry> *list : {&englishSpanishEntries, &spanishEnglishEntries}) {
        const bool forward = list == &englishSpanishEntries;
        for (const LexiconEntry &entry : *list) {
            apertiumPairs.insert({(forward ? entry.source : entry.target).toLower(),
                                  (forward ? entry.target : entry.source).toLower()});
        }
    }
    // The words of Apertium's Spanish lemmas, lowercased.
    QSet<QString> apertiumSpanishWords;
    {
        // Apertium's words settle the glued items (a lexicon that could not
        // be read gives none: every unsure one is left out).
        QSet<QString> apertiumSpanish;
        QSet<QString> apertiumEnglish;
        for (const QVector<LexiconEntry> *list : {&englishSpanishEntries, &spanishEnglishEntries}) {
            const bool forward = list == &englishSpanishEntries;
            for (const LexiconEntry &entry : *list) {
                apertiumSpanish.insert((forward ? entry.target : entry.source).toLower());
                apertiumEnglish.insert((forward ? entry.source : entry.target).toLower());
            }
        }
        for (const QString &phrase : std::as_const(apertiumSpanish)) {
            for (const QString &word : phrase.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                apertiumSpanishWords.insert(word);
        }
        for (int i = 0; i < 2; ++i) {
            const SettledRows settled = settleGlued(spanishRows[i], i == 0 ? gluedSpanish : gluedEnglish,
                                                    i == 0 ? apertiumSpanish : apertiumEnglish,
                                                    QLatin1String(i == 0 ? "eng-spa" : "spa-eng"), report.details);
            report.blanksRepaired -= settled.keptWhole;
            report.gluedDropped += settled.dropped;
        }
        // The pairs of Apertium and FreeDict spa-eng confirm eng-spa's
        // senses of cut compounds.
        QSet<std::pair<QString, QString>> confirmed = apertiumPairs;
        for (const auto &[spanish, english] : std::as_const(spanishRows[1])) {
            for (const QString &word : english)
                confirmed.insert({word.toLower(), spanish.toLower()});
        }
        report.cutTranslationsDropped = dropUnconfirmed(spanishRows[0], unconfirmedPairs, confirmed, report.details);
        report.blanksRepaired += splitPhrasesPairedBack(spanishRows[0], spanishRows[1], apertiumSpanish, report.details);
    }
    if (englishSpanishProblem.isEmpty() && spanishEnglishProblem.isEmpty()) {
        const GermanPivot pivot = spanishPivot.get();
        // The pivot was read for FreeDict's Spanish words; the rows of words
        // only Apertium gives a learner's English word ("razor" -> "navaja")
        // are linked by a second reading.
        QSet<QString> apertiumOnly;
        for (const LexiconEntry &entry : std::as_const(englishSpanishEntries)) {
            if (const QString word = entry.target.toLower(); coreSet.contains(entry.source) && !pivot.lists(word))
                apertiumOnly.insert(word);
        }
        for (const LexiconEntry &entry : std::as_const(spanishEnglishEntries)) {
            if (const QString word = entry.source.toLower(); coreSet.contains(entry.target) && !pivot.lists(word))
                apertiumOnly.insert(word);
        }
        const GermanPivot apertiumPivot =
            pivot.isEmpty() ? GermanPivot()
                            : GermanPivot::read(directory, QStringLiteral("spa-deu"), transForSpanish, apertiumOnly);
        // How the English sides of trans-de-en use the core words tells the
        // main part of speech of a word only Apertium translates.
        QSet<QString> spanishEnglishUsesWords;
        for (const QString &english : std::as_const(coreSet))
            spanishEnglishUsesWords.insert(english.toLower());
        // The headwords written apart after the core words were taken are
        // words of the Spanish pairs too ("battle front").
        SpanishCore spanish = mergeSpanishLexicon(
            withWrittenApartHeadwords(coreEnglish, engSpa), spanishRows[0], spanishRows[1], englishSpanishEntries, spanishEnglishEntries,
            [&](const QString &spanish, const QString &english) {
                return pivot.links(spanish, english) + apertiumPivot.links(spanish, english);
            },
            englishWordUsesInTrans(transForSpanish, spanishEnglishUsesWords), spanishFirstSenses,
            englishNounUsesInTrans(transForSpanish, spanishEnglishUsesWords), spanishSpelling, englishFirstSenses);
        report.spanishRowsAdded = spanish.rowsAdded;
        report.spanishRowsMended = spanish.rowsMended;
        report.spanishItemsDropped = spanish.itemsDropped;
        report.spanishMisspeltDropped = spanish.misspeltRowsDropped;
        spanishRows = {std::move(spanish.englishSpanish), std::move(spanish.spanishEnglish)};
        // spa-deu and trans-de-en tell the wrong senses FreeDict pairs with
        // a word from its right ones ("olla": "pot", not "jug").
        if (!pivot.problem().isEmpty()) {
            report.spanishLinkProblem = pivot.problem();
        } else if (pivot.isEmpty()) {
            report.spanishLinkProblem =
                QStringLiteral("%1 is not installed")
                    .arg(fromTrans ? freedictPackage(QStringLiteral("spa-deu")) : QLatin1String(kTransDeEnPackage));
        }
        // FreeDict's misspelt Spanish words ("brusko", "consequir") are
        // left out where the word list holds the right spelling one letter
        // away; a word Apertium, spa-deu or the frequency list knows is sound.
        // Wrong accents are taken out, a missing one put back ("humedo").
        QHash<QString, QString> accentsRestored;
        if (!spanishSpelling.isEmpty()) {
            const WordRanks &spanishRanks = WordRanks::forLanguage(QStringLiteral("es"));
            auto known = [&](const QString &word) {
                return apertiumSpanishWords.contains(word) || pivot.lists(word) || spanishRanks.rank(word) > 0;
            };
            for (int i = 0; i < 2; ++i) {
                report.spanishMisspeltWordsDropped +=
                    dropMisspeltSpanish(spanishRows[i], i == 0, spanishSpelling, known, report.details);
            }
            report.spanishAccentsMended =
                respellWrongAccents(spanishRows[1], spanishRows[0], spanishSpelling, known, report.details);
            report.spanishAccentsMended += restoreMissingAccents(spanishRows[1], spanishRows[0], spanishSpelling,
                                                                 known, report.details, &accentsRestored);
            // spa-eng, like eng-spa, lists a few headwords twice, once with
            // a word slipped ("salsa de malzanas" above "salsa de manzanas").
            report.spanishMisspeltWordsDropped += dropSlipsOfListedHeadwords(
                spanishRows[1], spanishSpelling, known, QStringLiteral("spa-eng"), report.details);
            // A phrase headword that lost the blank before "de" ("libritode
            // memoria") gets it back.
            report.blanksRepaired += splitGluedDeInHeadwords(spanishRows[1], spanishSpelling, known, report.details);
        }
        // A word nothing knows beside one the word list holds, a slip of a
        // letter apart, is the other's misspelling ("biscuit, bicuit").
        {
            const WordRanks &spanishRanks = WordRanks::forLanguage(QStringLiteral("es"));
            const WordRanks &englishRanks = WordRanks::forLanguage(QStringLiteral("en"));
            report.spanishMisspeltWordsDropped += dropMisspeltSiblings(
                spanishRows[0], spanishSpelling, true,
                [&](const QString &word) {
                    return apertiumSpanishWords.contains(word) || pivot.lists(word) || spanishRanks.rank(word) > 0;
                },
                QStringLiteral("eng-spa"), report.details);
            // The American list lacks many British spellings ("aluminium",
            // "mould"), which eng-fra has as headwords, and the -ise forms
            // of its -ize words ("civilisation").
            QSet<QString> englishHeadwords;
            for (const DictdEntry &entry : std::as_const(engFra))
                englishHeadwords.insert(entry.headword.toLower());
            // Rare real words the list lacks ("aerobatic") stand on
            // trans-de-en's English side, made apart from FreeDict's slips.
            // eng-fra's headwords hold slips of their own ("cypres" beside
            // "cypress"): one the word list and the frequency list lack
            // vouches for an item only where trans-de-en has it too.
            QSet<QString> headwordsInTrans =
                englishHeadwords
                - englishHeadwordsTransLacks(
                    spanishRows[1], englishHeadwords, englishWordList,
                    [&](const QString &word) { return englishRanks.rank(word) > 0; }, transForSpanish);
            const QSet<QString> oftenInTrans = englishWordsOftenInTrans(spanishRows[1], englishWordList, transForSpanish);
            englishHeadwords.unite(oftenInTrans);
            headwordsInTrans.unite(oftenInTrans);
            report.spanishMisspeltWordsDropped += dropMisspeltSiblings(
                spanishRows[1], englishWordList, false,
                [&](const QString &word) {
                    if (englishRanks.rank(word) > 0 || headwordsInTrans.contains(word))
                        return true;
                    const qsizetype ise = word.lastIndexOf(QLatin1String("is"));
                    return ise > 0 && englishWordList.contains(QString(word).replace(ise, 2, QStringLiteral("iz")));
                },
                QStringLiteral("spa-eng"), report.details);
            // A one-word English item no source knows is a phrase glued too
            // short to be cut again ("al día: aday"), and a phrase holding
            // such a word is misspelt ("femal labourer"); trans-de-en is
            // asked only about the few words the other sources lack.
            {
                QSet<QString> apertiumEnglishWords;
                for (const auto &[english, spanish] : std::as_const(apertiumPairs)) {
                    for (const QString &word : english.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                        apertiumEnglishWords.insert(word);
                }
                QSet<QString> englishSpanishHeadwords;
                for (const DictdEntry &entry : std::as_const(engSpa))
                    englishSpanishHeadwords.insert(entry.headword.toLower());
                const auto knownElsewhere = [&](const QString &word) {
                    return englishRanks.rank(word) > 0 || englishHeadwords.contains(word)
                           || englishSpanishHeadwords.contains(word) || apertiumEnglishWords.contains(word);
                };
                QSet<QString> unknown;
                for (const auto &[spanish, items] : std::as_const(spanishRows[1])) {
                    for (const QString &item : items) {
                        for (const QString &word : item.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                            if (!englishWordList.contains(word) && !knownElsewhere(word))
                                unknown.insert(word);
                        }
                    }
                }
                // eng-spa's own headwords are no evidence for a word of
                // theirs ("femal labourer" beside "female laborer").
                const auto knownBesideEngSpa = [&](const QString &word) {
                    return englishRanks.rank(word) > 0 || englishHeadwords.contains(word)
                           || apertiumEnglishWords.contains(word);
                };
                for (const auto &[english, items] : std::as_const(spanishRows[0])) {
                    for (const QString &word : english.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                        if (!englishWordList.contains(word) && !knownBesideEngSpa(word))
                            unknown.insert(word);
                    }
                }
                const QSet<QString> inTrans = englishWordsInTrans(transForSpanish, unknown);
                report.spanishMisspeltWordsDropped += dropUnknownEnglishWords(
                    spanishRows[1], englishWordList,
                    [&](const QString &word) { return knownElsewhere(word) || inTrans.contains(word); },
                    report.details);
                report.spanishMisspeltWordsDropped += dropMisspeltHeadwordRows(
                    spanishRows[0], englishWordList,
                    [&](const QString &word) { return knownBesideEngSpa(word) || inTrans.contains(word); },
                    report.details);
                report.spanishMisspeltWordsDropped += dropSlipsOfListedHeadwords(
                    spanishRows[0], englishWordList,
                    [&](const QString &word) { return englishRanks.rank(word) > 0 || apertiumEnglishWords.contains(word); },
                    QStringLiteral("eng-spa"), report.details);
            }
            // FreeDict writes a few English words with a single consonant
            // for a double one ("accomodate", "occurence"), in both
            // dictionaries.
            const auto knownEnglish = [&](const QString &word) {
                return englishRanks.rank(word) > 0 || englishHeadwords.contains(word);
            };
            for (int i = 0; i < 2; ++i) {
                restoreDoubledConsonants(spanishRows[i], i == 0, englishWordList, knownEnglish, report.details);
            }
        }
        // A pair Apertium gives is never doubted; one both FreeDict
        // dictionaries give is moved last rather than left out, as the pivot
        // misses many right ones ("rim": "borde").
        QSet<std::pair<QString, QString>> spanishEnglishPairs;
        for (const DictdEntry &entry : std::as_const(spaEng)) {
            for (const QString &item : entry.translations)
                spanishEnglishPairs.insert({item.toLower(), entry.headword.toLower()});
        }
        QSet<std::pair<QString, QString>> freedictPairs;
        for (const DictdEntry &entry : std::as_const(engSpa)) {
            for (const QString &item : entry.translations) {
                const std::pair<QString, QString> pair{entry.headword.toLower(), item.toLower()};
                if (spanishEnglishPairs.contains(pair)) {
                    freedictPairs.insert(pair);
                    // Both dictionaries pair the word as it is now written.
                    if (const QString accented = accentsRestored.value(pair.second); !accented.isEmpty())
                        freedictPairs.insert({pair.first, accented});
                }
            }
        }
        for (int i = 0; i < 2; ++i) {
            report.spanishContradictedDropped +=
                vetThroughGerman(spanishRows[i], i == 0, pivot, apertiumPairs, freedictPairs, report.details);
        }
        // A Spanish noun beside its adjective (or an English adjective beside
        // its noun) that Apertium does not pair with the headword goes.
        {
            QSet<QString> englishWords;
            for (const auto &[english, items] : std::as_const(spanishRows[0]))
                englishWords.insert(english.toLower());
            for (const auto &[spanish, items] : std::as_const(spanishRows[1])) {
                for (const QString &item : items)
                    englishWords.insert(item.toLower());
            }
            const QHash<QString, int> nounUses = englishNounUsesInTrans(transForSpanish, englishWords);
            for (int i = 0; i < 2; ++i) {
                report.spanishContradictedDropped += dropSpanishItemsOfOtherKind(
                    spanishRows[i], i == 0, englishSpanishEntries, spanishEnglishEntries,
                    [&nounUses](const QString &english) { return nounUses.value(english, 1) > 0; }, report.details);
            }
        }
    } else {
        // Without both directions the Spanish tables stay FreeDict's alone.
        report.lexiconProblem = englishSpanishProblem.isEmpty() ? spanishEnglishProblem : englishSpanishProblem;
        progress(QStringLiteral("Spanish tables from FreeDict only: %1").arg(report.lexiconProblem));
    }
    // Phrases cut after "al" or "del" get their bare preposition back, and a
    // loanword written apart ("pic nic") gives way to its row in one word;
    // an English compound goes before the "X of Ys" phrase it says again.
    for (int i = 0; i < 2; ++i)
        mendCutArticles(spanishRows[i], i == 0, report.details);
    dropWordsWrittenApart(spanishRows[1], report.details);
    putCompoundsBeforeOfPhrases(spanishRows[1], report.details);
    for (int i = 0; i < 2; ++i) {
        const LanguagePair &pair = kLanguagePairs[i];
        result.tables[i] = orderRows(rowsOf(spanishRows[i], report), localeForField(pair.sourceField));
        progress(QStringLiteral("%1: %2 words").arg(QLatin1String(pair.caption)).arg(result.tables[i].size()));
    }

    {
        GermanTables tables = german.get();
        report.germanRowsCapped = tables.capped;
        result.tables[4] = std::move(tables.englishGerman);
        result.tables[5] = std::move(tables.germanEnglish);
        for (int i = 4; i < 6; ++i) {
            progress(QStringLiteral("%1: %2 words").arg(QLatin1String(kLanguagePairs[i].caption))
                         .arg(result.tables[i].size()));
        }
    }

    for (int i = 0; i < kPairCount; ++i) {
        const LanguagePair &pair = kLanguagePairs[i];
        const bool englishFirst = std::strcmp(pair.sourceField, "en") == 0;
        report.articleRowsMended +=
            keepArticlesToArticles(result.tables[i], englishFirst ? pair.targetField : pair.sourceField, englishFirst);
    }

    // Everyday words the dictionaries lack, from the hand-made supplement.
    for (int i = 0; i < kPairCount; ++i) {
        if (!result.tables[i].isEmpty())
            report.everydayRowsSupplemented += addEverydaySupplement(result.tables[i], i, everydaySupplement());
    }

    // Dictionaries that yield no words at all are damaged, whatever their
    // files look like; their empty table must not replace a good one.
    for (int i = 0; i < kPairCount; ++i) {
        if (result.tables[i].isEmpty()) {
            if (i >= 4 && fromTrans) {
                throw RecordError(QStringLiteral("%1 yields no %2 words; reinstall %3.")
                                      .arg(transDeEn, QLatin1String(kLanguagePairs[i].caption),
                                           QLatin1String(kTransDeEnPackage)));
            }
            throw RecordError(QStringLiteral("The FreeDict dictionaries in %1 yield no %2 words; reinstall them.")
                                  .arg(directory, QLatin1String(kLanguagePairs[i].caption)));
        }
    }
    return result;
}

} // namespace vorbix::import
