#include "core/files/qfilemanager.h"

#include <cerrno>

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>

#include "core/common/appdatadir.h"
#include "core/common/clanguagesettings.h"
#include "core/common/debuglog.h"
#include "core/files/filecopy.h"

namespace {
QMutex g_instanceMutex;
QFileManager *g_instance = nullptr;

const QChar kSlash = QLatin1Char('/');
const QChar kBackslash = QLatin1Char('\\');

QString WithSlashes(const QString &path)
{
    QString result = path;
    return result.replace(kBackslash, kSlash);
}

// Where an absolute, cleaned path really is: its deepest existing ancestor with every link
// resolved, followed by the parts that do not exist yet. Without followLast the last part
// is kept as it is, so a link there is looked at, not through. Empty for a dangling link.
QString RealLocation(const QString &absolute, bool followLast)
{
    QString existing = absolute;
    QString tail;
    if (!followLast) {
        const int slash = existing.lastIndexOf(kSlash);
        tail = existing.mid(slash);
        existing = slash > 0 ? existing.left(slash) : QString(kSlash);
    }
    for (;;) {
        const QFileInfo info(existing);
        if (info.exists() || info.isSymLink()) {
            QString real = info.canonicalFilePath();
            if (real.isEmpty())
                return QString();
            if (real.endsWith(kSlash))
                real.chop(1);
            return real + tail;
        }
        const int slash = existing.lastIndexOf(kSlash);
        if (slash < 0)
            return QString();
        tail.prepend(existing.mid(slash));
        existing = slash > 0 ? existing.left(slash) : QString(kSlash);
    }
}

// Removes the folder's contents and the folder; links inside are unlinked, never entered.
bool RemoveTree(const QString &dir)
{
    bool removed = true;
    const QFileInfoList entries = QDir(dir).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                          QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        const QString path = entry.absoluteFilePath();
        if (entry.isDir() && !entry.isSymLink()) {
            removed = RemoveTree(path) && removed;
        } else if (!QFile::remove(path)) {
            TQ_LOG << "cannot remove" << path << "!!!";
            removed = false;
        }
    }
    if (removed && !QDir().rmdir(dir)) {
        TQ_LOG << "cannot remove folder" << dir << "!!!";
        removed = false;
    }
    return removed;
}
} // namespace

QFileManager *QFileManager::GetInstance()
{
    QMutexLocker lock(&g_instanceMutex);
    if (!g_instance)
        g_instance = new QFileManager;
    return g_instance;
}

void QFileManager::ReleaseInstance()
{
    QMutexLocker lock(&g_instanceMutex);
    delete g_instance;
    g_instance = nullptr;
}

QFileManager::QFileManager()
{
    m_strRootDir = DataFolder::AppDataDir() + CLanguageSettings::GetInstance()->LanguageFileName(
                                                  QStringLiteral("/KLN_TQ420_Cache"));
    m_strTempDir = m_strRootDir + QStringLiteral("/Temp");
    m_strTemplateDir = m_strRootDir + QStringLiteral("/Template");
    for (const QString &dir : {m_strRootDir, m_strTempDir, m_strTemplateDir}) {
        if (!QDir().mkpath(dir))
            TQ_LOG << "cannot create" << dir << "!!!";
    }
    m_strRealRootDir = QFileInfo(m_strRootDir).canonicalFilePath();
}

QString QFileManager::PathToFileName(const QString &path)
{
    const QString normalised = WithSlashes(path);
    const int nPos = normalised.lastIndexOf(kSlash);
    TQ_LOG << "Path:" << normalised << ",nPos:" << nPos;
    return nPos < 0 ? normalised : normalised.mid(nPos + 1);
}

bool QFileManager::IsValidFolderName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(kSlash) && !name.contains(kBackslash) && !name.contains(QChar(0));
}

QString QFileManager::CheckedPath(const QString &path, bool followLast, bool allowRoot) const
{
    if (m_strRealRootDir.isEmpty()) {
        TQ_LOG << "no cache root, refused:" << path << "!!!";
        return QString();
    }
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QString real = RealLocation(absolute, followLast);
    const bool inside = (allowRoot && real == m_strRealRootDir) ||
                        (!real.isEmpty() && real.startsWith(m_strRealRootDir + kSlash));
    if (!inside) {
        TQ_LOG << "outside the cache root, refused:" << path << "!!!";
        return QString();
    }
    return absolute;
}

