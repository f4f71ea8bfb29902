#pragma once

#include <QCoreApplication>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include "core/settings/dataexportparam.h"
#include "office/report/systemvalues.h"

// The data export of one project: the project information sheet, the detected-and-evaluated
// and interpretation sheets, the videos and the defect images, copied out of the file cache
// into a directory tree below an export root that the switches of DataExportParam shape.
//
// Every name taken from the data (project, road, pipe type, pipeline number, date) becomes
// one plain file or folder name (SafeFileName); a name that cannot be one marks its
// directory illegal: the files below it are skipped and the step ends with one warning.
//
// Headless: the project page runs the steps on a worker thread behind its wait view, the
// command-line tool in its main thread. Create, run and destroy the object on one thread
// (the sheet steps drive the spreadsheet engine there); progress leaves by signals. The
// switches and the system settings' values come in as copies made where the settings live.
class CDataExporter : public QObject
{
    Q_OBJECT

public:
    enum Step {
        ProjectInformation,
        DetectedAndEvaluatedSheet,
        InterpretationSheet,
        VideoCopy,
        ImageCopy
    };

    struct Result
    {
        int sheets = 0;       // sheet files written
        int videos = 0;       // videos copied
        int images = 0;       // images copied
        int skipped = 0;      // files below an illegal directory or missing from the cache
        int failedSheets = 0; // sheets not written
        int failedCopies = 0; // files there that could not be copied
        int failedSteps = 0;  // steps with a failure or an illegal directory
        QStringList illegalDirectories;
        QStringList failures; // one line for each file not written, with the reason

        int Written() const { return sheets + videos + images; }
        bool Failed() const { return failedSteps > 0; }
    };

    CDataExporter(const DataExportParam &param, const SystemValues &system,
                  const QString &exportRoot, QObject *parent = nullptr);

    // Reads the project row and its videos and defects; false when there is no such project.
    bool SetProject(const QString &projectKey);

    // The steps the switches ask for, in their order; the two sheets only for a project with
    // at least one video.
    QList<Step> Steps() const;
    static QString WaitText(Step step);
    // Runs one step, or all of Steps() one after another. False when a sheet or a copy
    // could not be written or a folder was illegal; a file gone from the cache is only
    // counted as skipped.
    bool RunStep(Step step);
    bool RunAll();
    const Result &GetResult() const { return m_result; }

    // A name as one file or folder name: characters that file systems refuse (\ / : * ? " < >
    // | and control characters) become "_", trailing dots and spaces go, a reserved device
    // name ("con", "nul", "com1"...) gets a "_" in front. Empty for a name that still
    // cannot be one ("", ".", "..").
    static QString SafeFileName(const QString &name);

    // The preview texts of the export dialog for the switches.
    static QString VideoPreviewText(const DataExportParam &param);
    static QString ImagePreviewText(const DataExportParam &param);
    // With the pipeline number off the date switch has no effect (the dialog disables it).
    static QString PreviewFileName(const DataExportParam &param);

signals:
    // A step begins, with its wait text.
    void signal_stepStarted(const QString &waitText);
    // done of total files of the current copy step (or 0 of 1, 1 of 1 for a sheet).
    void signal_progress(int done, int total);

private:
    Q_DISABLE_COPY(CDataExporter)

    bool WriteSheet(int kind, const QString &title);
    bool CopyFiles(bool videos);
    // root/[project]/[road]/[pipe type]/kind, created when missing; empty when a level is
    // not a valid name or cannot be created (then remembered as illegal).
    QString TargetDir(const QString &road, const QString &pipeType, const QString &kindDir);
    // Pipeline number [+ "_" + date] as a safe name, or a random key no file of dir uses,
    // followed by suffix; empty when illegal or no free random name was found.
    QString FileName(const QString &pipeNumber, const QString &date, const QString &dir,
                     const QString &suffix) const;

    DataExportParam m_param;
    SystemValues m_system;
    QString m_strRoot;
    QString m_strProjectKey;
    QVariantMap m_project;
    QList<QVariantMap> m_videos;
    QList<QVariantMap> m_defects;
    Result m_result;
};
