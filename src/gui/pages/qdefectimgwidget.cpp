#include "gui/pages/qdefectimgwidget.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

QDefectImgWidget::QDefectImgWidget(QWidget *parent)
    : QWidget(parent)
{}

bool QDefectImgWidget::SetImage(const QString &path, const QString &text)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    m_strImagePath = path;
    m_strText = text;
    update();
    return true;
}

void QDefectImgWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath panel;
    panel.addRoundedRect(QRectF(rect()), 3, 3);
    painter.fillPath(panel, QColor(40, 130, 197));

    const int imageHeight = int(height() * 3.5 / 4.5);
    const QRect imageArea(0, 0, width(), imageHeight);
    const QRect textArea(0, imageHeight, width(), height() - imageHeight);

    if (!m_strImagePath.isEmpty()) {
        const QImage image(m_strImagePath, "png");
        painter.fillRect(imageArea, Qt::black);
        if (!image.isNull()) {
            const QImage scaled =
                image.scaled(imageArea.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
            QRect target(QPoint(0, 0), scaled.size());
            target.moveCenter(imageArea.center());
            painter.drawImage(target, scaled);
        }
    }
    painter.setPen(Qt::white);
    painter.drawText(textArea, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, m_strText);
}
