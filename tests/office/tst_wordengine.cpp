// QWordEngine: what it writes into the report template, read back from the saved
// document; and, against a stand-in word processor, the choice between the two word
// processors and the paths where the word processor or a part of it is missing.
#include <QtTest>

#include <functional>

#include <QImage>

#include "office/automation/axobject.h"
#include "office/engines/qwordengine.h"
#include "support/docxcontent.h"
#include "support/fakeautomation.h"
#include "support/testsupport.h"

using namespace DocxContent;
using FakeAutomation::Server;

namespace {

const QString kTemplateDir = QStringLiteral(TQ420_APP_DIR "/Report-Modal/");
const QString kTemplate = kTemplateDir + QStringLiteral("Report-Test_en.dot");
const QString kWpsTemplate = kTemplateDir + QStringLiteral("Report-Test_wps_en.dot");
constexpr int kEmuPerPoint = 12700;

using Operation = std::function<void(QWordEngine &)>;
// Checks the saved document against the template it was made from.
using Check = std::function<void(const Package &before, const Package &after)>;

bool Logged(const QString &text)
{
    return !TestSupport::DebugLines().filter(text).isEmpty();
}

int PageBreaks(const Package &package)
{
    int breaks = 0;
    for (const QDomElement &br : package.all("w:br"))
        breaks += br.attribute("w:type") == QLatin1String("page");
    return breaks;
}

int RowCount(const Package &package, int table)
{
    return Rows(Tables(package).value(table - 1)).size();
}

QString CellText(const Package &package, int table, int row, int column)
{
    return Text(Cell(package, table, row, column));
}

} // namespace

Q_DECLARE_METATYPE(Operation)
Q_DECLARE_METATYPE(Check)

