// XML forms of the inspection entities: round trips, the written text and the reading rules.
#include <QtTest>

#include "core/inspection/cdefectitem.h"
#include "core/inspection/crobotstateitem.h"
#include "core/inspection/pipelineparam.h"
#include "core/inspection/projectparam.h"
#include "support/testsupport.h"

// Compares one member of the objects named actual and expected.
#define COMPARE_FIELD(field) QCOMPARE(actual.field, expected.field)

namespace {
// Every field set to a distinct value that is not its default, so a field dropped from a form
// or read into another member shows.
ProjectParam FilledProject()
{
    ProjectParam p;
    p.strTester = QStringLiteral("O'Brien");
    p.strTestUnit = QStringLiteral("unit <1> & co");
    p.strTestDevice = QStringLiteral("device 2");
    p.strTestSite = QStringLiteral("人民路 3");
    p.strTestDate = QStringLiteral("2021-04-05");
    p.strTestTime = QStringLiteral("10:11:12");
    p.strProjectNumber = QStringLiteral("P-7");
    p.strProjectName = QStringLiteral("name 8");
    p.strCommencementDate = QStringLiteral("2020-09-09");
    p.iVedioNums = 10;
    p.iPipeNums = 11;
    p.fMileages = 12.5f;
    p.iStandardInterpretationNums = 13;
    p.iInterpretationNums = 14;
    p.strReportNum = QStringLiteral("R-15");
    p.strClientUnits = QStringLiteral("client 16");
    p.strConstructionUnits = QStringLiteral("construction 17");
    p.strDesignUnits = QStringLiteral("design 18");
    p.strBuildUnits = QStringLiteral("build 19");
    p.strSuperviseUnits = QStringLiteral("supervise 20");
    p.strMeasureType = QStringLiteral("measure 21");
    p.strMoveMethod = QStringLiteral("move 22");
    p.strSealMethod = QStringLiteral("seal 23");
    p.strDrainageMethod = QStringLiteral("drainage 24");
    p.strDesiltMethod = QStringLiteral("desilt 25");
    return p;
}

CWellParam FilledWell(int base)
{
    CWellParam w;
    w.strWellNum = QStringLiteral("W%1#").arg(base);
    w.nWellType = base + 1;
    w.nWellMeterial = base + 2;
    w.nWellLidMeterial = base + 3;
    w.WellDefectType = base + 4;
    w.strWellDefect = QStringLiteral("defect %1").arg(base + 5);
    return w;
}

PipelineParam FilledPipe()
{
    PipelineParam p;
    p.strStartWellID = QStringLiteral("人民路'东段 W1");
    p.strEndWellID = QStringLiteral("W\"2\" & <3>");
    p.fWellElevation = 3.5f;
    p.fWellLatitude = 31.2345678901;
    p.fWellLongitude = 121.4567890123;
    p.nPipeSectionType = 6;
    p.nPipeSectionMaterial = 7;
    p.strPipeSectionMaterial = QStringLiteral("material 8");
    p.nPipeSectionDiameter = 1200;
    p.fPipeSectionLen = 42.5f;
    p.fBuriedDepth = 1.75f;
    p.fPipeBranchDepth = 0.333333f;
    p.nTestDirction = 1;
    p.strOwnUnit = QStringLiteral("owner 14");
    p.strBuildDate = QStringLiteral("2001-02-03");
    p.fDesignGrade = 0.0125f;
    p.nEvaluationCriteria = 17;
    p.nAreaProperty = 2;
    p.nSoilProperty = 3;
    p.nLoadStatus = 20;
    p.startWell = FilledWell(100);
    p.endWell = FilledWell(200);
    p.nAreaShape = 23;
    p.nInterafaceFormat = 24;
    p.fstartBuriedDepth = 1.25f;
    p.fendBuriedDepth = 2.75f;
    p.strRemark = QStringLiteral("a; b -- c");
    p.fCrawlerGrade = -0.5f;
    return p;
}

DefectParam FilledDefect()
{
    DefectParam d;
    d.DefectName = 12;
    d.DefectProperty = 1;
    d.DefectLevel = 3;
    d.fDistance = 12.5f;
    d.fLength = 0.1f;
    d.nRingStart = 4;
    d.nRingEnd = 9;
    d.strRemark = QStringLiteral("O'Brien; -- &<>");
    d.strInterpretDate = QStringLiteral("2020-01-02 03:04:05");
    d.fRadioPixelLengthMM = 2.5f;
    return d;
}

// A shape of the type with every field set, including those its form does not carry.
CVectorGraphItem FilledShape(int type)
{
    CVectorGraphItem s;
    s.nType = type;
    s.pt1 = QPointF(1.5, 2.25);
    s.pt2 = QPointF(-3.1234567891, 4);
    s.pt3 = QPointF(5, 6.75);
    s.rect = QRectF(10.25, 20.5, 30, 40.125);
    s.strText = QStringLiteral("裂缝 'A' <1>");
    s.fPixelToLen = 0.375f;
    return s;
}

QList<CVectorGraphItem> AllShapes()
{
    QList<CVectorGraphItem> shapes;
    for (int type : {1, 2, 3, 4, 5, 6, 7, 8, 9, 30})
        shapes.append(FilledShape(type));
    return shapes;
}

// Written out field by field, independently of the entities' own field tables.
void VerifyProject(const ProjectParam &actual, const ProjectParam &expected)
{
    COMPARE_FIELD(strTester);
    COMPARE_FIELD(strTestUnit);
    COMPARE_FIELD(strTestDevice);
    COMPARE_FIELD(strTestSite);
    COMPARE_FIELD(strTestDate);
    COMPARE_FIELD(strTestTime);
    COMPARE_FIELD(strProjectNumber);
    COMPARE_FIELD(strProjectName);
    COMPARE_FIELD(strCommencementDate);
    COMPARE_FIELD(iVedioNums);
    COMPARE_FIELD(iPipeNums);
    COMPARE_FIELD(fMileages);
    COMPARE_FIELD(iStandardInterpretationNums);
    COMPARE_FIELD(iInterpretationNums);
    COMPARE_FIELD(strReportNum);
    COMPARE_FIELD(strClientUnits);
    COMPARE_FIELD(strConstructionUnits);
    COMPARE_FIELD(strDesignUnits);
    COMPARE_FIELD(strBuildUnits);
    COMPARE_FIELD(strSuperviseUnits);
    COMPARE_FIELD(strMeasureType);
    COMPARE_FIELD(strMoveMethod);
    COMPARE_FIELD(strSealMethod);
    COMPARE_FIELD(strDrainageMethod);
    COMPARE_FIELD(strDesiltMethod);
    COMPARE_FIELD(bIsInterpretation);
}

void VerifyWell(const CWellParam &actual, const CWellParam &expected)
{
    COMPARE_FIELD(strWellNum);
    COMPARE_FIELD(nWellType);
    COMPARE_FIELD(nWellMeterial);
    COMPARE_FIELD(nWellLidMeterial);
    COMPARE_FIELD(WellDefectType);
    COMPARE_FIELD(strWellDefect);
}

void VerifyPipe(const PipelineParam &actual, const PipelineParam &expected)
{
    COMPARE_FIELD(strStartWellID);
    COMPARE_FIELD(strEndWellID);
    COMPARE_FIELD(fWellElevation);
    COMPARE_FIELD(fWellLatitude);
    COMPARE_FIELD(fWellLongitude);
    COMPARE_FIELD(nPipeSectionType);
    COMPARE_FIELD(nPipeSectionMaterial);
    COMPARE_FIELD(strPipeSectionMaterial);
    COMPARE_FIELD(nPipeSectionDiameter);
    COMPARE_FIELD(fPipeSectionLen);
    COMPARE_FIELD(fBuriedDepth);
    COMPARE_FIELD(fPipeBranchDepth);
    COMPARE_FIELD(nTestDirction);
    COMPARE_FIELD(strOwnUnit);
    COMPARE_FIELD(strBuildDate);
    COMPARE_FIELD(fDesignGrade);
    COMPARE_FIELD(nEvaluationCriteria);
    COMPARE_FIELD(nAreaProperty);
    COMPARE_FIELD(nSoilProperty);
    COMPARE_FIELD(nLoadStatus);
    VerifyWell(actual.startWell, expected.startWell);
    VerifyWell(actual.endWell, expected.endWell);
    COMPARE_FIELD(nAreaShape);
    COMPARE_FIELD(nInterafaceFormat);
    COMPARE_FIELD(fstartBuriedDepth);
    COMPARE_FIELD(fendBuriedDepth);
    COMPARE_FIELD(strRemark);
    COMPARE_FIELD(fCrawlerGrade);
}

void VerifyDefect(const DefectParam &actual, const DefectParam &expected)
{
    COMPARE_FIELD(DefectName);
    COMPARE_FIELD(DefectProperty);
    COMPARE_FIELD(DefectLevel);
    COMPARE_FIELD(fDistance);
    COMPARE_FIELD(fLength);
    COMPARE_FIELD(nRingStart);
    COMPARE_FIELD(nRingEnd);
    COMPARE_FIELD(strRemark);
    COMPARE_FIELD(strInterpretDate);
    COMPARE_FIELD(fRadioPixelLengthMM);
}

void VerifyShape(const CVectorGraphItem &actual, const CVectorGraphItem &expected)
{
    COMPARE_FIELD(nType);
    COMPARE_FIELD(pt1);
    COMPARE_FIELD(pt2);
    COMPARE_FIELD(pt3);
    COMPARE_FIELD(rect);
    COMPARE_FIELD(strText);
    COMPARE_FIELD(fPixelToLen);
    COMPARE_FIELD(bLocalMachine);
}

void VerifyDefectItem(const CDefectItem &actual, const CDefectItem &expected)
{
    COMPARE_FIELD(nTimeIndex);
    COMPARE_FIELD(curTime);
    COMPARE_FIELD(strOrgImgPath);
    COMPARE_FIELD(strDefectImgPath);
    VerifyDefect(actual.defectParam, expected.defectParam);
    QCOMPARE(actual.listVectorGraph.size(), expected.listVectorGraph.size());
    for (int i = 0; i < actual.listVectorGraph.size(); ++i)
        VerifyShape(actual.listVectorGraph.at(i), expected.listVectorGraph.at(i));
}

void VerifyRobotState(const CRobotStateItem &actual, const CRobotStateItem &expected)
{
    COMPARE_FIELD(nTimeIndex);
    COMPARE_FIELD(curTime);
    COMPARE_FIELD(nRunningState);
    COMPARE_FIELD(fRunningSpeed);
    COMPARE_FIELD(fGrade);
    COMPARE_FIELD(fDistance);
    COMPARE_FIELD(nPanHeight);
    COMPARE_FIELD(fTiltF2B);
    COMPARE_FIELD(fTiltL2R);
    COMPARE_FIELD(fCameraVTilt);
    COMPARE_FIELD(fCameraHTilt);
    COMPARE_FIELD(fQiYa1);
    COMPARE_FIELD(fQiYa2);
    COMPARE_FIELD(nTLYyaw);
    COMPARE_FIELD(nLPhead);
}

// The project header written below a settings root, as the settings file holds it.
QDomElement ProjectSettingsRoot(const ProjectParam &header, bool full, QDomDocument &document)
{
    QDomElement root = document.createElement(QStringLiteral("Root"));
    document.appendChild(root);
    header.SaveToXml(document, root, full);
    return root;
}

// A pipe section form with the given PipelineParam children.
QString PipelineXml(const QString &children)
{
    return QStringLiteral("<KLN_CONFIG><PipelineParam>%1</PipelineParam></KLN_CONFIG>")
        .arg(children);
}

QString WellXml(const QString &name, int type)
{
    return QStringLiteral(
               "<WellParam><strWellNum>%1</strWellNum><nWellType>%2</nWellType></WellParam>")
        .arg(name)
        .arg(type);
}

// The written text of the filled entities: files written earlier must read the same, and the
// field unit writes the same forms.
const char *const kPipeForm = R"(<?xml version="1.0" encoding="GB2312"?>
<KLN_CONFIG>
 <PipelineParam>
  <strStartWellID>人民路'东段 W1</strStartWellID>
  <strEndWellID>W"2" &amp; &lt;3></strEndWellID>
  <fWellElevation>3.5</fWellElevation>
  <fWellLatitude>31.2345678901</fWellLatitude>
  <fWellLongitude>121.4567890123</fWellLongitude>
  <nPipeSectionType>6</nPipeSectionType>
  <nPipeSectionMaterial>7</nPipeSectionMaterial>
  <strPipeSectionMaterial>material 8</strPipeSectionMaterial>
  <nPipeSectionDiameter>1200</nPipeSectionDiameter>
  <fPipeSectionLen>42.5</fPipeSectionLen>
  <fBuriedDepth>1.75</fBuriedDepth>
  <fPipeBranchDepth>0.333333</fPipeBranchDepth>
  <nTestDirction>1</nTestDirction>
  <strOwnUnit>owner 14</strOwnUnit>
  <fDesignGrade>0.0125</fDesignGrade>
  <nEvaluationCriteria>17</nEvaluationCriteria>
  <nAreaProperty>2</nAreaProperty>
  <nSoilProperty>3</nSoilProperty>
  <nLoadStatus>20</nLoadStatus>
  <strRemark>a; b -- c</strRemark>
  <WellParam>
   <strWellNum>W100#</strWellNum>
   <nWellType>101</nWellType>
   <nWellMeterial>102</nWellMeterial>
   <nWellLidMeterial>103</nWellLidMeterial>
   <WellDefectType>104</WellDefectType>
   <strWellDefect>defect 105</strWellDefect>
  </WellParam>
  <WellParam>
   <strWellNum>W200#</strWellNum>
   <nWellType>201</nWellType>
   <nWellMeterial>202</nWellMeterial>
   <nWellLidMeterial>203</nWellLidMeterial>
   <WellDefectType>204</WellDefectType>
   <strWellDefect>defect 205</strWellDefect>
  </WellParam>
  <fCrawlerGrade>-0.5</fCrawlerGrade>
  <nAreaShape>23</nAreaShape>
  <nInterafaceFormat>24</nInterafaceFormat>
  <fstartBuriedDepth>1.25</fstartBuriedDepth>
  <fendBuriedDepth>2.75</fendBuriedDepth>
  <strBuildDate>2001-02-03</strBuildDate>
 </PipelineParam>
</KLN_CONFIG>
)";

