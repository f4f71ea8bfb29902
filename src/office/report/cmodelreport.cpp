#include "office/report/cmodelreport.h"

#include <QCoreApplication>

#include "core/common/debuglog.h"

namespace {

const char *const kPipeTypes[] = {
    QT_TRANSLATE_NOOP("CModelReport", "Rainwater pipe"),
    QT_TRANSLATE_NOOP("CModelReport", "Sewerage pipe"),
    QT_TRANSLATE_NOOP("CModelReport", "Combined Sewer"),
};

const char *const kMaterials[] = {
    QT_TRANSLATE_NOOP("CModelReport", "BL Glass steel tube"),
    QT_TRANSLATE_NOOP("CModelReport", "GG Steel tube"),
    QT_TRANSLATE_NOOP("CModelReport", "GH Reinforced concrete pipe"),
    QT_TRANSLATE_NOOP("CModelReport", "HDPE Double-wall corrugated pipe"),
    QT_TRANSLATE_NOOP("CModelReport", "HN Concrete pipe"),
    QT_TRANSLATE_NOOP("CModelReport", "SL Plastic pipe"),
    QT_TRANSLATE_NOOP("CModelReport", "SM Asbestos cement pipe"),
    QT_TRANSLATE_NOOP("CModelReport", "TC Ceramic tube"),
    QT_TRANSLATE_NOOP("CModelReport", "TT Vitrified clay pipe"),
    QT_TRANSLATE_NOOP("CModelReport", "ZS Masonry ditch"),
    QT_TRANSLATE_NOOP("CModelReport", "ZT Cast-iron pipe"),
};

const char *const kWellTypeTexts[CModelReport::kWellTypes] = {
    QT_TRANSLATE_NOOP("CModelReport", "Storm water inlet"),
    QT_TRANSLATE_NOOP("CModelReport", "Inspection well"),
    QT_TRANSLATE_NOOP("CModelReport", "Continuous concealed well"),
    QT_TRANSLATE_NOOP("CModelReport", "Overflow well"),
    QT_TRANSLATE_NOOP("CModelReport", "Drop well"),
    QT_TRANSLATE_NOOP("CModelReport", "Trapped well"),
    QT_TRANSLATE_NOOP("CModelReport", "Flushing well"),
    QT_TRANSLATE_NOOP("CModelReport", "Silt well"),
    QT_TRANSLATE_NOOP("CModelReport", "Gate well"),
    QT_TRANSLATE_NOOP("CModelReport", "Tide gate well"),
    QT_TRANSLATE_NOOP("CModelReport", "Inverted siphon"),
    QT_TRANSLATE_NOOP("CModelReport", "Others"),
};

const char *const kInsideWellDefects[] = {
    QT_TRANSLATE_NOOP("CModelReport", "scum"),
    QT_TRANSLATE_NOOP("CModelReport", "water stream blocked"),
    QT_TRANSLATE_NOOP("CModelReport", "shaft bottom silt or sundries"),
    QT_TRANSLATE_NOOP("CModelReport", "launder breakage"),
    QT_TRANSLATE_NOOP("CModelReport", "pipe orifice hole"),
    QT_TRANSLATE_NOOP("CModelReport", "plaster fall off"),
    QT_TRANSLATE_NOOP("CModelReport", "Wall leakage"),
    QT_TRANSLATE_NOOP("CModelReport", "Wall Cracks"),
    QT_TRANSLATE_NOOP("CModelReport", "Wall dirt"),
    QT_TRANSLATE_NOOP("CModelReport", "ladder loose, corroded or defective"),
    QT_TRANSLATE_NOOP("CModelReport", "chain or lock"),
    QT_TRANSLATE_NOOP("CModelReport", "ant-falling net lost"),
    QT_TRANSLATE_NOOP("CModelReport", "connecting-pipe abnormal"),
    QT_TRANSLATE_NOOP("CModelReport", "well tilt"),
    QT_TRANSLATE_NOOP("CModelReport", "illegal pipe connection"),
    QT_TRANSLATE_NOOP("CModelReport", "water flow blocked"),
    QT_TRANSLATE_NOOP("CModelReport", "mud siltation or sundries"),
    QT_TRANSLATE_NOOP("CModelReport", "plaster flaking"),
    QT_TRANSLATE_NOOP("CModelReport", "crack or leakage"),
    QT_TRANSLATE_NOOP("CModelReport", "hinge or chain breakage"),
};

const char *const kCoverWellDefects[] = {
    QT_TRANSLATE_NOOP("CModelReport", "heavy manhole covers (on road)"),
    QT_TRANSLATE_NOOP("CModelReport", "manhole covers marked wrongly"),
    QT_TRANSLATE_NOOP("CModelReport", "surrounding roadsides breakage or collapsed"),
    QT_TRANSLATE_NOOP("CModelReport", "beating and acoustic"),
    QT_TRANSLATE_NOOP("CModelReport", "cover frame protruding or sunken"),
    QT_TRANSLATE_NOOP("CModelReport", "cover frame height difference"),
    QT_TRANSLATE_NOOP("CModelReport", "cover frame gap"),
    QT_TRANSLATE_NOOP("CModelReport", "manhole frame breakage"),
    QT_TRANSLATE_NOOP("CModelReport", "manhole covers breakage"),
    QT_TRANSLATE_NOOP("CModelReport", "manhole covers lost"),
    QT_TRANSLATE_NOOP("CModelReport", "manhole covers buried"),
    QT_TRANSLATE_NOOP("CModelReport", "road settlement or stagnant water"),
    QT_TRANSLATE_NOOP("CModelReport", "smelly"),
    QT_TRANSLATE_NOOP("CModelReport", "rain frame protruding"),
    QT_TRANSLATE_NOOP("CModelReport", "hole clogged"),
    QT_TRANSLATE_NOOP("CModelReport", "rain outlet frame breakage"),
    QT_TRANSLATE_NOOP("CModelReport", "rain grate breakage"),
    QT_TRANSLATE_NOOP("CModelReport", "rain grate lost"),
};

template <int N>
QString TableText(const char *const (&texts)[N], int index)
{
    if (index < 0 || index >= N)
        return CModelReport::tr("Unknow");
    return CModelReport::tr(texts[index]);
}

template <int N>
QStringList TableTexts(const char *const (&texts)[N])
{
    QStringList list;
    for (const char *text : texts)
        list << CModelReport::tr(text);
    return list;
}

} // namespace

