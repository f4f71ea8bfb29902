#include "gui/dialogs/qdlgsystemsettings.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/settings/qsysteminfo.h"
#include "gui/chrome/displayscale.h"
#include "gui/chrome/stylesheet.h"
#include "gui/dialogs/qpagecommonsettings.h"
#include "gui/dialogs/qpageoptionsettings.h"
#include "gui/dialogs/qpagepersonequipment.h"

QDlgSystemSettings::QDlgSystemSettings(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("System Setting"));
    setStyleSheet(QStringLiteral("font-size:12pt;background:rgb(21,73,154);"));
    for (int slot = 0; slot < QSystemInfo::OptionSlotCount; ++slot)
        m_optionsAtOpening[size_t(slot)] = *QSystemInfo::GetInstance()->OptionList(slot);

    m_pTabs = new QTabWidget(this);
    m_pCommon = new QPageCommonSettings(m_pTabs);
    m_pOption = new QPageOptionSettings(m_pTabs);
    m_pPerson = new QPagePersonEquipment(false, m_pTabs);
    m_pEquipment = new QPagePersonEquipment(true, m_pTabs);
    m_pTabs->addTab(m_pCommon, tr("Common settings"));
    m_pTabs->addTab(m_pOption, tr("Option settings"));
    m_pTabs->addTab(m_pPerson, tr("Personal manager"));
    m_pTabs->addTab(m_pEquipment, tr("Equipment manager"));
    StyleSheet::AppendStyleSheet(m_pTabs, QStringLiteral(":/css/Theme/QSS/QTabWidget.css"));
    // Tab widths are measured with the normal weight, so a bold selected tab would clip its
    // text; all four tabs must show whole in both languages at the dialog's width.
    m_pTabs->setStyleSheet(m_pTabs->styleSheet() +
                           QStringLiteral("QTabBar::tab{padding:6px 12px;min-width:0px;}"
                                          "QTabBar::tab:selected{font-weight:normal;}"));
    m_pTabs->tabBar()->setUsesScrollButtons(false);
    m_pTabs->tabBar()->setElideMode(Qt::ElideNone);
    // The pages get the light form style back under the dialog's dark band.
    for (int tab = 0; tab < m_pTabs->count(); ++tab)
        StyleSheet::AppendStyleSheet(m_pTabs->widget(tab),
                                     QStringLiteral(":/css/Theme/QSS/QWidget.css"));

    m_btnOK = new QPushButton(tr("OK"), this);
    m_btnCancel = new QPushButton(tr("Cancel"), this);
    for (QPushButton *button : {m_btnOK, m_btnCancel})
        button->setFixedSize(Display::ScaledPixels(150), Display::ScaledPixels(45));
    m_btnOK->setDefault(true);
    StyleSheet::AppendStyleSheet(m_btnOK, QStringLiteral(":/css/Theme/QSS/QPushButton_OK.css"));
    StyleSheet::AppendStyleSheet(m_btnCancel,
                                 QStringLiteral(":/css/Theme/QSS/QPushButton_Cancel.css"));
    connect(m_btnOK, &QPushButton::clicked, this, &QDlgSystemSettings::on_btnOK_Clicked);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDlgSystemSettings::on_btnCancel_Clicked);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_btnOK);
    buttons->addSpacing(Display::ScaledPixels(40));
    buttons->addWidget(m_btnCancel);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(Display::ScaledPixels(10), Display::ScaledPixels(10),
                               Display::ScaledPixels(10), Display::ScaledPixels(10));
    layout->setSpacing(Display::ScaledPixels(10));
    layout->addWidget(m_pTabs, 1);
    layout->addLayout(buttons);

    PlaceOnDesktop();
}

// 802 by 570 (scaled), never more than 95 % of the desktop, centred on it.
void QDlgSystemSettings::PlaceOnDesktop()
{
    QSize size(Display::ScaledPixels(802), Display::ScaledPixels(570));
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen) {
        resize(size);
        return;
    }
    const QRect desktop = screen->availableGeometry();
    size = size.boundedTo(QSize(desktop.width() * 95 / 100, desktop.height() * 95 / 100));
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, desktop));
}

// Every tab, not only the one shown: the user expects OK to keep all that was entered.
// When the file cannot be written (the user has been told) the dialog stays open.
void QDlgSystemSettings::on_btnOK_Clicked()
{
    m_pCommon->Commit();
    m_pPerson->Commit();
    m_pEquipment->Commit();
    if (QSystemInfo::GetInstance()->SaveSystemInfo())
        accept();
}

void QDlgSystemSettings::on_btnCancel_Clicked()
{
    reject();
}

void QDlgSystemSettings::reject()
{
    for (int slot = 0; slot < QSystemInfo::OptionSlotCount; ++slot)
        *QSystemInfo::GetInstance()->OptionList(slot) = m_optionsAtOpening[size_t(slot)];
    QDialog::reject();
}
