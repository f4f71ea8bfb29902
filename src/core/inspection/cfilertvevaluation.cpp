// Condition evaluation of one pipe section from the defects of its RTV file.
#include "core/inspection/cfilertv.h"

#include <algorithm>
#include <cmath>

#include "core/common/debuglog.h"
#include "core/common/myhelper.h"
#include "core/inspection/cdefectvocabulary.h"

namespace {

const char *const kStructuralGradeTexts[4] = {
    QT_TRANSLATE_NOOP("CFileRTV",
                      "No or slight defects, structural condition is basically unaffected, but "
                      "there is the possibility of potential deterioration"),
    QT_TRANSLATE_NOOP("CFileRTV",
                      "Pipeline defects are significantly more than level 1, and there is a "
                      "tendency of deterioration"),
    QT_TRANSLATE_NOOP("CFileRTV",
                      "Pipeline defects are serious, and structural condition is affected."),
    QT_TRANSLATE_NOOP("CFileRTV",
                      "There are major pipeline defects, serious damage or impending damage."),
};

const char *const kRepairGradeTexts[4] = {
    QT_TRANSLATE_NOOP("CFileRTV",
                      "The structural conditions are basically intact, no need to repair"),
    QT_TRANSLATE_NOOP("CFileRTV",
                      "The structure will not be damaged in a short period of time, but there "
                      "should be a plan to repair"),
    QT_TRANSLATE_NOOP("CFileRTV",
                      "The structure may be damaged in a short period of time, and it should "
                      "be repaired as soon as possible"),
    QT_TRANSLATE_NOOP("CFileRTV",
                      "The structure has been damaged or is about to be damaged,  and it "
                      "should be repaired immediately"),
};

const char *const kFunctionalGradeTexts[4] = {
    QT_TRANSLATE_NOOP("CFileRTV",
                      "No or slight impact, the pipeline operation is basically unaffected"),
    QT_TRANSLATE_NOOP("CFileRTV",
                      "The flow in pipeline is to a certain extent blocked, but the operation "
                      "is not affected much"),
    QT_TRANSLATE_NOOP("CFileRTV", "The flow in pipeline is seriously blocked, the operation is "
                                  "significantly affected"),
    QT_TRANSLATE_NOOP("CFileRTV",
                      "The flow in pipeline is very seriously blocked, soon or it has already "
                      "caused the paralysis of operation"),
};

const char *const kMaintenanceGradeTexts[4] = {
    QT_TRANSLATE_NOOP("CFileRTV", "No obvious defects to be processed"),
    QT_TRANSLATE_NOOP("CFileRTV",
                      "No need for immediate processing, but should arrange a treatment plan"),
    QT_TRANSLATE_NOOP("CFileRTV", "It should be handled as soon as possible after comprehensive "
                                  "consideration, which is based on the underlying data"),
    QT_TRANSLATE_NOOP("CFileRTV", "The water delivery function is seriously affected and should be "
                                  "processed immediately"),
};

// Spacing factor of a single defect from its gap to a neighbour: 1.1 for 1.0 < gap <= 1.5.
bool IsSpacedGap(float gap)
{
    return MyHelper::FuzzyLess(1.0, gap) && MyHelper::FuzzyLessEqual(gap, 1.5);
}

float SpacingFactor(float gap)
{
    return IsSpacedGap(gap) ? 1.1f : 1.0f;
}

// K and E only count from an index of 4 on; T always counts.
void PipeFactors(const PipelineParam &pipe, float index, float &k, float &e, float &t)
{
    if (MyHelper::FuzzyLess(index, 4.0)) {
        k = 0.0f;
        e = 0.0f;
    } else {
        k = float(CDefectVocabulary::AreaFactorK(pipe.nAreaProperty));
        e = float(CDefectVocabulary::PipeFactorE(pipe.nPipeSectionDiameter));
    }
    t = float(CDefectVocabulary::SoilFactorT(pipe.nSoilProperty));
}

int GradeWithText(int level, const char *const (&texts)[4], QString *text)
{
    if (text)
        *text = QCoreApplication::translate("CFileRTV", texts[level - 1]);
    return level;
}

QString DensityText(float density)
{
    if (density < 0.1f)
        return QCoreApplication::translate("CFileRTV", "Local defect");
    if (density <= 0.5f)
        return QCoreApplication::translate("CFileRTV", "Partial or whole defect");
    return QCoreApplication::translate("CFileRTV", "Whole defect");
}

} // namespace

void CFileRTV::ResetEvaluation()
{
    m_fS = m_fSmax = m_fF = m_fStructuralDensity = m_fRI = 0.0f;
    m_fY = m_fYmax = m_fG = m_fFunctionalDensity = m_fMI = 0.0f;
    for (auto &levels : m_nDefectCount)
        std::fill(std::begin(levels), std::end(levels), 0);
    m_nStructuralCount = 0;
    m_nFunctionalCount = 0;
}

