#include "testsupport.h"

#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QTemporaryDir>

namespace {
QtMessageHandler g_previousHandler = nullptr;
QMutex g_mutex;
QStringList g_warnings;
QStringList g_debugLines;

void RecordingHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    {
        QMutexLocker lock(&g_mutex);
        if (type == QtWarningMsg || type == QtCriticalMsg)
            g_warnings << text;
        else if (type == QtDebugMsg)
            g_debugLines << text;
    }
    if (g_previousHandler)
        g_previousHandler(type, context, text);
}
} // namespace

namespace TestSupport {

QString SamplePath(const QString &relative)
{
    return QStringLiteral(TQ420_SAMPLE_DIR "/") + relative;
}

QString CopySample(const QString &relative, const QTemporaryDir &dir, const QString &name)
{
    const QString target =
        dir.filePath(name.isEmpty() ? QFileInfo(relative).fileName() : name);
    QFile::remove(target);
    if (!QFile::copy(SamplePath(relative), target))
        qFatal("cannot copy sample %s", qPrintable(relative));
    QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    return target;
}

void InstallWarningRecorder()
{
    if (!g_previousHandler)
        g_previousHandler = qInstallMessageHandler(RecordingHandler);
}

QStringList TakeWarnings()
{
    QMutexLocker lock(&g_mutex);
    QStringList taken;
    taken.swap(g_warnings);
    return taken;
}

QStringList DebugLines()
{
    QMutexLocker lock(&g_mutex);
    return g_debugLines;
}

void ClearDebugLines()
{
    QMutexLocker lock(&g_mutex);
    g_debugLines.clear();
}

} // namespace TestSupport
