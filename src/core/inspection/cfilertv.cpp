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
#include "core/common/xmlfile.h"
#include "core/inspection/cframewriter.h"
#include "core/inspection/rtvbounds.h"
#include "core/inspection/rtvschema.h"
#include "core/settings/qsysteminfo.h"

namespace {
std::atomic<int> g_connectionCounter{0};
const QString kTimeFormat = QStringLiteral("hh:mm:ss");

QString ErrorOf(const QSqlQuery &query)
{
    return query.lastError().text();
}

// The text columns of the header, each with its member.
struct HeaderText
{
    const char *column;
    QString ProjectParam::*member;
};
const HeaderText kHeaderTexts[] = {
    {"strTester", &ProjectParam::strTester},
    {"strTestUnit", &ProjectParam::strTestUnit},
    {"strTestDevice", &ProjectParam::strTestDevice},
    {"strTestSite", &ProjectParam::strTestSite},
    {"strTestDate", &ProjectParam::strTestDate},
    {"strProjectName", &ProjectParam::strProjectName},
};

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
    const bool readOnly = (mode & OpenReadOnly) && !(mode & OpenCreate);
    if (!connectTo(path, readOnly))
        return false;
    return !(mode & OpenCreate) || CreateTable();
}

bool CFileRTV::setDatabasePath(const QString &path)
{
    return connectTo(path, false);
}

bool CFileRTV::connectTo(const QString &path, bool readOnly)
{
    close();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    db.setDatabaseName(path);
    if (readOnly)
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open()) {
        TQ_LOG << "database open failed!---" << db.driver()->lastError().text() << " + "
               << db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
        return false;
    }
    // Functions with side effects never run from the file's schema; a trigger that cannot
    // be dropped keeps the file closed.
    QSqlQuery(db).exec(QStringLiteral("PRAGMA trusted_schema=OFF"));
    if (!readOnly && !RtvBounds::DropTriggers(db)) {
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
        return false;
    }
    m_openThread = QThread::currentThread();
    m_strDatabasePath = path;
    m_bReadOnly = readOnly;
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
        if (!connectTo(path, m_bReadOnly))
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
    if (!readHeaderRow()) {
        m_projectParam.strTestDate = m_strRecordDate;
        m_projectParam.strProjectName.clear();
        m_projectParam.bIsInterpretation = false;
    }
    if (version < 1025 && !m_bReadOnly)
        insertNewsToProjectParam();
    return true;
}

bool CFileRTV::readHeaderRow()
{
    // Older recorders wrote fewer columns, some without the id: every column the table has
    // is read, from row 1 or else the first row, and nothing of it is replaced by defaults.
    const QSqlDatabase db = database();
    if (!RtvBounds::IsTable(db, QStringLiteral("ProjectParam")))
        return false;
    const QStringList columns = RtvBounds::ColumnsOf(db, QStringLiteral("ProjectParam"));
    QStringList selected;
    QList<const HeaderText *> read;
    for (const HeaderText &text : kHeaderTexts) {
        if (columns.contains(QLatin1String(text.column))) {
            selected << RtvBounds::BoundedColumn(QLatin1String(text.column),
                                                 RtvBounds::kMaxShortText);
            read << &text;
        }
    }
    const bool hasMark = columns.contains(QLatin1String("bIsInterpretation"));
    if (hasMark)
        selected << RtvBounds::BoundedColumn(QStringLiteral("bIsInterpretation"),
                                             RtvBounds::kMaxShortText);
    if (selected.isEmpty())
        return false;
    const QString row = columns.contains(QLatin1String("id")) ? QStringLiteral(" where id = 1")
                                                              : QStringLiteral(" LIMIT 1");
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("select %1 from ProjectParam").arg(selected.join(',')) + row) ||
        !query.next()) {
        TQ_LOG << "  ERROR:" << ErrorOf(query);
        return false;
    }
    ProjectParam &header = m_projectParam;
    header.strTestDate = m_strRecordDate;
    header.strProjectName.clear();
    int index = 0;
    for (const HeaderText *text : qAsConst(read)) {
        header.*(text->member) =
            RtvBounds::BoundedValue(query, index, QLatin1String(text->column)).toString();
        index += 2;
    }
    if (!columns.contains(QLatin1String("strProjectName")))
        header.strProjectName = header.strTestSite;
    header.bIsInterpretation =
        hasMark &&
        RtvBounds::BoundedValue(query, index, QStringLiteral("bIsInterpretation")).toBool();
    return true;
}

