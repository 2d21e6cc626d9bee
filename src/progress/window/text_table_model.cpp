#include "progress/window/text_table_model.h"

namespace vorbix {

TextTableModel::TextTableModel(QStringList headers, QObject *parent)
    : QAbstractTableModel(parent)
    , m_headers(std::move(headers))
{
}

void TextTableModel::setRows(QVector<QStringList> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int TextTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int TextTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_headers.size());
}

QVariant TextTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const QStringList &row = m_rows[index.row()];
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return index.column() < row.size() ? row[index.column()] : QString();
    if (role == Qt::TextAlignmentRole && m_numeric.contains(index.column()))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section < m_headers.size() ? m_headers[section] : QVariant();
    return section + 1;
}

} // namespace vorbix
