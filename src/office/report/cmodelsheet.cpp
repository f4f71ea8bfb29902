#include "office/report/cmodelsheet.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "core/common/debuglog.h"
#include "core/inspection/cdefectvocabulary.h"

namespace {
constexpr int kCentre = -4108;
const QString kDefaultSheet = QStringLiteral("Sheet1");
constexpr int kMaxSheetName = 31; // what spreadsheet programs accept

const char *const kProjectHeaders[] = {
    QT_TRANSLATE_NOOP("CModelSheet", "Project No."),
    QT_TRANSLATE_NOOP("CModelSheet", "Project name"),
    QT_TRANSLATE_NOOP("CModelSheet", "Project site"),
    QT_TRANSLATE_NOOP("CModelSheet", "In charge"),
    QT_TRANSLATE_NOOP("CModelSheet", "Date commenced"),
    QT_TRANSLATE_NOOP("CModelSheet", "Report No."),
    QT_TRANSLATE_NOOP("CModelSheet", "Client unit"),
    QT_TRANSLATE_NOOP("CModelSheet", "Development unit"),
    QT_TRANSLATE_NOOP("CModelSheet", "Design unit"),
    QT_TRANSLATE_NOOP("CModelSheet", "Construction unit"),
    QT_TRANSLATE_NOOP("CModelSheet", "Supervision unit"),
    QT_TRANSLATE_NOOP("CModelSheet", "Inspection type"),
    QT_TRANSLATE_NOOP("CModelSheet", "Movement method"),
    QT_TRANSLATE_NOOP("CModelSheet", "Plugging method"),
    QT_TRANSLATE_NOOP("CModelSheet", "Drainage method"),
    QT_TRANSLATE_NOOP("CModelSheet", "Cleaning method"),
};
const char *const kVideoHeaders[] = {
    QT_TRANSLATE_NOOP("CModelSheet", "Road Name"),
    QT_TRANSLATE_NOOP("CModelSheet", "Pipeline No."),
    QT_TRANSLATE_NOOP("CModelSheet", "Pipeline type"),
    QT_TRANSLATE_NOOP("CModelSheet", "Pipeline material"),
    QT_TRANSLATE_NOOP("CModelSheet", "Video name"),
    QT_TRANSLATE_NOOP("CModelSheet", "Inner name"),
    QT_TRANSLATE_NOOP("CModelSheet", "Record date"),
    QT_TRANSLATE_NOOP("CModelSheet", "Export date"),
    QT_TRANSLATE_NOOP("CModelSheet", "Interpretion count"),
};
const char *const kRecordHeaders[] = {
    QT_TRANSLATE_NOOP("CModelSheet", "Road Name"),
    QT_TRANSLATE_NOOP("CModelSheet", "Pipeline No."),
    QT_TRANSLATE_NOOP("CModelSheet", "Pipeline type"),
    QT_TRANSLATE_NOOP("CModelSheet", "Pipeline material"),
    QT_TRANSLATE_NOOP("CModelSheet", "Pipeline diameter"),
    QT_TRANSLATE_NOOP("CModelSheet", "Defect name"),
    QT_TRANSLATE_NOOP("CModelSheet", "Grade"),
    QT_TRANSLATE_NOOP("CModelSheet", "Defect property"),
    QT_TRANSLATE_NOOP("CModelSheet", "Defect position"),
    QT_TRANSLATE_NOOP("CModelSheet", "Defect length"),
    QT_TRANSLATE_NOOP("CModelSheet", "Defect description"),
    QT_TRANSLATE_NOOP("CModelSheet", "Defect score"),
    QT_TRANSLATE_NOOP("CModelSheet", "Interpretion remark"),
    QT_TRANSLATE_NOOP("CModelSheet", "Image name"),
    QT_TRANSLATE_NOOP("CModelSheet", "Inspection Date"),
    QT_TRANSLATE_NOOP("CModelSheet", "Interpretation date"),
};

QString Tr(const char *text)
{
    return QCoreApplication::translate("CModelSheet", text);
}

template <size_t N>
QStringList Translated(const char *const (&texts)[N])
{
    QStringList list;
    for (const char *text : texts)
        list << Tr(text);
    return list;
}

// "Starting well" / "Ending well" joined with "No", "Type" or "Defect".
QString WellHeader(const char *well, const char *part)
{
    return QCoreApplication::translate("CModelSheet", "%1 %2").arg(Tr(well), Tr(part));
}

QStringList DetectedHeaders()
{
    const char *start = QT_TRANSLATE_NOOP("CModelSheet", "Starting well");
    const char *end = QT_TRANSLATE_NOOP("CModelSheet", "Ending well");
    const char *no = QT_TRANSLATE_NOOP("CModelSheet", "No");
    const char *type = QT_TRANSLATE_NOOP("CModelSheet", "Type");
    const char *defect = QT_TRANSLATE_NOOP("CModelSheet", "Defect");
    const QString bodyMaterial = Tr(QT_TRANSLATE_NOOP("CModelSheet", "Well body material"));
    const QString lidMaterial = Tr(QT_TRANSLATE_NOOP("CModelSheet", "Well lid material"));
    const QString name = Tr(QT_TRANSLATE_NOOP("CModelSheet", "Parameter name"));
    const QString value = Tr(QT_TRANSLATE_NOOP("CModelSheet", "Parameter value"));
    const QString count = Tr(QT_TRANSLATE_NOOP("CModelSheet", "Count"));
    const QString grade = Tr(QT_TRANSLATE_NOOP("CModelSheet", "Defect grade"));
    const QString density = Tr(QT_TRANSLATE_NOOP("CModelSheet", "Defect density"));
    const QString overall =
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "evaluation in \ncolligation condition"));
    return {
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Video No.")),
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Video name")),
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Road Name")),
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Pipeline No.")),
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Inspection Date")),
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Inspection direction")),
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Inspection remark")),
        // 7-14: the start well
        WellHeader(start, no),
        WellHeader(start, type),
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Wellhead latitude")),
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Wellhead longitude")),
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Wellhead elevation")),
        bodyMaterial,
        WellHeader(start, defect),
        lidMaterial,
        // 15-19: the end well
        WellHeader(end, no),
        WellHeader(end, type),
        WellHeader(end, defect),
        bodyMaterial,
        lidMaterial,
        // 20-21: buried depth
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Starting point")),
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Ending point")),
        // 22-29: the pipe
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Pipeline dia.\n(mm)")),
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Pipeline type")),
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Pipeline shape")),
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Interface form")),
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Pipeline material")),
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Pipeline length\n(m)")),
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Inspection len.\n(m)")),
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Laying date")),
        // 30-32: inspector
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Operator ID")),
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Operator name")),
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Operator duties")),
        // 33-37: equipment
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Equipment No.")),
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Equipment ID")),
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Equipment type")),
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Equipment name")),
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Equipment vendor")),
        // 38-42: K, T, E
        name,
        value,
        name,
        value,
        QString(),
        // 43-49 structural, 50-56 functional
        count,
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Avg S")),
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Maximum\nSmax")),
        grade,
        density,
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "restoration\nIndex RI")),
        overall,
        count,
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Avg Y")),
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Maximum\nYmax")),
        grade,
        density,
        Tr(QT_TRANSLATE_NOOP("CModelSheet", "Maintenance\nindex MI")),
        overall,
    };
}

