#include "support/xlsxreadback.h"

#include <KZip> // first: the other KArchive headers rely on it

#include <KArchiveDirectory>
#include <KArchiveFile>
#include <QXmlStreamReader>

namespace XlsxReadBack {
namespace {
QByteArray Part(const KArchiveDirectory *root, const QString &name)
{
    const KArchiveFile *file = root->file(name);
    return file ? file->data() : QByteArray();
}

QString Attr(const QXmlStreamReader &xml, const char *name)
{
    return xml.attributes().value(QLatin1String(name)).toString();
}

void ReadStylesPart(const QByteArray &data, SavedBook &book)
{
    QHash<int, QString> formats{{0, "General"}, {49, "@"}};
    QList<bool> fonts;
    QStringList fills;
    QList<QStringList> borders;
    QString section;
    QXmlStreamReader xml(data);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString name = xml.name().toString();
        if (QStringList{"fonts", "fills", "borders", "cellXfs", "cellStyleXfs"}.contains(name))
            section = name;
        else if (name == "numFmt")
            formats.insert(Attr(xml, "numFmtId").toInt(), Attr(xml, "formatCode"));
        else if (section == "fonts" && name == "font")
            fonts << false;
        else if (section == "fonts" && name == "b")
            fonts.last() = true;
        else if (section == "fills" && name == "fill")
            fills << QString();
        else if (section == "fills" && name == "fgColor")
            fills.last() = Attr(xml, "rgb");
        else if (section == "borders" && name == "border")
            borders << QStringList();
        else if (section == "borders" &&
                 QStringList{"left", "right", "top", "bottom"}.contains(name))
            borders.last() << Attr(xml, "style");
        else if (section == "cellXfs" && name == "xf") {
            SavedXf xf;
            xf.numberFormat = formats.value(Attr(xml, "numFmtId").toInt(), Attr(xml, "numFmtId"));
            xf.bold = fonts.value(Attr(xml, "fontId").toInt());
            xf.fill = fills.value(Attr(xml, "fillId").toInt());
            xf.borders = borders.value(Attr(xml, "borderId").toInt());
            book.xfs << xf;
        } else if (section == "cellXfs" && name == "alignment") {
            book.xfs.last().horizontal = Attr(xml, "horizontal");
            book.xfs.last().vertical = Attr(xml, "vertical");
        }
    }
}

SavedSheet ReadSheetPart(const QByteArray &data, const QStringList &strings)
{
    SavedSheet sheet;
    QXmlStreamReader xml(data);
    QString ref;
    QString type;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString name = xml.name().toString();
        if (name == "c") {
            ref = Attr(xml, "r");
            type = Attr(xml, "t");
            sheet.xf.insert(ref, Attr(xml, "s").toInt());
        } else if (name == "v") {
            const QString v = xml.readElementText();
            sheet.cells.insert(ref, type == "s" ? QVariant(strings.value(v.toInt()))
                                                : QVariant(v.toDouble()));
        } else if (name == "t" && type == "inlineStr") {
            sheet.cells.insert(ref, xml.readElementText());
        } else if (name == "mergeCell") {
            sheet.merges << Attr(xml, "ref");
        } else if (name == "pane") {
            sheet.pane = QStringLiteral("ySplit=%1 xSplit=%2 %3")
                             .arg(Attr(xml, "ySplit").toInt())
                             .arg(Attr(xml, "xSplit").toInt())
                             .arg(Attr(xml, "state"));
        } else if (name == "col") {
            for (int c = Attr(xml, "min").toInt(); c <= Attr(xml, "max").toInt(); ++c)
                sheet.widths.insert(c - 1, Attr(xml, "width").toDouble());
        }
    }
    return sheet;
}

} // namespace

SavedBook ReadBack(const QString &path)
{
    SavedBook book;
    KZip zip(path);
    if (!zip.open(QIODevice::ReadOnly))
        return book;
    const KArchiveDirectory *root = zip.directory();
    QStringList strings;
    QXmlStreamReader sst(Part(root, "xl/sharedStrings.xml"));
    while (!sst.atEnd()) {
        if (sst.readNext() == QXmlStreamReader::StartElement && sst.name() == QLatin1String("t"))
            strings << sst.readElementText();
    }
    QHash<QString, QString> targets;
    QXmlStreamReader rels(Part(root, "xl/_rels/workbook.xml.rels"));
    while (!rels.atEnd()) {
        if (rels.readNext() == QXmlStreamReader::StartElement &&
            rels.name() == QLatin1String("Relationship"))
            targets.insert(Attr(rels, "Id"), Attr(rels, "Target"));
    }
    ReadStylesPart(Part(root, "xl/styles.xml"), book);
    QXmlStreamReader workbook(Part(root, "xl/workbook.xml"));
    while (!workbook.atEnd()) {
        if (workbook.readNext() != QXmlStreamReader::StartElement ||
            workbook.name() != QLatin1String("sheet"))
            continue;
        const QString name = Attr(workbook, "name");
        const QString target = targets.value(Attr(workbook, "r:id"));
        book.sheets << ReadSheetPart(Part(root, "xl/" + target), strings);
        book.sheets.last().name = name;
    }
    return book;
}

} // namespace XlsxReadBack