class TestWordEngine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::InstallWarningRecorder();
        // The table of contents is numbered by a layout elsewhere; here it is left to the
        // word processor, which keeps these tests quick.
        qputenv("TQ420_NO_LAYOUT", "1");
        QVERIFY(m_dir.isValid());
        QVERIFY2(m_template.read(kTemplate), qPrintable(kTemplate));
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(Qt::red);
        m_picture = m_dir.filePath("red.png");
        QVERIFY(picture.save(m_picture));
    }
    void cleanupTestCase() { qunsetenv("TQ420_NO_LAYOUT"); }
    void init()
    {
        TestSupport::ClearDebugLines();
        m_prompt.Clear();
    }
    void cleanup() { TQ_VERIFY_NO_WARNINGS(); }

    // ---- the saved document, written by the word processor ----

    void content_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<Check>("check");
        const QString picture = m_picture;
        QTest::newRow("bookmark text") << Operation([](QWordEngine &e) {
            QVERIFY(e.SetBookmarkText("lbProjectName", "A & <B>"));
        }) << Check([](const Package &before, const Package &after) {
            QCOMPARE(BookmarkText(after, "lbProjectName"), QString("A & <B>"));
            QCOMPARE(BookmarkText(after, "lbProjectSN"), BookmarkText(before, "lbProjectSN"));
        });
        QTest::newRow("cell text")
            << Operation([](QWordEngine &e) { e.SetTableCellText(1, 3, 2, "Road 7"); })
            << Check([](const Package &before, const Package &after) {
                   QCOMPARE(CellText(after, 1, 3, 2), QString("Road 7"));
                   QCOMPARE(CellText(after, 1, 3, 1), CellText(before, 1, 3, 1));
               });
        QTest::newRow("row height")
            << Operation([](QWordEngine &e) { e.SetTableRowHeight(1, 2, 19.5f); })
            << Check([](const Package &, const Package &after) {
                   const QDomElement row = Rows(Tables(after).value(0)).value(1);
                   const QDomElement height = DocxReadBack::Elements(row, "w:trHeight").value(0);
                   QCOMPARE(height.attribute("w:val"), QString("390"));
               });
        QTest::newRow("rows inserted below a row") << Operation([](QWordEngine &e) {
            QVERIFY(e.InsertTableRow(4, 2, 3));
        }) << Check([](const Package &before, const Package &after) {
            QCOMPARE(RowCount(after, 4), RowCount(before, 4) + 3);
            QCOMPARE(Tables(after).size(), Tables(before).size());
            for (int row = 3; row <= 5; ++row) {
                QCOMPARE(
                    DocxReadBack::Elements(Rows(Tables(after).at(3)).at(row - 1), "w:tc").size(),
                    7);
                QCOMPARE(CellText(after, 4, row, 1), QString());
            }
        });
        QTest::newRow("no rows inserted")
            << Operation([](QWordEngine &e) { QVERIFY(!e.InsertTableRow(4, 2, 0)); })
            << Check([](const Package &before, const Package &after) {
                   QCOMPARE(RowCount(after, 4), RowCount(before, 4));
               });
        QTest::newRow("detail table copied three times") << Operation([](QWordEngine &e) {
            QVERIFY(e.CopyTableFromBookmark("tbDefectDetail", 3));
        }) << Check([](const Package &before, const Package &after) {
            const QList<QDomElement> tables = Tables(after);
            QCOMPARE(tables.size(), Tables(before).size() + 3);
            for (int table = 21; table <= 23; ++table) {
                QCOMPARE(RowCount(after, table), RowCount(before, 20));
                QCOMPARE(tables.at(table - 2).nextSiblingElement().tagName(), QString("w:p"));
            }
            int marks = 0;
            for (const QDomElement &mark : after.all("w:bookmarkStart"))
                marks += mark.attribute("w:name") == QLatin1String("tbDefectDetail");
            QCOMPARE(marks, 1);
        });
        QTest::newRow("contents refreshed on opening")
            << Operation([](QWordEngine &e) { QVERIFY(e.UpdateContent("contents")); })
            << Check([](const Package &before, const Package &after) {
                   QVERIFY(!before.parts.value("word/settings.xml").contains("w:updateFields"));
                   QVERIFY(after.parts.value("word/settings.xml")
                               .contains("<w:updateFields w:val=\"true\"/>"));
               });
        QTest::newRow("cell shading")
            << Operation([](QWordEngine &e) { e.SetTableCellShading(20, 1, 1, 14806254); })
            << Check([](const Package &, const Package &after) {
                   const QDomElement shd = after.all("w:shd", Cell(after, 20, 1, 1)).value(0);
                   QCOMPARE(shd.attribute("w:fill"), QString("EEECE1")); // the colour is BGR
                   QCOMPARE(shd.attribute("w:color"), QString("auto"));
               });
        QTest::newRow("page break below a table") << Operation([](QWordEngine &e) {
            e.SelectTableCell(20, 12, 1); // its last row
            e.InsertPageBreak();
        }) << Check([](const Package &before, const Package &after) {
            QCOMPARE(PageBreaks(after), PageBreaks(before) + 1);
            const QDomElement below = Tables(after).at(19).nextSiblingElement();
            QCOMPARE(after.all("w:br", below).value(0).attribute("w:type"), QString("page"));
        });
        QTest::newRow("font of the selected cell") << Operation([](QWordEngine &e) {
            e.SetTableCellText(20, 1, 1, "Video");
            e.SelectTableCell(20, 1, 1);
            e.SetSelectionFont("Microsoft YaHei", 9, true);
        }) << Check([](const Package &, const Package &after) {
            const QDomElement rPr = after.all("w:rPr", Cell(after, 20, 1, 1)).value(0);
            QCOMPARE(rPr.firstChildElement("w:sz").attribute("w:val"), QString("18"));
            QCOMPARE(rPr.firstChildElement("w:rFonts").attribute("w:eastAsia"),
                     QString("Microsoft YaHei"));
            QVERIFY(!rPr.firstChildElement("w:b").isNull());
        });
        QTest::newRow("picture in a cell, sized") << Operation([picture](QWordEngine &e) {
            QVERIFY(e.InsertTableCellPicture(20, 7, 11, 2, picture, 265, 187));
        }) << Check([](const Package &before, const Package &after) {
            QCOMPARE(after.all("wp:inline").size(), before.all("wp:inline").size() + 1);
            const QList<QDomElement> inlines = after.all("wp:inline", Cell(after, 20, 11, 2));
            QCOMPARE(inlines.size(), 1);
            const QDomElement extent = inlines.first().firstChildElement("wp:extent");
            QCOMPARE(extent.attribute("cx").toInt(), 265 * kEmuPerPoint);
            QCOMPARE(extent.attribute("cy").toInt(), 187 * kEmuPerPoint);
            const QString embed =
                after.all("a:blip", inlines.first()).value(0).attribute("r:embed");
            QVERIFY(after.parts.contains("word/" + RelationTarget(after, embed)));
        });
        QTest::newRow("row texts, every second column") << Operation([](QWordEngine &e) {
            e.SetTableRowTexts(20, 1, 1, {"a", "b", "c"}, 2);
        }) << Check([](const Package &before, const Package &after) {
            QCOMPARE(CellText(after, 20, 1, 1) + CellText(after, 20, 1, 3) +
                         CellText(after, 20, 1, 5),
                     QString("abc"));
            QCOMPARE(CellText(after, 20, 1, 2), CellText(before, 20, 1, 2));
        });
        QTest::newRow("row texts beyond the last cell dropped") << Operation([](QWordEngine &e) {
            e.SetTableRowTexts(4, 2, 6, {"e", "f", "g"}, 1);
        }) << Check([](const Package &, const Package &after) {
            QCOMPARE(CellText(after, 4, 2, 6) + CellText(after, 4, 2, 7), QString("ef"));
            QCOMPARE(DocxReadBack::Elements(Rows(Tables(after).at(3)).at(1), "w:tc").size(), 7);
            QVERIFY(!Text(Tables(after).at(3)).contains('g'));
        });
        QTest::newRow("block of texts, every second row and column")
            << Operation([](QWordEngine &e) {
                   e.SetTableBlockTexts(6, 3, 2, {{"a", "b"}, {"c"}}, 2, 2);
               })
            << Check([](const Package &before, const Package &after) {
                   QCOMPARE(CellText(after, 6, 3, 2) + CellText(after, 6, 3, 4) +
                                CellText(after, 6, 5, 2),
                            QString("abc"));
                   QCOMPARE(CellText(after, 6, 4, 2), CellText(before, 6, 4, 2));
                   QCOMPARE(CellText(after, 6, 3, 3), CellText(before, 6, 3, 3));
               });
        QTest::newRow("chart data") << Operation([](QWordEngine &e) {
            QVERIFY(e.SetChartData(2, {"PL", "BX"}, {"3", "1"}));
        }) << Check([](const Package &, const Package &after) {
            QCOMPARE(ChartCache(after, "c:cat"), QStringList({"PL", "BX", "Sheet1!$A$2:$A$3"}));
            QCOMPARE(ChartCache(after, "c:val"), QStringList({"3", "1", "Sheet1!$B$2:$B$3"}));
        });
        QTest::newRow("chart without labels left alone")
            << Operation([](QWordEngine &e) { QVERIFY(!e.SetChartData(2, {}, {})); })
            << Check([](const Package &before, const Package &after) {
                   QCOMPARE(ChartCache(after, "c:cat"), ChartCache(before, "c:cat"));
                   QCOMPARE(ChartCache(after, "c:val"), ChartCache(before, "c:val"));
               });
    }
    void content()
    {
        QFETCH(Operation, operation);
        QFETCH(Check, check);
        const QString out =
            m_dir.filePath(QString(QTest::currentDataTag()).replace(' ', '_') + ".doc");
        QWordEngine engine;
        QVERIFY(engine.open(kTemplate, kWpsTemplate, false));
        QVERIFY(engine.isWord());
        operation(engine);
        engine.save(out);
        engine.close(false);
        QVERIFY(!engine.isOpened());
        QVERIFY(m_prompt.Calls().isEmpty());
        Package saved;
        QVERIFY(saved.read(out));
        check(m_template, saved);
    }

    void pagesFollowTheContent()
    {
        QWordEngine engine;
        QVERIFY(engine.open(kTemplate, kWpsTemplate, false));
        const int pages = engine.GetTotalPages();
        QVERIFY(pages >= 1);
        QVERIFY(engine.InsertTableRow(4, 2, 80));
        QVERIFY(engine.GetTotalPages() > pages);
        engine.close(false);
    }

    void closedEngineDoesNothing()
    {
        const QString out = m_dir.filePath("closed.doc");
        QWordEngine engine;
        QVERIFY(engine.open(kTemplate, kWpsTemplate, false));
        engine.close(false);
        QVERIFY(!engine.SetBookmarkText("lbProjectName", "x"));
        QVERIFY(!engine.InsertTableRow(4, 2, 1));
        QVERIFY(!engine.CopyTableFromBookmark("tbDefectDetail", 1));
        QVERIFY(!engine.InsertTableCellPicture(20, 7, 11, 2, m_picture, 10, 10));
        QVERIFY(!engine.SetChartData(2, {"a"}, {"1"}));
        QCOMPARE(engine.GetTotalPages(), -1);
        engine.save(out);
        QVERIFY(!QFile::exists(out));
        engine.close(false); // safe in every state
    }

    // The document replaces a file at the path only once the word processor has written it.
    void saveReplacesOnlyAWrittenDocument_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<bool>("saved");
        QTest::newRow("written") << QString() << true;
        QTest::newRow("word processor fails") << "SaveAs" << false;
        QTest::newRow("missing folder") << "folder" << false;
        QTest::newRow("folder in the way") << "target" << false;
    }
    void saveReplacesOnlyAWrittenDocument()
    {
        QFETCH(QString, failure);
        QFETCH(bool, saved);
        QTemporaryDir dir;
        QString out = dir.filePath("report.doc");
        const QByteArray previous("the previous report");
        {
            QFile file(out);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(previous);
        }
        std::unique_ptr<Server> server;
        if (failure == QLatin1String("SaveAs")) {
            server = std::make_unique<Server>(QStringList{"word.Application"});
            server->fail("SaveAs");
        } else if (failure == QLatin1String("folder")) {
            out = dir.filePath("missing/report.doc");
        } else if (failure == QLatin1String("target")) {
            out = dir.filePath("folder.doc");
            QVERIFY(QDir(dir.path()).mkdir("folder.doc"));
        }
        const QStringList before =
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        QWordEngine engine;
        QVERIFY(engine.open(kTemplate, kWpsTemplate, false));
        QCOMPARE(engine.save(out), saved);
        QCOMPARE(engine.ErrorString().isEmpty(), saved);
        engine.close(false);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 before);
        QFile file(dir.filePath("report.doc"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        if (saved)
            QVERIFY(Package().read(out));
        else
            QCOMPARE(file.readAll(), previous);
    }

    // A cell the word processor does not give loses its own text only.
    void rowGoesOnAfterAMissingCell()
    {
        Server server({"word.Application"});
        AxObject anyCell(QStringLiteral("word.Application"));
        const AxDispatchPtr cell = anyCell.dispatch();
        server.answer("Cell", [cell](const AxCall &call) {
            return call.arg(1).toInt() == 2 ? AxResult::unknownMember() : AxResult::object(cell);
        });
        QWordEngine engine;
        QVERIFY(engine.open("w.dot", "k.dot", false));
        engine.SetTableRowTexts(1, 1, 1, {"a", "b", "c", "d"}, 1);
        for (const char *text : {"a", "c", "d"})
            QVERIFY2(server.logged(QStringLiteral("put Range.Text(QString:%1)").arg(text)), text);
        QVERIFY(!server.logged(QStringLiteral("put Range.Text(QString:b)")));
    }

    // ---- a stand-in word processor ----

    void openChoosesWordProcessor_data()
    {
        QTest::addColumn<QStringList>("registered");
        QTest::addColumn<QString>("started");
        QTest::addColumn<QString>("templateUsed");
        QTest::newRow("word only") << QStringList{"word.Application"} << "word.Application"
                                   << "word.dot";
        QTest::newRow("wps only") << QStringList{"Kwps.Application"} << "Kwps.Application"
                                  << "wps.dot";
        QTest::newRow("both: wps first")
            << QStringList{"Kwps.Application", "word.Application"} << "Kwps.Application"
            << "wps.dot";
        QTest::newRow("neither") << QStringList() << QString() << QString();
    }
    void openChoosesWordProcessor()
    {
        QFETCH(QStringList, registered);
        QFETCH(QString, started);
        QFETCH(QString, templateUsed);
        Server server(registered);
        QWordEngine engine;
        QCOMPARE(engine.open("word.dot", "wps.dot", false), !started.isEmpty());
        QCOMPARE(engine.isWord(), started == QLatin1String("word.Application"));
        QCOMPARE(engine.isOpened(), !started.isEmpty());
        if (started.isEmpty()) {
            QVERIFY(server.started().isEmpty());
            QCOMPARE(m_prompt.Calls(),
                     QStringList{"Info|Please to check that the word or wps is installed !"});
            return;
        }
        QCOMPARE(server.started(), QStringList{started});
        QVERIFY(server.logged("get Documents.Add(QString:" + templateUsed + ")"));
        QVERIFY(m_prompt.Calls().isEmpty());
        engine.close(false);
        QVERIFY(!engine.isOpened());
    }

    void openWithoutDocument()
    {
        Server server({"word.Application"});
        server.remove("ActiveDocument");
        QWordEngine engine;
        QVERIFY(!engine.open("w.dot", "k.dot", true));
        server.clearLog();
        // Nothing that needs a document reaches the word processor.
        QVERIFY(!engine.SetBookmarkText("b", "t"));
        QVERIFY(!engine.InsertTableRow(1, 2, 3));
        QCOMPARE(engine.GetTotalPages(), -1);
        QCOMPARE(server.log(), QStringList{"put word.Visible(bool:true)"});
        engine.close(true);
        engine.close(false);
    }

    void missingParts_data()
    {
        QTest::addColumn<QByteArray>("missing");
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QString>("logText");
        QTest::newRow("no window for rows")
            << QByteArray("ActiveWindow")
            << Operation([](QWordEngine &e) { QVERIFY(!e.InsertTableRow(1, 2, 1)); })
            << "activeWindow is NULL.";
        QTest::newRow("no window for contents")
            << QByteArray("ActiveWindow")
            << Operation([](QWordEngine &e) { QVERIFY(!e.UpdateContent("contents")); })
            << "activeWindow is NULL.";
        QTest::newRow("no window for copies")
            << QByteArray("ActiveWindow")
            << Operation([](QWordEngine &e) { QVERIFY(!e.CopyTableFromBookmark("tb", 1)); })
            << "activeWindow is NULL.";
        QTest::newRow("no shape for the chart")
            << QByteArray("InlineShapes")
            << Operation([](QWordEngine &e) { QVERIFY(!e.SetChartData(2, {"a"}, {"1"})); })
            << "shape is NULL";
        QTest::newRow("no ole format") << QByteArray("OLEFormat") << Operation([](QWordEngine &e) {
            QVERIFY(!e.SetChartData(2, {"a"}, {"1"}));
        }) << "oleFormat is NULL";
        QTest::newRow("no data sheet") << QByteArray("DataSheet") << Operation([](QWordEngine &e) {
            QVERIFY(!e.SetChartData(2, {"a"}, {"1"}));
        }) << "workbooks is NULL";
        QTest::newRow("no bookmark") << QByteArray("Bookmarks") << Operation([](QWordEngine &e) {
            QVERIFY(!e.SetBookmarkText("lbProjectName", "x"));
        }) << QString();
        QTest::newRow("picture refused")
            << QByteArray("AddPicture") << Operation([](QWordEngine &e) {
                   QVERIFY(!e.InsertTableCellPicture(1, 3, 1, 1, "a.png", 1, 1));
               })
            << "picture not inserted: a.png";
        QTest::newRow("no shape for the picture")
            << QByteArray("InlineShapes") << Operation([](QWordEngine &e) {
                   QVERIFY(!e.InsertTableCellPicture(1, 3, 1, 1, "a.png", 1, 1));
               })
            << QString();
    }
    void missingParts()
    {
        QFETCH(QByteArray, missing);
        QFETCH(Operation, operation);
        QFETCH(QString, logText);
        Server server({"word.Application"});
        QWordEngine engine;
        QVERIFY(engine.open("w.dot", "k.dot", false));
        server.remove(missing);
        operation(engine);
        if (!logText.isEmpty())
            QVERIFY2(Logged(logText), qPrintable(logText));
    }

    void wpsChartGoesThroughItsSheet()
    {
        Server server({"Kwps.Application"});
        QWordEngine engine;
        QVERIFY(engine.open("w.dot", "k.dot", false));
        QVERIFY(engine.SetChartData(2, {"PL", "BX"}, {"3", "1"}));
        QVERIFY(server.logged("get ActiveSheet.Range(QString:B3:C4)"));
        QVERIFY(
            server.logged("get Range.SetValue([[QString:PL,QString:3],[QString:BX,QString:1]])"));
        QVERIFY(server.logged("get ActiveSheet.Range(QString:B2:C4)"));
        QVERIFY(server.logged("get Chart.SetSourceData(<Range>,int:2)"));
        QVERIFY(server.log().filter("DataSheet").isEmpty());
    }

    void negativePagesReadAsZero()
    {
        Server server({"word.Application"});
        server.answerValue("ComputeStatistics", -3);
        QWordEngine engine;
        QVERIFY(engine.open("w.dot", "k.dot", false));
        QCOMPARE(engine.GetTotalPages(), 0);
        QVERIFY(Logged("GetTotalPages: -3"));
    }

private:
    TestSupport::RecordingPrompt m_prompt;
    QTemporaryDir m_dir;
    Package m_template;
    QString m_picture;
};

QTEST_GUILESS_MAIN(TestWordEngine)
#include "tst_wordengine.moc"
