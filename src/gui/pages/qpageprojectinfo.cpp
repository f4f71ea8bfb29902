#include "gui/pages/qpageprojectinfo.h"

#include <QDate>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSqlError>
#include <QSqlQuery>

#include "core/common/debuglog.h"
#include "core/database/ckln_tq420database.h"
#include "core/settings/ckln_tq420setting.h"
#include "core/settings/qsysteminfo.h"
#include "gui/chrome/displayscale.h"
#include "gui/chrome/qswitchbutton.h"
#include "gui/chrome/stylesheet.h"
#include "gui/pages/headerspec.h"
#include "gui/pages/pageprompt.h"
#include "gui/pages/projectfilter.h"
#include "gui/pages/qmanageinterface.h"
#include "gui/pages/qmysqltablemodel.h"
#include "gui/pages/qmytableview.h"
#include "gui/shell/qlefttexttoolbar.h"

namespace {
constexpr int kColumnCount = 22;
constexpr int kFirstDetailColumn = 5;
constexpr int kLastDetailColumn = 15;
constexpr int kFirstCountColumn = 16;
constexpr int kLastCountColumn = 20;

bool IsNarrowColumn(int column)
{
    return (column >= 5 && column <= 10) || (column >= 13 && column <= 15);
}

int EditorKindOf(int column)
{
    if (column <= 2)
        return HeaderColumnSpec::RequiredText;
    if (column == 3)
        return HeaderColumnSpec::Choice;
    if (column == 4)
        return HeaderColumnSpec::DateText;
    if (column <= 10)
        return HeaderColumnSpec::FreeText;
    if (column <= 15)
        return HeaderColumnSpec::Choice;
    return HeaderColumnSpec::NotEditable;
}

// The person names of the system settings store: the choices of the Principal column.
QStringList PersonNames()
{
    QStringList names;
    for (const SystemRecord &person : QSystemInfo::GetInstance()->Persons())
        if (!person.name().isEmpty())
            names << person.name();
    return names;
}
} // namespace

QPageProjectInfo::QPageProjectInfo(QWidget *parent)
    : QPageChild(parent)
{
    m_nKeyColumn = kKeyColumn;
    InitPage();
    connect(this, &QPageProjectInfo::signal_handleDataExport, this,
            &QPageProjectInfo::handleDataExport);
}

QPageProjectInfo::~QPageProjectInfo()
{
    WaitForWorkers(); // the data export runs this page's DoWork
}

QString QPageProjectInfo::GetTableName()
{
    return QStringLiteral("ProjectDetail");
}

QString QPageProjectInfo::BrokenTitle(const QString &title)
{
    return title.left(2) + QLatin1Char('\n') + title.mid(2);
}

QString QPageProjectInfo::ProjectHeaderSpec()
{
    QProjectInfoManage *columns = QProjectInfoManage::GetInstance();
    QStringList entries;
    for (int i = 0; i < kColumnCount; ++i) {
        const bool narrow = IsNarrowColumn(i);
        const QString title =
            narrow ? BrokenTitle(columns->HeaderTitle(i)) : columns->HeaderTitle(i);
        entries << Pages::MakeHeaderSpecEntry(title, narrow ? 75 : 150, i <= kLastDetailColumn,
                                              EditorKindOf(i));
    }
    return entries.join(QLatin1Char(';'));
}

QString QPageProjectInfo::GetHeaderSpec()
{
    return ProjectHeaderSpec();
}

QString QPageProjectInfo::SearchPlaceholder() const
{
    return tr("ProjectNum,ProjectName,ProjectSite,Principal");
}

QString QPageProjectInfo::GetFilter()
{
    const QString search =
        m_pSearchEdit ? ProjectFilter::EffectiveSearch(m_pSearchEdit->text(), SearchPlaceholder())
                      : QString();
    return ProjectFilter::Condition(search, CKLN_TQ420Setting::GetInstance()->GetSortMode(0),
                                    QDate::currentDate());
}

QString QPageProjectInfo::GetDefaultOrderColumn()
{
    return QStringLiteral("CommencementDate");
}

void QPageProjectInfo::updatePage()
{
    const CKLN_TQ420Setting *settings = CKLN_TQ420Setting::GetInstance();
    TQ_LOG << "m_strCurProjectName:" << settings->GetCurrentProName()
           << settings->GetCurrentProHashCode();
    // Until a row is chosen here, the stored current project is the one to select.
    if (m_strCurrentKey.isEmpty() && !HasPendingEdit()) {
        m_strCurrentKey = settings->GetCurrentProHashCode();
        ShowPageOfCurrentKey();
    }
    QPageChild::updatePage();
}

