#pragma once

#include <QString>
#include <QStringList>
#include <QThread>

#include "core/files/importsummary.h"
#include "core/files/qvedioinfo.h"

class CFileRTV;

// Imports the chosen videos one by one on a worker thread (CVideoImporter does the work of
// one file, inside one CImportSession). A file that fails is skipped and the others go on;
// the summary tells what became of each. Results reach the page by
// queued signals only; the target inspection file is used by this thread alone while it
// runs (the page waits behind a modal wait view).
class QAddVedioThread : public QThread
{
    Q_OBJECT

public:
    explicit QAddVedioThread(QObject *parent = nullptr);

    // Stores the job; call before start().
    void SetParams(CFileRTV *target, const QStringList &sources, const QString &projectKey,
                   bool storeDefects);
    // The number of files that were imported by the last run.
    int ImportedCount() const { return m_nImported; }
    // What the last run did per file; read it once the thread has finished.
    const CImportSummary &Summary() const { return m_summary; }

signals:
    // Before each file: its position (1-based) and the number of files.
    void signal_progress(int current, int total);
    void signal_addOneVideo(QVedioInfo info);
    void signal_mysuccess();

protected:
    void run() override;

private:
    CFileRTV *m_pFileRTV = nullptr; // the application's inspection file; not owned
    QStringList m_lstSourcePaths;
    QString m_strCurrentPath;
    QString m_strProjectKey;
    QString m_strVideoKey;
    bool m_bStoreDefects = true;
    int m_nImported = 0;
    CImportSummary m_summary;
};
