#pragma once

#include <functional>

#include <QWidget>

#include "gui/pages/pagingstate.h"

class QLabel;
class QPushButton;

// The navigation bar under a page's table: first, previous, "n of m pages", next, last.
// Emits the row range of the current page whenever the page, the page size or the total
// changes. Double-clicking the label opens the paging dialog.
class QPagingWidget : public QWidget
{
    Q_OBJECT

public:
    explicit QPagingWidget(QWidget *parent = nullptr);

    int CurrentPage() const { return m_state.CurrentPage(); }
    int TotalPages() const { return m_state.TotalPages(); }
    int RowsPerPage() const { return m_state.RowsPerPage(); }
    int TotalRows() const { return m_state.TotalRows(); }
    int StartIndex() const { return m_nStartIndex; }
    int RowCount() const { return m_nRowCount; }
    bool PageStepByViewEnabled() const { return m_bPageStepByView; }
    QString LabelText() const;

    // What an accepted paging dialog does: go to page (1-based) and take the page size,
    // which becomes the least rows per page that a resized view may propose.
    void ApplyPagingSetting(int rowsPerPage, int page);

    // Makes the page holding the row (0-based, in the order of all rows) the current one;
    // shown at the next repagination.
    void ShowPageOfRow(int row);

    // Asked before a move of the user's (page buttons, paging dialog); false keeps the page.
    void SetMoveGuard(const std::function<bool()> &guard) { m_moveGuard = guard; }

signals:
    void DispayRowRangeChanged(int nStartIndex, int Count);

public slots:
    void SetMaximum(int nTotalRows);
    void SetPageStep(int nRowsPerPage);
    void SetPageStepByView(int nRows);
    void SetPageStepByViewEnable(bool bEnable);
    void UpdatePageNumber();
    void OnCalculateTotalPage(int nRowsPerPage, int &nTotalPages);
    void OnHomePageClicked();
    void OnPrePageClicked();
    void OnNextPageClicked();
    void OnEndPageClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Recomputes; on success updates the label and emits the range.
    void Repaginate();
    void EmitRange();
    void OpenPagingDialog();
    bool MayMove() const { return !m_moveGuard || m_moveGuard(); }

    CPagingState m_state;
    int m_nStartIndex = 0;
    int m_nRowCount = 0;
    int m_nLastViewRows = -1;
    bool m_bPageStepByView = true;
    // A resized view never makes pages shorter than this (the default or the user's choice).
    int m_nMinimumRowsByView = CPagingState().RowsPerPage();
    std::function<bool()> m_moveGuard;
    QPushButton *m_pBtnHome = nullptr;
    QPushButton *m_pBtnPrev = nullptr;
    QLabel *m_pLabel = nullptr;
    QPushButton *m_pBtnNext = nullptr;
    QPushButton *m_pBtnEnd = nullptr;
};