bool CFileRTV::insertNewsToProjectParam()
{
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("ALTER TABLE ProjectParam rename to ProjectParam_bk"))) {
        TQ_LOG << "  ERROR:" << ErrorOf(query);
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
    using namespace RtvBounds;
    if (!IsTable(database(), QStringLiteral("PipelineParam")))
        return false;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("select %1, %2, %3 from PipelineParam")
                        .arg(BoundedColumn(QStringLiteral("strStartWellID"), kMaxShortText),
                             BoundedColumn(QStringLiteral("strEndWellID"), kMaxShortText),
                             BoundedColumn(QStringLiteral("strParam"), XmlFile::kMaxXmlBytes)) +
                    RowLimit(kMaxPipelineRows))) {
        TQ_LOG << "  ERROR:" << ErrorOf(query);
        return false;
    }
    for (int row = 0;
         query.next() && !BeyondRowLimit(row, kMaxPipelineRows, QStringLiteral("PipelineParam"));
         ++row) {
        m_pipelineParam.strStartWellID =
            BoundedValue(query, 0, QStringLiteral("strStartWellID")).toString();
        m_pipelineParam.strEndWellID =
            BoundedValue(query, 2, QStringLiteral("strEndWellID")).toString();
        m_pipelineParam.fromXMLString(
            BoundedValue(query, 4, QStringLiteral("strParam")).toString());
    }
    COptionList *materials = QSystemInfo::GetInstance()->OptionList(QSystemInfo::PipeMaterial);
    if (materials) {
        if (m_pipelineParam.nPipeSectionMaterial == -1)
            m_pipelineParam.nPipeSectionMaterial =
                materials->indexOf(m_pipelineParam.strPipeSectionMaterial);
        else
            m_pipelineParam.strPipeSectionMaterial =
                materials->itemAt(m_pipelineParam.nPipeSectionMaterial);
        materials->append(m_pipelineParam.strPipeSectionMaterial); // refused when known
    }
    return true;
}

bool CFileRTV::queryTrackLog()
{
    using namespace RtvBounds;
    if (!IsTable(database(), QStringLiteral("RobotTrackLog")))
        return false;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.exec(
            QStringLiteral("select CAST(nTimeIndex AS INTEGER), %1, %2 from RobotTrackLog "
                           "Order By nTimeIndex ASC")
                .arg(BoundedColumn(QStringLiteral("strCurTime"), kMaxShortText),
                     BoundedColumn(QStringLiteral("strRobotState"), XmlFile::kMaxXmlBytes)) +
            RowLimit(kMaxTrackRows))) {
        TQ_LOG << "  ERROR:" << ErrorOf(query);
        return false;
    }
    for (int row = 0;
         query.next() && !BeyondRowLimit(row, kMaxTrackRows, QStringLiteral("RobotTrackLog"));
         ++row) {
        CRobotStateItem item;
        item.nTimeIndex = query.value(0).toLongLong();
        item.SetTimeText(BoundedValue(query, 1, QStringLiteral("strCurTime")).toString());
        item.fromXMLString(BoundedValue(query, 3, QStringLiteral("strRobotState")).toString());
        m_listTrack.append(item);
    }
    return true;
}

bool CFileRTV::queryDefectItem()
{
    using namespace RtvBounds;
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
    if (!IsTable(database(), QStringLiteral("DefectsFound")))
        return false;

    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.exec(
            QStringLiteral("select CAST(nTimeIndex AS INTEGER), %1, %2, %3, %4, %5 from "
                           "DefectsFound Order By nTimeIndex ASC")
                .arg(BoundedColumn(QStringLiteral("strCurTime"), kMaxShortText),
                     BoundedColumn(QStringLiteral("imgDataOrg"), kMaxFrameBytes),
                     BoundedColumn(QStringLiteral("imgDataDefect"), kMaxFrameBytes),
                     BoundedColumn(QStringLiteral("strDefectParam"), XmlFile::kMaxXmlBytes),
                     BoundedColumn(QStringLiteral("strVectorGraph"), XmlFile::kMaxXmlBytes)) +
            RowLimit(kMaxDefectRows))) {
        TQ_LOG << "  ERROR:" << ErrorOf(query);
        return false;
    }
    // Track samples by key, for defects recorded without a distance.
    QHash<qint64, float> trackDistance;
    if (m_bUseTrackDistance)
        for (const CRobotStateItem &sample : qAsConst(m_listTrack))
            trackDistance.insert(sample.nTimeIndex, sample.fDistance);

    CFrameWriter frames; // writes while the next rows are read
    for (int row = 0;
         query.next() && !BeyondRowLimit(row, kMaxDefectRows, QStringLiteral("DefectsFound"));
         ++row) {
        CDefectItem item;
        item.nTimeIndex = query.value(0).toLongLong();
        item.SetTimeText(BoundedValue(query, 1, QStringLiteral("strCurTime")).toString());
        item.strOrgImgPath = imageFolder + QStringLiteral("/%1_org.png").arg(item.nTimeIndex);
        item.strDefectImgPath = imageFolder + QStringLiteral("/%1_defect.png").arg(item.nTimeIndex);
        if (!QFileInfo::exists(item.strOrgImgPath))
            frames.Write(BoundedValue(query, 3, QStringLiteral("imgDataOrg")).toByteArray(),
                         item.strOrgImgPath);
        if (!QFileInfo::exists(item.strDefectImgPath))
            frames.Write(BoundedValue(query, 5, QStringLiteral("imgDataDefect")).toByteArray(),
                         item.strDefectImgPath);
        item.defectParam.fromXMLString(
            BoundedValue(query, 7, QStringLiteral("strDefectParam")).toString());
        item.fromXMLString(BoundedValue(query, 9, QStringLiteral("strVectorGraph")).toString());

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

CRobotStateItem CFileRTV::GetRobotState(qint64 nTimeIndex) const
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
