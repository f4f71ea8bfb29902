#pragma once

#include <QDomDocument>
#include <QDomElement>
#include <QPointF>
#include <QRectF>
#include <QString>

// One shape drawn on a defect frame.
class CVectorGraphItem
{
public:
    enum Type {
        Line = 1,
        Rect = 2,
        Ellipse = 3,
        Path = 4,
        Text = 5,
        Arrow = 6,
        Angle = 8,
        Ruler = 9,
        EditText = 30
    };

    // Element name of a shape type; empty for types without an XML form (7 and others).
    static QString ElementName(int nType);
    // Type of an element name; 0 for names that are no shape.
    static int TypeOfElement(const QString &tag);

    // Appends this shape's element; false (nothing written) for types without a form.
    bool SaveToXml(QDomDocument &document, QDomElement &parent) const;
    // Reads a shape element; false when its tag is no shape.
    bool LoadFromXml(const QDomElement &element);

    int nType = 0;
    QPointF pt1;
    QPointF pt2;
    QPointF pt3;
    QRectF rect;
    QString strText;
    float fPixelToLen = 0;
    bool bLocalMachine = false;
};
