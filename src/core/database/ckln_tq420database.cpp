// The project database object: the file, its schema and triggers, the indexes, the column
// migration of older files and the bulk repair of the defects' pipe columns.
#include "core/database/ckln_tq420database.h"

#include <QFileInfo>
#include <QMutex>
#include <QSqlError>
#include <QSqlQuery>

#include "core/common/appdatadir.h"
#include "core/common/clanguagesettings.h"
#include "core/common/debuglog.h"

namespace {
CKLN_TQ420DataBase *g_instance = nullptr; // guarded by g_instanceMutex
QMutex g_instanceMutex;

const QString kProjectDetailStatement = QStringLiteral(
    "create table if not exists ProjectDetail(ProjectNumber TEXT NOT NULL,ProjectName TEXT NOT "
    "NULL,ProjectSite TEXT NOT NULL,Principal TEXT,CommencementDate TEXT,ReportNum "
    "TEXT,ClientUnits TEXT,ConstructionUnits TEXT,DesignUnits TEXT,BuildUnits "
    "TEXT,SuperviseUnits TEXT,MeasureType TEXT,MoveMethod TEXT,SealMethod TEXT,DrainageMethod "
    "TEXT,DesiltMethod TEXT,VedioNums INT DEFAULT 0,PipeNums INT DEFAULT 0,Mileages REAL DEFAULT "
    "0,StandardInterpretationNums INT DEFAULT 0,iInterpretationNums INT DEFAULT 0,HashCode TEXT "
    "PRIMARY KEY );");

const QString kVedioCountStatement = QStringLiteral(
    "create table if not exists VedioCount(RoadName TEXT NOT NULL,PipeNum TEXT,PipeType "
    "TEXT,PipeMeterial TEXT,VedioFileName TEXT,RecordDate TEXT,ImportDate TEXT,iDefectNums "
    "INT,Longitude REAL,Latitude REAL,HashCode TEXT PRIMARY KEY ,ProHashCode TEXT NOT "
    "NULL,PipeSectionLen REAL DEFAULT 0,PipeBranchDepth REAL DEFAULT 0,PipeSectionDiameter INT "
    "DEFAULT 0,CONSTRAINT ProHashCode FOREIGN KEY(ProHashCode) REFERENCES "
    "ProjectDetail(HashCode) on delete cascade on update cascade);");

const QString kDefectInfoStatement = QStringLiteral(
    "create table if not exists DefectInfo(RoadName TEXT NOT NULL,PipeNum TEXT NOT "
    "NULL,PipeType TEXT,PipeMeterial TEXT,PipeDiameter INT,DefectName TEXT,DefectLevel "
    "TEXT,DefectType TEXT,DefectPosion TEXT,TestDate TEXT,InterpretaionDate TEXT,HashCode TEXT "
    "PRIMARY KEY ,VedioHashCode TEXT NOT NULL,Remark TEXT,ImagePath TEXT,ProHashCode TEXT NOT "
    "NULL,TimeIndex INT DEFAULT 0,DefectLength REAL DEFAULT 0,CONSTRAINT PipeHashCode FOREIGN "
    "KEY(VedioHashCode) REFERENCES VedioCount(HashCode) on delete cascade on update cascade);");

const QString kProDeleteTrigger = QStringLiteral(
    "CREATE TRIGGER [pro_delete] BEFORE DELETE ON [ProjectDetail] FOR EACH ROW BEGIN Delete From "
    "VedioCount Where ProHashCode=old.HashCode; END");
const QString kVedioDeleteTrigger = QStringLiteral(
    "CREATE TRIGGER [vedio_delete] BEFORE DELETE ON [VedioCount] FOR EACH ROW BEGIN Delete From "
    "DefectInfo Where VedioHashCode=old.HashCode; END");

const QString kUpdatePipelineStatement = QStringLiteral(
    "UPDATE DefectInfo SET  RoadName = (SELECT RoadName FROM VedioCount WHERE "
    "VedioCount.HashCode = DefectInfo.VedioHashCode), PipeNum = (SELECT PipeNum FROM VedioCount "
    "WHERE VedioCount.HashCode = DefectInfo.VedioHashCode) ,PipeType = (SELECT PipeType FROM "
    "VedioCount WHERE VedioCount.HashCode = DefectInfo.VedioHashCode) ,PipeMeterial = (SELECT "
    "PipeMeterial FROM VedioCount WHERE VedioCount.HashCode = DefectInfo.VedioHashCode) "
    ",PipeDiameter = (SELECT PipeSectionDiameter FROM VedioCount WHERE VedioCount.HashCode = "
    "DefectInfo.VedioHashCode) ;");

// Foreign keys: the triggers' deletes and every page's project condition. Sort columns
// behind the project key: the page queries are "ProHashCode == key order by C limit"
// and the sheets read a project's defects by TimeIndex. The
// project page filters and compares CommencementDate.
struct IndexSpec
{
    const char *name;
    const char *table;
    const char *columns;
};
const IndexSpec kIndexes[] = {
    {"idx_VedioCount_ProHashCode", "VedioCount", "ProHashCode"},
    {"idx_VedioCount_Pro_RecordDate", "VedioCount", "ProHashCode, RecordDate"},
    {"idx_VedioCount_Pro_ImportDate", "VedioCount", "ProHashCode, ImportDate"},
    {"idx_VedioCount_Pro_iDefectNums", "VedioCount", "ProHashCode, iDefectNums"},
    {"idx_DefectInfo_ProHashCode", "DefectInfo", "ProHashCode"},
    {"idx_DefectInfo_VedioHashCode", "DefectInfo", "VedioHashCode"},
    {"idx_DefectInfo_Pro_RoadName", "DefectInfo", "ProHashCode, RoadName"},
    {"idx_DefectInfo_Pro_TestDate", "DefectInfo", "ProHashCode, TestDate"},
    {"idx_DefectInfo_Pro_InterpretaionDate", "DefectInfo", "ProHashCode, InterpretaionDate"},
    {"idx_DefectInfo_Pro_TimeIndex", "DefectInfo", "ProHashCode, TimeIndex"},
    {"idx_ProjectDetail_CommencementDate", "ProjectDetail", "CommencementDate"},
};

// The defect key holds the time index from this position on (video key 15 + "D_").
constexpr int kTimeIndexPosition = 17;
} // namespace

