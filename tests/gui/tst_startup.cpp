// The start of the full application: the data folder's leftovers of killed imports are
// removed, unless another process is importing, and no prompt appears without a problem.
#include <QtTest>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "core/database/ckln_tq420database.h"
#include "core/files/qfilemanager.h"
#include "gui/shell/applicationstartup.h"
#include "support/dbtestsupport.h"
#include "support/testsupport.h"

namespace {
const QString kProject = QStringLiteral("PRJ0000001");
const QString kLeftover = kProject + QStringLiteral("AAAA1"); // no row: a killed import's
const QString kImported = kProject + QStringLiteral("AAAA2");
} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { DbTest::PrepareSuite(m_settingsDir.path()); }
    void init();
    void cleanup();

    void removesLeftoversUnlessAnotherProcessImports_data();
    void removesLeftoversUnlessAnotherProcessImports();

private:
    QString VideoDir(const QString &videoKey) const
    {
        return QFileManager::GetInstance()->GetRootDir() + "/" + kProject + "/" + videoKey;
    }

    QTemporaryDir m_settingsDir;
    std::unique_ptr<QTemporaryDir> m_data;
};

void TestStartup::init()
{
    m_data = DbTest::FreshDataFolder();
    DbTest::InsertProject(kProject, "P-1");
    DbTest::InsertVideo(kProject, kImported);
    QVERIFY(QDir().mkpath(VideoDir(kLeftover)));
    QVERIFY(QDir().mkpath(VideoDir(kImported)));
}

void TestStartup::cleanup()
{
    CKLN_TQ420DataBase::ReleaseInstance();
    m_data.reset();
    TQ_VERIFY_NO_WARNINGS();
}

void TestStartup::removesLeftoversUnlessAnotherProcessImports_data()
{
    QTest::addColumn<bool>("otherImporting");
    QTest::newRow("alone") << false;
    QTest::newRow("another process importing") << true;
}

void TestStartup::removesLeftoversUnlessAnotherProcessImports()
{
    QFETCH(bool, otherImporting);
    // Another process's import holds the import lock shared while it runs.
    const QString lock = QFileManager::GetInstance()->GetRootDir() + "/.import.lock";
    const int other = ::open(QFile::encodeName(lock).constData(), O_RDWR | O_CREAT, 0644);
    QVERIFY(other >= 0);
    if (otherImporting)
        QCOMPARE(::flock(other, LOCK_SH), 0);
    TestSupport::RecordingPrompt prompt;

    const int removed = ApplicationStartup::PrepareDataFolder();
    ::close(other);

    QCOMPARE(removed, otherImporting ? 0 : 1);
    QCOMPARE(QDir(VideoDir(kLeftover)).exists(), otherImporting);
    QVERIFY(QDir(VideoDir(kImported)).exists());
    QCOMPARE(prompt.Texts(), QStringList());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
