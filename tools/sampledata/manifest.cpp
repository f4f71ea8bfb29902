#include "manifest.h"

#include "frames.h"
#include "xmlforms.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

namespace {

QString kindName(BlobKind kind)
{
    switch (kind) {
    case BlobKind::Png:
        return QStringLiteral("png");
    case BlobKind::Empty:
        return QStringLiteral("empty");
    case BlobKind::TruncatedPng:
        return QStringLiteral("truncated-png");
    case BlobKind::CorruptPng:
        return QStringLiteral("corrupt-png");
    case BlobKind::RandomBytes:
        return QStringLiteral("random");
    case BlobKind::Jpeg:
        return QStringLiteral("jpeg");
    }
    return QString();
}

QJsonValue headerJson(const SampleRtv &rtv)
{
    if (!rtv.hasHeaderRow)
        return QJsonValue::Null;
    const SampleHeader &h = rtv.header;
    QJsonObject o{{"strTester", h.strTester},
                  {"strTestUnit", h.strTestUnit},
                  {"strTestDevice", h.strTestDevice},
                  {"strTestSite", h.strTestSite},
                  {"strTestDate", h.strTestDate}};
    // Only the columns the file has; readers fill the others by their own rules.
    if (rtv.version & RtvProjectNameBit)
        o.insert("strProjectName", h.strProjectName);
    if (rtv.version & RtvInterpretationBit)
        o.insert("bIsInterpretation", h.bIsInterpretation);
    return o;
}

QJsonObject wellJson(const SampleWell &w)
{
    return QJsonObject{
        {"strWellNum", w.strWellNum},         {"nWellType", w.nWellType},
        {"nWellMeterial", w.nWellMeterial},   {"nWellLidMeterial", w.nWellLidMeterial},
        {"WellDefectType", w.WellDefectType}, {"strWellDefect", w.strWellDefect}};
}

QJsonObject pipeJson(const SamplePipe &p)
{
    if (!p.xmlReadable) {
        // Nothing is read from the text: only fields with fixed defaults are stated.
        return QJsonObject{{"xmlReadable", false},
                           {"nPipeSectionType", p.nPipeSectionType},
                           {"nPipeSectionMaterial", p.nPipeSectionMaterial},
                           {"nPipeSectionDiameter", p.nPipeSectionDiameter},
                           {"fPipeSectionLen", Manifest::number(p.fPipeSectionLen)},
                           {"fPipeBranchDepth", Manifest::number(p.fPipeBranchDepth)},
                           {"nTestDirction", p.nTestDirction},
                           {"nAreaProperty", p.nAreaProperty},
                           {"nSoilProperty", p.nSoilProperty}};
    }
    return QJsonObject{{"xmlReadable", true},
                       {"nPipeSectionType", p.nPipeSectionType},
                       {"nPipeSectionMaterial", p.nPipeSectionMaterial},
                       {"strPipeSectionMaterial", p.strPipeSectionMaterial},
                       {"nPipeSectionDiameter", p.nPipeSectionDiameter},
                       {"fPipeSectionLen", Manifest::number(p.fPipeSectionLen)},
                       {"fPipeBranchDepth", Manifest::number(p.fPipeBranchDepth)},
                       {"fBuriedDepth", Manifest::number(p.fBuriedDepth)},
                       {"fstartBuriedDepth", Manifest::number(p.fstartBuriedDepth)},
                       {"fendBuriedDepth", Manifest::number(p.fendBuriedDepth)},
                       {"fWellLatitude", p.fWellLatitude},
                       {"fWellLongitude", p.fWellLongitude},
                       {"nTestDirction", p.nTestDirction},
                       {"nAreaProperty", p.nAreaProperty},
                       {"nSoilProperty", p.nSoilProperty},
                       {"strOwnUnit", p.strOwnUnit},
                       {"strRemark", p.strRemark},
                       {"strBuildDate", p.strBuildDate},
                       {"startWell", wellJson(p.startWell)},
                       {"endWell", wellJson(p.endWell)}};
}

QJsonArray trackJson(const QList<SampleTrack> &track)
{
    QJsonArray a;
    for (const SampleTrack &t : track) {
        a.append(QJsonObject{{"nTimeIndex", t.nTimeIndex},
                             {"strCurTime", t.strCurTime},
                             {"fDistance", Manifest::number(t.fDistance)},
                             {"xmlReadable", t.xmlReadable}});
    }
    return a;
}

QJsonArray shapesJson(const QList<SampleShape> &shapes)
{
    QJsonArray a;
    for (const SampleShape &s : shapes) {
        QJsonObject o{{"nType", s.nType}, {"bLocalMachine", s.bLocalMachine}};
        if (s.nType == 5 || s.nType == 30)
            o.insert("strText", s.strText);
        a.append(o);
    }
    return a;
}

QJsonObject defectJson(const SampleDefect &d, bool decodeImages)
{
    QJsonObject o{{"nTimeIndex", d.nTimeIndex},
                  {"strCurTime", d.strCurTime},
                  {"DefectName", d.DefectName},
                  {"DefectProperty", d.DefectProperty},
                  {"DefectLevel", d.DefectLevel},
                  {"fDistance", Manifest::number(d.fDistance)},
                  {"fLength", Manifest::number(d.fLength)},
                  {"nRingStart", d.nRingStart},
                  {"nRingEnd", d.nRingEnd},
                  {"strRemark", d.strRemark},
                  {"strInterpretDate", d.strInterpretDate},
                  {"fRadioPixelLengthMM", Manifest::number(d.fRadioPixelLengthMM)},
                  {"paramXmlReadable", d.paramXmlReadable},
                  {"vectorXmlReadable", d.vectorXmlReadable},
                  {"shapes", shapesJson(d.shapes)},
                  {"imgDataOrgKind", kindName(d.orgKind)},
                  {"imgDataDefectKind", kindName(d.defectKind)}};
    if (decodeImages) {
        o.insert("imgDataOrgIsPng", Frames::isValidPng(d.imgDataOrg));
        o.insert("imgDataDefectIsPng", Frames::isValidPng(d.imgDataDefect));
        o.insert("imgDataOrgBytes", d.imgDataOrg.size());
        o.insert("imgDataDefectBytes", d.imgDataDefect.size());
    } else {
        o.insert("imgDataOrgIsPng", d.orgKind == BlobKind::Png);
        o.insert("imgDataDefectIsPng", d.defectKind == BlobKind::Png);
    }
    return o;
}

} // namespace

