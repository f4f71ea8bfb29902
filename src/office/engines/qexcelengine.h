#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

class AxObject;

// Drives one spreadsheet application by automation: workbooks, sheets, cell values and
// formats, saving. Rows and columns are 0-based; column 0 is "A", 26 is "AA".
//
// Created, used and destroyed on one thread (the sheet export's worker): OLE is
// initialised in the constructor and released in the destructor on that thread.
// Calling order: Open → SelectSheet / SetSheetName → writing and formatting → Save →
// Close. Without a workbook every operation does nothing.
class QExcelEngine : public QObject
{
    Q_OBJECT

public:
    explicit QExcelEngine(QObject *parent = nullptr);
    ~QExcelEngine() override;

    // Creates a workbook (empty path) or opens the file at path. Without a spreadsheet
    // program the user is told and false comes back.
    bool Open(const QString &path, bool visible);
    // An opened file is saved where it was opened; a new workbook is saved as path. The
    // file there is replaced only once the new one is written; false with ErrorString()
    // otherwise.
    bool Save(const QString &path);
    QString ErrorString() const { return m_strError; }
    // Closes the workbook without saving, quits the application; safe in every state.
    void Close();

    void SetCellData(int row, int column, const QVariant &value);
    // Makes sheet index current; an index at or beyond the sheet count appends a sheet.
    bool SelectSheet(int index);
    void SetSheetName(const QString &name);

    // The range between two corners, in either order; valid until Close().
    AxObject *GetRange(int row1, int col1, int row2, int col2);
    // data: a list of rows, each a list of cell values.
    void SetRangeData(int row1, int col1, int row2, int col2, const QVariant &data);
    void SetNumberFormat(int row1, int col1, int row2, int col2, const QString &format);
    void AutoFitColumns();
    void MergeCells(int row1, int col1, int row2, int col2, const QString &text);
    void SetBold(int row1, int col1, int row2, int col2);
    // The spreadsheet's alignment constants (-4108 centres).
    void SetAlignment(int row1, int col1, int row2, int col2, int horizontal, int vertical);
    // Light yellow, solid.
    void SetFillColor(int row1, int col1, int row2, int col2);
    // Rows 0 to row - 1 stay in view while scrolling.
    void FreezeRow(int row);
    // Thin lines around and inside the range.
    void SetBorders(int row1, int col1, int row2, int col2);

private:
    AxObject *m_application = nullptr;
    AxObject *m_workbooks = nullptr;
    AxObject *m_workbook = nullptr;
    AxObject *m_sheets = nullptr;
    AxObject *m_sheet = nullptr;
    AxObject *m_range = nullptr;
    bool m_opened = false;
    bool m_openedExisting = false;
    bool m_oleInitialised = false;
    QString m_strOpenedPath;
    QString m_strError;
};
