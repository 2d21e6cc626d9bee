#include "data/import/french_items.h"

#include "data/import/accents.h"
#include "data/import/trans_de_en.h"
#include "data/import/word_frequency.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace vorbix::import {

namespace {

// Words this short are too close to too many others to call one a
// misspelling of another.
constexpr int kMinCheckedLength = 4;
constexpr int kMinLengthNearListed = 6;

// The letters of English and French words, to spell out the strings one
// letter from a word.
const QString kLetters = QStringLiteral("abcdefghijklmnopqrstuvwxyzàâäæçéèêëîïôöœùûüÿ");

bool isLettersOnly(const QString &word)
{
    return !word.isEmpty() && std::all_of(word.begin(), word.end(), [](QChar c) { return c.isLetter(); });
}

// Whether `listed` is `slip` written right: with a letter doubled that the
// slip wrote once ("raisonable" for "raisonnable"), or with the accents
// the slip left off ("tolerance" for "tolérance"). Such a slip is mended,
// not left out: the item is the word itself, not another one.
bool isPlainSlip(const QString &slip, const QString &listed)
{
    if (listed.size() == slip.size() + 1) {
        for (qsizetype i = 1; i < listed.size(); ++i) {
            if (listed.at(i) == listed.at(i - 1) && QString(listed).remove(i, 1) == slip)
                return true;
        }
        return false;
    }
    // An accent the slip has and the listed word lacks makes another word
    // likelier than a slip ("énérve" is "énervé", not "énerve").
    const auto accents = [](const QString &word) {
        return std::count_if(word.begin(), word.end(), [](QChar c) { return c.unicode() > 0x7f; });
    };
    return listed.size() == slip.size() && listed != slip && withoutAccents(listed).toLower() == withoutAccents(slip).toLower()
           && accents(listed) >= accents(slip);
}

// Whether an item carries a note in brackets that narrows it to one use
// ("pier (of wall or structure)", "ash (tree)", "(kitchen) sink"). An
// article in brackets ("(the) present") names no use and does not count.
bool carriesNarrowingNote(const QString &item)
{
    static const QRegularExpression note(QStringLiteral("\\(([^()]*)\\)"));
    static const QStringList articles{QStringLiteral("the"), QStringLiteral("a"), QStringLiteral("an")};
    for (auto match = note.globalMatch(item); match.hasNext();) {
        const QString text = match.next().captured(1).simplified().toLower();
        if (!text.isEmpty() && !articles.contains(text))
            return true;
    }
    return false;
}

} // namespace

QString withStressMarkAsApostrophe(const QString &item)
{
    // fra-eng now and then writes an elided "se" with the IPA stress mark
    // of its pronunciations ("sˈinsurger"): between two letters no word has
    // one, and it stands for the apostrophe.
    constexpr QChar kStressMark(0x02C8);
    if (!item.contains(kStressMark))
        return item;
    QString text = item;
    for (qsizetype i = 1; i + 1 < text.size(); ++i) {
        if (text.at(i) == kStressMark && text.at(i - 1).isLetter() && text.at(i + 1).isLetter())
            text[i] = QLatin1Char('\'');
    }
    return text;
}

QString withoutBracketNote(const QString &item)
{
    if (!item.contains(QLatin1Char('(')) && !item.contains(QLatin1Char(')')))
        return item;
    QString text;
    int depth = 0;
    for (qsizetype i = 0; i < item.size(); ++i) {
        const QChar c = item.at(i);
        if (c == QLatin1Char('(')) {
            // A bracket opening right after a letter cuts into a word: "nurse(s)".
            if (depth == 0 && i > 0 && item.at(i - 1).isLetterOrNumber())
                return {};
            ++depth;
        } else if (c == QLatin1Char(')')) {
            if (depth == 0)
                return {};
            --depth;
            // ... and one closing right before a letter: "(bul)rush".
            if (depth == 0 && i + 1 < item.size() && item.at(i + 1).isLetterOrNumber())
                return {};
        } else if (depth == 0) {
            text.append(c);
        }
    }
    if (depth != 0)
        return {};
    text = text.simplified();
    // What is left must stand as a word or phrase of its own.
    if (text.isEmpty() || !text.at(0).isLetter() || !text.back().isLetter())
        return {};
    return text;
}

WordList WordList::fromFile(const QString &path)
{
    WordList list;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        list.m_text = file.readAll();
        list.index();
    }
    return list;
}

WordList WordList::fromWords(const QSet<QString> &words)
{
    WordList list;
    for (const QString &word : words)
        list.m_text += word.toUtf8() + '\n';
    list.index();
    return list;
}

