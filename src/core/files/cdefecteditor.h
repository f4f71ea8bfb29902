#pragma once

#include <QString>

#include "core/inspection/cdefectitem.h"

class CFileRTV;
class CKLN_TQ420DataBase;

// Adds, replaces and deletes the defects of one imported video, keeping its RTV file, its
// defect rows and defect count in the project database, and its frames in "Images" in step.
// Works on the open inspection file of the video and the project database it is given; no
// widget, so a page and a review window share it.
class CDefectEditor
{
public:
    enum class Outcome {
        Written,            // everything written
        NoSuchDefect,       // no defect at that position or time index
        FileNotOpen,        // the inspection file is not open
        ImageNotCopied,     // a frame is missing or could not be copied; nothing written
        FileNotWritten,     // the RTV file refused the change
        DatabaseNotWritten, // the project database refused the change
    };

    struct Result
    {
        Outcome outcome = Outcome::NoSuchDefect;
        bool added = false;    // SaveDefect: a new defect, not a replacement
        int nextPosition = -1; // delete: the position to show next, -1 for none (unchanged
                               // when the database refused)
        bool ok() const { return outcome == Outcome::Written; }
    };

    // videoDir is the video's folder (new frames go to its "Images"); file is the video's
    // RTV file, open, with its contents read.
    CDefectEditor(const QString &videoKey, const QString &videoDir, CFileRTV &file,
                  CKLN_TQ420DataBase &database);

    // Adds the defect, or replaces the one with the same nTimeIndex. Its two frames
    // (strOrgImgPath, strDefectImgPath) are copied to "<nTimeIndex>_org.png" and
    // "<nTimeIndex>_defect.png" in "Images" (a replaced defect keeps its own image files),
    // overwriting; a frame left empty keeps what is there. A new defect takes the time of
    // day of the track sample at its time index. A new defect whose row the database
    // refuses is taken out of the file again and its frames removed; a replacement the
    // file or the database refuses puts back the old defect and frames.
    Result SaveDefect(CDefectItem item);
    // Deletes the defect at that position of the file's list, or with that time index,
    // with its frames and its database row; a refused row delete leaves the file as it is,
    // a refused file delete puts the row back.
    Result DeleteAt(int position);
    Result DeleteTimeIndex(qint64 timeIndex);
    // The position of the defect with that time index in the file's list, -1 for none.
    int PositionOf(qint64 timeIndex) const;

private:
    Result Replace(CDefectItem item, int position);
    Result Add(CDefectItem item);
    bool UpdateDefectCount();

    QString m_videoKey;
    QString m_videoDir;
    CFileRTV &m_file;
    CKLN_TQ420DataBase &m_database;
};
