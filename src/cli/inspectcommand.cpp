#include "inspectcommand.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QTemporaryDir>

#include "clioutput.h"
#include "core/inspection/cfilertv.h"
#include "rtvjson.h"

namespace {
QString Number(const QJsonValue &value)
{
    return QString::number(value.toDouble(), 'g', 6);
}
} // namespace

QJsonObject InspectCommand::Inspect(const QString &path)
{
    QJsonObject report{{"file", path}, {"ok", false}};
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) {
        report.insert("error", tr("cannot read the file"));
        return report;
    }
    // Reading marks and migrates a file: work on a copy in a folder of our own.
    QTemporaryDir workDir;
    const QString copy = workDir.filePath(QStringLiteral("inspect.rtv"));
    if (!workDir.isValid() || !QFile::copy(path, copy)) {
        report.insert("error", tr("cannot copy the file to a temporary folder"));
        return report;
    }
    QFile(copy).setPermissions(QFile::ReadOwner | QFile::WriteOwner);

    CFileRTV file;
    if (!file.open(copy)) {
        report.insert("error", tr("cannot open the file as an SQLite database"));
        return report;
    }
    const int version = file.getFileRTVVersion();
    report.insert("version", version);
    if (!file.TraversalFile()) {
        report.insert("error", tr("not a readable RTV inspection file"));
        report.insert("migrated", false);
        return report;
    }
    report.insert("migrated", version != 1025 && file.getFileRTVVersion() == 1025);
    file.Evaluate();

    report.insert("ok", true);
    report.insert("header", RtvJson::Header(file.GetProjectParam()));
    report.insert("pipeline", RtvJson::Pipeline(file.GetPipelineParam()));
    report.insert("trackCount", file.GetTrackList().size());
    QJsonArray defects;
    for (const CDefectItem &defect : file.GetDefectList())
        defects.append(RtvJson::Defect(defect));
    report.insert("defects", defects);
    report.insert("evaluation", RtvJson::Evaluation(file));
    return report;
}

QString InspectCommand::Summary(const QJsonObject &report)
{
    QString text = tr("File: %1").arg(report.value("file").toString()) + QLatin1Char('\n');
    if (!report.value("ok").toBool())
        return text + tr("  Error: %1").arg(report.value("error").toString()) + QLatin1Char('\n');

    const QJsonObject header = report.value("header").toObject();
    const QJsonObject pipe = report.value("pipeline").toObject();
    const QJsonObject eval = report.value("evaluation").toObject();
    const int version = report.value("version").toInt();
    text += report.value("migrated").toBool()
                ? tr("  Version %1, migrated to the current version").arg(version)
                : tr("  Version %1").arg(version);
    text += QLatin1Char('\n');
    text += tr("  Site: %1   Date: %2   Tester: %3   Unit: %4")
                .arg(header.value("strTestSite").toString(), header.value("strTestDate").toString(),
                     header.value("strTester").toString(), header.value("strTestUnit").toString());
    text += QLatin1Char('\n');
    text +=
        tr("  Pipe section: %1 -> %2, %3, diameter %4 mm, length %5 m")
            .arg(pipe.value("strStartWellID").toString(), pipe.value("strEndWellID").toString(),
                 pipe.value("strPipeSectionMaterial").toString(),
                 Number(pipe.value("nPipeSectionDiameter")), Number(pipe.value("fPipeSectionLen")));
    text += QLatin1Char('\n');
    text += tr("  Interpreted: %1   Track samples: %2")
                .arg(header.value("bIsInterpretation").toBool() ? tr("yes") : tr("no"))
                .arg(report.value("trackCount").toInt());
    text += QLatin1Char('\n');

    const QJsonArray defects = report.value("defects").toArray();
    text += tr("  Defects: %1").arg(defects.size()) + QLatin1Char('\n');
    for (const QJsonValue &value : defects) {
        const QJsonObject d = value.toObject();
        text += QStringLiteral("    %1  %2  %3  %4  %5  %6\n")
                    .arg(d.value("curTime").toString(), d.value("nameText").toString(),
                         d.value("levelText").toString(), d.value("classText").toString(),
                         d.value("positionText").toString(),
                         tr("score %1").arg(Number(d.value("score"))));
    }
    text += tr("  Structural: S %1, Smax %2, F %3, grade %4: %5")
                .arg(Number(eval.value("S")), Number(eval.value("Smax")), Number(eval.value("F")),
                     Number(eval.value("structuralGrade")),
                     eval.value("structuralGradeText").toString());
    text += QLatin1Char('\n');
    text += tr("    Density %1 (%2); repair index RI %3, grade %4: %5")
                .arg(Number(eval.value("structuralDensity")),
                     eval.value("structuralDensityText").toString(), Number(eval.value("RI")),
                     Number(eval.value("repairGrade")), eval.value("repairGradeText").toString());
    text += QLatin1Char('\n');
    text += tr("  Functional: Y %1, Ymax %2, G %3, grade %4: %5")
                .arg(Number(eval.value("Y")), Number(eval.value("Ymax")), Number(eval.value("G")),
                     Number(eval.value("functionalGrade")),
                     eval.value("functionalGradeText").toString());
    text += QLatin1Char('\n');
    text += tr("    Density %1 (%2); maintenance index MI %3, grade %4: %5")
                .arg(Number(eval.value("functionalDensity")),
                     eval.value("functionalDensityText").toString(), Number(eval.value("MI")),
                     Number(eval.value("maintenanceGrade")),
                     eval.value("maintenanceGradeText").toString());
    return text + QLatin1Char('\n');
}

int InspectCommand::Run(const QStringList &files, bool json)
{
    QJsonArray reports;
    int exitCode = 0;
    for (const QString &path : files) {
        const QJsonObject report = Inspect(path);
        if (!report.value("ok").toBool()) {
            CliOutput::Err(tr("%1: %2").arg(path, report.value("error").toString()));
            exitCode = 1;
        }
        if (json)
            reports.append(report);
        else
            CliOutput::Out(Summary(report));
    }
    if (json)
        CliOutput::Json(reports);
    return exitCode;
}
