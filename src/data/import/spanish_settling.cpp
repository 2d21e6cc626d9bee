#include "data/import/spanish_settling.h"

#include "data/import/accents.h"
#include "data/import/trans_de_en.h"

#include <QHash>

#include <algorithm>

namespace vorbix::import {

namespace {

// The lemmas a Spanish word may be a form of: the word list holds lemmas
// only, so "macarrones", "agotado", "despedirse" are missing from it.
QStringList possibleLemmas(const QString &word)
{
    QStringList lemmas;
    auto strip = [&](QLatin1StringView ending, std::initializer_list<QLatin1StringView> replacements) {
        if (word.size() > ending.size() + 2 && word.endsWith(ending)) {
            for (const QLatin1StringView replacement : replacements)
                lemmas.append(word.chopped(ending.size()) + replacement);
        }
    };
    const QLatin1StringView none("");
    strip(QLatin1StringView("s"), {none});
    strip(QLatin1StringView("es"), {none});
    strip(QLatin1StringView("ces"), {QLatin1StringView("z")});
    strip(QLatin1StringView("se"), {none});
    for (const char *ending : {"ado", "ada", "ados", "adas", "ando"})
        strip(QLatin1StringView(ending), {QLatin1StringView("ar")});
    for (const char *ending : {"ido", "ida", "idos", "idas", "iendo"})
        strip(QLatin1StringView(ending), {QLatin1StringView("er"), QLatin1StringView("ir")});
    return lemmas;
}

// The letter without its accent (ñ keeps its tilde: it is a letter of its own).
QChar baseLetter(QChar letter)
{
    if (letter == QChar(0x00F1))
        return letter;
    const QString decomposed = QString(letter).normalized(QString::NormalizationForm_D);
    return decomposed.isEmpty() ? letter : decomposed.front();
}

// Whether `spelling` holds `word` with one accent put on, taken off or
// moved to another vowel ("petroleo" -> "petróleo").
bool hasListedAccentVariant(const QString &word, const QSet<QString> &spelling)
{
    QString bare;
    bare.reserve(word.size());
    for (const QChar letter : word)
        bare.append(baseLetter(letter));
    if (bare != word && spelling.contains(bare))
        return true;
    static const QString plain = QStringLiteral(u"aeiou");
    static const QString accented = QStringLiteral(u"áéíóú");
    for (qsizetype i = 0; i < bare.size(); ++i) {
        const qsizetype vowel = plain.indexOf(bare.at(i));
        if (vowel < 0)
            continue;
        QString candidate = bare;
        candidate[i] = accented.at(vowel);
        if (candidate != word && spelling.contains(candidate))
            return true;
    }
    return false;
}

bool isGenderVowel(QChar letter)
{
    return letter == u'a' || letter == u'e' || letter == u'o';
}

// Leaves out of each row the items `leftOut` names, and the rows left
// without items; tells `details` why of each (`why(headword, item)`).
// Returns how many items were left out.
template <typename LeftOut, typename Why>
int leaveOutItems(SenseRows &rows, const LeftOut &leftOut, const Why &why, QStringList &details)
{
    int dropped = 0;
    SenseRows kept;
    kept.reserve(rows.size());
    for (auto &[headword, items] : rows) {
        QStringList left;
        for (const QString &item : std::as_const(items)) {
            if (leftOut(headword, item)) {
                details.append(why(headword, item));
                ++dropped;
            } else {
                left.append(item);
            }
        }
        if (!left.isEmpty())
            kept.append({headword, left});
    }
    rows = std::move(kept);
    return dropped;
}

// Writes each item of every row as `rewritten(headword, item)` gives it,
// keeping the first of items that come out the same.
template <typename Rewritten>
void rewriteItems(SenseRows &rows, const Rewritten &rewritten)
{
    for (auto &[headword, items] : rows) {
        QStringList kept;
        for (const QString &item : std::as_const(items)) {
            const QString right = rewritten(headword, item);
            if (!kept.contains(right))
                kept.append(right);
        }
        items = std::move(kept);
    }
}

} // namespace

namespace {

// Whether a word one slip from a doubted one is its right spelling: a word
// the list holds that another source knows too, as the list holds rare
// words a slip may happen to meet ("carné" beside "cané"). A long word needs
// no other source: few long words lie one slip from another by chance
// ("atropallamiento" beside "atropellamiento", which only the list has).
bool isRightSpelling(const QString &other, const QSet<QString> &spelling,
                     const std::function<bool(const QString &)> &known)
{
    constexpr qsizetype kLongWord = 12;
    return spelling.contains(other) && (other.size() >= kLongWord || known(other));
}

} // namespace

bool isMisspeltSpanish(const QString &word, const QSet<QString> &spelling,
                       const std::function<bool(const QString &)> &known, bool wholeItem)
{
    if (word.size() < 4 || spelling.contains(word) || known(word))
        return false;
    if (!std::all_of(word.begin(), word.end(), [](QChar c) { return c.isLetter() && c.isLower(); }))
        return false;
    const QStringList lemmas = possibleLemmas(word);
    if (std::any_of(lemmas.begin(), lemmas.end(), [&](const QString &lemma) { return spelling.contains(lemma); }))
        return false;
    static const QString letters = QStringLiteral(u"abcdefghijklmnopqrstuvwxyzáéíóúüñ");
    QString candidate = word;
    for (qsizetype i = 0; i < word.size(); ++i) {
        for (const QChar letter : letters) {
            // An accent alone is left alone: many such spellings are sound
            // variants ("periodo", "cardíaco").
            if (baseLetter(letter) == baseLetter(word.at(i)))
                continue;
            if (wholeItem && i == word.size() - 1 && isGenderVowel(letter) && isGenderVowel(word.at(i)))
                continue;
            candidate[i] = letter;
            if (isRightSpelling(candidate, spelling, known))
                return true;
        }
        candidate[i] = word.at(i);
    }
    // One letter too many ("tremblar" -> "temblar") or too few ("cigarillo"
    // -> "cigarrillo"), or two neighbours swapped. The last letter is left
    // alone: loanwords ("carnet", "capot") read as a letter added to a word
    // of the list. So is a word whose accented form the list holds
    // ("petroleo"): that is the accent slip judged sound above.
    auto sound = [&](const QString &other) { return isRightSpelling(other, spelling, known); };
    if (hasListedAccentVariant(word, spelling))
        return false;
    for (qsizetype i = 0; i + 1 < word.size(); ++i) {
        QString shorter = word;
        shorter.remove(i, 1);
        if (sound(shorter))
            return true;
        QString swapped = word;
        std::swap(swapped[i], swapped[i + 1]);
        if (swapped != word && sound(swapped))
            return true;
    }
    for (qsizetype i = 0; i < word.size(); ++i) {
        for (const QChar letter : letters) {
            QString longer = word;
            longer.insert(i, letter);
            if (sound(longer))
                return true;
        }
    }
    return false;
}

int dropMisspeltSpanish(SenseRows &rows, bool englishHeadwords, const QSet<QString> &spelling,
                        const std::function<bool(const QString &)> &known, QStringList &details)
{
    auto misspelt = [&](const QString &phrase) {
        const QStringList words = phrase.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        return std::any_of(words.begin(), words.end(),
                           [&](const QString &word) { return isMisspeltSpanish(word, spelling, known, words.size() == 1); });
    };
    if (englishHeadwords) {
        return leaveOutItems(
            rows, [&](const QString &, const QString &item) { return misspelt(item); },
            [](const QString &headword, const QString &item) {
                return QStringLiteral("eng-spa: \"%1\" left out of \"%2\", a misspelt word").arg(item, headword);
            },
            details);
    }
    const qsizetype before = rows.size();
    rows.removeIf([&](const std::pair<QString, QStringList> &row) {
        if (!misspelt(row.first))
            return false;
        details.append(QStringLiteral("spa-eng: row \"%1\" left out, a misspelt word").arg(row.first));
        return true;
    });
    return int(before - rows.size());
}

namespace {

// Whether `word` is `other` with one letter added, taken out, changed or
// swapped with its neighbour, away from the end (where the other gender, a
// plural or a loanword's spelling differ), and not by an accent alone.
bool oneSlipApart(const QString &word, const QString &other)
{
    const QString &longer = word.size() >= other.size() ? word : other;
    const QString &shorter = word.size() >= other.size() ? other : word;
    if (longer.size() - shorter.size() > 1 || shorter.size() < 4)
        return false;
    if (longer.size() > shorter.size()) {
        for (qsizetype i = 0; i + 1 < longer.size(); ++i) {
            if (QString(longer).remove(i, 1) == shorter)
                return true;
        }
        return false;
    }
    QList<qsizetype> differ;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (word.at(i) != other.at(i))
            differ.append(i);
    }
    if (differ.isEmpty() || differ.last() == word.size() - 1)
        return false;
    if (differ.size() == 1)
        return baseLetter(word.at(differ.first())) != baseLetter(other.at(differ.first()));
    return differ.size() == 2 && differ.at(1) == differ.at(0) + 1 && word.at(differ.at(0)) == other.at(differ.at(1))
           && word.at(differ.at(1)) == other.at(differ.at(0));
}

// The words of each row's headword, split at blanks once for all the
// comparisons between rows.
QVector<QStringList> headwordWords(const SenseRows &rows)
{
    QVector<QStringList> words;
    words.reserve(rows.size());
    for (const auto &row : rows)
        words.append(row.first.split(QLatin1Char(' ')));
    return words;
}

// A headword's words with the one at `place` emptied: two headwords of as
// many words that differ at that place alone give the same key.
QStringList headwordOutsidePlace(QStringList words, qsizetype place)
{
    words[place].clear();
    return words;
}

// The rows under each of their headword's keys (headwordOutsidePlace), one
// key for each place of the headword.
QHash<QStringList, QVector<qsizetype>> rowsByHeadwordOutsidePlace(const QVector<QStringList> &words)
{
    QHash<QStringList, QVector<qsizetype>> rows;
    for (qsizetype r = 0; r < words.size(); ++r) {
        for (qsizetype place = 0; place < words.at(r).size(); ++place)
            rows[headwordOutsidePlace(words.at(r), place)].append(r);
    }
    return rows;
}

} // namespace

