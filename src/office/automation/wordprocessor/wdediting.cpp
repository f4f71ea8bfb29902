// WdDocument: text, tables and the selection.
#include "office/automation/wordprocessor/wddocument.h"

#include <QRegularExpression>

#include "office/automation/wordprocessor/wdxml.h"

using namespace WdXml;

namespace {

QStringList Lines(const QString &text)
{
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    return XmlSafe(text).split(breaks);
}

// Run properties to give new text: those of the first run, else of the paragraph mark.
QDomElement RunFormat(const QDomElement &within)
{
    for (const QDomElement &run : Descendants(within, "w:r")) {
        const QDomElement rPr = FirstChild(run, "w:rPr");
        if (!rPr.isNull())
            return rPr;
    }
    return Descendants(within, "w:pPr").value(0).firstChildElement("w:rPr");
}

void RemoveAll(const QList<QDomElement> &elements)
{
    for (QDomElement e : elements)
        e.parentNode().removeChild(e);
}

// A copied row or table: no text, no pictures, no bookmarks; paragraph and run
// formatting stay so that text written later looks as the original did.
void ClearCell(QDomElement cell)
{
    QDomElement format = RunFormat(cell).cloneNode(true).toElement();
    QDomElement first = FirstChild(cell, "w:p");
    for (QDomElement e = cell.firstChildElement(); !e.isNull();) {
        QDomElement next = e.nextSiblingElement();
        if (e.tagName() != QLatin1String("w:tcPr") && e != first)
            cell.removeChild(e);
        e = next;
    }
    if (first.isNull())
        first = cell.appendChild(cell.ownerDocument().createElement("w:p")).toElement();
    for (QDomElement e = first.firstChildElement(); !e.isNull();) {
        QDomElement next = e.nextSiblingElement();
        if (e.tagName() != QLatin1String("w:pPr"))
            first.removeChild(e);
        e = next;
    }
    if (!format.isNull()) {
        QDomElement pPr = EnsureChild(first, "w:pPr", {"w:pPr"});
        const QDomElement old = FirstChild(pPr, "w:rPr");
        if (!old.isNull())
            pPr.removeChild(old);
        EnsureChild(pPr, "w:rPr", ParagraphPropertyOrder());
        pPr.replaceChild(format, FirstChild(pPr, "w:rPr"));
    }
}

void StripBookmarks(const QDomElement &element)
{
    RemoveAll(Descendants(element, "w:bookmarkStart"));
    RemoveAll(Descendants(element, "w:bookmarkEnd"));
}

void ApplyFont(QDomElement rPr, const QString *name, const double *size, const bool *bold)
{
    const QStringList &order = RunPropertyOrder();
    if (name) {
        QDomElement fonts = EnsureChild(rPr, "w:rFonts", order);
        for (const char *attr : {"w:ascii", "w:hAnsi", "w:eastAsia", "w:cs"})
            fonts.setAttribute(attr, *name);
        for (const char *attr : {"w:asciiTheme", "w:hAnsiTheme", "w:eastAsiaTheme", "w:cstheme"})
            fonts.removeAttribute(attr);
    }
    if (size) {
        const QString half = QString::number(qRound(*size * 2));
        EnsureChild(rPr, "w:sz", order).setAttribute("w:val", half);
        EnsureChild(rPr, "w:szCs", order).setAttribute("w:val", half);
    }
    if (bold) {
        EnsureChild(rPr, "w:b", order).setAttribute("w:val", *bold ? "1" : "0");
        EnsureChild(rPr, "w:bCs", order).setAttribute("w:val", *bold ? "1" : "0");
    }
}

} // namespace

QDomElement WdDocument::newTextRun(const QDomElement &formatFrom, const QString &text)
{
    QDomElement run = m_document.createElement("w:r");
    if (!formatFrom.isNull())
        run.appendChild(formatFrom.cloneNode(true));
    const QStringList lines = Lines(text);
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            run.appendChild(m_document.createElement("w:br"));
        if (lines.at(i).isEmpty())
            continue;
        QDomElement t = m_document.createElement("w:t");
        t.setAttribute("xml:space", "preserve");
        t.appendChild(m_document.createTextNode(lines.at(i)));
        run.appendChild(t);
    }
    return run;
}

