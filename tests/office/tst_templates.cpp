// The generated report templates: what the report builder addresses by name and position
// (bookmarks, tables 1-20 with their rows and cells, the pie chart as inline shape 2, six
// inline shapes before the detail table), the two languages sharing one layout, and a
// filled document that a layout engine can still open.
#include <QtTest>

#include <KZip> // first: the other KArchive headers rely on it

#include <KArchiveDirectory>
#include <KArchiveFile>

#include "office/automation/wordprocessor/wdchart.h"
#include "office/automation/wordprocessor/wddocument.h"
#include "office/automation/wordprocessor/wdxml.h"
#include "office/engines/qwordengine.h"
#include "support/testsupport.h"

namespace {

const QString kDir = QStringLiteral(TQ420_APP_DIR "/Report-Modal/");
const QStringList kTemplates = {"Report-Test.dot", "Report-Test_wps.dot", "Report-Test_en.dot",
                                "Report-Test_wps_en.dot"};

QList<int> RowCells(WdDocument &doc, int table)
{
    QList<int> cells;
    for (const QDomElement &tr : WdXml::Children(doc.table(table), "w:tr"))
        cells << WdXml::Children(tr, "w:tc").size();
    return cells;
}

QString Part(const QString &path, const QString &name)
{
    KZip zip(path);
    if (!zip.open(QIODevice::ReadOnly))
        return QString();
    const KArchiveFile *file = zip.directory()->file(name);
    return file ? QString::fromUtf8(file->data()) : QString();
}

} // namespace

class TestTemplates : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::InstallWarningRecorder(); }
    void cleanup() { TQ_VERIFY_NO_WARNINGS(); }
    void layout_data();
    void layout();
    void languagesShareLayout();
    void packageConsistent_data() { layout_data(); }
    void packageConsistent();
    void filledReportConverts();
};

void TestTemplates::layout_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : kTemplates)
        QTest::newRow(qPrintable(name)) << name;
}

void TestTemplates::layout()
{
    QFETCH(QString, name);
    WdDocument doc;
    QString error;
    QVERIFY2(doc.load(kDir + name, &error), qPrintable(error));
    const QStringList bookmarks = {
        "lbProjectName",  "lbProjectSN",    "lbProjectAddress",  "lbEntrustUnit",
        "lbDetectUnit",   "lbProjectDate",  "lbReportSN",        "lbOperators",
        "lbReportWriter", "lbOrgAddress",   "lbOrgZipCode",      "lbOrgTelephone",
        "lbOrgContacter", "contents",       "lbReportPageCount", "lbDefectCount",
        "lbDefectCount1", "lbDefectCount2", "tbDefectDetail"};
    for (const QString &bookmark : bookmarks)
        QVERIFY2(doc.hasBookmark(bookmark), qPrintable(bookmark));
    QCOMPARE(doc.tableCount(), 20);

    // Project information: values in column 2 (rows 1-7, 9, 10), 4 (rows 9, 10), 3 (11-15).
    const QList<int> t1 = RowCells(doc, 1);
    QCOMPARE(t1.size(), 15);
    for (int row : {1, 2, 3, 4, 5, 6, 7})
        QCOMPARE(t1.at(row - 1), 2);
    QCOMPARE(t1.at(8), 4);
    QCOMPARE(t1.at(9), 4);
    for (int row = 11; row <= 15; ++row)
        QCOMPARE(t1.at(row - 1), 3);
    QCOMPARE(RowCells(doc, 2), QList<int>({6, 6}));                        // work amount
    QCOMPARE(RowCells(doc, 3), QList<int>(QVector<int>(13, 13).toList())); // 12 well types
    QCOMPARE(RowCells(doc, 4), QList<int>({7, 7}));                        // well defects
    QCOMPARE(RowCells(doc, 5), QList<int>({8, 8}));                        // pipeline defects
    const QList<int> t6 = RowCells(doc, 6); // counts: types in rows 3-18
    QCOMPARE(t6.size(), 19);
    for (int row = 3; row <= 18; ++row)
        QCOMPARE(t6.at(row - 1), 7);
    QCOMPARE(t6.at(18), 6);
    const QList<int> t19 = RowCells(doc, 19); // assessment: data from row 3
    QCOMPARE(t19.size(), 3);
    QCOMPARE(t19.at(2), 18);
    QCOMPARE(RowCells(doc, 20), QList<int>({6, 6, 6, 6, 6, 6, 6, 5, 5, 1, 2, 2}));

    // The detail table is the one at the bookmark, and the last table.
    QDomElement before = doc.table(20).previousSiblingElement();
    QCOMPARE(before.tagName(), QStringLiteral("w:bookmarkStart"));
    QCOMPARE(before.attribute("w:name"), QStringLiteral("tbDefectDetail"));

    // Six inline shapes, all before the detail table; the second is the pie chart.
    QCOMPARE(doc.inlineShapeCount(), 6);
    for (int i = 1; i <= 6; ++i) {
        QCOMPARE(doc.isChart(doc.inlineShape(i)), i == 2);
        QVERIFY(WdXml::Before(doc.inlineShape(i), doc.table(20)));
    }
    QVERIFY(WdXml::Before(doc.table(6), doc.inlineShape(2)));
    QVERIFY(doc.chart(doc.inlineShape(2)));

    // Two 265 pt pictures fit side by side in the detail table's picture row.
    for (const QDomElement &tc : WdXml::Children(doc.row(doc.table(20), 11), "w:tc")) {
        const int twips =
            WdXml::FirstChild(WdXml::FirstChild(tc, "w:tcPr"), "w:tcW").attribute("w:w").toInt();
        QVERIFY2(twips >= (265 + 6) * 20, qPrintable(QString::number(twips)));
    }
}

