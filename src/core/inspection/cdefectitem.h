#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QTime>

#include "core/inspection/cvectorgraphitem.h"
#include "core/inspection/defectparam.h"

// One defect found in a run. A value: copies copy every field; created without a parent.
class CDefectItem : public QObject
{
    Q_OBJECT

public:
    CDefectItem() = default;
    CDefectItem(const CDefectItem &other);
    CDefectItem &operator=(const CDefectItem &other);

    // "hh:mm:ss" form of curTime.
    QString TimeText() const;
    void SetTimeText(const QString &text);

    // The vector graphics only (root "VectorGrapth"); the other fields have RTV columns.
    QString toXMLString() const;
    bool fromXMLString(const QString &text);

    qint64 nTimeIndex = 0; // the 64-bit key of the file
    QTime curTime;
    QString strOrgImgPath;
    QString strDefectImgPath;
    DefectParam defectParam;
    QList<CVectorGraphItem> listVectorGraph;
};