void QPageProjectInfo::ShowPageOfCurrentKey()
{
    const QString filter = GetFilter();
    if (m_strCurrentKey.isEmpty() || filter.isEmpty() || !m_pPagingWidget)
        return;
    // The keys in the order of the pages, without their limit (once, when the page starts).
    QSqlQuery query(m_pTableView->Model()->database());
    const QString sql = QStringLiteral("SELECT HashCode FROM ProjectDetail WHERE ") + filter +
                        CKLN_TQ420DataBase::PageClause(GetDefaultOrderColumn(), false, -1, 0);
    if (!query.exec(sql)) {
        TQ_LOG << "ShowPageOfCurrentKey failed:" << query.lastError().text() << "!!!";
        return;
    }
    for (int position = 0; query.next(); ++position) {
        if (query.value(0).toString() == m_strCurrentKey) {
            m_pPagingWidget->ShowPageOfRow(position);
            return;
        }
    }
}

QStringList QPageProjectInfo::GetButtonTexts()
{
    return {tr("Search"), tr("Export"), m_bAdding || m_bEditing ? tr("Save") : tr("Edit"),
            m_bAdding || m_bEditing ? tr("Cancel") : tr("Add"), tr("Delete")};
}

QStringList QPageProjectInfo::GetSortMenuTexts()
{
    return {tr("One Month"),  tr("Three Month"), tr("Six Month"),
            tr("Nine Month"), tr("One year"),    tr("All")};
}

int QPageProjectInfo::CurrentSortIndex()
{
    const int mode = CKLN_TQ420Setting::GetInstance()->GetSortMode(0);
    return mode >= 0 && mode < ProjectFilter::kDateModeCount ? mode : ProjectFilter::kDateModeAll;
}

void QPageProjectInfo::CreateTopBar()
{
    m_pSearchEdit = AddSearchEdit(SearchPlaceholder(), 300);
    connect(m_pSearchEdit, &QLineEdit::returnPressed, this, &QPageProjectInfo::on_slot_Search);

    m_pSwitchBtn = new QSwitchButton(this);
    m_pSwitchBtn->setTextOn(tr("Detail List"));
    m_pSwitchBtn->setTextOff(tr("Count List"));
    m_pSwitchBtn->setChecked(true);
    m_pSwitchBtn->setFixedSize(Display::ScaledPixels(120), Display::ScaledPixels(30));
    connect(m_pSwitchBtn, &QSwitchButton::checkedChanged, this,
            &QPageProjectInfo::on_switchBtn_Checked);
    AddTopBarWidget(m_pSwitchBtn);
}

void QPageProjectInfo::CreateLeftButtons()
{
    const QStringList texts = GetButtonTexts();
    connect(AddButton(texts.at(BtnSearch), false), &QPushButton::clicked, this,
            &QPageProjectInfo::on_slot_Search);
    connect(AddButton(texts.at(BtnExport), false), &QPushButton::clicked, this,
            &QPageProjectInfo::on_slot_ExportData);
    connect(AddButton(texts.at(BtnEdit), true), &QPushButton::clicked, this,
            &QPageProjectInfo::on_slot_Edit);
    connect(AddButton(texts.at(BtnAdd), false), &QPushButton::clicked, this,
            &QPageProjectInfo::on_slot_Add);
    connect(AddButton(texts.at(BtnDelete), true), &QPushButton::clicked, this,
            &QPageProjectInfo::on_slot_Delete);
}

void QPageProjectInfo::CreateContextMenu()
{
    m_pContextMenu = new QMenu(this);
    StyleSheet::AppendStyleSheet(m_pContextMenu, QStringLiteral(":/css/Theme/QSS/QPopMenu.css"));
    m_lstMenuActions
        << m_pContextMenu->addAction(tr("&Vedio Manage"), this, &QPageChild::signal_gotoVedioManage)
        << m_pContextMenu->addAction(tr("&Report Generate"), this,
                                     &QPageChild::signal_gotoReportGenerate)
        << m_pContextMenu->addAction(tr("&Defect Scatter"), this,
                                     &QPageChild::signal_gotoDefectScatter)
        << m_pContextMenu->addAction(tr("&Export Data"), this, &QPageProjectInfo::OnDataExport)
        << m_pContextMenu->addAction(tr("&Edit"), this, &QPageProjectInfo::on_slot_Edit)
        << m_pContextMenu->addAction(tr("&Delete"), this, &QPageProjectInfo::on_slot_Delete);
}

void QPageProjectInfo::UpdateContextMenu()
{
    const bool hasRow = m_pTableView && m_pTableView->Model()->rowCount() > 0;
    const bool idle = !m_bAdding && !m_bEditing;
    for (int i = 0; i < m_lstMenuActions.size(); ++i) {
        const bool editAction = i >= 4;
        m_lstMenuActions.at(i)->setEnabled(hasRow && idle && (!editAction || m_bDetailView));
    }
}

