// The conditions and page clauses of the table pages built in one place so
// that every search text and key is quoted with SqlQuote and every sort uses an index.
#include "core/database/ckln_tq420database.h"

#include "core/common/sqlquote.h"

namespace {
// "INSTR(C1,'text')>0 or INSTR(C2,'text')>0 ...", bracketed as a whole.
QString SearchPart(const QStringList &columns, const QString &searchText)
{
    const QString quoted = SqlText::SqlQuote(searchText);
    QStringList parts;
    for (const QString &column : columns)
        parts << QStringLiteral("INSTR(%1,%2)>0").arg(column, quoted);
    return QLatin1Char('(') + parts.join(QStringLiteral(" or ")) + QLatin1Char(')');
}
} // namespace

QString CKLN_TQ420DataBase::ProjectPageCondition(const QString &searchText, const QString &fromDate,
                                                 const QString &toDate)
{
    const QString dates = QStringLiteral("CommencementDate >= %1 and CommencementDate <= %2")
                              .arg(SqlText::SqlQuote(fromDate), SqlText::SqlQuote(toDate));
    if (searchText.isEmpty())
        return dates;
    return SearchPart({QStringLiteral("ProjectNumber"), QStringLiteral("ProjectName"),
                       QStringLiteral("ProjectSite"), QStringLiteral("Principal")},
                      searchText) +
           QStringLiteral(" and ") + dates;
}

QString CKLN_TQ420DataBase::VideoPageCondition(const QString &projectKey, const QString &searchText)
{
    const QString project = QStringLiteral("ProHashCode == ") + SqlText::SqlQuote(projectKey);
    if (searchText.isEmpty())
        return project;
    return SearchPart({QStringLiteral("RoadName"), QStringLiteral("PipeNum")}, searchText) +
           QStringLiteral(" and ") + project;
}

QString CKLN_TQ420DataBase::DefectPageCondition(const QString &projectKey,
                                                const QString &searchText)
{
    const QString project = QStringLiteral("ProHashCode == ") + SqlText::SqlQuote(projectKey);
    if (searchText.isEmpty())
        return project;
    return SearchPart({QStringLiteral("RoadName"), QStringLiteral("PipeNum"),
                       QStringLiteral("PipeType"), QStringLiteral("PipeMeterial"),
                       QStringLiteral("DefectName"), QStringLiteral("DefectLevel"),
                       QStringLiteral("DefectType"), QStringLiteral("TestDate"),
                       QStringLiteral("InterpretaionDate")},
                      searchText) +
           QStringLiteral(" and ") + project;
}

QString CKLN_TQ420DataBase::PageClause(const QString &orderColumn, bool ascending, int limit,
                                       int offset)
{
    QString clause;
    if (!orderColumn.isEmpty())
        clause = QStringLiteral(" order by ") + orderColumn +
                 (ascending ? QStringLiteral(" asc ") : QStringLiteral(" desc "));
    return clause + QStringLiteral(" limit %1 offset %2;").arg(limit).arg(offset);
}

QString CKLN_TQ420DataBase::DefectOrderColumn(int sortMode)
{
    switch (sortMode) {
    case 9:
        return QStringLiteral("TestDate");
    case 10:
        return QStringLiteral("InterpretaionDate");
    default:
        return QStringLiteral("RoadName");
    }
}

QString CKLN_TQ420DataBase::VideoOrderColumn(int sortMode)
{
    switch (sortMode) {
    case 5:
        return QStringLiteral("RecordDate");
    case 7:
        return QStringLiteral("iDefectNums");
    default: // 6 "Export First" and the initial mode
        return QStringLiteral("ImportDate");
    }
}
