#pragma once

#include <QString>

namespace DataFolder {

// The one folder of the data files (project database, settings files, cache): the
// application folder when it is writable, as a portable installation on Windows would
// have it, otherwise the per-user data location. Every data path is built from it.
QString AppDataDir();

// Points the data files at another folder (the command-line tool's --app-dir, tests).
// An empty text returns to the automatic choice.
void SetAppDataDir(const QString &dir);

} // namespace DataFolder
