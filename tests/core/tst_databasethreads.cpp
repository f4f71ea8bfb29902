// The project database from several threads: a connection per thread, removed when the
// thread ends; one transaction per video's defects; writers waiting for each other.
#include <QtTest>

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>

#include "core/common/appdatadir.h"
#include "core/common/clanguagesettings.h"
#include "core/database/ckln_tq420database.h"
#include "core/inspection/pipelineparam.h"
#include "core/settings/qsysteminfo.h"
#include "support/dbtestsupport.h"
#include "support/testsupport.h"

namespace {
const QString kProjectA = QStringLiteral("PROJECTA01");
const QString kProjectB = QStringLiteral("PROJECTB02");

QStringList WorkerConnections()
{
    return QSqlDatabase::connectionNames().filter(QStringLiteral("DB-TQ420-"));
}

// Inserts batches of defects, one video per batch, from a thread of its own.
class ImportThread : public QThread
{
public:
    ImportThread(QString projectKey, int videos, int defectsPerVideo)
        : m_projectKey(std::move(projectKey))
        , m_videos(videos)
        , m_defects(defectsPerVideo)
    {}
    void run() override
    {
        CKLN_TQ420DataBase *db = CKLN_TQ420DataBase::GetInstance();
        m_connectionName = db->threadConnectionName();
        PipelineParam pipe;
        for (int v = 0; v < m_videos; ++v) {
            QList<CDefectItem> items;
            for (int d = 0; d < m_defects; ++d)
                items << DbTest::MakeDefect(d * 10, d % 16, d % 4);
            const QString videoKey =
                m_projectKey + QStringLiteral("V%1").arg(v, 4, 10, QLatin1Char('0'));
            const int inserted = db->InsertDefectItems(QStringLiteral("人民路'东段"), videoKey,
                                                       QStringLiteral("2024-03-02"), pipe, items);
            if (inserted != m_defects)
                ++m_failures;
        }
        m_connectionRegistered = QSqlDatabase::connectionNames().contains(m_connectionName);
    }
    QString m_projectKey;
    int m_videos;
    int m_defects;
    int m_failures = 0;
    QString m_connectionName;
    bool m_connectionRegistered = false;
};
} // namespace

