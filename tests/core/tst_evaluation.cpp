// Defect vocabulary and the condition evaluation of a pipe section, on in-memory files.
#include <QtTest>

#include <cmath>

#include "core/common/myhelper.h"
#include "core/inspection/cdefectvocabulary.h"
#include "core/inspection/cfilertv.h"
#include "support/testsupport.h"

struct TestDefect
{
    float distance;
    int code;
    int level;
    float length;
    int property;
};
using DefectList = QVector<TestDefect>;
Q_DECLARE_METATYPE(DefectList)

#define TQ_COMPARE_FLOAT(actual, expected)                                                         \
    QVERIFY2(std::fabs(double(actual) - double(expected)) < 1e-4,                                  \
             qPrintable(QStringLiteral("%1 is %2, expected %3")                                    \
                            .arg(QStringLiteral(#actual))                                          \
                            .arg(double(actual), 0, 'g', 9)                                        \
                            .arg(double(expected), 0, 'g', 9)))

namespace {

// Structural defects of code 0 (PL): level index 0-3 scores 0.5, 2, 5, 10.
TestDefect PL(float distance, int level, float length = 0.5f)
{
    return {distance, 0, level, length, 0};
}

// Defects 0.1 m apart, all within 1 m of the first; each pair is (code, level).
DefectList Cluster(const QVector<QPair<int, int>> &codes, int property)
{
    DefectList list;
    float distance = 10.0f;
    for (const auto &code : codes) {
        list << TestDefect{distance, code.first, code.second, 0.5f, property};
        distance += 0.1f;
    }
    return list;
}

void Fill(CFileRTV &file, const DefectList &defects, float sectionLength = 50.0f,
          int diameter = 600, int area = 3, int soil = 0)
{
    PipelineParam &pipe = file.GetPipelineParam();
    pipe.fPipeSectionLen = sectionLength;
    pipe.nPipeSectionDiameter = diameter;
    pipe.nAreaProperty = area;
    pipe.nSoilProperty = soil;
    QList<CDefectItem> &list = file.GetDefectList();
    list.clear();
    for (const TestDefect &defect : defects) {
        CDefectItem item;
        item.defectParam.fDistance = defect.distance;
        item.defectParam.DefectName = defect.code;
        item.defectParam.DefectLevel = defect.level;
        item.defectParam.fLength = defect.length;
        item.defectParam.DefectProperty = defect.property;
        list << item;
    }
}

DefectParam Param(int code, int level = 0, int property = -1)
{
    DefectParam param;
    param.DefectName = code;
    param.DefectLevel = level;
    param.DefectProperty = property;
    return param;
}

} // namespace

class TestEvaluation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::InstallWarningRecorder(); }
    void cleanup() { TQ_VERIFY_NO_WARNINGS(); }

    void workedExample();
    void noDefects();
    void grouping_data();
    void grouping();
    void pipeFactorsFromIndexFour_data();
    void pipeFactorsFromIndexFour();
    void counting_data();
    void counting();
    void densityText_data();
    void densityText();
    void grades_data();
    void grades();

    void defectTexts_data();
    void defectTexts();
    void positionText_data();
    void positionText();
    void scores_data();
    void scores();
    void areaAndSoilFactors_data();
    void areaAndSoilFactors();
    void pipeFactorE_data();
    void pipeFactorE();
};

void TestEvaluation::workedExample()
{
    CFileRTV file;
    Fill(file, {PL(20.0f, 3)}, 50.0f, 800, 1, 2);
    file.Evaluate();

    TQ_COMPARE_FLOAT(file.GetSmax(), 10);
    TQ_COMPARE_FLOAT(file.GetS(), 10);
    TQ_COMPARE_FLOAT(file.GetF(), 10);
    TQ_COMPARE_FLOAT(file.GetStructuralDensity(), 0.02);
    TQ_COMPARE_FLOAT(file.GetRI(), 8.95);
    TQ_COMPARE_FLOAT(file.GetG(), 0);
    TQ_COMPARE_FLOAT(file.GetMI(), 0);
    QString text;
    QCOMPARE(file.GetStructuralGrade(&text), 4);
    QCOMPARE(text, QStringLiteral(
                       "There are major pipeline defects, serious damage or impending damage."));
    QCOMPARE(file.GetRepairGrade(&text), 4);
    QCOMPARE(text, QStringLiteral("The structure has been damaged or is about to be damaged,  "
                                  "and it should be repaired immediately"));
    QCOMPARE(file.GetStructuralDensityText(), QStringLiteral("Local defect"));
}

