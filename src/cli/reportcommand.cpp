#include "reportcommand.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "clioutput.h"
#include "core/common/clanguagesettings.h"
#include "core/common/sqlquote.h"
#include "core/database/ckln_tq420database.h"
#include "core/settings/qsysteminfo.h"
#include "office/report/cmodelreport.h"

namespace {
// The system settings and the language of this run; no project yet.
ReportInputs RunInputs()
{
    ReportInputs inputs;
    inputs.system = SystemValues::Of(*QSystemInfo::GetInstance());
    inputs.chinese = CLanguageSettings::GetInstance()->IsChinese();
    return inputs;
}

ProjectParam HeaderOf(const QString &rtvPath)
{
    CFileRTV file;
    if (file.open(rtvPath))
        file.queryProjectParam();
    file.close();
    return file.GetProjectParam();
}
} // namespace

int ReportCommand::FromFiles(const QStringList &rtvFiles, const QString &outPath)
{
    QList<QPair<QString, QString>> entries;
    for (const QString &file : rtvFiles) {
        if (!QFileInfo(file).isFile()) {
            CliOutput::Err(tr("%1: no such file").arg(file));
            return 1;
        }
        entries.append({QFileInfo(file).absoluteFilePath(), QFileInfo(file).absoluteFilePath()});
    }
    return Generate(entries, RunInputs(), outPath);
}

int ReportCommand::FromProject(const QString &projectNumber, const QString &outPath)
{
    const QList<QVariantMap> projects = CKLN_TQ420DataBase::GetInstance()->SelectRows(
        QStringLiteral("ProjectDetail"),
        QStringLiteral("ProjectNumber = ") + SqlText::SqlQuote(projectNumber));
    if (projects.isEmpty()) {
        CliOutput::Err(tr("no project with the number \"%1\"").arg(projectNumber));
        return 1;
    }
    const QVariantMap &project = projects.first();
    const QString key = project.value(QStringLiteral("HashCode")).toString();
    // As when the user has selected the project: the report's home page shows it.
    ReportInputs inputs = RunInputs();
    inputs.projectKnown = true;
    inputs.projectNumber = projectNumber;
    inputs.projectKey = key;
    inputs.projectName = project.value(QStringLiteral("ProjectName")).toString();
    inputs.projectSite = project.value(QStringLiteral("ProjectSite")).toString();

    QList<QPair<QString, QString>> entries;
    // RoadName, PipeNum, PipeType, VedioFileName, HashCode
    for (const QVariantList &video : CKLN_TQ420DataBase::GetInstance()->GetVideoKeys(key)) {
        const QString videoPath = video.value(3).toString();
        entries.append({QFileInfo(videoPath).path() + QLatin1Char('/') + video.value(4).toString() +
                            QStringLiteral(".rtv"),
                        videoPath});
    }
    if (entries.isEmpty()) {
        CliOutput::Err(tr("the project has no videos"));
        return 1;
    }
    return Generate(entries, inputs, outPath);
}

int ReportCommand::Generate(const QList<QPair<QString, QString>> &entries, ReportInputs inputs,
                            const QString &outPath)
{
    QTemporaryDir work;
    QList<QPair<QString, QString>> copies;
    int number = 0;
    for (const auto &entry : entries) {
        // A folder per file, so that each copy extracts its frames into its own Images.
        const QString folder = work.filePath(QString::number(++number));
        const QString copy = folder + QStringLiteral("/inspection.rtv");
        if (!QDir().mkpath(folder) || !QFile::copy(entry.first, copy)) {
            CliOutput::Err(tr("%1: cannot be read").arg(entry.first));
            continue;
        }
        QFile(copy).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        copies.append({copy, entry.second});
    }
    if (!copies.isEmpty())
        inputs.header = HeaderOf(copies.first().first);
    CModelReport report(inputs);
    for (const auto &copy : copies)
        report.InsertReportItem(copy.first, copy.second);
    if (report.ItemCount() == 0) {
        CliOutput::Err(tr("no readable RTV file"));
        return 1;
    }
    const QString path = QFileInfo(outPath).absoluteFilePath();
    if (!report.GenerateReport(path)) {
        CliOutput::Err(
            tr("%1: the report could not be written: %2").arg(outPath, report.ErrorString()));
        return 1;
    }
    CliOutput::Out(tr("%1: report of %2 sections, %3 defects")
                       .arg(outPath)
                       .arg(report.ItemCount())
                       .arg(report.DefectTotal()) +
                   QLatin1Char('\n'));
    return 0;
}
