#include "core/common/appdatadir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QStandardPaths>

#include "core/common/debuglog.h"

namespace {
QMutex g_mutex;
QString g_override;
QString g_chosen;

QString ChooseDataDir()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    if (QFileInfo(appDir).isWritable())
        return appDir;
    const QString userDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!QDir().mkpath(userDir))
        TQ_LOG << "cannot create the data folder" << userDir << "!!!";
    TQ_LOG << "application folder not writable, data in" << userDir;
    return userDir;
}
} // namespace

QString DataFolder::AppDataDir()
{
    QMutexLocker lock(&g_mutex);
    if (!g_override.isEmpty())
        return g_override;
    if (g_chosen.isEmpty())
        g_chosen = ChooseDataDir();
    return g_chosen;
}

void DataFolder::SetAppDataDir(const QString &dir)
{
    QMutexLocker lock(&g_mutex);
    g_override = dir.isEmpty() ? QString() : QDir(dir).absolutePath();
}
