#include "gui/chrome/mymessagebox.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "gui/chrome/mytitlebar.h"
#include "gui/chrome/stylesheet.h"

namespace {
const int kBoxWidth = 555;
const int kBoxHeight = 289;
const int kTitleHeight = 30;
const int kBandTop = 230;
const int kBandHeight = 50;
const int kIconSize = 48;
} // namespace

MyMessageBox::MyMessageBox(QWidget *parent)
    : basewindow(parent)
{
    // A dialog-type window stays above the window it belongs to.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
    initWindow();
}

MyMessageBox::~MyMessageBox()
{
    if (m_eventLoop)
        m_eventLoop->exit();
}

void MyMessageBox::initWindow()
{
    setFixedSize(kBoxWidth, kBoxHeight);

    m_labelIcon = new QLabel(this);
    m_labelIcon->setObjectName(QStringLiteral("MessageIcon"));
    m_labelIcon->setFixedSize(kIconSize, kIconSize);
    m_labelText = new QLabel(this);
    m_labelText->setObjectName(QStringLiteral("MessageContent"));
    m_labelText->setWordWrap(true);
    m_labelText->setTextFormat(Qt::AutoText);
    m_labelText->setOpenExternalLinks(true);
    QFont font = m_labelText->font();
    font.setPointSize(12);
    m_labelText->setFont(font);

    m_btnOK = new QPushButton(tr("OK"), this);
    m_btnOK->setObjectName(QStringLiteral("btn_OK"));
    m_btnCancel = new QPushButton(tr("Cancel"), this);
    m_btnCancel->setObjectName(QStringLiteral("btn_Cancel"));
    for (QPushButton *button : {m_btnOK, m_btnCancel}) {
        button->setMinimumSize(80, 30);
        button->setCursor(Qt::PointingHandCursor);
    }
    m_btnOK->setDefault(true);

    auto *content = new QHBoxLayout;
    content->setSpacing(18);
    content->addWidget(m_labelIcon, 0, Qt::AlignTop);
    content->addWidget(m_labelText, 1);

    // The button row fills the darker band painted behind it.
    auto *buttonRow = new QWidget(this);
    buttonRow->setFixedHeight(kBandHeight);
    auto *buttons = new QHBoxLayout(buttonRow);
    buttons->setContentsMargins(0, 0, 20, 0);
    buttons->setSpacing(12);
    buttons->addStretch(1);
    buttons->addWidget(m_btnOK);
    buttons->addWidget(m_btnCancel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, kTitleHeight, 0, kBoxHeight - kBandTop - kBandHeight);
    layout->setSpacing(0);
    auto *contentFrame = new QWidget(this);
    contentFrame->setLayout(content);
    content->setContentsMargins(28, 20, 28, 12);
    layout->addWidget(contentFrame, 1);
    layout->addWidget(buttonRow);

    connect(m_btnOK, &QPushButton::clicked, this, &MyMessageBox::on_btn_OK_clicked);
    connect(m_btnCancel, &QPushButton::clicked, this, &MyMessageBox::on_btn_Cancel_clicked);

    m_titleBar->move(0, 0);
    m_titleBar->SetTitleWidth(0);
    m_titleBar->SetBackgroundColor(40, 130, 197, false);
    m_titleBar->SetButtonType(MyTitleBar::ONLY_CLOSE_BUTTON);
    m_titleBar->setFixedWidth(width());
    m_titleBar->raise();

    loadStyleSheet(QStringLiteral(":/Resources/MyMessageBox.css"));
    StyleSheet::AppendStyleSheet(m_btnOK, QStringLiteral(":/css/Theme/QSS/QPushButton_OK.css"));
    StyleSheet::AppendStyleSheet(m_btnCancel,
                                 QStringLiteral(":/css/Theme/QSS/QPushButton_Cancel.css"));
}

void MyMessageBox::setWindowTitle(const QString &title, int fontSize)
{
    QWidget::setWindowTitle(title);
    m_titleBar->SetTitleContent(title, fontSize);
}

void MyMessageBox::setContentText(const QString &text)
{
    m_labelText->setText(text);
    FitHeightToText();
}

