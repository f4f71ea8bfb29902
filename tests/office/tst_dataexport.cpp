// The data export: folder layout by the switches, names from the data made safe, replaced
// targets, the illegal-folder warning, the sheets, and the command-line tool's "export".
#include <QtTest>

#include "core/database/ckln_tq420database.h"
#include "core/settings/qsysteminfo.h"
#include "office/report/cdataexporter.h"
#include "support/dbtestsupport.h"
#include "support/testsupport.h"

namespace {
const QString kProjectKey = QStringLiteral("PRJKEY0001");

struct Video
{
    QString road;
    QString pipeNumber;
    QString pipeType;
    QString file; // source file name, made in the source folder
};

// Every file below the folder, relative to it, sorted.
QStringList FilesBelow(const QString &root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

QString WriteFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

DataExportParam CopiesOnly()
{
    DataExportParam param;
    param.bProReport = false;
    param.bInterpretation = false;
    return param;
}

SystemValues System()
{
    return SystemValues::Of(*QSystemInfo::GetInstance());
}

using TestSupport::RunCli;
} // namespace

class TestDataExport : public QObject
{
    Q_OBJECT

private:
    // A project with its videos (one defect image each), the sources in m_sources.
    void MakeProject(const QString &name, const QList<Video> &videos)
    {
        CKLN_TQ420DataBase *db = CKLN_TQ420DataBase::GetInstance();
        DbTest::InsertProject(kProjectKey, QStringLiteral("P1"), QStringLiteral("2024-03-01"),
                              name);
        for (int i = 0; i < videos.size(); ++i) {
            const Video &video = videos.at(i);
            const QString videoKey = kProjectKey + QStringLiteral("V000%1").arg(i);
            const QString source =
                WriteFile(m_sources->filePath(video.file), "video " + video.file.toUtf8());
            QVERIFY(db->InsertRow(QStringLiteral("VedioCount"), {{"RoadName", video.road},
                                                                 {"PipeNum", video.pipeNumber},
                                                                 {"PipeType", video.pipeType},
                                                                 {"VedioFileName", source},
                                                                 {"RecordDate", "2024-03-02"},
                                                                 {"HashCode", videoKey},
                                                                 {"ProHashCode", kProjectKey}}));
            const QString image = WriteFile(m_sources->filePath(QStringLiteral("img%1.png").arg(i)),
                                            "png " + QByteArray::number(i));
            QVERIFY(db->InsertRow(QStringLiteral("DefectInfo"),
                                  {{"RoadName", video.road},
                                   {"PipeNum", video.pipeNumber},
                                   {"PipeType", video.pipeType},
                                   {"ImagePath", image},
                                   {"TestDate", "2024-03-02 10:11:12"},
                                   {"HashCode", CKLN_TQ420DataBase::DefectKey(videoKey, i)},
                                   {"VedioHashCode", videoKey},
                                   {"ProHashCode", kProjectKey},
                                   {"TimeIndex", i}}));
        }
    }

    CDataExporter::Result Export(const DataExportParam &param, const QString &root)
    {
        CDataExporter exporter(param, System(), root);
        if (!exporter.SetProject(kProjectKey))
            qFatal("no project");
        exporter.RunAll();
        return exporter.GetResult();
    }

    QTemporaryDir m_settingsDir;
    std::unique_ptr<QTemporaryDir> m_data;
    std::unique_ptr<QTemporaryDir> m_sources;
    TestSupport::RecordingPrompt m_prompt;

private slots:
    void initTestCase() { DbTest::PrepareSuite(m_settingsDir.path()); }
    void init()
    {
        m_data = DbTest::FreshDataFolder();
        m_sources = std::make_unique<QTemporaryDir>();
        m_prompt.Clear();
    }
    void cleanup() { TQ_VERIFY_NO_WARNINGS(); }

    void layout_data()
    {
        QTest::addColumn<int>("switches");
        for (int switches = 0; switches < 32; ++switches)
            QTest::addRow("switches %d", switches) << switches;
    }

