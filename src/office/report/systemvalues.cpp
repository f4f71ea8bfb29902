#include "office/report/systemvalues.h"

#include <algorithm>

namespace {
const SystemRecord *FindByName(const QList<SystemRecord> &records, const QString &name)
{
    if (name.isEmpty())
        return nullptr;
    const auto found = std::find_if(records.cbegin(), records.cend(),
                                    [&name](const SystemRecord &r) { return r.name() == name; });
    return found == records.cend() ? nullptr : &*found;
}
} // namespace

SystemValues SystemValues::Of(QSystemInfo &store)
{
    SystemValues values;
    values.unitName = store.UnitName();
    values.unitSite = store.UnitSite();
    values.postCode = store.PostCode();
    values.contactNumber = store.ContactNumber();
    values.contacts = store.Contacts();
    values.reporters = store.Reporters();
    values.standard = store.Standard();
    for (int slot = 0; slot < QSystemInfo::OptionSlotCount; ++slot)
        values.optionLists[size_t(slot)] = *store.OptionList(slot);
    values.persons = store.Persons();
    values.equipments = store.Equipments();
    return values;
}

QString SystemValues::OptionItem(int slot, int index) const
{
    if (slot < 0 || slot >= QSystemInfo::OptionSlotCount)
        return COptionList::UnknownText();
    return optionLists[size_t(slot)].itemAt(index);
}

const SystemRecord *SystemValues::FindPerson(const QString &name) const
{
    return FindByName(persons, name);
}

const SystemRecord *SystemValues::FindEquipment(const QString &name) const
{
    return FindByName(equipments, name);
}
