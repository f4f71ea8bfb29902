#pragma once

#include <QString>

// New project and video keys and random file names: digits and capital letters from the
// system's random source, in the system's format (project key 10 characters, video key =
// project key + 5), and never one in use: a key taken by a row of the project database or
// by a folder of the cache, or a name taken in its folder, is drawn again.
namespace NewKeys {

// A project key no project row and no cache folder uses; empty when none was found
// (the database cannot be read).
QString ProjectKey();

// Draws a free video key of the project and creates its folder, which must not exist yet
// (so two imports, also of two processes, never share one). Returns the folder and sets
// videoKey; empty when no folder could be created.
QString CreateVideoFolder(const QString &projectKey, QString &videoKey);

// A file name of `length` random characters followed by suffix that nothing in dir uses
// yet; empty when none was found.
QString FreeFileName(const QString &dir, int length, const QString &suffix);

// Whether a folder name has the form of a project key, or of a video key of that project.
bool IsProjectKeyName(const QString &name);
bool IsVideoKeyName(const QString &name, const QString &projectKey);

} // namespace NewKeys
