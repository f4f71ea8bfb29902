#include "core/inspection/cdefectvocabulary.h"

namespace {

// Source texts of the sixteen defect codes, translated at use.
const char *const kDefectNames[CDefectVocabulary::kCodeCount] = {
    QT_TRANSLATE_NOOP("DefectVocabulary", "(PL) Rupture"),
    QT_TRANSLATE_NOOP("DefectVocabulary", "(BX) Deformation"),
    QT_TRANSLATE_NOOP("DefectVocabulary", "(FS) Corrosion"),
    QT_TRANSLATE_NOOP("DefectVocabulary", "(CK) Misplaced"),
    QT_TRANSLATE_NOOP("DefectVocabulary", "(QF) Undulation"),
    QT_TRANSLATE_NOOP("DefectVocabulary", "(TJ)  Disjointed"),
    QT_TRANSLATE_NOOP("DefectVocabulary", "(TL) Interface material shedding"),
    QT_TRANSLATE_NOOP("DefectVocabulary", "(AJ) Secret connection of branch pipe"),
    QT_TRANSLATE_NOOP("DefectVocabulary", "(CR) Foreign matter penetration"),
    QT_TRANSLATE_NOOP("DefectVocabulary", "(SL) Leakage"),
    QT_TRANSLATE_NOOP("DefectVocabulary", "(CJ) Deposition"),
    QT_TRANSLATE_NOOP("DefectVocabulary", "(JG) Scaling"),
    QT_TRANSLATE_NOOP("DefectVocabulary", "(ZW) Obstacle"),
    QT_TRANSLATE_NOOP("DefectVocabulary", "(CQ) Residual wall, dam root"),
    QT_TRANSLATE_NOOP("DefectVocabulary", "(SG) Root"),
    QT_TRANSLATE_NOOP("DefectVocabulary", "(FZ) Scum"),
};

// Score P per code (rows) and level index 0-3 (columns).
const float kScores[CDefectVocabulary::kCodeCount][4] = {
    {0.5f, 2, 5, 10}, // PL
    {1, 2, 5, 10},    // BX
    {0.5f, 2, 5, 0},  // FS
    {0.5f, 2, 5, 10}, // CK
    {0.5f, 2, 5, 10}, // QF
    {1, 3, 5, 10},    // TJ
    {1, 3, 0, 0},     // TL
    {0.5f, 2, 5, 0},  // AJ
    {0.5f, 2, 5, 0},  // CR
    {0.5f, 2, 5, 10}, // SL
    {0.5f, 2, 5, 10}, // CJ
    {0.5f, 2, 5, 10}, // JG
    {0.1f, 2, 5, 10}, // ZW
    {1, 3, 5, 10},    // CQ
    {0.5f, 2, 5, 10}, // SG
    {0, 0, 0, 0},     // FZ
};

const char *const kAreaTexts[] = {
    QT_TRANSLATE_NOOP("DefectVocabulary",
                      "Central business district and the area where there is Class-A civil "
                      "building engineering nearby(K=10)"),
    QT_TRANSLATE_NOOP("DefectVocabulary",
                      "The area where there are main traffic roads and there are Class-B civil "
                      "building engineering nearby(K=6)"),
    QT_TRANSLATE_NOOP("DefectVocabulary",
                      "The area where there are other roads and there are Class-C civil "
                      "building engineering nearby(K=3)"),
    QT_TRANSLATE_NOOP("DefectVocabulary", "All other regions or F < 4(K=0)"),
};

const char *const kSoilTexts[] = {
    QT_TRANSLATE_NOOP("DefectVocabulary", "General soil layer or F=0(T0)"),
    QT_TRANSLATE_NOOP("DefectVocabulary",
                      "1 Collapsible loess, 2 Collapsible loess,weak Expansive soil(T=6)"),
    QT_TRANSLATE_NOOP("DefectVocabulary", "Muddy soil(T=8)"),
    QT_TRANSLATE_NOOP("DefectVocabulary", "Silt layer,Sludge(T=10)"),
};

const int kAreaFactors[] = {10, 6, 3, 0};
const int kSoilFactors[] = {0, 6, 8, 10};

bool ValidCode(int code)
{
    return code >= 0 && code < CDefectVocabulary::kCodeCount;
}

template <int N>
QStringList TranslatedList(const char *const (&texts)[N])
{
    QStringList list;
    list.reserve(N);
    for (const char *text : texts)
        list << QCoreApplication::translate("DefectVocabulary", text);
    return list;
}

} // namespace

QStringList CDefectVocabulary::DefectNameList()
{
    return TranslatedList(kDefectNames);
}

QString CDefectVocabulary::NameText(const DefectParam &param)
{
    if (param.DefectName == -1)
        return tr("(ZC)Normal");
    if (ValidCode(param.DefectName))
        return QCoreApplication::translate("DefectVocabulary", kDefectNames[param.DefectName]);
    return tr("Don't interpretatin");
}

QString CDefectVocabulary::ClassText(const DefectParam &param)
{
    switch (param.DefectProperty) {
    case 0:
        return tr("Structural defects");
    case 1:
        return tr("Functional defects");
    default:
        return QString();
    }
}

QString CDefectVocabulary::LevelText(const DefectParam &param)
{
    if (!ValidCode(param.DefectName))
        return QString();
    return tr("level %1").arg(qint64(param.DefectLevel) + 1); // no overflow at INT_MAX
}

QString CDefectVocabulary::PositionText(const DefectParam &param)
{
    const QChar zero(QLatin1Char('0'));
    return tr("Vertical %1 meters, ring to %2%3")
        .arg(QString::number(double(param.fDistance), 'f', 3),
             QStringLiteral("%1").arg(param.nRingStart, 2, 10, zero),
             QStringLiteral("%1").arg(param.nRingEnd, 2, 10, zero));
}

float CDefectVocabulary::Score(const DefectParam &param)
{
    return Score(param.DefectName, param.DefectLevel);
}

float CDefectVocabulary::Score(int code, int level)
{
    if (!ValidCode(code) || level < 0 || level > 3)
        return 0.0f;
    return kScores[code][level];
}

QStringList CDefectVocabulary::AreaTexts()
{
    return TranslatedList(kAreaTexts);
}

QStringList CDefectVocabulary::SoilTexts()
{
    return TranslatedList(kSoilTexts);
}

int CDefectVocabulary::AreaFactorK(int nAreaProperty)
{
    return nAreaProperty >= 0 && nAreaProperty < 4 ? kAreaFactors[nAreaProperty] : 0;
}

int CDefectVocabulary::SoilFactorT(int nSoilProperty)
{
    return nSoilProperty >= 0 && nSoilProperty < 4 ? kSoilFactors[nSoilProperty] : 0;
}

int CDefectVocabulary::PipeFactorE(int nPipeSectionDiameter)
{
    if (nPipeSectionDiameter > 1500)
        return 10;
    if (nPipeSectionDiameter > 1000)
        return 6;
    if (nPipeSectionDiameter > 600)
        return 3;
    return 0;
}

int CDefectVocabulary::ConditionGrade(float index)
{
    if (index <= 1.0f)
        return 1;
    if (index <= 3.0f)
        return 2;
    if (index <= 6.0f)
        return 3;
    return 4;
}

int CDefectVocabulary::PriorityGrade(float index)
{
    if (index <= 1.0f)
        return 1;
    if (index <= 4.0f)
        return 2;
    if (index <= 7.0f)
        return 3;
    return 4;
}
