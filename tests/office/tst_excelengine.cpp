// QExcelEngine: the workbooks it writes and reads through the spreadsheet server, checked
// by reading the saved package back; and, against a stand-in spreadsheet, the choice
// between the two spreadsheet programs and the paths where a part of one is missing.
#include <QtTest>

#include <xlsxwriter.h>

#include "office/automation/axobject.h"
#include "office/automation/oleshim.h"
#include "office/engines/qexcelengine.h"
#include "support/fakeautomation.h"
#include "support/testsupport.h"
#include "support/xlsxreadback.h"

using namespace XlsxReadBack;
using FakeAutomation::Server;

namespace {

// QVariant's == converts ("007" equals 7.0): compare type and text instead.
QString Typed(const QVariant &value)
{
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(value.typeName()), value.toString());
}

double Serial(const QDateTime &dt)
{
    return QDate(1899, 12, 30).daysTo(dt.date()) + dt.time().msecsSinceStartOfDay() / 86400000.0;
}

} // namespace

class TestExcelEngine : public QObject
{
    Q_OBJECT

private:
    TestSupport::RecordingPrompt m_prompt;

private slots:
    void initTestCase() { TestSupport::InstallWarningRecorder(); }
    void init()
    {
        TestSupport::ClearDebugLines();
        m_prompt.Clear();
    }
    void cleanup() { TQ_VERIFY_NO_WARNINGS(); }

    // ---- a stand-in spreadsheet ----

    void whichProgram_data()
    {
        QTest::addColumn<QStringList>("registered");
        QTest::addColumn<QString>("started");
        QTest::newRow("none") << QStringList() << QString();
        QTest::newRow("only WPS") << QStringList{"KET.Application"} << "KET.Application";
        QTest::newRow("both: Excel first")
            << QStringList{"KET.Application", "Excel.Application"} << "Excel.Application";
    }
    void whichProgram()
    {
        QFETCH(QStringList, registered);
        QFETCH(QString, started);
        Server server(registered);
        QExcelEngine engine;
        QCOMPARE(engine.Open(QString(), false), !started.isEmpty());
        if (started.isEmpty()) {
            QVERIFY(server.started().isEmpty());
            QCOMPARE(m_prompt.Calls(),
                     QStringList{"Info|Please to check that the Excel or ET is installed ?"});
        } else {
            QCOMPARE(server.started(), QStringList{started});
            QVERIFY(m_prompt.Calls().isEmpty());
        }
        engine.Close();
    }

    void missingObjectsFailOpen_data()
    {
        QTest::addColumn<QByteArray>("missing");
        QTest::newRow("WorkBooks") << QByteArray("WorkBooks");
        QTest::newRow("ActiveWorkBook") << QByteArray("ActiveWorkBook");
        QTest::newRow("Sheets") << QByteArray("Sheets");
        QTest::newRow("Item") << QByteArray("Item");
    }
    void missingObjectsFailOpen()
    {
        QFETCH(QByteArray, missing);
        Server server({"Excel.Application"});
        server.remove(missing);
        QExcelEngine engine;
        QVERIFY(!engine.Open(QString(), false));
        QVERIFY(!engine.Save(QStringLiteral("/x.xls"))); // not opened: nothing saved
        engine.Close();
        QVERIFY(server.log().filter("SaveAs").isEmpty());
        QVERIFY(server.logged("get Excel.Quit()"));
    }

