// The command-line import under faults: killed at several moments, on a full disk, and two
// processes importing into one project at once. The database stays whole, no row points to
// a partial video, and nothing a killed import left survives the next one.
#include <QtTest>

#include <QDirIterator>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/testsupport.h"

namespace {
const QString kProject = QStringLiteral("P-1");
const QString kCli = QStringLiteral(TQ420_APP_DIR "/tq420-cli");

QStringList ImportArguments(const QString &dataDir, const QStringList &videos)
{
    return QStringList{QStringLiteral("import"), QStringLiteral("--app-dir"), dataDir,
                       QStringLiteral("--project"), kProject} +
           videos;
}

// The rows of a statement on a database file, read with a connection of the test's own.
QList<QVariantList> FileRows(const QString &path, const QString &statement)
{
    QList<QVariantList> rows;
    const QString name = QStringLiteral("check");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot open %s", qPrintable(path));
        QSqlQuery query(db);
        if (!query.exec(statement))
            qFatal("cannot run %s", qPrintable(statement));
        while (query.next()) {
            QVariantList row;
            for (int i = 0; i < query.record().count(); ++i)
                row << query.value(i);
            rows << row;
        }
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}

QStringList FilesNamed(const QString &dir, const QString &pattern)
{
    QStringList found;
    QDirIterator it(dir, {pattern}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << it.next();
    return found;
}

qint64 PartSize(const QString &dir, const QString &suffix)
{
    const QStringList parts = FilesNamed(dir, QLatin1Char('*') + suffix + ".part");
    return parts.size() == 1 ? QFileInfo(parts.first()).size() : -1;
}

// A pipe the test writes into: whoever copies it waits for more until it is closed.
struct Pipe
{
    explicit Pipe(const QString &path)
    {
        if (::mkfifo(QFile::encodeName(path).constData(), 0644) == 0)
            fd = ::open(QFile::encodeName(path).constData(), O_RDWR);
    }
    ~Pipe()
    {
        if (fd >= 0)
            ::close(fd);
    }
    bool Write(const QByteArray &data) const
    {
        return ::write(fd, data.constData(), size_t(data.size())) == ssize_t(data.size());
    }
    int fd = -1;
};
} // namespace

class TestImportFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::InstallWarningRecorder(); }
    void init();
    void cleanup() { TQ_VERIFY_NO_WARNINGS(); }

    void killedImportLeavesNothingForEver_data();
    void killedImportLeavesNothingForEver();
    void fullDiskFailsClearly_data();
    void fullDiskFailsClearly();
    void twoImportsAtOnceLoseNothing();
    void databaseFileAloneHoldsEverything();

private:
    QString Database() const { return m_data->filePath("KLN_TQ420_DataBase_En.prj"); }
    QString Cache() const { return m_data->filePath("KLN_TQ420_Cache_En"); }
    QString Source(const QString &name, const QStringList &beside = {})
    {
        return TestSupport::MakeSourceVideo(*m_sources, name, beside);
    }
    // Every video row's file exists and equals its source (by size): none is partial.
    void VerifyRowsPointToWholeVideos(int expectedRows);

    std::unique_ptr<QTemporaryDir> m_data;
    std::unique_ptr<QTemporaryDir> m_sources;
};

void TestImportFaults::init()
{
    m_data = std::make_unique<QTemporaryDir>();
    m_sources = std::make_unique<QTemporaryDir>();
    const TestSupport::CliRun added =
        TestSupport::RunCli({"project", "add", "--app-dir", m_data->path(), "--number", kProject,
                             "--name", "Ring", "--site", "Site"});
    QVERIFY2(added.exitCode == 0, added.err.constData());
}

void TestImportFaults::VerifyRowsPointToWholeVideos(int expectedRows)
{
    QCOMPARE(FileRows(Database(), "PRAGMA integrity_check"), QList<QVariantList>({{"ok"}}));
    const QList<QVariantList> rows = FileRows(Database(), "SELECT VedioFileName FROM VedioCount");
    QCOMPARE(rows.size(), expectedRows);
    const qint64 videoSize = QFileInfo(TestSupport::SamplePath("videos/road3.mp4")).size();
    for (const QVariantList &row : rows)
        QCOMPARE(QFileInfo(row.at(0).toString()).size(), videoSize);
}