void TestTemplates::languagesShareLayout()
{
    // Same elements and attributes in the same order; only texts differ.
    auto skeleton = [](const QString &xml) {
        QString out = xml;
        out.replace(QRegularExpression(QStringLiteral(">[^<]*<")), QStringLiteral("><"));
        out.replace(QRegularExpression(QStringLiteral("w:val=\"[a-z][a-z]-[A-Z][A-Z]\"")),
                    QString());
        return out;
    };
    const QString zh = Part(kDir + "Report-Test.dot", "word/document.xml");
    const QString en = Part(kDir + "Report-Test_en.dot", "word/document.xml");
    QVERIFY(!zh.isEmpty());
    QVERIFY(zh != en);
    QCOMPARE(skeleton(zh), skeleton(en));
    QVERIFY(zh.contains(QStringLiteral("破裂")));
    QVERIFY(en.contains(QStringLiteral("Rupture")));
    QVERIFY(!en.contains(QStringLiteral("{{")) && !zh.contains(QStringLiteral("{{")));
    // The WPS templates are the Word ones.
    QFile a(kDir + "Report-Test.dot"), b(kDir + "Report-Test_wps.dot");
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(a.readAll(), b.readAll());
}

void TestTemplates::packageConsistent()
{
    QFETCH(QString, name);
    KZip zip(kDir + name);
    QVERIFY(zip.open(QIODevice::ReadOnly));
    QStringList parts;
    std::function<void(const KArchiveDirectory *, const QString &)> walk =
        [&](const KArchiveDirectory *dir, const QString &prefix) {
            for (const QString &entry : dir->entries()) {
                const KArchiveEntry *e = dir->entry(entry);
                if (e->isDirectory())
                    walk(static_cast<const KArchiveDirectory *>(e), prefix + entry + '/');
                else
                    parts << prefix + entry;
            }
        };
    walk(zip.directory(), QString());
    QDomDocument types;
    QVERIFY(types.setContent(Part(kDir + name, "[Content_Types].xml")));
    QSet<QString> defaults;
    QSet<QString> overrides;
    for (const QDomElement &e : WdXml::Children(types.documentElement(), "Default"))
        defaults << e.attribute("Extension");
    for (const QDomElement &e : WdXml::Children(types.documentElement(), "Override")) {
        overrides << e.attribute("PartName").mid(1);
        QVERIFY2(parts.contains(e.attribute("PartName").mid(1)),
                 qPrintable(e.attribute("PartName")));
    }
    for (const QString &part : parts) {
        if (part.endsWith(".xml") || part.endsWith(".rels"))
            QVERIFY(defaults.contains(QFileInfo(part).suffix()) || overrides.contains(part));
        else
            QVERIFY2(defaults.contains(QFileInfo(part).suffix()), qPrintable(part));
        if (part.endsWith(".xml") || part.endsWith(".rels")) {
            QDomDocument xml;
            QVERIFY2(xml.setContent(Part(kDir + name, part)), qPrintable(part));
        }
    }
    // Every relationship target exists, and every r:id of the document is declared.
    QDomDocument rels;
    QVERIFY(rels.setContent(Part(kDir + name, "word/_rels/document.xml.rels")));
    QSet<QString> ids;
    for (const QDomElement &rel : WdXml::Children(rels.documentElement(), "Relationship")) {
        ids << rel.attribute("Id");
        QVERIFY2(parts.contains("word/" + rel.attribute("Target")),
                 qPrintable(rel.attribute("Target")));
    }
    const QString document = Part(kDir + name, "word/document.xml");
    QRegularExpressionMatchIterator it =
        QRegularExpression(QStringLiteral("r:(?:id|embed)=\"([^\"]+)\"")).globalMatch(document);
    while (it.hasNext()) {
        const QString id = it.next().captured(1);
        QVERIFY2(ids.contains(id), qPrintable(id));
    }
    QVERIFY(Part(kDir + name, "_rels/.rels").contains("word/document.xml"));
}

