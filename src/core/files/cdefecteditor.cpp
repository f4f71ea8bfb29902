#include "core/files/cdefecteditor.h"

#include <QFile>
#include <QFileInfo>
#include <QList>

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

// A frame target as it was before a copy onto it, to put back when the change is undone.
struct SavedFrame
{
    QString path;
    bool existed = false;
    QByteArray contents;
};

SavedFrame Save(const QString &path)
{
    SavedFrame saved;
    saved.path = path;
    QFile file(path);
    saved.existed = file.exists();
    if (saved.existed && file.open(QIODevice::ReadOnly))
        saved.contents = file.readAll();
    return saved;
}

void Restore(const QList<SavedFrame> &frames)
{
    for (const SavedFrame &frame : frames) {
        QFile file(frame.path);
        if (!frame.existed) {
            file.remove();
            continue;
        }
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(frame.contents) != frame.contents.size())
            TQ_LOG << "cannot put back the frame" << frame.path << "!!!";
    }
}

// Copies the frames onto their targets, overwriting. A frame without a source keeps its
// target as it is and a copy onto itself is left alone. Every source is checked first, so a
// missing one changes nothing; the targets written are added to `saved` as they were before.
bool CopyFrames(const QList<FrameCopy> &copies, QList<SavedFrame> &saved)
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
        saved << Save(copy.target);
        if (!QFileManager::CopyFileToPath(copy.source, copy.target))
            return false;
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

int CDefectEditor::PositionOf(qint64 timeIndex) const
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
    const CDefectItem old = defects.at(position);
    QList<SavedFrame> saved;
    if (!CopyFrames({{item.strOrgImgPath, old.strOrgImgPath},
                     {item.strDefectImgPath, old.strDefectImgPath}},
                    saved)) {
        Restore(saved);
        result.outcome = Outcome::ImageNotCopied;
        return result;
    }
    item.strOrgImgPath = old.strOrgImgPath;
    item.strDefectImgPath = old.strDefectImgPath;
    TQ_LOG << "on_slot_insertDefect ......exist";
    if (!m_file.UpdateDefectItem(item)) {
        Restore(saved);
        result.outcome = Outcome::FileNotWritten;
        return result;
    }
    if (!m_database.UpdateDefectItem(m_videoKey, item)) {
        // The file goes back to the old defect with its old frames, in step with its row.
        Restore(saved);
        if (!m_file.UpdateDefectItem(old))
            TQ_LOG << "cannot put back the defect" << old.nTimeIndex << "!!!";
        result.outcome = Outcome::DatabaseNotWritten;
        return result;
    }
    defects[position] = item;
    result.outcome = Outcome::Written;
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
    QList<SavedFrame> saved;
    const bool copied =
        CopyFrames({{item.strOrgImgPath, org}, {item.strDefectImgPath, marked}}, saved);
    item.strOrgImgPath = org;
    item.strDefectImgPath = marked;
    if (!copied || !m_file.InsertDefectItem(item)) {
        // No defect owns these names: frames copied for it would be left behind.
        Restore(saved);
        result.outcome = copied ? Outcome::FileNotWritten : Outcome::ImageNotCopied;
        return result;
    }
    const ProjectParam &header = m_file.GetProjectParam();
    if (!m_database.InsertDefectItem(header.strTestSite, m_videoKey, header.strTestDate,
                                     m_file.GetPipelineParam(), item)) {
        // The database refused the row: the file and the frames are put back as they were,
        // so file and database still hold the same defects.
        m_file.DeleteDefectItem(PositionOf(item.nTimeIndex));
        Restore(saved);
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
    const CDefectItem item = m_file.GetDefectList().at(position);
    // The row goes first: a refused delete leaves the file untouched, still in step.
    if (!m_database.DeleteDefectItem(CKLN_TQ420DataBase::DefectKey(m_videoKey, item.nTimeIndex))) {
        result.outcome = Outcome::DatabaseNotWritten;
        result.nextPosition = position;
        return result;
    }
    const int next = m_file.DeleteDefectItem(position);
    if (m_file.GetDefectList().size() == count) {
        // The file keeps the defect (and its frames): so does the database.
        const ProjectParam &header = m_file.GetProjectParam();
        if (!m_database.InsertDefectItem(header.strTestSite, m_videoKey, header.strTestDate,
                                         m_file.GetPipelineParam(), item))
            TQ_LOG << "cannot put back the row of the defect" << item.nTimeIndex << "!!!";
        result.outcome = Outcome::FileNotWritten;
        result.nextPosition = position;
        return result;
    }
    result.nextPosition = next;
    result.outcome = UpdateDefectCount() ? Outcome::Written : Outcome::DatabaseNotWritten;
    return result;
}

CDefectEditor::Result CDefectEditor::DeleteTimeIndex(qint64 timeIndex)
{
    return DeleteAt(PositionOf(timeIndex));
}

bool CDefectEditor::UpdateDefectCount()
{
    return m_database.updateVideoInterpretationNum(m_videoKey, m_file.GetDefectList().size());
}
