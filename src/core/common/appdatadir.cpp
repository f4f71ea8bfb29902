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
QString g_problem;
} // namespace

QString DataFolder::ChooseDataDir(const QString &appDir, const QString &userDir, QString &problem)
{
    problem.clear();
    if (QFileInfo(appDir).isWritable())
        return appDir;
    if (!QDir().mkpath(userDir))
        TQ_LOG << "cannot create the data folder" << userDir << "!!!";
    TQ_LOG << "application folder not writable, data in" << userDir;
    // Projects the user has there would silently vanish from the lists: say so.
    const QStringList databases =
        QDir(appDir).entryList({QStringLiteral("KLN_TQ420_DataBase*.prj")}, QDir::Files);
    if (!databases.isEmpty())
        problem = QCoreApplication::translate(
                      "DataFolder",
                      "The folder %1 holds a project database (%2) but cannot be written, so the "
                      "program keeps its data in %3 and does not show the projects of %1. Make "
                      "%1 writable, or move its data files to %3, and start the program again.")
                      .arg(QDir::toNativeSeparators(appDir), databases.join(QStringLiteral(", ")),
                           QDir::toNativeSeparators(userDir));
    return userDir;
}

QString DataFolder::AppDataDir()
{
    QMutexLocker lock(&g_mutex);
    if (!g_override.isEmpty())
        return g_override;
    if (!g_chosen.isEmpty())
        return g_chosen;
    g_chosen =
        ChooseDataDir(QCoreApplication::applicationDirPath(),
                      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), g_problem);
    // The GUI shows it at start: the choice may come before its prompt is installed.
    if (!g_problem.isEmpty())
        TQ_LOG << g_problem;
    return g_chosen;
}

QString DataFolder::Problem()
{
    QMutexLocker lock(&g_mutex);
    return g_problem;
}

void DataFolder::SetAppDataDir(const QString &dir)
{
    QMutexLocker lock(&g_mutex);
    g_override = dir.isEmpty() ? QString() : QDir(dir).absolutePath();
}
