#pragma once

#include <functional>

#include <QDialog>

#include "office/report/cmodelreport.h"

class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;

// The report generator of the standalone report mode: the user adds inspection files from
// anywhere and has the report of all of them written. Closing it ends the program.
class GenerateReportDlg : public QDialog
{
    Q_OBJECT

public:
    explicit GenerateReportDlg(QWidget *parent = nullptr);

    QStandardItemModel *FileModel() const { return m_pModel; }
    const CModelReport &Report() const { return m_report; }
    // Adds the files as the Add button does after its file dialog.
    void AddFiles(const QStringList &paths);
    // Where the document of the last report was saved (empty before the first).
    QString LastDocumentPath() const { return m_strLastDocument; }
    // Whether a finished report is handed to the desktop's default program (off in tests).
    void SetOpenDocuments(bool open);
    // What hands a finished report to a program; false when none could open it.
    using DocumentOpener = std::function<bool(const QString &path)>;
    void SetDocumentOpener(const DocumentOpener &opener) { m_openDocument = opener; }

    static QString CountText(int files);

public slots:
    void on_AddBtn_clicked();
    void on_DeleteBtn_clicked();
    void on_ClearBtn_clicked();
    void on_ReportBtn_clicked();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void SetupTable();
    void RebuildTable();

    CModelReport m_report;
    QStandardItemModel *m_pModel = nullptr;
    QTableView *m_pTableView = nullptr;
    QLabel *m_pLabelInfo = nullptr;
    QPushButton *m_pDeleteBtn = nullptr;
    QString m_strLastDocument;
    DocumentOpener m_openDocument;
};