void MyMessageBox::FitHeightToText()
{
    // The designed size holds a few lines; a longer text makes the box taller (up to most of
    // the screen) instead of being cut off.
    const int textWidth = kBoxWidth - 2 * 28 - 18 - kIconSize;
    const int available = kBandTop - kTitleHeight - 20 - 12;
    const int needed = m_labelText->heightForWidth(textWidth);
    int height = kBoxHeight + qMax(0, needed - available);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        height = qMin(height, screen->availableGeometry().height() * 9 / 10);
    setFixedSize(kBoxWidth, qMax(kBoxHeight, height));
}

QString MyMessageBox::contentText() const
{
    return m_labelText->text();
}

void MyMessageBox::setMessageType(int iconType)
{
    switch (iconType) {
    case IconInformation:
        m_labelIcon->setStyleSheet(
            QStringLiteral("border-image: url(:/MsgImage/QUtility/MessageBox/info.png);"));
        break;
    case IconQuestion:
        m_labelIcon->setStyleSheet(
            QStringLiteral("border-image: url(:/MsgImage/QUtility/MessageBox/question.png);"));
        break;
    case IconError:
        m_labelIcon->setStyleSheet(
            QStringLiteral("border-image: url(:/MsgImage/QUtility/MessageBox/error.png);"));
        break;
    case IconNone:
        m_labelIcon->setVisible(false);
        break;
    case IconTitle:
        m_labelIcon->setStyleSheet(QStringLiteral("border-image: url(:/Resources/titleicon.png);"));
        break;
    default:
        break;
    }
}

QString MyMessageBox::iconStyle() const
{
    return m_labelIcon->styleSheet();
}

bool MyMessageBox::isIconVisible() const
{
    return !m_labelIcon->isHidden();
}

void MyMessageBox::setButtonType(int buttons)
{
    switch (buttons) {
    case ButtonOk:
        m_btnOK->setText(tr("OK"));
        m_btnCancel->setVisible(false);
        break;
    case ButtonOkCancel:
        m_btnOK->setText(tr("OK"));
        m_btnCancel->setText(tr("Cancel"));
        m_btnCancel->setVisible(true);
        break;
    default:
        break;
    }
}

int MyMessageBox::exec()
{
    // While waiting the box must outlive its own close; the caller deletes it afterwards.
    const bool deleteOnClose = testAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowModality(Qt::WindowModal);
    show();

    QEventLoop eventLoop;
    m_eventLoop = &eventLoop;
    QPointer<MyMessageBox> guard(this);
    eventLoop.exec(QEventLoop::DialogExec);
    if (!guard)
        return ResultCancel;
    m_eventLoop = nullptr;
    const int result = m_result;
    if (deleteOnClose)
        deleteLater();
    return result;
}

int MyMessageBox::ShowMessage(QWidget *parent, const QString &title, const QString &text,
                              int iconType, int buttons, bool modal)
{
    auto *box = new MyMessageBox(parent);
    box->setWindowTitle(title, 10);
    box->setContentText(text);
    box->setMessageType(iconType);
    box->setButtonType(buttons);
    if (!modal) {
        box->show();
        return ResultNone;
    }
    return box->exec();
}

void MyMessageBox::on_btn_OK_clicked()
{
    m_result = ResultOk;
    close();
}

void MyMessageBox::on_btn_Cancel_clicked()
{
    m_result = ResultCancel;
    close();
}

void MyMessageBox::closeEvent(QCloseEvent *event)
{
    if (m_eventLoop)
        m_eventLoop->exit();
    basewindow::closeEvent(event);
}

void MyMessageBox::showEvent(QShowEvent *event)
{
    // Centred over the window it belongs to.
    if (QWidget *owner = parentWidget()) {
        const QRect area = owner->window()->frameGeometry();
        move(area.center() - rect().center());
    }
    basewindow::showEvent(event);
}

void MyMessageBox::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath box;
    box.addRoundedRect(QRectF(rect()), 3, 3);
    painter.fillPath(box, QColor(40, 130, 197));
    QPainterPath band;
    band.addRoundedRect(QRectF(0, height() - (kBoxHeight - kBandTop), width(), kBandHeight), 3, 3);
    painter.fillPath(band, QColor(21, 73, 154));
}