CKLN_TQ420DataBase *CKLN_TQ420DataBase::GetInstance()
{
    QMutexLocker lock(&g_instanceMutex);
    if (g_instance)
        return g_instance;
    auto *instance = new CKLN_TQ420DataBase;
    const QString path = DataBaseFilePath();
    if (QFileInfo::exists(path)) {
        instance->setDatabasePath(path);
        instance->CreateMissingSchema();
        instance->CheckDefectInfo();
        instance->createIndexes();
    } else {
        instance->OpenDatabase(path);
    }
    g_instance = instance;
    return g_instance;
}

void CKLN_TQ420DataBase::ReleaseInstance()
{
    QMutexLocker lock(&g_instanceMutex);
    if (!g_instance)
        return;
    g_instance->closeDatabase();
    delete g_instance;
    g_instance = nullptr;
}

QString CKLN_TQ420DataBase::DataBaseFilePath()
{
    return DataFolder::AppDataDir() + CLanguageSettings::GetInstance()->LanguageFileName(
                                          QStringLiteral("/KLN_TQ420_DataBase.prj"));
}

QString CKLN_TQ420DataBase::ConnectionName() const
{
    return QStringLiteral("DB-TQ420");
}

void CKLN_TQ420DataBase::OpenDatabase(const QString &path)
{
    setDatabasePath(path);
    createProjectDetailTable();
    createVedioCountTable();
    createDefectInfoTable();
    createTrigger();
    createIndexes();
}

void CKLN_TQ420DataBase::createTrigger()
{
    QSqlDatabase db;
    if (!OpenConnection(db, "createTrigger"))
        return;
    for (const QString &statement : {kProDeleteTrigger, kVedioDeleteTrigger}) {
        QSqlQuery query(db);
        if (!query.exec(statement))
            TQ_LOG << "Error:" << query.lastError().text();
    }
}

bool CKLN_TQ420DataBase::createProjectDetailTable()
{
    if (RunStatement(kProjectDetailStatement, "createProjectDetailTable"))
        return true;
    TQ_LOG << "createProjectDetailTable FAILED !!!";
    return false;
}

bool CKLN_TQ420DataBase::createVedioCountTable()
{
    if (RunStatement(kVedioCountStatement, "createVedioCountTable"))
        return true;
    TQ_LOG << "createVedioCountTable FAILED !!!";
    return false;
}

bool CKLN_TQ420DataBase::createDefectInfoTable()
{
    if (RunStatement(kDefectInfoStatement, "createDefectInfoTable"))
        return true;
    TQ_LOG << "createDefectInfoTable FAILED !!!";
    return false;
}

QStringList CKLN_TQ420DataBase::IndexStatements()
{
    QStringList statements;
    for (const IndexSpec &index : kIndexes)
        statements << QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2(%3)")
                          .arg(QLatin1String(index.name), QLatin1String(index.table),
                               QLatin1String(index.columns));
    return statements;
}

bool CKLN_TQ420DataBase::createIndexes()
{
    QSqlDatabase db;
    if (!OpenConnection(db, "createIndexes"))
        return false;
    bool all = true;
    for (const QString &statement : IndexStatements()) {
        QSqlQuery query(db);
        if (!query.exec(statement)) {
            TQ_LOG << statement << "  ERROR:" << query.lastError().text();
            all = false;
        }
    }
    return all;
}

