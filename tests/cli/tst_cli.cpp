// The command-line tool, run as a process on the sample data.
#include <QtTest>

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "support/testsupport.h"

namespace {
using TestSupport::RunCli;

QByteArray Digest(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}
} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::InstallWarningRecorder(); }
    void cleanup() { TQ_VERIFY_NO_WARNINGS(); }

    void inspectJson()
    {
        QTemporaryDir dir;
        const QString v0 = TestSupport::CopySample(QStringLiteral("rtv/v0.rtv"), dir);
        const QString worked = TestSupport::CopySample(QStringLiteral("rtv/worked.rtv"), dir);
        const QString broken = TestSupport::CopySample(QStringLiteral("rtv/notsqlite.rtv"), dir);
        const QByteArray before = Digest(v0);

        const auto run =
            RunCli({QStringLiteral("inspect"), QStringLiteral("--json"), v0, worked, broken});
        QCOMPARE(run.exitCode, 1); // one file could not be read
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY(run.err.contains("notsqlite.rtv"));
        QJsonParseError error;
        const QJsonArray reports = QJsonDocument::fromJson(run.out, &error).array();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(reports.size(), 3);

        // The given file is never changed, and nothing is written beside it.
        QCOMPARE(Digest(v0), before);
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("Images"))));

        const QJsonObject old = reports.at(0).toObject();
        QVERIFY(old.value("ok").toBool());
        QCOMPARE(old.value("version").toInt(), 0);
        QVERIFY(old.value("migrated").toBool());
        QCOMPARE(old["header"]["strProjectName"], old["header"]["strTestSite"]);
        QVERIFY(old["header"]["bIsInterpretation"].toBool());
        QCOMPARE(old["pipeline"]["fPipeSectionLen"].toDouble(),
                 42.0); // raised to the farthest defect
        QCOMPARE(old["pipeline"]["startWell"]["strWellNum"].toString().isEmpty(), false);
        QCOMPARE(old.value("trackCount").toInt(), 20);
        const QJsonArray defects = old.value("defects").toArray();
        QCOMPARE(defects.size(), 5);
        for (int i = 1; i < defects.size(); ++i) // evaluation order: by distance
            QVERIFY(defects.at(i - 1)["fDistance"].toDouble() <=
                    defects.at(i)["fDistance"].toDouble());
        for (const QJsonValue &defect : defects) {
            QVERIFY(defect["orgImage"].toBool());
            QVERIFY(!defect["shapes"].toArray().isEmpty());
            QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$"))
                        .match(defect["curTime"].toString())
                        .hasMatch());
        }

        const QJsonObject section = reports.at(1).toObject();
        QVERIFY(!section.value("migrated").toBool());
        const QJsonObject defect = section.value("defects").toArray().at(0).toObject();
        QCOMPARE(defect.value("nameText").toString(), QStringLiteral("(PL) Rupture"));
        QCOMPARE(defect.value("levelText").toString(), QStringLiteral("level 4"));
        QCOMPARE(defect.value("classText").toString(), QStringLiteral("Structural defects"));
        QVERIFY(defect.value("positionText")
                    .toString()
                    .startsWith(QStringLiteral("Vertical 10.000 meters, ring to ")));
        QCOMPARE(defect.value("score").toDouble(), 10.0);
        const QJsonObject evaluation = section.value("evaluation").toObject();
        QCOMPARE(evaluation.value("F").toDouble(), 10.0);
        QCOMPARE(evaluation.value("structuralDensity").toDouble(), 0.02); // shortest float form
        QCOMPARE(evaluation.value("RI").toDouble(), 8.95);
        QCOMPARE(evaluation.value("structuralGrade").toInt(), 4);
        QCOMPARE(evaluation.value("repairGrade").toInt(), 4);
        QCOMPARE(evaluation.value("functionalGrade").toInt(), 1);
        QCOMPARE(evaluation.value("structuralDensityText").toString(),
                 QStringLiteral("Local defect"));

        const QJsonObject failed = reports.at(2).toObject();
        QVERIFY(!failed.value("ok").toBool());
        QCOMPARE(failed.value("version").toInt(), -1);
        QVERIFY(!failed.value("error").toString().isEmpty());
    }

    void inspectSummaryInChinese()
    {
        const auto run =
            RunCli({QStringLiteral("--lang"), QStringLiteral("zh"), QStringLiteral("inspect"),
                    TestSupport::SamplePath(QStringLiteral("rtv/worked.rtv"))});
        QCOMPARE(run.exitCode, 0);
        const QString text = QString::fromUtf8(run.out);
        QVERIFY2(text.contains(QStringLiteral("(PL)破裂")) && text.contains(QStringLiteral("4级")),
                 qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("结构性缺陷")));
        QVERIFY(!text.contains(QStringLiteral("zh_CN"))); // no language echo on standard output
    }

    void convert_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("converted") << "bmw/good.xml"
                                   << "out.rtv" << 0;
        QTest::newRow("cannot create") << "bmw/good.xml"
                                       << "no/folder/out.rtv" << 1;
        QTest::newRow("wrong root") << "bmw/wrongroot.xml"
                                    << "out.rtv" << 2;
        QTest::newRow("missing") << "bmw/none.xml"
                                 << "out.rtv" << 2;
    }

    void convert()
    {
        QFETCH(QString, xml);
        QFETCH(QString, target);
        QTemporaryDir dir;
        const auto run =
            RunCli({QStringLiteral("convert"), TestSupport::SamplePath(xml), dir.filePath(target)});
        QTEST(run.exitCode, "exitCode");
        QCOMPARE(QFileInfo::exists(dir.filePath(target)), run.exitCode == 0);
        if (run.exitCode == 0) {
            const auto check =
                RunCli({QStringLiteral("inspect"), QStringLiteral("--json"), dir.filePath(target)});
            QCOMPARE(check.exitCode, 0);
            const QJsonObject report = QJsonDocument::fromJson(check.out).array().at(0).toObject();
            QCOMPARE(report["pipeline"]["strStartWellID"].toString(), QStringLiteral("YS-101"));
        } else {
            QCOMPARE(run.err.count('\n'), 1);
        }
    }

    void projectsImportsAndDefects()
    {
        QTemporaryDir data;
        QTemporaryDir sources;
        const QString road1 = TestSupport::CopySample(QStringLiteral("videos/road1.mp4"), sources);
        TestSupport::CopySample(QStringLiteral("videos/road1.rtv"), sources);
        const QString road2 = TestSupport::CopySample(QStringLiteral("videos/road2.mp4"), sources);
        TestSupport::CopySample(QStringLiteral("videos/road2.xml"), sources);
        const QString broken =
            TestSupport::CopySample(QStringLiteral("videos/road3.mp4"), sources, "broken.mp4");
        TestSupport::CopySample(QStringLiteral("rtv/notsqlite.rtv"), sources, "broken.rtv");
        const QString dir = data.path();
        const QString number = QStringLiteral("P'1 人民路");

        QCOMPARE(RunCli({"project", "add", "--app-dir", dir, "--number", number, "--name",
                         "Ring 'road'", "--site", "人民路'东段", "--date", "2024-05-06"})
                     .exitCode,
                 0);
        QCOMPARE(RunCli({"project", "add", "--app-dir", dir, "--number", number, "--name", "x",
                         "--site", "y"})
                     .exitCode,
                 1);
        QCOMPARE(
            RunCli({"project", "add", "--app-dir", dir, "--number", "P2", "--name", "x"}).exitCode,
            3);
        QCOMPARE(RunCli({"project", "add", "--app-dir", dir, "--number", "P3", "--name", "x",
                         "--site", "y", "--date", "06.05.2024"})
                     .exitCode,
                 3);

        const auto import = RunCli({"import", "--app-dir", dir, "--project", number, "--json",
                                    road1, road2, broken, sources.filePath("missing.mp4")});
        QCOMPARE(import.exitCode, 1); // the missing video
        const QJsonArray results = QJsonDocument::fromJson(import.out).array();
        QCOMPARE(results.size(), 4);
        QCOMPARE(results.at(0)["rtvSource"].toString(), QStringLiteral("copied"));
        QCOMPARE(results.at(1)["rtvSource"].toString(), QStringLiteral("converted"));
        QCOMPARE(results.at(2)["rtvSource"].toString(), QStringLiteral("empty"));
        QVERIFY(results.at(2)["ok"].toBool());
        QVERIFY(!results.at(2)["note"].toString().isEmpty()); // the unreadable RTV file is reported
        QVERIFY(!results.at(3)["ok"].toBool());
        QVERIFY(!results.at(3)["error"].toString().isEmpty());
        const int defects = results.at(0)["defects"].toInt();
        QVERIFY(defects > 0);

        const auto list = RunCli({"project", "list", "--app-dir", dir, "--json"});
        QCOMPARE(list.exitCode, 0);
        const QJsonObject project = QJsonDocument::fromJson(list.out).array().at(0).toObject();
        QCOMPARE(project["ProjectNumber"].toString(), number);
        QCOMPARE(project["ProjectSite"].toString(), QStringLiteral("人民路'东段"));
        QCOMPARE(project["CommencementDate"].toString(), QStringLiteral("2024-05-06"));
        QCOMPARE(project["VedioNums"].toInt(), 3);
        QCOMPARE(project["PipeNums"].toInt(), 3);
        QCOMPARE(project["iInterpretationNums"].toInt(), defects);
        QCOMPARE(project["HashCode"].toString().size(), 10);
        QVERIFY(QFileInfo(data.filePath("KLN_TQ420_Cache_En/" + project["HashCode"].toString()))
                    .isDir());

        const auto rows = RunCli({"defects", "--app-dir", dir, "--project", number, "--json"});
        QCOMPARE(rows.exitCode, 0);
        const QJsonArray defectRows = QJsonDocument::fromJson(rows.out).array();
        QCOMPARE(defectRows.size(), defects);
        QCOMPARE(defectRows.at(0).toArray().size(), 16);
        QCOMPARE(RunCli({"defects", "--app-dir", dir, "--project", "nope"}).exitCode, 1);

        for (int kind = 0; kind < 4; ++kind) {
            const QString out = data.filePath(QStringLiteral("sheet%1.xls").arg(kind));
            const auto sheet = RunCli({"sheet", "--app-dir", dir, "--project", number, "--kind",
                                       QString::number(kind), "--out", out});
            QCOMPARE(sheet.exitCode, 0);
            QVERIFY(QFileInfo(out).size() > 0);
        }
        QCOMPARE(RunCli({"sheet", "--app-dir", dir, "--project", number, "--kind", "7", "--out",
                         "x.xls"})
                     .exitCode,
                 3);
        QCOMPARE(RunCli({"sheet", "--app-dir", dir, "--kind", "2", "--out", "x.xls"}).exitCode, 3);

        const QString report = data.filePath(QStringLiteral("project report.doc"));
        QCOMPARE(
            RunCli({"report", "--app-dir", dir, "--project", number, "--out", report}).exitCode, 0);
        QVERIFY(QFileInfo(report).size() > 0);

        // Chinese works on data files of its own.
        QCOMPARE(
            RunCli({"--lang", "zh", "project", "list", "--app-dir", dir, "--json"}).out.trimmed(),
            QByteArray("[\n]"));
        QVERIFY(QFileInfo::exists(data.filePath("KLN_TQ420_DataBase.prj")));
        QVERIFY(QFileInfo::exists(data.filePath("KLN_TQ420_DataBase_En.prj")));
    }

    // The report of RTV files reads copies: the files themselves stay as they were.
    void reportOfFiles()
    {
        QTemporaryDir dir;
        const QString old = TestSupport::CopySample(QStringLiteral("rtv/v0.rtv"), dir);
        const QString worked = TestSupport::CopySample(QStringLiteral("rtv/worked.rtv"), dir);
        const QByteArray before = Digest(old);
        const QString out = dir.filePath(QStringLiteral("report.doc"));
        const auto run = RunCli({"--lang", "zh", "report", "--out", out, old, worked});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(QFileInfo(out).size() > 0);
        QCOMPARE(Digest(old), before);
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("Images"))));
        QCOMPARE(RunCli({"report", "--out", out}).exitCode, 3);
        QCOMPARE(RunCli({"report", "--out", out, dir.filePath("none.rtv")}).exitCode, 1);
    }

    void badUsage()
    {
        QVERIFY(RunCli({}).exitCode != 0);
        QVERIFY(RunCli({QStringLiteral("inspect")}).exitCode != 0);
        QVERIFY(RunCli({QStringLiteral("frobnicate")}).exitCode != 0);
        QVERIFY(RunCli({QStringLiteral("--lang"), QStringLiteral("fr"), QStringLiteral("inspect"),
                        QStringLiteral("x")})
                    .exitCode != 0);
        const auto missing =
            RunCli({QStringLiteral("inspect"), QStringLiteral("/no/such/file.rtv")});
        QCOMPARE(missing.exitCode, 1);
        QVERIFY(missing.err.contains("/no/such/file.rtv"));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
