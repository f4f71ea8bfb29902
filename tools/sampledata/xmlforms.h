#pragma once

#include "samplemodel.h"

#include <QString>

// The XML text forms stored in the RTV columns, written field by field in the
// order the field units use, so readers are checked against an independent writer.
namespace XmlForms {

// Number texts of the XML fields: floats with 6 significant digits, doubles
// with 10 decimals.
QString floatText(float value);
QString doubleText(double value);

QString pipeSection(const SamplePipe &pipe);           // root "KLN_CONFIG"
QString defectParam(const SampleDefect &defect);       // root "DefectParam"
QString vectorGraph(const QList<SampleShape> &shapes); // root "VectorGrapth"
QString robotState(const SampleTrack &sample);         // root "VectorGrapth", "ControlParam"

} // namespace XmlForms
