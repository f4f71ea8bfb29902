#include "core/files/cvideoimporter.h"

#include <QDateTime>
#include <QFileInfo>

#include "core/common/debuglog.h"
#include "core/common/myhelper.h"
#include "core/database/ckln_tq420database.h"
#include "core/files/filecopy.h"
#include "core/files/newkeys.h"
#include "core/files/qfilemanager.h"
#include "core/inspection/cfilebmw.h"
#include "core/inspection/cfilertv.h"
#include "core/settings/qsysteminfo.h"

namespace {
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
    if (!FileCopy::IsCopyableSource(sourcePath)) {
        result.error = tr("the video file does not exist");
        return result;
    }
    QString videoKey;
    const QString folder = NewKeys::CreateVideoFolder(projectKey, videoKey);
    if (folder.isEmpty()) {
        result.error = tr("cannot create the video folder");
        return result;
    }
    const QString videoPath = folder + QLatin1Char('/') + videoKey + ExtensionOf(sourcePath);
    TQ_LOG << "strCopyAVIPath" << videoPath;
    const QString recordDate = source.lastModified().toString(QStringLiteral("yyyy-MM-dd"));
    if (!QFileManager::CopyFileToPath(sourcePath, videoPath)) {
        result.error = tr("cannot copy the video (is the disk full?)");
    } else {
        target.setAVIParam(videoPath, recordDate);
        const QString rtvPath = folder + QLatin1Char('/') + videoKey + QStringLiteral(".rtv");
        result.source = PrepareRtvFile(sourcePath, rtvPath, target, result);
    }
    if (result.source != RtvNone) {
        const QList<CDefectItem> &defects = target.GetDefectList();
        const ProjectParam &header = target.GetProjectParam();
        result.info = MakeVideoInfo(target, videoKey, projectKey, videoPath, recordDate);
        result.defects = defects.size();
        if (CKLN_TQ420DataBase::GetInstance()->InsertImportedVideo(
                result.info, header.strTestSite, header.strTestDate, target.GetPipelineParam(),
                storeDefects ? defects : QList<CDefectItem>())) {
            result.ok = true;
            return result;
        }
        result.error = tr("the video could not be stored in the project database");
    }
    QFileManager::GetInstance()->RemoveItemDir(projectKey, videoKey);
    result.source = RtvNone;
    result.info = QVedioInfo();
    return result;
}

CVideoImporter::RtvSource CVideoImporter::PrepareRtvFile(const QString &sourcePath,
                                                         const QString &rtvPath, CFileRTV &target,
                                                         Result &result)
{
    const QFileInfo source(sourcePath);
    const QString base = source.path() + QLatin1Char('/') + source.completeBaseName();

    // An RTV file beside the video: copied and read whole. A copy that fails (a full disk)
    // fails the import: falling back would drop the file's defects without a word.
    const QString besideRtv = base + QStringLiteral(".rtv");
    if (!QFileInfo::exists(besideRtv)) {
        result.note += tr("there is no RTV file beside the video. ");
    } else if (!QFileManager::CopyFileToPath(besideRtv, rtvPath)) {
        result.error = tr("cannot copy the RTV file beside the video (is the disk full?)");
        return RtvNone;
    } else {
        const bool read = target.open(rtvPath) && target.TraversalFile();
        target.close();
        if (read)
            return RtvCopied;
        result.note += tr("the RTV file beside the video could not be read. ");
    }
    // A video description file beside it: converted into a new RTV file.
    const QString besideXml = base + QStringLiteral(".xml");
    if (!QFileInfo::exists(besideXml)) {
        result.note += tr("there is no video description file beside the video. ");
    } else {
        const int converted = CFileBMW::ConvertToRTV(besideXml, rtvPath, &target);
        if (converted == CFileBMW::Converted)
            return RtvConverted;
        if (converted == CFileBMW::ConvertFailed) {
            result.error = tr("cannot write the RTV file (is the disk full?)");
            return RtvNone;
        }
        result.note += tr("the video description file could not be read. ");
    }
    // Nothing usable: an empty RTV file, which knows no road yet.
    target.ResetContents();
    target.GetProjectParam().strTestSite.clear();
    const bool created = target.open(rtvPath, CFileRTV::OpenCreate);
    target.close();
    if (!created)
        result.error = tr("cannot write the RTV file (is the disk full?)");
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
