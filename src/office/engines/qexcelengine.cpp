#include "office/engines/qexcelengine.h"

#include <algorithm>

#include <QDir>

#include "core/common/cuserprompt.h"
#include "core/common/debuglog.h"
#include "core/files/stagedfile.h"
#include "office/automation/axobject.h"
#include "office/automation/oleshim.h"

namespace {

// "A".."Z", then two letters up to "ZZ"; empty outside that.
QString ColumnName(int column)
{
    if (column < 0 || column >= 26 * 27)
        return QString();
    if (column < 26)
        return QString(QChar(65 + column));
    return QString(QChar(64 + column / 26)) + QChar(65 + column % 26);
}

// Column letters and the sheet row (row + 1): "B3"; empty when out of range.
QString CellName(int row, int column)
{
    const QString letters = ColumnName(column);
    return letters.isEmpty() || row < 0 ? QString() : letters + QString::number(row + 1);
}

QString RangeName(int row1, int col1, int row2, int col2)
{
    const QString first = CellName(row1, col1);
    const QString second = CellName(row2, col2);
    return first.isEmpty() || second.isEmpty() ? QString() : first + QLatin1Char(':') + second;
}

} // namespace

QExcelEngine::QExcelEngine(QObject *parent)
    : QObject(parent)
{
    const HRESULT result = OleInitialize(nullptr);
    m_oleInitialised = result == S_OK || result == S_FALSE;
    if (!m_oleInitialised)
        TQ_LOG << QStringLiteral("Could not initialize OLE (error %1)").arg(quint32(result), 0, 16);
}

QExcelEngine::~QExcelEngine()
{
    // Only a successful initialisation is balanced; a failed one has nothing to release.
    if (m_oleInitialised)
        OleUninitialize();
}

bool QExcelEngine::Open(const QString &path, bool visible)
{
    if (m_application)
        Close();
    m_opened = false;
    m_application = new AxObject(this);
    if (!m_application->setControl(QStringLiteral("Excel.Application")) &&
        !m_application->setControl(QStringLiteral("KET.Application"))) {
        delete m_application;
        m_application = nullptr;
        Prompts::ShowUserInformation(tr("Info"),
                                     tr("Please to check that the Excel or ET is installed ?"));
        return false;
    }
    m_application->dynamicCall("SetVisible (bool Visible)", visible);
    m_application->setProperty("DisplayAlerts", false);
    m_workbooks = m_application->querySubObject("WorkBooks");
    if (!m_workbooks)
        return false;
    if (!path.isEmpty()) {
        m_workbook = m_workbooks->querySubObject("Open(const Variant&)", path);
    } else {
        m_workbooks->dynamicCall("Add");
        m_workbook = m_application->querySubObject("ActiveWorkBook");
    }
    if (!m_workbook)
        return false;
    m_sheets = m_workbook->querySubObject("Sheets");
    if (!m_sheets)
        return false;
    m_sheet = m_sheets->querySubObject("Item(int)", 1);
    if (!m_sheet)
        return false;
    m_opened = true;
    m_openedExisting = !path.isEmpty();
    m_strOpenedPath = path;
    return true;
}

bool QExcelEngine::Save(const QString &path)
{
    m_strError.clear();
    if (!m_opened || !m_workbook) {
        m_strError = tr("No workbook is open.");
        return false;
    }
    // Also an opened file is written as a new one beside it, which then replaces it: saving
    // in place would leave a damaged file behind when the disk fills up.
    StagedFile file(m_openedExisting ? m_strOpenedPath : path);
    if (!file.Prepare()) {
        m_strError = file.ErrorString();
        return false;
    }
    m_workbook->dynamicCall("SaveAs(const QString&)",
                            QDir::toNativeSeparators(file.TemporaryPath()));
    if (!file.Commit()) {
        m_strError = file.ErrorString();
        TQ_LOG << "Save failed:" << path << m_strError;
        return false;
    }
    return true;
}

void QExcelEngine::Close()
{
    if (m_workbook)
        m_workbook->dynamicCall("Close()");
    if (m_application)
        m_application->dynamicCall("Quit()");
    delete m_application; // and every sub-object with it
    m_application = nullptr;
    m_workbooks = nullptr;
    m_workbook = nullptr;
    m_sheets = nullptr;
    m_sheet = nullptr;
    m_range = nullptr;
    m_opened = false;
    m_openedExisting = false;
    m_strOpenedPath.clear();
}

void QExcelEngine::SetCellData(int row, int column, const QVariant &value)
{
    if (!m_sheet)
        return;
    AxObject *cell = m_sheet->querySubObject("Cells(int,int)", row + 1, column + 1);
    if (cell) {
        cell->dynamicCall("SetValue(const QVariant&)", value);
        delete cell; // a sheet may take many single cells
    }
}

