#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;

// Asks for the interface language. Accepted only when the user chose the other language than
// the one in force, so an accepted dialog always means "switch".
class QDlgSetLanguage : public QDialog
{
    Q_OBJECT

public:
    explicit QDlgSetLanguage(QWidget *parent = nullptr);

    QComboBox *LanguageBox() const { return m_pComboBox; }
    int PreselectedIndex() const { return m_nPreselected; }

public slots:
    void on_btn_OK_clicked();
    void on_btn_Cancel_clicked();

private:
    QComboBox *m_pComboBox = nullptr;
    QPushButton *m_pBtnOK = nullptr;
    QPushButton *m_pBtnCancel = nullptr;
    int m_nPreselected = 0;
};
