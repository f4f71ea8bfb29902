#pragma once

#include <QList>
#include <QTableView>

class QPictureTextWinBox;
class QStandardItemModel;

// A grid of picture-and-text cells filled row by row, as many columns as fit the width, each
// row as high as its cells' texts need. The cells are rebuilt from their descriptions
// whenever the column width changes, so a cell's delete picture does not survive a relayout.
class QImgTableView : public QTableView
{
    Q_OBJECT

public:
    struct Cell
    {
        QString image;
        QString deleteImage; // empty: the cell cannot be deleted
        QString title;
        QString text;
    };

    explicit QImgTableView(QWidget *parent = nullptr);

    void SetCells(const QList<Cell> &cells);
    int CellCount() const { return m_cells.size(); }
    int ColumnsShown() const { return m_nColumns; }
    // The widget of the cell at a position in fill order; nullptr outside.
    QPictureTextWinBox *CellBox(int position) const;
    static QSize CellSize();

signals:
    void signal_deleteRequested(int position);
    void signal_doubleClicked(int position);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    int UsableWidth() const;
    int ColumnsForWidth() const;
    int ColumnWidth() const;
    void Rebuild();

    QStandardItemModel *m_model = nullptr;
    QList<Cell> m_cells;
    int m_nColumns = 0;
    int m_nColumnWidth = 0;
};
