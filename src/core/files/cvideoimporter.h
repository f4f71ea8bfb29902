#pragma once

#include <QCoreApplication>
#include <QString>

#include "core/files/qvedioinfo.h"

class CFileRTV;

// The import of one video into a project, without any widget: the video key and folder,
// the copy of the video, its RTV file (copied from beside the video, converted from the
// video description file, or created empty), and the defects stored in the project
// database. The video page's worker and the command-line tool both call it.
class CVideoImporter
{
    Q_DECLARE_TR_FUNCTIONS(CVideoImporter)

public:
    enum RtvSource { RtvNone, RtvCopied, RtvConverted, RtvEmpty };

    struct Result
    {
        bool ok = false;
        RtvSource source = RtvNone;
        int defects = 0;
        QString error; // why the video was not imported
        QString note;  // what went wrong on the way without costing the video
        QVedioInfo info;
    };

    // Imports one video; target is the inspection file object that reads the RTV file
    // and holds its contents afterwards.
    static Result ImportOne(const QString &sourcePath, const QString &projectKey, CFileRTV &target,
                            bool storeDefects);
    // "copied", "converted", "empty" (or empty text).
    static QString SourceName(RtvSource source);

private:
    static RtvSource PrepareRtvFile(const QString &sourcePath, const QString &rtvPath,
                                    CFileRTV &target, QString &note);
    static QVedioInfo MakeVideoInfo(const CFileRTV &file, const QString &videoKey,
                                    const QString &projectKey, const QString &videoPath,
                                    const QString &recordDate);
};
