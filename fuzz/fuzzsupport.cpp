#include "fuzzsupport.h"

#include <cstdio>
#include <cstdlib>

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "core/common/appdatadir.h"

namespace {

// The readers log every rejected value; at thousands of inputs a second that is only noise.
void QuietHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg) {
        fprintf(stderr, "%s\n", qPrintable(message));
        abort();
    }
}

} // namespace

namespace FuzzSupport {

void Start()
{
    static int argc = 1;
    static char name[] = "tq420-fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static QTemporaryDir dataDir;
    if (!dataDir.isValid())
        qFatal("no temporary folder for the data files");
    QStandardPaths::setTestModeEnabled(true);
    DataFolder::SetAppDataDir(dataDir.path());
    qInstallMessageHandler(QuietHandler);
}

QString WriteInput(const QTemporaryDir &dir, const QString &fileName, const uint8_t *data,
                   size_t size)
{
    const QString path = dir.filePath(fileName);
    QFile file(path);
    if (!dir.isValid() || !file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        return QString();
    return path;
}

} // namespace FuzzSupport
