#include "fabric/interlacementpainter.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "fabric/weftcrossings.h"

namespace hm {

namespace {

constexpr int EndPitch = 14;  // bitmap pixels per end
constexpr int PickPitch = 18; // bitmap pixels per pick
constexpr int Thick = 8;      // thread thickness

// A transition segment, column by column (1..14): the weft climbs by Rise[i]
// coming up over an end, drops by Drop[i] going down under it, and is Height[i]
// pixels thick meanwhile. Each step table adds up to the 8 pixels of a thread.
constexpr int Rise[EndPitch] = {0, 1, 1, 1, 1, 1, 1, 0, 1, 0, 1, 0, 0, 0};
constexpr int Drop[EndPitch] = {0, 0, 1, 0, 1, 0, 1, 1, 1, 1, 1, 1, 0, 0};
constexpr int Height[EndPitch] = {8, 8, 9, 9, 10, 10, 11, 11, 10, 10, 9, 9, 8, 8};

} // namespace

QRgb DisplayColour(const Draft& d, int paletteIndex) {
    const uint32_t c =
        d.Palette[static_cast<size_t>(std::clamp(paletteIndex, 0, PaletteEntries - 1))];
    const int r = ColorRed(c), g = ColorGreen(c), b = ColorBlue(c);
    if (r > 224 && g > 224 && b > 224 && (d.BackgroundColor & 0xFFFFFF) == 0xFFFFFF)
        return qRgb(r - r / 8, g - g / 8, b - b / 8);
    return qRgb(r, g, b);
}

InterlaceBitmap::InterlaceBitmap(const Draft& d, int width, int height)
    : image_(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32) {
    for (int i = 0; i < PaletteEntries; ++i) colours_[i] = DisplayColour(d, i);
    bits_ = image_.bits();
    stride_ = image_.bytesPerLine();
    w_ = image_.width();
    h_ = image_.height();
}

void InterlaceBitmap::Put(int x, int y, QRgb c) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
    Row(y)[x] = c;
}

void InterlaceBitmap::Block(int x, int y, int paletteIndex, int height, int width) {
    const QRgb c = colours_[std::clamp(paletteIndex, 0, PaletteEntries - 1)];
    const int x0 = std::max(x, 0), x1 = std::min(x + width, w_);
    const int y0 = std::max(y, 0), y1 = std::min(y + height, h_);
    if (x0 >= x1) return;
    if (x1 - x0 == 1) {
        for (int row = y0; row < y1; ++row) Row(row)[x0] = c;
        return;
    }
    for (int row = y0; row < y1; ++row) std::fill(Row(row) + x0, Row(row) + x1, c);
}

void InterlaceBitmap::Line(int x, int y, int paletteIndex, int height, int width) {
    const QRgb c = colours_[std::clamp(paletteIndex, 0, PaletteEntries - 1)];
    if (width <= 0 || height <= 0) return;
    if (width == 1 || height == 1) {
        Block(x, y, paletteIndex, height, width);
        return;
    }
    // A slanted line: one pixel per step along the longer side.
    const int steps = std::max(width, height);
    for (int i = 0; i < steps; ++i)
        Put(x + (width - 1) * i / (steps - 1), y + (height - 1) * i / (steps - 1), c);
}

void InterlaceBitmap::RepeatFirstRow() {
    for (int row = 1; row < h_; ++row) std::copy(Row(0), Row(0) + w_, Row(row));
}

void InterlaceBitmap::FillRow(int y, QRgb colour) {
    if (y >= 0 && y < h_) std::fill(Row(y), Row(y) + w_, colour);
}

void InterlaceBitmap::FillMap(QRgb colour) {
    for (int row = 0; row < h_; ++row) std::fill(Row(row), Row(row) + w_, colour);
}

