#include "core/inspection/pipelineparam.h"

#include <iterator>

#include "core/common/debuglog.h"
#include "core/common/xmlfields.h"
#include "core/common/xmlfile.h"

namespace {
const QString kWellParam = QStringLiteral("WellParam");
const QString kPipelineParam = QStringLiteral("PipelineParam");
const QString kConfigRoot = QStringLiteral("KLN_CONFIG");

using WellField = XmlFields::Field<CWellParam>;
using PipeField = XmlFields::Field<PipelineParam>;

const WellField kWellFields[] = {
    {"strWellNum", &CWellParam::strWellNum},
    {"nWellType", &CWellParam::nWellType},
    {"nWellMeterial", &CWellParam::nWellMeterial},
    {"nWellLidMeterial", &CWellParam::nWellLidMeterial},
    {"WellDefectType", &CWellParam::WellDefectType},
    {"strWellDefect", &CWellParam::strWellDefect},
};

// The fields before the two "WellParam" elements, in the form's order.
const PipeField kFieldsBeforeWells[] = {
    {"strStartWellID", &PipelineParam::strStartWellID},
    {"strEndWellID", &PipelineParam::strEndWellID},
    {"fWellElevation", &PipelineParam::fWellElevation},
    {"fWellLatitude", &PipelineParam::fWellLatitude},
    {"fWellLongitude", &PipelineParam::fWellLongitude},
    {"nPipeSectionType", &PipelineParam::nPipeSectionType},
    {"nPipeSectionMaterial", &PipelineParam::nPipeSectionMaterial},
    {"strPipeSectionMaterial", &PipelineParam::strPipeSectionMaterial},
    {"nPipeSectionDiameter", &PipelineParam::nPipeSectionDiameter},
    {"fPipeSectionLen", &PipelineParam::fPipeSectionLen},
    {"fBuriedDepth", &PipelineParam::fBuriedDepth},
    {"fPipeBranchDepth", &PipelineParam::fPipeBranchDepth},
    {"nTestDirction", &PipelineParam::nTestDirction},
    {"strOwnUnit", &PipelineParam::strOwnUnit},
    {"fDesignGrade", &PipelineParam::fDesignGrade},
    {"nEvaluationCriteria", &PipelineParam::nEvaluationCriteria},
    {"nAreaProperty", &PipelineParam::nAreaProperty},
    {"nSoilProperty", &PipelineParam::nSoilProperty},
    {"nLoadStatus", &PipelineParam::nLoadStatus},
    {"strRemark", &PipelineParam::strRemark},
};

// The fields after the two wells, in the form's order.
const PipeField kFieldsAfterWells[] = {
    {"fCrawlerGrade", &PipelineParam::fCrawlerGrade},
    {"nAreaShape", &PipelineParam::nAreaShape},
    {"nInterafaceFormat", &PipelineParam::nInterafaceFormat},
    {"fstartBuriedDepth", &PipelineParam::fstartBuriedDepth},
    {"fendBuriedDepth", &PipelineParam::fendBuriedDepth},
    {"strBuildDate", &PipelineParam::strBuildDate},
};
} // namespace

CWellParam::CWellParam(const QString &name, bool isStartWell)
{
    Init(name, isStartWell);
}

void CWellParam::Init(const QString &name, bool isStartWell)
{
    strWellNum = name;
    nWellType = isStartWell ? 0 : 11;
    WellDefectType = nWellType;
    nWellMeterial = 0;
    nWellLidMeterial = 0;
    strWellDefect.clear();
}

void CWellParam::SaveToXml(QDomDocument &document, QDomElement &parent) const
{
    QDomElement element = document.createElement(kWellParam);
    parent.appendChild(element);
    XmlFields::Append(document, element, *this, kWellFields, std::size(kWellFields));
    TQ_LOG << "m_nWellDefectType:" << WellDefectType;
}

bool CWellParam::LoadFromXml(const QDomElement &element)
{
    if (element.isNull())
        return false;
    XmlFields::Read(element, *this, kWellFields, std::size(kWellFields));
    return true;
}