const char *const kDefectForm = R"(<?xml version="1.0" encoding="GB2312"?>
<DefectParam>
 <DefectParam>
  <DefectName>12</DefectName>
  <DefectProperty>1</DefectProperty>
  <DefectLevel>3</DefectLevel>
  <fDistance>12.5</fDistance>
  <fLength>0.1</fLength>
  <nRingStart>4</nRingStart>
  <nRingEnd>9</nRingEnd>
  <strRemark>O'Brien; -- &amp;&lt;></strRemark>
  <strInterpretDate>2020-01-02 03:04:05</strInterpretDate>
  <fRadioPixelLengthMM>2.5</fRadioPixelLengthMM>
 </DefectParam>
</DefectParam>
)";

const char *const kShapesForm = R"(<?xml version="1.0" encoding="GB2312"?>
<VectorGrapth>
 <Line LocalMachine="1">
  <X1>1.5000000000</X1>
  <Y1>2.2500000000</Y1>
  <X2>-3.1234567891</X2>
  <Y2>4.0000000000</Y2>
 </Line>
 <Rect LocalMachine="1">
  <X>10.2500000000</X>
  <Y>20.5000000000</Y>
  <W>30.0000000000</W>
  <H>40.1250000000</H>
 </Rect>
 <Ellipse LocalMachine="1">
  <X>10.2500000000</X>
  <Y>20.5000000000</Y>
  <W>30.0000000000</W>
  <H>40.1250000000</H>
 </Ellipse>
 <Path LocalMachine="1">
  <X1>1.5000000000</X1>
  <Y1>2.2500000000</Y1>
  <X2>-3.1234567891</X2>
  <Y2>4.0000000000</Y2>
  <X3>5.0000000000</X3>
  <Y3>6.7500000000</Y3>
 </Path>
 <Text LocalMachine="1">
  <X>1.5000000000</X>
  <Y>2.2500000000</Y>
  <strText>裂缝 'A' &lt;1></strText>
 </Text>
 <Arrow LocalMachine="1">
  <X1>1.5000000000</X1>
  <Y1>2.2500000000</Y1>
  <X2>-3.1234567891</X2>
  <Y2>4.0000000000</Y2>
 </Arrow>
 <Angle LocalMachine="1">
  <X1>1.5000000000</X1>
  <Y1>2.2500000000</Y1>
  <X2>-3.1234567891</X2>
  <Y2>4.0000000000</Y2>
  <X3>5.0000000000</X3>
  <Y3>6.7500000000</Y3>
 </Angle>
 <RULER LocalMachine="1">
  <X1>1.5000000000</X1>
  <Y1>2.2500000000</Y1>
  <X2>-3.1234567891</X2>
  <Y2>4.0000000000</Y2>
  <fPixelToLen>0.375</fPixelToLen>
 </RULER>
 <EditText LocalMachine="1">
  <X>1.5000000000</X>
  <Y>2.2500000000</Y>
  <strText>裂缝 'A' &lt;1></strText>
 </EditText>
