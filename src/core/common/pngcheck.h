#pragma once

#include <QByteArray>

namespace Png {

// Frames are camera pictures; a side above this is refused before anything is decoded.
inline constexpr int kMaxSide = 8192;

// Whether the bytes are a structurally sound PNG: the signature, IHDR first with a width and
// height of 1 to kMaxSide, every chunk's length within the data and its CRC correct, IEND
// last. Pixels are not decoded, so a frame can be written to disk as it is.
bool IsValidPng(const QByteArray &bytes);

} // namespace Png
