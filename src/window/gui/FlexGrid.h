#pragma once

#include <QTableView>
#include <optional>
#include <vector>

namespace lostrand {

class FlexGridModel;

// A grid in the manner of the classic flex grid: row and column counts that include the fixed
// heading rows and columns, texts addressed by (row, column), widths in twips, and an
// alignment per column for its cells outside the fixed ones. Until a column is given one it
// aligns in the general way: numbers right, other texts left. Nothing in it is editable.
//
// Counts and texts change at once; the screen shows them after publish() (the window calls it
// at the pace it paints), so writing a row costs the same in a grid of ten rows as in one of
// ten thousand.
class FlexGrid : public QTableView
{
    Q_OBJECT

public:
    static constexpr int TwipsPerPixel = 15;

    explicit FlexGrid(QWidget* parent = nullptr);

    // Every cell's text emptied; sizes, widths and alignments stay.
    void clearTexts();
    // Every cell below the fixed rows emptied.
    void clearDataTexts();
    int rowCount() const;
    int columnCount() const;
    void setRows(int rows);
    void setCols(int cols);
    void setFixedRows(int rows);
    void setFixedCols(int cols);
    int fixedRows() const;
    int fixedCols() const;

    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);

    void setColWidthTwips(int col, int twips);
    int colWidthTwips(int col) const;
    void setColAlignment(int col, Qt::Alignment alignment);
    // Empty while the column aligns in the general way.
    std::optional<Qt::Alignment> colAlignment(int col) const;
    // The control's own width.
    int widthTwips() const { return width() * TwipsPerPixel; }

    // Brings the screen up to the grid's counts and texts.
    void publish();
    bool hasUnpublished() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    FlexGridModel* m_model;
    std::vector<int> m_widthTwips;
};

} // namespace lostrand
