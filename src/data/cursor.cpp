#include "data/cursor.h"

#include "data/language_pairs.h"
#include "data/record_error.h"
#include "data/word_store.h"
#include "data/word_table.h"

namespace vorbix {

Cursor::Cursor(WordStore &store, QString filePath, const LanguagePair &pair)
    : m_store(store)
    , m_filePath(std::move(filePath))
    , m_pair(pair)
{
}

const WordTable &Cursor::table()
{
    if (!m_table) {
        m_table = m_store.table(m_filePath, m_pair);
        m_row = 0;
    }
    return *m_table;
}

void Cursor::refresh()
{
    auto fresh = m_store.freshTable(m_filePath, m_pair);
    if (fresh != m_table) {
        m_table = std::move(fresh);
        m_row = 0;
    }
}

void Cursor::requireRecord()
{
    const WordTable &t = table();
    if (t.size() == 0) {
        // A table emptied on purpose (vorbix-import --allow-empty) stays
        // empty until words are imported: said once, in the user's words.
        throw RecordError(QStringLiteral("The %1 table in %2 holds no words. Import words into it with vorbix-import "
                                         "(for example \"vorbix-import tsv %1 words.tsv --replace\"), or choose "
                                         "another pair.")
                              .arg(QLatin1String(m_pair.caption), m_filePath),
                          QStringLiteral("empty table %1|%2").arg(m_filePath, QLatin1String(m_pair.tableCode)));
    }
    if (m_row < 0 || m_row >= t.size()) {
        throw RecordError(QStringLiteral("Table %1 in %2: there is no current record.")
                              .arg(QLatin1String(m_pair.tableCode), m_filePath));
    }
}

void Cursor::moveFirst()
{
    m_row = 0;
    requireRecord();
}

void Cursor::moveLast()
{
    m_row = table().size() - 1;
    requireRecord();
}

void Cursor::moveNext()
{
    requireRecord();
    ++m_row;
}

void Cursor::movePrevious()
{
    requireRecord();
    --m_row;
}

void Cursor::moveNext(int times)
{
    if (times <= 0)
        return;
    requireRecord();
    const int size = m_table->size();
    if (m_row + times > size) {
        // The steps run off the end: the last one finds no current record.
        m_row = size;
        requireRecord();
    }
    m_row += times;
}

void Cursor::movePrevious(int times)
{
    if (times <= 0)
        return;
    requireRecord();
    if (m_row - times < -1) {
        m_row = -1;
        requireRecord();
    }
    m_row -= times;
}

void Cursor::findFirst(const Criterion &criterion)
{
    const int row = table().findFirst(criterion);
    m_noMatch = row < 0;
    if (row >= 0)
        m_row = row;
}

void Cursor::findLast(const Criterion &criterion)
{
    const int row = table().findLast(criterion);
    m_noMatch = row < 0;
    if (row >= 0)
        m_row = row;
}

bool Cursor::isOnLastRecord()
{
    return m_row == table().size() - 1;
}

int Cursor::index()
{
    requireRecord();
    return m_table->index(m_row);
}

std::optional<QString> Cursor::source()
{
    requireRecord();
    return m_table->source(m_row);
}

std::optional<QString> Cursor::target()
{
    requireRecord();
    return m_table->target(m_row);
}

} // namespace vorbix
