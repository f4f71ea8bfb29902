#include <QApplication>

#include "gui/chrome/guiresources.h"
#include "gui/shell/applicationstartup.h"
#include "office/automation/officeservers.h"

int main(int argc, char *argv[])
{
    ApplicationStartup::PrepareApplication();
    QApplication application(argc, argv);
    RegisterOfficeServers();
    Resources::InitGuiResources();
    ApplicationStartup::InstallUserPrompt();
    const QStringList arguments = QCoreApplication::arguments();
    if (ApplicationStartup::IsReportMode(arguments))
        return ApplicationStartup::RunReportMode(arguments);
    return ApplicationStartup::RunFullApplication();
}
