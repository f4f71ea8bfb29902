#include "office/automation/spreadsheet/xlworksheetobject.h"

#include "office/automation/spreadsheet/xlrangeobject.h"

AxResult XlWorksheetObject::invoke(const AxCall &call)
{
    if (!m_sheet)
        return AxResult::failed(QStringLiteral("the workbook has no sheet"));
    if (call.is("Name")) {
        if (call.kind() == AxCall::Get)
            return AxResult::ok(m_sheet->name());
        const QString name = call.arg(0).toString();
        const QString refusal = m_book->checkSheetName(name, m_sheet.get());
        if (!refusal.isEmpty())
            return AxResult::failed(refusal);
        m_sheet->setName(name);
        return AxResult::ok();
    }
    if (call.kind() == AxCall::Put)
        return AxResult::unknownMember();
    if (call.is("Index"))
        return AxResult::ok(m_book->indexOf(m_sheet.get()) + 1);
    if (call.is("Cells")) {
        int row = 0;
        int col = 0;
        if (!Ax::AxIntArgument(call.arg(0), &row) || !Ax::AxIntArgument(call.arg(1), &col) ||
            row < 1 || col < 1 || row > XlCellRef::MaxRows || col > XlCellRef::MaxColumns)
            return AxResult::failed(QStringLiteral("Cells takes a row and a column from 1"));
        m_sheet->setAddressed(row - 1, col - 1);
        return AxResult::object(
            std::make_shared<XlRangeObject>(m_sheet, XlRect{row - 1, col - 1, row - 1, col - 1}));
    }
    if (call.is("Range")) {
        XlRect rect;
        QString text = call.arg(0).toString();
        if (call.argCount() > 1)
            text += QLatin1Char(':') + call.arg(1).toString();
        if (!XlCellRef::parseRange(text, &rect))
            return AxResult::failed(QStringLiteral("\"%1\" is not a range").arg(text));
        m_sheet->setAddressed(rect.row1, rect.col1);
        return AxResult::object(std::make_shared<XlRangeObject>(m_sheet, rect));
    }
    if (call.is("Columns"))
        return AxResult::object(
            std::make_shared<XlColumnsObject>(m_sheet, 0, XlCellRef::MaxColumns - 1));
    if (call.is("Activate") || call.is("Select")) {
        if (m_book->indexOf(m_sheet.get()) < 0)
            return AxResult::failed(QStringLiteral("the sheet is no longer in its workbook"));
        m_book->activate(m_sheet);
        return AxResult::ok();
    }
    if (call.is("Move"))
        return move(call);
    return AxResult::unknownMember();
}

AxResult XlWorksheetObject::move(const AxCall &call)
{
    const int from = m_book->indexOf(m_sheet.get());
    for (int i = 0; i < 2 && i < call.argCount(); ++i) {
        if (!call.arg(i).isValid())
            continue;
        const auto other =
            std::dynamic_pointer_cast<XlWorksheetObject>(Ax::AxObjectArgument(call.arg(i)));
        const int index = other ? m_book->indexOf(other->sheet().get()) : -1;
        if (index < 0 || from < 0)
            return AxResult::failed(
                QStringLiteral("Before and After name a sheet of this workbook"));
        if (other->sheet() == m_sheet)
            return AxResult::ok();
        // Position in the list without the moved sheet.
        int to = i == 0 ? index : index + 1;
        if (from < to)
            --to;
        m_book->moveSheet(from, to);
        return AxResult::ok();
    }
    return AxResult::failed(QStringLiteral("moving a sheet into a new workbook is not supported"));
}

AxResult XlColumnsObject::invoke(const AxCall &call)
{
    if (call.is("ColumnWidth")) {
        if (call.kind() == AxCall::Get)
            return AxResult::ok(m_sheet->columnWidth(m_first));
        bool ok = false;
        const double width = call.arg(0).toDouble(&ok);
        if (!ok || width < 0 || width > 255)
            return AxResult::failed(QStringLiteral("a column width is from 0 to 255"));
        for (int c = m_first; c <= m_last && c < m_first + 16384; ++c)
            m_sheet->setColumnWidth(c, width);
        return AxResult::ok();
    }
    if (call.isGet("AutoFit")) {
        m_sheet->autoFit(m_first, m_last);
        return AxResult::ok(true);
    }
    return AxResult::unknownMember();
}
