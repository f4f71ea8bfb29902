#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QStringList>
#include <QTableView>

#include "gui/pages/headerspec.h"

class QMySqlTableModel;

// The table of a page: a QMySqlTableModel over one table of the project database, set up
// from the page's header description (titles, widths, hidden columns, editor kinds).
// Single whole-row selection; sorting is left to the page (the header only shows the
// indicator), so the order stays in the page's SQL. One row at a time can be edited in place.
class QMyTableView : public QTableView
{
    Q_OBJECT

public:
    QMyTableView(QSqlDatabase db, const QString &tableName, const QString &headerSpec,
                 QWidget *parent = nullptr);

    QMySqlTableModel *Model() const { return m_pModel; }
    const QList<HeaderColumnSpec> &Columns() const { return m_columns; }
    int EditorKind(int column) const;

    // Lets the cells of the row be edited in place; the first cell becomes current and opens.
    void BeginRowEditing(int row);
    // Commits and closes an open editor and ends in-place editing.
    void EndRowEditing();
    // Commits and closes an open editor; the row stays editable.
    void CommitEditor();
    int EditingRow() const { return m_nEditingRow; }
    bool IsEditorOpen() const;
    // The choices of a combo-box cell, asked from the page.
    QStringList ComboboxItems(int column);
    bool NoneEmptyCheck() const { return m_bNoneEmptyCheck; }
    // Selects the row and makes it current (without opening an editor).
    void SelectRow(int row);

    // (height - 2 rows - scroll bar) / row height; 0 when that is not positive.
    static int RowsFitInView(int viewHeight, int rowHeight, int scrollBarHeight);

signals:
    void signal_getCommboxItems(int column, QStringList &items);
    void signal_itemchanged(int iSelRow, int iSelCol);
    void signal_itemDoubleClick(int row);
    void signal_rowcountChanged(int oldCount, int newCount);
    void signal_rowsNumPerPageChanged(int rows);

public slots:
    void OnRetranslate(const QStringList &lstHeaders);
    void setNoneEmptyValidator();
    void cancelNoneEmptyValidator();

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void ApplyHeaderSpec();
    void CheckRowCount();

    QMySqlTableModel *m_pModel = nullptr;
    QList<HeaderColumnSpec> m_columns;
    int m_nEditingRow = -1;
    int m_nRowCount = 0;
    bool m_bNoneEmptyCheck = true;
};
