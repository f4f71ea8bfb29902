#pragma once

#include <QString>
#include <QThread>

class CFileRTV;

// Reads the RTV file of the selected video into the application's inspection file on a
// worker thread: open, read everything (the defect images are written on the way), close.
// signal_successed only when all of that worked.
class QSwitchRTVFileThread : public QThread
{
    Q_OBJECT

public:
    explicit QSwitchRTVFileThread(QObject *parent = nullptr);

    // Stores the job; call before start().
    void SetParams(CFileRTV *target, const QString &rtvPath);

signals:
    void signal_successed();

protected:
    void run() override;

private:
    CFileRTV *m_pFileRTV = nullptr; // not owned; used by this thread alone while it runs
    QString m_strRtvPath;
};
