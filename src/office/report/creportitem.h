#pragma once

#include <QObject>
#include <QString>

#include "core/inspection/cfilertv.h"

// One inspection file of a report: its path and the file read in full, evaluated, with its
// database connection closed again.
class CReportItem : public QObject
{
    Q_OBJECT

public:
    explicit CReportItem(QObject *parent = nullptr);

    // Reads and evaluates the file; false (logged) when it cannot be read.
    bool Init(const QString &rtvPath, const QString &videoPath);

    QString GetPath() const { return m_strPath; }
    CFileRTV &GetFileRTV() { return m_fileRTV; }
    const CFileRTV &GetFileRTV() const { return m_fileRTV; }

    // Counts by defect type 0-15 and grade index 0-3.
    int GetDefectCount(int type, int grade) const;
    int GetTypeTotal(int type) const;
    // The inspection date text of the file's header.
    QString GetTestDate() const;
    // Evaluated: any entry, also the one of a section inspected without defect.
    bool IsEvaluated() const;
    // Evaluated and the first entry is a real defect, not the "normal" entry of type -1.
    bool HasDefects() const;
    // Start well number, "~", end well number.
    QString SectionName() const;

private:
    QString m_strPath;
    CFileRTV m_fileRTV;
};
