#include "data/import/foreign_list.h"

#include "data/import/freedict_import.h"
#include "data/record_error.h"

namespace vorbix::import {

void EntryCollector::add(const ForeignEntry &entry)
{
    const QString word = entry.word.simplified();
    const QString translation = entry.translation.simplified();
    if (word.isEmpty() && translation.isEmpty())
        return;
    const auto refuse = [&](const QString &reason) { m_list.refuse({entry.line, reason, entry.column}); };
    if (word.isEmpty()) {
        refuse(QStringLiteral("a translation (\"%1\") without a word").arg(translation.left(40)));
        return;
    }
    if (word.size() > kMaxTranslationLength || translation.size() > kMaxTranslationLength) {
        refuse(QStringLiteral("\"%1\": a text longer than %2 characters").arg(word.left(40)).arg(kMaxTranslationLength));
        return;
    }
    auto found = m_rowOfWord.constFind(word);
    if (found == m_rowOfWord.cend()) {
        if (m_rows.size() == schema::kMaxRows) {
            throw RecordError(QStringLiteral("more than %1 words; a table holds at most %1. Nothing written.")
                                  .arg(schema::kMaxRows));
        }
        found = m_rowOfWord.insert(word, m_rows.size());
        m_list.rows.append({word, std::nullopt});
        m_rows.append(Row());
    }
    Row &row = m_rows[*found];
    if (translation.isEmpty() || row.kept.contains(translation))
        return;
    // As joinTranslations does: one that does not fit is left out, a
    // shorter one after it may still fit.
    const qsizetype added = (row.joined.isEmpty() ? 0 : 2) + translation.size();
    if (row.joined.size() + added > kMaxTranslationLength) {
        row.shortened = true;
        return;
    }
    if (!row.joined.isEmpty())
        row.joined += QLatin1String(", ");
    row.joined += translation;
    row.kept.insert(translation);
}

WordList EntryCollector::finish()
{
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i).shortened) {
            m_list.notes.append(QStringLiteral("\"%1\": translations beyond %2 characters left out")
                                    .arg(m_list.rows.at(i).source)
                                    .arg(kMaxTranslationLength));
        }
        if (!m_rows.at(i).joined.isEmpty())
            m_list.rows[i].target = m_rows.at(i).joined;
    }
    m_list.wordCount = m_list.rows.size();
    std::stable_sort(m_list.refused.begin(), m_list.refused.end(),
                     [](const RefusedLine &a, const RefusedLine &b) { return a.line < b.line; });
    m_rows.clear();
    m_rowOfWord.clear();
    return std::move(m_list);
}

} // namespace vorbix::import
