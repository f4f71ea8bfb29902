#pragma once

#include <QModelIndex>
#include <QWidget>

class COptionList;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The option lists tab. Edits go straight into the store's lists (so they outlive a
// cancelled dialog and reach the file at the next save).
class QPageOptionSettings : public QWidget
{
    Q_OBJECT

public:
    explicit QPageOptionSettings(QWidget *parent = nullptr);

    QListWidget *NameList() const { return m_listName; }
    QListWidget *ContentList() const { return m_listContent; }
    QLineEdit *ContentEdit() const { return m_editContent; }
    int CurrentSlot() const { return m_nSlot; }
    bool IsAdding() const { return m_bAdding; }

public slots:
    void on_list_Name_clicked(const QModelIndex &index);
    void on_list_Content_clicked(const QModelIndex &index);
    void on_btn_add_clicked();
    void on_btn_sure_clicked();
    void on_btn_delete_clicked();
    void on_btn_up_clicked();
    void on_btn_down_clicked();

private:
    COptionList *CurrentList() const;
    // Shows the chosen list's items with its selected item marked.
    void ShowItems();
    // Appends the text; a refused text stays in the field and the reason is shown.
    void AddTypedText(const QString &text);
    void ShowReason(const QString &reason);
    QPushButton *NewButton(const QString &text, void (QPageOptionSettings::*slot)());

    QListWidget *m_listName = nullptr;
    QListWidget *m_listContent = nullptr;
    QLineEdit *m_editContent = nullptr;
    QLabel *m_labelReason = nullptr;
    int m_nSlot = 0;
    // Until an item is clicked, the confirm button appends rather than replaces.
    bool m_bAdding = true;
};
