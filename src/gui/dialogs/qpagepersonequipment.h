#pragma once

#include <QList>
#include <QWidget>

#include "core/settings/systemrecord.h"

class QImgTableView;

// The personnel or the equipment tab: a grid over a working copy of the store's records,
// with the add cell first. The store's list changes only by Commit().
class QPagePersonEquipment : public QWidget
{
    Q_OBJECT

public:
    explicit QPagePersonEquipment(bool equipment, QWidget *parent = nullptr);

    bool IsEquipment() const { return m_bEquipment; }
    const QList<SystemRecord> &Records() const { return m_records; }
    QImgTableView *GridView() const { return m_pView; }
    // Replaces the store's list with the working list.
    void Commit();

public slots:
    void on_slot_DeleteRequested(int position);
    void on_slot_DoubleClicked(int position);

private:
    QList<SystemRecord> &StoreRecords() const;
    void Rebuild();

    bool m_bEquipment;
    QList<SystemRecord> m_records;
    QImgTableView *m_pView = nullptr;
};