void TestEvaluation::noDefects()
{
    CFileRTV file;
    // Results of an earlier evaluation must not survive.
    Fill(file, {PL(1.0f, 3), {2.0f, 10, 3, 0.5f, 1}});
    file.Evaluate();
    Fill(file, {});
    file.Evaluate();

    for (float value :
         {file.GetS(), file.GetSmax(), file.GetF(), file.GetStructuralDensity(), file.GetRI(),
          file.GetY(), file.GetYmax(), file.GetG(), file.GetFunctionalDensity(), file.GetMI()})
        QCOMPARE(value, 0.0f);
    QCOMPARE(file.GetDefectCount(0, 3), 0);
    QCOMPARE(file.GetStructuralCount(), 0);
    QCOMPARE(file.GetFunctionalCount(), 0);

    QString text;
    QCOMPARE(file.GetStructuralGrade(&text), 1);
    QCOMPARE(text, QStringLiteral("No or slight defects, structural condition is basically "
                                  "unaffected, but there is the possibility of potential "
                                  "deterioration"));
    QCOMPARE(file.GetRepairGrade(&text), 1);
    QCOMPARE(text,
             QStringLiteral("The structural conditions are basically intact, no need to repair"));
    QCOMPARE(file.GetFunctionalGrade(&text), 1);
    QCOMPARE(text,
             QStringLiteral("No or slight impact, the pipeline operation is basically unaffected"));
    QCOMPARE(file.GetMaintenanceGrade(&text), 1);
    QCOMPARE(text, QStringLiteral("No obvious defects to be processed"));
    QCOMPARE(file.GetStructuralDensityText(), QStringLiteral("Local defect"));
    QCOMPARE(file.GetFunctionalDensityText(), QStringLiteral("Local defect"));
}

