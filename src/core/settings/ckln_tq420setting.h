#pragma once

#include <array>

#include <QCoreApplication>
#include <QString>

#include "core/inspection/cfilertv.h"
#include "core/settings/dataexportparam.h"

// The user's working state across runs and while the program runs: the selected project,
// the last import and export folders, the data-export switches, the sort mode of each
// table page, the page shown and the flag that blocks navigation while a project is added.
// The stored part lives in the application settings file of the data folder, whose name is
// fixed by the language when the object is created.
// One per process; used by the GUI thread and by a worker while the wait view blocks it.
class CKLN_TQ420Setting
{
    Q_DECLARE_TR_FUNCTIONS(CKLN_TQ420Setting)

public:
    static constexpr int kSortModeCount = 4; // page types 0-2 and the defect scatter entry

    static CKLN_TQ420Setting *GetInstance();
    // Destroys the object; the next GetInstance() creates a fresh one with initial values.
    static void ReleaseInstance();

    // False (values unchanged) for a missing, malformed or foreign file.
    bool loadXml();
    // Writes every stored element through a temporary file; false when it cannot be written.
    bool saveXml();

    QString GetFilePath() const { return m_strFilePath; }

    int GetCurrentPage() const { return m_nCurrentPage; }
    void SetCurrentPage(int page) { m_nCurrentPage = page; }

    // The selected project, set as a whole by the project page; an empty hash code means none.
    void SetCurrentProject(const QString &num, const QString &hashCode, const QString &name,
                           const QString &site);
    QString GetCurrentProNum() const { return m_strCurrentProNum; }
    QString GetCurrentProHashCode() const { return m_strCurrentProHashCode; }
    QString GetCurrentProName() const { return m_strCurrentProName; }
    QString GetCurrentProSite() const { return m_strCurrentProSite; }

    // The one current RTV file of the application, owned here; only its project header is
    // stored (in full form).
    CFileRTV *GetCurrentFileRTV() { return &m_fileRTV; }
    const CFileRTV *GetCurrentFileRTV() const { return &m_fileRTV; }

    DataExportParam &GetDataExportParam() { return m_dataExportParam; }
    const DataExportParam &GetDataExportParam() const { return m_dataExportParam; }
    void SetDataExportParam(const DataExportParam &param) { m_dataExportParam = param; }

    // By page type 0-3; another index is ignored when setting and reads as 0.
    int GetSortMode(int pageType) const;
    void SetSortMode(int pageType, int mode);

    QString GetMapResourceDir() const { return m_strMapResourceDir; }
    QString GetMapImagesDir() const { return m_strMapImagesDir; }

    // Keeps the folder part of a path, written with backslashes as in the stored file;
    // a path without a separator changes nothing.
    void SetLastExportPath(const QString &path);
    QString GetLastExportPath() const { return m_strLastExportPath; }
    // The last export folder with forward slashes, usable as a path on this platform.
    QString GetLastExportDir() const;

    QString GetLastImportVedioDir() const { return m_strLastImportVedioDir; }
    void SetLastImportVedioDir(const QString &dir) { m_strLastImportVedioDir = dir; }

    bool GetAddingProject() const { return m_bAddingProject; }
    void SetAddingProject(bool adding) { m_bAddingProject = adding; }
    // Whether the pending project is an existing one being edited (for the message).
    void SetEditingProject(bool editing) { m_bEditingProject = editing; }

    // True while a project is being added or edited, after telling the user so.
    bool IsAddingProject() const;
    // True when a project is selected; otherwise tells the user to select one first.
    bool HasCurrentProject() const;

private:
    CKLN_TQ420Setting();
    ~CKLN_TQ420Setting() = default;
    CKLN_TQ420Setting(const CKLN_TQ420Setting &) = delete;
    CKLN_TQ420Setting &operator=(const CKLN_TQ420Setting &) = delete;

    int m_nCurrentPage = 0;
    QString m_strCurrentProNum;
    QString m_strCurrentProHashCode;
    QString m_strCurrentProName;
    QString m_strCurrentProSite;
    QString m_strFilePath;
    CFileRTV m_fileRTV;
    DataExportParam m_dataExportParam;
    std::array<int, kSortModeCount> m_nSortMode = {{5, 0, 0, 0}};
    QString m_strMapResourceDir;
    QString m_strLastExportPath;
    QString m_strLastImportVedioDir;
    QString m_strMapImagesDir;
    bool m_bAddingProject = false;
    bool m_bEditingProject = false;
};
