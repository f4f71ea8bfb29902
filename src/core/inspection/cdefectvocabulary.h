#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include "core/inspection/defectparam.h"

// The defect codes with their names and scores, the class, level and position texts, and
// the area, soil and pipe-diameter parameters of the condition evaluation.
class CDefectVocabulary
{
    Q_DECLARE_TR_FUNCTIONS(DefectVocabulary)

public:
    static constexpr int kCodeCount = 16;

    static QStringList DefectNameList(); // translated, in code order
    static QString NameText(const DefectParam &param);
    static QString ClassText(const DefectParam &param);
    static QString LevelText(const DefectParam &param);
    static QString PositionText(const DefectParam &param);
    static float Score(const DefectParam &param);
    static float Score(int code, int level);

    static QStringList AreaTexts(); // K texts, index = nAreaProperty
    static QStringList SoilTexts(); // T texts, index = nSoilProperty
    static int AreaFactorK(int nAreaProperty);
    static int SoilFactorT(int nSoilProperty);
    static int PipeFactorE(int nPipeSectionDiameter);

    // Grades 1-4 (exact comparisons): of F and G (borders 1, 3, 6) and of RI and MI
    // (borders 1, 4, 7).
    static int ConditionGrade(float index);
    static int PriorityGrade(float index);
};
