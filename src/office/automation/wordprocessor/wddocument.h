#pragma once

#include <memory>

#include <QDomDocument>
#include <QHash>
#include <QList>
#include <QMap>
#include <QSet>
#include <QSize>
#include <QString>

#include "office/automation/wordprocessor/wdpdfreader.h"

class WdChart;

// One open WordprocessingML document: word/document.xml as a DOM, every other part of
// the package as bytes, pictures added since as file references (they are streamed into
// the package when it is saved, never held decoded), and the selection of its window.
//
// Tables are the body-level w:tbl in document order (1-based), cells the w:tc of a row,
// inline shapes the wp:inline in document order (1-based).
class WdDocument
{
public:
    WdDocument();
    ~WdDocument();

    // Reads a package by content (the extension does not matter).
    bool load(const QString &path, QString *error);
    // Writes the package; pictures are stored uncompressed.
    bool save(const QString &path, QString *error);

    // ---- bookmarks and text
    bool hasBookmark(const QString &name) const;
    QString bookmarkText(const QString &name) const;
    bool setBookmarkText(const QString &name, const QString &text);
    QString cellText(const QDomElement &cell) const;
    void setCellText(QDomElement cell, const QString &text);

    // ---- tables
    int tableCount();
    QDomElement table(int index);
    QDomElement row(const QDomElement &table, int index) const;
    QDomElement cell(const QDomElement &table, int row, int column) const;
    void setRowHeight(QDomElement row, double points);
    void insertRowsBelow(const QDomElement &row, int count);
    void setCellShading(QDomElement cell, const QString &fill, const QString &color);

    // ---- selection (the window's one selection)
    void selectBookmark(const QString &name);
    void selectCell(const QDomElement &cell);
    bool copySelection();
    bool moveDown(int lines);
    bool typeParagraph();
    bool paste();
    bool insertPageBreak();
    bool insertRowsAtSelection(int count);
    void setSelectionFont(const QString *name, const double *size, const bool *bold);

    // ---- fields
    // Refreshes the fields: a table of contents gets its entries now and their page numbers
    // at the next layout (page count or saving) where a layout engine is installed; every
    // other field, and all of them without one, is left for the word processor to refresh
    // when it opens the document.
    void updateFields();

    // ---- inline shapes
    // Appends the picture to the cell's first paragraph; the new wp:inline, or null when the
    // file is not a readable picture.
    QDomElement addPicture(QDomElement cell, const QString &path);
    int inlineShapeCount();
    QDomElement inlineShape(int index);
    QSizeF inlineShapeSize(const QDomElement &shape) const; // points
    void setInlineShapeSize(QDomElement shape, double width, double height);
    bool isChart(const QDomElement &shape) const;
    // The chart of an inline shape, loaded on first use; null when it has none.
    WdChart *chart(const QDomElement &shape);

    // Pages as LibreOffice lays the document out where it is installed, else estimated.
    // The layout also numbers a table of contents waiting for its pages.
    int countPages();
    // Pages by estimate from the text, rows, pictures and breaks.
    int estimatePages() const;

private:
    enum class SelectionKind { None, Bookmark, Cell, Point };
    // A complex field, by its fldChar elements, with its instruction.
    struct Field
    {
        QDomElement begin;
        QDomElement separate;
        QDomElement end;
        QString code;
    };
    // An entry of a table of contents: its heading text and the w:t of its page number.
    struct ContentsEntry
    {
        QString text;
        QDomElement number;
    };

    QList<Field> fields() const; // the outermost fields of the body, in order
    bool prepareContents(const Field &field);
    int textWidth(const QDomElement &paragraph) const; // twips, of the paragraph's section
    // Saves a copy and lays it out; numbers the waiting contents entries (or, when the
    // layout fails, leaves them to the word processor).
    bool layOut(WdPdfReader::Layout *layout);
    void numberContents(const WdPdfReader::Layout *layout);

    QDomElement body() const;
    QDomElement bodyChild(const QDomElement &element) const;
    QList<QDomElement> bookmarkTables(const QString &name) const;
    QDomElement findBookmark(const QString &name, bool end) const;
    QDomElement newTextRun(const QDomElement &formatFrom, const QString &text);
    QString relationshipTarget(const QString &id) const;
    QString addRelationship(const QString &type, const QString &target);
    void ensureContentDefault(const QString &extension, const QString &type);
    // Writes the chart's data sheet as its embedded workbook and relates the chart to it.
    void embedWorkbook(const QString &chartPart, WdChart *chart);
    void invalidate();

    QMap<QString, QByteArray> m_parts;       // every part but word/document.xml
    QMap<QString, QString> m_media;          // part name → source file of added pictures
    QHash<QString, QString> m_mediaBySource; // source file → its part
    QDomDocument m_document;
    QDomDocument m_rels;
    QSet<QString> m_relationshipIds;                  // the Ids in m_rels, so adding one is no walk
    QSet<QString> m_contentDefaults;                  // extensions known to have a content type
    QMap<QString, std::shared_ptr<WdChart>> m_charts; // by part name
    QList<QDomElement> m_tables;
    QList<QDomElement> m_inlines;
    bool m_tablesValid = false;
    bool m_inlinesValid = false;
    int m_nextDrawingId = 1;
    int m_nextRelationship = 1;
    int m_nextMedia = 1;
    bool m_fieldsDirty = false;
    bool m_layoutCopy = false;           // saving the copy to lay out: placeholder pictures
    QList<ContentsEntry> m_contents;     // waiting for their page numbers
    QList<QDomElement> m_contentsFields; // the begin fldChar of those contents' fields

    SelectionKind m_selection = SelectionKind::None;
    QString m_selectedBookmark;
    QDomElement m_selectedCell;
    QDomElement m_point; // insertion point: the start of this body paragraph
    QList<QDomElement> m_clipboard;
};
