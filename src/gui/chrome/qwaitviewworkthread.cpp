#include "gui/chrome/qwaitviewworkthread.h"

#include "gui/chrome/cwaitviewinterface.h"

QWaitViewWorkThread::QWaitViewWorkThread(CWaitViewInterface *work, const QVariant &arg,
                                         QObject *parent)
    : QThread(parent)
    , m_work(work)
    , m_arg(arg)
{}

void QWaitViewWorkThread::run()
{
    if (m_work) {
        const QVariant arg = m_arg;
        m_work->DoWork(arg);
    }
    emit export_finished();
}
