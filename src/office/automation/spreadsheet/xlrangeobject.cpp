#include "office/automation/spreadsheet/xlrangeobject.h"

#include <algorithm>

#include "office/automation/spreadsheet/xlworksheetobject.h"

namespace {

bool OneOf(int value, std::initializer_list<int> allowed)
{
    return std::find(allowed.begin(), allowed.end(), value) != allowed.end();
}

AxResult CannotSet(const AxCall &call)
{
    return AxResult::failed(QStringLiteral("%1 cannot take the value %2")
                                .arg(QString::fromLatin1(call.member()), call.arg(0).toString()));
}

// The object model's Color values are blue-green-red.
int ToBgr(quint32 rgb, quint32 automatic)
{
    if (rgb == XlAutoColor)
        rgb = automatic;
    return int((rgb & 0xFF) << 16 | (rgb & 0xFF00) | (rgb >> 16 & 0xFF));
}

} // namespace

const XlStyle &XlRangeObject::topLeftStyle() const
{
    const XlCell *cell = m_sheet->cellAt(m_rect.row1, m_rect.col1);
    return m_sheet->styles().style(cell ? cell->style : 0);
}

AxResult XlRangeObject::invoke(const AxCall &call)
{
    if (call.is("Value") || call.is("Value2")) {
        if (call.kind() == AxCall::Put) {
            m_sheet->enterValues(m_rect, call.arg(0));
            return AxResult::ok();
        }
        const bool dates = call.is("Value");
        if (m_rect.isSingleCell())
            return AxResult::ok(m_sheet->value(m_rect.row1, m_rect.col1, dates));
        QVariantList rows;
        for (int r = m_rect.row1; r <= m_rect.row2; ++r) {
            QVariantList row;
            for (int c = m_rect.col1; c <= m_rect.col2; ++c)
                row << m_sheet->value(r, c, dates);
            rows << QVariant(row);
        }
        return AxResult::ok(rows);
    }
    if (call.is("NumberFormat") || call.is("NumberFormatLocal") || call.is("HorizontalAlignment") ||
        call.is("VerticalAlignment") || call.is("WrapText"))
        return putStyle(call);
    if (call.is("MergeCells")) {
        if (call.kind() == AxCall::Get) {
            const auto &merges = m_sheet->merges();
            return AxResult::ok(std::any_of(merges.begin(), merges.end(), [this](const XlRect &m) {
                return m.contains(m_rect.row1, m_rect.col1);
            }));
        }
        if (call.arg(0).toBool())
            m_sheet->merge(m_rect);
        else
            m_sheet->unmerge(m_rect);
        return AxResult::ok();
    }
    if (call.is("ColumnWidth")) {
        if (call.kind() == AxCall::Get) {
            const double width = m_sheet->columnWidth(m_rect.col1);
            return AxResult::ok(width < 0 ? 8.43 : width);
        }
        return XlColumnsObject(m_sheet, m_rect.col1, m_rect.col2).invoke(call);
    }
    if (call.kind() == AxCall::Put)
        return AxResult::unknownMember();
    if (call.is("Merge")) {
        if (call.arg(0).toBool()) { // Across: one merge per row
            for (int r = m_rect.row1; r <= m_rect.row2; ++r)
                m_sheet->merge({r, m_rect.col1, r, m_rect.col2});
        } else {
            m_sheet->merge(m_rect);
        }
        return AxResult::ok();
    }
    if (call.is("UnMerge")) {
        m_sheet->unmerge(m_rect);
        return AxResult::ok();
    }
    if (call.is("ClearContents")) {
        m_sheet->clearValues(m_rect);
        return AxResult::ok();
    }
    if (call.is("Address")) {
        auto absolute = [](int row, int col) {
            return QStringLiteral("$%1$%2").arg(XlCellRef::columnName(col)).arg(row + 1);
        };
        QString text = absolute(m_rect.row1, m_rect.col1);
        if (!m_rect.isSingleCell())
            text += QLatin1Char(':') + absolute(m_rect.row2, m_rect.col2);
        return AxResult::ok(text);
    }
    if (call.is("Select") || call.is("Activate")) {
        m_sheet->setAddressed(m_rect.row1, m_rect.col1);
        return AxResult::ok(true);
    }
    if (call.is("Font"))
        return AxResult::object(std::make_shared<XlFontObject>(m_sheet, m_rect));
    if (call.is("Interior"))
        return AxResult::object(std::make_shared<XlInteriorObject>(m_sheet, m_rect));
    if (call.is("Borders")) {
        if (call.argCount() > 0) // Borders(index) is Borders.Item(index)
            return XlBordersObject(m_sheet, m_rect)
                .invoke(AxCall(AxCall::Get, "Item", call.args()));
        return AxResult::object(std::make_shared<XlBordersObject>(m_sheet, m_rect));
    }
    if (call.is("Columns"))
        return AxResult::object(
            std::make_shared<XlColumnsObject>(m_sheet, m_rect.col1, m_rect.col2));
    return AxResult::unknownMember();
}

