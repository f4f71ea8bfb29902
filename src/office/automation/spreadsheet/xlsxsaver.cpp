#include "office/automation/spreadsheet/xlsxsaver.h"

#include <cstdio>
#include <string>
#include <vector>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include "office/automation/spreadsheet/xlbook.h"

namespace {

// UTF-16 to UTF-8 into a reused buffer: a sheet has a million texts.
const char *Utf8(const QString &text, std::string &buffer)
{
    buffer.clear();
    const ushort *p = reinterpret_cast<const ushort *>(text.constData());
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        uint c = p[i];
        if (c < 0x80) {
            buffer.push_back(char(c));
            continue;
        }
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < n && p[i + 1] >= 0xDC00 && p[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (p[++i] - 0xDC00);
        else if (c >= 0xD800 && c < 0xE000)
            c = 0xFFFD; // a lone surrogate
        if (c < 0x800) {
            buffer.push_back(char(0xC0 | c >> 6));
        } else if (c < 0x10000) {
            buffer.push_back(char(0xE0 | c >> 12));
            buffer.push_back(char(0x80 | (c >> 6 & 0x3F)));
        } else {
            buffer.push_back(char(0xF0 | c >> 18));
            buffer.push_back(char(0x80 | (c >> 12 & 0x3F)));
            buffer.push_back(char(0x80 | (c >> 6 & 0x3F)));
        }
        buffer.push_back(char(0x80 | (c & 0x3F)));
    }
    return buffer.c_str();
}

lxw_color_t LxwColor(quint32 rgb)
{
    return rgb == 0 ? lxw_color_t(LXW_COLOR_BLACK) : rgb; // 0 means "unset" to the library
}

uint8_t LxwBorder(const XlBorderLine &line)
{
    const bool medium = line.weight == XlConst::Medium;
    switch (line.lineStyle) {
    case XlConst::Continuous:
        return line.weight == XlConst::Hairline ? LXW_BORDER_HAIR
               : medium                         ? LXW_BORDER_MEDIUM
               : line.weight == XlConst::Thick  ? LXW_BORDER_THICK
                                                : LXW_BORDER_THIN;
    case XlConst::Dash:
        return medium ? LXW_BORDER_MEDIUM_DASHED : LXW_BORDER_DASHED;
    case XlConst::Dot:
        return LXW_BORDER_DOTTED;
    case XlConst::Double:
        return LXW_BORDER_DOUBLE;
    case XlConst::DashDot:
        return medium ? LXW_BORDER_MEDIUM_DASH_DOT : LXW_BORDER_DASH_DOT;
    case XlConst::DashDotDot:
        return medium ? LXW_BORDER_MEDIUM_DASH_DOT_DOT : LXW_BORDER_DASH_DOT_DOT;
    case XlConst::SlantDashDot:
        return LXW_BORDER_SLANT_DASH_DOT;
    default:
        return LXW_BORDER_NONE;
    }
}

uint8_t LxwHorizontal(int value)
{
    switch (value) {
    case XlConst::Left:
        return LXW_ALIGN_LEFT;
    case XlConst::Center:
        return LXW_ALIGN_CENTER;
    case XlConst::Right:
        return LXW_ALIGN_RIGHT;
    case XlConst::Fill:
        return LXW_ALIGN_FILL;
    case XlConst::Justify:
        return LXW_ALIGN_JUSTIFY;
    case XlConst::CenterAcrossSelection:
        return LXW_ALIGN_CENTER_ACROSS;
    case XlConst::Distributed:
        return LXW_ALIGN_DISTRIBUTED;
    default:
        return LXW_ALIGN_NONE;
    }
}

uint8_t LxwVertical(int value)
{
    switch (value) {
    case XlConst::Top:
        return LXW_ALIGN_VERTICAL_TOP;
    case XlConst::Center:
        return LXW_ALIGN_VERTICAL_CENTER;
    case XlConst::Justify:
        return LXW_ALIGN_VERTICAL_JUSTIFY;
    case XlConst::Distributed:
        return LXW_ALIGN_VERTICAL_DISTRIBUTED;
    default:
        return LXW_ALIGN_NONE; // bottom, the default
    }
}

// The library's format objects, made once per style a cell uses.
class Formats
{
public:
    Formats(lxw_workbook *workbook, const XlStyleTable &styles)
        : m_workbook(workbook)
        , m_styles(styles)
        , m_formats(styles.count(), nullptr)
    {}

    lxw_format *get(quint32 index)
    {
        if (index == 0)
            return nullptr;
        lxw_format *&format = m_formats[index];
        if (!format)
            format = make(m_styles.style(index));
        return format;
    }

private:
    lxw_format *make(const XlStyle &style)
    {
        lxw_format *f = workbook_add_format(m_workbook);
        if (style.numberFormat != 0)
            format_set_num_format(f, Utf8(m_styles.format(style.numberFormat), m_buffer));
        if (style.bold)
            format_set_bold(f);
        if (style.wrap)
            format_set_text_wrap(f);
        if (const uint8_t h = LxwHorizontal(style.horizontal))
            format_set_align(f, h);
        if (const uint8_t v = LxwVertical(style.vertical))
            format_set_align(f, v);
        if (style.pattern == XlConst::Solid) {
            format_set_pattern(f, LXW_PATTERN_SOLID);
            format_set_bg_color(
                f, LxwColor(style.fillColor == XlAutoColor ? 0xFFFFFF : style.fillColor));
        }
        using SetBorder = void (*)(lxw_format *, uint8_t);
        using SetColor = void (*)(lxw_format *, lxw_color_t);
        const SetBorder setBorder[4] = {format_set_left, format_set_top, format_set_bottom,
                                        format_set_right};
        const SetColor setColor[4] = {format_set_left_color, format_set_top_color,
                                      format_set_bottom_color, format_set_right_color};
        for (int side = 0; side < 4; ++side) {
            const XlBorderLine &line = style.border[side];
            if (const uint8_t kind = LxwBorder(line)) {
                setBorder[side](f, kind);
                if (line.color != XlAutoColor)
                    setColor[side](f, LxwColor(line.color));
            }
        }
        return f;
    }

