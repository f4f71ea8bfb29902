#include "gui/pages/qaddvediothread.h"

#include "core/common/debuglog.h"
#include "core/files/cvideoimporter.h"
#include "core/files/importsession.h"

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
    m_summary = CImportSummary();
    const CImportSession session;
    const int total = m_lstSourcePaths.size();
    for (int i = 0; i < total; ++i) {
        m_strCurrentPath = m_lstSourcePaths.at(i);
        emit signal_progress(i + 1, total);
        CVideoImporter::Result result;
        if (m_pFileRTV)
            result = CVideoImporter::ImportOne(m_strCurrentPath, m_strProjectKey, *m_pFileRTV,
                                               m_bStoreDefects);
        else
            result.error = tr("no inspection file to read the RTV file into");
        m_summary.Add(m_strCurrentPath, result);
        if (!result.ok) {
            TQ_LOG << "import failed:" << m_strCurrentPath << result.error << "----";
            continue;
        }
        if (!result.note.isEmpty())
            TQ_LOG << m_strCurrentPath << result.note;
        m_strVideoKey = result.info.strHashCode;
        ++m_nImported;
        emit signal_addOneVideo(result.info);
    }
    emit signal_mysuccess();
}
