#include "office/automation/spreadsheet/xlsxloader.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include <QDir>
#include <QHash>
#include <QXmlStreamReader>

#include <KZip> // first: the other KArchive headers rely on it

#include <KArchiveDirectory>
#include <KArchiveFile>

#include "office/automation/spreadsheet/xlbook.h"
#include "office/automation/spreadsheet/xlcellvalue.h"

namespace {

using Xml = QXmlStreamReader;

// Far above any workbook the application writes or reads; a larger part is refused rather
// than read into memory.
constexpr qint64 kMaxPartBytes = qint64(256) * 1024 * 1024;

// False once the part is read or its XML is damaged (a damaged part may never reach its end).
bool More(const Xml &xml)
{
    return !xml.atEnd() && !xml.hasError();
}

bool Is(const Xml &xml, const char *name)
{
    return xml.name() == QLatin1String(name);
}

QString Attr(const Xml &xml, const char *name)
{
    return xml.attributes().value(QLatin1String(name)).toString();
}

// Bounds the numbers of attributes far beyond any row, column or id a file uses, so that the
// arithmetic on them cannot overflow.
constexpr int kMaxAttributeNumber = 1 << 30;

int IntAttr(const Xml &xml, const char *name, int fallback = 0)
{
    bool ok = false;
    const int value = xml.attributes().value(QLatin1String(name)).toInt(&ok);
    return ok ? std::clamp(value, -kMaxAttributeNumber, kMaxAttributeNumber) : fallback;
}

// The built-in number formats a file refers to by id alone.
QString BuiltinFormat(int id)
{
    static const QHash<int, QString> formats = {{1, "0"},
                                                {2, "0.00"},
                                                {3, "#,##0"},
                                                {4, "#,##0.00"},
                                                {9, "0%"},
                                                {10, "0.00%"},
                                                {11, "0.00E+00"},
                                                {12, "# ?/?"},
                                                {13, "# ?\?/?\?"},
                                                {14, "mm-dd-yy"},
                                                {15, "d-mmm-yy"},
                                                {16, "d-mmm"},
                                                {17, "mmm-yy"},
                                                {18, "h:mm AM/PM"},
                                                {19, "h:mm:ss AM/PM"},
                                                {20, "h:mm"},
                                                {21, "h:mm:ss"},
                                                {22, "m/d/yy h:mm"},
                                                {37, "#,##0 ;(#,##0)"},
                                                {38, "#,##0 ;[Red](#,##0)"},
                                                {39, "#,##0.00;(#,##0.00)"},
                                                {40, "#,##0.00;[Red](#,##0.00)"},
                                                {45, "mm:ss"},
                                                {46, "[h]:mm:ss"},
                                                {47, "mmss.0"},
                                                {48, "##0.0E+0"},
                                                {49, "@"}};
    return formats.value(id, QStringLiteral("General"));
}

quint32 ReadColor(const Xml &xml)
{
    const QString rgb = Attr(xml, "rgb");
    if (!rgb.isEmpty())
        return rgb.right(6).toUInt(nullptr, 16);
    const int indexed = IntAttr(xml, "indexed", -1);
    if (indexed >= 8 && indexed < 64)
        return quint32(Xl::XlColorFromIndex(indexed - 7));
    return XlAutoColor;
}

XlBorderLine ReadBorderLine(const QString &style)
{
    static const QHash<QString, QPair<int, int>> lines = {
        {"thin", {XlConst::Continuous, XlConst::Thin}},
        {"medium", {XlConst::Continuous, XlConst::Medium}},
        {"thick", {XlConst::Continuous, XlConst::Thick}},
        {"hair", {XlConst::Continuous, XlConst::Hairline}},
        {"dashed", {XlConst::Dash, XlConst::Thin}},
        {"mediumDashed", {XlConst::Dash, XlConst::Medium}},
        {"dotted", {XlConst::Dot, XlConst::Thin}},
        {"double", {XlConst::Double, XlConst::Thick}},
        {"dashDot", {XlConst::DashDot, XlConst::Thin}},
        {"mediumDashDot", {XlConst::DashDot, XlConst::Medium}},
        {"dashDotDot", {XlConst::DashDotDot, XlConst::Thin}},
        {"mediumDashDotDot", {XlConst::DashDotDot, XlConst::Medium}},
        {"slantDashDot", {XlConst::SlantDashDot, XlConst::Medium}}};
    XlBorderLine line;
    const auto found = lines.constFind(style);
    if (found != lines.constEnd()) {
        line.lineStyle = qint16(found->first);
        line.weight = qint16(found->second);
    }
    return line;
}

int ReadHorizontal(const QString &value)
{
    static const QHash<QString, int> values = {{"left", XlConst::Left},
                                               {"center", XlConst::Center},
                                               {"right", XlConst::Right},
                                               {"fill", XlConst::Fill},
                                               {"justify", XlConst::Justify},
                                               {"centerContinuous", XlConst::CenterAcrossSelection},
                                               {"distributed", XlConst::Distributed}};
    return values.value(value, XlConst::General);
}

int ReadVertical(const QString &value)
{
    static const QHash<QString, int> values = {{"top", XlConst::Top},
                                               {"center", XlConst::Center},
                                               {"justify", XlConst::Justify},
                                               {"distributed", XlConst::Distributed}};
    return values.value(value, XlConst::Bottom);
}

// styles.xml: one style of the table per cell format (cellXfs) of the file.
std::vector<quint32> ReadStyles(Xml &xml, XlStyleTable &table)
{
    std::vector<quint32> xfStyles;
    QHash<int, QString> numberFormats;
    std::vector<bool> fonts;
    std::vector<std::pair<qint16, quint32>> fills;
    std::vector<std::array<XlBorderLine, 4>> borders;
    QString section;
    XlStyle xf;
    while (More(xml)) {
        const Xml::TokenType token = xml.readNext();
        if (token == Xml::EndElement) {
            if (Is(xml, "xf") && section == QLatin1String("cellXfs"))
                xfStyles.push_back(table.intern(xf));
            else if (Is(xml, "cellXfs") || Is(xml, "fonts") || Is(xml, "fills") ||
                     Is(xml, "borders") || Is(xml, "cellStyleXfs"))
                section.clear();
            continue;
        }
        if (token != Xml::StartElement)
            continue;
        if (Is(xml, "numFmt")) {
            numberFormats.insert(IntAttr(xml, "numFmtId"), Attr(xml, "formatCode"));
        } else if (Is(xml, "fonts") || Is(xml, "fills") || Is(xml, "borders") ||
                   Is(xml, "cellXfs") || Is(xml, "cellStyleXfs")) {
            section = xml.name().toString();
        } else if (section == QLatin1String("fonts")) {
            if (Is(xml, "font"))
                fonts.push_back(false);
            else if (Is(xml, "b") && !fonts.empty())
                fonts.back() = Attr(xml, "val") != QLatin1String("0") &&
                               Attr(xml, "val") != QLatin1String("false");
        } else if (section == QLatin1String("fills")) {
            if (Is(xml, "fill"))
                fills.emplace_back(XlConst::PatternNone, XlAutoColor);
            else if (Is(xml, "patternFill") && !fills.empty())
                fills.back().first = Attr(xml, "patternType") == QLatin1String("solid")
                                         ? XlConst::Solid
                                         : XlConst::PatternNone;
            else if (Is(xml, "fgColor") && !fills.empty())
                fills.back().second = ReadColor(xml);
        } else if (section == QLatin1String("borders")) {
            static const char *const sides[4] = {"left", "top", "bottom", "right"};
            if (Is(xml, "border"))
                borders.emplace_back();
            for (int side = 0; side < 4 && !borders.empty(); ++side) {
                if (Is(xml, sides[side])) {
                    borders.back()[size_t(side)] = ReadBorderLine(Attr(xml, "style"));
                    if (xml.readNextStartElement() && Is(xml, "color"))
                        borders.back()[size_t(side)].color = ReadColor(xml);
                }
            }
        } else if (section == QLatin1String("cellXfs")) {
            if (Is(xml, "xf")) {
                xf = XlStyle();
                const int numFmt = IntAttr(xml, "numFmtId");
                xf.numberFormat =
                    table.formatId(numberFormats.value(numFmt, BuiltinFormat(numFmt)));
                const size_t font = size_t(IntAttr(xml, "fontId"));
                xf.bold = font < fonts.size() && fonts[font];
                const size_t fill = size_t(IntAttr(xml, "fillId"));
                if (fill < fills.size()) {
                    xf.pattern = fills[fill].first;
                    xf.fillColor = fills[fill].second;
                }
                const size_t border = size_t(IntAttr(xml, "borderId"));
                if (border < borders.size())
                    std::copy(borders[border].begin(), borders[border].end(), xf.border);
            } else if (Is(xml, "alignment")) {
                xf.horizontal = qint16(ReadHorizontal(Attr(xml, "horizontal")));
                xf.vertical = qint16(ReadVertical(Attr(xml, "vertical")));
                xf.wrap = Attr(xml, "wrapText") == QLatin1String("1") ||
                          Attr(xml, "wrapText") == QLatin1String("true");
            }
        }
    }
    return xfStyles;
}

// The text of an <si> or <is> element: its <t> pieces, without phonetic runs.
QString ReadRichText(Xml &xml)
{
    const QString end = xml.name().toString();
    QString text;
    int phonetic = 0;
    while (More(xml)) {
        const Xml::TokenType token = xml.readNext();
        if (token == Xml::StartElement) {
            if (Is(xml, "rPh"))
                ++phonetic;
            else if (Is(xml, "t") && phonetic == 0)
                text += xml.readElementText();
        } else if (token == Xml::EndElement) {
            if (Is(xml, "rPh"))
                --phonetic;
            else if (xml.name() == end)
                break;
        }
    }
    return text;
}

QVector<QString> ReadSharedStrings(Xml &xml)
{
    QVector<QString> strings;
    while (More(xml)) {
        if (xml.readNext() == Xml::StartElement && Is(xml, "si"))
            strings << ReadRichText(xml);
    }
    return strings;
}

struct SheetSource
{
    QString name;
    QString part;
};

void ReadCell(Xml &xml, XlSheet &sheet, int row, int col, const QVector<QString> &strings,
              const std::vector<quint32> &xfStyles)
{
    const QString type = Attr(xml, "t");
    const size_t xf = size_t(IntAttr(xml, "s"));
    QString value;
    bool hasValue = false;
    while (More(xml)) {
        const Xml::TokenType token = xml.readNext();
        if (token == Xml::EndElement && Is(xml, "c"))
            break;
        if (token != Xml::StartElement)
            continue;
        if (Is(xml, "v")) {
            value = xml.readElementText();
            hasValue = true;
        } else if (Is(xml, "is")) {
            value = ReadRichText(xml);
            hasValue = true;
        } else {
            xml.skipCurrentElement(); // <f>: the value is kept, the formula is not
        }
    }
    if (xf < xfStyles.size() && xf > 0)
        sheet.setStyle(row, col, xfStyles[xf]);
    if (!hasValue)
        return;
    if (type == QLatin1String("s")) {
        const int index = value.toInt();
        if (index >= 0 && index < strings.size())
            sheet.setText(row, col, strings.at(index));
    } else if (type == QLatin1String("inlineStr") || type == QLatin1String("str") ||
               type == QLatin1String("e")) {
        sheet.setText(row, col, value);
    } else if (type == QLatin1String("b")) {
        sheet.setBoolean(row, col, value.trimmed() == QLatin1String("1"));
    } else if (type == QLatin1String("d")) {
        const QDateTime dt = QDateTime::fromString(value, Qt::ISODate);
        if (dt.isValid())
            sheet.setNumber(row, col, XlCellValue::dateSerial(dt.date(), dt.time()));
    } else {
        bool ok = false;
        const double number = value.toDouble(&ok);
        if (ok)
            sheet.setNumber(row, col, number);
    }
}

void ReadSheet(Xml &xml, XlSheet &sheet, const QVector<QString> &strings,
               const std::vector<quint32> &xfStyles)
{
    int row = -1;
    int col = -1;
    while (More(xml)) {
        if (xml.readNext() != Xml::StartElement)
            continue;
        if (Is(xml, "row")) {
            row = IntAttr(xml, "r", row + 2) - 1;
            col = -1;
        } else if (Is(xml, "c") && row >= 0 && row < XlCellRef::MaxRows) {
            int r = row;
            const QString ref = Attr(xml, "r");
            if (ref.isEmpty() || !XlCellRef::parseCell(ref, &r, &col))
                ++col;
            if (col < XlCellRef::MaxColumns)
                ReadCell(xml, sheet, row, col, strings, xfStyles);
        } else if (Is(xml, "col")) {
            const int first = IntAttr(xml, "min") - 1;
            const int last = std::min(IntAttr(xml, "max") - 1, first + 1024);
            bool ok = false;
            const double width = Attr(xml, "width").toDouble(&ok);
            for (int c = std::max(first, 0); ok && c <= last; ++c)
                sheet.setColumnWidth(c, width);
        } else if (Is(xml, "pane")) {
            if (Attr(xml, "state").startsWith(QLatin1String("frozen")))
                sheet.setFrozen(IntAttr(xml, "ySplit"), IntAttr(xml, "xSplit"));
        } else if (Is(xml, "mergeCell")) {
            XlRect rect;
            if (XlCellRef::parseRange(Attr(xml, "ref"), &rect))
                sheet.addMerge(rect);
        }
    }
}

// The r:id of a sheet, whatever prefix the file gives the relationships namespace.
QString RelationshipId(const Xml &xml)
{
    for (const QXmlStreamAttribute &attribute : xml.attributes()) {
        if (attribute.name() == QLatin1String("id"))
            return attribute.value().toString();
    }
    return QString();
}

QString PartPath(const QString &target)
{
    return target.startsWith(QLatin1Char('/')) ? QDir::cleanPath(target.mid(1))
                                               : QDir::cleanPath(QStringLiteral("xl/") + target);
}

// Reads one part of the package with read(xml). A missing part reads as nothing; a part too
// large or with damaged XML is a failure, told in *error.
template<typename Read>
bool ReadPart(const KArchiveDirectory *root, const QString &name, Read read, QString *error)
{
    const KArchiveFile *file = root->file(name);
    if (!file)
        return true;
    if (file->size() > kMaxPartBytes) {
        *error = QStringLiteral("part \"%1\" is too large").arg(name);
        return false;
    }
    const std::unique_ptr<QIODevice> device(file->createDevice());
    if (!device) {
        *error = QStringLiteral("part \"%1\" cannot be read").arg(name);
        return false;
    }
    Xml xml(device.get());
    read(xml);
    if (xml.hasError()) {
        *error = QStringLiteral("part \"%1\" is damaged: %2").arg(name, xml.errorString());
        return false;
    }
    return true;
}

} // namespace

