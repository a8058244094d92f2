#pragma once

#include <QAbstractTableModel>
#include <QPalette>
#include <QString>
#include <optional>
#include <vector>

namespace lostrand {

// The cells of a FlexGrid. The grid's own counts and texts change at once; the views hear of
// them only when publish() is called, in one notice for all the rows added and one for all the
// cells changed since the last publish. A listing can then write thousands of rows one at a
// time at the cost of the rows themselves, and the screen catches up at the pace it is
// painted.
class FlexGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit FlexGridModel(QObject* parent = nullptr);

    // The grid's counts; rowCount() and columnCount() are what the views have been told.
    int rows() const { return static_cast<int>(m_cells.size()); }
    int cols() const { return m_cols; }
    void setRows(int rows);
    void setCols(int cols);
    void setFixed(int rows, int cols);
    int fixedRows() const { return m_fixedRows; }
    int fixedCols() const { return m_fixedCols; }

    QString text(int row, int col) const;
    void setText(int row, int col, const QString& text);
    // Every cell from `firstRow` down emptied.
    void clearTexts(int firstRow = 0);

    void setColAlignment(int col, Qt::Alignment alignment);
    std::optional<Qt::Alignment> colAlignment(int col) const;
    void setPalette(const QPalette& palette);

    // Tells the views what changed since the last time.
    void publish();
    bool hasUnpublished() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    bool isFixed(int row, int col) const { return row < m_fixedRows || col < m_fixedCols; }
    void checkCell(int row, int col) const;
    void markChanged(int first, int last);
    Qt::Alignment alignmentOf(int row, int col) const;
    // A change of columns, which the views hear of at once.
    void resetViews();

    std::vector<std::vector<QString>> m_cells;
    int m_cols = 0;
    int m_fixedRows = 0;
    int m_fixedCols = 0;
    std::vector<std::optional<Qt::Alignment>> m_alignment;
    QPalette m_palette;
    int m_shownRows = 0;
    // Rows among the shown ones whose cells changed unseen: [m_changedFirst, m_changedLast].
    int m_changedFirst = -1;
    int m_changedLast = -1;
};

} // namespace lostrand
