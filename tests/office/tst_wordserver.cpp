// The word-processor server behind QWordEngine: a template package made here with KZip is
// filled through the engine, saved, and the saved package is read back.
#include <QtTest>

#include <KZip>
#include <QDomDocument>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>

#include "office/engines/qwordengine.h"
#include "support/docxcontent.h"
#include "support/testsupport.h"
#include "support/xlsxreadback.h"

using namespace DocxContent;

namespace {

const char *const kDocument =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\" "
    "xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\" "
    "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" "
    "xmlns:c=\"http://schemas.openxmlformats.org/drawingml/2006/chart\"><w:body>\n"
    "<w:p><w:r><w:t>Project: </w:t></w:r><w:bookmarkStart w:id=\"1\" "
    "w:name=\"lbName\"/><w:r><w:rPr><w:b/></w:rPr><w:t>[lbName]</w:t></w:r><w:bookmarkEnd "
    "w:id=\"1\"/></w:p>\n"
    "<w:p><w:bookmarkStart w:id=\"2\" w:name=\"contents\"/><w:r><w:fldChar "
    "w:fldCharType=\"begin\"/></w:r><w:r><w:instrText xml:space=\"preserve\"> TOC \\o \"1-3\" "
    "</w:instrText></w:r><w:r><w:fldChar "
    "w:fldCharType=\"separate\"/></w:r><w:r><w:t>old</w:t></w:r><w:r><w:fldChar "
    "w:fldCharType=\"end\"/></w:r><w:bookmarkEnd w:id=\"2\"/></w:p>\n"
    "<w:tbl><w:tblPr/><w:tr><w:tc><w:p><w:r><w:t>No</w:t></w:r></w:p></"
    "w:tc><w:tc><w:p><w:r><w:t>Name</w:t></w:r></w:p></w:tc><w:tc><w:p/></w:tc></w:tr>\n"
    "<w:tr><w:tc><w:tcPr><w:tcW w:w=\"1000\" w:type=\"dxa\"/><w:vAlign "
    "w:val=\"center\"/></w:tcPr><w:p><w:pPr><w:jc "
    "w:val=\"center\"/></w:pPr><w:r><w:rPr><w:i/></w:rPr><w:t>1</w:t></w:r></w:p></w:tc><w:tc><w:p/"
    "></w:tc><w:tc><w:p/></w:tc></w:tr></w:tbl>\n"
    "<w:p><w:r><w:drawing><wp:inline><wp:extent cx=\"5400000\" cy=\"3000000\"/><wp:docPr id=\"7\" "
    "name=\"Chart 1\"/><a:graphic><a:graphicData "
    "uri=\"http://schemas.openxmlformats.org/drawingml/2006/chart\"><c:chart "
    "r:id=\"rId9\"/></a:graphicData></a:graphic></wp:inline></w:drawing></w:r></w:p>\n"
    "<w:p><w:bookmarkStart w:id=\"3\" w:name=\"tbDetail\"/><w:r><w:t>Details</w:t></w:r></w:p>\n"
    "<w:tbl><w:tblPr/><w:tr><w:tc><w:p><w:r><w:t>Video</w:t></w:r></w:p></w:tc><w:tc><w:p/></"
    "w:tc></w:tr>\n"
    "<w:tr><w:tc><w:p/></w:tc><w:tc><w:p/></w:tc></w:tr><w:tr><w:tc><w:p/></w:tc><w:tc><w:p/></"
    "w:tc></w:tr></w:tbl>\n"
    "<w:p><w:bookmarkEnd w:id=\"3\"/></w:p><w:p/>\n"
    "<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/><w:pgMar w:top=\"1440\" w:right=\"1440\" "
    "w:bottom=\"1440\" w:left=\"1440\"/></w:sectPr></w:body></w:document>";

const char *const kChart =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<c:chartSpace xmlns:c=\"http://schemas.openxmlformats.org/drawingml/2006/chart\" "
    "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/"
    "main\"><c:chart><c:plotArea><c:pieChart><c:varyColors val=\"1\"/><c:ser><c:idx "
    "val=\"0\"/><c:order val=\"0\"/><c:tx><c:strRef><c:f>Sheet1!$B$1</c:f><c:strCache><c:ptCount "
    "val=\"1\"/><c:pt "
    "idx=\"0\"><c:v>Count</c:v></c:pt></c:strCache></c:strRef></"
    "c:tx><c:cat><c:strRef><c:f>Sheet1!$A$2:$A$2</c:f><c:strCache><c:ptCount val=\"1\"/><c:pt "
    "idx=\"0\"><c:v>A</c:v></c:pt></c:strCache></c:strRef></"
    "c:cat><c:val><c:numRef><c:f>Sheet1!$B$2:$B$2</c:f><c:numCache><c:formatCode>General</"
    "c:formatCode><c:ptCount val=\"1\"/><c:pt "
    "idx=\"0\"><c:v>1</c:v></c:pt></c:numCache></c:numRef></c:val></c:ser></c:pieChart></"
    "c:plotArea></c:chart></c:chartSpace>";

// With a workbook, the chart refers to an embedded package of its own (its content does
// not matter: it is replaced).
void MakeTemplate(const QString &path, bool workbook = false)
{
    KZip zip(path);
    QVERIFY(zip.open(QIODevice::WriteOnly));
    if (workbook) {
        zip.writeFile("word/charts/_rels/chart1.xml.rels",
                      "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships "
                      "xmlns=\"http://schemas.openxmlformats.org/package/2006/"
                      "relationships\"><Relationship Id=\"rId3\" "
                      "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
                      "package\" Target=\"../embeddings/Book.xlsx\"/></Relationships>");
        zip.writeFile("word/embeddings/Book.xlsx", "template data");
    }
    zip.writeFile("[Content_Types].xml",
                  "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Types "
                  "xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"><Default "
                  "Extension=\"rels\" "
                  "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/"
                  "><Default Extension=\"xml\" ContentType=\"application/xml\"/><Override "
                  "PartName=\"/word/document.xml\" "
                  "ContentType=\"application/"
                  "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/"
                  "><Override PartName=\"/word/settings.xml\" "
                  "ContentType=\"application/"
                  "vnd.openxmlformats-officedocument.wordprocessingml.settings+xml\"/><Override "
                  "PartName=\"/word/charts/chart1.xml\" "
                  "ContentType=\"application/"
                  "vnd.openxmlformats-officedocument.drawingml.chart+xml\"/></Types>");
    zip.writeFile("_rels/.rels",
                  "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships "
                  "xmlns=\"http://schemas.openxmlformats.org/package/2006/"
                  "relationships\"><Relationship Id=\"rId1\" "
                  "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
                  "officeDocument\" Target=\"word/document.xml\"/></Relationships>");
    zip.writeFile("word/_rels/document.xml.rels",
                  "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships "
                  "xmlns=\"http://schemas.openxmlformats.org/package/2006/"
                  "relationships\"><Relationship Id=\"rId1\" "
                  "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
                  "settings\" Target=\"settings.xml\"/><Relationship Id=\"rId9\" "
                  "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
                  "chart\" Target=\"charts/chart1.xml\"/></Relationships>");
    zip.writeFile("word/settings.xml",
                  "<?xml version=\"1.0\" encoding=\"UTF-8\"?><w:settings "
                  "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/"
                  "main\"><w:zoom w:percent=\"100\"/><w:compat/></w:settings>");
    zip.writeFile("word/document.xml", kDocument);
    QByteArray chart = kChart;
    if (workbook)
        chart.replace("</c:chart>", "</c:chart><c:externalData r:id=\"rId3\"/>")
            .replace(
                "<c:chartSpace ",
                "<c:chartSpace "
                "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\" ");
    zip.writeFile("word/charts/chart1.xml", chart);
    QVERIFY(zip.close());
}

QString MakePicture(const QString &path, const QColor &color)
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(color);
    image.save(path, "PNG");
    return path;
}

} // namespace

