#include "window/gui/FlexGridModel.h"

#include <QBrush>
#include <algorithm>
#include <stdexcept>

namespace lostrand {

namespace {

// The grid's general alignment: numbers right, other texts left.
Qt::Alignment generalAlignment(const QString& text)
{
    bool number = false;
    text.trimmed().toDouble(&number);
    return (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

} // namespace

FlexGridModel::FlexGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void FlexGridModel::setRows(int rows)
{
    if (rows < 0)
        throw std::out_of_range("a grid cannot have fewer than no rows");
    m_cells.resize(static_cast<size_t>(rows), std::vector<QString>(static_cast<size_t>(m_cols)));
}

void FlexGridModel::setCols(int cols)
{
    if (cols < 0)
        throw std::out_of_range("a grid cannot have fewer than no columns");
    m_cols = cols;
    for (auto& row : m_cells)
        row.resize(static_cast<size_t>(cols));
    m_alignment.resize(static_cast<size_t>(cols));
    resetViews();
}

void FlexGridModel::setFixed(int rows, int cols)
{
    m_fixedRows = rows;
    m_fixedCols = cols;
    markChanged(0, this->rows() - 1);
}

void FlexGridModel::checkCell(int row, int col) const
{
    if (row < 0 || row >= rows() || col < 0 || col >= m_cols)
        throw std::out_of_range("no such cell in the grid");
}

QString FlexGridModel::text(int row, int col) const
{
    checkCell(row, col);
    return m_cells[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void FlexGridModel::setText(int row, int col, const QString& text)
{
    checkCell(row, col);
    m_cells[static_cast<size_t>(row)][static_cast<size_t>(col)] = text;
    markChanged(row, row);
}

void FlexGridModel::clearTexts(int firstRow)
{
    for (int row = std::max(0, firstRow); row < rows(); ++row)
        std::fill(m_cells[static_cast<size_t>(row)].begin(),
                  m_cells[static_cast<size_t>(row)].end(), QString());
    if (firstRow < rows())
        markChanged(std::max(0, firstRow), rows() - 1);
}

void FlexGridModel::markChanged(int first, int last)
{
    last = std::min(last, m_shownRows - 1);
    if (first > last)
        return; // rows the views have not been told of yet come with their texts
    m_changedFirst = m_changedFirst < 0 ? first : std::min(m_changedFirst, first);
    m_changedLast = std::max(m_changedLast, last);
}

void FlexGridModel::setColAlignment(int col, Qt::Alignment alignment)
{
    m_alignment.at(static_cast<size_t>(col)) = alignment;
    markChanged(0, rows() - 1);
}

std::optional<Qt::Alignment> FlexGridModel::colAlignment(int col) const
{
    return m_alignment.at(static_cast<size_t>(col));
}

void FlexGridModel::setPalette(const QPalette& palette)
{
    m_palette = palette;
    markChanged(0, rows() - 1);
}

bool FlexGridModel::hasUnpublished() const
{
    return m_shownRows != rows() || m_changedFirst >= 0;
}

void FlexGridModel::publish()
{
    if (m_changedFirst >= 0 && m_cols > 0) {
        const int first = m_changedFirst;
        const int last = std::min(m_changedLast, std::min(m_shownRows, rows()) - 1);
        m_changedFirst = m_changedLast = -1;
        if (first <= last)
            emit dataChanged(index(first, 0), index(last, m_cols - 1));
    }
    if (rows() > m_shownRows) {
        beginInsertRows({}, m_shownRows, rows() - 1);
        m_shownRows = rows();
        endInsertRows();
    } else if (rows() < m_shownRows) {
        beginRemoveRows({}, rows(), m_shownRows - 1);
        m_shownRows = rows();
        endRemoveRows();
    }
}

void FlexGridModel::resetViews()
{
    beginResetModel();
    m_shownRows = rows();
    m_changedFirst = m_changedLast = -1;
    endResetModel();
}

int FlexGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_shownRows;
}

int FlexGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_cols;
}

Qt::Alignment FlexGridModel::alignmentOf(int row, int col) const
{
    const auto& given = m_alignment[static_cast<size_t>(col)];
    if (!isFixed(row, col) && given)
        return *given;
    return generalAlignment(m_cells[static_cast<size_t>(row)][static_cast<size_t>(col)]);
}

QVariant FlexGridModel::data(const QModelIndex& index, int role) const
{
    const int row = index.row();
    const int col = index.column();
    // A view may ask of a row removed since it was last told.
    if (!index.isValid() || row >= rows() || col >= m_cols)
        return {};
    const bool fixed = isFixed(row, col);
    switch (role) {
    case Qt::DisplayRole:
        return m_cells[static_cast<size_t>(row)][static_cast<size_t>(col)];
    case Qt::TextAlignmentRole:
        return int(alignmentOf(row, col));
    case Qt::BackgroundRole:
        return fixed ? m_palette.button() : m_palette.base();
    case Qt::ForegroundRole:
        return fixed ? m_palette.buttonText() : m_palette.text();
    default:
        return {};
    }
}

Qt::ItemFlags FlexGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return isFixed(index.row(), index.column()) ? Qt::ItemIsEnabled
                                                : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace lostrand