void TestEvaluation::grouping_data()
{
    QTest::addColumn<DefectList>("defects");
    QTest::addColumn<float>("sectionLength");
    QTest::addColumn<float>("smax");
    QTest::addColumn<float>("s");
    QTest::addColumn<float>("f");
    QTest::addColumn<float>("density");

    // Scores: PL level index 0-3 = 0.5, 2, 5, 10; TJ (code 5) level index 1 = 3.
    const TestDefect tj3{0, 5, 1, 0.5f, 0};
    auto at = [](TestDefect defect, float distance) {
        defect.distance = distance;
        return defect;
    };

    QTest::newRow("0.8 m apart: one group")
        << DefectList{PL(10.0f, 1), PL(10.8f, 2)} << 50.0f << 7.0f << 7.0f << 7.0f << 0.02f;
    QTest::newRow("merged score capped at 10")
        << DefectList{PL(10.0f, 3), PL(10.8f, 2)} << 50.0f << 10.0f << 10.0f << 10.0f << 0.02f;
    QTest::newRow("1.0 m apart merges (fuzzy)")
        << DefectList{PL(10.3f, 1), PL(11.3f, 1)} << 50.0f << 4.0f << 4.0f << 4.0f << 0.02f;
    // 2*1.1 with length 2, 5*1.1 with length 1: dsum 9.9, average 3.85.
    QTest::newRow("1.2 m apart: factor 1.1 each")
        << DefectList{PL(10.0f, 1, 2.0f), PL(11.2f, 2)} << 50.0f << 5.0f << 3.85f << 5.0f
        << 9.9f / (3.85f * 50.0f);
    QTest::newRow("1.5 m apart: factor 1.1, S above Smax")
        << DefectList{PL(10.0f, 2), PL(11.5f, 2)} << 50.0f << 5.0f << 5.5f << 5.5f << 0.04f;
    QTest::newRow("1.6 m apart: factor 1.0")
        << DefectList{PL(10.0f, 1), PL(11.6f, 2)} << 50.0f << 5.0f << 3.5f << 5.0f << 0.04f;
    // Sorted 0 (2), 0.6 (5), 1.2 (3): 1.2 is 1.2 m from the group's first defect.
    QTest::newRow("merging measured from the group's first, unsorted input")
        << DefectList{at(tj3, 1.2f), PL(0.6f, 2), PL(0.0f, 1)} << 50.0f << 7.0f << 5.0f << 7.0f
        << 0.04f;
    // The group {0, 0.2} stops at 1.4 m but keeps 1; 1.4 alone is 1.2 m after 0.2.
    QTest::newRow("merged group keeps factor 1")
        << DefectList{PL(0.0f, 1), PL(0.2f, 2), at(tj3, 1.4f)} << 50.0f << 7.0f << 5.15f << 7.0f
        << 0.04f;
    // 0: gap 3 -> 1; 3: gap 1.2 -> 1.1; 4.2: last, previous gap 1.2 -> 1.1.
    QTest::newRow("single defect falls back to the previous gap")
        << DefectList{PL(0.0f, 1), PL(3.0f, 2), at(tj3, 4.2f)} << 50.0f << 5.0f << 3.6f << 5.0f
        << 0.06f;
    QTest::newRow("length below 1 m counts as 1 m")
        << DefectList{PL(10.0f, 2, 0.3f)} << 50.0f << 5.0f << 5.0f << 5.0f << 0.02f;
    QTest::newRow("section length 0: density is the weighted sum")
        << DefectList{PL(10.0f, 2, 3.0f)} << 0.0f << 5.0f << 5.0f << 5.0f << 15.0f;
}

void TestEvaluation::grouping()
{
    QFETCH(DefectList, defects);
    QFETCH(float, sectionLength);
    QFETCH(float, smax);
    QFETCH(float, s);
    QFETCH(float, f);
    QFETCH(float, density);

    CFileRTV file;
    Fill(file, defects, sectionLength);
    file.Evaluate();
    TQ_COMPARE_FLOAT(file.GetSmax(), smax);
    TQ_COMPARE_FLOAT(file.GetS(), s);
    TQ_COMPARE_FLOAT(file.GetF(), f);
    TQ_COMPARE_FLOAT(file.GetStructuralDensity(), density);
    for (int i = 1; i < file.GetDefectList().size(); ++i)
        QVERIFY(file.GetDefectList().at(i - 1).defectParam.fDistance <=
                file.GetDefectList().at(i).defectParam.fDistance);
}

void TestEvaluation::pipeFactorsFromIndexFour_data()
{
    QTest::addColumn<DefectList>("defects");
    QTest::addColumn<int>("soil");
    QTest::addColumn<bool>("functional");
    QTest::addColumn<float>("index");
    QTest::addColumn<float>("result");

    // Section of area 1 (K = 6) and 800 mm (E = 3). Scores: (5,1) = 3, (0,0) = 0.5,
    // (0,1) = 2, (12,0) = 0.1; 3 + 0.5 + 5 * 0.1 sums to 3.9999995 in floats.
    const QVector<QPair<int, int>> four{{0, 1}, {0, 1}};
    const QVector<QPair<int, int>> nearlyFour{{5, 1},  {0, 0},  {12, 0}, {12, 0},
                                              {12, 0}, {12, 0}, {12, 0}};
    const QVector<QPair<int, int>> belowFour{{5, 1}, {0, 0}, {12, 0}, {12, 0}, {12, 0}, {12, 0}};

    QTest::newRow("F exactly 4 counts K and E")
        << Cluster(four, 0) << 0 << false << 4.0f << 2.8f + 0.6f + 0.15f;
    QTest::newRow("F fuzzily 4 counts K and E")
        << Cluster(nearlyFour, 0) << 0 << false << 4.0f << 2.8f + 0.6f + 0.15f;
    QTest::newRow("F 3.9 leaves K and E out")
        << Cluster(belowFour, 0) << 0 << false << 3.9f << 0.7f * 3.9f;
    QTest::newRow("T counts below F 4")
        << Cluster(belowFour, 0) << 3 << false << 3.9f << 0.7f * 3.9f + 1.5f;
    QTest::newRow("G exactly 4 counts K and E")
        << Cluster(four, 1) << 3 << true << 4.0f << 3.2f + 0.9f + 0.15f;
    QTest::newRow("G 3.9 leaves K and E out, no T")
        << Cluster(belowFour, 1) << 3 << true << 3.9f << 0.8f * 3.9f;
}

