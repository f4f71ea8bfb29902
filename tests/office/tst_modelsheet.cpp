// The four sheet kinds written through the spreadsheet server, read back from the saved
// packages: headers, titles, group headers, formats, fill, bold, borders, frozen rows.
#include <QtTest>

#include "core/database/ckln_tq420database.h"
#include "core/files/cvideoimporter.h"
#include "core/inspection/cfilertv.h"
#include "core/settings/qsysteminfo.h"
#include "office/report/cmodelsheet.h"
#include "office/report/csheetdata.h"
#include "office/report/qexportsheetthread.h"
#include "support/dbtestsupport.h"
#include "support/testsupport.h"
#include "support/xlsxreadback.h"

using namespace XlsxReadBack;

namespace {
QVariantList Rows(int rows, int columns, const QString &prefix)
{
    QVariantList data;
    for (int r = 0; r < rows; ++r) {
        QVariantList row;
        for (int c = 0; c < columns; ++c)
            row << QStringLiteral("%1 %2-%3").arg(prefix).arg(r).arg(c);
        data << QVariant(row);
    }
    return data;
}

SystemValues System()
{
    return SystemValues::Of(*QSystemInfo::GetInstance());
}

QString Cell(int row, int column)
{
    QString letters;
    for (int c = column + 1; c > 0; c = (c - 1) / 26)
        letters.prepend(QChar('A' + (c - 1) % 26));
    return letters + QString::number(row + 1);
}
} // namespace

