#include "office/automation/spreadsheet/xlstyle.h"

#include <QVariant>

#include "office/automation/axdispatch.h"

namespace {

// The program's default palette, ColorIndex 1 to 56, as 0xRRGGBB.
const quint32 kPalette[56] = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF,
                              0x00FFFF, 0x800000, 0x008000, 0x000080, 0x808000, 0x800080, 0x008080,
                              0xC0C0C0, 0x808080, 0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF, 0x660066,
                              0xFF8080, 0x0066CC, 0xCCCCFF, 0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF,
                              0x800080, 0x800000, 0x008080, 0x0000FF, 0x00CCFF, 0xCCFFFF, 0xCCFFCC,
                              0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99, 0x3366FF, 0x33CCCC,
                              0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696, 0x003366,
                              0x339966, 0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333};

uint HashLine(const XlBorderLine &line, uint seed)
{
    return ::qHash(quint64(quint16(line.lineStyle)) << 48 | quint64(quint16(line.weight)) << 32 |
                       line.color,
                   seed);
}

} // namespace

qint64 Xl::XlColorFromBgr(const QVariant &value)
{
    int bgr = 0;
    if (!Ax::AxIntArgument(value, &bgr) || bgr < 0 || bgr > 0xFFFFFF)
        return -1;
    return (bgr & 0xFF) << 16 | (bgr & 0xFF00) | (bgr >> 16 & 0xFF);
}

qint64 Xl::XlColorFromIndex(int index)
{
    if (index == 0 || index == XlConst::Automatic)
        return XlAutoColor;
    if (index < 1 || index > 56)
        return -1;
    return kPalette[index - 1];
}

bool XlStyle::operator==(const XlStyle &other) const
{
    return numberFormat == other.numberFormat && bold == other.bold && wrap == other.wrap &&
           horizontal == other.horizontal && vertical == other.vertical &&
           pattern == other.pattern && fillColor == other.fillColor &&
           border[0] == other.border[0] && border[1] == other.border[1] &&
           border[2] == other.border[2] && border[3] == other.border[3];
}

uint qHash(const XlStyle &style, uint seed)
{
    uint hash = ::qHash(quint64(style.numberFormat) << 48 | quint64(style.bold) << 40 |
                            quint64(style.wrap) << 32 | quint32(quint16(style.horizontal)) << 16 |
                            quint16(style.vertical),
                        seed);
    hash ^= ::qHash(quint64(quint16(style.pattern)) << 32 | style.fillColor, seed) * 31;
    for (const XlBorderLine &line : style.border)
        hash = hash * 31 + HashLine(line, seed);
    return hash;
}

XlStyleTable::XlStyleTable()
{
    intern(XlStyle());
    formatId(QStringLiteral("General"));
}

quint32 XlStyleTable::intern(const XlStyle &style)
{
    const auto found = m_styleIndex.constFind(style);
    if (found != m_styleIndex.constEnd())
        return found.value();
    const quint32 index = quint32(m_styles.size());
    m_styles.push_back(style);
    m_styleIndex.insert(style, index);
    return index;
}

quint16 XlStyleTable::formatId(const QString &format)
{
    const QString key = format.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0
                            ? QStringLiteral("General")
                            : format;
    const auto found = m_formatIndex.constFind(key);
    if (found != m_formatIndex.constEnd())
        return found.value();
    if (m_formats.size() >= 0xFFFF)
        return 0;
    const quint16 id = quint16(m_formats.size());
    m_formats << key;
    m_formatIndex.insert(key, id);
    m_kinds.push_back(classify(key));
    return id;
}

XlStyleTable::FormatKind XlStyleTable::classify(const QString &format)
{
    if (format.isEmpty() || format == QLatin1String("General"))
        return GeneralFormat;
    if (format == QLatin1String("@"))
        return TextFormat;
    // Date and time codes outside quoted literals and [colour] sections make a date format.
    bool quoted = false;
    bool bracket = false;
    for (int i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\\')) {
            ++i;
        } else if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (!quoted && c == QLatin1Char('[')) {
            bracket = true;
        } else if (bracket) {
            bracket = c != QLatin1Char(']');
        } else if (!quoted) {
            const char l = c.toLower().toLatin1();
            if (l == 'y' || l == 'd' || l == 'h' || l == 's' || l == 'm')
                return DateFormat;
        }
    }
    return NumberFormat;
}