// Text format on columns 3, 30, 33 and 34 of kind 3; dates elsewhere.
struct ColumnFormat
{
    int column;
    const char *format;
};
QList<ColumnFormat> FormatsOf(int kind)
{
    switch (kind) {
    case CModelSheet::ProjectDetails:
        return {{4, "yyyy-mm-dd"}};
    case CModelSheet::AcceptanceVideo:
        return {{6, "yyyy-mm-dd hh:mm:ss"}, {7, "yyyy-mm-dd hh:mm:ss"}};
    case CModelSheet::DetectedAndEvaluated:
        return {{3, "@"}, {30, "@"}, {33, "@"}, {34, "@"}};
    default:
        return {{14, "yyyy-mm-dd hh:mm:ss"}, {15, "yyyy-mm-dd hh:mm:ss"}};
    }
}
} // namespace

CModelSheet::CModelSheet(const QString &sheetName, int reuse, QObject *parent)
    : QObject(parent)
    , m_strSheetName(sheetName)
    , m_nReuse(reuse)
{}

CModelSheet::~CModelSheet() = default;

QStringList CModelSheet::HeaderTexts(int kind)
{
    switch (kind) {
    case ProjectDetails:
        return Translated(kProjectHeaders);
    case AcceptanceVideo:
        return Translated(kVideoHeaders);
    case DetectedAndEvaluated:
        return DetectedHeaders();
    default:
        return Translated(kRecordHeaders);
    }
}

QString CModelSheet::AreaText(int nAreaProperty)
{
    return CDefectVocabulary::AreaTexts().value(nAreaProperty);
}

QString CModelSheet::SoilText(int nSoilProperty)
{
    return CDefectVocabulary::SoilTexts().value(nSoilProperty);
}

QString CModelSheet::SheetNameFor(const QString &title)
{
    QString name = title;
    name.remove(QRegularExpression(QStringLiteral("[:\\\\/?*\\[\\]]")));
    return name.left(kMaxSheetName).trimmed();
}

bool CModelSheet::OpenExcel(const QString &path)
{
    if (!m_excel.Open(path, false))
        return false;
    TQ_LOG << "OpenExcel Sucessed!!!";
    return true;
}

