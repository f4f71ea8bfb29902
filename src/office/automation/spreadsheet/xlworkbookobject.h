#pragma once

#include <memory>

#include "office/automation/axdispatch.h"
#include "office/automation/spreadsheet/xlapplicationobject.h"
#include "office/automation/spreadsheet/xlbook.h"

// A workbook: Sheets / Worksheets, ActiveSheet, Name, FullName, Saved, Save, SaveAs,
// Close([SaveChanges]), Activate. Save writes the workbook's file every time; SaveAs
// writes an .xlsx package whatever the extension (FileFormat arguments are ignored).
class XlWorkbookObject : public AxDispatch
{
public:
    XlWorkbookObject(std::shared_ptr<XlAppState> state, std::shared_ptr<XlBook> book)
        : m_state(std::move(state))
        , m_book(std::move(book))
    {}

    QString typeName() const override { return QStringLiteral("Workbook"); }
    AxResult invoke(const AxCall &call) override;

private:
    std::shared_ptr<XlAppState> m_state;
    std::shared_ptr<XlBook> m_book;
};

// Workbook.Sheets: Count, Item(index or name), Add([Before], [After]). A new sheet goes
// before the given sheet, after the After sheet, or before the active sheet, and becomes
// the active sheet.
class XlSheetsObject : public AxDispatch
{
public:
    explicit XlSheetsObject(std::shared_ptr<XlBook> book)
        : m_book(std::move(book))
    {}

    QString typeName() const override { return QStringLiteral("Sheets"); }
    AxResult invoke(const AxCall &call) override;

private:
    std::shared_ptr<XlBook> m_book;
};
