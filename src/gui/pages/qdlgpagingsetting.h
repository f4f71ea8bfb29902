#pragma once

#include <QDialog>

class QLabel;
class QSpinBox;

// "Paging settings": rows per page (1-999) and the page to go to, limited to the pages the
// chosen page size gives (asked from the paging bar through CalculateTotalPage).
class QDlgPagingSetting : public QDialog
{
    Q_OBJECT

public:
    QDlgPagingSetting(int rowsPerPage, int targetPage, QWidget *parent = nullptr);

    int RowsPerPage() const { return m_nRowsPerPage; }
    int TargetPage() const { return m_nTargetPage; }
    QSpinBox *RowsPerPageBox() const { return m_pSpinRows; }
    QSpinBox *TargetPageBox() const { return m_pSpinPage; }
    QString TotalText() const;
    // Asks for the page count of the current page size and limits the target page.
    void Refresh();

    // The target page range for a page count: 1..pages, or 0..0 without pages.
    static int MinimumPage(int totalPages) { return totalPages > 0 ? 1 : 0; }

signals:
    void CalculateTotalPage(int nRowsPerPage, int &nTotalPages);

public slots:
    void on_btnOK_clicked();
    void on_btnCancel_clicked();
    void on_spinBoxRowsPerPage_valueChanged(int iValue);
    void on_spinBoxRowsPerPage_editingFinished();

private:
    int m_nRowsPerPage = 1;
    int m_nTargetPage = 0;
    QSpinBox *m_pSpinRows = nullptr;
    QSpinBox *m_pSpinPage = nullptr;
    QLabel *m_pLabelTotal = nullptr;
};
