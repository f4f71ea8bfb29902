#pragma once

#include <QDomDocument>
#include <QDomElement>
#include <QString>

// The parameters of one defect.
class DefectParam
{
public:
    DefectParam() = default;
    void Reset() { *this = DefectParam(); }

    void SaveToXml(QDomDocument &document, QDomElement &parent) const;
    // Reads the first "DefectParam" element below the given one.
    bool LoadFromXml(const QDomElement &element);
    QString toXMLString() const;
    // Resets every field first, so absent fields take their defaults.
    bool fromXMLString(const QString &text);

    int DefectName = -1;     // index into the defect code table; -1 = none
    int DefectProperty = -1; // 0 structural, 1 functional, -1 none
    int DefectLevel = 0;     // 0-3 stand for levels 1-4
    float fDistance = 0;
    float fLength = 0;
    int nRingStart = 0;
    int nRingEnd = 0;
    QString strRemark;
    QString strInterpretDate;
    float fRadioPixelLengthMM = 1.0f;
};
