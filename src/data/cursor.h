#pragma once

#include "data/criteria.h"

#include <QString>

#include <memory>
#include <optional>

namespace vorbix {

class WordStore;
class WordTable;
struct LanguagePair;

// A position over one shared word table, with the NoMatch flag of the last
// search. It opens on the first record. The table is loaded on first use; a
// table that cannot be loaded makes every operation throw RecordError.
// refresh() picks up a table that vorbix-import replaced since.
//
// Moving past the last record (or before the first) leaves the cursor on no
// record, where reading a field fails, as does any move on an empty table.
// A search that finds nothing sets NoMatch and leaves the cursor where it was.
class Cursor
{
public:
    Cursor(WordStore &store, QString filePath, const LanguagePair &pair);

    // Reads the table again when its file's tables were replaced since it
    // was loaded; the cursor then stands on the first record.
    void refresh();

    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();
    // The same as that many single steps, in one jump; zero or fewer steps
    // do nothing.
    void moveNext(int times);
    void movePrevious(int times);
    void findFirst(const Criterion &criterion);
    void findLast(const Criterion &criterion);
    bool noMatch() const { return m_noMatch; }
    // The cursor stands on the table's last record (false on no record).
    bool isOnLastRecord();

    // Fields of the current record. A missing (NULL) word reads as nullopt.
    int index();
    std::optional<QString> source();
    std::optional<QString> target();

    const LanguagePair &pair() const { return m_pair; }

private:
    const WordTable &table();
    void requireRecord();

    WordStore &m_store;
    QString m_filePath;
    const LanguagePair &m_pair;
    std::shared_ptr<const WordTable> m_table;
    int m_row = 0; // -1 before the first record, size() after the last
    bool m_noMatch = false;
};

} // namespace vorbix
