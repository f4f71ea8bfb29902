#include "office/report/csheetdata.h"

#include <QFileInfo>

#include "core/common/sqlquote.h"
#include "core/database/ckln_tq420database.h"
#include "core/inspection/cdefectvocabulary.h"
#include "core/inspection/cfilertv.h"

namespace {
const int kColumns[] = {16, 9, 16, 57};

QString RecordField(const SystemRecord *record, int field)
{
    return record ? record->field(field) : QString();
}

double Rounded(float value)
{
    return QString::number(double(value), 'f', 2).toDouble();
}
} // namespace

int CSheetData::ColumnCount(int kind)
{
    return kind >= 0 && kind < 4 ? kColumns[kind] : 0;
}

QVariantList CSheetData::ProjectRows()
{
    QVariantList rows;
    static const char *const columns[] = {
        "ProjectNumber",    "ProjectName", "ProjectSite",    "Principal",
        "CommencementDate", "ReportNum",   "ClientUnits",    "ConstructionUnits",
        "DesignUnits",      "BuildUnits",  "SuperviseUnits", "MeasureType",
        "MoveMethod",       "SealMethod",  "DrainageMethod", "DesiltMethod"};
    const QList<QVariantMap> projects = CKLN_TQ420DataBase::GetInstance()->SelectRows(
        QStringLiteral("ProjectDetail"), QStringLiteral("1 = 1 order by CommencementDate desc"));
    for (const QVariantMap &project : projects) {
        QVariantList row;
        for (const char *column : columns)
            row << project.value(QLatin1String(column));
        rows << QVariant(row);
    }
    return rows;
}

QVariantList CSheetData::VideoRows(const QString &projectKey)
{
    QVariantList rows;
    const QList<QVariantMap> videos = CKLN_TQ420DataBase::GetInstance()->SelectRows(
        QStringLiteral("VedioCount"), QStringLiteral("ProHashCode = %1 order by ImportDate desc")
                                          .arg(SqlText::SqlQuote(projectKey)));
    for (const QVariantMap &video : videos) {
        rows << QVariant(QVariantList{video.value("RoadName"), video.value("PipeNum"),
                                      video.value("PipeType"), video.value("PipeMeterial"),
                                      QFileInfo(video.value("VedioFileName").toString()).fileName(),
                                      video.value("HashCode"), video.value("RecordDate"),
                                      video.value("ImportDate"), video.value("iDefectNums")});
    }
    return rows;
}

QVariantList CSheetData::InterpretationRows(const QString &projectKey)
{
    int rowCount = 0;
    int columnCount = 0;
    QVariantList rows;
    for (const QVariantList &row :
         CKLN_TQ420DataBase::GetInstance()->GetDefectContents(projectKey, rowCount, columnCount))
        rows << QVariant(row);
    return rows;
}

QStringList CSheetData::ProjectRtvFiles(const QString &projectKey)
{
    QStringList files;
    // RoadName, PipeNum, PipeType, VedioFileName, HashCode: the RTV file lies beside the
    // copied video under the video key.
    for (const QVariantList &video : CKLN_TQ420DataBase::GetInstance()->GetVideoKeys(projectKey))
        files << QFileInfo(video.value(3).toString()).path() + QLatin1Char('/') +
                     video.value(4).toString() + QStringLiteral(".rtv");
    return files;
}

QVariantList CSheetData::DetectedAndEvaluatedRows(const QStringList &rtvPaths,
                                                  const SystemValues &system)
{
    QVariantList rows;
    int number = 0;
    for (const QString &path : rtvPaths) {
        const QVariantList row = DetectedAndEvaluatedRow(number + 1, path, system);
        if (!row.isEmpty()) {
            rows << QVariant(row);
            ++number;
        }
    }
    return rows;
}

