#pragma once

#include <array>

#include <QDialog>

#include "core/settings/systemrecord.h"

class QLineEdit;
class QPushButton;

// Edits one person or one piece of equipment. OK marks the required fields that are empty
// with a red border and keeps the dialog open until they are filled; the accepted texts are
// stored in the record, each cut to what its fixed-width field holds.
class QDlgAddElement : public QDialog
{
    Q_OBJECT

public:
    QDlgAddElement(bool equipment, const SystemRecord &record, QWidget *parent = nullptr);

    const SystemRecord &Record() const { return m_record; }
    QLineEdit *FieldEdit(int field) const;
    // Marks every required field; true when all are filled.
    bool ValidateFields();

    static QString ValidStyle();
    static QString InvalidStyle();

public slots:
    void on_btn_OK_clicked();
    void on_btn_Cancel_clicked();

private:
    bool IsRequired(int field) const;

    bool m_bEquipment;
    SystemRecord m_record;
    std::array<QLineEdit *, SystemRecord::FieldCount> m_edits{};
    QPushButton *m_btnOK = nullptr;
    QPushButton *m_btnCancel = nullptr;
};
