#include "gui/chrome/mytitlebar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>

#include "gui/chrome/stylesheet.h"

namespace {

const int kButtonSize = 30;
const int kTitleHeight = 30;

enum GlyphKind { GlyphMin, GlyphMax, GlyphRestore, GlyphClose };

// The window-button glyphs are drawn here rather than shipped as pictures: thin white lines
// that stay sharp at every display scale.
QIcon MakeGlyph(GlyphKind kind)
{
    const qreal dpr = 2.0;
    QPixmap pixmap(QSize(kButtonSize, kButtonSize) * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 1.2));
    const QRectF box(10.5, 10.5, 9, 9);
    switch (kind) {
    case GlyphMin:
        painter.drawLine(QPointF(10.5, 15.5), QPointF(19.5, 15.5));
        break;
    case GlyphMax:
        painter.drawRect(box);
        break;
    case GlyphRestore:
        painter.drawRect(box.adjusted(0, 2, -2, 0));
        painter.drawPolyline(
            QPolygonF({QPointF(12.5, 12.5), QPointF(12.5, 10.5), QPointF(19.5, 10.5),
                       QPointF(19.5, 17.5), QPointF(17.5, 17.5)}));
        break;
    case GlyphClose:
        painter.drawLine(box.topLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomLeft());
        break;
    }
    painter.end();
    return QIcon(pixmap);
}

QPushButton *MakeButton(QWidget *parent, const QString &objectName, const QString &toolTip,
                        GlyphKind glyph)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(objectName);
    button->setToolTip(toolTip);
    button->setFixedSize(kButtonSize, kButtonSize);
    button->setIcon(MakeGlyph(glyph));
    button->setIconSize(QSize(kButtonSize, kButtonSize));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

MyTitleBar::MyTitleBar(QWidget *parent)
    : QWidget(parent)
{
    InitControl();
    ConnectSlots();
    LoadStyleSheet(QStringLiteral("MyTitle"));
}

void MyTitleBar::InitControl()
{
    m_pIcon = new QLabel(this);
    m_pTitleContent = new QLabel(this);
    m_pTitleContent->setObjectName(QStringLiteral("TitleContent"));
    m_pTitleContent->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    m_pButtonMin = MakeButton(this, QStringLiteral("ButtonMin"), tr("Minimum"), GlyphMin);
    m_pButtonRestore =
        MakeButton(this, QStringLiteral("ButtonRestore"), tr("Restore"), GlyphRestore);
    m_pButtonMax = MakeButton(this, QStringLiteral("ButtonMax"), tr("Maximum"), GlyphMax);
    m_pButtonClose = MakeButton(this, QStringLiteral("ButtonClose"), tr("Close"), GlyphClose);
    m_pButtonRestore->setVisible(false);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_pIcon);
    layout->addWidget(m_pTitleContent);
    layout->addWidget(m_pButtonMin);
    layout->addWidget(m_pButtonRestore);
    layout->addWidget(m_pButtonMax);
    layout->addWidget(m_pButtonClose);
    layout->setContentsMargins(5, 0, 0, 0);
    layout->setSpacing(0);

    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFixedHeight(kTitleHeight);
}

void MyTitleBar::ConnectSlots()
{
    connect(m_pButtonMin, &QPushButton::pressed, this, &MyTitleBar::onButtonMinClicked);
    connect(m_pButtonRestore, &QPushButton::clicked, this, &MyTitleBar::onButtonRestoreClicked);
    connect(m_pButtonMax, &QPushButton::clicked, this, &MyTitleBar::onButtonMaxClicked);
    connect(m_pButtonClose, &QPushButton::clicked, this, &MyTitleBar::onButtonCloseClicked);
}

bool MyTitleBar::LoadStyleSheet(const QString &sheetName)
{
    return StyleSheet::AppendStyleSheetFile(this, QStringLiteral(":/Resources/") + sheetName +
                                                      QStringLiteral(".css"));
}

void MyTitleBar::SetBackgroundColor(int r, int g, int b, bool isTransparent)
{
    m_colorR = r;
    m_colorG = g;
    m_colorB = b;
    m_isTransparent = isTransparent;
    update();
}

