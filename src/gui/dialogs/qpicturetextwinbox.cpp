#include "gui/dialogs/qpicturetextwinbox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QVBoxLayout>

#include "gui/chrome/displayscale.h"

namespace {
const int kPictureX = 2;
const int kPictureSide = 32;
} // namespace

QPictureTextWinBox::QPictureTextWinBox(const QString &image, const QString &deleteImage,
                                       const QString &title, const QString &text, QWidget *parent)
    : QWidget(parent)
    , m_strImage(image)
    , m_strDeleteImage(deleteImage)
    , m_strTitle(title)
    , m_strText(text)
{
    m_labelPicture = new QLabel(this);
    m_labelPicture->setFixedSize(Display::ScaledPixels(kPictureSide),
                                 Display::ScaledPixels(kPictureSide));
    m_labelPicture->setScaledContents(true);
    // Long texts wrap; the grid makes the row as high as its cells need.
    m_labelTitle = new QLabel(m_strTitle, this);
    m_labelTitle->setStyleSheet(QStringLiteral("font-weight:bold;"));
    m_labelText = new QLabel(m_strText, this);
    for (QLabel *label : {m_labelTitle, m_labelText}) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    auto *texts = new QVBoxLayout;
    texts->setContentsMargins(0, 0, 0, 0);
    texts->setSpacing(0);
    texts->addWidget(m_labelTitle);
    texts->addWidget(m_labelText);
    texts->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(Display::ScaledPixels(kPictureX), 0, Display::ScaledPixels(4),
                               Display::ScaledPixels(2));
    layout->setSpacing(Display::ScaledPixels(6));
    layout->addWidget(m_labelPicture, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addLayout(texts, 1);

    setToolTip(m_strText.isEmpty() ? m_strTitle : m_strTitle + QLatin1Char('\n') + m_strText);
    ShowPicture();
}

void QPictureTextWinBox::SetDeleteShown(bool shown)
{
    if (!IsDeletable() || shown == m_bDeleteShown)
        return;
    m_bDeleteShown = shown;
    ShowPicture();
}

QRect QPictureTextWinBox::PictureRect() const
{
    return QRect(Display::ScaledPixels(kPictureX), 0, Display::ScaledPixels(kPictureSide),
                 Display::ScaledPixels(kPictureSide));
}

void QPictureTextWinBox::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !IsDeletable())
        return;
    if (m_bDeleteShown && PictureRect().contains(event->pos()))
        emit signal_deleteRequested();
    else
        SetDeleteShown(!m_bDeleteShown);
}

void QPictureTextWinBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        emit signal_doubleClicked();
}

void QPictureTextWinBox::ShowPicture()
{
    m_labelPicture->setPixmap(QPixmap(CurrentImage()));
}
