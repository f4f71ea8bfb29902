#pragma once

#include <QJsonObject>
#include <QString>

// Video description files (root "VideoInfo", fields below "Headline"), one good
// one and four that a reader must reject or read with fallbacks.
namespace BmwSamples {

// Writes OUTDIR/bmw/*.xml; returns false with *error when a file cannot be written.
// *manifest receives one entry per file, keyed by its path below OUTDIR.
bool write(const QString &outDir, QJsonObject *manifest, QString *error);

} // namespace BmwSamples
