#include "office/automation/wordprocessor/wdxml.h"

#include <QVector>

namespace WdXml {

QDomElement FirstChild(const QDomElement &parent, const QString &tag)
{
    return parent.firstChildElement(tag);
}

QList<QDomElement> Children(const QDomElement &parent, const QString &tag)
{
    QList<QDomElement> list;
    for (QDomElement e = parent.firstChildElement(tag); !e.isNull(); e = e.nextSiblingElement(tag))
        list << e;
    return list;
}

namespace {

void Collect(const QDomElement &parent, const QString &tag, QList<QDomElement> &out)
{
    for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (e.tagName() == tag)
            out << e;
        Collect(e, tag, out);
    }
}

int OrderOf(const QStringList &order, const QString &tag)
{
    const int index = order.indexOf(tag);
    return index < 0 ? order.size() : index;
}

} // namespace

QList<QDomElement> Descendants(const QDomElement &parent, const QString &tag)
{
    QList<QDomElement> list;
    Collect(parent, tag, list);
    return list;
}

QDomElement Ancestor(const QDomElement &element, const QString &tag)
{
    for (QDomNode n = element; !n.isNull(); n = n.parentNode()) {
        if (n.isElement() && n.toElement().tagName() == tag)
            return n.toElement();
    }
    return QDomElement();
}

QDomElement EnsureChild(QDomElement parent, const QString &tag, const QStringList &order)
{
    QDomElement existing = parent.firstChildElement(tag);
    if (!existing.isNull())
        return existing;
    QDomElement created = parent.ownerDocument().createElement(tag);
    const int rank = OrderOf(order, tag);
    for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (OrderOf(order, e.tagName()) > rank) {
            parent.insertBefore(created, e);
            return created;
        }
    }
    parent.appendChild(created);
    return created;
}

QDomElement EnsureChild(QDomElement parent, const QString &tag)
{
    QDomElement existing = parent.firstChildElement(tag);
    if (!existing.isNull())
        return existing;
    return parent.appendChild(parent.ownerDocument().createElement(tag)).toElement();
}

const QStringList &RunPropertyOrder()
{
    static const QStringList order = {"w:rStyle",
                                      "w:rFonts",
                                      "w:b",
                                      "w:bCs",
                                      "w:i",
                                      "w:iCs",
                                      "w:caps",
                                      "w:smallCaps",
                                      "w:strike",
                                      "w:dstrike",
                                      "w:outline",
                                      "w:shadow",
                                      "w:emboss",
                                      "w:imprint",
                                      "w:noProof",
                                      "w:snapToGrid",
                                      "w:vanish",
                                      "w:webHidden",
                                      "w:color",
                                      "w:spacing",
                                      "w:w",
                                      "w:kern",
                                      "w:position",
                                      "w:sz",
                                      "w:szCs",
                                      "w:highlight",
                                      "w:u",
                                      "w:effect",
                                      "w:bdr",
                                      "w:shd",
                                      "w:fitText",
                                      "w:vertAlign",
                                      "w:rtl",
                                      "w:cs",
                                      "w:em",
                                      "w:lang",
                                      "w:eastAsianLayout",
                                      "w:oMath"};
    return order;
}

const QStringList &CellPropertyOrder()
{
    static const QStringList order = {"w:cnfStyle", "w:tcW",           "w:gridSpan",  "w:hMerge",
                                      "w:vMerge",   "w:tcBorders",     "w:shd",       "w:noWrap",
                                      "w:tcMar",    "w:textDirection", "w:tcFitText", "w:vAlign",
                                      "w:hideMark"};
    return order;
}

const QStringList &ParagraphPropertyOrder()
{
    static const QStringList order = {"w:pStyle",
                                      "w:keepNext",
                                      "w:keepLines",
                                      "w:pageBreakBefore",
                                      "w:framePr",
                                      "w:widowControl",
                                      "w:numPr",
                                      "w:suppressLineNumbers",
                                      "w:pBdr",
                                      "w:shd",
                                      "w:tabs",
                                      "w:suppressAutoHyphens",
                                      "w:kinsoku",
                                      "w:wordWrap",
                                      "w:overflowPunct",
                                      "w:topLinePunct",
                                      "w:autoSpaceDE",
                                      "w:autoSpaceDN",
                                      "w:bidi",
                                      "w:adjustRightInd",
                                      "w:snapToGrid",
                                      "w:spacing",
                                      "w:ind",
                                      "w:contextualSpacing",
                                      "w:mirrorIndents",
                                      "w:suppressOverlap",
                                      "w:jc",
                                      "w:textDirection",
                                      "w:textAlignment",
                                      "w:textboxTightWrap",
                                      "w:outlineLvl",
                                      "w:divId",
                                      "w:cnfStyle",
                                      "w:rPr",
                                      "w:sectPr",
                                      "w:pPrChange"};
    return order;
}

QString XmlSafe(const QString &text)
{
    QString safe;
    safe.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const ushort u = c.unicode();
        if (u < 0x20 && u != '\t' && u != '\n' && u != '\r')
            continue;
        if (u == 0xFFFE || u == 0xFFFF)
            continue;
        if (c.isHighSurrogate()) {
            if (i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
                safe += c;
                safe += text.at(++i);
            }
            continue;
        }
        if (c.isLowSurrogate())
            continue;
        safe += c;
    }
    return safe;
}

namespace {

void AppendText(const QDomElement &parent, QString &out)
{
    for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        const QString tag = e.tagName();
        if (tag == QLatin1String("w:t"))
            out += e.text();
        else if (tag == QLatin1String("w:tab"))
            out += QLatin1Char('\t');
        else if (tag == QLatin1String("w:br") || tag == QLatin1String("w:cr"))
            out += QLatin1Char('\n');
        else if (tag == QLatin1String("w:p")) {
            if (!out.isEmpty())
                out += QLatin1Char('\r');
            AppendText(e, out);
        } else if (tag != QLatin1String("w:instrText") && tag != QLatin1String("w:pPr") &&
                   tag != QLatin1String("w:rPr"))
            AppendText(e, out);
    }
}

QVector<QDomNode> Chain(const QDomElement &element)
{
    QVector<QDomNode> chain;
    for (QDomNode n = element; !n.isNull(); n = n.parentNode())
        chain.prepend(n);
    return chain;
}

} // namespace

QString PlainText(const QDomElement &element)
{
    QString out;
    AppendText(element, out);
    return out;
}

bool Before(const QDomElement &a, const QDomElement &b)
{
    const QVector<QDomNode> ca = Chain(a);
    const QVector<QDomNode> cb = Chain(b);
    int depth = 0;
    while (depth < ca.size() && depth < cb.size() && ca.at(depth) == cb.at(depth))
        ++depth;
    if (depth == ca.size() || depth == cb.size())
        return ca.size() < cb.size(); // an ancestor comes first
    // Siblings below the common ancestor: walk forward from a's branch.
    for (QDomNode n = ca.at(depth).nextSibling(); !n.isNull(); n = n.nextSibling()) {
        if (n == cb.at(depth))
            return true;
    }
    return false;
}

} // namespace WdXml
