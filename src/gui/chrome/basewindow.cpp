#include "gui/chrome/basewindow.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include "gui/chrome/mytitlebar.h"
#include "gui/chrome/stylesheet.h"

basewindow::basewindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    initTitleBar();
}

void basewindow::initTitleBar()
{
    m_titleBar = new MyTitleBar(this);
    m_titleBar->move(0, 0);
    connect(m_titleBar, &MyTitleBar::signalButtonMinClicked, this, &basewindow::onButtonMinClicked);
    connect(m_titleBar, &MyTitleBar::signalButtonRestoreClicked, this,
            &basewindow::onButtonRestoreClicked);
    connect(m_titleBar, &MyTitleBar::signalButtonMaxClicked, this, &basewindow::onButtonMaxClicked);
    connect(m_titleBar, &MyTitleBar::signalButtonCloseClicked, this,
            &basewindow::onButtonCloseClicked);
}

void basewindow::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()), 3, 3);
    painter.fillPath(path, QColor(238, 223, 204));
    QWidget::paintEvent(event);
}

bool basewindow::loadStyleSheet(const QString &sheetPath)
{
    return StyleSheet::AppendStyleSheetFile(this, sheetPath);
}

void basewindow::onButtonMinClicked()
{
    showMinimized();
}

void basewindow::onButtonRestoreClicked()
{
    QPoint windowPos;
    QSize windowSize;
    m_titleBar->GetRestoreInfo(windowPos, windowSize);
    setGeometry(QRect(windowPos, windowSize));
}

void basewindow::onButtonMaxClicked()
{
    m_titleBar->SaveRestoreInfo(pos(), size());
    QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // Grown by 3 pixels on every side so the rounded border falls outside the work area.
    const QRect desktop = screen->availableGeometry();
    setGeometry(desktop.x() - 3, desktop.y() - 3, desktop.width() + 6, desktop.height() + 6);
}

void basewindow::onButtonCloseClicked()
{
    close();
}
