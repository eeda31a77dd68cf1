#include "fabric/fabricpainter.h"

#include <algorithm>
#include <cstdlib>
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
    const bool complete =
        std::none_of(colours.begin(), colours.end(), [](QRgb c) { return c == 0; });
    QRgb* line = canvas.RowPointer(top);
    if (line && complete) {
        // One pixel row written straight, copied down the band.
        int x = x0;
        for (int k = 0; k < n; ++k, x += step) {
            const int a = std::max(x, left), b = std::min(x + cellW, right);
            if (a < b) std::fill(line + a, line + b, colours[static_cast<size_t>(k)]);
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
        if (c != 0) {
            const int xs = std::min(x0 + k * step, x0 + (m - 1) * step);
            canvas.Fill(xs, top, (m - k - 1) * std::abs(step) + cellW, bottom - top, c);
        }
        k = m;
    }
}

void PaintFabric(Canvas& canvas, const Draft& d, const FabricLayout& l) {
    const int first = l.firstEnd, n = l.LastEnd() - first;
    int shownPicks = l.LastPick() - l.firstPick;
    if (n <= 0 || shownPicks <= 0) return;
    if (l.compression) shownPicks -= shownPicks % 2;
    const int rows = l.compression ? shownPicks / 2 : shownPicks;
    const int bottom = l.area.top + l.area.height;
    // Column of the k-th end shown (k from 0).
    const int x0 = l.threadingFromRight ? l.area.width - l.cellW : 0;
    const int step = l.threadingFromRight ? -l.cellW : l.cellW;

    std::vector<QRgb> warp(static_cast<size_t>(n));
    for (int k = 0; k < n; ++k) {
        const int e = first + 1 + k;
        warp[static_cast<size_t>(k)] = EndThreaded(d, e) ? ToRgb(d.Palette[d.WarpColors[e]]) : 0;
    }
    auto weftOf = [&](int pick) { return ToRgb(d.Palette[d.WeftColors[pick]]); };

    const WeftCrossings crossings(d);
    // Crossings of ends first..first+n+1: one end either side of those shown.
    std::vector<uint8_t> over(static_cast<size_t>(n + 2)), lower(static_cast<size_t>(n + 2));
    std::vector<QRgb> colours(static_cast<size_t>(n));
    for (int r = 1; r <= rows; ++r) {
        const int y = bottom - r * l.cellH;
        if (!l.compression) {
            const int pick = l.firstPick + r;
            crossings.Row(pick, first + 1, n, over.data());
            const QRgb weft = weftOf(pick);
            for (int k = 0; k < n; ++k)
                colours[static_cast<size_t>(k)] =
                    over[static_cast<size_t>(k)] ? weft : warp[static_cast<size_t>(k)];
            PaintCellRow(canvas, colours, x0, step, l.cellW, y, l.cellH);
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
            switch (CompressedCell(over[i], before, after, lower[i], lower[i - 1], lower[i + 1])) {
            case CompressedShows::UpperWeft:
                colours[static_cast<size_t>(k)] = upper;
                break;
            case CompressedShows::LowerWeft:
                colours[static_cast<size_t>(k)] = under;
                break;
            case CompressedShows::Warp:
                colours[static_cast<size_t>(k)] = warp[static_cast<size_t>(k)];
                break;
            }
        }
        PaintCellRow(canvas, colours, x0, step, l.cellW, y, l.cellH);
    }
}

} // namespace hm
