#include "gui/pages/qpagedefectinfo.h"

#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlRecord>
#include <QUrl>

#include "core/common/clanguagesettings.h"
#include "core/common/debuglog.h"
#include "core/database/ckln_tq420database.h"
#include "core/files/qfilemanager.h"
#include "core/settings/ckln_tq420setting.h"
#include "core/settings/qsysteminfo.h"
#include "gui/chrome/displayscale.h"
#include "gui/chrome/waitview.h"
#include "gui/pages/headerspec.h"
#include "gui/pages/pageprompt.h"
#include "gui/pages/projectfilter.h"
#include "gui/pages/projectnamelabel.h"
#include "gui/pages/qdlgdetail.h"
#include "gui/pages/qmanageinterface.h"
#include "gui/pages/qmysqltablemodel.h"
#include "gui/pages/qmytableview.h"
#include "gui/pages/qpageprojectinfo.h"
#include "office/report/qexportreportthread.h"

namespace {
constexpr int kColumnCount = 18;
constexpr int kLastVisibleColumn = 10;
constexpr int kCustomSortEntry = 2;

int ColumnWidth(int column)
{
    switch (column) {
    case 4: // PipeDiameter
    case 6: // DefectLevel
        return 75;
    case 8: // DefectPosion
        return 225;
    default:
        return 150;
    }
}
} // namespace

QPageDefectInfo::QPageDefectInfo(QWidget *parent)
    : QPageChild(parent)
{
    m_nKeyColumn = kKeyColumn;
    m_pDlgDetail = new QDlgDetail(this);
    connect(m_pDlgDetail, &QDlgDetail::signal_getPreDefectImg, this,
            &QPageDefectInfo::on_slot_getPreDefectImg);
    connect(m_pDlgDetail, &QDlgDetail::signal_getNextDefectImg, this,
            &QPageDefectInfo::on_slot_getNextDefectImg);
    InitPage();
    MarkSortEntryForLaterVersion(kCustomSortEntry);
}

QPageDefectInfo::~QPageDefectInfo()
{
    WaitForWorkers();
}

QString QPageDefectInfo::GetTableName()
{
    return QStringLiteral("DefectInfo");
}

QString QPageDefectInfo::DefectHeaderSpec()
{
    QDefectInfoManage *columns = QDefectInfoManage::GetInstance();
    QStringList entries;
    for (int i = 0; i < kColumnCount; ++i) {
        QString title = columns->HeaderTitle(i);
        if (ColumnWidth(i) == 75)
            title = QPageProjectInfo::BrokenTitle(title); // narrow: broken after 2 characters
        entries << Pages::MakeHeaderSpecEntry(title, ColumnWidth(i), i <= kLastVisibleColumn,
                                              HeaderColumnSpec::NotEditable);
    }
    return entries.join(QLatin1Char(';'));
}

QString QPageDefectInfo::GetHeaderSpec()
{
    return DefectHeaderSpec();
}

QString QPageDefectInfo::SearchPlaceholder() const
{
    return tr("RoadName,PipeNum,PipeType,PipeMeterial,DefectName,DefectLevel,DefectProperty,"
              "TestDate,InterpretateDate");
}

QString QPageDefectInfo::GetFilter()
{
    const QString projectKey = CKLN_TQ420Setting::GetInstance()->GetCurrentProHashCode();
    if (projectKey.isEmpty())
        return QString();
    const QString search =
        m_pSearchEdit ? ProjectFilter::EffectiveSearch(m_pSearchEdit->text(), SearchPlaceholder())
                      : QString();
    return CKLN_TQ420DataBase::DefectPageCondition(projectKey, search);
}

QString QPageDefectInfo::GetDefaultOrderColumn()
{
    return CKLN_TQ420DataBase::DefectOrderColumn(CKLN_TQ420Setting::GetInstance()->GetSortMode(2));
}

void QPageDefectInfo::updatePage()
{
    if (m_pProjectLabel)
        m_pProjectLabel->setText(CKLN_TQ420Setting::GetInstance()->GetCurrentProName());
    QPageChild::updatePage();
}

QStringList QPageDefectInfo::GetButtonTexts()
{
    return {tr("Search"), tr("Export"), tr("Details"), tr("Report")};
}

