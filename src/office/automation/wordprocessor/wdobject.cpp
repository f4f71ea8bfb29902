#include "office/automation/wordprocessor/wdobject.h"

#include "office/automation/wordprocessor/wdapplicationobject.h"
#include "office/automation/wordprocessor/wdchart.h"
#include "office/automation/wordprocessor/wddocument.h"

namespace {

constexpr int kColorAutomatic = -16777216;
constexpr int kStatisticPages = 2;
constexpr int kShapeChart = 12;
constexpr int kShapePicture = 3;
constexpr int kPageBreak = 7;

AxResult Missing(const QString &what)
{
    return AxResult::failed(QStringLiteral("no %1").arg(what));
}

// The word processor's colours are 0x00BBGGRR; the document wants RRGGBB.
QString ColorText(const QVariant &value)
{
    int color = 0;
    if (!Ax::AxIntArgument(value, &color))
        return QString();
    if (color == kColorAutomatic)
        return QStringLiteral("auto");
    const uint bgr = uint(color) & 0xFFFFFFu;
    const uint rgb = ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
    return QStringLiteral("%1").arg(rgb, 6, 16, QLatin1Char('0')).toUpper();
}

int IntArgument(const AxCall &call, int index, int fallback)
{
    int value = fallback;
    if (index < call.argCount() && !Ax::AxIntArgument(call.arg(index), &value))
        value = fallback;
    return value;
}

} // namespace

WdObject::WdObject(Kind kind, std::shared_ptr<WdAppState> app, std::shared_ptr<WdDocument> document)
    : m_kind(kind)
    , m_app(std::move(app))
    , m_document(std::move(document))
{}

AxDispatchPtr WdObject::document(std::shared_ptr<WdAppState> app,
                                 std::shared_ptr<WdDocument> document)
{
    return AxDispatchPtr(new WdObject(Document, std::move(app), std::move(document)));
}

AxDispatchPtr WdObject::selection(std::shared_ptr<WdAppState> app)
{
    return AxDispatchPtr(new WdObject(Selection, std::move(app), nullptr));
}

AxDispatchPtr WdObject::make(Kind kind, const QDomElement &element) const
{
    auto object = new WdObject(kind, m_app, current());
    object->m_element = element.isNull() ? m_element : element;
    object->m_name = m_name;
    object->m_chart = m_chart;
    return AxDispatchPtr(object);
}

std::shared_ptr<WdDocument> WdObject::current() const
{
    return m_document ? m_document : m_app->active;
}

QString WdObject::typeName() const
{
    static const char *const names[] = {"Document",
                                        "Window",
                                        "Selection",
                                        "Font",
                                        "Fields",
                                        "Bookmark",
                                        "Range",
                                        "Table",
                                        "Row",
                                        "Cell",
                                        "Range",
                                        "Shading",
                                        "InlineShapes",
                                        "InlineShape",
                                        "OLEFormat",
                                        "Chart",
                                        "ChartApplication",
                                        "ChartParent",
                                        "DataSheet",
                                        "DataSheetCell"};
    return QString::fromLatin1(names[m_kind]);
}

AxResult WdObject::invoke(const AxCall &call)
{
    if (!current())
        return AxResult::failed(QStringLiteral("no document is open"));
    switch (m_kind) {
    case Document:
        return invokeDocument(call);
    case Window:
        if (call.isGet("Selection"))
            return AxResult::object(selection(m_app));
        return AxResult::unknownMember();
    case Selection:
    case Font:
    case Fields:
        return invokeSelection(call);
    case Bookmark:
    case BookmarkRange:
        if (m_kind == Bookmark && call.isGet("Select")) {
            current()->selectBookmark(m_name);
            return AxResult::ok();
        }
        if (m_kind == Bookmark && call.isGet("Range"))
            return AxResult::object(make(BookmarkRange));
        if (m_kind == Bookmark && call.isGet("Name"))
            return AxResult::ok(m_name);
        if (m_kind == BookmarkRange && call.is("Text")) {
            if (call.kind() == AxCall::Get)
                return AxResult::ok(current()->bookmarkText(m_name));
            if (!current()->setBookmarkText(m_name, call.arg(0).toString()))
                return AxResult::failed(QStringLiteral("bookmark %1 holds no text").arg(m_name));
            return AxResult::ok();
        }
        return AxResult::unknownMember();
    case Table:
    case Row:
        return invokeTable(call);
    case Cell:
    case CellRange:
    case Shading:
        return invokeCell(call);
    case InlineShapes:
    case InlineShape:
    case OleFormat:
        return invokeShape(call);
    case ChartObject:
    case ChartApplication:
    case ChartParent:
    case DataSheet:
    case DataCell:
        return invokeChart(call);
    }
    return AxResult::unknownMember();
}

