#include "gui/pages/qaddvediothread.h"

#include "core/common/debuglog.h"
#include "core/files/cvideoimporter.h"

QAddVedioThread::QAddVedioThread(QObject *parent)
    : QThread(parent)
{
    qRegisterMetaType<QVedioInfo>("QVedioInfo");
}

void QAddVedioThread::SetParams(CFileRTV *target, const QStringList &sources,
                                const QString &projectKey, bool storeDefects)
{
    m_pFileRTV = target;
    m_lstSourcePaths = sources;
    m_strProjectKey = projectKey;
    m_bStoreDefects = storeDefects;
}

void QAddVedioThread::run()
{
    m_nImported = 0;
    const int total = m_lstSourcePaths.size();
    for (int i = 0; i < total; ++i) {
        m_strCurrentPath = m_lstSourcePaths.at(i);
        emit signal_progress(i + 1, total);
        if (!m_pFileRTV) {
            TQ_LOG << "no target inspection file, skipped:" << m_strCurrentPath << "----";
            continue;
        }
        const CVideoImporter::Result result = CVideoImporter::ImportOne(
            m_strCurrentPath, m_strProjectKey, *m_pFileRTV, m_bStoreDefects);
        if (!result.note.isEmpty())
            TQ_LOG << m_strCurrentPath << result.note;
        if (!result.ok) {
            TQ_LOG << "import failed, skipped:" << m_strCurrentPath << result.error << "----";
            continue;
        }
        m_strVideoKey = result.info.strHashCode;
        ++m_nImported;
        emit signal_addOneVideo(result.info);
    }
    emit signal_mysuccess();
}