int dropMisspeltSiblings(SenseRows &rows, const QSet<QString> &spelling, bool spanishItems,
                         const std::function<bool(const QString &)> &known, const QString &dictionary,
                         QStringList &details)
{
    if (spelling.isEmpty())
        return 0;
    auto listed = [&](const QString &word) {
        if (spelling.contains(word))
            return true;
        if (!spanishItems)
            return false;
        const QStringList lemmas = possibleLemmas(word);
        return std::any_of(lemmas.begin(), lemmas.end(), [&](const QString &lemma) { return spelling.contains(lemma); });
    };
    auto plainWord = [](const QString &word) {
        return std::all_of(word.begin(), word.end(), [](QChar c) { return c.isLetter(); });
    };
    int dropped = 0;
    for (auto &[headword, items] : rows) {
        QStringList kept;
        for (const QString &item : std::as_const(items)) {
            const QString word = item.toLower();
            const bool misspelt = plainWord(word) && !listed(word) && !known(word)
                                  && std::any_of(items.begin(), items.end(), [&](const QString &other) {
                                         const QString sibling = other.toLower();
                                         return plainWord(sibling) && spelling.contains(sibling)
                                                && oneSlipApart(word, sibling);
                                     });
            if (misspelt) {
                details.append(QStringLiteral("%1: \"%2\" left out of \"%3\", a misspelling of another translation")
                                   .arg(dictionary, item, headword));
                ++dropped;
            } else {
                kept.append(item);
            }
        }
        items = std::move(kept);
    }
    return dropped;
}

