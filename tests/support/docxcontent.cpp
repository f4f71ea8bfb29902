#include "support/docxcontent.h"

#include <QDomDocument>

namespace DocxContent {
namespace {

// Appends the texts of the w:t elements after the bookmark's start and before its end, in
// document order; true once the end is reached.
bool CollectMarked(const QDomNode &node, const QString &name, QString *id, QString *text)
{
    for (QDomElement e = node.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (e.tagName() == QLatin1String("w:bookmarkStart") && e.attribute("w:name") == name)
            *id = e.attribute("w:id");
        else if (e.tagName() == QLatin1String("w:bookmarkEnd") && !id->isEmpty() &&
                 e.attribute("w:id") == *id)
            return true;
        else if (e.tagName() == QLatin1String("w:t") && !id->isEmpty())
            *text += e.text();
        else if (CollectMarked(e, name, id, text))
            return true;
    }
    return false;
}

} // namespace

QList<QDomElement> Tables(const Package &package)
{
    QList<QDomElement> list;
    const QDomElement body = package.document.documentElement().firstChildElement("w:body");
    for (QDomElement e = body.firstChildElement("w:tbl"); !e.isNull();
         e = e.nextSiblingElement("w:tbl"))
        list << e;
    return list;
}

QList<QDomElement> Rows(const QDomElement &table)
{
    QList<QDomElement> rows;
    for (QDomElement tr = table.firstChildElement("w:tr"); !tr.isNull();
         tr = tr.nextSiblingElement("w:tr"))
        rows << tr;
    return rows;
}

QDomElement Cell(const Package &package, int table, int row, int column)
{
    QDomElement tc =
        Rows(Tables(package).value(table - 1)).value(row - 1).firstChildElement("w:tc");
    for (int i = 1; i < column; ++i)
        tc = tc.nextSiblingElement("w:tc");
    return tc;
}

QString Text(const QDomElement &element)
{
    QStringList paragraphs;
    for (const QDomElement &p : DocxReadBack::Elements(element, "w:p")) {
        QString text;
        for (const QDomElement &t : DocxReadBack::Elements(p, "w:t"))
            text += t.text();
        paragraphs << text;
    }
    return paragraphs.join('|');
}

QString BookmarkText(const Package &package, const QString &name)
{
    QString id;
    QString text;
    CollectMarked(package.document.documentElement(), name, &id, &text);
    return text;
}

QString RelationTarget(const Package &package, const QString &id)
{
    QDomDocument rels;
    rels.setContent(package.parts.value("word/_rels/document.xml.rels"));
    for (const QDomElement &rel : DocxReadBack::Elements(rels.documentElement(), "Relationship")) {
        if (rel.attribute("Id") == id)
            return rel.attribute("Target");
    }
    return QString();
}

QStringList ChartCache(const Package &package, const QString &which, const QString &part)
{
    QDomDocument chart;
    chart.setContent(package.parts.value(part), false);
    const QDomElement series = chart.elementsByTagName(which).at(0).toElement();
    QStringList points;
    for (const QDomElement &pt : DocxReadBack::Elements(series, "c:pt"))
        points << pt.text();
    points << series.elementsByTagName("c:f").at(0).toElement().text();
    return points;
}

} // namespace DocxContent
