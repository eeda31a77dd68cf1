#include "fabric/fabricpainter.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_map>
#include <vector>

#include "fabric/weftcrossings.h"

namespace hm {

void PaintCellRow(Canvas& canvas, const std::vector<QRgb>& colours, int x0, int step, int cellW,
                  int y, int height) {
    const int n = static_cast<int>(colours.size());
    const int top = std::max(y, 0), bottom = std::min(y + height, canvas.height());
    if (n == 0 || top >= bottom) return;
    const int xa = std::min(x0, x0 + (n - 1) * step),
              xb = std::max(x0, x0 + (n - 1) * step) + cellW;
    const int left = std::max(xa, 0), right = std::min(xb, canvas.width());
    if (left >= right) return;
    QRgb* line = canvas.RowPointer(top);
    if (line) {
        // One pixel row written straight, copied down the band.
        if (left == xa && right == xb && std::abs(step) == cellW) {
            QRgb* start = line + std::min(x0, x0 + (n - 1) * step);
            if (cellW == 1) {
                if (step < 0)
                    std::reverse_copy(colours.begin(), colours.end(), start);
                else
                    std::copy(colours.begin(), colours.end(), start);
            } else {
                QRgb* p = line + x0;
                for (int k = 0; k < n; ++k, p += step)
                    std::fill_n(p, cellW, colours[static_cast<size_t>(k)]);
            }
        } else {
            int x = x0;
            for (int k = 0; k < n; ++k, x += step) {
                const int a = std::max(x, left), b = std::min(x + cellW, right);
                if (a < b) std::fill(line + a, line + b, colours[static_cast<size_t>(k)]);
            }
        }
        canvas.Touch(left, top, right - left, 1);
        canvas.RepeatRow(top, bottom - top - 1, left, right);
        return;
    }
    // Runs of one colour between cells that touch.
    int k = 0;
    while (k < n) {
        const QRgb c = colours[static_cast<size_t>(k)];
        int m = k + 1;
        while (m < n && colours[static_cast<size_t>(m)] == c && std::abs(step) == cellW) ++m;
        const int xs = std::min(x0 + k * step, x0 + (m - 1) * step);
        canvas.Fill(xs, top, (m - k - 1) * std::abs(step) + cellW, bottom - top, c);
        k = m;
    }
}

PixelRect FabricPictureRect(const FabricLayout& l) {
    const int n = l.LastEnd() - l.firstEnd;
    int shown = l.LastPick() - l.firstPick;
    if (l.compression) shown -= shown % 2;
    const int rows = l.compression ? shown / 2 : shown;
    if (n <= 0 || rows <= 0) return {};
    const int bottom = l.area.top + l.area.height;
    const int x = l.threadingFromRight ? l.area.width - n * l.cellW : 0;
    return {x, bottom - rows * l.cellH, n * l.cellW, rows * l.cellH};
}

namespace {

// The pixel rows painted so far, by their crossings and weft colour.
class PaintedRows {
  public:
    explicit PaintedRows(int words) : words_(static_cast<size_t>(words)) {}
    // A row of the canvas showing these crossings in this weft colour, or -1.
    int Find(const uint64_t* bits, QRgb weft) const {
        const auto it = rows_.find(Key(bits, weft));
        if (it == rows_.end()) return -1;
        const Entry& e = it->second;
        return e.weft == weft && std::equal(e.bits.begin(), e.bits.end(), bits) ? e.y : -1;
    }
    void Add(const uint64_t* bits, QRgb weft, int y) {
        if (rows_.size() < 4096)
            rows_.try_emplace(Key(bits, weft),
                              Entry{std::vector<uint64_t>(bits, bits + words_), weft, y});
    }

