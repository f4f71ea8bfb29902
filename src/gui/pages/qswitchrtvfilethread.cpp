#include "gui/pages/qswitchrtvfilethread.h"

#include "core/common/debuglog.h"
#include "core/inspection/cfilertv.h"

QSwitchRTVFileThread::QSwitchRTVFileThread(QObject *parent)
    : QThread(parent)
{}

void QSwitchRTVFileThread::SetParams(CFileRTV *target, const QString &rtvPath)
{
    m_pFileRTV = target;
    m_strRtvPath = rtvPath;
}

void QSwitchRTVFileThread::run()
{
    if (!m_pFileRTV)
        return;
    // The connection was opened on this thread and must be closed here too.
    const bool ok = m_pFileRTV->open(m_strRtvPath) && m_pFileRTV->TraversalFile();
    m_pFileRTV->close();
    if (!ok) {
        TQ_LOG << "cannot read" << m_strRtvPath << "----";
        return;
    }
    emit signal_successed();
}
