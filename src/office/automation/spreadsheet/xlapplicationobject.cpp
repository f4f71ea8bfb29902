#include "office/automation/spreadsheet/xlapplicationobject.h"

#include <QFileInfo>

#include "office/automation/spreadsheet/xlworkbookobject.h"
#include "office/automation/spreadsheet/xlworksheetobject.h"

namespace {

AxResult NoWorkbook()
{
    return AxResult::failed(QStringLiteral("no workbook is open"));
}

} // namespace

XlApplicationObject::XlApplicationObject()
    : m_state(std::make_shared<XlAppState>())
{}

AxResult XlApplicationObject::invoke(const AxCall &call)
{
    AxResult flag = AxResult::unknownMember();
    if (m_state->invokeFlag(call, flag))
        return flag;
    if (call.kind() == AxCall::Put)
        return AxResult::unknownMember();
    if (call.is("WorkBooks"))
        return AxResult::object(std::make_shared<XlWorkbooksObject>(m_state));
    if (call.is("ActiveWorkBook")) {
        if (!m_state->active)
            return NoWorkbook();
        return AxResult::object(std::make_shared<XlWorkbookObject>(m_state, m_state->active));
    }
    if (call.is("ActiveSheet")) {
        if (!m_state->active || !m_state->active->activeSheet())
            return NoWorkbook();
        return AxResult::object(
            std::make_shared<XlWorksheetObject>(m_state->active, m_state->active->activeSheet()));
    }
    if (call.is("ActiveWindow")) {
        if (!m_state->active)
            return NoWorkbook();
        return AxResult::object(std::make_shared<XlWindowObject>(m_state->active));
    }
    if (call.is("Quit")) {
        // Unsaved work is dropped, as with DisplayAlerts off.
        m_state->files.clear();
        m_state->active.reset();
        return AxResult::ok();
    }
    return AxResult::unknownMember();
}

AxResult XlWorkbooksObject::invoke(const AxCall &call)
{
    if (call.kind() == AxCall::Put)
        return AxResult::unknownMember();
    if (call.is("Count"))
        return AxResult::ok(m_state->files.size());
    if (call.is("Add")) {
        std::shared_ptr<XlBook> book;
        const QString source = call.arg(0).toString();
        if (source.isEmpty()) {
            book = std::make_shared<XlBook>(QStringLiteral("Book%1").arg(++m_state->created));
            book->insertSheet(0);
        } else {
            // A new workbook made from a template: its content, no file of its own yet.
            QString error;
            book = XlBook::open(source, &error);
            if (!book)
                return AxResult::failed(error);
            book->setPath(QString());
            book->setName(QStringLiteral("Book%1").arg(++m_state->created));
        }
        m_state->add(book);
        return AxResult::object(std::make_shared<XlWorkbookObject>(m_state, book));
    }
    if (call.is("Open")) {
        const QString path = call.arg(0).toString();
        if (path.isEmpty())
            return AxResult::failed(QStringLiteral("no file name given"));
        const QString absolute = QFileInfo(path).absoluteFilePath();
        for (const std::shared_ptr<XlBook> &open : m_state->files) {
            if (open->path() == absolute) {
                m_state->active = open;
                return AxResult::object(std::make_shared<XlWorkbookObject>(m_state, open));
            }
        }
        QString error;
        const std::shared_ptr<XlBook> book = XlBook::open(path, &error);
        if (!book)
            return AxResult::failed(error);
        m_state->add(book);
        return AxResult::object(std::make_shared<XlWorkbookObject>(m_state, book));
    }
    if (call.is("Item")) {
        int index = 0;
        if (Ax::AxIntArgument(call.arg(0), &index)) {
            if (index < 1 || index > m_state->files.size())
                return AxResult::failed(QStringLiteral("no workbook %1").arg(index));
            return AxResult::object(
                std::make_shared<XlWorkbookObject>(m_state, m_state->files.at(index - 1)));
        }
        for (const std::shared_ptr<XlBook> &open : m_state->files) {
            if (open->name().compare(call.arg(0).toString(), Qt::CaseInsensitive) == 0)
                return AxResult::object(std::make_shared<XlWorkbookObject>(m_state, open));
        }
        return AxResult::failed(QStringLiteral("no workbook named %1").arg(call.arg(0).toString()));
    }
    return AxResult::unknownMember();
}

AxResult XlWindowObject::invoke(const AxCall &call)
{
    if (!call.is("FreezePanes"))
        return AxResult::unknownMember();
    const std::shared_ptr<XlSheet> sheet = m_book->activeSheet();
    if (!sheet)
        return NoWorkbook();
    if (call.kind() == AxCall::Get)
        return AxResult::ok(sheet->frozenRows() > 0 || sheet->frozenColumns() > 0);
    if (call.arg(0).toBool())
        sheet->setFrozen(sheet->addressedRow(), sheet->addressedColumn());
    else
        sheet->setFrozen(0, 0);
    return AxResult::ok();
}
