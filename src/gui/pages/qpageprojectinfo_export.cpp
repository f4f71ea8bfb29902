// The data export of the current project: folder choice, worker thread behind the wait
// view, and the offer to open the folder afterwards.
#include "gui/pages/qpageprojectinfo.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QUrl>

#include "core/common/debuglog.h"
#include "core/settings/ckln_tq420setting.h"
#include "core/settings/qsysteminfo.h"
#include "gui/chrome/qwaitviewworkthread.h"
#include "gui/chrome/waitview.h"
#include "gui/dialogs/qdlgdataexport.h"
#include "gui/pages/pageprompt.h"
#include "office/report/cdataexporter.h"

void QPageProjectInfo::OnDataExport()
{
    if (!AskDataExportSettings())
        return;
    TQ_LOG << "DoDataExport() ...... 1";
    emit signal_handleDataExport();
}

// The export dialog edits the switches, which it stores in the application settings.
bool QPageProjectInfo::AskDataExportSettings()
{
    QDlgDataExport dialog(this);
    return dialog.exec() == QDialog::Accepted;
}

void QPageProjectInfo::handleDataExport()
{
    const QString dir = QFileDialog::getExistingDirectory(
        this, tr("Data export"), CKLN_TQ420Setting::GetInstance()->GetLastExportDir());
    if (dir.isEmpty()) {
        Pages::PagePrompt(this, tr("Warn"), tr("The export directory is empty"),
                          MyMessageBox::IconError, MyMessageBox::ButtonOk);
        return;
    }
    StartDataExport(dir);
}

void QPageProjectInfo::StartDataExport(const QString &dir)
{
    m_strExportDir = dir;
    m_strExportProjectKey = CKLN_TQ420Setting::GetInstance()->GetCurrentProHashCode();
    m_exportParam = CKLN_TQ420Setting::GetInstance()->GetDataExportParam();
    m_exportSystem = SystemValues::Of(*QSystemInfo::GetInstance());
    m_exportResult = CDataExporter::Result();
    CKLN_TQ420Setting::GetInstance()->SetLastExportPath(QDir(dir).filePath(QStringLiteral("x")));

    m_pWaitView = new WaitView(this, false, 0);
    m_pWaitView->setAttribute(Qt::WA_DeleteOnClose);
    m_pWaitView->setTitle(tr("Data export operation in progress, please wait ..."));
    auto *thread = new QWaitViewWorkThread(this, QVariant(), this);
    connect(thread, &QWaitViewWorkThread::export_finished, m_pWaitView, &WaitView::Close);
    connect(thread, &QWaitViewWorkThread::export_finished, this,
            &QPageProjectInfo::DataExportFinished);
    connect(this, &QPageProjectInfo::changeWaitViewTitle, m_pWaitView, &WaitView::setTitle);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    m_pWaitView->setActive(true);
    m_pWaitView->setModal(true);
    m_pWaitView->show();
    thread->start();
}

// On the worker thread: the steps of the export, each announcing its wait text.
void QPageProjectInfo::DoWork(const QVariant &)
{
    CDataExporter exporter(m_exportParam, m_exportSystem, m_strExportDir);
    connect(
        &exporter, &CDataExporter::signal_stepStarted, this,
        [this](const QString &text) { emit changeWaitViewTitle(text); }, Qt::DirectConnection);
    if (!exporter.SetProject(m_strExportProjectKey)) {
        TQ_LOG << "no project to export" << m_strExportProjectKey << "----";
        return;
    }
    if (!exporter.RunAll())
        TQ_LOG << "data export incomplete ----";
    m_exportResult = exporter.GetResult();
}

void QPageProjectInfo::DataExportFinished()
{
    m_pWaitView = nullptr;
    emit signal_dataExportFinished();
    const CDataExporter::Result &result = m_exportResult;
    if (!result.failures.isEmpty()) {
        constexpr int kShownLines = 10;
        QStringList lines = result.failures.mid(0, kShownLines);
        if (result.failures.size() > kShownLines)
            lines << tr("... and %1 more").arg(result.failures.size() - kShownLines);
        Pages::PagePrompt(this, tr("Warn"),
                          tr("These files were not exported:\n%1").arg(lines.join('\n')),
                          MyMessageBox::IconError, MyMessageBox::ButtonOk);
    }
    // The folder is offered only when something was written into it.
    if (result.Written() == 0) {
        Pages::PagePrompt(
            this, tr("Warn"),
            tr("Nothing was exported to %1 .").arg(QDir::toNativeSeparators(m_strExportDir)),
            MyMessageBox::IconError, MyMessageBox::ButtonOk);
        return;
    }
    if (Pages::PagePrompt(this, tr("Prompt"),
                          tr("Data export has finished , do you sure to open the directory ?"),
                          MyMessageBox::IconQuestion,
                          MyMessageBox::ButtonOkCancel) == MyMessageBox::ResultOk)
        QDesktopServices::openUrl(QUrl::fromLocalFile(m_strExportDir));
}
