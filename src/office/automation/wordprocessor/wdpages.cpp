// WdDocument: the page count by estimate, for machines without a layout engine.
#include "office/automation/wordprocessor/wddocument.h"

#include <cmath>

#include "office/automation/wordprocessor/wdlayoutengine.h"
#include "office/automation/wordprocessor/wdxml.h"

using namespace WdXml;

namespace {

constexpr double kLine = 15.6; // points per line of 10.5 pt text
constexpr double kLatin = 5.5; // average advance of a Latin character
constexpr double kWide = 10.5; // advance of a CJK character

struct Pager
{
    double pageHeight;
    double used = 0;
    int pages = 1;

    void add(double height)
    {
        if (used > 0 && used + height > pageHeight) {
            ++pages;
            used = 0;
        }
        used += height;
        while (used > pageHeight) {
            ++pages;
            used -= pageHeight;
        }
    }
    void breakPage()
    {
        ++pages;
        used = 0;
    }
};

double TextHeight(const QString &text, double width)
{
    double advance = 0;
    for (const QChar c : text)
        advance += c.unicode() >= 0x2E80 ? kWide : kLatin;
    return qMax(1.0, std::ceil(advance / qMax(width, 20.0))) * kLine;
}

double PictureHeight(const QDomElement &element)
{
    double height = 0;
    for (const QDomElement &extent : Descendants(element, "wp:extent"))
        height = qMax(height, extent.attribute("cy").toDouble() / 12700.0);
    return height;
}

double ParagraphHeight(const QDomElement &paragraph, double width)
{
    return qMax(TextHeight(PlainText(paragraph), width), PictureHeight(paragraph) + 4);
}

bool BreaksBefore(const QDomElement &paragraph)
{
    return !FirstChild(FirstChild(paragraph, "w:pPr"), "w:pageBreakBefore").isNull();
}

int PageBreaks(const QDomElement &paragraph)
{
    int breaks = 0;
    for (const QDomElement &br : Descendants(paragraph, "w:br"))
        breaks += br.attribute("w:type") == QLatin1String("page");
    return breaks;
}

} // namespace

int WdDocument::countPages()
{
    WdPdfReader::Layout layout;
    if (WdLayoutEngine::IsAvailable() && layOut(&layout))
        return layout.pages;
    return estimatePages();
}

int WdDocument::estimatePages() const
{
    const QDomElement sect = FirstChild(body(), "w:sectPr");
    const QDomElement size = FirstChild(sect, "w:pgSz");
    const QDomElement margin = FirstChild(sect, "w:pgMar");
    const double pageW = size.attribute("w:w", "11906").toDouble() / 20;
    const double pageH = size.attribute("w:h", "16838").toDouble() / 20;
    const double width = pageW - (margin.attribute("w:left", "1440").toDouble() +
                                  margin.attribute("w:right", "1440").toDouble()) /
                                     20;
    Pager pager{pageH - (margin.attribute("w:top", "1440").toDouble() +
                         margin.attribute("w:bottom", "1440").toDouble()) /
                            20};
    for (QDomElement e = body().firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (e.tagName() == QLatin1String("w:p")) {
            if (BreaksBefore(e))
                pager.breakPage();
            const int breaks = PageBreaks(e);
            for (int i = 0; i < breaks; ++i)
                pager.breakPage();
            pager.add(ParagraphHeight(e, width));
            if (!FirstChild(FirstChild(e, "w:pPr"), "w:sectPr").isNull())
                pager.breakPage();
        } else if (e.tagName() == QLatin1String("w:tbl")) {
            for (const QDomElement &tr : Children(e, "w:tr")) {
                const QList<QDomElement> cells = Children(tr, "w:tc");
                const double cellWidth = width / qMax(1, cells.size()) - 10;
                double height = FirstChild(FirstChild(tr, "w:trPr"), "w:trHeight")
                                    .attribute("w:val")
                                    .toDouble() /
                                20;
                for (const QDomElement &tc : cells) {
                    double content = 0;
                    for (const QDomElement &p : Children(tc, "w:p"))
                        content += ParagraphHeight(p, cellWidth);
                    height = qMax(height, content + 2);
                }
                pager.add(height);
            }
        }
    }
    return pager.pages;
}
