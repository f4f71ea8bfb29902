#include "sheetcommand.h"

#include <QFileInfo>

#include "clioutput.h"
#include "core/settings/qsysteminfo.h"
#include "office/report/cmodelsheet.h"
#include "office/report/csheetdata.h"

int SheetCommand::Run(const QString &projectKey, int kind, const QString &outPath)
{
    QVariantList rows;
    QString title = QStringLiteral("Sheet1"); // the table pages' sheets carry no title
    switch (kind) {
    case CModelSheet::ProjectDetails:
        rows = CSheetData::ProjectRows();
        break;
    case CModelSheet::AcceptanceVideo:
        rows = CSheetData::VideoRows(projectKey);
        break;
    case CModelSheet::InterpretationRecord:
        rows = CSheetData::InterpretationRows(projectKey);
        title = tr("Interpretation information");
        break;
    case CModelSheet::DetectedAndEvaluated:
        rows = CSheetData::DetectedAndEvaluatedRows(CSheetData::ProjectRtvFiles(projectKey),
                                                    SystemValues::Of(*QSystemInfo::GetInstance()));
        title = tr("Detected and evaluated information");
        break;
    default:
        CliOutput::Err(tr("the sheet kind is 0, 1, 2 or 3"));
        return 3;
    }
    CModelSheet sheet(title, 0);
    const QString path = QFileInfo(outPath).absoluteFilePath();
    if (!sheet.DoExportSheet(path, CModelSheet::HeaderTexts(kind), rows, rows.size(),
                             CSheetData::ColumnCount(kind), kind)) {
        CliOutput::Err(
            tr("%1: the sheet could not be written: %2").arg(outPath, sheet.ErrorString()));
        return 1;
    }
    CliOutput::Out(tr("%1: %2 rows written").arg(outPath).arg(rows.size()) + QLatin1Char('\n'));
    return 0;
}
