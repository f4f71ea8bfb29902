#pragma once

#include <QByteArray>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

// Plain descriptions of the sample inspection files. The same values feed the
// SQLite writer and the manifest, so the manifest always states what was stored.

// RTV file versions: bits for the optional ProjectParam columns.
enum RtvVersion {
    RtvV0 = 0,
    RtvProjectNameBit = 1,
    RtvInterpretationBit = 1024,
    RtvCurrent = 1025,
    RtvUnreadable = -1
};

struct SampleHeader
{
    QString strTester;
    QString strTestUnit;
    QString strTestDevice;
    QString strTestSite;
    QString strTestDate;
    QString strProjectName;         // stored only when the version has the column
    bool bIsInterpretation = false; // stored only when the version has the column
};

struct SampleWell
{
    QString strWellNum;
    int nWellType = 0;
    int nWellMeterial = 0;
    int nWellLidMeterial = 0;
    int WellDefectType = 0;
    QString strWellDefect;
};

struct SamplePipe
{
    QString strStartWellID;
    QString strEndWellID;
    float fWellElevation = 12.5f;
    double fWellLatitude = 30.5;
    double fWellLongitude = 114.25;
    int nPipeSectionType = 1;
    int nPipeSectionMaterial = 2;
    QString strPipeSectionMaterial = QStringLiteral("ReinforcedConcretePipe");
    int nPipeSectionDiameter = 600;
    float fPipeSectionLen = 30.0f;
    float fBuriedDepth = 2.5f;
    float fPipeBranchDepth = 30.0f; // the field unit writes the section length here
    int nTestDirction = 0;
    QString strOwnUnit;
    float fDesignGrade = 0.5f;
    int nEvaluationCriteria = 0;
    int nAreaProperty = 0;
    int nSoilProperty = 0;
    int nLoadStatus = 0;
    QString strRemark;
    SampleWell startWell;
    SampleWell endWell;
    float fCrawlerGrade = 0.25f;
    int nAreaShape = 0;
    int nInterafaceFormat = 0;
    float fstartBuriedDepth = 2.5f;
    float fendBuriedDepth = 3.0f;
    QString strBuildDate = QStringLiteral("2008-06-01");

    // When set, strParam holds this text instead of the generated form.
    bool useRawXml = false;
    QString rawXml;
    bool xmlReadable = true; // whether the stored text yields the values above
};

struct SampleTrack
{
    int nTimeIndex = 0;
    QString strCurTime;
    int nRunningState = 1;
    float fRunningSpeed = 0.2f;
    float fGrade = 0.0f;
    float fDistance = 0.0f;
    int nPanHeight = 0;
    float fTiltF2B = 0.0f;
    float fTiltL2R = 0.0f;
    float fCameraVTilt = 0.0f;
    float fCameraHTilt = 0.0f;
    float fQiYa1 = 0.0f;
    float fQiYa2 = 0.0f;
    int nTLYyaw = 0;
    int nLPhead = 0;

    bool useRawXml = false;
    QString rawXml;          // fDistance then holds what a reader should get from it
    bool xmlReadable = true; // the text has the "VectorGrapth" root and a "ControlParam"
};

struct SampleShape
{
    int nType =
        1; // 1 Line, 2 Rect, 3 Ellipse, 4 Path, 5 Text, 6 Arrow, 8 Angle, 9 RULER, 30 EditText
    QPointF pt1;
    QPointF pt2;
    QPointF pt3;
    QRectF rect;
    QString strText;
    float fPixelToLen = 0.0f;
    bool bLocalMachine = true; // the element carries a LocalMachine attribute
};

// What a blob holds; only Png decodes as a PNG image.
enum class BlobKind { Png, Empty, TruncatedPng, CorruptPng, RandomBytes, Jpeg };

struct SampleDefect
{
    int nTimeIndex = 0;
    QString strCurTime;
    int DefectName = -1;
    int DefectProperty = -1;
    int DefectLevel = 0;
    float fDistance = 0.0f;
    float fLength = 0.0f;
    int nRingStart = 0;
    int nRingEnd = 0;
    QString strRemark;
    QString strInterpretDate;
    float fRadioPixelLengthMM = 1.0f;
    QList<SampleShape> shapes;

    QByteArray imgDataOrg;
    QByteArray imgDataDefect;
    BlobKind orgKind = BlobKind::Png;
    BlobKind defectKind = BlobKind::Png;

    // When set, the XML columns hold these texts; the fields above then hold
    // what a reader should get from them.
    bool useRawParamXml = false;
    QString rawParamXml;
    bool useRawVectorXml = false;
    QString rawVectorXml;
    bool paramXmlReadable = true;  // root "DefectParam" with the inner "DefectParam"
    bool vectorXmlReadable = true; // root "VectorGrapth"
};

struct SampleRtv
{
    QString relativePath; // below OUTDIR, with "/"
    int version = RtvCurrent;
    bool readable = true;
    bool hasHeaderRow = true;
    SampleHeader header;
    bool hasPipeRow = true;
    SamplePipe pipe;
    QList<SampleTrack> track;
    QList<SampleDefect> defects;
};