AxResult XlRangeObject::putStyle(const AxCall &call)
{
    const XlStyle &current = topLeftStyle();
    const bool isFormat = call.is("NumberFormat") || call.is("NumberFormatLocal");
    if (call.kind() == AxCall::Get) {
        if (isFormat)
            return AxResult::ok(m_sheet->styles().format(current.numberFormat));
        if (call.is("WrapText"))
            return AxResult::ok(current.wrap);
        return AxResult::ok(call.is("HorizontalAlignment") ? current.horizontal : current.vertical);
    }
    if (isFormat) {
        const quint16 id = m_sheet->styles().formatId(call.arg(0).toString());
        m_sheet->restyle(m_rect, [id](XlStyle &s) { s.numberFormat = id; });
        return AxResult::ok();
    }
    if (call.is("WrapText")) {
        const bool wrap = call.arg(0).toBool();
        m_sheet->restyle(m_rect, [wrap](XlStyle &s) { s.wrap = wrap; });
        return AxResult::ok();
    }
    int value = 0;
    if (call.is("HorizontalAlignment")) {
        if (!Ax::AxIntArgument(call.arg(0), &value) ||
            !OneOf(value,
                   {XlConst::General, XlConst::Left, XlConst::Center, XlConst::Right, XlConst::Fill,
                    XlConst::Justify, XlConst::CenterAcrossSelection, XlConst::Distributed}))
            return CannotSet(call);
        m_sheet->restyle(m_rect, [value](XlStyle &s) { s.horizontal = qint16(value); });
        return AxResult::ok();
    }
    if (!Ax::AxIntArgument(call.arg(0), &value) ||
        !OneOf(value, {XlConst::Top, XlConst::Center, XlConst::Bottom, XlConst::Justify,
                       XlConst::Distributed}))
        return CannotSet(call);
    m_sheet->restyle(m_rect, [value](XlStyle &s) { s.vertical = qint16(value); });
    return AxResult::ok();
}

AxResult XlFontObject::invoke(const AxCall &call)
{
    if (!call.is("Bold"))
        return AxResult::unknownMember();
    if (call.kind() == AxCall::Get) {
        const XlCell *cell = m_sheet->cellAt(m_rect.row1, m_rect.col1);
        return AxResult::ok(m_sheet->styles().style(cell ? cell->style : 0).bold);
    }
    const bool bold = call.arg(0).toBool();
    m_sheet->restyle(m_rect, [bold](XlStyle &s) { s.bold = bold; });
    return AxResult::ok();
}

AxResult XlInteriorObject::invoke(const AxCall &call)
{
    if (call.kind() == AxCall::Get) {
        const XlCell *cell = m_sheet->cellAt(m_rect.row1, m_rect.col1);
        const XlStyle &style = m_sheet->styles().style(cell ? cell->style : 0);
        if (call.is("Color"))
            return AxResult::ok(ToBgr(style.fillColor, 0xFFFFFF));
        if (call.is("Pattern"))
            return AxResult::ok(style.pattern);
        return AxResult::unknownMember();
    }
    int value = 0;
    if (call.is("PatternColorIndex") || call.is("TintAndShade") || call.is("PatternTintAndShade") ||
        call.is("PatternColor")) {
        bool ok = false;
        call.arg(0).toDouble(&ok);
        return ok ? AxResult::ok() : CannotSet(call);
    }
    if (!Ax::AxIntArgument(call.arg(0), &value))
        return CannotSet(call);
    if (call.is("Pattern")) {
        if (value != XlConst::Solid && value != XlConst::PatternNone)
            return AxResult::failed(QStringLiteral("only solid fills and no fill are supported"));
        m_sheet->restyle(m_rect, [value](XlStyle &s) { s.pattern = qint16(value); });
        return AxResult::ok();
    }
    qint64 color = -1;
    if (call.is("Color"))
        color = value == XlConst::PatternNone ? -2 : Xl::XlColorFromBgr(value);
    else if (call.is("ColorIndex"))
        color = value == XlConst::PatternNone ? -2 : Xl::XlColorFromIndex(value);
    else
        return AxResult::unknownMember();
    if (color == -1)
        return CannotSet(call);
    m_sheet->restyle(m_rect, [color](XlStyle &s) {
        s.pattern = qint16(color == -2 ? XlConst::PatternNone : XlConst::Solid);
        s.fillColor = color == -2 ? XlAutoColor : quint32(color);
    });
    return AxResult::ok();
}