int dropMisspeltHeadwordRows(SenseRows &rows, const QSet<QString> &spelling,
                             const std::function<bool(const QString &)> &known, QStringList &details)
{
    if (spelling.isEmpty())
        return 0;
    const auto misspelt = [&](const QString &headword) {
        const QStringList words = headword.split(QLatin1Char(' '));
        return std::any_of(words.begin(), words.end(), [&](const QString &word) {
            return !word.isEmpty()
                   && std::all_of(word.begin(), word.end(), [](QChar c) { return c.isLetter() && c.isLower(); })
                   && !spelling.contains(word) && !known(word);
        });
    };
    const auto wordCount = [](const QString &headword) { return headword.count(QLatin1Char(' ')); };
    SenseRows kept;
    int dropped = 0;
    for (const auto &row : std::as_const(rows)) {
        // Named references to the pair, not a structured binding: the lambdas below
        // capture them, which clang does not allow of a binding before C++20.
        const QString &headword = row.first;
        const QStringList &items = row.second;
        const bool copy = !items.isEmpty() && misspelt(headword)
                          && std::any_of(rows.begin(), rows.end(), [&](const auto &other) {
                                 return other.first != headword && wordCount(other.first) == wordCount(headword)
                                        && !misspelt(other.first)
                                        && std::all_of(items.begin(), items.end(), [&](const QString &item) {
                                               return other.second.contains(item);
                                           });
                             });
        if (copy) {
            details.append(QStringLiteral("eng-spa: \"%1\" left out, a misspelt headword of another row's words")
                               .arg(headword));
            ++dropped;
        } else {
            kept.append({headword, items});
        }
    }
    rows = std::move(kept);
    return dropped;
}

int dropSlipsOfListedHeadwords(SenseRows &rows, const QSet<QString> &spelling,
                               const std::function<bool(const QString &)> &known, const QString &dictionary,
                               QStringList &details)
{
    if (spelling.isEmpty())
        return 0;
    // A word of letters in lower case, or a name with one capital first
    // ("Sardina", a slip of "Sardinia"), looked up in lower case as the
    // word list holds it.
    const auto listed = [&](const QString &word) { return spelling.contains(word.toLower()); };
    const auto plain = [](const QString &word) {
        return !word.isEmpty() && std::all_of(word.begin() + 1, word.end(), [](QChar c) { return c.isLetter() && c.isLower(); })
               && word.front().isLetter();
    };
    // A word the list lacks and `known` does not hold: it may be a slip.
    const auto unlisted = [&](const QString &word) { return plain(word) && !listed(word) && !known(word); };
    // Whether `other`, a word the list or `known` holds, is `word` with one
    // slip mended and the same capital or none. The length and the letters,
    // which rule out most pairs, are looked at before the lists. `known`
    // counts too: the Spanish list holds lemmas only, so a plural
    // ("manzanas") stands on the frequency list.
    const auto mendedBy = [&](const QString &word, const QString &other) {
        return oneSlipApart(word, other) && word.front().isUpper() == other.front().isUpper()
               && (listed(other) || known(other));
    };
    // Only headwords holding a word the list lacks are compared.
    const QVector<QStringList> words = headwordWords(rows);
    QSet<QString> doubted;
    for (qsizetype r = 0; r < rows.size(); ++r) {
        if (!rows.at(r).second.isEmpty() && std::any_of(words.at(r).begin(), words.at(r).end(), unlisted))
            doubted.insert(rows.at(r).first);
    }
    if (doubted.isEmpty())
        return 0;
    const QHash<QStringList, QVector<qsizetype>> rowsByPlace = rowsByHeadwordOutsidePlace(words);
    SenseRows kept;
    int dropped = 0;
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const auto &row = rows.at(r);
        const QString &headword = row.first;
        const QStringList &items = row.second;
        bool copy = false;
        if (doubted.contains(headword)) {
            // A slip differs from its listed headword at one place alone: at
            // each place of a doubted word, the rows that share the rest of
            // the headword are the ones looked at.
            for (qsizetype place = 0; place < words.at(r).size() && !copy; ++place) {
                const QString &word = words.at(r).at(place);
                if (!unlisted(word))
                    continue;
                const QVector<qsizetype> others = rowsByPlace.value(headwordOutsidePlace(words.at(r), place));
                copy = std::any_of(others.begin(), others.end(), [&](qsizetype o) {
                    const auto &other = rows.at(o);
                    return other.first != headword && mendedBy(word, words.at(o).at(place))
                           && std::all_of(items.begin(), items.end(),
                                          [&](const QString &item) { return other.second.contains(item); });
                });
            }
        }
        if (copy) {
            details.append(QStringLiteral("%1: \"%2\" left out, a slip of a listed headword giving its words")
                               .arg(dictionary, headword));
            ++dropped;
        } else {
            kept.append(row);
        }
    }
    rows = std::move(kept);
    return dropped;
}

int dropUnknownEnglishWords(SenseRows &rows, const QSet<QString> &spelling,
                            const std::function<bool(const QString &)> &known, QStringList &details)
{
    if (spelling.isEmpty())
        return 0;
    int dropped = 0;
    for (auto &[headword, items] : rows) {
        QStringList kept;
        for (const QString &item : std::as_const(items)) {
            // A phrase is doubted word by word: one unknown word makes it a
            // slip ("femal labourer").
            const QStringList words = item.split(QLatin1Char(' '));
            const bool plain = !item.isEmpty() && std::all_of(words.begin(), words.end(), [](const QString &word) {
                return !word.isEmpty()
                       && std::all_of(word.begin(), word.end(), [](QChar c) { return c.isLetter() && c.isLower(); });
            });
            const bool unknown = plain && std::any_of(words.begin(), words.end(), [&](const QString &word) {
                return !spelling.contains(word) && !known(word);
            });
            if (unknown) {
                details.append(QStringLiteral("spa-eng: \"%1\" left out of \"%2\", a word no source knows")
                                   .arg(item, headword));
                ++dropped;
            } else {
                kept.append(item);
            }
        }
        if (kept.isEmpty() && !items.isEmpty())
            headword.clear();  // marks the row, left out below
        items = std::move(kept);
    }
    rows.removeIf([](const auto &row) { return row.first.isEmpty(); });
    return dropped;
}

