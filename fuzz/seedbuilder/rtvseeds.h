#pragma once

#include <QString>

// Seeds taken from the sample RTV files: the files themselves with their frames made tiny
// (so a mutation rarely lands in pixel data), the XML texts of their columns, their frames.
namespace RtvSeeds {

// False with the reason when a sample cannot be read or a seed written.
bool Add(const QString &rtvPath, const QString &outDir, QString *error);

} // namespace RtvSeeds