AxResult WdObject::invokeDocument(const AxCall &call)
{
    const std::shared_ptr<WdDocument> doc = current();
    if (call.kind() == AxCall::Put)
        return AxResult::unknownMember();
    if (call.is("SaveAs")) {
        const QString path = call.arg(0).toString();
        if (path.isEmpty())
            return AxResult::failed(QStringLiteral("no file name given"));
        QString error;
        if (!doc->save(path, &error))
            return AxResult::failed(error);
        return AxResult::ok();
    }
    if (call.is("Close")) {
        // A document made from a template has no file of its own: nothing to save to.
        m_app->close(doc);
        return AxResult::ok();
    }
    if (call.is("Bookmarks")) {
        const QString name = call.arg(0).toString();
        if (!doc->hasBookmark(name))
            return Missing(QStringLiteral("bookmark %1").arg(name));
        auto bookmark = new WdObject(Bookmark, m_app, doc);
        bookmark->m_name = name;
        return AxResult::object(AxDispatchPtr(bookmark));
    }
    if (call.is("Tables")) {
        const int index = IntArgument(call, 0, 0);
        const QDomElement table = doc->table(index);
        if (table.isNull())
            return Missing(QStringLiteral("table %1").arg(index));
        return AxResult::object(make(Table, table));
    }
    if (call.is("InlineShapes")) {
        if (call.argCount() == 0)
            return AxResult::unknownMember();
        const int index = IntArgument(call, 0, 0);
        const QDomElement shape = doc->inlineShape(index);
        if (shape.isNull())
            return Missing(QStringLiteral("inline shape %1").arg(index));
        return AxResult::object(make(InlineShape, shape));
    }
    if (call.is("ActiveWindow"))
        return AxResult::object(make(Window));
    if (call.is("ComputeStatistics")) {
        const QVariant what = call.arg(0);
        if (what.toString() != QLatin1String("wdStatisticPages") &&
            IntArgument(call, 0, -1) != kStatisticPages)
            return AxResult::failed(QStringLiteral("only the page count is computed"));
        return AxResult::ok(doc->countPages());
    }
    return AxResult::unknownMember();
}

AxResult WdObject::invokeSelection(const AxCall &call)
{
    const std::shared_ptr<WdDocument> doc = current();
    if (m_kind == Font) {
        if (call.kind() != AxCall::Put)
            return AxResult::unknownMember();
        if (call.is("Name")) {
            const QString name = call.arg(0).toString();
            doc->setSelectionFont(&name, nullptr, nullptr);
        } else if (call.is("Size")) {
            const double size = call.arg(0).toDouble();
            doc->setSelectionFont(nullptr, &size, nullptr);
        } else if (call.is("Bold")) {
            const bool bold = call.arg(0).toBool();
            doc->setSelectionFont(nullptr, nullptr, &bold);
        } else {
            return AxResult::unknownMember();
        }
        return AxResult::ok();
    }
    if (m_kind == Fields) {
        if (!call.isGet("Update"))
            return AxResult::unknownMember();
        doc->updateFields();
        return AxResult::ok(0);
    }
    if (call.kind() == AxCall::Put)
        return AxResult::unknownMember();
    bool done = true;
    if (call.is("Font"))
        return AxResult::object(make(Font));
    if (call.is("Fields"))
        return AxResult::object(make(Fields));
    if (call.is("InsertRowsBelow"))
        done = doc->insertRowsAtSelection(IntArgument(call, 0, 1));
    else if (call.is("Copy"))
        done = doc->copySelection();
    else if (call.is("MoveDown"))
        done = doc->moveDown(IntArgument(call, 1, 1));
    else if (call.is("TypeParagraph"))
        done = doc->typeParagraph();
    else if (call.is("PasteAndFormat") || call.is("Paste"))
        done = doc->paste();
    else if (call.is("InsertBreak")) {
        if (call.argCount() > 0 && call.arg(0).toString() != QLatin1String("wdPageBreak") &&
            IntArgument(call, 0, -1) != kPageBreak)
            return AxResult::failed(QStringLiteral("only page breaks are inserted"));
        done = doc->insertPageBreak();
    } else
        return AxResult::unknownMember();
    if (!done)
        return AxResult::failed(QStringLiteral("%1 does not apply to the selection")
                                    .arg(QString::fromLatin1(call.member())));
    return AxResult::ok();
}

AxResult WdObject::invokeTable(const AxCall &call)
{
    const std::shared_ptr<WdDocument> doc = current();
    if (m_kind == Row) {
        if (!call.is("Height"))
            return AxResult::unknownMember();
        if (call.kind() == AxCall::Put)
            doc->setRowHeight(m_element, call.arg(0).toDouble());
        return AxResult::ok();
    }
    if (call.kind() == AxCall::Put)
        return AxResult::unknownMember();
    if (call.is("Cell")) {
        const int row = IntArgument(call, 0, 0);
        const int column = IntArgument(call, 1, 0);
        const QDomElement cell = doc->cell(m_element, row, column);
        if (cell.isNull())
            return Missing(QStringLiteral("cell (%1, %2)").arg(row).arg(column));
        return AxResult::object(make(Cell, cell));
    }
    if (call.is("Rows") && call.argCount() > 0) {
        const int index = IntArgument(call, 0, 0);
        const QDomElement row = doc->row(m_element, index);
        if (row.isNull())
            return Missing(QStringLiteral("row %1").arg(index));
        return AxResult::object(make(Row, row));
    }
    return AxResult::unknownMember();
}

