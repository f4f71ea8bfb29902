#include "office/engines/qwordengine.h"

#include "core/common/cuserprompt.h"
#include "core/common/debuglog.h"
#include "core/files/stagedfile.h"
#include "office/automation/axobject.h"
#include "office/automation/oleshim.h"

namespace {

// The word processor's "automatic" colour.
constexpr int kAutomaticColor = -16777216;

} // namespace

QWordEngine::QWordEngine(QObject *parent)
    : QObject(parent)
{
    const HRESULT result = OleInitialize(nullptr);
    m_oleInitialised = result == S_OK || result == S_FALSE;
    if (!m_oleInitialised)
        TQ_LOG << QStringLiteral("Could not initialize OLE (error %1)").arg(quint32(result), 0, 16);
}

QWordEngine::~QWordEngine()
{
    // The owner closes first; an application left bound by a failed open goes here.
    delete m_application;
    if (m_oleInitialised)
        OleUninitialize();
}

bool QWordEngine::open(const QString &wordTemplate, const QString &wpsTemplate, bool visible)
{
    delete m_application;
    m_application = new AxObject();
    m_document = nullptr;
    m_selection = nullptr;
    m_opened = false;
    m_isWord = false;
    if (!m_application->setControl(QStringLiteral("Kwps.Application"))) {
        if (!m_application->setControl(QStringLiteral("word.Application"))) {
            Prompts::ShowUserInformation(tr("Info"),
                                         tr("Please to check that the word or wps is installed !"));
            return false;
        }
        m_isWord = true;
    }
    m_application->setProperty("Visible", visible);
    AxObject *documents = m_application->querySubObject("Documents");
    if (!documents)
        return false;
    documents->dynamicCall("Add(QString)", m_isWord ? wordTemplate : wpsTemplate);
    m_document = m_application->querySubObject("ActiveDocument");
    m_opened = m_document != nullptr;
    m_selection = m_application->querySubObject("Selection");
    m_application->setProperty("DisplayAlerts", false);
    return m_opened;
}

bool QWordEngine::save(const QString &path)
{
    m_strError.clear();
    if (!m_document) {
        m_strError = tr("No document is open.");
        return false;
    }
    // The word processor writes a temporary file beside the target, which then replaces it.
    StagedFile file(path);
    if (!file.Prepare()) {
        m_strError = file.ErrorString();
        return false;
    }
    m_document->dynamicCall("SaveAs (const QString&)", file.TemporaryPath());
    if (!file.Commit()) {
        m_strError = file.ErrorString();
        TQ_LOG << "save failed:" << path << m_strError;
        return false;
    }
    TQ_LOG << "save Done.";
    return true;
}

void QWordEngine::close(bool saveChanges)
{
    if (m_application)
        m_application->setProperty("DisplayAlerts", true);
    if (m_document)
        m_document->dynamicCall("Close(bool)", saveChanges);
    if (m_application) {
        TQ_LOG << "Quit before......";
        m_application->dynamicCall("Quit()");
        TQ_LOG << "Quit after......";
    }
    delete m_application;
    m_application = nullptr;
    m_document = nullptr;
    m_selection = nullptr;
    m_opened = false;
}

AxObject *QWordEngine::table(int index)
{
    return m_document ? m_document->querySubObject("Tables(int)", index) : nullptr;
}

AxObject *QWordEngine::selectedCell(int table, int row, int column)
{
    AxObject *tableObject = this->table(table);
    if (!tableObject)
        return nullptr;
    AxObject *cell = tableObject->querySubObject("Cell(int,int)", row, column);
    if (cell)
        cell->dynamicCall("Select(void)");
    return cell;
}

AxObject *QWordEngine::windowSelection()
{
    AxObject *window = m_document->querySubObject("ActiveWindow");
    if (!window) {
        TQ_LOG << "activeWindow is NULL.";
        return nullptr;
    }
    return window->querySubObject("Selection");
}

bool QWordEngine::SetBookmarkText(const QString &bookmark, const QString &text)
{
    if (!m_document)
        return false;
    AxObject *mark = m_document->querySubObject("Bookmarks(QString)", bookmark);
    if (!mark)
        return false;
    mark->dynamicCall("Select(void)");
    return setRangeText(mark, text);
}

bool QWordEngine::setRangeText(AxObject *owner, const QString &text)
{
    AxObject *range = owner->querySubObject("Range");
    return range && range->setProperty("Text", text);
}

void QWordEngine::SetTableCellText(int table, int row, int column, const QString &text)
{
    if (AxObject *cell = selectedCell(table, row, column))
        setRangeText(cell, text);
}

