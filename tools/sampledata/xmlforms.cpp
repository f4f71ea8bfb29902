#include "xmlforms.h"

#include <QXmlStreamWriter>

namespace {

// Collects one document: the "xml" processing instruction, the root, one-blank indent.
class FormWriter
{
public:
    // The declaration goes in as text: it must be the very first thing in the
    // document, and the auto-formatting writer would put a line break before it.
    explicit FormWriter(const QString &root)
        : m_text(QStringLiteral("<?xml version=\"1.0\" encoding=\"GB2312\"?>"))
        , m_xml(&m_text)
    {
        m_xml.setAutoFormatting(true);
        m_xml.setAutoFormattingIndent(1);
        m_xml.writeStartElement(root);
    }

    void begin(const QString &name) { m_xml.writeStartElement(name); }
    void end() { m_xml.writeEndElement(); }
    void attribute(const QString &name, const QString &value) { m_xml.writeAttribute(name, value); }
    void text(const QString &name, const QString &value) { m_xml.writeTextElement(name, value); }
    void integer(const QString &name, int value) { text(name, QString::number(value)); }
    void real(const QString &name, float value) { text(name, XmlForms::floatText(value)); }
    void precise(const QString &name, double value) { text(name, XmlForms::doubleText(value)); }

    QString finish()
    {
        m_xml.writeEndDocument();
        return m_text;
    }

private:
    QString m_text;
    QXmlStreamWriter m_xml;
};

void writeWell(FormWriter &w, const SampleWell &well)
{
    w.begin(QStringLiteral("WellParam"));
    w.text(QStringLiteral("strWellNum"), well.strWellNum);
    w.integer(QStringLiteral("nWellType"), well.nWellType);
    w.integer(QStringLiteral("nWellMeterial"), well.nWellMeterial);
    w.integer(QStringLiteral("nWellLidMeterial"), well.nWellLidMeterial);
    w.integer(QStringLiteral("WellDefectType"), well.WellDefectType);
    w.text(QStringLiteral("strWellDefect"), well.strWellDefect);
    w.end();
}

void writePoint(FormWriter &w, int index, const QPointF &pt)
{
    w.precise(QStringLiteral("X%1").arg(index), pt.x());
    w.precise(QStringLiteral("Y%1").arg(index), pt.y());
}

void writeRect(FormWriter &w, const QRectF &rect)
{
    w.precise(QStringLiteral("X"), rect.left());
    w.precise(QStringLiteral("Y"), rect.top());
    w.precise(QStringLiteral("W"), rect.width());
    w.precise(QStringLiteral("H"), rect.height());
}

void writeTextShape(FormWriter &w, const SampleShape &shape)
{
    w.precise(QStringLiteral("X"), shape.pt1.x());
    w.precise(QStringLiteral("Y"), shape.pt1.y());
    w.text(QStringLiteral("strText"), shape.strText);
}

QString shapeElement(int type)
{
    switch (type) {
    case 1:
        return QStringLiteral("Line");
    case 2:
        return QStringLiteral("Rect");
    case 3:
        return QStringLiteral("Ellipse");
    case 4:
        return QStringLiteral("Path");
    case 5:
        return QStringLiteral("Text");
    case 6:
        return QStringLiteral("Arrow");
    case 8:
        return QStringLiteral("Angle");
    case 9:
        return QStringLiteral("RULER");
    case 30:
        return QStringLiteral("EditText");
    default:
        return QString();
    }
}

} // namespace

