// The project database file: creation, schema, indexes, migration of older files, trigger
// cascades, project totals, closed and unopenable files.
#include <QtTest>

#include <QSqlDatabase>
#include <QSqlQuery>

#include "core/common/appdatadir.h"
#include "core/common/clanguagesettings.h"
#include "core/database/ckln_tq420database.h"
#include "core/inspection/pipelineparam.h"
#include "core/settings/qsysteminfo.h"
#include "support/dbtestsupport.h"
#include "support/testsupport.h"

namespace {
// The system's statements, as the system writes them.
const char *const kProjectDetail =
    "create table if not exists ProjectDetail(ProjectNumber TEXT NOT NULL,ProjectName TEXT NOT "
    "NULL,ProjectSite TEXT NOT NULL,Principal TEXT,CommencementDate TEXT,ReportNum "
    "TEXT,ClientUnits TEXT,ConstructionUnits TEXT,DesignUnits TEXT,BuildUnits TEXT,SuperviseUnits "
    "TEXT,MeasureType TEXT,MoveMethod TEXT,SealMethod TEXT,DrainageMethod TEXT,DesiltMethod "
    "TEXT,VedioNums INT DEFAULT 0,PipeNums INT DEFAULT 0,Mileages REAL DEFAULT "
    "0,StandardInterpretationNums INT DEFAULT 0,iInterpretationNums INT DEFAULT 0,HashCode TEXT "
    "PRIMARY KEY );";
const char *const kVedioCount =
    "create table if not exists VedioCount(RoadName TEXT NOT NULL,PipeNum TEXT,PipeType "
    "TEXT,PipeMeterial TEXT,VedioFileName TEXT,RecordDate TEXT,ImportDate TEXT,iDefectNums "
    "INT,Longitude REAL,Latitude REAL,HashCode TEXT PRIMARY KEY ,ProHashCode TEXT NOT "
    "NULL,PipeSectionLen REAL DEFAULT 0,PipeBranchDepth REAL DEFAULT 0,PipeSectionDiameter INT "
    "DEFAULT 0,CONSTRAINT ProHashCode FOREIGN KEY(ProHashCode) REFERENCES ProjectDetail(HashCode) "
    "on delete cascade on update cascade);";
const char *const kDefectInfo =
    "create table if not exists DefectInfo(RoadName TEXT NOT NULL,PipeNum TEXT NOT NULL,PipeType "
    "TEXT,PipeMeterial TEXT,PipeDiameter INT,DefectName TEXT,DefectLevel TEXT,DefectType "
    "TEXT,DefectPosion TEXT,TestDate TEXT,InterpretaionDate TEXT,HashCode TEXT PRIMARY KEY "
    ",VedioHashCode TEXT NOT NULL,Remark TEXT,ImagePath TEXT,ProHashCode TEXT NOT NULL,TimeIndex "
    "INT DEFAULT 0,DefectLength REAL DEFAULT 0,CONSTRAINT PipeHashCode FOREIGN KEY(VedioHashCode) "
    "REFERENCES VedioCount(HashCode) on delete cascade on update cascade);";
// DefectInfo before TimeIndex and DefectLength.
const char *const kOldDefectInfo =
    "create table if not exists DefectInfo(RoadName TEXT NOT NULL,PipeNum TEXT NOT NULL,PipeType "
    "TEXT,PipeMeterial TEXT,PipeDiameter INT,DefectName TEXT,DefectLevel TEXT,DefectType "
    "TEXT,DefectPosion TEXT,TestDate TEXT,InterpretaionDate TEXT,HashCode TEXT PRIMARY KEY "
    ",VedioHashCode TEXT NOT NULL,Remark TEXT,ImagePath TEXT,ProHashCode TEXT NOT NULL,CONSTRAINT "
    "PipeHashCode FOREIGN KEY(VedioHashCode) REFERENCES VedioCount(HashCode) on delete cascade on "
    "update cascade);";
const char *const kProDelete =
    "CREATE TRIGGER [pro_delete] BEFORE DELETE ON [ProjectDetail] FOR EACH ROW BEGIN Delete From "
    "VedioCount Where ProHashCode=old.HashCode; END";
const char *const kVedioDelete =
    "CREATE TRIGGER [vedio_delete] BEFORE DELETE ON [VedioCount] FOR EACH ROW BEGIN Delete From "
    "DefectInfo Where VedioHashCode=old.HashCode; END";

const QString kProjectA = QStringLiteral("PROJECTA01");
const QString kProjectB = QStringLiteral("PROJECTB02");

// The text SQLite keeps of a "create table if not exists T(...);" statement.
QString StoredTableSql(const char *statement)
{
    QString text = QString::fromLatin1(statement);
    text.remove(0, int(qstrlen("create table if not exists ")));
    text.chop(1); // the ";"
    return QStringLiteral("CREATE TABLE ") + text;
}

// Writes a file the way an older version left it, with its own connection.
void WriteOldFile(const QString &path, const char *defectInfoStatement,
                  const QStringList &defectKeys, int storedTimeIndex = -1)
{
    const QString name = QStringLiteral("old-file");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery query(db);
        for (const char *statement :
             {kProjectDetail, kVedioCount, defectInfoStatement, kProDelete, kVedioDelete})
            QVERIFY2(query.exec(QString::fromLatin1(statement)), statement);
        QVERIFY(query.exec(
            QStringLiteral("INSERT INTO ProjectDetail (ProjectNumber, ProjectName, ProjectSite, "
                           "HashCode) VALUES ('N1', 'P', 'S', 'PROJECTA01')")));
        QVERIFY(
            query.exec(QStringLiteral("INSERT INTO VedioCount (RoadName, HashCode, ProHashCode) "
                                      "VALUES ('R', 'PROJECTA01VID01', 'PROJECTA01')")));
        for (const QString &key : defectKeys) {
            query.prepare(
                storedTimeIndex >= 0
                    ? QStringLiteral("INSERT INTO DefectInfo (RoadName, PipeNum, HashCode, "
                                     "VedioHashCode, ProHashCode, TimeIndex) VALUES ('R', 'W1~W2', "
                                     "?, 'PROJECTA01VID01', 'PROJECTA01', ?)")
                    : QStringLiteral("INSERT INTO DefectInfo (RoadName, PipeNum, HashCode, "
                                     "VedioHashCode, ProHashCode) VALUES ('R', 'W1~W2', ?, "
                                     "'PROJECTA01VID01', 'PROJECTA01')"));
            query.addBindValue(key);
            if (storedTimeIndex >= 0)
                query.addBindValue(storedTimeIndex);
            QVERIFY(query.exec());
        }
    }
    QSqlDatabase::removeDatabase(name);
}