void TestEvaluation::pipeFactorsFromIndexFour()
{
    QFETCH(DefectList, defects);
    QFETCH(int, soil);
    QFETCH(bool, functional);
    QFETCH(float, index);
    QFETCH(float, result);

    CFileRTV file;
    Fill(file, defects, 50.0f, 800, 1, soil);
    file.Evaluate();
    TQ_COMPARE_FLOAT(functional ? file.GetG() : file.GetF(), index);
    TQ_COMPARE_FLOAT(functional ? file.GetMI() : file.GetRI(), result);
    // The other class stays empty.
    QCOMPARE(functional ? file.GetRI() : file.GetMI(), 0.0f);
    QCOMPARE(functional ? file.GetF() : file.GetG(), 0.0f);
}

void TestEvaluation::counting_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("property");
    QTest::addColumn<bool>("counted");
    QTest::addColumn<int>("structural");
    QTest::addColumn<int>("functional");

    QTest::newRow("structural") << 0 << 2 << 0 << true << 1 << 0;
    QTest::newRow("functional") << 10 << 1 << 1 << true << 0 << 1;
    QTest::newRow("class -1: counted, in no list") << 3 << 0 << -1 << true << 0 << 0;
    QTest::newRow("code -1") << -1 << 0 << 0 << false << 0 << 0;
    QTest::newRow("code 16") << 16 << 0 << 0 << false << 0 << 0;
    QTest::newRow("level -1") << 0 << -1 << 0 << false << 0 << 0;
    QTest::newRow("level 4") << 0 << 4 << 1 << false << 0 << 0;
}

void TestEvaluation::counting()
{
    QFETCH(int, code);
    QFETCH(int, level);
    QFETCH(int, property);
    QFETCH(bool, counted);
    QFETCH(int, structural);
    QFETCH(int, functional);

    CFileRTV file;
    Fill(file, {{5.0f, code, level, 0.5f, property}});
    file.Evaluate();
    file.Evaluate(); // counters start again from zero

    int total = 0;
    for (int c = 0; c < CFileRTV::kDefectCodes; ++c)
        for (int l = 0; l < CFileRTV::kDefectLevels; ++l)
            total += file.GetDefectCount(c, l);
    QCOMPARE(total, counted ? 1 : 0);
    QCOMPARE(file.GetDefectCount(code, level), counted ? 1 : 0);
    QCOMPARE(file.GetStructuralCount(), structural);
    QCOMPARE(file.GetFunctionalCount(), functional);
    QCOMPARE(file.GetSmax() > 0, structural == 1);
    QCOMPARE(file.GetYmax() > 0, functional == 1);
}

void TestEvaluation::densityText_data()
{
    QTest::addColumn<float>("length");
    QTest::addColumn<QString>("text");

    // One defect in a 50 m section: density = length / 50.
    QTest::newRow("0.099") << 4.95f << QStringLiteral("Local defect");
    QTest::newRow("0.1") << 5.0f << QStringLiteral("Partial or whole defect");
    QTest::newRow("0.5") << 25.0f << QStringLiteral("Partial or whole defect");
    QTest::newRow("0.51") << 25.5f << QStringLiteral("Whole defect");
}

