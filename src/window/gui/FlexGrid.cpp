#include "window/gui/FlexGrid.h"

#include "window/gui/FlexGridModel.h"

#include <QEvent>
#include <QHeaderView>

namespace lostrand {

FlexGrid::FlexGrid(QWidget* parent) : QTableView(parent), m_model(new FlexGridModel(this))
{
    m_model->setPalette(palette());
    setModel(m_model);
    // The fixed row and column are cells of the grid itself, so Qt's own headers stay hidden.
    horizontalHeader()->hide();
    verticalHeader()->hide();
    // Rows keep one height, so a new row never makes the view measure the others.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
}

void FlexGrid::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        m_model->setPalette(palette());
    QTableView::changeEvent(event);
}

void FlexGrid::clearTexts()
{
    m_model->clearTexts();
}

void FlexGrid::clearDataTexts()
{
    m_model->clearTexts(m_model->fixedRows());
}

int FlexGrid::rowCount() const
{
    return m_model->rows();
}

int FlexGrid::columnCount() const
{
    return m_model->cols();
}

void FlexGrid::setRows(int rows)
{
    m_model->setRows(rows);
}

void FlexGrid::setCols(int cols)
{
    m_model->setCols(cols);
    m_widthTwips.resize(static_cast<size_t>(cols), -1);
    // The views were told of the new columns at once: give them their widths again.
    for (int col = 0; col < cols; ++col) {
        if (m_widthTwips[static_cast<size_t>(col)] >= 0)
            setColWidthTwips(col, m_widthTwips[static_cast<size_t>(col)]);
    }
}

void FlexGrid::setFixedRows(int rows)
{
    m_model->setFixed(rows, m_model->fixedCols());
}

void FlexGrid::setFixedCols(int cols)
{
    m_model->setFixed(m_model->fixedRows(), cols);
}

int FlexGrid::fixedRows() const
{
    return m_model->fixedRows();
}

int FlexGrid::fixedCols() const
{
    return m_model->fixedCols();
}

QString FlexGrid::textMatrix(int row, int col) const
{
    return m_model->text(row, col);
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text)
{
    m_model->setText(row, col, text);
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
    m_model->setColAlignment(col, alignment);
}

std::optional<Qt::Alignment> FlexGrid::colAlignment(int col) const
{
    return m_model->colAlignment(col);
}

void FlexGrid::publish()
{
    m_model->publish();
}

bool FlexGrid::hasUnpublished() const
{
    return m_model->hasUnpublished();
}

} // namespace lostrand
