#pragma once

#include <QHash>
#include <QString>

namespace vorbix::import {

// How common the words of a language are: each lowercased word's rank in a
// list of the commonest words of film and television subtitles (1 = the
// commonest; data/word_frequency, built into the importer as a resource).
// A trainer's rows put the common word first, and a piece of a glued word
// counts as a word only when people actually use it.
class WordRanks
{
public:
    // The list of `language` ("en", "es", "fr", "de"), read once. An unknown
    // language gives an empty list.
    static const WordRanks &forLanguage(const QString &language);

    // Builds a list from text of "word count" lines, commonest first.
    static WordRanks fromText(const QString &text);

    // The rank of `word` (compared in lower case), 0 when it is not listed.
    int rank(const QString &word) const;

    // Whether `word` is among the `top` commonest words.
    bool isAmongCommonest(const QString &word, int top) const
    {
        const int r = rank(word);
        return r > 0 && r <= top;
    }

    // The rank of a phrase's rarest word ("ice cream" -> rank of "cream");
    // 0 when one of its words is not listed or it has none.
    int phraseRank(const QString &phrase) const;

    int size() const { return static_cast<int>(m_ranks.size()); }

private:
    QHash<QString, int> m_ranks;
};

} // namespace vorbix::import
