#include "core/inspection/crobotstateitem.h"

#include <iterator>

#include <QDomDocument>

#include "core/common/debuglog.h"
#include "core/common/xmlfields.h"
#include "core/common/xmlfile.h"

namespace {
const QString kTimeFormat = QStringLiteral("hh:mm:ss");

// The telemetry below "ControlParam"; key and time have their own RTV columns.
const XmlFields::Field<CRobotStateItem> kFields[] = {
    {"nRunningState", &CRobotStateItem::nRunningState},
    {"fRunningSpeed", &CRobotStateItem::fRunningSpeed},
    {"fGrade", &CRobotStateItem::fGrade},
    {"fDistance", &CRobotStateItem::fDistance},
    {"nPanHeight", &CRobotStateItem::nPanHeight},
    {"fTiltF2B", &CRobotStateItem::fTiltF2B},
    {"fTiltL2R", &CRobotStateItem::fTiltL2R},
    {"fCameraVTilt", &CRobotStateItem::fCameraVTilt},
    {"fCameraHTilt", &CRobotStateItem::fCameraHTilt},
    {"fQiYa1", &CRobotStateItem::fQiYa1},
    {"fQiYa2", &CRobotStateItem::fQiYa2},
    {"nTLYyaw", &CRobotStateItem::nTLYyaw},
    {"nLPhead", &CRobotStateItem::nLPhead},
};
} // namespace

CRobotStateItem::CRobotStateItem()
    : curTime(QTime::currentTime())
{}

CRobotStateItem::CRobotStateItem(const CRobotStateItem &other)
    : QObject()
{
    *this = other;
}

CRobotStateItem &CRobotStateItem::operator=(const CRobotStateItem &other)
{
    nTimeIndex = other.nTimeIndex;
    curTime = other.curTime;
    nRunningState = other.nRunningState;
    fRunningSpeed = other.fRunningSpeed;
    fGrade = other.fGrade;
    fDistance = other.fDistance;
    nPanHeight = other.nPanHeight;
    fTiltF2B = other.fTiltF2B;
    fTiltL2R = other.fTiltL2R;
    fCameraVTilt = other.fCameraVTilt;
    fCameraHTilt = other.fCameraHTilt;
    fQiYa1 = other.fQiYa1;
    fQiYa2 = other.fQiYa2;
    nTLYyaw = other.nTLYyaw;
    nLPhead = other.nLPhead;
    return *this;
}

QString CRobotStateItem::TimeText() const
{
    return curTime.toString(kTimeFormat);
}

void CRobotStateItem::SetTimeText(const QString &text)
{
    curTime = QTime::fromString(text, kTimeFormat);
}

bool CRobotStateItem::LoadFromXml(const QDomElement &element)
{
    QDomElement e;
    if (!XmlFile::FindXmlElement(element, QStringLiteral("ControlParam"), e)) {
        TQ_LOG << "no tag ControlParam";
        return false;
    }
    XmlFields::Read(e, *this, kFields, std::size(kFields));
    return true;
}

bool CRobotStateItem::fromXMLString(const QString &text)
{
    QDomDocument document;
    const QDomElement root =
        XmlFile::ParseXmlString(text, QStringLiteral("VectorGrapth"), document);
    return !root.isNull() && LoadFromXml(root);
}
