#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

#include "core/database/cdatabaseoperator.h"

class CDefectItem;
class PipelineParam;
struct QVedioInfo;

// The project database: projects (ProjectDetail), imported videos (VedioCount) and their
// defects (DefectInfo) in one SQLite file of the data folder, one file per interface
// language. One object per process, reached through GetInstance from every thread; each
// thread works on its own connection to the file (CDataBaseOperator), so the pages on the
// GUI thread and the import and export workers share the data, not a connection.
//
// Statements keep the system's shapes; every value is bound or quoted with SqlQuote, so a
// key, road name or search text holding an apostrophe never breaks a statement.
// Operations return bool, or a count that is -1 on failure; failures are logged.
//
// Schema (ckln_tq420database.cpp), operations (ckln_tq420database_operations.cpp), page
// conditions (ckln_tq420database_conditions.cpp), generic rows (ckln_tq420database_rows.cpp).
class CKLN_TQ420DataBase : public CDataBaseOperator
{
    Q_DECLARE_TR_FUNCTIONS(CKLN_TQ420DataBase)

public:
    // Creates, opens and (an existing file) migrates the database on the first call.
    static CKLN_TQ420DataBase *GetInstance();
    // Closes and destroys the instance (report mode); the next GetInstance opens anew.
    static void ReleaseInstance();
    // DataFolder::AppDataDir() + "/KLN_TQ420_DataBase.prj" ("_En" before the extension in English).
    static QString DataBaseFilePath();

    QString ConnectionName() const override; // "DB-TQ420"
    // setDatabasePath, the three tables, the triggers (results ignored), the indexes.
    void OpenDatabase(const QString &path) override;
    void createTrigger() override;

    bool createProjectDetailTable();
    bool createVedioCountTable();
    bool createDefectInfoTable();
    // The indexes on the foreign-key and sort columns (IndexStatements), for new and
    // existing files; never changes a table's columns. False if one could not be made.
    bool createIndexes();
    static QStringList IndexStatements();
    // Adds the DefectInfo columns an older file lacks (TimeIndex, DefectLength) and fills
    // TimeIndex from the keys. False when a step failed (the next start tries again).
    bool CheckDefectInfo();
    // Copies every video's pipe data into its defect rows.
    bool UpdatePipelineInfoInDefectInfo();

    // --- Operations ------------------------------------------------------------------
    // Recounts a project's videos, pipes, mileage and defects and stores them in its row.
    bool UpdateProjectCountInfo(const QString &projectKey, int &videoCount, int &pipeCount,
                                float &mileage, int &standardInterpretationCount,
                                int &interpretationCount);
    bool DeleteDefectItem(const QString &defectKey);
    bool updateVideoInterpretationNum(const QString &videoKey, int defectCount);
    // COUNT(*) of the table under the condition (an SQL fragment built with SqlQuote, see
    // the page conditions below); -1 on failure.
    int GetRecordNums(const QString &table, const QString &condition);
    // Per video: RoadName, PipeNum, PipeType, VedioFileName, HashCode.
    QList<QVariantList> GetVideoKeys(const QString &projectKey);
    // Per defect, by TimeIndex: RoadName, PipeNum, PipeType, ImagePath.
    QList<QVariantList> GetDefectKeys(const QString &projectKey);
    // Per video of the project: key + ";" + video file name.
    QStringList GetVedioHashCodeFromDefectInfo(const QString &projectKey);
    // One defect row with its texts and key (DefectKey).
    bool InsertDefectItem(const QString &roadName, const QString &videoKey, const QString &testDate,
                          const PipelineParam &pipe, const CDefectItem &item);
    // All defects of one video in one transaction (the import worker): the number of rows
    // inserted (a row whose key exists is logged and skipped), -1 when the transaction
    // failed and nothing was stored.
    int InsertDefectItems(const QString &roadName, const QString &videoKey, const QString &testDate,
                          const PipelineParam &pipe, const QList<CDefectItem> &items);
    // An imported video: its defects and its VedioCount row in one transaction, so a row
    // exists only with all its defects. False (nothing stored) when a row or the transaction
    // failed, e.g. a row with that key exists.
    bool InsertImportedVideo(const QVedioInfo &info, const QString &roadName,
                             const QString &testDate, const PipelineParam &pipe,
                             const QList<CDefectItem> &defects);
    // Rewrites the texts, remark, length and interpretation date (now) of a defect.
    bool UpdateDefectItem(const QString &videoKey, const CDefectItem &item);
    // The defect sheet of a project: 16 values per row; columnCount is 11.
    QList<QVariantList> GetDefectContents(const QString &projectKey, int &rowCount,
                                          int &columnCount);

    // --- Rows (ckln_tq420database_rows.cpp) ---------------------------------------------
    // "SELECT * FROM table WHERE condition" (condition built with SqlQuote): each row as
    // column name -> value, NULL read as the empty text. Empty on failure (logged).
    QList<QVariantMap> SelectRows(const QString &table, const QString &condition);
    // One row of the given columns, every value bound. False (logged) on failure.
    bool InsertRow(const QString &table, const QVariantMap &row);
    // The VedioCount row of an imported video, every value bound.
    bool InsertVideoRow(const QVedioInfo &info);
    // Whether no project row, or no video row and no defect row, uses the key: a new key
    // must be free. False also when the database cannot tell.
    bool IsProjectKeyFree(const QString &projectKey);
    bool IsVideoKeyFree(const QString &videoKey);

    // Video key + "D_" + time index; the project key is the first 10 characters of a
    // video key.
    static QString DefectKey(const QString &videoKey, qint64 nTimeIndex);
    static QString ProjectKeyOfVideo(const QString &videoKey);

    // --- Page conditions, every value quoted --------------------------------------------
    // The search part is bracketed, so a search never reaches another project's rows.
    static QString ProjectPageCondition(const QString &searchText, const QString &fromDate,
                                        const QString &toDate);
    static QString VideoPageCondition(const QString &projectKey, const QString &searchText);
    static QString DefectPageCondition(const QString &projectKey, const QString &searchText);
    // " order by C asc|desc  limit L offset O;" appended to a condition.
    static QString PageClause(const QString &orderColumn, bool ascending, int limit, int offset);
    // Defect page: mode 9 TestDate, 10 InterpretaionDate, otherwise RoadName (descending).
    static QString DefectOrderColumn(int sortMode);
    // Video page: mode 5 RecordDate, 6 ImportDate (descending), 7 iDefectNums (ascending:
    // videos without defects first), otherwise ImportDate.
    static QString VideoOrderColumn(int sortMode);

private:
    CKLN_TQ420DataBase() = default;
    ~CKLN_TQ420DataBase() override = default;

    // An existing file: makes the tables and triggers it lacks (a file left empty by an
    // interrupted first start); a complete file runs no CREATE statement.
    void CreateMissingSchema();
    bool FillTimeIndexFromKeys(QSqlDatabase &db);
    static bool BeginImmediate(QSqlDatabase &db);
    // Commits; rolls back (logged) when that fails.
    static bool Commit(QSqlDatabase &db);
    // Inside an open transaction: the number of defect rows inserted (a row whose key
    // exists is logged and skipped), -1 (rolled back) when the statement cannot be prepared.
    int InsertDefectRows(QSqlDatabase &db, const QString &roadName, const QString &videoKey,
                         const QString &testDate, const PipelineParam &pipe,
                         const QList<CDefectItem> &items);
    bool RunStatement(const QString &statement, const char *caller);
};
