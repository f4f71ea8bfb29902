#pragma once

#include <QJsonObject>
#include <QString>

// OUTDIR/videos: an import folder with a video beside an RTV file, one beside a
// description file, and a bare one.
namespace VideoFolder {

// rtvSource and xmlSource are the files copied beside road1 and road2.
bool write(const QString &outDir, const QString &rtvSource, const QString &xmlSource,
           QJsonObject *manifest, QString *error);

} // namespace VideoFolder
