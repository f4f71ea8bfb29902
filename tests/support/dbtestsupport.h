#pragma once

#include <memory>

#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include "core/inspection/cdefectitem.h"

// Helpers of the project database tests: a fresh data folder per test, rows written with
// the database's own (main-thread) connection, and single values read back.
namespace DbTest {

// The start of every database test: warnings recorded, English data files in the given
// folder, and the system settings store built on this (the GUI) thread before any worker.
void PrepareSuite(const QString &dataDir);

// Points the data folder at a new temporary folder and releases any database instance;
// the next GetInstance creates the file there. Keep the returned folder alive.
std::unique_ptr<QTemporaryDir> FreshDataFolder();

// Runs a statement with bound values (in order) on the database's connection of this
// thread; fails the test (qFatal) when it does not run.
void Exec(const QString &statement, const QVariantList &values = {});
// First field of the first row, invalid when there is none.
QVariant Scalar(const QString &statement, const QVariantList &values = {});
// All rows of a statement.
QList<QVariantList> Rows(const QString &statement, const QVariantList &values = {});

void InsertProject(const QString &key, const QString &number,
                   const QString &date = QStringLiteral("2024-03-01"),
                   const QString &name = QStringLiteral("Project"));
void InsertVideo(const QString &projectKey, const QString &videoKey,
                 const QString &roadName = QStringLiteral("Road"), int defects = 0,
                 double sectionLength = 0, int diameter = 600);
// A defect row written directly (for the reads): the video key's defect at that index.
void InsertDefectRow(const QString &videoKey, int timeIndex, const QString &roadName,
                     const QString &level = QStringLiteral("level 1"),
                     const QString &testDate = QStringLiteral("2024-03-02"));

int Count(const QString &table, const QString &condition = QStringLiteral("1"));
// Column names of a table in position order.
QStringList Columns(const QString &path, const QString &table);
// Names of the schema objects of a type ("table", "trigger", "index") in a file.
QStringList SchemaNames(const QString &path, const QString &type);

// A defect of the given code and level.
CDefectItem MakeDefect(int timeIndex, int code, int level, int property = 0, float distance = 1.5f,
                       float length = 0.5f);

// Collects debug-log lines while alive (they are still printed).
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();
    QStringList Lines() const;
    bool Contains(const QString &text) const;
};

} // namespace DbTest