namespace {

// The word with its one lacking doubled consonant put back, or an empty
// string when it is listed, known, or no single doubling gives a listed word.
QString withDoubledConsonant(const QString &word, const QSet<QString> &spelling,
                             const std::function<bool(const QString &)> &known)
{
    if (word.size() < 4 || spelling.contains(word) || known(word)
        || !std::all_of(word.begin(), word.end(), [](QChar c) { return c >= u'a' && c <= u'z'; }))
        return {};
    QString found;
    for (qsizetype i = 0; i + 1 < word.size(); ++i) {
        if (QStringLiteral("aeiouy").contains(word.at(i)) || word.at(i) == word.at(i + 1))
            continue;
        const QString doubled = word.left(i + 1) + word.at(i) + word.mid(i + 1);
        if (spelling.contains(doubled)) {
            if (!found.isEmpty() && found != doubled)
                return {};  // two ways to put it right: leave it
            found = doubled;
        }
    }
    return found;
}

// The phrase with each of its misspelt words put right, or the phrase as it is.
QString respeltPhrase(const QString &phrase, const QSet<QString> &spelling,
                      const std::function<bool(const QString &)> &known)
{
    QStringList words = phrase.split(QLatin1Char(' '));
    bool changed = false;
    for (QString &word : words) {
        const QString right = withDoubledConsonant(word, spelling, known);
        if (!right.isEmpty()) {
            word = right;
            changed = true;
        }
    }
    return changed ? words.join(QLatin1Char(' ')) : phrase;
}

} // namespace

int restoreDoubledConsonants(SenseRows &rows, bool englishHeadwords, const QSet<QString> &spelling,
                             const std::function<bool(const QString &)> &known, QStringList &details)
{
    if (spelling.isEmpty())
        return 0;
    int respelt = 0;
    if (!englishHeadwords) {
        rewriteItems(rows, [&](const QString &headword, const QString &item) {
            const QString right = respeltPhrase(item, spelling, known);
            if (right != item) {
                details.append(QStringLiteral("spa-eng: \"%1\" of \"%2\" respelt \"%3\"").arg(item, headword, right));
                ++respelt;
            }
            return right;
        });
        return respelt;
    }
    QHash<QString, qsizetype> rowOf;
    for (qsizetype i = 0; i < rows.size(); ++i)
        rowOf.insert(rows.at(i).first, i);
    QVector<bool> merged(rows.size(), false);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QString headword = rows.at(i).first;
        const QString right = respeltPhrase(headword, spelling, known);
        if (right == headword)
            continue;
        details.append(QStringLiteral("eng-spa: headword \"%1\" respelt \"%2\"").arg(headword, right));
        ++respelt;
        const qsizetype other = rowOf.value(right, -1);
        if (other < 0) {
            rows[i].first = right;
            rowOf.insert(right, i);
            continue;
        }
        for (const QString &item : rows.at(i).second) {
            if (!rows.at(other).second.contains(item))
                rows[other].second.append(item);
        }
        merged[i] = true;
    }
    SenseRows kept;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (!merged.at(i))
            kept.append(std::move(rows[i]));
    }
    rows = std::move(kept);
    return respelt;
}

QSet<QString> englishHeadwordsTransLacks(const SenseRows &rows, const QSet<QString> &headwords,
                                         const QSet<QString> &wordList,
                                         const std::function<bool(const QString &)> &ranked, const QByteArray &trans)
{
    if (trans.isEmpty() || wordList.isEmpty())
        return {};
    QSet<QString> unlisted;
    for (const auto &[headword, items] : rows) {
        for (const QString &item : items) {
            const QString word = item.toLower();
            if (headwords.contains(word) && !wordList.contains(word) && !ranked(word))
                unlisted.insert(word);
        }
    }
    if (unlisted.isEmpty())
        return {};
    return unlisted - englishWordsInTrans(trans, unlisted);
}

QSet<QString> englishWordsOftenInTrans(const SenseRows &rows, const QSet<QString> &wordList, const QByteArray &trans)
{
    constexpr int kLines = 3;
    QSet<QString> unlisted;
    for (const auto &[headword, items] : rows) {
        for (const QString &item : items) {
            const QString word = item.toLower();
            if (!word.contains(QLatin1Char(' ')) && !wordList.contains(word))
                unlisted.insert(word);
        }
    }
    QSet<QString> often;
    if (unlisted.isEmpty() || trans.isEmpty())
        return often;
    const QHash<QString, int> counts = englishWordCountsInTrans(trans, unlisted);
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() >= kLines)
            often.insert(it.key());
    }
    return often;
}

namespace {

// The phrase of Apertium (`words`) a whole `item` cuts into, or nothing.
QString apertiumPhraseOf(const GluedItems &glued, const QSet<QString> &words, const QString &item)
{
    if (words.contains(item.toLower()))
        return {};
    for (const QString &cut : glued.wholeCuts.value(item)) {
        if (words.contains(cut.toLower()))
            return cut;
    }
    return {};
}

} // namespace

SettledRows settleGlued(SenseRows &rows, const GluedItems &glued, const QSet<QString> &words,
                        const QString &dictionary, QStringList &details)
{
    SettledRows settled;
    SenseRows kept;
    kept.reserve(rows.size());
    for (auto &[headword, items] : rows) {
        QStringList left;
        for (const QString &item : std::as_const(items)) {
            const QString original = glued.splits.value(item);
            if (!original.isEmpty() && words.contains(original.toLower())) {
                details.append(QStringLiteral("%1: \"%2\" kept whole, a word of Apertium").arg(dictionary, original));
                ++settled.keptWhole;
                if (!left.contains(original))
                    left.append(original);
            } else if (const QString phrase = apertiumPhraseOf(glued, words, item); !phrase.isEmpty()) {
                details.append(
                    QStringLiteral("%1: \"%2\" -> \"%3\", a phrase of Apertium").arg(dictionary, item, phrase));
                ++settled.split;
                if (!left.contains(phrase))
                    left.append(phrase);
            } else if (glued.unsure.contains(item) && !words.contains(item.toLower())) {
                details.append(QStringLiteral("%1: \"%2\" left out of \"%3\", glued beyond a sure split")
                                   .arg(dictionary, item, headword));
                ++settled.dropped;
            } else if (!left.contains(item)) {
                left.append(item);
            }
        }
        if (!left.isEmpty())
            kept.append({headword, left});
    }
    rows = std::move(kept);
    return settled;
}