namespace Manifest {

double number(float value)
{
    return XmlForms::floatText(value).toDouble();
}

QJsonObject rtvEntry(const SampleRtv &rtv, bool decodeImages)
{
    QJsonArray defects;
    for (const SampleDefect &d : rtv.defects)
        defects.append(defectJson(d, decodeImages));
    QJsonObject o{{"version", rtv.version},
                  {"readable", rtv.readable},
                  {"hasHeaderRow", rtv.hasHeaderRow},
                  {"header", headerJson(rtv)},
                  {"hasPipeRow", rtv.hasPipeRow},
                  {"track", trackJson(rtv.track)},
                  {"defectCount", rtv.defects.size()},
                  {"defects", defects}};
    if (rtv.hasPipeRow) {
        o.insert("strStartWellID", rtv.pipe.strStartWellID);
        o.insert("strEndWellID", rtv.pipe.strEndWellID);
        o.insert("fPipeSectionLen", number(rtv.pipe.fPipeSectionLen));
        o.insert("pipe", pipeJson(rtv.pipe));
    }
    return o;
}

QJsonObject unreadableEntry(int version, const QString &note)
{
    return QJsonObject{
        {"version", version},         {"readable", false},       {"hasHeaderRow", false},
        {"header", QJsonValue::Null}, {"hasPipeRow", false},     {"track", QJsonArray()},
        {"defectCount", 0},           {"defects", QJsonArray()}, {"note", note}};
}

bool write(const QString &path, const QJsonObject &root, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    file.write(QJsonDocument(root).toJson(QJsonDocument::Indented));
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace Manifest
