#include "bodywriter.h"

#include <QBuffer>
#include <QRegularExpression>

namespace {

const QString kW = QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
constexpr double kEmuPerPoint = 12700.0;
constexpr int kA4Width = 11906; // twips
constexpr int kA4Height = 16838;

QList<int> Numbers(const QString &text)
{
    QList<int> list;
    for (const QString &part : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        list << part.toInt();
    return list;
}

// Indentation of the source (whitespace around line breaks) is not text.
QString SourceText(const QString &text)
{
    static const QRegularExpression indent(QStringLiteral("\\s*\\n\\s*"));
    return QString(text).replace(indent, QString());
}

} // namespace

QByteArray BodyWriter::write(const QDomElement &report, QString *error)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    m_xml.setDevice(&buffer);
    m_xml.writeStartDocument(QStringLiteral("1.0"), true);
    m_xml.writeStartElement(QStringLiteral("w:document"));
    m_xml.writeAttribute(QStringLiteral("xmlns:w"), kW);
    m_xml.writeAttribute(
        QStringLiteral("xmlns:r"),
        QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships"));
    m_xml.writeAttribute(
        QStringLiteral("xmlns:wp"),
        QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing"));
    m_xml.writeAttribute(QStringLiteral("xmlns:a"),
                         QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/main"));
    m_xml.writeAttribute(
        QStringLiteral("xmlns:pic"),
        QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/picture"));
    m_xml.writeAttribute(QStringLiteral("xmlns:c"),
                         QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/chart"));
    m_xml.writeStartElement(QStringLiteral("w:body"));
    const QDomNodeList sections = report.elementsByTagName(QStringLiteral("section"));
    for (int i = 0; i < sections.count(); ++i)
        section(sections.at(i).toElement(), i + 1 == sections.count());
    m_xml.writeEndElement(); // body
    m_xml.writeEndElement(); // document
    m_xml.writeEndDocument();
    m_xml.setDevice(nullptr);
    if (sections.isEmpty())
        fail(QStringLiteral("the layout has no section"));
    if (!m_error.isEmpty()) {
        *error = m_error;
        return QByteArray();
    }
    return out;
}

void BodyWriter::fail(const QString &message)
{
    if (m_error.isEmpty())
        m_error = message;
}

void BodyWriter::section(const QDomElement &section, bool last)
{
    for (QDomElement e = section.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        block(e);
    if (last) {
        sectionProperties(section);
        return;
    }
    // A section ends with the properties in its last paragraph.
    m_xml.writeStartElement(QStringLiteral("w:p"));
    m_xml.writeStartElement(QStringLiteral("w:pPr"));
    m_xml.writeEmptyElement(QStringLiteral("w:spacing"));
    m_xml.writeAttribute(QStringLiteral("w:after"), QStringLiteral("0"));
    m_xml.writeAttribute(QStringLiteral("w:line"), QStringLiteral("20"));
    m_xml.writeAttribute(QStringLiteral("w:lineRule"), QStringLiteral("exact"));
    sectionProperties(section);
    m_xml.writeEndElement();
    m_xml.writeEndElement();
}

void BodyWriter::sectionProperties(const QDomElement &section)
{
    const bool landscape = section.attribute(QStringLiteral("landscape")) == QLatin1String("1");
    QList<int> margins = Numbers(
        section.attribute(QStringLiteral("margins"), QStringLiteral("1440 1134 1247 1134")));
    if (margins.size() != 4) {
        fail(QStringLiteral("section margins need four values"));
        margins = {1440, 1134, 1247, 1134};
    }
    m_xml.writeStartElement(QStringLiteral("w:sectPr"));
    if (section.attribute(QStringLiteral("header")) == QLatin1String("1")) {
        m_xml.writeEmptyElement(QStringLiteral("w:headerReference"));
        m_xml.writeAttribute(QStringLiteral("w:type"), QStringLiteral("default"));
        m_xml.writeAttribute(QStringLiteral("r:id"), QStringLiteral("rIdHeader1"));
        m_xml.writeEmptyElement(QStringLiteral("w:footerReference"));
        m_xml.writeAttribute(QStringLiteral("w:type"), QStringLiteral("default"));
        m_xml.writeAttribute(QStringLiteral("r:id"), QStringLiteral("rIdFooter1"));
    }
    m_xml.writeEmptyElement(QStringLiteral("w:pgSz"));
    m_xml.writeAttribute(QStringLiteral("w:w"), QString::number(landscape ? kA4Height : kA4Width));
    m_xml.writeAttribute(QStringLiteral("w:h"), QString::number(landscape ? kA4Width : kA4Height));
    if (landscape)
        m_xml.writeAttribute(QStringLiteral("w:orient"), QStringLiteral("landscape"));
    m_xml.writeEmptyElement(QStringLiteral("w:pgMar"));
    m_xml.writeAttribute(QStringLiteral("w:top"), QString::number(margins[0]));
    m_xml.writeAttribute(QStringLiteral("w:right"), QString::number(margins[1]));
    m_xml.writeAttribute(QStringLiteral("w:bottom"), QString::number(margins[2]));
    m_xml.writeAttribute(QStringLiteral("w:left"), QString::number(margins[3]));
    m_xml.writeAttribute(QStringLiteral("w:header"), QStringLiteral("567"));
    m_xml.writeAttribute(QStringLiteral("w:footer"), QStringLiteral("567"));
    m_xml.writeAttribute(QStringLiteral("w:gutter"), QStringLiteral("0"));
    if (section.hasAttribute(QStringLiteral("start"))) {
        m_xml.writeEmptyElement(QStringLiteral("w:pgNumType"));
        m_xml.writeAttribute(QStringLiteral("w:start"), section.attribute(QStringLiteral("start")));
    }
    m_xml.writeEmptyElement(QStringLiteral("w:cols"));
    m_xml.writeAttribute(QStringLiteral("w:space"), QStringLiteral("425"));
    m_xml.writeEndElement();
}

void BodyWriter::block(const QDomElement &e)
{
    const QString tag = e.tagName();
    if (tag == QLatin1String("h1")) {
        paragraph(e, QStringLiteral("Heading1"));
    } else if (tag == QLatin1String("h2")) {
        paragraph(e, QStringLiteral("Heading2"));
    } else if (tag == QLatin1String("p")) {
        paragraph(e, e.attribute(QStringLiteral("style")));
    } else if (tag == QLatin1String("pagebreak")) {
        m_xml.writeStartElement(QStringLiteral("w:p"));
        m_xml.writeStartElement(QStringLiteral("w:r"));
        m_xml.writeEmptyElement(QStringLiteral("w:br"));
        m_xml.writeAttribute(QStringLiteral("w:type"), QStringLiteral("page"));
        m_xml.writeEndElement();
        m_xml.writeEndElement();
    } else if (tag == QLatin1String("toc")) {
        m_xml.writeStartElement(QStringLiteral("w:p"));
        paragraphProperties(QStringLiteral("TOC1"), QString(), false);
        const QString id = QString::number(m_bookmark++);
        m_xml.writeEmptyElement(QStringLiteral("w:bookmarkStart"));
        m_xml.writeAttribute(QStringLiteral("w:id"), id);
        m_xml.writeAttribute(QStringLiteral("w:name"), e.attribute(QStringLiteral("bookmark")));
        auto fieldChar = [this](const char *type, bool dirty) {
            m_xml.writeStartElement(QStringLiteral("w:r"));
            m_xml.writeEmptyElement(QStringLiteral("w:fldChar"));
            m_xml.writeAttribute(QStringLiteral("w:fldCharType"), QLatin1String(type));
            if (dirty)
                m_xml.writeAttribute(QStringLiteral("w:dirty"), QStringLiteral("true"));
            m_xml.writeEndElement();
        };
        fieldChar("begin", true);
        m_xml.writeStartElement(QStringLiteral("w:r"));
        m_xml.writeStartElement(QStringLiteral("w:instrText"));
        m_xml.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
        m_xml.writeCharacters(QStringLiteral(" TOC \\o \"1-2\" \\h \\z \\u "));
        m_xml.writeEndElement();
        m_xml.writeEndElement();
        fieldChar("separate", false);
        run(SourceText(e.text()), false);
        fieldChar("end", false);
        m_xml.writeEmptyElement(QStringLiteral("w:bookmarkEnd"));
        m_xml.writeAttribute(QStringLiteral("w:id"), id);
        m_xml.writeEndElement();
    } else if (tag == QLatin1String("img") || tag == QLatin1String("chart")) {
        const bool chart = tag == QLatin1String("chart");
        const QString name = e.attribute(chart ? QStringLiteral("id") : QStringLiteral("name"));
        if (!chart)
            m_pictures << name;
        m_xml.writeStartElement(QStringLiteral("w:p"));
        paragraphProperties(QStringLiteral("Figure"), QStringLiteral("center"), false);
        drawing(chart ? QStringLiteral("rIdChart") + name : QStringLiteral("rIdImg_") + name,
                e.attribute(QStringLiteral("w")).toDouble(),
                e.attribute(QStringLiteral("h")).toDouble(), chart, name);
        m_xml.writeEndElement();
    } else if (tag == QLatin1String("table")) {
        table(e);
    } else {
        fail(QStringLiteral("unknown layout element <%1>").arg(tag));
    }
}

void BodyWriter::paragraphProperties(const QString &style, const QString &align, bool pageBreak)
{
    if (style.isEmpty() && align.isEmpty() && !pageBreak)
        return;
    m_xml.writeStartElement(QStringLiteral("w:pPr"));
    if (!style.isEmpty()) {
        m_xml.writeEmptyElement(QStringLiteral("w:pStyle"));
        m_xml.writeAttribute(QStringLiteral("w:val"), style);
    }
    if (pageBreak)
        m_xml.writeEmptyElement(QStringLiteral("w:pageBreakBefore"));
    if (!align.isEmpty()) {
        m_xml.writeEmptyElement(QStringLiteral("w:jc"));
        m_xml.writeAttribute(QStringLiteral("w:val"), align);
    }
    m_xml.writeEndElement();
}

void BodyWriter::paragraph(const QDomElement &element, const QString &style)
{
    m_xml.writeStartElement(QStringLiteral("w:p"));
    paragraphProperties(style, element.attribute(QStringLiteral("align")),
                        element.attribute(QStringLiteral("break")) == QLatin1String("1"));
    inlineContent(element, false);
    m_xml.writeEndElement();
}

void BodyWriter::inlineContent(const QDomNode &parent, bool bold)
{
    for (QDomNode n = parent.firstChild(); !n.isNull(); n = n.nextSibling()) {
        if (n.isText()) {
            const QString text = SourceText(n.nodeValue());
            if (!text.isEmpty())
                run(text, bold);
            continue;
        }
        const QDomElement e = n.toElement();
        if (e.isNull())
            continue;
        if (e.tagName() == QLatin1String("b")) {
            inlineContent(e, true);
        } else if (e.tagName() == QLatin1String("br") || e.tagName() == QLatin1String("tab")) {
            m_xml.writeStartElement(QStringLiteral("w:r"));
            m_xml.writeEmptyElement(e.tagName() == QLatin1String("br") ? QStringLiteral("w:br")
                                                                       : QStringLiteral("w:tab"));
            m_xml.writeEndElement();
        } else if (e.tagName() == QLatin1String("bm")) {
            // The bookmark encloses one run whose format the filled text takes.
            const QString id = QString::number(m_bookmark++);
            m_xml.writeEmptyElement(QStringLiteral("w:bookmarkStart"));
            m_xml.writeAttribute(QStringLiteral("w:id"), id);
            m_xml.writeAttribute(QStringLiteral("w:name"), e.attribute(QStringLiteral("name")));
            run(SourceText(e.text()), bold);
            m_xml.writeEmptyElement(QStringLiteral("w:bookmarkEnd"));
            m_xml.writeAttribute(QStringLiteral("w:id"), id);
        } else {
            fail(QStringLiteral("unknown inline element <%1>").arg(e.tagName()));
        }
    }
}

void BodyWriter::run(const QString &text, bool bold)
{
    m_xml.writeStartElement(QStringLiteral("w:r"));
    if (bold || m_runSize > 0) {
        m_xml.writeStartElement(QStringLiteral("w:rPr"));
        if (bold)
            m_xml.writeEmptyElement(QStringLiteral("w:b"));
        if (m_runSize > 0) {
            m_xml.writeEmptyElement(QStringLiteral("w:sz"));
            m_xml.writeAttribute(QStringLiteral("w:val"), QString::number(m_runSize));
            m_xml.writeEmptyElement(QStringLiteral("w:szCs"));
            m_xml.writeAttribute(QStringLiteral("w:val"), QString::number(m_runSize));
        }
        m_xml.writeEndElement();
    }
    if (!text.isEmpty()) {
        m_xml.writeStartElement(QStringLiteral("w:t"));
        m_xml.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
        m_xml.writeCharacters(text);
        m_xml.writeEndElement();
    }
    m_xml.writeEndElement();
}

void BodyWriter::drawing(const QString &id, double width, double height, bool chart,
                         const QString &name)
{
    const QString cx = QString::number(qRound64(width * kEmuPerPoint));
    const QString cy = QString::number(qRound64(height * kEmuPerPoint));
    const QString docId = QString::number(m_drawing++);
    m_xml.writeStartElement(QStringLiteral("w:r"));
    m_xml.writeStartElement(QStringLiteral("w:drawing"));
    m_xml.writeStartElement(QStringLiteral("wp:inline"));
    for (const char *side : {"distT", "distB", "distL", "distR"})
        m_xml.writeAttribute(QLatin1String(side), QStringLiteral("0"));
    m_xml.writeEmptyElement(QStringLiteral("wp:extent"));
    m_xml.writeAttribute(QStringLiteral("cx"), cx);
    m_xml.writeAttribute(QStringLiteral("cy"), cy);
    m_xml.writeEmptyElement(QStringLiteral("wp:effectExtent"));
    for (const char *side : {"l", "t", "r", "b"})
        m_xml.writeAttribute(QLatin1String(side), QStringLiteral("0"));
    m_xml.writeEmptyElement(QStringLiteral("wp:docPr"));
    m_xml.writeAttribute(QStringLiteral("id"), docId);
    m_xml.writeAttribute(QStringLiteral("name"), name);
    m_xml.writeStartElement(QStringLiteral("a:graphic"));
    m_xml.writeStartElement(QStringLiteral("a:graphicData"));
    if (chart) {
        m_xml.writeAttribute(
            QStringLiteral("uri"),
            QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/chart"));
        m_xml.writeEmptyElement(QStringLiteral("c:chart"));
        m_xml.writeAttribute(QStringLiteral("r:id"), id);
    } else {
        m_xml.writeAttribute(
            QStringLiteral("uri"),
            QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/picture"));
        m_xml.writeStartElement(QStringLiteral("pic:pic"));
        m_xml.writeStartElement(QStringLiteral("pic:nvPicPr"));
        m_xml.writeEmptyElement(QStringLiteral("pic:cNvPr"));
        m_xml.writeAttribute(QStringLiteral("id"), QStringLiteral("0"));
        m_xml.writeAttribute(QStringLiteral("name"), name + QStringLiteral(".png"));
        m_xml.writeEmptyElement(QStringLiteral("pic:cNvPicPr"));
        m_xml.writeEndElement();
        m_xml.writeStartElement(QStringLiteral("pic:blipFill"));
        m_xml.writeEmptyElement(QStringLiteral("a:blip"));
        m_xml.writeAttribute(QStringLiteral("r:embed"), id);
        m_xml.writeStartElement(QStringLiteral("a:stretch"));
        m_xml.writeEmptyElement(QStringLiteral("a:fillRect"));
        m_xml.writeEndElement();
        m_xml.writeEndElement();
        m_xml.writeStartElement(QStringLiteral("pic:spPr"));
        m_xml.writeStartElement(QStringLiteral("a:xfrm"));
        m_xml.writeEmptyElement(QStringLiteral("a:off"));
        m_xml.writeAttribute(QStringLiteral("x"), QStringLiteral("0"));
        m_xml.writeAttribute(QStringLiteral("y"), QStringLiteral("0"));
        m_xml.writeEmptyElement(QStringLiteral("a:ext"));
        m_xml.writeAttribute(QStringLiteral("cx"), cx);
        m_xml.writeAttribute(QStringLiteral("cy"), cy);
        m_xml.writeEndElement();
        m_xml.writeStartElement(QStringLiteral("a:prstGeom"));
        m_xml.writeAttribute(QStringLiteral("prst"), QStringLiteral("rect"));
        m_xml.writeEmptyElement(QStringLiteral("a:avLst"));
        m_xml.writeEndElement();
        m_xml.writeEndElement(); // spPr
        m_xml.writeEndElement(); // pic
    }
    m_xml.writeEndElement(); // graphicData
    m_xml.writeEndElement(); // graphic
    m_xml.writeEndElement(); // inline
    m_xml.writeEndElement(); // drawing
    m_xml.writeEndElement(); // r
}