void WordList::index()
{
    m_words.reserve(size_t(m_text.count('\n')) + 1);
    const std::string_view text(m_text.constData(), size_t(m_text.size()));
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view word = text.substr(start, end - start);
        while (!word.empty() && (word.back() == '\r' || word.back() == ' '))
            word.remove_suffix(1);
        const bool capital = !word.empty() && word.front() >= 'A' && word.front() <= 'Z';
        if (!word.empty() && !capital)
            m_words.insert(word);
        start = end + 1;
    }
}

bool WordList::contains(const QString &word) const
{
    const QByteArray bytes = word.toUtf8();
    return m_words.count(std::string_view(bytes.constData(), size_t(bytes.size()))) > 0;
}

ItemSpelling::ItemSpelling(WordList known, const WordRanks &ranks, QSet<QString> phrases)
    : m_known(std::move(known)), m_ranks(ranks), m_phrases(std::move(phrases))
{
}

bool ItemSpelling::isCommon(const QString &word) const
{
    return m_ranks.rank(word) > 0;
}

void ItemSpelling::alsoKnow(QSet<QString> words)
{
    m_alsoKnown = std::move(words);
}

void ItemSpelling::addVariant(const QString &from, const QString &to)
{
    m_variants.append({from, to});
}

void ItemSpelling::findGluedWords(bool on)
{
    m_findsGlued = on;
}

void ItemSpelling::alsoNear(const WordRanks &other)
{
    m_otherRanks = &other;
}

bool ItemSpelling::knows(const QString &word) const
{
    return m_alsoKnown.contains(word) || lists(word);
}

bool ItemSpelling::lists(const QString &word) const
{
    if (m_known.contains(word) || isCommon(word))
        return true;
    for (const auto &[from, to] : m_variants) {
        if (word.contains(from)) {
            const QString variant = QString(word).replace(from, to);
            if (m_known.contains(variant) || isCommon(variant))
                return true;
        }
    }
    return false;
}

QString ItemSpelling::accentedListedForm(const QString &word) const
{
    const QString lower = word.toLower();
    if (word != lower || !isLettersOnly(word) || lower.size() < kMinCheckedLength || lists(lower))
        return {};
    const QString near = nearestCommonOrListed(lower);
    return !near.isEmpty() && near.size() == lower.size() && isPlainSlip(lower, near) && lists(near) ? near
                                                                                                       : QString();
}

QString ItemSpelling::commonWordNear(const QString &word) const
{
    const QString lower = word.toLower();
    if (lower.size() < kMinCheckedLength || knows(lower))
        return {};
    // A list may hold a noun in the plural only ("acariens", not "acarien");
    // a short word one letter shorter than a listed one is more often a
    // word that never drops its s ("confu" for "confus", "héro").
    if (lower.size() >= kMinLengthNearListed
        && (m_known.contains(lower + QLatin1Char('s')) || m_known.contains(lower + QLatin1Char('x'))))
        return {};
    if (const auto cached = m_nearCache.constFind(lower); cached != m_nearCache.constEnd())
        return *cached;
    const QString near = nearestCommonOrListed(lower);
    m_nearCache.insert(lower, near);
    return near;
}

QSet<QString> ItemSpelling::doubtfulWords(const QStringList &texts) const
{
    QSet<QString> doubtful;
    for (const QString &text : texts) {
        for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (isLettersOnly(word) && !word.at(0).isUpper() && !commonWordNear(word).isEmpty())
                doubtful.insert(word.toLower());
        }
    }
    return doubtful;
}