QStringList keepWordsPairedBackWhole(GluedItems &glued, const QVector<DictdEntry> &spanishEnglish,
                                     const QVector<DictdEntry> &englishSpanish,
                                     const std::function<QSet<QString>(const QSet<QString> &)> &writtenWhole)
{
    // (English headword lowercased, Spanish translation) of eng-spa.
    QSet<std::pair<QString, QString>> pairedBack;
    for (const DictdEntry &entry : englishSpanish) {
        for (const QString &item : entry.translations)
            pairedBack.insert({entry.headword.toLower(), item});
    }
    QSet<QString> asked;
    QStringList candidates;
    for (const DictdEntry &entry : spanishEnglish) {
        for (const QString &item : entry.translations) {
            if (glued.unattested.contains(item) && pairedBack.contains({item.toLower(), entry.headword})
                && !candidates.contains(item)) {
                candidates.append(item);
                asked.insert(item.toLower());
            }
        }
    }
    if (candidates.isEmpty() || !writtenWhole)
        return {};
    const QSet<QString> whole = writtenWhole(asked);
    QStringList kept;
    for (const QString &item : std::as_const(candidates)) {
        if (!whole.contains(item.toLower()))
            continue;
        glued.unattested.remove(item);
        glued.unsure.remove(item);
        kept.append(item);
    }
    return kept;
}

int splitPhrasesPairedBack(SenseRows &englishSpanish, const SenseRows &spanishEnglish,
                           const QSet<QString> &apertiumSpanish, QStringList &details)
{
    // (phrase without its blanks, English word), lowercased -> the phrase.
    QHash<std::pair<QString, QString>, QString> phrases;
    for (const auto &[spanish, english] : spanishEnglish) {
        if (!spanish.contains(QLatin1Char(' ')) || !apertiumSpanish.contains(spanish.toLower()))
            continue;
        const QString glued = QString(spanish).remove(QLatin1Char(' ')).toLower();
        for (const QString &item : english)
            phrases.insert({glued, item.toLower()}, spanish);
    }
    int split = 0;
    rewriteItems(englishSpanish, [&](const QString &english, const QString &item) {
        const QString phrase =
            item.contains(QLatin1Char(' ')) ? QString() : phrases.value({item.toLower(), english.toLower()});
        if (phrase.isEmpty())
            return item;
        details.append(QStringLiteral("eng-spa: %1: \"%2\" -> \"%3\", spa-eng's phrase").arg(english, item, phrase));
        ++split;
        return phrase;
    });
    return split;
}

int dropUnconfirmed(SenseRows &rows, const QSet<std::pair<QString, QString>> &unconfirmed,
                    const QSet<std::pair<QString, QString>> &confirmed, QStringList &details)
{
    return leaveOutItems(
        rows,
        [&](const QString &headword, const QString &item) {
            return unconfirmed.contains({headword, item}) && !confirmed.contains({headword.toLower(), item.toLower()});
        },
        [](const QString &headword, const QString &item) {
            return QStringLiteral("eng-spa: \"%1\" left out of \"%2\", the sense of a cut compound").arg(item, headword);
        },
        details);
}

int dropDisagreeingPhrases(QVector<LexiconEntry> &englishSpanish, QVector<LexiconEntry> &spanishEnglish,
                           QStringList &details)
{
    // The genders each Spanish noun is given; one of two letters, "m" or "f".
    // An adjective may stand for a noun of either gender ("por la
    // presente", the letter), so a word also listed as one is never judged.
    QHash<QString, QSet<QChar>> genders;
    auto note = [&](const QString &spanish, const QStringList &tags) {
        if (spanish.contains(QLatin1Char(' ')))
            return;
        if (tags.contains(QLatin1String("adj")))
            genders[spanish.toLower()].unite({u'm', u'f'});
        if (!tags.contains(QLatin1String("n")))
            return;
        QSet<QChar> &noted = genders[spanish.toLower()];
        for (const QString &tag : tags) {
            if (tag == QLatin1String("m") || tag == QLatin1String("f"))
                noted.insert(tag.front());
            else if (tag == QLatin1String("mf"))
                noted.unite({u'm', u'f'});
        }
    };
    for (const LexiconEntry &entry : std::as_const(englishSpanish))
        note(entry.target, entry.targetTags);
    for (const LexiconEntry &entry : std::as_const(spanishEnglish))
        note(entry.source, entry.sourceTags);

    static const QHash<QString, QChar> determiners{
        {QStringLiteral("el"), u'm'},    {QStringLiteral("la"), u'f'},     {QStringLiteral("un"), u'm'},
        {QStringLiteral("una"), u'f'},   {QStringLiteral("este"), u'm'},   {QStringLiteral("esta"), u'f'},
        {QStringLiteral("ese"), u'm'},   {QStringLiteral("esa"), u'f'},    {QStringLiteral("aquel"), u'm'},
        {QStringLiteral("aquella"), u'f'}};
    auto disagrees = [&](const QString &phrase) {
        const QStringList words = phrase.toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (qsizetype i = 0; i + 1 < words.size(); ++i) {
            const auto determiner = determiners.constFind(words.at(i));
            const auto noun = genders.constFind(words.at(i + 1));
            if (determiner == determiners.cend() || noun == genders.cend() || noun->size() != 1
                || noun->contains(*determiner))
                continue;
            // "el agua", "un hacha": the feminine noun's stressed a takes
            // the masculine article.
            const QString &next = words.at(i + 1);
            if ((words.at(i) == QLatin1String("el") || words.at(i) == QLatin1String("un"))
                && (next.startsWith(u'a') || next.startsWith(u'\u00E1') || next.startsWith(QLatin1String("ha"))
                    || next.startsWith(QStringLiteral(u"há"))))
                continue;
            return true;
        }
        return false;
    };
    int dropped = 0;
    for (QVector<LexiconEntry> *entries : {&englishSpanish, &spanishEnglish}) {
        const bool forward = entries == &englishSpanish;
        dropped += int(entries->removeIf([&](const LexiconEntry &entry) {
            const QString &spanish = forward ? entry.target : entry.source;
            if (!spanish.contains(QLatin1Char(' ')) || !disagrees(spanish))
                return false;
            details.append(QStringLiteral("Apertium: \"%1\" left out, its determiner disagrees with its noun")
                               .arg(spanish));
            return true;
        }));
    }
    return dropped;
}

