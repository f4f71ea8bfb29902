// QExcelEngine: the exact automation calls (against a recording server) and the workbooks
// the spreadsheet server writes and reads (checked by reading the saved package back).
#include <QtTest>

#include <KZip>
#include <KArchiveDirectory>
#include <KArchiveFile>
#include <QXmlStreamReader>
#include <xlsxwriter.h>

#include "office/automation/axobject.h"
#include "office/automation/axserverregistry.h"
#include "office/automation/officeservers.h"
#include "office/automation/oleshim.h"
#include "office/engines/qexcelengine.h"
#include "support/testsupport.h"
#include "support/xlsxreadback.h"

using namespace XlsxReadBack;

namespace {

// ---- a recording spreadsheet: every call logged, every member an object -------------

struct FakeState
{
    QStringList log;
    QSet<QString> missing; // members answered as unknown
    int sheetCount = 1;
};

class FakeObject : public AxDispatch
{
public:
    FakeObject(const QString &path, std::shared_ptr<FakeState> state)
        : m_path(path), m_state(std::move(state))
    {}

    QString typeName() const override { return m_path; }

    static QString Describe(const QVariant &value)
    {
        if (const AxDispatchPtr object = AxObjectArgument(value))
            return object->typeName();
        if (value.userType() == QMetaType::QVariantList) {
            QStringList items;
            for (const QVariant &item : value.toList())
                items << Describe(item);
            return QLatin1Char('[') + items.join(QLatin1Char(',')) + QLatin1Char(']');
        }
        return value.toString();
    }

    AxResult invoke(const AxCall &call) override
    {
        QStringList args;
        for (const QVariant &arg : call.args())
            args << Describe(arg);
        const QString member = QString::fromLatin1(call.member());
        if (call.kind() == AxCall::Put)
            m_state->log << m_path + QLatin1Char('.') + member + QLatin1String(" = ")
                                + args.value(0);
        else
            m_state->log << m_path + QLatin1Char('.') + QString::fromLatin1(call.signature())
                                + (args.isEmpty()
                                       ? QString()
                                       : QLatin1String(" <- ") + args.join(QLatin1String(", ")));
        if (m_state->missing.contains(member))
            return AxResult::unknownMember();
        if (call.kind() == AxCall::Put)
            return AxResult::ok();
        if (call.is("Count"))
            return AxResult::ok(m_state->sheetCount);
        const QString child = args.isEmpty() ? member
                                             : member + QLatin1Char('(')
                                                   + args.join(QLatin1Char(',')) + QLatin1Char(')');
        return AxResult::object(std::make_shared<FakeObject>(child, m_state));
    }

private:
    QString m_path;
    std::shared_ptr<FakeState> m_state;
};

// Puts recording servers under the given ProgIDs, and the product's back afterwards.
class FakeOffice
{
public:
    explicit FakeOffice(const QStringList &progIds = {QStringLiteral("Excel.Application")})
        : m_progIds(progIds)
    {
        AxServerRegistry::unregisterServer(QStringLiteral("Excel.Application"));
        for (const QString &progId : progIds) {
            const QString name = progId.section(QLatin1Char('.'), 0, 0);
            auto state = this->state;
            AxServerRegistry::registerServer(
                progId, [name, state] { return std::make_shared<FakeObject>(name, state); });
        }
    }
    ~FakeOffice()
    {
        for (const QString &progId : m_progIds)
            AxServerRegistry::unregisterServer(progId);
        RegisterOfficeServers();
    }

    std::shared_ptr<FakeState> state = std::make_shared<FakeState>();

private:
    QStringList m_progIds;
};

const QStringList kOpenNew = {"Excel.SetVisible (bool Visible) <- false",
                              "Excel.DisplayAlerts = false",
                              "Excel.WorkBooks",
                              "WorkBooks.Add",
                              "Excel.ActiveWorkBook",
                              "ActiveWorkBook.Sheets",
                              "Sheets.Item(int) <- 1"};

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
    void initTestCase()
    {
        TestSupport::InstallWarningRecorder();
    }
    void init()
    {
        TestSupport::ClearDebugLines();
        m_prompt.Clear();
    }
    void cleanup() { TQ_VERIFY_NO_WARNINGS(); }

    // ---- the calls, against a recording server ----