// One statement on the file with a connection of the test's own.
void ExecOnFile(const QString &path, const QString &statement)
{
    const QString name = QStringLiteral("own-connection");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY2(query.exec(statement), qPrintable(statement));
    }
    QSqlDatabase::removeDatabase(name);
}

QStringList IndexNames()
{
    QStringList names;
    for (const QString &statement : CKLN_TQ420DataBase::IndexStatements())
        names << statement.section(QLatin1Char(' '), 5, 5);
    names.sort();
    return names;
}

} // namespace

class TestDatabase : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::InstallWarningRecorder();
        DbTest::PrepareSuite(m_settingsDir.path());
    }
    void init() { m_dir = DbTest::FreshDataFolder(); }
    void cleanup()
    {
        CKLN_TQ420DataBase::ReleaseInstance();
        TQ_VERIFY_NO_WARNINGS();
        QVERIFY(!QSqlDatabase::connectionNames().contains(QStringLiteral("DB-TQ420")));
    }
    void cleanupTestCase() { DataFolder::SetAppDataDir(QString()); }

    void filePathFollowsTheLanguage()
    {
        CLanguageSettings *language = CLanguageSettings::GetInstance();
        language->SetLanguage(true);
        QCOMPARE(CKLN_TQ420DataBase::DataBaseFilePath(), m_dir->path() + "/KLN_TQ420_DataBase.prj");
        language->SetLanguage(false);
        QCOMPARE(CKLN_TQ420DataBase::DataBaseFilePath(),
                 m_dir->path() + "/KLN_TQ420_DataBase_En.prj");
    }

    void createsTablesTriggersAndIndexes()
    {
        const QString path = CKLN_TQ420DataBase::DataBaseFilePath();
        QVERIFY(!QFile::exists(path));
        CKLN_TQ420DataBase *db = CKLN_TQ420DataBase::GetInstance();
        QVERIFY(QFile::exists(path));
        QCOMPARE(db->ConnectionName(), QStringLiteral("DB-TQ420"));
        QCOMPARE(db->threadConnectionName(), QStringLiteral("DB-TQ420"));
        QVERIFY(db->database().isOpen());

        QCOMPARE(
            DbTest::Scalar("SELECT sql FROM sqlite_master WHERE name = 'ProjectDetail'").toString(),
            StoredTableSql(kProjectDetail));
        QCOMPARE(
            DbTest::Scalar("SELECT sql FROM sqlite_master WHERE name = 'VedioCount'").toString(),
            StoredTableSql(kVedioCount));
        QCOMPARE(
            DbTest::Scalar("SELECT sql FROM sqlite_master WHERE name = 'DefectInfo'").toString(),
            StoredTableSql(kDefectInfo));
        QCOMPARE(
            DbTest::Scalar("SELECT sql FROM sqlite_master WHERE name = 'pro_delete'").toString(),
            QString::fromLatin1(kProDelete));
        QCOMPARE(
            DbTest::Scalar("SELECT sql FROM sqlite_master WHERE name = 'vedio_delete'").toString(),
            QString::fromLatin1(kVedioDelete));
        QCOMPARE(DbTest::SchemaNames(path, "table"),
                 QStringList({"DefectInfo", "ProjectDetail", "VedioCount"}));
        QCOMPARE(DbTest::SchemaNames(path, "trigger"), QStringList({"pro_delete", "vedio_delete"}));
        QStringList indexes = DbTest::SchemaNames(path, "index").filter("idx_");
        QCOMPARE(indexes, IndexNames());
        QCOMPARE(indexes.size(), 11);
        QCOMPARE(DbTest::Columns(path, "DefectInfo").size(), 18);
        QCOMPARE(DbTest::Scalar("PRAGMA journal_mode").toString(), QStringLiteral("wal"));

        // A second start finds everything and adds nothing.
        CKLN_TQ420DataBase::ReleaseInstance();
        CKLN_TQ420DataBase::GetInstance();
        QCOMPARE(DbTest::SchemaNames(path, "index").filter("idx_"), indexes);
    }

    // Each page sort and each foreign-key look-up is served by an index.
    void pageQueriesUseTheIndexes_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("index"); // a pattern of the plan
        const QString key = QStringLiteral("PROJECTA01");
        for (int mode : {0, 9, 10}) {
            const QString column = CKLN_TQ420DataBase::DefectOrderColumn(mode);
            QTest::newRow(qPrintable("defects by " + column))
                << "SELECT * FROM DefectInfo WHERE " +
                       CKLN_TQ420DataBase::DefectPageCondition(key, QString()) +
                       CKLN_TQ420DataBase::PageClause(column, false, 50, 950)
                << "INDEX idx_DefectInfo_Pro_" + column + " ";
        }
        for (int mode : {5, 6, 7}) {
            const QString column = CKLN_TQ420DataBase::VideoOrderColumn(mode);
            QTest::newRow(qPrintable("videos by " + column))
                << "SELECT * FROM VedioCount WHERE " +
                       CKLN_TQ420DataBase::VideoPageCondition(key, QString()) +
                       CKLN_TQ420DataBase::PageClause(column, mode == 7, 50, 0)
                << "INDEX idx_VedioCount_Pro_" + column + " ";
        }
        QTest::newRow("defect sheet")
            << "SELECT * FROM DefectInfo WHERE ProHashCode = 'K' Order By TimeIndex ASC ;"
            << "INDEX idx_DefectInfo_Pro_TimeIndex ";
        QTest::newRow("video trigger") << "Delete From DefectInfo Where VedioHashCode='V'"
                                       << "INDEX idx_DefectInfo_VedioHashCode ";
        QTest::newRow("project trigger") << "Delete From VedioCount Where ProHashCode='P'"
                                         << "INDEX idx_VedioCount_\\w+ \\(ProHashCode=\\?\\)";
        QTest::newRow("project page")
            << "SELECT * FROM ProjectDetail WHERE " +
                   CKLN_TQ420DataBase::ProjectPageCondition(QString(), "2024-01-01", "2024-12-31")
            << "INDEX idx_ProjectDetail_CommencementDate ";
    }
    void pageQueriesUseTheIndexes()
    {
        QFETCH(QString, statement);
        QFETCH(QString, index);
        CKLN_TQ420DataBase::GetInstance();
        QStringList plan;
        for (const QVariantList &row : DbTest::Rows("EXPLAIN QUERY PLAN " + statement))
            plan << row.last().toString();
        QVERIFY2(plan.join('\n').contains(QRegularExpression(index)), qPrintable(plan.join('\n')));
        QVERIFY2(!plan.join('\n').contains("TEMP B-TREE"), qPrintable(plan.join('\n')));
    }

    void pageConditions()
    {
        CKLN_TQ420DataBase::GetInstance();
        QCOMPARE(CKLN_TQ420DataBase::DefectPageCondition("K'1", QString()),
                 QStringLiteral("ProHashCode == 'K''1'"));
        QCOMPARE(
            CKLN_TQ420DataBase::VideoPageCondition("K", "a'b"),
            QStringLiteral(
                "(INSTR(RoadName,'a''b')>0 or INSTR(PipeNum,'a''b')>0) and ProHashCode == 'K'"));
        QCOMPARE(CKLN_TQ420DataBase::ProjectPageCondition(QString(), "2024-01-01", "2024-02-01"),
                 QStringLiteral(
                     "CommencementDate >= '2024-01-01' and CommencementDate <= '2024-02-01'"));
        QCOMPARE(CKLN_TQ420DataBase::PageClause("RoadName", false, 50, 100),
                 QStringLiteral(" order by RoadName desc  limit 50 offset 100;"));
        QCOMPARE(CKLN_TQ420DataBase::PageClause(QString(), true, 20, 0),
                 QStringLiteral(" limit 20 offset 0;"));
        QCOMPARE(CKLN_TQ420DataBase::DefectOrderColumn(9), QStringLiteral("TestDate"));
        QCOMPARE(CKLN_TQ420DataBase::DefectOrderColumn(10), QStringLiteral("InterpretaionDate"));
        QCOMPARE(CKLN_TQ420DataBase::DefectOrderColumn(0), QStringLiteral("RoadName"));

        // Condition and clause make one working page query, newest test first.
        for (int t = 1; t <= 5; ++t)
            DbTest::InsertDefectRow("PROJECT001V0001", t, "Road", "level 1",
                                    QString("2024-03-0%1").arg(t));
        const QString page =
            CKLN_TQ420DataBase::DefectPageCondition("PROJECT001", QString()) +
            CKLN_TQ420DataBase::PageClause(CKLN_TQ420DataBase::DefectOrderColumn(9), false, 2, 1);
        QCOMPARE(DbTest::Rows("SELECT TimeIndex FROM DefectInfo WHERE " + page),
                 QList<QVariantList>({{4}, {3}}));
    }

    void migratesAnOldFile()
    {
        const QString path = CKLN_TQ420DataBase::DataBaseFilePath();
        WriteOldFile(path, kOldDefectInfo,
                     {"PROJECTA01VID01D_9500", "PROJECTA01VID01D_0", "PROJECTA01VID01D_x7",
                      "PROJECTA01VID01D_"});
        const QStringList projectColumns = DbTest::Columns(path, "ProjectDetail");
        const QStringList videoColumns = DbTest::Columns(path, "VedioCount");
        const QStringList oldDefectColumns = DbTest::Columns(path, "DefectInfo");
        QCOMPARE(oldDefectColumns.size(), 16);
        QVERIFY(DbTest::SchemaNames(path, "index").filter("idx_").isEmpty());

        CKLN_TQ420DataBase::GetInstance();
        QCOMPARE(DbTest::Columns(path, "DefectInfo"),
                 oldDefectColumns + QStringList({"TimeIndex", "DefectLength"}));
        QCOMPARE(DbTest::Columns(path, "ProjectDetail"), projectColumns);
        QCOMPARE(DbTest::Columns(path, "VedioCount"), videoColumns);
        QCOMPARE(DbTest::SchemaNames(path, "index").filter("idx_"), IndexNames());
        QCOMPARE(DbTest::SchemaNames(path, "trigger"), QStringList({"pro_delete", "vedio_delete"}));

        const QList<QVariantList> rows = DbTest::Rows(
            "SELECT HashCode, TimeIndex, DefectLength FROM DefectInfo ORDER BY HashCode");
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows.at(0), QVariantList({"PROJECTA01VID01D_", 0, 0.0}));
        QCOMPARE(rows.at(1), QVariantList({"PROJECTA01VID01D_0", 0, 0.0}));
        QCOMPARE(rows.at(2), QVariantList({"PROJECTA01VID01D_9500", 9500, 0.0}));
        QCOMPARE(rows.at(3), QVariantList({"PROJECTA01VID01D_x7", 0, 0.0}));
        // The migrated rows sort by time index like new ones.
        QCOMPARE(CKLN_TQ420DataBase::GetInstance()->GetDefectKeys(kProjectA).size(), 4);
    }

    // A migration that fails half-way leaves the file as it was, so the next start runs it
    // again; the time indexes are not left at 0 for ever.
    void failedMigrationIsRetried()
    {
        const QString path = CKLN_TQ420DataBase::DataBaseFilePath();
        WriteOldFile(path, kOldDefectInfo, {"PROJECTA01VID01D_9500"});
        const QStringList oldColumns = DbTest::Columns(path, "DefectInfo");
        ExecOnFile(path, "CREATE TRIGGER refuse BEFORE UPDATE ON DefectInfo BEGIN "
                         "SELECT RAISE(ABORT, 'refused'); END");
        QVERIFY(!CKLN_TQ420DataBase::GetInstance()->CheckDefectInfo());
        QCOMPARE(DbTest::Columns(path, "DefectInfo"), oldColumns);

        CKLN_TQ420DataBase::ReleaseInstance();
        ExecOnFile(path, "DROP TRIGGER refuse");
        CKLN_TQ420DataBase::GetInstance();
        QCOMPARE(DbTest::Scalar("SELECT TimeIndex FROM DefectInfo").toInt(), 9500);
    }

    // Closing folds the log into the file: a copy of the file alone holds every row.
    void closedFileHoldsEverything()
    {
        const QString path = CKLN_TQ420DataBase::DataBaseFilePath();
        CKLN_TQ420DataBase::GetInstance();
        DbTest::InsertProject(kProjectA, "N1");
        CKLN_TQ420DataBase *db = CKLN_TQ420DataBase::GetInstance();
        QVERIFY(QFileInfo(path + "-wal").size() > 0);
        // Another connection keeps the file open, as a second program would.
        const QString other = QStringLiteral("other-reader");
        {
            QSqlDatabase reader = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), other);
            reader.setDatabaseName(path);
            QVERIFY(reader.open());
            QSqlQuery read(reader);
            QVERIFY(read.exec("SELECT COUNT(*) FROM ProjectDetail") && read.next());
            read.finish();
            db->closeDatabase();
            QTemporaryDir copyDir;
            const QString copy = copyDir.filePath("copy.prj");
            QVERIFY(QFile::copy(path, copy));
            QCOMPARE(DbTest::SchemaNames(copy, "table"),
                     QStringList({"DefectInfo", "ProjectDetail", "VedioCount"}));
            QSqlDatabase copied = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "copy");
            copied.setDatabaseName(copy);
            QVERIFY(copied.open());
            QSqlQuery query(copied);
            QVERIFY(query.exec("SELECT HashCode FROM ProjectDetail") && query.next());
            QCOMPARE(query.value(0).toString(), kProjectA);
        }
        QSqlDatabase::removeDatabase(other);
        QSqlDatabase::removeDatabase(QStringLiteral("copy"));
    }

    void migratesAFileLackingOnlyDefectLength()
    {
        const QString path = CKLN_TQ420DataBase::DataBaseFilePath();
        QString withTimeIndex = QString::fromLatin1(kOldDefectInfo);
        withTimeIndex.replace(",CONSTRAINT", ",TimeIndex INT DEFAULT 0,CONSTRAINT");
        const QByteArray statement = withTimeIndex.toLatin1();
        WriteOldFile(path, statement.constData(), {"PROJECTA01VID01D_9500"}, 7);

        CKLN_TQ420DataBase::GetInstance();
        QCOMPARE(DbTest::Columns(path, "DefectInfo").mid(15),
                 QStringList({"ProHashCode", "TimeIndex", "DefectLength"}));
        // TimeIndex was there: not rewritten from the key.
        QCOMPARE(DbTest::Scalar("SELECT TimeIndex FROM DefectInfo").toInt(), 7);
        QCOMPARE(DbTest::Scalar("SELECT DefectLength FROM DefectInfo").toDouble(), 0.0);
    }

    // The column check behind the migration: one answer per asked name, in the asked order.
    void columnCheck_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<bool>>("exists");
        QTest::newRow("no names") << "DefectInfo" << QStringList() << QList<bool>();
        QTest::newRow("present and missing")
            << "DefectInfo" << QStringList({"DefectLength", "Nothing", "TimeIndex"})
            << QList<bool>({true, false, true});
        QTest::newRow("exact names only")
            << "DefectInfo" << QStringList({"timeindex", " TimeIndex", ""})
            << QList<bool>({false, false, false});
        QTest::newRow("other table") << "ProjectDetail" << QStringList({"HashCode", "TimeIndex"})
                                     << QList<bool>({true, false});
        QTest::newRow("unknown table")
            << "NoSuchTable" << QStringList({"TimeIndex"}) << QList<bool>({false});
        QTest::newRow("same name twice")
            << "DefectInfo" << QStringList({"TimeIndex", "TimeIndex"}) << QList<bool>({true, true});
    }

    void columnCheck()
    {
        QFETCH(QString, table);
        QFETCH(QStringList, names);
        QFETCH(QList<bool>, exists);
        QEXPECT_FAIL("same name twice", "only the first of equal names is marked", Continue);
        QCOMPARE(CKLN_TQ420DataBase::GetInstance()->IsColumnExist(table, names), exists);
    }

    void existingFileWithoutTablesGetsThem()
    {
        const QString path = CKLN_TQ420DataBase::DataBaseFilePath();
        QFile empty(path);
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        CKLN_TQ420DataBase::GetInstance();
        QCOMPARE(DbTest::SchemaNames(path, "table"),
                 QStringList({"DefectInfo", "ProjectDetail", "VedioCount"}));
        QCOMPARE(DbTest::SchemaNames(path, "trigger"), QStringList({"pro_delete", "vedio_delete"}));
    }

    void triggersCascade()
    {
        CKLN_TQ420DataBase::GetInstance();
        DbTest::InsertProject(kProjectA, "A-1");
        DbTest::InsertProject(kProjectB, "B-1");
        for (const QString &project : {kProjectA, kProjectB}) {
            for (int v = 0; v < 2; ++v) {
                const QString video = project + QStringLiteral("VID0%1").arg(v);
                DbTest::InsertVideo(project, video);
                for (int d = 0; d < 3; ++d)
                    DbTest::InsertDefectRow(video, d * 100, "Road");
            }
        }
        // A defect whose video row never existed.
        DbTest::InsertDefectRow(kProjectA + "VID09", 5, "Road");

        DbTest::Exec("DELETE FROM VedioCount WHERE HashCode = ?", {kProjectB + "VID00"});
        QCOMPARE(DbTest::Count("DefectInfo", "VedioHashCode = '" + kProjectB + "VID00'"), 0);
        QCOMPARE(DbTest::Count("DefectInfo", "VedioHashCode = '" + kProjectB + "VID01'"), 3);

        DbTest::Exec("DELETE FROM ProjectDetail WHERE HashCode = ?", {kProjectA});
        QCOMPARE(DbTest::Count("VedioCount", "ProHashCode = '" + kProjectA + "'"), 0);
        QCOMPARE(DbTest::Count("DefectInfo", "ProHashCode = '" + kProjectA + "'"), 1); // the orphan
        QCOMPARE(DbTest::Count("VedioCount"), 1);
        QCOMPARE(DbTest::Count("DefectInfo"), 4);
    }

    void projectTotals()
    {
        CKLN_TQ420DataBase *db = CKLN_TQ420DataBase::GetInstance();
        const QString hostile = QStringLiteral("P'R;--0001");
        DbTest::InsertProject(hostile, "A-1");
        DbTest::InsertProject(kProjectB, "B-1");
        DbTest::InsertVideo(hostile, hostile + "V0001", "Road", 3, 12.5);
        DbTest::InsertVideo(hostile, hostile + "V0002", "Road", 4, 30.25);
        DbTest::InsertVideo(hostile, hostile + "V0003", "Road", 0, 0.1);
        DbTest::InsertVideo(kProjectB, kProjectB + "V0001", "Road", 9, 99);

        int videos = -1, pipes = -1, standard = -1, defects = -1;
        float mileage = -1;
        QVERIFY(db->UpdateProjectCountInfo(hostile, videos, pipes, mileage, standard, defects));
        QCOMPARE(videos, 3);
        QCOMPARE(pipes, 3);
        QCOMPARE(defects, 7);
        QCOMPARE(standard, 0);
        QCOMPARE(mileage, 42.85f);
        QCOMPARE(DbTest::Rows("SELECT VedioNums, PipeNums, Mileages, StandardInterpretationNums, "
                              "iInterpretationNums FROM ProjectDetail WHERE HashCode = ?",
                              {hostile})
                     .value(0),
                 QVariantList({3, 3, 42.85, 0, 7}));
        QCOMPARE(
            DbTest::Scalar("SELECT VedioNums FROM ProjectDetail WHERE HashCode = ?", {kProjectB})
                .toInt(),
            0);

        // A project without videos stores zeros and succeeds.
        DbTest::Exec("UPDATE ProjectDetail SET VedioNums = 5, Mileages = 3 WHERE HashCode = ?",
                     {kProjectB});
        DbTest::Exec("DELETE FROM VedioCount WHERE ProHashCode = ?", {kProjectB});
        QVERIFY(db->UpdateProjectCountInfo(kProjectB, videos, pipes, mileage, standard, defects));
        QCOMPARE(QVariantList({videos, pipes, double(mileage), standard, defects}),
                 QVariantList({0, 0, 0.0, 0, 0}));
        QCOMPARE(DbTest::Rows("SELECT VedioNums, PipeNums, Mileages, iInterpretationNums FROM "
                              "ProjectDetail WHERE HashCode = ?",
                              {kProjectB})
                     .value(0),
                 QVariantList({0, 0, 0.0, 0}));
    }

    void pipeInfoIsCopiedIntoDefects()
    {
        CKLN_TQ420DataBase *db = CKLN_TQ420DataBase::GetInstance();
        DbTest::InsertProject(kProjectA, "A-1");
        DbTest::InsertVideo(kProjectA, kProjectA + "V0001", "Old road");
        DbTest::InsertVideo(kProjectA, kProjectA + "V0002", "Other road", 0, 0, 800);
        DbTest::InsertDefectRow(kProjectA + "V0001", 1, "Old road");
        DbTest::InsertDefectRow(kProjectA + "V0002", 1, "Other road");
        DbTest::Exec("UPDATE VedioCount SET RoadName = ?, PipeNum = ?, PipeType = ?, PipeMeterial "
                     "= ?, PipeSectionDiameter = ? WHERE HashCode = ?",
                     {"人民路'东段", "Y1~Y2", "Sewage", "Concrete", 1200, kProjectA + "V0001"});
        QVERIFY(db->UpdatePipelineInfoInDefectInfo());
        QCOMPARE(DbTest::Rows("SELECT RoadName, PipeNum, PipeType, PipeMeterial, PipeDiameter FROM "
                              "DefectInfo ORDER BY VedioHashCode"),
                 QList<QVariantList>({{"人民路'东段", "Y1~Y2", "Sewage", "Concrete", 1200},
                                      {"Other road", "W1~W2", "Rain", "PVC", 800}}));
    }

    void closedDatabaseFailsQuietly()
    {
        CKLN_TQ420DataBase *db = CKLN_TQ420DataBase::GetInstance();
        DbTest::InsertProject(kProjectA, "A-1");
        db->closeDatabase();
        QCOMPARE(db->GetRecordNums("ProjectDetail", "1"), -1);
        int videos, pipes, standard, defects;
        float mileage;
        QVERIFY(!db->UpdateProjectCountInfo(kProjectA, videos, pipes, mileage, standard, defects));
        QVERIFY(db->GetVideoKeys(kProjectA).isEmpty());
        QCOMPARE(db->IsColumnExist("DefectInfo", {"TimeIndex"}), QList<bool>({false}));
        // Released and opened again: the data is there.
        CKLN_TQ420DataBase::ReleaseInstance();
        QCOMPARE(CKLN_TQ420DataBase::GetInstance()->GetRecordNums("ProjectDetail", "1"), 1);
    }

    void unopenableFileFailsQuietly()
    {
        const QString path = CKLN_TQ420DataBase::DataBaseFilePath();
        QVERIFY(QDir().mkpath(path)); // a folder where the file should be
        CKLN_TQ420DataBase *db = CKLN_TQ420DataBase::GetInstance();
        QCOMPARE(db->GetRecordNums("ProjectDetail", "1"), -1);
        QVERIFY(!db->DeleteDefectItem("x"));
    }

private:
    QTemporaryDir m_settingsDir;
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
