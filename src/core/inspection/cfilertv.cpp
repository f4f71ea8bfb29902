#include "core/inspection/cfilertv.h"

#include <atomic>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QVariant>

#include "core/common/debuglog.h"
#include "core/common/myhelper.h"
#include "core/inspection/cframewriter.h"
#include "core/inspection/rtvschema.h"
#include "core/settings/qsysteminfo.h"

namespace {
std::atomic<int> g_connectionCounter{0};
const QString kTimeFormat = QStringLiteral("hh:mm:ss");

QString ErrorOf(const QSqlQuery &query)
{
    return query.lastError().text();
}

} // namespace

CFileRTV::CFileRTV()
    : m_connectionName(QStringLiteral("DB3_%1").arg(g_connectionCounter++))
{}

CFileRTV::~CFileRTV()
{
    close();
}

bool CFileRTV::open(const QString &path, int mode)
{
    if (mode & OpenCreate) {
        if (QFile::exists(path) && !QFile::remove(path)) {
            TQ_LOG << "cannot replace" << path;
            return false;
        }
    } else if (!QFileInfo::exists(path)) {
        close();
        return false;
    }
    if (!setDatabasePath(path))
        return false;
    return !(mode & OpenCreate) || CreateTable();
}

bool CFileRTV::setDatabasePath(const QString &path)
{
    close();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    db.setDatabaseName(path);
    if (!db.open()) {
        TQ_LOG << "database open failed!---" << db.driver()->lastError().text() << " + "
               << db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
        return false;
    }
    m_openThread = QThread::currentThread();
    m_strDatabasePath = path;
    return true;
}

void CFileRTV::close()
{
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    if (m_openThread == QThread::currentThread())
        QSqlDatabase::database(m_connectionName, false).close();
    QSqlDatabase::removeDatabase(m_connectionName);
    m_openThread = nullptr;
}

bool CFileRTV::isOpen() const
{
    return QSqlDatabase::contains(m_connectionName);
}

QSqlDatabase CFileRTV::database()
{
    if (!QSqlDatabase::contains(m_connectionName))
        return QSqlDatabase();
    if (m_openThread != QThread::currentThread()) {
        // A connection serves only the thread that opened it: reopen on this one.
        TQ_LOG << "reopening" << m_strDatabasePath << "on the calling thread";
        const QString path = m_strDatabasePath;
        QSqlDatabase::removeDatabase(m_connectionName);
        if (!setDatabasePath(path))
            return QSqlDatabase();
    }
    return QSqlDatabase::database(m_connectionName, false);
}

bool CFileRTV::CreateTable()
{
    if (!isOpen())
        return false;
    QSqlQuery query(database());
    for (const char *statement :
         {kCreateProjectParam, kCreatePipelineParam, kCreateRobotTrackLog, kCreateDefectsFound}) {
        if (!query.exec(QString::fromLatin1(statement))) {
            TQ_LOG << "ERROR:" << ErrorOf(query);
            return false;
        }
    }
    return true;
}

void CFileRTV::ResetContents()
{
    m_pipelineParam.Reset();
    m_projectParam.Reset(false);
    m_listTrack.clear();
    m_listDefect.clear();
    ResetEvaluation();
}

bool CFileRTV::TraversalFile()
{
    if (!isOpen())
        return false;
    ResetContents();
    if (!queryProjectParam()) {
        TQ_LOG << "queryProjectParam...failed!!!";
        return false;
    }
    if (!queryPipelineParam()) {
        TQ_LOG << "queryPipelineParam...failed!!!";
        return false;
    }
    if (m_bUseTrackDistance && !queryTrackLog()) {
        TQ_LOG << "queryTrackLog...failed!!!";
        return false;
    }
    if (!queryDefectItem()) {
        TQ_LOG << "queryDefectItem...failed!!!";
        return false;
    }
    if (m_pipelineParam.fPipeBranchDepth > m_pipelineParam.fPipeSectionLen)
        m_pipelineParam.fPipeSectionLen = m_pipelineParam.fPipeBranchDepth;
    if (!m_listDefect.isEmpty() && !m_projectParam.bIsInterpretation)
        SetIsInterpretation(true);
    return true;
}

