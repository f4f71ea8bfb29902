#include "core/files/cvideoimporter.h"

#include <QDateTime>
#include <QFileInfo>

#include "core/common/debuglog.h"
#include "core/common/myhelper.h"
#include "core/database/ckln_tq420database.h"
#include "core/files/qfilemanager.h"
#include "core/inspection/cfilebmw.h"
#include "core/inspection/cfilertv.h"
#include "core/settings/qsysteminfo.h"

namespace {
constexpr int kVideoCodeLength = 5;

QString OptionText(int slot, int index)
{
    const COptionList *list = QSystemInfo::GetInstance()->OptionList(slot);
    return list ? list->itemAt(index) : QString();
}

// The source's extension from its last "." on, unchanged (empty when it has none).
QString ExtensionOf(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot);
}
} // namespace

QString CVideoImporter::SourceName(RtvSource source)
{
    switch (source) {
    case RtvCopied:
        return QStringLiteral("copied");
    case RtvConverted:
        return QStringLiteral("converted");
    case RtvEmpty:
        return QStringLiteral("empty");
    default:
        return QString();
    }
}

CVideoImporter::Result CVideoImporter::ImportOne(const QString &sourcePath,
                                                 const QString &projectKey, CFileRTV &target,
                                                 bool storeDefects)
{
    Result result;
    const QFileInfo source(sourcePath);
    if (!source.isFile()) {
        result.error = tr("the video file does not exist");
        return result;
    }
    const QString videoKey = projectKey + MyHelper::MakeRandomKey(kVideoCodeLength);
    const QString folder = QFileManager::GetInstance()->GetItemDir(projectKey, videoKey);
    if (folder.isEmpty()) {
        result.error = tr("cannot create the video folder");
        return result;
    }
    const QString videoPath = folder + QLatin1Char('/') + videoKey + ExtensionOf(sourcePath);
    TQ_LOG << "strCopyAVIPath" << videoPath;
    if (!QFileManager::CopyFileToPath(sourcePath, videoPath)) {
        result.error = tr("cannot copy the video");
        QFileManager::GetInstance()->RemoveItemDir(projectKey, videoKey);
        return result;
    }
    const QString recordDate = source.lastModified().toString(QStringLiteral("yyyy-MM-dd"));
    target.setAVIParam(videoPath, recordDate);

    const QString rtvPath = folder + QLatin1Char('/') + videoKey + QStringLiteral(".rtv");
    result.source = PrepareRtvFile(sourcePath, rtvPath, target, result.note);
    if (result.source == RtvNone) {
        result.error = tr("cannot create the RTV file");
        QFileManager::GetInstance()->RemoveItemDir(projectKey, videoKey);
        return result;
    }

    const QList<CDefectItem> &defects = target.GetDefectList();
    if (storeDefects && !defects.isEmpty()) {
        const ProjectParam &header = target.GetProjectParam();
        const int stored = CKLN_TQ420DataBase::GetInstance()->InsertDefectItems(
            header.strTestSite, videoKey, header.strTestDate, target.GetPipelineParam(), defects);
        if (stored < 0)
            result.note += tr("the defects could not be stored in the project database. ");
    }
    result.defects = defects.size();
    result.info = MakeVideoInfo(target, videoKey, projectKey, videoPath, recordDate);
    result.ok = true;
    return result;
}

CVideoImporter::RtvSource CVideoImporter::PrepareRtvFile(const QString &sourcePath,
                                                         const QString &rtvPath, CFileRTV &target,
                                                         QString &note)
{
    const QFileInfo source(sourcePath);
    const QString base = source.path() + QLatin1Char('/') + source.completeBaseName();

    // An RTV file beside the video: copied and read whole.
    const QString besideRtv = base + QStringLiteral(".rtv");
    if (QFileInfo::exists(besideRtv)) {
        const bool read = QFileManager::CopyFileToPath(besideRtv, rtvPath) &&
                          target.open(rtvPath) && target.TraversalFile();
        target.close();
        if (read)
            return RtvCopied;
        note += tr("the RTV file beside the video could not be read. ");
    }
    // A video description file beside it: converted into a new RTV file.
    const QString besideXml = base + QStringLiteral(".xml");
    if (QFileInfo::exists(besideXml)) {
        if (CFileBMW::ConvertToRTV(besideXml, rtvPath, &target) == CFileBMW::Converted)
            return RtvConverted;
        note += tr("the video description file could not be read. ");
    }
    // Nothing usable: an empty RTV file, which knows no road yet.
    target.ResetContents();
    target.GetProjectParam().strTestSite.clear();
    const bool created = target.open(rtvPath, CFileRTV::OpenCreate);
    target.close();
    return created ? RtvEmpty : RtvNone;
}

QVedioInfo CVideoImporter::MakeVideoInfo(const CFileRTV &file, const QString &videoKey,
                                         const QString &projectKey, const QString &videoPath,
                                         const QString &recordDate)
{
    const PipelineParam &pipe = file.GetPipelineParam();
    QVedioInfo info;
    info.strRoadName = file.GetProjectParam().strTestSite;
    info.strPipeNum = pipe.strStartWellID + QLatin1Char('~') + pipe.strEndWellID;
    info.strPipeType = OptionText(QSystemInfo::PipeType, pipe.nPipeSectionType);
    info.strPipeMeterial = OptionText(QSystemInfo::PipeMaterial, pipe.nPipeSectionMaterial);
    info.strVedioFileName = videoPath;
    info.strRecordDate = recordDate;
    info.strImportDate = MyHelper::DateTimeToText(QDateTime::currentDateTime(), 0);
    info.iDefectNums = file.GetDefectList().size();
    info.fLongitude = pipe.fWellLongitude;
    info.fLatitude = pipe.fWellLatitude;
    info.strHashCode = videoKey;
    info.strProHashCode = projectKey;
    info.fPipeSectionLen = pipe.fPipeSectionLen;
    info.fPipeBranchDepth = pipe.fPipeBranchDepth;
    info.nPipeSectionDiameter = pipe.nPipeSectionDiameter;
    return info;
}
