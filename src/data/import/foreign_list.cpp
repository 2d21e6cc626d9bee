#include "data/import/foreign_list.h"

#include "data/import/freedict_import.h"

#include <QHash>
#include <QSet>

namespace vorbix::import {

WordList collectEntries(const QVector<ForeignEntry> &entries)
{
    WordList list;
    QVector<QStringList> translations;  // per row, in file order
    QVector<QSet<QString>> known;        // per row, the same as a set: a word may have thousands
    QHash<QString, qsizetype> rowOfWord;
    for (const ForeignEntry &entry : entries) {
        const QString word = entry.word.simplified();
        const QString translation = entry.translation.simplified();
        if (word.isEmpty() && translation.isEmpty())
            continue;
        const auto refuse = [&](const QString &reason) { list.refused.append({entry.line, reason, entry.column}); };
        if (word.isEmpty()) {
            refuse(QStringLiteral("a translation (\"%1\") without a word").arg(translation.left(40)));
            continue;
        }
        if (word.size() > kMaxTranslationLength || translation.size() > kMaxTranslationLength) {
            refuse(QStringLiteral("\"%1\": a text longer than %2 characters")
                       .arg(word.left(40))
                       .arg(kMaxTranslationLength));
            continue;
        }
        auto found = rowOfWord.constFind(word);
        if (found == rowOfWord.cend()) {
            found = rowOfWord.insert(word, list.rows.size());
            list.rows.append({word, std::nullopt});
            translations.append(QStringList());
            known.append(QSet<QString>());
        }
        if (!translation.isEmpty() && !known[*found].contains(translation)) {
            known[*found].insert(translation);
            translations[*found].append(translation);
        }
    }
    for (qsizetype i = 0; i < list.rows.size(); ++i) {
        bool shortened = false;
        const QString joined = joinTranslations(translations.at(i), shortened);
        if (shortened) {
            list.notes.append(QStringLiteral("\"%1\": translations beyond %2 characters left out")
                                  .arg(list.rows.at(i).source)
                                  .arg(kMaxTranslationLength));
        }
        if (!joined.isEmpty())
            list.rows[i].target = joined;
    }
    return list;
}

} // namespace vorbix::import
