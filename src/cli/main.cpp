#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "clioutput.h"
#include "core/common/appdatadir.h"
#include "core/common/clanguagesettings.h"
#include "core/database/ckln_tq420database.h"
#include "core/inspection/cfilebmw.h"
#include "core/inspection/cfilertv.h"
#include "exportcommand.h"
#include "inspectcommand.h"
#include "office/automation/officeservers.h"
#include "projectcommands.h"
#include "reportcommand.h"
#include "sheetcommand.h"

// Headless command-line tool: inspects RTV files, converts video description files, and
// keeps projects, imports videos and lists defects in the data files of a folder.
namespace {
struct Cli
{
    Q_DECLARE_TR_FUNCTIONS(Cli)
};

constexpr int kUsageError = 3;

int Fail(const QString &message, int code)
{
    CliOutput::Err(message);
    return code;
}

void ApplyCliLanguage(const QString &language)
{
    CLanguageSettings::SetConsoleEcho(false);
    CLanguageSettings *settings = CLanguageSettings::GetInstance();
    settings->SetLanguage(language == QLatin1String("zh"));
    settings->UnloadLanguage();
    settings->LoadQtLanguage();
    settings->LoadAppLanguage();
}

// The debug log is for developers: shown with --verbose only, so that standard error
// carries one line per failed file.
void QuietDebugLog(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        CliOutput::Err(text);
}

int RunConvert(const QStringList &args)
{
    if (args.size() != 2)
        return Fail(Cli::tr("usage: tq420-cli convert VIDEO.xml OUT.rtv"), kUsageError);
    const QFileInfo out(args.at(1));
    if (!out.absoluteDir().exists())
        return Fail(Cli::tr("%1: the folder %2 does not exist")
                        .arg(args.at(1), QDir::toNativeSeparators(out.absolutePath())),
                    1);
    CFileRTV target;
    const int result = CFileBMW::ConvertToRTV(args.at(0), out.absoluteFilePath(), &target);
    if (result == CFileBMW::ConvertUnreadable)
        return Fail(Cli::tr("%1: not a readable video description file").arg(args.at(0)), 2);
    if (result == CFileBMW::ConvertFailed)
        return Fail(Cli::tr("%1: cannot create the RTV file (no permission or the disk is "
                            "full); nothing was written")
                        .arg(args.at(1)),
                    1);
    return 0;
}

// The commands that work on the data files of --app-dir.
int RunDataCommand(const QString &command, QStringList args, const QCommandLineParser &parser)
{
    const QString appDir = parser.value(QStringLiteral("app-dir"));
    if (appDir.isEmpty())
        return Fail(Cli::tr("%1 needs --app-dir DIR").arg(command), kUsageError);
    if (!QFileInfo(appDir).isDir())
        return Fail(Cli::tr("no such folder: %1").arg(appDir), kUsageError);
    DataFolder::SetAppDataDir(appDir);
    const bool json = parser.isSet(QStringLiteral("json"));
    const QString project = parser.value(QStringLiteral("project"));

    if (command == QLatin1String("project")) {
        const QString action = args.isEmpty() ? QString() : args.takeFirst();
        if (action == QLatin1String("add"))
            return ProjectCommands::AddProject(
                {parser.value(QStringLiteral("number")), parser.value(QStringLiteral("name")),
                 parser.value(QStringLiteral("site")), parser.value(QStringLiteral("date"))});
        if (action == QLatin1String("list"))
            return ProjectCommands::ListProjects(json);
        return Fail(Cli::tr("usage: tq420-cli project add|list --app-dir DIR ..."), kUsageError);
    }
    if (command == QLatin1String("report")) {
        const QString out = parser.value(QStringLiteral("out"));
        if (out.isEmpty() || project.isEmpty())
            return Fail(
                Cli::tr("usage: tq420-cli report --app-dir DIR --project NUMBER --out FILE"),
                kUsageError);
        return ReportCommand::FromProject(project, out);
    }
    if (command == QLatin1String("sheet")) {
        bool isNumber = false;
        const int kind = parser.value(QStringLiteral("kind")).toInt(&isNumber);
        const QString out = parser.value(QStringLiteral("out"));
        if (!isNumber || out.isEmpty() || (kind != 0 && project.isEmpty()))
            return Fail(Cli::tr("usage: tq420-cli sheet --app-dir DIR [--project NUMBER] --kind "
                                "0|1|2|3 --out FILE.xls"),
                        kUsageError);
        const QString key = kind == 0 ? QString() : ProjectCommands::ProjectKey(project);
        return kind != 0 && key.isEmpty() ? 1 : SheetCommand::Run(key, kind, out);
    }
    if (command == QLatin1String("export"))
        return ExportCommand::Run(parser, project);
    if (project.isEmpty())
        return Fail(Cli::tr("%1 needs --project NUMBER").arg(command), kUsageError);
    if (command == QLatin1String("import")) {
        if (args.isEmpty())
            return Fail(Cli::tr("usage: tq420-cli import --app-dir DIR --project NUMBER VIDEO..."),
                        kUsageError);
        return ProjectCommands::Import(project, args, json);
    }
    return ProjectCommands::ListDefects(project, json);
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    RegisterOfficeServers();
    if (!app.arguments().contains(QStringLiteral("--verbose")))
        qInstallMessageHandler(QuietDebugLog);
    QCoreApplication::setOrganizationName(QStringLiteral("Dalmeron"));
    QCoreApplication::setApplicationName(QStringLiteral("KLN_TQ420"));

    // The language comes first so that help and errors are translated too.
    QString language = QStringLiteral("en");
    const QStringList raw = app.arguments();
    const int langAt = raw.indexOf(QStringLiteral("--lang"));
    if (langAt >= 0 && langAt + 1 < raw.size())
        language = raw.at(langAt + 1);
    ApplyCliLanguage(language);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        Cli::tr("Command-line tool of the sewer inspection office program."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("lang"), Cli::tr("Language of the output and of the data files: en or zh."),
         QStringLiteral("en|zh"), QStringLiteral("en")},
        {QStringLiteral("json"), Cli::tr("Print JSON.")},
        {QStringLiteral("verbose"), Cli::tr("Show the debug log on standard error.")},
        {QStringLiteral("app-dir"), Cli::tr("Folder of the data files."), QStringLiteral("DIR")},
        {QStringLiteral("project"), Cli::tr("Number of the project."), QStringLiteral("NUMBER")},
        {QStringLiteral("number"), Cli::tr("project add: project number."), QStringLiteral("N")},
        {QStringLiteral("name"), Cli::tr("project add: project name."), QStringLiteral("NAME")},
        {QStringLiteral("site"), Cli::tr("project add: site."), QStringLiteral("SITE")},
        {QStringLiteral("date"), Cli::tr("project add: commencement date."),
         QStringLiteral("yyyy-MM-dd")},
        {QStringLiteral("kind"),
         Cli::tr("sheet: 0 projects, 1 videos, 2 interpretation, 3 evaluation."),
         QStringLiteral("KIND")},
        {QStringLiteral("out"), Cli::tr("sheet, report: the file to write."),
         QStringLiteral("FILE")},
    });
    ExportCommand::AddOptions(parser);
    parser.addPositionalArgument(
        QStringLiteral("command"),
        Cli::tr("inspect [--json] FILE.rtv... | convert VIDEO.xml OUT.rtv | project add|list | "
                "import VIDEO... | defects | sheet | report [FILE.rtv...] | export"));
    parser.process(app);

    if (language != QLatin1String("en") && language != QLatin1String("zh"))
        return Fail(Cli::tr("unknown language \"%1\": use en or zh").arg(language), kUsageError);
    QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return Fail(parser.helpText(), kUsageError);
    const QString command = args.takeFirst();
    if (command == QLatin1String("inspect")) {
        if (args.isEmpty())
            return Fail(Cli::tr("usage: tq420-cli inspect [--json] FILE.rtv..."), kUsageError);
        return InspectCommand::Run(args, parser.isSet(QStringLiteral("json")));
    }
    if (command == QLatin1String("convert"))
        return RunConvert(args);
    if (command == QLatin1String("report") && !parser.isSet(QStringLiteral("app-dir"))) {
        const QString out = parser.value(QStringLiteral("out"));
        if (out.isEmpty() || args.isEmpty())
            return Fail(Cli::tr("usage: tq420-cli report --out FILE [--lang en|zh] FILE.rtv..."),
                        kUsageError);
        return ReportCommand::FromFiles(args, out);
    }
    if (command == QLatin1String("project") || command == QLatin1String("import") ||
        command == QLatin1String("defects") || command == QLatin1String("sheet") ||
        command == QLatin1String("report") || command == QLatin1String("export")) {
        const int code = RunDataCommand(command, args, parser);
        // Closing folds the database's log into its file: a copy of the file holds it all.
        CKLN_TQ420DataBase::ReleaseInstance();
        return code;
    }
    return Fail(Cli::tr("unknown command \"%1\"").arg(command), kUsageError);
}
