#pragma once

#include <QByteArray>

namespace Png {

// Whether the bytes are a structurally sound PNG: the signature, IHDR first, every chunk's
// length within the data and its CRC correct, IEND last. Pixels are not decoded, so a frame
// can be written to disk as it is.
bool IsValidPng(const QByteArray &bytes);

} // namespace Png