    lxw_workbook *m_workbook;
    const XlStyleTable &m_styles;
    std::vector<lxw_format *> m_formats;
    std::string m_buffer;
};

// Writes one sheet; rows go out in order, as the constant-memory mode requires.
lxw_error WriteSheet(lxw_worksheet *ws, const XlSheet &sheet, Formats &formats)
{
    std::string buffer;
    for (int c = 0; c < sheet.widthCount(); ++c) {
        if (sheet.columnWidth(c) >= 0)
            worksheet_set_column(ws, lxw_col_t(c), lxw_col_t(c), sheet.columnWidth(c), nullptr);
    }
    if (sheet.frozenRows() > 0 || sheet.frozenColumns() > 0)
        worksheet_freeze_panes(ws, lxw_row_t(sheet.frozenRows()), lxw_col_t(sheet.frozenColumns()));
    // With no text and no format the library only records the merge.
    for (const XlRect &m : sheet.merges()) {
        worksheet_merge_range(ws, lxw_row_t(m.row1), lxw_col_t(m.col1), lxw_row_t(m.row2),
                              lxw_col_t(m.col2), "", nullptr);
    }
    lxw_error first = LXW_NO_ERROR;
    for (int r = 0; r < sheet.rowCount(); ++r) {
        const std::vector<XlCell> &cells = sheet.row(r);
        for (size_t c = 0; c < cells.size(); ++c) {
            const XlCell &cell = cells[c];
            lxw_format *format = formats.get(cell.style);
            lxw_error err = LXW_NO_ERROR;
            switch (cell.type) {
            case XlCell::Number:
                err = worksheet_write_number(ws, lxw_row_t(r), lxw_col_t(c), cell.number, format);
                break;
            case XlCell::Text:
                err = worksheet_write_string(ws, lxw_row_t(r), lxw_col_t(c),
                                             Utf8(sheet.text(cell), buffer), format);
                break;
            case XlCell::Boolean:
                err = worksheet_write_boolean(ws, lxw_row_t(r), lxw_col_t(c), cell.number != 0,
                                              format);
                break;
            case XlCell::Empty:
                if (format)
                    err = worksheet_write_blank(ws, lxw_row_t(r), lxw_col_t(c), format);
                break;
            }
            if (err != LXW_NO_ERROR && first == LXW_NO_ERROR)
                first = err;
        }
    }
    return first;
}

} // namespace

namespace XlsxSaver {

bool save(const XlBook &book, const QString &path, QString *error)
{
    const QFileInfo target(path);
    if (path.isEmpty() || !target.absoluteDir().exists()) {
        *error = QStringLiteral("the folder of \"%1\" does not exist").arg(path);
        return false;
    }
    if (book.sheetCount() == 0) {
        *error = QStringLiteral("a workbook needs at least one sheet");
        return false;
    }
    QTemporaryFile temp(
        target.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX").arg(target.fileName())));
    if (!temp.open()) {
        *error = QStringLiteral("cannot write in the folder of \"%1\"").arg(path);
        return false;
    }
    const QByteArray tempName = QFile::encodeName(temp.fileName());
    QByteArray tempDir = QFile::encodeName(QDir::tempPath());
    lxw_workbook_options options = {};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = tempDir.data();
    lxw_workbook *workbook = workbook_new_opt(tempName.constData(), &options);
    if (!workbook) {
        *error = QStringLiteral("cannot create the workbook file");
        return false;
    }
    Formats formats(workbook, *book.styles());
    lxw_error err = LXW_NO_ERROR;
    std::string buffer;
    for (int i = 0; i < book.sheetCount(); ++i) {
        const std::shared_ptr<XlSheet> sheet = book.sheet(i);
        lxw_worksheet *ws = workbook_add_worksheet(workbook, Utf8(sheet->name(), buffer));
        if (!ws) {
            err = LXW_ERROR_SHEETNAME_ALREADY_USED;
            break;
        }
        if (sheet == book.activeSheet())
            worksheet_activate(ws);
        const lxw_error sheetErr = WriteSheet(ws, *sheet, formats);
        if (err == LXW_NO_ERROR)
            err = sheetErr;
    }
    const lxw_error closeErr = workbook_close(workbook);
    if (err == LXW_NO_ERROR)
        err = closeErr;
    if (err != LXW_NO_ERROR) {
        *error = QString::fromUtf8(lxw_strerror(err));
        return false;
    }
    temp.close();
    const QFile::Permissions permissions =
        target.exists()
            ? QFile::permissions(target.absoluteFilePath())
            : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    if (std::rename(tempName.constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
        *error = QStringLiteral("cannot replace \"%1\"").arg(path);
        return false;
    }
    temp.setAutoRemove(false);
    QFile::setPermissions(target.absoluteFilePath(), permissions);
    return true;
}

} // namespace XlsxSaver
