#pragma once

#include <memory>
#include <vector>

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include "core/inspection/pipelineparam.h"
#include "office/engines/qwordengine.h"
#include "office/report/creportitem.h"
#include "office/report/reportinputs.h"

// The sections of one pipe type, material and diameter.
struct CWorkAmount
{
    int nType = 0;
    int nMaterial = 0;
    int nDiameter = 0;
    float fLength = 0;       // sum of fPipeSectionLen
    float fSecondLength = 0; // sum of fPipeBranchDepth, the inspected length
    int nCount = 0;
    int nInterpreted = 0; // sections whose file is marked as interpreted
    QString strText;      // "type(material)"
};

// Builds the inspection report of a set of RTV files: statistics are gathered while the
// files are added, GenerateReport() fills a new document from the report template through
// the word engine and saves it. Lives on the thread that runs the report; what it shows
// besides the files comes in as values (ReportInputs), never from the settings objects.
class CModelReport : public QObject
{
    Q_OBJECT

public:
    static constexpr int kTypes = CFileRTV::kDefectCodes;
    static constexpr int kGrades = CFileRTV::kDefectLevels;
    static constexpr int kWellTypes = 12;

    explicit CModelReport(const ReportInputs &inputs, QObject *parent = nullptr);
    ~CModelReport() override;

    // Adds one inspection file; an unreadable file or a path already added is skipped.
    void InsertReportItem(const QString &rtvPath, const QString &videoPath);
    // False, with ErrorString(), when no word processor could be opened or the document
    // could not be saved; a file at savePath is replaced only by a complete report. An
    // empty path leaves the document open.
    bool GenerateReport(const QString &savePath);
    QString ErrorString() const { return m_strError; }
    // Back to the state after construction.
    void Clear();

    int ItemCount() const { return m_nItemCount; }
    const CReportItem *ItemAt(int index) const;
    int DefectCount(int type, int grade) const;
    int TypeTotal(int type) const;
    int GradeTotal(int grade) const;
    int DefectTotal() const { return m_nDefectTotal; }
    float SectionLengthTotal() const { return m_fSectionLength; }
    float SecondLengthTotal() const { return m_fSecondLength; }
    int EvaluatedSections() const { return m_nEvaluated; }
    int SectionsWithDefects() const { return m_nWithDefects; }
    // Counted while the pipeline defect table of the last document was written.
    int StructuralPositions() const { return m_nStructuralPositions; }
    int FunctionalPositions() const { return m_nFunctionalPositions; }
    QDate DateFrom() const { return m_dateFrom; }
    QDate DateTo() const { return m_dateTo; }
    const QList<CWorkAmount> &WorkAmounts() const { return m_workAmounts; }
    const QList<CWellParam> &Wells() const { return m_wells; }

    // Vocabulary of the report, translated; "Unknow" outside the tables.
    static QString PipeTypeText(int index);
    static QString MaterialText(int index);
    static QString WellTypeText(int index);
    // The two well-defect lists: inside the well, and at the cover and its surroundings.
    static QStringList InsideWellDefects();
    static QStringList CoverWellDefects();

private:
    void ResetStatistics();
    void AddDate(const QString &text);
    void AddWorkAmount(const CFileRTV &file);
    void AddWell(const CWellParam &well);
    QList<const CReportItem *> EvaluatedItems() const;

    // Document steps (the tables are in cmodelreporttables.cpp).
    void WriteHomePage();
    void WriteProjectInfoTable(int table);
    void WriteWorkAmountTable(int table);
    void WriteWellInfoTable(int table);
    void WriteWellDefectTable(int table);
    void WritePipelineDefectTable(int table);
    void WritePipelineDefectCountTable(int table);
    void WriteDefectPieChart(int shape);
    void WritePipeSectionAssessmentTable(int table);
    void WritePipeSectionResultTable();
    void WriteSectionDetail(int table, const CReportItem &item);

    const ReportInputs m_inputs;
    QWordEngine m_wordEngine;
    QString m_strError;
    int m_nTableIndex = 1;
    int m_nShapeIndex = 2;
    std::vector<std::unique_ptr<CReportItem>> m_items;
    int m_nDefectCount[kTypes][kGrades] = {};
    int m_nTypeTotal[kTypes] = {};
    int m_nGradeTotal[kGrades] = {};
    int m_nDefectTotal = 0;
    int m_nItemCount = 0;
    float m_fSectionLength = 0;
    int m_nEvaluated = 0;
    float m_fSecondLength = 0;
    int m_nWithDefects = 0;
    int m_nStructuralPositions = 0;
    int m_nFunctionalPositions = 0;
    QDate m_dateFrom;
    QDate m_dateTo;
    QList<CWorkAmount> m_workAmounts;
    QList<CWellParam> m_wells;
};
