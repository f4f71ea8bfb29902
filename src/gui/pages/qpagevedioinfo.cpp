#include "gui/pages/qpagevedioinfo.h"

#include <iterator>

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSqlError>

#include "core/common/debuglog.h"
#include "core/database/ckln_tq420database.h"
#include "core/files/qfilemanager.h"
#include "core/settings/ckln_tq420setting.h"
#include "gui/chrome/displayscale.h"
#include "gui/chrome/stylesheet.h"
#include "gui/chrome/waitview.h"
#include "gui/pages/headerspec.h"
#include "gui/pages/pageprompt.h"
#include "gui/pages/projectfilter.h"
#include "gui/pages/projectnamelabel.h"
#include "gui/pages/qaddvediothread.h"
#include "gui/pages/qmanageinterface.h"
#include "gui/pages/qmysqltablemodel.h"
#include "gui/pages/qmytableview.h"
#include "gui/pages/qswitchrtvfilethread.h"

namespace {
constexpr int kColumnCount = 15;
// Sort modes of the video page, in the order of its sort menu.
constexpr int kSortModes[] = {7, 5, 6};
constexpr int kCustomSortEntry = 3;
} // namespace

QPageVedioInfo::QPageVedioInfo(QWidget *parent)
    : QPageChild(parent)
{
    m_nKeyColumn = kKeyColumn;
    InitPage();
    // Whole pages of videos, not as many rows as happen to fit.
    m_pPagingWidget->SetPageStepByViewEnable(false);
    MarkSortEntryForLaterVersion(kCustomSortEntry);
}

QPageVedioInfo::~QPageVedioInfo()
{
    WaitForWorkers(); // they use the inspection file
}

QString QPageVedioInfo::GetTableName()
{
    return QStringLiteral("VedioCount");
}

QString QPageVedioInfo::VideoHeaderSpec()
{
    QVedioInfoManage *columns = QVedioInfoManage::GetInstance();
    QStringList entries;
    for (int i = 0; i < kColumnCount; ++i) {
        const int width = i == kVideoPathColumn ? 300 : 150;
        const bool visible = i != kKeyColumn && i != kProjectKeyColumn;
        entries << Pages::MakeHeaderSpecEntry(columns->HeaderTitle(i), width, visible,
                                              HeaderColumnSpec::NotEditable);
    }
    return entries.join(QLatin1Char(';'));
}

QString QPageVedioInfo::GetHeaderSpec()
{
    return VideoHeaderSpec();
}

QString QPageVedioInfo::SearchPlaceholder() const
{
    return tr("RoadName,PipeNum");
}

QString QPageVedioInfo::GetFilter()
{
    const QString projectKey = CKLN_TQ420Setting::GetInstance()->GetCurrentProHashCode();
    if (projectKey.isEmpty())
        return QString();
    const QString search =
        m_pSearchEdit ? ProjectFilter::EffectiveSearch(m_pSearchEdit->text(), SearchPlaceholder())
                      : QString();
    return CKLN_TQ420DataBase::VideoPageCondition(projectKey, search);
}

QString QPageVedioInfo::GetDefaultOrderColumn()
{
    return CKLN_TQ420DataBase::VideoOrderColumn(CKLN_TQ420Setting::GetInstance()->GetSortMode(1));
}

void QPageVedioInfo::updatePage()
{
    CKLN_TQ420Setting *settings = CKLN_TQ420Setting::GetInstance();
    if (m_pProjectLabel)
        m_pProjectLabel->setText(settings->GetCurrentProName());
    QPageChild::updatePage();
    if (m_pTableView->Model()->rowCount() == 0)
        ClearSelection();
}

QStringList QPageVedioInfo::GetButtonTexts()
{
    return {tr("Search"), tr("Export"), tr("Add"), tr("Interpretation"), tr("Delete"), tr("Spike")};
}

QStringList QPageVedioInfo::GetSortMenuTexts()
{
    return {tr("None Interpretate First"), tr("Record First"), tr("Export First"),
            tr("Custom Sort")};
}

int QPageVedioInfo::CurrentSortIndex()
{
    const int mode = CKLN_TQ420Setting::GetInstance()->GetSortMode(1);
    for (int i = 0; i < int(std::size(kSortModes)); ++i)
        if (kSortModes[i] == mode)
            return i;
    return 2; // any other mode orders by import date, as "Export First"
}

