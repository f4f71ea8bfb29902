#pragma once

#include <QString>

namespace DataFolder {

// The one folder of the data files (project database, settings files, cache): the
// application folder when it is writable, as a portable installation on Windows would
// have it, otherwise the per-user data location. Every data path is built from it.
QString AppDataDir();

// The problem met by the automatic choice, for the user (empty when none): an application
// folder that holds a project database but cannot be written. Logged when the choice is
// made; the GUI shows it at start.
QString Problem();

// The choice itself: appDir when it is writable, else userDir (created); problem tells
// the user when appDir holds a project database that is thereby left out.
QString ChooseDataDir(const QString &appDir, const QString &userDir, QString &problem);

// Points the data files at another folder (the command-line tool's --app-dir, tests).
// An empty text returns to the automatic choice.
void SetAppDataDir(const QString &dir);

} // namespace DataFolder