int CFileRTV::getFileRTVVersion()
{
    if (!isOpen())
        return -1;
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("PRAGMA table_info(ProjectParam)"))) {
        TQ_LOG << "PRAGMA table_info(ProjectParam) failed :" << ErrorOf(query);
        return -1;
    }
    bool hasName = false;
    bool hasMark = false;
    while (!(hasName && hasMark) && query.next()) {
        const QString column = query.value(1).toString();
        hasName = hasName || column == QLatin1String("strProjectName");
        hasMark = hasMark || column == QLatin1String("bIsInterpretation");
    }
    return (hasName ? 1 : 0) + (hasMark ? 1024 : 0);
}

bool CFileRTV::queryProjectParam()
{
    const int version = getFileRTVVersion();
    if (version == -1) {
        TQ_LOG << "No table ProjectParam !!!";
        return false;
    }
    const bool hasName = version & 1;
    const bool hasMark = version & 1024;
    QString statement =
        QStringLiteral("select strTester ,strTestUnit ,strTestDevice ,strTestSite ,strTestDate ");
    if (hasName)
        statement += QStringLiteral(",strProjectName ");
    if (hasMark)
        statement += QStringLiteral(",bIsInterpretation ");
    statement += QStringLiteral("from ProjectParam where id = 1");

    QSqlQuery query(database());
    if (query.exec(statement) && query.next()) {
        m_projectParam.strTester = query.value(0).toString();
        m_projectParam.strTestUnit = query.value(1).toString();
        m_projectParam.strTestDevice = query.value(2).toString();
        m_projectParam.strTestSite = query.value(3).toString();
        m_projectParam.strTestDate = query.value(4).toString();
        m_projectParam.strProjectName =
            hasName ? query.value(5).toString() : m_projectParam.strTestSite;
        m_projectParam.bIsInterpretation = hasMark && query.value(hasName ? 6 : 5).toBool();
    } else {
        TQ_LOG << "  ERROR:" << ErrorOf(query);
        m_projectParam.strTestDate = m_strRecordDate;
        m_projectParam.strProjectName.clear();
        m_projectParam.bIsInterpretation = false;
    }
    query.finish();
    if (version < 1025)
        insertNewsToProjectParam();
    return true;
}

bool CFileRTV::insertNewsToProjectParam()
{
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("ALTER TABLE ProjectParam rename to ProjectParam_bk"))) {
        TQ_LOG << ErrorOf(query);
        return false;
    }
    if (!query.exec(QString::fromLatin1(kCreateProjectParam))) {
        TQ_LOG << "Create NewProjectParam Failed!---" << ErrorOf(query);
        return false;
    }
    return InsertProjectParam();
}

bool CFileRTV::queryPipelineParam()
{
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.exec(
            QStringLiteral("select strStartWellID ,strEndWellID ,strParam from PipelineParam"))) {
        TQ_LOG << "  ERROR:" << ErrorOf(query);
        return false;
    }
    while (query.next()) {
        m_pipelineParam.strStartWellID = query.value(0).toString();
        m_pipelineParam.strEndWellID = query.value(1).toString();
        m_pipelineParam.fromXMLString(query.value(2).toString());
    }
    COptionList *materials = QSystemInfo::GetInstance()->OptionList(QSystemInfo::PipeMaterial);
    if (materials) {
        if (m_pipelineParam.nPipeSectionMaterial == -1)
            m_pipelineParam.nPipeSectionMaterial =
                materials->indexOf(m_pipelineParam.strPipeSectionMaterial);
        else
            m_pipelineParam.strPipeSectionMaterial =
                materials->itemAt(m_pipelineParam.nPipeSectionMaterial);
        if (!materials->contains(m_pipelineParam.strPipeSectionMaterial))
            materials->append(m_pipelineParam.strPipeSectionMaterial);
    }
    return true;
}

