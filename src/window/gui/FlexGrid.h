#pragma once

#include <QTableWidget>
#include <optional>
#include <vector>

namespace lostrand {

// A grid in the manner of the classic flex grid: row and column counts that include the fixed
// heading rows and columns, texts addressed by (row, column), widths in twips, and an
// alignment per column for its cells outside the fixed ones. Until a column is given one it
// aligns in the general way: numbers right, other texts left. Nothing in it is editable.
class FlexGrid : public QTableWidget
{
    Q_OBJECT

public:
    static constexpr int TwipsPerPixel = 15;

    explicit FlexGrid(QWidget* parent = nullptr);

    // Every cell's text emptied; sizes, widths and alignments stay.
    void clearTexts();
    void setRows(int rows);
    void setCols(int cols);
    void setFixedRows(int rows);
    void setFixedCols(int cols);
    int fixedRows() const { return m_fixedRows; }
    int fixedCols() const { return m_fixedCols; }

    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);

    void setColWidthTwips(int col, int twips);
    int colWidthTwips(int col) const;
    void setColAlignment(int col, Qt::Alignment alignment);
    // Empty while the column aligns in the general way.
    std::optional<Qt::Alignment> colAlignment(int col) const;
    // The control's own width.
    int widthTwips() const { return width() * TwipsPerPixel; }

private:
    bool isFixed(int row, int col) const { return row < m_fixedRows || col < m_fixedCols; }
    void restyle();
    void styleItem(QTableWidgetItem& item, int row, int col) const;
    QTableWidgetItem& cell(int row, int col);

    int m_fixedRows = 0;
    int m_fixedCols = 0;
    std::vector<int> m_widthTwips;
    std::vector<std::optional<Qt::Alignment>> m_alignment;
};

} // namespace lostrand
