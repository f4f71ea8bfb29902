#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QString>
#include <QVariant>
#include <QVector>

#include "office/automation/spreadsheet/xlcellref.h"
#include "office/automation/spreadsheet/xlstyle.h"

// One cell: 16 bytes, so a sheet of 100,000 rows of 16 columns stays small. Texts live in
// the sheet's text list; dates are numbers with a date format.
struct XlCell
{
    enum Type : quint8 { Empty, Number, Text, Boolean };

    union
    {
        double number;
        quint32 text;
    };
    quint32 style = 0;
    Type type = Empty;

    XlCell()
        : number(0)
    {}
};

// The cells, merges, column widths and panes of one worksheet. Rows are stored densely
// from row 0; each row holds its cells from column 0 to the last one used.
class XlSheet
{
public:
    XlSheet(const QString &name, std::shared_ptr<XlStyleTable> styles);

    const QString &name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    XlStyleTable &styles() const { return *m_styles; }

    int rowCount() const { return int(m_rows.size()); }
    const std::vector<XlCell> &row(int row) const { return m_rows[size_t(row)]; }
    const XlCell *cellAt(int row, int col) const;
    const QString &text(const XlCell &cell) const { return m_texts[cell.text]; }

    // Stored values, as a file holds them.
    void setText(int row, int col, const QString &text);
    void setNumber(int row, int col, double number);
    void setBoolean(int row, int col, bool value);
    void setStyle(int row, int col, quint32 style) { cell(row, col).style = style; }

    // Values as the object model enters them: see enterValues().
    void enterValue(int row, int col, const QVariant &value);
    // A scalar goes into every cell; a list of rows fills the rectangle row by row; a flat
    // list is one row, repeated on every row. Cells beyond the data are emptied. Texts
    // read as numbers or dates (XlCellValue::parseInput) unless the cell's format is "@";
    // dates give a General cell a date format.
    void enterValues(const XlRect &rect, const QVariant &value);
    // The value of a cell; with dates, date-formatted numbers come back as QDateTime.
    QVariant value(int row, int col, bool dates) const;
    void clearValues(const XlRect &rect);

    // Runs change() once per distinct style found in the rectangle and gives every cell
    // the changed style.
    void restyle(const XlRect &rect, const std::function<void(XlStyle &)> &change);

    // Merging also takes in the merges it overlaps and keeps only the top-left value.
    void merge(const XlRect &rect);
    void unmerge(const XlRect &rect);
    void addMerge(const XlRect &rect) { m_merges << rect; }
    const QVector<XlRect> &merges() const { return m_merges; }

    // Widths in character units; a negative width is the default.
    double columnWidth(int col) const;
    void setColumnWidth(int col, double width);
    int widthCount() const { return int(m_widths.size()); }
    // Fits the columns to their widest value; merged cells do not count, empty columns
    // return to the default width.
    void autoFit(int col1, int col2);

    int frozenRows() const { return m_frozenRows; }
    int frozenColumns() const { return m_frozenColumns; }
    void setFrozen(int rows, int columns);

    // The top-left cell of the range last obtained from the sheet: where the window
    // freezes its panes (the program would take the selection).
    void setAddressed(int row, int col);
    int addressedRow() const { return m_addressedRow; }
    int addressedColumn() const { return m_addressedColumn; }

private:
    XlCell &cell(int row, int col);
    std::vector<XlCell> &rowFor(int row, int lastCol);
    void storeText(XlCell &cell, const QString &text);
    void clearCell(XlCell &cell);
    bool isMerged(int row, int col) const;

    QString m_name;
    std::shared_ptr<XlStyleTable> m_styles;
    std::vector<std::vector<XlCell>> m_rows;
    std::vector<QString> m_texts;
    std::vector<quint32> m_freeTexts;
    QVector<XlRect> m_merges;
    std::vector<double> m_widths;
    int m_frozenRows = 0;
    int m_frozenColumns = 0;
    int m_addressedRow = 0;
    int m_addressedColumn = 0;
};
