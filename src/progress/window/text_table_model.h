#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

namespace vorbix {

// Rows of plain texts under column headers, for the read-only tables of the
// Progress window. A view asks only for the rows it shows, so a long list of
// due words costs no more to open than a short one.
class TextTableModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit TextTableModel(QStringList headers, QObject *parent = nullptr);

    // Replaces every row; each row has one text per header. Columns listed
    // in `numeric` are aligned right.
    void setRows(QVector<QStringList> rows);
    void setNumericColumns(QList<int> columns) { m_numeric = std::move(columns); }
    bool isNumeric(int column) const { return m_numeric.contains(column); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList m_headers;
    QVector<QStringList> m_rows;
    QList<int> m_numeric;
};

} // namespace vorbix
