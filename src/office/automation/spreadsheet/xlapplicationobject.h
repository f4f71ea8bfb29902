#pragma once

#include <memory>

#include <QList>

#include "office/automation/axappstate.h"
#include "office/automation/axdispatch.h"
#include "office/automation/spreadsheet/xlbook.h"

// The state of one spreadsheet application instance: its open workbooks.
struct XlAppState : AxAppState<XlBook>
{
    int created = 0; // for the names of new workbooks ("Book1", ...)
};

// The spreadsheet server's application object ("Excel.Application"): Visible,
// DisplayAlerts, WorkBooks, ActiveWorkBook, ActiveSheet, ActiveWindow, Quit. There is no
// window: Visible is only remembered.
class XlApplicationObject : public AxDispatch
{
public:
    XlApplicationObject();

    QString typeName() const override { return QStringLiteral("Application"); }
    AxResult invoke(const AxCall &call) override;

private:
    std::shared_ptr<XlAppState> m_state;
};

// Application.WorkBooks: Add([template]), Open(path), Count, Item(index or name).
class XlWorkbooksObject : public AxDispatch
{
public:
    explicit XlWorkbooksObject(std::shared_ptr<XlAppState> state)
        : m_state(std::move(state))
    {}

    QString typeName() const override { return QStringLiteral("Workbooks"); }
    AxResult invoke(const AxCall &call) override;

private:
    std::shared_ptr<XlAppState> m_state;
};

// Application.ActiveWindow: the window of a workbook. FreezePanes = true freezes the
// active sheet above and left of the cell last addressed on it.
class XlWindowObject : public AxDispatch
{
public:
    explicit XlWindowObject(std::shared_ptr<XlBook> book)
        : m_book(std::move(book))
    {}

    QString typeName() const override { return QStringLiteral("Window"); }
    AxResult invoke(const AxCall &call) override;

private:
    std::shared_ptr<XlBook> m_book;
};
