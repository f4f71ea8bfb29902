// The operations an interpretation tool uses on the current video: defects inserted,
// updated and deleted in the RTV file and the project database together, the pipe data
// written back to the video's row, and moving to the previous or next video.
#include "gui/pages/qpagevedioinfo.h"

#include <QDir>
#include <QSqlError>
#include <QSqlRecord>

#include "core/files/qfilemanager.h"
#include "core/settings/qsysteminfo.h"
#include "core/database/ckln_tq420database.h"
#include "core/inspection/cfilertv.h"
#include "core/common/debuglog.h"
#include "core/settings/ckln_tq420setting.h"
#include "gui/pages/qmysqltablemodel.h"
#include "gui/pages/qmytableview.h"

namespace {
// Copies an image over a target; a path onto itself is left alone (a copy would lose it).
bool CopyImage(const QString &source, const QString &target)
{
    if (QDir::cleanPath(source) == QDir::cleanPath(target))
        return true;
    return QFileManager::CopyFileToPath(source, target);
}

QString OptionText(int slot, int index)
{
    const COptionList *list = QSystemInfo::GetInstance()->OptionList(slot);
    return list ? list->itemAt(index) : QString();
}

double SixDigits(double value)
{
    return QString::number(value, 'g', 6).toDouble();
}
} // namespace

bool QPageVedioInfo::EnsureFileOpen()
{
    CFileRTV *file = FileRTV();
    if (m_bAdding || m_bSwitching || m_strRtvPath.isEmpty())
        return false;
    if (m_strLoadedRtvPath != m_strRtvPath) {
        TQ_LOG << "the inspection file does not hold the selected video" << m_strRtvPath << "----";
        return false;
    }
    if (file->isOpen() && file->databasePath() == m_strRtvPath)
        return true;
    return file->open(m_strRtvPath);
}

void QPageVedioInfo::on_slot_insertDefect(CDefectItem item)
{
    if (CKLN_TQ420Setting::GetInstance()->GetCurrentProHashCode().isEmpty())
        return;
    if (!EnsureFileOpen())
        return;
    CFileRTV *file = FileRTV();
    CKLN_TQ420DataBase *db = CKLN_TQ420DataBase::GetInstance();
    QList<CDefectItem> &defects = file->GetDefectList();
    int existing = -1;
    for (int i = 0; i < defects.size() && existing < 0; ++i)
        if (defects.at(i).nTimeIndex == item.nTimeIndex)
            existing = i;

    bool ok = false;
    if (existing >= 0) {
        const CDefectItem &old = defects.at(existing);
        CopyImage(item.strOrgImgPath, old.strOrgImgPath);
        CopyImage(item.strDefectImgPath, old.strDefectImgPath);
        item.strOrgImgPath = old.strOrgImgPath;
        item.strDefectImgPath = old.strDefectImgPath;
        defects[existing] = item;
        TQ_LOG << "on_slot_insertDefect ......exist";
        const bool fileOk = file->UpdateDefectItem(item);
        const bool dbOk = db->UpdateDefectItem(m_strVideoKey, item);
        ok = fileOk && dbOk;
    } else {
        const CRobotStateItem state = file->GetRobotState(item.nTimeIndex);
        if (state.nTimeIndex != -1)
            item.curTime = state.curTime;
        TQ_LOG << "on_slot_insertDefect ......" << m_strVideoKey;
        const QString images = m_strVideoDir + QStringLiteral("/Images/");
        const QString org = images + QStringLiteral("%1_org.png").arg(item.nTimeIndex);
        const QString marked = images + QStringLiteral("%1_defect.png").arg(item.nTimeIndex);
        CopyImage(item.strOrgImgPath, org);
        CopyImage(item.strDefectImgPath, marked);
        item.strOrgImgPath = org;
        item.strDefectImgPath = marked;
        ok = file->InsertDefectItem(item);
        if (ok) {
            const ProjectParam &header = file->GetProjectParam();
            ok = db->InsertDefectItem(header.strTestSite, m_strVideoKey, header.strTestDate,
                                      file->GetPipelineParam(), item);
        }
        if (ok) {
            db->updateVideoInterpretationNum(m_strVideoKey, file->GetDefectList().size());
            RecountProject();
            updatePage();
        }
    }
    if (!ok)
        TQ_LOG << "the defect" << item.nTimeIndex << "was not written completely !!!";
    if (ok && m_bInterpretation)
        emit Notify_successedInsertDefect(item.nTimeIndex);
}

