#include "view/canvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace hm {

namespace {

inline void SelectEight(const QRgb* __restrict mask, const QRgb* __restrict warp, QRgb weft,
                        QRgb* __restrict out) {
    for (int i = 0; i < 8; ++i) out[i] = (warp[i] & mask[i]) | (weft & ~mask[i]);
}

} // namespace

void SelectColours(const uint64_t* bits, int count, const QRgb* warp, QRgb weft, QRgb* out) {
    static const auto masks = [] {
        std::array<std::array<QRgb, 8>, 256> t{};
        for (size_t b = 0; b < 256; ++b)
            for (size_t i = 0; i < 8; ++i) t[b][i] = ((b >> i) & 1) ? ~QRgb{0} : 0;
        return t;
    }();
    // Eight cells at a time through masks, so that the selection vectorises.
    const int whole = count & ~7;
    for (int k = 0; k < whole; k += 8) {
        const auto byte = static_cast<size_t>((bits[k >> 6] >> (k & 63)) & 0xFF);
        SelectEight(masks[byte].data(), warp + k, weft, out + k);
    }
    for (int k = whole; k < count; ++k) out[k] = ((bits[k >> 6] >> (k & 63)) & 1) ? warp[k] : weft;
}

void ReverseBits(const uint64_t* bits, int count, uint64_t* out) {
    if (count <= 0) return;
    auto reverseWord = [](uint64_t w) {
        w = ((w >> 1) & 0x5555555555555555ull) | ((w & 0x5555555555555555ull) << 1);
        w = ((w >> 2) & 0x3333333333333333ull) | ((w & 0x3333333333333333ull) << 2);
        w = ((w >> 4) & 0x0F0F0F0F0F0F0F0Full) | ((w & 0x0F0F0F0F0F0F0F0Full) << 4);
        w = ((w >> 8) & 0x00FF00FF00FF00FFull) | ((w & 0x00FF00FF00FF00FFull) << 8);
        w = ((w >> 16) & 0x0000FFFF0000FFFFull) | ((w & 0x0000FFFF0000FFFFull) << 16);
        return (w >> 32) | (w << 32);
    };
    // Word j of the turned row takes word words-1-j turned; then everything
    // moves down by the unused bits at the top of the last word.
    const int words = (count + 63) / 64;
    const int shift = words * 64 - count;
    for (int j = 0; j < words; ++j) {
        const uint64_t lo = reverseWord(bits[words - 1 - j]);
        const uint64_t hi = j + 1 < words ? reverseWord(bits[words - 2 - j]) : 0;
        out[j] = shift ? (lo >> shift) | (hi << (64 - shift)) : lo;
    }
}

void Canvas::VLines(int x, int step, int count, int y0, int y1, QRgb c) {
    y0 = std::max(y0, 0);
    y1 = std::min(y1, height());
    if (count <= 0 || y0 >= y1) return;
    if (!RowPointer(y0) || step <= 0) {
        for (int k = 0; k < count; ++k) VLine(x + k * step, y0, y1, c);
        return;
    }
    // Row by row, which keeps the writes in the order of memory.
    const int kFirst = x < 0 ? (-x + step - 1) / step : 0;
    const int kLast = std::min(count - 1, (width() - 1 - x) / step);
    if (x + kLast * step >= width() || kFirst > kLast) return;
    for (int y = y0; y < y1; ++y) {
        QRgb* line = RowPointer(y);
        for (int k = kFirst; k <= kLast; ++k) line[x + k * step] = c;
    }
    Touch(x + kFirst * step, y0, (kLast - kFirst) * step + 1, y1 - y0);
}

void Canvas::StretchImage(const QImage& image, int x, int y, int w, int h) {
    if (w <= 0 || h <= 0 || image.isNull()) return;
    StretchClipped(image, x, y, w, h);
    const int cx0 = std::max(x, 0), cy0 = std::max(y, 0);
    Touch(cx0, cy0, std::min(x + w, width()) - cx0, std::min(y + h, height()) - cy0);
}

