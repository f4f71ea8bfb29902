#include "support/dbtestsupport.h"

#include <QMutex>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include "core/common/appdatadir.h"
#include "core/common/clanguagesettings.h"
#include "core/database/ckln_tq420database.h"
#include "core/settings/qsysteminfo.h"
#include "support/testsupport.h"

namespace {
QMutex g_logMutex;
QStringList g_logLines;
QtMessageHandler g_chained = nullptr;

void CapturingHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    {
        QMutexLocker lock(&g_logMutex);
        g_logLines << text;
    }
    if (g_chained)
        g_chained(type, context, text);
}

QSqlQuery Run(const QString &statement, const QVariantList &values)
{
    QSqlQuery query(CKLN_TQ420DataBase::GetInstance()->database());
    if (!query.prepare(statement))
        qFatal("cannot prepare %s: %s", qPrintable(statement),
               qPrintable(query.lastError().text()));
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        qFatal("cannot run %s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
    return query;
}

// Runs a read on a connection of the test's own to the file.
template <typename Read>
void WithFile(const QString &path, Read read)
{
    const QString name = QStringLiteral("dbtest-inspect");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot open %s", qPrintable(path));
        QSqlQuery query(db);
        read(query);
    }
    QSqlDatabase::removeDatabase(name);
}
} // namespace

namespace DbTest {

void PrepareSuite(const QString &dataDir)
{
    TestSupport::InstallWarningRecorder();
    CLanguageSettings::SetConsoleEcho(false);
    CLanguageSettings::GetInstance()->SetLanguage(false);
    DataFolder::SetAppDataDir(dataDir);
    QSystemInfo::GetInstance();
}

std::unique_ptr<QTemporaryDir> FreshDataFolder()
{
    CKLN_TQ420DataBase::ReleaseInstance();
    auto dir = std::make_unique<QTemporaryDir>();
    DataFolder::SetAppDataDir(dir->path());
    return dir;
}

void Exec(const QString &statement, const QVariantList &values)
{
    Run(statement, values);
}

QVariant Scalar(const QString &statement, const QVariantList &values)
{
    QSqlQuery query = Run(statement, values);
    return query.next() ? query.value(0) : QVariant();
}

QList<QVariantList> Rows(const QString &statement, const QVariantList &values)
{
    QSqlQuery query = Run(statement, values);
    QList<QVariantList> rows;
    while (query.next()) {
        QVariantList row;
        for (int i = 0; i < query.record().count(); ++i)
            row << query.value(i);
        rows << row;
    }
    return rows;
}

void InsertProject(const QString &key, const QString &number, const QString &date,
                   const QString &name)
{
    Exec(QStringLiteral("INSERT INTO ProjectDetail (ProjectNumber, ProjectName, ProjectSite, "
                        "CommencementDate, HashCode) VALUES (?, ?, ?, ?, ?)"),
         {number, name, QStringLiteral("Site"), date, key});
}

void InsertVideo(const QString &projectKey, const QString &videoKey, const QString &roadName,
                 int defects, double sectionLength, int diameter)
{
    Exec(QStringLiteral("INSERT INTO VedioCount (RoadName, PipeNum, PipeType, PipeMeterial, "
                        "VedioFileName, RecordDate, ImportDate, iDefectNums, HashCode, "
                        "ProHashCode, PipeSectionLen, PipeSectionDiameter) VALUES "
                        "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
         {roadName, QStringLiteral("W1~W2"), QStringLiteral("Rain"), QStringLiteral("PVC"),
          QStringLiteral("/videos/") + videoKey + QStringLiteral(".mp4"),
          QStringLiteral("2024-03-02"), QStringLiteral("2024-03-03 10:00:00"), defects, videoKey,
          projectKey, sectionLength, diameter});
}

void InsertDefectRow(const QString &videoKey, int timeIndex, const QString &roadName,
                     const QString &level, const QString &testDate)
{
    Exec(QStringLiteral("INSERT INTO DefectInfo (RoadName, PipeNum, PipeDiameter, DefectName, "
                        "DefectLevel, TestDate, InterpretaionDate, HashCode, VedioHashCode, "
                        "Remark, ImagePath, ProHashCode, TimeIndex, DefectLength) VALUES "
                        "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
         {roadName, QStringLiteral("W1~W2"), 600, QStringLiteral("(PL) Rupture"), level, testDate,
          QStringLiteral("2024-03-04 08:00:00"), CKLN_TQ420DataBase::DefectKey(videoKey, timeIndex),
          videoKey, QStringLiteral("remark %1").arg(timeIndex),
          QStringLiteral("/img/%1.png").arg(timeIndex),
          CKLN_TQ420DataBase::ProjectKeyOfVideo(videoKey), timeIndex, 0.25});
}

int Count(const QString &table, const QString &condition)
{
    return Scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table + QStringLiteral(" WHERE ") +
                  condition)
        .toInt();
}

QStringList Columns(const QString &path, const QString &table)
{
    QStringList columns;
    WithFile(path, [&](QSqlQuery &query) {
        query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table));
        while (query.next())
            columns << query.value(1).toString();
    });
    return columns;
}

QStringList SchemaNames(const QString &path, const QString &type)
{
    QStringList names;
    WithFile(path, [&](QSqlQuery &query) {
        query.prepare(
            QStringLiteral("SELECT name FROM sqlite_master WHERE type = ? ORDER BY name"));
        query.addBindValue(type);
        query.exec();
        while (query.next())
            names << query.value(0).toString();
    });
    return names;
}

CDefectItem MakeDefect(int timeIndex, int code, int level, int property, float distance,
                       float length)
{
    CDefectItem item;
    item.nTimeIndex = timeIndex;
    item.strDefectImgPath = QStringLiteral("/images/%1_defect.png").arg(timeIndex);
    item.strOrgImgPath = QStringLiteral("/images/%1_org.png").arg(timeIndex);
    item.defectParam.DefectName = code;
    item.defectParam.DefectLevel = level;
    item.defectParam.DefectProperty = property;
    item.defectParam.fDistance = distance;
    item.defectParam.fLength = length;
    item.defectParam.nRingStart = 3;
    item.defectParam.nRingEnd = 9;
    item.defectParam.strInterpretDate = QStringLiteral("2024-03-05 09:00:00");
    item.defectParam.strRemark = QStringLiteral("remark %1").arg(timeIndex);
    return item;
}

LogCapture::LogCapture()
{
    QMutexLocker lock(&g_logMutex);
    g_logLines.clear();
    g_chained = qInstallMessageHandler(CapturingHandler);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(g_chained);
    g_chained = nullptr;
}

QStringList LogCapture::Lines() const
{
    QMutexLocker lock(&g_logMutex);
    return g_logLines;
}

bool LogCapture::Contains(const QString &text) const
{
    const QStringList lines = Lines();
    for (const QString &line : lines)
        if (line.contains(text))
            return true;
    return false;
}

} // namespace DbTest