CModelReport::CModelReport(const ReportInputs &inputs, QObject *parent)
    : QObject(parent)
    , m_inputs(inputs)
    , m_wordEngine(this)
{
    ResetStatistics();
}

CModelReport::~CModelReport() = default;

QString CModelReport::PipeTypeText(int index)
{
    return TableText(kPipeTypes, index);
}

QString CModelReport::MaterialText(int index)
{
    return TableText(kMaterials, index);
}

QString CModelReport::WellTypeText(int index)
{
    return TableText(kWellTypeTexts, index);
}

QStringList CModelReport::InsideWellDefects()
{
    return TableTexts(kInsideWellDefects);
}

QStringList CModelReport::CoverWellDefects()
{
    return TableTexts(kCoverWellDefects);
}

const CReportItem *CModelReport::ItemAt(int index) const
{
    if (index < 0 || index >= int(m_items.size()))
        return nullptr;
    return m_items[size_t(index)].get();
}

int CModelReport::DefectCount(int type, int grade) const
{
    if (type < 0 || type >= kTypes || grade < 0 || grade >= kGrades)
        return 0;
    return m_nDefectCount[type][grade];
}

int CModelReport::TypeTotal(int type) const
{
    return type >= 0 && type < kTypes ? m_nTypeTotal[type] : 0;
}

int CModelReport::GradeTotal(int grade) const
{
    return grade >= 0 && grade < kGrades ? m_nGradeTotal[grade] : 0;
}

void CModelReport::ResetStatistics()
{
    for (auto &row : m_nDefectCount)
        std::fill(std::begin(row), std::end(row), 0);
    std::fill(std::begin(m_nTypeTotal), std::end(m_nTypeTotal), 0);
    std::fill(std::begin(m_nGradeTotal), std::end(m_nGradeTotal), 0);
    m_nDefectTotal = 0;
    m_nItemCount = 0;
    m_fSectionLength = 0;
    m_nEvaluated = 0;
    m_fSecondLength = 0;
    m_nWithDefects = 0;
    m_nStructuralPositions = 0;
    m_nFunctionalPositions = 0;
    m_dateFrom = QDate();
    m_dateTo = QDate();
    m_workAmounts.clear();
    m_wells.clear();
}

