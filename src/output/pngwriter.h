#pragma once
// PNG files through libpng and zlib: a 32-bit image written as a 24-bit PNG
// straight from its rows, optionally stretched to another size by repeating
// rows and columns, into memory so that a file is written whole or not at all.

#include <QByteArray>
#include <QImage>

namespace hm {

struct PngResult {
    bool ok = false; // false: libpng could not make the image (out of resources)
    QByteArray bytes;
};

// Encodes a Format_RGB32 (or ARGB32) image; outW x outH is the size written
// (each output pixel takes the nearest source pixel), the image's own size
// when either is 0 or less.
PngResult EncodePng(const QImage& image, int outW = 0, int outH = 0);

} // namespace hm
