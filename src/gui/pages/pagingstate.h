#pragma once

// The arithmetic of the paging bar, without a widget: total rows, rows per page and the
// current page (0-based), and the row range [start, start + count) of the current page.
class CPagingState
{
public:
    // ceil(totalRows / rowsPerPage); 0 for 0 rows per page (or 0 rows).
    static int PageCount(int totalRows, int rowsPerPage);

    int TotalRows() const { return m_nTotalRows; }
    int RowsPerPage() const { return m_nRowsPerPage; }
    int TotalPages() const { return m_nTotalPages; }
    int CurrentPage() const { return m_nCurrentPage; }

    void SetTotalRows(int n) { m_nTotalRows = n < 0 ? 0 : n; }
    void SetRowsPerPage(int n) { m_nRowsPerPage = n < 0 ? 0 : n; }
    void SetCurrentPage(int page) { m_nCurrentPage = page; }

    // Recomputes the pages and clamps the current page into them; false (nothing changed)
    // with 0 rows per page.
    bool Recompute();

    int StartIndex() const { return m_nCurrentPage * m_nRowsPerPage; }
    // The rows of the current page: total - start, at most rows per page, never negative.
    int RowCount() const;
    // "current page + 1" as shown (0 without pages).
    int DisplayedPage() const { return m_nTotalPages == 0 ? 0 : m_nCurrentPage + 1; }

    bool CanGoBack() const { return m_nCurrentPage != 0; }
    bool CanGoForward() const { return m_nTotalPages > 0 && m_nCurrentPage != m_nTotalPages - 1; }
    // Each moves only when the direction allows it; true when the page changed.
    bool GoFirst();
    bool GoPrevious();
    bool GoNext();
    bool GoLast();

private:
    int m_nTotalRows = 0;
    int m_nRowsPerPage = 20;
    int m_nTotalPages = 0;
    int m_nCurrentPage = 0;
};
