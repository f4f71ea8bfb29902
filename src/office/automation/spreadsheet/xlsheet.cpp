#include "office/automation/spreadsheet/xlsheet.h"

#include <algorithm>

#include <QDateTime>

#include "office/automation/spreadsheet/xlcellvalue.h"

namespace {

constexpr quint32 kNone = 0xFFFFFFFFu;
constexpr int kMaxText = 32767; // the most a cell holds

bool IsArray(const QVariant &value)
{
    const int type = value.userType();
    return type == QMetaType::QVariantList || type == QMetaType::QStringList;
}

// Enters values into empty cells, remembering per style what a text or a date does to it.
class ValueWriter
{
public:
    explicit ValueWriter(XlStyleTable &styles)
        : m_styles(styles)
    {}

    template <typename StoreText>
    void enter(XlCell &cell, const QVariant &value, StoreText storeText)
    {
        switch (value.userType()) {
        case QMetaType::QString: {
            const QString &text = *static_cast<const QString *>(value.constData());
            double number = 0;
            const XlCellValue::InputKind kind = isTextFormat(cell.style)
                                                    ? XlCellValue::Text
                                                    : XlCellValue::parseInput(text, &number);
            if (kind == XlCellValue::Text)
                storeText(cell, text);
            else
                setNumber(cell, number, kind);
            break;
        }
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Double:
        case QMetaType::Float:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::Char:
        case QMetaType::SChar:
        case QMetaType::UChar:
            setNumber(cell, value.toDouble(), XlCellValue::Number);
            break;
        case QMetaType::Bool:
            cell.type = XlCell::Boolean;
            cell.number = value.toBool() ? 1 : 0;
            break;
        case QMetaType::QDate:
            setNumber(cell, XlCellValue::dateSerial(value.toDate()), XlCellValue::Date);
            break;
        case QMetaType::QDateTime: {
            const QDateTime dt = value.toDateTime();
            if (dt.isValid())
                setNumber(cell, XlCellValue::dateSerial(dt.date(), dt.time()),
                          XlCellValue::DateTime);
            else
                storeText(cell, QString());
            break;
        }
        case QMetaType::QTime:
            setNumber(cell, value.toTime().msecsSinceStartOfDay() / 86400000.0, kTime);
            break;
        case QMetaType::UnknownType:
            storeText(cell, QString());
            break;
        default:
            storeText(cell, value.toString());
            break;
        }
    }

private:
    static constexpr int kTime = 99;

    bool isTextFormat(quint32 style)
    {
        if (style >= m_isText.size())
            m_isText.resize(style + 1, -1);
        qint8 &known = m_isText[style];
        if (known < 0)
            known =
                m_styles.formatKind(m_styles.style(style).numberFormat) == XlStyleTable::TextFormat;
        return known;
    }

    void setNumber(XlCell &cell, double number, int kind)
    {
        cell.type = XlCell::Number;
        cell.number = number;
        if (kind == XlCellValue::Number)
            return;
        std::vector<quint32> &memo = kind == XlCellValue::Date       ? m_dateStyle
                                     : kind == XlCellValue::DateTime ? m_dateTimeStyle
                                                                     : m_timeStyle;
        if (cell.style >= memo.size())
            memo.resize(cell.style + 1, kNone);
        quint32 &target = memo[cell.style];
        if (target == kNone) {
            XlStyle style = m_styles.style(cell.style);
            if (style.numberFormat == 0) {
                style.numberFormat = m_styles.formatId(
                    kind == XlCellValue::Date       ? QStringLiteral("yyyy-mm-dd")
                    : kind == XlCellValue::DateTime ? QStringLiteral("yyyy-mm-dd hh:mm:ss")
                                                    : QStringLiteral("hh:mm:ss"));
            }
            target = m_styles.intern(style);
        }
        cell.style = target;
    }

    XlStyleTable &m_styles;
    std::vector<qint8> m_isText;
    std::vector<quint32> m_dateStyle;
    std::vector<quint32> m_dateTimeStyle;
    std::vector<quint32> m_timeStyle;
};

} // namespace

XlSheet::XlSheet(const QString &name, std::shared_ptr<XlStyleTable> styles)
    : m_name(name)
    , m_styles(std::move(styles))
{}

const XlCell *XlSheet::cellAt(int row, int col) const
{
    if (row < 0 || row >= rowCount() || col < 0)
        return nullptr;
    const std::vector<XlCell> &cells = m_rows[size_t(row)];
    return size_t(col) < cells.size() ? &cells[size_t(col)] : nullptr;
}

std::vector<XlCell> &XlSheet::rowFor(int row, int lastCol)
{
    if (size_t(row) >= m_rows.size())
        m_rows.resize(size_t(row) + 1);
    std::vector<XlCell> &cells = m_rows[size_t(row)];
    if (size_t(lastCol) >= cells.size())
        cells.resize(size_t(lastCol) + 1);
    return cells;
}

