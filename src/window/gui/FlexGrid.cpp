#include "window/gui/FlexGrid.h"

#include <QHeaderView>
#include <QPalette>

namespace lostrand {

namespace {
Qt::Alignment generalAlignment(const QString& text)
{
    bool number = false;
    text.trimmed().toDouble(&number);
    return (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}
} // namespace

FlexGrid::FlexGrid(QWidget* parent) : QTableWidget(parent)
{
    // The fixed row and column are cells of the grid itself, so Qt's own headers stay hidden.
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
}

void FlexGrid::clearTexts()
{
    for (int row = 0; row < rowCount(); ++row) {
        for (int col = 0; col < columnCount(); ++col)
            cell(row, col).setText(QString());
    }
}

void FlexGrid::setRows(int rows)
{
    setRowCount(rows);
    restyle();
}

void FlexGrid::setCols(int cols)
{
    setColumnCount(cols);
    m_widthTwips.resize(static_cast<size_t>(cols), -1);
    m_alignment.resize(static_cast<size_t>(cols));
    restyle();
}

void FlexGrid::setFixedRows(int rows)
{
    m_fixedRows = rows;
    restyle();
}

void FlexGrid::setFixedCols(int cols)
{
    m_fixedCols = cols;
    restyle();
}

QString FlexGrid::textMatrix(int row, int col) const
{
    const QTableWidgetItem* it = item(row, col);
    return it ? it->text() : QString();
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text)
{
    QTableWidgetItem& it = cell(row, col);
    it.setText(text);
    styleItem(it, row, col);
}

void FlexGrid::setColWidthTwips(int col, int twips)
{
    m_widthTwips.at(static_cast<size_t>(col)) = twips;
    setColumnWidth(col, qRound(static_cast<double>(twips) / TwipsPerPixel));
}

int FlexGrid::colWidthTwips(int col) const
{
    const int twips = m_widthTwips.at(static_cast<size_t>(col));
    return twips >= 0 ? twips : columnWidth(col) * TwipsPerPixel;
}

void FlexGrid::setColAlignment(int col, Qt::Alignment alignment)
{
    m_alignment.at(static_cast<size_t>(col)) = alignment;
    restyle();
}

std::optional<Qt::Alignment> FlexGrid::colAlignment(int col) const
{
    return m_alignment.at(static_cast<size_t>(col));
}

void FlexGrid::restyle()
{
    for (int row = 0; row < rowCount(); ++row) {
        for (int col = 0; col < columnCount(); ++col)
            styleItem(cell(row, col), row, col);
    }
}

void FlexGrid::styleItem(QTableWidgetItem& it, int row, int col) const
{
    const bool fixed = isFixed(row, col);
    it.setFlags(fixed ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    it.setBackground(fixed ? palette().button() : palette().base());
    it.setForeground(fixed ? palette().buttonText() : palette().text());
    const auto index = static_cast<size_t>(col);
    const bool given = !fixed && index < m_alignment.size() && m_alignment[index];
    it.setTextAlignment(given ? *m_alignment[index] : generalAlignment(it.text()));
}

QTableWidgetItem& FlexGrid::cell(int row, int col)
{
    QTableWidgetItem* it = item(row, col);
    if (!it) {
        it = new QTableWidgetItem;
        styleItem(*it, row, col);
        setItem(row, col, it);
    }
    return *it;
}

} // namespace lostrand
