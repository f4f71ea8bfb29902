#pragma once

#include "samplemodel.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// Camera frames for the sample defects. Each frame is a synthetic view down a
// pipe, distinct per seed, with an on-screen caption; the annotated variant has
// the red marking an interpreter draws. Safe to call from several threads.
namespace Frames {

// A smooth radial shading like a lit pipe wall: large enough as PNG (about
// 60 KB at 320x240, 180 KB at 640x480) to behave like real frames.
QImage pipeView(const QSize &size, int seed, const QString &caption);
QImage annotated(const QImage &frame, int seed, const QString &label);

// quality as QImageWriter takes it; for PNG higher means faster deflate and
// larger files. 80 selects zlib level 1: several times faster than the default
// and only slightly larger on these frames.
QByteArray encodePng(const QImage &image, int quality = 80);
QByteArray encodeJpeg(const QImage &image);

// True for bytes that carry the PNG signature and decode as a PNG image.
bool isValidPng(const QByteArray &bytes);

// Damaged blobs made from a good PNG (or from nothing).
QByteArray truncatedPng(const QByteArray &png);
QByteArray corruptIdatPng(const QByteArray &png); // one IDAT byte flipped, CRC left stale
QByteArray randomBytes(quint32 seed, int count);

} // namespace Frames
