#pragma once

#include <QJsonObject>
#include <QString>

// OUTDIR/large/large.rtv: 1000 defects with distinct 640x480 frames and a
// 1000-sample track, for load and speed checks.
namespace LargeSample {

// *entry receives the manifest entry (image validity by construction, not decoded).
bool write(const QString &path, QJsonObject *entry, QString *error);

} // namespace LargeSample