void QWordEngine::SetTableRowHeight(int table, int row, float height)
{
    AxObject *tableObject = this->table(table);
    if (!tableObject)
        return;
    if (AxObject *rowObject = tableObject->querySubObject("Rows(int)", row))
        rowObject->setProperty("Height", double(height));
}

bool QWordEngine::InsertTableRow(int table, int row, int count)
{
    if (count < 1 || !m_document)
        return false;
    if (!selectedCell(table, row, 1))
        return false;
    AxObject *selection = windowSelection();
    if (!selection)
        return false;
    selection->dynamicCall("InsertRowsBelow(int)", count);
    return true;
}

bool QWordEngine::UpdateContent(const QString &bookmark)
{
    if (!m_document)
        return false;
    AxObject *mark = m_document->querySubObject("Bookmarks(QVariant)", bookmark);
    if (!mark)
        return false;
    mark->dynamicCall("Select(void)");
    AxObject *selection = windowSelection();
    if (!selection)
        return false;
    AxObject *fields = selection->querySubObject("Fields");
    if (!fields)
        return false;
    fields->dynamicCall("Update(void)");
    return true;
}

bool QWordEngine::CopyTableFromBookmark(const QString &bookmark, int count)
{
    if (count < 1 || !m_document)
        return false;
    AxObject *mark = m_document->querySubObject("Bookmarks(QVariant)", bookmark);
    if (!mark)
        return false;
    mark->dynamicCall("Select(void)");
    AxObject *selection = windowSelection();
    if (!selection)
        return false;
    selection->dynamicCall("Copy(void)");
    selection->dynamicCall("MoveDown(wdLine,2)");
    for (int i = 0; i < count; ++i) {
        selection->dynamicCall("TypeParagraph(void)");
        selection->dynamicCall("PasteAndFormat (wdPasteDefault)");
    }
    return true;
}

int QWordEngine::GetTotalPages()
{
    if (m_application)
        m_application->setProperty("Visible", true);
    if (!m_document)
        return -1;
    const int pages = m_document->dynamicCall("ComputeStatistics(wdStatisticPages)").toInt();
    TQ_LOG << "GetTotalPages:" << pages;
    return pages < 0 ? 0 : pages;
}

void QWordEngine::SetTableCellShading(int table, int row, int column, int color)
{
    AxObject *cell = selectedCell(table, row, column);
    if (!cell)
        return;
    if (AxObject *shading = cell->querySubObject("Shading")) {
        shading->setProperty("Texture", 0);
        shading->setProperty("ForegroundPatternColor", kAutomaticColor);
        shading->setProperty("BackgroundPatternColor", color);
    }
}

void QWordEngine::InsertPageBreak()
{
    if (!m_selection)
        return;
    m_selection->dynamicCall("MoveDown(wdLine,1)");
    m_selection->dynamicCall("InsertBreak(wdPageBreak)");
}

void QWordEngine::SelectTableCell(int table, int row, int column)
{
    selectedCell(table, row, column);
}

void QWordEngine::SetSelectionFont(const QString &name, float size, bool bold)
{
    if (!m_selection)
        return;
    if (AxObject *font = m_selection->querySubObject("Font")) {
        font->setProperty("Name", name);
        font->setProperty("Size", double(size));
        font->setProperty("Bold", bold);
    }
}

bool QWordEngine::InsertTableCellPicture(int table, int shapeIndex, int row, int column,
                                         const QString &imagePath, int width, int height)
{
    if (!m_document)
        return false;
    AxObject *tableObject = this->table(table);
    if (!tableObject)
        return false;
    AxObject *cell = tableObject->querySubObject("Cell(int, int)", row, column);
    AxObject *range = cell ? cell->querySubObject("Range") : nullptr;
    if (!range)
        return false;
    AxObject *shapes = range->querySubObject("InlineShapes");
    if (!shapes)
        return false;
    // The word processor answers the new shape; nothing means the picture was refused.
    const QVariant added = shapes->dynamicCall(
        "AddPicture(const QString&, const QVariant&, const QVariant&)", imagePath, false, true);
    if (!added.isValid()) {
        TQ_LOG << "picture not inserted:" << imagePath;
        return false;
    }
    AxObject *shape = m_document->querySubObject("InlineShapes(int)", shapeIndex);
    if (!shape)
        return false;
    shape->setProperty("Width", width);
    shape->setProperty("Height", height);
    shape->setProperty("LockAspectRatio", true);
    return true;
}

void QWordEngine::writeRow(AxObject *table, int row, int startColumn, const QStringList &texts,
                           int columnStep)
{
    // A missing cell loses only its own text: the next text goes to the next column.
    int column = startColumn;
    for (const QString &text : texts) {
        if (AxObject *cell = table->querySubObject("Cell(int,int)", row, column)) {
            cell->dynamicCall("Select(void)");
            setRangeText(cell, text);
        }
        column += columnStep;
    }
}

