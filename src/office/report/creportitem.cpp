#include "office/report/creportitem.h"

#include "core/common/debuglog.h"

CReportItem::CReportItem(QObject *parent)
    : QObject(parent)
{}

bool CReportItem::Init(const QString &rtvPath, const QString &videoPath)
{
    m_strPath = rtvPath;
    // The files are the user's own (report mode): read them, never migrate or mark them.
    if (!m_fileRTV.open(rtvPath, CFileRTV::OpenReadOnly) || !m_fileRTV.TraversalFile()) {
        TQ_LOG << "Unnormal path:" << rtvPath;
        m_fileRTV.close();
        return false;
    }
    m_fileRTV.setAVIParam(videoPath, QString());
    m_fileRTV.Evaluate();
    m_fileRTV.close();
    return true;
}

int CReportItem::GetDefectCount(int type, int grade) const
{
    return m_fileRTV.GetDefectCount(type, grade);
}

int CReportItem::GetTypeTotal(int type) const
{
    int total = 0;
    for (int grade = 0; grade < CFileRTV::kDefectLevels; ++grade)
        total += m_fileRTV.GetDefectCount(type, grade);
    return total;
}

QString CReportItem::GetTestDate() const
{
    return m_fileRTV.GetProjectParam().strTestDate;
}

bool CReportItem::IsEvaluated() const
{
    return !m_fileRTV.GetDefectList().isEmpty();
}

bool CReportItem::HasDefects() const
{
    return IsEvaluated() && m_fileRTV.GetDefectList().first().defectParam.DefectName != -1;
}

QString CReportItem::SectionName() const
{
    const PipelineParam &pipe = m_fileRTV.GetPipelineParam();
    return pipe.startWell.strWellNum + QLatin1Char('~') + pipe.endWell.strWellNum;
}