QStringList QPageDefectInfo::GetSortMenuTexts()
{
    return {tr("LastedTested First"), tr("LastedInterpreted First"), tr("Custom Sort")};
}

int QPageDefectInfo::CurrentSortIndex()
{
    switch (CKLN_TQ420Setting::GetInstance()->GetSortMode(2)) {
    case 9:
        return 0;
    case 10:
        return 1;
    default:
        return -1; // ordered by road name, which no entry names; "Custom Sort" is inert
    }
}

void QPageDefectInfo::OnToolChanged(int tool)
{
    switch (tool) {
    case 0:
        on_slot_TestFirstSort();
        break;
    case 1:
        on_slot_InterpretateFirstSort();
        break;
    default:
        on_slot_Custom();
        break;
    }
}

void QPageDefectInfo::CreateTopBar()
{
    m_pProjectLabel = Pages::CreateProjectNameLabel(this);
    AddTopBarWidget(m_pProjectLabel);

    m_pSearchEdit = AddSearchEdit(SearchPlaceholder(), 500);
    connect(m_pSearchEdit, &QLineEdit::returnPressed, this, &QPageDefectInfo::on_slot_Search);
}

void QPageDefectInfo::CreateLeftButtons()
{
    const QStringList texts = GetButtonTexts();
    connect(AddButton(texts.at(BtnSearch), false), &QPushButton::clicked, this,
            &QPageDefectInfo::on_slot_Search);
    connect(AddButton(texts.at(BtnExport), false), &QPushButton::clicked, this,
            &QPageDefectInfo::on_slot_Export);
    connect(AddButton(texts.at(BtnDetails), true), &QPushButton::clicked, this,
            &QPageDefectInfo::on_slot_Detail);
    connect(AddButton(texts.at(BtnReport), false), &QPushButton::clicked, this,
            &QPageDefectInfo::on_slot_Report);
}

void QPageDefectInfo::Retranslate()
{
    QPageChild::Retranslate();
    if (m_pSearchEdit)
        m_pSearchEdit->setPlaceholderText(SearchPlaceholder());
}

// --- Sorting and search ----------------------------------------------------------------

void QPageDefectInfo::SetSortMode(int mode)
{
    CKLN_TQ420Setting::GetInstance()->SetSortMode(2, mode);
    RefreshCurrentView();
}

void QPageDefectInfo::on_slot_TestFirstSort()
{
    SetSortMode(9);
}

void QPageDefectInfo::on_slot_InterpretateFirstSort()
{
    SetSortMode(10);
}

void QPageDefectInfo::on_slot_Custom() {}

void QPageDefectInfo::on_slot_Search()
{
    updatePage();
}

void QPageDefectInfo::on_slot_Export()
{
    ExportSheet();
}

void QPageDefectInfo::onExportDefectImage(DataExportParam) {}

// --- Detail dialog -----------------------------------------------------------------------

