// Reading an existing .xlsx package: a workbook whose parts are damaged, cut short, cannot
// be decompressed or are too large fails to open, naming the part, instead of reading on for
// ever or opening half of it.
#include <QtTest>

#include <KZip>

#include "office/automation/spreadsheet/xlbook.h"
#include "support/testsupport.h"

namespace {

using Parts = QMap<QString, QByteArray>;

// The parts of a workbook with one sheet that holds a shared string in A1.
Parts SoundParts()
{
    return {
        {"xl/_rels/workbook.xml.rels",
         "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/"
         "package/2006/relationships\"><Relationship Id=\"rId1\" Type=\"http://x/worksheet\" "
         "Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" "
         "Type=\"http://x/sharedStrings\" Target=\"sharedStrings.xml\"/><Relationship "
         "Id=\"rId3\" Type=\"http://x/styles\" Target=\"styles.xml\"/></Relationships>"},
        {"xl/workbook.xml",
         "<?xml version=\"1.0\"?><workbook xmlns:r=\"http://r\"><sheets><sheet name=\"Pipes\" "
         "sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>"},
        {"xl/styles.xml",
         "<?xml version=\"1.0\"?><styleSheet><fonts><font><b/></font></fonts><cellXfs>"
         "<xf numFmtId=\"0\" fontId=\"0\"/></cellXfs></styleSheet>"},
        {"xl/sharedStrings.xml", "<?xml version=\"1.0\"?><sst><si><t>Manhole</t></si></sst>"},
        {"xl/worksheets/sheet1.xml",
         "<?xml version=\"1.0\"?><worksheet><sheetData><row r=\"1\"><c r=\"A1\" t=\"s\">"
         "<v>0</v></c></row></sheetData></worksheet>"},
    };
}

QString WriteWorkbook(const QTemporaryDir &dir, const Parts &parts)
{
    const QString path = dir.filePath(QStringLiteral("book.xlsx"));
    QFile::remove(path);
    KZip zip(path);
    if (!zip.open(QIODevice::WriteOnly))
        return QString();
    for (auto it = parts.begin(); it != parts.end(); ++it)
        zip.writeFile(it.key(), it.value());
    return zip.close() ? path : QString();
}

void PutSize(QByteArray &zip, int at, quint32 size)
{
    for (int i = 0; i < 4; ++i)
        zip[at + i] = char(size >> (8 * i));
}

// Damages the deflated entry of a part in the package: "undecodable" gives its first block
// the reserved type, "declared too large" gives it a size (in both its headers) of 512 MB.
bool DamageEntry(const QString &path, const QByteArray &part, const QString &damage)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    QByteArray zip = file.readAll();
    const int name = zip.indexOf(part); // the local header's copy comes first
    const int header = name - 30;
    if (header < 0 || !zip.mid(header).startsWith("PK\3\4") || zip.at(header + 8) != 8)
        return false;
    if (damage == QLatin1String("undecodable")) {
        const int extra = uchar(zip.at(header + 28)) | uchar(zip.at(header + 29)) << 8;
        zip[name + part.size() + extra] = char(0xFF);
    } else {
        const int central = zip.indexOf(part, name + 1) - 46;
        if (central < 0 || !zip.mid(central).startsWith("PK\1\2"))
            return false;
        PutSize(zip, header + 22, 512u << 20);
        PutSize(zip, central + 24, 512u << 20);
    }
    return file.seek(0) && file.write(zip) == zip.size();
}

} // namespace

class TestWorkbookLoader : public QObject
{
    Q_OBJECT

private slots:
    void soundWorkbookOpens()
    {
        QTemporaryDir dir;
        const QString path = WriteWorkbook(dir, SoundParts());
        QVERIFY(!path.isEmpty());
        QString error;
        const std::shared_ptr<XlBook> book = XlBook::open(path, &error);
        QVERIFY2(book, qPrintable(error));
        QCOMPARE(book->sheetCount(), 1);
        const XlSheet &sheet = *book->sheet(0);
        QCOMPARE(sheet.name(), QStringLiteral("Pipes"));
        QVERIFY(sheet.cellAt(0, 0));
        QCOMPARE(sheet.text(*sheet.cellAt(0, 0)), QStringLiteral("Manhole"));
    }

    // Row and column numbers beyond any sheet are passed over without arithmetic overflow.
    void hugeNumbersArePassedOver()
    {
        Parts parts = SoundParts();
        parts["xl/worksheets/sheet1.xml"] =
            "<?xml version=\"1.0\"?><worksheet><cols><col min=\"-2147483648\" "
            "max=\"2147483647\" width=\"9\"/><col min=\"2147483647\" max=\"2147483647\" "
            "width=\"9\"/></cols><sheetData><row r=\"2147483647\"/><row><c><v>1</v></c>"
            "</row><row r=\"-2147483648\"/><row r=\"1\"><c r=\"A1\"><v>2</v></c></row>"
            "</sheetData></worksheet>";
        QTemporaryDir dir;
        const QString path = WriteWorkbook(dir, parts);
        QVERIFY(!path.isEmpty());
        QString error;
        const std::shared_ptr<XlBook> book = XlBook::open(path, &error);
        QVERIFY2(book, qPrintable(error));
        const XlCell *a1 = book->sheet(0)->cellAt(0, 0);
        QVERIFY(a1);
        QCOMPARE(a1->number, 2.0);
    }

    void damagedPartFailsOpen_data()
    {
        QTest::addColumn<QString>("part");
        QTest::addColumn<QString>("damage");
        for (const QString &part : SoundParts().keys()) {
            for (const char *damage :
                 {"cut short", "mismatched", "undecodable", "declared too large"})
                QTest::newRow(qPrintable(part + " " + damage)) << part << damage;
        }
    }
    void damagedPartFailsOpen()
    {
        QFETCH(QString, part);
        QFETCH(QString, damage);
        Parts parts = SoundParts();
        QByteArray &xml = parts[part];
        if (damage == "cut short")
            xml.chop(xml.size() - xml.lastIndexOf("</", xml.lastIndexOf("</") - 1));
        else if (damage == "mismatched")
            xml.replace(xml.lastIndexOf("</"), 2, "</x");
        QTemporaryDir dir;
        const QString path = WriteWorkbook(dir, parts);
        QVERIFY(!path.isEmpty());
        if (damage == "undecodable" || damage == "declared too large")
            QVERIFY(DamageEntry(path, part.toUtf8(), damage));
        QString error;
        QVERIFY(!XlBook::open(path, &error));
        QVERIFY2(error.contains(part), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestWorkbookLoader)
#include "tst_workbookloader.moc"
