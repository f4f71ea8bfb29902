#pragma once

#include <QCoreApplication>
#include <QList>
#include <QSqlDatabase>
#include <QString>

#include "core/inspection/cdefectitem.h"
#include "core/inspection/crobotstateitem.h"
#include "core/inspection/pipelineparam.h"
#include "core/inspection/projectparam.h"

class QThread;

// One open RTV inspection file (an SQLite database) and everything read from it.
// Each instance has its own connection, used only on the thread that opened it.
class CFileRTV
{
    Q_DECLARE_TR_FUNCTIONS(CFileRTV)

public:
    static constexpr int OpenReadOnly = 1; // open(): nothing is written, not even a migration
    static constexpr int OpenCreate = 16;  // open(): delete any file and create the tables
    static constexpr int kDefectCodes = 16;
    static constexpr int kDefectLevels = 4;

    CFileRTV();
    ~CFileRTV();
    CFileRTV(const CFileRTV &) = delete;
    CFileRTV &operator=(const CFileRTV &) = delete;

    // Only the tables of the file are read (views refused); opened for writing, the file
    // loses its triggers first, so no SQL stored in it ever runs.
    bool open(const QString &path, int mode = 0);
    // Opens the file for reading and writing.
    bool setDatabasePath(const QString &path);
    void close();
    bool isOpen() const;
    QString databasePath() const { return m_strDatabasePath; }

    // Reads the whole file: header, pipe section, track, defects (images into "Images").
    bool TraversalFile();
    bool queryProjectParam();
    bool queryPipelineParam();
    bool queryTrackLog();
    bool queryDefectItem();
    // -1 unreadable; otherwise 1 for strProjectName plus 1024 for bIsInterpretation.
    int getFileRTVVersion();
    bool CreateTable();

    bool InsertProjectParam();
    bool UpdateProjectParam();
    bool UpdatePipelineParam();
    void SetIsInterpretation(bool interpreted);
    bool InsertDefectItem(const CDefectItem &item);
    bool UpdateDefectItem(const CDefectItem &item);
    // The index of the item before the deleted one, -1 for none; the index itself when the
    // delete failed; -1 for an index outside the list.
    int DeleteDefectItem(int index);

    // The track sample with that key, or an empty one whose nTimeIndex is -1.
    CRobotStateItem GetRobotState(qint64 nTimeIndex) const;
    void setAVIParam(const QString &aviPath, const QString &recordDate);
    QString GetAVIPath() const { return m_strAVIPath; }
    QString GetRecordDate() const { return m_strRecordDate; }
    void SetUseTrackDistance(bool use) { m_bUseTrackDistance = use; }
    bool UseTrackDistance() const { return m_bUseTrackDistance; }

    ProjectParam &GetProjectParam() { return m_projectParam; }
    const ProjectParam &GetProjectParam() const { return m_projectParam; }
    PipelineParam &GetPipelineParam() { return m_pipelineParam; }
    const PipelineParam &GetPipelineParam() const { return m_pipelineParam; }
    QList<CDefectItem> &GetDefectList() { return m_listDefect; }
    const QList<CDefectItem> &GetDefectList() const { return m_listDefect; }
    const QList<CRobotStateItem> &GetTrackList() const { return m_listTrack; }

    // Resets the pipe section, the header (not full), both lists, statistics and results.
    void ResetContents();

    // Condition evaluation of the pipe section (defined in cfilertvevaluation.cpp).
    void Evaluate();
    void GetEvaluationValue(const QList<int> &indices, float &max, float &average,
                            float &density) const;
    int GetStructuralGrade(QString *text = nullptr) const;  // from F
    int GetRepairGrade(QString *text = nullptr) const;      // from RI
    int GetFunctionalGrade(QString *text = nullptr) const;  // from G
    int GetMaintenanceGrade(QString *text = nullptr) const; // from MI
    QString GetStructuralDensityText() const;
    QString GetFunctionalDensityText() const;
    float GetS() const { return m_fS; }
    float GetSmax() const { return m_fSmax; }
    float GetF() const { return m_fF; }
    float GetStructuralDensity() const { return m_fStructuralDensity; }
    float GetRI() const { return m_fRI; }
    float GetY() const { return m_fY; }
    float GetYmax() const { return m_fYmax; }
    float GetG() const { return m_fG; }
    float GetFunctionalDensity() const { return m_fFunctionalDensity; }
    float GetMI() const { return m_fMI; }
    int GetDefectCount(int code, int level) const;
    int GetStructuralCount() const { return m_nStructuralCount; }
    int GetFunctionalCount() const { return m_nFunctionalCount; }

private:
    void ResetEvaluation();
    bool insertNewsToProjectParam();
    bool readHeaderRow();
    bool connectTo(const QString &path, bool readOnly);
    QSqlDatabase database();

    PipelineParam m_pipelineParam;
    ProjectParam m_projectParam;
    QList<CRobotStateItem> m_listTrack;
    QList<CDefectItem> m_listDefect;

    float m_fS = 0, m_fSmax = 0, m_fF = 0, m_fStructuralDensity = 0, m_fRI = 0;
    float m_fY = 0, m_fYmax = 0, m_fG = 0, m_fFunctionalDensity = 0, m_fMI = 0;
    int m_nDefectCount[kDefectCodes][kDefectLevels] = {};
    int m_nStructuralCount = 0;
    int m_nFunctionalCount = 0;

    QString m_connectionName;
    QThread *m_openThread = nullptr;
    QString m_strDatabasePath;
    bool m_bReadOnly = false;
    QString m_strAVIPath;
    QString m_strRecordDate = QStringLiteral("2018-08-15");
    bool m_bUseTrackDistance = true;
};