void CKLN_TQ420DataBase::CreateMissingSchema()
{
    QSqlDatabase db;
    if (!OpenConnection(db, "CreateMissingSchema"))
        return;
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT type, name FROM sqlite_master"))) {
        TQ_LOG << "Error:" << query.lastError().text();
        return;
    }
    QStringList present;
    while (query.next())
        present << query.value(0).toString() + QLatin1Char(':') + query.value(1).toString();
    query.finish();
    if (!present.contains(QStringLiteral("table:ProjectDetail"))) {
        TQ_LOG << "ProjectDetail missing, creating it";
        createProjectDetailTable();
    }
    if (!present.contains(QStringLiteral("table:VedioCount"))) {
        TQ_LOG << "VedioCount missing, creating it";
        createVedioCountTable();
    }
    if (!present.contains(QStringLiteral("table:DefectInfo"))) {
        TQ_LOG << "DefectInfo missing, creating it";
        createDefectInfoTable();
    }
    const QList<QPair<QString, QString>> triggers = {
        {QStringLiteral("trigger:pro_delete"), kProDeleteTrigger},
        {QStringLiteral("trigger:vedio_delete"), kVedioDeleteTrigger}};
    for (const auto &trigger : triggers) {
        if (present.contains(trigger.first))
            continue;
        TQ_LOG << trigger.first << "missing, creating it";
        QSqlQuery create(db);
        if (!create.exec(trigger.second))
            TQ_LOG << "Error:" << create.lastError().text();
    }
}

bool CKLN_TQ420DataBase::CheckDefectInfo()
{
    const QStringList names = {QStringLiteral("TimeIndex"), QStringLiteral("DefectLength")};
    const QStringList definitions = {QStringLiteral("TimeIndex INT DEFAULT 0"),
                                     QStringLiteral("DefectLength REAL DEFAULT 0")};
    const QList<bool> exists = IsColumnExist(QStringLiteral("DefectInfo"), names);
    if (!exists.contains(false))
        return true;
    QSqlDatabase db;
    if (!OpenConnection(db, "CheckDefectInfo"))
        return false;
    // The new columns and the time indexes read from the keys in one transaction: a step
    // that fails leaves the file as it was, so the next start runs the whole migration again.
    if (!BeginImmediate(db))
        return false;
    for (int i = 0; i < names.size(); ++i) {
        if (!exists.at(i) && !AddNewColumn(QStringLiteral("DefectInfo"), definitions.at(i))) {
            db.rollback();
            return false;
        }
    }
    if (!exists.at(0) && !FillTimeIndexFromKeys(db)) {
        db.rollback();
        return false;
    }
    return Commit(db);
}

bool CKLN_TQ420DataBase::FillTimeIndexFromKeys(QSqlDatabase &db)
{
    QStringList keys;
    {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        if (!query.exec(QStringLiteral("Select HashCode FROM DefectInfo"))) {
            TQ_LOG << "Error 1:" << query.lastError().text();
            return false;
        }
        while (query.next())
            keys << query.value(0).toString();
    }
    // "UPDATE DefectInfo SET TimeIndex = %1 WHERE HashCode = '%2';", values bound.
    QSqlQuery update(db);
    update.prepare(
        QStringLiteral("UPDATE DefectInfo SET TimeIndex = :TimeIndex WHERE HashCode = :HashCode;"));
    for (const QString &key : qAsConst(keys)) {
        update.bindValue(QStringLiteral(":TimeIndex"), key.mid(kTimeIndexPosition).toLongLong());
        update.bindValue(QStringLiteral(":HashCode"), key);
        if (!update.exec()) {
            TQ_LOG << "UPDATE TimeIndex" << key << "  ERROR:" << update.lastError().text();
            return false;
        }
    }
    return true;
}

bool CKLN_TQ420DataBase::UpdatePipelineInfoInDefectInfo()
{
    QSqlDatabase db;
    if (!OpenConnection(db, "UpdatePipelineInfoInDefectInfo"))
        return false;
    QSqlQuery query(db);
    if (!query.exec(kUpdatePipelineStatement)) {
        TQ_LOG << kUpdatePipelineStatement << "  ERROR:" << query.lastError().text();
        return false;
    }
    return true;
}

bool CKLN_TQ420DataBase::RunStatement(const QString &statement, const char *caller)
{
    QSqlDatabase db;
    if (!OpenConnection(db, caller))
        return false;
    QSqlQuery query(db);
    if (!query.exec(statement)) {
        TQ_LOG << "Error:" << query.lastError().text();
        return false;
    }
    return true;
}
