#pragma once

#include "samplemodel.h"

#include <QJsonObject>
#include <QString>

// manifest.json: what every sample file holds, as a reader should see it, so
// tests compare the product's readers against the values written here.
namespace Manifest {

// decodeImages: check each blob by decoding it; otherwise trust the blob kinds.
QJsonObject rtvEntry(const SampleRtv &rtv, bool decodeImages = true);

// A file no reader can get data from; version as the table probe reports it.
QJsonObject unreadableEntry(int version, const QString &note);

// Numbers as written into the XML texts (6 significant digits), so 0.2f reads 0.2.
double number(float value);

bool write(const QString &path, const QJsonObject &root, QString *error);

} // namespace Manifest
