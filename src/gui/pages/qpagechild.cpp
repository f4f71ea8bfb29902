#include "gui/pages/qpagechild.h"

#include <QContextMenuEvent>
#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSqlError>
#include <QThread>
#include <QVBoxLayout>

#include "core/common/debuglog.h"
#include "core/database/ckln_tq420database.h"
#include "core/settings/ckln_tq420setting.h"
#include "gui/chrome/displayscale.h"
#include "gui/pages/headerspec.h"
#include "gui/pages/pageprompt.h"
#include "gui/pages/qmanageinterface.h"
#include "gui/pages/qmysqltablemodel.h"
#include "gui/pages/qmytableview.h"
#include "gui/pages/qpagingwidget.h"
#include "gui/shell/qlefttexttoolbar.h"

QPageChild::QPageChild(QWidget *parent)
    : QWidget(parent)
{}

QPageChild::~QPageChild()
{
    WaitForWorkers();
}

void QPageChild::WaitForWorkers()
{
    // A worker still running when the page goes (its sheet, import, switch or export) ends
    // first: destroying a running thread aborts the program, and its file must be complete.
    for (QThread *worker : findChildren<QThread *>(QString(), Qt::FindDirectChildrenOnly))
        worker->wait();
}

int QPageChild::type()
{
    TQ_LOG << "QPageChild:-1";
    return -1;
}

QString QPageChild::GetTableName()
{
    return tr("BaseTable");
}

void QPageChild::updatePage()
{
    if (!m_pPagingWidget || !m_pTableView || !ResolvePendingEdit())
        return;
    const QString filter = GetFilter();
    if (filter.isEmpty()) {
        // Nothing to show (e.g. no current project): empty the table, no count.
        QMySqlTableModel *model = m_pTableView->Model();
        model->setFilter(QStringLiteral("0 = 1"));
        model->select();
        m_pPagingWidget->SetMaximum(0);
        return;
    }
    const int n = CKLN_TQ420DataBase::GetInstance()->GetRecordNums(GetTableName(), filter);
    if (n >= 0)
        m_pPagingWidget->SetMaximum(n);
}

bool QPageChild::SubmitChanges()
{
    if (!m_pTableView)
        return true;
    QMySqlTableModel *model = m_pTableView->Model();
    QSqlDatabase db = model->database();
    db.transaction();
    if (model->submitAll()) {
        db.commit();
        return true;
    }
    // The pages edit one row at a time, so the failed row is the one left pending.
    const QString error = model->lastError().text();
    db.rollback();
    TQ_LOG << "SubmitChanges failed:" << error << "!!!";
    Pages::PagePrompt(this, tr("Error"), tr("Database Error:") + error, MyMessageBox::IconError,
                      MyMessageBox::ButtonOk);
    return false;
}

void QPageChild::CreateLeftButtons() {}
void QPageChild::InitSortSettings() {}

QString QPageChild::GetHeaderSpec()
{
    return QString();
}

void QPageChild::CreateTopBar() {}
void QPageChild::CreateContextMenu() {}
void QPageChild::UpdateContextMenu() {}
void QPageChild::GetComboboxItems(int, QStringList &) {}

bool QPageChild::CheckEditedRow()
{
    return true;
}

QString QPageChild::GetFilter()
{
    return QString();
}

void QPageChild::UpdateButtonsEnabled()
{
    const bool hasRows = m_pTableView && m_pTableView->Model()->rowCount() > 0;
    for (QPushButton *button : qAsConst(m_lstRowButtons))
        button->setEnabled(hasRows);
}

void QPageChild::OnCurrentRowChanged(int) {}

bool QPageChild::ConfirmDelete()
{
    return Pages::PagePrompt(this, tr("Prompt"),
                             tr("Performing a delete operation ,are you sure to delete the row ?"),
                             MyMessageBox::IconQuestion,
                             MyMessageBox::ButtonOkCancel) == MyMessageBox::ResultOk;
}

void QPageChild::SeletctedRowDoubleClick(int) {}
void QPageChild::OnToolChanged(int) {}
void QPageChild::AfterSelect() {}

void QPageChild::RefreshCurrentView()
{
    if (m_pPagingWidget)
        on_DispayRowRangeChanged(m_pPagingWidget->StartIndex(), m_pPagingWidget->RowCount());
}

QString QPageChild::GetDefaultOrderColumn()
{
    return QString();
}

QStringList QPageChild::GetButtonTexts()
{
    return {};
}

QStringList QPageChild::GetSortMenuTexts()
{
    return {};
}

void QPageChild::Retranslate()
{
    RetranslateVerBtnText();
    RetranslateLaterVersionTips();
    emit NotifyTableViewRetranslate(HeaderTitlesOfSpec());
    emit NotifyLeftToolBarRetranslate(GetSortMenuTexts());
}

int QPageChild::CurrentSortIndex()
{
    return 0;
}

bool QPageChild::HasPendingEdit()
{
    return false;
}

bool QPageChild::ResolvePendingEdit()
{
    return true;
}

