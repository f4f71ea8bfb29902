#include "gui/pages/qmytableview.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

#include "gui/chrome/displayscale.h"
#include "gui/chrome/stylesheet.h"
#include "gui/pages/qmutillinedelegate.h"
#include "gui/pages/qmysqltablemodel.h"

namespace {
const char *const kScrollBarStyle =
    "QScrollBar:vertical{width:8px;background:transparent;margin:0px;}"
    "QScrollBar::handle:vertical{background:rgb(180,180,180);border-radius:4px;min-height:20px;}"
    "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height:0px;}"
    "QScrollBar:horizontal{height:8px;background:transparent;margin:0px;}"
    "QScrollBar::handle:horizontal{background:rgb(180,180,180);border-radius:4px;"
    "min-width:20px;}"
    "QScrollBar::add-line:horizontal,QScrollBar::sub-line:horizontal{width:0px;}";
} // namespace

QMyTableView::QMyTableView(QSqlDatabase db, const QString &tableName, const QString &headerSpec,
                           QWidget *parent)
    : QTableView(parent)
    , m_columns(Pages::ParseHeaderSpec(headerSpec))
{
    m_pModel = new QMySqlTableModel(this, db);
    m_pModel->setEditStrategy(QSqlTableModel::OnManualSubmit);
    m_pModel->setTable(tableName);
    setModel(m_pModel);
    ApplyHeaderSpec();

    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setDragEnabled(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new QMutilLineDelegate(this));

    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(Display::ScaledPixels(35));
    verticalHeader()->setFixedWidth(Display::ScaledPixels(40));
    verticalHeader()->hide();
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setSortIndicatorShown(true);

    verticalScrollBar()->setStyleSheet(QString::fromLatin1(kScrollBarStyle));
    horizontalScrollBar()->setStyleSheet(QString::fromLatin1(kScrollBarStyle));
    StyleSheet::AppendStyleSheet(this, QStringLiteral(":/css/Theme/QSS/QTableView.css"));

    connect(m_pModel, &QAbstractItemModel::modelReset, this, &QMyTableView::CheckRowCount);
    connect(m_pModel, &QAbstractItemModel::rowsInserted, this, &QMyTableView::CheckRowCount);
    connect(m_pModel, &QAbstractItemModel::rowsRemoved, this, &QMyTableView::CheckRowCount);
}

void QMyTableView::ApplyHeaderSpec()
{
    for (int i = 0; i < m_columns.size(); ++i) {
        const HeaderColumnSpec &column = m_columns.at(i);
        m_pModel->setHeaderData(i, Qt::Horizontal, column.strTitle);
        if (column.nWidth > 0)
            setColumnWidth(i, Display::ScaledPixels(column.nWidth));
        setColumnHidden(i, !column.bVisible);
    }
}

int QMyTableView::EditorKind(int column) const
{
    if (column < 0 || column >= m_columns.size())
        return HeaderColumnSpec::NotEditable;
    return m_columns.at(column).nEditorKind;
}

void QMyTableView::BeginRowEditing(int row)
{
    m_nEditingRow = row;
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed |
                    QAbstractItemView::DoubleClicked);
    // The first cell becomes current, not only edited: Tab moves on from the current cell,
    // which may have been any column of the row.
    const QModelIndex first = m_pModel->index(row, 0);
    if (currentIndex() != first)
        setCurrentIndex(first);
    if (!IsEditorOpen())
        edit(first);
}

void QMyTableView::CommitEditor()
{
    if (!IsEditorOpen())
        return;
    QWidget *editor = indexWidget(currentIndex());
    if (!editor)
        return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void QMyTableView::EndRowEditing()
{
    CommitEditor();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_nEditingRow = -1;
}

bool QMyTableView::IsEditorOpen() const
{
    return state() == QAbstractItemView::EditingState;
}

QStringList QMyTableView::ComboboxItems(int column)
{
    QStringList items;
    emit signal_getCommboxItems(column, items);
    return items;
}

void QMyTableView::SelectRow(int row)
{
    if (row < 0 || row >= m_pModel->rowCount())
        return;
    int column = currentIndex().isValid() ? currentIndex().column() : 0;
    if (isColumnHidden(column))
        column = 0;
    const QModelIndex index = m_pModel->index(row, column);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
}

int QMyTableView::RowsFitInView(int viewHeight, int rowHeight, int scrollBarHeight)
{
    if (rowHeight <= 0)
        return 0;
    const int free = viewHeight - 2 * rowHeight - scrollBarHeight;
    return free > 0 ? free / rowHeight : 0;
}

void QMyTableView::OnRetranslate(const QStringList &lstHeaders)
{
    for (int i = 0; i < lstHeaders.size() && i < m_columns.size(); ++i) {
        m_columns[i].strTitle = lstHeaders.at(i);
        m_pModel->setHeaderData(i, Qt::Horizontal, lstHeaders.at(i));
    }
}

void QMyTableView::setNoneEmptyValidator()
{
    m_bNoneEmptyCheck = true;
}

void QMyTableView::cancelNoneEmptyValidator()
{
    m_bNoneEmptyCheck = false;
}

void QMyTableView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (!current.isValid() || IsEditorOpen())
        return;
    if (previous.isValid() && previous.row() == current.row())
        return;
    emit signal_itemchanged(current.row(), current.column());
}

void QMyTableView::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QModelIndex index = indexAt(event->pos());
    if (m_nEditingRow >= 0) {
        // Editing a row: the double click opens the cell's editor.
        QTableView::mouseDoubleClickEvent(event);
        return;
    }
    if (index.isValid() && event->button() == Qt::LeftButton)
        emit signal_itemDoubleClick(index.row());
    QTableView::mouseDoubleClickEvent(event);
}

void QMyTableView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    if (!window()->isActiveWindow())
        return;
    const int scrollBar = horizontalScrollBar()->isVisible() ? horizontalScrollBar()->height() : 0;
    emit signal_rowsNumPerPageChanged(
        RowsFitInView(height(), verticalHeader()->defaultSectionSize(), scrollBar));
}

void QMyTableView::CheckRowCount()
{
    const int count = m_pModel->rowCount();
    if (count == m_nRowCount)
        return;
    const int old = m_nRowCount;
    m_nRowCount = count;
    emit signal_rowcountChanged(old, count);
}
