#pragma once

#include <QCoreApplication>
#include <QString>

class CFileRTV;

// A video description file (".xml" beside a video): where, when and what was inspected.
class CFileBMW
{
    Q_DECLARE_TR_FUNCTIONS(CFileBMW)

public:
    enum ConvertResult { ConvertUnreadable = -1, ConvertFailed = 0, Converted = 1 };

    // Reads the description into the header and pipe section of the target, which the
    // caller has reset.
    static bool ReadFile(const QString &path, CFileRTV *target);
    // Makes a new RTV file at rtvPath from the description: -1 when the description is
    // missing or unreadable, 0 when the RTV file cannot be made, 1 on success.
    static int ConvertToRTV(const QString &xmlPath, const QString &rtvPath, CFileRTV *target);
};