void TestEvaluation::densityText()
{
    QFETCH(float, length);
    QFETCH(QString, text);

    CFileRTV file;
    Fill(file, {PL(10.0f, 2, length)});
    file.Evaluate();
    QCOMPARE(file.GetStructuralDensityText(), text);
    QCOMPARE(file.GetFunctionalDensityText(), QStringLiteral("Local defect"));

    Fill(file, {{10.0f, 10, 2, length, 1}});
    file.Evaluate();
    QCOMPARE(file.GetFunctionalDensityText(), text);
}

void TestEvaluation::grades_data()
{
    QTest::addColumn<float>("index");
    QTest::addColumn<int>("condition"); // F, G
    QTest::addColumn<int>("priority");  // RI, MI

    const auto above = [](float value) { return std::nextafter(value, 100.0f); };
    QTest::newRow("0") << 0.0f << 1 << 1;
    QTest::newRow("1") << 1.0f << 1 << 1;
    QTest::newRow("just above 1") << above(1.0f) << 2 << 2;
    QTest::newRow("3") << 3.0f << 2 << 2;
    QTest::newRow("just above 3") << above(3.0f) << 3 << 2;
    QTest::newRow("4") << 4.0f << 3 << 2;
    QTest::newRow("just above 4") << above(4.0f) << 3 << 3;
    QTest::newRow("6") << 6.0f << 3 << 3;
    QTest::newRow("just above 6") << above(6.0f) << 4 << 3;
    QTest::newRow("7") << 7.0f << 4 << 3;
    QTest::newRow("just above 7") << above(7.0f) << 4 << 4;
    QTest::newRow("10") << 10.0f << 4 << 4;
}

void TestEvaluation::grades()
{
    QFETCH(float, index);
    QFETCH(int, condition);
    QFETCH(int, priority);
    QCOMPARE(CDefectVocabulary::ConditionGrade(index), condition);
    QCOMPARE(CDefectVocabulary::PriorityGrade(index), priority);
}

void TestEvaluation::defectTexts_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("property");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("classText");
    QTest::addColumn<QString>("levelText");
    QTest::addColumn<int>("levelReadBack");

    QTest::newRow("code -1") << -1 << 2 << -1 << QStringLiteral("(ZC)Normal") << QString()
                             << QString() << -1;
    QTest::newRow("code 0") << 0 << 0 << 0 << QStringLiteral("(PL) Rupture")
                            << QStringLiteral("Structural defects") << QStringLiteral("level 1")
                            << 0;
    QTest::newRow("code 5") << 5 << 1 << 1 << QStringLiteral("(TJ)  Disjointed")
                            << QStringLiteral("Functional defects") << QStringLiteral("level 2")
                            << 1;
    QTest::newRow("code 15") << 15 << 3 << 2 << QStringLiteral("(FZ) Scum") << QString()
                             << QStringLiteral("level 4") << 3;
    QTest::newRow("code 16") << 16 << 0 << 0 << QStringLiteral("Don't interpretatin")
                             << QStringLiteral("Structural defects") << QString() << -1;
}

void TestEvaluation::defectTexts()
{
    QFETCH(int, code);
    QFETCH(int, level);
    QFETCH(int, property);
    QFETCH(QString, name);
    QFETCH(QString, classText);
    QFETCH(QString, levelText);
    QFETCH(int, levelReadBack);

    const DefectParam param = Param(code, level, property);
    QCOMPARE(CDefectVocabulary::NameText(param), name);
    QCOMPARE(CDefectVocabulary::ClassText(param), classText);
    QCOMPARE(CDefectVocabulary::LevelText(param), levelText);
    QCOMPARE(MyHelper::LevelFromText(levelText), levelReadBack);
    const QStringList names = CDefectVocabulary::DefectNameList();
    QCOMPARE(names.size(), CDefectVocabulary::kCodeCount);
    if (code >= 0 && code < names.size())
        QCOMPARE(names.at(code), name);
}

