#include "gui/pages/qmanageinterface.h"

#include <cstddef>

#include "core/common/clanguagesettings.h"

namespace {
// The source texts of the titles are the database's column names; the Chinese titles come
// from the translation, the English ones are these tables, so that they follow the chosen
// language whatever the system locale (no translation file is needed for English).
const char *const kProjectTitles[] = {
    QT_TRANSLATE_NOOP("QProjectInfoManage", "ProjectNum"),
    QT_TRANSLATE_NOOP("QProjectInfoManage", "ProjectName"),
    QT_TRANSLATE_NOOP("QProjectInfoManage", "ProjectSite"),
    QT_TRANSLATE_NOOP("QProjectInfoManage", "Principal"),
    QT_TRANSLATE_NOOP("QProjectInfoManage", "CommencementDate"),
    QT_TRANSLATE_NOOP("QProjectInfoManage", "ReportnNumber"),
    QT_TRANSLATE_NOOP("QProjectInfoManage", "ClientnUnits"),
    QT_TRANSLATE_NOOP("QProjectInfoManage", "ConstructionUnits"),
    QT_TRANSLATE_NOOP("QProjectInfoManage", "DesignnUnits"),
    QT_TRANSLATE_NOOP("QProjectInfoManage", "BuildnUnits"),
    QT_TRANSLATE_NOOP("QProjectInfoManage", "SupervisenUnits"),
    QT_TRANSLATE_NOOP("QProjectInfoManage", "MeasureType"),
    QT_TRANSLATE_NOOP("QProjectInfoManage", "MoveMethod"),
    QT_TRANSLATE_NOOP("QProjectInfoManage", "SealMethod"),
    QT_TRANSLATE_NOOP("QProjectInfoManage", "DrainageMethod"),
    QT_TRANSLATE_NOOP("QProjectInfoManage", "DesiltMethod"),
    QT_TRANSLATE_NOOP("QProjectInfoManage", "VedioNums"),
    QT_TRANSLATE_NOOP("QProjectInfoManage", "PipeNums"),
    QT_TRANSLATE_NOOP("QProjectInfoManage", "Mileages"),
    QT_TRANSLATE_NOOP("QProjectInfoManage", "StandardInterpretationNums"),
    QT_TRANSLATE_NOOP("QProjectInfoManage", "InterpretationNums"),
    QT_TRANSLATE_NOOP("QProjectInfoManage", "HashCode"),
};
const char *const kProjectEnglish[] = {
    "Project No.",
    "Project name",
    "Project site",
    "Principal",
    "Start date",
    "Report No.",
    "Client",
    "Contractor",
    "Designer",
    "Builder",
    "Supervisor",
    "Inspection type",
    "Travel method",
    "Plugging method",
    "Drainage method",
    "Desilting method",
    "Videos",
    "Pipes",
    "Length (m)",
    "Graded defects",
    "Interpreted defects",
    "Key",
};
const char *const kProjectColumns[] = {
    "ProjectNumber",       "ProjectName", "ProjectSite",    "Principal",
    "CommencementDate",    "ReportNum",   "ClientUnits",    "ConstructionUnits",
    "DesignUnits",         "BuildUnits",  "SuperviseUnits", "MeasureType",
    "MoveMethod",          "SealMethod",  "DrainageMethod", "DesiltMethod",
    "VedioNums",           "PipeNums",    "Mileages",       "StandardInterpretationNums",
    "iInterpretationNums", "HashCode",
};

const char *const kVideoTitles[] = {
    QT_TRANSLATE_NOOP("QVedioInfoManage", "RoadName"),
    QT_TRANSLATE_NOOP("QVedioInfoManage", "PipeNum"),
    QT_TRANSLATE_NOOP("QVedioInfoManage", "PipeType"),
    QT_TRANSLATE_NOOP("QVedioInfoManage", "PipeMeterial"),
    QT_TRANSLATE_NOOP("QVedioInfoManage", "VedioFileName"),
    QT_TRANSLATE_NOOP("QVedioInfoManage", "RecordDate"),
    QT_TRANSLATE_NOOP("QVedioInfoManage", "ImportDate"),
    QT_TRANSLATE_NOOP("QVedioInfoManage", "DefectNums"),
    QT_TRANSLATE_NOOP("QVedioInfoManage", "Longitude"),
    QT_TRANSLATE_NOOP("QVedioInfoManage", "Latitude"),
    QT_TRANSLATE_NOOP("QVedioInfoManage", "HashCode"),
    QT_TRANSLATE_NOOP("QVedioInfoManage", "ProHashCode"),
    QT_TRANSLATE_NOOP("QVedioInfoManage", "PipeSectionLen"),
    QT_TRANSLATE_NOOP("QVedioInfoManage", "PipeBranchDepth"),
    QT_TRANSLATE_NOOP("QVedioInfoManage", "PipeSectionDiameter"),
};
const char *const kVideoEnglish[] = {
    "Road name",
    "Pipe No.",
    "Pipe type",
    "Pipe material",
    "Video file",
    "Recorded",
    "Imported",
    "Defects",
    "Longitude",
    "Latitude",
    "Key",
    "Project key",
    "Section length (m)",
    "Inspected length (m)",
    "Diameter (mm)",
};
const char *const kVideoColumns[] = {
    "RoadName",   "PipeNum",     "PipeType",       "PipeMeterial",    "VedioFileName",
    "RecordDate", "ImportDate",  "iDefectNums",    "Longitude",       "Latitude",
    "HashCode",   "ProHashCode", "PipeSectionLen", "PipeBranchDepth", "PipeSectionDiameter",
};

const char *const kDefectTitles[] = {
    QT_TRANSLATE_NOOP("QDefectInfoManage", "RoadName"),
    QT_TRANSLATE_NOOP("QDefectInfoManage", "PipeNum"),
    QT_TRANSLATE_NOOP("QDefectInfoManage", "PipeType"),
    QT_TRANSLATE_NOOP("QDefectInfoManage", "PipeMeterial"),
    QT_TRANSLATE_NOOP("QDefectInfoManage", "PipeDiameter"),
    QT_TRANSLATE_NOOP("QDefectInfoManage", "DefectName"),
    QT_TRANSLATE_NOOP("QDefectInfoManage", "DefectLevel"),
    QT_TRANSLATE_NOOP("QDefectInfoManage", "DefectType"),
    QT_TRANSLATE_NOOP("QDefectInfoManage", "DefectPosion"),
    QT_TRANSLATE_NOOP("QDefectInfoManage", "TestDate"),
    QT_TRANSLATE_NOOP("QDefectInfoManage", "InterpretaionDate"),
    QT_TRANSLATE_NOOP("QDefectInfoManage", "HashCode"),
    QT_TRANSLATE_NOOP("QDefectInfoManage", "VedioHashCode"),
    QT_TRANSLATE_NOOP("QDefectInfoManage", "Remark"),
    QT_TRANSLATE_NOOP("QDefectInfoManage", "ImagePath"),
    QT_TRANSLATE_NOOP("QDefectInfoManage", "ProHashCode"),
    QT_TRANSLATE_NOOP("QDefectInfoManage", "TimeIndex"),
    QT_TRANSLATE_NOOP("QDefectInfoManage", "DefectLength"),
};
const char *const kDefectEnglish[] = {
    "Road name",   "Pipe No.",   "Pipe type",         "Pipe material", "Diameter (mm)",
    "Defect",      "Grade",      "Defect type",       "Position",      "Inspection date",
    "Interpreted", "Key",        "Video key",         "Remark",        "Image",
    "Project key", "Time index", "Defect length (m)",
};

template <typename T, std::size_t N>
constexpr int CountOf(T (&)[N])
{
    return int(N);
}
static_assert(CountOf(kProjectTitles) == CountOf(kProjectColumns), "project columns");
static_assert(CountOf(kVideoTitles) == CountOf(kVideoColumns), "video columns");
static_assert(CountOf(kProjectEnglish) == CountOf(kProjectColumns), "project titles");
static_assert(CountOf(kVideoEnglish) == CountOf(kVideoColumns), "video titles");
static_assert(CountOf(kDefectEnglish) == CountOf(kDefectTitles), "defect titles");
} // namespace

