// The import of one video into a project: key and folder, the video copy, the RTV file
// (copied, converted or empty, with fall-backs), the defect rows and the video record.
#include <QtTest>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "core/database/ckln_tq420database.h"
#include "core/files/cvideoimporter.h"
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
        QTest::addColumn<bool>("noted");
        const int v1025 = ManifestDefectCount(QStringLiteral("rtv/v1025.rtv"));
        QTest::newRow("rtv beside")
            << "road.mp4" << QStringList{"rtv/v1025.rtv"} << int(CVideoImporter::RtvCopied)
            << "River Avenue" << v1025 << false;
        QTest::newRow("description beside")
            << "road.mp4" << QStringList{"bmw/good.xml"} << int(CVideoImporter::RtvConverted)
            << "Harbour Road No.3" << 0 << false;
        QTest::newRow("nothing beside")
            << "road.mp4" << QStringList{} << int(CVideoImporter::RtvEmpty) << "" << 0 << false;
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
        QVERIFY(CKLN_TQ420DataBase::GetInstance()->InsertVideoRow(info));
        QCOMPARE(DbTest::Scalar(QStringLiteral("select RoadName from VedioCount")).toString(),
                 road);
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
