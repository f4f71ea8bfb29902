#include "core/files/importsession.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include "core/common/debuglog.h"
#include "core/database/ckln_tq420database.h"
#include "core/files/newkeys.h"
#include "core/files/qfilemanager.h"

namespace {
const QDir::Filters kFolders = QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks;

int RemovePartFiles(const QString &dir)
{
    int removed = 0;
    const QFileInfoList parts =
        QDir(dir).entryInfoList({QStringLiteral("*.part")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo &part : parts) {
        if (!part.isSymLink() && QFile::remove(part.absoluteFilePath()))
            ++removed;
    }
    return removed;
}
} // namespace

CImportSession::CImportSession()
{
    const QString lockPath = QFileManager::GetInstance()->GetRootDir() + "/.import.lock";
    m_fd = ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (m_fd < 0) {
        TQ_LOG << "cannot open" << lockPath << "!!!";
        return;
    }
    if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0)
        m_nRemoved = RemoveLeftovers();
    if (::flock(m_fd, LOCK_SH) != 0)
        TQ_LOG << "cannot lock" << lockPath << "!!!";
}

CImportSession::~CImportSession()
{
    // Without waiting: a page may be reading on another thread.
    CKLN_TQ420DataBase::GetInstance()->Checkpoint(false);
    if (m_fd >= 0)
        ::close(m_fd);
}

int CImportSession::RemoveLeftovers()
{
    const QFileManager *files = QFileManager::GetInstance();
    CKLN_TQ420DataBase *db = CKLN_TQ420DataBase::GetInstance();
    const QDir root(files->GetRootDir());
    int removed = 0;
    for (const QString &project : root.entryList(kFolders)) {
        if (!NewKeys::IsProjectKeyName(project))
            continue;
        const QDir projectDir(root.filePath(project));
        for (const QString &video : projectDir.entryList(kFolders)) {
            if (!NewKeys::IsVideoKeyName(video, project))
                continue;
            if (db->IsVideoKeyFree(video)) {
                TQ_LOG << "removing the folder of an interrupted import:" << video;
                removed += files->RemoveItemDir(project, video) ? 1 : 0;
                continue;
            }
            removed += RemovePartFiles(projectDir.filePath(video));
        }
    }
    return removed;
}
