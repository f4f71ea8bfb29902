// WdDocument: fields and the table of contents. Where a layout engine is installed, a
// TOC field gets its entries here (heading texts, dotted tab, page number, link to a
// bookmark at the heading) and their page numbers at the next layout of the document;
// elsewhere, and for other fields, the word processor refreshes them when it opens the file.
#include "office/automation/wordprocessor/wddocument.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include "core/common/debuglog.h"
#include "office/automation/wordprocessor/wdlayoutengine.h"
#include "office/automation/wordprocessor/wdxml.h"

using namespace WdXml;

namespace {

constexpr int kBodyText = 9; // outline level of paragraphs that are not headings

// Outline levels of the paragraph styles, through their basedOn chains.
class StyleLevels
{
public:
    explicit StyleLevels(const QByteArray &stylesXml)
    {
        QDomDocument styles;
        if (!styles.setContent(stylesXml, false))
            return;
        static const QRegularExpression heading(QStringLiteral("^heading (\\d)$"));
        for (const QDomElement &style : Children(styles.documentElement(), "w:style")) {
            if (style.attribute("w:type") != QLatin1String("paragraph"))
                continue;
            const QString id = style.attribute("w:styleId");
            const QString name = FirstChild(style, "w:name").attribute("w:val").toLower();
            m_idByName.insert(name, id);
            if (style.attribute("w:default") == QLatin1String("1"))
                m_default = id;
            m_basedOn.insert(id, FirstChild(style, "w:basedOn").attribute("w:val"));
            const QDomElement level = FirstChild(FirstChild(style, "w:pPr"), "w:outlineLvl");
            const QRegularExpressionMatch builtIn = heading.match(name);
            if (!level.isNull())
                m_level.insert(id, level.attribute("w:val").toInt());
            else if (builtIn.hasMatch()) // the built-in headings have their level by name
                m_level.insert(id, builtIn.captured(1).toInt() - 1);
        }
    }

    int level(const QDomElement &paragraph) const
    {
        const QDomElement pPr = FirstChild(paragraph, "w:pPr");
        const QDomElement direct = FirstChild(pPr, "w:outlineLvl");
        if (!direct.isNull())
            return direct.attribute("w:val").toInt();
        QString id = FirstChild(pPr, "w:pStyle").attribute("w:val", m_default);
        for (int depth = 0; depth < 16 && !id.isEmpty(); ++depth) {
            if (m_level.contains(id))
                return m_level.value(id);
            id = m_basedOn.value(id);
        }
        return kBodyText;
    }

