#include "gui/dialogs/tipview.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

TipView::TipView(int msec, QWidget *parent)
    : QDialog(parent)
    , m_nInterval(msec)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setWindowOpacity(0.7);
    setAttribute(Qt::WA_TranslucentBackground);
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        resize(area.width() / 2, area.height() / 10);
        move(area.center() - rect().center());
    }
    m_pTimer = new QTimer(this);
    m_pTimer->setSingleShot(false);
    connect(m_pTimer, &QTimer::timeout, this, &TipView::TimeOut);
    m_pTimer->start(m_nInterval);
}

void TipView::TimeOut()
{
    m_pTimer->stop();
    accept();
}

void TipView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(60, 60, 60, 210));
    if (m_strText.isEmpty())
        return;
    QFont font = painter.font();
    font.setBold(true);
    font.setPointSize(26);
    painter.setFont(font);
    painter.setPen(QColor(0, 255, 0));
    painter.drawText(rect(), Qt::AlignCenter, m_strText);
}

void Tips::ShowTip(const QString &text, int msec)
{
    TipView tip(msec);
    tip.SetText(text);
    tip.exec();
}
