#pragma once

#include <QString>

// A rectangle of cells, 0-based and inclusive.
struct XlRect
{
    int row1 = 0;
    int col1 = 0;
    int row2 = 0;
    int col2 = 0;

    int rows() const { return row2 - row1 + 1; }
    int columns() const { return col2 - col1 + 1; }
    bool isSingleCell() const { return row1 == row2 && col1 == col2; }
    bool contains(int row, int col) const
    {
        return row >= row1 && row <= row2 && col >= col1 && col <= col2;
    }
    bool intersects(const XlRect &o) const
    {
        return row1 <= o.row2 && o.row1 <= row2 && col1 <= o.col2 && o.col1 <= col2;
    }
    XlRect united(const XlRect &o) const;
    bool operator==(const XlRect &o) const
    {
        return row1 == o.row1 && col1 == o.col1 && row2 == o.row2 && col2 == o.col2;
    }
};

// A1-style references: "B3", "$B$3", "B3:D6", within the sheet's 1,048,576 rows and
// 16,384 columns (A to XFD).
namespace XlCellRef {

constexpr int MaxRows = 1048576;
constexpr int MaxColumns = 16384;

QString columnName(int column);
QString cellName(int row, int column);
QString rangeName(const XlRect &rect);
bool parseCell(const QString &text, int *row, int *column);
// Either corner order is accepted; the result is ordered.
bool parseRange(const QString &text, XlRect *rect);

} // namespace XlCellRef
