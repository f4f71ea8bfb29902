#pragma once

#include <QByteArray>
#include <QString>

// The drawn figures of the report templates, as PNG data: "logo" (cover), "setup" (robot
// in a pipe between two manholes), "clock" (circumferential clock positions), "distance"
// (longitudinal distance from the start well) and "seal" (the stamp field of the sign-off).
// Empty for an unknown name. Drawn without text, so no font is needed at build time.
namespace Pictures {
QByteArray Png(const QString &name);
}
