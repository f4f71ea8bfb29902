#include "gui/pages/qdefectimgwidget.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextBrowser>

QDefectImgWidget::QDefectImgWidget(QWidget *parent)
    : QWidget(parent)
{
    m_pTextView = new QTextBrowser(this);
    m_pTextView->setFrameShape(QFrame::NoFrame);
    m_pTextView->setStyleSheet(
        QStringLiteral("QTextBrowser{background:transparent;color:white;border:none;}"));
    m_pTextView->setLineWrapMode(QTextEdit::WidgetWidth);
}

QString QDefectImgWidget::NoPictureText()
{
    return tr("No picture of this defect");
}

bool QDefectImgWidget::SetImage(const QString &path, const QString &text)
{
    const bool found = !path.isEmpty() && QFileInfo(path).isFile();
    m_strImagePath = found ? path : QString();
    m_strText = text;
    m_pTextView->setPlainText(text);
    update();
    return found;
}

QRect QDefectImgWidget::ImageArea() const
{
    return QRect(0, 0, width(), int(height() * 3.5 / 4.5));
}

void QDefectImgWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int top = ImageArea().height();
    m_pTextView->setGeometry(0, top, width(), height() - top);
}

void QDefectImgWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath panel;
    panel.addRoundedRect(QRectF(rect()), 3, 3);
    painter.fillPath(panel, QColor(40, 130, 197));

    const QRect imageArea = ImageArea();
    painter.fillRect(imageArea, Qt::black);
    const QImage image = m_strImagePath.isEmpty() ? QImage() : QImage(m_strImagePath, "png");
    if (image.isNull()) {
        painter.setPen(Qt::white);
        painter.drawText(imageArea, Qt::AlignCenter | Qt::TextWordWrap, NoPictureText());
        return;
    }
    const QImage scaled =
        image.scaled(imageArea.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QRect target(QPoint(0, 0), scaled.size());
    target.moveCenter(imageArea.center());
    painter.drawImage(target, scaled);
}