AxResult XlBordersObject::invoke(const AxCall &call)
{
    if (call.isGet("Item")) {
        int edge = 0;
        if (!Ax::AxIntArgument(call.arg(0), &edge) || edge < XlConst::DiagonalDown ||
            edge > XlConst::InsideHorizontal)
            return AxResult::failed(QStringLiteral("no border %1").arg(call.arg(0).toString()));
        if (edge == XlConst::DiagonalDown || edge == XlConst::DiagonalUp)
            return AxResult::failed(QStringLiteral("diagonal borders are not supported"));
        return AxResult::object(std::make_shared<XlBorderObject>(m_sheet, m_rect, edge));
    }
    if (call.kind() == AxCall::Put &&
        (call.is("LineStyle") || call.is("Weight") || call.is("Color") || call.is("ColorIndex") ||
         call.is("TintAndShade"))) {
        for (int edge = XlConst::EdgeLeft; edge <= XlConst::InsideHorizontal; ++edge) {
            const AxResult result = XlBorderObject(m_sheet, m_rect, edge).invoke(call);
            if (!result.isOk())
                return result;
        }
        return AxResult::ok();
    }
    return AxResult::unknownMember();
}

void XlBorderObject::apply(const std::function<void(XlBorderLine &)> &change)
{
    const XlRect &r = m_rect;
    auto side = [&](const XlRect &cells, XlSide which) {
        m_sheet->restyle(cells, [&](XlStyle &s) { change(s.border[which]); });
    };
    switch (m_edge) {
    case XlConst::EdgeLeft:
        side({r.row1, r.col1, r.row2, r.col1}, XlLeft);
        break;
    case XlConst::EdgeTop:
        side({r.row1, r.col1, r.row1, r.col2}, XlTop);
        break;
    case XlConst::EdgeBottom:
        side({r.row2, r.col1, r.row2, r.col2}, XlBottom);
        break;
    case XlConst::EdgeRight:
        side({r.row1, r.col2, r.row2, r.col2}, XlRight);
        break;
    case XlConst::InsideVertical:
        if (r.col2 > r.col1) {
            side({r.row1, r.col1, r.row2, r.col2 - 1}, XlRight);
            side({r.row1, r.col1 + 1, r.row2, r.col2}, XlLeft);
        }
        break;
    case XlConst::InsideHorizontal:
        if (r.row2 > r.row1) {
            side({r.row1, r.col1, r.row2 - 1, r.col2}, XlBottom);
            side({r.row1 + 1, r.col1, r.row2, r.col2}, XlTop);
        }
        break;
    }
}

AxResult XlBorderObject::invoke(const AxCall &call)
{
    if (call.kind() == AxCall::Get) {
        const XlCell *cell = m_sheet->cellAt(m_rect.row1, m_rect.col1);
        const XlStyle &style = m_sheet->styles().style(cell ? cell->style : 0);
        const XlSide which = m_edge == XlConst::EdgeLeft  ? XlLeft
                             : m_edge == XlConst::EdgeTop ? XlTop
                             : m_edge == XlConst::EdgeBottom || m_edge == XlConst::InsideHorizontal
                                 ? XlBottom
                                 : XlRight;
        const XlBorderLine &line = style.border[which];
        if (call.is("LineStyle"))
            return AxResult::ok(line.lineStyle);
        if (call.is("Weight"))
            return AxResult::ok(line.weight);
        if (call.is("Color"))
            return AxResult::ok(ToBgr(line.color, 0));
        return AxResult::unknownMember();
    }
    if (call.is("TintAndShade")) {
        bool ok = false;
        call.arg(0).toDouble(&ok);
        return ok ? AxResult::ok() : CannotSet(call);
    }
    int value = 0;
    if (!Ax::AxIntArgument(call.arg(0), &value))
        return call.is("LineStyle") || call.is("Weight") || call.is("Color") ||
                       call.is("ColorIndex")
                   ? CannotSet(call)
                   : AxResult::unknownMember();
    if (call.is("LineStyle")) {
        if (!OneOf(value,
                   {XlConst::Continuous, XlConst::Dash, XlConst::DashDot, XlConst::DashDotDot,
                    XlConst::Dot, XlConst::Double, XlConst::SlantDashDot, XlConst::LineStyleNone}))
            return CannotSet(call);
        apply([value](XlBorderLine &l) { l.lineStyle = qint16(value); });
        return AxResult::ok();
    }
    if (call.is("Weight")) {
        if (!OneOf(value, {XlConst::Hairline, XlConst::Thin, XlConst::Medium, XlConst::Thick}))
            return CannotSet(call);
        apply([value](XlBorderLine &l) {
            l.weight = qint16(value);
            if (l.lineStyle == XlConst::LineStyleNone) // a weight draws the line
                l.lineStyle = XlConst::Continuous;
        });
        return AxResult::ok();
    }
    qint64 color = -1;
    if (call.is("Color"))
        color = Xl::XlColorFromBgr(value);
    else if (call.is("ColorIndex"))
        color = value == XlConst::PatternNone ? -2 : Xl::XlColorFromIndex(value);
    else
        return AxResult::unknownMember();
    if (color == -1)
        return CannotSet(call);
    apply([color](XlBorderLine &l) {
        if (color == -2) {
            l.lineStyle = XlConst::LineStyleNone;
            return;
        }
        l.color = quint32(color);
        if (l.lineStyle == XlConst::LineStyleNone) // a colour draws the line
            l.lineStyle = XlConst::Continuous;
    });
    return AxResult::ok();
}
