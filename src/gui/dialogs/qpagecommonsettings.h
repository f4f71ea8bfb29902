#pragma once

#include <array>
#include <memory>

#include <QWidget>

#include "core/settings/ccitydatajson.h"

class QComboBox;
class QLineEdit;

// The common settings tab: the inspection unit, the report defaults and the map centre with
// its province, city and district selectors. Choosing a division writes the centre of the
// most precise division then shown into the map-centre field. The store changes only by
// Commit().
class QPageCommonSettings : public QWidget
{
    Q_OBJECT

public:
    enum Field {
        InstitutionCode = 0,
        UnitName,
        UnitSite,
        ContactNumber,
        PostCode,
        Contacts,
        Reporters,
        OriginPosition,
        FieldCount
    };

    explicit QPageCommonSettings(QWidget *parent = nullptr,
                                 const QString &cityDataPath = CCityDataJson::ResourcePath());
    ~QPageCommonSettings() override;

    QLineEdit *FieldEdit(int field) const;
    QComboBox *ProvinceBox() const { return m_cmbBoxProvince; }
    QComboBox *CityBox() const { return m_cmbBoxCity; }
    QComboBox *DistrictBox() const { return m_cmbBoxDistrict; }
    QComboBox *StandardBox() const { return m_cmbBoxStandard; }
    QComboBox *TemplateBox() const { return m_cmbBoxTemplate; }
    // Copies every field into the store.
    void Commit();

public slots:
    void on_cmbBoxProvince_currentTextChanged(const QString &strProvince);
    void on_cmbBoxCity_currentIndexChanged(int index);
    void on_cmbBoxDistrict_currentIndexChanged(int index);

private:
    QWidget *NewUnitGroup();
    QWidget *NewMapGroup();
    QWidget *NewReportGroup();
    void LoadStore();
    // Refill the lower boxes without reporting their changes.
    void FillCities(const QString &province);
    void FillDistricts(const QString &city);
    void ShowSelectedCenter();
    // Selects the text, adding it first when the box lacks it (a name the city data does not
    // know still shows and is kept).
    static void SelectText(QComboBox *box, const QString &text);

    std::unique_ptr<CCityDataJson> m_cityData;
    std::array<QLineEdit *, FieldCount> m_edits{};
    QComboBox *m_cmbBoxStandard = nullptr;
    QComboBox *m_cmbBoxTemplate = nullptr;
    QComboBox *m_cmbBoxProvince = nullptr;
    QComboBox *m_cmbBoxCity = nullptr;
    QComboBox *m_cmbBoxDistrict = nullptr;
};
