#include "gui/dialogs/qdlgaddelement.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/chrome/displayscale.h"
#include "gui/chrome/stylesheet.h"

QDlgAddElement::QDlgAddElement(bool equipment, const SystemRecord &record, QWidget *parent)
    : QDialog(parent)
    , m_bEquipment(equipment)
    , m_record(record)
{
    setWindowTitle(equipment ? tr("Equipment information") : tr("Personnel information"));
    const QStringList labels =
        equipment
            ? QStringList{tr("Equipment name:"), tr("Equipment type:"), tr("Manufacturing number:"),
                          tr("Authentication number:"), tr("manufacturer:")}
            : QStringList{tr("Name :"), tr("Identification card :"), tr("Duties on a project :"),
                          tr("Authentication number:"), tr("Telephone number:")};

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(Display::ScaledPixels(10));
    grid->setVerticalSpacing(Display::ScaledPixels(12));
    for (int field = 0; field < SystemRecord::FieldCount; ++field) {
        auto *label = new QLabel(labels.at(field), this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_edits[field] = new QLineEdit(record.field(field), this);
        m_edits[field]->setMinimumWidth(Display::ScaledPixels(280));
        m_edits[field]->setStyleSheet(ValidStyle());
        label->setBuddy(m_edits[field]);
        grid->addWidget(label, field, 0);
        grid->addWidget(m_edits[field], field, 1);
    }
    grid->setColumnStretch(1, 1);

    m_btnOK = new QPushButton(tr("OK"), this);
    m_btnCancel = new QPushButton(tr("Cancel"), this);
    for (QPushButton *button : {m_btnOK, m_btnCancel})
        button->setMinimumSize(Display::ScaledPixels(100), Display::ScaledPixels(36));
    m_btnOK->setDefault(true);
    connect(m_btnOK, &QPushButton::clicked, this, &QDlgAddElement::on_btn_OK_clicked);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDlgAddElement::on_btn_Cancel_clicked);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_btnOK);
    buttons->addSpacing(Display::ScaledPixels(20));
    buttons->addWidget(m_btnCancel);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(Display::ScaledPixels(24), Display::ScaledPixels(20),
                               Display::ScaledPixels(24), Display::ScaledPixels(16));
    layout->setSpacing(Display::ScaledPixels(20));
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);

    StyleSheet::AppendStyleSheet(this, QStringLiteral(":/css/Theme/QSS/QWidget.css"));
    StyleSheet::AppendStyleSheet(m_btnOK, QStringLiteral(":/css/Theme/QSS/QPushButton_OK.css"));
    StyleSheet::AppendStyleSheet(m_btnCancel,
                                 QStringLiteral(":/css/Theme/QSS/QPushButton_Cancel.css"));
}

QString QDlgAddElement::ValidStyle()
{
    return QStringLiteral("background-color: white;border:2px groove gray;font-size:12pt;");
}

QString QDlgAddElement::InvalidStyle()
{
    return QStringLiteral(
        "background-color: rgb(192, 192, 192);border:3px solid #ff0000;font-size:12pt;");
}

QLineEdit *QDlgAddElement::FieldEdit(int field) const
{
    return field >= 0 && field < SystemRecord::FieldCount ? m_edits[field] : nullptr;
}

// A person needs a name; equipment is known by its numbers alone.
bool QDlgAddElement::IsRequired(int field) const
{
    return field == SystemRecord::No || field == SystemRecord::CardID ||
           (field == SystemRecord::Name && !m_bEquipment);
}

bool QDlgAddElement::ValidateFields()
{
    bool valid = true;
    for (int field = 0; field < SystemRecord::FieldCount; ++field) {
        const bool failed = IsRequired(field) && m_edits[field]->text().isEmpty();
        m_edits[field]->setStyleSheet(failed ? InvalidStyle() : ValidStyle());
        valid = valid && !failed;
    }
    return valid;
}

void QDlgAddElement::on_btn_OK_clicked()
{
    if (!ValidateFields())
        return;
    for (int field = 0; field < SystemRecord::FieldCount; ++field)
        m_record.setField(field, m_edits[field]->text());
    accept();
}

void QDlgAddElement::on_btn_Cancel_clicked()
{
    reject();
}
