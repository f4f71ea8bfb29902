#include "office/report/qexportreportthread.h"

#include <memory>

#include "core/files/qfilemanager.h"
#include "office/report/cmodelreport.h"

QExportReportThread::QExportReportThread(QObject *parent)
    : QThread(parent)
{}

void QExportReportThread::StartExport(const QString &projectFolder, const QStringList &entries,
                                      const QString &savePath, const ReportInputs &inputs)
{
    m_strProjectFolder = projectFolder;
    m_entries = entries;
    m_strSavePath = savePath;
    m_inputs = inputs;
    start(InheritPriority);
}

QString QExportReportThread::EntryRtvPath(const QString &projectDir, const QString &entry)
{
    const int cut = entry.indexOf(QLatin1Char(';'));
    if (cut < 0)
        return QString();
    return projectDir + QLatin1Char('/') + entry.left(cut) + QStringLiteral(".rtv");
}

QString QExportReportThread::EntryVideoPath(const QString &entry)
{
    const int cut = entry.indexOf(QLatin1Char(';'));
    return cut < 0 ? QString() : entry.mid(cut + 1);
}

void QExportReportThread::run()
{
    // The builder, and with it the word processor, lives and dies on this thread.
    auto report = std::make_unique<CModelReport>(m_inputs);
    const QString projectDir =
        QFileManager::GetInstance()->GetProjectDir(m_strProjectFolder, QString());
    for (const QString &entry : qAsConst(m_entries)) {
        const QString rtvPath = EntryRtvPath(projectDir, entry);
        if (!rtvPath.isEmpty())
            report->InsertReportItem(rtvPath, EntryVideoPath(entry));
    }
    if (report->ItemCount() == 0) {
        emit signal_failed(tr("None of the project's RTV files could be read."));
        return;
    }
    const bool written = report->GenerateReport(m_strSavePath);
    const QString reason = report->ErrorString();
    report.reset();
    if (written)
        emit signal_mysuccess();
    else
        emit signal_failed(reason);
}
