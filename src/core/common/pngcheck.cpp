#include "core/common/pngcheck.h"

#include <cstring>

#include <zlib.h>

namespace {
const char kSignature[] = "\x89PNG\r\n\x1a\n";
constexpr int kSignatureSize = 8;

quint32 ReadBigEndian32(const uchar *p)
{
    return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | quint32(p[3]);
}

// The width and height at the start of the IHDR data.
bool SizeAccepted(const uchar *ihdr)
{
    const quint32 width = ReadBigEndian32(ihdr);
    const quint32 height = ReadBigEndian32(ihdr + 4);
    return width > 0 && height > 0 && width <= quint32(Png::kMaxSide) &&
           height <= quint32(Png::kMaxSide);
}
} // namespace

bool Png::IsValidPng(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const qint64 size = bytes.size();
    if (size < kSignatureSize ||
        bytes.left(kSignatureSize) != QByteArray(kSignature, kSignatureSize))
        return false;
    qint64 pos = kSignatureSize;
    bool first = true;
    while (pos + 12 <= size) {
        const quint32 length = ReadBigEndian32(data + pos);
        const uchar *type = data + pos + 4;
        if (length > 0x7fffffffu || pos + 12 + qint64(length) > size)
            return false;
        const uLong crc = crc32(crc32(0L, Z_NULL, 0), type, uInt(4 + length));
        if (crc != ReadBigEndian32(type + 4 + length))
            return false;
        const bool isIhdr = memcmp(type, "IHDR", 4) == 0;
        if (first != isIhdr || (isIhdr && (length != 13 || !SizeAccepted(type + 4))))
            return false;
        first = false;
        pos += 12 + qint64(length);
        if (memcmp(type, "IEND", 4) == 0)
            return pos == size;
    }
    return false;
}
