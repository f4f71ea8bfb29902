#pragma once

#include <array>

#include <QDialog>

#include "core/settings/coptionlist.h"
#include "core/settings/qsysteminfo.h"

class QPageCommonSettings;
class QPageOptionSettings;
class QPagePersonEquipment;
class QPushButton;
class QTabWidget;

// The system settings dialog: common settings, option lists, personnel and equipment in four
// tabs. OK commits every tab and writes the whole store to its file; Cancel (or Escape)
// keeps none of the edits: the option lists, which the option tab edits in the store
// directly, get back what they held when the dialog opened.
class QDlgSystemSettings : public QDialog
{
    Q_OBJECT

public:
    enum Tab { CommonTab = 0, OptionTab, PersonTab, EquipmentTab };

    explicit QDlgSystemSettings(QWidget *parent = nullptr);

    QTabWidget *Tabs() const { return m_pTabs; }
    QPageCommonSettings *CommonPage() const { return m_pCommon; }
    QPageOptionSettings *OptionPage() const { return m_pOption; }
    QPagePersonEquipment *PersonPage() const { return m_pPerson; }
    QPagePersonEquipment *EquipmentPage() const { return m_pEquipment; }
    QPushButton *OKButton() const { return m_btnOK; }
    QPushButton *CancelButton() const { return m_btnCancel; }

public slots:
    void on_btnOK_Clicked();
    void on_btnCancel_Clicked();
    void reject() override;

private:
    void PlaceOnDesktop();

    QTabWidget *m_pTabs = nullptr;
    QPageCommonSettings *m_pCommon = nullptr;
    QPageOptionSettings *m_pOption = nullptr;
    QPagePersonEquipment *m_pPerson = nullptr;
    QPagePersonEquipment *m_pEquipment = nullptr;
    QPushButton *m_btnOK = nullptr;
    QPushButton *m_btnCancel = nullptr;
    std::array<COptionList, QSystemInfo::OptionSlotCount> m_optionsAtOpening;
};
