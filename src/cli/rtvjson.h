#pragma once

#include <QJsonObject>

class CFileRTV;
class CDefectItem;
class ProjectParam;
class PipelineParam;
class CWellParam;

// JSON forms of what an RTV file holds; entity fields keep their own names.
namespace RtvJson {
// A float as the shortest decimal that reads back as the same float.
double FloatValue(float value);

QJsonObject Header(const ProjectParam &header);
QJsonObject Well(const CWellParam &well);
QJsonObject Pipeline(const PipelineParam &pipeline);
QJsonObject Defect(const CDefectItem &defect);
// Indices, grades and their texts of an evaluated file.
QJsonObject Evaluation(const CFileRTV &file);
} // namespace RtvJson
