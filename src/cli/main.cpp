#include <cstdio>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include "ModelFolders/Files/cfilebmw.h"
#include "ModelFolders/Files/cfilertv.h"
#include "QUtility/clanguagesettings.h"
#include "inspectcommand.h"

// Headless command-line tool: inspects RTV files and converts video description files.
namespace {
struct Cli
{
    Q_DECLARE_TR_FUNCTIONS(Cli)
};

int Fail(const QString &message, int code = 2)
{
    std::fprintf(stderr, "%s\n", message.toUtf8().constData());
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
        std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

int RunConvert(const QStringList &args)
{
    if (args.size() != 2)
        return Fail(Cli::tr("usage: tq420-cli convert VIDEO.xml OUT.rtv"), 3);
    CFileRTV target;
    const int result = CFileBMW::ConvertToRTV(args.at(0), QFileInfo(args.at(1)).absoluteFilePath(), &target);
    if (result == CFileBMW::ConvertUnreadable)
        Fail(Cli::tr("%1: not a readable video description file").arg(args.at(0)));
    else if (result == CFileBMW::ConvertFailed)
        Fail(Cli::tr("%1: cannot create the RTV file").arg(args.at(1)));
    return result == CFileBMW::Converted ? 0 : result == CFileBMW::ConvertFailed ? 1 : 2;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
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
    parser.setApplicationDescription(Cli::tr("Command-line tool of the sewer inspection office program."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("lang"), Cli::tr("Language of the output: en or zh."),
                      QStringLiteral("en|zh"), QStringLiteral("en")});
    parser.addOption({QStringLiteral("json"), Cli::tr("inspect: print one JSON array.")});
    parser.addOption({QStringLiteral("verbose"), Cli::tr("Show the debug log on standard error.")});
    parser.addPositionalArgument(QStringLiteral("command"),
                                 Cli::tr("inspect [--json] FILE.rtv... | convert VIDEO.xml OUT.rtv"));
    parser.process(app);

    if (language != QLatin1String("en") && language != QLatin1String("zh"))
        return Fail(Cli::tr("unknown language \"%1\": use en or zh").arg(language), 3);
    QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return Fail(parser.helpText(), 3);
    const QString command = args.takeFirst();
    if (command == QLatin1String("inspect")) {
        if (args.isEmpty())
            return Fail(Cli::tr("usage: tq420-cli inspect [--json] FILE.rtv..."), 3);
        return InspectCommand::Run(args, parser.isSet(QStringLiteral("json")));
    }
    if (command == QLatin1String("convert"))
        return RunConvert(args);
    return Fail(Cli::tr("unknown command \"%1\"").arg(command), 3);
}