bool QExcelEngine::SelectSheet(int index)
{
    if (!m_sheets)
        return false;
    bool ok = false;
    const int count = m_sheets->property("Count").toInt(&ok);
    if (!ok)
        return false;
    index = std::max(index, 1);
    if (index < count) {
        m_sheet = m_sheets->querySubObject("Item(int)", index);
    } else {
        // The new sheet goes in before the last one, which is then moved behind it.
        AxObject *last = m_sheets->querySubObject("Item(int)", count);
        AxObject *added =
            last ? m_sheets->querySubObject("Add(QVariant)", last->asVariant()) : nullptr;
        if (added) {
            last->dynamicCall("Move(QVariant)", added->asVariant());
            added->dynamicCall("Activate()");
        }
        m_sheet = added;
    }
    return m_sheet != nullptr;
}

void QExcelEngine::SetSheetName(const QString &name)
{
    if (m_sheet && !name.isEmpty())
        m_sheet->setProperty("Name", name);
}

AxObject *QExcelEngine::GetRange(int row1, int col1, int row2, int col2)
{
    if (!m_sheet)
        return nullptr;
    const QString name = RangeName(std::min(row1, row2), std::min(col1, col2), std::max(row1, row2),
                                   std::max(col1, col2));
    m_range = name.isEmpty() ? nullptr : m_sheet->querySubObject("Range(const QString&)", name);
    return m_range;
}

void QExcelEngine::SetRangeData(int row1, int col1, int row2, int col2, const QVariant &data)
{
    if (AxObject *range = GetRange(row1, col1, row2, col2))
        range->dynamicCall("SetValue(const QVariant&)", data);
}

void QExcelEngine::SetNumberFormat(int row1, int col1, int row2, int col2, const QString &format)
{
    if (AxObject *range = GetRange(row1, col1, row2, col2))
        range->setProperty("NumberFormatLocal", format);
}

void QExcelEngine::AutoFitColumns()
{
    if (!m_sheet)
        return;
    if (AxObject *columns = m_sheet->querySubObject("Columns")) {
        columns->dynamicCall("AutoFit");
        delete columns;
    }
}

void QExcelEngine::MergeCells(int row1, int col1, int row2, int col2, const QString &text)
{
    AxObject *range = GetRange(row1, col1, row2, col2);
    if (!range)
        return;
    range->dynamicCall("Merge()");
    // The text goes into the merged area's top-left cell, whichever corners were given.
    if (!text.isEmpty())
        SetCellData(std::min(row1, row2), std::min(col1, col2), text);
}

void QExcelEngine::SetBold(int row1, int col1, int row2, int col2)
{
    AxObject *range = GetRange(row1, col1, row2, col2);
    if (AxObject *font = range ? range->querySubObject("Font") : nullptr) {
        font->setProperty("Bold", true);
        delete font;
    }
}

void QExcelEngine::SetAlignment(int row1, int col1, int row2, int col2, int horizontal,
                                int vertical)
{
    if (AxObject *range = GetRange(row1, col1, row2, col2)) {
        range->setProperty("HorizontalAlignment", horizontal);
        range->setProperty("VerticalAlignment", vertical);
    }
}

void QExcelEngine::SetFillColor(int row1, int col1, int row2, int col2)
{
    AxObject *range = GetRange(row1, col1, row2, col2);
    AxObject *interior = range ? range->querySubObject("Interior") : nullptr;
    if (!interior)
        return;
    interior->setProperty("Pattern", 1);               // solid
    interior->setProperty("PatternColorIndex", -4105); // automatic
    interior->setProperty("Color", 10086143);          // 0x99E6FF, light yellow in BGR
    interior->setProperty("TintAndShade", 0);
    interior->setProperty("PatternTintAndShade", 0);
    delete interior;
}

void QExcelEngine::FreezeRow(int row)
{
    if (!m_application || !m_sheet)
        return;
    // Addressing the cell below the frozen rows puts the window's split there.
    delete m_sheet->querySubObject("Range(const QString&)", CellName(row, 0));
    TQ_LOG << "Before Activate ......";
    m_sheet->dynamicCall("Activate");
    TQ_LOG << "After Activate ......";
    if (AxObject *window = m_application->querySubObject("ActiveWindow")) {
        window->setProperty("FreezePanes", true);
        delete window;
    }
}

void QExcelEngine::SetBorders(int row1, int col1, int row2, int col2)
{
    AxObject *range = GetRange(row1, col1, row2, col2);
    AxObject *borders = range ? range->querySubObject("Borders") : nullptr;
    if (!borders)
        return;
    // Left, top, bottom, right, inside vertical, inside horizontal.
    for (int index = 7; index <= 12; ++index) {
        if (AxObject *border = borders->querySubObject("Item(int)", index)) {
            border->setProperty("LineStyle", 1); // continuous
            border->setProperty("ColorIndex", 0);
            border->setProperty("TintAndShade", 0);
            border->setProperty("Weight", 2); // thin
            delete border;
        }
    }
    delete borders;
}