int spellPossessivesBeforeNouns(QVector<LexiconEntry> &englishSpanish, QVector<LexiconEntry> &spanishEnglish,
                                const SenseRows &freedictEnglishSpanish, const SenseRows &freedictSpanishEnglish,
                                QStringList &details)
{
    // eng-spa tags a possessive on both sides ("det", "pos"); spa-eng tags
    // its determiners only as such ("tuyo<det>" -> "your<det>"), so a
    // possessive there is a determiner given for one of eng-spa's English
    // possessives.
    const auto isPossessive = [](const QStringList &tags) {
        return tags.value(0) == QLatin1String("det") && tags.value(1) == QLatin1String("pos");
    };
    QSet<QString> possessives;
    for (const LexiconEntry &entry : std::as_const(englishSpanish)) {
        if (isPossessive(entry.sourceTags) && isPossessive(entry.targetTags))
            possessives.insert(entry.source);
    }
    if (possessives.isEmpty())
        return 0;
    // English word -> the single Spanish words FreeDict pairs it with, lowercased.
    QHash<QString, QStringList> freedictWords;
    const auto note = [&](const QString &english, const QString &spanish) {
        if (!spanish.contains(QLatin1Char(' ')))
            freedictWords[english.toLower()].append(spanish.toLower());
    };
    for (const auto &[english, items] : freedictEnglishSpanish) {
        for (const QString &item : items)
            note(english, item);
    }
    for (const auto &[spanish, items] : freedictSpanishEnglish) {
        for (const QString &item : items)
            note(item, spanish);
    }
    const auto shortForm = [&](const QString &english, const QString &lemma) {
        const QString folded = withoutAccents(lemma.toLower());
        QString form;
        for (const QString &word : freedictWords.value(english.toLower())) {
            if (word.size() < lemma.size() && word.size() > form.size() && folded.startsWith(withoutAccents(word)))
                form = word;
        }
        return form;
    };
    int changed = 0;
    for (QVector<LexiconEntry> *entries : {&englishSpanish, &spanishEnglish}) {
        const bool forward = entries == &englishSpanish;
        for (LexiconEntry &entry : *entries) {
            QString &spanish = forward ? entry.target : entry.source;
            const QStringList &tags = forward ? entry.targetTags : entry.sourceTags;
            const QString &english = forward ? entry.source : entry.target;
            if (tags.value(0) != QLatin1String("det") || !possessives.contains(english))
                continue;
            const QString form = shortForm(english, spanish);
            if (form.isEmpty())
                continue;
            details.append(QStringLiteral("Apertium %1: \"%2\" -> \"%3\" for \"%4\", its form before a noun")
                               .arg(QLatin1String(forward ? "eng-spa" : "spa-eng"), spanish, form, english));
            spanish = form;
            ++changed;
        }
    }
    return changed;
}

namespace {

// The singulars an English or Spanish plural may have ("birds" -> "bird",
// "ciudades" -> "ciudad", "luces" -> "luz"); none for a word not ending in s.
QStringList singularsOf(const QString &word, bool english)
{
    QStringList singulars;
    if (word.size() < 4 || !word.endsWith(QLatin1Char('s')))
        return singulars;
    singulars.append(word.chopped(1));
    if (word.endsWith(QLatin1String("es")))
        singulars.append(word.chopped(2));
    if (english && word.endsWith(QLatin1String("ies")))
        singulars.append(word.chopped(3) + QLatin1Char('y'));
    if (!english && word.endsWith(QLatin1String("ces")))
        singulars.append(word.chopped(3) + QLatin1Char('z'));
    return singulars;
}

// Whether Apertium (lowercased English-Spanish pairs of lemmas) pairs the
// two words, or both are plurals of a pair it gives: its lemmas are
// singular, so "birds"-"aves" is its "bird"-"ave".
bool apertiumPairsPlurals(const QString &english, const QString &spanish,
                          const QSet<std::pair<QString, QString>> &apertium)
{
    if (apertium.contains({english, spanish}))
        return true;
    const QStringList spanishSingulars = singularsOf(spanish, false);
    for (const QString &englishSingular : singularsOf(english, true)) {
        for (const QString &spanishSingular : spanishSingulars) {
            if (apertium.contains({englishSingular, spanishSingular}))
                return true;
        }
    }
    return false;
}

} // namespace

int vetThroughGerman(SenseRows &rows, bool englishHeadwords, const GermanPivot &pivot,
                     const QSet<std::pair<QString, QString>> &apertium,
                     const QSet<std::pair<QString, QString>> &bothFreedict, QStringList &details)
{
    int dropped = 0;
    for (auto &[headword, items] : rows) {
        QStringList kept;
        QStringList doubtful;
        bool confirmed = false;
        for (const QString &item : std::as_const(items)) {
            const QString &english = englishHeadwords ? headword : item;
            const QString &spanish = englishHeadwords ? item : headword;
            const int links = pivot.links(spanish, english);
            confirmed = confirmed || links > 0;
            // trans-de-en lists few phrases as such: only a pair of single
            // words is doubted ("echar a perder", "at last" are kept).
            if (links == 0 && !english.contains(QLatin1Char(' ')) && !spanish.contains(QLatin1Char(' '))
                && pivot.knows(spanish) && !apertiumPairsPlurals(english.toLower(), spanish.toLower(), apertium))
                doubtful.append(item);
            else
                kept.append(item);
        }
        if (doubtful.isEmpty() || !confirmed)
            continue;
        const QStringList sound = kept;
        for (const QString &item : std::as_const(doubtful)) {
            const QString &english = englishHeadwords ? headword : item;
            const QString &spanish = englishHeadwords ? item : headword;
            // A capitalised English word in a row of a lower-case Spanish
            // word whose sound items are all lower-case is a proper name or
            // its adjective ("parte": "Parthian", which is "parto"), no
            // sense of the common word: both FreeDict dictionaries giving it
            // is no evidence. Rows of nationalities ("sueco": "Swedish",
            // "Swede") have capitalised sound items and are left alone.
            const bool properForCommon = !englishHeadwords && item.at(0).isUpper() && headword.at(0).isLower()
                && std::none_of(sound.begin(), sound.end(), [](const QString &other) { return other.at(0).isUpper(); });
            if (!properForCommon && bothFreedict.contains({english.toLower(), spanish.toLower()})) {
                kept.append(item);
                continue;
            }
            details.append(QStringLiteral("%1: \"%2\" left out of \"%3\", no German word of spa-deu leads to it")
                               .arg(QLatin1String(englishHeadwords ? "eng-spa" : "spa-eng"), item, headword));
            ++dropped;
        }
        items = std::move(kept);
    }
    return dropped;
}

