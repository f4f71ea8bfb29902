#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariant>

class QSqlQuery;

// What a reader takes from an RTV file: only real tables, values and row counts within
// bounds, so that a hostile file is read quickly and in little memory whatever it holds.
// Real files hold one pipe section, some thousand track samples and at most a few hundred
// defects with frames of a few hundred kilobytes.
namespace RtvBounds {

inline constexpr qint64 kMaxFrameBytes = 32 * 1024 * 1024;
inline constexpr qint64 kMaxShortText = 4096; // names, dates, times
inline constexpr int kMaxPipelineRows = 100;
inline constexpr int kMaxTrackRows = 1000000;
inline constexpr int kMaxDefectRows = 100000;

// Whether the name is a table of the file (a view, a missing table: false, logged).
bool IsTable(const QSqlDatabase &db, const QString &name);
// The columns of the table, in their order.
QStringList ColumnsOf(const QSqlDatabase &db, const QString &table);

// Two result columns for one column: its value (NULL when longer than the limit, so that it
// is never fetched) and whether it was longer.
QString BoundedColumn(const QString &column, qint64 limit);
// The value of such a pair of result columns starting at index; a value that was too long
// is logged and read as missing.
QVariant BoundedValue(const QSqlQuery &query, int index, const QString &column);

// The LIMIT clause that fetches one row more than the bound, so a cut is seen.
QString RowLimit(int maxRows);
// Whether the row (counted from 0) is beyond the bound; logged once, at the first such row.
bool BeyondRowLimit(int row, int maxRows, const QString &table);

// Drops every trigger of the file, so that no statement stored in it runs when the program
// writes to it; false when one stays.
bool DropTriggers(const QSqlDatabase &db);

} // namespace RtvBounds
