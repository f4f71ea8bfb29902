#include "gui/chrome/qswitchbutton.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

QSwitchButton::QSwitchButton(QWidget *parent)
    : QWidget(parent)
{
    QFont f = font();
    f.setPointSize(12);
    setFont(f);
    m_textOff = QStringLiteral("OFF");
    m_textOn = QStringLiteral("ON");
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &QSwitchButton::updateValue);
}

QSize QSwitchButton::sizeHint() const
{
    return QSize(70, 30);
}

int QSwitchButton::TargetX() const
{
    if (!m_checked)
        return 0;
    switch (m_buttonStyle) {
    case ButtonStyle_Rect:
        return width() - width() / 2;
    case ButtonStyle_CircleIn:
        return width() - height();
    case ButtonStyle_CircleOut:
        return width() - height() + m_space;
    default:
        return width() - width() / 2;
    }
}

void QSwitchButton::mousePressEvent(QMouseEvent *event)
{
    Q_UNUSED(event)
    if (m_locked)
        return;
    m_checked = !m_checked;
    emit checkedChanged(m_checked);
    m_step = width() / 50;
    m_endX = TargetX();
    m_timer.start();
}

void QSwitchButton::resizeEvent(QResizeEvent *event)
{
    m_step = width() / 50;
    m_endX = TargetX();
    m_startX = m_endX;
    QWidget::resizeEvent(event);
}

void QSwitchButton::updateValue()
{
    // At least one pixel a tick, so narrow switches still arrive.
    const int step = qMax(1, m_step);
    if (m_startX < m_endX)
        m_startX = qMin(m_startX + step, m_endX);
    else if (m_startX > m_endX)
        m_startX = qMax(m_startX - step, m_endX);
    if (m_startX == m_endX)
        m_timer.stop();
    update();
}

void QSwitchButton::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_buttonStyle == ButtonStyle_Image) {
        DrawImage(painter);
        return;
    }
    DrawBackground(painter);
    DrawSlider(painter);
    DrawText(painter);
}

void QSwitchButton::DrawBackground(QPainter &painter) const
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_checked ? m_bgColorOn : m_bgColorOff);
    QRectF area = rect();
    qreal radius = m_rectRadius;
    if (m_buttonStyle == ButtonStyle_CircleIn) {
        radius = height() / 2.0;
    } else if (m_buttonStyle == ButtonStyle_CircleOut) {
        area = area.adjusted(m_space, m_space, -m_space, -m_space);
        radius = area.height() / 2.0;
    }
    painter.drawRoundedRect(area, radius, radius);
    painter.restore();
}

void QSwitchButton::DrawSlider(QPainter &painter) const
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_checked ? m_sliderColorOn : m_sliderColorOff);
    if (m_buttonStyle == ButtonStyle_Rect) {
        const QRectF slider(m_startX + m_space, m_space, width() / 2.0 - m_space * 2,
                            height() - m_space * 2);
        painter.drawRoundedRect(slider, m_rectRadius, m_rectRadius);
    } else if (m_buttonStyle == ButtonStyle_CircleIn) {
        const QRectF slider(m_startX + m_space, m_space, height() - m_space * 2,
                            height() - m_space * 2);
        painter.drawEllipse(slider);
    } else {
        // The outer circle is the full height; it may overlap the background's inset.
        const qreal x = qMin<qreal>(m_startX, width() - height());
        painter.drawEllipse(QRectF(x, 0, height(), height()));
    }
    painter.restore();
}

void QSwitchButton::DrawText(QPainter &painter) const
{
    painter.save();
    // The text sits in the half the slider has left.
    const QRectF left(0, 0, width() / 2.0, height());
    const QRectF right(width() / 2.0, 0, width() / 2.0, height());
    if (m_buttonStyle == ButtonStyle_Rect) {
        painter.setPen(m_checked ? m_textColorOn : m_textColorOff);
    } else {
        // On the round styles the text lies on the background, so the slider colours read.
        painter.setPen(m_checked ? m_sliderColorOn : m_sliderColorOff);
    }
    if (m_checked)
        painter.drawText(left, Qt::AlignCenter, m_textOn);
    else
        painter.drawText(right, Qt::AlignCenter, m_textOff);
    painter.restore();
}

void QSwitchButton::DrawImage(QPainter &painter) const
{
    const QPixmap pixmap(m_checked ? m_imageOn : m_imageOff);
    if (pixmap.isNull())
        return;
    const QPixmap scaled = pixmap.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const QPoint topLeft((width() - scaled.width()) / 2, (height() - scaled.height()) / 2);
    painter.drawPixmap(topLeft, scaled);
}

void QSwitchButton::setChecked(bool checked)
{
    if (m_checked == checked)
        return;
    m_checked = checked;
    m_timer.stop();
    m_endX = TargetX();
    m_startX = m_endX;
    emit checkedChanged(m_checked);
    update();
}

void QSwitchButton::setButtonStyle(int buttonStyle)
{
    m_buttonStyle = buttonStyle;
    m_endX = TargetX();
    m_startX = m_endX;
    update();
}

void QSwitchButton::setBgColorOff(const QColor &color)
{
    m_bgColorOff = color;
    update();
}
void QSwitchButton::setBgColorOn(const QColor &color)
{
    m_bgColorOn = color;
    update();
}
void QSwitchButton::setSliderColorOff(const QColor &color)
{
    m_sliderColorOff = color;
    update();
}
void QSwitchButton::setSliderColorOn(const QColor &color)
{
    m_sliderColorOn = color;
    update();
}
void QSwitchButton::setTextColorOff(const QColor &color)
{
    m_textColorOff = color;
    update();
}
void QSwitchButton::setTextColorOn(const QColor &color)
{
    m_textColorOn = color;
    update();
}
void QSwitchButton::setTextOff(const QString &text)
{
    m_textOff = text;
    update();
}
void QSwitchButton::setTextOn(const QString &text)
{
    m_textOn = text;
    update();
}
void QSwitchButton::setImageOff(const QString &image)
{
    m_imageOff = image;
    update();
}
void QSwitchButton::setImageOn(const QString &image)
{
    m_imageOn = image;
    update();
}
void QSwitchButton::setSpace(int space)
{
    m_space = space;
    update();
}
void QSwitchButton::setRectRadius(int radius)
{
    m_rectRadius = radius;
    update();
}
void QSwitchButton::setLocked(bool locked)
{
    m_locked = locked;
}
