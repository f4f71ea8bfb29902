#pragma once

#include <QPoint>
#include <QSize>
#include <QWidget>

class QLabel;
class QPushButton;

// Title bar of the frameless windows (basewindow): icon, title and the window buttons. It
// drags its parent window and keeps its width equal to the parent's minus a free width.
class MyTitleBar : public QWidget
{
    Q_OBJECT

public:
    enum ButtonType { MIN_BUTTON = 0, MIN_MAX_BUTTON = 1, ONLY_CLOSE_BUTTON = 2 };

    explicit MyTitleBar(QWidget *parent);

    void SetBackgroundColor(int r, int g, int b, bool isTransparent = false);
    void SetTitleIcon(const QString &filePath, QSize iconSize = QSize(25, 25));
    void SetTitleContent(const QString &titleContent, int titleFontSize = 9);
    void SetTitleWidth(int width);
    void SetButtonType(ButtonType buttonType);

    // Normal geometry of the window, stored before maximising.
    void SaveRestoreInfo(const QPoint &point, const QSize &size);
    void GetRestoreInfo(QPoint &point, QSize &size) const;

    ButtonType buttonType() const { return m_buttonType; }
    QColor backgroundColor() const;
    QString titleContent() const { return m_titleContent; }

signals:
    void signalButtonMinClicked();
    void signalButtonRestoreClicked();
    void signalButtonMaxClicked();
    void signalButtonCloseClicked();

public slots:
    void onButtonMinClicked();
    void onButtonRestoreClicked();
    void onButtonMaxClicked();
    void onButtonCloseClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void InitControl();
    void ConnectSlots();
    bool LoadStyleSheet(const QString &sheetName);

    QLabel *m_pIcon = nullptr;
    QLabel *m_pTitleContent = nullptr;
    QPushButton *m_pButtonMin = nullptr;
    QPushButton *m_pButtonRestore = nullptr;
    QPushButton *m_pButtonMax = nullptr;
    QPushButton *m_pButtonClose = nullptr;

    int m_colorR = 153;
    int m_colorG = 153;
    int m_colorB = 153;
    bool m_isTransparent = false;
    ButtonType m_buttonType = MIN_MAX_BUTTON;
    int m_windowBorderWidth = 0; // width left free beside the title bar

    bool m_isPressed = false;
    QPoint m_startMovePos;

    QPoint m_restorePos;
    QSize m_restoreSize;
    QString m_titleContent;
};
