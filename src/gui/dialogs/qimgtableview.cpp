#include "gui/dialogs/qimgtableview.h"

#include <QHeaderView>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QVector>

#include "gui/chrome/displayscale.h"
#include "gui/dialogs/qpicturetextwinbox.h"

QImgTableView::QImgTableView(QWidget *parent)
    : QTableView(parent)
{
    m_model = new QStandardItemModel(this);
    setModel(m_model);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setShowGrid(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setStyleSheet(QStringLiteral("QTableView{selection-background-color:transparent;}"));
}

// The narrowest a cell may get; the columns share the width that is left over.
QSize QImgTableView::CellSize()
{
    return QSize(Display::ScaledPixels(220), Display::ScaledPixels(64));
}

void QImgTableView::SetCells(const QList<Cell> &cells)
{
    m_cells = cells;
    Rebuild();
}

QPictureTextWinBox *QImgTableView::CellBox(int position) const
{
    if (position < 0 || position >= m_cells.size() || m_nColumns <= 0)
        return nullptr;
    const QModelIndex index = m_model->index(position / m_nColumns, position % m_nColumns);
    return qobject_cast<QPictureTextWinBox *>(indexWidget(index));
}

void QImgTableView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    if (ColumnsForWidth() != m_nColumns || ColumnWidth() != m_nColumnWidth)
        Rebuild();
}

// The vertical scroll bar may come and go; room is kept for it so the count stays put.
int QImgTableView::UsableWidth() const
{
    return viewport()->width() - verticalScrollBar()->sizeHint().width();
}

int QImgTableView::ColumnsForWidth() const
{
    return qMax(1, UsableWidth() / CellSize().width());
}

int QImgTableView::ColumnWidth() const
{
    return qMax(CellSize().width(), UsableWidth() / ColumnsForWidth());
}

void QImgTableView::Rebuild()
{
    m_nColumns = ColumnsForWidth();
    m_nColumnWidth = ColumnWidth();
    m_model->clear();
    horizontalHeader()->setDefaultSectionSize(m_nColumnWidth);
    const int rows = (m_cells.size() + m_nColumns - 1) / m_nColumns;
    m_model->setColumnCount(m_nColumns);
    m_model->setRowCount(rows);
    QVector<int> rowHeights(rows, CellSize().height());
    // Queued: the receivers rebuild the grid, which must not happen inside the cell's own
    // mouse handler.
    for (int position = 0; position < m_cells.size(); ++position) {
        const Cell &cell = m_cells.at(position);
        auto *box = new QPictureTextWinBox(cell.image, cell.deleteImage, cell.title, cell.text);
        connect(
            box, &QPictureTextWinBox::signal_deleteRequested, this,
            [this, position] { emit signal_deleteRequested(position); }, Qt::QueuedConnection);
        connect(
            box, &QPictureTextWinBox::signal_doubleClicked, this,
            [this, position] { emit signal_doubleClicked(position); }, Qt::QueuedConnection);
        const int row = position / m_nColumns;
        setIndexWidget(m_model->index(row, position % m_nColumns), box);
        // Wrapped names and jobs make their row taller rather than being cut.
        box->ensurePolished();
        if (box->hasHeightForWidth())
            rowHeights[row] = qMax(rowHeights[row], box->heightForWidth(m_nColumnWidth));
    }
    for (int row = 0; row < rows; ++row)
        setRowHeight(row, rowHeights[row]);
}
