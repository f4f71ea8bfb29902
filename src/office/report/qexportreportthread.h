#pragma once

#include <QString>
#include <QStringList>
#include <QThread>

#include "office/report/reportinputs.h"

// Builds and saves the inspection report of a project's files on a worker thread. Each
// entry is an RTV base name, ";" and the video path; the RTV files lie in the project's
// cache folder. The inputs are copied in before it starts; signal_mysuccess() or
// signal_failed() reaches the page queued on the GUI thread.
class QExportReportThread : public QThread
{
    Q_OBJECT

public:
    explicit QExportReportThread(QObject *parent = nullptr);

    // Stores the job and starts the thread with the inherited priority.
    void StartExport(const QString &projectFolder, const QStringList &entries,
                     const QString &savePath, const ReportInputs &inputs);

    // The RTV path of an entry in the project's cache folder; empty for an entry without ";".
    static QString EntryRtvPath(const QString &projectDir, const QString &entry);
    static QString EntryVideoPath(const QString &entry);

signals:
    void signal_mysuccess();
    // The report was not written; the file at the save path is as it was.
    void signal_failed(const QString &reason);

protected:
    void run() override;

private:
    QString m_strProjectFolder;
    QStringList m_entries;
    QString m_strSavePath;
    ReportInputs m_inputs;
};
