#include "core/inspection/crobotstateitem.h"

#include <QDomDocument>

#include "core/common/debuglog.h"
#include "core/common/xmlfile.h"

namespace {
const QString kTimeFormat = QStringLiteral("hh:mm:ss");
}

CRobotStateItem::CRobotStateItem()
    : curTime(QTime::currentTime())
{
}

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
    if (!FindXmlElement(element, QStringLiteral("ControlParam"), e)) {
        TQ_LOG << "no tag ControlParam";
        return false;
    }
    ReadXmlInt(e, QStringLiteral("nRunningState"), nRunningState);
    ReadXmlFloat(e, QStringLiteral("fRunningSpeed"), fRunningSpeed);
    ReadXmlFloat(e, QStringLiteral("fGrade"), fGrade);
    ReadXmlFloat(e, QStringLiteral("fDistance"), fDistance);
    ReadXmlInt(e, QStringLiteral("nPanHeight"), nPanHeight);
    ReadXmlFloat(e, QStringLiteral("fTiltF2B"), fTiltF2B);
    ReadXmlFloat(e, QStringLiteral("fTiltL2R"), fTiltL2R);
    ReadXmlFloat(e, QStringLiteral("fCameraVTilt"), fCameraVTilt);
    ReadXmlFloat(e, QStringLiteral("fCameraHTilt"), fCameraHTilt);
    ReadXmlFloat(e, QStringLiteral("fQiYa1"), fQiYa1);
    ReadXmlFloat(e, QStringLiteral("fQiYa2"), fQiYa2);
    ReadXmlInt(e, QStringLiteral("nTLYyaw"), nTLYyaw);
    ReadXmlInt(e, QStringLiteral("nLPhead"), nLPhead);
    return true;
}

bool CRobotStateItem::fromXMLString(const QString &text)
{
    QDomDocument document;
    const QDomElement root = ParseXmlString(text, QStringLiteral("VectorGrapth"), document);
    return !root.isNull() && LoadFromXml(root);
}
