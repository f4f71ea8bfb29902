#include "gui/chrome/waitview.h"

#include <QConicalGradient>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "gui/chrome/displayscale.h"

namespace {
const int kIntervalMs = 40;

QRect DesktopGeometry()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->virtualGeometry() : QRect();
}
} // namespace

WaitView::WaitView(QWidget *parent, bool fullScreen, int mode)
    : QDialog(parent)
    , m_fullScreen(fullScreen)
    , m_mode(mode)
{
    if (!parent)
        return;
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowOpacity(0.95);
    setAttribute(Qt::WA_TranslucentBackground);
    setModal(true);

    if (m_fullScreen) {
        setGeometry(DesktopGeometry());
    } else {
        QRect area(parent->mapToGlobal(QPoint(0, 0)), parent->size());
        // The text-only view leaves the parent's top band (its tool bar) uncovered.
        const int top = Display::ScaledPixels(60);
        if (m_mode == 1 && area.height() > top)
            area.setTop(area.top() + top);
        setGeometry(area);
    }

    m_timer.setInterval(kIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &WaitView::DoAnimate);
    m_text.clear();
    setActive(true);
}

QRect WaitView::Area() const
{
    if (m_fullScreen)
        return QRect(QPoint(0, 0), DesktopGeometry().size());
    return QRect(QPoint(0, 0), parentWidget() ? parentWidget()->size() : size());
}

void WaitView::setActive(bool actived)
{
    if (!parentWidget()) {
        hide();
        return;
    }
    if (!actived) {
        m_active = false;
        m_timer.stop();
        hide();
        return;
    }
    m_active = true;
    m_phase = 0;
    const QRect area = Area();
    if (m_mode == 0) {
        const QSize boxSize(Display::ScaledPixels(460), Display::ScaledPixels(250));
        m_boxRect = QRect(QPoint(0, 0), boxSize);
        m_boxRect.moveCenter(area.center());
        const QRect raised = m_boxRect.adjusted(0, 0, 0, -Display::ScaledPixels(60));
        const int side = m_boxRect.height() / 2;
        m_spinnerRect = QRect(0, 0, side, side);
        m_spinnerRect.moveCenter(raised.center());
    } else {
        m_boxRect = area;
        m_spinnerRect = area;
    }
    m_timer.start();
    show();
}

void WaitView::setTitle(QString title)
{
    m_text = title;
    if (m_active)
        update();
}

void WaitView::Close()
{
    m_timer.stop();
    accept();
}

void WaitView::DoAnimate()
{
    m_phase = (m_phase + m_timer.interval()) % 1000;
    if (m_mode == 1)
        update(TextRect()); // the dots follow the phase
    else
        update(m_spinnerRect);
}

QString WaitView::displayText() const
{
    if (m_mode != 1 || m_text.isEmpty())
        return m_text;
    return m_text + QString(m_phase * 5 / 1000, QLatin1Char('.'));
}

QRect WaitView::TextRect() const
{
    const int top = m_mode == 0 ? m_spinnerRect.bottom() + 1 + 5 : 5;
    return QRect(0, top, width(), qMin(50, height()));
}

void WaitView::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.fillRect(rect(), QColor(60, 60, 60, 210));

    if (!m_text.isEmpty()) {
        const QRect textRect = TextRect();
        QFont font = painter.font();
        font.setBold(true);
        font.setPixelSize(qMax(1, int(textRect.height() / 2 * Display::DisplayScale())));
        painter.setFont(font);
        painter.setPen(QColor(0, 255, 0));
        painter.drawText(textRect, Qt::AlignCenter, displayText());
    }
    if (m_mode == 0 && m_active)
        PaintSpinner(painter);
}

void WaitView::PaintSpinner(QPainter &painter) const
{
    const QPointF centre = QRectF(m_spinnerRect).center();
    const qreal side = m_spinnerRect.width();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(centre);
    painter.rotate(m_phase / 1000.0 * 360.0);
    painter.translate(-centre);

    QConicalGradient gradient(centre, 0);
    gradient.setColorAt(0, QColor(0, 255, 0));
    gradient.setColorAt(1, QColor(255, 255, 255, 10));
    gradient.setSpread(QGradient::ReflectSpread);
    painter.setPen(QPen(QBrush(gradient), side / 12));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, side / 3, side / 3);
    painter.restore();
}
