#include "QUtility/Automation/WordProcessor/wdlayoutengine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include "QUtility/debuglog.h"

namespace {
constexpr int kTimeoutMs = 180000;

QString Executable()
{
    return QStandardPaths::findExecutable(QStringLiteral("soffice"));
}

// Page objects of a PDF ("/Type /Page", not "/Pages").
int PdfPageCount(const QByteArray &pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    int pages = 0;
    QRegularExpressionMatchIterator it = page.globalMatch(QString::fromLatin1(pdf));
    while (it.hasNext()) {
        it.next();
        ++pages;
    }
    return pages;
}
} // namespace

namespace WdLayoutEngine {

bool IsAvailable()
{
    // TQ420_NO_LAYOUT=1 leaves the layout out (benchmarks measure the report without it).
    return qEnvironmentVariableIntValue("TQ420_NO_LAYOUT") == 0 && !Executable().isEmpty();
}

int CountPages(const QString &documentPath)
{
    const QString soffice = Executable();
    if (soffice.isEmpty())
        return -1;
    QTemporaryDir work;
    // LibreOffice converts by suffix: hand it a .docx copy whatever the document is named.
    const QString input = work.filePath(QStringLiteral("report.docx"));
    if (!QFile::copy(documentPath, input))
        return -1;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(soffice, {QStringLiteral("-env:UserInstallation=")
                                + QUrl::fromLocalFile(work.filePath(QStringLiteral("profile"))).toString(),
                            QStringLiteral("--headless"), QStringLiteral("--norestore"),
                            QStringLiteral("--convert-to"), QStringLiteral("pdf"),
                            QStringLiteral("--outdir"), work.path(), input});
    if (!process.waitForFinished(kTimeoutMs) || process.exitCode() != 0) {
        TQ_LOG << "layout by LibreOffice failed:" << process.readAll();
        process.kill();
        return -1;
    }
    QFile pdf(work.filePath(QStringLiteral("report.pdf")));
    if (!pdf.open(QIODevice::ReadOnly)) {
        TQ_LOG << "LibreOffice wrote no PDF:" << process.readAll();
        return -1;
    }
    const int pages = PdfPageCount(pdf.readAll());
    return pages > 0 ? pages : -1;
}

} // namespace WdLayoutEngine
