#pragma once

#include <functional>
#include <memory>

#include "office/automation/axdispatch.h"
#include "office/automation/spreadsheet/xlcellref.h"
#include "office/automation/spreadsheet/xlsheet.h"

// A rectangle of a sheet: Value / Value2 (read and write), Merge([Across]), UnMerge,
// MergeCells, NumberFormat / NumberFormatLocal, HorizontalAlignment, VerticalAlignment,
// WrapText, ColumnWidth, ClearContents, Address, Font, Interior, Borders, Columns.
// Properties read back the top-left cell.
class XlRangeObject : public AxDispatch
{
public:
    XlRangeObject(std::shared_ptr<XlSheet> sheet, const XlRect &rect)
        : m_sheet(std::move(sheet))
        , m_rect(rect)
    {}

    QString typeName() const override { return QStringLiteral("Range"); }
    AxResult invoke(const AxCall &call) override;

private:
    AxResult putStyle(const AxCall &call);
    const XlStyle &topLeftStyle() const;

    std::shared_ptr<XlSheet> m_sheet;
    XlRect m_rect;
};

// Range.Font: Bold.
class XlFontObject : public AxDispatch
{
public:
    XlFontObject(std::shared_ptr<XlSheet> sheet, const XlRect &rect)
        : m_sheet(std::move(sheet))
        , m_rect(rect)
    {}

    QString typeName() const override { return QStringLiteral("Font"); }
    AxResult invoke(const AxCall &call) override;

private:
    std::shared_ptr<XlSheet> m_sheet;
    XlRect m_rect;
};

// Range.Interior: Pattern, Color, ColorIndex; PatternColorIndex, TintAndShade and
// PatternTintAndShade are accepted and have no effect on a solid fill.
class XlInteriorObject : public AxDispatch
{
public:
    XlInteriorObject(std::shared_ptr<XlSheet> sheet, const XlRect &rect)
        : m_sheet(std::move(sheet))
        , m_rect(rect)
    {}

    QString typeName() const override { return QStringLiteral("Interior"); }
    AxResult invoke(const AxCall &call) override;

private:
    std::shared_ptr<XlSheet> m_sheet;
    XlRect m_rect;
};

// Range.Borders: Item(index) for the edges 7-12; LineStyle, Weight, Color and ColorIndex
// set on the collection apply to all six.
class XlBordersObject : public AxDispatch
{
public:
    XlBordersObject(std::shared_ptr<XlSheet> sheet, const XlRect &rect)
        : m_sheet(std::move(sheet))
        , m_rect(rect)
    {}

    QString typeName() const override { return QStringLiteral("Borders"); }
    AxResult invoke(const AxCall &call) override;

private:
    std::shared_ptr<XlSheet> m_sheet;
    XlRect m_rect;
};

// One border of a range (xlEdgeLeft ... xlInsideHorizontal): LineStyle, Weight, Color,
// ColorIndex; TintAndShade is accepted. The inside borders are the edges between the
// range's cells.
class XlBorderObject : public AxDispatch
{
public:
    XlBorderObject(std::shared_ptr<XlSheet> sheet, const XlRect &rect, int edge)
        : m_sheet(std::move(sheet))
        , m_rect(rect)
        , m_edge(edge)
    {}

    QString typeName() const override { return QStringLiteral("Border"); }
    AxResult invoke(const AxCall &call) override;

private:
    void apply(const std::function<void(XlBorderLine &)> &change);

    std::shared_ptr<XlSheet> m_sheet;
    XlRect m_rect;
    int m_edge;
};
