#pragma once

#include <QPointer>

#include "core/settings/dataexportparam.h"
#include "gui/chrome/waitview.h"
#include "gui/pages/qpagechild.h"

class QDlgDetail;
class QLabel;
class QLineEdit;

// The defect page (type 2): the current project's defects page by page, searchable and
// sorted by test or interpretation date. Opens the detail dialog and steps through the
// page's rows in it, exports the defect sheet and builds the project's report on a worker.
// It only reads the database; the video page writes the defects.
class QPageDefectInfo : public QPageChild
{
    Q_OBJECT

public:
    static constexpr int kKeyColumn = 11;

    explicit QPageDefectInfo(QWidget *parent = nullptr);
    ~QPageDefectInfo() override;

    int type() override { return 2; }
    QString GetTableName() override;
    void updatePage() override;
    void CreateLeftButtons() override;
    QString GetHeaderSpec() override;
    void CreateTopBar() override;
    QString GetFilter() override;
    void SeletctedRowDoubleClick(int row) override;
    void OnToolChanged(int tool) override;
    QString GetDefaultOrderColumn() override;
    QStringList GetButtonTexts() override;
    QStringList GetSortMenuTexts() override;
    void Retranslate() override;

    static QString DefectHeaderSpec();
    // The report entries of a project's videos: "videoKey/videoKey" (the RTV file's base
    // below the project folder), ";", the video path.
    static QStringList ReportEntries(const QString &projectKey);
    // The proposed report file: last report folder, today, "_<project> inspection .doc".
    static QString DefaultReportPath(const QString &dir, const QString &projectName);

    // Builds the report into the path behind the wait view (on_slot_Report after the
    // save dialog); false when no report could be started.
    bool StartReport(const QString &path);

    QLineEdit *SearchEdit() const { return m_pSearchEdit; }
    QString SearchPlaceholder() const;
    QDlgDetail *DetailDialog() const { return m_pDlgDetail; }
    QString ReportPath() const { return m_strReportPath; }

signals:
    // The report worker has finished (before the question whether to open it).
    void signal_reportFinished();

public slots:
    void on_slot_Search();
    void on_slot_Export();
    void on_slot_Detail();
    void on_slot_Report();
    void on_slot_Custom();
    void on_slot_InterpretateFirstSort();
    void on_slot_TestFirstSort();
    bool on_slot_getPreDefectImg();
    bool on_slot_getNextDefectImg();
    void onExportDefectImage(DataExportParam exportParam);
    void on_slot_Report_Successed();

protected:
    int CurrentSortIndex() override;

private:
    enum Button { BtnSearch = 0, BtnExport, BtnDetails, BtnReport };

    void SetSortMode(int mode);
    // The first selected row of the view, -1 for none.
    int SelectedRow() const;
    void ShowRowInDialog(int row);
    // Selects a neighbouring row of the current page and shows it; false at the page's edge.
    bool StepTo(int row);

    QLabel *m_pProjectLabel = nullptr;
    QLineEdit *m_pSearchEdit = nullptr;
    QDlgDetail *m_pDlgDetail = nullptr;
    QPointer<WaitView> m_pWaitView;
    QThread *m_pReportThread = nullptr;
    QString m_strReportPath;
};
