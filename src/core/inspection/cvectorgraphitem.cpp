#include "core/inspection/cvectorgraphitem.h"

#include <iterator>

#include "core/common/xmlfields.h"

namespace {
using ShapeField = XmlFields::Field<CVectorGraphItem>;
using Coordinate = XmlFields::Accessor<CVectorGraphItem>;

template <QPointF CVectorGraphItem::*point>
Coordinate XOf()
{
    return {[](const CVectorGraphItem &shape) { return (shape.*point).x(); },
            [](CVectorGraphItem &shape, double value) { (shape.*point).setX(value); }};
}

template <QPointF CVectorGraphItem::*point>
Coordinate YOf()
{
    return {[](const CVectorGraphItem &shape) { return (shape.*point).y(); },
            [](CVectorGraphItem &shape, double value) { (shape.*point).setY(value); }};
}

// pt1, pt2, pt3; a shape carries the first two points or all three.
const ShapeField kPoints[] = {
    {"X1", XOf<&CVectorGraphItem::pt1>()}, {"Y1", YOf<&CVectorGraphItem::pt1>()},
    {"X2", XOf<&CVectorGraphItem::pt2>()}, {"Y2", YOf<&CVectorGraphItem::pt2>()},
    {"X3", XOf<&CVectorGraphItem::pt3>()}, {"Y3", YOf<&CVectorGraphItem::pt3>()},
};
constexpr std::size_t kTwoPoints = 4;
constexpr std::size_t kThreePoints = 6;

// Read into a null rectangle in this order, moving its corner then sizing it.
const ShapeField kBox[] = {
    {"X", Coordinate{[](const CVectorGraphItem &shape) { return shape.rect.left(); },
                     [](CVectorGraphItem &shape, double value) { shape.rect.moveLeft(value); }}},
    {"Y", Coordinate{[](const CVectorGraphItem &shape) { return shape.rect.top(); },
                     [](CVectorGraphItem &shape, double value) { shape.rect.moveTop(value); }}},
    {"W", Coordinate{[](const CVectorGraphItem &shape) { return shape.rect.width(); },
                     [](CVectorGraphItem &shape, double value) { shape.rect.setWidth(value); }}},
    {"H", Coordinate{[](const CVectorGraphItem &shape) { return shape.rect.height(); },
                     [](CVectorGraphItem &shape, double value) { shape.rect.setHeight(value); }}},
};

const ShapeField kText[] = {
    {"X", XOf<&CVectorGraphItem::pt1>()},
    {"Y", YOf<&CVectorGraphItem::pt1>()},
    {"strText", &CVectorGraphItem::strText},
};

const ShapeField kRuler[] = {
    {"fPixelToLen", &CVectorGraphItem::fPixelToLen},
};

// A shape type's element and its fields: the geometry, then what only that type has.
struct ShapeForm
{
    int type;
    const char *element;
    const ShapeField *fields;
    std::size_t count;
    const ShapeField *extra = nullptr;
    std::size_t extraCount = 0;
};
const ShapeForm kForms[] = {
    {CVectorGraphItem::Line, "Line", kPoints, kTwoPoints},
    {CVectorGraphItem::Rect, "Rect", kBox, std::size(kBox)},
    {CVectorGraphItem::Ellipse, "Ellipse", kBox, std::size(kBox)},
    {CVectorGraphItem::Path, "Path", kPoints, kThreePoints},
    {CVectorGraphItem::Text, "Text", kText, std::size(kText)},
    {CVectorGraphItem::Arrow, "Arrow", kPoints, kTwoPoints},
    {CVectorGraphItem::Angle, "Angle", kPoints, kThreePoints},
    {CVectorGraphItem::Ruler, "RULER", kPoints, kTwoPoints, kRuler, std::size(kRuler)},
    {CVectorGraphItem::EditText, "EditText", kText, std::size(kText)},
};

const ShapeForm *FormOfType(int type)
{
    for (const ShapeForm &form : kForms)
        if (form.type == type)
            return &form;
    return nullptr;
}

const ShapeForm *FormOfElement(const QString &tag)
{
    for (const ShapeForm &form : kForms)
        if (tag == QLatin1String(form.element))
            return &form;
    return nullptr;
}
} // namespace

QString CVectorGraphItem::ElementName(int type)
{
    const ShapeForm *form = FormOfType(type);
    return form ? QString::fromLatin1(form->element) : QString();
}

int CVectorGraphItem::TypeOfElement(const QString &tag)
{
    const ShapeForm *form = FormOfElement(tag);
    return form ? form->type : 0;
}

bool CVectorGraphItem::SaveToXml(QDomDocument &document, QDomElement &parent) const
{
    const ShapeForm *form = FormOfType(nType);
    if (!form)
        return false;
    QDomElement e = document.createElement(QString::fromLatin1(form->element));
    e.setAttribute(QStringLiteral("LocalMachine"), QStringLiteral("1"));
    parent.appendChild(e);
    XmlFields::Append(document, e, *this, form->fields, form->count);
    XmlFields::Append(document, e, *this, form->extra, form->extraCount);
    return true;
}

bool CVectorGraphItem::LoadFromXml(const QDomElement &e)
{
    const ShapeForm *form = FormOfElement(e.tagName());
    if (!form)
        return false;
    *this = CVectorGraphItem();
    nType = form->type;
    bLocalMachine = e.hasAttribute(QStringLiteral("LocalMachine"));
    XmlFields::Read(e, *this, form->fields, form->count);
    XmlFields::Read(e, *this, form->extra, form->extraCount);
    return true;
}