void QPageVedioInfo::OnToolChanged(int tool)
{
    switch (tool) {
    case 0:
        on_slot_NoneInterpretateFirstSort();
        break;
    case 1:
        on_slot_RecordFirstSort();
        break;
    case 2:
        on_slot_ExportFirstSort();
        break;
    default:
        on_slot_CustomSort();
        break;
    }
}

void QPageVedioInfo::CreateTopBar()
{
    m_pProjectLabel = Pages::CreateProjectNameLabel(this);
    AddTopBarWidget(m_pProjectLabel);

    m_pSearchEdit = AddSearchEdit(SearchPlaceholder(), 300);
    connect(m_pSearchEdit, &QLineEdit::returnPressed, this, &QPageVedioInfo::on_slot_Search);
}

void QPageVedioInfo::CreateLeftButtons()
{
    const QStringList texts = GetButtonTexts();
    connect(AddButton(texts.at(BtnSearch), false), &QPushButton::clicked, this,
            &QPageVedioInfo::on_slot_Search);
    connect(AddButton(texts.at(BtnExport), false), &QPushButton::clicked, this,
            &QPageVedioInfo::on_slot_Export);
    connect(AddButton(texts.at(BtnAdd), false), &QPushButton::clicked, this,
            &QPageVedioInfo::on_slot_Add);
    // The interpretation tool and the spike review come with a later version.
    QPushButton *interpretation = AddButton(texts.at(BtnInterpretation), false);
    connect(interpretation, &QPushButton::clicked, this, &QPageVedioInfo::on_slot_Interpretation);
    MarkForLaterVersion(interpretation);
    connect(AddButton(texts.at(BtnDelete), true), &QPushButton::clicked, this,
            &QPageVedioInfo::on_slot_Del);
    QPushButton *spike = AddButton(texts.at(BtnSpike), false);
    connect(spike, &QPushButton::clicked, this, &QPageVedioInfo::on_slot_Spike);
    MarkForLaterVersion(spike);
}

void QPageVedioInfo::CreateContextMenu()
{
    m_pContextMenu = new QMenu(this);
    StyleSheet::AppendStyleSheet(m_pContextMenu, QStringLiteral(":/css/Theme/QSS/QPopMenu.css"));
    m_lstMenuActions << m_pContextMenu->addAction(tr("&Add video"), this,
                                                  &QPageVedioInfo::on_slot_Add)
                     << m_pContextMenu->addAction(tr("&Delete"), this,
                                                  &QPageVedioInfo::on_slot_Del);
}

void QPageVedioInfo::Retranslate()
{
    QPageChild::Retranslate();
    if (m_pSearchEdit)
        m_pSearchEdit->setPlaceholderText(SearchPlaceholder());
    const QStringList texts = {tr("&Add video"), tr("&Delete")};
    for (int i = 0; i < texts.size() && i < m_lstMenuActions.size(); ++i)
        m_lstMenuActions.at(i)->setText(texts.at(i));
}

CFileRTV *QPageVedioInfo::FileRTV() const
{
    return CKLN_TQ420Setting::GetInstance()->GetCurrentFileRTV();
}

// --- Sorting and search ----------------------------------------------------------------

void QPageVedioInfo::SetSortMode(int mode)
{
    CKLN_TQ420Setting::GetInstance()->SetSortMode(1, mode);
    RefreshCurrentView();
}

void QPageVedioInfo::on_slot_ExportFirstSort()
{
    SetSortMode(6);
}

void QPageVedioInfo::on_slot_RecordFirstSort()
{
    SetSortMode(5);
}

void QPageVedioInfo::on_slot_NoneInterpretateFirstSort()
{
    SetSortMode(7);
}

void QPageVedioInfo::on_slot_CustomSort() {}

void QPageVedioInfo::on_slot_Search()
{
    updatePage();
}

void QPageVedioInfo::on_slot_Export()
{
    ExportSheet();
}

void QPageVedioInfo::on_slot_Interpretation()
{
    TQ_LOG << "enter on_slot_Interpretation()----";
    TQ_LOG << "leave on_slot_Interpretation()----";
}

void QPageVedioInfo::on_slot_Spike() {}

// --- Selection and switching -------------------------------------------------------------

