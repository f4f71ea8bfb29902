#include "office/report/qexportsheetthread.h"

#include "office/report/cmodelsheet.h"

QExportSheetThread::QExportSheetThread(QObject *parent)
    : QThread(parent)
{}

void QExportSheetThread::StartExport(const QString &path, const QVariant &data, int rows,
                                     int columns, int kind)
{
    m_strPath = path;
    m_data = data;
    m_nRows = rows;
    m_nColumns = columns;
    m_nKind = kind;
    start(InheritPriority);
}

void QExportSheetThread::run()
{
    // The sheet and its engine live and die on this thread. The user has chosen to replace
    // the file, so it is not written into (reuse 0).
    CModelSheet sheet(QStringLiteral("Sheet1"), 0);
    switch (m_nKind) {
    case CModelSheet::ProjectDetails:
        m_bSucceeded = sheet.ExportProjectDetails(m_strPath, m_data, m_nRows, m_nColumns);
        break;
    case CModelSheet::AcceptanceVideo:
        m_bSucceeded = sheet.ExportAcceptanceVideo(m_strPath, m_data, m_nRows, m_nColumns);
        break;
    default:
        m_bSucceeded = sheet.ExportInterpretationRecord(m_strPath, m_data, m_nRows, m_nColumns);
        break;
    }
    m_strError = sheet.ErrorString();
    emit export_finished();
}
