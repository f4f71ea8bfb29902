// Takes the screenshots of the README: shows each window of the program on the screen of a
// virtual display (xvfb-run), in English or Chinese, and saves what the screen shows.
//   tq420-screenshots --app-dir DIR --lang en|zh OUTDIR [SCENE...]
// The data folder should hold a project with imported videos (scripts/screenshots.sh makes one).
#include <cstdio>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>

#include "core/common/appdatadir.h"
#include "core/common/clanguagesettings.h"
#include "gui/chrome/guiresources.h"
#include "gui/shell/applicationstartup.h"
#include "office/automation/officeservers.h"
#include "screenshotscenes.h"

int main(int argc, char *argv[])
{
    ApplicationStartup::PrepareApplication();
    QApplication application(argc, argv);
    RegisterOfficeServers();
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption(
        {QStringLiteral("app-dir"), QStringLiteral("Data folder."), QStringLiteral("DIR")});
    parser.addOption({QStringLiteral("lang"), QStringLiteral("en or zh."), QStringLiteral("LANG"),
                      QStringLiteral("en")});
    parser.addPositionalArgument(QStringLiteral("outdir"),
                                 QStringLiteral("Folder of the PNG files."));
    parser.addPositionalArgument(QStringLiteral("scene"),
                                 QStringLiteral("Scenes to take (all by default)."));
    parser.process(application);
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        parser.showHelp(2);

    // The stored language of the user is left alone.
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    if (parser.isSet(QStringLiteral("app-dir")))
        DataFolder::SetAppDataDir(parser.value(QStringLiteral("app-dir")));
    const bool chinese = parser.value(QStringLiteral("lang")) == QLatin1String("zh");
    CLanguageSettings::SetConsoleEcho(false);
    CLanguageSettings::GetInstance()->SetLanguage(chinese);
    CLanguageSettings::GetInstance()->ApplyLanguage();
    Resources::InitGuiResources();
    ApplicationStartup::InstallUserPrompt();
    ApplicationStartup::ApplyApplicationFont();

    ScreenshotScenes scenes(positional.first(),
                            chinese ? QStringLiteral("zh") : QStringLiteral("en"));
    const QStringList wanted = positional.mid(1);
    return scenes.Run(wanted) ? 0 : 1;
}
