// The import of one video into a project: key and folder, the video copy, the RTV file
// (copied, converted or empty, with fall-backs), the defect rows and the video record.
#include <QtTest>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "core/database/ckln_tq420database.h"
#include "core/files/cvideoimporter.h"
#include "core/files/importsession.h"
#include "core/files/importsummary.h"
#include "core/files/qfilemanager.h"
#include "core/inspection/cfilertv.h"
#include "core/settings/qsysteminfo.h"
#include "support/dbtestsupport.h"
#include "support/testsupport.h"

namespace {
using TestSupport::MakeSourceVideo;
const QString kProject = QStringLiteral("PRJ0000001");

int ManifestDefectCount(const QString &rtv)
{
    QFile file(TestSupport::SamplePath(QStringLiteral("manifest.json")));
    file.open(QIODevice::ReadOnly);
    const QJsonObject manifest = QJsonDocument::fromJson(file.readAll()).object();
    return manifest.value("rtv").toObject().value(rtv).toObject().value("defectCount").toInt();
}

} // namespace

class TestVideoImport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::InstallWarningRecorder(); }

    void init()
    {
        m_data = DbTest::FreshDataFolder();
        QFileManager::ReleaseInstance();
        QSystemInfo::ReleaseInstance();
        QSystemInfo::GetInstance(); // on this (the GUI) thread, before any import
        DbTest::InsertProject(kProject, QStringLiteral("P-1"));
    }

    void cleanup()
    {
        CKLN_TQ420DataBase::ReleaseInstance();
        QFileManager::ReleaseInstance();
        m_data.reset();
        TQ_VERIFY_NO_WARNINGS();
    }

    void importsEveryKindOfSource_data()
    {
        QTest::addColumn<QString>("video");
        QTest::addColumn<QStringList>("beside");
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("road");
        QTest::addColumn<int>("defects");
        QTest::addColumn<bool>("noted"); // why the RTV file is not the one beside the video
        const int v1025 = ManifestDefectCount(QStringLiteral("rtv/v1025.rtv"));
        QTest::newRow("rtv beside")
            << "road.mp4" << QStringList{"rtv/v1025.rtv"} << int(CVideoImporter::RtvCopied)
            << "River Avenue" << v1025 << false;
        QTest::newRow("description beside")
            << "road.mp4" << QStringList{"bmw/good.xml"} << int(CVideoImporter::RtvConverted)
            << "Harbour Road No.3" << 0 << true;
        QTest::newRow("nothing beside")
            << "road.mp4" << QStringList{} << int(CVideoImporter::RtvEmpty) << "" << 0 << true;
        QTest::newRow("broken rtv, description")
            << "road.mp4" << QStringList{"rtv/notsqlite.rtv", "bmw/good.xml"}
            << int(CVideoImporter::RtvConverted) << "Harbour Road No.3" << 0 << true;
        QTest::newRow("broken rtv only") << "clip.rmvb" << QStringList{"rtv/empty.rtv"}
                                         << int(CVideoImporter::RtvEmpty) << "" << 0 << true;
        QTest::newRow("broken description") << "road.3gp" << QStringList{"bmw/malformed.xml"}
                                            << int(CVideoImporter::RtvEmpty) << "" << 0 << true;
        QTest::newRow("hostile texts")
            << "人民路'东段 1.mp4" << QStringList{"rtv/hostile.rtv"}
            << int(CVideoImporter::RtvCopied) << "人民路'东段"
            << ManifestDefectCount(QStringLiteral("rtv/hostile.rtv")) << false;
    }

    void importsEveryKindOfSource()
    {
        QFETCH(QString, video);
        QFETCH(QStringList, beside);
        QFETCH(int, source);
        QFETCH(QString, road);
        QFETCH(int, defects);
        QFETCH(bool, noted);
        QTemporaryDir sources;
        const QString path = MakeSourceVideo(sources, video, beside);

        CFileRTV file;
        const CVideoImporter::Result result = CVideoImporter::ImportOne(path, kProject, file, true);
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(int(result.source), source);
        QCOMPARE(result.note.isEmpty(), !noted);
        QCOMPARE(result.defects, defects);

        const QVedioInfo &info = result.info;
        QCOMPARE(info.strHashCode.size(), 15);
        QVERIFY(info.strHashCode.startsWith(kProject));
        QCOMPARE(info.strProHashCode, kProject);
        QCOMPARE(info.strRoadName, road);
        QCOMPARE(info.iDefectNums, defects);
        QCOMPARE(info.strRecordDate, QFileInfo(path).lastModified().toString("yyyy-MM-dd"));

        // The video folder holds the copy (key + the source's extension) and the RTV file.
        const QString folder =
            QFileManager::GetInstance()->GetProjectDir(kProject, info.strHashCode);
        const QString extension = video.mid(video.lastIndexOf(QLatin1Char('.')));
        QCOMPARE(info.strVedioFileName, folder + QLatin1Char('/') + info.strHashCode + extension);
        QVERIFY(QFileInfo::exists(info.strVedioFileName));
        const QString rtv = folder + QLatin1Char('/') + info.strHashCode + QStringLiteral(".rtv");
        CFileRTV check;
        QVERIFY(check.open(rtv));
        QVERIFY(check.getFileRTVVersion() == 1025);
        QVERIFY(check.TraversalFile() || source == CVideoImporter::RtvEmpty);
        QCOMPARE(check.GetDefectList().size(), defects);
        check.close();

        // One defect row per defect, keyed by the video; the source folder is untouched.
        QCOMPARE(DbTest::Count(QStringLiteral("DefectInfo"),
                               QStringLiteral("VedioHashCode = '%1'").arg(info.strHashCode)),
                 defects);
        if (defects > 0)
            QCOMPARE(DbTest::Scalar(QStringLiteral("select distinct RoadName from DefectInfo"))
                         .toString(),
                     road);
        QCOMPARE(QDir(sources.path()).entryList(QDir::Files).size(), 1 + beside.size());
        // The importer stores the row with the defects.
        QCOMPARE(DbTest::Rows(QStringLiteral("select HashCode, RoadName, iDefectNums from "
                                             "VedioCount")),
                 QList<QVariantList>({{info.strHashCode, road, defects}}));
    }

    void failuresLeaveNothingBehind()
    {
        QTemporaryDir sources;
        CFileRTV file;
        CVideoImporter::Result missing = CVideoImporter::ImportOne(
            sources.filePath(QStringLiteral("none.mp4")), kProject, file, true);
        QVERIFY(!missing.ok);
        QVERIFY(!missing.error.isEmpty());

        // A project key that is no plain folder name never reaches the disk.
        const QString path = MakeSourceVideo(sources, QStringLiteral("road.mp4"), {});
        for (const QString &key :
             {QStringLiteral("../../outside"), QStringLiteral("/tmp"), QString()}) {
            const CVideoImporter::Result refused = CVideoImporter::ImportOne(path, key, file, true);
            QVERIFY(!refused.ok);
        }
        QCOMPARE(QDir(QFileManager::GetInstance()->GetRootDir())
                     .entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList({QStringLiteral("Temp"), QStringLiteral("Template")}));
    }

    // Every failure is told, and leaves no folder, no row and no defect row behind.
    void failuresAreToldAndLeaveNothing_data()
    {
        QTest::addColumn<QString>("refusal"); // what goes wrong
        QTest::newRow("rtv beside cannot be copied") << "rtv folder";
        QTest::newRow("row refused") << "row trigger";
        QTest::newRow("defect rows refused") << "defect trigger";
    }

    void failuresAreToldAndLeaveNothing()
    {
        QFETCH(QString, refusal);
        QTemporaryDir sources;
        const QString path =
            MakeSourceVideo(sources, QStringLiteral("road.mp4"), {QStringLiteral("rtv/v1025.rtv")});
        if (refusal == QLatin1String("rtv folder")) {
            // What the copy meets stands in for a full disk: the RTV file is not copied.
            QVERIFY(QFile::remove(sources.filePath(QStringLiteral("road.rtv"))));
            QVERIFY(QDir(sources.path()).mkdir(QStringLiteral("road.rtv")));
        }
        const QString table = refusal == QLatin1String("row trigger") ? "VedioCount" : "DefectInfo";
        if (refusal != QLatin1String("rtv folder"))
            DbTest::Exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON %1 BEGIN "
                                        "SELECT RAISE(ABORT, 'refused'); END")
                             .arg(table));

        CFileRTV file;
        const CVideoImporter::Result result = CVideoImporter::ImportOne(path, kProject, file, true);
        QVERIFY(!result.ok);
        QVERIFY(!result.error.isEmpty());
        QCOMPARE(DbTest::Count(QStringLiteral("VedioCount")), 0);
        QCOMPARE(DbTest::Count(QStringLiteral("DefectInfo")), 0);
        QCOMPARE(QDir(QFileManager::GetInstance()->GetRootDir() + "/" + kProject)
                     .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
    }

    // What killed imports leave is removed at the start of the next one; nothing else is.
    void sessionRemovesLeftovers()
    {
        const QString root = QFileManager::GetInstance()->GetRootDir();
        const QString project = root + "/" + kProject;
        const QStringList folders = {
            kProject + "AAAA1",      // no row: a killed import's
            kProject + "AAAA2",      // a video row points to it
            kProject + "AAAA3",      // only defect rows point to it
            kProject + "aaaa4",      // not a key of this program
            QStringLiteral("Other"), // not a key
        };
        for (const QString &folder : folders) {
            QVERIFY(QDir().mkpath(project + "/" + folder));
            QFile part(project + "/" + folder + "/" + folder + ".mp4.part");
            QVERIFY(part.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir().mkpath(root + "/NOTAKEY/NOTAKEYAAAA1")); // not in a project folder
        DbTest::InsertVideo(kProject, kProject + "AAAA2");
        DbTest::InsertDefectRow(kProject + "AAAA3", 100, QStringLiteral("Road"));

        {
            // Another process importing: its folders are not touched.
            const int other = ::open(QFile::encodeName(root + "/.import.lock").constData(),
                                     O_RDWR | O_CREAT, 0644);
            QVERIFY(other >= 0);
            QCOMPARE(::flock(other, LOCK_SH), 0);
            const CImportSession session;
            QCOMPARE(session.RemovedCount(), 0);
            ::close(other);
        }
        QVERIFY(QDir(project + "/" + kProject + "AAAA1").exists());

        const CImportSession session;
        QCOMPARE(session.RemovedCount(), 3); // the folder without rows, two ".part" files
        QCOMPARE(QDir(project).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList({QStringLiteral("Other"), kProject + "AAAA2", kProject + "AAAA3",
                              kProject + "aaaa4"}));
        QVERIFY(!QFile::exists(project + "/" + kProject + "AAAA2/" + kProject + "AAAA2.mp4.part"));
        QVERIFY(!QFile::exists(project + "/" + kProject + "AAAA3/" + kProject + "AAAA3.mp4.part"));
        QVERIFY(QFile::exists(project + "/" + kProject + "aaaa4/" + kProject + "aaaa4.mp4.part"));
        QVERIFY(QDir(root + "/NOTAKEY/NOTAKEYAAAA1").exists());
    }

    // The user's summary: counts, then each video that fell back or failed with the reason.
    void summaryTellsEachFallbackAndFailure()
    {
        QTemporaryDir sources;
        const QString copied =
            MakeSourceVideo(sources, QStringLiteral("a.mp4"), {QStringLiteral("rtv/v1025.rtv")});
        const QString converted =
            MakeSourceVideo(sources, QStringLiteral("b.mp4"), {QStringLiteral("bmw/good.xml")});
        const QString brokenRtv = MakeSourceVideo(sources, QStringLiteral("c.mp4"),
                                                  {QStringLiteral("rtv/notsqlite.rtv")});
        const QString missing = sources.filePath(QStringLiteral("d.mp4"));
        CImportSummary summary;
        CFileRTV file;
        for (const QString &path : {copied, converted, brokenRtv, missing})
            summary.Add(path, CVideoImporter::ImportOne(path, kProject, file, true));
        QCOMPARE(summary.Imported(), 3);
        QCOMPARE(summary.Failed(), 1);
        QVERIFY(summary.HasProblems());
        const QStringList lines = summary.Text().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines.at(0), QStringLiteral("3 of 4 videos imported: 1 from their RTV file, 1 "
                                             "from their video description file, 1 with an "
                                             "empty RTV file; 1 not imported."));
        QCOMPARE(lines.at(1), converted + ": from the video description file: there is no RTV "
                                          "file beside the video.");
        QVERIFY2(lines.at(2).startsWith(brokenRtv + ": with an empty RTV file: the RTV file "
                                                    "beside the video could not be read."),
                 qPrintable(lines.at(2)));
        QCOMPARE(lines.at(3), missing + ": not imported: the video file does not exist");

        CImportSummary plain;
        plain.Add(copied, CVideoImporter::ImportOne(copied, kProject, file, true));
        QVERIFY(!plain.HasProblems());
    }

    // On Linux a backslash is part of a file name: "a\\b.mp4" is that file, not "a/b.mp4".
    void backslashIsPartOfTheName()
    {
        QTemporaryDir sources;
        QVERIFY(QDir(sources.path()).mkdir(QStringLiteral("a")));
        QFile other(sources.filePath(QStringLiteral("a/b.mp4")));
        QVERIFY(other.open(QIODevice::WriteOnly) && other.write("the other video") > 0);
        other.close();
        const QString path = MakeSourceVideo(sources, QStringLiteral("a\\b.mp4"), {});
        CFileRTV file;
        const CVideoImporter::Result result = CVideoImporter::ImportOne(path, kProject, file, true);
        QVERIFY2(result.ok, qPrintable(result.error));
        QFile copy(result.info.strVedioFileName);
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QFile source(path);
        QVERIFY(source.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), source.readAll());
    }

    void keysDifferWithinOneMillisecond()
    {
        QTemporaryDir sources;
        const QString path = MakeSourceVideo(sources, QStringLiteral("road.mp4"), {});
        CFileRTV file;
        QSet<QString> keys;
        for (int i = 0; i < 12; ++i) {
            const CVideoImporter::Result result =
                CVideoImporter::ImportOne(path, kProject, file, false);
            QVERIFY(result.ok);
            keys.insert(result.info.strHashCode);
        }
        QCOMPARE(keys.size(), 12);
    }

    void storingDefectsCanBeLeftOut()
    {
        QTemporaryDir sources;
        const QString path =
            MakeSourceVideo(sources, QStringLiteral("road.mp4"), {QStringLiteral("rtv/v0.rtv")});
        CFileRTV file;
        const CVideoImporter::Result result =
            CVideoImporter::ImportOne(path, kProject, file, false);
        QVERIFY(result.ok);
        QVERIFY(result.defects > 0);
        QCOMPARE(DbTest::Count(QStringLiteral("DefectInfo")), 0);
        // The old file beside the video stays as it was; its copy was migrated.
        QCOMPARE(QFileInfo(sources.filePath(QStringLiteral("road.rtv"))).size(),
                 QFileInfo(TestSupport::SamplePath(QStringLiteral("rtv/v0.rtv"))).size());
    }

private:
    std::unique_ptr<QTemporaryDir> m_data;
};

QTEST_GUILESS_MAIN(TestVideoImport)
#include "tst_videoimport.moc"
