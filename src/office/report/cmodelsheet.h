#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

#include "office/engines/qexcelengine.h"

// Writes one table of the system as a formatted spreadsheet file: the project list (kind 0),
// the acceptance video list (1), the interpretation record list (2) and the detected and
// evaluated information of a project's pipe sections (3). The caller hands the data over as
// a list of rows of cell values; the header rows, formats and layout are made here.
// Created, used and destroyed on one thread (the engine lives there).
class CModelSheet : public QObject
{
    Q_OBJECT

public:
    enum Kind {
        ProjectDetails = 0,
        AcceptanceVideo = 1,
        InterpretationRecord = 2,
        DetectedAndEvaluated = 3
    };

    // reuse != 0: an existing file at the export path is opened and written into.
    CModelSheet(const QString &sheetName, int reuse, QObject *parent = nullptr);
    ~CModelSheet() override;

    bool OpenExcel(const QString &path);
    // Writes the sheet; false, with ErrorString(), when the file could not be written.
    bool DoExportSheet(const QString &path, const QVariant &header, const QVariant &data,
                       const int &rows, const int &columns, int kind);
    QString ErrorString() const { return m_strError; }

    bool ExportProjectDetails(const QString &path, const QVariant &data, int rows, int columns);
    bool ExportAcceptanceVideo(const QString &path, const QVariant &data, int rows, int columns);
    bool ExportInterpretationRecord(const QString &path, const QVariant &data, int rows,
                                    int columns);
    bool ExportDetectedAndEvaluated(const QString &path, const QVariant &data, int rows,
                                    int columns);

    // The column headers of a kind, translated.
    static QStringList HeaderTexts(int kind);
    // K and T texts of an area or soil index; empty outside 0-3.
    static QString AreaText(int nAreaProperty);
    static QString SoilText(int nSoilProperty);
    // A title as a sheet name: without the characters sheets refuse, at most 31 long.
    static QString SheetNameFor(const QString &title);

private:
    void WriteGroupHeaders(int row);

    QExcelEngine m_excel;
    QString m_strSheetName;
    int m_nReuse = 0;
    QString m_strError;
};