QString ItemSpelling::nearestCommonOrListed(const QString &lower) const
{
    // Every string one letter away, the first letter kept: a word with
    // another first letter is another word ("rapper", "frapper").
    struct Candidate
    {
        QString text;
        bool lastLetter;  // the change is at the last letter
    };
    QVector<Candidate> candidates;
    candidates.reserve((lower.size() + 1) * (2 * kLetters.size() + 1));
    for (qsizetype i = 1; i <= lower.size(); ++i) {
        const bool last = i >= lower.size() - 1;
        if (i < lower.size())
            candidates.append({QString(lower).remove(i, 1), last});
        for (const QChar letter : kLetters) {
            candidates.append({QString(lower).insert(i, letter), i == lower.size()});
            if (i < lower.size() && letter != lower.at(i))
                candidates.append({QString(lower).replace(i, 1, letter), last});
        }
    }
    // The candidate `rank` ranks best (1 best, 0 for no word).
    const auto best = [&candidates](const auto &rank, bool keepLastLetter) {
        QString found;
        int foundRank = 0;
        for (const Candidate &candidate : std::as_const(candidates)) {
            if (keepLastLetter && candidate.lastLetter)
                continue;
            const int r = rank(candidate.text);
            if (r > 0 && (found.isEmpty() || r < foundRank)) {
                found = candidate.text;
                foundRank = r;
            }
        }
        return found;
    };
    if (QString near = best([this](const QString &w) { return m_ranks.rank(w); }, false); !near.isEmpty())
        return near;
    if (m_otherRanks) {
        if (QString near = best([this](const QString &w) { return m_otherRanks->rank(w); }, false); !near.isEmpty())
            return near;
    }
    // A long word one letter from a listed one is that word misspelt
    // ("démissioner"); a short one may be a word the list lacks ("sida").
    // A change at the last letter of a long word makes another form of a
    // word ("inverter", "inverted").
    if (lower.size() < kMinLengthNearListed)
        return {};
    if (QString near = best([this](const QString &w) { return m_known.contains(w) ? 1 : 0; }, true); !near.isEmpty())
        return near;
    // A letter doubled in the wrong place ("rennomée" for "renommée",
    // "apellation" for "appellation"): two letters from the word, but the
    // commonest misspelling of a language that doubles its consonants.
    for (qsizetype i = 2; i < lower.size(); ++i) {
        if (lower.at(i) != lower.at(i - 1))
            continue;
        const QString single = QString(lower).remove(i, 1);
        for (qsizetype j = 1; j < single.size(); ++j) {
            if (j == i - 1 || !single.at(j).isLetter())
                continue;
            const QString moved = QString(single).insert(j, single.at(j));
            if (m_known.contains(moved) || isCommon(moved))
                return moved;
        }
    }
    return {};
}

QString ItemSpelling::gluedPhrase(const QString &word) const
{
    // "à" only ends a word (déjà, voilà) or stands alone, so a word with "à"
    // before its end runs words together around it: "chambreàair". It is
    // cut there when every piece is a common word, else left out.
    static const QChar grave(0x00E0);
    if (word.indexOf(grave) >= 0 && word.indexOf(grave) < word.size() - 1) {
        QStringList pieces;
        const QStringList around = word.split(grave);
        for (qsizetype i = 0; i < around.size(); ++i) {
            if (i > 0)
                pieces.append(QString(grave));
            if (around.at(i).isEmpty())
                continue;
            if (!isCommon(around.at(i)))
                return QStringLiteral("");
            pieces.append(around.at(i));
        }
        return pieces.join(QLatin1Char(' '));
    }
    for (qsizetype cut = 2; cut + 2 <= word.size(); ++cut) {
        const QString left = word.left(cut);
        const QString right = word.mid(cut);
        const QString phrase = left + QLatin1Char(' ') + right;
        if (m_phrases.contains(phrase))
            return phrase;
        if (isCommon(left) && (isCommon(right) || (right.size() >= 4 && knows(right))))
            return QStringLiteral("");
    }
    return {};
}

QStringList ItemSpelling::commonWordSplits(const QString &word) const
{
    QStringList splits;
    if (!isLettersOnly(word) || word != word.toLower() || lists(word))
        return splits;
    for (qsizetype cut = 2; cut + 2 <= word.size(); ++cut) {
        const QString left = word.left(cut);
        const QString right = word.mid(cut);
        if (isCommon(left) && isCommon(right))
            splits.append(left + QLatin1Char(' ') + right);
    }
    return splits;
}

QString ItemSpelling::vetted(const QString &item, QString *why) const
{
    QStringList words = item.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString &word : words) {
        // Names and words with hyphens, apostrophes or digits stay as they are.
        if (!isLettersOnly(word) || word.at(0).isUpper())
            continue;
        const QString lower = word.toLower();
        if (lower.size() < kMinCheckedLength || knows(lower))
            continue;
        if (const QString near = commonWordNear(lower); !near.isEmpty()) {
            // Only a word standing alone: a phrase with one slip often holds
            // another too short to check ("commetre yne faute").
            if (words.size() == 1 && word == lower && isPlainSlip(lower, near) && lists(near)) {
                if (why)
                    *why = QStringLiteral("mended");
                word = near;
                continue;
            }
            if (why)
                *why = QStringLiteral("misspelt: %1").arg(near);
            return {};
        }
        const QString glued = m_findsGlued ? gluedPhrase(lower) : QString();
        if (glued.isNull())
            continue;
        if (why)
            *why = QStringLiteral("run together");
        if (glued.isEmpty())
            return {};
        word = glued;
    }
    return words.join(QLatin1Char(' '));
}