void CModelReport::Clear()
{
    m_items.clear();
    ResetStatistics();
}

void CModelReport::InsertReportItem(const QString &rtvPath, const QString &videoPath)
{
    for (const auto &item : m_items) {
        if (item->GetPath() == rtvPath)
            return;
    }
    auto item = std::make_unique<CReportItem>();
    if (!item->Init(rtvPath, videoPath))
        return;

    const CFileRTV &file = item->GetFileRTV();
    for (int type = 0; type < kTypes; ++type) {
        for (int grade = 0; grade < kGrades; ++grade) {
            const int count = item->GetDefectCount(type, grade);
            m_nDefectCount[type][grade] += count;
            m_nTypeTotal[type] += count;
            m_nGradeTotal[grade] += count;
            m_nDefectTotal += count;
        }
    }
    const PipelineParam &pipe = file.GetPipelineParam();
    m_fSectionLength += pipe.fPipeSectionLen;
    m_fSecondLength += pipe.fPipeBranchDepth;
    if (item->IsEvaluated())
        ++m_nEvaluated;
    if (item->HasDefects())
        ++m_nWithDefects;

    AddDate(item->GetTestDate());
    AddWorkAmount(file);
    AddWell(pipe.startWell);
    AddWell(pipe.endWell);

    m_items.push_back(std::move(item));
    m_nItemCount = int(m_items.size());
}

void CModelReport::AddDate(const QString &text)
{
    QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid())
        date = QDate::fromString(text, QString::fromUtf8("yyyy年MM月dd日"));
    if (!date.isValid())
        return;
    if (!m_dateFrom.isValid() || !m_dateTo.isValid()) {
        m_dateFrom = date;
        m_dateTo = date;
        return;
    }
    if (date > m_dateTo)
        m_dateTo = date;
    if (date < m_dateFrom) {
        m_dateFrom = date;
        TQ_LOG << "dateFrom change:" << m_dateFrom;
    }
}

void CModelReport::AddWorkAmount(const CFileRTV &file)
{
    const PipelineParam &pipe = file.GetPipelineParam();
    const bool interpreted = file.GetProjectParam().bIsInterpretation;
    for (CWorkAmount &group : m_workAmounts) {
        if (group.nType == pipe.nPipeSectionType && group.nMaterial == pipe.nPipeSectionMaterial &&
            group.nDiameter == pipe.nPipeSectionDiameter) {
            group.fLength += pipe.fPipeSectionLen;
            group.fSecondLength += pipe.fPipeBranchDepth;
            ++group.nCount;
            if (interpreted)
                ++group.nInterpreted;
            return;
        }
    }
    CWorkAmount group;
    group.nType = pipe.nPipeSectionType;
    group.nMaterial = pipe.nPipeSectionMaterial;
    group.nDiameter = pipe.nPipeSectionDiameter;
    group.fLength = pipe.fPipeSectionLen;
    group.fSecondLength = pipe.fPipeBranchDepth;
    group.nCount = 1;
    group.nInterpreted = interpreted ? 1 : 0;
    group.strText = tr("%1(%2)").arg(PipeTypeText(group.nType), MaterialText(group.nMaterial));
    m_workAmounts << group;
}

void CModelReport::AddWell(const CWellParam &well)
{
    for (const CWellParam &known : m_wells) {
        if (known.strWellNum == well.strWellNum)
            return;
    }
    m_wells << well;
}

QList<const CReportItem *> CModelReport::EvaluatedItems() const
{
    QList<const CReportItem *> list;
    for (const auto &item : m_items) {
        if (item->IsEvaluated())
            list << item.get();
    }
    return list;
}

