#include "core/inspection/rtvbounds.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include "core/common/debuglog.h"

namespace {
// A name as an SQL identifier: in double quotes, each double quote doubled.
QString QuotedIdentifier(const QString &name)
{
    QString quoted = name;
    return QLatin1Char('"') + quoted.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}
} // namespace

bool RtvBounds::IsTable(const QSqlDatabase &db, const QString &name)
{
    // Names are compared as SQLite does, without case.
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT type FROM sqlite_master WHERE name = ? COLLATE NOCASE"));
    query.addBindValue(name);
    bool table = false;
    if (query.exec()) {
        while (query.next())
            table = query.value(0).toString() == QLatin1String("table");
    }
    if (!table)
        TQ_LOG << "  ERROR:" << name << "is not a table of the file" << query.lastError().text();
    return table;
}

QStringList RtvBounds::ColumnsOf(const QSqlDatabase &db, const QString &table)
{
    QStringList columns;
    QSqlQuery query(db);
    if (query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(QuotedIdentifier(table)))) {
        while (query.next())
            columns << query.value(1).toString();
    }
    return columns;
}

QString RtvBounds::BoundedColumn(const QString &column, qint64 limit)
{
    return QStringLiteral("CASE WHEN length(%1) <= %2 THEN %1 END, length(%1) > %2")
        .arg(column)
        .arg(limit);
}

QVariant RtvBounds::BoundedValue(const QSqlQuery &query, int index, const QString &column)
{
    if (query.value(index + 1).toBool()) {
        TQ_LOG << "  ERROR:" << column << "is too large, read as missing";
        return QVariant();
    }
    return query.value(index);
}

QString RtvBounds::RowLimit(int maxRows)
{
    return QStringLiteral(" LIMIT %1").arg(qint64(maxRows) + 1);
}

bool RtvBounds::BeyondRowLimit(int row, int maxRows, const QString &table)
{
    if (row < maxRows)
        return false;
    TQ_LOG << "  ERROR:" << table << "has more than" << maxRows << "rows; the rest is not read";
    return true;
}

bool RtvBounds::DropTriggers(const QSqlDatabase &db)
{
    QSqlQuery query(db);
    QStringList triggers;
    if (query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'trigger'"))) {
        while (query.next())
            triggers << query.value(0).toString();
    }
    query.finish();
    for (const QString &trigger : qAsConst(triggers)) {
        if (!query.exec(
                QStringLiteral("DROP TRIGGER IF EXISTS %1").arg(QuotedIdentifier(trigger)))) {
            TQ_LOG << "  ERROR: cannot drop the trigger" << trigger << query.lastError().text();
            return false;
        }
        TQ_LOG << "dropped the trigger" << trigger << "stored in the file";
    }
    return true;
}
