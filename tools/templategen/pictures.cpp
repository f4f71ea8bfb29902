#include "pictures.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

const QColor kBlue(31, 78, 121);
const QColor kLight(189, 215, 238);
const QColor kGrey(120, 120, 120);

void Manhole(QPainter &p, const QRectF &shaft)
{
    p.setBrush(QColor(200, 200, 200));
    p.setPen(QPen(kGrey, 3));
    p.drawRect(shaft);
    p.setBrush(kGrey);
    p.drawRect(QRectF(shaft.left() - 10, shaft.top() - 8, shaft.width() + 20, 8));
}

void Logo(QPainter &p, const QSize &size)
{
    const QPointF c(size.width() / 2.0, size.height() / 2.0);
    p.setPen(QPen(kBlue, 14));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 100, 100);
    p.setPen(QPen(kLight, 8));
    p.drawEllipse(c, 70, 70);
    // The crawler seen from the front: body, camera and wheels.
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(c.x() - 45, c.y() - 5, 90, 40), 8, 8);
    p.drawEllipse(c + QPointF(0, -25), 24, 24);
    p.setBrush(Qt::white);
    p.drawEllipse(c + QPointF(0, -25), 10, 10);
    p.setBrush(kGrey);
    p.drawEllipse(c + QPointF(-40, 40), 14, 14);
    p.drawEllipse(c + QPointF(40, 40), 14, 14);
}

void Setup(QPainter &p, const QSize &size)
{
    const double top = size.height() * 0.55;
    p.fillRect(QRectF(0, 60, size.width(), size.height() - 60), QColor(222, 205, 170));
    p.fillRect(QRectF(0, 50, size.width(), 10), QColor(90, 90, 90));
    Manhole(p, QRectF(60, 60, 70, top + 50 - 60));
    Manhole(p, QRectF(size.width() - 130, 60, 70, top + 50 - 60));
    p.setBrush(kLight);
    p.setPen(QPen(kBlue, 4));
    p.drawRect(QRectF(130, top, size.width() - 260, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(220, top + 22, 70, 26), 5, 5);
    p.setBrush(Qt::yellow);
    p.drawPie(QRectF(260, top + 5, 120, 60), -25 * 16, 50 * 16);
    p.setPen(QPen(QColor(40, 40, 40), 3, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    QPainterPath cable;
    cable.moveTo(225, top + 35);
    cable.cubicTo(150, top + 30, 120, 120, 95, 40);
    p.drawPath(cable);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(30, 10, 50, 35));
}

void Clock(QPainter &p, const QSize &size)
{
    const QPointF c(size.width() / 2.0, size.height() / 2.0);
    const double r = qMin(size.width(), size.height()) / 2.0 - 20;
    p.setPen(QPen(kBlue, 10));
    p.setBrush(kLight);
    p.drawEllipse(c, r, r);
    p.setBrush(QColor(120, 170, 220));
    p.setPen(Qt::NoPen);
    p.drawChord(QRectF(c.x() - r + 5, c.y() - r + 5, 2 * r - 10, 2 * r - 10), 210 * 16, 120 * 16);
    for (int hour = 0; hour < 12; ++hour) {
        const double a = qDegreesToRadians(hour * 30.0 - 90);
        const QPointF dir(qCos(a), qSin(a));
        p.setPen(QPen(QColor(30, 30, 30), hour % 3 == 0 ? 8 : 4));
        p.drawLine(c + dir * (r - 28), c + dir * (r - 6));
    }
    p.setPen(QPen(QColor(200, 40, 40), 6));
    p.drawLine(c, c + QPointF(0, -(r - 40)));
    p.drawLine(c, c + QPointF(r - 60, 0));
}

void Distance(QPainter &p, const QSize &size)
{
    const double mid = size.height() / 2.0;
    Manhole(p, QRectF(20, mid - 70, 60, 140));
    Manhole(p, QRectF(size.width() - 80, mid - 70, 60, 140));
    p.setPen(QPen(kBlue, 4));
    p.setBrush(kLight);
    p.drawRect(QRectF(80, mid - 30, size.width() - 160, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 40));
    const double defect = size.width() * 0.62;
    p.drawRect(QRectF(defect - 6, mid - 30, 12, 60));
    p.setPen(QPen(QColor(30, 30, 30), 3));
    const double y = mid + 60;
    p.drawLine(QPointF(80, y), QPointF(defect, y));
    p.drawLine(QPointF(80, y - 10), QPointF(80, y + 10));
    p.drawLine(QPointF(defect, y - 10), QPointF(defect, y + 10));
    p.drawLine(QPointF(defect, y), QPointF(defect - 16, y - 8));
    p.drawLine(QPointF(defect, y), QPointF(defect - 16, y + 8));
    p.setPen(QPen(kGrey, 3, Qt::DashLine));
    p.drawLine(QPointF(110, mid - 50), QPointF(size.width() - 110, mid - 50));
    p.drawLine(QPointF(size.width() - 110, mid - 50), QPointF(size.width() - 126, mid - 58));
    p.drawLine(QPointF(size.width() - 110, mid - 50), QPointF(size.width() - 126, mid - 42));
}

void Seal(QPainter &p, const QSize &size)
{
    const QPointF c(size.width() / 2.0, size.height() / 2.0);
    const QColor red(200, 30, 30, 200);
    p.setPen(QPen(red, 8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, size.width() / 2.0 - 10, size.height() / 2.0 - 10);
    p.setPen(QPen(red, 2));
    p.drawEllipse(c, size.width() / 2.0 - 22, size.height() / 2.0 - 22);
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double a = qDegreesToRadians(i * 36.0 - 90);
        const double radius = i % 2 == 0 ? 30 : 12;
        star << c + QPointF(qCos(a), qSin(a)) * radius;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    p.drawPolygon(star);
}

} // namespace

QByteArray Pictures::Png(const QString &name)
{
    QSize size;
    void (*draw)(QPainter &, const QSize &) = nullptr;
    if (name == QLatin1String("logo")) {
        size = QSize(240, 240);
        draw = Logo;
    } else if (name == QLatin1String("setup")) {
        size = QSize(640, 300);
        draw = Setup;
    } else if (name == QLatin1String("clock")) {
        size = QSize(300, 300);
        draw = Clock;
    } else if (name == QLatin1String("distance")) {
        size = QSize(640, 240);
        draw = Distance;
    } else if (name == QLatin1String("seal")) {
        size = QSize(200, 200);
        draw = Seal;
    } else {
        return QByteArray();
    }
    QImage image(size, QImage::Format_ARGB32);
    image.fill(name == QLatin1String("seal") ? Qt::transparent : Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter, size);
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}