void CFileRTV::Evaluate()
{
    std::stable_sort(m_listDefect.begin(), m_listDefect.end(),
                     [](const CDefectItem &a, const CDefectItem &b) {
                         return a.defectParam.fDistance < b.defectParam.fDistance;
                     });
    ResetEvaluation();

    QList<int> structural;
    QList<int> functional;
    for (int i = 0; i < m_listDefect.size(); ++i) {
        const DefectParam &param = m_listDefect.at(i).defectParam;
        if (param.DefectName < 0 || param.DefectName >= kDefectCodes || param.DefectLevel < 0 ||
            param.DefectLevel >= kDefectLevels)
            continue;
        ++m_nDefectCount[param.DefectName][param.DefectLevel];
        if (param.DefectProperty == 0) {
            ++m_nStructuralCount;
            structural << i;
        } else if (param.DefectProperty == 1) {
            ++m_nFunctionalCount;
            functional << i;
        }
    }

    float k = 0, e = 0, t = 0;
    if (!structural.isEmpty()) {
        GetEvaluationValue(structural, m_fSmax, m_fS, m_fStructuralDensity);
        m_fF = m_fS <= m_fSmax ? m_fSmax : m_fS;
        PipeFactors(m_pipelineParam, m_fF, k, e, t);
        m_fRI = 0.7f * m_fF + 0.1f * k + 0.05f * e + 0.15f * t;
    }
    if (!functional.isEmpty()) {
        GetEvaluationValue(functional, m_fYmax, m_fY, m_fFunctionalDensity);
        m_fG = m_fY <= m_fYmax ? m_fYmax : m_fY;
        PipeFactors(m_pipelineParam, m_fG, k, e, t);
        m_fMI = 0.8f * m_fG + 0.15f * k + 0.05f * e;
    }
}

void CFileRTV::GetEvaluationValue(const QList<int> &indices, float &max, float &average,
                                  float &density) const
{
    TQ_LOG << "GetEvaluationValue******************************************";
    max = 0.0f;
    average = 0.0f;
    density = 0.0f;

    const auto param = [&](int position) -> const DefectParam & {
        return m_listDefect.at(indices.at(position)).defectParam;
    };
    const int count = indices.size();
    int n = 0;
    float sum = 0.0f;
    float dsum = 0.0f;
    int i = 0;
    while (i < count) {
        const DefectParam &first = param(i);
        float p = CDefectVocabulary::Score(first);

        // Defects within 1 m of the group's first defect join the group.
        int j = i + 1;
        float stopGap = 1.0f; // the last defect has no next one
        for (; j < count; ++j) {
            const float d = std::fabs(param(j).fDistance - first.fDistance);
            if (!MyHelper::FuzzyLessEqual(d, 1.0)) {
                stopGap = d;
                break;
            }
            p += CDefectVocabulary::Score(param(j));
        }

        float a = 1.0f;
        int next = j;
        if (j == i + 1) {
            // A single defect: spacing factor from the next gap, else from the previous one.
            next = i + 1;
            a = SpacingFactor(stopGap);
            if (!IsSpacedGap(stopGap) && i > 0)
                a = SpacingFactor(std::fabs(first.fDistance - param(i - 1).fDistance));
        }

        p = std::min(p, 10.0f);
        const float length = MyHelper::FuzzyLessEqual(first.fLength, 1.0) ? 1.0f : first.fLength;
        max = std::max(max, p);
        sum += p * a;
        dsum += p * a * length;
        ++n;
        i = next;
    }
    if (n == 0)
        return;

    average = sum / float(n);
    const float sectionLength = m_pipelineParam.fPipeSectionLen;
    if (!MyHelper::FuzzyEqual(sectionLength, 0.0) && average != 0.0f)
        density = dsum / (average * sectionLength);
    else
        density = dsum;
}

int CFileRTV::GetStructuralGrade(QString *text) const
{
    return GradeWithText(CDefectVocabulary::ConditionGrade(m_fF), kStructuralGradeTexts, text);
}

int CFileRTV::GetRepairGrade(QString *text) const
{
    return GradeWithText(CDefectVocabulary::PriorityGrade(m_fRI), kRepairGradeTexts, text);
}

int CFileRTV::GetFunctionalGrade(QString *text) const
{
    return GradeWithText(CDefectVocabulary::ConditionGrade(m_fG), kFunctionalGradeTexts, text);
}

int CFileRTV::GetMaintenanceGrade(QString *text) const
{
    return GradeWithText(CDefectVocabulary::PriorityGrade(m_fMI), kMaintenanceGradeTexts, text);
}

QString CFileRTV::GetStructuralDensityText() const
{
    return DensityText(m_fStructuralDensity);
}

QString CFileRTV::GetFunctionalDensityText() const
{
    return DensityText(m_fFunctionalDensity);
}

int CFileRTV::GetDefectCount(int code, int level) const
{
    if (code < 0 || code >= kDefectCodes || level < 0 || level >= kDefectLevels)
        return 0;
    return m_nDefectCount[code][level];
}