void QPageVedioInfo::on_slot_deleteDefectItem(int &nPos_zero)
{
    if (CKLN_TQ420Setting::GetInstance()->GetCurrentProHashCode().isEmpty())
        return;
    if (!EnsureFileOpen())
        return;
    CFileRTV *file = FileRTV();
    if (nPos_zero < 0 || nPos_zero >= file->GetDefectList().size()) {
        TQ_LOG << "no defect at" << nPos_zero << "----";
        return;
    }
    const int timeIndex = file->GetDefectList().at(nPos_zero).nTimeIndex;
    CKLN_TQ420DataBase *db = CKLN_TQ420DataBase::GetInstance();
    db->DeleteDefectItem(CKLN_TQ420DataBase::DefectKey(m_strVideoKey, timeIndex));
    nPos_zero = file->DeleteDefectItem(nPos_zero);
    if (m_bInterpretation)
        emit Notify_successedDelDefect();
    db->updateVideoInterpretationNum(m_strVideoKey, file->GetDefectList().size());
    RecountProject();
    updatePage();
}

void QPageVedioInfo::on_slot_updatePipeInfo()
{
    CFileRTV *file = FileRTV();
    QMySqlTableModel *model = m_pTableView->Model();
    if (file->databasePath().isEmpty() || m_nCurRow < 0 || m_nCurRow >= model->rowCount())
        return;
    const PipelineParam &pipe = file->GetPipelineParam();
    QSqlRecord record = model->record(m_nCurRow);
    record.setValue(QStringLiteral("RoadName"), file->GetProjectParam().strTestSite);
    record.setValue(QStringLiteral("PipeNum"),
                    pipe.strStartWellID + QLatin1Char('~') + pipe.strEndWellID);
    record.setValue(QStringLiteral("PipeType"),
                    OptionText(QSystemInfo::PipeType, pipe.nPipeSectionType));
    record.setValue(QStringLiteral("PipeMeterial"),
                    OptionText(QSystemInfo::PipeMaterial, pipe.nPipeSectionMaterial));
    record.setValue(QStringLiteral("iDefectNums"), file->GetDefectList().size());
    record.setValue(QStringLiteral("Longitude"), SixDigits(pipe.fWellLongitude));
    record.setValue(QStringLiteral("Latitude"), SixDigits(pipe.fWellLatitude));
    record.setValue(QStringLiteral("PipeSectionLen"), double(pipe.fPipeSectionLen));
    record.setValue(QStringLiteral("PipeBranchDepth"), double(pipe.fPipeBranchDepth));
    record.setValue(QStringLiteral("PipeSectionDiameter"), pipe.nPipeSectionDiameter);

    QSqlDatabase db = model->database();
    db.transaction();
    if (!model->setRecord(m_nCurRow, record) || !model->submitAll()) {
        TQ_LOG << "on_slot_updatePipeInfo:" << model->lastError().text() << "!!!";
        db.rollback();
        model->revertAll();
        return;
    }
    db.commit();
    CKLN_TQ420DataBase::GetInstance()->UpdatePipelineInfoInDefectInfo();
    RecountProject();
    RefreshCurrentView();
}

void QPageVedioInfo::GotoRow(int row, bool &bPreBtnEnable, bool &bNextBtnEnable)
{
    const int rows = m_pTableView->Model()->rowCount();
    if (row >= 0 && row < rows && !m_bAdding && !m_bSwitching) {
        FileRTV()->close();
        m_bGotoVedio = true;
        m_nCurRow = row;
        m_strCurrentKey = KeyOfRow(row);
        ReadRow(row);
        SelectCurrentRow();
        SwitchIfNeeded();
    }
    bPreBtnEnable = m_nCurRow > 0;
    bNextBtnEnable = rows > 1 && m_nCurRow < rows - 1;
}

void QPageVedioInfo::on_slot_gotoNextVedio(bool &bPreBtnEnable, bool &bNextBtnEnable)
{
    const int rows = m_pTableView->Model()->rowCount();
    int row = -1;
    if (rows >= 2 && m_nCurRow < rows - 1) {
        TQ_LOG << "gotoNextVedio()";
        row = m_nCurRow + 1;
    }
    GotoRow(row, bPreBtnEnable, bNextBtnEnable);
}

void QPageVedioInfo::on_slot_gotoPreVedio(bool &bPreBtnEnable, bool &bNextBtnEnable)
{
    TQ_LOG << "on_slot_gotoPreVedio()";
    GotoRow(m_nCurRow > 0 ? m_nCurRow - 1 : -1, bPreBtnEnable, bNextBtnEnable);
}
