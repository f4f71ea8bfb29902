// QWordEngine against a recording word processor: the automation calls in their order,
// the choice between the two word processors, and the failure paths.
#include <QtTest>

#include <functional>

#include "office/automation/axobject.h"
#include "office/automation/axserverregistry.h"
#include "office/automation/officeservers.h"
#include "office/engines/qwordengine.h"
#include "support/testsupport.h"

namespace {

bool Logged(const QString &text)
{
    for (const QString &line : TestSupport::DebugLines()) {
        if (line.contains(text))
            return true;
    }
    return false;
}

struct FakeState
{
    QString progId;
    QStringList log;
    QSet<QString> missing; // members answered as unknown
    int pages = 7;
};

QString Describe(const QVariant &value)
{
    if (value.type() == QVariant::List) {
        QStringList parts;
        for (const QVariant &item : value.toList())
            parts << Describe(item);
        return QLatin1Char('[') + parts.join(QLatin1Char(',')) + QLatin1Char(']');
    }
    return value.toString();
}

// Every member is an object named after it; every call is written to the log as
// "Type.signature|arg|arg" or "Type.Property=value".
class FakeObject : public AxDispatch
{
public:
    FakeObject(const QString &type, std::shared_ptr<FakeState> state)
        : m_type(type), m_state(std::move(state))
    {}

    QString typeName() const override { return m_type; }

    AxResult invoke(const AxCall &call) override
    {
        const QString member = QString::fromLatin1(call.member());
        if (m_state->missing.contains(member)) {
            m_state->log << m_type + QLatin1Char('.') + member + QStringLiteral(" (missing)");
            return AxResult::unknownMember();
        }
        if (call.kind() == AxCall::Put) {
            m_state->log << m_type + QLatin1Char('.') + member + QLatin1Char('=')
                                + Describe(call.arg(0));
            return AxResult::ok();
        }
        QString entry = m_type + QLatin1Char('.') + QString::fromLatin1(call.signature());
        for (const QVariant &arg : call.args())
            entry += QLatin1Char('|') + Describe(arg);
        m_state->log << entry;
        if (member == QLatin1String("ComputeStatistics"))
            return AxResult::ok(m_state->pages);
        if (member == QLatin1String("Type"))
            return AxResult::ok(12);
        return AxResult::object(std::make_shared<FakeObject>(member, m_state));
    }

private:
    QString m_type;
    std::shared_ptr<FakeState> m_state;
};

std::shared_ptr<FakeState> g_state;

void RegisterFake(const QString &progId)
{
    AxServerRegistry::registerServer(progId, [progId] {
        g_state->progId = progId;
        return std::make_shared<FakeObject>(QStringLiteral("Application"), g_state);
    });
}

using Operation = std::function<void(QWordEngine &)>;

} // namespace

Q_DECLARE_METATYPE(Operation)

