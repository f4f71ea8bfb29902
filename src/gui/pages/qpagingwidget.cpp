#include "gui/pages/qpagingwidget.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "gui/chrome/displayscale.h"
#include "gui/pages/qdlgpagingsetting.h"

QPagingWidget::QPagingWidget(QWidget *parent)
    : QWidget(parent)
{
    setFixedHeight(Display::ScaledPixels(50));
    auto *layout = new QHBoxLayout(this);
    auto makeButton = [this](const QString &text) {
        auto *button = new QPushButton(text, this);
        button->setFixedSize(Display::ScaledPixels(40), Display::ScaledPixels(30));
        return button;
    };
    m_pBtnHome = makeButton(QStringLiteral("|<"));
    m_pBtnPrev = makeButton(QStringLiteral("<"));
    m_pLabel = new QLabel(this);
    m_pLabel->setAlignment(Qt::AlignCenter);
    m_pLabel->setMinimumWidth(Display::ScaledPixels(120));
    m_pLabel->installEventFilter(this);
    m_pBtnNext = makeButton(QStringLiteral(">"));
    m_pBtnEnd = makeButton(QStringLiteral(">|"));
    layout->addStretch();
    layout->addWidget(m_pBtnHome);
    layout->addWidget(m_pBtnPrev);
    layout->addWidget(m_pLabel);
    layout->addWidget(m_pBtnNext);
    layout->addWidget(m_pBtnEnd);
    layout->addStretch();

    connect(m_pBtnHome, &QPushButton::clicked, this, &QPagingWidget::OnHomePageClicked);
    connect(m_pBtnPrev, &QPushButton::clicked, this, &QPagingWidget::OnPrePageClicked);
    connect(m_pBtnNext, &QPushButton::clicked, this, &QPagingWidget::OnNextPageClicked);
    connect(m_pBtnEnd, &QPushButton::clicked, this, &QPagingWidget::OnEndPageClicked);
    UpdatePageNumber();
}

QString QPagingWidget::LabelText() const
{
    return tr("%1 of %2 pages").arg(m_state.DisplayedPage()).arg(m_state.TotalPages());
}

void QPagingWidget::SetMaximum(int nTotalRows)
{
    m_state.SetTotalRows(nTotalRows);
    Repaginate();
}

void QPagingWidget::SetPageStep(int nRowsPerPage)
{
    m_state.SetRowsPerPage(nRowsPerPage);
    Repaginate();
}

void QPagingWidget::SetPageStepByView(int nRows)
{
    if (nRows == m_nLastViewRows)
        return;
    m_nLastViewRows = nRows;
    if (!m_bPageStepByView || nRows < 1)
        return;
    const int rows = qMax(nRows, m_nMinimumRowsByView);
    if (rows != m_state.RowsPerPage())
        SetPageStep(rows);
}

void QPagingWidget::SetPageStepByViewEnable(bool bEnable)
{
    m_bPageStepByView = bEnable;
}

void QPagingWidget::UpdatePageNumber()
{
    m_pLabel->setText(LabelText());
}

void QPagingWidget::OnCalculateTotalPage(int nRowsPerPage, int &nTotalPages)
{
    nTotalPages = CPagingState::PageCount(m_state.TotalRows(), nRowsPerPage);
}

void QPagingWidget::OnHomePageClicked()
{
    if (m_state.CanGoBack() && MayMove() && m_state.GoFirst()) {
        UpdatePageNumber();
        EmitRange();
    }
}

void QPagingWidget::OnPrePageClicked()
{
    if (m_state.CanGoBack() && MayMove() && m_state.GoPrevious()) {
        UpdatePageNumber();
        EmitRange();
    }
}

void QPagingWidget::OnNextPageClicked()
{
    if (m_state.CanGoForward() && MayMove() && m_state.GoNext()) {
        UpdatePageNumber();
        EmitRange();
    }
}

void QPagingWidget::OnEndPageClicked()
{
    if (m_state.CanGoForward() && MayMove() && m_state.GoLast()) {
        UpdatePageNumber();
        EmitRange();
    }
}

void QPagingWidget::ApplyPagingSetting(int rowsPerPage, int page)
{
    m_state.SetCurrentPage(page - 1);
    if (rowsPerPage > 0)
        m_nMinimumRowsByView = rowsPerPage;
    SetPageStep(rowsPerPage);
}

void QPagingWidget::ShowPageOfRow(int row)
{
    if (row >= 0 && m_state.RowsPerPage() > 0)
        m_state.SetCurrentPage(row / m_state.RowsPerPage());
}

void QPagingWidget::Repaginate()
{
    if (!m_state.Recompute())
        return;
    UpdatePageNumber();
    EmitRange();
}

void QPagingWidget::EmitRange()
{
    m_nStartIndex = m_state.StartIndex();
    m_nRowCount = m_state.RowCount();
    emit DispayRowRangeChanged(m_nStartIndex, m_nRowCount);
}

void QPagingWidget::OpenPagingDialog()
{
    if (!MayMove())
        return;
    QDlgPagingSetting dialog(m_state.RowsPerPage(), m_state.CurrentPage() + 1, this);
    connect(&dialog, &QDlgPagingSetting::CalculateTotalPage, this,
            &QPagingWidget::OnCalculateTotalPage);
    dialog.Refresh();
    if (dialog.exec() == QDialog::Accepted)
        ApplyPagingSetting(dialog.RowsPerPage(), dialog.TargetPage());
}

bool QPagingWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_pLabel && event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        OpenPagingDialog();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