QColor MyTitleBar::backgroundColor() const
{
    return QColor(m_colorR, m_colorG, m_colorB);
}

void MyTitleBar::SetTitleIcon(const QString &filePath, QSize iconSize)
{
    const QPixmap icon(filePath);
    m_pIcon->setPixmap(icon.scaled(iconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void MyTitleBar::SetTitleContent(const QString &titleContent, int titleFontSize)
{
    QFont font = m_pTitleContent->font();
    font.setPointSize(titleFontSize);
    m_pTitleContent->setFont(font);
    m_pTitleContent->setText(titleContent);
    m_titleContent = titleContent;
}

void MyTitleBar::SetTitleWidth(int width)
{
    m_windowBorderWidth = width;
    if (parentWidget())
        setFixedWidth(parentWidget()->width() - m_windowBorderWidth);
}

void MyTitleBar::SetButtonType(ButtonType buttonType)
{
    m_buttonType = buttonType;
    switch (buttonType) {
    case MIN_BUTTON:
        m_pButtonRestore->setVisible(false);
        m_pButtonMax->setVisible(false);
        m_pButtonMin->setVisible(true);
        break;
    case MIN_MAX_BUTTON:
        m_pButtonMin->setVisible(true);
        m_pButtonRestore->setVisible(false);
        m_pButtonMax->setVisible(true);
        break;
    case ONLY_CLOSE_BUTTON:
        m_pButtonRestore->setVisible(false);
        m_pButtonMax->setVisible(false);
        m_pButtonMin->setVisible(false);
        break;
    }
}

void MyTitleBar::SaveRestoreInfo(const QPoint &point, const QSize &size)
{
    m_restorePos = point;
    m_restoreSize = size;
}

void MyTitleBar::GetRestoreInfo(QPoint &point, QSize &size) const
{
    point = m_restorePos;
    size = m_restoreSize;
}

void MyTitleBar::paintEvent(QPaintEvent *event)
{
    if (!m_isTransparent) {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath path;
        path.addRoundedRect(QRectF(rect()), 3, 3);
        painter.fillPath(path, QColor(m_colorR, m_colorG, m_colorB));
    }
    // Follow the parent's width (it may have been resized or maximised).
    if (parentWidget() && width() != parentWidget()->width() - m_windowBorderWidth)
        setFixedWidth(parentWidget()->width() - m_windowBorderWidth);
    QWidget::paintEvent(event);
}

void MyTitleBar::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (m_buttonType == MIN_MAX_BUTTON) {
        if (m_pButtonMax->isVisible())
            onButtonMaxClicked();
        else
            onButtonRestoreClicked();
    }
    QWidget::mouseDoubleClickEvent(event);
}

void MyTitleBar::mousePressEvent(QMouseEvent *event)
{
    // A maximised window stays where it is.
    if (m_buttonType == MIN_MAX_BUTTON && !m_pButtonMax->isVisible()) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_isPressed = true;
    m_startMovePos = event->globalPos();
    QWidget::mousePressEvent(event);
}

void MyTitleBar::mouseMoveEvent(QMouseEvent *event)
{
    if (m_isPressed) {
        const QPoint movePoint = event->globalPos() - m_startMovePos;
        window()->move(window()->pos() + movePoint);
        m_startMovePos = event->globalPos();
    }
    QWidget::mouseMoveEvent(event);
}

void MyTitleBar::mouseReleaseEvent(QMouseEvent *event)
{
    m_isPressed = false;
    QWidget::mouseReleaseEvent(event);
}

void MyTitleBar::onButtonMinClicked()
{
    emit signalButtonMinClicked();
}

void MyTitleBar::onButtonRestoreClicked()
{
    m_pButtonRestore->setVisible(false);
    m_pButtonMax->setVisible(true);
    emit signalButtonRestoreClicked();
}

void MyTitleBar::onButtonMaxClicked()
{
    m_pButtonMax->setVisible(false);
    m_pButtonRestore->setVisible(true);
    emit signalButtonMaxClicked();
}

void MyTitleBar::onButtonCloseClicked()
{
    emit signalButtonCloseClicked();
}
