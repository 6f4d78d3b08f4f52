#include "battery_window/figure_table.h"

#include <algorithm>

namespace battery {

void FigureTable::setHeader(const QStringList &captions, const QStringList &tips, std::vector<bool> rightAligned)
{
    // Every edit fills the table anew; a header said to have changed makes
    // the view measure every caption again.
    if (captions == m_captions && tips == m_tips && rightAligned == m_right)
        return;
    const bool wider = captions.size() != m_captions.size();
    if (wider)
        beginResetModel();
    m_captions = captions;
    m_tips = tips;
    m_right = std::move(rightAligned);
    if (wider)
        endResetModel();
    else
        emit headerDataChanged(Qt::Horizontal, 0, int(m_captions.size()) - 1);
}

void FigureTable::setRows(std::vector<std::vector<FigureCell>> rows)
{
    // Same number of rows: the views keep their selection and scroll, and
    // repaint only the rows whose cells changed.
    if (rows.size() == m_rows.size()) {
        const auto same = [](const std::vector<FigureCell> &a, const std::vector<FigureCell> &b) {
            return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const FigureCell &x, const FigureCell &y) {
                return x.text == y.text && x.tip == y.tip && x.item == y.item && x.index == y.index;
            });
        };
        int first = -1, last = -1;
        for (std::size_t row = 0; row < rows.size(); ++row) {
            if (same(rows[row], m_rows[row]))
                continue;
            if (first < 0)
                first = int(row);
            last = int(row);
        }
        m_rows = std::move(rows);
        if (first >= 0)
            emit dataChanged(index(first, 0), index(last, columnCount() - 1));
        return;
    }
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

const FigureCell *FigureTable::cell(int row, int column) const
{
    if (row < 0 || row >= int(m_rows.size()) || column < 0 || column >= int(m_rows[std::size_t(row)].size()))
        return nullptr;
    return &m_rows[std::size_t(row)][std::size_t(column)];
}

int FigureTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int FigureTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_captions.size());
}

QVariant FigureTable::data(const QModelIndex &index, int role) const
{
    const FigureCell *found = cell(index.row(), index.column());
    if (!found)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return found->text;
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        return found->tip.isEmpty() ? QVariant() : found->tip;
    case Qt::TextAlignmentRole: {
        const bool right = std::size_t(index.column()) < m_right.size() && m_right[std::size_t(index.column())];
        return QVariant::fromValue(Qt::AlignVCenter | (right ? Qt::AlignRight : Qt::AlignLeft));
    }
    default:
        return {};
    }
}

QVariant FigureTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    if (section < 0 || section >= m_captions.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_captions[section];
    if (role == Qt::ToolTipRole && section < m_tips.size() && !m_tips[section].isEmpty())
        return m_tips[section];
    return {};
}

} // namespace battery
