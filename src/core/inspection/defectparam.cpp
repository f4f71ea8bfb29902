#include "core/inspection/defectparam.h"

#include "core/common/debuglog.h"
#include "core/common/xmlfile.h"

namespace {
const QString kDefectParam = QStringLiteral("DefectParam");
}

void DefectParam::SaveToXml(QDomDocument &document, QDomElement &parent) const
{
    QDomElement e = document.createElement(kDefectParam);
    parent.appendChild(e);
    AppendXmlInt(document, e, QStringLiteral("DefectName"), DefectName);
    AppendXmlInt(document, e, QStringLiteral("DefectProperty"), DefectProperty);
    AppendXmlInt(document, e, QStringLiteral("DefectLevel"), DefectLevel);
    AppendXmlFloat(document, e, QStringLiteral("fDistance"), fDistance);
    AppendXmlFloat(document, e, QStringLiteral("fLength"), fLength);
    AppendXmlInt(document, e, QStringLiteral("nRingStart"), nRingStart);
    AppendXmlInt(document, e, QStringLiteral("nRingEnd"), nRingEnd);
    AppendXmlText(document, e, QStringLiteral("strRemark"), strRemark);
    AppendXmlText(document, e, QStringLiteral("strInterpretDate"), strInterpretDate);
    AppendXmlFloat(document, e, QStringLiteral("fRadioPixelLengthMM"), fRadioPixelLengthMM);
}

bool DefectParam::LoadFromXml(const QDomElement &element)
{
    QDomElement e;
    if (!FindXmlElement(element, kDefectParam, e)) {
        TQ_LOG << "no tag DefectParam";
        return false;
    }
    ReadXmlInt(e, QStringLiteral("DefectName"), DefectName);
    ReadXmlInt(e, QStringLiteral("DefectProperty"), DefectProperty);
    ReadXmlInt(e, QStringLiteral("DefectLevel"), DefectLevel);
    ReadXmlFloat(e, QStringLiteral("fDistance"), fDistance);
    ReadXmlFloat(e, QStringLiteral("fLength"), fLength);
    ReadXmlInt(e, QStringLiteral("nRingStart"), nRingStart);
    ReadXmlInt(e, QStringLiteral("nRingEnd"), nRingEnd);
    ReadXmlText(e, QStringLiteral("strRemark"), strRemark);
    ReadXmlText(e, QStringLiteral("strInterpretDate"), strInterpretDate);
    ReadXmlFloat(e, QStringLiteral("fRadioPixelLengthMM"), fRadioPixelLengthMM);
    return true;
}

QString DefectParam::toXMLString() const
{
    QDomDocument document;
    QDomElement root = CreateXmlStringDocument(document, kDefectParam);
    SaveToXml(document, root);
    return XmlStringOf(document);
}

bool DefectParam::fromXMLString(const QString &text)
{
    Reset();
    QDomDocument document;
    const QDomElement root = ParseXmlString(text, kDefectParam, document);
    return !root.isNull() && LoadFromXml(root);
}
