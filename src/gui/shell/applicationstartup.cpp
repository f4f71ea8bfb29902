#include "gui/shell/applicationstartup.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFont>
#include <QProcess>

#include "core/common/appdatadir.h"
#include "core/common/clanguagesettings.h"
#include "core/common/cuserprompt.h"
#include "core/common/debuglog.h"
#include "core/database/ckln_tq420database.h"
#include "core/files/importsession.h"
#include "core/settings/ckln_tq420setting.h"
#include "gui/chrome/cmessageboxprompt.h"
#include "gui/chrome/guiresources.h"
#include "gui/dialogs/generatereportdlg.h"
#include "gui/shell/mainwindow.h"
#include "gui/shell/qdlgsetlanguage.h"

namespace ApplicationStartup {

bool IsReportMode(const QStringList &arguments)
{
    return arguments.size() >= 2 && arguments.at(1) == QLatin1String("-report");
}

bool IsEnglishReport(const QStringList &arguments)
{
    return arguments.size() >= 3 && arguments.at(2) == QLatin1String("-english");
}

void PrepareApplication()
{
    QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    QCoreApplication::setOrganizationName(QStringLiteral("KLN"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("kln-tq420.invalid"));
    QCoreApplication::setApplicationName(QStringLiteral("KLN_TQ420"));
}

void ApplyApplicationFont()
{
    // The Windows font the interface was designed with; on Linux the CJK fonts of the set-up.
    QFont::insertSubstitutions(QStringLiteral("Microsoft YaHei"),
                               {QStringLiteral("Noto Sans CJK SC"),
                                QStringLiteral("WenQuanYi Micro Hei"),
                                QStringLiteral("Noto Sans CJK")});
    QApplication::setFont(QFont(QStringLiteral("Microsoft YaHei"), 12, QFont::Normal, false));
}

void InstallUserPrompt()
{
    CMessageBoxPrompt::Install();
}

int PrepareDataFolder()
{
    DataFolder::AppDataDir(); // makes the choice, which sets the problem
    const QString problem = DataFolder::Problem();
    if (!problem.isEmpty())
        Prompts::ShowUserInformation(QCoreApplication::translate("DataFolder", "Data folder"),
                                     problem);
    const CImportSession session;
    TQ_LOG << "leftovers of interrupted imports removed:" << session.RemovedCount();
    return session.RemovedCount();
}

int RunReportMode(const QStringList &arguments)
{
    CLanguageSettings *language = CLanguageSettings::GetInstance();
    language->SetLanguage(!IsEnglishReport(arguments));
    language->ApplyLanguage();

    auto *dialog = new GenerateReportDlg;
    dialog->show();
    CKLN_TQ420Setting::ReleaseInstance();
    CKLN_TQ420DataBase::ReleaseInstance();

    TQ_LOG << "prepare a.exec()----";
    const int exitCode = QApplication::exec();
    TQ_LOG << "a.exec()----" << exitCode;
    delete dialog;
    return exitCode;
}

int RunFullApplication()
{
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    const QString stored =
        CLanguageSettings::ReadUserSetting(QStringLiteral("Language"), QString()).toString();
    TQ_LOG << "Locale:" << stored;
    CLanguageSettings *language = CLanguageSettings::GetInstance();
    if (stored.isEmpty()) {
        QDlgSetLanguage dialog;
        if (dialog.exec() == QDialog::Accepted)
            language->SwitchLanguage();
    }
    language->ApplyLanguage();
    QCoreApplication::addLibraryPath(QStringLiteral("./plugins"));
    ApplyApplicationFont();
    PrepareDataFolder();

    auto *window = new MainWindow;
    window->show();
    const int exitCode = QApplication::exec();
    // Closing the last window may end the loop with 0 before the restart code arrives.
    if (exitCode == kRestartExitCode || window->RestartRequested()) {
        QProcess::startDetached(QCoreApplication::applicationFilePath(), QStringList());
        delete window;
        return 0;
    }
    delete window;
    return exitCode;
}

} // namespace ApplicationStartup
