#include "office/automation/wordprocessor/wdlayoutengine.h"

#include <limits>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include "core/common/debuglog.h"

namespace {
// The layout of a 300-section report takes about a minute on a quiet machine.
constexpr int kTimeoutMs = 600000;

QString Executable()
{
    return QStandardPaths::findExecutable(QStringLiteral("soffice"));
}

} // namespace

namespace WdLayoutEngine {

bool IsAvailable()
{
    // TQ420_NO_LAYOUT=1 leaves the layout out (benchmarks measure the report without it).
    return qEnvironmentVariableIntValue("TQ420_NO_LAYOUT") == 0 && !Executable().isEmpty();
}

bool LayOut(const QString &documentPath, WdPdfReader::Layout *layout)
{
    const QString soffice = Executable();
    if (soffice.isEmpty())
        return false;
    QTemporaryDir work;
    // LibreOffice converts by suffix: hand it a .docx copy when the document is named else.
    QString input = documentPath;
    if (QFileInfo(documentPath).suffix().compare(QLatin1String("docx"), Qt::CaseInsensitive) != 0) {
        input = work.filePath(QStringLiteral("report.docx"));
        if (!QFile::copy(documentPath, input))
            return false;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    // The PDF carries the headings as its outline (LibreOffice's default), with their pages.
    process.start(soffice,
                  {QStringLiteral("-env:UserInstallation=") +
                       QUrl::fromLocalFile(work.filePath(QStringLiteral("profile"))).toString(),
                   QStringLiteral("--headless"), QStringLiteral("--norestore"),
                   QStringLiteral("--convert-to"), QStringLiteral("pdf"),
                   QStringLiteral("--outdir"), work.path(), input});
    if (!process.waitForFinished(kTimeoutMs) || process.exitCode() != 0) {
        TQ_LOG << "layout by LibreOffice failed:" << process.readAll();
        process.kill();
        process.waitForFinished(5000);
        return false;
    }
    QFile pdf(work.filePath(QFileInfo(input).completeBaseName() + QStringLiteral(".pdf")));
    if (!pdf.open(QIODevice::ReadOnly)) {
        TQ_LOG << "LibreOffice wrote no PDF:" << process.readAll();
        return false;
    }
    if (pdf.size() > std::numeric_limits<int>::max()) {
        TQ_LOG << "the layout's PDF is too large to be read:" << pdf.size();
        return false;
    }
    // Mapped, not read: the PDF of a large report holds all its pictures.
    const uchar *mapped = pdf.map(0, pdf.size());
    const QByteArray data =
        mapped ? QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), int(pdf.size()))
               : pdf.readAll();
    if (!WdPdfReader::Read(data, layout)) {
        TQ_LOG << "the layout's PDF cannot be read";
        return false;
    }
    return true;
}

} // namespace WdLayoutEngine
