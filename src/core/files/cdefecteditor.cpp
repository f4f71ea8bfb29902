#include "core/files/cdefecteditor.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "core/common/debuglog.h"
#include "core/database/ckln_tq420database.h"
#include "core/files/qfilemanager.h"
#include "core/inspection/cfilertv.h"

namespace {
struct FrameCopy
{
    QString source;
    QString target;
};

bool SameFile(const QString &source, const QString &target)
{
    const QFileInfo targetInfo(target);
    return targetInfo.exists() &&
           targetInfo.canonicalFilePath() == QFileInfo(source).canonicalFilePath();
}

// Copies the frames onto their targets, overwriting. A frame without a source keeps its
// target as it is and a copy onto itself is left alone. Every source is checked first, so a
// missing one changes nothing; the targets written are added to `written`.
bool CopyFrames(const QList<FrameCopy> &copies, QStringList &written)
{
    for (const FrameCopy &copy : copies) {
        if (!copy.source.isEmpty() && !QFileInfo(copy.source).isFile()) {
            TQ_LOG << "no such frame:" << copy.source << "!!!";
            return false;
        }
    }
    for (const FrameCopy &copy : copies) {
        if (copy.source.isEmpty() || SameFile(copy.source, copy.target))
            continue;
        if (!QFileManager::CopyFileToPath(copy.source, copy.target))
            return false;
        written << copy.target;
    }
    return true;
}
} // namespace

CDefectEditor::CDefectEditor(const QString &videoKey, const QString &videoDir, CFileRTV &file,
                             CKLN_TQ420DataBase &database)
    : m_videoKey(videoKey)
    , m_videoDir(videoDir)
    , m_file(file)
    , m_database(database)
{}

int CDefectEditor::PositionOf(int timeIndex) const
{
    const QList<CDefectItem> &defects = m_file.GetDefectList();
    for (int i = 0; i < defects.size(); ++i)
        if (defects.at(i).nTimeIndex == timeIndex)
            return i;
    return -1;
}

CDefectEditor::Result CDefectEditor::SaveDefect(CDefectItem item)
{
    if (!m_file.isOpen()) {
        Result result;
        result.outcome = Outcome::FileNotOpen;
        return result;
    }
    const int position = PositionOf(item.nTimeIndex);
    const Result result = position >= 0 ? Replace(item, position) : Add(item);
    if (!result.ok())
        TQ_LOG << "the defect" << item.nTimeIndex << "was not written completely !!!";
    return result;
}

CDefectEditor::Result CDefectEditor::Replace(CDefectItem item, int position)
{
    Result result;
    QList<CDefectItem> &defects = m_file.GetDefectList();
    const CDefectItem &old = defects.at(position);
    QStringList written;
    if (!CopyFrames({{item.strOrgImgPath, old.strOrgImgPath},
                     {item.strDefectImgPath, old.strDefectImgPath}},
                    written)) {
        result.outcome = Outcome::ImageNotCopied;
        return result;
    }
    item.strOrgImgPath = old.strOrgImgPath;
    item.strDefectImgPath = old.strDefectImgPath;
    defects[position] = item;
    TQ_LOG << "on_slot_insertDefect ......exist";
    const bool fileOk = m_file.UpdateDefectItem(item);
    const bool databaseOk = m_database.UpdateDefectItem(m_videoKey, item);
    result.outcome = !fileOk       ? Outcome::FileNotWritten
                     : !databaseOk ? Outcome::DatabaseNotWritten
                                   : Outcome::Written;
    return result;
}

CDefectEditor::Result CDefectEditor::Add(CDefectItem item)
{
    Result result;
    const CRobotStateItem state = m_file.GetRobotState(item.nTimeIndex);
    if (state.nTimeIndex != -1)
        item.curTime = state.curTime;
    TQ_LOG << "on_slot_insertDefect ......" << m_videoKey;
    const QString images = m_videoDir + QStringLiteral("/Images/");
    const QString org = images + QStringLiteral("%1_org.png").arg(item.nTimeIndex);
    const QString marked = images + QStringLiteral("%1_defect.png").arg(item.nTimeIndex);
    QStringList written;
    const bool copied =
        CopyFrames({{item.strOrgImgPath, org}, {item.strDefectImgPath, marked}}, written);
    item.strOrgImgPath = org;
    item.strDefectImgPath = marked;
    if (!copied || !m_file.InsertDefectItem(item)) {
        // No defect owns these names: frames copied for it would be left behind.
        for (const QString &path : qAsConst(written))
            QFile::remove(path);
        result.outcome = copied ? Outcome::FileNotWritten : Outcome::ImageNotCopied;
        return result;
    }
    const ProjectParam &header = m_file.GetProjectParam();
    if (!m_database.InsertDefectItem(header.strTestSite, m_videoKey, header.strTestDate,
                                     m_file.GetPipelineParam(), item)) {
        // The database refused the row: the file and the frames are put back as they were,
        // so file and database still hold the same defects.
        m_file.DeleteDefectItem(PositionOf(item.nTimeIndex));
        for (const QString &path : qAsConst(written))
            QFile::remove(path);
        result.outcome = Outcome::DatabaseNotWritten;
        return result;
    }
    result.added = true;
    result.outcome = UpdateDefectCount() ? Outcome::Written : Outcome::DatabaseNotWritten;
    return result;
}

CDefectEditor::Result CDefectEditor::DeleteAt(int position)
{
    Result result;
    if (!m_file.isOpen()) {
        result.outcome = Outcome::FileNotOpen;
        return result;
    }
    const int count = m_file.GetDefectList().size();
    if (position < 0 || position >= count) {
        TQ_LOG << "no defect at" << position << "----";
        return result;
    }
    const int timeIndex = m_file.GetDefectList().at(position).nTimeIndex;
    // The row goes first: a refused delete leaves the file untouched, still in step.
    if (!m_database.DeleteDefectItem(CKLN_TQ420DataBase::DefectKey(m_videoKey, timeIndex))) {
        result.outcome = Outcome::DatabaseNotWritten;
        result.nextPosition = position;
        return result;
    }
    result.nextPosition = m_file.DeleteDefectItem(position);
    const bool fileOk = m_file.GetDefectList().size() < count;
    const bool countOk = UpdateDefectCount();
    result.outcome = !fileOk    ? Outcome::FileNotWritten
                     : !countOk ? Outcome::DatabaseNotWritten
                                : Outcome::Written;
    return result;
}

CDefectEditor::Result CDefectEditor::DeleteTimeIndex(int timeIndex)
{
    return DeleteAt(PositionOf(timeIndex));
}

bool CDefectEditor::UpdateDefectCount()
{
    return m_database.updateVideoInterpretationNum(m_videoKey, m_file.GetDefectList().size());
}
