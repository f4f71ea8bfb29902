#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QWidget>

#include "gui/pages/qpagingwidget.h"

class QDate;
class QHBoxLayout;
class QLineEdit;
class QMenu;
class QPushButton;
class QVBoxLayout;
class QMyTableView;
class QLeftTextToolBar;
class QManageInterface;

// Base of the paged table pages (projects, videos, defects). Paging, sorting and searching
// are all done in SQL: the page supplies a condition (GetFilter), this class appends the
// order and limit clauses and selects only the rows of the visible page.
//
// Layout: the left text tool bar (the page's sort/date choices) at the left edge; on the
// right the top bar, the row of page buttons, the table and the paging bar under it.
// A derived page calls InitPage() at the end of its constructor.
class QPageChild : public QWidget
{
    Q_OBJECT

public:
    explicit QPageChild(QWidget *parent = nullptr);
    ~QPageChild() override;

    // 0 project page, 1 video page, 2 defect page; -1 here.
    virtual int type();
    virtual QString GetTableName();
    // Counts the rows of the page's condition and repaginates; the only path that recounts.
    virtual void updatePage();
    // Writes pending in-place edits in one transaction; false (rolled back) on failure.
    virtual bool SubmitChanges();
    virtual void CreateLeftButtons();
    virtual void InitSortSettings();
    virtual QString GetHeaderSpec();
    virtual void CreateTopBar();
    virtual void CreateContextMenu();
    virtual void UpdateContextMenu();
    virtual void GetComboboxItems(int column, QStringList &items);
    virtual bool CheckEditedRow();
    virtual QString GetFilter();
    virtual void UpdateButtonsEnabled();
    virtual void OnCurrentRowChanged(int row);
    virtual bool ConfirmDelete();
    virtual void SeletctedRowDoubleClick(int row);
    virtual void OnToolChanged(int tool);
    virtual void AfterSelect();
    virtual void RefreshCurrentView();
    virtual QString GetDefaultOrderColumn();
    virtual QStringList GetButtonTexts();
    virtual QStringList GetSortMenuTexts();
    virtual void Retranslate();
    // True while the page holds a row being added or edited that a reload would drop.
    virtual bool HasPendingEdit();
    // Called before anything that reloads the table: a page with a pending row asks the user
    // to save it first. False (the row is kept, still pending) when the reload must not run.
    virtual bool ResolvePendingEdit();

    // Fetches one page: condition + order + limit/offset as the model's filter.
    void RefreshCurrentPage(int offset, int limit, const QString &orderColumn, bool ascending);

    // Releases the model's rows and the pending edits; the page host calls it before
    // deleting the page.
    void ClearTable();

    // The column descriptions of this page's table (by type); null for an unknown type.
    QManageInterface *ManageInterface();

    QMyTableView *TableView() const { return m_pTableView; }
    QPagingWidget *PagingWidget() const { return m_pPagingWidget; }
    QLeftTextToolBar *LeftToolBar() const { return m_pLeftToolBar; }
    QMenu *ContextMenu() const { return m_pContextMenu; }
    int CurrentRow() const { return m_nCurRow; }
    QString CurrentKey() const { return m_strCurrentKey; }
    // The page's buttons in the order of GetButtonTexts.
    const QList<QPushButton *> &Buttons() const { return m_lstButtons; }

