#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include "office/report/systemvalues.h"

// The rows of the four sheets, assembled from the project database and the RTV files:
// each row is a QVariantList of cell values in the sheet's column order.
class CSheetData
{
    Q_DECLARE_TR_FUNCTIONS(CSheetData)

public:
    // Kind 0: every project, its first 16 columns.
    static QVariantList ProjectRows();
    // Kind 1: the videos of a project, nine columns.
    static QVariantList VideoRows(const QString &projectKey);
    // Kind 2: the defect rows of a project (16 columns).
    static QVariantList InterpretationRows(const QString &projectKey);
    // Kind 3: one row of 57 columns per RTV file: the section, its wells, the operator and
    // equipment of the inspecting unit, K, T, E and the evaluation. Option texts, persons and
    // equipment come from the given system settings' values.
    static QVariantList DetectedAndEvaluatedRows(const QStringList &rtvPaths,
                                                 const SystemValues &system);
    static QVariantList DetectedAndEvaluatedRow(int number, const QString &rtvPath,
                                                const SystemValues &system);
    // The RTV files of a project's videos, in the order of the database.
    static QStringList ProjectRtvFiles(const QString &projectKey);

    // Column counts of the kinds.
    static int ColumnCount(int kind);
};
