#pragma once

#include <QDomElement>
#include <QList>
#include <QString>
#include <QStringList>

// Small helpers over WordprocessingML kept as a DOM without namespace processing: tags
// carry their prefixes as written ("w:p", "w:tbl").
namespace WdXml {

QDomElement FirstChild(const QDomElement &parent, const QString &tag);
QList<QDomElement> Children(const QDomElement &parent, const QString &tag);
// All descendants with the tag, in document order.
QList<QDomElement> Descendants(const QDomElement &parent, const QString &tag);
// Nearest ancestor (or the element itself) with the tag.
QDomElement Ancestor(const QDomElement &element, const QString &tag);

// The child with the tag, created where the schema's sequence wants it: before the first
// existing child that comes later in order (tags not listed count as last).
QDomElement EnsureChild(QDomElement parent, const QString &tag, const QStringList &order);
QDomElement EnsureChild(QDomElement parent, const QString &tag); // appended when missing

// Child orders of the property elements the server writes.
const QStringList &RunPropertyOrder();
const QStringList &CellPropertyOrder();
const QStringList &ParagraphPropertyOrder();

// Text without the characters XML 1.0 cannot carry.
QString XmlSafe(const QString &text);
// The visible text below an element (w:t, tabs and breaks).
QString PlainText(const QDomElement &element);

// Document order of two elements of one tree: true when a comes before b.
bool Before(const QDomElement &a, const QDomElement &b);

} // namespace WdXml
