#include "gui/pages/qdlgdetail.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSqlRecord>
#include <QVBoxLayout>
#include <QVariant>

#include "gui/chrome/displayscale.h"
#include "gui/pages/cdefectdetailtext.h"
#include "gui/pages/qdefectimgwidget.h"

QDlgDetail::QDlgDetail(QWidget *parent)
    : QDialog(parent)
{
    auto *layout = new QVBoxLayout(this);
    m_pImgWidget = new QDefectImgWidget(this);
    m_pImgWidget->setMinimumSize(Display::ScaledPixels(640), Display::ScaledPixels(560));
    layout->addWidget(m_pImgWidget, 1);

    auto *buttons = new QHBoxLayout;
    m_pBtnPre = new QPushButton(this);
    m_pBtnNext = new QPushButton(this);
    buttons->addStretch();
    buttons->addWidget(m_pBtnPre);
    buttons->addWidget(m_pBtnNext);
    buttons->addStretch();
    layout->addLayout(buttons);

    connect(m_pBtnPre, &QPushButton::clicked, this, &QDlgDetail::on_btn_pre_clicked);
    connect(m_pBtnNext, &QPushButton::clicked, this, &QDlgDetail::on_btn_next_clicked);
    Retranslate();
}

void QDlgDetail::ShowDefect(const QSqlRecord &record)
{
    m_pImgWidget->SetImage(record.value(QStringLiteral("ImagePath")).toString(),
                           CDefectDetailText::Compose(record));
}

void QDlgDetail::on_btn_pre_clicked()
{
    emit signal_getPreDefectImg();
}

void QDlgDetail::on_btn_next_clicked()
{
    emit signal_getNextDefectImg();
}

void QDlgDetail::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QDialog::changeEvent(event);
}

void QDlgDetail::Retranslate()
{
    setWindowTitle(tr("Defect details"));
    m_pBtnPre->setText(tr("Previous"));
    m_pBtnNext->setText(tr("Next"));
}
