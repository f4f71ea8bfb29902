// BodyWriter: tables. Every row must cover the whole grid; cells that span grid columns
// count as one cell, as the word processor numbers them.
#include "bodywriter.h"

#include <QVector>

namespace {

QList<int> GridColumns(const QString &text)
{
    QList<int> list;
    for (const QString &part : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        list << part.toInt();
    return list;
}

} // namespace

void BodyWriter::table(const QDomElement &element)
{
    const QList<int> grid = GridColumns(element.attribute(QStringLiteral("grid")));
    if (grid.isEmpty()) {
        fail(QStringLiteral("a table without grid"));
        return;
    }
    int width = 0;
    for (int column : grid)
        width += column;
    const QString bookmark = element.attribute(QStringLiteral("bookmark"));
    const QString id = QString::number(m_bookmark);
    if (!bookmark.isEmpty()) {
        ++m_bookmark;
        m_xml.writeEmptyElement(QStringLiteral("w:bookmarkStart"));
        m_xml.writeAttribute(QStringLiteral("w:id"), id);
        m_xml.writeAttribute(QStringLiteral("w:name"), bookmark);
    }
    m_runSize = element.attribute(QStringLiteral("size")).toInt();
    m_xml.writeStartElement(QStringLiteral("w:tbl"));
    m_xml.writeStartElement(QStringLiteral("w:tblPr"));
    m_xml.writeEmptyElement(QStringLiteral("w:tblW"));
    m_xml.writeAttribute(QStringLiteral("w:w"), QString::number(width));
    m_xml.writeAttribute(QStringLiteral("w:type"), QStringLiteral("dxa"));
    m_xml.writeEmptyElement(QStringLiteral("w:jc"));
    m_xml.writeAttribute(QStringLiteral("w:val"), QStringLiteral("center"));
    m_xml.writeStartElement(QStringLiteral("w:tblBorders"));
    for (const char *side : {"w:top", "w:left", "w:bottom", "w:right", "w:insideH", "w:insideV"}) {
        m_xml.writeEmptyElement(QLatin1String(side));
        m_xml.writeAttribute(QStringLiteral("w:val"), QStringLiteral("single"));
        const bool outer = side[2] != 'i';
        m_xml.writeAttribute(QStringLiteral("w:sz"),
                             outer ? QStringLiteral("8") : QStringLiteral("4"));
        m_xml.writeAttribute(QStringLiteral("w:space"), QStringLiteral("0"));
        m_xml.writeAttribute(QStringLiteral("w:color"), QStringLiteral("404040"));
    }
    m_xml.writeEndElement();
    m_xml.writeEmptyElement(QStringLiteral("w:tblLayout"));
    m_xml.writeAttribute(QStringLiteral("w:type"), QStringLiteral("fixed"));
    m_xml.writeStartElement(QStringLiteral("w:tblCellMar"));
    for (const char *side : {"w:top", "w:left", "w:bottom", "w:right"}) {
        const bool vertical = side[2] == 't' || side[2] == 'b';
        m_xml.writeEmptyElement(QLatin1String(side));
        m_xml.writeAttribute(QStringLiteral("w:w"),
                             vertical ? QStringLiteral("0") : QStringLiteral("57"));
        m_xml.writeAttribute(QStringLiteral("w:type"), QStringLiteral("dxa"));
    }
    m_xml.writeEndElement();
    m_xml.writeEndElement(); // tblPr
    m_xml.writeStartElement(QStringLiteral("w:tblGrid"));
    for (int column : grid) {
        m_xml.writeEmptyElement(QStringLiteral("w:gridCol"));
        m_xml.writeAttribute(QStringLiteral("w:w"), QString::number(column));
    }
    m_xml.writeEndElement();
    QList<Lead> lead;
    rows(element, lead, grid);
    m_xml.writeEndElement(); // tbl
    m_runSize = 0;
    if (!bookmark.isEmpty()) {
        m_xml.writeEmptyElement(QStringLiteral("w:bookmarkEnd"));
        m_xml.writeAttribute(QStringLiteral("w:id"), id);
    }
}

void BodyWriter::rows(const QDomElement &parent, QList<Lead> &lead, const QList<int> &grid)
{
    for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (e.tagName() == QLatin1String("tr")) {
            row(e, lead, grid);
        } else if (e.tagName() == QLatin1String("group")) {
            const QStringList cells = e.attribute(QStringLiteral("cells")).split(QLatin1Char('|'));
            for (const QString &text : cells)
                lead << Lead{text.trimmed(), true};
            rows(e, lead, grid);
            lead.erase(lead.end() - cells.size(), lead.end());
        } else {
            fail(QStringLiteral("unknown table element <%1>").arg(e.tagName()));
        }
    }
}

