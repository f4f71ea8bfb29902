// The named operations of the project database: defect rows with their texts and keys,
// updates and deletes, counts for paging, key lists, the defect sheet and the page
// conditions, with hostile texts in every value; the generic row helpers.
#include <QtTest>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "core/common/appdatadir.h"
#include "core/common/clanguagesettings.h"
#include "core/common/sqlquote.h"
#include "core/database/ckln_tq420database.h"
#include "core/files/qvedioinfo.h"
#include "core/inspection/cdefectvocabulary.h"
#include "core/inspection/cfilertv.h"
#include "core/settings/qsysteminfo.h"
#include "support/dbtestsupport.h"
#include "support/testsupport.h"

namespace {
const QString kProject = QStringLiteral("PROJECT001");
const QString kVideo = QStringLiteral("PROJECT001V0001");

QJsonObject ManifestOf(const QString &name)
{
    QFile file(TestSupport::SamplePath(QStringLiteral("manifest.json")));
    file.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(file.readAll())
        .object()
        .value("rtv")
        .toObject()
        .value(name)
        .toObject();
}

QString PositionOf(double distance, int start, int end)
{
    return QString::asprintf("Vertical %.3f meters, ring to %02d%02d", distance, start, end);
}

QVariantList DefectRow(const QString &key)
{
    return DbTest::Rows("SELECT * FROM DefectInfo WHERE HashCode = ?", {key}).value(0);
}

const QStringList &HostileTexts()
{
    static const QStringList texts = {
        QStringLiteral("人民路'东段"),
        QStringLiteral("O'Brien \"Bob\"; DROP TABLE DefectInfo; --"),
        QStringLiteral("'); DELETE FROM ProjectDetail; --"),
        QStringLiteral("%1 %2 '%3' \\ ''"),
        QStringLiteral("a--b;/* c */ OR 1=1"),
    };
    return texts;
}
} // namespace