int vetFrenchPairEntries(QVector<DictdEntry> &entries, const ItemSpelling &headwords,
                         const ItemSpelling &translations, const QString &dictionary, QStringList &details)
{
    int changed = 0;
    const auto vet = [&](const QString &text, const ItemSpelling &spelling, const QString &counterpart) {
        QString why;
        QString vetted = withoutBracketNote(withStressMarkAsApostrophe(text));
        if (vetted.isEmpty())
            why = QStringLiteral("brackets");
        // A word written the same in both languages is a loan ("radon",
        // "byte"), whatever the word list says.
        else if (vetted.compare(counterpart, Qt::CaseInsensitive) != 0)
            vetted = spelling.vetted(vetted, &why);
        // Unless the list has the word only with accents: fra-eng's
        // "tolerance: tolerance" is "tolérance" in French.
        else if (const QString accented = spelling.accentedListedForm(vetted); !accented.isEmpty())
            vetted = accented;
        if (vetted != text) {
            ++changed;
            details.append(vetted.isEmpty()
                               ? QStringLiteral("%1: \"%2\" left out (%3)").arg(dictionary, text, why)
                               : QStringLiteral("%1: \"%2\" -> \"%3\"").arg(dictionary, text, vetted));
        }
        return vetted;
    };
    for (DictdEntry &entry : entries) {
        const QString firstTranslation = entry.translations.value(0);
        const QStringList translated = entry.translations;
        QStringList kept;
        QStringList plain;  // the items written without a narrowing note
        for (const QString &item : translated) {
            if (const QString vetted = vet(item, translations, entry.headword); !vetted.isEmpty()) {
                appendUnique(kept, {vetted});
                appendUnique(carriesNarrowingNote(item) ? entry.narrowed : plain, {vetted});
                // A mended slip stays in the sense it was written in.
                if (vetted != item && entry.firstSense.contains(item))
                    entry.firstSense.replace(entry.firstSense.indexOf(item), vetted);
                if (vetted != item && entry.lastSense.contains(item))
                    entry.lastSense.replace(entry.lastSense.indexOf(item), vetted);
            }
        }
        // An item the entry also gives plainly is not narrowed to one use.
        entry.narrowed.removeIf([&plain](const QString &item) { return plain.contains(item); });
        entry.headword = vet(entry.headword, headwords, firstTranslation);
        entry.translations = kept;
    }
    entries.removeIf([](const DictdEntry &entry) { return entry.headword.isEmpty(); });
    return changed;
}

int dropInfinitiveMarkers(QVector<DictdEntry> &fraEng)
{
    // Words after which "to" is a preposition, not the infinitive's marker.
    static const QSet<QString> phraseStarts{
        QStringLiteral("the"),  QStringLiteral("a"),    QStringLiteral("an"),   QStringLiteral("this"),
        QStringLiteral("that"), QStringLiteral("these"), QStringLiteral("those"), QStringLiteral("some"),
        QStringLiteral("no"),   QStringLiteral("one"),  QStringLiteral("date"), QStringLiteral("my"),
        QStringLiteral("your"), QStringLiteral("his"),  QStringLiteral("her"),  QStringLiteral("its"),
        QStringLiteral("our"),  QStringLiteral("their"), QStringLiteral("me"),   QStringLiteral("him"),
        QStringLiteral("us"),   QStringLiteral("them"), QStringLiteral("you"),  QStringLiteral("it")};
    int changed = 0;
    const auto bare = [&](QString &item) {
        if (!item.startsWith(QLatin1String("to ")))
            return;
        const QString rest = item.mid(3);
        if (rest.isEmpty() || phraseStarts.contains(rest.section(QLatin1Char(' '), 0, 0)))
            return;
        item = rest;
        ++changed;
    };
    for (DictdEntry &entry : fraEng) {
        if (!entry.verb)
            continue;
        for (QString &item : entry.translations)
            bare(item);
        const int counted = changed;
        for (QString &item : entry.firstSense)
            bare(item);
        for (QString &item : entry.lastSense)
            bare(item);
        changed = counted;
    }
    return changed;
}

