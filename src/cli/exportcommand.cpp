#include "exportcommand.h"

#include <QCommandLineParser>

#include "clioutput.h"
#include "core/common/cuserprompt.h"
#include "core/settings/ckln_tq420setting.h"
#include "core/settings/qsysteminfo.h"
#include "office/report/cdataexporter.h"
#include "projectcommands.h"

namespace {
struct SwitchOption
{
    const char *name;
    bool DataExportParam::*member;
    const char *help;
};

const SwitchOption kSwitches[] = {
    {"project-info", &DataExportParam::bProReport,
     QT_TRANSLATE_NOOP("ExportCommand", "export: the project information sheet.")},
    {"sheets", &DataExportParam::bInterpretation,
     QT_TRANSLATE_NOOP("ExportCommand", "export: the evaluation and interpretation sheets.")},
    {"videos", &DataExportParam::bVideo,
     QT_TRANSLATE_NOOP("ExportCommand", "export: copy the videos.")},
    {"images", &DataExportParam::bImage,
     QT_TRANSLATE_NOOP("ExportCommand", "export: copy the defect images.")},
    {"project-dir", &DataExportParam::bHasPro,
     QT_TRANSLATE_NOOP("ExportCommand", "export: a folder level for the project name.")},
    {"road-dir", &DataExportParam::bHasRoad,
     QT_TRANSLATE_NOOP("ExportCommand", "export: a folder level for the road name.")},
    {"pipe-type-dir", &DataExportParam::bHasPipeType,
     QT_TRANSLATE_NOOP("ExportCommand", "export: a folder level for the pipeline type.")},
    {"pipe-number", &DataExportParam::bHasPipeNum,
     QT_TRANSLATE_NOOP("ExportCommand",
                       "export: file names begin with the pipeline number (else a random name).")},
    {"date-in-name", &DataExportParam::bHasDate,
     QT_TRANSLATE_NOOP("ExportCommand",
                       "export: file names carry the date after the pipeline number.")},
};

// The warnings of the export go to standard error.
class ErrorPrompt : public CUserPrompt
{
public:
    void Information(const QString &title, const QString &text) override
    {
        CliOutput::Err(title + QStringLiteral(": ") + text);
    }
};
} // namespace

void ExportCommand::AddOptions(QCommandLineParser &parser)
{
    parser.addOption(
        {QStringLiteral("to"), tr("export: the folder to export into."), QStringLiteral("DIR")});
    for (const SwitchOption &option : kSwitches)
        parser.addOption(
            {QString::fromLatin1(option.name), tr(option.help), QStringLiteral("on|off")});
}

int ExportCommand::Run(const QCommandLineParser &parser, const QString &projectNumber)
{
    const QString target = parser.value(QStringLiteral("to"));
    if (target.isEmpty() || projectNumber.isEmpty()) {
        CliOutput::Err(tr("usage: tq420-cli export --app-dir DIR --project NUMBER --to DIR "
                          "[--videos on|off ...]"));
        return 3;
    }
    CKLN_TQ420Setting *settings = CKLN_TQ420Setting::GetInstance();
    settings->loadXml(); // the stored switches, or the initial ones
    DataExportParam param = settings->GetDataExportParam();
    for (const SwitchOption &option : kSwitches) {
        const QString name = QString::fromLatin1(option.name);
        if (!parser.isSet(name))
            continue;
        const QString value = parser.value(name);
        if (value != QLatin1String("on") && value != QLatin1String("off")) {
            CliOutput::Err(tr("--%1 takes on or off, not \"%2\"").arg(name, value));
            return 3;
        }
        param.*option.member = value == QLatin1String("on");
    }

    const QString key = ProjectCommands::ProjectKey(projectNumber);
    if (key.isEmpty())
        return 1;
    ErrorPrompt prompt;
    Prompts::SetUserPrompt(&prompt);
    CDataExporter exporter(param, SystemValues::Of(*QSystemInfo::GetInstance()), target);
    QObject::connect(&exporter, &CDataExporter::signal_stepStarted, [](const QString &text) {
        CliOutput::Out(text.trimmed() + QLatin1Char('\n'));
    });
    const bool ok = exporter.SetProject(key) && exporter.RunAll();
    Prompts::SetUserPrompt(nullptr);
    const CDataExporter::Result &result = exporter.GetResult();
    CliOutput::Out(tr("%1: %2 sheets, %3 videos, %4 images written, %5 files skipped")
                       .arg(target)
                       .arg(result.sheets)
                       .arg(result.videos)
                       .arg(result.images)
                       .arg(result.skipped) +
                   QLatin1Char('\n'));
    for (const QString &failure : result.failures)
        CliOutput::Err(failure);
    if (result.Failed())
        CliOutput::Err(tr("%1: the export is incomplete: %2 sheets and %3 files could not be "
                          "written")
                           .arg(target)
                           .arg(result.failedSheets)
                           .arg(result.failedCopies));
    return ok && !result.Failed() ? 0 : 1;
}
