#pragma once

#include <vector>

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "office/automation/spreadsheet/xlconstants.h"

// Colours are 0xRRGGBB; this value means "automatic" (the program's default colour).
constexpr quint32 XlAutoColor = 0xFF000000u;

namespace Xl {

// The object model's Color values are blue-green-red; ColorIndex values name the
// program's 56-colour palette (0 and xlAutomatic mean automatic). -1: not a colour.
qint64 XlColorFromBgr(const QVariant &value);
qint64 XlColorFromIndex(int index);

} // namespace Xl

struct XlBorderLine
{
    qint16 lineStyle = XlConst::LineStyleNone;
    qint16 weight = XlConst::Thin;
    quint32 color = XlAutoColor;

    bool operator==(const XlBorderLine &other) const
    {
        return lineStyle == other.lineStyle && weight == other.weight && color == other.color;
    }
};

enum XlSide { XlLeft, XlTop, XlBottom, XlRight };

// The format of a cell. Cells hold an index into the workbook's style table, so formatting
// a range touches one index per cell and builds each distinct style once.
struct XlStyle
{
    quint16 numberFormat = 0; // index into the table's format strings, 0 = "General"
    bool bold = false;
    bool wrap = false;
    qint16 horizontal = XlConst::General;
    qint16 vertical = XlConst::Bottom;
    qint16 pattern = XlConst::PatternNone;
    quint32 fillColor = XlAutoColor;
    XlBorderLine border[4];

    bool operator==(const XlStyle &other) const;
};
uint qHash(const XlStyle &style, uint seed = 0);

// The styles and number formats of one workbook; index 0 is the default style.
class XlStyleTable
{
public:
    enum FormatKind : quint8 { GeneralFormat, TextFormat, DateFormat, NumberFormat };

    XlStyleTable();

    quint32 intern(const XlStyle &style);
    const XlStyle &style(quint32 index) const { return m_styles[index]; }
    quint32 count() const { return quint32(m_styles.size()); }

    quint16 formatId(const QString &format);
    const QString &format(quint16 id) const { return m_formats.at(id); }
    FormatKind formatKind(quint16 id) const { return FormatKind(m_kinds[id]); }

    static FormatKind classify(const QString &format);

private:
    std::vector<XlStyle> m_styles;
    QHash<XlStyle, quint32> m_styleIndex;
    QStringList m_formats;
    QHash<QString, quint16> m_formatIndex;
    std::vector<quint8> m_kinds;
};
