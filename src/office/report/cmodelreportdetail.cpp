// The per-section detail tables of the report: one copy of the template's detail table per
// evaluated section, with the header block, the defect rows and the pictures.
#include "office/report/cmodelreport.h"

#include <QFileInfo>

#include "core/common/myhelper.h"
#include "core/inspection/cdefectvocabulary.h"

namespace {

constexpr int kFirstDefectRow = 8;
constexpr int kTemplateDefectRows = 2;
constexpr int kPictureWidth = 265;
constexpr int kPictureHeight = 187;
constexpr int kCaptionShading = 0xE1ECEE;
constexpr int kHeaderCharsPerLine = 24; // of the widest header value column

QString Fixed(float value, int decimals)
{
    return QString::number(double(value), 'f', decimals);
}

QString TwoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

void CModelReport::WritePipeSectionResultTable()
{
    m_wordEngine.CopyTableFromBookmark(QStringLiteral("tbDefectDetail"), m_nEvaluated - 1);
    // The template holds six inline shapes before the detail section.
    m_nShapeIndex = 6;
    const QList<const CReportItem *> items = EvaluatedItems();
    for (int k = 0; k < items.size(); ++k) {
        WriteSectionDetail(m_nTableIndex + k, *items.at(k));
        if (k + 1 < items.size())
            m_wordEngine.InsertPageBreak();
    }
}

void CModelReport::WriteSectionDetail(int table, const CReportItem &item)
{
    const CFileRTV &file = item.GetFileRTV();
    const PipelineParam &pipe = file.GetPipelineParam();
    const ProjectParam &header = file.GetProjectParam();

    const QList<QStringList> block = {
        {file.GetAVIPath(), pipe.startWell.strWellNum, pipe.endWell.strWellNum},
        {pipe.strRemark, tr("%1m").arg(double(pipe.fstartBuriedDepth)),
         tr("%1m").arg(double(pipe.fendBuriedDepth))},
        {PipeTypeText(pipe.nPipeSectionType), MaterialText(pipe.nPipeSectionMaterial),
         tr("%1mm").arg(pipe.nPipeSectionDiameter)},
        {TestDirectionText(pipe.nTestDirction), tr("%1m").arg(Fixed(pipe.fPipeSectionLen, 2)),
         tr("%1m").arg(Fixed(pipe.fPipeBranchDepth, 2))},
        {Fixed(file.GetRI(), 2) + QLatin1Char('/') + QString::number(file.GetRepairGrade()),
         Fixed(file.GetMI(), 2) + QLatin1Char('/') + QString::number(file.GetMaintenanceGrade()),
         m_inputs.system.standard},
        {header.strTester, header.strTestUnit, header.strTestDate},
        {header.strTestSite, header.strTestDevice, pipe.strOwnUnit},
    };
    // The first row grows by 0.7 cm for each line its longest value needs.
    int longest = 0;
    for (const QString &text : block.first())
        longest = qMax(longest, text.size());
    const int lines = qMax(1, (longest + kHeaderCharsPerLine - 1) / kHeaderCharsPerLine);
    m_wordEngine.SetTableRowHeight(table, 1, float(lines * 0.7 / 2.54 * 72));
    m_wordEngine.SetTableBlockTexts(table, 1, 2, block, 2, 1);

    const QList<CDefectItem> &defects = file.GetDefectList();
    const int count = defects.size();
    if (count > kTemplateDefectRows)
        m_wordEngine.InsertTableRow(table, kFirstDefectRow + kTemplateDefectRows - 1,
                                    count - kTemplateDefectRows);
    for (int j = 0; j < count; ++j) {
        const DefectParam &param = defects.at(j).defectParam;
        const QString distance = MyHelper::FuzzyEqual(param.fDistance, 0)
                                     ? QStringLiteral("0")
                                     : Fixed(param.fDistance, 2);
        const QString description =
            CDefectVocabulary::NameText(param) +
            tr(", the position of circumferential %1%2")
                .arg(TwoDigits(param.nRingStart), TwoDigits(param.nRingEnd)) +
            tr(" , longitudinal length of %1m .").arg(Fixed(param.fLength, 2));
        m_wordEngine.SetTableRowTexts(
            table, kFirstDefectRow + j, 1,
            {tr("%1m").arg(distance), CDefectVocabulary::NameText(param),
             CDefectVocabulary::LevelText(param),
             QStringLiteral("%1").arg(double(CDefectVocabulary::Score(param)), 0, 'f', 1),
             description},
            1);
    }

    // Pictures two per row pair (picture row, caption row) after one separating row.
    const int separatorRow = kFirstDefectRow + qMax(count, kTemplateDefectRows);
    int pictureRow = separatorRow + 1;
    if (count > kTemplateDefectRows) {
        // Below the template's picture row, so that the new rows keep its two columns.
        m_wordEngine.InsertTableRow(table, pictureRow, 2 * ((count - kTemplateDefectRows + 1) / 2));
    }
    for (int j = 0; j < count; ++j) {
        const int column = j % 2 == 0 ? 1 : 2;
        if (column == 1)
            m_wordEngine.SetTableRowHeight(table, pictureRow, 20);
        const QString path = defects.at(j).strDefectImgPath;
        if (!path.isEmpty() && QFileInfo::exists(path)) {
            m_wordEngine.InsertTableCellPicture(table, m_nShapeIndex + 1, pictureRow, column, path,
                                                kPictureWidth, kPictureHeight);
            ++m_nShapeIndex;
            m_wordEngine.SetTableCellText(table, pictureRow + 1, column, tr("image %1").arg(j + 1));
            m_wordEngine.SetTableCellShading(table, pictureRow + 1, column, kCaptionShading);
            m_wordEngine.SelectTableCell(table, pictureRow + 1, column);
            m_wordEngine.SetSelectionFont(QStringLiteral("Microsoft YaHei"), 9, true);
        }
        if (column == 2)
            pictureRow += 2;
    }
}
