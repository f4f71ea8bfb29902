// Sample files that attack the readers: hostile texts, damaged images, bad XML.
#include "rtvcatalog.h"

#include "frames.h"
#include "samplekit.h"

using SampleKit::makeDefect;
using SampleKit::makeHeader;
using SampleKit::makePipe;
using SampleKit::makeTrack;

namespace {

const QString kRoad = QStringLiteral("人民路'东段");
// Empty but not null: a null string would be stored as NULL rather than ''.
const QString kEmpty = QStringLiteral("");
const QString kXmlHead = QStringLiteral("<?xml version=\"1.0\" encoding=\"GB2312\"?>\n");

// What a reader holds after a defect parameter text it cannot use: the defaults.
void expectDefaultParams(SampleDefect &d)
{
    d.DefectName = -1;
    d.DefectProperty = -1;
    d.DefectLevel = 0;
    d.fDistance = 0.0f;
    d.fLength = 0.0f;
    d.nRingStart = 0;
    d.nRingEnd = 0;
    d.strRemark.clear();
    d.strInterpretDate.clear();
    d.fRadioPixelLengthMM = 1.0f;
}

void setRawParam(SampleDefect &d, const QString &xml, bool readable)
{
    d.useRawParamXml = true;
    d.rawParamXml = xml;
    d.paramXmlReadable = readable;
}

void setRawVector(SampleDefect &d, const QString &xml, bool readable,
                  const QList<SampleShape> &expected)
{
    d.useRawVectorXml = true;
    d.rawVectorXml = xml;
    d.vectorXmlReadable = readable;
    d.shapes = expected;
}

void setRawState(SampleTrack &t, const QString &xml, bool readable)
{
    t.useRawXml = true;
    t.rawXml = xml;
    t.xmlReadable = readable;
    t.fDistance = 0.0f; // nothing usable in the text
}

SampleShape shapeAt(int type, QPointF pt1, QPointF pt2, QRectF rect, bool localMachine)
{
    SampleShape s;
    s.nType = type;
    s.pt1 = pt1;
    s.pt2 = pt2;
    s.rect = rect;
    s.bLocalMachine = localMachine;
    return s;
}

} // namespace

