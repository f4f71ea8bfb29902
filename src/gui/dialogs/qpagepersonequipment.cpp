#include "gui/dialogs/qpagepersonequipment.h"

#include <QVBoxLayout>

#include "core/settings/qsysteminfo.h"
#include "gui/dialogs/qdlgaddelement.h"
#include "gui/dialogs/qimgtableview.h"

namespace {
const QString kImageDir =
    QStringLiteral(":/ControllerFolders/Manage/SystemManage/PersonAndEquipment/Image/");
} // namespace

QPagePersonEquipment::QPagePersonEquipment(bool equipment, QWidget *parent)
    : QWidget(parent)
    , m_bEquipment(equipment)
    , m_records(StoreRecords())
{
    m_pView = new QImgTableView(this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pView);
    connect(m_pView, &QImgTableView::signal_deleteRequested, this,
            &QPagePersonEquipment::on_slot_DeleteRequested);
    connect(m_pView, &QImgTableView::signal_doubleClicked, this,
            &QPagePersonEquipment::on_slot_DoubleClicked);
    Rebuild();
}

QList<SystemRecord> &QPagePersonEquipment::StoreRecords() const
{
    QSystemInfo *info = QSystemInfo::GetInstance();
    return m_bEquipment ? info->Equipments() : info->Persons();
}

void QPagePersonEquipment::Commit()
{
    StoreRecords() = m_records;
}

void QPagePersonEquipment::Rebuild()
{
    QList<QImgTableView::Cell> cells;
    if (m_bEquipment)
        cells.append({kImageDir + QStringLiteral("Equipment_Add.png"), QString(),
                      tr("Add Equipment"), QString()});
    else
        cells.append(
            {kImageDir + QStringLiteral("person_add.png"), QString(), tr("Add Person"), QString()});
    for (const SystemRecord &record : qAsConst(m_records)) {
        if (m_bEquipment)
            cells.append({kImageDir + QStringLiteral("Equipment.png"),
                          kImageDir + QStringLiteral("Equitpment_del.png"), record.name(),
                          tr("Type:") + record.field(SystemRecord::Type).trimmed()});
        else
            cells.append({kImageDir + QStringLiteral("person.png"),
                          kImageDir + QStringLiteral("person_delete.png"), record.name(),
                          tr("Job:") + record.field(SystemRecord::No).trimmed()});
    }
    m_pView->SetCells(cells);
}

// Position 0 is the add cell, which is never removed.
void QPagePersonEquipment::on_slot_DeleteRequested(int position)
{
    if (position < 1 || position > m_records.size())
        return;
    m_records.removeAt(position - 1);
    Rebuild();
}

void QPagePersonEquipment::on_slot_DoubleClicked(int position)
{
    if (position < 0 || position > m_records.size())
        return;
    SystemRecord record;
    if (position > 0)
        record = m_records.at(position - 1);
    else if (m_bEquipment)
        record.setField(SystemRecord::Manufacturers, tr("DalmeRon"));
    QDlgAddElement dialog(m_bEquipment, record, this);
    if (dialog.exec() == QDialog::Accepted) {
        if (position > 0)
            m_records[position - 1] = dialog.Record();
        else
            m_records.append(dialog.Record());
    }
    Rebuild();
}