namespace {

// The phrase without the article of a contraction it ends in
// ("corresponder al" -> "corresponder a"), or the phrase as it is.
QString withoutCutArticle(const QString &phrase)
{
    const qsizetype space = phrase.lastIndexOf(QLatin1Char(' '));
    if (space <= 0)
        return phrase;
    const QStringView last = QStringView(phrase).mid(space + 1);
    if (last == QLatin1String("al"))
        return phrase.left(space + 1) + QLatin1Char('a');
    if (last == QLatin1String("del"))
        return phrase.left(space + 1) + QLatin1String("de");
    return phrase;
}

} // namespace

int mendCutArticles(SenseRows &rows, bool englishHeadwords, QStringList &details)
{
    int mended = 0;
    const auto note = [&](const QString &cut, const QString &whole) {
        details.append(QStringLiteral("%1: \"%2\" read as \"%3\"")
                           .arg(QLatin1String(englishHeadwords ? "eng-spa" : "spa-eng"), cut, whole));
        ++mended;
    };
    if (englishHeadwords) {
        rewriteItems(rows, [&](const QString &, const QString &item) {
            const QString whole = withoutCutArticle(item);
            if (whole != item)
                note(item, whole);
            return whole;
        });
        return mended;
    }
    QHash<QString, qsizetype> rowOf;
    for (qsizetype i = 0; i < rows.size(); ++i)
        rowOf.insert(rows.at(i).first, i);
    SenseRows kept;
    QHash<QString, qsizetype> keptRow;
    for (const auto &[spanish, items] : std::as_const(rows)) {
        const QString whole = withoutCutArticle(spanish);
        if (whole != spanish)
            note(spanish, whole);
        if (const auto at = keptRow.constFind(whole); at != keptRow.cend()) {
            QStringList &into = kept[*at].second;
            for (const QString &item : items) {
                if (!into.contains(item) && into.size() < kMaxSpanishTranslations)
                    into.append(item);
            }
            continue;
        }
        keptRow.insert(whole, kept.size());
        kept.append({whole, items});
    }
    rows = std::move(kept);
    return mended;
}

namespace {

// `word` without its one acute accent ("húmedo" -> "humedo"); empty where
// it has none or more than one.
QString withoutSingleAcute(const QString &word)
{
    static const QString accented = QStringLiteral("áéíóú");
    static const QString plain = QStringLiteral("aeiou");
    qsizetype at = -1;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (accented.contains(word.at(i))) {
            if (at >= 0)
                return {};
            at = i;
        }
    }
    if (at < 0)
        return {};
    QString bare = word;
    bare[at] = plain.at(accented.indexOf(word.at(at)));
    return bare;
}

} // namespace

int respellWrongAccents(SenseRows &rows, SenseRows &englishSpanish, const QSet<QString> &spelling,
                        const std::function<bool(const QString &)> &known, QStringList &details)
{
    QSet<QString> headwords;
    for (const auto &row : std::as_const(rows))
        headwords.insert(row.first);
    QHash<QString, QString> respelling;  // headword as FreeDict wrote it -> without the wrong accent
    for (auto &row : rows) {
        const QString &word = row.first;
        if (!std::all_of(word.begin(), word.end(), [](QChar c) { return c.isLower(); }))
            continue;
        const QString bare = withoutSingleAcute(word);
        if (bare.isEmpty() || spelling.contains(word) || known(word))
            continue;
        if (headwords.contains(bare) || !(spelling.contains(bare) || known(bare)))
            continue;
        details.append(QStringLiteral("spa-eng: headword \"%1\" written \"%2\", without a wrong accent").arg(word, bare));
        headwords.insert(bare);
        respelling.insert(word, bare);
        row.first = bare;
    }
    for (auto &[english, items] : englishSpanish) {
        QStringList written;
        for (const QString &item : std::as_const(items)) {
            const QString spelt = respelling.value(item, item);
            if (!written.contains(spelt))
                written.append(spelt);
        }
        items = written;
    }
    return int(respelling.size());
}