</VectorGrapth>
)";

const char *const kProjectForm = R"(<Root>
 <ProjectParam>
  <strTester>O'Brien</strTester>
  <strTestUnit>unit &lt;1> &amp; co</strTestUnit>
  <strTestDevice>device 2</strTestDevice>
  <strTestSite>人民路 3</strTestSite>
  <strTestDate>2021-04-05</strTestDate>
  <strTestTime>10:11:12</strTestTime>
  <strProjectNumber>P-7</strProjectNumber>
  <strProjectName>name 8</strProjectName>
  <strCommencementDate>2020-09-09</strCommencementDate>
  <iVedioNums>10</iVedioNums>
  <iPipeNums>11</iPipeNums>
  <fMileages>12.5</fMileages>
  <iStandardInterpretationNums>13</iStandardInterpretationNums>
  <iInterpretationNums>14</iInterpretationNums>
  <strReportNum>R-15</strReportNum>
  <strClientUnits>client 16</strClientUnits>
  <strConstructionUnits>construction 17</strConstructionUnits>
  <strDesignUnits>design 18</strDesignUnits>
  <strBuildUnits>build 19</strBuildUnits>
  <strSuperviseUnits>supervise 20</strSuperviseUnits>
  <strMeasureType>measure 21</strMeasureType>
  <strMoveMethod>move 22</strMoveMethod>
  <strSealMethod>seal 23</strSealMethod>
  <strDrainageMethod>drainage 24</strDrainageMethod>
  <strDesiltMethod>desilt 25</strDesiltMethod>
 </ProjectParam>