void QPageProjectInfo::Retranslate()
{
    QPageChild::Retranslate();
    if (m_pSearchEdit)
        m_pSearchEdit->setPlaceholderText(SearchPlaceholder());
    if (m_pSwitchBtn) {
        m_pSwitchBtn->setTextOn(tr("Detail List"));
        m_pSwitchBtn->setTextOff(tr("Count List"));
    }
    const QStringList texts = {tr("&Vedio Manage"),   tr("&Report Generate"),
                               tr("&Defect Scatter"), tr("&Export Data"),
                               tr("&Edit"),           tr("&Delete")};
    for (int i = 0; i < texts.size() && i < m_lstMenuActions.size(); ++i)
        m_lstMenuActions.at(i)->setText(texts.at(i));
}

void QPageProjectInfo::GetComboboxItems(int column, QStringList &items)
{
    if (column == 3) {
        items = PersonNames();
        return;
    }
    if (column >= 11 && column <= 15) {
        if (COptionList *list = QSystemInfo::GetInstance()->OptionList(column - 11))
            items = list->items();
    }
}

void QPageProjectInfo::UpdateButtonsEnabled()
{
    QPageChild::UpdateButtonsEnabled();
    const QList<QPushButton *> &buttons = Buttons();
    if (buttons.size() <= BtnDelete)
        return;
    const bool pending = m_bAdding || m_bEditing;
    for (int i : {BtnSearch, BtnExport, BtnAdd})
        buttons.at(i)->setEnabled(!pending || i == BtnAdd);
    if (pending) {
        buttons.at(BtnEdit)->setEnabled(true);
        buttons.at(BtnDelete)->setEnabled(false);
        return;
    }
    if (!m_bDetailView) {
        buttons.at(BtnEdit)->setEnabled(false);
        buttons.at(BtnAdd)->setEnabled(false);
        buttons.at(BtnDelete)->setEnabled(false);
    }
}

void QPageProjectInfo::OnToolChanged(int tool)
{
    SetDateMode(tool);
}

void QPageProjectInfo::SetDateMode(int mode)
{
    if (!ResolvePendingEdit()) {
        // The left tool bar has checked the new entry already: check the stored one again.
        const QList<QAction *> actions = m_pLeftToolBar->Actions();
        const int stored = CurrentSortIndex();
        if (stored != mode && stored >= 0 && stored < actions.size()) {
            QSignalBlocker blocker(m_pLeftToolBar);
            actions.at(stored)->trigger();
        }
        return;
    }
    CKLN_TQ420Setting::GetInstance()->SetSortMode(0, mode);
    updatePage();
}

void QPageProjectInfo::on_slot_sort_OneMonth()
{
    SetDateMode(0);
}

void QPageProjectInfo::on_slot_sort_threeMonth()
{
    SetDateMode(1);
}

void QPageProjectInfo::on_slot_sort_sixMonth()
{
    SetDateMode(2);
}

void QPageProjectInfo::on_slot_sort_nineMonth()
{
    SetDateMode(3);
}

void QPageProjectInfo::on_slot_sort_year()
{
    SetDateMode(4);
}

void QPageProjectInfo::on_slot_sort_All()
{
    SetDateMode(5);
}

void QPageProjectInfo::on_slot_Search()
{
    updatePage();
}

void QPageProjectInfo::on_switchBtn_Checked(bool bChecked)
{
    m_bDetailView = bChecked;
    for (int i = kFirstDetailColumn; i <= kLastDetailColumn; ++i)
        m_pTableView->setColumnHidden(i, !bChecked);
    for (int i = kFirstCountColumn; i <= kLastCountColumn; ++i)
        m_pTableView->setColumnHidden(i, bChecked);
    const QString title = bChecked ? tr("Project details") : tr("Project statistics");
    setWindowTitle(title);
    if (parentWidget())
        parentWidget()->setWindowTitle(title);
    UpdateButtonsEnabled();
}

void QPageProjectInfo::on_slot_ExportData()
{
    ExportSheet();
}

QString QPageProjectInfo::CellText(int row, int column) const
{
    return m_pTableView->Model()->index(row, column).data(Qt::EditRole).toString();
}

void QPageProjectInfo::OnCurrentRowChanged(int row)
{
    if (m_bAdding || m_bEditing)
        return;
    UpdateData(row);
}

void QPageProjectInfo::UpdateData(int row)
{
    if (row < 0 || row >= m_pTableView->Model()->rowCount())
        return;
    const QString name = CellText(row, 1);
    TQ_LOG << "m_strCurProjectName:" << name;
    CKLN_TQ420Setting::GetInstance()->SetCurrentProject(CellText(row, 0), CellText(row, kKeyColumn),
                                                        name, CellText(row, 2));
}

void QPageProjectInfo::SetEditingState(bool adding, bool editing)
{
    m_bAdding = adding;
    m_bEditing = editing;
    CKLN_TQ420Setting::GetInstance()->SetAddingProject(adding || editing);
    CKLN_TQ420Setting::GetInstance()->SetEditingProject(editing);
    RetranslateVerBtnText();
    UpdateButtonsEnabled();
}