AxResult WdObject::invokeCell(const AxCall &call)
{
    const std::shared_ptr<WdDocument> doc = current();
    if (m_kind == Shading) {
        if (call.kind() != AxCall::Put)
            return AxResult::unknownMember();
        if (call.is("Texture"))
            return AxResult::ok(); // only "none" (solid background) is written
        if (call.is("ForegroundPatternColor"))
            doc->setCellShading(m_element, QString(), ColorText(call.arg(0)));
        else if (call.is("BackgroundPatternColor"))
            doc->setCellShading(m_element, ColorText(call.arg(0)), QString());
        else
            return AxResult::unknownMember();
        return AxResult::ok();
    }
    if (m_kind == CellRange) {
        if (call.is("Text")) {
            if (call.kind() == AxCall::Get)
                return AxResult::ok(doc->cellText(m_element));
            doc->setCellText(m_element, call.arg(0).toString());
            return AxResult::ok();
        }
        if (call.isGet("InlineShapes"))
            return AxResult::object(make(InlineShapes));
        return AxResult::unknownMember();
    }
    if (call.kind() == AxCall::Put)
        return AxResult::unknownMember();
    if (call.is("Select")) {
        doc->selectCell(m_element);
        return AxResult::ok();
    }
    if (call.is("Range"))
        return AxResult::object(make(CellRange));
    if (call.is("Shading"))
        return AxResult::object(make(Shading));
    return AxResult::unknownMember();
}

AxResult WdObject::invokeShape(const AxCall &call)
{
    const std::shared_ptr<WdDocument> doc = current();
    if (m_kind == InlineShapes) {
        if (!call.isGet("AddPicture"))
            return AxResult::unknownMember();
        const QString path = call.arg(0).toString();
        const QDomElement shape = doc->addPicture(m_element, path);
        if (shape.isNull())
            return AxResult::failed(QStringLiteral("%1 is not a readable picture").arg(path));
        return AxResult::object(make(InlineShape, shape));
    }
    if (m_kind == OleFormat) {
        if (call.isGet("DoVerb") || call.isGet("Activate"))
            return AxResult::ok();
        if (call.isGet("Object")) {
            auto chart = new WdObject(ChartObject, m_app, doc);
            chart->m_chart = m_chart;
            return AxResult::object(AxDispatchPtr(chart));
        }
        return AxResult::unknownMember();
    }
    const QSizeF size = doc->inlineShapeSize(m_element);
    if (call.is("Width") || call.is("Height")) {
        const bool width = call.is("Width");
        if (call.kind() == AxCall::Get)
            return AxResult::ok(width ? size.width() : size.height());
        const double value = call.arg(0).toDouble();
        doc->setInlineShapeSize(m_element, width ? value : size.width(),
                                width ? size.height() : value);
        return AxResult::ok();
    }
    if (call.is("LockAspectRatio"))
        return AxResult::ok(); // sizes are always set explicitly
    if (call.isGet("Type"))
        return AxResult::ok(doc->isChart(m_element) ? kShapeChart : kShapePicture);
    if (call.isGet("OLEFormat")) {
        WdChart *chart = doc->chart(m_element);
        if (!chart)
            return Missing(QStringLiteral("embedded object"));
        auto format = new WdObject(OleFormat, m_app, doc);
        format->m_chart = chart;
        return AxResult::object(AxDispatchPtr(format));
    }
    return AxResult::unknownMember();
}

AxResult WdObject::invokeChart(const AxCall &call)
{
    switch (m_kind) {
    case ChartObject:
        if (call.isGet("Application"))
            return AxResult::object(make(ChartApplication));
        if (call.isGet("Parent"))
            return AxResult::object(make(ChartParent));
        return AxResult::unknownMember();
    case ChartApplication:
        if (call.is("Visible"))
            return AxResult::ok(false);
        if (call.isGet("Update") || call.isGet("Quit"))
            return AxResult::ok(); // the caches are written with the document
        return AxResult::unknownMember();
    case ChartParent:
        if (call.isGet("DataSheet"))
            return AxResult::object(make(DataSheet));
        return AxResult::unknownMember();
    case DataSheet:
        if (call.isGet("Cells")) {
            auto cell = new WdObject(DataCell, m_app, current());
            cell->m_chart = m_chart;
            cell->m_row = IntArgument(call, 0, 0);
            cell->m_column = IntArgument(call, 1, 0);
            if (cell->m_row < 1 || cell->m_column < 1) {
                delete cell;
                return Missing(QStringLiteral("data sheet cell"));
            }
            return AxResult::object(AxDispatchPtr(cell));
        }
        return AxResult::unknownMember();
    case DataCell:
        if (!call.is("Value"))
            return AxResult::unknownMember();
        if (call.kind() == AxCall::Get)
            return AxResult::ok(m_chart->cell(m_row, m_column));
        m_chart->setCell(m_row, m_column, call.arg(0));
        return AxResult::ok();
    default:
        return AxResult::unknownMember();
    }
}
