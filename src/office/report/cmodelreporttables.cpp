// The summary tables of the report: project information, work amount, wells, pipeline
// defects, defect counts with the pie chart, and the pipe section assessment.
#include "office/report/cmodelreport.h"

#include <QLocale>
#include <QRegularExpression>

#include "core/inspection/cdefectvocabulary.h"

namespace {

QString Fixed2(float value)
{
    return QString::number(double(value), 'f', 2);
}

QString Count(int value)
{
    return QStringLiteral("%1").arg(value);
}

// The defect names of a well. "/" and ";" separate several; so does "、", except inside a
// listed name (the Chinese "ladder loose, corroded or defective" holds one).
QStringList WellDefectNames(const CWellParam &well)
{
    const QStringList listed = CModelReport::InsideWellDefects() + CModelReport::CoverWellDefects();
    QStringList names;
    for (const QString &part :
         well.strWellDefect.split(QRegularExpression(QStringLiteral("[/;；]")))) {
        const QString name = part.trimmed();
        const QStringList pieces =
            listed.contains(name) ? QStringList{name} : name.split(QChar(0x3001)); // 、
        for (const QString &piece : pieces) {
            if (!piece.trimmed().isEmpty())
                names << piece.trimmed();
        }
    }
    return names;
}

bool NameIs(const QString &name, const char *source)
{
    return name == QLatin1String(source) || name == CModelReport::tr(source);
}

// Counter of a well defect name in the well information table: 0-7 the eight columns,
// 8 another defect, -1 not counted.
int WellDefectCategory(const QString &name)
{
    struct Category
    {
        int index;
        const char *name;
    };
    static const Category kCategories[] = {
        {0, "manhole covers lost"},
        {1, "rain grate lost"},
        {2, "mud siltation or sundries"},
        {2, "shaft bottom silt or sundries"},
        {3, "scum"},
        {4, "crack or leakage"},
        {4, "Wall Cracks"},
        {4, "Wall leakage"},
        {5, "plaster flaking"},
        {5, "launder breakage"},
        {5, "plaster fall off"},
        {6, "rain frame protruding"},
        {6, "cover frame protruding or sunken"},
        {7, "road settlement or stagnant water"},
        {7, "surrounding roadsides breakage or collapsed"},
    };
    if (NameIs(name, "heavy manhole covers (on road)"))
        return -1;
    for (const Category &category : kCategories) {
        if (NameIs(name, category.name))
            return category.index;
    }
    return 8;
}

bool IsCoverDefect(const QString &name)
{
    return CModelReport::CoverWellDefects().contains(name);
}

} // namespace

void CModelReport::WriteProjectInfoTable(int table)
{
    if (!m_inputs.projectKnown)
        return;
    const ProjectParam &header = m_inputs.header;
    const QStringList units = {m_inputs.projectName,        m_inputs.projectSite,
                               header.strConstructionUnits, header.strDesignUnits,
                               header.strBuildUnits,        header.strSuperviseUnits,
                               header.strClientUnits};
    for (int i = 0; i < units.size(); ++i)
        m_wordEngine.SetTableCellText(table, i + 1, 2, units.at(i));

    m_wordEngine.SetTableCellText(
        table, 9, 2,
        tr("%1 sections/%2m").arg(m_nItemCount).arg(double(m_fSectionLength), 0, 'f', 0));
    m_wordEngine.SetTableCellText(
        table, 9, 4,
        tr("%1 sections/%2m").arg(m_nItemCount).arg(double(m_fSecondLength), 0, 'f', 0));
    m_wordEngine.SetTableCellText(table, 10, 2, tr("Routine test"));
    QString period;
    if (m_inputs.chinese) {
        const QString format = QString::fromUtf8("yyyy年MM月dd日");
        period = m_dateFrom.toString(format) + QString::fromUtf8("至") + m_dateTo.toString(format);
    } else {
        const QLocale locale = QLocale::system();
        period = tr("From ") + locale.toString(m_dateFrom, QLocale::ShortFormat) + tr(" to ") +
                 locale.toString(m_dateTo, QLocale::ShortFormat);
    }
    m_wordEngine.SetTableCellText(table, 10, 4, period);

    const QStringList methods = {header.strTestDevice, header.strMoveMethod, header.strSealMethod,
                                 header.strDrainageMethod, header.strDesiltMethod};
    for (int i = 0; i < methods.size(); ++i)
        m_wordEngine.SetTableCellText(table, 11 + i, 3, methods.at(i));
}