    // A workbook replaces the file at its path only once the spreadsheet has written it; a
    // workbook that could not be opened is not saved at all.
    void saveReplacesOnlyAWrittenWorkbook_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<bool>("reopen");
        QTest::addColumn<bool>("saved");
        QTest::newRow("new workbook") << QString() << false << true;
        QTest::newRow("opened workbook") << QString() << true << true;
        QTest::newRow("spreadsheet fails") << "SaveAs" << false << false;
        QTest::newRow("missing folder") << "folder" << false << false;
        QTest::newRow("opened file unreadable") << "unreadable" << true << false;
    }
    void saveReplacesOnlyAWrittenWorkbook()
    {
        QFETCH(QString, failure);
        QFETCH(bool, reopen);
        QFETCH(bool, saved);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sheet.xls"));
        {
            QExcelEngine first;
            QVERIFY(first.Open(QString(), false));
            first.SetCellData(0, 0, QStringLiteral("previous"));
            QVERIFY(first.Save(path));
            first.Close();
        }
        if (failure == QLatin1String("unreadable")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("not a workbook");
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray previous = file.readAll();
        file.close();
        std::unique_ptr<Server> server;
        if (failure == QLatin1String("SaveAs")) {
            server = std::make_unique<Server>(QStringList{"Excel.Application"});
            server->fail("SaveAs");
        }
        const QString target =
            failure == QLatin1String("folder") ? dir.filePath(QStringLiteral("no/x.xls")) : path;

        QExcelEngine engine;
        QCOMPARE(engine.Open(reopen ? path : QString(), false), failure != "unreadable");
        engine.SetCellData(0, 0, QStringLiteral("new"));
        QCOMPARE(engine.Save(target), saved);
        QCOMPARE(engine.ErrorString().isEmpty(), saved);
        engine.Close();
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("sheet.xls")});
        if (saved) {
            QCOMPARE(Typed(ReadBack(path).sheet(0).cells.value("A1")), Typed(QVariant("new")));
        } else {
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), previous);
        }
    }

    void selectSheetWithoutCount()
    {
        Server server({"Excel.Application"});
        server.remove("Count");
        QExcelEngine engine;
        QVERIFY(engine.Open(QString(), false));
        server.clearLog();
        QVERIFY(!engine.SelectSheet(2));
        QCOMPARE(server.log(), QStringList{"get Sheets.Count()"}); // no sheet added
    }

    void freezeLogsAroundActivate()
    {
        QExcelEngine engine;
        QVERIFY(engine.Open(QString(), false));
        engine.FreezeRow(1);
        const int before = TestSupport::DebugLines().indexOf(
            QRegularExpression(".*Before Activate \\.\\.\\.\\.\\.\\.$"));
        const int after = TestSupport::DebugLines().indexOf(
            QRegularExpression(".*After Activate \\.\\.\\.\\.\\.\\.$"));
        QVERIFY(before >= 0);
        QCOMPARE(after, before + 1);
    }

    void oleAlreadyMultithreaded()
    {
        QCOMPARE(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
        {
            QExcelEngine engine;
            QVERIFY(TestSupport::DebugLines()
                        .filter("Could not initialize OLE (error 80010106)")
                        .size() == 1);
        }
        CoUninitialize();
        // The failed initialisation was not released a second time: the thread is free.
        QCOMPARE(OleInitialize(nullptr), S_OK);
        OleUninitialize();
        {
            QExcelEngine engine; // on a fresh thread state nothing is logged
        }
        QCOMPARE(TestSupport::DebugLines().filter("Could not initialize OLE").size(), 1);
    }

    // ---- the spreadsheet server ----

    void closedEngineDoesNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("closed.xlsx"));
        QExcelEngine engine;
        QVERIFY(engine.Open(QString(), false));
        engine.Close();
        engine.SetCellData(0, 0, 1);
        QVERIFY(!engine.SelectSheet(1));
        QCOMPARE(engine.GetRange(0, 0, 1, 1), nullptr);
        engine.Save(path);
        QVERIFY(!QFile::exists(path));
        engine.Close(); // safe in every state
    }

    void cellNames_data()
    {
        QTest::addColumn<QList<int>>("corners");
        QTest::addColumn<QString>("cell");
        QTest::newRow("A") << QList<int>{0, 0, 0, 0} << "A1";
        QTest::newRow("Z") << QList<int>{0, 25, 0, 25} << "Z1";
        QTest::newRow("AA") << QList<int>{0, 26, 0, 26} << "AA1";
        QTest::newRow("AB") << QList<int>{0, 27, 0, 27} << "AB1";
        QTest::newRow("AZ") << QList<int>{0, 51, 0, 51} << "AZ1";
        QTest::newRow("BA") << QList<int>{0, 52, 0, 52} << "BA1";
        QTest::newRow("ZZ, row 12") << QList<int>{11, 701, 11, 701} << "ZZ12";
        QTest::newRow("beyond ZZ: nothing") << QList<int>{0, 0, 0, 702} << QString();
        QTest::newRow("negative row: nothing") << QList<int>{-1, 0, 0, 0} << QString();
    }
    void cellNames()
    {
        QFETCH(QList<int>, corners);
        QFETCH(QString, cell);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("names.xlsx"));
        QExcelEngine engine;
        QVERIFY(engine.Open(QString(), false));
        engine.SetRangeData(corners[0], corners[1], corners[2], corners[3],
                            QVariantList{QVariant(QVariantList{"x"})});
        QCOMPARE(engine.GetRange(corners[0], corners[1], corners[2], corners[3]) != nullptr,
                 !cell.isEmpty());
        engine.Save(path);
        engine.Close();
        const QHash<QString, QVariant> cells = ReadBack(path).sheet(0).cells;
        QCOMPARE(cells.keys(), cell.isEmpty() ? QStringList() : QStringList{cell});
        QCOMPARE(cells.value(cell).toString(), cell.isEmpty() ? QString() : QString("x"));
    }

    void mergedRanges_data()
    {
        QTest::addColumn<QList<int>>("corners");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("merged");
        QTest::addColumn<QString>("textCell");
        QTest::newRow("one and two letters") << QList<int>{1, 0, 9, 56} << "Title"
                                             << "A2:BE10"
                                             << "A2";
        QTest::newRow("corners in any order") << QList<int>{5, 3, 2, 1} << "Title"
                                              << "B3:D6"
                                              << "B3";
        QTest::newRow("crossed corners") << QList<int>{2, 3, 5, 1} << "Title"
                                         << "B3:D6"
                                         << "B3";
        QTest::newRow("no text") << QList<int>{1, 3, 1, 0} << QString() << "A2:D2" << QString();
    }
    void mergedRanges()
    {
        QFETCH(QList<int>, corners);
        QFETCH(QString, text);
        QFETCH(QString, merged);
        QFETCH(QString, textCell);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("merged.xlsx"));
        QExcelEngine engine;
        QVERIFY(engine.Open(QString(), false));
        engine.MergeCells(corners[0], corners[1], corners[2], corners[3], text);
        engine.Save(path);
        engine.Close();
        const SavedSheet sheet = ReadBack(path).sheet(0);
        QCOMPARE(sheet.merges, QStringList{merged});
        QCOMPARE(sheet.cells.keys(), textCell.isEmpty() ? QStringList() : QStringList{textCell});
        QCOMPARE(sheet.cells.value(textCell).toString(), text);
    }

    void selectSheet_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("names");
        QTest::newRow("one sheet, index 1 appends") << 1 << 1 << "Sheet1 next";
        QTest::newRow("index 0 is index 1") << 1 << 0 << "Sheet1 next";
        QTest::newRow("below the count") << 3 << 2 << "Sheet1 next C";
        QTest::newRow("negative index") << 3 << -4 << "next B C";
        QTest::newRow("at the count appends") << 3 << 3 << "Sheet1 B C next";
    }
    void selectSheet()
    {
        QFETCH(int, count);
        QFETCH(int, index);
        QFETCH(QString, names);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sheets.xlsx"));
        QExcelEngine engine;
        QVERIFY(engine.Open(QString(), false));
        for (int sheet = 2; sheet <= count; ++sheet) {
            QVERIFY(engine.SelectSheet(sheet - 1));
            engine.SetSheetName(QString(QChar('A' + sheet - 1)));
        }
        QVERIFY(engine.SelectSheet(index));
        engine.SetSheetName(QStringLiteral("next")); // on the sheet made current
        engine.SetSheetName(QString());              // an empty name is not set
        engine.Save(path);
        engine.Close();
        QStringList saved;
        for (const SavedSheet &sheet : ReadBack(path).sheets)
            saved << sheet.name;
        QCOMPARE(saved.join(' '), names);
    }

    void writeWorkbook()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("defects.xls"));
        const QDateTime when(QDate(2024, 5, 20), QTime(8, 0, 0));
        {
            QExcelEngine engine;
            QVERIFY(engine.Open(QString(), false));
            engine.MergeCells(0, 0, 0, 3, QStringLiteral("Interpretation record"));
            engine.SetRangeData(1, 0, 1, 3,
                                QVariantList{QVariant(QVariantList{
                                    "Road Name", "Grade", "Defect length", "Inspection Date"})});
            engine.SetFillColor(1, 0, 1, 3);
            engine.SetBold(0, 0, 1, 3);
            engine.SetNumberFormat(2, 3, 4, 3, QStringLiteral("yyyy-mm-dd hh:mm:ss"));
            engine.SetRangeData(
                4, 3, 2, 0,
                QVariantList{QVariant(QVariantList{"人民路'东段", 3, 1.25, "2024-05-20 08:00:00"}),
                             QVariant(QVariantList{"Road 2", "12", "0.5", when}),
                             QVariant(QVariantList{"Road 3", "007", true, QVariant()})});
            engine.SetBorders(0, 0, 4, 3);
            engine.SetAlignment(0, 0, 4, 3, -4108, -4108);
            engine.AutoFitColumns();
            engine.SetSheetName(QStringLiteral("Defects"));
            engine.FreezeRow(2);
            QVERIFY(engine.SelectSheet(1));
            engine.SetCellData(0, 27, QStringLiteral("second"));
            engine.SetSheetName(QStringLiteral("Second"));
            engine.Save(path);
            engine.Close();
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(2), QByteArray("PK")); // an OOXML package, whatever the extension
        const SavedBook book = ReadBack(path);
        QCOMPARE(book.sheets.size(), 2);
        QCOMPARE(book.sheet(0).name, QStringLiteral("Defects"));
        QCOMPARE(book.sheet(1).name, QStringLiteral("Second"));
        const SavedSheet &sheet = book.sheet(0);
        QCOMPARE(Typed(sheet.cells.value("A1")), Typed(QVariant("Interpretation record")));
        QCOMPARE(Typed(sheet.cells.value("D2")), Typed(QVariant("Inspection Date")));
        QCOMPARE(Typed(sheet.cells.value("A3")), Typed(QVariant("人民路'东段")));
        QCOMPARE(Typed(sheet.cells.value("B3")), Typed(QVariant(3.0)));
        QCOMPARE(Typed(sheet.cells.value("C3")), Typed(QVariant(1.25)));
        // Texts that read as numbers or dates are entered as such, "007" stays a text.
        QCOMPARE(sheet.cells.value("D3").toDouble(), Serial(when));
        QCOMPARE(Typed(sheet.cells.value("B4")), Typed(QVariant(12.0)));
        QCOMPARE(Typed(sheet.cells.value("C4")), Typed(QVariant(0.5)));
        QCOMPARE(sheet.cells.value("D4").toDouble(), Serial(when));
        QCOMPARE(Typed(sheet.cells.value("B5")), Typed(QVariant("007")));
        QCOMPARE(Typed(sheet.cells.value("C5")), Typed(QVariant(1.0))); // a boolean
        QVERIFY(!sheet.cells.contains("D5") || !sheet.cells.value("D5").isValid());
        QCOMPARE(sheet.merges, QStringList{"A1:D1"});
        QCOMPARE(sheet.pane, QStringLiteral("ySplit=2 xSplit=0 frozen"));
        QCOMPARE(Typed(book.sheet(1).cells.value("AB1")), Typed(QVariant("second")));
        QVERIFY(book.sheet(1).pane.isEmpty());

        const SavedXf title = book.format(0, "A1");
        QVERIFY(title.bold);
        QVERIFY(title.fill.isEmpty());
        const SavedXf header = book.format(0, "B2");
        QVERIFY(header.bold);
        QCOMPARE(header.fill, QStringLiteral("FFFFE699"));
        QCOMPARE(header.horizontal, QStringLiteral("center"));
        QCOMPARE(header.vertical, QStringLiteral("center"));
        QCOMPARE(header.borders, QStringList({"thin", "thin", "thin", "thin"}));
        const SavedXf date = book.format(0, "D3");
        QCOMPARE(date.numberFormat, QStringLiteral("yyyy-mm-dd hh:mm:ss"));
        QVERIFY(!date.bold);
        QCOMPARE(book.format(0, "C3").numberFormat, QStringLiteral("General"));
        // Widths follow the widest value plus 2: Chinese characters count double, bold
        // a tenth more, dates the length of their format; the merged title does not count.
        // (The file rounds widths up to whole pixels.)
        auto near = [](double saved, double width) { return saved >= width && saved < width + 1; };
        QVERIFY(near(sheet.widths.value(0), 13));   // 人民路'东段
        QVERIFY(near(sheet.widths.value(2), 16.3)); // bold "Defect length"
        QVERIFY(near(sheet.widths.value(3), 21));   // yyyy-mm-dd hh:mm:ss
    }

    void openExistingKeepsTheRest()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("old.xlsx"));
        // Written by another producer: shared strings, its own styles.
        lxw_workbook *wb = workbook_new(path.toLocal8Bit().constData());
        lxw_format *bold = workbook_add_format(wb);
        format_set_bold(bold);
        lxw_format *date = workbook_add_format(wb);
        format_set_num_format(date, "yyyy-mm-dd");
        lxw_worksheet *first = workbook_add_worksheet(wb, "First");
        worksheet_write_string(first, 0, 0, "keep", bold);
        worksheet_write_number(first, 0, 1, 42, nullptr);
        worksheet_write_string(first, 1, 0, "old", nullptr);
        worksheet_write_number(first, 2, 2, 45432, date);
        worksheet_merge_range(first, 4, 0, 5, 1, "merged", nullptr);
        worksheet_freeze_panes(first, 1, 0);
        lxw_worksheet *other = workbook_add_worksheet(wb, "Other");
        worksheet_write_string(other, 0, 0, "other sheet", nullptr);
        QCOMPARE(int(workbook_close(wb)), int(LXW_NO_ERROR));

        for (int round = 0; round < 2; ++round) { // its own output too
            QExcelEngine engine;
            QVERIFY(engine.Open(path, false));
            engine.SetCellData(1, 0, round == 0 ? QStringLiteral("new") : QStringLiteral("newer"));
            // An opened workbook is saved in place, whatever path is given.
            engine.Save(dir.filePath(QStringLiteral("elsewhere.xlsx")));
            engine.Close();
            QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("elsewhere.xlsx"))));
            const SavedBook book = ReadBack(path);
            QCOMPARE(book.sheets.size(), 2);
            const SavedSheet &sheet = book.sheet(0);
            QCOMPARE(sheet.name, QStringLiteral("First"));
            QCOMPARE(Typed(sheet.cells.value("A1")), Typed(QVariant("keep")));
            QVERIFY(book.format(0, "A1").bold);
            QCOMPARE(Typed(sheet.cells.value("B1")), Typed(QVariant(42.0)));
            QCOMPARE(Typed(sheet.cells.value("A2")), Typed(QVariant(round == 0 ? "new" : "newer")));
            QCOMPARE(Typed(sheet.cells.value("C3")), Typed(QVariant(45432.0)));
            QCOMPARE(book.format(0, "C3").numberFormat, QStringLiteral("yyyy-mm-dd"));
            QCOMPARE(Typed(sheet.cells.value("A5")), Typed(QVariant("merged")));
            QCOMPARE(sheet.merges, QStringList{"A5:B6"});
            QCOMPARE(sheet.pane, QStringLiteral("ySplit=1 xSplit=0 frozen"));
            QCOMPARE(Typed(book.sheet(1).cells.value("A1")), Typed(QVariant("other sheet")));
        }
    }

    void openFailures()
    {
        QTemporaryDir dir;
        const QString notAWorkbook = dir.filePath(QStringLiteral("notes.xlsx"));
        QFile file(notAWorkbook);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("plain text");
        file.close();
        for (const QString &path : {dir.filePath(QStringLiteral("missing.xlsx")), notAWorkbook}) {
            QExcelEngine engine;
            QVERIFY(!engine.Open(path, false));
            engine.SetCellData(0, 0, 1);
            engine.Save(path);
            engine.Close();
        }
        QCOMPARE(file.size(), qint64(10));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("missing.xlsx"))));
    }

    void failedSaveKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sheet.xlsx"));
        QExcelEngine engine;
        QVERIFY(engine.Open(QString(), false));
        engine.SetCellData(0, 0, QStringLiteral("first"));
        engine.Save(path);
        engine.SetCellData(0, 0, QStringLiteral("second"));
        engine.Save(dir.filePath(QStringLiteral("no/such/folder/sheet.xlsx")));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("no"))));
        engine.Save(path);
        engine.Close();
        QCOMPARE(Typed(ReadBack(path).sheet(0).cells.value("A1")), Typed(QVariant("second")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"sheet.xlsx"});
    }

    void enteredTexts_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("storedFormat");
        QTest::newRow("integer") << "General"
                                 << "12" << QVariant(12.0) << "General";
        QTest::newRow("negative decimal") << "General"
                                          << "-0.5" << QVariant(-0.5) << "General";
        QTest::newRow("leading zeros stay text") << "General"
                                                 << "007" << QVariant("007") << "General";
        QTest::newRow("16 digits stay text")
            << "General"
            << "1234567890123456" << QVariant("1234567890123456") << "General";
        QTest::newRow("text format keeps a number text") << "@"
                                                         << "12" << QVariant("12") << "@";
        QTest::newRow("date") << "General"
                              << "2024-05-20" << QVariant(45432.0) << "yyyy-mm-dd";
        QTest::newRow("date with slashes") << "General"
                                           << "2024/05/20" << QVariant(45432.0) << "yyyy-mm-dd";
        QTest::newRow("date-time, own format kept")
            << "yyyy-mm-dd"
            << "2024-05-20 12:00" << QVariant(45432.5) << "yyyy-mm-dd";
        QTest::newRow("impossible date") << "General"
                                         << "2024-02-30" << QVariant("2024-02-30") << "General";
        QTest::newRow("time of a video stays text")
            << "General"
            << "00:01:23" << QVariant("00:01:23") << "General";
        QTest::newRow("number and unit") << "General"
                                         << "12.5m" << QVariant("12.5m") << "General";
    }

    void enteredTexts()
    {
        QFETCH(QString, format);
        QFETCH(QString, text);
        QFETCH(QVariant, stored);
        QFETCH(QString, storedFormat);
        AxObject excel(QStringLiteral("Excel.Application"));
        excel.querySubObject("WorkBooks")->dynamicCall("Add");
        AxObject *cell =
            excel.querySubObject("ActiveSheet")->querySubObject("Cells(int,int)", 2, 3);
        QVERIFY(cell);
        QVERIFY(cell->setProperty("NumberFormat", format));
        cell->dynamicCall("SetValue(const QVariant&)", text);
        QCOMPARE(Typed(cell->property("Value2")), Typed(stored));
        QCOMPARE(cell->property("NumberFormatLocal").toString(), storedFormat);
    }

    void sheetNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("plain") << "Defects" << true;
        QTest::newRow("Chinese") << "缺陷判读记录" << true;
        QTest::newRow("31 characters") << QString(31, 'x') << true;
        QTest::newRow("32 characters") << QString(32, 'x') << false;
        QTest::newRow("the other sheet's, other case") << "OTHER" << false;
        QTest::newRow("its own, other case") << "SHEET1" << true;
        QTest::newRow("colon") << "a:b" << false;
        QTest::newRow("bracket") << "a[1]" << false;
        QTest::newRow("apostrophe first") << "'a" << false;
        QTest::newRow("blank") << "  " << false;
    }

    void sheetNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        AxObject excel(QStringLiteral("Excel.Application"));
        excel.querySubObject("WorkBooks")->dynamicCall("Add");
        AxObject *sheets = excel.querySubObject("ActiveWorkBook")->querySubObject("Sheets");
        AxObject *other = sheets->querySubObject("Add");
        QVERIFY(other->setProperty("Name", QStringLiteral("Other")));
        AxObject *sheet = sheets->querySubObject("Item(QString)", QStringLiteral("Sheet1"));
        QVERIFY(sheet);
        QCOMPARE(sheet->setProperty("Name", name), accepted);
        QCOMPARE(sheet->property("Name").toString(), accepted ? name : QStringLiteral("Sheet1"));
    }

    void sheetOrderAndMerges()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("order.xlsx"));
        {
            QExcelEngine engine;
            QVERIFY(engine.Open(QString(), false));
            for (int i = 1; i <= 3; ++i) {
                QVERIFY(engine.SelectSheet(i));
                engine.SetSheetName(QStringLiteral("S%1").arg(i));
            }
            QVERIFY(engine.SelectSheet(2));
            engine.MergeCells(0, 0, 1, 1, QStringLiteral("top-left"));
            engine.MergeCells(1, 1, 2, 3, QString()); // overlaps: one merge over both
            engine.MergeCells(5, 5, 5, 5, QStringLiteral("single")); // nothing merged
            engine.Save(path);
            engine.Close();
        }
        const SavedBook book = ReadBack(path);
        QStringList names;
        for (const SavedSheet &sheet : book.sheets)
            names << sheet.name;
        QCOMPARE(names, QStringList({"Sheet1", "S1", "S2", "S3"}));
        QCOMPARE(book.sheet(1).merges, QStringList{"A1:D3"}); // Item(2) of four is S1
        QCOMPARE(Typed(book.sheet(1).cells.value("A1")), Typed(QVariant("top-left")));
        QCOMPARE(Typed(book.sheet(1).cells.value("F6")), Typed(QVariant("single")));
    }

    void sheetMoves_data()
    {
        QTest::addColumn<QString>("moved");
        QTest::addColumn<int>("argument"); // 0: Before, 1: After
        QTest::addColumn<QString>("other");
        QTest::addColumn<QString>("order");
        QTest::newRow("forward, before") << "A" << 0 << "C"
                                         << "B A C";
        QTest::newRow("forward, after") << "A" << 1 << "C"
                                        << "B C A";
        QTest::newRow("back, before") << "C" << 0 << "A"
                                      << "C A B";
        QTest::newRow("back, after") << "C" << 1 << "A"
                                     << "A C B";
        QTest::newRow("before itself") << "B" << 0 << "B"
                                       << "A B C";
    }

    void sheetMoves()
    {
        QFETCH(QString, moved);
        QFETCH(int, argument);
        QFETCH(QString, other);
        QFETCH(QString, order);
        AxObject excel(QStringLiteral("Excel.Application"));
        excel.querySubObject("WorkBooks")->dynamicCall("Add");
        AxObject *sheets = excel.querySubObject("ActiveWorkBook")->querySubObject("Sheets");
        sheets->querySubObject("Item(int)", 1)->setProperty("Name", QStringLiteral("A"));
        // Add puts a sheet before the active one unless told otherwise.
        // (The list form: the argument form ends at the first invalid argument.)
        AxObject *c = sheets->querySubObject(
            "Add(QVariant, QVariant)",
            QVariantList{QVariant(), sheets->querySubObject("Item(int)", 1)->asVariant()});
        c->setProperty("Name", QStringLiteral("C"));
        sheets->querySubObject("Add")->setProperty("Name", QStringLiteral("B"));
        AxObject *first = sheets->querySubObject("Item(QString)", moved);
        AxObject *second = sheets->querySubObject("Item(QString)", other);
        QVariantList args{QVariant(), QVariant()};
        args[argument] = second->asVariant();
        first->dynamicCall("Move(QVariant, QVariant)", args);
        QStringList names;
        for (int i = 1; i <= sheets->property("Count").toInt(); ++i)
            names << sheets->querySubObject("Item(int)", i)->property("Name").toString();
        QCOMPARE(names.join(QLatin1Char(' ')), order);
    }
};

QTEST_GUILESS_MAIN(TestExcelEngine)
#include "tst_excelengine.moc"