class TestModelSheet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { DbTest::PrepareSuite(m_settingsDir.path()); }
    void cleanup() { TQ_VERIFY_NO_WARNINGS(); }

    void pageSheetWithoutTitle()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("_project details.xls"));
        QVariantList data = Rows(3, 16, QStringLiteral("p"));
        QVariantList first = data.at(0).toList();
        first[4] = QStringLiteral("2024-05-06");
        data[0] = first;
        CModelSheet sheet(QStringLiteral("Sheet1"), 0);
        QVERIFY(sheet.ExportProjectDetails(path, data, 3, 16));

        const SavedBook book = ReadBack(path);
        QCOMPARE(book.sheets.size(), 1);
        const SavedSheet &s = book.sheet(0);
        QCOMPARE(s.name, QStringLiteral("Sheet1"));
        QCOMPARE(s.cells.value("A1").toString(), QStringLiteral("Project No."));
        QCOMPARE(s.cells.value("P1").toString(), QStringLiteral("Cleaning method"));
        QCOMPARE(s.cells.value("B4").toString(), QStringLiteral("p 2-1"));
        QVERIFY(s.pane.isEmpty());
        QVERIFY(s.merges.isEmpty());
        QVERIFY(book.format(0, "A1").bold);
        QVERIFY(!book.format(0, "A1").fill.isEmpty());
        QVERIFY(!book.format(0, "A2").bold);
        QVERIFY(book.format(0, "A2").fill.isEmpty());
        QCOMPARE(book.format(0, "E2").numberFormat, QStringLiteral("yyyy-mm-dd"));
        QCOMPARE(book.format(0, "P4").borders, QStringList({"thin", "thin", "thin", "thin"}));
        QCOMPARE(book.format(0, "C3").horizontal, QStringLiteral("center"));
        QCOMPARE(book.format(0, "C3").vertical, QStringLiteral("center"));
        QVERIFY(!s.cells.contains("A5"));
    }

    void detectedAndEvaluatedSheet()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("evaluation.xls"));
        const QString title = QStringLiteral("Detected and evaluated information");
        CModelSheet sheet(title, 0);
        QVERIFY(sheet.ExportDetectedAndEvaluated(path, Rows(2, 57, QStringLiteral("d")), 2, 57));

        const SavedBook book = ReadBack(path);
        const SavedSheet &s = book.sheet(0);
        QCOMPARE(s.name, CModelSheet::SheetNameFor(title));
        QVERIFY(s.name.size() <= 31);
        QCOMPARE(s.cells.value("A1").toString(), title);
        QVERIFY(s.merges.contains(QStringLiteral("A1:BE1")));
        for (const char *merge : {"H2:O2", "P2:T2", "U2:V2", "AE2:AG2", "AH2:AL2", "AM2:AN2",
                                  "AO2:AP2", "AQ2:AQ3", "AR2:AX2", "AY2:BE2"})
            QVERIFY2(s.merges.contains(QString::fromLatin1(merge)), merge);
        QCOMPARE(s.cells.value("H2").toString(), QStringLiteral("Starting inspection well"));
        QCOMPARE(s.cells.value("A3").toString(), QStringLiteral("Video No."));
        QCOMPARE(s.cells.value("H3").toString(), QStringLiteral("Starting well No"));
        QCOMPARE(s.cells.value("BE3").toString(),
                 QStringLiteral("evaluation in \ncolligation condition"));
        QCOMPARE(s.cells.value("A4").toString(), QStringLiteral("d 0-0"));
        QCOMPARE(s.pane, QStringLiteral("ySplit=3 xSplit=0 frozen"));
        for (int column : {3, 30, 33, 34})
            QCOMPARE(book.format(0, Cell(3, column)).numberFormat, QStringLiteral("@"));
        QVERIFY(book.format(0, "A1").bold);
        QVERIFY(book.format(0, "A1").fill.isEmpty()); // the title is bold, not filled
        QVERIFY(!book.format(0, "H2").fill.isEmpty());
        QVERIFY(!book.format(0, "A3").fill.isEmpty());
        QCOMPARE(CModelSheet::HeaderTexts(CModelSheet::DetectedAndEvaluated).size(), 57);
    }

    void reusedFileKeepsWhatIsNotOverwritten()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("__interpretion record.xls"));
        QVERIFY(CModelSheet(QStringLiteral("Sheet1"), 1)
                    .ExportInterpretationRecord(path, Rows(5, 16, "old"), 5, 16));
        QVERIFY(CModelSheet(QStringLiteral("Sheet1"), 1)
                    .ExportInterpretationRecord(path, Rows(2, 16, "new"), 2, 16));
        const SavedSheet s = ReadBack(path).sheet(0);
        QCOMPARE(s.cells.value("A2").toString(), QStringLiteral("new 0-0"));
        QCOMPARE(s.cells.value("A3").toString(), QStringLiteral("new 1-0"));
        QCOMPARE(s.cells.value("A6").toString(), QStringLiteral("old 4-0"));
    }

    void exportThread_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("lastHeader");
        QTest::newRow("projects") << 0 << 16 << "Cleaning method";
        QTest::newRow("videos") << 1 << 9 << "Interpretion count";
        QTest::newRow("defects") << 2 << 16 << "Interpretation date";
    }

    void exportThread()
    {
        QFETCH(int, kind);
        QFETCH(int, columns);
        QFETCH(QString, lastHeader);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sheet.xls"));
        QExportSheetThread thread;
        QSignalSpy finished(&thread, &QExportSheetThread::export_finished);
        thread.StartExport(path, Rows(4, columns, QStringLiteral("人民路'东段")), 4, columns, kind);
        // The signal may come before this thread looks: wait for the worker, then count.
        QVERIFY(thread.wait(30000));
        QCOMPARE(finished.count(), 1);
        QVERIFY(thread.Succeeded());
        const SavedSheet s = ReadBack(path).sheet(0);
        QCOMPARE(s.cells.value(Cell(0, columns - 1)).toString(), lastHeader);
        QCOMPARE(s.cells.value("A5").toString(), QStringLiteral("人民路'东段 3-0"));
    }

    // The page's worker replaces the chosen file by a new workbook once it is written, or
    // leaves it as it was and says why.
    void exportThreadReplacesTheFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("written");
        QTest::newRow("over a file that is no workbook") << "sheet.xls" << true;
        QTest::newRow("over a workbook with more rows") << "old.xls" << true;
        QTest::newRow("into a missing folder") << "missing/sheet.xls" << false;
        QTest::newRow("over a folder") << "folder.xls" << false;
    }
    void exportThreadReplacesTheFile()
    {
        QFETCH(QString, target);
        QFETCH(bool, written);
        QTemporaryDir dir;
        const QString path = dir.filePath(target);
        QVERIFY(
            CModelSheet(QStringLiteral("Sheet1"), 0)
                .ExportInterpretationRecord(dir.filePath("old.xls"), Rows(5, 16, "old"), 5, 16));
        {
            QFile other(dir.filePath("sheet.xls"));
            QVERIFY(other.open(QIODevice::WriteOnly));
            other.write("not a workbook");
        }
        QVERIFY(QDir(dir.path()).mkdir("folder.xls"));
        const QStringList before =
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        QExportSheetThread thread;
        thread.StartExport(path, Rows(2, 16, QStringLiteral("new")), 2, 16, 2);
        QVERIFY(thread.wait(30000));
        QCOMPARE(thread.Succeeded(), written);
        QCOMPARE(thread.ErrorString().isEmpty(), written);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 before);
        if (written) {
            const SavedSheet s = ReadBack(path).sheet(0);
            QCOMPARE(s.cells.value("A3").toString(), QStringLiteral("new 1-0"));
            QVERIFY(!s.cells.contains("A4"));
        }
    }

    // One row per readable RTV file, 57 values, numbered without gaps.
    void detectedAndEvaluatedRows()
    {
        QTemporaryDir dir;
        const QString worked = TestSupport::CopySample(QStringLiteral("rtv/worked.rtv"), dir);
        const QString broken = TestSupport::CopySample(QStringLiteral("rtv/notsqlite.rtv"), dir);
        const QVariantList rows =
            CSheetData::DetectedAndEvaluatedRows({broken, worked, worked}, System());
        QCOMPARE(rows.size(), 2);
        const QVariantList row = rows.at(1).toList();
        QCOMPARE(row.size(), CSheetData::ColumnCount(CModelSheet::DetectedAndEvaluated));
        QCOMPARE(row.at(0).toInt(), 2);
        QCOMPARE(row.at(3).toString(), QStringLiteral("WE-1~WE-2"));
        QVERIFY(row.at(38).toString().endsWith(QStringLiteral("(K=6)")));
        QCOMPARE(row.at(39).toInt(), 6);
        QCOMPARE(row.at(40).toString(), QStringLiteral("Muddy soil(T=8)"));
        QCOMPARE(row.at(41).toInt(), 8);
        QCOMPARE(row.at(42).toInt(), 3); // E of an 800 mm pipe
        QCOMPARE(row.at(43).toInt(), 1); // one structural defect
        QCOMPARE(row.at(44).toDouble(), 10.0);
        QCOMPARE(row.at(46).toInt(), 4);
        QCOMPARE(row.at(47).toDouble(), 0.02);
        QCOMPARE(row.at(48).toDouble(), 8.95);
        QCOMPARE(row.at(50).toInt(), 0); // no functional defect
        QCOMPARE(row.at(53).toInt(), 1);
        TestSupport::TakeWarnings();
    }

    // The operator, the equipment and the option texts are those of the values handed in,
    // not of the system settings store (which the worker thread must not read).
    void rowsShowTheGivenSystemValues()
    {
        QTemporaryDir dir;
        const QString worked = TestSupport::CopySample(QStringLiteral("rtv/worked.rtv"), dir);
        CFileRTV file;
        QVERIFY(file.open(worked) && file.TraversalFile());
        file.close();
        const ProjectParam header = file.GetProjectParam();
        const PipelineParam pipe = file.GetPipelineParam();

        SystemValues system = System();
        system.persons = {SystemRecord(header.strTester, QStringLiteral("Pilot"),
                                       QStringLiteral("P-9"), QStringLiteral("ID-77"),
                                       QStringLiteral("555"))};
        system.equipments = {SystemRecord(header.strTestDevice, QStringLiteral("Crawler"),
                                          QStringLiteral("E-5"), QStringLiteral("EQ-88"),
                                          QStringLiteral("Maker"))};
        COptionList &wellMaterials = system.optionLists[QSystemInfo::InspectionWellMaterial];
        QVERIFY(wellMaterials.replace(pipe.startWell.nWellMeterial, QStringLiteral("Glass brick")));
        COptionList &pipeTypes = system.optionLists[QSystemInfo::PipeType];
        QVERIFY(pipeTypes.replace(pipe.nPipeSectionType, QStringLiteral("Tunnel")));

        const QVariantList rows = CSheetData::DetectedAndEvaluatedRows({worked}, system);
        QCOMPARE(rows.size(), 1);
        const QString path = dir.filePath(QStringLiteral("evaluation.xls"));
        QVERIFY(CModelSheet(QStringLiteral("Sheet1"), 0)
                    .ExportDetectedAndEvaluated(path, rows, 1, CSheetData::ColumnCount(3)));
        const SavedSheet s = ReadBack(path).sheet(0);
        const int row = 2; // below the group and the column headers
        QCOMPARE(s.cells.value(Cell(row, 12)).toString(), QStringLiteral("Glass brick"));
        QCOMPARE(s.cells.value(Cell(row, 23)).toString(), QStringLiteral("Tunnel"));
        QCOMPARE(s.cells.value(Cell(row, 30)).toString(), QStringLiteral("ID-77"));
        QCOMPARE(s.cells.value(Cell(row, 32)).toString(), QStringLiteral("Pilot"));
        QCOMPARE(s.cells.value(Cell(row, 33)).toString(), QStringLiteral("E-5"));
        QCOMPARE(s.cells.value(Cell(row, 34)).toString(), QStringLiteral("EQ-88"));
        QCOMPARE(s.cells.value(Cell(row, 37)).toString(), QStringLiteral("Maker"));
    }

    // The rows of a project's page sheets, from an imported video.
    void projectRows()
    {
        const auto data = DbTest::FreshDataFolder();
        DbTest::InsertProject(QStringLiteral("PRJ0000001"), QStringLiteral("P-1"));
        QTemporaryDir sources;
        const QString video = TestSupport::CopySample(QStringLiteral("videos/road1.mp4"), sources);
        TestSupport::CopySample(QStringLiteral("videos/road1.rtv"), sources);
        CFileRTV file;
        const CVideoImporter::Result imported =
            CVideoImporter::ImportOne(video, QStringLiteral("PRJ0000001"), file, true);
        QVERIFY(imported.ok); // the importer stores the video's row

        QCOMPARE(CSheetData::ProjectRows().size(), 1);
        QCOMPARE(CSheetData::ProjectRows().at(0).toList().size(), 16);
        const QVariantList videos = CSheetData::VideoRows(QStringLiteral("PRJ0000001"));
        QCOMPARE(videos.size(), 1);
        QCOMPARE(videos.at(0).toList().size(), 9);
        QCOMPARE(videos.at(0).toList().at(5).toString(), imported.info.strHashCode);
        QCOMPARE(CSheetData::InterpretationRows(QStringLiteral("PRJ0000001")).size(),
                 imported.defects);
        const QStringList rtvFiles = CSheetData::ProjectRtvFiles(QStringLiteral("PRJ0000001"));
        QCOMPARE(rtvFiles.size(), 1);
        QVERIFY(QFileInfo::exists(rtvFiles.first()));
        QCOMPARE(CSheetData::DetectedAndEvaluatedRows(rtvFiles, System()).size(), 1);
        CKLN_TQ420DataBase::ReleaseInstance();
        TestSupport::TakeWarnings();
    }

    void areaAndSoilTexts()
    {
        QVERIFY(CModelSheet::AreaText(2).endsWith(QStringLiteral("(K=3)")));
        QCOMPARE(CModelSheet::SoilText(2), QStringLiteral("Muddy soil(T=8)"));
        QVERIFY(CModelSheet::AreaText(7).isEmpty());
        QVERIFY(CModelSheet::SoilText(-1).isEmpty());
        QCOMPARE(CModelSheet::SheetNameFor(QStringLiteral("a/b:c[d]?*")), QStringLiteral("abcd"));
    }

private:
    QTemporaryDir m_settingsDir;
};

QTEST_GUILESS_MAIN(TestModelSheet)
#include "tst_modelsheet.moc"
