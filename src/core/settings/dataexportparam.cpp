#include "core/settings/dataexportparam.h"

#include <array>

#include "core/common/xmlfile.h"

namespace {
struct Flag
{
    const char *tag;
    bool DataExportParam::*member;
};

// File order of the switches.
const std::array<Flag, 11> kFlags = {{
    {"bProReport", &DataExportParam::bProReport},
    {"bInterpretation", &DataExportParam::bInterpretation},
    {"bSection", &DataExportParam::bSection},
    {"bVideo", &DataExportParam::bVideo},
    {"bImage", &DataExportParam::bImage},
    {"bSegmentImage", &DataExportParam::bSegmentImage},
    {"bHasPro", &DataExportParam::bHasPro},
    {"bHasRoad", &DataExportParam::bHasRoad},
    {"bHasPipeType", &DataExportParam::bHasPipeType},
    {"bHasPipeNum", &DataExportParam::bHasPipeNum},
    {"bHasDate", &DataExportParam::bHasDate},
}};
} // namespace

void DataExportParam::SaveToXml(QDomDocument &document, QDomElement &parent) const
{
    QDomElement element = document.createElement(QStringLiteral("DataExportParam"));
    parent.appendChild(element);
    for (const Flag &flag : kFlags)
        XmlFile::AppendXmlBool(document, element, QString::fromLatin1(flag.tag),
                               this->*flag.member);
}

void DataExportParam::LoadFromXml(const QDomElement &element)
{
    for (const Flag &flag : kFlags)
        XmlFile::ReadXmlBool(element, QString::fromLatin1(flag.tag), this->*flag.member);
}

bool DataExportParam::operator==(const DataExportParam &other) const
{
    for (const Flag &flag : kFlags) {
        if (this->*flag.member != other.*flag.member)
            return false;
    }
    return true;
}
