#include "office/automation/spreadsheet/xlcellref.h"

#include <algorithm>

XlRect XlRect::united(const XlRect &o) const
{
    return {std::min(row1, o.row1), std::min(col1, o.col1), std::max(row2, o.row2),
            std::max(col2, o.col2)};
}

namespace XlCellRef {

QString columnName(int column)
{
    QString name;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        name.prepend(QLatin1Char(char('A' + (n - 1) % 26)));
    return name;
}

QString cellName(int row, int column)
{
    return columnName(column) + QString::number(row + 1);
}

QString rangeName(const XlRect &rect)
{
    const QString first = cellName(rect.row1, rect.col1);
    return rect.isSingleCell() ? first : first + QLatin1Char(':') + cellName(rect.row2, rect.col2);
}

bool parseCell(const QString &text, int *row, int *column)
{
    int i = 0;
    const int n = text.size();
    if (i < n && text.at(i) == QLatin1Char('$'))
        ++i;
    int col = 0;
    int letters = 0;
    for (; i < n && letters < 4; ++i, ++letters) {
        const char c = text.at(i).toUpper().toLatin1();
        if (c < 'A' || c > 'Z')
            break;
        col = col * 26 + (c - 'A' + 1);
    }
    if (letters == 0 || col > MaxColumns)
        return false;
    if (i < n && text.at(i) == QLatin1Char('$'))
        ++i;
    if (i >= n || text.at(i) == QLatin1Char('0'))
        return false;
    qint64 r = 0;
    for (; i < n; ++i) {
        const QChar c = text.at(i);
        if (!c.isDigit() || c.unicode() > 127 || r > MaxRows)
            return false;
        r = r * 10 + (c.unicode() - '0');
    }
    if (r < 1 || r > MaxRows)
        return false;
    *row = int(r - 1);
    *column = col - 1;
    return true;
}

bool parseRange(const QString &text, XlRect *rect)
{
    const QString trimmed = text.trimmed();
    const int colon = trimmed.indexOf(QLatin1Char(':'));
    XlRect r;
    if (colon < 0) {
        if (!parseCell(trimmed, &r.row1, &r.col1))
            return false;
        r.row2 = r.row1;
        r.col2 = r.col1;
    } else if (!parseCell(trimmed.left(colon), &r.row1, &r.col1) ||
               !parseCell(trimmed.mid(colon + 1), &r.row2, &r.col2)) {
        return false;
    }
    *rect = {std::min(r.row1, r.row2), std::min(r.col1, r.col2), std::max(r.row1, r.row2),
             std::max(r.col1, r.col2)};
    return true;
}

} // namespace XlCellRef
