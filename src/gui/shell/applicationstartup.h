#pragma once

#include <QStringList>

// The two ways the program runs, chosen by the command line:
//   KLN_TQ420                     the full application (main window)
//   KLN_TQ420 -report [-english]  only the report generator dialog
namespace ApplicationStartup {

constexpr int kRestartExitCode = 888;

bool IsReportMode(const QStringList &arguments);
bool IsEnglishReport(const QStringList &arguments);

// Application attributes and names; before anything else.
void PrepareApplication();
// "Microsoft YaHei" 12 pt, falling back to an installed CJK font.
void ApplyApplicationFont();
// Message boxes for the prompts of the core.
void InstallUserPrompt();

// The data folder at start, after InstallUserPrompt(): shows the problem of its choice
// (DataFolder::Problem()) through the prompt and removes what killed imports left, unless
// another process is importing. Returns the number of leftovers removed.
int PrepareDataFolder();

// Both run the event loop and return its exit code (0 after starting a new instance).
int RunReportMode(const QStringList &arguments);
int RunFullApplication();

} // namespace ApplicationStartup