class TestDatabaseThreads : public QObject
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
        QVERIFY(QSqlDatabase::connectionNames().filter(QStringLiteral("DB-TQ420")).isEmpty());
    }
    void cleanupTestCase() { DataFolder::SetAppDataDir(QString()); }

    // A worker inserts one transaction per video while the GUI thread reads: every count
    // it sees holds whole videos, nothing fails, and the worker's connection is its own and
    // gone when the thread ends.
    void workerWritesWhileMainThreadReads()
    {
        CKLN_TQ420DataBase *db = CKLN_TQ420DataBase::GetInstance();
        DbTest::InsertProject(kProjectA, "A-1");
        const int defectsPerVideo = 400;
        ImportThread worker(kProjectA, 15, defectsPerVideo);
        const QString condition = CKLN_TQ420DataBase::DefectPageCondition(kProjectA, QString());
        worker.start();
        int reads = 0;
        QSet<int> seen;
        QList<int> partial; // counts that are no whole number of videos
        while (!worker.isFinished()) {
            const int count = db->GetRecordNums("DefectInfo", condition);
            if (count < 0 || count % defectsPerVideo != 0)
                partial << count;
            seen << count;
            ++reads;
        }
        QVERIFY(worker.wait(60000));
        QCOMPARE(partial, QList<int>());
        QCOMPARE(worker.m_failures, 0);
        QVERIFY(worker.m_connectionRegistered);
        QVERIFY(worker.m_connectionName.startsWith("DB-TQ420-"));
        QVERIFY(WorkerConnections().isEmpty());
        QCOMPARE(db->GetRecordNums("DefectInfo", condition), 15 * defectsPerVideo);
        QVERIFY(reads > 0);
        qDebug() << "reads during the import:" << reads << "distinct counts:" << seen.size();
    }

    // Two writers at once and a GUI-thread write: the busy timeout lets each wait its turn.
    void concurrentWritersWaitForTheLock()
    {
        CKLN_TQ420DataBase *db = CKLN_TQ420DataBase::GetInstance();
        DbTest::InsertProject(kProjectA, "A-1");
        DbTest::InsertProject(kProjectB, "B-1");
        ImportThread first(kProjectA, 10, 300);
        ImportThread second(kProjectB, 10, 300);
        first.start();
        second.start();
        int videos, pipes, standard, defects;
        float mileage;
        int failedUpdates = 0;
        while (!first.isFinished() || !second.isFinished()) {
            if (!db->UpdateProjectCountInfo(kProjectA, videos, pipes, mileage, standard, defects))
                ++failedUpdates;
        }
        QVERIFY(first.wait(60000) && second.wait(60000));
        QCOMPARE(failedUpdates, 0);
        QCOMPARE(first.m_failures + second.m_failures, 0);
        QCOMPARE(db->GetRecordNums("DefectInfo", "1"), 2 * 10 * 300);
        QVERIFY(WorkerConnections().isEmpty());
    }

    // The first use may come from a worker: it opens its own connection, the GUI thread
    // opens "DB-TQ420" on its first use.
    void firstUseOnAWorker()
    {
        ImportThread worker(kProjectA, 1, 5);
        worker.start();
        QVERIFY(worker.wait(60000));
        QCOMPARE(worker.m_failures, 0);
        QVERIFY(!QSqlDatabase::connectionNames().contains("DB-TQ420"));
        QCOMPARE(CKLN_TQ420DataBase::GetInstance()->GetRecordNums("DefectInfo", "1"), 5);
        QVERIFY(QSqlDatabase::connectionNames().contains("DB-TQ420"));
    }

    void insertsOfAVideoAreOneTransaction()
    {
        CKLN_TQ420DataBase *db = CKLN_TQ420DataBase::GetInstance();
        PipelineParam pipe;
        QList<CDefectItem> items;
        for (int d = 0; d < 5; ++d)
            items << DbTest::MakeDefect(d, 1, 1);
        QCOMPARE(db->InsertDefectItems("Road", kProjectA + "V0001", "2024-03-02", pipe, items), 5);
        // A key that exists is skipped; the rest of the batch is stored.
        items << DbTest::MakeDefect(7, 1, 1);
        QCOMPARE(db->InsertDefectItems("Road", kProjectA + "V0001", "2024-03-02", pipe, items), 1);
        QCOMPARE(db->InsertDefectItems("Road", kProjectA + "V0001", "2024-03-02", pipe, {}), 0);
        QCOMPARE(DbTest::Count("DefectInfo"), 6);

        // While another connection holds the write lock past the busy timeout the batch
        // fails as a whole and stores nothing.
        QSqlDatabase blocker = QSqlDatabase::addDatabase("QSQLITE", "blocker");
        blocker.setDatabaseName(db->databasePath());
        QVERIFY(blocker.open());
        {
            QSqlQuery lock(blocker);
            QVERIFY(lock.exec("BEGIN IMMEDIATE"));
            QSqlQuery setTimeout(db->database());
            QVERIFY(setTimeout.exec("PRAGMA busy_timeout = 50"));
            QCOMPARE(db->InsertDefectItems("Road", kProjectA + "V0002", "2024-03-02", pipe, items),
                     -1);
            QVERIFY(lock.exec("ROLLBACK"));
            QVERIFY(setTimeout.exec(
                QStringLiteral("PRAGMA busy_timeout = %1").arg(CDataBaseOperator::kBusyTimeoutMs)));
        }
        blocker.close();
        blocker = QSqlDatabase();
        QSqlDatabase::removeDatabase("blocker");
        QCOMPARE(DbTest::Count("DefectInfo"), 6);
        QCOMPARE(db->InsertDefectItems("Road", kProjectA + "V0002", "2024-03-02", pipe, items), 6);
    }

private:
    QTemporaryDir m_settingsDir;
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestDatabaseThreads)
#include "tst_databasethreads.moc"
