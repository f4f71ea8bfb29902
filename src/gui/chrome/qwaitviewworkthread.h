#pragma once

#include <QThread>
#include <QVariant>

class CWaitViewInterface;

// Runs one CWaitViewInterface::DoWork on its own thread, then emits export_finished
// (delivered queued to the GUI thread, where the wait view closes).
class QWaitViewWorkThread : public QThread
{
    Q_OBJECT

public:
    QWaitViewWorkThread(CWaitViewInterface *work, const QVariant &arg, QObject *parent = nullptr);

signals:
    void export_finished();

protected:
    void run() override;

private:
    CWaitViewInterface *m_work; // not owned; outlives the thread
    QVariant m_arg;
};