class TestWordServer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::InstallWarningRecorder();
        QVERIFY(m_dir.isValid());
        m_template = m_dir.filePath("Report-Test.dot");
        MakeTemplate(m_template);
        m_red = MakePicture(m_dir.filePath("red.png"), Qt::red);
        m_blue = MakePicture(m_dir.filePath("blue.png"), Qt::blue);
    }
    void cleanup() { TQ_VERIFY_NO_WARNINGS(); }

    void fillSaveAndReadBack()
    {
        const QByteArray before = TestSupport::FileBytes(m_template);
        QWordEngine engine;
        QVERIFY(engine.open(m_template, "unused_wps.dot", false));
        QVERIFY(engine.isWord());
        QVERIFY(engine.SetBookmarkText("lbName", "Pipe & <Co>\x01"));
        engine.SetTableCellText(1, 2, 2, "first\r\nsecond");
        QVERIFY(engine.InsertTableRow(1, 2, 2));
        engine.SetTableRowTexts(1, 4, 1, {"3", "last"}, 1);
        engine.SetTableRowHeight(1, 1, 20.5f);
        QVERIFY(engine.CopyTableFromBookmark("tbDetail", 2));
        engine.SetTableBlockTexts(3, 1, 2, {{"video-2"}}, 2, 1);
        const int pagesBefore = engine.GetTotalPages();
        QVERIFY(engine.InsertTableCellPicture(2, 2, 2, 1, m_red, 265, 187));
        QVERIFY(engine.InsertTableCellPicture(3, 3, 2, 2, m_blue, 265, 187));
        QVERIFY(engine.InsertTableCellPicture(4, 4, 2, 1, m_red, 100, 50));
        engine.SetTableCellText(2, 3, 1, "image 1");
        engine.SetTableCellShading(2, 3, 1, 14806254);
        engine.SelectTableCell(2, 3, 1);
        engine.SetSelectionFont("Microsoft YaHei", 9, true);
        engine.InsertPageBreak();
        QVERIFY(engine.SetChartData(1, {"PL", "BX"}, {"3", "1"}));
        QVERIFY(engine.UpdateContent("contents"));
        QVERIFY(engine.GetTotalPages() > pagesBefore);
        const QString out = m_dir.filePath("report.doc");
        engine.save(out);
        engine.close(false);
        QCOMPARE(TestSupport::FileBytes(m_template), before);

        Package package;
        QVERIFY(package.read(out));
        // Bookmark text: escaped, control characters dropped, run format kept, bookmark kept.
        const QDomElement start = package.all("w:bookmarkStart").first();
        const QDomElement run = start.nextSiblingElement();
        QCOMPARE(run.text(), QString("Pipe & <Co>"));
        QVERIFY(!run.firstChildElement("w:rPr").firstChildElement("w:b").isNull());
        // Table 1: texts, inserted rows below row 2 with its formatting, row height.
        const QList<QDomElement> tables = Tables(package);
        QCOMPARE(tables.size(), 4);
        QCOMPARE(tables.first().elementsByTagName("w:tr").size(), 4);
        QCOMPARE(Text(Cell(package, 1, 2, 2)), QString("first|second"));
        QCOMPARE(Text(Cell(package, 1, 3, 1)), QString());
        QCOMPARE(Text(Cell(package, 1, 4, 1)) + "/" + Text(Cell(package, 1, 4, 2)),
                 QString("3/last"));
        const QDomElement copied = Cell(package, 1, 3, 1);
        QCOMPARE(
            copied.firstChildElement("w:tcPr").firstChildElement("w:vAlign").attribute("w:val"),
            QString("center"));
        QCOMPARE(copied.firstChildElement("w:p")
                     .firstChildElement("w:pPr")
                     .firstChildElement("w:jc")
                     .attribute("w:val"),
                 QString("center"));
        QCOMPARE(package.all("w:trHeight").first().attribute("w:val"), QString("410"));
        // Copies: below the first, each after a new paragraph; the bookmark stays single.
        QCOMPARE(Text(Cell(package, 3, 1, 2)), QString("video-2"));
        QCOMPARE(tables.at(1).nextSiblingElement().tagName(), QString("w:p"));
        QCOMPARE(tables.at(2).nextSiblingElement().tagName(), QString("w:p"));
        int detailMarks = 0;
        for (const QDomElement &mark : package.all("w:bookmarkStart"))
            detailMarks += mark.attribute("w:name") == "tbDetail";
        QCOMPARE(detailMarks, 1);
        // Caption: shading in RRGGBB, font.
        const QDomElement caption = Cell(package, 2, 3, 1);
        const QDomElement shd = caption.firstChildElement("w:tcPr").firstChildElement("w:shd");
        QCOMPARE(shd.attribute("w:fill"), QString("EEECE1"));
        QCOMPARE(shd.attribute("w:color"), QString("auto"));
        const QDomElement rPr = caption.elementsByTagName("w:r").at(0).firstChildElement("w:rPr");
        QCOMPARE(rPr.firstChildElement("w:sz").attribute("w:val"), QString("18"));
        QCOMPARE(rPr.firstChildElement("w:rFonts").attribute("w:eastAsia"),
                 QString("Microsoft YaHei"));
        QVERIFY(!rPr.firstChildElement("w:b").isNull());
        // Pictures: extents in EMU, one media part per file, stored, related, typed.
        const QList<QDomElement> inlines = package.all("wp:inline");
        QCOMPARE(inlines.size(), 4);
        QCOMPARE(inlines.at(1).firstChildElement("wp:extent").attribute("cx"),
                 QString::number(265 * 12700));
        QCOMPARE(inlines.at(1).firstChildElement("wp:extent").attribute("cy"),
                 QString::number(187 * 12700));
        QCOMPARE(inlines.at(3).firstChildElement("wp:extent").attribute("cx"),
                 QString::number(100 * 12700));
        QSet<QString> media;
        QSet<QString> ids;
        for (const QDomElement &blip : package.all("a:blip")) {
            const QString target = RelationTarget(package, blip.attribute("r:embed"));
            QVERIFY2(package.parts.contains("word/" + target), qPrintable(target));
            QCOMPARE(package.encodings.value("word/" + target), 0);
            media << target;
        }
        for (const QDomElement &docPr : package.all("wp:docPr"))
            ids << docPr.attribute("id");
        QCOMPARE(ids.size(), 4);
        QCOMPARE(media.size(), 2);
        QCOMPARE(package.encodings.value("word/document.xml"), 8);
        QDomDocument types;
        QVERIFY(types.setContent(package.parts.value("[Content_Types].xml")));
        QStringList defaults;
        const QDomNodeList typeList = types.elementsByTagName("Default");
        for (int i = 0; i < typeList.size(); ++i)
            defaults << typeList.at(i).toElement().attribute("Extension") + "=" +
                            typeList.at(i).toElement().attribute("ContentType");
        QCOMPARE(defaults.filter("png").size(), 1);
        QVERIFY(defaults.contains("png=image/png"));
        // Page break after the caption's table.
        QCOMPARE(
            tables.at(1).nextSiblingElement().elementsByTagName("w:br").at(0).toElement().attribute(
                "w:type"),
            QString("page"));
        // Chart caches, contents refreshed on opening.
        QCOMPARE(ChartCache(package, "c:cat"), QStringList({"PL", "BX", "Sheet1!$A$2:$A$3"}));
        QCOMPARE(ChartCache(package, "c:val"), QStringList({"3", "1", "Sheet1!$B$2:$B$3"}));
        QDomDocument settings;
        QVERIFY(settings.setContent(package.parts.value("word/settings.xml")));
        const QDomElement update = settings.documentElement().firstChildElement("w:updateFields");
        QCOMPARE(update.attribute("w:val"), QString("true"));
        QCOMPARE(update.nextSiblingElement().tagName(), QString("w:compat"));
        QCOMPARE(package.all("w:fldChar").first().attribute("w:dirty"), QString("true"));
    }

    void chartWorkbook_data()
    {
        QTest::addColumn<bool>("templateWorkbook");
        QTest::addColumn<QString>("part");
        QTest::newRow("template without a workbook")
            << false << "word/embeddings/Microsoft_Excel_Worksheet.xlsx";
        QTest::newRow("template workbook replaced") << true << "word/embeddings/Book.xlsx";
    }
    void chartWorkbook()
    {
        QFETCH(bool, templateWorkbook);
        QFETCH(QString, part);
        const QString templatePath = m_dir.filePath("chart.dot");
        MakeTemplate(templatePath, templateWorkbook);
        const QStringList labels = {"PL", "007", "BX & TJ"};
        QWordEngine engine;
        QVERIFY(engine.open(templatePath, QString(), false));
        QVERIFY(engine.SetChartData(1, labels, {"3", "1", "2.5"}));
        const QString out = m_dir.filePath("chart.doc");
        engine.save(out);
        engine.close(false);

        Package package;
        QVERIFY(package.read(out));
        QDomDocument chart;
        QVERIFY(chart.setContent(package.parts.value("word/charts/chart1.xml"), false));
        const QDomElement data = chart.documentElement().firstChildElement("c:externalData");
        QCOMPARE(data.previousSiblingElement().tagName(), QString("c:chart"));
        QDomDocument rels;
        QVERIFY(rels.setContent(package.parts.value("word/charts/_rels/chart1.xml.rels"), false));
        const QDomNodeList list = rels.elementsByTagName("Relationship");
        QCOMPARE(list.size(), 1);
        QCOMPARE(list.at(0).toElement().attribute("Id"), data.attribute("r:id"));
        QCOMPARE("word/" + list.at(0).toElement().attribute("Target").mid(3), part);
        QVERIFY(package.parts.value("[Content_Types].xml").contains("Extension=\"xlsx\""));
        QCOMPARE(package.parts.keys().filter("embeddings/").size(), 1);

        // The sheet the series' references address holds the series name and the data.
        QCOMPARE(ChartCache(package, "c:cat").last(), QString("Sheet1!$A$2:$A$4"));
        QCOMPARE(ChartCache(package, "c:val").last(), QString("Sheet1!$B$2:$B$4"));
        const QString book = m_dir.filePath("embedded.xlsx");
        QFile file(book);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(package.parts.value(part));
        file.close();
        const XlsxReadBack::SavedBook read = XlsxReadBack::ReadBack(book);
        QCOMPARE(read.sheets.size(), 1);
        const XlsxReadBack::SavedSheet &sheet = read.sheet(0);
        QCOMPARE(sheet.name, QString("Sheet1"));
        QCOMPARE(sheet.cells.value("B1"), QVariant("Count"));
        QCOMPARE(sheet.cells.value("A2"), QVariant("PL"));
        QCOMPARE(sheet.cells.value("A3"), QVariant("007")); // a category stays a text
        QCOMPARE(sheet.cells.value("A4"), QVariant("BX & TJ"));
        QCOMPARE(sheet.cells.value("B2"), QVariant(3.0));
        QCOMPARE(sheet.cells.value("B4"), QVariant(2.5));
        QCOMPARE(sheet.cells.size(), 7);
    }

    void failures_data()
    {
        QTest::addColumn<QString>("bookmark");
        QTest::addColumn<int>("table");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<bool>("pictureOk");
        QTest::newRow("missing picture file") << "lbName" << 2 << "nothing.png" << false;
        QTest::newRow("not a picture") << "lbName" << 2 << "template" << false;
        QTest::newRow("missing table") << "lbName" << 9 << "red" << false;
        QTest::newRow("fine") << "lbName" << 2 << "red" << true;
    }
    void failures()
    {
        QFETCH(QString, bookmark);
        QFETCH(int, table);
        QFETCH(QString, picture);
        QFETCH(bool, pictureOk);
        const QString path = picture == "red"        ? m_red
                             : picture == "template" ? m_template
                                                     : m_dir.filePath(picture);
        QWordEngine engine;
        QVERIFY(engine.open(m_template, QString(), false));
        QCOMPARE(engine.InsertTableCellPicture(table, 2, 2, 1, path, 10, 10), pictureOk);
        QVERIFY(!engine.CopyTableFromBookmark("noSuchMark", 1));
        QVERIFY(!engine.UpdateContent("noSuchMark"));
        QVERIFY(!engine.SetBookmarkText("noSuchMark", "x")); // nothing was written
        engine.close(false);
    }

    void notADocument()
    {
        QWordEngine engine;
        QVERIFY(!engine.open(m_red, QString(), false));
        engine.close(false);
    }

    void opensInLibreOffice()
    {
        const QString soffice = QStandardPaths::findExecutable("soffice");
        if (soffice.isEmpty())
            QSKIP("LibreOffice is not installed");
        QWordEngine engine;
        QVERIFY(engine.open(m_template, QString(), false));
        QVERIFY(engine.InsertTableCellPicture(2, 2, 2, 1, m_red, 265, 187));
        const QString out = m_dir.filePath("lo.docx");
        engine.save(out);
        engine.close(false);
        QProcess process;
        process.start(soffice,
                      {"-env:UserInstallation=file://" + m_dir.filePath("profile"), "--headless",
                       "--convert-to", "pdf", "--outdir", m_dir.path(), out});
        QVERIFY(process.waitForFinished(120000));
        QVERIFY(QFileInfo::exists(m_dir.filePath("lo.pdf")));
    }

private:
    QTemporaryDir m_dir;
    QString m_template;
    QString m_red;
    QString m_blue;
};

QTEST_GUILESS_MAIN(TestWordServer)
#include "tst_wordserver.moc"
