#pragma once

#include "gui/chrome/basewindow.h"

class QEventLoop;
class QLabel;
class QPushButton;

// The application's message box: blue frameless box with an icon, a text and OK (and Cancel).
// Results (Result): OK, Cancel or closed by the title bar, none when shown without waiting.
class MyMessageBox : public basewindow
{
    Q_OBJECT

public:
    enum IconType {
        IconInformation = 0,
        IconQuestion = 1,
        IconError = 2,
        IconNone = 3,
        IconTitle = 4
    };
    enum ButtonsType { ButtonOk = 0, ButtonOkCancel = 1 };
    enum Result { ResultNone = -1, ResultOk = 0, ResultCancel = 1 };

    explicit MyMessageBox(QWidget *parent = nullptr);
    ~MyMessageBox() override;

    static int ShowMessage(QWidget *parent, const QString &title, const QString &text, int iconType,
                           int buttons, bool modal = true);

    void setWindowTitle(const QString &title, int fontSize = 10);
    void setContentText(const QString &text);
    void setMessageType(int iconType);
    void setButtonType(int buttons);
    // Runs the box window-modally in a private event loop until it closes; returns the result.
    int exec();

    int result() const { return m_result; }
    QString contentText() const;
    QString iconStyle() const;
    bool isIconVisible() const;
    QPushButton *okButton() const { return m_btnOK; }
    QPushButton *cancelButton() const { return m_btnCancel; }

private slots:
    void on_btn_OK_clicked();
    void on_btn_Cancel_clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void initWindow();
    void FitHeightToText();

    QLabel *m_labelIcon = nullptr;
    QLabel *m_labelText = nullptr;
    QPushButton *m_btnOK = nullptr;
    QPushButton *m_btnCancel = nullptr;
    int m_result = ResultCancel;
    QEventLoop *m_eventLoop = nullptr; // only while exec() runs
};
