#include "core/inspection/cvectorgraphitem.h"

#include "core/common/xmlfile.h"

namespace {
struct ShapeName
{
    int type;
    const char *element;
};
const ShapeName kShapes[] = {
    {CVectorGraphItem::Line, "Line"},   {CVectorGraphItem::Rect, "Rect"},
    {CVectorGraphItem::Ellipse, "Ellipse"}, {CVectorGraphItem::Path, "Path"},
    {CVectorGraphItem::Text, "Text"},   {CVectorGraphItem::Arrow, "Arrow"},
    {CVectorGraphItem::Angle, "Angle"}, {CVectorGraphItem::Ruler, "RULER"},
    {CVectorGraphItem::EditText, "EditText"},
};

// How many of pt1..pt3 a point shape carries; 0 for rectangles and texts.
int PointCount(int type)
{
    switch (type) {
    case CVectorGraphItem::Line:
    case CVectorGraphItem::Arrow:
    case CVectorGraphItem::Ruler:
        return 2;
    case CVectorGraphItem::Path:
    case CVectorGraphItem::Angle:
        return 3;
    default:
        return 0;
    }
}

double ReadCoordinate(const QDomElement &element, const QString &tag)
{
    double value = 0;
    ReadXmlDouble(element, tag, value);
    return value;
}
} // namespace

QString CVectorGraphItem::ElementName(int type)
{
    for (const ShapeName &shape : kShapes)
        if (shape.type == type)
            return QString::fromLatin1(shape.element);
    return QString();
}

int CVectorGraphItem::TypeOfElement(const QString &tag)
{
    for (const ShapeName &shape : kShapes)
        if (tag == QLatin1String(shape.element))
            return shape.type;
    return 0;
}

bool CVectorGraphItem::SaveToXml(QDomDocument &document, QDomElement &parent) const
{
    const QString name = ElementName(nType);
    if (name.isEmpty())
        return false;
    QDomElement e = document.createElement(name);
    e.setAttribute(QStringLiteral("LocalMachine"), QStringLiteral("1"));
    parent.appendChild(e);
    if (nType == Rect || nType == Ellipse) {
        AppendXmlDouble(document, e, QStringLiteral("X"), rect.left());
        AppendXmlDouble(document, e, QStringLiteral("Y"), rect.top());
        AppendXmlDouble(document, e, QStringLiteral("W"), rect.width());
        AppendXmlDouble(document, e, QStringLiteral("H"), rect.height());
    } else if (nType == Text || nType == EditText) {
        AppendXmlDouble(document, e, QStringLiteral("X"), pt1.x());
        AppendXmlDouble(document, e, QStringLiteral("Y"), pt1.y());
        AppendXmlText(document, e, QStringLiteral("strText"), strText);
    } else {
        const QPointF points[] = {pt1, pt2, pt3};
        for (int i = 0; i < PointCount(nType); ++i) {
            AppendXmlDouble(document, e, QStringLiteral("X%1").arg(i + 1), points[i].x());
            AppendXmlDouble(document, e, QStringLiteral("Y%1").arg(i + 1), points[i].y());
        }
        if (nType == Ruler)
            AppendXmlFloat(document, e, QStringLiteral("fPixelToLen"), fPixelToLen);
    }
    return true;
}

bool CVectorGraphItem::LoadFromXml(const QDomElement &e)
{
    const int type = TypeOfElement(e.tagName());
    if (type == 0)
        return false;
    *this = CVectorGraphItem();
    nType = type;
    bLocalMachine = e.hasAttribute(QStringLiteral("LocalMachine"));
    if (type == Rect || type == Ellipse) {
        rect = QRectF(ReadCoordinate(e, QStringLiteral("X")), ReadCoordinate(e, QStringLiteral("Y")),
                      ReadCoordinate(e, QStringLiteral("W")), ReadCoordinate(e, QStringLiteral("H")));
    } else if (type == Text || type == EditText) {
        pt1 = QPointF(ReadCoordinate(e, QStringLiteral("X")), ReadCoordinate(e, QStringLiteral("Y")));
        ReadXmlText(e, QStringLiteral("strText"), strText);
    } else {
        QPointF *points[] = {&pt1, &pt2, &pt3};
        for (int i = 0; i < PointCount(type); ++i)
            *points[i] = QPointF(ReadCoordinate(e, QStringLiteral("X%1").arg(i + 1)),
                                 ReadCoordinate(e, QStringLiteral("Y%1").arg(i + 1)));
        if (type == Ruler)
            ReadXmlFloat(e, QStringLiteral("fPixelToLen"), fPixelToLen);
    }
    return true;
}
