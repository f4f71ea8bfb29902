#pragma once

#include <QCoreApplication>
#include <QString>

#include "core/files/qvedioinfo.h"

class CFileRTV;

// The import of one video into a project, without any widget: the video key and folder,
// the copy of the video, its RTV file (copied from beside the video, converted from the
// video description file, or created empty), and its defects and row stored in the
// project database. The video page's worker and the command-line tool both call it, inside
// a CImportSession.
//
// The folder is new (never one that exists) and the row comes last, in one transaction
// with the defects: a video that fails at any step leaves no row and no folder, and one
// cut off by a kill leaves a folder without a row, which the next session removes.
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
        // Why the RTV file is not the one beside the video (converted or empty), and what
        // else went wrong without costing the video; empty for a plain copy.
        QString note;
        QVedioInfo info;
    };

    // Imports one video; target is the inspection file object that reads the RTV file
    // and holds its contents afterwards. storeDefects false stores the row only.
    static Result ImportOne(const QString &sourcePath, const QString &projectKey, CFileRTV &target,
                            bool storeDefects);
    // "copied", "converted", "empty" (or empty text).
    static QString SourceName(RtvSource source);

private:
    // RtvNone, with result.error set, when no RTV file could be written.
    static RtvSource PrepareRtvFile(const QString &sourcePath, const QString &rtvPath,
                                    CFileRTV &target, Result &result);
    static QVedioInfo MakeVideoInfo(const CFileRTV &file, const QString &videoKey,
                                    const QString &projectKey, const QString &videoPath,
                                    const QString &recordDate);
};
