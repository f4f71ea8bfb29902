#include "samplekit.h"

#include "frames.h"

#include <QTime>

namespace SampleKit {

QString clockText(int timeIndex)
{
    return QTime(9, 30, 0).addMSecs(timeIndex).toString(QStringLiteral("hh:mm:ss"));
}

QList<SampleTrack> makeTrack(int count, int stepMs, float metresPerStep)
{
    QList<SampleTrack> track;
    for (int k = 0; k < count; ++k) {
        SampleTrack t;
        t.nTimeIndex = k * stepMs;
        t.strCurTime = clockText(t.nTimeIndex);
        t.nRunningState = k == 0 ? 0 : 1;
        t.fRunningSpeed = k == 0 ? 0.0f : 0.4f;
        t.fGrade = 0.5f + 0.25f * float(k % 3);
        t.fDistance = metresPerStep * float(k);
        t.nPanHeight = 100 + k;
        t.fTiltF2B = -1.5f + 0.5f * float(k % 7);
        t.fTiltL2R = 0.25f * float(k % 5);
        t.fCameraVTilt = 5.0f * float(k % 4);
        t.fCameraHTilt = -10.0f + 2.5f * float(k % 9);
        t.fQiYa1 = 101.25f;
        t.fQiYa2 = 99.5f;
        t.nTLYyaw = k % 360;
        t.nLPhead = 2 * k;
        track.append(t);
    }
    return track;
}

QList<SampleShape> everyShape(int seed, const QString &text)
{
    const double dx = 4.0 * (seed % 17);
    const double dy = 3.0 * (seed % 11);
    QList<SampleShape> shapes;
    SampleShape s;
    s.nType = 1; // Line
    s.pt1 = QPointF(10.5 + dx, 20.25 + dy);
    s.pt2 = QPointF(110.5 + dx, 60.75 + dy);
    shapes.append(s);
    s = SampleShape();
    s.nType = 2; // Rect
    s.rect = QRectF(40 + dx, 50 + dy, 120.5, 80.25);
    shapes.append(s);
    s = SampleShape();
    s.nType = 3; // Ellipse
    s.rect = QRectF(60 + dx, 70 + dy, 64, 48);
    shapes.append(s);
    s = SampleShape();
    s.nType = 4; // Path
    s.pt1 = QPointF(5 + dx, 5 + dy);
    s.pt2 = QPointF(50 + dx, 25 + dy);
    s.pt3 = QPointF(95 + dx, 5 + dy);
    shapes.append(s);
    s = SampleShape();
    s.nType = 5; // Text
    s.pt1 = QPointF(30 + dx, 200 + dy);
    s.strText = text;
    shapes.append(s);
    s = SampleShape();
    s.nType = 6; // Arrow
    s.pt1 = QPointF(300 - dx, 20 + dy);
    s.pt2 = QPointF(200 - dx, 100 + dy);
    shapes.append(s);
    s = SampleShape();
    s.nType = 8; // Angle
    s.pt1 = QPointF(150, 150);
    s.pt2 = QPointF(200 + dx, 150);
    s.pt3 = QPointF(150, 100 - dy);
    shapes.append(s);
    s = SampleShape();
    s.nType = 9; // RULER
    s.pt1 = QPointF(1, 2);
    s.pt2 = QPointF(3 + dx, 4 + dy);
    s.fPixelToLen = 0.5f;
    shapes.append(s);
    s = SampleShape();
    s.nType = 30; // EditText
    s.pt1 = QPointF(12 + dx, 220);
    s.strText = text + QStringLiteral(" (edited)");
    shapes.append(s);
    return shapes;
}

SampleDefect makeDefect(int timeIndex, int name, int property, int level, float distance,
                        float length)
{
    SampleDefect d;
    d.nTimeIndex = timeIndex;
    d.strCurTime = clockText(timeIndex);
    d.DefectName = name;
    d.DefectProperty = property;
    d.DefectLevel = level;
    d.fDistance = distance;
    d.fLength = length;
    d.nRingStart = (timeIndex / 1000) % 12 + 1;
    d.nRingEnd = (d.nRingStart + 3) % 12 + 1;
    d.strRemark = QStringLiteral("Defect %1 at %2").arg(name).arg(d.strCurTime);
    d.strInterpretDate =
        QStringLiteral("2019-05-07 10:%1:00").arg(timeIndex / 1000 % 60, 2, 10, QLatin1Char('0'));
    d.fRadioPixelLengthMM = 1.25f;
    d.shapes = everyShape(timeIndex / 500, QStringLiteral("Code %1").arg(name));
    return d;
}

SampleHeader makeHeader(const QString &tester, const QString &site, const QString &date,
                        const QString &projectName, bool interpreted)
{
    SampleHeader h;
    h.strTester = tester;
    h.strTestUnit = QStringLiteral("Dalmeron Pipe Services");
    h.strTestDevice = QStringLiteral("CCTV Pipeline robot");
    h.strTestSite = site;
    h.strTestDate = date;
    h.strProjectName = projectName;
    h.bIsInterpretation = interpreted;
    return h;
}

SamplePipe makePipe(const QString &startId, const QString &endId, float length, int diameter)
{
    SamplePipe p;
    p.strStartWellID = startId;
    p.strEndWellID = endId;
    p.fPipeSectionLen = length;
    p.fPipeBranchDepth = length;
    p.nPipeSectionDiameter = diameter;
    p.strOwnUnit = QStringLiteral("City Drainage Board");
    p.strRemark = QStringLiteral("Section %1 to %2").arg(startId, endId);
    p.startWell.strWellNum = startId;
    p.startWell.nWellType = 0;
    p.startWell.strWellDefect = QStringLiteral("none");
    p.endWell.strWellNum = endId;
    p.endWell.nWellType = 11;
    p.endWell.WellDefectType = 11;
    p.endWell.nWellMeterial = 1;
    p.endWell.nWellLidMeterial = 2;
    p.endWell.strWellDefect = QStringLiteral("lid cracked");
    return p;
}

} // namespace SampleKit

void FrameCache::attach(SampleDefect &defect, const QString &fileTag)
{
    const QString caption =
        QStringLiteral("%1  #%2  %3").arg(fileTag).arg(defect.nTimeIndex).arg(defect.strCurTime);
    const QString label =
        QStringLiteral("Code %1  L%2").arg(defect.DefectName).arg(defect.DefectLevel + 1);
    const int seed = int(qHash(fileTag)) ^ defect.nTimeIndex;
    defect.imgDataOrg = orgPng(seed, caption);
    defect.imgDataDefect = defectPng(seed, caption, label);
    defect.orgKind = BlobKind::Png;
    defect.defectKind = BlobKind::Png;
}

QByteArray FrameCache::orgPng(int seed, const QString &caption)
{
    const QString key = QStringLiteral("org|%1|%2").arg(seed).arg(caption);
    auto it = m_png.constFind(key);
    if (it != m_png.constEnd())
        return it.value();
    const QByteArray png = Frames::encodePng(Frames::pipeView(QSize(320, 240), seed, caption));
    ++m_encoded;
    m_png.insert(key, png);
    return png;
}

QByteArray FrameCache::defectPng(int seed, const QString &caption, const QString &label)
{
    const QString key = QStringLiteral("defect|%1|%2|%3").arg(seed).arg(caption, label);
    auto it = m_png.constFind(key);
    if (it != m_png.constEnd())
        return it.value();
    const QImage frame = Frames::pipeView(QSize(320, 240), seed, caption);
    const QByteArray png = Frames::encodePng(Frames::annotated(frame, seed, label));
    ++m_encoded;
    m_png.insert(key, png);
    return png;
}
