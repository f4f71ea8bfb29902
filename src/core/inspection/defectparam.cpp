#include "core/inspection/defectparam.h"

#include <iterator>

#include "core/common/debuglog.h"
#include "core/common/xmlfields.h"
#include "core/common/xmlfile.h"

namespace {
const QString kDefectParam = QStringLiteral("DefectParam");

const XmlFields::Field<DefectParam> kFields[] = {
    {"DefectName", &DefectParam::DefectName},
    {"DefectProperty", &DefectParam::DefectProperty},
    {"DefectLevel", &DefectParam::DefectLevel},
    {"fDistance", &DefectParam::fDistance},
    {"fLength", &DefectParam::fLength},
    {"nRingStart", &DefectParam::nRingStart},
    {"nRingEnd", &DefectParam::nRingEnd},
    {"strRemark", &DefectParam::strRemark},
    {"strInterpretDate", &DefectParam::strInterpretDate},
    {"fRadioPixelLengthMM", &DefectParam::fRadioPixelLengthMM},
};
} // namespace

void DefectParam::SaveToXml(QDomDocument &document, QDomElement &parent) const
{
    QDomElement e = document.createElement(kDefectParam);
    parent.appendChild(e);
    XmlFields::Append(document, e, *this, kFields, std::size(kFields));
}

bool DefectParam::LoadFromXml(const QDomElement &element)
{
    QDomElement e;
    if (!XmlFile::FindXmlElement(element, kDefectParam, e)) {
        TQ_LOG << "no tag DefectParam";
        return false;
    }
    XmlFields::Read(e, *this, kFields, std::size(kFields));
    return true;
}

QString DefectParam::toXMLString() const
{
    QDomDocument document;
    QDomElement root = XmlFile::CreateXmlStringDocument(document, kDefectParam);
    SaveToXml(document, root);
    return XmlFile::XmlStringOf(document);
}

bool DefectParam::fromXMLString(const QString &text)
{
    Reset();
    QDomDocument document;
    const QDomElement root = XmlFile::ParseXmlString(text, kDefectParam, document);
    return !root.isNull() && LoadFromXml(root);
}
