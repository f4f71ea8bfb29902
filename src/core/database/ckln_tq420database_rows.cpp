// Generic row reads and writes with bound values, for the headless tools and the import of
// a video row outside the table pages.
#include "core/database/ckln_tq420database.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include "core/common/debuglog.h"
#include "core/common/sqlquote.h"
#include "core/files/qvedioinfo.h"

namespace {
// An identifier in double quotes (table and column names come from the program).
QString Identifier(const QString &name)
{
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QLatin1String("\"\"")) +
           QLatin1Char('"');
}
} // namespace

QList<QVariantMap> CKLN_TQ420DataBase::SelectRows(const QString &table, const QString &condition)
{
    QList<QVariantMap> rows;
    QSqlDatabase db;
    if (!OpenConnection(db, "SelectRows"))
        return rows;
    const QString statement = QStringLiteral("SELECT * FROM ") + Identifier(table) +
                              QStringLiteral(" WHERE ") + condition;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(statement)) {
        TQ_LOG << statement << "  ERROR:" << query.lastError().text();
        return rows;
    }
    const QSqlRecord record = query.record();
    while (query.next()) {
        QVariantMap row;
        for (int i = 0; i < record.count(); ++i)
            row.insert(record.fieldName(i),
                       query.isNull(i) ? QVariant(QStringLiteral("")) : query.value(i));
        rows << row;
    }
    return rows;
}

bool CKLN_TQ420DataBase::InsertRow(const QString &table, const QVariantMap &row)
{
    QSqlDatabase db;
    if (!OpenConnection(db, "InsertRow"))
        return false;
    if (row.isEmpty()) {
        TQ_LOG << "InsertRow: no values for" << table << "!!!";
        return false;
    }
    QStringList columns;
    QStringList marks;
    for (auto it = row.cbegin(); it != row.cend(); ++it) {
        columns << Identifier(it.key());
        marks << QStringLiteral("?");
    }
    const QString statement =
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(Identifier(table), columns.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    QSqlQuery query(db);
    if (!query.prepare(statement)) {
        TQ_LOG << statement << "  ERROR:" << query.lastError().text();
        return false;
    }
    for (const QVariant &value : row)
        query.addBindValue(value);
    if (!query.exec()) {
        TQ_LOG << statement << "  ERROR:" << query.lastError().text();
        return false;
    }
    return true;
}

bool CKLN_TQ420DataBase::InsertVideoRow(const QVedioInfo &info)
{
    auto text = [](const QString &value) { return value.isNull() ? QStringLiteral("") : value; };
    return InsertRow(QStringLiteral("VedioCount"),
                     {{QStringLiteral("RoadName"), text(info.strRoadName)},
                      {QStringLiteral("PipeNum"), text(info.strPipeNum)},
                      {QStringLiteral("PipeType"), text(info.strPipeType)},
                      {QStringLiteral("PipeMeterial"), text(info.strPipeMeterial)},
                      {QStringLiteral("VedioFileName"), text(info.strVedioFileName)},
                      {QStringLiteral("RecordDate"), text(info.strRecordDate)},
                      {QStringLiteral("ImportDate"), text(info.strImportDate)},
                      {QStringLiteral("iDefectNums"), info.iDefectNums},
                      {QStringLiteral("Longitude"), info.fLongitude},
                      {QStringLiteral("Latitude"), info.fLatitude},
                      {QStringLiteral("HashCode"), text(info.strHashCode)},
                      {QStringLiteral("ProHashCode"), text(info.strProHashCode)},
                      {QStringLiteral("PipeSectionLen"), info.fPipeSectionLen},
                      {QStringLiteral("PipeBranchDepth"), info.fPipeBranchDepth},
                      {QStringLiteral("PipeSectionDiameter"), info.nPipeSectionDiameter}});
}

bool CKLN_TQ420DataBase::IsProjectKeyFree(const QString &projectKey)
{
    return GetRecordNums(QStringLiteral("ProjectDetail"),
                         QStringLiteral("HashCode = ") + SqlText::SqlQuote(projectKey)) == 0;
}

bool CKLN_TQ420DataBase::IsVideoKeyFree(const QString &videoKey)
{
    // Defect rows outlive a video row deleted outside the program: a new video must not
    // inherit them, nor their frames.
    const QString quoted = SqlText::SqlQuote(videoKey);
    return GetRecordNums(QStringLiteral("VedioCount"), QStringLiteral("HashCode = ") + quoted) ==
               0 &&
           GetRecordNums(QStringLiteral("DefectInfo"),
                         QStringLiteral("VedioHashCode = ") + quoted) == 0;
}