int QPageDefectInfo::SelectedRow() const
{
    const QModelIndexList rows = m_pTableView->selectionModel()
                                     ? m_pTableView->selectionModel()->selectedRows()
                                     : QModelIndexList();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void QPageDefectInfo::ShowRowInDialog(int row)
{
    m_pDlgDetail->ShowDefect(m_pTableView->Model()->record(row));
}

void QPageDefectInfo::on_slot_Detail()
{
    const int row = SelectedRow();
    if (row < 0)
        return;
    ShowRowInDialog(row);
    if (m_pDlgDetail->isVisible())
        m_pDlgDetail->raise();
    else
        m_pDlgDetail->show();
}

void QPageDefectInfo::SeletctedRowDoubleClick(int)
{
    on_slot_Detail();
}

bool QPageDefectInfo::StepTo(int row)
{
    if (row < 0 || row >= m_pTableView->Model()->rowCount())
        return false;
    on_slot_itemchanged(row, m_nLastColumn);
    ShowRowInDialog(row);
    return true;
}

bool QPageDefectInfo::on_slot_getPreDefectImg()
{
    const int row = SelectedRow();
    return row > 0 && StepTo(row - 1);
}

bool QPageDefectInfo::on_slot_getNextDefectImg()
{
    const int row = SelectedRow();
    return row >= 0 && StepTo(row + 1);
}

// --- Report ----------------------------------------------------------------------------

QStringList QPageDefectInfo::ReportEntries(const QString &projectKey)
{
    QStringList entries;
    const QStringList videos =
        CKLN_TQ420DataBase::GetInstance()->GetVedioHashCodeFromDefectInfo(projectKey);
    for (const QString &video : videos) {
        const int cut = video.indexOf(QLatin1Char(';'));
        const QString key = video.left(cut);
        // Only plain keys name a folder; anything else would leave the project folder.
        if (cut <= 0 || !QFileManager::IsValidFolderName(key))
            continue;
        entries << key + QLatin1Char('/') + key + video.mid(cut);
    }
    return entries;
}

QString QPageDefectInfo::DefaultReportPath(const QString &dir, const QString &projectName)
{
    return dir + QLatin1Char('/') + QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")) +
           tr("_%1 inspection .doc").arg(projectName);
}

void QPageDefectInfo::on_slot_Report()
{
    CKLN_TQ420Setting *settings = CKLN_TQ420Setting::GetInstance();
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export report"),
        DefaultReportPath(settings->GetLastExportDir(), settings->GetCurrentProName()),
        QStringLiteral("Word (*.doc)"));
    if (path.isEmpty())
        return;
    StartReport(path);
}

bool QPageDefectInfo::StartReport(const QString &path)
{
    CKLN_TQ420Setting *settings = CKLN_TQ420Setting::GetInstance();
    const QString projectKey = settings->GetCurrentProHashCode();
    if (path.isEmpty() || projectKey.isEmpty() || m_pReportThread)
        return false;
    // Both settings files keep what the user sees when the report is made.
    settings->saveXml();
    QSystemInfo::GetInstance()->SaveSystemInfo();
    const ReportInputs inputs =
        ReportInputs::FromSettings(*settings, true, *QSystemInfo::GetInstance(),
                                   CLanguageSettings::GetInstance()->IsChinese());
    const QStringList entries = ReportEntries(projectKey);

    // A report at the path is replaced only once the new one is written.
    settings->SetLastExportPath(path);
    m_strReportPath = path;

    auto *thread = new QExportReportThread(this);
    m_pReportThread = thread;
    m_pWaitView = new WaitView(this, false, 0);
    m_pWaitView->setAttribute(Qt::WA_DeleteOnClose);
    m_pWaitView->setTitle(tr("The exporting report operation in progress , please wait ..."));
    connect(thread, &QExportReportThread::signal_mysuccess, m_pWaitView, &WaitView::Close);
    connect(thread, &QExportReportThread::signal_mysuccess, this,
            &QPageDefectInfo::on_slot_Report_Successed);
    connect(thread, &QExportReportThread::signal_failed, m_pWaitView, &WaitView::Close);
    connect(thread, &QExportReportThread::signal_failed, this, [this](const QString &reason) {
        m_pWaitView = nullptr;
        emit signal_reportFinished();
        Pages::PagePrompt(this, tr("Warn"), tr("The report could not be exported: %1").arg(reason),
                          MyMessageBox::IconError, MyMessageBox::ButtonOk);
    });
    connect(thread, &QThread::finished, this, [this, thread]() {
        // A worker that ends without success must not leave the page covered.
        if (m_pWaitView)
            m_pWaitView->Close();
        m_pWaitView = nullptr;
        m_pReportThread = nullptr;
        thread->deleteLater();
    });
    m_pWaitView->setActive(true);
    m_pWaitView->setModal(true);
    m_pWaitView->show();
    thread->StartExport(projectKey, entries, path, inputs);
    return true;
}

void QPageDefectInfo::on_slot_Report_Successed()
{
    m_pWaitView = nullptr;
    emit signal_reportFinished();
    if (Pages::PagePrompt(
            this, tr("Prompt"), tr("Export report successfully , do you want to open this ?"),
            MyMessageBox::IconQuestion, MyMessageBox::ButtonOkCancel) == MyMessageBox::ResultOk)
        QDesktopServices::openUrl(QUrl::fromLocalFile(m_strReportPath));
}