int mendGluedEnglish(QVector<DictdEntry> &engFra, QVector<DictdEntry> &fraEng, const ItemSpelling &english,
                     const QByteArray &transText, QStringList &details)
{
    // Two lower-case words of letters joined by one hyphen.
    static const QRegularExpression hyphenated(QStringLiteral("^\\p{Ll}{2,}-\\p{Ll}{2,}$"));
    QHash<QString, QString> splitOf;  // glued word -> its only split
    QHash<QString, QString> joinedOf;  // hyphenated word -> the word in one
    QHash<QString, QString> doubledOf;  // unlisted word -> it with its last letter doubled
    static const QRegularExpression lowerWord(QStringLiteral("^\\p{Ll}{4,}$"));
    const auto consider = [&](const QString &item) {
        if (splitOf.contains(item) || joinedOf.contains(item) || doubledOf.contains(item))
            return;
        if (hyphenated.match(item).hasMatch()) {
            joinedOf.insert(item, QString(item).remove(QLatin1Char('-')));
            return;
        }
        if (lowerWord.match(item).hasMatch() && !english.lists(item)) {
            const QString doubled = item + item.back();
            if (english.lists(doubled)) {
                doubledOf.insert(item, doubled);
                return;
            }
        }
        const QStringList splits = english.commonWordSplits(item);
        if (splits.size() == 1)
            splitOf.insert(item, splits.constFirst());
    };
    for (const DictdEntry &entry : std::as_const(engFra))
        consider(entry.headword);
    for (const DictdEntry &entry : std::as_const(fraEng)) {
        for (const QString &item : entry.translations)
            consider(item);
    }
    if ((splitOf.isEmpty() && joinedOf.isEmpty() && doubledOf.isEmpty()) || transText.isEmpty())
        return 0;
    // trans-de-en's words are runs of letters: its "video-tape" counts as
    // the phrase "video tape". One pass over it counts the phrases, one the
    // words, for both kinds of mending.
    const auto apartForm = [](const QString &word) { return QString(word).replace(QLatin1Char('-'), QLatin1Char(' ')); };
    QSet<QString> words(splitOf.keyBegin(), splitOf.keyEnd());
    QSet<QString> phrases;
    for (const QString &phrase : std::as_const(splitOf))
        phrases.insert(phrase);
    for (auto it = joinedOf.cbegin(); it != joinedOf.cend(); ++it) {
        words.insert(it.value());
        phrases.insert(apartForm(it.key()));
    }
    for (auto it = doubledOf.cbegin(); it != doubledOf.cend(); ++it) {
        words.insert(it.key());
        words.insert(it.value());
    }
    const QHash<QString, int> phraseCounts = englishPhraseCountsInTrans(transText, phrases);
    const QHash<QString, int> wordCounts = englishWordCountsInTrans(transText, words);
    QHash<QString, QString> mended;
    for (auto it = splitOf.cbegin(); it != splitOf.cend(); ++it) {
        const int apart = phraseCounts.value(it.value());
        if (apart >= kMinAttested && apart > 4 * wordCounts.value(it.key()))
            mended.insert(it.key(), it.value());
    }
    for (auto it = joinedOf.cbegin(); it != joinedOf.cend(); ++it) {
        const int together = wordCounts.value(it.value());
        if (together >= kMinAttested && together > phraseCounts.value(apartForm(it.key())) && english.knows(it.value()))
            mended.insert(it.key(), it.value());
    }
    // Both small dictionaries now and then drop a word's doubled last
    // letter ("cyprès: cypres", "cypres: cyprès"): a word no list has and
    // trans-de-en never writes, whose doubled form the list has and
    // trans-de-en writes, is that word misspelt.
    for (auto it = doubledOf.cbegin(); it != doubledOf.cend(); ++it) {
        if (wordCounts.value(it.key()) == 0 && wordCounts.value(it.value()) >= kMinAttested)
            mended.insert(it.key(), it.value());
    }
    // In a steady order, whatever the hash's.
    QStringList mendedItems(mended.keyBegin(), mended.keyEnd());
    mendedItems.sort();
    for (const QString &item : std::as_const(mendedItems))
        details.append(QStringLiteral("eng-fra, fra-eng: \"%1\" -> \"%2\"").arg(item, mended.value(item)));
    int changed = 0;
    for (DictdEntry &entry : engFra) {
        if (const auto found = mended.constFind(entry.headword); found != mended.constEnd()) {
            entry.headword = *found;
            ++changed;
        }
    }
    for (DictdEntry &entry : fraEng) {
        QStringList items;
        for (const QString &item : std::as_const(entry.translations)) {
            const QString mend = mended.value(item, item);
            changed += mend != item;
            appendUnique(items, {mend});
        }
        entry.translations = items;
    }
    return changed;
}

} // namespace vorbix::import