void QPageVedioInfo::OnCurrentRowChanged(int row)
{
    if (m_bAdding || m_bSwitching)
        return; // the inspection file is busy; the selection stays
    if (row < 0 || row >= m_pTableView->Model()->rowCount())
        return;
    m_nCurRow = row;
    m_strCurrentKey = KeyOfRow(row);
    ReadRow(row);
    SwitchIfNeeded();
}

void QPageVedioInfo::ReadRow(int row)
{
    const QMySqlTableModel *model = m_pTableView->Model();
    if (row < 0 || row >= model->rowCount()) {
        ClearSelection();
        return;
    }
    m_strVideoKey = KeyOfRow(row);
    m_strVideoPath = model->index(row, kVideoPathColumn).data(Qt::EditRole).toString();
    const QString projectKey = model->index(row, kProjectKeyColumn).data(Qt::EditRole).toString();
    QFileManager *files = QFileManager::GetInstance();
    // A key that is not one plain folder name gives no folder, so nothing is made or read.
    m_strVideoDir = files->GetProjectDir(projectKey, m_strVideoKey);
    if (m_strVideoDir.isEmpty()) {
        TQ_LOG << "no folder for the video" << m_strVideoKey << "----";
        m_strRtvPath.clear();
        return;
    }
    m_strRtvPath = m_strVideoDir + QLatin1Char('/') + m_strVideoKey + QStringLiteral(".rtv");
    files->CreateDir(m_strVideoDir, QStringLiteral("Images"));
}

void QPageVedioInfo::ClearSelection()
{
    m_strVideoKey.clear();
    m_strVideoDir.clear();
    m_strVideoPath.clear();
    m_strRtvPath.clear();
}

void QPageVedioInfo::SwitchIfNeeded()
{
    if (m_bAdding || m_bSwitching || m_strRtvPath.isEmpty())
        return;
    if (m_strRtvPath == m_strLoadedRtvPath)
        return;
    StartSwitch(m_strRtvPath);
}

WaitView *QPageVedioInfo::ShowWaitView(const QString &text)
{
    auto *waitView = new WaitView(this, false, 0);
    waitView->setAttribute(Qt::WA_DeleteOnClose);
    waitView->setTitle(text);
    waitView->setActive(true);
    waitView->setModal(true);
    waitView->show();
    return waitView;
}

void QPageVedioInfo::StartSwitch(const QString &rtvPath)
{
    if (m_bSwitching)
        return;
    m_bSwitching = true;
    CFileRTV *file = FileRTV();
    // The GUI thread lets go of the file before the worker opens it on its own thread.
    file->close();
    file->setAVIParam(m_strVideoPath,
                      m_pTableView->Model()->index(m_nCurRow, 5).data(Qt::EditRole).toString());
    // Whatever the outcome, the file now holds this one's contents (or a failed read).
    m_strLoadedRtvPath = rtvPath;

    m_pSwitchThread = new QSwitchRTVFileThread(this);
    m_pSwitchThread->SetParams(file, rtvPath);
    connect(m_pSwitchThread, &QSwitchRTVFileThread::signal_successed, this,
            &QPageVedioInfo::on_slot_SwitchFileThread_Successed);
    connect(m_pSwitchThread, &QThread::finished, this,
            &QPageVedioInfo::on_slot_SwitchFileThread_finished);
    m_pWaitView = ShowWaitView(tr("The switching pipeline operation in progress ,please wait ..."));
    setEnabled(false);
    m_pSwitchThread->start();
}

void QPageVedioInfo::on_slot_SwitchFileThread_Successed()
{
    m_bSwitching = false;
    TQ_LOG << "SwitchFileThread_Successed()---m_iSelRow:" << m_nCurRow;
    if (m_bGotoVedio && !CKLN_TQ420Setting::GetInstance()->GetCurrentProHashCode().isEmpty()) {
        m_bGotoVedio = false;
        // Stays open on this thread for the interpretation tool.
        FileRTV()->open(m_strRtvPath);
        emit Notify_switchVedio(m_strVideoPath);
    }
}

void QPageVedioInfo::on_slot_SwitchFileThread_finished()
{
    m_bSwitching = false;
    setEnabled(true);
    if (m_pWaitView)
        m_pWaitView->Close();
    m_pWaitView = nullptr;
    if (m_pSwitchThread)
        m_pSwitchThread->deleteLater();
    m_pSwitchThread = nullptr;
    emit Notify_WaitView_Close();
    // The selection may have moved on while the file was read.
    SwitchIfNeeded();
}
