#include "data/import/word_frequency.h"

#include "data/import/spanish_repairs.h"

#include <QFile>
#include <QStringView>

#include <algorithm>
#include <map>
#include <mutex>

namespace vorbix::import {

WordRanks WordRanks::fromText(const QString &text)
{
    WordRanks ranks;
    int next = 1;
    for (const QStringView line : QStringView(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const qsizetype blank = line.indexOf(QLatin1Char(' '));
        const QString word = (blank < 0 ? line : line.left(blank)).toString().toLower();
        if (!word.isEmpty() && !ranks.m_ranks.contains(word))
            ranks.m_ranks.insert(word, next++);
    }
    return ranks;
}

const WordRanks &WordRanks::forLanguage(const QString &language)
{
    static std::mutex guard;
    static std::map<QString, WordRanks> lists;
    const std::lock_guard<std::mutex> lock(guard);
    const auto found = lists.find(language);
    if (found != lists.end())
        return found->second;
    QFile file(QStringLiteral(":/word_frequency/%1.txt").arg(language));
    WordRanks ranks;
    if (file.open(QIODevice::ReadOnly))
        ranks = fromText(QString::fromUtf8(file.readAll()));
    return lists.emplace(language, std::move(ranks)).first->second;
}

int WordRanks::rank(const QString &word) const
{
    return m_ranks.value(word.toLower());
}

int WordRanks::phraseRank(const QString &phrase) const
{
    const QStringList words = wordsOf(phrase);
    if (words.isEmpty())
        return 0;
    int rarest = 0;
    for (const QString &word : words) {
        const int r = rank(word);
        if (r == 0)
            return 0;
        rarest = std::max(rarest, r);
    }
    return rarest;
}

} // namespace vorbix::import