QString QFileManager::GetProjectDir(const QString &projectFolder, const QString &subFolder) const
{
    if (!IsValidFolderName(projectFolder) ||
        (!subFolder.isEmpty() && !IsValidFolderName(subFolder))) {
        TQ_LOG << "not a folder name:" << projectFolder << subFolder << "!!!";
        return QString();
    }
    const QString dir = m_strRootDir + kSlash + projectFolder + kSlash + subFolder;
    return CheckedPath(dir, true, false).isEmpty() ? QString() : dir;
}

QString QFileManager::GetItemDir(const QString &projectFolder, const QString &itemFolder) const
{
    if (!IsValidFolderName(projectFolder) || !IsValidFolderName(itemFolder)) {
        TQ_LOG << "not a folder name:" << projectFolder << itemFolder << "!!!";
        return QString();
    }
    const QString dir = m_strRootDir + kSlash + projectFolder + kSlash + itemFolder;
    if (CheckedPath(dir, true, false).isEmpty())
        return QString();
    if (!QDir().mkpath(dir)) {
        TQ_LOG << "cannot create" << dir << "!!!";
        return QString();
    }
    return dir;
}

QString QFileManager::CreateNewItemDir(const QString &projectFolder, const QString &itemFolder,
                                       bool &existed) const
{
    existed = false;
    const QString project = GetProjectDir(projectFolder, QString());
    if (project.isEmpty() || !IsValidFolderName(itemFolder))
        return QString();
    if (!QDir().mkpath(project)) {
        TQ_LOG << "cannot create" << project << "!!!";
        return QString();
    }
    const QString dir = project + itemFolder;
    if (CheckedPath(dir, false, false).isEmpty())
        return QString();
    // mkdir fails on an existing name: two imports never share a folder.
    if (::mkdir(QFile::encodeName(dir).constData(), 0777) != 0) {
        existed = errno == EEXIST;
        TQ_LOG << "cannot create" << dir << (existed ? "(exists)" : "!!!");
        return QString();
    }
    return dir;
}

bool QFileManager::CreateDir(const QString &base, const QString &name) const
{
    if (base.isEmpty() || !IsValidFolderName(name)) {
        TQ_LOG << "not a folder name:" << base << name << "!!!";
        return false;
    }
    const QString dir = CheckedPath(WithSlashes(base) + kSlash + name, true, false);
    if (dir.isEmpty())
        return false;
    if (!QDir().mkpath(dir)) {
        TQ_LOG << "cannot create" << dir << "!!!";
        return false;
    }
    return true;
}

bool QFileManager::CopyFileToPath(const QString &source, const QString &target)
{
    // Only the system's own separator separates: on Linux "a\b.mp4" is one file name.
    const QString from = QDir::fromNativeSeparators(source);
    const QString to = QDir::fromNativeSeparators(target);
    const QFileInfo sourceInfo(from);
    if (!FileCopy::IsCopyableSource(from)) {
        TQ_LOG << "no such file:" << from;
        return false;
    }
    const QFileInfo targetInfo(to);
    if (to.isEmpty() || targetInfo.isDir()) {
        TQ_LOG << "not a file target:" << to << "!!!";
        return false;
    }
    // Replacing the target would destroy a source that is the same file.
    if (targetInfo.exists() && targetInfo.canonicalFilePath() == sourceInfo.canonicalFilePath())
        return true;
    // The target is replaced only by a complete copy: a failed one (a full disk) keeps it.
    return FileCopy::CopyWholeFile(from, to);
}

bool QFileManager::RecursiveRemove(const QString &path) const
{
    if (path.isEmpty())
        return false;
    const QString dir = CheckedPath(WithSlashes(path), false, false);
    if (dir.isEmpty())
        return false;
    const QFileInfo info(dir);
    if (info.isSymLink()) {
        if (QFile::remove(dir))
            return true;
        TQ_LOG << "cannot remove link" << dir << "!!!";
        return false;
    }
    if (!info.isDir()) {
        TQ_LOG << "no such folder:" << dir;
        return false;
    }
    return RemoveTree(dir);
}

bool QFileManager::RemoveProjectDir(const QString &projectFolder) const
{
    if (!IsValidFolderName(projectFolder)) {
        TQ_LOG << "not a folder name:" << projectFolder << "!!!";
        return false;
    }
    return RecursiveRemove(m_strRootDir + kSlash + projectFolder);
}

bool QFileManager::RemoveItemDir(const QString &projectFolder, const QString &itemFolder) const
{
    if (!IsValidFolderName(projectFolder) || !IsValidFolderName(itemFolder)) {
        TQ_LOG << "not a folder name:" << projectFolder << itemFolder << "!!!";
        return false;
    }
    return RecursiveRemove(m_strRootDir + kSlash + projectFolder + kSlash + itemFolder);
}

bool QFileManager::RemoveTempDir() const
{
    return RecursiveRemove(m_strTempDir);
}
