#include "core/inspection/cdefectitem.h"

#include "core/common/xmlfile.h"

namespace {
const QString kVectorRoot = QStringLiteral("VectorGrapth");
const QString kTimeFormat = QStringLiteral("hh:mm:ss");
} // namespace

CDefectItem::CDefectItem(const CDefectItem &other)
    : QObject()
{
    *this = other;
}

CDefectItem &CDefectItem::operator=(const CDefectItem &other)
{
    nTimeIndex = other.nTimeIndex;
    curTime = other.curTime;
    strOrgImgPath = other.strOrgImgPath;
    strDefectImgPath = other.strDefectImgPath;
    defectParam = other.defectParam;
    listVectorGraph = other.listVectorGraph;
    return *this;
}

QString CDefectItem::TimeText() const
{
    return curTime.toString(kTimeFormat);
}

void CDefectItem::SetTimeText(const QString &text)
{
    curTime = QTime::fromString(text, kTimeFormat);
}

QString CDefectItem::toXMLString() const
{
    QDomDocument document;
    QDomElement root = XmlFile::CreateXmlStringDocument(document, kVectorRoot);
    for (const CVectorGraphItem &shape : listVectorGraph)
        shape.SaveToXml(document, root);
    return XmlFile::XmlStringOf(document);
}

bool CDefectItem::fromXMLString(const QString &text)
{
    listVectorGraph.clear();
    QDomDocument document;
    const QDomElement root = XmlFile::ParseXmlString(text, kVectorRoot, document);
    if (root.isNull())
        return false;
    for (QDomElement child = root.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        CVectorGraphItem shape;
        if (shape.LoadFromXml(child))
            listVectorGraph.append(shape);
    }
    return true;
}