void TestTemplates::filledReportConverts()
{
    QTemporaryDir dir;
    const QString saved = dir.filePath("report.docx");
    {
        QWordEngine engine;
        QVERIFY(engine.open(kDir + "Report-Test.dot", kDir + "Report-Test_wps.dot", false));
        QVERIFY(engine.SetBookmarkText("lbProjectName", QStringLiteral("工程A")));
        QVERIFY(engine.SetChartData(2, {"PL", "CJ"}, {"3", "5"}));
        QVERIFY(engine.InsertTableRow(5, 2, 2));
        QVERIFY(engine.CopyTableFromBookmark("tbDefectDetail", 2));
        engine.SetTableRowTexts(22, 8, 1, {"1.00m", "(PL)", "2", "2.0", "x"}, 1);
        QVERIFY(engine.UpdateContent("contents"));
        engine.save(saved);
        engine.close(false);
    }
    WdDocument doc;
    QString error;
    QVERIFY2(doc.load(saved, &error), qPrintable(error));
    QCOMPARE(doc.tableCount(), 22);
    QCOMPARE(doc.bookmarkText("lbProjectName"), QStringLiteral("工程A"));
    QCOMPARE(doc.chart(doc.inlineShape(2))->categories(), QStringList({"PL", "CJ"}));
    QCOMPARE(doc.cellText(doc.cell(doc.table(22), 8, 2)), QStringLiteral("(PL)"));

    const QString soffice = QStandardPaths::findExecutable("soffice");
    if (soffice.isEmpty())
        QSKIP("LibreOffice is not installed");
    QProcess process;
    process.start(soffice,
                  {"-env:UserInstallation=" + QUrl::fromLocalFile(dir.filePath("p")).toString(),
                   "--headless", "--convert-to", "pdf", "--outdir", dir.path(), saved});
    QVERIFY(process.waitForFinished(180000));
    QFileInfo pdf(dir.filePath("report.pdf"));
    QVERIFY(pdf.exists());
    QVERIFY(pdf.size() > 10000);
}

QTEST_GUILESS_MAIN(TestTemplates)
#include "tst_templates.moc"