class TestDatabaseOps : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::InstallWarningRecorder();
        DbTest::PrepareSuite(m_settingsDir.path());
        QVERIFY2(!ManifestOf("rtv/v1025.rtv").isEmpty(),
                 "sample data missing: run the sampledata fixture");
    }
    void init()
    {
        m_dir = DbTest::FreshDataFolder();
        m_db = CKLN_TQ420DataBase::GetInstance();
    }
    void cleanup()
    {
        CKLN_TQ420DataBase::ReleaseInstance();
        TQ_VERIFY_NO_WARNINGS();
    }
    void cleanupTestCase() { DataFolder::SetAppDataDir(QString()); }

    void keys()
    {
        QCOMPARE(CKLN_TQ420DataBase::DefectKey(kVideo, 9500),
                 QStringLiteral("PROJECT001V0001D_9500"));
        QCOMPARE(CKLN_TQ420DataBase::DefectKey(kVideo, 0), QStringLiteral("PROJECT001V0001D_0"));
        QCOMPARE(CKLN_TQ420DataBase::DefectKey(kVideo, 7).mid(17), QStringLiteral("7"));
        QCOMPARE(CKLN_TQ420DataBase::ProjectKeyOfVideo(kVideo), kProject);
    }

    // The defects of a real inspection file, read, evaluated and stored one by one or as
    // one batch: keys, texts and pipe columns.
    void defectsOfAnInspectionFile_data()
    {
        QTest::addColumn<QString>("sample");
        QTest::addColumn<bool>("batch");
        for (const char *sample : {"rtv/v1025.rtv", "rtv/hostile.rtv", "rtv/v0.rtv"}) {
            QTest::newRow(qPrintable(QString(sample) + " one by one")) << sample << false;
            QTest::newRow(qPrintable(QString(sample) + " batch")) << sample << true;
        }
    }
    void defectsOfAnInspectionFile()
    {
        QFETCH(QString, sample);
        QFETCH(bool, batch);
        const QJsonObject expected = ManifestOf(sample);
        QTemporaryDir dir;
        CFileRTV file;
        QVERIFY(file.open(TestSupport::CopySample(sample, dir)));
        QVERIFY(file.TraversalFile());
        file.Evaluate();
        file.close();
        const QString road = file.GetProjectParam().strTestSite;
        const QString testDate = file.GetProjectParam().strTestDate;
        QCOMPARE(road, expected["header"]["strTestSite"].toString());
        const QList<CDefectItem> &defects = file.GetDefectList();
        QCOMPARE(defects.size(), expected["defectCount"].toInt());
        if (batch) {
            QCOMPARE(
                m_db->InsertDefectItems(road, kVideo, testDate, file.GetPipelineParam(), defects),
                defects.size());
        } else {
            for (const CDefectItem &item : defects)
                QVERIFY(
                    m_db->InsertDefectItem(road, kVideo, testDate, file.GetPipelineParam(), item));
        }

        const QJsonObject pipe = expected["pipe"].toObject();
        QSystemInfo *settings = QSystemInfo::GetInstance();
        const QString pipeType =
            settings->OptionList(QSystemInfo::PipeType)->itemAt(pipe["nPipeSectionType"].toInt());
        const QString material = settings->OptionList(QSystemInfo::PipeMaterial)
                                     ->itemAt(pipe["nPipeSectionMaterial"].toInt());
        const QStringList names = CDefectVocabulary::DefectNameList();
        const QStringList classes = {"Structural defects", "Functional defects"};
        QCOMPARE(DbTest::Count("DefectInfo",
                               "ProHashCode = 'PROJECT001' AND VedioHashCode = 'PROJECT001V0001'"),
                 defects.size());
        for (const QJsonValue &value : expected["defects"].toArray()) {
            const QJsonObject defect = value.toObject();
            const int timeIndex = defect["nTimeIndex"].toInt();
            const QString key = kVideo + "D_" + QString::number(timeIndex);
            const QVariantList row = DefectRow(key);
            QCOMPARE(row.size(), 18);
            const int code = defect["DefectName"].toInt();
            const int property = defect["DefectProperty"].toInt();
            QCOMPARE(row.mid(0, 5),
                     QVariantList({road,
                                   expected["strStartWellID"].toString() + "~" +
                                       expected["strEndWellID"].toString(),
                                   pipeType, material, pipe["nPipeSectionDiameter"].toInt()}));
            QCOMPARE(row.at(5).toString(),
                     code >= 0 && code < 16 ? names.at(code) : QString("(ZC)Normal"));
            QCOMPARE(row.at(6).toString(),
                     code >= 0 && code < 16
                         ? QString("level %1").arg(defect["DefectLevel"].toInt() + 1)
                         : QString());
            QCOMPARE(row.at(7).toString(),
                     property == 0 || property == 1 ? classes.at(property) : QString());
            // Reading takes the distance from the track and completes a missing
            // interpretation date: those two come from the item as read.
            const auto read =
                std::find_if(defects.begin(), defects.end(),
                             [&](const CDefectItem &d) { return d.nTimeIndex == timeIndex; });
            QVERIFY(read != defects.end());
            QCOMPARE(row.at(8).toString(),
                     PositionOf(double(read->defectParam.fDistance), defect["nRingStart"].toInt(),
                                defect["nRingEnd"].toInt()));
            QCOMPARE(row.at(9).toString(), testDate);
            QCOMPARE(row.at(10).toString(), read->defectParam.strInterpretDate);
            if (!defect["strInterpretDate"].toString().isEmpty())
                QCOMPARE(row.at(10).toString(), defect["strInterpretDate"].toString());
            QCOMPARE(row.mid(11, 2), QVariantList({key, kVideo}));
            QCOMPARE(row.at(13).toString(), defect["strRemark"].toString());
            QVERIFY(
                row.at(14).toString().endsWith(QString("/Images/%1_defect.png").arg(timeIndex)));
            QCOMPARE(row.at(15).toString(), kProject);
            QCOMPARE(row.at(16).toInt(), timeIndex);
            QCOMPARE(row.at(17).toDouble(), defect["fLength"].toDouble());
        }
    }

    void defectTexts_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("property");
        QTest::addColumn<float>("distance");
        QTest::addColumn<int>("ringStart");
        QTest::addColumn<int>("ringEnd");
        QTest::addColumn<QVariantList>("texts"); // name, level, type, position
        QTest::addColumn<QVariant>("sheetLevel");
        QTest::newRow("normal") << -1 << 0 << -1 << 3.0f << 3 << 9
                                << QVariantList({"(ZC)Normal", "", "",
                                                 "Vertical 3.000 meters, ring to 0309"})
                                << QVariant("/");
        QTest::newRow("code beyond the list")
            << 20 << 1 << 0 << 1.0f << 1 << 2
            << QVariantList({"Don't interpretatin", "", "Structural defects",
                             "Vertical 1.000 meters, ring to 0102"})
            << QVariant("/");
        QTest::newRow("rupture level 4")
            << 0 << 3 << 0 << 12.5f << 3 << 9
            << QVariantList({"(PL) Rupture", "level 4", "Structural defects",
                             "Vertical 12.500 meters, ring to 0309"})
            << QVariant(4);
        QTest::newRow("two blanks, functional")
            << 5 << 1 << 1 << 0.0f << 12 << 3
            << QVariantList({"(TJ)  Disjointed", "level 2", "Functional defects",
                             "Vertical 0.000 meters, ring to 1203"})
            << QVariant(2);
    }
    void defectTexts()
    {
        QFETCH(int, code);
        QFETCH(int, level);
        QFETCH(int, property);
        QFETCH(float, distance);
        QFETCH(int, ringStart);
        QFETCH(int, ringEnd);
        QFETCH(QVariantList, texts);
        QFETCH(QVariant, sheetLevel);
        CDefectItem item = DbTest::MakeDefect(42, code, level, property, distance);
        item.defectParam.nRingStart = ringStart;
        item.defectParam.nRingEnd = ringEnd;
        QVERIFY(m_db->InsertDefectItem("Road", kVideo, "2024-03-02", PipelineParam(), item));
        QCOMPARE(DefectRow(kVideo + "D_42").mid(5, 4), texts);
        int rows = -1, columns = -1;
        const QList<QVariantList> sheet = m_db->GetDefectContents(kProject, rows, columns);
        QCOMPARE(rows, 1);
        QCOMPARE(sheet.value(0).value(6), sheetLevel);
    }

    void insertingTwiceFails()
    {
        CDefectItem item = DbTest::MakeDefect(100, 1, 1);
        QVERIFY(m_db->InsertDefectItem("Road", kVideo, "2024-03-02", PipelineParam(), item));
        const QVariantList before = DefectRow(kVideo + "D_100");
        item.defectParam.strRemark = "changed";
        DbTest::LogCapture log;
        QVERIFY(!m_db->InsertDefectItem("Other", kVideo, "2024-03-02", PipelineParam(), item));
        QVERIFY(log.Contains("  ERROR:"));
        QCOMPARE(DefectRow(kVideo + "D_100"), before);
        QCOMPARE(DbTest::Count("DefectInfo"), 1);
    }

    void updatingADefect()
    {
        CDefectItem item = DbTest::MakeDefect(100, 1, 1, 0, 2.0f, 0.5f);
        PipelineParam pipe;
        pipe.strStartWellID = "A";
        pipe.strEndWellID = "B";
        QVERIFY(m_db->InsertDefectItem("Road", kVideo, "2024-03-02", pipe, item));
        const QVariantList before = DefectRow(kVideo + "D_100");
        item.defectParam.DefectName = 10;
        item.defectParam.DefectLevel = 2;
        item.defectParam.DefectProperty = 1;
        item.defectParam.fDistance = 7.25f;
        item.defectParam.fLength = 1.5f;
        item.defectParam.strRemark = "人民路'东段 -- \"x\";";
        item.defectParam.strInterpretDate = "1999-01-01 00:00:00"; // not used: now is stored
        item.strDefectImgPath = "/elsewhere.png";
        const QDateTime start = QDateTime::currentDateTime().addSecs(-1);
        QVERIFY(m_db->UpdateDefectItem(kVideo, item));
        const QVariantList after = DefectRow(kVideo + "D_100");
        QCOMPARE(after.mid(5, 4), QVariantList({"(CJ) Deposition", "level 3", "Functional defects",
                                                "Vertical 7.250 meters, ring to 0309"}));
        const QDateTime stored =
            QDateTime::fromString(after.at(10).toString(), "yyyy-MM-dd hh:mm:ss");
        QVERIFY(stored >= start.addMSecs(-start.time().msec()) &&
                stored <= QDateTime::currentDateTime());
        QCOMPARE(after.at(13).toString(), item.defectParam.strRemark);
        QCOMPARE(after.at(17).toDouble(), 1.5);
        // Pipe columns, test date, key, image path and time index stay.
        QCOMPARE(after.mid(0, 5), before.mid(0, 5));
        QCOMPARE(after.mid(9, 1), before.mid(9, 1));
        QCOMPARE(after.mid(11, 2), before.mid(11, 2));
        QCOMPARE(after.mid(14, 3), before.mid(14, 3));
        // A key that matches nothing succeeds and changes nothing.
        item.nTimeIndex = 101;
        QVERIFY(m_db->UpdateDefectItem(kVideo, item));
        QCOMPARE(DbTest::Count("DefectInfo"), 1);
    }

    void deletingAndCounting()
    {
        DbTest::InsertProject(kProject, "N-1");
        DbTest::InsertVideo(kProject, kVideo, "Road", 0);
        PipelineParam pipe;
        for (int t : {10, 20, 30})
            QVERIFY(m_db->InsertDefectItem("Road", kVideo, "2024-03-02", pipe,
                                           DbTest::MakeDefect(t, 1, 1)));
        QVERIFY(m_db->DeleteDefectItem(CKLN_TQ420DataBase::DefectKey(kVideo, 20)));
        QVERIFY(m_db->DeleteDefectItem("no such key")); // deletes nothing, still runs
        QCOMPARE(DbTest::Rows("SELECT TimeIndex FROM DefectInfo ORDER BY TimeIndex"),
                 QList<QVariantList>({{10}, {30}}));
        QVERIFY(m_db->updateVideoInterpretationNum(kVideo, 2));
        QCOMPARE(DbTest::Scalar("SELECT iDefectNums FROM VedioCount WHERE HashCode = ?", {kVideo})
                     .toInt(),
                 2);
    }

    void recordNums()
    {
        DbTest::InsertProject(kProject, "N-1");
        DbTest::InsertProject("PROJECT002", "N-2");
        QCOMPARE(m_db->GetRecordNums("ProjectDetail", "1"), 2);
        QCOMPARE(m_db->GetRecordNums("ProjectDetail", "HashCode == 'PROJECT002'"), 1);
        QCOMPARE(m_db->GetRecordNums("DefectInfo",
                                     CKLN_TQ420DataBase::DefectPageCondition(kProject, QString())),
                 0);
        DbTest::LogCapture log;
        QCOMPARE(m_db->GetRecordNums("ProjectDetail", "HashCode == 'unclosed"), -1);
        QCOMPARE(m_db->GetRecordNums("NoSuchTable", "1"), -1);
        QCOMPARE(m_db->GetRecordNums("ProjectDetail", ""), -1);
        QVERIFY(log.Contains("--- ERROR:"));
        QVERIFY(log.Contains(" GetRecordNums---"));
        QCOMPARE(m_db->GetRecordNums("ProjectDetail", "1"), 2); // the connection still works
    }

    void defectSheet()
    {
        const QString other = "PROJECT002V0001";
        DbTest::InsertDefectRow(kVideo, 300, "Road C", "level 3", "20200526");
        DbTest::InsertDefectRow(kVideo, 100, "Road A", "", "2020-05-26 08:30:00");
        DbTest::InsertDefectRow(kVideo, 200, "Road B", "level 1", "2020-05-26");
        DbTest::InsertDefectRow(other, 50, "Other", "level 2", "2020-05-26");
        DbTest::Exec("UPDATE DefectInfo SET PipeType = NULL, Remark = NULL, DefectLength = NULL "
                     "WHERE TimeIndex = 200");
        int rows = -1, columns = -1;
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        DbTest::Exec("INSERT INTO DefectInfo (RoadName, PipeNum, DefectLevel, TestDate, HashCode, "
                     "VedioHashCode, ProHashCode, TimeIndex) VALUES ('Road D', 'P', 'level 2', "
                     "'bad', ?, ?, ?, 400)",
                     {CKLN_TQ420DataBase::DefectKey(kVideo, 400), kVideo, kProject});
        const QList<QVariantList> sheet = m_db->GetDefectContents(kProject, rows, columns);
        QCOMPARE(rows, 4);
        QCOMPARE(columns, 11);
        QCOMPARE(sheet.size(), 4);
        for (const QVariantList &row : sheet)
            QCOMPARE(row.size(), 16);
        // By time index; road, pipe, type, material, diameter, name, level, defect type,
        // position, length, "", "", remark, image, test date, interpretation date.
        QCOMPARE(sheet.at(0), QVariantList({"Road A", "W1~W2", "", "", 600, "(PL) Rupture", "/", "",
                                            "", 0.25, "", "", "remark 100", "/img/100.png",
                                            "2020-05-26 08:30:00", "2024-03-04 08:00:00"}));
        QCOMPARE(sheet.at(1),
                 QVariantList({"Road B", "W1~W2", "", "", 600, "(PL) Rupture", 1, "", "", 0, "", "",
                               "", "/img/200.png", "2020-05-26", "2024-03-04 08:00:00"}));
        QCOMPARE(sheet.at(2).at(6), QVariant(3));
        QCOMPARE(sheet.at(2).at(14), QVariant("2020-05-26 00:00:00"));
        const QDateTime now =
            QDateTime::fromString(sheet.at(3).at(14).toString(), "yyyy-MM-dd hh:mm:ss");
        QVERIFY(now >= before.addMSecs(-before.time().msec()) &&
                now <= QDateTime::currentDateTime());
        QCOMPARE(sheet.at(3).at(15), QVariant(""));
        // A failing statement leaves the outputs unchanged.
        DbTest::Exec("DROP TABLE DefectInfo");
        rows = columns = 77;
        QVERIFY(m_db->GetDefectContents(kProject, rows, columns).isEmpty());
        QCOMPARE(rows, 77);
        QCOMPARE(columns, 77);
    }

    void keyLists()
    {
        DbTest::InsertProject(kProject, "N-1");
        DbTest::InsertVideo(kProject, kVideo, "Road A");
        DbTest::InsertVideo(kProject, "PROJECT001V0002", "Road B");
        DbTest::InsertVideo("PROJECT002", "PROJECT002V0001", "Road C");
        DbTest::InsertDefectRow(kVideo, 30, "Road A");
        DbTest::InsertDefectRow("PROJECT001V0002", 10, "Road B");
        DbTest::InsertDefectRow("PROJECT002V0001", 20, "Road C");
        QList<QVariantList> videos = m_db->GetVideoKeys(kProject);
        std::sort(videos.begin(), videos.end(), [](const QVariantList &a, const QVariantList &b) {
            return a.at(4).toString() < b.at(4).toString();
        });
        QCOMPARE(videos, QList<QVariantList>(
                             {{"Road A", "W1~W2", "Rain", "/videos/PROJECT001V0001.mp4", kVideo},
                              {"Road B", "W1~W2", "Rain", "/videos/PROJECT001V0002.mp4",
                               "PROJECT001V0002"}}));
        QCOMPARE(m_db->GetDefectKeys(kProject),
                 QList<QVariantList>({{"Road B", "W1~W2", "", "/img/10.png"},
                                      {"Road A", "W1~W2", "", "/img/30.png"}}));
        QStringList list = m_db->GetVedioHashCodeFromDefectInfo(kProject);
        list.sort();
        QCOMPARE(list, QStringList({kVideo + ";/videos/PROJECT001V0001.mp4",
                                    "PROJECT001V0002;/videos/PROJECT001V0002.mp4"}));
        QVERIFY(m_db->GetVideoKeys("nothing").isEmpty());
    }

    // Apostrophes, quotes, ";", "--" and Chinese in every text value, in the keys and in
    // the search texts: stored and found verbatim, never reaching another project.
    void hostileTexts_data()
    {
        QTest::addColumn<QString>("text");
        for (int i = 0; i < HostileTexts().size(); ++i)
            QTest::newRow(qPrintable(QString::number(i))) << HostileTexts().at(i);
    }
    void hostileTexts()
    {
        QFETCH(QString, text);
        const QString project = (QStringLiteral("'P;-") + text).left(10);
        const QString video = project + QStringLiteral("'V--1");
        QCOMPARE(video.size(), 15);
        DbTest::InsertProject(project, text, "2024-03-01", text);
        DbTest::InsertProject(kProject, "plain", "2024-03-01", text);
        DbTest::InsertVideo(project, video, text, 1, 5);
        DbTest::InsertVideo(kProject, kVideo, text, 1, 5);

        PipelineParam pipe;
        pipe.strStartWellID = text;
        pipe.strEndWellID = text;
        CDefectItem item = DbTest::MakeDefect(5, 3, 1);
        item.defectParam.strRemark = text;
        item.defectParam.strInterpretDate = text;
        item.strDefectImgPath = text;
        QVERIFY(m_db->InsertDefectItem(text, video, text, pipe, item));
        QCOMPARE(m_db->InsertDefectItems(text, kVideo, text, pipe, {item}), 1);
        const QVariantList row = DefectRow(CKLN_TQ420DataBase::DefectKey(video, 5));
        QCOMPARE(row.at(0).toString(), text);
        QCOMPARE(row.at(1).toString(), text + "~" + text);
        QCOMPARE(row.at(9).toString(), text);
        QCOMPARE(row.at(10).toString(), text);
        QCOMPARE(row.at(13).toString(), text);
        QCOMPARE(row.at(14).toString(), text);
        QCOMPARE(row.at(15).toString(), project);

        // Searches find the text in the current project only.
        QCOMPARE(m_db->GetRecordNums("DefectInfo",
                                     CKLN_TQ420DataBase::DefectPageCondition(project, text)),
                 1);
        QCOMPARE(m_db->GetRecordNums(
                     "DefectInfo", CKLN_TQ420DataBase::DefectPageCondition(project, text.right(3))),
                 1);
        QCOMPARE(m_db->GetRecordNums("DefectInfo",
                                     CKLN_TQ420DataBase::DefectPageCondition(project, "absent")),
                 0);
        QCOMPARE(m_db->GetRecordNums("VedioCount",
                                     CKLN_TQ420DataBase::VideoPageCondition(project, text)),
                 1);
        QCOMPARE(m_db->GetRecordNums("ProjectDetail", CKLN_TQ420DataBase::ProjectPageCondition(
                                                          text, "2024-01-01", "2024-12-31")),
                 2);
        QCOMPARE(m_db->GetRecordNums("ProjectDetail", CKLN_TQ420DataBase::ProjectPageCondition(
                                                          text, "2024-03-02", "2024-12-31")),
                 0);

        // Reads and writes by the hostile keys.
        QCOMPARE(m_db->GetDefectKeys(project).size(), 1);
        QCOMPARE(m_db->GetVideoKeys(project).value(0).value(4).toString(), video);
        QCOMPARE(m_db->GetVedioHashCodeFromDefectInfo(project).size(), 1);
        int rows = 0, columns = 0;
        const QList<QVariantList> sheet = m_db->GetDefectContents(project, rows, columns);
        QCOMPARE(rows, 1);
        QCOMPARE(sheet.at(0).at(12).toString(), text);
        int videos, pipes, standard, defects;
        float mileage;
        QVERIFY(m_db->UpdateProjectCountInfo(project, videos, pipes, mileage, standard, defects));
        QCOMPARE(QVariantList({videos, defects, double(mileage)}), QVariantList({1, 1, 5.0}));
        QCOMPARE(DbTest::Scalar("SELECT VedioNums FROM ProjectDetail WHERE HashCode = ?", {project})
                     .toInt(),
                 1);
        QVERIFY(m_db->updateVideoInterpretationNum(video, 9));
        QCOMPARE(DbTest::Scalar("SELECT iDefectNums FROM VedioCount WHERE HashCode = ?", {video})
                     .toInt(),
                 9);
        item.defectParam.strRemark = text + text;
        QVERIFY(m_db->UpdateDefectItem(video, item));
        QCOMPARE(DefectRow(CKLN_TQ420DataBase::DefectKey(video, 5)).at(13).toString(), text + text);
        QVERIFY(m_db->DeleteDefectItem(CKLN_TQ420DataBase::DefectKey(video, 5)));
        QCOMPARE(DbTest::Count("DefectInfo"), 1);
        QCOMPARE(DbTest::Count("ProjectDetail"), 2);
        QVERIFY(m_db->UpdatePipelineInfoInDefectInfo());
        QCOMPARE(DbTest::Scalar("SELECT RoadName FROM DefectInfo").toString(), text);
    }

    void rowHelpers()
    {
        QVERIFY(m_db->InsertRow("ProjectDetail", {{"ProjectNumber", "人民路'东段"},
                                                  {"ProjectName", "a\"b; --"},
                                                  {"ProjectSite", "S"},
                                                  {"HashCode", kProject}}));
        QVERIFY(!m_db->InsertRow("ProjectDetail", {{"ProjectNumber", "N"}})); // NOT NULL
        QVERIFY(!m_db->InsertRow("ProjectDetail", {}));
        const QList<QVariantMap> rows = m_db->SelectRows(
            "ProjectDetail", "ProjectNumber = " + SqlText::SqlQuote("人民路'东段"));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.at(0).value("ProjectName").toString(), QString("a\"b; --"));
        QCOMPARE(rows.at(0).value("Principal"), QVariant("")); // NULL
        QCOMPARE(rows.at(0).value("VedioNums").toInt(), 0);
        QVERIFY(m_db->SelectRows("ProjectDetail", "no such column = 1").isEmpty());

        QVedioInfo info;
        info.strRoadName = "人民路'东段";
        info.strPipeNum = "W'1~W2";
        info.strHashCode = kVideo;
        info.strProHashCode = kProject;
        info.iDefectNums = 3;
        info.fPipeSectionLen = 12.5f;
        info.nPipeSectionDiameter = 800;
        QVERIFY(m_db->InsertVideoRow(info));
        QVERIFY(!m_db->InsertVideoRow(info)); // the key exists
        QCOMPARE(DbTest::Rows("SELECT RoadName, PipeNum, PipeType, iDefectNums, PipeSectionLen, "
                              "PipeSectionDiameter, ProHashCode FROM VedioCount"),
                 QList<QVariantList>({{"人民路'东段", "W'1~W2", "", 3, 12.5, 800, kProject}}));
    }

private:
    QTemporaryDir m_settingsDir;
    std::unique_ptr<QTemporaryDir> m_dir;
    CKLN_TQ420DataBase *m_db = nullptr;
};

QTEST_GUILESS_MAIN(TestDatabaseOps)
#include "tst_databaseops.moc"
