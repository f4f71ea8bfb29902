#pragma once

#include <QByteArray>
#include <QString>

// The seed folders: one per fuzz target, each seed a file named after its content.
namespace SeedFiles {

// Writes the seed into folder/target (made when missing); false when it cannot be written.
bool Add(const QString &folder, const QString &target, const QByteArray &seed);

// Removes the seeds an earlier run left in folder/target (only files named as Add names
// them), so a sample that changed leaves no stale seed behind.
void Clear(const QString &folder, const QString &target);

} // namespace SeedFiles