PipelineParam::PipelineParam()
{
    Reset();
}

void PipelineParam::Reset()
{
    strStartWellID = QStringLiteral("Well_1");
    strEndWellID = QStringLiteral("Well_2");
    fWellElevation = 0;
    fWellLatitude = kDefaultLatitude;
    fWellLongitude = kDefaultLongitude;
    nPipeSectionType = 0;
    nPipeSectionMaterial = 2;
    strPipeSectionMaterial = QCoreApplication::translate("QSystemInfo", "ReinforcedConcretePipe");
    nPipeSectionDiameter = 600;
    fPipeSectionLen = 100;
    fBuriedDepth = 0;
    fPipeBranchDepth = 100;
    nTestDirction = 0;
    strOwnUnit.clear();
    strBuildDate.clear();
    fDesignGrade = 0;
    nEvaluationCriteria = 0;
    nAreaProperty = 0;
    nSoilProperty = 0;
    nLoadStatus = 0;
    startWell.Init(QStringLiteral("1#"), true);
    endWell.Init(QStringLiteral("2#"), false);
    nAreaShape = 0;
    nInterafaceFormat = 0;
    fstartBuriedDepth = 2.5f;
    fendBuriedDepth = 3.0f;
    strRemark.clear();
    fCrawlerGrade = 0;
}

void PipelineParam::SaveToXml(QDomDocument &document, QDomElement &parent) const
{
    QDomElement e = document.createElement(kPipelineParam);
    parent.appendChild(e);
    XmlFields::Append(document, e, *this, kFieldsBeforeWells, std::size(kFieldsBeforeWells));
    startWell.SaveToXml(document, e);
    endWell.SaveToXml(document, e);
    XmlFields::Append(document, e, *this, kFieldsAfterWells, std::size(kFieldsAfterWells));
}

bool PipelineParam::LoadFromXml(const QDomElement &element)
{
    QDomElement e;
    if (!XmlFile::FindXmlElement(element, kPipelineParam, e)) {
        TQ_LOG << "no tag PipelineParam";
        return false;
    }
    XmlFields::Read(e, *this, kFieldsBeforeWells, std::size(kFieldsBeforeWells));
    if (!(fWellLatitude >= 4 && fWellLatitude <= 53))
        fWellLatitude = kDefaultLatitude;
    if (!(fWellLongitude >= 73 && fWellLongitude <= 135))
        fWellLongitude = kDefaultLongitude;

    startWell.Init(strStartWellID, true);
    endWell.Init(strEndWellID, false);
    // The first two "WellParam" elements in document order; further ones are ignored.
    const QDomNodeList wellElements = e.elementsByTagName(kWellParam);
    CWellParam *wells[] = {&startWell, &endWell};
    for (int i = 0; i < 2 && i < wellElements.count(); ++i) {
        wells[i]->Init(QString(), true);
        wells[i]->LoadFromXml(wellElements.item(i).toElement());
    }

    // Without its element the start depth is 0 and the end depth the section's burial depth.
    fstartBuriedDepth = 0;
    fendBuriedDepth = fBuriedDepth;
    XmlFields::Read(e, *this, kFieldsAfterWells, std::size(kFieldsAfterWells));
    return true;
}

QString PipelineParam::toXMLString() const
{
    QDomDocument document;
    QDomElement root = XmlFile::CreateXmlStringDocument(document, kConfigRoot);
    SaveToXml(document, root);
    return XmlFile::XmlStringOf(document);
}

bool PipelineParam::fromXMLString(const QString &text)
{
    QDomDocument document;
    const QDomElement root = XmlFile::ParseXmlString(text, kConfigRoot, document);
    return !root.isNull() && LoadFromXml(root);
}

QString TestDirectionText(int nTestDirction)
{
    return nTestDirction == 0 ? QCoreApplication::translate("PipelineParam", "Downcurrent")
                              : QCoreApplication::translate("PipelineParam", "Countercurrent");
}
