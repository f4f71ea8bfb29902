// XML forms of the inspection entities: round trips and the reading rules.
#include <QtTest>

#include "core/inspection/cdefectitem.h"
#include "core/inspection/crobotstateitem.h"
#include "core/inspection/pipelineparam.h"
#include "core/inspection/projectparam.h"
#include "support/testsupport.h"

namespace {
// A pipe section form with the given PipelineParam children.
QString PipelineXml(const QString &children)
{
    return QStringLiteral("<KLN_CONFIG><PipelineParam>%1</PipelineParam></KLN_CONFIG>").arg(children);
}

QString WellXml(const QString &name, int type)
{
    return QStringLiteral("<WellParam><strWellNum>%1</strWellNum><nWellType>%2</nWellType></WellParam>")
        .arg(name)
        .arg(type);
}
} // namespace

class TestEntities : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::InstallWarningRecorder(); }
    void cleanup() { TQ_VERIFY_NO_WARNINGS(); }

    void pipelineRoundTrip()
    {
        PipelineParam pipe;
        pipe.strStartWellID = QStringLiteral("人民路'东段 W1");
        pipe.strEndWellID = QStringLiteral("W\"2\" & <3>");
        pipe.fWellLatitude = 31.25;
        pipe.fWellLongitude = 121.5;
        pipe.nPipeSectionMaterial = 4;
        pipe.nPipeSectionDiameter = 1200;
        pipe.fPipeSectionLen = 42.5f;
        pipe.fPipeBranchDepth = 0.333333f;
        pipe.strRemark = QStringLiteral("a; b -- c");
        pipe.startWell.nWellMeterial = 3;
        pipe.endWell.strWellDefect = QStringLiteral("cracked lid");
        pipe.fstartBuriedDepth = 1.25f;
        pipe.fendBuriedDepth = 2.75f;
        pipe.strBuildDate = QStringLiteral("2001-02-03");

        const QString xml = pipe.toXMLString();
        QVERIFY(xml.startsWith(QStringLiteral("<?xml version=\"1.0\" encoding=\"GB2312\"?>")));
        QVERIFY(xml.contains(QStringLiteral("<fWellLatitude>31.2500000000</fWellLatitude>")));
        QVERIFY(xml.contains(QStringLiteral("<fPipeBranchDepth>0.333333</fPipeBranchDepth>")));

        PipelineParam read;
        QVERIFY(read.fromXMLString(xml));
        QCOMPARE(read.strStartWellID, pipe.strStartWellID);
        QCOMPARE(read.strEndWellID, pipe.strEndWellID);
        QCOMPARE(read.fWellLatitude, 31.25);
        QCOMPARE(read.fWellLongitude, 121.5);
        QCOMPARE(read.nPipeSectionMaterial, 4);
        QCOMPARE(read.nPipeSectionDiameter, 1200);
        QCOMPARE(read.fPipeSectionLen, 42.5f);
        QCOMPARE(read.strRemark, pipe.strRemark);
        QCOMPARE(read.startWell.strWellNum, pipe.startWell.strWellNum);
        QCOMPARE(read.startWell.nWellMeterial, 3);
        QCOMPARE(read.endWell.nWellType, 11);
        QCOMPARE(read.endWell.strWellDefect, QStringLiteral("cracked lid"));
        QCOMPARE(read.fstartBuriedDepth, 1.25f);
        QCOMPARE(read.fendBuriedDepth, 2.75f);
        QCOMPARE(read.strBuildDate, pipe.strBuildDate);
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
        QTest::newRow("lower borders") << "4" << "73" << 4.0 << 73.0;
        QTest::newRow("upper borders") << "53" << "135" << 53.0 << 135.0;
        QTest::newRow("latitude 60") << "60" << "100" << lat << 100.0;
        QTest::newRow("longitude 72.9") << "20" << "72.9" << 20.0 << lon;
        QTest::newRow("not a number") << "north" << "east" << lat << lon;
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

    void defectParamRoundTripAndDefaults()
    {
        DefectParam param;
        param.DefectName = 12;
        param.DefectProperty = 1;
        param.DefectLevel = 3;
        param.fDistance = 12.5f;
        param.fLength = 0.1f;
        param.nRingStart = 3;
        param.nRingEnd = 9;
        param.strRemark = QStringLiteral("O'Brien; -- &<>");
        param.strInterpretDate = QStringLiteral("2020-01-02 03:04:05");
        param.fRadioPixelLengthMM = 2.5f;
        const QString xml = param.toXMLString();
        QVERIFY(xml.contains(QStringLiteral("<DefectParam>\n <DefectParam>")));

        DefectParam read;
        QVERIFY(read.fromXMLString(xml));
        QCOMPARE(read.DefectName, 12);
        QCOMPARE(read.DefectProperty, 1);
        QCOMPARE(read.DefectLevel, 3);
        QCOMPARE(read.fDistance, 12.5f);
        QCOMPARE(read.fLength, 0.1f);
        QCOMPARE(read.nRingEnd, 9);
        QCOMPARE(read.strRemark, param.strRemark);
        QCOMPARE(read.strInterpretDate, param.strInterpretDate);
        QCOMPARE(read.fRadioPixelLengthMM, 2.5f);

        // Absent fields take their defaults, not the previous values.
        QVERIFY(read.fromXMLString(QStringLiteral(
            "<DefectParam><DefectParam><DefectName>4</DefectName></DefectParam></DefectParam>")));
        QCOMPARE(read.DefectName, 4);
        QCOMPARE(read.DefectProperty, -1);
        QCOMPARE(read.fRadioPixelLengthMM, 1.0f);
        QVERIFY(read.strRemark.isEmpty());

        QVERIFY(!read.fromXMLString(QStringLiteral("<DefectParam/>")));
        QCOMPARE(read.DefectName, -1);
    }

    void vectorGraphRoundTrip()
    {
        CDefectItem item;
        CVectorGraphItem ruler;
        ruler.nType = CVectorGraphItem::Ruler;
        ruler.pt1 = QPointF(1, 2);
        ruler.pt2 = QPointF(3, 4);
        ruler.fPixelToLen = 0.5f;
        CVectorGraphItem rect;
        rect.nType = CVectorGraphItem::Ellipse;
        rect.rect = QRectF(10.25, 20.5, 30, 40);
        CVectorGraphItem text;
        text.nType = CVectorGraphItem::EditText;
        text.pt1 = QPointF(5, 6);
        text.strText = QStringLiteral("裂缝 'A' <1>");
        CVectorGraphItem angle;
        angle.nType = CVectorGraphItem::Angle;
        angle.pt3 = QPointF(7, 8);
        CVectorGraphItem noForm;
        noForm.nType = 7;
        item.listVectorGraph = {ruler, noForm, rect, text, angle};

        const QString xml = item.toXMLString();
        QVERIFY(xml.contains(QStringLiteral("<RULER LocalMachine=\"1\">")));
        CDefectItem read;
        QVERIFY(read.fromXMLString(xml));
        QCOMPARE(read.listVectorGraph.size(), 4);
        const CVectorGraphItem &r = read.listVectorGraph.at(0);
        QCOMPARE(r.nType, int(CVectorGraphItem::Ruler));
        QCOMPARE(r.pt1, QPointF(1, 2));
        QCOMPARE(r.pt2, QPointF(3, 4));
        QCOMPARE(r.fPixelToLen, 0.5f);
        QVERIFY(r.bLocalMachine);
        QCOMPARE(read.listVectorGraph.at(1).rect, QRectF(10.25, 20.5, 30, 40));
        QCOMPARE(read.listVectorGraph.at(2).strText, text.strText);
        QCOMPARE(read.listVectorGraph.at(2).pt1, QPointF(5, 6));
        QCOMPARE(read.listVectorGraph.at(3).pt3, QPointF(7, 8));
    }

    void vectorGraphReadingRules()
    {
        CDefectItem item;
        item.listVectorGraph.append(CVectorGraphItem());
        QVERIFY(item.fromXMLString(QStringLiteral("<VectorGrapth><Circle/><Other><Line/></Other></VectorGrapth>")));
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

    void robotState()
    {
        CRobotStateItem state;
        QVERIFY(state.fromXMLString(QStringLiteral(
            "<VectorGrapth><Wrap><ControlParam><nRunningState>2</nRunningState>"
            "<fDistance>12.5</fDistance><nLPhead>-3</nLPhead><fQiYa2>1e3</fQiYa2>"
            "</ControlParam></Wrap></VectorGrapth>")));
        QCOMPARE(state.nRunningState, 2);
        QCOMPARE(state.fDistance, 12.5f);
        QCOMPARE(state.nLPhead, -3);
        QCOMPARE(state.fQiYa2, 1000.0f);
        QCOMPARE(state.nTimeIndex, -1);

        CRobotStateItem copy(state);
        QCOMPARE(copy.fDistance, 12.5f);
        QCOMPARE(copy.curTime, state.curTime);
    }

    void projectHeaderForms()
    {
        ProjectParam header;
        header.strTester = QStringLiteral("O'Brien");
        header.strTestTime = QStringLiteral("10:11:12");
        header.strProjectNumber = QStringLiteral("P-1");
        header.iVedioNums = 7;
        header.fMileages = 123.5f;
        header.strDesiltMethod = QStringLiteral("jet");

        QDomDocument document;
        QDomElement root = document.createElement(QStringLiteral("UserSettings"));
        document.appendChild(root);
        header.SaveToXml(document, root, false);
        QCOMPARE(root.firstChildElement().childNodes().count(), 6);

        QDomDocument full;
        QDomElement fullRoot = full.createElement(QStringLiteral("UserSettings"));
        full.appendChild(fullRoot);
        header.SaveToXml(full, fullRoot, true);
        QCOMPARE(fullRoot.firstChildElement().childNodes().count(), 25);

        ProjectParam read;
        QVERIFY(read.LoadFromXml(fullRoot, false));
        QCOMPARE(read.strTester, header.strTester);
        QCOMPARE(read.strTestTime, header.strTestTime);
        QVERIFY(read.strProjectNumber.isEmpty()); // not read without full
        QVERIFY(read.LoadFromXml(fullRoot, true));
        QCOMPARE(read.strProjectNumber, header.strProjectNumber);
        QCOMPARE(read.iVedioNums, 7);
        QCOMPARE(read.fMileages, 123.5f);
        QCOMPARE(read.strDesiltMethod, header.strDesiltMethod);
        QVERIFY(!read.LoadFromXml(document.createElement(QStringLiteral("Empty")), true));
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
