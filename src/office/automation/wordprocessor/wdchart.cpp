#include "office/automation/wordprocessor/wdchart.h"

#include <QFile>
#include <QTemporaryDir>

#include "core/common/debuglog.h"
#include "office/automation/spreadsheet/xlbook.h"
#include "office/automation/wordprocessor/wdxml.h"

using namespace WdXml;

namespace {

QDomElement FirstSeries(const QDomDocument &document)
{
    const QList<QDomElement> series = Descendants(document.documentElement(), "c:ser");
    return series.isEmpty() ? QDomElement() : series.first();
}

// The points of a cache element, by index.
QMap<int, QString> CachePoints(const QDomElement &cache)
{
    QMap<int, QString> points;
    for (const QDomElement &pt : Children(cache, "c:pt"))
        points.insert(pt.attribute("idx").toInt(), FirstChild(pt, "c:v").text());
    return points;
}

QDomElement AnyCache(const QDomElement &parent)
{
    for (const char *tag : {"c:strCache", "c:numCache", "c:strLit", "c:numLit"}) {
        const QList<QDomElement> found = Descendants(parent, tag);
        if (!found.isEmpty())
            return found.first();
    }
    return QDomElement();
}

QString ColumnLetter(int column)
{
    return QString(QChar('A' + column - 1));
}

// Replaces the content of a series child (c:cat, c:val) with a reference and its cache.
void WriteReference(QDomDocument &document, QDomElement parent, bool numbers,
                    const QString &formula, const QStringList &points)
{
    while (!parent.firstChild().isNull())
        parent.removeChild(parent.firstChild());
    QDomElement ref = document.createElement(numbers ? "c:numRef" : "c:strRef");
    parent.appendChild(ref);
    QDomElement f = document.createElement("c:f");
    f.appendChild(document.createTextNode(formula));
    ref.appendChild(f);
    QDomElement cache = document.createElement(numbers ? "c:numCache" : "c:strCache");
    ref.appendChild(cache);
    if (numbers) {
        QDomElement format = document.createElement("c:formatCode");
        format.appendChild(document.createTextNode("General"));
        cache.appendChild(format);
    }
    QDomElement count = document.createElement("c:ptCount");
    count.setAttribute("val", points.size());
    cache.appendChild(count);
    for (int i = 0; i < points.size(); ++i) {
        if (points.at(i).isEmpty())
            continue;
        QDomElement pt = document.createElement("c:pt");
        pt.setAttribute("idx", i);
        QDomElement v = document.createElement("c:v");
        v.appendChild(document.createTextNode(XmlSafe(points.at(i))));
        pt.appendChild(v);
        cache.appendChild(pt);
    }
}

} // namespace

bool WdChart::parse(const QByteArray &xml)
{
    if (!m_document.setContent(xml, false))
        return false;
    const QDomElement series = FirstSeries(m_document);
    if (series.isNull())
        return true;
    const QDomElement f = Descendants(FirstChild(series, "c:val"), "c:f").value(0);
    if (f.text().contains('!'))
        m_sheetName = f.text().section('!', 0, 0);
    const QDomElement name = AnyCache(FirstChild(series, "c:tx"));
    if (!name.isNull())
        m_sheet.insert({1, 2}, CachePoints(name).value(0));
    const QMap<int, QString> cats = CachePoints(AnyCache(FirstChild(series, "c:cat")));
    for (auto it = cats.begin(); it != cats.end(); ++it)
        m_sheet.insert({it.key() + 2, 1}, it.value());
    const QMap<int, QString> vals = CachePoints(AnyCache(FirstChild(series, "c:val")));
    for (auto it = vals.begin(); it != vals.end(); ++it)
        m_sheet.insert({it.key() + 2, 2}, it.value());
    return true;
}

QString WdChart::cell(int row, int column) const
{
    return m_sheet.value({row, column});
}

void WdChart::setCell(int row, int column, const QVariant &value)
{
    const QString text = value.toString();
    if (text.isEmpty())
        m_sheet.remove({row, column});
    else
        m_sheet.insert({row, column}, text);
    m_modified = true;
}

