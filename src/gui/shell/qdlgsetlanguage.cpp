#include "gui/shell/qdlgsetlanguage.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/common/clanguagesettings.h"
#include "gui/chrome/stylesheet.h"

QDlgSetLanguage::QDlgSetLanguage(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Language Settings"));
    setFixedSize(330, 200);

    auto *label = new QLabel(tr("language:"), this);
    label->setMinimumWidth(80);
    m_pComboBox = new QComboBox(this);
    m_pComboBox->setMinimumWidth(120);
    m_pComboBox->addItem(tr("Chinese"));
    m_pComboBox->addItem(tr("English"));
    m_nPreselected = CLanguageSettings::GetInstance()->IsChinese() ? 0 : 1;
    m_pComboBox->setCurrentIndex(m_nPreselected);

    m_pBtnOK = new QPushButton(tr("OK"), this);
    m_pBtnCancel = new QPushButton(tr("Cancel"), this);
    for (QPushButton *button : {m_pBtnOK, m_pBtnCancel})
        button->setMinimumSize(80, 30);
    m_pBtnOK->setDefault(true);
    connect(m_pBtnOK, &QPushButton::clicked, this, &QDlgSetLanguage::on_btn_OK_clicked);
    connect(m_pBtnCancel, &QPushButton::clicked, this, &QDlgSetLanguage::on_btn_Cancel_clicked);

    auto *choiceRow = new QHBoxLayout;
    choiceRow->addStretch();
    choiceRow->addWidget(label);
    choiceRow->addWidget(m_pComboBox);
    choiceRow->addStretch();
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(m_pBtnOK);
    buttonRow->addSpacing(20);
    buttonRow->addWidget(m_pBtnCancel);
    buttonRow->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addLayout(choiceRow);
    layout->addStretch();
    layout->addLayout(buttonRow);
    layout->addSpacing(10);

    StyleSheet::AppendStyleSheet(this, QStringLiteral(":/css/Theme/QSS/QWidget.css"));
    StyleSheet::AppendStyleSheet(m_pBtnOK, QStringLiteral(":/css/Theme/QSS/QPushButton_OK.css"));
    StyleSheet::AppendStyleSheet(m_pBtnCancel,
                                 QStringLiteral(":/css/Theme/QSS/QPushButton_Cancel.css"));
}

void QDlgSetLanguage::on_btn_OK_clicked()
{
    if (m_pComboBox->currentIndex() != m_nPreselected)
        accept();
    else
        reject();
}

void QDlgSetLanguage::on_btn_Cancel_clicked()
{
    reject();
}
