#include "projectcommands.h"

#include <QDate>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QSqlRecord>

#include "clioutput.h"
#include "core/common/sqlquote.h"
#include "core/database/ckln_tq420database.h"
#include "core/files/cvideoimporter.h"
#include "core/files/importsession.h"
#include "core/files/importsummary.h"
#include "core/files/newkeys.h"
#include "core/files/qfilemanager.h"
#include "core/inspection/cfilertv.h"
#include "core/settings/qsysteminfo.h"

namespace {
QJsonObject ToJson(const QVariantMap &row)
{
    return QJsonObject::fromVariantMap(row);
}

QJsonObject ToJson(const QString &video, const CVideoImporter::Result &result)
{
    QJsonObject object{{"video", video},
                       {"ok", result.ok},
                       {"key", result.info.strHashCode},
                       {"rtvSource", CVideoImporter::SourceName(result.source)},
                       {"defects", result.defects}};
    if (!result.error.isEmpty())
        object.insert("error", result.error);
    if (!result.note.isEmpty())
        object.insert("note", result.note.trimmed());
    return object;
}

// The principal of a new project: the first person of the inspecting unit.
QString DefaultPrincipal()
{
    const QList<SystemRecord> &persons = QSystemInfo::GetInstance()->Persons();
    return persons.isEmpty() ? QString() : persons.first().name();
}

// How the RTV file came about, for people; the JSON keeps the fixed words.
QString SourceText(CVideoImporter::RtvSource source)
{
    switch (source) {
    case CVideoImporter::RtvCopied:
        return ProjectCommands::tr("copied from beside the video");
    case CVideoImporter::RtvConverted:
        return ProjectCommands::tr("converted from the video description file");
    default:
        return ProjectCommands::tr("created empty");
    }
}

QString CurrentOption(int slot)
{
    const COptionList *list = QSystemInfo::GetInstance()->OptionList(slot);
    return list ? list->selectedItem() : QString();
}
} // namespace

QString ProjectCommands::ProjectKey(const QString &projectNumber)
{
    const QList<QVariantMap> rows = CKLN_TQ420DataBase::GetInstance()->SelectRows(
        QStringLiteral("ProjectDetail"),
        QStringLiteral("ProjectNumber = ") + SqlText::SqlQuote(projectNumber));
    if (rows.isEmpty()) {
        CliOutput::Err(tr("no project with the number \"%1\"").arg(projectNumber));
        return QString();
    }
    return rows.first().value(QStringLiteral("HashCode")).toString();
}

int ProjectCommands::AddProject(const NewProject &project)
{
    if (project.number.trimmed().isEmpty() || project.name.trimmed().isEmpty() ||
        project.site.trimmed().isEmpty()) {
        CliOutput::Err(tr("Please at least fill in the necessary information"));
        return 3;
    }
    const QDate date = project.date.isEmpty()
                           ? QDate::currentDate()
                           : QDate::fromString(project.date, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid()) {
        CliOutput::Err(tr("not a date in the form yyyy-MM-dd: %1").arg(project.date));
        return 3;
    }
    CKLN_TQ420DataBase *db = CKLN_TQ420DataBase::GetInstance();
    if (!db->SelectRows(QStringLiteral("ProjectDetail"),
                        QStringLiteral("ProjectNumber = ") + SqlText::SqlQuote(project.number))
             .isEmpty()) {
        CliOutput::Err(tr("projectNum can't be same"));
        return 1;
    }
    const QString key = NewKeys::ProjectKey();
    if (key.isEmpty()) {
        CliOutput::Err(tr("the project could not be stored"));
        return 1;
    }
    const QVariantMap row{
        {QStringLiteral("ProjectNumber"), project.number},
        {QStringLiteral("ProjectName"), project.name},
        {QStringLiteral("ProjectSite"), project.site},
        {QStringLiteral("Principal"), DefaultPrincipal()},
        {QStringLiteral("CommencementDate"), date.toString(QStringLiteral("yyyy-MM-dd"))},
        {QStringLiteral("MeasureType"), CurrentOption(QSystemInfo::TestType)},
        {QStringLiteral("MoveMethod"), CurrentOption(QSystemInfo::MoveMode)},
        {QStringLiteral("SealMethod"), CurrentOption(QSystemInfo::BlockingWay)},
        {QStringLiteral("DrainageMethod"), CurrentOption(QSystemInfo::CatchmentWay)},
        {QStringLiteral("DesiltMethod"), CurrentOption(QSystemInfo::HydrophobicWay)},
        {QStringLiteral("HashCode"), key},
    };
    if (!db->InsertRow(QStringLiteral("ProjectDetail"), row)) {
        CliOutput::Err(tr("the project could not be stored"));
        return 1;
    }
    QFileManager *files = QFileManager::GetInstance();
    if (!files->CreateDir(files->GetRootDir(), key))
        CliOutput::Err(tr("the project folder could not be created"));
    CliOutput::Out(tr("project %1 added, key %2").arg(project.number, key) + QLatin1Char('\n'));
    return 0;
}

