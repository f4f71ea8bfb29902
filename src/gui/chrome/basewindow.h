#pragma once

#include <QWidget>

class MyTitleBar;

// Frameless window with its own title bar (MyTitleBar at the top), deleted when closed.
class basewindow : public QWidget
{
    Q_OBJECT

public:
    explicit basewindow(QWidget *parent = nullptr);

    MyTitleBar *titleBar() const { return m_titleBar; }

protected:
    void paintEvent(QPaintEvent *event) override;
    // Appends a style sheet file to the window's own (no suffix test).
    bool loadStyleSheet(const QString &sheetPath);

    MyTitleBar *m_titleBar = nullptr;

private slots:
    void onButtonMinClicked();
    void onButtonRestoreClicked();
    void onButtonMaxClicked();
    void onButtonCloseClicked();

private:
    void initTitleBar();
};
