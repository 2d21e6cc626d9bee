#include "data/import/english_word_uses.h"

#include <array>
#include <cstring>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vorbix::import {

namespace {

constexpr std::size_t kMostWords = 4;

// The words of one synonym, lowercased, without its tags, notes and markers;
// `count` is kMostWords + 1 for a synonym of more words. Bytes, not
// characters: the words looked for are plain English ones, and the scan
// passes over every line of the file.
struct SynonymWords
{
    std::array<std::string, kMostWords + 1> words;
    std::size_t count = 0;

    void read(std::string_view synonym)
    {
        count = 0;
        std::string word;
        int depth = 0;
        const auto close = [this, &word] {
            if (!word.empty() && !isMarker(word) && count <= kMostWords)
                words[count++] = word;
            word.clear();
        };
        for (const char c : synonym) {
            if (c == '(' || c == '[' || c == '{') {
                ++depth;
            } else if (c == ')' || c == ']' || c == '}') {
                if (depth > 0)
                    --depth;
            } else if (depth == 0) {
                if (c == ' ')
                    close();
                else
                    word.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
            }
        }
        close();
    }

    static bool isMarker(std::string_view word)
    {
        return word == "sb." || word == "sth." || word == "sb./sth." || word == "sth./sb." || word == "so."
               || word == "<>";
    }
};

// Words after which another is a verb, not a noun: "to", modals, "not" and
// personal pronouns.
bool precedesVerb(std::string_view word)
{
    for (const std::string_view before : {"to", "will", "can", "not", "i", "you", "he", "she", "we", "they", "it"}) {
        if (word == before)
            return true;
    }
    return false;
}

// Calls `onPart` with each part of `text` between the separators `separator`.
template<typename OnPart>
void forEachPart(std::string_view text, std::string_view separator, OnPart onPart)
{
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        onPart(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            return;
        start = end + separator.size();
    }
}

} // namespace

QHash<QString, EnglishWordUses> englishWordUsesInTrans(const QByteArray &text, const QSet<QString> &words)
{
    QHash<QString, EnglishWordUses> uses;
    if (words.isEmpty())
        return uses;
    std::unordered_map<std::string, EnglishWordUses> counts;
    for (const QString &word : words)
        counts.emplace(word.toUtf8().toStdString(), EnglishWordUses{});
    const auto count = [&counts](const std::string &word) -> EnglishWordUses * {
        const auto found = counts.find(word);
        return found == counts.end() ? nullptr : &found->second;
    };
    SynonymWords synonym;
    const char *data = text.constData();
    const std::size_t size = static_cast<std::size_t>(text.size());
    std::size_t lineStart = 0;
    while (lineStart < size) {
        const char *newline = static_cast<const char *>(std::memchr(data + lineStart, '\n', size - lineStart));
        const std::size_t lineEnd = newline ? static_cast<std::size_t>(newline - data) : size;
        const std::string_view line(data + lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        const std::size_t separator = line.find(" :: ");
        if (line.empty() || line.front() == '#' || separator == std::string_view::npos)
            continue;
        forEachPart(line.substr(separator + 4), " | ", [&](std::string_view section) {
            forEachPart(section, "; ", [&](std::string_view raw) {
                synonym.read(raw);
                if (synonym.count == 0 || synonym.count > kMostWords)
                    return;
                const char last = synonym.words[synonym.count - 1].back();
                if (last == '.' || last == '?' || last == '!')
                    return;
                std::size_t rest = 0;
                if (synonym.count > 1 && synonym.words[0] == "to") {
                    if (EnglishWordUses *found = count(synonym.words[1]))
                        ++found->verb;
                    rest = 2;
                }
                for (std::size_t i = rest; i < synonym.count; ++i) {
                    if (i > rest && precedesVerb(synonym.words[i - 1]))
                        continue;
                    if (EnglishWordUses *found = count(synonym.words[i]))
                        ++found->other;
                }
            });
        });
    }
    for (const auto &[word, found] : counts) {
        if (found.verb > 0 || found.other > 0)
            uses.insert(QString::fromStdString(word), found);
    }
    return uses;
}

} // namespace vorbix::import
