#pragma once

#include <QDomDocument>
#include <QDomElement>

// The switches of the data export, kept in the application settings file under
// "DataExportParam", one "true"/"false" element per switch, in this order.
struct DataExportParam
{
    bool bProReport = true;
    bool bInterpretation = true;
    bool bSection = false;
    bool bVideo = true;
    bool bImage = true;
    bool bSegmentImage = false;
    bool bHasPro = true;
    bool bHasRoad = true;
    bool bHasPipeType = true;
    bool bHasPipeNum = true;
    bool bHasDate = false;

    // Appends the "DataExportParam" element with all switches.
    void SaveToXml(QDomDocument &document, QDomElement &parent) const;
    // Reads the switches found below the element; missing or empty ones stay unchanged.
    void LoadFromXml(const QDomElement &element);

    bool operator==(const DataExportParam &other) const;
    bool operator!=(const DataExportParam &other) const { return !(*this == other); }
};
