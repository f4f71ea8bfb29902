#include "gui/pages/pagingstate.h"

#include <algorithm>

int CPagingState::PageCount(int totalRows, int rowsPerPage)
{
    if (rowsPerPage <= 0 || totalRows <= 0)
        return 0;
    return (totalRows + rowsPerPage - 1) / rowsPerPage;
}

bool CPagingState::Recompute()
{
    if (m_nRowsPerPage <= 0)
        return false;
    m_nTotalPages = PageCount(m_nTotalRows, m_nRowsPerPage);
    m_nCurrentPage = std::max(0, std::min(m_nCurrentPage, m_nTotalPages - 1));
    return true;
}

int CPagingState::RowCount() const
{
    return std::max(0, std::min(m_nTotalRows - StartIndex(), m_nRowsPerPage));
}

bool CPagingState::GoFirst()
{
    if (!CanGoBack())
        return false;
    m_nCurrentPage = 0;
    return true;
}

bool CPagingState::GoPrevious()
{
    if (!CanGoBack())
        return false;
    --m_nCurrentPage;
    return true;
}

bool CPagingState::GoNext()
{
    if (!CanGoForward())
        return false;
    ++m_nCurrentPage;
    return true;
}

bool CPagingState::GoLast()
{
    if (!CanGoForward())
        return false;
    m_nCurrentPage = m_nTotalPages - 1;
    return true;
}
