#pragma once

#include <QString>
#include <QThread>
#include <QVariant>

// Writes a table page's sheet on a worker thread; the data are copied in before it starts
// and export_finished() reaches the page queued on the GUI thread. A file at the path is
// replaced by a new workbook, and only once that is written.
class QExportSheetThread : public QThread
{
    Q_OBJECT

public:
    explicit QExportSheetThread(QObject *parent = nullptr);

    // Stores the job and starts the thread with the inherited priority.
    void StartExport(const QString &path, const QVariant &data, int rows, int columns, int kind);
    // Whether the last export wrote its file, and why not.
    bool Succeeded() const { return m_bSucceeded; }
    QString ErrorString() const { return m_strError; }

signals:
    void export_finished();

protected:
    void run() override;

private:
    QString m_strPath;
    QVariant m_data;
    int m_nRows = 0;
    int m_nColumns = 0;
    int m_nKind = 0;
    bool m_bSucceeded = false;
    QString m_strError;
};