    // Every combination of the five layout switches, videos and images. The project level is
    // made whatever its switch says.
    void layout()
    {
        QFETCH(int, switches);
        DataExportParam param = CopiesOnly();
        param.bHasPro = switches & 1;
        param.bHasRoad = switches & 2;
        param.bHasPipeType = switches & 4;
        param.bHasPipeNum = switches & 8;
        param.bHasDate = switches & 16;
        MakeProject(QStringLiteral("Ring road"), {{"Road A", "YS1-YS2", "Rain", "a.mp4"},
                                                  {"Road A", "YS2-YS3", "Sewage", "b.avi"}});
        QTemporaryDir out;

        const CDataExporter::Result result = Export(param, out.path());
        QCOMPARE(result.videos, 2);
        QCOMPARE(result.images, 2);
        QCOMPARE(result.failedSteps, 0);

        auto expected = [&](int n, const QString &type, const QString &kind, const QString &number,
                            const QString &date, const QString &extension) {
            QString path = QStringLiteral("Ring road/") +
                           (param.bHasRoad ? QStringLiteral("Road A/") : QString()) +
                           (param.bHasPipeType ? type + QLatin1Char('/') : QString()) + kind +
                           QLatin1Char('/');
            path = QRegularExpression::escape(path);
            if (!param.bHasPipeNum)
                path += QStringLiteral("[0-9A-Z]{5}");
            else
                path += QRegularExpression::escape(param.bHasDate ? number + QLatin1Char('_') + date
                                                                  : number);
            return QRegularExpression(QRegularExpression::anchoredPattern(
                path + QStringLiteral("_%1\\.%2").arg(n).arg(extension)));
        };
        const QList<QRegularExpression> patterns = {
            expected(1, "Rain", "video", "YS1-YS2", "2024-03-02", "mp4"),
            expected(2, "Sewage", "video", "YS2-YS3", "2024-03-02", "avi"),
            expected(1, "Rain", "image", "YS1-YS2", "2024-03-02 101112", "png"),
            expected(2, "Sewage", "image", "YS2-YS3", "2024-03-02 101112", "png"),
        };
        const QStringList files = FilesBelow(out.path());
        QCOMPARE(files.size(), patterns.size());
        for (const QRegularExpression &pattern : patterns) {
            QVERIFY2(!files.filter(pattern).isEmpty(),
                     qPrintable(pattern.pattern() + QStringLiteral(" in ") +
                                files.join(QLatin1Char(','))));
        }
        QCOMPARE(TestSupport::FileBytes(out.filePath(files.filter(QStringLiteral(".avi")).value(0))),
                 QByteArray("video b.avi"));
        QVERIFY(m_prompt.Calls().isEmpty());
    }

    void hostileNames_data()
    {
        QTest::addColumn<QString>("project");
        QTest::addColumn<QString>("road");
        QTest::addColumn<QString>("pipeNumber");
        QTest::addColumn<QString>("expectedVideo");
        QTest::newRow("parent in road") << "P"
                                        << "../x"
                                        << "YS1"
                                        << "P/.._x/Rain/video/YS1_1.mp4";
        QTest::newRow("separator") << "P"
                                   << "a/b"
                                   << "c\\d"
                                   << "P/a_b/Rain/video/c_d_1.mp4";
        QTest::newRow("apostrophe") << "工程'一"
                                    << "人民路'东段"
                                    << "YS'1"
                                    << "工程'一/人民路'东段/Rain/video/YS'1_1.mp4";
        QTest::newRow("device name") << "con:"
                                     << "con"
                                     << "nul.txt"
                                     << "con_/_con/Rain/video/_nul.txt_1.mp4";
        QTest::newRow("climbing number") << "P"
                                         << "R"
                                         << "../../up"
                                         << "P/R/Rain/video/.._.._up_1.mp4";
        QTest::newRow("absolute project") << "/etc"
                                          << "R?*"
                                          << " YS1. "
                                          << "_etc/R__/Rain/video/YS1_1.mp4";
        QTest::newRow("empty road") << "P"
                                    << ""
                                    << "YS1"
                                    << "P/Rain/video/YS1_1.mp4";
    }

    // Names from the data never leave the export folder nor make invalid file names.
    void hostileNames()
    {
        QFETCH(QString, project);
        QFETCH(QString, road);
        QFETCH(QString, pipeNumber);
        QFETCH(QString, expectedVideo);
        MakeProject(project, {{road, pipeNumber, "Rain", "a.mp4"}});
        QTemporaryDir parent;
        const QString root = parent.filePath(QStringLiteral("out"));
        DataExportParam param = CopiesOnly();
        param.bImage = false;

        const CDataExporter::Result result = Export(param, root);
        QCOMPARE(result.videos, 1);
        QCOMPARE(FilesBelow(root), QStringList{expectedVideo});
        QCOMPARE(QDir(parent.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("out")});
    }

