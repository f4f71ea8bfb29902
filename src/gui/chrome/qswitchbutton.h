#pragma once

#include <QColor>
#include <QTimer>
#include <QWidget>

// Two-state switch whose slider slides to its new end after each press.
class QSwitchButton : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool checked READ checked WRITE setChecked NOTIFY checkedChanged)
    Q_PROPERTY(int buttonStyle READ buttonStyle WRITE setButtonStyle)
    Q_PROPERTY(QColor bgColorOff READ bgColorOff WRITE setBgColorOff)
    Q_PROPERTY(QColor bgColorOn READ bgColorOn WRITE setBgColorOn)
    Q_PROPERTY(QColor sliderColorOff READ sliderColorOff WRITE setSliderColorOff)
    Q_PROPERTY(QColor sliderColorOn READ sliderColorOn WRITE setSliderColorOn)
    Q_PROPERTY(QColor textColorOff READ textColorOff WRITE setTextColorOff)
    Q_PROPERTY(QColor textColorOn READ textColorOn WRITE setTextColorOn)
    Q_PROPERTY(QString textOff READ textOff WRITE setTextOff)
    Q_PROPERTY(QString textOn READ textOn WRITE setTextOn)
    Q_PROPERTY(QString imageOff READ imageOff WRITE setImageOff)
    Q_PROPERTY(QString imageOn READ imageOn WRITE setImageOn)
    Q_PROPERTY(int space READ space WRITE setSpace)
    Q_PROPERTY(int rectRadius READ rectRadius WRITE setRectRadius)

public:
    enum ButtonStyle {
        ButtonStyle_Rect = 0,
        ButtonStyle_CircleIn = 1,
        ButtonStyle_CircleOut = 2,
        ButtonStyle_Image = 3
    };

    explicit QSwitchButton(QWidget *parent = nullptr);

    bool checked() const { return m_checked; }
    int buttonStyle() const { return m_buttonStyle; }
    QColor bgColorOff() const { return m_bgColorOff; }
    QColor bgColorOn() const { return m_bgColorOn; }
    QColor sliderColorOff() const { return m_sliderColorOff; }
    QColor sliderColorOn() const { return m_sliderColorOn; }
    QColor textColorOff() const { return m_textColorOff; }
    QColor textColorOn() const { return m_textColorOn; }
    QString textOff() const { return m_textOff; }
    QString textOn() const { return m_textOn; }
    QString imageOff() const { return m_imageOff; }
    QString imageOn() const { return m_imageOn; }
    int space() const { return m_space; }
    int rectRadius() const { return m_rectRadius; }
    // A locked switch ignores presses.
    bool isLocked() const { return m_locked; }
    // Where the slider is now and where it is sliding to (pixels from the left).
    int sliderX() const { return m_startX; }
    int sliderTargetX() const { return m_endX; }

    void setChecked(bool checked);
    void setButtonStyle(int buttonStyle);
    void setBgColorOff(const QColor &color);
    void setBgColorOn(const QColor &color);
    void setSliderColorOff(const QColor &color);
    void setSliderColorOn(const QColor &color);
    void setTextColorOff(const QColor &color);
    void setTextColorOn(const QColor &color);
    void setTextOff(const QString &text);
    void setTextOn(const QString &text);
    void setImageOff(const QString &image);
    void setImageOn(const QString &image);
    void setSpace(int space);
    void setRectRadius(int radius);
    void setLocked(bool locked);

    QSize sizeHint() const override;

signals:
    void checkedChanged(bool checked);

public slots:
    void updateValue();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int TargetX() const;
    void DrawBackground(QPainter &painter) const;
    void DrawSlider(QPainter &painter) const;
    void DrawText(QPainter &painter) const;
    void DrawImage(QPainter &painter) const;

    bool m_checked = false;
    int m_buttonStyle = ButtonStyle_Rect;
    QColor m_bgColorOff = QColor(225, 225, 225);
    QColor m_bgColorOn = QColor(250, 250, 250);
    QColor m_sliderColorOff = QColor(100, 100, 100);
    QColor m_sliderColorOn = QColor(100, 184, 255);
    QColor m_textColorOff = QColor(255, 255, 255);
    QColor m_textColorOn = QColor(10, 10, 10);
    QString m_textOff;
    QString m_textOn;
    QString m_imageOff = QStringLiteral(":/image/btncheckoff1.png");
    QString m_imageOn = QStringLiteral(":/image/btncheckon1.png");
    int m_space = 2;
    int m_rectRadius = 5;
    bool m_locked = false;

    int m_step = 0;   // pixels per timer tick
    int m_startX = 0; // current slider x
    int m_endX = 0;   // target slider x
    QTimer m_timer;
};