    // The style of contents entries of a level (1-based).
    QString contentsStyle(int level) const
    {
        return m_idByName.value(QStringLiteral("toc %1").arg(level),
                                QStringLiteral("TOC%1").arg(level));
    }

private:
    QHash<QString, QString> m_basedOn;
    QHash<QString, int> m_level;
    QHash<QString, QString> m_idByName;
    QString m_default = QStringLiteral("Normal");
};

// Heading texts compare without white space: the layout may break them across lines.
QString Key(const QString &text)
{
    QString key;
    for (const QChar c : text) {
        if (!c.isSpace())
            key += c;
    }
    return key;
}

// The outline title of a heading with list numbering carries the number in front.
bool SameHeading(const QString &title, const QString &key)
{
    if (!title.endsWith(key))
        return false;
    for (int i = 0; i < title.size() - key.size(); ++i) {
        if (title.at(i).isLetter())
            return false;
    }
    return true;
}

void SetText(QDomElement t, const QString &text)
{
    while (!t.firstChild().isNull())
        t.removeChild(t.firstChild());
    t.appendChild(t.ownerDocument().createTextNode(text));
}

// The switches of a TOC field: the outline levels it lists (\o "1-3"), whether entries
// link to their headings (\h), whether they carry page numbers (no \n).
struct ContentsSwitches
{
    int low = 1;
    int high = 9;
    bool links = false;
    bool pageNumbers = true;
};

ContentsSwitches ReadSwitches(const QString &code)
{
    static const QRegularExpression levels(QStringLiteral("\\\\o\\s*\"(\\d)-(\\d)\""));
    const QRegularExpressionMatch range = levels.match(code);
    ContentsSwitches switches;
    if (range.hasMatch()) {
        switches.low = range.captured(1).toInt();
        switches.high = range.captured(2).toInt();
    }
    switches.links = code.contains(QLatin1String("\\h"));
    switches.pageNumbers = !code.contains(QLatin1String("\\n"));
    return switches;
}

// The field's result runs from the paragraph of its separator to that of its end; only
// a result in body paragraphs side by side is rewritten.
bool ResultInSiblingParagraphs(const QDomElement &first, const QDomElement &last)
{
    return first.tagName() == QLatin1String("w:p") && last.tagName() == QLatin1String("w:p") &&
           first.parentNode() == last.parentNode();
}

struct Heading
{
    QDomElement paragraph;
    int level; // 1-based
    QString text;
};

// The paragraphs with an outline level the contents list, and text.
QList<Heading> FindHeadings(const QDomElement &body, const StyleLevels &styles,
                            const ContentsSwitches &switches)
{
    QList<Heading> headings;
    for (const QDomElement &p : Descendants(body, "w:p")) {
        const int level = styles.level(p) + 1;
        if (level < switches.low || level > switches.high)
            continue;
        const QString text = PlainText(p).simplified();
        if (!text.isEmpty())
            headings.append(Heading{p, level, text});
    }
    return headings;
}

// The names of bookmarks at the headings, for the links and the page references: a
// heading's own "_Toc" bookmark, or a new one around the heading.
QStringList AnchorHeadings(QDomDocument &document, const QDomElement &body,
                           const QList<Heading> &headings)
{
    QSet<QString> names;
    int nextId = 0;
    for (const QDomElement &mark : Descendants(body, "w:bookmarkStart")) {
        names.insert(mark.attribute("w:name"));
        nextId = qMax(nextId, mark.attribute("w:id").toInt() + 1);
    }
    int nextName = 100000000;
    QStringList anchors;
    for (const Heading &heading : headings) {
        QString anchor;
        for (const QDomElement &mark : Children(heading.paragraph, "w:bookmarkStart")) {
            if (mark.attribute("w:name").startsWith(QLatin1String("_Toc")))
                anchor = mark.attribute("w:name");
        }
        if (anchor.isEmpty()) {
            do
                anchor = QStringLiteral("_Toc%1").arg(++nextName);
            while (names.contains(anchor));
            names.insert(anchor);
            QDomElement start = document.createElement("w:bookmarkStart");
            start.setAttribute("w:id", nextId);
            start.setAttribute("w:name", anchor);
            QDomElement end = document.createElement("w:bookmarkEnd");
            end.setAttribute("w:id", nextId++);
            QDomElement paragraph = heading.paragraph;
            paragraph.insertAfter(start, FirstChild(paragraph, "w:pPr"));
            paragraph.appendChild(end);
        }
        anchors << anchor;
    }
    return anchors;
}

// Removes the field's old result, leaving its separator at the end of the first paragraph.
// Returns the end of the field and what follows it in its paragraph, which go behind the
// last new entry.
QList<QDomNode> RemoveResult(const QDomElement &separateRun, const QDomElement &endRun)
{
    QDomElement first = separateRun.parentNode().toElement();
    const QDomElement last = endRun.parentNode().toElement();
    QList<QDomNode> tail;
    for (QDomNode n = endRun; !n.isNull(); n = n.nextSibling())
        tail << n;
    for (QDomNode n = separateRun.nextSibling(); !n.isNull() && n != endRun;) {
        const QDomNode next = n.nextSibling();
        first.removeChild(n);
        n = next;
    }
    if (first != last) {
        QDomNode container = first.parentNode();
        for (QDomNode n = first.nextSibling(); !n.isNull();) {
            const QDomNode next = n.nextSibling();
            const bool done = n == last;
            container.removeChild(n);
            if (done)
                break;
            n = next;
        }
    }
    return tail;
}

// An entry's paragraph: its contents style and one right tab with a dotted leader.
void FormatEntry(const QDomElement &paragraph, const QString &style, const QString &width)
{
    QDomElement pPr = EnsureChild(paragraph, "w:pPr", {"w:pPr"});
    EnsureChild(pPr, "w:pStyle", ParagraphPropertyOrder()).setAttribute("w:val", style);
    QDomElement tabs = EnsureChild(pPr, "w:tabs", ParagraphPropertyOrder());
    while (!tabs.firstChild().isNull())
        tabs.removeChild(tabs.firstChild());
    QDomElement tab = paragraph.ownerDocument().createElement("w:tab");
    tab.setAttribute("w:val", "right");
    tab.setAttribute("w:leader", "dot");
    tab.setAttribute("w:pos", width);
    tabs.appendChild(tab);
}

// Appends an entry's runs to holder: the heading text, a tab and a PAGEREF field to the
// anchor showing the placeholder. Returns the w:t of the page number.
QDomElement AppendEntryRuns(QDomElement holder, const QString &text, const QString &anchor,
                            const QString &placeholder)
{
    const QString page = QStringLiteral(" PAGEREF %1 \\h ").arg(anchor);
    const QString xml =
        QStringLiteral(
            "<e xmlns:w=\"w\"><w:r><w:t xml:space=\"preserve\">%1</w:t></w:r><w:r><w:tab/></w:r>"
            "<w:r><w:fldChar w:fldCharType=\"begin\"/></w:r><w:r><w:instrText "
            "xml:space=\"preserve\">%2</w:instrText></w:r><w:r><w:fldChar "
            "w:fldCharType=\"separate\"/></w:r><w:r><w:t>%3</w:t></w:r><w:r><w:fldChar "
            "w:fldCharType=\"end\"/></w:r></e>")
            .arg(XmlSafe(text).toHtmlEscaped(), page, placeholder);
    QDomDocument snippet;
    snippet.setContent(xml, false);
    // The sixth run holds the page number.
    QDomElement number;
    int index = 0;
    for (QDomElement run = snippet.documentElement().firstChildElement(); !run.isNull();
         run = run.nextSiblingElement(), ++index) {
        const QDomElement imported =
            holder.appendChild(holder.ownerDocument().importNode(run, true)).toElement();
        if (index == 5)
            number = FirstChild(imported, "w:t");
    }
    return number;
}

} // namespace

