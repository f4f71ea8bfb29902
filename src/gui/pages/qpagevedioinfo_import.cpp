// The import of videos on the worker behind the wait view, the rows it adds, and deleting
// a video with its rows, files and folder.
#include "gui/pages/qpagevedioinfo.h"

#include <QFileDialog>

#include "core/common/debuglog.h"
#include "core/database/ckln_tq420database.h"
#include "core/files/qfilemanager.h"
#include "core/inspection/cfilertv.h"
#include "core/settings/ckln_tq420setting.h"
#include "gui/pages/pageprompt.h"
#include "gui/pages/qaddvediothread.h"
#include "gui/pages/qmysqltablemodel.h"
#include "gui/pages/qmytableview.h"

// --- Import ---------------------------------------------------------------------------------

QString QPageVedioInfo::FolderOfPath(const QString &path)
{
    int cut = path.lastIndexOf(QLatin1Char('/'));
    if (cut < 0)
        cut = path.lastIndexOf(QLatin1Char('\\'));
    return cut < 0 ? QString() : path.left(cut);
}

void QPageVedioInfo::on_slot_Add()
{
    CKLN_TQ420Setting *settings = CKLN_TQ420Setting::GetInstance();
    TQ_LOG << "LastImportDir:" << settings->GetLastImportVedioDir();
    const QStringList files = QFileDialog::getOpenFileNames(
        this, tr("Add video"), settings->GetLastImportVedioDir(),
        tr("Vedio Files(*.AVI *.ASF *.MP4 *.MPG *.WMV *.MKV *.RMVB *.VOB *.3GP)"));
    if (files.isEmpty())
        return;
    const QString folder = FolderOfPath(files.first());
    if (!folder.isEmpty())
        settings->SetLastImportVedioDir(folder);
    StartImport(files);
}

void QPageVedioInfo::StartImport(const QStringList &files)
{
    const QString projectKey = CKLN_TQ420Setting::GetInstance()->GetCurrentProHashCode();
    if (files.isEmpty() || projectKey.isEmpty() || m_bAdding || m_bSwitching)
        return;
    m_bAdding = true;
    CFileRTV *file = FileRTV();
    file->close(); // the worker opens it on its own thread
    m_pAddThread = new QAddVedioThread(this);
    m_pAddThread->SetParams(file, files, projectKey, true);
    connect(m_pAddThread, &QAddVedioThread::signal_progress, this,
            &QPageVedioInfo::on_slot_AddVedioThread_Progress);
    connect(m_pAddThread, &QAddVedioThread::signal_addOneVideo, this,
            &QPageVedioInfo::on_slot_AddVedioThread_One);
    connect(m_pAddThread, &QAddVedioThread::signal_mysuccess, this,
            &QPageVedioInfo::on_slot_AddVedioThread_Successed);
    connect(m_pAddThread, &QThread::finished, this,
            &QPageVedioInfo::on_slot_AddVedioThread_finished);
    m_pWaitView = ShowWaitView(tr("The adding video operation in progress , please wait ......"));
    m_pAddThread->start();
}

void QPageVedioInfo::on_slot_AddVedioThread_Progress(int current, int total)
{
    // The file is about to be reused for the next video.
    m_strLoadedRtvPath.clear();
    // Several videos: how far the import is, under the usual text.
    if (m_pWaitView && total > 1)
        m_pWaitView->setTitle(tr("The adding video operation in progress , please wait ......") +
                              QStringLiteral("\n%1 / %2").arg(current).arg(total));
}

void QPageVedioInfo::on_slot_AddVedioThread_One(QVedioInfo info)
{
    // The importer has stored the row with the video's defects.
    const QString folder =
        QFileManager::GetInstance()->GetProjectDir(info.strProHashCode, info.strHashCode);
    m_strLoadedRtvPath =
        folder.isEmpty() ? QString() : folder + QLatin1Char('/') + info.strHashCode + ".rtv";
    m_strLastAddedKey = info.strHashCode;
    m_strCurrentKey = info.strHashCode;
    RecountProject();
    updatePage();
}

void QPageVedioInfo::on_slot_AddVedioThread_Successed() {}

void QPageVedioInfo::on_slot_AddVedioThread_finished()
{
    m_bAdding = false;
    if (m_pWaitView)
        m_pWaitView->Close();
    m_pWaitView = nullptr;
    CImportSummary summary;
    if (m_pAddThread) {
        summary = m_pAddThread->Summary();
        m_pAddThread->deleteLater();
    }
    m_pAddThread = nullptr;
    emit Notify_WaitView_Close();
    updatePage();
    ReadRow(m_nCurRow);
    SwitchIfNeeded();
    // Several videos, or one that fell back or failed: the user hears what became of each.
    if (summary.Imported() + summary.Failed() > 1 || summary.HasProblems())
        Pages::PagePrompt(this, tr("Add video"), summary.Text(),
                          summary.Failed() > 0 ? MyMessageBox::IconError
                                               : MyMessageBox::IconInformation,
                          MyMessageBox::ButtonOk);
}

void QPageVedioInfo::RecountProject()
{
    int videos = 0, pipes = 0, standard = 0, defects = 0;
    float mileage = 0;
    const QString projectKey = CKLN_TQ420Setting::GetInstance()->GetCurrentProHashCode();
    if (!projectKey.isEmpty())
        CKLN_TQ420DataBase::GetInstance()->UpdateProjectCountInfo(projectKey, videos, pipes,
                                                                  mileage, standard, defects);
}

// --- Delete ---------------------------------------------------------------------------------

void QPageVedioInfo::on_slot_Del()
{
    QMySqlTableModel *model = m_pTableView->Model();
    const int row = m_nCurRow;
    if (m_bAdding || m_bSwitching || row < 0 || row >= model->rowCount())
        return;
    if (!ConfirmDelete())
        return;
    const QString videoKey = KeyOfRow(row);
    const QString projectKey = model->index(row, kProjectKeyColumn).data(Qt::EditRole).toString();
    const QString nextKey = KeyOfRow(row + 1 < model->rowCount() ? row + 1 : row - 1);

    // The inspection file must not stay open inside the folder that goes.
    const QString folder = QFileManager::GetInstance()->GetProjectDir(projectKey, videoKey);
    CFileRTV *file = FileRTV();
    if (!folder.isEmpty() && (file->databasePath().startsWith(folder + QLatin1Char('/')))) {
        file->close();
        file->ResetContents();
        m_strLoadedRtvPath.clear();
    }

    model->removeRow(row);
    if (!SubmitChanges()) {
        model->revertAll();
        return;
    }
    RecountProject();
    if (!QFileManager::GetInstance()->RemoveItemDir(projectKey, videoKey))
        TQ_LOG << "cannot remove the folder of" << videoKey << "----";
    m_strCurrentKey = nextKey;
    updatePage();
    m_pTableView->setFocus();
}