    void safeFileName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("safe");
        QTest::newRow("plain") << "YS1-YS2"
                               << "YS1-YS2";
        QTest::newRow("parent") << ".."
                                << "";
        QTest::newRow("dot") << "."
                             << "";
        QTest::newRow("blank") << "   "
                               << "";
        QTest::newRow("forbidden") << "a<b>c:d\"e|f?g*h"
                                   << "a_b_c_d_e_f_g_h";
        QTest::newRow("control") << QStringLiteral("a\nb\tc") << "a_b_c";
        QTest::newRow("trailing dots") << "name. . "
                                       << "name";
        QTest::newRow("device") << "LPT1"
                                << "_LPT1";
        QTest::newRow("device with extension") << "aux.png"
                                               << "_aux.png";
        QTest::newRow("not a device") << "console"
                                      << "console";
    }

    void safeFileName()
    {
        QFETCH(QString, name);
        QTEST(CDataExporter::SafeFileName(name), "safe");
    }

    // A folder level that cannot be a name skips its files and warns once per step.
    void illegalDirectoryWarnsOnce()
    {
        MakeProject(QStringLiteral("P"), {{"..", "YS1", "Rain", "a.mp4"},
                                          {"..", "YS2", "Rain", "b.mp4"},
                                          {"Road", "YS3", "Rain", "c.mp4"}});
        QTemporaryDir out;
        DataExportParam param = CopiesOnly();
        CDataExporter exporter(param, System(), out.path());
        QVERIFY(exporter.SetProject(kProjectKey));
        QVERIFY(!exporter.RunStep(CDataExporter::VideoCopy));
        QCOMPARE(m_prompt.Calls(),
                 QStringList{QStringLiteral("Warn|An illegal directory exists .")});
        QCOMPARE(exporter.GetResult().videos, 1);
        QCOMPARE(exporter.GetResult().skipped, 2);
        QCOMPARE(exporter.GetResult().illegalDirectories.size(), 1);
        QCOMPARE(FilesBelow(out.path()),
                 QStringList{QStringLiteral("P/Road/Rain/video/YS3_3.mp4")});
    }

    // An existing target is replaced; a missing source is skipped without a warning.
    void replacesTargetsAndSkipsMissingSources()
    {
        MakeProject(QStringLiteral("P"),
                    {{"R", "YS1", "Rain", "a.mp4"}, {"R", "YS2", "Rain", "b.mp4"}});
        QVERIFY(QFile::remove(m_sources->filePath(QStringLiteral("b.mp4"))));
        QTemporaryDir out;
        const QString target = WriteFile(out.filePath(QStringLiteral("P/R/Rain/video/YS1_1.mp4")),
                                         "an older, longer export of the video");
        DataExportParam param = CopiesOnly();
        param.bImage = false;
        const CDataExporter::Result result = Export(param, out.path());
        QCOMPARE(TestSupport::FileBytes(target), QByteArray("video a.mp4"));
        QCOMPARE(result.videos, 1);
        QCOMPARE(result.skipped, 1);
        QCOMPARE(result.failedSteps, 0);
        QCOMPARE(result.failures.size(), 1); // the missing source is named
        QCOMPARE(FilesBelow(out.path()), QStringList{QStringLiteral("P/R/Rain/video/YS1_1.mp4")});
        QVERIFY(m_prompt.Calls().isEmpty());
    }

    // A sheet or copy that cannot be written is a failure with its reason, not a skip.
    void failedSheetsAndCopiesAreCounted()
    {
        MakeProject(QStringLiteral("P"),
                    {{"R", "YS1", "Rain", "a.mp4"}, {"R", "YS2", "Rain", "b.mp4"}});
        QTemporaryDir out;
        // Folders where a video and a sheet would go.
        const QString video = out.filePath(QStringLiteral("P/R/Rain/video/YS1_1.mp4"));
        const QString sheet = out.filePath(QStringLiteral("P_Project information_sheet.xls"));
        QVERIFY(QDir().mkpath(video) && QDir().mkpath(sheet));
        CDataExporter exporter(DataExportParam(), System(), out.path());
        QVERIFY(exporter.SetProject(kProjectKey));
        QVERIFY(!exporter.RunAll());
        const CDataExporter::Result &result = exporter.GetResult();
        QCOMPARE(result.sheets, 2);
        QCOMPARE(result.failedSheets, 1);
        QCOMPARE(result.videos, 1);
        QCOMPARE(result.failedCopies, 1);
        QCOMPARE(result.images, 2);
        QCOMPARE(result.skipped, 0);
        QCOMPARE(result.failedSteps, 2);
        QCOMPARE(result.Written(), 5);
        QCOMPARE(result.failures.size(), 2);
        QVERIFY2(result.failures.at(0).startsWith(QStringLiteral("Project information: ")),
                 qPrintable(result.failures.at(0)));
        QVERIFY2(result.failures.at(1).contains(QStringLiteral("YS1_1.mp4")),
                 qPrintable(result.failures.at(1)));
        QVERIFY(m_prompt.Calls().isEmpty());
    }