void Canvas::StretchClipped(const QImage& source, int x, int y, int w, int h) {
    const QImage image =
        source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32
            ? source
            : source.convertToFormat(QImage::Format_RGB32);
    const int sw = image.width(), sh = image.height();
    const int cx0 = std::max(x, 0), cx1 = std::min(x + w, width());
    const int cy0 = std::max(y, 0), cy1 = std::min(y + h, height());
    if (cx0 >= cx1 || cy0 >= cy1) return;
    // Source column of every target column: the source pixel under its centre.
    std::vector<int> column(static_cast<size_t>(cx1 - cx0));
    for (int tx = cx0; tx < cx1; ++tx)
        column[static_cast<size_t>(tx - cx0)] =
            static_cast<int>((2LL * (tx - x) + 1) * sw / (2LL * w));
    // Runs of consecutive source columns, copied as blocks when they are long
    // (scales near 1 and enlargements by small factors leave long runs).
    struct Run {
        int target, source, length;
    };
    std::vector<Run> runs;
    for (int tx = cx0; tx < cx1; ++tx) {
        const int sx = column[static_cast<size_t>(tx - cx0)];
        if (!runs.empty() && runs.back().source + runs.back().length == sx &&
            runs.back().target + runs.back().length == tx)
            ++runs.back().length;
        else
            runs.push_back({tx, sx, 1});
    }
    const bool byRuns = runs.size() * 8 <= static_cast<size_t>(cx1 - cx0);
    int lastSource = -1;
    for (int ty = cy0; ty < cy1; ++ty) {
        const int sy = static_cast<int>((2LL * (ty - y) + 1) * sh / (2LL * h));
        QRgb* line = RowPointer(ty);
        if (line && sy == lastSource && ty > cy0) {
            std::copy(RowPointer(ty - 1) + cx0, RowPointer(ty - 1) + cx1, line + cx0);
            continue;
        }
        lastSource = sy;
        const auto* src = reinterpret_cast<const QRgb*>(image.constScanLine(sy));
        if (line && byRuns) {
            // RGB32 pixels are opaque already.
            for (const Run& r : runs) std::copy_n(src + r.source, r.length, line + r.target);
            continue;
        }
        if (line) {
            for (int tx = cx0; tx < cx1; ++tx)
                line[tx] = src[column[static_cast<size_t>(tx - cx0)]] | 0xFF000000u;
            continue;
        }
        // Without writable rows: runs of one colour along the row.
        int runStart = cx0;
        for (int tx = cx0 + 1; tx <= cx1; ++tx) {
            const QRgb c = src[column[static_cast<size_t>(runStart - cx0)]];
            if (tx < cx1 && src[column[static_cast<size_t>(tx - cx0)]] == c) continue;
            FillClipped(runStart, ty, tx - runStart, 1, c | 0xFF000000u);
            runStart = tx;
        }
    }
}

void Canvas::FillCircle(int x, int y, int side, QRgb c) {
    if (side <= 0) return;
    // A pixel belongs to the circle when its centre lies inside it.
    const double r = side / 2.0;
    for (int row = 0; row < side; ++row) {
        const double dy = row + 0.5 - r;
        const double half = std::sqrt(std::max(0.0, r * r - dy * dy));
        // Columns whose centre col + 0.5 lies within r - half .. r + half.
        const int c0 = static_cast<int>(std::ceil(r - half - 0.5));
        const int c1 = static_cast<int>(std::floor(r + half - 0.5));
        if (c1 >= c0) HLine(x + c0, x + c1 + 1, y + row, c);
    }
}

bool Canvas::RepeatRow(int from, int count, int x0, int x1) {
    if (from < 0 || from >= height() || !RowPointer(from)) return false;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, width());
    const int last = std::min(from + count, height() - 1);
    if (x0 >= x1 || last <= from) return true;
    const QRgb* src = RowPointer(from) + x0;
    for (int y = from + 1; y <= last; ++y) std::copy(src, src + (x1 - x0), RowPointer(y) + x0);
    Touch(x0, from + 1, x1 - x0, last - from);
    return true;
}

QRect Canvas::TakeChanged() {
    const QRect r = x0_ < x1_ ? QRect(x0_, y0_, x1_ - x0_, y1_ - y0_) : QRect();
    x0_ = x1_ = 0;
    return r;
}

ImageCanvas::ImageCanvas(QImage& image) : Canvas(image.width(), image.height()) {
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32 &&
        image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(QImage::Format_RGB32);
    SetRows(image.bits(), image.bytesPerLine());
}

PainterCanvas::PainterCanvas(QPainter& painter, int width, int height)
    : Canvas(width, height), p_(painter) {}

void PainterCanvas::FillClipped(int x, int y, int w, int h, QRgb c) {
    p_.fillRect(QRect(x, y, w, h), QColor::fromRgb(c));
}

void PainterCanvas::StretchClipped(const QImage& image, int x, int y, int w, int h) {
    p_.save();
    p_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p_.setClipRect(QRect(0, 0, width(), height()), Qt::IntersectClip);
    p_.drawImage(QRect(x, y, w, h), image);
    p_.restore();
}

} // namespace hm
