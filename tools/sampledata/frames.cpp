#include "frames.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QtEndian>

#include <cmath>
#include <vector>

namespace {

void drawCrack(QPainter &p, QRandomGenerator &rng, const QSize &size)
{
    QPainterPath crack;
    QPointF pt(size.width() * (0.15 + rng.bounded(0.7)), size.height() * (0.15 + rng.bounded(0.7)));
    crack.moveTo(pt);
    for (int i = 0; i < 6; ++i) {
        pt += QPointF(rng.bounded(size.width() / 10.0) - size.width() / 20.0,
                      rng.bounded(size.height() / 8.0));
        crack.lineTo(pt);
    }
    p.setPen(QPen(QColor(25, 20, 15), qMax(1.0, size.width() / 200.0)));
    p.drawPath(crack);
}

quint32 crc32(const char *data, int size)
{
    static const std::vector<quint32> table = [] {
        std::vector<quint32> t(256);
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    quint32 crc = 0xFFFFFFFFu;
    for (int i = 0; i < size; ++i)
        crc = table[(crc ^ quint8(data[i])) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

// Signature, then chunks with matching CRCs from IHDR to a final IEND.
bool chunksIntact(const QByteArray &bytes)
{
    static const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    if (!bytes.startsWith(signature))
        return false;
    int pos = signature.size();
    bool first = true;
    while (pos + 12 <= bytes.size()) {
        const quint32 length = qFromBigEndian<quint32>(bytes.constData() + pos);
        if (length > quint32(bytes.size() - pos - 12))
            return false;
        const QByteArray type = bytes.mid(pos + 4, 4);
        const quint32 stored = qFromBigEndian<quint32>(bytes.constData() + pos + 8 + length);
        if (crc32(bytes.constData() + pos + 4, int(length) + 4) != stored)
            return false;
        if (first && type != "IHDR")
            return false;
        first = false;
        pos += 12 + int(length);
        if (type == "IEND")
            return pos == bytes.size();
    }
    return false;
}

} // namespace

namespace Frames {

QImage pipeView(const QSize &size, int seed, const QString &caption)
{
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator rng(quint32(seed) * 2654435761u + 17u);
    const double w = size.width();
    const double h = size.height();
    const QPointF centre(w * (0.42 + rng.bounded(0.16)), h * (0.40 + rng.bounded(0.2)));

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient wall(centre, w * 0.75);
    const int tint = int(rng.bounded(40u));
    wall.setColorAt(0.0, QColor(5, 5, 5));
    wall.setColorAt(0.12, QColor(30, 28, 24));
    wall.setColorAt(0.55, QColor(110 + tint, 100 + tint / 2, 80));
    wall.setColorAt(1.0, QColor(190, 175 + tint / 2, 150));
    p.fillRect(image.rect(), wall);

    // Pipe joints recede towards the far end; their phase moves with the seed.
    p.setBrush(Qt::NoBrush);
    const double phase = rng.bounded(1.0);
    for (int k = 1; k <= 6; ++k) {
        const double r = w * 0.035 * std::pow(k + phase, 1.7);
        p.setPen(QPen(QColor(40, 35, 30, 150), qMax(1.0, r / 40.0)));
        p.drawEllipse(centre, r, r * 0.92);
    }
    drawCrack(p, rng, size);

    QFont font = p.font();
    font.setPixelSize(qMax(10, size.height() / 20));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(6, 4, w - 12, h - 8), Qt::AlignLeft | Qt::AlignTop, caption);
    p.end();
    return image;
}

QImage annotated(const QImage &frame, int seed, const QString &label)
{
    QImage image = frame.copy();
    QRandomGenerator rng(quint32(seed) * 40503u + 3u);
    const double w = image.width();
    const double h = image.height();
    const QRectF box(w * (0.2 + rng.bounded(0.3)), h * (0.25 + rng.bounded(0.3)), w * 0.3, h * 0.3);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::red, qMax(2.0, w / 160.0)));
    p.drawRect(box);
    QFont font = p.font();
    font.setPixelSize(qMax(10, int(h / 18)));
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(box.left(), box.bottom() + 2, w - box.left(), h / 10), Qt::AlignLeft, label);
    return image;
}

QByteArray encodePng(const QImage &image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(quality);
    writer.write(image);
    return bytes;
}

QByteArray encodeJpeg(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(85);
    writer.write(image);
    return bytes;
}

bool isValidPng(const QByteArray &bytes)
{
    // The chunk walk turns away damaged files before the decoder sees them,
    // which would otherwise print its complaints to stderr.
    return chunksIntact(bytes) && !QImage::fromData(bytes, "PNG").isNull();
}

QByteArray truncatedPng(const QByteArray &png)
{
    return png.left(png.size() / 2);
}

QByteArray corruptIdatPng(const QByteArray &png)
{
    QByteArray bytes = png;
    int pos = 8; // after the signature: length, type, data, CRC per chunk
    while (pos + 12 <= bytes.size()) {
        const quint32 length = qFromBigEndian<quint32>(bytes.constData() + pos);
        if (bytes.mid(pos + 4, 4) == "IDAT" && length > 0) {
            const int target = pos + 8 + int(length / 2);
            bytes[target] = char(bytes.at(target) ^ 0x5A);
            return bytes;
        }
        pos += 12 + int(length);
    }
    return bytes;
}

QByteArray randomBytes(quint32 seed, int count)
{
    QRandomGenerator rng(seed);
    QByteArray bytes(count, '\0');
    for (int i = 0; i < count; ++i)
        bytes[i] = char(rng.bounded(256u));
    return bytes;
}

} // namespace Frames