void CModelReport::WriteWorkAmountTable(int table)
{
    const QString sentence =
        m_nEvaluated == m_nItemCount
            ? tr("Totally %1 sections of pipelines are tested and evaluated this time")
                  .arg(m_nItemCount)
            : tr("Totally %1 sections of pipelines are tested and  %2 sections evaluated this time")
                  .arg(m_nItemCount)
                  .arg(m_nEvaluated);
    m_wordEngine.SetBookmarkText(QStringLiteral("lbDefectCount2"), sentence);

    m_wordEngine.InsertTableRow(table, 2, m_workAmounts.size() - 1);
    for (int i = 0; i < m_workAmounts.size(); ++i) {
        const CWorkAmount &group = m_workAmounts.at(i);
        m_wordEngine.SetTableRowTexts(table, i + 2, 1,
                                      {Count(i + 1), group.strText, Count(group.nDiameter),
                                       QString::number(double(group.fLength)),
                                       QString::number(double(group.fSecondLength)),
                                       tr("%1 section").arg(group.nCount)},
                                      1);
    }
}

void CModelReport::WriteWellInfoTable(int table)
{
    int counters[kWellTypes][9] = {};
    int wells[kWellTypes] = {};
    int defective[kWellTypes] = {};
    for (const CWellParam &well : m_wells) {
        if (well.nWellType < 0 || well.nWellType >= kWellTypes)
            continue;
        ++wells[well.nWellType];
        bool counted = false;
        for (const QString &name : WellDefectNames(well)) {
            const int category = WellDefectCategory(name);
            if (category < 0)
                continue;
            ++counters[well.nWellType][category];
            counted = true;
        }
        if (counted)
            ++defective[well.nWellType];
    }
    for (int type = 0; type < kWellTypes; ++type) {
        QStringList texts = {Count(wells[type]), Count(defective[type])};
        for (int i = 0; i < 8; ++i)
            texts << Count(counters[type][i]);
        texts << tr("there are %1 other defects").arg(counters[type][8]);
        m_wordEngine.SetTableRowTexts(table, type + 2, 3, texts, 1);
    }
}

void CModelReport::WriteWellDefectTable(int table)
{
    m_wordEngine.InsertTableRow(table, 2, m_wells.size() - 1);
    for (int i = 0; i < m_wells.size(); ++i) {
        const CWellParam &well = m_wells.at(i);
        QStringList inside;
        QStringList cover;
        for (const QString &name : WellDefectNames(well))
            (IsCoverDefect(name) ? cover : inside) << name;
        m_wordEngine.SetTableRowTexts(
            table, i + 2, 1,
            {Count(i + 1), well.strWellNum, WellTypeText(well.nWellType),
             m_inputs.system.OptionItem(QSystemInfo::InspectionWellMaterial, well.nWellMeterial),
             m_inputs.system.OptionItem(QSystemInfo::ManholeCoversMaterial, well.nWellLidMeterial),
             inside.join(QLatin1Char('/')), cover.join(QLatin1Char('/'))},
            1);
    }
}

void CModelReport::WritePipelineDefectTable(int table)
{
    m_nStructuralPositions = 0;
    m_nFunctionalPositions = 0;
    int structuralOnly = 0, functionalOnly = 0, both = 0, neither = 0;
    const QChar zero(QLatin1Char('0'));
    const QStringList names = CDefectVocabulary::DefectNameList();

    m_wordEngine.InsertTableRow(table, 2, m_nEvaluated - 1);
    int row = 2;
    for (const CReportItem *item : EvaluatedItems()) {
        const CFileRTV &file = item->GetFileRTV();
        const PipelineParam &pipe = file.GetPipelineParam();
        QStringList structural;
        QStringList functional;
        for (const CDefectItem &defect : file.GetDefectList()) {
            const DefectParam &param = defect.defectParam;
            if (param.DefectName < 0 || param.DefectName >= kTypes)
                continue;
            const QString text =
                tr("There is Level-%4 %5 deformation in the position of longitudinal %1m and "
                   "circumferential %2%3")
                    .arg(Fixed2(param.fDistance),
                         QStringLiteral("%1").arg(param.nRingStart, 2, 10, zero),
                         QStringLiteral("%1").arg(param.nRingEnd, 2, 10, zero),
                         Count(param.DefectLevel + 1), names.at(param.DefectName));
            if (param.DefectProperty == 0) {
                structural << text;
                ++m_nStructuralPositions;
            } else if (param.DefectProperty == 1) {
                functional << text;
                ++m_nFunctionalPositions;
            }
        }
        if (!structural.isEmpty() && !functional.isEmpty())
            ++both;
        else if (!structural.isEmpty())
            ++structuralOnly;
        else if (!functional.isEmpty())
            ++functionalOnly;
        else
            ++neither;
        m_wordEngine.SetTableRowTexts(
            table, row, 1,
            {Count(row - 1), item->SectionName(), Count(pipe.nPipeSectionDiameter),
             m_inputs.system.OptionItem(QSystemInfo::PipeMaterial, pipe.nPipeSectionMaterial),
             Fixed2(pipe.fPipeSectionLen), Fixed2(pipe.fPipeBranchDepth),
             structural.join(QStringLiteral("\r\n")), functional.join(QStringLiteral("\r\n"))},
            1);
        ++row;
    }

    QString sentence =
        tr("Totally %1 sections of pipelines are evaluated, and there are defects in %2 positions")
            .arg(m_nEvaluated)
            .arg(m_nWithDefects);
    if (structuralOnly > 0 || functionalOnly > 0 || both > 0) {
        QStringList parts;
        if (structuralOnly > 0)
            parts << tr("%1 section have structural defect").arg(structuralOnly);
        if (functionalOnly > 0)
            parts << tr("%1 section functional defect").arg(functionalOnly);
        if (both > 0)
            parts << tr(" then") +
                         tr("%1 section exist structural and functional defects  at the same time")
                             .arg(both);
        sentence += QLatin1Char('(') + parts.join(QLatin1Char(',')) + QLatin1Char(')');
    }
    if (neither > 0)
        sentence += tr(",%1 section don't exist defect .").arg(neither);
    m_wordEngine.SetBookmarkText(QStringLiteral("lbDefectCount1"), sentence);
}