void QPageChild::RefreshCurrentPage(int offset, int limit, const QString &orderColumn,
                                    bool ascending)
{
    if (type() != CKLN_TQ420Setting::GetInstance()->GetCurrentPage()) {
        TQ_LOG << "type is unmatched !!!";
        return;
    }
    if (!m_pTableView || limit < 0 || offset < 0)
        return;
    if (HasPendingEdit()) {
        // Selecting would drop the pending row; every caller asks first, this is the backstop.
        TQ_LOG << "refresh refused: a row is pending !!!";
        return;
    }
    const QString filter = GetFilter();
    if (filter.isEmpty())
        return;
    QMySqlTableModel *model = m_pTableView->Model();
    model->setFilter(filter +
                     CKLN_TQ420DataBase::PageClause(orderColumn, ascending, limit, offset));
    if (!model->select())
        TQ_LOG << "select failed:" << model->lastError().text() << "!!!";
    ShowSortIndicator(orderColumn, ascending);
    AfterSelect();
    UpdateButtonsEnabled();

    const int row = RowOfKey(m_strCurrentKey);
    m_nCurRow = row < 0 ? 0 : row;
    SelectCurrentRow();
    m_pTableView->setFocus();
}

void QPageChild::ClearTable()
{
    if (!m_pTableView)
        return;
    m_pTableView->EndRowEditing();
    m_pTableView->Model()->revertAll();
    m_pTableView->Model()->clear();
}

QManageInterface *QPageChild::ManageInterface()
{
    return QManageInterface::ForType(type());
}

void QPageChild::on_slot_getComboboxContent(int iCol, QStringList &contentLst)
{
    GetComboboxItems(iCol, contentLst);
}

void QPageChild::on_slot_itemchanged(int iSelRow, int iSelCol)
{
    m_nPrevRow = m_nCurRow;
    if (type() != 1) {
        m_nCurRow = iSelRow;
        m_strCurrentKey = KeyOfRow(iSelRow);
    }
    OnCurrentRowChanged(iSelRow);
    m_nLastColumn = iSelCol;
    SelectCurrentRow();
}

void QPageChild::on_slot_itemDoubleClick(int row)
{
    SeletctedRowDoubleClick(row);
}

void QPageChild::on_slot_toolChanged(int tool)
{
    OnToolChanged(tool);
}

void QPageChild::on_DispayRowRangeChanged(int nStartIndex, int Count)
{
    const bool ascending = type() == 1 && CKLN_TQ420Setting::GetInstance()->GetSortMode(1) == 7;
    RefreshCurrentPage(nStartIndex, Count, GetDefaultOrderColumn(), ascending);
}

void QPageChild::on_TableHeaderViewSortIndicatorChanged(int logicalIndex, Qt::SortOrder order)
{
    if (!m_pPagingWidget || m_pPagingWidget->RowCount() == 0)
        return;
    QManageInterface *columns = ManageInterface();
    if (!columns)
        return;
    if (!ResolvePendingEdit()) {
        // The header has moved its arrow already; put it back on the rows' real order.
        QSignalBlocker blocker(m_pTableView->horizontalHeader());
        m_pTableView->horizontalHeader()->setSortIndicator(m_nSortColumn, m_eSortOrder);
        return;
    }
    RefreshCurrentPage(m_pPagingWidget->StartIndex(), m_pPagingWidget->RowCount(),
                       columns->ColumnName(logicalIndex), order == Qt::AscendingOrder);
}

void QPageChild::OnRetranslate()
{
    Retranslate();
}

void QPageChild::OnRowsFitInViewChanged(int rows)
{
    if (m_pPagingWidget && !HasPendingEdit())
        m_pPagingWidget->SetPageStepByView(rows);
}

void QPageChild::ShowSortIndicator(const QString &orderColumn, bool ascending)
{
    m_nSortColumn = -1;
    if (QManageInterface *columns = ManageInterface()) {
        for (int i = 0; i < columns->nColumnCount && m_nSortColumn < 0; ++i)
            if (!orderColumn.isEmpty() && columns->ColumnName(i) == orderColumn)
                m_nSortColumn = i;
    }
    m_eSortOrder = ascending ? Qt::AscendingOrder : Qt::DescendingOrder;
    QSignalBlocker blocker(m_pTableView->horizontalHeader());
    m_pTableView->horizontalHeader()->setSortIndicator(m_nSortColumn, m_eSortOrder);
}