// ---- bookmarks

QDomElement WdDocument::findBookmark(const QString &name, bool end) const
{
    for (const QDomElement &start : Descendants(body(), "w:bookmarkStart")) {
        if (start.attribute("w:name") != name)
            continue;
        if (!end)
            return start;
        const QString id = start.attribute("w:id");
        for (const QDomElement &stop : Descendants(body(), "w:bookmarkEnd")) {
            if (stop.attribute("w:id") == id)
                return stop;
        }
        return QDomElement();
    }
    return QDomElement();
}

bool WdDocument::hasBookmark(const QString &name) const
{
    return !findBookmark(name, false).isNull();
}

QString WdDocument::bookmarkText(const QString &name) const
{
    const QDomElement start = findBookmark(name, false);
    const QDomElement end = findBookmark(name, true);
    QString text;
    if (start.isNull() || end.isNull() || start.parentNode() != end.parentNode())
        return text;
    for (QDomElement e = start.nextSiblingElement(); !e.isNull() && e != end;
         e = e.nextSiblingElement()) {
        if (e.tagName() == QLatin1String("w:r"))
            text += PlainText(e);
    }
    return text;
}

bool WdDocument::setBookmarkText(const QString &name, const QString &text)
{
    const QDomElement start = findBookmark(name, false);
    const QDomElement end = findBookmark(name, true);
    if (start.isNull() || end.isNull() || start.parentNode().toElement().tagName() != "w:p")
        return false;
    QDomNode parent = start.parentNode();
    QDomElement format;
    QList<QDomElement> doomed;
    for (QDomElement e = start.nextSiblingElement(); !e.isNull() && e != end;
         e = e.nextSiblingElement())
        doomed << e;
    if (end.parentNode() != parent) {
        // Across paragraphs: the text stays in the first, the rest of the range goes.
        const QDomElement first = bodyChild(start);
        const QDomElement last = bodyChild(end);
        for (QDomElement e = first.nextSiblingElement(); !e.isNull() && e != last;
             e = e.nextSiblingElement())
            doomed << e;
        for (QDomElement e = end.previousSiblingElement(); !e.isNull();
             e = e.previousSiblingElement()) {
            if (e.tagName() != QLatin1String("w:pPr"))
                doomed << e;
        }
        invalidate();
    }
    for (const QDomElement &e : doomed) {
        if (format.isNull() && e.tagName() == QLatin1String("w:r"))
            format = FirstChild(e, "w:rPr");
        if (!Descendants(e, "wp:inline").isEmpty() || e.tagName() == QLatin1String("w:tbl"))
            invalidate();
    }
    if (format.isNull()) {
        const QDomElement before = start.previousSiblingElement("w:r");
        format = before.isNull() ? RunFormat(parent.toElement()) : FirstChild(before, "w:rPr");
    }
    format = format.cloneNode(true).toElement();
    RemoveAll(doomed);
    parent.insertAfter(newTextRun(format, text), start);
    return true;
}

// ---- cells and tables

QString WdDocument::cellText(const QDomElement &cell) const
{
    return PlainText(cell);
}

void WdDocument::setCellText(QDomElement cell, const QString &text)
{
    if (!Descendants(cell, "wp:inline").isEmpty())
        m_inlinesValid = false;
    const QDomElement format = RunFormat(cell).cloneNode(true).toElement();
    ClearCell(cell);
    const QDomElement first = FirstChild(cell, "w:p");
    const QStringList lines = Lines(text);
    QDomElement paragraph = first;
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            QDomElement next = m_document.createElement("w:p");
            const QDomElement pPr = FirstChild(first, "w:pPr");
            if (!pPr.isNull())
                next.appendChild(pPr.cloneNode(true));
            cell.insertAfter(next, paragraph);
            paragraph = next;
        }
        if (!lines.at(i).isEmpty())
            paragraph.appendChild(newTextRun(format, lines.at(i)));
    }
}

int WdDocument::tableCount()
{
    if (!m_tablesValid) {
        m_tables = Children(body(), "w:tbl");
        m_tablesValid = true;
    }
    return m_tables.size();
}