    void openNewAndSave()
    {
        FakeOffice office;
        QExcelEngine engine;
        QVERIFY(engine.Open(QString(), false));
        QCOMPARE(office.state->log, kOpenNew);
        office.state->log.clear();
        engine.Save(QStringLiteral("/data/out.xls"));
        engine.Close();
        QCOMPARE(office.state->log,
                 QStringList({"ActiveWorkBook.SaveAs(const QString&) <- /data/out.xls",
                              "ActiveWorkBook.Close()", "Excel.Quit()"}));
        // Closed: nothing is called any more, and closing again is harmless.
        office.state->log.clear();
        engine.Save(QStringLiteral("/data/out.xls"));
        engine.SetCellData(0, 0, 1);
        QVERIFY(!engine.SelectSheet(1));
        engine.Close();
        QVERIFY(office.state->log.isEmpty());
    }

    void openExistingSavesInPlace()
    {
        FakeOffice office;
        QExcelEngine engine;
        QVERIFY(engine.Open(QStringLiteral("/data/old.xls"), true));
        QCOMPARE(office.state->log.mid(2, 3),
                 QStringList({"Excel.WorkBooks", "WorkBooks.Open(const Variant&) <- /data/old.xls",
                              "Open(/data/old.xls).Sheets"}));
        QCOMPARE(office.state->log.first(),
                 QStringLiteral("Excel.SetVisible (bool Visible) <- true"));
        office.state->log.clear();
        engine.Save(QStringLiteral("/elsewhere/ignored.xls"));
        QCOMPARE(office.state->log,
                 QStringList({"Open(/data/old.xls).Saved = false", "Open(/data/old.xls).Save()"}));
    }

    void whichProgram_data()
    {
        QTest::addColumn<QStringList>("registered");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QString>("application");
        QTest::newRow("none") << QStringList() << false << QString();
        QTest::newRow("only WPS") << QStringList{"KET.Application"} << true << "KET";
        QTest::newRow("both: Excel first")
            << QStringList{"KET.Application", "Excel.Application"} << true << "Excel";
    }

    void whichProgram()
    {
        QFETCH(QStringList, registered);
        QFETCH(bool, opened);
        QFETCH(QString, application);
        FakeOffice office(registered);
        QExcelEngine engine;
        QCOMPARE(engine.Open(QString(), false), opened);
        if (opened) {
            QCOMPARE(office.state->log.first(),
                     application + ".SetVisible (bool Visible) <- false");
            QVERIFY(m_prompt.Calls().isEmpty());
        } else {
            QVERIFY(office.state->log.isEmpty());
            QCOMPARE(m_prompt.Calls(),
                     QStringList{"Info|Please to check that the Excel or ET is installed ?"});
        }
        engine.Close();
    }

    void missingObjectsFailOpen_data()
    {
        QTest::addColumn<QString>("missing");
        QTest::addColumn<int>("calls");
        QTest::newRow("WorkBooks") << "WorkBooks" << 3;
        QTest::newRow("ActiveWorkBook") << "ActiveWorkBook" << 5;
        QTest::newRow("Sheets") << "Sheets" << 6;
        QTest::newRow("Item") << "Item" << 7;
    }

    void missingObjectsFailOpen()
    {
        QFETCH(QString, missing);
        QFETCH(int, calls);
        FakeOffice office;
        office.state->missing << missing;
        QExcelEngine engine;
        QVERIFY(!engine.Open(QString(), false));
        QCOMPARE(office.state->log, kOpenNew.mid(0, calls));
        office.state->log.clear();
        engine.Save(QStringLiteral("/x.xls")); // not opened: nothing saved
        engine.Close();
        QVERIFY(!office.state->log.contains("ActiveWorkBook.SaveAs(const QString&) <- /x.xls"));
        QVERIFY(office.state->log.contains("Excel.Quit()"));
    }

