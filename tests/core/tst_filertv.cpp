// Reading and writing RTV inspection files, checked against the generator's manifest.
#include <QtTest>

#include <QBuffer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "core/inspection/cfilertv.h"
#include "support/testsupport.h"

namespace {
QJsonObject Manifest()
{
    QFile file(TestSupport::SamplePath(QStringLiteral("manifest.json")));
    file.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("rtv")).toObject();
}

QJsonObject ManifestOf(const QString &name)
{
    return Manifest().value(name).toObject();
}

// Runs one statement on a file with a connection of the test's own.
QVariant QueryValue(const QString &path, const QString &statement)
{
    QVariant value;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        if (query.exec(statement) && query.next())
            value = query.value(0);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    return value;
}

QStringList ImageFiles(const QTemporaryDir &dir)
{
    return QDir(dir.filePath(QStringLiteral("Images"))).entryList(QDir::Files, QDir::Name);
}

void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

CDefectItem MakeDefect(int timeIndex, float distance, const QString &org, const QString &annotated)
{
    CDefectItem item;
    item.nTimeIndex = timeIndex;
    item.curTime = QTime(0, 1, 2);
    item.strOrgImgPath = org;
    item.strDefectImgPath = annotated;
    item.defectParam.DefectName = 3;
    item.defectParam.DefectProperty = 0;
    item.defectParam.DefectLevel = 2;
    item.defectParam.fDistance = distance;
    item.defectParam.strRemark = QStringLiteral("人民路'东段 remark");
    CVectorGraphItem line;
    line.nType = CVectorGraphItem::Line;
    line.pt2 = QPointF(10, 20);
    item.listVectorGraph << line;
    return item;
}
} // namespace