void QWordEngine::SetTableRowTexts(int table, int row, int startColumn, const QStringList &texts,
                                   int columnStep)
{
    if (texts.isEmpty() || !m_document)
        return;
    if (AxObject *tableObject = this->table(table))
        writeRow(tableObject, row, startColumn, texts, columnStep);
}

void QWordEngine::SetTableBlockTexts(int table, int startRow, int startColumn,
                                     const QList<QStringList> &rows, int columnStep, int rowStep)
{
    if (rows.isEmpty() || !m_document)
        return;
    AxObject *tableObject = this->table(table);
    if (!tableObject)
        return;
    int row = startRow;
    for (const QStringList &texts : rows) {
        writeRow(tableObject, row, startColumn, texts, columnStep);
        row += rowStep;
    }
}

bool QWordEngine::SetChartData(int shapeIndex, const QStringList &labels, const QStringList &values)
{
    if (labels.isEmpty() || !m_document)
        return false;
    AxObject *shape = m_document->querySubObject("InlineShapes(int)", shapeIndex);
    if (!shape) {
        TQ_LOG << "shape is NULL";
        return false;
    }
    TQ_LOG << "shape's type:" << shape->property("Type").toInt();
    AxObject *oleFormat = shape->querySubObject("OLEFormat");
    if (!oleFormat) {
        TQ_LOG << "oleFormat is NULL";
        return false;
    }
    TQ_LOG << "DoVerb..";
    oleFormat->dynamicCall("DoVerb()");
    AxObject *object = oleFormat->querySubObject("Object");
    if (!object) {
        TQ_LOG << "worksheet is NULL";
        return false;
    }
    AxObject *chartApp = object->querySubObject("Application");
    if (!chartApp) {
        TQ_LOG << "chartApp is NULL";
        return false;
    }
    chartApp->setProperty("Visible", false);
    if (!m_isWord) {
        GeneratePieChart(object, labels, values);
    } else {
        AxObject *parent = object->querySubObject("Parent");
        if (!parent) {
            TQ_LOG << "parent is NULL";
            return false;
        }
        AxObject *sheet = parent->querySubObject("DataSheet");
        if (!sheet) {
            TQ_LOG << "workbooks is NULL";
            return false;
        }
        for (int i = 0; i < labels.size(); ++i) {
            if (AxObject *cell = sheet->querySubObject("Cells(int,int)", i + 2, 1))
                cell->setProperty("Value", labels.at(i));
            if (AxObject *cell = sheet->querySubObject("Cells(int,int)", i + 2, 2))
                cell->setProperty("Value", values.value(i));
        }
    }
    chartApp->dynamicCall("Update()");
    chartApp->dynamicCall("Quit()");
    return true;
}

bool QWordEngine::GeneratePieChart(AxObject *workbook, const QStringList &labels,
                                   const QStringList &values)
{
    AxObject *worksheet = workbook ? workbook->querySubObject("ActiveSheet") : nullptr;
    if (!worksheet) {
        TQ_LOG << "worksheet is null";
        return false;
    }
    setPieChartData(worksheet, labels, values);
    AxObject *chartObject = worksheet->querySubObject("ChartObjects(int)", 1);
    if (!chartObject) {
        TQ_LOG << "chartObject is null";
        return false;
    }
    AxObject *chart = chartObject->querySubObject("Chart");
    if (!chart) {
        TQ_LOG << "pieChart is null";
        return false;
    }
    AxObject *range = worksheet->querySubObject("Range(const QString&)",
                                                QStringLiteral("B2:C%1").arg(values.size() + 2));
    chart->dynamicCall("SetSourceData(QAxObject*, int)", range ? range->asVariant() : QVariant(),
                       2);
    return true;
}

bool QWordEngine::setPieChartData(AxObject *worksheet, const QStringList &labels,
                                  const QStringList &values)
{
    if (labels.isEmpty() || values.isEmpty() || !worksheet)
        return false;
    const int n = qMin(labels.size(), values.size());
    AxObject *range =
        worksheet->querySubObject("Range(const QString&)", QStringLiteral("B3:C%1").arg(n + 2));
    if (!range) {
        TQ_LOG << "cellrange is null";
        return false;
    }
    QVariantList rows;
    for (int i = 0; i < n; ++i)
        rows << QVariant(QVariantList{labels.at(i), values.at(i)});
    range->dynamicCall("SetValue(const QVariant&)", QVariant(rows));
    return true;
}