XlCell &XlSheet::cell(int row, int col)
{
    return rowFor(row, col)[size_t(col)];
}

void XlSheet::clearCell(XlCell &cell)
{
    if (cell.type == XlCell::Text) {
        m_texts[cell.text].clear();
        m_freeTexts.push_back(cell.text);
    }
    cell.type = XlCell::Empty;
}

void XlSheet::storeText(XlCell &cell, const QString &text)
{
    if (text.isEmpty()) {
        clearCell(cell);
        return;
    }
    const QString &kept = text.size() > kMaxText ? text.left(kMaxText) : text;
    if (cell.type != XlCell::Text) {
        if (m_freeTexts.empty()) {
            cell.text = quint32(m_texts.size());
            m_texts.push_back(kept);
        } else {
            cell.text = m_freeTexts.back();
            m_freeTexts.pop_back();
            m_texts[cell.text] = kept;
        }
        cell.type = XlCell::Text;
    } else {
        m_texts[cell.text] = kept;
    }
    // A line break in a value wraps the cell, as typing one does.
    if (kept.contains(QLatin1Char('\n')) && !styles().style(cell.style).wrap) {
        XlStyle style = styles().style(cell.style);
        style.wrap = true;
        cell.style = styles().intern(style);
    }
}

void XlSheet::setText(int row, int col, const QString &text)
{
    storeText(cell(row, col), text);
}

void XlSheet::setNumber(int row, int col, double number)
{
    XlCell &c = cell(row, col);
    clearCell(c);
    c.type = XlCell::Number;
    c.number = number;
}

void XlSheet::setBoolean(int row, int col, bool value)
{
    XlCell &c = cell(row, col);
    clearCell(c);
    c.type = XlCell::Boolean;
    c.number = value ? 1 : 0;
}

void XlSheet::enterValue(int row, int col, const QVariant &value)
{
    enterValues({row, col, row, col}, value);
}

void XlSheet::enterValues(const XlRect &rect, const QVariant &value)
{
    ValueWriter writer(styles());
    auto store = [this](XlCell &cell, const QString &text) { storeText(cell, text); };
    auto enter = [&](XlCell &cell, const QVariant &v) {
        if (cell.type == XlCell::Text)
            clearCell(cell); // frees its text slot; a new text takes it again
        writer.enter(cell, v, store);
    };
    if (!IsArray(value)) {
        for (int r = rect.row1; r <= rect.row2; ++r) {
            std::vector<XlCell> &cells = rowFor(r, rect.col2);
            for (int c = rect.col1; c <= rect.col2; ++c)
                enter(cells[size_t(c)], value);
        }
        return;
    }
    const QVariantList rows = value.toList();
    const bool nested = !rows.isEmpty() && IsArray(rows.first());
    const QVariant empty;
    QVariantList rowValues = nested ? QVariantList() : rows;
    for (int r = rect.row1; r <= rect.row2; ++r) {
        const int i = r - rect.row1;
        if (nested)
            rowValues = i < rows.size() ? rows.at(i).toList() : QVariantList();
        std::vector<XlCell> &cells = rowFor(r, rect.col2);
        for (int c = rect.col1; c <= rect.col2; ++c) {
            const int j = c - rect.col1;
            enter(cells[size_t(c)], j < rowValues.size() ? rowValues.at(j) : empty);
        }
    }
}

QVariant XlSheet::value(int row, int col, bool dates) const
{
    const XlCell *c = cellAt(row, col);
    if (!c)
        return QVariant();
    switch (c->type) {
    case XlCell::Text:
        return text(*c);
    case XlCell::Boolean:
        return c->number != 0;
    case XlCell::Number:
        if (dates &&
            styles().formatKind(styles().style(c->style).numberFormat) == XlStyleTable::DateFormat)
            return XlCellValue::dateTimeFromSerial(c->number);
        return c->number;
    case XlCell::Empty:
        break;
    }
    return QVariant();
}

void XlSheet::clearValues(const XlRect &rect)
{
    for (int r = rect.row1; r <= std::min(rect.row2, rowCount() - 1); ++r) {
        std::vector<XlCell> &cells = m_rows[size_t(r)];
        for (int c = rect.col1; c <= rect.col2 && size_t(c) < cells.size(); ++c)
            clearCell(cells[size_t(c)]);
    }
}

void XlSheet::restyle(const XlRect &rect, const std::function<void(XlStyle &)> &change)
{
    std::vector<quint32> memo(styles().count(), kNone);
    quint32 lastOld = kNone;
    quint32 lastNew = 0;
    for (int r = rect.row1; r <= rect.row2; ++r) {
        std::vector<XlCell> &cells = rowFor(r, rect.col2);
        for (int c = rect.col1; c <= rect.col2; ++c) {
            XlCell &cell = cells[size_t(c)];
            if (cell.style != lastOld) {
                lastOld = cell.style;
                if (lastOld >= memo.size())
                    memo.resize(lastOld + 1, kNone);
                if (memo[lastOld] == kNone) {
                    XlStyle style = styles().style(lastOld);
                    change(style);
                    memo[lastOld] = styles().intern(style);
                }
                lastNew = memo[lastOld];
            }
            cell.style = lastNew;
        }
    }
}

