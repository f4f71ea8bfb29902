#pragma once

#include <array>

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

#include "core/settings/coptionlist.h"
#include "core/settings/systemrecord.h"

class QDomElement;

// The organisation's standing data: the inspection unit's particulars and report defaults,
// the option lists of the inspection forms, personnel and equipment. One per process,
// created on first use (GUI thread) and kept in the system settings file of the current
// directory, whose name is fixed by the language at creation.
class QSystemInfo : public QObject
{
    Q_OBJECT

public:
    enum OptionSlot {
        TestType = 0,
        MoveMode,
        BlockingWay,
        CatchmentWay,
        HydrophobicWay,
        InspectionWellMaterial,
        ManholeCoversMaterial,
        PipeType,
        PipeMaterial,
        InterfaceShape,
        InerfaceForm,
        OptionSlotCount
    };

    static QSystemInfo *GetInstance();
    // Destroys the object; the next GetInstance() builds a fresh one from the file.
    static void ReleaseInstance();

    QString FileName() const { return m_strFileName; }

    QString InstitutionCode() const { return m_strInstitutionCode; }
    void SetInstitutionCode(const QString &text) { m_strInstitutionCode = text; }
    QString UnitName() const { return m_strUnitName; }
    void SetUnitName(const QString &text) { m_strUnitName = text; }
    QString UnitSite() const { return m_strUnitSite; }
    void SetUnitSite(const QString &text) { m_strUnitSite = text; }
    QString ContactNumber() const { return m_strContactNumber; }
    void SetContactNumber(const QString &text) { m_strContactNumber = text; }
    QString PostCode() const { return m_strPostCode; }
    void SetPostCode(const QString &text) { m_strPostCode = text; }
    QString Contacts() const { return m_strContacts; }
    void SetContacts(const QString &text) { m_strContacts = text; }
    QString Reporters() const { return m_strReporters; }
    void SetReporters(const QString &text) { m_strReporters = text; }
    // Map centre, "longitude,latitude" in decimal degrees.
    QString OriginPosition() const { return m_strOriginPosition; }
    void SetOriginPosition(const QString &text) { m_strOriginPosition = text; }
    QString Standard() const { return m_strStandard; }
    void SetStandard(const QString &text) { m_strStandard = text; }
    QString ReportTemplate() const { return m_strReportTemplate; }
    void SetReportTemplate(const QString &text) { m_strReportTemplate = text; }
    QString Province() const { return m_strProvince; }
    void SetProvince(const QString &text) { m_strProvince = text; }
    QString City() const { return m_strCity; }
    void SetCity(const QString &text) { m_strCity = text; }
    QString District() const { return m_strDistrict; }
    void SetDistrict(const QString &text) { m_strDistrict = text; }

    // nullptr outside 0-10.
    COptionList *OptionList(int slot);
    // Slot of an option key, untranslated or translated; -1 if unknown.
    int SlotOfKey(const QString &key) const;
    // The list a slot starts with: its translated key and items, first item selected.
    COptionList DefaultOptionList(int slot) const;

    QList<SystemRecord> &Persons() { return m_persons; }
    QList<SystemRecord> &Equipments() { return m_equipments; }
    // First record whose Name equals the name; nullptr for an empty name or none.
    const SystemRecord *FindPerson(const QString &name) const;
    const SystemRecord *FindEquipment(const QString &name) const;

    // Replaces the contents from the file; false (contents unchanged) when the file is
    // missing, malformed or has another root.
    bool LoadSystemInfo();
    bool SaveSystemInfo();

private:
    QSystemInfo();
    ~QSystemInfo() override = default;

    struct CommonField
    {
        const char *tag;
        QString QSystemInfo::*member;
    };
    struct OptionDefaults;
    static const std::array<CommonField, 13> &CommonFields();
    static const OptionDefaults &DefaultsOf(int slot);
    static const char *const *RecordTags(bool equipment);

    void SetCommonDefaults();
    void SetDefaultPersons();
    void SetDefaultEquipments();
    void LoadOptionList(int slot, const QDomElement &element);
    QList<SystemRecord> ReadRecords(const QDomElement &section, bool equipment) const;
    static const SystemRecord *FindByName(const QList<SystemRecord> &records, const QString &name);

    QString m_strFileName;
    QString m_strInstitutionCode;
    QString m_strUnitName;
    QString m_strUnitSite;
    QString m_strContactNumber;
    QString m_strPostCode;
    QString m_strContacts;
    QString m_strReporters;
    QString m_strOriginPosition;
    QString m_strStandard;
    QString m_strReportTemplate;
    QString m_strProvince;
    QString m_strCity;
    QString m_strDistrict;

    std::array<COptionList, OptionSlotCount> m_optionLists;
    QHash<QString, int> m_slotOfKey;
    QList<SystemRecord> m_persons;
    QList<SystemRecord> m_equipments;
};
