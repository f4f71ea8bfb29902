#pragma once

#include <QMetaType>
#include <QString>

// One imported video, handed from the import worker to the video page; its fields fill a
// VedioCount row.
struct QVedioInfo
{
    QString strRoadName;      // RoadName: strTestSite of the RTV header
    QString strPipeNum;       // PipeNum: start well ID "~" end well ID
    QString strPipeType;      // PipeType: text of the pipe type option
    QString strPipeMeterial;  // PipeMeterial: text of the pipe material option
    QString strVedioFileName; // VedioFileName: full path of the copied video
    QString strRecordDate;    // RecordDate: the source video's last change, "yyyy-MM-dd"
    QString strImportDate;    // ImportDate: "yyyy-MM-dd hh:mm:ss"
    int iDefectNums = 0;
    double fLongitude = 0;
    double fLatitude = 0;
    QString strHashCode;    // the video key
    QString strProHashCode; // the project key
    float fPipeSectionLen = 0;
    float fPipeBranchDepth = 0;
    int nPipeSectionDiameter = 0;
};
Q_DECLARE_METATYPE(QVedioInfo)