int WdChart::lastRow() const
{
    int last = 1;
    for (auto it = m_sheet.begin(); it != m_sheet.end(); ++it) {
        if (it.key().second <= 2)
            last = qMax(last, it.key().first);
    }
    return last;
}

QStringList WdChart::categories() const
{
    QStringList list;
    for (int row = 2; row <= lastRow(); ++row)
        list << cell(row, 1);
    return list;
}

QStringList WdChart::values() const
{
    QStringList list;
    for (int row = 2; row <= lastRow(); ++row)
        list << cell(row, 2);
    return list;
}

void WdChart::writeCaches() const
{
    QDomElement series = FirstSeries(m_document);
    if (series.isNull())
        return;
    const int last = lastRow();
    const QString sheet = m_sheetName;
    auto range = [&](int column) {
        return QStringLiteral("%1!$%2$2:$%2$%3").arg(sheet, ColumnLetter(column)).arg(last);
    };
    // c:cat comes before c:val in the series.
    static const QStringList order = {"c:idx", "c:order", "c:tx",  "c:spPr", "c:explosion",
                                      "c:dPt", "c:dLbls", "c:cat", "c:val"};
    WriteReference(m_document, EnsureChild(series, "c:cat", order), false, range(1), categories());
    QStringList numbers;
    for (const QString &value : values()) {
        bool ok = false;
        const double number = value.toDouble(&ok);
        numbers << (ok ? QString::number(number, 'g', 15) : QString());
    }
    WriteReference(m_document, EnsureChild(series, "c:val", order), true, range(2), numbers);
}

QString WdChart::sheetName() const
{
    QString name = m_sheetName;
    if (name.size() >= 2 && name.startsWith('\'') && name.endsWith('\''))
        name = name.mid(1, name.size() - 2).replace(QStringLiteral("''"), QStringLiteral("'"));
    return name;
}

QByteArray WdChart::workbook() const
{
    XlBook book(QStringLiteral("chart"));
    const std::shared_ptr<XlSheet> sheet = book.insertSheet(0, sheetName());
    for (auto it = m_sheet.begin(); it != m_sheet.end(); ++it) {
        const int row = it.key().first - 1;
        const int column = it.key().second - 1;
        bool number = false;
        const double value = it.value().toDouble(&number);
        // Categories and the series name stay texts, whatever they look like.
        if (number && row > 0 && column > 0)
            sheet->setNumber(row, column, value);
        else
            sheet->setText(row, column, it.value());
    }
    sheet->autoFit(0, 1);
    QTemporaryDir work;
    const QString path = work.filePath(QStringLiteral("chart.xlsx"));
    QString error;
    QFile file(path);
    if (!book.save(path, &error) || !file.open(QIODevice::ReadOnly)) {
        TQ_LOG << "cannot write the chart's workbook:" << error;
        return QByteArray();
    }
    return file.readAll();
}

QString WdChart::externalDataId() const
{
    return FirstChild(m_document.documentElement(), "c:externalData").attribute("r:id");
}

void WdChart::setExternalDataId(const QString &id)
{
    static const QStringList order = {
        "c:date1904",   "c:lang",        "c:roundedCorners", "mc:AlternateContent",
        "c:clrMapOvr",  "c:pivotSource", "c:protection",     "c:chart",
        "c:spPr",       "c:txPr",        "c:externalData",   "c:printSettings",
        "c:userShapes", "c:extLst"};
    QDomElement root = m_document.documentElement();
    if (!root.hasAttribute("xmlns:r"))
        root.setAttribute("xmlns:r",
                          "http://schemas.openxmlformats.org/officeDocument/2006/relationships");
    QDomElement data = EnsureChild(root, "c:externalData", order);
    data.setAttribute("r:id", id);
    // The caches are the chart's truth until the workbook is edited.
    EnsureChild(data, "c:autoUpdate").setAttribute("val", "0");
}

QByteArray WdChart::toXml() const
{
    if (m_modified)
        writeCaches();
    return m_document.toByteArray(-1);
}