QDomElement WdDocument::table(int index)
{
    if (index < 1 || index > tableCount())
        return QDomElement();
    return m_tables.at(index - 1);
}

QDomElement WdDocument::row(const QDomElement &table, int index) const
{
    if (index < 1)
        return QDomElement();
    QDomElement tr = table.firstChildElement("w:tr");
    while (!tr.isNull() && --index > 0)
        tr = tr.nextSiblingElement("w:tr");
    return tr;
}

QDomElement WdDocument::cell(const QDomElement &table, int row, int column) const
{
    if (column < 1)
        return QDomElement();
    QDomElement tc = this->row(table, row).firstChildElement("w:tc");
    while (!tc.isNull() && --column > 0)
        tc = tc.nextSiblingElement("w:tc");
    return tc;
}

void WdDocument::setRowHeight(QDomElement row, double points)
{
    QDomElement trPr = EnsureChild(row, "w:trPr", {"w:tblPrEx", "w:trPr"});
    QDomElement height = EnsureChild(trPr, "w:trHeight");
    height.setAttribute("w:val", qMax(0, qRound(points * 20)));
    height.setAttribute("w:hRule", "atLeast");
}

void WdDocument::insertRowsBelow(const QDomElement &row, int count)
{
    QDomElement after = row;
    for (int i = 0; i < count; ++i) {
        QDomElement copy = row.cloneNode(true).toElement();
        for (const QDomElement &tc : Children(copy, "w:tc"))
            ClearCell(tc);
        StripBookmarks(copy);
        row.parentNode().insertAfter(copy, after);
        after = copy;
    }
}

void WdDocument::setCellShading(QDomElement cell, const QString &fill, const QString &color)
{
    QDomElement tcPr = EnsureChild(cell, "w:tcPr", {"w:tcPr"});
    QDomElement shd = EnsureChild(tcPr, "w:shd", CellPropertyOrder());
    shd.setAttribute("w:val", "clear");
    if (!color.isEmpty())
        shd.setAttribute("w:color", color);
    if (!fill.isEmpty())
        shd.setAttribute("w:fill", fill);
}

// ---- the selection

QList<QDomElement> WdDocument::bookmarkTables(const QString &name) const
{
    QList<QDomElement> tables;
    const QDomElement first = bodyChild(findBookmark(name, false));
    const QDomElement last = bodyChild(findBookmark(name, true));
    if (first.isNull() || last.isNull())
        return tables;
    for (QDomElement e = first; !e.isNull(); e = e.nextSiblingElement()) {
        if (e.tagName() == QLatin1String("w:tbl"))
            tables << e;
        if (e == last)
            break;
    }
    return tables;
}

void WdDocument::selectBookmark(const QString &name)
{
    m_selection = SelectionKind::Bookmark;
    m_selectedBookmark = name;
}

void WdDocument::selectCell(const QDomElement &cell)
{
    m_selection = SelectionKind::Cell;
    m_selectedCell = cell;
}

bool WdDocument::copySelection()
{
    if (m_selection != SelectionKind::Bookmark)
        return false;
    m_clipboard.clear();
    for (const QDomElement &table : bookmarkTables(m_selectedBookmark)) {
        QDomElement copy = table.cloneNode(true).toElement();
        StripBookmarks(copy);
        m_clipboard << copy;
    }
    return !m_clipboard.isEmpty();
}

bool WdDocument::moveDown(int lines)
{
    QDomElement table;
    if (m_selection == SelectionKind::Bookmark) {
        const QList<QDomElement> tables = bookmarkTables(m_selectedBookmark);
        table =
            tables.isEmpty() ? bodyChild(findBookmark(m_selectedBookmark, true)) : tables.last();
    } else if (m_selection == SelectionKind::Cell) {
        // Down the column while inside the table, then out below it.
        const QDomElement tr = m_selectedCell.parentNode().toElement();
        const int column = Children(tr, "w:tc").indexOf(m_selectedCell) + 1;
        QDomElement target = tr;
        for (int i = 0; i < lines && !target.isNull(); ++i)
            target = target.nextSiblingElement("w:tr");
        const QDomElement below =
            target.isNull() ? QDomElement() : Children(target, "w:tc").value(column - 1);
        if (!below.isNull()) {
            m_selectedCell = below;
            return true;
        }
        table = bodyChild(tr);
    } else if (m_selection == SelectionKind::Point) {
        table = m_point;
    }
    if (table.isNull())
        return false;
    QDomElement next = table.nextSiblingElement();
    if (m_selection == SelectionKind::Point) {
        while (!next.isNull() && next.tagName() != QLatin1String("w:p"))
            next = next.nextSiblingElement();
    }
    if (next.isNull() || next.tagName() != QLatin1String("w:p")) {
        next = m_document.createElement("w:p");
        table.parentNode().insertAfter(next, table);
    }
    m_point = next;
    m_selection = SelectionKind::Point;
    return true;
}

