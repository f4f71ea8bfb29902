// The operations an interpretation tool uses on the current video: defects inserted,
// updated and deleted (CDefectEditor keeps file, database and frames in step), the pipe
// data written back to the video's row, and moving to the previous or next video.
#include "gui/pages/qpagevedioinfo.h"

#include <QSqlError>
#include <QSqlRecord>

#include "core/common/debuglog.h"
#include "core/database/ckln_tq420database.h"
#include "core/files/cdefecteditor.h"
#include "core/inspection/cfilertv.h"
#include "core/settings/ckln_tq420setting.h"
#include "core/settings/qsysteminfo.h"
#include "gui/pages/qmysqltablemodel.h"
#include "gui/pages/qmytableview.h"

namespace {
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

CDefectEditor QPageVedioInfo::Editor() const
{
    return CDefectEditor(m_strVideoKey, m_strVideoDir, *FileRTV(),
                         *CKLN_TQ420DataBase::GetInstance());
}

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
    const CDefectEditor::Result result = Editor().SaveDefect(item);
    if (result.ok() && result.added) {
        RecountProject();
        updatePage();
    }
    if (result.ok() && m_bInterpretation)
        emit Notify_successedInsertDefect(item.nTimeIndex);
}

void QPageVedioInfo::on_slot_deleteDefectItem(int &nPos_zero)
{
    if (CKLN_TQ420Setting::GetInstance()->GetCurrentProHashCode().isEmpty())
        return;
    if (!EnsureFileOpen())
        return;
    const CDefectEditor::Result result = Editor().DeleteAt(nPos_zero);
    if (result.outcome == CDefectEditor::Outcome::NoSuchDefect)
        return;
    nPos_zero = result.nextPosition;
    if (result.ok() && m_bInterpretation)
        emit Notify_successedDelDefect();
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
