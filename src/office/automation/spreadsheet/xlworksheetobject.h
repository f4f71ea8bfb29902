#pragma once

#include <memory>

#include "office/automation/axdispatch.h"
#include "office/automation/spreadsheet/xlbook.h"

// A worksheet: Name, Index, Cells(row, column), Range("A1" or "A1:D6"), Columns,
// Activate / Select, Move([Before], [After]). Obtaining a range marks its top-left cell as
// the sheet's addressed cell (see XlWindowObject).
class XlWorksheetObject : public AxDispatch
{
public:
    XlWorksheetObject(std::shared_ptr<XlBook> book, std::shared_ptr<XlSheet> sheet)
        : m_book(std::move(book))
        , m_sheet(std::move(sheet))
    {}

    QString typeName() const override { return QStringLiteral("Worksheet"); }
    AxResult invoke(const AxCall &call) override;
    const std::shared_ptr<XlSheet> &sheet() const { return m_sheet; }

private:
    AxResult move(const AxCall &call);

    std::shared_ptr<XlBook> m_book;
    std::shared_ptr<XlSheet> m_sheet;
};

// Columns of a sheet or a range: AutoFit, ColumnWidth.
class XlColumnsObject : public AxDispatch
{
public:
    XlColumnsObject(std::shared_ptr<XlSheet> sheet, int first, int last)
        : m_sheet(std::move(sheet))
        , m_first(first)
        , m_last(last)
    {}

    QString typeName() const override { return QStringLiteral("Columns"); }
    AxResult invoke(const AxCall &call) override;

private:
    std::shared_ptr<XlSheet> m_sheet;
    int m_first;
    int m_last;
};
