// Fuzz target: pictures taken from the clipboard, of any size and format, read
// as cells and as threading or treadling values and pasted (also specially)
// into every area kind. Bytes 0-5: the kind and options, the image format, the
// width and the height (16 bits each: with the two top bits set up to 12000,
// else up to 256, so that most runs are quick); the rest fills the pixels, row
// by row and round again when it runs out.
#include <QImage>
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "ops/clipboardops.h"
#include "ops/pastespecial.h"

namespace {

constexpr std::array<QImage::Format, 14> Formats = {
    QImage::Format_Mono,       QImage::Format_MonoLSB,     QImage::Format_Indexed8,
    QImage::Format_RGB32,      QImage::Format_ARGB32,      QImage::Format_ARGB32_Premultiplied,
    QImage::Format_RGB16,      QImage::Format_RGB888,      QImage::Format_RGBA8888,
    QImage::Format_Grayscale8, QImage::Format_Grayscale16, QImage::Format_RGBA64,
    QImage::Format_Alpha8,     QImage::Format_BGR30,
};

constexpr std::array<hm::SelectionKind, 7> Kinds = {
    hm::SelectionKind::Liftplan,         hm::SelectionKind::DesignGrid,
    hm::SelectionKind::PatternThreading, hm::SelectionKind::ThreadingA,
    hm::SelectionKind::ThreadingB,       hm::SelectionKind::TreadlingA,
    hm::SelectionKind::TreadlingB,
};

// At most this many pixels, so that a run stays within the fuzzer's memory limit.
constexpr int64_t MaxPixels = 2 * 1024 * 1024;

int Extent(uint8_t high, uint8_t low) {
    const int v = high << 8 | low;
    return v >= 0xC000 ? (v & 0x3FFF) % 12000 : v % 257;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static hm::Draft* draft = new hm::Draft();
    if (size < 6) return 0;
    const uint8_t mode = data[0];
    const QImage::Format format = Formats[data[1] % Formats.size()];
    const int w = Extent(data[2], data[3]);
    int h = Extent(data[4], data[5]);
    if (static_cast<int64_t>(w) * h > MaxPixels) h = static_cast<int>(MaxPixels / w);
    const uint8_t* pixels = data + 6;
    const size_t count = size - 6;

    QImage image;
    if (w > 0 && h > 0) {
        image = QImage(w, h, format);
        if (image.isNull()) return 0;
        if (format == QImage::Format_Indexed8) {
            QList<QRgb> table(256);
            for (int i = 0; i < 256; ++i) table[i] = qRgb(i, 255 - i, i * 7);
            image.setColorTable(table);
        }
        // The bytes round and round, each row starting further on.
        for (int y = 0; y < h; ++y) {
            uchar* line = image.scanLine(y);
            const size_t length = static_cast<size_t>(image.bytesPerLine());
            if (count == 0) {
                std::memset(line, 0, length);
                continue;
            }
            size_t from = (static_cast<size_t>(y) * 131) % count;
            for (size_t done = 0; done < length;) {
                const size_t n = std::min(length - done, count - from);
                std::memcpy(line + done, pixels + from, n);
                done += n;
                from = 0;
            }
        }
    }

    hm::Draft& d = *draft;
    d.ClearDraft();
    d.Ends = 1 + (mode * 37) % hm::MaxEnds;
    d.Picks = 1 + (mode * 53) % hm::MaxPicks;
    d.LiftplanWidth = d.PatternShafts = 1 + mode % hm::MaxPatternShafts;
    d.ShaftsA = d.TreadlesB = 1 + mode % hm::MaxShafts;
    d.ShaftsB = d.TreadlesA = 1 + (mode >> 3) % hm::MaxShafts;
    const hm::SelectionKind kind = Kinds[mode % Kinds.size()];
    const int group = hm::GroupSize(d, kind);

    // Pasted at a cell chosen from the bytes, as far as the picture reaches.
    const hm::ClipboardCellPicture picture = hm::PictureFromImage(image);
    if (picture.width() > hm::MaxPictureExtent || picture.height() > hm::MaxPictureExtent)
        std::abort();
    const int column = 1 + (data[2] * 19 + data[3]) % 2500;
    const int row = 1 + (data[4] * 23 + data[5]) % 4900;
    hm::PastePicture(d, kind, column, row, picture);
    if (group > 0) {
        const std::vector<uint8_t> values = hm::ThreadValuesFromPicture(picture, group);
        for (uint8_t v : values)
            if (v > group) std::abort();
        for (int i = 1; i <= hm::MaxEnds; ++i)
            if ((*hm::ValuesOf(d, kind))[i] > group) std::abort();
    }

    hm::PasteSpecialOptions o;
    o.copies = 1 + mode % 7;
    o.fillRemaining = mode & 0x10;
    o.insert = mode & 0x20;
    o.negative = o.flipHorizontal = mode & 0x40;
    o.rotate = o.flipVertical = mode & 0x80;
    o.advance = static_cast<int8_t>(data[1]) % 17;
    hm::PasteSpecialPicture(d, kind, column - (mode & 3), row - (mode >> 6), column, row, picture,
                            o);
    if (group > 0)
        for (int i = 1; i <= hm::MaxEnds; ++i)
            if ((*hm::ValuesOf(d, kind))[i] > group) std::abort();
    return 0;
}