  private:
    struct Entry {
        std::vector<uint64_t> bits;
        QRgb weft;
        int y;
    };
    uint64_t Key(const uint64_t* bits, QRgb weft) const {
        uint64_t h = weft * 0x9E3779B97F4A7C15ull;
        for (size_t i = 0; i < words_; ++i) h = (h ^ bits[i]) * 0x100000001B3ull + (h >> 29);
        return h;
    }
    size_t words_;
    std::unordered_map<uint64_t, Entry> rows_;
};

} // namespace

void PaintFabric(Canvas& canvas, const Draft& d, const FabricLayout& l) {
    const PixelRect picture = FabricPictureRect(l);
    if (picture.empty()) return;
    const int first = l.firstEnd, n = l.LastEnd() - first;
    const int rows = picture.h / l.cellH;
    const int bottom = picture.bottom();
    const bool fromRight = l.threadingFromRight;
    // Screen order: cell s from the left shows end first + 1 + k.
    auto screen = [&](int k) { return static_cast<size_t>(fromRight ? n - 1 - k : k); };

    std::vector<QRgb> warp(static_cast<size_t>(n) + 8); // in screen order
    for (int k = 0; k < n; ++k) {
        const int e = first + 1 + k;
        // An unthreaded end never shows: the weft always lies over it.
        warp[screen(k)] =
            EndThreaded(d, e) ? ToRgb(d.Palette[d.WarpColors[e]]) : ToRgb(d.BackgroundColor);
    }
    auto weftOf = [&](int pick) { return ToRgb(d.Palette[d.WeftColors[pick]]); };

    const WeftCrossings crossings(d);
    std::vector<QRgb> colours(static_cast<size_t>(n));
    const size_t words = static_cast<size_t>(n + 63) / 64 + 1;
    std::vector<uint64_t> bits(words), turned(words);
    PaintedRows painted(static_cast<int>(words));
    // Compressed rows: crossings of ends first..first+n+1, one either side.
    std::vector<uint8_t> over(static_cast<size_t>(n + 2)), lower(static_cast<size_t>(n + 2));
    for (int r = 1; r <= rows; ++r) {
        const int y = bottom - r * l.cellH;
        if (!l.compression) {
            const int pick = l.firstPick + r;
            crossings.WarpBits(pick, first + 1, n, bits.data());
            if (fromRight) ReverseBits(bits.data(), n, turned.data());
            const uint64_t* up = fromRight ? turned.data() : bits.data();
            // One pixel per end: straight into the image.
            const int top = std::max(y, 0), end = std::min(y + l.cellH, canvas.height());
            QRgb* line = top < end ? canvas.RowPointer(top) : nullptr;
            if (l.cellW == 1 && line && picture.x >= 0 && picture.right() <= canvas.width()) {
                // Cloth repeats: a row already painted with the same crossings and
                // weft colour is copied.
                const QRgb weft = weftOf(pick);
                if (const int same = painted.Find(up, weft); same >= 0)
                    std::copy_n(canvas.RowPointer(same) + picture.x, n, line + picture.x);
                else
                    SelectColours(up, n, warp.data(), weft, line + picture.x);
                painted.Add(up, weft, top);
                canvas.Touch(picture.x, top, n, 1);
                canvas.RepeatRow(top, end - top - 1, picture.x, picture.right());
                continue;
            }
            SelectColours(up, n, warp.data(), weftOf(pick), colours.data());
            PaintCellRow(canvas, colours, picture.x, l.cellW, l.cellW, y, l.cellH);
            continue;
        }
        // Two picks to a row: pick p over pick p - 1.
        const int p = l.firstPick + 2 * r;
        crossings.Row(p, first, n + 2, over.data());
        crossings.Row(p - 1, first, n + 2, lower.data());
        uint8_t wrapBefore = 0, wrapAfter = 0; // end 1's neighbour before it, the last end's after
        if (first == 0) crossings.Row(p, first + n, 1, &wrapBefore);
        if (first + n == l.ends) crossings.Row(p, 1, 1, &wrapAfter);
        const QRgb upper = weftOf(p), under = weftOf(p - 1);
        for (int k = 0; k < n; ++k) {
            const size_t i = static_cast<size_t>(k) + 1; // index of end first + 1 + k
            const int e = first + 1 + k;
            const bool before = e == 1 ? wrapBefore : over[i - 1];
            const bool after = e == l.ends ? wrapAfter : over[i + 1];
            QRgb& c = colours[screen(k)];
            switch (CompressedCell(over[i], before, after, lower[i], lower[i - 1], lower[i + 1])) {
            case CompressedShows::UpperWeft:
                c = upper;
                break;
            case CompressedShows::LowerWeft:
                c = under;
                break;
            case CompressedShows::Warp:
                c = warp[screen(k)];
                break;
            }
        }
        PaintCellRow(canvas, colours, picture.x, l.cellW, l.cellW, y, l.cellH);
    }
}

} // namespace hm
