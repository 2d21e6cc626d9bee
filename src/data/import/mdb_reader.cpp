#include "data/import/mdb_reader.h"

#include "data/record_error.h"

#include <QFile>
#include <QFileInfo>

#include <mdbtools.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace vorbix::import {

namespace {

struct HandleCloser
{
    void operator()(MdbHandle *handle) const { mdb_close(handle); }
};
struct TableFree
{
    void operator()(MdbTableDef *table) const { mdb_free_tabledef(table); }
};
using Handle = std::unique_ptr<MdbHandle, HandleCloser>;
using Table = std::unique_ptr<MdbTableDef, TableFree>;

// A table's columns bound to text buffers; libmdb converts every value,
// numbers included, to UTF-8 text.
class BoundTable
{
public:
    BoundTable(MdbHandle *mdb, const QString &path, const char *name, const std::vector<const char *> &columns)
        : m_path(path)
        , m_name(QLatin1String(name))
    {
        MdbCatalogEntry *entry = mdb_get_catalogentry_by_name(mdb, name);
        if (!entry || entry->object_type != MDB_TABLE)
            throw RecordError(QStringLiteral("%1 has no table %2").arg(path, m_name));
        m_table.reset(mdb_read_table(entry));
        if (!m_table || !mdb_read_columns(m_table.get()))
            throw RecordError(QStringLiteral("%1: the table %2 cannot be read").arg(path, m_name));
        m_buffers.resize(columns.size());
        m_lengths.resize(columns.size());
        for (size_t i = 0; i < columns.size(); ++i) {
            m_buffers[i].assign(MDB_BIND_SIZE, '\0');
            std::string column(columns[i]);
            if (mdb_bind_column_by_name(m_table.get(), column.data(), m_buffers[i].data(), &m_lengths[i]) < 0) {
                throw RecordError(QStringLiteral("%1: the table %2 has no field %3")
                                      .arg(path, m_name, QLatin1String(columns[i])));
            }
        }
        mdb_rewind_table(m_table.get());
    }

    bool next()
    {
        if (!mdb_fetch_row(m_table.get()))
            return false;
        ++m_fetched;
        return true;
    }

    // After the last row: a file whose data pages are missing (a copy cut
    // short) yields fewer rows than its table definition lists.
    void requireAllRowsRead() const
    {
        if (m_fetched != m_table->num_rows) {
            throw RecordError(QStringLiteral("%1, table %2: %3 of the %4 records it lists could be read; "
                                             "the file is damaged or incomplete")
                                  .arg(m_path, m_name)
                                  .arg(m_fetched)
                                  .arg(m_table->num_rows));
        }
    }

    // A field of the current row; a NULL (or empty text) is nothing.
    std::optional<QString> value(size_t column) const
    {
        if (m_lengths[column] <= 0)
            return std::nullopt;
        return QString::fromUtf8(m_buffers[column].data());
    }

    const QString &name() const { return m_name; }

private:
    QString m_path;
    QString m_name;
    Table m_table;
    std::vector<std::vector<char>> m_buffers;
    std::vector<int> m_lengths;
    unsigned int m_fetched = 0;
};

QVector<WordRow> readWordTable(MdbHandle *mdb, const QString &path, const LanguagePair &pair)
{
    BoundTable table(mdb, path, pair.tableCode, {"Index", pair.sourceField, pair.targetField});
    QVector<WordRow> rows;
    while (table.next()) {
        const std::optional<QString> index = table.value(0);
        bool ok = false;
        const int number = index ? index->toInt(&ok) : 0;
        if (!ok) {
            throw RecordError(QStringLiteral("%1, table %2: a record has no Index number (after Index %3)")
                                  .arg(path, table.name())
                                  .arg(rows.isEmpty() ? 0 : rows.last().index));
        }
        rows.append({number, table.value(1), table.value(2)});
        if (rows.size() > schema::kMaxRows) {
            throw RecordError(QStringLiteral("%1, table %2: more than %3 records")
                                  .arg(path, table.name())
                                  .arg(schema::kMaxRows));
        }
    }
    table.requireAllRowsRead();
    // Order by Index through a list of positions: the rows stay where they
    // are until they are moved into place once.
    std::vector<std::pair<int, qsizetype>> order;
    order.reserve(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i)
        order.emplace_back(rows.at(i).index, i);
    std::sort(order.begin(), order.end());
    QVector<WordRow> sorted;
    sorted.reserve(rows.size());
    for (const auto &[index, position] : order)
        sorted.append(std::move(rows[position]));
    rows = std::move(sorted);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (rows.at(i).index != i + 1) {
            const bool repeated = i > 0 && rows.at(i).index == rows.at(i - 1).index;
            throw RecordError(QStringLiteral("%1, table %2: the Index numbers must run 1..%3 without gaps; %4 %5")
                                  .arg(path, table.name())
                                  .arg(rows.size())
                                  .arg(repeated ? QStringLiteral("repeated:") : QStringLiteral("missing:"))
                                  .arg(repeated ? rows.at(i).index : static_cast<int>(i + 1)));
        }
    }
    return rows;
}

} // namespace

AccessDatabase readAccessFile(const QString &path)
{
    if (!QFileInfo(path).isFile())
        throw RecordError(QStringLiteral("The Access file %1 does not exist.").arg(path));
    Handle mdb(mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS));
    // A damaged or truncated file often opens and shows an empty catalogue,
    // so the tables are looked up one by one below.
    if (!mdb || !mdb_read_catalog(mdb.get(), MDB_TABLE))
        throw RecordError(QStringLiteral("%1 is not an Access file that can be read.").arg(path));
    if (QFileInfo(path).size() % mdb->fmt->pg_size != 0) {
        throw RecordError(QStringLiteral("%1 is not a whole number of %2-byte pages; the copy is incomplete.")
                              .arg(path)
                              .arg(mdb->fmt->pg_size));
    }

    AccessDatabase database;
    for (int i = 0; i < kPairCount; ++i)
        database.tables[i] = readWordTable(mdb.get(), path, kLanguagePairs[i]);

    BoundTable settings(mdb.get(), path, schema::kSettingsTable, {schema::kCurrentField, schema::kCountField});
    // The first record is the settings record; any others are read only so
    // that a table cut short is noticed.
    for (bool first = true; settings.next(); first = false) {
        if (first) {
            database.current = settings.value(0).value_or(QString());
            database.count = settings.value(1).value_or(QString()).toInt();
        }
    }
    settings.requireAllRowsRead();
    return database;
}

} // namespace vorbix::import
