#include "core/inspection/pipelineparam.h"

#include "core/common/debuglog.h"
#include "core/common/xmlfile.h"

namespace {
const QString kWellParam = QStringLiteral("WellParam");
const QString kPipelineParam = QStringLiteral("PipelineParam");
const QString kConfigRoot = QStringLiteral("KLN_CONFIG");
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
    AppendXmlText(document, element, QStringLiteral("strWellNum"), strWellNum);
    AppendXmlInt(document, element, QStringLiteral("nWellType"), nWellType);
    AppendXmlInt(document, element, QStringLiteral("nWellMeterial"), nWellMeterial);
    AppendXmlInt(document, element, QStringLiteral("nWellLidMeterial"), nWellLidMeterial);
    AppendXmlInt(document, element, QStringLiteral("WellDefectType"), WellDefectType);
    TQ_LOG << "m_nWellDefectType:" << WellDefectType;
    AppendXmlText(document, element, QStringLiteral("strWellDefect"), strWellDefect);
}

bool CWellParam::LoadFromXml(const QDomElement &element)
{
    if (element.isNull())
        return false;
    ReadXmlText(element, QStringLiteral("strWellNum"), strWellNum);
    ReadXmlInt(element, QStringLiteral("nWellType"), nWellType);
    ReadXmlInt(element, QStringLiteral("nWellMeterial"), nWellMeterial);
    ReadXmlInt(element, QStringLiteral("nWellLidMeterial"), nWellLidMeterial);
    ReadXmlInt(element, QStringLiteral("WellDefectType"), WellDefectType);
    ReadXmlText(element, QStringLiteral("strWellDefect"), strWellDefect);
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
    AppendXmlText(document, e, QStringLiteral("strStartWellID"), strStartWellID);
    AppendXmlText(document, e, QStringLiteral("strEndWellID"), strEndWellID);
    AppendXmlFloat(document, e, QStringLiteral("fWellElevation"), fWellElevation);
    AppendXmlDouble(document, e, QStringLiteral("fWellLatitude"), fWellLatitude);
    AppendXmlDouble(document, e, QStringLiteral("fWellLongitude"), fWellLongitude);
    AppendXmlInt(document, e, QStringLiteral("nPipeSectionType"), nPipeSectionType);
    AppendXmlInt(document, e, QStringLiteral("nPipeSectionMaterial"), nPipeSectionMaterial);
    AppendXmlText(document, e, QStringLiteral("strPipeSectionMaterial"), strPipeSectionMaterial);
    AppendXmlInt(document, e, QStringLiteral("nPipeSectionDiameter"), nPipeSectionDiameter);
    AppendXmlFloat(document, e, QStringLiteral("fPipeSectionLen"), fPipeSectionLen);
    AppendXmlFloat(document, e, QStringLiteral("fBuriedDepth"), fBuriedDepth);
    AppendXmlFloat(document, e, QStringLiteral("fPipeBranchDepth"), fPipeBranchDepth);
    AppendXmlInt(document, e, QStringLiteral("nTestDirction"), nTestDirction);
    AppendXmlText(document, e, QStringLiteral("strOwnUnit"), strOwnUnit);
    AppendXmlFloat(document, e, QStringLiteral("fDesignGrade"), fDesignGrade);
    AppendXmlInt(document, e, QStringLiteral("nEvaluationCriteria"), nEvaluationCriteria);
    AppendXmlInt(document, e, QStringLiteral("nAreaProperty"), nAreaProperty);
    AppendXmlInt(document, e, QStringLiteral("nSoilProperty"), nSoilProperty);
    AppendXmlInt(document, e, QStringLiteral("nLoadStatus"), nLoadStatus);
    AppendXmlText(document, e, QStringLiteral("strRemark"), strRemark);
    startWell.SaveToXml(document, e);
    endWell.SaveToXml(document, e);
    AppendXmlFloat(document, e, QStringLiteral("fCrawlerGrade"), fCrawlerGrade);
    AppendXmlInt(document, e, QStringLiteral("nAreaShape"), nAreaShape);
    AppendXmlInt(document, e, QStringLiteral("nInterafaceFormat"), nInterafaceFormat);
    AppendXmlFloat(document, e, QStringLiteral("fstartBuriedDepth"), fstartBuriedDepth);
    AppendXmlFloat(document, e, QStringLiteral("fendBuriedDepth"), fendBuriedDepth);
    AppendXmlText(document, e, QStringLiteral("strBuildDate"), strBuildDate);
}