bool CModelReport::GenerateReport(const QString &savePath)
{
    const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/Report-Modal/");
    const bool chinese = m_inputs.chinese;
    const QString wordTemplate =
        dir + (chinese ? QStringLiteral("Report-Test.dot") : QStringLiteral("Report-Test_en.dot"));
    const QString wpsTemplate = dir + (chinese ? QStringLiteral("Report-Test_wps.dot")
                                               : QStringLiteral("Report-Test_wps_en.dot"));
    m_strError.clear();
    if (!m_wordEngine.open(wordTemplate, wpsTemplate, false)) {
        TQ_LOG << "Open Word Failed";
        m_strError = tr("No word processor could make the report.");
        return false;
    }
    m_nTableIndex = 1;
    m_nShapeIndex = 2;

    TQ_LOG << m_nTableIndex << "WriteHomePage";
    WriteHomePage();
    TQ_LOG << m_nTableIndex << "WriteProjectInfoTable";
    WriteProjectInfoTable(m_nTableIndex++);
    TQ_LOG << m_nTableIndex << "WriteWorkAmountTable";
    WriteWorkAmountTable(m_nTableIndex++);
    TQ_LOG << m_nTableIndex << "WriteWellInfoTable";
    WriteWellInfoTable(m_nTableIndex++);
    TQ_LOG << m_nTableIndex << "WriteWellDefectTable";
    WriteWellDefectTable(m_nTableIndex++);
    TQ_LOG << m_nTableIndex << "WritePipelineDefectTable";
    WritePipelineDefectTable(m_nTableIndex++);
    TQ_LOG << m_nTableIndex << "WritePipelineDefectCountTable";
    WritePipelineDefectCountTable(m_nTableIndex);
    WriteDefectPieChart(m_nShapeIndex);
    // The count table is followed by twelve fixed tables of the template.
    m_nTableIndex += 13;
    TQ_LOG << m_nTableIndex << "WritePipeSectionAssessmentTable";
    WritePipeSectionAssessmentTable(m_nTableIndex++);
    TQ_LOG << m_nTableIndex << "WritePipeSectionResultTable";
    WritePipeSectionResultTable();
    ++m_nTableIndex;

    TQ_LOG << m_nTableIndex << "UpdateContents......";
    m_wordEngine.UpdateContent(QStringLiteral("contents"));
    m_wordEngine.SetBookmarkText(QStringLiteral("lbReportPageCount"),
                                 QString::number(m_wordEngine.GetTotalPages()));

    if (savePath.isEmpty())
        return true;
    TQ_LOG << "Word Path:" << savePath;
    const bool saved = m_wordEngine.save(savePath);
    m_strError = m_wordEngine.ErrorString();
    m_wordEngine.close(false);
    return saved;
}

void CModelReport::WriteHomePage()
{
    const ProjectParam &header = m_inputs.header;
    if (m_inputs.projectKnown) {
        m_wordEngine.SetBookmarkText(QStringLiteral("lbProjectName"), m_inputs.projectName);
        m_wordEngine.SetBookmarkText(QStringLiteral("lbProjectSN"), m_inputs.projectNumber);
        m_wordEngine.SetBookmarkText(QStringLiteral("lbProjectAddress"), m_inputs.projectSite);
        m_wordEngine.SetBookmarkText(QStringLiteral("lbEntrustUnit"), header.strClientUnits);
    } else {
        m_wordEngine.SetBookmarkText(QStringLiteral("lbProjectAddress"), header.strTestSite);
    }
    m_wordEngine.SetBookmarkText(QStringLiteral("lbDetectUnit"), header.strTestUnit);
    m_wordEngine.SetBookmarkText(QStringLiteral("lbProjectDate"), header.strTestDate);
    m_wordEngine.SetBookmarkText(QStringLiteral("lbReportSN"), header.strReportNum);
    m_wordEngine.SetBookmarkText(QStringLiteral("lbOperators"), header.strTester);
    m_wordEngine.SetBookmarkText(QStringLiteral("lbReportWriter"), header.strTester);

    const SystemValues &unit = m_inputs.system;
    m_wordEngine.SetBookmarkText(QStringLiteral("lbOrgAddress"), unit.unitSite);
    m_wordEngine.SetBookmarkText(QStringLiteral("lbOrgZipCode"), unit.postCode);
    m_wordEngine.SetBookmarkText(QStringLiteral("lbOrgTelephone"), unit.contactNumber);
    m_wordEngine.SetBookmarkText(QStringLiteral("lbOrgContacter"), unit.contacts);
}