void CModelReport::WritePipelineDefectCountTable(int table)
{
    QString sentence =
        tr("Totally %1 sections of pipelines are evaluated, and there are defects in %2 positions")
            .arg(m_nEvaluated)
            .arg(m_nDefectTotal);
    if (m_nWithDefects > 0) {
        sentence += QLatin1Char('(');
        if (m_nStructuralPositions > 0)
            sentence += tr("%1 section have structural defect").arg(m_nStructuralPositions);
        if (m_nStructuralPositions > 0 && m_nFunctionalPositions > 0)
            sentence += QLatin1Char(',');
        if (m_nFunctionalPositions > 0)
            sentence += tr("%1 section functional defect").arg(m_nFunctionalPositions);
        sentence += QLatin1Char(')');
    }
    m_wordEngine.SetBookmarkText(QStringLiteral("lbDefectCount"), sentence);

    for (int type = 0; type < kTypes; ++type) {
        QStringList texts;
        for (int grade = 0; grade < kGrades; ++grade)
            texts << Count(m_nDefectCount[type][grade]);
        texts << Count(m_nTypeTotal[type]);
        m_wordEngine.SetTableRowTexts(table, 3 + type, 3, texts, 1);
    }
    QStringList totals;
    for (int grade = 0; grade < kGrades; ++grade)
        totals << Count(m_nGradeTotal[grade]);
    totals << Count(m_nDefectTotal);
    m_wordEngine.SetTableRowTexts(table, 19, 2, totals, 1);
}

void CModelReport::WriteDefectPieChart(int shape)
{
    const QStringList names = CDefectVocabulary::DefectNameList();
    QStringList labels;
    QStringList values;
    for (int type = 0; type < kTypes; ++type) {
        if (m_nTypeTotal[type] == 0)
            continue;
        labels << names.at(type);
        values << QString::number(m_nTypeTotal[type]);
    }
    m_wordEngine.SetChartData(shape, labels, values);
}

void CModelReport::WritePipeSectionAssessmentTable(int table)
{
    m_wordEngine.InsertTableRow(table, 3, m_nEvaluated - 1);
    int row = 3;
    for (const CReportItem *item : EvaluatedItems()) {
        const CFileRTV &file = item->GetFileRTV();
        const PipelineParam &pipe = file.GetPipelineParam();
        QStringList texts = {item->SectionName(),
                             Count(pipe.nPipeSectionDiameter),
                             Fixed2(pipe.fPipeSectionLen),
                             MaterialText(pipe.nPipeSectionMaterial),
                             Fixed2(pipe.fstartBuriedDepth),
                             Fixed2(pipe.fendBuriedDepth)};
        QStringList structural;
        if (file.GetStructuralCount() > 0) {
            QString condition, repair;
            const int grade = file.GetStructuralGrade(&condition);
            file.GetRepairGrade(&repair);
            structural = QStringList{Fixed2(file.GetS()),
                                     Fixed2(file.GetSmax()),
                                     QStringLiteral("%1 %2").arg(grade).arg(condition),
                                     Fixed2(file.GetStructuralDensity()),
                                     Fixed2(file.GetRI()),
                                     repair + QLatin1Char('(') + file.GetStructuralDensityText() +
                                         QLatin1Char(')')};
        }
        QStringList functional;
        if (file.GetFunctionalCount() > 0) {
            QString condition, maintenance;
            const int grade = file.GetFunctionalGrade(&condition);
            file.GetMaintenanceGrade(&maintenance);
            functional = QStringList{Fixed2(file.GetY()),
                                     Fixed2(file.GetYmax()),
                                     QStringLiteral("%1 %2").arg(grade).arg(condition),
                                     Fixed2(file.GetFunctionalDensity()),
                                     Fixed2(file.GetMI()),
                                     maintenance + QLatin1Char('(') +
                                         file.GetFunctionalDensityText() + QLatin1Char(')')};
        }
        m_wordEngine.SetTableRowTexts(table, row, 1, texts + structural, 1);
        m_wordEngine.SetTableRowTexts(table, row, 13, functional, 1);
        ++row;
    }
}