bool PipelineParam::LoadFromXml(const QDomElement &element)
{
    QDomElement e;
    if (!FindXmlElement(element, kPipelineParam, e)) {
        TQ_LOG << "no tag PipelineParam";
        return false;
    }
    ReadXmlText(e, QStringLiteral("strStartWellID"), strStartWellID);
    ReadXmlText(e, QStringLiteral("strEndWellID"), strEndWellID);
    ReadXmlFloat(e, QStringLiteral("fWellElevation"), fWellElevation);
    ReadXmlDouble(e, QStringLiteral("fWellLatitude"), fWellLatitude);
    ReadXmlDouble(e, QStringLiteral("fWellLongitude"), fWellLongitude);
    if (!(fWellLatitude >= 4 && fWellLatitude <= 53))
        fWellLatitude = kDefaultLatitude;
    if (!(fWellLongitude >= 73 && fWellLongitude <= 135))
        fWellLongitude = kDefaultLongitude;

    ReadXmlInt(e, QStringLiteral("nPipeSectionType"), nPipeSectionType);
    ReadXmlInt(e, QStringLiteral("nPipeSectionMaterial"), nPipeSectionMaterial);
    ReadXmlText(e, QStringLiteral("strPipeSectionMaterial"), strPipeSectionMaterial);
    ReadXmlInt(e, QStringLiteral("nPipeSectionDiameter"), nPipeSectionDiameter);
    ReadXmlFloat(e, QStringLiteral("fPipeSectionLen"), fPipeSectionLen);
    ReadXmlFloat(e, QStringLiteral("fBuriedDepth"), fBuriedDepth);
    ReadXmlFloat(e, QStringLiteral("fPipeBranchDepth"), fPipeBranchDepth);
    ReadXmlInt(e, QStringLiteral("nTestDirction"), nTestDirction);
    ReadXmlText(e, QStringLiteral("strOwnUnit"), strOwnUnit);
    ReadXmlFloat(e, QStringLiteral("fDesignGrade"), fDesignGrade);
    ReadXmlInt(e, QStringLiteral("nEvaluationCriteria"), nEvaluationCriteria);
    ReadXmlInt(e, QStringLiteral("nAreaProperty"), nAreaProperty);
    ReadXmlInt(e, QStringLiteral("nSoilProperty"), nSoilProperty);
    ReadXmlInt(e, QStringLiteral("nLoadStatus"), nLoadStatus);
    ReadXmlText(e, QStringLiteral("strRemark"), strRemark);

    startWell.Init(strStartWellID, true);
    endWell.Init(strEndWellID, false);
    // The first two "WellParam" elements in document order; further ones are ignored.
    const QDomNodeList wellElements = e.elementsByTagName(kWellParam);
    CWellParam *wells[] = {&startWell, &endWell};
    for (int i = 0; i < 2 && i < wellElements.count(); ++i) {
        wells[i]->Init(QString(), true);
        wells[i]->LoadFromXml(wellElements.item(i).toElement());
    }

    ReadXmlFloat(e, QStringLiteral("fCrawlerGrade"), fCrawlerGrade);
    ReadXmlInt(e, QStringLiteral("nAreaShape"), nAreaShape);
    ReadXmlInt(e, QStringLiteral("nInterafaceFormat"), nInterafaceFormat);
    fstartBuriedDepth = 0;
    ReadXmlFloat(e, QStringLiteral("fstartBuriedDepth"), fstartBuriedDepth);
    fendBuriedDepth = fBuriedDepth;
    ReadXmlFloat(e, QStringLiteral("fendBuriedDepth"), fendBuriedDepth);
    ReadXmlText(e, QStringLiteral("strBuildDate"), strBuildDate);
    return true;
}

QString PipelineParam::toXMLString() const
{
    QDomDocument document;
    QDomElement root = CreateXmlStringDocument(document, kConfigRoot);
    SaveToXml(document, root);
    return XmlStringOf(document);
}

bool PipelineParam::fromXMLString(const QString &text)
{
    QDomDocument document;
    const QDomElement root = ParseXmlString(text, kConfigRoot, document);
    return !root.isNull() && LoadFromXml(root);
}

QString TestDirectionText(int nTestDirction)
{
    return nTestDirction == 0 ? QCoreApplication::translate("PipelineParam", "Downcurrent")
                              : QCoreApplication::translate("PipelineParam", "Countercurrent");
}
