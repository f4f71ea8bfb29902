#include "office/automation/spreadsheet/xlworkbookobject.h"

#include <algorithm>

#include "office/automation/spreadsheet/xlworksheetobject.h"

namespace {

AxResult Save(XlBook &book, const QString &path)
{
    QString error;
    if (!book.save(path, &error))
        return AxResult::failed(error);
    book.setPath(path);
    book.setSaved(true);
    return AxResult::ok();
}

} // namespace

AxResult XlWorkbookObject::invoke(const AxCall &call)
{
    if (call.is("Saved")) {
        if (call.kind() == AxCall::Put)
            m_book->setSaved(call.arg(0).toBool());
        return AxResult::ok(m_book->isSaved());
    }
    if (call.kind() == AxCall::Put)
        return AxResult::unknownMember();
    if (call.is("Sheets") || call.is("Worksheets"))
        return AxResult::object(std::make_shared<XlSheetsObject>(m_book));
    if (call.is("ActiveSheet"))
        return AxResult::object(std::make_shared<XlWorksheetObject>(m_book, m_book->activeSheet()));
    if (call.is("Name"))
        return AxResult::ok(m_book->name());
    if (call.is("FullName"))
        return AxResult::ok(m_book->path().isEmpty() ? m_book->name() : m_book->path());
    if (call.is("Save")) {
        if (m_book->path().isEmpty())
            return AxResult::failed(
                QStringLiteral("the workbook has no file yet (SaveAs names one)"));
        return Save(*m_book, m_book->path());
    }
    if (call.is("SaveAs")) {
        const QString path = call.arg(0).toString();
        if (path.isEmpty())
            return AxResult::failed(QStringLiteral("no file name given"));
        return Save(*m_book, path);
    }
    if (call.is("Close")) {
        if (call.arg(0).toBool()) {
            const QString path =
                call.arg(1).toString().isEmpty() ? m_book->path() : call.arg(1).toString();
            if (path.isEmpty())
                return AxResult::failed(QStringLiteral("the workbook has no file to save to"));
            const AxResult saved = Save(*m_book, path);
            if (!saved.isOk())
                return saved;
        }
        m_state->close(m_book);
        return AxResult::ok(true);
    }
    if (call.is("Activate")) {
        if (m_state->files.contains(m_book))
            m_state->active = m_book;
        return AxResult::ok();
    }
    return AxResult::unknownMember();
}

AxResult XlSheetsObject::invoke(const AxCall &call)
{
    if (call.kind() == AxCall::Put)
        return AxResult::unknownMember();
    if (call.is("Count"))
        return AxResult::ok(m_book->sheetCount());
    if (call.is("Item")) {
        int index = 0;
        std::shared_ptr<XlSheet> sheet;
        if (Ax::AxIntArgument(call.arg(0), &index))
            sheet = m_book->sheet(index - 1);
        else
            sheet = m_book->sheetNamed(call.arg(0).toString());
        if (!sheet)
            return AxResult::failed(QStringLiteral("no sheet %1").arg(call.arg(0).toString()));
        return AxResult::object(std::make_shared<XlWorksheetObject>(m_book, sheet));
    }
    if (call.is("Add")) {
        int position = std::max(m_book->indexOf(m_book->activeSheet().get()), 0);
        for (int i = 0; i < 2 && i < call.argCount(); ++i) {
            if (!call.arg(i).isValid())
                continue;
            const auto other =
                std::dynamic_pointer_cast<XlWorksheetObject>(Ax::AxObjectArgument(call.arg(i)));
            const int index = other ? m_book->indexOf(other->sheet().get()) : -1;
            if (index < 0)
                return AxResult::failed(
                    QStringLiteral("Before and After name a sheet of this workbook"));
            position = i == 0 ? index : index + 1;
            break;
        }
        const std::shared_ptr<XlSheet> sheet = m_book->insertSheet(position);
        m_book->activate(sheet);
        return AxResult::object(std::make_shared<XlWorksheetObject>(m_book, sheet));
    }
    return AxResult::unknownMember();
}