void TestImportFaults::killedImportLeavesNothingForEver_data()
{
    QTest::addColumn<QString>("moment");
    QTest::addColumn<int>("rowsBefore"); // rows the killed import completed
    QTest::newRow("during the video copy") << "video" << 0;
    QTest::newRow("during the RTV copy") << "rtv" << 0;
    QTest::newRow("after a video's row") << "next video" << 1;
}

void TestImportFaults::killedImportLeavesNothingForEver()
{
    QFETCH(QString, moment);
    QFETCH(int, rowsBefore);
    // The pipe holds the copy open at the chosen moment; the test kills there.
    QStringList videos;
    QString suffix = ".mp4";
    std::unique_ptr<Pipe> pipe;
    if (moment == "video") {
        videos << m_sources->filePath("held.mp4");
        pipe = std::make_unique<Pipe>(videos.last());
    } else if (moment == "rtv") {
        videos << Source("held.mp4");
        pipe = std::make_unique<Pipe>(m_sources->filePath("held.rtv"));
        suffix = ".rtv";
    } else {
        videos << Source("first.mp4", {"videos/road1.rtv"}) << m_sources->filePath("held.mp4");
        pipe = std::make_unique<Pipe>(videos.last());
    }
    QVERIFY(pipe->fd >= 0);
    const QByteArray chunk(16384, 'x');
    QVERIFY(pipe->Write(chunk));

    QProcess killed;
    killed.start(kCli, ImportArguments(m_data->path(), videos));
    QTRY_COMPARE_WITH_TIMEOUT(PartSize(Cache(), suffix), qint64(chunk.size()), 30000);
    killed.kill();
    QVERIFY(killed.waitForFinished(30000));
    QCOMPARE(killed.exitStatus(), QProcess::CrashExit);
    VerifyRowsPointToWholeVideos(rowsBefore);

    // The next import completes and removes what the killed one left.
    const TestSupport::CliRun next =
        TestSupport::RunCli(ImportArguments(m_data->path(), {Source("next.mp4")}));
    QVERIFY2(next.exitCode == 0, next.err.constData());
    VerifyRowsPointToWholeVideos(rowsBefore + 1);
    QCOMPARE(FilesNamed(Cache(), "*.part"), QStringList());
    const QList<QVariantList> keys = FileRows(Database(), "SELECT HashCode FROM VedioCount");
    QStringList folders = QDir(Cache()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QStringList videoFolders;
    for (const QString &project : folders)
        if (project != "Temp" && project != "Template")
            videoFolders +=
                QDir(Cache() + "/" + project).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(videoFolders.size(), keys.size());
}

void TestImportFaults::fullDiskFailsClearly_data()
{
    QTest::addColumn<QString>("tooLarge"); // the file that does not fit
    QTest::newRow("video") << "video";
    QTest::newRow("RTV file beside the video") << "rtv";
}

void TestImportFaults::fullDiskFailsClearly()
{
    QFETCH(QString, tooLarge);
    // A small file system of its own holds the data folder.
    QTemporaryDir mountPoint;
    QProcess mount;
    mount.start("mount", {"-t", "tmpfs", "-o", "size=4m", "tmpfs", mountPoint.path()});
    if (!mount.waitForFinished(30000) || mount.exitStatus() != QProcess::NormalExit ||
        mount.exitCode() != 0)
        QSKIP("cannot mount a small tmpfs here (needs root): the full disk is not tested");
    auto unmount = qScopeGuard([&] { QProcess::execute("umount", {mountPoint.path()}); });
    const QString data = mountPoint.path();
    const TestSupport::CliRun added = TestSupport::RunCli(
        {"project", "add", "--app-dir", data, "--number", kProject, "--name", "R", "--site", "S"});
    QVERIFY2(added.exitCode == 0, added.err.constData());
    const QString first = Source("first.mp4", {"rtv/v1025.rtv"});
    const TestSupport::CliRun imported = TestSupport::RunCli(ImportArguments(data, {first}));
    QVERIFY2(imported.exitCode == 0, imported.err.constData());
    const QString dbPath = data + "/KLN_TQ420_DataBase_En.prj";
    const QList<QVariantList> rowsBefore = FileRows(dbPath, "SELECT * FROM VedioCount");
    const QList<QVariantList> defectsBefore = FileRows(dbPath, "SELECT * FROM DefectInfo");
    const QStringList filesBefore = FilesNamed(data + "/KLN_TQ420_Cache_En", "*");
    QCOMPARE(rowsBefore.size(), 1);

    // Larger than the whole file system.
    QFile large(m_sources->filePath(tooLarge == "video" ? "large.mp4" : "large.rtv"));
    QVERIFY(large.open(QIODevice::WriteOnly));
    QVERIFY(large.resize(8 * 1024 * 1024));
    large.close();
    if (tooLarge == "rtv")
        Source("large.mp4");

    const TestSupport::CliRun full =
        TestSupport::RunCli(ImportArguments(data, {m_sources->filePath("large.mp4")}));
    QCOMPARE(full.exitCode, 1);
    QVERIFY2(full.err.contains("not imported") && full.err.contains("disk full"),
             full.err.constData());
    QCOMPARE(FileRows(dbPath, "SELECT * FROM VedioCount"), rowsBefore);
    QCOMPARE(FileRows(dbPath, "SELECT * FROM DefectInfo"), defectsBefore);
    QCOMPARE(FilesNamed(data + "/KLN_TQ420_Cache_En", "*"), filesBefore);
    const QString copy = rowsBefore.first().at(4).toString();
    QCOMPARE(QFileInfo(copy).size(), QFileInfo(first).size());
}

void TestImportFaults::twoImportsAtOnceLoseNothing()
{
    QStringList videosA, videosB;
    for (int i = 0; i < 4; ++i) {
        videosA << Source(QString("a%1.mp4").arg(i), {"videos/road1.rtv"});
        videosB << Source(QString("b%1.mp4").arg(i), {"videos/road1.rtv"});
    }
    QProcess a, b;
    a.start(kCli, ImportArguments(m_data->path(), videosA));
    b.start(kCli, ImportArguments(m_data->path(), videosB));
    QVERIFY(a.waitForFinished(60000));
    QVERIFY(b.waitForFinished(60000));
    QVERIFY2(a.exitCode() == 0, a.readAllStandardError().constData());
    QVERIFY2(b.exitCode() == 0, b.readAllStandardError().constData());

    VerifyRowsPointToWholeVideos(8);
    QCOMPARE(FileRows(Database(), "SELECT COUNT(DISTINCT HashCode) FROM VedioCount"),
             QList<QVariantList>({{8}}));
    QCOMPARE(FileRows(Database(), "SELECT COUNT(*) FROM DefectInfo"),
             QList<QVariantList>({{8 * 5}}));
    QCOMPARE(FileRows(Database(), "SELECT VedioNums, iInterpretationNums FROM ProjectDetail"),
             QList<QVariantList>({{8, 8 * 5}}));
    for (const QVariantList &row : FileRows(Database(), "SELECT HashCode, VedioFileName FROM "
                                                        "VedioCount")) {
        const QString rtv = QFileInfo(row.at(1).toString()).path() + "/" + row.at(0).toString();
        QCOMPARE(QFileInfo(rtv + ".rtv").size(),
                 QFileInfo(TestSupport::SamplePath("videos/road1.rtv")).size());
    }
}

void TestImportFaults::databaseFileAloneHoldsEverything()
{
    QVERIFY(TestSupport::RunCli(ImportArguments(m_data->path(), {Source("a.mp4")})).exitCode == 0);
    QTemporaryDir copyDir;
    const QString copy = copyDir.filePath("copy.prj");
    QVERIFY(QFile::copy(Database(), copy));
    QCOMPARE(FileRows(copy, "SELECT ProjectNumber, VedioNums FROM ProjectDetail"),
             QList<QVariantList>({{kProject, 1}}));
    QCOMPARE(FileRows(copy, "SELECT COUNT(*) FROM VedioCount"), QList<QVariantList>({{1}}));
}

QTEST_GUILESS_MAIN(TestImportFaults)
#include "tst_importfaults.moc"
