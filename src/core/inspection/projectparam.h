#pragma once

#include <QCoreApplication>
#include <QDomDocument>
#include <QDomElement>
#include <QString>

// Project header of an inspection file.
class ProjectParam
{
    Q_DECLARE_TR_FUNCTIONS(ProjectParam)

public:
    ProjectParam();

    // Fields 1-4 and the interpreted mark always; the project data only when full.
    void Reset(bool full);
    // Appends a "ProjectParam" element; without full only the first six fields.
    void SaveToXml(QDomDocument &document, QDomElement &parent, bool full) const;
    // Reads the first "ProjectParam" element below the given one.
    bool LoadFromXml(const QDomElement &element, bool full);

    QString strTester;
    QString strTestUnit;
    QString strTestDevice;
    QString strTestSite;
    QString strTestDate;
    QString strTestTime;
    QString strProjectNumber;
    QString strProjectName;
    QString strCommencementDate;
    int iVedioNums = 0;
    int iPipeNums = 0;
    float fMileages = 0;
    int iStandardInterpretationNums = 0;
    int iInterpretationNums = 0;
    QString strReportNum;
    QString strClientUnits;
    QString strConstructionUnits;
    QString strDesignUnits;
    QString strBuildUnits;
    QString strSuperviseUnits;
    QString strMeasureType;
    QString strMoveMethod;
    QString strSealMethod;
    QString strDrainageMethod;
    QString strDesiltMethod;
    bool bIsInterpretation = false; // lives in the RTV file's own column, not in XML
};
