#pragma once

#include <array>

#include <QList>
#include <QString>

#include "core/settings/coptionlist.h"
#include "core/settings/qsysteminfo.h"
#include "core/settings/systemrecord.h"

// The system settings' values that the report and the sheet rows show: copied from the store
// on the thread that owns it, so that a builder on a worker thread never reads the store.
// A copy shares the texts and record lists with the store's (Qt's implicit sharing).
struct SystemValues
{
    QString unitName;
    QString unitSite;
    QString postCode;
    QString contactNumber;
    QString contacts;
    QString reporters; // the report writer
    QString standard;
    std::array<COptionList, QSystemInfo::OptionSlotCount> optionLists;
    QList<SystemRecord> persons;
    QList<SystemRecord> equipments;

    // The store's current values (its option lists are only reachable as mutable ones).
    static SystemValues Of(QSystemInfo &store);

    // An item of an option list; the catch-all text outside the list or the slots.
    QString OptionItem(int slot, int index) const;
    // First record whose name equals the name; nullptr for an empty name or none.
    const SystemRecord *FindPerson(const QString &name) const;
    const SystemRecord *FindEquipment(const QString &name) const;
};
