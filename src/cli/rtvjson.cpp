#include "rtvjson.h"

#include <QFileInfo>
#include <QJsonArray>

#include "core/inspection/cdefectvocabulary.h"
#include "core/inspection/cfilertv.h"

namespace RtvJson {

double FloatValue(float value)
{
    for (int precision = 1; precision < 9; ++precision) {
        const double shortest = QString::number(double(value), 'g', precision).toDouble();
        if (float(shortest) == value)
            return shortest;
    }
    return QString::number(double(value), 'g', 9).toDouble();
}

QJsonObject Header(const ProjectParam &p)
{
    return {
        {"strTester", p.strTester},
        {"strTestUnit", p.strTestUnit},
        {"strTestDevice", p.strTestDevice},
        {"strTestSite", p.strTestSite},
        {"strTestDate", p.strTestDate},
        {"strTestTime", p.strTestTime},
        {"strProjectNumber", p.strProjectNumber},
        {"strProjectName", p.strProjectName},
        {"strCommencementDate", p.strCommencementDate},
        {"iVedioNums", p.iVedioNums},
        {"iPipeNums", p.iPipeNums},
        {"fMileages", FloatValue(p.fMileages)},
        {"iStandardInterpretationNums", p.iStandardInterpretationNums},
        {"iInterpretationNums", p.iInterpretationNums},
        {"strReportNum", p.strReportNum},
        {"strClientUnits", p.strClientUnits},
        {"strConstructionUnits", p.strConstructionUnits},
        {"strDesignUnits", p.strDesignUnits},
        {"strBuildUnits", p.strBuildUnits},
        {"strSuperviseUnits", p.strSuperviseUnits},
        {"strMeasureType", p.strMeasureType},
        {"strMoveMethod", p.strMoveMethod},
        {"strSealMethod", p.strSealMethod},
        {"strDrainageMethod", p.strDrainageMethod},
        {"strDesiltMethod", p.strDesiltMethod},
        {"bIsInterpretation", p.bIsInterpretation},
    };
}

QJsonObject Well(const CWellParam &w)
{
    return {
        {"strWellNum", w.strWellNum},         {"nWellType", w.nWellType},
        {"nWellMeterial", w.nWellMeterial},   {"nWellLidMeterial", w.nWellLidMeterial},
        {"WellDefectType", w.WellDefectType}, {"strWellDefect", w.strWellDefect},
    };
}

QJsonObject Pipeline(const PipelineParam &p)
{
    return {
        {"strStartWellID", p.strStartWellID},
        {"strEndWellID", p.strEndWellID},
        {"fWellElevation", FloatValue(p.fWellElevation)},
        {"fWellLatitude", p.fWellLatitude},
        {"fWellLongitude", p.fWellLongitude},
        {"nPipeSectionType", p.nPipeSectionType},
        {"nPipeSectionMaterial", p.nPipeSectionMaterial},
        {"strPipeSectionMaterial", p.strPipeSectionMaterial},
        {"nPipeSectionDiameter", p.nPipeSectionDiameter},
        {"fPipeSectionLen", FloatValue(p.fPipeSectionLen)},
        {"fBuriedDepth", FloatValue(p.fBuriedDepth)},
        {"fPipeBranchDepth", FloatValue(p.fPipeBranchDepth)},
        {"nTestDirction", p.nTestDirction},
        {"strOwnUnit", p.strOwnUnit},
        {"strBuildDate", p.strBuildDate},
        {"fDesignGrade", FloatValue(p.fDesignGrade)},
        {"nEvaluationCriteria", p.nEvaluationCriteria},
        {"nAreaProperty", p.nAreaProperty},
        {"nSoilProperty", p.nSoilProperty},
        {"nLoadStatus", p.nLoadStatus},
        {"startWell", Well(p.startWell)},
        {"endWell", Well(p.endWell)},
        {"nAreaShape", p.nAreaShape},
        {"nInterafaceFormat", p.nInterafaceFormat},
        {"fstartBuriedDepth", FloatValue(p.fstartBuriedDepth)},
        {"fendBuriedDepth", FloatValue(p.fendBuriedDepth)},
        {"strRemark", p.strRemark},
        {"fCrawlerGrade", FloatValue(p.fCrawlerGrade)},
    };
}

QJsonObject Defect(const CDefectItem &d)
{
    const DefectParam &p = d.defectParam;
    QJsonArray shapes;
    for (const CVectorGraphItem &shape : d.listVectorGraph)
        shapes.append(CVectorGraphItem::ElementName(shape.nType));
    return {
        {"nTimeIndex", d.nTimeIndex},
        {"curTime", d.TimeText()},
        {"DefectName", p.DefectName},
        {"DefectProperty", p.DefectProperty},
        {"DefectLevel", p.DefectLevel},
        {"fDistance", FloatValue(p.fDistance)},
        {"fLength", FloatValue(p.fLength)},
        {"nRingStart", p.nRingStart},
        {"nRingEnd", p.nRingEnd},
        {"strRemark", p.strRemark},
        {"strInterpretDate", p.strInterpretDate},
        {"fRadioPixelLengthMM", FloatValue(p.fRadioPixelLengthMM)},
        {"shapes", shapes},
        {"orgImage", QFileInfo::exists(d.strOrgImgPath)},
        {"defectImage", QFileInfo::exists(d.strDefectImgPath)},
        {"nameText", CDefectVocabulary::NameText(p)},
        {"levelText", CDefectVocabulary::LevelText(p)},
        {"classText", CDefectVocabulary::ClassText(p)},
        {"positionText", CDefectVocabulary::PositionText(p)},
        {"score", FloatValue(CDefectVocabulary::Score(p))},
    };
}

QJsonObject Evaluation(const CFileRTV &f)
{
    QString structural, repair, functional, maintenance;
    const int structuralGrade = f.GetStructuralGrade(&structural);
    const int repairGrade = f.GetRepairGrade(&repair);
    const int functionalGrade = f.GetFunctionalGrade(&functional);
    const int maintenanceGrade = f.GetMaintenanceGrade(&maintenance);
    return {
        {"S", FloatValue(f.GetS())},
        {"Smax", FloatValue(f.GetSmax())},
        {"F", FloatValue(f.GetF())},
        {"structuralDensity", FloatValue(f.GetStructuralDensity())},
        {"RI", FloatValue(f.GetRI())},
        {"Y", FloatValue(f.GetY())},
        {"Ymax", FloatValue(f.GetYmax())},
        {"G", FloatValue(f.GetG())},
        {"functionalDensity", FloatValue(f.GetFunctionalDensity())},
        {"MI", FloatValue(f.GetMI())},
        {"structuralGrade", structuralGrade},
        {"repairGrade", repairGrade},
        {"functionalGrade", functionalGrade},
        {"maintenanceGrade", maintenanceGrade},
        {"structuralGradeText", structural},
        {"repairGradeText", repair},
        {"functionalGradeText", functional},
        {"maintenanceGradeText", maintenance},
        {"structuralDensityText", f.GetStructuralDensityText()},
        {"functionalDensityText", f.GetFunctionalDensityText()},
    };
}

} // namespace RtvJson
