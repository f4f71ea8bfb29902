#pragma once

#include "core/settings/dataexportparam.h"
#include "gui/chrome/cwaitviewinterface.h"
#include "gui/pages/qpagechild.h"
#include "office/report/cdataexporter.h"
#include "office/report/systemvalues.h"

class QLineEdit;
class QPushButton;
class QSwitchButton;
class WaitView;

// The project page (type 0): the projects of the project database page by page, added,
// edited and validated in place, deleted with their folders, searched and limited to a
// commencement period. The selected project becomes the application's current project.
class QPageProjectInfo : public QPageChild, public CWaitViewInterface
{
    Q_OBJECT

public:
    static constexpr int kKeyColumn = 21;

    explicit QPageProjectInfo(QWidget *parent = nullptr);
    ~QPageProjectInfo() override;

    int type() override { return 0; }
    QString GetTableName() override;
    void updatePage() override;
    // Saving an added or edited row: validates, submits, recounts and makes the folder.
    bool SubmitChanges() override;
    void CreateLeftButtons() override;
    QString GetHeaderSpec() override;
    void CreateTopBar() override;
    void CreateContextMenu() override;
    void UpdateContextMenu() override;
    void GetComboboxItems(int column, QStringList &items) override;
    bool CheckEditedRow() override;
    QString GetFilter() override;
    void UpdateButtonsEnabled() override;
    void OnCurrentRowChanged(int row) override;
    void OnToolChanged(int tool) override;
    QString GetDefaultOrderColumn() override;
    QStringList GetButtonTexts() override;
    QStringList GetSortMenuTexts() override;
    void Retranslate() override;
    bool HasPendingEdit() override;
    // Asks whether to save the pending project first; Cancel keeps editing it.
    bool ResolvePendingEdit() override;

    void DoWork(const QVariant &arg) override;

    // The header description of the 22 project columns (view switch aside).
    static QString ProjectHeaderSpec();
    // A title broken after its second character (the narrow columns).
    static QString BrokenTitle(const QString &title);

    bool IsAdding() const { return m_bAdding; }
    bool IsEditing() const { return m_bEditing; }
    bool IsDetailView() const { return m_bDetailView; }
    QLineEdit *SearchEdit() const { return m_pSearchEdit; }
    QString SearchPlaceholder() const;
    // Runs the data export into the folder behind the wait view (handleDataExport after
    // the folder has been chosen).
    void StartDataExport(const QString &dir);

signals:
    void signal_handleDataExport();
    void changeWaitViewTitle(QString title);
    // The data export worker has finished.
    void signal_dataExportFinished();

public slots:
    void on_switchBtn_Checked(bool bChecked);
    void on_slot_ExportData();
    void on_slot_Edit();
    void on_slot_Delete();
    void on_slot_Search();
    void on_slot_Add();
    void on_slot_sort_OneMonth();
    void on_slot_sort_threeMonth();
    void on_slot_sort_sixMonth();
    void on_slot_sort_nineMonth();
    void on_slot_sort_year();
    void on_slot_sort_All();
    void OnDataExport();
    void handleDataExport();
    void DataExportFinished();

protected:
    int CurrentSortIndex() override;

private:
    enum Button { BtnSearch = 0, BtnExport, BtnEdit, BtnAdd, BtnDelete };

    // The switches of the data export; true when the user wants to go on.
    bool AskDataExportSettings();
    void SetDateMode(int mode);
    // Moves the paging bar to the page that holds the current key's project.
    void ShowPageOfCurrentKey();
    void SetEditingState(bool adding, bool editing);
    void CancelEditing();
    void AddProjectRow();
    // Reads the selected row into the application settings (the current project).
    void UpdateData(int row);
    QString CellText(int row, int column) const;

    QLineEdit *m_pSearchEdit = nullptr;
    QSwitchButton *m_pSwitchBtn = nullptr;
    WaitView *m_pWaitView = nullptr;
    QList<QAction *> m_lstMenuActions;
    QString m_strExportDir;
    QString m_strExportProjectKey;
    DataExportParam m_exportParam; // copied for the export's worker thread
    SystemValues m_exportSystem;   // likewise
    QString m_strKeyBeforeAdd;     // the project selected before Add, current again on Cancel
    // Written by the export's worker, read once it has finished.
    CDataExporter::Result m_exportResult;
    bool m_bAdding = false;
    bool m_bEditing = false;
    bool m_bDetailView = true;
};