void TestEvaluation::positionText_data()
{
    QTest::addColumn<float>("distance");
    QTest::addColumn<int>("ringStart");
    QTest::addColumn<int>("ringEnd");
    QTest::addColumn<QString>("text");

    QTest::newRow("12.5 m, 3 to 9")
        << 12.5f << 3 << 9 << QStringLiteral("Vertical 12.500 meters, ring to 0309");
    QTest::newRow("0 m, 12 to 10")
        << 0.0f << 12 << 10 << QStringLiteral("Vertical 0.000 meters, ring to 1210");
}

void TestEvaluation::positionText()
{
    QFETCH(float, distance);
    QFETCH(int, ringStart);
    QFETCH(int, ringEnd);
    QFETCH(QString, text);
    DefectParam param;
    param.fDistance = distance;
    param.nRingStart = ringStart;
    param.nRingEnd = ringEnd;
    QCOMPARE(CDefectVocabulary::PositionText(param), text);
}

void TestEvaluation::scores_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("level");
    QTest::addColumn<float>("score");

    QTest::newRow("ZW level 1") << 12 << 0 << 0.1f;
    QTest::newRow("PL level 4") << 0 << 3 << 10.0f;
    QTest::newRow("FS level 4") << 2 << 3 << 0.0f;
    QTest::newRow("FZ level 1") << 15 << 0 << 0.0f;
    QTest::newRow("code -1") << -1 << 0 << 0.0f;
    QTest::newRow("code 16") << 16 << 0 << 0.0f;
    QTest::newRow("level -1") << 0 << -1 << 0.0f;
    QTest::newRow("level 4") << 0 << 4 << 0.0f;
}

void TestEvaluation::scores()
{
    QFETCH(int, code);
    QFETCH(int, level);
    QFETCH(float, score);
    QCOMPARE(CDefectVocabulary::Score(code, level), score);
    QCOMPARE(CDefectVocabulary::Score(Param(code, level)), score);
}

void TestEvaluation::areaAndSoilFactors_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("t");

    QTest::newRow("-1") << -1 << 0 << 0;
    QTest::newRow("0") << 0 << 10 << 0;
    QTest::newRow("1") << 1 << 6 << 6;
    QTest::newRow("2") << 2 << 3 << 8;
    QTest::newRow("3") << 3 << 0 << 10;
    QTest::newRow("4") << 4 << 0 << 0;
}

void TestEvaluation::areaAndSoilFactors()
{
    QFETCH(int, index);
    QFETCH(int, k);
    QFETCH(int, t);
    QCOMPARE(CDefectVocabulary::AreaFactorK(index), k);
    QCOMPARE(CDefectVocabulary::SoilFactorT(index), t);
    // The option texts name their factor, in index order.
    if (index >= 0 && index < 4) {
        QVERIFY(CDefectVocabulary::AreaTexts().at(index).endsWith(QStringLiteral("(K=%1)").arg(k)));
        if (index > 0)
            QVERIFY(
                CDefectVocabulary::SoilTexts().at(index).endsWith(QStringLiteral("(T=%1)").arg(t)));
    }
}

void TestEvaluation::pipeFactorE_data()
{
    QTest::addColumn<int>("diameter");
    QTest::addColumn<int>("e");

    QTest::newRow("600") << 600 << 0;
    QTest::newRow("601") << 601 << 3;
    QTest::newRow("1000") << 1000 << 3;
    QTest::newRow("1001") << 1001 << 6;
    QTest::newRow("1500") << 1500 << 6;
    QTest::newRow("1501") << 1501 << 10;
}

void TestEvaluation::pipeFactorE()
{
    QFETCH(int, diameter);
    QFETCH(int, e);
    QCOMPARE(CDefectVocabulary::PipeFactorE(diameter), e);
}

QTEST_GUILESS_MAIN(TestEvaluation)
#include "tst_evaluation.moc"
