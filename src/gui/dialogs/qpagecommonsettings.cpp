#include "gui/dialogs/qpagecommonsettings.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/settings/qsysteminfo.h"
#include "gui/chrome/displayscale.h"

namespace {
QLabel *NewLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}
} // namespace

QPageCommonSettings::QPageCommonSettings(QWidget *parent, const QString &cityDataPath)
    : QWidget(parent)
    , m_cityData(std::make_unique<CCityDataJson>(cityDataPath))
{
    for (QLineEdit *&edit : m_edits)
        edit = new QLineEdit(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(Display::ScaledPixels(6), Display::ScaledPixels(4),
                               Display::ScaledPixels(6), Display::ScaledPixels(4));
    layout->setSpacing(Display::ScaledPixels(6));
    layout->addWidget(NewUnitGroup());
    layout->addWidget(NewMapGroup());
    layout->addWidget(NewReportGroup());
    layout->addStretch();

    LoadStore();
    connect(m_cmbBoxProvince, &QComboBox::currentTextChanged, this,
            &QPageCommonSettings::on_cmbBoxProvince_currentTextChanged);
    connect(m_cmbBoxCity, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &QPageCommonSettings::on_cmbBoxCity_currentIndexChanged);
    connect(m_cmbBoxDistrict, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &QPageCommonSettings::on_cmbBoxDistrict_currentIndexChanged);
}

QPageCommonSettings::~QPageCommonSettings() = default;

QWidget *QPageCommonSettings::NewUnitGroup()
{
    auto *group = new QGroupBox(tr("Inspection unit"), this);
    auto *grid = new QGridLayout(group);
    const struct
    {
        int field;
        QString label;
        int row;
        int column;
    } placed[] = {
        {InstitutionCode, tr("Organization code:"), 0, 0},
        {UnitName, tr("Company name:"), 0, 2},
        {UnitSite, tr("Company address:"), 1, 0},
        {ContactNumber, tr("Contact number:"), 1, 2},
        {PostCode, tr("Postcode:"), 2, 0},
        {Contacts, tr("Contact person:"), 2, 2},
        {Reporters, tr("Report writer:"), 3, 0},
    };
    for (const auto &item : placed) {
        grid->addWidget(NewLabel(item.label, group), item.row, item.column);
        grid->addWidget(m_edits[size_t(item.field)], item.row, item.column + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnMinimumWidth(2, Display::ScaledPixels(10));
    return group;
}

QWidget *QPageCommonSettings::NewMapGroup()
{
    auto *group = new QGroupBox(tr("Map center"), this);
    m_cmbBoxProvince = new QComboBox(group);
    m_cmbBoxCity = new QComboBox(group);
    m_cmbBoxDistrict = new QComboBox(group);
    auto *divisions = new QHBoxLayout;
    for (QComboBox *box : {m_cmbBoxProvince, m_cmbBoxCity, m_cmbBoxDistrict}) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(6);
        divisions->addWidget(box, 1);
    }
    auto *grid = new QGridLayout(group);
    grid->addWidget(NewLabel(tr("Starting position:"), group), 0, 0);
    grid->addLayout(divisions, 0, 1);
    grid->addWidget(NewLabel(tr("Longitude and latitude:"), group), 1, 0);
    grid->addWidget(m_edits[OriginPosition], 1, 1);
    grid->setColumnStretch(1, 1);
    return group;
}

// The standard's name is long; each box gets the whole width below its label.
QWidget *QPageCommonSettings::NewReportGroup()
{
    auto *group = new QGroupBox(tr("Report settings"), this);
    m_cmbBoxStandard = new QComboBox(group);
    m_cmbBoxTemplate = new QComboBox(group);
    auto *layout = new QVBoxLayout(group);
    layout->setContentsMargins(Display::ScaledPixels(8), Display::ScaledPixels(4),
                               Display::ScaledPixels(8), Display::ScaledPixels(8));
    layout->setSpacing(Display::ScaledPixels(4));
    layout->addWidget(new QLabel(tr("Evaluation stardard:"), group));
    layout->addWidget(m_cmbBoxStandard);
    layout->addSpacing(Display::ScaledPixels(4));
    layout->addWidget(new QLabel(tr("Report template:"), group));
    layout->addWidget(m_cmbBoxTemplate);
    for (QComboBox *box : {m_cmbBoxStandard, m_cmbBoxTemplate}) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(20);
        connect(box, &QComboBox::currentTextChanged, box, &QComboBox::setToolTip);
    }
    return group;
}

QLineEdit *QPageCommonSettings::FieldEdit(int field) const
{
    return field >= 0 && field < FieldCount ? m_edits[size_t(field)] : nullptr;
}

void QPageCommonSettings::LoadStore()
{
    const QSystemInfo *info = QSystemInfo::GetInstance();
    const QString texts[FieldCount] = {
        info->InstitutionCode(), info->UnitName(), info->UnitSite(),  info->ContactNumber(),
        info->PostCode(),        info->Contacts(), info->Reporters(), info->OriginPosition()};
    for (int field = 0; field < FieldCount; ++field)
        m_edits[size_t(field)]->setText(texts[field]);

    m_cmbBoxStandard->addItem(tr("Technical Specification for Inspection and Evaluation of "
                                 "Urban Sewer (CJJ 181-2012)"));
    m_cmbBoxTemplate->addItem(QString::fromUtf8("国家建设部标准报告模板"));
    SelectText(m_cmbBoxStandard, info->Standard());
    SelectText(m_cmbBoxTemplate, info->ReportTemplate());

    // The boxes are filled before their signals are connected, so the stored map centre stays.
    QStringList provinces;
    m_cityData->GetProvinces(provinces);
    m_cmbBoxProvince->addItems(provinces);
    SelectText(m_cmbBoxProvince, info->Province());
    FillCities(m_cmbBoxProvince->currentText());
    SelectText(m_cmbBoxCity, info->City());
    FillDistricts(m_cmbBoxCity->currentText());
    SelectText(m_cmbBoxDistrict, info->District());
}

void QPageCommonSettings::SelectText(QComboBox *box, const QString &text)
{
    if (text.isEmpty())
        return;
    int index = box->findText(text);
    if (index < 0) {
        box->insertItem(0, text);
        index = 0;
    }
    box->setCurrentIndex(index);
}

void QPageCommonSettings::FillCities(const QString &province)
{
    const QSignalBlocker blocker(m_cmbBoxCity);
    m_cmbBoxCity->clear();
    QStringList cities;
    if (m_cityData->GetCities(province, cities))
        m_cmbBoxCity->addItems(cities);
    FillDistricts(m_cmbBoxCity->currentText());
}

void QPageCommonSettings::FillDistricts(const QString &city)
{
    const QSignalBlocker blocker(m_cmbBoxDistrict);
    m_cmbBoxDistrict->clear();
    QStringList districts;
    if (m_cityData->GetDistricts(city, districts))
        m_cmbBoxDistrict->addItems(districts);
}

// The centre of the most precise division shown, so that the stored centre always belongs
// to the stored district (or city, or province where the lower box is empty): a province
// or city chosen shows its first district, which the user may keep without choosing it.
void QPageCommonSettings::ShowSelectedCenter()
{
    CCityDataJson::Center center;
    if (m_cityData->GetDistrictCenter(m_cmbBoxDistrict->currentText(), center) ||
        m_cityData->GetCityCenter(m_cmbBoxCity->currentText(), center) ||
        m_cityData->GetProvinceCenter(m_cmbBoxProvince->currentText(), center))
        m_edits[OriginPosition]->setText(CCityDataJson::CenterText(center));
}

void QPageCommonSettings::on_cmbBoxProvince_currentTextChanged(const QString &strProvince)
{
    FillCities(strProvince);
    ShowSelectedCenter();
}

void QPageCommonSettings::on_cmbBoxCity_currentIndexChanged(int index)
{
    FillDistricts(m_cmbBoxCity->itemText(index));
    ShowSelectedCenter();
}

void QPageCommonSettings::on_cmbBoxDistrict_currentIndexChanged(int /*index*/)
{
    ShowSelectedCenter();
}

void QPageCommonSettings::Commit()
{
    QSystemInfo *info = QSystemInfo::GetInstance();
    info->SetInstitutionCode(m_edits[InstitutionCode]->text());
    info->SetUnitName(m_edits[UnitName]->text());
    info->SetUnitSite(m_edits[UnitSite]->text());
    info->SetContactNumber(m_edits[ContactNumber]->text());
    info->SetPostCode(m_edits[PostCode]->text());
    info->SetContacts(m_edits[Contacts]->text());
    info->SetReporters(m_edits[Reporters]->text());
    info->SetOriginPosition(m_edits[OriginPosition]->text());
    info->SetStandard(m_cmbBoxStandard->currentText());
    info->SetReportTemplate(m_cmbBoxTemplate->currentText());
    info->SetProvince(m_cmbBoxProvince->currentText());
    info->SetCity(m_cmbBoxCity->currentText());
    info->SetDistrict(m_cmbBoxDistrict->currentText());
}
