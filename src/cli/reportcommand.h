#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

struct ReportInputs;

// "report": the inspection report of RTV files (the report mode's work without its dialog)
// or of a project's videos (the defect page's report), saved as a new document.
class ReportCommand
{
    Q_DECLARE_TR_FUNCTIONS(ReportCommand)

public:
    static int FromFiles(const QStringList &rtvFiles, const QString &outPath);
    static int FromProject(const QString &projectNumber, const QString &outPath);

private:
    // Entries of RTV file and video; the RTV files are read on copies, never changed. The
    // header of the first copy stands for the project's in the inputs.
    static int Generate(const QList<QPair<QString, QString>> &entries, ReportInputs inputs,
                        const QString &outPath);
};