void QPageChild::InitPage()
{
    auto *root = new QHBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);

    m_pLeftToolBar = new QLeftTextToolBar(this);
    const QStringList sortTexts = GetSortMenuTexts();
    m_pLeftToolBar->AddItems(sortTexts, CurrentSortIndex());
    m_pLeftToolBar->setVisible(!sortTexts.isEmpty());
    root->addWidget(m_pLeftToolBar);
    connect(m_pLeftToolBar, &QLeftTextToolBar::ToolButtonCheckedChanged, this,
            &QPageChild::on_slot_toolChanged);
    connect(this, &QPageChild::NotifyLeftToolBarRetranslate, m_pLeftToolBar,
            &QLeftTextToolBar::OnRetranslate);

    auto *column = new QVBoxLayout;
    column->setContentsMargins(Display::ScaledPixels(4), Display::ScaledPixels(4),
                               Display::ScaledPixels(4), 0);
    root->addLayout(column, 1);
    m_pTopBarLayout = new QHBoxLayout;
    m_pButtonLayout = new QHBoxLayout;
    column->addLayout(m_pTopBarLayout);
    column->addLayout(m_pButtonLayout);
    CreateTopBar();
    CreateLeftButtons();
    m_pButtonLayout->addStretch();

    m_pTableView = new QMyTableView(CKLN_TQ420DataBase::GetInstance()->database(), GetTableName(),
                                    GetHeaderSpec(), this);
    column->addWidget(m_pTableView, 1);
    m_pPagingWidget = new QPagingWidget(this);
    column->addWidget(m_pPagingWidget);

    connect(m_pTableView, &QMyTableView::signal_getCommboxItems, this,
            &QPageChild::on_slot_getComboboxContent);
    connect(m_pTableView, &QMyTableView::signal_itemchanged, this,
            &QPageChild::on_slot_itemchanged);
    connect(m_pTableView, &QMyTableView::signal_itemDoubleClick, this,
            &QPageChild::on_slot_itemDoubleClick);
    connect(this, &QPageChild::NotifyTableViewRetranslate, m_pTableView,
            &QMyTableView::OnRetranslate);
    connect(m_pTableView->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            &QPageChild::on_TableHeaderViewSortIndicatorChanged);
    connect(m_pTableView, &QMyTableView::signal_rowsNumPerPageChanged, this,
            &QPageChild::OnRowsFitInViewChanged);
    m_pPagingWidget->SetMoveGuard([this] { return ResolvePendingEdit(); });
    connect(m_pPagingWidget, &QPagingWidget::DispayRowRangeChanged, this,
            &QPageChild::on_DispayRowRangeChanged);

    CreateContextMenu();
    InitSortSettings();
    UpdateButtonsEnabled();
}

QLineEdit *QPageChild::AddSearchEdit(const QString &placeholder, int minimumWidth)
{
    auto *edit = new QLineEdit(this);
    edit->setPlaceholderText(placeholder);
    edit->setMinimumWidth(Display::ScaledPixels(minimumWidth));
    edit->setFixedHeight(Display::ScaledPixels(30));
    AddTopBarWidget(edit);
    return edit;
}

void QPageChild::AddTopBarWidget(QWidget *widget)
{
    m_pTopBarLayout->addWidget(widget);
}

QPushButton *QPageChild::AddButton(const QString &text, bool rowDependent)
{
    auto *button = new QPushButton(text, this);
    button->setMinimumSize(Display::ScaledPixels(90), Display::ScaledPixels(32));
    m_pButtonLayout->addWidget(button);
    m_lstButtons << button;
    if (rowDependent)
        m_lstRowButtons << button;
    return button;
}

QString QPageChild::KeyOfRow(int row) const
{
    if (!m_pTableView)
        return QString();
    const QMySqlTableModel *model = m_pTableView->Model();
    if (row < 0 || row >= model->rowCount())
        return QString();
    return model->index(row, m_nKeyColumn).data(Qt::EditRole).toString();
}

int QPageChild::RowOfKey(const QString &key) const
{
    if (key.isEmpty() || !m_pTableView)
        return -1;
    for (int r = 0; r < m_pTableView->Model()->rowCount(); ++r)
        if (KeyOfRow(r) == key)
            return r;
    return -1;
}

void QPageChild::SelectCurrentRow()
{
    if (m_pTableView)
        m_pTableView->SelectRow(m_nCurRow);
}

QStringList QPageChild::HeaderTitlesOfSpec()
{
    return Pages::HeaderTitles(Pages::ParseHeaderSpec(GetHeaderSpec()));
}

void QPageChild::RetranslateVerBtnText()
{
    const QStringList texts = GetButtonTexts();
    for (int i = 0; i < texts.size() && i < m_lstButtons.size(); ++i)
        m_lstButtons.at(i)->setText(texts.at(i));
}

void QPageChild::MarkForLaterVersion(QPushButton *button)
{
    button->setEnabled(false);
    m_lstRowButtons.removeAll(button);
    m_lstLaterButtons << button;
    RetranslateLaterVersionTips();
}

void QPageChild::MarkSortEntryForLaterVersion(int index)
{
    const QList<QAction *> actions = m_pLeftToolBar->Actions();
    if (index < 0 || index >= actions.size())
        return;
    actions.at(index)->setEnabled(false);
    m_lstLaterActions << actions.at(index);
    RetranslateLaterVersionTips();
}

void QPageChild::RetranslateLaterVersionTips()
{
    const QString tip = tr("Not available yet: this comes with a later version");
    for (QPushButton *button : qAsConst(m_lstLaterButtons))
        button->setToolTip(tip);
    for (QAction *action : qAsConst(m_lstLaterActions))
        action->setToolTip(tip);
}

void QPageChild::contextMenuEvent(QContextMenuEvent *event)
{
    if (!m_pContextMenu || !m_pTableView || !m_pTableView->geometry().contains(event->pos()))
        return;
    UpdateContextMenu();
    m_pContextMenu->exec(event->globalPos());
}
