#include "core/files/stagedfile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include "core/common/debuglog.h"

namespace {
QString Native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}
} // namespace

StagedFile::StagedFile(const QString &target)
    : m_strTarget(target.isEmpty() ? QString() : QFileInfo(target).absoluteFilePath())
{}

StagedFile::~StagedFile()
{
    if (!m_bCommitted && !m_strTemporary.isEmpty())
        QFile::remove(m_strTemporary);
}

bool StagedFile::Prepare()
{
    const QFileInfo target(m_strTarget);
    const QString folder = target.absolutePath();
    if (m_strTarget.isEmpty()) {
        m_strError = tr("No file name was given.");
        return false;
    }
    if (!QFileInfo(folder).isDir()) {
        m_strError = tr("The folder %1 does not exist.").arg(Native(folder));
        return false;
    }
    if (target.isDir()) {
        m_strError = tr("%1 is a folder.").arg(Native(m_strTarget));
        return false;
    }
    QString pattern = QLatin1Char('.') + target.completeBaseName() + QStringLiteral(".XXXXXX");
    if (!target.suffix().isEmpty())
        pattern += QLatin1Char('.') + target.suffix();
    QTemporaryFile reserved(QDir(folder).filePath(pattern));
    reserved.setAutoRemove(false);
    if (!reserved.open()) {
        m_strError =
            tr("Cannot create a file in %1: %2").arg(Native(folder), reserved.errorString());
        return false;
    }
    m_strTemporary = reserved.fileName();
    return true;
}

bool StagedFile::Commit()
{
    if (m_strTemporary.isEmpty())
        return false;
    if (QFileInfo(m_strTemporary).size() <= 0) {
        m_strError = tr("%1 could not be written (is the disk full?).").arg(Native(m_strTarget));
        return false;
    }
    // A replaced file keeps its permissions; a new one is readable by everyone, as usual.
    const QFile::Permissions permissions =
        QFileInfo::exists(m_strTarget)
            ? QFile::permissions(m_strTarget)
            : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    QFile::setPermissions(m_strTemporary, permissions);
    if (std::rename(QFile::encodeName(m_strTemporary).constData(),
                    QFile::encodeName(m_strTarget).constData()) != 0) {
        m_strError = tr("Cannot replace %1: %2")
                         .arg(Native(m_strTarget), QString::fromLocal8Bit(std::strerror(errno)));
        TQ_LOG << "cannot rename" << m_strTemporary << "to" << m_strTarget;
        return false;
    }
    m_bCommitted = true;
    return true;
}
