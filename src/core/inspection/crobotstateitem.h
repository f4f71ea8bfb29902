#pragma once

#include <QDomElement>
#include <QObject>
#include <QString>
#include <QTime>

// One telemetry sample of the robot. Read only: the system never writes telemetry.
class CRobotStateItem : public QObject
{
    Q_OBJECT

public:
    CRobotStateItem();
    CRobotStateItem(const CRobotStateItem &other);
    CRobotStateItem &operator=(const CRobotStateItem &other);

    QString TimeText() const;
    void SetTimeText(const QString &text);

    // Reads the first "ControlParam" element below the given one.
    bool LoadFromXml(const QDomElement &element);
    // Root "VectorGrapth" with a "ControlParam" element anywhere below.
    bool fromXMLString(const QString &text);

    qint64 nTimeIndex = -1; // -1: no sample
    QTime curTime;
    int nRunningState = 0;
    float fRunningSpeed = 0;
    float fGrade = 0;
    float fDistance = 0;
    int nPanHeight = 0;
    float fTiltF2B = 0;
    float fTiltL2R = 0;
    float fCameraVTilt = 0;
    float fCameraHTilt = 0;
    float fQiYa1 = 0;
    float fQiYa2 = 0;
    int nTLYyaw = 0;
    int nLPhead = 0;
};