QList<WdDocument::Field> WdDocument::fields() const
{
    QList<Field> found;
    QList<Field> open;
    for (const QDomElement &run : Descendants(body(), "w:r")) {
        for (QDomElement e = run.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
            if (e.tagName() == QLatin1String("w:instrText")) {
                if (!open.isEmpty() && open.last().separate.isNull())
                    open.last().code += e.text();
                continue;
            }
            if (e.tagName() != QLatin1String("w:fldChar"))
                continue;
            const QString type = e.attribute("w:fldCharType");
            if (type == QLatin1String("begin")) {
                open.append(Field{e, QDomElement(), QDomElement(), QString()});
            } else if (type == QLatin1String("separate") && !open.isEmpty()) {
                open.last().separate = e;
            } else if (type == QLatin1String("end") && !open.isEmpty()) {
                Field field = open.takeLast();
                field.end = e;
                if (open.isEmpty()) // nested fields are refreshed with theirs
                    found.append(field);
            }
        }
    }
    return found;
}

void WdDocument::updateFields()
{
    const bool layout = WdLayoutEngine::IsAvailable();
    m_contents.clear();
    m_contentsFields.clear();
    bool refresh = false;
    for (const Field &field : fields()) {
        if (layout && field.code.trimmed().startsWith(QLatin1String("TOC")) &&
            prepareContents(field))
            continue;
        QDomElement begin = field.begin;
        begin.setAttribute("w:dirty", "true");
        refresh = true;
    }
    for (QDomElement field : Descendants(body(), "w:fldSimple")) {
        field.setAttribute("w:dirty", "true");
        refresh = true;
    }
    // w:updateFields has the word processor refresh every field on opening, after asking
    // the user: only asked for when a field here is left for it.
    if (refresh)
        m_fieldsDirty = true;
}