namespace XlsxLoader {

bool load(const QString &path, XlBook &book, QString *error)
{
    KZip zip(path);
    if (!zip.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read \"%1\" as a workbook").arg(path);
        return false;
    }
    const KArchiveDirectory *root = zip.directory();
    const auto fail = [path, error](const QString &reason) {
        *error = QStringLiteral("\"%1\": %2").arg(path, reason);
        return false;
    };
    QString failure;
    // Relationships of the workbook part: sheets, shared strings, styles.
    QHash<QString, QString> targets;
    QString sharedStringsPart = QStringLiteral("xl/sharedStrings.xml");
    QString stylesPart = QStringLiteral("xl/styles.xml");
    const auto readRelationships = [&](Xml &xml) {
        while (More(xml)) {
            if (xml.readNext() != Xml::StartElement || !Is(xml, "Relationship"))
                continue;
            const QString target = PartPath(Attr(xml, "Target"));
            targets.insert(Attr(xml, "Id"), target);
            if (Attr(xml, "Type").endsWith(QLatin1String("/sharedStrings")))
                sharedStringsPart = target;
            else if (Attr(xml, "Type").endsWith(QLatin1String("/styles")))
                stylesPart = target;
        }
    };
    if (!ReadPart(root, QStringLiteral("xl/_rels/workbook.xml.rels"), readRelationships,
                  &failure))
        return fail(failure);
    const QString workbookPart = QStringLiteral("xl/workbook.xml");
    if (!root->file(workbookPart))
        return fail(QStringLiteral("not a workbook"));
    QVector<SheetSource> sources;
    int activeTab = 0;
    const auto readWorkbook = [&](Xml &xml) {
        while (More(xml)) {
            if (xml.readNext() != Xml::StartElement)
                continue;
            if (Is(xml, "workbookView"))
                activeTab = IntAttr(xml, "activeTab");
            else if (Is(xml, "sheet"))
                sources.append({Attr(xml, "name"), targets.value(RelationshipId(xml))});
        }
    };
    if (!ReadPart(root, workbookPart, readWorkbook, &failure))
        return fail(failure);
    if (sources.isEmpty())
        return fail(QStringLiteral("no sheet list"));
    std::vector<quint32> xfStyles;
    const auto readStyles = [&](Xml &xml) { xfStyles = ReadStyles(xml, *book.styles()); };
    QVector<QString> strings;
    const auto readStrings = [&](Xml &xml) { strings = ReadSharedStrings(xml); };
    if (!ReadPart(root, stylesPart, readStyles, &failure) ||
        !ReadPart(root, sharedStringsPart, readStrings, &failure))
        return fail(failure);
    for (int i = 0; i < sources.size(); ++i) {
        const std::shared_ptr<XlSheet> sheet = book.insertSheet(i, sources.at(i).name);
        const auto readSheet = [&](Xml &xml) { ReadSheet(xml, *sheet, strings, xfStyles); };
        if (!ReadPart(root, sources.at(i).part, readSheet, &failure))
            return fail(failure);
        if (i == activeTab)
            book.activate(sheet);
    }
    return true;
}

} // namespace XlsxLoader