void BodyWriter::row(const QDomElement &tr, QList<Lead> &lead, const QList<int> &grid)
{
    const bool head = tr.attribute(QStringLiteral("head")) == QLatin1String("1");
    m_xml.writeStartElement(QStringLiteral("w:tr"));
    m_xml.writeStartElement(QStringLiteral("w:trPr"));
    m_xml.writeEmptyElement(QStringLiteral("w:cantSplit"));
    if (tr.hasAttribute(QStringLiteral("h"))) {
        m_xml.writeEmptyElement(QStringLiteral("w:trHeight"));
        m_xml.writeAttribute(QStringLiteral("w:val"), tr.attribute(QStringLiteral("h")));
        m_xml.writeAttribute(QStringLiteral("w:hRule"), QStringLiteral("atLeast"));
    }
    if (head)
        m_xml.writeEmptyElement(QStringLiteral("w:tblHeader"));
    m_xml.writeEndElement();

    int index = 0;
    auto spanWidth = [&](int span) {
        int width = 0;
        for (int i = index; i < index + span && i < grid.size(); ++i)
            width += grid.at(i);
        return width;
    };
    for (Lead &cellLead : lead) {
        cell(nullptr, cellLead.fresh ? cellLead.text : QString(), spanWidth(1), 1,
             cellLead.fresh ? QStringLiteral("restart") : QStringLiteral("continue"), head);
        cellLead.fresh = false;
        ++index;
    }
    if (tr.hasAttribute(QStringLiteral("cells"))) {
        const QStringList texts = tr.attribute(QStringLiteral("cells")).split(QLatin1Char('|'));
        QList<int> spans = GridColumns(tr.attribute(QStringLiteral("spans")));
        if (spans.isEmpty())
            spans = QVector<int>(texts.size(), 1).toList();
        if (spans.size() != texts.size())
            fail(QStringLiteral("spans and cells differ in row \"%1\"").arg(texts.join('|')));
        for (int i = 0; i < texts.size() && i < spans.size(); ++i) {
            cell(nullptr, texts.at(i).trimmed(), spanWidth(spans.at(i)), spans.at(i), QString(),
                 head);
            index += spans.at(i);
        }
    } else {
        for (QDomElement td = tr.firstChildElement(QStringLiteral("td")); !td.isNull();
             td = td.nextSiblingElement(QStringLiteral("td"))) {
            const int span = td.attribute(QStringLiteral("span"), QStringLiteral("1")).toInt();
            cell(&td, QString(), spanWidth(span), span, td.attribute(QStringLiteral("vm")), head);
            index += span;
        }
    }
    if (index != grid.size()) {
        fail(QStringLiteral("a row covers %1 of %2 grid columns (\"%3\")")
                 .arg(index)
                 .arg(grid.size())
                 .arg(tr.attribute(QStringLiteral("cells"), tr.text().left(40))));
    }
    m_xml.writeEndElement(); // tr
}

void BodyWriter::cell(const QDomElement *td, const QString &text, int width, int span,
                      const QString &vmerge, bool head)
{
    const QString fill = td && td->hasAttribute(QStringLiteral("fill"))
                             ? td->attribute(QStringLiteral("fill"))
                             : (head ? QStringLiteral("DCE6F0") : QString());
    m_xml.writeStartElement(QStringLiteral("w:tc"));
    m_xml.writeStartElement(QStringLiteral("w:tcPr"));
    m_xml.writeEmptyElement(QStringLiteral("w:tcW"));
    m_xml.writeAttribute(QStringLiteral("w:w"), QString::number(width));
    m_xml.writeAttribute(QStringLiteral("w:type"), QStringLiteral("dxa"));
    if (span > 1) {
        m_xml.writeEmptyElement(QStringLiteral("w:gridSpan"));
        m_xml.writeAttribute(QStringLiteral("w:val"), QString::number(span));
    }
    if (!vmerge.isEmpty()) {
        m_xml.writeEmptyElement(QStringLiteral("w:vMerge"));
        if (vmerge == QLatin1String("restart"))
            m_xml.writeAttribute(QStringLiteral("w:val"), QStringLiteral("restart"));
    }
    if (!fill.isEmpty()) {
        m_xml.writeEmptyElement(QStringLiteral("w:shd"));
        m_xml.writeAttribute(QStringLiteral("w:val"), QStringLiteral("clear"));
        m_xml.writeAttribute(QStringLiteral("w:color"), QStringLiteral("auto"));
        m_xml.writeAttribute(QStringLiteral("w:fill"), fill);
    }
    m_xml.writeEmptyElement(QStringLiteral("w:vAlign"));
    m_xml.writeAttribute(QStringLiteral("w:val"), QStringLiteral("center"));
    m_xml.writeEndElement(); // tcPr
    m_xml.writeStartElement(QStringLiteral("w:p"));
    paragraphProperties(head ? QStringLiteral("TableHead") : QStringLiteral("TableText"),
                        td ? td->attribute(QStringLiteral("align")) : QString(), false);
    if (td)
        inlineContent(*td, false);
    else if (!text.isEmpty())
        run(text, false);
    m_xml.writeEndElement(); // p
    m_xml.writeEndElement(); // tc
}