namespace RtvCatalog {

SampleRtv hostileTexts(FrameCache &frames)
{
    SampleRtv r;
    r.relativePath = QStringLiteral("rtv/hostile.rtv");
    r.header.strTester = QStringLiteral("O'Brien \"Bob\"; --");
    r.header.strTestUnit = QStringLiteral("A&B <Unit>");
    r.header.strTestDevice = QStringLiteral("Robot'); DROP TABLE DefectsFound; --");
    r.header.strTestSite = kRoad;
    r.header.strTestDate = QStringLiteral("2019-05-06"); // kept parseable: it feeds date logic
    r.header.strProjectName = QStringLiteral("工程 \"甲\" & 'B' -- ;");
    r.header.bIsInterpretation = true;

    r.pipe = makePipe(QStringLiteral("W'1"), QStringLiteral("W;2--"), 30.0f, 600);
    r.pipe.strOwnUnit = QStringLiteral("Owner & Sons <Ltd> 'X' --");
    r.pipe.strRemark = QStringLiteral("Remark ' \" ; -- & < > ") + kRoad;
    r.pipe.strBuildDate = QStringLiteral("2008'06;--");
    r.pipe.startWell.strWellDefect = QStringLiteral("裂缝 'crack' & <leak>; --");
    r.pipe.endWell.strWellDefect = QStringLiteral("井盖\"破损\" ]]> --");
    r.track = makeTrack(20, 3000, 1.25f);

    const QString shapeText = QStringLiteral("标注'1' \"A&B\" <x>; --");
    r.defects << makeDefect(6500, 0, 0, 2, 4.5f, 0.5f) << makeDefect(13500, 10, 1, 1, 9.25f, 1.0f)
              << makeDefect(25500, 8, 0, 0, 17.0f, 0.5f);
    for (int i = 0; i < r.defects.size(); ++i) {
        SampleDefect &d = r.defects[i];
        d.strRemark = kRoad + QStringLiteral(" -- \"crack\"; a&b<c> #%1").arg(i + 1);
        d.shapes = SampleKit::everyShape(i, shapeText);
        frames.attach(d, QStringLiteral("hostile.rtv"));
    }
    return r;
}

SampleRtv brokenImages(FrameCache &frames)
{
    SampleRtv r;
    r.relativePath = QStringLiteral("rtv/brokenimages.rtv");
    r.header = makeHeader(QStringLiteral("Zhou Qiang"), QStringLiteral("Image Street"),
                          QStringLiteral("2019-08-08"), QStringLiteral("Image Street"), true);
    r.pipe = makePipe(QStringLiteral("BI-1"), QStringLiteral("BI-2"), 30.0f, 600);
    r.track = makeTrack(20, 3000, 1.25f);

    const QByteArray good = frames.orgPng(777, QStringLiteral("brokenimages.rtv source"));
    const QByteArray jpeg = Frames::encodeJpeg(QImage::fromData(good, "PNG"));
    struct Broken
    {
        BlobKind kind;
        QByteArray bytes;
    };
    const QList<Broken> kinds = {
        {BlobKind::Empty, QByteArray("")},
        {BlobKind::TruncatedPng, Frames::truncatedPng(good)},
        {BlobKind::CorruptPng, Frames::corruptIdatPng(good)},
        {BlobKind::RandomBytes, Frames::randomBytes(1234u, 4096)},
        {BlobKind::Jpeg, jpeg},
    };
    int timeIndex = 1500;
    for (const Broken &b : kinds) {
        SampleDefect d = makeDefect(timeIndex, 1, 0, 1, float(timeIndex) / 1000.0f, 0.5f);
        d.imgDataOrg = b.bytes;
        d.imgDataDefect = b.bytes;
        d.orgKind = b.kind;
        d.defectKind = b.kind;
        r.defects << d;
        timeIndex += 3000;
    }
    SampleDefect valid = makeDefect(timeIndex, 3, 0, 2, 20.0f, 0.5f);
    frames.attach(valid, QStringLiteral("brokenimages.rtv"));
    r.defects << valid;

    SampleDefect mixed = makeDefect(timeIndex + 3000, 9, 0, 0, 24.0f, 0.5f);
    frames.attach(mixed, QStringLiteral("brokenimages.rtv"));
    mixed.imgDataDefect = Frames::corruptIdatPng(mixed.imgDataDefect);
    mixed.defectKind = BlobKind::CorruptPng;
    r.defects << mixed;
    return r;
}

SampleRtv malformedXml(FrameCache &frames)
{
    SampleRtv r;
    r.relativePath = QStringLiteral("rtv/malformedxml.rtv");
    r.header = makeHeader(QStringLiteral("Wu Hao"), QStringLiteral("Parser Road"),
                          QStringLiteral("2019-09-09"), QStringLiteral("Parser Road"), true);

    // A cut-off pipe section text: a reader keeps the pipe defaults.
    r.pipe = SamplePipe();
    r.pipe.strStartWellID = QStringLiteral("MX-1");
    r.pipe.strEndWellID = QStringLiteral("MX-2");
    r.pipe.nPipeSectionType = 0;
    r.pipe.nPipeSectionMaterial = 2;
    r.pipe.nPipeSectionDiameter = 600;
    r.pipe.fPipeSectionLen = 100.0f;
    r.pipe.fPipeBranchDepth = 100.0f;
    r.pipe.nTestDirction = 0;
    r.pipe.nAreaProperty = 0;
    r.pipe.nSoilProperty = 0;
    r.pipe.useRawXml = true;
    r.pipe.xmlReadable = false;
    r.pipe.rawXml = kXmlHead + QStringLiteral("<KLN_CONFIG>\n <PipelineParam>\n"
                                              "  <strStartWellID>MX-1</strStartWellID>\n"
                                              "  <fPipeSectionLen>45</fPipeSectionLen>\n"
                                              "  <nPipeSectionDiameter>800");

    r.track = makeTrack(10, 3000, 1.25f);
    setRawState(r.track[1],
                QStringLiteral("<VectorGrapth><ControlParam><fDistance>1.25</fDistance>"), false);
    setRawState(r.track[2],
                QStringLiteral("<KLN_CONFIG><ControlParam><fDistance>2.5</fDistance>"
                               "</ControlParam></KLN_CONFIG>"),
                false);
    setRawState(r.track[3], kEmpty, false);
    setRawState(r.track[4],
                QStringLiteral("<VectorGrapth><ControlParam><fDistance>five</fDistance>"
                               "<nRunningState>x</nRunningState></ControlParam></VectorGrapth>"),
                true);
    setRawState(r.track[5],
                QStringLiteral("<VectorGrapth><fDistance>6.25</fDistance></VectorGrapth>"), false);

    QList<SampleDefect> d;
    for (int i = 0; i < 6; ++i)
        d << makeDefect(500 + 1000 * i, 2 + i, 0, i % 4, 3.0f + float(i), 0.5f);

    setRawParam(d[0], kXmlHead + QStringLiteral("<DefectParam>\n <DefectParam>\n  <DefectName>3"),
                false);
    setRawVector(d[0], QStringLiteral("<VectorGrapth><Line LocalMachine=\"1\"><X1>1</X1>"), false,
                 {});
    setRawParam(d[1],
                QStringLiteral("<KLN_CONFIG><DefectParam><DefectName>3</DefectName>"
                               "<fDistance>7.5</fDistance></DefectParam></KLN_CONFIG>"),
                false);
    setRawVector(
        d[1], QStringLiteral("<KLN_CONFIG><Line LocalMachine=\"1\"><X1>1</X1></Line></KLN_CONFIG>"),
        false, {});
    setRawParam(d[2], kEmpty, false);
    setRawVector(d[2], kEmpty, false, {});
    // The inner element is missing: fields straight below the root are not read.
    setRawParam(d[4],
                QStringLiteral("<DefectParam><DefectName>5</DefectName>"
                               "<DefectLevel>2</DefectLevel></DefectParam>"),
                false);
    // Only unknown shape elements: the list is empty, yet the text counts as read.
    setRawVector(d[4],
                 QStringLiteral("<VectorGrapth><Circle LocalMachine=\"1\"><X>1</X></Circle>"
                                "<Polygon/></VectorGrapth>"),
                 true, {});
    for (int i : {0, 1, 2, 4})
        expectDefaultParams(d[i]);

    // Numbers that are not numbers read as 0; an empty number keeps its default.
    setRawParam(d[3],
                QStringLiteral("<DefectParam><DefectParam><DefectName>abc</DefectName>"
                               "<DefectProperty>1</DefectProperty><DefectLevel>two</DefectLevel>"
                               "<fDistance>12.5m</fDistance><fLength></fLength>"
                               "<nRingStart>3</nRingStart><nRingEnd>nine</nRingEnd>"
                               "<strRemark>non-numeric fields</strRemark>"
                               "<strInterpretDate>2019-09-09 10:00:00</strInterpretDate>"
                               "<fRadioPixelLengthMM>x</fRadioPixelLengthMM>"
                               "</DefectParam></DefectParam>"),
                true);
    expectDefaultParams(d[3]);
    d[3].DefectName = 0;
    d[3].DefectProperty = 1;
    d[3].nRingStart = 3;
    d[3].strRemark = QStringLiteral("non-numeric fields");
    d[3].strInterpretDate = QStringLiteral("2019-09-09 10:00:00");
    d[3].fRadioPixelLengthMM = 0.0f;
    setRawVector(
        d[3],
        QStringLiteral("<VectorGrapth><Line LocalMachine=\"yes\"><X1>abc</X1><Y1>2</Y1><X2></X2>"
                       "<Y2>4</Y2></Line><Unknown/><Rect><X>1</X></Rect></VectorGrapth>"),
        true,
        {shapeAt(1, QPointF(0, 2), QPointF(0, 4), QRectF(), true),
         shapeAt(2, QPointF(), QPointF(), QRectF(1, 0, 0, 0), false)});
    // d[5] stays well-formed, for contrast.

    for (SampleDefect &defect : d)
        frames.attach(defect, QStringLiteral("malformedxml.rtv"));
    r.defects = d;
    return r;
}

} // namespace RtvCatalog
