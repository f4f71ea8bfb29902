#pragma once

#include <QCoreApplication>
#include <QDomDocument>
#include <QDomElement>
#include <QString>

// One manhole at an end of a pipe section.
class CWellParam
{
public:
    explicit CWellParam(const QString &name = QString(), bool isStartWell = true);
    void Init(const QString &name, bool isStartWell);

    void SaveToXml(QDomDocument &document, QDomElement &parent) const;
    // Reads the six fields from the given "WellParam" element.
    bool LoadFromXml(const QDomElement &element);

    QString strWellNum;
    int nWellType = 0;
    int nWellMeterial = 0;
    int nWellLidMeterial = 0;
    int WellDefectType = 0;
    QString strWellDefect;
};

// The pipe section inspected by one run.
class PipelineParam
{
    Q_DECLARE_TR_FUNCTIONS(PipelineParam)

public:
    // Accepted coordinate ranges; values outside fall back to the default point.
    static constexpr double kDefaultLatitude = 30.5928;
    static constexpr double kDefaultLongitude = 114.3055;

    PipelineParam();
    void Reset();

    void SaveToXml(QDomDocument &document, QDomElement &parent) const;
    // Reads the first "PipelineParam" element below the given one.
    bool LoadFromXml(const QDomElement &element);
    QString toXMLString() const;
    bool fromXMLString(const QString &text);

    QString strStartWellID;
    QString strEndWellID;
    float fWellElevation = 0;
    double fWellLatitude = kDefaultLatitude;
    double fWellLongitude = kDefaultLongitude;
    int nPipeSectionType = 0;
    int nPipeSectionMaterial = 2;
    QString strPipeSectionMaterial;
    int nPipeSectionDiameter = 600;
    float fPipeSectionLen = 100;
    float fBuriedDepth = 0;
    float fPipeBranchDepth = 100;
    int nTestDirction = 0;
    QString strOwnUnit;
    QString strBuildDate;
    float fDesignGrade = 0;
    int nEvaluationCriteria = 0;
    int nAreaProperty = 0;
    int nSoilProperty = 0;
    int nLoadStatus = 0;
    CWellParam startWell;
    CWellParam endWell;
    int nAreaShape = 0;
    int nInterafaceFormat = 0;
    float fstartBuriedDepth = 2.5f;
    float fendBuriedDepth = 3.0f;
    QString strRemark;
    float fCrawlerGrade = 0;
};

// "Downcurrent" for direction 0, "Countercurrent" otherwise (translated).
QString TestDirectionText(int nTestDirction);
