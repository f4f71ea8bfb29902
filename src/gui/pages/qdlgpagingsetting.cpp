#include "gui/pages/qdlgpagingsetting.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

QDlgPagingSetting::QDlgPagingSetting(int rowsPerPage, int targetPage, QWidget *parent)
    : QDialog(parent)
    , m_nRowsPerPage(rowsPerPage)
    , m_nTargetPage(targetPage)
{
    setWindowTitle(tr("Paging settings"));
    m_pSpinRows = new QSpinBox(this);
    m_pSpinRows->setRange(1, 999);
    m_pSpinRows->setValue(rowsPerPage);
    m_pSpinPage = new QSpinBox(this);
    m_pSpinPage->setRange(0, 0);
    m_pLabelTotal = new QLabel(this);
    auto *btnOK = new QPushButton(tr("OK"), this);
    auto *btnCancel = new QPushButton(tr("Cancel"), this);
    btnOK->setDefault(true);

    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("One page"), this), 0, 0);
    grid->addWidget(m_pSpinRows, 0, 1);
    grid->addWidget(m_pLabelTotal, 0, 2);
    grid->addWidget(new QLabel(tr("Go to page"), this), 1, 0);
    grid->addWidget(m_pSpinPage, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    grid->addLayout(buttons, 2, 0, 1, 3);

    connect(btnOK, &QPushButton::clicked, this, &QDlgPagingSetting::on_btnOK_clicked);
    connect(btnCancel, &QPushButton::clicked, this, &QDlgPagingSetting::on_btnCancel_clicked);
    connect(m_pSpinRows, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &QDlgPagingSetting::on_spinBoxRowsPerPage_valueChanged);
    connect(m_pSpinRows, &QSpinBox::editingFinished, this,
            &QDlgPagingSetting::on_spinBoxRowsPerPage_editingFinished);
    m_pLabelTotal->setText(TotalText());
}

QString QDlgPagingSetting::TotalText() const
{
    return tr("lines , %1 pages").arg(m_pSpinPage->maximum());
}

void QDlgPagingSetting::Refresh()
{
    m_nRowsPerPage = m_pSpinRows->value();
    int pages = 0;
    emit CalculateTotalPage(m_nRowsPerPage, pages);
    const int wanted = m_pSpinPage->maximum() == 0 && m_pSpinPage->value() == 0
                           ? m_nTargetPage
                           : m_pSpinPage->value();
    m_pSpinPage->setRange(MinimumPage(pages), pages);
    m_pSpinPage->setValue(qBound(MinimumPage(pages), wanted, pages));
    m_pLabelTotal->setText(TotalText());
}

void QDlgPagingSetting::on_btnOK_clicked()
{
    m_nRowsPerPage = m_pSpinRows->value();
    m_nTargetPage = m_pSpinPage->value();
    accept();
}

void QDlgPagingSetting::on_btnCancel_clicked()
{
    reject();
}

void QDlgPagingSetting::on_spinBoxRowsPerPage_valueChanged(int)
{
    Refresh();
}

void QDlgPagingSetting::on_spinBoxRowsPerPage_editingFinished()
{
    Refresh();
}