QVariantList CSheetData::DetectedAndEvaluatedRow(int number, const QString &rtvPath,
                                                 const SystemValues &system)
{
    CFileRTV file;
    if (!file.open(rtvPath) || !file.TraversalFile())
        return {};
    file.close();
    file.Evaluate();
    const ProjectParam &header = file.GetProjectParam();
    const PipelineParam &pipe = file.GetPipelineParam();
    const CWellParam &start = pipe.startWell;
    const CWellParam &end = pipe.endWell;
    const SystemRecord *person = system.FindPerson(header.strTester);
    const SystemRecord *equipment = system.FindEquipment(header.strTestDevice);
    const auto option = [&system](int slot, int index) { return system.OptionItem(slot, index); };
    const int k = CDefectVocabulary::AreaFactorK(pipe.nAreaProperty);
    const int t = CDefectVocabulary::SoilFactorT(pipe.nSoilProperty);
    QString structuralText, functionalText;
    const int structuralGrade = file.GetStructuralGrade(&structuralText);
    const int functionalGrade = file.GetFunctionalGrade(&functionalText);
    QString repairText, maintenanceText;
    file.GetRepairGrade(&repairText);
    file.GetMaintenanceGrade(&maintenanceText);

    return {
        number,
        QFileInfo(file.GetAVIPath().isEmpty() ? rtvPath : file.GetAVIPath()).completeBaseName(),
        header.strTestSite,
        pipe.strStartWellID + QLatin1Char('~') + pipe.strEndWellID,
        header.strTestDate,
        TestDirectionText(pipe.nTestDirction),
        pipe.strRemark,
        // the start well
        start.strWellNum,
        start.nWellType,
        pipe.fWellLatitude,
        pipe.fWellLongitude,
        Rounded(pipe.fWellElevation),
        option(QSystemInfo::InspectionWellMaterial, start.nWellMeterial),
        start.strWellDefect,
        option(QSystemInfo::ManholeCoversMaterial, start.nWellLidMeterial),
        // the end well
        end.strWellNum,
        end.nWellType,
        end.strWellDefect,
        option(QSystemInfo::InspectionWellMaterial, end.nWellMeterial),
        option(QSystemInfo::ManholeCoversMaterial, end.nWellLidMeterial),
        Rounded(pipe.fstartBuriedDepth),
        Rounded(pipe.fendBuriedDepth),
        // the pipe
        pipe.nPipeSectionDiameter,
        option(QSystemInfo::PipeType, pipe.nPipeSectionType),
        option(QSystemInfo::InterfaceShape, pipe.nAreaShape),
        option(QSystemInfo::InerfaceForm, pipe.nInterafaceFormat),
        pipe.strPipeSectionMaterial,
        Rounded(pipe.fPipeSectionLen),
        Rounded(pipe.fPipeBranchDepth),
        pipe.strBuildDate,
        // the operator and the equipment of the inspecting unit
        RecordField(person, SystemRecord::CardID),
        header.strTester,
        RecordField(person, SystemRecord::Type),
        RecordField(equipment, SystemRecord::No),
        RecordField(equipment, SystemRecord::CardID),
        RecordField(equipment, SystemRecord::Type),
        header.strTestDevice,
        RecordField(equipment, SystemRecord::Manufacturers),
        // K, T, E
        CDefectVocabulary::AreaTexts().value(pipe.nAreaProperty),
        k,
        CDefectVocabulary::SoilTexts().value(pipe.nSoilProperty),
        t,
        CDefectVocabulary::PipeFactorE(pipe.nPipeSectionDiameter),
        // the structural and the functional evaluation
        file.GetStructuralCount(),
        Rounded(file.GetS()),
        Rounded(file.GetSmax()),
        structuralGrade,
        Rounded(file.GetStructuralDensity()),
        Rounded(file.GetRI()),
        repairText,
        file.GetFunctionalCount(),
        Rounded(file.GetY()),
        Rounded(file.GetYmax()),
        functionalGrade,
        Rounded(file.GetFunctionalDensity()),
        Rounded(file.GetMI()),
        maintenanceText,
    };
}