    void rangeNames_data()
    {
        QTest::addColumn<QList<int>>("corners");
        QTest::addColumn<QString>("name");
        QTest::newRow("A") << QList<int>{0, 0, 0, 0} << "A1:A1";
        QTest::newRow("Z") << QList<int>{0, 25, 0, 25} << "Z1:Z1";
        QTest::newRow("AA") << QList<int>{0, 26, 0, 26} << "AA1:AA1";
        QTest::newRow("AB") << QList<int>{0, 27, 0, 27} << "AB1:AB1";
        QTest::newRow("AZ") << QList<int>{0, 51, 0, 51} << "AZ1:AZ1";
        QTest::newRow("BA") << QList<int>{0, 52, 0, 52} << "BA1:BA1";
        QTest::newRow("ZZ") << QList<int>{0, 701, 0, 701} << "ZZ1:ZZ1";
        QTest::newRow("one and two letters") << QList<int>{1, 0, 9, 56} << "A2:BE10";
        QTest::newRow("corners in any order") << QList<int>{5, 3, 2, 1} << "B3:D6";
        QTest::newRow("crossed corners") << QList<int>{2, 3, 5, 1} << "B3:D6";
        QTest::newRow("beyond ZZ: no range") << QList<int>{0, 0, 0, 702} << QString();
        QTest::newRow("negative row: no range") << QList<int>{-1, 0, 0, 0} << QString();
    }

    void rangeNames()
    {
        QFETCH(QList<int>, corners);
        QFETCH(QString, name);
        FakeOffice office;
        QExcelEngine engine;
        QVERIFY(engine.Open(QString(), false));
        office.state->log.clear();
        AxObject *range = engine.GetRange(corners[0], corners[1], corners[2], corners[3]);
        if (name.isEmpty()) {
            QCOMPARE(range, nullptr);
            QVERIFY(office.state->log.isEmpty());
        } else {
            QVERIFY(range);
            QCOMPARE(office.state->log, QStringList{"Item(1).Range(const QString&) <- " + name});
        }
    }