void CModelSheet::WriteGroupHeaders(int row)
{
    struct Group
    {
        int first;
        int last;
        const char *text;
    };
    static const Group groups[] = {
        {7, 14, QT_TRANSLATE_NOOP("CModelSheet", "Starting inspection well")},
        {15, 19, QT_TRANSLATE_NOOP("CModelSheet", "Ending inspection well")},
        {20, 21, QT_TRANSLATE_NOOP("CModelSheet", "Buried depth")},
        {30, 32, QT_TRANSLATE_NOOP("CModelSheet", "Inspector")},
        {33, 37, QT_TRANSLATE_NOOP("CModelSheet", "Equipment")},
        {38, 39, QT_TRANSLATE_NOOP("CModelSheet", "Regional importance parameter(K)")},
        {40, 41, QT_TRANSLATE_NOOP("CModelSheet", "Soil Influence Parameter(T)")},
        {43, 49, QT_TRANSLATE_NOOP("CModelSheet", "Structural defects")},
        {50, 56, QT_TRANSLATE_NOOP("CModelSheet", "Functional defects")},
    };
    for (const Group &group : groups)
        m_excel.MergeCells(row, group.first, row, group.last, Tr(group.text));
    // The pipe's importance parameter stands over the group and the column header rows.
    m_excel.MergeCells(row, 42, row + 1, 42,
                       Tr(QT_TRANSLATE_NOOP("CModelSheet", "Pipeline primary \nparameter\n(E)")));
}

bool CModelSheet::DoExportSheet(const QString &path, const QVariant &header, const QVariant &data,
                                const int &rows, const int &columns, int kind)
{
    m_strError.clear();
    const bool reuse = m_nReuse != 0 && QFileInfo::exists(path);
    if (!OpenExcel(reuse ? path : QString())) {
        m_excel.Close();
        m_strError =
            reuse ? tr("%1 could not be opened as a workbook.").arg(QDir::toNativeSeparators(path))
                  : tr("No spreadsheet program could make the workbook.");
        return false;
    }
    TQ_LOG << "DoExportSheet......";
    const int lastColumn = columns - 1;
    const bool titled = m_strSheetName != kDefaultSheet;
    int headerRow = 0;
    if (titled) {
        m_excel.MergeCells(0, 0, 0, lastColumn, m_strSheetName);
        headerRow = 1;
    }
    const int firstHeaderRow = headerRow;
    if (kind == DetectedAndEvaluated) {
        WriteGroupHeaders(headerRow);
        ++headerRow;
    }
    m_excel.SetRangeData(headerRow, 0, headerRow, lastColumn,
                         QVariantList{QVariant(header.toList())});
    m_excel.SetFillColor(firstHeaderRow, 0, headerRow, lastColumn);
    m_excel.SetBold(0, 0, headerRow, lastColumn);

    const int firstDataRow = headerRow + 1;
    const int lastRow = headerRow + qMax(rows, 1);
    for (const ColumnFormat &format : FormatsOf(kind))
        if (format.column <= lastColumn)
            m_excel.SetNumberFormat(firstDataRow, format.column, lastRow, format.column,
                                    QString::fromLatin1(format.format));
    if (rows > 0)
        m_excel.SetRangeData(firstDataRow, 0, firstDataRow + rows - 1, lastColumn, data);

    const int usedLastRow = headerRow + rows;
    m_excel.SetBorders(0, 0, usedLastRow, lastColumn);
    m_excel.SetAlignment(0, 0, usedLastRow, lastColumn, kCentre, kCentre);
    m_excel.AutoFitColumns();
    if (titled) {
        m_excel.SetSheetName(SheetNameFor(m_strSheetName));
        m_excel.FreezeRow(firstDataRow);
    }
    const bool saved = m_excel.Save(path);
    m_strError = m_excel.ErrorString();
    m_excel.Close();
    return saved;
}

bool CModelSheet::ExportProjectDetails(const QString &path, const QVariant &data, int rows,
                                       int columns)
{
    return DoExportSheet(path, HeaderTexts(ProjectDetails), data, rows, columns, ProjectDetails);
}

bool CModelSheet::ExportAcceptanceVideo(const QString &path, const QVariant &data, int rows,
                                        int columns)
{
    return DoExportSheet(path, HeaderTexts(AcceptanceVideo), data, rows, columns, AcceptanceVideo);
}

bool CModelSheet::ExportInterpretationRecord(const QString &path, const QVariant &data, int rows,
                                             int columns)
{
    return DoExportSheet(path, HeaderTexts(InterpretationRecord), data, rows, columns,
                         InterpretationRecord);
}

bool CModelSheet::ExportDetectedAndEvaluated(const QString &path, const QVariant &data, int rows,
                                             int columns)
{
    return DoExportSheet(path, HeaderTexts(DetectedAndEvaluated), data, rows, columns,
                         DetectedAndEvaluated);
}
