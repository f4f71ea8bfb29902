#include "core/inspection/projectparam.h"

#include "core/common/debuglog.h"
#include "core/common/xmlfile.h"

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
    AppendXmlText(document, element, QStringLiteral("strTester"), strTester);
    AppendXmlText(document, element, QStringLiteral("strTestUnit"), strTestUnit);
    AppendXmlText(document, element, QStringLiteral("strTestDevice"), strTestDevice);
    AppendXmlText(document, element, QStringLiteral("strTestSite"), strTestSite);
    AppendXmlText(document, element, QStringLiteral("strTestDate"), strTestDate);
    AppendXmlText(document, element, QStringLiteral("strTestTime"), strTestTime);
    if (!full)
        return;
    AppendXmlText(document, element, QStringLiteral("strProjectNumber"), strProjectNumber);
    AppendXmlText(document, element, QStringLiteral("strProjectName"), strProjectName);
    AppendXmlText(document, element, QStringLiteral("strCommencementDate"), strCommencementDate);
    AppendXmlInt(document, element, QStringLiteral("iVedioNums"), iVedioNums);
    AppendXmlInt(document, element, QStringLiteral("iPipeNums"), iPipeNums);
    AppendXmlFloat(document, element, QStringLiteral("fMileages"), fMileages);
    AppendXmlInt(document, element, QStringLiteral("iStandardInterpretationNums"),
                 iStandardInterpretationNums);
    AppendXmlInt(document, element, QStringLiteral("iInterpretationNums"), iInterpretationNums);
    AppendXmlText(document, element, QStringLiteral("strReportNum"), strReportNum);
    AppendXmlText(document, element, QStringLiteral("strClientUnits"), strClientUnits);
    AppendXmlText(document, element, QStringLiteral("strConstructionUnits"), strConstructionUnits);
    AppendXmlText(document, element, QStringLiteral("strDesignUnits"), strDesignUnits);
    AppendXmlText(document, element, QStringLiteral("strBuildUnits"), strBuildUnits);
    AppendXmlText(document, element, QStringLiteral("strSuperviseUnits"), strSuperviseUnits);
    AppendXmlText(document, element, QStringLiteral("strMeasureType"), strMeasureType);
    AppendXmlText(document, element, QStringLiteral("strMoveMethod"), strMoveMethod);
    AppendXmlText(document, element, QStringLiteral("strSealMethod"), strSealMethod);
    AppendXmlText(document, element, QStringLiteral("strDrainageMethod"), strDrainageMethod);
    AppendXmlText(document, element, QStringLiteral("strDesiltMethod"), strDesiltMethod);
}

bool ProjectParam::LoadFromXml(const QDomElement &element, bool full)
{
    QDomElement own;
    if (element.tagName() == QLatin1String("ProjectParam"))
        own = element;
    else if (!FindXmlElement(element, QStringLiteral("ProjectParam"), own)) {
        TQ_LOG << "no tag ProjectParam";
        return false;
    }
    ReadXmlText(own, QStringLiteral("strTester"), strTester);
    ReadXmlText(own, QStringLiteral("strTestUnit"), strTestUnit);
    ReadXmlText(own, QStringLiteral("strTestDevice"), strTestDevice);
    ReadXmlText(own, QStringLiteral("strTestSite"), strTestSite);
    ReadXmlText(own, QStringLiteral("strTestDate"), strTestDate);
    ReadXmlText(own, QStringLiteral("strTestTime"), strTestTime);
    if (!full)
        return true;
    ReadXmlText(own, QStringLiteral("strProjectNumber"), strProjectNumber);
    ReadXmlText(own, QStringLiteral("strProjectName"), strProjectName);
    ReadXmlText(own, QStringLiteral("strCommencementDate"), strCommencementDate);
    ReadXmlInt(own, QStringLiteral("iVedioNums"), iVedioNums);
    ReadXmlInt(own, QStringLiteral("iPipeNums"), iPipeNums);
    ReadXmlFloat(own, QStringLiteral("fMileages"), fMileages);
    ReadXmlInt(own, QStringLiteral("iStandardInterpretationNums"), iStandardInterpretationNums);
    ReadXmlInt(own, QStringLiteral("iInterpretationNums"), iInterpretationNums);
    ReadXmlText(own, QStringLiteral("strReportNum"), strReportNum);
    ReadXmlText(own, QStringLiteral("strClientUnits"), strClientUnits);
    ReadXmlText(own, QStringLiteral("strConstructionUnits"), strConstructionUnits);
    ReadXmlText(own, QStringLiteral("strDesignUnits"), strDesignUnits);
    ReadXmlText(own, QStringLiteral("strBuildUnits"), strBuildUnits);
    ReadXmlText(own, QStringLiteral("strSuperviseUnits"), strSuperviseUnits);
    ReadXmlText(own, QStringLiteral("strMeasureType"), strMeasureType);
    ReadXmlText(own, QStringLiteral("strMoveMethod"), strMoveMethod);
    ReadXmlText(own, QStringLiteral("strSealMethod"), strSealMethod);
    ReadXmlText(own, QStringLiteral("strDrainageMethod"), strDrainageMethod);
    ReadXmlText(own, QStringLiteral("strDesiltMethod"), strDesiltMethod);
    return true;
}