QImage InterlacementBitmap(const Draft& d, const FabricLayout& l) {
    const int ve = std::max(l.visibleEnds, 1), vp = std::max(l.visiblePicks, 1);
    InterlaceBitmap bm(d, ve * EndPitch + 12, vp * PickPitch + 16);
    const int bw = ve * EndPitch + 12, bh = vp * PickPitch + 16;
    const bool fromRight = l.threadingFromRight;
    const int first = l.firstEnd, lastEnd = l.LastEnd();

    // The background and the warp bands, the full height of the bitmap: drawn on
    // the top row, which is then copied down.
    bm.FillRow(0, ToRgb(d.BackgroundColor));
    for (int k = 0, x = bw - (fromRight ? 18 : 16); k < ve; ++k, x -= EndPitch) {
        const int e = fromRight ? first + k + 1 : first + ve - k;
        if (e <= lastEnd && EndThreaded(d, e)) bm.Block(x, 0, d.WarpColors[e], 1, Thick);
    }
    bm.RepeatFirstRow();

    // Weft rows, bottom to top, each walked across the ends shown.
    const int n = lastEnd - first;
    if (n <= 0) return bm.image();
    const WeftCrossings crossings(d);
    std::vector<uint8_t> over(static_cast<size_t>(n) + 1);
    const int dir = fromRight ? -1 : 1;
    for (int i = 1; i <= l.LastPick() - l.firstPick; ++i) {
        const int pick = l.firstPick + i;
        crossings.Row(pick, first + 1, n, over.data() + 1); // over[k]: position k = 1..n
        const int weft = d.WeftColors[pick];
        auto warpAt = [&](int k) { return static_cast<int>(d.WarpColors[first + k]); };
        int x = fromRight ? bw - 1 : 0;
        int y = bh - PickPitch * i + 2;
        if (over[1]) y -= Thick;
        // Position k's segment: columns 1-4 cover the right half of the band of
        // end k - 1, 5-10 the gap, 11-14 the left half of end k's band. The extra
        // segment n + 1 finishes the band of the last end.
        for (int k = 1; k <= n + 1; ++k) {
            const bool last = k == n + 1;
            const bool overHere = over[static_cast<size_t>(last ? n : k)];
            const bool overBefore = k == 1 || over[static_cast<size_t>(k - 1)];
            const bool transition = k > 1 && !last && overHere != overBefore;
            const int start =
                (k == 1 || (transition ? overBefore : overHere)) ? weft : warpAt(k - 1);
            auto colourOf = [&](int c) {
                return c < 4 ? start : (c < 10 || overHere || last) ? weft : warpAt(k);
            };
            if (!transition) {
                // Level: three blocks of one colour each, 8 pixels high.
                for (const auto& [from, to] :
                     {std::pair{0, 4}, std::pair{4, 10}, std::pair{10, 14}}) {
                    const int xa = fromRight ? x - (to - 1) : x + from;
                    bm.Block(xa, y, colourOf(from), Thick, to - from);
                }
                x += dir * EndPitch;
                continue;
            }
            for (int c = 0; c < EndPitch; ++c, x += dir) {
                bm.Line(x, y, colourOf(c), Height[c], 1);
                y += overBefore ? Drop[c] : -Rise[c];
            }
        }
    }
    return bm.image();
}

void PaintInterlacement(Canvas& canvas, const Draft& d, const FabricLayout& l) {
    const QImage bitmap = InterlacementBitmap(d, l);
    const DrawingArea& a = l.area;
    const QRgb bg = ToRgb(d.BackgroundColor);
    const int x = 5, y = a.top + 5, w = a.width - 9, h = a.height - 9;
    if (w <= 0 || h <= 0) {
        canvas.Fill(0, a.top, a.width, a.height, bg);
        return;
    }
    // The border around the stretched picture; the picture covers the rest.
    canvas.Fill(0, a.top, a.width, 5, bg);
    canvas.Fill(0, y + h, a.width, a.top + a.height - (y + h), bg);
    canvas.Fill(0, y, x, h, bg);
    canvas.Fill(x + w, y, a.width - (x + w), h, bg);
    canvas.StretchImage(bitmap, x, y, w, h);
}

} // namespace hm