</Root>
)";
} // namespace

class TestEntities : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::InstallWarningRecorder(); }
    void cleanup() { TQ_VERIFY_NO_WARNINGS(); }

    void writtenForms_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("expected");
        QTest::newRow("pipe section") << FilledPipe().toXMLString() << QString::fromUtf8(kPipeForm);
        QTest::newRow("defect parameters")
            << FilledDefect().toXMLString() << QString::fromUtf8(kDefectForm);
        CDefectItem item;
        item.listVectorGraph = AllShapes();
        QTest::newRow("vector graphics") << item.toXMLString() << QString::fromUtf8(kShapesForm);
        QDomDocument document;
        ProjectSettingsRoot(FilledProject(), true, document);
        QTest::newRow("project header") << document.toString(1) << QString::fromUtf8(kProjectForm);
    }

    void writtenForms()
    {
        QFETCH(QString, written);
        QFETCH(QString, expected);
        QCOMPARE(written, expected);
    }

    void projectHeaderRoundTrip_data()
    {
        QTest::addColumn<bool>("writeFull");
        QTest::addColumn<bool>("readFull");
        QTest::newRow("full") << true << true;
        QTest::newRow("written short") << false << true;
        QTest::newRow("read short") << true << false;
    }

    void projectHeaderRoundTrip()
    {
        QFETCH(bool, writeFull);
        QFETCH(bool, readFull);
        const ProjectParam filled = FilledProject();
        QDomDocument document;
        const QDomElement root = ProjectSettingsRoot(filled, writeFull, document);
        QCOMPARE(root.firstChildElement().childNodes().count(), writeFull ? 25 : 6);

        ProjectParam read;
        QVERIFY(read.LoadFromXml(root, readFull));
        ProjectParam expected = filled;
        if (!writeFull || !readFull) {
            // Only the tester, unit, device, site, date and time travel in the short form.
            expected = ProjectParam();
            expected.strTester = filled.strTester;
            expected.strTestUnit = filled.strTestUnit;
            expected.strTestDevice = filled.strTestDevice;
            expected.strTestSite = filled.strTestSite;
            expected.strTestDate = filled.strTestDate;
            expected.strTestTime = filled.strTestTime;
        }
        VerifyProject(read, expected);
        QVERIFY(!read.LoadFromXml(document.createElement(QStringLiteral("Empty")), true));
    }

    void pipelineRoundTrip()
    {
        const PipelineParam filled = FilledPipe();
        PipelineParam read;
        QVERIFY(read.fromXMLString(filled.toXMLString()));
        VerifyPipe(read, filled);
    }

    void defectParamRoundTrip()
    {
        const DefectParam filled = FilledDefect();
        DefectParam read;
        QVERIFY(read.fromXMLString(filled.toXMLString()));
        VerifyDefect(read, filled);

        // Absent fields take their defaults, not the previous values.
        QVERIFY(read.fromXMLString(QStringLiteral(
            "<DefectParam><DefectParam><DefectName>4</DefectName></DefectParam></DefectParam>")));
        DefectParam expected;
        expected.DefectName = 4;
        VerifyDefect(read, expected);

        QVERIFY(!read.fromXMLString(QStringLiteral("<DefectParam/>")));
        VerifyDefect(read, DefectParam());
    }

    void shapeRoundTrip_data()
    {
        // Which of a fully set shape's fields its form carries.
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("hasRect");
        QTest::addColumn<bool>("hasText");
        QTest::addColumn<bool>("hasLength");
        QTest::newRow("Line") << 1 << 2 << false << false << false;
        QTest::newRow("Rect") << 2 << 0 << true << false << false;
        QTest::newRow("Ellipse") << 3 << 0 << true << false << false;
        QTest::newRow("Path") << 4 << 3 << false << false << false;
        QTest::newRow("Text") << 5 << 1 << false << true << false;
        QTest::newRow("Arrow") << 6 << 2 << false << false << false;
        QTest::newRow("Angle") << 8 << 3 << false << false << false;
        QTest::newRow("RULER") << 9 << 2 << false << false << true;
        QTest::newRow("EditText") << 30 << 1 << false << true << false;
    }

    void shapeRoundTrip()
    {
        QFETCH(int, type);
        QFETCH(int, points);
        QFETCH(bool, hasRect);
        QFETCH(bool, hasText);
        QFETCH(bool, hasLength);
        const CVectorGraphItem filled = FilledShape(type);
        CDefectItem item;
        item.listVectorGraph = {filled};
        CDefectItem read;
        QVERIFY(read.fromXMLString(item.toXMLString()));
        QCOMPARE(read.listVectorGraph.size(), 1);

        CVectorGraphItem expected;
        expected.nType = type;
        expected.bLocalMachine = true;
        if (points >= 1)
            expected.pt1 = filled.pt1;
        if (points >= 2)
            expected.pt2 = filled.pt2;
        if (points >= 3)
            expected.pt3 = filled.pt3;
        if (hasRect)
            expected.rect = filled.rect;
        if (hasText)
            expected.strText = filled.strText;
        if (hasLength)
            expected.fPixelToLen = filled.fPixelToLen;
        VerifyShape(read.listVectorGraph.at(0), expected);
    }

    void robotStateReadsEveryField()
    {
        CRobotStateItem state;
        QVERIFY(state.fromXMLString(QStringLiteral(
            "<VectorGrapth><Wrap><ControlParam><nRunningState>2</nRunningState>"
            "<fRunningSpeed>0.25</fRunningSpeed><fGrade>-1.5</fGrade><fDistance>12.5</fDistance>"
            "<nPanHeight>7</nPanHeight><fTiltF2B>3.5</fTiltF2B><fTiltL2R>4.5</fTiltL2R>"
            "<fCameraVTilt>5.5</fCameraVTilt><fCameraHTilt>6.5</fCameraHTilt>"
            "<fQiYa1>7.5</fQiYa1><fQiYa2>1e3</fQiYa2><nTLYyaw>11</nTLYyaw><nLPhead>-3</nLPhead>"
            "</ControlParam></Wrap></VectorGrapth>")));
        CRobotStateItem expected;
        expected.curTime = state.curTime;
        expected.nRunningState = 2;
        expected.fRunningSpeed = 0.25f;
        expected.fGrade = -1.5f;
        expected.fDistance = 12.5f;
        expected.nPanHeight = 7;
        expected.fTiltF2B = 3.5f;
        expected.fTiltL2R = 4.5f;
        expected.fCameraVTilt = 5.5f;
        expected.fCameraHTilt = 6.5f;
        expected.fQiYa1 = 7.5f;
        expected.fQiYa2 = 1000.0f;
        expected.nTLYyaw = 11;
        expected.nLPhead = -3;
        VerifyRobotState(state, expected);

        state.nTimeIndex = 42;
        state.SetTimeText(QStringLiteral("01:02:03"));
        const CRobotStateItem copied(state);
        VerifyRobotState(copied, state);
        CRobotStateItem assigned;
        assigned = state;
        VerifyRobotState(assigned, state);
    }

    void defectItemCopiesKeepEveryField()
    {
        CDefectItem item;
        item.nTimeIndex = 2500;
        item.SetTimeText(QStringLiteral("00:41:40"));
        item.strOrgImgPath = QStringLiteral("/data/org.png");
        item.strDefectImgPath = QStringLiteral("/data/defect.png");
        item.defectParam = FilledDefect();
        item.listVectorGraph = AllShapes();
        const CDefectItem copied(item);
        VerifyDefectItem(copied, item);
        CDefectItem assigned;
        assigned = item;
        VerifyDefectItem(assigned, item);
    }

    void coordinateRanges_data()
    {
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("longitude");
        QTest::addColumn<double>("expectedLatitude");
        QTest::addColumn<double>("expectedLongitude");
        const double lat = PipelineParam::kDefaultLatitude;
        const double lon = PipelineParam::kDefaultLongitude;
        QTest::newRow("missing") << QString() << QString() << lat << lon;
        QTest::newRow("lower borders") << "4"
                                       << "73" << 4.0 << 73.0;
        QTest::newRow("upper borders") << "53"
                                       << "135" << 53.0 << 135.0;
        QTest::newRow("latitude 60") << "60"
                                     << "100" << lat << 100.0;
        QTest::newRow("longitude 72.9") << "20"
                                        << "72.9" << 20.0 << lon;
        QTest::newRow("not a number") << "north"
                                      << "east" << lat << lon;
    }

    void coordinateRanges()
    {
        QFETCH(QString, latitude);
        QFETCH(QString, longitude);
        QString children;
        if (!latitude.isEmpty())
            children += QStringLiteral("<fWellLatitude>%1</fWellLatitude>").arg(latitude);
        if (!longitude.isEmpty())
            children += QStringLiteral("<fWellLongitude>%1</fWellLongitude>").arg(longitude);
        PipelineParam pipe;
        QVERIFY(pipe.fromXMLString(PipelineXml(children)));
        QTEST(pipe.fWellLatitude, "expectedLatitude");
        QTEST(pipe.fWellLongitude, "expectedLongitude");
    }

    void wellsAndDepthDefaults()
    {
        PipelineParam pipe;
        QVERIFY(pipe.fromXMLString(PipelineXml(
            QStringLiteral("<strStartWellID>S1</strStartWellID><fBuriedDepth>1.8</fBuriedDepth>") +
            WellXml("A", 5) + WellXml("B", 6) + WellXml("C", 7))));
        QCOMPARE(pipe.startWell.strWellNum, QStringLiteral("A"));
        QCOMPARE(pipe.startWell.nWellType, 5);
        QCOMPARE(pipe.endWell.strWellNum, QStringLiteral("B"));
        QCOMPARE(pipe.endWell.nWellType, 6);
        QCOMPARE(pipe.endWell.WellDefectType, 0); // reset as a start well before reading
        QCOMPARE(pipe.fstartBuriedDepth, 0.0f);
        QCOMPARE(pipe.fendBuriedDepth, 1.8f);

        // Without WellParam elements the wells follow the section's well IDs.
        PipelineParam bare;
        QVERIFY(bare.fromXMLString(PipelineXml(
            QStringLiteral("<strStartWellID>S1</strStartWellID><strEndWellID>E9</strEndWellID>"))));
        QCOMPARE(bare.startWell.strWellNum, QStringLiteral("S1"));
        QCOMPARE(bare.startWell.nWellType, 0);
        QCOMPARE(bare.endWell.strWellNum, QStringLiteral("E9"));
        QCOMPARE(bare.endWell.nWellType, 11);
        QCOMPARE(bare.endWell.WellDefectType, 11);
    }

    void fieldsAreFoundAtAnyDepth()
    {
        PipelineParam pipe;
        QVERIFY(pipe.fromXMLString(PipelineXml(QStringLiteral(
            "<Extra><Nested><nPipeSectionDiameter>900</nPipeSectionDiameter></Nested></Extra>"
            "<nPipeSectionDiameter>300</nPipeSectionDiameter><fPipeSectionLen></fPipeSectionLen>"
            "<nAreaProperty>x</nAreaProperty>"))));
        QCOMPARE(pipe.nPipeSectionDiameter, 900); // first in document order
        QCOMPARE(pipe.fPipeSectionLen, 100.0f);   // empty text keeps the value
        QCOMPARE(pipe.nAreaProperty, 0);          // not a number reads as 0
    }

    void wrongRootsAreRefused()
    {
        PipelineParam pipe;
        pipe.nPipeSectionDiameter = 777;
        QVERIFY(!pipe.fromXMLString(QStringLiteral("<Other><PipelineParam/></Other>")));
        QVERIFY(!pipe.fromXMLString(QStringLiteral("<KLN_CONFIG><nothing/></KLN_CONFIG>")));
        QVERIFY(!pipe.fromXMLString(QStringLiteral("<KLN_CONFIG><unclosed>")));
        QCOMPARE(pipe.nPipeSectionDiameter, 777);

        CRobotStateItem state;
        QVERIFY(!state.fromXMLString(QStringLiteral("<VectorGrapth/>")));
        QVERIFY(!state.fromXMLString(QString()));
    }

    void vectorGraphReadingRules()
    {
        CDefectItem item;
        item.listVectorGraph.append(CVectorGraphItem());
        QVERIFY(item.fromXMLString(
            QStringLiteral("<VectorGrapth><Circle/><Other><Line/></Other></VectorGrapth>")));
        QVERIFY(item.listVectorGraph.isEmpty());

        QVERIFY(item.fromXMLString(QStringLiteral(
            "<VectorGrapth><Line LocalMachine=\"0\"><X1>5</X1></Line><Arrow/></VectorGrapth>")));
        QCOMPARE(item.listVectorGraph.size(), 2);
        QVERIFY(item.listVectorGraph.at(0).bLocalMachine); // any value of the attribute
        QCOMPARE(item.listVectorGraph.at(0).pt1, QPointF(5, 0));
        QVERIFY(!item.listVectorGraph.at(1).bLocalMachine);

        QVERIFY(!item.fromXMLString(QStringLiteral("<KLN_CONFIG><Line/></KLN_CONFIG>")));
        QVERIFY(item.listVectorGraph.isEmpty());
    }

    void projectHeaderReset()
    {
        ProjectParam header;
        header.strTester = QStringLiteral("x");
        header.strTestDate = QStringLiteral("2020-01-01");
        header.strProjectNumber = QStringLiteral("P");
        header.iInterpretationNums = 4;
        header.strBuildUnits = QStringLiteral("B");
        header.strSealMethod = QStringLiteral("S");
        header.bIsInterpretation = true;

        header.Reset(false);
        QCOMPARE(header.strTester, QStringLiteral("Tester"));
        QVERIFY(!header.bIsInterpretation);
        QCOMPARE(header.strProjectNumber, QStringLiteral("P"));

        header.Reset(true);
        QVERIFY(header.strProjectNumber.isEmpty());
        // Never touched by a reset.
        QCOMPARE(header.strTestDate, QStringLiteral("2020-01-01"));
        QCOMPARE(header.iInterpretationNums, 4);
        QCOMPARE(header.strBuildUnits, QStringLiteral("B"));
        QCOMPARE(header.strSealMethod, QStringLiteral("S"));
    }
};

QTEST_GUILESS_MAIN(TestEntities)
#include "tst_entities.moc"