void XlSheet::merge(const XlRect &rect)
{
    if (rect.isSingleCell())
        return;
    XlRect area = rect;
    for (bool grown = true; grown;) {
        grown = false;
        for (int i = 0; i < m_merges.size(); ++i) {
            if (m_merges.at(i).intersects(area)) {
                area = area.united(m_merges.at(i));
                m_merges.remove(i);
                grown = true;
                break;
            }
        }
    }
    const XlCell *topLeft = cellAt(area.row1, area.col1);
    const QVariant kept = topLeft ? value(area.row1, area.col1, false) : QVariant();
    const quint32 keptStyle = topLeft ? topLeft->style : 0;
    clearValues(area);
    if (kept.isValid()) {
        XlCell &c = cell(area.row1, area.col1);
        if (kept.userType() == QMetaType::QString)
            storeText(c, kept.toString());
        else if (kept.userType() == QMetaType::Bool)
            setBoolean(area.row1, area.col1, kept.toBool());
        else
            setNumber(area.row1, area.col1, kept.toDouble());
        c.style = keptStyle;
    }
    m_merges << area;
}

void XlSheet::unmerge(const XlRect &rect)
{
    for (int i = m_merges.size() - 1; i >= 0; --i) {
        if (m_merges.at(i).intersects(rect))
            m_merges.remove(i);
    }
}

bool XlSheet::isMerged(int row, int col) const
{
    for (const XlRect &m : m_merges) {
        if (m.contains(row, col))
            return true;
    }
    return false;
}

double XlSheet::columnWidth(int col) const
{
    return col >= 0 && size_t(col) < m_widths.size() ? m_widths[size_t(col)] : -1;
}

void XlSheet::setColumnWidth(int col, double width)
{
    if (col < 0 || col >= XlCellRef::MaxColumns)
        return;
    if (size_t(col) >= m_widths.size()) {
        if (width < 0)
            return;
        m_widths.resize(size_t(col) + 1, -1);
    }
    m_widths[size_t(col)] = width < 0 ? -1 : std::min(width, 255.0);
}

void XlSheet::autoFit(int col1, int col2)
{
    int used = 0;
    for (const std::vector<XlCell> &cells : m_rows)
        used = std::max(used, int(cells.size()));
    const int last = std::min(col2, std::max(used, int(m_widths.size())) - 1);
    if (last < col1)
        return;
    std::vector<double> widest(size_t(last - col1 + 1), -1);
    std::vector<int> dateWidths(styles().count(), -2); // -2 unknown, -1 not a date format
    int mergeRow1 = XlCellRef::MaxRows;
    int mergeRow2 = -1;
    for (const XlRect &m : m_merges) {
        mergeRow1 = std::min(mergeRow1, m.row1);
        mergeRow2 = std::max(mergeRow2, m.row2);
    }
    for (int r = 0; r < rowCount(); ++r) {
        const std::vector<XlCell> &cells = m_rows[size_t(r)];
        const int end = std::min(last, int(cells.size()) - 1);
        const bool mergedRow = r >= mergeRow1 && r <= mergeRow2;
        for (int c = col1; c <= end; ++c) {
            const XlCell &cell = cells[size_t(c)];
            if (cell.type == XlCell::Empty || (mergedRow && isMerged(r, c)))
                continue;
            const XlStyle &style = styles().style(cell.style);
            int chars = 5; // TRUE / FALSE
            if (cell.type == XlCell::Text) {
                chars = XlCellValue::textWidth(text(cell));
            } else if (cell.type == XlCell::Number) {
                int &dateWidth = dateWidths[cell.style];
                if (dateWidth == -2) {
                    dateWidth = styles().formatKind(style.numberFormat) == XlStyleTable::DateFormat
                                    ? XlCellValue::formatWidth(styles().format(style.numberFormat))
                                    : -1;
                }
                chars = dateWidth >= 0 ? dateWidth : XlCellValue::generalNumberWidth(cell.number);
            }
            const double width = style.bold ? chars * 1.1 : chars;
            double &w = widest[size_t(c - col1)];
            w = std::max(w, width);
        }
    }
    for (int c = col1; c <= last; ++c) {
        const double w = widest[size_t(c - col1)];
        setColumnWidth(c, w < 0 ? -1 : w + 2);
    }
}

void XlSheet::setFrozen(int rows, int columns)
{
    m_frozenRows = std::max(0, rows);
    m_frozenColumns = std::max(0, columns);
}

void XlSheet::setAddressed(int row, int col)
{
    m_addressedRow = row;
    m_addressedColumn = col;
}
