#pragma once

#include "data/import/dictd_entry.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

namespace vorbix::import {

// Lowercased words of `phrase` (runs of letters).
QStringList wordsOf(const QString &phrase);

// Puts back the blanks that the small Spanish dictionaries lost inside
// translations ("esforzarsepor", "gafasoscuras", "atthesametime").
// A word is split only when it is not itself a known word and it can be
// cut, entirely, into known words; among the possible cuts the one with the
// fewest pieces wins, then the one with the longest first piece.
class BlankRepairer
{
public:
    // `vocabulary`: lowercased words the language is known to have.
    // `oneLetterWords`: the single letters that are words ("a", "y", "o").
    // `enclitics`: pronouns written onto an infinitive ("calmarse"); such a
    // form counts as a known word and the pronoun is never cut off alone.
    BlankRepairer(QSet<QString> vocabulary, QSet<QString> oneLetterWords, QSet<QString> enclitics = {});

    // Words that are never split although the vocabulary lacks them: a word
    // list of lemmas lacks plurals and verb forms ("todos") that the
    // dictionaries themselves use as whole words.
    void keepWhole(QSet<QString> words) { m_wholeWords = std::move(words); }

    // A one-letter word that stands only before words beginning with one of
    // `starts`: Spanish "u" before "o" and "ho", "e" before "i" and "hi".
    void onlyBefore(const QString &word, QStringList starts) { m_onlyBefore.insert(word, std::move(starts)); }

    // The item with its blanks put back, or nothing when it is left as is.
    // Words written together with capitals ("CruzRoja") are split at the
    // capitals when no cut into known words exists.
    std::optional<QString> repair(const QString &item) const;

private:
    bool isKnown(const QString &word) const;

    QSet<QString> m_vocabulary;
    QSet<QString> m_oneLetterWords;
    QSet<QString> m_enclitics;
    QSet<QString> m_wholeWords;
    QHash<QString, QStringList> m_onlyBefore;
};

// What became of the eng-spa entries whose multi-word headword was cut to its
// first word ("get /getmæriːd/" for "get married").
struct HeadwordRepairs
{
    int repaired = 0;
    int dropped = 0;
    QStringList details;
    QStringList cutWords;  // the headwords found cut, each once: still words of the dictionary
};

// Whether `pronunciation` has at least `extraSounds` more sounds than the
// one-word `headword` has letters: the IPA of a phrase the headword was cut
// from. False for the IPA of several words.
bool isLongerThanTheWord(const QString &headword, const QString &pronunciation, int extraSounds = 3);

// Detects the cut headwords by their pronunciation: an entry whose IPA is
// the word's own IPA with more sounds after it; one much longer than the
// word (isLongerThanTheWord), which needs no other dictionary to hold the
// word; or one two sounds longer than the word when the word's own IPA has
// at least two sounds fewer or `entries` give the word three or more IPAs
// (the first word of as many phrases). `ownPronunciation` gives the
// IPA of single words (from a dictionary that has them whole), and
// `phraseByPronunciation` the whole phrase for a phrase's IPA. A cut entry
// gets the phrase back when its IPA names a phrase that begins with the
// headword, or else when the reverse dictionary (`reverse`: translation ->
// its English words) translates one of its translations by such a phrase;
// otherwise it is dropped.
QVector<DictdEntry> repairCutHeadwords(QVector<DictdEntry> entries,
                                       const QHash<QString, QString> &ownPronunciation,
                                       const QHash<QString, QString> &phraseByPronunciation,
                                       const QHash<QString, QStringList> &reverse,
                                       HeadwordRepairs &report);

} // namespace vorbix::import
