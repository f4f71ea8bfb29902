#include "support/testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMutex>
#include <QProcess>
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
        // The offscreen platform says this of every window shown; it is not the program's.
        const bool platformNote =
            text == QLatin1String("This plugin does not support propagateSizeHints()");
        if ((type == QtWarningMsg || type == QtCriticalMsg) && !platformNote)
            g_warnings << text;
        else if (type == QtDebugMsg)
            g_debugLines << text;
    }
    if (g_previousHandler)
        g_previousHandler(type, context, text);
}
} // namespace

namespace TestSupport {

RecordingPrompt::RecordingPrompt()
{
    Prompts::SetUserPrompt(this);
}

RecordingPrompt::~RecordingPrompt()
{
    Prompts::SetUserPrompt(nullptr);
}

void RecordingPrompt::Information(const QString &title, const QString &text)
{
    m_texts.append(text);
    m_calls.append(title + QLatin1Char('|') + text);
}

QString WritePng(const QTemporaryDir &dir, const QString &name, Qt::GlobalColor color,
                 const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    const QString path = dir.filePath(name);
    image.save(path, "png");
    return path;
}

void RecordingPrompt::Clear()
{
    m_texts.clear();
    m_calls.clear();
}

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString SamplePath(const QString &relative)
{
    return QStringLiteral(TQ420_SAMPLE_DIR "/") + relative;
}

QString CopySample(const QString &relative, const QTemporaryDir &dir, const QString &name)
{
    const QString target = dir.filePath(name.isEmpty() ? QFileInfo(relative).fileName() : name);
    QFile::remove(target);
    if (!QFile::copy(SamplePath(relative), target))
        qFatal("cannot copy sample %s", qPrintable(relative));
    QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    return target;
}

QString MakeSourceVideo(const QTemporaryDir &dir, const QString &video, const QStringList &beside)
{
    const QString path = CopySample(QStringLiteral("videos/road3.mp4"), dir, video);
    const QString base = QFileInfo(path).completeBaseName();
    for (const QString &sample : beside)
        CopySample(sample, dir, base + QLatin1Char('.') + QFileInfo(sample).suffix());
    return path;
}

CliRun RunCli(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(TQ420_APP_DIR "/tq420-cli"), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
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

namespace TestSupport {

bool InstallReportTemplates()
{
    const QString source = QStringLiteral(TQ420_APP_DIR "/Report-Modal/");
    const QString target =
        QCoreApplication::applicationDirPath() + QStringLiteral("/Report-Modal/");
    QDir().mkpath(target);
    bool copied = true;
    for (const QString &name :
         {QStringLiteral("Report-Test_en.dot"), QStringLiteral("Report-Test_wps_en.dot"),
          QStringLiteral("Report-Test.dot"), QStringLiteral("Report-Test_wps.dot")}) {
        QFile::remove(target + name);
        copied = QFile::copy(source + name, target + name) && copied;
    }
    return copied;
}

} // namespace TestSupport