    // Sheet export: asks for the file (save dialog) and hands the rows to the sheet worker.
    void ExportSheet();
    // The same for a chosen path: an existing file there is deleted first; false (with the
    // "empty sheet" warning) when the page has no rows, else the worker is started.
    bool ExportSheetTo(const QString &path);
    // Caption of the save dialog and file name suffix of a page type (empty for others).
    static QString SheetExportCaption(int type);
    static QString SheetFileSuffix(int type);
    // Date + project + suffix, e.g. "2024-03-01_Ring road_project details.xls".
    static QString DefaultSheetFileName(int type, const QDate &date, const QString &project);

signals:
    void signal_gotoVedioManage();
    void signal_gotoReportGenerate();
    void signal_gotoDefectScatter();
    void NotifyTableViewRetranslate(QStringList lstHeaders);
    void NotifyLeftToolBarRetranslate(QStringList lstTexts);
    // The sheet worker has finished (true when it wrote the file).
    void signal_sheetExportFinished(bool ok);

public slots:
    void on_slot_getComboboxContent(int iCol, QStringList &contentLst);
    void on_slot_itemchanged(int iSelRow, int iSelCol);
    void on_slot_itemDoubleClick(int row);
    void on_slot_toolChanged(int tool);
    void on_DispayRowRangeChanged(int nStartIndex, int Count);
    void on_TableHeaderViewSortIndicatorChanged(int logicalIndex, Qt::SortOrder order);
    void OnRetranslate();
    // The rows that fit into the resized view, for the paging bar; ignored while a row is
    // pending, since repaging would reload the table.
    void OnRowsFitInViewChanged(int rows);

protected:
    // Waits for the page's worker threads; a derived page whose workers use its members
    // calls it in its own destructor.
    void WaitForWorkers();
    // Builds the children in order: left tool bar (GetSortMenuTexts, checked =
    // CurrentSortIndex), top bar, buttons, table (GetHeaderSpec), paging bar, context menu,
    // sort settings. Called by the derived constructor, when its virtuals are in place.
    void InitPage();
    // Index checked in the left tool bar when it is built.
    virtual int CurrentSortIndex();
    // Adds a widget to the top bar area (above the buttons).
    void AddTopBarWidget(QWidget *widget);
    // The search box of the top bar, with the page's placeholder; the page connects Return.
    QLineEdit *AddSearchEdit(const QString &placeholder, int minimumWidth);
    // Adds a button to the page's button row (and to Buttons()); a row-dependent button is
    // enabled by UpdateButtonsEnabled only while the table has rows.
    QPushButton *AddButton(const QString &text, bool rowDependent);
    // The rows of the sheet export: every row of the page's condition, the first
    // CSheetData::ColumnCount(type()) columns of the description.
    virtual QVariantList SheetRows(int &columns);
    // The key column text of a row of the current page; empty outside the page.
    QString KeyOfRow(int row) const;
    // The row of the current page holding the key; -1 when it is not there (or empty).
    int RowOfKey(const QString &key) const;
    // Selects m_nCurRow in the view.
    void SelectCurrentRow();
    // The text titles of the header description, for retranslation.
    QStringList HeaderTitlesOfSpec();
    // Re-sets the texts of the page's buttons from GetButtonTexts.
    void RetranslateVerBtnText();
    // Disables a button or an entry of the left tool bar whose feature comes in a later
    // version; its tool tip says so.
    void MarkForLaterVersion(QPushButton *button);
    void MarkSortEntryForLaterVersion(int index);
    void contextMenuEvent(QContextMenuEvent *event) override;

    QMyTableView *m_pTableView = nullptr;
    QPagingWidget *m_pPagingWidget = nullptr;
    QLeftTextToolBar *m_pLeftToolBar = nullptr;
    QMenu *m_pContextMenu = nullptr;
    QHBoxLayout *m_pTopBarLayout = nullptr;
    QHBoxLayout *m_pButtonLayout = nullptr;
    QList<QPushButton *> m_lstButtons;
    QList<QPushButton *> m_lstRowButtons;
    int m_nCurRow = 0;
    int m_nPrevRow = 0;
    int m_nLastColumn = 0;
    int m_nKeyColumn = 0;
    QString m_strCurrentKey;

private:
    // Shows the header's sort arrow on the column the rows are ordered by (none when that
    // is no column of the table).
    void ShowSortIndicator(const QString &orderColumn, bool ascending);

    void RetranslateLaterVersionTips();

    QList<QPushButton *> m_lstLaterButtons;
    QList<QAction *> m_lstLaterActions;
    int m_nSortColumn = -1;
    Qt::SortOrder m_eSortOrder = Qt::DescendingOrder;
};