class TestWordEngine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::InstallWarningRecorder();
    }
    void cleanupTestCase()
    {
        AxServerRegistry::unregisterServer("Kwps.Application");
        RegisterOfficeServers();
    }
    void init()
    {
        g_state = std::make_shared<FakeState>();
        TestSupport::ClearDebugLines();
        m_prompt.Clear();
        AxServerRegistry::unregisterServer("Kwps.Application");
        AxServerRegistry::unregisterServer("word.Application");
    }

    void openChoosesWordProcessor_data()
    {
        QTest::addColumn<bool>("wps");
        QTest::addColumn<bool>("word");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<bool>("isWord");
        QTest::addColumn<QString>("templateUsed");
        QTest::newRow("word only") << false << true << true << true << "word.dot";
        QTest::newRow("wps only") << true << false << true << false << "wps.dot";
        QTest::newRow("both: wps first") << true << true << true << false << "wps.dot";
        QTest::newRow("neither") << false << false << false << false << "";
    }
    void openChoosesWordProcessor()
    {
        QFETCH(bool, wps);
        QFETCH(bool, word);
        QFETCH(bool, opened);
        QFETCH(bool, isWord);
        QFETCH(QString, templateUsed);
        if (wps)
            RegisterFake("Kwps.Application");
        if (word)
            RegisterFake("word.Application");
        QWordEngine engine;
        QCOMPARE(engine.open("word.dot", "wps.dot", false), opened);
        QCOMPARE(engine.isWord(), isWord);
        if (!opened) {
            QCOMPARE(m_prompt.Calls(),
                     QStringList{"Info|Please to check that the word or wps is installed !"});
            return;
        }
        QVERIFY(m_prompt.Calls().isEmpty());
        QCOMPARE(g_state->log, QStringList({"Application.Visible=false", "Application.Documents",
                                            "Documents.Add(QString)|" + templateUsed,
                                            "Application.ActiveDocument", "Application.Selection",
                                            "Application.DisplayAlerts=false"}));
        g_state->log.clear();
        engine.save("/tmp/out.doc");
        engine.close(false);
        QCOMPARE(g_state->log,
                 QStringList({"ActiveDocument.SaveAs (const QString&)|/tmp/out.doc",
                              "Application.DisplayAlerts=true", "ActiveDocument.Close(bool)|false",
                              "Application.Quit()"}));
        QVERIFY(Logged("save Done."));
        QVERIFY(Logged("Quit before......") && Logged("Quit after......"));
        QVERIFY(!engine.isOpened());
    }

    void openWithoutDocument()
    {
        RegisterFake("word.Application");
        g_state->missing << "ActiveDocument";
        QWordEngine engine;
        QVERIFY(!engine.open("w.dot", "k.dot", true));
        g_state->log.clear();
        // Nothing that needs a document reaches the word processor.
        QVERIFY(!engine.SetBookmarkText("b", "t"));
        QVERIFY(!engine.InsertTableRow(1, 2, 3));
        QCOMPARE(engine.GetTotalPages(), -1);
        QCOMPARE(g_state->log, QStringList{"Application.Visible=true"});
        engine.close(true); // safe in every state
        engine.close(false);
    }

    void calls_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("bookmark text")
            << Operation([](QWordEngine &e) { QVERIFY(e.SetBookmarkText("lbName", "A&B")); })
            << QStringList{"ActiveDocument.Bookmarks(QString)|lbName", "Bookmarks.Select(void)",
                           "Bookmarks.Range", "Range.Text=A&B"};
        QTest::newRow("row height")
            << Operation([](QWordEngine &e) { e.SetTableRowHeight(3, 1, 19.5f); })
            << QStringList{"ActiveDocument.Tables(int)|3", "Tables.Rows(int)|1", "Rows.Height=19.5"};
        QTest::newRow("insert rows")
            << Operation([](QWordEngine &e) { QVERIFY(e.InsertTableRow(2, 2, 4)); })
            << QStringList{"ActiveDocument.Tables(int)|2", "Tables.Cell(int,int)|2|1",
                           "Cell.Select(void)", "ActiveDocument.ActiveWindow",
                           "ActiveWindow.Selection", "Selection.InsertRowsBelow(int)|4"};
        QTest::newRow("insert no rows")
            << Operation([](QWordEngine &e) { QVERIFY(!e.InsertTableRow(2, 2, 0)); })
            << QStringList();
        QTest::newRow("copy table three times")
            << Operation([](QWordEngine &e) { QVERIFY(e.CopyTableFromBookmark("tb", 3)); })
            << QStringList{"ActiveDocument.Bookmarks(QVariant)|tb", "Bookmarks.Select(void)",
                           "ActiveDocument.ActiveWindow", "ActiveWindow.Selection",
                           "Selection.Copy(void)", "Selection.MoveDown(wdLine,2)|wdLine|2",
                           "Selection.TypeParagraph(void)",
                           "Selection.PasteAndFormat (wdPasteDefault)|wdPasteDefault",
                           "Selection.TypeParagraph(void)",
                           "Selection.PasteAndFormat (wdPasteDefault)|wdPasteDefault",
                           "Selection.TypeParagraph(void)",
                           "Selection.PasteAndFormat (wdPasteDefault)|wdPasteDefault"};
        QTest::newRow("contents")
            << Operation([](QWordEngine &e) { QVERIFY(e.UpdateContent("contents")); })
            << QStringList{"ActiveDocument.Bookmarks(QVariant)|contents", "Bookmarks.Select(void)",
                           "ActiveDocument.ActiveWindow", "ActiveWindow.Selection",
                           "Selection.Fields", "Fields.Update(void)"};
        QTest::newRow("shading")
            << Operation([](QWordEngine &e) { e.SetTableCellShading(4, 9, 2, 14806254); })
            << QStringList{"ActiveDocument.Tables(int)|4", "Tables.Cell(int,int)|9|2",
                           "Cell.Select(void)", "Cell.Shading", "Shading.Texture=0",
                           "Shading.ForegroundPatternColor=-16777216",
                           "Shading.BackgroundPatternColor=14806254"};
        QTest::newRow("page break")
            << Operation([](QWordEngine &e) { e.InsertPageBreak(); })
            << QStringList{"Selection.MoveDown(wdLine,1)|wdLine|1",
                           "Selection.InsertBreak(wdPageBreak)|wdPageBreak"};
        QTest::newRow("font")
            << Operation([](QWordEngine &e) { e.SetSelectionFont("Microsoft YaHei", 9, true); })
            << QStringList{"Selection.Font", "Font.Name=Microsoft YaHei", "Font.Size=9",
                           "Font.Bold=true"};
        QTest::newRow("picture")
            << Operation([](QWordEngine &e) {
                   QVERIFY(e.InsertTableCellPicture(20, 7, 11, 2, "/p/a.png", 265, 187));
               })
            << QStringList{"ActiveDocument.Tables(int)|20", "Tables.Cell(int, int)|11|2",
                           "Cell.Range", "Range.InlineShapes",
                           "InlineShapes.AddPicture(const QString&, const QVariant&, const "
                           "QVariant&)|/p/a.png|false|true",
                           "ActiveDocument.InlineShapes(int)|7", "InlineShapes.Width=265",
                           "InlineShapes.Height=187", "InlineShapes.LockAspectRatio=true"};
        QTest::newRow("block texts, steps")
            << Operation([](QWordEngine &e) {
                   e.SetTableBlockTexts(5, 1, 2, {{"a", "b"}, {"c"}}, 2, 1);
               })
            << QStringList{"ActiveDocument.Tables(int)|5", "Tables.Cell(int,int)|1|2",
                           "Cell.Select(void)", "Cell.Range", "Range.Text=a",
                           "Tables.Cell(int,int)|1|4", "Cell.Select(void)", "Cell.Range",
                           "Range.Text=b", "Tables.Cell(int,int)|2|2", "Cell.Select(void)",
                           "Cell.Range", "Range.Text=c"};
        QTest::newRow("word chart")
            << Operation([](QWordEngine &e) { QVERIFY(e.SetChartData(2, {"PL", "BX"}, {"3", "1"})); })
            << QStringList{"ActiveDocument.InlineShapes(int)|2", "InlineShapes.Type",
                           "InlineShapes.OLEFormat", "OLEFormat.DoVerb()", "OLEFormat.Object",
                           "Object.Application", "Application.Visible=false", "Object.Parent",
                           "Parent.DataSheet", "DataSheet.Cells(int,int)|2|1", "Cells.Value=PL",
                           "DataSheet.Cells(int,int)|2|2", "Cells.Value=3",
                           "DataSheet.Cells(int,int)|3|1", "Cells.Value=BX",
                           "DataSheet.Cells(int,int)|3|2", "Cells.Value=1",
                           "Application.Update()", "Application.Quit()"};
        QTest::newRow("pages")
            << Operation([](QWordEngine &e) { QCOMPARE(e.GetTotalPages(), 7); })
            << QStringList{"Application.Visible=true",
                           "ActiveDocument.ComputeStatistics(wdStatisticPages)|wdStatisticPages"};
    }
    void calls()
    {
        QFETCH(Operation, operation);
        QFETCH(QStringList, expected);
        RegisterFake("word.Application");
        QWordEngine engine;
        QVERIFY(engine.open("w.dot", "k.dot", false));
        g_state->log.clear();
        operation(engine);
        QCOMPARE(g_state->log, expected);
    }

    void wpsChart()
    {
        RegisterFake("Kwps.Application");
        QWordEngine engine;
        QVERIFY(engine.open("w.dot", "k.dot", false));
        g_state->log.clear();
        QVERIFY(engine.SetChartData(2, {"PL", "BX"}, {"3", "1"}));
        const QStringList expected{
            "Object.ActiveSheet", "ActiveSheet.Range(const QString&)|B3:C4",
            "Range.SetValue(const QVariant&)|[[PL,3],[BX,1]]", "ActiveSheet.ChartObjects(int)|1",
            "ChartObjects.Chart", "ActiveSheet.Range(const QString&)|B2:C4"};
        const int start = g_state->log.indexOf(expected.first());
        QVERIFY(start > 0);
        QCOMPARE(g_state->log.mid(start, expected.size()), expected);
        QVERIFY(g_state->log.at(start + expected.size())
                    .startsWith("Chart.SetSourceData(QAxObject*, int)|"));
        QVERIFY(g_state->log.last() == "Application.Quit()");
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("missing");
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QString>("logText");
        QTest::newRow("no window for rows")
            << QStringList{"ActiveWindow"}
            << Operation([](QWordEngine &e) { QVERIFY(!e.InsertTableRow(1, 2, 1)); })
            << "activeWindow is NULL.";
        QTest::newRow("no window for contents")
            << QStringList{"ActiveWindow"}
            << Operation([](QWordEngine &e) { QVERIFY(!e.UpdateContent("contents")); })
            << "activeWindow is NULL.";
        QTest::newRow("no window for copies")
            << QStringList{"ActiveWindow"}
            << Operation([](QWordEngine &e) { QVERIFY(!e.CopyTableFromBookmark("tb", 1)); })
            << "activeWindow is NULL.";
        QTest::newRow("missing bookmark still true")
            << QStringList{"Bookmarks"}
            << Operation([](QWordEngine &e) { QVERIFY(e.SetBookmarkText("x", "y")); }) << "";
        QTest::newRow("no shape")
            << QStringList{"InlineShapes"}
            << Operation([](QWordEngine &e) { QVERIFY(!e.SetChartData(2, {"a"}, {"1"})); })
            << "shape is NULL";
        QTest::newRow("no ole format")
            << QStringList{"OLEFormat"}
            << Operation([](QWordEngine &e) { QVERIFY(!e.SetChartData(2, {"a"}, {"1"})); })
            << "oleFormat is NULL";
        QTest::newRow("no data sheet")
            << QStringList{"DataSheet"}
            << Operation([](QWordEngine &e) { QVERIFY(!e.SetChartData(2, {"a"}, {"1"})); })
            << "workbooks is NULL";
        QTest::newRow("empty labels")
            << QStringList()
            << Operation([](QWordEngine &e) { QVERIFY(!e.SetChartData(2, {}, {})); }) << "";
        QTest::newRow("picture without shape")
            << QStringList{"InlineShapes"}
            << Operation([](QWordEngine &e) {
                   QVERIFY(!e.InsertTableCellPicture(1, 3, 1, 1, "a.png", 1, 1));
               })
            << "";
    }
    void failures()
    {
        QFETCH(QStringList, missing);
        QFETCH(Operation, operation);
        QFETCH(QString, logText);
        RegisterFake("word.Application");
        QWordEngine engine;
        QVERIFY(engine.open("w.dot", "k.dot", false));
        g_state->missing = QSet<QString>(missing.begin(), missing.end());
        operation(engine);
        if (!logText.isEmpty())
            QVERIFY2(Logged(logText), qPrintable(logText));
    }

    void missingCellKeepsColumn()
    {
        RegisterFake("word.Application");
        QWordEngine engine;
        QVERIFY(engine.open("w.dot", "k.dot", false));
        g_state->missing << "Cell";
        g_state->log.clear();
        engine.SetTableRowTexts(1, 8, 1, {"a", "b"}, 1);
        // Both texts are dropped; nothing else is touched.
        QCOMPARE(g_state->log, QStringList({"ActiveDocument.Tables(int)|1", "Tables.Cell (missing)",
                                            "Tables.Cell (missing)"}));
    }

    void negativePagesReadAsZero()
    {
        RegisterFake("word.Application");
        QWordEngine engine;
        QVERIFY(engine.open("w.dot", "k.dot", false));
        g_state->pages = -3;
        QCOMPARE(engine.GetTotalPages(), 0);
        QVERIFY(Logged("GetTotalPages: -3"));
    }

private:
    TestSupport::RecordingPrompt m_prompt;
};

QTEST_GUILESS_MAIN(TestWordEngine)
#include "tst_wordengine.moc"