class TestFileRTV : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::InstallWarningRecorder();
        QVERIFY2(!Manifest().isEmpty(), "sample data missing: run the sampledata fixture");
    }
    void cleanup() { TQ_VERIFY_NO_WARNINGS(); }

    void readsEverySample_data()
    {
        QTest::addColumn<QString>("name");
        const QJsonObject manifest = Manifest();
        for (auto it = manifest.begin(); it != manifest.end(); ++it)
            QTest::newRow(qPrintable(it.key())) << it.key();
    }

    void readsEverySample()
    {
        QFETCH(QString, name);
        const QJsonObject expected = ManifestOf(name);
        QTemporaryDir dir;
        const QString path = TestSupport::CopySample(name, dir);
        const QByteArray before = TestSupport::FileBytes(path);

        CFileRTV file;
        QVERIFY(file.open(path));
        QCOMPARE(file.getFileRTVVersion(), expected.value("version").toInt());
        const bool readable = expected.value("readable").toBool();
        QCOMPARE(file.TraversalFile(), readable);
        if (!readable) {
            file.close();
            QCOMPARE(TestSupport::FileBytes(path), before); // a file that is no RTV file is left alone
            return;
        }

        const QJsonObject header = expected.value("header").toObject();
        const ProjectParam &project = file.GetProjectParam();
        if (!header.isEmpty()) {
            QCOMPARE(project.strTester, header.value("strTester").toString());
            QCOMPARE(project.strTestUnit, header.value("strTestUnit").toString());
            QCOMPARE(project.strTestDevice, header.value("strTestDevice").toString());
            QCOMPARE(project.strTestSite, header.value("strTestSite").toString());
            QCOMPARE(project.strTestDate, header.value("strTestDate").toString());
            QCOMPARE(project.strProjectName, header.contains("strProjectName")
                                                 ? header.value("strProjectName").toString()
                                                 : project.strTestSite);
        }
        QCOMPARE(file.GetPipelineParam().strStartWellID,
                 expected.value("strStartWellID").toString());
        QCOMPARE(file.GetPipelineParam().strEndWellID, expected.value("strEndWellID").toString());

        // Track samples by key: a defect without a distance takes its sample's distance.
        QHash<int, double> track;
        for (const QJsonValue &sample : expected.value("track").toArray())
            track.insert(sample["nTimeIndex"].toInt(), sample["fDistance"].toDouble());
        QCOMPARE(file.GetTrackList().size(), track.size());

        const QJsonArray defects = expected.value("defects").toArray();
        QCOMPARE(file.GetDefectList().size(), defects.size());
        double farthest = expected.value("pipe")["fPipeBranchDepth"].toDouble();
        for (int i = 0; i < defects.size(); ++i) {
            const QJsonObject want = defects.at(i).toObject();
            const CDefectItem &got = file.GetDefectList().at(i);
            QCOMPARE(got.nTimeIndex, want.value("nTimeIndex").toInt());
            QCOMPARE(got.TimeText(), want.value("strCurTime").toString());
            double distance =
                want.value("paramXmlReadable").toBool() ? want.value("fDistance").toDouble() : 0;
            if (qFuzzyIsNull(distance) && track.contains(got.nTimeIndex))
                distance = track.value(got.nTimeIndex);
            QCOMPARE(got.defectParam.fDistance, float(distance));
            farthest = qMax(farthest, distance);
            if (want.value("paramXmlReadable").toBool()) {
                QCOMPARE(got.defectParam.DefectName, want.value("DefectName").toInt());
                QCOMPARE(got.defectParam.DefectLevel, want.value("DefectLevel").toInt());
                QCOMPARE(got.defectParam.strRemark, want.value("strRemark").toString());
            }
            if (want.value("vectorXmlReadable").toBool())
                QCOMPARE(got.listVectorGraph.size(), want.value("shapes").toArray().size());
            const QString interpretDate = want.value("strInterpretDate").toString();
            QCOMPARE(got.defectParam.strInterpretDate,
                     interpretDate.isEmpty() || !want.value("paramXmlReadable").toBool()
                         ? project.strTestDate + QLatin1Char(' ') + got.TimeText()
                         : interpretDate);
            QCOMPARE(QFileInfo::exists(got.strOrgImgPath), want.value("imgDataOrgIsPng").toBool());
            QCOMPARE(QFileInfo::exists(got.strDefectImgPath),
                     want.value("imgDataDefectIsPng").toBool());
            QCOMPARE(got.strOrgImgPath,
                     dir.filePath(QStringLiteral("Images/%1_org.png").arg(got.nTimeIndex)));
        }
        if (expected.value("pipe")["xmlReadable"].toBool()) {
            QCOMPARE(file.GetPipelineParam().fPipeBranchDepth, float(farthest));
            QCOMPARE(file.GetPipelineParam().fPipeSectionLen,
                     float(qMax(farthest, expected.value("fPipeSectionLen").toDouble())));
        }
        QCOMPARE(project.bIsInterpretation,
                 !defects.isEmpty() || header.value("bIsInterpretation").toBool());
        // A written frame is the blob itself, byte for byte.
        for (const CDefectItem &defect : file.GetDefectList())
            if (QFileInfo::exists(defect.strOrgImgPath))
                QCOMPARE(TestSupport::FileBytes(defect.strOrgImgPath),
                         QueryValue(path,
                                    QStringLiteral(
                                        "select imgDataOrg from DefectsFound where nTimeIndex = %1")
                                        .arg(defect.nTimeIndex))
                             .toByteArray());
    }

    void migratesOlderVersions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("migrates");
        QTest::newRow("v0") << "rtv/v0.rtv" << true;
        QTest::newRow("v1") << "rtv/v1.rtv" << true;
        QTest::newRow("v1024") << "rtv/v1024.rtv" << true;
        QTest::newRow("v1025") << "rtv/v1025.rtv" << false;
    }

    void migratesOlderVersions()
    {
        QFETCH(QString, name);
        QFETCH(bool, migrates);
        const QJsonObject header = ManifestOf(name).value("header").toObject();
        QTemporaryDir dir;
        const QString path = TestSupport::CopySample(name, dir);
        CFileRTV file;
        QVERIFY(file.open(path));
        QVERIFY(file.queryProjectParam());
        // Before any marking: the values of the old columns, the defaults of the missing ones.
        QCOMPARE(file.GetProjectParam().bIsInterpretation,
                 header.value("bIsInterpretation").toBool());
        if (!header.contains("strProjectName"))
            QCOMPARE(file.GetProjectParam().strProjectName, file.GetProjectParam().strTestSite);
        QCOMPARE(file.getFileRTVVersion(), 1025);
        file.close();

        const QString backup =
            QStringLiteral("select count(*) from sqlite_master where name = 'ProjectParam_bk'");
        QCOMPARE(QueryValue(path, backup).toInt(), migrates ? 1 : 0);
        QCOMPARE(QueryValue(path, QStringLiteral("select count(*) from ProjectParam")).toInt(), 1);
        QCOMPARE(
            QueryValue(path, QStringLiteral("select strTestSite from ProjectParam where id = 1"))
                .toString(),
            header.value("strTestSite").toString());
    }

    void missingHeaderRowTakesRecordDate()
    {
        QTemporaryDir dir;
        const QString path = TestSupport::CopySample(QStringLiteral("rtv/noheader.rtv"), dir);
        CFileRTV file;
        QVERIFY(file.open(path));
        QVERIFY(file.TraversalFile());
        QCOMPARE(file.GetProjectParam().strTestDate, QStringLiteral("2018-08-15"));
        file.setAVIParam(QStringLiteral("/videos/a.mp4"), QStringLiteral("2021-03-04"));
        QVERIFY(file.TraversalFile());
        QCOMPARE(file.GetProjectParam().strTestDate, QStringLiteral("2021-03-04"));
        QVERIFY(file.GetProjectParam().strProjectName.isEmpty());
    }

    void existingImagesAreKept()
    {
        QTemporaryDir dir;
        const QString path = TestSupport::CopySample(QStringLiteral("rtv/v1025.rtv"), dir);
        const int first = ManifestOf(QStringLiteral("rtv/v1025.rtv"))
                              .value("defects")
                              .toArray()
                              .at(0)["nTimeIndex"]
                              .toInt();
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Images")));
        const QString marked = dir.filePath(QStringLiteral("Images/%1_org.png").arg(first));
        WriteBytes(marked, "edited by hand");
        CFileRTV file;
        QVERIFY(file.open(path));
        QVERIFY(file.TraversalFile());
        QCOMPARE(TestSupport::FileBytes(marked), QByteArray("edited by hand"));
        QCOMPARE(ImageFiles(dir).size(), 2 * file.GetDefectList().size());
    }

    void trackDistanceCanBeSwitchedOff()
    {
        const QJsonObject expected = ManifestOf(QStringLiteral("rtv/v1025.rtv"));
        QTemporaryDir dir;
        const QString path = TestSupport::CopySample(QStringLiteral("rtv/v1025.rtv"), dir);
        CFileRTV file;
        file.SetUseTrackDistance(false);
        QVERIFY(file.open(path));
        QVERIFY(file.TraversalFile());
        QVERIFY(file.GetTrackList().isEmpty());
        bool sawZero = false;
        for (int i = 0; i < file.GetDefectList().size(); ++i) {
            QCOMPARE(file.GetDefectList().at(i).defectParam.fDistance,
                     float(expected.value("defects").toArray().at(i)["fDistance"].toDouble()));
            sawZero = sawZero || file.GetDefectList().at(i).defectParam.fDistance == 0.0f;
        }
        QVERIFY2(sawZero, "the sample should hold a defect without a distance");
        QCOMPARE(file.GetRobotState(123456).nTimeIndex, -1);
    }

    void interpretedMarkIsStored()
    {
        QTemporaryDir dir;
        const QString path = TestSupport::CopySample(QStringLiteral("rtv/v1025.rtv"), dir);
        QCOMPARE(
            QueryValue(path, QStringLiteral("select bIsInterpretation from ProjectParam")).toInt(),
            0);
        {
            CFileRTV file;
            QVERIFY(file.open(path));
            QVERIFY(file.TraversalFile());
            QVERIFY(file.GetProjectParam().bIsInterpretation);
        }
        QCOMPARE(
            QueryValue(path, QStringLiteral("select bIsInterpretation from ProjectParam")).toInt(),
            1);

        CFileRTV file;
        QVERIFY(file.open(path));
        file.SetIsInterpretation(false);
        QCOMPARE(
            QueryValue(path, QStringLiteral("select bIsInterpretation from ProjectParam")).toInt(),
            0);
    }

    // Only a sound PNG frame becomes an image file, as it is: bytes after its end or a text
    // are never decoded.
    void onlySoundFramesAreWritten()
    {
        QTemporaryDir dir;
        const QString path = TestSupport::CopySample(QStringLiteral("rtv/nodefects.rtv"), dir);
        QImage frame(32, 24, QImage::Format_RGB32);
        frame.fill(Qt::darkGreen);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(frame.save(&buffer, "PNG"));
        const QString org = dir.filePath(QStringLiteral("trailing.png"));
        const QString annotated = dir.filePath(QStringLiteral("text.png"));
        WriteBytes(org, png + "bytes after the end");
        WriteBytes(annotated, "not an image");
        {
            CFileRTV file;
            QVERIFY(file.open(path));
            QVERIFY(file.InsertDefectItem(MakeDefect(7000, 1.0f, org, annotated)));
        }
        CFileRTV file;
        QVERIFY(file.open(path));
        QVERIFY(file.TraversalFile());
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("Images/7000_org.png"))));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("Images/7000_defect.png"))));

        WriteBytes(org, png);
        QVERIFY(file.InsertDefectItem(MakeDefect(8000, 1.0f, org, annotated)));
        QVERIFY(file.TraversalFile());
        QCOMPARE(TestSupport::FileBytes(dir.filePath(QStringLiteral("Images/8000_org.png"))), png);
    }

    void insertUpdateDeleteDefects()
    {
        QTemporaryDir dir;
        const QString path = TestSupport::CopySample(QStringLiteral("rtv/nodefects.rtv"), dir);
        const QString org = dir.filePath(QStringLiteral("frame_org.png"));
        const QString annotated = dir.filePath(QStringLiteral("frame_defect.png"));
        WriteBytes(org, "original frame");
        WriteBytes(annotated, "annotated frame");

        CFileRTV file;
        QVERIFY(file.open(path));
        QVERIFY(file.TraversalFile());
        for (int i = 0; i < 5; ++i)
            QVERIFY(file.InsertDefectItem(MakeDefect(
                1000 * (i + 1), 2.0f * i, org, i == 4 ? dir.filePath("missing.png") : annotated)));
        QCOMPARE(file.GetDefectList().size(), 5);
        QVERIFY(!file.InsertDefectItem(MakeDefect(1000, 0, org, annotated))); // key taken
        QCOMPARE(file.GetDefectList().size(), 5);
        QCOMPARE(QueryValue(path, "select imgDataOrg from DefectsFound where nTimeIndex = 1000")
                     .toByteArray(),
                 QByteArray("original frame"));
        QCOMPARE(QueryValue(
                     path, "select length(imgDataDefect) from DefectsFound where nTimeIndex = 5000")
                     .toInt(),
                 0);

        CDefectItem changed = file.GetDefectList().at(1);
        changed.defectParam.DefectLevel = 3;
        changed.defectParam.strRemark = QStringLiteral("O'Brien; --");
        changed.curTime = QTime(5, 5, 5);
        WriteBytes(annotated, "re-annotated");
        QVERIFY(file.UpdateDefectItem(changed));
        QCOMPARE(QueryValue(path, "select imgDataDefect from DefectsFound where nTimeIndex = 2000")
                     .toByteArray(),
                 QByteArray("re-annotated"));
        QCOMPARE(QueryValue(path, "select imgDataOrg from DefectsFound where nTimeIndex = 2000")
                     .toByteArray(),
                 QByteArray("original frame"));
        QCOMPARE(QueryValue(path, "select strCurTime from DefectsFound where nTimeIndex = 2000")
                     .toString(),
                 QStringLiteral("00:01:02"));
        // A new unannotated frame is stored; without one the stored frame stays.
        WriteBytes(org, "re-captured frame");
        QVERIFY(file.UpdateDefectItem(changed));
        changed.strOrgImgPath = dir.filePath(QStringLiteral("missing.png"));
        QVERIFY(file.UpdateDefectItem(changed));
        QCOMPARE(QueryValue(path, "select imgDataOrg from DefectsFound where nTimeIndex = 2000")
                     .toByteArray(),
                 QByteArray("re-captured frame"));
        // A defect the file does not hold is not reported as updated.
        CDefectItem absent = changed;
        absent.nTimeIndex = 424242;
        QVERIFY(!file.UpdateDefectItem(absent));

        // Read back: the images of the file go into Images, the parameters survive.
        QVERIFY(file.TraversalFile());
        QCOMPARE(file.GetDefectList().size(), 5);
        const CDefectItem &reread = file.GetDefectList().at(1);
        QCOMPARE(reread.defectParam.DefectLevel, 3);
        QCOMPARE(reread.defectParam.strRemark, QStringLiteral("O'Brien; --"));
        QCOMPARE(reread.listVectorGraph.size(), 1);
        QCOMPARE(reread.listVectorGraph.at(0).pt2, QPointF(10, 20));

        WriteBytes(file.GetDefectList().at(2).strOrgImgPath, "x");
        const QString thirdImage = file.GetDefectList().at(2).strOrgImgPath;
        QCOMPARE(file.DeleteDefectItem(2), 1); // the third of five
        QVERIFY(!QFileInfo::exists(thirdImage));
        QCOMPARE(file.DeleteDefectItem(0), -1); // the first
        QCOMPARE(file.DeleteDefectItem(7), -1); // outside the list
        QCOMPARE(file.DeleteDefectItem(-1), -1);
        QCOMPARE(file.GetDefectList().size(), 3);
        QCOMPARE(file.DeleteDefectItem(2), 1);
        QCOMPARE(file.DeleteDefectItem(1), 0);
        QCOMPARE(file.DeleteDefectItem(0), -1); // the only one
        QVERIFY(file.GetDefectList().isEmpty());
        QCOMPARE(QueryValue(path, "select count(*) from DefectsFound").toInt(), 0);
    }

    void hostileTextsRoundTrip()
    {
        const QStringList values = {QStringLiteral("人民路'东段"),
                                    QStringLiteral("O'Brien \"Bob\"; --"),
                                    QStringLiteral("%2 and %1'"), QStringLiteral("A&B <Unit> ''"),
                                    QStringLiteral("'); DROP TABLE DefectsFound; --")};
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("new.rtv"));
        CFileRTV file;
        QVERIFY(file.open(path, CFileRTV::OpenCreate));
        for (int round = 0; round < 2; ++round) { // first the inserts, then the updates
            ProjectParam &header = file.GetProjectParam();
            header.strTester = values.at((round + 0) % 5);
            header.strTestUnit = values.at((round + 1) % 5);
            header.strTestDevice = values.at((round + 2) % 5);
            header.strTestSite = values.at((round + 3) % 5);
            header.strTestDate = values.at((round + 4) % 5);
            header.strProjectName = values.at(round % 5) + QStringLiteral("!");
            QVERIFY(file.UpdateProjectParam());
            PipelineParam &pipe = file.GetPipelineParam();
            pipe.strStartWellID = values.at(0);
            pipe.strEndWellID = values.at(1);
            pipe.strRemark = values.at((round + 2) % 5);
            pipe.startWell.strWellDefect = values.at((round + 3) % 5);
            QVERIFY(file.UpdatePipelineParam());

            CFileRTV reader;
            QVERIFY(reader.open(path));
            QVERIFY(reader.TraversalFile());
            const ProjectParam &got = reader.GetProjectParam();
            QCOMPARE(got.strTester, header.strTester);
            QCOMPARE(got.strTestUnit, header.strTestUnit);
            QCOMPARE(got.strTestDevice, header.strTestDevice);
            QCOMPARE(got.strTestSite, header.strTestSite);
            QCOMPARE(got.strTestDate, header.strTestDate);
            QCOMPARE(got.strProjectName, header.strProjectName);
            QVERIFY(got.bIsInterpretation);
            QCOMPARE(reader.GetPipelineParam().strStartWellID, values.at(0));
            QCOMPARE(reader.GetPipelineParam().strEndWellID, values.at(1));
            QCOMPARE(reader.GetPipelineParam().strRemark, pipe.strRemark);
            QCOMPARE(reader.GetPipelineParam().startWell.strWellDefect,
                     pipe.startWell.strWellDefect);
        }
        QCOMPARE(QueryValue(path, "select count(*) from PipelineParam").toInt(), 1);
        QCOMPARE(QueryValue(path, "select count(*) from ProjectParam").toInt(), 1);
    }

    void unusableFiles()
    {
        QTemporaryDir dir;
        CFileRTV file;
        QVERIFY(!file.open(dir.filePath(QStringLiteral("missing.rtv"))));
        QVERIFY(!file.isOpen());
        QVERIFY(!file.TraversalFile());
        QVERIFY(
            !file.open(dir.filePath(QStringLiteral("no/such/folder/x.rtv")), CFileRTV::OpenCreate));
    }

    void usableFromAnotherThread()
    {
        QTemporaryDir dir;
        const QString path = TestSupport::CopySample(QStringLiteral("rtv/v1025.rtv"), dir);
        CFileRTV file;
        QVERIFY(file.open(path));
        bool read = false;
        QScopedPointer<QThread> worker(QThread::create([&] {
            read = file.TraversalFile();
            file.close();
        }));
        worker->start();
        QVERIFY(worker->wait(30000));
        QVERIFY(read);
        QCOMPARE(file.GetDefectList().size(),
                 ManifestOf(QStringLiteral("rtv/v1025.rtv")).value("defectCount").toInt());
    }
};

QTEST_GUILESS_MAIN(TestFileRTV)
#include "tst_filertv.moc"