namespace XmlForms {

QString floatText(float value)
{
    return QString::number(double(value), 'g', 6);
}

QString doubleText(double value)
{
    return QString::number(value, 'f', 10);
}

QString pipeSection(const SamplePipe &p)
{
    FormWriter w(QStringLiteral("KLN_CONFIG"));
    w.begin(QStringLiteral("PipelineParam"));
    w.text(QStringLiteral("strStartWellID"), p.strStartWellID);
    w.text(QStringLiteral("strEndWellID"), p.strEndWellID);
    w.real(QStringLiteral("fWellElevation"), p.fWellElevation);
    w.precise(QStringLiteral("fWellLatitude"), p.fWellLatitude);
    w.precise(QStringLiteral("fWellLongitude"), p.fWellLongitude);
    w.integer(QStringLiteral("nPipeSectionType"), p.nPipeSectionType);
    w.integer(QStringLiteral("nPipeSectionMaterial"), p.nPipeSectionMaterial);
    w.text(QStringLiteral("strPipeSectionMaterial"), p.strPipeSectionMaterial);
    w.integer(QStringLiteral("nPipeSectionDiameter"), p.nPipeSectionDiameter);
    w.real(QStringLiteral("fPipeSectionLen"), p.fPipeSectionLen);
    w.real(QStringLiteral("fBuriedDepth"), p.fBuriedDepth);
    w.real(QStringLiteral("fPipeBranchDepth"), p.fPipeBranchDepth);
    w.integer(QStringLiteral("nTestDirction"), p.nTestDirction);
    w.text(QStringLiteral("strOwnUnit"), p.strOwnUnit);
    w.real(QStringLiteral("fDesignGrade"), p.fDesignGrade);
    w.integer(QStringLiteral("nEvaluationCriteria"), p.nEvaluationCriteria);
    w.integer(QStringLiteral("nAreaProperty"), p.nAreaProperty);
    w.integer(QStringLiteral("nSoilProperty"), p.nSoilProperty);
    w.integer(QStringLiteral("nLoadStatus"), p.nLoadStatus);
    w.text(QStringLiteral("strRemark"), p.strRemark);
    writeWell(w, p.startWell);
    writeWell(w, p.endWell);
    w.real(QStringLiteral("fCrawlerGrade"), p.fCrawlerGrade);
    w.integer(QStringLiteral("nAreaShape"), p.nAreaShape);
    w.integer(QStringLiteral("nInterafaceFormat"), p.nInterafaceFormat);
    w.real(QStringLiteral("fstartBuriedDepth"), p.fstartBuriedDepth);
    w.real(QStringLiteral("fendBuriedDepth"), p.fendBuriedDepth);
    w.text(QStringLiteral("strBuildDate"), p.strBuildDate);
    w.end();
    return w.finish();
}

QString defectParam(const SampleDefect &d)
{
    FormWriter w(QStringLiteral("DefectParam"));
    w.begin(QStringLiteral("DefectParam"));
    w.integer(QStringLiteral("DefectName"), d.DefectName);
    w.integer(QStringLiteral("DefectProperty"), d.DefectProperty);
    w.integer(QStringLiteral("DefectLevel"), d.DefectLevel);
    w.real(QStringLiteral("fDistance"), d.fDistance);
    w.real(QStringLiteral("fLength"), d.fLength);
    w.integer(QStringLiteral("nRingStart"), d.nRingStart);
    w.integer(QStringLiteral("nRingEnd"), d.nRingEnd);
    w.text(QStringLiteral("strRemark"), d.strRemark);
    w.text(QStringLiteral("strInterpretDate"), d.strInterpretDate);
    w.real(QStringLiteral("fRadioPixelLengthMM"), d.fRadioPixelLengthMM);
    w.end();
    return w.finish();
}

QString vectorGraph(const QList<SampleShape> &shapes)
{
    FormWriter w(QStringLiteral("VectorGrapth"));
    for (const SampleShape &s : shapes) {
        const QString element = shapeElement(s.nType);
        if (element.isEmpty())
            continue; // types without an element have no stored form
        w.begin(element);
        w.attribute(QStringLiteral("LocalMachine"), QStringLiteral("1"));
        switch (s.nType) {
        case 2:
        case 3:
            writeRect(w, s.rect);
            break;
        case 5:
        case 30:
            writeTextShape(w, s);
            break;
        case 4:
        case 8:
            writePoint(w, 1, s.pt1);
            writePoint(w, 2, s.pt2);
            writePoint(w, 3, s.pt3);
            break;
        case 9:
            writePoint(w, 1, s.pt1);
            writePoint(w, 2, s.pt2);
            w.real(QStringLiteral("fPixelToLen"), s.fPixelToLen);
            break;
        default: // Line, Arrow
            writePoint(w, 1, s.pt1);
            writePoint(w, 2, s.pt2);
            break;
        }
        w.end();
    }
    return w.finish();
}

QString robotState(const SampleTrack &t)
{
    FormWriter w(QStringLiteral("VectorGrapth"));
    w.begin(QStringLiteral("ControlParam"));
    w.integer(QStringLiteral("nRunningState"), t.nRunningState);
    w.real(QStringLiteral("fRunningSpeed"), t.fRunningSpeed);
    w.real(QStringLiteral("fGrade"), t.fGrade);
    w.real(QStringLiteral("fDistance"), t.fDistance);
    w.integer(QStringLiteral("nPanHeight"), t.nPanHeight);
    w.real(QStringLiteral("fTiltF2B"), t.fTiltF2B);
    w.real(QStringLiteral("fTiltL2R"), t.fTiltL2R);
    w.real(QStringLiteral("fCameraVTilt"), t.fCameraVTilt);
    w.real(QStringLiteral("fCameraHTilt"), t.fCameraHTilt);
    w.real(QStringLiteral("fQiYa1"), t.fQiYa1);
    w.real(QStringLiteral("fQiYa2"), t.fQiYa2);
    w.integer(QStringLiteral("nTLYyaw"), t.nTLYyaw);
    w.integer(QStringLiteral("nLPhead"), t.nLPhead);
    w.end();
    return w.finish();
}

} // namespace XmlForms