bool WdDocument::typeParagraph()
{
    if (m_selection != SelectionKind::Point)
        return false;
    QDomElement paragraph = m_document.createElement("w:p");
    const QDomElement pPr = FirstChild(m_point, "w:pPr");
    if (!pPr.isNull()) {
        QDomElement copy = pPr.cloneNode(true).toElement();
        RemoveAll(Children(copy, "w:sectPr"));
        RemoveAll(Children(copy, "w:pageBreakBefore"));
        paragraph.appendChild(copy);
    }
    m_point.parentNode().insertBefore(paragraph, m_point);
    return true;
}

bool WdDocument::paste()
{
    if (m_selection != SelectionKind::Point || m_clipboard.isEmpty())
        return false;
    for (int i = 0; i < m_clipboard.size(); ++i) {
        if (i > 0)
            m_point.parentNode().insertBefore(m_document.createElement("w:p"), m_point);
        QDomElement copy = m_clipboard.at(i).cloneNode(true).toElement();
        for (QDomElement docPr : Descendants(copy, "wp:docPr"))
            docPr.setAttribute("id", m_nextDrawingId++);
        m_point.parentNode().insertBefore(copy, m_point);
    }
    invalidate();
    return true;
}

bool WdDocument::insertPageBreak()
{
    QDomElement paragraph;
    if (m_selection == SelectionKind::Point)
        paragraph = m_point;
    else if (m_selection == SelectionKind::Cell)
        paragraph = FirstChild(m_selectedCell, "w:p");
    if (paragraph.isNull())
        return false;
    QDomElement run = m_document.createElement("w:r");
    QDomElement br = m_document.createElement("w:br");
    br.setAttribute("w:type", "page");
    run.appendChild(br);
    const QDomElement pPr = FirstChild(paragraph, "w:pPr");
    if (pPr.isNull())
        paragraph.insertBefore(run, paragraph.firstChild());
    else
        paragraph.insertAfter(run, pPr);
    return true;
}

bool WdDocument::insertRowsAtSelection(int count)
{
    if (m_selection != SelectionKind::Cell || count < 1)
        return false;
    insertRowsBelow(m_selectedCell.parentNode().toElement(), count);
    return true;
}

void WdDocument::setSelectionFont(const QString *name, const double *size, const bool *bold)
{
    QList<QDomElement> paragraphs;
    if (m_selection == SelectionKind::Cell)
        paragraphs = Descendants(m_selectedCell, "w:p");
    else if (m_selection == SelectionKind::Point)
        paragraphs << m_point;
    else if (m_selection == SelectionKind::Bookmark) {
        const QDomElement start = findBookmark(m_selectedBookmark, false);
        for (QDomElement e = start.nextSiblingElement(); !e.isNull(); e = e.nextSiblingElement()) {
            if (e.tagName() == QLatin1String("w:bookmarkEnd"))
                break;
            if (e.tagName() == QLatin1String("w:r"))
                ApplyFont(EnsureChild(e, "w:rPr", {"w:rPr"}), name, size, bold);
        }
        return;
    }
    for (QDomElement paragraph : paragraphs) {
        for (QDomElement run : Children(paragraph, "w:r"))
            ApplyFont(EnsureChild(run, "w:rPr", {"w:rPr"}), name, size, bold);
        QDomElement pPr = EnsureChild(paragraph, "w:pPr", {"w:pPr"});
        ApplyFont(EnsureChild(pPr, "w:rPr", ParagraphPropertyOrder()), name, size, bold);
    }
}
