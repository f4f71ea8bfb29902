#include "core/inspection/projectparam.h"

#include <iterator>

#include "core/common/debuglog.h"
#include "core/common/xmlfields.h"
#include "core/common/xmlfile.h"

namespace {
using Field = XmlFields::Field<ProjectParam>;

// The XML form in order; the short form holds the first fields only, up to strTestTime.
const Field kFields[] = {
    {"strTester", &ProjectParam::strTester},
    {"strTestUnit", &ProjectParam::strTestUnit},
    {"strTestDevice", &ProjectParam::strTestDevice},
    {"strTestSite", &ProjectParam::strTestSite},
    {"strTestDate", &ProjectParam::strTestDate},
    {"strTestTime", &ProjectParam::strTestTime},
    {"strProjectNumber", &ProjectParam::strProjectNumber},
    {"strProjectName", &ProjectParam::strProjectName},
    {"strCommencementDate", &ProjectParam::strCommencementDate},
    {"iVedioNums", &ProjectParam::iVedioNums},
    {"iPipeNums", &ProjectParam::iPipeNums},
    {"fMileages", &ProjectParam::fMileages},
    {"iStandardInterpretationNums", &ProjectParam::iStandardInterpretationNums},
    {"iInterpretationNums", &ProjectParam::iInterpretationNums},
    {"strReportNum", &ProjectParam::strReportNum},
    {"strClientUnits", &ProjectParam::strClientUnits},
    {"strConstructionUnits", &ProjectParam::strConstructionUnits},
    {"strDesignUnits", &ProjectParam::strDesignUnits},
    {"strBuildUnits", &ProjectParam::strBuildUnits},
    {"strSuperviseUnits", &ProjectParam::strSuperviseUnits},
    {"strMeasureType", &ProjectParam::strMeasureType},
    {"strMoveMethod", &ProjectParam::strMoveMethod},
    {"strSealMethod", &ProjectParam::strSealMethod},
    {"strDrainageMethod", &ProjectParam::strDrainageMethod},
    {"strDesiltMethod", &ProjectParam::strDesiltMethod},
};

constexpr std::size_t kShortFormCount = 6;

std::size_t FieldCount(bool full)
{
    return full ? std::size(kFields) : kShortFormCount;
}
} // namespace

ProjectParam::ProjectParam()
{
    Reset(true);
}

void ProjectParam::Reset(bool full)
{
    strTester = QStringLiteral("Tester");
    strTestUnit = QStringLiteral("Dalmeron");
    strTestDevice = tr("CCTV Pipeline robot");
    strTestSite = tr("Default");
    bIsInterpretation = false;
    if (!full)
        return;
    strProjectNumber.clear();
    strProjectName.clear();
    strCommencementDate.clear();
    iVedioNums = 0;
    iPipeNums = 0;
    fMileages = 0;
    iStandardInterpretationNums = 0;
    strReportNum.clear();
    strClientUnits.clear();
    strConstructionUnits.clear();
    strDesignUnits.clear();
    strSuperviseUnits.clear();
    strMeasureType.clear();
    strMoveMethod.clear();
    strDrainageMethod.clear();
    strDesiltMethod.clear();
}

void ProjectParam::SaveToXml(QDomDocument &document, QDomElement &parent, bool full) const
{
    QDomElement element = document.createElement(QStringLiteral("ProjectParam"));
    parent.appendChild(element);
    XmlFields::Append(document, element, *this, kFields, FieldCount(full));
}

bool ProjectParam::LoadFromXml(const QDomElement &element, bool full)
{
    QDomElement own;
    if (element.tagName() == QLatin1String("ProjectParam"))
        own = element;
    else if (!XmlFile::FindXmlElement(element, QStringLiteral("ProjectParam"), own)) {
        TQ_LOG << "no tag ProjectParam";
        return false;
    }
    XmlFields::Read(own, *this, kFields, FieldCount(full));
    return true;
}
