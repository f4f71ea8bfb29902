#pragma once

#include <memory>

#include <QDomElement>
#include <QString>

#include "office/automation/axdispatch.h"

struct WdAppState;
class WdChart;
class WdDocument;

// Every object below the application in the word-processor server's object model: the
// document, its window, the selection and its font and fields, bookmarks, ranges,
// tables, rows, cells with their shading, inline shapes and the embedded chart with its
// data sheet. Each is a view on the document model (WdDocument) and holds it alive, so a
// late call on an object of a closed document is harmless.
class WdObject : public AxDispatch
{
public:
    enum Kind {
        Document,
        Window,
        Selection,
        Font,
        Fields,
        Bookmark,
        BookmarkRange,
        Table,
        Row,
        Cell,
        CellRange,
        Shading,
        InlineShapes,
        InlineShape,
        OleFormat,
        ChartObject,
        ChartApplication,
        ChartParent,
        DataSheet,
        DataCell
    };

    static AxDispatchPtr document(std::shared_ptr<WdAppState> app,
                                  std::shared_ptr<WdDocument> document);
    static AxDispatchPtr selection(std::shared_ptr<WdAppState> app);

    QString typeName() const override;
    AxResult invoke(const AxCall &call) override;

private:
    WdObject(Kind kind, std::shared_ptr<WdAppState> app, std::shared_ptr<WdDocument> document);
    AxDispatchPtr make(Kind kind, const QDomElement &element = QDomElement()) const;
    std::shared_ptr<WdDocument> current() const;

    AxResult invokeDocument(const AxCall &call);
    AxResult invokeSelection(const AxCall &call);
    AxResult invokeTable(const AxCall &call);
    AxResult invokeCell(const AxCall &call);
    AxResult invokeShape(const AxCall &call);
    AxResult invokeChart(const AxCall &call);

    Kind m_kind;
    std::shared_ptr<WdAppState> m_app;
    std::shared_ptr<WdDocument> m_document; // null for the selection: it follows the app
    QDomElement m_element;                  // table, row, cell or inline shape
    QString m_name;                         // bookmark
    WdChart *m_chart = nullptr;             // owned by m_document
    int m_row = 0;
    int m_column = 0;
};