int ProjectCommands::ListProjects(bool json)
{
    const QList<QVariantMap> rows = CKLN_TQ420DataBase::GetInstance()->SelectRows(
        QStringLiteral("ProjectDetail"), QStringLiteral("1 = 1 order by CommencementDate desc"));
    QJsonArray array;
    for (const QVariantMap &row : rows) {
        if (json) {
            array.append(ToJson(row));
            continue;
        }
        CliOutput::Out(
            tr("%1  %2  %3  %4  videos %5, pipes %6, %7 m, defects %8, key %9")
                .arg(row.value("ProjectNumber").toString(), row.value("ProjectName").toString(),
                     row.value("ProjectSite").toString(), row.value("CommencementDate").toString(),
                     row.value("VedioNums").toString(), row.value("PipeNums").toString(),
                     QString::number(row.value("Mileages").toDouble(), 'g', 6),
                     row.value("iInterpretationNums").toString(),
                     row.value("HashCode").toString()) +
            QLatin1Char('\n'));
    }
    if (json)
        CliOutput::Json(array);
    return 0;
}

int ProjectCommands::Import(const QString &projectNumber, const QStringList &videos, bool json)
{
    const QString key = ProjectKey(projectNumber);
    if (key.isEmpty())
        return 1;
    CKLN_TQ420DataBase *db = CKLN_TQ420DataBase::GetInstance();
    CFileRTV file;
    QJsonArray array;
    CImportSummary summary;
    {
        const CImportSession session;
        for (const QString &video : videos) {
            const CVideoImporter::Result result =
                CVideoImporter::ImportOne(QFileInfo(video).absoluteFilePath(), key, file, true);
            summary.Add(video, result);
            if (json)
                array.append(ToJson(video, result));
            else if (result.ok)
                CliOutput::Out(tr("%1: imported as %2, RTV file %3, %4 defects")
                                   .arg(video, result.info.strHashCode, SourceText(result.source))
                                   .arg(result.defects) +
                               QLatin1Char('\n'));
        }
        int videoCount = 0, pipeCount = 0, standardCount = 0, defectCount = 0;
        float mileage = 0;
        db->UpdateProjectCountInfo(key, videoCount, pipeCount, mileage, standardCount, defectCount);
    }
    if (json)
        CliOutput::Json(array);
    if (summary.HasProblems())
        CliOutput::Err(summary.Text());
    else if (!json)
        CliOutput::Out(summary.Text() + QLatin1Char('\n'));
    return summary.Failed() > 0 ? 1 : 0;
}

int ProjectCommands::ListDefects(const QString &projectNumber, bool json)
{
    const QString key = ProjectKey(projectNumber);
    if (key.isEmpty())
        return 1;
    int rowCount = 0;
    int columnCount = 0;
    const QList<QVariantList> rows =
        CKLN_TQ420DataBase::GetInstance()->GetDefectContents(key, rowCount, columnCount);
    QJsonArray array;
    for (const QVariantList &row : rows) {
        if (json)
            array.append(QJsonArray::fromVariantList(row));
        else {
            QStringList texts;
            for (const QVariant &value : row)
                texts << value.toString();
            CliOutput::Out(texts.join(QStringLiteral(" | ")) + QLatin1Char('\n'));
        }
    }
    if (json)
        CliOutput::Json(array);
    return 0;
}