bool CFileRTV::queryTrackLog()
{
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("select nTimeIndex, strCurTime, strRobotState from "
                                   "RobotTrackLog Order By nTimeIndex ASC"))) {
        TQ_LOG << "  ERROR:" << ErrorOf(query);
        return false;
    }
    while (query.next()) {
        CRobotStateItem item;
        item.nTimeIndex = query.value(0).toInt();
        item.SetTimeText(query.value(1).toString());
        item.fromXMLString(query.value(2).toString());
        m_listTrack.append(item);
    }
    return true;
}

bool CFileRTV::queryDefectItem()
{
    const int cut = qMax(m_strDatabasePath.lastIndexOf(QLatin1Char('/')),
                         m_strDatabasePath.lastIndexOf(QLatin1Char('\\')));
    if (cut < 0) {
        TQ_LOG << "no folder in" << m_strDatabasePath;
        return false;
    }
    const QString imageFolder = m_strDatabasePath.left(cut) + QStringLiteral("/Images");
    if (!QDir().mkpath(imageFolder)) {
        TQ_LOG << "cannot create" << imageFolder;
        return false;
    }

    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("select nTimeIndex, strCurTime, imgDataOrg, imgDataDefect, "
                                   "strDefectParam,strVectorGraph from DefectsFound Order By "
                                   "nTimeIndex ASC"))) {
        TQ_LOG << "  ERROR:" << ErrorOf(query);
        return false;
    }
    // Track samples by key, for defects recorded without a distance.
    QHash<int, float> trackDistance;
    if (m_bUseTrackDistance)
        for (const CRobotStateItem &sample : qAsConst(m_listTrack))
            trackDistance.insert(sample.nTimeIndex, sample.fDistance);

    CFrameWriter frames; // writes while the next rows are read
    while (query.next()) {
        CDefectItem item;
        item.nTimeIndex = query.value(0).toInt();
        item.SetTimeText(query.value(1).toString());
        item.strOrgImgPath = imageFolder + QStringLiteral("/%1_org.png").arg(item.nTimeIndex);
        item.strDefectImgPath = imageFolder + QStringLiteral("/%1_defect.png").arg(item.nTimeIndex);
        if (!QFileInfo::exists(item.strOrgImgPath))
            frames.Write(query.value(2).toByteArray(), item.strOrgImgPath);
        if (!QFileInfo::exists(item.strDefectImgPath))
            frames.Write(query.value(3).toByteArray(), item.strDefectImgPath);
        item.defectParam.fromXMLString(query.value(4).toString());
        item.fromXMLString(query.value(5).toString());

        DefectParam &param = item.defectParam;
        const auto sample = trackDistance.constFind(item.nTimeIndex);
        if (m_bUseTrackDistance && sample != trackDistance.constEnd() &&
            MyHelper::FuzzyEqual(param.fDistance, 0))
            param.fDistance = *sample;
        if (param.strInterpretDate.isEmpty())
            param.strInterpretDate =
                m_projectParam.strTestDate + QLatin1Char(' ') + item.TimeText();
        m_listDefect.append(item);
        if (param.fDistance > m_pipelineParam.fPipeBranchDepth)
            m_pipelineParam.fPipeBranchDepth = param.fDistance;
    }
    return true;
}

CRobotStateItem CFileRTV::GetRobotState(int nTimeIndex) const
{
    for (const CRobotStateItem &sample : m_listTrack)
        if (sample.nTimeIndex == nTimeIndex)
            return sample;
    return CRobotStateItem();
}

void CFileRTV::setAVIParam(const QString &aviPath, const QString &recordDate)
{
    m_strAVIPath = aviPath;
    m_strRecordDate = recordDate;
    TQ_LOG << "m_strRecordDate" << m_strRecordDate;
}
