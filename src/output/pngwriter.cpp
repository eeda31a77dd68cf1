#include "output/pngwriter.h"

#include <png.h>

#include <cstdint>
#include <new>
#include <utility>
#include <vector>

namespace hm {

namespace {

struct RowSource {
    const QImage* image;
    int outW;
    int outH;
    const int* columns;  // source column of each output column, nullptr when not stretched
    uint32_t* stretched; // one output row
};

struct Output {
    QByteArray bytes;
    bool failed = false; // memory ran out; the rest of the stream is dropped
};

void WriteData(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<Output*>(png_get_io_ptr(png));
    if (out->failed) return;
    try {
        out->bytes.append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(length));
    } catch (const std::bad_alloc&) {
        out->failed = true;
    }
}

void FlushData(png_structp) {}

[[noreturn]] void OnError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

void WriteRows(png_structp png, const RowSource& s) {
    const int64_t srcH = s.image->height();
    for (int y = 0; y < s.outH; ++y) {
        const int sy = static_cast<int>(static_cast<int64_t>(y) * srcH / s.outH);
        const auto* src = reinterpret_cast<const uint32_t*>(s.image->constScanLine(sy));
        if (s.columns) {
            for (int x = 0; x < s.outW; ++x) s.stretched[x] = src[s.columns[x]];
            src = s.stretched;
        }
        png_write_row(png, reinterpret_cast<png_const_bytep>(src));
    }
}

// Nothing with a destructor lives in this frame, so libpng's long jump out of
// an error is safe.
bool Encode(png_structp png, png_infop info, const RowSource& s) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_IHDR(png, info, static_cast<png_uint_32>(s.outW), static_cast<png_uint_32>(s.outH), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    // A 32-bit pixel in memory: B, G, R, unused on little-endian machines;
    // unused, R, G, B on big-endian ones.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
#else
    png_set_filler(png, 0, PNG_FILLER_BEFORE);
#endif
    WriteRows(png, s);
    png_write_end(png, info);
    return true;
}

} // namespace

PngResult EncodePng(const QImage& source, int outW, int outH) {
    PngResult result;
    if (source.isNull()) return result;
    QImage image = source;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image = source.convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) return result;
    if (outW <= 0 || outH <= 0) {
        outW = image.width();
        outH = image.height();
    }
    std::vector<int> columns;
    std::vector<uint32_t> stretched;
    Output output;
    try {
        if (outW != image.width()) {
            columns.resize(static_cast<size_t>(outW));
            for (int x = 0; x < outW; ++x)
                columns[static_cast<size_t>(x)] =
                    static_cast<int>(static_cast<int64_t>(x) * image.width() / outW);
            stretched.resize(static_cast<size_t>(outW));
        }
        output.bytes.reserve(static_cast<qsizetype>(outW) * outH / 8 + 1024);
    } catch (const std::bad_alloc&) {
        return result;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
    if (!png) return result;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return result;
    }
    png_set_write_fn(png, &output, WriteData, FlushData);
    const RowSource rows{&image, outW, outH, columns.empty() ? nullptr : columns.data(),
                         stretched.empty() ? nullptr : stretched.data()};
    result.ok = Encode(png, info, rows) && !output.failed;
    png_destroy_write_struct(&png, &info);
    if (result.ok) result.bytes = std::move(output.bytes);
    return result;
}

} // namespace hm