    // The sheet steps: only for a project with videos; written into the root, replaced.
    void sheets()
    {
        QTemporaryDir out;
        MakeProject(QStringLiteral("工程/一"), {});
        DataExportParam param;
        CDataExporter empty(param, System(), out.path());
        QVERIFY(empty.SetProject(kProjectKey));
        QCOMPARE(empty.Steps(),
                 (QList<CDataExporter::Step>{CDataExporter::ProjectInformation,
                                             CDataExporter::VideoCopy, CDataExporter::ImageCopy}));
        DbTest::Exec(QStringLiteral("DELETE FROM ProjectDetail"));

        MakeProject(QStringLiteral("工程/一"), {{"R", "YS1", "Rain", "a.mp4"}});
        const QString interpretation =
            out.filePath(QStringLiteral("工程_一_Interpretation information_sheet.xls"));
        WriteFile(interpretation, "old");
        CDataExporter exporter(param, System(), out.path());
        QSignalSpy steps(&exporter, &CDataExporter::signal_stepStarted);
        QVERIFY(exporter.SetProject(kProjectKey));
        QCOMPARE(exporter.Steps().size(), 5);
        QVERIFY(exporter.RunAll());
        QCOMPARE(steps.size(), 5);
        QCOMPARE(steps.at(3).at(0).toString(),
                 QStringLiteral("Exporting the detected video in progress , please wait"));
        QCOMPARE(exporter.GetResult().sheets, 3);
        for (const char *title : {"Project information", "Detected and evaluated information"})
            QVERIFY(
                QFileInfo(out.filePath(QStringLiteral("工程_一_%1_sheet.xls").arg(title))).size() >
                0);
        QVERIFY(
            TestSupport::FileBytes(interpretation).startsWith("PK")); // a new workbook in place of the old file
    }

    void commandLine()
    {
        QTemporaryDir data;
        QTemporaryDir sources;
        QTemporaryDir out;
        const QString video = TestSupport::CopySample(QStringLiteral("videos/road1.mp4"), sources);
        TestSupport::CopySample(QStringLiteral("videos/road1.rtv"), sources);
        const QString dir = data.path();
        QCOMPARE(RunCli({"project", "add", "--app-dir", dir, "--number", "P1", "--name",
                         "Ring/road", "--site", "人民路'东段"})
                     .exitCode,
                 0);
        QCOMPARE(RunCli({"import", "--app-dir", dir, "--project", "P1", video}).exitCode, 0);

        const auto run = RunCli({"export", "--app-dir", dir, "--project", "P1", "--to", out.path(),
                                 "--project-info", "off", "--sheets", "on", "--images", "off",
                                 "--road-dir", "off", "--pipe-type-dir", "off"});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        const QStringList files = FilesBelow(out.path());
        QCOMPARE(files.filter(QRegularExpression(QStringLiteral("^Ring_road/video/[^/]+_1\\.mp4$")))
                     .size(),
                 1);
        QCOMPARE(files.filter(QStringLiteral("_sheet.xls")).size(), 2);
        QCOMPARE(files.size(), 3);
        QVERIFY(run.out.contains("1 videos"));

        QCOMPARE(RunCli({"export", "--app-dir", dir, "--project", "P1"}).exitCode, 3);
        QCOMPARE(RunCli({"export", "--app-dir", dir, "--project", "P1", "--to", out.path(),
                         "--videos", "yes"})
                     .exitCode,
                 3);
        QCOMPARE(
            RunCli({"export", "--app-dir", dir, "--project", "nope", "--to", out.path()}).exitCode,
            1);
        QVERIFY(RunCli({"--help"}).out.contains("--pipe-type-dir"));
    }
};

QTEST_GUILESS_MAIN(TestDataExport)
#include "tst_dataexport.moc"
