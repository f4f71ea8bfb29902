#include "gui/dialogs/qpageoptionsettings.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/settings/coptionlist.h"
#include "core/settings/qsysteminfo.h"
#include "gui/chrome/displayscale.h"

namespace {
QString AlreadyListed(const QString &text)
{
    return QPageOptionSettings::tr("\"%1\" is already in the list.").arg(text);
}
} // namespace

QPageOptionSettings::QPageOptionSettings(QWidget *parent)
    : QWidget(parent)
{
    m_listName = new QListWidget(this);
    m_listContent = new QListWidget(this);
    QSystemInfo *info = QSystemInfo::GetInstance();
    for (int slot = 0; slot < QSystemInfo::OptionSlotCount; ++slot)
        m_listName->addItem(info->OptionList(slot) ? info->OptionList(slot)->name() : QString());
    m_listName->setCurrentRow(m_nSlot);
    m_editContent = new QLineEdit(this);
    m_labelReason = new QLabel(this); // why the last text was not taken
    m_labelReason->setObjectName(QStringLiteral("optionReason"));
    m_labelReason->setStyleSheet(QStringLiteral("color:rgb(200,0,0);"));
    connect(m_listName, &QListWidget::clicked, this, &QPageOptionSettings::on_list_Name_clicked);
    connect(m_listContent, &QListWidget::clicked, this,
            &QPageOptionSettings::on_list_Content_clicked);

    auto *titleName = new QLabel(tr("Option list name"), this);
    auto *titleContent = new QLabel(tr("Option list content"), this);
    for (QLabel *title : {titleName, titleContent})
        title->setStyleSheet(QStringLiteral("font-weight:bold;color:rgb(21,73,154);"));

    auto *buttons = new QVBoxLayout;
    buttons->setSpacing(Display::ScaledPixels(10));
    buttons->addWidget(NewButton(tr("Add"), &QPageOptionSettings::on_btn_add_clicked));
    buttons->addWidget(NewButton(tr("Confirm"), &QPageOptionSettings::on_btn_sure_clicked));
    buttons->addWidget(NewButton(tr("Delete"), &QPageOptionSettings::on_btn_delete_clicked));
    buttons->addWidget(NewButton(tr("Move up"), &QPageOptionSettings::on_btn_up_clicked));
    buttons->addWidget(NewButton(tr("Move down"), &QPageOptionSettings::on_btn_down_clicked));
    buttons->addStretch();

    auto *editRow = new QHBoxLayout;
    editRow->addWidget(new QLabel(tr("Add option content:"), this));
    editRow->addWidget(m_editContent, 1);

    auto *grid = new QGridLayout(this);
    grid->setHorizontalSpacing(Display::ScaledPixels(12));
    grid->addWidget(titleName, 0, 0);
    grid->addWidget(titleContent, 0, 1);
    grid->addWidget(m_listName, 1, 0);
    grid->addWidget(m_listContent, 1, 1);
    grid->addLayout(buttons, 1, 2);
    grid->addLayout(editRow, 2, 0, 1, 3);
    grid->addWidget(m_labelReason, 3, 0, 1, 3);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    ShowItems();
}

QPushButton *QPageOptionSettings::NewButton(const QString &text,
                                            void (QPageOptionSettings::*slot)())
{
    auto *button = new QPushButton(text, this);
    button->setMinimumWidth(Display::ScaledPixels(100));
    connect(button, &QPushButton::clicked, this, slot);
    return button;
}

COptionList *QPageOptionSettings::CurrentList() const
{
    return QSystemInfo::GetInstance()->OptionList(m_nSlot);
}

void QPageOptionSettings::ShowItems()
{
    m_listContent->clear();
    const COptionList *list = CurrentList();
    if (!list)
        return;
    m_listContent->addItems(list->items());
    const int selected = list->selectedIndex();
    if (selected >= 0 && selected < list->count())
        m_listContent->setCurrentRow(selected);
}

void QPageOptionSettings::on_list_Name_clicked(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    m_nSlot = index.row();
    m_bAdding = true;
    m_editContent->clear();
    ShowReason(QString());
    ShowItems();
}

void QPageOptionSettings::on_list_Content_clicked(const QModelIndex &index)
{
    COptionList *list = CurrentList();
    if (!list || !index.isValid())
        return;
    list->select(index.row());
    m_editContent->setText(list->itemAt(index.row()));
    m_bAdding = false;
}

void QPageOptionSettings::on_btn_add_clicked()
{
    const QString text = m_editContent->text();
    const COptionList *list = CurrentList();
    // The text of a clicked item is no new entry: Add then starts one with an empty field.
    const bool clickedItem = !m_bAdding && list && text == list->selectedItem();
    m_bAdding = true;
    m_editContent->setFocus();
    if (text.isEmpty() || clickedItem) {
        m_editContent->clear();
        ShowReason(QString());
        return;
    }
    AddTypedText(text);
}

void QPageOptionSettings::AddTypedText(const QString &text)
{
    COptionList *list = CurrentList();
    if (!list)
        return;
    if (list->contains(text)) {
        ShowReason(AlreadyListed(text));
        return;
    }
    // A full list would give up its first entry for the new one; the user deletes one instead.
    if (list->count() >= COptionList::MaxItems) {
        ShowReason(
            tr("The list is full (%1 entries): delete one first.").arg(COptionList::MaxItems));
        return;
    }
    if (!list->append(text))
        return;
    m_editContent->clear();
    ShowReason(QString());
    ShowItems();
}

void QPageOptionSettings::ShowReason(const QString &reason)
{
    m_labelReason->setText(reason);
}

void QPageOptionSettings::on_btn_sure_clicked()
{
    COptionList *list = CurrentList();
    const QString text = m_editContent->text();
    if (!list || text.isEmpty())
        return;
    if (m_bAdding) {
        AddTypedText(text);
        return;
    }
    if (list->itemAt(list->selectedIndex()) != text && list->contains(text)) {
        ShowReason(AlreadyListed(text));
        return;
    }
    if (!list->replace(list->selectedIndex(), text))
        return;
    ShowReason(QString());
    ShowItems();
}

void QPageOptionSettings::on_btn_delete_clicked()
{
    COptionList *list = CurrentList();
    if (list && list->count() > 0 && list->removeSelected()) {
        m_bAdding = true;
        m_editContent->clear();
        ShowItems();
    }
}

void QPageOptionSettings::on_btn_up_clicked()
{
    COptionList *list = CurrentList();
    if (list && list->count() > 0 && list->moveSelectedUp())
        ShowItems();
}

void QPageOptionSettings::on_btn_down_clicked()
{
    COptionList *list = CurrentList();
    if (list && list->count() > 0 && list->moveSelectedDown())
        ShowItems();
}