int restoreMissingAccents(SenseRows &rows, SenseRows &englishSpanish, const QSet<QString> &spelling,
                          const std::function<bool(const QString &)> &known, QStringList &details,
                          QHash<QString, QString> *restored)
{
    // The listed words with one acute accent, by their plain spelling; an
    // empty value marks a plain spelling two listed words share.
    QHash<QString, QString> accentedOf;
    for (const QString &word : spelling) {
        const QString bare = withoutSingleAcute(word);
        if (bare.isEmpty())
            continue;
        const auto found = accentedOf.constFind(bare);
        accentedOf.insert(bare, found == accentedOf.cend() ? word : QString());
    }
    QHash<QString, QString> respelling;  // the plain word as FreeDict wrote it -> with its accent
    const auto respelt = [&](const QString &word) {
        if (const auto done = respelling.constFind(word); done != respelling.cend())
            return *done;
        if (!std::all_of(word.begin(), word.end(), [](QChar c) { return c.isLower(); }) || spelling.contains(word)
            || known(word))
            return word;
        const QString right = accentedOf.value(word);
        if (right.isEmpty())
            return word;
        respelling.insert(word, right);
        return right;
    };
    for (auto &[english, items] : englishSpanish) {
        QStringList written;
        for (const QString &item : std::as_const(items)) {
            const QString spelt = respelt(item);
            if (spelt != item)
                details.append(QStringLiteral("eng-spa: \"%1\" in \"%2\" written \"%3\", with its accent")
                                   .arg(item, english, spelt));
            if (!written.contains(spelt))
                written.append(spelt);
        }
        items = written;
    }
    QHash<QString, qsizetype> rowOf;
    for (qsizetype i = 0; i < rows.size(); ++i)
        rowOf.insert(rows.at(i).first, i);
    SenseRows kept;
    QHash<QString, qsizetype> keptRow;
    for (auto &row : rows) {
        const QString spelt = respelt(row.first);
        if (spelt != row.first)
            details.append(QStringLiteral("spa-eng: headword \"%1\" written \"%2\", with its accent").arg(row.first, spelt));
        // The row of the accented word takes the items, wherever it stands.
        const auto merge = [&](QStringList &into) {
            for (const QString &item : std::as_const(row.second)) {
                if (!into.contains(item) && into.size() < kMaxSpanishTranslations)
                    into.append(item);
            }
        };
        if (const auto at = keptRow.constFind(spelt); spelt != row.first && at != keptRow.cend()) {
            merge(kept[*at].second);
            continue;
        }
        if (const qsizetype later = spelt != row.first ? rowOf.value(spelt, -1) : -1; later >= 0) {
            merge(rows[later].second);
            continue;
        }
        row.first = spelt;
        keptRow.insert(spelt, kept.size());
        kept.append(row);
    }
    rows = std::move(kept);
    if (restored)
        restored->insert(respelling);
    return int(respelling.size());
}

int dropWordsWrittenApart(SenseRows &rows, QStringList &details)
{
    QSet<QString> headwords;
    for (const auto &row : std::as_const(rows))
        headwords.insert(row.first.toLower());
    int dropped = 0;
    SenseRows kept;
    for (auto &row : rows) {
        const QStringList words = row.first.toLower().split(QLatin1Char(' '));
        const QString glued = words.size() == 2 && !words.first().isEmpty() && !words.last().isEmpty()
            ? words.first() + words.last()
            : QString();
        if (!glued.isEmpty() && headwords.contains(glued)
            && std::any_of(row.second.cbegin(), row.second.cend(),
                           [&](const QString &item) { return item.toLower() == glued; })) {
            details.append(QStringLiteral("spa-eng: \"%1\" left out, \"%2\" written apart").arg(row.first, glued));
            ++dropped;
            continue;
        }
        kept.append(std::move(row));
    }
    rows = std::move(kept);
    return dropped;
}

namespace {

// The compound an English "X of Ys" phrase is written as: "olive oil" or
// "olive-oil" for "oil of olives" (the last word singular or as it is).
// Empty when the phrase is of another shape.
QStringList compoundsOfOfPhrase(const QString &phrase)
{
    const QStringList words = phrase.toLower().split(QLatin1Char(' '));
    if (words.size() != 3 || words.at(1) != QLatin1String("of"))
        return {};
    QStringList modifiers = singularsOf(words.at(2), true);
    modifiers.append(words.at(2));
    QStringList compounds;
    for (const QString &modifier : std::as_const(modifiers)) {
        for (const QChar joint : {QChar(u' '), QChar(u'-'), QChar(0x2010)})
            compounds.append(modifier + joint + words.at(0));
    }
    return compounds;
}

} // namespace

int putCompoundsBeforeOfPhrases(SenseRows &rows, QStringList &details)
{
    int moved = 0;
    for (auto &[headword, items] : rows) {
        for (qsizetype i = 0; i < items.size(); ++i) {
            const QStringList compounds = compoundsOfOfPhrase(items.at(i));
            if (compounds.isEmpty())
                continue;
            for (qsizetype j = i + 1; j < items.size(); ++j) {
                if (!compounds.contains(items.at(j).toLower()))
                    continue;
                details.append(QStringLiteral("spa-eng: \"%1\" put before \"%2\" in \"%3\"")
                                   .arg(items.at(j), items.at(i), headword));
                items.move(j, i);
                ++moved;
                break;
            }
        }
    }
    return moved;
}

namespace {

// The word glued to a "de" it ends in, cut off ("libritode" -> "librito");
// empty when the word does not end so or too little would be left.
QString wordBeforeGluedDe(const QString &word)
{
    constexpr qsizetype kShortestWord = 4;
    if (!word.endsWith(QLatin1String("de")) || word.size() - 2 < kShortestWord)
        return {};
    return word.chopped(2);
}

} // namespace

int splitGluedDeInHeadwords(SenseRows &rows, const QSet<QString> &spelling,
                            const std::function<bool(const QString &)> &known, QStringList &details)
{
    if (spelling.isEmpty())
        return 0;
    const auto isKnown = [&](const QString &word) { return spelling.contains(word) || known(word); };
    int split = 0;
    SenseRows kept;
    QHash<QString, qsizetype> keptRow;
    for (auto &[headword, items] : rows) {
        QStringList words = headword.split(QLatin1Char(' '));
        bool changed = false;
        // The last word is left alone: "de" never ends a phrase, and a last
        // word the lists lack is more likely a rare noun than a glued one.
        for (qsizetype i = 0; i + 1 < words.size(); ++i) {
            const QString lower = words.at(i).toLower();
            if (isKnown(lower))
                continue;
            const QString before = wordBeforeGluedDe(lower);
            if (before.isEmpty() || words.at(i + 1).toLower() == QLatin1String("de"))
                continue;
            words[i] = words.at(i).chopped(2) + QLatin1String(" de");
            changed = true;
        }
        if (changed) {
            const QString whole = words.join(QLatin1Char(' '));
            details.append(QStringLiteral("spa-eng: headword \"%1\" -> \"%2\"").arg(headword, whole));
            headword = whole;
            ++split;
        }
        if (const auto at = keptRow.constFind(headword); at != keptRow.cend()) {
            QStringList &into = kept[*at].second;
            for (const QString &item : std::as_const(items)) {
                if (!into.contains(item) && into.size() < kMaxSpanishTranslations)
                    into.append(item);
            }
            continue;
        }
        keptRow.insert(headword, kept.size());
        kept.append({headword, std::move(items)});
    }
    rows = std::move(kept);
    return split;
}

} // namespace vorbix::import
