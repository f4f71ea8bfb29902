#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class AxObject;

// Drives one word-processor instance by automation to fill a report template: bookmarks,
// table cells, rows, copied tables, pictures, the embedded pie chart, the table of
// contents, the page count, saving. Tables, rows, cells and inline shapes are 1-based,
// numbered as the word processor numbers them.
//
// WPS Writer ("Kwps.Application") is tried first, then Word ("word.Application"); which
// one answered decides the template and the chart procedure. Created, used and destroyed
// on one thread: OLE is initialised in the constructor and released in the destructor.
// Calling order: open → filling → UpdateContent / GetTotalPages → save → close(false).
// Without a document every operation does nothing or returns false.
class QWordEngine : public QObject
{
    Q_OBJECT

public:
    explicit QWordEngine(QObject *parent = nullptr);
    ~QWordEngine() override;

    bool open(const QString &wordTemplate, const QString &wpsTemplate, bool visible);
    // Saves the document under path, replacing a file there only once the new one is
    // written; false with ErrorString() otherwise.
    bool save(const QString &path);
    QString ErrorString() const { return m_strError; }
    void close(bool saveChanges);
    bool isOpened() const { return m_opened; }
    bool isWord() const { return m_isWord; }

    bool SetBookmarkText(const QString &bookmark, const QString &text);
    void SetTableCellText(int table, int row, int column, const QString &text);
    void SetTableRowHeight(int table, int row, float height);
    bool InsertTableRow(int table, int row, int count);
    bool UpdateContent(const QString &bookmark);
    bool CopyTableFromBookmark(const QString &bookmark, int count);
    int GetTotalPages();
    void SetTableCellShading(int table, int row, int column, int color);
    void InsertPageBreak();
    void SelectTableCell(int table, int row, int column);
    void SetSelectionFont(const QString &name, float size, bool bold);
    bool InsertTableCellPicture(int table, int shapeIndex, int row, int column,
                                const QString &imagePath, int width, int height);
    void SetTableRowTexts(int table, int row, int startColumn, const QStringList &texts,
                          int columnStep);
    void SetTableBlockTexts(int table, int startRow, int startColumn,
                            const QList<QStringList> &rows, int columnStep, int rowStep);
    bool SetChartData(int shapeIndex, const QStringList &labels, const QStringList &values);
    bool GeneratePieChart(AxObject *workbook, const QStringList &labels, const QStringList &values);
    bool setPieChartData(AxObject *worksheet, const QStringList &labels, const QStringList &values);

private:
    AxObject *table(int index);
    AxObject *selectedCell(int table, int row, int column);
    AxObject *windowSelection();
    void writeRow(AxObject *table, int row, int startColumn, const QStringList &texts,
                  int columnStep);
    // Sets the text of a range object; false when there is none or the text is refused.
    static bool setRangeText(AxObject *owner, const QString &text);

    AxObject *m_application = nullptr;
    AxObject *m_document = nullptr;
    AxObject *m_selection = nullptr;
    bool m_opened = false;
    bool m_isWord = true;
    bool m_oleInitialised = false;
    QString m_strError;
};