bool WdDocument::prepareContents(const Field &field)
{
    const ContentsSwitches switches = ReadSwitches(field.code);
    // Without page numbers (\n) there is nothing to lay out.
    if (field.separate.isNull() || !switches.pageNumbers)
        return false;
    const QDomElement separateRun = field.separate.parentNode().toElement();
    const QDomElement endRun = field.end.parentNode().toElement();
    const QDomElement first = separateRun.parentNode().toElement();
    if (!ResultInSiblingParagraphs(first, endRun.parentNode().toElement()))
        return false;
    const StyleLevels styles(m_parts.value(QStringLiteral("word/styles.xml")));
    const QList<Heading> headings = FindHeadings(body(), styles, switches);
    if (headings.isEmpty())
        return false;
    const QStringList anchors = AnchorHeadings(m_document, body(), headings);

    const QList<QDomNode> tail = RemoveResult(separateRun, endRun);
    invalidate();
    if (m_selection == SelectionKind::Point && m_point.parentNode().isNull())
        m_selection = SelectionKind::None;

    const QString width = QString::number(textWidth(first));
    const QString placeholder = QString::number(estimatePages());
    QDomElement paragraph = first;
    for (int i = 0; i < headings.size(); ++i) {
        if (i > 0)
            paragraph = paragraph.parentNode()
                            .insertAfter(m_document.createElement("w:p"), paragraph)
                            .toElement();
        FormatEntry(paragraph, styles.contentsStyle(headings.at(i).level), width);
        QDomElement holder = paragraph;
        if (switches.links) {
            holder = paragraph.appendChild(m_document.createElement("w:hyperlink")).toElement();
            holder.setAttribute("w:anchor", anchors.at(i));
            holder.setAttribute("w:history", "1");
        }
        const QDomElement number =
            AppendEntryRuns(holder, headings.at(i).text, anchors.at(i), placeholder);
        m_contents.append(ContentsEntry{headings.at(i).text, number});
    }
    for (const QDomNode &n : tail)
        paragraph.appendChild(n);
    QDomElement begin = field.begin;
    begin.removeAttribute("w:dirty");
    m_contentsFields.append(begin);
    return true;
}

int WdDocument::textWidth(const QDomElement &paragraph) const
{
    QDomElement sect;
    for (QDomElement e = bodyChild(paragraph); !e.isNull() && sect.isNull();
         e = e.nextSiblingElement()) {
        if (e.tagName() == QLatin1String("w:sectPr"))
            sect = e;
        else if (e.tagName() == QLatin1String("w:p"))
            sect = FirstChild(FirstChild(e, "w:pPr"), "w:sectPr");
    }
    const QDomElement size = FirstChild(sect, "w:pgSz");
    const QDomElement margin = FirstChild(sect, "w:pgMar");
    return size.attribute("w:w", "11906").toInt() - margin.attribute("w:left", "1440").toInt() -
           margin.attribute("w:right", "1440").toInt();
}

bool WdDocument::layOut(WdPdfReader::Layout *layout)
{
    // The copy is saved with the entries still unnumbered; it must not be laid out itself.
    QList<ContentsEntry> waiting;
    waiting.swap(m_contents);
    QTemporaryDir work;
    QString error;
    const QString copy = work.filePath(QStringLiteral("layout.docx"));
    m_layoutCopy = true;
    bool ok = save(copy, &error);
    m_layoutCopy = false;
    if (!ok)
        TQ_LOG << "cannot save the document for its layout:" << error;
    ok = ok && WdLayoutEngine::LayOut(copy, layout);
    m_contents.swap(waiting);
    numberContents(ok ? layout : nullptr);
    return ok;
}

void WdDocument::numberContents(const WdPdfReader::Layout *layout)
{
    if (m_contents.isEmpty())
        return;
    bool complete = layout != nullptr;
    int next = 0;
    for (const ContentsEntry &entry : qAsConst(m_contents)) {
        QString page;
        const QString key = Key(entry.text);
        for (int j = next; layout && j < layout->headings.size(); ++j) {
            const WdPdfReader::Heading &heading = layout->headings.at(j);
            if (heading.page > 0 && SameHeading(Key(heading.title), key)) {
                page = QString::number(heading.page);
                next = j + 1;
                break;
            }
        }
        if (page.isEmpty()) {
            complete = false;
            if (layout)
                TQ_LOG << "contents: no page found for" << entry.text;
        }
        SetText(entry.number, page);
    }
    // What the layout could not number is left to the word processor.
    if (!complete) {
        for (QDomElement begin : qAsConst(m_contentsFields))
            begin.setAttribute("w:dirty", "true");
        m_fieldsDirty = true;
    }
    m_contents.clear();
    m_contentsFields.clear();
}
