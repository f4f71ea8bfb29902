#include "office/report/cdataexporter.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "core/common/cuserprompt.h"
#include "core/common/debuglog.h"
#include "core/common/myhelper.h"
#include "core/common/sqlquote.h"
#include "core/database/ckln_tq420database.h"
#include "core/files/newkeys.h"
#include "core/files/qfilemanager.h"
#include "office/report/cmodelsheet.h"
#include "office/report/csheetdata.h"

namespace {
const QChar kSlash = QLatin1Char('/');
constexpr int kRandomNameLength = 5;

QString Text(const QVariantMap &row, const char *column)
{
    return row.value(QLatin1String(column)).toString();
}

// A stored date as file names carry it: "yyyy-MM-dd hhmmss" for an instant, the day as it is.
QString DateForName(const QString &text)
{
    const QDateTime instant = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    return instant.isValid() ? MyHelper::DateTimeToText(instant, 2) : text;
}

bool IsReservedDeviceName(const QString &name)
{
    static const QRegularExpression reserved(
        QStringLiteral("^(con|prn|aux|nul|com[0-9]|lpt[0-9])(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    return reserved.match(name).hasMatch();
}
} // namespace

CDataExporter::CDataExporter(const DataExportParam &param, const SystemValues &system,
                             const QString &exportRoot, QObject *parent)
    : QObject(parent)
    , m_param(param)
    , m_system(system)
    , m_strRoot(QDir::cleanPath(QFileInfo(exportRoot).absoluteFilePath()))
{}

QString CDataExporter::SafeFileName(const QString &name)
{
    QString safe;
    safe.reserve(name.size());
    for (const QChar c : name) {
        const bool refused =
            c.unicode() < 0x20 || c.unicode() == 0x7f || QStringLiteral("\\/:*?\"<>|").contains(c);
        safe += refused ? QLatin1Char('_') : c;
    }
    safe = safe.trimmed();
    while (safe.endsWith(QLatin1Char('.')) || safe.endsWith(QLatin1Char(' ')))
        safe.chop(1);
    if (safe.isEmpty())
        return QString(); // also "." and "..", which lose their dots above
    return IsReservedDeviceName(safe) ? QLatin1Char('_') + safe : safe;
}

bool CDataExporter::SetProject(const QString &projectKey)
{
    CKLN_TQ420DataBase *db = CKLN_TQ420DataBase::GetInstance();
    const QString key = SqlText::SqlQuote(projectKey);
    const QList<QVariantMap> projects =
        db->SelectRows(QStringLiteral("ProjectDetail"), QStringLiteral("HashCode = ") + key);
    if (projects.isEmpty()) {
        TQ_LOG << "no project" << projectKey << "!!!";
        return false;
    }
    m_strProjectKey = projectKey;
    m_project = projects.first();
    m_videos = db->SelectRows(QStringLiteral("VedioCount"),
                              QStringLiteral("ProHashCode = %1 order by rowid").arg(key));
    m_defects = db->SelectRows(QStringLiteral("DefectInfo"),
                               QStringLiteral("ProHashCode = %1 order by TimeIndex asc").arg(key));
    return true;
}

QList<CDataExporter::Step> CDataExporter::Steps() const
{
    QList<Step> steps;
    if (m_param.bProReport)
        steps << ProjectInformation;
    if (m_param.bInterpretation && !m_videos.isEmpty())
        steps << DetectedAndEvaluatedSheet << InterpretationSheet;
    if (m_param.bVideo)
        steps << VideoCopy;
    if (m_param.bImage)
        steps << ImageCopy;
    return steps;
}

QString CDataExporter::WaitText(Step step)
{
    switch (step) {
    case ProjectInformation:
        return tr("Doing export project information , please waiting now ....");
    case DetectedAndEvaluatedSheet:
        return tr(" Exporting the information of detection and evaluate operation in progress , "
                  "please waiting");
    case InterpretationSheet:
        return tr("Exporting the value of interpretation in progress , please wait");
    case VideoCopy:
        return tr("Exporting the detected video in progress , please wait");
    case ImageCopy:
        return tr("Exporting the detected image in progress , please wait");
    }
    return QString();
}

bool CDataExporter::RunAll()
{
    bool ok = true;
    for (Step step : Steps())
        ok = RunStep(step) && ok;
    return ok;
}

bool CDataExporter::RunStep(Step step)
{
    if (m_strProjectKey.isEmpty())
        return false;
    emit signal_stepStarted(WaitText(step));
    switch (step) {
    case ProjectInformation:
        return WriteSheet(CModelSheet::ProjectDetails, tr("Project information"));
    case DetectedAndEvaluatedSheet:
        return WriteSheet(CModelSheet::DetectedAndEvaluated,
                          tr("Detected and evaluated information"));
    case InterpretationSheet:
        return WriteSheet(CModelSheet::InterpretationRecord, tr("Interpretation information"));
    case VideoCopy:
        return CopyFiles(true);
    case ImageCopy:
        return CopyFiles(false);
    }
    return false;
}

bool CDataExporter::WriteSheet(int kind, const QString &title)
{
    emit signal_progress(0, 1);
    QVariantList rows;
    if (kind == CModelSheet::ProjectDetails) {
        // This project's row of the project list (project numbers are unique).
        const QString number = Text(m_project, "ProjectNumber");
        for (const QVariant &row : CSheetData::ProjectRows()) {
            if (row.toList().value(0).toString() == number)
                rows << row;
        }
    } else if (kind == CModelSheet::DetectedAndEvaluated) {
        rows = CSheetData::DetectedAndEvaluatedRows(CSheetData::ProjectRtvFiles(m_strProjectKey),
                                                    m_system);
    } else {
        rows = CSheetData::InterpretationRows(m_strProjectKey);
    }
    const QString name = SafeFileName(Text(m_project, "ProjectName") + QLatin1Char('_') + title +
                                      QStringLiteral("_sheet.xls"));
    const QString path = m_strRoot + kSlash + name;
    // The new sheet replaces one of the same name once it is written.
    bool written = !name.isEmpty() && QDir().mkpath(m_strRoot);
    QString reason =
        name.isEmpty()
            ? tr("not a valid file name")
            : tr("the folder %1 cannot be made").arg(QDir::toNativeSeparators(m_strRoot));
    if (written) {
        CModelSheet sheet(title, 0);
        written = sheet.DoExportSheet(path, CModelSheet::HeaderTexts(kind), rows, rows.size(),
                                      CSheetData::ColumnCount(kind), kind);
        reason = sheet.ErrorString();
    }
    if (written) {
        ++m_result.sheets;
    } else {
        ++m_result.failedSheets;
        ++m_result.failedSteps;
        m_result.failures << title + QStringLiteral(": ") + reason;
    }
    emit signal_progress(1, 1);
    return written;
}

QString CDataExporter::TargetDir(const QString &road, const QString &pipeType,
                                 const QString &kindDir)
{
    // The project level is always made; road and pipe type follow their switches.
    QStringList levels = {Text(m_project, "ProjectName")};
    if (m_param.bHasRoad)
        levels << road;
    if (m_param.bHasPipeType)
        levels << pipeType;
    levels << kindDir;
    // Only plain names are joined, so the folder stays below the root. An empty name adds
    // no level; one that cannot be a name ("..") makes the folder illegal.
    QString dir = m_strRoot;
    bool legal = true;
    for (const QString &level : levels) {
        if (level.trimmed().isEmpty())
            continue;
        const QString safe = SafeFileName(level);
        legal = !safe.isEmpty();
        dir += kSlash + (legal ? safe : level);
        if (!legal)
            break;
    }
    if (!legal || !QDir().mkpath(dir)) {
        if (!m_result.illegalDirectories.contains(dir))
            m_result.illegalDirectories << dir;
        TQ_LOG << "illegal directory" << dir << "!!!";
        return QString();
    }
    return dir;
}

QString CDataExporter::FileName(const QString &pipeNumber, const QString &date, const QString &dir,
                                const QString &suffix) const
{
    // A random name never takes the place of an earlier export's file.
    if (!m_param.bHasPipeNum || pipeNumber.trimmed().isEmpty())
        return NewKeys::FreeFileName(dir, kRandomNameLength, suffix);
    QString name = pipeNumber;
    if (m_param.bHasDate && !date.isEmpty())
        name += QLatin1Char('_') + DateForName(date);
    name = SafeFileName(name);
    return name.isEmpty() ? QString() : name + suffix;
}

bool CDataExporter::CopyFiles(bool videos)
{
    const QList<QVariantMap> &rows = videos ? m_videos : m_defects;
    const QString kindDir = videos ? tr("video") : tr("image");
    const int illegalBefore = m_result.illegalDirectories.size();
    const int failedBefore = m_result.failedCopies;
    bool illegal = false;
    for (int i = 0; i < rows.size(); ++i) {
        const QVariantMap &row = rows.at(i);
        const QString source = Text(row, videos ? "VedioFileName" : "ImagePath");
        const QString dir = TargetDir(Text(row, "RoadName"), Text(row, "PipeType"), kindDir);
        QString suffix = QStringLiteral("_%1").arg(i + 1);
        const QString extension =
            videos ? SafeFileName(QFileInfo(source).suffix()) : QStringLiteral("png");
        if (!extension.isEmpty())
            suffix += QLatin1Char('.') + extension;
        const QString name =
            dir.isEmpty() ? QString()
                          : FileName(Text(row, "PipeNum"),
                                     Text(row, videos ? "RecordDate" : "TestDate"), dir, suffix);
        if (dir.isEmpty() || name.isEmpty()) {
            if (!dir.isEmpty())
                TQ_LOG << "illegal file name" << Text(row, "PipeNum") << "!!!";
            illegal = true;
            ++m_result.skipped;
            emit signal_progress(i + 1, rows.size());
            continue;
        }
        const QString target = dir + kSlash + name;
        if (QFileManager::CopyFileToPath(source, target)) {
            ++(videos ? m_result.videos : m_result.images);
        } else if (!QFileInfo(source).isFile()) {
            ++m_result.skipped;
            m_result.failures
                << tr("%1: missing from the cache, skipped").arg(QDir::toNativeSeparators(source));
        } else {
            ++m_result.failedCopies;
            m_result.failures << tr("%1: could not be copied (is the disk full?)")
                                     .arg(QDir::toNativeSeparators(target));
        }
        emit signal_progress(i + 1, rows.size());
    }
    illegal = illegal || m_result.illegalDirectories.size() > illegalBefore;
    const bool copyFailed = m_result.failedCopies > failedBefore;
    if (illegal || copyFailed)
        ++m_result.failedSteps;
    if (illegal)
        Prompts::ShowUserInformation(tr("Warn"), tr("An illegal directory exists ."));
    return !illegal && !copyFailed;
}

QString CDataExporter::PreviewFileName(const DataExportParam &param)
{
    if (!param.bHasPipeNum)
        return tr("random file name");
    QString name = tr("Pipeline No");
    if (param.bHasDate)
        name += tr("Date");
    return name;
}

QString CDataExporter::VideoPreviewText(const DataExportParam &param)
{
    QString text = tr("Directory of video saved : project name\\");
    if (param.bHasRoad)
        text += tr("Road name\\");
    if (param.bHasPipeType)
        text += tr("Pipeline tpye\\");
    return text + tr("Video\\") + PreviewFileName(param) + QStringLiteral(".avi");
}

QString CDataExporter::ImagePreviewText(const DataExportParam &param)
{
    QString text = tr("Directory of image saved : project name\\");
    if (param.bHasRoad)
        text += tr("Road name\\");
    if (param.bHasPipeType)
        text += tr("Pipeline tpye\\");
    return text + tr("Image\\") + PreviewFileName(param) + tr("_progressive number.png");
}