QManageInterface *QManageInterface::ForType(int type)
{
    switch (type) {
    case 0:
        return QProjectInfoManage::GetInstance();
    case 1:
        return QVedioInfoManage::GetInstance();
    case 2:
        return QDefectInfoManage::GetInstance();
    default:
        return nullptr;
    }
}

QString QManageInterface::TitleAt(const char *const *titles, const char *const *english,
                                  const char *context, int i) const
{
    if (i < 0 || i >= nColumnCount)
        return QString();
    if (!CLanguageSettings::GetInstance()->IsChinese())
        return QString::fromLatin1(english[i]);
    return QCoreApplication::translate(context, titles[i]);
}

QString QManageInterface::NameAt(const char *const *names, int i) const
{
    if (i < 0 || i >= nColumnCount)
        return QString();
    return QString::fromLatin1(names[i]);
}

QProjectInfoManage::QProjectInfoManage()
    : QManageInterface(CountOf(kProjectColumns))
{}

QProjectInfoManage *QProjectInfoManage::GetInstance()
{
    static QProjectInfoManage instance;
    return &instance;
}

QString QProjectInfoManage::HeaderTitle(int i)
{
    return TitleAt(kProjectTitles, kProjectEnglish, "QProjectInfoManage", i);
}

QString QProjectInfoManage::ColumnName(int i)
{
    return NameAt(kProjectColumns, i);
}

QVedioInfoManage::QVedioInfoManage()
    : QManageInterface(CountOf(kVideoColumns))
{}

QVedioInfoManage *QVedioInfoManage::GetInstance()
{
    static QVedioInfoManage instance;
    return &instance;
}

QString QVedioInfoManage::HeaderTitle(int i)
{
    return TitleAt(kVideoTitles, kVideoEnglish, "QVedioInfoManage", i);
}

QString QVedioInfoManage::ColumnName(int i)
{
    return NameAt(kVideoColumns, i);
}

// The defect titles are the column names themselves.
QDefectInfoManage::QDefectInfoManage()
    : QManageInterface(CountOf(kDefectTitles))
{}

QDefectInfoManage *QDefectInfoManage::GetInstance()
{
    static QDefectInfoManage instance;
    return &instance;
}

QString QDefectInfoManage::HeaderTitle(int i)
{
    return TitleAt(kDefectTitles, kDefectEnglish, "QDefectInfoManage", i);
}

QString QDefectInfoManage::ColumnName(int i)
{
    return NameAt(kDefectTitles, i);
}
