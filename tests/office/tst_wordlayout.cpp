// The word-processor server with a layout engine: the table of contents of the built
// report template numbered by LibreOffice's layout (checked against the text of each page
// of an independent PDF), or left to the word processor without one; and the reading of
// the layout's PDF.
#include <QtTest>

#include <QDomDocument>
#include <QProcess>
#include <QStandardPaths>

#include "office/automation/wordprocessor/wdpdfreader.h"
#include "office/engines/qwordengine.h"
#include "support/docxreadback.h"
#include "support/testsupport.h"

namespace {

const QString kTemplateDir = QStringLiteral(TQ420_APP_DIR "/Report-Modal/");

QStringList Texts(const QDomElement &element)
{
    QStringList texts;
    for (const QDomElement &t : DocxReadBack::Elements(element, "w:t"))
        texts << t.text();
    return texts;
}

QString Style(const QDomElement &paragraph)
{
    return paragraph.firstChildElement("w:pPr").firstChildElement("w:pStyle").attribute("w:val");
}

QString Squeezed(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

// A PDF of the given objects (numbered from 1, the catalog first), with or without a
// cross-reference table.
QByteArray MakePdf(const QList<QByteArray> &objects, bool table)
{
    QByteArray pdf = "%PDF-1.6\n";
    QList<int> offsets;
    for (int i = 0; i < objects.size(); ++i) {
        offsets << pdf.size();
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects.at(i) + "\nendobj\n";
    }
    if (table) {
        const int xref = pdf.size();
        pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
        for (const int offset : offsets)
            pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
        pdf += "trailer\n<</Size " + QByteArray::number(objects.size() + 1) +
               "/Root 1 0 R>>\nstartxref\n" + QByteArray::number(xref) + "\n";
    }
    return pdf + "%%EOF\n";
}

struct Saved : DocxReadBack::Package
{
    QDomElement settings() const
    {
        QDomDocument doc;
        doc.setContent(parts.value("word/settings.xml"), false);
        return doc.documentElement().firstChildElement("w:updateFields");
    }
};

} // namespace

class TestWordLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::InstallWarningRecorder();
        QVERIFY(m_dir.isValid());
        QVERIFY2(QFileInfo::exists(kTemplateDir + "Report-Test.dot"), qPrintable(kTemplateDir));
    }

    void cleanup()
    {
        qunsetenv("TQ420_NO_LAYOUT");
        TQ_VERIFY_NO_WARNINGS();
    }

    void contents_data()
    {
        QTest::addColumn<QString>("templateName");
        QTest::addColumn<bool>("layout");
        QTest::addColumn<int>("pictures");
        QTest::newRow("numbered by the layout") << "Report-Test_en.dot" << true << 0;
        QTest::newRow("Chinese, numbered by the layout") << "Report-Test.dot" << true << 0;
        // The layout copy carries one-pixel stand-ins: the pages must not move.
        QTest::newRow("pictures, numbered by the layout") << "Report-Test_en.dot" << true << 12;
        QTest::newRow("left to the word processor") << "Report-Test_en.dot" << false << 0;
    }
    void contents()
    {
        QFETCH(QString, templateName);
        QFETCH(bool, layout);
        QFETCH(int, pictures);
        const QString soffice = QStandardPaths::findExecutable("soffice");
        if (layout && soffice.isEmpty())
            QSKIP("LibreOffice is not installed");
        if (!layout)
            qputenv("TQ420_NO_LAYOUT", "1");
        const QString out =
            m_dir.filePath(QString(QTest::currentDataTag()).replace(' ', '_') + ".docx");
        QWordEngine engine;
        QVERIFY(engine.open(kTemplateDir + templateName, QString(), false));
        // Sixty wells push the chapters after them onto later pages.
        QVERIFY(engine.InsertTableRow(4, 2, 60));
        if (pictures > 0) {
            QImage frame(200, 300, QImage::Format_RGB32);
            frame.fill(Qt::darkCyan);
            const QString picture = m_dir.filePath("frame.png");
            QVERIFY(frame.save(picture));
            // Table 4 comes after the cover's logo (shape 1) and before the chart.
            for (int i = 1; i <= pictures; ++i)
                QVERIFY(engine.InsertTableCellPicture(4, 1 + i, 1 + i, 2, picture, 60, 90));
        }
        QVERIFY(engine.UpdateContent("contents"));
        const int pages = engine.GetTotalPages();
        engine.save(out);
        engine.close(false);

        Saved saved;
        QVERIFY(saved.read(out));
        const QDomElement body = saved.document.documentElement().firstChildElement("w:body");
        QStringList headings;
        QStringList headingMarks;
        QStringList headingStyles;
        QStringList entries;
        QStringList anchors;
        QStringList entryStyles;
        QList<int> numbers;
        for (const QDomElement &p : DocxReadBack::Elements(body, "w:p")) {
            const QString style = Style(p);
            if (style == "Heading1" || style == "Heading2") {
                headings << Texts(p).join(QString());
                headingStyles << style.right(1);
                QString mark;
                for (const QDomElement &start : DocxReadBack::Elements(p, "w:bookmarkStart"))
                    mark = start.attribute("w:name");
                headingMarks << mark;
            }
            const QDomElement link = p.firstChildElement("w:hyperlink");
            if (style.startsWith("TOC") && !link.isNull()) {
                const QStringList texts = Texts(link);
                entries << texts.first();
                numbers << texts.last().toInt();
                anchors << link.attribute("w:anchor");
                entryStyles << style.right(1);
            }
        }
        QVERIFY(headings.size() > 10);
        const QDomElement begin = DocxReadBack::Elements(body, "w:fldChar").first();
        if (!layout) {
            QVERIFY(entries.isEmpty());
            QCOMPARE(saved.settings().attribute("w:val"), QString("true"));
            QCOMPARE(begin.attribute("w:dirty"), QString("true"));
            return;
        }
        QCOMPARE(entries, headings);
        QCOMPARE(entryStyles, headingStyles);
        QCOMPARE(anchors, headingMarks);
        QVERIFY(saved.settings().isNull());
        QVERIFY(!begin.hasAttribute("w:dirty"));
        // Increasing, within the document, the chapters after the contents page.
        for (int i = 0; i < numbers.size(); ++i) {
            QVERIFY2(numbers.at(i) >= 1 && numbers.at(i) <= pages, qPrintable(entries.at(i)));
            if (i > 0)
                QVERIFY2(numbers.at(i) >= numbers.at(i - 1), qPrintable(entries.at(i)));
        }
        QVERIFY(numbers.at(entries.indexOf(QRegularExpression("^1 .*"))) >= 4);
        QVERIFY(numbers.at(entries.indexOf(QRegularExpression("^4 .*"))) >
                numbers.at(entries.indexOf(QRegularExpression("^3\\.2 .*"))));

        // Each heading stands on its page in an independent rendering of the saved file.
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is not installed: page numbers not checked against the pages");
        QProcess convert;
        convert.start(soffice,
                      {"-env:UserInstallation=file://" + m_dir.filePath("profile"), "--headless",
                       "--convert-to", "pdf", "--outdir", m_dir.path(), out});
        QVERIFY(convert.waitForFinished(180000));
        QProcess text;
        text.start(pdftotext, {"-layout", QString(out).replace(".docx", ".pdf"), "-"});
        QVERIFY(text.waitForFinished(60000));
        const QStringList pageTexts = QString::fromUtf8(text.readAllStandardOutput()).split('\f');
        QCOMPARE(pageTexts.size() - 1, pages); // the text ends with a form feed
        for (int i = 0; i < entries.size(); ++i) {
            QVERIFY2(
                Squeezed(pageTexts.value(numbers.at(i) - 1)).contains(Squeezed(entries.at(i))),
                qPrintable(QStringLiteral("%1 on page %2").arg(entries.at(i)).arg(numbers.at(i))));
        }
    }

    void pdfReader_data()
    {
        QTest::addColumn<bool>("table");
        QTest::newRow("cross-reference table") << true;
        QTest::newRow("objects found by a scan") << false;
    }
    void pdfReader()
    {
        QFETCH(bool, table);
        // Pages 3, 5, 9 (5 in a nested tree); headings on pages 2 and 3 and one whose
        // destination is a name, with a title that holds a key of its own.
        const QByteArray pdf = MakePdf(
            {"<</Type/Catalog/Pages 2 0 R/Outlines 6 0 R>>",
             "<</Type/Pages/Kids[3 0 R 4 0 R 9 0 R]/Count 3>>", "<</Type/Page/Parent 2 0 R>>",
             "<</Type/Pages/Parent 2 0 R/Kids[ 5 0 R ]/Count 1>>", "<</Type/Page/Parent 4 0 R>>",
             "<</Type/Outlines/First 7 0 R/Last 10 0 R/Count 3>>",
             "<</Title<FEFF0031002000417ba1>/Dest[5 0 R/XYZ 0 0 0]/Parent 6 0 R/First 8 0 R"
             "/Next 10 0 R>>",
             "<</Title (1.1 \\(x\\) \\344/Next 9 0 R)/A<</S/GoTo/D [9 0 R/Fit]>>/Parent 7 0 R>>",
             "<</Type/Page/Parent 2 0 R>>",
             "<</Title<FEFF0032>/Dest/named/Parent 6 0 R/Prev 7 0 R>>"},
            table);
        WdPdfReader::Layout layout;
        QVERIFY(WdPdfReader::Read(pdf, &layout));
        QCOMPARE(layout.pages, 3);
        QStringList headings;
        for (const WdPdfReader::Heading &heading : layout.headings)
            headings << QStringLiteral("%1|%2|%3")
                            .arg(heading.title)
                            .arg(heading.level)
                            .arg(heading.page);
        QCOMPARE(headings,
                 QStringList({QString::fromUtf8("1 A\u7ba1|0|2"),
                              QString::fromUtf8("1.1 (x) \u00e4/Next 9 0 R|1|3"), "2|0|0"}));
        QVERIFY(!WdPdfReader::Read("PK\3\4 not a PDF", &layout));
        QVERIFY(!WdPdfReader::Read(MakePdf({"<</Type/Catalog>>"}, table), &layout));
    }

    // A cross-reference table whose section header claims more entries than the file holds
    // (or numbers them past the largest object number) is not read; the objects are found by
    // a scan where there are any.
    void pdfReaderDamagedTable_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::newRow("more entries than bytes") << QByteArray("0 2000000000");
        QTest::newRow("numbers past int") << QByteArray("2147483647 4");
        QTest::newRow("negative count") << QByteArray("0 -4");
    }
    void pdfReaderDamagedTable()
    {
        QFETCH(QByteArray, header);
        QByteArray pdf = MakePdf({"<</Type/Catalog/Pages 2 0 R>>",
                                  "<</Type/Pages/Kids[3 0 R]/Count 1>>", "<</Type/Page>>"},
                                 true);
        pdf.replace("xref\n0 4\n", "xref\n" + header + "\n");
        WdPdfReader::Layout layout;
        QVERIFY(WdPdfReader::Read(pdf, &layout));
        QCOMPARE(layout.pages, 1);

        const QByteArray tableOnly =
            "%PDF-1.4\nxref\n" + header + "\nstartxref\n9\n%%EOF\n";
        QVERIFY(!WdPdfReader::Read(tableOnly, &layout));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestWordLayout)
#include "tst_wordlayout.moc"