    void selectSheet_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("calls");
        const QStringList append1 = {"Sheets.Count",
                                     "Sheets.Item(int) <- 1",
                                     "Sheets.Add(QVariant) <- Item(1)",
                                     "Item(1).Move(QVariant) <- Add(Item(1))",
                                     "Add(Item(1)).Activate()",
                                     "Add(Item(1)).Name = next"};
        QTest::newRow("one sheet, index 1 appends") << 1 << 1 << append1;
        QTest::newRow("index 0 is index 1") << 1 << 0 << append1;
        QTest::newRow("below the count")
            << 3 << 2
            << QStringList{"Sheets.Count", "Sheets.Item(int) <- 2", "Item(2).Name = next"};
        QTest::newRow("negative index")
            << 3 << -4
            << QStringList{"Sheets.Count", "Sheets.Item(int) <- 1", "Item(1).Name = next"};
        QTest::newRow("at the count appends")
            << 3 << 3
            << QStringList{"Sheets.Count",
                           "Sheets.Item(int) <- 3",
                           "Sheets.Add(QVariant) <- Item(3)",
                           "Item(3).Move(QVariant) <- Add(Item(3))",
                           "Add(Item(3)).Activate()",
                           "Add(Item(3)).Name = next"};
    }

    void selectSheet()
    {
        QFETCH(int, count);
        QFETCH(int, index);
        QFETCH(QStringList, calls);
        FakeOffice office;
        office.state->sheetCount = count;
        QExcelEngine engine;
        QVERIFY(engine.Open(QString(), false));
        office.state->log.clear();
        QVERIFY(engine.SelectSheet(index));
        engine.SetSheetName(QStringLiteral("next")); // on the sheet made current
        engine.SetSheetName(QString());              // an empty name is not set
        QCOMPARE(office.state->log, calls);
    }

    void selectSheetWithoutCount()
    {
        FakeOffice office;
        office.state->missing << "Count";
        QExcelEngine engine;
        QVERIFY(engine.Open(QString(), false));
        office.state->log.clear();
        QVERIFY(!engine.SelectSheet(2));
        QCOMPARE(office.state->log, QStringList{"Sheets.Count"});
    }

    void formatting_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QStringList>("calls");
        const QString range = "Item(1).Range(const QString&) <- A2:D2";
        QTest::newRow("cell") << "cell"
                              << QStringList{"Item(1).Cells(int,int) <- 3, 2",
                                             "Cells(3,2).SetValue(const QVariant&) <- 7"};
        QTest::newRow("data") << "data"
                              << QStringList{range,
                                             "Range(A2:D2).SetValue(const QVariant&) <- [[a,1]]"};
        QTest::newRow("number format")
            << "format" << QStringList{range, "Range(A2:D2).NumberFormatLocal = @"};
        QTest::newRow("bold") << "bold"
                              << QStringList{range, "Range(A2:D2).Font", "Font.Bold = true"};
        QTest::newRow("alignment") << "align"
                                   << QStringList{range, "Range(A2:D2).HorizontalAlignment = -4108",
                                                  "Range(A2:D2).VerticalAlignment = -4160"};
        QTest::newRow("fill") << "fill"
                              << QStringList{range,
                                             "Range(A2:D2).Interior",
                                             "Interior.Pattern = 1",
                                             "Interior.PatternColorIndex = -4105",
                                             "Interior.Color = 10086143",
                                             "Interior.TintAndShade = 0",
                                             "Interior.PatternTintAndShade = 0"};
        QStringList borders = {range, "Range(A2:D2).Borders"};
        for (int i = 7; i <= 12; ++i) {
            const QString item = QStringLiteral("Item(%1)").arg(i);
            borders << "Borders.Item(int) <- " + QString::number(i) << item + ".LineStyle = 1"
                    << item + ".ColorIndex = 0" << item + ".TintAndShade = 0"
                    << item + ".Weight = 2";
        }
        QTest::newRow("borders") << "borders" << borders;
        QTest::newRow("merge with text")
            << "merge"
            << QStringList{range, "Range(A2:D2).Merge()", "Item(1).Cells(int,int) <- 2, 1",
                           "Cells(2,1).SetValue(const QVariant&) <- Title"};
        QTest::newRow("merge, corners reversed, no text")
            << "merge-reversed" << QStringList{range, "Range(A2:D2).Merge()"};
        QTest::newRow("autofit") << "autofit" << QStringList{"Item(1).Columns", "Columns.AutoFit"};
        QTest::newRow("freeze") << "freeze"
                                << QStringList{"Item(1).Range(const QString&) <- A3",
                                               "Item(1).Activate", "Excel.ActiveWindow",
                                               "ActiveWindow.FreezePanes = true"};
        QTest::newRow("sheet name") << "name" << QStringList{"Item(1).Name = Defects"};
    }

    void formatting()
    {
        QFETCH(QString, operation);
        QFETCH(QStringList, calls);
        FakeOffice office;
        QExcelEngine engine;
        QVERIFY(engine.Open(QString(), false));
        office.state->log.clear();
        if (operation == "cell")
            engine.SetCellData(2, 1, 7);
        else if (operation == "data")
            engine.SetRangeData(1, 0, 1, 3, QVariantList{QVariant(QVariantList{"a", 1})});
        else if (operation == "format")
            engine.SetNumberFormat(1, 0, 1, 3, QStringLiteral("@"));
        else if (operation == "bold")
            engine.SetBold(1, 0, 1, 3);
        else if (operation == "align")
            engine.SetAlignment(1, 0, 1, 3, -4108, -4160);
        else if (operation == "fill")
            engine.SetFillColor(1, 0, 1, 3);
        else if (operation == "borders")
            engine.SetBorders(1, 0, 1, 3);
        else if (operation == "merge")
            engine.MergeCells(1, 0, 1, 3, QStringLiteral("Title"));
        else if (operation == "merge-reversed")
            engine.MergeCells(1, 3, 1, 0, QString());
        else if (operation == "autofit")
            engine.AutoFitColumns();
        else if (operation == "freeze")
            engine.FreezeRow(2);
        else if (operation == "name")
            engine.SetSheetName(QStringLiteral("Defects"));
        QCOMPARE(office.state->log, calls);
    }

    void freezeLogsAroundActivate()
    {
        FakeOffice office;
        QExcelEngine engine;
        QVERIFY(engine.Open(QString(), false));
        engine.FreezeRow(1);
        const int before =
            TestSupport::DebugLines().indexOf(QRegularExpression(".*Before Activate \\.\\.\\.\\.\\.\\.$"));
        const int after =
            TestSupport::DebugLines().indexOf(QRegularExpression(".*After Activate \\.\\.\\.\\.\\.\\.$"));
        QVERIFY(before >= 0);
        QCOMPARE(after, before + 1);
    }

    void oleAlreadyMultithreaded()
    {
        QCOMPARE(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
        {
            QExcelEngine engine;
            QVERIFY(TestSupport::DebugLines().filter("Could not initialize OLE (error 80010106)").size() == 1);
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

    // ---- the real spreadsheet server ----

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
            engine.Save(QString());
            engine.Close();
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
